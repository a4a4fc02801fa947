#include "CWizRsrcSummary.h"

#include <QHeaderView>

#include "CRsrcConfig.h"
#include "CVorkWizardRsrcMon.h"
#include "StringTable.h"

CWizRsrcSummary::CWizRsrcSummary(QWidget *parent) : QWizardPage(parent)
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

CWizRsrcSummary::~CWizRsrcSummary() = default;

void CWizRsrcSummary::languageChange()
{
    setTitle(getString(IDS_WZD_REPORT));
    setSubTitle(getString(IDS_REPORT_DESC1));
    m_ptrwConfig->headerItem()->setText(0, getString(IDS_REPORT_ITEM));
    m_ptrwConfig->headerItem()->setText(1, getString(IDS_REPORT_VALUE));
    m_pchkConnect->setText(getString(IDS_LBL_CONNECT_IMMEDIATELY));
    m_pgrpHint->setTitle(getString(IDS_LBL_HINT));
    m_plblHint->setText(getString(IDS_HELP_SUMMARY));
}

void CWizRsrcSummary::initializePage()
{
    CVorkWizardRsrcMon *pWizard = qobject_cast<CVorkWizardRsrcMon *>(wizard());
    if (!pWizard)
        return;
    const CRsrcConfig *pConfig = pWizard->createConfig();
    pConfig->getSummary(m_ptrwConfig->invisibleRootItem());
    m_ptrwConfig->resizeColumnToContents(0);
    m_ptrwConfig->resizeColumnToContents(1);
}

void CWizRsrcSummary::cleanupPage()
{
    m_ptrwConfig->clear();
}
