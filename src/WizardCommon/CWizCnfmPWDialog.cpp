#include "CWizCnfmPWDialog.h"

#include <QRegExp>
#include <QRegExpValidator>

#include "CQuenWizard.h"
#include "CVorkGlobalSettings.h"
#include "StringTable.h"

namespace {
const char *const SRC = "src/WizardCommon/CWizCnfmPWDialog";
// Password lengths the servers take: up to build 559 and from build 560 on.
const int kShortPasswordMax = 12;
const int kLongPasswordMax = 127;
} // namespace

CWizCnfmPWDialog::CWizCnfmPWDialog(QWidget *parent)
    : QWizardPage(parent), m_pShortPasswordValidator(nullptr)
{
    setupUi(this);
    registerField(QStringLiteral("ConfirmPasswd"), m_pedtPassword);
    languageChange();
}

CWizCnfmPWDialog::~CWizCnfmPWDialog() = default;

void CWizCnfmPWDialog::languageChange()
{
    setTitle(getString(IDS_WZD_ENTER_PASSWD));
    setSubTitle(getString(IDS_LBL_ENTER_PASSWD));
    m_plblAdminTitle->setText(getString(IDS_LBL_ADMIN_TITLE));
    m_pedtAdminAccount->setText(CVorkGlobalSettings::getDefaultAdminName());
    m_plblPasswd->setText(getString(IDS_LBL_PASSWD_TITLE));
    m_pgrpHint->setTitle(getString(IDS_LBL_HINT));
    m_plblHint->setText(QStringLiteral(" "));
}

void CWizCnfmPWDialog::setHint(const QString &hint)
{
    m_plblHint->setText(hint);
}

void CWizCnfmPWDialog::initializePage()
{
    QUEN_PAGE_WIZARD(SRC);
    const NASINFO *pnasInfo = QUEN_PAGE_NASINFO(SRC);

    if (pnasInfo->ulBuild > 559) {
        m_pedtPassword->setValidator(nullptr);
        m_pedtPassword->setMaxLength(kLongPasswordMax);
    } else {
        if (!m_pShortPasswordValidator) {
            m_pShortPasswordValidator = new QRegExpValidator(
                QRegExp(QStringLiteral(".{0,%1}").arg(kShortPasswordMax)), this);
        }
        m_pedtPassword->setValidator(m_pShortPasswordValidator);
        m_pedtPassword->setMaxLength(kShortPasswordMax);
    }
}

void CWizCnfmPWDialog::cleanupPage()
{
    // Nothing: QWizardPage's own cleanup would reset the field, and the user going back expects
    // the typed password to be there when coming forward again.
}
