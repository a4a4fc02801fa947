// This computer's MAC list and host-name resolution, inside the namespace bed: the interfaces are
// the veths the bed and this test made, and the resolver reads the namespace's own hosts file and
// name server (loopback, where nothing listens).
#include <QtTest>

#include <QHostInfo>

#include "netnsbed.h"
#include "platforms.h"

namespace {

QList<QByteArray> g_logLines;

int captureLog(const char *text)
{
    g_logLines.append(QByteArray(text));
    return 0;
}

// Interface names in the order /proc/net/dev lists them.
QStringList procNetDevOrder()
{
    QFile f(QStringLiteral("/proc/net/dev"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            names.append(QString::fromLatin1(line.left(colon).trimmed()));
    }
    return names;
}

} // namespace

class TestPlatformsNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A second pair inside the client namespace: "va0" with an address and a MAC given in
        // upper case, "va1" up but without an address. Names and MACs sort before the bed's, so
        // only the system's listing order gives the expected order.
        QCOMPARE(bed::ip({"link", "add", "va0", "address", "02:00:00:AB:CD:EF", "type", "veth",
                          "peer", "name", "va1", "address", "02:00:00:AB:CD:F0"}), 0);
        QCOMPARE(bed::ip({"addr", "add", "198.19.7.1/24", "dev", "va0"}), 0);
        QCOMPARE(bed::ip({"link", "set", "va0", "up"}), 0);
        QCOMPARE(bed::ip({"link", "set", "va1", "up"}), 0);
        // Wait for the carrier of the new pair (up to the hang guard).
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < tsup::guardMs()) {
            QString out;
            bed::ip({"-o", "link", "show", "va0"}, &out);
            if (out.contains(QLatin1String("state UP")))
                break;
            QTest::qWait(100);
        }
    }

    void macListInListingOrder()
    {
        const QMap<QString, QString> macOf = {
            {QStringLiteral("vc0"), QStringLiteral("02:00:c6:12:00:01")},
            {QStringLiteral("vc1"), QStringLiteral("02:00:c6:12:01:01")},
            {QStringLiteral("va0"), QStringLiteral("02:00:00:ab:cd:ef")},
        };
        QStringList expected;
        for (const QString &name : procNetDevOrder()) {
            if (macOf.contains(name))
                expected.append(macOf.value(name));
        }
        QCOMPARE(expected.size(), 3);

        g_logLines.clear();
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, captureLog);
        const QStringList macs = getLocalMacList();
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, nullptr);
        QCOMPARE(macs, expected);
        QVERIFY(!macs.contains(QStringLiteral("02:00:00:ab:cd:f0"))); // va1 has no address
        for (const QByteArray &line : g_logLines)
            QVERIFY2(!line.contains("no interface"), line.constData());
    }

    void resolveThroughHostsFile()
    {
        uint32_t v = 0;
        QVERIFY(resolveHostIPv4(&v, QStringLiteral("vork-peer")));
        QCOMPARE(v, 0xC6120102u);
        // A name with only an IPv6 address has no IPv4 value to give.
        v = 0xDEADBEEF;
        QVERIFY(!resolveHostIPv4(&v, QStringLiteral("vork-v6only")));
        QCOMPARE(v, 0xDEADBEEFu);
    }

    void localhostWithIPv6First()
    {
        const QList<QHostAddress> all = QHostInfo::fromName(QStringLiteral("localhost")).addresses();
        QVERIFY(!all.isEmpty());
        QCOMPARE(all.first().protocol(), QAbstractSocket::IPv6Protocol); // the case that matters
        uint32_t v = 0;
        QVERIFY(resolveHostIPv4(&v, QStringLiteral("localhost")));
        QCOMPARE(v, 0x7F000001u);
    }

    void failingLookupIsQuick()
    {
        QElapsedTimer timer;
        timer.start();
        uint32_t v = 0xDEADBEEF;
        QVERIFY(!resolveHostIPv4(&v, QStringLiteral("vork-nowhere.example")));
        QCOMPARE(v, 0xDEADBEEFu);
        // Failed when the name server refused, without waiting for an answer that never comes.
        QVERIFY2(timer.elapsed() < tsup::before(bed::RESOLVER_TIMEOUT_MS),
                 qPrintable(QString::number(timer.elapsed())));
    }

    // Last: takes every interface down.
    void noInterface()
    {
        for (const char *name : {"va0", "va1", "vc0", "vc1"})
            QCOMPARE(bed::ip({"link", "set", name, "down"}), 0);

        g_logLines.clear();
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, captureLog);
        const QStringList macs = getLocalMacList();
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, nullptr);
        QVERIFY(macs.isEmpty());
        bool found = false;
        const QRegularExpression re(QStringLiteral(
            "^src/platforms:\\d+ get physical interface error or no interface\n$"));
        for (const QByteArray &line : g_logLines)
            found = found || re.match(QString::fromLatin1(line)).hasMatch();
        QVERIFY2(found, g_logLines.join("|").constData());

        // Without an output nothing is written, and the result is the same.
        QVERIFY(getLocalMacList().isEmpty());

        for (const char *name : {"vc0", "vc1"})
            QCOMPARE(bed::ip({"link", "set", name, "up"}), 0);
        bed::ip({"route", "replace", "default", "via", "198.18.0.2", "dev", "vc0"});
    }
};

BED_TEST_MAIN(TestPlatformsNetns)
#include "tst_platforms_netns.moc"
