// The memory-test wizard and the file-system-check skip dialog against the real discovery thread
// and the simulated server's scripted units, in the namespace bed. Waits are divided by 100 on
// both sides: the 125 s authentication wait is 250 ticks of 5 ms, a skip-dialog second 10 ms.
// The command datagrams and the simulated answers are pinned against bytes typed by hand.
#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "CVorkFSCKCancelProgDialog.h"
#include "CVorkWizardMemTest.h"
#include "CWaitScale.h"
#include "CWizCnfmPWDialog.h"
#include "CWizFinishPage.h"
#include "CWizStartDialog.h"
#include "maintenancetest.h"
#include "netnsbed.h"

using namespace mtt;
using tsup::Collector;
using tsup::linesOf;
using tsup::post;
using tsup::runModal;
using tsup::spin;
using tsup::waitFor;

namespace {

const char kTimeoutText[] = "System has no response. Connection timeout.";
const char kClientMac[] = "02:00:c6:12:00:01"; // vc0 of the bed

// Commands the unit took as new ones (second copies of a sending left out).
QList<QJsonObject> memTestCommands(const char *mac)
{
    QList<QJsonObject> out;
    for (const QJsonObject &o : linesOf("memtest", QLatin1String(mac), "command"))
        if (!o.value("repeat").toBool())
            out << o;
    return out;
}

// The raw bytes of the copy of a command of this type that left bound to vc0.
QByteArray boundCopy(int type, const char *targetHex)
{
    for (const QJsonObject &o : bed::capturedDatagrams()) {
        const QByteArray raw = QByteArray::fromHex(o.value("raw").toString().toLatin1());
        if (o.value("sport").toInt() == 1234 && bed::packetType(raw) == type &&
            raw.contains(QByteArray::fromHex(targetHex)))
            return raw;
    }
    return QByteArray();
}

QString status(CVorkWizardMemTest &w)
{
    return w.finishPage()->m_plblStatus->text();
}

QByteArray hx(const QByteArray &text)
{
    return bed::hex(text.constData());
}

bool buttonUsable(CVorkWizardMemTest &w, QWizard::WizardButton which)
{
    QAbstractButton *b = w.button(which);
    return b && b->isVisible() && b->isEnabled();
}

} // namespace

class TestMaintenanceNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CFindHostUDP *m_udp = nullptr;
    Collector m_collector;

    // From the start page through the password page to the finish page: the command goes out.
    bool commit(CVorkWizardMemTest &w, const QString &password)
    {
        if (w.currentId() == CVorkWizardMemTest::PAGE_START)
            w.button(QWizard::NextButton)->click();
        if (w.currentId() != CVorkWizardMemTest::PAGE_PASSWORD || !w.passwordPage()->isCommitPage())
            return false;
        w.passwordPage()->m_pedtPassword->setText(password);
        w.button(QWizard::CommitButton)->click();
        return w.currentId() == CVorkWizardMemTest::PAGE_FINISH;
    }

    NASINFO target(const char *mac, const char *name)
    {
        return record(FHOST_PKT_BRESPONSE, mac, name, FHOSTQC_DONE);
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
        QVERIFY(m_sim.connect());
        const QJsonObject stats = m_sim.json(QStringLiteral("stats"));
        QCOMPARE(stats.value("memtest").toObject().value("divisor").toInt(), 100);
        QVERIFY(stats.contains("fsckskip"));
        QVERIFY(stats.contains("answers"));
        QFile address(QStringLiteral("/sys/class/net/vc0/address"));
        QVERIFY(address.open(QIODevice::ReadOnly));
        QCOMPARE(address.readAll().trimmed(), QByteArray(kClientMac));

        m_udp = tsup::startDiscovery(&m_collector);
        QVERIFY(m_udp->waitForListening(tsup::guardMs(10000)));
    }

    void cleanupTestCase() { tsup::stopDiscovery(m_udp); }

    // A wrong password, Back, and the right one: two commands, then the whole test start.
    void wrongPasswordThenRetry()
    {
        const char *mac = "02:53:56:00:20:01";
        const NASINFO server = target(mac, "VarnestorPw");
        CVorkWizardMemTest wizard(m_udp, nullptr);
        wizard.setNasinfo(&server);
        QCOMPARE(wizard.getWizardType(), 5);
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Quenlori Vornakeeper - Setup Wizard"));
        QCOMPARE(wizard.passwordPage()->m_plblHint->text(),
                 QStringLiteral("Only the administrator can run memory diagnostic tool. Please enter the "
                                "administrator's password."));
        const int result = runModal(wizard, [&]() {
            QCOMPARE(wizard.startPage()->title(), QStringLiteral("Welcome to the Memory Diagnostic Tool"));
            QCOMPARE(wizard.startPage()->m_plblStatus->text(),
                     QStringLiteral("<font color=red>[VarnestorPw] will be rebooted to perform the memory "
                                    "diagnostic test.Access to the [VarnestorPw] will be disabled until "
                                    "memory test is finished. The time required for testing depends on the "
                                    "physical memory size of [VarnestorPw]. It could take from minutes to "
                                    "hours.</font>"));
            QVERIFY(commit(wizard, QStringLiteral("bad")));
            QCOMPARE(status(wizard), QStringLiteral("Authenticating ..."));
            QVERIFY(!buttonUsable(wizard, QWizard::CancelButton));
            QVERIFY(!buttonUsable(wizard, QWizard::BackButton));
            QCOMPARE(wizard.getNasinfo()->ulConfigured, uint32_t(FHOSTQC_BOOTING));
            QVERIFY(waitFor([&] { return status(wizard) == QLatin1String("Incorrect password."); }, 5000));
            QVERIFY(buttonUsable(wizard, QWizard::FinishButton));
            QVERIFY(buttonUsable(wizard, QWizard::BackButton));

            wizard.button(QWizard::BackButton)->click();
            QCOMPARE(wizard.currentId(), int(CVorkWizardMemTest::PAGE_PASSWORD));
            QVERIFY(buttonUsable(wizard, QWizard::CancelButton));
            QCOMPARE(wizard.passwordPage()->m_pedtPassword->text(), QStringLiteral("bad"));
            spin(400); // past the simulated server's window for second copies of one sending
            QVERIFY(commit(wizard, QStringLiteral("s3cret")));
            QCOMPARE(status(wizard), QStringLiteral("Authenticating ..."));
            QVERIFY(!wizard.finishPage()->isComplete());
            QVERIFY(waitFor([&] { return status(wizard) == QLatin1String("[VarnestorPw] is rebooting ..."); },
                            5000));
            QCOMPARE(wizard.finishPage()->getMaximum(), 600000);
            QVERIFY(waitFor([&] { return wizard.isMemTestStarted(); }, 5000));
            QCOMPARE(status(wizard), QStringLiteral("Memory Test of [VarnestorPw] has been started."));
            QVERIFY(buttonUsable(wizard, QWizard::FinishButton));
            QVERIFY(!buttonUsable(wizard, QWizard::BackButton));
            wizard.button(QWizard::FinishButton)->click();
        });
        QCOMPARE(result, int(QDialog::Accepted));
        const QList<QJsonObject> commands = memTestCommands(mac);
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[0].value("password").toString(), QStringLiteral("bad"));
        QCOMPARE(commands[0].value("result").toString(), QStringLiteral("refused"));
        QCOMPARE(commands[1].value("password").toString(), QStringLiteral("s3cret"));
        QCOMPARE(commands[1].value("result").toString(), QStringLiteral("accepted"));
        QCOMPARE(commands[1].value("account").toString(), QStringLiteral("admin"));
    }

    // The right (empty) password: the reboot, type-6 packets in state 5 that only log, a type-2
    // answer of the target during the reboot that is passed over, and state 9. The command is
    // pinned byte for byte.
    void rebootIntoTheTest()
    {
        const char *mac = "02:53:56:00:20:02";
        const NASINFO server = target(mac, "VarnestorMem");
        CVorkWizardMemTest wizard(m_udp, nullptr);
        wizard.setNasinfo(&server);
        tsup::LogCapture capture;
        const int result = runModal(wizard, [&]() {
            QVERIFY(commit(wizard, QString()));
            QVERIFY(waitFor([&] { return status(wizard) == QLatin1String("[VarnestorMem] is rebooting ..."); },
                            5000));
            QVERIFY(m_sim.command(QStringLiteral("answers send %1 2 1").arg(mac)).startsWith("ok"));
            QVERIFY(waitFor([&] { return m_collector.has(FHOST_PKT_JRESPONSE, mac, 5); }, 5000));
            spin(20);
            QCOMPARE(status(wizard), QStringLiteral("[VarnestorMem] is rebooting ..."));
            QVERIFY(!wizard.finishPage()->isComplete());
            QVERIFY(waitFor([&] { return wizard.isMemTestStarted(); }, 5000));
            QCOMPARE(status(wizard), QStringLiteral("Memory Test of [VarnestorMem] has been started."));
            QVERIFY(!wizard.finishPage()->isCounting());
            QCOMPARE(wizard.finishPage()->m_pprgBar->value(), 600000);
            wizard.button(QWizard::FinishButton)->click();
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(capture.countContaining(QStringLiteral("src/CVorkWizardMemTest")), 2);
        QCOMPARE(capture.countContaining(QStringLiteral(" nasInfo.ulConfigured=[5]")), 2);

        const QByteArray expected = bed::hex(
            "12 34 56 78 51 55 45 4e"                                  // header "QUEN"
            "a4 04 00 00 02 01"                                        // version 0x01020000
            "a6 04 78 00 00 00"                                        // 120
            "01 04 0c 00 00 00"                                        // type 12
            "19 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 32 30 3a 30 32" // 02:53:56:00:20:02
            "2a 00"                                                    // empty password
            "4a 05 61 64 6d 69 6e"                                     // "admin"
            "7c 11 30 32 3a 30 30 3a 63 36 3a 31 32 3a 30 30 3a 30 31" // 02:00:c6:12:00:01
        );
        QCOMPARE(boundCopy(12, "3a32303a3032").toHex(), expected.toHex());
    }

    // No answer: the failure text after exactly 250 half-second ticks; another unit's type-2
    // answer meanwhile changes nothing. Finish after a failure does not count as a started test.
    void silenceTimesOut()
    {
        const NASINFO server = target("02:53:56:00:20:03", "VarnestorMute");
        CVorkWizardMemTest wizard(m_udp, nullptr);
        wizard.setNasinfo(&server);
        int ticks = 0;
        const int result = runModal(wizard, [&]() {
            QVERIFY(commit(wizard, QStringLiteral("pw")));
            QTimer *timer = wizard.finishPage()->findChild<QTimer *>();
            QVERIFY(timer);
            connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });
            QVERIFY(m_sim.command(QStringLiteral("answers send 02:53:56:00:20:04 2 1")).startsWith("ok"));
            QVERIFY(waitFor([&] { return m_collector.has(FHOST_PKT_BRESPONSE, "02:53:56:00:20:04", 1); }, 3000));
            QCOMPARE(status(wizard), QStringLiteral("Authenticating ..."));
            QVERIFY(waitFor([&] { return status(wizard) == QLatin1String(kTimeoutText); }, 10000));
            QCOMPARE(ticks, 250);
            QVERIFY(buttonUsable(wizard, QWizard::BackButton));
            wizard.button(QWizard::FinishButton)->click();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!wizard.isMemTestStarted());
    }

    // The reboot wait runs out; a state-9 packet that comes later leaves the failure standing.
    void lateStateNineAfterTimeout()
    {
        const char *mac = "02:53:56:00:20:05";
        const NASINFO server = target(mac, "VarnestorLate");
        CVorkWizardMemTest wizard(m_udp, nullptr);
        wizard.setNasinfo(&server);
        runModal(wizard, [&]() {
            QVERIFY(commit(wizard, QStringLiteral("pw")));
            QVERIFY(waitFor([&] { return status(wizard) == QLatin1String("[VarnestorLate] is rebooting ..."); },
                            5000));
            QVERIFY(waitFor([&] { return status(wizard) == QLatin1String(kTimeoutText); }, 20000));
            QCOMPARE(m_sim.command(QStringLiteral("set %1 state 9").arg(mac)), QStringLiteral("ok"));
            QVERIFY(m_sim.command(QStringLiteral("answers send %1 6").arg(mac)).startsWith("ok"));
            QVERIFY(waitFor([&] { return m_collector.has(FHOST_PKT_JRESPONSE, mac, 9); }, 3000));
            spin(50);
            QCOMPARE(status(wizard), QString::fromLatin1(kTimeoutText));
            QVERIFY(!wizard.isMemTestStarted());
        });

        // Once more, with the state-9 packet already queued when the wait runs out.
        CVorkWizardMemTest again(m_udp, nullptr);
        again.setNasinfo(&server);
        runModal(again, [&]() {
            QVERIFY(commit(again, QStringLiteral("pw")));
            QVERIFY(waitFor([&] { return status(again) == QLatin1String("[VarnestorLate] is rebooting ..."); },
                            5000));
            post(*m_udp, record(FHOST_PKT_JRESPONSE, mac, "VarnestorLate", FHOSTQC_MEM_TESTING));
            emit again.finishPage()->signalTimeout();
            QCOMPARE(status(again), QString::fromLatin1(kTimeoutText));
            spin(50);
            QCOMPARE(status(again), QString::fromLatin1(kTimeoutText));
            QCOMPARE(again.getPhase(), CVorkWizardMemTest::PHASE_FAILED);
        });
    }

    // The skip request pinned byte for byte; the unit answers 30 ms later with its MAC in upper
    // case, which ends the dialog with 0, and moves on from state 6.
    void skipAnswered()
    {
        const char *mac = "02:53:56:00:20:0e";
        const NASINFO server = record(FHOST_PKT_BRESPONSE, mac, "VarnestorCheck", FHOSTQC_QUOTA_CHECKING);
        CVorkFSCKCancelProgDialog dialog(nullptr, &server);
        connect(m_udp, &CFindHostUDP::signalRecvPkt, &dialog, &CVorkFSCKCancelProgDialog::slotRespPktRecv);
        dialog.startProgress(20000);
        QVERIFY(CFindHostUDP::sendPktCancelFsck(&server, 1));
        tsup::LogCapture capture;
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(capture.countContaining(QStringLiteral("recvPkt mac:[02:53:56:00:20:0E] m_strMac:[02:53:56:00:20:0e]")), 1);
        QVERIFY(dialog.m_prg->value() < 19000);
        const QList<QJsonObject> answers = linesOf("fsckskip", QLatin1String(mac), "answer");
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers[0].value("mac").toString(), QStringLiteral("02:53:56:00:20:0E"));
        QCOMPARE(answers[0].value("state").toInt(), 7);

        const QByteArray expected = bed::hex(
            "12 34 56 78 51 55 45 4e"
            "a4 04 00 00 02 01"
            "a6 04 78 00 00 00"
            "01 04 01 00 00 00"                                        // type 1
            "19 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 32 30 3a 30 65" // 02:53:56:00:20:0e
            "b0 08 00 03 00 00 00 00 00 00"                            // services 8 and 9
            "b1 08 00 00 00 00 00 00 00 00"
            "b8 08 00 03 00 00 00 00 00 00"
            "b9 08 00 00 00 00 00 00 00 00"
            "7c 11 30 32 3a 30 30 3a 63 36 3a 31 32 3a 30 30 3a 30 31"
        );
        QCOMPARE(boundCopy(1, "3a32303a3065").toHex(), expected.toHex());
    }

    // A unit that never answers: the dialog ends after 20 ticks with 1; a type-6 packet of the
    // target meanwhile does not end it.
    void skipUnanswered()
    {
        const char *mac = "02:53:56:00:20:07";
        const NASINFO server = record(FHOST_PKT_BRESPONSE, mac, "VarnestorStuck", FHOSTQC_QUOTA_CHECKING);
        CVorkFSCKCancelProgDialog dialog(nullptr, &server);
        connect(m_udp, &CFindHostUDP::signalRecvPkt, &dialog, &CVorkFSCKCancelProgDialog::slotRespPktRecv);
        QSignalSpy timeouts(&dialog, &CVorkFSCKCancelProgDialog::waitTimeout);
        const int result = runModal(dialog, [&]() {
            dialog.startProgress(20000);
            QVERIFY(CFindHostUDP::sendPktCancelFsck(&server, 1));
            QVERIFY(m_sim.command(QStringLiteral("answers send %1 6").arg(mac)).startsWith("ok"));
            QVERIFY(waitFor([&] { return m_collector.has(FHOST_PKT_JRESPONSE, mac, 6); }, 3000));
            waitFor([&] { return !dialog.isVisible(); }, 5000);
        });
        QCOMPARE(result, 1);
        QCOMPARE(timeouts.count(), 1);
        QCOMPARE(dialog.m_prg->value(), 19000);
        QCOMPARE(linesOf("fsckskip", QLatin1String(mac), "command").value(0).value("result").toString(),
                 QStringLiteral("silent"));
    }

    // Last: the simulated answers to commands typed by hand, byte for byte. The discovery thread
    // stops first so that a plain socket can take port 9999.
    void simulatedAnswersPinned()
    {
        m_udp->terminate();
        delete m_udp;
        m_udp = nullptr;
        bed::Udp udp;
        QVERIFY(udp.open("0.0.0.0", 9999));
        const QByteArray header = "12 34 56 78 51 55 45 4e";
        const QByteArray nic = "7c 11 30 32 3a 31 32 3a 33 34 3a 35 36 3a 37 38 3a 39 61"; // 02:12:34:56:78:9a
        const QByteArray querier = "1e 04 c6 12 00 01";                                  // 198.18.0.1
        const QByteArray version = "a4 04 00 00 02 01";
        const QByteArray mac8 = "19 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 32 30 3a 30 38"; // ...:20:08
        const QByteArray mac9 = "19 11 30 32 3a 35 33 3a 35 36 3a 30 30 3a 32 30 3a 30 39"; // ...:20:09
        const QByteArray name = "11 03 50 69 6e";                                       // "Pin"
        const QByteArray build = "49 04 d2 04 00 00";                                   // 1234
        const QByteArray noError = "1f 04 00 00 00 00";

        // A memory-test command with an empty password: the answer, then at once (no silence in
        // this unit's script) the type-6 answer of the running test with its progress.
        QVERIFY(udp.sendTo("198.18.0.2", 9999,
                           hx(header + "01 04 0c 00 00 00" + mac8 + "2a 00" + nic)));
        const QList<bed::Udp::Received> got = udp.receiveFor(tsup::guardMs(), 2);
        QCOMPARE(got.size(), 2);
        QCOMPARE(got[0].bytes.toHex(), hx(header + "01 04 02 00 00 00" + version + mac8 + name +
                                          "a7 04 01 00 00 00" + build + noError + nic + querier).toHex());
        QCOMPARE(got[1].bytes.toHex(), hx(header + "01 04 06 00 00 00" + version + mac8 + name +
                                          "a7 04 09 00 00 00" + build + "79 04 03 00 00 00" + noError +
                                          nic + querier).toHex());

        // A skip request: the answer in the new state 7.
        QVERIFY(udp.sendTo("198.18.0.2", 9999,
                           hx(header + "01 04 01 00 00 00" + mac9 + "b0 08 00 03 00 00 00 00 00 00"
                              "b8 08 00 03 00 00 00 00 00 00" + nic)));
        const QList<bed::Udp::Received> skip = udp.receiveFor(tsup::guardMs(), 1);
        QCOMPARE(skip.size(), 1);
        QCOMPARE(skip[0].bytes.toHex(), hx(header + "01 04 02 00 00 00" + version + mac9 + name +
                                           "a7 04 07 00 00 00" + build + nic + querier).toHex());
    }
};

int main(int argc, char *argv[])
{
    return tsup::runInBed<TestMaintenanceNetns>(argc, argv, tsup::setProgramNames);
}

#include "tst_maintenance_netns.moc"
