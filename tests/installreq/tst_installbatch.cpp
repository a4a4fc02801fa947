// Batches through the main window's installation requests, with the real window offscreen in
// this process inside the namespace bed (installbatch_units.json). The client's vc0 is set by
// hand in its own interfaces file, so the address page proposes a manual address and a batch
// searches one free address per server with the real /bin/ping: addresses the server namespace
// holds answer at once (in use); "dead" ones have a permanent neighbour entry pointing at a MAC
// nobody has, so their ping never ends within the 2 s window (free). Nothing is pinged outside
// the bed. Waits run at divisor 100 here and in the simulated server.
#include <QDir>
#include <QHostAddress>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "BoxAnswerer.h"
#include "CThreadNetInstall.h"
#include "CVorkDialogInstall.h"
#include "CVorkInstallMap.h"
#include "CVorkNasinfoMap.h"
#include "CVorkWindowInstall.h"
#include "CVorkWindowMain.h"
#include "CWaitScale.h"
#include "installreqtest.h"
#include "installtest.h"
#include "installwiztest.h"
#include "netinstalltest.h"

using irt::WizardDriver;
using irt::WizardPlan;
using tsup::linesOf;
using tsup::withDeletes::waitFor;

namespace {

const QStringList kQuickUnits{QStringLiteral("02:53:56:00:06:01"), QStringLiteral("02:53:56:00:06:02"),
                              QStringLiteral("02:53:56:00:06:03")};
const QStringList kClosedUnits{QStringLiteral("02:53:56:00:06:04"), QStringLiteral("02:53:56:00:06:05"),
                               QStringLiteral("02:53:56:00:06:06")};
const QString kTwoBay = QStringLiteral("02:53:56:00:06:11");
const QString kFourBay = QStringLiteral("02:53:56:00:06:12");

uint32_t host(const char *dotted)
{
    return QHostAddress(QString::fromLatin1(dotted)).toIPv4Address();
}

QJsonObject firstQuickConf(const QString &unit)
{
    const QList<QJsonObject> lines = linesOf("quickconf", unit);
    return lines.isEmpty() ? QJsonObject() : lines.first();
}

bool uploaded(const QString &unit)
{
    for (const QJsonObject &u : linesOf("install", unit, "upload"))
        if (u.value(QStringLiteral("complete")).toBool())
            return true;
    return false;
}

} // namespace

class TestInstallBatch : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    iwt::PingGuard *m_guard = nullptr;
    QStringList m_held;
    QStringList m_dead;

    void hold(const QString &a)
    {
        QVERIFY(irt::serverHolds(a, true));
        m_held << a;
    }
    void dead(const QString &a)
    {
        QVERIFY(irt::deadNeighbour(a, true));
        m_dead << a;
    }

    // The window after its first search; `cancel` rejects a wizard that search opens on its own
    // and is stopped once the search is over.
    std::unique_ptr<CVorkWindowMain> openWindow(tsup::AutoConnectCanceller &cancel)
    {
        std::unique_ptr<CVorkWindowMain> w(new CVorkWindowMain);
        w->show();
        const QStringList units = kQuickUnits + kClosedUnits + QStringList{kTwoBay, kFourBay};
        if (!waitFor([&] {
                for (const QString &u : units)
                    if (!w->nasinfoMap()->containsKey(u))
                        return false;
                return !w->finderWindow()->isSearching() && !QApplication::activeModalWidget();
            }, 10000))
            qWarning("the first search did not list every unit");
        cancel.stop();
        m_guard->seen.clear();
        return w;
    }

    bool anyInstallDialogShown(CVorkWindowMain &w, const QStringList &units)
    {
        for (const QString &u : units) {
            CVorkDialogInstall *d = w.installMap()->getDialog(u);
            if (d && d->isVisible())
                return true;
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        tsup::setProgramNames();
        QSettings().clear();
        CWaitScale::setDivisor(100);
        CVorkFinderWindow::setTickIntervalMs(50);
        QVERIFY(m_sim.connect());
        m_guard = new iwt::PingGuard;
        // .1 is this computer and .2 the server namespace: the address page's own proposal
        // walks from .1 to the free .3.
        dead(QStringLiteral("198.18.0.3"));
    }
    void init() { m_guard->seen.clear(); }
    void cleanupTestCase()
    {
        for (const QString &a : m_held)
            irt::serverHolds(a, false);
        for (const QString &a : m_dead)
            irt::deadNeighbour(a, false);
        QCOMPARE(m_guard->refused, 0);
        delete m_guard;
    }

    // Three servers, template "NAS##", manual base .249: .250 is in use, .251 and .252 are
    // free, .253 to the end of the subnet are in use. Each server searches from the base plus
    // the page's running offset; the second one's search lands on .251 again (given to the
    // first; its entry still counts as free here) and goes on to .252; the third one runs off
    // the end of the subnet and takes DHCP after the box.
    void quickConfigurationBatch()
    {
        dead(QStringLiteral("198.18.0.249"));
        hold(QStringLiteral("198.18.0.250"));
        dead(QStringLiteral("198.18.0.251"));
        dead(QStringLiteral("198.18.0.252"));
        hold(QStringLiteral("198.18.0.253"));
        hold(QStringLiteral("198.18.0.254"));

        tsup::AutoConnectCanceller cancel;
        auto w = openWindow(cancel);
        QVERIFY2(cancel.clean(), cancel.report());
        // Each configuration that ends while its dialog is hidden says so in its finish message,
        // also while a later server's address is searched.
        itest::FinishWatcher finish;
        BoxAnswerer boxes;
        WizardDriver driver(WizardPlan{QString(), {QStringLiteral("NAS##")}, QStringLiteral("pw-batch"),
                                       false, QStringLiteral("198.18.0.249")});
        emit w->finderWindow()->signalMangerDoQuickConf(kQuickUnits);
        QVERIFY(!driver.gaveUp);
        QCOMPARE(driver.targets, 3);
        QCOMPARE(driver.pages, (QList<int>{CVorkWizardInstall::PAGE_INTRO,
                                           CVorkWizardInstall::PAGE_PASSWORD,
                                           CVorkWizardInstall::PAGE_IP}));
        QVERIFY(!w->isBusy());
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Failed to get the suggested network settings.")});

        // The pings: the page's proposal, the check of the base, then one search per server
        // (two for the second).
        QList<uint32_t> starts;
        for (const iwt::PingGuard::Seen &s : m_guard->seen)
            starts << s.start;
        QCOMPARE(starts, (QList<uint32_t>{host("198.18.0.1"), host("198.18.0.249"), host("198.18.0.250"),
                                          host("198.18.0.251"), host("198.18.0.252"),
                                          host("198.18.0.253")}));
        QCOMPARE(m_guard->seen.at(1).mode, int(CVorkDialogNetPinger::MODE_CHECK));

        // Each server marked, with an entry of its own and no dialog raised.
        for (const QString &u : kQuickUnits) {
            QVERIFY(w->installMap()->contains(u));
            QVERIFY(qobject_cast<CVorkWindowInstall *>(w->installMap()->getDialog(u)->getInstallWindow())
                        ->getQuickConfJob());
        }
        QVERIFY(!anyInstallDialogShown(*w, kQuickUnits));

        // On the wire.
        QVERIFY(waitFor([&] {
            for (const QString &u : kQuickUnits)
                if (firstQuickConf(u).isEmpty())
                    return false;
            return true;
        }, 5000));
        const QJsonObject a = firstQuickConf(kQuickUnits[0]);
        const QJsonObject b = firstQuickConf(kQuickUnits[1]);
        const QJsonObject c = firstQuickConf(kQuickUnits[2]);
        QCOMPARE(a.value(QStringLiteral("name")).toString(), QStringLiteral("NAS01"));
        QCOMPARE(b.value(QStringLiteral("name")).toString(), QStringLiteral("NAS02"));
        QCOMPARE(c.value(QStringLiteral("name")).toString(), QStringLiteral("NAS03"));
        QCOMPARE(a.value(QStringLiteral("dhcp")).toInt(), 0);
        QCOMPARE(a.value(QStringLiteral("ipHex")).toString(), QStringLiteral("c61200fb"));
        QCOMPARE(b.value(QStringLiteral("dhcp")).toInt(), 0);
        QCOMPARE(b.value(QStringLiteral("ipHex")).toString(), QStringLiteral("c61200fc"));
        // Mask and gateway as the page proposed them, for every manual server.
        for (const QJsonObject &q : {a, b}) {
            QCOMPARE(q.value(QStringLiteral("netmaskHex")).toString(), QStringLiteral("ffffff00"));
            QCOMPARE(q.value(QStringLiteral("gatewayHex")).toString(), QStringLiteral("c6120002"));
        }
        QCOMPARE(c.value(QStringLiteral("dhcp")).toInt(), 1);
        for (const QJsonObject &q : {a, b, c})
            QCOMPARE(q.value(QStringLiteral("password")).toString(), QStringLiteral("pw-batch"));
        // All three answered: one finish message each.
        QVERIFY(waitFor([&] { return finish.shown == 3; }, 10000));
    }

    // Three servers from base .230; the second one's search is closed by the user. A closed
    // search found no address: the box, then DHCP for that server and the rest, as when the
    // subnet is full, and never the base address a second time.
    void closedSearchInABatch()
    {
        dead(QStringLiteral("198.18.0.230"));
        dead(QStringLiteral("198.18.0.231"));
        tsup::AutoConnectCanceller cancel;
        auto w = openWindow(cancel);
        QVERIFY2(cancel.clean(), cancel.report());
        itest::FinishWatcher finish;
        BoxAnswerer boxes;
        m_guard->closeSearchFrom = host("198.18.0.232");
        WizardDriver driver(WizardPlan{QString(), {QStringLiteral("Shut#")}, QStringLiteral("pw-c"), false,
                                       QStringLiteral("198.18.0.230")});
        emit w->finderWindow()->signalMangerDoQuickConf(kClosedUnits);
        m_guard->closeSearchFrom = 0;
        QVERIFY(!driver.gaveUp);
        QCOMPARE(driver.targets, 3);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Failed to get the suggested network settings.")});
        QList<uint32_t> starts;
        for (const iwt::PingGuard::Seen &s : m_guard->seen)
            starts << s.start;
        QCOMPARE(starts, (QList<uint32_t>{host("198.18.0.1"), host("198.18.0.230"), host("198.18.0.231"),
                                          host("198.18.0.232")}));

        QVERIFY(waitFor([&] {
            for (const QString &u : kClosedUnits)
                if (firstQuickConf(u).isEmpty())
                    return false;
            return true;
        }, 5000));
        QCOMPARE(firstQuickConf(kClosedUnits[0]).value(QStringLiteral("dhcp")).toInt(), 0);
        QCOMPARE(firstQuickConf(kClosedUnits[0]).value(QStringLiteral("ipHex")).toString(), QStringLiteral("c61200e7"));
        QCOMPARE(firstQuickConf(kClosedUnits[1]).value(QStringLiteral("dhcp")).toInt(), 1);
        QCOMPARE(firstQuickConf(kClosedUnits[2]).value(QStringLiteral("dhcp")).toInt(), 1);
    }

    // Two models from one directory: each server gets the newest file of its own model.
    void netInstallBatch()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        struct File {
            const char *name;
            qint64 size;
        } files[] = {{"Q2BAY_3001.pat", 200001}, {"Q2BAY_3010.pat", 200002},
                     {"Q4BAY_3005.pat", 200003}, {"Q4BAY_3002.pat", 200004}};
        for (const File &f : files)
            QVERIFY(nit::writePatchFile(dir.filePath(QString::fromLatin1(f.name)), f.size));
        const QByteArray twoBaySha = nit::sha256Of(dir.filePath(QStringLiteral("Q2BAY_3010.pat")));
        const QByteArray fourBaySha = nit::sha256Of(dir.filePath(QStringLiteral("Q4BAY_3005.pat")));

        tsup::AutoConnectCanceller cancel;
        auto w = openWindow(cancel);
        QVERIFY2(cancel.clean(), cancel.report());
        itest::FinishWatcher finish;
        BoxAnswerer boxes;
        WizardDriver driver(WizardPlan{dir.path(), {QStringLiteral("Vault##")}, QStringLiteral("pw-v"), true});
        emit w->finderWindow()->signalMangerDoNetInstall({kTwoBay, kFourBay});
        QVERIFY(!driver.gaveUp);
        QVERIFY(driver.netInstall);
        QCOMPARE(driver.targets, 2);
        QCOMPARE(driver.fileDialogs, 1);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(QSettings().value(QStringLiteral("Global/patchDirPath")).toString(), dir.path());
        for (const QString &u : {kTwoBay, kFourBay}) {
            QVERIFY(w->installMap()->contains(u));
            // The finder's row shows "Check progress" until the server's own answer replaces
            // it: on a busy machine the first server's quick configuration may already have
            // been answered while the second one's address was searched.
            const uint32_t shown = w->nasinfoMap()->find(u)->ulConfigured;
            QVERIFY2(shown == FHOSTQC_CHECKING_PROGRESS || !linesOf("quickconf", u).isEmpty(),
                     qPrintable(QString::number(shown)));
        }
        QVERIFY(!anyInstallDialogShown(*w, {kTwoBay, kFourBay}));

        QVERIFY(waitFor([&] { return uploaded(kTwoBay) && uploaded(kFourBay); }, 40000));
        QCOMPARE(linesOf("install", kTwoBay, "upload").last().value(QStringLiteral("sha256")).toString().toLatin1(),
                 twoBaySha);
        QCOMPARE(linesOf("install", kFourBay, "upload").last().value(QStringLiteral("sha256")).toString().toLatin1(),
                 fourBaySha);
        QCOMPARE(firstQuickConf(kTwoBay).value(QStringLiteral("name")).toString(), QStringLiteral("Vault01"));
        QCOMPARE(firstQuickConf(kFourBay).value(QStringLiteral("name")).toString(), QStringLiteral("Vault02"));
        QCOMPARE(firstQuickConf(kTwoBay).value(QStringLiteral("dhcp")).toInt(), 1);
        QCOMPARE(firstQuickConf(kFourBay).value(QStringLiteral("dhcp")).toInt(), 1);
    }
};

IWT_BED_MAIN(TestInstallBatch)
#include "tst_installbatch.moc"
