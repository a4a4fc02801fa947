// Shared pieces of the quick-configuration job tests: records, answers delivered from another
// thread (so that they arrive queued, as from the discovery thread) and a log of the job's
// ticks. Waits, delivery and the debug-line capture come from TestSupport.h.
#ifndef QUICKCONFTEST_H
#define QUICKCONFTEST_H

#include <QSettings>
#include <QTimer>

#include <cstring>

#include <arpa/inet.h>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CQuickConf.h"
#include "TestSupport.h"

namespace qct {

const char kTargetMac[] = "02:53:56:00:00:0A";

// The hang guard of a wait for the end of a job's count: all of it at full length and a little
// more, so that a job whose ticks ignore the divisor ends inside it and fails the time's check.
constexpr int kCountGuardMs = int(CQuickConf::DEFAULT_TIMEOUT_MS) + 5000;

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

// Emits the record from another thread and delivers it at once.
inline void postAndDeliver(CFindHostUDP &udp, const NASINFO &record)
{
    tsup::post(udp, record);
    tsup::deliver();
}

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
