#include "CVorkWindowProgQuickConf.h"

#include <QDesktopServices>
#include <QUrl>

#include "StringTable.h"

CVorkWindowProgQuickConf::CVorkWindowProgQuickConf(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    m_plblQCMsg->hide();
    connect(m_plblQCMsg, &QLabel::linkActivated, this, &CVorkWindowProgQuickConf::slotOpenVRUrl);
    languageChange();
}

void CVorkWindowProgQuickConf::setProgressValue(int value)
{
    m_pprgFinish->setValue(value);
    m_pprgFinish->show();
}

void CVorkWindowProgQuickConf::languageChange()
{
    m_plblTitle2->setText(getString(IDS_APPLY_SETTING));
    m_plblTitle1->setText(getString(IDS_WAIT1));
    m_pgrpPrgBox->setTitle(getString(IDS_NI_TREE_PROGRESS));
}

void CVorkWindowProgQuickConf::slotUpdateProgressBar()
{
    m_pprgFinish->setValue(m_pprgFinish->value() + 1);
}

void CVorkWindowProgQuickConf::slotOpenVRUrl(QString link)
{
    // Without a browser (or a handler) the call fails; the dialog still hides, as the user asked.
    QDesktopServices::openUrl(QUrl(link));
    emit signalOpenVRUrl(link);
}
