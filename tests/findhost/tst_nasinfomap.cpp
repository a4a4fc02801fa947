// The map of found servers: the replace rule, ownership of refused and replaced records, the
// lookups by key, address and name, the unit identity and the name-conflict test.

#include <QtTest>

#include "CVorkNasinfoMap.h"
#include "freetracker.h"
#include "nasfixture.h"

using namespace nasfixture;

class TestNasinfoMap : public QObject
{
    Q_OBJECT

private slots:
    void replaceRule_data();
    void replaceRule();
    void newKeyIsStoredAndKeyOrderIsTextOrder();
    void nullInsertIsIgnored();
    void reinsertingTheStoredRecordKeepsIt();
    void clearDeletesEveryRecord();
    void keyReadsWithinTheMacSlot();
    void emptyKeyFindsNothing();
    void findByIpFirstInKeyOrder();
    void findByNameIgnoresCase();
    void sameServer();
    void nameConflict();
};

void TestNasinfoMap::replaceRule_data()
{
    QTest::addColumn<bool>("replaceAlways");
    QTest::addColumn<uint32_t>("storedConnected");
    QTest::addColumn<uint32_t>("newConnected");
    QTest::addColumn<bool>("newWins");

    // During a search (flag false) a record whose web port answered is kept against a later
    // answer without that mark; every other combination takes the newest record.
    QTest::newRow("search, stored tested, new untested") << false << 1u << 0u << false;
    QTest::newRow("search, stored tested, new tested") << false << 1u << 1u << true;
    QTest::newRow("search, stored untested, new untested") << false << 0u << 0u << true;
    QTest::newRow("search, stored untested, new tested") << false << 0u << 1u << true;
    QTest::newRow("always, stored tested, new untested") << true << 1u << 0u << true;
    QTest::newRow("always, stored untested, new untested") << true << 0u << 0u << true;
    QTest::newRow("search, stored 1, new 2") << false << 1u << 2u << false;
}

void TestNasinfoMap::replaceRule()
{
    QFETCH(bool, replaceAlways);
    QFETCH(uint32_t, storedConnected);
    QFETCH(uint32_t, newConnected);
    QFETCH(bool, newWins);

    CVorkNasinfoMap map;
    NASINFO *first = makeNas("00:11:32:00:00:01", "first");
    first->ulConnected = storedConnected;
    map.insert(first, false);
    NASINFO *other = makeNas("00:11:32:00:00:02", "other");
    map.insert(other, false);

    NASINFO *second = makeNas("00:11:32:00:00:01", "second");
    second->ulConnected = newConnected;
    freetracker::start();
    map.insert(second, replaceAlways);
    freetracker::stop();

    QCOMPARE(map.size(), 2);
    NASINFO *kept = map.find(QStringLiteral("00:11:32:00:00:01"));
    QVERIFY(kept);
    QCOMPARE(kept, newWins ? second : first);
    QCOMPARE(QByteArray(kept->szServerName), newWins ? QByteArray("second") : QByteArray("first"));
    // The loser was freed, the winner and the unrelated record were not.
    QVERIFY(freetracker::wasFreed(newWins ? first : second));
    QVERIFY(!freetracker::wasFreed(kept));
    QVERIFY(!freetracker::wasFreed(other));
    QCOMPARE(map.find(QStringLiteral("00:11:32:00:00:02")), other);
}

void TestNasinfoMap::newKeyIsStoredAndKeyOrderIsTextOrder()
{
    CVorkNasinfoMap map;
    map.insert(makeNas("b"), false);
    map.insert(makeNas("B"), false);
    map.insert(makeNas("00:11:32:0A:00:01"), false);
    map.insert(makeNas("00:11:32:0a:00:01"), false);
    map.insert(makeNas("a"), true);

    // Case-sensitive text order: digits, then upper case, then lower case.
    QStringList keys;
    for (CVorkNasinfoMap::const_iterator it = map.begin(); it != map.end(); ++it) {
        keys << it.key();
        QCOMPARE(CVorkNasinfoMap::keyOf(*it.value()), it.key());
    }
    QCOMPARE(keys, QStringList({"00:11:32:0A:00:01", "00:11:32:0a:00:01", "B", "a", "b"}));
    QCOMPARE(map.size(), 5);
}

void TestNasinfoMap::nullInsertIsIgnored()
{
    CVorkNasinfoMap map;
    map.insert(nullptr, true);
    map.insert(nullptr, false);
    QVERIFY(map.isEmpty());
    NASINFO *n = makeNas("00:11:32:00:00:01");
    map.insert(n, false);
    map.insert(nullptr, true);
    QCOMPARE(map.size(), 1);
    QCOMPARE(map.find(QStringLiteral("00:11:32:00:00:01")), n);
}

void TestNasinfoMap::reinsertingTheStoredRecordKeepsIt()
{
    // Handing the map the record it already holds must neither free it nor store a freed
    // pointer (the replace step would otherwise delete the record it is about to keep).
    CVorkNasinfoMap map;
    NASINFO *n = makeNas("00:11:32:00:00:01", "kept");
    map.insert(n, false);
    freetracker::start();
    map.insert(n, true);
    map.insert(n, false);
    freetracker::stop();
    QVERIFY(!freetracker::wasFreed(n));
    QCOMPARE(map.find(QStringLiteral("00:11:32:00:00:01")), n);
    QCOMPARE(QByteArray(n->szServerName), QByteArray("kept"));
}

void TestNasinfoMap::clearDeletesEveryRecord()
{
    CVorkNasinfoMap map;
    NASINFO *a = makeNas("00:11:32:00:00:01");
    NASINFO *b = makeNas("00:11:32:00:00:02");
    NASINFO *c = makeNas("");
    map.insert(a, false);
    map.insert(b, false);
    map.insert(c, false);
    freetracker::start();
    map.clear();
    freetracker::stop();
    QVERIFY(map.isEmpty());
    QCOMPARE(map.begin(), map.end());
    QVERIFY(freetracker::wasFreed(a));
    QVERIFY(freetracker::wasFreed(b));
    QVERIFY(freetracker::wasFreed(c));
    QVERIFY(!map.find(QStringLiteral("00:11:32:00:00:01")));
    // The map is usable again after clearing.
    map.insert(makeNas("00:11:32:00:00:01"), false);
    QCOMPARE(map.size(), 1);
}

void TestNasinfoMap::keyReadsWithinTheMacSlot()
{
    // A MAC slot filled to its last byte gives a 36-character key and no byte of the next field.
    NASINFO *n = makeNas("");
    std::memset(n->szMac, 'M', sizeof n->szMac);
    std::memset(n->szSrcNICMac, 'X', sizeof n->szSrcNICMac);
    const QString key(36, QLatin1Char('M'));
    QCOMPARE(CVorkNasinfoMap::keyOf(*n), key);
    CVorkNasinfoMap map;
    map.insert(n, false);
    QCOMPARE(map.find(key), n);

    // Latin-1 bytes above 127 become the same code points.
    NASINFO *l = makeNas("\xe9\xff");
    QCOMPARE(CVorkNasinfoMap::keyOf(*l), QString::fromUtf8("\xc3\xa9\xc3\xbf"));
    delete l;
}

void TestNasinfoMap::emptyKeyFindsNothing()
{
    CVorkNasinfoMap map;
    QVERIFY(!map.find(QString()));
    NASINFO *blank = makeNas("", "NoMac", FHOSTQC_DONE, netAddr(198, 18, 0, 7));
    map.insert(blank, false);
    QCOMPARE(map.size(), 1);
    QVERIFY(!map.find(QString()));
    QVERIFY(!map.find(QStringLiteral("")));
    // It is still reached by the walk and by address or name.
    QCOMPARE(map.begin().value(), blank);
    QCOMPARE(map.findByIp(0xC6120007u), blank);
    QCOMPARE(map.findByName(QStringLiteral("nomac")), blank);
}

void TestNasinfoMap::findByIpFirstInKeyOrder()
{
    CVorkNasinfoMap map;
    // Inserted in the opposite order of their keys.
    NASINFO *late = makeNas("00:11:32:00:00:09", "late", FHOSTQC_DONE, netAddr(10, 0, 0, 5));
    NASINFO *early = makeNas("00:11:32:00:00:01", "early", FHOSTQC_DONE, netAddr(10, 0, 0, 5));
    NASINFO *alone = makeNas("00:11:32:00:00:05", "alone", FHOSTQC_DONE, netAddr(192, 168, 1, 2));
    map.insert(late, false);
    map.insert(early, false);
    map.insert(alone, false);

    QCOMPARE(map.findByIp(0x0A000005u), early);
    QCOMPARE(map.findByIp(0xC0A80102u), alone);
    // The byte-swapped value is a different address.
    QVERIFY(!map.findByIp(0x0201A8C0u));
    QVERIFY(!map.findByIp(0x0A000006u));
    // No record has address 0 here.
    QVERIFY(!map.findByIp(0));
}

void TestNasinfoMap::findByNameIgnoresCase()
{
    CVorkNasinfoMap map;
    NASINFO *upper = makeNas("00:11:32:00:00:02", "VARNESTOR-01");
    NASINFO *twin = makeNas("00:11:32:00:00:03", "varnestor-01");
    NASINFO *other = makeNas("00:11:32:00:00:01", "Backup");
    map.insert(twin, false);
    map.insert(upper, false);
    map.insert(other, false);

    QCOMPARE(map.findByName(QStringLiteral("varnestor-01")), upper);
    QCOMPARE(map.findByName(QStringLiteral("BACKUP")), other);
    QVERIFY(!map.findByName(QStringLiteral("varnestor")));
    QVERIFY(!map.findByName(QStringLiteral("varnestor-01 ")));

    // A name filling its slot is compared without the bytes of the next field.
    NASINFO *full = makeNas("00:11:32:00:00:04");
    std::memset(full->szServerName, 'n', sizeof full->szServerName);
    map.insert(full, false);
    QCOMPARE(map.findByName(QString(36, QLatin1Char('N'))), full);
}

void TestNasinfoMap::sameServer()
{
    NASINFO *a = makeNas("00:11:32:00:00:01");
    NASINFO *b = makeNas("00:11:32:00:00:02");
    setText(a->szSN, "1230ABC");
    setText(b->szSN, "1230ABC");
    // Same serial number, different MACs (two interfaces of one unit).
    QVERIFY(CVorkNasinfoMap::isSameServer(*a, *b));
    // Different serial numbers, same MAC: the serial numbers decide.
    setText(b->szMac, "00:11:32:00:00:01");
    setText(b->szSN, "1230ABD");
    QVERIFY(!CVorkNasinfoMap::isSameServer(*a, *b));
    // One serial number empty: the MAC texts decide.
    setText(b->szSN, "");
    QVERIFY(CVorkNasinfoMap::isSameServer(*a, *b));
    setText(b->szMac, "00:11:32:00:00:02");
    QVERIFY(!CVorkNasinfoMap::isSameServer(*a, *b));
    // MAC comparison is byte-equal, so letter case counts.
    setText(b->szMac, "00:11:32:00:00:0a");
    setText(a->szMac, "00:11:32:00:00:0A");
    QVERIFY(!CVorkNasinfoMap::isSameServer(*a, *b));
    // Full serial-number slots compare within the slot.
    std::memset(a->szSN, 'S', sizeof a->szSN);
    std::memset(b->szSN, 'S', sizeof b->szSN);
    QVERIFY(CVorkNasinfoMap::isSameServer(*a, *b));
    delete a;
    delete b;
}

void TestNasinfoMap::nameConflict()
{
    CVorkNasinfoMap map;
    NASINFO *probe = makeNas("00:11:32:00:00:01", "Archive");
    QVERIFY(!map.contains(*probe));

    // Only the probe's own unit carries the name: no conflict.
    NASINFO *self = makeNas("00:11:32:00:00:01", "Archive");
    map.insert(self, false);
    QVERIFY(!map.contains(*probe));
    // Same unit by serial number under another MAC: still no conflict.
    setText(probe->szSN, "SN100");
    NASINFO *selfOtherNic = makeNas("00:11:32:00:00:02", "Archive");
    setText(selfOtherNic->szSN, "SN100");
    map.insert(selfOtherNic, false);
    QVERIFY(!map.contains(*probe));
    // A name differing only in case is another name (byte-equal test).
    map.insert(makeNas("00:11:32:00:00:03", "ARCHIVE"), false);
    QVERIFY(!map.contains(*probe));
    // Another unit with the same name.
    NASINFO *rival = makeNas("00:11:32:00:00:04", "Archive");
    setText(rival->szSN, "SN200");
    map.insert(rival, false);
    QVERIFY(map.contains(*probe));
    delete probe;
}

QTEST_APPLESS_MAIN(TestNasinfoMap)
#include "tst_nasinfomap.moc"
