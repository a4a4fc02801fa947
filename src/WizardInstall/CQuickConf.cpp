#include "CQuickConf.h"

#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CWaitScale.h"
#include "NasinfoText.h"
#include "VorkDebug.h"
#include "platforms.h"

namespace {

const char *const SRC = "src/WizardInstall/CQuickConf";

// Answers from servers of later builds name the local interface the request left through; only
// those are checked against this computer's interfaces.
const uint32_t SOURCE_MAC_CHECK_BUILD = 2600;

} // namespace

CQuickConf::CQuickConf(CFindHostUDP *udp, const CNasConfig *pnascfg, const NASINFO *pnasInfo)
    : QObject(nullptr),
      m_ulTimeout(DEFAULT_TIMEOUT_MS),
      m_ulElapsed(0),
      m_ulErrCode(0),
      m_nState(QC_STATE_IDLE),
      m_pNasConfig(CNasConfig::newCopy(pnascfg)),
      m_pnasInfo(newNasinfoCopy(pnasInfo)),
      m_pUdp(udp),
      m_pTimer(nullptr),
      m_blListening(false)
{
    nasinfoCopyText(m_szMac, m_pnasInfo->szMac);
}

CQuickConf::~CQuickConf()
{
    stopTimer();
    delete m_pNasConfig;
    delete m_pnasInfo;
}

void CQuickConf::setTimeout(unsigned long ms)
{
    m_ulTimeout.store(ms);
}

unsigned long CQuickConf::getTimeout() const
{
    return m_ulTimeout.load();
}

int CQuickConf::start(const CNasConfig *pnascfg, const NASINFO *pnasInfo, int nSendTimes, bool reset)
{
    // Copy before freeing: a caller may hand the job its own copies back.
    CNasConfig *config = CNasConfig::newCopy(pnascfg);
    NASINFO *record = newNasinfoCopy(pnasInfo);
    delete m_pNasConfig;
    delete m_pnasInfo;
    m_pNasConfig = config;
    m_pnasInfo = record;

    // A fresh progress timer; an earlier one (a resend) is stopped and let go, so that only one
    // ever ticks.
    if (m_pTimer) {
        m_pTimer->stop();
        m_pTimer->disconnect(this);
        m_pTimer->deleteLater();
    }
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CQuickConf::slotUpdateProgress);

    nasinfoCopyText(m_szMac, m_pnasInfo->szMac);

    if (m_pUdp) {
        // Automatic connection: queued when the job lives in another thread than the one that
        // emits. Unique, so a resend never doubles the deliveries.
        connect(m_pUdp, &CFindHostUDP::signalRecvPkt, this, &CQuickConf::slotPktReceived,
                Qt::UniqueConnection);
        m_blListening = true;
        m_pUdp->slotSendPktQCF(m_pNasConfig, m_pnasInfo, nSendTimes);
    } else {
        VORK_DEBUG_STR(SRC, "m_pUdp", "NULL");
    }

    if (reset)
        m_ulElapsed.store(0);
    m_pTimer->start(CWaitScale::ms(TICK_MS));
    m_nState.store(QC_STATE_WAITING);
    m_ulErrCode.store(0);
    return 0;
}

void CQuickConf::stop()
{
    stopTimer();
    disconnectAnswers();
}

NASINFO *CQuickConf::getNasinfo() const
{
    return m_pnasInfo;
}

const CNasConfig *CQuickConf::getNasConfig() const
{
    return m_pNasConfig;
}

int CQuickConf::getState() const
{
    return m_nState.load();
}

unsigned long CQuickConf::getError() const
{
    return m_ulErrCode.load();
}

unsigned long CQuickConf::getElapsed() const
{
    return m_ulElapsed.load();
}

QString CQuickConf::getTargetMac() const
{
    return nasinfoText(m_szMac);
}

void CQuickConf::slotUpdateProgress()
{
    // A tick that was already on its way when the job timed out counts nothing more.
    if (m_nState.load() == QC_STATE_TIMEOUT)
        return;
    const unsigned long elapsed = m_ulElapsed.load() + TICK_MS;
    m_ulElapsed.store(elapsed);
    if (elapsed >= m_ulTimeout.load()) {
        m_nState.store(QC_STATE_TIMEOUT);
        stopTimer();
        emit signalQuickConfTimeout();
        disconnectAnswers();
    }
}

void CQuickConf::slotPktReceived(NASINFO nasInfo)
{
    VORK_DEBUG_INT(SRC, "nasInfo.ulPacketType", nasInfo.ulPacketType);
    VORK_DEBUG_INT(SRC, "nasInfo.ulErrCode", nasInfo.ulErrCode);
    VORK_DEBUG_INT(SRC, "nasInfo.ulConfigured", nasInfo.ulConfigured);
    VORK_DEBUG_INT(SRC, "nasInfo.ulFindHostVersion", nasInfo.ulFindHostVersion);
    VORK_DEBUG_STR(SRC, "nasInfo.szMac", nasinfoText(nasInfo.szMac));
    VORK_DEBUG_STR(SRC, "m_szMac", nasinfoText(m_szMac));
    VORK_DEBUG_INT(SRC, "nasInfo.ulBuild", nasInfo.ulBuild);

    // An accepted success is final.
    if (m_nState.load() == QC_STATE_ANSWERED && m_ulErrCode.load() == 0)
        return;
    // An answer that was already queued when the job stopped listening (time-out, stop) is not
    // seen: it must not turn a time-out into a success.
    if (!m_blListening)
        return;

    // Only answers count. The command itself (type 4) also reaches the listener, looped back
    // with the target's MAC, and must not pass for the server's answer.
    switch (nasInfo.ulPacketType) {
    case FHOST_PKT_BRESPONSE:
    case FHOST_PKT_NETSET:
    case FHOST_PKT_JRESPONSE:
        break;
    default:
        return;
    }

    // The exact MAC text, letter case included.
    if (nasinfoBytes(nasInfo.szMac) != nasinfoBytes(m_szMac))
        return;

    // A server still in one of these states has not applied the configuration yet.
    if (nasInfo.ulConfigured == FHOSTQC_FALSE || nasInfo.ulConfigured == FHOSTQC_BOOTING ||
        nasInfo.ulConfigured == FHOSTQC_QUOTA_CHECKING)
        return;

    if (nasInfo.ulBuild > SOURCE_MAC_CHECK_BUILD) {
        qDebug("QuickConf: check Source-Mac-Addr!");
        const QString sourceMac = nasinfoText(nasInfo.szSrcNICMac);
        if (!isSourceMacLocal(sourceMac)) {
            qDebug("QuickConf: Mac is not matched, return!  nasInfo.szSrcNICMac:[%s]",
                   qPrintable(sourceMac));
            return;
        }
    }

    m_nState.store(QC_STATE_ANSWERED);
    m_ulErrCode.store(nasInfo.ulErrCode);
    if (nasInfo.ulErrCode != 0) {
        // The server refused for now: keep counting and listening; a later success still wins.
        return;
    }

    qDebug("(%s):%d QuickConf responsed packet verified.", SRC, __LINE__);
    m_ulElapsed.store(m_ulTimeout.load());
    stopTimer();
    m_pnasInfo->ulIP = nasInfo.ulIP;
    memset(m_pnasInfo->szServerName, 0, sizeof(m_pnasInfo->szServerName));
    const QByteArray name =
        nasinfoBytes(nasInfo.szServerName).left(int(sizeof(m_pnasInfo->szServerName)) - 1);
    memcpy(m_pnasInfo->szServerName, name.constData(), size_t(name.size()));
    disconnectAnswers();
}

bool CQuickConf::isSourceMacLocal(const QString &sourceMac)
{
    const QStringList localMacs = getLocalMacList();
    if (localMacs.isEmpty())
        return true;
    if (sourceMac.isEmpty())
        return false;
    qDebug("nasInfo.szSrcNICMac:[%s]", qPrintable(sourceMac));
    for (const QString &mac : localMacs) {
        qDebug("strINetMac:[%s]", qPrintable(mac));
        if (mac.compare(sourceMac, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void CQuickConf::disconnectAnswers()
{
    m_blListening = false;
    if (m_pUdp)
        disconnect(m_pUdp, &CFindHostUDP::signalRecvPkt, this, &CQuickConf::slotPktReceived);
}

void CQuickConf::stopTimer()
{
    if (m_pTimer)
        m_pTimer->stop();
}
