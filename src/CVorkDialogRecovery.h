#ifndef CVORKDIALOGRECOVERY_H
#define CVORKDIALOGRECOVERY_H

#include <QDialog>
#include <QString>

#include "NasinfoMetaType.h"
#include "fhost.h"
#include "ui_CVorkDialogRecovery.h"

class QCloseEvent;
class QKeyEvent;
class QPushButton;
class QTimer;
class CFindHostUDP;
class CThreadSysRecovery;

// The modal progress dialog of a system recovery. One second after it is made it starts the
// recovery job for its copy of the server's record, then shows the job's stage, percent and
// result twice a second. It can be closed (Close button, window close, Escape) only once the
// job has reached the reboot wait, finished or failed; closing during the reboot wait stops the
// job, and deleting the dialog waits (bounded) for the job's thread to end.
//
// The caller runs it with exec() and deletes it afterwards.
class CVorkDialogRecovery : public QDialog, public Ui::CVorkDialogRecovery
{
    Q_OBJECT

public:
    // Milliseconds (program time) from construction to the job's start, and of the status timer.
    static constexpr int START_DELAY_MS = 1000;
    static constexpr int UPDATE_INTERVAL_MS = 500;

    // Copies the record (null: an all-zero record); udp (not owned) is the discovery thread whose
    // answers the job listens to.
    CVorkDialogRecovery(QWidget *parent, const NASINFO *pnasInfo, CFindHostUDP *udp);
    ~CVorkDialogRecovery() override;

    virtual void languageChange();

    // The job, null until slotStartRecovery has run.
    CThreadSysRecovery *getJob() const;
    // True when the dialog may be closed: a job exists and is rebooting, done or failed.
    bool canClose() const;
    // Whether the dialog may be closed while the job is in the stage.
    static bool closableIn(int stage);

    // The label text for a stage; error and remaining seconds are used by the stages that show
    // them (failed and rebooting).
    static QString statusText(int stage, int error, int remaining);
    // The text of a failure's error number, shown after "Failed to recover system:".
    static QString errorText(int error);

public slots:
    void slotStartRecovery();
    void slotUpdateStatus();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *closeButton() const;

    QTimer *m_ptimerUpdate;
    NASINFO *m_pnasInfo;
    CThreadSysRecovery *m_pJob;
    CFindHostUDP *m_pUdp;
};

#endif // CVORKDIALOGRECOVERY_H
