#include "CWizPhotoIPDialog.h"

#include <QHostAddress>
#include <QtEndian>

#include "CNetConf.h"
#include "CPhotoUploadConfig.h"
#include "CVorkGlobalSettings.h"
#include "CVorkNasinfoMap.h"
#include "CVorkWizardPhotoUpload.h"
#include "NasinfoText.h"
#include "PhotoWizardBox.h"
#include "ProfileGroupKey.h"
#include "StringTable.h"
#include "platforms.h"

namespace {

// The protocols offered, with their default ports, indexed by the protocol box's current index.
const char *const s_szProtocols[] = {"http"};
const int s_nDefaultPorts[] = {80};
const int s_nProtocolCount = int(sizeof(s_szProtocols) / sizeof(s_szProtocols[0]));

// A photo server is reached on port 80 whatever web ports its record announces.
const int kPhotoServerPort = 80;

} // namespace

CWizPhotoIPDialog::CWizPhotoIPDialog(QWidget *parent)
    : QWizardPage(parent), m_blInitialized(false)
{
    setupUi(this);
    languageChange();

    registerField(QStringLiteral("HostAddr*"), m_pedtHost);
    registerField(QStringLiteral("HostPort*"), m_pedtPort);
    registerField(QStringLiteral("Profile*"), m_pedtProfile);

    m_pcmbProto->clear();
    for (int i = 0; i < s_nProtocolCount; ++i)
        m_pcmbProto->addItem(QString::fromLatin1(s_szProtocols[i]));
}

CWizPhotoIPDialog::~CWizPhotoIPDialog() = default;

void CWizPhotoIPDialog::languageChange()
{
    setTitle(getString(IDS_WZD_NETWORK));
    setSubTitle(getString(IDS_LBL_NET_DESC1));

    m_plblProto->setText(getString(IDS_LBL_PROTOCOL) + tr(":"));
    m_plblHost->setText(getString(IDS_LBL_HOSTADDR) + tr(":"));
    m_plblPort->setText(getString(IDS_LBL_PORT) + tr(":"));
    m_plblProfile->setText(getString(IDS_PHOTO_LBL_PROFILE) + tr(":"));

    const QString hostTip = getString(IDS_LBL_HOSTADDR_DESC);
    m_plblHost->setToolTip(hostTip);
    m_pedtHost->setToolTip(hostTip);
    const QString portTip = getString(IDS_ERR_BADPORT);
    m_plblPort->setToolTip(portTip);
    m_pedtPort->setToolTip(portTip);
    const QString profileTip = getString(IDS_PHOTO_LBL_PROFILE_DESC);
    m_plblProfile->setToolTip(profileTip);
    m_pedtProfile->setToolTip(profileTip);

    m_pgrpHint->setTitle(getString(IDS_LBL_HINT));
    m_plblHint->setText(getString(IDS_PHOTO_LBL_WIZ_IP_HINT));
}

void CWizPhotoIPDialog::initializePage()
{
    m_blInitialized = true;
    loadFields();
}

void CWizPhotoIPDialog::cleanupPage()
{
    // Going Back keeps the fields as they are.
}

CVorkWizardPhotoUpload *CWizPhotoIPDialog::photoWizard() const
{
    return qobject_cast<CVorkWizardPhotoUpload *>(wizard());
}

bool CWizPhotoIPDialog::loadFields()
{
    clearFields();

    CVorkWizardPhotoUpload *pWizard = photoWizard();
    CPhotoUploadConfig *pConfig = pWizard ? pWizard->getConfig() : nullptr;
    if (pConfig) {
        setFields(pConfig->getHostAddr(), pConfig->getHostPort(), pConfig->getProfile());
        return true;
    }

    const NASINFO *pnasInfo = pWizard ? pWizard->getNasinfo() : nullptr;
    if (pnasInfo) {
        const QString host = QHostAddress(qFromBigEndian(pnasInfo->ulIP)).toString();
        const QString name = nasinfoText(pnasInfo->szServerName);
        setFields(host, kPhotoServerPort, name);
        // Name, Name(1), Name(2), ... until no stored profile carries it. The profile edit keeps
        // at most its maximum length, so the name is shortened to leave room for the number:
        // otherwise a long name whose shortened form is taken would come back as the same
        // taken name for every number, and the search would never end.
        const int maxLength = m_pedtProfile->maxLength();
        for (int k = 1; !checkProfileName(false); ++k) {
            const QString suffix = QStringLiteral("(%1)").arg(k);
            const QString candidate =
                name.left(qMax(0, maxLength - suffix.length())) + suffix;
            setFields(host, kPhotoServerPort, candidate);
        }
        return true;
    }

    // No profile and no server: empty host and profile, the protocol's default port.
    const int protocol = m_pcmbProto->currentIndex();
    if (protocol >= 0 && protocol < s_nProtocolCount)
        m_pedtPort->setText(QString::number(s_nDefaultPorts[protocol]));
    return true;
}

void CWizPhotoIPDialog::setFields(const QString &host, int port, const QString &profile)
{
    m_pedtHost->setText(host);
    m_pedtPort->setText(QString::number(port));
    m_pedtProfile->setText(profile);
}

void CWizPhotoIPDialog::clearFields()
{
    m_pedtHost->setText(QString());
    m_pedtPort->setText(QString());
    m_pedtProfile->setText(QString());
}

NASINFO *CWizPhotoIPDialog::findServerByHost(const QString &host)
{
    if (!m_blInitialized || host.isEmpty())
        return nullptr;
    CVorkWizardPhotoUpload *pWizard = photoWizard();
    CVorkNasinfoMap *pMap = pWizard ? pWizard->getNasinfoMap() : nullptr;
    if (!pMap)
        return nullptr;

    if (CNetConf::isValidHostAddress(host)) {
        uint32_t address = 0;
        if (!ipStringToHostAddr(&address, host))
            return nullptr;
        return pMap->findByIp(address);
    }
    return pMap->findByName(host);
}

void CWizPhotoIPDialog::slotFieldsHostChanged()
{
    if (!m_blInitialized)
        return;
    const QString host = m_pedtHost->text();

    if (const NASINFO *pnasInfo = findServerByHost(host)) {
        m_pedtPort->setText(QString::number(kPhotoServerPort));
        m_pedtProfile->setText(nasinfoText(pnasInfo->szServerName));
        return;
    }

    if (CNetConf::isValidHostAddress(host)) {
        m_pedtProfile->setText(host);
        return;
    }
    // The part before the first "."; a text without one gives no profile at all.
    const int dot = host.indexOf(QLatin1Char('.'));
    m_pedtProfile->setText(dot < 0 ? QString() : host.left(dot));
}

void CWizPhotoIPDialog::slotFieldsPortChanged()
{
    if (!m_blInitialized)
        return;
    checkPort();
}

bool CWizPhotoIPDialog::checkPort()
{
    const QString text = m_pedtPort->text();
    if (text.isEmpty())
        return true;
    bool ok = false;
    const int port = text.toInt(&ok, 10);
    if (ok && port >= 1 && port <= 65535)
        return true;

    m_pedtPort->selectAll();
    PhotoWizardBox::inform(this, QMessageBox::Critical, getString(IDS_ERROR),
                           getString(IDS_ERR_BADPORT), getString(IDS_BTN_OK));
    return false;
}

bool CWizPhotoIPDialog::checkProfileName(bool showMessage)
{
    const QString name = m_pedtProfile->text();

    // An edited profile may keep its own name, in any letter case.
    CVorkWizardPhotoUpload *pWizard = photoWizard();
    const CPhotoUploadConfig *pConfig = pWizard ? pWizard->getConfig() : nullptr;
    if (pConfig && name.compare(pConfig->getProfile(), Qt::CaseInsensitive) == 0)
        return true;

    const QStringList keys = CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup);
    if (!keys.contains(profileGroupKey(name)))
        return true;

    if (showMessage) {
        PhotoWizardBox::inform(this, QMessageBox::Critical, getString(IDS_ERROR),
                               getString(IDS_PHOTO_ERR_WIZ_PROFILE_DUPLICATE).arg(name),
                               getString(IDS_BTN_OK));
    }
    return false;
}

bool CWizPhotoIPDialog::validatePage()
{
    const QString host = m_pedtHost->text();

    if (const NASINFO *pnasInfo = findServerByHost(host)) {
        // Read what is needed before any box: the map may change while a box is open.
        const bool supported = CVorkGlobalSettings::isPhotoUploadSupported(pnasInfo);
        const bool ready = pnasInfo->ulConfigured == FHOSTQC_DONE;
        if (!supported) {
            PhotoWizardBox::inform(this, QMessageBox::Critical, getString(IDS_ERROR),
                                   getString(IDS_ERR_VR_NOT_SUPP), getString(IDS_BTN_OK));
            return false;
        }
        if (!ready) {
            const QString text = getString(IDS_MSG_SYSTEM_NOT_READY)
                + getString(IDS_MSG_SYSTEM_NOT_READY_PHOTO).arg(getString(IDS_PRODUCT_NAME))
                + QLatin1Char('\n') + getString(IDS_CFRM_CONTINUE);
            if (!PhotoWizardBox::ask(this, QMessageBox::Warning, getString(IDS_WARNING), text,
                                     getString(IDS_BTN_YES), getString(IDS_BTN_NO)))
                return false;
        }
    }

    if (!checkPort())
        return false;

    // Only whether the host resolves matters: the profile keeps the host as typed.
    uint32_t address = 0;
    if (!resolveHostIPv4(&address, host)) {
        PhotoWizardBox::inform(this, QMessageBox::Critical, getString(IDS_ERROR),
                               getString(IDS_ERR_HOST_ADDR1), getString(IDS_BTN_OK));
        return false;
    }

    return checkProfileName(true);
}
