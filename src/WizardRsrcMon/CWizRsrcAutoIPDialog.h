#ifndef CWIZRSRCAUTOIPDIALOG_H
#define CWIZRSRCAUTOIPDIALOG_H

#include <QList>
#include <QMetaObject>
#include <QWizardPage>

#include "CVorkNasinfoMap.h"
#include "ui_CWizRsrcAutoIPDialog.h"

class CVorkAddDlgNasinfoProxyModel;
class CVorkFinderWindow;
class CVorkNasinfoModel;
class CVorkWizardRsrcMon;
class QMovie;
class QResizeEvent;

// Page 0 of the resource-monitor wizard (add runs only): the found servers that are ready and
// offer the resource monitor, a Search button that starts a new search on the finder page, and
// the choice between picking a listed server and typing the address by hand.
//
// A picked server is checked here with the address page's own tests (the address page is then
// skipped); manual input goes on to the address page.
class CWizRsrcAutoIPDialog : public QWizardPage, public Ui::CWizRsrcAutoIPDialog
{
    Q_OBJECT

public:
    // Number of server states (NASINFO::ulConfigured 0 to 14) that getSelectedNasinfo sorts into.
    static const int STATE_LISTS = 15;

    // `finder` and `model` are the finder page and its table model (neither owned; either may be
    // null, and then the list stays empty and Search does nothing).
    CWizRsrcAutoIPDialog(CVorkFinderWindow *finder, CVorkNasinfoModel *model, QWidget *parent);
    ~CWizRsrcAutoIPDialog() override;

    virtual void languageChange();
    // Both keep the choice and the selection as they are when the user comes back.
    void initializePage() override;
    void cleanupPage() override;
    bool validatePage() override;
    // The account page after a picked server, the address page after manual input.
    int nextId() const override;

    // Fits the four shown columns to their contents and shares the table's spare width among
    // them.
    void resizeColumns();
    // Appends the key of every selected server found in the finder's map of servers to the list
    // of its state; a server in a state outside 0..14 is left out.
    void getSelectedNasinfo(QList<CVorkNasinfoMap::TKey> lists[STATE_LISTS]);

    // The pick-list proxy and the busy animation (both owned by the page).
    CVorkAddDlgNasinfoProxyModel *proxyModel() const { return m_pProxyModel; }
    QMovie *busyMovie() const { return m_pMovie; }

signals:
    void signalRefresh();

public slots:
    void slotSetSortVorkModel();
    void slotRefresh();
    void slotRefreshFinished();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CVorkWizardRsrcMon *rsrcWizard() const;
    bool proxyAttached() const;
    // Puts `model` on the table and drops the selection model Qt made for the previous one.
    void showModel(QAbstractItemModel *model);

    QMovie *m_pMovie;
    CVorkNasinfoModel *m_pNasinfoModel;
    CVorkFinderWindow *m_pFinder;
    CVorkAddDlgNasinfoProxyModel *m_pProxyModel;

    QMetaObject::Connection m_connSearch;
    QMetaObject::Connection m_connRefresh;
    QMetaObject::Connection m_connFinished;
};

#endif // CWIZRSRCAUTOIPDIALOG_H
