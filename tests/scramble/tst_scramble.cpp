// The password scrambler of the discovery library: lengths, refusals, exact round trips, the key
// and the 12-bit range of every written number.
#include <QtTest>

#include <cstring>
#include <random>
#include <vector>

#include "scramble.h"

namespace {

const char kAlphabet[] = "zZ9yY8xX7wW6vV5uU4tT3sS2rR1qQ0pPoOnNmMlLkKjJiIhHgGfFeEdDcCbBaA-+";

// Scrambles and unscrambles `text` (NUL-terminated) with buffers of exactly the documented size
// plus guard bytes, checking the guards afterwards.
QByteArray roundTrip(const QByteArray &text, int *scrambledLength = nullptr)
{
    const int n = text.size();
    const int need = 2 * ((n + 7) / 8 * 8) + 1;
    std::vector<char> enc(need + 16, '\x5a');
    int len = scrambleEncode(text.constData(), enc.data());
    if (scrambledLength)
        *scrambledLength = len;
    if (len < 0)
        return QByteArray("<encode failed>");
    for (int i = need; i < need + 16; ++i) {
        if (enc[i] != '\x5a')
            return QByteArray("<encode overran>");
    }
    const int decNeed = len / 2 + 1;
    std::vector<char> dec(decNeed + 16, '\x5a');
    int plain = scrambleDecode(enc.data(), dec.data());
    if (plain < 0)
        return QByteArray("<decode failed>");
    for (int i = decNeed; i < decNeed + 16; ++i) {
        if (dec[i] != '\x5a')
            return QByteArray("<decode overran>");
    }
    if (plain != int(strlen(dec.data())))
        return QByteArray("<decode length wrong>");
    return QByteArray(dec.data(), plain);
}

} // namespace

class TestScramble : public QObject
{
    Q_OBJECT

private slots:
    void alphabetAndKeys()
    {
        QCOMPARE(QByteArray(scrambleAlphabet), QByteArray(kAlphabet));
        QCOMPARE(int(strlen(scrambleAlphabet)), 64);

        // E x D is exactly the identity, so unscrambling is exact.
        DMatrix *e = matrixCreate(8, 8);
        DMatrix *d = matrixCreate(8, 8);
        DMatrix *r = matrixCreate(8, 8);
        QVERIFY(e && d && r);
        memcpy(e->values, scrambleEncodingKey, sizeof(double) * 64);
        memcpy(d->values, scrambleDecodingKey, sizeof(double) * 64);
        QCOMPARE(matrixMultiply(e, d, r), 0);
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 8; ++j)
                QCOMPARE(r->values[i * 8 + j], i == j ? 1.0 : 0.0);
        QCOMPARE(matrixMultiply(d, e, r), 0);
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 8; ++j)
                QCOMPARE(r->values[i * 8 + j], i == j ? 1.0 : 0.0);
        matrixFree(e);
        matrixFree(d);
        matrixFree(r);
    }

    void extremeBlocksFitTwelveBits()
    {
        // Every block made of 0 and 255 bytes: the products' extremes lie among them.
        DMatrix *p = matrixCreate(256, 8);
        DMatrix *e = matrixCreate(8, 8);
        DMatrix *r = matrixCreate(256, 8);
        QVERIFY(p && e && r);
        memcpy(e->values, scrambleEncodingKey, sizeof(double) * 64);
        for (int combo = 0; combo < 256; ++combo)
            for (int i = 0; i < 8; ++i)
                p->values[combo * 8 + i] = (combo >> i) & 1 ? 255.0 : 0.0;
        QCOMPARE(matrixMultiply(p, e, r), 0);
        double lo = 0, hi = 0;
        for (int i = 0; i < 256 * 8; ++i) {
            lo = qMin(lo, r->values[i]);
            hi = qMax(hi, r->values[i]);
        }
        QVERIFY2(lo >= -2048 && hi <= 2047, qPrintable(QString("range %1..%2").arg(lo).arg(hi)));
        matrixFree(p);
        matrixFree(e);
        matrixFree(r);

        // The all-255 block survives the trip.
        QCOMPARE(roundTrip(QByteArray(8, '\xff')), QByteArray(8, '\xff'));
        QCOMPARE(roundTrip(QByteArray(16, '\xff')), QByteArray(16, '\xff'));
    }

    void goldenForm()
    {
        // "A" = 65 in a block of zeros: R = 65 x the key's first row = 65 -65 -65 130 0 130 65 -65.
        // 65 -> 1,1 -> "ZZ"; -65 -> 0xFFBF -> 63,62 -> "+-"; 130 -> 2,2 -> "99"; 0 -> "zz".
        char out[17];
        QCOMPARE(scrambleEncode("A", out), 16);
        QCOMPARE(QByteArray(out), QByteArray("ZZ+-+-99zz99ZZ+-"));
        char plain[9];
        QCOMPARE(scrambleDecode("ZZ+-+-99zz99ZZ+-", plain), 1);
        QCOMPARE(QByteArray(plain), QByteArray("A"));
    }

    void emptyAndNull()
    {
        char out[4] = {'x', 'x', 'x', 'x'};
        QCOMPARE(scrambleEncode("", out), 0);
        QCOMPARE(out[0], '\0');
        out[0] = 'x';
        QCOMPARE(scrambleDecode("", out), 0);
        QCOMPARE(out[0], '\0');
        QCOMPARE(scrambleEncode(nullptr, out), -1);
        QCOMPARE(scrambleEncode("a", nullptr), -1);
        QCOMPARE(scrambleDecode(nullptr, out), -1);
        QCOMPARE(scrambleDecode("zzzzzzzzzzzzzzzz", nullptr), -1);
    }

    void lengths()
    {
        char out[64];
        for (int n = 1; n <= 16; ++n) {
            QByteArray text(n, 'q');
            QCOMPARE(scrambleEncode(text.constData(), out), n <= 8 ? 16 : 32);
            QCOMPARE(int(strlen(out)), n <= 8 ? 16 : 32);
        }
    }

    void decodeRefusesPartialBlocks()
    {
        char enc[17];
        QCOMPARE(scrambleEncode("abc", enc), 16);
        char out[32];
        QCOMPARE(scrambleDecode(QByteArray(enc, 15).constData(), out), -1);
        QCOMPARE(scrambleDecode((QByteArray(enc) + "z").constData(), out), -1);
        QCOMPARE(scrambleDecode((QByteArray(enc) + "zz").constData(), out), -1);
        QCOMPARE(scrambleDecode(enc, out), 3);
        QCOMPARE(QByteArray(out), QByteArray("abc"));
        // Sixteen characters are one block of eight bytes; zeros end the text.
        QCOMPARE(scrambleDecode("zzzzzzzzzzzzzzzz", out), 0);
        QCOMPARE(out[0], '\0');
        // A character outside the alphabet is refused.
        QByteArray bad(enc);
        bad[5] = '=';
        QCOMPARE(scrambleDecode(bad.constData(), out), -1);
        bad[5] = '\xc3';
        QCOMPARE(scrambleDecode(bad.constData(), out), -1);
    }

    void everyByteInEveryPosition()
    {
        for (int pos = 0; pos < 8; ++pos) {
            for (int b = 1; b <= 255; ++b) {
                QByteArray text(8, '\0');
                for (int i = 0; i < 8; ++i)
                    text[i] = char(i == pos ? b : (b * 7 + i * 31) % 255 + 1);
                const QByteArray back = roundTrip(text);
                if (back != text)
                    QFAIL(qPrintable(QString("byte %1 at %2: %3").arg(b).arg(pos).arg(QString(back.toHex()))));
            }
        }
    }

    void randomTextsRoundTrip()
    {
        std::mt19937 rng(1402030905u);
        for (int round = 0; round < 400; ++round) {
            const int n = 1 + int(rng() % 1016);
            QByteArray text;
            for (int i = 0; i < n; ++i)
                text.append(char(1 + rng() % 255)); // any byte but zero
            int len = 0;
            QCOMPARE(roundTrip(text, &len), text);
            QCOMPARE(len, 2 * ((n + 7) / 8 * 8));
        }
    }

    void outputUsesOnlyTheAlphabet()
    {
        std::mt19937 rng(7u);
        QByteArray text;
        for (int i = 0; i < 4000; ++i)
            text.append(char(1 + rng() % 255));
        std::vector<char> out(2 * 4000 + 1);
        QCOMPARE(scrambleEncode(text.constData(), out.data()), 8000);
        for (int i = 0; i < 8000; ++i)
            QVERIFY2(strchr(kAlphabet, out[i]) && out[i], qPrintable(QString::number(i)));
    }

    void longestText()
    {
        QByteArray longest(32760, 'k');
        std::vector<char> out(2 * 32760 + 1);
        QCOMPARE(scrambleEncode(longest.constData(), out.data()), 65520);
        std::vector<char> back(32761);
        QCOMPARE(scrambleDecode(out.data(), back.data()), 32760);
        QCOMPARE(QByteArray(back.data()), longest);

        QByteArray tooLong(32761, 'k');
        std::vector<char> out2(2 * 32768 + 1, 'x');
        QCOMPARE(scrambleEncode(tooLong.constData(), out2.data()), -1);
    }

    void matrixOperations()
    {
        QVERIFY(matrixCreate(0, 1) == nullptr);
        QVERIFY(matrixCreate(1, 0) == nullptr);
        QVERIFY(matrixCreate(-1, 4) == nullptr);
        matrixFree(nullptr);

        DMatrix *p = matrixCreate(2, 3);
        DMatrix *m = matrixCreate(3, 2);
        DMatrix *r = matrixCreate(2, 2);
        DMatrix *wrongRows = matrixCreate(3, 2);
        DMatrix *wrongCols = matrixCreate(2, 3);
        QVERIFY(p && m && r && wrongRows && wrongCols);
        QCOMPARE(p->rows, 2u);
        QCOMPARE(p->columns, 3u);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(p->values[i], 0.0);

        const double pv[] = {1, 2, 3, 4, 5, 6};
        const double mv[] = {7, 8, 9, 10, 11, 12};
        memcpy(p->values, pv, sizeof pv);
        memcpy(m->values, mv, sizeof mv);

        QCOMPARE(matrixMultiply(nullptr, m, r), -1);
        QCOMPARE(matrixMultiply(p, nullptr, r), -1);
        QCOMPARE(matrixMultiply(p, m, nullptr), -1);
        QCOMPARE(matrixMultiply(p, p, r), -2);        // 2x3 by 2x3
        QCOMPARE(matrixMultiply(p, m, wrongRows), -2); // result 3x2 instead of 2x2
        QCOMPARE(matrixMultiply(p, m, wrongCols), -2); // result 2x3 instead of 2x2

        QCOMPARE(matrixMultiply(p, m, r), 0);
        const double expect[] = {58, 64, 139, 154};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(r->values[i], expect[i]);

        matrixFree(p);
        matrixFree(m);
        matrixFree(r);
        matrixFree(wrongRows);
        matrixFree(wrongCols);
    }
};

QTEST_APPLESS_MAIN(TestScramble)
#include "tst_scramble.moc"
