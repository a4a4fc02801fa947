#include "HangGuard.h"
#include "ToolBench.h"

#include <QImage>

#include "vork_tool_entries.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

ToolBench::ToolBench()
    : m_appDir(QCoreApplication::applicationDirPath())
{
}

QList<ToolBench::Entry> ToolBench::entries()
{
    // "<set>:<path>|LINK|<file>" or "<set>:<path>|COPY|<file>", separated by ";".
    QList<Entry> list;
    const QStringList items = QString::fromUtf8(VORK_TOOL_ENTRIES).split(';', Qt::SkipEmptyParts);
    for (const QString& item : items) {
        const int colon = item.indexOf(':');
        const QStringList parts = item.mid(colon + 1).split('|');
        if (colon < 0 || parts.size() != 3)
            continue;
        list.append(Entry{item.left(colon), parts.at(0), parts.at(1) == "LINK", parts.at(2)});
    }
    return list;
}

QString ToolBench::packageOf(const QString& realFile)
{
    const QString name = QFileInfo(realFile).fileName();
    if (name.startsWith("convert") || name.startsWith("composite"))
        return "imagemagick";
    if (name == "dcraw")
        return "dcraw";
    if (name == "ffmpeg" || name == "qt-faststart")
        return "ffmpeg";
    return name;
}

static bool removePath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    if (info.exists() || info.isSymLink())
        return QFile::remove(path);
    return true;
}

bool ToolBench::clear()
{
    bool ok = true;
    for (const Entry& e : entries()) {
        const QString path = toolPath(e.path);
        ok = removePath(path) && ok;
        ok = removePath(path + ".calls") && ok;
        ok = removePath(path + ".plan") && ok;
    }
    return ok;
}

static bool placeLink(const QString& target, const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    removePath(path);
    return QFile::link(target, path);
}

bool ToolBench::installReal(const QStringList& sets, QString* error)
{
    for (const Entry& e : entries()) {
        if (!sets.isEmpty() && !sets.contains(e.set))
            continue;
        const QString path = toolPath(e.path);
        if (!QFileInfo(e.file).isExecutable() && e.link) {
            if (error)
                *error = QString("%1 is missing: install the Debian package %2").arg(e.file, packageOf(e.file));
            return false;
        }
        bool ok;
        if (e.link) {
            ok = placeLink(e.file, path);
        } else {
            QDir().mkpath(QFileInfo(path).path());
            removePath(path);
            ok = QFile::copy(e.file, path)
                 && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                    | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                    | QFile::ExeOther);
        }
        if (!ok) {
            if (error)
                *error = "cannot place " + path;
            return false;
        }
    }
    return true;
}

bool ToolBench::installFake(const QString& tool, const QStringList& plan)
{
    const QString path = toolPath(tool);
    removePath(path + ".calls");
    return placeLink(QString::fromUtf8(VORK_FAKE_TOOL), path) && setPlan(tool, plan);
}

bool ToolBench::setPlan(const QString& tool, const QStringList& plan)
{
    const QString path = toolPath(tool) + ".plan";
    if (plan.isEmpty())
        return removePath(path);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(plan.join('\n').toUtf8() + '\n') > 0;
}

QList<ToolBench::Call> ToolBench::calls(const QString& tool) const
{
    QList<Call> list;
    QFile f(toolPath(tool) + ".calls");
    if (!f.open(QIODevice::ReadOnly))
        return list;
    // A run that is still writing its line is not counted yet: only whole lines are calls.
    QByteArray whole = f.readAll();
    whole.truncate(whole.lastIndexOf('\n') + 1);
    const QList<QByteArray> lines = whole.split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        Call c;
        for (const QJsonValue& v : o.value("args").toArray())
            c.args << v.toString();
        c.cwd = o.value("cwd").toString();
        c.input = o.value("stdin").toString();
        c.pid = static_cast<qint64>(o.value("pid").toDouble());
        list << c;
    }
    return list;
}

bool ToolBench::waitForCalls(const QString& tool, int count, int timeoutMs) const
{
    const int guard = tsup::guardMs(timeoutMs);
    QElapsedTimer timer;
    timer.start();
    while (calls(tool).size() < count) {
        if (timer.elapsed() > guard)
            return false;
        QTest::qWait(10);
    }
    return true;
}

ToolFifo::ToolFifo(const QString& path)
    : m_path(path)
{
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        return;
    m_valid = true;
    // Opening the write end blocks until some process opens the FIFO for reading (or the
    // destructor does, to end the wait).
    m_watcher = std::thread([this] {
        int fd;
        do
            fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CLOEXEC);
        while (fd < 0 && errno == EINTR);
        m_writeEnd = fd;
        if (fd >= 0 && !m_finishing.load())
            m_opened.store(true);
    });
}

ToolFifo::~ToolFifo()
{
    if (!m_valid)
        return;
    m_finishing.store(true);
    // A watcher still waiting for a reader is let go by a reader of our own for a moment.
    const int reader = m_opened.load() ? -1
                                       : ::open(QFile::encodeName(m_path).constData(),
                                                O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    m_watcher.join();
    if (reader >= 0)
        ::close(reader);
    if (m_writeEnd >= 0)
        ::close(m_writeEnd);
    QFile::remove(m_path);
}

bool ToolFifo::readerGone() const
{
    if (!m_opened.load())
        return false;
    // With no events asked for, poll() reports only POLLERR, which the write end of a FIFO shows
    // once no reader is left.
    pollfd fd = {m_writeEnd, 0, 0};
    return ::poll(&fd, 1, 0) == 1 && (fd.revents & POLLERR);
}

bool ToolFifo::waitForReader(int timeoutMs)
{
    return m_valid && QTest::qWaitFor([this] { return m_opened.load(); }, tsup::guardMs(timeoutMs));
}

bool ToolFifo::waitForNoReader(int timeoutMs)
{
    if (timeoutMs <= 0)
        return readerGone();
    return QTest::qWaitFor([this] { return readerGone(); }, tsup::guardMs(timeoutMs));
}

bool ToolBench::writePhoto(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255) / width, (y * 255) / height, ((x ^ y) & 0xff));
    }
    return image.save(path, "JPEG", 90);
}
