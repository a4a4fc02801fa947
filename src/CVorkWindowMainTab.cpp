#include "CVorkWindowMainTab.h"

CVorkWindowMainTab::CVorkWindowMainTab(QWidget *parent)
    : QMainWindow(parent), m_blInit(false), m_pMainWindow(nullptr)
{
}

CVorkWindowMain *CVorkWindowMainTab::getMainWindow() const
{
    return m_pMainWindow;
}

void CVorkWindowMainTab::setMainWindow(CVorkWindowMain *pMainWindow)
{
    m_pMainWindow = pMainWindow;
}

void CVorkWindowMainTab::slotDelayedInit()
{
    if (!m_blInit)
        m_blInit = true;
}

void CVorkWindowMainTab::languageChange()
{
}

void CVorkWindowMainTab::slotLanguageChanged()
{
}
