// The main window in this process, inside the namespace bed with the simulated server answering
// for three units: construction and its first search, the discovery thread, the pages and their
// toolbar actions, page switching, geometry, About, Preferences under the busy flag, and closing
// with and without unfinished work, and the window's texts in three languages.

#include <QDir>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QTranslator>

#include "CFindHostUDP.h"
#include "CVorkDialogInstall.h"
#include "CVorkDialogPreference.h"
#include "CVorkFinderWindow.h"
#include "CVorkInstallMap.h"
#include "CVorkNasinfoMap.h"
#include "CVorkWindowInstall.h"
#include "CVorkWindowMain.h"
#include "CVorkWindowPhotoUpload.h"
#include "CVorkWindowRsrcMon.h"
#include "HangGuard.h"
#include "mainwintest.h"

using mwt::ModalAnswer;
using mwt::waitFor;

namespace {

int searchesCaptured()
{
    int n = 0;
    for (const QJsonObject &d : bed::capturedDatagrams()) {
        const QJsonArray items = d.value(QStringLiteral("items")).toArray();
        for (const QJsonValue &item : items) {
            const QJsonObject o = item.toObject();
            if (o.value(QStringLiteral("id")).toInt() == 1 &&
                o.value(QStringLiteral("hex")).toString() == QLatin1String("01000000"))
                ++n;
        }
    }
    return n;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    }

    void init()
    {
        QSettings().clear();
    }

    void constructionAndFirstSearch()
    {
        const int searchesBefore = searchesCaptured();
        CVorkWindowMain window;

        // Every page; the installation page belongs to the first install dialog and is never
        // held by the page stack.
        QVERIFY(window.page(CVorkWindowMain::PAGE_EMPTY) == window.m_pwdgEmpty);
        QVERIFY(window.page(CVorkWindowMain::PAGE_FINDER));
        QVERIFY(window.page(CVorkWindowMain::PAGE_FINDER) == window.finderWindow());
        QVERIFY(qobject_cast<CVorkWindowRsrcMon *>(window.page(CVorkWindowMain::PAGE_RSRC_MON)));
        QVERIFY(qobject_cast<CVorkWindowPhotoUpload *>(
            window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD)));
        CVorkWindowInstall *install =
            qobject_cast<CVorkWindowInstall *>(window.page(CVorkWindowMain::PAGE_INSTALL));
        QVERIFY(install);
        QVERIFY(window.m_pstkwCenter->indexOf(install) < 0);
        QCOMPARE(install->getMainWindow(), &window);
        CVorkDialogInstall *installDialog = qobject_cast<CVorkDialogInstall *>(install->window());
        QVERIFY(installDialog);
        QCOMPARE(installDialog->parent(), &window);
        QCOMPARE(installDialog->getInstallWindow(), install);
        QVERIFY(!installDialog->isVisible());
        for (int p : {1, 3, 4}) {
            QWidget *page = window.page(CVorkWindowMain::PAGES(p));
            QVERIFY(window.m_pstkwCenter->indexOf(page) >= 0);
            QVERIFY(page->parent() != nullptr);
            QCOMPARE(qobject_cast<CVorkWindowMainTab *>(page)->getMainWindow(), &window);
        }
        QVERIFY(window.m_pstkwCenter->widget(0) == window.m_pwdgEmpty);

        // The finder is current and its first search runs.
        QVERIFY(window.m_pstkwCenter->currentWidget() == window.finderWindow());
        QVERIFY(window.m_pactFinder->isChecked());
        QVERIFY(window.finderWindow()->isSearching());
        QVERIFY(window.nasinfoMap() && window.finderWindow()->getNasinfoMap() == window.nasinfoMap());
        QVERIFY(window.wolManager());
        QVERIFY(window.installMap());
        QVERIFY(window.installMap()->getPendingNasinfos().isEmpty());

        // The discovery thread runs and listens within a second.
        QVERIFY(window.udpThread());
        QCOMPARE(window.udpThread()->parent(), &window);
        QVERIFY(waitFor([&] { return window.udpThread()->isListening(); }, 1000));

        // The search went out, and the first search hears all three units.
        QVERIFY(waitFor([&] { return searchesCaptured() > searchesBefore; }, 5000));
        QVERIFY(waitFor([&] { return window.nasinfoMap()->size() == 3; }, 5000));
        QVERIFY(window.nasinfoMap()->containsKey(QStringLiteral("02:53:56:00:00:11")));
        QVERIFY(window.nasinfoMap()->containsKey(QStringLiteral("02:53:56:00:00:12")));
        QVERIFY(window.nasinfoMap()->containsKey(QStringLiteral("02:53:56:00:00:13")));

        // Window and toolbar as the form has them.
        QCOMPARE(window.windowTitle(), QStringLiteral("Quenlori Vornakeeper"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.size(), QSize(693, 574));
        QCOMPARE(window.minimumSize(), QSize(600, 450));
        QCOMPARE(window.m_ptlbrTab->metaObject()->className(), "CMainToolBar");
        QCOMPARE(window.toolBarArea(window.m_ptlbrTab), Qt::TopToolBarArea);
        QVERIFY(!window.m_ptlbrTab->isMovable());
        QVERIFY(!window.m_ptlbrTab->isFloatable());
        QCOMPARE(window.m_ptlbrTab->iconSize(), QSize(16, 16));
        QCOMPARE(window.m_ptlbrTab->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QCOMPARE(window.m_ptlbrTab->font().pointSize(), 8);
        QCOMPARE(window.m_ptlbrTab->baseSize(), QSize(659, 36));
        QCOMPARE(window.m_ptlbrTab->contextMenuPolicy(), Qt::CustomContextMenu);
        QVERIFY(window.m_pstatusBar->isSizeGripEnabled());
        QCOMPARE(window.m_pstatusBar->minimumHeight(), 12);

        const QList<QAction *> pageActions{window.m_pactFinder, window.m_pactRsrcMon,
                                           window.m_pactPhotoUpload, window.m_pactMultiFuncPtr};
        QCOMPARE(window.m_ptlbrTab->actions(), pageActions);
        const QStringList texts{"Management", "Resource Monitor", "Photo Uploader",
                                "Printer Device"};
        const QStringList keys{"Ctrl+H", "Ctrl+M", "Ctrl+P", "Ctrl+F"};
        for (int i = 0; i < 4; ++i) {
            QAction *a = pageActions.at(i);
            QCOMPARE(a->text(), texts.at(i));
            QVERIFY(a->toolTip().isEmpty() || a->toolTip() == a->text());
            QVERIFY(a->isCheckable());
            QCOMPARE(a->actionGroup(), window.m_pactgrpView);
            QCOMPARE(a->shortcutContext(), Qt::ApplicationShortcut);
            QVERIFY(!a->isIconVisibleInMenu());
            QCOMPARE(a->shortcut(), QKeySequence(keys.at(i)));
            // Drawn as a tab.
            QWidget *button = window.m_ptlbrTab->widgetForAction(a);
            QVERIFY(button);
            QCOMPARE(button->minimumWidth(), 48);
            QVERIFY(button->styleSheet().contains(QLatin1String(":/images/tab_normal.png")));
            QVERIFY(button->styleSheet().contains(QLatin1String(":/images/tab_hover.png")));
            QVERIFY(button->styleSheet().contains(QLatin1String(":/images/tab_click.png")));
        }
        QCOMPARE(window.m_pactAbout->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(window.m_pactExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QCOMPARE(window.m_pactPreference->shortcut(), QKeySequence(QStringLiteral("Ctrl+,")));
        for (const char *image : {":/images/tab_normal.png", ":/images/tab_hover.png",
                                  ":/images/tab_click.png", ":/images/finder.png"})
            QVERIFY2(!QImage(QString::fromLatin1(image)).isNull(), image);

        // Default visibility: finder and photo shown, monitor and printer hidden; the photo
        // setting is written back as true.
        QVERIFY(window.m_pactFinder->isVisible());
        QVERIFY(window.m_pactPhotoUpload->isVisible());
        QVERIFY(!window.m_pactRsrcMon->isVisible());
        QVERIFY(!window.m_pactMultiFuncPtr->isVisible());
        QCOMPARE(QSettings().value(QStringLiteral("Global/blRunPhotoUpPages")), QVariant(true));
        QVERIFY(!QSettings().contains(QStringLiteral("Global/blRunFinder")));
    }

    void pageVisibilityFromSettings()
    {
        {
            QSettings s;
            s.setValue(QStringLiteral("Global/blRunPhotoUpPages"), false);
            s.setValue(QStringLiteral("Global/blRunRMPages"), true);
            s.setValue(QStringLiteral("Global/blRunFinder"), false);
        }
        CVorkWindowMain window;
        QVERIFY(!window.m_pactPhotoUpload->isVisible());
        QVERIFY(!window.m_pactRsrcMon->isVisible());
        QVERIFY(!window.m_pactMultiFuncPtr->isVisible());
        // The finder's setting is read but does not hide it.
        QVERIFY(window.m_pactFinder->isVisible());
        QCOMPARE(QSettings().value(QStringLiteral("Global/blRunPhotoUpPages")), QVariant(false));
        QVERIFY(!window.isPageVisible(CVorkWindowMain::PAGE_EMPTY));
        QVERIFY(!window.isPageVisible(CVorkWindowMain::PAGE_INSTALL));
        QVERIFY(!window.isPageVisible(CVorkWindowMain::PAGE_RSRC_MON));
        QVERIFY(!window.isPageVisible(CVorkWindowMain::PAGE_FINDER));

        // A hidden page is still shown on request.
        auto *rsrc = qobject_cast<CVorkWindowRsrcMon *>(window.page(CVorkWindowMain::PAGE_RSRC_MON));
        QVERIFY(rsrc->refreshTimer() == nullptr);
        window.slotActionToggle(CVorkWindowMain::PAGE_RSRC_MON);
        QVERIFY(window.m_pactRsrcMon->isChecked());
        QVERIFY(window.m_pstkwCenter->currentWidget() == rsrc);
        // Its delayed initialisation ran.
        QVERIFY(rsrc->refreshTimer() != nullptr);

        window.slotActionToggle(CVorkWindowMain::PAGE_PHOTO_UPLOAD);
        QVERIFY(window.m_pstkwCenter->currentWidget() ==
                window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD));

        // Other values change nothing.
        window.slotActionToggle(CVorkWindowMain::PAGE_EMPTY);
        window.slotActionToggle(CVorkWindowMain::PAGE_INSTALL);
        QVERIFY(window.m_pactPhotoUpload->isChecked());
        QVERIFY(window.m_pstkwCenter->currentWidget() ==
                window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD));

        // The installation page is not in the stack: the current page stays.
        window.slotInstall();
        QVERIFY(window.m_pstkwCenter->currentWidget() ==
                window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD));
    }

    void switchingPagesThroughTheActions()
    {
        CVorkWindowMain window;
        window.show();
        // The first show's search sends several copies: counted once it is over and its last
        // copies have reached the capture.
        QVERIFY(waitFor([&] { return searchesCaptured() > 0 && !window.finderWindow()->isSearching(); }, 5000));
        mwt::spin(300);
        const int searches = searchesCaptured();
        QWidget *finder = window.page(CVorkWindowMain::PAGE_FINDER);
        QWidget *photo = window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD);
        for (int round = 0; round < 2; ++round) {
            window.m_pactPhotoUpload->trigger();
            QVERIFY(window.m_pactPhotoUpload->isChecked());
            QVERIFY(!window.m_pactFinder->isChecked());
            QVERIFY(window.m_pstkwCenter->currentWidget() == photo);
            window.m_pactFinder->trigger();
            QVERIFY(window.m_pactFinder->isChecked());
            QVERIFY(window.m_pstkwCenter->currentWidget() == finder);
        }
        // Clicking the tab buttons does the same.
        QTest::mouseClick(window.m_ptlbrTab->widgetForAction(window.m_pactPhotoUpload),
                          Qt::LeftButton);
        QVERIFY(window.m_pstkwCenter->currentWidget() == photo);
        QTest::mouseClick(window.m_ptlbrTab->widgetForAction(window.m_pactFinder), Qt::LeftButton);
        QVERIFY(window.m_pstkwCenter->currentWidget() == finder);
        // The search runs on the finder's first show only, not on every switch back.
        mwt::spin(300);
        QCOMPARE(searchesCaptured(), searches);
    }

    void geometry()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        {
            CVorkWindowMain window;
            QCOMPARE(window.size(), QSize(693, 574));
            QCOMPARE(window.pos(), QPoint((screen.width() - window.frameGeometry().width()) / 2,
                                          (screen.height() - window.frameGeometry().height()) / 2));
            QVERIFY(qAbs(window.x() - (screen.width() - 693) / 2) <= 1);
            QVERIFY(qAbs(window.y() - (screen.height() - 574) / 2) <= 1);
            window.show();
            window.setGeometry(3, 4, 640, 480);
            QVERIFY(window.close());
        }
        QVERIFY(QSettings().contains(QStringLiteral("Global/geometry")));
        // The stored size comes back; the position is centred again.
        CVorkWindowMain window;
        QCOMPARE(window.size(), QSize(640, 480));
        window.show();
        QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 2);
        QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 2);
    }

    void aboutBox()
    {
        CVorkWindowMain window;
        ModalAnswer answer;
        window.slotAbout();
        QCOMPARE(answer.seen, 1);
        QCOMPARE(answer.title, QStringLiteral(" About Quenlori Vornakeeper"));
        QCOMPARE(answer.text, QStringLiteral("<H3>Quenlori Vornakeeper&nbsp;Version&nbsp;5.0-4448"
                                             "</H3><p>Copyright © Quenlori. All rights reserved."));
        QVERIFY(answer.hadParent);
        // The About buttons of the pages reach the same box.
        ModalAnswer fromPage;
        qobject_cast<CVorkWindowPhotoUpload *>(window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD))
            ->m_pactAbout->trigger();
        QCOMPARE(fromPage.seen, 1);
        QCOMPARE(fromPage.title, QStringLiteral(" About Quenlori Vornakeeper"));
    }

    void preferencesAndTheBusyFlag()
    {
        CVorkWindowMain window;
        QVERIFY(!window.isBusy());
        QVERIFY(window.tryLockOperation());
        QVERIFY(!window.tryLockOperation());
        {
            // Busy: nothing is shown.
            ModalAnswer answer;
            window.slotPreferences();
            mwt::spin(300);
            QCOMPARE(answer.seen, 0);
            QVERIFY(window.findChildren<CVorkDialogPreference *>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
        }
        window.unlockOperation();
        QVERIFY(!window.isBusy());

        // Preferences from a page's button, while that page is shown.
        window.m_pactPhotoUpload->trigger();
        bool busyWhileOpen = false;
        ModalAnswer answer;
        answer.onModal = [&] { busyWhileOpen = window.isBusy(); };
        qobject_cast<CVorkWindowPhotoUpload *>(window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD))
            ->m_pactPreferences->trigger();
        QCOMPARE(answer.seen, 1);
        QCOMPARE(answer.className, QStringLiteral("CVorkDialogPreference"));
        QVERIFY(answer.hadParent);
        QVERIFY(busyWhileOpen);
        QVERIFY(!window.isBusy());
        // The dialog is gone, and the visible tabs were applied again (finder chosen).
        QVERIFY(window.findChildren<CVorkDialogPreference *>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
        QVERIFY(window.m_pactFinder->isChecked());
        QVERIFY(window.tryLockOperation());
        QVERIFY(!window.tryLockOperation());
        window.unlockOperation();
    }

    void resourceMonitorPromptsUnderTheBusyFlag()
    {
        {
            // A stored profile without its password: the page asks for it.
            QSettings s;
            s.beginGroup(QStringLiteral("ResourceMonitor/RegisteredHosts/unit"));
            s.setValue(QStringLiteral("Profile"), QStringLiteral("unit"));
            s.setValue(QStringLiteral("HostAddr"), QStringLiteral("198.18.0.2"));
            s.setValue(QStringLiteral("HostPort"), 5000);
            s.setValue(QStringLiteral("AdminAccount"), QStringLiteral("admin"));
            s.setValue(QStringLiteral("Connection"), false);
        }
        CVorkWindowMain window;
        auto *rsrc = qobject_cast<CVorkWindowRsrcMon *>(window.page(CVorkWindowMain::PAGE_RSRC_MON));
        // While the window is busy the page's first show asks nothing.
        QVERIFY(window.tryLockOperation());
        {
            ModalAnswer answer;
            window.slotActionToggle(CVorkWindowMain::PAGE_RSRC_MON);
            mwt::spin(300);
            QCOMPARE(answer.seen, 0);
        }
        window.unlockOperation();

        // Not busy: Connect asks, and the window is busy while it does.
        QCOMPARE(rsrc->m_ptrwVarnestors->topLevelItemCount(), 1);
        rsrc->m_ptrwVarnestors->topLevelItem(0)->setSelected(true);
        bool busyWhileAsking = false;
        ModalAnswer answer;
        answer.onModal = [&] { busyWhileAsking = window.isBusy(); };
        rsrc->m_pactConnect->trigger();
        QCOMPARE(answer.seen, 1);
        QCOMPARE(answer.className, QStringLiteral("QInputDialog"));
        QVERIFY(busyWhileAsking);
        QVERIFY(!window.isBusy());
    }

    void closeAsksWhileWorkIsUnfinished()
    {
        CVorkWindowMain window;
        auto *photo =
            qobject_cast<CVorkWindowPhotoUpload *>(window.page(CVorkWindowMain::PAGE_PHOTO_UPLOAD));
        photo->setUploadMode(true);
        window.hide();
        {
            ModalAnswer no(QStringLiteral("No"), true);
            QVERIFY(!window.close());
            QCOMPARE(no.seen, 1);
            QCOMPARE(no.title, QStringLiteral("Warning"));
            QCOMPARE(no.text, QStringLiteral("Quenlori Vornakeeper still has unfinished tasks.\n"
                                             "Are you sure you want to exit?"));
            QCOMPARE(no.buttons, QStringList({"Yes", "No"}));
            QVERIFY(!no.escapeAnswered);
            QVERIFY(!no.hadParent);
        }
        // "No": the window stays (made visible for the question), work goes on, nothing stored.
        QVERIFY(window.isVisible());
        QVERIFY(photo->hasUnfinishedTasks());
        QVERIFY(!QSettings().contains(QStringLiteral("Global/geometry")));

        // Back to the test's own temporary folder afterwards, whatever happens.
        const QByteArray ownTmp = qgetenv("TMPDIR");
        const auto restoreTmp = qScopeGuard([ownTmp] { qputenv("TMPDIR", ownTmp); });
        QTemporaryDir tmp;
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        const QString workFolder = CVorkWindowPhotoUpload::tempFolderPath();
        QVERIFY(workFolder.startsWith(QDir(tmp.path()).absolutePath() + QLatin1Char('/')));
        QVERIFY(QDir().mkpath(workFolder));
        {
            ModalAnswer yes(QStringLiteral("Yes"));
            QVERIFY(window.close());
            QCOMPARE(yes.seen, 1);
        }
        QVERIFY(!window.isVisible());
        QVERIFY(!photo->hasUnfinishedTasks());
        QVERIFY(!QDir(workFolder).exists());
        QVERIFY(QSettings().contains(QStringLiteral("Global/geometry")));
    }

    void closeWithNothingUnfinishedAsksNothing()
    {
        CVorkWindowMain window;
        window.show();
        ModalAnswer answer;
        window.slotExit();
        mwt::spin(100);
        QCOMPARE(answer.seen, 0);
        QVERIFY(!window.isVisible());
        QVERIFY(QSettings().contains(QStringLiteral("Global/geometry")));
    }

    void secondStartShowsTheWindow()
    {
        CVorkWindowMain window;
        window.hide();
        window.slotShowMainWindow(QStringLiteral("anything"));
        QVERIFY(window.isVisible());
    }

    // The window in German, Russian and Japanese after its first search, with a server selected:
    // no text is cut off or drawn without glyphs. Pictures go to text-review/ for a look by eye.
    void translatedWindowFits()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("text-review")));
        CVorkFinderWindow::setTickIntervalMs(50);
        QStringList problems;
        for (const char *code : {"deu", "rus", "jpn"}) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(":/%1.qm").arg(QLatin1String(code))));
            QCoreApplication::installTranslator(&translator);
            {
                tsup::AutoConnectCanceller cancel;
                CVorkWindowMain window;
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window, tsup::guardMs()));
                CVorkFinderWindow *finder = window.finderWindow();
                QVERIFY(waitFor([&] {
                    return window.nasinfoMap()->size() == 3 && !finder->isSearching()
                           && !QApplication::activeModalWidget();
                }, 10000));
                finder->m_ptableviewFinder->selectRow(0);
                mwt::spin(500);
                window.grab().save(QStringLiteral("text-review/main-window-%1.png").arg(QLatin1String(code)));
                for (const QString &problem : tsup::textFitProblems(&window))
                    problems << QLatin1String(code) + QStringLiteral(": ") + problem;
                QVERIFY2(cancel.clean(), cancel.report());
            }
            QCoreApplication::removeTranslator(&translator);
        }
        CVorkFinderWindow::setTickIntervalMs(CVorkFinderWindow::TICK_MS);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void stoppingTheDiscoveryThread()
    {
        CVorkWindowMain window;
        QVERIFY(waitFor([&] { return window.udpThread()->isListening(); }, 2000));
        tsup::LogCapture log;
        const qint64 past = tsup::msPastEnd(window.udpThread(), [&] { window.stopUdpThread(); });
        QVERIFY(window.udpThread()->isFinished());
        // The loop saw the stop within its turn and left it: nothing had to be killed, and the
        // stop's wait (less that turn) ended with the thread.
        QCOMPARE(log.countContaining(QStringLiteral("listener did not stop")), 0);
        QVERIFY(!window.udpThread()->isListening());
        QVERIFY2(past >= 0 && past < tsup::before(CFindHostUDP::STOP_WAIT_MS - FHOST_UDP_WAIT_SEC * 1000),
                 qPrintable(QString::number(past)));
    }
};

GUI_BED_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
