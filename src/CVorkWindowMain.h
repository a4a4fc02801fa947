#ifndef CVORKWINDOWMAIN_H
#define CVORKWINDOWMAIN_H

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>

#include "CNetSetting.h"
#include "CVorkNasinfoMap.h"
#include "ui_CVorkWindowMain.h"

class CFindHostUDP;
class CNasConfig;
class CQuenWOL;
class CVorkDialogInstall;
class CVorkFinderWindow;
class CVorkInstallMap;
class CVorkWindowMainTab;
class CVorkWizardInstall;
class CVorkFSCKCancelProgDialog;
class CWizNetProgDialog;
class QCloseEvent;
class QWidget;

// The program's only top-level window.
//
// It shows one page at a time in its page stack, chosen by the checkable page buttons of its
// tab toolbar: the finder ("Management"), the resource monitor and the photo uploader. It owns
// what lives for the whole run: the discovery thread (started 100 ms after construction, once
// the event loop runs), the map of found servers and the Wake-on-LAN manager. Its busy flag is
// set while one of its modal wizards or dialogs runs, so that a request arriving meanwhile is
// dropped rather than queued. Closing asks first when a page still has unfinished work.
// GUI thread only.
class CVorkWindowMain : public QMainWindow, public Ui::CVorkWindowMain
{
    Q_OBJECT

public:
    // The pages, and the index into the page array.
    enum PAGES {
        PAGE_EMPTY = 0,
        PAGE_FINDER = 1,
        PAGE_INSTALL = 2,
        PAGE_RSRC_MON = 3,
        PAGE_PHOTO_UPLOAD = 4
    };
    Q_ENUM(PAGES)
    static const int PAGE_COUNT = 5;

    // Port of the discovery protocol the window's discovery thread listens on.
    static const int DISCOVERY_PORT = 9999;
    // Delay between construction and the start of the discovery thread.
    static const int UDP_START_DELAY_MS = 100;

    CVorkWindowMain();
    ~CVorkWindowMain() override;

    // The busy flag: false when it is already set; otherwise sets it and returns true.
    bool tryLockOperation();
    void unlockOperation();
    bool isBusy() const { return m_blBusy; }

    // Whether a page's toolbar action is shown (from the settings; see the .cpp).
    bool isPageVisible(PAGES page);

    // Window geometry under "Global/geometry"; restoring always centres the window on the
    // primary screen and keeps the restored size.
    void restoreWindowGeometry();
    void saveWindowGeometry();

    // Stops the discovery thread and waits for it (at most one turn of its listening loop plus
    // a margin). Start-up calls it once the event loop has returned.
    void stopUdpThread();

    // What the window holds, for the pages and for inspection.
    QWidget *page(PAGES page) const;
    CFindHostUDP *udpThread() const { return m_pUdpThread; }
    CVorkNasinfoMap *nasinfoMap() const { return m_pNasinfoMap; }
    CVorkInstallMap *installMap() const { return m_pInstallMap; }
    CVorkFinderWindow *finderWindow() const { return m_pFinderWindow; }
    CQuenWOL *wolManager() const { return m_pWOL; }

    // A new install entry's dialog with its installation page (the dialog's current widget),
    // wired to each other and to the install map. The first one made (at construction) holds
    // page [2], the empty installation page. The caller registers the dialog in the install map
    // and adds the job to the page.
    CVorkDialogInstall *createInstallDialog();

public slots:
    // Checks the toolbar action of page 1, 3 or 4 (even a hidden one), which shows the page;
    // other values do nothing.
    void slotActionToggle(CVorkWindowMain::PAGES page);
    // Page switching: build the page when it is missing, make it current and run its delayed
    // initialisation. Connected to the toggled signal of the page actions: only the action
    // that is checked switches.
    void slotFinder();
    void slotRsrcMon();
    void slotInstall();
    void slotPhotoUpload();
    // Applies isPageVisible to the toolbar actions, then checks the finder's action.
    void slotShowVisibleTab();
    // Makes the window visible; the text (a second start's message) is not used.
    void slotShowMainWindow(const QString &strMessage);
    // Starts a new search on the finder page.
    void slotRefreshAfterInstallClose();
    void slotAbout();
    void slotHelp();
    void slotPreferences();
    void slotExit();
    // Kept empty: nothing is connected to them.
    void slotManagerDoMapDrive(CVorkNasinfoMap::TKey key);
    void slotAddPrinter();
    void updateMenus();
    void updateWindowMenu();
    void updateRsrcMonMenu();
    // Starts the discovery thread.
    void slotStartUdpThread();

    // --- installation requests of the finder page ---
    // Quick configuration and network installation of the servers under the keys: keys the
    // server map does not hold are left out; the install wizard runs modally for the rest (no
    // wizard when none is left), and on Finish every target is marked "Check progress" in the
    // server map and gets an install entry of its own running its job. A batch names its
    // servers from the "#" template, gives them consecutive free addresses from the entered one
    // and, for a network installation, the newest matching file of the chosen directory. The
    // entry's dialog comes to the front when there was one target. Both do nothing while the
    // busy flag is set, and hold it while they run.
    void slotManagerDoQuickConf(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void slotManagerDoNetInstall(QList<CVorkNasinfoMap::TKey> qlistKeys);
    // Shows, raises, focuses and un-minimises the install dialog of the MAC; an unknown or empty
    // MAC does nothing. Ignores the busy flag.
    void slotPopupInstallDlg(QString strMac);
    // Drops the finished install entries whose dialogs are hidden. Ignores the busy flag.
    void slotClearInstallFinishedItems();

    // --- maintenance, profile and Wake-on-LAN requests ---
    // Network settings of one server: the network wizard, then the job with its progress dialog;
    // the result is shown by slotNetSettingFinished, and only a success starts a new search.
    void slotManagerDoNetSetting(CVorkNasinfoMap::TKey key);
    void slotNetSettingFinished(CNetSetting::NETSETTING_STATUS status, ulong ulError);
    // The memory-test wizard; an accepted one puts the server on the finder's watch list. A key
    // the server map does not hold runs the wizard on an all-zero record.
    void slotDoMemTest(CVorkNasinfoMap::TKey key);
    // The recovery dialog, run modally.
    void slotManagerDoRecover(CVorkNasinfoMap::TKey key);
    // Skipping a running file-system check, offered only to a server with the service in both
    // of its bitmaps: confirmation, the request, and a wait of 20 s for the answer; a new search
    // follows either way.
    void slotManagerCancelFSCK(CVorkNasinfoMap::TKey key);
    // Opens the web administration page of every server under the keys (ignores the busy flag).
    void slotManagerOpenWebUI(QList<CVorkNasinfoMap::TKey> qlistKeys);
    // Profile requests of the resource-monitor page (profile name for an edit).
    void slotRsrcMonAdd(CVorkNasinfoMap::TKey key);
    void slotRsrcMonEdit(QString strProfile);
    // Profile requests of the photo-uploader page (profile key for an edit).
    void slotPhotoUpdServerAdd(CVorkNasinfoMap::TKey key);
    void slotPhotoUpdServerEdit(QString strPhotoConfigKey);
    // Wake-on-LAN: registering (with the host dialog for one server or none, without it for
    // several), waking and removing registered hosts; the last three ignore the busy flag.
    void slotDoSetUpWOL(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void slotDoWakeUp(QList<CVorkNasinfoMap::TKey> qlistKeys);
    void slotDoRemoveWOL(QList<CVorkNasinfoMap::TKey> qlistKeys);
    // Lists every registered host the server map does not hold as off-line (run at the start
    // of every search, after the map was emptied).
    void slotAddWOLSvr2FinderWin();

private slots:
    // Sends a search broadcast for the finder, once the discovery thread listens.
    void slotSendSearch();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Puts the string-table texts on the page actions.
    virtual void languageChange();

private:
    void createUdpThread();
    void createRsrcMonPage();
    void createPhotoUploadPage();
    void createFinderPage();
    void createWOLHelper();
    void setupTabStyle();
    // Makes the page current and runs its delayed initialisation.
    void showPage(PAGES page);

    // Installation requests: the targets of the wizard, the install entries and the batch
    // address step (see the .cpp).
    void runInstallWizard(
        const QList<CVorkNasinfoMap::TKey> &qlistKeys, bool isNetInstall,
        const std::function<void(CVorkWizardInstall *, CNasConfig &, const QList<NASINFO> &)> &startEntries);
    void addInstallTargets(CVorkWizardInstall *wizard, const QList<CVorkNasinfoMap::TKey> &qlistKeys,
                           bool *raise);
    void markUnderInstallation(const NASINFO &nasInfo);
    void assignBatchAddress(CVorkWizardInstall *wizard, CNasConfig *config,
                            const QString &baseAddress, QStringList *assigned);
    void addNetInstallItem(bool batch, const CNasConfig *pnasConf, const NASINFO *pnasInfo);
    void addQuickConfItem(bool batch, const CNasConfig *pnasConf, const NASINFO *pnasInfo);
    CVorkDialogInstall *replaceInstallEntry(const NASINFO &nasInfo);

    // Maintenance requests (CVorkWindowMainMaint.cpp).
    // The server map's record for the key; null, with the debug line of a missing record, when
    // the map holds none.
    const NASINFO *findRecordOrLog(const CVorkNasinfoMap::TKey &key) const;
    void runNetSetting(const CNasConfig &config, const NASINFO &record);
    void cancelFSCK(const NASINFO &record);
    void openWebUI(const NASINFO &record);

    QWidget *m_pwdgPages[PAGE_COUNT];
    CVorkNasinfoMap *m_pNasinfoMap;
    CVorkFinderWindow *m_pFinderWindow;
    CFindHostUDP *m_pUdpThread;
    CQuenWOL *m_pWOL;
    CVorkInstallMap *m_pInstallMap;
    // The last network-setting job and its progress dialog, and the last skip dialog: each kept
    // until the next one of its kind is made.
    CNetSetting *m_pNetSetting;
    CWizNetProgDialog *m_pNetProgDialog;
    CVorkFSCKCancelProgDialog *m_pFSCKDialog;
    bool m_blBusy;
};

#endif // CVORKWINDOWMAIN_H
