// Scripted answers to the file-system-check skip: a type-1 packet that names a target (0x19) and
// sets services 8 and 9 in both bitmaps (word 0 of 0xb0 and of 0xb8).
//
// A unit takes part when its scenario object holds a "fsckskip" object; a skip request for any
// other unit, or one without both bits in both bitmaps, is left to the generic command answers
// (disc_commands.cpp). Only the named unit answers. Every received copy is captured as
// {"svc":"fsckskip","event":"command",...}: source, source port, arrival interface, the
// identifiers in order, the target, the bitmaps (0xb0, 0xb1, 0xb8, 0xb9 as "0x..." texts), every
// 0x7c, the unit's state when it arrived and "result" (answered, silent or repeat). A copy
// byte-identical to the unit's previous request that arrives within 300 ms is the same sending's
// second copy and is not answered again.
//
// The unit's "fsckskip" object (all keys optional):
//   "reply"     false: the unit never answers (default true)
//   "delayMs"   wait before the answer, in program milliseconds (default 0)
//   "state"     the state a unit in state 6 (checking its file system) moves on to when it
//               answers (default 7, starting services); other states are left as they are
//   "macCase"   "upper" or "lower": the answer's 0x19 in that letter case (default: as the
//               scenario spells it)
// The answer is a type-2 answer: 0x01, 0xa4, the unit's fields (with its new state), the
// request's first 0x7c and 0x1e (the request's source address); it is captured as
// {"svc":"fsckskip","event":"answer","unit","mac","state"}.
//
// Waits are divided by the simulated server's one wait divisor (CWaitScale), which the
// "fsckskip" service (not started by default) sets: "services": {"fsckskip": {"enabled": true,
// "divisor": 100}}, or "fsckskip divisor N". Its "stats" counters: divisor, requests, answers.
#include "discovery.h"

#include "CWaitScale.h"

#include <QDateTime>
#include <QTimer>

#include <cctype>
#include <map>

namespace sim {
namespace {

constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdTargetMac = 0x19;
constexpr uint8_t kIdRemoteIp = 0x1e;
constexpr uint8_t kIdSrcNicMac = 0x7c;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint8_t kIdSupport1 = 0xb0;
constexpr uint8_t kIdSupport2 = 0xb1;
constexpr uint8_t kIdMask1 = 0xb8;
constexpr uint8_t kIdMask2 = 0xb9;
constexpr uint32_t kTypeSearch = 1;
constexpr uint32_t kTypeAnswer = 2;
constexpr uint32_t kDefaultVersion = 0x01020000;
constexpr uint32_t kStateChecking = 6;
constexpr uint32_t kStateStarting = 7;
constexpr uint64_t kSkipBits = (uint64_t(1) << 8) | (uint64_t(1) << 9);
constexpr qint64 kRepeatWindowMs = 300;

struct Counters {
    unsigned requests = 0;
    unsigned answers = 0;
};

Counters &counters()
{
    static Counters c;
    return c;
}

struct LastRequest {
    std::string raw;
    qint64 at = 0;
};

std::map<std::string, LastRequest> &lastRequests()
{
    static std::map<std::string, LastRequest> r;
    return r;
}

// A 64-bit little-endian item; 0 when absent or of another width.
uint64_t u64Of(const Datagram &d, uint8_t id)
{
    const Item *item = d.find(id);
    if (!item || item->value.size() != 8)
        return 0;
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | uint8_t(item->value[size_t(i)]);
    return v;
}

std::string hex64(uint64_t v)
{
    char text[24];
    snprintf(text, sizeof(text), "0x%016llx", static_cast<unsigned long long>(v));
    return text;
}

std::string inCase(std::string text, const std::string &mode)
{
    for (char &c : text) {
        if (mode == "upper")
            c = char(toupper(uint8_t(c)));
        else if (mode == "lower")
            c = char(tolower(uint8_t(c)));
    }
    return text;
}

bool answerFsckSkip(Server &server, const Datagram &d, Replier &replier)
{
    if (!d.headerOk || d.type() != int(kTypeSearch))
        return false;
    const Item *target = d.find(kIdTargetMac);
    if (!target)
        return false; // a search
    Unit *unit = server.findUnit(QString::fromStdString(target->value));
    if (!unit || !unit->json["fsckskip"].isObject())
        return false;
    const uint64_t support1 = u64Of(d, kIdSupport1), mask1 = u64Of(d, kIdMask1);
    if ((support1 & kSkipBits) != kSkipBits || (mask1 & kSkipBits) != kSkipBits)
        return false;
    const Json::Value script = unit->json["fsckskip"];
    const std::string mac = unit->mac();
    ++counters().requests;

    Json::Value line;
    line["svc"] = "fsckskip";
    line["event"] = "command";
    line["unit"] = mac;
    line["target"] = target->value;
    line["src"] = Server::addrText(d.src);
    line["sport"] = d.sport;
    line["iface"] = d.iface;
    line["ids"] = Json::Value(Json::arrayValue);
    for (const Item &item : d.items)
        line["ids"].append(item.id);
    line["serviceSupport"].append(hex64(support1));
    line["serviceSupport"].append(hex64(u64Of(d, kIdSupport2)));
    line["serviceMask"].append(hex64(mask1));
    line["serviceMask"].append(hex64(u64Of(d, kIdMask2)));
    line["srcNicMacs"] = Json::Value(Json::arrayValue);
    for (const Item *nic : d.findAll(kIdSrcNicMac))
        line["srcNicMacs"].append(nic->value);
    line["stateBefore"] = unit->json.get("state", 0).asUInt();

    LastRequest &last = lastRequests()[mac];
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const bool repeat = last.raw == d.raw && now - last.at < kRepeatWindowMs;
    last.raw = d.raw;
    last.at = now;
    const bool reply = script.get("reply", true).asBool();
    line["result"] = repeat ? "repeat" : reply ? "answered" : "silent";
    server.capture(line);
    if (repeat || !reply)
        return true;

    Server *s = &server;
    Replier *r = &replier;
    const Datagram request = d;
    QTimer::singleShot(std::max(0, CWaitScale::ms(script.get("delayMs", 0).asInt())), &server,
                       [s, r, request, mac]() {
                           Unit *u = s->findUnit(QString::fromStdString(mac));
                           if (!u || !u->json["fsckskip"].isObject())
                               return;
                           const Json::Value &sc = u->json["fsckskip"];
                           if (u->json.get("state", 0).asUInt() == kStateChecking)
                               u->json["state"] = sc.get("state", kStateStarting).asUInt();
                           Unit answering = *u;
                           answering.json["mac"] = inCase(mac, sc.get("macCase", "").asString());
                           const Item *nic = request.find(kIdSrcNicMac);
                           PacketBuilder b;
                           b.u32(kIdType, kTypeAnswer)
                               .u32(kIdVersion, u->json.get("findHostVersion", kDefaultVersion).asUInt())
                               .unitFields(answering)
                               .raw(kIdSrcNicMac, nic ? nic->value : std::string())
                               .ip(kIdRemoteIp, request.src);
                           Json::Value line;
                           line["svc"] = "fsckskip";
                           line["event"] = "answer";
                           line["unit"] = mac;
                           line["mac"] = answering.mac();
                           line["state"] = u->json.get("state", 0).asUInt();
                           s->capture(line);
                           ++counters().answers;
                           r->reply(request, b.bytes());
                       });
    return true;
}

SIM_REGISTER_DATAGRAM_HANDLER("fsckskip", 140, answerFsckSkip);

class FsckSkipService : public DivisorService
{
public:
    FsckSkipService() : DivisorService("fsckskip") {}

protected:
    void addCounters(Json::Value &stats) const override
    {
        stats["requests"] = counters().requests;
        stats["answers"] = counters().answers;
    }
};

SIM_REGISTER_SERVICE("fsckskip", FsckSkipService, false);

} // namespace
} // namespace sim
