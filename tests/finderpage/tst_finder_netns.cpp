// A whole search of the finder page against the real discovery thread, in the namespace bed: the
// simulated server answers for six units in different states, each Ready unit with an HTTP
// responder on its web port (one answers when told, one never, one has no host at its
// address). The table fills live, Ready units pass through "Getting connection status...",
// the lone unconfigured unit is connected once, and an unsolicited answer between searches
// updates its row in place. An HTTP proxy named by the environment is never used.
#include <QDir>
#include <QImage>
#include <QSettings>
#include <QSignalSpy>

#include "CFindHostUDP.h"
#include "CQuenWOL.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "CWOLConfig.h"
#include "finderpagetest.h"
#include "netnsbed.h"

using namespace fpt;
using tsup::waitFor;

namespace {

const char *const MAC_READY = "02:53:56:00:10:01";
const char *const MAC_SLOW = "02:53:56:00:10:02";
const char *const MAC_NEW = "02:53:56:00:10:03";
const char *const MAC_CHECK = "02:53:56:00:10:04";
const char *const MAC_GONE = "02:53:56:00:10:05";
const char *const MAC_QUIET = "02:53:56:00:10:06";

// One tick of the search in this test: the whole search takes 20 x 500 ms.
const int TICK_MS = 500;

int udpListeners(int port)
{
    QFile f(QStringLiteral("/proc/net/udp"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString needle = QStringLiteral(":%1 ").arg(port, 4, 16, QLatin1Char('0')).toUpper();
    int count = 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() > 2 && (QString::fromLatin1(columns[1]) + ' ').endsWith(needle))
            ++count;
    }
    return count;
}

// Web requests the simulated server captured, as "MAC request" texts.
QStringList webRequests()
{
    QStringList out;
    for (const QJsonObject &o : bed::captureLines())
        if (o.value(QLatin1String("svc")).toString() == QLatin1String("web"))
            out << o.value(QLatin1String("unit")).toString() + ' ' +
                       o.value(QLatin1String("request")).toString();
    return out;
}

} // namespace

class TestFinderNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CVorkNasinfoMap m_map;
    CFindHostUDP *m_thread = nullptr;
    CQuenWOL *m_wol = nullptr;
    CVorkFinderWindow *m_page = nullptr;
    tsup::LogCapture *m_log = nullptr;
    // The desktop's proxy: the web-port tests must go past it, straight to each unit.
    tsup::ProxyTrap *m_proxy = nullptr;

    QString status(const char *mac) { return cellText(*m_page, QString::fromLatin1(mac), CVorkNasinfoModel::COL_STATUS); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_sim.connect());
        QCOMPARE(m_sim.command(QStringLiteral("ping")), QStringLiteral("ok pong"));
        // The units' addresses on the server side (the "gone" unit's address stays unused).
        for (const char *a : {"198.18.0.11/24", "198.18.0.12/24", "198.18.0.13/24", "198.18.0.14/24"})
            QCOMPARE(bed::ipServer({"addr", "add", a, "dev", "vs0"}), 0);

        m_log = new tsup::LogCapture;
        m_proxy = new tsup::ProxyTrap;
        QVERIFY(m_proxy->listening());
        qRegisterMetaType<NASINFO>("NASINFO");
        CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);
        m_thread = new CFindHostUDP(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        m_thread->start();
        QVERIFY(waitFor([] { return udpListeners(9999) >= 1; }, 5000));

        // Wired as the main window wires it.
        m_page = new CVorkFinderWindow(nullptr, &m_map);
        connect(m_thread, SIGNAL(signalRecvPkt(NASINFO)), m_page, SLOT(slotInsert(NASINFO)));
        connect(m_page, SIGNAL(signalRefresh()), m_thread, SLOT(slotSendPktBroadCast()));
        m_wol = new CQuenWOL(nullptr, m_thread);
        CWOLConfig config;
        config.setMacAddress(QString::fromLatin1(MAC_READY));
        config.setAddrName(QStringLiteral("198.18.0.11"));
        m_wol->slotAddSvr2WOL(config);
        m_page->setWOL(m_wol);
        CVorkFinderWindow::setTickIntervalMs(TICK_MS);
        m_page->resize(960, 420);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page, tsup::guardMs()));
    }

    void cleanupTestCase()
    {
        delete m_page;
        m_page = nullptr;
        delete m_wol;
        m_wol = nullptr;
        if (m_thread) {
            m_thread->terminate();
            delete m_thread;
            m_thread = nullptr;
        }
        delete m_log;
        m_log = nullptr;
        delete m_proxy;
        m_proxy = nullptr;
    }

    void searchFillsTheTable()
    {
        QSignalSpy quickConf(m_page, SIGNAL(signalMangerDoQuickConf(QList<CVorkNasinfoMap::TKey>)));
        QSignalSpy finished(m_page, SIGNAL(signalFindNasFinished()));
        BoxWatcher watcher; // a "no server" box would be answered, and fail the test below
        watcher.start();

        m_page->slotDelayedInit();
        // The broadcast ran synchronously; the answers arrive through the thread, rows on ticks.
        QVERIFY(m_page->isSearching());
        QVERIFY(waitFor([&] { return viewRowOf(*m_page, MAC_CHECK) >= 0 && viewRowOf(*m_page, MAC_READY) >= 0; },
                        6000));
        QCOMPARE(status(MAC_READY), QStringLiteral("Getting connection status..."));
        QCOMPARE(status(MAC_SLOW), QStringLiteral("Getting connection status..."));
        QVERIFY(waitFor([] { return webRequests().size() >= 2; }, 5000));
        QCOMPARE(m_map.size(), 5); // the silent unit did not answer
        QVERIFY(!m_map.find(MAC_QUIET));

        // The web page answers: Ready.
        QCOMPARE(m_sim.command(QStringLiteral("web release %1").arg(MAC_READY)), QStringLiteral("ok 1"));
        QVERIFY(waitFor([&] { return status(MAC_READY) == QLatin1String("Ready"); }, 5000));
        QCOMPARE(m_map.find(MAC_READY)->ulConnected, uint32_t(1));

        // The unconfigured unit is alone of its kind; its answers came before the third tick.
        QCOMPARE(quickConf.count(), 0);
        QVERIFY(waitFor([&] { return m_page->m_ppgrbarRefresh->value() >= 3; }, 5000));
        QVERIFY2(m_page->m_ppgrbarRefresh->value() < 12, "the machine is too slow for this search");
        QCOMPARE(m_sim.command(QStringLiteral("announce %1").arg(MAC_NEW)), QStringLiteral("ok"));
        QVERIFY(waitFor([&] { return quickConf.count() == 1; }, 4000));
        QCOMPARE(quickConf.at(0).at(0).value<QList<QString>>(), QList<QString>({MAC_NEW}));
        QCOMPARE(m_sim.command(QStringLiteral("announce %1").arg(MAC_NEW)), QStringLiteral("ok"));

        // The end of the search.
        QVERIFY(waitFor([&] { return finished.count() == 1; }, 20 * TICK_MS + 10000));
        QCOMPARE(quickConf.count(), 1);
        QVERIFY(m_page->m_ppgrbarRefresh->isHidden());
        QVERIFY(m_page->m_pactRefresh->isEnabled());
        QCOMPARE(m_page->m_pnasNumLabel->text(), QStringLiteral("Total 5 Quenlori server(s) found."));
        QCOMPARE(m_page->m_ptableviewFinder->model(), m_page->getSortProxy());
        // Sorted by server name (the stored default).
        QCOMPARE(viewKeys(*m_page), QStringList({MAC_CHECK, MAC_GONE, MAC_NEW, MAC_READY, MAC_SLOW}));

        struct Row {
            const char *mac, *name, *ip, *status, *version, *model, *wol;
        };
        const Row rows[] = {
            {MAC_READY, "VarnestorReady", "198.18.0.11", "Ready", "4.1-3211", "VS-409", "WOL"},
            {MAC_SLOW, "VarnestorSlow", "198.18.0.12", "Connection failed.", "2.3-1869", "VS1510+", "--"},
            {MAC_NEW, "VarnestorNew", "198.18.0.13", "Not configured", "2.3-3211", "VS-110j", "--"},
            {MAC_CHECK, "VarnestorCheck", "198.18.0.14", "Checking quota", "2.3-1139", "", "--"},
            {MAC_GONE, "VarnestorGone", "198.18.0.99", "Connection failed.", "3.0-2636", "", "--"},
        };
        for (const Row &r : rows) {
            const QString key = QString::fromLatin1(r.mac);
            QCOMPARE(cellText(*m_page, key, CVorkNasinfoModel::COL_SERVER_NAME), QString(r.name));
            QCOMPARE(cellText(*m_page, key, CVorkNasinfoModel::COL_IP_ADDRESS), QString(r.ip));
            QCOMPARE(cellText(*m_page, key, CVorkNasinfoModel::COL_STATUS), QString(r.status));
            QCOMPARE(cellText(*m_page, key, CVorkNasinfoModel::COL_MAC_ADDRESS), key);
            QCOMPARE(cellText(*m_page, key, CVorkNasinfoModel::COL_VERSION), QString(r.version));
            QCOMPARE(cellText(*m_page, key, CVorkNasinfoModel::COL_MODEL), QString(r.model));
            QCOMPARE(cellText(*m_page, key, CVorkNasinfoModel::COL_WOL_STATUS), QString(r.wol));
        }

        // Each Ready unit got exactly one request; the silent web page ran out with the search,
        // the address without a host failed on its own.
        const QStringList requests = webRequests();
        QCOMPARE(requests.filter(MAC_READY).size(), 1);
        QCOMPARE(requests.filter(MAC_SLOW).size(), 1);
        QCOMPARE(requests.filter(MAC_READY)[0], QStringLiteral("%1 GET / HTTP/1.1").arg(MAC_READY));
        QCOMPARE(m_log->matching(QStringLiteral("Fail to test connection for [VarnestorSlow](198.18.0.12)")).size(), 1);
        const QStringList gone = m_log->matching(QStringLiteral("Url [http://198.18.0.99:5000] has error ("));
        QCOMPARE(gone.size(), 1);
        QVERIFY2(gone[0].contains(QLatin1String("has error (99)")), qPrintable(gone[0]));
        QVERIFY(m_log->matching(QStringLiteral("Fail to test connection for [VarnestorGone]")).isEmpty());
        QCOMPARE(m_proxy->connections(), 0);

        watcher.stop();
        QCOMPARE(watcher.boxes.size(), 0);

        // A picture of the finished search.
        QTest::qWait(50);
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/finder-review");
        QDir().mkpath(dir);
        const QImage shot = m_page->grab().toImage();
        QVERIFY(shot.save(dir + QStringLiteral("/finder-search.png")));
        // The toolbar shows its background image across the top.
        QCOMPARE(shot.pixelColor(shot.width() - 5, 3), QColor(0xD9, 0xE4, 0xEE));
    }

    void answersBetweenSearchesUpdateInPlace()
    {
        QVERIFY(!m_page->isSearching());
        const int rowBefore = viewRowOf(*m_page, MAC_CHECK);
        QCOMPARE(status(MAC_CHECK), QStringLiteral("Checking quota"));

        QCOMPARE(m_sim.command(QStringLiteral("set %1 state 5").arg(MAC_CHECK)), QStringLiteral("ok"));
        QCOMPARE(m_sim.command(QStringLiteral("set %1 name \"VarnestorBooting\"").arg(MAC_CHECK)), QStringLiteral("ok"));
        QCOMPARE(m_sim.command(QStringLiteral("announce %1").arg(MAC_CHECK)), QStringLiteral("ok"));
        QVERIFY(waitFor([&] { return status(MAC_CHECK) == QLatin1String("Booting"); }, 5000));
        QCOMPARE(cellText(*m_page, MAC_CHECK, CVorkNasinfoModel::COL_SERVER_NAME), QStringLiteral("VarnestorBooting"));
        QCOMPARE(m_map.size(), 5);
        QCOMPARE(m_page->m_ptableviewFinder->model()->rowCount(), 5);
        QCOMPARE(viewRowOf(*m_page, MAC_CHECK), rowBefore);

        // A unit the search did not find stays out between searches.
        QCOMPARE(m_sim.command(QStringLiteral("announce %1").arg(MAC_QUIET)), QStringLiteral("ok"));
        QTest::qWait(500);
        QVERIFY(!m_map.find(MAC_QUIET));

        // The silent web page answers at last: its late reply still sets the result.
        QCOMPARE(m_sim.command(QStringLiteral("web release %1").arg(MAC_SLOW)), QStringLiteral("ok 1"));
        QVERIFY(waitFor([&] { return status(MAC_SLOW) == QLatin1String("Ready"); }, 5000));
        QCOMPARE(m_proxy->connections(), 0);
    }
};

int main(int argc, char **argv)
{
    for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
    QTemporaryDir configDir;
    if (!configDir.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));
    return tsup::runInBed<TestFinderNetns>(argc, argv, tsup::setProgramNames);
}

#include "tst_finder_netns.moc"
