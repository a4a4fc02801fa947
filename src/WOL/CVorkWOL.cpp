#include "CVorkWOL.h"

#include <QHostAddress>
#include <QStringList>
#include <QTimer>

#include <cstring>

#include "CWOLConfig.h"
#include "NasinfoText.h"
#include "platforms.h"

namespace {

const char kSource[] = "src/WOL/CVorkWOL";

// Wall-clock interval of one tick (see setTickIntervalMs).
int g_tickIntervalMs = CVorkWOL::TICK_MS;

// The time-out field of the send connection; the sender itself does not wait.
const int kSendTimeout = 4;

} // namespace

CVorkWOL::CVorkWOL(QObject *packetSource)
    : QObject(nullptr)
    , m_timeout(WAKE_TIMEOUT_MS)
    , m_elapsed(0)
    , m_pPacketSource(packetSource)
    , m_status(STATUS_IDLE)
    , m_pTimer(nullptr)
{
}

void CVorkWOL::setTickIntervalMs(int ms)
{
    g_tickIntervalMs = ms < 1 ? TICK_MS : ms;
}

int CVorkWOL::tickIntervalMs()
{
    return g_tickIntervalMs;
}

bool CVorkWOL::buildMagicPacket(const QString &macAddress, QByteArray *packet)
{
    const QStringList parts = macAddress.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (parts.size() < 6 || !packet)
        return false;
    char mac[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const uint value = parts.at(i).toUInt(&ok, 16);
        mac[i] = ok ? char(value & 0xFF) : 0;
    }
    QByteArray bytes(MAGIC_PACKET_LEN, char(0xFF));
    for (int n = 0; n < 16; ++n)
        memcpy(bytes.data() + 6 + 6 * n, mac, sizeof(mac));
    *packet = bytes;
    return true;
}

int CVorkWOL::wake(CWOLConfig *pWolConfig)
{
    if (!pWolConfig)
        return -1;

    // The address must resolve even for a host on the local network, whose packet is broadcast.
    uint32_t hostAddr = 0;
    if (!resolveHostIPv4(&hostAddr, pWolConfig->getAddrName())) {
        qDebug("%s:%d %s=[%s\n]\n", kSource, __LINE__,
               "(pWolConfig->getAddrName()).toAscii().data()",
               pWolConfig->getAddrName().toUtf8().constData());
        return -1;
    }

    FHOSTCONN conn;
    memset(&conn, 0, sizeof(conn));
    const QByteArray dest = pWolConfig->getNetwork() == 0
        ? QByteArray(FHOST_BROADCAST_ADDR)
        : QHostAddress(hostAddr).toString().toLatin1();
    // A dotted IPv4 text has at most 15 characters; the field keeps its terminating NUL.
    strncpy(conn.szAddr, dest.constData(), sizeof(conn.szAddr) - 1);
    conn.usPort = uint16_t(pWolConfig->getPortNum());
    conn.nTimeout = kSendTimeout;
    conn.pfnStop = nullptr;
    conn.pLogCtx = gpFHOSTLogCtx;

    NETIF netIf[FHOST_IFACE_MAX];
    memset(netIf, 0, sizeof(netIf));
    const int count = FHOSTIfaceInit(gpFHOSTLogCtx, netIf, FHOST_IFACE_MAX);
    if (count < 1) {
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR,
                 "%s:%d get physical interface error or no interface\n", kSource, __LINE__);
        return -1;
    }
    FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d FHOSTIfaceInit number of interafce: %d\n",
             kSource, __LINE__, count);

    QByteArray packet;
    if (!buildMagicPacket(pWolConfig->getMacAddress(), &packet)) {
        // Only a hand-edited settings store gives a MAC text of fewer than six fields.
        qDebug("%s:%d %s=[%s]\n", kSource, __LINE__,
               "(pWolConfig->getMacAddress()).toAscii().data()",
               pWolConfig->getMacAddress().toUtf8().constData());
        return -1;
    }

    for (int i = 0; i < count; ++i) {
        if (!netIf[i].ulActive)
            continue;
        if (FHOSTUDPSend(gpFHOSTLogCtx, packet.constData(), packet.size(), &conn, &netIf[i], 1)
            != packet.size())
            FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d Send error\n", kSource, __LINE__);
    }
    // Once more unbound: the system picks route and source. The sender wants an interface
    // record even then; it only reads it for bound sends.
    FHOSTUDPSend(gpFHOSTLogCtx, packet.constData(), packet.size(), &conn, &netIf[count - 1], 0);

    m_elapsed = 0;
    m_status = STATUS_WAITING;
    m_strMac = pWolConfig->getMacAddress();

    if (!m_pTimer) {
        m_pTimer = new QTimer(this);
        connect(m_pTimer, SIGNAL(timeout()), this, SLOT(slotUpdateProg()));
    }
    m_pTimer->start(g_tickIntervalMs);

    // Unique, so that waking again while waiting does not deliver each answer twice.
    if (m_pPacketSource)
        connect(m_pPacketSource, SIGNAL(signalRecvPkt(NASINFO)), this,
                SLOT(slotRespPktRecv(NASINFO)), Qt::UniqueConnection);
    return 0;
}

void CVorkWOL::slotRespPktRecv(NASINFO nasInfo)
{
    if (nasInfo.ulPacketType != FHOST_PKT_BRESPONSE
        || nasinfoText(nasInfo.szMac).compare(m_strMac, Qt::CaseInsensitive) != 0)
        return;
    m_status = STATUS_ANSWERED;
    m_elapsed = m_timeout;
    stopWaiting();
}

void CVorkWOL::slotUpdateProg()
{
    if (m_elapsed < m_timeout) {
        m_elapsed += TICK_MS;
        return;
    }
    m_elapsed = m_timeout;
    m_status = STATUS_TIMED_OUT;
    stopWaiting();
}

void CVorkWOL::stopWaiting()
{
    if (m_pTimer)
        m_pTimer->stop();
    if (m_pPacketSource)
        disconnect(m_pPacketSource, SIGNAL(signalRecvPkt(NASINFO)), this,
                   SLOT(slotRespPktRecv(NASINFO)));
}
