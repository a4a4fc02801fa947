#ifndef CWIZRSRCSUMMARY_H
#define CWIZRSRCSUMMARY_H

#include <QWizardPage>

#include "ui_CWizRsrcSummary.h"

// Page 3, the last page of the resource-monitor wizard: the five rows of the profile that will
// be stored, and whether to connect to the server at once.
//
// Field: "ToConnect".
class CWizRsrcSummary : public QWizardPage, public Ui::CWizRsrcSummary
{
    Q_OBJECT

public:
    explicit CWizRsrcSummary(QWidget *parent);
    ~CWizRsrcSummary() override;

    virtual void languageChange();
    // Makes the wizard build the profile from the fields and lists its rows.
    void initializePage() override;
    // Empties the list, so that the next entry shows the rows once.
    void cleanupPage() override;
};

#endif // CWIZRSRCSUMMARY_H
