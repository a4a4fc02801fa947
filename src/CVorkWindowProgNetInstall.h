#ifndef CVORKWINDOWPROGNETINSTALL_H
#define CVORKWINDOWPROGNETINSTALL_H

#include <QString>
#include <QWidget>

#include "fhost.h"
#include "ui_CVorkWindowProgNetInstall.h"

class CThreadNetInstall;
class QLabel;

// Progress of one network installation inside the installation page: the status text and bar
// of the current stage, and five step rows (network settings, system partition, data
// partition, installation, configuration) each with an icon for done, current or skipped.
//
// The label arrays are indexed by the job's stage number; the formatting stage (2) and the
// reboot stage (6) have no row of their own, nor has stage 0.
class CVorkWindowProgNetInstall : public QWidget, public Ui::CVorkWindowProgNetInstall
{
    Q_OBJECT

public:
    static const int STAGE_SLOTS = 8;

    explicit CVorkWindowProgNetInstall(QWidget *parent = nullptr);

    // Titles, the numbered row texts, empty icons and the first status text.
    virtual void languageChange();

    // One status tick: the stage text and bar, then the row icons. Called once a second by the
    // installation page; formatData/formatSys say whether the data and system partitions are
    // formatted by this installation (a row not formatted is shown as skipped).
    void updateProgress(const CThreadNetInstall *job, bool formatData, bool formatSys);
    void setStageText(const CThreadNetInstall *job, bool formatData, bool formatSys);
    void updateStepIcons(const CThreadNetInstall *job, bool formatData, bool formatSys);

    // The server's web administration address: "http://<ip>:<web port>".
    static QString makeWebUrl(const NASINFO *pnasInfo);
    // The anchor "(Log in to <name>)" pointing at makeWebUrl; empty without a record.
    static QString makeLoginLink(const NASINFO *pnasInfo);

    // The row labels of a stage (null for 0, 2, 6 and out of range).
    QLabel *stepTextLabel(int stage) const;
    QLabel *stepIconLabel(int stage) const;

    static const char *const ICON_DONE;
    static const char *const ICON_CURRENT;
    static const char *const ICON_SKIPPED;

signals:
    void signalOpenVRUrl(QString link);

public slots:
    // Opens the link in the desktop's browser, then tells the page (which hides its dialog).
    void slotOpenVRUrl(QString link);

private:
    static bool isSkippedRow(int stage, bool formatData, bool formatSys);

    QLabel *m_plblStepText[STAGE_SLOTS];
    QLabel *m_plblStepIcon[STAGE_SLOTS];
};

#endif // CVORKWINDOWPROGNETINSTALL_H
