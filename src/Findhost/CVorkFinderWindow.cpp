#include "CVorkFinderWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QResizeEvent>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <cstring>

#include "CFindHostUDP.h"
#include "CQuenWOL.h"
#include "CVorkFinderDelegate.h"
#include "CVorkGlobalSettings.h"
#include "CVorkHelpBrowser.h"
#include "CVorkInstallMap.h"
#include "CVorkNasinfoModel.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "CVorkWOL.h"
#include "NasinfoText.h"
#include "StringTable.h"
#include "VorkDebug.h"
#include "platforms.h"

namespace {

const char *const DEBUG_SOURCE = "src/Findhost/CVorkFinderWindow";

const char *const KEY_MEM_TEST = "Finder/MemTest";
const char *const KEY_SORT_COLUMN = "Finder/SortColumn";
const char *const KEY_SORT_ORDER = "Finder/SortOrder";

const char *const ICON_WOL_MENU = ":/images/icon_WOL_dark.png";

// The Status column, drawn as a link for servers under installation.
const int STATUS_COLUMN = 3;
// Room kept free beside the columns when they are widened to the view.
const int FIT_MARGIN = 14;

// The last build whose memory test this program cannot start.
const uint32_t MEM_TEST_LAST_UNSUPPORTED_BUILD = 908;
// From this build on a migratable server may be installed through its own web page.
const uint32_t WEB_INSTALL_MIGRATE_BUILD = 2622;

std::atomic<int> s_tickIntervalMs{CVorkFinderWindow::TICK_MS};

Qt::SortOrder toSortOrder(int order)
{
    return order == 0 ? Qt::AscendingOrder : Qt::DescendingOrder;
}

} // namespace

CVorkFinderWindow::CVorkFinderWindow(QWidget *parent, CVorkNasinfoMap *pMap)
    : CVorkWindowMainTab(parent),
      m_ptimerProgress(nullptr),
      m_ptimerWOL(nullptr),
      m_pNetManager(nullptr),
      m_pNasinfoMap(pMap),
      m_pModel(nullptr),
      m_pSortProxy(nullptr),
      m_pDelegate(nullptr),
      m_pInstallMap(nullptr),
      m_pWOL(nullptr),
      m_nProgressMax(PROGRESS_MAX),
      m_blSearching(false),
      m_blAutoConnected(false),
      m_blWOLTimerStarted(false),
      m_blMemTest(false)
{
    setupUi(this);

    // The request signals carry keys by their map's type names; registered so that they also
    // travel through queued connections and can be watched by name.
    qRegisterMetaType<NASINFO>("NASINFO");
    qRegisterMetaType<QString>("CVorkNasinfoMap::TKey");
    qRegisterMetaType<QList<QString>>("QList<CVorkNasinfoMap::TKey>");

    {
        QSettings settings;
        m_blMemTest = settings.value(QLatin1String(KEY_MEM_TEST), false).toBool();
    }

    m_pModel = new CVorkNasinfoModel(nullptr);
    m_pSortProxy = new CVorkSortNasinfoProxyModel(nullptr);
    m_pSortProxy->setDynamicSortFilter(true);
    m_pDelegate = new CVorkFinderDelegate(STATUS_COLUMN, this);
    if (m_pNasinfoMap)
        m_pModel->setNasinfoMap(m_pNasinfoMap);

    // During the first search the view shows the plain model; the sorted view comes at its end.
    setViewModel(m_pModel);
    m_ptableviewFinder->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_ppgrbarRefresh->setRange(0, m_nProgressMax);
    m_ppgrbarRefresh->setValue(0);
    m_ppgrbarRefresh->hide();
    m_pnasNumLabel->hide();

    m_ptimerProgress = new QTimer(nullptr);
    m_ptimerWOL = new QTimer(this);
    m_ptimerProgress->stop();
    m_ptimerWOL->stop();

    {
        QSettings settings;
        const int column = settings.value(QLatin1String(KEY_SORT_COLUMN), 0).toInt();
        const int order = settings.value(QLatin1String(KEY_SORT_ORDER), 0).toInt();
        m_pSortProxy->sort(column, toSortOrder(order));
    }
    m_ptableviewFinder->horizontalHeader()->setSortIndicatorShown(false);

    // The page's own reactions to the start and end of a search come before any connection
    // made by others: the servers under installation are listed again before the main window
    // re-adds its Wake-on-LAN hosts.
    connect(this, SIGNAL(signalFindNasFinished()), this, SLOT(slotSetSortVorkModel()));
    connect(this, SIGNAL(signalAboutToFindNas()), this, SLOT(slotAddQCInstallVR2FinderWin()));
    connect(m_ptimerProgress, SIGNAL(timeout()), this, SLOT(slotSetFinderProgress()));
    connect(m_ptimerWOL, SIGNAL(timeout()), this, SLOT(slotStartUpdateWOLStatus()));
    connect(m_ptableviewFinder, SIGNAL(signalMouseDoubleClicked()), this, SLOT(slotManagerTrigged()));
    connect(m_ptableviewFinder, SIGNAL(signalFinderCurChanged()), this, SLOT(slotCurrentChanged()));
    connect(m_ptableviewFinder, SIGNAL(clicked(QModelIndex)), this,
            SLOT(slotCheckInstallTriggered(QModelIndex)));
    connect(m_ptableviewFinder->horizontalHeader(), SIGNAL(sectionClicked(int)), this,
            SLOT(slotHeaderViewClicked()));
    m_pNetManager = new QNetworkAccessManager(this);
    // The web-port test must reach the server itself: a proxy would answer for an unreachable one.
    useDirectConnection(m_pNetManager);
    connect(m_pNetManager, SIGNAL(finished(QNetworkReply*)), this,
            SLOT(slotHttpReplyFinished(QNetworkReply*)));

    // Texts from the string table; the toolbar buttons show their text under the icon and
    // need no tool tip.
    m_pactRefresh->setText(getString(IDS_BTN_SEARCH));
    m_pactRefresh->setToolTip(QString());
    m_pactManager->setText(getString(IDS_BTN_MANAGE));
    m_pactManager->setToolTip(QString());
    m_pactWOL->setText(getString(IDS_WAKEUP_TITLE));
    m_pactWOL->setToolTip(QString());
    m_pactMemTest->setText(getString(IDS_BTN_MEM_TEST));
    m_pactMemTest->setToolTip(QString());
    m_pactAbout->setToolTip(getString(IDS_TOOL_TIPS_ABOUT));
    m_pactHelp->setToolTip(getString(IDS_TOOLBAR_HELP));
    m_pactPreferences->setToolTip(getString(IDS_TOOL_TIPS_PREFERENCE));
    m_pactRefreshPopUp->setText(getString(IDS_BTN_SEARCH));
    m_pactManagerPopUp->setText(getString(IDS_BTN_MANAGE));
    m_pactNetInstPopUp->setText(getString(IDS_BTN_INSTALL));
    m_pactNetInstPopUp->setVisible(false);
    m_pactMemTestPopUp->setText(getString(IDS_BTN_MEM_TEST));
    m_pactWOLWakeUpPopUp->setText(getString(IDS_WAKEUP_MENU_WAKEUP));
    m_pactWOLSetUpPopUp->setText(getString(IDS_WAKEUP_MENU_SETUP));
    m_pactWOLRemovePopUp->setText(getString(IDS_BTN_RSRC_REMOVE));

    // The toolbars are fixed in place: a right click on them offers nothing (the page's default
    // menu would offer to hide them, under their untranslated form names).
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_2->setContextMenuPolicy(Qt::PreventContextMenu);

    m_ptableviewFinder->installEventFilter(this);
    // The rows are painted on the viewport; its paints count as paints of the table as well.
    m_ptableviewFinder->viewport()->installEventFilter(this);
    m_pactMemTest->setVisible(m_blMemTest);

    // The pop-up twins carry the same shortcuts for display in the menu. They are added to a
    // widget only while their menu runs (the menu is destroyed afterwards), so outside a menu
    // each shortcut has exactly one live action.
    m_pactRefresh->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_pactManager->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    m_pactWOL->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    m_pactRefresh->setEnabled(true);
    m_pactWOL->setEnabled(true);
}

CVorkFinderWindow::~CVorkFinderWindow()
{
    m_ptimerProgress->stop();
    delete m_ptimerProgress;
    m_ptimerProgress = nullptr;
    // The view lives on until the base class destroys the children; it must not read the models
    // deleted here.
    setViewModel(nullptr);
    delete m_pSortProxy;
    m_pSortProxy = nullptr;
    delete m_pModel;
    m_pModel = nullptr;
}

void CVorkFinderWindow::setNasinfoMap(CVorkNasinfoMap *pMap)
{
    m_pNasinfoMap = pMap;
    if (m_pModel)
        m_pModel->setNasinfoMap(pMap);
}

void CVorkFinderWindow::setInstallMap(CVorkInstallMap *pInstallMap)
{
    m_pInstallMap = pInstallMap;
}

void CVorkFinderWindow::setWOL(CQuenWOL *pWOL)
{
    if (pWOL && m_pModel) {
        m_pModel->setWOL(pWOL);
        m_pWOL = pWOL;
    }
}

void CVorkFinderWindow::addMemTestServer(const QString &key)
{
    if (!m_strlstMemTest.contains(key))
        m_strlstMemTest.append(key);
}

bool CVorkFinderWindow::hasUnfinishedTasks()
{
    return false;
}

void CVorkFinderWindow::setTickIntervalMs(int ms)
{
    s_tickIntervalMs.store(ms < 1 ? TICK_MS : ms);
}

int CVorkFinderWindow::tickIntervalMs()
{
    return s_tickIntervalMs.load();
}

void CVorkFinderWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void CVorkFinderWindow::resizeEvent(QResizeEvent *event)
{
    CVorkWindowMainTab::resizeEvent(event);
    fitColumns();
}

void CVorkFinderWindow::slotDelayedInit()
{
    if (m_blInit)
        return;
    m_blInit = true;
    slotRefreshTrigged();
}

// ---------------------------------------------------------------------------------------------
// Search cycle

void CVorkFinderWindow::slotRefreshTrigged()
{
    // Only a search started from the sorted view starts afresh. A search started while another
    // runs, and the page's first search (its proxy has no source yet), keep what is listed.
    if (m_pSortProxy && m_pSortProxy->sourceModel() == m_pModel) {
        if (m_pNasinfoMap)
            m_pNasinfoMap->clear();
        setViewModel(m_pModel);
        m_ptableviewFinder->setSortingEnabled(true);
        m_ptableviewFinder->horizontalHeader()->setSortIndicatorShown(false);
        delete m_pSortProxy;
        m_pSortProxy = nullptr;
    }

    m_ppgrbarRefresh->setMaximum(m_nProgressMax);
    m_ppgrbarRefresh->setMinimum(0);
    m_ppgrbarRefresh->setValue(0);
    m_ppgrbarRefresh->show();
    m_pnasNumLabel->show();

    m_pModel->refreshAllRows();
    m_pactRefresh->setEnabled(false);
    m_ptimerProgress->start(tickIntervalMs());
    m_blSearching = true;
    m_blAutoConnected = false;

    emit signalRefresh();
    emit signalAboutToFindNas();
}

void CVorkFinderWindow::slotAddQCInstallVR2FinderWin()
{
    if (!m_pInstallMap || !m_pNasinfoMap)
        return;
    const QList<NASINFO *> pending = m_pInstallMap->getPendingNasinfos();
    for (const NASINFO *pRecord : pending) {
        if (!pRecord)
            continue;
        if (m_pNasinfoMap->containsKey(CVorkNasinfoMap::keyOf(*pRecord)))
            continue;
        NASINFO *pRow = new NASINFO;
        std::memset(pRow, 0, sizeof(*pRow));
        std::memcpy(pRow->szMac, pRecord->szMac, sizeof(pRow->szMac));
        std::memcpy(pRow->szServerName, pRecord->szServerName, sizeof(pRow->szServerName));
        pRow->ulConfigured = FHOSTQC_CHECKING_PROGRESS;
        m_pNasinfoMap->insert(pRow, false);
    }
}

void CVorkFinderWindow::slotInsert(NASINFO nasInfo)
{
    if (nasInfo.ulPacketType != FHOST_PKT_JRESPONSE && nasInfo.ulPacketType != FHOST_PKT_BRESPONSE)
        return;
    if (!m_pNasinfoMap)
        return;
    const CVorkNasinfoMap::TKey key = CVorkNasinfoMap::keyOf(nasInfo);
    // Between searches only servers already listed are updated.
    if (!m_blSearching && !m_pNasinfoMap->containsKey(key))
        return;

    NASINFO *pCopy = new NASINFO(nasInfo);
    if (!testConnection(pCopy)) {
        delete pCopy;
        return;
    }
    if (!acceptAnswer(nasInfo)) {
        delete pCopy;
        return;
    }
    // The map owns the copy from here; it may keep the stored record instead and free the copy.
    m_pNasinfoMap->insert(pCopy, !m_blSearching);
    pCopy = nullptr;

    refreshSelectedRows();

    if (m_blSearching && !m_blAutoConnected && m_ppgrbarRefresh->value() >= 3) {
        QModelIndex index;
        if (m_pModel->findSingleSetupCandidate(index)) {
            if (viewShowsProxy())
                index = m_pSortProxy->mapFromSource(index);
            m_ptableviewFinder->setCurrentIndex(index);
            m_blAutoConnected = true;
            slotManagerTrigged();
        }
    }

    // Connect may have run a modal wizard whose event loop let further answers replace the
    // record, so it is looked up again rather than kept from before.
    const NASINFO *pStored = m_pNasinfoMap->find(key);
    if (pStored)
        checkMemTestResult(pStored);
}

bool CVorkFinderWindow::testConnection(NASINFO *pnasInfo)
{
    if (pnasInfo->ulConfigured != FHOSTQC_DONE) {
        setTestMark(pnasInfo, 0);
        return true;
    }
    // A server shown Ready, under test or failed is not tested again until the map is cleared.
    const NASINFO *pStored = m_pNasinfoMap ? m_pNasinfoMap->find(CVorkNasinfoMap::keyOf(*pnasInfo))
                                           : nullptr;
    if (pStored && (pStored->ulConfigured == FHOSTQC_DONE ||
                    pStored->ulConfigured == FHOSTQC_NET_TESTING ||
                    pStored->ulConfigured == FHOSTQC_NETSET))
        return false;

    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(ipToString(pnasInfo->ulIP));
    url.setPort(CVorkGlobalSettings::getWebPort(pnasInfo, false));
    m_pNetManager->get(QNetworkRequest(url));

    pnasInfo->ulConfigured = FHOSTQC_NET_TESTING;
    setTestMark(pnasInfo, -1);
    return true;
}

bool CVorkFinderWindow::acceptAnswer(const NASINFO &nasInfo) const
{
    const NASINFO *pStored = m_pNasinfoMap ? m_pNasinfoMap->find(CVorkNasinfoMap::keyOf(nasInfo))
                                           : nullptr;
    if (!pStored || pStored->ulConfigured != FHOSTQC_CHECKING_PROGRESS)
        return true;
    // A server this program is installing keeps its Check progress row against the answers it
    // gives while it is being set up.
    return !(nasInfo.ulConfigured == FHOSTQC_FALSE || nasInfo.ulConfigured == FHOSTQC_UNINSTALL ||
             nasInfo.ulConfigured == FHOSTQC_CRASH);
}

void CVorkFinderWindow::slotHttpReplyFinished(QNetworkReply *pReply)
{
    if (!pReply)
        return;

    uint32_t hostAddr = 0;
    NASINFO *pnasInfo = nullptr;
    if (m_pNasinfoMap && ipStringToHostAddr(&hostAddr, pReply->url().host()))
        pnasInfo = m_pNasinfoMap->findByIp(hostAddr);

    if (pnasInfo && testMark(pnasInfo) != 0) {
        const QNetworkReply::NetworkError error = pReply->error();
        if (error == QNetworkReply::NoError) {
            setTestMark(pnasInfo, 0);
            pnasInfo->ulConnected = 1;
            pnasInfo->ulConfigured = FHOSTQC_DONE;
        } else {
            qDebug("%s:%d Url [%s] has error (%d)", DEBUG_SOURCE, __LINE__,
                   qPrintable(pReply->url().toString()), int(error));
            if (error == QNetworkReply::TimeoutError || error == QNetworkReply::UnknownNetworkError) {
                setTestMark(pnasInfo, 1);
                pnasInfo->ulConnected = 0;
                pnasInfo->ulConfigured = FHOSTQC_NETSET;
            } else {
                // Any other answer (a refused connection, an HTTP error) shows a live server.
                setTestMark(pnasInfo, 0);
                pnasInfo->ulConnected = 1;
                pnasInfo->ulConfigured = FHOSTQC_DONE;
            }
            pReply->abort();
        }
        // Show the result at once, also when it comes after the end of the search.
        const int row = m_pModel->rowOfKey(CVorkNasinfoMap::keyOf(*pnasInfo));
        if (row >= 0)
            m_pModel->refreshRow(row);
    }

    pReply->close();
    QCoreApplication::processEvents();
    pReply->deleteLater();
}

void CVorkFinderWindow::slotSetFinderProgress()
{
    slotSetFinderProgress(0);
}

void CVorkFinderWindow::slotSetFinderProgress(size_t ulProgressed)
{
    if (ulProgressed == 0)
        ulProgressed = size_t(m_ppgrbarRefresh->value() + 1);

    m_pModel->insertNewRows();
    m_pnasNumLabel->setText(getString(IDS_FOUND_SERVER).arg(m_pModel->rowCount()));

    m_ppgrbarRefresh->setValue(int(ulProgressed));
    fitColumns();
    if (m_ppgrbarRefresh->value() < m_ppgrbarRefresh->maximum()) {
        m_ptableviewFinder->repaint();
        return;
    }

    m_ppgrbarRefresh->hide();
    m_ptimerProgress->stop();
    m_pactRefresh->setEnabled(true);
    m_blSearching = false;

    if (m_pNasinfoMap) {
        for (CVorkNasinfoMap::const_iterator it = m_pNasinfoMap->begin(); it != m_pNasinfoMap->end();
             ++it) {
            NASINFO *pnasInfo = it.value();
            if (!pnasInfo || testMark(pnasInfo) != -1)
                continue;
            qDebug("%s:%d Fail to test connection for [%s](%s)", DEBUG_SOURCE, __LINE__,
                   nasinfoText(pnasInfo->szServerName).toLatin1().constData(),
                   qPrintable(ipToString(pnasInfo->ulIP)));
            setTestMark(pnasInfo, 1);
            pnasInfo->ulConfigured = FHOSTQC_NETSET;
        }
    }

    emit signalFindNasFinished();
    slotStartUpdateWOLStatus();

    if (!m_pNasinfoMap || m_pNasinfoMap->isEmpty() ||
        countOffLineWOLHosts() == m_pNasinfoMap->size()) {
        const QString product = CVorkGlobalSettings::getProductName();
        showErrorBox(getString(IDS_ERR_SERV_NOT_FOUND).arg(product) +
                     getString(IDS_WARN_FIREWALL).arg(product));
    }
    m_ptableviewFinder->repaint();
}

void CVorkFinderWindow::slotSetSortVorkModel()
{
    int column = 0;
    int order = 0;
    if (m_pSortProxy) {
        column = m_pSortProxy->sortColumn();
        order = m_pSortProxy->sortOrder() == Qt::AscendingOrder ? 0 : 1;
    } else {
        m_pSortProxy = new CVorkSortNasinfoProxyModel(nullptr);
        m_pSortProxy->setDynamicSortFilter(true);
        QSettings settings;
        column = settings.value(QLatin1String(KEY_SORT_COLUMN), 0).toInt();
        order = settings.value(QLatin1String(KEY_SORT_ORDER), 0).toInt() == 0 ? 0 : 1;
    }
    const Qt::SortOrder sortOrder = toSortOrder(order);

    m_pSortProxy->setSourceModel(m_pModel);
    setViewModel(m_pSortProxy);
    m_ptableviewFinder->setSortingEnabled(true);
    m_pSortProxy->setFilterKeyColumn(column);
    m_pSortProxy->sort(column, sortOrder);
    m_ptableviewFinder->horizontalHeader()->setSortIndicatorShown(true);
    m_ptableviewFinder->sortByColumn(column, sortOrder);

    QSettings settings;
    settings.setValue(QLatin1String(KEY_SORT_COLUMN), column);
    settings.setValue(QLatin1String(KEY_SORT_ORDER), order);
    fitColumns();
}

void CVorkFinderWindow::slotHeaderViewClicked()
{
    const QHeaderView *header = m_ptableviewFinder->horizontalHeader();
    QSettings settings;
    settings.setValue(QLatin1String(KEY_SORT_COLUMN), header->sortIndicatorSection());
    settings.setValue(QLatin1String(KEY_SORT_ORDER), int(header->sortIndicatorOrder()));
}

void CVorkFinderWindow::fitColumns()
{
    if (!m_ptableviewFinder->model())
        return;
    m_ptableviewFinder->resizeColumnsToContents();
    int sum = 0;
    for (int column = 0; column < CVorkNasinfoModel::COL_COUNT; ++column)
        sum += m_ptableviewFinder->columnWidth(column);
    const int width = m_ptableviewFinder->width();
    if (width <= sum)
        return;
    const int extra = (width - FIT_MARGIN - sum) / CVorkNasinfoModel::COL_COUNT;
    for (int column = 0; column < CVorkNasinfoModel::COL_COUNT; ++column)
        m_ptableviewFinder->setColumnWidth(column, m_ptableviewFinder->columnWidth(column) + extra);
}

void CVorkFinderWindow::slotStartUpdateWOLStatus()
{
    if (!m_pWOL)
        return;
    QCoreApplication::processEvents();
    if (!m_blWOLTimerStarted) {
        m_ptimerWOL->start(TICK_MS);
        m_blWOLTimerStarted = true;
        return;
    }

    int waiting = 0;
    const QStringList macs = m_pWOL->getMacList();
    for (const QString &mac : macs) {
        const CWOLConfig *pConfig = m_pWOL->getWOLConfig(mac);
        const CVorkWOL *pJob = m_pWOL->getWOL(mac);
        if (pConfig && pJob && pJob->getStatus() == CVorkWOL::STATUS_WAITING)
            ++waiting;
    }
    if (waiting == 0 && m_ptimerWOL->isActive()) {
        m_ptimerWOL->stop();
        m_blWOLTimerStarted = false;
    }
    refreshSelectedRows();
}

int CVorkFinderWindow::countOffLineWOLHosts() const
{
    if (!m_pWOL || !m_pNasinfoMap)
        return 0;
    int count = 0;
    const QStringList macs = m_pWOL->getMacList();
    for (const QString &mac : macs) {
        const NASINFO *pnasInfo = m_pNasinfoMap->find(mac);
        if (pnasInfo && pnasInfo->ulConfigured == FHOSTQC_OFF_LINE)
            ++count;
    }
    return count;
}

void CVorkFinderWindow::checkMemTestResult(const NASINFO *pnasInfo)
{
    const QString key = CVorkNasinfoMap::keyOf(*pnasInfo);
    if (!m_strlstMemTest.contains(key))
        return;
    m_strlstMemTest.removeAll(key);
    if (pnasInfo->ulConfigured != FHOSTQC_MEM_TESTING && pnasInfo->ulProgress != 0) {
        showErrorBox(getString(IDS_ERR_MEM_TEST));
        return;
    }
    m_strlstMemTest.append(key);
}

void CVorkFinderWindow::refreshServer(const CVorkNasinfoMap::TKey &key)
{
    // A row not announced yet shows its record at the next search tick.
    m_pModel->refreshRow(m_pModel->rowOfKey(key));
    slotUpdateQActionStatus();
}

void CVorkFinderWindow::refreshSelectedRows()
{
    const QItemSelectionModel *selection = m_ptableviewFinder->selectionModel();
    if (!selection)
        return;
    QList<int> rows;
    const QModelIndexList indexes = selection->selectedIndexes();
    for (const QModelIndex &index : indexes) {
        const QModelIndex source = viewShowsProxy() ? m_pSortProxy->mapToSource(index) : index;
        if (source.isValid() && !rows.contains(source.row()))
            rows.append(source.row());
    }
    for (int row : rows)
        m_pModel->refreshRow(row);
}

void CVorkFinderWindow::showErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, getString(IDS_ERROR), text, QMessageBox::NoButton, this);
    box.addButton(getString(IDS_BTN_OK), QMessageBox::AcceptRole);
    box.exec();
}

bool CVorkFinderWindow::viewShowsProxy() const
{
    return m_pSortProxy && m_ptableviewFinder->model() == m_pSortProxy;
}

void CVorkFinderWindow::setViewModel(QAbstractItemModel *model)
{
    QItemSelectionModel *old = m_ptableviewFinder->selectionModel();
    m_ptableviewFinder->setModel(model);
    if (old && old != m_ptableviewFinder->selectionModel())
        delete old;
    m_ptableviewFinder->setItemDelegate(m_pDelegate);
}

int32_t CVorkFinderWindow::testMark(const NASINFO *pnasInfo)
{
    int32_t mark;
    std::memcpy(&mark, pnasInfo->byReserved0, sizeof(mark));
    return mark;
}

void CVorkFinderWindow::setTestMark(NASINFO *pnasInfo, int32_t mark)
{
    std::memcpy(pnasInfo->byReserved0, &mark, sizeof(mark));
}

// ---------------------------------------------------------------------------------------------
// Actions

void CVorkFinderWindow::collectSelectedKeys()
{
    for (QList<CVorkNasinfoMap::TKey> &list : qlistKeys)
        list.clear();
    const QItemSelectionModel *selection = m_ptableviewFinder->selectionModel();
    if (!selection || !m_pNasinfoMap)
        return;
    const QModelIndexList indexes = selection->selectedIndexes();
    for (const QModelIndex &index : indexes) {
        if (index.column() != 0)
            continue;
        const QModelIndex source = viewShowsProxy() ? m_pSortProxy->mapToSource(index) : index;
        const CVorkNasinfoMap::TKey key = CVorkNasinfoModel::keyOf(source);
        const NASINFO *pnasInfo = m_pNasinfoMap->find(key);
        if (!pnasInfo)
            continue;
        // A state this program does not know has no list and no action.
        if (pnasInfo->ulConfigured >= uint32_t(STATE_COUNT))
            continue;
        qlistKeys[pnasInfo->ulConfigured].append(key);
    }
}

QList<CVorkNasinfoMap::TKey> CVorkFinderWindow::installKeys() const
{
    return qlistKeys[FHOSTQC_UNINSTALL] + qlistKeys[FHOSTQC_CRASH] + qlistKeys[FHOSTQC_MIGRATABLE];
}

QList<CVorkNasinfoMap::TKey> CVorkFinderWindow::wolKeys() const
{
    return qlistKeys[FHOSTQC_DONE] + qlistKeys[FHOSTQC_OFF_LINE];
}

bool CVorkFinderWindow::isSingleWebInstall(const QList<CVorkNasinfoMap::TKey> &qlistInstall) const
{
    if (qlistInstall.size() != 1 || !m_pNasinfoMap)
        return false;
    const NASINFO *pnasInfo = m_pNasinfoMap->find(qlistInstall.first());
    if (!pnasInfo || pnasInfo->ulWebInstall != 1)
        return false;
    return !(pnasInfo->ulConfigured == FHOSTQC_MIGRATABLE &&
             pnasInfo->ulBuild < WEB_INSTALL_MIGRATE_BUILD);
}

void CVorkFinderWindow::slotManagerTrigged()
{
    collectSelectedKeys();

    const QList<CVorkNasinfoMap::TKey> qlistInstall = installKeys();
    if (!qlistInstall.isEmpty()) {
        VORK_DEBUG_INT(DEBUG_SOURCE, "qlistInstall", qlistInstall.size());
        if (isSingleWebInstall(qlistInstall))
            emit signalMangerOpenWebUI(qlistInstall);
        else
            emit signalMangerDoNetInstall(qlistInstall);
        return;
    }
    if (!qlistKeys[FHOSTQC_FALSE].isEmpty()) {
        VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_FALSE]", qlistKeys[FHOSTQC_FALSE].size());
        emit signalMangerDoQuickConf(qlistKeys[FHOSTQC_FALSE]);
        return;
    }
    if (!qlistKeys[FHOSTQC_NETSET].isEmpty()) {
        VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_NETSET]", qlistKeys[FHOSTQC_NETSET].size());
        emit signalMangerDoNetSetting(qlistKeys[FHOSTQC_NETSET].first());
        return;
    }
    if (!qlistKeys[FHOSTQC_DONE].isEmpty()) {
        VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_DONE]", qlistKeys[FHOSTQC_DONE].size());
        emit signalMangerOpenWebUI(qlistKeys[FHOSTQC_DONE]);
        return;
    }
    if (!qlistKeys[FHOSTQC_QUOTA_CHECKING].isEmpty()) {
        VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_QUOTA_CHECKING]",
                       qlistKeys[FHOSTQC_QUOTA_CHECKING].size());
        emit signalMangerCancelFSCK(qlistKeys[FHOSTQC_QUOTA_CHECKING].first());
        return;
    }
    if (!qlistKeys[FHOSTQC_OFF_LINE].isEmpty()) {
        VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_OFF_LINE]", qlistKeys[FHOSTQC_OFF_LINE].size());
        const QList<CVorkNasinfoMap::TKey> qlistOffLine = qlistKeys[FHOSTQC_OFF_LINE];
        QMessageBox box(QMessageBox::NoIcon, getString(IDS_INFORMATION),
                        getString(IDS_WAKEUP_DLG_MSG) + QStringLiteral(" ?"), QMessageBox::NoButton,
                        this);
        QPushButton *yes = box.addButton(getString(IDS_BTN_YES), QMessageBox::AcceptRole);
        box.addButton(getString(IDS_BTN_NO), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() == yes)
            emit signalWakeUp(qlistOffLine);
        return;
    }
    if (!qlistKeys[FHOSTQC_SYS_RECOVERABLE].isEmpty()) {
        VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_SYS_RECOVERABLE]",
                       qlistKeys[FHOSTQC_SYS_RECOVERABLE].size());
        emit signalManagerDoRecover(qlistKeys[FHOSTQC_SYS_RECOVERABLE].first());
        return;
    }
}

void CVorkFinderWindow::slotNetInstTrigged()
{
    collectSelectedKeys();
    const QList<CVorkNasinfoMap::TKey> qlistInstall = installKeys();
    if (!qlistInstall.isEmpty())
        emit signalMangerDoNetInstall(qlistInstall);
}

void CVorkFinderWindow::slotMemTestTrigged()
{
    collectSelectedKeys();
    if (qlistKeys[FHOSTQC_DONE].isEmpty() || !m_pNasinfoMap)
        return;
    const CVorkNasinfoMap::TKey key = qlistKeys[FHOSTQC_DONE].first();
    const NASINFO *pnasInfo = m_pNasinfoMap->find(key);
    if (!pnasInfo)
        return;
    if (pnasInfo->ulBuild > MEM_TEST_LAST_UNSUPPORTED_BUILD)
        emit signalMemTest(key);
    else
        showErrorBox(getString(IDS_ERR_VR_NOT_SUPP));
}

void CVorkFinderWindow::slotSetUpWOLTriggered()
{
    collectSelectedKeys();
    emit signalSetUpWOL(wolKeys());
}

void CVorkFinderWindow::slotWakeUpTriggered()
{
    collectSelectedKeys();
    if (!qlistKeys[FHOSTQC_OFF_LINE].isEmpty())
        emit signalWakeUp(qlistKeys[FHOSTQC_OFF_LINE]);
}

void CVorkFinderWindow::slotRemoveWOLTriggered()
{
    collectSelectedKeys();
    const QList<CVorkNasinfoMap::TKey> qlistWOL = wolKeys();
    if (!qlistWOL.isEmpty())
        emit signalRemoveWOL(qlistWOL);
}

void CVorkFinderWindow::slotAboutTriggered()
{
    emit signalAboutTriggered();
}

void CVorkFinderWindow::slotPrefTriggered()
{
    emit signalPrefTriggered();
}

void CVorkFinderWindow::slotHelpTriggered()
{
    CVorkHelpBrowser::showHelp();
}

void CVorkFinderWindow::slotUpdateActions()
{
    QSettings settings;
    m_blMemTest = settings.value(QLatin1String(KEY_MEM_TEST), false).toBool();
    m_pactMemTest->setVisible(m_blMemTest);
}

void CVorkFinderWindow::slotCheckInstallTriggered(QModelIndex index)
{
    if (!index.isValid() || index.column() != STATUS_COLUMN)
        return;
    const QString text = index.data(Qt::DisplayRole).toString().trimmed();
    if (text.compare(getString(IDS_LST_SYS_CHECKING_PROGRESS), Qt::CaseInsensitive) != 0)
        return;
    const CVorkNasinfoMap::TKey key = CVorkNasinfoModel::keyOf(index);
    if (!key.isEmpty())
        emit signalPopupInstallDlgTriggered(key);
}

void CVorkFinderWindow::slotCurrentChanged()
{
    QTimer::singleShot(ACTION_UPDATE_DELAY_MS, this, SLOT(slotUpdateQActionStatus()));
}

void CVorkFinderWindow::slotUpdateQActionStatus()
{
    collectSelectedKeys();

    bool connectEnabled = false;
    bool installVisible = false;
    QString connectText;
    const QList<CVorkNasinfoMap::TKey> qlistInstall = installKeys();
    if (!qlistInstall.isEmpty()) {
        connectEnabled = true;
        if (isSingleWebInstall(qlistInstall)) {
            connectText = getString(IDS_BTN_MANAGE);
            installVisible = true;
        } else {
            connectText = getString(IDS_BTN_INSTALL);
        }
    } else if (!qlistKeys[FHOSTQC_SYS_RECOVERABLE].isEmpty()) {
        connectEnabled = true;
        connectText = getString(IDS_BTN_RECOVERSYS);
    } else if (!qlistKeys[FHOSTQC_FALSE].isEmpty() || !qlistKeys[FHOSTQC_NETSET].isEmpty()) {
        connectEnabled = true;
        connectText = getString(IDS_BTN_SETUP);
    } else if (!qlistKeys[FHOSTQC_DONE].isEmpty()) {
        connectEnabled = true;
        connectText = getString(IDS_BTN_MANAGE);
    } else if (!qlistKeys[FHOSTQC_QUOTA_CHECKING].isEmpty() && m_pNasinfoMap) {
        const NASINFO *pnasInfo = m_pNasinfoMap->find(qlistKeys[FHOSTQC_QUOTA_CHECKING].first());
        const uint64_t skipBit = uint64_t(1) << FHOST_SERVICE_FSCK_SKIP;
        if (pnasInfo && (pnasInfo->ullbmapSupport1 & skipBit) && (pnasInfo->ullbmapMask1 & skipBit)) {
            connectEnabled = true;
            connectText = getString(IDS_BTN_CANCEL);
        }
    }
    if (!connectText.isEmpty()) {
        m_pactManager->setText(connectText);
        m_pactManagerPopUp->setText(connectText);
    }
    m_pactManager->setEnabled(connectEnabled);
    m_pactManagerPopUp->setEnabled(connectEnabled);
    if (installVisible)
        m_pactNetInstPopUp->setText(getString(IDS_BTN_INSTALL));
    m_pactNetInstPopUp->setVisible(installVisible);

    const NASINFO *pReady = nullptr;
    if (!qlistKeys[FHOSTQC_DONE].isEmpty() && m_pNasinfoMap)
        pReady = m_pNasinfoMap->find(qlistKeys[FHOSTQC_DONE].first());
    const bool memTest = pReady && CVorkGlobalSettings::isMemTestSupported(pReady);
    m_pactMemTest->setEnabled(memTest);
    m_pactMemTestPopUp->setEnabled(memTest);

    const bool offLine = !qlistKeys[FHOSTQC_OFF_LINE].isEmpty();
    const bool readyRegistered =
        pReady && m_pWOL && m_pWOL->contains(qlistKeys[FHOSTQC_DONE].first());
    const bool setUp = offLine || readyRegistered || (pReady && pReady->ulWOLSupport != 0);
    m_pactWOL->setEnabled(setUp);
    m_pactWOLSetUpPopUp->setEnabled(setUp);
    m_pactWOLRemovePopUp->setEnabled(offLine || readyRegistered);
    m_pactWOLWakeUpPopUp->setEnabled(offLine);
}

void CVorkFinderWindow::slotShowContextMenu(QPoint ptPosition)
{
    // The menu is built anew each time and destroyed after it ran, so the pop-up actions belong
    // to a widget only while the menu is open.
    QMenu menu(this);
    QMenu *wolMenu = new QMenu(getString(IDS_WAKEUP_MENU_WOL), &menu);
    wolMenu->setIcon(QIcon(QLatin1String(ICON_WOL_MENU)));

    const QModelIndex index = m_ptableviewFinder->indexAt(ptPosition);
    if (!index.isValid()) {
        menu.addAction(m_pactRefreshPopUp);
    } else {
        menu.addAction(m_pactManagerPopUp);
        if (m_pactNetInstPopUp->isVisible())
            menu.addAction(m_pactNetInstPopUp);
        if (m_blMemTest)
            menu.addAction(m_pactMemTestPopUp);
        wolMenu->addAction(m_pactWOLWakeUpPopUp);
        wolMenu->addAction(m_pactWOLSetUpPopUp);
        wolMenu->addAction(m_pactWOLRemovePopUp);
    }
    menu.addMenu(wolMenu);
    menu.exec(m_ptableviewFinder->viewport()->mapToGlobal(ptPosition));
}

bool CVorkFinderWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ptableviewFinder || watched == m_ptableviewFinder->viewport()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                slotManagerTrigged();
                return true;
            }
        } else if (event->type() == QEvent::Paint) {
            slotUpdateQActionStatus();
        }
    }
    return CVorkWindowMainTab::eventFilter(watched, event);
}
