#ifndef CQUICKCONF_H
#define CQUICKCONF_H

#include <QObject>
#include <QString>

#include <atomic>

#include "NasinfoMetaType.h"
#include "fhost.h"

class CFindHostUDP;
class CNasConfig;
class QTimer;

// One quick configuration of one server.
//
// The job hands its setup parameters and the target's record to the discovery thread, which
// broadcasts the quick-configuration command, and then watches every discovery answer until the
// target has answered acceptably or the time-out has run out. It has no window; its users (the
// installation page and the network-install job) poll getState(), getError() and getElapsed().
//
// Calling order: constructor, setTimeout(125000), start(); then poll. stop() ends the wait
// (the install dialog's close), and stop() followed by start(..., false) resends while the
// counted time goes on.
//
// Thread rule: the job lives in the thread that creates it, and start() is called there. Its
// progress ticks and the answers (queued from the discovery thread) arrive in that thread, so a
// thread that processes events only now and then counts its time more slowly than the clock,
// which is intended: the time-out counts ticks, not wall-clock time. State, error, elapsed and
// time-out are atomics, so other threads may read them without a lock.
//
// The tick interval runs through CWaitScale; the counted values never do.
class CQuickConf : public QObject
{
    Q_OBJECT
public:
    enum QUICKCONF_STATE {
        QC_STATE_IDLE = 0,     // not started
        QC_STATE_WAITING = 1,  // command sent, waiting for the answer
        QC_STATE_ANSWERED = 2, // answered: error 0 configured, otherwise the server's error code
        QC_STATE_TIMEOUT = 3   // the time-out was reached
    };

    // Time-out after construction, in counted milliseconds.
    static constexpr unsigned long DEFAULT_TIMEOUT_MS = 125000;
    // One progress tick: its interval and the milliseconds it counts.
    static constexpr int TICK_MS = 500;

    // Keeps udp (not owned; may be null only in a job that is never started) and copies the
    // configuration (member by member) and the record. Null pointers give an empty copy.
    CQuickConf(CFindHostUDP *udp, const CNasConfig *pnascfg, const NASINFO *pnasInfo);
    ~CQuickConf() override;

    void setTimeout(unsigned long ms);
    unsigned long getTimeout() const;

    // Replaces both copies, sends the quick-configuration command nSendTimes times through the
    // discovery thread (on the calling thread, which the sender blocks for its pauses) and
    // begins to wait. reset false keeps the counted time (a resend). Always returns 0: sending
    // problems of the discovery thread are not reported.
    int start(const CNasConfig *pnascfg, const NASINFO *pnasInfo, int nSendTimes, bool reset);
    // Stops the progress timer and stops listening to answers; state, error and elapsed keep
    // their values.
    void stop();

    // The owned record; after success it carries the answered address and server name.
    NASINFO *getNasinfo() const;
    // The owned setup parameters (never null after construction).
    const CNasConfig *getNasConfig() const;

    int getState() const;
    // NASINFO::ulErrCode of the last answer that passed the checks (0 = success).
    unsigned long getError() const;
    unsigned long getElapsed() const;
    // The target MAC text the answers must carry.
    QString getTargetMac() const;

    // True when sourceMac names one of this computer's active interfaces (letter case ignored),
    // or when this computer lists no interface at all; false for an empty text otherwise.
    static bool isSourceMacLocal(const QString &sourceMac);

signals:
    // Declared for users that prefer a signal to polling; the job never emits it.
    void signalQuickConfFinished(bool, bool, ulong);
    // Emitted once when the counted time reaches the time-out.
    void signalQuickConfTimeout();

public slots:
    void slotPktReceived(NASINFO nasInfo);
    void slotUpdateProgress();

private:
    void disconnectAnswers();
    void stopTimer();

    std::atomic<unsigned long> m_ulTimeout;
    std::atomic<unsigned long> m_ulElapsed;
    char m_szMac[32];
    std::atomic<unsigned long> m_ulErrCode;
    std::atomic<int> m_nState;
    CNasConfig *m_pNasConfig;
    NASINFO *m_pnasInfo;
    CFindHostUDP *m_pUdp;
    QTimer *m_pTimer;
    // True while slotPktReceived is connected to the discovery thread.
    bool m_blListening;
};

#endif // CQUICKCONF_H
