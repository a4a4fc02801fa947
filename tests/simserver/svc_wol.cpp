// The Wake-on-LAN listener: UDP on the configured ports (default 9) with IP_PKTINFO. Every
// datagram is captured with "svc":"wol"; a magic packet (six 0xFF bytes, then one MAC sixteen
// times) names the MAC it wakes. A unit marked "asleep" in the scenario answers no search until
// its magic packet arrives; then it wakes (asleep and silent cleared) and, after
// "announceDelayMs", announces itself with an unsolicited search answer broadcast to
// 255.255.255.255:9999 through the interface the packet arrived on.
//
// Scenario: "services": {"wol": {"enabled": true, "ports": [9, 40009], "announceDelayMs": 0}}
// Control: "wol sleep UNIT" puts a unit to sleep again (asleep and silent set).
#include "discovery.h"

#include <QSocketNotifier>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <map>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {
namespace {

constexpr int kMagicLen = 102;
constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint32_t kTypeSearchAnswer = 2;
constexpr uint32_t kDefaultVersion = 0x01020000;

// The MAC a magic packet wakes ("xx:xx:xx:xx:xx:xx", lower case), or empty when the bytes are
// not exactly a magic packet.
std::string magicPacketMac(const std::string &raw)
{
    if (raw.size() != size_t(kMagicLen))
        return std::string();
    const auto *b = reinterpret_cast<const uint8_t *>(raw.data());
    for (int i = 0; i < 6; ++i)
        if (b[i] != 0xFF)
            return std::string();
    for (int n = 1; n < 16; ++n)
        if (memcmp(b + 6, b + 6 + 6 * n, 6) != 0)
            return std::string();
    char text[18];
    snprintf(text, sizeof(text), "%02x:%02x:%02x:%02x:%02x:%02x", b[6], b[7], b[8], b[9], b[10],
             b[11]);
    return text;
}

class WolService : public QObject, public Service
{
public:
    ~WolService() override
    {
        for (int fd : m_fds)
            ::close(fd);
    }

    bool start(Server &server, const Json::Value &config, QString *error) override
    {
        m_server = &server;
        std::vector<uint16_t> ports;
        if (config.isObject()) {
            m_announceDelayMs = config.get("announceDelayMs", 0).asInt();
            for (const Json::Value &p : config["ports"])
                ports.push_back(uint16_t(p.asUInt()));
        }
        if (ports.empty())
            ports.push_back(9);
        for (uint16_t port : ports) {
            const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
            if (fd < 0) {
                *error = QStringLiteral("socket: %1").arg(strerror(errno));
                return false;
            }
            m_fds.push_back(fd);
            const int on = 1;
            setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
            setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on));
            setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof(on));
            struct sockaddr_in addr;
            memset(&addr, 0, sizeof(addr));
            addr.sin_family = AF_INET;
            addr.sin_port = htons(port);
            if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) < 0) {
                *error = QStringLiteral("bind 0.0.0.0:%1: %2").arg(port).arg(strerror(errno));
                return false;
            }
            auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, fd, port]() { readAll(fd, port); });
        }
        return true;
    }

    bool command(const QStringList &words, QString *reply) override
    {
        if (words.value(0) == QLatin1String("sleep") && words.size() == 2) {
            Unit *unit = m_server->findUnit(words[1]);
            if (!unit) {
                *reply = QStringLiteral("err no such unit");
                return true;
            }
            unit->json["asleep"] = true;
            unit->json["silent"] = true;
            *reply = QStringLiteral("ok");
            return true;
        }
        return false;
    }

    Json::Value stats() const override
    {
        Json::Value s(Json::objectValue);
        for (const auto &c : m_counters)
            s[c.first] = c.second;
        return s;
    }

private:
    void count(const char *name) { m_counters[name]++; }

    void readAll(int fd, uint16_t port)
    {
        // Bounded per wake-up; the notifier fires again while data remains.
        for (int n = 0; n < 256; ++n) {
            char buffer[65536];
            char control[256];
            struct sockaddr_in from;
            struct iovec iov = {buffer, sizeof(buffer)};
            struct msghdr msg;
            memset(&msg, 0, sizeof(msg));
            msg.msg_name = &from;
            msg.msg_namelen = sizeof(from);
            msg.msg_iov = &iov;
            msg.msg_iovlen = 1;
            msg.msg_control = control;
            msg.msg_controllen = sizeof(control);
            const ssize_t len = ::recvmsg(fd, &msg, 0);
            if (len < 0)
                return;
            uint32_t dst = 0;
            int ifindex = 0;
            for (struct cmsghdr *c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
                if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
                    struct in_pktinfo info;
                    memcpy(&info, CMSG_DATA(c), sizeof(info));
                    ifindex = info.ipi_ifindex;
                    dst = info.ipi_addr.s_addr;
                }
            }
            const std::string raw(buffer, size_t(len));
            const std::string mac = magicPacketMac(raw);

            Json::Value line;
            line["svc"] = "wol";
            line["src"] = Server::addrText(from.sin_addr.s_addr);
            line["sport"] = ntohs(from.sin_port);
            line["dst"] = Server::addrText(dst);
            line["port"] = port;
            line["iface"] = Server::interfaceName(ifindex);
            line["len"] = Json::UInt(raw.size());
            line["magic"] = !mac.empty();
            if (!mac.empty())
                line["mac"] = mac;
            line["raw"] = toHex(raw);
            m_server->capture(line);
            count("received");
            if (mac.empty())
                continue;
            count("magic");
            wake(QString::fromStdString(mac), ifindex);
        }
    }

    void wake(const QString &mac, int ifindex)
    {
        Unit *unit = m_server->findUnit(mac);
        if (!unit || !unit->json.get("asleep", false).asBool())
            return;
        unit->json["asleep"] = false;
        unit->json["silent"] = false;
        count("woken");
        const std::string unitMac = unit->mac();
        auto announce = [this, unitMac, ifindex]() {
            Unit *u = m_server->findUnit(QString::fromStdString(unitMac));
            if (u)
                sendAnnouncement(*u, ifindex);
        };
        if (m_announceDelayMs > 0)
            QTimer::singleShot(m_announceDelayMs, this, announce);
        else
            announce();
    }

    // A search answer nobody asked for, as a server sends once it has started.
    void sendAnnouncement(const Unit &unit, int ifindex)
    {
        PacketBuilder b;
        b.u32(kIdType, kTypeSearchAnswer);
        b.u32(kIdVersion, unit.json.get("findHostVersion", kDefaultVersion).asUInt());
        b.unitFields(unit);
        const std::string &packet = b.bytes();

        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            count("sendErrors");
            return;
        }
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on));
        struct sockaddr_in dest;
        memset(&dest, 0, sizeof(dest));
        dest.sin_family = AF_INET;
        dest.sin_port = htons(kDiscoveryPort);
        dest.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        struct iovec iov;
        iov.iov_base = const_cast<char *>(packet.data());
        iov.iov_len = packet.size();
        char control[CMSG_SPACE(sizeof(struct in_pktinfo))];
        memset(control, 0, sizeof(control));
        struct msghdr msg;
        memset(&msg, 0, sizeof(msg));
        msg.msg_name = &dest;
        msg.msg_namelen = sizeof(dest);
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        if (ifindex > 0) {
            // Out through the interface the magic packet came in on.
            msg.msg_control = control;
            msg.msg_controllen = sizeof(control);
            struct cmsghdr *cmsg = CMSG_FIRSTHDR(&msg);
            cmsg->cmsg_level = IPPROTO_IP;
            cmsg->cmsg_type = IP_PKTINFO;
            cmsg->cmsg_len = CMSG_LEN(sizeof(struct in_pktinfo));
            struct in_pktinfo info;
            memset(&info, 0, sizeof(info));
            info.ipi_ifindex = ifindex;
            memcpy(CMSG_DATA(cmsg), &info, sizeof(info));
        }
        if (::sendmsg(fd, &msg, 0) != ssize_t(packet.size())) {
            Server::log(QStringLiteral("wol announcement failed: %1").arg(strerror(errno)));
            count("sendErrors");
        } else {
            count("announced");
        }
        ::close(fd);
    }

    Server *m_server = nullptr;
    std::vector<int> m_fds;
    int m_announceDelayMs = 0;
    std::map<std::string, int> m_counters;
};

} // namespace

SIM_REGISTER_SERVICE("wol", WolService, false);

} // namespace sim
