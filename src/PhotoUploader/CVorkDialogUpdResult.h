#ifndef CVORKDIALOGUPDRESULT_H
#define CVORKDIALOGUPDRESULT_H

#include <QDialog>
#include <QString>

#include "ui_CVorkDialogUpdResult.h"

// The box the photo-upload page shows when an upload run has ended: the information icon, a
// headline (the success and failure counts), a line below it (the question whether to open the
// photo site now) and the buttons Yes and No. When files failed, setDetailedText adds a
// "Show Details..." button that unfolds and folds a read-only list of the failures below the
// buttons; the box keeps its size hint, so it grows and shrinks with the list.
//
// exec() gives 1 for Yes and 0 for No, Escape or the window's close button.
class CVorkDialogUpdResult : public QDialog, public Ui::CVorkDialogUpdResult
{
    Q_OBJECT

public:
    explicit CVorkDialogUpdResult(QWidget *parent);
    ~CVorkDialogUpdResult() override;

    // Sets the fixed texts from the string table.
    virtual void languageChange();

    // The headline.
    void setText(const QString &text);
    // The line below the headline.
    void setInformativeText(const QString &text);
    // Fills the details list (plain text) and shows its button; the list itself stays folded
    // until the user asks for it.
    void setDetailedText(const QString &text);

    // Whether the details list is unfolded.
    bool isDetailShown() const { return m_blShowDetail; }

private slots:
    // Unfolds or folds the details list; the button names what its next press will do.
    void slotMoreInfoButtonClicked();

private:
    bool m_blShowDetail;
};

#endif // CVORKDIALOGUPDRESULT_H
