#include "CFindHostUDP.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QtEndian>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "CNasConfig.h"
#include "CWaitScale.h"
#include "FindHostRequests.h"
#include "VorkDebug.h"

namespace {

const char *const SRC = "src/CFindHostUDP";

// Every command goes to the limited broadcast address (FHOST_BROADCAST_ADDR) on the discovery
// port.
const uint16_t COMMAND_PORT = 9999;
const int COMMAND_TIMEOUT = 4;

FHOSTLOGCTX s_fhostLogCtx = {};

// The running listener; null when none runs or it was told to stop (null means stop).
std::atomic<CFindHostUDP *> CFindHostInstance{nullptr};

// Held by run() for the whole listening time: one listener at a time.
QMutex &serverMutex()
{
    static QMutex mutex;
    return mutex;
}

// Guards the registry of accepted packet types.
QMutex &registryMutex()
{
    static QMutex mutex;
    return mutex;
}

// Packet types whose records are passed on; FHOST_PKT_ALL passes every type. Class-wide: it
// outlives every instance and is never emptied.
QList<int> &registry()
{
    static QList<int> types;
    return types;
}

// Held from the handler's look at the running instance until its record has been emitted, and
// by terminate() while it clears the instance: once terminate() has cleared it, nothing more is
// emitted, even for a record the loop had already read.
QMutex &deliveryMutex()
{
    static QMutex mutex;
    return mutex;
}

const QString &defaultBindAddress()
{
    static const QString text = QStringLiteral("0.0.0.0");
    return text;
}

// Clears the running instance when it is `instance`; a stop of one instance never stops another.
void clearInstance(CFindHostUDP *instance)
{
    CFindHostUDP *expected = instance;
    CFindHostInstance.compare_exchange_strong(expected, nullptr);
}

// A text slot of a record up to its NUL or its end.
template <size_t N>
QByteArray slotText(const char (&slot)[N])
{
    return QByteArray(slot, int(qstrnlen(slot, N)));
}

QByteArray addressText(uint32_t address)
{
    return ipToString(address).toLatin1();
}

// The common frame of every command: the broadcast connection on the caller's stack.
void initCommandConnection(FHOSTCONN *conn)
{
    memset(conn, 0, sizeof(*conn));
    static_assert(sizeof(FHOST_BROADCAST_ADDR) <= sizeof(conn->szAddr), "address text fits");
    memcpy(conn->szAddr, FHOST_BROADCAST_ADDR, sizeof(FHOST_BROADCAST_ADDR));
    conn->usPort = COMMAND_PORT;
    conn->nTimeout = COMMAND_TIMEOUT;
    conn->pfnStop = nullptr;
    conn->pLogCtx = gpFHOSTLogCtx;
}

enum PauseRule { PAUSE_AFTER_EVERY, PAUSE_BETWEEN };

// Broadcasts the request nSendTimes times with the pause after every repeat or only between
// repeats. The same request goes out every time, so every repeat appends the interfaces' 0x7c
// items once more; peers see exactly that. `round` (may be null) writes the debug line of a
// repeat before its pause. True when the last broadcast succeeded.
bool broadcastRepeats(FHOSTSEND *request, int nSendTimes, unsigned long pause, PauseRule rule,
                      void (*round)(int))
{
    FHOSTCONN conn;
    initCommandConnection(&conn);
    int result = -1;
    for (int i = 0; i < nSendTimes; ++i) {
        result = FHOSTUDPBroadcastQuery(&conn, request);
        if (rule == PAUSE_AFTER_EVERY || i < nSendTimes - 1) {
            if (round)
                round(i);
            QThread::msleep(static_cast<unsigned long>(CWaitScale::ms(int(pause * 1000))));
        }
    }
    return result == 0;
}

void quickConfRound(int i)
{
    qDebug("%s:%d %s=[sendQuickPkt-round: %d]\n", SRC, __LINE__, "slotSendPktQCF", i);
}

void netSettingRound(int i)
{
    qDebug("%s:%d %s=[sendNetSetting-round: %d]\n", SRC, __LINE__, "slotSendPktNetSet", i);
}

// Records per block of the outbox's store (about half a megabyte).
const int OUTBOX_BLOCK = 32;
// Blocks the store keeps once a burst has been handed on; more are freed again.
const size_t OUTBOX_KEEP_BLOCKS = 4;
// Records waiting at most: beyond that the listening thread waits for room, and the socket's own
// buffer takes the rest (a flood must not take all memory).
const size_t OUTBOX_MAX_RECORDS = 4096;
// Fewer records than this wake the delivery thread, which then waits OUTBOX_GATHER_US for more.
const size_t OUTBOX_GATHER = 32;
const int OUTBOX_GATHER_US = 500;

} // namespace

// Accepted records between the listening loop and the receivers. The loop's handler copies a
// record into a free slot and returns to its socket at once; the delivery thread takes the
// queued records in arrival order and hands each to slotRecvPkt, which writes the debug line and
// emits the signal (Qt copies the record once per receiver). Slots come from blocks that are
// reused, so handing on a record allocates nothing once the store has grown to the burst.
class CFindHostUDP::Outbox
{
public:
    explicit Outbox(CFindHostUDP *owner) : m_owner(owner) {}
    ~Outbox() { stop(false); }

    // Starts the delivery thread (once per run of the listener).
    void start()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_thread.joinable())
            return;
        m_stop = false;
        m_deliverRest = false;
        m_thread = std::thread([this] { deliver(); });
        m_threadId = m_thread.get_id();
    }

    // Ends the delivery thread. With deliverRest the queued records are handed on first;
    // otherwise they are dropped. Not from the delivery thread itself.
    void stop(bool deliverRest)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_thread.joinable())
                return;
            m_stop = true;
            m_deliverRest = deliverRest;
        }
        m_wake.notify_all();
        m_room.notify_all();
        m_thread.join();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_threadId = std::thread::id();
        for (NASINFO *record : m_ready)
            m_free.push_back(record);
        m_ready.clear();
        trim();
    }

    // Queues a copy of the record (listening thread). False when the outbox is stopping.
    bool push(const NASINFO &record)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        // A full queue waits for the delivery, but never past a stop of the instance.
        while (!m_stop && m_ready.size() >= OUTBOX_MAX_RECORDS) {
            if (CFindHostInstance.load() != m_owner)
                return false;
            m_room.wait_for(lock, std::chrono::milliseconds(100));
        }
        if (m_stop)
            return false;
        if (m_free.empty())
            grow();
        NASINFO *slot = m_free.back();
        m_free.pop_back();
        memcpy(slot, &record, sizeof(*slot));
        m_ready.push_back(slot);
        const bool wake = m_waiting;
        lock.unlock();
        if (wake)
            m_wake.notify_one();
        return true;
    }

    bool onDeliveryThread() const { return m_threadId.load() == std::this_thread::get_id(); }

private:
    void grow()
    {
        m_blocks.emplace_back(new NASINFO[OUTBOX_BLOCK]);
        NASINFO *block = m_blocks.back().get();
        for (int i = OUTBOX_BLOCK - 1; i >= 0; --i)
            m_free.push_back(block + i);
    }

    // Frees the blocks beyond the ones kept. Only while no slot is queued or being delivered.
    void trim()
    {
        if (m_blocks.size() <= OUTBOX_KEEP_BLOCKS || !m_ready.empty())
            return;
        m_blocks.resize(OUTBOX_KEEP_BLOCKS);
        m_free.clear();
        for (auto &block : m_blocks)
            for (int i = OUTBOX_BLOCK - 1; i >= 0; --i)
                m_free.push_back(block.get() + i);
    }

    void deliver()
    {
        std::vector<NASINFO *> batch;
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_waiting = true;
            // A quiet second after a burst gives the store's extra blocks back.
            if (!m_wake.wait_for(lock, std::chrono::seconds(1),
                                 [this] { return m_stop || !m_ready.empty(); })) {
                m_waiting = false;
                trim();
                continue;
            }
            m_waiting = false;
            if (m_stop && (!m_deliverRest || m_ready.empty()))
                return;
            if (!m_stop && m_ready.size() < OUTBOX_GATHER) {
                // The first records of a burst: a moment's wait lets the rest join them, so the
                // listening thread does not wake this one for every record.
                lock.unlock();
                std::this_thread::sleep_for(std::chrono::microseconds(OUTBOX_GATHER_US));
                lock.lock();
            }
            batch.swap(m_ready);
            lock.unlock();
            m_room.notify_all();
            for (NASINFO *record : batch) {
                // terminate() clears the instance under the delivery lock: from then on
                // nothing more is emitted, even for records already queued.
                QMutexLocker delivery(&deliveryMutex());
                if (CFindHostInstance.load() == m_owner)
                    m_owner->deliver(*record);
            }
            lock.lock();
            m_free.insert(m_free.end(), batch.begin(), batch.end());
            batch.clear();
        }
    }

    CFindHostUDP *const m_owner;
    std::mutex m_mutex;
    std::condition_variable m_wake; // records queued, or stop
    std::condition_variable m_room; // room in the queue, or stop
    std::vector<NASINFO *> m_ready; // queued, oldest first
    std::vector<NASINFO *> m_free;
    std::vector<std::unique_ptr<NASINFO[]>> m_blocks;
    bool m_waiting = false;
    bool m_stop = false;
    bool m_deliverRest = false;
    std::thread m_thread;
    std::atomic<std::thread::id> m_threadId{};
};

FHOSTLOGCTX *gpFHOSTLogCtx = &s_fhostLogCtx;

QString ipToString(uint32_t addressInNetworkOrder)
{
    return QHostAddress(qFromBigEndian<quint32>(addressInNetworkOrder)).toString();
}

CFindHostUDP::CFindHostUDP(QObject *parent, int timeout, int port, const QString &bindAddress)
    : QThread(parent),
      m_timeout(timeout),
      m_port(port),
      m_bindAddress(bindAddress.isEmpty() ? defaultBindAddress() : bindAddress),
      m_outbox(new Outbox(this))
{
    memset(&m_recv, 0, sizeof(m_recv));
    memset(&m_listen, 0, sizeof(m_listen));
    FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, findhostPrintSink);
    m_recv.pfnLock = nullptr;
    m_recv.pfnFilter = &CFindHostUDP::findhostRecvFilter;
    m_recv.pfnHandler = &CFindHostUDP::findhostRecvHandler;
    m_recv.pfnProgress = &CFindHostUDP::findhostRecvProgress;
    m_listen.pfnStop = &CFindHostUDP::findhostStopCheck;
    m_listen.pLogCtx = gpFHOSTLogCtx;
}

CFindHostUDP::~CFindHostUDP()
{
    // A QThread destroyed while it runs ends the process; stop the listener first.
    if (isRunning())
        terminate();
}

void CFindHostUDP::addRecvPktType(int type)
{
    QMutexLocker lock(&registryMutex());
    if (!registry().contains(type))
        registry().append(type);
}

int CFindHostUDP::findhostStopCheck()
{
    return CFindHostInstance.load() == nullptr ? 1 : 0;
}

int CFindHostUDP::findhostRecvFilter(NASINFO *pnasInfo)
{
    QMutexLocker lock(&registryMutex());
    if (!pnasInfo) {
        qDebug("%s:%d \n", SRC, __LINE__);
        return -1;
    }
    if (registry().contains(FHOST_PKT_ALL))
        return 1;
    return registry().contains(int(pnasInfo->ulPacketType)) ? 1 : 0;
}

int CFindHostUDP::findhostRecvHandler(NASINFO *pnasInfo)
{
    if (!pnasInfo)
        return -1;
    CFindHostUDP *instance = CFindHostInstance.load();
    if (!instance) {
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d There is no CFindHostInstance\n", SRC,
                 __LINE__);
        return -1;
    }
    // The loop reuses its record for the next datagram: a copy goes to the outbox, which the
    // instance's delivery thread hands on.
    return instance->m_outbox->push(*pnasInfo) ? 0 : -1;
}

void CFindHostUDP::findhostRecvProgress(int timeout, int elapsed, int reserved)
{
    Q_UNUSED(timeout);
    Q_UNUSED(elapsed);
    Q_UNUSED(reserved);
    CFindHostUDP *instance = CFindHostInstance.load();
    if (instance)
        instance->m_listening.store(true);
}

bool CFindHostUDP::isListening() const
{
    return m_listening.load();
}

bool CFindHostUDP::waitForListening(int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (!m_listening.load() && !isFinished() && timer.elapsed() < timeoutMs)
        QThread::msleep(5);
    return m_listening.load();
}

void CFindHostUDP::run()
{
    // A second listener waits here until the first has stopped, unless it is stopped itself.
    while (!serverMutex().tryLock(100)) {
        if (m_stopRequested.load()) {
            m_stopRequested.store(false);
            exit(0);
            return;
        }
    }

    const QByteArray address = m_bindAddress.toLocal8Bit().left(int(sizeof(m_listen.szAddr)) - 1);
    memset(m_listen.szAddr, 0, sizeof(m_listen.szAddr));
    memcpy(m_listen.szAddr, address.constData(), size_t(address.size()));
    m_listen.usPort = uint16_t(m_port);
    m_listen.nTimeout = m_timeout;
    m_listen.pfnStop = &CFindHostUDP::findhostStopCheck;
    m_listen.pLogCtx = gpFHOSTLogCtx;

    m_outbox->start();
    CFindHostInstance.store(this);
    // A stop asked for before the instance was set would have found nothing to clear.
    if (m_stopRequested.load())
        clearInstance(this);

    int code = 0;
    if (FHOSTUDPServerRun(&m_listen, &m_recv, nullptr, nullptr) == -1) {
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d Server run error!\n", SRC, __LINE__);
        code = -1;
    }

    m_listening.store(false);
    // A loop that ended by its time-out hands on what it has read; after a stop nothing more
    // goes out.
    m_outbox->stop(CFindHostInstance.load() == this);
    clearInstance(this);
    // A stop asked for has been served; a later start() listens again.
    m_stopRequested.store(false);
    exit(code);
    serverMutex().unlock();
}

void CFindHostUDP::terminate()
{
    m_stopRequested.store(true);
    if (QThread::currentThread() == this || m_outbox->onDeliveryThread()) {
        // Asked from the listening thread or from the delivery thread (a receiver connected
        // directly, which runs while the delivery lock is held): the loop ends at its next stop
        // test, and run() then ends the delivery.
        clearInstance(this);
        return;
    }
    {
        QMutexLocker lock(&deliveryMutex());
        clearInstance(this);
    }
    // The loop asks the stop test once per turn, so it ends by itself within one turn. Only a
    // thread that is still stuck after that is killed.
    if (!wait(STOP_WAIT_MS)) {
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d listener did not stop, terminating\n",
                 SRC, __LINE__);
        QThread::terminate();
        wait(STOP_WAIT_MS);
    }
    m_stopRequested.store(false);
}

void CFindHostUDP::slotRecvPkt(NASINFO nasInfo)
{
    deliver(nasInfo);
}

void CFindHostUDP::deliver(const NASINFO &nasInfo)
{
    // The texts of the log line are made only while the debug log takes level 2.
    if (gpFHOSTLogCtx->pfnOutputL2)
        logRecord(nasInfo);
    emit signalRecvPkt(nasInfo);
}

void CFindHostUDP::logRecord(const NASINFO &nasInfo)
{
    const QByteArray from = slotText(nasInfo.szServerName);
    const QByteArray mac = slotText(nasInfo.szMac);
    const QByteArray ip = addressText(nasInfo.ulIP);
    const QByteArray remoteIP = addressText(nasInfo.ulRemoteIP);
    const long con = long(nasInfo.ulConnected);
    const long conf = long(nasInfo.ulConfigured);
    const long err = long(nasInfo.ulErrCode);

    switch (nasInfo.ulPacketType) {
    case FHOST_PKT_BRESPONSE:
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_DETAIL,
                 "%s:%d BResponse from %s, con=%ld, IP=%s, mac=%s, conf=%ld, RemoteIP=%s", SRC,
                 __LINE__, from.constData(), con, ip.constData(), mac.constData(), conf,
                 remoteIP.constData());
        break;
    case FHOST_PKT_JRESPONSE:
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_DETAIL,
                 "%s:%d JResponse from %s, con=%ld, IP=%s, mac=%s, conf=%ld, RemoteIP=%s", SRC,
                 __LINE__, from.constData(), con, ip.constData(), mac.constData(), conf,
                 remoteIP.constData());
        break;
    case FHOST_PKT_QCF:
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_DETAIL,
                 "%s:%d QCF from %s, con=%ld, IP=%s, mac=%s, conf=%ld, err=%ld, RemoteIP=%s", SRC,
                 __LINE__, from.constData(), con, ip.constData(), mac.constData(), conf, err,
                 remoteIP.constData());
        break;
    case FHOST_PKT_NETSET:
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_DETAIL,
                 "%s:%d NSET from %s, con=%ld, IP=%s, mac=%s, conf=%ld, err=%ld, RemoteIP=%s", SRC,
                 __LINE__, from.constData(), con, ip.constData(), mac.constData(), conf, err,
                 remoteIP.constData());
        break;
    default:
        break;
    }
}

bool CFindHostUDP::slotSendPktBroadCast(int nSendTimes)
{
    if (nSendTimes <= 0)
        return false;
    NASINFO nasInfo;
    FHOSTSEND request;
    if (!findhostBuildSearch(&nasInfo, &request))
        return false;
    return broadcastRepeats(&request, nSendTimes, PAUSE_SEARCH, PAUSE_AFTER_EVERY, nullptr);
}

bool CFindHostUDP::slotSendPktBroadCast()
{
    return slotSendPktBroadCast(1);
}

bool CFindHostUDP::sendPktBroadCastNoWait()
{
    NASINFO nasInfo;
    FHOSTSEND request;
    if (!findhostBuildSearch(&nasInfo, &request))
        return false;
    return broadcastRepeats(&request, 1, PAUSE_SEARCH, PAUSE_BETWEEN, nullptr);
}

bool CFindHostUDP::slotSendPktQCF(const CNasConfig *pnascfg, const NASINFO *pnasinfo, int nSendTimes)
{
    if (nSendTimes <= 0)
        return false;
    NASINFO nasInfo;
    FHOSTSEND request;
    if (!findhostBuildQuickConf(&nasInfo, &request, pnascfg, pnasinfo))
        return false;
    FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_DETAIL, "%s:%d Send Conf to %s, type=%ld, mac=%s", SRC,
             __LINE__, slotText(nasInfo.szServerName).constData(), long(nasInfo.ulPacketType),
             slotText(nasInfo.szMac).constData());
    return broadcastRepeats(&request, nSendTimes, PAUSE_CONFIGURATION, PAUSE_BETWEEN,
                            quickConfRound);
}

bool CFindHostUDP::slotSendPktQCF(const CNasConfig *pnascfg, const NASINFO *pnasinfo)
{
    return slotSendPktQCF(pnascfg, pnasinfo, 1);
}

bool CFindHostUDP::slotSendPktNetSet(const CNasConfig *pnascfg, const NASINFO *pnasinfo,
                                     int nSendTimes)
{
    if (nSendTimes <= 0)
        return false;
    NASINFO nasInfo;
    FHOSTSEND request;
    if (!findhostBuildNetSetting(&nasInfo, &request, pnascfg, pnasinfo))
        return false;
    FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_DETAIL, "%s:%d Send Conf to %s, type=%ld, mac=%s", SRC,
             __LINE__, slotText(nasInfo.szServerName).constData(), long(nasInfo.ulPacketType),
             slotText(nasInfo.szMac).constData());
    return broadcastRepeats(&request, nSendTimes, PAUSE_CONFIGURATION, PAUSE_BETWEEN,
                            netSettingRound);
}

bool CFindHostUDP::slotSendPktNetSet(const CNasConfig *pnascfg, const NASINFO *pnasinfo)
{
    return slotSendPktNetSet(pnascfg, pnasinfo, 1);
}

bool CFindHostUDP::sendPktSysRecovery(int nSendTimes)
{
    if (nSendTimes <= 0)
        return false;
    NASINFO nasInfo;
    FHOSTSEND request;
    if (!findhostBuildSysRecovery(&nasInfo, &request))
        return false;
    return broadcastRepeats(&request, nSendTimes, PAUSE_MAINTENANCE, PAUSE_AFTER_EVERY, nullptr);
}

bool CFindHostUDP::sendPktCancelFsck(const NASINFO *pnasinfo, int nSendTimes)
{
    if (nSendTimes <= 0)
        return false;
    NASINFO nasInfo;
    FHOSTSEND request;
    if (!findhostBuildCancelFsck(&nasInfo, &request, pnasinfo))
        return false;
    return broadcastRepeats(&request, nSendTimes, PAUSE_SEARCH, PAUSE_AFTER_EVERY, nullptr);
}

bool CFindHostUDP::sendPktMemTest(const QString &password, const NASINFO *pnasinfo, int nSendTimes)
{
    if (nSendTimes <= 0)
        return false;
    NASINFO nasInfo;
    FHOSTSEND request;
    if (!findhostBuildMemTest(&nasInfo, &request, password, pnasinfo))
        return false;
    return broadcastRepeats(&request, nSendTimes, PAUSE_MAINTENANCE, PAUSE_BETWEEN, nullptr);
}
