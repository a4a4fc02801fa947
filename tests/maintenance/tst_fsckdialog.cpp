// The file-system-check skip dialog on its own, offscreen: texts, the 20 one-second ticks (a
// second lasts 10 ms here), which answers end it, Escape, and deletion while it counts. Answers
// come queued from another thread, as from the discovery thread; nothing is sent.
#include <QAbstractButton>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "CVorkFSCKCancelProgDialog.h"
#include "CWaitScale.h"
#include "maintenancetest.h"

using namespace mtt;
using tsup::post;
using tsup::runModal;
using tsup::spin;
using tsup::waitFor;

namespace {
const char kTarget[] = "02:53:56:00:30:0a";
}

class TestFsckDialog : public QObject
{
    Q_OBJECT

    CFindHostUDP *m_udp = nullptr;

    // A dialog wired as the main window wires it.
    CVorkFSCKCancelProgDialog *makeDialog(const NASINFO *target)
    {
        auto *dialog = new CVorkFSCKCancelProgDialog(nullptr, target);
        connect(m_udp, &CFindHostUDP::signalRecvPkt, dialog, &CVorkFSCKCancelProgDialog::slotRespPktRecv);
        return dialog;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
        m_udp = new CFindHostUDP(nullptr, -1, 9999, QString()); // never started
    }

    void cleanupTestCase() { delete m_udp; }

    void texts()
    {
        const NASINFO target = record(FHOST_PKT_BRESPONSE, kTarget, "Checker", FHOSTQC_QUOTA_CHECKING);
        CVorkFSCKCancelProgDialog dialog(nullptr, &target);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("File System Check"));
        QCOMPARE(dialog.m_lblDescript1->text(), QStringLiteral("Cancelling file system check..."));
        QCOMPARE(dialog.m_lblDescript2->text(), QStringLiteral("It may take a few minutes. Please wait..."));
        QCOMPARE(dialog.targetMac(), QString::fromLatin1(kTarget));
        QVERIFY(dialog.findChildren<QAbstractButton *>().isEmpty());
        QVERIFY(!dialog.isCounting());
        CVorkFSCKCancelProgDialog orphan(nullptr, nullptr);
        QVERIFY(orphan.targetMac().isEmpty());
    }

    // No answer: 19 steps of 1000, then the 20th tick ends it with 1 and one waitTimeout().
    // Packets of type 6 from the target and type-2 answers of other servers do not end it.
    void silenceEndsAtTheTwentiethTick()
    {
        const NASINFO target = record(FHOST_PKT_BRESPONSE, kTarget);
        QScopedPointer<CVorkFSCKCancelProgDialog> dialog(makeDialog(&target));
        QSignalSpy timeouts(dialog.data(), &CVorkFSCKCancelProgDialog::waitTimeout);
        QList<int> values;
        connect(dialog->m_prg, &QProgressBar::valueChanged, [&values](int v) { values << v; });
        tsup::LogCapture capture;
        QElapsedTimer clock;
        const int waitMs = 20000;
        const int result = runModal(*dialog, [&]() {
            // Started first: the ticks count from the start, however late this thread goes on.
            clock.start();
            dialog->startProgress(waitMs);
            QCOMPARE(dialog->m_prg->maximum(), waitMs);
            post(*m_udp, record(FHOST_PKT_JRESPONSE, kTarget));
            post(*m_udp, record(FHOST_PKT_BRESPONSE, "02:53:56:00:30:0b"));
            waitFor([&] { return !dialog->isVisible(); }, 5000);
        });
        QCOMPARE(result, 1);
        QCOMPARE(timeouts.count(), 1);
        QCOMPARE(values.size(), 19);
        QCOMPARE(values.first(), 1000);
        QCOMPARE(values.last(), 19000);
        QCOMPARE(dialog->m_prg->value(), 19000);
        // All 20 ticks ran, of TICK_MS each (10 ms here).
        QVERIFY2(clock.elapsed() >= waitMs / CVorkFSCKCancelProgDialog::PROGRESS_STEP
                                        * CWaitScale::ms(CVorkFSCKCancelProgDialog::TICK_MS),
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!dialog->isCounting());
        QCOMPARE(capture.countContaining(QStringLiteral("not match! recvPkt mac:[02:53:56:00:30:0b] m_strMac:[%1]")
                                   .arg(kTarget)), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("recvPkt mac:[%1]").arg(kTarget)), 0);
    }

    // The target's answer in upper case ends it at once with 0.
    void answerInOtherCaseEndsIt()
    {
        const NASINFO target = record(FHOST_PKT_BRESPONSE, kTarget);
        QScopedPointer<CVorkFSCKCancelProgDialog> dialog(makeDialog(&target));
        QSignalSpy timeouts(dialog.data(), &CVorkFSCKCancelProgDialog::waitTimeout);
        tsup::LogCapture capture;
        const int result = runModal(*dialog, [&]() {
            dialog->startProgress(20000);
            post(*m_udp, record(FHOST_PKT_BRESPONSE, "02:53:56:00:30:0A"));
            waitFor([&] { return !dialog->isVisible(); }, 5000);
        });
        QCOMPARE(result, 0);
        QVERIFY(!dialog->isCounting());
        QVERIFY(dialog->m_prg->value() < 19000);
        QCOMPARE(capture.countContaining(QStringLiteral("recvPkt mac:[02:53:56:00:30:0A] m_strMac:[%1]").arg(kTarget)), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("not match!")), 0);
        spin(300);
        QCOMPARE(timeouts.count(), 0);
    }

    // Escape rejects with 0; the timer runs on and later ends the hidden dialog with 1, quietly.
    void escapeThenLateEnd()
    {
        const NASINFO target = record(FHOST_PKT_BRESPONSE, kTarget);
        QScopedPointer<CVorkFSCKCancelProgDialog> dialog(makeDialog(&target));
        QSignalSpy timeouts(dialog.data(), &CVorkFSCKCancelProgDialog::waitTimeout);
        QSignalSpy finished(dialog.data(), &QDialog::finished);
        const int result = runModal(*dialog, [&]() {
            dialog->startProgress(20000);
            QTest::keyClick(dialog.data(), Qt::Key_Escape);
        });
        QCOMPARE(result, 0);
        QVERIFY(dialog->isHidden());
        QVERIFY(dialog->isCounting());
        QVERIFY(waitFor([&] { return timeouts.count() == 1; }, 5000));
        QVERIFY(!dialog->isCounting());
        QVERIFY(dialog->isHidden());
        QCOMPARE(dialog->result(), 1);
        QCOMPARE(finished.count(), 2);
        spin(100);
        QCOMPARE(timeouts.count(), 1);
    }

    // The main window deletes an old dialog at the next request, possibly while it still counts.
    void deletedWhileCounting()
    {
        const NASINFO target = record(FHOST_PKT_BRESPONSE, kTarget);
        QPointer<CVorkFSCKCancelProgDialog> dialog(makeDialog(&target));
        dialog->startProgress(20000);
        QVERIFY(waitFor([&] { return dialog->m_prg->value() >= 3000; }, 2000));
        delete dialog.data();
        QVERIFY(dialog.isNull());
        post(*m_udp, record(FHOST_PKT_BRESPONSE, kTarget));
        spin(300); // ticks and answers would land in freed memory (seen under ASan)
    }

    // A maximum below the usual one ends the wait once the bar is full, instead of never.
    void smallMaximumStillEnds()
    {
        QScopedPointer<CVorkFSCKCancelProgDialog> dialog(makeDialog(nullptr));
        const int result = runModal(*dialog, [&]() {
            dialog->startProgress(5000);
            waitFor([&] { return !dialog->isVisible(); }, 3000);
        });
        QCOMPARE(result, 1);
        QCOMPARE(dialog->m_prg->value(), 5000);
    }
};

QTEST_MAIN(TestFsckDialog)
#include "tst_fsckdialog.moc"
