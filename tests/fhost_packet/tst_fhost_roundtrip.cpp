// Writer and reader agree over every identifier of the field table, the record is never written
// outside its bounds, and a seeded mutation fuzz of valid datagrams finds no write outside the
// record and no text without its NUL.
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "fhost.h"
#include "fhostlogcapture.h"
#include "pktbytes.h"

namespace {

// A record between two guard regions, to see any write outside it.
struct alignas(8) GuardedRecord {
    enum { GUARD = 4096 };
    unsigned char before[GUARD];
    NASINFO info;
    unsigned char after[GUARD];

    GuardedRecord()
    {
        std::memset(before, 0x5A, sizeof(before));
        std::memset(&info, 0xEE, sizeof(info));
        std::memset(after, 0x5A, sizeof(after));
    }
    bool intact() const
    {
        for (unsigned char c : before)
            if (c != 0x5A)
                return false;
        for (unsigned char c : after)
            if (c != 0x5A)
                return false;
        return true;
    }
};
static_assert(offsetof(GuardedRecord, info) == GuardedRecord::GUARD, "no padding before the record");
static_assert(offsetof(GuardedRecord, after) == GuardedRecord::GUARD + sizeof(NASINFO),
              "no padding after the record");

const FHOSTFIELDATTR *findRow(int id)
{
    for (const FHOSTFIELDATTR &row : grgfieldAttribs)
        if (row.id == id)
            return &row;
    return nullptr;
}

char *slotOf(NASINFO *info, const FHOSTFIELDATTR &row)
{
    return reinterpret_cast<char *>(info) + row.offset;
}

QByteArray write(FHOSTLOGCTX *ctx, const FHOSTSEND &send)
{
    int capacity = 8;
    char *buffer = static_cast<char *>(std::malloc(capacity));
    const int n = FHOSTPacketWrite(ctx, &buffer, &capacity, &send);
    QByteArray out = n > 0 ? QByteArray(buffer, n) : QByteArray();
    std::free(buffer);
    return out;
}

// Name of the table row whose slot holds a record offset, for failure messages.
QString fieldAt(size_t offset)
{
    for (const FHOSTFIELDATTR &row : grgfieldAttribs) {
        const size_t width = row.kind == FHOST_FIELD_ARRAY ? size_t(row.size) * FHOST_ARRAY_MAX : size_t(row.size);
        if (row.kind != FHOST_FIELD_NONE && offset >= row.offset && offset < row.offset + width)
            return QString("id 0x%1 at offset %2").arg(row.id, 2, 16, QChar('0')).arg(offset);
    }
    return QString("offset %1 (no item fills it)").arg(offset);
}

QString firstDifference(const NASINFO &a, const NASINFO &b)
{
    const unsigned char *pa = reinterpret_cast<const unsigned char *>(&a);
    const unsigned char *pb = reinterpret_cast<const unsigned char *>(&b);
    for (size_t i = 0; i < sizeof(NASINFO); ++i)
        if (pa[i] != pb[i])
            return fieldAt(i);
    return QString();
}

// Every text of a read record ends inside its slot, and the reserved bytes stay zero.
QString recordProblem(const NASINFO &info)
{
    for (const FHOSTFIELDATTR &row : grgfieldAttribs) {
        const char *slot = reinterpret_cast<const char *>(&info) + row.offset;
        if (row.kind == FHOST_FIELD_STRING && std::memchr(slot, 0, size_t(row.size)) == nullptr)
            return QString("text 0x%1 without NUL").arg(row.id, 0, 16);
        if (row.kind == FHOST_FIELD_ARRAY)
            for (int e = 0; e < FHOST_ARRAY_MAX; ++e)
                if (std::memchr(slot + e * row.size, 0, size_t(row.size)) == nullptr)
                    return QString("element %1 of 0x%2 without NUL").arg(e).arg(row.id, 0, 16);
    }
    if (std::strlen(info.szPassword) > FHOST_PASSWORD_MAX)
        return "password longer than 1536";
    for (unsigned char c : info.byReserved0)
        if (c)
            return "byReserved0 written";
    for (unsigned char c : info.byReserved1)
        if (c)
            return "byReserved1 written";
    return QString();
}

} // namespace

class TestFhostRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void everyIdentifierRoundTrips();
    void arraysComeBackPacked();
    void longPasswordNotWhole();
    void arrayElementsBeyondRecord();
    void writerSendsAtMost32Elements();
    void slotSizeTextsStayInside();
    void mutationFuzz();
};

void TestFhostRoundTrip::everyIdentifierRoundTrips()
{
    LogCapture log;
    std::mt19937 rng(20240611u);
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int packets = 0;
    QSet<int> covered;

    for (int round = 0; round < 200; ++round) {
        NASINFO src = NASINFO();
        for (const FHOSTFIELDATTR &row : grgfieldAttribs) {
            char *slot = slotOf(&src, row);
            if (row.kind == FHOST_FIELD_INT) {
                for (int i = 0; i < row.size; ++i)
                    slot[i] = char(rnd(0, 255));
            } else if (row.kind == FHOST_FIELD_STRING && row.id != 0x1a && row.id != 0x2a) {
                const int len = rnd(0, qMin(row.size - 1, 255));
                std::memset(slot, 0, size_t(row.size));
                for (int i = 0; i < len; ++i)
                    slot[i] = char(rnd(1, 255));
            }
        }
        if (src.ulPacketType == FHOST_PKT_NETSET)
            src.ulPacketType = FHOST_PKT_BRESPONSE;
        // The password: up to 1536 bytes through 0x2a and its continuations.
        const int pwLen = round % 10 == 0 ? FHOST_PASSWORD_MAX : rnd(0, FHOST_PASSWORD_MAX);
        std::memset(src.szPassword, 0, sizeof(src.szPassword));
        for (int i = 0; i < pwLen; ++i)
            src.szPassword[i] = char(rnd(1, 255));

        // Every identifier that has a slot of its own, in random order.
        std::vector<int> ids;
        for (const FHOSTFIELDATTR &row : grgfieldAttribs) {
            if (row.kind == FHOST_FIELD_NONE || row.kind == FHOST_FIELD_ARRAY)
                continue;
            if (row.id == 0x01 || row.id == 0xa4)
                continue; // in every packet anyway
            if (row.id == 0x1a && pwLen > 255)
                continue; // a single item holds at most 255 bytes
            ids.push_back(row.id);
        }
        std::shuffle(ids.begin(), ids.end(), rng);

        size_t next = 0;
        while (next < ids.size()) {
            FHOSTSEND send = FHOSTSEND();
            send.pnasInfo = &src;
            FHOSTSendAddIds(&log.ctx, &send, 0x01, 0xa4, 0);
            int items = 2, bytes = 8 + 12;
            while (next < ids.size()) {
                const FHOSTFIELDATTR *row = findRow(ids[next]);
                int n = 1, b = 2 + row->size;
                if (row->id == 0x2a) {
                    n = qMax(1, (pwLen + 254) / 255);
                    b = 2 * n + pwLen;
                } else if (row->kind == FHOST_FIELD_STRING) {
                    b = 2 + int(std::strlen(slotOf(&src, *row)));
                }
                if (items + n > FHOST_PKT_MAX_ITEMS || bytes + b > FHOST_PKT_MAX_LEN)
                    break;
                items += n;
                bytes += b;
                FHOSTSendAddIds(&log.ctx, &send, ids[next++], 0);
            }
            const QByteArray wire = write(&log.ctx, send);
            QCOMPARE(wire.size(), bytes);

            NASINFO expected = NASINFO();
            for (int i = 0; i < send.nPktID; ++i) {
                const FHOSTFIELDATTR *row = findRow(send.ids[i]);
                std::memcpy(slotOf(&expected, *row), slotOf(&src, *row), size_t(row->size));
                covered.insert(row->id);
            }
            if (expected.szSerialNum[0] == '\0')
                std::memcpy(expected.szSerialNum, expected.szSN, sizeof(expected.szSN));

            GuardedRecord dst;
            QCOMPARE(FHOSTPacketRead(&log.ctx, wire.constData(), wire.size(), &dst.info), wire.size() - 8);
            QVERIFY(dst.intact());
            const QString diff = firstDifference(dst.info, expected);
            QVERIFY2(diff.isEmpty(), qPrintable(QString("round %1: %2").arg(round).arg(diff)));
            ++packets;
        }
    }
    QVERIFY2(log.count() == 0, LogCapture::dump().constData());
    // Every identifier with a slot went through at least once.
    for (const FHOSTFIELDATTR &row : grgfieldAttribs)
        if (row.kind == FHOST_FIELD_STRING || row.kind == FHOST_FIELD_INT)
            QVERIFY2(covered.contains(row.id) || row.id == 0x01 || row.id == 0xa4,
                     qPrintable(QString::number(row.id, 16)));
    QVERIFY(packets >= 400);
}

void TestFhostRoundTrip::arraysComeBackPacked()
{
    LogCapture log;
    std::mt19937 rng(77u);
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int arrays[] = {0xbc, 0xbd, 0xbe, 0xbf};
    int withData = 0, empty = 0;

    for (int round = 0; round < 400; ++round) {
        const int id = arrays[round % 4];
        const FHOSTFIELDATTR *row = findRow(id);
        NASINFO src = NASINFO();
        src.ulPacketType = FHOST_PKT_BRESPONSE;
        const uint32_t count = uint32_t(rnd(0, 40));
        src.ulArrayCount = count;
        char *base = slotOf(&src, *row);
        for (int e = 0; e < FHOST_ARRAY_MAX; ++e) {
            if (rnd(0, 9) < 3)
                continue;
            const int len = rnd(1, 63);
            for (int i = 0; i < len; ++i)
                base[e * 64 + i] = char(rnd(1, 255));
        }
        const bool listCount = rnd(0, 1) == 1;
        FHOSTSEND send = FHOSTSEND();
        send.pnasInfo = &src;
        FHOSTSendAddIds(&log.ctx, &send, 0x01, 0xa4, 0);
        if (listCount)
            FHOSTSendAddIds(&log.ctx, &send, 0xbb, 0);
        FHOSTSendAddIds(&log.ctx, &send, id, 0);

        std::vector<QByteArray> sent;
        for (uint32_t e = 0; e < qMin<uint32_t>(count, FHOST_ARRAY_MAX); ++e)
            if (base[e * 64])
                sent.push_back(QByteArray(base + e * 64));

        log.clear();
        const QByteArray wire = write(&log.ctx, send);
        if (sent.empty()) {
            QCOMPARE(wire, QByteArray()); // nothing to send fails the packet
            QCOMPARE(LogCapture::matching(1, "fail to write \\[0xB[C-F]\\]!"), 1);
            ++empty;
            continue;
        }
        GuardedRecord dst;
        QVERIFY(FHOSTPacketRead(&log.ctx, wire.constData(), wire.size(), &dst.info) > 0);
        QVERIFY(dst.intact());
        const char *got = slotOf(&dst.info, *row);
        for (int e = 0; e < FHOST_ARRAY_MAX; ++e) {
            const QByteArray want = e < int(sent.size()) ? sent[size_t(e)] : QByteArray();
            QCOMPARE(QByteArray(got + e * 64), want);
        }
        QCOMPARE(dst.info.ulArrayCount, listCount ? count : 0u);
        ++withData;
    }
    QVERIFY(withData > 300);
    QVERIFY(empty > 0);
}

void TestFhostRoundTrip::longPasswordNotWhole()
{
    LogCapture log;
    NASINFO src = NASINFO();
    QByteArray pw;
    for (int i = 0; i < 1539; ++i)
        pw += char('a' + i % 26);
    std::memcpy(src.szPassword, pw.constData(), size_t(pw.size()));
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &src;
    FHOSTSendAddIds(&log.ctx, &send, 0x01, 0xa4, 0x2a, 0);
    const QByteArray wire = write(&log.ctx, send);
    // 6 pieces of 255 and one of 9.
    QCOMPARE(wire.size(), 8 + 12 + 7 * 2 + 1539);
    GuardedRecord dst;
    QVERIFY(FHOSTPacketRead(&log.ctx, wire.constData(), wire.size(), &dst.info) > 0);
    QCOMPARE(QByteArray(dst.info.szPassword), pw.left(6 * 255));
    QVERIFY(dst.intact());
}

void TestFhostRoundTrip::arrayElementsBeyondRecord()
{
    LogCapture log;
    PktBytes p;
    p.basic().str(0xc0, "SERIAL-KEEP").u32(0x90, 7);
    for (int e = 0; e < 40; ++e)
        p.item(0xbf, QByteArray(63, char('A' + e)));
    p.u32(0x49, 3000);
    GuardedRecord dst;
    QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &dst.info), p.size() - 8);
    QVERIFY(dst.intact());
    for (int e = 0; e < FHOST_ARRAY_MAX; ++e)
        QCOMPARE(QByteArray(dst.info.szArrayBF[e]), QByteArray(63, char('A' + e)));
    // szSerialNum and ulUpdate lie right after the last array.
    QCOMPARE(QByteArray(dst.info.szSerialNum), QByteArray("SERIAL-KEEP"));
    QCOMPARE(dst.info.ulUpdate, 7u);
    QCOMPARE(dst.info.ulBuild, 3000u);
    QCOMPARE(LogCapture::matching(2, "too many elements: \\[0xBF\\]"), 8);
    QCOMPARE(LogCapture::lines(1).size(), 0);
}

void TestFhostRoundTrip::writerSendsAtMost32Elements()
{
    LogCapture log;
    NASINFO src = NASINFO();
    src.ulArrayCount = 1000;
    for (int e = 0; e < FHOST_ARRAY_MAX; ++e)
        std::memset(src.szArrayBF[e], 'a' + e % 26, 10);
    // The bytes right after the array must not be taken for elements 32 and on.
    std::memset(src.szSerialNum, 'S', sizeof(src.szSerialNum) - 1);
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &src;
    FHOSTSendAddIds(&log.ctx, &send, 0xbf, 0);
    const QByteArray wire = write(&log.ctx, send);
    QCOMPARE(wire.size(), 8 + 32 * 12);
    QVERIFY(!wire.contains('S'));
    QCOMPARE(wire.mid(8, 12), QByteArray::fromHex("bf0a") + QByteArray(10, 'a'));
    QCOMPARE(wire.right(12), QByteArray::fromHex("bf0a") + QByteArray(10, 'f'));
}

void TestFhostRoundTrip::slotSizeTextsStayInside()
{
    // Every text identifier with an item exactly as long as its slot (up to 255), and one byte
    // longer: the record keeps slot size - 1 bytes or refuses, and never writes the neighbour.
    LogCapture log;
    for (const FHOSTFIELDATTR &row : grgfieldAttribs) {
        if (row.kind != FHOST_FIELD_STRING && row.kind != FHOST_FIELD_ARRAY)
            continue;
        for (int len : {row.size, row.size + 1}) {
            if (len > 255)
                continue;
            PktBytes p;
            p.basic().item(row.id, QByteArray(len, 'x')).u32(0x49, 3000);
            GuardedRecord dst;
            QCOMPARE(FHOSTPacketRead(&log.ctx, p.bytes(), p.size(), &dst.info), p.size() - 8);
            QVERIFY(dst.intact());
            const QString problem = recordProblem(dst.info);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            const char *slot = reinterpret_cast<const char *>(&dst.info) + row.offset;
            QCOMPARE(QByteArray(slot), len == row.size ? QByteArray(row.size - 1, 'x') : QByteArray());
            // Only this slot (and the serial number copied from szSN) changed.
            NASINFO expected = NASINFO();
            expected.ulPacketType = 2;
            expected.ulFindHostVersion = 0x01020000;
            expected.ulBuild = 3000;
            std::memcpy(reinterpret_cast<char *>(&expected) + row.offset, slot, size_t(row.size));
            if (expected.szSerialNum[0] == '\0')
                std::memcpy(expected.szSerialNum, expected.szSN, sizeof(expected.szSN));
            const QString diff = firstDifference(dst.info, expected);
            QVERIFY2(diff.isEmpty(), qPrintable(QString("0x%1: %2").arg(row.id, 0, 16).arg(diff)));
        }
    }
}

void TestFhostRoundTrip::mutationFuzz()
{
    // Output goes nowhere: formatting still runs for every line.
    LogCapture log;
    log.ctx.pfnOutputL1 = [](const char *) { return 0; };
    log.ctx.pfnOutputL2 = [](const char *) { return 0; };

    // Valid datagrams of every shape to start from.
    std::vector<QByteArray> seeds;
    {
        PktBytes a;
        a.basic().str(0x19, "00:11:32:0A:0B:0C").str(0x11, "vault1").raw(QByteArray::fromHex("1204c0a80001"))
            .u32(0x49, 3000).u32(0xa7, 1).u32(0x75, 5000).u64(0xb0, 0x38).u64(0xb8, 0x100)
            .str(0x73, "2140ABC").str(0x77, "6.2").str(0x78, "VS-412").str(0x70, "model_x");
        seeds.push_back(a.data);
        PktBytes n;
        n.basic(FHOST_PKT_NETSET).u32(0x20, 0).str(0x21, "vault2").str(0x29, "00:11:32:0A:0B:0C")
            .raw(QByteArray::fromHex("2204c612000a" "2304ffffff00" "2404c6120001" "2504c6120002"));
        seeds.push_back(n.data);
        PktBytes pw;
        pw.basic(FHOST_PKT_QCF).item(0x2a, QByteArray(255, 'p'));
        for (int i = 0; i < 5; ++i)
            pw.item(0x72, QByteArray(255, char('q' + i)));
        pw.item(0x72, QByteArray(6, 'z')).item(0x72, QByteArray(3, 'y')).str(0x4a, "admin");
        seeds.push_back(pw.data);
        PktBytes arr;
        arr.basic().u32(0xbb, 40);
        for (int e = 0; e < 36; ++e)
            arr.item(0xbf, QByteArray(64 - e % 3, char('A' + e % 26)));
        arr.str(0xc0, "SERIAL").u32(0x90, 3);
        seeds.push_back(arr.data);
        PktBytes odd;
        odd.basic().item(0x4b, "xx").item(0x4c, "").item(0xfe, "abc").str(0x77, "ABCDEFGH")
            .item(0x49, "\x01\x02").item(0x3a, QByteArray(200, '\x11')).str(0xbc, "e0").str(0xbc, "e1");
        seeds.push_back(odd.data);
        PktBytes many;
        many.basic();
        for (int i = 0; i < 62; ++i)
            many.u32(0x7a, uint32_t(i));
        seeds.push_back(many.data);
        PktBytes big;
        big.basic();
        for (int i = 0; i < 30; ++i)
            big.item(0x17 + (i % 2) * 0x10, QByteArray(255, char('a' + i)));
        seeds.push_back(big.data);
    }

    std::mt19937 rng(0xF0C0DEu);
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    GuardedRecord dst;
    QElapsedTimer timer;
    timer.start();
    const int cases = 100000;
    int accepted = 0;
    for (int c = 0; c < cases; ++c) {
        QByteArray d = seeds[size_t(rnd(0, int(seeds.size()) - 1))];
        const int mutations = rnd(1, 6);
        for (int m = 0; m < mutations; ++m) {
            const int at = rnd(0, d.size() - 1);
            switch (rnd(0, 7)) {
            case 0: d[at] = char(rnd(0, 255)); break;                      // any byte
            case 1: d[at] = char(d[at] ^ (1 << rnd(0, 7))); break;         // one bit
            case 2: d[at] = char(rnd(0, 1) ? 0xff : 0x00); break;          // extremes
            case 3: d.insert(at, char(rnd(0, 255))); break;                // one byte more
            case 4: d.remove(at, rnd(1, 4)); break;                        // bytes less
            case 5: d.truncate(rnd(0, d.size())); break;                   // cut short
            case 6: d.insert(at, d.mid(rnd(0, d.size() - 1), rnd(1, 300))); break; // repeat a run
            default:                                                        // a length byte
                if (d.size() > 9) d[rnd(9, d.size() - 1)] = char(rnd(0, 255));
                break;
            }
            if (d.size() == 0)
                d = seeds[0];
        }
        if (d.size() > FHOST_PKT_MAX_LEN)
            d.truncate(FHOST_PKT_MAX_LEN);
        // An input of exactly this size, so that reading past it is caught by the sanitizer.
        std::unique_ptr<unsigned char[]> input(new unsigned char[size_t(d.size())]);
        std::memcpy(input.get(), d.constData(), size_t(d.size()));

        const int walked = FHOSTPacketRead(&log.ctx, input.get(), d.size(), &dst.info);
        if (!dst.intact())
            QFAIL(qPrintable(QString("case %1 wrote outside the record: %2").arg(c).arg(QString(d.toHex()))));
        if (walked < 0 || walked > qMax(0, d.size() - 8))
            QFAIL(qPrintable(QString("case %1 returned %2 for %3 bytes").arg(c).arg(walked).arg(d.size())));
        const QString problem = recordProblem(dst.info);
        if (!problem.isEmpty())
            QFAIL(qPrintable(QString("case %1: %2: %3").arg(c).arg(problem).arg(QString(d.toHex()))));
        if (walked > 0)
            ++accepted;
        if (timer.elapsed() > 240000)
            QFAIL(qPrintable(QString("fuzz took too long: %1 cases").arg(c)));
    }
    // The mutations left enough packets valid to reach deep into the reader.
    QVERIFY2(accepted > cases / 10, qPrintable(QString::number(accepted)));
    qInfo("%d cases, %d accepted, %lld ms", cases, accepted, timer.elapsed());
}

QTEST_GUILESS_MAIN(TestFhostRoundTrip)
#include "tst_fhost_roundtrip.moc"
