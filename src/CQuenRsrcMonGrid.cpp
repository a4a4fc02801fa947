#include "CQuenRsrcMonGrid.h"

#include <QFont>

CQuenRsrcMonGrid::CQuenRsrcMonGrid(QWidget *parent)
    : QGroupBox(parent)
    , m_strLegend()
    , m_strTitle()
{
    setupUi(this);

    QFont fontBox("Arial");
    fontBox.setPixelSize(14);
    fontBox.setWeight(QFont::Bold);
    setFont(fontBox);

    QFont fontUnit("Arial");
    fontUnit.setPixelSize(10);
    fontUnit.setWeight(QFont::Normal);
    m_plblXUnit->setFont(fontUnit);
}

CQuenRsrcMonGrid::~CQuenRsrcMonGrid()
{
}

QWidget *CQuenRsrcMonGrid::getWidget() const
{
    return m_pwdgCenter;
}

void CQuenRsrcMonGrid::setWidget(QWidget *pWidget)
{
    if (m_pwdgCenter != nullptr) {
        m_pvertLayout->removeWidget(m_pwdgCenter);
        m_pvertLayout->removeWidget(m_plblXUnit);
    }
    m_pwdgCenter = pWidget;
    if (m_pwdgCenter != nullptr)
        m_pvertLayout->addWidget(m_pwdgCenter);
    // The label goes in last so that it always stays below the chart.
    m_pvertLayout->addWidget(m_plblXUnit);
}

void CQuenRsrcMonGrid::removeWidget()
{
    if (m_pwdgCenter != nullptr) {
        m_pvertLayout->removeWidget(m_pwdgCenter);
        m_pvertLayout->removeWidget(m_plblXUnit);
    }
    m_pwdgCenter = nullptr;
}

void CQuenRsrcMonGrid::setUnitLabel(const QString &strText)
{
    m_plblXUnit->setText(strText);
    m_plblXUnit->setVisible(!strText.isEmpty());
}

void CQuenRsrcMonGrid::setTitle(const QString &strTitle)
{
    m_strTitle = strTitle;
    updateTitle();
}

void CQuenRsrcMonGrid::setLegend(const QString &strLegend)
{
    m_strLegend = strLegend;
    updateTitle();
}

void CQuenRsrcMonGrid::updateTitle()
{
    // Both parts are placed in one pass, so a "%" sequence inside the title is never taken for
    // the legend's place marker.
    QGroupBox::setTitle(QString("%1 %2").arg(m_strTitle, m_strLegend));
}
