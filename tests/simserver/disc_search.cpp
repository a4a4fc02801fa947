// Search answers: a search (type 1 without a target MAC 0x19) gets one type-2 answer per unit.
#include "discovery.h"

namespace sim {
namespace {

constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdTargetMac = 0x19;
constexpr uint8_t kIdRemoteIp = 0x1e;
constexpr uint8_t kIdSrcNicMac = 0x7c;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint32_t kTypeSearch = 1;
constexpr uint32_t kTypeSearchAnswer = 2;
constexpr uint32_t kDefaultVersion = 0x01020000;

bool answerSearch(Server &server, const Datagram &d, Replier &replier)
{
    if (!d.headerOk || d.type() != int(kTypeSearch) || d.find(kIdTargetMac))
        return false;
    // Every copy of a search carries the sending interface's MAC, once per interface so far;
    // the answer names it back.
    const Item *nic = d.find(kIdSrcNicMac);
    for (const Unit &unit : server.units()) {
        if (unit.json.get("silent", false).asBool())
            continue;
        PacketBuilder b;
        b.u32(kIdType, kTypeSearchAnswer);
        b.u32(kIdVersion, unit.json.get("findHostVersion", kDefaultVersion).asUInt());
        b.unitFields(unit);
        if (nic)
            b.raw(kIdSrcNicMac, nic->value);
        b.ip(kIdRemoteIp, d.src);
        replier.reply(d, b.bytes());
    }
    return true;
}

SIM_REGISTER_DATAGRAM_HANDLER("searches", 100, answerSearch);

} // namespace
} // namespace sim
