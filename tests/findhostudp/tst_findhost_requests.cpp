// The discovery commands as datagrams, without any network: every sender's request written with
// the packet writer and compared with bytes typed by hand; the password cut and scrambling; the
// address text; the log lines of received records; the type filter; the log sink.
#include <QtTest>

#include <QMetaMethod>
#include <QSignalSpy>

#include "FindHostRequests.h"
#include "HangGuard.h"
#include "VorkDebug.h"
#include "findhosttest.h"
#include "scramble.h"

using fht::hex;

namespace {

const char *const MAC1 = "02:53:56:00:00:01";
// "02:53:56:00:00:01" typed as bytes.
const char *const MAC1_HEX = "30 32 3a 35 33 3a 35 36 3a 30 30 3a 30 30 3a 30 31";
const char *const HEADER = "12 34 56 78 51 55 45 4e";

struct Item {
    int id;
    QByteArray value;
};

// The items after the header, walked by hand (not with the program's reader).
QList<Item> itemsOf(const QByteArray &d)
{
    QList<Item> items;
    for (int pos = 8; pos + 2 <= d.size();) {
        const int len = uint8_t(d[pos + 1]);
        items << Item{uint8_t(d[pos]), d.mid(pos + 2, len)};
        pos += 2 + len;
    }
    return items;
}

QByteArray itemValue(const QByteArray &d, int id)
{
    for (const Item &item : itemsOf(d))
        if (item.id == id)
            return item.value;
    return QByteArray();
}

QList<int> idsOf(const QByteArray &d)
{
    QList<int> ids;
    for (const Item &item : itemsOf(d))
        ids << item.id;
    return ids;
}

// The password text carried by 0x2a and its 0x72 continuations, unscrambled.
QByteArray decodedPassword(const QByteArray &d)
{
    QByteArray scrambled;
    for (const Item &item : itemsOf(d))
        if (item.id == 0x2a || item.id == 0x72)
            scrambled += item.value;
    QByteArray plain(scrambled.size() / 2 + 1, '\0');
    const int n = scrambleDecode(scrambled.constData(), plain.data());
    return n > 0 ? QByteArray(plain.constData(), n) : QByteArray();
}

QStringList g_messages;
void collectMessages(QtMsgType, const QMessageLogContext &, const QString &text)
{
    g_messages << text;
}

} // namespace

class TestFindHostRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        qRegisterMetaType<NASINFO>("NASINFO");
        fht::storeLanguage(QStringLiteral("deu"));
    }

    void search()
    {
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildSearch(&n, &s));
        const QByteArray expected = hex(HEADER) + hex("a4 04 00 00 02 01"
                                                      "a6 04 78 00 00 00"
                                                      "01 04 01 00 00 00"
                                                      "b0 08 c0 01 00 00 00 00 00 00"
                                                      "b1 08 00 00 00 00 00 00 00 00"
                                                      "b8 08 c0 01 00 00 00 00 00 00"
                                                      "b9 08 00 00 00 00 00 00 00 00");
        QCOMPARE(expected.size(), 66);
        QCOMPARE(fht::datagramOf(s).toHex(' '), expected.toHex(' '));
    }

    void cancelFsck()
    {
        NASINFO target = fht::targetRecord(MAC1, "vault");
        // Whatever the target advertises, the command carries services 8 and 9 only.
        target.ullbmapSupport1 = ~0ull;
        target.ullbmapMask1 = ~0ull;
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildCancelFsck(&n, &s, &target));
        const QByteArray expected =
            hex(HEADER) + hex("a4 04 00 00 02 01"
                              "a6 04 78 00 00 00"
                              "01 04 01 00 00 00") +
            hex("19 11") + hex(MAC1_HEX) +
            hex("b0 08 00 03 00 00 00 00 00 00"
                "b1 08 00 00 00 00 00 00 00 00"
                "b8 08 00 03 00 00 00 00 00 00"
                "b9 08 00 00 00 00 00 00 00 00");
        QCOMPARE(fht::datagramOf(s).toHex(' '), expected.toHex(' '));
        QVERIFY(!findhostBuildCancelFsck(&n, &s, nullptr));
    }

    void sysRecovery()
    {
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildSysRecovery(&n, &s));
        const QByteArray expected = hex(HEADER) + hex("a4 04 00 00 02 01"
                                                      "a6 04 78 00 00 00"
                                                      "01 04 0f 00 00 00");
        QCOMPARE(fht::datagramOf(s).toHex(' '), expected.toHex(' '));
    }

    void memTest()
    {
        const NASINFO target = fht::targetRecord(MAC1, "vault");
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildMemTest(&n, &s, QString(), &target));
        const QByteArray expected = hex(HEADER) +
                                    hex("a4 04 00 00 02 01"
                                        "a6 04 78 00 00 00"
                                        "01 04 0c 00 00 00") +
                                    hex("19 11") + hex(MAC1_HEX) +
                                    hex("2a 00"
                                        "4a 05 61 64 6d 69 6e");
        QCOMPARE(fht::datagramOf(s).toHex(' '), expected.toHex(' '));

        // A password travels scrambled: 6 bytes make one block of 16 characters.
        QVERIFY(findhostBuildMemTest(&n, &s, QStringLiteral("s3cret"), &target));
        const QByteArray d = fht::datagramOf(s);
        QCOMPARE(idsOf(d), (QList<int>{0xa4, 0xa6, 0x01, 0x19, 0x2a, 0x4a}));
        QCOMPARE(itemValue(d, 0x2a).size(), 16);
        QVERIFY(itemValue(d, 0x2a) != QByteArray("s3cret"));
        QCOMPARE(decodedPassword(d), QByteArray("s3cret"));
        QVERIFY(!findhostBuildMemTest(&n, &s, QStringLiteral("x"), nullptr));
    }

    void quickConf()
    {
        fht::storeLanguage(QStringLiteral("deu"));
        const CNasConfig config = fht::installConfig(false, true, QString(), QStringLiteral("vault"));
        const NASINFO target = fht::targetRecord(MAC1, "old-name");
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildQuickConf(&n, &s, &config, &target));
        const QByteArray expected =
            hex(HEADER) +
            hex("a4 04 00 00 02 01"
                "a6 04 78 00 00 00"
                "01 04 04 00 00 00") +
            hex("19 11") + hex(MAC1_HEX) +
            hex("2a 00"
                "20 04 00 00 00 00"
                "21 05 76 61 75 6c 74"
                "22 04 c6 12 00 14"
                "23 04 ff ff ff 00"
                "24 04 c6 12 00 01"
                "25 04 c6 12 00 02"
                "31 13 32 30 31 34 2d 30 32 2d 30 33 2d 30 39 2d 30 35 2d 30 37"
                "32 06 44 75 62 6c 69 6e"
                "37 03 67 65 72"
                "39 03 65 6e 75"
                "40 04 03 00 00 00"
                "42 04 03 00 00 00"
                "b0 08 80 00 00 00 00 00 00 00"
                "b1 08 00 00 00 00 00 00 00 00"
                "b8 08 80 00 00 00 00 00 00 00"
                "b9 08 00 00 00 00 00 00 00 00");
        QCOMPARE(fht::datagramOf(s).toHex(' '), expected.toHex(' '));
    }

    void quickConfDhcpAndEmptyTexts()
    {
        fht::storeLanguage(QStringLiteral("jpn"));
        // DHCP on still lists the four addresses; empty texts go out as 0. QBV off sets nothing.
        const CNasConfig config =
            fht::installConfig(true, false, QString(), QStringLiteral("vault"), 23,
                               QStringLiteral("198.18.0.20"), QStringLiteral("255.255.0.0"),
                               QString(), QString());
        const NASINFO target = fht::targetRecord(MAC1, "old");
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildQuickConf(&n, &s, &config, &target));
        const QByteArray d = fht::datagramOf(s);
        QCOMPARE(idsOf(d), (QList<int>{0xa4, 0xa6, 0x01, 0x19, 0x2a, 0x20, 0x21, 0x22, 0x23, 0x24,
                                       0x25, 0x31, 0x32, 0x37, 0x39, 0x40, 0x42, 0xb0, 0xb1, 0xb8,
                                       0xb9}));
        QCOMPARE(itemValue(d, 0x20), hex("01 00 00 00"));
        QCOMPARE(itemValue(d, 0x22), hex("c6 12 00 14"));
        QCOMPARE(itemValue(d, 0x23), hex("ff ff 00 00"));
        QCOMPARE(itemValue(d, 0x24), hex("00 00 00 00"));
        QCOMPARE(itemValue(d, 0x25), hex("00 00 00 00"));
        QCOMPARE(itemValue(d, 0x37), QByteArray("jpn"));
        QCOMPARE(itemValue(d, 0x40), hex("07 00 00 00"));
        QCOMPARE(itemValue(d, 0x42), hex("07 00 00 00"));
        QCOMPARE(itemValue(d, 0xb0), hex("00 00 00 00 00 00 00 00"));
        QCOMPARE(itemValue(d, 0xb8), hex("00 00 00 00 00 00 00 00"));
        fht::storeLanguage(QStringLiteral("deu"));
    }

    void quickConfCuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("sentName");
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<QByteArray>("sentDateTime");
        QTest::addColumn<qulonglong>("timezone");
        QTest::addColumn<QByteArray>("sentTimezone");

        // 20 two-byte characters are 40 bytes; 35 are sent, the last half character included.
        const QString umlauts(20, QChar(0x00fc));
        QTest::newRow("40-byte name")
            << umlauts << umlauts.toUtf8().left(35) << "2014/02/03 09:05:07"
            << QByteArray("2014-02-03-09-05-07") << qulonglong(23) << QByteArray("Dublin");
        QTest::newRow("35-byte name, first row")
            << QString(35, QLatin1Char('n')) << QByteArray(35, 'n') << "1999/12/31 23:59:59 UTC"
            << QByteArray("1999-12-31-23-59-59") << qulonglong(0) << QByteArray("Kwajalein");
        QTest::newRow("last row") << "a:b c/d" << QByteArray("a:b c/d") << "::  //"
                                  << QByteArray("------") << qulonglong(65) << QByteArray("Fiji");
        // Rows outside the table send an empty key instead of reading past it.
        QTest::newRow("end row") << "x" << QByteArray("x") << "" << QByteArray() << qulonglong(66)
                                 << QByteArray();
        QTest::newRow("far row") << "x" << QByteArray("x") << "" << QByteArray()
                                 << qulonglong(1000) << QByteArray();
        QTest::newRow("2^32 row") << "x" << QByteArray("x") << "" << QByteArray()
                                  << qulonglong(0x100000000ull) << QByteArray();
    }

    void quickConfCuts()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, sentName);
        QFETCH(QString, dateTime);
        QFETCH(QByteArray, sentDateTime);
        QFETCH(qulonglong, timezone);
        QFETCH(QByteArray, sentTimezone);
        const CNasConfig config(false, false, QString(), QStringLiteral("198.18.0.20"),
                                QStringLiteral("255.255.255.0"), QString(), QString(), QString(),
                                name, (unsigned long)timezone, dateTime);
        const NASINFO target = fht::targetRecord(MAC1, "old");
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildQuickConf(&n, &s, &config, &target));
        const QByteArray d = fht::datagramOf(s);
        QCOMPARE(itemValue(d, 0x21).toHex(' '), sentName.toHex(' '));
        QCOMPARE(itemValue(d, 0x31), sentDateTime);
        QCOMPARE(itemValue(d, 0x32), sentTimezone);
    }

    void passwordCut()
    {
        // 800 bytes are cut to 762 before scrambling: 1536 characters, sent as 0x2a with 255 and
        // 0x72 continuations, the last one 6 characters long.
        QString plain;
        for (int i = 0; i < 800; ++i)
            plain += QChar(QLatin1Char(char('a' + i % 26)));
        const CNasConfig config = fht::installConfig(false, false, plain, QStringLiteral("vault"));
        const NASINFO target = fht::targetRecord(MAC1, "old");
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildQuickConf(&n, &s, &config, &target));
        const QByteArray d = fht::datagramOf(s);
        QList<int> lengths;
        QList<int> passwordIds;
        for (const Item &item : itemsOf(d)) {
            if (item.id == 0x2a || item.id == 0x72) {
                passwordIds << item.id;
                lengths << item.value.size();
            }
        }
        QCOMPARE(passwordIds, (QList<int>{0x2a, 0x72, 0x72, 0x72, 0x72, 0x72, 0x72}));
        QCOMPARE(lengths, (QList<int>{255, 255, 255, 255, 255, 255, 6}));
        QCOMPARE(decodedPassword(d), plain.toUtf8().left(762));

        // Multi-byte text is cut by bytes, too.
        const QString wide(400, QChar(0x00e9));
        const CNasConfig config2 = fht::installConfig(false, false, wide, QStringLiteral("v"));
        QVERIFY(findhostBuildQuickConf(&n, &s, &config2, &target));
        QCOMPARE(decodedPassword(fht::datagramOf(s)), wide.toUtf8().left(762));

        char buffer[FINDHOST_PASSWORD_BUFFER];
        memset(buffer, 'x', sizeof(buffer));
        QCOMPARE(findhostScramblePassword(QString(), buffer), 0);
        QCOMPARE(buffer[0], '\0');
        QCOMPARE(findhostScramblePassword(plain, buffer), 1536);
        QCOMPARE(buffer[1536], '\0');
    }

    void netSetting_data()
    {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("field1B");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray head = hex(HEADER) + hex("01 04 03 00 00 00"
                                                  "a4 04 00 00 02 01") +
                                hex("29 11") + hex(MAC1_HEX);
        QTest::newRow("static, named, no 0x2b")
            << false << "vault" << 0u
            << head + hex("21 05 76 61 75 6c 74"
                          "20 04 00 00 00 00"
                          "22 04 c6 12 00 14"
                          "23 04 ff ff ff 00"
                          "24 04 c6 12 00 01"
                          "25 04 c6 12 00 02"
                          "2a 00");
        QTest::newRow("DHCP, unnamed, 0x2b")
            << true << "" << 0x04030201u
            << head + hex("20 04 01 00 00 00"
                          "2a 00"
                          "2b 04 01 02 03 04");
        QTest::newRow("DHCP, named, no 0x2b")
            << true << "vault" << 0u
            << head + hex("21 05 76 61 75 6c 74"
                          "20 04 01 00 00 00"
                          "2a 00");
        QTest::newRow("static, unnamed, 0x2b")
            << false << "" << 7u
            << head + hex("20 04 00 00 00 00"
                          "22 04 c6 12 00 14"
                          "23 04 ff ff ff 00"
                          "24 04 c6 12 00 01"
                          "25 04 c6 12 00 02"
                          "2a 00"
                          "2b 04 07 00 00 00");
    }

    void netSetting()
    {
        QFETCH(bool, dhcp);
        QFETCH(QString, name);
        QFETCH(uint, field1B);
        QFETCH(QByteArray, expected);
        NASINFO target = fht::targetRecord(MAC1, name.toUtf8().constData());
        target.ulField1B = field1B;
        target.ulIP = 0x0a0a0a0a;
        target.ulDHCP = dhcp ? 0 : 1;
        target.ulBuild = 1869;
        const CNasConfig config(dhcp, false, QStringLiteral("198.18.0.20"),
                                QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.1"),
                                QStringLiteral("198.18.0.2"), QString());
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildNetSetting(&n, &s, &config, &target));
        QCOMPARE(fht::datagramOf(s).toHex(' '), expected.toHex(' '));
        // Built from a copy of the target: what is not listed keeps the target's value.
        QCOMPARE(n.ulBuild, 1869u);
        QCOMPARE(n.ulIP, dhcp ? 0u : uint32_t(0x140012c6));
    }

    void netSettingPasswordAndEmptyAddresses()
    {
        NASINFO target = fht::targetRecord(MAC1, "vault");
        // An old password and old addresses in the target never leak into the command.
        strcpy(target.szPassword, "OLDSCRAMBLEDTEXT");
        target.ulGateway = 0x0a0a0a0a;
        target.ulDNS = 0x0b0b0b0b;
        const CNasConfig config(false, false, QStringLiteral("198.18.0.20"),
                                QStringLiteral("255.255.255.0"), QString(), QString(),
                                QStringLiteral("pa ss"));
        NASINFO n;
        FHOSTSEND s;
        QVERIFY(findhostBuildNetSetting(&n, &s, &config, &target));
        const QByteArray d = fht::datagramOf(s);
        QCOMPARE(decodedPassword(d), QByteArray("pa ss"));
        QCOMPARE(itemValue(d, 0x24), hex("00 00 00 00"));
        QCOMPARE(itemValue(d, 0x25), hex("00 00 00 00"));

        const CNasConfig noPassword(true, false, QString(), QString(), QString(), QString(), QString());
        QVERIFY(findhostBuildNetSetting(&n, &s, &noPassword, &target));
        QCOMPARE(itemValue(fht::datagramOf(s), 0x2a), QByteArray());
        QVERIFY(!findhostBuildNetSetting(&n, &s, nullptr, &target));
        QVERIFY(!findhostBuildNetSetting(&n, &s, &noPassword, nullptr));
    }

    void addressText()
    {
        uint32_t a;
        memcpy(&a, "\xc6\x12\x00\x14", 4);
        QCOMPARE(ipToString(a), QStringLiteral("198.18.0.20"));
        memcpy(&a, "\x0a\x00\x00\xfe", 4);
        QCOMPARE(ipToString(a), QStringLiteral("10.0.0.254"));
        QCOMPARE(ipToString(0), QStringLiteral("0.0.0.0"));
        QCOMPARE(ipToString(0xffffffffu), QStringLiteral("255.255.255.255"));
    }

    void printSink()
    {
        g_messages.clear();
        const QtMessageHandler old = qInstallMessageHandler(collectMessages);
        // The text is never a format: '%' sequences come out as they stand.
        const int r1 = findhostPrintSink("udp.c:12 100% %s %n %d\n");
        const int r2 = findhostPrintSink(nullptr);
        qInstallMessageHandler(old);
        QCOMPARE(r1, 0);
        QCOMPARE(r2, 0);
        QCOMPARE(g_messages, QStringList{QStringLiteral("udp.c:12 100% %s %n %d\n")});

        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, nullptr);
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_DETAIL, nullptr);
        CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        QVERIFY(gpFHOSTLogCtx->pfnOutputL1 == &findhostPrintSink);
        QVERIFY(gpFHOSTLogCtx->pfnOutputL2 == nullptr);
    }

    void interfaceOrder()
    {
        // Receivers and callers connect by these signatures, in this order.
        const QMetaObject &mo = CFindHostUDP::staticMetaObject;
        QStringList methods;
        for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
            methods << QString::fromLatin1(mo.method(i).methodSignature());
        QCOMPARE(methods,
                 (QStringList{"signalRecvPkt(NASINFO)", "slotSendPktBroadCast(int)",
                              "slotSendPktBroadCast()", "slotSendPktQCF(const CNasConfig*,const NASINFO*,int)",
                              "slotSendPktQCF(const CNasConfig*,const NASINFO*)",
                              "slotSendPktNetSet(const CNasConfig*,const NASINFO*,int)",
                              "slotSendPktNetSet(const CNasConfig*,const NASINFO*)",
                              "slotRecvPkt(NASINFO)", "terminate()"}));
        QCOMPARE(mo.method(mo.methodOffset()).methodType(), QMetaMethod::Signal);
    }

    void receivedRecordLines()
    {
        fht::LogCapture::install();
        fht::LogCapture::clear();
        CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        fht::LogCapture::install(); // the constructor set level 1 back to the program's sink
        QSignalSpy spy(&thread, &CFindHostUDP::signalRecvPkt);

        NASINFO n = fht::targetRecord(MAC1, "vault");
        n.ulConnected = 1;
        n.ulConfigured = 11;
        n.ulErrCode = 309;
        memcpy(&n.ulIP, "\xc6\x12\x00\x0a", 4);
        memcpy(&n.ulRemoteIP, "\xc6\x12\x00\x01", 4);
        const uint32_t types[] = {2, 6, 4, 3, 12, 15, 1};
        for (uint32_t type : types) {
            n.ulPacketType = type;
            thread.slotRecvPkt(n);
        }
        const QString tail = QStringLiteral(", IP=198.18.0.10, mac=02:53:56:00:00:01, conf=11");
        QStringList expected{
            "BResponse from vault, con=1" + tail + ", RemoteIP=198.18.0.1",
            "JResponse from vault, con=1" + tail + ", RemoteIP=198.18.0.1",
            "QCF from vault, con=1" + tail + ", err=309, RemoteIP=198.18.0.1",
            "NSET from vault, con=1" + tail + ", err=309, RemoteIP=198.18.0.1"};
        const QStringList lines = fht::LogCapture::lines();
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QRegularExpression form(QStringLiteral("^src/CFindHostUDP:\\d+ ") +
                                          QRegularExpression::escape(expected[i]) + "$");
            QVERIFY2(form.match(lines[i]).hasMatch(), qPrintable(lines[i]));
        }
        // Every type is emitted, logged or not, as a whole copy.
        QCOMPARE(spy.count(), 7);
        for (int i = 0; i < 7; ++i) {
            const NASINFO got = spy.at(i).at(0).value<NASINFO>();
            QCOMPARE(got.ulPacketType, types[i]);
            QCOMPARE(QByteArray(got.szMac), QByteArray(MAC1));
            QCOMPARE(got.ulErrCode, 309u);
        }

        // Texts that fill their slot without a NUL are logged up to the slot's end only.
        fht::LogCapture::clear();
        memset(n.szServerName, 'N', sizeof(n.szServerName));
        memset(n.szMac, 'M', sizeof(n.szMac));
        n.ulPacketType = 2;
        thread.slotRecvPkt(n);
        QCOMPARE(fht::LogCapture::lines().size(), 1);
        QVERIFY(fht::LogCapture::lines().at(0).contains(
            "from " + QString(36, QLatin1Char('N')) + ", con=1"));
        QVERIFY(fht::LogCapture::lines().at(0).contains(
            "mac=" + QString(36, QLatin1Char('M')) + ", conf=11"));
    }

    void filterAndHandler()
    {
        // The registry is class-wide and only grows, so the steps run in this order.
        NASINFO n = fht::targetRecord(MAC1, "vault");
        QCOMPARE(CFindHostUDP::findhostRecvFilter(nullptr), -1);
        n.ulPacketType = 2;
        QCOMPARE(CFindHostUDP::findhostRecvFilter(&n), 0);
        CFindHostUDP::addRecvPktType(2);
        QCOMPARE(CFindHostUDP::findhostRecvFilter(&n), 1);
        n.ulPacketType = 6;
        QCOMPARE(CFindHostUDP::findhostRecvFilter(&n), 0);
        n.ulPacketType = 17;
        QCOMPARE(CFindHostUDP::findhostRecvFilter(&n), 0);
        CFindHostUDP::addRecvPktType(17);
        CFindHostUDP::addRecvPktType(17);
        for (uint32_t type : {1u, 2u, 3u, 4u, 6u, 12u, 15u, 99u}) {
            n.ulPacketType = type;
            QCOMPARE(CFindHostUDP::findhostRecvFilter(&n), 1);
        }

        // Nothing runs: the stop test says stop, and the handler drops the record.
        fht::LogCapture::install();
        fht::LogCapture::clear();
        QCOMPARE(CFindHostUDP::findhostStopCheck(), 1);
        QCOMPARE(CFindHostUDP::findhostRecvHandler(&n), -1);
        QCOMPARE(fht::LogCapture::matching("There is no CFindHostInstance\n").size(), 1);
    }

    void stopOfIdleThread()
    {
        // Stopping or destroying a thread that never ran returns at once.
        QElapsedTimer t;
        t.start();
        {
            CFindHostUDP thread(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
            thread.terminate();
            QVERIFY(!thread.isRunning());
        }
        // Without the stop's wait.
        QVERIFY2(t.elapsed() < tsup::before(fht::STOP_WAIT_MS), qPrintable(QString::number(t.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestFindHostRequests)
#include "tst_findhost_requests.moc"
