#ifndef CVORKDIALOGINSTALL_H
#define CVORKDIALOGINSTALL_H

#include <QDialog>
#include <QString>

#include "ui_CVorkDialogInstall.h"

class QPushButton;
class QWidget;

// The non-modal dialog of one install entry. It holds the entry's installation page and two
// buttons: Hide (the box's Close button, reject role) leaves the job running in the background;
// Close/Cancel (the box's Ok button, accept role, hidden until the page allows it) stops the
// job and asks the install map to remove the entry.
class CVorkDialogInstall : public QDialog, public Ui::CVorkDialogInstall
{
    Q_OBJECT

public:
    explicit CVorkDialogInstall(QWidget *parent);
    ~CVorkDialogInstall() override;

    // Inserts the page at index 0 of the stack and shows it.
    void setInstallWindow(QWidget *page);
    // The current widget of the stack: the installation page once set.
    QWidget *getInstallWindow() const;

    QPushButton *getHideButton() const;
    QPushButton *getCloseButton() const;

    virtual void languageChange();

signals:
    void signalClearFinishedItems();
    void signalCloseDlgRemoveItem(QString strMac);

public slots:
    void slotClearFinishedItems();
    void slotChangeCloseBtnTitle2Close();
    void slotChangeCloseBtnTitle2Hide();
    void slotShowCloseButton();
    void slotHideCloseButton();
    void slotCloseDlgRemoveItem();
    void slotRejectDlg();

private:
    QPushButton *m_pbtnHide;
    QPushButton *m_pbtnClose;
};

#endif // CVORKDIALOGINSTALL_H
