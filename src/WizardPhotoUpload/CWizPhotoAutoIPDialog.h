#ifndef CWIZPHOTOAUTOIPDIALOG_H
#define CWIZPHOTOAUTOIPDIALOG_H

#include <QList>
#include <QWizardPage>

#include "CVorkNasinfoMap.h"
#include "ui_CWizPhotoAutoIPDialog.h"

class QMovie;
class QResizeEvent;
class CVorkAddDlgNasinfoProxyModel;
class CVorkFinderWindow;
class CVorkNasinfoModel;

// Page 0 of the photo-profile wizard, present only when a profile is added: the user takes one
// of the servers the finder has found (Ready and able to take photo uploads, listed live and
// sorted by name) or chooses to type an address on the next page. The Search button starts a
// new search of the finder page and shows a busy animation until that search ends.
//
// Taking a listed server gives the wizard a copy of its record and fills the address page from
// it, so that the wizard goes on to the account page directly. The page registers no fields:
// Next is always enabled, and every check happens in validatePage.
class CWizPhotoAutoIPDialog : public QWizardPage, public Ui::CWizPhotoAutoIPDialog
{
    Q_OBJECT

public:
    // The server states a record can carry (0 to 14); one list of selected keys per state.
    static const int STATE_COUNT = 15;

    // `finder` and `model` are the finder page and its table model (both borrowed). Without a
    // finder the Search button does nothing; without a model the list stays empty.
    CWizPhotoAutoIPDialog(CVorkFinderWindow *finder, CVorkNasinfoModel *model, QWidget *parent);
    ~CWizPhotoAutoIPDialog() override;

    // Sets the page's texts from the string table.
    virtual void languageChange();
    void initializePage() override;
    void cleanupPage() override;
    bool validatePage() override;
    // The account page when a listed server is taken, else the address page.
    int nextId() const override;

    // Fits the four columns to the width of the table: first to their contents, then, when the
    // table is wider than the columns, each widened by a quarter of the room left beyond 26
    // pixels (which is negative, down to -6, when less than 26 pixels are left).
    void resizeColumns();

    CVorkAddDlgNasinfoProxyModel *proxyModel() const { return m_pProxyModel; }

signals:
    void signalRefresh();

public slots:
    // Puts the finder's model back under the list and sorts it by server name, ascending.
    void slotSetSortVorkModel();

private slots:
    void slotRefresh();
    void slotRefreshFinished();

protected:
    void resizeEvent(QResizeEvent *event) override;

    // Appends the key of each selected server to the list of its state. A state beyond the
    // known ones gets no list; it is reported on the debug output and otherwise left out.
    void getSelectedServer(QList<CVorkNasinfoMap::TKey> qlistKeys[STATE_COUNT]);

private:
    QMovie *m_pmovRefreshing;
    CVorkNasinfoModel *m_pNasinfoModel;
    CVorkFinderWindow *m_pFinderWindow;
    CVorkAddDlgNasinfoProxyModel *m_pProxyModel;
};

#endif // CWIZPHOTOAUTOIPDIALOG_H
