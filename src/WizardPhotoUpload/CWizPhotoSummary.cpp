#include "CWizPhotoSummary.h"

#include <QHeaderView>

#include "CPhotoUploadConfig.h"
#include "CVorkWizardPhotoUpload.h"
#include "StringTable.h"

CWizPhotoSummary::CWizPhotoSummary(QWidget *parent) : QWizardPage(parent)
{
    setupUi(this);

    m_ptrwConfig->clear();
    m_ptrwConfig->setAllColumnsShowFocus(true);
    m_ptrwConfig->setAlternatingRowColors(true);
    m_ptrwConfig->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_ptrwConfig->setIndentation(0);

    registerField(QStringLiteral("ToConnect"), m_pchkConnect);

    languageChange();
}

CWizPhotoSummary::~CWizPhotoSummary() = default;

void CWizPhotoSummary::languageChange()
{
    setTitle(getString(IDS_WZD_REPORT));
    setSubTitle(getString(IDS_REPORT_DESC1));
    m_ptrwConfig->headerItem()->setText(0, getString(IDS_REPORT_ITEM));
    m_ptrwConfig->headerItem()->setText(1, getString(IDS_REPORT_VALUE));
    m_pgrpHint->setTitle(getString(IDS_LBL_HINT));
    m_plblHint->setText(getString(IDS_HELP_SUMMARY));
    m_pchkConnect->setText(getString(IDS_LBL_CONNECT_IMMEDIATELY));
}

void CWizPhotoSummary::initializePage()
{
    CVorkWizardPhotoUpload *pWizard = qobject_cast<CVorkWizardPhotoUpload *>(wizard());
    if (!pWizard)
        return;
    // Rebuilds the wizard's record from the fields as they are now.
    const CPhotoUploadConfig *pConfig = pWizard->getPhotoUploadConfig();
    pConfig->getSummaryItems(m_ptrwConfig->invisibleRootItem());
    m_ptrwConfig->resizeColumnToContents(0);
    m_ptrwConfig->resizeColumnToContents(1);
}

void CWizPhotoSummary::cleanupPage()
{
    // The report only; the connect choice stays as the user left it.
    m_ptrwConfig->clear();
}
