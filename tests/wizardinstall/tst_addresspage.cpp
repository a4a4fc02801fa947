// The address page and the whole install wizard on a real network: the namespace bed with the
// simulated server, the client's vc0 marked static with gateway 198.18.0.2 in its own
// /etc/network/interfaces and 198.18.0.53 as its DNS server (files the bed mounts into the
// client namespace only). Addresses the server namespace holds answer a ping; "dead" ones have a
// permanent neighbour entry that points at a MAC nobody has, so a ping to them never ends
// within the 2 s window. Every other address is left alone.
//
// The same binary also runs in a fresh, empty network namespace (IWT_EMPTY_NETNS=1, functions
// named on the command line) for a computer without a usable interface and one that takes its
// address by DHCP.
#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cstdio>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CVorkWizardInstall.h"
#include "CWizIPDialog.h"
#include "CWizInstIntro.h"
#include "CWizPWDialog.h"
#include "installwiztest.h"
#include "netnsbed.h"

using iwt::makeRecord;
using iwt::netAddr;

namespace {

const char *const VS209 = "quenlori_arm5281_vs209";

bool emptyNamespaceRun()
{
    return qgetenv("IWT_EMPTY_NETNS") == "1";
}

// QSKIP leaves the calling function only, so these stay macros.
#define NEED_BED()                                                                                \
    do {                                                                                          \
        if (emptyNamespaceRun())                                                                  \
            QSKIP("needs the namespace bed");                                                     \
    } while (0)
#define NEED_EMPTY_NAMESPACE()                                                                    \
    do {                                                                                          \
        if (!emptyNamespaceRun())                                                                 \
            QSKIP("runs in a fresh empty namespace (tst_addresspage_nohost)");                   \
    } while (0)

bool deadNeighbour(const QString &address, bool on = true)
{
    QStringList args{QStringLiteral("neigh"), on ? QStringLiteral("replace") : QStringLiteral("del"),
                     address};
    if (on)
        args << QStringLiteral("lladdr") << QStringLiteral("02:00:00:00:00:99");
    args << QStringLiteral("dev") << QStringLiteral("vc0");
    if (on)
        args << QStringLiteral("nud") << QStringLiteral("permanent");
    return bed::ip(args) == 0;
}

bool serverHolds(const QString &address, bool on)
{
    return bed::ipServer({QStringLiteral("addr"), on ? QStringLiteral("add") : QStringLiteral("del"),
                          address + QStringLiteral("/24"), QStringLiteral("dev"),
                          QStringLiteral("vs0")}) == 0;
}

// A server that has not answered on its web port, seen by this computer as 198.18.0.1.
NASINFO unconnected(const char *mac, const char *name, uint32_t state = 0)
{
    NASINFO n = makeRecord(mac, name, VS209, 1869, state);
    n.ulRemoteIP = netAddr(198, 18, 0, 1);
    n.ulIP = netAddr(198, 18, 0, 20);
    n.ulMask = netAddr(255, 255, 255, 0);
    n.ulDHCP = 1;
    return n;
}

void toAddressPage(CVorkWizardInstall &w, const char *name)
{
    w.show();
    w.next();
    QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));
    w.setField(QStringLiteral("Passwd"), QStringLiteral("pw"));
    w.setField(QStringLiteral("Confirm"), QStringLiteral("pw"));
    w.setField(QStringLiteral("ServerName"), QString::fromLatin1(name));
    w.next();
    QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
}

// Closes the next pinger dialog that shows, `afterMs` after it showed.
void closePingerSoon(int afterMs)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, afterMs] {
        CVorkDialogNetPinger *p =
            dynamic_cast<CVorkDialogNetPinger *>(QApplication::activeModalWidget());
        if (!p)
            return;
        timer->stop();
        timer->deleteLater();
        QTimer::singleShot(afterMs, p, [p] { p->close(); });
    });
    timer->start();
}

} // namespace

class TestAddressPage : public QObject
{
    Q_OBJECT

private:
    iwt::PingGuard *m_guard = nullptr;
    QStringList m_held;
    QStringList m_dead;

    void hold(const QString &a)
    {
        QVERIFY(serverHolds(a, true));
        m_held << a;
    }
    void dead(const QString &a)
    {
        QVERIFY(deadNeighbour(a));
        m_dead << a;
    }

private slots:
    void initTestCase()
    {
        iwt::setProgramNames();
        qRegisterMetaType<NASINFO>("NASINFO");
        m_guard = new iwt::PingGuard;
    }
    void init() { m_guard->seen.clear(); }
    void cleanup()
    {
        for (const QString &a : m_held)
            serverHolds(a, false);
        for (const QString &a : m_dead)
            deadNeighbour(a, false);
        m_held.clear();
        m_dead.clear();
    }
    void cleanupTestCase()
    {
        QCOMPARE(m_guard->refused, 0);
        delete m_guard;
    }

    void proposesFreeAddressNextToHost()
    {
        NEED_BED();
        // .1 is this computer and .2 the server namespace: both answer. .3 is the first free.
        dead(QStringLiteral("198.18.0.3"));
        dead(QStringLiteral("198.18.0.11"));
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(unconnected("02:53:56:00:00:31", "Alpha"));
        QElapsedTimer t;
        t.start();
        toAddressPage(w, "Alpha");
        QVERIFY2(t.elapsed() >= iwt::PING_WINDOW_EARLIEST_MS, qPrintable(QString::number(t.elapsed())));
        CWizIPDialog *page = w.addressPage();

        QCOMPARE(m_guard->seen.size(), 1);
        QCOMPARE(m_guard->seen[0].mode, int(CVorkDialogNetPinger::MODE_SEARCH));
        QCOMPARE(m_guard->seen[0].start, 0xC6120001u);
        QVERIFY(!w.field(QStringLiteral("IsDHCP")).toBool());
        QVERIFY(page->m_prdoManual->isChecked());
        QVERIFY(page->m_plabSuggestManIP->isVisible());
        QVERIFY(!page->m_plabSuggestAutoIP->isVisible());
        QCOMPARE(w.field(QStringLiteral("IP")).toString(), QStringLiteral("198.18.0.3"));
        QCOMPARE(w.field(QStringLiteral("Netmask")).toString(), QStringLiteral("255.255.255.0"));
        QCOMPARE(w.field(QStringLiteral("Gateway")).toString(), QStringLiteral("198.18.0.2"));
        QCOMPARE(w.field(QStringLiteral("DNS")).toString(), QStringLiteral("198.18.0.53"));
        QCOMPARE(page->getSuggestionCounter(), 2);
        QCOMPARE(page->getBatchCounter(), 1);

        // After the page's own proposal a batch step from .10 starts at .11.
        m_guard->seen.clear();
        bool dhcp = false;
        QString ip = QStringLiteral("198.18.0.10"), mask = QStringLiteral("255.255.255.0");
        QString gateway, dns;
        QVERIFY(page->getNextAddress(&dhcp, ip, mask, gateway, dns, true));
        QCOMPARE(ip, QStringLiteral("198.18.0.11"));
        QCOMPARE(m_guard->seen.size(), 1);
        QCOMPARE(m_guard->seen[0].start, 0xC612000Bu);

        // A later visit searches nothing and keeps the entry.
        m_guard->seen.clear();
        page->m_pedtIP->setText(QStringLiteral("198.18.0.44"));
        w.back();
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
        QVERIFY(m_guard->seen.isEmpty());
        QCOMPARE(page->m_pedtIP->text(), QStringLiteral("198.18.0.44"));
        QVERIFY(page->m_prdoManual->isChecked());

        // A search the user closed found no free address: the box, then DHCP without a
        // proposal, never this computer's own address as the server's recommended one.
        iwt::ModalDriver driver;
        CVorkWizardInstall closed(nullptr, nullptr, false);
        closed.addNasinfo(unconnected("02:53:56:00:00:33", "Gamma"));
        closePingerSoon(300);
        toAddressPage(closed, "Gamma");
        QCOMPARE(driver.texts(), QStringList{QStringLiteral("Failed to get the suggested network settings.")});
        QVERIFY(closed.field(QStringLiteral("IsDHCP")).toBool());
        QVERIFY(closed.addressPage()->m_prdoDHCP->isChecked());
        QVERIFY(!closed.addressPage()->m_plabSuggestManIP->isVisible());
        QVERIFY(closed.field(QStringLiteral("IP")).toString().isEmpty());
    }

    void batchAddresses()
    {
        NEED_BED();
        dead(QStringLiteral("198.18.0.10"));
        dead(QStringLiteral("198.18.0.11"));
        for (int i = 250; i <= 254; ++i)
            hold(QStringLiteral("198.18.0.%1").arg(i));

        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(unconnected("02:53:56:00:00:31", "Alpha"));
        w.addNasinfo(unconnected("02:53:56:00:00:32", "Beta"));
        CNasConfig entered(false, false, QString(), QStringLiteral("198.18.0.10"),
                           QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.2"),
                           QStringLiteral("198.18.0.53"), QStringLiteral("pw"),
                           QStringLiteral("node##"), 0, QString());
        // Fresh counters: the first server gets the base itself, the second the next one.
        CNasConfig first = entered;
        w.assignNextAddress(&first);
        CNasConfig second = entered;
        w.assignNextAddress(&second);
        QCOMPARE(first.getIP(), QStringLiteral("198.18.0.10"));
        QCOMPARE(second.getIP(), QStringLiteral("198.18.0.11"));
        QVERIFY(!first.isDHCP() && !second.isDHCP());
        QCOMPARE(second.getNetmask(), QStringLiteral("255.255.255.0"));
        QCOMPARE(second.getGateway(), QStringLiteral("198.18.0.2"));
        QCOMPARE(second.getDNS(), QStringLiteral("198.18.0.53"));

        // From .248 (offset 2 from now on): .250 up to the subnet's end all answer, so nothing is
        // free: one box, and that server falls back to DHCP.
        iwt::ModalDriver driver;
        CNasConfig third(false, false, QString(), QStringLiteral("198.18.0.248"),
                         QStringLiteral("255.255.255.0"), QString(), QString(), QStringLiteral("pw"),
                         QStringLiteral("node##"), 0, QString());
        w.assignNextAddress(&third);
        QVERIFY(third.isDHCP());
        QCOMPARE(driver.texts(),
                 QStringList{QStringLiteral("Failed to get the suggested network settings.")});
        QCOMPARE(driver.boxes[0].title, QStringLiteral("Error"));
        QCOMPARE(driver.boxes[0].buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(m_guard->seen.size(), 3);
        QCOMPARE(m_guard->seen[2].start, 0xC61200FAu);
    }

    void validateWithPing()
    {
        NEED_BED();
        dead(QStringLiteral("198.18.0.3"));
        NASINFO n = unconnected("02:53:56:00:00:31", "Alpha");
        n.ulConnected = 1; // its own settings: no search on the first visit
        n.ulDHCP = 0;
        n.ulIP = netAddr(198, 18, 0, 2);
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(n);
        toAddressPage(w, "Alpha");
        QVERIFY(m_guard->seen.isEmpty());
        CWizIPDialog *page = w.addressPage();
        QCOMPARE(page->m_pedtIP->text(), QStringLiteral("198.18.0.2"));
        iwt::ModalDriver driver;

        // The server's current address is not pinged: it would answer.
        QVERIFY(page->validateFields());
        QVERIFY(m_guard->seen.isEmpty());
        QVERIFY(driver.boxes.isEmpty());

        // Another record: the same address is now someone else's and is in use.
        NASINFO other = n;
        other.ulIP = netAddr(198, 18, 0, 20);
        w.setNasinfo(&other);
        QVERIFY(!page->validateFields());
        QCOMPARE(m_guard->seen.size(), 1);
        QCOMPARE(m_guard->seen[0].mode, int(CVorkDialogNetPinger::MODE_CHECK));
        QCOMPARE(driver.texts(), QStringList{QStringLiteral("The specified IP address is in use.")});
        QCOMPARE(driver.boxes[0].title, QStringLiteral("Error"));

        // A free address passes after its full window.
        driver.reset();
        page->m_pedtIP->setText(QStringLiteral("198.18.0.3"));
        QElapsedTimer t;
        t.start();
        QVERIFY(page->validateFields());
        QVERIFY2(t.elapsed() >= iwt::PING_WINDOW_EARLIEST_MS, qPrintable(QString::number(t.elapsed())));
        QVERIFY(driver.boxes.isEmpty());

        // Closing the check leaves the address acceptable, at once rather than when the window
        // closes.
        page->m_pedtIP->setText(QStringLiteral("198.18.0.3"));
        closePingerSoon(300);
        t.restart();
        QVERIFY(page->validateFields());
        QVERIFY2(t.elapsed() < tsup::before(iwt::PING_WINDOW_EARLIEST_MS),
                 qPrintable(QString::number(t.elapsed())));
        QVERIFY(driver.boxes.isEmpty());
    }

    void wholeInstallRun()
    {
        NEED_BED();
        // The unit as the real discovery thread reports it.
        CFindHostUDP::addRecvPktType(FHOST_PKT_BRESPONSE);
        QList<NASINFO> answers;
        {
            CFindHostUDP thread(nullptr, 3, 9999, QStringLiteral("0.0.0.0"));
            QObject::connect(&thread, &CFindHostUDP::signalRecvPkt, &thread,
                             [&answers](NASINFO n) { answers << n; }, Qt::QueuedConnection);
            thread.start();
            QTest::qWait(300);
            QVERIFY(thread.slotSendPktBroadCast(1));
            QVERIFY(iwt::waitFor([&] {
                for (const NASINFO &a : answers)
                    if (qstrcmp(a.szMac, "02:53:56:00:00:21") == 0)
                        return true;
                return false;
            }, 5000));
            QVERIFY(thread.wait(tsup::guardMs(15000)));
        }
        NASINFO unit;
        for (const NASINFO &a : answers)
            if (qstrcmp(a.szMac, "02:53:56:00:00:21") == 0)
                unit = a;
        QCOMPARE(unit.ulConfigured, 2u);
        QCOMPARE(unit.ulBuild, 1139u);
        QCOMPARE(unit.ulRemoteIP, netAddr(198, 18, 0, 1));

        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString pat = tmp.filePath(QStringLiteral("VNO files/quenlori_arm5281_vs209_1869.pat"));
        QVERIFY(QDir().mkpath(QFileInfo(pat).absolutePath()));
        {
            QFile f(pat);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("test installation file\n");
        }
        dead(QStringLiteral("198.18.0.3"));
        dead(QStringLiteral("198.18.0.4"));

        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(unit);
        w.show();
        CWizInstIntro *intro = w.introPage();
        QVERIFY(intro->m_plabWarnMsg->isVisible());
        QVERIFY(!w.button(QWizard::NextButton)->isEnabled());
        iwt::ModalDriver driver;
        driver.planFiles({pat});
        QTest::mouseClick(intro->m_pbtnOpen, Qt::LeftButton);
        QVERIFY(driver.boxes.isEmpty());
        QVERIFY(w.button(QWizard::NextButton)->isEnabled());
        QTest::mouseClick(w.button(QWizard::NextButton), Qt::LeftButton);
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_PASSWORD));

        CWizPWDialog *pw = w.passwordPage();
        QCOMPARE(pw->m_pedtServer->text(), QStringLiteral("VarnestorNew"));
        QVERIFY(pw->m_pchkQBV->isVisible());
        pw->m_pchkQBV->setChecked(false);
        pw->m_pedtServer->clear();
        QTest::keyClicks(pw->m_pedtServer, QStringLiteral("Archive-2"));
        QTest::keyClicks(pw->m_pedtPassword, QStringLiteral("Very long secret phrase"));
        QTest::keyClicks(pw->m_pedtConfirm, QStringLiteral("Very long secret phrase"));
        QTest::mouseClick(w.button(QWizard::NextButton), Qt::LeftButton);
        QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
        CWizIPDialog *ipPage = w.addressPage();
        QCOMPARE(ipPage->m_pedtIP->text(), QStringLiteral("198.18.0.3"));

        // The user takes the next address instead; Finish pings it.
        ipPage->m_pedtIP->clear();
        QTest::keyClicks(ipPage->m_pedtIP, QStringLiteral("198.18.0.4"));
        m_guard->seen.clear();
        QTest::mouseClick(w.button(QWizard::FinishButton), Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(driver.boxes.isEmpty());
        QCOMPARE(m_guard->seen.size(), 1);
        QCOMPARE(m_guard->seen[0].mode, int(CVorkDialogNetPinger::MODE_CHECK));
        QCOMPARE(m_guard->seen[0].start, 0xC6120004u);

        // What the main window takes once the wizard was accepted.
        const CNasConfig cfg(*w.createNasConfig());
        QVERIFY(!cfg.isDHCP());
        QVERIFY(!cfg.isDoQBV());
        QCOMPARE(cfg.getIP(), QStringLiteral("198.18.0.4"));
        QCOMPARE(cfg.getNetmask(), QStringLiteral("255.255.255.0"));
        QCOMPARE(cfg.getGateway(), QStringLiteral("198.18.0.2"));
        QCOMPARE(cfg.getDNS(), QStringLiteral("198.18.0.53"));
        QCOMPARE(cfg.getServerName(), QStringLiteral("Archive-2"));
        QCOMPARE(cfg.getPassword(), QStringLiteral("Very long secret phrase"));
        QCOMPARE(cfg.getPatPath(), pat);
        QVERIFY(cfg.getPatPath().contains(QLatin1Char('/')));
        QVERIFY(!cfg.getPatPath().contains(QLatin1Char('\\')));
        QVERIFY(QDateTime::fromString(cfg.getDateTime(), QStringLiteral("yyyy/MM/dd hh:mm:ss")).isValid());
    }

    void noInterface()
    {
        NEED_EMPTY_NAMESPACE();
        // Nothing but a loopback that is down: DHCP with empty fields, no search.
        for (int targets = 1; targets <= 2; ++targets) {
            CVorkWizardInstall w(nullptr, nullptr, false);
            w.addNasinfo(unconnected("02:53:56:00:00:31", "Alpha"));
            if (targets == 2)
                w.addNasinfo(unconnected("02:53:56:00:00:32", "Beta"));
            w.show();
            w.next();
            w.setField(QStringLiteral("ServerName"), QStringLiteral("node"));
            iwt::ModalDriver driver;
            w.next();
            QVERIFY(driver.boxes.isEmpty());
            QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
            CWizIPDialog *page = w.addressPage();
            QVERIFY(m_guard->seen.isEmpty());
            QVERIFY(w.field(QStringLiteral("IsDHCP")).toBool());
            QVERIFY(page->m_pedtIP->text().isEmpty());
            QVERIFY(page->m_pedtNetmask->text().isEmpty());
            QVERIFY(page->m_pedtGateway->text().isEmpty());
            QVERIFY(page->m_pedtDNS->text().isEmpty());
            QVERIFY(!page->m_plabSuggestAutoIP->isVisible());
            QVERIFY(!page->m_plabSuggestManIP->isVisible());
            // A batch can then only use DHCP.
            QCOMPARE(page->m_prdoManual->isEnabled(), targets == 1);
            // (the edits themselves, not through their group, which DHCP disables anyway)
            QCOMPARE(page->m_pedtIP->isEnabledTo(page->m_pgrpManual), targets == 1);
            QCOMPARE(page->m_pedtNetmask->isEnabledTo(page->m_pgrpManual), targets == 1);
            QCOMPARE(page->m_pedtGateway->isEnabledTo(page->m_pgrpManual), targets == 1);
            QCOMPARE(page->m_pedtDNS->isEnabledTo(page->m_pgrpManual), targets == 1);
        }
    }

    void dhcpHost()
    {
        NEED_EMPTY_NAMESPACE();
        // An interface with an address that no configuration file sets by hand: this computer
        // takes its address by DHCP, and so should the server. Nothing is pinged.
        QCOMPARE(bed::ip({"link", "add", "iwt0", "type", "veth", "peer", "name", "iwt1"}), 0);
        QCOMPARE(bed::ip({"addr", "add", "198.18.7.1/24", "dev", "iwt0"}), 0);
        QCOMPARE(bed::ip({"link", "set", "iwt1", "up"}), 0);
        QCOMPARE(bed::ip({"link", "set", "iwt0", "up"}), 0);
        for (int targets = 1; targets <= 2; ++targets) {
            CVorkWizardInstall w(nullptr, nullptr, false);
            NASINFO n = unconnected("02:53:56:00:00:31", "Alpha");
            n.ulRemoteIP = netAddr(198, 18, 7, 1);
            w.addNasinfo(n);
            if (targets == 2)
                w.addNasinfo(unconnected("02:53:56:00:00:32", "Beta"));
            w.show();
            w.next();
            w.setField(QStringLiteral("ServerName"), QStringLiteral("node"));
            iwt::ModalDriver driver;
            w.next();
            QVERIFY(driver.boxes.isEmpty());
            QCOMPARE(w.currentId(), int(CVorkWizardInstall::PAGE_IP));
            CWizIPDialog *page = w.addressPage();
            QVERIFY(m_guard->seen.isEmpty());
            QVERIFY(w.field(QStringLiteral("IsDHCP")).toBool());
            QVERIFY(page->m_pedtIP->text().isEmpty());
            QCOMPARE(page->m_prdoManual->isEnabled(), targets == 1);
            QCOMPARE(page->m_pedtIP->isEnabledTo(page->m_pgrpManual), targets == 1);
        }
        bed::ip({"link", "del", "iwt0"});
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (emptyNamespaceRun()) {
        // Only inside a namespace of our own that holds nothing but its loopback.
        QString links;
        if (bed::ip({QStringLiteral("-o"), QStringLiteral("link")}, &links) != 0 ||
            links.split('\n', Qt::SkipEmptyParts).size() != 1 ||
            !links.contains(QLatin1String(" lo:"))) {
            fprintf(stderr, "skipped: not in a fresh network namespace\n");
            return 77;
        }
    } else {
        QString why;
        if (!bed::active(&why)) {
            fprintf(stderr, "skipped: %s\n", qPrintable(why));
            return 77;
        }
    }
    TestAddressPage tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_addresspage.moc"
