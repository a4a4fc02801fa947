#ifndef CVORKWIZARDMEMTEST_H
#define CVORKWIZARDMEMTEST_H

#include "CQuenWizard.h"
#include "NasinfoMetaType.h"
#include "fhost.h"

class CFindHostUDP;
class CWizCnfmPWDialog;
class CWizFinishPage;
class CWizStartDialog;

// The memory-test wizard: asks for the administrator password of one server, sends it the
// memory-test command and follows the server by its answers until it reports that the test runs.
// The server first answers the command (type 2: error 1 for a wrong password), then reboots into
// the test and reports its progress in type-6 answers; state 9 means the test runs.
//
// Use: construct with the discovery thread, setNasinfo() with the target, exec(). Accepted means
// the server reported the running memory test; a failed run (wrong password, no answer) that the
// user closes with Finish ends rejected, so a failure is never taken for a started test.
//
// Phases on the last page: authenticating (type-2 answer of the target, 125 s), rebooting
// (type-6 answer of the target in state 9, 600 s), then started or failed. After a failure Back
// leads to the password page again and Next sends the command once more.
class CVorkWizardMemTest : public CQuenWizard
{
    Q_OBJECT

public:
    enum PageId {
        PAGE_START = 0,
        PAGE_PASSWORD = 1,
        PAGE_FINISH = 2
    };

    // Bar and time-out of the two waits, in counted milliseconds.
    static const int PROGRESS_STEP_MS = 500;
    static const int AUTH_TIMEOUT_MS = 125000;
    static const int REBOOT_TIMEOUT_MS = 600000;

    // `pThread` (not owned) delivers the servers' answers; it must outlive the wizard's run.
    CVorkWizardMemTest(CFindHostUDP *pThread, QWidget *parent);
    ~CVorkWizardMemTest() override;

    bool validateCurrentPage() override;
    void initializePage(int id) override;
    int getWizardType() const override;
    // Finish: accepted once the test runs; after a failure the wizard ends rejected.
    void accept() override;

    // Where the last page stands.
    enum Phase {
        PHASE_IDLE = 0,       // the command has not been sent
        PHASE_AUTHENTICATING, // waiting for the target's answer to the command
        PHASE_REBOOTING,      // waiting for the target to report the running test
        PHASE_STARTED,        // the test runs
        PHASE_FAILED          // wrong password or no answer in time
    };
    Phase getPhase() const { return m_phase; }
    // True once the target reported the running memory test.
    bool isMemTestStarted() const { return m_phase == PHASE_STARTED; }

    CWizStartDialog *startPage() const { return m_pStart; }
    CWizCnfmPWDialog *passwordPage() const { return m_pPassword; }
    CWizFinishPage *finishPage() const { return m_pFinish; }

private slots:
    void slotMaintainCommitPage(int id);
    void slotOperTimeOut();
    void slotPktRecvReboot(const NASINFO &nasInfo);
    void slotPktRecvMemTestProg(const NASINFO &nasInfo);

private:
    void startMemTest();
    void failOperation(const QString &text);
    bool isTargetPacket(const NASINFO &nasInfo, uint32_t type) const;
    QString targetName() const;

    CFindHostUDP *m_pThread;
    CWizStartDialog *m_pStart;
    CWizCnfmPWDialog *m_pPassword;
    CWizFinishPage *m_pFinish;
    Phase m_phase;
};

#endif // CVORKWIZARDMEMTEST_H
