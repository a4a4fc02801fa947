// The search broadcast on two links (client vc0 198.18.0.1 and vc1 198.18.1.1), as the
// simulated server captures it: one copy bound to each interface naming that interface's MAC,
// then the last copy again unbound; every repeat appends the MAC items once more.
#include <QtTest>

#include "findhostbed.h"
#include "HangGuard.h"

using fht::CaptureMark;
using fht::hex;

namespace {

// The search request, typed by hand.
const char *const SEARCH = "12 34 56 78 51 55 45 4e"
                           "a4 04 00 00 02 01"
                           "a6 04 78 00 00 00"
                           "01 04 01 00 00 00"
                           "b0 08 c0 01 00 00 00 00 00 00"
                           "b1 08 00 00 00 00 00 00 00 00"
                           "b8 08 c0 01 00 00 00 00 00 00"
                           "b9 08 00 00 00 00 00 00 00 00";
// 0x7c items: "02:00:c6:12:00:01" (vc0) and "02:00:c6:12:01:01" (vc1).
const char *const NIC_VC0 = "7c 11 30 32 3a 30 30 3a 63 36 3a 31 32 3a 30 30 3a 30 31";
const char *const NIC_VC1 = "7c 11 30 32 3a 30 30 3a 63 36 3a 31 32 3a 30 31 3a 30 31";

QByteArray repeated(const char *item, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += hex(item);
    return out;
}

// Waits until the capture holds `count` searches after the mark, then a little longer to see
// that no more come.
QList<QJsonObject> searches(const CaptureMark &mark, int count)
{
    fht::waitFor([&] { return mark.datagrams(1).size() >= count; }, 3000);
    fht::spin(300);
    return mark.datagrams(1);
}

} // namespace

class TestFindHostSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        QCOMPARE(qgetenv("VORK_NETNS_LINKS"), QByteArray("2"));
        fht::LogCapture::install();
    }

    void twoRepeatsOnTwoLinks()
    {
        CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        fht::LogCapture::install(); // the constructor gave level 1 back to the program's sink
        fht::LogCapture::clear();
        CaptureMark mark;
        QElapsedTimer t;
        t.start();
        QVERIFY(thread.slotSendPktBroadCast(2));
        QVERIFY(t.elapsed() >= 2 * fht::SEARCH_PAUSE_MS);
        // One pause of a second between the rounds, not two, as the program began each round.
        const QList<qint64> rounds = fht::LogCapture::timesOf(fht::BROADCAST_LINE);
        QCOMPARE(rounds.size(), 2);
        const qint64 gap = rounds[1] - rounds[0];
        QVERIFY2(gap >= fht::SEARCH_PAUSE_MS && gap < tsup::before(2 * fht::SEARCH_PAUSE_MS),
                 qPrintable(QString::number(gap)));

        const QList<QJsonObject> got = searches(mark, 6);
        QCOMPARE(got.size(), 6);
        const QByteArray expected[6] = {
            hex(SEARCH) + repeated(NIC_VC0, 1),
            hex(SEARCH) + repeated(NIC_VC1, 2),
            hex(SEARCH) + repeated(NIC_VC1, 2),
            hex(SEARCH) + repeated(NIC_VC0, 3),
            hex(SEARCH) + repeated(NIC_VC1, 4),
            hex(SEARCH) + repeated(NIC_VC1, 4),
        };
        const char *const source[6] = {"198.18.0.1", "198.18.1.1", nullptr,
                                       "198.18.0.1", "198.18.1.1", nullptr};
        const char *const arrival[6] = {"vs0", "vs1", "vs0", "vs0", "vs1", "vs0"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(fht::rawOf(got[i]).toHex(' '), expected[i].toHex(' '));
            QCOMPARE(got[i].value("dst").toString(), QStringLiteral("255.255.255.255"));
            QCOMPARE(got[i].value("iface").toString(), QString::fromLatin1(arrival[i]));
            if (source[i]) {
                // Bound copies leave from the interface's own address and port 1234.
                QCOMPARE(got[i].value("src").toString(), QString::fromLatin1(source[i]));
                QCOMPARE(got[i].value("sport").toInt(), 1234);
            } else {
                // The unbound copy repeats the datagram before it; the system picks the source.
                QVERIFY(got[i].value("sport").toInt() != 1234);
                QCOMPARE(fht::rawOf(got[i]), fht::rawOf(got[i - 1]));
            }
        }
    }

    void oneRepeatWithoutArgument()
    {
        CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        CaptureMark mark;
        QElapsedTimer t;
        t.start();
        QVERIFY(thread.slotSendPktBroadCast());
        // One pause, not two; the copies counted below show that there was one repeat.
        const qint64 took = t.elapsed();
        QVERIFY2(took >= fht::SEARCH_PAUSE_MS && took < tsup::before(2 * fht::SEARCH_PAUSE_MS),
                 qPrintable(QString::number(took)));
        const QList<QJsonObject> got = searches(mark, 3);
        QCOMPARE(got.size(), 3);
        QCOMPARE(fht::rawOf(got[0]), hex(SEARCH) + repeated(NIC_VC0, 1));
        QCOMPARE(fht::rawOf(got[1]), hex(SEARCH) + repeated(NIC_VC1, 2));
        QCOMPARE(fht::rawOf(got[2]), fht::rawOf(got[1]));
    }

    void zeroRepeats()
    {
        CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        CaptureMark mark;
        QElapsedTimer t;
        t.start();
        QVERIFY(!thread.slotSendPktBroadCast(0));
        // No pause.
        QVERIFY2(t.elapsed() < tsup::before(fht::SEARCH_PAUSE_MS), qPrintable(QString::number(t.elapsed())));
        fht::spin(1000);
        QVERIFY(mark.datagrams().isEmpty());
    }

    void linkDownStillSendsOnTheOther()
    {
        // With vc1 down only vc0 is active: one bound copy and the unbound one.
        QCOMPARE(bed::ip({"link", "set", "vc1", "down"}), 0);
        CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        CaptureMark mark;
        const bool sent = thread.slotSendPktBroadCast();
        QCOMPARE(bed::ip({"link", "set", "vc1", "up"}), 0);
        QVERIFY(sent);
        const QList<QJsonObject> got = searches(mark, 2);
        QCOMPARE(got.size(), 2);
        QCOMPARE(fht::rawOf(got[0]), hex(SEARCH) + repeated(NIC_VC0, 1));
        QCOMPARE(fht::rawOf(got[1]), fht::rawOf(got[0]));
    }
};

BED_TEST_MAIN(TestFindHostSearch)
#include "tst_findhost_search.moc"
