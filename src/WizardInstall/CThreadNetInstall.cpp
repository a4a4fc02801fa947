#include "CThreadNetInstall.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CQuenTCP.h"
#include "CQuickConf.h"
#include "CWaitScale.h"
#include "CWizInstIntro.h"
#include "NasinfoText.h"
#include "RebootPacket.h"
#include "VorkDebug.h"

namespace {

const char *const SRC = "src/WizardInstall/CThreadNetInstall";

} // namespace

CThreadNetInstall::CThreadNetInstall(QObject *parent, CFindHostUDP *udp, const CNasConfig *pnascfg,
                                     const NASINFO *pnasInfo)
    : QThread(parent),
      m_ulError(0),
      m_nPercent(0),
      m_nStage(NI_STAGE_NONE),
      m_usPort(NI_BIND_PORT),
      m_ulPatchBuild(0),
      m_blCancel(false),
      m_blCancelled(false),
      m_pUdp(udp),
      m_startTime(QDateTime::currentDateTime()),
      m_pTcp(nullptr),
      m_pQuickConf(nullptr),
      m_pNasConfig(CNasConfig::newCopy(pnascfg)),
      m_pnasInfo(newNasinfoCopy(pnasInfo)),
      m_nRebootState(REBOOT_IDLE),
      m_ulQuickConfError(0)
{
    nasinfoCopyText(m_szMac, m_pnasInfo->szMac);
}

CThreadNetInstall::~CThreadNetInstall()
{
    // Deleting a running QThread is fatal; stop the installation first. Every wait of run()
    // watches the cancel flag, so the unbounded wait after the bounded one still ends.
    terminate();
    if (isRunning())
        wait();
    delete m_pNasConfig;
    delete m_pnasInfo;
    delete m_pTcp;
    delete m_pQuickConf;
}

int CThreadNetInstall::getStage() const
{
    return m_nStage.load();
}

int CThreadNetInstall::getPercent() const
{
    return m_nPercent.load();
}

unsigned long CThreadNetInstall::getErrorCode() const
{
    return m_ulError.load();
}

unsigned long CThreadNetInstall::getQuickConfError() const
{
    return m_ulQuickConfError.load();
}

int CThreadNetInstall::getNIBindPort() const
{
    return m_usPort;
}

void CThreadNetInstall::setCancel(bool cancel)
{
    m_blCancelled.store(cancel);
    m_blCancel.store(cancel);
}

bool CThreadNetInstall::isCancelled() const
{
    return m_blCancelled.load();
}

int CThreadNetInstall::getRebootState() const
{
    return m_nRebootState.load();
}

bool CThreadNetInstall::isRebootFinished() const
{
    return m_nRebootState.load() == REBOOT_FINISHED;
}

QString CThreadNetInstall::advanceDateTime(const QString &dateTime, qint64 seconds)
{
    const QDateTime parsed = CNasConfig::dateTimeFromText(dateTime);
    // A text that does not parse is sent as the wizard wrote it rather than as an empty one.
    if (!parsed.isValid())
        return dateTime;
    return CNasConfig::dateTimeText(parsed.addSecs(seconds));
}

void CThreadNetInstall::terminate()
{
    if (!isRunning())
        return;
    m_blCancel.store(true);
    if (QThread::currentThread() == this)
        return; // run() sees the flag at its next slice
    if (!wait(STOP_WAIT_MS))
        qDebug("(%s):%d the installation did not stop within %d ms", SRC, __LINE__, STOP_WAIT_MS);
}

void CThreadNetInstall::slotVerifyRebootRcvPkt(NASINFO nasInfo)
{
    takeRebootPacket(SRC, nasInfo, m_szMac, m_nRebootState, REBOOT_FINISHED, REBOOT_TIMEOUT);
}

void CThreadNetInstall::run()
{
    delete m_pTcp;
    delete m_pQuickConf;
    m_pTcp = new CQuenTCP();
    m_pTcp->setStopFlag(&m_blCancel);
    m_nStage.store(NI_STAGE_SET_NET);
    m_nPercent.store(0);
    m_pQuickConf = new CQuickConf(m_pUdp, m_pNasConfig, m_pnasInfo);

    runSteps();

    // Everything that belongs to this thread is put to rest here: the job's timer must not be
    // left for another thread to kill, and the socket must not be left open.
    m_pQuickConf->stop();
    m_ulQuickConfError.store(m_pQuickConf->getError());
    m_pTcp->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CThreadNetInstall::fail(unsigned long error)
{
    if (!m_blCancel.load())
        m_ulError.store(error);
}

bool CThreadNetInstall::runSteps()
{
    // The first quick configuration: sent once, never resent.
    if (sendConfigPacket(1, true) < 0) {
        fail(NI_ERROR_QC_START);
        qDebug("NI: start QuickConf error!\n");
        return false;
    }
    if (!waitQuickConf(false)) {
        if (m_blCancel.load())
            return false;
        fail(NI_ERROR_QC_UNFINISHED);
        qDebug("NI: QuickConf hasn't finished!\n");
        return false;
    }

    // A server configured by DHCP is reached at the address it answered with.
    const QString address =
        m_pNasConfig->isDHCP() ? ipToString(m_pnasInfo->ulIP) : m_pNasConfig->getIP();
    VORK_DEBUG_STR(SRC, "address", address);
    if (m_blCancel.load())
        return false;
    if (m_pTcp->connectToHost(address, m_usPort) < 0) {
        if (m_blCancel.load())
            return false;
        fail(NI_ERROR_OPEN_SOCKET);
        qDebug("NI: openSocekt error!\n");
        return false;
    }

    m_nStage.store(NI_STAGE_FORMAT);
    m_nPercent.store(0);
    if (m_pTcp->writePacket(NI_CMD_BEGIN_INSTALL) < 0) {
        fail(NI_ERROR_SEND_BEGIN);
        qDebug("NI: sendCommand error!\n");
        return false;
    }
    if (waitForCmdResponse(COMMAND_REPLY_WAIT_MS) < 0) {
        qDebug("NI: waitForCmdResponse error!\n");
        return false;
    }
    if (waitToNextStage(NI_STAGE_INSTALL) < 0) {
        qDebug("NI: waitToNextStage error!\n");
        return false;
    }

    m_nStage.store(NI_STAGE_INSTALL);
    m_nPercent.store(0);
    if (m_blCancel.load())
        return false;
    if (m_pTcp->writePacket(NI_CMD_UPLOAD) < 0) {
        fail(NI_ERROR_SEND_PATCH);
        return false;
    }
    if (m_pTcp->sendFilePkt(m_pNasConfig->getPatPath()) < 0) {
        if (m_blCancel.load())
            return false;
        fail(NI_ERROR_SEND_PATCH);
        qDebug("NI: sendFilePkt error!\n");
        return false;
    }
    // Two replies follow the upload; the server takes as long as it needs for them.
    for (int i = 0; i < 2; ++i) {
        if (waitForCmdResponse(-1) < 0) {
            qDebug("NI: waitForCmdResponse error!\n");
            return false;
        }
    }
    if (waitToNextStage(NI_STAGE_REBOOT) < 0) {
        qDebug("NI: waitToNextStage error!\n");
        return false;
    }

    m_nStage.store(NI_STAGE_REBOOT);
    if (m_blCancel.load())
        return false;
    if (m_pTcp->writePacket(NI_CMD_REBOOT) < 0) {
        fail(NI_ERROR_SEND_REBOOT);
        qDebug("NI: sendCommand error!\n");
        return false;
    }
    if (waitForCmdResponse(COMMAND_REPLY_WAIT_MS) < 0) {
        qDebug("NI: waitForCmdResponse error!\n");
        return false;
    }

    m_nRebootState.store(REBOOT_COMMANDED);
    m_nPercent.store(0);
    rebootWait(REBOOT_WAIT_MS);
    if (m_blCancel.load()) {
        m_nStage.store(NI_STAGE_DONE);
        m_nPercent.store(0);
        return false;
    }

    m_nStage.store(NI_STAGE_CONFIGURE);
    m_nPercent.store(0);
    setFinalTime();
    if (sendConfigPacket(1, true) < 0) {
        fail(NI_ERROR_QC_START);
        qDebug("NI: start QuickConf error!\n");
        return false;
    }
    if (!waitQuickConf(true)) {
        if (m_blCancel.load())
            return false;
        fail(NI_ERROR_QC_UNFINISHED);
        qDebug("NI: QuickConf hasn't finished!\n");
        return false;
    }

    m_nStage.store(NI_STAGE_DONE);
    m_nPercent.store(0);
    return true;
}

int CThreadNetInstall::sendConfigPacket(int nSendTimes, bool reset)
{
    m_pQuickConf->setTimeout(QUICKCONF_TIMEOUT_MS);
    // Without a discovery thread nothing can be sent.
    if (!m_pUdp || m_pQuickConf->start(m_pNasConfig, m_pnasInfo, nSendTimes, reset) < 0) {
        qDebug("(%s):%d SendConfigPkt failed!", SRC, __LINE__);
        return -1;
    }
    return 0;
}

bool CThreadNetInstall::waitQuickConf(bool final)
{
    for (;;) {
        if (m_blCancel.load())
            return false;
        if (m_pQuickConf->getTimeout() <= m_pQuickConf->getElapsed()) {
            qDebug("(%s):%d QuickConf failed!", SRC, __LINE__);
            return false;
        }
        if (!sleepMs(QUICKCONF_POLL_MS))
            return false;
        // Delivers the job's progress tick (at most one per pass) and the queued answers.
        processEvents();
        const unsigned long elapsed = m_pQuickConf->getElapsed();
        m_nPercent.store(int(elapsed));
        m_ulQuickConfError.store(m_pQuickConf->getError());
        if (m_pQuickConf->getError() == 0 &&
            m_pQuickConf->getState() == CQuickConf::QC_STATE_ANSWERED)
            break;
        if (!final)
            continue;
        // The final configuration is sent again at every fifth of the time-out, the counted
        // time going on.
        const unsigned long interval = m_pQuickConf->getTimeout() / 5;
        if (interval > 0 && elapsed % interval == 0) {
            m_pQuickConf->stop();
            sendConfigPacket(1, false);
        }
    }

    qDebug("(%s):%d QuickConf finished!", SRC, __LINE__);
    const NASINFO *answered = m_pQuickConf->getNasinfo();
    m_pnasInfo->ulIP = answered->ulIP;
    memset(m_pnasInfo->szServerName, 0, sizeof(m_pnasInfo->szServerName));
    const QByteArray name =
        nasinfoBytes(answered->szServerName).left(int(sizeof(m_pnasInfo->szServerName)) - 1);
    memcpy(m_pnasInfo->szServerName, name.constData(), size_t(name.size()));
    return true;
}

int CThreadNetInstall::waitForCmdResponse(int timeoutMs)
{
    if (!m_pTcp->waitForReadyRead(timeoutMs)) {
        if (m_blCancel.load())
            return -1;
        fail(NI_ERROR_CMD_TIMEOUT);
        qDebug("wait for Command-Reponse timeout!\n");
        return -1;
    }
    NI_REPLY reply;
    if (m_pTcp->receiveProgress(&reply) < 0) {
        qDebug("read progress error!\n");
        fail(NI_ERROR_RECEIVE);
        return -1;
    }
    if (reply.ulWord[NI_REPLY_ERROR] != 0) {
        fail(reply.ulWord[NI_REPLY_ERROR]);
        qDebug("NetInstall error occur! errCode:(%d)\n", int(reply.ulWord[NI_REPLY_ERROR]));
        return -1;
    }
    return 0;
}

int CThreadNetInstall::waitToNextStage(int target)
{
    if (target <= m_nStage.load())
        return 0;
    for (;;) {
        if (m_blCancel.load())
            return -1;
        if (m_pTcp->writePacket(NI_CMD_QUERY) < 0) {
            fail(NI_ERROR_SEND_QUERY);
            return -1;
        }
        if (!m_pTcp->waitForReadyRead(COMMAND_REPLY_WAIT_MS)) {
            if (m_blCancel.load())
                return -1;
            fail(NI_ERROR_RECEIVE);
            qDebug("wait for Command-Reponse timeout!\n");
            return -1;
        }
        NI_REPLY reply;
        if (m_pTcp->receiveProgress(&reply) < 0) {
            fail(NI_ERROR_RECEIVE);
            return -1;
        }
        if (reply.ulWord[NI_REPLY_ERROR] != 0) {
            fail(reply.ulWord[NI_REPLY_ERROR]);
            return -1;
        }
        if (reply.ulWord[NI_REPLY_STAGE] != 0) {
            m_nStage.store(int(reply.ulWord[NI_REPLY_STAGE]));
            m_nPercent.store(int(reply.ulWord[NI_REPLY_PERCENT]));
        }
        // A finished stage moves on even before the server reports the next one.
        if (m_nPercent.load() == 100) {
            m_nStage.store(m_nStage.load() + 1);
            m_nPercent.store(0);
        }
        if (!sleepMs(STAGE_POLL_MS))
            return -1;
        if (m_nStage.load() >= target)
            return 0;
    }
}

int CThreadNetInstall::rebootWait(int limitMs)
{
    m_nPercent.store(0);
    m_nRebootState.store(REBOOT_WAITING);
    // The answers are taken in this thread, only while the wait processes its events.
    QObject receiver;
    if (m_pUdp) {
        connect(m_pUdp, &CFindHostUDP::signalRecvPkt, &receiver,
                [this](NASINFO nasInfo) { slotVerifyRebootRcvPkt(nasInfo); });
    }
    for (;;) {
        if (isRebootFinished()) {
            qDebug("(%s):%d Reboot Finished!", SRC, __LINE__);
            break;
        }
        if (qint64(m_nPercent.load()) * 1000 >= limitMs || m_blCancel.load())
            break;
        processEvents();
        m_nPercent.store(m_nPercent.load() + 1);
        sleepMs(REBOOT_STEP_MS);
    }
    if (m_pUdp)
        disconnect(m_pUdp, nullptr, &receiver, nullptr);

    if (limitMs > qint64(m_nPercent.load()) * 1000)
        return 0;
    m_nRebootState.store(REBOOT_TIMEOUT);
    qDebug("NI: wait for rebooting timeout!\n");
    return 0;
}

void CThreadNetInstall::setFinalTime()
{
    // Real seconds: the installation's own duration, whatever the waits were scaled to.
    const qint64 seconds = qAbs(m_startTime.secsTo(QDateTime::currentDateTime()));
    m_pNasConfig->setDateTime(advanceDateTime(m_pNasConfig->getDateTime(), seconds));
    VORK_DEBUG_STR(SRC, "m_pNasConfig->getDateTime()", m_pNasConfig->getDateTime());
}

const NASINFO *CThreadNetInstall::getNasinfo() const
{
    return m_pnasInfo;
}

unsigned long CThreadNetInstall::getPatchBuild()
{
    const unsigned long known = m_ulPatchBuild.load();
    if (known != 0)
        return known;
    unsigned long build = 0;
    CWizInstIntro::matchPatchFile(m_pNasConfig->getPatPath(), m_pnasInfo, &build);
    m_ulPatchBuild.store(build);
    return build;
}

bool CThreadNetInstall::sleepMs(int programMs)
{
    return CWaitScale::sleepUnlessStopped(programMs, m_blCancel);
}

void CThreadNetInstall::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
