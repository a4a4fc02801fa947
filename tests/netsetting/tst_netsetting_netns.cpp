// Network settings in the namespace bed: the job sends through the real discovery thread to the
// simulated server's scripted units and hears their answers over real sockets; the progress
// dialog runs modally as the main window runs it. The wait divisor is 100 in the test and in the
// simulated server, so the full 125000 counted milliseconds pass in about 1.25 s.
#include <QJsonArray>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include "BoxAnswerer.h"
#include "CNasConfig.h"
#include "CVorkDialogNetPinger.h"
#include "CVorkWizardNetSetting.h"
#include "CWaitScale.h"
#include "CWizIPDialog.h"
#include "CWizNetProgDialog.h"
#include "netnsbed.h"
#include "netsettest.h"

using namespace nst;
using tsup::Collector;
using tsup::linesOf;
using tsup::spin;
using tsup::waitFor;

namespace {

const char kVault[] = "02:53:56:00:03:01";
const char kGuarded[] = "02:53:56:00:03:02";
const char kDecoyed[] = "02:53:56:00:03:0a";
const char kMute[] = "02:53:56:00:03:04";
const char kBusy[] = "02:53:56:00:03:05";
const char kLeased[] = "02:53:56:00:03:06";

// The client's link vc0 as the bed makes it, and the text of its MAC on the wire.
const char kVc0MacHex[] = "30 32 3a 30 30 3a 63 36 3a 31 32 3a 30 30 3a 30 31";

// The raw bytes of every captured type-3 datagram after the mark line `mark`.
QList<QByteArray> commandsSince(const QString &mark)
{
    QList<QByteArray> out;
    bool after = false;
    for (const QJsonObject &line : bed::captureLines()) {
        if (line.value(QStringLiteral("mark")).toString() == mark)
            after = true;
        if (!after || !line.contains(QLatin1String("raw")))
            continue;
        const QByteArray raw = QByteArray::fromHex(line.value(QStringLiteral("raw")).toString().toLatin1());
        if (bed::packetType(raw) == FHOST_PKT_NETSET)
            out << raw;
    }
    return out;
}

QList<int> idsOf(const QJsonObject &line)
{
    QList<int> ids;
    for (const QJsonValue &v : line.value(QStringLiteral("ids")).toArray())
        ids << v.toInt();
    return ids;
}

NASINFO unitRecord(const char *mac, const char *name, uint8_t host)
{
    NASINFO n = record(mac, name);
    n.ulIP = netAddr(198, 18, 0, host);
    n.ulMask = netAddr(255, 255, 255, 0);
    return n;
}

CNasConfig manualConfig(const char *ip, const QString &password)
{
    return CNasConfig(false, false, QString::fromLatin1(ip), QStringLiteral("255.255.255.0"),
                      QStringLiteral("198.18.0.254"), QStringLiteral("198.18.0.53"), password);
}

bool pingOnce(const QString &address)
{
    QProcess ping;
    ping.start(QStringLiteral("/bin/ping"), {QStringLiteral("-q"), QStringLiteral("-c"), QStringLiteral("1"),
                                             QStringLiteral("-W"), QStringLiteral("3"), address});
    if (!ping.waitForFinished(tsup::guardMs(10000))) {
        ping.kill();
        ping.waitForFinished(tsup::guardMs(1000));
        return false;
    }
    return ping.exitStatus() == QProcess::NormalExit && ping.exitCode() == 0;
}

} // namespace

class TestNetSettingNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CFindHostUDP *m_udp = nullptr;
    Collector m_collector;

    // Runs the job until its finish signal (bounded); false when it did not send or finish.
    static bool runJob(CNetSetting &job, SignalLog &log)
    {
        log.attach(job);
        job.setTimeout(125000);
        if (!job.start(1))
            return false;
        return waitFor([&] { return log.count('f') > 0; }, 30000);
    }

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
        QVERIFY(m_sim.connect());
        QVERIFY(m_sim.command(QStringLiteral("services")).contains(QLatin1String("netset")));
        QCOMPARE(m_sim.json(QStringLiteral("stats")).value(QStringLiteral("netset")).toObject()
                     .value(QStringLiteral("divisor")).toInt(), 100);

        m_udp = tsup::startDiscovery(&m_collector);
        QVERIFY(m_udp->waitForListening(tsup::guardMs(10000)));
    }

    void cleanupTestCase() { tsup::stopDiscovery(m_udp); }

    // The command on the wire, typed by hand from the protocol tables: the target's MAC and
    // name, the DHCP flag, the four addresses only without DHCP, the (empty) password, 0x2b
    // only for a target whose ulField1B is set, then the sending interface's MAC. The bound and
    // the unbound copy are the same bytes.
    void commandBytesPinned()
    {
        const QByteArray head = bed::hex("12 34 56 78 51 55 45 4e"
                                         "01 04 03 00 00 00"
                                         "a4 04 00 00 02 01"
                                         "29 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 30 33 3a 30 35"
                                         "21 04 42 75 73 79"); // "Busy"
        const QByteArray nic = bed::hex("7c 11") + bed::hex(kVc0MacHex);

        NASINFO target = unitRecord(kBusy, "Busy", 45);
        m_sim.command(QStringLiteral("mark manual"));
        {
            const CNasConfig cfg = manualConfig("198.18.0.50", QString());
            CNetSetting withConfig(m_udp, &cfg, &target);
            SignalLog log;
            QVERIFY(runJob(withConfig, log));
            QCOMPARE(log.events.value(log.finishIndex()).error, 3ul);
        }
        // The job ends on the first copy's answer; the server may still be reading the second.
        QVERIFY(waitFor([] { return linesOf("netset", QString::fromLatin1(kBusy)).size() >= 2; }, 10000));
        const QByteArray manual = head + bed::hex("20 04 00 00 00 00"
                                                  "22 04 c6 12 00 32"
                                                  "23 04 ff ff ff 00"
                                                  "24 04 c6 12 00 fe"
                                                  "25 04 c6 12 00 35"
                                                  "2a 00") + nic;
        const QList<QByteArray> manualCopies = commandsSince(QStringLiteral("manual"));
        QCOMPARE(manualCopies.size(), 2);
        for (const QByteArray &copy : manualCopies)
            QCOMPARE(copy.toHex(' '), manual.toHex(' '));

        target.ulField1B = 0x04030201;
        m_sim.command(QStringLiteral("mark field1b"));
        {
            const CNasConfig cfg(true, false, QStringLiteral("198.18.0.50"), QString(), QString(),
                                 QString(), QString());
            CNetSetting job(m_udp, &cfg, &target);
            SignalLog log;
            QVERIFY(runJob(job, log));
        }
        QVERIFY(waitFor([] { return linesOf("netset", QString::fromLatin1(kBusy)).size() >= 4; }, 10000));
        const QByteArray dhcp = head + bed::hex("20 04 01 00 00 00"
                                                "2a 00"
                                                "2b 04 01 02 03 04") + nic;
        const QList<QByteArray> dhcpCopies = commandsSince(QStringLiteral("field1b"));
        QCOMPARE(dhcpCopies.size(), 2);
        for (const QByteArray &copy : dhcpCopies)
            QCOMPARE(copy.toHex(' '), dhcp.toHex(' '));

        // The simulated server read both the same way.
        const QList<QJsonObject> lines = linesOf("netset", QString::fromLatin1(kBusy));
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].value(QStringLiteral("field2b")).isNull());
        QCOMPARE(lines[0].value(QStringLiteral("addressItems")).toInt(), 4);
        QCOMPARE(lines[2].value(QStringLiteral("field2b")).toString(), QStringLiteral("01020304"));
        QCOMPARE(lines[2].value(QStringLiteral("addressItems")).toInt(), 0);
    }

    // A type-3 answer, one whose version lacks bit 24 and one whose MAC differs in letter case
    // all reach the job before the target's real answer; only the real one counts.
    void foreignAnswersIgnored()
    {
        const NASINFO target = unitRecord(kDecoyed, "Decoyed", 43);
        const CNasConfig cfg(true, false, QString(), QString(), QString(), QString(), QStringLiteral("x"));
        CNetSetting job(m_udp, &cfg, &target);
        m_collector.records.clear();
        QList<NASINFO> heardBeforeFinish;
        connect(&job, &CNetSetting::signalNetSettingFinished, this,
                [&] { heardBeforeFinish = m_collector.records; });
        SignalLog log;
        QVERIFY(runJob(job, log));
        QCOMPARE(log.count('f'), 1);
        QCOMPARE(log.events[log.finishIndex()].status, 2);
        QCOMPARE(log.events[log.finishIndex()].error, 2ul);

        int typeThree = 0, oldVersion = 0, upperMac = 0;
        for (const NASINFO &n : heardBeforeFinish) {
            if (n.ulPacketType == FHOST_PKT_NETSET && n.ulErrCode == 9)
                ++typeThree;
            if (n.ulPacketType == FHOST_PKT_BRESPONSE && n.ulErrCode == 8 &&
                n.ulFindHostVersion == 0x02020000u)
                ++oldVersion;
            if (qstrcmp(n.szMac, "02:53:56:00:03:0A") == 0 && n.ulErrCode == 7)
                ++upperMac;
        }
        QVERIFY(typeThree >= 1);
        QVERIFY(oldVersion >= 1);
        QVERIFY(upperMac >= 1);
        // The answers to the second copy of the command come later and change nothing.
        spin(300);
        QCOMPARE(log.count('f'), 1);
        QCOMPARE(job.getError(), 2ul);
    }

    // A wrong password: the unit answers error 1 at once, the job ends with it and stops
    // waiting; the unit keeps its settings.
    void wrongPasswordEndsAtOnce()
    {
        const NASINFO target = unitRecord(kGuarded, "Guarded", 42);
        const CNasConfig cfg = manualConfig("198.18.0.72", QStringLiteral("wrong"));
        CNetSetting job(m_udp, &cfg, &target);
        SignalLog log;
        QVERIFY(runJob(job, log));
        const SignalLog::Event finish = log.events[log.finishIndex()];
        QCOMPARE(finish.status, 2);
        QCOMPARE(finish.error, 1ul);
        QCOMPARE(job.getElapsed(), 125000ul);
        // Far from the time-out.
        QVERIFY2(log.count('u') < 60, qPrintable(QString::number(log.count('u'))));
        spin(300);
        QCOMPARE(log.count('f'), 1);

        const QJsonObject line = linesOf("netset", QString::fromLatin1(kGuarded)).value(0);
        QCOMPARE(line.value(QStringLiteral("password")).toString(), QStringLiteral("wrong"));
        QCOMPARE(line.value(QStringLiteral("passwordOk")).toBool(), false);
        QCOMPARE(line.value(QStringLiteral("applied")).toBool(), false);
        QVERIFY(!m_sim.command(QStringLiteral("units")).contains(QLatin1String("198.18.0.72")));
    }

    // Success: the unit takes the new address and answers from it on the next search.
    void successNewAddressOnNextSearch()
    {
        const NASINFO target = unitRecord(kVault, "Vault", 41);
        const CNasConfig cfg = manualConfig("198.18.0.77", QStringLiteral("right"));
        CNetSetting job(m_udp, &cfg, &target);
        SignalLog log;
        QVERIFY(runJob(job, log));
        QCOMPARE(log.events[log.finishIndex()].status, 2);
        QCOMPARE(log.events[log.finishIndex()].error, 0ul);

        const QJsonObject line = linesOf("netset", QString::fromLatin1(kVault)).value(0);
        QCOMPARE(idsOf(line), (QList<int>{0x01, 0xa4, 0x29, 0x21, 0x20, 0x22, 0x23, 0x24, 0x25,
                                         0x2a, 0x7c}));
        QCOMPARE(line.value(QStringLiteral("password")).toString(), QStringLiteral("right"));
        QCOMPARE(line.value(QStringLiteral("passwordOk")).toBool(), true);
        QCOMPARE(line.value(QStringLiteral("name")).toString(), QStringLiteral("Vault"));
        QCOMPARE(line.value(QStringLiteral("ip")).toString(), QStringLiteral("198.18.0.77"));
        QCOMPARE(line.value(QStringLiteral("dns")).toString(), QStringLiteral("198.18.0.53"));
        QCOMPARE(line.value(QStringLiteral("addressAdded")).toBool(), true);

        // Every unit's answer is waited for: one still on its way would reach the next case's
        // job, which takes its unit's search answer for the answer to its command.
        const int units = m_sim.unitCount();
        QVERIFY(units > 1);
        m_collector.records.clear();
        QVERIFY(m_udp->slotSendPktBroadCast(1));
        uint32_t seenIp = 0;
        QSet<QByteArray> answered;
        QVERIFY(waitFor([&] {
            for (const NASINFO &n : m_collector.records) {
                if (n.ulPacketType != FHOST_PKT_BRESPONSE)
                    continue;
                answered.insert(QByteArray(n.szMac));
                if (qstrcmp(n.szMac, kVault) == 0)
                    seenIp = n.ulIP;
            }
            return seenIp != 0 && answered.size() >= units;
        }, 10000));
        QCOMPARE(bed::addrText(seenIp), QStringLiteral("198.18.0.77"));
        QVERIFY(pingOnce(QStringLiteral("198.18.0.77")));
    }

    // No answer: the modal dialog's bar climbs by 1000 per tick, the job times out after 125
    // ticks, and the last progress (125000) comes after the finish signal, which closed the
    // dialog with 1.
    void silenceTimesOut()
    {
        const NASINFO target = unitRecord(kMute, "Mute", 44);
        const CNasConfig cfg = manualConfig("198.18.0.74", QStringLiteral("x"));
        CNetSetting job(m_udp, &cfg, &target);
        CWizNetProgDialog dialog;
        job.setTimeout(125000);
        dialog.setMaximum(125000);
        connect(&job, &CNetSetting::signalUpdateProgress, &dialog, &CWizNetProgDialog::slotUpdateProgress);
        connect(&job, &CNetSetting::signalNetSettingFinished, &dialog, &CWizNetProgDialog::slotFinished);
        SignalLog log;
        log.attach(job);
        QList<int> bar;
        connect(&job, &CNetSetting::signalUpdateProgress, &dialog,
                [&] { bar << dialog.m_prg->value(); });
        m_collector.records.clear();
        QVERIFY(job.start(1));
        QTimer::singleShot(tsup::guardMs(60000), &dialog, [&dialog] { dialog.done(-1); }); // bound
        QCOMPARE(dialog.exec(), 1);

        QCOMPARE(log.count('u'), 125);
        QCOMPARE(log.count('f'), 1);
        QCOMPARE(log.finishIndex(), 124);
        QCOMPARE(log.events[124].status, 3);
        QCOMPARE(log.events[124].error, 0ul);
        QCOMPARE(log.events.last().kind, 'u');
        QCOMPARE(log.events.last().value, 125000);
        QCOMPARE(bar.size(), 125);
        for (int i = 0; i < bar.size(); ++i)
            QCOMPARE(bar[i], (i + 1) * 1000);
        QCOMPARE(int(job.getStatus()), 3);
        // The command itself came back to the listener with the target's MAC, and was passed
        // over as no answer.
        QVERIFY(m_collector.count(kMute, FHOST_PKT_NETSET) >= 1);
        QCOMPARE(linesOf("netset", QString::fromLatin1(kMute)).value(0).value(QStringLiteral("answers")).toInt(), 0);
    }

    // The wizard with DHCP chosen moves on without checking the fields (no box, no ping), and
    // its command carries no 0x22-0x25.
    void dhcpFromTheWizard()
    {
        NASINFO n = unitRecord(kLeased, "Leased", 46);
        n.ulConnected = 1; // its web port answered: the page proposes its own settings
        CVorkWizardNetSetting w(nullptr, nullptr);
        w.addNasinfo(&n);
        BoxAnswerer boxes;
        int pingers = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&pingers] {
            if (dynamic_cast<CVorkDialogNetPinger *>(QApplication::activeModalWidget()))
                ++pingers;
        });
        watch.start(5);
        w.show();
        w.next();
        w.setField(QStringLiteral("ConfirmPasswd"), QStringLiteral("pw"));
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardNetSetting::PAGE_IP));
        w.addressPage()->m_pedtIP->setText(QStringLiteral("198.18.0.999"));
        w.addressPage()->m_prdoDHCP->click();
        w.button(QWizard::FinishButton)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(pingers, 0);

        const CNasConfig cfg(*w.createNasConfig());
        QVERIFY(cfg.isDHCP());
        QCOMPARE(cfg.getIP(), QStringLiteral("198.18.0.999"));
        const NASINFO first = w.getNasinfoList().first();
        CNetSetting job(m_udp, &cfg, &first);
        SignalLog log;
        QVERIFY(runJob(job, log));
        QCOMPARE(log.events[log.finishIndex()].error, 4ul);

        const QJsonObject line = linesOf("netset", QString::fromLatin1(kLeased)).value(0);
        QCOMPARE(idsOf(line), (QList<int>{0x01, 0xa4, 0x29, 0x21, 0x20, 0x2a, 0x7c}));
        QCOMPARE(line.value(QStringLiteral("dhcp")).toInt(), 1);
        QCOMPARE(line.value(QStringLiteral("password")).toString(), QStringLiteral("pw"));
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
            "12 34 56 78 51 55 45 4e"
            "01 04 03 00 00 00"                                        // type 3
            "a4 04 00 00 02 01"
            "29 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 30 33 3a 30 35" // 02:53:56:00:03:05
            "20 04 01 00 00 00"                                        // DHCP
            "7c 11 30 32 3a 31 32 3a 33 34 3a 35 36 3a 37 38 3a 39 61" // 02:12:34:56:78:9a
        );
        QVERIFY(udp.sendTo("198.18.0.2", 9999, command));
        const QByteArray expected = bed::hex(
            "12 34 56 78 51 55 45 4e"
            "01 04 02 00 00 00"                                        // answer type 2
            "a4 04 00 00 02 01"                                        // 0x01020000
            "19 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 30 33 3a 30 35" // the unit's MAC
            "11 04 42 75 73 79"                                        // "Busy"
            "10 04 00 00 00 00"                                        // no DHCP
            "12 04 c6 12 00 2d"                                        // 198.18.0.45, unchanged
            "a7 04 01 00 00 00"                                        // ready
            "1f 04 03 00 00 00"                                        // error 3
            "7c 11 30 32 3a 31 32 3a 33 34 3a 35 36 3a 37 38 3a 39 61" // echoed
            "1e 04 c6 12 00 01"                                        // the querier
        );
        QByteArray got;
        QElapsedTimer t;
        t.start();
        bed::Udp::Received r;
        while (got.isEmpty() && t.elapsed() < tsup::guardMs() && udp.receive(&r, tsup::guardMs()))
            if (bed::packetType(r.bytes) == FHOST_PKT_BRESPONSE)
                got = r.bytes;
        QCOMPARE(got.toHex(' '), expected.toHex(' '));
    }
};

GUI_BED_TEST_MAIN(TestNetSettingNetns)

#include "tst_netsetting_netns.moc"
