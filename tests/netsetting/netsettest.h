// Shared pieces of the network-setting tests: records, answers delivered from another thread
// (so that they arrive queued, as from the discovery thread), a log of the job's signals in
// their order, a capture of debug lines and bounded waits.
#ifndef NETSETTEST_H
#define NETSETTEST_H

#include <QApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <cstring>
#include <functional>
#include <thread>

#include "CFindHostUDP.h"
#include "CNetSetting.h"

namespace nst {

// a.b.c.d in network byte order, as the records keep addresses.
inline uint32_t netAddr(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    const uint8_t bytes[4] = {a, b, c, d};
    uint32_t out;
    memcpy(&out, bytes, 4);
    return out;
}

// An installed server as a search answer leaves it.
inline NASINFO record(const char *mac, const char *name, uint32_t build = 3000)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    n.ulFindHostVersion = 0x01020000;
    qstrncpy(n.szMac, mac, sizeof(n.szMac));
    qstrncpy(n.szServerName, name, sizeof(n.szServerName));
    n.ulBuild = build;
    n.ulConfigured = FHOSTQC_DONE;
    return n;
}

// An answer of the given type, protocol version and error from `mac`.
inline NASINFO answer(const char *mac, uint32_t type = FHOST_PKT_BRESPONSE,
                      uint32_t version = 0x01020000, uint32_t error = 0)
{
    NASINFO n = record(mac, "Answer");
    n.ulPacketType = type;
    n.ulFindHostVersion = version;
    n.ulErrCode = error;
    return n;
}

// Emits the record from a thread of its own, as the discovery thread does: a receiver in this
// thread gets it queued. Returns once the call is posted, not yet delivered.
inline void post(CFindHostUDP &udp, const NASINFO &n)
{
    std::thread emitter([&udp, n]() { emit udp.signalRecvPkt(n); });
    emitter.join();
}

// Delivers what post() queued.
inline void deliver()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
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

// The job's two signals in the order they came: 'u' (progress, value) and 'f' (finished,
// status, error).
struct SignalLog {
    struct Event {
        char kind;
        int value;
        int status;
        unsigned long error;
    };
    QList<Event> events;

    void attach(CNetSetting &job)
    {
        QObject::connect(&job, &CNetSetting::signalUpdateProgress,
                         [this](int v) { events << Event{'u', v, -1, 0}; });
        QObject::connect(&job, &CNetSetting::signalNetSettingFinished,
                         [this](CNetSetting::NETSETTING_STATUS s, ulong e) {
                             events << Event{'f', 0, int(s), e};
                         });
    }
    int count(char kind) const
    {
        int n = 0;
        for (const Event &e : events)
            n += e.kind == kind ? 1 : 0;
        return n;
    }
    // Index of the first finish signal, or -1.
    int finishIndex() const
    {
        for (int i = 0; i < events.size(); ++i)
            if (events[i].kind == 'f')
                return i;
        return -1;
    }
};

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
    int count(const QString &line) const
    {
        int n = 0;
        for (const QString &l : lines())
            n += l == line ? 1 : 0;
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

} // namespace nst

#endif // NETSETTEST_H
