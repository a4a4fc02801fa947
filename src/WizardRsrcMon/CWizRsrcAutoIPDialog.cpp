#include "CWizRsrcAutoIPDialog.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMovie>

#include "CVorkAddDlgNasinfoProxyModel.h"
#include "CVorkFinderWindow.h"
#include "CVorkGlobalSettings.h"
#include "CVorkNasinfoModel.h"
#include "CVorkWizardRsrcMon.h"
#include "CWizRsrcIPDialog.h"
#include "StringTable.h"
#include "VorkDebug.h"
#include "WizardBox.h"

namespace {
const char DEBUG_SOURCE[] = "src/WizardRsrcMon/CWizRsrcAutoIPDialog";
// The four columns the pick list shows (server name, address, status, model).
const int SHOWN_COLUMNS = 4;
// Room kept free for the frame and the vertical scroll bar when the columns are widened.
const int SPARE_WIDTH = 26;
} // namespace

CWizRsrcAutoIPDialog::CWizRsrcAutoIPDialog(CVorkFinderWindow *finder, CVorkNasinfoModel *model,
                                           QWidget *parent)
    : QWizardPage(parent), m_pMovie(nullptr), m_pNasinfoModel(model), m_pFinder(finder),
      m_pProxyModel(nullptr)
{
    setupUi(this);
    languageChange();

    m_tblViewFinder->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The proxy keeps the ready servers that offer the resource monitor and follows the finder's
    // table live.
    m_pProxyModel = new CVorkAddDlgNasinfoProxyModel(CVorkAddDlgNasinfoProxyModel::MODE_RSRC_MON);
    m_pProxyModel->setParent(this);
    m_pProxyModel->setNasinfoModel(m_pNasinfoModel);
    m_pProxyModel->setSourceModel(m_pNasinfoModel);
    m_pProxyModel->setDynamicSortFilter(true);

    showModel(m_pProxyModel);
    m_tblViewFinder->setSortingEnabled(true);
    m_pProxyModel->setFilterKeyColumn(0);
    m_tblViewFinder->sortByColumn(0, Qt::AscendingOrder);

    m_pMovie = new QMovie(QStringLiteral(":/images/refreshing.gif"));
    m_lblRefresh->setMovie(m_pMovie);
    m_pMovie->start();
    m_lblRefresh->hide();

    m_connSearch = connect(m_refresh, SIGNAL(clicked()), this, SLOT(slotRefresh()));
    // Without the finder page and its model there is no search to start or to wait for.
    if (m_pFinder && m_pNasinfoModel) {
        m_connRefresh = connect(this, SIGNAL(signalRefresh()), m_pFinder, SLOT(slotRefreshTrigged()));
        m_connFinished = connect(m_pFinder, SIGNAL(signalFindNasFinished()), this,
                                 SLOT(slotRefreshFinished()));
    }
}

CWizRsrcAutoIPDialog::~CWizRsrcAutoIPDialog()
{
    disconnect(m_connSearch);
    disconnect(m_connRefresh);
    disconnect(m_connFinished);
    delete m_pMovie;
}

void CWizRsrcAutoIPDialog::languageChange()
{
    setTitle(getString(IDS_LBL_RSRC_INPUT_SVR));
    m_rdoAutoInput->setText(getString(IDS_LBL_RSRC_INPUT_AUTO));
    m_rdoManInput->setText(getString(IDS_LBL_RSRC_INPUT_MANU));
    m_refresh->setText(getString(IDS_BTN_SEARCH));
}

void CWizRsrcAutoIPDialog::initializePage()
{
}

void CWizRsrcAutoIPDialog::cleanupPage()
{
}

int CWizRsrcAutoIPDialog::nextId() const
{
    return m_rdoAutoInput->isChecked() ? CVorkWizardRsrcMon::PAGE_ACCOUNT
                                       : CVorkWizardRsrcMon::PAGE_ADDRESS;
}

void CWizRsrcAutoIPDialog::resizeEvent(QResizeEvent *event)
{
    QWizardPage::resizeEvent(event);
    resizeColumns();
}

CVorkWizardRsrcMon *CWizRsrcAutoIPDialog::rsrcWizard() const
{
    return qobject_cast<CVorkWizardRsrcMon *>(wizard());
}

bool CWizRsrcAutoIPDialog::proxyAttached() const
{
    return m_pNasinfoModel && m_pProxyModel->sourceModel() == m_pNasinfoModel;
}

void CWizRsrcAutoIPDialog::showModel(QAbstractItemModel *model)
{
    if (m_tblViewFinder->model() == model)
        return;
    QItemSelectionModel *pOld = m_tblViewFinder->selectionModel();
    m_tblViewFinder->setModel(model);
    delete pOld;
}

void CWizRsrcAutoIPDialog::slotRefresh()
{
    if (!m_pFinder || !m_pNasinfoModel)
        return;
    if (proxyAttached()) {
        // During the search the table follows the finder's model itself, which the search
        // empties and refills; the proxy waits without a source until the search ends.
        showModel(m_pNasinfoModel);
        m_tblViewFinder->setSortingEnabled(false);
        m_pProxyModel->setSourceModel(nullptr);
    }
    emit signalRefresh();
    m_refresh->setEnabled(false);
    m_lblRefresh->show();
}

void CWizRsrcAutoIPDialog::slotRefreshFinished()
{
    slotSetSortVorkModel();
    resizeColumns();
    m_refresh->setEnabled(true);
    m_lblRefresh->hide();
}

void CWizRsrcAutoIPDialog::slotSetSortVorkModel()
{
    if (m_pProxyModel->sourceModel() != m_pNasinfoModel)
        m_pProxyModel->setSourceModel(m_pNasinfoModel);
    showModel(m_pProxyModel);
    m_tblViewFinder->setSortingEnabled(true);
    m_pProxyModel->setFilterKeyColumn(0);
    m_tblViewFinder->sortByColumn(0, Qt::AscendingOrder);
}

void CWizRsrcAutoIPDialog::resizeColumns()
{
    m_tblViewFinder->resizeColumnsToContents();
    int sum = 0;
    for (int column = 0; column < SHOWN_COLUMNS; ++column)
        sum += m_tblViewFinder->columnWidth(column);
    const int width = m_tblViewFinder->width();
    if (width <= sum)
        return;
    // Integer division; negative when the spare room is smaller than the reserve, which
    // narrows the columns a little.
    const int extra = (width - SPARE_WIDTH - sum) / SHOWN_COLUMNS;
    for (int column = 0; column < SHOWN_COLUMNS; ++column)
        m_tblViewFinder->setColumnWidth(column, m_tblViewFinder->columnWidth(column) + extra);
}

void CWizRsrcAutoIPDialog::getSelectedNasinfo(QList<CVorkNasinfoMap::TKey> lists[STATE_LISTS])
{
    CVorkNasinfoMap *pMap = m_pNasinfoModel ? m_pNasinfoModel->getNasinfoMap() : nullptr;
    QItemSelectionModel *pSelection = m_tblViewFinder->selectionModel();
    if (!pMap || !pSelection)
        return;

    const bool viaProxy = m_tblViewFinder->model() == m_pProxyModel && proxyAttached();
    const QModelIndexList indexes = pSelection->selectedIndexes();
    for (const QModelIndex &index : indexes) {
        if (index.column() != 0)
            continue;
        const QModelIndex source = viaProxy ? m_pProxyModel->mapToSource(index) : index;
        if (!source.isValid() || source.model() != m_pNasinfoModel)
            continue;
        const CVorkNasinfoMap::TKey key = CVorkNasinfoModel::keyOf(source);
        const NASINFO *pnasInfo = pMap->find(key);
        if (!pnasInfo || pnasInfo->ulConfigured >= uint32_t(STATE_LISTS))
            continue;
        lists[pnasInfo->ulConfigured].append(key);
    }
}

bool CWizRsrcAutoIPDialog::validatePage()
{
    CVorkWizardRsrcMon *pWizard = rsrcWizard();

    if (!m_rdoAutoInput->isChecked()) {
        // Manual input: the address page starts without a target server.
        if (pWizard)
            pWizard->setNasinfo(nullptr);
        return true;
    }

    QList<CVorkNasinfoMap::TKey> qlistKeys[STATE_LISTS];
    getSelectedNasinfo(qlistKeys);
    if (!pWizard || qlistKeys[FHOSTQC_DONE].isEmpty()) {
        WizardBox::inform(this, QMessageBox::Warning, getString(IDS_WARNING),
                          getString(IDS_WARN_SELECT_VR), getString(IDS_BTN_OK));
        return false;
    }

    CVorkNasinfoMap *pMap = pWizard->getNasinfoMap();
    const NASINFO *pnasInfo = pMap ? pMap->find(qlistKeys[FHOSTQC_DONE].first()) : nullptr;
    if (!pnasInfo)
        return false; // gone from the map meanwhile
    if (!CVorkGlobalSettings::isRsrcMonSupported(pnasInfo)) {
        WizardBox::inform(this, QMessageBox::Critical, getString(IDS_ERROR),
                          getString(IDS_ERR_VR_NOT_SUPP), getString(IDS_BTN_OK));
        return false;
    }

    VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_DONE].count()",
                   qlistKeys[FHOSTQC_DONE].count());
    pWizard->setNasinfo(pnasInfo);
    pWizard->clearConfig();
    // The address page is skipped: it is filled from the picked server and its checks run here.
    CWizRsrcIPDialog *pAddress = pWizard->addressPage();
    pAddress->initFields();
    return pAddress->validatePage();
}
