// The registry of accepted packet types in a process that registers type 2 only (the registry
// is class-wide and never shrinks, so this runs apart from the tests that register 17): search
// answers arrive; the client's own search echo and answers of types 6, 12 and 15 do not.
#include <QtTest>

#include "findhostbed.h"

namespace {
const char *const MAC1 = "02:53:56:00:00:01";
const char *const MAC2 = "02:53:56:00:00:02";
const char *const MAC3 = "02:53:56:00:00:03";
} // namespace

class TestFindHostTypeFilter : public QObject
{
    Q_OBJECT

private slots:
    void onlyRegisteredTypesArrive()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        bed::SimControl sim;
        QVERIFY(sim.connect());
        CFindHostUDP::addRecvPktType(FHOST_PKT_BRESPONSE);
        fht::Collector records;
        CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        connect(&thread, &CFindHostUDP::signalRecvPkt, &records, &fht::Collector::take);
        thread.start();
        QVERIFY(fht::waitFor([] { return fht::udpListeners(9999) == 1; }, 3000));

        QVERIFY(sim.command("answers send 0 6").startsWith("ok "));
        QVERIFY(sim.command("answers send 1 12").startsWith("ok "));
        QVERIFY(sim.command("answers send 2 15").startsWith("ok "));
        QVERIFY(thread.slotSendPktBroadCast());
        QVERIFY(fht::waitFor([&] {
            return records.find(2, MAC1) && records.find(2, MAC2) && records.find(2, MAC3);
        }, 2000));
        fht::spin(1000);
        for (const NASINFO &n : records.records)
            QCOMPARE(n.ulPacketType, 2u);

        // The same unsolicited answer as type 2 does arrive.
        QVERIFY(sim.command("answers send 2 2").startsWith("ok "));
        const int before = records.records.size();
        QVERIFY(fht::waitFor([&] { return records.records.size() > before; }, 2000));
        thread.terminate();
    }
};

BED_TEST_MAIN(TestFindHostTypeFilter)
#include "tst_findhost_typefilter.moc"
