#ifndef CVORKFSCKCANCELPROGDIALOG_H
#define CVORKFSCKCANCELPROGDIALOG_H

#include <QDialog>
#include <QString>

#include "NasinfoMetaType.h"
#include "fhost.h"
#include "ui_CVorkFSCKCancelProgDialog.h"

class QTimer;

// Shown while a server that checks its file system is asked to skip the check: two lines of text
// and a bar that moves on once a second. The caller connects the discovery thread's
// signalRecvPkt to slotRespPktRecv, calls startProgress(20000), sends the request and runs the
// dialog modally. It ends with 0 when the target answers (a type-2 answer carrying its MAC, in
// any letter case) and with 1, after waitTimeout(), on the tick that finds the bar above 18999:
// the 20th second for a maximum of 20000.
//
// Closing the window or Escape rejects it with 0; its timer runs on and ends the hidden dialog
// with 1 later, which does no harm. The dialog owns its timer: deleting the dialog while it
// counts is safe.
class CVorkFSCKCancelProgDialog : public QDialog, public Ui::CVorkFSCKCancelProgDialogBase
{
    Q_OBJECT

public:
    // Counted bar units per tick, and the tick's interval in milliseconds.
    static const int PROGRESS_STEP = 1000;
    static const int TICK_MS = 1000;

    // `pnasInfo` is the target (copied: only its MAC text is kept); null leaves the MAC empty.
    CVorkFSCKCancelProgDialog(QWidget *parent, const NASINFO *pnasInfo);
    ~CVorkFSCKCancelProgDialog() override;

    // Bar at 0 of `max`; the timer starts ticking once a second.
    void startProgress(int max);

    // The target's MAC text, as the record gave it.
    QString targetMac() const { return m_strMac; }
    bool isCounting() const;

signals:
    void waitTimeout();

public slots:
    // Stops the timer and ends the dialog with retStatus.
    void slotFinished(int retStatus);
    void slotUpdateProgress();
    void slotRespPktRecv(const NASINFO &nasInfo);

private:
    QString m_strMac;
    QTimer *m_pTimer;
};

#endif // CVORKFSCKCANCELPROGDIALOG_H
