// The network-install job without a server: the final-time arithmetic, the reboot answers, the
// quick-configuration failures and the cooperative stop. It runs in a network namespace of its
// own holding only loopback, so the quick-configuration command the job sends goes nowhere; the
// discovery answers are handed in as the discovery thread would hand them.
#include <QtTest>

#include <arpa/inet.h>
#include <cstring>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CThreadNetInstall.h"
#include "CWaitScale.h"
#include "HangGuard.h"
#include "netinstalltest.h"

namespace {

const char kMac[] = "02:53:56:00:0a:b1";

NASINFO record(const char *mac = kMac)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    strncpy(n.szServerName, "Fresh", sizeof(n.szServerName) - 1);
    n.ulConfigured = FHOSTQC_UNINSTALL;
    n.ulBuild = 2000;
    return n;
}

NASINFO packet(uint32_t type, const char *mac)
{
    NASINFO n = record(mac);
    n.ulPacketType = type;
    return n;
}

CNasConfig config()
{
    return CNasConfig(false, false, QStringLiteral("/nonexistent/VNO_M_1200.pat"),
                      QStringLiteral("127.0.0.1"), QStringLiteral("255.0.0.0"), QString(), QString(),
                      QStringLiteral("pw"), QStringLiteral("Installed"), 23,
                      QStringLiteral("2014/02/03 09:05:07"));
}

} // namespace

class TestNetInstall : public QObject
{
    Q_OBJECT

    // Never started: its senders still work, and answers are emitted on it by hand.
    CFindHostUDP *m_udp = nullptr;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
        m_udp = new CFindHostUDP(nullptr, 2, 9999, QString());
    }

    void cleanupTestCase() { delete m_udp; }

    void finalTimeArithmetic_data()
    {
        QTest::addColumn<QString>("wizard");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("sent");
        QTest::newRow("same day") << "2014/02/03 10:00:00" << qint64(1200) << "2014/02/03 10:20:00";
        QTest::newRow("next day") << "2014/02/03 23:50:00" << qint64(1200) << "2014/02/04 00:10:00";
        QTest::newRow("next year") << "2013/12/31 23:59:59" << qint64(1) << "2014/01/01 00:00:00";
        QTest::newRow("leap day") << "2016/02/28 23:00:00" << qint64(7200) << "2016/02/29 01:00:00";
        QTest::newRow("nothing elapsed") << "2014/02/03 09:05:07" << qint64(0) << "2014/02/03 09:05:07";
        QTest::newRow("hours") << "2014/02/03 09:05:07" << qint64(3 * 3600 + 61) << "2014/02/03 12:06:08";
        // A text the wizard cannot have written is sent unchanged, not emptied.
        QTest::newRow("unparsable") << "03.02.2014 10:00" << qint64(1200) << "03.02.2014 10:00";
        QTest::newRow("empty") << "" << qint64(1200) << "";
    }

    void finalTimeArithmetic()
    {
        QFETCH(QString, wizard);
        QFETCH(qint64, seconds);
        QFETCH(QString, sent);
        QCOMPARE(CThreadNetInstall::advanceDateTime(wizard, seconds), sent);
    }

    void freshJob()
    {
        const CNasConfig cfg = config();
        const NASINFO rec = record();
        CThreadNetInstall job(nullptr, m_udp, &cfg, &rec);
        QCOMPARE(job.getStage(), int(NI_STAGE_NONE));
        QCOMPARE(job.getPercent(), 0);
        QCOMPARE(job.getErrorCode(), 0ul);
        QCOMPARE(job.getQuickConfError(), 0ul);
        QCOMPARE(job.getNIBindPort(), 9998);
        QCOMPARE(job.getRebootState(), int(CThreadNetInstall::REBOOT_IDLE));
        QVERIFY(!job.isCancelled());
        // Stopping a job that never started does nothing and returns at once.
        QElapsedTimer t;
        t.start();
        job.terminate();
        QVERIFY(t.elapsed() < tsup::before(CThreadNetInstall::STOP_WAIT_MS)); // without waiting for a thread
        QVERIFY(!job.isCancelled());
    }

    // The patch's build by the install intro page's rule, worked out once.
    void patchBuild()
    {
        CNasConfig cfg = config();
        cfg.setPatPath(QStringLiteral("/patches/Q2BAY_3001.pat"));
        NASINFO rec = record();
        strncpy(rec.szModelId, "Q2BAY", sizeof(rec.szModelId) - 1);
        CThreadNetInstall job(nullptr, m_udp, &cfg, &rec);
        QCOMPARE(job.getPatchBuild(), 3001ul);
        QCOMPARE(job.getPatchBuild(), 3001ul);

        cfg.setPatPath(QStringLiteral("/patches/OTHER_3001.pat"));
        CThreadNetInstall foreign(nullptr, m_udp, &cfg, &rec);
        QCOMPARE(foreign.getPatchBuild(), 0ul);
    }

    // Only search answers (2) and server answers (6) of exactly the target's MAC count; an
    // announcement once seen stays seen.
    void rebootAnswers()
    {
        const CNasConfig cfg = config();
        const NASINFO rec = record();
        CThreadNetInstall job(nullptr, m_udp, &cfg, &rec);
        tsup::LogCapture capture;
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_BRESPONSE, "02:53:56:00:0a:bF"));
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_BRESPONSE, "02:53:56:00:0a:b"));
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_QCF, kMac));
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_QUERY, kMac));
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_NETSET, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadNetInstall::REBOOT_IDLE));
        QString upper = QString::fromLatin1(kMac).toUpper();
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_BRESPONSE, upper.toLatin1().constData()));
        QCOMPARE(job.getRebootState(), int(CThreadNetInstall::REBOOT_IDLE));

        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_JRESPONSE, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadNetInstall::REBOOT_TIMEOUT));
        QVERIFY(!job.isRebootFinished());
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_BRESPONSE, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadNetInstall::REBOOT_FINISHED));
        QVERIFY(job.isRebootFinished());
        job.slotVerifyRebootRcvPkt(packet(FHOST_PKT_JRESPONSE, kMac));
        QCOMPARE(job.getRebootState(), int(CThreadNetInstall::REBOOT_FINISHED));

        QVERIFY(capture.countContaining(QStringLiteral(" nasinfo.ulPacketType=[2]")) >= 1);
        QVERIFY(capture.countContaining(QStringLiteral(" m_szMac=[02:53:56:00:0a:b1]")) >= 1);
        QVERIFY(capture.countContaining(QStringLiteral(" nasinfo.szMac=[02:53:56:00:0a:bF]")) == 1);
    }

    // Without a discovery thread the quick configuration cannot start.
    void noDiscoveryThread()
    {
        const CNasConfig cfg = config();
        const NASINFO rec = record();
        tsup::LogCapture capture;
        CThreadNetInstall job(nullptr, nullptr, &cfg, &rec);
        job.start(QThread::InheritPriority);
        QVERIFY(job.wait(tsup::guardMs(10000)));
        QCOMPARE(job.getStage(), int(NI_STAGE_SET_NET));
        QCOMPARE(job.getErrorCode(), ulong(NI_ERROR_QC_START));
        QCOMPARE(capture.countContaining(QStringLiteral("SendConfigPkt failed!")), 1);
        QCOMPARE(capture.countExact(QStringLiteral("NI: start QuickConf error!\n")), 1);
    }

    // No answer: 250 one-second polls count 125000 ms, then 309 at stage 1.
    void firstQuickConfUnanswered()
    {
        const CNasConfig cfg = config();
        const NASINFO rec = record();
        tsup::LogCapture capture;
        CThreadNetInstall job(nullptr, m_udp, &cfg, &rec);
        job.start(QThread::InheritPriority);
        QVERIFY(tsup::waitFor([&] { return job.isFinished(); }, 60000));
        QCOMPARE(job.getStage(), int(NI_STAGE_SET_NET));
        QCOMPARE(job.getErrorCode(), ulong(NI_ERROR_QC_UNFINISHED));
        QCOMPARE(job.getPercent(), 125000);
        QCOMPARE(capture.countExact(QStringLiteral("NI: QuickConf hasn't finished!\n")), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("QuickConf failed!")), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("NI: openSocekt error!")), 0);
    }

    // An answer with an error keeps the job waiting; the success that follows ends the wait,
    // and the job goes on to the install channel (here: nobody listens, so 300).
    void errorThenSuccess()
    {
        CNasConfig cfg = config();
        const NASINFO rec = record();
        tsup::LogCapture capture;
        CThreadNetInstall job(nullptr, m_udp, &cfg, &rec);
        job.start(QThread::InheritPriority);
        // The job's answer connection is made inside its thread; wait until it is listening.
        QVERIFY(tsup::waitFor([&] { return job.getPercent() >= 1000; }, 20000));
        NASINFO refused = packet(FHOST_PKT_BRESPONSE, kMac);
        refused.ulConfigured = FHOSTQC_DONE;
        refused.ulErrCode = 7;
        tsup::post(*m_udp, refused);
        QVERIFY(tsup::waitFor([&] { return job.getQuickConfError() == 7; }, 20000));
        QCOMPARE(job.getStage(), int(NI_STAGE_SET_NET));
        NASINFO good = refused;
        good.ulErrCode = 0;
        good.ulIP = inet_addr("127.0.0.1");
        tsup::post(*m_udp, good);
        QVERIFY(tsup::waitFor([&] { return job.isFinished(); }, 20000));
        QCOMPARE(job.getErrorCode(), ulong(NI_ERROR_OPEN_SOCKET));
        QCOMPARE(job.getStage(), int(NI_STAGE_SET_NET));
        QCOMPARE(job.getQuickConfError(), 0ul);
        QCOMPARE(capture.countContaining(QStringLiteral("QuickConf finished!")), 1);
        QCOMPARE(capture.countExact(QStringLiteral("fail in TCP-Connection.(Connection refused)")), 1);
        QCOMPARE(capture.countExact(QStringLiteral("NI: openSocekt error!\n")), 1);
    }

    // A cancel stops the job at once where it is, without an error. Stopping it without the
    // user's cancel (a failed job is stopped so) does not make it read as cancelled.
    void cancelDuringQuickConf_data()
    {
        QTest::addColumn<bool>("byUser");
        QTest::newRow("cancel") << true;
        QTest::newRow("stop") << false;
    }

    void cancelDuringQuickConf()
    {
        QFETCH(bool, byUser);
        const CNasConfig cfg = config();
        const NASINFO rec = record();
        CThreadNetInstall job(nullptr, m_udp, &cfg, &rec);
        job.start(QThread::InheritPriority);
        QVERIFY(tsup::waitFor([&] { return job.getPercent() >= 2000; }, 20000));
        qint64 took = 0;
        {
            // The rest of the wait at divisor 1: minutes, far longer than the stop wait.
            tsup::WaitDivisor full(1);
            QElapsedTimer t;
            t.start();
            if (byUser)
                job.setCancel(true);
            job.terminate();
            took = t.elapsed();
        }
        // Within a slice of the job, not its stop wait.
        QVERIFY2(took < tsup::before(CThreadNetInstall::STOP_WAIT_MS), qPrintable(QString::number(took)));
        QVERIFY(job.isFinished());
        QCOMPARE(job.getStage(), int(NI_STAGE_SET_NET));
        QCOMPARE(job.getErrorCode(), 0ul);
        QCOMPARE(job.isCancelled(), byUser);
    }

    // Deleting a running job (the program quits) stops it first: no fatal "Destroyed while
    // thread is still running", and quickly.
    void deleteWhileRunning()
    {
        const CNasConfig cfg = config();
        const NASINFO rec = record();
        QObject *owner = new QObject;
        auto *job = new CThreadNetInstall(owner, m_udp, &cfg, &rec);
        job->start(QThread::InheritPriority);
        QVERIFY(tsup::waitFor([&] { return job->getPercent() >= 1000; }, 20000));
        qint64 took = 0;
        {
            // The rest of the wait at divisor 1: minutes, far longer than the stop wait.
            tsup::WaitDivisor full(1);
            QElapsedTimer t;
            t.start();
            delete owner;
            took = t.elapsed();
        }
        // Within a slice of the job, not its stop wait.
        QVERIFY2(took < tsup::before(CThreadNetInstall::STOP_WAIT_MS), qPrintable(QString::number(took)));
    }
};

LOOPBACK_TEST_MAIN(TestNetInstall, QCoreApplication)

#include "tst_netinstall.moc"
