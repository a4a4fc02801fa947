// The quick-configuration job in the namespace bed: the source-interface rule against a veth of
// known MAC, and whole quick configurations sent by the real discovery thread to the simulated
// server's scripted units. The wait divisor is 100 in the test and in the simulated server, so
// the job counts its full 125000 ms in about 1.25 s.
#include <memory>

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

#include "CVorkGlobalSettings.h"
#include "VorkDebug.h"
#include "CWaitScale.h"
#include "netnsbed.h"
#include "platforms.h"
#include "quickconftest.h"

using namespace qct;
using tsup::Collector;
using tsup::linesOf;
using tsup::waitFor;

namespace {

const char kLocalMac[] = "02:12:34:56:78:9a";
const char kForeignMac[] = "02:00:00:00:ba:ad";

NASINFO unitRecord(const char *mac, uint32_t build)
{
    NASINFO n = target(mac, build);
    n.ulIP = inet_addr("198.18.0.40");
    return n;
}

} // namespace

class TestQuickConfNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CFindHostUDP *m_udp = nullptr;
    Collector m_collector;

    // Runs a job against the unit until it is no longer waiting (bounded), noting its ticks in
    // *ticks when given.
    void runJob(CQuickConf &job, const CNasConfig &cfg, const NASINFO &record, TickLog *ticks = nullptr)
    {
        job.setTimeout(CQuickConf::DEFAULT_TIMEOUT_MS);
        QCOMPARE(job.start(&cfg, &record, 1, true), 0);
        if (ticks)
            ticks->attach(job);
        QVERIFY(waitFor([&] { return job.getState() != CQuickConf::QC_STATE_WAITING; }, kCountGuardMs));
    }

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
        QVERIFY(m_sim.connect());
        QVERIFY(m_sim.command(QStringLiteral("services")).contains(QLatin1String("quickconf")));
        QCOMPARE(m_sim.json(QStringLiteral("stats")).value(QStringLiteral("quickconf")).toObject()
                     .value(QStringLiteral("divisor")).toInt(), 100);
        // The client's only link gets a MAC of the test's choosing.
        QCOMPARE(bed::ip({"link", "set", "dev", "vc0", "address", kLocalMac}), 0);
        QCOMPARE(getLocalMacList(), QStringList(QString::fromLatin1(kLocalMac)));

        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_DETAIL, findhostPrintSink);
        // Listens until the end of the test (no time limit).
        m_udp = tsup::startDiscovery(&m_collector);
        QVERIFY(waitFor([] {
            QFile f(QStringLiteral("/proc/net/udp"));
            return f.open(QIODevice::ReadOnly) && f.readAll().contains(":270F ");
        }, 10000));
    }

    void cleanupTestCase() { tsup::stopDiscovery(m_udp); }

    // Records handed in directly (queued from another thread) against this namespace's MAC.
    void sourceMacRule()
    {
        QVERIFY(CQuickConf::isSourceMacLocal(QString::fromLatin1(kLocalMac)));
        QVERIFY(CQuickConf::isSourceMacLocal(QString::fromLatin1(kLocalMac).toUpper()));
        QVERIFY(!CQuickConf::isSourceMacLocal(QString::fromLatin1(kForeignMac)));
        QVERIFY(!CQuickConf::isSourceMacLocal(QString()));

        CFindHostUDP idle(nullptr, 2, 9999, QString());
        const CNasConfig cfg = config();
        // The target is no unit of the simulated server: the command goes nowhere.
        const NASINFO record = target("02:53:56:00:0f:0f");
        struct Case {
            uint32_t build;
            const char *source;
            bool accepted;
        } cases[] = {
            {2600, kForeignMac, true},  // earlier builds are not checked
            {2601, kForeignMac, false},
            {2601, "", false},
            {2601, "02:12:34:56:78:9A", true}, // letter case does not matter
            {2601, kLocalMac, true},
        };
        for (const Case &c : cases) {
            tsup::LogCapture capture;
            CQuickConf job(&idle, &cfg, &record);
            job.setTimeout(125000);
            job.start(&cfg, &record, 1, true);
            postAndDeliver(idle, answer(2, FHOSTQC_DONE, 0, "02:53:56:00:0f:0f", c.build,
                                        "198.18.0.77", "NewName", c.source));
            QCOMPARE(job.getState(), int(c.accepted ? CQuickConf::QC_STATE_ANSWERED
                                                    : CQuickConf::QC_STATE_WAITING));
            QCOMPARE(capture.countContaining(QStringLiteral("QuickConf: check Source-Mac-Addr!")),
                     c.build > 2600 ? 1 : 0);
            if (!c.accepted) {
                QCOMPARE(capture.countContaining(QStringLiteral("QuickConf: Mac is not matched, return!  "
                                                      "nasInfo.szSrcNICMac:[%1]").arg(c.source)), 1);
            }
        }
    }

    // A manual configuration: every field arrives as sent, the unit answers "booting" first and
    // then "ready", and the job takes its new address and name.
    void manualConfigurationOnTheWire()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("deu"));
        const QString longName = QStringLiteral("Server-With-A-Name-Of-Forty-Letters-xyz");
        QCOMPARE(longName.size(), 39);
        const CNasConfig cfg(false, true, QStringLiteral("/tmp/M_1200.pat"), QStringLiteral("198.18.0.77"),
                             QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.254"), QString(),
                             QStringLiteral("pa ss wörd"), longName, 25,
                             QStringLiteral("2014/02/03 09:05:07"));
        const NASINFO record = unitRecord("02:53:56:00:01:01", 2000);
        CQuickConf job(m_udp, &cfg, &record);
        TickLog ticks;
        runJob(job, cfg, record, &ticks);
        QCOMPARE(job.getState(), int(CQuickConf::QC_STATE_ANSWERED));
        QCOMPARE(job.getError(), 0ul);
        QCOMPARE(job.getElapsed(), 125000ul);
        QCOMPARE(job.getNasinfo()->ulIP, inet_addr("198.18.0.77"));
        QCOMPARE(QByteArray(job.getNasinfo()->szServerName), longName.left(35).toLatin1());
        // The "booting" answer came 20 ms (2000 program ms) in and was passed over; the job took
        // the "ready" one 10 ms (1000 program ms) later, while it was still counting: before the
        // last of the 250 ticks that make up its time-out, which come no sooner than 1.25 s in.
        const int timeoutTicks = int(CQuickConf::DEFAULT_TIMEOUT_MS / CQuickConf::TICK_MS);
        QVERIFY2(ticks.ticks.size() < timeoutTicks, qPrintable(QString::number(ticks.ticks.size())));

        const QList<QJsonObject> lines = linesOf("quickconf", QStringLiteral("02:53:56:00:01:01"));
        QVERIFY(!lines.isEmpty());
        const QJsonObject c = lines.first();
        QCOMPARE(c.value("dhcp").toInt(), 0);
        QCOMPARE(c.value("name").toString(), longName.left(35));
        QCOMPARE(c.value("nameLen").toInt(), 35);
        QCOMPARE(c.value("ipHex").toString(), QStringLiteral("c612004d"));
        QCOMPARE(c.value("netmaskHex").toString(), QStringLiteral("ffffff00"));
        QCOMPARE(c.value("gatewayHex").toString(), QStringLiteral("c61200fe"));
        QCOMPARE(c.value("dnsHex").toString(), QStringLiteral("00000000"));
        QCOMPARE(c.value("dateTime").toString(), QStringLiteral("2014-02-03-09-05-07"));
        QCOMPARE(c.value("timezone").toString(), QStringLiteral("Amsterdam"));
        QCOMPARE(c.value("language").toString(), QStringLiteral("ger"));
        QCOMPARE(c.value("secondLanguage").toString(), QStringLiteral("enu"));
        QCOMPARE(c.value("codepage").toInt(), 3);
        QCOMPARE(c.value("languageNumber").toInt(), 3);
        QCOMPARE(c.value("bitmapItems").toInt(), 4);
        QCOMPARE(c.value("qbv").toBool(), true);
        QCOMPARE(c.value("serviceSupport").toArray().first().toString(), QStringLiteral("0x0000000000000080"));
        QCOMPARE(c.value("serviceMask").toArray().first().toString(), QStringLiteral("0x0000000000000080"));
        QCOMPARE(c.value("passwordPresent").toBool(), true);
        QCOMPARE(c.value("password").toString(), QStringLiteral("pa ss wörd"));
        QVERIFY(c.value("srcNicMacs").toArray().contains(QJsonValue(QString::fromLatin1(kLocalMac))));
        QCOMPARE(c.value("answers").toInt(), 2);
        QCOMPARE(c.value("addressAdded").toBool(), true);

        // The unit now holds the address, so later connections reach it.
        QString out;
        QCOMPARE(bed::ipServer({"-o", "-4", "addr", "show", "dev", "vs0"}), 0);
        bed::ip({"-o", "-4", "route", "get", "198.18.0.77"}, &out);
        QVERIFY2(out.contains(QStringLiteral("dev vc0")), qPrintable(out));
        QCOMPARE(m_sim.json(QStringLiteral("units")).isEmpty(), true); // units reply is an array
        const QString units = m_sim.command(QStringLiteral("units"));
        QVERIFY2(units.contains(QStringLiteral("\"ip\":\"198.18.0.77\"")), qPrintable(units));

        // The "booting" answer really came first: the listener saw both.
        bool sawBooting = false;
        for (const NASINFO &n : m_collector.records)
            if (qstrcmp(n.szMac, "02:53:56:00:01:01") == 0 && n.ulPacketType == 2 &&
                n.ulConfigured == FHOSTQC_BOOTING)
                sawBooting = true;
        QVERIFY(sawBooting);
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("enu"));
    }

    // DHCP: addresses go out as 0, QBV off clears the bitmaps, the answer (type 6) names the
    // pool address.
    void dhcpConfigurationOnTheWire()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("enu"));
        const CNasConfig cfg(true, false, QStringLiteral("/tmp/M_1200.pat"), QString(), QString(),
                             QString(), QString(), QStringLiteral("x"), QStringLiteral("Two"), 0,
                             QStringLiteral("2014/02/03 09:05:07"));
        const NASINFO record = unitRecord("02:53:56:00:01:02", 2000);
        CQuickConf job(m_udp, &cfg, &record);
        runJob(job, cfg, record);
        QCOMPARE(job.getState(), int(CQuickConf::QC_STATE_ANSWERED));
        QCOMPARE(job.getError(), 0ul);
        QCOMPARE(job.getNasinfo()->ulIP, inet_addr("198.18.0.88"));
        QCOMPARE(QByteArray(job.getNasinfo()->szServerName), QByteArray("Two"));

        const QJsonObject c = linesOf("quickconf", QStringLiteral("02:53:56:00:01:02")).value(0);
        QCOMPARE(c.value("dhcp").toInt(), 1);
        for (const char *key : {"ipHex", "netmaskHex", "gatewayHex", "dnsHex"})
            QCOMPARE(c.value(QLatin1String(key)).toString(), QStringLiteral("00000000"));
        QCOMPARE(c.value("timezone").toString(), QStringLiteral("Kwajalein"));
        QCOMPARE(c.value("language").toString(), QStringLiteral("enu"));
        QCOMPARE(c.value("qbv").toBool(), false);
        QCOMPARE(c.value("serviceSupport").toArray().first().toString(), QStringLiteral("0x0000000000000000"));
        QCOMPARE(c.value("password").toString(), QStringLiteral("x"));
    }

    // A silent unit: the job times out after its full count, although its own command loops
    // back to the listener carrying the target's MAC.
    void silenceTimesOutDespiteOwnBroadcast()
    {
        m_collector.records.clear();
        const CNasConfig cfg = config();
        const NASINFO record = unitRecord("02:53:56:00:01:03", 2000);
        CQuickConf job(m_udp, &cfg, &record);
        QSignalSpy timeouts(&job, &CQuickConf::signalQuickConfTimeout);
        QElapsedTimer clock;
        clock.start();
        runJob(job, cfg, record);
        QCOMPARE(job.getState(), int(CQuickConf::QC_STATE_TIMEOUT));
        QCOMPARE(job.getElapsed(), 125000ul);
        QCOMPARE(job.getError(), 0ul);
        QCOMPARE(timeouts.count(), 1);
        // At the divisor: far less than the 125 s the job counted, which ticks that ignored the
        // divisor would take (coarse timer ticks may each come a little early: half of it bounds).
        QVERIFY2(clock.elapsed() < tsup::before(CQuickConf::DEFAULT_TIMEOUT_MS / 2), qPrintable(QString::number(clock.elapsed())));
        bool ownCommand = false;
        for (const NASINFO &n : m_collector.records)
            if (n.ulPacketType == FHOST_PKT_QCF && qstrcmp(n.szMac, "02:53:56:00:01:03") == 0)
                ownCommand = true;
        QVERIFY(ownCommand);
        QVERIFY(!linesOf("quickconf", QStringLiteral("02:53:56:00:01:03")).isEmpty());
    }

    // A later build echoes the request's interface MAC (local: accepted, type 3 answer) ...
    void laterBuildEchoAccepted()
    {
        const CNasConfig cfg = config();
        const NASINFO record = unitRecord("02:53:56:00:01:04", 2601);
        CQuickConf job(m_udp, &cfg, &record);
        runJob(job, cfg, record);
        QCOMPARE(job.getState(), int(CQuickConf::QC_STATE_ANSWERED));
        QCOMPARE(job.getError(), 0ul);
    }

    // ... or names an interface this computer does not have: ignored until the time-out.
    void laterBuildForeignSourceIgnored()
    {
        const CNasConfig cfg = config();
        const NASINFO record = unitRecord("02:53:56:00:01:05", 2601);
        CQuickConf job(m_udp, &cfg, &record);
        runJob(job, cfg, record);
        QCOMPARE(job.getState(), int(CQuickConf::QC_STATE_TIMEOUT));
        bool answered = false;
        for (const NASINFO &n : m_collector.records)
            if (n.ulPacketType == 2 && qstrcmp(n.szMac, "02:53:56:00:01:05") == 0 &&
                qstrcmp(n.szSrcNICMac, kForeignMac) == 0)
                answered = true;
        QVERIFY(answered);
    }

    // A refusal first, then success: the job ends in success.
    void errorThenSuccessOnTheWire()
    {
        const CNasConfig cfg = config();
        const NASINFO record = unitRecord("02:53:56:00:01:06", 2000);
        CQuickConf job(m_udp, &cfg, &record);
        job.setTimeout(125000);
        // The job's error once it has taken each answer (a call queued behind its own), not by
        // polling: two answers that arrive together would show only the second.
        // The test object takes the discovery thread's signal: it outlives that thread's sending,
        // so the connection is not torn down (with the job) while the thread sends through it.
        const auto errors = std::make_shared<QList<unsigned long>>();
        const QPointer<CQuickConf> guard(&job);
        connect(m_udp, &CFindHostUDP::signalRecvPkt, this, [guard, errors] {
            if (!guard)
                return;
            QMetaObject::invokeMethod(guard.data(), [guard, errors] {
                if (guard && guard->getState() == CQuickConf::QC_STATE_ANSWERED
                    && (errors->isEmpty() || errors->last() != guard->getError()))
                    *errors << guard->getError();
            }, Qt::QueuedConnection);
        });
        job.start(&cfg, &record, 1, true);
        QVERIFY(waitFor([&] { return errors->contains(0); }, 30000));
        QCOMPARE(*errors, (QList<unsigned long>{7, 0}));
        QCOMPARE(job.getState(), int(CQuickConf::QC_STATE_ANSWERED));
        QCOMPARE(job.getElapsed(), 125000ul);
    }

    // Last: the simulated server's answer to a command typed by hand, byte for byte. The
    // discovery thread stops first so that a plain socket can take port 9999.
    void answerBytesPinned()
    {
        m_udp->terminate();
        delete m_udp;
        m_udp = nullptr;
        bed::Udp udp;
        QVERIFY(udp.open("0.0.0.0", 9999));
        const QByteArray command = bed::hex(
            "12 34 56 78 51 55 45 4e"                                  // header "QUEN"
            "01 04 04 00 00 00"                                        // type 4
            "19 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 30 31 3a 30 37" // 02:53:56:00:01:07
            "20 04 00 00 00 00"                                        // no DHCP
            "21 03 50 69 6e"                                           // "Pin"
            "22 04 c6 12 00 63"                                        // 198.18.0.99
            "7c 11 30 32 3a 31 32 3a 33 34 3a 35 36 3a 37 38 3a 39 61" // 02:12:34:56:78:9a
        );
        QVERIFY(udp.sendTo("198.18.0.2", 9999, command));
        bed::Udp::Received r;
        QVERIFY(udp.receive(&r, tsup::guardMs()));
        const QByteArray expected = bed::hex(
            "12 34 56 78 51 55 45 4e"
            "01 04 02 00 00 00"                                        // answer type 2
            "a4 04 00 00 02 01"                                        // 0x01020000
            "19 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 30 31 3a 30 37" // the unit's MAC
            "11 03 50 69 6e"                                           // new name "Pin"
            "12 04 c6 12 00 63"                                        // new address
            "a7 04 01 00 00 00"                                        // ready
            "1f 04 00 00 00 00"                                        // no error
            "49 04 d2 04 00 00"                                        // build 1234
            "7c 11 30 32 3a 31 32 3a 33 34 3a 35 36 3a 37 38 3a 39 61" // echoed
            "1e 04 c6 12 00 01"                                        // the querier
        );
        QCOMPARE(r.bytes.toHex(), expected.toHex());

        const QJsonObject c = linesOf("quickconf", QStringLiteral("02:53:56:00:01:07")).value(0);
        QCOMPARE(c.value("name").toString(), QStringLiteral("Pin"));
        QCOMPARE(c.value("ip").toString(), QStringLiteral("198.18.0.99"));
        QCOMPARE(c.value("dhcp").toInt(), 0);
        QCOMPARE(c.value("passwordPresent").toBool(), false);
        QCOMPARE(c.value("bitmapItems").toInt(), 0);
        QCOMPARE(c.value("srcNicMacs").toArray().size(), 1);
    }
};

BED_TEST_MAIN(TestQuickConfNetns)
#include "tst_quickconf_netns.moc"
