// The datagram codec against bytes typed by hand: the search request, a server answer, the
// reader's edge cases and the writer's failures.
#include <QtTest>

#include <cstdlib>
#include <cstring>

#include "fhost.h"
#include "fhostlogcapture.h"
#include "pktbytes.h"

namespace {

// Writes a send list into a fresh malloc'ed buffer; returns the bytes or an empty array.
QByteArray writePacket(FHOSTLOGCTX *ctx, const FHOSTSEND &send, int *pResult = nullptr)
{
    int capacity = 16;
    char *buffer = static_cast<char *>(std::malloc(capacity));
    const int n = FHOSTPacketWrite(ctx, &buffer, &capacity, &send);
    if (pResult)
        *pResult = n;
    QByteArray out = n > 0 ? QByteArray(buffer, n) : QByteArray();
    std::free(buffer);
    return out;
}

} // namespace

class TestFhostPacket : public QObject
{
    Q_OBJECT

private slots:
    void goldenSearchRequest();
    void goldenServerAnswer();
    void answerKeepsOwnSerialNumber();
    void goldenKeptAndLittleFields();
    void goldenPasswordPieces();
    void duplicateIdSentTwice();

    void headerOnlyRejected();
    void wrongHeaderRejectedSilently();
    void itemLimit();
    void zeroLengthIntegerIsPresent();
    void skippedIdentifiers();
    void passwordContinuation();
    void arrayContiguity();
    void netsetNeedsItsFields();
    void presentFlagsOnlyOnTheirRows();
    void basicFieldsRequired();
    void slotSizeStringIsCut();
    void refusedItemSkippedWhole();
    void valuePastEndResumesAtLengthByte();
    void valueEndingAtTheLastByte();

    void writerFailures();
    void writerPacketSizeLimit();
    void writerBufferGrowth();
    void writerArguments();
};

void TestFhostPacket::goldenSearchRequest()
{
    LogCapture log;
    NASINFO info = NASINFO();
    info.ulFieldA6 = 120;
    info.ulFindHostVersion = 0x01020000;
    info.ulPacketType = FHOST_PKT_QUERY;
    for (int n : {6, 7, 8}) {
        QCOMPARE(FHOSTServiceSet(&log.ctx, &info, n), 0);
        QCOMPARE(FHOSTServiceMaskSet(&log.ctx, &info, n), 0);
    }
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &send, 0xa4, 0xa6, 0x01, 0), 3);
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, &send, 1, 1), 4);

    const QByteArray expected = QByteArray::fromHex(
        "12345678" "5155454e"
        "a404" "00000201"
        "a604" "78000000"
        "0104" "01000000"
        "b008" "c001000000000000"
        "b108" "0000000000000000"
        "b808" "c001000000000000"
        "b908" "0000000000000000");
    int n = 0;
    QCOMPARE(writePacket(&log.ctx, send, &n), expected);
    QCOMPARE(n, 66);
    QCOMPARE(log.count(), 0);
}

void TestFhostPacket::goldenServerAnswer()
{
    LogCapture log;
    const QByteArray answer = QByteArray::fromHex(
        "12345678" "5155454e"
        "0104" "02000000"                                 // search answer
        "a404" "00000201"                                 // protocol version
        "1911" "30303a31313a33323a30413a30423a3043"       // "00:11:32:0A:0B:0C"
        "1106" "7661756c7431"                             // "vault1"
        "1204" "c0a80001"                                 // 192.168.0.1
        "1304" "ffffff00"                                 // 255.255.255.0
        "4904" "b80b0000"                                 // build 3000
        "a704" "01000000"                                 // ready
        "7504" "88130000"                                 // HTTP port 5000
        "b008" "3800000000000080"                         // services 3, 4, 5 and 63
        "b908" "0100000000000000"                         // service 64 in bitmap B
        "a508" "0102030405060708"
        "7307" "32313430414243"                           // "2140ABC"
        "7703" "362e32");                                 // "6.2"
    NASINFO info;
    std::memset(&info, 0xEE, sizeof(info));
    const int walked = FHOSTPacketRead(&log.ctx, answer.constData(), answer.size(), &info);
    QVERIFY2(log.count() == 0, LogCapture::dump().constData());
    QCOMPARE(walked, answer.size() - 8);

    QCOMPARE(info.ulPacketType, 2u);
    QCOMPARE(info.ulFindHostVersion, 0x01020000u);
    QCOMPARE(QByteArray(info.szMac), QByteArray("00:11:32:0A:0B:0C"));
    QCOMPARE(QByteArray(info.szServerName), QByteArray("vault1"));
    unsigned char ip[4];
    std::memcpy(ip, &info.ulIP, 4);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(ip), 4), QByteArray::fromHex("c0a80001"));
    std::memcpy(ip, &info.ulMask, 4);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(ip), 4), QByteArray::fromHex("ffffff00"));
    QCOMPARE(info.ulBuild, 3000u);
    QCOMPARE(info.ulConfigured, uint32_t(FHOSTQC_DONE));
    QCOMPARE(info.ulHttpPort, 5000u);
    QCOMPARE(info.ullbmapSupport1, quint64(0x8000000000000038ULL));
    QCOMPARE(info.ullbmapSupport2, quint64(0));
    QCOMPARE(info.ullbmapMask1, quint64(0));
    QCOMPARE(info.ullbmapMask2, quint64(1));
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, FHOST_SERVICE_PHOTO), 1);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, FHOST_SERVICE_6), 0);
    QCOMPARE(FHOSTServiceMaskIsSet(&log.ctx, &info, 64), 1);
    QCOMPARE(info.ullFieldA5, quint64(0x0807060504030201ULL));
    QCOMPARE(QByteArray(info.szSN), QByteArray("2140ABC"));
    QCOMPARE(QByteArray(info.szSerialNum), QByteArray("2140ABC"));
    QCOMPARE(QByteArray(info.szVersion), QByteArray("6.2"));
    // Everything else was zeroed before the walk.
    QCOMPARE(QByteArray(reinterpret_cast<char *>(info.byReserved0), 8), QByteArray(8, '\0'));
    QCOMPARE(info.ulGateway, 0u);
    QCOMPARE(info.ulUpdate, 0u);
    QCOMPARE(QByteArray(info.szPassword), QByteArray());
}

void TestFhostPacket::answerKeepsOwnSerialNumber()
{
    LogCapture log;
    const QByteArray answer = QByteArray::fromHex(
        "12345678" "5155454e"
        "0104" "06000000"
        "a404" "00000201"
        "c00a" "53463132333435363738"                     // "SF12345678"
        "7307" "32313430414243");                         // "2140ABC"
    NASINFO info;
    QVERIFY(FHOSTPacketRead(&log.ctx, answer.constData(), answer.size(), &info) > 0);
    QCOMPARE(QByteArray(info.szSerialNum), QByteArray("SF12345678"));
    QCOMPARE(QByteArray(info.szSN), QByteArray("2140ABC"));
}

void TestFhostPacket::goldenKeptAndLittleFields()
{
    LogCapture log;
    NASINFO info = NASINFO();
    const unsigned char ip[4] = {192, 168, 0, 1};
    std::memcpy(&info.ulIP, ip, 4);
    info.ulBuild = 3000;
    info.ulField1B = 0x01020304;
    info.ullbmapSupport2 = 0x0102030405060708ULL;
    std::strcpy(info.szServerName, "vault1");
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    FHOSTSendAddIds(&log.ctx, &send, 0x12, 0x22, 0x49, 0x1b, 0xb1, 0x11, 0x21, 0);
    uint32_t field1B_bytes;
    std::memcpy(&field1B_bytes, &info.ulField1B, 4);
    // 0x2b travels as the record holds it (this host is little-endian, like the wire).
    QByteArray kept2b(reinterpret_cast<const char *>(&field1B_bytes), 4);
    const QByteArray expected = QByteArray::fromHex(
        "12345678" "5155454e"
        "1204" "c0a80001"
        "2204" "c0a80001"
        "4904" "b80b0000"
        "1b04" "04030201"
        "b108" "0807060504030201"
        "1106" "7661756c7431"
        "2106" "7661756c7431");
    QCOMPARE(writePacket(&log.ctx, send), expected);

    FHOSTSEND send2b = FHOSTSEND();
    send2b.pnasInfo = &info;
    FHOSTSendAddIds(&log.ctx, &send2b, 0x2b, 0);
    QCOMPARE(writePacket(&log.ctx, send2b), QByteArray::fromHex("123456785155454e" "2b04") + kept2b);
}

void TestFhostPacket::goldenPasswordPieces()
{
    LogCapture log;
    NASINFO info = NASINFO();
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    FHOSTSendAddIds(&log.ctx, &send, 0x2a, 0);
    const QByteArray header = QByteArray::fromHex("123456785155454e");

    // Empty: one item of length 0.
    QCOMPARE(writePacket(&log.ctx, send), header + QByteArray::fromHex("2a00"));

    // 255 bytes: one item.
    QByteArray pw255(255, 'p');
    std::memcpy(info.szPassword, pw255.constData(), 255);
    QCOMPARE(writePacket(&log.ctx, send), header + QByteArray::fromHex("2aff") + pw255);

    // 256 bytes: 255 as 0x2a, then 1 as 0x72.
    info.szPassword[255] = 'q';
    QCOMPARE(writePacket(&log.ctx, send),
             header + QByteArray::fromHex("2aff") + pw255 + QByteArray::fromHex("720171"));

    // 0x72 on its own writes nothing; next to 0x2a it adds nothing either.
    FHOSTSEND only72 = FHOSTSEND();
    only72.pnasInfo = &info;
    FHOSTSendAddIds(&log.ctx, &only72, 0x72, 0x01, 0x72, 0);
    QCOMPARE(writePacket(&log.ctx, only72), header + QByteArray::fromHex("010400000000"));
    QCOMPARE(log.count(), 0);
}

void TestFhostPacket::duplicateIdSentTwice()
{
    LogCapture log;
    NASINFO info = NASINFO();
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    const char mac[36] = "AA:BB:CC:DD:EE:01";
    QCOMPARE(FHOSTSendAddField(&log.ctx, &send, 0x7c, mac, sizeof(mac)), 0);
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &send, 0x7c, 0), 1);
    const QByteArray item = QByteArray::fromHex("7c11") + QByteArray("AA:BB:CC:DD:EE:01");
    QCOMPARE(writePacket(&log.ctx, send), QByteArray::fromHex("123456785155454e") + item + item);
}

void TestFhostPacket::headerOnlyRejected()
{
    LogCapture log;
    NASINFO info;
    std::memset(&info, 0xEE, sizeof(info));
    const QByteArray header = QByteArray::fromHex("123456785155454e");
    QCOMPARE(FHOSTPacketRead(&log.ctx, header.constData(), 8, &info), 0);
    QCOMPARE(log.count(), 0);
    // The record was zeroed even so.
    NASINFO zero = NASINFO();
    QVERIFY(std::memcmp(&info, &zero, sizeof(info)) == 0);

    // Nine bytes are walked: the one item is looked at before the packet fails.
    const QByteArray nine = header + QByteArray::fromHex("03");
    QCOMPARE(FHOSTPacketRead(&log.ctx, nine.constData(), 9, &info), 0);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x03\\] at offset \\(0\\)\n$"), 1);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ Basic is not satifsfied\n$"), 1);

    QCOMPARE(FHOSTPacketRead(&log.ctx, header.constData(), 0, &info), 0);
    QCOMPARE(FHOSTPacketRead(&log.ctx, header.constData(), 3, &info), 0);
    QCOMPARE(log.count(), 2);
}

void TestFhostPacket::wrongHeaderRejectedSilently()
{
    LogCapture log;
    NASINFO info;
    PktBytes good;
    good.basic().str(0x11, "vault1");
    QVERIFY(FHOSTPacketRead(&log.ctx, good.bytes(), good.size(), &info) > 0);

    for (int i = 0; i < 8; ++i) {
        QByteArray bad = good.data;
        bad[i] = char(bad[i] ^ 0x20);
        QCOMPARE(FHOSTPacketRead(&log.ctx, bad.constData(), bad.size(), &info), 0);
    }
    QByteArray reversed = good.data;
    std::memcpy(reversed.data(), "\x78\x56\x34\x12QUEN", 8);
    QCOMPARE(FHOSTPacketRead(&log.ctx, reversed.constData(), reversed.size(), &info), 0);
    QCOMPARE(log.count(), 0);
    QCOMPARE(info.szServerName[0], '\0');
}

void TestFhostPacket::itemLimit()
{
    LogCapture log;
    NASINFO info;
    PktBytes p64;
    p64.basic();
    for (int i = 0; i < 62; ++i)
        p64.u32(0x7a, uint32_t(i));
    QCOMPARE(FHOSTPacketRead(&log.ctx, p64.bytes(), p64.size(), &info), p64.size() - 8);
    QCOMPARE(info.ulField7A, 61u);
    QCOMPARE(log.count(), 0);

    PktBytes p65 = p64;
    p65.u32(0x7a, 99);
    QCOMPARE(FHOSTPacketRead(&log.ctx, p65.bytes(), p65.size(), &info), 0);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ Maybe some virus try to hack me\n$"), 1);
    QCOMPARE(log.count(), 1);

    // Skipped items count too.
    log.clear();
    PktBytes unknown;
    unknown.basic();
    for (int i = 0; i < 63; ++i)
        unknown.item(0x03, QByteArray());
    QCOMPARE(FHOSTPacketRead(&log.ctx, unknown.bytes(), unknown.size(), &info), 0);
    QCOMPARE(LogCapture::matching(2, "virus"), 1);
}

void TestFhostPacket::zeroLengthIntegerIsPresent()
{
    LogCapture log;
    NASINFO info;
    PktBytes p;
    p.item(0x01, QByteArray()).u32(0xa4, 0x01020000).u32(0x49, 3000).item(0x49, QByteArray());
    QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), p.size() - 8);
    QCOMPARE(info.ulPacketType, 0u); // present without a value
    QCOMPARE(info.ulBuild, 3000u);   // a later empty item leaves the value
    PktBytes s;
    s.basic().str(0x11, "vault1").item(0x11, QByteArray());
    QVERIFY(FHOSTPacketRead(&log.ctx, s.bytes(), s.size(), &info) > 0);
    QCOMPARE(QByteArray(info.szServerName), QByteArray("vault1"));
    QCOMPARE(log.count(), 0);
}

void TestFhostPacket::skippedIdentifiers()
{
    LogCapture log;
    NASINFO info;
    PktBytes p;
    p.basic()                                     // offsets 0 and 6
        .item(0x4b, QByteArray::fromHex("aabb"))  // offset 12
        .item(0x4c, QByteArray())                 // offset 16
        .item(0xfe, QByteArray("zz"))             // offset 18
        .u32(0x49, 3000);
    QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), p.size() - 8);
    QCOMPARE(info.ulBuild, 3000u);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x4B\\] at offset \\(12\\)\n$"), 1);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x4C\\] at offset \\(16\\)\n$"), 1);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0xFE\\] at offset \\(18\\)\n$"), 1);
    QCOMPARE(log.count(), 3);
}

void TestFhostPacket::passwordContinuation()
{
    LogCapture log;
    NASINFO info;
    QByteArray full;
    for (int i = 0; i < FHOST_PASSWORD_MAX; ++i)
        full += char('A' + i % 26);

    PktBytes p;
    p.basic().item(0x2a, full.left(255));
    int off = 255;
    while (off < full.size()) {
        p.item(0x72, full.mid(off, 255));
        off += 255;
    }
    p.u32(0x49, 3000);
    QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), p.size() - 8);
    QCOMPARE(QByteArray(info.szPassword), full);
    QCOMPARE(info.ulBuild, 3000u);

    // One byte more would pass 1536: the continuation is refused, the packet still stands.
    PktBytes more = p;
    more.item(0x72, "Z").u32(0xa7, 1);
    QVERIFY(FHOSTPacketRead(&log.ctx, more.bytes(), more.size(), &info) > 0);
    QCOMPARE(QByteArray(info.szPassword), full);
    QCOMPARE(info.ulConfigured, 1u);

    // A new 0x2a starts the text over.
    PktBytes again;
    again.basic().str(0x2a, "first").str(0x72, "+more").str(0x1a, "new");
    QVERIFY(FHOSTPacketRead(&log.ctx, again.bytes(), again.size(), &info) > 0);
    QCOMPARE(QByteArray(info.szPassword), QByteArray("new"));
}

void TestFhostPacket::arrayContiguity()
{
    LogCapture log;
    NASINFO info;
    PktBytes three;
    three.basic().str(0xbc, "one").str(0xbc, "two").str(0xbc, "three");
    QVERIFY(FHOSTPacketRead(&log.ctx, three.bytes(), three.size(), &info) > 0);
    QCOMPARE(QByteArray(info.szArrayBC[0]), QByteArray("one"));
    QCOMPARE(QByteArray(info.szArrayBC[1]), QByteArray("two"));
    QCOMPARE(QByteArray(info.szArrayBC[2]), QByteArray("three"));
    QCOMPARE(info.ulArrayCount, 0u); // the count comes only from 0xbb

    PktBytes broken;
    broken.basic().str(0xbc, "one").u32(0x01, 2).str(0xbc, "two");
    QVERIFY(FHOSTPacketRead(&log.ctx, broken.bytes(), broken.size(), &info) > 0);
    QCOMPARE(QByteArray(info.szArrayBC[0]), QByteArray("two"));
    QCOMPARE(info.szArrayBC[1][0], '\0');

    // Another array in between restarts the index too.
    PktBytes mixed;
    mixed.basic().str(0xbd, "d0").str(0xbd, "d1").str(0xbe, "e0").str(0xbd, "d0b").u32(0xbb, 2);
    QVERIFY(FHOSTPacketRead(&log.ctx, mixed.bytes(), mixed.size(), &info) > 0);
    QCOMPARE(QByteArray(info.szArrayBD[0]), QByteArray("d0b"));
    QCOMPARE(QByteArray(info.szArrayBD[1]), QByteArray("d1"));
    QCOMPARE(QByteArray(info.szArrayBE[0]), QByteArray("e0"));
    QCOMPARE(info.ulArrayCount, 2u);
    QCOMPARE(log.count(), 0);
}

void TestFhostPacket::netsetNeedsItsFields()
{
    LogCapture log;
    NASINFO info;
    auto netset = [](bool dhcp, bool name, bool mac) {
        PktBytes p;
        p.basic(FHOST_PKT_NETSET);
        if (dhcp)
            p.u32(0x20, 1);
        if (name)
            p.str(0x21, "vault2");
        if (mac)
            p.str(0x29, "00:11:32:0A:0B:0C");
        return p;
    };
    PktBytes all = netset(true, true, true);
    QCOMPARE(FHOSTPacketRead(&log.ctx, all.bytes(), all.size(), &info), all.size() - 8);
    QCOMPARE(info.ulDHCP, 1u);
    QCOMPARE(QByteArray(info.szServerName), QByteArray("vault2"));
    QCOMPARE(log.count(), 0);

    struct {
        bool d, n, m;
        const char *mask;
    } cases[] = {{true, true, false, "0xF"}, {true, false, true, "0x17"}, {false, true, true, "0x1B"},
                 {false, false, false, "0x3"}};
    for (const auto &c : cases) {
        log.clear();
        PktBytes p = netset(c.d, c.n, c.m);
        QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), 0);
        const QByteArray line = QByteArray("not enough fields for netsetting ") + c.mask + "\n";
        QCOMPARE(LogCapture::lines(1).size(), 1);
        QVERIFY2(LogCapture::lines(1).first().endsWith(line), LogCapture::dump().constData());
        QVERIFY(LogCapture::lines(1).first().startsWith("packet.c:"));
    }

    // The same fields in another packet type are not required.
    log.clear();
    PktBytes qcf;
    qcf.basic(FHOST_PKT_QCF).str(0x19, "00:11:32:0A:0B:0C");
    QVERIFY(FHOSTPacketRead(&log.ctx, qcf.bytes(), qcf.size(), &info) > 0);
    // A refused value still counts as present: a MAC text longer than its slot.
    PktBytes longMac = netset(true, true, false);
    longMac.item(0x29, QByteArray(40, 'm'));
    QVERIFY(FHOSTPacketRead(&log.ctx, longMac.bytes(), longMac.size(), &info) > 0);
    QCOMPARE(info.szMac[0], '\0');
}

void TestFhostPacket::presentFlagsOnlyOnTheirRows()
{
    // Every identifier other than 0x01, 0xa4, 0x20, 0x21 and 0x29 leaves a network-setting
    // packet one field short, and the logged mask shows that it added no flag.
    LogCapture log;
    NASINFO info;
    int checked = 0;
    for (int id = 1; id < 256; ++id) {
        if (id == 0x01 || id == 0xa4 || id == 0x20 || id == 0x21 || id == 0x29)
            continue;
        log.clear();
        PktBytes p;
        p.basic(FHOST_PKT_NETSET);
        p.item(id, QByteArray(4, '\x01'));
        p.item(id, QByteArray(8, '\x01'));
        QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), 0);
        QVERIFY2(LogCapture::matching(1, "not enough fields for netsetting 0x3\n$") == 1,
                 qPrintable(QString::number(id, 16) + ": " + LogCapture::dump()));
        ++checked;
    }
    QCOMPARE(checked, 250);
}

void TestFhostPacket::basicFieldsRequired()
{
    LogCapture log;
    NASINFO info;
    PktBytes noVersion;
    noVersion.u32(0x01, 2).str(0x11, "vault1");
    QCOMPARE(FHOSTPacketRead(&log.ctx, noVersion.bytes(), noVersion.size(), &info), 0);
    PktBytes noType;
    noType.u32(0xa4, 0x01020000).str(0x11, "vault1");
    QCOMPARE(FHOSTPacketRead(&log.ctx, noType.bytes(), noType.size(), &info), 0);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ Basic is not satifsfied\n$"), 2);
    QCOMPARE(log.count(), 2);
}

void TestFhostPacket::slotSizeStringIsCut()
{
    LogCapture log;
    NASINFO info;
    PktBytes p;
    p.basic()
        .str(0x77, "ABCDEFGH")                    // szVersion[8]: exactly the slot
        .str(0x11, "0123456789012345678901234567890123456789012345" + 10) // 36 bytes, szServerName[36]
        .str(0xbc, QByteArray(64, 'e').constData())  // element of 64
        .u32(0x49, 3000);
    QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), p.size() - 8);
    QCOMPARE(QByteArray(info.szVersion), QByteArray("ABCDEFG"));
    QCOMPARE(QByteArray(info.szField7E, 8), QByteArray(8, '\0')); // the next field is untouched
    QCOMPARE(QByteArray(info.szServerName), QByteArray("01234567890123456789012345678901234"));
    QCOMPARE(info.szMac[0], '\0');
    QCOMPARE(QByteArray(info.szArrayBC[0]), QByteArray(63, 'e'));
    QCOMPARE(info.szArrayBC[1][0], '\0');
    QCOMPARE(info.ulBuild, 3000u);
}

void TestFhostPacket::refusedItemSkippedWhole()
{
    LogCapture log;
    NASINFO info;
    // The bytes of a too-long version text look like a packet-type item; they must not be
    // taken for one.
    PktBytes p;
    p.basic(2)
        .item(0x77, QByteArray::fromHex("010403000000414243"))  // 9 bytes for szVersion[8]
        .item(0x49, QByteArray::fromHex("0100"))                // integer of the wrong width
        .u32(0xa7, 1);
    QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), p.size() - 8);
    QCOMPARE(info.ulPacketType, 2u);
    QCOMPARE(info.szVersion[0], '\0');
    QCOMPARE(info.ulBuild, 0u);
    QCOMPARE(info.ulConfigured, 1u);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ bad item: \\[0x77\\] at offset \\(12\\) skipped\n$"), 1);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ bad item: \\[0x49\\] at offset \\(23\\) skipped\n$"), 1);
    QCOMPARE(log.count(), 2);

    // Many refused items inside the datagram cannot push the count over the limit by their
    // bytes: 30 too-long items of 200 bytes each count as 30 items.
    log.clear();
    PktBytes many;
    many.basic();
    for (int i = 0; i < 30; ++i)
        many.item(0x77, QByteArray(200, '\x7a'));
    QCOMPARE(FHOSTPacketRead(&log.ctx, many.bytes(), many.size(), &info), many.size() - 8);
}

void TestFhostPacket::valuePastEndResumesAtLengthByte()
{
    LogCapture log;
    NASINFO info;
    PktBytes p;
    p.basic().raw(QByteArray::fromHex("11ff41"));  // name of 255 bytes, only 1 present
    QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &info), p.size() - 8);
    QCOMPARE(info.szServerName[0], '\0');
    // Reading went on at the length byte, which is no known identifier.
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0xFF\\] at offset \\(13\\)\n$"), 1);

    // An identifier in the last byte, with no length byte.
    log.clear();
    PktBytes last;
    last.basic().raw(QByteArray::fromHex("49"));
    QCOMPARE(FHOSTPacketRead(&log.ctx, last.bytes(), last.size(), &info), last.size() - 8);
    PktBytes lastUnknown;
    lastUnknown.basic().raw(QByteArray::fromHex("03"));
    QCOMPARE(FHOSTPacketRead(&log.ctx, lastUnknown.bytes(), lastUnknown.size(), &info),
             lastUnknown.size() - 8);
    PktBytes lastMore;
    lastMore.basic().raw(QByteArray::fromHex("72"));
    QCOMPARE(FHOSTPacketRead(&log.ctx, lastMore.bytes(), lastMore.size(), &info), lastMore.size() - 8);
}

// The last item of a datagram whose value ends on the datagram's last byte is taken (or stepped
// over whole); the same item declaring one byte more is refused, and reading resumes at its
// length byte. Each datagram lies in a buffer that holds one byte more after it, which the
// reader must never take: a bound loosened by one reads it into the record.
void TestFhostPacket::valueEndingAtTheLastByte()
{
    LogCapture log;
    NASINFO info;
    // Header, packet type 2 and protocol version 0x01020000; the items under test follow at
    // offset 12.
    const QByteArray head = QByteArray::fromHex("12345678" "5155454e" "0104" "02000000" "a404" "00000201");
    auto read = [&](const char *itemsHex, int past) {
        log.clear();
        const QByteArray buffer = head + QByteArray::fromHex(itemsHex);
        const int size = buffer.size() - past;
        const int walked = FHOSTPacketRead(&log.ctx, buffer.constData(), size, &info);
        return walked == size - 8;
    };

    // Text: "vault1" in six bytes; seven declared, the seventh ('X') after the datagram.
    QVERIFY(read("1106" "7661756c7431", 0));
    QCOMPARE(QByteArray(info.szServerName), QByteArray("vault1"));
    QCOMPARE(log.count(), 0);
    QVERIFY(read("1107" "7661756c7431" "58", 1));
    QCOMPARE(info.szServerName[0], '\0');
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x07\\] at offset \\(13\\)\n$"), 1);

    // Integer: build 3000 in four bytes; the fourth (0x01) after the datagram.
    QVERIFY(read("4904" "b80b0000", 0));
    QCOMPARE(info.ulBuild, 3000u);
    QCOMPARE(log.count(), 0);
    QVERIFY(read("4904" "b80b00" "01", 1));
    QCOMPARE(info.ulBuild, 0u);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x04\\] at offset \\(13\\)\n$"), 1);

    // Array element: "one"; four declared, the fourth after the datagram.
    QVERIFY(read("bc03" "6f6e65", 0));
    QCOMPARE(QByteArray(info.szArrayBC[0]), QByteArray("one"));
    QVERIFY(read("bc04" "6f6e65" "58", 1));
    QCOMPARE(info.szArrayBC[0][0], '\0');
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x04\\] at offset \\(13\\)\n$"), 1);

    // Password continuation: "pw" then "!!"; three declared, the third after the datagram.
    QVERIFY(read("2a02" "7077" "7202" "2121", 0));
    QCOMPARE(QByteArray(info.szPassword), QByteArray("pw!!"));
    QVERIFY(read("2a02" "7077" "7203" "2121" "58", 1));
    QCOMPARE(QByteArray(info.szPassword), QByteArray("pw"));
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x03\\] at offset \\(17\\)\n$"), 1);

    // Unknown identifier: stepped over whole when its two bytes are there; with three declared
    // only its identifier and length byte are, and the next item is read from its value.
    QVERIFY(read("0302" "0404", 0));
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x03\\] at offset \\(12\\)\n$"), 1);
    QCOMPARE(log.count(), 1);
    QVERIFY(read("0303" "0404" "04", 1));
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x03\\] at offset \\(12\\)\n$"), 1);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x04\\] at offset \\(14\\)\n$"), 1);
    QCOMPARE(log.count(), 2);

    // A version text too long for its slot (nine bytes for eight): stepped over whole when its
    // bytes are there; with ten declared it is not stepped over, reading resumes at 0x0a.
    QVERIFY(read("7709" "414243444546474849", 0));
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ bad item: \\[0x77\\] at offset \\(12\\) skipped\n$"), 1);
    QCOMPARE(log.count(), 1);
    QVERIFY(read("770a" "414243444546474849" "58", 1));
    QCOMPARE(LogCapture::matching(2, "bad item"), 0);
    QCOMPARE(LogCapture::matching(2, "^packet\\.c:\\d+ unknown id: \\[0x0A\\] at offset \\(13\\)\n$"), 1);
    QCOMPARE(info.szVersion[0], '\0');
}

void TestFhostPacket::writerFailures()
{
    LogCapture log;
    NASINFO info = NASINFO();
    std::memset(info.szField17, 'a', 256);
    FHOSTSEND send;
    int n = -1;

    struct {
        int id;
        const char *line;
    } cases[] = {{0x03, "unknown PKT-ID: \\[0x3\\]"},
                 {0x4b, nullptr},
                 {0x4c, nullptr},
                 {0x17, "Invaild Argument \\(255 >= cbFieldInput\\)=\\[0\\]"},
                 {0xbc, nullptr}};
    for (const auto &c : cases) {
        log.clear();
        send = FHOSTSEND();
        send.pnasInfo = &info;
        FHOSTSendAddIds(&log.ctx, &send, 0x01, 0xa4, c.id, 0x11, 0);
        QCOMPARE(writePacket(&log.ctx, send, &n), QByteArray());
        QCOMPARE(n, 0);
        const QString failLine = QString("^packet\\.c:\\d+ fail to write \\[0x%1\\]!\n$")
                                     .arg(QString::number(c.id, 16).toUpper());
        QVERIFY2(LogCapture::matching(1, failLine.toLatin1().constData()) == 1,
                 LogCapture::dump().constData());
        QCOMPARE(LogCapture::lines(1).size(), c.line ? 2 : 1);
        if (c.line)
            QCOMPARE(LogCapture::matching(1, (QByteArray("^packet\\.c:\\d+ ") + c.line + "\n$").constData()), 1);
    }

    // An array whose elements are all empty has nothing to send either.
    log.clear();
    info.ulArrayCount = 3;
    send = FHOSTSEND();
    send.pnasInfo = &info;
    FHOSTSendAddIds(&log.ctx, &send, 0xbd, 0);
    QCOMPARE(writePacket(&log.ctx, send, &n), QByteArray());
    QCOMPARE(LogCapture::matching(1, "fail to write \\[0xBD\\]!"), 1);
    // With one element it goes out as one item.
    std::strcpy(info.szArrayBD[1], "x");
    QCOMPARE(writePacket(&log.ctx, send), QByteArray::fromHex("123456785155454e" "bd0178"));
}

void TestFhostPacket::writerPacketSizeLimit()
{
    LogCapture log;
    NASINFO info = NASINFO();
    std::memset(info.szField17, 'a', 255);
    std::memset(info.szField2D, 'b', 215);
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    // 8 + 31 * 257 + 217 = 8192: exactly the largest packet.
    for (int i = 0; i < 31; ++i)
        FHOSTSendAddIds(&log.ctx, &send, 0x17, 0);
    FHOSTSendAddIds(&log.ctx, &send, 0x2d, 0);
    int n = 0;
    const QByteArray full = writePacket(&log.ctx, send, &n);
    QCOMPARE(n, 8192);
    QCOMPARE(full.right(217), QByteArray::fromHex("2dd7") + QByteArray(215, 'b'));
    QCOMPARE(log.count(), 0);

    // One byte more does not fit.
    info.szField2D[215] = 'b';
    QCOMPARE(writePacket(&log.ctx, send, &n), QByteArray());
    QCOMPARE(n, 0);
    QCOMPARE(LogCapture::matching(1, "^packet\\.c:\\d+ fail to write \\[0x2D\\]!\n$"), 1);

    // A password that does not fit.
    log.clear();
    info.szField2D[215] = '\0';
    std::memset(info.szPassword, 'p', 1000);
    FHOSTSEND pw = send;
    pw.nPktID = 30;
    FHOSTSendAddIds(&log.ctx, &pw, 0x2a, 0);
    QCOMPARE(writePacket(&log.ctx, pw, &n), QByteArray());
    QCOMPARE(LogCapture::matching(1, "^packet\\.c:\\d+ fail to write!\n$"), 1);
}

void TestFhostPacket::writerBufferGrowth()
{
    LogCapture log;
    NASINFO info = NASINFO();
    info.ulPacketType = 1;
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    FHOSTSendAddIds(&log.ctx, &send, 0x01, 0xa4, 0);

    int capacity = 4;
    char *buffer = static_cast<char *>(std::malloc(capacity));
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &capacity, &send), 20);
    QCOMPARE(capacity, 20); // reallocated to exactly the packet
    QCOMPARE(QByteArray(buffer, 20), QByteArray::fromHex("123456785155454e" "010401000000" "a40400000000"));
    buffer[19] = 0; // the whole length is writable (the sanitizer build checks it)
    std::free(buffer);

    capacity = 8192;
    buffer = static_cast<char *>(std::malloc(capacity));
    char *const before = buffer;
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &capacity, &send), 20);
    QCOMPARE(capacity, 8192); // large enough: left as it was
    QVERIFY(buffer == before);
    std::free(buffer);

    capacity = 20;
    buffer = static_cast<char *>(std::malloc(capacity));
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &capacity, &send), 20);
    QCOMPARE(capacity, 20);
    std::free(buffer);
    QCOMPARE(log.count(), 0);
}

void TestFhostPacket::writerArguments()
{
    LogCapture log;
    NASINFO info = NASINFO();
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    int capacity = 64;
    char *buffer = static_cast<char *>(std::malloc(capacity));
    char *null = nullptr;

    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &capacity, &send), 0); // empty list
    QCOMPARE(LogCapture::matching(1, "Invaild Argument \\(0 < pfhostSend->nPktID\\)"), 1);
    FHOSTSendAddIds(&log.ctx, &send, 0x01, 0);
    QCOMPARE(FHOSTPacketWrite(&log.ctx, nullptr, &capacity, &send), 0);
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &null, &capacity, &send), 0);
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, nullptr, &send), 0);
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &capacity, nullptr), 0);
    int negative = -1;
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &negative, &send), 0);
    send.pnasInfo = nullptr;
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &capacity, &send), 0);
    send.pnasInfo = &info;
    send.nPktID = 257;
    QCOMPARE(FHOSTPacketWrite(&log.ctx, &buffer, &capacity, &send), 0);
    QCOMPARE(LogCapture::lines(1).size(), 8);
    QCOMPARE(LogCapture::matching(1, "^packet\\.c:\\d+ Invaild Argument \\(.+\\)=\\[0\\]\n$"), 8);
    QCOMPARE(capacity, 64);

    NASINFO out;
    QCOMPARE(FHOSTPacketRead(&log.ctx, nullptr, 20, &out), 0);
    QCOMPARE(FHOSTPacketRead(&log.ctx, buffer, 20, nullptr), 0);
    QCOMPARE(FHOSTPacketRead(&log.ctx, buffer, -1, &out), 0);
    QCOMPARE(LogCapture::lines(1).size(), 11);
    std::free(buffer);
}

QTEST_GUILESS_MAIN(TestFhostPacket)
#include "tst_fhost_packet.moc"
