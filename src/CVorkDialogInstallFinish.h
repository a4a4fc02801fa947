#ifndef CVORKDIALOGINSTALLFINISH_H
#define CVORKDIALOGINSTALLFINISH_H

#include <QDialog>
#include <QString>

#include "ui_CVorkDialogInstallFinish.h"

class QPushButton;

// The small modal message the installation page pops up when its job ends while the install
// dialog is hidden. Its text carries the log-in link of the server; the link opens the
// server's web page and closes the message, like the OK button.
class CVorkDialogInstallFinish : public QDialog, public Ui::CVorkDialogInstallFinish
{
    Q_OBJECT

public:
    CVorkDialogInstallFinish(QWidget *parent, const QString &text);

    virtual void languageChange();
    void setText(const QString &text);

public slots:
    void slotOpenVRCloseDlg(QString link);

private:
    QPushButton *m_pbtnOK;
};

#endif // CVORKDIALOGINSTALLFINISH_H
