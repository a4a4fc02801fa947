#ifndef CNETSETTING_H
#define CNETSETTING_H

#include <QObject>

#include "NasinfoMetaType.h"
#include "fhost.h"

class CFindHostUDP;
class CNasConfig;
class QTimer;

// One network setting of one installed server.
//
// The job hands its copy of the settings and of the target's record to the discovery thread,
// which broadcasts the network-setting command (type 3), and then watches the discovery answers
// until the target's answer has passed the checks or the time-out has run out. Unlike the other
// jobs it reports by signal: signalUpdateProgress(elapsed) once per one-second tick and
// signalNetSettingFinished(status, error) exactly once, with NETSET_FINISHED and the server's
// error code (0 = applied) or with NETSET_TIMEOUT.
//
// Calling order (the main window's): constructor, setTimeout(125000), connect the two signals,
// start(1). The job lives in the GUI thread; answers arrive queued from the discovery thread.
// Its owner deletes it before the next network setting; a finished job hears nothing more.
//
// The tick interval runs through CWaitScale; the counted values (1000 per tick, the time-out)
// never do.
class CNetSetting : public QObject
{
    Q_OBJECT
public:
    enum NETSETTING_STATUS {
        NETSET_NONE = 0,     // constructed, not started
        NETSET_RUNNING = 1,  // command handed to the discovery thread, waiting for the answer
        NETSET_FINISHED = 2, // the target answered; the error holds its ulErrCode (0 = applied)
        NETSET_TIMEOUT = 3   // no acceptable answer before the time-out
    };
    Q_ENUM(NETSETTING_STATUS)

    // Time-out after construction, in counted milliseconds.
    static constexpr unsigned long DEFAULT_TIMEOUT_MS = 125000;
    // One progress tick: its interval and the milliseconds it counts.
    static constexpr int TICK_MS = 1000;

    // Keeps udp (not owned; a job without one sends nothing and can only time out) and copies
    // the settings (member by member) and the record. Null pointers give empty copies.
    CNetSetting(CFindHostUDP *udp, const CNasConfig *pnascfg, const NASINFO *pnasInfo);
    ~CNetSetting() override;

    void setTimeout(unsigned long ms);
    unsigned long getTimeout() const;

    // Takes the target MAC from the record, listens to the discovery answers, starts the
    // progress tick and sends the command nSendTimes times (on the calling thread, which the
    // sender blocks for its pauses between repeats). Returns the sender's result: false when
    // nothing went out (no discovery thread, nSendTimes below 1, the last broadcast failed).
    // The wait runs in any case. A second start begins the wait anew.
    bool start(int nSendTimes);

    NETSETTING_STATUS getStatus() const;
    // ulErrCode of the accepted answer; 0 before one.
    unsigned long getError() const;
    unsigned long getElapsed() const;
    // The MAC text answers must carry (at most 31 characters), set by start().
    QString getTargetMac() const;
    // The owned copies.
    const CNasConfig *getNasConfig() const;
    const NASINFO *getNasinfo() const;

signals:
    void signalNetSettingFinished(CNetSetting::NETSETTING_STATUS status, ulong ulError);
    void signalUpdateProgress(int progress);

public slots:
    void slotPktReceived(NASINFO nasinfo);

private slots:
    void slotNetSettingTimeout();
    void slotUpdateProgress();

private:
    // The answer check; an accepted answer ends the wait (status, elapsed, error, timer,
    // listening) before the caller reports it.
    bool verifyRcvPkt(const NASINFO &nasinfo);
    void stopListening();

    unsigned long m_ulElapsed;
    unsigned long m_ulTimeout;
    char m_szMac[32];
    unsigned long m_ulError;
    NETSETTING_STATUS m_status;
    CNasConfig *m_pNasConfig;
    NASINFO *m_pnasInfo;
    CFindHostUDP *m_pUdp;
    QTimer *m_pTimer;
};

#endif // CNETSETTING_H
