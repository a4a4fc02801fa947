// Whole system recoveries in the namespace bed: the real discovery thread hears the units'
// answers to the broadcast recovery request, the install channel talks TCP to the simulated
// server's install service, and the rebooted unit announces itself again. Every failure is
// provoked by a unit's script (recovery_units.json). Waits run at divisor 100 here (but for the
// answer wait of a case that needs the answer) and in the simulated server; the counted values
// (percent, seconds) keep their real sizes.
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

#include "CFindHostUDP.h"
#include "CWaitScale.h"
#include "netnsbed.h"
#include "recoverytest.h"

using tsup::Collector;
using tsup::linesOf;

namespace {

const char kHeaderHex[] = "12 34 56 78 51 55 45 4e";
const char kClientMacHex[] = "30 32 3a 30 30 3a 63 36 3a 31 32 3a 30 30 3a 30 31"; // 02:00:c6:12:00:01
const char kMarkerHex[] = "12 34 56 78 51 55 45 4e 4e 49";

QString macOf(int unit)
{
    return QStringLiteral("02:53:56:00:11:%1").arg(unit, 2, 16, QLatin1Char('0'));
}

QString ipOf(int unit)
{
    return QStringLiteral("198.18.0.%1").arg(70 + unit);
}

QByteArray hex(const char *text)
{
    return bed::hex(text);
}

} // namespace

class TestRecoveryNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CFindHostUDP *m_udp = nullptr;

    // A case that needs the broadcast's answer waits for it at full length: at divisor 100 the
    // wait lasts a tenth of a second, which a busy machine can miss with an answer already on its
    // way, and in full it still ends at its first one-second look after the answer. The dialog
    // starts at divisor 10 (its display then ticks every 50 ms); the watch sets 1 while the job
    // waits for the answer and `later` from the next stage on; the case ends at 100. An answer the
    // job turns down does not end its wait: `handled` then tells when the rest of it may run at
    // `later`.
    struct AnswerInFull {
        explicit AnswerInFull(int later = 100, std::function<bool()> handled = {})
            : later(later), handled(std::move(handled))
        {
            CWaitScale::setDivisor(10);
        }
        ~AnswerInFull() { CWaitScale::setDivisor(100); }
        void follow(rct::Watch &watch) const
        {
            const int after = later;
            const std::function<bool()> done = handled;
            watch.onSample = [after, done](const rct::Sample &s) {
                if (s.stage == CThreadSysRecovery::STAGE_BROADCAST && !(done && done()))
                    CWaitScale::setDivisor(1);
                else if (s.stage != CThreadSysRecovery::STAGE_NONE && s.stage != -100)
                    CWaitScale::setDivisor(after);
            };
        }
        int later;
        std::function<bool()> handled;
    };

    // The unit's announcements up to its closing type-2 one. The unit logs each after sending it,
    // so the log may trail the answer the program heard.
    QList<QJsonObject> announcedUpToType2(int unit)
    {
        QList<QJsonObject> announced;
        tsup::waitFor([&] {
            announced = linesOf("install", macOf(unit), "announce");
            return !announced.isEmpty() && announced.last().value(QStringLiteral("type")).toInt() == 2;
        }, 5000);
        return announced;
    }

    // A dialog for the unit, shown (not modal) so that the test's own loop delivers its events.
    CVorkDialogRecovery *open(int unit)
    {
        m_sim.command(QStringLiteral("mark start %1").arg(unit));
        const NASINFO target = rct::record(macOf(unit).toLatin1().constData(), ipOf(unit).toLatin1().constData());
        auto *dialog = new CVorkDialogRecovery(nullptr, &target, m_udp);
        dialog->show();
        return dialog;
    }

    // Runs the unit's recovery to its end and expects a failure with this label; the samples
    // taken on the way are left in *watch. With `full` (made before the call), the answer is
    // waited for in full.
    void expectFailure(int unit, int error, const char *label, std::unique_ptr<rct::Watch> *watch,
                       const AnswerInFull *full = nullptr)
    {
        std::unique_ptr<CVorkDialogRecovery> dialog(open(unit));
        watch->reset(new rct::Watch(dialog.get()));
        rct::Watch &w = **watch;
        if (full)
            full->follow(w);
        QVERIFY(w.until([&] { return w.ended(); }, 20000));
        QVERIFY(w.until([&] { return dialog->m_lblProgStatus->text() == QLatin1String(label); }, 2000));
        CThreadSysRecovery *job = dialog->getJob();
        QCOMPARE(job->getStage(), int(CThreadSysRecovery::STAGE_FAILED));
        QCOMPARE(job->getError(), error);
        QCOMPARE(job->getProgress(), 100);
        QVERIFY(dialog->m_pbuttonBox->button(QDialogButtonBox::Close)->isEnabled());
    }

    QString commandLog(int unit) { return tsup::installLog(m_sim, macOf(unit)); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
        QVERIFY(m_sim.connect());
        const QString services = m_sim.command(QStringLiteral("services"));
        QVERIFY2(services.contains(QLatin1String("install")) && services.contains(QLatin1String("recovery")),
                 qPrintable(services));
        // Every unit's address on the server side, so that its TCP connections find it.
        for (int unit = 1; unit <= 14; ++unit)
            QCOMPARE(bed::ipServer({QStringLiteral("addr"), QStringLiteral("add"), ipOf(unit) + QStringLiteral("/24"),
                                    QStringLiteral("dev"), QStringLiteral("vs0")}),
                     0);

        m_udp = tsup::startDiscovery();
        QVERIFY(m_udp->waitForListening(tsup::guardMs(10000)));
    }

    void cleanupTestCase() { tsup::stopDiscovery(m_udp); }

    // Stages 0 to 4 with their texts, run modally as the main window runs it; the percent of the
    // answer wait, the countdown of the reboot, the Close button's rule, and the bytes on the wire.
    void happyPath()
    {
        // Program waits ten times longer after the answer, so that the unit's half-second
        // before its reply to the reboot command (which holds the countdown at its start) stays
        // far inside the job's reply wait.
        AnswerInFull full(10);
        rct::Messages messages;
        m_sim.command(QStringLiteral("mark start 1"));
        const NASINFO target = rct::record(macOf(1).toLatin1().constData(), ipOf(1).toLatin1().constData());
        CVorkDialogRecovery dialog(nullptr, &target, m_udp);
        rct::Watch watch(&dialog);
        full.follow(watch);
        bool clicked = false;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, &dialog, [&] {
            watch.take();
            if (!clicked && dialog.m_lblProgStatus->text() == QLatin1String(rct::kFinished)) {
                clicked = true;
                dialog.m_pbuttonBox->button(QDialogButtonBox::Close)->click();
            }
        });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(99); });
        sampler.start(1);
        guard.start(tsup::guardMs(20000));
        const int result = dialog.exec();
        sampler.stop();
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(clicked);

        CThreadSysRecovery *job = dialog.getJob();
        QVERIFY(job->wait(tsup::guardMs(5000)));
        QCOMPARE(job->getStage(), int(CThreadSysRecovery::STAGE_DONE));
        QCOMPARE(job->getProgress(), 100);
        QCOMPARE(job->getRebootState(), int(CThreadSysRecovery::REBOOT_FINISHED));
        QVERIFY(job->isResponseSeen());

        QList<int> stages = watch.sequence(&rct::Sample::stage);
        stages.removeAll(-100);
        QVERIFY2(tsup::inOrder(stages, {0, 1, 2, 3, 4}), qPrintable(rct::toText(stages)));

        // The label's texts in order; the countdown starts at 600 and only goes down.
        QStringList kinds;
        QList<int> seconds;
        const QRegularExpression countdown(
            QStringLiteral("^Progress: System is rebooting \\.\\.\\. \\((\\d+) seconds\\)$"));
        for (const QString &label : watch.labels()) {
            const QRegularExpressionMatch m = countdown.match(label);
            if (m.hasMatch())
                seconds << m.captured(1).toInt();
            const QString kind = m.hasMatch() ? QStringLiteral("rebooting") : label;
            if (kinds.isEmpty() || kinds.last() != kind)
                kinds << kind;
        }
        QVERIFY2(tsup::inOrder<QString>(kinds, {rct::kStart, rct::kConnecting, rct::kRecovering,
                                               QStringLiteral("rebooting"), rct::kFinished}),
                 qPrintable(kinds.join(QLatin1Char('|'))));
        QVERIFY(!seconds.isEmpty());
        // The countdown starts at the whole reboot wait of ten minutes.
        QCOMPARE(seconds.first(), 600);
        for (int i = 1; i < seconds.size(); ++i)
            QVERIFY2(seconds[i] < seconds[i - 1], qPrintable(QString::number(seconds[i])));
        QVERIFY2(seconds.last() <= 600 && seconds.last() > 500, qPrintable(QString::number(seconds.last())));

        // Close only from the rebooting text on; the answer wait counts 9, 18, ... up to 90.
        QList<int> answerWait;
        bool rebootingSeen = false;
        for (const rct::Sample &s : watch.samples) {
            rebootingSeen = rebootingSeen || countdown.match(s.label).hasMatch();
            QCOMPARE(s.closeEnabled, rebootingSeen || s.label == QLatin1String(rct::kFinished));
            if (s.stage == 1 && (answerWait.isEmpty() || answerWait.last() != s.percent))
                answerWait << s.percent;
        }
        // The unit answers half a second after the request, inside the wait. (The 90 that
        // follows the accepted answer lasts only as long as the TCP connect.)
        answerWait.removeAll(0);
        QVERIFY2(!answerWait.isEmpty(), qPrintable(rct::toText(stages)));
        for (int i = 0; i < answerWait.size(); ++i) {
            QVERIFY2(answerWait[i] % 9 == 0 && answerWait[i] <= 90, qPrintable(rct::toText(answerWait)));
            if (i > 0)
                QVERIFY2(answerWait[i] > answerWait[i - 1], qPrintable(rct::toText(answerWait)));
        }
        QVERIFY(watch.sequence(&rct::Sample::bar).contains(100));

        // On the wire: the broadcast request, then commands 9 and 7, byte for byte.
        const QByteArray base = hex(kHeaderHex) + hex("a4 04 00 00 02 01  a6 04 78 00 00 00  01 04 0f 00 00 00");
        const QByteArray once = base + hex("7c 11") + hex(kClientMacHex);
        const QByteArray twice = once + hex("7c 11") + hex(kClientMacHex);
        int onceSeen = 0, twiceSeen = 0, requests = 0;
        for (const QJsonObject &d : bed::capturedDatagrams()) {
            const QByteArray raw = QByteArray::fromHex(d.value(QStringLiteral("raw")).toString().toLatin1());
            if (bed::packetType(raw) != 15)
                continue;
            ++requests;
            onceSeen += raw == once;
            twiceSeen += raw == twice;
        }
        QVERIFY2(onceSeen >= 1 && twiceSeen >= 1 && onceSeen + twiceSeen == requests,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(onceSeen).arg(twiceSeen).arg(requests)));
        QCOMPARE(commandLog(1), QStringLiteral("[9,7]"));
        const QList<QJsonObject> commands = linesOf("install", macOf(1), "command");
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[0].value(QStringLiteral("hex")).toString().toLatin1(),
                 (hex(kMarkerHex) + hex("01 04 01 00 00 00  12 04 09 00 00 00")).toHex());
        QCOMPARE(commands[1].value(QStringLiteral("hex")).toString().toLatin1(),
                 (hex(kMarkerHex) + hex("01 04 01 00 00 00  12 04 07 00 00 00")).toHex());
        const QList<QJsonObject> connects = linesOf("install", macOf(1), "connect");
        QCOMPARE(connects.size(), 1);
        QCOMPARE(connects.first().value(QStringLiteral("local")).toString(), ipOf(1));
        const QList<QJsonObject> announced = announcedUpToType2(1);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.first().value(QStringLiteral("type")).toInt(), 2);
        QVERIFY(messages.countContaining(QStringLiteral("Reboot Finished!")) >= 1);
        QVERIFY2(messages.threadComplaints().isEmpty(), qPrintable(messages.threadComplaints().join('|')));
    }

    // Answers of the wrong type, without bit 24 or from another MAC are all ignored: after the
    // nine waits the recovery fails with error 5, and no TCP connection is made.
    void wrongAnswers_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<uint>("type");
        QTest::addColumn<uint>("version");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("why");
        QTest::newRow("type 2") << 2 << 2u << 0x01020000u << macOf(2)
                                << QStringLiteral("Not a recovery response packet. ignore it.");
        QTest::newRow("no bit 24") << 3 << 16u << 0x00020000u << macOf(3)
                                   << QStringLiteral("packet version incorrect. ");
        QTest::newRow("another MAC") << 4 << 16u << 0x01020000u << QStringLiteral("02:53:56:00:11:14")
                                     << QStringLiteral("the packet mac-address does not match. ");
        QTest::newRow("not recoverable") << 11 << 0u << 0u << QString() << QString();
    }

    void wrongAnswers()
    {
        QFETCH(int, unit);
        QFETCH(uint, type);
        QFETCH(uint, version);
        QFETCH(QString, mac);
        QFETCH(QString, why);
        rct::Messages messages;
        Collector heard;
        connect(m_udp, &CFindHostUDP::signalRecvPkt, &heard, &Collector::take);
        auto arrived = [&] {
            int count = 0;
            for (const NASINFO &n : heard.records)
                count += n.ulPacketType == type && n.ulFindHostVersion == version &&
                         QString::fromLatin1(n.szMac, int(qstrnlen(n.szMac, sizeof(n.szMac)))) == mac;
            return count;
        };
        // Where the unit answers, the answer wait runs in full until the answer has come and been
        // turned down, so that a busy machine cannot end it with the answer still on its way.
        // Where none answers, the whole recovery runs at divisor 10 (made, never followed), so
        // that the nine sleeps of its answer wait outweigh everything else its time holds.
        std::unique_ptr<AnswerInFull> full;
        if (!why.isEmpty())
            full.reset(new AnswerInFull(100, [&] { return arrived() >= 1 && messages.countContaining(why) >= 1; }));
        const std::unique_ptr<AnswerInFull> longer(why.isEmpty() ? new AnswerInFull : nullptr);
        std::unique_ptr<rct::Watch> watch;
        const qint64 startAndSend = CWaitScale::ms(CVorkDialogRecovery::START_DELAY_MS)
                                    + CThreadSysRecovery::RESPONSE_SEND_TIMES * CWaitScale::ms(1000);
        QElapsedTimer clock;
        clock.start();
        expectFailure(unit, CThreadSysRecovery::ERR_NO_ANSWER, rct::kFailedNoResponse, &watch, full.get());
        if (QTest::currentTestFailed())
            return;
        // The dialog's start delay, the sender's one-second pause after each copy of the
        // request (at the divisor the dialog began with) and the nine one-second sleeps of the
        // answer wait (at the divisor in force now, the shortest they ran at) came first.
        const qint64 atLeast = startAndSend + (CThreadSysRecovery::RESPONSE_WAIT_S - 1) * CWaitScale::ms(CThreadSysRecovery::STEP_MS);
        QVERIFY2(clock.elapsed() >= atLeast, qPrintable(QStringLiteral("%1 < %2").arg(clock.elapsed()).arg(atLeast)));
        // The unit's own answer went out, reached the program and was turned down for its reason.
        const QList<QJsonObject> answered = linesOf("recovery", macOf(unit));
        QVERIFY(!answered.isEmpty());
        QCOMPARE(answered.last().value(QStringLiteral("sent")).toBool(), unit != 11);
        if (!why.isEmpty()) {
            QVERIFY(arrived() >= 1);
            QVERIFY(messages.countContaining(why) >= 1);
        }
        QCOMPARE(messages.countContaining(QStringLiteral("wait for recovery response timeout!")), 1);
        QVERIFY(linesOf("install", macOf(unit), "connect").isEmpty());
        QList<int> stages = watch->sequence(&rct::Sample::stage);
        stages.removeAll(-100);
        QVERIFY2(stages.contains(1) && tsup::inOrder(stages, {0, 1, -1}), qPrintable(rct::toText(stages)));
        // The count goes through the nine waits: 9, 18, ... up to 90, followed by the failure.
        for (const rct::Sample &s : watch->samples) {
            if (s.stage == 1)
                QVERIFY2(s.percent % 9 == 0 && s.percent <= 90, qPrintable(QString::number(s.percent)));
        }
    }

    void tcpRefused()
    {
        AnswerInFull full;
        QCOMPARE(m_sim.command(QStringLiteral("install listen off")), QStringLiteral("ok"));
        rct::Messages messages;
        std::unique_ptr<rct::Watch> watch;
        expectFailure(5, CThreadSysRecovery::ERR_OPEN_SOCKET, rct::kFailedConnection, &watch, &full);
        QCOMPARE(m_sim.command(QStringLiteral("install listen on")), QStringLiteral("ok"));
        QCOMPARE(messages.countContaining(QStringLiteral("open TCP socekt failed!")), 1);
        QVERIFY(messages.countContaining(QStringLiteral("fail in TCP-Connection.")) >= 1);
    }

    // An error code in the reply to "start recovery" fails the recovery as a failed reply.
    void errorOnRecovery()
    {
        AnswerInFull full;
        rct::Messages messages;
        std::unique_ptr<rct::Watch> watch;
        expectFailure(6, CThreadSysRecovery::ERR_REPLY, rct::kFailedNoResponse, &watch, &full);
        QCOMPARE(messages.countContaining(QStringLiteral("System Recovery error occur! errCode:(7)")), 1);
        QCOMPARE(messages.countContaining(QStringLiteral(" waitFor TCP-recovery CmdResponse error!")), 1);
        QCOMPARE(commandLog(6), QStringLiteral("[9]"));
    }

    // A reply the job cannot take ends the recovery at once as a failed reply: an error code or
    // a broken marker in the reply to "reboot" before the wait for the unit's return begins (its
    // countdown never leaves 600 and no reboot state is taken), a broken reply to "start
    // recovery" before "reboot" is sent. The replies come at once; the program waits after the
    // answer run at divisor 10, so that each reply is read long before its wait could end. A job
    // that went on into the reboot wait is caught at its first counted second there.
    void refusedReply_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("commands");
        const QString reboot = QStringLiteral("waitFor TCP-reboot CmdResponse error!");
        QTest::newRow("reboot, error code") << 12 << QStringLiteral("NetInstall error occur! errCode:(8)") << reboot
                                            << QStringLiteral("[9,7]");
        QTest::newRow("reboot, broken marker") << 13 << QStringLiteral("read progress error!") << reboot
                                               << QStringLiteral("[9,7]");
        QTest::newRow("start recovery, broken marker")
            << 14 << QStringLiteral("read progress error!") << QStringLiteral(" waitFor TCP-recovery CmdResponse error!")
            << QStringLiteral("[9]");
    }

    void refusedReply()
    {
        QFETCH(int, unit);
        QFETCH(QString, cause);
        QFETCH(QString, step);
        QFETCH(QString, commands);
        AnswerInFull full(10);
        rct::Messages messages;
        std::unique_ptr<CVorkDialogRecovery> dialog(open(unit));
        rct::Watch watch(dialog.get());
        full.follow(watch);
        auto rebootWaitBegun = [&] {
            CThreadSysRecovery *job = dialog->getJob();
            return job && job->getStage() == CThreadSysRecovery::STAGE_REBOOTING &&
                   job->getRemaining() < CThreadSysRecovery::REBOOT_WAIT_MS / 1000;
        };
        QVERIFY(watch.until([&] { return watch.ended() || rebootWaitBegun(); }, 20000));
        CThreadSysRecovery *job = dialog->getJob();
        QVERIFY2(!rebootWaitBegun(), "the job went on into the reboot wait");
        QCOMPARE(job->getStage(), int(CThreadSysRecovery::STAGE_FAILED));
        QCOMPARE(job->getError(), int(CThreadSysRecovery::ERR_REPLY));
        QCOMPARE(job->getProgress(), 100);
        QCOMPARE(job->getRebootState(), int(CThreadSysRecovery::REBOOT_NONE));
        if (commands == QLatin1String("[9,7]"))
            QCOMPARE(job->getRemaining(), CThreadSysRecovery::REBOOT_WAIT_MS / 1000);
        QVERIFY(watch.until([&] { return dialog->m_lblProgStatus->text() == QLatin1String(rct::kFailedNoResponse); }, 2000));
        QCOMPARE(messages.countContaining(cause), 1);
        QCOMPARE(messages.countContaining(step), 1);
        QCOMPARE(messages.countContaining(QStringLiteral("SysRecovery: wait for rebooting timeout!")), 0);
        QCOMPARE(commandLog(unit), commands);
    }

    // No reply to "start recovery": 180 one-second waits count the percent up, then error 2.
    void noReplyOnRecovery()
    {
        AnswerInFull full;
        rct::Messages messages;
        std::unique_ptr<rct::Watch> watch;
        expectFailure(7, CThreadSysRecovery::ERR_REPLY, rct::kFailedNoResponse, &watch, &full);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(messages.countContaining(QStringLiteral("wait for Command-Reponse timeout!")), 1);
        QList<int> remaining, percent;
        for (const rct::Sample &s : watch->samples) {
            if (s.stage != 2)
                continue;
            remaining << s.remaining;
            percent << s.percent;
        }
        QVERIFY(!remaining.isEmpty());
        QCOMPARE(remaining.first(), 180);
        QVERIFY2(remaining.last() < 30, qPrintable(QString::number(remaining.last())));
        QVERIFY2(percent.last() > 80, qPrintable(QString::number(percent.last())));
        for (int i = 1; i < percent.size(); ++i)
            QVERIFY(percent[i] >= percent[i - 1]);
        QCOMPARE(commandLog(7), QStringLiteral("[9]"));
    }

    // Type-6 answers of the rebooting unit do not end the wait; its type-2 answer does.
    void type6DoesNotFinish()
    {
        AnswerInFull full;
        rct::Messages messages;
        CVorkDialogRecovery *dialog = open(8);
        rct::Watch watch(dialog);
        full.follow(watch);
        QVERIFY(watch.until([&] { return watch.ended(); }, 20000));
        CThreadSysRecovery *job = dialog->getJob();
        QCOMPARE(job->getStage(), int(CThreadSysRecovery::STAGE_DONE));
        QCOMPARE(job->getRebootState(), int(CThreadSysRecovery::REBOOT_FINISHED));
        bool type6DuringReboot = false;
        for (const rct::Sample &s : watch.samples)
            type6DuringReboot = type6DuringReboot ||
                                (s.stage == 3 && s.rebootState == CThreadSysRecovery::REBOOT_OTHER);
        QVERIFY(type6DuringReboot);
        QVERIFY(messages.countContaining(QStringLiteral("nasinfo.ulPacketType=[6]")) >= 1);
        const QList<QJsonObject> announced = announcedUpToType2(8);
        QCOMPARE(announced.size(), 4);
        QCOMPARE(announced.last().value(QStringLiteral("type")).toInt(), 2);
        delete dialog;
    }

    // The unit never comes back: after 600 counted seconds "Unknown server error".
    void silentAfterReboot()
    {
        AnswerInFull full;
        rct::Messages messages;
        std::unique_ptr<rct::Watch> watch;
        expectFailure(9, CThreadSysRecovery::ERR_NOT_BACK, rct::kFailedUnknown, &watch, &full);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(messages.countContaining(QStringLiteral("SysRecovery: wait for rebooting timeout!")), 1);
        QCOMPARE(messages.countContaining(QStringLiteral("SysRecovery: waitForRebootFinished error!")), 1);
        QCOMPARE(watch->samples.last().rebootState, int(CThreadSysRecovery::REBOOT_OTHER));
        QCOMPARE(watch->samples.last().remaining, 0);
        QCOMPARE(commandLog(9), QStringLiteral("[9,7]"));
    }

    // Neither the window's close button nor Escape does anything in stages 1 and 2; in stage 3
    // closing ends the dialog, and deleting it stops the job within one slice.
    void closingRule()
    {
        // The answer waited for in full, program waits ten times longer after it, and the unit's
        // answer and recovery taking half a second and a second: stages 1 and 2 last long enough
        // to be seen and tried on a busy machine, and stage 3 until the dialog is closed.
        AnswerInFull full(10);
        rct::Messages messages;
        CVorkDialogRecovery *dialog = open(10);
        QSignalSpy finished(dialog, &QDialog::finished);
        rct::Watch watch(dialog);
        full.follow(watch);
        QList<int> refusedIn;
        for (int stage : {1, 2}) {
            QVERIFY(watch.until([&] { return watch.stage() == stage; }, 10000));
            const bool closed = dialog->close();
            QTest::keyClick(dialog, Qt::Key_Escape);
            if (watch.stage() == stage)
                refusedIn << stage;
            QVERIFY(!closed);
            QVERIFY(dialog->isVisible());
            QCOMPARE(finished.count(), 0);
        }
        QCOMPARE(refusedIn, QList<int>({1, 2}));

        QVERIFY(watch.until(
            [&] { return dialog->m_lblProgStatus->text().startsWith(QLatin1String("Progress: System is rebooting")); },
            10000));
        QPointer<CThreadSysRecovery> job(dialog->getJob());
        QVERIFY(job->isRunning());
        QVERIFY(dialog->close());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!dialog->isVisible());
        QVERIFY(job->isRunning()); // still in the reboot wait
        QElapsedTimer clock;
        clock.start();
        delete dialog;
        const qint64 took = clock.elapsed();
        QVERIFY(!job);
        // At the job's next slice, not after its stop wait (the unit never comes back, so the rest
        // of the reboot wait, a minute here, is longer).
        QVERIFY2(took < tsup::before(CThreadSysRecovery::STOP_WAIT_MS), qPrintable(QString::number(took)));
        // Later packets of the discovery thread find nothing to deliver to.
        QTest::qWait(100);
        QCOMPARE(messages.countContaining(QStringLiteral("did not stop")), 0);
        QCOMPARE(messages.countContaining(QStringLiteral("SysRecovery: wait for rebooting timeout!")), 0);
        QVERIFY2(messages.threadComplaints().isEmpty(), qPrintable(messages.threadComplaints().join('|')));
    }
};

GUI_BED_TEST_MAIN(TestRecoveryNetns)

#include "tst_recovery_netns.moc"
