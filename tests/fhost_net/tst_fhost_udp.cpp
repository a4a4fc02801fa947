// The transport on real sockets, in the client namespace of a two-link bed with the simulated
// server (default scenario, two units) in the server namespace: what the broadcast puts on the
// wire, and what the listening loop hands to its callbacks, when, and in which order.
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QtTest>

#include <atomic>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

#include "../fhost_packet/fhostlogcapture.h"
#include "fhost.h"
#include "netnsbed.h"

namespace {

const char *const kMacVc0 = "02:00:c6:12:00:01";
const char *const kMacVc1 = "02:00:c6:12:01:01";

// Callback state of the listening loop (plain function pointers, so plain globals).
struct Loop {
    static std::atomic<int> filterCalls, handlerCalls, lockOn, lockOff, progressCalls;
    static std::atomic<int> stopAfterHandled; // stop once this many were handled (0: never)
    static std::atomic<bool> stopNow;
    static std::atomic<int> stopsSeen;        // stop tests that answered stopNow
    static std::atomic<int> filterResult;     // what the filter answers for answers (type 2)
    static std::atomic<bool> lockHeld, lockOrderBroken;
    static std::atomic<long long> deadlineMs; // stop anyway at this epoch time
    static QList<NASINFO> records;            // written on the loop's thread only while it runs
    static QList<QPair<int, int>> progress;   // (timeout, elapsed)
    static std::atomic<bool> sendStop;
    static std::atomic<int> firstHandlerDelayMs; // the first handled record takes this long

    static void reset()
    {
        firstHandlerDelayMs = 0;
        filterCalls = handlerCalls = lockOn = lockOff = progressCalls = 0;
        stopAfterHandled = 0;
        stopNow = false;
        stopsSeen = 0;
        filterResult = 1;
        lockHeld = lockOrderBroken = false;
        deadlineMs = QDateTime::currentMSecsSinceEpoch() + 20000;
        records.clear();
        progress.clear();
        sendStop = false;
    }
    static int filter(NASINFO *p)
    {
        filterCalls++;
        if (lockHeld)
            lockOrderBroken = true;
        return p->ulPacketType == FHOST_PKT_BRESPONSE ? filterResult.load() : 0;
    }
    static int handler(NASINFO *p)
    {
        if (!lockHeld)
            lockOrderBroken = true;
        records << *p;
        if (handlerCalls++ == 0 && firstHandlerDelayMs > 0)
            QThread::msleep(ulong(firstHandlerDelayMs.load()));
        return 0;
    }
    static int lock(int on)
    {
        if (on) {
            if (lockHeld)
                lockOrderBroken = true;
            lockHeld = true;
            lockOn++;
        } else {
            if (!lockHeld)
                lockOrderBroken = true;
            lockHeld = false;
            lockOff++;
        }
        return 0;
    }
    static void onProgress(int timeout, int elapsed, int reserved)
    {
        progressCalls++;
        progress << qMakePair(timeout, elapsed);
        if (reserved != 0)
            lockOrderBroken = true;
    }
    static int stop()
    {
        if (stopNow) {
            stopsSeen++;
            return 1;
        }
        if (stopAfterHandled > 0 && handlerCalls >= stopAfterHandled)
            return 1;
        return QDateTime::currentMSecsSinceEpoch() > deadlineMs ? 1 : 0;
    }
    static int stopSend() { return sendStop ? 1 : 0; }
};
std::atomic<int> Loop::filterCalls, Loop::handlerCalls, Loop::lockOn, Loop::lockOff, Loop::progressCalls;
std::atomic<int> Loop::stopAfterHandled, Loop::filterResult, Loop::stopsSeen;
std::atomic<bool> Loop::stopNow, Loop::lockHeld, Loop::lockOrderBroken, Loop::sendStop;
std::atomic<int> Loop::firstHandlerDelayMs;
std::atomic<long long> Loop::deadlineMs;
QList<NASINFO> Loop::records;
QList<QPair<int, int>> Loop::progress;

int countOpenFds()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size();
}

} // namespace

class TestUdp : public QObject
{
    Q_OBJECT

    LogCapture m_log;
    bed::SimControl m_ctl;
    NASINFO m_nas;
    FHOSTSEND m_send;
    FHOSTCONN m_sendConn;
    FHOSTCONN m_listen;
    FHOSTRECV m_recv;
    int m_mark = 0;

    // A fresh search request: type 1 and the protocol version.
    void newSearch()
    {
        memset(&m_nas, 0, sizeof(m_nas));
        memset(&m_send, 0, sizeof(m_send));
        m_send.pnasInfo = &m_nas;
        m_nas.ulPacketType = FHOST_PKT_QUERY;
        m_nas.ulFindHostVersion = FHOST_FINDHOST_VERSION;
        FHOSTSendAddIds(&m_log.ctx, &m_send, 0x01, 0xa4, 0);
        memset(&m_sendConn, 0, sizeof(m_sendConn));
        qstrcpy(m_sendConn.szAddr, "255.255.255.255");
        m_sendConn.usPort = 9999;
        m_sendConn.nTimeout = 4;
        m_sendConn.pLogCtx = &m_log.ctx;
    }
    void newListen(int timeout)
    {
        memset(&m_listen, 0, sizeof(m_listen));
        qstrcpy(m_listen.szAddr, "0.0.0.0");
        m_listen.usPort = 9999;
        m_listen.nTimeout = timeout;
        m_listen.pfnStop = Loop::stop;
        m_listen.pLogCtx = &m_log.ctx;
        memset(&m_recv, 0, sizeof(m_recv));
        m_recv.pfnLock = Loop::lock;
        m_recv.pfnFilter = Loop::filter;
        m_recv.pfnHandler = Loop::handler;
        m_recv.pfnProgress = Loop::onProgress;
    }
    // Puts a mark into the capture; captured() returns the datagrams after the latest mark.
    void mark()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("mark m%1").arg(++m_mark)), QStringLiteral("ok"));
    }
    QList<QJsonObject> captured()
    {
        QList<QJsonObject> out;
        for (const QJsonObject &o : bed::captureLines()) {
            if (o.value(QLatin1String("mark")).toString() == QStringLiteral("m%1").arg(m_mark))
                out.clear();
            else if (o.contains(QLatin1String("raw")))
                out << o;
        }
        return out;
    }
    // Waits (bounded) until the capture holds n datagrams after the mark.
    QList<QJsonObject> waitCaptured(int n, int timeoutMs = 3000)
    {
        QElapsedTimer t;
        t.start();
        QList<QJsonObject> lines = captured();
        while (lines.size() < n && t.elapsed() < tsup::guardMs(timeoutMs)) {
            QTest::qWait(50);
            lines = captured();
        }
        return lines;
    }
    static QByteArray rawOf(const QJsonObject &o) { return QByteArray::fromHex(o.value("raw").toString().toLatin1()); }

private slots:
    void initTestCase() { QVERIFY(m_ctl.connect()); }

    void init()
    {
        m_log.clear();
        Loop::reset();
        QCOMPARE(m_ctl.command(QStringLiteral("discovery mute off")), QStringLiteral("ok"));
    }

    // One request, two active links: three datagrams, each copy naming its link's MAC.
    void broadcastOnEveryLink()
    {
        newSearch();
        mark();
        QCOMPARE(FHOSTUDPBroadcastQuery(&m_sendConn, &m_send), 0);
        const QList<QJsonObject> lines = waitCaptured(3);
        QTest::qWait(300);
        QCOMPARE(captured().size(), 3);

        const QByteArray first = bed::hex("12345678 5155454e 01 04 01000000 a4 04 00000201 7c 11") + kMacVc0;
        const QByteArray second = bed::hex("12345678 5155454e 01 04 01000000 a4 04 00000201 7c 11") + kMacVc1 +
                                  bed::hex("7c 11") + kMacVc1;
        QCOMPARE(lines[0].value("src").toString(), QStringLiteral("198.18.0.1"));
        QCOMPARE(lines[0].value("sport").toInt(), 1234);
        QCOMPARE(lines[0].value("iface").toString(), QStringLiteral("vs0"));
        QCOMPARE(lines[0].value("dst").toString(), QStringLiteral("255.255.255.255"));
        QCOMPARE(rawOf(lines[0]).toHex(), first.toHex());

        QCOMPARE(lines[1].value("src").toString(), QStringLiteral("198.18.1.1"));
        QCOMPARE(lines[1].value("sport").toInt(), 1234);
        QCOMPARE(lines[1].value("iface").toString(), QStringLiteral("vs1"));
        QCOMPARE(lines[1].value("dst").toString(), QStringLiteral("255.255.255.255"));
        QCOMPARE(rawOf(lines[1]).toHex(), second.toHex());

        // The unbound copy: the same bytes from a port the system chose.
        QCOMPARE(rawOf(lines[2]).toHex(), second.toHex());
        QVERIFY(lines[2].value("sport").toInt() != 1234);
        QCOMPARE(lines[2].value("dst").toString(), QStringLiteral("255.255.255.255"));

        // The request grew by one 0x7c per active interface.
        QCOMPARE(m_send.nPktID, 4);
        QCOMPARE(QByteArray(m_nas.szSrcNICMac), QByteArray(kMacVc1));
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ FHOSTIfaceInit number of interafce: 2\\n$"), 1);
        QCOMPARE(m_log.count(), 1);

        // Sent again, the same request carries one more 0x7c per copy.
        mark();
        QCOMPARE(FHOSTUDPBroadcastQuery(&m_sendConn, &m_send), 0);
        const QList<QJsonObject> again = waitCaptured(3);
        QCOMPARE(again.size(), 3);
        QByteArray thirdRound = second + bed::hex("7c 11") + kMacVc0;
        QCOMPARE(rawOf(again[0]).toHex(), thirdRound.replace(kMacVc1, kMacVc0).toHex());
        QCOMPARE(m_send.nPktID, 6);
    }

    void boundAndUnicastSends()
    {
        NETIF rg[FHOST_IFACE_MAX];
        memset(rg, 0, sizeof(rg));
        QCOMPARE(FHOSTIfaceInit(&m_log.ctx, rg, FHOST_IFACE_MAX), 2);
        FHOSTCONN conn;
        memset(&conn, 0, sizeof(conn));
        qstrcpy(conn.szAddr, "198.18.1.2");
        conn.usPort = 9999;
        const QByteArray bytes = bed::hex("12345678 5155454e 01 04 04000000");
        mark();
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, bytes.constData(), bytes.size(), &conn, &rg[1], 1), bytes.size());
        qstrcpy(conn.szAddr, "198.18.0.2");
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, bytes.constData(), bytes.size(), &conn, &rg[0], 0), bytes.size());
        const QList<QJsonObject> lines = waitCaptured(2);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].value("src").toString(), QStringLiteral("198.18.1.1"));
        QCOMPARE(lines[0].value("sport").toInt(), 1234);
        QCOMPARE(lines[0].value("dst").toString(), QStringLiteral("198.18.1.2"));
        QCOMPARE(rawOf(lines[0]), bytes);
        QCOMPARE(lines[1].value("dst").toString(), QStringLiteral("198.18.0.2"));
        QVERIFY(lines[1].value("sport").toInt() != 1234);

        // Bound to an address that is not this host's: the bind fails, the socket is closed.
        const int fds = countOpenFds();
        rg[1].ulIP = bed::addr("198.18.7.1");
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, bytes.constData(), bytes.size(), &conn, &rg[1], 1), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ bind\\(sockfd=\\d+, brdcast\\.sin_addr\\.s_addr = \\d+\\) "
                                   "error!! error: 99 \\[Cannot assign requested address\\]\\n$"), 1);
        rg[1].ulIP = 0;
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, bytes.constData(), bytes.size(), &conn, &rg[1], 1), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ fail to init Iface \\[vc1\\] src addr \\[0\\]\\n$"), 1);
        QCOMPARE(countOpenFds(), fds);
    }

    // Every link without an address: listed, inactive, nothing built, nothing sent, and -1.
    void noActiveInterface()
    {
        newSearch();
        mark();
        QCOMPARE(bed::ip({"addr", "flush", "dev", "vc0"}), 0);
        QCOMPARE(bed::ip({"addr", "flush", "dev", "vc1"}), 0);
        const int ret = FHOSTUDPBroadcastQuery(&m_sendConn, &m_send);
        QCOMPARE(bed::ip({"addr", "add", "198.18.0.1/24", "brd", "+", "dev", "vc0"}), 0);
        QCOMPARE(bed::ip({"addr", "add", "198.18.1.1/24", "brd", "+", "dev", "vc1"}), 0);
        QCOMPARE(bed::ip({"route", "replace", "default", "via", "198.18.0.2", "dev", "vc0"}), 0);
        QCOMPARE(ret, -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ get physical interface error or no interface\\n$"), 1);
        QCOMPARE(m_send.nPktID, 2);
        QTest::qWait(500);
        QCOMPARE(captured().size(), 0);
    }

    // A send list with room for one more 0x7c only: the first copy goes, then -1; no copy
    // ever leaves without its interface's MAC.
    void fullSendListStops()
    {
        newSearch();
        while (m_send.nPktID < FHOST_SEND_MAX_IDS - 1)
            m_send.ids[m_send.nPktID++] = 0xa4;
        mark();
        QCOMPARE(FHOSTUDPBroadcastQuery(&m_sendConn, &m_send), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ fail to create output-packet content\\.\\n$"), 1);
        waitCaptured(1);
        QTest::qWait(500);
        const QList<QJsonObject> lines = captured();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].value("src").toString(), QStringLiteral("198.18.0.1"));
        QVERIFY(rawOf(lines[0]).endsWith(bed::hex("7c 11") + kMacVc0));
    }

    void stopTestEndsBroadcast()
    {
        newSearch();
        m_sendConn.pfnStop = Loop::stopSend;
        Loop::sendStop = true;
        mark();
        QCOMPARE(FHOSTUDPBroadcastQuery(&m_sendConn, &m_send), -1);
        QTest::qWait(500);
        QCOMPARE(captured().size(), 0);
        QCOMPARE(m_send.nPktID, 2);
    }

    // One search broadcast at the loop's start; each unit answers every copy.
    void answersReachTheHandler()
    {
        newSearch();
        m_sendConn.nTimeout = -1;
        newListen(-1);
        Loop::stopAfterHandled = 6;
        mark();
        QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, &m_sendConn, &m_send), 0);
        QCOMPARE(Loop::handlerCalls.load(), 6);
        QCOMPARE(waitCaptured(3).size(), 3); // one broadcast: three copies
        QVERIFY(!Loop::lockOrderBroken);
        QCOMPARE(Loop::lockOn.load(), 6);
        QCOMPARE(Loop::lockOff.load(), 6);
        // The loop also hears its own searches (type 1); the filter saw them and dropped them.
        QVERIFY(Loop::filterCalls.load() >= 6 + 3);

        int perUnit[2] = {0, 0};
        // Which copy each answer was for: the MAC the copy carried and where it came from.
        QMap<QString, int> copies;
        for (const NASINFO &r : Loop::records) {
            QCOMPARE(r.ulPacketType, uint32_t(FHOST_PKT_BRESPONSE));
            QCOMPARE(r.ulFindHostVersion, 0x01020000u);
            copies[QString::fromLatin1(r.szSrcNICMac) + QLatin1Char(' ') + bed::addrText(r.ulRemoteIP)]++;
            if (QByteArray(r.szMac) == "02:53:56:00:00:01") {
                perUnit[0]++;
                QCOMPARE(QByteArray(r.szServerName), QByteArray("VarnestorOne"));
                QCOMPARE(r.ulDHCP, 0u);
                QCOMPARE(bed::addrText(r.ulIP), QStringLiteral("198.18.0.10"));
                QCOMPARE(bed::addrText(r.ulMask), QStringLiteral("255.255.255.0"));
                QCOMPARE(bed::addrText(r.ulGateway), QStringLiteral("198.18.0.254"));
                QCOMPARE(bed::addrText(r.ulDNS), QStringLiteral("198.18.0.53"));
                QCOMPARE(r.ulConfigured, uint32_t(FHOSTQC_DONE));
                QCOMPARE(r.ulBuild, 1869u);
                QCOMPARE(r.ulUpdate, 3u);
                QCOMPARE(QByteArray(r.szVersion), QByteArray("2.2"));
                QCOMPARE(QByteArray(r.szModelId), QByteArray("vs_1510p"));
                QCOMPARE(QByteArray(r.szModelName), QByteArray("VS1510+"));
                QCOMPARE(QByteArray(r.szSN), QByteArray("B1LKN01234"));
                QCOMPARE(QByteArray(r.szSerialNum), QByteArray("1480LWN012345"));
                QCOMPARE(r.ulHttpPort, 5000u);
                QCOMPARE(r.ulHttpsPort, 5001u);
                QCOMPARE(r.ulField48, 1u);
                QCOMPARE(r.ulWOLSupport, 1u);
                QCOMPARE(r.ullbmapSupport1, uint64_t(0x38));
                QCOMPARE(r.ullbmapMask1, uint64_t(0x180));
            } else {
                QCOMPARE(QByteArray(r.szMac), QByteArray("02:53:56:00:00:02"));
                perUnit[1]++;
                QCOMPARE(r.ulConfigured, uint32_t(FHOSTQC_UNINSTALL));
                QCOMPARE(r.ulDHCP, 1u);
                QCOMPARE(QByteArray(r.szSerialNum), QByteArray("A7KLM00042")); // from the SN
            }
        }
        QCOMPARE(perUnit[0], 3);
        QCOMPARE(perUnit[1], 3);
        // Bound copies from each link; the unbound copy (vc1's packet) took the default route.
        QMap<QString, int> expected;
        expected[QStringLiteral("02:00:c6:12:00:01 198.18.0.1")] = 2;
        expected[QStringLiteral("02:00:c6:12:01:01 198.18.1.1")] = 2;
        expected[QStringLiteral("02:00:c6:12:01:01 198.18.0.1")] = 2;
        QCOMPARE(copies, expected);
        QVERIFY(Loop::progressCalls.load() >= 1);
        QCOMPARE(Loop::progress.first(), qMakePair(-1, 0));
    }

    void filterRejects()
    {
        newSearch();
        m_sendConn.nTimeout = -1;
        newListen(3);
        Loop::filterResult = 2; // anything but 1 drops the record
        QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, &m_sendConn, &m_send), 0);
        QVERIFY(Loop::filterCalls.load() >= 6 + 3);
        QCOMPARE(Loop::handlerCalls.load(), 0);
        QCOMPARE(Loop::lockOn.load(), 0);
        QCOMPARE(Loop::lockOff.load(), 0);
    }

    void timeoutEndsAfterMoreThanItsSeconds()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("discovery mute on")), QStringLiteral("ok"));
        const int seconds = 5;
        newListen(seconds);
        m_listen.pfnStop = nullptr;
        QElapsedTimer t;
        t.start();
        QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, nullptr, nullptr), 0);
        const qint64 ms = t.elapsed();
        // More than its whole seconds, and ended by the first turn that finds them passed: one
        // turn's wait after the next whole second at the latest.
        QVERIFY2(ms > seconds * 1000 && ms < tsup::before((seconds + 1 + FHOST_UDP_WAIT_SEC) * 1000),
                 qPrintable(QString::number(ms)));
        // Called once per turn with the time-out and the whole seconds so far.
        QVERIFY(Loop::progress.size() >= 3);
        QCOMPARE(Loop::progress.first(), qMakePair(5, 0));
        for (const auto &p : Loop::progress) {
            QCOMPARE(p.first, 5);
            QVERIFY(p.second <= 5);
        }
    }

    void neverEndsByTimeStopsWithinATurn()
    {
        newListen(-1);
        Loop::deadlineMs = QDateTime::currentMSecsSinceEpoch() + 60000;
        std::atomic<int> result{99};
        std::atomic<bool> done{false};
        std::thread loop([&]() {
            result = FHOSTUDPServerRun(&m_listen, &m_recv, nullptr, nullptr);
            done = true;
        });
        QTest::qWait(7000);
        const bool endedEarly = done;
        const int turns = Loop::progressCalls;
        Loop::stopNow = true;
        loop.join(); // ended by its deadline at the latest
        QVERIFY(!endedEarly);
        QCOMPARE(result.load(), 0);
        // With nothing to read, one turn per FHOST_UDP_WAIT_SEC: at 0, 2, 4 and 6 s, three at
        // least however late the thread began ...
        QVERIFY2(turns >= 7 / FHOST_UDP_WAIT_SEC, qPrintable(QString::number(turns)));
        // ... and it ended at the first stop test that said stop.
        QCOMPARE(Loop::stopsSeen.load(), 1);
    }

    // Interval 3: a broadcast once a second has passed, then each time 3 more have.
    void rebroadcastInterval()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("discovery mute on")), QStringLiteral("ok"));
        newSearch();
        m_sendConn.nTimeout = 3;
        newListen(10);
        m_listen.pfnStop = nullptr;
        // When the loop began each broadcast: its log line before the datagrams go out.
        static QElapsedTimer clock;
        static QList<qint64> sent;
        sent.clear();
        FHOSTLOGCTX stamped = FHOSTLOGCTX();
        stamped.pfnOutputL1 = [](const char *text) {
            if (strstr(text, "FHOSTIfaceInit"))
                sent << clock.elapsed();
            return 0;
        };
        m_sendConn.pLogCtx = &stamped;
        mark();
        clock.start();
        QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, &m_sendConn, &m_send), 0);
        QTest::qWait(300);
        int first = 0; // the first copy of each broadcast on the wire (from link 0, port 1234)
        for (const QJsonObject &o : captured())
            if (o.value("src").toString() == QLatin1String("198.18.0.1") && o.value("sport").toInt() == 1234)
                ++first;
        // Due after 0, 3, 6 and 9 s; the loop ends once more than 10 s have passed.
        QCOMPARE(first, 4);
        QCOMPARE(sent.size(), 4);
        // Each in the first turn after it was due (the loop counts whole seconds of whole
        // milliseconds): one turn's wait later at most, and a moment for the turn's own work.
        for (int k = 0; k < 4; ++k) {
            const qint64 due = (1 + 3 * k) * 1000;
            QVERIFY2(sent[k] >= due - 1 && sent[k] < due + FHOST_UDP_WAIT_SEC * 1000 + 300,
                     qPrintable(QStringLiteral("broadcast %1 at %2 ms").arg(k).arg(sent[k])));
        }
    }

    void failedBroadcastEndsTheLoop()
    {
        newSearch();
        m_sendConn.nTimeout = -1;
        m_sendConn.pfnStop = Loop::stopSend;
        Loop::sendStop = true;
        newListen(-1);
        QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, &m_sendConn, &m_send), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ broadcast query packet error!\\n$"), 1);
        QCOMPARE(Loop::progressCalls.load(), 1);
    }

    void setUpFailures()
    {
        newListen(-1);
        qstrcpy(m_listen.szAddr, "198.18.0.300");
        QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, nullptr, nullptr), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ fail to translate IP addr\\n$"), 1);
        qstrcpy(m_listen.szAddr, "198.18.9.9");
        QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, nullptr, nullptr), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ bind\\(sockfd=\\d+, servaddr\\.sin_addr\\.s_addr = \\d+\\) "
                                   "error!! errno: 99 \\[Cannot assign requested address\\]\\n$"), 1);
        QCOMPARE(Loop::progressCalls.load(), 0);
    }

    // Answers that queue up while the loop is busy are all read at its next wake-up, in the
    // order they came, though they are several receive batches; the socket's buffer, asked as
    // large as allowed, holds them meanwhile.
    void queuedAnswersInOrder()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("discovery mute on")), QStringLiteral("ok"));
        const int count = 5 * FHOST_UDP_BATCH;
        QList<QByteArray> datagrams;
        QList<QByteArray> macs;
        for (int i = 0; i < count; ++i) {
            NASINFO n;
            memset(&n, 0, sizeof(n));
            n.ulPacketType = FHOST_PKT_BRESPONSE;
            qsnprintf(n.szMac, sizeof(n.szMac), "02:53:56:01:%02x:%02x", i / 256, i % 256);
            macs << QByteArray(n.szMac);
            FHOSTSEND send;
            memset(&send, 0, sizeof(send));
            send.pnasInfo = &n;
            n.ulFindHostVersion = FHOST_FINDHOST_VERSION;
            FHOSTSendAddIds(&m_log.ctx, &send, 0x01, 0xa4, 0x19, 0);
            int capacity = 64;
            char *buffer = static_cast<char *>(malloc(size_t(capacity)));
            const int length = FHOSTPacketWrite(&m_log.ctx, &buffer, &capacity, &send);
            datagrams << QByteArray(buffer, length);
            free(buffer);
        }
        newListen(-1);
        qstrcpy(m_listen.szAddr, "127.0.0.1");
        Loop::stopAfterHandled = count;
        Loop::firstHandlerDelayMs = 300;
        std::atomic<int> result{99};
        std::thread loop([&]() { result = FHOSTUDPServerRun(&m_listen, &m_recv, nullptr, nullptr); });
        QElapsedTimer t;
        t.start();
        while (Loop::progressCalls.load() == 0 && t.elapsed() < tsup::guardMs())
            QThread::msleep(5);
        // Root may exceed the system's limit: the loop's request stands as asked.
        const int buffer = bed::receiveBufferOfPort(9999);
        QVERIFY2(buffer >= 2 * FHOST_UDP_RCVBUF, qPrintable(QString::number(buffer)));
        if (geteuid() == 0)
            QCOMPARE(buffer, 2 * FHOST_UDP_RCVBUF_WANT);

        bed::Udp sender;
        QVERIFY(sender.open("127.0.0.1", 0));
        // The first answer holds the handler; the others queue behind it.
        for (const QByteArray &d : datagrams)
            QVERIFY(sender.sendTo("127.0.0.1", 9999, d));
        t.restart();
        while (Loop::handlerCalls.load() < count && t.elapsed() < tsup::guardMs())
            QThread::msleep(10);
        Loop::stopNow = true;
        loop.join();
        QCOMPARE(result.load(), 0);
        QCOMPARE(Loop::records.size(), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(QByteArray(Loop::records.at(i).szMac), macs.at(i));
        QVERIFY(!Loop::lockOrderBroken);
    }

    void noDescriptorLeaks()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("discovery mute on")), QStringLiteral("ok"));
        const int before = countOpenFds();
        newListen(-1);
        Loop::stopNow = true;
        for (int i = 0; i < 50; ++i) {
            qstrcpy(m_listen.szAddr, i % 5 == 4 ? "198.18.9.9" : "0.0.0.0");
            QCOMPARE(FHOSTUDPServerRun(&m_listen, &m_recv, nullptr, nullptr), i % 5 == 4 ? -1 : 0);
        }
        for (int i = 0; i < 10; ++i) {
            newSearch();
            QCOMPARE(FHOSTUDPBroadcastQuery(&m_sendConn, &m_send), 0);
        }
        QCOMPARE(countOpenFds(), before);
    }
};

BED_TEST_MAIN(TestUdp)
#include "tst_fhost_udp.moc"
