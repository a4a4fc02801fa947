// Shared set-up of the upload-worker tests: the page's side of one upload (profile, file model,
// maps, options, counter, failed list, session cookie), a recorder of the worker's signals in
// the order the GUI thread receives them, and small file helpers.
#ifndef UPLOADFIXTURE_H
#define UPLOADFIXTURE_H

#include "CPhotoUploadConfig.h"
#include "CUploadManager.h"
#include "PhotoWorkFolder.h"
#include "SimPhotoServer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QNetworkCookie>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QStringList>

#include <memory>

// Every signal of a worker as one text, in arrival order:
//   "progress:P,D,N,X,S", "status:T", "file:F", "thumb:T", "converr:F", "finished", "lost".
class UploadRecorder : public QObject
{
public:
    QStringList events;

    void attach(CUploadManager* worker)
    {
        connect(worker, &CUploadManager::signalProcessStatusChanged, this,
                [this](QString s) { events << QStringLiteral("status:") + s; });
        connect(worker, &CUploadManager::signalProcessFileChanged, this,
                [this](QString s) { events << QStringLiteral("file:") + s; });
        connect(worker, &CUploadManager::signalUploadProgressChanged, this,
                [this](int p, int d, int n, int x, qint64 s) {
                    events << QStringLiteral("progress:%1,%2,%3,%4,%5").arg(p).arg(d).arg(n).arg(x).arg(s);
                });
        connect(worker, &CUploadManager::signalBigThumbReady, this,
                [this](QString s) { events << QStringLiteral("thumb:") + s; });
        connect(worker, &CUploadManager::signalConvertError, this,
                [this](QString s) { events << QStringLiteral("converr:") + s; });
        connect(worker, &CUploadManager::signalUploadFinished, this, [this]() { events << QStringLiteral("finished"); });
        connect(worker, &CUploadManager::signalConnectionSessionLost, this,
                [this]() { events << QStringLiteral("lost"); });
    }

    QStringList withPrefix(const QString& prefix) const
    {
        QStringList out;
        for (const QString& e : events)
            if (e.startsWith(prefix))
                out << e;
        return out;
    }
};

// One upload as the page sets it up.
struct UploadSetup {
    explicit UploadSetup(SimPhotoServer* server) : sim(server)
    {
        config = CPhotoUploadConfig(server->port(), false, QStringLiteral("sim"), QStringLiteral("127.0.0.1"),
                                    QString(), QStringLiteral("admin"), false, QString());
    }
    ~UploadSetup()
    {
        // The worker stops and waits for its thread itself when it is deleted.
        delete worker;
    }

    // Opens a session on the simulated server and hands its cookie to the upload.
    bool login(const QString& account = QStringLiteral("admin"), const QString& site = QString())
    {
        const QString id = sim->ok(QStringLiteral("photo session open %1%2")
                                       .arg(account, site.isEmpty() ? QString() : QStringLiteral(" ") + site));
        if (id.isEmpty())
            return false;
        cookies = {QNetworkCookie("PHPSESSID", id.toLatin1())};
        return true;
    }

    void addRow(const QString& path) { model.appendRow(new QStandardItem(path)); }

    CUploadManager* start()
    {
        worker = new CUploadManager(nullptr, &config, &model, root, &titles, &descs, &excluded, onlyIndexable,
                                    skipHidden, profiles, duplicateMode, &counter, &failed, &cookies);
        recorder.attach(worker);
        worker->start(QThread::LowestPriority);
        return worker;
    }

    // Runs the GUI thread's event loop until the worker's thread has ended, then delivers what it
    // sent last. False on time-out.
    bool waitDone(int timeoutMs = 60000)
    {
        QElapsedTimer t;
        t.start();
        while (!worker->isFinished() && t.elapsed() < tsup::guardMs(timeoutMs))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return worker->isFinished();
    }

    SimPhotoServer* sim;
    CPhotoUploadConfig config;
    QStandardItemModel model;
    QString root = QStringLiteral("Trip");
    QHash<QString, QString> titles;
    QHash<QString, QString> descs;
    QHash<QString, bool> excluded;
    bool onlyIndexable = false;
    bool skipHidden = false;
    QList<uint> profiles;
    int duplicateMode = 0;
    uint counter = 0;
    QStringList failed;
    QList<QNetworkCookie> cookies;
    CUploadManager* worker = nullptr;
    UploadRecorder recorder;
};

// The upload work folder of this process (TMPDIR is set per test binary).
inline QString workFolder()
{
    return PhotoWorkFolder::path();
}

// Gives the process a temporary folder of its own inside the one it was given (which the test
// runner makes fresh for every test), so that test binaries running in parallel never share the
// upload work folder.
inline void usePrivateTempFolder()
{
    const QString dir = QDir::tempPath() + QStringLiteral("/tmp-") + QCoreApplication::applicationName();
    QDir().mkpath(dir);
    qputenv("TMPDIR", QFile::encodeName(dir));
}

inline bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool ok = f.write(data) == data.size();
    f.close();
    return ok;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QString sha1Of(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
}

inline bool makeJpeg(const QString& path, int width, int height, Qt::GlobalColor color = Qt::darkCyan)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, "JPEG", 90);
}

// The X-UPLOAD-TYPE values of the logged PUT requests, in order.
inline QStringList uploadTypes(const QList<QJsonObject>& requests)
{
    QStringList types;
    for (const QJsonObject& r : requests)
        if (r.value(QStringLiteral("method")).toString() == QLatin1String("PUT"))
            types << SimPhotoServer::header(r, QStringLiteral("X-UPLOAD-TYPE"));
    return types;
}

inline QList<QJsonObject> putRequests(const QList<QJsonObject>& requests)
{
    QList<QJsonObject> puts;
    for (const QJsonObject& r : requests)
        if (r.value(QStringLiteral("method")).toString() == QLatin1String("PUT"))
            puts << r;
    return puts;
}

#endif // UPLOADFIXTURE_H
