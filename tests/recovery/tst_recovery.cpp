// The recovery dialog and its job without a server: the dialog's frame and texts, its closing
// rule, the two answer filters, a recovery that hears no answer and a stop in the middle of the
// answer wait. It runs in a network namespace of its own holding only loopback, so the broadcast
// recovery request goes nowhere; answers are handed to the job's slots directly.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "CFindHostUDP.h"
#include "CWaitScale.h"
#include "recoverytest.h"

namespace {

const char kMac[] = "02:53:56:00:0b:01";

NASINFO answer(uint32_t type, uint32_t version, const char *mac)
{
    NASINFO n = rct::record(mac, "127.0.0.1");
    n.ulPacketType = type;
    n.ulFindHostVersion = version;
    return n;
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
    }

    void dialogFrame()
    {
        const NASINFO target = rct::record(kMac, "127.0.0.1");
        CVorkDialogRecovery dialog(nullptr, &target, nullptr);
        // Qt adds the system-menu hint to any window with a close or min/max button itself.
        QCOMPARE(int(dialog.windowFlags() & ~Qt::WindowSystemMenuHint), 0x0a00d003);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog.minimumSize(), QSize(425, 140));
        QCOMPARE(dialog.maximumSize(), QSize(425, 140));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("System Recovery"));
        QCOMPARE(dialog.m_lblProgStatus->text(), QString::fromLatin1(rct::kStart));
        QCOMPARE(dialog.m_progressBar->value(), 0);
        QPushButton *close = dialog.m_pbuttonBox->button(QDialogButtonBox::Close);
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("Close"));
        QVERIFY(!close->isEnabled());
        QCOMPARE(dialog.m_pbuttonBox->buttons().size(), 1);
        QVERIFY(!dialog.getJob());

        // Without a job neither the window's close nor Escape ends the dialog.
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.show();
        QVERIFY(!dialog.close());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(!dialog.canClose());
    }

    void statusTexts()
    {
        using J = CThreadSysRecovery;
        const QString failed = QStringLiteral("Failed to recover system:\n");
        QCOMPARE(CVorkDialogRecovery::statusText(J::STAGE_NONE, 0, 0), QString::fromLatin1(rct::kStart));
        QCOMPARE(CVorkDialogRecovery::statusText(J::STAGE_BROADCAST, 0, 0),
                 QString::fromLatin1(rct::kConnecting));
        QCOMPARE(CVorkDialogRecovery::statusText(J::STAGE_RECOVERING, 0, 180),
                 QString::fromLatin1(rct::kRecovering));
        QCOMPARE(CVorkDialogRecovery::statusText(J::STAGE_REBOOTING, 0, 600), rct::rebooting(600));
        QCOMPARE(CVorkDialogRecovery::statusText(J::STAGE_REBOOTING, 5, 17), rct::rebooting(17));
        QCOMPARE(CVorkDialogRecovery::statusText(J::STAGE_DONE, 0, 0), QString::fromLatin1(rct::kFinished));

        const QString sendText =
            failed + QStringLiteral("Failed to send installation command to the server.(Error Code:0)");
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 0, 0), sendText);
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 1, 0), sendText);
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 2, 0), QString::fromLatin1(rct::kFailedNoResponse));
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 3, 0),
                 failed + QStringLiteral("Please make sure: \n1. Quenlori Vornakeeper is not blocked by "
                                         "the firewall of your computer OS or anti-virus applications. \n"
                                         "2. Quenlori Server and your computer are both connected to the "
                                         "network. \n3. You have switched on the power of Quenlori "
                                         "Server."));
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 4, 0), QString::fromLatin1(rct::kFailedUnknown));
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 5, 0), QString::fromLatin1(rct::kFailedNoResponse));
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 6, 0), QString::fromLatin1(rct::kFailedConnection));
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 7, 0), QString::fromLatin1(rct::kFailedUnknown));
        QCOMPARE(CVorkDialogRecovery::statusText(-1, 300, 0), QString::fromLatin1(rct::kFailedUnknown));
        // A stage the job never has: its number stands in the unknown-error text.
        QCOMPARE(CVorkDialogRecovery::statusText(9, 0, 0),
                 failed + QStringLiteral("Unknown server error. (Error Code:9)"));
    }

    void answerFilter()
    {
        const NASINFO target = rct::record(kMac, "127.0.0.1");
        CThreadSysRecovery job(nullptr, &target, nullptr);
        rct::Messages messages;
        job.slotRecoveryRespReceived(answer(FHOST_PKT_BRESPONSE, 0x01020000, kMac));
        QCOMPARE(messages.countContaining(QStringLiteral("Not a recovery response packet. ignore it.")), 1);
        job.slotRecoveryRespReceived(answer(16, 0x00020000, kMac));
        QCOMPARE(messages.countContaining(QStringLiteral("packet version incorrect. ")), 1);
        job.slotRecoveryRespReceived(answer(16, 0x01020000, "02:53:56:00:0b:02"));
        // The MAC is compared byte for byte: another case is another server.
        job.slotRecoveryRespReceived(answer(16, 0x01020000, "02:53:56:00:0B:01"));
        QCOMPARE(messages.countContaining(QStringLiteral("the packet mac-address does not match. ")), 2);
        QVERIFY(!job.isResponseSeen());
        // Bit 24 is what counts, not the whole version word.
        job.slotRecoveryRespReceived(answer(16, 0x01000000, kMac));
        QVERIFY(job.isResponseSeen());
        QCOMPARE(job.getStage(), int(CThreadSysRecovery::STAGE_NONE));
    }

    void rebootAnswers()
    {
        const NASINFO target = rct::record(kMac, "127.0.0.1");
        CThreadSysRecovery job(nullptr, &target, nullptr);
        job.slotVerifyRebootRcvPkt(answer(FHOST_PKT_BRESPONSE, 0x01020000, "02:53:56:00:0b:02"));
        job.slotVerifyRebootRcvPkt(answer(FHOST_PKT_QCF, 0x01020000, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadSysRecovery::REBOOT_NONE));
        job.slotVerifyRebootRcvPkt(answer(FHOST_PKT_JRESPONSE, 0x01020000, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadSysRecovery::REBOOT_OTHER));
        job.slotVerifyRebootRcvPkt(answer(FHOST_PKT_BRESPONSE, 0x01020000, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadSysRecovery::REBOOT_FINISHED));
        // A type-6 answer queued behind the announcement does not hide it.
        job.slotVerifyRebootRcvPkt(answer(FHOST_PKT_JRESPONSE, 0x01020000, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadSysRecovery::REBOOT_FINISHED));
    }

    // Nothing answers: nine one-second waits, then error 5; the dialog may be closed from then
    // on, and a late answer changes nothing.
    void noAnswer()
    {
        // At divisor 10 the nine sleeps of the answer wait (900 ms) outweigh everything else the
        // time below holds, so that a wait that slept fewer shows.
        tsup::WaitDivisor longer(10);
        CFindHostUDP udp(nullptr, -1, 9999, QString()); // never started: only its signal is used
        const NASINFO target = rct::record(kMac, "127.0.0.1");
        // The clock runs from before the dialog sets off its start delay: a busy machine may let
        // this thread see the broadcast stage only late, but never let the waits take less time.
        QElapsedTimer clock;
        clock.start();
        auto *dialog = new CVorkDialogRecovery(nullptr, &target, &udp);
        QPointer<CVorkDialogRecovery> alive(dialog);
        rct::Messages messages;
        rct::Watch watch(dialog);
        dialog->show();
        QVERIFY(watch.until([&] { return watch.ended(); }, 5000));
        const qint64 waited = clock.elapsed();
        QVERIFY(watch.until(
            [&] { return dialog->m_lblProgStatus->text() == QLatin1String(rct::kFailedNoResponse); },
            2000));
        // The start delay, the sender's one-second pause after each copy of the request and the
        // nine one-second sleeps of the answer wait, all at the divisor.
        const qint64 atLeast = CWaitScale::ms(CVorkDialogRecovery::START_DELAY_MS)
                               + CThreadSysRecovery::RESPONSE_SEND_TIMES * CWaitScale::ms(1000)
                               + (CThreadSysRecovery::RESPONSE_WAIT_S - 1) * CWaitScale::ms(CThreadSysRecovery::STEP_MS);
        QVERIFY2(waited >= atLeast, qPrintable(QStringLiteral("%1 < %2").arg(waited).arg(atLeast)));

        CThreadSysRecovery *job = dialog->getJob();
        QCOMPARE(job->getStage(), int(CThreadSysRecovery::STAGE_FAILED));
        QCOMPARE(job->getError(), int(CThreadSysRecovery::ERR_NO_ANSWER));
        QCOMPARE(job->getProgress(), 100);
        QCOMPARE(dialog->m_progressBar->value(), 100);
        QCOMPARE(messages.countContaining(QStringLiteral("wait for broadcmd timeout!")), 1);
        QCOMPARE(messages.countContaining(QStringLiteral("wait for recovery response timeout!")), 1);
        // The broadcast stage's wait ran out (the message above); the samples show that stage,
        // whose percents follow, and no stage out of order.
        QList<int> stages = watch.sequence(&rct::Sample::stage);
        stages.removeAll(-100);
        QVERIFY2(stages.contains(1) && tsup::inOrder(stages, {0, 1, -1}), qPrintable(rct::toText(stages)));
        for (const rct::Sample &s : watch.samples) {
            if (s.stage == 1)
                QVERIFY2(s.percent % 9 == 0 && s.percent <= 90, // 0 until the wait's first step
                         qPrintable(QString::number(s.percent)));
            if (s.label != QLatin1String(rct::kFailedNoResponse))
                QVERIFY(!s.closeEnabled);
        }

        // The answer wait is over: its slot no longer listens.
        tsup::post(udp, answer(16, 0x01020000, kMac));
        QTest::qWait(20);
        QVERIFY(!job->isResponseSeen());

        // Failed: Escape now closes the dialog.
        QVERIFY(dialog->m_pbuttonBox->button(QDialogButtonBox::Close)->isEnabled());
        QSignalSpy finished(dialog, &QDialog::finished);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
        delete dialog;
        QVERIFY(!alive);
        QVERIFY2(messages.threadComplaints().isEmpty(), qPrintable(messages.threadComplaints().join('|')));
    }

    // Deleting the dialog in the middle of the answer wait stops the job within a slice.
    void deleteDuringAnswerWait()
    {
        const NASINFO target = rct::record(kMac, "127.0.0.1");
        auto *dialog = new CVorkDialogRecovery(nullptr, &target, nullptr);
        // The job's waits at full length (the dialog's start delay is set already): its nine-second
        // answer wait outlasts whatever a busy machine holds this thread up for before the stop.
        tsup::WaitDivisor full(1);
        rct::Messages messages;
        rct::Watch watch(dialog);
        dialog->show();
        QVERIFY(watch.until([&] { return dialog->getJob() && dialog->getJob()->getProgress() >= 9; }, 5000));
        const bool reached = watch.stage() == CThreadSysRecovery::STAGE_BROADCAST;
        QPointer<CThreadSysRecovery> job(dialog->getJob());
        QVERIFY(!dialog->close());
        QVERIFY(job->isRunning());
        // Each sleep after the one under way begins after this look: the rest of the answer wait
        // (several seconds, less than the stop wait) is what a job that went on waiting would take.
        QElapsedTimer clock;
        clock.start();
        const int looks = job->getProgress() / (90 / CThreadSysRecovery::RESPONSE_WAIT_S);
        const qint64 rest = qMax(1, CThreadSysRecovery::RESPONSE_WAIT_S - 1 - looks)
                            * qint64(CWaitScale::ms(CThreadSysRecovery::STEP_MS));
        delete dialog;
        const qint64 took = clock.elapsed();
        QVERIFY(reached);
        QVERIFY(!job);
        // At the job's next slice, not after the rest of its wait.
        QVERIFY2(took < tsup::before(rest), qPrintable(QStringLiteral("%1 of %2").arg(took).arg(rest)));
        QCOMPARE(messages.countContaining(QStringLiteral("did not stop")), 0);
        QCOMPARE(messages.countContaining(QStringLiteral("wait for recovery response timeout!")), 0);
        QVERIFY2(messages.threadComplaints().isEmpty(), qPrintable(messages.threadComplaints().join('|')));
    }
};

LOOPBACK_TEST_MAIN(TestRecovery, QApplication)

#include "tst_recovery.moc"
