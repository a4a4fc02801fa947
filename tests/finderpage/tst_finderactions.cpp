// The finder page's form, actions, selection rules, menus and shortcuts: every request signal
// and its keys per server state, the action states after a paint, the context menus and the
// toolbar shortcuts, driven by mouse and key events where the user would use them.
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "CQuenWOL.h"
#include "CVorkFinderDelegate.h"
#include "CVorkHelpBrowser.h"
#include "CVorkToolBars.h"
#include "CWOLConfig.h"
#include "finderpagetest.h"
#include "HangGuard.h"

using namespace fpt;

namespace {

const char *const MAC_T = "00:11:32:00:02:01"; // the server under test
const char *const MAC_P = "00:11:32:00:02:02"; // a second row

typedef QList<QString> Keys;

void setMemTestFlag(bool on)
{
    QSettings settings;
    settings.setValue(QStringLiteral("Finder/MemTest"), on);
    settings.sync();
}

// A page shown with the given records listed in its sorted view, as after a search.
struct Page {
    CVorkNasinfoMap map;
    CVorkFinderWindow page{nullptr, &map};
    bool visible = false;

    explicit Page(const QList<NASINFO> &records, bool show = true)
    {
        for (const NASINFO &n : records)
            map.insert(new NASINFO(n), true);
        if (show) {
            page.resize(900, 400);
            page.show();
            visible = QTest::qWaitForWindowExposed(&page, tsup::guardMs());
        }
        page.slotRefreshTrigged(); // the first search keeps the rows
        finishSearch(page);
    }
    bool select(const char *mac) { return selectKey(page, QString::fromLatin1(mac)); }
    void paint() { page.m_ptableviewFinder->viewport()->repaint(); }
    QRect cellRect(const char *mac, int column)
    {
        QTableView *view = page.m_ptableviewFinder;
        return view->visualRect(view->model()->index(viewRowOf(page, QString::fromLatin1(mac)), column));
    }
};

NASINFO server(const char *mac, uint32_t state, uint32_t webInstall = 0, uint32_t build = 1869)
{
    NASINFO n = answer(mac, "Unit", state);
    n.ulWebInstall = webInstall;
    n.ulBuild = build;
    return n;
}

// Spies on every request signal; `emitted()` lists the ones that fired.
struct Requests {
    explicit Requests(CVorkFinderWindow *page)
        : openWebUI(page, SIGNAL(signalMangerOpenWebUI(QList<CVorkNasinfoMap::TKey>))),
          netInstall(page, SIGNAL(signalMangerDoNetInstall(QList<CVorkNasinfoMap::TKey>))),
          quickConf(page, SIGNAL(signalMangerDoQuickConf(QList<CVorkNasinfoMap::TKey>))),
          netSetting(page, SIGNAL(signalMangerDoNetSetting(CVorkNasinfoMap::TKey))),
          cancelFsck(page, SIGNAL(signalMangerCancelFSCK(CVorkNasinfoMap::TKey))),
          recover(page, SIGNAL(signalManagerDoRecover(CVorkNasinfoMap::TKey))),
          memTest(page, SIGNAL(signalMemTest(CVorkNasinfoMap::TKey))),
          setUpWOL(page, SIGNAL(signalSetUpWOL(QList<CVorkNasinfoMap::TKey>))),
          wakeUp(page, SIGNAL(signalWakeUp(QList<CVorkNasinfoMap::TKey>))),
          removeWOL(page, SIGNAL(signalRemoveWOL(QList<CVorkNasinfoMap::TKey>))),
          popupInstall(page, SIGNAL(signalPopupInstallDlgTriggered(QString))),
          about(page, SIGNAL(signalAboutTriggered())),
          pref(page, SIGNAL(signalPrefTriggered()))
    {
    }
    bool valid() const
    {
        for (const QSignalSpy *s : all())
            if (!s->isValid())
                return false;
        return true;
    }
    QList<const QSignalSpy *> all() const
    {
        return {&openWebUI, &netInstall, &quickConf, &netSetting, &cancelFsck, &recover, &memTest,
                &setUpWOL, &wakeUp, &removeWOL, &popupInstall, &about, &pref};
    }
    // "name(payload)" of every emission, in spy order.
    QStringList emitted() const
    {
        static const char *const names[] = {"openWebUI", "netInstall", "quickConf", "netSetting",
                                            "cancelFsck", "recover", "memTest", "setUpWOL",
                                            "wakeUp", "removeWOL", "popupInstall", "about", "pref"};
        QStringList out;
        const QList<const QSignalSpy *> spies = all();
        for (int i = 0; i < spies.size(); ++i) {
            for (const QList<QVariant> &args : *spies[i]) {
                QString payload;
                if (!args.isEmpty()) {
                    const QVariant &v = args.first();
                    payload = v.canConvert<QString>() && v.userType() != qMetaTypeId<QList<QString>>()
                                  ? v.toString()
                                  : QStringLiteral("[%1]").arg(v.value<QList<QString>>().join(','));
                }
                out << QStringLiteral("%1(%2)").arg(QLatin1String(names[i]), payload);
            }
        }
        return out;
    }
    QSignalSpy openWebUI, netInstall, quickConf, netSetting, cancelFsck, recover, memTest, setUpWOL,
        wakeUp, removeWOL, popupInstall, about, pref;
};

// Runs `trigger` (which opens a context menu) and returns the menu's entries as text:
// "Title" for an action, "Title{Sub,...}" for a submenu, "-" for hidden entries left out.
QStringList menuEntries(const std::function<void()> &trigger, bool *submenuHasIcon = nullptr)
{
    QStringList entries;
    bool seen = false;
    QTimer poll;
    int polls = 0;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (++polls > 500) {
            poll.stop();
            return;
        }
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        seen = true;
        for (QAction *a : menu->actions()) {
            if (!a->isVisible())
                continue;
            if (QMenu *sub = a->menu()) {
                QStringList inner;
                for (QAction *s : sub->actions())
                    inner << s->text();
                entries << QStringLiteral("%1{%2}").arg(a->text(), inner.join(','));
                if (submenuHasIcon)
                    *submenuHasIcon = !sub->icon().isNull();
            } else {
                entries << a->text();
            }
        }
        poll.stop();
        menu->close();
    });
    poll.start();
    trigger();
    poll.stop();
    if (!seen)
        entries << QStringLiteral("<no menu>");
    return entries;
}

void invoke(CVorkFinderWindow &page, const char *slot)
{
    QVERIFY(QMetaObject::invokeMethod(&page, slot, Qt::DirectConnection));
}

} // namespace

class TestFinderActions : public QObject
{
    Q_OBJECT

private slots:
    void init() { setMemTestFlag(false); }

    void formAsDesigned();
    void actionsAsDesigned();
    void connectByState_data();
    void connectByState();
    void offLineServerAsksFirst();
    void cancelByDoubleClickAndReturn();
    void actionStateAfterPaint_data();
    void actionStateAfterPaint();
    void actionStateFollowsCurrentRow();
    void wakeOnLanActionStates();
    void memoryTest();
    void installEntryAndWakeOnLanCommands();
    void checkProgressLink();
    void contextMenus();
    void toolbarShortcutsFireOnce();
    void aboutPreferencesHelp();
};

void TestFinderActions::formAsDesigned()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    QCOMPARE(page.objectName(), QStringLiteral("CVorkFinderWindow"));
    QCOMPARE(page.windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(page.size(), QSize(652, 419));
    QCOMPARE(page.tabShape(), QTabWidget::Triangular);
    QCOMPARE(page.styleSheet(), QStringLiteral("QToolBar{color:white}"));
    QCOMPARE(page.centralWidget()->objectName(), QStringLiteral("centralwidget"));
    QCOMPARE(page.centralWidget()->styleSheet(),
             QStringLiteral("QWidget{color: black; padding: 0px; background-color: rgb(235, 243, 250);}"));
    QCOMPARE(page.verticalLayout->spacing(), 0);
    QCOMPARE(page.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));

    QTableView *view = page.m_ptableviewFinder;
    QVERIFY(qobject_cast<CFinderTableView *>(view));
    QCOMPARE(view->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(view->autoFillBackground());
    QCOMPARE(view->frameShape(), QFrame::NoFrame);
    QCOMPARE(view->autoScrollMargin(), 16);
    QVERIFY(view->dragEnabled());
    QVERIFY(!view->showDropIndicator());
    QVERIFY(view->alternatingRowColors());
    QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!view->showGrid());
    QVERIFY(view->isSortingEnabled());
    QVERIFY(!view->horizontalHeader()->highlightSections());
    QCOMPARE(view->horizontalHeader()->minimumSectionSize(), 30);
    QVERIFY(view->verticalHeader()->isHidden());
    QVERIFY(view->horizontalHeader()->defaultAlignment() & Qt::AlignLeft);
    QCOMPARE(view->styleSheet(),
             QStringLiteral("QTableView{color: black;  font: 12 px;  background-color: white; }\n"
                            "QTableView::item{  font: 12px; }\n"
                            "QTableView::item:selected { color: black;  background: rgb(230, 240, 250);}\n"
                            "QTableView::scroller {}\n"
                            "QHeaderView::section { color: rgb(121, 124, 140);  font: 12px;  }\n\n"));
    QCOMPARE(view->itemDelegate(), page.findChild<CVorkFinderDelegate *>());

    QCOMPARE(page.line->frameShadow(), QFrame::Plain);
    QCOMPARE(page.line->styleSheet(),
             QStringLiteral("color: rgb(122, 171, 204); margin: 0px; padding: 0px; background-color: white;"));

    // Bottom row: spacer, bar, spacer, label, spacer.
    QHBoxLayout *row = page.horizontalLayout;
    QCOMPARE(row->count(), 5);
    QVERIFY(row->itemAt(0)->spacerItem());
    QCOMPARE(row->itemAt(1)->widget(), page.m_ppgrbarRefresh);
    QVERIFY(row->itemAt(2)->spacerItem());
    QCOMPARE(row->itemAt(3)->widget(), page.m_pnasNumLabel);
    QVERIFY(row->itemAt(4)->spacerItem());
    QCOMPARE(page.m_ppgrbarRefresh->maximumHeight(), 18);
    QCOMPARE(page.m_ppgrbarRefresh->alignment(), Qt::AlignCenter);
    QCOMPARE(page.m_ppgrbarRefresh->styleSheet(),
             QStringLiteral("QProgressBar { font: 9pt; \n\tcolor: rgb(0, 0, 0);  background-color: rgb(122, 171, 204);\n}\n\n\n\n"));
    QCOMPARE(page.m_ppgrbarRefresh->minimum(), 0);
    QCOMPARE(page.m_ppgrbarRefresh->maximum(), 20);
    QCOMPARE(page.m_ppgrbarRefresh->value(), 0);
    QVERIFY(page.m_ppgrbarRefresh->isHidden());
    QCOMPARE(page.m_pnasNumLabel->textFormat(), Qt::RichText);
    QVERIFY(page.m_pnasNumLabel->alignment() & Qt::AlignRight);
    QVERIFY(page.m_pnasNumLabel->alignment() & Qt::AlignVCenter);
    QCOMPARE(page.m_pnasNumLabel->styleSheet(), QStringLiteral("color: black;"));
    QCOMPARE(page.m_pnasNumLabel->text(), QStringLiteral("Total %1 Quenlori Server(s) found."));
    QVERIFY(page.m_pnasNumLabel->isHidden());

    QVERIFY(qobject_cast<CFinderToolBar *>(page.toolBar));
    QCOMPARE(page.toolBar->windowTitle(), QStringLiteral("toolBar"));
    QCOMPARE(page.toolBar->font().pointSize(), 8);
    QVERIFY(!page.toolBar->isMovable());
    QVERIFY(!page.toolBar->isFloatable());
    QCOMPARE(page.toolBar->allowedAreas(), Qt::TopToolBarArea);
    QCOMPARE(page.toolBarArea(page.toolBar), Qt::TopToolBarArea);
    QCOMPARE(page.toolBar->iconSize(), QSize(21, 21));
    QCOMPARE(page.toolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(page.toolBar->styleSheet(),
             QStringLiteral("QToolBar{ background-color: rgb(0, 51, 102);  background-image: url(:/images/main_up_sub_bg.png); }\n\n"
                            "QToolButton{color:  rgb(0, 51, 102);}\nQToolButton:disabled{color: light gray; }\n"
                            "QToolButton:hover{ color: rgb(0, 51, 102);}\n"));
    QCOMPARE(page.toolBar->actions(),
             QList<QAction *>({page.m_pactRefresh, page.m_pactManager, page.m_pactWOL, page.m_pactMemTest}));

    QVERIFY(qobject_cast<CPreAboutToolBar *>(page.toolBar_2));
    QCOMPARE(page.toolBar_2->windowTitle(), QStringLiteral("toolBar_2"));
    QVERIFY(!page.toolBar_2->isMovable());
    QVERIFY(!page.toolBar_2->isFloatable());
    QCOMPARE(page.toolBar_2->allowedAreas(), Qt::TopToolBarArea);
    QCOMPARE(page.toolBarArea(page.toolBar_2), Qt::TopToolBarArea);
    QCOMPARE(page.toolBar_2->iconSize(), QSize(21, 21));
    QCOMPARE(page.toolBar_2->styleSheet(),
             QStringLiteral("QToolBar{ font: 8pt; color: rgb(255, 255, 255); background-image: url(:/images/main_up_sub_bg.png);} \n\n"
                            "QToolButton{color:  rgb(0, 51, 102);  }\nQToolButton:hover{ }\n"));
    QCOMPARE(page.toolBar_2->actions(),
             QList<QAction *>({page.m_pactAbout, page.m_pactHelp, page.m_pactPreferences}));
}

void TestFinderActions::actionsAsDesigned()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    struct Expected {
        QAction *action;
        const char *text;
        const char *toolTip; // null: the text (no tool tip of its own)
        const char *shortcut;
        const char *icon;
    };
    const Expected expected[] = {
        {page.m_pactRefresh, "Search", nullptr, "Ctrl+S", ":/images/icon_search.png_enabled.png"},
        {page.m_pactManager, "Connect", nullptr, "Ctrl+C", ":/images/icon_connect_enabled.png"},
        {page.m_pactWOL, "Set Up WOL", nullptr, "Ctrl+E", ":/images/icon_WOL_enabled.png"},
        {page.m_pactMemTest, "Memory Test", nullptr, "Ctrl+T", ":/images/icon_mem_test_enabled.png"},
        {page.m_pactAbout, "&About", "About", "", ":/images/main_about.png"},
        {page.m_pactHelp, "&Help", "Help", "", ":/images/main_help.png"},
        {page.m_pactPreferences, "&Preference", "Preferences", "", ":/images/main_preference.png"},
        {page.m_pactRefreshPopUp, "Search", "Refresh (Ctrl+S)", "Ctrl+S", ":/images/icon_search_dark.png"},
        {page.m_pactManagerPopUp, "Connect", "Connect (Ctrl+C)", "Ctrl+C", ":/images/icon_connect_dark.png"},
        {page.m_pactNetInstPopUp, "Install", "Install", "", nullptr},
        {page.m_pactMemTestPopUp, "Memory Test", nullptr, "Ctrl+T", ":/images/icon_mem_test_dark.png"},
        {page.m_pactWOLWakeUpPopUp, "Wake Up", "Wake Up (Ctrl+W)", "Ctrl+W", nullptr},
        {page.m_pactWOLSetUpPopUp, "Set Up", "Set Up (Ctrl+E)", "Ctrl+E", nullptr},
        {page.m_pactWOLRemovePopUp, "Remove", "Remove (Ctrl+M)", "Ctrl+M", nullptr},
    };
    for (const Expected &e : expected) {
        const QString name = e.action->objectName();
        QCOMPARE(e.action->parent(), &page);
        QVERIFY2(e.action->text() == QLatin1String(e.text), qPrintable(name + ": " + e.action->text()));
        const QString tip = e.toolTip ? QString::fromLatin1(e.toolTip) : e.action->text().remove('&');
        QVERIFY2(e.action->toolTip() == tip, qPrintable(name + ": " + e.action->toolTip()));
        QVERIFY2(e.action->shortcut() == QKeySequence(QString::fromLatin1(e.shortcut)), qPrintable(name));
        if (e.icon) {
            QVERIFY2(QFile::exists(QLatin1String(e.icon)), e.icon);
            QVERIFY2(!e.action->icon().isNull(), qPrintable(name));
            QVERIFY2(!e.action->icon().pixmap(21, 21).isNull(), qPrintable(name));
        } else {
            QVERIFY2(e.action->icon().isNull(), qPrintable(name));
        }
    }
    QCOMPARE(page.m_pactRefresh->shortcutContext(), Qt::ApplicationShortcut);
    QCOMPARE(page.m_pactRefreshPopUp->shortcutContext(), Qt::ApplicationShortcut);
    QVERIFY(page.m_pactRefresh->isEnabled());
    QVERIFY(page.m_pactWOL->isEnabled());
    QVERIFY(!page.m_pactMemTest->isVisible());
    QFile wolIcon(QStringLiteral(":/images/icon_WOL_dark.png"));
    QVERIFY(wolIcon.exists());

    // The Memory Test button follows "Finder/MemTest", read at construction and on request.
    setMemTestFlag(true);
    {
        CVorkNasinfoMap map2;
        CVorkFinderWindow withFlag(nullptr, &map2);
        QVERIFY(withFlag.m_pactMemTest->isVisible());
    }
    page.slotUpdateActions();
    QVERIFY(page.m_pactMemTest->isVisible());
    setMemTestFlag(false);
    page.slotUpdateActions();
    QVERIFY(!page.m_pactMemTest->isVisible());
}

void TestFinderActions::connectByState_data()
{
    QTest::addColumn<uint>("state");
    QTest::addColumn<uint>("webInstall");
    QTest::addColumn<uint>("build");
    QTest::addColumn<QString>("expected");
    const QString key = QString::fromLatin1(MAC_T);
    const QString list = QStringLiteral("[%1]").arg(key);
    QTest::newRow("2 not installed") << 2u << 0u << 1869u << "netInstall(" + list + ")";
    QTest::newRow("2 web-installable") << 2u << 1u << 1869u << "openWebUI(" + list + ")";
    QTest::newRow("4 configuration lost") << 4u << 0u << 1869u << "netInstall(" + list + ")";
    QTest::newRow("4 web-installable") << 4u << 1u << 1869u << "openWebUI(" + list + ")";
    QTest::newRow("14 migratable") << 14u << 0u << 3000u << "netInstall(" + list + ")";
    QTest::newRow("14 web 2621") << 14u << 1u << 2621u << "netInstall(" + list + ")";
    QTest::newRow("14 web 2622") << 14u << 1u << 2622u << "openWebUI(" + list + ")";
    QTest::newRow("0 not configured") << 0u << 0u << 1869u << "quickConf(" + list + ")";
    QTest::newRow("8 connection failed") << 8u << 0u << 1869u << "netSetting(" + key + ")";
    QTest::newRow("1 ready") << 1u << 0u << 1869u << "openWebUI(" + list + ")";
    QTest::newRow("1 ready web flag") << 1u << 1u << 1869u << "openWebUI(" + list + ")";
    QTest::newRow("6 file-system check") << 6u << 0u << 1869u << "cancelFsck(" + key + ")";
    QTest::newRow("11 recoverable") << 11u << 0u << 1869u << "recover(" + key + ")";
    for (uint s : {3u, 5u, 7u, 9u, 10u, 13u, 15u, 200u})
        QTest::newRow(qPrintable(QStringLiteral("%1 nothing").arg(s))) << s << 1u << 3000u << QString();
}

void TestFinderActions::connectByState()
{
    QFETCH(uint, state);
    QFETCH(uint, webInstall);
    QFETCH(uint, build);
    QFETCH(QString, expected);
    Page p({server(MAC_T, state, webInstall, build), server(MAC_P, FHOSTQC_FALSE)}, false);
    Requests requests(&p.page);
    QVERIFY(requests.valid());
    QVERIFY(p.select(MAC_T));
    tsup::LogCapture log;
    invoke(p.page, "slotManagerTrigged");
    QCOMPARE(requests.emitted(), expected.isEmpty() ? QStringList() : QStringList(expected));
    // The branch taken is logged with its list's size.
    if (!expected.isEmpty()) {
        const QStringList lines = log.matching(QStringLiteral("src/Findhost/CVorkFinderWindow:"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains(QLatin1String("=[1]")), qPrintable(lines[0]));
    }
}

void TestFinderActions::offLineServerAsksFirst()
{
    Page p({server(MAC_T, FHOSTQC_OFF_LINE)});
    Requests requests(&p.page);
    QVERIFY(p.select(MAC_T));
    BoxWatcher watcher;

    // A double click asks although the Connect button is disabled for this state.
    p.paint();
    QVERIFY(!p.page.m_pactManager->isEnabled());
    watcher.start(QStringLiteral("No"));
    QTest::mouseDClick(p.page.m_ptableviewFinder->viewport(), Qt::LeftButton, Qt::NoModifier,
                       p.cellRect(MAC_T, 0).center());
    watcher.stop();
    QCOMPARE(watcher.boxes.size(), 1);
    QCOMPARE(watcher.boxes[0].title, QStringLiteral("Information"));
    QCOMPARE(watcher.boxes[0].text, QStringLiteral("Wake up the server ?"));
    QCOMPARE(watcher.boxes[0].icon, QMessageBox::NoIcon);
    QCOMPARE(watcher.boxes[0].buttons, QStringList({"Yes", "No"}));
    QCOMPARE(requests.emitted(), QStringList());

    watcher.start(QStringLiteral("Yes"));
    QTest::keyClick(p.page.m_ptableviewFinder, Qt::Key_Return);
    watcher.stop();
    QCOMPARE(watcher.boxes.size(), 1);
    QCOMPARE(requests.emitted(), QStringList({QStringLiteral("wakeUp([%1])").arg(MAC_T)}));
}

void TestFinderActions::cancelByDoubleClickAndReturn()
{
    Page p({server(MAC_T, FHOSTQC_QUOTA_CHECKING), server(MAC_P, FHOSTQC_UNINSTALL)});
    Requests requests(&p.page);
    QVERIFY(p.select(MAC_T));
    p.paint();
    QVERIFY(!p.page.m_pactManager->isEnabled());
    const QString cancel = QStringLiteral("cancelFsck(%1)").arg(MAC_T);

    QTest::mouseDClick(p.page.m_ptableviewFinder->viewport(), Qt::LeftButton, Qt::NoModifier,
                       p.cellRect(MAC_T, 1).center());
    QCOMPARE(requests.emitted(), QStringList({cancel}));
    QTest::keyClick(p.page.m_ptableviewFinder, Qt::Key_Return);
    QTest::keyClick(p.page.m_ptableviewFinder, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(requests.emitted(), QStringList({cancel, cancel, cancel}));
    // The keys are consumed: the view does not move on.
    QCOMPARE(CVorkNasinfoModel::keyOf(p.page.m_ptableviewFinder->currentIndex()), QString(MAC_T));
    // Other keys still reach the view.
    QTest::keyClick(p.page.m_ptableviewFinder, Qt::Key_Down);
    QVERIFY(CVorkNasinfoModel::keyOf(p.page.m_ptableviewFinder->currentIndex()) != QString(MAC_T));
}

void TestFinderActions::actionStateAfterPaint_data()
{
    QTest::addColumn<uint>("state");
    QTest::addColumn<uint>("webInstall");
    QTest::addColumn<uint>("build");
    QTest::addColumn<qulonglong>("support");
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("install");
    const qulonglong skip = 1ull << 8;
    const QString unchanged = QStringLiteral("Recover System"); // the text of the row before
    QTest::newRow("2 web") << 2u << 1u << 1869u << 0ull << 0ull << "Connect" << true << true;
    QTest::newRow("2") << 2u << 0u << 1869u << 0ull << 0ull << "Install" << true << false;
    QTest::newRow("4 web") << 4u << 1u << 1869u << 0ull << 0ull << "Connect" << true << true;
    QTest::newRow("4") << 4u << 0u << 1869u << 0ull << 0ull << "Install" << true << false;
    QTest::newRow("14 web 2621") << 14u << 1u << 2621u << 0ull << 0ull << "Install" << true << false;
    QTest::newRow("14 web 2622") << 14u << 1u << 2622u << 0ull << 0ull << "Connect" << true << true;
    QTest::newRow("0") << 0u << 0u << 1869u << 0ull << 0ull << "Setup" << true << false;
    QTest::newRow("8") << 8u << 0u << 1869u << 0ull << 0ull << "Setup" << true << false;
    QTest::newRow("1") << 1u << 0u << 1869u << 0ull << 0ull << "Connect" << true << false;
    QTest::newRow("6 skip in both") << 6u << 0u << 1869u << skip << skip << "Cancel" << true << false;
    QTest::newRow("6 skip in support only") << 6u << 0u << 1869u << skip << 0ull << unchanged << false << false;
    QTest::newRow("6 skip in mask only") << 6u << 0u << 1869u << 0ull << skip << unchanged << false << false;
    for (uint s : {3u, 5u, 7u, 9u, 10u, 12u, 13u, 15u})
        QTest::newRow(qPrintable(QString::number(s))) << s << 1u << 3000u << skip << skip << unchanged << false << false;
}

void TestFinderActions::actionStateAfterPaint()
{
    QFETCH(uint, state);
    QFETCH(uint, webInstall);
    QFETCH(uint, build);
    QFETCH(qulonglong, support);
    QFETCH(qulonglong, mask);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(bool, install);
    NASINFO n = server(MAC_T, state, webInstall, build);
    n.ullbmapSupport1 = support;
    n.ullbmapMask1 = mask;
    Page p({n, server(MAC_P, FHOSTQC_SYS_RECOVERABLE)});
    QVERIFY(p.select(MAC_P));
    p.paint();
    QCOMPARE(p.page.m_pactManager->text(), QStringLiteral("Recover System"));
    QVERIFY(p.select(MAC_T));
    p.paint();
    QCOMPARE(p.page.m_pactManager->text(), text);
    QCOMPARE(p.page.m_pactManagerPopUp->text(), text);
    QCOMPARE(p.page.m_pactManager->isEnabled(), enabled);
    QCOMPARE(p.page.m_pactManagerPopUp->isEnabled(), enabled);
    QCOMPARE(p.page.m_pactNetInstPopUp->isVisible(), install);
    if (install)
        QCOMPARE(p.page.m_pactNetInstPopUp->text(), QStringLiteral("Install"));
    // The toolbar button shows it.
    auto *button = qobject_cast<QToolButton *>(p.page.toolBar->widgetForAction(p.page.m_pactManager));
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->isEnabled(), enabled);
}

void TestFinderActions::actionStateFollowsCurrentRow()
{
    Page p({server(MAC_T, FHOSTQC_FALSE), server(MAC_P, FHOSTQC_SYS_RECOVERABLE)});
    // A click makes the row current; the actions follow within 300 ms, without a paint.
    QTest::mouseClick(p.page.m_ptableviewFinder->viewport(), Qt::LeftButton, Qt::NoModifier,
                      p.cellRect(MAC_P, 0).center());
    QTRY_COMPARE_WITH_TIMEOUT(p.page.m_pactManager->text(), QStringLiteral("Recover System"), tsup::guardMs(5000));
    QTest::keyClick(p.page.m_ptableviewFinder, viewRowOf(p.page, MAC_T) < viewRowOf(p.page, MAC_P)
                                                   ? Qt::Key_Up
                                                   : Qt::Key_Down);
    QTRY_COMPARE_WITH_TIMEOUT(p.page.m_pactManager->text(), QStringLiteral("Setup"), tsup::guardMs(5000));
}

void TestFinderActions::wakeOnLanActionStates()
{
    const char *const MAC_R = "00:11:32:00:02:03"; // Ready, registered
    const char *const MAC_S = "00:11:32:00:02:04"; // Ready, offers Wake-on-LAN
    const char *const MAC_O = "00:11:32:00:02:05"; // off-line
    CQuenWOL wol(nullptr, nullptr);
    CWOLConfig config;
    config.setMacAddress(QString::fromLatin1(MAC_R));
    wol.slotAddSvr2WOL(config);

    NASINFO supports = server(MAC_S, FHOSTQC_DONE);
    supports.ulWOLSupport = 1;
    NASINFO memTest = server(MAC_T, FHOSTQC_DONE, 0, 1000);
    Page p({memTest, server(MAC_R, FHOSTQC_DONE, 0, 3000), supports, server(MAC_O, FHOSTQC_OFF_LINE),
            server(MAC_P, FHOSTQC_UNINSTALL)},
           false);
    p.page.setWOL(&wol);
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page, tsup::guardMs()));

    struct Row {
        const char *mac;
        bool setUp, remove, wake, memTest;
    };
    const Row rows[] = {
        {MAC_T, false, false, false, true}, // Ready, build 1000: memory test offered
        {MAC_R, true, true, false, false},   // registered
        {MAC_S, true, false, false, false},  // offers Wake-on-LAN, not registered
        {MAC_O, true, true, true, false},    // off-line
        {MAC_P, false, false, false, false}, // not installed
    };
    for (const Row &r : rows) {
        QVERIFY(p.select(r.mac));
        p.paint();
        const QByteArray where(r.mac);
        QVERIFY2(p.page.m_pactWOL->isEnabled() == r.setUp, where);
        QVERIFY2(p.page.m_pactWOLSetUpPopUp->isEnabled() == r.setUp, where);
        QVERIFY2(p.page.m_pactWOLRemovePopUp->isEnabled() == r.remove, where);
        QVERIFY2(p.page.m_pactWOLWakeUpPopUp->isEnabled() == r.wake, where);
        QVERIFY2(p.page.m_pactMemTestPopUp->isEnabled() == r.memTest, where);
    }
    // Nothing selected: nothing offered.
    p.page.m_ptableviewFinder->clearSelection();
    p.paint();
    QVERIFY(!p.page.m_pactWOL->isEnabled());
    QVERIFY(!p.page.m_pactManager->isEnabled());
}

void TestFinderActions::memoryTest()
{
    Page p({server(MAC_T, FHOSTQC_DONE, 0, 908), server(MAC_P, FHOSTQC_DONE, 0, 909)}, false);
    Requests requests(&p.page);
    BoxWatcher watcher;
    QVERIFY(p.select(MAC_T));
    watcher.start();
    invoke(p.page, "slotMemTestTrigged");
    watcher.stop();
    QCOMPARE(watcher.boxes.size(), 1);
    QCOMPARE(watcher.boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(watcher.boxes[0].text, QStringLiteral("This function is not supported by the connected device."));
    QCOMPARE(watcher.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(watcher.boxes[0].buttons, QStringList({"OK"}));
    QCOMPARE(requests.emitted(), QStringList());

    QVERIFY(p.select(MAC_P));
    watcher.start();
    invoke(p.page, "slotMemTestTrigged");
    QTest::qWait(50);
    watcher.stop();
    QCOMPARE(watcher.boxes.size(), 0);
    QCOMPARE(requests.emitted(), QStringList({QStringLiteral("memTest(%1)").arg(MAC_P)}));
}

void TestFinderActions::installEntryAndWakeOnLanCommands()
{
    const char *const MAC_O = "00:11:32:00:02:05";
    const char *const MAC_N = "00:11:32:00:02:06";
    Page p({server(MAC_T, FHOSTQC_DONE), server(MAC_O, FHOSTQC_OFF_LINE),
            server(MAC_N, FHOSTQC_UNINSTALL, 1), server(MAC_P, FHOSTQC_BOOTING)},
           false);
    Requests requests(&p.page);
    auto run = [&](const char *mac, const char *slot) {
        requests.openWebUI.clear();
        for (QSignalSpy *s : {&requests.netInstall, &requests.setUpWOL, &requests.wakeUp, &requests.removeWOL})
            s->clear();
        p.select(mac);
        invoke(p.page, slot);
        return requests.emitted();
    };
    const QString t = QString::fromLatin1(MAC_T), o = QString::fromLatin1(MAC_O), n = QString::fromLatin1(MAC_N);
    // The Install entry installs a web-installable server through the program.
    QCOMPARE(run(MAC_N, "slotNetInstTrigged"), QStringList("netInstall([" + n + "])"));
    QCOMPARE(run(MAC_T, "slotNetInstTrigged"), QStringList());
    QCOMPARE(run(MAC_T, "slotSetUpWOLTriggered"), QStringList("setUpWOL([" + t + "])"));
    QCOMPARE(run(MAC_O, "slotSetUpWOLTriggered"), QStringList("setUpWOL([" + o + "])"));
    // Set Up always asks the main window, with the Ready and off-line servers selected.
    QCOMPARE(run(MAC_P, "slotSetUpWOLTriggered"), QStringList("setUpWOL([])"));
    QCOMPARE(run(MAC_O, "slotWakeUpTriggered"), QStringList("wakeUp([" + o + "])"));
    QCOMPARE(run(MAC_T, "slotWakeUpTriggered"), QStringList());
    QCOMPARE(run(MAC_T, "slotRemoveWOLTriggered"), QStringList("removeWOL([" + t + "])"));
    QCOMPARE(run(MAC_O, "slotRemoveWOLTriggered"), QStringList("removeWOL([" + o + "])"));
    QCOMPARE(run(MAC_P, "slotRemoveWOLTriggered"), QStringList());
    // Through the actions themselves.
    p.select(MAC_O);
    requests.wakeUp.clear();
    p.page.m_pactWOLWakeUpPopUp->trigger();
    QCOMPARE(requests.wakeUp.count(), 1);
}

void TestFinderActions::checkProgressLink()
{
    Page p({server(MAC_T, FHOSTQC_CHECKING_PROGRESS), server(MAC_P, FHOSTQC_UNINSTALL)});
    Requests requests(&p.page);
    QWidget *viewport = p.page.m_ptableviewFinder->viewport();
    for (int column : {0, 1, 2, 4, 8})
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, p.cellRect(MAC_T, column).center());
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, p.cellRect(MAC_P, 3).center());
    QCOMPARE(requests.emitted(), QStringList());
    QCOMPARE(cellText(p.page, MAC_T, 3), QStringLiteral("Check progress"));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, p.cellRect(MAC_T, 3).center());
    QCOMPARE(requests.emitted(), QStringList(QStringLiteral("popupInstall(%1)").arg(MAC_T)));
}

void TestFinderActions::contextMenus()
{
    // Empty area: Search and an empty WOL submenu.
    {
        Page p({server(MAC_T, FHOSTQC_DONE)});
        Requests requests(&p.page);
        QTableView *view = p.page.m_ptableviewFinder;
        const QPoint empty(10, view->viewport()->height() - 5);
        QVERIFY(!view->indexAt(empty).isValid());
        bool icon = false;
        const QStringList entries =
            menuEntries([&] { emit view->customContextMenuRequested(empty); }, &icon);
        QCOMPARE(entries, QStringList({"Search", "WOL{}"}));
        QVERIFY(icon);
        QCOMPARE(requests.emitted(), QStringList());
    }
    // A row: Connect, then the WOL submenu.
    {
        Page p({server(MAC_T, FHOSTQC_DONE)});
        QTableView *view = p.page.m_ptableviewFinder;
        p.select(MAC_T);
        p.paint();
        const QPoint on = p.cellRect(MAC_T, 0).center();
        QCOMPARE(menuEntries([&] { emit view->customContextMenuRequested(on); }),
                 QStringList({"Connect", "WOL{Wake Up,Set Up,Remove}"}));
    }
    // With the memory test switched on and a web-installable server: Install and Memory Test.
    setMemTestFlag(true);
    {
        Page p({server(MAC_T, FHOSTQC_UNINSTALL, 1)});
        QTableView *view = p.page.m_ptableviewFinder;
        p.select(MAC_T);
        p.paint();
        const QPoint on = p.cellRect(MAC_T, 0).center();
        QCOMPARE(menuEntries([&] { emit view->customContextMenuRequested(on); }),
                 QStringList({"Connect", "Install", "Memory Test", "WOL{Wake Up,Set Up,Remove}"}));
        // The menu's entries act on the selected row.
        Requests requests(&p.page);
        QTimer::singleShot(50, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *a : menu->actions())
                    if (a->text() == QLatin1String("Install"))
                        a->trigger();
                menu->close();
            }
        });
        emit view->customContextMenuRequested(on);
        QCOMPARE(requests.emitted(), QStringList(QStringLiteral("netInstall([%1])").arg(MAC_T)));
    }
    // A right click on either toolbar offers no menu (the page's own would offer to hide them).
    {
        Page p({server(MAC_T, FHOSTQC_DONE)});
        p.page.show();
        for (QToolBar *bar : {static_cast<QToolBar *>(p.page.toolBar), static_cast<QToolBar *>(p.page.toolBar_2)}) {
            // The page's menu would pop up at once, without running its own event loop.
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), bar->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(bar, &event);
            QWidget *popup = QApplication::activePopupWidget();
            if (popup)
                popup->close();
            QVERIFY(!popup);
        }
    }
}

void TestFinderActions::toolbarShortcutsFireOnce()
{
    setMemTestFlag(true);
    NASINFO ready = server(MAC_T, FHOSTQC_DONE, 0, 1000);
    ready.ulWOLSupport = 1;
    Page p({ready, server(MAC_P, FHOSTQC_UNINSTALL)});
    p.page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.page, tsup::guardMs()));
    QVERIFY(p.select(MAC_T));
    p.paint();
    p.page.m_ptableviewFinder->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(p.page.m_ptableviewFinder->hasFocus(), tsup::guardMs());

    // Run a context menu first: its entries must not stay live beside the toolbar's.
    menuEntries([&] { emit p.page.m_ptableviewFinder->customContextMenuRequested(p.cellRect(MAC_T, 0).center()); });
    // The closed menu hands activation and focus back to the page asynchronously, and on a busy
    // machine the menu's own activation may only be handled after it closed, leaving no window
    // active; a shortcut typed before the page is active again reaches no window. So the page is
    // activated again, as a user's click on it would.
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), tsup::guardMs());
    p.page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.page, tsup::guardMs()));
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == &p.page, tsup::guardMs());
    p.page.m_ptableviewFinder->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(p.page.m_ptableviewFinder->hasFocus(), tsup::guardMs());

    Requests requests(&p.page);
    QSignalSpy refresh(&p.page, SIGNAL(signalRefresh()));
    tsup::LogCapture log;
    struct Key {
        Qt::Key key;
        QAction *action;
        QAction *twin;
    };
    const Key keys[] = {
        {Qt::Key_C, p.page.m_pactManager, p.page.m_pactManagerPopUp},
        {Qt::Key_E, p.page.m_pactWOL, p.page.m_pactWOLSetUpPopUp},
        {Qt::Key_T, p.page.m_pactMemTest, p.page.m_pactMemTestPopUp},
        {Qt::Key_S, p.page.m_pactRefresh, p.page.m_pactRefreshPopUp},
    };
    for (const Key &k : keys) {
        QVERIFY2(k.action->isEnabled() && k.action->isVisible(), qPrintable(k.action->objectName()));
        QSignalSpy own(k.action, &QAction::triggered);
        QSignalSpy twin(k.twin, &QAction::triggered);
        QTest::keyClick(p.page.m_ptableviewFinder, k.key, Qt::ControlModifier);
        QVERIFY2(own.count() == 1, qPrintable(k.action->objectName()));
        QVERIFY2(twin.count() == 0, qPrintable(k.twin->objectName()));
    }
    const QString key = QString::fromLatin1(MAC_T);
    QCOMPARE(requests.emitted(), QStringList({"openWebUI([" + key + "])", "memTest(" + key + ")",
                                              "setUpWOL([" + key + "])"}));
    QCOMPARE(refresh.count(), 1);
    QVERIFY2(log.matching(QStringLiteral("mbiguous")).isEmpty(), qPrintable(log.lines().join('|')));
}

void TestFinderActions::aboutPreferencesHelp()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    Requests requests(&page);
    page.m_pactAbout->trigger();
    page.m_pactPreferences->trigger();
    QCOMPARE(requests.emitted(), QStringList({"about()", "pref()"}));

    auto browsers = [] {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<CVorkHelpBrowser *>(w))
                ++n;
        return n;
    };
    const int before = browsers();
    page.m_pactHelp->trigger();
    QCOMPARE(browsers(), before + 1);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<CVorkHelpBrowser *>(w))
            delete w;
}

FINDER_TEST_MAIN(TestFinderActions)
#include "tst_finderactions.moc"
