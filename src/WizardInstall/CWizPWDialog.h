#ifndef CWIZPWDIALOG_H
#define CWIZPWDIALOG_H

#include <QWizardPage>

#include "ui_CWizPWDialogBase.h"

// The server page of the install wizard: server name, the new administrator password twice and
// the choice to create a hybrid-RAID (QBV) volume. The page limits what can be typed (15
// name characters, 12 or 127 password characters by the server's build); the comparison of the
// passwords and the name rules are the wizard's own page check.
//
// Fields: "Passwd", "Confirm", "ServerName*" (mandatory), "IsDoQBV".
class CWizPWDialog : public QWizardPage, public Ui::CWizPWDialogBase
{
    Q_OBJECT

public:
    // The service number of the hybrid-RAID volume in the server's service bitmaps.
    static const int SERVICE_QBV = 7;

    explicit CWizPWDialog(QWidget *parent);
    ~CWizPWDialog() override;

    void initializePage() override;
    void cleanupPage() override;

    // The password length the page allows now (12 or 127).
    int getMaxPasswordLength() const { return m_nMaxLen; }

protected:
    void setTexts(int maxLen);

private:
    int m_nMaxLen;
};

#endif // CWIZPWDIALOG_H
