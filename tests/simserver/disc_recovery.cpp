// Scripted answers to the system-recovery broadcast (type 15).
//
// Units take part when their scenario object holds a "recovery" object. While at least one unit
// does, every type-15 datagram is taken here (not by the generic command answers): each taking
// unit in state 11 (recoverable) answers it, after "delayMs", with a datagram of its own making:
// 0x01 = 16, 0xa4 = 0x01020000, then the unit's fields (its MAC 0x19 first). The unit's
// "recovery" object (all keys optional):
//   "answer"   "ok" (default); "wrongType" (0x01 = 2); "noBit24" (0xa4 = 0x00020000); "otherMac"
//              (0x19 = "otherMac" key, default 02:00:00:00:ba:ad); "silence" (no answer)
//   "delayMs"  wait before the answer, in program milliseconds (default 0), divided by the
//              simulated server's wait divisor (CWaitScale: the install and quick-configuration
//              services' "divisor", or "recovery divisor N")
// A unit that is not in state 11 stays silent. Each received datagram is captured as
// {"svc":"recovery","unit":MAC,"state":S,"answer":A,"sent":B} once per taking unit (B false for
// a silent one).
//
// The "recovery" service (not started by default) holds the counters (commands, answers) and the
// control command "recovery divisor N".
#include "discovery.h"

#include "CWaitScale.h"

#include <QTimer>

namespace sim {
namespace {

constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint32_t kTypeRecovery = 15;
constexpr uint32_t kTypeRecoveryAnswer = 16;
constexpr uint32_t kTypeSearchAnswer = 2;
constexpr uint32_t kRecoverable = 11;
constexpr uint32_t kVersion = 0x01020000;
constexpr uint32_t kVersionWithoutBit24 = 0x00020000;
const char kOtherMac[] = "02:00:00:00:ba:ad";

struct Counters {
    unsigned commands = 0;
    unsigned answers = 0;
};

Counters &counters()
{
    static Counters c;
    return c;
}

bool answerRecovery(Server &server, const Datagram &d, Replier &replier)
{
    if (!d.headerOk || d.type() != int(kTypeRecovery))
        return false;
    bool taken = false;
    for (const Unit &unit : server.units()) {
        const Json::Value script = unit.json["recovery"];
        if (!script.isObject())
            continue;
        taken = true;
        const uint32_t state = unit.json.get("state", 0).asUInt();
        const std::string answer = script.get("answer", "ok").asString();
        const bool sends = state == kRecoverable && answer != "silence";

        Json::Value line;
        line["svc"] = "recovery";
        line["unit"] = unit.mac();
        line["state"] = state;
        line["answer"] = answer;
        line["sent"] = sends;
        line["iface"] = d.iface;
        server.capture(line);
        if (!sends)
            continue;

        Unit shown = unit;
        if (answer == "otherMac")
            shown.json["mac"] = script.get("otherMac", kOtherMac).asString();
        PacketBuilder b;
        b.u32(kIdType, answer == "wrongType" ? kTypeSearchAnswer : kTypeRecoveryAnswer);
        b.u32(kIdVersion, answer == "noBit24" ? kVersionWithoutBit24 : kVersion);
        b.unitFields(shown);
        const std::string packet = b.bytes();
        const Datagram request = d;
        Replier *r = &replier;
        QTimer::singleShot(std::max(0, CWaitScale::ms(script.get("delayMs", 0).asInt())), &server,
                           [r, request, packet]() {
                               ++counters().answers;
                               r->reply(request, packet);
                           });
    }
    if (taken)
        ++counters().commands;
    return taken; // no unit with a script: the generic command answers take it
}

SIM_REGISTER_DATAGRAM_HANDLER("recovery", 145, answerRecovery);

class RecoveryService : public DivisorService
{
public:
    RecoveryService() : DivisorService("recovery") {}

protected:
    void addCounters(Json::Value &stats) const override
    {
        stats["commands"] = counters().commands;
        stats["answers"] = counters().answers;
    }
};

SIM_REGISTER_SERVICE("recovery", RecoveryService, false);

} // namespace
} // namespace sim
