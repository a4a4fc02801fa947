#include "RebootPacket.h"

#include "NasinfoText.h"
#include "VorkDebug.h"

void takeRebootPacket(const char *source, const NASINFO &nasInfo, const char (&targetMac)[32],
                      std::atomic<int> &state, int finished, int other)
{
    VORK_DEBUG_INT(source, "nasinfo.ulPacketType", nasInfo.ulPacketType);
    VORK_DEBUG_INT(source, "nasinfo.ulErrCode", nasInfo.ulErrCode);
    VORK_DEBUG_INT(source, "nasinfo.ulConfigured", nasInfo.ulConfigured);
    VORK_DEBUG_INT(source, "nasinfo.ulFindHostVersion", nasInfo.ulFindHostVersion);
    if (nasInfo.ulPacketType != FHOST_PKT_BRESPONSE && nasInfo.ulPacketType != FHOST_PKT_JRESPONSE)
        return;
    VORK_DEBUG_STR(source, "m_szMac", nasinfoText(targetMac));
    VORK_DEBUG_STR(source, "nasinfo.szMac", nasinfoText(nasInfo.szMac));
    if (nasinfoBytes(nasInfo.szMac) != nasinfoBytes(targetMac))
        return;
    if (nasInfo.ulPacketType == FHOST_PKT_BRESPONSE) {
        state.store(finished);
        return;
    }
    // A type-6 answer that comes in behind the announcement does not undo it.
    int expected = state.load();
    while (expected != finished && !state.compare_exchange_weak(expected, other)) {
    }
}
