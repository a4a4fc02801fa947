// The resource-monitor wizard against the real discovery thread, in the namespace bed: Search on
// the server-choice page runs a whole search of the finder page, the simulated server's units
// answer, and the list offers exactly the ready units that can run the resource monitor. The
// bed's resolver is the namespace's own loopback, where a host name that cannot resolve fails
// at once (the resolver's 30-s wait for an answer is never taken).

#include <QFile>
#include <QSignalSpy>

#include "CFindHostUDP.h"
#include "CVorkAddDlgNasinfoProxyModel.h"
#include "CVorkNasinfoMap.h"
#include "netnsbed.h"
#include "platforms.h"
#include "rsrcwiztest.h"

using namespace rsrcwiztest;

namespace {
// One tick of the search in this test: the whole search takes 20 x 300 ms.
const int TICK_MS = 300;

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
} // namespace

class TestRsrcWizardNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CVorkNasinfoMap m_map;
    CFindHostUDP *m_thread = nullptr;
    CVorkFinderWindow *m_finder = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(m_sim.connect());
        QCOMPARE(m_sim.command(QStringLiteral("ping")), QStringLiteral("ok pong"));
        // The units' addresses exist on the server side, so that the finder's web test of a
        // ready unit is refused at once (which shows it Ready).
        for (const char *a : {"198.18.0.11/24", "198.18.0.12/24", "198.18.0.13/24", "198.18.0.14/24"})
            QCOMPARE(bed::ipServer({"addr", "add", a, "dev", "vs0"}), 0);

        qRegisterMetaType<NASINFO>("NASINFO");
        CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);
        m_thread = new CFindHostUDP(nullptr, -1, 9999, QStringLiteral("0.0.0.0"));
        m_thread->start();
        QVERIFY(waitFor([] { return udpListeners(9999) >= 1; }, 5000));

        // Wired as the main window wires it.
        m_finder = new CVorkFinderWindow(nullptr, &m_map);
        connect(m_thread, SIGNAL(signalRecvPkt(NASINFO)), m_finder, SLOT(slotInsert(NASINFO)));
        connect(m_finder, SIGNAL(signalRefresh()), m_thread, SLOT(slotSendPktBroadCast()));
        CVorkFinderWindow::setTickIntervalMs(TICK_MS);
    }

    void cleanupTestCase()
    {
        delete m_finder;
        m_finder = nullptr;
        if (m_thread) {
            m_thread->terminate();
            delete m_thread;
            m_thread = nullptr;
        }
    }

    void searchFromTheServerChoicePage()
    {
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(m_finder, m_finder->getNasinfoModel(), &m_map, nullptr, false);
        w.show();
        CWizRsrcAutoIPDialog *p = w.serverChoicePage();
        QTableView *t = p->m_tblViewFinder;
        QCOMPARE(t->model()->rowCount(), 0);

        QSignalSpy finished(m_finder, SIGNAL(signalFindNasFinished()));
        p->m_refresh->click();
        QVERIFY(m_finder->isSearching());
        QVERIFY(!p->m_refresh->isEnabled());
        QVERIFY(p->m_lblRefresh->isVisibleTo(p));
        // The answers come in while the table shows the finder's model.
        QVERIFY(waitFor([&] { return t->model()->rowCount() == 4; }, 20 * TICK_MS));
        QCOMPARE(t->model(), static_cast<QAbstractItemModel *>(m_finder->getNasinfoModel()));

        QVERIFY(waitFor([&] { return finished.count() == 1; }, 20 * TICK_MS + 10000));
        QCOMPARE(m_map.size(), 4);
        QCOMPARE(t->model(), static_cast<QAbstractItemModel *>(p->proxyModel()));
        QVERIFY(p->m_refresh->isEnabled());
        QVERIFY(p->m_lblRefresh->isHidden());
        // Ready units of builds 911..1239, or later builds with the service bit.
        const bool listed = waitFor([&] { return columnTexts(t).size() == 2; }, 5000);
        QTableView all;
        all.setModel(m_finder->getNasinfoModel());
        QVERIFY2(listed, qPrintable(columnTexts(&all).join(',') + " / " +
                                    columnTexts(&all, CVorkNasinfoModel::COL_STATUS).join(',') + " / " +
                                    columnTexts(t).join(',')));
        QCOMPARE(columnTexts(t), QStringList({"VarnestorBits", "VarnestorMon"}));
        QCOMPARE(columnTexts(t, 1), QStringList({"198.18.0.12", "198.18.0.11"}));
        QCOMPARE(columnTexts(t, 2), QStringList({"Ready", "Ready"}));

        QVERIFY(selectRow(t, QStringLiteral("VarnestorBits")));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(w.getNasinfo()->ulBuild, uint32_t(3211));
        QCOMPARE(w.field(QStringLiteral("HostAddr")).toString(), QStringLiteral("198.18.0.12"));
        QCOMPARE(w.field(QStringLiteral("HostPort")).toString(), QStringLiteral("5000"));
        QCOMPARE(w.field(QStringLiteral("Profile")).toString(), QStringLiteral("VarnestorBits"));
        QVERIFY(!w.accountPage()->m_pedtAdminAccount->isReadOnly());
    }

    void unresolvableHost()
    {
        // Nothing answers at the one name server, so each look-up fails at once; a resolver that
        // waited for an answer would wait 30 s.
        const qint64 resolverWaitMs = 30000;
        QFile resolv(QStringLiteral("/etc/resolv.conf"));
        QVERIFY(resolv.open(QIODevice::ReadOnly));
        QCOMPARE(resolv.readAll(), QByteArray("nameserver 127.0.0.1\noptions timeout:30 attempts:1\n"));

        // A found server named like a host that cannot resolve.
        m_map.insert(makeNas("02:53:56:00:21:09", "vs.invalid", netAddr(198, 18, 0, 19)), true);
        BoxAnswerer boxes;
        CVorkWizardRsrcMon w(m_finder, m_finder->getNasinfoModel(), &m_map, nullptr, false);
        w.show();
        w.serverChoicePage()->m_rdoManInput->click();
        nextButton(w)->click();
        CWizRsrcIPDialog *p = w.addressPage();

        QElapsedTimer timer;
        timer.start();
        typeInto(p->m_pedtHost, QStringLiteral("nas.invalid"));
        typeInto(p->m_pedtProfile, QStringLiteral("nas"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QVERIFY(!w.getNasinfo());

        // Its address is known, yet the profile keeps the name, which must resolve.
        typeInto(p->m_pedtHost, QStringLiteral("vs.invalid"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("vs.invalid"));
        QVERIFY(p->m_pedtPort->isReadOnly());
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QVERIFY2(timer.elapsed() < tsup::before(resolverWaitMs), "a look-up waited for its name server");

        const QString text = QStringLiteral("Please enter a valid hostname or IP address.");
        QCOMPARE(boxes.texts(), QStringList({text, text}));
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));
        QCOMPARE(w.getNasinfo()->ulIP, netAddr(198, 18, 0, 19));
    }
};

int main(int argc, char **argv)
{
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",
                             "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
    QTemporaryDir configDir;
    if (!configDir.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    QString why;
    if (!bed::active(&why)) {
        fprintf(stderr, "skipped: %s\n", qPrintable(why));
        return 77;
    }
    TestRsrcWizardNetns tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_rsrcwizard_netns.moc"
