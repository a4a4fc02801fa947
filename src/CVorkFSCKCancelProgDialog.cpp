#include "CVorkFSCKCancelProgDialog.h"

#include <QTimer>

#include "CWaitScale.h"
#include "NasinfoText.h"
#include "StringTable.h"

namespace {
// The tick that finds the bar above this value ends the wait: with a maximum of 20000 the 20th.
const int LAST_VALUE = 18999;
} // namespace

CVorkFSCKCancelProgDialog::CVorkFSCKCancelProgDialog(QWidget *parent, const NASINFO *pnasInfo)
    : QDialog(parent, Qt::WindowFlags()), m_pTimer(new QTimer)
{
    // The answers come queued from the discovery thread.
    qRegisterMetaType<NASINFO>("NASINFO");

    setupUi(this);
    setWindowTitle(getString(IDS_FSCK_DLG_TITLE));
    m_lblDescript1->setText(getString(IDS_FSCK_LBL_CANCELING));
    m_lblDescript2->setText(getString(IDS_WAIT1));
    if (pnasInfo)
        m_strMac = nasinfoText(pnasInfo->szMac);
}

CVorkFSCKCancelProgDialog::~CVorkFSCKCancelProgDialog()
{
    m_pTimer->stop();
    delete m_pTimer;
}

bool CVorkFSCKCancelProgDialog::isCounting() const
{
    return m_pTimer->isActive();
}

void CVorkFSCKCancelProgDialog::startProgress(int max)
{
    m_prg->setRange(0, max);
    m_prg->setValue(0);
    connect(m_pTimer, &QTimer::timeout, this, &CVorkFSCKCancelProgDialog::slotUpdateProgress,
            Qt::UniqueConnection);
    m_pTimer->start(CWaitScale::ms(TICK_MS));
}

void CVorkFSCKCancelProgDialog::slotUpdateProgress()
{
    const int value = m_prg->value();
    // A bar that cannot take one more step (a maximum below 19000) also ends the wait; it would
    // otherwise stand still below the end for ever.
    if (value > LAST_VALUE || value + PROGRESS_STEP > m_prg->maximum()) {
        emit waitTimeout();
        slotFinished(1);
        return;
    }
    m_prg->setValue(value + PROGRESS_STEP);
}

void CVorkFSCKCancelProgDialog::slotRespPktRecv(const NASINFO &nasInfo)
{
    if (nasInfo.ulPacketType != FHOST_PKT_BRESPONSE)
        return;
    const QString mac = nasinfoText(nasInfo.szMac);
    qDebug("recvPkt mac:[%s] m_strMac:[%s]", qPrintable(mac), qPrintable(m_strMac));
    if (mac.compare(m_strMac, Qt::CaseInsensitive) == 0) {
        slotFinished(0);
        return;
    }
    qDebug("not match! recvPkt mac:[%s] m_strMac:[%s]", qPrintable(mac), qPrintable(m_strMac));
}

void CVorkFSCKCancelProgDialog::slotFinished(int retStatus)
{
    m_pTimer->stop();
    disconnect(m_pTimer, &QTimer::timeout, this, &CVorkFSCKCancelProgDialog::slotUpdateProgress);
    done(retStatus);
}
