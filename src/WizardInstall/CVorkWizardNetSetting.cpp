#include "CVorkWizardNetSetting.h"

#include "CNasConfig.h"
#include "CVorkGlobalSettings.h"
#include "CWizCnfmPWDialog.h"
#include "CWizIPDialog.h"
#include "CWizStartDialog.h"
#include "StringTable.h"

CVorkWizardNetSetting::CVorkWizardNetSetting(CVorkNasinfoMap *pMap, QWidget *parent)
    : CQuenWizard(pMap, parent),
      m_pConfig(nullptr)
{
    m_pStart = new CWizStartDialog(this);
    m_pStart->setTitle(getString(IDS_NET_WELCOME_MSG2));
    m_pStart->setSubTitle(getString(IDS_NET_WELCOME_MSG3).arg(CVorkGlobalSettings::getProductName()));
    m_pPassword = new CWizCnfmPWDialog(this);
    m_pPassword->setHint(getString(IDS_HELP_NETWIZ_PASSWD));
    m_pAddress = new CWizIPDialog(this);
    setPage(PAGE_START, m_pStart);
    setPage(PAGE_PASSWORD, m_pPassword);
    setPage(PAGE_IP, m_pAddress);
    setWindowTitle(getString(IDS_WELCOME_MSG1).arg(CVorkGlobalSettings::getAppName()));
}

CVorkWizardNetSetting::~CVorkWizardNetSetting()
{
    delete m_pConfig;
    m_pConfig = nullptr;
}

void CVorkWizardNetSetting::addNasinfo(const NASINFO *pnasInfo)
{
    if (!pnasInfo)
        return;
    m_targets.append(*pnasInfo);
    setNasinfo(&m_targets.last());
}

QList<NASINFO> CVorkWizardNetSetting::getNasinfoList() const
{
    return m_targets;
}

int CVorkWizardNetSetting::getNasinfoCount() const
{
    return m_targets.size();
}

bool CVorkWizardNetSetting::validateCurrentPage()
{
    if (currentId() != PAGE_IP)
        return true;
    // With DHCP the address fields are not used, so they are not checked.
    if (field(QStringLiteral("IsDHCP")).toBool())
        return true;
    return m_pAddress->validateFields();
}

void CVorkWizardNetSetting::accept()
{
    QDialog::accept();
}

int CVorkWizardNetSetting::getWizardType() const
{
    return WIZARD_NET_SETTING;
}

CNasConfig *CVorkWizardNetSetting::createNasConfig()
{
    delete m_pConfig;
    m_pConfig = nullptr;

    const bool isDHCP = field(QStringLiteral("IsDHCP")).toBool();
    // No page of this wizard offers the hybrid-RAID volume ("IsDoQBV"): a network setting
    // never asks for one.
    const bool isDoQBV = false;
    const QString ip = field(QStringLiteral("IP")).toString();
    const QString netmask = field(QStringLiteral("Netmask")).toString();
    const QString gateway = field(QStringLiteral("Gateway")).toString();
    const QString dns = field(QStringLiteral("DNS")).toString();
    const QString password = field(QStringLiteral("ConfirmPasswd")).toString();

    m_pConfig = new CNasConfig(isDHCP, isDoQBV, ip, netmask, gateway, dns, password);
    return m_pConfig;
}
