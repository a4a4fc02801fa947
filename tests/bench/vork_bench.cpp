// The benchmark's measuring program. Each command prints one line of "name value" pairs that
// run-bench.sh turns into the report; every figure comes with its baseline, measured in the same
// run on the same machine:
//
//   scenario FILE N        writes a simulated-server scenario of N units (search answers)
//   burst [--units N] [--debug FILE]
//                          in the namespace bed: the finder page and the discovery thread take one
//                          search's answers; rows listed at the next tick, answers received, and
//                          the GUI thread's longest stall against the same page idle
//   loop [--count N]       the listening loop's datagrams per second against a bare batch
//                          receive of the same datagrams (loopback of a private namespace)
//   reader [--seconds S]   the packet reader's answers per second against copying them
//   upload [--mib N]       the patch upload against a plain push of the same file (loopback)
//   photo [--mib N]        the photo upload against curl -T to the same simulated server
//   convert                the image and video converters against the same tool commands bare
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTimer>

#include <QImage>
#include <QMutex>
#include <QMutexLocker>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "CFindHostUDP.h"
#include "CImageConverter.h"
#include "CQuenTCP.h"
#include "CVideoConverter.h"
#include "CVorkFinderWindow.h"
#include "CVorkNasinfoMap.h"
#include "CVorkNasinfoModel.h"
#include "ToolBench.h"
#include "UploadFixture.h"
#include "VorkStartup.h"
#include "netinstalltest.h"
#include "netnsbed.h"
#include "fhost.h"

namespace {

// The value after `name` among the arguments, or the fallback.
QString option(const QStringList &args, const QString &name, const QString &fallback = QString())
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

// Runs the event loop until the condition holds or the time is up. The loop sleeps between
// events (a 10 ms timer wakes it to look at the condition), so it takes no time from the thread
// being measured.
bool spinUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QTimer wake;
    wake.start(10);
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The longest time the event loop of this thread went without running a 5 ms timer: how long the
// GUI thread was blocked at most.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 gap = m_clock.restart();
            if (gap > m_longest)
                m_longest = gap;
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    qint64 longest() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// ------------------------------------------------------------------------------------------------
// scenario

int cmdScenario(const QStringList &args)
{
    if (args.size() < 2)
        return 2;
    return bed::writeUnitScenario(args.at(0), args.at(1).toInt(), "Bench") ? 0 : 1;
}

// ------------------------------------------------------------------------------------------------
// burst

int cmdBurst(const QStringList &args)
{
    const int units = option(args, "--units", "1000").toInt();
    const QString debugFile = option(args, "--debug");
    if (!debugFile.isEmpty()) {
        qstrncpy(gszDebugFilePath, QFile::encodeName(debugFile).constData(), sizeof(gszDebugFilePath));
        gblDebug = true;
        startDebugLog();
    }
    qRegisterMetaType<NASINFO>("NASINFO");
    CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);

    // The finder page and the discovery thread, wired as the main window wires them.
    CVorkNasinfoMap map;
    CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
    thread.start();
    if (!thread.waitForListening(5000)) {
        printf("error not-listening\n");
        return 1;
    }
    CVorkFinderWindow page(nullptr, &map);
    QObject::connect(&thread, &CFindHostUDP::signalRecvPkt, &page, &CVorkFinderWindow::slotInsert);
    QObject::connect(&page, &CVorkFinderWindow::signalRefresh, [] { CFindHostUDP::sendPktBroadCastNoWait(); });
    page.resize(1200, 800);
    page.show();

    // Answers as they reach the GUI thread (the page's own intake keeps one row per unit).
    int answers = 0;
    QElapsedTimer sinceLast;
    sinceLast.start();
    QObject::connect(&thread, &CFindHostUDP::signalRecvPkt, &page, [&](NASINFO n) {
        if (n.ulPacketType == FHOST_PKT_BRESPONSE && n.ulFieldA6 != 120) {
            ++answers;
            sinceLast.restart();
        }
    });
    int ticks = 0;
    QObject::connect(page.m_ppgrbarRefresh, &QProgressBar::valueChanged, &page, [&](int) { ++ticks; });

    StallMeter meter;
    meter.start();
    spinUntil([] { return false; }, 1000);
    const qint64 idleStall = meter.longest();

    meter.start();
    page.slotRefreshTrigged();
    spinUntil([&] { return answers >= 2 * units && sinceLast.elapsed() > 300; }, 20000);
    // The first tick after the last answer shows what the table lists.
    const int tickAfter = ticks;
    spinUntil([&] { return ticks > tickAfter; }, 3000);
    // The meter sees a stall when its timer runs again after it.
    spinUntil([] { return false; }, 100);
    const qint64 stall = meter.longest();
    const int rows = page.m_ptableviewFinder->model() ? page.m_ptableviewFinder->model()->rowCount() : -1;

    printf("units %d listed %d answers %d expected %d stall_ms %lld idle_stall_ms %lld rcvbuf %d\n", units,
           rows, answers, 2 * units, stall, idleStall, bed::receiveBufferOfPort(9999));
    fflush(stdout);
    thread.terminate();
    return 0;
}

// ------------------------------------------------------------------------------------------------
// upload

// A TCP sink on 127.0.0.1 that takes one connection at a time and reads it to its end: the
// receiving side of both the patch upload and the plain push, as a process of its own (as the
// server is another machine), which reports each connection's byte count and end time.
class Sink
{
public:
    Sink()
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        struct sockaddr_in a;
        memset(&a, 0, sizeof(a));
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof(a));
        ::listen(fd, 4);
        socklen_t len = sizeof(a);
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len);
        m_port = ntohs(a.sin_port);
        int report[2];
        if (::pipe2(report, O_CLOEXEC) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(report[0]);
            static char buffer[1 << 20];
            for (;;) {
                const int c = ::accept(fd, nullptr, nullptr);
                if (c < 0)
                    _exit(0);
                qint64 total = 0;
                for (;;) {
                    const ssize_t n = ::recv(c, buffer, sizeof(buffer), 0);
                    if (n <= 0)
                        break;
                    total += n;
                }
                struct timespec ts;
                clock_gettime(CLOCK_MONOTONIC, &ts);
                const qint64 line[2] = {total, qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec};
                ::close(c);
                if (::write(report[1], line, sizeof(line)) != sizeof(line))
                    _exit(1);
            }
        }
        ::close(report[1]);
        ::close(fd);
        m_report = report[0];
    }
    ~Sink()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_report >= 0)
            ::close(m_report);
    }
    quint16 port() const { return m_port; }

    // Bytes the sink read of the last connection, and the monotonic clock at its end (ns).
    qint64 finish(qint64 *endNs)
    {
        qint64 line[2] = {-1, 0};
        if (m_report < 0 || ::read(m_report, line, sizeof(line)) != sizeof(line))
            return -1;
        *endNs = line[1];
        return line[0];
    }

private:
    quint16 m_port = 0;
    pid_t m_pid = -1;
    int m_report = -1;
};

qint64 monotonicNs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// The plain push: the 4-byte size and the file's bytes through a blocking socket, read in
// 1 MiB blocks. Nanoseconds until the sink has everything, or -1.
qint64 plainPush(Sink &sink, const QString &path, qint64 size)
{
    const qint64 start = monotonicNs();
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    struct sockaddr_in a;
    memset(&a, 0, sizeof(a));
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(sink.port());
    bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&a), sizeof(a)) == 0;
    const int in = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const unsigned char head[4] = {uchar(size >> 24), uchar(size >> 16), uchar(size >> 8), uchar(size)};
    ok = ok && in >= 0 && ::send(s, head, 4, MSG_NOSIGNAL) == 4;
    std::vector<char> buffer(1 << 20);
    while (ok) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n <= 0)
            break;
        for (ssize_t off = 0; ok && off < n;) {
            const ssize_t w = ::send(s, buffer.data() + off, size_t(n - off), MSG_NOSIGNAL);
            ok = w > 0;
            off += w > 0 ? w : 0;
        }
    }
    if (in >= 0)
        ::close(in);
    ::close(s);
    qint64 end = 0;
    const qint64 received = sink.finish(&end);
    return ok && received == size + 4 ? end - start : -1;
}

// The program's patch upload to the same sink. Nanoseconds until the sink has everything, or -1.
qint64 patchUpload(Sink &sink, const QString &path, qint64 size)
{
    const qint64 start = monotonicNs();
    bool ok;
    {
        CQuenTCP tcp;
        ok = tcp.connectToHost(QStringLiteral("127.0.0.1"), sink.port()) == 0 && tcp.sendFilePkt(path) == 0;
        tcp.close();
    }
    qint64 end = 0;
    const qint64 received = sink.finish(&end);
    return ok && received == size + 4 ? end - start : -1;
}

int cmdUpload(const QStringList &args)
{
    const qint64 size = option(args, "--mib", "256").toLongLong() << 20;
    const int rounds = option(args, "--rounds", "7").toInt();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VNO_BENCH_9999.pat"));
    if (!dir.isValid() || !nit::writePatchFile(path, size)) {
        printf("error no-file\n");
        return 1;
    }
    Sink sink;
    // The best of several rounds of each, taken in turns.
    qint64 push = -1;
    qint64 upload = -1;
    plainPush(sink, path, size); // brings the file into the page cache
    for (int round = 0; round < rounds; ++round) {
        const qint64 p = plainPush(sink, path, size);
        const qint64 u = patchUpload(sink, path, size);
        if (p < 0 || u < 0) {
            printf("error transfer\n");
            return 1;
        }
        push = push < 0 ? p : std::min(push, p);
        upload = upload < 0 ? u : std::min(upload, u);
    }
    const double mb = double(size + 4) / 1e6;
    printf("mib %lld upload_mbs %.0f push_mbs %.0f ratio %.2f\n", size >> 20, mb / (double(upload) / 1e9),
           mb / (double(push) / 1e9), double(push) / double(upload));
    return 0;
}

// ------------------------------------------------------------------------------------------------
// reader and loop

// A log context that writes nothing.
FHOSTLOGCTX *silentLog()
{
    static FHOSTLOGCTX ctx;
    memset(&ctx, 0, sizeof(ctx));
    return &ctx;
}

// A search answer as a unit sends it, with the items the benchmark's units carry.
QByteArray typicalAnswer()
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    n.ulFindHostVersion = 0x01020000;
    qstrncpy(n.szMac, "02:53:57:00:01:02", sizeof(n.szMac));
    qstrncpy(n.szServerName, "Bench00258", sizeof(n.szServerName));
    n.ulDHCP = 1;
    n.ulIP = htonl(0xc6130109);
    n.ulMask = htonl(0xffff0000);
    n.ulGateway = htonl(0xc613fffe);
    n.ulDNS = htonl(0xc613fffd);
    n.ulConfigured = 2;
    n.ulBuild = 1871;
    qstrncpy(n.szVersion, "4.1", sizeof(n.szVersion));
    qstrncpy(n.szModelName, "VS1510+", sizeof(n.szModelName));
    qstrncpy(n.szSerialNum, "BENCH000258", sizeof(n.szSerialNum));
    qstrncpy(n.szSrcNICMac, "02:00:c6:12:00:01", sizeof(n.szSrcNICMac));
    n.ulRemoteIP = htonl(0xc6120001);
    FHOSTSEND send;
    memset(&send, 0, sizeof(send));
    send.pnasInfo = &n;
    FHOSTSendAddIds(silentLog(), &send, 0x01, 0xa4, 0x19, 0x11, 0x10, 0x12, 0x13, 0x14, 0x15, 0xa7, 0x49, 0x77,
                    0x78, 0xc0, 0x7c, 0x1e, 0);
    int capacity = FHOST_UDP_BUF_LEN;
    char *buffer = static_cast<char *>(malloc(size_t(capacity)));
    const int length = FHOSTPacketWrite(silentLog(), &buffer, &capacity, &send);
    const QByteArray bytes = length > 0 ? QByteArray(buffer, length) : QByteArray();
    free(buffer);
    return bytes;
}

int cmdReader(const QStringList &args)
{
    const double seconds = option(args, "--seconds", "2").toDouble();
    const QByteArray answer = typicalAnswer();
    std::unique_ptr<NASINFO> record(new NASINFO);
    // The packet reader: answers read into a record per second.
    qint64 read = 0;
    QElapsedTimer t;
    t.start();
    while (t.nsecsElapsed() < qint64(seconds * 1e9)) {
        for (int i = 0; i < 1000; ++i)
            if (FHOSTPacketRead(silentLog(), answer.constData(), answer.size(), record.get()) > 0)
                ++read;
    }
    const double readPps = double(read) / (double(t.nsecsElapsed()) / 1e9);
    // The least any reader does: clear the record and take the answer's bytes.
    qint64 copied = 0;
    t.restart();
    while (t.nsecsElapsed() < qint64(seconds * 1e9)) {
        for (int i = 0; i < 1000; ++i) {
            memset(record.get(), 0, sizeof(NASINFO));
            memcpy(record.get(), answer.constData(), size_t(answer.size()));
            __asm__ volatile("" : : "r"(record.get()) : "memory");
            ++copied;
        }
    }
    const double copyPps = double(copied) / (double(t.nsecsElapsed()) / 1e9);
    printf("answer_bytes %d reader_pps %.0f copy_pps %.0f ratio %.2f\n", answer.size(), readPps, copyPps,
           readPps / copyPps);
    return 0;
}

// Sends `count` copies of the datagram to 127.0.0.1:port from `threads` threads at once, in
// batches of 64 per call.
void flood(const QByteArray &datagram, int count, quint16 port, int threads)
{
    std::vector<std::thread> senders;
    for (int k = 0; k < threads; ++k) {
        senders.emplace_back([&, k] {
            const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
            struct sockaddr_in to;
            memset(&to, 0, sizeof(to));
            to.sin_family = AF_INET;
            to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            to.sin_port = htons(port);
            struct iovec iov = {const_cast<char *>(datagram.constData()), size_t(datagram.size())};
            struct mmsghdr msgs[64];
            memset(msgs, 0, sizeof(msgs));
            for (struct mmsghdr &m : msgs) {
                m.msg_hdr.msg_name = &to;
                m.msg_hdr.msg_namelen = sizeof(to);
                m.msg_hdr.msg_iov = &iov;
                m.msg_hdr.msg_iovlen = 1;
            }
            int left = count / threads + (k < count % threads ? 1 : 0);
            while (left > 0) {
                const int n = ::sendmmsg(fd, msgs, unsigned(std::min(left, 64)), 0);
                if (n <= 0)
                    break;
                left -= n;
            }
            ::close(fd);
        });
    }
    for (std::thread &t : senders)
        t.join();
}

// Counts arrivals and the time from the first to the last.
struct Arrivals {
    std::atomic<qint64> count{0};
    std::atomic<qint64> firstNs{0};
    std::atomic<qint64> lastNs{0};
    void note(qint64 n, qint64 nowNs)
    {
        qint64 zero = 0;
        firstNs.compare_exchange_strong(zero, nowNs);
        lastNs = nowNs;
        count += n;
    }
    // Waits until nothing has arrived for 300 ms (at most 30 s).
    void settle()
    {
        qint64 seen = -1;
        for (int i = 0; i < 100 && seen != count.load(); ++i) {
            seen = count.load();
            QThread::msleep(300);
        }
    }
    double perSecond() const
    {
        const qint64 span = lastNs - firstNs;
        return span > 0 ? double(count - 1) / (double(span) / 1e9) : 0.0;
    }
};

int cmdLoop(const QStringList &args)
{
    const int count = option(args, "--count", "200000").toInt();
    const int threads = option(args, "--senders", "4").toInt();
    const QByteArray answer = typicalAnswer();
    qRegisterMetaType<NASINFO>("NASINFO");
    CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);

    // The program's discovery thread: records counted where the receivers get them.
    Arrivals program;
    {
        CFindHostUDP listener(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        QObject receiver;
        QObject::connect(&listener, &CFindHostUDP::signalRecvPkt, &receiver,
                         [&program](NASINFO) { program.note(1, monotonicNs()); }, Qt::DirectConnection);
        listener.start();
        if (!listener.waitForListening(5000)) {
            printf("error not-listening\n");
            return 1;
        }
        flood(answer, count, 9999, threads);
        program.settle();
        listener.terminate();
    }

    // The baseline: a bare socket with the same receive buffer, drained in batches, nothing read.
    Arrivals bare;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const int want = FHOST_UDP_RCVBUF_WANT;
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &want, sizeof(want)) < 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &want, sizeof(want));
    struct sockaddr_in a;
    memset(&a, 0, sizeof(a));
    a.sin_family = AF_INET;
    a.sin_port = htons(9999);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof(a)) != 0) {
        printf("error bind\n");
        return 1;
    }
    std::atomic<bool> stop{false};
    std::thread drain([&] {
        static char buffers[64][FHOST_UDP_BUF_LEN];
        struct iovec iov[64];
        struct mmsghdr msgs[64];
        memset(msgs, 0, sizeof(msgs));
        for (int i = 0; i < 64; ++i) {
            iov[i] = {buffers[i], sizeof(buffers[i])};
            msgs[i].msg_hdr.msg_iov = &iov[i];
            msgs[i].msg_hdr.msg_iovlen = 1;
        }
        while (!stop.load()) {
            struct pollfd pfd = {fd, POLLIN, 0};
            if (::poll(&pfd, 1, 100) < 1)
                continue;
            int n;
            while ((n = ::recvmmsg(fd, msgs, 64, MSG_DONTWAIT, nullptr)) > 0)
                bare.note(n, monotonicNs());
        }
    });
    flood(answer, count, 9999, threads);
    bare.settle();
    stop = true;
    drain.join();
    ::close(fd);

    printf("sent %d answer_bytes %d loop_pps %.0f loop_received %lld bare_pps %.0f bare_received %lld\n", count,
           answer.size(), program.perSecond(), program.count.load(), bare.perSecond(), bare.count.load());
    return 0;
}

// ------------------------------------------------------------------------------------------------
// photo

int cmdPhoto(const QStringList &args)
{
    const int files = option(args, "--files", "4").toInt();
    const qint64 size = option(args, "--mib", "64").toLongLong() << 20;
    const int rounds = option(args, "--rounds", "3").toInt();
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        printf("error no-curl\n");
        return 1;
    }
    SimPhotoServer sim(QStringLiteral(VORK_SIMSERVER_BIN));
    QString error;
    if (!sim.start(&error)) {
        printf("error simserver %s\n", qPrintable(error));
        return 1;
    }
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < files; ++i) {
        paths << dir.filePath(QStringLiteral("bench_%1.bin").arg(i));
        if (!nit::writePatchFile(paths.last(), size)) {
            printf("error no-file\n");
            return 1;
        }
    }
    const QString url = QStringLiteral("http://127.0.0.1:%1/photo/include/vork_file_upload.php").arg(sim.port());

    auto storedAll = [&] { return sim.files().size() == files; };
    qint64 program = -1;
    qint64 bare = -1;
    for (int round = 0; round < rounds; ++round) {
        // The program's upload worker, as the photo page runs it.
        sim.command(QStringLiteral("photo reset"));
        sim.forgetRequests();
        qint64 ns = -1;
        {
            UploadSetup setup(&sim);
            if (!setup.login())
                return 1;
            for (const QString &path : paths)
                setup.addRow(path);
            QElapsedTimer t;
            t.start();
            setup.start();
            if (setup.waitDone(600000) && setup.failed.isEmpty() && storedAll())
                ns = t.nsecsElapsed();
        }
        // curl -T with the same headers, one connection for all files.
        sim.command(QStringLiteral("photo reset"));
        sim.forgetRequests();
        const QString session = sim.ok(QStringLiteral("photo session open admin"));
        QStringList curlArgs;
        for (int i = 0; i < files; ++i) {
            if (i > 0)
                curlArgs << QStringLiteral("--next");
            curlArgs << "-s" << "-S" << "-f" << "-o" << "/dev/null" << "-T" << paths.at(i) << "-H"
                     << "Expect:" << "-H" << "Cookie: PHPSESSID=" + session << "-H" << "X-PATH:  Trip" << "-H"
                     << "X-DUPLICATE: RENAME" << "-H" << "X-ORIG-FNAME:  " + QFileInfo(paths.at(i)).fileName()
                     << "-H" << "X-UPLOAD-TYPE: ORIG_FILE" << "-H" << "X-IS-BATCH-FIRST-FILE: 1" << "-H"
                     << "X-IS-BATCH-LAST-FILE: 1" << url;
        }
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer t;
        t.start();
        p.start(curl, curlArgs);
        const bool curlOk = p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        const qint64 curlNs = curlOk && storedAll() ? t.nsecsElapsed() : -1;
        if (ns < 0 || curlNs < 0) {
            printf("error upload program %lld curl %lld\n", ns, curlNs);
            return 1;
        }
        program = program < 0 ? ns : std::min(program, ns);
        bare = bare < 0 ? curlNs : std::min(bare, curlNs);
    }
    sim.command(QStringLiteral("photo reset"));
    const double mb = double(size * files) / 1e6;
    printf("files %d mib %lld upload_mbs %.0f curl_mbs %.0f ratio %.2f\n", files, size >> 20,
           mb / (double(program) / 1e9), mb / (double(bare) / 1e9), double(bare) / double(program));
    return 0;
}

// ------------------------------------------------------------------------------------------------
// convert

QMutex g_toolLock;
QStringList g_toolLines;
QtMessageHandler g_previousHandler = nullptr;

void captureToolLines(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("src/PhotoUploader/"))) {
        QMutexLocker lock(&g_toolLock);
        g_toolLines << message;
        return;
    }
    g_previousHandler(type, context, message);
}

QStringList takeToolLines()
{
    QMutexLocker lock(&g_toolLock);
    const QStringList lines = g_toolLines;
    g_toolLines.clear();
    return lines;
}

// The tool runs a converter logged: each "Program: " line and the argument line after it. The
// benchmark's paths hold no blanks, so the argument text splits back into the arguments.
QList<QPair<QString, QStringList>> loggedRuns(const QStringList &lines)
{
    QList<QPair<QString, QStringList>> runs;
    QString program;
    for (const QString &line : lines) {
        const int open = line.indexOf(QLatin1String("=["));
        if (open < 0 || !line.endsWith(QLatin1String("]\n")))
            continue;
        const QString value = line.mid(open + 2, line.size() - open - 4);
        const int at = value.indexOf(QLatin1String("Program: "));
        if (at >= 0) {
            program = value.mid(at + 9);
        } else if (!program.isEmpty()) {
            runs << qMakePair(program, value.split(QLatin1Char(' '), Qt::SkipEmptyParts));
            program.clear();
        }
    }
    return runs;
}

// Runs the tool commands one after the other in `workDir`; nanoseconds, or -1 when one failed.
// A command that reads its picture from standard input ("-") gets `input` there, as the converter
// gives it; the others read nothing.
qint64 runBare(const QList<QPair<QString, QStringList>> &runs, const QString &workDir, const QString &input)
{
    QElapsedTimer t;
    t.start();
    for (const auto &run : runs) {
        QProcess p;
        p.setWorkingDirectory(workDir);
        p.setStandardInputFile(run.second.contains(QStringLiteral("-")) ? input : QProcess::nullDevice());
        p.start(run.first, run.second);
        if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
    }
    return t.nsecsElapsed();
}

// One converter against its own tool runs started bare, the best of `rounds` each. `convert`
// runs the converter into the given folder and returns false on a failure.
bool compareWithBare(const std::function<bool(const QString &)> &convert, const QString &source,
                     const QString &workBase, int rounds, qint64 *converterNs, qint64 *bareNs, int *runCount)
{
    *converterNs = -1;
    *bareNs = -1;
    for (int round = 0; round < rounds; ++round) {
        const QString work = workBase + QString::number(round);
        QDir().mkpath(work);
        takeToolLines();
        QElapsedTimer t;
        t.start();
        if (!convert(work))
            return false;
        const qint64 c = t.nsecsElapsed();
        const QList<QPair<QString, QStringList>> runs = loggedRuns(takeToolLines());
        *runCount = runs.size();
        const qint64 b = runBare(runs, work, source);
        if (runs.isEmpty() || b < 0)
            return false;
        *converterNs = *converterNs < 0 ? c : std::min(*converterNs, c);
        *bareNs = *bareNs < 0 ? b : std::min(*bareNs, b);
    }
    return true;
}

int cmdConvert(const QStringList &args)
{
    const int rounds = option(args, "--rounds", "3").toInt();
    ToolBench tools;
    QString error;
    if (!tools.clear() || !tools.installReal(QStringList(), &error)) {
        printf("error tools %s\n", qPrintable(error));
        return 1;
    }
    g_previousHandler = qInstallMessageHandler(captureToolLines);
    QTemporaryDir dir;

    // A 4000x3000 photo, uploaded: the five thumbnails.
    const QString photo = dir.filePath(QStringLiteral("land.jpg"));
    if (!ToolBench::writePhoto(photo, 4000, 3000))
        return 1;
    qint64 imageNs = 0, imageBareNs = 0;
    int imageRuns = 0;
    const bool imageOk = compareWithBare(
        [&](const QString &work) {
            CImageConverter converter(photo, work, false, 7);
            QSignalSpy failed(&converter, &CImageConverter::signalPhotoConvertError);
            converter.start();
            return converter.wait(300000) && failed.isEmpty();
        },
        photo, dir.filePath(QStringLiteral("image")), rounds, &imageNs, &imageBareNs, &imageRuns);

    // A 5 s clip with sound, uploaded in four profiles.
    const QString clip = dir.filePath(QStringLiteral("clip.mp4"));
    QProcess make;
    make.start(QStringLiteral("/usr/bin/ffmpeg"),
               {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=5:size=320x240:rate=25", "-f", "lavfi",
                "-i", "sine=frequency=440:duration=5", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", clip});
    if (!make.waitForFinished(120000) || make.exitCode() != 0) {
        printf("error no-clip\n");
        return 1;
    }
    qint64 videoNs = 0, videoBareNs = 0;
    int videoRuns = 0;
    const bool videoOk = compareWithBare(
        [&](const QString &work) {
            CVideoConverter converter(nullptr, clip, work, {2, 1, 0, 3}, false, 7);
            QSignalSpy failed(&converter, &CVideoConverter::signalVideoConvertError);
            converter.start();
            return converter.wait(600000) && failed.isEmpty();
        },
        clip, dir.filePath(QStringLiteral("video")), rounds, &videoNs, &videoBareNs, &videoRuns);
    qInstallMessageHandler(g_previousHandler);
    if (!imageOk || !videoOk) {
        printf("error conversion image %d video %d\n", int(imageOk), int(videoOk));
        return 1;
    }
    printf("image_ms %lld image_bare_ms %lld image_runs %d video_ms %lld video_bare_ms %lld video_runs %d\n",
           imageNs / 1000000, imageBareNs / 1000000, imageRuns, videoNs / 1000000, videoBareNs / 1000000, videoRuns);
    return 0;
}

} // namespace

// The program's debug lines would only fill the report; warnings still show.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: vork_bench scenario|burst|loop|reader|upload|photo|convert [options]\n");
        return 2;
    }
    for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY",
                             "no_proxy", "NO_PROXY"})
        qunsetenv(name);
    // No display is needed: the page is measured off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    qInstallMessageHandler(quietMessages);
    QStringList args = app.arguments().mid(1);
    const QString command = args.takeFirst();
    if (command == QLatin1String("scenario"))
        return cmdScenario(args);
    if (command == QLatin1String("burst"))
        return cmdBurst(args);
    if (command == QLatin1String("upload"))
        return cmdUpload(args);
    if (command == QLatin1String("reader"))
        return cmdReader(args);
    if (command == QLatin1String("loop"))
        return cmdLoop(args);
    if (command == QLatin1String("photo"))
        return cmdPhoto(args);
    if (command == QLatin1String("convert"))
        return cmdConvert(args);
    fprintf(stderr, "unknown command %s\n", qPrintable(command));
    return 2;
}
