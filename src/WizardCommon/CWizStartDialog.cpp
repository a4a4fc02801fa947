#include "CWizStartDialog.h"

CWizStartDialog::CWizStartDialog(QWidget *parent) : QWizardPage(parent)
{
    setupUi(this);
    // One blank keeps the wizard's title area in place until the wizard sets its own texts.
    setTitle(QStringLiteral(" "));
    setSubTitle(QStringLiteral(" "));
    m_plblStatus->hide();
}

CWizStartDialog::~CWizStartDialog() = default;

void CWizStartDialog::setStatus(const QString &status)
{
    m_plblStatus->setText(status);
    m_plblStatus->setVisible(!status.isEmpty());
}
