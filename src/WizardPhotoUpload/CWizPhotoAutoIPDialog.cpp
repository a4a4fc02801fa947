#include "CWizPhotoAutoIPDialog.h"

#include <QHeaderView>
#include <QMovie>
#include <QResizeEvent>

#include "CVorkAddDlgNasinfoProxyModel.h"
#include "CVorkFinderWindow.h"
#include "CVorkGlobalSettings.h"
#include "CVorkNasinfoModel.h"
#include "CVorkWizardPhotoUpload.h"
#include "CWizPhotoIPDialog.h"
#include "PhotoWizardBox.h"
#include "StringTable.h"
#include "VorkDebug.h"

namespace {

const char *const DEBUG_SOURCE = "src/WizardPhotoUpload/CWizPhotoAutoIPDialog";

// The list shows four columns: server name, IP address, status and model.
const int kListColumns = 4;
// Room kept free beside the columns when they are widened to the table (frame and a margin).
const int kTableMargin = 26;

} // namespace

CWizPhotoAutoIPDialog::CWizPhotoAutoIPDialog(CVorkFinderWindow *finder, CVorkNasinfoModel *model,
                                             QWidget *parent)
    : QWizardPage(parent), m_pmovRefreshing(nullptr), m_pNasinfoModel(model),
      m_pFinderWindow(finder), m_pProxyModel(nullptr)
{
    setupUi(this);
    languageChange();

    // The pick list: the finder's found servers that are Ready and able to take photo uploads,
    // following the finder's model as it changes.
    m_pProxyModel = new CVorkAddDlgNasinfoProxyModel(CVorkAddDlgNasinfoProxyModel::MODE_PHOTO_UPLOAD);
    m_pProxyModel->setSourceModel(m_pNasinfoModel);
    m_pProxyModel->setDynamicSortFilter(true);
    m_pProxyModel->setNasinfoModel(m_pNasinfoModel);

    m_tblViewFinder->setModel(m_pProxyModel);
    // The header's arrow matches the order the list is sorted in (server name, ascending).
    m_tblViewFinder->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_tblViewFinder->setSortingEnabled(true);
    m_tblViewFinder->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
    m_pProxyModel->setFilterKeyColumn(0);
    m_pProxyModel->sort(0, Qt::AscendingOrder);

    // The busy sign runs all the time; it is seen only while a search runs.
    m_pmovRefreshing = new QMovie(QStringLiteral(":/images/refreshing.gif"));
    m_lblRefresh->setMovie(m_pmovRefreshing);
    m_pmovRefreshing->start();
    m_lblRefresh->hide();

    connect(m_refresh, &QPushButton::clicked, this, &CWizPhotoAutoIPDialog::slotRefresh);
    if (m_pFinderWindow) {
        connect(this, &CWizPhotoAutoIPDialog::signalRefresh, m_pFinderWindow,
                &CVorkFinderWindow::slotRefreshTrigged);
        connect(m_pFinderWindow, &CVorkFinderWindow::signalFindNasFinished, this,
                &CWizPhotoAutoIPDialog::slotRefreshFinished);
    }
    // No search here: the list shows what the finder already holds.
}

CWizPhotoAutoIPDialog::~CWizPhotoAutoIPDialog()
{
    disconnect(m_refresh, &QPushButton::clicked, this, &CWizPhotoAutoIPDialog::slotRefresh);
    if (m_pFinderWindow) {
        disconnect(this, &CWizPhotoAutoIPDialog::signalRefresh, m_pFinderWindow,
                   &CVorkFinderWindow::slotRefreshTrigged);
        disconnect(m_pFinderWindow, &CVorkFinderWindow::signalFindNasFinished, this,
                   &CWizPhotoAutoIPDialog::slotRefreshFinished);
    }

    m_lblRefresh->setMovie(nullptr);
    delete m_pmovRefreshing;
    m_pmovRefreshing = nullptr;

    // The table goes with the page after this body; it must not keep the proxy.
    m_tblViewFinder->setModel(nullptr);
    delete m_pProxyModel;
    m_pProxyModel = nullptr;
}

void CWizPhotoAutoIPDialog::languageChange()
{
    setTitle(getString(IDS_LBL_PHOTO_UPLOAD_INPUT_SVR));
    m_refresh->setText(getString(IDS_BTN_SEARCH));
    m_rdoAutoInput->setText(getString(IDS_LBL_RSRC_INPUT_AUTO));
    m_rdoManInput->setText(getString(IDS_LBL_RSRC_INPUT_MANU));
}

void CWizPhotoAutoIPDialog::initializePage()
{
}

void CWizPhotoAutoIPDialog::cleanupPage()
{
}

void CWizPhotoAutoIPDialog::resizeEvent(QResizeEvent *event)
{
    QWizardPage::resizeEvent(event);
    resizeColumns();
}

void CWizPhotoAutoIPDialog::resizeColumns()
{
    m_tblViewFinder->resizeColumnsToContents();

    const int tableWidth = m_tblViewFinder->width();
    int columnsWidth = 0;
    for (int column = 0; column < kListColumns; ++column)
        columnsWidth += m_tblViewFinder->columnWidth(column);

    if (tableWidth <= columnsWidth)
        return;
    // Truncated toward zero, so a room of less than the margin narrows the columns slightly.
    const int delta = (tableWidth - kTableMargin - columnsWidth) / kListColumns;
    for (int column = 0; column < kListColumns; ++column)
        m_tblViewFinder->setColumnWidth(column, m_tblViewFinder->columnWidth(column) + delta);
}

void CWizPhotoAutoIPDialog::slotSetSortVorkModel()
{
    m_pProxyModel->setSourceModel(m_pNasinfoModel);
    m_tblViewFinder->setModel(m_pProxyModel);
    m_tblViewFinder->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_tblViewFinder->setSortingEnabled(true);
    m_pProxyModel->setFilterKeyColumn(0);
    m_pProxyModel->sort(0, Qt::AscendingOrder);
}

void CWizPhotoAutoIPDialog::slotRefresh()
{
    // Nothing would ever end a search without the finder page.
    if (!m_pFinderWindow)
        return;
    // The finder empties and refills its model during the search; the list follows it unsorted.
    if (m_pNasinfoModel && m_pProxyModel->sourceModel() == m_pNasinfoModel)
        m_tblViewFinder->setSortingEnabled(false);
    emit signalRefresh();
    m_refresh->setEnabled(false);
    m_lblRefresh->show();
}

void CWizPhotoAutoIPDialog::slotRefreshFinished()
{
    slotSetSortVorkModel();
    resizeColumns();
    m_refresh->setEnabled(true);
    m_lblRefresh->hide();
}

void CWizPhotoAutoIPDialog::getSelectedServer(QList<CVorkNasinfoMap::TKey> qlistKeys[STATE_COUNT])
{
    const QItemSelectionModel *selection = m_tblViewFinder->selectionModel();
    CVorkNasinfoMap *pMap = m_pNasinfoModel ? m_pNasinfoModel->getNasinfoMap() : nullptr;
    if (!selection || !pMap)
        return;

    const QModelIndexList indexes = selection->selectedIndexes();
    for (const QModelIndex &index : indexes) {
        const QModelIndex source = m_pProxyModel->sourceModel() == m_pNasinfoModel
                                       ? m_pProxyModel->mapToSource(index)
                                       : index;
        const char *pszKey = static_cast<const char *>(source.internalPointer());
        if (!pszKey)
            continue;
        const CVorkNasinfoMap::TKey key = QString::fromLatin1(pszKey);
        const NASINFO *pnasInfo = pMap->find(key);
        // Column 0 only, so that each selected row counts once.
        if (!pnasInfo || index.column() != 0)
            continue;
        if (pnasInfo->ulConfigured >= uint32_t(STATE_COUNT)) {
            qDebug("%s:%d unhandled VR status [%ld]\n", DEBUG_SOURCE, __LINE__,
                   static_cast<long>(pnasInfo->ulConfigured));
            continue;
        }
        qlistKeys[pnasInfo->ulConfigured].append(key);
    }
}

bool CWizPhotoAutoIPDialog::validatePage()
{
    CVorkWizardPhotoUpload *pWizard = qobject_cast<CVorkWizardPhotoUpload *>(wizard());

    if (!m_rdoAutoInput->isChecked()) {
        // Typed by hand on the next page: no profile and no target server carried over.
        if (pWizard) {
            pWizard->clearConfig();
            pWizard->setNasinfo(nullptr);
        }
        return true;
    }

    QList<CVorkNasinfoMap::TKey> qlistKeys[STATE_COUNT];
    getSelectedServer(qlistKeys);

    CVorkNasinfoMap *pMap = m_pNasinfoModel ? m_pNasinfoModel->getNasinfoMap() : nullptr;
    const NASINFO *pnasInfo = (pMap && !qlistKeys[FHOSTQC_DONE].isEmpty())
                                  ? pMap->find(qlistKeys[FHOSTQC_DONE].first())
                                  : nullptr;
    if (!pnasInfo) {
        PhotoWizardBox::inform(this, QMessageBox::Warning, getString(IDS_WARNING),
                               getString(IDS_WARN_SELECT_VR), getString(IDS_BTN_OK));
        return false;
    }

    if (!CVorkGlobalSettings::isPhotoUploadSupported(pnasInfo)) {
        PhotoWizardBox::inform(this, QMessageBox::Critical, getString(IDS_ERROR),
                               getString(IDS_ERR_VR_NOT_SUPP), getString(IDS_BTN_OK));
        return false;
    }

    VORK_DEBUG_INT(DEBUG_SOURCE, "qlistKeys[FHOSTQC_DONE].count()",
                   qlistKeys[FHOSTQC_DONE].count());

    if (!pWizard)
        return true;
    pWizard->setNasinfo(pnasInfo);
    // The address page is skipped on this road; it is filled here so that the profile gets
    // the server's address, the photo port and a name no stored profile has.
    CWizPhotoIPDialog *pAddress = qobject_cast<CWizPhotoIPDialog *>(
        pWizard->page(CVorkWizardPhotoUpload::PAGE_ADDRESS));
    pWizard->clearConfig();
    if (pAddress)
        pAddress->loadFields();
    return true;
}

int CWizPhotoAutoIPDialog::nextId() const
{
    return m_rdoAutoInput->isChecked() ? CVorkWizardPhotoUpload::PAGE_ACCOUNT
                                       : CVorkWizardPhotoUpload::PAGE_ADDRESS;
}
