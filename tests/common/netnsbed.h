// Helpers for tests that run inside the network-namespace bed (netns-bed.sh): the guard that
// refuses to send anything outside it, the simulated server's control socket and capture file,
// a plain UDP socket with bounded waits, and "ip" inside the test's own namespace.
#ifndef NETNSBED_H
#define NETNSBED_H

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QLocalSocket>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "HangGuard.h"

namespace bed {

// The program sets no wait of its own on a look-up: it waits as long as the system resolver does,
// which gives a name server five seconds to answer each query (RES_TIMEOUT of <resolv.h>,
// resolv.conf's default "timeout"; the header is left out here for the many macros it defines).
// A name server that refuses at once (the bed's loopback one) never costs that wait.
constexpr qint64 RESOLVER_TIMEOUT_MS = 5000;

inline QString env(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// True only inside a bed's client namespace: the bed's variables are set and the namespace holds
// the bed's first link. Tests that send must check this first (and skip otherwise).
inline bool active(QString *why)
{
    if (env("VORK_NETNS_CLIENT").isEmpty()) {
        *why = QStringLiteral("not inside the network-namespace bed (run it through ctest)");
        return false;
    }
    QProcess ip;
    ip.start(QStringLiteral("ip"), {QStringLiteral("netns"), QStringLiteral("identify")});
    if (!ip.waitForFinished(tsup::guardMs()) ||
        QString::fromLocal8Bit(ip.readAllStandardOutput()).trimmed() != env("VORK_NETNS_CLIENT")) {
        *why = QStringLiteral("this process is not in the bed's client namespace");
        return false;
    }
    if (if_nametoindex("vc0") == 0) {
        *why = QStringLiteral("the bed's link vc0 is missing");
        return false;
    }
    return true;
}

inline uint32_t addr(const char *text)
{
    struct in_addr a;
    if (inet_pton(AF_INET, text, &a) != 1)
        qFatal("bad address %s", text);
    return a.s_addr;
}

inline QString addrText(uint32_t a)
{
    char text[INET_ADDRSTRLEN] = {0};
    struct in_addr in;
    in.s_addr = a;
    inet_ntop(AF_INET, &in, text, sizeof(text));
    return QString::fromLatin1(text);
}

// Hex text with optional blanks to bytes.
inline QByteArray hex(const char *text)
{
    QByteArray compact(text);
    compact.replace(' ', "").replace('\n', "");
    return QByteArray::fromHex(compact);
}

// Runs "ip" with the arguments (bounded); returns its exit code, -1 when it did not finish.
inline int ip(const QStringList &args, QString *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("ip"), args);
    if (!p.waitForFinished(tsup::guardMs())) {
        p.kill();
        p.waitForFinished(tsup::guardMs(1000));
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// "ip" inside the bed's server namespace.
inline int ipServer(QStringList args)
{
    args.prepend(env("VORK_NETNS_SERVER"));
    args.prepend(QStringLiteral("-n"));
    return ip(args);
}

// The simulated server's control socket: one line out, one line back.
class SimControl
{
public:
    bool connect()
    {
        m_socket.connectToServer(env("VORK_SIM_CONTROL"));
        return m_socket.waitForConnected(tsup::guardMs());
    }
    // Gives up after the hang guard (guardMs(timeoutMs)) with "err no reply".
    QString command(const QString &line, int timeoutMs = 0)
    {
        if (m_socket.state() != QLocalSocket::ConnectedState && !connect())
            return QStringLiteral("err not connected");
        m_socket.write(line.toUtf8() + "\n");
        m_socket.flush();
        const int guard = tsup::guardMs(timeoutMs);
        QElapsedTimer t;
        t.start();
        while (!m_socket.canReadLine() && t.elapsed() < guard)
            m_socket.waitForReadyRead(100);
        if (!m_socket.canReadLine())
            return QStringLiteral("err no reply");
        return QString::fromUtf8(m_socket.readLine()).trimmed();
    }
    // The JSON object of an "ok {...}" reply.
    QJsonObject json(const QString &line)
    {
        const QString reply = command(line);
        if (!reply.startsWith(QLatin1String("ok ")))
            return QJsonObject();
        return QJsonDocument::fromJson(reply.mid(3).toUtf8()).object();
    }
    // How many units the scenario holds: as many answers as a search gets.
    int unitCount()
    {
        const QString reply = command(QStringLiteral("units"));
        return reply.startsWith(QLatin1String("ok ")) ? QJsonDocument::fromJson(reply.mid(3).toUtf8()).array().size() : 0;
    }

private:
    QLocalSocket m_socket;
};

// Every JSON line of the simulated server's capture file.
inline QList<QJsonObject> captureLines()
{
    QList<QJsonObject> lines;
    QFile f(env("VORK_SIM_CAPTURE"));
    if (!f.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QJsonDocument::fromJson(line).object();
    return lines;
}

// Capture lines of received datagrams (marks left out).
inline QList<QJsonObject> capturedDatagrams()
{
    QList<QJsonObject> out;
    for (const QJsonObject &o : captureLines())
        if (o.contains(QLatin1String("raw")))
            out << o;
    return out;
}

// A plain UDP socket with bounded waits.
class Udp
{
public:
    Udp() = default;
    Udp(const Udp &) = delete;
    Udp &operator=(const Udp &) = delete;
    ~Udp() { close(); }

    bool open(const char *bindAddr, uint16_t port)
    {
        close();
        m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (m_fd < 0)
            return false;
        const int on = 1;
        setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
        setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on));
        setsockopt(m_fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof(on));
        struct sockaddr_in a;
        memset(&a, 0, sizeof(a));
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = addr(bindAddr);
        a.sin_port = htons(port);
        return ::bind(m_fd, reinterpret_cast<sockaddr *>(&a), sizeof(a)) == 0;
    }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    bool sendTo(const char *to, uint16_t port, const QByteArray &bytes)
    {
        struct sockaddr_in a;
        memset(&a, 0, sizeof(a));
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = addr(to);
        a.sin_port = htons(port);
        return ::sendto(m_fd, bytes.constData(), size_t(bytes.size()), 0,
                        reinterpret_cast<sockaddr *>(&a), sizeof(a)) == bytes.size();
    }

    struct Received {
        QByteArray bytes;
        uint32_t from = 0;
        uint16_t port = 0;
        uint32_t dst = 0;
        int ifindex = 0;
    };
    // Waits at most timeoutMs for one datagram (a real time: for a datagram that must come, give
    // tsup::guardMs()).
    bool receive(Received *out, int timeoutMs)
    {
        struct pollfd p = {m_fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) != 1)
            return false;
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
        const ssize_t n = ::recvmsg(m_fd, &msg, 0);
        if (n < 0)
            return false;
        out->bytes = QByteArray(buffer, int(n));
        out->from = from.sin_addr.s_addr;
        out->port = ntohs(from.sin_port);
        for (struct cmsghdr *c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
            if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
                struct in_pktinfo info;
                memcpy(&info, CMSG_DATA(c), sizeof(info));
                out->dst = info.ipi_addr.s_addr;
                out->ifindex = info.ipi_ifindex;
            }
        }
        return true;
    }
    // Every datagram that arrives within windowMs (at most maxCount).
    QList<Received> receiveFor(int windowMs, int maxCount = 1000)
    {
        QList<Received> all;
        QElapsedTimer t;
        t.start();
        Received r;
        while (all.size() < maxCount && t.elapsed() < windowMs) {
            if (receive(&r, int(windowMs - t.elapsed())))
                all << r;
        }
        return all;
    }
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

// The packet type of a datagram (its first 4-byte item 0x01), or -1.
inline int packetType(const QByteArray &d)
{
    static const char header[8] = {0x12, 0x34, 0x56, 0x78, 'Q', 'U', 'E', 'N'};
    if (d.size() < 8 || memcmp(d.constData(), header, 8) != 0)
        return -1;
    for (int pos = 8; pos + 2 <= d.size();) {
        const int len = uint8_t(d[pos + 1]);
        if (pos + 2 + len > d.size())
            break;
        if (d[pos] == 0x01 && len == 4) {
            const auto *b = reinterpret_cast<const uint8_t *>(d.constData()) + pos + 2;
            return int(b[0] | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24);
        }
        pos += 2 + len;
    }
    return -1;
}

// Writes a simulated server scenario of COUNT units to PATH: unique MACs, names TAG00000...,
// addresses in 198.19.0.0/16, half of them on DHCP, every third one Ready (so the finder tests its
// web port, as on a real network). Returns false when the file cannot be written.
inline bool writeUnitScenario(const QString &path, int count, const char *tag)
{
    QJsonArray units;
    for (int i = 0; i < count; ++i) {
        QJsonObject u;
        u["mac"] = QString::asprintf("02:53:57:%02x:%02x:%02x", i / 65536, (i / 256) % 256, i % 256);
        u["name"] = QString::asprintf("%s%05d", tag, i);
        u["dhcp"] = i % 2;
        u["ip"] = QString::asprintf("198.19.%d.%d", i / 250, 1 + i % 250);
        u["mask"] = "255.255.0.0";
        u["gateway"] = "198.19.255.254";
        u["dns"] = "198.19.255.253";
        u["state"] = i % 3 == 0 ? 1 : 2;
        u["build"] = 1869 + i % 7;
        u["version"] = "4.1";
        u["modelName"] = "VS1510+";
        u["serial"] = QString::asprintf("%s%06d", tag, i).toUpper();
        units.append(u);
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(QJsonDocument(QJsonObject{{"units", units}}).toJson(QJsonDocument::Compact)) > 0;
}

// The receive buffer of this process's UDP socket bound to the port (as the kernel reports it),
// or -1: the socket is found by its inode in /proc/net/udp among this process's descriptors.
inline int receiveBufferOfPort(int port)
{
    QFile table(QStringLiteral("/proc/net/udp"));
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray needle = QStringLiteral(":%1").arg(port, 4, 16, QLatin1Char('0')).toUpper().toLatin1();
    QByteArray inode;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() > 9 && columns[1].endsWith(needle))
            inode = columns[9];
    }
    for (const QString &fd : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System | QDir::NoDotAndDotDot)) {
        if (inode.isEmpty() || QFile::symLinkTarget("/proc/self/fd/" + fd) != "/proc/self/fd/socket:[" + inode + "]")
            continue;
        int size = 0;
        socklen_t length = sizeof(size);
        if (getsockopt(fd.toInt(), SOL_SOCKET, SO_RCVBUF, &size, &length) == 0)
            return size;
    }
    return -1;
}

} // namespace bed

// main() of a bed test: outside the bed's client namespace nothing runs and the test reports
// itself skipped to CTest (exit 77), so it never sends anywhere else and never passes unrun.
#define BED_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QCoreApplication app(argc, argv);                                                         \
        QString why;                                                                              \
        if (!bed::active(&why)) {                                                                 \
            fprintf(stderr, "skipped: %s\n", qPrintable(why));                                   \
            return 77;                                                                            \
        }                                                                                         \
        TestObject tc;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        return QTest::qExec(&tc, argc, argv);                                                     \
    }

#endif // NETNSBED_H
