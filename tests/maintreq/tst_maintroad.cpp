// Whole maintenance requests from the finder's actions on the selected row, with the real main
// window offscreen in the namespace bed (maintroad_units.json): a recoverable unit is recovered
// over the install channel and found Ready again, a unit that checks its file system skips the
// check and moves on, and a Ready unit enters its memory test and is then watched by the finder.
// Waits run at divisor 100 here and in the simulated server.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "BoxAnswerer.h"
#include "CThreadSysRecovery.h"
#include "CVorkDialogRecovery.h"
#include "CVorkFSCKCancelProgDialog.h"
#include "CVorkWindowMain.h"
#include "CVorkWizardMemTest.h"
#include "CWaitScale.h"
#include "CWizCnfmPWDialog.h"
#include "CWizFinishPage.h"
#include "maintreqtest.h"

using mrt::ModalDriver;
using tsup::linesOf;
using tsup::statusCell;
using tsup::withDeletes::waitFor;

namespace {

const QString kRescue = QStringLiteral("02:53:56:00:40:01");
const QString kChecking = QStringLiteral("02:53:56:00:40:02");
const QString kMemory = QStringLiteral("02:53:56:00:40:03");
const QStringList kUnits{kRescue, kChecking, kMemory};

const int kTickMs = 50;

} // namespace

class TestMaintenanceRoad : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    std::unique_ptr<CVorkWindowMain> m_w;

    CVorkFinderWindow *finder() const { return m_w->finderWindow(); }

    // A new search from the finder's Search action, run to its end with every unit listed.
    bool search()
    {
        finder()->m_pactRefresh->trigger();
        return waitFor([&] {
            for (const QString &u : kUnits)
                if (!m_w->nasinfoMap()->containsKey(u))
                    return false;
            return !finder()->isSearching();
        }, 10000);
    }

    uint32_t stateOf(const QString &key) const
    {
        const NASINFO *n = m_w->nasinfoMap()->find(key);
        return n ? n->ulConfigured : 99;
    }

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        mrt::SizeHintFilter::install();
        CWaitScale::setDivisor(100);
        CVorkFinderWindow::setTickIntervalMs(kTickMs);
        QVERIFY(m_sim.connect());
        for (const char *address : {"198.18.0.161", "198.18.0.162", "198.18.0.163"})
            QCOMPARE(bed::ipServer({"addr", "add", QString::fromLatin1(address) + "/24", "dev", "vs0"}), 0);
        QSettings().clear();
        // The memory-test action is shown only when the preference asks for it.
        QSettings().setValue(QStringLiteral("Finder/MemTest"), true);
        m_w.reset(new CVorkWindowMain);
        m_w->show();
        QVERIFY(waitFor([&] {
            for (const QString &u : kUnits)
                if (!m_w->nasinfoMap()->containsKey(u))
                    return false;
            return !finder()->isSearching();
        }, 10000));
    }

    void cleanupTestCase() { m_w.reset(); }

    // Recover System on the recoverable row: the recovery dialog runs through its stages, Close
    // is offered once the unit reboots, and the next search finds the unit Ready.
    void recoverFromTheFinder()
    {
        QCOMPARE(statusCell(finder(), kRescue), QStringLiteral("Recoverable"));
        QVERIFY(mrt::selectRow(finder(), kRescue));
        QCOMPARE(finder()->m_pactManager->text(), QStringLiteral("Recover System"));
        QVERIFY(finder()->m_pactManager->isEnabled());
        BoxAnswerer boxes;
        QList<int> stages;
        bool closableEarly = false;
        QString finalText;
        ModalDriver driver([&](QWidget *m, bool) {
            CVorkDialogRecovery *dialog = qobject_cast<CVorkDialogRecovery *>(m);
            if (!dialog || !dialog->getJob())
                return;
            const int stage = dialog->getJob()->getStage();
            if (stage != CThreadSysRecovery::STAGE_NONE)
                CWaitScale::setDivisor(stage == CThreadSysRecovery::STAGE_BROADCAST ? 1 : 100);
            if (stages.isEmpty() || stages.last() != stage)
                stages << stage;
            QPushButton *close = dialog->m_pbuttonBox->button(QDialogButtonBox::Close);
            if (stage < CThreadSysRecovery::STAGE_REBOOTING && stage >= 0 && close->isEnabled())
                closableEarly = true;
            if (stage == CThreadSysRecovery::STAGE_DONE && close->isEnabled() &&
                dialog->m_lblProgStatus->text() == QLatin1String("System recovery is finished.")) {
                finalText = dialog->m_lblProgStatus->text();
                QTest::mouseClick(close, Qt::LeftButton);
            }
        });
        driver.giveUpMs = 30000;
        // The broadcast's answer is waited for in full: at divisor 100 the wait lasts a tenth of a
        // second, which a busy machine can miss with the unit's answer on its way. The dialog
        // starts at divisor 10, the driver sets 1 for the answer wait and 100 after it.
        CWaitScale::setDivisor(10);
        finder()->m_pactManager->trigger();
        CWaitScale::setDivisor(100);
        QCOMPARE(driver.gaveUp, 0);
        QCOMPARE(driver.seen, QStringList{"CVorkDialogRecovery"});
        QVERIFY(!closableEarly);
        // Sampled by the driver's polls: a busy machine may let a stage pass unseen.
        QVERIFY(tsup::inOrder(stages, {CThreadSysRecovery::STAGE_NONE, CThreadSysRecovery::STAGE_BROADCAST,
                                       CThreadSysRecovery::STAGE_RECOVERING, CThreadSysRecovery::STAGE_REBOOTING,
                                       CThreadSysRecovery::STAGE_DONE}));
        QCOMPARE(finalText, QStringLiteral("System recovery is finished."));
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(!m_w->isBusy());
        QVERIFY(m_w->findChildren<CVorkDialogRecovery *>().isEmpty());
        // Start recovery, then reboot, over the install channel.
        QCOMPARE(m_sim.command(QStringLiteral("install log %1").arg(kRescue)), QStringLiteral("ok [9,7]"));
        // Its reboot: one type-6 answer (which did not end the wait), then the type-2 answer.
        QList<int> announced;
        for (const QJsonObject &line : linesOf("install", kRescue, "announce"))
            announced << line.value(QStringLiteral("type")).toInt();
        QCOMPARE(announced, (QList<int>{6, 2}));

        QVERIFY(search());
        QCOMPARE(stateOf(kRescue), uint32_t(FHOSTQC_DONE));
        QCOMPARE(statusCell(finder(), kRescue), QStringLiteral("Ready"));
    }

    // Connect, shown as Cancel, on the row of a unit that checks its file system: Yes, the
    // unit's answer, and a new search that shows it starting its services.
    void skipTheCheckFromTheFinder()
    {
        QCOMPARE(stateOf(kChecking), uint32_t(FHOSTQC_QUOTA_CHECKING));
        QVERIFY(mrt::selectRow(finder(), kChecking));
        QCOMPARE(finder()->m_pactManager->text(), QStringLiteral("Cancel"));
        QVERIFY(finder()->m_pactManager->isEnabled());
        BoxAnswerer boxes;
        boxes.plan({"Yes"});
        ModalDriver driver;
        QSignalSpy searches(finder(), &CVorkFinderWindow::signalRefresh);
        finder()->m_pactManager->trigger();
        QCOMPARE(driver.seen, QStringList{"CVorkFSCKCancelProgDialog"});
        QCOMPARE(boxes.texts(), QStringList{"Are you sure you want to skip the file system check?"});
        QCOMPARE(searches.count(), 1);
        QVERIFY(!m_w->isBusy());
        QCOMPARE(linesOf("fsckskip", kChecking, "answer").size(), 1);
        QVERIFY(waitFor([&] { return !finder()->isSearching() && stateOf(kChecking) == 7; }, 10000));
        QCOMPARE(statusCell(finder(), kChecking), QStringLiteral("Starting services"));
    }

    // Memory Test on the Ready row: the wizard with the administrator's password, the reboot,
    // the running test; the finder then watches the unit and reports the errors its next answer
    // shows.
    void memoryTestFromTheFinder()
    {
        QCOMPARE(stateOf(kMemory), uint32_t(FHOSTQC_DONE));
        QVERIFY(mrt::selectRow(finder(), kMemory));
        QVERIFY(finder()->m_pactMemTest->isVisible());
        QVERIFY(finder()->m_pactMemTest->isEnabled());
        BoxAnswerer boxes;
        QString finalStatus;
        bool busyInside = false;
        ModalDriver driver([&](QWidget *m, bool fresh) {
            CVorkWizardMemTest *wizard = qobject_cast<CVorkWizardMemTest *>(m);
            if (!wizard)
                return;
            if (fresh)
                busyInside = m_w->isBusy();
            switch (wizard->currentId()) {
            case CVorkWizardMemTest::PAGE_START:
                if (fresh)
                    mrt::advance(wizard);
                break;
            case CVorkWizardMemTest::PAGE_PASSWORD:
                if (fresh) {
                    wizard->passwordPage()->m_pedtPassword->setText(QStringLiteral("s3cret"));
                    mrt::advance(wizard);
                }
                break;
            case CVorkWizardMemTest::PAGE_FINISH:
                if (wizard->isMemTestStarted()) {
                    finalStatus = wizard->finishPage()->m_plblStatus->text();
                    QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
                }
                break;
            default:
                break;
            }
        });
        finder()->m_pactMemTest->trigger();
        QCOMPARE(driver.gaveUp, 0);
        QCOMPARE(driver.seen, QStringList{"CVorkWizardMemTest"});
        QVERIFY(busyInside);
        QVERIFY(!m_w->isBusy());
        QCOMPARE(finalStatus, QStringLiteral("Memory Test of [Memory] has been started."));
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(m_w->findChildren<CVorkWizardMemTest *>().isEmpty());
        QVERIFY(waitFor([&] { return stateOf(kMemory) == FHOSTQC_MEM_TESTING; }, 3000));

        // The test ends with errors: the next search's answer is reported.
        QCOMPARE(m_sim.command(QStringLiteral("set %1 state 1").arg(kMemory)), QStringLiteral("ok"));
        QCOMPARE(m_sim.command(QStringLiteral("set %1 progress 3").arg(kMemory)), QStringLiteral("ok"));
        QVERIFY(search());
        QVERIFY(waitFor([&] { return !boxes.seen.isEmpty(); }, 3000));
        QCOMPARE(boxes.texts(),
                 QStringList{"One or more errors have been found by the memory diagnostic test."});
    }
};

GUI_BED_TEST_MAIN(TestMaintenanceRoad)

#include "tst_maintroad.moc"
