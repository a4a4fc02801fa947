// Answers to the client's commands on UDP 9999, and unsolicited answers on request.
//
// Commands: quick configuration (type 4), network setting (type 3), memory test (type 12),
// system recovery (type 15) and the file-system-check skip (type 1 with a target MAC 0x19).
// Each is captured as one line {"svc":"commands","command":NAME,...} beside the datagram itself,
// with the target, the password decoded from 0x2a and its 0x72 continuations, whether it matched
// the unit's "password" key, and the error and answer types chosen.
//
// What a unit does is driven by its scenario keys, NAME being quickconfig, netsetting, memtest,
// recovery or fsckskip:
//   "password"      the administrator password a command must carry (absent: any password);
//                   a wrong one gives error 1 and changes nothing
//   "<NAME>Error"   the error code of an accepted command (default 0)
//   "<NAME>State"   the unit's state after an accepted command (default: unchanged)
//   "<NAME>Replies" the packet types answered, in order (default [4] for quickconfig, [3] for
//                   netsetting, none for the others)
// An accepted quick configuration or network setting also takes the command's name, DHCP flag
// and (without DHCP) addresses into the unit, so later answers carry them.
//
// Answer forms: type 4 carries 0x01, 0xa4, 0x19, 0x1f, 0xa7 and the request's 0x7c; type 3
// carries 0x01, 0xa4, 0x29, 0x21, 0x20, 0x1f, 0xa7 and the 0x7c; any other type carries 0x01,
// 0xa4, the unit's fields, 0x1f, the 0x7c and 0x1e (the request's source address).
//
// The "answers" service sends a unit's answer of any type at once, without a request (started
// only when the scenario says "services": {"answers": {"enabled": true}}):
//   answers send UNIT TYPE [ERROR]     by broadcast to 255.255.255.255:9999; replies "ok HEX"
#include "discovery.h"


#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {
namespace {

constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdTargetMac = 0x19;
constexpr uint8_t kIdRemoteIp = 0x1e;
constexpr uint8_t kIdError = 0x1f;
constexpr uint8_t kIdDhcp = 0x20;
constexpr uint8_t kIdName = 0x21;
constexpr uint8_t kIdIp = 0x22;
constexpr uint8_t kIdMask = 0x23;
constexpr uint8_t kIdGateway = 0x24;
constexpr uint8_t kIdDns = 0x25;
constexpr uint8_t kIdNetSetMac = 0x29;
constexpr uint8_t kIdSrcNicMac = 0x7c;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint8_t kIdState = 0xa7;
constexpr uint32_t kDefaultVersion = 0x01020000;
constexpr uint32_t kErrorPassword = 1;

uint32_t versionOf(const Unit &unit)
{
    return unit.json.get("findHostVersion", kDefaultVersion).asUInt();
}

uint32_t stateOf(const Unit &unit)
{
    return unit.json.get("state", 0).asUInt();
}

// One answer of the unit. `request` may be null (an unsolicited answer).
std::string buildAnswer(const Unit &unit, uint32_t type, uint32_t error, const Datagram *request)
{
    const Item *nic = request ? request->find(kIdSrcNicMac) : nullptr;
    PacketBuilder b;
    b.u32(kIdType, type).u32(kIdVersion, versionOf(unit));
    if (type == 4) {
        b.str(kIdTargetMac, unit.mac()).u32(kIdError, error).u32(kIdState, stateOf(unit));
        if (nic)
            b.raw(kIdSrcNicMac, nic->value);
    } else if (type == 3) {
        b.str(kIdNetSetMac, unit.mac())
            .str(kIdName, unit.text("name"))
            .u32(kIdDhcp, unit.json.get("dhcp", 0).asUInt())
            .u32(kIdError, error)
            .u32(kIdState, stateOf(unit));
        if (nic)
            b.raw(kIdSrcNicMac, nic->value);
    } else {
        b.unitFields(unit).u32(kIdError, error);
        if (nic)
            b.raw(kIdSrcNicMac, nic->value);
        if (request)
            b.ip(kIdRemoteIp, request->src);
    }
    return b.bytes();
}

std::string addressText(const std::string &bytes)
{
    if (bytes.size() != 4)
        return std::string();
    uint32_t a;
    memcpy(&a, bytes.data(), 4);
    return Server::addrText(a);
}

// Takes an accepted configuration into the unit.
void applyConfiguration(Unit &unit, const Datagram &d)
{
    if (const Item *name = d.find(kIdName))
        unit.json["name"] = name->value;
    uint32_t dhcp = 0;
    if (d.u32(kIdDhcp, &dhcp)) {
        unit.json["dhcp"] = dhcp;
        if (dhcp == 0) {
            const struct {
                uint8_t id;
                const char *key;
            } addresses[] = {{kIdIp, "ip"}, {kIdMask, "mask"}, {kIdGateway, "gateway"}, {kIdDns, "dns"}};
            for (const auto &a : addresses)
                if (const Item *item = d.find(a.id))
                    unit.json[a.key] = addressText(item->value);
        }
    }
}

struct Command {
    const char *name;
    int type;
    uint8_t targetId; // 0: every unit
    int defaultReply; // 0: no answer by default
    bool configures;
};

const Command kCommands[] = {
    {"quickconfig", 4, kIdTargetMac, 4, true},
    {"netsetting", 3, kIdNetSetMac, 3, true},
    {"memtest", 12, kIdTargetMac, 0, false},
    {"recovery", 15, 0, 0, false},
    {"fsckskip", 1, kIdTargetMac, 0, false},
};

void runCommand(Server &server, const Command &c, Unit &unit, const Datagram &d, Replier &replier)
{
    const std::string name = c.name;
    Json::Value line;
    line["svc"] = "commands";
    line["command"] = c.name;
    line["unit"] = unit.mac();

    bool present = false;
    const std::string password = commandPassword(d, &present);
    if (present)
        line["password"] = password;
    uint32_t error = unit.json.get(name + "Error", 0).asUInt();
    bool accepted = true;
    if (unit.json.isMember("password")) {
        const bool ok = present && password == unit.text("password");
        line["passwordOk"] = ok;
        if (!ok) {
            error = kErrorPassword;
            accepted = false;
        }
    }
    if (accepted && error == 0) {
        if (c.configures)
            applyConfiguration(unit, d);
        if (unit.json.isMember(name + "State"))
            unit.json["state"] = unit.json[name + "State"];
    }
    line["error"] = error;

    Json::Value replies = unit.json.get(name + "Replies", Json::Value(Json::nullValue));
    if (replies.isNull()) {
        replies = Json::Value(Json::arrayValue);
        if (c.defaultReply)
            replies.append(c.defaultReply);
    }
    line["replies"] = replies;
    server.capture(line);
    for (const Json::Value &type : replies)
        replier.reply(d, buildAnswer(unit, type.asUInt(), error, &d));
}

bool answerCommand(Server &server, const Datagram &d, Replier &replier)
{
    if (!d.headerOk)
        return false;
    for (const Command &c : kCommands) {
        if (d.type() != c.type)
            continue;
        if (c.targetId == 0) {
            for (Unit &unit : server.units())
                runCommand(server, c, unit, d, replier);
            return true;
        }
        const Item *target = d.find(c.targetId);
        if (!target)
            return false; // a search: not a command
        Unit *unit = server.findUnit(QString::fromStdString(target->value));
        if (!unit) {
            Json::Value line;
            line["svc"] = "commands";
            line["command"] = c.name;
            line["unknownTarget"] = target->value;
            server.capture(line);
            return true;
        }
        runCommand(server, c, *unit, d, replier);
        return true;
    }
    return false;
}

SIM_REGISTER_DATAGRAM_HANDLER("commands", 150, answerCommand);

// Unsolicited answers, sent from a socket of their own.
class AnswersService : public Service
{
public:
    ~AnswersService() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool start(Server &server, const Json::Value &, QString *error) override
    {
        m_server = &server;
        m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        if (m_fd < 0 || setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on)) < 0) {
            *error = QStringLiteral("answers socket: %1").arg(strerror(errno));
            return false;
        }
        return true;
    }

    bool command(const QStringList &words, QString *reply) override
    {
        if (words.value(0) != QLatin1String("send"))
            return false;
        bool typeOk = false;
        bool errorOk = true;
        const uint type = words.value(2).toUInt(&typeOk);
        const uint error = words.size() > 3 ? words[3].toUInt(&errorOk) : 0;
        Unit *unit = words.size() >= 3 ? m_server->findUnit(words[1]) : nullptr;
        if (!unit || !typeOk || !errorOk || words.size() > 4) {
            *reply = QStringLiteral("err usage: answers send UNIT TYPE [ERROR]");
            return true;
        }
        const std::string packet = buildAnswer(*unit, type, error, nullptr);
        struct sockaddr_in dest;
        memset(&dest, 0, sizeof(dest));
        dest.sin_family = AF_INET;
        dest.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        dest.sin_port = htons(kDiscoveryPort);
        if (::sendto(m_fd, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr *>(&dest),
                     sizeof(dest)) != ssize_t(packet.size())) {
            *reply = QStringLiteral("err send: %1").arg(strerror(errno));
            return true;
        }
        ++m_sent;
        *reply = QStringLiteral("ok %1").arg(QString::fromStdString(toHex(packet)));
        return true;
    }

    Json::Value stats() const override
    {
        Json::Value s(Json::objectValue);
        s["sent"] = m_sent;
        return s;
    }

private:
    Server *m_server = nullptr;
    int m_fd = -1;
    unsigned m_sent = 0;
};

SIM_REGISTER_SERVICE("answers", AnswersService, false);

} // namespace
} // namespace sim
