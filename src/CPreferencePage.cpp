#include "CPreferencePage.h"

CPreferencePage::CPreferencePage(QWidget *parent, const QString &pageName)
    : QWidget(parent), m_blChanged(false), m_strPageName(pageName)
{
}

QString CPreferencePage::getPageName() const
{
    return m_strPageName;
}

void CPreferencePage::setPageName(const QString &pageName)
{
    m_strPageName = pageName;
}

bool CPreferencePage::isSettingsChanged() const
{
    return m_blChanged;
}

void CPreferencePage::slotSettingsChanged()
{
    m_blChanged = true;
}
