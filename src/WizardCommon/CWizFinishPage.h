#ifndef CWIZFINISHPAGE_H
#define CWIZFINISHPAGE_H

#include <QWizardPage>

#include "ui_CWizFinishPage.h"

class QTimer;

// Last page of a timed operation (the memory-test wizard): a status line, a progress bar that a
// timer moves on, a completion flag that enables Finish, and signalTimeout() when the bar has
// reached its maximum.
//
// idle (bar hidden, incomplete) -> counting (startProgress) -> complete (setComplete) or timed
// out (signalTimeout) -> idle again when the user goes back (cleanupPage).
class CWizFinishPage : public QWizardPage, public Ui::CWizFinishPage
{
    Q_OBJECT

public:
    explicit CWizFinishPage(QWidget *parent = nullptr);
    ~CWizFinishPage() override;

    // Shows the status line with this text, or hides it for an empty text.
    void setStatus(const QString &status);

    // maximum -1: hides the bar and stops the count. Otherwise (re)starts the count: the bar
    // goes from `start` towards `maximum`, advancing by `step` every `step` milliseconds.
    void startProgress(int start, int step, int maximum);
    // Sets the completion, stops the count and fills the bar.
    void setComplete(bool complete);

    bool isComplete() const override;
    // Back to idle: subtitle cleared, status and bar hidden, count stopped, incomplete.
    void cleanupPage() override;

    int getValue() const { return m_nValue; }
    int getMaximum() const { return m_nMaximum; }
    int getStep() const { return m_nStep; }
    bool isCounting() const;

signals:
    void signalTimeout();

private slots:
    void slotUpdateProgress();

private:
    bool m_blComplete;
    int m_nMaximum;
    int m_nValue;
    int m_nStep;
    QTimer *m_pTimer;
};

#endif // CWIZFINISHPAGE_H
