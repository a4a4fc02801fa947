// The reply parser against a bounded stream of random and mutated replies (run under ASan and
// UBSan in the sanitizer build): it must never read outside its input, must answer 0 or -1, must
// leave words 1 and 3 alone, and must read well-formed replies exactly as they were built.
#include <QtTest>

#include <cstring>
#include <random>

#include "CQuenTCP.h"

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

const char kMarker[10] = {'\x12', '\x34', '\x56', '\x78', 'Q', 'U', 'E', 'N', 'N', 'I'};

// Which word each known item fills (-1: not known).
int wordOf(uint8_t id)
{
    switch (id) {
    case 1: return 0;
    case 17: return 2;
    case 19: return 4;
    case 20: return 5;
    case 21: return 6;
    default: return -1;
    }
}

} // namespace

class TestNiReplyFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(quiet); }
    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    // Well-formed replies: known items of length 4 and unknown items of any length, in any
    // order; the words must be the last value given for each known item.
    void wellFormedRepliesReadExactly()
    {
        std::mt19937 rng(20240611);
        QByteArray data;
        for (int round = 0; round < 200000; ++round) {
            data = QByteArray(kMarker, 10);
            uint32_t expected[7] = {0, 0, 0, 0, 0, 0, 0};
            const int items = int(rng() % 12);
            for (int i = 0; i < items; ++i) {
                static const uint8_t known[] = {1, 17, 19, 20, 21};
                if (rng() % 2) {
                    const uint8_t id = known[rng() % 5];
                    const uint32_t value = uint32_t(rng());
                    data.append(char(id)).append(char(4));
                    for (int b = 0; b < 4; ++b)
                        data.append(char((value >> (8 * b)) & 0xff));
                    expected[wordOf(id)] = value;
                } else {
                    uint8_t id;
                    do {
                        id = uint8_t(rng());
                    } while (wordOf(id) >= 0);
                    const int len = int(rng() % 40);
                    data.append(char(id)).append(char(len));
                    for (int b = 0; b < len; ++b)
                        data.append(char(rng()));
                }
            }
            if (data.size() == 10)
                data.append(char(1)); // a lone known id: no words, result 0
            NI_REPLY r;
            QCOMPARE(CQuenTCP::parseProgress(data, &r), 0);
            QVERIFY(memcmp(r.ulWord, expected, sizeof(expected)) == 0);
        }
    }

    // One million random and mutated inputs; a detached copy of exactly the input's length, so
    // the sanitizers see any read past its end.
    void randomAndMutatedReplies()
    {
        std::mt19937 rng(7);
        static const QByteArray seeds[] = {
            QByteArray(kMarker, 10) + QByteArray::fromHex("010401000000110400000000130403000000140442000000"),
            QByteArray(kMarker, 10) + QByteArray::fromHex("010401000000110400000000150400b40000"),
            QByteArray(kMarker, 10) + QByteArray::fromHex("3002aabb130405000000"),
            QByteArray(kMarker, 10) + QByteArray::fromHex("11020700"),
        };
        int accepted = 0;
        for (int round = 0; round < 1000000; ++round) {
            QByteArray data;
            switch (rng() % 4) {
            case 0: { // random bytes, often with the marker in front
                const int len = int(rng() % 48);
                if (rng() % 2)
                    data = QByteArray(kMarker, 10);
                for (int i = 0; i < len; ++i)
                    data.append(char(rng()));
                break;
            }
            default: { // a seed with flipped, cut, inserted or duplicated bytes
                data = seeds[rng() % 4];
                const int edits = 1 + int(rng() % 4);
                for (int e = 0; e < edits && !data.isEmpty(); ++e) {
                    const int pos = int(rng() % uint32_t(data.size()));
                    switch (rng() % 4) {
                    case 0: data[pos] = char(data[pos] ^ char(1u << (rng() % 8))); break;
                    case 1: data.truncate(pos); break;
                    case 2: data.insert(pos, char(rng())); break;
                    case 3: data.append(data.mid(pos, 8)); break;
                    }
                }
                break;
            }
            }
            QByteArray exact(data.constData(), data.size());
            NI_REPLY r;
            memset(&r, 0xa5, sizeof(r));
            const int result = CQuenTCP::parseProgress(exact, &r);
            if (result != 0 && result != -1)
                QFAIL(qPrintable(QStringLiteral("result %1 for %2").arg(result).arg(QString::fromLatin1(exact.toHex()))));
            if (r.ulWord[1] != 0 || r.ulWord[3] != 0)
                QFAIL(qPrintable(QStringLiteral("word 1 or 3 written for %1").arg(QString::fromLatin1(exact.toHex()))));
            if (result == 0) {
                if (exact.size() < 11 || memcmp(exact.constData(), kMarker, 10) != 0)
                    QFAIL(qPrintable(QStringLiteral("accepted %1").arg(QString::fromLatin1(exact.toHex()))));
                ++accepted;
            }
        }
        // The mix reaches both answers often.
        QVERIFY(accepted > 100000);
        QVERIFY(accepted < 900000);
    }
};

QTEST_GUILESS_MAIN(TestNiReplyFuzz)
#include "tst_nireply_fuzz.moc"
