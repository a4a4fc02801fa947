#include "CVorkWizardPhotoUpload.h"

#include "CPhotoUploadConfig.h"
#include "CVorkGlobalSettings.h"
#include "CWizPhotoAutoIPDialog.h"
#include "CWizPhotoIPDialog.h"
#include "CWizPhotoPWDialog.h"
#include "CWizPhotoSummary.h"
#include "StringTable.h"
#include "platforms.h"

CVorkWizardPhotoUpload::CVorkWizardPhotoUpload(CVorkFinderWindow *finder,
                                               CVorkNasinfoModel *model, CVorkNasinfoMap *map,
                                               QWidget *parent, bool edit)
    : CQuenWizard(map, parent), m_pPhotoUploadConfig(nullptr), m_pPageServerChoice(nullptr),
      m_pPageAddress(nullptr), m_pPageAccount(nullptr), m_pPageSummary(nullptr)
{
    // Without a start id the wizard opens on its lowest page id: the server choice page when
    // adding, the address page when editing. Only the server choice page uses the finder page
    // and its model, so an edit wizard may be given null for both.
    if (!edit) {
        m_pPageServerChoice = new CWizPhotoAutoIPDialog(finder, model, parent);
        setPage(PAGE_SERVER_CHOICE, m_pPageServerChoice);
    }
    m_pPageAccount = new CWizPhotoPWDialog(parent);
    setPage(PAGE_ACCOUNT, m_pPageAccount);
    m_pPageAddress = new CWizPhotoIPDialog(parent);
    setPage(PAGE_ADDRESS, m_pPageAddress);
    m_pPageSummary = new CWizPhotoSummary(parent);
    setPage(PAGE_SUMMARY, m_pPageSummary);

    setWindowTitle(getString(IDS_WELCOME_MSG1).arg(CVorkGlobalSettings::getAppName()));
}

CVorkWizardPhotoUpload::~CVorkWizardPhotoUpload()
{
    delete m_pPhotoUploadConfig;
}

CPhotoUploadConfig *CVorkWizardPhotoUpload::getConfig() const
{
    return m_pPhotoUploadConfig;
}

void CVorkWizardPhotoUpload::clearConfig()
{
    delete m_pPhotoUploadConfig;
    m_pPhotoUploadConfig = nullptr;
}

void CVorkWizardPhotoUpload::setPhotoUploadConfig(const CPhotoUploadConfig &config)
{
    // Copy first: `config` may be the held record itself.
    CPhotoUploadConfig *pCopy = new CPhotoUploadConfig(config);
    delete m_pPhotoUploadConfig;
    m_pPhotoUploadConfig = pCopy;
}

CPhotoUploadConfig *CVorkWizardPhotoUpload::getPhotoUploadConfig()
{
    clearConfig();

    const bool saveCred = field(QStringLiteral("SaveCred")).toBool();
    const QString profile = field(QStringLiteral("Profile")).toString();
    const QString hostAddr = field(QStringLiteral("HostAddr")).toString();
    const QString account = field(QStringLiteral("Account")).toString();
    const QString personalName = field(QStringLiteral("PersonalName")).toString();
    const int port = field(QStringLiteral("HostPort")).toString().toInt();
    const bool personal = field(QStringLiteral("IsPersonalImagrove")).toBool();
    // Scrambled whether or not the password is remembered: the record never holds clear text.
    const QString password = scrambleEncodeString(field(QStringLiteral("Password")).toString());

    m_pPhotoUploadConfig = new CPhotoUploadConfig(port, saveCred, profile, hostAddr, password,
                                                  account, personal, personalName);
    m_pPhotoUploadConfig->setToConnect(field(QStringLiteral("ToConnect")).toBool());
    return m_pPhotoUploadConfig;
}

bool CVorkWizardPhotoUpload::validateCurrentPage()
{
    QWizardPage *pPage = currentPage();
    if (!pPage)
        return false;
    return pPage->validatePage();
}

int CVorkWizardPhotoUpload::getWizardType() const
{
    return WIZARD_PHOTO_UPLOAD;
}
