// Scripted answers to the network-setting command (type 3).
//
// A unit takes part when its scenario object holds a "netset" object; type-3 commands for other
// units are left to the generic command answers (disc_commands.cpp). The command is walked with
// the simulated server's own item loop, never with the program's packet reader, and every
// received copy is captured as one line {"svc":"netset",...}:
//   "ids"            every item identifier in arrival order
//   "mac"            0x29, the target
//   "name", "namePresent"                          0x21 (optional)
//   "dhcp"           0x20 (null when absent)
//   "ip", "netmask", "gateway", "dns" and their "...Hex"   0x22-0x25 as sent (network order);
//                    "" when absent
//   "addressItems"   how many of 0x22-0x25 the command carried
//   "password", "passwordPresent"                  0x2a and its 0x72 continuations, unscrambled
//   "passwordOk"     only for a unit with a "password" key: whether the command carried it
//   "field2b"        0x2b as hex, null when absent
//   "srcNicMacs"     every 0x7c
//   "error", "answerType", "answers", "applied", "newIp", "addressAdded"   what the unit did
//
// The unit's "netset" object scripts the answers (all keys optional):
//   "error"        ulErrCode (0x1f) of the answer to a command with the right password (default
//                  0 = applied); a unit with a "password" key answers 1 to any other password
//   "answerType"   packet type of the answer: 2 (default) or 3; 0 sends nothing
//   "version"      0xa4 of the answer (default the unit's "findHostVersion", else 0x01020000)
//   "decoys"       answers sent before the real one, each an object whose "type", "version",
//                  "error" and "mac" replace those of the real answer, e.g.
//                  [{"type": 3, "error": 9}, {"version": 131072, "error": 8}]
//   "delayMs"      wait before the first answer, in program milliseconds (default 0)
//   "intervalMs"   wait between answers, in program milliseconds (default 500)
//   "pool"         the address a unit takes when the command asks for DHCP (default: it keeps its
//                  address)
//   "addAddress"   false: do not add the new address to the arrival interface (default true)
// Waits are divided by the wait divisor, by the same rule as the program's CWaitScale. The
// divisor is set by the "netset" service (not started by default): the scenario's
// "services": {"netset": {"enabled": true, "divisor": 100}}, or "netset divisor N". It is the
// same process-wide divisor as the quick-configuration answers'.
//
// Each answer carries 0x01, 0xa4, 0x19 (the unit's MAC), 0x11 (its name), 0x10 (its DHCP flag),
// 0x12 (its address), 0xa7 (its state), 0x1f, 0x7c (the command's first one) and 0x1e (the
// querier's address); a type-3 answer also 0x29, 0x21 and 0x20, the items a network-setting
// result is read by. An answered command with error 0 is applied before the answers go out: the
// unit takes 0x21 as its name, 0x20 as its DHCP flag and, without DHCP, 0x22-0x25 as its address,
// mask, gateway and DNS server, so the next search shows them; the new address (only inside
// 198.18.0.0/15) is added to the interface the command arrived on, so that it answers there.
#include "discovery.h"

#include "CWaitScale.h"

#include <QProcess>
#include <QTimer>

#include <arpa/inet.h>
#include <cstring>

namespace sim {
namespace {

constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdDhcpNow = 0x10;
constexpr uint8_t kIdName = 0x11;
constexpr uint8_t kIdIpNow = 0x12;
constexpr uint8_t kIdMac = 0x19;
constexpr uint8_t kIdRemoteIp = 0x1e;
constexpr uint8_t kIdError = 0x1f;
constexpr uint8_t kIdDhcp = 0x20;
constexpr uint8_t kIdCmdName = 0x21;
constexpr uint8_t kIdIp = 0x22;
constexpr uint8_t kIdMask = 0x23;
constexpr uint8_t kIdGateway = 0x24;
constexpr uint8_t kIdDns = 0x25;
constexpr uint8_t kIdTarget = 0x29;
constexpr uint8_t kIdField2B = 0x2b;
constexpr uint8_t kIdSrcNicMac = 0x7c;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint8_t kIdState = 0xa7;
constexpr int kTypeNetSet = 3;
constexpr uint32_t kDefaultVersion = 0x01020000;
constexpr uint32_t kErrorPassword = 1;

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

std::string addressText(const Item *item)
{
    if (!item || item->value.size() != 4)
        return std::string();
    uint32_t a;
    memcpy(&a, item->value.data(), 4);
    return Server::addrText(a);
}

bool inTestRange(uint32_t addrNetOrder)
{
    // 198.18.0.0/15: the only addresses the namespace bed uses.
    return (ntohl(addrNetOrder) & 0xfffe0000u) == 0xc6120000u;
}

// The prefix length of a contiguous mask (network order); 24 for anything else.
int prefixOf(uint32_t maskNetOrder)
{
    const uint32_t m = ntohl(maskNetOrder);
    int bits = 0;
    while (bits < 32 && (m & (0x80000000u >> bits)))
        ++bits;
    const uint32_t contiguous = bits == 0 ? 0 : 0xffffffffu << (32 - bits);
    return (bits >= 8 && m == contiguous) ? bits : 24;
}

// Adds the address to the interface (bounded); true when it is there afterwards.
bool addAddress(uint32_t addr, uint32_t mask, const std::string &iface)
{
    if (Server::isOwnAddress(addr))
        return true;
    if (!inTestRange(addr) || iface.empty())
        return false;
    QProcess ip;
    ip.start(QStringLiteral("ip"),
             {QStringLiteral("addr"), QStringLiteral("add"),
              QString::fromStdString(Server::addrText(addr)) + QLatin1Char('/') +
                  QString::number(prefixOf(mask)),
              QStringLiteral("dev"), QString::fromStdString(iface)});
    // A hang guard: "ip" takes far less even on a busy machine.
    if (!ip.waitForFinished(180000)) {
        ip.kill();
        ip.waitForFinished(1000);
        return false;
    }
    return ip.exitStatus() == QProcess::NormalExit && ip.exitCode() == 0;
}

uint32_t addressOf(const std::string &text)
{
    struct in_addr a;
    if (text.empty() || inet_pton(AF_INET, text.c_str(), &a) != 1)
        return 0;
    return a.s_addr;
}

// Takes an applied command into the unit; returns the unit's address afterwards.
uint32_t apply(Unit &unit, const Datagram &d, bool dhcp, const Json::Value &script)
{
    if (const Item *name = d.find(kIdCmdName))
        unit.json["name"] = name->value;
    if (d.find(kIdDhcp))
        unit.json["dhcp"] = dhcp ? 1 : 0;
    if (!dhcp) {
        const struct {
            uint8_t id;
            const char *key;
        } addresses[] = {{kIdIp, "ip"}, {kIdMask, "mask"}, {kIdGateway, "gateway"}, {kIdDns, "dns"}};
        for (const auto &a : addresses)
            if (const Item *item = d.find(a.id))
                unit.json[a.key] = addressText(item);
    } else if (script.isMember("pool")) {
        unit.json["ip"] = script["pool"].asString();
    }
    return addressOf(unit.text("ip"));
}

std::string buildAnswer(const Unit &unit, uint32_t type, uint32_t version, uint32_t error,
                        const std::string &mac, const Datagram &d)
{
    const Item *nic = d.find(kIdSrcNicMac);
    const uint32_t dhcp = unit.json.get("dhcp", 0).asUInt();
    PacketBuilder b;
    b.u32(kIdType, type)
        .u32(kIdVersion, version)
        .str(kIdMac, mac)
        .str(kIdName, unit.text("name"))
        .u32(kIdDhcpNow, dhcp)
        .ip(kIdIpNow, addressOf(unit.text("ip")))
        .u32(kIdState, unit.json.get("state", 0).asUInt())
        .u32(kIdError, error)
        .raw(kIdSrcNicMac, nic ? nic->value : std::string())
        .ip(kIdRemoteIp, d.src);
    if (type == uint32_t(kTypeNetSet))
        b.str(kIdTarget, mac).str(kIdCmdName, unit.text("name")).u32(kIdDhcp, dhcp);
    return b.bytes();
}

bool answerNetSetting(Server &server, const Datagram &d, Replier &replier)
{
    if (!d.headerOk || d.type() != kTypeNetSet)
        return false;
    const Item *target = d.find(kIdTarget);
    if (!target)
        return false;
    Unit *unit = server.findUnit(QString::fromStdString(target->value));
    if (!unit || !unit->json["netset"].isObject())
        return false; // the generic command answers take it
    const Json::Value script = unit->json["netset"];
    ++counters().commands;

    Json::Value line;
    line["svc"] = "netset";
    line["unit"] = unit->mac();
    line["src"] = Server::addrText(d.src);
    line["iface"] = d.iface;
    line["ids"] = Json::Value(Json::arrayValue);
    for (const Item &item : d.items)
        line["ids"].append(Json::UInt(item.id));
    line["mac"] = target->value;
    const Item *name = d.find(kIdCmdName);
    line["name"] = name ? name->value : std::string();
    line["namePresent"] = name != nullptr;
    uint32_t dhcp = 0;
    const bool hasDhcp = d.u32(kIdDhcp, &dhcp);
    line["dhcp"] = hasDhcp ? Json::Value(dhcp) : Json::Value(Json::nullValue);
    const struct {
        uint8_t id;
        const char *key;
    } addresses[] = {{kIdIp, "ip"}, {kIdMask, "netmask"}, {kIdGateway, "gateway"}, {kIdDns, "dns"}};
    unsigned addressItems = 0;
    for (const auto &a : addresses) {
        const Item *item = d.find(a.id);
        addressItems += item ? 1 : 0;
        line[a.key] = addressText(item);
        line[std::string(a.key) + "Hex"] = item ? toHex(item->value) : std::string();
    }
    line["addressItems"] = addressItems;
    bool present = false;
    const std::string password = commandPassword(d, &present);
    line["password"] = password;
    line["passwordPresent"] = present;
    const Item *field2b = d.find(kIdField2B);
    line["field2b"] = field2b ? Json::Value(toHex(field2b->value)) : Json::Value(Json::nullValue);
    line["srcNicMacs"] = Json::Value(Json::arrayValue);
    for (const Item *nic : d.findAll(kIdSrcNicMac))
        line["srcNicMacs"].append(nic->value);

    uint32_t error = script.get("error", 0).asUInt();
    if (unit->json.isMember("password")) {
        const bool ok = present && password == unit->text("password");
        line["passwordOk"] = ok;
        if (!ok)
            error = kErrorPassword;
    }
    const uint32_t type = script.get("answerType", 2).asUInt();
    const Json::Value decoys = type == 0 ? Json::Value(Json::arrayValue)
                                         : script.get("decoys", Json::Value(Json::arrayValue));
    line["error"] = error;
    line["answerType"] = type;
    line["answers"] = type == 0 ? 0u : decoys.size() + 1;

    const bool applied = type != 0 && error == 0;
    line["applied"] = applied;
    if (applied) {
        uint32_t mask = 0;
        if (const Item *m = d.find(kIdMask))
            if (m->value.size() == 4)
                memcpy(&mask, m->value.data(), 4);
        const uint32_t address = apply(*unit, d, hasDhcp && dhcp != 0, script);
        line["newIp"] = Server::addrText(address);
        if (script.get("addAddress", true).asBool() && address != 0) {
            const bool added = addAddress(address, mask, d.iface);
            line["addressAdded"] = added;
            if (added)
                ++counters().addressesAdded;
            else
                ++counters().addressErrors;
        }
    }
    server.capture(line);
    if (type == 0)
        return true;

    const uint32_t version =
        script.get("version", unit->json.get("findHostVersion", kDefaultVersion)).asUInt();
    std::vector<std::string> packets;
    for (const Json::Value &decoy : decoys) {
        packets.push_back(buildAnswer(*unit, decoy.get("type", type).asUInt(),
                                      decoy.get("version", version).asUInt(),
                                      decoy.get("error", error).asUInt(),
                                      decoy.get("mac", unit->mac()).asString(), d));
    }
    packets.push_back(buildAnswer(*unit, type, version, error, unit->mac(), d));

    const int delay = std::max(0, CWaitScale::ms(script.get("delayMs", 0).asInt()));
    const int interval = std::max(0, CWaitScale::ms(script.get("intervalMs", 500).asInt()));
    for (size_t i = 0; i < packets.size(); ++i) {
        const Datagram request = d;
        const std::string packet = packets[i];
        Replier *r = &replier;
        QTimer::singleShot(delay + int(i) * interval, &server, [r, request, packet]() {
            ++counters().answers;
            r->reply(request, packet);
        });
    }
    return true;
}

SIM_REGISTER_DATAGRAM_HANDLER("netset", 130, answerNetSetting);

// Control of the scripted answers: the wait divisor and counters.
class NetSetService : public DivisorService
{
public:
    NetSetService() : DivisorService("netset") {}

protected:
    void addCounters(Json::Value &stats) const override
    {
        stats["commands"] = counters().commands;
        stats["answers"] = counters().answers;
        stats["addressesAdded"] = counters().addressesAdded;
        stats["addressErrors"] = counters().addressErrors;
    }
};

SIM_REGISTER_SERVICE("netset", NetSetService, false);

} // namespace
} // namespace sim
