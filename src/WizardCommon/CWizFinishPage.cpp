#include "CWizFinishPage.h"

#include <QTimer>

#include "CWaitScale.h"
#include "StringTable.h"

CWizFinishPage::CWizFinishPage(QWidget *parent)
    : QWizardPage(parent), m_blComplete(false), m_nMaximum(0), m_nValue(0), m_nStep(0),
      m_pTimer(nullptr)
{
    setupUi(this);
    setTitle(getString(IDS_WZD_CONCLUSION));
    setSubTitle(QStringLiteral(" "));
    m_plblStatus->hide();
    m_pprgBar->hide();
}

CWizFinishPage::~CWizFinishPage() = default;

void CWizFinishPage::setStatus(const QString &status)
{
    m_plblStatus->setText(status);
    m_plblStatus->setVisible(!status.isEmpty());
}

void CWizFinishPage::startProgress(int start, int step, int maximum)
{
    if (maximum == -1) {
        m_pprgBar->hide();
        if (m_pTimer)
            m_pTimer->stop();
        return;
    }

    m_nValue = start;
    m_nStep = step;
    m_nMaximum = maximum;
    m_pprgBar->setRange(0, maximum);
    m_pprgBar->setValue(start);
    m_pprgBar->show();

    if (!m_pTimer)
        m_pTimer = new QTimer(this);
    else
        m_pTimer->stop();
    // Made sure on every start: going back (cleanupPage) takes the tick away, and a later count
    // must still reach its end.
    connect(m_pTimer, &QTimer::timeout, this, &CWizFinishPage::slotUpdateProgress,
            Qt::UniqueConnection);
    // A count that does not advance would never end; it is shown but not run.
    if (step > 0)
        m_pTimer->start(CWaitScale::ms(step));
}

void CWizFinishPage::slotUpdateProgress()
{
    m_nValue += m_nStep;
    // The bar ignores values beyond its range: show the end instead.
    m_pprgBar->setValue(qMin(m_nValue, m_nMaximum));
    if (m_nValue >= m_nMaximum) {
        m_pTimer->stop();
        emit signalTimeout();
    }
}

void CWizFinishPage::setComplete(bool complete)
{
    m_blComplete = complete;
    if (m_pTimer)
        m_pTimer->stop();
    m_pprgBar->setValue(m_nMaximum);
    emit completeChanged();
}

bool CWizFinishPage::isComplete() const
{
    return m_blComplete;
}

bool CWizFinishPage::isCounting() const
{
    return m_pTimer && m_pTimer->isActive();
}

void CWizFinishPage::cleanupPage()
{
    setSubTitle(QStringLiteral(" "));
    m_plblStatus->hide();
    m_pprgBar->hide();
    if (m_pTimer) {
        m_pTimer->stop();
        disconnect(m_pTimer, &QTimer::timeout, this, &CWizFinishPage::slotUpdateProgress);
    }
    m_blComplete = false;
}
