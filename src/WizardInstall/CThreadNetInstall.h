#ifndef CTHREADNETINSTALL_H
#define CTHREADNETINSTALL_H

#include <QDateTime>
#include <QString>
#include <QThread>

#include <atomic>

#include "NasinfoMetaType.h"
#include "fhost.h"

class CFindHostUDP;
class CNasConfig;
class CQuenTCP;
class CQuickConf;

// Stages of one network installation; getPercent() means something different in each.
enum NETINSTALL_STAGE {
    NI_STAGE_NONE = 0,        // constructed, run() not begun; percent 0
    NI_STAGE_SET_NET = 1,     // first quick configuration and its wait, TCP connect; percent =
                              // counted milliseconds of the quick configuration (0..125000)
    NI_STAGE_FORMAT = 2,      // begin-install sent, server formatting; server percent
    NI_STAGE_FORMAT_SYS = 3,  // server formatting the system partition; server percent
    NI_STAGE_FORMAT_DATA = 4, // server formatting the data partition; server percent
    NI_STAGE_INSTALL = 5,     // upload command, patch upload, server installing; server percent
    NI_STAGE_REBOOT = 6,      // reboot command and the wait for the server; seconds waited
    NI_STAGE_CONFIGURE = 7,   // final quick configuration; its counted milliseconds
    NI_STAGE_DONE = 8         // finished (also after a cancel during the reboot wait); percent 0
};

// The job's own error numbers. Any other non-zero error is the code the server sent in a reply
// (item 17). 304 is never set.
enum NETINSTALL_ERROR {
    NI_ERROR_NONE = 0,
    NI_ERROR_OPEN_SOCKET = 300,    // the TCP connection to the install channel failed
    NI_ERROR_SEND_QUERY = 301,     // sending a status query failed while waiting for a stage
    NI_ERROR_RECEIVE = 302,        // a reply was unreadable, or no reply to a status query
    NI_ERROR_SEND_BEGIN = 303,     // sending the begin-install command failed
    NI_ERROR_SEND_PATCH = 305,     // sending the upload command or the patch file failed
    NI_ERROR_SEND_REBOOT = 306,    // sending the reboot command failed
    NI_ERROR_CMD_TIMEOUT = 307,    // no reply to a command within its wait
    NI_ERROR_QC_START = 308,       // the quick configuration could not be started
    NI_ERROR_QC_UNFINISHED = 309   // the quick configuration was not answered with success in time
};

// Installs the server system on one server in a thread of its own: the first quick configuration,
// the TCP install channel (begin install, formatting stages, patch upload, installation, reboot),
// the wait for the rebooted server to announce itself, and the final quick configuration whose
// date and time are advanced by the time the installation took.
//
// The installation page creates one per server in the GUI thread, starts it and reads stage,
// percent and error on a timer; they are atomics, written only by the install thread. The channel
// and the quick-configuration job are created inside run(), so they, their socket, timer and
// queued answers belong to the install thread. The object itself stays in the GUI thread.
//
// Stopping is cooperative: every wait of run() works in slices of at most 100 ms and watches the
// cancel flag. terminate() raises the flag and waits (bounded) for run() to end; the destructor
// does the same, so the object can be deleted while the installation runs. Only setCancel(true)
// marks the job as cancelled by the user: a failed job that is stopped still reads as failed.
class CThreadNetInstall : public QThread
{
    Q_OBJECT
public:
    static constexpr quint16 NI_BIND_PORT = 9998;
    // Waits of the job, in program milliseconds.
    static constexpr int QUICKCONF_TIMEOUT_MS = 125000;
    static constexpr int COMMAND_REPLY_WAIT_MS = 120000;
    static constexpr int QUICKCONF_POLL_MS = 1000;
    static constexpr int STAGE_POLL_MS = 2000;
    static constexpr int REBOOT_WAIT_MS = 600000;
    static constexpr int REBOOT_STEP_MS = 1000;
    // How long terminate() waits for run() to end before it gives up (real milliseconds).
    static constexpr int STOP_WAIT_MS = 10000;

    enum REBOOT_STATE {
        REBOOT_IDLE = 1,      // after construction
        REBOOT_COMMANDED = 2, // reboot command answered
        REBOOT_WAITING = 3,   // waiting for the server to come back
        REBOOT_FINISHED = 4,  // the server announced itself again
        REBOOT_TIMEOUT = 5    // the wait ran out, or the server answered with a type-6 packet
    };

    // Keeps udp (not owned) and member-wise copies of the configuration and the record.
    CThreadNetInstall(QObject *parent, CFindHostUDP *udp, const CNasConfig *pnascfg,
                      const NASINFO *pnasInfo);
    ~CThreadNetInstall() override;

    int getStage() const;
    int getPercent() const;
    unsigned long getErrorCode() const;
    // The error of the quick-configuration job (the server's ulErrCode of its answer); 0 before
    // run() has created the job.
    unsigned long getQuickConfError() const;
    int getNIBindPort() const;
    // The patch file's build number by the install intro page's patch-file rule, worked out on
    // the first call and kept.
    unsigned long getPatchBuild();
    // The job's copy of the target's record (owned by the job). It takes the answered address
    // and server name after each successful quick configuration; the installation page reads
    // it for the format flags, the log-in link and the error texts.
    const NASINFO *getNasinfo() const;
    // Marks the job as cancelled by the user and raises the flag that stops run().
    void setCancel(bool cancel);
    bool isCancelled() const;
    int getRebootState() const;
    bool isRebootFinished() const;

    // The wizard's date-time text ("yyyy/MM/dd hh:mm:ss") advanced by the given seconds, in the
    // same form; a text that does not parse comes back unchanged.
    static QString advanceDateTime(const QString &dateTime, qint64 seconds);

public slots:
    // Raises the flag that stops run() and waits (bounded) until run() has ended. Nothing happens
    // when the thread has finished or never started. It does not mark the job as cancelled.
    void terminate();
    void slotVerifyRebootRcvPkt(NASINFO nasInfo);

protected:
    void run() override;

private:
    // Tests set stage, percent, error and record of a job that is never started.
    friend class CThreadNetInstallTestAccess;

    // The steps of run(); false ends the installation (error set unless cancelled).
    bool runSteps();
    void fail(unsigned long error);
    int sendConfigPacket(int nSendTimes, bool reset);
    bool waitQuickConf(bool final);
    int waitForCmdResponse(int timeoutMs);
    int waitToNextStage(int target);
    int rebootWait(int limitMs);
    void setFinalTime();
    // Sleeps the program milliseconds (through the wait seam) in slices; false when cancelled.
    bool sleepMs(int programMs);
    void processEvents();

    std::atomic<unsigned long> m_ulError;
    std::atomic<int> m_nPercent;
    std::atomic<int> m_nStage;
    quint16 m_usPort;
    std::atomic<unsigned long> m_ulPatchBuild;
    char m_szMac[32];
    std::atomic<bool> m_blCancel;    // stops run(): raised by setCancel() and terminate()
    std::atomic<bool> m_blCancelled; // cancelled by the user: raised by setCancel() only
    CFindHostUDP *m_pUdp;
    QDateTime m_startTime;
    CQuenTCP *m_pTcp;
    CQuickConf *m_pQuickConf;
    CNasConfig *m_pNasConfig;
    NASINFO *m_pnasInfo;
    std::atomic<int> m_nRebootState;
    // The quick-configuration job's error, kept readable for the GUI thread.
    std::atomic<unsigned long> m_ulQuickConfError;
};

#endif // CTHREADNETINSTALL_H
