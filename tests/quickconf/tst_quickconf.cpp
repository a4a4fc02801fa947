// The quick-configuration job without a network: the test runs in a network namespace of its
// own that holds only loopback, so the job's real sender finds no interface and nothing leaves
// the process. Answers are emitted from another thread and so arrive queued, as from the
// discovery thread. The wait divisor is 100: 250 ticks take about 1.25 s.
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QtTest>

#include "CWaitScale.h"
#include "HangGuard.h"
#include "platforms.h"
#include "quickconftest.h"

using namespace qct;
using tsup::deliver;
using tsup::post;
using tsup::spin;
using tsup::waitFor;

class TestQuickConf : public QObject
{
    Q_OBJECT

    CFindHostUDP *m_udp = nullptr;

    // A started job with the default time-out, its answers from m_udp.
    CQuickConf *startedJob(const NASINFO &record = target())
    {
        const CNasConfig cfg = config();
        CQuickConf *job = new CQuickConf(m_udp, &cfg, &record);
        job->setTimeout(125000);
        job->start(&cfg, &record, 1, true);
        return job;
    }

private slots:
    void initTestCase()
    {
        // Only loopback here: nothing the job sends can reach any other host.
        const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
        for (const QNetworkInterface &i : all)
            QVERIFY2(i.flags() & QNetworkInterface::IsLoopBack, qPrintable(i.name()));
        QVERIFY(getLocalMacList().isEmpty());
        CWaitScale::setDivisor(100);
        qRegisterMetaType<NASINFO>("NASINFO");
        m_udp = new CFindHostUDP(nullptr, 2, 9999, QString());
    }

    void cleanupTestCase() { delete m_udp; }

    void constructedIdle()
    {
        const CNasConfig cfg = config();
        const NASINFO record = target();
        CQuickConf job(m_udp, &cfg, &record);
        QCOMPARE(job.getState(), int(CQuickConf::QC_STATE_IDLE));
        QCOMPARE(job.getTimeout(), 125000ul);
        QCOMPARE(job.getElapsed(), 0ul);
        QCOMPARE(job.getError(), 0ul);
        QCOMPARE(job.getTargetMac(), QString::fromLatin1(kTargetMac));
        QVERIFY(job.findChildren<QTimer *>().isEmpty());
        // Own copies, not the caller's.
        QVERIFY(job.getNasinfo() != &record);
        QCOMPARE(memcmp(job.getNasinfo(), &record, sizeof(record)), 0);
        QVERIFY(job.getNasConfig() != &cfg);
        QCOMPARE(job.getNasConfig()->getServerName(), QStringLiteral("NewName"));
    }

    void startWaits()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));
        QCOMPARE(job->getError(), 0ul);
        QCOMPARE(job->getElapsed(), 0ul);
        QTimer *timer = job->findChild<QTimer *>();
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 5); // 500 ms through the divisor
        // Nothing could be sent here, and start still reports 0.
        const CNasConfig cfg = config();
        const NASINFO record = target();
        QCOMPARE(job->start(&cfg, &record, 1, true), 0);
    }

    void answerTypes_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("search 1") << 1u << false;
        QTest::newRow("search answer 2") << 2u << true;
        QTest::newRow("network setting 3") << 3u << true;
        QTest::newRow("quick configuration 4") << 4u << false;
        QTest::newRow("server answer 6") << 6u << true;
        QTest::newRow("memory test 12") << 12u << false;
    }

    void answerTypes()
    {
        QFETCH(uint, type);
        QFETCH(bool, accepted);
        QScopedPointer<CQuickConf> job(startedJob());
        post(*m_udp, answer(type, FHOSTQC_DONE, 0));
        // Queued, not yet seen.
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));
        deliver();
        QCOMPARE(job->getState(),
                 int(accepted ? CQuickConf::QC_STATE_ANSWERED : CQuickConf::QC_STATE_WAITING));
        if (accepted) {
            QCOMPARE(job->getError(), 0ul);
            QCOMPARE(job->getElapsed(), 125000ul);
            QVERIFY(!job->findChild<QTimer *>()->isActive());
        }
    }

    void macMustMatchExactly()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0, "02:53:56:00:00:0a"));
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0, "02:53:56:00:00:0B"));
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0, "02:53:56:00:00:0A "));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));
        // A MAC slot filled to its last byte is read within the slot and does not match.
        NASINFO full = answer(2, FHOSTQC_DONE, 0);
        memset(full.szMac, 'A', sizeof(full.szMac));
        memset(full.szSrcNICMac, 'B', sizeof(full.szSrcNICMac));
        full.ulBuild = 3000;
        postAndDeliver(*m_udp, full);
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_ANSWERED));
    }

    // A server that is not configured yet, booting or checking keeps the job waiting.
    void notReadyStatesKeepWaiting()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        for (uint32_t state : {FHOSTQC_FALSE, FHOSTQC_BOOTING, FHOSTQC_QUOTA_CHECKING}) {
            postAndDeliver(*m_udp, answer(2, state, 0));
            QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));
            QCOMPARE(job->getNasinfo()->ulIP, target().ulIP);
        }
        QVERIFY(job->findChild<QTimer *>()->isActive());
        postAndDeliver(*m_udp, answer(2, FHOSTQC_SERVICE_STARTING, 0));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_ANSWERED));
    }

    void errorThenSuccess()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        postAndDeliver(*m_udp, answer(6, FHOSTQC_DONE, 7, kTargetMac, 2000, "198.18.0.66", "Refused"));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_ANSWERED));
        QCOMPARE(job->getError(), 7ul);
        // Still counting and listening; the record is not touched by a refusal.
        QVERIFY(job->findChild<QTimer *>()->isActive());
        QVERIFY(qstrcmp(job->getNasinfo()->szServerName, "OldName") == 0);
        QVERIFY(waitFor([&] { return job->getElapsed() > 0; }, 1000));
        QVERIFY(job->getElapsed() < 125000);

        postAndDeliver(*m_udp, answer(6, FHOSTQC_DONE, 0));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_ANSWERED));
        QCOMPARE(job->getError(), 0ul);
        QCOMPARE(job->getElapsed(), 125000ul);
        QCOMPARE(job->getNasinfo()->ulIP, inet_addr("198.18.0.77"));
        QVERIFY(qstrcmp(job->getNasinfo()->szServerName, "NewName") == 0);
    }

    void errorThenSilence()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        QSignalSpy timeouts(job.data(), &CQuickConf::signalQuickConfTimeout);
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 7));
        QVERIFY(waitFor([&] { return job->getState() == CQuickConf::QC_STATE_TIMEOUT; }, 30000));
        QCOMPARE(job->getError(), 7ul);
        QCOMPARE(job->getElapsed(), 125000ul);
        QCOMPARE(timeouts.count(), 1);
    }

    void successIsFinal()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0, kTargetMac, 2000, "198.18.0.77", "NewName"));
        const NASINFO after = *job->getNasinfo();
        QCOMPARE(after.ulIP, inet_addr("198.18.0.77"));
        QVERIFY(qstrcmp(after.szServerName, "NewName") == 0);
        // The rest of the record is the target's.
        QCOMPARE(after.ulBuild, 2000u);
        QCOMPARE(after.ulConfigured, uint32_t(FHOSTQC_UNINSTALL));

        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 9, kTargetMac, 2000, "198.18.0.99", "Other"));
        postAndDeliver(*m_udp, answer(3, FHOSTQC_DONE, 0, kTargetMac, 2000, "198.18.0.98", "Other2"));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_ANSWERED));
        QCOMPARE(job->getError(), 0ul);
        QCOMPARE(memcmp(job->getNasinfo(), &after, sizeof(after)), 0);
        spin(30);
        QCOMPARE(job->getElapsed(), 125000ul);
    }

    // The answered name replaces the whole old name slot.
    void answeredNameClearsTheSlot()
    {
        NASINFO record = target();
        memset(record.szServerName, 'X', sizeof(record.szServerName) - 1);
        QScopedPointer<CQuickConf> job(startedJob(record));
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0, kTargetMac, 2000, "198.18.0.77", "N"));
        const NASINFO *n = job->getNasinfo();
        QCOMPARE(n->szServerName[0], 'N');
        for (size_t i = 1; i < sizeof(n->szServerName); ++i)
            QCOMPARE(n->szServerName[i], '\0');
    }

    // 250 ticks of 500 counted ms, then one time-out signal; later answers are not seen.
    void silenceTimesOut()
    {
        QElapsedTimer clock;
        clock.start();
        QScopedPointer<CQuickConf> job(startedJob());
        TickLog log;
        log.attach(*job);
        QSignalSpy timeouts(job.data(), &CQuickConf::signalQuickConfTimeout);
        QVERIFY(waitFor([&] { return job->getState() == CQuickConf::QC_STATE_TIMEOUT; }, kCountGuardMs));
        QCOMPARE(log.ticks.size(), 250);
        QCOMPARE(log.ticks[248].state, int(CQuickConf::QC_STATE_WAITING));
        QCOMPARE(log.ticks[248].elapsed, 124500ul);
        QCOMPARE(log.ticks[249].state, int(CQuickConf::QC_STATE_TIMEOUT));
        QCOMPARE(log.ticks[249].elapsed, 125000ul);
        QCOMPARE(job->getElapsed(), 125000ul);
        QCOMPARE(job->getError(), 0ul);
        QCOMPARE(timeouts.count(), 1);
        // At the divisor: far less than the 125 s the job counted, which ticks that ignored the
        // divisor would take (coarse timer ticks may each come a little early: half of it bounds).
        QVERIFY2(clock.elapsed() < tsup::before(CQuickConf::DEFAULT_TIMEOUT_MS / 2), qPrintable(QString::number(clock.elapsed())));

        spin(50);
        QCOMPARE(log.ticks.size(), 250);
        QCOMPARE(timeouts.count(), 1);
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_TIMEOUT));
        QCOMPARE(job->getNasinfo()->ulIP, target().ulIP);
    }

    // An answer already queued when the time-out came is not seen either.
    void answerQueuedBeforeTimeoutIsNotSeen()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        job->setTimeout(500);
        post(*m_udp, answer(2, FHOSTQC_DONE, 0));
        job->slotUpdateProgress();
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_TIMEOUT));
        deliver();
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_TIMEOUT));
    }

    // stop, then start with reset false: the counted time goes on; reset true starts again.
    void resendKeepsElapsed()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        QVERIFY(waitFor([&] { return job->getElapsed() >= 5000; }, 30000));
        job->stop();
        QVERIFY(!job->findChild<QTimer *>()->isActive());
        const unsigned long stopped = job->getElapsed();
        spin(30);
        QCOMPARE(job->getElapsed(), stopped);
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));

        // Stopped: answers are not seen.
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 7));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));

        const CNasConfig cfg = config();
        const NASINFO record = target();
        job->start(&cfg, &record, 1, false);
        QCOMPARE(job->getElapsed(), stopped);
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));
        QVERIFY(waitFor([&] { return job->getElapsed() > stopped; }, 30000));

        // A resend from state 2 with an error goes back to waiting with error 0.
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 7));
        QCOMPARE(job->getError(), 7ul);
        job->stop();
        job->start(&cfg, &record, 1, false);
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_WAITING));
        QCOMPARE(job->getError(), 0ul);

        job->stop();
        job->start(&cfg, &record, 1, true);
        QVERIFY(job->getElapsed() < stopped);
    }

    // Restarting never leaves two live timers or two connections behind.
    void restartLeavesOneTimerAndOneConnection()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        const CNasConfig cfg = config();
        const NASINFO record = target();
        job->start(&cfg, &record, 1, true);
        job->start(&cfg, &record, 1, true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int live = 0;
        for (QTimer *t : job->findChildren<QTimer *>())
            live += t->isActive() ? 1 : 0;
        QCOMPARE(live, 1);
        QCOMPARE(job->findChildren<QTimer *>().size(), 1);

        tsup::LogCapture capture;
        postAndDeliver(*m_udp, answer(1, FHOSTQC_DONE, 0));
        QCOMPARE(capture.countContaining(QStringLiteral("nasInfo.ulPacketType=[1]")), 1);

        // Ticks at one step per interval: 20 ticks count 10000 ms, not twice that.
        TickLog log;
        log.attach(*job);
        QVERIFY(waitFor([&] { return log.ticks.size() >= 20; }, 30000));
        QCOMPARE(log.ticks[19].elapsed - log.ticks[0].elapsed, 19ul * 500);
    }

    // Handing the job its own copies back is safe.
    void startWithItsOwnCopies()
    {
        QScopedPointer<CQuickConf> job(startedJob());
        job->start(job->getNasConfig(), job->getNasinfo(), 1, true);
        QCOMPARE(job->getTargetMac(), QString::fromLatin1(kTargetMac));
        QCOMPARE(job->getNasConfig()->getServerName(), QStringLiteral("NewName"));
    }

    // The target MAC keeps at most 31 characters of the record's MAC text.
    void targetMacIsBounded()
    {
        NASINFO record = target();
        memset(record.szMac, 'c', sizeof(record.szMac)); // no terminating zero at all
        const CNasConfig cfg = config();
        CQuickConf job(m_udp, &cfg, &record);
        QCOMPARE(job.getTargetMac(), QString(31, QLatin1Char('c')));
    }

    void debugLinesWithoutPassword()
    {
        tsup::LogCapture capture;
        {
            QScopedPointer<CQuickConf> job(startedJob());
            postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0, kTargetMac, 2000));
        }
        const QStringList lines = capture.lines();
        QVERIFY(capture.countContaining(QStringLiteral("src/WizardInstall/CQuickConf:")) >= 7);
        QCOMPARE(capture.countContaining(QStringLiteral("nasInfo.ulErrCode=[0]")), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("nasInfo.szMac=[02:53:56:00:00:0A]")), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("m_szMac=[02:53:56:00:00:0A]")), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("nasInfo.ulBuild=[2000]")), 1);
        QCOMPARE(capture.countContaining(QStringLiteral("QuickConf responsed packet verified.")), 1);
        for (const QString &line : lines)
            QVERIFY2(!line.contains(QStringLiteral("Secr3t")), qPrintable(line));
    }

    // A job made in another thread (as the network-install job does) ticks and takes its
    // answers there; this thread only reads its fields, without processing any events.
    void jobInItsOwnThread()
    {
        QThread worker;
        worker.start();
        CQuickConf *job = nullptr;
        // Work handed to an object of the worker thread runs there.
        QObject anchor;
        anchor.moveToThread(&worker);
        QMetaObject::invokeMethod(
            &anchor, [&]() { job = startedJob(); }, Qt::BlockingQueuedConnection);
        QVERIFY(job);
        QCOMPARE(job->thread(), &worker);
        QCOMPARE(job->findChild<QTimer *>()->thread(), &worker);

        auto pollUntil = [](const std::function<bool()> &condition) {
            QElapsedTimer t;
            t.start();
            while (!condition() && t.elapsed() < tsup::guardMs())
                QThread::msleep(2);
            return condition();
        };
        QVERIFY(pollUntil([&] { return job->getElapsed() >= 2000; }));
        // Emitted here, delivered queued in the job's thread.
        emit m_udp->signalRecvPkt(answer(2, FHOSTQC_DONE, 0));
        QVERIFY(pollUntil([&] { return job->getState() == CQuickConf::QC_STATE_ANSWERED; }));
        QCOMPARE(job->getError(), 0ul);
        QCOMPARE(job->getElapsed(), 125000ul);

        QMetaObject::invokeMethod(&anchor, [&]() { delete job; }, Qt::BlockingQueuedConnection);
        worker.quit();
        QVERIFY(worker.wait(tsup::guardMs(10000)));
    }

    // With no interface listed, every source MAC passes, also for later builds.
    void loopbackOnlyAcceptsEverySource()
    {
        QVERIFY(CQuickConf::isSourceMacLocal(QStringLiteral("02:00:00:00:ba:ad")));
        QVERIFY(CQuickConf::isSourceMacLocal(QString()));
        QScopedPointer<CQuickConf> job(startedJob());
        postAndDeliver(*m_udp, answer(2, FHOSTQC_DONE, 0, kTargetMac, 2601, "198.18.0.77", "NewName",
                                      "02:00:00:00:ba:ad"));
        QCOMPARE(job->getState(), int(CQuickConf::QC_STATE_ANSWERED));
    }
};

LOOPBACK_TEST_MAIN(TestQuickConf, QCoreApplication)

#include "tst_quickconf.moc"
