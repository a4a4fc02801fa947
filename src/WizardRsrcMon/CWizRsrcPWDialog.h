#ifndef CWIZRSRCPWDIALOG_H
#define CWIZRSRCPWDIALOG_H

#include <QWizardPage>

#include "ui_CWizRsrcPWDialog.h"

class CVorkWizardRsrcMon;
class QRegExpValidator;

// Page 2 of the resource-monitor wizard: the administrator account, the password and whether
// to remember it. Servers below build 1565 take only the default administrator account, so the
// account is read-only for them. An edited profile fills the page on its first entry.
//
// Fields: "AdminAccount", "Password", "SaveCred".
class CWizRsrcPWDialog : public QWizardPage, public Ui::CWizRsrcPWDialog
{
    Q_OBJECT

public:
    // Longest password the page takes. At four UTF-8 bytes per character at most, any such
    // password stays within the scrambler's limit (SCRAMBLE_STRING_MAX_UTF8).
    static const int PASSWORD_MAX_LENGTH = 254;
    // First server build that accepts other administrator accounts than the default one.
    static const uint32_t FIRST_BUILD_ANY_ACCOUNT = 1565;

    explicit CWizRsrcPWDialog(QWidget *parent);
    ~CWizRsrcPWDialog() override;

    void initializePage() override;
    // Keeps the values when the user goes back.
    void cleanupPage() override;
    bool validatePage() override;

    void setFields(const QString &account, const QString &password, bool saveCred);
    // The default administrator, no password, not remembered.
    void resetFields();

    bool isInitialized() const { return m_blInitialized; }

public slots:
    // Texts of the page; also puts the default administrator name into the account edit.
    virtual void languageChange();

private:
    CVorkWizardRsrcMon *rsrcWizard() const;

    bool m_blInitialized;
    QRegExpValidator *m_pPasswordValidator;
};

#endif // CWIZRSRCPWDIALOG_H
