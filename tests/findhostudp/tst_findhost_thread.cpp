// The discovery thread against the simulated server, in the client namespace of a one-link bed
// (client vc0 198.18.0.1, MAC 02:00:c6:12:00:01): records reach a receiver on the GUI thread,
// every command datagram matches the sender table, the log lines, the pauses, and the life cycle
// of the listener.
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

#include "findhostbed.h"
#include "HangGuard.h"

using fht::CaptureMark;
using fht::hex;

namespace {

const char *const MAC1 = "02:53:56:00:00:01";
const char *const MAC2 = "02:53:56:00:00:02";
const char *const MAC3 = "02:53:56:00:00:03";
const char *const CLIENT_MAC = "02:00:c6:12:00:01";
const char *const CLIENT_IP = "198.18.0.1";

QString scenarioPath()
{
    return QStringLiteral(FINDHOST_TEST_DIR "/three_units.json");
}

// The text of an address field, as the log lines write it.
QString ip(uint32_t a)
{
    return ipToString(a);
}

bool lineLike(const QString &line, const QString &body)
{
    return QRegularExpression(QStringLiteral("^src/CFindHostUDP:\\d+ ") +
                              QRegularExpression::escape(body) + QStringLiteral("$"))
        .match(line)
        .hasMatch();
}

// Debug messages (qDebug), from any thread.
QMutex g_messageMutex;
QStringList g_messages;
void collectMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    QMutexLocker lock(&g_messageMutex);
    g_messages << text;
}
QStringList messagesMatching(const QString &pattern)
{
    QMutexLocker lock(&g_messageMutex);
    return g_messages.filter(QRegularExpression(pattern));
}

// The burst case: a thousand units in one scenario, each answering every search copy at once.
const int BURST_UNITS = 1000;

QString burstScenario()
{
    const QString path = bed::env("VORK_NETNS_WORKDIR") + QStringLiteral("/burst_units.json");
    return bed::writeUnitScenario(path, BURST_UNITS, "Burst") ? path : QString();
}

// The simulated server's count of answers sent so far.
int repliesSent(bed::SimControl &sim)
{
    const QString reply = sim.command(QStringLiteral("stats"));
    if (!reply.startsWith(QLatin1String("ok ")))
        return -1;
    const QJsonObject stats = QJsonDocument::fromJson(reply.mid(3).toUtf8()).object();
    if (!stats.value("discovery").isObject())
        return -1;
    return stats.value("discovery").toObject().value("replies").toInt(0);
}

// The listener of the burst case, run as a process of its own (as root, or as an ordinary user
// through setpriv): the real discovery thread, one search, and the search answers counted on the
// GUI thread until every unit is in and no answer has come for half a second (at most 30 s).
// Prints "answers <count> units <distinct units>".
int runBurstListener(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qRegisterMetaType<NASINFO>("NASINFO");
    CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);
    const int expected = argc > 2 ? atoi(argv[2]) : BURST_UNITS;
    int answers = 0;
    QSet<QByteArray> units;
    QElapsedTimer sinceLast;
    sinceLast.start();
    CFindHostUDP listener(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
    QObject::connect(&listener, &CFindHostUDP::signalRecvPkt, &app, [&](NASINFO n) {
        if (n.ulPacketType != FHOST_PKT_BRESPONSE || n.ulFieldA6 == 120)
            return;
        ++answers;
        units.insert(QByteArray(n.szMac, int(qstrnlen(n.szMac, sizeof(n.szMac)))));
        sinceLast.restart();
    });
    listener.start();
    if (!listener.waitForListening(tsup::guardMs(5000))) {
        printf("not listening\n");
        return 3;
    }
    if (!listener.slotSendPktBroadCast()) {
        printf("search not sent\n");
        return 4;
    }
    fht::waitFor([&] { return units.size() >= expected && sinceLast.elapsed() > 500; }, 30000);
    listener.terminate();
    printf("answers %d units %d\n", answers, int(units.size()));
    fflush(stdout);
    return 0;
}

} // namespace

class TestFindHostThread : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CFindHostUDP *m_thread = nullptr;
    fht::Collector m_collector;

    // A started listener with the receiver connected, once it is bound.
    CFindHostUDP *startListener(fht::Collector *collector, int expectedListeners = 1)
    {
        auto *t = new CFindHostUDP(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        connect(t, &CFindHostUDP::signalRecvPkt, collector, &fht::Collector::take);
        t->start();
        fht::waitFor([&] { return fht::udpListeners(9999) >= expectedListeners; }, 3000);
        return t;
    }

    // Stops and deletes the shared listener, if any.
    void stopMain()
    {
        if (m_thread) {
            m_thread->terminate();
            delete m_thread;
            m_thread = nullptr;
        }
    }

    // Waits for the type-4 / type-3 answer and returns the bound copy of the command datagram.
    QJsonObject boundCommand(const CaptureMark &mark, int type)
    {
        QJsonObject bound;
        fht::waitFor([&] {
            for (const QJsonObject &d : mark.datagrams(type))
                if (d.value("sport").toInt() == 1234)
                    bound = d;
            return !bound.isEmpty();
        }, 3000);
        return bound;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        qRegisterMetaType<NASINFO>("NASINFO");
        QVERIFY(m_sim.connect());
        QCOMPARE(m_sim.command(QStringLiteral("ping")), QStringLiteral("ok pong"));
        CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);
        QCOMPARE(fht::udpListeners(9999), 0);
        m_thread = startListener(&m_collector);
        QCOMPARE(fht::udpListeners(9999), 1);
        fht::LogCapture::install();
    }

    void init()
    {
        QVERIFY(m_sim.command("load " + scenarioPath()).startsWith(QLatin1String("ok 3")));
        fht::storeLanguage(QStringLiteral("deu"));
        fht::LogCapture::install();
        // Answers to the previous case still on their way are let in before the slate is wiped.
        fht::spin(300);
        fht::LogCapture::clear();
        m_collector.clear();
    }

    void searchDeliversEveryUnit()
    {
        fht::Collector second; // every receiver gets its own copy
        connect(m_thread, &CFindHostUDP::signalRecvPkt, &second, &fht::Collector::take);
        QElapsedTimer t;
        t.start();
        QVERIFY(m_thread->slotSendPktBroadCast());
        QVERIFY(t.elapsed() >= fht::SEARCH_PAUSE_MS); // the pause after the repeat
        QVERIFY(fht::waitFor([&] {
            return m_collector.find(2, MAC1) && m_collector.find(2, MAC2) && m_collector.find(2, MAC3);
        }, 20000));
        disconnect(m_thread, &CFindHostUDP::signalRecvPkt, &second, &fht::Collector::take);
        QVERIFY(!m_collector.offGuiThread);
        QVERIFY(second.find(2, MAC1) && second.find(2, MAC2) && second.find(2, MAC3));

        const NASINFO &one = *m_collector.find(2, MAC1);
        QCOMPARE(QByteArray(one.szServerName), QByteArray("VarnestorOne"));
        QCOMPARE(ip(one.ulIP), QStringLiteral("198.18.0.10"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&one.ulIP), 4), hex("c6 12 00 0a"));
        QCOMPARE(ip(one.ulMask), QStringLiteral("255.255.255.0"));
        QCOMPARE(ip(one.ulGateway), QStringLiteral("198.18.0.254"));
        QCOMPARE(ip(one.ulDNS), QStringLiteral("198.18.0.53"));
        QCOMPARE(one.ulDHCP, 0u);
        QCOMPARE(one.ulBuild, 1869u);
        QCOMPARE(one.ulConfigured, 1u);
        QCOMPARE(one.ulHttpPort, 5000u);
        QCOMPARE(one.ulHttpsPort, 5001u);
        QCOMPARE(one.ullbmapSupport1, 56ull);
        QCOMPARE(one.ullbmapMask1, 384ull);
        QCOMPARE(QByteArray(one.szSN), QByteArray("B1LKN01234"));
        QCOMPARE(QByteArray(one.szSerialNum), QByteArray("B1LKN01234"));
        QCOMPARE(QByteArray(one.szModelName), QByteArray("VS1510+"));
        QCOMPARE(ip(one.ulRemoteIP), QString::fromLatin1(CLIENT_IP));
        QCOMPARE(QByteArray(one.szSrcNICMac), QByteArray(CLIENT_MAC));

        const NASINFO &two = *m_collector.find(2, MAC2);
        QCOMPARE(QByteArray(two.szServerName), QByteArray("VarnestorTwo"));
        QCOMPARE(two.ulConfigured, 2u);
        QCOMPARE(two.ulDHCP, 1u);
        QCOMPARE(two.ulBuild, 1139u);
        QCOMPARE(two.ullbmapSupport1, 0x8000000000000020ull);
        QCOMPARE(two.ullbmapSupport2, 1ull);
        QCOMPARE(QByteArray(two.szSerialNum), QByteArray("1480LWN012345"));
        QCOMPARE(ip(two.ulRemoteIP), QString::fromLatin1(CLIENT_IP));

        const NASINFO &three = *m_collector.find(2, MAC3);
        QCOMPARE(three.ulConfigured, 11u);
        QCOMPARE(three.ulBuild, 2636u);
        QCOMPARE(ip(three.ulIP), QStringLiteral("198.18.0.30"));
        QCOMPARE(QByteArray(three.szSrcNICMac), QByteArray(CLIENT_MAC));

        // The listener hears the client's own search too; it is passed on with 17 registered.
        const QList<NASINFO> echoes = m_collector.ofType(1);
        QVERIFY(!echoes.isEmpty());
        QCOMPARE(echoes[0].ulFieldA6, 120u);
        QCOMPARE(QByteArray(echoes[0].szSrcNICMac), QByteArray(CLIENT_MAC));
    }

    void unsolicitedAnswersOfEveryType()
    {
        QVERIFY(m_sim.command("answers send 0 6").startsWith("ok "));
        QVERIFY(m_sim.command("answers send 1 12").startsWith("ok "));
        QVERIFY(m_sim.command("answers send 2 15 7").startsWith("ok "));
        QVERIFY(fht::waitFor([&] {
            return m_collector.find(6, MAC1) && m_collector.find(12, MAC2) && m_collector.find(15, MAC3);
        }, 3000));
        QCOMPARE(m_collector.find(15, MAC3)->ulErrCode, 7u);
        QCOMPARE(QByteArray(m_collector.find(6, MAC1)->szServerName), QByteArray("VarnestorOne"));
        QVERIFY(!m_collector.offGuiThread);
    }

    void simulatedAnswerBytes()
    {
        // The simulated server's answer forms, typed by hand (unit 3, no request: no 0x7c, 0x1e).
        const QByteArray head = hex("12 34 56 78 51 55 45 4e");
        const QByteArray mac3 = hex("30 32 3a 35 33 3a 35 36 3a 30 30 3a 30 30 3a 30 33");
        const QByteArray name3 = hex("56 61 72 6e 65 73 74 6f 72 54 68 72 65 65"); // VarnestorThree
        const QByteArray type6 = head + hex("01 04 06 00 00 00  a4 04 00 00 02 01  19 11") + mac3 +
                                 hex("11 0e") + name3 +
                                 hex("12 04 c6 12 00 1e"
                                     "a7 04 0b 00 00 00"
                                     "49 04 4c 0a 00 00"
                                     "73 0a 43 39 58 59 5a 30 30 37 37 37"
                                     "1f 04 00 00 00 00");
        const QByteArray type4 = head + hex("01 04 04 00 00 00  a4 04 00 00 02 01  19 11") + mac3 +
                                 hex("1f 04 05 00 00 00  a7 04 0b 00 00 00");
        const QByteArray type3 = head + hex("01 04 03 00 00 00  a4 04 00 00 02 01  29 11") + mac3 +
                                 hex("21 0e") + name3 +
                                 hex("20 04 00 00 00 00  1f 04 00 00 00 00  a7 04 0b 00 00 00");
        QCOMPARE(m_sim.command("answers send 2 6"), "ok " + QString::fromLatin1(type6.toHex()));
        QCOMPARE(m_sim.command("answers send 2 4 5"), "ok " + QString::fromLatin1(type4.toHex()));
        QCOMPARE(m_sim.command("answers send 2 3"), "ok " + QString::fromLatin1(type3.toHex()));
        QVERIFY(fht::waitFor([&] {
            return m_collector.find(6, MAC3) && m_collector.find(4, MAC3) && m_collector.find(3, MAC3);
        }, 3000));
        QCOMPARE(m_collector.find(4, MAC3)->ulErrCode, 5u);
        QCOMPARE(QByteArray(m_collector.find(3, MAC3)->szServerName), QByteArray("VarnestorThree"));
    }

    void answerLogLines()
    {
        fht::LogCapture::install();
        QVERIFY(m_thread->slotSendPktBroadCast());
        QVERIFY(fht::waitFor([&] { return m_collector.find(2, MAC2); }, 2000));
        QVERIFY(m_sim.command("answers send 1 6").startsWith("ok "));
        QVERIFY(fht::waitFor([&] { return m_collector.find(6, MAC2); }, 2000));

        const NASINFO target = fht::targetRecord(MAC1, "VarnestorOne");
        const CNasConfig config = fht::installConfig(false, false, QStringLiteral("pa ss"),
                                                     QStringLiteral("vault"));
        QVERIFY(m_thread->slotSendPktQCF(&config, &target));
        QVERIFY(fht::waitFor([&] { return m_collector.find(4, MAC1); }, 2000));
        const CNasConfig netset(false, false, QStringLiteral("198.18.0.11"),
                                QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.254"),
                                QStringLiteral("198.18.0.53"), QStringLiteral("wrong"));
        QVERIFY(m_thread->slotSendPktNetSet(&netset, &target));
        QVERIFY(fht::waitFor([&] { return m_collector.find(3, MAC1); }, 2000));

        // Each line is waited for: the collector also holds the looped-back commands, so the
        // answers' lines may still be on their way.
        auto has = [](const QString &body) {
            return fht::waitFor([&] {
                for (const QString &line : fht::LogCapture::lines())
                    if (lineLike(line, body))
                        return true;
                return false;
            }, 2000);
        };
        QVERIFY(has("BResponse from VarnestorTwo, con=0, IP=198.18.0.20, mac=02:53:56:00:00:02, "
                    "conf=2, RemoteIP=198.18.0.1"));
        QVERIFY(has("JResponse from VarnestorTwo, con=0, IP=198.18.0.20, mac=02:53:56:00:00:02, "
                    "conf=2, RemoteIP=0.0.0.0"));
        QVERIFY(has("Send Conf to vault, type=4, mac=02:53:56:00:00:01"));
        QVERIFY(has("QCF from , con=0, IP=0.0.0.0, mac=02:53:56:00:00:01, conf=1, err=0, "
                    "RemoteIP=0.0.0.0"));
        QVERIFY(has("Send Conf to VarnestorOne, type=3, mac=02:53:56:00:00:01"));
        // The wrong password is refused with error 1; the unit keeps its name ("vault" from the
        // accepted quick configuration).
        QVERIFY(has("NSET from vault, con=0, IP=0.0.0.0, mac=02:53:56:00:00:01, conf=1, err=1, "
                    "RemoteIP=0.0.0.0"));
    }

    void quickConfiguration()
    {
        fht::storeLanguage(QStringLiteral("deu"));
        const QString name40 = QString(20, QChar(0x00fc)); // 40 UTF-8 bytes
        const CNasConfig config = fht::installConfig(false, true, QStringLiteral("pa ss"), name40);
        const NASINFO target = fht::targetRecord(MAC1, "VarnestorOne");
        CaptureMark mark;
        QVERIFY(m_thread->slotSendPktQCF(&config, &target));
        const QJsonObject d = boundCommand(mark, 4);
        QVERIFY(!d.isEmpty());
        QCOMPARE(fht::idsOf(d), (QList<int>{0xa4, 0xa6, 0x01, 0x19, 0x2a, 0x20, 0x21, 0x22, 0x23,
                                            0x24, 0x25, 0x31, 0x32, 0x37, 0x39, 0x40, 0x42, 0xb0,
                                            0xb1, 0xb8, 0xb9, 0x7c}));
        QCOMPARE(fht::valueOf(d, 0xa4), hex("00 00 02 01"));
        QCOMPARE(fht::valueOf(d, 0xa6), hex("78 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x19), QByteArray(MAC1));
        QCOMPARE(fht::valueOf(d, 0x20), hex("00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x21), name40.toUtf8().left(35));
        QCOMPARE(fht::valueOf(d, 0x22), hex("c6 12 00 14"));
        QCOMPARE(fht::valueOf(d, 0x23), hex("ff ff ff 00"));
        QCOMPARE(fht::valueOf(d, 0x24), hex("c6 12 00 01"));
        QCOMPARE(fht::valueOf(d, 0x25), hex("c6 12 00 02"));
        QCOMPARE(fht::valueOf(d, 0x31), QByteArray("2014-02-03-09-05-07"));
        QCOMPARE(fht::valueOf(d, 0x32), QByteArray("Dublin"));
        QCOMPARE(fht::valueOf(d, 0x37), QByteArray("ger"));
        QCOMPARE(fht::valueOf(d, 0x39), QByteArray("enu"));
        QCOMPARE(fht::valueOf(d, 0x40), hex("03 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x42), hex("03 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xb0), hex("80 00 00 00 00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xb1), hex("00 00 00 00 00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xb8), hex("80 00 00 00 00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xb9), hex("00 00 00 00 00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x7c), QByteArray(CLIENT_MAC));
        QCOMPARE(d.value("dst").toString(), QStringLiteral("255.255.255.255"));

        // The simulated server unscrambles the password with the project's key.
        QVERIFY(fht::waitFor([&] { return !mark.commands("quickconfig").isEmpty(); }, 2000));
        const QJsonObject cmd = mark.commands("quickconfig").first();
        QCOMPARE(cmd.value("password").toString(), QStringLiteral("pa ss"));
        QCOMPARE(cmd.value("passwordOk").toBool(), true);
        QCOMPARE(cmd.value("error").toInt(), 0);

        // Its type-4 answer comes back with the echoed interface MAC.
        QVERIFY(fht::waitFor([&] { return m_collector.find(4, MAC1); }, 2000));
        const NASINFO *answer = m_collector.find(4, MAC1);
        QCOMPARE(answer->ulErrCode, 0u);
        QCOMPARE(QByteArray(answer->szSrcNICMac), QByteArray(CLIENT_MAC));
    }

    void quickConfigurationDhcp()
    {
        fht::storeLanguage(QStringLiteral("enu"));
        const CNasConfig config = fht::installConfig(true, false, QStringLiteral("bad"),
                                                     QStringLiteral("vault"), 0,
                                                     QStringLiteral("198.18.0.20"), QString(),
                                                     QString(), QString());
        const NASINFO target = fht::targetRecord(MAC1, "VarnestorOne");
        CaptureMark mark;
        QVERIFY(m_thread->slotSendPktQCF(&config, &target));
        const QJsonObject d = boundCommand(mark, 4);
        QVERIFY(!d.isEmpty());
        QCOMPARE(fht::valueOf(d, 0x20), hex("01 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x22), hex("c6 12 00 14"));
        QCOMPARE(fht::valueOf(d, 0x23), hex("00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x24), hex("00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x25), hex("00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x32), QByteArray("Kwajalein"));
        QCOMPARE(fht::valueOf(d, 0x37), QByteArray("enu"));
        QCOMPARE(fht::valueOf(d, 0x40), hex("01 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xb0), hex("00 00 00 00 00 00 00 00"));
        // A wrong password: the server answers with error 1.
        QVERIFY(fht::waitFor([&] { return m_collector.find(4, MAC1); }, 2000));
        QCOMPARE(m_collector.find(4, MAC1)->ulErrCode, 1u);
        QCOMPARE(mark.commands("quickconfig").first().value("password").toString(),
                 QStringLiteral("bad"));
    }

    void networkSetting_data()
    {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("field1B");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("static, named, 1B 0")
            << false << "VarnestorOne" << 0u
            << QList<int>{0x01, 0xa4, 0x29, 0x21, 0x20, 0x22, 0x23, 0x24, 0x25, 0x2a, 0x7c};
        QTest::newRow("DHCP, unnamed, 1B set")
            << true << "" << 0x0100a8c0u << QList<int>{0x01, 0xa4, 0x29, 0x20, 0x2a, 0x2b, 0x7c};
        QTest::newRow("DHCP, named, 1B 0")
            << true << "VarnestorOne" << 0u << QList<int>{0x01, 0xa4, 0x29, 0x21, 0x20, 0x2a, 0x7c};
        QTest::newRow("static, unnamed, 1B set")
            << false << "" << 5u
            << QList<int>{0x01, 0xa4, 0x29, 0x20, 0x22, 0x23, 0x24, 0x25, 0x2a, 0x2b, 0x7c};
    }

    void networkSetting()
    {
        QFETCH(bool, dhcp);
        QFETCH(QString, name);
        QFETCH(uint, field1B);
        QFETCH(QList<int>, ids);
        NASINFO target = fht::targetRecord(MAC1, name.toUtf8().constData());
        target.ulField1B = field1B;
        target.ulBuild = 1869;
        const CNasConfig config(dhcp, false, QStringLiteral("198.18.0.11"),
                                QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.254"),
                                QString(), QStringLiteral("pa ss"));
        CaptureMark mark;
        QVERIFY(m_thread->slotSendPktNetSet(&config, &target));
        const QJsonObject d = boundCommand(mark, 3);
        QVERIFY(!d.isEmpty());
        QCOMPARE(fht::idsOf(d), ids);
        QCOMPARE(fht::valueOf(d, 0x01), hex("03 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xa4), hex("00 00 02 01"));
        QCOMPARE(fht::valueOf(d, 0x29), QByteArray(MAC1));
        QCOMPARE(fht::valueOf(d, 0x21), name.toUtf8());
        QCOMPARE(fht::valueOf(d, 0x20), dhcp ? hex("01 00 00 00") : hex("00 00 00 00"));
        if (!dhcp) {
            QCOMPARE(fht::valueOf(d, 0x22), hex("c6 12 00 0b"));
            QCOMPARE(fht::valueOf(d, 0x23), hex("ff ff ff 00"));
            QCOMPARE(fht::valueOf(d, 0x24), hex("c6 12 00 fe"));
            QCOMPARE(fht::valueOf(d, 0x25), hex("00 00 00 00"));
        }
        if (field1B)
            QCOMPARE(fht::valueOf(d, 0x2b),
                     QByteArray(reinterpret_cast<const char *>(&field1B), 4));
        QVERIFY(fht::waitFor([&] { return !mark.commands("netsetting").isEmpty(); }, 2000));
        QCOMPARE(mark.commands("netsetting").first().value("password").toString(),
                 QStringLiteral("pa ss"));
        // The type-3 answer passes the client's reader (it carries 0x20, 0x21 and 0x29).
        QVERIFY(fht::waitFor([&] { return m_collector.find(3, MAC1); }, 2000));
        QCOMPARE(m_collector.find(3, MAC1)->ulErrCode, 0u);
        QCOMPARE(m_collector.find(3, MAC1)->ulDHCP, dhcp ? 1u : 0u);
    }

    void memoryTest()
    {
        const NASINFO target = fht::targetRecord(MAC2, "VarnestorTwo");
        CaptureMark mark;
        QVERIFY(CFindHostUDP::sendPktMemTest(QStringLiteral("m3m"), &target, 1));
        const QJsonObject d = boundCommand(mark, 12);
        QVERIFY(!d.isEmpty());
        QCOMPARE(fht::idsOf(d), (QList<int>{0xa4, 0xa6, 0x01, 0x19, 0x2a, 0x4a, 0x7c}));
        QCOMPARE(fht::valueOf(d, 0x01), hex("0c 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xa6), hex("78 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0x19), QByteArray(MAC2));
        QCOMPARE(fht::valueOf(d, 0x4a), QByteArray("admin"));
        QVERIFY(fht::waitFor([&] { return !mark.commands("memtest").isEmpty(); }, 2000));
        QCOMPARE(mark.commands("memtest").first().value("password").toString(), QStringLiteral("m3m"));
        QCOMPARE(mark.commands("memtest").first().value("unit").toString(), QString::fromLatin1(MAC2));
    }

    void fileSystemCheckSkip()
    {
        NASINFO target = fht::targetRecord(MAC3, "VarnestorThree");
        target.ullbmapSupport1 = 0xffff;
        CaptureMark mark;
        QElapsedTimer t;
        t.start();
        QVERIFY(CFindHostUDP::sendPktCancelFsck(&target, 1));
        QVERIFY(t.elapsed() >= fht::SEARCH_PAUSE_MS); // the pause after the last repeat too
        QJsonObject d;
        QVERIFY(fht::waitFor([&] {
            for (const QJsonObject &o : mark.datagrams(1))
                if (o.value("sport").toInt() == 1234 && !fht::valueOf(o, 0x19).isEmpty())
                    d = o;
            return !d.isEmpty();
        }, 2000));
        QCOMPARE(fht::idsOf(d), (QList<int>{0xa4, 0xa6, 0x01, 0x19, 0xb0, 0xb1, 0xb8, 0xb9, 0x7c}));
        QCOMPARE(fht::valueOf(d, 0x19), QByteArray(MAC3));
        QCOMPARE(fht::valueOf(d, 0xb0), hex("00 03 00 00 00 00 00 00"));
        QCOMPARE(fht::valueOf(d, 0xb8), hex("00 03 00 00 00 00 00 00"));
        QVERIFY(fht::waitFor([&] { return !mark.commands("fsckskip").isEmpty(); }, 2000));
        // The simulated server takes it as a command, not as a search: no type-2 answer.
        fht::spin(300);
        QVERIFY(m_collector.ofType(2).isEmpty());
    }

    void recoveryRepeats()
    {
        CaptureMark mark;
        QElapsedTimer t;
        t.start();
        QVERIFY(CFindHostUDP::sendPktSysRecovery(2));
        const qint64 took = t.elapsed();
        // A pause after each of the two repeats, and no third one.
        QVERIFY2(took >= 2 * fht::MAINTENANCE_PAUSE_MS && took < tsup::before(3 * fht::MAINTENANCE_PAUSE_MS),
                 qPrintable(QString::number(took)));
        QList<QJsonObject> bound;
        QVERIFY(fht::waitFor([&] {
            bound.clear();
            for (const QJsonObject &o : mark.datagrams(15))
                if (o.value("sport").toInt() == 1234)
                    bound << o;
            return bound.size() >= 2;
        }, 2000));
        QCOMPARE(bound.size(), 2);
        QCOMPARE(fht::idsOf(bound[0]), (QList<int>{0xa4, 0xa6, 0x01, 0x7c}));
        QCOMPARE(fht::idsOf(bound[1]), (QList<int>{0xa4, 0xa6, 0x01, 0x7c, 0x7c}));
        // One pause of a second between them, not two, as the program began each repeat.
        const QList<qint64> repeats = fht::LogCapture::timesOf(fht::BROADCAST_LINE);
        QCOMPARE(repeats.size(), 2);
        const qint64 gap = repeats[1] - repeats[0];
        QVERIFY2(gap >= fht::MAINTENANCE_PAUSE_MS && gap < tsup::before(2 * fht::MAINTENANCE_PAUSE_MS),
                 qPrintable(QString::number(gap)));
        QCOMPARE(mark.datagrams(15).size(), 4);
    }

    void quickConfigurationBlocksForItsPauses()
    {
        const CNasConfig config = fht::installConfig(false, false, QStringLiteral("pa ss"),
                                                     QStringLiteral("vault"));
        const NASINFO target = fht::targetRecord(MAC1, "VarnestorOne");
        CaptureMark mark;
        g_messages.clear();
        const QtMessageHandler old = qInstallMessageHandler(collectMessage);
        QElapsedTimer t;
        t.start();
        const bool sent = m_thread->slotSendPktQCF(&config, &target, 3);
        const qint64 took = t.elapsed();
        qInstallMessageHandler(old);
        QVERIFY(sent);
        // Two pauses between the three repeats (each with its debug line below), and no third.
        QVERIFY2(took >= 2 * fht::CONFIGURATION_PAUSE_MS
                     && took < tsup::before(3 * fht::CONFIGURATION_PAUSE_MS),
                 qPrintable(QString::number(took)));
        QVERIFY(fht::waitFor([&] { return mark.datagrams(4).size() >= 6; }, 2000));
        fht::spin(200);
        QCOMPARE(mark.datagrams(4).size(), 6);
        // One debug line before each of the two pauses, counting from 0.
        const QStringList rounds = messagesMatching(QStringLiteral("sendQuickPkt-round"));
        QCOMPARE(rounds.size(), 2);
        QVERIFY(QRegularExpression(QStringLiteral(
                    "^src/CFindHostUDP:\\d+ slotSendPktQCF=\\[sendQuickPkt-round: 0\\]\n$"))
                    .match(rounds[0]).hasMatch());
        QVERIFY(rounds[1].endsWith(QStringLiteral("=[sendQuickPkt-round: 1]\n")));
    }

    void networkSettingPauses()
    {
        const CNasConfig config(true, false, QString(), QString(), QString(), QString(),
                                QStringLiteral("pa ss"));
        const NASINFO target = fht::targetRecord(MAC1, "VarnestorOne");
        CaptureMark mark;
        g_messages.clear();
        const QtMessageHandler old = qInstallMessageHandler(collectMessage);
        QElapsedTimer t;
        t.start();
        const bool sent = m_thread->slotSendPktNetSet(&config, &target, 2);
        const qint64 took = t.elapsed();
        qInstallMessageHandler(old);
        QVERIFY(sent);
        // One pause between the two repeats (one debug line below), and no second.
        QVERIFY2(took >= fht::CONFIGURATION_PAUSE_MS && took < tsup::before(2 * fht::CONFIGURATION_PAUSE_MS),
                 qPrintable(QString::number(took)));
        const QStringList rounds = messagesMatching(QStringLiteral("sendNetSetting-round"));
        QCOMPARE(rounds.size(), 1);
        QVERIFY(rounds[0].endsWith(QStringLiteral("=[sendNetSetting-round: 0]\n")));
        QVERIFY(fht::waitFor([&] { return mark.datagrams(3).size() >= 4; }, 2000));
        // The repeat carries the interface's MAC item twice.
        QList<QJsonObject> bound;
        for (const QJsonObject &d : mark.datagrams(3))
            if (d.value("sport").toInt() == 1234)
                bound << d;
        QCOMPARE(bound.size(), 2);
        QCOMPARE(fht::idsOf(bound[1]), (QList<int>{0x01, 0xa4, 0x29, 0x21, 0x20, 0x2a, 0x7c, 0x7c}));
    }

    void noRepeatsSendNothing()
    {
        const CNasConfig config = fht::installConfig(false, false, QString(), QStringLiteral("v"));
        const NASINFO target = fht::targetRecord(MAC1, "VarnestorOne");
        CaptureMark mark;
        QElapsedTimer t;
        t.start();
        for (int n : {0, -1}) {
            QVERIFY(!m_thread->slotSendPktBroadCast(n));
            QVERIFY(!m_thread->slotSendPktQCF(&config, &target, n));
            QVERIFY(!m_thread->slotSendPktNetSet(&config, &target, n));
            QVERIFY(!CFindHostUDP::sendPktSysRecovery(n));
            QVERIFY(!CFindHostUDP::sendPktCancelFsck(&target, n));
            QVERIFY(!CFindHostUDP::sendPktMemTest(QStringLiteral("x"), &target, n));
        }
        // Missing records are refused the same way.
        QVERIFY(!m_thread->slotSendPktQCF(nullptr, &target));
        QVERIFY(!m_thread->slotSendPktQCF(&config, nullptr));
        QVERIFY(!m_thread->slotSendPktNetSet(&config, nullptr));
        QVERIFY(!CFindHostUDP::sendPktCancelFsck(nullptr, 1));
        QVERIFY(!CFindHostUDP::sendPktMemTest(QStringLiteral("x"), nullptr, 1));
        // Not one pause.
        QVERIFY2(t.elapsed() < tsup::before(fht::SEARCH_PAUSE_MS), qPrintable(QString::number(t.elapsed())));
        fht::spin(1000);
        QVERIFY(mark.datagrams().isEmpty());
    }

    void stopAndRestart()
    {
        QVERIFY(m_thread);
        const qint64 past = tsup::msPastEnd(m_thread, [this] { m_thread->terminate(); });
        // The loop saw the stop within its turn and closed its socket: nothing had to be killed,
        // and the stop's wait ended with the thread.
        QCOMPARE(fht::LogCapture::matching(QStringLiteral("listener did not stop")).size(), 0);
        QVERIFY(m_thread->isFinished());
        QCOMPARE(fht::udpListeners(9999), 0);
        QVERIFY2(past >= 0 && past < tsup::before(fht::STOP_WAIT_PAST_TURN_MS), qPrintable(QString::number(past)));
        delete m_thread;
        m_thread = nullptr;

        // Nothing is emitted any more, even though the simulated server still answers.
        fht::spin(100);
        m_collector.clear();
        QVERIFY(m_sim.command("answers send 0 6").startsWith("ok "));
        fht::spin(2500);
        QVERIFY(m_collector.records.isEmpty());

        // The listener mutex was released: a new instance starts and receives.
        m_thread = startListener(&m_collector);
        QCOMPARE(fht::udpListeners(9999), 1);
        QVERIFY(m_sim.command("answers send 0 6").startsWith("ok "));
        QVERIFY(fht::waitFor([&] { return m_collector.find(6, MAC1); }, 3000));

        // A receiver connected directly runs on the listening thread; stopping from there
        // neither deadlocks nor kills the thread.
        CFindHostUDP *self = m_thread;
        const QMetaObject::Connection direct = connect(
            m_thread, &CFindHostUDP::signalRecvPkt, m_thread,
            [self](NASINFO) { self->terminate(); }, Qt::DirectConnection);
        QVERIFY(m_sim.command("answers send 1 6").startsWith("ok "));
        QVERIFY(m_thread->wait(tsup::guardMs(4000)));
        disconnect(direct);
        QCOMPARE(fht::udpListeners(9999), 0);

        // The same object listens again after a start.
        m_collector.clear();
        m_thread->start();
        QVERIFY(fht::waitFor([] { return fht::udpListeners(9999) == 1; }, 3000));
        QVERIFY(m_sim.command("answers send 2 6").startsWith("ok "));
        QVERIFY(fht::waitFor([&] { return m_collector.find(6, MAC3); }, 3000));
    }

    void oneListenerAtATime()
    {
        fht::Collector firstRecords;
        fht::Collector secondRecords;
        stopMain();

        QScopedPointer<CFindHostUDP> first(startListener(&firstRecords));
        CFindHostUDP *second = startListener(&secondRecords);
        m_thread = second; // stopped by the later cases or at the end
        fht::spin(500);
        QVERIFY(second->isRunning());
        QCOMPARE(fht::udpListeners(9999), 1); // the second waits for the listener mutex
        QVERIFY(m_sim.command("answers send 1 6").startsWith("ok "));
        QVERIFY(fht::waitFor([&] { return firstRecords.find(6, MAC2); }, 3000));
        QVERIFY(secondRecords.records.isEmpty());

        // Stopping the first lets the second listen; stopping one never stops the other.
        first->terminate();
        QVERIFY(fht::waitFor([&] { return fht::udpListeners(9999) == 1 && !first->isRunning(); }, 3000));
        QVERIFY(second->isRunning());
        fht::spin(300);
        QVERIFY(m_sim.command("answers send 2 6").startsWith("ok "));
        QVERIFY(fht::waitFor([&] { return secondRecords.find(6, MAC3); }, 3000));
        QVERIFY(!firstRecords.find(6, MAC3));

        // A second listener stopped while it still waits ends as well, by itself.
        QScopedPointer<CFindHostUDP> third(startListener(&firstRecords));
        fht::LogCapture::install(); // the constructor gave level 1 back to the program's sink
        fht::spin(300);
        const qint64 past = tsup::msPastEnd(third.data(), [&] { third->terminate(); });
        QCOMPARE(fht::LogCapture::matching(QStringLiteral("listener did not stop")).size(), 0);
        QVERIFY(third->isFinished());
        QVERIFY2(past >= 0 && past < tsup::before(fht::STOP_WAIT_PAST_TURN_MS), qPrintable(QString::number(past)));
        // Longer than one turn of the loop: the running listener was not told to stop.
        fht::spin(2300);
        QVERIFY(second->isRunning());
        QVERIFY(m_sim.command("answers send 0 12").startsWith("ok "));
        QVERIFY(fht::waitFor([&] { return secondRecords.find(12, MAC1); }, 3000));
    }

    void bindAddressNotLocal()
    {
        stopMain();
        fht::Collector records;
        QScopedPointer<CFindHostUDP> t(new CFindHostUDP(nullptr, -1, 9999, QStringLiteral("198.19.255.1")));
        connect(t.data(), &CFindHostUDP::signalRecvPkt, &records, &fht::Collector::take);
        fht::LogCapture::install();
        fht::LogCapture::clear();
        t->start();
        QVERIFY(t->wait(tsup::guardMs(3000))); // ends by itself
        QCOMPARE(fht::LogCapture::matching(QStringLiteral("Server run error!\n")).size(), 1);
        QVERIFY(lineLike(fht::LogCapture::matching(QStringLiteral("Server run error!")).first(),
                         QStringLiteral("Server run error!\n")));

        // Senders work without a listener; no record arrives.
        CaptureMark mark;
        QVERIFY(t->slotSendPktBroadCast());
        QVERIFY(fht::waitFor([&] { return !mark.datagrams(1).isEmpty(); }, 2000));
        fht::spin(1000);
        QVERIFY(records.records.isEmpty());
        t.reset();

        // A listener with a text longer than an address takes 15 characters and fails cleanly.
        fht::LogCapture::clear();
        QScopedPointer<CFindHostUDP> longText(
            new CFindHostUDP(nullptr, -1, 9999, QStringLiteral("198.18.0.1.extra.text")));
        fht::LogCapture::install(); // the constructor gave level 1 back to the program's sink
        longText->start();
        QVERIFY(longText->wait(tsup::guardMs(3000)));
        QCOMPARE(fht::LogCapture::matching(QStringLiteral("Server run error!\n")).size(), 1);
    }

    // A thousand units answer both copies of one search at once. Every answer reaches the
    // receivers: as root, and as an ordinary user, whose socket buffer the kernel caps.
    void burstOfAThousandAnswers_data()
    {
        QTest::addColumn<bool>("ordinaryUser");
        QTest::newRow("root") << false;
        QTest::newRow("ordinary user") << true;
    }

    void burstOfAThousandAnswers()
    {
        QFETCH(bool, ordinaryUser);
        QString program = QCoreApplication::applicationFilePath();
        QStringList args{QStringLiteral("--burst-listener"), QString::number(BURST_UNITS)};
        if (ordinaryUser) {
            if (geteuid() != 0)
                QSKIP("only root can run the listener as another user");
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty())
                QSKIP("setpriv is not installed");
            const QStringList asNobody{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                       QStringLiteral("--clear-groups"), QStringLiteral("--")};
            if (QProcess::execute(setpriv, asNobody + QStringList{program, QStringLiteral("--burst-probe")}) != 0)
                QSKIP("the test binary cannot be run by user nobody here");
            args = asNobody + QStringList{program} + args;
            program = setpriv;
        }
        const QString scenario = burstScenario();
        QVERIFY(!scenario.isEmpty());
        QVERIFY(m_sim.command("load " + scenario).startsWith(QLatin1String("ok 1000")));
        stopMain(); // the listener process is the only one here
        const int before = repliesSent(m_sim);
        QVERIFY(before >= 0);

        QProcess listener;
        listener.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        listener.start(program, args);
        const bool ended = listener.waitForFinished(tsup::guardMs(60000));
        if (!ended) {
            listener.kill();
            listener.waitForFinished(tsup::guardMs(5000));
        }
        m_thread = startListener(&m_collector);
        QVERIFY2(ended, "the listener process hung");
        const QString output = QString::fromLocal8Bit(listener.readAllStandardOutput()).trimmed();
        QCOMPARE(listener.exitCode(), 0);
        const int sent = repliesSent(m_sim) - before;
        // Both copies of the search were answered by every unit.
        QCOMPARE(sent, 2 * BURST_UNITS);
        const QRegularExpressionMatch counts =
            QRegularExpression(QStringLiteral("^answers (\\d+) units (\\d+)$")).match(output);
        QVERIFY2(counts.hasMatch(), qPrintable(output));
        // Every unit is listed. Root's buffer does not depend on the system's limit: there every
        // answer arrives. An ordinary user's buffer is the system's limit, which on a busy machine
        // may still lose one of a unit's two answers.
        QCOMPARE(counts.captured(2).toInt(), BURST_UNITS);
        if (ordinaryUser)
            QVERIFY(counts.captured(1).toInt() <= sent);
        else
            QCOMPARE(counts.captured(1).toInt(), sent);
    }

    void cleanupTestCase() { stopMain(); }
};

// Besides the test itself the binary runs the burst case's listener (--burst-listener N) and
// answers the check that another user may run it (--burst-probe).
int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--burst-listener") == 0)
        return runBurstListener(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--burst-probe") == 0)
        return 0;
    QCoreApplication app(argc, argv);
    QString why;
    if (!bed::active(&why)) {
        fprintf(stderr, "skipped: %s\n", qPrintable(why));
        return 77;
    }
    TestFindHostThread tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_findhost_thread.moc"
