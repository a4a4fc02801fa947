// The server choice page of the photo-profile add wizard, against the real finder page and its
// model: which found servers are listed, the search cycle with the finder, the column fit, every
// road out of the page on Next, and the busy animation.
//
// Found servers are records put into the real map of found servers; the finder page has no
// discovery thread, so its search reaches no socket. The end of a search is the finder's own
// signal, emitted here instead of waiting for its twenty ticks.

#include <QHeaderView>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "../shellwin/shelltestmain.h"
#include "CVorkAddDlgNasinfoProxyModel.h"
#include "CVorkFinderWindow.h"
#include "CVorkNasinfoMap.h"
#include "CVorkNasinfoModel.h"
#include "HangGuard.h"
#include "photowiztest.h"

using namespace photowiztest;

namespace {

const char kSource[] = "src/WizardPhotoUpload/CWizPhotoAutoIPDialog";

QStringList g_messages;
void keepMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    g_messages << text;
}
struct MessageCapture {
    QtMessageHandler previous;
    MessageCapture() : previous(qInstallMessageHandler(keepMessage)) { g_messages.clear(); }
    ~MessageCapture() { qInstallMessageHandler(previous); }
};

bool anyMessageMatches(const QString &pattern)
{
    const QRegularExpression re(pattern);
    for (const QString &line : g_messages) {
        if (re.match(line).hasMatch())
            return true;
    }
    return false;
}

// Ready, photo upload offered from build 1240 on only with service bit 3.
NASINFO *photoServer(const char *mac, const char *name, uint8_t host, uint32_t build,
                     bool photoBit, uint32_t state = FHOSTQC_DONE)
{
    NASINFO *n = makeNas(mac, name, netAddr(198, 18, 0, host), state, build);
    if (photoBit)
        n->ullbmapSupport1 = 1ull << FHOST_SERVICE_PHOTO;
    return n;
}

// The string table's texts in another language (context "global").
class GermanTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "global") != 0)
            return QString();
        const QString text = QString::fromUtf8(source);
        if (text == "Please select a server for photo uploads")
            return QStringLiteral("Server für Foto-Uploads wählen");
        if (text == "Search")
            return QStringLiteral("Suchen");
        if (text == "Select from the list below")
            return QStringLiteral("Aus der Liste wählen");
        if (text == "Manual setup")
            return QStringLiteral("Manuell einrichten");
        return QString();
    }
};

} // namespace

class TestPhotoChoice : public QObject
{
    Q_OBJECT

private:
    CVorkNasinfoMap m_map;
    CVorkFinderWindow *m_finder = nullptr;

    CVorkNasinfoModel *model() const { return m_finder->getNasinfoModel(); }

    // The finder's tick: new keys get their rows, changed records are read again.
    void announce() { model()->insertNewRows(); }

    static QStringList column(const QAbstractItemModel *m, int c)
    {
        QStringList texts;
        for (int r = 0; r < m->rowCount(); ++r)
            texts << m->index(r, c).data().toString().trimmed();
        return texts;
    }

    static int rowOf(const QAbstractItemModel *m, const QString &name)
    {
        return column(m, 0).indexOf(name);
    }

    // Clicks the server's row in the list of a shown page.
    static bool clickServer(CWizPhotoAutoIPDialog *page, const QString &name)
    {
        QTableView *table = page->m_tblViewFinder;
        const int row = rowOf(table->model(), name);
        if (row < 0)
            return false;
        const QModelIndex index = table->model()->index(row, 0);
        table->scrollTo(index);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table->visualRect(index).center());
        const QModelIndexList selected = table->selectionModel()->selectedRows();
        return selected.size() == 1 && selected.first().row() == row;
    }

    // An add wizard on the finder, shown on its first page.
    std::unique_ptr<CVorkWizardPhotoUpload> addWizard()
    {
        std::unique_ptr<CVorkWizardPhotoUpload> w(
            new CVorkWizardPhotoUpload(m_finder, model(), &m_map, nullptr, false));
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get(), tsup::guardMs()))
            return nullptr;
        return w;
    }

private slots:
    void initTestCase()
    {
        // Only the test advances or ends a search.
        CVorkFinderWindow::setTickIntervalMs(24 * 3600 * 1000);
    }

    void init()
    {
        clearStoredProfiles();
        m_map.clear();
        m_finder = new CVorkFinderWindow(nullptr, &m_map);
        // Key order is not name order, so a listed order proves the sorting.
        m_map.insert(photoServer("00:11:32:00:00:01", "delta", 21, 1100, false), true);
        m_map.insert(photoServer("00:11:32:00:00:02", "alpha", 22, 1300, true), true);
        m_map.insert(photoServer("00:11:32:00:00:03", "charlie", 23, 1300, false), true);
        m_map.insert(photoServer("00:11:32:00:00:04", "bravo", 24, 1000, false), true);
        m_map.insert(photoServer("00:11:32:00:00:05", "echo", 25, 1100, false, FHOSTQC_FALSE),
                     true);
        announce();
    }

    void cleanup()
    {
        delete m_finder;
        m_finder = nullptr;
        m_map.clear();
    }

    // ---- the list ----

    void listsReadyPhotoServersByName()
    {
        CWizPhotoAutoIPDialog page(m_finder, model(), nullptr);
        QTableView *table = page.m_tblViewFinder;
        QCOMPARE(table->model(), static_cast<QAbstractItemModel *>(page.proxyModel()));
        QCOMPARE(page.proxyModel()->sourceModel(), static_cast<QAbstractItemModel *>(model()));

        const QAbstractItemModel *list = table->model();
        QCOMPARE(list->columnCount(), 4);
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << list->headerData(c, Qt::Horizontal).toString().trimmed();
        QCOMPARE(headers, (QStringList{"Server name", "IP address", "Status", "Model"}));
        QCOMPARE(column(list, 0), (QStringList{"alpha", "delta"}));
        QCOMPARE(column(list, 1), (QStringList{"198.18.0.22", "198.18.0.21"}));
        QCOMPARE(column(list, 2), (QStringList{"Ready", "Ready"}));

        QVERIFY(table->isSortingEnabled());
        QCOMPARE(page.proxyModel()->sortColumn(), 0);
        QCOMPARE(page.proxyModel()->sortOrder(), Qt::AscendingOrder);
        QCOMPARE(table->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(page.proxyModel()->filterKeyColumn(), 0);
        QCOMPARE(table->horizontalHeader()->defaultAlignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        QVERIFY(page.proxyModel()->dynamicSortFilter());
    }

    void listFollowsTheFinder()
    {
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        const QAbstractItemModel *list = w->serverChoicePage()->m_tblViewFinder->model();
        QCOMPARE(column(list, 0), (QStringList{"alpha", "delta"}));

        // alpha leaves Ready: its row goes as soon as the finder's model shows the change.
        m_map.find(QStringLiteral("00:11:32:00:00:02"))->ulConfigured = FHOSTQC_BOOTING;
        announce();
        QCOMPARE(column(list, 0), QStringList{"delta"});

        // A new Ready server, and echo becoming Ready, come in sorted.
        m_map.insert(photoServer("00:11:32:00:00:06", "cobalt", 26, 1100, false), true);
        m_map.find(QStringLiteral("00:11:32:00:00:05"))->ulConfigured = FHOSTQC_DONE;
        announce();
        QCOMPARE(column(list, 0), (QStringList{"cobalt", "delta", "echo"}));
        QCOMPARE(w->currentId(), 0);
    }

    void formAsDesigned()
    {
        CWizPhotoAutoIPDialog page(m_finder, model(), nullptr);
        QCOMPARE(page.size(), QSize(599, 441));
        QCOMPARE(page.windowTitle(), QStringLiteral("WizardPage"));
        QTableView *table = page.m_tblViewFinder;
        QCOMPARE(table->styleSheet(),
                 QStringLiteral("QTableView{color: black;  font: 12 px;  background-color: "
                                "white;}\nQTableView::item:selected { color: black; background: "
                                "rgb(230, 240, 250); }\nQHeaderView::section { color: rgb(121, "
                                "124, 140); font: 12px; }\n"));
        QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QVERIFY(table->verticalHeader()->isHidden());
        QVERIFY(!table->horizontalHeader()->isHidden());
        QVERIFY(!page.m_refresh->isFlat());
        QVERIFY(page.m_lblRefresh->isHidden());

        // The radios are exclusive and the list is usable only with "Select from the list".
        QVERIFY(page.m_rdoAutoInput->isChecked());
        QVERIFY(!page.m_rdoManInput->isChecked());
        QCOMPARE(page.nextId(), 2);
        page.m_rdoManInput->click();
        QVERIFY(!page.m_rdoAutoInput->isChecked());
        QVERIFY(!table->isEnabled());
        QCOMPARE(page.nextId(), 1);
        page.m_rdoAutoInput->click();
        QVERIFY(!page.m_rdoManInput->isChecked());
        QVERIFY(table->isEnabled());

        // Next is never held back: the page has no fields.
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        QVERIFY(w->serverChoicePage()->isComplete());
        QVERIFY(nextButton(*w)->isEnabled());
    }

    void textsAndLanguageChange()
    {
        CWizPhotoAutoIPDialog page(m_finder, model(), nullptr);
        QCOMPARE(page.title(), QStringLiteral("Please select a server for photo uploads"));
        QCOMPARE(page.m_refresh->text(), QStringLiteral("Search"));
        QCOMPARE(page.m_rdoAutoInput->text(), QStringLiteral("Select from the list below"));
        QCOMPARE(page.m_rdoManInput->text(), QStringLiteral("Manual setup"));

        GermanTexts german;
        QCoreApplication::installTranslator(&german);
        page.languageChange();
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(page.title(), QStringLiteral("Server für Foto-Uploads wählen"));
        QCOMPARE(page.m_refresh->text(), QStringLiteral("Suchen"));
        QCOMPARE(page.m_rdoAutoInput->text(), QStringLiteral("Aus der Liste wählen"));
        QCOMPARE(page.m_rdoManInput->text(), QStringLiteral("Manuell einrichten"));
    }

    // ---- the search ----

    void searchCycle()
    {
        QSignalSpy refresh(m_finder, &CVorkFinderWindow::signalRefresh);
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        CWizPhotoAutoIPDialog *page = w->serverChoicePage();
        QTableView *table = page->m_tblViewFinder;
        // Building and showing the page starts no search.
        QCOMPARE(refresh.count(), 0);
        QVERIFY(!m_finder->isSearching());
        QVERIFY(!page->m_lblRefresh->isVisible());

        page->m_refresh->click();
        QCOMPARE(refresh.count(), 1);
        QVERIFY(m_finder->isSearching());
        QVERIFY(!page->m_refresh->isEnabled());
        QVERIFY(page->m_lblRefresh->isVisible());
        QVERIFY(!table->isSortingEnabled());
        QCOMPARE(page->m_lblRefresh->movie()->state(), QMovie::Running);

        // The finder's first search kept its list; an answer arriving now is listed.
        m_map.insert(photoServer("00:11:32:00:00:06", "aaron", 26, 1100, false), true);
        announce();
        QVERIFY(column(table->model(), 0).contains("aaron"));

        emit m_finder->signalFindNasFinished();
        QVERIFY(page->m_refresh->isEnabled());
        QVERIFY(!page->m_lblRefresh->isVisible());
        QVERIFY(table->isSortingEnabled());
        QCOMPARE(page->proxyModel()->sortColumn(), 0);
        QCOMPARE(page->proxyModel()->sortOrder(), Qt::AscendingOrder);
        QCOMPARE(table->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(page->proxyModel()->sourceModel(), static_cast<QAbstractItemModel *>(model()));
        QCOMPARE(column(table->model(), 0), (QStringList{"aaron", "alpha", "delta"}));

        // The next search starts from the finder's sorted view: the finder empties its map, and
        // the list follows.
        page->m_refresh->click();
        QCOMPARE(refresh.count(), 2);
        QCOMPARE(table->model()->rowCount(), 0);
        m_map.insert(photoServer("00:11:32:00:00:02", "alpha", 22, 1300, true), true);
        announce();
        QCOMPARE(column(table->model(), 0), QStringList{"alpha"});
        emit m_finder->signalFindNasFinished();
        QVERIFY(page->m_refresh->isEnabled());
        QCOMPARE(w->currentId(), 0);
    }

    void finderSearchesOnItsOwn()
    {
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        CWizPhotoAutoIPDialog *page = w->serverChoicePage();
        // The finished signal while idle, and a search started on the finder page itself.
        emit m_finder->signalFindNasFinished();
        QVERIFY(page->m_refresh->isEnabled());
        QVERIFY(!page->m_lblRefresh->isVisible());
        QVERIFY(page->m_tblViewFinder->isSortingEnabled());

        m_finder->slotRefreshTrigged();
        QVERIFY(page->m_refresh->isEnabled());
        QVERIFY(!page->m_lblRefresh->isVisible());
        m_map.insert(photoServer("00:11:32:00:00:07", "zulu", 27, 1100, false), true);
        m_map.insert(photoServer("00:11:32:00:00:08", "beta", 28, 1100, false), true);
        announce();
        emit m_finder->signalFindNasFinished();
        QVERIFY(page->m_refresh->isEnabled());
        QVERIFY(!page->m_lblRefresh->isVisible());
        QCOMPARE(column(page->m_tblViewFinder->model(), 0), (QStringList{"beta", "zulu"}));
    }

    void wizardGoneBeforeTheFinder()
    {
        QSignalSpy refresh(m_finder, &CVorkFinderWindow::signalRefresh);
        {
            std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
            QVERIFY(w);
            w->serverChoicePage()->m_refresh->click();
            QCOMPARE(refresh.count(), 1);
        }
        // The finder goes on and ends its search with no page left to hear it.
        emit m_finder->signalFindNasFinished();
        m_finder->slotRefreshTrigged();
        emit m_finder->signalFindNasFinished();
        QCOMPARE(refresh.count(), 2);
    }

    void withoutFinder()
    {
        // An edit wizard has no server choice page and needs neither finder nor model.
        {
            CVorkWizardPhotoUpload edit(nullptr, nullptr, &m_map, nullptr, true);
            QVERIFY(!edit.serverChoicePage());
            QCOMPARE(edit.pageIds(), (QList<int>{1, 2, 3}));
            edit.show();
            QCOMPARE(edit.currentId(), 1);
        }
        // An add wizard without them lists nothing and its Search does nothing.
        CVorkWizardPhotoUpload add(nullptr, nullptr, &m_map, nullptr, false);
        add.show();
        CWizPhotoAutoIPDialog *page = add.serverChoicePage();
        QCOMPARE(page->m_tblViewFinder->model()->rowCount(), 0);
        page->m_refresh->click();
        QVERIFY(page->m_refresh->isEnabled());
        QVERIFY(!page->m_lblRefresh->isVisible());
        BoxAnswerer boxes;
        nextButton(add)->click();
        QCOMPARE(add.currentId(), 0);
        QCOMPARE(boxes.texts(), QStringList{"Please select a server."});
    }

    // ---- column fit ----

    void columnsFitTheTable_data()
    {
        QTest::addColumn<int>("room");   // W - S after fitting to the contents
        QTest::addColumn<int>("change"); // what each column gains
        QTest::newRow("200 wider") << 200 << 43;
        QTest::newRow("10 wider") << 10 << -4;
        QTest::newRow("1 wider") << 1 << -6;
        QTest::newRow("26 wider") << 26 << 0;
        QTest::newRow("as wide") << 0 << 0;
        QTest::newRow("narrower") << -30 << 0;
    }
    void columnsFitTheTable()
    {
        QFETCH(int, room);
        QFETCH(int, change);
        CWizPhotoAutoIPDialog page(m_finder, model(), nullptr);
        QTableView *table = page.m_tblViewFinder;
        table->resizeColumnsToContents();
        QList<int> fitted;
        int sum = 0;
        for (int c = 0; c < 4; ++c) {
            fitted << table->columnWidth(c);
            sum += fitted.last();
        }
        QVERIFY(sum > 100);
        table->resize(sum + room, 150);
        page.resizeColumns();
        QCOMPARE(table->width(), sum + room);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(table->columnWidth(c), fitted.at(c) + change);
    }

    // ---- Next ----

    void nothingSelected()
    {
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        BoxAnswerer boxes;
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 0);
        QCOMPARE(boxes.seen.size(), 1);
        const BoxAnswerer::Seen &box = boxes.seen.first();
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.text, QStringLiteral("Please select a server."));
        QCOMPARE(box.buttons, QStringList{"OK"});
        QCOMPARE(box.parent, static_cast<QWidget *>(w->serverChoicePage()));
        QVERIFY(!w->getNasinfo());
    }

    void selectedServerChangedBeforeNext_data()
    {
        QTest::addColumn<int>("change"); // 0 gone, else the new state
        QTest::addColumn<bool>("unhandled");
        QTest::newRow("left the map") << 0 << false;
        QTest::newRow("booting") << int(FHOSTQC_BOOTING) << false;
        QTest::newRow("state 15") << 15 << true;
        QTest::newRow("state 200") << 200 << true;
    }
    void selectedServerChangedBeforeNext()
    {
        QFETCH(int, change);
        QFETCH(bool, unhandled);
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        QVERIFY(clickServer(w->serverChoicePage(), "alpha"));
        // The map changes and the model has not shown it yet: the row is still listed.
        if (change == 0)
            m_map.clear();
        else
            m_map.insert(photoServer("00:11:32:00:00:02", "alpha", 22, 1300, true, change), true);
        MessageCapture messages;
        BoxAnswerer boxes;
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 0);
        QCOMPARE(boxes.texts(), QStringList{"Please select a server."});
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Warning"));
        QVERIFY(!w->getNasinfo());
        const QString pattern = QStringLiteral("^%1:\\d+ unhandled VR status \\[%2\\]\\n?$")
                                    .arg(QRegularExpression::escape(kSource))
                                    .arg(change);
        QCOMPARE(anyMessageMatches(pattern), unhandled);
    }

    void selectedServerLostPhotoSupport()
    {
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        QVERIFY(clickServer(w->serverChoicePage(), "alpha"));
        m_map.insert(photoServer("00:11:32:00:00:02", "alpha", 22, 1300, false), true);
        BoxAnswerer boxes;
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 0);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen.first().text,
                 QStringLiteral("This function is not supported by the connected device."));
        QCOMPARE(boxes.seen.first().buttons, QStringList{"OK"});
        QVERIFY(!w->getNasinfo());
    }

    void manualSetupDropsTargetAndProfile()
    {
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        w->setNasinfo(m_map.find(QStringLiteral("00:11:32:00:00:02")));
        CPhotoUploadConfig held(8080, false, QStringLiteral("old"), QStringLiteral("198.18.0.9"),
                                QString(), QStringLiteral("admin"), false, QString());
        w->setPhotoUploadConfig(held);
        // A selection stays while "Manual setup" is chosen but counts for nothing.
        QVERIFY(clickServer(w->serverChoicePage(), "alpha"));
        BoxAnswerer boxes;
        chooseManualSetup(*w);
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(!w->getNasinfo());
        QVERIFY(!w->getConfig());
        CWizPhotoIPDialog *address = w->addressPage();
        QCOMPARE(address->m_pedtHost->text(), QString());
        QCOMPARE(address->m_pedtPort->text(), QStringLiteral("80"));
        QCOMPARE(address->m_pedtProfile->text(), QString());
    }

    void listedServerGoesToTheAccountPage()
    {
        storeProfile(QStringLiteral("office"));
        m_map.insert(photoServer("00:11:32:00:00:09", "office", 31, 1100, false), true);
        announce();
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        QSignalSpy visited(w.get(), &QWizard::currentIdChanged);
        QVERIFY(clickServer(w->serverChoicePage(), "office"));
        MessageCapture messages;
        BoxAnswerer boxes;
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        QCOMPARE(visited.count(), 1);
        QCOMPARE(w->visitedIds(), (QList<int>{0, 2}));
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(w->getNasinfo());
        QCOMPARE(QString::fromLatin1(w->getNasinfo()->szMac), QStringLiteral("00:11:32:00:00:09"));
        // A copy: the map's record may go without touching the wizard's.
        QVERIFY(w->getNasinfo() != m_map.find(QStringLiteral("00:11:32:00:00:09")));
        QVERIFY(!w->getConfig());
        CWizPhotoIPDialog *address = w->addressPage();
        QCOMPARE(address->m_pedtHost->text(), QStringLiteral("198.18.0.31"));
        QCOMPARE(address->m_pedtPort->text(), QStringLiteral("80"));
        QCOMPARE(address->m_pedtProfile->text(), QStringLiteral("office(1)"));
        QCOMPARE(w->field("HostAddr").toString(), QStringLiteral("198.18.0.31"));
        const QString pattern =
            QStringLiteral("^%1:\\d+ qlistKeys\\[FHOSTQC_DONE\\]\\.count\\(\\)=\\[1\\]\\n?$")
                .arg(QRegularExpression::escape(kSource));
        QVERIFY(anyMessageMatches(pattern));

        m_map.clear();
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 3);
        QCOMPARE(w->getConfig()->getHostAddr(), QStringLiteral("198.18.0.31"));
        QCOMPARE(w->getConfig()->getProfile(), QStringLiteral("office(1)"));
    }

    void backFromTheSummaryToAnotherServer()
    {
        std::unique_ptr<CVorkWizardPhotoUpload> w = addWizard();
        QVERIFY(w);
        QVERIFY(clickServer(w->serverChoicePage(), "delta"));
        nextButton(*w)->click();
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 3);
        QCOMPARE(w->getConfig()->getProfile(), QStringLiteral("delta"));

        backButton(*w)->click();
        backButton(*w)->click();
        QCOMPARE(w->currentId(), 0);
        QVERIFY(clickServer(w->serverChoicePage(), "alpha"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        // The record the summary built for delta is gone; the skipped page holds alpha.
        QVERIFY(!w->getConfig());
        QCOMPARE(QString::fromLatin1(w->getNasinfo()->szMac), QStringLiteral("00:11:32:00:00:02"));
        CWizPhotoIPDialog *address = w->addressPage();
        QCOMPARE(address->m_pedtHost->text(), QStringLiteral("198.18.0.22"));
        QCOMPARE(address->m_pedtPort->text(), QStringLiteral("80"));
        QCOMPARE(address->m_pedtProfile->text(), QStringLiteral("alpha"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 3);
        QCOMPARE(w->getConfig()->getHostAddr(), QStringLiteral("198.18.0.22"));
        QCOMPARE(w->getConfig()->getProfile(), QStringLiteral("alpha"));

        // And back once more to type an address by hand: nothing of alpha is carried over.
        backButton(*w)->click();
        backButton(*w)->click();
        chooseManualSetup(*w);
        QVERIFY(!w->getNasinfo());
        QVERIFY(!w->getConfig());
        QCOMPARE(address->m_pedtHost->text(), QString());
        QCOMPARE(address->m_pedtProfile->text(), QString());
    }

    // ---- the busy animation ----

    void busyAnimation()
    {
        CWizPhotoAutoIPDialog page(m_finder, model(), nullptr);
        QMovie *movie = page.m_lblRefresh->movie();
        QVERIFY(movie);
        QCOMPARE(movie->fileName(), QStringLiteral(":/images/refreshing.gif"));
        QVERIFY(movie->isValid());
        QCOMPARE(movie->state(), QMovie::Running);
        QVERIFY(!movie->parent());

        QImageReader reader(QStringLiteral(":/images/refreshing.gif"));
        QCOMPARE(reader.format(), QByteArray("gif"));
        QCOMPARE(reader.imageCount(), 8);
        QCOMPARE(reader.loopCount(), -1); // for ever
        const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(reader.nextImageDelay(), 100);
        const QImage second = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(first.size(), QSize(16, 16));
        // The dark head starts at the top and moves on clockwise; the dot it left fades.
        QCOMPARE(first.pixel(7, 2), qRgb(0x1F, 0x4E, 0x79));
        QCOMPARE(second.pixel(11, 3), qRgb(0x1F, 0x4E, 0x79));
        QCOMPARE(second.pixel(7, 2), qRgb(0x4A, 0x78, 0xA8));
        QCOMPARE(first.pixel(11, 3), qRgb(0xC4, 0xD4, 0xE6));
        // Clear ground around and inside the ring.
        QCOMPARE(qAlpha(first.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(first.pixel(8, 8)), 0);
    }
};

static int noChildCase(const QByteArray &)
{
    return 1;
}

VORK_SHELL_TEST_MAIN(TestPhotoChoice, noChildCase)
#include "tst_photochoice.moc"
