#ifndef CVORKWOL_H
#define CVORKWOL_H

#include <QObject>
#include <QString>
#include <QTimer>

#include "NasinfoText.h"
#include "fhost.h"

class CWOLConfig;

// The wake-up job of one registered host: sends the magic packet, then counts the wait in
// one-second ticks until the host's search answer arrives or the time-out passes. The finder's
// WOL column reads its status, elapsed time and time-out.
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

    // packetSource: the object whose signalRecvPkt(NASINFO) delivers every received record.
    explicit CVorkWOL(QObject *packetSource)
        : QObject(nullptr)
        , m_timeout(225000)
        , m_elapsed(0)
        , m_pPacketSource(packetSource)
        , m_status(STATUS_IDLE)
        , m_pTimer(nullptr)
    {
    }

    void setStatus(int status) { m_status = status; }
    int getStatus() const { return m_status; }
    int getElapsed() const { return m_elapsed; } // ms waited since the last magic packet
    int getTimeout() const { return m_timeout; } // ms
    QString getMacAddress() const { return m_strMac; }

    // Sends the magic packet and starts the wait: 0 when the packet went out, -1 otherwise.
    int wake(CWOLConfig *pConfig);

public slots:
    // A received record: a search answer from the host ends the wait.
    void slotRespPktRecv(NASINFO nasInfo)
    {
        if (nasInfo.ulPacketType != FHOST_PKT_BRESPONSE
            || nasinfoText(nasInfo.szMac).compare(m_strMac, Qt::CaseInsensitive) != 0)
            return;
        m_status = STATUS_ANSWERED;
        m_elapsed = m_timeout;
        stopWaiting();
    }

    // One second of waiting; past the time-out the wait ends unanswered.
    void slotUpdateProg()
    {
        if (m_elapsed < m_timeout) {
            m_elapsed += 1000;
            return;
        }
        m_elapsed = m_timeout;
        m_status = STATUS_TIMED_OUT;
        stopWaiting();
    }

private:
    void stopWaiting()
    {
        if (m_pTimer)
            m_pTimer->stop();
        if (m_pPacketSource)
            disconnect(m_pPacketSource, SIGNAL(signalRecvPkt(NASINFO)), this,
                       SLOT(slotRespPktRecv(NASINFO)));
    }

    int m_timeout;
    int m_elapsed;
    QObject *m_pPacketSource;
    QString m_strMac;
    int m_status;
    QTimer *m_pTimer;
};

#endif // CVORKWOL_H
