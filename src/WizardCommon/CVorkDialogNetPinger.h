#ifndef CVORKDIALOGNETPINGER_H
#define CVORKDIALOGNETPINGER_H

#include <QDialog>
#include <QProcess>
#include <cstdint>

#include "ui_CVorkDialogNetPinger.h"

class QTimer;

// A small modal dialog that tells whether an IPv4 address is in use by running the system's
// ping program once per address. An address counts as free when one ping has not ended within
// 2000 ms of the ping program's start, and as in use when the program ends before that,
// whatever its exit code.
//
// Check mode asks about one address; search mode walks from a candidate to the first free
// address of its subnet. The dialog closes itself with accept() when it has an answer; exec()
// returns 0 only when the user closed it. The time-out is real time: a slow network is the very
// thing it measures, so nothing shortens it.
//
// Calling order: construct, setTarget(), exec(), getResult().
class CVorkDialogNetPinger : public QDialog, public Ui::CVorkDialogNetPinger
{
    Q_OBJECT

public:
    enum Mode {
        MODE_CHECK = 0,
        MODE_SEARCH = 1
    };
    // The time an address gets to answer one ping.
    static const int PING_TIMEOUT_MS = 2000;
    // The ping program and its fixed arguments (the address is appended).
    static const char *const PING_PROGRAM;

    CVorkDialogNetPinger();
    ~CVorkDialogNetPinger() override;

    // mode: MODE_CHECK or MODE_SEARCH; address and mask in host byte order (check mode does
    // not use the mask). Clears the result.
    void setTarget(int mode, uint32_t address, uint32_t mask);

    // After exec(): the free address found (host byte order), 0 when the address is in use or
    // the subnet has no free address left.
    uint32_t getResult() const { return m_ulResult; }
    // The address being pinged (host byte order).
    uint32_t getCurrent() const { return m_ulCurrent; }
    // The subnet mask of a search (host byte order).
    uint32_t getMask() const { return m_ulMask; }
    int getMode() const { return m_nMode; }

    // Closing the dialog, by itself or by the user, ends a ping still running.
    void done(int r) override;

public slots:
    void languageChange();
    void slotPing();
    void slotProgTimeout();
    void slotPingProcStart();
    void slotPingExit(int exitCode, QProcess::ExitStatus exitStatus);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Ends the running ping, if any: the signals are cut, the program is killed and reaped, and
    // the object is deleted once control is back in the event loop.
    void stopPing();
    QString statusText() const;

    uint32_t m_ulResult;
    uint32_t m_ulCurrent;
    uint32_t m_ulMask;
    int m_nMode;
    QProcess *m_pProcess;
    QTimer *m_pTimer;
};

#endif // CVORKDIALOGNETPINGER_H
