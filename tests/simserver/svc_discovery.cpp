// The discovery service: UDP 0.0.0.0:9999 with IP_PKTINFO. Every datagram from another host is
// captured and offered to the datagram handlers; answers go out by broadcast through the
// arrival interface, or by unicast, optionally after a delay.
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

class DiscoveryService : public QObject, public Service, public Replier
{
public:
    ~DiscoveryService() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool start(Server &server, const Json::Value &config, QString *error) override
    {
        m_server = &server;
        if (config.isObject()) {
            m_unicast = config.get("reply", "broadcast").asString() == "unicast";
            m_delayMs = config.get("delayMs", 0).asInt();
            m_port = uint16_t(config.get("port", kDiscoveryPort).asUInt());
        }
        m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (m_fd < 0) {
            *error = QStringLiteral("socket: %1").arg(strerror(errno));
            return false;
        }
        const int on = 1;
        setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
        setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on));
        setsockopt(m_fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof(on));
        // Every broadcast answer comes back to this socket too: with many units, one search's
        // answers would fill a default-sized buffer and crowd out the next request.
        const int buffer = 16 * 1024 * 1024;
        if (setsockopt(m_fd, SOL_SOCKET, SO_RCVBUFFORCE, &buffer, sizeof(buffer)) < 0)
            setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof(buffer));
        struct sockaddr_in addr;
        memset(&addr, 0, sizeof(addr));
        addr.sin_family = AF_INET;
        addr.sin_port = htons(m_port);
        if (::bind(m_fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) < 0) {
            *error = QStringLiteral("bind 0.0.0.0:%1: %2").arg(m_port).arg(strerror(errno));
            return false;
        }
        auto *notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this]() { readAll(); });

        std::vector<HandlerInfo> &handlers = datagramHandlers();
        std::stable_sort(handlers.begin(), handlers.end(),
                         [](const HandlerInfo &a, const HandlerInfo &b) { return a.order < b.order; });
        return true;
    }

    bool command(const QStringList &words, QString *reply) override
    {
        const QString cmd = words.value(0);
        if (cmd == QLatin1String("reply") && words.size() == 2 &&
            (words[1] == QLatin1String("broadcast") || words[1] == QLatin1String("unicast"))) {
            m_unicast = words[1] == QLatin1String("unicast");
            *reply = QStringLiteral("ok");
            return true;
        }
        if (cmd == QLatin1String("delay") && words.size() == 2) {
            bool ok = false;
            const int ms = words[1].toInt(&ok);
            *reply = ok && ms >= 0 ? QStringLiteral("ok") : QStringLiteral("err bad delay");
            if (ok && ms >= 0)
                m_delayMs = ms;
            return true;
        }
        if (cmd == QLatin1String("mute") && words.size() == 2) {
            m_mute = words[1] == QLatin1String("on");
            *reply = QStringLiteral("ok");
            return true;
        }
        if (cmd == QLatin1String("inject") && words.size() >= 4) {
            // inject ADDRESS PORT HEX...: raw bytes from the discovery socket
            struct in_addr a;
            bool okPort = false;
            const uint port = words[2].toUInt(&okPort);
            std::string bytes;
            if (inet_pton(AF_INET, words[1].toLatin1().constData(), &a) != 1 || !okPort || port > 65535 ||
                !fromHex(QStringList(words.mid(3)).join(QString()).toStdString(), &bytes)) {
                *reply = QStringLiteral("err usage: inject ADDRESS PORT HEX");
                return true;
            }
            *reply = sendTo(a.s_addr, uint16_t(port), bytes) ? QStringLiteral("ok")
                                                             : QStringLiteral("err send failed");
            return true;
        }
        return false;
    }

    Json::Value stats() const override
    {
        Json::Value s(Json::objectValue);
        for (const auto &c : m_counters)
            s[c.first] = c.second;
        s["reply"] = m_unicast ? "unicast" : "broadcast";
        s["delayMs"] = m_delayMs;
        return s;
    }

    void reply(const Datagram &request, const std::string &packet) override
    {
        if (m_mute) {
            count("muted");
            return;
        }
        const uint32_t src = request.src;
        const int ifindex = request.ifindex;
        if (m_delayMs > 0) {
            QTimer::singleShot(m_delayMs, this, [this, src, ifindex, packet]() { sendReply(src, ifindex, packet); });
        } else {
            sendReply(src, ifindex, packet);
        }
    }

    bool sendTo(uint32_t addr, uint16_t port, const std::string &packet) override
    {
        struct sockaddr_in dest;
        memset(&dest, 0, sizeof(dest));
        dest.sin_family = AF_INET;
        dest.sin_addr.s_addr = addr;
        dest.sin_port = htons(port);
        const ssize_t sent = ::sendto(m_fd, packet.data(), packet.size(), 0,
                                      reinterpret_cast<sockaddr *>(&dest), sizeof(dest));
        if (sent != ssize_t(packet.size())) {
            Server::log(QStringLiteral("send to %1:%2 failed: %3")
                            .arg(QString::fromStdString(Server::addrText(addr))).arg(port).arg(strerror(errno)));
            count("sendErrors");
            return false;
        }
        return true;
    }

private:
    void count(const char *name) { m_counters[name]++; }

    void sendReply(uint32_t src, int ifindex, const std::string &packet)
    {
        struct sockaddr_in dest;
        memset(&dest, 0, sizeof(dest));
        dest.sin_family = AF_INET;
        dest.sin_port = htons(kDiscoveryPort);
        dest.sin_addr.s_addr = m_unicast ? src : htonl(INADDR_BROADCAST);

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
        if (!m_unicast && ifindex > 0) {
            // A broadcast leaves through the interface the request came in on.
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
        if (::sendmsg(m_fd, &msg, 0) != ssize_t(packet.size())) {
            Server::log(QStringLiteral("reply failed: %1").arg(strerror(errno)));
            count("sendErrors");
            return;
        }
        count("replies");
    }

    void readAll()
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
            const ssize_t len = ::recvmsg(m_fd, &msg, 0);
            if (len < 0)
                return;

            Datagram d = Datagram::parse(std::string(buffer, size_t(len)));
            d.src = from.sin_addr.s_addr;
            d.sport = ntohs(from.sin_port);
            for (struct cmsghdr *c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
                if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
                    struct in_pktinfo info;
                    memcpy(&info, CMSG_DATA(c), sizeof(info));
                    d.ifindex = info.ipi_ifindex;
                    d.dst = info.ipi_addr.s_addr;
                }
            }
            d.iface = Server::interfaceName(d.ifindex);

            // Our own broadcast answers come back to this socket: answering them would never end.
            if (Server::isOwnAddress(d.src)) {
                count("ignoredOwn");
                continue;
            }
            count("received");
            m_server->capture(d.toJson());
            for (const HandlerInfo &h : datagramHandlers()) {
                if (h.handler(*m_server, d, *this)) {
                    count(h.name);
                    break;
                }
            }
        }
    }

    Server *m_server = nullptr;
    int m_fd = -1;
    uint16_t m_port = kDiscoveryPort;
    bool m_unicast = false;
    bool m_mute = false;
    int m_delayMs = 0;
    std::map<std::string, int> m_counters;
};

} // namespace

SIM_REGISTER_SERVICE("discovery", DiscoveryService, true);

} // namespace sim
