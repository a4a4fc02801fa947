// Scripted answers to the memory-test command (type 12).
//
// A unit takes part when its scenario object holds a "memtest" object; memory-test commands for
// other units are left to the generic command answers (disc_commands.cpp). The command is walked
// with the simulated server's own item loop, never with the program's packet reader, and every
// received copy is captured as one line {"svc":"memtest","event":"command",...}: the source,
// source port and arrival interface, the identifiers in order, the target MAC (0x19), the
// password (0x2a and its 0x72 continuations, unscrambled), the account (0x4a), every 0x7c, and
// what the unit did with it ("result": refused, accepted, silent, repeat or busy).
//
// The command goes out once per interface and once more unbound: a copy byte-identical to the
// unit's previous command that arrives within 300 ms is the same sending's second copy, captured
// with "repeat": true and not answered. A unit that is rebooting into its test ("busy") answers
// no further command.
//
// The unit's "memtest" object scripts the answers (all keys optional):
//   "password"    the password the command must carry (default: the unit's "password" key;
//                 neither: any password); a wrong one is answered with a type-2 answer carrying
//                 error 1 (0x1f) and nothing else happens
//   "reply"       false: the unit never answers (default true)
//   "error"       0x1f of the answer to a right password (default 0); only 0 starts the reboot
//   "delayMs"     wait before the type-2 answer (default 0)
//   "silentMs"    the reboot: the unit answers no search for this long after its answer
//                 (default 3000), then sends its type-6 answers
//   "states"      0xa7 of the type-6 answers in order (default [5, 9]); [] sends none
//   "intervalMs"  wait between type-6 answers (default 1000)
//   "progress"    0x79 (ulProgress) of the type-6 answers (default 0)
// Each answer carries 0x01, 0xa4, the unit's fields (see the scenario keys), 0x1f, the command's
// first 0x7c and 0x1e (the command's source address). The type-6 answers change the unit's
// "state" and "progress", so later search answers carry them. Every answer sent is captured as
// {"svc":"memtest","event":"answer","unit","type","state","error","progress"}.
//
// Waits are program milliseconds divided by the wait divisor, by the same rule as the program's
// CWaitScale (one divisor for all scripted answers of the simulated server). The "memtest"
// service (not started by default) sets it: "services": {"memtest": {"enabled": true,
// "divisor": 100}}, or the control command "memtest divisor N". Its "stats" counters: divisor,
// commands, answers, reboots.
#include "discovery.h"

#include "CWaitScale.h"

#include <QDateTime>
#include <QTimer>

#include <map>

namespace sim {
namespace {

constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdTargetMac = 0x19;
constexpr uint8_t kIdRemoteIp = 0x1e;
constexpr uint8_t kIdError = 0x1f;
constexpr uint8_t kIdAccount = 0x4a;
constexpr uint8_t kIdSrcNicMac = 0x7c;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint32_t kTypeMemTest = 12;
constexpr uint32_t kTypeAnswer = 2;
constexpr uint32_t kTypeServerAnswer = 6;
constexpr uint32_t kDefaultVersion = 0x01020000;
constexpr uint32_t kErrorPassword = 1;
constexpr uint32_t kStateBooting = 5;
constexpr qint64 kRepeatWindowMs = 300;

struct Counters {
    unsigned commands = 0;
    unsigned answers = 0;
    unsigned reboots = 0;
};

Counters &counters()
{
    static Counters c;
    return c;
}

// Per unit (by MAC text as the scenario spells it): the last command and the reboot under way.
struct UnitRun {
    std::string lastRaw;
    qint64 lastAt = 0;
    bool busy = false;
};

std::map<std::string, UnitRun> &runs()
{
    static std::map<std::string, UnitRun> r;
    return r;
}

std::string firstNic(const Datagram &d)
{
    const Item *nic = d.find(kIdSrcNicMac);
    return nic ? nic->value : std::string();
}

// One answer of the unit as it stands now.
std::string buildAnswer(const Unit &unit, uint32_t type, uint32_t error, const std::string &nic,
                        uint32_t querier)
{
    PacketBuilder b;
    b.u32(kIdType, type)
        .u32(kIdVersion, unit.json.get("findHostVersion", kDefaultVersion).asUInt())
        .unitFields(unit)
        .u32(kIdError, error)
        .raw(kIdSrcNicMac, nic)
        .ip(kIdRemoteIp, querier);
    return b.bytes();
}

void captureAnswer(Server &server, const Unit &unit, uint32_t type, uint32_t error)
{
    Json::Value line;
    line["svc"] = "memtest";
    line["event"] = "answer";
    line["unit"] = unit.mac();
    line["type"] = type;
    line["state"] = unit.json.get("state", 0).asUInt();
    line["error"] = error;
    line["progress"] = unit.json.get("progress", 0).asUInt();
    server.capture(line);
    ++counters().answers;
}

// The reboot into the test: silence, then the type-6 answers one after another.
void sendProgress(Server *server, Replier *replier, const Datagram request, std::string mac,
                  unsigned index)
{
    Unit *unit = server->findUnit(QString::fromStdString(mac));
    if (!unit || !unit->json["memtest"].isObject()) {
        runs()[mac].busy = false;
        return;
    }
    const Json::Value script = unit->json["memtest"];
    Json::Value states = script.get("states", Json::Value(Json::arrayValue));
    if (!script.isMember("states")) {
        states.append(kStateBooting);
        states.append(9);
    }
    if (index >= states.size()) {
        runs()[mac].busy = false;
        return;
    }
    unit->json["state"] = states[index].asUInt();
    unit->json["progress"] = script.get("progress", 0).asUInt();
    captureAnswer(*server, *unit, kTypeServerAnswer, 0);
    replier->reply(request, buildAnswer(*unit, kTypeServerAnswer, 0, firstNic(request), request.src));
    if (index + 1 >= states.size()) {
        runs()[mac].busy = false;
        return;
    }
    QTimer::singleShot(std::max(0, CWaitScale::ms(script.get("intervalMs", 1000).asInt())), server,
                       [server, replier, request, mac, index]() {
                           sendProgress(server, replier, request, mac, index + 1);
                       });
}

void startReboot(Server *server, Replier *replier, const Datagram &request, const std::string &mac)
{
    Unit *unit = server->findUnit(QString::fromStdString(mac));
    if (!unit) {
        runs()[mac].busy = false;
        return;
    }
    ++counters().reboots;
    const bool wasSilent = unit->json.get("silent", false).asBool();
    unit->json["silent"] = true;
    unit->json["state"] = kStateBooting;
    const int silentMs = unit->json["memtest"].get("silentMs", 3000).asInt();
    QTimer::singleShot(std::max(0, CWaitScale::ms(silentMs)), server,
                       [server, replier, request, mac, wasSilent]() {
                           if (Unit *u = server->findUnit(QString::fromStdString(mac)))
                               u->json["silent"] = wasSilent;
                           sendProgress(server, replier, request, mac, 0);
                       });
}

bool answerMemTest(Server &server, const Datagram &d, Replier &replier)
{
    if (!d.headerOk || d.type() != int(kTypeMemTest))
        return false;
    const Item *target = d.find(kIdTargetMac);
    if (!target)
        return false;
    Unit *unit = server.findUnit(QString::fromStdString(target->value));
    if (!unit || !unit->json["memtest"].isObject())
        return false; // the generic command answers take it
    const Json::Value script = unit->json["memtest"];
    const std::string mac = unit->mac();
    ++counters().commands;

    Json::Value line;
    line["svc"] = "memtest";
    line["event"] = "command";
    line["unit"] = mac;
    line["target"] = target->value;
    line["src"] = Server::addrText(d.src);
    line["sport"] = d.sport;
    line["iface"] = d.iface;
    line["ids"] = Json::Value(Json::arrayValue);
    for (const Item &item : d.items)
        line["ids"].append(item.id);
    bool present = false;
    line["password"] = commandPassword(d, &present);
    line["passwordPresent"] = present;
    const Item *account = d.find(kIdAccount);
    line["account"] = account ? account->value : std::string();
    line["accountPresent"] = account != nullptr;
    line["srcNicMacs"] = Json::Value(Json::arrayValue);
    for (const Item *nic : d.findAll(kIdSrcNicMac))
        line["srcNicMacs"].append(nic->value);

    UnitRun &run = runs()[mac];
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const bool repeat = run.lastRaw == d.raw && now - run.lastAt < kRepeatWindowMs;
    run.lastRaw = d.raw;
    run.lastAt = now;
    line["repeat"] = repeat;

    std::string result;
    uint32_t error = 0;
    if (repeat) {
        result = "repeat";
    } else if (run.busy) {
        result = "busy";
    } else if (!script.get("reply", true).asBool()) {
        result = "silent";
    } else {
        const Json::Value &expected = script.isMember("password") ? script["password"]
                                                                  : unit->json["password"];
        const bool passwordOk = expected.isNull() || (present && line["password"] == expected);
        line["passwordOk"] = passwordOk;
        error = passwordOk ? script.get("error", 0).asUInt() : kErrorPassword;
        result = passwordOk ? "accepted" : "refused";
    }
    line["result"] = result;
    line["error"] = error;
    server.capture(line);
    if (result != "accepted" && result != "refused")
        return true;

    const bool reboot = result == "accepted" && error == 0;
    if (reboot)
        run.busy = true;
    Server *s = &server;
    Replier *r = &replier;
    const Datagram request = d;
    QTimer::singleShot(std::max(0, CWaitScale::ms(script.get("delayMs", 0).asInt())), &server,
                       [s, r, request, mac, error, reboot]() {
                           Unit *u = s->findUnit(QString::fromStdString(mac));
                           if (!u) {
                               runs()[mac].busy = false;
                               return;
                           }
                           captureAnswer(*s, *u, kTypeAnswer, error);
                           r->reply(request, buildAnswer(*u, kTypeAnswer, error, firstNic(request),
                                                         request.src));
                           if (reboot)
                               startReboot(s, r, request, mac);
                       });
    return true;
}

SIM_REGISTER_DATAGRAM_HANDLER("memtest", 130, answerMemTest);

// Control of the scripted answers: the wait divisor and counters.
class MemTestService : public DivisorService
{
public:
    MemTestService() : DivisorService("memtest") {}

protected:
    void addCounters(Json::Value &stats) const override
    {
        stats["commands"] = counters().commands;
        stats["answers"] = counters().answers;
        stats["reboots"] = counters().reboots;
    }
};

SIM_REGISTER_SERVICE("memtest", MemTestService, false);

} // namespace
} // namespace sim
