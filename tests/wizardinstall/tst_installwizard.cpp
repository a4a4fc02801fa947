// The install wizard without a network: its frame and targets, the settings it builds, the
// server-name and password checks of the server page in their order, the hybrid-RAID warning,
// the address page's field checks, and the server page's limits. Every target that reaches the
// address page here is one whose web port answered, so the page proposes the server's own
// settings and never searches; the ping guard would stop any ping outside the test networks.
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "CNasConfig.h"
#include "CThreadNetInstall.h"
#include "CVorkGlobalSettings.h"
#include "CVorkNasinfoMap.h"
#include "CVorkWizardInstall.h"
#include "CWizIPDialog.h"
#include "CWizInstIntro.h"
#include "CWizPWDialog.h"
#include "FindHostRequests.h"
#include "installwiztest.h"

using iwt::makeRecord;
using iwt::netAddr;

namespace {

const char *const MODEL = "quenlori_arm5281_vs209";

// A ready server whose web port answered, with the settings it has now.
NASINFO connectedRecord(const char *mac, const char *name, bool dhcp, const char *sn = "")
{
    NASINFO n = makeRecord(mac, name, MODEL, 1869, 0, sn);
    n.ulConnected = 1;
    n.ulDHCP = dhcp ? 1 : 0;
    n.ulIP = netAddr(198, 18, 0, 40);
    n.ulMask = netAddr(255, 255, 255, 0);
    n.ulGateway = netAddr(198, 18, 0, 254);
    n.ulDNS = netAddr(198, 18, 0, 53);
    return n;
}

// The map owns what it holds: hand it heap copies.
void putInMap(CVorkNasinfoMap &map, const NASINFO &n)
{
    map.insert(new NASINFO(n), true);
}

} // namespace

class TestInstallWizard : public QObject
{
    Q_OBJECT

private:
    // Shows the wizard and steps from the intro page to the server page.
    static void toServerPage(CVorkWizardInstall &w)
    {
        w.show();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_INTRO));
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));
    }

    static void fill(CVorkWizardInstall &w, const QString &password, const QString &confirm,
                     const QString &name)
    {
        w.setField(QStringLiteral("Passwd"), password);
        w.setField(QStringLiteral("Confirm"), confirm);
        w.setField(QStringLiteral("ServerName"), name);
    }

    iwt::PingGuard *m_guard = nullptr;

private slots:
    void initTestCase()
    {
        iwt::setProgramNames();
        m_guard = new iwt::PingGuard;
    }
    void cleanupTestCase()
    {
        QCOMPARE(m_guard->refused, 0);
        delete m_guard;
    }
    void init() { m_guard->seen.clear(); }

    void frameAndTargets()
    {
        CVorkWizardInstall w(nullptr, nullptr, true);
        QCOMPARE(w.pageIds(), QList<int>({0, 1, 2}));
        QVERIFY(dynamic_cast<CWizInstIntro *>(w.page(0)));
        QVERIFY(dynamic_cast<CWizPWDialog *>(w.page(1)));
        QVERIFY(dynamic_cast<CWizIPDialog *>(w.page(2)));
        QCOMPARE(w.getWizardType(), 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quenlori Vornakeeper - Setup Wizard"));
        QVERIFY(w.getNasinfo() == nullptr);
        QVERIFY(w.getNasinfoList().isEmpty());
        QVERIFY(!w.isMultiInstall());

        NASINFO a = makeRecord("02:53:56:00:00:0a", "Alpha", MODEL, 100, 2);
        const NASINFO b = makeRecord("02:53:56:00:00:0b", "Beta", MODEL, 200, 4);
        w.addNasinfo(a);
        QVERIFY(!w.isMultiInstall());
        w.addNasinfo(b);
        QVERIFY(w.isMultiInstall());
        // The caller's record is copied, not kept.
        qstrncpy(a.szServerName, "Changed", sizeof(a.szServerName));
        QVERIFY(w.getNasinfo() != nullptr);
        QCOMPARE(QString::fromLatin1(w.getNasinfo()->szMac), QStringLiteral("02:53:56:00:00:0a"));
        QCOMPARE(QString::fromLatin1(w.getNasinfo()->szServerName), QStringLiteral("Alpha"));
        const QList<NASINFO> list = w.getNasinfoList();
        QCOMPARE(list.size(), 2);
        QCOMPARE(QString::fromLatin1(list[0].szServerName), QStringLiteral("Alpha"));
        QCOMPARE(QString::fromLatin1(list[1].szServerName), QStringLiteral("Beta"));
        QCOMPARE(list[1].ulBuild, 200u);
    }

    void nasConfigFromFields()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pat = dir.filePath(QStringLiteral("some dir/quenlori_arm5281_vs209_1869.pat"));

        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", false));
        w.show(); // registers "PatFile" on the intro page
        w.setField(QStringLiteral("PatFile"), pat);
        w.setField(QStringLiteral("IsDHCP"), false);
        w.setField(QStringLiteral("IP"), QStringLiteral("198.18.0.77"));
        w.setField(QStringLiteral("Netmask"), QStringLiteral("255.255.255.0"));
        w.setField(QStringLiteral("Gateway"), QStringLiteral("198.18.0.254"));
        w.setField(QStringLiteral("DNS"), QStringLiteral("198.18.0.53"));
        w.setField(QStringLiteral("Passwd"), QStringLiteral("s3cret pass"));
        w.setField(QStringLiteral("Confirm"), QStringLiteral("something else"));
        w.setField(QStringLiteral("ServerName"), QStringLiteral("Store-7"));
        w.setField(QStringLiteral("IsDoQBV"), true);

        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        CNasConfig *first = w.createNasConfig();
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        QVERIFY(first);
        QCOMPARE(w.getNasConfig(), first);
        QVERIFY(!first->isDHCP());
        QVERIFY(first->isDoQBV());
        QCOMPARE(first->getIP(), QStringLiteral("198.18.0.77"));
        QCOMPARE(first->getNetmask(), QStringLiteral("255.255.255.0"));
        QCOMPARE(first->getGateway(), QStringLiteral("198.18.0.254"));
        QCOMPARE(first->getDNS(), QStringLiteral("198.18.0.53"));
        QCOMPARE(first->getPassword(), QStringLiteral("s3cret pass"));
        QCOMPARE(first->getServerName(), QStringLiteral("Store-7"));
        QCOMPARE(first->getPatPath(), pat);
        QCOMPARE(first->getTimezoneIndex(),
                 static_cast<unsigned long>(CVorkGlobalSettings::getSuggestedTimezoneIndex()));
        const QDateTime stamp =
            QDateTime::fromString(first->getDateTime(), QStringLiteral("yyyy/MM/dd hh:mm:ss"));
        QVERIFY2(stamp.isValid(), qPrintable(first->getDateTime()));
        QVERIFY(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after);

        // A new build replaces the old one (the sanitizer build sees the old one freed).
        w.setField(QStringLiteral("IsDHCP"), true);
        w.setField(QStringLiteral("ServerName"), QStringLiteral("Other"));
        CNasConfig *second = w.createNasConfig();
        QVERIFY(second->isDHCP());
        QCOMPARE(second->getServerName(), QStringLiteral("Other"));
        QCOMPARE(w.getNasConfig(), second);

        // A quick configuration carries no installation file.
        CVorkWizardInstall quick(nullptr, nullptr, false);
        quick.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", false));
        quick.show();
        QVERIFY(quick.createNasConfig()->getPatPath().isEmpty());
    }

    // The server reads ASCII digits only: the packet's date-time field from the wizard's settings,
    // then the field as a network installation advances it.
    void dateTimeInAsciiDigits()
    {
        const NASINFO target = connectedRecord("02:53:56:00:00:0a", "Alpha", true);
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(target);
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildQuickConf(&n, &s, w.createNasConfig(), &target));
        const QString sent = QString::fromLatin1(n.szDateTime) + QLatin1Char(',')
                             + CThreadNetInstall::advanceDateTime(w.getNasConfig()->getDateTime(), 60);
        const QRegularExpression ascii("^\\d{4}(-\\d\\d){5},\\d{4}(/\\d\\d){2} \\d\\d(:\\d\\d){2}$");
        QVERIFY2(sent.contains(ascii), qPrintable(sent));
    }

    // The case above in a child under a locale whose digits are not 0-9, which Qt 5 writes dates
    // in: a process reads its locale once.
    void dateTimeInAsciiDigitsUnderArabicLocale()
    {
        QVERIFY(QLocale(QStringLiteral("ar_EG")).zeroDigit() != QLatin1Char('0'));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ar_EG.UTF-8"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("dateTimeInAsciiDigits")});
        QVERIFY(child.waitForFinished(120000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAllStandardOutput().constData());
    }

    void serverNameRules_data()
    {
        QTest::addColumn<int>("targets");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: accepted

        const QString invalid = QStringLiteral("Server name contains invalid characters.");
        const QString tooLong = QStringLiteral("You have entered an invalid server name");
        QTest::newRow("plain") << 1 << "Server-01" << QString();
        QTest::newRow("underscore") << 1 << "a_b-C9" << QString();
        QTest::newRow("one letter") << 1 << "x" << QString();
        QTest::newRow("fifteen") << 1 << "Abcdefghijklmno" << QString();
        QTest::newRow("digit first") << 1 << "1server" << invalid;
        QTest::newRow("hash, one target") << 1 << "srv#" << invalid;
        QTest::newRow("blank") << 1 << "my nas" << invalid;
        QTest::newRow("dot") << 1 << "nas.local" << invalid;
        QTest::newRow("sixteen") << 1 << "Abcdefghijklmnop" << tooLong;
        QTest::newRow("seventeen") << 1 << "Abcdefghijklmnopq" << invalid;
        QTest::newRow("batch template") << 2 << "node##" << QString();
        QTest::newRow("batch no hash") << 2 << "node" << QString();
        QTest::newRow("batch hash inside") << 2 << "no#de" << invalid;
        QTest::newRow("batch expands past 15") << 2 << "abcdefghijklmn##" << tooLong;
        QTest::newRow("batch 15 after expansion") << 2 << "abcdefghijklm##" << QString();
    }

    void serverNameRules()
    {
        QFETCH(int, targets);
        QFETCH(QString, name);
        QFETCH(QString, message);

        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", true));
        if (targets > 1)
            w.addNasinfo(connectedRecord("02:53:56:00:00:0b", "Beta", true));
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), name);

        iwt::ModalDriver driver;
        // The page check alone, so that a batch never reaches the address page here.
        const bool accepted = w.validateCurrentPage();
        if (message.isEmpty()) {
            QVERIFY(accepted);
            QCOMPARE(driver.boxes.size(), 0);
        } else {
            QVERIFY(!accepted);
            QCOMPARE(driver.texts(), QStringList{message});
            QCOMPARE(driver.boxes[0].title, QStringLiteral("Error"));
            QCOMPARE(driver.boxes[0].buttons, QStringList{QStringLiteral("OK")});
            QCOMPARE(driver.boxes[0].icon, QMessageBox::Warning);
        }
    }

    void acceptedNameMovesOn()
    {
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", true));
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Server-01"));
        iwt::ModalDriver driver;
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
        QVERIFY(driver.boxes.isEmpty());

        w.back();
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("1server"));
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));
        QCOMPARE(driver.texts(), QStringList{QStringLiteral("Server name contains invalid characters.")});
        // The refusal leaves the entries as they were.
        QCOMPARE(w.field(QStringLiteral("ServerName")).toString(), QStringLiteral("1server"));
    }

    void checkOrder()
    {
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", true));
        toServerPage(w);
        iwt::ModalDriver driver;

        // Passwords that differ in one character come before the empty name.
        fill(w, QStringLiteral("secret1"), QStringLiteral("secret2"), QString());
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));
        QCOMPARE(driver.texts(),
                 QStringList{QStringLiteral("Failed to confirm password. Please enter it again.")});

        // The comparison is exact: case counts.
        driver.reset();
        fill(w, QStringLiteral("Secret"), QStringLiteral("secret"), QStringLiteral("1bad"));
        QVERIFY(!w.validateCurrentPage());
        QCOMPARE(driver.texts(),
                 QStringList{QStringLiteral("Failed to confirm password. Please enter it again.")});

        driver.reset();
        fill(w, QStringLiteral("secret"), QStringLiteral("secret"), QString());
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));
        QCOMPARE(driver.texts(), QStringList{QStringLiteral("Please enter a server name.")});
        QCOMPARE(driver.boxes[0].title, QStringLiteral("Error"));

        // Empty passwords that agree are accepted.
        driver.reset();
        fill(w, QString(), QString(), QStringLiteral("Fine"));
        QVERIFY(w.validateCurrentPage());
        QVERIFY(driver.boxes.isEmpty());
    }

    void sameNameInBatch()
    {
        CVorkNasinfoMap map;
        const NASINFO first = connectedRecord("02:53:56:00:00:0a", "node01", true, "SNA");
        const NASINFO second = connectedRecord("02:53:56:00:00:0b", "Beta", true, "SNB");
        putInMap(map, first); // the first target itself already carries "node01"
        putInMap(map, second);
        putInMap(map, connectedRecord("02:53:56:00:00:0c", "node02", true, "SNC"));

        CVorkWizardInstall w(&map, nullptr, false);
        w.addNasinfo(first);
        w.addNasinfo(second);
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("node##"));

        iwt::ModalDriver driver;
        driver.planBoxes({QStringLiteral("No")});
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));
        QCOMPARE(driver.boxes.size(), 1);
        const iwt::ModalDriver::Box &box = driver.boxes[0];
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.text, QStringLiteral("Two or more servers are using the same name. It may "
                                          "result in access issues.\nAre you sure you want to "
                                          "continue?"));
        QCOMPARE(box.buttons, QStringList({QStringLiteral("Yes"), QStringLiteral("No")}));
        QCOMPARE(box.defaultButton, QStringLiteral("Yes"));

        // "Yes" goes on (the page check alone, so the batch does not reach the address page).
        driver.reset();
        driver.planBoxes({QStringLiteral("Yes")});
        QVERIFY(w.validateCurrentPage());
        QCOMPARE(driver.boxes.size(), 1);

        // A batch whose template has no "#" gives every target the name; only another unit
        // carrying it already raises the warning, once per target.
        driver.reset();
        driver.planBoxes({QStringLiteral("Yes"), QStringLiteral("Yes")});
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("node02"));
        QVERIFY(w.validateCurrentPage());
        QCOMPARE(driver.boxes.size(), 2);
        driver.reset();
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("fresh"));
        QVERIFY(w.validateCurrentPage());
        QCOMPARE(driver.boxes.size(), 0);
    }

    void sameUnitIsNoConflict()
    {
        CVorkNasinfoMap map;
        // The same unit under another MAC (its other port): the serial decides.
        putInMap(map, connectedRecord("02:53:56:00:01:0a", "Server-01", true, "SN77"));
        // Another unit without serials, matched by MAC.
        putInMap(map, connectedRecord("02:53:56:00:00:0d", "Other", true));

        CVorkWizardInstall w(&map, nullptr, false);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", true, "SN77"));
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Server-01"));
        iwt::ModalDriver driver;
        QVERIFY(w.validateCurrentPage());
        QVERIFY(driver.boxes.isEmpty());

        // The name comparison is exact.
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("other"));
        QVERIFY(w.validateCurrentPage());
        QVERIFY(driver.boxes.isEmpty());
        driver.planBoxes({QStringLiteral("No")});
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Other"));
        QVERIFY(!w.validateCurrentPage());
        QCOMPARE(driver.boxes.size(), 1);
    }

    void qbvWarningOnce()
    {
        NASINFO target = connectedRecord("02:53:56:00:00:0a", "Alpha", true);
        target.ullbmapSupport1 = 1u << 7;
        target.ullbmapMask1 = 1u << 7;
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(target);
        toServerPage(w);
        QVERIFY(w.field(QStringLiteral("IsDoQBV")).toBool());
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Alpha"));

        iwt::ModalDriver driver;
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
        QCOMPARE(driver.texts(), QStringList{QStringLiteral(
                                     "Note! All data in the hard drive(s) will be deleted while "
                                     "creating a QBV volume.")});
        QCOMPARE(driver.boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(driver.boxes[0].buttons, QStringList{QStringLiteral("OK")});

        driver.reset();
        w.back();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));
        QVERIFY(w.field(QStringLiteral("IsDoQBV")).toBool());
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
        QVERIFY(driver.boxes.isEmpty());
    }

    void dhcpFinishesWithoutChecks()
    {
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", true));
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Alpha"));
        iwt::ModalDriver driver;
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
        QVERIFY(w.field(QStringLiteral("IsDHCP")).toBool());
        // Even nonsense in the hidden manual fields is not looked at.
        w.setField(QStringLiteral("IP"), QStringLiteral("0.0.0.0"));
        w.button(QWizard::FinishButton)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(driver.boxes.isEmpty());
        QVERIFY(m_guard->seen.isEmpty());
        QVERIFY(w.getNasConfig()->isDHCP());
    }

    void addressChecksInOrder()
    {
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", false));
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Alpha"));
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
        CWizIPDialog *page = w.addressPage();
        QVERIFY(!w.field(QStringLiteral("IsDHCP")).toBool());

        struct Step {
            const char *ip, *mask, *gateway, *dns, *message;
        };
        // Each entry breaks the rule of its own step and every later one, so only the first
        // failing rule may speak.
        const Step steps[] = {
            {"", "", "", "", "Invalid IP address."},
            {"0.1.2.3", "255.0.255.0", "127.0.0.1", "224.0.0.1", "Invalid IP address."},
            {"127.0.0.1", "255.255.255.0", "", "", "Invalid IP address."},
            {"224.0.0.1", "255.255.255.0", "", "", "Invalid IP address."},
            {"198.18", "255.255.255.0", "", "", "Invalid IP address."},
            {"198.18.0.40", "255.0.255.0", "127.0.0.1", "224.0.0.1", "Invalid subnet mask."},
            {"198.18.0.40", "0.0.0.0", "", "", "Invalid subnet mask."},
            {"198.18.0.40", "", "", "", "Invalid subnet mask."},
            {"198.18.0.40", "255.255.255.0", "127.0.0.1", "224.0.0.1", "Invalid default gateway."},
            {"198.18.0.40", "255.255.255.0", "198.19.0.1", "224.0.0.1",
             "The IP address and the default gateway belong to two different subnets."},
            {"198.18.0.40", "255.255.255.0", "198.18.0.254", "224.0.0.1", "Invalid DNS server."},
            {"198.18.0.40", "255.255.255.0", " 198.18.0.254 ", "0.1.1.1", "Invalid DNS server."},
        };
        iwt::ModalDriver driver;
        for (const Step &s : steps) {
            driver.reset();
            page->m_pedtIP->setText(QString::fromLatin1(s.ip));
            page->m_pedtNetmask->setText(QString::fromLatin1(s.mask));
            page->m_pedtGateway->setText(QString::fromLatin1(s.gateway));
            page->m_pedtDNS->setText(QString::fromLatin1(s.dns));
            QVERIFY2(!page->validateFields(), s.message);
            QCOMPARE(driver.texts(), QStringList{QString::fromLatin1(s.message)});
            QCOMPARE(driver.boxes[0].title, QStringLiteral("Error"));
            QCOMPARE(driver.boxes[0].buttons, QStringList{QStringLiteral("OK")});
        }

        // The server's current address passes without a ping; an empty gateway and DNS (or
        // blanks only) are allowed, a 255.255.255.255 mask too.
        driver.reset();
        page->m_pedtIP->setText(QStringLiteral("198.18.0.40"));
        page->m_pedtNetmask->setText(QStringLiteral("255.255.255.255"));
        page->m_pedtGateway->setText(QStringLiteral("  "));
        page->m_pedtDNS->setText(QString());
        QVERIFY(page->validateFields());
        page->m_pedtNetmask->setText(QStringLiteral("255.255.255.0"));
        page->m_pedtGateway->setText(QStringLiteral("198.18.0.1"));
        page->m_pedtDNS->setText(QStringLiteral("198.18.0.53"));
        w.button(QWizard::FinishButton)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(driver.boxes.isEmpty());
        QVERIFY(m_guard->seen.isEmpty());
        QCOMPARE(w.getNasConfig()->getIP(), QStringLiteral("198.18.0.40"));
        QCOMPARE(w.getNasConfig()->getGateway(), QStringLiteral("198.18.0.1"));
    }

    void connectedTargetKeepsItsSettings()
    {
        // Manual: its own address, mask, gateway and DNS, marked as the suggestion.
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", false));
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Alpha"));
        w.next();
        CWizIPDialog *page = w.addressPage();
        QVERIFY(page->m_prdoManual->isChecked());
        QVERIFY(!page->m_prdoDHCP->isChecked());
        QVERIFY(page->m_pgrpManual->isEnabled());
        QVERIFY(page->m_plabSuggestManIP->isVisible());
        QVERIFY(!page->m_plabSuggestAutoIP->isVisible());
        QCOMPARE(page->m_plabSuggestManIP->text(), QStringLiteral("(recommended)"));
        QCOMPARE(w.field(QStringLiteral("IP")).toString(), QStringLiteral("198.18.0.40"));
        QCOMPARE(w.field(QStringLiteral("Netmask")).toString(), QStringLiteral("255.255.255.0"));
        QCOMPARE(w.field(QStringLiteral("Gateway")).toString(), QStringLiteral("198.18.0.254"));
        QCOMPARE(w.field(QStringLiteral("DNS")).toString(), QStringLiteral("198.18.0.53"));
        QCOMPARE(page->title(), QStringLiteral("Setup network"));
        QCOMPARE(page->m_prdoDHCP->text(),
                 QStringLiteral("Get network configuration automatically (DHCP)"));
        QCOMPARE(page->m_prdoManual->text(), QStringLiteral("Use manual configuration"));
        QCOMPARE(page->m_plabIP->text(), QStringLiteral("IP address:"));
        QCOMPARE(page->m_plabNetmask->text(), QStringLiteral("Subnet mask:"));
        QCOMPARE(page->m_plabGateway->text(), QStringLiteral("Default gateway:"));
        QCOMPARE(page->m_plabDNS->text(), QStringLiteral("DNS server:"));
        QCOMPARE(page->m_plabHint->text(),
                 QStringLiteral("Suggested settings are provided for Quenlori Server based on your "
                                "current network settings. Follow the suggestions if you do not "
                                "wish to enter your network settings manually."));
        QVERIFY(page->m_plabEULA->text().contains(QLatin1String("<a href=")));
        QVERIFY(page->m_plabEULA->text().contains(QLatin1String("</a>")));
        QVERIFY(!page->m_plabEULA->text().contains(QLatin1String("[a")));
        QVERIFY(!page->m_plabEULA->text().contains(QLatin1String("[/a")));

        // The radio buttons switch the manual group.
        page->m_prdoDHCP->click();
        QVERIFY(!page->m_pgrpManual->isEnabled());
        QVERIFY(w.field(QStringLiteral("IsDHCP")).toBool());
        // A later visit restores the choice and keeps the entries.
        page->m_pedtDNS->setText(QStringLiteral("198.18.0.99"));
        w.back();
        w.next();
        QVERIFY(page->m_prdoDHCP->isChecked());
        QVERIFY(!page->m_pgrpManual->isEnabled());
        QCOMPARE(page->m_pedtDNS->text(), QStringLiteral("198.18.0.99"));
        page->m_prdoManual->click();
        QVERIFY(page->m_pgrpManual->isEnabled());
        w.back();
        w.next();
        QVERIFY(page->m_prdoManual->isChecked());
        QVERIFY(m_guard->seen.isEmpty());

        // DHCP: the automatic choice, with the present address data filled in; a gateway and
        // DNS of 0 stay empty.
        NASINFO dhcp = connectedRecord("02:53:56:00:00:0b", "Beta", true);
        dhcp.ulGateway = 0;
        dhcp.ulDNS = 0;
        CVorkWizardInstall w2(nullptr, nullptr, false);
        w2.addNasinfo(dhcp);
        toServerPage(w2);
        fill(w2, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Beta"));
        w2.next();
        CWizIPDialog *page2 = w2.addressPage();
        QVERIFY(page2->m_prdoDHCP->isChecked());
        QVERIFY(page2->m_plabSuggestAutoIP->isVisible());
        QVERIFY(!page2->m_plabSuggestManIP->isVisible());
        QVERIFY(!page2->m_pgrpManual->isEnabled());
        QCOMPARE(page2->m_pedtIP->text(), QStringLiteral("198.18.0.40"));
        QCOMPARE(page2->m_pedtNetmask->text(), QStringLiteral("255.255.255.0"));
        QVERIFY(page2->m_pedtGateway->text().isEmpty());
        QVERIFY(page2->m_pedtDNS->text().isEmpty());
    }

    void gatewayOutsideSubnetIsDropped()
    {
        NASINFO n = connectedRecord("02:53:56:00:00:0a", "Alpha", false);
        n.ulGateway = netAddr(198, 19, 0, 1);
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(n);
        toServerPage(w);
        fill(w, QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("Alpha"));
        w.next();
        QCOMPARE(w.field(QStringLiteral("IP")).toString(), QStringLiteral("198.18.0.40"));
        QVERIFY(w.field(QStringLiteral("Gateway")).toString().isEmpty());
        QCOMPARE(w.field(QStringLiteral("DNS")).toString(), QStringLiteral("198.18.0.53"));
    }

    void addressCountersWrap()
    {
        // Every pinger is closed before its first ping: each call then finds nothing (one box
        // each), and the guard records where each search would have started.
        m_guard->closeAll = true;
        iwt::ModalDriver driver;
        CWizIPDialog page(nullptr);
        QCOMPARE(page.getSuggestionCounter(), 1);
        QCOMPARE(page.getBatchCounter(), 0);
        for (int call = 1; call <= 256; ++call) {
            bool dhcp = false;
            QString ip = QStringLiteral("198.18.0.10"), mask = QStringLiteral("255.255.255.0");
            QString gateway, dns;
            QVERIFY(!page.getNextAddress(&dhcp, ip, mask, gateway, dns, true));
        }
        QCOMPARE(driver.boxes.size(), 256);
        QCOMPARE(m_guard->seen.size(), 256);
        // Offsets 0, 1, ..., 254, then 1 again.
        for (int call = 1; call <= 255; ++call)
            QCOMPARE(m_guard->seen[call - 1].start, 0xC612000Au + uint32_t(call - 1));
        QCOMPARE(m_guard->seen[255].start, 0xC612000Au + 1u);
        QCOMPARE(m_guard->seen[0].mode, int(CVorkDialogNetPinger::MODE_SEARCH));

        // The suggestion counter moved with them: from 1, 256 steps wrapping after 254 give 3.
        // Its candidates are the subnet's host numbers; an empty mask counts as 255.255.255.0.
        m_guard->seen.clear();
        QCOMPARE(page.getBatchCounter(), 2);
        QCOMPARE(page.getSuggestionCounter(), 3);
        bool dhcp = false;
        QString ip = QStringLiteral("198.18.3.77"), mask, gateway, dns;
        QVERIFY(!page.getNextAddress(&dhcp, ip, mask, gateway, dns, false));
        QCOMPARE(m_guard->seen.size(), 1);
        QCOMPARE(m_guard->seen[0].start, 0xC6120303u);
        QCOMPARE(page.getSuggestionCounter(), 4);
        QCOMPARE(page.getBatchCounter(), 3);

        // With DHCP nothing is searched and nothing advances.
        dhcp = true;
        QVERIFY(page.getNextAddress(&dhcp, ip, mask, gateway, dns, false));
        QCOMPARE(m_guard->seen.size(), 1);
        QCOMPARE(page.getSuggestionCounter(), 4);
        m_guard->closeAll = false;
    }

    void assignNextAddressCases()
    {
        m_guard->closeAll = true;
        CNasConfig manual(false, false, QStringLiteral("198.18.0.10"),
                          QStringLiteral("255.255.255.0"), QString(), QString(), QString());
        // One target: unchanged, no search.
        CVorkWizardInstall single(nullptr, nullptr, false);
        single.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", true));
        CNasConfig cfg = manual;
        single.assignNextAddress(&cfg);
        QCOMPARE(cfg.getIP(), QStringLiteral("198.18.0.10"));
        QVERIFY(m_guard->seen.isEmpty());

        // A batch with DHCP: unchanged, no search.
        CVorkWizardInstall batch(nullptr, nullptr, false);
        batch.addNasinfo(connectedRecord("02:53:56:00:00:0a", "Alpha", true));
        batch.addNasinfo(connectedRecord("02:53:56:00:00:0b", "Beta", true));
        CNasConfig viaDhcp(true, false, QString(), QString(), QString(), QString(), QString());
        batch.assignNextAddress(&viaDhcp);
        QVERIFY(viaDhcp.isDHCP());
        QVERIFY(m_guard->seen.isEmpty());

        // A batch with a manual address searches from it; a closed search found no address of
        // its own, so that server falls back to DHCP after the box, as for a full subnet.
        iwt::ModalDriver driver;
        cfg = manual;
        batch.assignNextAddress(&cfg);
        QCOMPARE(m_guard->seen.size(), 1);
        QCOMPARE(m_guard->seen[0].start, 0xC612000Au);
        QVERIFY(cfg.isDHCP());
        QCOMPARE(driver.texts(), QStringList{QStringLiteral("Failed to get the suggested network settings.")});
        m_guard->closeAll = false;
    }

    void serverPageLimits()
    {
        for (const uint32_t build : {559u, 560u}) {
            NASINFO target = connectedRecord("02:53:56:00:00:0a", "Alpha", true);
            target.ulBuild = build;
            CVorkWizardInstall w(nullptr, nullptr, false);
            w.addNasinfo(target);
            toServerPage(w);
            CWizPWDialog *page = w.passwordPage();
            const int maxLen = build > 559 ? 127 : 12;
            QCOMPARE(page->getMaxPasswordLength(), maxLen);
            QCOMPARE(page->m_pedtAdminAccount->text(), QStringLiteral("admin"));
            QCOMPARE(page->m_pedtServer->text(), QStringLiteral("Alpha"));
            QCOMPARE(page->title(), QStringLiteral("Enter server information"));
            QCOMPARE(page->m_plabHint->text(),
                     QStringLiteral("Maximum password length is %1 characters. It can be any "
                                    "displayable character, including letters, numbers, signs, "
                                    "space...etc.<p>Server name may contain letters, numbers, "
                                    "underscores and minus signs. The first character must be a "
                                    "letter.").arg(maxLen));
            for (QLineEdit *edit : {page->m_pedtPassword, page->m_pedtConfirm}) {
                QCOMPARE(edit->echoMode(), QLineEdit::Password);
                QCOMPARE(edit->maxLength(), maxLen);
                edit->clear();
                edit->setFocus();
                QTest::keyClicks(edit, QString(maxLen + 3, QLatin1Char('p')));
                QCOMPARE(edit->text().size(), maxLen);
            }
            page->m_pedtServer->clear();
            QTest::keyClicks(page->m_pedtServer, QStringLiteral("Abcdefghijklmnopq"));
            QCOMPARE(page->m_pedtServer->text(), QStringLiteral("Abcdefghijklmno"));
        }
    }

    void qbvBoxNeedsBothBitmaps_data()
    {
        QTest::addColumn<quint64>("support");
        QTest::addColumn<quint64>("mask");
        QTest::addColumn<bool>("shown");
        QTest::newRow("neither") << quint64(0) << quint64(0) << false;
        QTest::newRow("support only") << quint64(1) << quint64(0) << false;
        QTest::newRow("mask only") << quint64(0) << quint64(1) << false;
        QTest::newRow("both") << quint64(1) << quint64(1) << true;
    }

    void qbvBoxNeedsBothBitmaps()
    {
        QFETCH(quint64, support);
        QFETCH(quint64, mask);
        QFETCH(bool, shown);
        NASINFO target = connectedRecord("02:53:56:00:00:0a", "Alpha", true);
        // Bit 7 is the service; bits 6 and 8 around it must not count.
        target.ullbmapSupport1 = (support << 7) | (1u << 6) | (1u << 8);
        target.ullbmapMask1 = (mask << 7) | (1u << 6) | (1u << 8);
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(target);
        toServerPage(w);
        CWizPWDialog *page = w.passwordPage();
        QCOMPARE(page->m_pchkQBV->isVisible(), shown);
        QCOMPARE(page->m_pchkQBV->isChecked(), shown);
        QCOMPARE(w.field(QStringLiteral("IsDoQBV")).toBool(), shown);
    }
};

QTEST_MAIN(TestInstallWizard)
#include "tst_installwizard.moc"
