// The free-address pinger with the real /bin/ping, inside the namespace bed (client vc0
// 198.18.0.1/24, server vs0 198.18.0.2/24). An address "in use" is one the server namespace
// holds: it answers at once. A "free" address is one with a permanent neighbour entry on vc0
// that points at a MAC nobody has: the echo request leaves, nothing answers, and ping is still
// waiting when the 2 s window closes. Nothing is ever sent outside the bed's namespaces.
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QtTest>

#include <unistd.h>

#include "CVorkDialogNetPinger.h"
#include "installwiztest.h"
#include "netnsbed.h"

namespace {

uint32_t host(const char *dotted)
{
    return QHostAddress(QString::fromLatin1(dotted)).toIPv4Address();
}

const uint32_t MASK24 = 0xFFFFFF00u;

// Permanent neighbour entry for an address nobody holds.
bool deadNeighbour(const QString &address)
{
    return bed::ip({QStringLiteral("neigh"), QStringLiteral("replace"), address,
                    QStringLiteral("lladdr"), QStringLiteral("02:00:00:00:00:99"),
                    QStringLiteral("dev"), QStringLiteral("vc0"), QStringLiteral("nud"),
                    QStringLiteral("permanent")}) == 0;
}

bool forgetNeighbour(const QString &address)
{
    return bed::ip({QStringLiteral("neigh"), QStringLiteral("del"), address,
                    QStringLiteral("dev"), QStringLiteral("vc0")}) == 0;
}

// An extra address held by the server namespace.
bool serverHolds(const QString &address, bool on)
{
    return bed::ipServer({QStringLiteral("addr"), on ? QStringLiteral("add") : QStringLiteral("del"),
                          address + QStringLiteral("/24"), QStringLiteral("dev"),
                          QStringLiteral("vs0")}) == 0;
}

// Ping processes that are children of this test (running or not yet reaped).
int pingChildren()
{
    QProcess pgrep;
    pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-P"), QString::number(getpid()),
                                          QStringLiteral("-x"), QStringLiteral("ping")});
    if (!pgrep.waitForFinished(tsup::guardMs(5000)))
        return -1;
    return QString::fromLatin1(pgrep.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size();
}

struct Run {
    int code;
    uint32_t result;
    qint64 ms;
    int addresses;
    qint64 longest; // that an address took, from its ping's start to the verdict on it
};

// The dialog makes each address's ping process once it has the verdict on the address before:
// the children it adds, and its end, mark when each address began and when it was judged.
struct PingMarks : QObject {
    QElapsedTimer clock;
    QList<qint64> at;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded && !static_cast<QChildEvent *>(event)->child()->isWidgetType())
            at << clock.elapsed();
        return false;
    }
};

Run runPinger(int mode, const char *start, uint32_t mask = MASK24)
{
    CVorkDialogNetPinger pinger;
    pinger.setTarget(mode, host(start), mask);
    PingMarks marks;
    pinger.installEventFilter(&marks);
    marks.clock.start();
    const int code = pinger.exec();
    marks.at << marks.clock.elapsed();
    Run r{code, pinger.getResult(), marks.at.last(), int(marks.at.size()) - 1, 0};
    for (int i = 1; i < marks.at.size(); ++i)
        r.longest = qMax(r.longest, marks.at[i] - marks.at[i - 1]);
    return r;
}

} // namespace

class TestNetPinger : public QObject
{
    Q_OBJECT

private:
    iwt::PingGuard *m_guard = nullptr;
    QStringList m_held;
    QStringList m_dead;

    void hold(const QString &a)
    {
        QVERIFY(serverHolds(a, true));
        m_held << a;
    }
    void dead(const QString &a)
    {
        QVERIFY(deadNeighbour(a));
        m_dead << a;
    }

private slots:
    void initTestCase()
    {
        QString why;
        if (!bed::active(&why))
            QSKIP(qPrintable(why));
        iwt::setProgramNames();
        m_guard = new iwt::PingGuard;
        QVERIFY(QFileInfo(QString::fromLatin1(CVorkDialogNetPinger::PING_PROGRAM)).isExecutable());
    }
    void cleanup()
    {
        for (const QString &a : m_held)
            serverHolds(a, false);
        for (const QString &a : m_dead)
            forgetNeighbour(a);
        m_held.clear();
        m_dead.clear();
        QCOMPARE(pingChildren(), 0);
    }
    void cleanupTestCase()
    {
        if (m_guard)
            QCOMPARE(m_guard->refused, 0);
        delete m_guard;
    }

    void looks()
    {
        CVorkDialogNetPinger pinger;
        QCOMPARE(pinger.size(), QSize(400, 100));
        QCOMPARE(pinger.minimumSize(), QSize(400, 100));
        QCOMPARE(pinger.maximumSize(), QSize(400, 100));
        QCOMPARE(pinger.windowTitle(), QStringLiteral("Searching Available IP Address"));
        QVERIFY(pinger.parent() == nullptr);
        QCOMPARE(pinger.m_pgrpTitle->title(),
                 QStringLiteral("Checking if the specified IP address is in use"));
        QVERIFY(pinger.m_plblStatus->text().isEmpty());
        pinger.setTarget(CVorkDialogNetPinger::MODE_SEARCH, host("198.18.0.2"), MASK24);
        QCOMPARE(pinger.m_pgrpTitle->title(), QStringLiteral("Searching for an available IP address"));
        QCOMPARE(pinger.m_plblStatus->text(), QStringLiteral("Checking IP address: 198.18.0.2"));
        pinger.setTarget(CVorkDialogNetPinger::MODE_CHECK, host("198.18.0.7"), MASK24);
        QCOMPARE(pinger.m_pgrpTitle->title(),
                 QStringLiteral("Checking if the specified IP address is in use"));
        QCOMPARE(pinger.m_plblStatus->text(), QStringLiteral("Checking IP address: 198.18.0.7"));
        QCOMPARE(pinger.getResult(), 0u);
    }

    void checkAddressInUse()
    {
        // The server's own address answers the one ping at once: reported when the ping ends,
        // not when its window closes.
        const Run r = runPinger(CVorkDialogNetPinger::MODE_CHECK, "198.18.0.2");
        QCOMPARE(r.code, int(QDialog::Accepted));
        QCOMPARE(r.result, 0u);
        QVERIFY2(r.ms < tsup::before(iwt::PING_WINDOW_EARLIEST_MS),
                 qPrintable(QString::number(r.ms)));
    }

    void checkFreeAddress()
    {
        dead(QStringLiteral("198.18.0.99"));
        const Run r = runPinger(CVorkDialogNetPinger::MODE_CHECK, "198.18.0.99");
        QCOMPARE(r.code, int(QDialog::Accepted));
        QCOMPARE(r.result, host("198.18.0.99"));
        // Free when its one window, counted from the ping program's start, has closed; not
        // before, and not after a second one.
        QVERIFY2(r.ms >= iwt::PING_WINDOW_EARLIEST_MS, qPrintable(QString::number(r.ms)));
        QVERIFY2(r.ms < tsup::before(2 * iwt::PING_WINDOW_EARLIEST_MS),
                 qPrintable(QString::number(r.ms)));
    }

    void searchExhaustsSubnet()
    {
        // .250 to .254 held by the server; .255 is the subnet's broadcast address, which ping
        // refuses at once. Every ping ends early, so nothing is free up to the subnet's end, and
        // no address waited out its window.
        for (int i = 250; i <= 254; ++i)
            hold(QStringLiteral("198.18.0.%1").arg(i));
        m_guard->seen.clear();
        const Run r = runPinger(CVorkDialogNetPinger::MODE_SEARCH, "198.18.0.250");
        QCOMPARE(r.code, int(QDialog::Accepted));
        QCOMPARE(r.result, 0u);
        QCOMPARE(r.addresses, 6);
        QVERIFY2(r.longest < tsup::before(iwt::PING_WINDOW_EARLIEST_MS),
                 qPrintable(QString::number(r.longest)));
        QCOMPARE(m_guard->seen.size(), 1);
    }

    void searchFindsFirstFree()
    {
        hold(QStringLiteral("198.18.0.250"));
        hold(QStringLiteral("198.18.0.251"));
        dead(QStringLiteral("198.18.0.252"));
        hold(QStringLiteral("198.18.0.253"));
        const Run r = runPinger(CVorkDialogNetPinger::MODE_SEARCH, "198.18.0.250");
        QCOMPARE(r.code, int(QDialog::Accepted));
        QCOMPARE(r.result, host("198.18.0.252"));
        // The free address got its full window.
        QVERIFY2(r.ms >= iwt::PING_WINDOW_EARLIEST_MS, qPrintable(QString::number(r.ms)));
    }

    void searchStopsAtSubnetEnd()
    {
        // With a /30 mask the search from .249 covers .249 to .251 only: .252 is another subnet.
        hold(QStringLiteral("198.18.0.249"));
        hold(QStringLiteral("198.18.0.250"));
        hold(QStringLiteral("198.18.0.251"));
        dead(QStringLiteral("198.18.0.252"));
        const Run r = runPinger(CVorkDialogNetPinger::MODE_SEARCH, "198.18.0.249", 0xFFFFFFFCu);
        QCOMPARE(r.code, int(QDialog::Accepted));
        // Nothing free: the dead .252 of the next subnet was never tried, and the three in use
        // were reported as their pings ended.
        QCOMPARE(r.result, 0u);
        QCOMPARE(r.addresses, 3);
        QVERIFY2(r.longest < tsup::before(iwt::PING_WINDOW_EARLIEST_MS),
                 qPrintable(QString::number(r.longest)));
    }

    void checkModeNeverWalks()
    {
        // In check mode an address in use ends the check even when the next one is free.
        dead(QStringLiteral("198.18.0.3"));
        const Run r = runPinger(CVorkDialogNetPinger::MODE_CHECK, "198.18.0.2");
        QCOMPARE(r.code, int(QDialog::Accepted));
        QCOMPARE(r.result, 0u);
        QVERIFY2(r.ms < tsup::before(iwt::PING_WINDOW_EARLIEST_MS),
                 qPrintable(QString::number(r.ms)));
    }

    void closedByUser()
    {
        dead(QStringLiteral("198.18.0.98"));
        CVorkDialogNetPinger pinger;
        pinger.setTarget(CVorkDialogNetPinger::MODE_CHECK, host("198.18.0.98"), MASK24);
        // Closed once its ping runs (or, should none ever run, after the hang guard).
        int runningSeen = -1;
        QTimer watch;
        connect(&watch, &QTimer::timeout, &pinger, [&] {
            runningSeen = pingChildren();
            if (runningSeen != 0) {
                watch.stop();
                pinger.close();
            }
        });
        watch.start(20);
        QTimer::singleShot(tsup::guardMs(), &pinger, [&] { pinger.close(); });
        QElapsedTimer t;
        t.start();
        QCOMPARE(pinger.exec(), int(QDialog::Rejected));
        // Closed at once: neither the window nor the ping's own end was waited for.
        QVERIFY2(t.elapsed() < tsup::before(iwt::PING_WINDOW_EARLIEST_MS),
                 qPrintable(QString::number(t.elapsed())));
        QCOMPARE(runningSeen, 1);
        QCOMPARE(pinger.getResult(), 0u);
        // The ping was ended and reaped with the dialog's close; its time-out does not fire
        // later.
        QCOMPARE(pingChildren(), 0);
        QTest::qWait(2500);
        QCOMPARE(pinger.result(), int(QDialog::Rejected));
        QCOMPARE(pinger.getResult(), 0u);
        QVERIFY(pinger.findChildren<QProcess *>().isEmpty());
    }

    void loopback()
    {
        // Loopback answers: in use.
        const Run r = runPinger(CVorkDialogNetPinger::MODE_CHECK, "127.0.0.1");
        QCOMPARE(r.code, int(QDialog::Accepted));
        QCOMPARE(r.result, 0u);
    }
};

IWT_BED_MAIN(TestNetPinger)
#include "tst_netpinger.moc"
