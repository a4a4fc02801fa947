#include "CNetSetting.h"

#include <QPointer>
#include <QTimer>

#include <cstring>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CWaitScale.h"
#include "NasinfoText.h"
#include "VorkDebug.h"

namespace {

const char *const SRC = "src/WizardInstall/CNetSetting";

// The protocol version of an answer must have this bit (the lowest of its most significant
// byte); the version this program sends has it.
const uint32_t VERSION_BIT = 0x01000000u;

} // namespace

CNetSetting::CNetSetting(CFindHostUDP *udp, const CNasConfig *pnascfg, const NASINFO *pnasInfo)
    : QObject(nullptr),
      m_ulElapsed(0),
      m_ulTimeout(DEFAULT_TIMEOUT_MS),
      m_ulError(0),
      m_status(NETSET_NONE),
      m_pNasConfig(CNasConfig::newCopy(pnascfg)),
      m_pnasInfo(newNasinfoCopy(pnasInfo)),
      m_pUdp(udp),
      m_pTimer(new QTimer(this))
{
    // Receivers may take the finish signal queued.
    qRegisterMetaType<CNetSetting::NETSETTING_STATUS>("CNetSetting::NETSETTING_STATUS");
    memset(m_szMac, 0, sizeof(m_szMac));
    connect(m_pTimer, &QTimer::timeout, this, &CNetSetting::slotUpdateProgress);
}

CNetSetting::~CNetSetting()
{
    m_pTimer->stop();
    disconnect(m_pTimer, nullptr, this, nullptr);
    delete m_pNasConfig;
    delete m_pnasInfo;
    delete m_pTimer;
}

void CNetSetting::setTimeout(unsigned long ms)
{
    m_ulTimeout = ms;
}

unsigned long CNetSetting::getTimeout() const
{
    return m_ulTimeout;
}

bool CNetSetting::start(int nSendTimes)
{
    nasinfoCopyText(m_szMac, m_pnasInfo->szMac);

    if (m_pUdp) {
        // Unique: a second start never doubles the deliveries.
        connect(m_pUdp, &CFindHostUDP::signalRecvPkt, this, &CNetSetting::slotPktReceived,
                Qt::UniqueConnection);
    }

    m_ulElapsed = 0;
    m_ulError = 0;
    m_pTimer->start(CWaitScale::ms(TICK_MS));
    m_status = NETSET_RUNNING;

    if (!m_pUdp) {
        VORK_DEBUG_STR(SRC, "m_pUdp", "NULL");
        return false;
    }
    return m_pUdp->slotSendPktNetSet(m_pNasConfig, m_pnasInfo, nSendTimes);
}

CNetSetting::NETSETTING_STATUS CNetSetting::getStatus() const
{
    return m_status;
}

unsigned long CNetSetting::getError() const
{
    return m_ulError;
}

unsigned long CNetSetting::getElapsed() const
{
    return m_ulElapsed;
}

QString CNetSetting::getTargetMac() const
{
    return nasinfoText(m_szMac);
}

const CNasConfig *CNetSetting::getNasConfig() const
{
    return m_pNasConfig;
}

const NASINFO *CNetSetting::getNasinfo() const
{
    return m_pnasInfo;
}

void CNetSetting::slotUpdateProgress()
{
    // Only a running job counts.
    if (m_status != NETSET_RUNNING)
        return;
    m_ulElapsed += TICK_MS;
    const int elapsed = int(m_ulElapsed);
    if (m_ulElapsed >= m_ulTimeout) {
        m_status = NETSET_TIMEOUT;
        m_pTimer->stop();
        // A receiver of the finish signal may delete the job; then nothing more is said.
        QPointer<CNetSetting> self(this);
        slotNetSettingTimeout();
        if (!self)
            return;
    }
    // The last tick reports its value after the finish signal.
    emit signalUpdateProgress(elapsed);
}

void CNetSetting::slotNetSettingTimeout()
{
    m_pTimer->stop();
    stopListening();
    m_status = NETSET_TIMEOUT;
    emit signalNetSettingFinished(NETSET_TIMEOUT, m_ulError);
}

void CNetSetting::slotPktReceived(NASINFO nasinfo)
{
    // An answer that was already queued when the job stopped listening (accepted answer,
    // time-out) is not seen: the job finishes once.
    if (m_status != NETSET_RUNNING)
        return;
    if (!verifyRcvPkt(nasinfo))
        return;
    emit signalNetSettingFinished(m_status, m_ulError);
}

bool CNetSetting::verifyRcvPkt(const NASINFO &nasinfo)
{
    qDebug("NetSetting VerifyRcvPkt: nasinfo.ulPacketType: %d  nasinfo.ulFindHostVersion: %d",
           int(nasinfo.ulPacketType), int(nasinfo.ulFindHostVersion));
    qDebug("NetSetting VerifyRcvPkt: m_szMac: %s  nasinfo.szMac: %s",
           nasinfoBytes(m_szMac).constData(), nasinfoBytes(nasinfo.szMac).constData());

    // Only a search answer counts: the command itself (type 3) also reaches the listener,
    // looped back with the target's MAC.
    if (nasinfo.ulPacketType != FHOST_PKT_BRESPONSE) {
        qDebug("Not a response packet. ignore it.\n");
        return false;
    }
    if ((nasinfo.ulFindHostVersion & VERSION_BIT) == 0) {
        qDebug("packet version incorrect. \n");
        return false;
    }
    // The exact MAC text, letter case included.
    if (nasinfoBytes(nasinfo.szMac) != nasinfoBytes(m_szMac)) {
        qDebug("the packet mac-address does not match. \n");
        return false;
    }

    m_status = NETSET_FINISHED;
    m_ulElapsed = m_ulTimeout;
    m_ulError = nasinfo.ulErrCode;
    m_pTimer->stop();
    stopListening();
    return true;
}

void CNetSetting::stopListening()
{
    if (m_pUdp)
        disconnect(m_pUdp, &CFindHostUDP::signalRecvPkt, this, &CNetSetting::slotPktReceived);
}
