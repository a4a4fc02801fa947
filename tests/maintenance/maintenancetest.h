// Shared pieces of the memory-test wizard and skip-dialog tests: records, answers posted from
// another thread (so that they arrive queued, as from the discovery thread), bounded waits, a
// capture of debug lines and a runner for modal dialogs.
#ifndef MAINTENANCETEST_H
#define MAINTENANCETEST_H

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <cstring>
#include <functional>
#include <thread>

#include "CFindHostUDP.h"

namespace mtt {

inline NASINFO record(uint32_t type, const char *mac, const char *name = "Varnestor",
                      uint32_t state = FHOSTQC_DONE, uint32_t error = 0)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = type;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    strncpy(n.szServerName, name, sizeof(n.szServerName) - 1);
    n.ulConfigured = state;
    n.ulErrCode = error;
    n.ulBuild = 3211;
    return n;
}

// Emits the record from a thread of its own, as the discovery thread does: receivers in this
// thread get it queued, at the next turn of the event loop.
inline void post(CFindHostUDP &udp, const NASINFO &nasInfo)
{
    std::thread emitter([&udp, nasInfo]() { emit udp.signalRecvPkt(nasInfo); });
    emitter.join();
}

// Runs the event loop until the condition holds or the time is up.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

inline void spin(int ms)
{
    waitFor([] { return false; }, ms);
}

// Runs the dialog modally while `script` runs inside its event loop; a dialog the script leaves
// open is closed with -1. Returns what exec() returned.
inline int runModal(QDialog &dialog, const std::function<void()> &script)
{
    QTimer::singleShot(0, &dialog, [&dialog, script]() {
        script();
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}

// Every debug line written while an instance exists.
class DebugCapture
{
public:
    DebugCapture()
    {
        s_instance = this;
        m_previous = qInstallMessageHandler(&DebugCapture::handler);
    }
    ~DebugCapture()
    {
        qInstallMessageHandler(m_previous);
        s_instance = nullptr;
    }
    int count(const QString &part) const
    {
        QMutexLocker lock(&m_mutex);
        int n = 0;
        for (const QString &line : m_lines)
            if (line.contains(part))
                ++n;
        return n;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &text)
    {
        if (s_instance) {
            QMutexLocker lock(&s_instance->m_mutex);
            s_instance->m_lines << text;
        }
    }
    static DebugCapture *s_instance;
    QtMessageHandler m_previous;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

DebugCapture *DebugCapture::s_instance = nullptr;

} // namespace mtt

#endif // MAINTENANCETEST_H
