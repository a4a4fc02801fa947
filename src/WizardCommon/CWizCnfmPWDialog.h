#ifndef CWIZCNFMPWDIALOG_H
#define CWIZCNFMPWDIALOG_H

#include <QWizardPage>

#include "ui_CWizCnfmPWDialog.h"

class QRegExpValidator;

// Wizard page that asks for the target server's current administrator password, shared by the
// network-setting and memory-test wizards. The password is the wizard field "ConfirmPasswd".
// Older servers (build 559 and below) take at most 12 characters, later ones 127. Going back
// keeps what was typed. The page needs a CQuenWizard with a target record.
class CWizCnfmPWDialog : public QWizardPage, public Ui::CWizCnfmPWDialog
{
    Q_OBJECT

public:
    explicit CWizCnfmPWDialog(QWidget *parent = nullptr);
    ~CWizCnfmPWDialog() override;

    // The help text under "Hint:" (one blank until set).
    void setHint(const QString &hint);

    // Sets the password length limit from the target's build.
    void initializePage() override;
    // Keeps the typed password.
    void cleanupPage() override;

protected slots:
    virtual void languageChange();

private:
    QRegExpValidator *m_pShortPasswordValidator;
};

#endif // CWIZCNFMPWDIALOG_H
