// Real magic packets inside the namespace bed: two links to a server namespace whose simulated
// server listens for Wake-on-LAN on ports 9 and 40009 and captures every datagram. Nothing is
// sent outside the namespaces the bed made. The client namespace resolves "wolhost.test" from its
// own hosts file and asks a name server on loopback (where none listens) for anything else.
#include <QApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <set>

#include "CFindHostUDP.h"
#include "CQuenWOL.h"
#include "CVorkDialogWakeupAdd.h"
#include "boxcatcher.h"
#include "netnsbed.h"
#include "woltestutil.h"

namespace {

const char kMac[] = "02:1a:2b:3c:4d:5e";

CWOLConfig hostConfig(const char *mac, int network, const char *addr, int port)
{
    CWOLConfig c;
    c.setMacAddress(QLatin1String(mac));
    c.setNetwork(network);
    c.setAddrName(QLatin1String(addr));
    c.setPortNum(port);
    c.setProfile(QStringLiteral("Test host"));
    return c;
}

struct WolDatagram {
    QString src;
    int sport = 0;
    QString dst;
    int port = 0;
    QString iface;
    int len = 0;
    QByteArray raw;
};

// The Wake-on-LAN lines of the capture after the mark.
QList<WolDatagram> wolLinesAfter(const QString &mark)
{
    QList<WolDatagram> out;
    bool after = false;
    for (const QJsonObject &o : bed::captureLines()) {
        if (o.value(QLatin1String("mark")).toString() == mark) {
            after = true;
            continue;
        }
        if (!after || o.value(QLatin1String("svc")).toString() != QLatin1String("wol"))
            continue;
        WolDatagram d;
        d.src = o.value(QLatin1String("src")).toString();
        d.sport = o.value(QLatin1String("sport")).toInt();
        d.dst = o.value(QLatin1String("dst")).toString();
        d.port = o.value(QLatin1String("port")).toInt();
        d.iface = o.value(QLatin1String("iface")).toString();
        d.len = o.value(QLatin1String("len")).toInt();
        d.raw = QByteArray::fromHex(o.value(QLatin1String("raw")).toString().toLatin1());
        out << d;
    }
    return out;
}

// Waits (at most the hang guard) until `count` lines arrived, then a little longer for any extra one.
QList<WolDatagram> waitForWolLines(const QString &mark, int count)
{
    QElapsedTimer t;
    t.start();
    while (wolLinesAfter(mark).size() < count && t.elapsed() < tsup::guardMs())
        QTest::qWait(20);
    QTest::qWait(300);
    return wolLinesAfter(mark);
}

// The lines that arrived within a real `ms`: for checks that nothing comes.
QList<WolDatagram> wolLinesWithin(const QString &mark, int ms)
{
    QTest::qWait(ms);
    return wolLinesAfter(mark);
}

QString describe(const QList<WolDatagram> &lines)
{
    QStringList parts;
    for (const WolDatagram &d : lines)
        parts << QStringLiteral("%1:%2->%3:%4@%5(%6)")
                     .arg(d.src).arg(d.sport).arg(d.dst).arg(d.port).arg(d.iface).arg(d.len);
    return parts.join(QStringLiteral(" "));
}

// Sockets bound to the UDP port in this namespace.
int udpListeners(int port)
{
    QFile f(QStringLiteral("/proc/net/udp"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString needle = QStringLiteral(":%1").arg(port, 4, 16, QLatin1Char('0')).toUpper();
    int count = 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() > 2 && QString::fromLatin1(columns[1]).endsWith(needle))
            ++count;
    }
    return count;
}

// The discovery thread listening on 9999 for every packet type, and the search answers it
// delivered, by MAC text.
class RunningDiscovery
{
public:
    RunningDiscovery()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);
        thread = new CFindHostUDP(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        QObject::connect(thread, &CFindHostUDP::signalRecvPkt, &context, [this](NASINFO n) {
            if (n.ulPacketType == FHOST_PKT_BRESPONSE)
                answered << QString::fromLatin1(n.szMac, int(qstrnlen(n.szMac, sizeof(n.szMac))));
        });
        thread->start();
        QElapsedTimer t;
        t.start();
        while (udpListeners(9999) < 1 && t.elapsed() < tsup::guardMs())
            QTest::qWait(20);
    }
    ~RunningDiscovery()
    {
        thread->terminate();
        delete thread;
    }
    bool listening() const { return udpListeners(9999) >= 1; }

    CFindHostUDP *thread;
    QObject context;
    QStringList answered;
};

} // namespace

class TestWolNetns : public QObject
{
    Q_OBJECT

private:
    bed::SimControl m_sim;
    int m_markCount = 0;

    QString mark()
    {
        const QString text = QStringLiteral("wol-%1").arg(++m_markCount);
        const QString reply = m_sim.command(QStringLiteral("mark ") + text);
        if (!reply.startsWith(QLatin1String("ok")))
            qWarning("mark failed: %s", qPrintable(reply));
        return text;
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lanHostBroadcastOnEveryInterface();
    void addressHostGoesToResolvedAddress();
    void unresolvableHostSendsNothing();
    void wakeUpUsesRegisteredRecord();
    void jobStateMachineAfterRealWake();
    void timerRunsOutWithShortTicks();
    void reRegisterDeletesWaitingJob();
    void failedSendOnOneInterface();
    void dialogLooksUpHostNames();
    void sleepingServerWakesAndAnswers();
    void silentHostTimesOut();
    void noUsableInterface();
};

void TestWolNetns::initTestCase()
{
    QVERIFY(m_sim.connect());
    QCOMPARE(m_sim.command(QStringLiteral("ping")), QStringLiteral("ok pong"));
    QVERIFY(m_sim.command(QStringLiteral("services")).contains(QLatin1String("wol")));
}

void TestWolNetns::init()
{
    QSettings().clear();
    CVorkWOL::setTickIntervalMs(0);
}

void TestWolNetns::cleanup()
{
    QSettings().clear();
    CVorkWOL::setTickIntervalMs(0);
}

void TestWolNetns::lanHostBroadcastOnEveryInterface()
{
    CQuenWOL wol(nullptr, nullptr);
    wol.slotAddSvr2WOL(hostConfig(kMac, 0, "198.18.0.2", 40009));
    const QString m = mark();
    LibraryLines library;
    CWOLConfig request = hostConfig(kMac, 0, "198.18.0.2", 40009);
    QCOMPARE(wol.wakeUp(&request), 0);

    const QList<WolDatagram> lines = waitForWolLines(m, 3);
    QVERIFY2(lines.size() == 3, qPrintable(describe(lines)));
    std::multiset<QString> seen;
    for (const WolDatagram &d : lines) {
        QCOMPARE(d.len, 102);
        QCOMPARE(d.raw.toHex(), goldenMagicPacket().toHex());
        QCOMPARE(d.dst, QStringLiteral("255.255.255.255"));
        QCOMPARE(d.port, 40009);
        // Bound copies leave from the interface address and port 1234; the unbound copy from
        // the system's choice (the default route over link 0) and any other port.
        seen.insert(QStringLiteral("%1 %2 %3").arg(d.src, d.iface,
                                                   d.sport == 1234 ? QStringLiteral("1234")
                                                                   : QStringLiteral("other")));
    }
    const std::multiset<QString> expected{QStringLiteral("198.18.0.1 vs0 1234"),
                                          QStringLiteral("198.18.1.1 vs1 1234"),
                                          QStringLiteral("198.18.0.1 vs0 other")};
    QVERIFY2(seen == expected, qPrintable(describe(lines)));

    CVorkWOL *job = wol.getWOL(QLatin1String(kMac));
    QCOMPARE(job->getStatus(), int(CVorkWOL::STATUS_WAITING));
    QVERIFY(job->getElapsed() <= 1000); // at most one tick since the send
    QCOMPARE(job->getMacAddress(), QLatin1String(kMac));
    QTimer *timer = job->findChild<QTimer *>();
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QVERIFY2(library.contains(QStringLiteral("FHOSTIfaceInit number of interafce: 2\n"))
                 && library.contains(QStringLiteral("src/WOL/CVorkWOL:")),
             qPrintable(library.lines().join(QStringLiteral("|"))));
    QVERIFY(!library.contains(QStringLiteral("Send error")));
}

void TestWolNetns::addressHostGoesToResolvedAddress()
{
    CQuenWOL wol(nullptr, nullptr);
    wol.slotAddSvr2WOL(hostConfig(kMac, 1, "wolhost.test", 9));
    const QString m = mark();
    CWOLConfig request = hostConfig(kMac, 1, "wolhost.test", 9);
    QCOMPARE(wol.wakeUp(&request), 0);

    const QList<WolDatagram> lines = waitForWolLines(m, 3);
    QVERIFY2(lines.size() == 3, qPrintable(describe(lines)));
    int bound = 0;
    for (const WolDatagram &d : lines) {
        QCOMPARE(d.raw.toHex(), goldenMagicPacket().toHex());
        QCOMPARE(d.dst, QStringLiteral("198.18.1.2"));
        QCOMPARE(d.port, 9);
        QCOMPARE(d.iface, QStringLiteral("vs1"));
        if (d.sport == 1234)
            ++bound;
    }
    QCOMPARE(bound, 2);
    QCOMPARE(wol.getWOL(QLatin1String(kMac))->getStatus(), int(CVorkWOL::STATUS_WAITING));
}

void TestWolNetns::unresolvableHostSendsNothing()
{
    CQuenWOL wol(nullptr, nullptr);
    wol.slotAddSvr2WOL(hostConfig(kMac, 0, "nohost.invalid", 40009));
    CVorkWOL *job = wol.getWOL(QLatin1String(kMac));
    job->setStatus(CVorkWOL::STATUS_OFF_LINE);
    const QString m = mark();
    DebugLines debug;
    QElapsedTimer t;
    t.start();
    QCOMPARE(wol.wakeUp(wol.getWOLConfig(QLatin1String(kMac))), -1);
    // Failed when the name server refused, without waiting for an answer that never comes.
    QVERIFY2(t.elapsed() < tsup::before(bed::RESOLVER_TIMEOUT_MS), qPrintable(QString::number(t.elapsed())));
    QCOMPARE(job->getStatus(), int(CVorkWOL::STATUS_OFF_LINE));
    QCOMPARE(job->getElapsed(), 0);
    QVERIFY(job->getMacAddress().isEmpty());
    QVERIFY(job->findChild<QTimer *>() == nullptr);
    QVERIFY2(debug.contains(QStringLiteral(
                 " (pWolConfig->getAddrName()).toAscii().data()=[nohost.invalid\n]\n")),
             qPrintable(debug.lines().join(QStringLiteral("|"))));
    // The same for an address host.
    wol.getWOLConfig(QLatin1String(kMac))->setNetwork(1);
    QCOMPARE(wol.wakeUp(wol.getWOLConfig(QLatin1String(kMac))), -1);
    const QList<WolDatagram> lines = wolLinesWithin(m, 1000);
    QVERIFY2(lines.isEmpty(), qPrintable(describe(lines)));
}

void TestWolNetns::wakeUpUsesRegisteredRecord()
{
    CQuenWOL wol(nullptr, nullptr);
    wol.slotAddSvr2WOL(hostConfig(kMac, 1, "198.18.1.2", 9));
    const QString m = mark();
    // The argument only names the host: its own address and port play no part.
    CWOLConfig request = hostConfig(kMac, 0, "nohost.invalid", 40009);
    QCOMPARE(wol.wakeUp(&request), 0);
    const QList<WolDatagram> lines = waitForWolLines(m, 3);
    QVERIFY2(lines.size() == 3, qPrintable(describe(lines)));
    for (const WolDatagram &d : lines) {
        QCOMPARE(d.dst, QStringLiteral("198.18.1.2"));
        QCOMPARE(d.port, 9);
    }
    // Another letter case is another host.
    CWOLConfig upper = hostConfig("02:1A:2B:3C:4D:5E", 1, "198.18.1.2", 9);
    QCOMPARE(wol.wakeUp(&upper), -1);
}

void TestWolNetns::jobStateMachineAfterRealWake()
{
    FakePacketSource source;
    CVorkWOL job(&source);
    CWOLConfig config = hostConfig(kMac, 0, "198.18.0.2", 40009);
    QCOMPARE(job.wake(&config), 0);
    // Waking again while waiting keeps one connection: each answer arrives once.
    QCOMPARE(job.wake(&config), 0);
    QCOMPARE(source.receiverCount(), 1);
    QTimer *timer = job.findChild<QTimer *>();
    QVERIFY(timer);
    QCOMPARE(job.findChildren<QTimer *>().size(), 1);
    timer->stop(); // the test drives the ticks itself from here

    // Records that are not the host's search answer change nothing.
    source.deliver(answerFrom(kMac, FHOST_PKT_JRESPONSE));
    source.deliver(answerFrom("02:1a:2b:3c:4d:5f", FHOST_PKT_BRESPONSE));
    source.deliver(answerFrom("", FHOST_PKT_BRESPONSE));
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_WAITING));
    QCOMPARE(job.getElapsed(), 0);

    for (int tick = 0; tick < 225; ++tick)
        job.slotUpdateProg();
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_WAITING));
    QCOMPARE(job.getElapsed(), 225000);
    timer->start(); // running, as it would be
    job.slotUpdateProg();
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_TIMED_OUT));
    QCOMPARE(job.getElapsed(), job.getTimeout());
    QVERIFY(!timer->isActive());
    QCOMPARE(source.receiverCount(), 0);
    // A late answer no longer reaches the job.
    source.deliver(answerFrom(kMac, FHOST_PKT_BRESPONSE));
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_TIMED_OUT));

    // A new wake starts again at 4 with elapsed 0, on the same timer.
    QCOMPARE(job.wake(&config), 0);
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_WAITING));
    QCOMPARE(job.getElapsed(), 0);
    QVERIFY(timer->isActive());
    QCOMPARE(job.findChildren<QTimer *>().size(), 1);
    QCOMPARE(source.receiverCount(), 1);
    for (int tick = 0; tick < 10; ++tick)
        job.slotUpdateProg();
    // The host's answer with its MAC in other letter case ends the wait.
    source.deliver(answerFrom("02:1A:2B:3C:4D:5E", FHOST_PKT_BRESPONSE));
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_ANSWERED));
    QCOMPARE(job.getElapsed(), job.getTimeout());
    QVERIFY(!timer->isActive());
    QCOMPARE(source.receiverCount(), 0);
    job.setStatus(CVorkWOL::STATUS_WAITING);
    source.deliver(answerFrom(kMac, FHOST_PKT_BRESPONSE));
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_WAITING)); // no longer connected
}

void TestWolNetns::timerRunsOutWithShortTicks()
{
    CVorkWOL::setTickIntervalMs(5);
    FakePacketSource source;
    CVorkWOL job(&source);
    CWOLConfig config = hostConfig(kMac, 0, "198.18.0.2", 40009);
    QElapsedTimer t;
    t.start();
    QCOMPARE(job.wake(&config), 0);
    QCOMPARE(job.findChild<QTimer *>()->interval(), 5);
    QSignalSpy ticks(job.findChild<QTimer *>(), &QTimer::timeout);
    QTRY_COMPARE_WITH_TIMEOUT(job.getStatus(), int(CVorkWOL::STATUS_TIMED_OUT), tsup::guardMs(20000));
    // Every tick of the time-out counted, then the one that finds it whole (226), each after its
    // real 5 ms.
    const int expectedTicks = CVorkWOL::WAKE_TIMEOUT_MS / CVorkWOL::TICK_MS + 1;
    QCOMPARE(ticks.count(), expectedTicks);
    QVERIFY2(t.elapsed() >= expectedTicks * 5, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(job.getElapsed(), 225000);
    QVERIFY(!job.findChild<QTimer *>()->isActive());
    QCOMPARE(source.receiverCount(), 0);
}

void TestWolNetns::reRegisterDeletesWaitingJob()
{
    CVorkWOL::setTickIntervalMs(5);
    FakePacketSource source;
    CQuenWOL wol(nullptr, &source);
    wol.slotAddSvr2WOL(hostConfig(kMac, 0, "198.18.0.2", 40009));
    QCOMPARE(wol.wakeUp(wol.getWOLConfig(QLatin1String(kMac))), 0);
    QPointer<CVorkWOL> waiting = wol.getWOL(QLatin1String(kMac));
    QCOMPARE(waiting->getStatus(), int(CVorkWOL::STATUS_WAITING));
    QCOMPARE(source.receiverCount(), 1);

    wol.slotAddSvr2WOL(hostConfig(kMac, 0, "198.18.0.2", 9));
    QVERIFY(waiting.isNull());
    QCOMPARE(source.receiverCount(), 0); // the deleted job's connection went with it
    CVorkWOL *fresh = wol.getWOL(QLatin1String(kMac));
    QCOMPARE(fresh->getStatus(), int(CVorkWOL::STATUS_IDLE));
    // Ticks and answers after the replacement touch nothing freed.
    QTest::qWait(50);
    source.deliver(answerFrom(kMac, FHOST_PKT_BRESPONSE));
    QCOMPARE(fresh->getStatus(), int(CVorkWOL::STATUS_IDLE));

    // Removing a waiting host deletes its job too.
    QCOMPARE(wol.wakeUp(wol.getWOLConfig(QLatin1String(kMac))), 0);
    QPointer<CVorkWOL> second = wol.getWOL(QLatin1String(kMac));
    wol.slotRemoveSvrFromWOL(QLatin1String(kMac));
    QVERIFY(second.isNull());
    QTest::qWait(50);
    QCOMPARE(source.receiverCount(), 0);
}

void TestWolNetns::failedSendOnOneInterface()
{
    // A socket without SO_REUSEADDR on 198.18.1.1:1234 makes the copy bound to link 1 fail.
    bed::Udp blocker;
    {
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        QVERIFY(fd >= 0);
        struct sockaddr_in a;
        memset(&a, 0, sizeof(a));
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = bed::addr("198.18.1.1");
        a.sin_port = htons(1234);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof(a)) == 0;
        const QString m = mark();
        LibraryLines library;
        FakePacketSource source;
        CVorkWOL job(&source);
        CWOLConfig config = hostConfig(kMac, 0, "198.18.0.2", 40009);
        const int result = job.wake(&config);
        ::close(fd);
        QVERIFY(bound);
        QCOMPARE(result, 0);
        QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_WAITING));
        QVERIFY2(library.contains(QStringLiteral("Send error\n")),
                 qPrintable(library.lines().join(QStringLiteral("|"))));
        const QList<WolDatagram> lines = waitForWolLines(m, 2);
        QVERIFY2(lines.size() == 2, qPrintable(describe(lines)));
        for (const WolDatagram &d : lines) {
            QCOMPARE(d.src, QStringLiteral("198.18.0.1"));
            QCOMPARE(d.iface, QStringLiteral("vs0"));
        }
    }
}

void TestWolNetns::dialogLooksUpHostNames()
{
    CWOLConfig c = hostConfig(kMac, 1, "nohost.invalid", 9);
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg, tsup::guardMs()));
    BoxCatcher catcher;
    catcher.start();
    QElapsedTimer t;
    t.start();
    dlg.m_btnOK->click();
    // The failing look-up did not wait for an answer that never comes.
    QVERIFY2(t.elapsed() < tsup::before(bed::RESOLVER_TIMEOUT_MS), qPrintable(QString::number(t.elapsed())));
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].text, QStringLiteral("Please enter a valid hostname or IP address."));
    QVERIFY(dlg.isVisible());
    // A name from the namespace's hosts file passes.
    dlg.m_edtIPAddr->setText(QStringLiteral("wolhost.test"));
    catcher.start();
    dlg.m_btnOK->click();
    QVERIFY(catcher.boxes.isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.getWOLConfig().getAddrName(), QStringLiteral("wolhost.test"));
}

void TestWolNetns::sleepingServerWakesAndAnswers()
{
    // The unit is registered with its MAC in upper case; it announces itself in lower case.
    const char sleepyMac[] = "02:53:56:00:00:0A";
    QCOMPARE(m_sim.command(QStringLiteral("wol sleep 0")), QStringLiteral("ok"));
    RunningDiscovery discovery;
    QVERIFY(discovery.listening());
    CQuenWOL wol(nullptr, discovery.thread);
    wol.slotAddSvr2WOL(hostConfig(sleepyMac, 0, "198.18.1.2", 9));

    // Asleep, it answers no search (the awake unit does).
    QVERIFY(discovery.thread->slotSendPktBroadCast());
    QTRY_VERIFY_WITH_TIMEOUT(discovery.answered.contains(QStringLiteral("02:53:56:00:00:0b")), tsup::guardMs(5000));
    QVERIFY(!discovery.answered.contains(QStringLiteral("02:53:56:00:00:0a")));
    discovery.answered.clear();

    const QString m = mark();
    QCOMPARE(wol.wakeUp(wol.getWOLConfig(QLatin1String(sleepyMac))), 0);
    CVorkWOL *job = wol.getWOL(QLatin1String(sleepyMac));
    QCOMPARE(job->getStatus(), int(CVorkWOL::STATUS_WAITING));
    // The server takes 1.5 s to come up; the job keeps waiting meanwhile, and answers of other
    // units do not end the wait.
    QTest::qWait(700);
    QCOMPARE(job->getStatus(), int(CVorkWOL::STATUS_WAITING));
    QTRY_COMPARE_WITH_TIMEOUT(job->getStatus(), int(CVorkWOL::STATUS_ANSWERED), tsup::guardMs(10000));
    QCOMPARE(job->getElapsed(), job->getTimeout());
    QVERIFY(!job->findChild<QTimer *>()->isActive());
    QVERIFY(discovery.answered.contains(QStringLiteral("02:53:56:00:00:0a")));

    // The simulated unit took the magic packet (all three copies) and woke once.
    const QList<WolDatagram> lines = wolLinesAfter(m);
    QCOMPARE(lines.size(), 3);
    const QJsonObject stats = m_sim.json(QStringLiteral("stats"));
    QCOMPARE(stats.value(QLatin1String("wol")).toObject().value(QLatin1String("woken")).toInt(), 1);

    // Awake now, it answers searches too.
    discovery.answered.clear();
    QVERIFY(discovery.thread->slotSendPktBroadCast());
    QTRY_VERIFY_WITH_TIMEOUT(discovery.answered.contains(QStringLiteral("02:53:56:00:00:0a")), tsup::guardMs(5000));
    QCOMPARE(m_sim.command(QStringLiteral("wol sleep 0")), QStringLiteral("ok"));
}

void TestWolNetns::silentHostTimesOut()
{
    // A registered host that never comes up: the real ticks (shortened through the seam) run
    // out while the discovery thread keeps delivering other servers' answers.
    CVorkWOL::setTickIntervalMs(5);
    RunningDiscovery discovery;
    QVERIFY(discovery.listening());
    CQuenWOL wol(nullptr, discovery.thread);
    const char ghostMac[] = "02:53:56:00:00:0c";
    wol.slotAddSvr2WOL(hostConfig(ghostMac, 0, "198.18.0.2", 9));
    QCOMPARE(wol.wakeUp(wol.getWOLConfig(QLatin1String(ghostMac))), 0);
    QVERIFY(discovery.thread->slotSendPktBroadCast());
    QTRY_VERIFY_WITH_TIMEOUT(discovery.answered.contains(QStringLiteral("02:53:56:00:00:0b")), tsup::guardMs(5000));
    CVorkWOL *job = wol.getWOL(QLatin1String(ghostMac));
    QTRY_COMPARE_WITH_TIMEOUT(job->getStatus(), int(CVorkWOL::STATUS_TIMED_OUT), tsup::guardMs(20000));
    QCOMPARE(job->getElapsed(), 225000);
    QVERIFY(!job->findChild<QTimer *>()->isActive());
}

void TestWolNetns::noUsableInterface()
{
    // Both links down: only loopback is left, which is no usable interface. The links come up
    // again (with the default route, which went down with link 0) whatever happens.
    struct Restore {
        ~Restore()
        {
            bed::ip({QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("vc0"), QStringLiteral("up")});
            bed::ip({QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("vc1"), QStringLiteral("up")});
            bed::ip({QStringLiteral("route"), QStringLiteral("replace"), QStringLiteral("default"),
                     QStringLiteral("via"), QStringLiteral("198.18.0.2"), QStringLiteral("dev"),
                     QStringLiteral("vc0")});
        }
    } restore;
    QCOMPARE(bed::ip({QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("vc0"), QStringLiteral("down")}), 0);
    QCOMPARE(bed::ip({QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("vc1"), QStringLiteral("down")}), 0);

    const QString m = mark();
    LibraryLines library;
    FakePacketSource source;
    CVorkWOL job(&source);
    job.setStatus(CVorkWOL::STATUS_OFF_LINE);
    CWOLConfig config = hostConfig(kMac, 0, "198.18.0.2", 40009);
    QCOMPARE(job.wake(&config), -1);
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_OFF_LINE));
    QVERIFY(job.findChild<QTimer *>() == nullptr);
    QCOMPARE(source.receiverCount(), 0);
    QVERIFY2(library.contains(QStringLiteral("src/WOL/CVorkWOL:"))
                 && library.contains(QStringLiteral(" get physical interface error or no interface\n")),
             qPrintable(library.lines().join(QStringLiteral("|"))));
    const QList<WolDatagram> lines = wolLinesWithin(m, 500);
    QVERIFY2(lines.isEmpty(), qPrintable(describe(lines)));
}

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    if (!configDir.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    QString why;
    if (!bed::active(&why)) {
        fprintf(stderr, "skipped: %s\n", qPrintable(why));
        return 77;
    }
    TestWolNetns tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_wol_netns.moc"
