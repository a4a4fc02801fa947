#ifndef CFINDHOSTUDP_H
#define CFINDHOSTUDP_H

#include <QString>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <memory>

#include "NasinfoMetaType.h"
#include "fhost.h"

class CNasConfig;

// The program's one log context of the discovery library, passed to every library call. The
// constructor of CFindHostUDP installs findhostPrintSink as its level-1 output; start-up adds
// level 2 when debugging is on.
extern FHOSTLOGCTX *gpFHOSTLogCtx;

// The dotted text of an IPv4 address held in network order (as NASINFO keeps addresses).
QString ipToString(uint32_t addressInNetworkOrder);

// The gateway to the discovery protocol.
//
// As a thread it listens on the UDP port (9999) and hands every accepted datagram to its
// receivers as a NASINFO copy through the queued signal signalRecvPkt. The listening thread only
// reads, filters and queues the records, so that a burst of answers never waits on the receivers
// or the debug log; a delivery thread of the running instance then logs each record and emits it,
// in arrival order (slotRecvPkt). Which packet types are
// accepted is class-wide (addRecvPktType; 17 accepts every type). Only one instance listens at a
// time: run() holds a class-wide mutex while listening, so a second started instance waits.
//
// The senders build one broadcast command each and send it on every active interface, repeating
// it nSendTimes times with the command's pauses. They run on the caller's thread (for the program
// the GUI thread) and block it for their pauses, which the servers are timed around. They need no
// running thread; three of them need no instance at all.
class CFindHostUDP : public QThread
{
    Q_OBJECT
public:
    CFindHostUDP(QObject *parent, int timeout, int port, const QString &bindAddress);
    ~CFindHostUDP() override;

    // Pauses of the senders, in seconds. The servers and the jobs that wait for their answers are
    // timed around them. The pause itself runs through CWaitScale (tests shorten it there).
    static constexpr unsigned long PAUSE_SEARCH = 1;
    static constexpr unsigned long PAUSE_MAINTENANCE = 1;
    static constexpr unsigned long PAUSE_CONFIGURATION = 3;
    // How long terminate() waits for the listening loop to see the stop: one turn of the loop
    // (FHOST_UDP_WAIT_SEC) plus a margin for the record it may still be handing on.
    static constexpr unsigned long STOP_WAIT_MS = 3000;

    // Accept records of this packet type from now on (class-wide, kept once, never removed).
    static void addRecvPktType(int type);

    // Commands that need no instance. True when the last broadcast went out; false (nothing
    // sent) when nSendTimes is 0 or less or a record is missing.
    static bool sendPktSysRecovery(int nSendTimes);
    static bool sendPktCancelFsck(const NASINFO *pnasinfo, int nSendTimes);
    static bool sendPktMemTest(const QString &password, const NASINFO *pnasinfo, int nSendTimes);
    // One search without the pause after it: for a search sent from the GUI thread, which must
    // stay free to take the answers while they arrive. True when the broadcast went out.
    static bool sendPktBroadCastNoWait();

    // Callbacks of the listening loop. The stop test answers 1 once no instance is running (or
    // the running one was told to stop). The filter keeps the registered types: 1 keep, 0 drop,
    // -1 for a null record. The handler copies an accepted record and passes it to the running
    // instance's slotRecvPkt on the discovery thread: 0, or -1 when no instance runs.
    static int findhostStopCheck();
    static int findhostRecvFilter(NASINFO *pnasInfo);
    static int findhostRecvHandler(NASINFO *pnasInfo);
    // Called by the listening loop at the start of every turn, once its socket is bound: marks
    // the running instance as listening.
    static void findhostRecvProgress(int timeout, int elapsed, int reserved);

    // True from the listening loop's first turn (its socket is bound, answers are heard) until
    // the loop ends.
    bool isListening() const;
    // Waits until the instance listens, its thread has ended, or timeoutMs have passed;
    // returns isListening(). Sleeps on the calling thread.
    bool waitForListening(int timeoutMs) const;

signals:
    void signalRecvPkt(NASINFO nasInfo);

public slots:
    // Search.
    bool slotSendPktBroadCast(int nSendTimes);
    bool slotSendPktBroadCast();
    // Quick configuration of the target server with the setup parameters.
    bool slotSendPktQCF(const CNasConfig *pnascfg, const NASINFO *pnasinfo, int nSendTimes);
    bool slotSendPktQCF(const CNasConfig *pnascfg, const NASINFO *pnasinfo);
    // Network setting of the target server.
    bool slotSendPktNetSet(const CNasConfig *pnascfg, const NASINFO *pnasinfo, int nSendTimes);
    bool slotSendPktNetSet(const CNasConfig *pnascfg, const NASINFO *pnasinfo);
    // Logs the record by its type and emits signalRecvPkt with it (on the delivery thread while
    // the instance listens).
    void slotRecvPkt(NASINFO nasInfo);
    // Stops the listener and the thread. Returns once the thread has ended; no record is
    // emitted after the stop was asked for.
    void terminate();

protected:
    void run() override;

private:
    class Outbox;

    // What slotRecvPkt does, without copying the record.
    void deliver(const NASINFO &nasInfo);
    // The debug line of a record, by its type (none for other types).
    static void logRecord(const NASINFO &nasInfo);

    FHOSTRECV m_recv;
    FHOSTCONN m_listen;
    int m_timeout;
    int m_port;
    QString m_bindAddress;
    // Set by terminate(): also ends a run() that is still waiting for the listener mutex.
    std::atomic<bool> m_stopRequested{false};
    // Set by the loop's first turn, cleared when run() leaves the loop.
    std::atomic<bool> m_listening{false};
    // Accepted records on their way to the receivers, and the thread that hands them on.
    std::unique_ptr<Outbox> m_outbox;
};

#endif // CFINDHOSTUDP_H
