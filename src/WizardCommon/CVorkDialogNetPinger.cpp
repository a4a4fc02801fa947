#include "CVorkDialogNetPinger.h"

#include <QHostAddress>
#include <QShowEvent>
#include <QTimer>

#include "StringTable.h"

const char *const CVorkDialogNetPinger::PING_PROGRAM = "/bin/ping";

CVorkDialogNetPinger::CVorkDialogNetPinger()
    : QDialog(nullptr),
      m_ulResult(0),
      m_ulCurrent(0),
      m_ulMask(0),
      m_nMode(0),
      m_pProcess(nullptr),
      m_pTimer(nullptr)
{
    setupUi(this);
    setFixedSize(400, 100);
    m_pTimer = new QTimer(this);
    m_pTimer->setSingleShot(true);
    m_pTimer->setInterval(PING_TIMEOUT_MS);
    connect(m_pTimer, &QTimer::timeout, this, &CVorkDialogNetPinger::slotProgTimeout);
    languageChange();
}

CVorkDialogNetPinger::~CVorkDialogNetPinger()
{
    // The process is a child and would be killed by its own destructor too; doing it here keeps
    // its signals away from a half-destroyed dialog.
    stopPing();
}

void CVorkDialogNetPinger::setTarget(int mode, uint32_t address, uint32_t mask)
{
    m_ulResult = 0;
    m_ulCurrent = address;
    m_ulMask = mask;
    m_nMode = mode;
    m_pgrpTitle->setTitle(getString(m_nMode == MODE_SEARCH ? IDS_FIND_IP : IDS_CHECK_IP_CONFLICT));
    m_plblStatus->setText(statusText());
}

void CVorkDialogNetPinger::languageChange()
{
    m_plblStatus->clear();
    m_pgrpTitle->setTitle(getString(m_nMode == MODE_SEARCH ? IDS_FIND_IP : IDS_CHECK_IP_CONFLICT));
}

QString CVorkDialogNetPinger::statusText() const
{
    return getString(IDS_LBL_CHECK_IP).arg(QHostAddress(m_ulCurrent).toString());
}

void CVorkDialogNetPinger::showEvent(QShowEvent *event)
{
    setFixedSize(minimumSize());
    slotPing();
    QDialog::showEvent(event);
}

void CVorkDialogNetPinger::stopPing()
{
    m_pTimer->stop();
    if (!m_pProcess)
        return;
    QProcess *process = m_pProcess;
    m_pProcess = nullptr;
    disconnect(process, nullptr, this, nullptr);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
    }
    process->deleteLater();
}

void CVorkDialogNetPinger::slotPing()
{
    stopPing();
    m_pProcess = new QProcess(this);
    connect(m_pProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &CVorkDialogNetPinger::slotPingExit);
    connect(m_pProcess, &QProcess::started, this, &CVorkDialogNetPinger::slotPingProcStart);
    m_pProcess->start(QString::fromLatin1(PING_PROGRAM),
                      {QStringLiteral("-q"), QStringLiteral("-c"), QStringLiteral("1"),
                       QHostAddress(m_ulCurrent).toString()},
                      QIODevice::ReadWrite);
}

void CVorkDialogNetPinger::slotPingProcStart()
{
    m_plblStatus->setText(statusText());
    m_pTimer->start(PING_TIMEOUT_MS);
}

void CVorkDialogNetPinger::slotProgTimeout()
{
    qDebug("\nslotProgTimeout");
    if (!m_pProcess)
        return;
    // No answer within the time: the address is free.
    stopPing();
    m_ulResult = m_ulCurrent;
    accept();
}

void CVorkDialogNetPinger::slotPingExit(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug("\nslotPingExit   exitCode: %d  ExitStatus: %d", exitCode, static_cast<int>(exitStatus));
    if (!m_pProcess)
        return;
    // The program ended before the time-out: the address is in use. The process object is
    // still inside its own signal, so it goes later.
    stopPing();
    if (m_nMode == MODE_SEARCH) {
        const uint32_t next = m_ulCurrent + 1;
        if ((next & m_ulMask) == (m_ulCurrent & m_ulMask)) {
            m_ulCurrent = next;
            slotPing();
            return;
        }
    }
    m_ulResult = 0;
    accept();
}

void CVorkDialogNetPinger::done(int r)
{
    stopPing();
    QDialog::done(r);
}
