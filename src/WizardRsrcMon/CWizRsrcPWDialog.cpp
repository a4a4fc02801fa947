#include "CWizRsrcPWDialog.h"

#include <QRegExp>
#include <QRegExpValidator>

#include "CRsrcConfig.h"
#include "CVorkGlobalSettings.h"
#include "CVorkWizardRsrcMon.h"
#include "StringTable.h"
#include "WizardBox.h"
#include "platforms.h"

static_assert(CWizRsrcPWDialog::PASSWORD_MAX_LENGTH * 4 <= SCRAMBLE_STRING_MAX_UTF8,
              "every password the account page takes must fit the scrambler");

CWizRsrcPWDialog::CWizRsrcPWDialog(QWidget *parent)
    : QWizardPage(parent), m_blInitialized(false), m_pPasswordValidator(nullptr)
{
    setupUi(this);

    registerField(QStringLiteral("AdminAccount"), m_pedtAdminAccount);
    registerField(QStringLiteral("Password"), m_pedtPassword);
    registerField(QStringLiteral("SaveCred"), m_pchkSaveCred);

    languageChange();
}

CWizRsrcPWDialog::~CWizRsrcPWDialog() = default;

void CWizRsrcPWDialog::languageChange()
{
    setTitle(getString(IDS_WZD_ENTER_PASSWD));
    m_plblAdminTitle->setText(getString(IDS_LBL_ADMIN_TITLE));
    m_plblPassword->setText(getString(IDS_LBL_PASSWD_TITLE));
    m_pchkSaveCred->setText(getString(IDS_LBL_SAVE_PASSWD));
    m_pgrpHint->setTitle(getString(IDS_LBL_HINT));
    m_plblHint->setText(getString(IDS_HELP_RSRC_PASSWD));
    m_pedtAdminAccount->setText(CVorkGlobalSettings::getDefaultAdminName());
}

CVorkWizardRsrcMon *CWizRsrcPWDialog::rsrcWizard() const
{
    return qobject_cast<CVorkWizardRsrcMon *>(wizard());
}

void CWizRsrcPWDialog::initializePage()
{
    CVorkWizardRsrcMon *pWizard = rsrcWizard();
    const NASINFO *pnasInfo = pWizard ? pWizard->getNasinfo() : nullptr;
    const bool editable = !pnasInfo || pnasInfo->ulBuild >= FIRST_BUILD_ANY_ACCOUNT;

    languageChange();

    m_pedtPassword->setMaxLength(PASSWORD_MAX_LENGTH);
    if (!m_pPasswordValidator) {
        m_pPasswordValidator = new QRegExpValidator(
            QRegExp(QStringLiteral(".{0,%1}").arg(PASSWORD_MAX_LENGTH), Qt::CaseSensitive,
                    QRegExp::RegExp),
            m_pedtPassword);
    }
    m_pedtPassword->setValidator(m_pPasswordValidator);
    // Once read-only, the account stays so for this run of the wizard.
    if (!editable)
        m_pedtAdminAccount->setReadOnly(true);

    if (m_blInitialized)
        return;
    m_blInitialized = true;

    const CRsrcConfig *pConfig = pWizard ? pWizard->getConfig() : nullptr;
    const QString password = pConfig ? scrambleDecodeString(pConfig->getPassword()) : QString();
    if (pConfig && !password.isNull()) {
        setFields(editable ? pConfig->getAdminAccount() : CVorkGlobalSettings::getDefaultAdminName(),
                  password, pConfig->isSaveCred());
    } else {
        // Adding, or a stored password that cannot be taken back: the defaults, silently.
        resetFields();
    }
}

void CWizRsrcPWDialog::cleanupPage()
{
}

bool CWizRsrcPWDialog::validatePage()
{
    if (!m_pedtAdminAccount->text().isEmpty())
        return true;
    WizardBox::inform(this, QMessageBox::Warning, getString(IDS_WARNING),
                      getString(IDS_ERR_ADMINACCOUNT_EMPTY), getString(IDS_BTN_OK));
    m_pedtAdminAccount->setFocus();
    return false;
}

void CWizRsrcPWDialog::setFields(const QString &account, const QString &password, bool saveCred)
{
    m_pedtAdminAccount->setText(account);
    m_pedtPassword->setText(password);
    m_pchkSaveCred->setChecked(saveCred);
}

void CWizRsrcPWDialog::resetFields()
{
    setFields(CVorkGlobalSettings::getDefaultAdminName(), QString(), false);
}
