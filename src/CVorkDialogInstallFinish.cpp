#include "CVorkDialogInstallFinish.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

#include "StringTable.h"

CVorkDialogInstallFinish::CVorkDialogInstallFinish(QWidget *parent, const QString &text)
    : QDialog(parent), m_pbtnOK(nullptr)
{
    setupUi(this);
    m_lblDescript1->setText(text);
    m_pbtnOK = m_pbuttonBox->button(QDialogButtonBox::Ok);
    connect(m_lblDescript1, &QLabel::linkActivated, this, &CVorkDialogInstallFinish::slotOpenVRCloseDlg);
    languageChange();
}

void CVorkDialogInstallFinish::languageChange()
{
    if (m_pbtnOK)
        m_pbtnOK->setText(getString(IDS_BTN_OK));
    setWindowTitle(getString(IDS_INFORMATION));
}

void CVorkDialogInstallFinish::setText(const QString &text)
{
    m_lblDescript1->setText(text);
}

void CVorkDialogInstallFinish::slotOpenVRCloseDlg(QString link)
{
    QDesktopServices::openUrl(QUrl(link));
    accept();
}
