// Interface enumeration on real interfaces: the client namespace of a nine-link bed, with its
// own resolv.conf and Debian interfaces file (vc2 static with gateway 198.18.2.254).
#include <QtTest>

#include <sys/stat.h>

#include "../fhost_packet/fhostlogcapture.h"
#include "fhost.h"
#include "netnsbed.h"

namespace {

QString macText(const NETIF &e)
{
    return QString::asprintf("%02x:%02x:%02x:%02x:%02x:%02x", e.byMac[0], e.byMac[1], e.byMac[2],
                             e.byMac[3], e.byMac[4], e.byMac[5]);
}

// Waits until vc<k> has its carrier back, or the hang guard is up.
bool waitRunning(int k)
{
    const QString name = QStringLiteral("vc%1").arg(k);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < tsup::guardMs()) {
        QString out;
        bed::ip({QStringLiteral("-o"), QStringLiteral("link"), QStringLiteral("show"), name}, &out);
        if (out.contains(QLatin1String("state UP")))
            return true;
        QTest::qWait(100);
    }
    return false;
}

bool redHatHost()
{
    struct stat st;
    return stat("/etc/sysconfig/network-scripts", &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

class TestEnum : public QObject
{
    Q_OBJECT

    LogCapture m_log;
    NETIF m_rg[FHOST_IFACE_MAX];

    int enumerate(int max = FHOST_IFACE_MAX)
    {
        memset(m_rg, 0xAB, sizeof(m_rg)); // the caller zeroes; show what the library writes
        memset(m_rg, 0, sizeof(NETIF) * size_t(max));
        gulDNS = 0;
        return FHOSTIfaceInit(&m_log.ctx, m_rg, max);
    }
    QStringList names(int count) const
    {
        QStringList n;
        for (int i = 0; i < count; ++i)
            n << QString::fromLatin1(m_rg[i].szName);
        return n;
    }

private slots:
    void init() { m_log.clear(); }

    void firstEightUsableInOrder()
    {
        QCOMPARE(enumerate(), 8);
        QCOMPARE(names(8), QStringList({"vc0", "vc1", "vc2", "vc3", "vc4", "vc5", "vc6", "vc7"}));
        for (int k = 0; k < 8; ++k) {
            const NETIF &e = m_rg[k];
            QCOMPARE(e.ulActive, 1u);
            QCOMPARE(macText(e), QString::asprintf("02:00:c6:12:%02x:01", k));
            QCOMPARE(bed::addrText(e.ulIP), QStringLiteral("198.18.%1.1").arg(k));
            QCOMPARE(bed::addrText(e.ulMask), QStringLiteral("255.255.255.0"));
            QCOMPARE(bed::addrText(e.ulBroadCast), QStringLiteral("198.18.%1.255").arg(k));
            QCOMPARE(e.ulDNS, 0u);
        }
        QCOMPARE(bed::addrText(gulDNS), QStringLiteral("198.18.200.53"));
        if (!redHatHost()) {
            QCOMPARE(m_rg[2].ulStatic, 1u);
            QCOMPARE(bed::addrText(m_rg[2].ulGateway), QStringLiteral("198.18.2.254"));
            QCOMPARE(m_rg[3].ulStatic, 0u);
            QCOMPARE(m_rg[3].ulGateway, 0u);
        }
        QCOMPARE(m_log.count(), 0);

        // Fewer wanted: the first ones, and the rest of the array untouched.
        QCOMPARE(enumerate(3), 3);
        QCOMPARE(names(3), QStringList({"vc0", "vc1", "vc2"}));
        QCOMPARE(uint8_t(m_rg[3].szName[0]), uint8_t(0xAB));
    }

    void notRunningIsNotListed()
    {
        // The peer down: vc0 is up but has no carrier.
        QCOMPARE(bed::ipServer({"link", "set", "vs0", "down"}), 0);
        QString out;
        QElapsedTimer t;
        t.start();
        while (!out.contains(QLatin1String("NO-CARRIER")) && t.elapsed() < tsup::guardMs()) {
            bed::ip({"-o", "link", "show", "vc0"}, &out);
            QTest::qWait(50);
        }
        QVERIFY(out.contains(QLatin1String("NO-CARRIER")));
        QCOMPARE(enumerate(), 8);
        QCOMPARE(names(8), QStringList({"vc1", "vc2", "vc3", "vc4", "vc5", "vc6", "vc7", "vc8"}));
        QCOMPARE(bed::ipServer({"link", "set", "vs0", "up"}), 0);
        QVERIFY(waitRunning(0));

        // Down on this side.
        QCOMPARE(bed::ip({"link", "set", "vc4", "down"}), 0);
        QCOMPARE(enumerate(), 8);
        QCOMPARE(names(8), QStringList({"vc0", "vc1", "vc2", "vc3", "vc5", "vc6", "vc7", "vc8"}));
        QCOMPARE(bed::ip({"link", "set", "vc4", "up"}), 0);
        QVERIFY(waitRunning(4));
        QCOMPARE(enumerate(), 8);
        QCOMPARE(names(1), QStringList({"vc0"}));
    }

    void withoutAddressListedInactive()
    {
        QCOMPARE(bed::ip({"addr", "flush", "dev", "vc1"}), 0);
        const int count = enumerate();
        QCOMPARE(bed::ip({"addr", "add", "198.18.1.1/24", "brd", "+", "dev", "vc1"}), 0);
        QCOMPARE(count, 8);
        QCOMPARE(names(8), QStringList({"vc0", "vc1", "vc2", "vc3", "vc4", "vc5", "vc6", "vc7"}));
        QCOMPARE(m_rg[1].ulActive, 0u);
        QCOMPARE(macText(m_rg[1]), QStringLiteral("02:00:c6:12:01:01")); // queried before the address
        QCOMPARE(m_rg[1].ulIP, 0u);
        QCOMPARE(m_rg[2].ulActive, 1u);
        QCOMPARE(m_log.matching(1, "^iface_lnx\\.c:\\d+ ioctl SIOCGIFADDR vc1 error:\\(99\\)\\n$"), 1);
        QCOMPARE(m_log.count(), 1);
    }

    void loopbackNeverListed()
    {
        // Only lo is left usable-looking: every link down.
        for (int k = 0; k < 9; ++k)
            QCOMPARE(bed::ip({"link", "set", QStringLiteral("vc%1").arg(k), "down"}), 0);
        const int count = enumerate();
        for (int k = 0; k < 9; ++k)
            QCOMPARE(bed::ip({"link", "set", QStringLiteral("vc%1").arg(k), "up"}), 0);
        QCOMPARE(count, 0);
        for (int k = 0; k < 9; ++k)
            QVERIFY(waitRunning(k));
        // Routes through vc0 went away with it.
        bed::ip({"route", "replace", "default", "via", "198.18.0.2", "dev", "vc0"});
    }

    void dumpLines()
    {
        QCOMPARE(FHOSTIfaceDump(&m_log.ctx), 0);
        const QList<QByteArray> &lines = LogCapture::lines(1);
        QCOMPARE(lines.size(), 1 + 8 * 9);
        QCOMPARE(LogCapture::lines(2).size(), 0);
        QList<QByteArray> text; // without the "iface.c:<line> " prefix
        for (const QByteArray &l : lines) {
            QVERIFY2(l.startsWith("iface.c:"), l.constData());
            text << l.mid(l.indexOf(' ') + 1);
        }
        QCOMPARE(text[0], QByteArray("Global DNS:\t198.18.200.53\n"));
        QCOMPARE(text.mid(1, 9), QList<QByteArray>({"[vc0]\n", "Mac Address:\t02:00:C6:12:00:01\n",
                                                    "IP:\t198.18.0.1\n", "Mask:\t255.255.255.0\n",
                                                    "ulBroadCast:\t198.18.0.255\n", "ulGateway:\t0.0.0.0\n",
                                                    "DNS:\t0.0.0.0\n", "DHCP:\tYES\n", "Active:\tYES\n"}));
        if (!redHatHost()) {
            QCOMPARE(text[1 + 2 * 9], QByteArray("[vc2]\n"));
            QCOMPARE(text[1 + 2 * 9 + 5], QByteArray("ulGateway:\t198.18.2.254\n"));
            QCOMPARE(text[1 + 2 * 9 + 7], QByteArray("DHCP:\tNO\n"));
        }
        QCOMPARE(text.last(), QByteArray("Active:\tYES\n"));
    }
};

BED_TEST_MAIN(TestEnum)
#include "tst_fhost_enum.moc"
