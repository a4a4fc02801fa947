// Scripted answers to the quick-configuration command (type 4).
//
// A unit takes part when its scenario object holds a "quickconf" object; type-4 commands for
// other units are left to the generic command answers (disc_commands.cpp). The command is walked
// with the simulated server's own item loop, never with the program's packet reader, and every
// received copy is captured as one line {"svc":"quickconf",...} holding what the command asked
// for: the password (0x2a and its 0x72 continuations, unscrambled), 0x20, 0x21, 0x22-0x25 (as
// sent, network order), 0x31, 0x32, 0x37, 0x39, 0x40, 0x42, the service bitmaps 0xb0/0xb1 and
// 0xb8/0xb9, and every 0x7c.
//
// The unit's "quickconf" object scripts the answers (all keys optional):
//   "answerType"  packet type of the answers: 2 (default), 3 or 6; 0 sends no answer at all
//   "states"      ulConfigured (0xa7) of each answer in order, e.g. [5, 1] (default [1])
//   "errors"      ulErrCode (0x1f) of each answer in order (default [0]); the shorter of the two
//                 lists repeats its last value, the longer one sets the number of answers
//   "delayMs"     wait before the first answer, in program milliseconds (default 0)
//   "intervalMs"  wait between answers, in program milliseconds (default 500)
//   "build"       ulBuild (0x49) of the answers (default: the unit's "build", else 0)
//   "srcNicMac"   0x7c of the answers: "echo" (default: the command's first 0x7c), "foreign"
//                 (02:00:00:00:ba:ad, no interface of the bed has it), "empty", or any MAC text
//   "pool"        addresses handed out for a DHCP configuration (default: host 100 + the unit's
//                 index in the querier's /24)
//   "addAddress"  false: do not add the new address to the arrival interface (default true)
// Waits are divided by the wait divisor, by the same rule as the program's CWaitScale. The
// divisor is set by the "quickconf" service (not started by default): the scenario's
// "services": {"quickconf": {"enabled": true, "divisor": 100}}, or its control command
// "quickconf divisor N". Its "stats" counters: commands, answers, addressesAdded, addressErrors.
//
// Each answer carries 0x01, 0xa4, 0x19 (the unit's MAC text as its search answers give it),
// 0x11 (the new name), 0x12 (the new address, network order), 0xa7, 0x1f, 0x49, 0x7c and 0x1e
// (the querier's address); a type-3 answer also 0x29 (the MAC), 0x21 (the name) and 0x20, the
// items a network-setting result is read by. The new address is the one the command sent, or for DHCP one from
// the pool; an answer whose last error is 0 also takes the name and address into the unit, and
// the address (only inside 198.18.0.0/15) is added to the interface the command arrived on, so
// that later connections reach it.
#include "discovery.h"

#include "CWaitScale.h"

#include <QProcess>
#include <QTimer>

#include <arpa/inet.h>
#include <cstring>

namespace sim {
namespace {

constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdName = 0x11;
constexpr uint8_t kIdNewIp = 0x12;
constexpr uint8_t kIdTargetMac = 0x19;
constexpr uint8_t kIdRemoteIp = 0x1e;
constexpr uint8_t kIdError = 0x1f;
constexpr uint8_t kIdDhcp = 0x20;
constexpr uint8_t kIdCmdName = 0x21;
constexpr uint8_t kIdIp = 0x22;
constexpr uint8_t kIdMask = 0x23;
constexpr uint8_t kIdGateway = 0x24;
constexpr uint8_t kIdDns = 0x25;
constexpr uint8_t kIdNetSetMac = 0x29;
constexpr uint8_t kIdDateTime = 0x31;
constexpr uint8_t kIdTimezone = 0x32;
constexpr uint8_t kIdLanguage = 0x37;
constexpr uint8_t kIdSecondLanguage = 0x39;
constexpr uint8_t kIdCodepage = 0x40;
constexpr uint8_t kIdLanguageNumber = 0x42;
constexpr uint8_t kIdBuild = 0x49;
constexpr uint8_t kIdSrcNicMac = 0x7c;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint8_t kIdState = 0xa7;
constexpr uint8_t kIdSupport1 = 0xb0;
constexpr uint8_t kIdSupport2 = 0xb1;
constexpr uint8_t kIdMask1 = 0xb8;
constexpr uint8_t kIdMask2 = 0xb9;
constexpr uint32_t kTypeNetSet = 3;
constexpr uint32_t kTypeQuickConf = 4;
constexpr uint32_t kDefaultVersion = 0x01020000;
constexpr uint64_t kServiceQbvBit = uint64_t(1) << 7;
const char kForeignMac[] = "02:00:00:00:ba:ad";

struct Counters {
    unsigned commands = 0;
    unsigned answers = 0;
    unsigned addressesAdded = 0;
    unsigned addressErrors = 0;
};

Counters &counters()
{
    static Counters c;
    return c;
}

std::string hexOf(const std::string &bytes)
{
    return toHex(bytes);
}

// An address item's 4 bytes as dotted text; "" when the item is absent or of another width.
std::string addressOf(const Datagram &d, uint8_t id)
{
    const Item *item = d.find(id);
    if (!item || item->value.size() != 4)
        return std::string();
    uint32_t a;
    memcpy(&a, item->value.data(), 4);
    return Server::addrText(a);
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

bool inTestRange(uint32_t addrNetOrder)
{
    // 198.18.0.0/15: the only addresses the namespace bed uses.
    return (ntohl(addrNetOrder) & 0xfffe0000u) == 0xc6120000u;
}

uint32_t listValue(const Json::Value &list, unsigned i, uint32_t fallback)
{
    if (!list.isArray() || list.empty())
        return fallback;
    return list[std::min(i, list.size() - 1)].asUInt();
}

int unitIndex(Server &server, const Unit &unit)
{
    int i = 0;
    for (const Unit &u : server.units()) {
        if (&u == &unit)
            return i;
        ++i;
    }
    return 0;
}

// The address the unit takes: the one sent, or for DHCP one from the pool.
uint32_t newAddress(Server &server, const Unit &unit, const Datagram &d, bool dhcp)
{
    struct in_addr a;
    if (!dhcp) {
        const Item *ip = d.find(kIdIp);
        uint32_t sent = 0;
        if (ip && ip->value.size() == 4)
            memcpy(&sent, ip->value.data(), 4);
        return sent;
    }
    const Json::Value &pool = unit.json["quickconf"]["pool"];
    const unsigned index = unsigned(unitIndex(server, unit));
    if (pool.isArray() && !pool.empty()) {
        if (inet_pton(AF_INET, pool[std::min(index, pool.size() - 1)].asCString(), &a) == 1)
            return a.s_addr;
        return 0;
    }
    return htonl((ntohl(d.src) & 0xffffff00u) | ((100 + index) & 0xff));
}

// Adds the address to the interface (bounded); true when it is there afterwards.
bool addAddress(uint32_t addr, const std::string &iface)
{
    if (Server::isOwnAddress(addr))
        return true;
    if (!inTestRange(addr) || iface.empty())
        return false;
    QProcess ip;
    ip.start(QStringLiteral("ip"),
             {QStringLiteral("addr"), QStringLiteral("add"),
              QString::fromStdString(Server::addrText(addr)) + QStringLiteral("/24"),
              QStringLiteral("dev"), QString::fromStdString(iface)});
    // A hang guard: "ip" takes far less even on a busy machine.
    if (!ip.waitForFinished(180000)) {
        ip.kill();
        ip.waitForFinished(1000);
        return false;
    }
    return ip.exitStatus() == QProcess::NormalExit && ip.exitCode() == 0;
}

std::string answerSourceMac(const Json::Value &script, const Datagram &d)
{
    const std::string mode = script.get("srcNicMac", "echo").asString();
    if (mode == "echo") {
        const Item *nic = d.find(kIdSrcNicMac);
        return nic ? nic->value : std::string();
    }
    if (mode == "foreign")
        return kForeignMac;
    if (mode == "empty")
        return std::string();
    return mode;
}

bool answerQuickConf(Server &server, const Datagram &d, Replier &replier)
{
    if (!d.headerOk || d.type() != int(kTypeQuickConf))
        return false;
    const Item *target = d.find(kIdTargetMac);
    if (!target)
        return false;
    Unit *unit = server.findUnit(QString::fromStdString(target->value));
    if (!unit || !unit->json["quickconf"].isObject())
        return false; // the generic command answers take it
    const Json::Value script = unit->json["quickconf"];
    ++counters().commands;

    Json::Value line;
    line["svc"] = "quickconf";
    line["unit"] = unit->mac();
    line["src"] = Server::addrText(d.src);
    line["iface"] = d.iface;
    bool present = false;
    line["password"] = commandPassword(d, &present);
    line["passwordPresent"] = present;
    uint32_t dhcp = 0;
    const bool hasDhcp = d.u32(kIdDhcp, &dhcp);
    line["dhcp"] = hasDhcp ? Json::Value(dhcp) : Json::Value(Json::nullValue);
    const Item *name = d.find(kIdCmdName);
    line["name"] = name ? name->value : std::string();
    line["nameLen"] = name ? Json::UInt(name->value.size()) : 0u;
    const struct {
        uint8_t id;
        const char *key;
    } addresses[] = {{kIdIp, "ip"}, {kIdMask, "netmask"}, {kIdGateway, "gateway"}, {kIdDns, "dns"}};
    for (const auto &a : addresses) {
        const Item *item = d.find(a.id);
        line[a.key] = addressOf(d, a.id);
        line[std::string(a.key) + "Hex"] = item ? hexOf(item->value) : std::string();
    }
    const struct {
        uint8_t id;
        const char *key;
    } texts[] = {{kIdDateTime, "dateTime"}, {kIdTimezone, "timezone"}, {kIdLanguage, "language"},
                 {kIdSecondLanguage, "secondLanguage"}};
    for (const auto &t : texts) {
        const Item *item = d.find(t.id);
        line[t.key] = item ? item->value : std::string();
    }
    uint32_t n = 0;
    line["codepage"] = d.u32(kIdCodepage, &n) ? Json::Value(n) : Json::Value(Json::nullValue);
    line["languageNumber"] = d.u32(kIdLanguageNumber, &n) ? Json::Value(n) : Json::Value(Json::nullValue);
    const uint64_t support1 = u64Of(d, kIdSupport1), support2 = u64Of(d, kIdSupport2);
    const uint64_t mask1 = u64Of(d, kIdMask1), mask2 = u64Of(d, kIdMask2);
    line["serviceSupport"].append(hex64(support1));
    line["serviceSupport"].append(hex64(support2));
    line["serviceMask"].append(hex64(mask1));
    line["serviceMask"].append(hex64(mask2));
    line["bitmapItems"] = Json::UInt((d.find(kIdSupport1) ? 1 : 0) + (d.find(kIdSupport2) ? 1 : 0) +
                                     (d.find(kIdMask1) ? 1 : 0) + (d.find(kIdMask2) ? 1 : 0));
    line["qbv"] = (support1 & kServiceQbvBit) && (mask1 & kServiceQbvBit);
    line["srcNicMacs"] = Json::Value(Json::arrayValue);
    for (const Item *nic : d.findAll(kIdSrcNicMac))
        line["srcNicMacs"].append(nic->value);

    // What the answers say.
    const uint32_t type = script.get("answerType", 2).asUInt();
    const Json::Value states = script.get("states", Json::Value(Json::arrayValue));
    const Json::Value errors = script.get("errors", Json::Value(Json::arrayValue));
    const unsigned count = type == 0 ? 0 : std::max(1u, std::max(states.size(), errors.size()));
    const uint32_t lastError = listValue(errors, count ? count - 1 : 0, 0);
    const uint32_t build = script.get("build", unit->json.get("build", 0)).asUInt();
    const uint32_t address = newAddress(server, *unit, d, hasDhcp && dhcp != 0);
    const std::string newName = name ? name->value : unit->text("name");
    line["answers"] = count;
    line["newIp"] = Server::addrText(address);
    line["newName"] = newName;

    if (lastError == 0 && count > 0) {
        unit->json["name"] = newName;
        unit->json["ip"] = Server::addrText(address);
        if (hasDhcp)
            unit->json["dhcp"] = dhcp;
        if (script.get("addAddress", true).asBool() && address != 0) {
            const bool added = addAddress(address, d.iface);
            line["addressAdded"] = added;
            if (added)
                ++counters().addressesAdded;
            else
                ++counters().addressErrors;
        }
    }
    server.capture(line);

    const std::string mac = unit->mac();
    const std::string srcMac = answerSourceMac(script, d);
    const int delay = CWaitScale::ms(script.get("delayMs", 0).asInt());
    const int interval = CWaitScale::ms(script.get("intervalMs", 500).asInt());
    for (unsigned i = 0; i < count; ++i) {
        PacketBuilder b;
        b.u32(kIdType, type)
            .u32(kIdVersion, unit->json.get("findHostVersion", kDefaultVersion).asUInt())
            .str(kIdTargetMac, mac)
            .str(kIdName, newName)
            .ip(kIdNewIp, address)
            .u32(kIdState, listValue(states, i, 1))
            .u32(kIdError, listValue(errors, i, 0))
            .u32(kIdBuild, build)
            .raw(kIdSrcNicMac, srcMac)
            .ip(kIdRemoteIp, d.src);
        if (type == kTypeNetSet) {
            // A network-setting result is read only with its MAC, name and DHCP items.
            b.str(kIdNetSetMac, mac).str(kIdCmdName, newName).u32(kIdDhcp, hasDhcp ? dhcp : 0);
        }
        const std::string packet = b.bytes();
        const Datagram request = d;
        Replier *r = &replier;
        QTimer::singleShot(std::max(0, delay) + int(i) * std::max(0, interval), &server,
                           [r, request, packet]() {
                               ++counters().answers;
                               r->reply(request, packet);
                           });
    }
    return true;
}

SIM_REGISTER_DATAGRAM_HANDLER("quickconf", 120, answerQuickConf);

// Control of the scripted answers: the wait divisor and counters.
class QuickConfService : public DivisorService
{
public:
    QuickConfService() : DivisorService("quickconf") {}

protected:
    void addCounters(Json::Value &stats) const override
    {
        stats["commands"] = counters().commands;
        stats["answers"] = counters().answers;
        stats["addressesAdded"] = counters().addressesAdded;
        stats["addressErrors"] = counters().addressErrors;
    }
};

SIM_REGISTER_SERVICE("quickconf", QuickConfService, false);

} // namespace
} // namespace sim
