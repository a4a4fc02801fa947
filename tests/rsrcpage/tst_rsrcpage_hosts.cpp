// The resource-monitor page's host list and connections, with the page built on its own (no
// main window), private settings, and the simulated resource-monitor script on loopback.
// The page's ticks are driven by invoking slotRefrash; its own 3000 ms timer runs as well and
// only repeats what a tick does.
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>

#include "HangGuard.h"
#include "SimRsrcMonService.h"
#include "StringTable.h"
#include "rsrcpagetest.h"

using namespace RsrcPageTest;

namespace {

const char *const ACCOUNT = "operator";
const char *const PASSWORD = "s3cr&t %+pw";

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage resourceIcon(const char *path)
{
    return iconImage(QIcon(QLatin1String(path)));
}

QTreeWidgetItem *row(CVorkWindowRsrcMon &page, const QString &name)
{
    const QList<QTreeWidgetItem *> items = page.m_ptrwVarnestors->findItems(name, Qt::MatchExactly, 0);
    return items.value(0);
}

QStringList rowNames(CVorkWindowRsrcMon &page)
{
    QStringList names;
    for (int i = 0; i < page.m_ptrwVarnestors->topLevelItemCount(); ++i)
        names << page.m_ptrwVarnestors->topLevelItem(i)->text(0);
    return names;
}

} // namespace

class TestRsrcPageHosts : public QObject
{
    Q_OBJECT

private:
    SimRsrcMonService *m_sim = nullptr;
    ModalDriver *m_driver = nullptr;

    quint16 port() const { return m_sim->port(); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<CVorkNasinfoMap::TKey>("CVorkNasinfoMap::TKey");
    }

    void init()
    {
        QSettings().clear();
        QSettings().sync();
        m_sim = new SimRsrcMonService;
        QVERIFY(m_sim->listen());
        m_sim->setAccount(QLatin1String(ACCOUNT), QLatin1String(PASSWORD));
        m_sim->setInterfaces({QStringLiteral("eth0")});
        m_sim->setVolumes({1});
        m_driver = new ModalDriver;
        m_driver->start();
    }

    void cleanup()
    {
        m_driver->stop();
        delete m_driver;
        m_driver = nullptr;
        delete m_sim;
        m_sim = nullptr;
    }

    void formAsDesigned()
    {
        CVorkWindowRsrcMon page;
        QCOMPARE(page.objectName(), QStringLiteral("CVorkWindowRsrcMon"));
        QCOMPARE(page.size(), QSize(711, 487));

        QSplitter *split = page.findChild<QSplitter *>(QStringLiteral("splitter"));
        QVERIFY(split);
        QCOMPARE(split->orientation(), Qt::Horizontal);
        QCOMPARE(split->widget(0), static_cast<QWidget *>(page.m_ptrwVarnestors));
        QCOMPARE(split->widget(1), static_cast<QWidget *>(page.m_pgrpConnect));
        // 0.3 and 0.7 of the design width; the tree keeps its share when the page is shown, the
        // group box takes what is left.
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        QCOMPARE(split->sizes().value(0), 213);
        QCOMPARE(page.m_ptrwVarnestors->sizePolicy().horizontalStretch(), 0);
        QCOMPARE(page.m_pgrpConnect->sizePolicy().horizontalStretch(), 1);

        const QFont font = page.m_pgrpConnect->font();
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pixelSize(), 23);
        QCOMPARE(font.weight(), 75);

        // The chart page is shown until the first tick decides.
        QCOMPARE(page.m_pstkwCenter->currentWidget(), static_cast<QWidget *>(page.m_pscrollConnect));
        QCOMPARE(page.m_pstkwCenter->indexOf(page.m_pwdgEmpty), 0);
        QCOMPARE(page.m_pscrollConnect->widget(), page.m_pwdgConnect);
        QVERIFY(page.m_pscrollConnect->widgetResizable());
        QVERIFY(page.m_plblStatus->wordWrap());
        QCOMPARE(page.m_plblStatus->textFormat(), Qt::RichText);

        QTreeWidget *tree = page.m_ptrwVarnestors;
        QCOMPARE(tree->columnCount(), 3);
        QCOMPARE(tree->headerItem()->text(0), getString(549));
        QCOMPARE(tree->headerItem()->text(1), getString(217));
        QCOMPARE(tree->headerItem()->text(2), getString(415));
        QCOMPARE(tree->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(tree->isSortingEnabled());
        QVERIFY(!tree->rootIsDecorated());
        QVERIFY(tree->alternatingRowColors());
        QCOMPARE(tree->contextMenuPolicy(), Qt::CustomContextMenu);
        QVERIFY(tree->header()->stretchLastSection());

        QToolBar *bar = page.findChild<QToolBar *>(QStringLiteral("toolBar"));
        QToolBar *bar2 = page.findChild<QToolBar *>(QStringLiteral("toolBar_2"));
        QVERIFY(bar && bar->inherits("CRsrcMoniToolBar"));
        QVERIFY(bar2 && bar2->inherits("CPreAboutToolBar"));
        QCOMPARE(bar->actions(), QList<QAction *>() << page.m_pactAdd << page.m_pactRemove
                                                     << page.m_pactEdit << page.m_pactConnect);
        QCOMPARE(bar2->actions(), QList<QAction *>() << page.m_pactAbout << page.m_pactHelp
                                                      << page.m_pactPreferences);
        QCOMPARE(bar2->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(bar->iconSize(), QSize(21, 21));
        QVERIFY(!bar->isMovable() && !bar->isFloatable() && !bar2->isMovable());

        QCOMPARE(page.m_pactAdd->text(), QStringLiteral("Add"));
        QCOMPARE(page.m_pactRemovePopUp->text(), QStringLiteral("Remove"));
        QCOMPARE(page.m_pactEdit->text(), QStringLiteral("Edit"));
        QCOMPARE(page.m_pactConnect->text(), QStringLiteral("Connect"));
        QCOMPARE(page.m_pactConnectPopUp->text(), QStringLiteral("Connect"));
        QCOMPARE(page.m_pactAbout->toolTip(), QStringLiteral("About"));
        QCOMPARE(page.m_pactPreferences->toolTip(), QStringLiteral("Preferences"));
        QCOMPARE(page.m_pactHelp->toolTip(), QStringLiteral("Help"));
        QCOMPARE(page.m_plblStatus->text(), getString(489));
        // Every action carries an icon from the bundle.
        for (QAction *action : {page.m_pactAdd, page.m_pactRemove, page.m_pactEdit, page.m_pactConnect,
                                page.m_pactAbout, page.m_pactPreferences, page.m_pactHelp,
                                page.m_pactAddPopUp, page.m_pactRemovePopUp, page.m_pactEditPopUp,
                                page.m_pactConnectPopUp})
            QVERIFY2(!action->icon().pixmap(21, 21).isNull(), qPrintable(action->objectName()));
        QVERIFY(!page.hasUnfinishedTasks());
    }

    void noProfileShowsHint()
    {
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        QTimer *timer = page.refreshTimer();
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 3000);
        QVERIFY(!timer->parent());
        // Once only.
        page.slotDelayedInit();
        QCOMPARE(page.refreshTimer(), timer);

        // Before the first tick: the empty chart page, no title, every action enabled.
        QCOMPARE(page.m_pstkwCenter->currentWidget(), static_cast<QWidget *>(page.m_pscrollConnect));
        QVERIFY(page.m_pgrpConnect->title().isEmpty());
        QVERIFY(page.m_pactRemove->isEnabled() && page.m_pactEdit->isEnabled() && page.m_pactConnect->isEnabled());

        tick(page);
        QCOMPARE(page.m_ptrwVarnestors->topLevelItemCount(), 0);
        QCOMPARE(page.m_pstkwCenter->currentWidget(), page.m_pwdgEmpty);
        QCOMPARE(page.m_plblStatus->text(), getString(489));
        QVERIFY(page.m_pgrpConnect->title().isEmpty());
        QVERIFY(!page.m_pactRemove->isEnabled());
        QVERIFY(!page.m_pactEdit->isEnabled());
        QVERIFY(!page.m_pactConnect->isEnabled());
        QVERIFY(page.m_pactAdd->isEnabled());
        QVERIFY(page.m_pactRemovePopUp->isEnabled());
        QVERIFY(page.m_pactEditPopUp->isEnabled());
        QVERIFY(page.m_pactConnectPopUp->isEnabled());
        QVERIFY(m_driver->prompts.isEmpty());
    }

    void connectAtStartWithStoredPassword()
    {
        storeProfile(QStringLiteral("Alpha"), port(), ACCOUNT, PASSWORD, true);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        QVERIFY(m_driver->prompts.isEmpty());

        QTreeWidgetItem *alpha = row(page, QStringLiteral("Alpha"));
        QVERIFY(alpha);
        QCOMPARE(alpha->text(2), QString::fromLatin1(ACCOUNT));
        CRsrcConnect *client = page.connection(QStringLiteral("Alpha"));
        QVERIFY(client);
        QCOMPARE(client->parent(), &page);
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));
        QVERIFY(m_sim->requestCount(QStringLiteral("init")) >= 1);
        const SimRsrcMonService::Request init = m_sim->requests().first();
        QCOMPARE(init.action(), QStringLiteral("init"));
        QCOMPARE(init.form.value(QStringLiteral("username")), QString::fromLatin1(ACCOUNT));
        QCOMPARE(init.form.value(QStringLiteral("password")), scrambleEncodeString(QLatin1String(PASSWORD)));

        tick(page);
        QCOMPARE(iconImage(alpha->icon(1)), resourceIcon(":/images/icon_rsrc_connected.png"));
        QCOMPARE(alpha->toolTip(0), getString(IDS_MSG_RSRC_STAT_CONNECTED));
        QCOMPARE(alpha->toolTip(1), getString(IDS_MSG_RSRC_STAT_CONNECTED));
        // No current row yet: still the hint.
        QCOMPARE(page.m_plblStatus->text(), getString(489));

        page.slotConfigTrigged(QStringLiteral("alpha"));   // names are compared exactly
        QVERIFY(!page.m_ptrwVarnestors->currentItem());
        page.slotConfigTrigged(QStringLiteral("Alpha"));
        QCOMPARE(page.m_ptrwVarnestors->currentItem(), alpha);
        tick(page);
        QCOMPARE(page.m_pgrpConnect->title(), QStringLiteral("Alpha"));
        QCOMPARE(page.m_pstkwCenter->currentWidget(), static_cast<QWidget *>(page.m_pscrollConnect));
        QCOMPARE(page.m_pactConnect->text(), getString(IDS_BTN_RSRC_DISCONNECT));
        QCOMPARE(page.m_pactConnectPopUp->text(), getString(IDS_BTN_RSRC_DISCONNECT));
    }

    void statusIconsFollowTheClient()
    {
        m_sim->setFault(QStringLiteral("init"), SimRsrcMonService::FaultHang);
        storeProfile(QStringLiteral("Hung"), port(), ACCOUNT, PASSWORD, true);
        storeProfile(QStringLiteral("Idle"), port(), ACCOUNT, PASSWORD, false);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        tick(page);
        QTreeWidgetItem *hung = row(page, QStringLiteral("Hung"));
        QTreeWidgetItem *idle = row(page, QStringLiteral("Idle"));
        QCOMPARE(iconImage(hung->icon(1)), resourceIcon(":/images/icon_rsrc_connecting.png"));
        QCOMPARE(hung->toolTip(0), getString(IDS_WZDMAP_CONNECT));
        QCOMPARE(iconImage(idle->icon(1)), resourceIcon(":/images/icon_rsrc_disconnected.png"));
        QCOMPARE(idle->toolTip(1), getString(IDS_MSG_RSRC_STAT_DISCONNECT));
        // Distinct pictures, so the comparisons above tell the three apart.
        QVERIFY(resourceIcon(":/images/icon_rsrc_connecting.png") != resourceIcon(":/images/icon_rsrc_connected.png"));
        QVERIFY(resourceIcon(":/images/icon_rsrc_connected.png") != resourceIcon(":/images/icon_rsrc_disconnected.png"));

        page.slotConfigTrigged(QStringLiteral("Hung"));
        tick(page);
        QCOMPARE(page.m_pstkwCenter->currentWidget(), page.m_pwdgEmpty);
        QCOMPARE(page.m_plblStatus->text(), getString(IDS_WZDMAP_CONNECT));
        QCOMPARE(page.m_pactConnect->text(), getString(IDS_BTN_MANAGE));
    }

    void promptWithoutStoredPassword()
    {
        // Connect-at-start off, no stored password: prompted anyway; Cancel leaves it alone.
        storeProfile(QStringLiteral("Beta"), port(), ACCOUNT, QString(), false);
        storeProfile(QStringLiteral("Gamma"), port(), ACCOUNT, PASSWORD, false);
        {
            CVorkWindowRsrcMon page;
            m_driver->answers = {QString()};
            page.slotDelayedInit();
            QCOMPARE(m_driver->prompts.size(), 1);
            const ModalDriver::Prompt prompt = m_driver->prompts.first();
            QCOMPARE(prompt.title, QStringLiteral("Beta"));
            QCOMPARE(prompt.label, getString(162));
            QCOMPARE(prompt.echo, QLineEdit::Password);
            QVERIFY(prompt.startText.isEmpty());
            QCOMPARE(prompt.parent, static_cast<QWidget *>(&page));

            CRsrcConnect *beta = page.connection(QStringLiteral("Beta"));
            QVERIFY(beta);
            QCOMPARE(beta->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
            QCOMPARE(page.connection(QStringLiteral("Gamma"))->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
            QCOMPARE(m_sim->requestCount(), 0);
            page.slotConfigTrigged(QStringLiteral("Beta"));
            tick(page);
            QCOMPARE(page.m_plblStatus->text(), QStringLiteral("Not connected."));
        }

        // Accepted: the scrambled password reaches the server and nothing is stored.
        m_driver->start();
        m_driver->answers = {QLatin1String(PASSWORD)};
        {
            CVorkWindowRsrcMon page;
            page.slotDelayedInit();
            QCOMPARE(m_driver->prompts.size(), 1);
            CRsrcConnect *beta = page.connection(QStringLiteral("Beta"));
            QTRY_COMPARE_WITH_TIMEOUT(beta->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));
            const SimRsrcMonService::Request init = m_sim->requests().first();
            QCOMPARE(init.action(), QStringLiteral("init"));
            QCOMPARE(init.form.value(QStringLiteral("password")), scrambleEncodeString(QLatin1String(PASSWORD)));
            QVERIFY(init.form.value(QStringLiteral("password")) != QLatin1String(PASSWORD));
            QVERIFY(!beta->getConfig()->isSaveCred());

            QSettings settings;
            settings.beginGroup(CRsrcConfig::strRsrcRootGroup + QStringLiteral("beta"));
            QVERIFY(!settings.contains(QStringLiteral("Password")));
            QVERIFY(!settings.childKeys().isEmpty());
        }

        // A new start asks again.
        m_driver->start();
        {
            CVorkWindowRsrcMon page;
            page.slotDelayedInit();
            QCOMPARE(m_driver->prompts.size(), 1);
            QCOMPARE(m_driver->prompts.first().title, QStringLiteral("Beta"));
        }
    }

    void promptsComeInTreeOrderOncePerRow()
    {
        storeProfile(QStringLiteral("zeta"), port(), ACCOUNT, QString(), true);
        storeProfile(QStringLiteral("Delta"), port(), ACCOUNT, QString(), false);
        storeProfile(QStringLiteral("Echo"), port(), ACCOUNT, PASSWORD, false);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        QCOMPARE(rowNames(page), QStringList() << "Delta" << "Echo" << "zeta");
        QCOMPARE(m_driver->prompts.size(), 2);
        QCOMPARE(m_driver->prompts.at(0).title, QStringLiteral("Delta"));
        QCOMPARE(m_driver->prompts.at(1).title, QStringLiteral("zeta"));

        // Connect on two selected rows: one prompt, the stored password connects without one.
        m_driver->start();
        page.m_ptrwVarnestors->clearSelection();
        row(page, QStringLiteral("Delta"))->setSelected(true);
        row(page, QStringLiteral("Echo"))->setSelected(true);
        page.m_pactConnect->trigger();
        QCOMPARE(m_driver->prompts.size(), 1);
        QCOMPARE(m_driver->prompts.first().title, QStringLiteral("Delta"));
        QVERIFY(page.connection(QStringLiteral("Echo"))->getStatus() != CRsrcConnect::RSRC_STAT_DISCONNECT);
        QCOMPARE(page.connection(QStringLiteral("Delta"))->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
    }

    void wrongPasswordAndOldServer()
    {
        storeProfile(QStringLiteral("Wrong"), port(), ACCOUNT, QStringLiteral("not it"), true);
        SimRsrcMonService old;
        QVERIFY(old.listen());
        old.setFault(QStringLiteral("init"), SimRsrcMonService::FaultHtml404);
        storeProfile(QStringLiteral("Old"), old.port(), ACCOUNT, PASSWORD, true);

        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        CRsrcConnect *wrong = page.connection(QStringLiteral("Wrong"));
        CRsrcConnect *oldClient = page.connection(QStringLiteral("Old"));
        QTRY_COMPARE_WITH_TIMEOUT(wrong->getStatus(), int(CRsrcConnect::RSRC_STAT_AUTH_FAILED), tsup::guardMs(WAIT_MS));
        QTRY_COMPARE_WITH_TIMEOUT(oldClient->getStatus(), int(CRsrcConnect::RSRC_STAT_VERSION_ERR), tsup::guardMs(WAIT_MS));

        page.slotConfigTrigged(QStringLiteral("Wrong"));
        tick(page);
        QCOMPARE(page.m_plblStatus->text(), getString(60));
        QCOMPARE(page.m_pstkwCenter->currentWidget(), page.m_pwdgEmpty);

        page.slotConfigTrigged(QStringLiteral("Old"));
        tick(page);
        QCOMPARE(page.m_pgrpConnect->title(), QStringLiteral("Old"));
        QCOMPARE(page.m_plblStatus->text(), getString(567).arg(QStringLiteral("2.2")));
        QVERIFY(page.m_plblStatus->text().contains(QStringLiteral("VNO 2.2 or onward")));
        QCOMPARE(iconImage(row(page, QStringLiteral("Old"))->icon(1)),
                 resourceIcon(":/images/icon_rsrc_disconnected.png"));
    }

    void silentUnitIsLostAndStaysLost()
    {
        storeProfile(QStringLiteral("Quiet"), port(), ACCOUNT, PASSWORD, true);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        CRsrcConnect *client = handPolledClient(page, QStringLiteral("Quiet"));
        QVERIFY(client);

        for (const char *action : {"cpuchart", "memget", "netget", "volget"})
            m_sim->setFault(QLatin1String(action), SimRsrcMonService::FaultHang);
        // Ticks of the client until it gives up on the hung requests (bounded).
        for (int i = 0; i < 12 && client->getStatus() == CRsrcConnect::RSRC_STAT_CONNECTED; ++i) {
            pollClient(client);
            QTest::qWait(20);
        }
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));

        page.slotConfigTrigged(QStringLiteral("Quiet"));
        tick(page);
        QTreeWidgetItem *quiet = row(page, QStringLiteral("Quiet"));
        QCOMPARE(quiet->toolTip(0), QStringLiteral("Connection lost."));
        QCOMPARE(quiet->toolTip(1), QStringLiteral("Connection lost."));
        QCOMPARE(iconImage(quiet->icon(1)), resourceIcon(":/images/icon_rsrc_disconnected.png"));
        QCOMPARE(page.m_plblStatus->text(), QStringLiteral("Connection lost."));

        // The unit answers again, but the page does not reconnect by itself.
        m_sim->clearFaults();
        const int before = m_sim->requestCount();
        for (int i = 0; i < 3; ++i) {
            tick(page);
            QTest::qWait(50);
        }
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
        QCOMPARE(m_sim->requestCount(), before);
        QCOMPARE(quiet->toolTip(0), QStringLiteral("Connection lost."));
    }

    void connectActionSwitchesItsSlot()
    {
        storeProfile(QStringLiteral("Sw"), port(), ACCOUNT, PASSWORD, true);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        CRsrcConnect *client = page.connection(QStringLiteral("Sw"));
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));
        QTreeWidgetItem *sw = row(page, QStringLiteral("Sw"));
        page.m_ptrwVarnestors->setCurrentItem(sw);
        sw->setSelected(true);
        tick(page);
        tick(page);
        QCOMPARE(page.m_pactConnect->text(), QStringLiteral("Disconnect"));

        // Disconnect runs alone: were the Connect slot still attached, the row would reconnect.
        const unsigned int changes = client->statusChangeCount();
        page.m_pactConnect->trigger();
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
        QCOMPARE(client->statusChangeCount(), changes + 1);

        tick(page);
        QCOMPARE(page.m_pactConnect->text(), QStringLiteral("Connect"));
        QCOMPARE(page.m_pactConnectPopUp->text(), QStringLiteral("Connect"));
        page.m_pactConnectPopUp->trigger();
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTING));
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));
        tick(page);
        page.m_pactConnectPopUp->trigger();
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
    }

    void removeAsksOnceForAllRows()
    {
        for (const char *name : {"One", "Two", "Three"})
            storeProfile(QLatin1String(name), port(), ACCOUNT, PASSWORD, false);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        QCOMPARE(page.m_ptrwVarnestors->topLevelItemCount(), 3);

        // Nothing selected: nothing asked.
        page.m_pactRemove->trigger();
        QVERIFY(m_driver->boxes.isEmpty());

        page.m_ptrwVarnestors->selectAll();
        m_driver->boxAnswer = QStringLiteral("No");
        page.m_pactRemove->trigger();
        QCOMPARE(m_driver->boxes.size(), 1);
        const ModalDriver::Box box = m_driver->boxes.first();
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.text, getString(484) + QLatin1Char('\n') + getString(40));
        QCOMPARE(box.buttons, QStringList() << "Yes" << "No");
        QCOMPARE(box.defaultButton, QStringLiteral("Yes"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QVERIFY(!box.parent);
        QCOMPARE(page.m_ptrwVarnestors->topLevelItemCount(), 3);
        QCOMPARE(CRsrcConfig::getProfileList(CRsrcConfig::strRsrcRootGroup).size(), 3);

        QPointer<CRsrcConnect> two = page.connection(QStringLiteral("Two"));
        m_driver->start();
        m_driver->boxAnswer = QStringLiteral("Yes");
        page.m_pactRemovePopUp->trigger();
        QCOMPARE(m_driver->boxes.size(), 1);
        QCOMPARE(page.m_ptrwVarnestors->topLevelItemCount(), 0);
        QVERIFY(CRsrcConfig::getChildGroups(CRsrcConfig::strRsrcRootGroup).isEmpty());
        QVERIFY(!page.connection(QStringLiteral("Two")));
        QVERIFY(two.isNull());
    }

    void removeWithoutClientTouchesOnlyItsGroup()
    {
        storeProfile(QStringLiteral("Keep"), port(), ACCOUNT, PASSWORD, false);
        // A stored group without a display name, which no row shows.
        {
            QSettings settings;
            settings.setValue(CRsrcConfig::strRsrcRootGroup + QStringLiteral("ghost/HostAddr"),
                              QStringLiteral("127.0.0.1"));
        }
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        QCOMPARE(rowNames(page), QStringList() << "Keep");

        page.slotConfigRemoved(QStringLiteral("ghost"));
        page.slotConfigRemoved(QStringLiteral("never stored"));
        page.slotConfigRemoved(QString());
        QCOMPARE(CRsrcConfig::getChildGroups(CRsrcConfig::strRsrcRootGroup), QStringList() << "keep");
        QCOMPARE(rowNames(page), QStringList() << "Keep");
        QVERIFY(page.connection(QStringLiteral("Keep")));

        // Removal by name finds the row itself.
        page.slotConfigRemoved(QStringLiteral("Keep"));
        QVERIFY(rowNames(page).isEmpty());
        QVERIFY(CRsrcConfig::getChildGroups(CRsrcConfig::strRsrcRootGroup).isEmpty());
    }

    void editAndAddSignals()
    {
        for (const char *name : {"Anna", "Bert", "Carl"})
            storeProfile(QLatin1String(name), port(), ACCOUNT, PASSWORD, false);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        QSignalSpy edit(&page, &CVorkWindowRsrcMon::signalRsrcEdit);
        QSignalSpy add(&page, &CVorkWindowRsrcMon::signalRsrcAdd);
        QSignalSpy about(&page, &CVorkWindowRsrcMon::signalAboutTriggered);
        QSignalSpy pref(&page, &CVorkWindowRsrcMon::signalPrefTriggered);

        page.m_pactEdit->trigger();
        QCOMPARE(edit.count(), 0);

        row(page, QStringLiteral("Carl"))->setSelected(true);
        row(page, QStringLiteral("Anna"))->setSelected(true);
        page.m_pactEdit->trigger();
        page.m_pactEditPopUp->trigger();
        QCOMPARE(edit.count(), 2);
        QCOMPARE(edit.at(0).at(0).toString(), QStringLiteral("Carl"));
        QCOMPARE(edit.at(1).at(0).toString(), QStringLiteral("Carl"));

        page.m_pactAdd->trigger();
        page.m_pactAddPopUp->trigger();
        QCOMPARE(add.count(), 2);
        QVERIFY(add.at(0).at(0).toString().isEmpty());

        page.m_pactAbout->trigger();
        page.m_pactPreferences->trigger();
        QCOMPARE(about.count(), 1);
        QCOMPARE(pref.count(), 1);
    }

    void contextMenuEntries()
    {
        storeProfile(QStringLiteral("Live"), port(), ACCOUNT, PASSWORD, true);
        storeProfile(QStringLiteral("Off"), port(), ACCOUNT, PASSWORD, false);
        CVorkWindowRsrcMon page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        page.slotDelayedInit();
        QTRY_COMPARE_WITH_TIMEOUT(page.connection(QStringLiteral("Live"))->getStatus(),
                                  int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));

        QTreeWidget *tree = page.m_ptrwVarnestors;
        const QPoint empty(10, tree->viewport()->height() - 5);
        QVERIFY(!tree->itemAt(empty));
        emit tree->customContextMenuRequested(empty);
        const QPoint live = tree->visualItemRect(row(page, QStringLiteral("Live"))).center();
        emit tree->customContextMenuRequested(live);
        const QPoint off = tree->visualItemRect(row(page, QStringLiteral("Off"))).center();
        emit tree->customContextMenuRequested(off);

        QCOMPARE(m_driver->menus.size(), 3);
        QCOMPARE(m_driver->menus.at(0), QStringList() << "Add");
        QCOMPARE(m_driver->menus.at(1), QStringList() << "Add" << "Remove" << "Edit" << "Disconnect");
        QCOMPARE(m_driver->menus.at(2), QStringList() << "Add" << "Remove" << "Edit" << "Connect");

        // The entry does what it reads: "Disconnect" on the live row disconnects it.
        emit tree->customContextMenuRequested(live);
        tree->clearSelection();
        row(page, QStringLiteral("Live"))->setSelected(true);
        page.m_pactConnectPopUp->trigger();
        QCOMPARE(page.connection(QStringLiteral("Live"))->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
    }

    void replacedAndReloadedClientsStop()
    {
        storeProfile(QStringLiteral("Same"), port(), ACCOUNT, PASSWORD, true);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        QPointer<CRsrcConnect> first = page.connection(QStringLiteral("Same"));
        QVERIFY(first);

        CRsrcConfig *again = new CRsrcConfig;
        again->load(QStringLiteral("Same"), CRsrcConfig::strRsrcRootGroup);
        page.slotConfigAdded(again);
        QVERIFY(first.isNull());
        QPointer<CRsrcConnect> second = page.connection(QStringLiteral("Same"));
        QVERIFY(second);
        QCOMPARE(second->getConfig(), again);

        page.slotConfigChanged();
        QVERIFY(second.isNull());
        QCOMPARE(rowNames(page), QStringList() << "Same");
        QCOMPARE(page.findChildren<CRsrcConnect *>().size(), 1);
    }

    void languageChangeKeepsConnectTruthful()
    {
        storeProfile(QStringLiteral("Lang"), port(), ACCOUNT, PASSWORD, true);
        CVorkWindowRsrcMon page;
        page.slotDelayedInit();
        CRsrcConnect *client = page.connection(QStringLiteral("Lang"));
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));
        page.slotConfigTrigged(QStringLiteral("Lang"));
        row(page, QStringLiteral("Lang"))->setSelected(true);
        tick(page);
        page.m_plblStatus->setText(QStringLiteral("x"));

        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&page, &change);
        QCOMPARE(page.m_plblStatus->text(), getString(489));
        QCOMPARE(page.m_ptrwVarnestors->headerItem()->text(0), getString(549));
        QCOMPARE(page.m_pactConnect->text(), QStringLiteral("Disconnect"));
        page.m_pactConnect->trigger();
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
    }
};

RSRC_PAGE_TEST_MAIN(TestRsrcPageHosts)
#include "tst_rsrcpage_hosts.moc"
