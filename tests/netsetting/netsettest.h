// Shared pieces of the network-setting tests: records and answers, and a log of the job's
// signals in their order. Waits, delivery from another thread and the debug-line capture come
// from TestSupport.h.
#ifndef NETSETTEST_H
#define NETSETTEST_H

#include <QList>

#include <cstring>

#include "CFindHostUDP.h"
#include "CNetSetting.h"
#include "TestSupport.h"

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

} // namespace nst

#endif // NETSETTEST_H
