// Shared pieces of the quick-configuration job tests: records, answers delivered from another
// thread (so that they arrive queued, as from the discovery thread), a capture of debug lines,
// and bounded waits.
#ifndef QUICKCONFTEST_H
#define QUICKCONFTEST_H

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QSettings>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <cstring>
#include <functional>
#include <thread>

#include <arpa/inet.h>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CQuickConf.h"

namespace qct {

const char kTargetMac[] = "02:53:56:00:00:0A";

// The target as a search answer leaves it.
inline NASINFO target(const char *mac = kTargetMac, uint32_t build = 2000)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    strncpy(n.szServerName, "OldName", sizeof(n.szServerName) - 1);
    n.ulBuild = build;
    n.ulConfigured = FHOSTQC_UNINSTALL;
    n.ulIP = inet_addr("198.18.0.9");
    return n;
}

// An answer of the target.
inline NASINFO answer(uint32_t type, uint32_t configured, uint32_t error,
                      const char *mac = kTargetMac, uint32_t build = 2000,
                      const char *ip = "198.18.0.77", const char *name = "NewName",
                      const char *srcNicMac = "")
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = type;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    strncpy(n.szServerName, name, sizeof(n.szServerName) - 1);
    strncpy(n.szSrcNICMac, srcNicMac, sizeof(n.szSrcNICMac) - 1);
    n.ulConfigured = configured;
    n.ulErrCode = error;
    n.ulBuild = build;
    n.ulIP = inet_addr(ip);
    return n;
}

inline CNasConfig config(const QString &password = QStringLiteral("Secr3t-pw"))
{
    return CNasConfig(false, false, QStringLiteral("/tmp/M_1200.pat"), QStringLiteral("198.18.0.77"),
                      QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.254"), QString(),
                      password, QStringLiteral("NewName"), 23,
                      QStringLiteral("2014/02/03 09:05:07"));
}

// Emits the record from a thread of its own, as the discovery thread does: a receiver in this
// thread gets it queued. The call returns once the signal is posted, not yet delivered.
inline void post(CFindHostUDP &udp, const NASINFO &record)
{
    std::thread emitter([&udp, record]() { emit udp.signalRecvPkt(record); });
    emitter.join();
}

// Delivers what post() queued.
inline void deliver()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

inline void postAndDeliver(CFindHostUDP &udp, const NASINFO &record)
{
    post(udp, record);
    deliver();
}

// Runs the event loop until the condition holds or the time is up.
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

inline void spin(int ms)
{
    waitFor([] { return false; }, ms);
}

// Every debug line written while an instance exists.
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
    int count(const QString &part) const
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
    static DebugCapture *s_instance;
    QtMessageHandler m_previous;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

DebugCapture *DebugCapture::s_instance = nullptr;

// Counts the job's progress ticks (the job has one live timer, its child) and notes the state
// and elapsed time the job shows after each tick.
struct TickLog {
    struct Tick {
        int state;
        unsigned long elapsed;
    };
    QList<Tick> ticks;
    QMetaObject::Connection connection;

    void attach(CQuickConf &job)
    {
        QObject::disconnect(connection);
        QTimer *live = nullptr;
        for (QTimer *t : job.findChildren<QTimer *>())
            if (t->isActive())
                live = t;
        if (live)
            connection = QObject::connect(live, &QTimer::timeout, [this, &job]() {
                ticks << Tick{job.getState(), job.getElapsed()};
            });
    }
};

} // namespace qct

#endif // QUICKCONFTEST_H
