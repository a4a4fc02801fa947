#ifndef CVORKFINDERWINDOW_H
#define CVORKFINDERWINDOW_H

#include <QList>
#include <QModelIndex>
#include <QPoint>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "CVorkNasinfoMap.h"
#include "CVorkWindowMainTab.h"
#include "NasinfoMetaType.h"
#include "fhost.h"
#include "ui_CVorkFinderWindow.h"

class CQuenWOL;
class CVorkFinderDelegate;
class CVorkInstallMap;
class CVorkNasinfoModel;
class CVorkSortNasinfoProxyModel;
class QCloseEvent;
class QEvent;
class QNetworkAccessManager;
class QNetworkReply;
class QResizeEvent;
class QTimer;

// The finder page: the table of servers found on the local network, the search that fills it
// and the actions on the selected server.
//
// A search runs for 20 ticks of one second. Meanwhile the discovery thread's answers arrive in
// slotInsert and are stored in the map of found servers; new rows are shown on each tick. Every
// server that answers Ready gets one HTTP request to its web port: until it is answered the row
// reads "Getting connection status...", then Ready, or "Connection failed." when the server
// cannot be reached (or has not answered by the end of the search). From the third tick on, a
// lone server that can be set up is selected and connected at once, once per search. Between
// searches the table is sorted through a proxy, by the column and order stored in the settings;
// answers of known servers keep updating their rows.
//
// Every action ends as one signal to the main window carrying the MAC keys of the selected
// servers, sorted by their state. Everything runs on the GUI thread.
class CVorkFinderWindow : public CVorkWindowMainTab, public Ui_CVorkFinderWindow
{
    Q_OBJECT

public:
    // Length of a search in ticks.
    static const int PROGRESS_MAX = 20;
    // Length of one tick of the search, and the Wake-on-LAN row refresh, in ms.
    static const int TICK_MS = 1000;
    // Delay of the action update after the current row changed, in ms.
    static const int ACTION_UPDATE_DELAY_MS = 300;

    CVorkFinderWindow(QWidget *parent, CVorkNasinfoMap *pMap);
    ~CVorkFinderWindow() override;

    // The map of found servers (not owned); handed to the table model.
    void setNasinfoMap(CVorkNasinfoMap *pMap);
    CVorkNasinfoMap *getNasinfoMap() const { return m_pNasinfoMap; }
    // The registry of running installations (not owned); may stay null.
    void setInstallMap(CVorkInstallMap *pInstallMap);
    // The Wake-on-LAN manager (not owned). Taken only when it and the model exist. Set it before
    // the page is first painted.
    void setWOL(CQuenWOL *pWOL);
    // Watches the server's answers for the end of the memory test this program started on it.
    void addMemTestServer(const QString &key);
    // The map's record of the server `key` was replaced from outside an answer (a server put
    // under installation): its row is shown anew and the actions follow its new state at once.
    void refreshServer(const CVorkNasinfoMap::TKey &key);

    // The table model (owned by the page), for the wizards that list found servers.
    CVorkNasinfoModel *getNasinfoModel() const { return m_pModel; }
    // The sort proxy: null while a search runs.
    CVorkSortNasinfoProxyModel *getSortProxy() const { return m_pSortProxy; }
    bool isSearching() const { return m_blSearching; }

    bool hasUnfinishedTasks() override;

    // Wall-clock length of one search tick. Every tick still counts one step of the 20; only
    // tests shorten the interval, to run a whole search in a few seconds. Values below 1 restore
    // the normal interval. Takes effect at the next search.
    static void setTickIntervalMs(int ms);
    static int tickIntervalMs();

public slots:
    void slotDelayedInit() override;
    void slotRefreshTrigged();
    void slotSetFinderProgress(size_t ulProgressed);
    void slotSetFinderProgress();
    void slotSetSortVorkModel();
    void slotInsert(NASINFO nasInfo);
    void slotStartUpdateWOLStatus();
    void slotAddQCInstallVR2FinderWin();
    void slotCurrentChanged();
    void slotUpdateQActionStatus();
    void slotUpdateActions();

signals:
    // Start of a search: the main window sends the discovery broadcast on the first and re-adds
    // its registered Wake-on-LAN hosts on the second.
    void signalRefresh();
    void signalAboutToFindNas();
    // End of a search.
    void signalFindNasFinished();

    // Requests to the main window; each carries MAC keys of the map of found servers.
    void signalMangerOpenWebUI(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void signalMangerDoNetInstall(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void signalMangerDoQuickConf(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void signalMangerDoNetSetting(CVorkNasinfoMap::TKey key);
    void signalMangerCancelFSCK(CVorkNasinfoMap::TKey key);
    void signalManagerDoRecover(CVorkNasinfoMap::TKey key);
    void signalMemTest(CVorkNasinfoMap::TKey key);
    void signalSetUpWOL(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void signalWakeUp(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void signalRemoveWOL(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void signalPopupInstallDlgTriggered(QString key);
    void signalAboutTriggered();
    void signalPrefTriggered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void slotHttpReplyFinished(QNetworkReply *pReply);
    void slotHeaderViewClicked();
    void slotManagerTrigged();
    void slotNetInstTrigged();
    void slotMemTestTrigged();
    void slotSetUpWOLTriggered();
    void slotWakeUpTriggered();
    void slotRemoveWOLTriggered();
    void slotAboutTriggered();
    void slotPrefTriggered();
    void slotHelpTriggered();
    void slotShowContextMenu(QPoint ptPosition);
    void slotCheckInstallTriggered(QModelIndex index);

private:
    // Number of server states, and so of lists in qlistKeys.
    static const int STATE_COUNT = 15;

    bool testConnection(NASINFO *pnasInfo);
    bool acceptAnswer(const NASINFO &nasInfo) const;
    void checkMemTestResult(const NASINFO *pnasInfo);
    void refreshSelectedRows();
    void fitColumns();
    int countOffLineWOLHosts() const;
    void collectSelectedKeys();
    // True when the view shows the sort proxy (no search runs).
    bool viewShowsProxy() const;
    // Shows `model` in the table view with the delegate, dropping the old selection model.
    void setViewModel(QAbstractItemModel *model);
    // The web-installable case of Connect: one server in state 2, 4 or 14 that offers
    // installation through its own web page (state 14 only from build 2622).
    bool isSingleWebInstall(const QList<CVorkNasinfoMap::TKey> &qlistInstall) const;
    QList<CVorkNasinfoMap::TKey> installKeys() const;
    QList<CVorkNasinfoMap::TKey> wolKeys() const;
    void showErrorBox(const QString &text);

    // The connection-test mark: the first 32-bit word of the record's leading reserved bytes.
    static int32_t testMark(const NASINFO *pnasInfo);
    static void setTestMark(NASINFO *pnasInfo, int32_t mark);

    QTimer *m_ptimerProgress;
    QTimer *m_ptimerWOL;
    QStringList m_strlstMemTest;
    QNetworkAccessManager *m_pNetManager;
    CVorkNasinfoMap *m_pNasinfoMap;
    CVorkNasinfoModel *m_pModel;
    CVorkSortNasinfoProxyModel *m_pSortProxy;
    CVorkFinderDelegate *m_pDelegate;
    CVorkInstallMap *m_pInstallMap;
    CQuenWOL *m_pWOL;
    int m_nProgressMax;
    bool m_blSearching;
    bool m_blAutoConnected;
    bool m_blWOLTimerStarted;
    bool m_blMemTest;

    // The selected servers' keys, one list per server state (filled by collectSelectedKeys).
    QList<CVorkNasinfoMap::TKey> qlistKeys[STATE_COUNT];
};

#endif // CVORKFINDERWINDOW_H
