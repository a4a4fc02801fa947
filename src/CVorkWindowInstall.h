#ifndef CVORKWINDOWINSTALL_H
#define CVORKWINDOWINSTALL_H

#include <QString>

#include "CVorkWindowMainTab.h"
#include "fhost.h"
#include "ui_CVorkWindowInstall.h"

class CFindHostUDP;
class CNasConfig;
class CQuickConf;
class CThreadNetInstall;
class CVorkDialogInstallFinish;
class CVorkWindowProgNetInstall;
class CVorkWindowProgQuickConf;
class QCloseEvent;
class QEvent;
class QTimer;

// The page inside one install dialog. It runs one job for one server, either a quick
// configuration or a network installation, polls it once a second, shows its progress and the
// texts of its result, pops up the finish message when the job ends while the dialog is
// hidden, and tells the dialog when the entry may be closed (signalCanCloseTheItem) or not.
//
// A page holds at most one job. Without a job it shows the hint of the empty installation page.
class CVorkWindowInstall : public CVorkWindowMainTab, public Ui::CVorkWindowInstall
{
    Q_OBJECT

public:
    // Period of the status timer (program milliseconds; real waits pass the wait-scale seam).
    static const int STATUS_INTERVAL_MS = 1000;
    // Time-out of a quick configuration run by the page.
    static const unsigned long QUICKCONF_TIMEOUT_MS = 125000;

    // parent: the install dialog, which also becomes the finish message's parent. udp: the
    // discovery thread the jobs send through (not owned).
    CVorkWindowInstall(QWidget *parent, CFindHostUDP *udp);
    ~CVorkWindowInstall() override;

    bool hasUnfinishedTasks() override;

    // True when the page has a record whose MAC text is exactly mac and a job, finished or not.
    bool isJobForServer(const QString &mac) const;

    // The server's web administration address ("http://<ip>:<web port>").
    static QString makeWebUrl(const NASINFO *pnasInfo);
    // "Congratulations ..." + the log-in link of the record: the text of the finish message and
    // of a finished quick configuration.
    static QString finishText(const NASINFO *pnasInfo);
    // The message shown for a failed network installation. record: the job's record;
    // patchBuild/quickConfError/port: what the job reports for the codes that use them.
    static QString netInstallErrorText(unsigned long code, const NASINFO &record,
                                       unsigned long patchBuild, unsigned long quickConfError,
                                       int port);

    // The jobs and widgets of the page (null until a job is added).
    CQuickConf *getQuickConfJob() const;
    CThreadNetInstall *getNetInstallJob() const;
    CVorkWindowProgQuickConf *getQuickConfWidget() const;
    CVorkWindowProgNetInstall *getNetInstallWidget() const;
    CVorkDialogInstallFinish *getFinishDialog() const;
    QTimer *getStatusTimer() const;
    // The page's copy of the target's record (null until a job is added).
    const NASINFO *getNasinfo() const;

signals:
    void signalNIRebootStarted(const CThreadNetInstall *job);
    void signalAboutTriggered();
    void signalPrefTriggered();
    void signalToggleToInstallPage();
    void signalAllNIQCFinished();
    void signalCanCloseTheItem();
    void signalCanNOTCloseTheItem();
    void signalOpenUrlClicked(QString strLink);

public slots:
    void slotDelayedInit() override;
    void slotAddQuickConf(const NASINFO *pnasInfo, const CNasConfig *pnasConf);
    void slotAddNetInst(const NASINFO *pnasInfo, const CNasConfig *pnasConf);
    void slotUpdateQuickConfStatus();
    void slotUpdateNetInstallStatus();
    void slotOpenUrlClicked(QString strLink);

private slots:
    void slotAboutTriggered();
    void slotPrefTriggered();
    void slotHelpTriggered();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void languageChange() override;

private:
    void sendConfigPacket(const NASINFO *pnasInfo, const CNasConfig *pnasConf);
    // Stage 8 (the stage this tick took from the job): the finish message (once, only while
    // the page is hidden), then the timer stops.
    void showNetInstallFinished(int stage);
    void showNetInstallError(CVorkWindowProgNetInstall *widget);
    // A successful quick configuration: the timer stops, then the finish message (once, only
    // while the page is hidden).
    void updateQuickConfStatus();
    // Runs the finish message with the text; false when the page was destroyed meanwhile.
    bool runFinishMessage(const QString &text, bool *shownFlag);

    bool m_blNIFinishShown;
    bool m_blQCFinishShown;
    CVorkWindowProgQuickConf *m_pwdgQuickConf;
    CVorkWindowProgNetInstall *m_pwdgNetInstall;
    QTimer *m_ptimerStatus;
    NASINFO *m_pnasInfo;
    CQuickConf *m_pQuickConf;
    CThreadNetInstall *m_pcurNetInstall;
    CFindHostUDP *m_pUdp;
    CVorkDialogInstallFinish *m_pdlgFinish;
};

#endif // CVORKWINDOWINSTALL_H
