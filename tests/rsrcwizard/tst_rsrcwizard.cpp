// The resource-monitor wizard frame, its server-choice page (with the finder page's search), its
// account page and its summary page, and whole runs driven through Next, Back and Finish.

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMovie>
#include <QRadioButton>
#include <QRegExpValidator>
#include <QTreeWidget>

#include "CVorkAddDlgNasinfoProxyModel.h"
#include "CVorkNasinfoMap.h"
#include "HangGuard.h"
#include "platforms.h"
#include "rsrcwiztest.h"

using namespace rsrcwiztest;

namespace {
// "A" scrambled, worked out by hand from the scrambler's key and alphabet.
const char kScrambledA[] = "ZZ+-+-99zz99ZZ+-";
const char kAppTitle[] = "Quenlori Vornakeeper - Setup Wizard";

QStringList treeRows(QTreeWidget *tree)
{
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        rows << tree->topLevelItem(i)->text(0) + QLatin1Char('=') + tree->topLevelItem(i)->text(1);
    return rows;
}
} // namespace

class TestRsrcWizard : public QObject
{
    Q_OBJECT

private:
    CVorkNasinfoMap m_map;
    CVorkNasinfoModel m_model;

    // Found servers: which of them the pick list offers is in the comment.
    void fillMap()
    {
        m_map.clear();
        m_map.insert(makeNas("00:11:32:00:00:01", "ready1", netAddr(198, 18, 0, 21)), true); // listed
        m_map.insert(makeNas("00:11:32:00:00:02", "nobit1240", netAddr(198, 18, 0, 22),
                             FHOSTQC_DONE, 1240), true); // not listed: no service bit
        m_map.insert(makeNasWithMonitorBit("00:11:32:00:00:03", "bit1240",
                                           netAddr(198, 18, 0, 23), 1240), true); // listed
        m_map.insert(makeNas("00:11:32:00:00:04", "b910", netAddr(198, 18, 0, 24),
                             FHOSTQC_DONE, 910), true); // not listed: too old
        m_map.insert(makeNas("00:11:32:00:00:05", "b911", netAddr(198, 18, 0, 25),
                             FHOSTQC_DONE, 911), true); // listed
        m_map.insert(makeNas("00:11:32:00:00:06", "b1239", netAddr(198, 18, 0, 26),
                             FHOSTQC_DONE, 1239), true); // listed
        m_map.insert(makeNas("00:11:32:00:00:07", "busy", netAddr(198, 18, 0, 27),
                             FHOSTQC_UNINSTALL), true); // not listed: not ready
        m_map.insert(makeNasWithMonitorBit("00:11:32:00:00:08", "b1564",
                                           netAddr(198, 18, 0, 28), 1564), true); // listed
        m_map.insert(makeNasWithMonitorBit("00:11:32:00:00:09", "b1565",
                                           netAddr(198, 18, 0, 29), 1565), true); // listed
        m_model.setNasinfoMap(&m_map);
    }

    // An edit run of `config` with `target` as the server; shown on the address page.
    CVorkWizardRsrcMon *editRun(const CRsrcConfig &config, const NASINFO *target)
    {
        CVorkWizardRsrcMon *w = new CVorkWizardRsrcMon(nullptr, nullptr, &m_map, nullptr, true);
        w->setNasinfo(target);
        w->setConfig(config);
        w->show();
        return w;
    }

    CRsrcConfig opsProfile(const QString &scrambled, bool saveCred)
    {
        // Its address is no found server's, so the address page leaves the target alone.
        return CRsrcConfig(5000, saveCred, QStringLiteral("Office"), QStringLiteral("198.18.0.50"),
                           QStringLiteral("ops"), scrambled);
    }

private slots:
    void init()
    {
        clearStoredProfiles();
        fillMap();
    }

    // --- frame -------------------------------------------------------------------------------

    void frameAddMode()
    {
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        QCOMPARE(w.pageIds(), QList<int>({0, 1, 2, 3}));
        QVERIFY(!w.validateCurrentPage()); // nothing is shown yet: no current page
        QCOMPARE(w.getWizardType(), 4);
        QCOMPARE(w.windowTitle(), QString::fromLatin1(kAppTitle));
        QVERIFY(!w.getConfig());
        QVERIFY(w.serverChoicePage());
        QCOMPARE(w.page(0), static_cast<QWizardPage *>(w.serverChoicePage()));
        QCOMPARE(w.page(1), static_cast<QWizardPage *>(w.addressPage()));
        QCOMPARE(w.page(2), static_cast<QWizardPage *>(w.accountPage()));
        QCOMPARE(w.page(3), static_cast<QWizardPage *>(w.summaryPage()));
        // Made with the caller's parent, adopted by the wizard.
        for (int id : w.pageIds())
            QVERIFY(w.isAncestorOf(w.page(id)));
        w.show();
        QCOMPARE(w.currentId(), 0);
        // The wizard's own fields, under their names without the star.
        for (const char *name : {"HostAddr", "HostPort", "Profile", "AdminAccount", "Password",
                                 "SaveCred", "ToConnect"})
            QVERIFY2(w.field(QString::fromLatin1(name)).isValid(), name);
    }

    void frameEditMode()
    {
        CVorkWizardRsrcMon w(nullptr, nullptr, &m_map, nullptr, true);
        QCOMPARE(w.pageIds(), QList<int>({1, 2, 3}));
        QVERIFY(!w.serverChoicePage());
        w.setConfig(opsProfile(QString(), false));
        w.show();
        QCOMPARE(w.currentId(), 1);
        QVERIFY(!backButton(w)->isVisible()); // no Back on the start page
        QCOMPARE(w.addressPage()->m_pedtProfile->text(), QStringLiteral("Office"));
    }

    void heldRecord()
    {
        CVorkWizardRsrcMon w(nullptr, nullptr, &m_map, nullptr, true);
        CRsrcConfig given = opsProfile(scrambleEncodeString(QStringLiteral("pw")), true);
        given.setConnection(true);
        w.setConfig(given);
        CRsrcConfig *held = w.getConfig();
        QVERIFY(held && held != &given);
        QCOMPARE(held->getProfile(), given.getProfile());
        QCOMPARE(held->getPassword(), given.getPassword());
        QVERIFY(held->isConnection());
        // Handing the wizard its own record copies before it lets go of it (ASan).
        w.setConfig(*w.getConfig());
        QCOMPARE(w.getConfig()->getHostAddr(), QStringLiteral("198.18.0.50"));
        w.clearConfig();
        QVERIFY(!w.getConfig());
        w.clearConfig();
    }

    void createConfigFromFields()
    {
        CVorkWizardRsrcMon w(nullptr, nullptr, &m_map, nullptr, true);
        w.setConfig(opsProfile(QString(), false));
        w.setField(QStringLiteral("HostAddr"), QStringLiteral("nas.example"));
        w.setField(QStringLiteral("HostPort"), QStringLiteral("8080"));
        w.setField(QStringLiteral("Profile"), QStringLiteral("Lab"));
        w.setField(QStringLiteral("AdminAccount"), QStringLiteral("root"));
        w.setField(QStringLiteral("Password"), QStringLiteral("A"));
        w.setField(QStringLiteral("SaveCred"), false);
        w.setField(QStringLiteral("ToConnect"), false);

        CRsrcConfig *first = w.createConfig();
        QCOMPARE(w.getConfig(), first);
        QCOMPARE(first->getHostAddr(), QStringLiteral("nas.example"));
        QCOMPARE(first->getHostPort(), 8080);
        QCOMPARE(first->getProfile(), QStringLiteral("Lab"));
        QCOMPARE(first->getAdminAccount(), QStringLiteral("root"));
        // Scrambled even when it is not remembered.
        QCOMPARE(first->getPassword(), QString::fromLatin1(kScrambledA));
        QVERIFY(!first->isSaveCred());
        QVERIFY(!first->isConnection());

        // A second call replaces the record (the first is freed: no leak under ASan).
        w.setField(QStringLiteral("HostPort"), QStringLiteral("abc"));
        w.setField(QStringLiteral("ToConnect"), true);
        w.setField(QStringLiteral("SaveCred"), true);
        CRsrcConfig *second = w.createConfig();
        QCOMPARE(w.getConfig(), second);
        QCOMPARE(second->getHostPort(), 0);
        QVERIFY(second->isConnection());
        QVERIFY(second->isSaveCred());
    }

    // --- server-choice page ------------------------------------------------------------------

    void pickListOffersReadyCapableServers()
    {
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        CWizRsrcAutoIPDialog *p = w.serverChoicePage();
        QTableView *t = p->m_tblViewFinder;
        QCOMPARE(t->model(), static_cast<QAbstractItemModel *>(p->proxyModel()));
        QCOMPARE(p->proxyModel()->sourceModel(), static_cast<QAbstractItemModel *>(&m_model));
        QCOMPARE(t->model()->columnCount(), 4);
        // Sorted by name, ascending.
        QCOMPARE(columnTexts(t), QStringList({"b1239", "b1564", "b1565", "b911", "bit1240", "ready1"}));
        QVERIFY(t->isSortingEnabled());
        QCOMPARE(t->horizontalHeader()->sortIndicatorSection(), 0);
        QCOMPARE(t->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QVERIFY(p->proxyModel()->dynamicSortFilter());
        QCOMPARE(p->proxyModel()->filterKeyColumn(), 0);

        // The list follows the finder's table live: a server becoming ready shows up.
        m_map.find(QStringLiteral("00:11:32:00:00:07"))->ulConfigured = FHOSTQC_DONE;
        m_model.insertNewRows();
        QVERIFY(columnTexts(t).contains(QStringLiteral("busy")));
    }

    void pageLook()
    {
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        CWizRsrcAutoIPDialog *p = w.serverChoicePage();
        QCOMPARE(p->title(), QStringLiteral("Please select the server to be monitored"));
        QCOMPARE(p->m_rdoAutoInput->text(), QStringLiteral("Select from the list below"));
        QCOMPARE(p->m_rdoManInput->text(), QStringLiteral("Manual setup"));
        QCOMPARE(p->m_refresh->text(), QStringLiteral("Search"));
        QVERIFY(p->m_rdoAutoInput->isChecked());

        QTableView *t = p->m_tblViewFinder;
        QCOMPARE(t->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!t->horizontalHeader()->isHidden());
        QVERIFY(t->verticalHeader()->isHidden());
        QCOMPARE(t->horizontalHeader()->defaultAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        const QString css = t->styleSheet();
        QVERIFY(css.contains(QLatin1String("background-color: white")));
        QVERIFY(css.contains(QLatin1String("rgb(230, 240, 250)")));
        QVERIFY(css.contains(QLatin1String("QHeaderView::section { color: rgb(121, 124, 140);  font: 12px;")));

        // The table is usable only while "Select from the list below" is chosen.
        QVERIFY(t->isEnabled());
        p->m_rdoManInput->click();
        QVERIFY(!t->isEnabled());
        QCOMPARE(p->nextId(), 1);
        p->m_rdoAutoInput->click();
        QVERIFY(t->isEnabled());
        QCOMPARE(p->nextId(), 2);

        // The busy animation: a real animated picture, hidden while no search runs.
        QVERIFY(p->m_lblRefresh->isHidden());
        QMovie *movie = p->busyMovie();
        QCOMPARE(p->m_lblRefresh->movie(), movie);
        QCOMPARE(movie->fileName(), QStringLiteral(":/images/refreshing.gif"));
        QVERIFY(movie->isValid());
        QVERIFY(movie->frameCount() > 1);
        QCOMPARE(movie->state(), QMovie::Running);
        QVERIFY(!movie->parent());
        QVERIFY(movie->nextFrameDelay() > 0);
    }

    void searchWithoutFinderDoesNothing()
    {
        // Built without the finder page (as in an edit run or here): Search is harmless.
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        CWizRsrcAutoIPDialog *p = w.serverChoicePage();
        QSignalSpy refresh(p, SIGNAL(signalRefresh()));
        p->m_refresh->click();
        QCOMPARE(refresh.count(), 0);
        QVERIFY(p->m_refresh->isEnabled());
        QVERIFY(p->m_lblRefresh->isHidden());
        QCOMPARE(p->m_tblViewFinder->model(), static_cast<QAbstractItemModel *>(p->proxyModel()));

        // Nor without a model.
        CVorkWizardRsrcMon bare(nullptr, nullptr, &m_map, nullptr, false);
        bare.show();
        bare.serverChoicePage()->m_refresh->click();
        QVERIFY(bare.serverChoicePage()->m_refresh->isEnabled());
        QCOMPARE(bare.serverChoicePage()->m_tblViewFinder->model()->rowCount(), 0);
    }

    void autoInputNeedsASelection()
    {
        BoxAnswerer boxes;
        // An empty list first.
        CVorkNasinfoMap emptyMap;
        CVorkNasinfoModel emptyModel;
        emptyModel.setNasinfoMap(&emptyMap);
        {
            CVorkWizardRsrcMon w(nullptr, &emptyModel, &emptyMap, nullptr, false);
            w.show();
            nextButton(w)->click();
            QCOMPARE(w.currentId(), 0);
        }
        // Servers listed, none selected.
        {
            CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
            w.show();
            nextButton(w)->click();
            QCOMPARE(w.currentId(), 0);
        }
        QCOMPARE(boxes.seen.size(), 2);
        for (const BoxAnswerer::Seen &s : boxes.seen) {
            QCOMPARE(s.icon, QMessageBox::Warning);
            QCOMPARE(s.title, QStringLiteral("Warning"));
            QCOMPARE(s.text, QStringLiteral("Please select a server."));
            QCOMPARE(s.buttons, QStringList({"OK"}));
        }
    }

    void manualInputGoesToAddressPage()
    {
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.setNasinfo(m_map.findByName(QStringLiteral("ready1")));
        w.show();
        // A selected row does not matter once manual input is chosen.
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, QStringLiteral("ready1")));
        w.serverChoicePage()->m_rdoManInput->click();
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QVERIFY(!w.getNasinfo());
        QCOMPARE(w.addressPage()->m_pedtHost->text(), QString());
        QCOMPARE(w.addressPage()->m_pedtPort->text(), QStringLiteral("80"));
        QCOMPARE(w.addressPage()->m_pedtProfile->text(), QString());
        QVERIFY(boxes.seen.isEmpty());
    }

    void pickedServerSkipsAddressPage()
    {
        BoxAnswerer boxes;
        MessageCapture capture;
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.setConfig(opsProfile(QString(), false)); // dropped once a server is picked
        w.show();
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, QStringLiteral("ready1")));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(w.getNasinfo());
        QCOMPARE(w.getNasinfo()->ulIP, netAddr(198, 18, 0, 21));
        QVERIFY(!w.getConfig());
        // The address fields were filled from the record, the address page was never shown.
        QCOMPARE(w.field(QStringLiteral("HostAddr")).toString(), QStringLiteral("198.18.0.21"));
        QCOMPARE(w.field(QStringLiteral("HostPort")).toString(), QStringLiteral("5000"));
        QCOMPARE(w.field(QStringLiteral("Profile")).toString(), QStringLiteral("ready1"));
        QCOMPARE(w.visitedIds(), QList<int>({0, 2}));
        QCOMPARE(capture.lines().filter(QStringLiteral("qlistKeys[FHOSTQC_DONE].count()=[1]")).size(), 1);

        // Back leads to the server-choice page again, with the choice and selection kept.
        backButton(w)->click();
        QCOMPARE(w.currentId(), 0);
        QVERIFY(w.serverChoicePage()->m_rdoAutoInput->isChecked());
        QCOMPARE(w.serverChoicePage()->m_tblViewFinder->selectionModel()->selectedRows().size(), 1);
    }

    void pickedServerAlreadyWatched()
    {
        storeProfile(QStringLiteral("Other name"), QStringLiteral("198.18.0.21"), 5000);
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, QStringLiteral("ready1")));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 0);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen[0].text,
                 QStringLiteral("The server with the IP [198.18.0.21] and connecting through port "
                                "[5000] has already been added."));
        QCOMPARE(boxes.seen[0].buttons, QStringList({"OK"}));
    }

    void pickedServerNameTaken()
    {
        storeProfile(QStringLiteral("READY1"), QStringLiteral("198.18.0.99"), 5000);
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, QStringLiteral("ready1")));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 0);
        QCOMPARE(boxes.texts(), QStringList({"Server name [ready1] already exists."}));
    }

    void vanishedServerRefusedSilently()
    {
        // The wizard's map no longer holds the server the list still shows.
        CVorkNasinfoMap otherMap;
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(nullptr, &m_model, &otherMap, nullptr, false);
        w.show();
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, QStringLiteral("b911")));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 0);
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(!w.getNasinfo());
    }

    void selectionSortedByState()
    {
        // Several selected rows of the finder's own table (as during a search), one of them in a
        // state the lists do not know.
        m_map.find(QStringLiteral("00:11:32:00:00:04"))->ulConfigured = 15;
        m_map.find(QStringLiteral("00:11:32:00:00:02"))->ulConfigured = 14;
        m_model.refreshAllRows();
        CWizRsrcAutoIPDialog page(nullptr, &m_model, nullptr);
        QTableView *t = page.m_tblViewFinder;
        t->setModel(&m_model);
        for (int r = 0; r < m_model.rowCount(); ++r)
            t->selectionModel()->select(m_model.index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QList<CVorkNasinfoMap::TKey> lists[CWizRsrcAutoIPDialog::STATE_LISTS];
        page.getSelectedNasinfo(lists);
        QCOMPARE(lists[FHOSTQC_DONE].size(), 6); // each row once, not once per column
        QCOMPARE(lists[FHOSTQC_UNINSTALL], QList<CVorkNasinfoMap::TKey>({"00:11:32:00:00:07"}));
        QCOMPARE(lists[14], QList<CVorkNasinfoMap::TKey>({"00:11:32:00:00:02"}));
        int total = 0;
        for (const auto &list : lists)
            total += list.size();
        QCOMPARE(total, 8); // the state-15 server is not collected
    }

    void columnsShareTheSpareWidth()
    {
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        CWizRsrcAutoIPDialog *p = w.serverChoicePage();
        QTableView *t = p->m_tblViewFinder;

        auto contentWidths = [t] {
            t->resizeColumnsToContents();
            QList<int> widths;
            for (int c = 0; c < 4; ++c)
                widths << t->columnWidth(c);
            return widths;
        };
        const QList<int> base = contentWidths();
        const int sum = base[0] + base[1] + base[2] + base[3];

        for (int spare : {400, 10, 27, 29}) {
            t->resize(sum + spare, t->height());
            p->resizeColumns();
            // Truncating division, as C++ divides: (10 - 26) / 4 = -4, (27 - 26) / 4 = 0.
            const int extra = (spare - 26) / 4;
            for (int c = 0; c < 4; ++c)
                QCOMPARE(t->columnWidth(c), base[c] + extra);
        }
        // No spare width at all: the columns keep their content widths.
        t->resize(sum, t->height());
        p->resizeColumns();
        for (int c = 0; c < 4; ++c)
            QCOMPARE(t->columnWidth(c), base[c]);
    }

    void searchThroughTheFinderPage()
    {
        // The finder page alone, on loopback: every answer's web port is refused, which marks
        // the server Ready.
        CVorkNasinfoMap finderMap;
        CVorkFinderWindow finder(nullptr, &finderMap);
        CVorkNasinfoModel *model = finder.getNasinfoModel();
        // A first search has listed one server.
        finder.slotRefreshTrigged();
        finder.slotInsert(answer("00:11:32:00:01:01", "before", netAddr(127, 0, 0, 31),
                                 FHOSTQC_DONE, 1100, 1));
        for (int i = 0; i < CVorkFinderWindow::PROGRESS_MAX && finder.isSearching(); ++i)
            finder.slotSetFinderProgress();
        QVERIFY(waitFor([&] {
            const NASINFO *n = finderMap.find(QStringLiteral("00:11:32:00:01:01"));
            return n && n->ulConfigured == FHOSTQC_DONE;
        }, 10000));

        BoxAnswerer boxes;
        auto *w = new CVorkWizardRsrcMon(&finder, model, &finderMap, nullptr, false);
        w->show();
        CWizRsrcAutoIPDialog *p = w->serverChoicePage();
        QTableView *t = p->m_tblViewFinder;
        QCOMPARE(columnTexts(t), QStringList({"before"}));

        QSignalSpy finished(&finder, SIGNAL(signalFindNasFinished()));
        p->m_refresh->click();
        // The finder searches; the table follows its model directly, the proxy waits.
        QVERIFY(finder.isSearching());
        QCOMPARE(finderMap.size(), 0);
        QCOMPARE(t->model(), static_cast<QAbstractItemModel *>(model));
        QVERIFY(!t->isSortingEnabled());
        QVERIFY(!p->proxyModel()->sourceModel());
        QVERIFY(!p->m_refresh->isEnabled());
        QVERIFY(p->m_lblRefresh->isVisibleTo(p));

        // Port 1: nothing listens there, so each web test ends at once with "refused".
        finder.slotInsert(answer("00:11:32:00:01:02", "fresh", netAddr(127, 0, 0, 32),
                                 FHOSTQC_DONE, 1100, 1));
        finder.slotInsert(answer("00:11:32:00:01:03", "old", netAddr(127, 0, 0, 33),
                                 FHOSTQC_DONE, 1240, 1));
        finder.slotInsert(answer("00:11:32:00:01:04", "blank", netAddr(127, 0, 0, 34),
                                 FHOSTQC_FALSE, 1100, 1));
        finder.slotSetFinderProgress();
        QVERIFY(waitFor([&] {
            const NASINFO *a = finderMap.find(QStringLiteral("00:11:32:00:01:02"));
            const NASINFO *b = finderMap.find(QStringLiteral("00:11:32:00:01:03"));
            return a && b && a->ulConfigured == FHOSTQC_DONE && b->ulConfigured == FHOSTQC_DONE;
        }, 10000));
        QCOMPARE(t->model()->rowCount(), 3); // every answer, unfiltered, while searching

        // During the search a server that is not ready, or cannot run the monitor, is refused.
        QVERIFY(selectRow(t, QStringLiteral("blank")));
        nextButton(*w)->click();
        QVERIFY(selectRow(t, QStringLiteral("old")));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 0);
        QCOMPARE(boxes.texts(), QStringList({"Please select a server.",
                                             "This function is not supported by the connected device."}));
        QCOMPARE(boxes.seen[1].title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen[1].icon, QMessageBox::Critical);

        // The end of the search brings the filtered, sorted list back.
        for (int i = 0; i < CVorkFinderWindow::PROGRESS_MAX && finder.isSearching(); ++i)
            finder.slotSetFinderProgress();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(t->model(), static_cast<QAbstractItemModel *>(p->proxyModel()));
        QVERIFY(!finderMap.find(QStringLiteral("00:11:32:00:01:01")));
        QCOMPARE(p->proxyModel()->sourceModel(), static_cast<QAbstractItemModel *>(model));
        QVERIFY(t->isSortingEnabled());
        QVERIFY(p->m_refresh->isEnabled());
        QVERIFY(p->m_lblRefresh->isHidden());
        QCOMPARE(columnTexts(t), QStringList({"fresh"}));

        // Picking it now leads on with its record.
        QVERIFY(selectRow(t, QStringLiteral("fresh")));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        QCOMPARE(w->getNasinfo()->ulIP, netAddr(127, 0, 0, 32));
        QCOMPARE(w->field(QStringLiteral("HostPort")).toString(), QStringLiteral("1"));

        // Once the wizard is gone the finder's search signals reach nothing (ASan would see a
        // dead page otherwise).
        delete w;
        finder.slotRefreshTrigged();
        for (int i = 0; i < CVorkFinderWindow::PROGRESS_MAX && finder.isSearching(); ++i)
            finder.slotSetFinderProgress();
        QCOMPARE(finished.count(), 2);
    }

    // --- account page ------------------------------------------------------------------------

    void accountPageLook()
    {
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        CWizRsrcPWDialog *p = w.accountPage();
        QCOMPARE(p->title(), QStringLiteral("Enter password"));
        QCOMPARE(p->m_plblAdminTitle->text(), QStringLiteral("Administrator's account:"));
        QCOMPARE(p->m_plblPassword->text(), QStringLiteral("Password:"));
        QCOMPARE(p->m_pchkSaveCred->text(), QStringLiteral("Remember password"));
        QCOMPARE(p->m_pgrpHint->title(), QStringLiteral("Hint:"));
        QCOMPARE(p->m_plblHint->text(),
                 QStringLiteral("Only the administrator can access resource monitor. Please enter "
                                "the administrator's password."));
        QVERIFY(p->m_plblAdminTitle->wordWrap());
        QVERIFY(p->m_plblHint->wordWrap());
        QCOMPARE(p->m_plblPassword->buddy(), static_cast<QWidget *>(p->m_pedtPassword));
        QCOMPARE(p->m_pedtPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(p->m_pedtAdminAccount->echoMode(), QLineEdit::Normal);
        QCOMPARE(p->m_pedtAdminAccount->text(), QStringLiteral("admin"));
        // languageChange also puts the default account back.
        p->m_pedtAdminAccount->setText(QStringLiteral("x"));
        p->languageChange();
        QCOMPARE(p->m_pedtAdminAccount->text(), QStringLiteral("admin"));
    }

    void accountByServerBuild_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("1564") << "b1564" << true;
        QTest::newRow("1565") << "b1565" << false;
        QTest::newRow("1100") << "ready1" << true;
    }

    void accountByServerBuild()
    {
        QFETCH(QString, server);
        QFETCH(bool, readOnly);
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, server));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        CWizRsrcPWDialog *p = w.accountPage();
        QCOMPARE(p->m_pedtAdminAccount->text(), QStringLiteral("admin"));
        QCOMPARE(p->m_pedtAdminAccount->isReadOnly(), readOnly);
        QCOMPARE(p->m_pedtPassword->text(), QString());
        QVERIFY(!p->m_pchkSaveCred->isChecked());
    }

    void accountReadOnlyStaysForTheRun()
    {
        // An old server first makes the account read-only; choosing a newer one afterwards does
        // not make it editable again in this run.
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, QStringLiteral("b1564")));
        nextButton(w)->click();
        QVERIFY(w.accountPage()->m_pedtAdminAccount->isReadOnly());
        backButton(w)->click();
        QVERIFY(selectRow(w.serverChoicePage()->m_tblViewFinder, QStringLiteral("b1565")));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QCOMPARE(w.getNasinfo()->ulBuild, uint32_t(1565));
        QVERIFY(w.accountPage()->m_pedtAdminAccount->isReadOnly());
    }

    void editProfileWithStoredPassword_data()
    {
        QTest::addColumn<uint32_t>("build");
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("no target") << 0u << "ops" << false;
        QTest::newRow("build 1565") << 1565u << "ops" << false;
        QTest::newRow("build 1564") << 1564u << "admin" << true;
    }

    void editProfileWithStoredPassword()
    {
        QFETCH(uint32_t, build);
        QFETCH(QString, account);
        QFETCH(bool, readOnly);
        NASINFO target = answer("00:11:32:00:00:31", "target", netAddr(198, 18, 0, 31),
                                FHOSTQC_DONE, build);
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(
            editRun(opsProfile(scrambleEncodeString(QStringLiteral("s3cret")), true),
                    build ? &target : nullptr));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        CWizRsrcPWDialog *p = w->accountPage();
        QCOMPARE(p->m_pedtAdminAccount->text(), account);
        QCOMPARE(p->m_pedtAdminAccount->isReadOnly(), readOnly);
        QCOMPARE(p->m_pedtPassword->text(), QStringLiteral("s3cret"));
        QVERIFY(p->m_pchkSaveCred->isChecked());
        QVERIFY(boxes.seen.isEmpty());
    }

    void editProfileStoredWithoutPassword()
    {
        // Stored and read back as the page will find it: no password key, not remembered.
        storeProfile(QStringLiteral("Office"), QStringLiteral("198.18.0.50"), 5000,
                     QStringLiteral("ops"), scrambleEncodeString(QStringLiteral("x")), false);
        CRsrcConfig loaded;
        loaded.load(QStringLiteral("Office"), CRsrcConfig::strRsrcRootGroup);
        QVERIFY(loaded.getPassword().isEmpty());
        QVERIFY(!loaded.isSaveCred());

        QScopedPointer<CVorkWizardRsrcMon> w(editRun(loaded, nullptr));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        CWizRsrcPWDialog *p = w->accountPage();
        QCOMPARE(p->m_pedtAdminAccount->text(), QStringLiteral("ops"));
        QCOMPARE(p->m_pedtPassword->text(), QString());
        QVERIFY(!p->m_pchkSaveCred->isChecked());
    }

    void undecodablePasswordGivesDefaults()
    {
        // Fifteen characters: an odd length never comes out of the scrambler.
        const QString broken = QStringLiteral("ZZ+-+-99zz99ZZ+");
        QVERIFY(scrambleDecodeString(broken).isNull());
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(editRun(opsProfile(broken, true), nullptr));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        CWizRsrcPWDialog *p = w->accountPage();
        QCOMPARE(p->m_pedtAdminAccount->text(), QStringLiteral("admin"));
        QCOMPARE(p->m_pedtPassword->text(), QString());
        QVERIFY(!p->m_pchkSaveCred->isChecked());
        QVERIFY(boxes.seen.isEmpty());
    }

    void emptyAccountRefused()
    {
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(editRun(opsProfile(QString(), false), nullptr));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.data(), tsup::guardMs()));
        nextButton(*w)->click();
        CWizRsrcPWDialog *p = w->accountPage();
        p->m_pedtPassword->setFocus();
        p->m_pedtAdminAccount->clear();
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes.seen[0].text, QStringLiteral("Please enter an administrator account"));
        QCOMPARE(boxes.seen[0].buttons, QStringList({"OK"}));
        QCOMPARE(w->focusWidget(), static_cast<QWidget *>(p->m_pedtAdminAccount));

        // An empty password is fine.
        p->m_pedtAdminAccount->setText(QStringLiteral("ops"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 3);
    }

    void passwordLimit()
    {
        QScopedPointer<CVorkWizardRsrcMon> w(editRun(opsProfile(QString(), false), nullptr));
        nextButton(*w)->click();
        QLineEdit *edit = w->accountPage()->m_pedtPassword;
        QCOMPARE(edit->maxLength(), 254);
        const auto *validator = qobject_cast<const QRegExpValidator *>(edit->validator());
        QVERIFY(validator);
        QCOMPARE(validator->regExp().pattern(), QStringLiteral(".{0,254}"));
        QCOMPARE(validator->regExp().caseSensitivity(), Qt::CaseSensitive);
        QCOMPARE(validator->regExp().patternSyntax(), QRegExp::RegExp);

        // Typing stops at 254 characters.
        edit->clear();
        QTest::keyClicks(edit, QString(255, QLatin1Char('p')));
        QCOMPARE(edit->text().size(), 254);

        // 254 characters of three UTF-8 bytes each come back whole from the record.
        const QString euros(254, QChar(0x20AC));
        edit->setText(euros);
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 3);
        QCOMPARE(scrambleDecodeString(w->getConfig()->getPassword()), euros);
        // Entering the page again does not stack validators.
        backButton(*w)->click();
        backButton(*w)->click();
        nextButton(*w)->click();
        QCOMPARE(edit->findChildren<QValidator *>().size(), 1);
    }

    // --- summary page and whole runs ---------------------------------------------------------

    void summaryPageLook()
    {
        CVorkWizardRsrcMon w(nullptr, nullptr, &m_map, nullptr, true);
        CWizRsrcSummary *p = w.summaryPage();
        QCOMPARE(p->title(), QStringLiteral("Configuration report"));
        QCOMPARE(p->subTitle(), QStringLiteral("The following configurations will be applied:"));
        QCOMPARE(p->m_ptrwConfig->headerItem()->text(0), QStringLiteral("Item"));
        QCOMPARE(p->m_ptrwConfig->headerItem()->text(1), QStringLiteral("Value"));
        QCOMPARE(p->m_pchkConnect->text(), QStringLiteral("Connect immediately"));
        QVERIFY(p->m_pchkConnect->isChecked());
        QCOMPARE(p->m_pgrpHint->title(), QStringLiteral("Hint:"));
        QCOMPARE(p->m_plblHint->text(),
                 QStringLiteral("Please review the settings that will be applied to the system. "
                                "You can go back and modify the settings if needed."));
        QVERIFY(p->m_plblHint->wordWrap());
        QTreeWidget *t = p->m_ptrwConfig;
        QCOMPARE(t->topLevelItemCount(), 0);
        QCOMPARE(t->columnCount(), 2);
        QVERIFY(t->alternatingRowColors());
        QVERIFY(!t->rootIsDecorated());
        QVERIFY(!t->itemsExpandable());
        QCOMPARE(t->indentation(), 0);
        QVERIFY(t->allColumnsShowFocus());
        QCOMPARE(t->header()->sectionResizeMode(1), QHeaderView::Stretch);
        QVERIFY(t->styleSheet().contains(QLatin1String("QTreeView::item:alternate { background: rgb(244, 244, 234); }")));
        QVERIFY(t->styleSheet().contains(QLatin1String("QTreeView::item:selected { background: rgb(149, 167, 238); }")));
    }

    void backFromSummaryAndForward()
    {
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        w.serverChoicePage()->m_rdoManInput->click();
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        typeInto(w.addressPage()->m_pedtHost, QStringLiteral("198.18.0.60"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        CWizRsrcPWDialog *p = w.accountPage();
        typeInto(p->m_pedtAdminAccount, QStringLiteral("ops"));
        typeInto(p->m_pedtPassword, QStringLiteral("pw"));
        p->m_pchkSaveCred->setChecked(true);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        QTreeWidget *tree = w.summaryPage()->m_ptrwConfig;
        QCOMPARE(treeRows(tree), QStringList({"Name=198.18.0.60",
                                              "Varnestor Manager URL=http://198.18.0.60/",
                                              "Administrator's account:=ops",
                                              "Administrator's password=********",
                                              "Remember password=Yes"}));

        backButton(w)->click();
        QCOMPARE(tree->topLevelItemCount(), 0);
        backButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        // The values of the address page stayed.
        QCOMPARE(w.addressPage()->m_pedtHost->text(), QStringLiteral("198.18.0.60"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QCOMPARE(p->m_pedtAdminAccount->text(), QStringLiteral("admin"));
        QCOMPARE(p->m_pedtPassword->text(), QStringLiteral("pw"));
        QVERIFY(p->m_pchkSaveCred->isChecked());
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        QCOMPARE(tree->topLevelItemCount(), 5);
        QCOMPARE(tree->topLevelItem(2)->text(1), QStringLiteral("admin"));
        QVERIFY(boxes.seen.isEmpty());
    }

    void finishAddRun()
    {
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.show();
        w.serverChoicePage()->m_rdoManInput->click();
        nextButton(w)->click();
        // A name without a dot proposes no profile name; the user types one.
        typeInto(w.addressPage()->m_pedtHost, QStringLiteral("localhost"));
        QCOMPARE(w.addressPage()->m_pedtProfile->text(), QString());
        QVERIFY(!nextButton(w)->isEnabled());
        typeInto(w.addressPage()->m_pedtPort, QStringLiteral("5000"));
        typeInto(w.addressPage()->m_pedtProfile, QStringLiteral("Home NAS"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        typeInto(w.accountPage()->m_pedtPassword, QStringLiteral("A"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        QTreeWidget *tree = w.summaryPage()->m_ptrwConfig;
        QCOMPARE(tree->topLevelItemCount(), 5);
        QCOMPARE(tree->topLevelItem(3)->text(1), QStringLiteral("********"));
        QCOMPARE(tree->topLevelItem(4)->text(1), QStringLiteral("No"));
        w.summaryPage()->m_pchkConnect->setChecked(false);
        QVERIFY(finishButton(w)->isVisible());
        finishButton(w)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(!w.isVisible());
        QVERIFY(boxes.seen.isEmpty());

        // What the main window reads and stores.
        const CRsrcConfig *record = w.createConfig();
        QCOMPARE(record->getHostAddr(), QStringLiteral("localhost"));
        QCOMPARE(record->getHostPort(), 5000);
        QCOMPARE(record->getProfile(), QStringLiteral("Home NAS"));
        QCOMPARE(record->getAdminAccount(), QStringLiteral("admin"));
        QCOMPARE(record->getPassword(), QString::fromLatin1(kScrambledA));
        QCOMPARE(scrambleDecodeString(record->getPassword()), QStringLiteral("A"));
        QVERIFY(!record->isSaveCred());
        QVERIFY(!record->isConnection());
        QCOMPARE(record->getUrl(), QStringLiteral("http://localhost:5000/"));
        QCOMPARE(w.createConfig()->getProfile(), QStringLiteral("Home NAS"));
    }

    void finishEditRunWithExec()
    {
        // The main window's way: exec() until the user finishes.
        CRsrcConfig stored = storeProfile(QStringLiteral("Office"), QStringLiteral("198.18.0.50"),
                                          5000, QStringLiteral("ops"),
                                          scrambleEncodeString(QStringLiteral("pw")), true);
        CVorkWizardRsrcMon w(nullptr, nullptr, &m_map, nullptr, true);
        w.setConfig(stored);
        int steps = 0;
        QTimer driver;
        driver.setInterval(20);
        connect(&driver, &QTimer::timeout, &w, [&] {
            if (!w.isVisible() || ++steps > 200)
                return;
            if (w.currentId() == 3)
                finishButton(w)->click();
            else
                nextButton(w)->click();
        });
        driver.start();
        QCOMPARE(w.exec(), int(QDialog::Accepted));
        driver.stop();
        const CRsrcConfig *record = w.createConfig();
        QCOMPARE(record->getProfile(), QStringLiteral("Office"));
        QCOMPARE(record->getAdminAccount(), QStringLiteral("ops"));
        QCOMPARE(scrambleDecodeString(record->getPassword()), QStringLiteral("pw"));
        QVERIFY(record->isSaveCred());
        QVERIFY(record->isConnection());
    }
};

RSRC_WIZARD_TEST_MAIN(TestRsrcWizard)
#include "tst_rsrcwizard.moc"
