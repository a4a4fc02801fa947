// The main window's maintenance, profile and Wake-on-LAN requests with the real window offscreen
// in this process, inside the namespace bed (maintreq_units.json): the result of every network
// setting, keys the server map does not hold, the web page, the resource-monitor and photo
// profiles through their wizards, Wake-on-LAN registration and off-line rows, the skip of a
// file-system check, and the busy flag. Wizards and dialogs are driven by mrt::ModalDriver,
// message boxes answered by BoxAnswerer; waits run at divisor 100 here and in the simulated
// server.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

#include "BoxAnswerer.h"
#include "CNetSetting.h"
#include "CPhotoUploadConfig.h"
#include "CQuenWOL.h"
#include "CRsrcConfig.h"
#include "CVorkDialogRecovery.h"
#include "CVorkDialogWakeupAdd.h"
#include "CVorkFSCKCancelProgDialog.h"
#include "CVorkWindowMain.h"
#include "CVorkWindowPhotoUpload.h"
#include "CVorkWindowRsrcMon.h"
#include "CVorkWizardMemTest.h"
#include "CVorkWizardNetSetting.h"
#include "CVorkWizardPhotoUpload.h"
#include "CVorkWizardRsrcMon.h"
#include "CWaitScale.h"
#include "CWizCnfmPWDialog.h"
#include "CWizIPDialog.h"
#include "CWizNetProgDialog.h"
#include "CWizPhotoAutoIPDialog.h"
#include "CWizPhotoIPDialog.h"
#include "CWizPhotoPWDialog.h"
#include "CWizPhotoSummary.h"
#include "CWizRsrcAutoIPDialog.h"
#include "CWizRsrcIPDialog.h"
#include "CWizRsrcPWDialog.h"
#include "CWizRsrcSummary.h"
#include "NasinfoText.h"
#include "maintreqtest.h"
#include "platforms.h"

using mrt::ModalDriver;
using tsup::UrlCatcher;
using tsup::linesOf;
using tsup::retype;
using tsup::withDeletes::waitFor;

namespace {

const QString kWrongPw = QStringLiteral("02:53:56:00:30:01");
const QString kFailed = QStringLiteral("02:53:56:00:30:02");
const QString kBusy = QStringLiteral("02:53:56:00:30:03");
const QString kNoDhcp = QStringLiteral("02:53:56:00:30:04");
const QString kOdd = QStringLiteral("02:53:56:00:30:09");
const QString kGood = QStringLiteral("02:53:56:00:30:05");
const QString kMute = QStringLiteral("02:53:56:00:30:06");
const QString kSkNoMask = QStringLiteral("02:53:56:00:30:11");
const QString kSkAnswer = QStringLiteral("02:53:56:00:30:12");
const QString kSkMute = QStringLiteral("02:53:56:00:30:13");
const QString kWebReady = QStringLiteral("02:53:56:00:30:21");
const QString kWebOld = QStringLiteral("02:53:56:00:30:22");
const QString kWebNew = QStringLiteral("02:53:56:00:30:23");
const QString kWolOne = QStringLiteral("02:53:56:00:30:31");
const QString kWolNone = QStringLiteral("02:53:56:00:30:32");
const QString kWolTwo = QStringLiteral("02:53:56:00:30:33");
const QString kMonitored = QStringLiteral("02:53:56:00:30:41");
const QString kUnknown = QStringLiteral("02:53:56:00:3f:ff");
// Registered Wake-on-LAN hosts that never answer a search.
const QString kGhost = QStringLiteral("02:53:56:00:3f:01");
const QString kGhostWaiting = QStringLiteral("02:53:56:00:3f:02");

const QStringList kAllUnits{kWrongPw, kFailed,  kBusy,   kNoDhcp,  kOdd,    kGood,
                            kMute,    kSkNoMask, kSkAnswer, kSkMute, kWebReady, kWebOld,
                            kWebNew,  kWolOne,  kWolNone, kWolTwo, kMonitored};
// Addresses the units hold in the server namespace, so that the finder's web-port test and the
// profile pages' connections are refused at once instead of waiting for an answer.
const QStringList kServerAddresses{"198.18.0.101", "198.18.0.102", "198.18.0.103", "198.18.0.104",
                                   "198.18.0.105", "198.18.0.106", "198.18.0.109", "198.18.0.121", "198.18.0.122", "198.18.0.123", "198.18.0.131",
                                   "198.18.0.132", "198.18.0.133", "198.18.0.141", "198.18.0.144",
                                   "198.18.0.145"};

const char kMissing[] = "Nasinfo ptr in qlistNasKey is null.";
const char kSkipQuestion[] = "Are you sure you want to skip the file system check?";
const char kBrowserFailed[] = "Failed to launch the web browser to connect to VNO. Please check the "
                              "settings of your default web browser and try again.";

// The finder's search ticks: a whole search of 20 ticks takes one second.
const int kTickMs = 50;

// The network wizard filled as a user would: Next, the password, DHCP and Finish. The progress
// dialog that follows is left alone; it closes on the job's result.
void netWizardScript(QWidget *modal, bool fresh, const QString &password, CVorkWindowMain *w,
                     bool *busyInside)
{
    CVorkWizardNetSetting *wizard = qobject_cast<CVorkWizardNetSetting *>(modal);
    if (!wizard || !fresh)
        return;
    *busyInside = w->isBusy();
    switch (wizard->currentId()) {
    case CVorkWizardNetSetting::PAGE_START:
        mrt::advance(wizard);
        break;
    case CVorkWizardNetSetting::PAGE_PASSWORD:
        wizard->passwordPage()->m_pedtPassword->setText(password);
        mrt::advance(wizard);
        break;
    case CVorkWizardNetSetting::PAGE_IP:
        wizard->addressPage()->m_prdoDHCP->click();
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        break;
    default:
        break;
    }
}

QWidget *currentPage(CVorkWindowMain &w)
{
    return w.m_pstkwCenter->currentWidget();
}

QStringList treeTexts(QTreeWidget *tree)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->text(0);
    return out;
}

QStringList allSettings()
{
    QSettings settings;
    QStringList out;
    for (const QString &key : settings.allKeys())
        out << key + QLatin1Char('=') + settings.value(key).toString();
    return out;
}

QList<QJsonObject> magicPacketsFor(const QString &mac)
{
    QList<QJsonObject> out;
    for (const QJsonObject &line : linesOf("wol"))
        if (line.value(QStringLiteral("mac")).toString() == mac)
            out << line;
    return out;
}

// Skip requests the unit took, the unbound second copy of each sending left out.
int skipRequests(const QString &unit)
{
    int n = 0;
    for (const QJsonObject &line : linesOf("fsckskip", unit, "command"))
        n += line.value(QStringLiteral("result")).toString() == QLatin1String("repeat") ? 0 : 1;
    return n;
}

CWOLConfig ghostConfig(const QString &mac, const QString &profile,
                       const QString &address = QStringLiteral("198.18.0.150"))
{
    CWOLConfig config;
    config.setAddrName(address);
    config.setMacAddress(mac);
    config.setProfile(profile);
    config.setNetwork(0);
    config.setPortNum(9);
    return config;
}

} // namespace

class TestMaintenanceRequests : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;

    // A window whose first search has listed the units and ended.
    std::unique_ptr<CVorkWindowMain> openWindow()
    {
        std::unique_ptr<CVorkWindowMain> w(new CVorkWindowMain);
        w->show();
        const bool listed = waitFor([&] { return hasAll(*w) && !w->finderWindow()->isSearching(); },
                                    10000);
        if (!listed)
            qWarning("the first search did not list every unit");
        return w;
    }

    static bool hasAll(CVorkWindowMain &w)
    {
        for (const QString &u : kAllUnits)
            if (!w.nasinfoMap()->containsKey(u))
                return false;
        return true;
    }

    // Every stored profile and registration goes; the settings of one test never reach the next.
    static void clearProfiles()
    {
        QSettings settings;
        settings.remove(QStringLiteral("ResourceMonitor"));
        settings.remove(QStringLiteral("PhotoUploader"));
        settings.remove(QStringLiteral("WOL"));
        settings.sync();
    }

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        mrt::SizeHintFilter::install();
        CWaitScale::setDivisor(100);
        CVorkFinderWindow::setTickIntervalMs(kTickMs);
        QVERIFY(m_sim.connect());
        const QString services = m_sim.command(QStringLiteral("services"));
        QVERIFY2(services.contains(QLatin1String("netset")) && services.contains(QLatin1String("fsckskip")) &&
                     services.contains(QLatin1String("wol")),
                 qPrintable(services));
        for (const QString &address : kServerAddresses)
            QCOMPARE(bed::ipServer({"addr", "add", address + "/24", "dev", "vs0"}), 0);
        QSettings().clear();
    }

    void init() { clearProfiles(); }

    // Every row of the result table of a network setting, each run through the finder's signal
    // with the wizard filled in: the box, and a new search only after success.
    void networkSettingResults()
    {
        struct Row {
            QString unit;
            QString password;
            QMessageBox::Icon icon;
            QString title;
            QString text;
            bool search;
        };
        const QString failed = QStringLiteral("Errors occurred while configuring Quenlori Server.");
        // Success last: its search empties the server map.
        const QList<Row> rows{
            {kWrongPw, "wrong", QMessageBox::Warning, "Error", "Incorrect password.", false},
            {kFailed, "pw", QMessageBox::Warning, "Error",
             "Failed to apply the network setting. Please try another one.", false},
            {kBusy, "pw", QMessageBox::Warning, "Error", "Processing...", false},
            {kNoDhcp, "pw", QMessageBox::Warning, "Error", "The DHCP server is not found.", false},
            {kOdd, "pw", QMessageBox::Warning, "Error", failed, false},
            {kMute, "pw", QMessageBox::Warning, "Error", failed, false},
            {kGood, "pw", QMessageBox::Information, "Information", "Network configurations are complete.",
             true},
        };
        auto w = openWindow();
        CVorkFinderWindow *finder = w->finderWindow();
        for (const Row &row : rows) {
            BoxAnswerer boxes;
            bool busyInside = false;
            ModalDriver driver([&](QWidget *m, bool fresh) {
                netWizardScript(m, fresh, row.password, w.get(), &busyInside);
            });
            QSignalSpy searches(finder, &CVorkFinderWindow::signalRefresh);
            QElapsedTimer run;
            run.start();
            emit finder->signalMangerDoNetSetting(row.unit);
            const qint64 took = run.elapsed();
            const QByteArray label = row.unit.toLatin1();
            QCOMPARE(driver.gaveUp, 0);
            // The progress dialog may be up for a moment only; it stays until the next setting.
            QCOMPARE(driver.seen.value(0), QStringLiteral("CVorkWizardNetSetting"));
            QVERIFY2(busyInside, label.constData());
            CWizNetProgDialog *progress = w->findChild<CWizNetProgDialog *>();
            QVERIFY(progress && !progress->isVisible());
            QCOMPARE(progress->m_prg->maximum(), 125000);
            QVERIFY(!w->isBusy());
            QCOMPARE(boxes.seen.size(), 1);
            QCOMPARE(boxes.seen[0].icon, row.icon);
            QCOMPARE(boxes.seen[0].title, row.title);
            QCOMPARE(boxes.seen[0].text, row.text);
            QCOMPARE(boxes.seen[0].buttons, QStringList{"OK"});
            QCOMPARE(boxes.seen[0].parent, static_cast<QWidget *>(w.get()));
            QCOMPARE(searches.count(), row.search ? 1 : 0);
            // One sending of the command with the typed password and DHCP.
            const QList<QJsonObject> sent = linesOf("netset", row.unit);
            QVERIFY2(!sent.isEmpty(), label.constData());
            QCOMPARE(sent.last().value(QStringLiteral("password")).toString(), row.password);
            QCOMPARE(sent.last().value(QStringLiteral("dhcp")).toInt(), 1);
            // The silent unit: the job waited all its ticks up to the 125000 counted ms (1.25 s
            // here).
            if (row.unit == kMute)
                QVERIFY2(took >= int(CNetSetting::DEFAULT_TIMEOUT_MS / CNetSetting::TICK_MS)
                                     * CWaitScale::ms(CNetSetting::TICK_MS),
                         qPrintable(QString::number(took)));
        }
        QVERIFY(waitFor([&] { return !finder->isSearching() && hasAll(*w); }, 10000));

        // A second network setting replaces the first job and its dialog.
        QPointer<CWizNetProgDialog> firstDialog = w->findChild<CWizNetProgDialog *>();
        QVERIFY(firstDialog);
        BoxAnswerer boxes;
        bool busyInside = false;
        ModalDriver driver([&](QWidget *m, bool fresh) {
            netWizardScript(m, fresh, QStringLiteral("pw"), w.get(), &busyInside);
        });
        w->slotManagerDoNetSetting(kBusy);
        QVERIFY(firstDialog.isNull());
        QCOMPARE(w->findChildren<CWizNetProgDialog *>().size(), 1);
        QCOMPARE(boxes.texts(), QStringList{"Processing..."});

        // A cancelled wizard sends nothing and shows nothing.
        const int before = linesOf("netset", kFailed).size();
        boxes.reset();
        ModalDriver cancel([](QWidget *m, bool) {
            if (QWizard *wizard = qobject_cast<QWizard *>(m))
                QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
        });
        w->slotManagerDoNetSetting(kFailed);
        QCOMPARE(cancel.seen, QStringList{"CVorkWizardNetSetting"});
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(linesOf("netset", kFailed).size(), before);
        QVERIFY(!w->isBusy());
    }

    // Keys the server map does not hold: network settings, recovery and skip write the debug line
    // and open nothing; the memory test runs its wizard on an all-zero record.
    void keysOutsideTheMap()
    {
        auto w = openWindow();
        BoxAnswerer boxes;
        bool zeroRecord = false;
        ModalDriver driver([&](QWidget *m, bool) {
            if (CVorkWizardMemTest *wizard = qobject_cast<CVorkWizardMemTest *>(m)) {
                NASINFO zero;
                memset(&zero, 0, sizeof zero);
                zeroRecord = memcmp(wizard->getNasinfo(), &zero, sizeof zero) == 0;
                QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
            }
        });
        const QStringList settingsBefore = allSettings();
        {
            tsup::LogCapture capture;
            w->slotManagerDoNetSetting(kUnknown);
            QVERIFY(!w->isBusy());
            w->slotManagerDoRecover(kUnknown);
            QVERIFY(!w->isBusy());
            w->slotManagerCancelFSCK(kUnknown);
            QVERIFY(!w->isBusy());
            w->slotManagerDoRecover(QString());
            QCOMPARE(capture.countContaining(QLatin1String(kMissing)), 4);
        }
        tsup::withDeletes::spin(100);
        QVERIFY(driver.seen.isEmpty());
        QCOMPARE(driver.boxes, 0);
        QVERIFY(w->tryLockOperation());
        w->unlockOperation();
        QVERIFY(w->findChildren<CVorkWizardNetSetting *>().isEmpty());
        QVERIFY(w->findChildren<CVorkDialogRecovery *>().isEmpty());
        QVERIFY(w->findChildren<CVorkFSCKCancelProgDialog *>().isEmpty());

        QSignalSpy searches(w->finderWindow(), &CVorkFinderWindow::signalRefresh);
        w->slotDoMemTest(kUnknown);
        QCOMPARE(driver.seen, QStringList{"CVorkWizardMemTest"});
        QVERIFY(zeroRecord);
        QVERIFY(!w->isBusy());
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(searches.count(), 0);
        QCOMPARE(allSettings(), settingsBefore);
    }

    // The web page of a Ready unit and of a migratable one from build 2622, captured with its
    // timestamp; build 2621 opens nothing; without a handler the browser-failure box. Connect on
    // a selected Ready row takes the same road.
    void webPages()
    {
        auto w = openWindow();
        BoxAnswerer boxes;
        UrlCatcher catcher;
        const qint64 before = QDateTime::currentMSecsSinceEpoch() / 1000;
        w->slotManagerOpenWebUI({kUnknown, kWebReady, kWebOld, kWebNew});
        const qint64 after = QDateTime::currentMSecsSinceEpoch() / 1000;
        QCOMPARE(catcher.urls.size(), 2);
        const QUrl ready = catcher.urls[0];
        QCOMPARE(ready.scheme(), QStringLiteral("http"));
        QCOMPARE(ready.host(), QStringLiteral("198.18.0.121"));
        QCOMPARE(ready.port(), 5080);
        const QUrlQuery query(ready);
        QCOMPARE(query.queryItems().size(), 1);
        const qint64 stamp = query.queryItemValue(QStringLiteral("timestamp")).toLongLong();
        QVERIFY2(stamp >= before && stamp <= after, qPrintable(ready.toString()));
        QCOMPARE(catcher.urls[1].host(), QStringLiteral("198.18.0.123"));
        QCOMPARE(catcher.urls[1].port(), 5000);
        QVERIFY(boxes.seen.isEmpty());

        w->slotManagerOpenWebUI({kWebOld});
        QCOMPARE(catcher.urls.size(), 2);
        QVERIFY(boxes.seen.isEmpty());

        // Connect on the selected Ready row.
        QVERIFY(mrt::selectRow(w->finderWindow(), kWebReady));
        QCOMPARE(w->finderWindow()->m_pactManager->text(), QStringLiteral("Connect"));
        w->finderWindow()->m_pactManager->trigger();
        QCOMPARE(catcher.urls.size(), 3);
        QCOMPARE(catcher.urls[2].host(), QStringLiteral("198.18.0.121"));

        // No handler: the offscreen platform cannot open a browser.
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        w->slotManagerOpenWebUI({kWebReady, kWebOld});
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen[0].text, QString::fromLatin1(kBrowserFailed));
        QCOMPARE(boxes.seen[0].buttons, QStringList{"OK"});
        QVERIFY(!w->isBusy());
    }

    // A unit that has a stored profile (written here): its profile is selected and the page
    // shown, without a wizard; on a window whose resource-monitor page was never shown.
    void rsrcMonitorKnownServer()
    {
        CRsrcConfig stored(5000, true, QStringLiteral("Watched"), QStringLiteral("198.18.0.141"),
                           QStringLiteral("admin"), scrambleEncodeString(QStringLiteral("pw")));
        stored.save(QStringLiteral("ResourceMonitor/RegisteredHosts/"));
        CRsrcConfig other(5000, true, QStringLiteral("Another"), QStringLiteral("198.18.0.144"),
                          QStringLiteral("admin"), scrambleEncodeString(QStringLiteral("pw")));
        other.save(QStringLiteral("ResourceMonitor/RegisteredHosts/"));
        auto w = openWindow();
        CVorkWindowRsrcMon *page = qobject_cast<CVorkWindowRsrcMon *>(w->page(CVorkWindowMain::PAGE_RSRC_MON));
        QVERIFY(page);
        QCOMPARE(currentPage(*w), w->page(CVorkWindowMain::PAGE_FINDER));
        BoxAnswerer boxes;
        ModalDriver driver;
        const QStringList settingsBefore = allSettings();
        w->slotRsrcMonAdd(kMonitored);
        QCOMPARE(currentPage(*w), static_cast<QWidget *>(page));
        QVERIFY(page->m_ptrwVarnestors->currentItem());
        QCOMPARE(page->m_ptrwVarnestors->currentItem()->text(0), QStringLiteral("Watched"));
        tsup::withDeletes::spin(100);
        QVERIFY(driver.seen.isEmpty());
        QVERIFY(!w->isBusy());
        QCOMPARE(allSettings(), settingsBefore);

        // Once more with the page shown: the same profile again.
        w->slotActionToggle(CVorkWindowMain::PAGE_FINDER);
        page->m_ptrwVarnestors->setCurrentItem(page->m_ptrwVarnestors->topLevelItem(0));
        QCOMPARE(page->m_ptrwVarnestors->currentItem()->text(0), QStringLiteral("Another"));
        w->slotRsrcMonAdd(kMonitored);
        QCOMPARE(currentPage(*w), static_cast<QWidget *>(page));
        QCOMPARE(page->m_ptrwVarnestors->currentItem()->text(0), QStringLiteral("Watched"));
        QVERIFY(driver.seen.isEmpty());
    }

    // A resource-monitor profile added and then edited through the page's requests, with the
    // wizard filled in: saved under its group, the page shown after the wizard is gone when the
    // profile connects, and the old profile removed before the edit is saved.
    void rsrcMonitorAddAndEdit()
    {
        auto w = openWindow();
        CVorkWindowRsrcMon *page = qobject_cast<CVorkWindowRsrcMon *>(w->page(CVorkWindowMain::PAGE_RSRC_MON));
        QVERIFY(page);
        BoxAnswerer boxes;
        bool busyInside = false;
        int wizardsAtSwitch = -1;
        connect(w->m_pstkwCenter, &QStackedWidget::currentChanged, this, [&] {
            wizardsAtSwitch = w->findChildren<CVorkWizardRsrcMon *>().size();
        });
        ModalDriver driver([&](QWidget *m, bool fresh) {
            CVorkWizardRsrcMon *wizard = qobject_cast<CVorkWizardRsrcMon *>(m);
            if (!wizard || !fresh)
                return;
            busyInside = w->isBusy();
            switch (wizard->currentId()) {
            case CVorkWizardRsrcMon::PAGE_SERVER_CHOICE:
                wizard->serverChoicePage()->m_rdoManInput->click();
                mrt::advance(wizard);
                break;
            case CVorkWizardRsrcMon::PAGE_ADDRESS:
                retype(wizard->addressPage()->m_pedtHost, QStringLiteral("198.18.0.144"));
                retype(wizard->addressPage()->m_pedtPort, QStringLiteral("5000"));
                retype(wizard->addressPage()->m_pedtProfile, QStringLiteral("Lab"));
                mrt::advance(wizard);
                break;
            case CVorkWizardRsrcMon::PAGE_ACCOUNT:
                retype(wizard->accountPage()->m_pedtPassword, QStringLiteral("pw1"));
                wizard->accountPage()->m_pchkSaveCred->setChecked(true);
                mrt::advance(wizard);
                break;
            case CVorkWizardRsrcMon::PAGE_SUMMARY:
                wizard->summaryPage()->m_pchkConnect->setChecked(true);
                QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
                break;
            default:
                break;
            }
        });
        emit page->signalRsrcAdd(CVorkNasinfoMap::TKey());
        QCOMPARE(driver.seen, QStringList{"CVorkWizardRsrcMon"});
        QCOMPARE(driver.gaveUp, 0);
        QVERIFY(busyInside);
        QVERIFY(!w->isBusy());
        QCOMPARE(currentPage(*w), static_cast<QWidget *>(page));
        QCOMPARE(wizardsAtSwitch, 0);
        {
            QSettings s;
            s.beginGroup(QStringLiteral("ResourceMonitor/RegisteredHosts/lab"));
            QCOMPARE(s.value(QStringLiteral("Profile")).toString(), QStringLiteral("Lab"));
            QCOMPARE(s.value(QStringLiteral("HostAddr")).toString(), QStringLiteral("198.18.0.144"));
            QCOMPARE(s.value(QStringLiteral("Password")).toString(),
                     scrambleEncodeString(QStringLiteral("pw1")));
        }
        QCOMPARE(treeTexts(page->m_ptrwVarnestors), QStringList{"Lab"});

        // The edit: the password no longer saved, no connection at the end.
        w->slotActionToggle(CVorkWindowMain::PAGE_FINDER);
        busyInside = false;
        QList<int> pages;
        driver.seen.clear();
        driver.act = [&](QWidget *m, bool fresh) {
            CVorkWizardRsrcMon *wizard = qobject_cast<CVorkWizardRsrcMon *>(m);
            if (!wizard || !fresh)
                return;
            busyInside = w->isBusy();
            pages << wizard->currentId();
            if (wizard->currentId() == CVorkWizardRsrcMon::PAGE_ACCOUNT)
                wizard->accountPage()->m_pchkSaveCred->setChecked(false);
            if (wizard->currentId() == CVorkWizardRsrcMon::PAGE_SUMMARY) {
                wizard->summaryPage()->m_pchkConnect->setChecked(false);
                QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
            } else {
                mrt::advance(wizard);
            }
        };
        emit page->signalRsrcEdit(QStringLiteral("Lab"));
        QCOMPARE(driver.seen, QStringList{"CVorkWizardRsrcMon"});
        QCOMPARE(pages, (QList<int>{1, 2, 3}));
        QVERIFY(busyInside);
        QVERIFY(!w->isBusy());
        QCOMPARE(currentPage(*w), w->page(CVorkWindowMain::PAGE_FINDER));
        {
            QSettings s;
            s.beginGroup(QStringLiteral("ResourceMonitor/RegisteredHosts/lab"));
            QCOMPARE(s.value(QStringLiteral("Profile")).toString(), QStringLiteral("Lab"));
            QVERIFY(!s.contains(QStringLiteral("Password")));
        }
        QCOMPARE(treeTexts(page->m_ptrwVarnestors), QStringList{"Lab"});
        QVERIFY(boxes.seen.isEmpty());

        // A cancelled edit leaves the profile alone; an empty name opens nothing.
        const QStringList settingsBefore = allSettings();
        driver.seen.clear();
        driver.act = [](QWidget *m, bool) {
            if (QWizard *wizard = qobject_cast<QWizard *>(m))
                QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
        };
        emit page->signalRsrcEdit(QStringLiteral("Lab"));
        w->slotRsrcMonEdit(QString());
        QCOMPARE(driver.seen, QStringList{"CVorkWizardRsrcMon"});
        QCOMPARE(allSettings(), settingsBefore);
        QCOMPARE(treeTexts(page->m_ptrwVarnestors), QStringList{"Lab"});
    }

    // The same for a photo-server profile.
    void photoServerAddAndEdit()
    {
        auto w = openWindow();
        CVorkWindowPhotoUpload *page =
            qobject_cast<CVorkWindowPhotoUpload *>(w->page(CVorkWindowMain::PAGE_PHOTO_UPLOAD));
        QVERIFY(page);
        BoxAnswerer boxes;
        bool busyInside = false;
        int wizardsAtSwitch = -1;
        connect(w->m_pstkwCenter, &QStackedWidget::currentChanged, this, [&] {
            wizardsAtSwitch = w->findChildren<CVorkWizardPhotoUpload *>().size();
        });
        ModalDriver driver([&](QWidget *m, bool fresh) {
            CVorkWizardPhotoUpload *wizard = qobject_cast<CVorkWizardPhotoUpload *>(m);
            if (!wizard || !fresh)
                return;
            busyInside = w->isBusy();
            switch (wizard->currentId()) {
            case CVorkWizardPhotoUpload::PAGE_SERVER_CHOICE:
                wizard->serverChoicePage()->m_rdoManInput->click();
                mrt::advance(wizard);
                break;
            case CVorkWizardPhotoUpload::PAGE_ADDRESS:
                retype(wizard->addressPage()->m_pedtHost, QStringLiteral("198.18.0.145"));
                retype(wizard->addressPage()->m_pedtProfile, QStringLiteral("Family"));
                mrt::advance(wizard);
                break;
            case CVorkWizardPhotoUpload::PAGE_ACCOUNT:
                retype(wizard->accountPage()->m_pedtPassword, QStringLiteral("pw2"));
                wizard->accountPage()->m_pchkSaveCred->setChecked(true);
                mrt::advance(wizard);
                break;
            case CVorkWizardPhotoUpload::PAGE_SUMMARY:
                wizard->summaryPage()->m_pchkConnect->setChecked(true);
                QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
                break;
            default:
                break;
            }
        });
        emit page->signalPhotoServerAdd(CVorkNasinfoMap::TKey());
        QCOMPARE(driver.seen.value(0), QStringLiteral("CVorkWizardPhotoUpload"));
        QCOMPARE(driver.gaveUp, 0);
        QVERIFY(busyInside);
        QVERIFY(!w->isBusy());
        QVERIFY(waitFor([&] { return currentPage(*w) == page; }, 2000));
        QCOMPARE(wizardsAtSwitch, 0);
        {
            QSettings s;
            s.beginGroup(QStringLiteral("PhotoUploader/RegisteredHosts/family"));
            QCOMPARE(s.value(QStringLiteral("Profile")).toString(), QStringLiteral("Family"));
            QCOMPARE(s.value(QStringLiteral("HostAddr")).toString(), QStringLiteral("198.18.0.145"));
            QCOMPARE(s.value(QStringLiteral("Password")).toString(),
                     scrambleEncodeString(QStringLiteral("pw2")));
        }
        // The page logged in with the new profile: it is the current one.
        QVERIFY(page->currentConfig());
        QCOMPARE(page->currentConfig()->getKey(), QStringLiteral("family"));

        // The edit: the password no longer saved, no connection at the end.
        w->slotActionToggle(CVorkWindowMain::PAGE_FINDER);
        tsup::withDeletes::spin(100);
        busyInside = false;
        QList<int> pages;
        driver.seen.clear();
        driver.act = [&](QWidget *m, bool fresh) {
            CVorkWizardPhotoUpload *wizard = qobject_cast<CVorkWizardPhotoUpload *>(m);
            if (!wizard || !fresh)
                return;
            busyInside = w->isBusy();
            pages << wizard->currentId();
            if (wizard->currentId() == CVorkWizardPhotoUpload::PAGE_ACCOUNT)
                wizard->accountPage()->m_pchkSaveCred->setChecked(false);
            if (wizard->currentId() == CVorkWizardPhotoUpload::PAGE_SUMMARY) {
                wizard->summaryPage()->m_pchkConnect->setChecked(false);
                QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
            } else {
                mrt::advance(wizard);
            }
        };
        emit page->signalPhotoServerEdit(QStringLiteral("family"));
        QCOMPARE(driver.seen, QStringList{"CVorkWizardPhotoUpload"});
        QCOMPARE(pages, (QList<int>{1, 2, 3}));
        QVERIFY(busyInside);
        QVERIFY(!w->isBusy());
        tsup::withDeletes::spin(100);
        QCOMPARE(currentPage(*w), w->page(CVorkWindowMain::PAGE_FINDER));
        {
            QSettings s;
            s.beginGroup(QStringLiteral("PhotoUploader/RegisteredHosts/family"));
            QCOMPARE(s.value(QStringLiteral("Profile")).toString(), QStringLiteral("Family"));
            QCOMPARE(s.value(QStringLiteral("HostAddr")).toString(), QStringLiteral("198.18.0.145"));
            QVERIFY(!s.contains(QStringLiteral("Password")));
        }
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup), QStringList{"family"});

        // An empty key opens nothing.
        driver.seen.clear();
        w->slotPhotoUpdServerEdit(QString());
        tsup::withDeletes::spin(50);
        QVERIFY(driver.seen.isEmpty());
    }

    // Three selected servers: the two that report Wake-on-LAN support are registered, without a
    // dialog; a key without a record is skipped.
    void wakeOnLanSeveralServers()
    {
        auto w = openWindow();
        CQuenWOL *wol = w->wolManager();
        ModalDriver driver;
        BoxAnswerer boxes;
        w->slotDoSetUpWOL({kWolOne, kWolNone, kUnknown, kWolTwo});
        tsup::withDeletes::spin(50);
        QVERIFY(driver.seen.isEmpty());
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(!w->isBusy());
        QCOMPARE(wol->getMacList(), (QStringList{kWolOne, kWolTwo}));
        const CWOLConfig *one = wol->getWOLConfig(kWolOne);
        QCOMPARE(one->getAddrName(), QStringLiteral("198.18.0.131"));
        QCOMPARE(one->getMacAddress(), kWolOne);
        QCOMPARE(one->getProfile(), QStringLiteral("WolOne"));
        QCOMPARE(one->getNetwork(), 0);
        QCOMPARE(one->getPortNum(), 9);
        QCOMPARE(wol->getWOLConfig(kWolTwo)->getProfile(), QStringLiteral("WolTwo"));
        // Stored for the next start.
        QSettings s;
        QCOMPARE(s.value(QStringLiteral("WOL/RegisteredHosts/02:53:56:00:30:33/Profile")).toString(),
                 QStringLiteral("WolTwo"));
        QVERIFY(magicPacketsFor(kWolOne).isEmpty());
    }

    // One server through the host dialog, filled from its record and woken; no server, the
    // empty dialog cancelled. Either way the registered hosts that did not answer are listed.
    void wakeOnLanThroughTheDialog()
    {
        auto w = openWindow();
        CQuenWOL *wol = w->wolManager();
        wol->slotAddSvr2WOL(ghostConfig(kGhost, QStringLiteral("Ghost")));
        QVERIFY(!w->nasinfoMap()->containsKey(kGhost));
        QStringList shown;
        bool wake = true;
        ModalDriver driver([&](QWidget *m, bool fresh) {
            CVorkDialogWakeupAdd *dialog = qobject_cast<CVorkDialogWakeupAdd *>(m);
            if (!dialog || !fresh)
                return;
            shown << QString::number(dialog->m_cmbNetwork->currentIndex()) << dialog->m_edtMAC->text()
                  << dialog->m_edtProfile->text() << dialog->m_edtIPAddr->text() << dialog->m_edtPort->text()
                  << (w->isBusy() ? "busy" : "free");
            if (wake) {
                dialog->m_chkWakeUp->setChecked(true);
                QTest::mouseClick(dialog->m_btnOK, Qt::LeftButton);
            } else {
                QTest::mouseClick(dialog->m_btnCancel, Qt::LeftButton);
            }
        });
        w->slotDoSetUpWOL({kWolOne});
        QCOMPARE(driver.seen, QStringList{"CVorkDialogWakeupAdd"});
        QCOMPARE(shown, (QStringList{"0", kWolOne, "WolOne", "198.18.0.131", "9", "busy"}));
        QVERIFY(!w->isBusy());
        QVERIFY(wol->contains(kWolOne));
        QCOMPARE(wol->getWOL(kWolOne)->getStatus(), int(CVorkWOL::STATUS_WAITING));
        QVERIFY(waitFor([&] { return !magicPacketsFor(kWolOne).isEmpty(); }, 3000));
        const NASINFO *ghost = w->nasinfoMap()->find(kGhost);
        QVERIFY(ghost);
        QCOMPARE(ghost->ulConfigured, uint32_t(FHOSTQC_OFF_LINE));

        // No server: the empty registration, cancelled.
        wol->slotAddSvr2WOL(ghostConfig(kGhostWaiting, QStringLiteral("Other")));
        shown.clear();
        wake = false;
        driver.seen.clear();
        w->slotDoSetUpWOL({});
        QCOMPARE(driver.seen, QStringList{"CVorkDialogWakeupAdd"});
        QCOMPARE(shown, (QStringList{"0", "", "", "", "9", "busy"}));
        QCOMPARE(wol->getMacList(), (QStringList{kWolOne, kGhost, kGhostWaiting}));
        QVERIFY(w->nasinfoMap()->containsKey(kGhostWaiting));
        QVERIFY(!w->isBusy());
    }

    // Registered hosts the map does not hold become off-line rows: name cut to 35 characters,
    // state 12, job status 2 unless it waits for its host; found servers keep their records.
    void offLineRows()
    {
        auto w = openWindow();
        CQuenWOL *wol = w->wolManager();
        const QString longName = QStringLiteral("B\u00fcro-") + QString(45, QLatin1Char('x'));
        wol->slotAddSvr2WOL(ghostConfig(kGhost, longName));
        wol->slotAddSvr2WOL(ghostConfig(kGhostWaiting, QStringLiteral("Waiting")));
        wol->slotAddSvr2WOL(ghostConfig(kWolOne, QStringLiteral("Renamed")));
        wol->getWOL(kGhostWaiting)->setStatus(CVorkWOL::STATUS_WAITING);
        const NASINFO *found = w->nasinfoMap()->find(kWolOne);
        w->slotAddWOLSvr2FinderWin();

        const NASINFO *ghost = w->nasinfoMap()->find(kGhost);
        QVERIFY(ghost);
        QCOMPARE(ghost->ulConfigured, uint32_t(FHOSTQC_OFF_LINE));
        QCOMPARE(nasinfoText(ghost->szServerName), longName.left(35));
        QCOMPARE(nasinfoText(ghost->szMac), kGhost);
        QCOMPARE(ghost->szSN[0], '\0');
        QCOMPARE(ghost->ulIP, 0u);
        QCOMPARE(ghost->ulBuild, 0u);
        QCOMPARE(wol->getWOL(kGhost)->getStatus(), int(CVorkWOL::STATUS_OFF_LINE));
        QCOMPARE(w->nasinfoMap()->find(kGhostWaiting)->ulConfigured, uint32_t(FHOSTQC_OFF_LINE));
        QCOMPARE(wol->getWOL(kGhostWaiting)->getStatus(), int(CVorkWOL::STATUS_WAITING));
        // The found server is not replaced.
        QCOMPARE(w->nasinfoMap()->find(kWolOne), found);
        QCOMPARE(nasinfoText(found->szServerName), QStringLiteral("WolOne"));
        QCOMPARE(found->ulConfigured, uint32_t(FHOSTQC_DONE));
        QCOMPARE(wol->getWOL(kWolOne)->getStatus(), int(CVorkWOL::STATUS_IDLE));

        // A second run replaces nothing either.
        w->slotAddWOLSvr2FinderWin();
        QCOMPARE(w->nasinfoMap()->find(kGhost), ghost);

        // The finder shows them after its next tick, and a search lists them again.
        w->finderWindow()->slotRefreshTrigged();
        QVERIFY(waitFor([&] { return !w->finderWindow()->isSearching(); }, 5000));
        QCOMPARE(tsup::statusCell(w->finderWindow(), kGhost), QStringLiteral("Off-line"));
        QCOMPARE(w->nasinfoMap()->find(kGhost)->ulConfigured, uint32_t(FHOSTQC_OFF_LINE));
    }

    // The skip of a file-system check from the window: not offered without the service in both
    // bitmaps; No; an answer (MAC in upper case); silence.
    void skipCheck()
    {
        auto w = openWindow();
        CVorkFinderWindow *finder = w->finderWindow();
        BoxAnswerer boxes;
        QWidget *dialogParent = nullptr;
        QString dialogMac;
        ModalDriver driver([&](QWidget *m, bool fresh) {
            if (CVorkFSCKCancelProgDialog *dialog = qobject_cast<CVorkFSCKCancelProgDialog *>(m)) {
                if (fresh) {
                    dialogParent = dialog->parentWidget();
                    dialogMac = dialog->targetMac();
                }
            }
        });
        QSignalSpy searches(finder, &CVorkFinderWindow::signalRefresh);

        w->slotManagerCancelFSCK(kSkNoMask);
        tsup::withDeletes::spin(100);
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(driver.seen.isEmpty());
        QVERIFY(linesOf("fsckskip", kSkNoMask).isEmpty());
        QCOMPARE(searches.count(), 0);
        QVERIFY(!w->isBusy());

        boxes.plan({"No"});
        w->slotManagerCancelFSCK(kSkAnswer);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes.seen[0].text, QString::fromLatin1(kSkipQuestion));
        QCOMPARE(boxes.seen[0].buttons, (QStringList{"Yes", "No"}));
        QCOMPARE(boxes.seen[0].defaultButton, QStringLiteral("Yes"));
        tsup::withDeletes::spin(100);
        QVERIFY(driver.seen.isEmpty());
        QVERIFY(linesOf("fsckskip", kSkAnswer).isEmpty());
        QCOMPARE(searches.count(), 0);

        // Yes, and the unit answers 30 ms later: no box, and a new search shows it moved on.
        boxes.reset();
        boxes.plan({"Yes"});
        w->slotManagerCancelFSCK(kSkAnswer);
        QCOMPARE(driver.seen, QStringList{"CVorkFSCKCancelProgDialog"});
        QCOMPARE(dialogParent, static_cast<QWidget *>(w.get()));
        QCOMPARE(dialogMac, kSkAnswer);
        QCOMPARE(boxes.texts(), QStringList{kSkipQuestion});
        QCOMPARE(searches.count(), 1);
        QVERIFY(!w->isBusy());
        const QList<QJsonObject> answers = linesOf("fsckskip", kSkAnswer, "answer");
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers[0].value(QStringLiteral("mac")).toString(), QStringLiteral("02:53:56:00:30:12").toUpper());
        QVERIFY(waitFor([&] {
            const NASINFO *n = w->nasinfoMap()->find(kSkAnswer);
            return n && n->ulConfigured == 7 && !finder->isSearching();
        }, 5000));

        // Silence: the time-out box after the dialog's 20 ticks, and a new search.
        QVERIFY(w->nasinfoMap()->containsKey(kSkMute));
        const int requestsBefore = skipRequests(kSkMute);
        boxes.reset();
        boxes.plan({"Yes", "OK"});
        driver.seen.clear();
        searches.clear();
        QElapsedTimer run;
        run.start();
        w->slotManagerCancelFSCK(kSkMute);
        // The dialog's 20 s of ticks (0.2 s here) ran out first.
        const int skipWaitMs = 20000;
        QVERIFY2(run.elapsed() >= skipWaitMs / CVorkFSCKCancelProgDialog::PROGRESS_STEP
                                      * CWaitScale::ms(CVorkFSCKCancelProgDialog::TICK_MS),
                 qPrintable(QString::number(run.elapsed())));
        QCOMPARE(driver.seen, QStringList{"CVorkFSCKCancelProgDialog"});
        QCOMPARE(boxes.texts(), (QStringList{kSkipQuestion, "Connection timeout."}));
        QCOMPARE(boxes.seen[1].icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen[1].title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen[1].buttons, QStringList{"OK"});
        QCOMPARE(searches.count(), 1);
        QCOMPARE(skipRequests(kSkMute), requestsBefore + 1);
        QCOMPARE(w->findChildren<CVorkFSCKCancelProgDialog *>().size(), 1);
        QVERIFY(!w->isBusy());
        QVERIFY(waitFor([&] { return !finder->isSearching(); }, 5000));
    }

    // Escape ends the skip dialog as an answer; the hidden dialog's own time-out later does no
    // harm, and a second skip while the first dialog still counts deletes it cleanly.
    void skipDialogReplaced()
    {
        // Ten times longer seconds here, so that a second skip comes well within the first
        // dialog's 20 s.
        CWaitScale::setDivisor(10);
        auto w = openWindow();
        CVorkFinderWindow *finder = w->finderWindow();
        BoxAnswerer boxes;
        QList<QPointer<CVorkFSCKCancelProgDialog>> dialogs;
        bool previousGoneWhenShown = true;
        ModalDriver driver([&](QWidget *m, bool fresh) {
            CVorkFSCKCancelProgDialog *dialog = qobject_cast<CVorkFSCKCancelProgDialog *>(m);
            if (!dialog || !fresh)
                return;
            for (const QPointer<CVorkFSCKCancelProgDialog> &earlier : dialogs)
                previousGoneWhenShown = previousGoneWhenShown && earlier.isNull();
            dialogs << dialog;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QSignalSpy searches(finder, &CVorkFinderWindow::signalRefresh);
        const int requestsBefore = skipRequests(kSkMute);
        boxes.plan({"Yes", "Yes", "Yes"});

        w->slotManagerCancelFSCK(kSkMute);
        QCOMPARE(dialogs.size(), 1);
        QVERIFY(dialogs[0]);
        QVERIFY(!dialogs[0]->isVisible());
        QVERIFY(dialogs[0]->isCounting());
        QCOMPARE(boxes.texts(), QStringList{kSkipQuestion});
        QCOMPARE(searches.count(), 1);
        // Its own time-out (2 s here) ends the hidden dialog: no box.
        QVERIFY(waitFor([&] { return !dialogs[0]->isCounting(); }, 5000));
        tsup::withDeletes::spin(100);
        QCOMPARE(boxes.texts(), QStringList{kSkipQuestion});

        // Twice more, the second while the dialog of the first still counts. Each skip comes after
        // the search that the previous one started has ended: the dialog takes any search answer
        // of its server for the server's answer to the skip, and ends at once on one still on its
        // way.
        const auto searched = [&] { return !finder->isSearching() && w->nasinfoMap()->containsKey(kSkMute); };
        QVERIFY(waitFor(searched, 3000));
        w->slotManagerCancelFSCK(kSkMute);
        QCOMPARE(dialogs.size(), 2);
        QVERIFY(dialogs[0].isNull());
        QVERIFY(dialogs[1] && dialogs[1]->isCounting());
        QVERIFY(waitFor(searched, 3000));
        w->slotManagerCancelFSCK(kSkMute);
        QCOMPARE(dialogs.size(), 3);
        QVERIFY(dialogs[1].isNull());
        QVERIFY(previousGoneWhenShown);
        QCOMPARE(boxes.texts(), (QStringList{kSkipQuestion, kSkipQuestion, kSkipQuestion}));
        QCOMPARE(searches.count(), 3);
        QVERIFY(skipRequests(kSkMute) > requestsBefore);
        w.reset();
        CWaitScale::setDivisor(100);
    }

    // While the busy flag is set, every request under the rule does nothing; the web page, wake,
    // remove and the off-line rows go on.
    void busyFlag()
    {
        CRsrcConfig stored(5000, true, QStringLiteral("Watched"), QStringLiteral("198.18.0.141"),
                           QStringLiteral("admin"), scrambleEncodeString(QStringLiteral("pw")));
        stored.save(QStringLiteral("ResourceMonitor/RegisteredHosts/"));
        CPhotoUploadConfig photo(80, false, QStringLiteral("Album"), QStringLiteral("198.18.0.145"),
                                 QString(), QStringLiteral("admin"), false, QString());
        photo.save(strPhotoUploadRootGroup);
        auto w = openWindow();
        CVorkFinderWindow *finder = w->finderWindow();
        CQuenWOL *wol = w->wolManager();
        wol->slotAddSvr2WOL(ghostConfig(kGhost, QStringLiteral("Ghost")));
        BoxAnswerer boxes;
        ModalDriver driver;
        UrlCatcher catcher;
        QSignalSpy searches(finder, &CVorkFinderWindow::signalRefresh);
        const QStringList settingsBefore = allSettings();
        const int capturedBefore = bed::captureLines().size();
        QWidget *pageBefore = currentPage(*w);

        QVERIFY(w->tryLockOperation());
        emit finder->signalMangerDoNetSetting(kGood);
        emit finder->signalManagerDoRecover(kGood);
        emit finder->signalMangerCancelFSCK(kSkAnswer);
        emit finder->signalMemTest(kWebReady);
        w->slotRsrcMonAdd(kMonitored);
        w->slotRsrcMonAdd(QString());
        w->slotRsrcMonEdit(QStringLiteral("Watched"));
        w->slotPhotoUpdServerAdd(QString());
        w->slotPhotoUpdServerEdit(QStringLiteral("album"));
        emit finder->signalSetUpWOL({kWolOne});
        emit finder->signalSetUpWOL({kWolOne, kWolTwo});
        tsup::withDeletes::spin(300);
        QVERIFY(driver.seen.isEmpty());
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(searches.count(), 0);
        QCOMPARE(allSettings(), settingsBefore);
        QCOMPARE(currentPage(*w), pageBefore);
        QCOMPARE(wol->getMacList(), QStringList{kGhost});
        for (const QJsonObject &line : bed::captureLines().mid(capturedBefore))
            QVERIFY2(line.value(QStringLiteral("svc")).toString() == QLatin1String("discovery"),
                     qPrintable(QJsonDocument(line).toJson(QJsonDocument::Compact)));
        QVERIFY(w->isBusy());

        // The requests outside the rule.
        emit finder->signalMangerOpenWebUI({kWebReady});
        QCOMPARE(catcher.urls.size(), 1);
        emit finder->signalWakeUp({kGhost, kUnknown});
        QCOMPARE(wol->getWOL(kGhost)->getStatus(), int(CVorkWOL::STATUS_WAITING));
        QVERIFY(waitFor([&] { return !magicPacketsFor(kGhost).isEmpty(); }, 3000));
        emit finder->signalAboutToFindNas();
        QVERIFY(w->nasinfoMap()->containsKey(kGhost));
        emit finder->signalRemoveWOL({kGhost});
        QVERIFY(!wol->contains(kGhost));
        QVERIFY(w->isBusy());
        w->unlockOperation();
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(driver.seen.isEmpty());
    }
};

GUI_BED_TEST_MAIN(TestMaintenanceRequests)

#include "tst_maintreq.moc"
