// The main window's installation requests with the real window offscreen in this process,
// inside the namespace bed (installreq_units.json): the busy flag, keys the server map does not
// hold, cancelled wizards, one server's quick configuration and network installation, a second
// request for a server that has an entry, and the whole road of one installation from the first
// search to the server found Ready again. The wizards are filled by irt::WizardDriver; waits run
// at divisor 100 here and in the simulated server. The client's link takes its address by DHCP,
// so the address page proposes DHCP and nothing is pinged.
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTableView>
#include <QtTest>

#include <memory>

#include "BoxAnswerer.h"
#include "CNasConfig.h"
#include "CQuickConf.h"
#include "CThreadNetInstall.h"
#include "CVorkDialogInstall.h"
#include "CVorkInstallMap.h"
#include "CVorkNasinfoMap.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "CVorkWindowInstall.h"
#include "CVorkWindowMain.h"
#include "CVorkWindowProgNetInstall.h"
#include "CWaitScale.h"
#include "HangGuard.h"
#include "NasinfoText.h"
#include "VorkStartup.h"
#include "installreqtest.h"
#include "installtest.h"
#include "installwiztest.h"
#include "netinstalltest.h"

using irt::WizardDriver;
using irt::WizardPlan;
using tsup::linesOf;
using tsup::statusCell;
using tsup::withDeletes::waitFor;

namespace {

const QString kQcSingle = QStringLiteral("02:53:56:00:05:01");
const QString kQcAgain = QStringLiteral("02:53:56:00:05:02");
const QString kQcFinished = QStringLiteral("02:53:56:00:05:03");
const QString kNiSingle = QStringLiteral("02:53:56:00:05:04");
const QString kRoad = QStringLiteral("02:53:56:00:05:09");
const QString kUnknown = QStringLiteral("02:53:56:00:0f:0f");
const QStringList kRequestUnits{kQcSingle, kQcAgain, kQcFinished, kNiSingle};

// The finder's search ticks: a whole search of 20 ticks takes one second.
const int kTickMs = 50;

// What a request may change, to compare before and after.
struct Snapshot {
    QStringList mapRows;
    QStringList entries;
    QStringList settings;

    static Snapshot of(CVorkWindowMain &w)
    {
        Snapshot s;
        for (auto it = w.nasinfoMap()->begin(); it != w.nasinfoMap()->end(); ++it)
            s.mapRows << QStringLiteral("%1 %2 %3").arg(it.key(), nasinfoText(it.value()->szServerName))
                             .arg(it.value()->ulConfigured);
        for (const QString &key : w.nasinfoMap()->keys() + QStringList{kUnknown})
            if (w.installMap()->contains(key))
                s.entries << key;
        QSettings settings;
        for (const QString &key : settings.allKeys())
            s.settings << key + QLatin1Char('=') + settings.value(key).toString();
        return s;
    }
    bool operator==(const Snapshot &o) const
    {
        return mapRows == o.mapRows && entries == o.entries && settings == o.settings;
    }
};

CVorkWindowInstall *pageOf(CVorkDialogInstall *dialog)
{
    return dialog ? qobject_cast<CVorkWindowInstall *>(dialog->getInstallWindow()) : nullptr;
}

// The quick-configuration commands the unit received.
QList<QJsonObject> quickConfsOf(const QString &unit)
{
    return linesOf("quickconf", unit);
}

} // namespace

class TestInstallRequests : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    iwt::PingGuard *m_guard = nullptr;

    // A window whose first search has listed the units and ended.
    std::unique_ptr<CVorkWindowMain> openWindow(const QStringList &units)
    {
        std::unique_ptr<CVorkWindowMain> w(new CVorkWindowMain);
        w->show();
        const bool listed = waitFor([&] {
            for (const QString &u : units)
                if (!w->nasinfoMap()->containsKey(u))
                    return false;
            return !w->finderWindow()->isSearching();
        }, 10000);
        if (!listed)
            qWarning("the first search did not list every unit");
        return w;
    }

    static void setSilent(bed::SimControl &sim, const QString &unit, bool silent)
    {
        QVERIFY(sim.command(QStringLiteral("set %1 silent %2").arg(unit, silent ? "true" : "false"))
                    .startsWith(QLatin1String("ok")));
    }

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        CWaitScale::setDivisor(100);
        CVorkFinderWindow::setTickIntervalMs(kTickMs);
        QVERIFY(m_sim.connect());
        const QString services = m_sim.command(QStringLiteral("services"));
        QVERIFY2(services.contains(QLatin1String("quickconf")) &&
                     services.contains(QLatin1String("install")) && services.contains(QLatin1String("web")),
                 qPrintable(services));
        // The unit of the whole road answers only in its own test.
        setSilent(m_sim, kRoad, true);
        m_guard = new iwt::PingGuard;
        QSettings().clear();
    }

    void cleanupTestCase()
    {
        // This computer's link takes its address by DHCP: no address page here searched.
        QVERIFY(m_guard->seen.isEmpty());
        delete m_guard;
    }

    void busyFlagDropsBothRequests()
    {
        auto w = openWindow(kRequestUnits);
        CVorkFinderWindow *finder = w->finderWindow();
        WizardDriver driver(WizardPlan{QString(), {}, QString(), true, QString(), QString(),
                                       CVorkWizardInstall::PAGE_INTRO});
        const Snapshot before = Snapshot::of(*w);

        // Another modal task of the window runs: both requests, as the finder sends them, are
        // dropped, and the flag stays as the other task set it.
        QVERIFY(w->tryLockOperation());
        emit finder->signalMangerDoQuickConf({kQcSingle});
        emit finder->signalMangerDoNetInstall({kNiSingle});
        tsup::withDeletes::spin(300);
        QCOMPARE(driver.wizards, 0);
        QVERIFY(w->isBusy());
        QVERIFY(Snapshot::of(*w) == before);
        w->unlockOperation();

        // While the request's own wizard is open the flag is set, and a second request that
        // comes meanwhile opens nothing.
        int nestedWizards = -1;
        driver.onWizard = [&](CVorkWizardInstall *) {
            driver.busyWhileOpen = w->isBusy();
            if (nestedWizards < 0) {
                w->slotManagerDoNetInstall({kNiSingle});
                w->slotManagerDoQuickConf({kQcAgain});
                nestedWizards = driver.wizards;
            }
        };
        emit finder->signalMangerDoQuickConf({kQcSingle});
        QCOMPARE(driver.wizards, 1);
        QCOMPARE(nestedWizards, 1);
        QVERIFY(driver.busyWhileOpen);
        QVERIFY(!w->isBusy());
        QCOMPARE(driver.pages, QList<int>{CVorkWizardInstall::PAGE_INTRO});
        QVERIFY(!driver.netInstall);

        // The network install through the finder's signal, likewise cancelled.
        driver.onWizard = nullptr;
        emit finder->signalMangerDoNetInstall({kNiSingle});
        QCOMPARE(driver.wizards, 2);
        QVERIFY(!w->isBusy());
        QVERIFY(Snapshot::of(*w) == before);
        QVERIFY(!driver.gaveUp);
    }

    void keysOutsideTheMapAreLeftOut()
    {
        auto w = openWindow(kRequestUnits);
        WizardDriver driver(WizardPlan{QString(), {}, QString(), true, QString(), QString(),
                                       CVorkWizardInstall::PAGE_INTRO});
        const Snapshot before = Snapshot::of(*w);

        // No target left: no wizard, and the flag is free again.
        w->slotManagerDoQuickConf({kUnknown});
        w->slotManagerDoNetInstall({kUnknown, QString()});
        w->slotManagerDoQuickConf({});
        tsup::withDeletes::spin(200);
        QCOMPARE(driver.wizards, 0);
        QVERIFY(!w->isBusy());
        QVERIFY(w->tryLockOperation());
        w->unlockOperation();

        // A known key among unknown ones: the wizard has exactly that one target.
        w->slotManagerDoNetInstall({kUnknown, kNiSingle, kUnknown});
        QCOMPARE(driver.wizards, 1);
        QCOMPARE(driver.targets, 1);
        QVERIFY(driver.netInstall);
        QVERIFY(Snapshot::of(*w) == before);
    }

    void cancelledWizardChangesNothing()
    {
        auto w = openWindow(kRequestUnits);
        {
            QSettings s;
            s.setValue(QStringLiteral("Global/patchDirPath"), QDir::tempPath());
        }
        const Snapshot before = Snapshot::of(*w);
        QVERIFY(before.mapRows.size() >= kRequestUnits.size());
        BoxAnswerer boxes;

        // Quick configuration given up on the last page, after name and password.
        WizardDriver quick(WizardPlan{QString(), {QStringLiteral("Given-Up")}, QStringLiteral("pw1"),
                                      true, QString(), QString(), CVorkWizardInstall::PAGE_IP});
        w->slotManagerDoQuickConf({kQcSingle});
        QCOMPARE(quick.pages, (QList<int>{CVorkWizardInstall::PAGE_INTRO,
                                          CVorkWizardInstall::PAGE_PASSWORD,
                                          CVorkWizardInstall::PAGE_IP}));
        QVERIFY(Snapshot::of(*w) == before);
        QCOMPARE(statusCell(w->finderWindow(), kQcSingle), QStringLiteral("Not configured"));

        // Network installation given up on its first page.
        quick.setPlan(WizardPlan{QString(), {}, QString(), true, QString(), QString(),
                                 CVorkWizardInstall::PAGE_INTRO});
        w->slotManagerDoNetInstall({kNiSingle});
        QCOMPARE(quick.wizards, 2);
        QVERIFY(Snapshot::of(*w) == before);
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(!w->isBusy());
        // No quick configuration went out.
        QVERIFY(quickConfsOf(kQcSingle).isEmpty());
        QVERIFY(quickConfsOf(kNiSingle).isEmpty());
    }

    // One server, a name with "#": the quick configuration expands it for the first server.
    // The server page refuses a "#" for one server, so the template reaches the wizard's field
    // on the address page.
    void quickConfigurationOfOneServer()
    {
        auto w = openWindow(kRequestUnits);
        CVorkFinderWindow *finder = w->finderWindow();
        // The row is the current one, its Connect action enabled, as when the user asked.
        CVorkNasinfoModel *model = finder->getNasinfoModel();
        QModelIndex current = model->index(model->rowOfKey(kQcSingle), 0);
        if (finder->m_ptableviewFinder->model() != model)
            current = finder->getSortProxy()->mapFromSource(current);
        finder->m_ptableviewFinder->setCurrentIndex(current);
        QVERIFY(waitFor([&] { return finder->m_pactManager->isEnabled(); }, 5000));
        QSignalSpy repainted(model, &QAbstractItemModel::dataChanged);
        BoxAnswerer boxes;
        WizardDriver driver(WizardPlan{QString(), {QStringLiteral("Box#"), QStringLiteral("Box")},
                                       QStringLiteral("pw-Box"), true, QString(),
                                       QStringLiteral("Box#")});
        emit finder->signalMangerDoQuickConf({kQcSingle});
        QVERIFY(!driver.gaveUp);
        QCOMPARE(driver.wizards, 1);
        QCOMPARE(driver.title, QStringLiteral("Quenlori Vornakeeper - Setup Wizard"));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Server name contains invalid characters.")});
        QVERIFY(!w->isBusy());

        // Marked under installation, at once: the row is shown anew and Connect follows.
        QCOMPARE(statusCell(finder, kQcSingle), QStringLiteral("Check progress"));
        QCOMPARE(w->nasinfoMap()->find(kQcSingle)->ulConfigured, uint32_t(FHOSTQC_CHECKING_PROGRESS));
        const int row = model->rowOfKey(kQcSingle);
        bool rowShown = false;
        for (const QList<QVariant> &change : repainted) {
            const QModelIndex from = change.at(0).toModelIndex(), to = change.at(1).toModelIndex();
            rowShown = rowShown || (from.row() <= row && row <= to.row() &&
                                    from.column() <= CVorkNasinfoModel::COL_STATUS &&
                                    CVorkNasinfoModel::COL_STATUS <= to.column());
        }
        QVERIFY(rowShown);
        QVERIFY(!finder->m_pactManager->isEnabled());
        // Its entry's dialog is up, holding the job for this server.
        QVERIFY(w->installMap()->contains(kQcSingle));
        QPointer<CVorkDialogInstall> dialog = w->installMap()->getDialog(kQcSingle);
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!dialog->isMinimized());
        QCOMPARE(dialog->parent(), w.get());
        CVorkWindowInstall *page = pageOf(dialog);
        QVERIFY(page && page->getQuickConfJob());
        QVERIFY(!page->getNetInstallJob());
        QVERIFY(page->isJobForServer(kQcSingle));
        QCOMPARE(page->getQuickConfJob()->getTargetMac(), kQcSingle);

        // On the wire: 0x21 "Box1", DHCP.
        QVERIFY(waitFor([&] { return !quickConfsOf(kQcSingle).isEmpty(); }, 5000));
        const QJsonObject sent = quickConfsOf(kQcSingle).first();
        QCOMPARE(sent.value(QStringLiteral("name")).toString(), QStringLiteral("Box1"));
        QCOMPARE(sent.value(QStringLiteral("dhcp")).toInt(), 1);
        QCOMPARE(sent.value(QStringLiteral("password")).toString(), QStringLiteral("pw-Box"));

        // "Check progress" in the finder brings the dialog back: hidden, minimised, then the
        // click on the row's status cell.
        dialog->hide();
        dialog->showMinimized();
        dialog->hide();
        QVERIFY(!dialog->isVisible());
        QTableView *view = finder->m_ptableviewFinder;
        QModelIndex index = finder->getNasinfoModel()->index(
            finder->getNasinfoModel()->rowOfKey(kQcSingle), CVorkNasinfoModel::COL_STATUS);
        if (view->model() != finder->getNasinfoModel())
            index = finder->getSortProxy()->mapFromSource(index);
        QVERIFY(index.isValid());
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          view->visualRect(index).center());
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isMinimized());

        // The raise ignores the busy flag; an unknown or empty MAC raises nothing.
        dialog->hide();
        QVERIFY(w->tryLockOperation());
        w->slotPopupInstallDlg(kQcSingle);
        QVERIFY(dialog->isVisible());
        w->unlockOperation();
        dialog->hide();
        w->slotPopupInstallDlg(kUnknown);
        w->slotPopupInstallDlg(QString());
        QVERIFY(!dialog->isVisible());
    }

    // One server's network installation keeps the name exactly as given (no expansion) and
    // uploads the chosen file.
    void netInstallOfOneServer()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString patch = dir.filePath(QStringLiteral("Q2BAY_3001.pat"));
        QVERIFY(nit::writePatchFile(patch, 300000 + 5));
        const QByteArray sha = nit::sha256Of(patch);

        auto w = openWindow(kRequestUnits);
        BoxAnswerer boxes;
        WizardDriver driver(WizardPlan{patch, {QStringLiteral("Archive-7")}, QStringLiteral("pw-Ni"),
                                       true, QString(), QStringLiteral("Keep#")});
        emit w->finderWindow()->signalMangerDoNetInstall({kNiSingle});
        QVERIFY(!driver.gaveUp);
        QVERIFY(driver.netInstall);
        QCOMPARE(driver.fileDialogs, 1);
        QVERIFY(boxes.seen.isEmpty());

        QCOMPARE(w->nasinfoMap()->find(kNiSingle)->ulConfigured, uint32_t(FHOSTQC_CHECKING_PROGRESS));
        QCOMPARE(statusCell(w->finderWindow(), kNiSingle), QStringLiteral("Check progress"));
        CVorkDialogInstall *dialog = w->installMap()->getDialog(kNiSingle);
        QVERIFY(dialog && dialog->isVisible());
        CVorkWindowInstall *page = pageOf(dialog);
        QVERIFY(page && page->getNetInstallJob() && !page->getQuickConfJob());
        // The entry and the job keep the record as it was before the wizard (not installed).
        QCOMPARE(page->getNasinfo()->ulConfigured, uint32_t(FHOSTQC_UNINSTALL));
        bool inMap = false;
        for (const NASINFO *n : w->installMap()->getPendingNasinfos())
            if (CVorkNasinfoMap::keyOf(*n) == kNiSingle) {
                inMap = true;
                QCOMPARE(n->ulConfigured, uint32_t(FHOSTQC_UNINSTALL));
            }
        QVERIFY(inMap);

        // The file arrives whole; the name went out as given.
        QVERIFY(waitFor([&] {
            for (const QJsonObject &u : linesOf("install", kNiSingle, "upload"))
                if (u.value(QStringLiteral("complete")).toBool())
                    return true;
            return false;
        }, 30000));
        const QJsonObject upload = linesOf("install", kNiSingle, "upload").last();
        QCOMPARE(upload.value(QStringLiteral("sha256")).toString().toLatin1(), sha);
        QCOMPARE(upload.value(QStringLiteral("size")).toInt(), 300000 + 5);
        const QList<QJsonObject> sent = quickConfsOf(kNiSingle);
        QVERIFY(!sent.isEmpty());
        QCOMPARE(sent.first().value(QStringLiteral("name")).toString(), QStringLiteral("Keep#"));
        QCOMPARE(sent.first().value(QStringLiteral("dhcp")).toInt(), 1);
    }

    // A second quick configuration of a server with an entry replaces the entry; the old
    // dialog's clear request no longer reaches the window, the new one's does.
    void secondRequestReplacesTheEntry()
    {
        auto w = openWindow(kRequestUnits);
        CVorkInstallMap *map = w->installMap();
        itest::FinishWatcher finish;
        BoxAnswerer boxes;
        WizardDriver driver(WizardPlan{QString(), {QStringLiteral("Finished")},
                                       QStringLiteral("pw-F"), true});

        // A finished entry whose dialog is hidden: what a clear request removes.
        w->slotManagerDoQuickConf({kQcFinished});
        CVorkWindowInstall *finishedPage = pageOf(map->getDialog(kQcFinished));
        QVERIFY(finishedPage);
        // Answered, and the page has shown it (its timer stops), while the dialog was up: no
        // finish message.
        QVERIFY(waitFor([&] {
            return finishedPage->getQuickConfJob()->getState() == CQuickConf::QC_STATE_ANSWERED &&
                   !finishedPage->getStatusTimer()->isActive();
        }, 10000));
        map->getDialog(kQcFinished)->hide();

        driver.setPlan(WizardPlan{QString(), {QStringLiteral("First")}, QStringLiteral("pw-1"), true});
        w->slotManagerDoQuickConf({kQcAgain});
        QPointer<CVorkDialogInstall> first = map->getDialog(kQcAgain);
        QPointer<CVorkWindowInstall> firstPage = pageOf(first);
        QVERIFY(first && firstPage);

        driver.setPlan(WizardPlan{QString(), {QStringLiteral("Second")}, QStringLiteral("pw-2"), true});
        w->slotManagerDoQuickConf({kQcAgain});
        QCOMPARE(driver.wizards, 3);
        QVERIFY(boxes.seen.isEmpty());
        QPointer<CVorkDialogInstall> second = map->getDialog(kQcAgain);
        QVERIFY(second && second != first);
        QVERIFY(second->isVisible());
        QCOMPARE(pageOf(second)->getNasinfo()->ulConfigured, uint32_t(FHOSTQC_CHECKING_PROGRESS));

        // The old dialog is on its way out (deferred); its clear request does nothing now.
        QVERIFY(first);
        emit first->signalClearFinishedItems();
        QVERIFY(map->contains(kQcFinished));
        // The new one's is heard, also while the window is busy.
        QVERIFY(w->tryLockOperation());
        emit second->signalClearFinishedItems();
        QVERIFY(!map->contains(kQcFinished));
        QVERIFY(map->contains(kQcAgain));
        w->unlockOperation();
        QVERIFY(waitFor([&] { return first.isNull() && firstPage.isNull(); }, 5000));

        // Both commands reached the unit, each with its own name.
        // A slow answer may have the first command sent twice, so wait for the second's name.
        QStringList names;
        QVERIFY(waitFor([&] {
            names.clear();
            for (const QJsonObject &q : quickConfsOf(kQcAgain))
                names << q.value(QStringLiteral("name")).toString();
            return names.contains(QStringLiteral("Second"));
        }, 5000));
        QVERIFY2(names.contains(QStringLiteral("First")) && names.last() == QStringLiteral("Second"),
                 qPrintable(names.join(',')));
        QCOMPARE(finish.shown, 0);
    }

    // The whole road of one installation: found by the first search, connected at once, the
    // wizard filled, the installation run through its stages against the simulated server, the
    // dialog closed, and the server found Ready with its new name and build.
    void wholeInstallRoad()
    {
        const double roadStartedAt = QDateTime::currentMSecsSinceEpoch() / 1000.0;
        for (const QString &u : kRequestUnits)
            setSilent(m_sim, u, true);
        setSilent(m_sim, kRoad, false);
        // The automatic Connect takes an answer stored from the third tick of the search on:
        // the unit answers a little late, as a busy server does. The search's ticks are longer
        // here, so that a busy machine that holds up the first ticks still sees the answer come
        // after the third and well before the twentieth, the search's last.
        const int tickMs = 250;
        CVorkFinderWindow::setTickIntervalMs(tickMs);
        struct RestoreTick {
            ~RestoreTick() { CVorkFinderWindow::setTickIntervalMs(kTickMs); }
        } restoreTick;
        QVERIFY(m_sim.command(QStringLiteral("discovery delay %1").arg(10 * tickMs))
                    .startsWith(QLatin1String("ok")));

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString patch = dir.filePath(QStringLiteral("Q2BAY_3001.pat"));
        const qint64 patchSize = (1 << 20) + 333;
        QVERIFY(nit::writePatchFile(patch, patchSize));
        const QByteArray sha = nit::sha256Of(patch);
        const QString password = QStringLiteral("Road-S3cret!pw");

        // The program's debug log, as -D writes it.
        const QString logPath = QCoreApplication::applicationDirPath() + QStringLiteral("/installroad-debug.txt");
        qstrncpy(gszDebugFilePath, QFile::encodeName(logPath).constData(), sizeof(gszDebugFilePath));
        gblDebug = true;
        startDebugLog();

        BoxAnswerer boxes;
        WizardDriver driver(WizardPlan{patch, {QStringLiteral("Atrium-1")}, password, true});
        // The delay is the search answer's only: every answer goes through it, and the quick
        // configuration's must come within the program's wait (two seconds at divisor 100).
        driver.onWizard = [this](CVorkWizardInstall *) {
            m_sim.command(QStringLiteral("discovery delay 0"));
        };
        std::unique_ptr<CVorkWindowMain> w(new CVorkWindowMain);
        w->show();
        CVorkFinderWindow *finder = w->finderWindow();

        // The first search lists the unit and connects it: the wizard runs and ends accepted.
        QVERIFY(waitFor([&] { return w->installMap()->contains(kRoad); }, 20000));
        QCOMPARE(driver.wizards, 1);
        QVERIFY(driver.netInstall);
        QCOMPARE(driver.targets, 1);
        QVERIFY(!driver.gaveUp);
        QVERIFY(boxes.seen.isEmpty());
        QPointer<CVorkDialogInstall> dialog = w->installMap()->getDialog(kRoad);
        QVERIFY(dialog && dialog->isVisible());
        CVorkWindowInstall *page = pageOf(dialog);
        CThreadNetInstall *job = page->getNetInstallJob();
        QVERIFY(job);

        // Its stages up to the end, sampled: a busy machine may let a short one pass unseen.
        QList<int> stages;
        QVERIFY(waitFor([&] {
            const int stage = job->getStage();
            if (stages.isEmpty() || stages.last() != stage)
                stages << stage;
            return stage == NI_STAGE_DONE || job->getErrorCode() != 0;
        }, 45000));
        QCOMPARE(job->getErrorCode(), 0ul);
        // The reboot wait, the one long wait of the road, ended on the server's announcement
        // rather than running out (after which the final configuration would succeed as well).
        QCOMPARE(job->getRebootState(), int(CThreadNetInstall::REBOOT_FINISHED));
        QVERIFY(tsup::inOrder(stages, {NI_STAGE_NONE, NI_STAGE_SET_NET, NI_STAGE_FORMAT, NI_STAGE_FORMAT_SYS,
                                       NI_STAGE_FORMAT_DATA, NI_STAGE_INSTALL, NI_STAGE_REBOOT,
                                       NI_STAGE_CONFIGURE, NI_STAGE_DONE}));
        // The page's next tick shows the end.
        CVorkWindowProgNetInstall *progress = page->getNetInstallWidget();
        QVERIFY(waitFor([&] { return !page->getStatusTimer()->isActive(); }, 5000));
        const QString done = progress->m_plblProgress->text();
        QVERIFY2(done.startsWith(QStringLiteral("System has been installed successfully.")), qPrintable(done));
        QCOMPARE(itest::anchorOf(done), QStringLiteral("http://198.18.0.79:5000"));
        QCOMPARE(dialog->getHideButton()->text(), QStringLiteral("Close"));
        QVERIFY(dialog->getCloseButton()->isHidden());
        QDir().mkpath(QString::fromLatin1(IRT_REVIEW_DIR));
        QVERIFY(dialog->grab().save(QString::fromLatin1(IRT_REVIEW_DIR) +
                                    QStringLiteral("/install-finished.png")));

        // The server holds the file byte for byte, and the date of the final configuration is
        // the wizard's plus the time the installation took, as far as the captures can bound it:
        // at least from the first configuration to the reboot, at most from before the job to
        // the final configuration.
        const QList<QJsonObject> uploads = linesOf("install", kRoad, "upload");
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads.first().value(QStringLiteral("complete")).toBool(), true);
        QCOMPARE(uploads.first().value(QStringLiteral("size")).toInt(), int(patchSize));
        QCOMPARE(uploads.first().value(QStringLiteral("sha256")).toString().toLatin1(), sha);
        const QList<QJsonObject> configs = quickConfsOf(kRoad);
        QVERIFY(configs.size() >= 2);
        const auto dateOf = [](const QJsonObject &q) {
            return QDateTime::fromString(q.value(QStringLiteral("dateTime")).toString(),
                                         QStringLiteral("yyyy-MM-dd-hh-mm-ss"));
        };
        QVERIFY(dateOf(configs.first()).isValid() && dateOf(configs.last()).isValid());
        const qint64 advanced = dateOf(configs.first()).secsTo(dateOf(configs.last()));
        const double took = configs.last().value(QStringLiteral("t")).toDouble() - roadStartedAt;
        const QList<QJsonObject> reboots = linesOf("install", kRoad, "reboot");
        QVERIFY(!reboots.isEmpty());
        const double atLeast = reboots.first().value(QStringLiteral("t")).toDouble() -
                               configs.first().value(QStringLiteral("t")).toDouble();
        QVERIFY2(advanced >= qFloor(atLeast) - 1 && advanced <= took + 1,
                 qPrintable(QStringLiteral("%1 s, not within %2 .. %3").arg(advanced).arg(atLeast).arg(took)));
        QCOMPARE(configs.last().value(QStringLiteral("name")).toString(), QStringLiteral("Atrium-1"));
        QCOMPARE(configs.last().value(QStringLiteral("password")).toString(), password);

        // A configured server reports Ready once it is up again.
        QVERIFY(m_sim.command(QStringLiteral("set %1 state 1").arg(kRoad)).startsWith(QLatin1String("ok")));

        // Close hides the finished dialog; the next search drops the finished entry and finds
        // the server Ready with its new name and build.
        QTest::mouseClick(dialog->getHideButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(waitFor([&] { return !finder->isSearching(); }, 5000));
        QSignalSpy searches(finder, &CVorkFinderWindow::signalRefresh);
        finder->m_pactRefresh->trigger();
        QCOMPARE(searches.count(), 1);
        QVERIFY(!w->installMap()->contains(kRoad));
        QVERIFY(waitFor([&] { return dialog.isNull(); }, 5000));
        QVERIFY(waitFor([&] { return statusCell(finder, kRoad) == QStringLiteral("Ready"); }, 10000));
        const NASINFO *found = w->nasinfoMap()->find(kRoad);
        QVERIFY(found);
        QCOMPARE(nasinfoText(found->szServerName), QStringLiteral("Atrium-1"));
        QCOMPARE(found->ulBuild, 3001u);
        QCOMPARE(found->ulIP, bed::addr("198.18.0.79"));
        w.reset();

        // The debug log of the run: written, and never with the password in clear.
        qInstallMessageHandler(nullptr);
        gblDebug = false;
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY(text.contains(kRoad.toLatin1()));
        QVERIFY(!text.contains(password.toLatin1()));
    }
};

IWT_BED_MAIN(TestInstallRequests)
#include "tst_installreq.moc"
