#ifndef CVORKWOL_H
#define CVORKWOL_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include "fhost.h"

class CWOLConfig;
class QTimer;

// The wake-up job of one registered host: sends the magic packet, then counts the wait in
// one-second ticks until the host's search answer arrives or the time-out passes. The finder's
// WOL column reads its status, elapsed time and time-out. Everything runs on the GUI thread.
class CVorkWOL : public QObject
{
    Q_OBJECT

public:
    enum STATUS {
        STATUS_IDLE = 0,      // new job
        STATUS_OFF_LINE = 2,  // registered host shown off-line by the finder
        STATUS_WAITING = 4,   // magic packet sent, waiting for an answer
        STATUS_ANSWERED = 5,  // the host answered
        STATUS_TIMED_OUT = 6  // no answer within the time-out
    };

    // Size of the magic packet: six 0xFF bytes, then the six MAC bytes sixteen times.
    static const int MAGIC_PACKET_LEN = 102;
    // How long a woken host has to answer, and what one tick of the wait counts, in ms.
    static const int WAKE_TIMEOUT_MS = 225000;
    static const int TICK_MS = 1000;

    // packetSource: the object whose signalRecvPkt(NASINFO) delivers every received record
    // (the discovery thread); not owned, may be null.
    explicit CVorkWOL(QObject *packetSource);

    void setStatus(int status) { m_status = status; }
    int getStatus() const { return m_status; }
    int getElapsed() const { return m_elapsed; } // ms waited since the last magic packet
    int getTimeout() const { return m_timeout; } // ms
    QString getMacAddress() const { return m_strMac; }

    // Sends the magic packet for the host on every active local interface and once more through
    // the system's route, then starts the wait (status 4): 0 when the packet went out, -1
    // otherwise (no record, address not resolvable, no interface, unusable MAC text), in which
    // case nothing was sent and the job keeps its state.
    int wake(CWOLConfig *pConfig);

    // The 102-byte magic packet for a MAC text: the text is split at ":" (empty parts dropped)
    // and each of the first six parts is read as a hexadecimal number, one byte each; a part
    // that is not hexadecimal gives 0. False (and `packet` untouched) when the text has fewer
    // than six parts.
    static bool buildMagicPacket(const QString &macAddress, QByteArray *packet);

    // Wall-clock length of one tick of the wait. Every tick still counts TICK_MS towards the
    // time-out; only tests shorten the interval, to see the time-out pass without waiting
    // 226 seconds. Values below 1 restore the normal interval. Takes effect at the next wake.
    static void setTickIntervalMs(int ms);
    static int tickIntervalMs();

public slots:
    // A received record: a search answer from the host ends the wait.
    void slotRespPktRecv(NASINFO nasInfo);
    // One tick of waiting; past the time-out the wait ends unanswered.
    void slotUpdateProg();

private:
    void stopWaiting();

    int m_timeout;
    int m_elapsed;
    QObject *m_pPacketSource;
    QString m_strMac;
    int m_status;
    QTimer *m_pTimer;
};

#endif // CVORKWOL_H
