#ifndef CWIZNETPROGDIALOG_H
#define CWIZNETPROGDIALOG_H

#include <QDialog>

#include "ui_CWizNetProgDialog.h"

// The modal progress dialog of a network setting: two lines of text and a bar that the job's
// signalUpdateProgress moves. The job's signalNetSettingFinished closes it with result 1 through
// slotFinished.
class CWizNetProgDialog : public QDialog, public Ui::CWizNetProgDialogBase
{
    Q_OBJECT

public:
    explicit CWizNetProgDialog(QWidget *parent = nullptr);
    ~CWizNetProgDialog() override;

    // The bar's maximum (the job's time-out, in counted milliseconds).
    void setMaximum(int maximum);

public slots:
    // Closes the dialog with done(1).
    void slotFinished();
    // The bar's value.
    void slotUpdateProgress(int progress);
};

#endif // CWIZNETPROGDIALOG_H
