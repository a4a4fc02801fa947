// The finder's delegate (the "Check progress" link in the status column) and table view (its
// double-click and current-row signals), drawn offscreen; and a review picture of the table with
// one server per state.

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

#include "CFinderTableView.h"
#include "CQuenWOL.h"
#include "CVorkFinderDelegate.h"
#include "CVorkNasinfoMap.h"
#include "CVorkNasinfoModel.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "HangGuard.h"
#include "nasfixture.h"

using namespace nasfixture;

namespace {

bool isLinkBlue(QRgb p)
{
    return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60;
}

struct CellInk {
    int bluePixels = 0;
    int longestBlueRun = 0;  // longest horizontal run of blue pixels in one line
    int linkBackground = 0;  // pixels of the selected-link fill colour
    int firstBlueX = -1;     // leftmost blue pixel, relative to the cell
};

CellInk inspect(const QImage &img, const QRect &cell)
{
    CellInk ink;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        int run = 0;
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (p == qRgb(206, 238, 253))
                ++ink.linkBackground;
            if (isLinkBlue(p)) {
                ++ink.bluePixels;
                ++run;
                ink.longestBlueRun = qMax(ink.longestBlueRun, run);
                if (ink.firstBlueX < 0 || x - cell.left() < ink.firstBlueX)
                    ink.firstBlueX = x - cell.left();
            } else {
                run = 0;
            }
        }
    }
    return ink;
}

// The cell's rectangle in a grab of the whole view.
QRect cellRect(QTableView &view, int row, int col)
{
    QRect r = view.visualRect(view.model()->index(row, col));
    r.translate(view.viewport()->mapTo(&view, QPoint(0, 0)));
    return r.adjusted(1, 1, -1, -1); // inside the grid lines
}

} // namespace

class TestFinderView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void linkCellDrawing();
    void fittedWidthsFollowTextAndFont();
    void doubleClickSignalComesFirst();
    void currentRowSignal();
    void reviewPictureOfEveryState();
};

void TestFinderView::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper-tst-finderview"));
    QSettings().clear();
}

void TestFinderView::linkCellDrawing()
{
    QStandardItemModel model(3, 4);
    for (int r = 0; r < 3; ++r) {
        model.setItem(r, 0, new QStandardItem(QStringLiteral(" check PROGRESS")));
        model.setItem(r, 1, new QStandardItem(QStringLiteral(" 198.18.0.1")));
        model.setItem(r, 2, new QStandardItem(QStringLiteral(" Manual")));
    }
    model.setItem(0, 3, new QStandardItem(QStringLiteral(" check PROGRESS")));
    model.setItem(1, 3, new QStandardItem(QStringLiteral("  Check progress  ")));
    model.setItem(2, 3, new QStandardItem(QStringLiteral(" Check progresses")));

    CFinderTableView view;
    CVorkFinderDelegate delegate(3, &view);
    view.setItemDelegate(&delegate);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setModel(&model);
    view.resize(700, 200);
    for (int c = 0; c < 4; ++c)
        view.setColumnWidth(c, 160);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, tsup::guardMs()));

    // Unselected: blue underlined text on the normal background, from the cell's left edge.
    QImage img = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int row : {0, 1}) {
        const CellInk link = inspect(img, cellRect(view, row, 3));
        QVERIFY2(link.bluePixels > 30, qPrintable(QString::number(link.bluePixels)));
        QVERIFY2(link.longestBlueRun > 50, qPrintable(QString::number(link.longestBlueRun)));
        QVERIFY(link.firstBlueX >= 0 && link.firstBlueX < 6);
        QCOMPARE(link.linkBackground, 0);
    }
    // The same text in another column, and a different text in the link column: drawn normally.
    for (const QRect &r : {cellRect(view, 0, 0), cellRect(view, 2, 3)}) {
        const CellInk plain = inspect(img, r);
        QCOMPARE(plain.longestBlueRun < 10, true);
        QCOMPARE(plain.linkBackground, 0);
    }

    // Selected: the link cell is filled with the link background, still blue and underlined.
    view.selectRow(0);
    img = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect linkRect = cellRect(view, 0, 3);
    const CellInk selected = inspect(img, linkRect);
    QVERIFY(selected.linkBackground > linkRect.width() * linkRect.height() / 2);
    QVERIFY(selected.longestBlueRun > 50);
    const CellInk selectedPlain = inspect(img, cellRect(view, 0, 0));
    QCOMPARE(selectedPlain.linkBackground, 0);
    QVERIFY(selectedPlain.longestBlueRun < 10);
}

// The delegate keeps the sizes it measured: columns fitted again still follow a changed text and
// a changed font, and match what the plain delegate measures.
void TestFinderView::fittedWidthsFollowTextAndFont()
{
    QStandardItemModel model(2, 2);
    model.setItem(0, 0, new QStandardItem(QStringLiteral(" short")));
    model.setItem(1, 0, new QStandardItem(QStringLiteral(" short")));
    model.setItem(0, 1, new QStandardItem(QStringLiteral(" Ready")));
    CFinderTableView view;
    CVorkFinderDelegate delegate(1, &view);
    view.setModel(&model);
    view.resizeColumnsToContents();
    const int plain = view.columnWidth(0);
    view.setItemDelegate(&delegate);
    view.resizeColumnsToContents();
    QCOMPARE(view.columnWidth(0), plain);

    model.item(1, 0)->setText(QStringLiteral(" a much longer server name"));
    view.resizeColumnsToContents();
    const int longer = view.columnWidth(0);
    QVERIFY(longer > plain);

    QFont big = view.font();
    big.setPointSizeF(big.pointSizeF() * 2);
    view.setFont(big);
    view.resizeColumnsToContents();
    QVERIFY(view.columnWidth(0) > longer);
}

void TestFinderView::doubleClickSignalComesFirst()
{
    QStandardItemModel model(3, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            model.setItem(r, c, new QStandardItem(QStringLiteral(" cell")));
    CFinderTableView view;
    view.setModel(&model);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, tsup::guardMs()));

    QStringList order;
    connect(&view, &CFinderTableView::signalMouseDoubleClicked, this, [&] { order << "finder"; });
    connect(&view, &QAbstractItemView::doubleClicked, this, [&] { order << "view"; });
    // A real double click: press and release, then the double-click event and its release.
    const QPoint pos = view.visualRect(model.index(1, 1)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(order, QStringList({"finder", "view"}));

    // Outside every cell: the page is still told, the view reports no cell.
    order.clear();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(390, 190));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(390, 190));
    QCOMPARE(order, QStringList({"finder"}));
}

void TestFinderView::currentRowSignal()
{
    CVorkNasinfoMap map;
    for (int i = 0; i < 3; ++i)
        map.insert(makeNas(qPrintable(QStringLiteral("00:11:32:00:00:0%1").arg(i)), "s"), false);
    CVorkNasinfoModel model;
    model.setNasinfoMap(&map);
    CFinderTableView view;
    view.setModel(&model);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.resize(600, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, tsup::guardMs()));

    QSignalSpy spy(&view, &CFinderTableView::signalFinderCurChanged);
    QString keyAtSignal;
    connect(&view, &CFinderTableView::signalFinderCurChanged, this,
            [&] { keyAtSignal = CVorkNasinfoModel::keyOf(view.currentIndex()); });
    view.setCurrentIndex(model.index(1, 0));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(keyAtSignal, QStringLiteral("00:11:32:00:00:01"));
    QTest::keyClick(view.viewport(), Qt::Key_Down);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(keyAtSignal, QStringLiteral("00:11:32:00:00:02"));
    // Moving within the row also changes the current index.
    QTest::keyClick(view.viewport(), Qt::Key_Right);
    QCOMPARE(spy.count(), 3);
    // At the last row, Down changes nothing.
    QTest::keyClick(view.viewport(), Qt::Key_Down);
    QCOMPARE(spy.count(), 3);
}

void TestFinderView::reviewPictureOfEveryState()
{
    QSettings().clear();
    CVorkNasinfoMap map;
    const char *names[] = {"unconfigured", "ready", "uninstalled", "upgrading", "crashed",
                           "booting", "quota", "services", "netfail", "memtest", "nettest",
                           "recoverable", "sleeper", "installing", "migratable", "future"};
    const char *ids[] = {"quenlori_arm5281_vs209", "quenlori_x86atom_vs710plus", "maldren_arm6282_md2pro",
                         "quenlori_ppc853x_vs407", "unknown_x_y", "quenlori_x86core_vs1511plus",
                         "quenlori_arm6282_vs411", "quenlori_x86atom_rs810plus", "maldren_x86atom_md4x",
                         "quenlori_arm6281_vs110j", "quenlori_ppc824x_vs101", "quenlori_x86core_rs3411xs",
                         "quenlori_arm5182_vs107", "", "quenlori_x86atom_vs1010plus", ""};
    for (uint32_t s = 0; s <= 15; ++s) {
        const QByteArray mac = QStringLiteral("00:11:32:0a:00:%1").arg(s, 2, 16, QLatin1Char('0')).toLatin1();
        NASINFO *n = makeNas(mac.constData(), names[s], s,
                             s == 12 || s == 13 ? 0 : netAddr(198, 18, 0, uint8_t(s + 2)));
        n->ulDHCP = s % 2;
        n->ulBuild = 800 + 60 * s;
        if (s % 3 == 0) {
            setText(n->szVersion, "4.1");
            n->ulBuild = 2636;
            n->ulUpdate = s % 2 ? 2 : 0;
        }
        setText(n->szModelId, ids[s]);
        setText(n->szSerialNum, qPrintable(QStringLiteral("B6KAN0%1").arg(s, 4, 10, QLatin1Char('0'))));
        if (s == 6) {
            n->ullbmapSupport1 = n->ullbmapMask1 = uint64_t(1) << 8;
            n->ulProgress = 14;
        }
        if (s == 9)
            n->ulProgress = 1205;
        map.insert(n, false);
    }

    CQuenWOL wol(nullptr, nullptr);
    const int jobStates[] = {2, 2, 4, 6, 5};
    for (int i = 0; i < 5; ++i) {
        CWOLConfig c;
        c.setMacAddress(QStringLiteral("00:11:32:0a:00:%1").arg(8 + i, 2, 16, QLatin1Char('0')));
        c.setNetwork(i == 1 ? 1 : 0);
        wol.slotAddSvr2WOL(c);
        CVorkWOL *job = wol.getWOL(c.getMacAddress());
        job->setStatus(jobStates[i]);
        if (jobStates[i] == 4)
            for (int t = 0; t < 90; ++t)
                job->slotUpdateProg();
    }

    CVorkNasinfoModel model;
    model.setWOL(&wol);
    model.setNasinfoMap(&map);
    CVorkSortNasinfoProxyModel proxy;
    proxy.setDynamicSortFilter(true);
    proxy.setSourceModel(&model);
    CFinderTableView view;
    CVorkFinderDelegate delegate(CVorkNasinfoModel::COL_STATUS, &view);
    view.setItemDelegate(&delegate);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setModel(&proxy);
    view.setSortingEnabled(true);
    view.sortByColumn(CVorkNasinfoModel::COL_IP_ADDRESS, Qt::AscendingOrder);
    view.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
    view.resize(1780, 560);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, tsup::guardMs()));
    view.resizeColumnsToContents();
    view.selectRow(1);

    // What the picture must show, cell by cell, by state.
    const QStringList status = {" Not configured", " Ready", " Not installed", " Upgrading",
                                " Configuration lost", " Booting",
                                " Checking file system (14 minutes remaining)", " Starting services",
                                " Connection failed.", " Performing memory test (12.05%)",
                                " Getting connection status...", " Recoverable", " Off-line",
                                " Check progress", " Migratable", " "};
    const QStringList version = {" 4.1-2636", " 2.1-0860", " 2.2-0920", " 4.1-2636 update 2",
                                 " 2.2-1040", " 2.2-1100", " 4.1-2636", " 2.3-1220",
                                 " 2.3-1280", " 4.1-2636 update 2", " 2.3-1400", " 2.3-1460",
                                 " 4.1-2636", " ", " 2.3-1640", " 4.1-2636 update 2"};
    const QStringList modelNames = {" VS-209", " VS-710+", " Maldren MD-2 Pro", " VS-407", " ",
                                    " VS-1511+", " VS-411", " RS-810+", " Maldren MD-4X",
                                    " VS-110j", " VS-101", " RS-3411xs", " VS-107", " ",
                                    " VS-1010+", " "};
    const QStringList wolTexts = {" --", " --", " --", " --", " --", " --", " --", " --",
                                  " Off", " N/A", " Progress: 40%", " N/A", " WOL", " --", " --", " --"};
    for (uint32_t s = 0; s <= 15; ++s) {
        const int row = model.rowOfKey(QStringLiteral("00:11:32:0a:00:%1").arg(s, 2, 16, QLatin1Char('0')));
        QVERIFY(row >= 0);
        QCOMPARE(model.index(row, 3).data().toString(), status.at(s));
        QCOMPARE(model.index(row, 5).data().toString(), version.at(s));
        QCOMPARE(model.index(row, 6).data().toString(), modelNames.at(s));
        QCOMPARE(model.index(row, 8).data().toString(), wolTexts.at(s));
    }

    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/finder-review");
    QVERIFY(QDir().mkpath(dir));
    const QString file = dir + QStringLiteral("/finder-table.png");
    QVERIFY(view.grab().save(file));
    qInfo("review picture: %s", qPrintable(file));
}

QTEST_MAIN(TestFinderView)
#include "tst_finderview.moc"
