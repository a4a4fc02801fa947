// The finder table model: every cell text, the status, version, model-name and Wake-on-LAN
// texts, the automatic-connect candidate, and the row announcements checked by Qt's model tester
// while a view shows the model through the sort proxy (record replaced under a selected row, new
// keys around it, map cleared under the view).

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

#include "CQuenWOL.h"
#include "CVorkFinderDelegate.h"
#include "CVorkNasinfoMap.h"
#include "CVorkNasinfoModel.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "HangGuard.h"
#include "ModelNames.h"
#include "freetracker.h"
#include "nasfixture.h"

using namespace nasfixture;

namespace {

NASINFO record(uint32_t state)
{
    NASINFO n;
    std::memset(&n, 0, sizeof n);
    n.ulConfigured = state;
    return n;
}

QString cell(const CVorkNasinfoModel &m, int row, int col, int role = Qt::DisplayRole)
{
    return m.data(m.index(row, col), role).toString();
}

} // namespace

class TestNasinfoModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void statusTexts_data();
    void statusTexts();
    void versionTexts_data();
    void versionTexts();
    void modelNames_data();
    void modelNames();
    void modelTableIsWellFormed();

    void structureWithoutMap();
    void headersAndFlags();
    void cellsOfOneRecord();
    void cellsOfEmptyAddressAndOfflineRows();
    void fullSlotsShowCutTexts();
    void cellsFollowTheStoredRecord();

    void wolColumn();

    void setupCandidate();
    void setupCandidateAnnouncesItsRow();

    void announcements();
    void selectionAndLifetimeUnderTheView();
};

void TestNasinfoModel::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper-tst-nasinfomodel"));
    QSettings().clear();
}

void TestNasinfoModel::statusTexts_data()
{
    QTest::addColumn<uint32_t>("state");
    QTest::addColumn<uint32_t>("progress");
    QTest::addColumn<uint64_t>("bitmapA");
    QTest::addColumn<uint64_t>("bitmapB");
    QTest::addColumn<QString>("text");

    const uint64_t bit8 = uint64_t(1) << 8;
    QTest::newRow("0") << 0u << 0u << uint64_t(0) << uint64_t(0) << "Not configured";
    QTest::newRow("1") << 1u << 0u << uint64_t(0) << uint64_t(0) << "Ready";
    QTest::newRow("2") << 2u << 0u << uint64_t(0) << uint64_t(0) << "Not installed";
    QTest::newRow("3") << 3u << 0u << uint64_t(0) << uint64_t(0) << "Upgrading";
    QTest::newRow("4") << 4u << 0u << uint64_t(0) << uint64_t(0) << "Configuration lost";
    QTest::newRow("5") << 5u << 0u << uint64_t(0) << uint64_t(0) << "Booting";
    QTest::newRow("6 no bits") << 6u << 17u << uint64_t(0) << uint64_t(0) << "Checking quota";
    QTest::newRow("6 bitmap A only") << 6u << 17u << bit8 << uint64_t(0) << "Checking quota";
    QTest::newRow("6 bitmap B only") << 6u << 17u << uint64_t(0) << bit8 << "Checking quota";
    QTest::newRow("6 both") << 6u << 17u << bit8 << bit8
                            << "Checking file system (17 minutes remaining)";
    QTest::newRow("6 both, 0 minutes") << 6u << 0u << (bit8 | 1) << bit8
                                       << "Checking file system (0 minutes remaining)";
    QTest::newRow("6 neighbour bits") << 6u << 3u << (uint64_t(1) << 7 | uint64_t(1) << 9)
                                      << (uint64_t(1) << 7 | uint64_t(1) << 9) << "Checking quota";
    QTest::newRow("7") << 7u << 0u << uint64_t(0) << uint64_t(0) << "Starting services";
    QTest::newRow("8") << 8u << 0u << uint64_t(0) << uint64_t(0) << "Connection failed.";
    QTest::newRow("9 1234") << 9u << 1234u << uint64_t(0) << uint64_t(0)
                            << "Performing memory test (12.34%)";
    QTest::newRow("9 1205") << 9u << 1205u << uint64_t(0) << uint64_t(0)
                            << "Performing memory test (12.05%)";
    QTest::newRow("9 10000") << 9u << 10000u << uint64_t(0) << uint64_t(0)
                             << "Performing memory test (100.00%)";
    QTest::newRow("10") << 10u << 0u << uint64_t(0) << uint64_t(0) << "Getting connection status...";
    QTest::newRow("11") << 11u << 0u << uint64_t(0) << uint64_t(0) << "Recoverable";
    QTest::newRow("12") << 12u << 0u << uint64_t(0) << uint64_t(0) << "Off-line";
    QTest::newRow("13") << 13u << 0u << uint64_t(0) << uint64_t(0) << "Check progress";
    QTest::newRow("14") << 14u << 0u << uint64_t(0) << uint64_t(0) << "Migratable";
    QTest::newRow("15") << 15u << 0u << uint64_t(0) << uint64_t(0) << "";
    QTest::newRow("huge") << 0xFFFFFFFFu << 0u << uint64_t(0) << uint64_t(0) << "";
}

void TestNasinfoModel::statusTexts()
{
    QFETCH(uint32_t, state);
    QFETCH(uint32_t, progress);
    QFETCH(uint64_t, bitmapA);
    QFETCH(uint64_t, bitmapB);
    QFETCH(QString, text);

    NASINFO n = record(state);
    n.ulProgress = progress;
    n.ullbmapSupport1 = bitmapA;
    n.ullbmapMask1 = bitmapB;
    QCOMPARE(CVorkNasinfoModel::statusText(&n), text);

    // The table shows it with one leading blank, the tool tip too.
    CVorkNasinfoMap map;
    NASINFO *stored = new NASINFO(n);
    setText(stored->szMac, "00:11:32:00:00:01");
    map.insert(stored, true);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    QCOMPARE(cell(model, 0, CVorkNasinfoModel::COL_STATUS), QLatin1Char(' ') + text);
    QCOMPARE(cell(model, 0, CVorkNasinfoModel::COL_STATUS, Qt::ToolTipRole), QLatin1Char(' ') + text);
}

void TestNasinfoModel::versionTexts_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<uint32_t>("build");
    QTest::addColumn<uint32_t>("update");
    QTest::addColumn<uint32_t>("state");
    QTest::addColumn<QString>("text");

    QTest::newRow("807") << QByteArray() << 807u << 0u << 1u << "2.0-0807";
    QTest::newRow("808") << QByteArray() << 808u << 0u << 1u << "2.1-0808";
    QTest::newRow("880") << QByteArray() << 880u << 0u << 1u << "2.1-0880";
    QTest::newRow("881") << QByteArray() << 881u << 0u << 1u << "2.2-0881";
    QTest::newRow("1104") << QByteArray() << 1104u << 0u << 1u << "2.2-1104";
    QTest::newRow("1105") << QByteArray() << 1105u << 0u << 1u << "2.3-1105";
    QTest::newRow("0") << QByteArray() << 0u << 0u << 0u << "2.0-0000";
    QTest::newRow("5 digits") << QByteArray() << 12345u << 0u << 1u << "2.3-12345";
    QTest::newRow("update ignored without version") << QByteArray() << 900u << 3u << 1u << "2.2-0900";
    QTest::newRow("4.1 build 98") << QByteArray("4.1") << 98u << 0u << 1u << "4.1-0098";
    QTest::newRow("4.1 update 2") << QByteArray("4.1") << 2636u << 2u << 1u << "4.1-2636 update 2";
    QTest::newRow("unsigned build") << QByteArray("5.0") << 4000000000u << 0u << 1u << "5.0-4000000000";
    QTest::newRow("off-line, no version") << QByteArray() << 1105u << 0u << 12u << "";
    QTest::newRow("check progress, no version") << QByteArray() << 1105u << 0u << 13u << "";
    QTest::newRow("off-line with version") << QByteArray("4.1") << 2636u << 0u << 12u << "4.1-2636";
}

void TestNasinfoModel::versionTexts()
{
    QFETCH(QByteArray, version);
    QFETCH(uint32_t, build);
    QFETCH(uint32_t, update);
    QFETCH(uint32_t, state);
    QFETCH(QString, text);

    NASINFO n = record(state);
    setText(n.szVersion, version.constData());
    n.ulBuild = build;
    n.ulUpdate = update;
    QCOMPARE(CVorkNasinfoModel::versionText(&n), text);
}

void TestNasinfoModel::modelNames_data()
{
    QTest::addColumn<QByteArray>("modelName");
    QTest::addColumn<QByteArray>("modelId");
    QTest::addColumn<QString>("text");

    QTest::newRow("own name wins") << QByteArray("VS-209+ (custom)") << QByteArray("quenlori_x86atom_vs209plus")
                                   << "VS-209+ (custom)";
    QTest::newRow("own name, unknown id") << QByteArray("Lab unit") << QByteArray("nobody_x_y") << "Lab unit";
    QTest::newRow("maker") << QByteArray() << QByteArray("quenlori_x86atom_vs209plus") << "VS-209+";
    QTest::newRow("maker rack") << QByteArray() << QByteArray("quenlori_x86core_rs10613xsplus") << "RS-10613xs+";
    QTest::newRow("maker small") << QByteArray() << QByteArray("quenlori_arm5182_vs106j") << "VS-106j";
    QTest::newRow("partner") << QByteArray() << QByteArray("maldren_arm6282_md2pro") << "Maldren MD-2 Pro";
    QTest::newRow("case matters") << QByteArray() << QByteArray("Quenlori_x86atom_vs209plus") << "";
    QTest::newRow("prefix only") << QByteArray() << QByteArray("quenlori_x86atom_vs209") << "";
    QTest::newRow("longer") << QByteArray() << QByteArray("quenlori_x86atom_vs209plus2") << "";
    QTest::newRow("unknown") << QByteArray() << QByteArray("acme_mips_box") << "";
    QTest::newRow("nothing") << QByteArray() << QByteArray() << "";
}

void TestNasinfoModel::modelNames()
{
    QFETCH(QByteArray, modelName);
    QFETCH(QByteArray, modelId);
    QFETCH(QString, text);

    NASINFO n = record(1);
    setText(n.szModelName, modelName.constData());
    setText(n.szModelId, modelId.constData());
    QCOMPARE(CVorkNasinfoModel::modelName(&n), text);
}

void TestNasinfoModel::modelTableIsWellFormed()
{
    QVERIFY(g_modelNameCount >= 40 && g_modelNameCount <= 60);
    QSet<QByteArray> ids;
    for (int i = 0; i < g_modelNameCount; ++i) {
        const QByteArray id(g_modelNames[i].id);
        QVERIFY2(!ids.contains(id), id.constData());
        ids.insert(id);
        // Every identifier fits the record's slot and is vendor_family_model.
        QVERIFY(id.size() < int(sizeof(NASINFO::szModelId)));
        QCOMPARE(id.count('_'), 2);
        QVERIFY(*g_modelNames[i].name);
        QCOMPARE(findModelDisplayName(id.constData()), g_modelNames[i].name);
    }
    QVERIFY(!findModelDisplayName(nullptr));
}

void TestNasinfoModel::structureWithoutMap()
{
    CVorkNasinfoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 9);
    QVERIFY(!model.index(0, 0).isValid());
    QVERIFY(!model.getNasinfoMap());
    model.setNasinfoMap(nullptr);
    QVERIFY(!model.getNasinfoMap());
    model.refreshAllRows();
    model.insertNewRows();
    model.refreshRow(0);
    QModelIndex idx;
    QVERIFY(!model.findSingleSetupCandidate(idx));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.wolStatusText(nullptr), QStringLiteral(" --"));
    QCOMPARE(CVorkNasinfoModel::statusText(nullptr), QString());
    QCOMPARE(CVorkNasinfoModel::versionText(nullptr), QString());
    QCOMPARE(CVorkNasinfoModel::modelName(nullptr), QString());

    // An empty map: no rows, and the announcements do nothing.
    CVorkNasinfoMap map;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    model.setNasinfoMap(&map);
    QCOMPARE(model.getNasinfoMap(), &map);
    resets.clear();
    model.refreshAllRows();
    model.insertNewRows();
    QCOMPARE(resets.count(), 0);
    QCOMPARE(inserts.count(), 0);
    QCOMPARE(model.rowCount(), 0);
}

void TestNasinfoModel::headersAndFlags()
{
    CVorkNasinfoMap map;
    for (int i = 0; i < 12; ++i)
        map.insert(makeNas(qPrintable(QStringLiteral("00:11:32:00:00:%1").arg(i, 2, 10, QLatin1Char('0')))), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    const QStringList headers = {"  Server name", "  IP address", "  IP status", "  Status",
                                 "  MAC address", "  Version",   "  Model",     "  Serial no",
                                 "  WOL status"};
    for (int c = 0; c < 9; ++c) {
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), headers.at(c));
        QCOMPARE(model.headerData(c, Qt::Horizontal, Qt::EditRole).toString(), headers.at(c));
    }
    QVERIFY(!model.headerData(9, Qt::Horizontal).isValid());
    // Row numbers for more rows than the base was built with.
    QCOMPARE(model.rowCount(), 12);
    QCOMPARE(model.headerData(11, Qt::Vertical).toInt(), 12);
    QVERIFY(!model.headerData(12, Qt::Vertical).isValid());

    const QModelIndex idx = model.index(11, 8);
    QVERIFY(idx.isValid());
    QCOMPARE(model.flags(idx), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QVERIFY(!model.parent(idx).isValid());
    QVERIFY(model.hasChildren());
    QVERIFY(!model.hasChildren(idx));
    QCOMPARE(model.rowCount(idx), 0);
    QCOMPARE(model.columnCount(idx), 0);
    QVERIFY(!model.index(12, 0).isValid());
    QVERIFY(!model.index(0, 9).isValid());
    QVERIFY(!model.index(0, 0, idx).isValid());
    QCOMPARE(model.sibling(3, 2, idx), model.index(3, 2));

    // Cells are never edited, and the base's row storage is not used.
    QVERIFY(!model.setData(idx, QStringLiteral("x")));
    QVERIFY(!model.insertRows(0, 1));
    QVERIFY(!model.removeRows(0, 1));
    QCOMPARE(model.rowCount(), 12);
    QCOMPARE(model.itemData(model.index(0, 4)).value(Qt::DisplayRole).toString(),
             QStringLiteral(" 00:11:32:00:00:00"));
    model.sort(4, Qt::DescendingOrder); // rows keep key order
    QCOMPARE(cell(model, 0, 4), QStringLiteral(" 00:11:32:00:00:00"));
}

void TestNasinfoModel::cellsOfOneRecord()
{
    CVorkNasinfoMap map;
    NASINFO *n = makeNas("00:11:32:ab:cd:ef", "Archive", FHOSTQC_DONE, netAddr(198, 18, 0, 7));
    n->ulDHCP = 0;
    setText(n->szVersion, "4.1");
    n->ulBuild = 2636;
    n->ulUpdate = 2;
    setText(n->szModelId, "quenlori_x86atom_vs710plus");
    setText(n->szSerialNum, "B6KAN01234");
    map.insert(n, false);
    NASINFO *d = makeNas("00:11:32:ab:cd:f0", "Media", FHOSTQC_NETSET, netAddr(10, 0, 0, 1));
    d->ulDHCP = 1;
    d->ulBuild = 1000;
    setText(d->szModelName, "VS-1511+");
    map.insert(d, false);

    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);

    const QStringList row0 = {" Archive", " 198.18.0.7", " Manual", " Ready", " 00:11:32:AB:CD:EF",
                              " 4.1-2636 update 2", " VS-710+", " B6KAN01234", " --"};
    const QStringList row1 = {" Media", " 10.0.0.1", " DHCP", " Connection failed.",
                              " 00:11:32:AB:CD:F0", " 2.2-1000", " VS-1511+", " ", " --"};
    for (int c = 0; c < 9; ++c) {
        QCOMPARE(cell(model, 0, c), row0.at(c));
        QCOMPARE(cell(model, 1, c), row1.at(c));
    }
    // Tool tips only on the status and model columns; the model's tip is the internal identifier.
    QCOMPARE(cell(model, 0, 3, Qt::ToolTipRole), QStringLiteral(" Ready"));
    QCOMPARE(cell(model, 0, 6, Qt::ToolTipRole), QStringLiteral(" quenlori_x86atom_vs710plus"));
    QCOMPARE(cell(model, 1, 6, Qt::ToolTipRole), QStringLiteral(" "));
    for (int c : {0, 1, 2, 4, 5, 7, 8})
        QVERIFY(!model.data(model.index(0, c), Qt::ToolTipRole).isValid());
    for (int role : {int(Qt::EditRole), int(Qt::DecorationRole), int(Qt::TextAlignmentRole),
                     int(Qt::ForegroundRole), int(Qt::UserRole)})
        QVERIFY(!model.data(model.index(0, 0), role).isValid());
    QVERIFY(!model.data(QModelIndex()).isValid());

    // The IP-status words and the update number are translated in the model's own context.
    const struct {
        const char *code;
        const char *manual;
        const char *version;
    } languages[] = {{"deu", " Manuell", " 4.1-2636 Update 2"},
                     {"rus", " Вручную", " 4.1-2636 обновление 2"},
                     {"hun", " Kézi", " 4.1-2636 2. frissítés"}};
    for (const auto &language : languages) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/%1.qm").arg(QLatin1String(language.code))));
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(cell(model, 0, 2), QString::fromUtf8(language.manual));
        QCOMPARE(cell(model, 1, 2), QStringLiteral(" DHCP"));
        QCOMPARE(cell(model, 0, 5), QString::fromUtf8(language.version));
        QCoreApplication::removeTranslator(&translator);
    }
    QCOMPARE(cell(model, 0, 2), QStringLiteral(" Manual"));
}

void TestNasinfoModel::cellsOfEmptyAddressAndOfflineRows()
{
    CVorkNasinfoMap map;
    NASINFO *off = makeNas("00:11:32:00:00:01", "Sleeper", FHOSTQC_OFF_LINE, 0);
    off->ulBuild = 2636;
    map.insert(off, false);
    NASINFO *inst = makeNas("00:11:32:00:00:02", "Fresh", FHOSTQC_CHECKING_PROGRESS, 0);
    map.insert(inst, false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);

    for (int row : {0, 1}) {
        QCOMPARE(cell(model, row, CVorkNasinfoModel::COL_IP_ADDRESS), QString());
        QCOMPARE(cell(model, row, CVorkNasinfoModel::COL_IP_STATUS), QString());
        QCOMPARE(cell(model, row, CVorkNasinfoModel::COL_VERSION), QStringLiteral(" "));
    }
    QCOMPARE(cell(model, 0, CVorkNasinfoModel::COL_STATUS), QStringLiteral(" Off-line"));
    QCOMPARE(cell(model, 1, CVorkNasinfoModel::COL_STATUS), QStringLiteral(" Check progress"));
}

void TestNasinfoModel::fullSlotsShowCutTexts()
{
    // Texts that fill their slots to the last byte: the cell shows the slot and nothing of the
    // field behind it.
    CVorkNasinfoMap map;
    NASINFO *n = makeNas("");
    std::memset(n->szServerName, 'N', sizeof n->szServerName);
    setText(n->szMac, "00:11:32:00:00:0a");
    std::memset(n->szVersion, '7', sizeof n->szVersion);
    std::memset(n->szField7E, 'X', sizeof n->szField7E);
    std::memset(n->szModelName, 'M', sizeof n->szModelName);
    std::memset(n->szField7F, 'Y', sizeof n->szField7F);
    std::memset(n->szModelId, 'I', sizeof n->szModelId);
    std::memset(n->szSN, 'Z', sizeof n->szSN);
    std::memset(n->szSerialNum, 'S', sizeof n->szSerialNum);
    n->ulBuild = 3;
    map.insert(n, false);

    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    QCOMPARE(cell(model, 0, 0), QLatin1Char(' ') + QString(36, QLatin1Char('N')));
    QCOMPARE(cell(model, 0, 5), QLatin1Char(' ') + QString(8, QLatin1Char('7')) + QStringLiteral("-0003"));
    QCOMPARE(cell(model, 0, 6), QLatin1Char(' ') + QString(48, QLatin1Char('M')));
    QCOMPARE(cell(model, 0, 6, Qt::ToolTipRole), QLatin1Char(' ') + QString(68, QLatin1Char('I')));
    QCOMPARE(cell(model, 0, 7), QLatin1Char(' ') + QString(32, QLatin1Char('S')));

    // A full MAC slot: the key, the MAC cell and the lookups stop at the slot's end.
    NASINFO *m = makeNas("");
    std::memset(m->szMac, 'c', sizeof m->szMac);
    std::memset(m->szSrcNICMac, 'Q', sizeof m->szSrcNICMac);
    map.insert(m, false);
    model.insertNewRows();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(cell(model, 1, 4), QLatin1Char(' ') + QString(36, QLatin1Char('C')));
    QCOMPARE(CVorkNasinfoModel::keyOf(model.index(1, 0)), QString(36, QLatin1Char('c')));
}

void TestNasinfoModel::cellsFollowTheStoredRecord()
{
    // A cell always shows the record the map holds now under the row's key.
    CVorkNasinfoMap map;
    map.insert(makeNas("00:11:32:00:00:01", "Old", FHOSTQC_BOOTING), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    const QModelIndex status = model.index(0, CVorkNasinfoModel::COL_STATUS);
    QCOMPARE(status.data().toString(), QStringLiteral(" Booting"));
    map.insert(makeNas("00:11:32:00:00:01", "New", FHOSTQC_DONE), true);
    QCOMPARE(status.data().toString(), QStringLiteral(" Ready"));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral(" New"));
    map.find(QStringLiteral("00:11:32:00:00:01"))->ulConfigured = FHOSTQC_MEM_TESTING;
    QCOMPARE(status.data().toString(), QStringLiteral(" Performing memory test (0.00%)"));
    // Gone from the map: invalid cells, nothing else.
    map.clear();
    for (int c = 0; c < 9; ++c) {
        QVERIFY(!model.index(0, c).data().isValid());
        QVERIFY(!model.index(0, c).data(Qt::ToolTipRole).isValid());
    }
}

void TestNasinfoModel::wolColumn()
{
    QSettings().clear();
    CVorkNasinfoMap map;
    NASINFO *lan = makeNas("00:11:32:00:00:01", "Lan");
    NASINFO *wan = makeNas("00:11:32:00:00:02", "Wan");
    NASINFO *capable = makeNas("00:11:32:00:00:03", "Capable");
    capable->ulWOLSupport = 1;
    NASINFO *stranger = makeNas("00:11:32:00:00:04", "Stranger");
    NASINFO *lower = makeNas("00:11:32:0a:00:05", "Lower");
    map.insert(lan, false);
    map.insert(wan, false);
    map.insert(capable, false);
    map.insert(stranger, false);
    map.insert(lower, false);

    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    // No manager yet: nothing is registered.
    QCOMPARE(model.wolStatusText(lan), QStringLiteral(" --"));
    CQuenWOL wol(nullptr, nullptr);
    model.setWOL(&wol);
    model.setWOL(nullptr);
    QCOMPARE(model.getWOL(), &wol);

    auto registerHost = [&wol](const char *mac, int network) {
        CWOLConfig c;
        c.setMacAddress(QLatin1String(mac));
        c.setNetwork(network);
        c.setAddrName(QStringLiteral("198.18.0.9"));
        wol.slotAddSvr2WOL(c);
    };
    registerHost("00:11:32:00:00:01", 0);
    registerHost("00:11:32:00:00:02", 1);
    registerHost("00:11:32:00:00:03", 0);
    // Registered under another letter case: the MAC texts must match exactly.
    registerHost("00:11:32:0A:00:05", 0);

    const int col = CVorkNasinfoModel::COL_WOL_STATUS;
    QCOMPARE(cell(model, 3, col), QStringLiteral(" --"));          // not registered
    QCOMPARE(cell(model, 4, col), QStringLiteral(" --"));          // other letter case
    QCOMPARE(cell(model, 2, col), QStringLiteral(" WOL"));         // answers WOL itself
    QCOMPARE(cell(model, 0, col), QStringLiteral(" WOL"));         // idle job

    CVorkWOL *lanJob = wol.getWOL(QStringLiteral("00:11:32:00:00:01"));
    CVorkWOL *wanJob = wol.getWOL(QStringLiteral("00:11:32:00:00:02"));
    QVERIFY(lanJob && wanJob);
    lanJob->setStatus(CVorkWOL::STATUS_OFF_LINE);
    wanJob->setStatus(CVorkWOL::STATUS_OFF_LINE);
    QCOMPARE(cell(model, 0, col), QStringLiteral(" Off"));
    QCOMPARE(cell(model, 1, col), QStringLiteral(" N/A"));
    // A network value other than 0 or 1 keeps the plain mark.
    wol.getWOLConfig(QStringLiteral("00:11:32:00:00:02"))->setNetwork(5);
    QCOMPARE(cell(model, 1, col), QStringLiteral(" WOL"));
    // WOL support reported by the server wins over the job.
    capable->ulWOLSupport = 1;
    wol.getWOL(QStringLiteral("00:11:32:00:00:03"))->setStatus(CVorkWOL::STATUS_TIMED_OUT);
    QCOMPARE(cell(model, 2, col), QStringLiteral(" WOL"));

    // Waiting: the percentage of the time-out rises by whole percents, one tick a second.
    lanJob->setStatus(CVorkWOL::STATUS_WAITING);
    QCOMPARE(lanJob->getTimeout(), 225000);
    QCOMPARE(cell(model, 0, col), QStringLiteral(" Progress: 0%"));
    for (int i = 0; i < 27; ++i)
        lanJob->slotUpdateProg();
    QCOMPARE(lanJob->getElapsed(), 27000);
    QCOMPARE(cell(model, 0, col), QStringLiteral(" Progress: 12%"));
    int last = 12;
    for (int i = 27; i < 225; ++i) {
        lanJob->slotUpdateProg();
        const QString text = cell(model, 0, col);
        QVERIFY2(text.startsWith(QLatin1String(" Progress: ")) && text.endsWith(QLatin1Char('%')),
                 qPrintable(text));
        const int pct = text.mid(11, text.size() - 12).toInt();
        QVERIFY(pct == last || pct == last + 1);
        last = pct;
    }
    QCOMPARE(cell(model, 0, col), QStringLiteral(" Progress: 100%"));
    QCOMPARE(lanJob->getStatus(), int(CVorkWOL::STATUS_WAITING));
    lanJob->slotUpdateProg(); // the 226th tick declares the time-out
    QCOMPARE(lanJob->getStatus(), int(CVorkWOL::STATUS_TIMED_OUT));
    QCOMPARE(cell(model, 0, col), QStringLiteral(" N/A"));

    // Answered (5) and idle (0) show the plain mark.
    NASINFO answer = *lan;
    answer.ulPacketType = FHOST_PKT_BRESPONSE;
    lanJob->setStatus(CVorkWOL::STATUS_WAITING);
    lanJob->slotRespPktRecv(answer);
    QCOMPARE(lanJob->getStatus(), int(CVorkWOL::STATUS_WAITING)); // waits for no MAC yet
    lanJob->setStatus(CVorkWOL::STATUS_ANSWERED);
    QCOMPARE(cell(model, 0, col), QStringLiteral(" WOL"));

    // Unregistered again: back to " --".
    wol.slotRemoveSvrFromWOL(QStringLiteral("00:11:32:00:00:01"));
    QCOMPARE(cell(model, 0, col), QStringLiteral(" --"));
    QSettings().clear();
}

void TestNasinfoModel::setupCandidate()
{
    CVorkNasinfoMap map;
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    const QModelIndex sentinel = QModelIndex();
    QModelIndex out = sentinel;
    QVERIFY(!model.findSingleSetupCandidate(out)); // empty map

    // States 0 and 8: two candidates.
    map.insert(makeNas("00:11:32:00:00:01", "a", FHOSTQC_FALSE), false);
    map.insert(makeNas("00:11:32:00:00:02", "b", FHOSTQC_NETSET), false);
    model.insertNewRows();
    out = model.index(0, 3);
    QVERIFY(!model.findSingleSetupCandidate(out));
    QVERIFY(!out.isValid());

    // No candidate at all: false, the caller's index left as it was.
    map.clear();
    map.insert(makeNas("00:11:32:00:00:01", "a", FHOSTQC_DONE), false);
    map.insert(makeNas("00:11:32:00:00:02", "b", FHOSTQC_MEM_TESTING), false);
    for (uint32_t s : {3u, 5u, 6u, 7u, 10u, 11u, 12u, 13u, 14u, 15u, 40u})
        map.insert(makeNas(qPrintable(QStringLiteral("00:11:32:00:01:%1").arg(s, 2, 10, QLatin1Char('0'))),
                           "x", s), false);
    model.refreshAllRows();
    out = model.index(1, 2);
    const QModelIndex before = out;
    QVERIFY(!model.findSingleSetupCandidate(out));
    QCOMPARE(out, before);

    // One state-8 server among Ready and memory-test servers: its row, column 0.
    map.insert(makeNas("00:11:32:00:00:03", "target", FHOSTQC_NETSET), false);
    model.insertNewRows();
    QVERIFY(model.findSingleSetupCandidate(out));
    QVERIFY(out.isValid());
    QCOMPARE(out.column(), 0);
    QCOMPARE(out.row(), 2);
    QCOMPARE(CVorkNasinfoModel::keyOf(out), QStringLiteral("00:11:32:00:00:03"));
    QCOMPARE(QByteArray(static_cast<const char *>(out.internalPointer())), QByteArray("00:11:32:00:00:03"));
    QCOMPARE(out.data().toString(), QStringLiteral(" target"));

    // Each of the candidate states alone.
    for (uint32_t s : {0u, 2u, 4u, 8u}) {
        map.find(QStringLiteral("00:11:32:00:00:03"))->ulConfigured = s;
        QVERIFY(model.findSingleSetupCandidate(out));
        QCOMPARE(out.row(), 2);
    }
}

void TestNasinfoModel::setupCandidateAnnouncesItsRow()
{
    // The finder looks for a candidate right after inserting an answer, before the next tick:
    // the row it gets back must already be one the views know.
    CVorkNasinfoMap map;
    map.insert(makeNas("00:11:32:00:00:05", "ready", FHOSTQC_DONE), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    map.insert(makeNas("00:11:32:00:00:01", "fresh", FHOSTQC_UNINSTALL), false);
    QCOMPARE(model.rowCount(), 1);
    QModelIndex out;
    QVERIFY(model.findSingleSetupCandidate(out));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(out.row(), 0);
    QCOMPARE(out.data().toString(), QStringLiteral(" fresh"));
    QCOMPARE(CVorkNasinfoModel::announcedMark(map.find(QStringLiteral("00:11:32:00:00:01"))), 1u);
}

void TestNasinfoModel::announcements()
{
    CVorkNasinfoMap map;
    CVorkNasinfoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    // Records already in the map when it is set are shown and marked at once.
    NASINFO *c = makeNas("00:11:32:00:00:0c", "c");
    map.insert(c, false);
    QCOMPARE(announcedMark(c), 0u);
    model.setNasinfoMap(&map);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(announcedMark(c), 1u);

    // New keys wait for the next announcement; each appears at its key position, neighbours in
    // one block.
    NASINFO *a = makeNas("00:11:32:00:00:0a", "a");
    NASINFO *e = makeNas("00:11:32:00:00:0e", "e");
    NASINFO *b = makeNas("00:11:32:00:00:0b", "b");
    map.insert(e, false);
    map.insert(a, false);
    map.insert(b, false);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(announcedMark(a), 0u);
    model.insertNewRows();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(inserted.count(), 2);
    QList<int> rows;
    for (const QList<QVariant> &args : inserted)
        rows << args.at(1).toInt() << args.at(2).toInt();
    QCOMPARE(rows, QList<int>({0, 1, 3, 3}));
    for (NASINFO *n : {a, b, c, e})
        QCOMPARE(announcedMark(n), 1u);
    const QStringList names = {" a", " b", " c", " e"};
    for (int r = 0; r < 4; ++r)
        QCOMPARE(cell(model, r, 0), names.at(r));

    // Nothing new: no rows, only a re-read of every cell.
    inserted.clear();
    changed.clear();
    model.insertNewRows();
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(3, 8));

    // A replaced record keeps its row and is marked when announced.
    NASINFO *b2 = makeNas("00:11:32:00:00:0b", "b2");
    map.insert(b2, true);
    QCOMPARE(announcedMark(b2), 0u);
    model.insertNewRows();
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(announcedMark(b2), 1u);
    QCOMPARE(cell(model, 1, 0), QStringLiteral(" b2"));

    // refreshRow re-reads one row's nine cells. The base's own item-change handling, which
    // would read the row's key text as one of its items, does not run.
    QSignalSpy itemChanged(&model, &QStandardItemModel::itemChanged);
    changed.clear();
    model.refreshRow(2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(2, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(2, 8));
    model.refreshRow(-1);
    model.refreshRow(4);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(itemChanged.count(), 0);

    // Keys that left the map are dropped at the next announcement.
    map.clear();
    NASINFO *d = makeNas("00:11:32:00:00:0d", "d");
    map.insert(d, false);
    map.insert(makeNas("00:11:32:00:00:0f", "f"), false);
    model.insertNewRows();
    QCOMPARE(removed.count(), 4);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(cell(model, 0, 0), QStringLiteral(" d"));
    QCOMPARE(cell(model, 1, 0), QStringLiteral(" f"));

    // The start of a search: the map is cleared and the model rebuilt.
    resets.clear();
    map.clear();
    model.refreshAllRows();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 0);
    model.refreshAllRows(); // nothing to do now
    QCOMPARE(resets.count(), 1);
    NASINFO *g = makeNas("00:11:32:00:00:10", "g");
    map.insert(g, false);
    model.refreshAllRows();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(announcedMark(g), 1u);
}

void TestNasinfoModel::selectionAndLifetimeUnderTheView()
{
    CVorkNasinfoMap map;
    map.insert(makeNas("00:11:32:00:00:10", "alpha", FHOSTQC_DONE, netAddr(198, 18, 0, 20)), false);
    NASINFO *target = makeNas("00:11:32:00:00:30", "target", FHOSTQC_BOOTING, netAddr(198, 18, 0, 3));
    map.insert(target, false);

    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    QAbstractItemModelTester modelTester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    CVorkSortNasinfoProxyModel proxy;
    proxy.setDynamicSortFilter(true);
    proxy.setSourceModel(&model);
    QAbstractItemModelTester proxyTester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    proxy.sort(CVorkNasinfoModel::COL_IP_ADDRESS, Qt::AscendingOrder);

    QTableView view;
    CVorkFinderDelegate delegate(CVorkNasinfoModel::COL_STATUS);
    view.setItemDelegate(&delegate);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setModel(&proxy);
    view.resize(900, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, tsup::guardMs()));

    const auto selectedKey = [&]() {
        const QModelIndexList rows = view.selectionModel()->selectedRows();
        return rows.size() == 1 ? CVorkNasinfoModel::keyOf(rows.first()) : QString();
    };
    const QString targetKey = QStringLiteral("00:11:32:00:00:30");
    view.selectRow(0); // sorted by address: target (198.18.0.3) first
    QCOMPARE(selectedKey(), targetKey);
    QCOMPARE(CVorkNasinfoModel::keyOf(view.currentIndex()), targetKey);
    // A plain index kept from before every change below.
    const QModelIndex kept = model.index(model.rowOfKey(targetKey), CVorkNasinfoModel::COL_STATUS);

    // Replace the selected server's record: the old one is freed, the row and selection stay.
    NASINFO *newer = makeNas("00:11:32:00:00:30", "target", FHOSTQC_DONE, netAddr(198, 18, 0, 3));
    freetracker::start();
    map.insert(newer, true);
    freetracker::stop();
    QVERIFY(freetracker::wasFreed(target));
    view.grab(); // paints every cell: reads only the stored record
    QCOMPARE(kept.data().toString(), QStringLiteral(" Ready"));

    // New keys before and after it, announced on the tick.
    map.insert(makeNas("00:11:32:00:00:05", "first", FHOSTQC_DONE, netAddr(198, 18, 0, 1)), false);
    map.insert(makeNas("00:11:32:00:00:40", "last", FHOSTQC_DONE, netAddr(198, 18, 0, 2)), false);
    model.insertNewRows();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(proxy.rowCount(), 4);
    QCOMPARE(selectedKey(), targetKey);
    QCOMPARE(CVorkNasinfoModel::keyOf(view.currentIndex()), targetKey);
    view.grab();

    // Refresh the selected row: still selected.
    model.refreshRow(model.rowOfKey(targetKey));
    QCOMPARE(selectedKey(), targetKey);

    // Another replace and announcement: the same server stays selected.
    map.insert(makeNas("00:11:32:00:00:30", "target", FHOSTQC_MEM_TESTING, netAddr(198, 18, 0, 3)), true);
    model.insertNewRows();
    QCOMPARE(selectedKey(), targetKey);
    QCOMPARE(proxy.data(view.currentIndex().sibling(view.currentIndex().row(), 3)).toString(),
             QStringLiteral(" Performing memory test (0.00%)"));

    // The map is cleared under the view: every record is freed, the rows show nothing, and the
    // kept index reads its key from the model's own storage.
    map.clear();
    view.grab();
    QVERIFY(!kept.data().isValid());
    QCOMPARE(CVorkNasinfoModel::keyOf(kept), targetKey);
    QVERIFY(!model.data(view.currentIndex().isValid() ? proxy.mapToSource(view.currentIndex())
                                                      : QModelIndex()).isValid());

    // The next search starts: the table is rebuilt from the empty map.
    model.refreshAllRows();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(proxy.rowCount(), 0);
    QVERIFY(!kept.data().isValid());
    view.grab();

    // And fills again.
    map.insert(makeNas("00:11:32:00:00:30", "target", FHOSTQC_DONE, netAddr(198, 18, 0, 3)), false);
    model.insertNewRows();
    QCOMPARE(proxy.rowCount(), 1);
    view.grab();
}

QTEST_MAIN(TestNasinfoModel)
#include "tst_nasinfomodel.moc"
