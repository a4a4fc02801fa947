#include "CVorkWizardInstall.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <cstring>

#include "CNasConfig.h"
#include "CVorkGlobalSettings.h"
#include "CVorkNasinfoMap.h"
#include "CWizIPDialog.h"
#include "CWizInstIntro.h"
#include "CWizPWDialog.h"
#include "QuenWizardBox.h"
#include "StringTable.h"
#include "BatchHelpers.h"

namespace {

// A letter, then letters, digits, "_" and "-"; a batch template may end in up to fifteen "#",
// which stand for the running number.
const char *const NAME_RULE = "[A-Za-z][A-Za-z0-9_-]{0,15}";
const char *const BATCH_SUFFIX = "[#]{0,15}";
// The longest server name a server takes.
const int SERVER_NAME_MAX = 15;

} // namespace

CVorkWizardInstall::CVorkWizardInstall(CVorkNasinfoMap *pMap, QWidget *parent, bool isNetInstall)
    : CQuenWizard(pMap, parent),
      m_blNetInstall(isNetInstall),
      m_blOneClickSetup(false),
      m_blQbvWarningShown(false),
      m_pConfig(nullptr)
{
    m_pIntro = new CWizInstIntro(parent, isNetInstall);
    m_pPassword = new CWizPWDialog(parent);
    m_pAddress = new CWizIPDialog(parent);
    setPage(PAGE_INTRO, m_pIntro);
    setPage(PAGE_PASSWORD, m_pPassword);
    setPage(PAGE_IP, m_pAddress);
    setWindowTitle(getString(IDS_WELCOME_MSG1).arg(CVorkGlobalSettings::getAppName()));
}

CVorkWizardInstall::~CVorkWizardInstall()
{
    delete m_pConfig;
    m_pConfig = nullptr;
}

void CVorkWizardInstall::addNasinfo(const NASINFO &nasInfo)
{
    m_targets.append(nasInfo);
    setNasinfo(&m_targets.first());
}

QList<NASINFO> CVorkWizardInstall::getNasinfoList() const
{
    return m_targets;
}

bool CVorkWizardInstall::isMultiInstall() const
{
    return m_targets.size() > 1;
}

int CVorkWizardInstall::getWizardType() const
{
    return WIZARD_INSTALL;
}

void CVorkWizardInstall::accept()
{
    QDialog::accept();
}

CNasConfig *CVorkWizardInstall::createNasConfig()
{
    m_blOneClickSetup = field(QStringLiteral("OneClickSetup")).toBool();
    delete m_pConfig;
    m_pConfig = nullptr;

    const bool isDHCP = field(QStringLiteral("IsDHCP")).toBool();
    const bool isDoQBV = field(QStringLiteral("IsDoQBV")).toBool();
    const QString ip = field(QStringLiteral("IP")).toString();
    const QString netmask = field(QStringLiteral("Netmask")).toString();
    const QString gateway = field(QStringLiteral("Gateway")).toString();
    const QString dns = field(QStringLiteral("DNS")).toString();
    const QString password = field(QStringLiteral("Passwd")).toString();
    const QString serverName = field(QStringLiteral("ServerName")).toString();
    const unsigned long timezoneIndex =
        static_cast<unsigned long>(CVorkGlobalSettings::getSuggestedTimezoneIndex());
    const QString dateTime = CNasConfig::dateTimeText(QDateTime::currentDateTime());
    QString patPath;
    if (m_blNetInstall)
        patPath = QDir::fromNativeSeparators(field(QStringLiteral("PatFile")).toString());

    m_pConfig = new CNasConfig(isDHCP, isDoQBV, patPath, ip, netmask, gateway, dns, password,
                               serverName, timezoneIndex, dateTime);
    return m_pConfig;
}

void CVorkWizardInstall::assignNextAddress(CNasConfig *cfg)
{
    if (!cfg || m_targets.size() <= 1 || cfg->isDHCP())
        return;
    bool dhcp = false;
    QString ip = cfg->getIP();
    QString mask = cfg->getNetmask();
    QString gateway = cfg->getGateway();
    QString dns = cfg->getDNS();
    if (m_pAddress->getNextAddress(&dhcp, ip, mask, gateway, dns, true))
        cfg->setIP(ip);
    else
        cfg->setDHCP(true);
}

bool CVorkWizardInstall::validateCurrentPage()
{
    const CNasConfig config(*createNasConfig());
    switch (currentId()) {
    case PAGE_INTRO:
        return true;
    case PAGE_PASSWORD:
        return validatePasswordPage(config);
    case PAGE_IP:
        if (field(QStringLiteral("IsDHCP")).toBool())
            return true;
        return m_pAddress->validateFields();
    default:
        return true;
    }
}

bool CVorkWizardInstall::validatePasswordPage(const CNasConfig &config)
{
    if (field(QStringLiteral("Passwd")).toString() != field(QStringLiteral("Confirm")).toString()) {
        QuenWizardBox::error(this, getString(IDS_ERR_PASSWORD));
        return false;
    }
    const QString serverName = field(QStringLiteral("ServerName")).toString();
    if (serverName.isEmpty()) {
        QuenWizardBox::error(this, getString(IDS_EMPTY_SERV_NAME));
        return false;
    }
    QString rule = QString::fromLatin1(NAME_RULE);
    if (isMultiInstall())
        rule += QString::fromLatin1(BATCH_SUFFIX);
    const QRegularExpression nameRule(QRegularExpression::anchoredPattern(rule));
    if (!nameRule.match(serverName).hasMatch()) {
        QuenWizardBox::error(this, getString(IDS_INVALID_SERV_NAME));
        return false;
    }

    const CVorkNasinfoMap *pMap = getNasinfoMap();
    unsigned int n = 1;
    for (const NASINFO &target : m_targets) {
        const QString candidate = expandServerNameTemplate(config.getServerName(), n++);
        NASINFO named = target;
        memset(named.szServerName, 0, sizeof(named.szServerName));
        const QByteArray latin1 = candidate.toLatin1();
        memcpy(named.szServerName, latin1.constData(),
               qMin<size_t>(static_cast<size_t>(latin1.size()), sizeof(named.szServerName) - 1));
        if (pMap && pMap->contains(named)) {
            const bool goOn = QuenWizardBox::ask(
                this, QMessageBox::Warning, getString(IDS_WARNING),
                getString(IDS_WARN_SAME_NAME) + QLatin1Char('\n') + getString(IDS_CFRM_CONTINUE),
                getString(IDS_BTN_YES), getString(IDS_BTN_NO));
            if (!goOn)
                return false;
        }
        if (candidate.length() > SERVER_NAME_MAX) {
            QuenWizardBox::error(this, getString(IDS_INVALID_HOSTNAME));
            return false;
        }
    }

    if (field(QStringLiteral("IsDoQBV")).toBool() && !m_blQbvWarningShown) {
        QuenWizardBox::warning(this, getString(IDS_WARN_EARSEDATA_QBV));
        m_blQbvWarningShown = true;
    }
    return true;
}
