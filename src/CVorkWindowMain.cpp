#include "CVorkWindowMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMetaType>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "BatchHelpers.h"
#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CQuenWOL.h"
#include "CVorkDialogInstall.h"
#include "CVorkDialogPreference.h"
#include "CVorkFSCKCancelProgDialog.h"
#include "CVorkFinderWindow.h"
#include "CVorkGlobalSettings.h"
#include "CVorkHelpBrowser.h"
#include "CVorkInstallMap.h"
#include "CVorkNasinfoMap.h"
#include "CVorkWindowInstall.h"
#include "CVorkWindowMainTab.h"
#include "CVorkWindowPhotoUpload.h"
#include "CVorkWindowRsrcMon.h"
#include "CVorkWizardInstall.h"
#include "CWizNetProgDialog.h"
#include "NasinfoMetaType.h"
#include "PhotoWizardBox.h"
#include "StringTable.h"
#include "VorkDebug.h"

namespace {

const char *const DEBUG_SOURCE = "src/CVorkWindowMain";

const char *const KEY_GEOMETRY = "Global/geometry";
const char *const KEY_RUN_FINDER = "Global/blRunFinder";
const char *const KEY_RUN_PHOTO_UPLOAD = "Global/blRunPhotoUpPages";
const char *const WOL_GROUP = "WOL/RegisteredHosts/";

// How long a search waits for the discovery thread to listen before it is sent anyway.
const int LISTEN_WAIT_MS = 2000;

// How often one server of a batch searches on when the free address it found was given to an
// earlier server of the same batch. The address page's offset wraps after 254 steps.
const int BATCH_ADDRESS_ATTEMPTS = 254;

// The page buttons look like tabs: a border image per state, sliced 6 pixels from each edge.
const char *const TAB_STYLE =
    "QToolButton {"
    " padding-top: 4px; padding-left: 8px; padding-right: 8px;"
    " border-width: 6px;"
    " border-image: url(:/images/tab_normal.png) 6 6 6 6 stretch stretch;"
    " color: rgb(60, 60, 60); }"
    "QToolButton:hover {"
    " border-image: url(:/images/tab_hover.png) 6 6 6 6 stretch stretch;"
    " color: rgb(60, 60, 60); }"
    "QToolButton:pressed, QToolButton:checked {"
    " border-image: url(:/images/tab_click.png) 6 6 6 6 stretch stretch;"
    " color: rgb(0, 51, 102); }";

} // namespace

CVorkWindowMain::CVorkWindowMain()
    : QMainWindow(nullptr),
      m_pNasinfoMap(nullptr),
      m_pFinderWindow(nullptr),
      m_pUdpThread(nullptr),
      m_pWOL(nullptr),
      m_pInstallMap(nullptr),
      m_pNetSetting(nullptr),
      m_pNetProgDialog(nullptr),
      m_pFSCKDialog(nullptr),
      m_blBusy(false)
{
    for (QWidget *&page : m_pwdgPages)
        page = nullptr;

    setupUi(this);
    // The window's own commands work by their shortcuts.
    addAction(m_pactAbout);
    addAction(m_pactExit);
    addAction(m_pactPreference);
    languageChange();

    m_pNasinfoMap = new CVorkNasinfoMap;
    m_pInstallMap = new CVorkInstallMap;

    static int s_nasinfoTypeId = 0;
    if (s_nasinfoTypeId == 0)
        s_nasinfoTypeId = qRegisterMetaType<NASINFO>("NASINFO");

    m_pwdgPages[PAGE_EMPTY] = m_pwdgEmpty;
    restoreWindowGeometry();

    createUdpThread();
    createInstallDialog();
    createRsrcMonPage();
    createPhotoUploadPage();
    createFinderPage();
    createWOLHelper();
    slotShowVisibleTab();

    setWindowTitle(CVorkGlobalSettings::getAppName());
    setWindowIcon(QIcon(QStringLiteral(":/images/finder.png")));
    setupTabStyle();
}

CVorkWindowMain::~CVorkWindowMain()
{
    // The install dialogs (and page [2] with the first) go first: their pages stop running
    // installations while the discovery thread they use still exists.
    const QList<CVorkDialogInstall *> dialogs =
        findChildren<CVorkDialogInstall *>(QString(), Qt::FindDirectChildrenOnly);
    m_pwdgPages[PAGE_INSTALL] = nullptr;
    qDeleteAll(dialogs);
    // The network-setting job listens to the discovery thread: it goes before the thread.
    delete m_pNetSetting;
    m_pNetSetting = nullptr;
    delete m_pNetProgDialog;
    m_pNetProgDialog = nullptr;
    delete m_pFSCKDialog;
    m_pFSCKDialog = nullptr;

    stopUdpThread();
    // The pages hold the server map; they go before it.
    for (int i = PAGE_FINDER; i < PAGE_COUNT; ++i) {
        delete m_pwdgPages[i];
        m_pwdgPages[i] = nullptr;
    }
    m_pFinderWindow = nullptr;
    delete m_pWOL;
    m_pWOL = nullptr;
    delete m_pNasinfoMap;
    m_pNasinfoMap = nullptr;
    delete m_pInstallMap;
    m_pInstallMap = nullptr;
}

void CVorkWindowMain::languageChange()
{
    retranslateUi(this);
    m_pactFinder->setText(getString(IDS_TOOLBAR_HOME));
    m_pactRsrcMon->setText(getString(IDS_PREFER_LAU_SAVE_RSRC_WIN));
    m_pactPhotoUpload->setText(getString(IDS_PHOTO_CAPTION));
    m_pactMultiFuncPtr->setText(getString(IDS_TOOLBAR_PRINTER_DEVICE));
    m_pactFinder->setToolTip(QString());
    m_pactRsrcMon->setToolTip(QString());
    m_pactPhotoUpload->setToolTip(QString());
    m_pactMultiFuncPtr->setToolTip(QString());
}

// --- busy flag -------------------------------------------------------------------------------

bool CVorkWindowMain::tryLockOperation()
{
    if (m_blBusy)
        return false;
    m_blBusy = true;
    return true;
}

void CVorkWindowMain::unlockOperation()
{
    m_blBusy = false;
}

// --- discovery thread ------------------------------------------------------------------------

void CVorkWindowMain::createUdpThread()
{
    m_pUdpThread = new CFindHostUDP(this, -1, DISCOVERY_PORT, QStringLiteral("0.0.0.0"));
    CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);
    QTimer::singleShot(UDP_START_DELAY_MS, this, &CVorkWindowMain::slotStartUdpThread);
    QCoreApplication::processEvents();
}

void CVorkWindowMain::slotStartUdpThread()
{
    if (m_pUdpThread && !m_pUdpThread->isRunning())
        m_pUdpThread->start(QThread::InheritPriority);
}

void CVorkWindowMain::slotSendSearch()
{
    if (!m_pUdpThread)
        return;
    // The servers answer at once: a search sent before the listener is bound (the first one
    // runs while the window is still being built) would find nothing.
    if (!m_pUdpThread->isListening()) {
        slotStartUdpThread();
        if (!m_pUdpThread->waitForListening(LISTEN_WAIT_MS))
            VORK_DEBUG_STR(DEBUG_SOURCE, "discovery listener", "not listening yet");
    }
    // The answers of a whole network segment arrive within milliseconds of the search: the GUI
    // thread takes them at once instead of sleeping through the search's pause.
    CFindHostUDP::sendPktBroadCastNoWait();
}

void CVorkWindowMain::stopUdpThread()
{
    if (m_pUdpThread && m_pUdpThread->isRunning())
        m_pUdpThread->terminate();
}

// --- pages -----------------------------------------------------------------------------------

QWidget *CVorkWindowMain::page(PAGES page) const
{
    if (int(page) < 0 || int(page) >= PAGE_COUNT)
        return nullptr;
    return m_pwdgPages[page];
}

CVorkDialogInstall *CVorkWindowMain::createInstallDialog()
{
    CVorkDialogInstall *dialog = new CVorkDialogInstall(this);
    CVorkWindowInstall *tab = new CVorkWindowInstall(dialog, m_pUdpThread);

    if (!m_pwdgPages[PAGE_INSTALL]) {
        m_pwdgPages[PAGE_INSTALL] = tab;
        connect(m_pInstallMap, &CVorkInstallMap::signalRemoveBtnTriggered, this,
                &CVorkWindowMain::slotRefreshAfterInstallClose);
    }

    tab->setMainWindow(this);
    dialog->setInstallWindow(tab);

    connect(tab, &CVorkWindowInstall::signalOpenUrlClicked, dialog, &CVorkDialogInstall::slotRejectDlg);
    connect(tab, &CVorkWindowInstall::signalAllNIQCFinished, dialog,
            &CVorkDialogInstall::slotChangeCloseBtnTitle2Close);
    connect(tab, &CVorkWindowInstall::signalCanCloseTheItem, dialog, &CVorkDialogInstall::slotShowCloseButton);
    connect(tab, &CVorkWindowInstall::signalCanNOTCloseTheItem, dialog,
            &CVorkDialogInstall::slotHideCloseButton);
    connect(dialog, &CVorkDialogInstall::signalCloseDlgRemoveItem, m_pInstallMap,
            &CVorkInstallMap::slotRemoveBtnTriggered);

    // Page [2] is never added to the page stack.
    QCoreApplication::processEvents();
    return dialog;
}

void CVorkWindowMain::createRsrcMonPage()
{
    CVorkWindowRsrcMon *rsrcMon = new CVorkWindowRsrcMon(this);
    m_pwdgPages[PAGE_RSRC_MON] = rsrcMon;
    rsrcMon->setMainWindow(this);
    m_pstkwCenter->addWidget(rsrcMon);
    QCoreApplication::processEvents();
    connect(rsrcMon, &CVorkWindowRsrcMon::signalRsrcAdd, this, &CVorkWindowMain::slotRsrcMonAdd);
    connect(rsrcMon, &CVorkWindowRsrcMon::signalRsrcEdit, this, &CVorkWindowMain::slotRsrcMonEdit);
    connect(rsrcMon, &CVorkWindowRsrcMon::signalAboutTriggered, this, &CVorkWindowMain::slotAbout);
    connect(rsrcMon, &CVorkWindowRsrcMon::signalPrefTriggered, this,
            &CVorkWindowMain::slotPreferences);
}

void CVorkWindowMain::createPhotoUploadPage()
{
    CVorkWindowPhotoUpload *photo = new CVorkWindowPhotoUpload(this);
    m_pwdgPages[PAGE_PHOTO_UPLOAD] = photo;
    photo->setMainWindow(this);
    m_pstkwCenter->addWidget(photo);
    QCoreApplication::processEvents();
    connect(photo, &CVorkWindowPhotoUpload::signalPhotoServerAdd, this,
            &CVorkWindowMain::slotPhotoUpdServerAdd);
    connect(photo, &CVorkWindowPhotoUpload::signalPhotoServerEdit, this,
            &CVorkWindowMain::slotPhotoUpdServerEdit);
    connect(photo, &CVorkWindowPhotoUpload::signalAboutTriggered, this,
            &CVorkWindowMain::slotAbout);
    connect(photo, &CVorkWindowPhotoUpload::signalPrefTriggered, this,
            &CVorkWindowMain::slotPreferences);
}

void CVorkWindowMain::createFinderPage()
{
    if (!m_pNasinfoMap)
        m_pNasinfoMap = new CVorkNasinfoMap;
    m_pNasinfoMap->clear();

    if (!m_pFinderWindow) {
        m_pFinderWindow = new CVorkFinderWindow(this, m_pNasinfoMap);
        m_pFinderWindow->setMainWindow(this);
        m_pwdgPages[PAGE_FINDER] = m_pFinderWindow;
        m_pstkwCenter->addWidget(m_pFinderWindow);
        m_pFinderWindow->setInstallMap(m_pInstallMap);
    }
    m_pFinderWindow->setNasinfoMap(m_pNasinfoMap);

    connect(m_pUdpThread, &CFindHostUDP::signalRecvPkt, m_pFinderWindow,
            &CVorkFinderWindow::slotInsert);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalRefresh, this,
            &CVorkWindowMain::slotSendSearch);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalMangerDoQuickConf, this,
            &CVorkWindowMain::slotManagerDoQuickConf);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalMangerDoNetInstall, this,
            &CVorkWindowMain::slotManagerDoNetInstall);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalAboutTriggered, this,
            &CVorkWindowMain::slotAbout);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalPrefTriggered, this,
            &CVorkWindowMain::slotPreferences);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalPopupInstallDlgTriggered, this,
            &CVorkWindowMain::slotPopupInstallDlg);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalMangerOpenWebUI, this,
            &CVorkWindowMain::slotManagerOpenWebUI);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalMangerDoNetSetting, this,
            &CVorkWindowMain::slotManagerDoNetSetting);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalManagerDoRecover, this,
            &CVorkWindowMain::slotManagerDoRecover);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalMangerCancelFSCK, this,
            &CVorkWindowMain::slotManagerCancelFSCK);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalMemTest, this,
            &CVorkWindowMain::slotDoMemTest);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalSetUpWOL, this,
            &CVorkWindowMain::slotDoSetUpWOL);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalWakeUp, this,
            &CVorkWindowMain::slotDoWakeUp);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalRemoveWOL, this,
            &CVorkWindowMain::slotDoRemoveWOL);
    connect(m_pFinderWindow, &CVorkFinderWindow::signalAboutToFindNas, this,
            &CVorkWindowMain::slotAddWOLSvr2FinderWin);
}

void CVorkWindowMain::createWOLHelper()
{
    CQuenWOL *previous = m_pWOL;
    m_pWOL = new CQuenWOL(this, m_pUdpThread);
    delete previous;
    m_pWOL->loadRegisteredHosts(QString::fromLatin1(WOL_GROUP));
    if (m_pFinderWindow)
        m_pFinderWindow->setWOL(m_pWOL);
}

void CVorkWindowMain::showPage(PAGES page)
{
    QWidget *widget = m_pwdgPages[page];
    if (!widget)
        return;
    m_pstkwCenter->setCurrentWidget(widget);
    if (CVorkWindowMainTab *tab = qobject_cast<CVorkWindowMainTab *>(widget))
        tab->slotDelayedInit();
}

void CVorkWindowMain::slotFinder()
{
    if (!m_pactFinder->isChecked())
        return;
    if (!m_pwdgPages[PAGE_FINDER]) {
        createFinderPage();
        createWOLHelper();
    }
    showPage(PAGE_FINDER);
}

void CVorkWindowMain::slotRsrcMon()
{
    if (!m_pactRsrcMon->isChecked())
        return;
    if (!m_pwdgPages[PAGE_RSRC_MON])
        createRsrcMonPage();
    showPage(PAGE_RSRC_MON);
}

void CVorkWindowMain::slotPhotoUpload()
{
    if (!m_pactPhotoUpload->isChecked())
        return;
    if (!m_pwdgPages[PAGE_PHOTO_UPLOAD])
        createPhotoUploadPage();
    showPage(PAGE_PHOTO_UPLOAD);
}

void CVorkWindowMain::slotInstall()
{
    // The installation page is not held by the page stack: asking the stack for it leaves the
    // current page as it is.
    QWidget *widget = m_pwdgPages[PAGE_INSTALL] ? m_pwdgPages[PAGE_INSTALL] : m_pwdgEmpty;
    if (m_pstkwCenter->indexOf(widget) >= 0)
        m_pstkwCenter->setCurrentWidget(widget);
}

void CVorkWindowMain::slotActionToggle(CVorkWindowMain::PAGES page)
{
    switch (page) {
    case PAGE_FINDER:
        m_pactFinder->setChecked(true);
        break;
    case PAGE_RSRC_MON:
        m_pactRsrcMon->setChecked(true);
        break;
    case PAGE_PHOTO_UPLOAD:
        m_pactPhotoUpload->setChecked(true);
        break;
    default:
        break;
    }
}

bool CVorkWindowMain::isPageVisible(PAGES page)
{
    QSettings settings;
    switch (page) {
    case PAGE_FINDER:
        return settings.value(QString::fromLatin1(KEY_RUN_FINDER), true).toBool();
    case PAGE_PHOTO_UPLOAD: {
        const bool visible =
            settings.value(QString::fromLatin1(KEY_RUN_PHOTO_UPLOAD), true).toBool();
        if (visible)
            settings.setValue(QString::fromLatin1(KEY_RUN_PHOTO_UPLOAD), true);
        return visible;
    }
    case PAGE_RSRC_MON:
        // The resource-monitor page is reached only through its profiles, never its button.
    case PAGE_EMPTY:
    case PAGE_INSTALL:
    default:
        return false;
    }
}

void CVorkWindowMain::slotShowVisibleTab()
{
    m_pactMultiFuncPtr->setVisible(false);
    for (int i = 0; i < PAGE_COUNT; ++i) {
        const bool visible = isPageVisible(PAGES(i));
        if (i == PAGE_RSRC_MON)
            m_pactRsrcMon->setVisible(visible);
        else if (i == PAGE_PHOTO_UPLOAD)
            m_pactPhotoUpload->setVisible(visible);
    }
    slotActionToggle(PAGE_FINDER);
}

void CVorkWindowMain::setupTabStyle()
{
    const QList<QAction *> actions{m_pactFinder, m_pactRsrcMon, m_pactPhotoUpload,
                                   m_pactMultiFuncPtr};
    const int minimumWidth = 3 * m_ptlbrTab->iconSize().width();
    for (QAction *action : actions) {
        QWidget *button = m_ptlbrTab->widgetForAction(action);
        if (!button)
            continue;
        button->setMinimumWidth(minimumWidth);
        button->setStyleSheet(QString::fromLatin1(TAB_STYLE));
    }
}

// --- geometry --------------------------------------------------------------------------------

void CVorkWindowMain::restoreWindowGeometry()
{
    QSettings settings;
    restoreGeometry(settings.value(QString::fromLatin1(KEY_GEOMETRY)).toByteArray());
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = frameGeometry();
    move((area.width() - frame.width()) / 2, (area.height() - frame.height()) / 2);
}

void CVorkWindowMain::saveWindowGeometry()
{
    QSettings settings;
    settings.setValue(QString::fromLatin1(KEY_GEOMETRY), saveGeometry());
}

// --- commands --------------------------------------------------------------------------------

void CVorkWindowMain::slotShowMainWindow(const QString &strMessage)
{
    VORK_DEBUG_STR(DEBUG_SOURCE, "strMessage", strMessage);
    setVisible(true);
}

void CVorkWindowMain::slotRefreshAfterInstallClose()
{
    if (m_pFinderWindow)
        m_pFinderWindow->slotRefreshTrigged();
}

void CVorkWindowMain::slotAbout()
{
    const QString appName = CVorkGlobalSettings::getAppName();
    QMessageBox::about(this, getString(IDS_ABOUT_CAPTION).arg(appName),
                       QStringLiteral("<H3>%1&nbsp;%2&nbsp;%3</H3><p>%4")
                           .arg(appName, getString(IDS_ABOUT_VERSION),
                                CVorkGlobalSettings::getVersion(),
                                CVorkGlobalSettings::getRightsNotice()));
}

void CVorkWindowMain::slotHelp()
{
    CVorkHelpBrowser::showHelp();
}

void CVorkWindowMain::slotPreferences()
{
    // While another dialog of this window runs, nothing is built or shown.
    if (!tryLockOperation())
        return;
    CVorkDialogPreference *dialog = new CVorkDialogPreference(this);
    dialog->exec();
    slotShowVisibleTab();
    if (m_pFinderWindow)
        m_pFinderWindow->slotUpdateActions();
    unlockOperation();
    delete dialog;
}

void CVorkWindowMain::slotExit()
{
    QApplication::closeAllWindows();
}

void CVorkWindowMain::slotManagerDoMapDrive(CVorkNasinfoMap::TKey key)
{
    Q_UNUSED(key);
}

void CVorkWindowMain::slotAddPrinter()
{
}

void CVorkWindowMain::updateMenus()
{
}

void CVorkWindowMain::updateWindowMenu()
{
}

void CVorkWindowMain::updateRsrcMonMenu()
{
}

// --- installation requests ----------------------------------------------------------------

void CVorkWindowMain::addInstallTargets(CVorkWizardInstall *wizard,
                                        const QList<CVorkNasinfoMap::TKey> &qlistKeys, bool *raise)
{
    for (const CVorkNasinfoMap::TKey &key : qlistKeys) {
        const NASINFO *pnasInfo = m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr;
        if (!pnasInfo) {
            VORK_DEBUG_STR(DEBUG_SOURCE, "key not in the server map", key);
            continue;
        }
        const CVorkWindowInstall *installPage =
            qobject_cast<CVorkWindowInstall *>(m_pwdgPages[PAGE_INSTALL]);
        if (installPage && installPage->isJobForServer(key)) {
            *raise = true;
            continue;
        }
        wizard->addNasinfo(*pnasInfo);
    }
}

void CVorkWindowMain::markUnderInstallation(const NASINFO &nasInfo)
{
    // The finder shows "Check progress" for the server until a new answer replaces the record.
    NASINFO *marked = new NASINFO(nasInfo);
    marked->ulConfigured = FHOSTQC_CHECKING_PROGRESS;
    m_pNasinfoMap->insert(marked, true);
    // Shown at once, not only when the user next clicks the row.
    if (m_pFinderWindow)
        m_pFinderWindow->refreshServer(CVorkNasinfoMap::keyOf(nasInfo));
}

// The address of one server of a batch. Every server searches from the address the user entered
// (the address page adds its own offset, one further on every call), so a batch gets consecutive
// free addresses; the parameters carry the entered address again for each server. A search that
// lands on an address an earlier server of this batch was given (an address in use lies inside
// the batch's range) goes on from the next offset. When the subnet has no free address left, or
// the user closed the search, the parameters switch to DHCP and stay so for the rest of the
// batch. No address is handed out twice.
void CVorkWindowMain::assignBatchAddress(CVorkWizardInstall *wizard, CNasConfig *config,
                                         const QString &baseAddress, QStringList *assigned)
{
    if (config->isDHCP())
        return;
    for (int attempt = 0; attempt < BATCH_ADDRESS_ATTEMPTS; ++attempt) {
        config->setIP(baseAddress);
        wizard->assignNextAddress(config);
        if (config->isDHCP() || !assigned->contains(config->getIP()))
            break;
    }
    if (config->isDHCP())
        return;
    if (assigned->contains(config->getIP())) {
        // Every offset was tried: no address of its own is left for this server.
        config->setDHCP(true);
        return;
    }
    assigned->append(config->getIP());
}

// The frame both installation requests share: the busy flag, the install wizard on the keys'
// servers, and on Finish `startEntries` with the wizard, a copy of its settings and the targets.
// The dialog of a single server is raised at the end (also when its job already had an entry).
void CVorkWindowMain::runInstallWizard(
    const QList<CVorkNasinfoMap::TKey> &qlistKeys, bool isNetInstall,
    const std::function<void(CVorkWizardInstall *, CNasConfig &, const QList<NASINFO> &)> &startEntries)
{
    if (!tryLockOperation())
        return;

    bool raise = false;
    CVorkWizardInstall *wizard = new CVorkWizardInstall(m_pNasinfoMap, this, isNetInstall);
    addInstallTargets(wizard, qlistKeys, &raise);
    const QList<NASINFO> targets = wizard->getNasinfoList();

    if (!targets.isEmpty() && wizard->exec() == QDialog::Accepted) {
        CNasConfig config(*wizard->createNasConfig());
        startEntries(wizard, config, targets);
        raise = targets.size() == 1;
    }

    unlockOperation();
    delete wizard;
    if (raise)
        slotPopupInstallDlg(targets.isEmpty() ? QString() : CVorkNasinfoMap::keyOf(targets.first()));
}

void CVorkWindowMain::slotManagerDoQuickConf(QList<CVorkNasinfoMap::TKey> qlistKeys)
{
    runInstallWizard(qlistKeys, false, [this](CVorkWizardInstall *wizard, CNasConfig &config,
                                              const QList<NASINFO> &targets) {
        const QString nameTemplate = config.getServerName();
        const QString baseAddress = config.getIP();
        const bool batch = targets.size() > 1;
        QStringList assigned;
        unsigned int n = 1;
        for (const NASINFO &target : targets) {
            // The entry gets the record as it went into the map (state "Check progress"). It is
            // handed on as this copy: the map's own record may be replaced by an answer that
            // the address search's event loop delivers.
            NASINFO record = target;
            record.ulConfigured = FHOSTQC_CHECKING_PROGRESS;
            markUnderInstallation(record);
            config.setServerName(expandServerNameTemplate(nameTemplate, n));
            assignBatchAddress(wizard, &config, baseAddress, &assigned);
            addQuickConfItem(batch, &config, &record);
            config.setServerName(nameTemplate);
            ++n;
        }
    });
}

void CVorkWindowMain::slotManagerDoNetInstall(QList<CVorkNasinfoMap::TKey> qlistKeys)
{
    runInstallWizard(qlistKeys, true, [this](CVorkWizardInstall *wizard, CNasConfig &config,
                                             const QList<NASINFO> &targets) {
        if (targets.size() == 1) {
            // One server keeps the name and the file exactly as entered; its job gets the
            // record with the state from before the wizard (it decides what is formatted).
            const NASINFO record = wizard->getNasinfo() ? *wizard->getNasinfo() : targets.first();
            markUnderInstallation(record);
            addNetInstallItem(false, &config, &record);
            return;
        }
        // A batch: the chosen path is a directory; each server gets the newest file of its own
        // model from it.
        const QString nameTemplate = config.getServerName();
        const QString patchPath = config.getPatPath();
        const QString baseAddress = config.getIP();
        QStringList assigned;
        unsigned int n = 1;
        for (const NASINFO &target : targets) {
            const NASINFO record = target;
            markUnderInstallation(record);
            config.setServerName(expandServerNameTemplate(nameTemplate, n));
            config.setPatPath(findNewestPatchFile(patchPath, &record));
            assignBatchAddress(wizard, &config, baseAddress, &assigned);
            addNetInstallItem(true, &config, &record);
            config.setServerName(nameTemplate);
            config.setPatPath(patchPath);
            ++n;
        }
    });
}

// A new install entry for the server: an entry the install map already holds for its MAC is
// removed first (its page stops its job), with its dialog's clear request cut from this window
// beforehand, so that the dialog on its way out no longer reaches it. Returns the new entry's
// dialog, registered in the install map with a copy of the record.
CVorkDialogInstall *CVorkWindowMain::replaceInstallEntry(const NASINFO &nasInfo)
{
    const QString key = CVorkNasinfoMap::keyOf(nasInfo);
    if (m_pInstallMap->contains(key)) {
        if (CVorkDialogInstall *old = m_pInstallMap->getDialog(key))
            disconnect(old, &CVorkDialogInstall::signalClearFinishedItems, this,
                       &CVorkWindowMain::slotClearInstallFinishedItems);
        m_pInstallMap->remove(key);
    }
    CVorkDialogInstall *dialog = createInstallDialog();
    m_pInstallMap->insert(key, dialog, &nasInfo);
    return dialog;
}

void CVorkWindowMain::addNetInstallItem(bool batch, const CNasConfig *pnasConf,
                                        const NASINFO *pnasInfo)
{
    Q_UNUSED(batch);
    if (!pnasConf || !pnasInfo)
        return;
    // Copied at once: building the dialog runs events, and the caller's record must not be
    // needed after that.
    const NASINFO record = *pnasInfo;
    CVorkDialogInstall *dialog = replaceInstallEntry(record);
    if (CVorkWindowInstall *tab = qobject_cast<CVorkWindowInstall *>(dialog->getInstallWindow()))
        tab->slotAddNetInst(&record, pnasConf);
}

void CVorkWindowMain::addQuickConfItem(bool batch, const CNasConfig *pnasConf,
                                       const NASINFO *pnasInfo)
{
    Q_UNUSED(batch);
    if (!pnasConf || !pnasInfo)
        return;
    // The record may be one the server map holds, which an answer delivered while the dialog is
    // built may replace: the entry and the job work from this copy.
    const NASINFO record = *pnasInfo;
    CVorkDialogInstall *dialog = replaceInstallEntry(record);
    connect(dialog, &CVorkDialogInstall::signalClearFinishedItems, this,
            &CVorkWindowMain::slotClearInstallFinishedItems);
    if (CVorkWindowInstall *tab = qobject_cast<CVorkWindowInstall *>(dialog->getInstallWindow()))
        tab->slotAddQuickConf(&record, pnasConf);
}

void CVorkWindowMain::slotPopupInstallDlg(QString strMac)
{
    CVorkDialogInstall *dialog = m_pInstallMap ? m_pInstallMap->getDialog(strMac) : nullptr;
    if (!dialog)
        return;
    dialog->setVisible(true);
    dialog->raise();
    dialog->setFocus(Qt::OtherFocusReason);
    // Un-minimised; a maximised dialog stays maximised.
    dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
}

void CVorkWindowMain::slotClearInstallFinishedItems()
{
    if (m_pInstallMap)
        m_pInstallMap->slotClearBtnTriggered(false);
}

// --- closing ---------------------------------------------------------------------------------

void CVorkWindowMain::closeEvent(QCloseEvent *event)
{
    bool unfinished = false;
    for (int i = PAGE_FINDER; i < PAGE_COUNT; ++i) {
        CVorkWindowMainTab *tab = qobject_cast<CVorkWindowMainTab *>(m_pwdgPages[i]);
        if (tab && tab->hasUnfinishedTasks())
            unfinished = true;
    }
    if (unfinished) {
        setVisible(true);
        const QString text =
            getString(IDS_UNFINISHED_JOBS).arg(CVorkGlobalSettings::getAppName()) +
            QLatin1Char('\n') + getString(IDS_CONFIRM_EXIT);
        if (!PhotoWizardBox::ask(nullptr, QMessageBox::Warning, getString(IDS_WARNING), text,
                                 getString(IDS_BTN_YES), getString(IDS_BTN_NO))) {
            event->ignore();
            return;
        }
    }
    if (CVorkWindowPhotoUpload *photo =
            qobject_cast<CVorkWindowPhotoUpload *>(m_pwdgPages[PAGE_PHOTO_UPLOAD]))
        photo->cleanUpTempFolder();
    saveWindowGeometry();
    event->accept();
}
