#include "CWizRsrcIPDialog.h"

#include <QHostAddress>
#include <QtEndian>

#include <memory>

#include "CNetConf.h"
#include "CRsrcConfig.h"
#include "CVorkGlobalSettings.h"
#include "CVorkNasinfoMap.h"
#include "CVorkWizardRsrcMon.h"
#include "NasinfoText.h"
#include "ProfileGroupKey.h"
#include "StringTable.h"
#include "WizardBox.h"
#include "platforms.h"

namespace {

// The protocols offered and their default ports, indexed alike (and by the protocol box).
const char *const s_szProtocols[] = {"http"};
const int s_nDefaultPorts[] = {80};
const int s_nProtocolCount = int(sizeof(s_szProtocols) / sizeof(s_szProtocols[0]));

int defaultPort(int protocol)
{
    if (protocol < 0 || protocol >= s_nProtocolCount)
        protocol = 0;
    return s_nDefaultPorts[protocol];
}

void showError(QWidget *parent, const QString &text)
{
    WizardBox::inform(parent, QMessageBox::Critical, getString(IDS_ERROR), text,
                      getString(IDS_BTN_OK));
}

} // namespace

CWizRsrcIPDialog::CWizRsrcIPDialog(QWidget *parent) : QWizardPage(parent), m_blInitialized(false)
{
    setupUi(this);

    m_pcmbProto->clear();
    for (int i = 0; i < s_nProtocolCount; ++i)
        m_pcmbProto->addItem(QString::fromLatin1(s_szProtocols[i]));

    registerField(QStringLiteral("HostAddr*"), m_pedtHost);
    registerField(QStringLiteral("HostPort*"), m_pedtPort);
    registerField(QStringLiteral("Profile*"), m_pedtProfile);

    languageChange();
}

CWizRsrcIPDialog::~CWizRsrcIPDialog() = default;

void CWizRsrcIPDialog::languageChange()
{
    setTitle(getString(IDS_WZD_NETWORK));

    // The colon is a text of its own: some languages put a blank before it.
    const QString colon = getString(IDS_COMMON_COLON);
    m_plblProto->setText(getString(IDS_LBL_PROTOCOL) + colon);
    m_plblHost->setText(getString(IDS_LBL_HOSTADDR) + colon);
    m_plblPort->setText(getString(IDS_LBL_PORT) + colon);
    m_plblProfile->setText(getString(IDS_LBL_PROFILE) + colon);

    const QString hostTip = getString(IDS_LBL_HOSTADDR_DESC);
    m_plblHost->setToolTip(hostTip);
    m_pedtHost->setToolTip(hostTip);
    const QString portTip = getString(IDS_ERR_BADPORT);
    m_plblPort->setToolTip(portTip);
    m_pedtPort->setToolTip(portTip);
}

void CWizRsrcIPDialog::initializePage()
{
    m_blInitialized = true;
    initFields();
}

void CWizRsrcIPDialog::cleanupPage()
{
}

CVorkWizardRsrcMon *CWizRsrcIPDialog::rsrcWizard() const
{
    return qobject_cast<CVorkWizardRsrcMon *>(wizard());
}

bool CWizRsrcIPDialog::initFields()
{
    clearFields();

    CVorkWizardRsrcMon *pWizard = rsrcWizard();
    const CRsrcConfig *pConfig = pWizard ? pWizard->getConfig() : nullptr;
    if (pConfig) {
        setFields(pConfig->getHostAddr(), pConfig->getHostPort(), pConfig->getProfile());
        return true;
    }
    const NASINFO *pnasInfo = pWizard ? pWizard->getNasinfo() : nullptr;
    if (pnasInfo) {
        // The record keeps the address in network byte order.
        setFields(QHostAddress(qFromBigEndian(pnasInfo->ulIP)).toString(),
                  CVorkGlobalSettings::getWebPort(pnasInfo, false),
                  nasinfoText(pnasInfo->szServerName));
        return true;
    }
    m_pedtPort->setText(QString::number(defaultPort(0)));
    return true;
}

void CWizRsrcIPDialog::clearFields()
{
    m_pedtHost->setText(QString());
    m_pedtPort->setText(QString());
    m_pedtProfile->setText(QString());
}

void CWizRsrcIPDialog::setFields(const QString &host, int port, const QString &profile)
{
    m_pedtHost->setText(host);
    m_pedtPort->setText(QStringLiteral("%1").arg(port));
    m_pedtProfile->setText(profile);
}

NASINFO *CWizRsrcIPDialog::findServer(const QString &host)
{
    if (!m_blInitialized || host.isEmpty())
        return nullptr;
    CVorkWizardRsrcMon *pWizard = rsrcWizard();
    CVorkNasinfoMap *pMap = pWizard ? pWizard->getNasinfoMap() : nullptr;
    if (!pMap)
        return nullptr;
    if (CNetConf::isValidHostAddress(host)) {
        uint32_t address = 0;
        if (!ipStringToHostAddr(&address, host))
            return nullptr;
        return pMap->findByIp(address);
    }
    // The exact server name (the map's own name search ignores letter case), first in key order.
    for (CVorkNasinfoMap::const_iterator it = pMap->begin(); it != pMap->end(); ++it) {
        if (it.value() && nasinfoText(it.value()->szServerName) == host)
            return it.value();
    }
    return nullptr;
}

void CWizRsrcIPDialog::slotFieldsHostChanged()
{
    if (!m_blInitialized)
        return;
    const QString host = m_pedtHost->text();

    if (const NASINFO *pnasInfo = findServer(host)) {
        // A found server is reached on its own web port.
        m_pedtPort->setText(
            QStringLiteral("%1").arg(CVorkGlobalSettings::getWebPort(pnasInfo, false)));
        m_pedtPort->setReadOnly(true);
        m_pedtProfile->setText(nasinfoText(pnasInfo->szServerName));
        return;
    }

    // The profile name follows the host: an address as it stands, a name up to its first dot
    // (nothing for a name without one).
    if (CNetConf::isValidHostAddress(host)) {
        m_pedtProfile->setText(host);
    } else {
        const int dot = host.indexOf(QLatin1Char('.'));
        m_pedtProfile->setText(dot < 0 ? QString() : host.left(dot));
    }
    m_pedtPort->setReadOnly(false);
}

void CWizRsrcIPDialog::slotFieldsPortChanged()
{
    if (!m_blInitialized)
        return;
    checkPort();
}

bool CWizRsrcIPDialog::checkPort()
{
    const QString text = m_pedtPort->text();
    if (text.isEmpty())
        return true;
    bool ok = false;
    const int port = text.toInt(&ok, 10);
    if (ok && port >= 1 && port <= 65535)
        return true;

    m_pedtPort->selectAll();
    showError(this, getString(IDS_ERR_BADPORT));
    return false;
}

bool CWizRsrcIPDialog::isProfileExisted()
{
    const QString name = m_pedtProfile->text();

    // An edited profile may keep its own name, in any letter case.
    CVorkWizardRsrcMon *pWizard = rsrcWizard();
    const CRsrcConfig *pConfig = pWizard ? pWizard->getConfig() : nullptr;
    if (pConfig && name.compare(pConfig->getProfile(), Qt::CaseInsensitive) == 0)
        return true;

    const QStringList groups = CRsrcConfig::getChildGroups(CRsrcConfig::strRsrcRootGroup);
    if (!groups.contains(profileGroupKey(name)))
        return true;

    showError(this, getString(IDS_ERR_PROFILE_NAME_EXISTED).arg(name));
    return false;
}

bool CWizRsrcIPDialog::validatePage()
{
    // A copy: the map of found servers may change while a box runs the event loop.
    std::unique_ptr<NASINFO> server;
    if (const NASINFO *pFound = findServer(m_pedtHost->text()))
        server.reset(new NASINFO(*pFound));

    const bool accepted = validateWith(server.get());

    // Whatever the outcome, a found server is the target from now on (the account page reads
    // its build number).
    if (server) {
        if (CVorkWizardRsrcMon *pWizard = rsrcWizard())
            pWizard->setNasinfo(server.get());
    }
    return accepted;
}

bool CWizRsrcIPDialog::validateWith(const NASINFO *pServer)
{
    const QString host = m_pedtHost->text();

    if (pServer) {
        if (!CVorkGlobalSettings::isRsrcMonSupported(pServer)) {
            showError(this, getString(IDS_ERR_VR_NOT_SUPP));
            return false;
        }
        if (pServer->ulConfigured != FHOSTQC_DONE) {
            const QString text = getString(IDS_MSG_SYSTEM_NOT_READY)
                + getString(IDS_MSG_SYSTEM_NOT_READY_RSRC).arg(getString(IDS_PRODUCT_NAME))
                + QLatin1Char('\n') + getString(IDS_CFRM_CONTINUE);
            if (!WizardBox::ask(this, QMessageBox::Warning, getString(IDS_WARNING), text,
                                getString(IDS_BTN_YES), getString(IDS_BTN_NO)))
                return false;
        }
    }

    if (m_pedtPort->text().isEmpty())
        m_pedtPort->setText(QString::number(defaultPort(m_pcmbProto->currentIndex())));
    else if (!checkPort())
        return false;
    const QString portText = m_pedtPort->text();

    uint32_t address = 0;
    if (!resolveHostIPv4(&address, host)) {
        showError(this, getString(IDS_ERR_HOST_ADDR1));
        return false;
    }

    // An edited profile may keep its own address (and port).
    bool ownAddress = false;
    CVorkWizardRsrcMon *pWizard = rsrcWizard();
    if (const CRsrcConfig *pConfig = pWizard ? pWizard->getConfig() : nullptr) {
        uint32_t own = 0;
        ownAddress = resolveHostIPv4(&own, pConfig->getHostAddr()) && own == address;
    }
    if (!ownAddress && CRsrcConfig::isHostPortExisted(address, portText.toInt(), nullptr)) {
        // One arg call: a host text holding "%2" stays as typed.
        showError(this, getString(IDS_ERR_RSRC_IP_PORT_EXISTED).arg(host, portText));
        return false;
    }

    return isProfileExisted();
}
