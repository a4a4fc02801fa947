// The resource-monitor client with its real 3000 ms poll timer against the simulated server:
// the chart kinds are asked every three seconds, "init" once, and a chart request that never
// returns ends the connection at the seventh tick, about 21 seconds later.
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
        QCOMPARE(client.pollInterval(), 3000);
        client.slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client.getStatus(), 2, tsup::guardMs(5000));
        QTRY_COMPARE_WITH_TIMEOUT(sim.requestCount(QStringLiteral("cpuchart")), 3, tsup::guardMs(15000));
        const QList<QDateTime> cpu = times(sim, QStringLiteral("cpuchart"));
        // The first round follows "init" at once; the next ones come with the timer.
        const qint64 first = times(sim, QStringLiteral("init")).first().msecsTo(cpu.at(0));
        QVERIFY2(first < 2500, qPrintable(QString::number(first)));
        for (int i = 1; i < 3; ++i) {
            const qint64 gap = cpu.at(i - 1).msecsTo(cpu.at(i));
            QVERIFY2(gap >= 1500 && gap <= 6000, qPrintable(QString::number(gap)));
        }
        const qint64 fromInit = times(sim, QStringLiteral("init")).first().msecsTo(cpu.at(2));
        // Qt's default coarse timers may fire up to 5% early.
        QVERIFY2(fromInit >= 5500 && fromInit <= 11000, qPrintable(QString::number(fromInit)));
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
        // ...until the seventh tick after the request went out (7 x 3000 ms).
        QCOMPARE(client.getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
        QVERIFY2(elapsed >= 20000 && elapsed <= 24000, qPrintable(QString::number(elapsed)));
        QCOMPARE(sim.requestCount(QStringLiteral("cpuchart")), 1);
        QVERIFY(sim.requestCount(QStringLiteral("memget")) >= 6);
        QVERIFY(!client.isPolling());
    }
};

QTEST_MAIN(TestRsrcConnectTimer)
#include "tst_rsrcconnect_timer.moc"
