// The progress widgets, the finish message and the error texts of a network installation,
// offscreen and without a server: the network-install job is never started, its stage,
// percent and record are set through the test access.
#include <QtTest>

#include <QGridLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "CThreadNetInstall.h"
#include "CVorkDialogInstallFinish.h"
#include "CVorkWindowInstall.h"
#include "CVorkWindowProgNetInstall.h"
#include "CVorkWindowProgQuickConf.h"
#include "installtest.h"

using itest::iconOf;

namespace {
const char kMac[] = "02:53:56:00:05:01";

// The five rows in grid order: stage, icon label, text label.
const int kRowStages[5] = {1, 3, 4, 5, 7};

// formatData/formatSys as the installation page computes them from the record.
struct Flags {
    bool data;
    bool sys;
};
Flags flagsOf(const NASINFO &n)
{
    return {n.ulField71 == 0 && n.ulConfigured == FHOSTQC_UNINSTALL, n.ulConfigured != FHOSTQC_MIGRATABLE};
}
} // namespace

class TestProgressWidgets : public QObject
{
    Q_OBJECT

private:
    // A job that never runs, for the given server.
    struct Job {
        explicit Job(const NASINFO &n) : job(nullptr, nullptr, nullptr, &n) {}
        CThreadNetInstall job;
        void at(int stage, int percent = 0)
        {
            CThreadNetInstallTestAccess::setStage(job, stage);
            CThreadNetInstallTestAccess::setPercent(job, percent);
        }
    };

    // The icon of each row in grid order.
    static QStringList icons(const CVorkWindowProgNetInstall &w)
    {
        QStringList out;
        for (int stage : kRowStages)
            out << iconOf(w.stepIconLabel(stage));
        return out;
    }

    static void tick(CVorkWindowProgNetInstall &w, Job &j)
    {
        const Flags f = flagsOf(*j.job.getNasinfo());
        w.updateProgress(&j.job, f.data, f.sys);
    }

private slots:
    void freshWidgetRows()
    {
        CVorkWindowProgNetInstall w(nullptr);
        const QStringList expected = {"1. Applying network settings", "2. Formatting system partition",
                                      "3. Formatting data partition", "4. Installing VNO",
                                      "5. Writing configuration files"};
        // Grid order: row r, text in column 2, icon in column 0.
        for (int r = 0; r < 5; ++r) {
            QLayoutItem *text = w.gridLayout->itemAtPosition(r, 2);
            QLayoutItem *icon = w.gridLayout->itemAtPosition(r, 0);
            QVERIFY(text && icon);
            QCOMPARE(qobject_cast<QLabel *>(text->widget())->text(), expected.at(r));
            QCOMPARE(text->widget(), w.stepTextLabel(kRowStages[r]));
            QCOMPARE(icon->widget(), w.stepIconLabel(kRowStages[r]));
            QCOMPARE(w.stepIconLabel(kRowStages[r])->text(), QString());
            QCOMPARE(iconOf(w.stepIconLabel(kRowStages[r])), QString());
        }
        for (int stage : {0, 2, 6}) {
            QVERIFY(!w.stepTextLabel(stage));
            QVERIFY(!w.stepIconLabel(stage));
        }
        QCOMPARE(w.m_plblTitle1->text(), QStringLiteral("Applying system settings..."));
        QVERIFY(w.m_plblTitle2->text().startsWith(QStringLiteral("It takes about 10 minutes or longer")));
        QCOMPARE(w.m_plblProgress->text(), QStringLiteral("Progress: Applying network settings ..."));
        QCOMPARE(w.m_pgrpProgress->title(), QStringLiteral("Progress"));
    }

    void stageTextsAndBar_data()
    {
        QTest::addColumn<uint>("state");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");

        QTest::newRow("1 quick configuration") << 2u << 1 << 40000 << "Progress: Applying network settings ..." << 125000 << 40000;
        QTest::newRow("2 formatting") << 2u << 2 << 55 << "Progress: Formatting ..." << 100 << 0;
        QTest::newRow("3 system") << 2u << 3 << 30 << "Progress: Formatting system partition ..." << 100 << 30;
        QTest::newRow("4 data") << 2u << 4 << 70 << "Progress: Formatting data partition ..." << 100 << 70;
        // A skipped stage: maximum -1, so the range becomes -1..-1 and Qt resets the bar (value
        // minimum - 1); the percent lies outside and is not applied.
        QTest::newRow("4 data not formatted") << 4u << 4 << 70 << "" << -1 << -2;
        QTest::newRow("3 system not formatted") << 14u << 3 << 70 << "" << -1 << -2;
        QTest::newRow("5 installing 15 of 20") << 2u << 5 << 15 << "Progress: Installing VNO to hard drive ..." << 20 << 15;
        QTest::newRow("6 reboot 25 s") << 2u << 6 << 25 << "Progress: System is rebooting ... (575 seconds)" << 600 << 25;
        QTest::newRow("7 configuration") << 2u << 7 << 9000 << "Progress: Writing configurations ..." << 125000 << 9000;
    }

    void stageTextsAndBar()
    {
        QFETCH(uint, state);
        QFETCH(int, stage);
        QFETCH(int, percent);
        QFETCH(QString, text);
        QFETCH(int, maximum);
        QFETCH(int, value);

        Job j(itest::server(kMac, state));
        CVorkWindowProgNetInstall w(nullptr);
        w.m_pprgFinish->hide();
        j.at(stage, percent);
        tick(w, j);
        QCOMPARE(w.m_plblProgress->text(), text);
        QCOMPARE(w.m_pprgFinish->maximum(), maximum);
        QCOMPARE(w.m_pprgFinish->value(), value);
        QVERIFY(!w.m_pprgFinish->isHidden());
    }

    void outOfRangeValueLeavesBar()
    {
        Job j(itest::server(kMac, 2));
        CVorkWindowProgNetInstall w(nullptr);
        j.at(5, 15);
        tick(w, j);
        QCOMPARE(w.m_pprgFinish->value(), 15);
        // The installation stage counts to 20; 40 lies outside the bar and is not applied.
        j.at(5, 40);
        tick(w, j);
        QCOMPARE(w.m_pprgFinish->maximum(), 20);
        QCOMPARE(w.m_pprgFinish->value(), 15);
    }

    void unknownStagesChangeNothing()
    {
        Job j(itest::server(kMac, 2));
        CVorkWindowProgNetInstall w(nullptr);
        j.at(4, 60);
        tick(w, j);
        for (int stage : {0, 9, -1}) {
            j.at(stage, 5);
            w.setStageText(&j.job, true, true);
            QCOMPARE(w.m_plblProgress->text(), QStringLiteral("Progress: Formatting data partition ..."));
            QCOMPARE(w.m_pprgFinish->maximum(), 100);
            QCOMPARE(w.m_pprgFinish->value(), 60);
        }
        // Without a job nothing changes either.
        w.setStageText(nullptr, true, true);
        QCOMPARE(w.m_pprgFinish->value(), 60);
    }

    void formattingStageIcons()
    {
        Job j(itest::server(kMac, 2));
        CVorkWindowProgNetInstall w(nullptr);
        j.at(2);
        tick(w, j);
        QCOMPARE(icons(w), QStringList({"done", "current", "", "", ""}));
        QCOMPARE(w.m_pprgFinish->maximum(), 100);
        QCOMPARE(w.m_pprgFinish->value(), 0);
    }

    void notInstalledServerSkipsNothing()
    {
        Job j(itest::server(kMac, FHOSTQC_UNINSTALL));
        CVorkWindowProgNetInstall w(nullptr);
        for (int stage = 1; stage <= 8; ++stage) {
            j.at(stage);
            tick(w, j);
        }
        QCOMPARE(icons(w), QStringList({"done", "done", "done", "done", "done"}));
        for (int stage : kRowStages) {
            QVERIFY(w.stepTextLabel(stage)->isEnabled());
            QCOMPARE(w.stepTextLabel(stage)->styleSheet(), QStringLiteral("QWidget{background:white;}"));
        }
    }

    void field71SkipsDataRow()
    {
        // A server without a system but with field 71 set keeps its data partition.
        NASINFO n = itest::server(kMac, FHOSTQC_UNINSTALL);
        n.ulField71 = 1;
        Job j(n);
        CVorkWindowProgNetInstall w(nullptr);
        j.at(5);
        tick(w, j);
        QCOMPARE(icons(w), QStringList({"done", "done", "skipped", "current", ""}));
    }

    void lostConfigurationSkipsDataRow()
    {
        Job j(itest::server(kMac, FHOSTQC_CRASH));
        CVorkWindowProgNetInstall w(nullptr);
        j.at(1);
        tick(w, j);
        QLabel *data = w.stepTextLabel(4);
        QVERIFY(!data->isEnabled());
        QCOMPARE(data->styleSheet(), QStringLiteral("QWidget{ color: gray;}"));
        QVERIFY(w.stepTextLabel(3)->isEnabled());
        QCOMPARE(icons(w), QStringList({"current", "", "", "", ""}));

        // Standing on the skipped row: no arrow anywhere new, the row stays without an icon.
        j.at(4, 10);
        tick(w, j);
        QCOMPARE(icons(w), QStringList({"done", "done", "", "", ""}));
        // Passed: the skip icon.
        j.at(5, 3);
        tick(w, j);
        QCOMPARE(icons(w), QStringList({"done", "done", "skipped", "current", ""}));
    }

    void migratableServerSkipsBothFormatRows()
    {
        Job j(itest::server(kMac, FHOSTQC_MIGRATABLE));
        CVorkWindowProgNetInstall w(nullptr);
        j.at(3, 50);
        tick(w, j);
        QCOMPARE(w.m_plblProgress->text(), QString());
        QCOMPARE(icons(w), QStringList({"done", "", "", "", ""}));
        QVERIFY(!w.stepTextLabel(3)->isEnabled());
        QVERIFY(!w.stepTextLabel(4)->isEnabled());
        j.at(5, 1);
        tick(w, j);
        QCOMPARE(icons(w), QStringList({"done", "skipped", "skipped", "current", ""}));
    }

    void rebootStagePointsAtConfiguration()
    {
        Job j(itest::server(kMac, FHOSTQC_UNINSTALL));
        CVorkWindowProgNetInstall w(nullptr);
        j.at(6, 25);
        tick(w, j);
        QCOMPARE(w.m_plblProgress->text(), QStringLiteral("Progress: System is rebooting ... (575 seconds)"));
        QCOMPARE(icons(w), QStringList({"done", "done", "done", "done", "current"}));
    }

    void doneStageLink()
    {
        Job j(itest::server(kMac, FHOSTQC_CRASH, 2000, "198.18.0.41", "Cellar", 5080));
        CVorkWindowProgNetInstall w(nullptr);
        j.at(7, 100);
        tick(w, j);
        // The address the job learnt from the answered quick configuration is the one linked.
        NASINFO &rec = CThreadNetInstallTestAccess::record(j.job);
        rec.ulIP = inet_addr("198.18.0.42");
        j.at(8);
        tick(w, j);
        QCOMPARE(icons(w), QStringList({"done", "done", "skipped", "done", "done"}));
        QCOMPARE(w.m_pprgFinish->maximum(), 125000);
        QCOMPARE(w.m_pprgFinish->value(), 125000);
        const QString text = w.m_plblProgress->text();
        QCOMPARE(text, QStringLiteral("System has been installed successfully.\nSetup is complete. You can "
                                      "now log in your server via Quenlori Vornakeeper.<a "
                                      "href=\"http://198.18.0.42:5080\">(Log in to Cellar)</a>"));
        QCOMPARE(itest::anchorOf(text), QStringLiteral("http://198.18.0.42:5080"));

        // Icons are never cleared: a later tick of stage 0 only puts the arrow on the first row.
        j.at(0);
        tick(w, j);
        QCOMPARE(icons(w), QStringList({"current", "done", "skipped", "done", "done"}));
    }

    void webUrlRules()
    {
        NASINFO n = itest::server(kMac, 2, 2000, "198.18.1.7");
        n.ulHttpPort = 0;
        n.ulField48 = 1;
        QCOMPARE(CVorkWindowProgNetInstall::makeWebUrl(&n), QStringLiteral("http://198.18.1.7:5000"));
        QCOMPARE(CVorkWindowInstall::makeWebUrl(&n), QStringLiteral("http://198.18.1.7:5000"));
        n.ulField48 = 0;
        QCOMPARE(CVorkWindowInstall::makeWebUrl(&n), QStringLiteral("http://198.18.1.7:80"));
        n.ulHttpPort = 8080;
        QCOMPARE(CVorkWindowInstall::makeWebUrl(&n), QStringLiteral("http://198.18.1.7:8080"));
    }

    void serverNameCannotAddMarkup()
    {
        NASINFO n = itest::server(kMac, 2, 2000, "198.18.1.7", "<a href=\"http://x\">X");
        const QString link = CVorkWindowProgNetInstall::makeLoginLink(&n);
        QCOMPARE(link, QStringLiteral("<a href=\"http://198.18.1.7:5000\">(Log in to &lt;a "
                                      "href=&quot;http://x&quot;&gt;X)</a>"));
        QCOMPARE(link.count(QStringLiteral("<a ")), 1);
    }

    void progressLinkOpensAndTellsPage()
    {
        tsup::UrlCatcher urls;
        CVorkWindowProgNetInstall net(nullptr);
        QSignalSpy netSpy(&net, &CVorkWindowProgNetInstall::signalOpenVRUrl);
        emit net.m_plblProgress->linkActivated(QStringLiteral("http://198.18.0.42:5080"));
        QCOMPARE(urls.urls, QList<QUrl>({QUrl("http://198.18.0.42:5080")}));
        QCOMPARE(netSpy.count(), 1);
        QCOMPARE(netSpy.at(0).at(0).toString(), QStringLiteral("http://198.18.0.42:5080"));

        CVorkWindowProgQuickConf qc(nullptr);
        QSignalSpy qcSpy(&qc, &CVorkWindowProgQuickConf::signalOpenVRUrl);
        emit qc.m_plblQCMsg->linkActivated(QStringLiteral("http://198.18.0.43:80"));
        QCOMPARE(urls.urls.size(), 2);
        QCOMPARE(urls.urls.at(1), QUrl("http://198.18.0.43:80"));
        QCOMPARE(qcSpy.count(), 1);
    }

    void linkWithoutBrowserStillSignals()
    {
        // No handler and no browser offscreen: openUrl fails, the page is told all the same.
        CVorkWindowProgNetInstall net(nullptr);
        QSignalSpy netSpy(&net, &CVorkWindowProgNetInstall::signalOpenVRUrl);
        net.slotOpenVRUrl(QStringLiteral("http://198.18.0.42:5080"));
        QCOMPARE(netSpy.count(), 1);
    }

    void quickConfWidget()
    {
        CVorkWindowProgQuickConf w(nullptr);
        QVERIFY(w.m_plblQCMsg->isHidden());
        QCOMPARE(w.m_plblTitle2->text(), QStringLiteral("Applying system settings..."));
        QCOMPARE(w.m_plblTitle1->text(), QStringLiteral("It may take a few minutes. Please wait..."));
        QCOMPARE(w.m_pgrpPrgBox->title(), QStringLiteral("Progress"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Setup Finished"));
        w.m_pprgFinish->hide();
        w.setProgressValue(42);
        QCOMPARE(w.m_pprgFinish->value(), 42);
        QVERIFY(!w.m_pprgFinish->isHidden());
        w.slotUpdateProgressBar();
        QCOMPARE(w.m_pprgFinish->value(), 43);
    }

    void finishMessage()
    {
        tsup::UrlCatcher urls;
        NASINFO n = itest::server(kMac, 1, 2000, "198.18.0.44", "Attic", 5000);
        CVorkDialogInstallFinish dlg(nullptr, CVorkWindowInstall::finishText(&n));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Information"));
        QCOMPARE(dlg.m_pbuttonBox->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(dlg.m_pbuttonBox->buttons().size(), 1);
        QVERIFY(dlg.isModal());
        QCOMPARE(dlg.windowModality(), Qt::ApplicationModal);
        QVERIFY(!dlg.m_lblDescript1->openExternalLinks());
        QCOMPARE(dlg.m_lblDescript1->text(),
                 QStringLiteral("Congratulations! Setup Wizard has completed the basic configurations.\n"
                                "Setup is complete. You can now log in your server via Quenlori "
                                "Vornakeeper.<a href=\"http://198.18.0.44:5000\">(Log in to Attic)</a>"));

        // The link opens the address and closes the message as OK does.
        QTimer::singleShot(0, &dlg, [&dlg]() {
            emit dlg.m_lblDescript1->linkActivated(QStringLiteral("http://198.18.0.44:5000"));
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(urls.urls, QList<QUrl>({QUrl("http://198.18.0.44:5000")}));

        dlg.setText(QStringLiteral("plain"));
        QTimer::singleShot(0, &dlg, [&dlg]() { dlg.m_pbuttonBox->button(QDialogButtonBox::Ok)->click(); });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(urls.urls.size(), 1);
    }

    void errorTexts_data()
    {
        QTest::addColumn<qulonglong>("code");
        QTest::addColumn<uint>("build");
        QTest::addColumn<QString>("version");
        QTest::addColumn<qulonglong>("patchBuild");
        QTest::addColumn<qulonglong>("quickConfError");
        QTest::addColumn<QString>("text");

        const QString firewall = QStringLiteral(
            "Please make sure: \n1. Quenlori Vornakeeper is not blocked by the firewall of your computer "
            "OS or anti-virus applications. \n2. Quenlori Server and your computer are both connected to "
            "the network. \n3. You have switched on the power of Quenlori Server.");

        QTest::newRow("1 boot disk") << 1ull << 1000u << "" << 0ull << 0ull
                                     << "Operation error occurred when accessing the boot disk. (Error Code:1)";
        QTest::newRow("3 boot disk") << 3ull << 1000u << "" << 0ull << 0ull
                                     << "Operation error occurred when accessing the boot disk. (Error Code:3)";
        QTest::newRow("5 boot disk") << 5ull << 1000u << "" << 0ull << 0ull
                                     << "Operation error occurred when accessing the boot disk. (Error Code:5)";
        QTest::newRow("6 own key text") << 6ull << 1000u << "" << 0ull << 0ull
                                        << "Unable to recognize the current system version.";
        QTest::newRow("13 patch") << 13ull << 1000u << "" << 0ull << 0ull
                                  << "Fail to update the file. The file is probably corrupt.";
        QTest::newRow("15 key without text") << 15ull << 1000u << "" << 0ull << 0ull << "Server error.(Error Code:15)";
        QTest::newRow("16 other patch, build 1000")
            << 16ull << 1000u << "" << 1200ull << 0ull
            << "Please use Quenlori Vornakeeper to install VNO 2.2-1000. \nThen upgrade new version VNO via Web management UI.";
        QTest::newRow("16 no patch build") << 16ull << 1000u << "" << 0ull << 0ull << "Available system space is insufficient.";
        QTest::newRow("16 same build") << 16ull << 1000u << "" << 1000ull << 0ull << "Available system space is insufficient.";
        QTest::newRow("16 version text")
            << 16ull << 3005u << "5.1" << 3100ull << 0ull
            << "Please use Quenlori Vornakeeper to install VNO 5.1-3005. \nThen upgrade new version VNO via Web management UI."
               "<br />If you are performing the installation through wireless network connection, please switch to "
               "Ethernet cable connection for both your Varnestor and PC client and try again.<br />An error occurred "
               "during installation. The telnet service of Varnestor is turned on for error determination. Please "
               "configure your router to forward port 23 to Varnestor and contact Quenlori online support.";
        QTest::newRow("16 build 1104") << 16ull << 1104u << "" << 1ull << 0ull
                                       << "Please use Quenlori Vornakeeper to install VNO 2.2-1104. \nThen upgrade new version VNO via Web management UI.";
        QTest::newRow("16 build 1105") << 16ull << 1105u << "" << 1ull << 0ull
                                       << "Please use Quenlori Vornakeeper to install VNO 2.3-1105. \nThen upgrade new version VNO via Web management UI.";
        QTest::newRow("16 build 881") << 16ull << 881u << "" << 1ull << 0ull
                                      << "Please use Quenlori Vornakeeper to install VNO 2.2-0881. \nThen upgrade new version VNO via Web management UI.";
        QTest::newRow("16 build 880") << 16ull << 880u << "" << 1ull << 0ull
                                      << "Please use Quenlori Vornakeeper to install VNO 2.1-0880. \nThen upgrade new version VNO via Web management UI.";
        QTest::newRow("16 build 808") << 16ull << 808u << "" << 1ull << 0ull
                                      << "Please use Quenlori Vornakeeper to install VNO 2.1-0808. \nThen upgrade new version VNO via Web management UI.";
        QTest::newRow("16 build 807") << 16ull << 807u << "" << 1ull << 0ull
                                      << "Please use Quenlori Vornakeeper to install VNO 2.0-0807. \nThen upgrade new version VNO via Web management UI.";
        QTest::newRow("18 boot media key") << 18ull << 1000u << "" << 0ull << 0ull << "Server error.(Error Code:18)";
        QTest::newRow("24 reboot key") << 24ull << 1000u << "" << 0ull << 0ull << "Server error.(Error Code:24)";
        QTest::newRow("26 patch") << 26ull << 1000u << "" << 0ull << 0ull
                                  << "Fail to update the file. The file is probably corrupt.";
        QTest::newRow("32 mkfs") << 32ull << 1000u << "" << 0ull << 0ull << "Failed to format the disk.";
        QTest::newRow("41 lock") << 41ull << 1000u << "" << 0ull << 0ull
                                 << "Failed to apply your settings because another installation is in progress.";
        QTest::newRow("46 download") << 46ull << 1000u << "" << 0ull << 0ull
                                     << "Failed to download the VNO installation file. Please check the network connection and try again.";
        QTest::newRow("48 volume") << 48ull << 1000u << "" << 0ull << 0ull
                                   << "An error has occurred on a volume on the active server. Please repair it before binding.";
        QTest::newRow("49 ha") << 49ull << 1000u << "" << 0ull << 0ull
                               << "Cannot upgrade VNO because the status of the high-availability cluster is not normal.";
        QTest::newRow("51 remote") << 51ull << 1000u << "" << 0ull << 0ull << "Server error.(Error Code:51)";
        QTest::newRow("52 beyond the table") << 52ull << 1000u << "" << 0ull << 0ull << "Server error.(Error Code:52)";
        QTest::newRow("299") << 299ull << 1000u << "" << 0ull << 0ull << "Server error.(Error Code:299)";
        QTest::newRow("300 socket") << 300ull << 1000u << "" << 0ull << 0ull << "Failed to create connection.";
        QTest::newRow("301 query") << 301ull << 1000u << "" << 0ull << 0ull
                                   << "Failed to obtain installation progress." + firewall + " (Port number: 9998)";
        QTest::newRow("302 receive") << 302ull << 1000u << "" << 0ull << 0ull
                                     << "Failed to obtain installation progress." + firewall + " (Port number: 9998)";
        QTest::newRow("303 send") << 303ull << 1000u << "" << 0ull << 0ull
                                  << "Failed to send installation command to the server.(Error Code:303)";
        QTest::newRow("304 send") << 304ull << 1000u << "" << 0ull << 0ull
                                  << "Failed to send installation command to the server.(Error Code:304)";
        QTest::newRow("306 send") << 306ull << 1000u << "" << 0ull << 0ull
                                  << "Failed to send installation command to the server.(Error Code:306)";
        QTest::newRow("305 upload") << 305ull << 1000u << "" << 0ull << 0ull << "Failed to upload the installation file.";
        QTest::newRow("307 timeout") << 307ull << 1000u << "" << 0ull << 0ull << "System has no response. Connection timeout.";
        QTest::newRow("308 quick configuration") << 308ull << 1000u << "" << 0ull << 0ull << "Quick configuration failed.";
        QTest::newRow("309 with server error") << 309ull << 1000u << "" << 0ull << 7ull
                                               << "Failed to setup Quenlori Server. (Error code: 7)";
        QTest::newRow("309 timed out")
            << 309ull << 1000u << "" << 0ull << 0ull
            << "Quick configuration was not completed due to connection timeout.Close the dialog and try again later.";
        QTest::newRow("310 undefined") << 310ull << 1000u << "" << 0ull << 0ull << "Undefined error.(Error Code:310)";
        QTest::newRow("top bit set") << 2147483648ull << 1000u << "" << 0ull << 0ull
                                     << "Undefined error.(Error Code:2147483648)";
        QTest::newRow("4294967295") << 4294967295ull << 1000u << "" << 0ull << 0ull
                                    << "Undefined error.(Error Code:4294967295)";
        const QString hints = QStringLiteral(
            "<br />If you are performing the installation through wireless network connection, please switch to "
            "Ethernet cable connection for both your Varnestor and PC client and try again.<br />An error occurred "
            "during installation. The telnet service of Varnestor is turned on for error determination. Please "
            "configure your router to forward port 23 to Varnestor and contact Quenlori online support.");
        QTest::newRow("build 1110 no hints") << 300ull << 1110u << "" << 0ull << 0ull << "Failed to create connection.";
        QTest::newRow("build 1111 hints") << 300ull << 1111u << "" << 0ull << 0ull << "Failed to create connection." + hints;
        QTest::newRow("build 1111, 24") << 24ull << 1111u << "" << 0ull << 0ull << "Server error.(Error Code:24)" + hints;
    }

    void errorTexts()
    {
        QFETCH(qulonglong, code);
        QFETCH(uint, build);
        QFETCH(QString, version);
        QFETCH(qulonglong, patchBuild);
        QFETCH(qulonglong, quickConfError);
        QFETCH(QString, text);

        NASINFO n = itest::server(kMac, 2, build);
        std::strncpy(n.szVersion, version.toLatin1().constData(), sizeof(n.szVersion) - 1);
        QCOMPARE(CVorkWindowInstall::netInstallErrorText(code, n, patchBuild, quickConfError, 9998), text);
    }

    void connectionHintDebugLine()
    {
        tsup::LogCapture capture;
        NASINFO n = itest::server(kMac, 2);
        CVorkWindowInstall::netInstallErrorText(301, n, 0, 0, 9998);
        CVorkWindowInstall::netInstallErrorText(300, n, 0, 0, 9998);
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.at(0).startsWith(QStringLiteral("src/CVorkWindowInstall:")));
        QVERIFY(lines.at(0).endsWith(QStringLiteral(" m_pcurNetInstall->getNIBindPort()=[9998\n]\n")));
    }

    void stageFivePicture()
    {
        Job j(itest::server(kMac, FHOSTQC_CRASH, 2000, "198.18.0.41", "Cellar"));
        CVorkWindowProgNetInstall w(nullptr);
        w.resize(538, 568);
        for (int stage : {1, 2, 3, 4, 5}) {
            j.at(stage, stage == 5 ? 12 : 100);
            tick(w, j);
        }
        const QImage picture = w.grab().toImage();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.save(itest::reviewDir() + QStringLiteral("/netinstall-widget-stage5.png")));
    }
};

int main(int argc, char **argv)
{
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    QApplication app(argc, argv);
    tsup::setProgramNames();
    TestProgressWidgets tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_progresswidgets.moc"
