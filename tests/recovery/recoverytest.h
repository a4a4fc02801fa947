// Shared helpers of the recovery tests: the message capture with the complaints Qt writes about
// threads, a watch that records what the dialog and its job show whenever it changes, and the
// target record.
#ifndef RECOVERYTEST_H
#define RECOVERYTEST_H

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QStringList>
#include <QThread>

#include <arpa/inet.h>
#include <cstring>
#include <functional>

#include "CThreadSysRecovery.h"
#include "CVorkDialogRecovery.h"
#include "TestSupport.h"

namespace rct {

// Every message written while an instance exists (from any thread), and among them the
// complaints about threads.
class Messages : public tsup::LogCapture
{
public:
    // Warnings and worse that Qt writes when objects are used across threads or a thread is
    // destroyed while it runs.
    QStringList threadComplaints() const
    {
        static const char *const signs[] = {"thread", "Thread", "QSocketNotifier", "QObject::",
                                            "Timers cannot", "QTimer"};
        QStringList out;
        for (const QString &line : warnings()) {
            for (const char *sign : signs)
                if (line.contains(QLatin1String(sign))) {
                    out << line;
                    break;
                }
        }
        return out;
    }
};

// What the dialog and its job showed at one moment.
struct Sample {
    int stage = -100; // -100: no job yet
    int percent = 0;
    int remaining = 0;
    int rebootState = 0;
    QString label;
    bool closeEnabled = false;
    int bar = 0;
    bool operator==(const Sample &o) const
    {
        return stage == o.stage && percent == o.percent && remaining == o.remaining &&
               rebootState == o.rebootState && label == o.label && closeEnabled == o.closeEnabled &&
               bar == o.bar;
    }
};

class Watch
{
public:
    explicit Watch(CVorkDialogRecovery *dialog) : m_dialog(dialog) {}

    QList<Sample> samples;
    // Called with every sample taken, before it is recorded.
    std::function<void(const Sample &)> onSample;

    void take()
    {
        Sample s;
        if (CThreadSysRecovery *job = m_dialog->getJob()) {
            s.stage = job->getStage();
            s.percent = job->getProgress();
            s.remaining = job->getRemaining();
            s.rebootState = job->getRebootState();
        }
        s.label = m_dialog->m_lblProgStatus->text();
        s.bar = m_dialog->m_progressBar->value();
        QAbstractButton *close = m_dialog->m_pbuttonBox->button(QDialogButtonBox::Close);
        s.closeEnabled = close && close->isEnabled();
        if (onSample)
            onSample(s);
        if (samples.isEmpty() || !(samples.last() == s))
            samples << s;
    }

    // Takes samples and processes this thread's events until the condition holds (true) or the
    // hang guard (tsup::guardMs(timeoutMs)) is up (false).
    bool until(const std::function<bool()> &condition, int timeoutMs)
    {
        const int guard = tsup::guardMs(timeoutMs);
        QElapsedTimer t;
        t.start();
        for (;;) {
            take();
            if (condition())
                return true;
            if (t.elapsed() >= guard)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QThread::usleep(300);
        }
    }

    int stage() const
    {
        CThreadSysRecovery *job = m_dialog->getJob();
        return job ? job->getStage() : -100;
    }
    bool ended() const
    {
        CThreadSysRecovery *job = m_dialog->getJob();
        return job && job->isFinished();
    }

    // The distinct values of one field, in the order they first followed each other.
    QList<int> sequence(int Sample::*field) const
    {
        QList<int> out;
        for (const Sample &s : samples)
            if (out.isEmpty() || out.last() != s.*field)
                out << s.*field;
        return out;
    }
    QStringList labels() const
    {
        QStringList out;
        for (const Sample &s : samples)
            if (out.isEmpty() || out.last() != s.label)
                out << s.label;
        return out;
    }

private:
    CVorkDialogRecovery *m_dialog;
};

inline QString toText(const QList<int> &values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return out.join(QLatin1Char(','));
}

inline NASINFO record(const char *mac, const char *ip)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    strncpy(n.szServerName, "Damaged", sizeof(n.szServerName) - 1);
    n.ulConfigured = FHOSTQC_SYS_RECOVERABLE;
    n.ulBuild = 2000;
    n.ulIP = inet_addr(ip);
    return n;
}

// The texts of the dialog, typed as the user sees them.
const char kStart[] = "Start System Recovery.";
const char kConnecting[] = "Progress: Connecting...";
const char kRecovering[] = "Progress: Recovering system...";
const char kFinished[] = "System recovery is finished.";
const char kFailedNoResponse[] = "Failed to recover system:\nSystem has no response. Connection timeout.";
const char kFailedConnection[] = "Failed to recover system:\nFailed to create connection.";
const char kFailedUnknown[] = "Failed to recover system:\nUnknown server error. (Error Code:-1)";

inline QString rebooting(int seconds)
{
    return QStringLiteral("Progress: System is rebooting ... (%1 seconds)").arg(seconds);
}

} // namespace rct

#endif // RECOVERYTEST_H
