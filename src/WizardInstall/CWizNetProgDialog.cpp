#include "CWizNetProgDialog.h"

#include "StringTable.h"

CWizNetProgDialog::CWizNetProgDialog(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setWindowTitle(getString(IDS_NI_PROG_SET_NET));
    m_lblDescript1->setText(getString(IDS_APPLY_NET_SETTING));
    m_lblDescript2->setText(getString(IDS_WAIT1));
}

CWizNetProgDialog::~CWizNetProgDialog() = default;

void CWizNetProgDialog::setMaximum(int maximum)
{
    m_prg->setMaximum(maximum);
}

void CWizNetProgDialog::slotFinished()
{
    done(1);
}

void CWizNetProgDialog::slotUpdateProgress(int progress)
{
    m_prg->setValue(progress);
}
