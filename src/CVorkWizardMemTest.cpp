#include "CVorkWizardMemTest.h"

#include "CFindHostUDP.h"
#include "CVorkGlobalSettings.h"
#include "CWizCnfmPWDialog.h"
#include "CWizFinishPage.h"
#include "CWizStartDialog.h"
#include "NasinfoText.h"
#include "StringTable.h"
#include "VorkDebug.h"

namespace {
const char *const SRC = "src/CVorkWizardMemTest";
} // namespace

CVorkWizardMemTest::CVorkWizardMemTest(CFindHostUDP *pThread, QWidget *parent)
    : CQuenWizard(nullptr, parent),
      m_pThread(pThread),
      m_pStart(new CWizStartDialog(this)),
      m_pPassword(new CWizCnfmPWDialog(this)),
      m_pFinish(new CWizFinishPage(this)),
      m_phase(PHASE_IDLE)
{
    // The answers come queued from the discovery thread.
    qRegisterMetaType<NASINFO>("NASINFO");

    setPage(PAGE_START, m_pStart);
    setPage(PAGE_PASSWORD, m_pPassword);
    setPage(PAGE_FINISH, m_pFinish);
    setWindowTitle(getString(IDS_WELCOME_MSG1).arg(CVorkGlobalSettings::getAppName()));
    m_pPassword->setHint(getString(IDS_HELP_MEM_TEST_PASSWD));
    connect(this, &QWizard::currentIdChanged, this, &CVorkWizardMemTest::slotMaintainCommitPage);
}

CVorkWizardMemTest::~CVorkWizardMemTest() = default;

int CVorkWizardMemTest::getWizardType() const
{
    return WIZARD_MEM_TEST;
}

bool CVorkWizardMemTest::validateCurrentPage()
{
    QWizardPage *page = currentPage();
    return page ? page->validatePage() : true;
}

void CVorkWizardMemTest::accept()
{
    if (m_phase == PHASE_STARTED)
        QDialog::accept();
    else
        QDialog::reject();
}

QString CVorkWizardMemTest::targetName() const
{
    const NASINFO *pnasInfo = getNasinfo();
    return pnasInfo ? nasinfoText(pnasInfo->szServerName) : QString();
}

void CVorkWizardMemTest::initializePage(int id)
{
    switch (id) {
    case PAGE_START: {
        const QString name = targetName();
        m_pStart->setTitle(getString(IDS_WZD_MEM_TEST));
        m_pStart->setStatus(QStringLiteral("<font color=red>") +
                            getString(IDS_MSG_REBOOT).arg(name) +
                            getString(IDS_WARN_MEM_TEST_NO_SERVICE).arg(name, name) +
                            QStringLiteral("</font>"));
        break;
    }
    case PAGE_FINISH:
        setOption(QWizard::NoCancelButton, true);
        setOption(QWizard::DisabledBackButtonOnLastPage, true);
        startMemTest();
        break;
    default:
        QWizard::initializePage(id);
        break;
    }
}

void CVorkWizardMemTest::slotMaintainCommitPage(int id)
{
    if (id != PAGE_FINISH)
        setOption(QWizard::NoCancelButton, false);
    if (id == PAGE_PASSWORD)
        m_pPassword->setCommitPage(true);
}

void CVorkWizardMemTest::startMemTest()
{
    m_phase = PHASE_AUTHENTICATING;
    connect(m_pFinish, &CWizFinishPage::signalTimeout, this, &CVorkWizardMemTest::slotOperTimeOut,
            Qt::UniqueConnection);
    m_pFinish->startProgress(0, PROGRESS_STEP_MS, AUTH_TIMEOUT_MS);

    // Listen before sending: a server on the local network answers within milliseconds, and an
    // answer that the discovery thread hands on before anyone listens is lost.
    if (m_pThread) {
        connect(m_pThread, &CFindHostUDP::signalRecvPkt, this,
                &CVorkWizardMemTest::slotPktRecvReboot, Qt::UniqueConnection);
    }
    NASINFO *pnasInfo = getNasinfo();
    CFindHostUDP::sendPktMemTest(field(QStringLiteral("ConfirmPasswd")).toString(), pnasInfo, 1);
    if (pnasInfo)
        pnasInfo->ulConfigured = FHOSTQC_BOOTING;
    m_pFinish->setStatus(getString(IDS_LBL_CHK_AUTH));
}

bool CVorkWizardMemTest::isTargetPacket(const NASINFO &nasInfo, uint32_t type) const
{
    const NASINFO *pnasInfo = getNasinfo();
    return pnasInfo && nasInfo.ulPacketType == type &&
           nasinfoTextEqual(nasInfo.szMac, pnasInfo->szMac);
}

void CVorkWizardMemTest::slotPktRecvReboot(const NASINFO &nasInfo)
{
    // The phase check also drops a packet that was already queued when the slot was
    // disconnected.
    if (m_phase != PHASE_AUTHENTICATING || !isTargetPacket(nasInfo, FHOST_PKT_BRESPONSE))
        return;

    if (nasInfo.ulErrCode == 1) {
        failOperation(getString(IDS_INCORRECT_PASSWD));
        return;
    }

    m_phase = PHASE_REBOOTING;
    m_pFinish->setStatus(getString(IDS_LBL_WAIT_REBOOT).arg(targetName()));
    m_pFinish->startProgress(0, PROGRESS_STEP_MS, REBOOT_TIMEOUT_MS);
    // The progress slot listens before the answer slot stops, so that no packet falls between.
    if (m_pThread) {
        connect(m_pThread, &CFindHostUDP::signalRecvPkt, this,
                &CVorkWizardMemTest::slotPktRecvMemTestProg, Qt::UniqueConnection);
        disconnect(m_pThread, &CFindHostUDP::signalRecvPkt, this,
                   &CVorkWizardMemTest::slotPktRecvReboot);
    }
}

void CVorkWizardMemTest::slotPktRecvMemTestProg(const NASINFO &nasInfo)
{
    if (m_phase != PHASE_REBOOTING || !isTargetPacket(nasInfo, FHOST_PKT_JRESPONSE))
        return;

    if (nasInfo.ulConfigured != FHOSTQC_MEM_TESTING) {
        VORK_DEBUG_INT(SRC, "nasInfo.ulConfigured", nasInfo.ulConfigured);
        return;
    }

    m_phase = PHASE_STARTED;
    m_pFinish->setComplete(true);
    m_pFinish->setStatus(getString(IDS_LBL_MEM_TEST_STARTED).arg(targetName()));
    if (m_pThread) {
        disconnect(m_pThread, &CFindHostUDP::signalRecvPkt, this,
                   &CVorkWizardMemTest::slotPktRecvMemTestProg);
    }
}

void CVorkWizardMemTest::slotOperTimeOut()
{
    if (m_phase != PHASE_AUTHENTICATING && m_phase != PHASE_REBOOTING)
        return;
    failOperation(getString(IDS_NI_ERR_RECE_CMD_TIMEOUT));
}

void CVorkWizardMemTest::failOperation(const QString &text)
{
    m_phase = PHASE_FAILED;
    m_pFinish->setStatus(text);
    // Back to the password page becomes possible, so that the user can try again.
    m_pPassword->setCommitPage(false);
    setOption(QWizard::DisabledBackButtonOnLastPage, false);
    // Neither phase listens any longer: a late answer (a state-9 packet after the reboot wait
    // ran out) must not turn the failure shown into a started test.
    if (m_pThread) {
        disconnect(m_pThread, &CFindHostUDP::signalRecvPkt, this,
                   &CVorkWizardMemTest::slotPktRecvReboot);
        disconnect(m_pThread, &CFindHostUDP::signalRecvPkt, this,
                   &CVorkWizardMemTest::slotPktRecvMemTestProg);
    }
    // Last, so that the wizard's buttons are worked out with the password page no longer a
    // commit page: Back is then enabled, and Finish.
    m_pFinish->setComplete(true);
}
