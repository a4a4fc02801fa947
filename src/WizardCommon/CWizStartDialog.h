#ifndef CWIZSTARTDIALOG_H
#define CWIZSTARTDIALOG_H

#include <QWizardPage>

#include "ui_CWizStartDialog.h"

// Welcome page of the network-setting and memory-test wizards: the wizard sets its title and
// subtitle (one blank each until then); an optional status line below them.
class CWizStartDialog : public QWizardPage, public Ui::CWizStartDialog
{
    Q_OBJECT

public:
    explicit CWizStartDialog(QWidget *parent = nullptr);
    ~CWizStartDialog() override;

    // Shows the status line with this text, or hides it for an empty text.
    void setStatus(const QString &status);
};

#endif // CWIZSTARTDIALOG_H
