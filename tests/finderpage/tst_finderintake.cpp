// The finder page's search cycle and answer intake, with the page alone over its own map: answers
// are fed to slotInsert, ticks are driven by calling slotSetFinderProgress, and the page's modal
// boxes are read and answered by a watcher.
#include <QHeaderView>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTranslator>

#include "CQuenWOL.h"
#include "CVorkInstallMap.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "CWOLConfig.h"
#include "HangGuard.h"
#include "StringTable.h"
#include "finderpagetest.h"

using namespace fpt;
using tsup::waitFor;

namespace {

const char *const MAC_A = "00:11:32:00:00:0A";
const char *const MAC_B = "00:11:32:00:00:0B";
const char *const MAC_C = "00:11:32:00:00:0C";

void clearFinderSettings()
{
    QSettings settings;
    settings.remove(QStringLiteral("Finder"));
    settings.remove(QStringLiteral("WOL"));
    settings.sync();
}

} // namespace

class TestFinderIntake : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearFinderSettings(); }

    void onlySearchAnswersAreTaken();
    void thousandAnswersShowAtTheNextTick();
    void betweenSearchesOnlyKnownServersAreUpdated();
    void connectedRecordIsKeptDuringSearch();
    void checkProgressRowKeepsItsPlace();
    void searchDuringSearchKeepsRows();
    void firstShowStartsOneSearch();
    void endOfSearchRestoresSortedView();
    void headerClickIsStoredAtOnce();
    void noServerBox();
    void automaticConnect();
    void automaticConnectNeedsSingleCandidate();
    void recordReplacedDuringConnect();
    void memoryTestWatch();
    void serversUnderInstallationAreListedAgain();
    void wakeOnLanRowRefresh();
    void columnsFillTheView();
};

void TestFinderIntake::onlySearchAnswersAreTaken()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    QVERIFY(page.isSearching());

    const uint32_t others[] = {FHOST_PKT_QUERY, FHOST_PKT_NETSET, FHOST_PKT_QCF, 5,
                               FHOST_PKT_MEMTEST, FHOST_PKT_SYSRECOVERY, FHOST_PKT_ALL, 0};
    for (uint32_t type : others)
        page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL, type));
    QCOMPARE(map.size(), 0);

    page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL, FHOST_PKT_BRESPONSE));
    page.slotInsert(answer(MAC_B, "B", FHOSTQC_UNINSTALL, FHOST_PKT_JRESPONSE));
    QCOMPARE(map.size(), 2);
    QVERIFY(map.find(MAC_A) && map.find(MAC_B));

    // New rows appear on the next tick, with the result line.
    QCOMPARE(page.getNasinfoModel()->rowCount(), 0);
    page.slotSetFinderProgress();
    QCOMPARE(page.getNasinfoModel()->rowCount(), 2);
    QCOMPARE(page.m_pnasNumLabel->text(), QStringLiteral("Total 2 Quenlori server(s) found."));
    QCOMPARE(page.m_ppgrbarRefresh->value(), 1);
}

void TestFinderIntake::thousandAnswersShowAtTheNextTick()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    QSignalSpy inserted(page.getNasinfoModel(), &QAbstractItemModel::rowsInserted);
    for (int i = 0; i < 1000; ++i) {
        const QByteArray mac = QByteArray("02:53:57:00:") + QByteArray::number(0x100 + i / 256, 16).right(2) + ':' +
                               QByteArray::number(0x100 + i % 256, 16).right(2);
        page.slotInsert(answer(mac.constData(), "U", i % 2 ? FHOSTQC_UNINSTALL : FHOSTQC_FALSE));
    }
    QCOMPARE(map.size(), 1000);
    QCOMPARE(page.getNasinfoModel()->rowCount(), 0);
    // One tick lists them all, announced to the view as one block.
    page.slotSetFinderProgress();
    QCOMPARE(page.getNasinfoModel()->rowCount(), 1000);
    QCOMPARE(page.m_ptableviewFinder->model()->rowCount(), 1000);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(page.m_pnasNumLabel->text(), QStringLiteral("Total 1000 Quenlori server(s) found."));
}

void TestFinderIntake::betweenSearchesOnlyKnownServersAreUpdated()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL));
    finishSearch(page);
    QVERIFY(!page.isSearching());
    QCOMPARE(map.size(), 1);

    // Unknown servers are ignored between searches.
    page.slotInsert(answer(MAC_B, "B", FHOSTQC_UNINSTALL));
    QCOMPARE(map.size(), 1);
    QVERIFY(!map.find(MAC_B));

    // A known one whose web-port test passed is replaced by its next answer all the same.
    NASINFO *stored = map.find(MAC_A);
    stored->ulConfigured = FHOSTQC_DONE;
    stored->ulConnected = 1;
    NASINFO next = answer(MAC_A, "A-renamed", FHOSTQC_SERVICE_STARTING);
    next.ulBuild = 2000;
    page.slotInsert(next);
    const NASINFO *now = map.find(MAC_A);
    QVERIFY(now);
    QCOMPARE(now->ulConfigured, uint32_t(FHOSTQC_SERVICE_STARTING));
    QCOMPARE(now->ulConnected, uint32_t(0));
    QCOMPARE(QString::fromLatin1(now->szServerName), QStringLiteral("A-renamed"));
    // The sorted view shows the new record at once.
    QCOMPARE(cellText(page, MAC_A, CVorkNasinfoModel::COL_SERVER_NAME), QStringLiteral("A-renamed"));
}

void TestFinderIntake::connectedRecordIsKeptDuringSearch()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL));
    NASINFO *stored = map.find(MAC_A);
    QVERIFY(stored);
    // As after a passed web-port test.
    stored->ulConfigured = FHOSTQC_DONE;
    stored->ulConnected = 1;

    page.slotInsert(answer(MAC_A, "A-later", FHOSTQC_BOOTING));
    QCOMPARE(map.find(MAC_A)->ulConfigured, uint32_t(FHOSTQC_DONE));
    QCOMPARE(map.find(MAC_A)->ulConnected, uint32_t(1));
    QCOMPARE(QString::fromLatin1(map.find(MAC_A)->szServerName), QStringLiteral("A"));

    // An answer that carries the connected mark itself replaces it.
    NASINFO connected = answer(MAC_A, "A-connected", FHOSTQC_BOOTING);
    connected.ulConnected = 1;
    page.slotInsert(connected);
    QCOMPARE(map.find(MAC_A)->ulConfigured, uint32_t(FHOSTQC_BOOTING));
}

void TestFinderIntake::checkProgressRowKeepsItsPlace()
{
    QTcpServer web;
    QVERIFY(web.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&web, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *s = web.nextPendingConnection()) {
            ++connections;
            s->setParent(&web);
        }
    });

    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    // The row an install entry puts in for a server it is setting up.
    map.insert(record(MAC_A, "Installing", FHOSTQC_CHECKING_PROGRESS), false);
    page.slotRefreshTrigged();

    for (uint32_t state : {FHOSTQC_FALSE, FHOSTQC_UNINSTALL, FHOSTQC_CRASH}) {
        page.slotInsert(answer(MAC_A, "Installing", state));
        QCOMPARE(map.find(MAC_A)->ulConfigured, uint32_t(FHOSTQC_CHECKING_PROGRESS));
    }
    // Other states replace it; Ready goes through the web-port test.
    NASINFO ready = answer(MAC_A, "Installed", FHOSTQC_DONE, FHOST_PKT_BRESPONSE, netAddr(127, 0, 0, 1));
    ready.ulHttpPort = web.serverPort();
    page.slotInsert(ready);
    const NASINFO *now = map.find(MAC_A);
    QCOMPARE(now->ulConfigured, uint32_t(FHOSTQC_NET_TESTING));
    QCOMPARE(testMark(now), -1);
    QVERIFY(waitFor([&] { return connections == 1; }, 5000));
    page.slotSetFinderProgress();
    QCOMPARE(cellText(page, MAC_A, CVorkNasinfoModel::COL_STATUS),
             QStringLiteral("Getting connection status..."));
}

void TestFinderIntake::searchDuringSearchKeepsRows()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    QSignalSpy refresh(&page, SIGNAL(signalRefresh()));
    QSignalSpy about(&page, SIGNAL(signalAboutToFindNas()));
    QStringList order;
    connect(&page, &CVorkFinderWindow::signalRefresh, [&] { order << "refresh"; });
    connect(&page, &CVorkFinderWindow::signalAboutToFindNas, [&] { order << "about"; });

    page.slotRefreshTrigged();
    QVERIFY(!page.m_pactRefresh->isEnabled());
    QVERIFY(!page.m_ppgrbarRefresh->isHidden());
    QVERIFY(!page.m_pnasNumLabel->isHidden());
    QCOMPARE(page.m_ppgrbarRefresh->maximum(), 20);
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL));
    page.slotInsert(answer(MAC_B, "B", FHOSTQC_FALSE));
    for (int i = 0; i < 5; ++i)
        page.slotSetFinderProgress();
    QCOMPARE(page.m_ppgrbarRefresh->value(), 5);
    QCOMPARE(page.getNasinfoModel()->rowCount(), 2);

    // Another page starts a search while this one runs.
    page.slotRefreshTrigged();
    QCOMPARE(page.m_ppgrbarRefresh->value(), 0);
    QCOMPARE(map.size(), 2);
    QCOMPARE(page.getNasinfoModel()->rowCount(), 2);
    QVERIFY(page.isSearching());
    QCOMPARE(refresh.count(), 2);
    QCOMPARE(about.count(), 2);
    QCOMPARE(order, QStringList({"refresh", "about", "refresh", "about"}));

    // It runs its full 20 ticks from there.
    for (int i = 0; i < 19; ++i)
        page.slotSetFinderProgress();
    QVERIFY(page.isSearching());
    page.slotSetFinderProgress();
    QVERIFY(!page.isSearching());
    QVERIFY(page.m_pactRefresh->isEnabled());
    QVERIFY(page.m_ppgrbarRefresh->isHidden());

    // A search started from the sorted view starts afresh.
    page.slotRefreshTrigged();
    QCOMPARE(map.size(), 0);
    QCOMPARE(page.getNasinfoModel()->rowCount(), 0);
    QVERIFY(!page.getSortProxy());
    QCOMPARE(page.m_ptableviewFinder->model(), page.getNasinfoModel());
    QVERIFY(!page.m_ptableviewFinder->horizontalHeader()->isSortIndicatorShown());
}

void TestFinderIntake::firstShowStartsOneSearch()
{
    CVorkNasinfoMap map;
    map.insert(record(MAC_A, "Kept", FHOSTQC_UNINSTALL), false);
    CVorkFinderWindow page(nullptr, &map);
    QSignalSpy refresh(&page, SIGNAL(signalRefresh()));
    page.slotDelayedInit();
    page.slotDelayedInit();
    QCOMPARE(refresh.count(), 1);
    QVERIFY(page.isSearching());
    // The first search keeps what the map held (its proxy has no source yet).
    QCOMPARE(map.size(), 1);
    QCOMPARE(page.getNasinfoModel()->rowCount(), 1);
}

void TestFinderIntake::endOfSearchRestoresSortedView()
{
    {
        QSettings settings;
        settings.setValue(QStringLiteral("Finder/SortColumn"), 1);
        settings.setValue(QStringLiteral("Finder/SortOrder"), 7); // any non-zero: descending
    }
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    QCOMPARE(page.m_ptableviewFinder->model(), page.getNasinfoModel());
    QVERIFY(!page.m_ptableviewFinder->horizontalHeader()->isSortIndicatorShown());
    QSignalSpy finished(&page, SIGNAL(signalFindNasFinished()));

    page.slotDelayedInit();
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL, FHOST_PKT_BRESPONSE, netAddr(10, 0, 0, 9)));
    page.slotInsert(answer(MAC_B, "B", FHOSTQC_UNINSTALL, FHOST_PKT_BRESPONSE, netAddr(10, 0, 0, 10)));
    page.slotInsert(answer(MAC_C, "C", FHOSTQC_UNINSTALL, FHOST_PKT_BRESPONSE, netAddr(9, 0, 0, 200)));
    for (int i = 0; i < 19; ++i)
        page.slotSetFinderProgress();
    // Until the end the rows are in key order.
    QCOMPARE(viewKeys(page), QStringList({MAC_A, MAC_B, MAC_C}));
    QCOMPARE(finished.count(), 0);
    page.slotSetFinderProgress();
    QCOMPARE(finished.count(), 1);

    QVERIFY(page.getSortProxy());
    QCOMPARE(page.m_ptableviewFinder->model(), page.getSortProxy());
    QCOMPARE(page.getSortProxy()->sourceModel(), page.getNasinfoModel());
    QCOMPARE(page.getSortProxy()->sortColumn(), 1);
    QCOMPARE(page.getSortProxy()->sortOrder(), Qt::DescendingOrder);
    QCOMPARE(page.getSortProxy()->filterKeyColumn(), 1);
    QHeaderView *header = page.m_ptableviewFinder->horizontalHeader();
    QVERIFY(header->isSortIndicatorShown());
    QCOMPARE(header->sortIndicatorSection(), 1);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    // Addresses as numbers, descending: 10.0.0.10, 10.0.0.9, 9.0.0.200.
    QCOMPARE(viewKeys(page), QStringList({MAC_B, MAC_A, MAC_C}));
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("Finder/SortColumn")).toInt(), 1);
    QCOMPARE(settings.value(QStringLiteral("Finder/SortOrder")).toInt(), 1);

    // A later search makes a new proxy, sorted as the settings say then.
    settings.setValue(QStringLiteral("Finder/SortColumn"), 0);
    settings.setValue(QStringLiteral("Finder/SortOrder"), 0);
    page.slotRefreshTrigged();
    QVERIFY(!page.getSortProxy());
    page.slotInsert(answer(MAC_C, "c-first", FHOSTQC_UNINSTALL));
    page.slotInsert(answer(MAC_A, "zz-last", FHOSTQC_UNINSTALL));
    finishSearch(page);
    QCOMPARE(page.getSortProxy()->sortColumn(), 0);
    QCOMPARE(page.getSortProxy()->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(viewKeys(page), QStringList({MAC_C, MAC_A}));
}

void TestFinderIntake::headerClickIsStoredAtOnce()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.resize(900, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL));
    finishSearch(page);

    QHeaderView *header = page.m_ptableviewFinder->horizontalHeader();
    const int x = header->sectionViewportPosition(4) + header->sectionSize(4) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("Finder/SortColumn")).toInt(), 4);
    const int firstOrder = settings.value(QStringLiteral("Finder/SortOrder")).toInt();
    QCOMPARE(firstOrder, int(header->sortIndicatorOrder()));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    QCOMPARE(settings.value(QStringLiteral("Finder/SortOrder")).toInt(), firstOrder == 0 ? 1 : 0);

    // The next search ends sorted by the clicked column.
    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_UNINSTALL));
    finishSearch(page);
    QCOMPARE(page.getSortProxy()->sortColumn(), 4);
}

void TestFinderIntake::noServerBox()
{
    const QString product = QStringLiteral("Quenlori Server");
    const QString expected =
        QStringLiteral("No %1 was found on the local network.Please make sure: \n"
                       "1. Quenlori Vornakeeper is not blocked by the firewall of your computer OS "
                       "or anti-virus applications. \n2. %1 and your computer are both connected to "
                       "the network. \n3. You have switched on the power of %1.")
            .arg(product);
    BoxWatcher watcher;

    // Nothing found.
    {
        CVorkNasinfoMap map;
        CVorkFinderWindow page(nullptr, &map);
        page.slotRefreshTrigged();
        QSignalSpy finished(&page, SIGNAL(signalFindNasFinished()));
        watcher.start();
        finishSearch(page);
        watcher.stop();
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].title, QStringLiteral("Error"));
        QCOMPARE(watcher.boxes[0].text, expected);
        QCOMPARE(watcher.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(watcher.boxes[0].buttons, QStringList({"OK"}));
        QCOMPARE(finished.count(), 1);
    }

    // In German and French the box names the server with the article its sentences need; a
    // picture of each goes to text-review/ for a look by eye.
    QVERIFY(QDir().mkpath(QStringLiteral("text-review")));
    const QList<QPair<QString, QString>> translated{
        {QStringLiteral("deu"), QStringLiteral("\n3. Der Quenlori-Server ist eingeschaltet.")},
        {QStringLiteral("fra"), QStringLiteral("\n3. Le Serveur Quenlori est sous tension.")}};
    for (const auto &language : translated) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/%1.qm").arg(language.first)));
        QCoreApplication::installTranslator(&translator);
        CVorkNasinfoMap map;
        CVorkFinderWindow page(nullptr, &map);
        page.slotRefreshTrigged();
        QStringList fitProblems;
        watcher.onBox = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            box->grab().save(QStringLiteral("text-review/no-server-%1.png").arg(language.first));
            fitProblems = tsup::textFitProblems(box);
        };
        watcher.start();
        finishSearch(page);
        watcher.stop();
        watcher.onBox = nullptr;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(watcher.boxes.size(), 1);
        QVERIFY2(watcher.boxes[0].text.endsWith(language.second), qPrintable(watcher.boxes[0].text));
        QVERIFY2(fitProblems.isEmpty(), qPrintable(fitProblems.join(QLatin1Char('\n'))));
    }

    // Only registered Wake-on-LAN hosts shown off-line.
    CQuenWOL wol(nullptr, nullptr);
    CWOLConfig config;
    config.setMacAddress(QString::fromLatin1(MAC_A));
    config.setAddrName(QStringLiteral("198.18.0.77"));
    wol.slotAddSvr2WOL(config);
    {
        CVorkNasinfoMap map;
        CVorkFinderWindow page(nullptr, &map);
        page.setWOL(&wol);
        page.slotRefreshTrigged();
        map.insert(record(MAC_A, "Sleeping", FHOSTQC_OFF_LINE), false);
        watcher.start();
        finishSearch(page);
        watcher.stop();
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].text, expected);
    }
    // An off-line row of a host that is not registered is a found server.
    {
        CVorkNasinfoMap map;
        CVorkFinderWindow page(nullptr, &map);
        page.setWOL(&wol);
        page.slotRefreshTrigged();
        map.insert(record(MAC_B, "Other", FHOSTQC_OFF_LINE), false);
        watcher.start();
        finishSearch(page);
        QTest::qWait(100);
        watcher.stop();
        QCOMPARE(watcher.boxes.size(), 0);
    }
    // A registered off-line host beside a found server.
    {
        CVorkNasinfoMap map;
        CVorkFinderWindow page(nullptr, &map);
        page.setWOL(&wol);
        page.slotRefreshTrigged();
        map.insert(record(MAC_A, "Sleeping", FHOSTQC_OFF_LINE), false);
        page.slotInsert(answer(MAC_B, "Awake", FHOSTQC_UNINSTALL));
        watcher.start();
        finishSearch(page);
        QTest::qWait(100);
        watcher.stop();
        QCOMPARE(watcher.boxes.size(), 0);
    }
}

void TestFinderIntake::automaticConnect()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    QSignalSpy quickConf(&page, SIGNAL(signalMangerDoQuickConf(QList<CVorkNasinfoMap::TKey>)));
    QVERIFY(quickConf.isValid());

    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    page.slotSetFinderProgress();
    page.slotSetFinderProgress();
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    QCOMPARE(quickConf.count(), 0); // bar at 2
    page.slotSetFinderProgress();
    QCOMPARE(quickConf.count(), 0); // reaching 3 alone does nothing

    // The memory test of the server was started by this program and has found errors.
    page.addMemTestServer(QString::fromLatin1(MAC_A));
    BoxWatcher watcher;
    int connectsWhenBoxShown = -1;
    watcher.onBox = [&] { connectsWhenBoxShown = quickConf.count(); };
    watcher.start();
    NASINFO failed = answer(MAC_A, "Fresh", FHOSTQC_FALSE);
    failed.ulProgress = 3;
    page.slotInsert(failed);
    watcher.stop();
    QCOMPARE(quickConf.count(), 1);
    QCOMPARE(quickConf.at(0).at(0).value<QList<QString>>(), QList<QString>({MAC_A}));
    QCOMPARE(CVorkNasinfoModel::keyOf(page.m_ptableviewFinder->currentIndex()), QString(MAC_A));
    QCOMPARE(watcher.boxes.size(), 1);
    QCOMPARE(watcher.boxes[0].text,
             QStringLiteral("One or more errors have been found by the memory diagnostic test."));
    QCOMPARE(connectsWhenBoxShown, 1);

    // Once per search.
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    page.slotSetFinderProgress();
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    QCOMPARE(quickConf.count(), 1);

    // The next search may connect again, from its third tick.
    finishSearch(page);
    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    QCOMPARE(quickConf.count(), 1);
    for (int i = 0; i < 3; ++i)
        page.slotSetFinderProgress();
    page.slotInsert(answer(MAC_B, "Ready", FHOSTQC_BOOTING));
    QCOMPARE(quickConf.count(), 2);
}

void TestFinderIntake::automaticConnectNeedsSingleCandidate()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    QSignalSpy quickConf(&page, SIGNAL(signalMangerDoQuickConf(QList<CVorkNasinfoMap::TKey>)));
    QSignalSpy netSetting(&page, SIGNAL(signalMangerDoNetSetting(CVorkNasinfoMap::TKey)));
    QSignalSpy install(&page, SIGNAL(signalMangerDoNetInstall(QList<CVorkNasinfoMap::TKey>)));
    QVERIFY(netSetting.isValid());
    page.slotRefreshTrigged();
    for (int i = 0; i < 4; ++i)
        page.slotSetFinderProgress();
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    page.slotInsert(answer(MAC_B, "Failed", FHOSTQC_NETSET));
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    QCOMPARE(quickConf.count(), 1); // the first answer was alone
    quickConf.clear();

    page.slotRefreshTrigged(); // during the search: rows kept, may connect again
    for (int i = 0; i < 4; ++i)
        page.slotSetFinderProgress();
    page.slotInsert(answer(MAC_A, "Fresh", FHOSTQC_FALSE));
    page.slotInsert(answer(MAC_C, "Blank", FHOSTQC_UNINSTALL));
    QCOMPARE(quickConf.count() + netSetting.count() + install.count(), 0);
}

void TestFinderIntake::recordReplacedDuringConnect()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    for (int i = 0; i < 3; ++i)
        page.slotSetFinderProgress();
    // The main window runs its wizard modally on the request; answers that arrive meanwhile
    // replace the record the intake had just stored (and free it).
    int replaced = 0;
    connect(&page, &CVorkFinderWindow::signalMangerDoQuickConf, [&] {
        NASINFO newer = answer(MAC_A, "Newer", FHOSTQC_FALSE);
        newer.ulConnected = 1;
        page.slotInsert(newer);
        ++replaced;
    });
    page.addMemTestServer(QString::fromLatin1(MAC_A));
    BoxWatcher watcher;
    watcher.start();
    page.slotInsert(answer(MAC_A, "Older", FHOSTQC_FALSE));
    QTest::qWait(50);
    watcher.stop();
    QCOMPARE(replaced, 1);
    QCOMPARE(QString::fromLatin1(map.find(MAC_A)->szServerName), QStringLiteral("Newer"));
    // The watch saw the stored record each time (still watched: no errors reported).
    QCOMPARE(watcher.boxes.size(), 0);
    NASINFO failed = answer(MAC_A, "Newer", FHOSTQC_BOOTING);
    failed.ulConnected = 1;
    failed.ulProgress = 1;
    watcher.start();
    page.slotInsert(failed);
    watcher.stop();
    QCOMPARE(watcher.boxes.size(), 1);
}

void TestFinderIntake::memoryTestWatch()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_MEM_TESTING));
    page.slotInsert(answer(MAC_B, "B", FHOSTQC_BOOTING));
    finishSearch(page);

    page.addMemTestServer(QString::fromLatin1(MAC_A));
    page.addMemTestServer(QString::fromLatin1(MAC_A));
    BoxWatcher watcher;
    watcher.start();
    NASINFO running = answer(MAC_A, "A", FHOSTQC_MEM_TESTING);
    running.ulProgress = 40;
    page.slotInsert(running);                            // still testing
    page.slotInsert(answer(MAC_A, "A", FHOSTQC_BOOTING)); // done, progress 0: no errors
    NASINFO other = answer(MAC_B, "B", FHOSTQC_BOOTING);
    other.ulProgress = 5;
    page.slotInsert(other); // not watched
    QTest::qWait(50);
    QCOMPARE(watcher.boxes.size(), 0);

    NASINFO failed = answer(MAC_A, "A", FHOSTQC_BOOTING);
    failed.ulProgress = 2;
    page.slotInsert(failed);
    page.slotInsert(failed); // the key left the watch list with the first box
    QTest::qWait(50);
    watcher.stop();
    QCOMPARE(watcher.boxes.size(), 1);
    QCOMPARE(watcher.boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(watcher.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(watcher.boxes[0].buttons, QStringList({"OK"}));
}

void TestFinderIntake::serversUnderInstallationAreListedAgain()
{
    // Without an install map the start of a search does nothing more.
    {
        CVorkNasinfoMap map;
        CVorkFinderWindow page(nullptr, &map);
        page.slotRefreshTrigged();
        page.slotAddQCInstallVR2FinderWin();
        QCOMPARE(map.size(), 0);
    }

    CVorkInstallMap installs;
    NASINFO target = answer(MAC_A, "Target", FHOSTQC_UNINSTALL, FHOST_PKT_BRESPONSE, netAddr(198, 18, 0, 9));
    target.ulBuild = 3000;
    installs.insert(QString::fromLatin1(MAC_A), nullptr, &target);
    const NASINFO other = answer(MAC_B, "Other", FHOSTQC_DONE);
    installs.insert(QString::fromLatin1(MAC_B), nullptr, &other);

    CVorkNasinfoMap map;
    map.insert(record(MAC_B, "Found", FHOSTQC_DONE), false);
    CVorkFinderWindow page(nullptr, &map);
    page.setInstallMap(&installs);
    page.slotRefreshTrigged();
    QCOMPARE(map.size(), 2);
    const NASINFO *row = map.find(MAC_A);
    QVERIFY(row);
    QCOMPARE(row->ulConfigured, uint32_t(FHOSTQC_CHECKING_PROGRESS));
    QCOMPARE(QString::fromLatin1(row->szServerName), QStringLiteral("Target"));
    QCOMPARE(row->ulIP, uint32_t(0));
    QCOMPARE(row->ulBuild, uint32_t(0));
    // A listed server keeps its row.
    QCOMPARE(QString::fromLatin1(map.find(MAC_B)->szServerName), QStringLiteral("Found"));
    page.slotSetFinderProgress();
    QCOMPARE(cellText(page, MAC_A, CVorkNasinfoModel::COL_STATUS), QStringLiteral("Check progress"));

    // At the next search (the map is cleared) both are listed again.
    finishSearch(page);
    page.slotRefreshTrigged();
    QCOMPARE(map.size(), 2);
    QCOMPARE(map.find(MAC_B)->ulConfigured, uint32_t(FHOSTQC_CHECKING_PROGRESS));
}

void TestFinderIntake::wakeOnLanRowRefresh()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    QTimer *wolTimer = nullptr;
    for (QTimer *t : page.findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly))
        wolTimer = t;
    QVERIFY(wolTimer);
    QVERIFY(!wolTimer->isActive());
    page.slotStartUpdateWOLStatus(); // no manager: nothing
    QVERIFY(!wolTimer->isActive());

    CQuenWOL wol(nullptr, nullptr);
    CWOLConfig config;
    config.setMacAddress(QString::fromLatin1(MAC_A));
    wol.slotAddSvr2WOL(config);
    page.setWOL(nullptr); // ignored
    page.setWOL(&wol);
    QCOMPARE(page.getNasinfoModel()->getWOL(), &wol);

    page.slotStartUpdateWOLStatus();
    QVERIFY(wolTimer->isActive());
    QCOMPARE(wolTimer->interval(), 1000);
    // A job waiting for its host keeps the refresh running.
    wol.getWOL(QString::fromLatin1(MAC_A))->setStatus(CVorkWOL::STATUS_WAITING);
    page.slotStartUpdateWOLStatus();
    QVERIFY(wolTimer->isActive());
    wol.getWOL(QString::fromLatin1(MAC_A))->setStatus(CVorkWOL::STATUS_ANSWERED);
    page.slotStartUpdateWOLStatus();
    QVERIFY(!wolTimer->isActive());
    // The next call starts it again.
    page.slotStartUpdateWOLStatus();
    QVERIFY(wolTimer->isActive());
}

void TestFinderIntake::columnsFillTheView()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.resize(1200, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
    page.slotRefreshTrigged();
    page.slotInsert(answer(MAC_A, "A server with a long name", FHOSTQC_UNINSTALL, FHOST_PKT_BRESPONSE,
                           netAddr(198, 18, 0, 10)));
    page.slotSetFinderProgress();

    QTableView *view = page.m_ptableviewFinder;
    auto widths = [view] {
        QList<int> w;
        for (int c = 0; c < 9; ++c)
            w << view->columnWidth(c);
        return w;
    };
    QString failure;
    auto check = [&](const char *what) {
        const QList<int> fitted = widths();
        view->resizeColumnsToContents();
        const QList<int> content = widths();
        int sum = 0;
        for (int c : content)
            sum += c;
        const int width = view->width();
        for (int c = 0; c < 9; ++c) {
            const int expected = width > sum ? content[c] + (width - 14 - sum) / 9 : content[c];
            if (fitted[c] != expected && failure.isEmpty())
                failure = QStringLiteral("%1: column %2 is %3, expected %4 (view %5, sum %6)")
                              .arg(what).arg(c).arg(fitted[c]).arg(expected).arg(width).arg(sum);
        }
        return std::make_pair(width, sum);
    };
    auto wide = check("wide");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(wide.first - 14 - wide.second > 9); // really widened

    // A view only a little wider than the contents loses one pixel per column: (5 - 14) / 9.
    const int target = wide.second + 5;
    page.resize(page.width() - (wide.first - target), page.height());
    QTRY_COMPARE_WITH_TIMEOUT(view->width(), target, tsup::guardMs());
    auto narrow = check("narrow");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(narrow.first - narrow.second, 5);
}

FINDER_TEST_MAIN(TestFinderIntake)
#include "tst_finderintake.moc"
