// Self-check of the simulated server, from the client namespace of a two-link bed: it answers
// every search copy with hand-checked bytes through the link the copy came in on, never answers
// its own broadcasts, captures every datagram (also ones a reader would reject), and obeys its
// control commands.
#include <QDir>
#include <QJsonArray>
#include <QtTest>

#include "netnsbed.h"

namespace {

// A search as hand-typed bytes: header, type 1, version 0x01020000, 0x7c with the given MAC.
QByteArray search(const char *mac)
{
    return bed::hex("12345678 5155454e  01 04 01000000  a4 04 00000201  7c 11") + QByteArray(mac);
}

const char *const kMacVc0 = "02:00:c6:12:00:01";
const char *const kMacVc1 = "02:00:c6:12:01:01";

// The first unit of scenarios/default.json answering the search of vc0, typed by hand.
const QByteArray kAnswerUnit0 = bed::hex(
    "12345678 5155454e"
    "01 04 02000000"
    "a4 04 00000201"
    "19 11 30323a35333a35363a30303a30303a3031" // "02:53:56:00:00:01"
    "11 0c 5661726e6573746f724f6e65"            // "VarnestorOne"
    "10 04 00000000"
    "12 04 c612000a"
    "13 04 ffffff00"
    "14 04 c61200fe"
    "15 04 c6120035"
    "a7 04 01000000"
    "49 04 4d070000" // 1869
    "90 04 03000000"
    "77 03 322e32"               // "2.2"
    "70 08 76735f3135313070"     // "vs_1510p"
    "78 07 5653313531302b"        // "VS1510+"
    "73 0a 42314c4b4e3031323334" // "B1LKN01234"
    "c0 0d 313438304c574e303132333435" // "1480LWN012345"
    "75 04 88130000" // 5000
    "76 04 89130000" // 5001
    "48 04 01000000"
    "7b 04 01000000"
    "b0 08 3800000000000000"
    "b1 08 0000000000000000"
    "b8 08 8001000000000000"
    "b9 08 0000000000000000"
    "4d 04 00000000"
    "ba 04 00000000"
    "79 04 00000000"
    "7c 11 30323a30303a63363a31323a30303a3031" // "02:00:c6:12:00:01"
    "1e 04 c6120001");                          // 198.18.0.1

QList<bed::Udp::Received> ofType(const QList<bed::Udp::Received> &all, int type)
{
    QList<bed::Udp::Received> out;
    for (const auto &r : all)
        if (bed::packetType(r.bytes) == type)
            out << r;
    return out;
}

} // namespace

class TestSimServer : public QObject
{
    Q_OBJECT

    bed::SimControl m_ctl;
    bed::Udp m_listen;
    QByteArray m_units;

    // Sends one search per given link address; returns every datagram heard on 9999 until
    // `answers` search answers (type 2) are among them (or the hang guard is up), and in windowMs
    // more, where no further one belongs.
    QList<bed::Udp::Received> searchFrom(const QList<QPair<const char *, const char *>> &links, int answers,
                                         int windowMs = 500)
    {
        for (const auto &l : links) {
            bed::Udp s;
            if (!s.open(l.first, 0) || !s.sendTo("255.255.255.255", 9999, search(l.second)))
                qWarning("send from %s failed", l.first);
        }
        QList<bed::Udp::Received> heard;
        QElapsedTimer t;
        t.start();
        bed::Udp::Received r;
        while (ofType(heard, 2).size() < answers && t.elapsed() < tsup::guardMs())
            if (m_listen.receive(&r, 100))
                heard << r;
        return heard + m_listen.receiveFor(windowMs);
    }
    // Capture lines after the mark with this text.
    static QList<QJsonObject> linesAfterMark(const QString &mark)
    {
        QList<QJsonObject> out;
        bool seen = false;
        for (const QJsonObject &o : bed::captureLines()) {
            if (o.value(QLatin1String("mark")).toString() == mark)
                seen = true;
            else if (seen && o.contains(QLatin1String("raw")))
                out << o;
        }
        return out;
    }
    int stat(const char *name)
    {
        return m_ctl.json(QStringLiteral("stats")).value(QLatin1String("discovery")).toObject().value(QLatin1String(name)).toInt();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_ctl.connect());
        QCOMPARE(m_ctl.command(QStringLiteral("ping")), QStringLiteral("ok pong"));
        QCOMPARE(m_ctl.command(QStringLiteral("services")), QStringLiteral("ok discovery"));
        const QString units = m_ctl.command(QStringLiteral("units"));
        QVERIFY(units.startsWith(QLatin1String("ok [")));
        m_units = units.mid(3).toUtf8();
        QVERIFY(m_listen.open("0.0.0.0", 9999));
    }

    void init()
    {
        // Every case starts from the default scenario with default reply settings.
        QFile f(QDir(bed::env("VORK_NETNS_WORKDIR")).filePath(QStringLiteral("restore.json")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{\"units\": " + m_units + "}");
        f.close();
        QCOMPARE(m_ctl.command(QStringLiteral("load ") + f.fileName()), QStringLiteral("ok 2 unit(s)"));
        QCOMPARE(m_ctl.command(QStringLiteral("discovery reply broadcast")), QStringLiteral("ok"));
        QCOMPARE(m_ctl.command(QStringLiteral("discovery delay 0")), QStringLiteral("ok"));
        m_listen.receiveFor(200); // drain
    }

    void answersEverySearchCopyThroughItsLink()
    {
        const auto heard = searchFrom({{"198.18.0.1", kMacVc0}, {"198.18.1.1", kMacVc1}}, 4);
        const auto answers = ofType(heard, 2);
        QCOMPARE(answers.size(), 4);
        QList<bed::Udp::Received> link0, link1;
        for (const auto &a : answers) {
            QCOMPARE(a.port, uint16_t(9999));
            QCOMPARE(a.dst, bed::addr("255.255.255.255"));
            if (a.from == bed::addr("198.18.0.2"))
                link0 << a;
            else if (a.from == bed::addr("198.18.1.2"))
                link1 << a;
        }
        QCOMPARE(link0.size(), 2);
        QCOMPARE(link1.size(), 2);
        QCOMPARE(link0[0].bytes.toHex(), kAnswerUnit0.toHex());
        QCOMPARE(link0[0].ifindex, int(if_nametoindex("vc0")));
        QCOMPARE(link1[0].ifindex, int(if_nametoindex("vc1")));
        // Through link 1: the same record naming vc1's MAC and the sender 198.18.1.1.
        QByteArray viaLink1 = kAnswerUnit0;
        viaLink1.chop(6 + 19);
        viaLink1 += bed::hex("7c 11") + kMacVc1 + bed::hex("1e 04 c6120101");
        QCOMPARE(link1[0].bytes.toHex(), viaLink1.toHex());
        // The second unit: its own MAC, and fields it does not list are not sent.
        QVERIFY(link0[1].bytes.contains(bed::hex("19 11") + "02:53:56:00:00:02"));
        QVERIFY(link0[1].bytes.contains(bed::hex("10 04 01000000")));
        QVERIFY(!link0[1].bytes.contains(bed::hex("c0 0d")));
        QVERIFY(link0[1].bytes.endsWith(bed::hex("7c 11") + kMacVc0 + bed::hex("1e 04 c6120001")));
    }

    void capturesEveryDatagram()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("mark capture")), QStringLiteral("ok"));
        searchFrom({{"198.18.0.1", kMacVc0}, {"198.18.1.1", kMacVc1}}, 4);
        bed::Udp s;
        QVERIFY(s.open("198.18.0.1", 0));
        // A truncated last item, a wrong header, and a datagram shorter than any header.
        QVERIFY(s.sendTo("198.18.0.2", 9999, bed::hex("12345678 5155454e 04 04 04000000 7c 05 6162")));
        QVERIFY(s.sendTo("198.18.0.2", 9999, bed::hex("4e4f545155454e21 01 04 01000000")));
        QVERIFY(s.sendTo("198.18.0.2", 9999, QByteArray("abc")));
        QElapsedTimer t;
        t.start();
        while (linesAfterMark(QStringLiteral("capture")).size() < 5 && t.elapsed() < tsup::guardMs())
            m_listen.receiveFor(50);
        m_listen.receiveFor(500);

        const QList<QJsonObject> lines = linesAfterMark(QStringLiteral("capture"));
        QCOMPARE(lines.size(), 5);
        const char *const src[] = {"198.18.0.1", "198.18.1.1"};
        const char *const iface[] = {"vs0", "vs1"};
        const char *const mac[] = {kMacVc0, kMacVc1};
        for (int i = 0; i < 2; ++i) {
            const QJsonObject &o = lines[i];
            QCOMPARE(o.value("src").toString(), QString::fromLatin1(src[i]));
            QVERIFY(o.value("sport").toInt() > 0);
            QCOMPARE(o.value("dst").toString(), QStringLiteral("255.255.255.255"));
            QCOMPARE(o.value("iface").toString(), QString::fromLatin1(iface[i]));
            QCOMPARE(o.value("len").toInt(), 39);
            QCOMPARE(o.value("header").toBool(), true);
            QVERIFY(o.value("t").toDouble() > 1.6e9);
            QCOMPARE(o.value("raw").toString().toLatin1(), search(mac[i]).toHex());
            const QJsonArray items = o.value("items").toArray();
            QCOMPARE(items.size(), 3);
            QCOMPARE(items[0].toObject().value("id").toInt(), 0x01);
            QCOMPARE(items[0].toObject().value("len").toInt(), 4);
            QCOMPARE(items[0].toObject().value("hex").toString(), QStringLiteral("01000000"));
            QCOMPARE(items[1].toObject().value("id").toInt(), 0xa4);
            QCOMPARE(items[1].toObject().value("hex").toString(), QStringLiteral("00000201"));
            QCOMPARE(items[2].toObject().value("id").toInt(), 0x7c);
            QCOMPARE(items[2].toObject().value("len").toInt(), 17);
            QCOMPARE(items[2].toObject().value("hex").toString().toLatin1(), QByteArray(mac[i]).toHex());
        }
        QCOMPARE(lines[2].value("truncated").toBool(), true);
        QCOMPARE(lines[2].value("dst").toString(), QStringLiteral("198.18.0.2"));
        const QJsonArray cut = lines[2].value("items").toArray();
        QCOMPARE(cut.size(), 2);
        QCOMPARE(cut[1].toObject().value("id").toInt(), 0x7c);
        QCOMPARE(cut[1].toObject().value("hex").toString(), QStringLiteral("6162"));
        QCOMPARE(lines[3].value("header").toBool(), false);
        QCOMPARE(lines[3].value("items").toArray().size(), 1);
        QCOMPARE(lines[4].value("len").toInt(), 3);
        QCOMPARE(lines[4].value("items").toArray().size(), 0);
        // Nothing of the server's own answers is captured.
        for (const QJsonObject &o : lines)
            QVERIFY(!o.value("src").toString().endsWith(QLatin1String(".2")));
    }

    void ignoresItsOwnBroadcasts()
    {
        const int ownBefore = stat("ignoredOwn");
        const int repliesBefore = stat("replies");
        const int receivedBefore = stat("received");
        const auto heard = searchFrom({{"198.18.0.1", kMacVc0}}, 2);
        QCOMPARE(ofType(heard, 2).size(), 2);
        QCOMPARE(stat("replies") - repliesBefore, 2);
        QCOMPARE(stat("received") - receivedBefore, 1);
        // Both answers came back to the server's own socket and were dropped.
        QElapsedTimer t;
        t.start();
        while (stat("ignoredOwn") - ownBefore < 2 && t.elapsed() < tsup::guardMs())
            m_listen.receiveFor(50);
        QVERIFY(stat("ignoredOwn") - ownBefore >= 2);

        // A search broadcast by the server itself is heard here, but the server never answers it.
        const QString injected = QString::fromLatin1(search(kMacVc0).toHex());
        QCOMPARE(m_ctl.command(QStringLiteral("discovery inject 255.255.255.255 9999 ") + injected),
                 QStringLiteral("ok"));
        QList<bed::Udp::Received> after;
        bed::Udp::Received r;
        t.restart();
        while (ofType(after, 1).isEmpty() && t.elapsed() < tsup::guardMs())
            if (m_listen.receive(&r, 100))
                after << r;
        after += m_listen.receiveFor(1000);
        QCOMPARE(ofType(after, 1).size(), 1);
        QCOMPARE(ofType(after, 2).size(), 0);
        QCOMPARE(stat("replies") - repliesBefore, 2);
        QCOMPARE(stat("received") - receivedBefore, 1);
    }

    void answersOnlySearches()
    {
        bed::Udp s;
        QVERIFY(s.open("198.18.0.1", 0));
        // Type 1 with a target MAC is a command, not a search; type 4 has no handler yet.
        QVERIFY(s.sendTo("255.255.255.255", 9999, search(kMacVc0) + bed::hex("19 11") + "02:53:56:00:00:01"));
        QVERIFY(s.sendTo("255.255.255.255", 9999, bed::hex("12345678 5155454e 01 04 04000000 a4 04 00000201")));
        QCOMPARE(ofType(m_listen.receiveFor(1200), 2).size(), 0);
    }

    void unicastAfterDelay()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("discovery reply unicast")), QStringLiteral("ok"));
        const int delayMs = 600;
        QCOMPARE(m_ctl.command(QStringLiteral("discovery delay %1").arg(delayMs)), QStringLiteral("ok"));
        QCOMPARE(m_ctl.command(QStringLiteral("discovery delay -1")), QStringLiteral("err bad delay"));
        // Bound to the unicast address: broadcasts do not reach this socket, unicasts do.
        bed::Udp unicast;
        QVERIFY(unicast.open("198.18.0.1", 9999));
        QElapsedTimer t;
        t.start();
        bed::Udp s;
        QVERIFY(s.open("198.18.0.1", 0));
        QVERIFY(s.sendTo("255.255.255.255", 9999, search(kMacVc0)));
        bed::Udp::Received r;
        QVERIFY(unicast.receive(&r, tsup::guardMs()));
        // Not before the delay, whose coarse timer may fire up to 5 % early.
        QVERIFY2(t.elapsed() >= delayMs * 95 / 100, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(bed::packetType(r.bytes), 2);
        QCOMPARE(r.from, bed::addr("198.18.0.2"));
        QCOMPARE(r.port, uint16_t(9999));
        QCOMPARE(r.dst, bed::addr("198.18.0.1"));
        QVERIFY(unicast.receive(&r, tsup::guardMs()));
        QCOMPARE(bed::packetType(r.bytes), 2);
        QCOMPARE(ofType(m_listen.receiveFor(500), 2).size(), 0); // no broadcast copies
    }

    void controlCommands()
    {
        QCOMPARE(m_ctl.command(QStringLiteral("set 0 state 5")), QStringLiteral("ok"));
        QCOMPARE(m_ctl.command(QStringLiteral("set 02:53:56:00:00:02 silent true")), QStringLiteral("ok"));
        QCOMPARE(m_ctl.command(QStringLiteral("set 7 state 1")), QStringLiteral("err no unit 7"));
        QCOMPARE(m_ctl.command(QStringLiteral("set 0 state {")), QStringLiteral("err bad JSON value"));
        QCOMPARE(m_ctl.command(QStringLiteral("bogus")), QStringLiteral("err unknown command bogus"));
        QCOMPARE(m_ctl.command(QStringLiteral("discovery bogus")), QStringLiteral("err unknown discovery command"));
        auto answers = ofType(searchFrom({{"198.18.0.1", kMacVc0}}, 1), 2);
        QCOMPARE(answers.size(), 1);
        QVERIFY(answers[0].bytes.contains(bed::hex("a7 04 05000000")));

        // A scenario of its own, with an extra raw item and a protocol version of its own.
        QFile f(QDir(bed::env("VORK_NETNS_WORKDIR")).filePath(QStringLiteral("one.json")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(R"({"units": [{"mac": "02:53:56:00:00:09", "findHostVersion": 16909056,
                   "extraItems": [{"id": 128, "hex": "0a0b0c0d"}]}]})");
        f.close();
        QCOMPARE(m_ctl.command(QStringLiteral("load ") + f.fileName()), QStringLiteral("ok 1 unit(s)"));
        QCOMPARE(m_ctl.command(QStringLiteral("load /nonexistent.json")).left(4), QStringLiteral("err "));
        answers = ofType(searchFrom({{"198.18.1.1", kMacVc1}}, 1), 2);
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers[0].bytes.toHex(),
                 bed::hex("12345678 5155454e 01 04 02000000 a4 04 00030201"
                          "19 11 30323a35333a35363a30303a30303a3039 80 04 0a0b0c0d"
                          "7c 11 30323a30303a63363a31323a30313a3031 1e 04 c6120101")
                     .toHex());
    }
};

BED_TEST_MAIN(TestSimServer)
#include "tst_simserver.moc"
