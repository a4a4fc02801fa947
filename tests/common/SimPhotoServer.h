// Test side of the simulated photo web application: starts the simulated server with only its
// "photo" service on loopback, talks to its control socket and reads its request log.
//
//   SimPhotoServer sim(VORK_SIMSERVER_BIN);
//   QVERIFY2(sim.start(&error), qPrintable(error));   // a scenario may be passed
//   const QString session = sim.ok("photo session open admin");
//   ... requests to sim.baseUrl() ...
//   const QList<QJsonObject> requests = sim.requests();  // in arrival order
//
// Every request of the service is one capture line: seq, method, target, site, script, headers
// ([name, value] pairs in arrival order), bodyLen, bodySha1, body (hex, up to 64 KiB), session and
// the forced reply ("fault") that answered it, if any.
#ifndef SIMPHOTOSERVER_H
#define SIMPHOTOSERVER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QLocalSocket>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include "HangGuard.h"

class SimPhotoServer
{
public:
    explicit SimPhotoServer(const QString &binary) : m_binary(binary) {}
    ~SimPhotoServer() { stop(); }

    // Starts the server with `scenario` as its "services"/"photo" object (the default: accounts
    // "admin" (administrator) and "bob", album "Trip" writable by bob).
    bool start(QString *error, const QByteArray &photoConfig = QByteArray())
    {
        if (!m_dir.isValid()) {
            *error = QStringLiteral("no temporary folder");
            return false;
        }
        const QByteArray config = photoConfig.isEmpty()
            ? QByteArray("{\"accounts\":{\"admin\":{\"admin\":true},\"bob\":{}},"
                         "\"albums\":[{\"path\":\"Trip\",\"writers\":[\"bob\"]}]}")
            : photoConfig;
        QFile scenario(m_dir.filePath(QStringLiteral("scenario.json")));
        if (!scenario.open(QIODevice::WriteOnly)) {
            *error = QStringLiteral("cannot write the scenario");
            return false;
        }
        scenario.write("{\"services\":{\"photo\":" + config + "},\"units\":[]}\n");
        scenario.close();
        // A Unix socket path must stay short: in the test's temporary folder, not below a long
        // build folder.
        m_control = QDir::tempPath() +
                    QStringLiteral("/vkphoto-%1-%2.sock").arg(QCoreApplication::applicationPid()).arg(++s_count);
        m_capture = m_dir.filePath(QStringLiteral("capture.jsonl"));
        const QString ready = m_dir.filePath(QStringLiteral("ready"));
        QFile::remove(ready);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(m_binary, {QStringLiteral("--scenario"), scenario.fileName(), QStringLiteral("--capture"),
                                   m_capture, QStringLiteral("--control"), m_control, QStringLiteral("--ready-file"),
                                   ready, QStringLiteral("--services"), QStringLiteral("photo")});
        if (!m_process.waitForStarted(tsup::guardMs())) {
            *error = QStringLiteral("simserver did not start: ") + m_process.errorString();
            return false;
        }
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(ready) && t.elapsed() < tsup::guardMs() && m_process.state() == QProcess::Running)
            QThread::msleep(20);
        if (!QFile::exists(ready)) {
            *error = QStringLiteral("simserver did not get ready");
            stop();
            return false;
        }
        const QString port = ok(QStringLiteral("photo port"));
        m_port = port.toInt();
        if (m_port <= 0) {
            *error = QStringLiteral("no port from the photo service");
            stop();
            return false;
        }
        return true;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        command(QStringLiteral("quit"));
        if (!m_process.waitForFinished(tsup::guardMs())) {
            m_process.kill();
            m_process.waitForFinished(tsup::guardMs());
        }
        QFile::remove(m_control);
    }

    int port() const { return m_port; }

    // One control line; the reply line ("ok ..." or "err ..."), or "err no reply" after the hang
    // guard (tsup::guardMs(timeoutMs)).
    QString command(const QString &line, int timeoutMs = 0)
    {
        if (m_socket.state() != QLocalSocket::ConnectedState) {
            m_socket.connectToServer(m_control);
            if (!m_socket.waitForConnected(tsup::guardMs()))
                return QStringLiteral("err not connected");
        }
        m_socket.write(line.toUtf8() + "\n");
        m_socket.flush();
        const int guard = tsup::guardMs(timeoutMs);
        QElapsedTimer t;
        t.start();
        while (!m_socket.canReadLine() && t.elapsed() < guard)
            m_socket.waitForReadyRead(50);
        if (!m_socket.canReadLine())
            return QStringLiteral("err no reply");
        return QString::fromUtf8(m_socket.readLine()).trimmed();
    }

    // The text after "ok " of a command that must succeed; a null string otherwise.
    QString ok(const QString &line)
    {
        const QString reply = command(line);
        if (reply == QLatin1String("ok"))
            return QStringLiteral("");
        if (!reply.startsWith(QLatin1String("ok ")))
            return QString();
        return reply.mid(3);
    }

    QJsonArray jsonArray(const QString &line) { return QJsonDocument::fromJson(ok(line).toUtf8()).array(); }

    // The stored files: site, album, name, type, size, sha1, modified.
    QJsonArray files() { return jsonArray(QStringLiteral("photo files")); }
    QJsonArray albums() { return jsonArray(QStringLiteral("photo albums")); }

    // Requests logged since the last forgetRequests(), in arrival order.
    QList<QJsonObject> requests() const
    {
        QList<QJsonObject> out;
        QFile f(m_capture);
        if (!f.open(QIODevice::ReadOnly))
            return out;
        f.seek(m_captureOffset);
        for (const QByteArray &line : f.readAll().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o.value(QStringLiteral("svc")).toString() == QLatin1String("photo"))
                out.append(o);
        }
        return out;
    }

    void forgetRequests()
    {
        QFile f(m_capture);
        m_captureOffset = f.open(QIODevice::ReadOnly) ? f.size() : 0;
    }

    // Waits (event loop running) until at least `count` requests are logged, or the hang guard
    // (tsup::guardMs(timeoutMs)) is up.
    bool waitForRequests(int count, int timeoutMs = 0) const
    {
        const int guard = tsup::guardMs(timeoutMs);
        QElapsedTimer t;
        t.start();
        while (requests().size() < count && t.elapsed() < guard)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return requests().size() >= count;
    }

    // The value of the first header `name` (any case) of a logged request; null when absent.
    static QString header(const QJsonObject &request, const QString &name)
    {
        for (const QJsonValue &h : request.value(QStringLiteral("headers")).toArray()) {
            const QJsonArray pair = h.toArray();
            if (pair.at(0).toString().compare(name, Qt::CaseInsensitive) == 0)
                return pair.at(1).toString();
        }
        return QString();
    }

    // The names of the X- headers of a logged request, in arrival order.
    static QStringList xHeaderNames(const QJsonObject &request)
    {
        QStringList names;
        for (const QJsonValue &h : request.value(QStringLiteral("headers")).toArray()) {
            const QString name = h.toArray().at(0).toString();
            if (name.startsWith(QLatin1String("X-"), Qt::CaseInsensitive))
                names << name;
        }
        return names;
    }

    static QByteArray body(const QJsonObject &request)
    {
        return QByteArray::fromHex(request.value(QStringLiteral("body")).toString().toLatin1());
    }

private:
    QString m_binary;
    QTemporaryDir m_dir;
    QProcess m_process;
    QLocalSocket m_socket;
    QString m_control;
    QString m_capture;
    qint64 m_captureOffset = 0;
    int m_port = 0;
    static inline int s_count = 0;
};

#endif // SIMPHOTOSERVER_H
