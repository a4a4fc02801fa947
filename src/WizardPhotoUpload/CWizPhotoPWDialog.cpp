#include "CWizPhotoPWDialog.h"

#include <QRegExp>
#include <QRegExpValidator>

#include "CPhotoUploadConfig.h"
#include "CVorkGlobalSettings.h"
#include "CVorkWizardPhotoUpload.h"
#include "PhotoWizardBox.h"
#include "StringTable.h"
#include "platforms.h"

namespace {
// The longest password the photo application takes.
const int kMaxPasswordLength = 254;
// The owner shown, greyed out, while the shared site is chosen.
const char kDefaultPersonalName[] = "User1";
} // namespace

CWizPhotoPWDialog::CWizPhotoPWDialog(QWidget *parent)
    : QWizardPage(parent), m_blInitialized(false), m_pPasswordValidator(nullptr)
{
    setupUi(this);

    registerField(QStringLiteral("Account"), m_pedtAccount);
    registerField(QStringLiteral("Password"), m_pedtPassword);
    registerField(QStringLiteral("PersonalName"), m_pedtPersonalName);
    registerField(QStringLiteral("SaveCred"), m_pchkSaveCred);
    registerField(QStringLiteral("IsPersonalImagrove"), m_pradPersonalImagrove);

    languageChange();
}

CWizPhotoPWDialog::~CWizPhotoPWDialog() = default;

void CWizPhotoPWDialog::languageChange()
{
    setTitle(getString(IDS_WZD_ENTER_PASSWD));
    m_plblUploadTo->setText(getString(IDS_PHOTO_UPLOAD_TO));
    // m_pradImagrove keeps the site's own name from the form.
    m_pradPersonalImagrove->setText(getString(IDS_PHOTO_PERSONAL) + getString(IDS_COMMON_COLON));
    m_plblInputAccountPasswd->setText(getString(IDS_PHOTO_LBL_WIZ_PASSWD_TITLE));
    m_plblAccount->setText(getString(IDS_PHOTO_LBL_WIZ_PASSWD_ACCOUNT));
    m_plblPassword->setText(getString(IDS_LBL_PASSWD_TITLE));
    m_pgrpHint->setTitle(getString(IDS_LBL_HINT));
    m_plblHint->setText(getString(IDS_PHOTO_LBL_WIZ_PASSWD_HINT));
    m_pchkSaveCred->setText(getString(IDS_LBL_SAVE_PASSWD));
}

void CWizPhotoPWDialog::initializePage()
{
    CVorkWizardPhotoUpload *pWizard = qobject_cast<CVorkWizardPhotoUpload *>(wizard());
    const CPhotoUploadConfig *pConfig = pWizard ? pWizard->getConfig() : nullptr;

    languageChange();

    if (!m_pPasswordValidator) {
        m_pPasswordValidator = new QRegExpValidator(
            QRegExp(QStringLiteral(".{0,%1}").arg(kMaxPasswordLength), Qt::CaseSensitive,
                    QRegExp::RegExp),
            this);
    }
    m_pedtPassword->setValidator(m_pPasswordValidator);
    m_pedtPassword->setMaxLength(kMaxPasswordLength);

    // Filled once; later entries keep what the user left.
    if (m_blInitialized)
        return;
    m_blInitialized = true;

    if (pConfig) {
        // An unremembered password is stored empty and decodes to an empty (not null) text;
        // null means the stored form cannot be read, and then the whole record is ignored.
        const QString password = scrambleDecodeString(pConfig->getPassword());
        if (!password.isNull()) {
            setDefaults(pConfig->getAccount(), password, pConfig->isSaveCred(),
                        pConfig->isPersonal(), pConfig->getPersonalName());
            return;
        }
    }
    setDefaults(CVorkGlobalSettings::getDefaultAdminName(), QString(), false, false, QString());
}

void CWizPhotoPWDialog::cleanupPage()
{
    // Going Back keeps every entry.
}

bool CWizPhotoPWDialog::validatePage()
{
    if (m_pradPersonalImagrove->isChecked() && m_pedtPersonalName->text().isEmpty()) {
        PhotoWizardBox::inform(this, QMessageBox::Warning, getString(IDS_WARNING),
                               getString(IDS_ERR_PERSONAL_NAME_EMPTY), getString(IDS_BTN_OK));
        m_pedtPersonalName->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (m_pedtAccount->text().isEmpty()) {
        PhotoWizardBox::inform(this, QMessageBox::Warning, getString(IDS_WARNING),
                               getString(IDS_PHOTO_ERR_ACCOUNT_EMPTY), getString(IDS_BTN_OK));
        m_pedtAccount->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void CWizPhotoPWDialog::setDefaults(const QString &account, const QString &password,
                                    bool saveCred, bool personal, const QString &personalName)
{
    m_pedtAccount->setText(account);
    m_pedtPassword->setText(password);
    m_pchkSaveCred->setChecked(saveCred);

    if (personal) {
        m_pradPersonalImagrove->setChecked(true);
        m_pedtPersonalName->setText(personalName);
        m_pedtPersonalName->setEnabled(true);
    } else {
        m_pradImagrove->setChecked(true);
        m_pedtPersonalName->setText(QString::fromLatin1(kDefaultPersonalName));
        m_pedtPersonalName->setEnabled(false);
    }
}

void CWizPhotoPWDialog::showEvent(QShowEvent *event)
{
    QWizardPage::showEvent(event);
    if (m_pedtPassword->text().isEmpty())
        m_pedtPassword->setFocus(Qt::OtherFocusReason);
}

void CWizPhotoPWDialog::slotPersonalRadioBtnToogled(bool blIsToggled)
{
    m_pedtPersonalName->setEnabled(blIsToggled);
}
