// The resource-monitor client with its real 3000 ms poll timer against the simulated server:
// the chart kinds are asked every three seconds, "init" once, and a chart request that never
// returns ends the connection at the seventh tick, about 21 seconds later. A busy machine only
// makes a tick late: the earliest times are checked against the timer's schedule, the latest
// against the tick after, and the ticks of the stall are counted by the requests they sent.
#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>

#include "CRsrcConfig.h"
#include "CRsrcConnect.h"
#include "HangGuard.h"
#include "SimRsrcMonService.h"
#include "platforms.h"

class TestRsrcConnectTimer : public QObject
{
    Q_OBJECT

private:
    // The earliest tick k of the poll timer can come, counted from its start. Qt's default coarse
    // timer moves each timeout by up to 5% of the interval towards a 500-ms boundary, and a
    // repeating timer counts its next timeout on from the moved one: the moves of successive
    // ticks add up, but end at that boundary, a quarter second at most in all (a start at .749 s
    // gives ticks 147 ms, then 237 ms early). A millisecond more for each clock's truncation.
    static qint64 earliestTick(int k)
    {
        const qint64 interval = CRsrcConnect::POLL_INTERVAL_MS;
        return k * interval - qMin(k * (interval / 20), qint64(250)) - 2;
    }

    static QList<QDateTime> times(const SimRsrcMonService &sim, const QString &action)
    {
        QList<QDateTime> result;
        for (const auto &r : sim.requests()) {
            if (r.action() == action)
                result.append(r.time);
        }
        return result;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    }

    void pollsEveryThreeSeconds()
    {
        SimRsrcMonService sim;
        sim.setAccount(QStringLiteral("admin"), QStringLiteral("pw"));
        QVERIFY(sim.listen());
        CRsrcConfig config(sim.port(), true, QStringLiteral("T"), QStringLiteral("127.0.0.1"),
                           QStringLiteral("admin"), scrambleEncodeString(QStringLiteral("pw")));
        CRsrcConnect client(nullptr, &config);
        QCOMPARE(client.pollInterval(), CRsrcConnect::POLL_INTERVAL_MS);
        const QDateTime connected = QDateTime::currentDateTimeUtc();
        client.slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client.getStatus(), 2, tsup::guardMs(5000));
        QTRY_COMPARE_WITH_TIMEOUT(sim.requestCount(QStringLiteral("cpuchart")), 3, tsup::guardMs(15000));
        const QList<QDateTime> cpu = times(sim, QStringLiteral("cpuchart"));
        // The timer starts with the connect; its k-th tick comes no earlier than earliestTick(k).
        // The first round follows "init" at once, before the first tick; round k comes with tick
        // k, before the tick after it.
        for (int k = 0; k < 3; ++k) {
            const qint64 at = connected.msecsTo(cpu.at(k));
            QVERIFY2(k == 0 || at >= earliestTick(k), qPrintable(QString::number(at)));
            QVERIFY2(at < tsup::before(earliestTick(k + 1)), qPrintable(QString::number(at)));
        }
        QCOMPARE(sim.requestCount(QStringLiteral("init")), 1);
        QCOMPARE(client.getStatus(), 2);
        client.slotDoConnect(false);
        QCOMPARE(client.getStatus(), 0);
        // A request written before the disconnect may still reach the server: counted after a
        // moment, then a whole poll interval passes without another.
        QTest::qWait(500);
        const int after = sim.requestCount();
        QTest::qWait(3500);
        QCOMPARE(sim.requestCount(), after);
    }

    void stalledChartEndsAtSeventhTick()
    {
        SimRsrcMonService sim;
        sim.setAccount(QStringLiteral("admin"), QStringLiteral("pw"));
        sim.setFault(QStringLiteral("cpuchart"), SimRsrcMonService::FaultHang);
        QVERIFY(sim.listen());
        CRsrcConfig config(sim.port(), true, QStringLiteral("T"), QStringLiteral("127.0.0.1"),
                           QStringLiteral("admin"), scrambleEncodeString(QStringLiteral("pw")));
        CRsrcConnect client(nullptr, &config);
        QElapsedTimer timer;
        timer.start();
        client.slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client.getStatus(), 2, tsup::guardMs(5000));
        // Connected all along while the other kinds answer...
        QTRY_VERIFY_WITH_TIMEOUT(client.getStatus() != 2, tsup::guardMs(30000));
        const qint64 elapsed = timer.elapsed();
        // ...until the seventh tick after the request went out (the first round follows "init"):
        // no earlier than the seventh tick can, and with the other kinds
        // asked at most once per round, the first round and the six stalled ticks.
        QCOMPARE(client.getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
        const int ticks = CRsrcConnect::MAX_STALLED_TICKS + 1;
        QVERIFY2(elapsed >= earliestTick(ticks), qPrintable(QString::number(elapsed)));
        QCOMPARE(sim.requestCount(QStringLiteral("cpuchart")), 1);
        const int rounds = sim.requestCount(QStringLiteral("memget"));
        QVERIFY2(rounds >= 6 && rounds <= ticks, qPrintable(QString::number(rounds)));
        QVERIFY(!client.isPolling());
    }
};

QTEST_MAIN(TestRsrcConnectTimer)
#include "tst_rsrcconnect_timer.moc"
