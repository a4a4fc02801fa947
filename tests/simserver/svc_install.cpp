// The install service: TCP 0.0.0.0:9998, the channel a server in install mode offers.
//
// Every accepted connection belongs to the unit whose "ip" is the connection's local address
// (the quick configuration gives a unit its address first). The service reads 22-byte commands,
// checks each against the exact command layout (marker 12 34 56 78 "QUENNI", 01 04 01 00 00 00,
// 12 04, the code as 4 bytes little-endian) and answers with replies of its own making: the
// marker, then items {id, 4, u32 LE}: 1 (= 1), 17 (error), and for status queries 19 (stage) and
// 20 (percent), for the reboot command 21 (seconds). Every reply is one write on a socket with
// TCP_NODELAY.
//
//   command 2  a reply; from now on each query (command 0) reports the next "format" step
//   command 5  4 bytes big-endian size, then exactly that many bytes (SHA-256 kept); then two
//              replies, "replyGapMs" apart, and each query reports the next "install" step
//   command 9  "start recovery": after "recoveryMs" one reply, without item 17, or with item
//              17 = "recoveryError" when that key is given; the unit is recovering from now on
//   command 7  after "rebootReplyMs" a reply with item 21, and after "replyGapMs" more the
//              connection is closed: the unit "reboots". It answers no search and no quick
//              configuration for "silentMs", may send "type6" unsolicited type-6 answers in state
//              5 meanwhile, then broadcasts one unsolicited search answer (type 2) with the
//              patch's build, in state 0 (a recovering unit: state 1, the system it got back) or
//              the reboot's "state", and answers quick configurations again (with
//              "finalQuickconf" when given).
//
// The unit's "install" object (all keys optional):
//   "format"        [[stage, percent], ...] reported by successive queries after command 2
//                   (default stages 2, 3, 4 at 33, 66, 100); the last step repeats
//   "install"       the same after the upload (default stage 5 at 25, 50, 75, 100)
//   "replyGapMs"    pause between the two replies after the upload and before the close after
//                   the reboot reply (default 10000)
//   "rebootSeconds" item 21 of the reboot reply (default 180)
//   "recoveryMs"    wait before the reply to command 9 (default 5000)
//   "recoveryError" item 17 of the reply to command 9 (absent: the reply has no item 17)
//   "rebootReplyMs" wait before the reply to command 7 (default 0)
//   "accept"        "close": every connection is closed as soon as it is accepted
//   "closeDuringUpload"  close the connection once this many file bytes have arrived
//   "faults"        [{"at": "command", "n": CODE | "at": "query", "n": K |
//                     "at": "uploadReply", "n": 1 or 2,
//                     "action": "noReply" | "error" | "badMarker" | "short" | "split",
//                     "error": CODE}]   (K counts the queries of the connection from 1;
//                   "split": the first half of the reply at once, the second half just before
//                   the connection's next reply, so that it always spoils the reply after it)
//   "reboot"        {"silentMs": 3000, "type6": 0, "type6IntervalMs": 1000,
//                    "announce": true, "build": the unit's "build", "state": 0 or 1}
//   "finalQuickconf" the unit's "quickconf" script from the reboot on
// Waits are program milliseconds divided by the wait divisor (CWaitScale, the same divisor as the
// quick-configuration answers; "services": {"install": {"divisor": N}} sets it too).
//
// Capture lines {"svc":"install","event":...,"unit":MAC}: "connect" (local, peer), "command"
// (code, seq, hex), "badCommand" (hex), "reply" (to, hex), "upload" (size, received, sha256,
// complete), "reboot", "announce" (type, build), "close".
//
// Control: "install listen on|off", "install log UNIT" (ok [codes in order]), "install reset"
// (forgets logs and progress), "install divisor N".
#include "discovery.h"

#include "CWaitScale.h"

#include <QCryptographicHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {
namespace {

const char kMarker[10] = {'\x12', '\x34', '\x56', '\x78', 'Q', 'U', 'E', 'N', 'N', 'I'};
constexpr int kCommandSize = 22;
constexpr uint16_t kInstallPort = 9998;
constexpr uint8_t kIdType = 0x01;
constexpr uint8_t kIdVersion = 0xa4;
constexpr uint32_t kTypeSearchAnswer = 2;
constexpr uint32_t kTypeServerAnswer = 6;
constexpr uint32_t kDefaultVersion = 0x01020000;

std::string le32(uint32_t v)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[size_t(i)] = char((v >> (8 * i)) & 0xff);
    return s;
}

std::string item(uint8_t id, uint32_t value)
{
    std::string s;
    s += char(id);
    s += char(4);
    s += le32(value);
    return s;
}

Json::Value defaultSteps(std::initializer_list<uint32_t> stages)
{
    Json::Value steps(Json::arrayValue);
    for (uint32_t stage : stages) {
        for (uint32_t percent : {33u, 66u, 100u}) {
            Json::Value step(Json::arrayValue);
            step.append(stage);
            step.append(percent);
            steps.append(step);
        }
    }
    return steps;
}

Json::Value defaultInstallSteps()
{
    Json::Value steps(Json::arrayValue);
    for (uint32_t percent : {25u, 50u, 75u, 100u}) {
        Json::Value step(Json::arrayValue);
        step.append(5);
        step.append(percent);
        steps.append(step);
    }
    return steps;
}

// Broadcasts one datagram to 255.255.255.255:9999 through the default route.
bool broadcast(const std::string &packet)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on));
    struct sockaddr_in dest;
    memset(&dest, 0, sizeof(dest));
    dest.sin_family = AF_INET;
    dest.sin_port = htons(kDiscoveryPort);
    dest.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    const ssize_t sent = ::sendto(fd, packet.data(), packet.size(), 0,
                                  reinterpret_cast<sockaddr *>(&dest), sizeof(dest));
    ::close(fd);
    return sent == ssize_t(packet.size());
}

// What the service remembers of a unit across connections.
struct UnitRun {
    Json::Value log = Json::Value(Json::arrayValue); // command codes in order
    unsigned formatStep = 0;
    unsigned installStep = 0;
    bool formatting = false;
    bool installing = false;
    bool recovering = false; // command 9 came; the next reboot brings the system back
    unsigned generation = 0; // bumped by a reboot or a reset; stale reboot timers see it
};

class InstallService : public QObject, public Service
{
public:
    bool start(Server &server, const Json::Value &config, QString *error) override
    {
        m_server = &server;
        if (config.isObject()) {
            if (config.isMember("divisor"))
                CWaitScale::setDivisor(config["divisor"].asInt());
            m_port = uint16_t(config.get("port", kInstallPort).asUInt());
        }
        m_listener = new QTcpServer(this);
        connect(m_listener, &QTcpServer::newConnection, this, [this]() { accept(); });
        const bool listen = !config.isObject() || config.get("listen", true).asBool();
        if (listen && !m_listener->listen(QHostAddress::AnyIPv4, m_port)) {
            *error = QStringLiteral("install: listen on %1: %2").arg(m_port).arg(m_listener->errorString());
            return false;
        }
        return true;
    }

    bool command(const QStringList &words, QString *reply) override
    {
        const QString cmd = words.value(0);
        if (cmd == QLatin1String("listen") && words.size() == 2) {
            if (words[1] == QLatin1String("off")) {
                m_listener->close();
                *reply = QStringLiteral("ok");
            } else if (words[1] == QLatin1String("on")) {
                *reply = m_listener->isListening() || m_listener->listen(QHostAddress::AnyIPv4, m_port)
                             ? QStringLiteral("ok")
                             : QStringLiteral("err %1").arg(m_listener->errorString());
            } else {
                *reply = QStringLiteral("err usage: install listen on|off");
            }
            return true;
        }
        if (cmd == QLatin1String("log") && words.size() == 2) {
            Unit *unit = m_server->findUnit(words[1]);
            if (!unit) {
                *reply = QStringLiteral("err no such unit");
                return true;
            }
            *reply = QStringLiteral("ok ") + QString::fromStdString(jsonLine(m_runs[unit->mac()].log));
            return true;
        }
        if (cmd == QLatin1String("reset") && words.size() == 1) {
            for (auto &r : m_runs) {
                const unsigned generation = r.second.generation + 1;
                r.second = UnitRun();
                r.second.generation = generation;
            }
            *reply = QStringLiteral("ok");
            return true;
        }
        if (cmd == QLatin1String("divisor") && words.size() == 2) {
            bool ok = false;
            const int divisor = words[1].toInt(&ok);
            if (!ok || divisor < 1) {
                *reply = QStringLiteral("err usage: install divisor N");
                return true;
            }
            CWaitScale::setDivisor(divisor);
            *reply = QStringLiteral("ok");
            return true;
        }
        return false;
    }

    Json::Value stats() const override
    {
        Json::Value s(Json::objectValue);
        s["listening"] = m_listener && m_listener->isListening();
        s["port"] = m_port;
        for (const auto &c : m_counters)
            s[c.first] = c.second;
        return s;
    }

private:
    enum class Mode { Command, UploadSize, UploadData, Done };

    struct Connection {
        QPointer<QTcpSocket> socket;
        std::string mac;
        Mode mode = Mode::Command;
        QByteArray buffer;
        unsigned seq = 0;
        unsigned queries = 0;
        uint32_t expected = 0;
        uint64_t received = 0;
        QCryptographicHash hash{QCryptographicHash::Sha256};
    };

    void count(const char *name) { m_counters[name]++; }

    void capture(const std::string &event, const std::string &mac, Json::Value line = Json::Value())
    {
        if (!line.isObject())
            line = Json::Value(Json::objectValue);
        line["svc"] = "install";
        line["event"] = event;
        line["unit"] = mac.empty() ? Json::Value(Json::nullValue) : Json::Value(mac);
        m_server->capture(line);
    }

    Unit *unitOf(const std::string &mac) { return mac.empty() ? nullptr : m_server->findUnit(QString::fromStdString(mac)); }

    Json::Value script(const std::string &mac)
    {
        Unit *unit = unitOf(mac);
        return unit && unit->json["install"].isObject() ? unit->json["install"] : Json::Value(Json::objectValue);
    }

    int gapMs(const std::string &mac) { return CWaitScale::ms(script(mac).get("replyGapMs", 10000).asInt()); }

    // The fault for this point of the conversation, or null.
    Json::Value faultAt(const std::string &mac, const char *at, unsigned n)
    {
        const Json::Value s = script(mac);
        for (const Json::Value &f : s["faults"]) {
            if (f.isObject() && f.get("at", "").asString() == at && f.get("n", 0).asUInt() == n)
                return f;
        }
        return Json::Value();
    }

    void accept()
    {
        while (QTcpSocket *socket = m_listener->nextPendingConnection()) {
            socket->setParent(this);
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            count("connections");
            std::string mac;
            const std::string local = socket->localAddress().toString().toStdString();
            for (const Unit &u : m_server->units()) {
                if (u.text("ip") == local) {
                    mac = u.mac();
                    break;
                }
            }
            Json::Value line;
            line["local"] = local;
            line["peer"] = socket->peerAddress().toString().toStdString();
            capture("connect", mac, line);
            if (mac.empty() || script(mac).get("accept", "").asString() == "close") {
                socket->close();
                socket->deleteLater();
                capture("close", mac);
                continue;
            }
            auto conn = std::make_shared<Connection>();
            conn->socket = socket;
            conn->mac = mac;
            connect(socket, &QTcpSocket::readyRead, this, [this, conn]() { readFrom(conn); });
            connect(socket, &QTcpSocket::disconnected, this, [this, conn]() {
                capture("close", conn->mac);
                m_heldHalves.erase(conn->socket.data());
                if (conn->mode == Mode::UploadData || conn->mode == Mode::UploadSize)
                    uploadEnded(*conn, false);
                conn->mode = Mode::Done;
                if (conn->socket)
                    conn->socket->deleteLater();
            });
        }
    }

    void readFrom(const std::shared_ptr<Connection> &conn)
    {
        if (!conn->socket)
            return;
        conn->buffer += conn->socket->readAll();
        for (;;) {
            if (conn->mode == Mode::Done || !conn->socket) {
                conn->buffer.clear();
                return;
            }
            if (conn->mode == Mode::Command) {
                if (conn->buffer.size() < kCommandSize)
                    return;
                const QByteArray command = conn->buffer.left(kCommandSize);
                conn->buffer.remove(0, kCommandSize);
                handleCommand(conn, command);
            } else if (conn->mode == Mode::UploadSize) {
                if (conn->buffer.size() < 4)
                    return;
                const auto *b = reinterpret_cast<const unsigned char *>(conn->buffer.constData());
                conn->expected = (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3];
                conn->buffer.remove(0, 4);
                conn->mode = Mode::UploadData;
                if (conn->expected == 0)
                    uploadEnded(*conn, true);
            } else if (conn->mode == Mode::UploadData) {
                if (conn->buffer.isEmpty())
                    return;
                const uint64_t left = conn->expected - conn->received;
                const int take = int(std::min<uint64_t>(left, uint64_t(conn->buffer.size())));
                conn->hash.addData(conn->buffer.constData(), take);
                conn->received += uint64_t(take);
                conn->buffer.remove(0, take);
                const Json::Value cut = script(conn->mac)["closeDuringUpload"];
                if (cut.isNumeric() && conn->received >= cut.asUInt64() && conn->received < conn->expected) {
                    uploadEnded(*conn, false);
                    conn->mode = Mode::Done;
                    conn->socket->abort();
                    return;
                }
                if (conn->received == conn->expected)
                    uploadEnded(*conn, true);
            }
        }
    }

    void uploadEnded(Connection &conn, bool complete)
    {
        Json::Value line;
        line["size"] = conn.expected;
        line["received"] = Json::UInt64(conn.received);
        line["sha256"] = conn.hash.result().toHex().toStdString();
        line["complete"] = complete;
        capture("upload", conn.mac, line);
        count(complete ? "uploads" : "uploadsBroken");
        if (!complete)
            return;
        conn.mode = Mode::Command;
        UnitRun &run = m_runs[conn.mac];
        run.formatting = false;
        run.installing = true;
        run.installStep = 0;
        // Two replies, each its own write, apart so that they never share a read.
        sendReply(conn, "uploadReply", 1, "upload reply 1", standardReply(0));
        QPointer<QTcpSocket> socket = conn.socket;
        const std::string mac = conn.mac;
        QTimer::singleShot(gapMs(mac), this, [this, socket, mac]() {
            if (!socket || socket->state() != QAbstractSocket::ConnectedState)
                return;
            Connection stub;
            stub.socket = socket;
            stub.mac = mac;
            sendReply(stub, "uploadReply", 2, "upload reply 2", standardReply(0));
        });
    }

    static std::string standardReply(uint32_t error)
    {
        return std::string(kMarker, 10) + item(1, 1) + item(17, error);
    }

    // Sends a reply, or what the fault for this point asks for instead.
    void sendReply(Connection &conn, const char *at, unsigned n, const std::string &to, std::string bytes)
    {
        const Json::Value fault = faultAt(conn.mac, at, n);
        const std::string action = fault.isObject() ? fault.get("action", "").asString() : std::string();
        if (action == "noReply") {
            Json::Value line;
            line["to"] = to;
            line["fault"] = action;
            capture("reply", conn.mac, line);
            return;
        }
        if (action == "error") {
            // Item 17 carries the code; the rest of the reply stays as it was.
            const uint32_t code = fault.get("error", 1).asUInt();
            const size_t pos = bytes.find(std::string("\x11\x04", 2), 10);
            if (pos != std::string::npos)
                bytes.replace(pos + 2, 4, le32(code));
            else
                bytes += item(17, code);
        } else if (action == "badMarker") {
            bytes[9] = 'X';
        } else if (action == "short") {
            bytes = std::string(kMarker, 10);
        }
        Json::Value line;
        line["to"] = to;
        line["hex"] = toHex(bytes);
        if (!action.empty())
            line["fault"] = action;
        capture("reply", conn.mac, line);
        count("replies");
        if (!conn.socket)
            return;
        // The second half of an earlier split reply goes first.
        const auto held = m_heldHalves.find(conn.socket.data());
        if (held != m_heldHalves.end()) {
            bytes = held->second + bytes;
            m_heldHalves.erase(held);
        }
        if (action == "split") {
            // Held until the next reply: the client has read the first half by then (it asks
            // again only after a reply), so the halves never meet in one read, however slowly
            // either side runs.
            const size_t half = bytes.size() / 2;
            m_heldHalves[conn.socket.data()] = bytes.substr(half);
            bytes.resize(half);
        }
        conn.socket->write(bytes.data(), qint64(bytes.size()));
        conn.socket->flush();
    }

    void handleCommand(const std::shared_ptr<Connection> &conn, const QByteArray &command)
    {
        const auto *b = reinterpret_cast<const unsigned char *>(command.constData());
        const bool valid = memcmp(b, kMarker, 10) == 0 && b[10] == 0x01 && b[11] == 0x04 && b[12] == 1 &&
                           b[13] == 0 && b[14] == 0 && b[15] == 0 && b[16] == 0x12 && b[17] == 0x04 &&
                           b[19] == 0 && b[20] == 0 && b[21] == 0;
        if (!valid) {
            Json::Value line;
            line["hex"] = toHex(b, size_t(command.size()));
            capture("badCommand", conn->mac, line);
            count("badCommands");
            return;
        }
        const uint32_t code = b[18];
        UnitRun &run = m_runs[conn->mac];
        run.log.append(code);
        Json::Value line;
        line["code"] = code;
        line["seq"] = ++conn->seq;
        line["hex"] = toHex(b, size_t(command.size()));
        capture("command", conn->mac, line);
        count("commands");
        const Json::Value s = script(conn->mac);

        switch (code) {
        case 0: {
            ++conn->queries;
            uint32_t stage = 0, percent = 0;
            Json::Value steps;
            unsigned *index = nullptr;
            if (run.installing) {
                steps = s.get("install", defaultInstallSteps());
                index = &run.installStep;
            } else if (run.formatting) {
                steps = s.get("format", defaultSteps({2, 3, 4}));
                index = &run.formatStep;
            }
            if (index && steps.isArray() && !steps.empty()) {
                const Json::Value &step = steps[std::min(*index, steps.size() - 1)];
                stage = step[0].asUInt();
                percent = step[1].asUInt();
                ++*index;
            }
            const std::string reply = standardReply(0) + item(19, stage) + item(20, percent);
            sendReply(*conn, "query", conn->queries,
                      "query " + std::to_string(conn->queries), reply);
            break;
        }
        case 2:
            run.formatting = true;
            run.installing = false;
            run.formatStep = 0;
            sendReply(*conn, "command", 2, "command 2", standardReply(0));
            break;
        case 5:
            conn->mode = Mode::UploadSize;
            conn->expected = 0;
            conn->received = 0;
            conn->hash.reset();
            break;
        case 7: {
            const uint32_t seconds = s.get("rebootSeconds", 180).asUInt();
            conn->mode = Mode::Done;
            const int delay = CWaitScale::ms(s.get("rebootReplyMs", 0).asInt());
            auto rebootNow = [this, conn, seconds]() {
                sendReply(*conn, "command", 7, "command 7", standardReply(0) + item(21, seconds));
                QPointer<QTcpSocket> socket = conn->socket;
                QTimer::singleShot(gapMs(conn->mac), this, [socket]() {
                    if (socket)
                        socket->disconnectFromHost();
                });
                reboot(conn->mac);
            };
            if (delay <= 0)
                rebootNow();
            else
                QTimer::singleShot(delay, this, rebootNow);
            break;
        }
        case 9: {
            run.recovering = true;
            run.formatting = false;
            run.installing = false;
            std::string reply = std::string(kMarker, 10) + item(1, 1);
            if (s.isMember("recoveryError"))
                reply += item(17, s["recoveryError"].asUInt());
            const unsigned generation = run.generation;
            const std::string mac = conn->mac;
            QTimer::singleShot(CWaitScale::ms(s.get("recoveryMs", 5000).asInt()), this,
                               [this, conn, reply, mac, generation]() {
                                   if (m_runs[mac].generation != generation)
                                       return;
                                   sendReply(*conn, "command", 9, "command 9", reply);
                               });
            break;
        }
        default:
            sendReply(*conn, "command", code, "command " + std::to_string(code), standardReply(0));
            break;
        }
    }

    // The unit goes quiet, then announces itself again with the patch's build.
    void reboot(const std::string &mac)
    {
        Unit *unit = unitOf(mac);
        if (!unit)
            return;
        count("reboots");
        UnitRun &run = m_runs[mac];
        run.formatting = false;
        run.installing = false;
        const uint32_t backState = script(mac)["reboot"].get("state", run.recovering ? 1 : 0).asUInt();
        run.recovering = false;
        const unsigned generation = ++run.generation;
        const Json::Value r = script(mac)["reboot"];
        const Json::Value final = script(mac)["finalQuickconf"];
        // While rebooting it answers neither searches nor quick configurations.
        m_savedQuickconf[mac] = final.isObject() ? final : unit->json["quickconf"];
        Json::Value mute(Json::objectValue);
        mute["answerType"] = 0;
        unit->json["quickconf"] = mute;
        unit->json["silent"] = true;
        capture("reboot", mac);

        const int type6 = r.get("type6", 0).asInt();
        const int interval = r.get("type6IntervalMs", 1000).asInt();
        for (int i = 1; i <= type6; ++i) {
            QTimer::singleShot(CWaitScale::ms(i * interval), this, [this, mac, generation]() {
                if (m_runs[mac].generation == generation)
                    announce(mac, kTypeServerAnswer);
            });
        }
        if (!r.get("announce", true).asBool())
            return;
        // The announcement comes after the last type-6 answer.
        int silent = r.get("silentMs", 3000).asInt();
        if (type6 > 0)
            silent = std::max(silent, (type6 + 1) * interval);
        QTimer::singleShot(CWaitScale::ms(silent), this, [this, mac, generation, backState]() {
            if (m_runs[mac].generation != generation)
                return;
            Unit *u = unitOf(mac);
            if (!u)
                return;
            const Json::Value r2 = script(mac)["reboot"];
            u->json["state"] = backState;
            u->json["build"] = r2.get("build", u->json.get("build", 0)).asUInt();
            u->json["silent"] = false;
            const Json::Value saved = m_savedQuickconf[mac];
            if (saved.isObject())
                u->json["quickconf"] = saved;
            else
                u->json.removeMember("quickconf");
            announce(mac, kTypeSearchAnswer);
        });
    }

    void announce(const std::string &mac, uint32_t type)
    {
        Unit *unit = unitOf(mac);
        if (!unit)
            return;
        Unit shown = *unit;
        if (type == kTypeServerAnswer)
            shown.json["state"] = 5;
        PacketBuilder b;
        b.u32(kIdType, type);
        b.u32(kIdVersion, shown.json.get("findHostVersion", kDefaultVersion).asUInt());
        b.unitFields(shown);
        const bool sent = broadcast(b.bytes());
        Json::Value line;
        line["type"] = type;
        line["build"] = shown.json.get("build", 0).asUInt();
        line["sent"] = sent;
        capture("announce", mac, line);
        count(sent ? "announcements" : "sendErrors");
    }

    Server *m_server = nullptr;
    QTcpServer *m_listener = nullptr;
    uint16_t m_port = kInstallPort;
    std::map<std::string, UnitRun> m_runs;
    std::map<std::string, Json::Value> m_savedQuickconf;
    std::map<std::string, unsigned> m_counters;
    // The second halves of split replies, by connection, until its next reply.
    std::map<const QTcpSocket *, std::string> m_heldHalves;
};

} // namespace

SIM_REGISTER_SERVICE("install", InstallService, false);

} // namespace sim
