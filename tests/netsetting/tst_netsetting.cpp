// The network wizard, the progress dialog and the network-setting job without a network. The
// job's discovery thread is never started and the job is started with no sending at all, so
// nothing leaves this computer; answers are emitted from another thread, as the discovery thread
// emits them. Every record that reaches the address page is one whose web port answered, so the
// page proposes the server's own settings and never pings; a pinger window would fail the test.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "BoxAnswerer.h"
#include "CNasConfig.h"
#include "CVorkDialogNetPinger.h"
#include "CVorkWizardNetSetting.h"
#include "CWaitScale.h"
#include "CWizCnfmPWDialog.h"
#include "CWizIPDialog.h"
#include "CWizNetProgDialog.h"
#include "CWizStartDialog.h"
#include "netsettest.h"

using namespace nst;
using tsup::deliver;
using tsup::post;
using tsup::spin;
using tsup::waitFor;

namespace {

const char kMac[] = "02:53:56:00:0a:0b";

// A ready server whose web port answered, on a fixed address.
NASINFO connectedRecord(const char *mac = kMac)
{
    NASINFO n = record(mac, "Vault");
    n.ulConnected = 1;
    n.ulDHCP = 0;
    n.ulIP = netAddr(198, 18, 0, 40);
    n.ulMask = netAddr(255, 255, 255, 0);
    n.ulGateway = netAddr(198, 18, 0, 254);
    return n;
}

// Counts every pinger window that tries to show, and keeps it from pinging.
class PingerWatch : public QObject
{
public:
    PingerWatch() { qApp->installEventFilter(this); }
    ~PingerWatch() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        CVorkDialogNetPinger *pinger = dynamic_cast<CVorkDialogNetPinger *>(watched);
        if (!pinger)
            return false;
        ++shown;
        QTimer::singleShot(0, pinger, [pinger] { pinger->reject(); });
        return true;
    }
};

// Shows the wizard and walks to the address page.
void toAddressPage(CVorkWizardNetSetting &w)
{
    w.show();
    QCOMPARE(w.currentId(), int(CVorkWizardNetSetting::PAGE_START));
    w.next();
    QCOMPARE(w.currentId(), int(CVorkWizardNetSetting::PAGE_PASSWORD));
    w.next();
    QCOMPARE(w.currentId(), int(CVorkWizardNetSetting::PAGE_IP));
}

} // namespace

class TestNetSetting : public QObject
{
    Q_OBJECT

    PingerWatch *m_pingers = nullptr;

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        qRegisterMetaType<NASINFO>("NASINFO");
        m_pingers = new PingerWatch;
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_pingers->shown, 0);
        delete m_pingers;
    }

    void wizardFrame()
    {
        CVorkWizardNetSetting w(nullptr, nullptr);
        QCOMPARE(w.getWizardType(), 1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quenlori Vornakeeper - Setup Wizard"));
        QCOMPARE(w.pageIds(), (QList<int>{0, 1, 2}));
        CWizStartDialog *start = qobject_cast<CWizStartDialog *>(w.page(0));
        QVERIFY(start);
        QCOMPARE(start->title(), QStringLiteral("Welcome to the Network Wizard!"));
        QCOMPARE(start->subTitle(), QStringLiteral("Network Wizard will help you complete the "
                                                   "network configurations of Quenlori Server."));
        CWizCnfmPWDialog *password = qobject_cast<CWizCnfmPWDialog *>(w.page(1));
        QVERIFY(password);
        QCOMPARE(password->m_plblHint->text(),
                 QStringLiteral("Only the administrator account can change the network settings. "
                                "Please enter the administrator's password."));
        QVERIFY(qobject_cast<CWizIPDialog *>(w.page(2)));
        QCOMPARE(w.getNasinfoCount(), 0);
        QVERIFY(!w.getNasinfo());
    }

    // Every target is kept in order; the wizard works on its own copy of the last one.
    void targets()
    {
        CVorkWizardNetSetting w(nullptr, nullptr);
        NASINFO first = connectedRecord("02:53:56:00:0a:01");
        NASINFO second = connectedRecord("02:53:56:00:0a:02");
        w.addNasinfo(&first);
        w.addNasinfo(nullptr);
        w.addNasinfo(&second);
        qstrncpy(second.szServerName, "Changed", sizeof(second.szServerName));
        QCOMPARE(w.getNasinfoCount(), 2);
        const QList<NASINFO> list = w.getNasinfoList();
        QCOMPARE(QByteArray(list[0].szMac), QByteArray("02:53:56:00:0a:01"));
        QCOMPARE(QByteArray(list[1].szMac), QByteArray("02:53:56:00:0a:02"));
        QCOMPARE(QByteArray(list[1].szServerName), QByteArray("Vault"));
        QVERIFY(w.getNasinfo());
        QCOMPARE(QByteArray(w.getNasinfo()->szMac), QByteArray("02:53:56:00:0a:02"));
        QCOMPARE(QByteArray(w.getNasinfo()->szServerName), QByteArray("Vault"));
    }

    // The first two pages pass whatever they hold; the address page checks a manual address
    // only, and the server's own address without a ping.
    void pageChecks()
    {
        CVorkWizardNetSetting w(nullptr, nullptr);
        const NASINFO n = connectedRecord();
        w.addNasinfo(&n);
        BoxAnswerer boxes;
        w.show();
        QVERIFY(w.validateCurrentPage());
        w.next();
        QVERIFY(w.field(QStringLiteral("ConfirmPasswd")).toString().isEmpty());
        QVERIFY(w.validateCurrentPage());
        w.next();
        QCOMPARE(w.currentId(), int(CVorkWizardNetSetting::PAGE_IP));
        CWizIPDialog *page = w.addressPage();
        // The server's own settings are proposed.
        QVERIFY(!w.field(QStringLiteral("IsDHCP")).toBool());
        QCOMPARE(page->m_pedtIP->text(), QStringLiteral("198.18.0.40"));

        page->m_pedtIP->setText(QStringLiteral("0.1.2.3"));
        QVERIFY(!w.validateCurrentPage());
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Invalid IP address.")});
        QCOMPARE(boxes.seen.value(0).title, QStringLiteral("Error"));
        QCOMPARE(w.currentId(), int(CVorkWizardNetSetting::PAGE_IP));

        boxes.reset();
        page->m_pedtIP->setText(QStringLiteral("198.18.0.40"));
        QVERIFY(w.validateCurrentPage());
        QVERIFY(boxes.seen.isEmpty());
    }

    // With DHCP the fields are not checked at all, and Finish closes the wizard accepted; the
    // settings then carry the address texts as they stand.
    void dhcpPassesWithoutChecks()
    {
        CVorkWizardNetSetting w(nullptr, nullptr);
        const NASINFO n = connectedRecord();
        w.addNasinfo(&n);
        BoxAnswerer boxes;
        toAddressPage(w);
        CWizIPDialog *page = w.addressPage();
        page->m_pedtIP->setText(QStringLiteral("0.1.2.3"));
        page->m_pedtNetmask->setText(QStringLiteral("255.0.255.0"));
        page->m_prdoDHCP->click();
        QVERIFY(w.field(QStringLiteral("IsDHCP")).toBool());
        w.button(QWizard::FinishButton)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(!w.isVisible());
        QVERIFY(boxes.seen.isEmpty());

        const CNasConfig *cfg = w.createNasConfig();
        QVERIFY(cfg->isDHCP());
        QCOMPARE(cfg->getIP(), QStringLiteral("0.1.2.3"));
        QCOMPARE(cfg->getNetmask(), QStringLiteral("255.0.255.0"));
        QCOMPARE(cfg->getGateway(), QStringLiteral("198.18.0.254"));
    }

    void settingsFromTheFields()
    {
        CVorkWizardNetSetting w(nullptr, nullptr);
        const NASINFO n = connectedRecord();
        w.addNasinfo(&n);
        toAddressPage(w);
        w.setField(QStringLiteral("ConfirmPasswd"), QStringLiteral("pa ss wörd"));
        w.setField(QStringLiteral("IP"), QStringLiteral("198.18.0.77"));
        w.setField(QStringLiteral("Netmask"), QStringLiteral("255.255.0.0"));
        w.setField(QStringLiteral("Gateway"), QStringLiteral("198.18.0.1"));
        w.setField(QStringLiteral("DNS"), QStringLiteral("198.18.0.53"));
        const CNasConfig first(*w.createNasConfig());
        QVERIFY(!first.isDHCP());
        QVERIFY(!first.isDoQBV());
        QCOMPARE(first.getIP(), QStringLiteral("198.18.0.77"));
        QCOMPARE(first.getNetmask(), QStringLiteral("255.255.0.0"));
        QCOMPARE(first.getGateway(), QStringLiteral("198.18.0.1"));
        QCOMPARE(first.getDNS(), QStringLiteral("198.18.0.53"));
        QCOMPARE(first.getPassword(), QStringLiteral("pa ss wörd"));
        QVERIFY(first.getServerName().isEmpty());
        QVERIFY(first.getPatPath().isEmpty());
        // Built anew from the fields as they are now.
        w.setField(QStringLiteral("IP"), QStringLiteral("198.18.0.78"));
        QCOMPARE(w.createNasConfig()->getIP(), QStringLiteral("198.18.0.78"));
    }

    void progressDialog()
    {
        CWizNetProgDialog dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("CWizNetProgDialogBase"));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QCOMPARE(dialog.size(), QSize(565, 221));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Progress: Applying network settings ..."));
        QCOMPARE(dialog.m_lblDescript1->text(), QStringLiteral("Applying network settings..."));
        QCOMPARE(dialog.m_lblDescript2->text(),
                 QStringLiteral("It may take a few minutes. Please wait..."));
        dialog.setMaximum(125000);
        dialog.slotUpdateProgress(42000);
        QCOMPARE(dialog.m_prg->maximum(), 125000);
        QCOMPARE(dialog.m_prg->value(), 42000);

        QTimer::singleShot(50, &dialog, &CWizNetProgDialog::slotFinished);
        QTimer::singleShot(tsup::guardMs(10000), &dialog, [&dialog] { dialog.done(-1); }); // bound
        QCOMPARE(dialog.exec(), 1);
        QVERIFY(!dialog.isVisible());
    }

    // The signatures the main window connects by.
    void jobInterface()
    {
        const QMetaObject &mo = CNetSetting::staticMetaObject;
        QStringList methods;
        for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
            methods << QString::fromLatin1(mo.method(i).methodSignature());
        QCOMPARE(methods, (QStringList{"signalNetSettingFinished(CNetSetting::NETSETTING_STATUS,ulong)",
                                       "signalUpdateProgress(int)", "slotPktReceived(NASINFO)",
                                       "slotNetSettingTimeout()", "slotUpdateProgress()"}));
        CNetSetting job(nullptr, nullptr, nullptr);
        QCOMPARE(int(job.getStatus()), 0);
        QCOMPARE(job.getTimeout(), 125000ul);
        QCOMPARE(job.getError(), 0ul);
        QCOMPARE(job.getElapsed(), 0ul);
        // Without a discovery thread nothing is sent, and the job can only time out.
        QVERIFY(!job.start(1));
        QCOMPARE(int(job.getStatus()), 1);
    }

    // Answers that are not the target's search answer change nothing; the target's answer ends
    // the job once, with its error.
    void answerChecks()
    {
        CFindHostUDP udp(nullptr, -1, 9999, QString());
        const NASINFO target = record(kMac, "Vault");
        const CNasConfig cfg(true, false, QString(), QString(), QString(), QString(), QStringLiteral("pw"));
        CNetSetting job(&udp, &cfg, &target);
        SignalLog log;
        log.attach(job);
        tsup::LogCapture debug;
        QVERIFY(!job.start(0)); // listening, nothing sent
        QCOMPARE(job.getTargetMac(), QString::fromLatin1(kMac));

        post(udp, answer(kMac, FHOST_PKT_NETSET, 0x01020000, 7));
        post(udp, answer(kMac, FHOST_PKT_JRESPONSE, 0x01020000, 7));
        post(udp, answer(kMac, FHOST_PKT_BRESPONSE, 0x02020000, 7)); // bit 25, not bit 24
        post(udp, answer("02:53:56:00:0A:0B", FHOST_PKT_BRESPONSE, 0x01020000, 7));
        deliver();
        QCOMPARE(int(job.getStatus()), 1);
        QCOMPARE(job.getError(), 0ul);
        QCOMPARE(log.count('f'), 0);
        QCOMPARE(debug.countExact(QStringLiteral("Not a response packet. ignore it.\n")), 2);
        QCOMPARE(debug.countExact(QStringLiteral("packet version incorrect. \n")), 1);
        QCOMPARE(debug.countExact(QStringLiteral("the packet mac-address does not match. \n")), 1);
        QCOMPARE(debug.countExact(QStringLiteral("NetSetting VerifyRcvPkt: nasinfo.ulPacketType: 3  "
                                            "nasinfo.ulFindHostVersion: 16908288")), 1);
        QCOMPARE(debug.countExact(QStringLiteral("NetSetting VerifyRcvPkt: m_szMac: 02:53:56:00:0a:0b  "
                                            "nasinfo.szMac: 02:53:56:00:0A:0B")), 1);

        // Version 0x01000000 alone is enough; two answers queued together finish it once.
        post(udp, answer(kMac, FHOST_PKT_BRESPONSE, 0x01000000, 2));
        post(udp, answer(kMac, FHOST_PKT_BRESPONSE, 0x01020000, 0));
        deliver();
        QCOMPARE(int(job.getStatus()), 2);
        QCOMPARE(job.getError(), 2ul);
        QCOMPARE(job.getElapsed(), 125000ul);
        QCOMPARE(log.events.size(), 1);
        QCOMPARE(log.events[0].status, 2);
        QCOMPARE(log.events[0].error, 2ul);
        // No tick after the end, and the job no longer listens.
        spin(100);
        QCOMPARE(log.events.size(), 1);
        QVERIFY(!QObject::disconnect(&udp, &CFindHostUDP::signalRecvPkt, &job,
                                     &CNetSetting::slotPktReceived));
    }

    // The target MAC is the record's first 31 characters, compared exactly.
    void longMacCutTo31()
    {
        CFindHostUDP udp(nullptr, -1, 9999, QString());
        const char longMac[] = "02:53:56:00:0a:0b:0c:0d:0e:0f:10:11"; // 35 characters
        const NASINFO target = record(longMac, "Vault");
        CNetSetting job(&udp, nullptr, &target);
        job.start(0);
        QCOMPARE(job.getTargetMac(), QString::fromLatin1(longMac).left(31));
        post(udp, answer(longMac));
        deliver();
        QCOMPARE(int(job.getStatus()), 1);
        post(udp, answer(QByteArray(longMac).left(31).constData(), FHOST_PKT_BRESPONSE, 0x01020000, 4));
        deliver();
        QCOMPARE(int(job.getStatus()), 2);
        QCOMPARE(job.getError(), 4ul);
    }

    // Counted time: three ticks of 1000 for a time-out of 3000; the last tick reports after
    // the finish signal. A receiver that deletes the job at its finish is safe.
    void shortTimeout()
    {
        CWaitScale::setDivisor(100);
        CFindHostUDP udp(nullptr, -1, 9999, QString());
        const NASINFO target = record(kMac, "Vault");
        CNetSetting job(&udp, nullptr, &target);
        job.setTimeout(3000);
        SignalLog log;
        log.attach(job);
        job.start(0);
        QVERIFY(waitFor([&] { return log.count('f') == 1 && log.count('u') == 3; }, 10000));
        spin(100);
        QCOMPARE(log.events.size(), 4);
        QCOMPARE(log.events[0].value, 1000);
        QCOMPARE(log.events[1].value, 2000);
        QCOMPARE(log.events[2].kind, 'f');
        QCOMPARE(log.events[2].status, 3);
        QCOMPARE(log.events[3].kind, 'u');
        QCOMPARE(log.events[3].value, 3000);
        QCOMPARE(int(job.getStatus()), 3);
        // A late answer does not turn the time-out into a result.
        post(udp, answer(kMac));
        deliver();
        QCOMPARE(int(job.getStatus()), 3);
        QCOMPARE(log.events.size(), 4);

        QPointer<CNetSetting> doomed = new CNetSetting(&udp, nullptr, &target);
        doomed->setTimeout(1000);
        int progressAfter = 0;
        connect(doomed, &CNetSetting::signalNetSettingFinished, [&doomed] { delete doomed; });
        connect(doomed, &CNetSetting::signalUpdateProgress, [&progressAfter] { ++progressAfter; });
        doomed->start(0);
        QVERIFY(waitFor([&] { return doomed.isNull(); }, 10000));
        QCOMPARE(progressAfter, 0);
        CWaitScale::setDivisor(1);
    }
};

QTEST_MAIN(TestNetSetting)
#include "tst_netsetting.moc"
