#include "CThreadSysRecovery.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

#include "CFindHostUDP.h"
#include "CQuenTCP.h"
#include "CWaitScale.h"
#include "NasinfoText.h"
#include "RebootPacket.h"
#include "VorkDebug.h"

namespace {

const char *const SRC = "src/CThreadSysRecovery";


} // namespace

CThreadSysRecovery::CThreadSysRecovery(QObject *parent, const NASINFO *pnasInfo, CFindHostUDP *udp)
    : QThread(parent),
      m_pnasInfo(newNasinfoCopy(pnasInfo)),
      m_pTcp(nullptr),
      m_pUdp(udp),
      m_usPort(RECOVERY_PORT),
      m_nPercent(0),
      m_nStage(STAGE_NONE),
      m_nError(0),
      m_nRemaining(0),
      m_nRebootState(REBOOT_NONE),
      m_nTotal(1),
      m_blResponseSeen(false),
      m_nResponseWait(RESPONSE_WAIT_S),
      m_nRecoveryEstimate(RECOVERY_ESTIMATE_MS),
      m_blStop(false)
{
    // The answers arrive through queued connections, which copy the record as a meta type.
    qRegisterMetaType<NASINFO>("NASINFO");
    nasinfoCopyText(m_szMac, m_pnasInfo->szMac);
}

CThreadSysRecovery::~CThreadSysRecovery()
{
    // Deleting a running QThread is fatal; stop the recovery first. Every wait of run() watches
    // the stop flag, so the unbounded wait after the bounded one still ends.
    terminate();
    if (isRunning())
        wait();
    delete m_pTcp;
    delete m_pnasInfo;
}

int CThreadSysRecovery::getStage() const
{
    return m_nStage.load();
}

int CThreadSysRecovery::getProgress() const
{
    return m_nPercent.load();
}

int CThreadSysRecovery::getError() const
{
    return m_nError.load();
}

int CThreadSysRecovery::getRemaining() const
{
    return m_nRemaining.load();
}

int CThreadSysRecovery::getRebootState() const
{
    return m_nRebootState.load();
}

bool CThreadSysRecovery::isResponseSeen() const
{
    return m_blResponseSeen.load();
}

bool CThreadSysRecovery::isStopRequested() const
{
    return m_blStop.load();
}

const NASINFO *CThreadSysRecovery::getNasinfo() const
{
    return m_pnasInfo;
}

void CThreadSysRecovery::terminate()
{
    if (!isRunning())
        return;
    m_blStop.store(true);
    if (QThread::currentThread() == this)
        return; // run() sees the flag at its next slice
    if (!wait(STOP_WAIT_MS))
        qDebug("(%s):%d the recovery did not stop within %d ms", SRC, __LINE__, STOP_WAIT_MS);
}

void CThreadSysRecovery::slotRecoveryRespReceived(NASINFO nasInfo)
{
    if (nasInfo.ulPacketType != RECOVERY_ANSWER_TYPE) {
        qDebug("Not a recovery response packet. ignore it.");
        return;
    }
    if ((nasInfo.ulFindHostVersion & RECOVERY_VERSION_BIT) == 0) {
        qDebug("packet version incorrect. ");
        return;
    }
    if (nasinfoBytes(nasInfo.szMac) != nasinfoBytes(m_szMac)) {
        qDebug("the packet mac-address does not match. ");
        return;
    }
    if (m_pUdp) {
        disconnect(m_pUdp, &CFindHostUDP::signalRecvPkt, this,
                   &CThreadSysRecovery::slotRecoveryRespReceived);
    }
    m_blResponseSeen.store(true);
}

void CThreadSysRecovery::slotVerifyRebootRcvPkt(NASINFO nasInfo)
{
    takeRebootPacket(SRC, nasInfo, m_szMac, m_nRebootState, REBOOT_FINISHED, REBOOT_OTHER);
}

void CThreadSysRecovery::run()
{
    delete m_pTcp;
    m_pTcp = new CQuenTCP();
    m_pTcp->setStopFlag(&m_blStop);

    runSteps();

    // Everything of this thread is put to rest here: no answer slot stays connected, and the
    // socket is closed and destroyed by the thread it belongs to.
    disconnectAnswers();
    m_pTcp->close();
    delete m_pTcp;
    m_pTcp = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CThreadSysRecovery::fail(int error)
{
    // Error and percent first: a reader that sees the failed stage sees its error too.
    m_nError.store(error);
    m_nPercent.store(100);
    m_nStage.store(STAGE_FAILED);
}

bool CThreadSysRecovery::runSteps()
{
    const QString address = ipToString(m_pnasInfo->ulIP);
    VORK_DEBUG_STR(SRC, "address", address);
    m_blResponseSeen.store(false);

    if (m_pUdp) {
        connect(m_pUdp, &CFindHostUDP::signalRecvPkt, this,
                &CThreadSysRecovery::slotRecoveryRespReceived);
    }
    CFindHostUDP::sendPktSysRecovery(RESPONSE_SEND_TIMES);
    m_nPercent.store(0);
    m_nStage.store(STAGE_BROADCAST);

    if (!waitForResponse()) {
        if (m_blStop.load())
            return false;
        fail(ERR_NO_ANSWER);
        qDebug("wait for recovery response timeout!");
        return false;
    }

    m_nPercent.store(90);
    if (m_blStop.load())
        return false;
    if (m_pTcp->connectToHost(address, m_usPort) < 0) {
        if (m_blStop.load())
            return false;
        fail(ERR_OPEN_SOCKET);
        qDebug("open TCP socekt failed!");
        return false;
    }

    m_nPercent.store(0);
    m_nRemaining.store(m_nRecoveryEstimate / 1000);
    m_nStage.store(STAGE_RECOVERING);
    if (m_pTcp->writePacket(NI_CMD_RECOVERY) < 0) {
        fail(ERR_SEND_RECOVERY);
        qDebug("TCP start recovery error!");
        return false;
    }
    if (waitForRecoveryResponse(m_nRecoveryEstimate) < 0) {
        if (m_blStop.load())
            return false;
        fail(ERR_REPLY);
        qDebug(" waitFor TCP-recovery CmdResponse error!");
        return false;
    }

    m_nPercent.store(0);
    m_nRemaining.store(REBOOT_WAIT_MS / 1000);
    m_nStage.store(STAGE_REBOOTING);
    if (m_blStop.load())
        return false;
    if (m_pTcp->writePacket(NI_CMD_REBOOT) < 0) {
        fail(ERR_SEND_REBOOT);
        qDebug("send reboot command error!");
        return false;
    }
    if (waitForCmdResponse(COMMAND_REPLY_WAIT_MS) < 0) {
        if (m_blStop.load())
            return false;
        fail(ERR_REPLY);
        qDebug("waitFor TCP-reboot CmdResponse error!");
        return false;
    }

    if (waitForRebootFinished(REBOOT_WAIT_MS) < 0) {
        if (!m_blStop.load())
            qDebug("SysRecovery: waitForRebootFinished error!");
        return false;
    }
    m_nPercent.store(100);
    m_nStage.store(STAGE_DONE);
    return true;
}

bool CThreadSysRecovery::waitForResponse()
{
    // One look at once, then one after each of the nine one-second sleeps: 9, 18, ... 90.
    const int step = 90 / m_nResponseWait;
    m_nPercent.store(step);
    bool seen = m_blResponseSeen.load();
    for (int i = 1; !seen && i < m_nResponseWait; ++i) {
        if (!sleepMs(STEP_MS))
            break;
        m_nPercent.store(step * (i + 1));
        seen = m_blResponseSeen.load();
    }
    // An answer that comes in after the wait gave up changes nothing.
    if (m_pUdp) {
        disconnect(m_pUdp, &CFindHostUDP::signalRecvPkt, this,
                   &CThreadSysRecovery::slotRecoveryRespReceived);
    }
    if (!seen && !m_blStop.load())
        qDebug("wait for broadcmd timeout!");
    return seen && !m_blStop.load();
}

int CThreadSysRecovery::waitForRecoveryResponse(int timeoutMs)
{
    const int seconds = timeoutMs / 1000;
    if (seconds < 1) {
        m_nError.store(ERR_REPLY);
        qDebug("wait for Command-Reponse timeout!");
        return -1;
    }
    m_nTotal = seconds;
    m_nRemaining.store(seconds);
    for (;;) {
        if (m_blStop.load())
            return -1;
        if (m_pTcp->waitForReadyRead(STEP_MS)) {
            NI_REPLY reply;
            if (m_pTcp->receiveProgress(&reply) < 0) {
                m_nError.store(ERR_REPLY_UNREADABLE);
                qDebug("read progress error!");
                return -1;
            }
            const int code = int(reply.ulWord[NI_REPLY_ERROR]);
            if (code != 0) {
                m_nError.store(code);
                qDebug("System Recovery error occur! errCode:(%d)", code);
                return -1;
            }
            return 0;
        }
        if (m_blStop.load())
            return -1;
        const int remaining = m_nRemaining.load() - 1;
        m_nRemaining.store(remaining);
        m_nPercent.store((m_nTotal - remaining) * 100 / m_nTotal);
        if (remaining <= 0)
            break;
    }
    m_nError.store(ERR_REPLY);
    qDebug("wait for Command-Reponse timeout!");
    return -1;
}

int CThreadSysRecovery::waitForCmdResponse(int timeoutMs)
{
    if (!m_pTcp->waitForReadyRead(timeoutMs)) {
        if (m_blStop.load())
            return -1;
        m_nError.store(ERR_REPLY);
        qDebug("wait for Command-Reponse timeout!");
        return -1;
    }
    NI_REPLY reply;
    if (m_pTcp->receiveProgress(&reply) < 0) {
        m_nError.store(ERR_REPLY_UNREADABLE);
        qDebug("read progress error!");
        return -1;
    }
    const int code = int(reply.ulWord[NI_REPLY_ERROR]);
    if (code != 0) {
        m_nError.store(code);
        qDebug("NetInstall error occur! errCode:(%d)", code);
        return -1;
    }
    return 0;
}

int CThreadSysRecovery::waitForRebootFinished(int timeoutMs)
{
    const int seconds = timeoutMs / 1000;
    m_nTotal = seconds < 1 ? 1 : seconds;
    m_nRemaining.store(seconds);
    m_nRebootState.store(REBOOT_NONE);
    if (m_pUdp) {
        connect(m_pUdp, &CFindHostUDP::signalRecvPkt, this,
                &CThreadSysRecovery::slotVerifyRebootRcvPkt);
    }
    bool finished = false;
    for (;;) {
        if (m_nRebootState.load() == REBOOT_FINISHED) {
            qDebug("(%s):%d Reboot Finished!", SRC, __LINE__);
            finished = true;
            break;
        }
        if (m_nRemaining.load() < 1 || m_blStop.load())
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const int remaining = m_nRemaining.load() - 1;
        m_nRemaining.store(remaining);
        m_nPercent.store((m_nTotal - remaining) * 100 / m_nTotal);
        sleepMs(STEP_MS);
    }
    if (m_pUdp) {
        disconnect(m_pUdp, &CFindHostUDP::signalRecvPkt, this,
                   &CThreadSysRecovery::slotVerifyRebootRcvPkt);
    }
    if (finished)
        return 0;
    if (m_blStop.load())
        return -1;
    fail(ERR_NOT_BACK);
    m_nRebootState.store(REBOOT_OTHER);
    qDebug("SysRecovery: wait for rebooting timeout!");
    return -1;
}

void CThreadSysRecovery::disconnectAnswers()
{
    if (!m_pUdp)
        return;
    disconnect(m_pUdp, &CFindHostUDP::signalRecvPkt, this,
               &CThreadSysRecovery::slotRecoveryRespReceived);
    disconnect(m_pUdp, &CFindHostUDP::signalRecvPkt, this,
               &CThreadSysRecovery::slotVerifyRebootRcvPkt);
}

bool CThreadSysRecovery::sleepMs(int programMs)
{
    return CWaitScale::sleepUnlessStopped(programMs, m_blStop);
}
