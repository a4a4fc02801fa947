#ifndef CWIZPHOTOPWDIALOG_H
#define CWIZPHOTOPWDIALOG_H

#include <QWizardPage>

#include "ui_CWizPhotoPWDialog.h"

class QRegExpValidator;

// Page 2 of the photo-profile wizard: the server's shared photo site or one user's personal
// site, the account and password, and whether to remember the password. It fills itself once,
// from the edited profile or with the new-profile defaults, and keeps the user's entries across
// Back and Next.
//
// Fields: "Account", "Password" (clear text; the wizard scrambles it), "PersonalName",
// "SaveCred", "IsPersonalImagrove" (none mandatory).
class CWizPhotoPWDialog : public QWizardPage, public Ui::CWizPhotoPWDialog
{
    Q_OBJECT

public:
    explicit CWizPhotoPWDialog(QWidget *parent);
    ~CWizPhotoPWDialog() override;

    void initializePage() override;
    void cleanupPage() override;
    bool validatePage() override;

    // Fills the page. With `personal` false the shared site is chosen and the owner edit shows
    // "User1", disabled; `personalName` is then not used.
    void setDefaults(const QString &account, const QString &password, bool saveCred,
                     bool personal, const QString &personalName);

protected slots:
    virtual void languageChange();
    // Gives the password edit the focus when it is empty.
    void showEvent(QShowEvent *event) override;
    // Enables the owner edit exactly while the personal site is chosen; its text stays.
    void slotPersonalRadioBtnToogled(bool blIsToggled);

private:
    bool m_blInitialized;
    QRegExpValidator *m_pPasswordValidator;
};

#endif // CWIZPHOTOPWDIALOG_H
