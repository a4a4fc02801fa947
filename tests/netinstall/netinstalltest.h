// Shared helpers of the install-channel and network-install tests: a debug-line capture, bounded
// waits, hand-typed reply bytes and test patch files of our own making.
#ifndef NETINSTALLTEST_H
#define NETINSTALLTEST_H

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QThread>

#include <functional>

namespace nit {

// Every message written while an instance exists (from any thread).
class DebugCapture
{
public:
    DebugCapture()
    {
        s_instance = this;
        m_previous = qInstallMessageHandler(&DebugCapture::handler);
    }
    ~DebugCapture()
    {
        qInstallMessageHandler(m_previous);
        s_instance = nullptr;
    }
    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }
    int count(const QString &exact) const
    {
        int n = 0;
        for (const QString &line : lines())
            if (line == exact)
                ++n;
        return n;
    }
    int countContaining(const QString &part) const
    {
        int n = 0;
        for (const QString &line : lines())
            if (line.contains(part))
                ++n;
        return n;
    }
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_lines.clear();
    }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &text)
    {
        if (s_instance) {
            QMutexLocker lock(&s_instance->m_mutex);
            s_instance->m_lines << text;
        }
    }
    static inline DebugCapture *s_instance = nullptr;
    QtMessageHandler m_previous;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

// Processes this thread's events until the condition holds or the time is up.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// Hex text with blanks to bytes.
inline QByteArray hex(const char *text)
{
    QByteArray compact(text);
    compact.replace(' ', "").replace('\n', "");
    return QByteArray::fromHex(compact);
}

// Writes a test patch file of the given size: a counting pattern, so that a shifted or repeated
// piece shows. Returns false when it could not be written.
inline bool writePatchFile(const QString &path, qint64 size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block(1 << 20, '\0');
    qint64 done = 0;
    uint32_t n = 0;
    while (done < size) {
        const int len = int(qMin<qint64>(block.size(), size - done));
        for (int i = 0; i < len; ++i, ++n)
            block[i] = char((n * 2654435761u) >> 24);
        if (f.write(block.constData(), len) != len)
            return false;
        done += len;
    }
    return f.flush();
}

inline QByteArray sha256Of(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result().toHex();
}

} // namespace nit

#endif // NETINSTALLTEST_H
