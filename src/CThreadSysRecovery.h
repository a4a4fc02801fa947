#ifndef CTHREADSYSRECOVERY_H
#define CTHREADSYSRECOVERY_H

#include <QThread>

#include <atomic>

#include "NasinfoMetaType.h"
#include "fhost.h"

class CFindHostUDP;
class CQuenTCP;

// Recovers the system of one server in state 11 in a thread of its own: a broadcast recovery
// request and the server's answer over the discovery protocol, then "start recovery" and "reboot"
// over the install channel (TCP 9998), then the wait for the server to announce itself again.
//
// The recovery dialog creates the job in the GUI thread, starts it and reads stage, percent,
// error and remaining seconds on a timer. Those are atomics written by run(); the response-seen
// flag and the reboot state are atomics written by the two answer slots. The job object stays in
// the GUI thread, so the discovery thread's answers reach its slots as queued calls delivered by
// the dialog's event loop; run() only sleeps and polls. The install channel is created, used and
// closed inside run(), so the socket belongs to the recovery thread alone.
//
// Stopping is cooperative: every sleep and socket wait of run() works in slices of at most 100 ms
// and watches the stop flag. terminate() raises it and waits (bounded) for run() to end; the
// destructor does the same, so the job can be deleted while it waits for the reboot.
class CThreadSysRecovery : public QThread
{
    Q_OBJECT
public:
    // Stages as the dialog shows them.
    enum SYSRCV_STAGE {
        STAGE_FAILED = -1,    // any failure (error number set, percent 100)
        STAGE_NONE = 0,       // constructed, run() not begun
        STAGE_BROADCAST = 1,  // recovery request broadcast, waiting for the answer, TCP connect
        STAGE_RECOVERING = 2, // "start recovery" sent, waiting for its reply
        STAGE_REBOOTING = 3,  // "reboot" sent, waiting for the server to come back
        STAGE_DONE = 4        // the server announced itself after the reboot
    };

    // Error numbers when the stage is STAGE_FAILED. 3 and the server's own codes (above 6) are
    // set by the reply waits only on the way to the reply failure 2.
    enum SYSRCV_ERROR {
        ERR_SEND_REBOOT = 0,    // writing the reboot command failed
        ERR_SEND_RECOVERY = 1,  // writing the "start recovery" command failed
        ERR_REPLY = 2,          // a reply failed: none in time, unreadable or with an error code
        ERR_REPLY_UNREADABLE = 3,
        ERR_NOT_BACK = 4,       // the server did not come back within the reboot wait
        ERR_NO_ANSWER = 5,      // no answer to the broadcast recovery request
        ERR_OPEN_SOCKET = 6     // the TCP connection could not be opened
    };

    enum REBOOT_STATE {
        REBOOT_NONE = 0,
        REBOOT_FINISHED = 4, // the server's search answer (type 2) was seen
        REBOOT_OTHER = 5     // a type-6 answer of the server, or the wait ran out
    };

    // The recovery answer's packet type and the protocol-version bit it must carry.
    static constexpr uint32_t RECOVERY_ANSWER_TYPE = 16;
    static constexpr uint32_t RECOVERY_VERSION_BIT = 1u << 24;
    static constexpr quint16 RECOVERY_PORT = 9998;
    // Counted lengths: seconds of the broadcast answer wait (one check, then one check after
    // each of RESPONSE_WAIT_S - 1 one-second sleeps) and the program milliseconds of the waits.
    static constexpr int RESPONSE_WAIT_S = 10;
    static constexpr int RESPONSE_SEND_TIMES = 2;
    static constexpr int RECOVERY_ESTIMATE_MS = 180000;
    static constexpr int COMMAND_REPLY_WAIT_MS = 120000;
    static constexpr int REBOOT_WAIT_MS = 600000;
    static constexpr int STEP_MS = 1000;
    // How long terminate() waits for run() to end before it gives up (real milliseconds).
    static constexpr int STOP_WAIT_MS = 10000;

    // Keeps a copy of the record and udp (not owned; null: no answers can be heard).
    CThreadSysRecovery(QObject *parent, const NASINFO *pnasInfo, CFindHostUDP *udp);
    ~CThreadSysRecovery() override;

    int getStage() const;
    int getProgress() const;
    int getError() const;
    int getRemaining() const;
    int getRebootState() const;
    bool isResponseSeen() const;
    bool isStopRequested() const;
    // The job's copy of the target's record.
    const NASINFO *getNasinfo() const;

public slots:
    // Raises the stop flag and waits (bounded) until run() has ended. Nothing more happens when
    // the thread has finished or never started.
    void terminate();
    // The answer to the broadcast request: type 16, version bit 24, the target's MAC.
    void slotRecoveryRespReceived(NASINFO nasInfo);
    // Packets of the reboot wait: the target's type 2 ends the wait, its type 6 does not.
    void slotVerifyRebootRcvPkt(NASINFO nasInfo);

protected:
    void run() override;

private:
    bool runSteps();
    void fail(int error);
    bool waitForResponse();
    int waitForRecoveryResponse(int timeoutMs);
    int waitForCmdResponse(int timeoutMs);
    int waitForRebootFinished(int timeoutMs);
    void disconnectAnswers();
    // Sleeps the program milliseconds (through the wait seam) in slices; false when stopped.
    bool sleepMs(int programMs);

    NASINFO *m_pnasInfo;
    CQuenTCP *m_pTcp; // exists only while run() does
    CFindHostUDP *m_pUdp;
    char m_szMac[32];
    quint16 m_usPort;
    std::atomic<int> m_nPercent;
    std::atomic<int> m_nStage;
    std::atomic<int> m_nError;
    std::atomic<int> m_nRemaining;
    std::atomic<int> m_nRebootState;
    int m_nTotal;
    std::atomic<bool> m_blResponseSeen;
    int m_nResponseWait;
    int m_nRecoveryEstimate;
    std::atomic<bool> m_blStop;
};

#endif // CTHREADSYSRECOVERY_H
