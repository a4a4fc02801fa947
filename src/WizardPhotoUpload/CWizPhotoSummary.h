#ifndef CWIZPHOTOSUMMARY_H
#define CWIZPHOTOSUMMARY_H

#include <QWizardPage>

#include "ui_CWizPhotoSummary.h"

// Page 3 of the photo-profile wizard: the profile as it will be stored (five report rows) and
// the "Connect immediately" choice. Entering the page rebuilds the wizard's record from the
// fields; Back empties the report and keeps the choice.
//
// Field: "ToConnect" (checked when the wizard is built).
class CWizPhotoSummary : public QWizardPage, public Ui::CWizPhotoSummary
{
    Q_OBJECT

public:
    explicit CWizPhotoSummary(QWidget *parent);
    ~CWizPhotoSummary() override;

    virtual void languageChange();
    void initializePage() override;
    void cleanupPage() override;
};

#endif // CWIZPHOTOSUMMARY_H
