#include "CVorkWindowRsrcMon.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <algorithm>

#include "CQuenRsrcMonGrid.h"
#include "CRsrcConfig.h"
#include "CRsrcConnect.h"
#include "CVorkHelpBrowser.h"
#include "CVorkWidgetPlotLine.h"
#include "CVorkWidgetPlotPie.h"
#include "StringTable.h"
#include "VorkDebug.h"
#include "VorkJson.h"
#include "platforms.h"

// The main window provides the busy flag that guards the password prompts. The page is also
// built and used on its own (tests), where there is no main window to ask.
#include "CVorkWindowMain.h"

namespace {

const char *const DEBUG_SOURCE = "src/CVorkWindowRsrcMon";

const char *const ICON_CONNECTING = ":/images/icon_rsrc_connecting.png";
const char *const ICON_CONNECTED = ":/images/icon_rsrc_connected.png";
const char *const ICON_DISCONNECTED = ":/images/icon_rsrc_disconnected.png";

// Smallest size of a chart frame; frames only ever grow from it.
const int FRAME_MIN_WIDTH = 269;
const int FRAME_MIN_HEIGHT = 211;
// Step of the line charts' x axis (one label every 12 samples).
const int X_AXIS_STEP = 12;

// Volume state words and their texts, in the order they are compared.
struct VolStatus {
    const char *word;
    int text;
};
const VolStatus s_rgVolStatus[] = {
    {"normal", IDS_RSRC_VOL_STATUS_NORMAL},
    {"crashed", IDS_RSRC_VOL_STATUS_CRASHED},
    {"degrade", IDS_RSRC_VOL_STATUS_DEGRADE},
    {"repairing", IDS_RSRC_VOL_STATUS_REPAIR},
    {"migrating", IDS_RSRC_VOL_STATUS_UPGRADE},
    {"expanding", IDS_RSRC_VOL_STATUS_EXPAND},
    {"deleting", IDS_RSRC_VOL_STATUS_DELETE},
    {"creating", IDS_RSRC_VOL_STATUS_CREATE},
    {"adding_disk", IDS_RSRC_VOL_STATUS_ADDDISK},
    {"raid_syncing", IDS_RSRC_VOL_STATUS_RESYNC},
    {"raid_parity_checking", IDS_RSRC_VOL_STATUS_PARITYCOUNT},
    {"raid_assembling", IDS_RSRC_VOL_STATUS_RESHAPE},
};
const int VOL_STATUS_COUNT = sizeof(s_rgVolStatus) / sizeof(s_rgVolStatus[0]);
QString s_rgstrVolStatusKeys[VOL_STATUS_COUNT];
bool s_blVolStatusKeysReady = false;

// Reply readers that never throw: a member of another type than expected reads as absent.

bool hasMember(const Json::Value &value, const char *key)
{
    return value.isObject() && value.isMember(key);
}

const Json::Value &element(const Json::Value &value, int index)
{
    static const Json::Value null;
    if (!value.isArray() || index < 0 || static_cast<Json::ArrayIndex>(index) >= value.size())
        return null;
    return value[static_cast<Json::ArrayIndex>(index)];
}

int arraySize(const Json::Value &value)
{
    return value.isArray() ? static_cast<int>(value.size()) : 0;
}

// Reply texts are 8-bit text; anything but a string reads as a null text.
QString text(const Json::Value &value)
{
    if (!value.isString())
        return QString();
    return QString::fromLatin1(value.asCString());
}

double number(const Json::Value &value)
{
    if (value.isNumeric() || value.isBool())
        return value.asDouble();
    return 0.0;
}

QString colourOf(const Json::Value &value)
{
    const Json::Value &colour = VorkJson::member(value, "colour");
    return colour.isString() ? text(colour) : QStringLiteral("blue");
}

} // namespace

CVorkWindowRsrcMon::CVorkWindowRsrcMon(QWidget *parent)
    : CVorkWindowMainTab(parent),
      m_pTimerRefresh(nullptr),
      m_pPlotCpu(nullptr),
      m_pPlotMem(nullptr),
      m_pwdgEmptyPage(nullptr),
      m_pwdgChartPage(nullptr),
      m_pgridCharts(nullptr),
      m_uFixedGridsInUse(0),
      m_blRelayout(false),
      m_blConnectWiredToDisconnect(false),
      m_blConnectPopUpWiredToDisconnect(false)
{
    setupUi(this);
    m_pFixedGrids[0] = nullptr;
    m_pFixedGrids[1] = nullptr;
    m_pwdgEmptyPage = m_pwdgEmpty;
    m_pwdgChartPage = m_pscrollConnect;
    initVolStatusKeys();

    QFont fontGroup(QStringLiteral("Arial"));
    fontGroup.setPixelSize(23);
    fontGroup.setWeight(75);
    m_pgrpConnect->setFont(fontGroup);

    // Interface names are told apart by their prefix; the kind word chooses the display word.
    // The display words are taken in the language of this moment.
    const char *const prefixes[] = {"eth", "ra", "bond", "ppp", "wlan", "br", "lbr"};
    for (const char *prefix : prefixes)
        m_mapIfPrefixes.insert(QLatin1String(prefix), QLatin1String(prefix));
    m_mapIfKinds.insert(QStringLiteral("lan"), getString(IDS_LBL_RSRC_LAN));
    m_mapIfKinds.insert(QStringLiteral("pppoe"), getString(IDS_LBL_RSRC_PPPOE));
    m_mapIfKinds.insert(QStringLiteral("wireless"), getString(IDS_LBL_RSRC_WIRELESS));
    m_mapIfKinds.insert(QStringLiteral("bond"), getString(IDS_LBL_RSRC_BOND));
    m_mapIfKinds.insert(QStringLiteral("bridge"), getString(IDS_LBL_RSRC_LAN));
    m_mapIfKinds.insert(QStringLiteral("wan"), getString(IDS_LBL_RSRC_LAN));
    m_mapIfKinds.insert(QStringLiteral("local_bridge"), getString(IDS_LBL_RSRC_WIRELESS));

    connect(m_pactAdd, &QAction::triggered, this, &CVorkWindowRsrcMon::slotAddTrigged);
    connect(m_pactAddPopUp, &QAction::triggered, this, &CVorkWindowRsrcMon::slotAddTrigged);
    connect(m_pactEdit, &QAction::triggered, this, &CVorkWindowRsrcMon::slotEditTrigged);
    connect(m_pactEditPopUp, &QAction::triggered, this, &CVorkWindowRsrcMon::slotEditTrigged);
    connect(m_pactRemove, &QAction::triggered, this, &CVorkWindowRsrcMon::slotRemoveTrigged);
    connect(m_pactRemovePopUp, &QAction::triggered, this, &CVorkWindowRsrcMon::slotRemoveTrigged);
    connect(m_pactConnect, &QAction::triggered, this, &CVorkWindowRsrcMon::slotConnectTrigged);
    connect(m_pactConnectPopUp, &QAction::triggered, this, &CVorkWindowRsrcMon::slotConnectTrigged);

    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    const int w = width();
    splitter->setSizes(QList<int>() << static_cast<int>(w * 0.3) << static_cast<int>(w * 0.7));

    languageChange();
}

CVorkWindowRsrcMon::~CVorkWindowRsrcMon()
{
    delete m_pTimerRefresh;
    m_pTimerRefresh = nullptr;
    // Clients first: each points to a record the page owns.
    const QList<CRsrcConnect *> clients = m_mapConnections.values();
    m_mapConnections.clear();
    for (CRsrcConnect *client : clients)
        dropConnection(client);
    // The line charts belong to a frame once placed; one never placed has no parent.
    if (m_pPlotCpu && !m_pPlotCpu->parent())
        delete m_pPlotCpu;
    if (m_pPlotMem && !m_pPlotMem->parent())
        delete m_pPlotMem;
}

bool CVorkWindowRsrcMon::hasUnfinishedTasks()
{
    return false;
}

void CVorkWindowRsrcMon::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void CVorkWindowRsrcMon::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    CVorkWindowMainTab::changeEvent(event);
}

void CVorkWindowRsrcMon::languageChange()
{
    m_pactAdd->setText(getString(IDS_BTN_RSRC_ADD));
    m_pactAddPopUp->setText(getString(IDS_BTN_RSRC_ADD));
    m_pactEdit->setText(getString(IDS_BTN_RSRC_EDIT));
    m_pactEditPopUp->setText(getString(IDS_BTN_RSRC_EDIT));
    // The Connect actions keep saying what they do: a language change must not relabel a
    // Disconnect action "Connect" while it still disconnects.
    m_pactConnect->setText(getString(m_blConnectWiredToDisconnect ? IDS_BTN_RSRC_DISCONNECT
                                                                  : IDS_BTN_MANAGE));
    m_pactConnectPopUp->setText(getString(m_blConnectPopUpWiredToDisconnect
                                              ? IDS_BTN_RSRC_DISCONNECT
                                              : IDS_BTN_MANAGE));
    m_pactRemove->setText(getString(IDS_BTN_RSRC_REMOVE));
    m_pactRemovePopUp->setText(getString(IDS_BTN_RSRC_REMOVE));
    QAction *const texts[] = {m_pactAdd, m_pactAddPopUp, m_pactEdit, m_pactEditPopUp,
                              m_pactConnect, m_pactConnectPopUp, m_pactRemove, m_pactRemovePopUp};
    for (QAction *action : texts)
        action->setToolTip(QString());

    m_pactPreferences->setToolTip(getString(IDS_TOOL_TIPS_PREFERENCE));
    m_pactAbout->setToolTip(getString(IDS_TOOL_TIPS_ABOUT));
    m_pactHelp->setToolTip(getString(IDS_TOOLBAR_HELP));

    m_ptrwVarnestors->setHeaderLabels(QStringList()
                                      << getString(IDS_WAKEUP_TABLE_PROFILENAME)
                                      << getString(IDS_LST_SERV_STATUS)
                                      << getString(IDS_PHOTO_LBL_ACCOUNT));
    m_plblStatus->setText(getString(IDS_RSRCMONI_PAGE_EMPTY));
}

void CVorkWindowRsrcMon::slotDelayedInit()
{
    if (m_blInit)
        return;
    CVorkWindowMainTab::slotDelayedInit();

    m_pTimerRefresh = new QTimer;
    m_pTimerRefresh->start(REFRESH_INTERVAL_MS);
    connect(m_pTimerRefresh, &QTimer::timeout, this, &CVorkWindowRsrcMon::slotRefrash);

    m_pgridCharts = new QGridLayout(m_pwdgConnect);
    m_pgridCharts->setSpacing(6);
    m_pgridCharts->setContentsMargins(11, 11, 11, 11);

    m_pPlotCpu = new CVorkWidgetPlotLine;
    m_pPlotCpu->hide();
    m_pPlotMem = new CVorkWidgetPlotLine;
    m_pPlotMem->hide();

    for (int i = 0; i < 2; ++i) {
        m_pFixedGrids[i] = new CQuenRsrcMonGrid(this);
        m_pgridCharts->addWidget(m_pFixedGrids[i], 0, i, Qt::AlignCenter);
        m_pFixedGrids[i]->hide();
    }

    slotConfigChanged();
    resizeTreeColumns();
}

// ---------------------------------------------------------------------------------------------
// Profiles and clients

void CVorkWindowRsrcMon::slotConfigChanged()
{
    m_ptrwVarnestors->clear();
    // Clients left from an earlier load would otherwise keep polling unseen.
    const QList<CRsrcConnect *> clients = m_mapConnections.values();
    m_mapConnections.clear();
    for (CRsrcConnect *client : clients)
        dropConnection(client);

    const QStringList names = CRsrcConfig::getProfileList(CRsrcConfig::strRsrcRootGroup);
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        CRsrcConfig *config = new CRsrcConfig;
        config->load(name, CRsrcConfig::strRsrcRootGroup);
        slotConfigAdded(config);
    }

    // Every profile without a stored password is offered the password prompt now.
    QList<QTreeWidgetItem *> items;
    for (int i = 0; i < m_ptrwVarnestors->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_ptrwVarnestors->topLevelItem(i);
        CRsrcConfig *config = getConfig(item);
        if (config && !config->isSaveCred())
            items.append(item);
    }
    connectItems(items);
}

void CVorkWindowRsrcMon::slotConfigAdded(CRsrcConfig *config)
{
    if (!config)
        return;
    CRsrcConnect *client = new CRsrcConnect(this, config);
    addItem(config);

    const QString name = config->getProfile();
    CRsrcConnect *previous = m_mapConnections.value(name, nullptr);
    m_mapConnections.insert(name, client);
    // A client replaced under the same name is stopped and freed with its record.
    if (previous && previous != client) {
        if (previous->getConfig() == config)
            previous->setConfig(nullptr);
        dropConnection(previous);
    }

    if (config->isConnection())
        client->slotDoConnect(true);
}

void CVorkWindowRsrcMon::slotConfigRemoved(QString strProfile, QTreeWidgetItem *item)
{
    VORK_DEBUG_STR(DEBUG_SOURCE, "strProfile", strProfile);

    CRsrcConnect *client = m_mapConnections.value(strProfile, nullptr);
    CRsrcConfig *config = nullptr;
    if (client) {
        client->slotDoConnect(false);
        config = client->getConfig();
        client->setConfig(nullptr);
    }
    if (!config) {
        config = new CRsrcConfig;
        // Loading an unknown name creates its group, which the removal below deletes again.
        if (!strProfile.isEmpty())
            config->load(strProfile, CRsrcConfig::strRsrcRootGroup);
        // A stored group without a display name still names the group to delete: an empty
        // name would delete every stored profile.
        if (config->getProfile().isEmpty())
            config->setProfile(strProfile);
    }
    if (!config->getProfile().isEmpty())
        config->remove(CRsrcConfig::strRsrcRootGroup);

    m_mapConnections.remove(strProfile);
    removeItem(item, config);

    delete config;
    delete client;
}

void CVorkWindowRsrcMon::slotConfigTrigged(QString strProfile)
{
    QTreeWidgetItem *item = findItem(strProfile);
    if (item)
        m_ptrwVarnestors->setCurrentItem(item);
}

void CVorkWindowRsrcMon::dropConnection(CRsrcConnect *client)
{
    if (!client)
        return;
    client->slotDoConnect(false);
    CRsrcConfig *config = client->getConfig();
    delete client;
    delete config;
}

CRsrcConnect *CVorkWindowRsrcMon::connection(const QString &strProfile) const
{
    return m_mapConnections.value(strProfile, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Host list

void CVorkWindowRsrcMon::addItem(CRsrcConfig *config)
{
    QTreeWidgetItem *item = new QTreeWidgetItem;
    item->setText(0, config->getProfile());
    item->setText(2, config->getAdminAccount());
    m_ptrwVarnestors->addTopLevelItem(item);
    m_ptrwVarnestors->sortItems(0, Qt::AscendingOrder);
}

QTreeWidgetItem *CVorkWindowRsrcMon::findItem(const QString &strProfile) const
{
    for (int i = 0; i < m_ptrwVarnestors->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_ptrwVarnestors->topLevelItem(i);
        if (item->text(0) == strProfile)
            return item;
    }
    return nullptr;
}

bool CVorkWindowRsrcMon::isTopLevelItem(QTreeWidgetItem *item) const
{
    return item && m_ptrwVarnestors->indexOfTopLevelItem(item) >= 0;
}

void CVorkWindowRsrcMon::removeItem(QTreeWidgetItem *item, CRsrcConfig *config)
{
    if (!item && config)
        item = findItem(config->getProfile());
    if (!isTopLevelItem(item))
        return;
    delete m_ptrwVarnestors->takeTopLevelItem(m_ptrwVarnestors->indexOfTopLevelItem(item));
}

CRsrcConnect *CVorkWindowRsrcMon::getConnect(QTreeWidgetItem *item) const
{
    if (!item)
        return nullptr;
    return m_mapConnections.value(item->text(0), nullptr);
}

CRsrcConfig *CVorkWindowRsrcMon::getConfig(QTreeWidgetItem *item) const
{
    CRsrcConnect *client = getConnect(item);
    return client ? client->getConfig() : nullptr;
}

void CVorkWindowRsrcMon::updateItemStatus(QTreeWidgetItem *item)
{
    CRsrcConnect *client = getConnect(item);
    if (!client)
        return;
    const QString status = client->getStatusString();
    item->setToolTip(0, status);
    item->setToolTip(1, status);
    const char *icon = ICON_DISCONNECTED;
    if (client->getStatus() == CRsrcConnect::RSRC_STAT_CONNECTING)
        icon = ICON_CONNECTING;
    else if (client->getStatus() == CRsrcConnect::RSRC_STAT_CONNECTED)
        icon = ICON_CONNECTED;
    item->setIcon(1, QIcon(QLatin1String(icon)));
}

void CVorkWindowRsrcMon::resizeTreeColumns()
{
    for (int column = 0; column < 3; ++column)
        m_ptrwVarnestors->resizeColumnToContents(column);
}

void CVorkWindowRsrcMon::connectItems(const QList<QTreeWidgetItem *> &items)
{
    // Rows with a stored password connect at once; the others are asked for one afterwards.
    QList<QTreeWidgetItem *> queued;
    for (QTreeWidgetItem *item : items) {
        CRsrcConnect *client = getConnect(item);
        if (!client)
            continue;
        CRsrcConfig *config = client->getConfig();
        if (config && config->isSaveCred()) {
            client->slotDoConnect(true);
            updateItemStatus(item);
        } else if (!queued.contains(item)) {
            queued.append(item);
        } else {
            updateItemStatus(item);
        }
    }

    for (QTreeWidgetItem *item : queued) {
        // A row may have gone while an earlier prompt was open.
        if (!isTopLevelItem(item))
            continue;
        CRsrcConnect *client = getConnect(item);
        if (!client)
            continue;
        if (!lockMainWindow())
            continue;

        const QString name = item->text(0);
        QPointer<CRsrcConnect> guard(client);
        bool ok = false;
        const QString password = QInputDialog::getText(this, name,
                                                       getString(IDS_LBL_ENTER_PASSWD),
                                                       QLineEdit::Password, QString(), &ok);
        // The profile may have been removed while the prompt was open.
        if (ok && guard && guard->getConfig()) {
            // In memory only: the stored profile and its save-password flag stay as they are.
            guard->getConfig()->setPassword(scrambleEncodeString(password));
            guard->slotDoConnect(true);
            if (isTopLevelItem(item))
                updateItemStatus(item);
        }
        unlockMainWindow();
    }
}

bool CVorkWindowRsrcMon::lockMainWindow()
{
    CVorkWindowMain *pMain = getMainWindow();
    return pMain == nullptr || pMain->tryLockOperation();
}

void CVorkWindowRsrcMon::unlockMainWindow()
{
    CVorkWindowMain *pMain = getMainWindow();
    if (pMain)
        pMain->unlockOperation();
}

void CVorkWindowRsrcMon::wireConnectAction(QAction *action, bool &blWiredToDisconnect,
                                           bool blConnected)
{
    const QString wanted = getString(blConnected ? IDS_BTN_RSRC_DISCONNECT : IDS_BTN_MANAGE);
    if (action->text() == wanted && blWiredToDisconnect == blConnected)
        return;
    action->setText(wanted);
    if (blWiredToDisconnect == blConnected)
        return;
    if (blConnected) {
        disconnect(action, &QAction::triggered, this, &CVorkWindowRsrcMon::slotConnectTrigged);
        connect(action, &QAction::triggered, this, &CVorkWindowRsrcMon::slotDisconnectTrigged);
    } else {
        disconnect(action, &QAction::triggered, this, &CVorkWindowRsrcMon::slotDisconnectTrigged);
        connect(action, &QAction::triggered, this, &CVorkWindowRsrcMon::slotConnectTrigged);
    }
    blWiredToDisconnect = blConnected;
}

void CVorkWindowRsrcMon::setConnectAction(bool blConnected)
{
    wireConnectAction(m_pactConnect, m_blConnectWiredToDisconnect, blConnected);
    wireConnectAction(m_pactConnectPopUp, m_blConnectPopUpWiredToDisconnect, blConnected);
}

// ---------------------------------------------------------------------------------------------
// Actions

void CVorkWindowRsrcMon::slotAddTrigged()
{
    emit signalRsrcAdd(CVorkNasinfoMap::TKey());
}

void CVorkWindowRsrcMon::slotEditTrigged()
{
    const QList<QTreeWidgetItem *> items = m_ptrwVarnestors->selectedItems();
    if (!items.isEmpty())
        emit signalRsrcEdit(items.first()->text(0));
}

void CVorkWindowRsrcMon::slotRemoveTrigged()
{
    const QList<QTreeWidgetItem *> items = m_ptrwVarnestors->selectedItems();
    if (items.isEmpty())
        return;

    QMessageBox box(QMessageBox::Warning, getString(IDS_WARNING),
                    getString(IDS_REMOVE_PROFILES) + QLatin1Char('\n') + getString(IDS_CFRM_CONTINUE));
    QPushButton *yes = box.addButton(getString(IDS_BTN_YES), QMessageBox::YesRole);
    QPushButton *no = box.addButton(getString(IDS_BTN_NO), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == no)
        return;

    // Names first: removing one row must not leave the next one read from a freed row.
    QStringList names;
    for (QTreeWidgetItem *item : items)
        names << item->text(0);
    for (int i = 0; i < items.size(); ++i)
        slotConfigRemoved(names.at(i), isTopLevelItem(items.at(i)) ? items.at(i) : nullptr);
}

void CVorkWindowRsrcMon::slotConnectTrigged()
{
    connectItems(m_ptrwVarnestors->selectedItems());
}

void CVorkWindowRsrcMon::slotDisconnectTrigged()
{
    const QList<QTreeWidgetItem *> items = m_ptrwVarnestors->selectedItems();
    for (QTreeWidgetItem *item : items) {
        CRsrcConnect *client = getConnect(item);
        if (!client)
            continue;
        client->slotDoConnect(false);
        updateItemStatus(item);
    }
}

void CVorkWindowRsrcMon::slotAboutTriggered()
{
    emit signalAboutTriggered();
}

void CVorkWindowRsrcMon::slotPrefTriggered()
{
    emit signalPrefTriggered();
}

void CVorkWindowRsrcMon::slotHelpTriggered()
{
    CVorkHelpBrowser::showHelp();
}

void CVorkWindowRsrcMon::slotShowContextMenu(QPoint ptPosition)
{
    QList<QAction *> actions;
    actions << m_pactAddPopUp;
    QTreeWidgetItem *item = m_ptrwVarnestors->itemAt(ptPosition);
    if (item) {
        CRsrcConnect *client = getConnect(item);
        const bool connected = client && client->getStatus() == CRsrcConnect::RSRC_STAT_CONNECTED;
        // The entry does what it says for the row under the pointer.
        wireConnectAction(m_pactConnectPopUp, m_blConnectPopUpWiredToDisconnect, connected);
        actions << m_pactRemovePopUp << m_pactEditPopUp << m_pactConnectPopUp;
    }
    QMenu::exec(actions, m_ptrwVarnestors->viewport()->mapToGlobal(ptPosition));
}

void CVorkWindowRsrcMon::slotRefrash()
{
    for (int i = 0; i < m_ptrwVarnestors->topLevelItemCount(); ++i)
        updateItemStatus(m_ptrwVarnestors->topLevelItem(i));

    QTreeWidgetItem *current = m_ptrwVarnestors->currentItem();
    if (!current) {
        m_pgrpConnect->setTitle(QString());
        m_pstkwCenter->setCurrentWidget(m_pwdgEmptyPage);
        setConnectAction(false);
        m_pactRemove->setEnabled(false);
        m_pactEdit->setEnabled(false);
        m_pactConnect->setEnabled(false);
        m_plblStatus->setText(getString(IDS_RSRCMONI_PAGE_EMPTY));
        return;
    }

    m_pactRemove->setEnabled(true);
    m_pactEdit->setEnabled(true);
    m_pactConnect->setEnabled(true);
    const QString name = current->text(0);
    m_pgrpConnect->setTitle(name);
    CRsrcConnect *client = m_mapConnections.value(name, nullptr);
    if (!client) {
        m_pstkwCenter->setCurrentWidget(m_pwdgEmptyPage);
        m_plblStatus->setText(CRsrcConnect::statusToString(CRsrcConnect::RSRC_STAT_DISCONNECT));
        setConnectAction(false);
        return;
    }
    if (client->getStatus() != CRsrcConnect::RSRC_STAT_CONNECTED) {
        m_pstkwCenter->setCurrentWidget(m_pwdgEmptyPage);
        m_plblStatus->setText(client->getStatusString());
        setConnectAction(false);
        return;
    }
    setConnectAction(true);
    showCharts(client);
}

// ---------------------------------------------------------------------------------------------
// Charts

CQuenRsrcMonGrid *CVorkWindowRsrcMon::fixedFrame(int index) const
{
    return index >= 0 && index < 2 ? m_pFixedGrids[index] : nullptr;
}

QList<CQuenRsrcMonGrid *> CVorkWindowRsrcMon::chartFrames() const
{
    QList<CQuenRsrcMonGrid *> frames;
    for (unsigned int i = 0; i < m_uFixedGridsInUse && i < 2; ++i)
        frames << m_pFixedGrids[i];
    frames << m_mapNetGrids.values();
    frames << m_mapVolGrids.values();
    return frames;
}

void CVorkWindowRsrcMon::showCharts(CRsrcConnect *client)
{
    // Nothing to draw into before the first show built the chart area.
    if (!m_pgridCharts)
        return;

    QList<CQuenRsrcMonGrid *> frames = chartFrames();
    for (CQuenRsrcMonGrid *frame : frames) {
        frame->removeWidget();
        frame->hide();
    }
    // The CPU and memory charts come back below when their replies hold a chart; a fixed frame
    // that gets none this time is shown empty.
    m_pPlotCpu->hide();
    m_pPlotMem->hide();
    m_uFixedGridsInUse = 0;

    showLineChart(client, CRsrcConnect::CGI_CPUCHART);
    showLineChart(client, CRsrcConnect::CGI_MEMGET);
    showNetCharts(client);
    showVolumes(client);

    if (m_blRelayout) {
        m_blRelayout = false;
        relayoutCharts();
        frames = chartFrames();
    }
    for (CQuenRsrcMonGrid *frame : frames)
        frame->show();
    m_pstkwCenter->setCurrentWidget(m_pwdgChartPage);

    // Every frame gets the largest size seen so far, so the grid's cells line up.
    int width = FRAME_MIN_WIDTH;
    int height = FRAME_MIN_HEIGHT;
    for (CQuenRsrcMonGrid *frame : frames) {
        width = std::max(width, frame->width());
        height = std::max(height, frame->height());
        frame->setMinimumSize(width, height);
        frame->resize(width, height);
    }
}

void CVorkWindowRsrcMon::relayoutCharts()
{
    // The two fixed frames were added first and keep row 0.
    while (m_pgridCharts->count() > 2)
        delete m_pgridCharts->takeAt(2);
    int cell = 2;
    for (CQuenRsrcMonGrid *frame : qAsConst(m_mapNetGrids)) {
        m_pgridCharts->addWidget(frame, cell / 2, cell % 2, Qt::AlignCenter);
        ++cell;
    }
    for (CQuenRsrcMonGrid *frame : qAsConst(m_mapVolGrids)) {
        m_pgridCharts->addWidget(frame, cell / 2, cell % 2, Qt::AlignCenter);
        ++cell;
    }
    resizeTreeColumns();
}

void CVorkWindowRsrcMon::showLineChart(CRsrcConnect *client, int kind)
{
    CVorkWidgetPlotLine *chart = nullptr;
    QString title;
    if (kind == CRsrcConnect::CGI_CPUCHART) {
        chart = m_pPlotCpu;
        title = getString(IDS_LBL_RSRC_CPU_USAGE);
    } else if (kind == CRsrcConnect::CGI_MEMGET) {
        chart = m_pPlotMem;
        title = getString(IDS_LBL_RSRC_MEM_USAGE);
    } else {
        return;
    }
    if (m_uFixedGridsInUse >= 2)
        return;
    // Memory takes the left frame when the CPU chart was not drawn.
    CQuenRsrcMonGrid *frame = m_pFixedGrids[m_uFixedGridsInUse];
    if (!fillPlotLine(client->getData(kind), chart, frame))
        return;
    frame->setWidget(chart);
    frame->setTitle(title);
    frame->setUnitLabel(getString(IDS_LBL_RSRC_X_UNIT));
    chart->show();
    ++m_uFixedGridsInUse;
}

bool CVorkWindowRsrcMon::fillPlotLine(const Json::Value &chart, CVorkWidgetPlotLine *plot,
                                      CQuenRsrcMonGrid *frame)
{
    using VorkJson::member;
    if (!plot || !frame)
        return false;

    const int points = arraySize(member(member(member(chart, "x_axis"), "labels"), "labels"));
    if (points == 0)
        return false;
    plot->setPointCount(points - 1);
    plot->setXAxisScale(points - 1, X_AXIS_STEP);
    plot->setYAxisScale(VorkJson::toInt(member(member(chart, "y_axis"), "max")), 0);
    frame->setLegend(text(member(member(chart, "y_legend"), "text")));

    const Json::Value &elements = member(chart, "elements");
    if (!hasMember(element(elements, 0), "values"))
        return true;

    const int curves = arraySize(elements);
    plot->setCurveCount(curves);
    // The curve arrays are made once, with the counts of this reply; later replies are kept
    // within them by the chart.
    if (!plot->getCurveSize())
        plot->createCurves();
    for (int i = 0; i < curves; ++i) {
        const Json::Value &curve = element(elements, i);
        plot->setCurveColour(i + 1, colourOf(curve));
        const Json::Value &title = member(curve, "text");
        if (title.isString())
            plot->setCurveTitle(i + 1, text(title));
        const Json::Value &values = member(curve, "values");
        if (arraySize(values) > 0 && points - 1 > 0) {
            for (int j = 0; j <= points - 2; ++j)
                plot->setValue(j + 1, number(element(values, j)), i + 1);
        }
    }
    plot->updateAxes();
    plot->updateData();
    return true;
}

void CVorkWindowRsrcMon::showNetCharts(CRsrcConnect *client)
{
    QStringList names = m_mapNetGrids.keys();
    const Json::Value reply = client->getData(CRsrcConnect::CGI_NETGET);

    if (hasMember(reply, "net")) {
        const Json::Value &net = reply["net"];
        // An empty list, one without any name, or one of another type leaves the frames as
        // they are for this pass.
        bool named = false;
        for (int i = 0; i < arraySize(net); ++i) {
            if (VorkJson::member(element(net, i), "if_name").isString())
                named = true;
        }
        if (!named)
            return;
        for (int i = 0; i < arraySize(net); ++i) {
            const Json::Value &entry = element(net, i);
            const Json::Value &name = VorkJson::member(entry, "if_name");
            const Json::Value &kind = VorkJson::member(entry, "if_type");
            if (!name.isString() || !kind.isString())
                continue;
            showNetChart(text(name), text(kind), entry, names);
        }
    } else if (hasMember(reply, "lan")) {
        const Json::Value &lan = reply["lan"];
        if (arraySize(lan) == 0)
            return;
        for (int i = 0; i < arraySize(lan); ++i)
            showNetChart(QStringLiteral("eth%1").arg(i), QStringLiteral("lan"), element(lan, i), names);
    }

    const Json::Value &pppoe = VorkJson::member(reply, "pppoe");
    for (int i = 0; i < arraySize(pppoe); ++i)
        showNetChart(QStringLiteral("ppp%1").arg(i), QStringLiteral("pppoe"), element(pppoe, i), names);

    // Interfaces shown before but absent now.
    for (const QString &name : qAsConst(names)) {
        m_blRelayout = true;
        delete m_mapNetPlots.take(name);
        delete m_mapNetGrids.take(name);
    }
}

void CVorkWindowRsrcMon::showNetChart(const QString &strName, const QString &strKind,
                                      const Json::Value &chart, QStringList &names)
{
    CQuenRsrcMonGrid *frame = m_mapNetGrids.value(strName, nullptr);
    CVorkWidgetPlotLine *plot = m_mapNetPlots.value(strName, nullptr);
    if (frame) {
        names.removeOne(strName);
    } else {
        frame = new CQuenRsrcMonGrid(this);
        m_mapNetGrids.insert(strName, frame);
        frame->hide();
        m_blRelayout = true;
    }

    // The interface's chart is kept from pass to pass. Only a reply of another shape (curve or
    // point count) gets a new one, whose curves are then sized by that reply; a kept chart
    // starts from empty curves, as a new one would.
    using VorkJson::member;
    const Json::Value &elements = member(chart, "elements");
    const int curves = hasMember(element(elements, 0), "values") ? arraySize(elements) : 0;
    const int points = arraySize(member(member(member(chart, "x_axis"), "labels"), "labels")) - 1;
    if (plot && !plot->curvesMatch(curves, points)) {
        frame->removeWidget();
        delete m_mapNetPlots.take(strName);
        plot = nullptr;
    }
    if (plot) {
        plot->resetCurves();
    } else {
        plot = new CVorkWidgetPlotLine;
        m_mapNetPlots.insert(strName, plot);
        plot->hide();
    }

    const bool ok = fillPlotLine(chart, plot, frame);
    frame->setWidget(plot);
    frame->setTitle(getNetName(strName, strKind));
    frame->setUnitLabel(getString(IDS_LBL_RSRC_X_UNIT));
    plot->setVisible(ok);
}

QString CVorkWindowRsrcMon::getNetName(const QString &strName, const QString &strKind) const
{
    QString prefix = strName;
    prefix.remove(QRegularExpression(QStringLiteral("\\d+$")));
    QString digits = strName;
    if (!prefix.isEmpty())
        digits.remove(prefix);

    qDebug("getNetName: strPrefix:[%s] strIfType:[%s]\n", qPrintable(prefix), qPrintable(strKind));

    if (!m_mapIfPrefixes.contains(prefix) || !m_mapIfKinds.contains(strKind))
        return QStringLiteral("(unknown)") + strName;
    const QString word = m_mapIfKinds.value(strKind);
    if (digits.isEmpty() || strKind == QLatin1String("pppoe") || strKind == QLatin1String("wireless"))
        return word;
    return QStringLiteral("%1 %2").arg(word).arg(digits.toInt() + 1);
}

void CVorkWindowRsrcMon::showVolumes(CRsrcConnect *client)
{
    const Json::Value reply = client->getData(CRsrcConnect::CGI_VOLGET);
    if (!hasMember(reply, "vols"))
        return;
    const Json::Value &vols = reply["vols"];
    const Json::Value &ids = VorkJson::member(reply, "volsID");
    // A list of another shape, or a volume without a number, is not drawn this pass.
    if (!vols.isArray() || arraySize(ids) < arraySize(vols))
        return;
    for (int i = 0; i < arraySize(vols); ++i) {
        if (!element(ids, i).isNumeric())
            return;
    }

    QList<int> numbers = m_mapVolGrids.keys();
    for (int i = 0; i < arraySize(vols); ++i) {
        const int volumeNo = VorkJson::toInt(element(ids, i));
        const Json::Value &volume = element(vols, i);

        QString suffix;
        if (hasMember(volume, "status")) {
            const QString status = getVolStatusText(text(volume["status"]));
            if (!status.isEmpty())
                suffix = QStringLiteral(" : ") + status;
        }

        CVorkWidgetPlotPie *pie = m_mapVolPlots.value(volumeNo, nullptr);
        CQuenRsrcMonGrid *frame = m_mapVolGrids.value(volumeNo, nullptr);
        if (pie && frame) {
            numbers.removeOne(volumeNo);
        } else {
            if (!pie) {
                pie = new CVorkWidgetPlotPie(this);
                m_mapVolPlots.insert(volumeNo, pie);
            }
            if (!frame) {
                frame = new CQuenRsrcMonGrid(this);
                m_mapVolGrids.insert(volumeNo, frame);
            }
            pie->hide();
            frame->hide();
            m_blRelayout = true;
        }

        const bool ok = fillPlotPie(volume, pie);
        frame->setWidget(pie);
        frame->setTitle(QStringLiteral("%1%2").arg(getString(IDS_LBL_RSRC_VOL), QString::number(volumeNo))
                        + suffix);
        frame->setLegend(QString());
        frame->setUnitLabel(QString());
        pie->setVisible(ok);
    }

    for (int volumeNo : qAsConst(numbers)) {
        m_blRelayout = true;
        delete m_mapVolPlots.take(volumeNo);
        delete m_mapVolGrids.take(volumeNo);
    }
}

bool CVorkWindowRsrcMon::fillPlotPie(const Json::Value &volume, CVorkWidgetPlotPie *pie)
{
    using VorkJson::member;
    if (!pie)
        return false;
    const Json::Value &first = element(member(volume, "elements"), 0);
    if (!hasMember(first, "values") || !hasMember(volume, "totalsize"))
        return false;

    bool parsed = false;
    quint64 total = text(volume["totalsize"]).toULongLong(&parsed, 10);
    if (!parsed)
        total = 0;
    const double scaled = static_cast<double>(total) / 1024 / 1024;

    const Json::Value &values = first["values"];
    const int slices = arraySize(values);
    if (!pie->getFlag()) {
        pie->setCurveCount(slices);
        pie->createView();
    } else if (slices != pie->getCurveCount()) {
        const int before = pie->getCurveCount();
        pie->setCurveCount(slices);
        pie->insertRows(before, slices);
    }

    if (total == 0) {
        pie->setItemColour(1, colourOf(element(values, 0)));
        pie->setItemValue(1, 100, 1);
        pie->setItemLabel(1, QStringLiteral("100 %"));
        pie->setItemValue(1, 0, 2);
    } else {
        for (int i = 0; i < slices; ++i) {
            const Json::Value &slice = element(values, i);
            const double value = number(member(slice, "value"));
            pie->setItemValue(1, value, i + 1);
            pie->setItemColour(i + 1, colourOf(slice));
            if (i < 2) {
                pie->setItemLabel(i + 1, text(member(slice, "label")));
                const QString share = QString::number(value * 100 / scaled, 'f', 1);
                pie->setItemToolTip(i + 1, QStringLiteral("%1 (%2 %)")
                                               .arg(getString(i == 0 ? IDS_LBL_RSRC_VOL_FREE
                                                                     : IDS_LBL_RSRC_VOL_USED),
                                                    share));
            }
        }
    }
    pie->updateData();
    pie->updateAxes();
    return true;
}

void CVorkWindowRsrcMon::initVolStatusKeys()
{
    if (s_blVolStatusKeysReady)
        return;
    for (int i = 0; i < VOL_STATUS_COUNT; ++i)
        s_rgstrVolStatusKeys[i] = QLatin1String(s_rgVolStatus[i].word);
    s_blVolStatusKeysReady = true;
}

QString CVorkWindowRsrcMon::getVolStatusText(const QString &strWord)
{
    initVolStatusKeys();
    const QString word = strWord.trimmed();
    if (word.isEmpty())
        return QString();
    for (int i = 0; i < VOL_STATUS_COUNT; ++i) {
        if (word.compare(s_rgstrVolStatusKeys[i], Qt::CaseInsensitive) == 0)
            return getString(s_rgVolStatus[i].text);
    }
    return QString();
}
