// The finder's sort proxy (numeric address order) and the server-choice proxy of the profile
// wizards (Ready and capable servers only, four columns, live filter).

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QtTest>

#include "CVorkAddDlgNasinfoProxyModel.h"
#include "CVorkNasinfoMap.h"
#include "CVorkNasinfoModel.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "nasfixture.h"

using namespace nasfixture;

namespace {

QStringList column(const QAbstractItemModel &m, int col)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.index(r, col).data().toString();
    return out;
}

NASINFO *server(const char *mac, const char *name, uint32_t state, uint32_t ipNet, uint32_t build,
                int service = -1)
{
    NASINFO *n = makeNas(mac, name, state, ipNet);
    n->ulBuild = build;
    if (service >= 0)
        n->ullbmapSupport1 |= uint64_t(1) << service;
    return n;
}

} // namespace

class TestFinderProxies : public QObject
{
    Q_OBJECT

private slots:
    void sortByAddress();
    void sortOtherColumnsByText();
    void choiceColumns();
    void choiceRows_data();
    void choiceRows();
    void choiceSharedAddressUsesFirstRecord();
    void choiceCapabilityByAddressText();
    void choiceFollowsTheFinderLive();
};

void TestFinderProxies::sortByAddress()
{
    CVorkNasinfoMap map;
    map.insert(makeNas("00:11:32:00:00:01", "a", 1, netAddr(10, 0, 0, 10)), false);
    map.insert(makeNas("00:11:32:00:00:02", "b", 1, netAddr(10, 0, 0, 9)), false);
    map.insert(makeNas("00:11:32:00:00:03", "c", 1, netAddr(10, 0, 0, 1)), false);
    map.insert(makeNas("00:11:32:00:00:04", "d", 1, netAddr(9, 0, 0, 1)), false);
    map.insert(makeNas("00:11:32:00:00:05", "e", 12, 0), false);
    map.insert(makeNas("00:11:32:00:00:06", "f", 1, netAddr(255, 255, 255, 254)), false);
    map.insert(makeNas("00:11:32:00:00:07", "g", 1, netAddr(192, 168, 100, 2)), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);

    CVorkSortNasinfoProxyModel proxy;
    QVERIFY(!proxy.QObject::parent());
    proxy.setDynamicSortFilter(true);
    proxy.setSourceModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    proxy.sort(CVorkNasinfoModel::COL_IP_ADDRESS, Qt::AscendingOrder);
    // As text, " 10.0.0.10" would sort before " 10.0.0.9" and " 10..." before " 9...".
    QCOMPARE(column(proxy, 1), QStringList({"", " 9.0.0.1", " 10.0.0.1", " 10.0.0.9", " 10.0.0.10",
                                            " 192.168.100.2", " 255.255.255.254"}));
    proxy.sort(CVorkNasinfoModel::COL_IP_ADDRESS, Qt::DescendingOrder);
    QCOMPARE(column(proxy, 1), QStringList({" 255.255.255.254", " 192.168.100.2", " 10.0.0.10",
                                            " 10.0.0.9", " 10.0.0.1", " 9.0.0.1", ""}));

    // A new server is placed by address when it is announced.
    proxy.sort(CVorkNasinfoModel::COL_IP_ADDRESS, Qt::AscendingOrder);
    map.insert(makeNas("00:11:32:00:00:00", "h", 1, netAddr(10, 0, 0, 2)), false);
    model.insertNewRows();
    QCOMPARE(column(proxy, 1).mid(2, 2), QStringList({" 10.0.0.1", " 10.0.0.2"}));
}

void TestFinderProxies::sortOtherColumnsByText()
{
    CVorkNasinfoMap map;
    map.insert(makeNas("00:11:32:00:00:01", "delta", FHOSTQC_DONE), false);
    map.insert(makeNas("00:11:32:00:00:02", "alpha", FHOSTQC_BOOTING), false);
    map.insert(makeNas("00:11:32:00:00:03", "charlie", FHOSTQC_UNINSTALL), false);
    map.insert(makeNas("00:11:32:00:00:04", "bravo", FHOSTQC_CRASH), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    CVorkSortNasinfoProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.sort(CVorkNasinfoModel::COL_SERVER_NAME, Qt::AscendingOrder);
    QCOMPARE(column(proxy, 0), QStringList({" alpha", " bravo", " charlie", " delta"}));
    proxy.sort(CVorkNasinfoModel::COL_STATUS, Qt::AscendingOrder);
    QCOMPARE(column(proxy, 3), QStringList({" Booting", " Configuration lost", " Not installed", " Ready"}));
    proxy.sort(CVorkNasinfoModel::COL_MAC_ADDRESS, Qt::DescendingOrder);
    QCOMPARE(column(proxy, 0), QStringList({" bravo", " charlie", " alpha", " delta"}));
}

void TestFinderProxies::choiceColumns()
{
    CVorkNasinfoMap map;
    map.insert(server("00:11:32:00:00:01", "mon", FHOSTQC_DONE, netAddr(198, 18, 0, 1), 1239), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    CVorkAddDlgNasinfoProxyModel proxy(CVorkAddDlgNasinfoProxyModel::MODE_RSRC_MON);
    QVERIFY(!proxy.QObject::parent());
    proxy.setSourceModel(&model);
    proxy.setDynamicSortFilter(true);
    proxy.setNasinfoModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(proxy.columnCount(), 4);
    QStringList headers;
    for (int c = 0; c < proxy.columnCount(); ++c)
        headers << proxy.headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"  Server name", "  IP address", "  Status", "  Model"}));
    QCOMPARE(proxy.rowCount(), 1);
    QCOMPARE(proxy.index(0, 2).data().toString(), QStringLiteral(" Ready"));
    QCOMPARE(CVorkNasinfoModel::keyOf(proxy.index(0, 3)), QStringLiteral("00:11:32:00:00:01"));
}

void TestFinderProxies::choiceRows_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("names");

    // mon-1239: Ready, build 1239 (both features by build)
    // bit4-1240: Ready, 1240 with service 4 (resource monitor)
    // bit3-1240: Ready, 1240 with service 3 (photo upload)
    // plain-1240: Ready, 1240 without bits
    // old-900: Ready, build 900 (neither)
    // photo-1093 / rsrc-911: first builds of each feature
    // boot-1239: booting; noaddr-1239: Ready without address
    QTest::newRow("resource monitor") << 0 << QStringList({" bit4-1240", " mon-1239", " photo-1093", " rsrc-911"});
    QTest::newRow("photo upload") << 1 << QStringList({" bit3-1240", " mon-1239", " photo-1093"});
    QTest::newRow("mode 2") << 2 << QStringList();
    QTest::newRow("mode -1") << -1 << QStringList();
}

void TestFinderProxies::choiceRows()
{
    QFETCH(int, mode);
    QFETCH(QStringList, names);

    CVorkNasinfoMap map;
    map.insert(server("00:11:32:00:00:01", "mon-1239", FHOSTQC_DONE, netAddr(198, 18, 0, 1), 1239), false);
    map.insert(server("00:11:32:00:00:02", "bit4-1240", FHOSTQC_DONE, netAddr(198, 18, 0, 2), 1240,
                      FHOST_SERVICE_RSRCMON), false);
    map.insert(server("00:11:32:00:00:03", "bit3-1240", FHOSTQC_DONE, netAddr(198, 18, 0, 3), 1240,
                      FHOST_SERVICE_PHOTO), false);
    map.insert(server("00:11:32:00:00:04", "plain-1240", FHOSTQC_DONE, netAddr(198, 18, 0, 4), 1240), false);
    map.insert(server("00:11:32:00:00:05", "old-900", FHOSTQC_DONE, netAddr(198, 18, 0, 5), 900), false);
    map.insert(server("00:11:32:00:00:06", "photo-1093", FHOSTQC_DONE, netAddr(198, 18, 0, 6), 1093), false);
    map.insert(server("00:11:32:00:00:07", "rsrc-911", FHOSTQC_DONE, netAddr(198, 18, 0, 7), 911), false);
    map.insert(server("00:11:32:00:00:08", "boot-1239", FHOSTQC_BOOTING, netAddr(198, 18, 0, 8), 1239), false);
    map.insert(server("00:11:32:00:00:09", "noaddr-1239", FHOSTQC_DONE, 0, 1239), false);
    for (uint32_t s = 0; s <= 15; ++s) {
        if (s == FHOSTQC_DONE)
            continue;
        map.insert(server(qPrintable(QStringLiteral("00:11:32:00:01:%1").arg(s, 2, 10, QLatin1Char('0'))),
                          "other-state", s, netAddr(198, 18, 1, uint8_t(s)), 1239), false);
    }
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    CVorkAddDlgNasinfoProxyModel proxy(mode);
    proxy.setSourceModel(&model);
    proxy.setDynamicSortFilter(true);
    proxy.setNasinfoModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    proxy.sort(0, Qt::AscendingOrder);
    QCOMPARE(column(proxy, 0), names);
}

void TestFinderProxies::choiceSharedAddressUsesFirstRecord()
{
    // Two Ready servers on one address: the capability of the first in key order decides for both.
    CVorkNasinfoMap map;
    map.insert(server("00:11:32:00:00:01", "first", FHOSTQC_DONE, netAddr(198, 18, 0, 9), 1239), false);
    map.insert(server("00:11:32:00:00:02", "second", FHOSTQC_DONE, netAddr(198, 18, 0, 9), 1240), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    CVorkAddDlgNasinfoProxyModel proxy(CVorkAddDlgNasinfoProxyModel::MODE_RSRC_MON);
    proxy.setSourceModel(&model);
    proxy.setDynamicSortFilter(true);
    proxy.setNasinfoModel(&model);
    proxy.sort(0);
    QCOMPARE(column(proxy, 0), QStringList({" first", " second"}));

    // The other way round: neither is listed.
    map.clear();
    map.insert(server("00:11:32:00:00:01", "first", FHOSTQC_DONE, netAddr(198, 18, 0, 9), 1240), false);
    map.insert(server("00:11:32:00:00:02", "second", FHOSTQC_DONE, netAddr(198, 18, 0, 9), 1239), false);
    model.refreshAllRows();
    QCOMPARE(proxy.rowCount(), 0);
}

void TestFinderProxies::choiceCapabilityByAddressText()
{
    CVorkNasinfoMap map;
    map.insert(server("00:11:32:00:00:01", "a", FHOSTQC_DONE, netAddr(198, 18, 0, 1), 1239), false);
    map.insert(server("00:11:32:00:00:02", "b", FHOSTQC_DONE, netAddr(198, 18, 0, 2), 1240,
                      FHOST_SERVICE_PHOTO), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    CVorkAddDlgNasinfoProxyModel proxy(CVorkAddDlgNasinfoProxyModel::MODE_PHOTO_UPLOAD);
    // Without the finder model nothing can be looked up.
    QVERIFY(!proxy.isRsrcMonSupported(QStringLiteral("198.18.0.1")));
    proxy.setNasinfoModel(&model);
    QVERIFY(proxy.isRsrcMonSupported(QStringLiteral("198.18.0.1")));
    QVERIFY(proxy.isPhotoUploadSupported(QStringLiteral("198.18.0.1")));
    QVERIFY(!proxy.isRsrcMonSupported(QStringLiteral("198.18.0.2")));
    QVERIFY(proxy.isPhotoUploadSupported(QStringLiteral("198.18.0.2")));
    QVERIFY(!proxy.isPhotoUploadSupported(QStringLiteral("198.18.0.3")));
    QVERIFY(!proxy.isPhotoUploadSupported(QString()));
    // An unparsable text is address 0: it finds only a server without an address.
    QVERIFY(!proxy.isRsrcMonSupported(QStringLiteral("not an address")));
    map.insert(server("00:11:32:00:00:03", "c", FHOSTQC_DONE, 0, 1239), false);
    QVERIFY(proxy.isRsrcMonSupported(QStringLiteral("not an address")));
    QVERIFY(!proxy.isRsrcMonSupported(QString()));
}

void TestFinderProxies::choiceFollowsTheFinderLive()
{
    CVorkNasinfoMap map;
    map.insert(server("00:11:32:00:00:01", "a", FHOSTQC_DONE, netAddr(198, 18, 0, 10), 1239), false);
    NASINFO *b = server("00:11:32:00:00:02", "b", FHOSTQC_NET_TESTING, netAddr(198, 18, 0, 9), 1239);
    map.insert(b, false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    CVorkAddDlgNasinfoProxyModel proxy(CVorkAddDlgNasinfoProxyModel::MODE_RSRC_MON);
    proxy.setSourceModel(&model);
    proxy.setDynamicSortFilter(true);
    proxy.setNasinfoModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    proxy.sort(1, Qt::AscendingOrder);
    QCOMPARE(column(proxy, 0), QStringList({" a"}));

    // The connection test passes: the record turns Ready in place; the next tick shows it.
    b->ulConfigured = FHOSTQC_DONE;
    model.insertNewRows();
    QCOMPARE(column(proxy, 0), QStringList({" b", " a"})); // 198.18.0.9 before 198.18.0.10

    // A later answer puts it into another state: it leaves the list.
    map.insert(server("00:11:32:00:00:02", "b", FHOSTQC_BOOTING, netAddr(198, 18, 0, 9), 1239), true);
    model.refreshRow(model.rowOfKey(QStringLiteral("00:11:32:00:00:02")));
    QCOMPARE(column(proxy, 0), QStringList({" a"}));

    // A new Ready server found on the tick.
    map.insert(server("00:11:32:00:00:00", "c", FHOSTQC_DONE, netAddr(198, 18, 0, 2), 1100), false);
    model.insertNewRows();
    QCOMPARE(column(proxy, 0), QStringList({" c", " a"}));

    // A new search empties the list.
    map.clear();
    model.refreshAllRows();
    QCOMPARE(proxy.rowCount(), 0);
}

QTEST_MAIN(TestFinderProxies)
#include "tst_finderproxies.moc"
