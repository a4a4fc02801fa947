#include "CWizIPDialog.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QRegExp>
#include <QRegExpValidator>
#include <QtEndian>

#include <cstring>

#include "CNetConf.h"
#include "CQuenWizard.h"
#include "CVorkDialogNetPinger.h"
#include "CVorkWizardInstall.h"
#include "QuenWizardBox.h"
#include "StringTable.h"
#include "platforms.h"

namespace {

const char *const SOURCE = "src/WizardCommon/CWizIPDialog";

// One octet of a dotted address: 0..255 without leading zeros.
const char *const OCTET = "((\\d)|([1-9]\\d)|(1[0-9][0-9])|(2[0-4][0-9])|(25[0-5]))";

QString addressPattern()
{
    const QString octet = QString::fromLatin1(OCTET);
    return octet + QStringLiteral("\\.") + octet + QStringLiteral("\\.") + octet +
           QStringLiteral("\\.") + octet;
}

QString hostText(uint32_t hostOrder)
{
    return QHostAddress(hostOrder).toString();
}

QString netText(uint32_t netOrder)
{
    return hostText(qFromBigEndian<quint32>(netOrder));
}

// A complete dotted address in host order; 0 for anything else (empty, short forms, junk), so
// the host-address test refuses it.
uint32_t parseAddress(const QString &text)
{
    QRegExp full(addressPattern());
    if (!full.exactMatch(text))
        return 0;
    return QHostAddress(text).toIPv4Address();
}

QString withoutBlanks(const QString &text)
{
    QString out = text;
    out.remove(QLatin1Char(' '));
    return out;
}

} // namespace

CWizIPDialog::CWizIPDialog(QWidget *parent)
    : QWizardPage(parent),
      m_nSuggestCounter(1),
      m_nBatchCounter(0),
      m_blInitialized(false),
      m_blDHCP(false)
{
    setupUi(this);
    setIPValidators();
    registerField(QStringLiteral("IsDHCP"), m_prdoDHCP);
    registerField(QStringLiteral("IP"), m_pedtIP);
    registerField(QStringLiteral("Netmask"), m_pedtNetmask);
    registerField(QStringLiteral("Gateway"), m_pedtGateway);
    registerField(QStringLiteral("DNS"), m_pedtDNS);
    connect(m_prdoDHCP, &QRadioButton::toggled, this, &CWizIPDialog::slotDHCPEnabled);
    connect(m_prdoManual, &QRadioButton::toggled, this, &CWizIPDialog::slotManualEnabled);
    m_plabSuggestAutoIP->hide();
    m_plabSuggestManIP->hide();
    languageChange();
}

CWizIPDialog::~CWizIPDialog() = default;

void CWizIPDialog::setIPValidators()
{
    // One validator serves all four edits; the page owns it.
    QRegExpValidator *validator =
        new QRegExpValidator(QRegExp(addressPattern(), Qt::CaseSensitive), this);
    m_pedtIP->setValidator(validator);
    m_pedtNetmask->setValidator(validator);
    m_pedtGateway->setValidator(validator);
    m_pedtDNS->setValidator(validator);
}

void CWizIPDialog::languageChange()
{
    setTitle(getString(IDS_WZD_NETWORK));
    m_prdoDHCP->setText(getString(IDS_RDO_DHCP));
    m_prdoManual->setText(getString(IDS_RDO_MANUAL));
    m_plabIP->setText(getString(IDS_LBL_IP) + getString(IDS_COMMON_COLON));
    m_plabNetmask->setText(getString(IDS_LBL_NETMASK) + getString(IDS_COMMON_COLON));
    m_plabGateway->setText(getString(IDS_LBL_GATEWAY) + getString(IDS_COMMON_COLON));
    m_plabDNS->setText(getString(IDS_LBL_DNS) + getString(IDS_COMMON_COLON));
    m_plabSuggestAutoIP->setText(getString(IDS_LBL_SUGGESTED));
    m_plabSuggestManIP->setText(getString(IDS_LBL_SUGGESTED));
    m_plabHint->setText(getString(IDS_HELP_NETWORK).arg(getString(IDS_PRODUCT_NAME)));
    QString eula = getString(IDS_HELP_EULA);
    eula.replace(QLatin1String("[a"), QLatin1String("<a"));
    eula.replace(QLatin1String("[/a"), QLatin1String("</a"));
    m_plabEULA->setText(eula);
}

void CWizIPDialog::initializePage()
{
    if (!m_blInitialized) {
        m_blInitialized = true;
        bool dhcp = false;
        QString ip, mask, gateway, dns;
        suggestNetSettings(&dhcp, ip, mask, gateway, dns);
    } else if (m_blDHCP) {
        slotDHCPEnabled(true);
    } else {
        slotManualEnabled(true);
    }
    languageChange();
}

void CWizIPDialog::cleanupPage()
{
    // Going back keeps what the user entered.
}

void CWizIPDialog::slotDHCPEnabled(bool blChecked)
{
    if (!blChecked)
        return;
    m_blDHCP = true;
    m_prdoDHCP->setChecked(true);
    m_prdoManual->setChecked(false);
    m_pgrpManual->setEnabled(false);
}

void CWizIPDialog::slotManualEnabled(bool blChecked)
{
    if (!blChecked)
        return;
    m_blDHCP = false;
    m_prdoManual->setChecked(true);
    m_prdoDHCP->setChecked(false);
    m_pgrpManual->setEnabled(true);
}

void CWizIPDialog::setSettings(bool dhcp, const QString &ip, const QString &mask,
                               const QString &gateway, const QString &dns)
{
    if (dhcp) {
        slotDHCPEnabled(true);
        m_plabSuggestAutoIP->show();
    } else {
        slotManualEnabled(true);
        m_plabSuggestManIP->show();
    }
    m_pedtIP->setText(ip);
    m_pedtNetmask->setText(mask);
    m_pedtGateway->setText(gateway);
    m_pedtDNS->setText(dns);
}

void CWizIPDialog::clearSettings()
{
    m_plabSuggestAutoIP->hide();
    m_plabSuggestManIP->hide();
    // Radio buttons of one parent exclude each other, and such a button cannot be unchecked
    // while it is the checked one; lift the rule for a moment.
    m_prdoDHCP->setAutoExclusive(false);
    m_prdoManual->setAutoExclusive(false);
    m_prdoDHCP->setChecked(false);
    m_prdoManual->setChecked(false);
    m_prdoDHCP->setAutoExclusive(true);
    m_prdoManual->setAutoExclusive(true);
    m_pgrpManual->setEnabled(false);
    m_pedtIP->clear();
    m_pedtNetmask->clear();
    m_pedtGateway->clear();
    m_pedtDNS->clear();
}

bool CWizIPDialog::isMultiInstall()
{
    CVorkWizardInstall *installWizard = dynamic_cast<CVorkWizardInstall *>(wizard());
    return installWizard && installWizard->isMultiInstall();
}

void CWizIPDialog::showError(const QString &text)
{
    QuenWizardBox::error(this, text);
}

int CWizIPDialog::suggestNetSettings(bool *dhcp, QString &ip, QString &mask, QString &gateway,
                                     QString &dns)
{
    QUEN_PAGE_WIZARD(SOURCE);
    const NASINFO *pnasInfo = QUEN_PAGE_NASINFO(SOURCE);
    const bool multi = isMultiInstall();

    bool suggested = false;
    bool sDHCP = false;
    QString sIP, sMask, sGateway, sDNS;
    if (!multi && pnasInfo->ulConnected) {
        // The server answered on its web port: its present settings work on this network.
        sDHCP = pnasInfo->ulDHCP != 0;
        sIP = netText(pnasInfo->ulIP);
        sMask = netText(pnasInfo->ulMask);
        if (pnasInfo->ulGateway)
            sGateway = netText(pnasInfo->ulGateway);
        if (pnasInfo->ulDNS)
            sDNS = netText(pnasInfo->ulDNS);
        suggested = true;
    } else {
        bool ifaceDHCP = false;
        getLocalIfaceSettings(&ifaceDHCP, sIP, sMask, sGateway, sDNS);
        // Only a computer with a fixed address of its own is a sound base for a fixed address
        // of the server; one that takes its address by DHCP (or has no interface) gets DHCP
        // proposed for the server as well, without a search.
        if (!ifaceDHCP && !sIP.isEmpty()
            && getNextAddress(&ifaceDHCP, sIP, sMask, sGateway, sDNS, false)) {
            sDHCP = false;
            suggested = true;
        }
    }

    clearSettings();
    if (!suggested) {
        *dhcp = true;
        ip.clear();
        mask.clear();
        gateway.clear();
        dns.clear();
        slotDHCPEnabled(true);
        if (multi) {
            // A batch then has nothing to count its addresses from.
            m_pedtIP->setEnabled(false);
            m_pedtNetmask->setEnabled(false);
            m_pedtGateway->setEnabled(false);
            m_pedtDNS->setEnabled(false);
            m_prdoManual->setEnabled(false);
        }
        return 0;
    }
    if (!sDHCP && !CNetConf::isSameSubnetText(sIP, sGateway, sMask))
        sGateway.clear();
    *dhcp = sDHCP;
    ip = sIP;
    mask = sMask;
    gateway = sGateway;
    dns = sDNS;
    setSettings(sDHCP, sIP, sMask, sGateway, sDNS);
    return 0;
}

int CWizIPDialog::getLocalIfaceSettings(bool *dhcp, QString &ip, QString &mask, QString &gateway,
                                        QString &dns)
{
    const NASINFO *pnasInfo = QUEN_PAGE_NASINFO(SOURCE);
    NETIF netIf[FHOST_IFACE_MAX];
    memset(netIf, 0, sizeof(netIf));
    const int count = FHOSTIfaceInit(gpFHOSTLogCtx, netIf, FHOST_IFACE_MAX);

    // The interface the server saw this computer on; else the first usable one. Entries the
    // library marks inactive (down, no address) are never a base.
    int chosen = -1;
    for (int i = 0; i < count && chosen < 0; ++i)
        if (netIf[i].ulActive && netIf[i].ulIP == pnasInfo->ulRemoteIP)
            chosen = i;
    for (int i = 0; i < count && chosen < 0; ++i)
        if (netIf[i].ulActive)
            chosen = i;
    if (chosen < 0) {
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d get physical interface error or no interface\n",
                 SOURCE, __LINE__);
        return 0;
    }
    const NETIF &entry = netIf[chosen];
    FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d Found iface[%d] = [%s]\n", SOURCE, __LINE__,
             chosen, entry.szName);

    if (!entry.ulStatic)
        *dhcp = true;
    ip = netText(entry.ulIP);
    const uint32_t none = 0xFFFFFFFFu;
    mask = (entry.ulMask == 0 || entry.ulMask == none) ? QStringLiteral("255.255.255.0")
                                                       : netText(entry.ulMask);
    if (entry.ulGateway != 0 && entry.ulGateway != none)
        gateway = netText(entry.ulGateway);
    if (entry.ulDNS != 0 && entry.ulDNS != none)
        dns = netText(entry.ulDNS);
    else if (gulDNS != FHOST_DNS_NONE)
        dns = netText(gulDNS);
    return 0;
}

bool CWizIPDialog::getNextAddress(bool *dhcp, QString &ip, QString &mask, QString &gateway,
                                  QString &dns, bool next)
{
    Q_UNUSED(gateway);
    Q_UNUSED(dns);
    if (*dhcp)
        return true;
    const uint32_t base = parseAddress(ip);
    const uint32_t m = mask.isEmpty() ? 0xFFFFFF00u : parseAddress(mask);

    uint32_t candidate;
    {
        QMutexLocker lock(&m_counterLock);
        if (next)
            candidate = base + static_cast<uint32_t>(m_nBatchCounter);
        else
            candidate = (base & m) + static_cast<uint32_t>(m_nSuggestCounter);
        m_nBatchCounter = m_nBatchCounter % 254 + 1;
        m_nSuggestCounter = m_nSuggestCounter % 254 + 1;
    }

    CVorkDialogNetPinger pinger;
    pinger.setTarget(CVorkDialogNetPinger::MODE_SEARCH, candidate, m);
    // A closed search found nothing either: ip still holds the address it started from (this
    // computer's own, or a batch's base), which must not be handed out as free.
    if (pinger.exec() == QDialog::Accepted && pinger.getResult() != 0) {
        ip = hostText(pinger.getResult());
        return true;
    }
    showError(getString(IDS_WARN_SUGGEST));
    return false;
}

int CWizIPDialog::getSuggestionCounter() const
{
    QMutexLocker lock(&m_counterLock);
    return m_nSuggestCounter;
}

int CWizIPDialog::getBatchCounter() const
{
    QMutexLocker lock(&m_counterLock);
    return m_nBatchCounter;
}

bool CWizIPDialog::validateFields()
{
    const NASINFO *pnasInfo = QUEN_PAGE_NASINFO(SOURCE);

    const uint32_t address = parseAddress(m_pedtIP->text());
    if (!CNetConf::isValidHostIP(address)) {
        showError(getString(IDS_ERR_INVALID_IP));
        return false;
    }
    const uint32_t netmask = parseAddress(m_pedtNetmask->text());
    if (!CNetConf::isValidNetmask(netmask)) {
        showError(getString(IDS_ERR_WRONG_NETMASK));
        return false;
    }
    const QString gatewayText = withoutBlanks(m_pedtGateway->text());
    if (!gatewayText.isEmpty()) {
        const uint32_t gateway = parseAddress(gatewayText);
        if (!CNetConf::isValidHostIP(gateway)) {
            showError(getString(IDS_ERR_WRONG_GATEWAY));
            return false;
        }
        if (!CNetConf::isSameSubnet(address, gateway, netmask)) {
            showError(getString(IDS_ERR_DIFF_SUBNET));
            return false;
        }
    }
    const QString dnsText = withoutBlanks(m_pedtDNS->text());
    if (!dnsText.isEmpty() && !CNetConf::isValidHostIP(parseAddress(dnsText))) {
        showError(getString(IDS_ERR_WRONG_DNS));
        return false;
    }

    // The server keeps the address it has: it answers a ping itself, so none is sent.
    if (address == qFromBigEndian<quint32>(pnasInfo->ulIP))
        return true;

    CVorkDialogNetPinger pinger;
    pinger.setTarget(CVorkDialogNetPinger::MODE_CHECK, address, 0xFFFFFF00u);
    if (pinger.exec() == QDialog::Accepted && pinger.getResult() == 0) {
        showError(getString(IDS_ERR_IP_INUSE));
        return false;
    }
    return true;
}
