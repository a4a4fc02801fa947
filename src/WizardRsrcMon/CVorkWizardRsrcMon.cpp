#include "CVorkWizardRsrcMon.h"

#include "CRsrcConfig.h"
#include "CVorkGlobalSettings.h"
#include "CWizRsrcAutoIPDialog.h"
#include "CWizRsrcIPDialog.h"
#include "CWizRsrcPWDialog.h"
#include "CWizRsrcSummary.h"
#include "StringTable.h"
#include "platforms.h"

CVorkWizardRsrcMon::CVorkWizardRsrcMon(CVorkFinderWindow *finder, CVorkNasinfoModel *model,
                                       CVorkNasinfoMap *map, QWidget *parent, bool edit)
    : CQuenWizard(map, parent), m_pRsrcConfig(nullptr), m_pPageServerChoice(nullptr),
      m_pPageAddress(nullptr), m_pPageAccount(nullptr), m_pPageSummary(nullptr)
{
    // The pages are made with the caller's parent and adopted by the wizard in setPage.
    if (!edit) {
        m_pPageServerChoice = new CWizRsrcAutoIPDialog(finder, model, parent);
        setPage(PAGE_SERVER_CHOICE, m_pPageServerChoice);
    }
    m_pPageAccount = new CWizRsrcPWDialog(parent);
    setPage(PAGE_ACCOUNT, m_pPageAccount);
    m_pPageAddress = new CWizRsrcIPDialog(parent);
    setPage(PAGE_ADDRESS, m_pPageAddress);
    m_pPageSummary = new CWizRsrcSummary(parent);
    setPage(PAGE_SUMMARY, m_pPageSummary);

    // No start id is set: the wizard opens on its lowest page id.
    setWindowTitle(getString(IDS_WELCOME_MSG1).arg(CVorkGlobalSettings::getAppName()));
}

CVorkWizardRsrcMon::~CVorkWizardRsrcMon()
{
    delete m_pRsrcConfig;
}

bool CVorkWizardRsrcMon::validateCurrentPage()
{
    QWizardPage *pPage = currentPage();
    if (!pPage)
        return false;
    return pPage->validatePage();
}

int CVorkWizardRsrcMon::getWizardType() const
{
    return WIZARD_RSRC_MON;
}

CRsrcConfig *CVorkWizardRsrcMon::getConfig() const
{
    return m_pRsrcConfig;
}

void CVorkWizardRsrcMon::clearConfig()
{
    delete m_pRsrcConfig;
    m_pRsrcConfig = nullptr;
}

void CVorkWizardRsrcMon::setConfig(const CRsrcConfig &config)
{
    // Copy first: `config` may be the held record itself.
    CRsrcConfig *pCopy = new CRsrcConfig(config);
    delete m_pRsrcConfig;
    m_pRsrcConfig = pCopy;
}

CRsrcConfig *CVorkWizardRsrcMon::createConfig()
{
    clearConfig();

    const bool saveCred = field(QStringLiteral("SaveCred")).toBool();
    const QString profile = field(QStringLiteral("Profile")).toString();
    const QString hostAddr = field(QStringLiteral("HostAddr")).toString();
    const int port = field(QStringLiteral("HostPort")).toInt();
    const QString account = field(QStringLiteral("AdminAccount")).toString();
    // Scrambled whether or not it is remembered: the record never holds the clear text. The
    // account page lets through at most 254 characters, which the scrambler always takes.
    const QString password = scrambleEncodeString(field(QStringLiteral("Password")).toString());

    m_pRsrcConfig = new CRsrcConfig(port, saveCred, profile, hostAddr, account, password);
    m_pRsrcConfig->setConnection(field(QStringLiteral("ToConnect")).toBool());
    return m_pRsrcConfig;
}
