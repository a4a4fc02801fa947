#include "CVorkDialogInstall.h"

#include <QPushButton>

#include "CQuickConf.h"
#include "CThreadNetInstall.h"
#include "CVorkWindowInstall.h"
#include "NasinfoText.h"
#include "StringTable.h"
#include "VorkWindowFlags.h"

CVorkDialogInstall::CVorkDialogInstall(QWidget *parent)
    : QDialog(parent, g_wfVorkDialog), m_pbtnHide(nullptr), m_pbtnClose(nullptr)
{
    // The form connects the box's accepted()/rejected() to accept()/reject() first, so a
    // button hides the dialog before the connections below run.
    setupUi(this);

    m_pbtnHide = m_buttonBox->button(QDialogButtonBox::Close);
    m_pbtnClose = m_buttonBox->button(QDialogButtonBox::Ok);
    m_pbtnClose->hide();

    setMinimumSize(800, 600);
    languageChange();
    setModal(false);

    connect(this, &QDialog::rejected, this, &CVorkDialogInstall::slotClearFinishedItems);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &CVorkDialogInstall::slotClearFinishedItems);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &CVorkDialogInstall::slotCloseDlgRemoveItem);
}

CVorkDialogInstall::~CVorkDialogInstall()
{
    disconnect(this, &QDialog::rejected, this, &CVorkDialogInstall::slotClearFinishedItems);
    disconnect(m_buttonBox, &QDialogButtonBox::rejected, this, &CVorkDialogInstall::slotClearFinishedItems);
    disconnect(m_buttonBox, &QDialogButtonBox::accepted, this, &CVorkDialogInstall::slotCloseDlgRemoveItem);
}

void CVorkDialogInstall::setInstallWindow(QWidget *page)
{
    m_stackedWidget->insertWidget(0, page);
    m_stackedWidget->setCurrentIndex(0);
}

QWidget *CVorkDialogInstall::getInstallWindow() const
{
    return m_stackedWidget->currentWidget();
}

QPushButton *CVorkDialogInstall::getHideButton() const
{
    return m_pbtnHide;
}

QPushButton *CVorkDialogInstall::getCloseButton() const
{
    return m_pbtnClose;
}

void CVorkDialogInstall::languageChange()
{
    if (m_pbtnHide)
        m_pbtnHide->setText(getString(IDS_BTN_HIDE));
    if (m_pbtnClose)
        m_pbtnClose->setText(getString(IDS_BTN_CLOSE));
    setWindowTitle(getString(IDS_NI_PROGRESS_TITLE));
}

void CVorkDialogInstall::slotClearFinishedItems()
{
    emit signalClearFinishedItems();
}

void CVorkDialogInstall::slotChangeCloseBtnTitle2Close()
{
    if (m_pbtnHide)
        m_pbtnHide->setText(getString(IDS_BTN_CLOSE));
}

void CVorkDialogInstall::slotChangeCloseBtnTitle2Hide()
{
    if (m_pbtnHide)
        m_pbtnHide->setText(getString(IDS_BTN_HIDE));
}

void CVorkDialogInstall::slotShowCloseButton()
{
    m_pbtnClose->setText(getString(IDS_BTN_CLOSE));
    // While the server reboots the button cancels the installation.
    const CVorkWindowInstall *page = qobject_cast<const CVorkWindowInstall *>(getInstallWindow());
    if (page && page->getNetInstallJob() && page->getNetInstallJob()->getStage() == NI_STAGE_REBOOT)
        m_pbtnClose->setText(getString(IDS_BTN_CANCEL));
    m_pbtnClose->show();
}

void CVorkDialogInstall::slotHideCloseButton()
{
    m_pbtnClose->hide();
}

void CVorkDialogInstall::slotCloseDlgRemoveItem()
{
    QString mac;
    CVorkWindowInstall *page = qobject_cast<CVorkWindowInstall *>(getInstallWindow());
    if (page) {
        const NASINFO *record = nullptr;
        CQuickConf *quickConf = page->getQuickConfJob();
        CThreadNetInstall *netInstall = page->getNetInstallJob();
        if (!quickConf && netInstall) {
            netInstall->setCancel(true);
            netInstall->terminate();
            record = netInstall->getNasinfo();
        }
        if (quickConf) {
            quickConf->stop();
            record = quickConf->getNasinfo();
        }
        if (record)
            mac = nasinfoText(record->szMac);
    }
    // The install map removes the entry (deferred, this dialog included) and a new search
    // starts; an empty MAC removes nothing.
    emit signalCloseDlgRemoveItem(mac);
}

void CVorkDialogInstall::slotRejectDlg()
{
    QDialog::reject();
}
