// The install map, the install dialog's buttons and the installation page's quick
// configurations, with the real main window in a network namespace that holds only loopback:
// the discovery thread runs for real and the jobs' answers are handed to it as it hands them on.
#include <QtTest>

#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include <thread>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CQuickConf.h"
#include "CThreadNetInstall.h"
#include "CVorkDialogInstall.h"
#include "CVorkFinderWindow.h"
#include "CVorkInstallMap.h"
#include "CVorkNasinfoMap.h"
#include "CVorkWindowInstall.h"
#include "CVorkWindowMain.h"
#include "CVorkWindowProgNetInstall.h"
#include "CVorkWindowProgQuickConf.h"
#include "CWaitScale.h"
#include "HangGuard.h"
#include "NasinfoText.h"
#include "VorkWindowFlags.h"
#include "installtest.h"

using tsup::withDeletes::waitFor;

namespace {
const int kDivisor = 100;
// A quick configuration times out after 125000 program ms: 1250 ms at the divisor, then its
// next tick. Waits for it allow for a loaded machine.
const int kTimeoutWaitMs = 15000;

CNasConfig config()
{
    return CNasConfig(false, false, QStringLiteral("/nonexistent/M_3001.pat"), QStringLiteral("198.18.0.77"),
                      QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.254"), QString(),
                      QStringLiteral("Secr3t-pw"), QStringLiteral("NewName"), 23,
                      QStringLiteral("2014/02/03 09:05:07"));
}

// The server's answer to a quick configuration, as the discovery thread hands it on.
NASINFO answer(const char *mac, uint32_t error)
{
    NASINFO n = itest::server(mac, FHOSTQC_DONE, 2000, "198.18.0.77", "NewName");
    n.ulPacketType = FHOST_PKT_JRESPONSE;
    n.ulErrCode = error;
    return n;
}

// Emits the record from a thread of its own, as the discovery thread does.
void post(CFindHostUDP *udp, const NASINFO &record)
{
    std::thread emitter([udp, record]() { emit udp->signalRecvPkt(record); });
    emitter.join();
}

struct Entry {
    QString mac;
    QPointer<CVorkDialogInstall> dlg;
    QPointer<CVorkWindowInstall> page;
};

// What the main window's installation requests do for each target: a dialog with its page,
// the entry in the install map, then the job.
Entry addEntry(CVorkWindowMain &w, const char *mac, bool netInstall, uint32_t state = FHOSTQC_UNINSTALL)
{
    const NASINFO rec = itest::server(mac, state, 2000, "198.18.0.9", "Fresh");
    Entry e;
    e.mac = QString::fromLatin1(mac);
    e.dlg = w.createInstallDialog();
    w.installMap()->insert(e.mac, e.dlg, &rec);
    e.page = qobject_cast<CVorkWindowInstall *>(e.dlg->getInstallWindow());
    const CNasConfig cfg = config();
    if (netInstall)
        e.page->slotAddNetInst(&rec, &cfg);
    else
        e.page->slotAddQuickConf(&rec, &cfg);
    return e;
}

// A network install whose quick configuration went unanswered (error 309), then marked done
// through the test access, as if the whole installation had run.
bool finishNetInstall(const Entry &e)
{
    CThreadNetInstall *job = e.page->getNetInstallJob();
    if (!waitFor([job] { return job->isFinished(); }, kTimeoutWaitMs))
        return false;
    CThreadNetInstallTestAccess::setError(*job, 0);
    CThreadNetInstallTestAccess::setStage(*job, NI_STAGE_DONE);
    return true;
}

QStringList keysOf(const QList<NASINFO *> &records)
{
    QStringList keys;
    for (const NASINFO *n : records)
        keys << nasinfoText(n->szMac);
    return keys;
}
} // namespace

class TestInstallMap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CWaitScale::setDivisor(kDivisor);
        // Searches that never reach their end (which would ask about an empty result in a box):
        // what matters here is their start, where the finder asks for the pending records.
        CVorkFinderWindow::setTickIntervalMs(24 * 3600 * 1000);
    }

    void insertKeepsTheFirstValues()
    {
        CVorkInstallMap map;
        CVorkDialogInstall first(nullptr), second(nullptr);
        const NASINFO a = itest::server("02:53:56:00:07:01", 2, 2000, "198.18.0.9", "First");
        const NASINFO b = itest::server("02:53:56:00:07:01", 2, 2000, "198.18.0.9", "Second");
        map.insert(QStringLiteral("02:53:56:00:07:01"), &first, &a);
        map.insert(QStringLiteral("02:53:56:00:07:01"), &second, &b);
        QVERIFY(map.contains(QStringLiteral("02:53:56:00:07:01")));
        QCOMPARE(map.getDialog(QStringLiteral("02:53:56:00:07:01")), &first);
        QList<NASINFO *> pending = map.getPendingNasinfos();
        QCOMPARE(pending.size(), 1);
        QCOMPARE(nasinfoText(pending.at(0)->szServerName), QStringLiteral("First"));
        QVERIFY(pending.at(0) != &a); // a copy

        // Keys compare case-sensitively; the records come in key order.
        const NASINFO upper = itest::server("02:53:56:00:07:0A", 2, 2000, "198.18.0.9", "Upper");
        const NASINFO lower = itest::server("02:53:56:00:07:0a", 2, 2000, "198.18.0.9", "Lower");
        map.insert(QStringLiteral("02:53:56:00:07:0a"), nullptr, &lower);
        map.insert(QStringLiteral("02:53:56:00:07:0A"), nullptr, &upper);
        QVERIFY(!map.contains(QStringLiteral("02:53:56:00:07:0a"))); // a record without a dialog
        QVERIFY(!map.getDialog(QStringLiteral("02:53:56:00:07:0A")));
        QCOMPARE(keysOf(map.getPendingNasinfos()),
                 QStringList({"02:53:56:00:07:01", "02:53:56:00:07:0A", "02:53:56:00:07:0a"}));

        CVorkInstallMap empty;
        QVERIFY(!empty.getDialog(QStringLiteral("02:53:56:00:07:01")));
        QVERIFY(empty.getPendingNasinfos().isEmpty());
    }

    void removeDestroysPageThenDialogLater()
    {
        CVorkInstallMap map;
        QSignalSpy removed(&map, &CVorkInstallMap::signalRemoveBtnTriggered);
        CVorkDialogInstall *dlg = new CVorkDialogInstall(nullptr);
        QWidget *page = new QWidget;
        dlg->setInstallWindow(page);
        const NASINFO rec = itest::server("02:53:56:00:07:02", 2);
        map.insert(QStringLiteral("02:53:56:00:07:02"), dlg, &rec);

        // An unknown MAC changes nothing, yet the signal comes.
        map.slotRemoveBtnTriggered(QStringLiteral("02:53:56:00:07:FF"));
        QCOMPARE(removed.count(), 1);
        map.slotRemoveBtnTriggered(QString());
        QCOMPARE(removed.count(), 2);
        QVERIFY(map.contains(QStringLiteral("02:53:56:00:07:02")));
        QCOMPARE(map.getPendingNasinfos().size(), 1);

        QStringList order;
        connect(page, &QObject::destroyed, this, [&order]() { order << "page"; });
        connect(dlg, &QObject::destroyed, this, [&order]() { order << "dialog"; });
        QPointer<CVorkDialogInstall> dlgGuard(dlg);
        map.slotRemoveBtnTriggered(QStringLiteral("02:53:56:00:07:02"));
        QCOMPARE(removed.count(), 3);
        QVERIFY(!map.contains(QStringLiteral("02:53:56:00:07:02")));
        QVERIFY(map.getPendingNasinfos().isEmpty());
        // Not yet: the dialog may be delivering its own button's click.
        QVERIFY(dlgGuard);
        itest::flushDeletes();
        QVERIFY(!dlgGuard);
        QCOMPARE(order, QStringList({"page", "dialog"}));
    }

    void newDialogAndItsButtons()
    {
        CVorkWindowMain w;
        Entry e = addEntry(w, "02:53:56:00:07:03", false);
        CVorkDialogInstall *dlg = e.dlg;
        QCOMPARE(dlg->parent(), &w);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Installation Progress"));
        QCOMPARE(dlg->minimumSize(), QSize(800, 600));
        QVERIFY(!dlg->isModal());
        for (Qt::WindowType flag : {Qt::Dialog, Qt::WindowTitleHint, Qt::WindowMinimizeButtonHint,
                                    Qt::WindowMaximizeButtonHint, Qt::CustomizeWindowHint,
                                    Qt::WindowCloseButtonHint})
            QVERIFY(dlg->windowFlags().testFlag(flag));
        QCOMPARE(dlg->getHideButton(), dlg->m_buttonBox->button(QDialogButtonBox::Close));
        QCOMPARE(dlg->getCloseButton(), dlg->m_buttonBox->button(QDialogButtonBox::Ok));
        QCOMPARE(dlg->getHideButton()->text(), QStringLiteral("Hide"));
        QCOMPARE(dlg->getCloseButton()->text(), QStringLiteral("Close"));
        QVERIFY(dlg->getCloseButton()->isHidden());
        QVERIFY(!dlg->getHideButton()->isHidden());
        QCOMPARE(e.page->getMainWindow(), &w);
        QVERIFY(e.page->getStatusTimer()->isActive());
        QCOMPARE(e.page->getStatusTimer()->interval(), 1000 / kDivisor);

        // Hide: the dialog goes, the entry and its job stay; the clear request comes twice.
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg, tsup::guardMs()));
        QSignalSpy clear(dlg, &CVorkDialogInstall::signalClearFinishedItems);
        dlg->getHideButton()->click();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(clear.count(), 2);
        QVERIFY(w.installMap()->contains(e.mac));
        QCOMPARE(e.page->getQuickConfJob()->getState(), int(CQuickConf::QC_STATE_WAITING));

        // Escape: once.
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg, tsup::guardMs()));
        QTest::keyClick(dlg, Qt::Key_Escape);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(clear.count(), 3);

        // The page's signals drive the buttons.
        emit e.page->signalCanCloseTheItem();
        QVERIFY(!dlg->getCloseButton()->isHidden());
        QCOMPARE(dlg->getCloseButton()->text(), QStringLiteral("Close"));
        emit e.page->signalCanNOTCloseTheItem();
        QVERIFY(dlg->getCloseButton()->isHidden());
        emit e.page->signalAllNIQCFinished();
        QCOMPARE(dlg->getHideButton()->text(), QStringLiteral("Close"));
        dlg->slotChangeCloseBtnTitle2Hide();
        QCOMPARE(dlg->getHideButton()->text(), QStringLiteral("Hide"));
    }

    void quickConfigurationAnsweredWithAnError()
    {
        CVorkWindowMain w;
        Entry e = addEntry(w, "02:53:56:00:07:04", false);
        CVorkWindowProgQuickConf *qc = e.page->getQuickConfWidget();
        QVERIFY(qc);
        QCOMPARE(e.page->m_pstkwCenter->currentWidget(), qc);
        QCOMPARE(e.page->getQuickConfJob()->getTimeout(), 125000ul);
        // Waiting: the bar counts the time waited.
        QVERIFY(waitFor([&] { return qc->m_pprgFinish->value() > 0; }, 5000));
        QCOMPARE(qc->m_pprgFinish->maximum(), 125000);
        QVERIFY(qc->m_plblQCMsg->isHidden());

        QSignalSpy canClose(e.page.data(), &CVorkWindowInstall::signalCanCloseTheItem);
        post(w.udpThread(), answer("02:53:56:00:07:04", 3));
        QVERIFY(waitFor([&] { return canClose.count() >= 3; }, 5000));
        QCOMPARE(qc->m_plblTitle2->text(), QStringLiteral("Quick configuration failed."));
        QCOMPARE(qc->m_plblQCMsg->text(), QStringLiteral("Failed to setup Quenlori Server. (Error code: 3)"));
        QVERIFY(!qc->m_plblQCMsg->isHidden());
        QVERIFY(qc->m_pprgFinish->isHidden());
        QVERIFY(qc->m_plblTitle1->isHidden());
        QVERIFY(!e.dlg->getCloseButton()->isHidden());
        QCOMPARE(e.dlg->getCloseButton()->text(), QStringLiteral("Close"));
        QCOMPARE(e.dlg->getHideButton()->text(), QStringLiteral("Hide"));
        // A failure keeps the timer running and is reported again on every tick.
        QVERIFY(e.page->getStatusTimer()->isActive());

        // Close: the job stops, the entry goes, a new search starts.
        QSignalSpy searches(w.finderWindow(), &CVorkFinderWindow::signalRefresh);
        CQuickConf *job = e.page->getQuickConfJob();
        e.dlg->getCloseButton()->click();
        QVERIFY(!job->getTargetMac().isEmpty());
        QVERIFY(!w.installMap()->contains(e.mac));
        QCOMPARE(searches.count(), 1);
        QVERIFY(waitFor([&] { return e.dlg.isNull() && e.page.isNull(); }, 5000));
    }

    void quickConfigurationTimesOut()
    {
        CVorkWindowMain w;
        Entry e = addEntry(w, "02:53:56:00:07:05", false);
        CVorkWindowProgQuickConf *qc = e.page->getQuickConfWidget();
        QVERIFY(waitFor([&] { return !e.dlg->getCloseButton()->isHidden(); }, kTimeoutWaitMs));
        QCOMPARE(e.page->getQuickConfJob()->getState(), int(CQuickConf::QC_STATE_TIMEOUT));
        QCOMPARE(qc->m_plblTitle2->text(), QStringLiteral("Quick configuration failed."));
        QCOMPARE(qc->m_plblQCMsg->text(),
                 QStringLiteral("Error\nQuick configuration was not completed due to connection timeout."
                                "Close the dialog and try again later."));
        QCOMPARE(e.dlg->getCloseButton()->text(), QStringLiteral("Close"));
        // Never cleared: only Close removes it.
        w.installMap()->slotClearBtnTriggered(false);
        QVERIFY(w.installMap()->contains(e.mac));
    }

    void quickConfigurationSucceedsWhileShown()
    {
        itest::FinishWatcher finish;
        CVorkWindowMain w;
        Entry e = addEntry(w, "02:53:56:00:07:06", false);
        e.dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.dlg, tsup::guardMs()));
        post(w.udpThread(), answer("02:53:56:00:07:06", 0));
        QVERIFY(waitFor([&] { return !e.page->getStatusTimer()->isActive(); }, 5000));
        CVorkWindowProgQuickConf *qc = e.page->getQuickConfWidget();
        QCOMPARE(qc->m_plblTitle2->text(), QStringLiteral("Quick configuration is complete"));
        // The link goes to the address the server answered with.
        QCOMPARE(itest::anchorOf(qc->m_plblQCMsg->text()), QStringLiteral("http://198.18.0.77:5000"));
        QVERIFY(qc->m_plblQCMsg->text().endsWith(QStringLiteral("(Log in to NewName)</a>")));
        QCOMPARE(e.dlg->getHideButton()->text(), QStringLiteral("Close"));
        QVERIFY(e.dlg->getCloseButton()->isHidden());
        tsup::withDeletes::spin(100);
        QCOMPARE(finish.shown, 0);

        // On screen it survives a clear; hidden, the next clear removes it.
        w.installMap()->slotClearBtnTriggered(false);
        QVERIFY(w.installMap()->contains(e.mac));
        e.dlg->getHideButton()->click();
        w.installMap()->slotClearBtnTriggered(false);
        QVERIFY(!w.installMap()->contains(e.mac));
        QVERIFY(waitFor([&] { return e.dlg.isNull(); }, 5000));
    }

    void quickConfigurationSucceedsWhileHidden()
    {
        tsup::UrlCatcher urls;
        itest::FinishWatcher finish(200);
        CVorkWindowMain w;
        Entry e = addEntry(w, "02:53:56:00:07:07", false);
        post(w.udpThread(), answer("02:53:56:00:07:07", 0));
        QVERIFY(waitFor([&] { return finish.shown > 0 && !e.page->getStatusTimer()->isActive(); }, 5000));
        tsup::withDeletes::spin(400);
        QCOMPARE(finish.shown, 1);
        QVERIFY(finish.text.startsWith(
            QStringLiteral("Congratulations! Setup Wizard has completed the basic configurations.")));
        QCOMPARE(itest::anchorOf(finish.text), QStringLiteral("http://198.18.0.77:5000"));

        // The page's link hides the dialog.
        e.dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.dlg, tsup::guardMs()));
        QSignalSpy clear(e.dlg.data(), &CVorkDialogInstall::signalClearFinishedItems);
        emit e.page->getQuickConfWidget()->m_plblQCMsg->linkActivated(QStringLiteral("http://198.18.0.77:5000"));
        QVERIFY(!e.dlg->isVisible());
        QCOMPARE(urls.urls, QList<QUrl>({QUrl("http://198.18.0.77:5000")}));
        QCOMPARE(clear.count(), 1);
    }

    void clearTakesOnlyFinishedHiddenEntries()
    {
        itest::FinishWatcher finish;
        CVorkWindowMain w;
        CVorkInstallMap *map = w.installMap();
        Entry timedOut = addEntry(w, "02:53:56:00:07:12", false);
        Entry failedInstall = addEntry(w, "02:53:56:00:07:13", true);
        Entry doneInstall = addEntry(w, "02:53:56:00:07:14", true);
        Entry doneShown = addEntry(w, "02:53:56:00:07:15", true);
        doneShown.dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(doneShown.dlg, tsup::guardMs()));

        QVERIFY(waitFor([&] {
            return timedOut.page->getQuickConfJob()->getState() == CQuickConf::QC_STATE_TIMEOUT;
        }, kTimeoutWaitMs));
        QVERIFY(finishNetInstall(doneInstall));
        QVERIFY(finishNetInstall(doneShown));
        QVERIFY(waitFor([&] { return failedInstall.page->getNetInstallJob()->isFinished(); }, kTimeoutWaitMs));
        QCOMPARE(failedInstall.page->getNetInstallJob()->getErrorCode(), 309ul);

        // Two quick configurations started now: one answered with an error (finished for the
        // clear although it keeps listening), one still waiting.
        Entry answeredWithError = addEntry(w, "02:53:56:00:07:11", false);
        Entry waiting = addEntry(w, "02:53:56:00:07:16", false);
        post(w.udpThread(), answer("02:53:56:00:07:11", 3));
        QVERIFY(waitFor([&] {
            return answeredWithError.page->getQuickConfJob()->getState() == CQuickConf::QC_STATE_ANSWERED;
        }, 5000));
        QCOMPARE(waiting.page->getQuickConfJob()->getState(), int(CQuickConf::QC_STATE_WAITING));
        // The hidden done installation's finish message comes on its page's next tick.
        QVERIFY(waitFor([&] { return finish.shown > 0; }, 5000));

        map->slotClearBtnTriggered(true);
        QVERIFY(!map->contains(answeredWithError.mac));
        QVERIFY(map->contains(timedOut.mac));
        QVERIFY(map->contains(failedInstall.mac));
        QVERIFY(!map->contains(doneInstall.mac));
        QVERIFY(map->contains(doneShown.mac));
        QVERIFY(map->contains(waiting.mac));
        QVERIFY(waitFor([&] { return answeredWithError.dlg.isNull() && doneInstall.dlg.isNull(); }, 5000));
        // The done installation finished while hidden: its finish message came once.
        QCOMPARE(finish.shown, 1);
    }

    void closeOnTheEmptyPageRemovesNothing()
    {
        CVorkWindowMain w;
        CVorkWindowInstall *page = qobject_cast<CVorkWindowInstall *>(w.page(CVorkWindowMain::PAGE_INSTALL));
        QVERIFY(page);
        QCOMPARE(page->m_plblStatus->text(),
                 QStringLiteral("To install an unconfigured server, double click the server in the Management page."));
        QVERIFY(!page->hasUnfinishedTasks());
        QVERIFY(!page->isJobForServer(QString()));
        CVorkDialogInstall *dlg = qobject_cast<CVorkDialogInstall *>(page->window());
        QVERIFY(dlg);
        Entry other = addEntry(w, "02:53:56:00:07:21", false);

        QSignalSpy asked(dlg, &CVorkDialogInstall::signalCloseDlgRemoveItem);
        QSignalSpy searches(w.finderWindow(), &CVorkFinderWindow::signalRefresh);
        dlg->getCloseButton()->click();
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), QString());
        QCOMPARE(searches.count(), 1);
        QVERIFY(w.installMap()->contains(other.mac));
        itest::flushDeletes();
        QCOMPARE(w.page(CVorkWindowMain::PAGE_INSTALL), page);
        QVERIFY(other.dlg);
    }

    void jobForServer()
    {
        CVorkWindowMain w;
        Entry e = addEntry(w, "02:53:56:00:07:31", false);
        QVERIFY(e.page->isJobForServer(QStringLiteral("02:53:56:00:07:31")));
        QVERIFY(!e.page->isJobForServer(QStringLiteral("02:53:56:00:07:3a")));
        QVERIFY(!e.page->isJobForServer(QStringLiteral("02:53:56:00:07:31 ")));
        QVERIFY(!e.page->hasUnfinishedTasks());
        // A second job is refused: one job per page.
        const NASINFO other = itest::server("02:53:56:00:07:32", 2);
        const CNasConfig cfg = config();
        CQuickConf *job = e.page->getQuickConfJob();
        e.page->slotAddQuickConf(&other, &cfg);
        e.page->slotAddNetInst(&other, &cfg);
        QCOMPARE(e.page->getQuickConfJob(), job);
        QVERIFY(!e.page->getNetInstallJob());
        QVERIFY(e.page->isJobForServer(QStringLiteral("02:53:56:00:07:31")));
        // Still true once the job has ended.
        QVERIFY(waitFor([&] { return job->getState() == CQuickConf::QC_STATE_TIMEOUT; }, kTimeoutWaitMs));
        QVERIFY(e.page->isJobForServer(QStringLiteral("02:53:56:00:07:31")));
    }

    void failedInstallPageAndItsEvent()
    {
        CVorkWindowMain w;
        Entry e = addEntry(w, "02:53:56:00:07:41", true);
        CVorkWindowProgNetInstall *ni = e.page->getNetInstallWidget();
        QVERIFY(ni);
        QCOMPARE(e.page->m_pstkwCenter->currentWidget(), ni);
        QVERIFY(waitFor([&] { return !e.dlg->getCloseButton()->isHidden(); }, kTimeoutWaitMs));
        // The server's build (2000) is above 1110: the two hints follow.
        const QString expected = QStringLiteral(
            "Quick configuration was not completed due to connection timeout.Close the dialog and try again "
            "later.<br />If you are performing the installation through wireless network connection, please "
            "switch to Ethernet cable connection for both your Varnestor and PC client and try again.<br />An "
            "error occurred during installation. The telnet service of Varnestor is turned on for error "
            "determination. Please configure your router to forward port 23 to Varnestor and contact Quenlori "
            "online support.");
        QCOMPARE(ni->m_plblProgress->text(), expected);
        QVERIFY(ni->m_pprgFinish->isHidden());
        QCOMPARE(e.dlg->getCloseButton()->text(), QStringLiteral("Close"));
        // Built again on every tick.
        ni->m_plblProgress->setText(QStringLiteral("x"));
        QVERIFY(waitFor([&] { return ni->m_plblProgress->text() == expected; }, 5000));
        // The type-1000 event runs the same status tick.
        e.page->getStatusTimer()->stop();
        ni->m_plblProgress->setText(QStringLiteral("x"));
        QEvent request(QEvent::User);
        QVERIFY(QCoreApplication::sendEvent(e.page, &request));
        QCOMPARE(ni->m_plblProgress->text(), expected);
        // A failed installation is never cleared.
        w.installMap()->slotClearBtnTriggered(false);
        QVERIFY(w.installMap()->contains(e.mac));
    }

    void pendingRecordsAndTheFinderHandOver()
    {
        itest::FinishWatcher finish;
        CVorkWindowMain w;
        CVorkInstallMap *map = w.installMap();
        Entry late = addEntry(w, "02:53:56:00:07:59", true);
        Entry early = addEntry(w, "02:53:56:00:07:51", true);
        Entry done = addEntry(w, "02:53:56:00:07:55", true);
        QVERIFY(finishNetInstall(done));
        QVERIFY(waitFor([&] { return late.page->getNetInstallJob()->isFinished()
                                     && early.page->getNetInstallJob()->isFinished(); }, kTimeoutWaitMs));

        // The clear runs first; the pending records come in key order.
        const QList<NASINFO *> pending = map->getPendingNasinfos();
        QCOMPARE(keysOf(pending), QStringList({"02:53:56:00:07:51", "02:53:56:00:07:59"}));

        // A new search lists the pending servers that did not answer as "check progress".
        w.finderWindow()->slotRefreshTrigged();
        for (const char *mac : {"02:53:56:00:07:51", "02:53:56:00:07:59"}) {
            const NASINFO *row = w.nasinfoMap()->find(QString::fromLatin1(mac));
            QVERIFY2(row, mac);
            QCOMPARE(row->ulConfigured, uint32_t(FHOSTQC_CHECKING_PROGRESS));
            QCOMPARE(nasinfoText(row->szServerName), QStringLiteral("Fresh"));
        }
        QVERIFY(!w.nasinfoMap()->find(QStringLiteral("02:53:56:00:07:55")));
    }
};

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    return tsup::runInLoopbackNamespace<TestInstallMap, QApplication>(argc, argv, tsup::setProgramNames);
}

#include "tst_installmap.moc"
