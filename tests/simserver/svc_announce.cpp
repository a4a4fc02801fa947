// Unsolicited search answers: on the control command "announce UNIT" the unit's search answer
// (type 2, the discovery service's fields, without the request's items) is broadcast to
// 255.255.255.255:9999 through the namespace's default route, as a server does when its state
// changes between searches. Not started by default.
//
// Scenario: "services": {"announce": {"enabled": true}}
// Capture: {"svc":"announce","unit":MAC,"len":N} per announcement sent.
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
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint32_t kTypeSearchAnswer = 2;
constexpr uint32_t kDefaultVersion = 0x01020000;

class AnnounceService : public Service
{
public:
    bool start(Server &server, const Json::Value &config, QString *error) override
    {
        Q_UNUSED(config);
        Q_UNUSED(error);
        m_server = &server;
        return true;
    }

    bool command(const QStringList &words, QString *reply) override
    {
        if (words.size() != 1)
            return false;
        Unit *unit = m_server->findUnit(words[0]);
        if (!unit) {
            *reply = QStringLiteral("err no such unit");
            return true;
        }
        PacketBuilder b;
        b.u32(kIdType, kTypeSearchAnswer);
        b.u32(kIdVersion, unit->json.get("findHostVersion", kDefaultVersion).asUInt());
        b.unitFields(*unit);
        const std::string &packet = b.bytes();

        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            *reply = QStringLiteral("err socket: %1").arg(strerror(errno));
            return true;
        }
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on));
        struct sockaddr_in dest;
        memset(&dest, 0, sizeof(dest));
        dest.sin_family = AF_INET;
        dest.sin_port = htons(kDiscoveryPort);
        dest.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        const ssize_t sent = ::sendto(fd, packet.data(), packet.size(), 0,
                                      reinterpret_cast<sockaddr *>(&dest), sizeof(dest));
        const int sendErrno = errno;
        ::close(fd);
        if (sent != ssize_t(packet.size())) {
            *reply = QStringLiteral("err send: %1").arg(strerror(sendErrno));
            return true;
        }
        Json::Value line;
        line["svc"] = "announce";
        line["unit"] = unit->mac();
        line["len"] = Json::UInt(packet.size());
        m_server->capture(line);
        *reply = QStringLiteral("ok");
        return true;
    }

private:
    Server *m_server = nullptr;
};

} // namespace

SIM_REGISTER_SERVICE("announce", AnnounceService, false);

} // namespace sim
