#include "CVorkDialogRecovery.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "CThreadSysRecovery.h"
#include "CWaitScale.h"
#include "NasinfoText.h"
#include "StringTable.h"
#include "VorkWindowFlags.h"

CVorkDialogRecovery::CVorkDialogRecovery(QWidget *parent, const NASINFO *pnasInfo,
                                         CFindHostUDP *udp)
    : QDialog(parent, g_wfVorkDialog),
      m_ptimerUpdate(new QTimer(this)),
      m_pnasInfo(newNasinfoCopy(pnasInfo)),
      m_pJob(nullptr),
      m_pUdp(udp)
{
    setupUi(this);
    languageChange();
    m_progressBar->setValue(0);
    connect(m_ptimerUpdate, &QTimer::timeout, this, &CVorkDialogRecovery::slotUpdateStatus);
    QTimer::singleShot(CWaitScale::ms(START_DELAY_MS), this,
                       &CVorkDialogRecovery::slotStartRecovery);
}

CVorkDialogRecovery::~CVorkDialogRecovery()
{
    m_ptimerUpdate->stop();
    if (m_pJob) {
        // The job may still wait for the reboot: stop it and let its thread end before the job
        // (a child of this dialog) is destroyed.
        m_pJob->terminate();
        delete m_pJob;
        m_pJob = nullptr;
    }
    delete m_pnasInfo;
}

QPushButton *CVorkDialogRecovery::closeButton() const
{
    return m_pbuttonBox->button(QDialogButtonBox::Close);
}

void CVorkDialogRecovery::languageChange()
{
    if (QPushButton *close = closeButton()) {
        close->setText(getString(IDS_BTN_CLOSE));
        close->setEnabled(false);
    }
    m_lblProgStatus->setText(getString(IDS_SYSRCV_START));
    setWindowTitle(getString(IDS_SYSRCV_TITLE));
}

CThreadSysRecovery *CVorkDialogRecovery::getJob() const
{
    return m_pJob;
}

bool CVorkDialogRecovery::canClose() const
{
    return m_pJob && closableIn(m_pJob->getStage());
}

bool CVorkDialogRecovery::closableIn(int stage)
{
    return stage == CThreadSysRecovery::STAGE_REBOOTING || stage == CThreadSysRecovery::STAGE_DONE ||
           stage == CThreadSysRecovery::STAGE_FAILED;
}

QString CVorkDialogRecovery::errorText(int error)
{
    switch (error) {
    case CThreadSysRecovery::ERR_SEND_REBOOT:
    case CThreadSysRecovery::ERR_SEND_RECOVERY:
        return getString(IDS_NI_ERR_SEND_CMD).arg(0);
    case CThreadSysRecovery::ERR_REPLY:
    case CThreadSysRecovery::ERR_NO_ANSWER:
        return getString(IDS_NI_ERR_RECE_CMD_TIMEOUT);
    case CThreadSysRecovery::ERR_REPLY_UNREADABLE:
        return getString(IDS_WARN_FIREWALL).arg(getString(IDS_PRODUCT_NAME));
    case CThreadSysRecovery::ERR_OPEN_SOCKET:
        return getString(IDS_NI_ERR_OPEN_SOCKET);
    default:
        // The reboot wait ran out, or a code of the server's own.
        return getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(-1);
    }
}

QString CVorkDialogRecovery::statusText(int stage, int error, int remaining)
{
    switch (stage) {
    case CThreadSysRecovery::STAGE_NONE:
        return getString(IDS_SYSRCV_START);
    case CThreadSysRecovery::STAGE_BROADCAST:
        return getString(IDS_SYSRCV_PROG_CONNECT);
    case CThreadSysRecovery::STAGE_RECOVERING:
        return getString(IDS_SYSRCV_PROG_RECOVER);
    case CThreadSysRecovery::STAGE_REBOOTING:
        return getString(IDS_NI_PROG_REBOOT).arg(remaining);
    case CThreadSysRecovery::STAGE_DONE:
        return getString(IDS_SYSRCV_FINISHED);
    case CThreadSysRecovery::STAGE_FAILED:
        return getString(IDS_SYSRCV_FAILED) + QLatin1Char('\n') + errorText(error);
    default:
        return getString(IDS_SYSRCV_FAILED) + QLatin1Char('\n') +
               getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(stage);
    }
}

void CVorkDialogRecovery::slotStartRecovery()
{
    if (m_pJob)
        return;
    m_ptimerUpdate->start(CWaitScale::ms(UPDATE_INTERVAL_MS));
    m_pJob = new CThreadSysRecovery(this, m_pnasInfo, m_pUdp);
    m_pJob->start(QThread::InheritPriority);
}

void CVorkDialogRecovery::slotUpdateStatus()
{
    if (!m_pJob)
        return;
    // One look at the stage for both the text and the Close button: the job may move on between
    // two looks, and Close must not come before the text of the stage that allows it.
    const int stage = m_pJob->getStage();
    m_lblProgStatus->setText(statusText(stage, m_pJob->getError(), m_pJob->getRemaining()));
    m_progressBar->setValue(m_pJob->getProgress());
    if (closableIn(stage)) {
        if (QPushButton *close = closeButton())
            close->setEnabled(true);
    }
}

void CVorkDialogRecovery::closeEvent(QCloseEvent *event)
{
    if (!canClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CVorkDialogRecovery::keyPressEvent(QKeyEvent *event)
{
    // Escape would reject the dialog without a close event: it is refused by the same rule.
    if (event->matches(QKeySequence::Cancel) && !canClose()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
