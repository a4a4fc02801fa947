// The installation page and its install dialog in the namespace bed, with the real main window:
// each entry is made the way the main window makes it (its dialog, the install map's insert,
// then the page's network install), the job runs against the simulated server's quick
// configuration and install services (installflow_units.json), and the page's once-a-second
// ticks drive the dialog's buttons. Waits run at divisor 100 here and in the simulated server.
#include <QtTest>

#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <arpa/inet.h>

#include "BoxAnswerer.h"
#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CThreadNetInstall.h"
#include "CVorkDialogInstall.h"
#include "CVorkFinderWindow.h"
#include "CVorkInstallMap.h"
#include "CVorkWindowInstall.h"
#include "CVorkWindowMain.h"
#include "CVorkWindowProgNetInstall.h"
#include "CWaitScale.h"
#include "installtest.h"
#include "netnsbed.h"

using tsup::linesOf;
using tsup::withDeletes::waitFor;

namespace {

const int kDivisor = 100;
// A whole installation of the scenario's units takes two to three seconds at the divisor;
// waits allow for a loaded machine.
const int kRunWaitMs = 30000;

const char kModelError[] = "The model of the upgrade file is incompatible with the system model.";
const char kRetryHint[] =
    "If you are performing the installation through wireless network connection, please switch to "
    "Ethernet cable connection for both your Varnestor and PC client and try again.";
const char kContactHint[] =
    "An error occurred during installation. The telnet service of Varnestor is turned on for error "
    "determination. Please configure your router to forward port 23 to Varnestor and contact Quenlori "
    "online support.";

QString macOf(int unit)
{
    return QStringLiteral("02:53:56:00:0f:%1").arg(unit, 2, 10, QLatin1Char('0'));
}

QString ipOf(int unit)
{
    return QStringLiteral("198.18.0.%1").arg(80 + unit);
}

// What the page showed and the dialog offered after one tick of the page's status timer.
struct Tick {
    int stage = 0;       // the job's stage read right after the page's tick
    int stageBefore = 0; // the same read after the tick before: the page saw a stage in between
    unsigned long error = 0;
    bool closeShown = false;
    QString closeText;
    QString hideText;
    QString progress;
};

// Records a Tick after every tick of a page's status timer. Connected after the page's own
// status slots, so it runs after them.
class TickRecorder : public QObject
{
public:
    TickRecorder(CVorkWindowInstall *page, CVorkDialogInstall *dlg) : m_page(page), m_dlg(dlg)
    {
        connect(page->getStatusTimer(), &QTimer::timeout, this, [this]() { record(); });
    }
    QList<Tick> ticks;

    // Ticks where the page cannot have seen another stage than the one given.
    QList<Tick> steadyAt(int stage) const
    {
        QList<Tick> out;
        for (const Tick &t : ticks)
            if (t.stage == stage && t.stageBefore == stage)
                out << t;
        return out;
    }

private:
    void record()
    {
        if (!m_page || !m_dlg || !m_page->getNetInstallJob())
            return;
        const CThreadNetInstall *job = m_page->getNetInstallJob();
        Tick t;
        t.stage = job->getStage();
        t.stageBefore = ticks.isEmpty() ? t.stage : ticks.last().stage;
        t.error = job->getErrorCode();
        t.closeShown = !m_dlg->getCloseButton()->isHidden();
        t.closeText = m_dlg->getCloseButton()->text();
        t.hideText = m_dlg->getHideButton()->text();
        t.progress = m_page->getNetInstallWidget()->m_plblProgress->text();
        ticks << t;
    }

    QPointer<CVorkWindowInstall> m_page;
    QPointer<CVorkDialogInstall> m_dlg;
};

struct Entry {
    QString mac;
    QPointer<CVorkDialogInstall> dlg;
    QPointer<CVorkWindowInstall> page;
    QPointer<CThreadNetInstall> job;
};

// The packet type of a captured datagram, and whether its item 0x19 names the MAC.
int typeOf(const QJsonObject &datagram)
{
    return bed::packetType(QByteArray::fromHex(datagram.value(QStringLiteral("raw")).toString().toLatin1()));
}

bool namesMac(const QJsonObject &datagram, const QString &mac)
{
    for (const QJsonValue &v : datagram.value(QStringLiteral("items")).toArray()) {
        const QJsonObject item = v.toObject();
        if (item.value(QStringLiteral("id")).toInt() == 0x19
            && QByteArray::fromHex(item.value(QStringLiteral("hex")).toString().toLatin1()).startsWith(mac.toLatin1()))
            return true;
    }
    return false;
}

// Capture lines from the one after the mark with the given text on (all lines without the mark).
QList<QJsonObject> linesAfterMark(const QString &mark)
{
    const QList<QJsonObject> all = bed::captureLines();
    int from = 0;
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i).value(QStringLiteral("mark")).toString() == mark)
            from = i + 1;
    return all.mid(from);
}

// Where on the label the pointer hovers the link to url: found by moving over the label until
// it reports the link as hovered. A null point when there is none.
QPoint linkPosition(QLabel *label, const QString &url)
{
    QSignalSpy hovered(label, &QLabel::linkHovered);
    for (int y = 1; y < label->height(); y += 3) {
        for (int x = 1; x < label->width(); x += 4) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(label, &move);
            if (!hovered.isEmpty() && hovered.last().at(0).toString() == url)
                return QPoint(x, y);
        }
    }
    return QPoint();
}

} // namespace

class TestInstallFlowNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    QTemporaryDir m_dir;
    QString m_patch;
    CVorkWindowMain *m_main = nullptr;
    BoxAnswerer *m_boxes = nullptr;

    CNasConfig config(int unit) const
    {
        return CNasConfig(false, false, m_patch, ipOf(unit), QStringLiteral("255.255.255.0"),
                          QStringLiteral("198.18.0.2"), QString(), QStringLiteral("pw"),
                          QStringLiteral("Installed%1").arg(unit), 23,
                          QStringLiteral("2014/02/03 09:05:07"));
    }

    // The unit as a search before the installation listed it.
    static NASINFO record(int unit)
    {
        NASINFO n = itest::server(macOf(unit).toLatin1().constData(), FHOSTQC_UNINSTALL, 2000,
                                  "198.18.0.2", "Fresh", 5000);
        std::strncpy(n.szModelId, "Q2BAY", sizeof(n.szModelId) - 1);
        return n;
    }

    // What the main window does for an installation request: a dialog with its page, the entry
    // in the install map, then the page's network install.
    Entry addEntry(int unit, bool show)
    {
        m_sim.command(QStringLiteral("mark start %1").arg(unit));
        const NASINFO rec = record(unit);
        const CNasConfig cfg = config(unit);
        Entry e;
        e.mac = macOf(unit);
        e.dlg = m_main->createInstallDialog();
        m_main->installMap()->insert(e.mac, e.dlg, &rec);
        e.page = qobject_cast<CVorkWindowInstall *>(e.dlg->getInstallWindow());
        if (show)
            e.dlg->show();
        e.page->slotAddNetInst(&rec, &cfg);
        e.job = e.page->getNetInstallJob();
        return e;
    }

    // Icon names of the five rows in grid order.
    static QStringList rowIcons(const CVorkWindowProgNetInstall *w)
    {
        QStringList icons;
        for (int stage : {NI_STAGE_SET_NET, NI_STAGE_FORMAT_SYS, NI_STAGE_FORMAT_DATA, NI_STAGE_INSTALL,
                          NI_STAGE_CONFIGURE})
            icons << itest::iconOf(w->stepIconLabel(stage));
        return icons;
    }

    static QString loginText(int unit)
    {
        return QStringLiteral("<a href=\"http://%1:5000\">(Log in to Installed%2)</a>").arg(ipOf(unit)).arg(unit);
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(kDivisor);
        // Searches whose end is never reached: only their start matters here, and a search that
        // ran to its end could connect or ask on its own.
        CVorkFinderWindow::setTickIntervalMs(24 * 3600 * 1000);
        QVERIFY(m_sim.connect());
        QVERIFY(m_sim.command(QStringLiteral("services")).contains(QLatin1String("install")));

        QVERIFY(m_dir.isValid());
        m_patch = m_dir.filePath(QStringLiteral("Q2BAY_3001.pat"));
        QFile patch(m_patch);
        QVERIFY(patch.open(QIODevice::WriteOnly));
        QByteArray body(64 * 1024 + 5, '\0');
        for (int i = 0; i < body.size(); ++i)
            body[i] = char((i * 131) >> 3);
        QCOMPARE(patch.write(body), qint64(body.size()));
        patch.close();

        m_boxes = new BoxAnswerer(this);
        m_main = new CVorkWindowMain;
        // The discovery thread starts shortly after the window; the jobs send through it.
        QVERIFY(waitFor([] {
            QFile f(QStringLiteral("/proc/net/udp"));
            return f.open(QIODevice::ReadOnly) && f.readAll().contains(":270F ");
        }, 10000));
    }

    void cleanupTestCase()
    {
        delete m_main;
        m_main = nullptr;
        itest::flushDeletes();
        // Nothing in these runs asks the user anything.
        QCOMPARE(m_boxes->texts(), QStringList());
    }

    // The dialog is on screen for the whole run: "Cancel" while the server reboots, hidden again
    // while the configuration is written and at the end, no finish message, Hide becomes Close,
    // and the log-in link opens the server's page and hides the dialog.
    void rebootOffersCancelThenFinishesOnScreen()
    {
        itest::FinishWatcher finish;
        tsup::UrlCatcher urls;
        Entry e = addEntry(1, true);
        // Made before any event is processed: it records the run from the page's first tick.
        TickRecorder rec(e.page, e.dlg);
        // The unit leaves the final configuration unanswered (its finalQuickconf) until two ticks
        // in a row have seen that stage; then it answers the job's next resend, which comes
        // within a fifth of the job's time-out.
        bool released = false;
        connect(e.page->getStatusTimer(), &QTimer::timeout, &rec, [&]() {
            if (!released && !rec.steadyAt(NI_STAGE_CONFIGURE).isEmpty()) {
                released = true;
                m_sim.command(QStringLiteral("set %1 quickconf {}").arg(e.mac));
            }
        });
        QVERIFY(QTest::qWaitForWindowExposed(e.dlg, tsup::guardMs()));
        QVERIFY(waitFor([&] { return !e.page->getStatusTimer()->isActive(); }, kRunWaitMs));
        QCOMPARE(e.job->getErrorCode(), 0ul);
        QCOMPARE(e.job->getStage(), int(NI_STAGE_DONE));

        // Before the reboot the button stays hidden (the unit's first configuration alone takes
        // a fifth of a second, so there are such ticks).
        int beforeReboot = 0;
        for (const Tick &t : rec.ticks) {
            if (t.stage < NI_STAGE_SET_NET || t.stage > NI_STAGE_INSTALL)
                continue;
            ++beforeReboot;
            QVERIFY2(!t.closeShown, qPrintable(QStringLiteral("stage %1").arg(t.stage)));
        }
        QVERIFY(beforeReboot > 0);
        const QList<Tick> rebooting = rec.steadyAt(NI_STAGE_REBOOT);
        QVERIFY(!rebooting.isEmpty());
        for (const Tick &t : rebooting) {
            QVERIFY(t.closeShown);
            QCOMPARE(t.closeText, QStringLiteral("Cancel"));
            QCOMPARE(t.hideText, QStringLiteral("Hide"));
            QVERIFY2(t.progress.startsWith(QStringLiteral("Progress: System is rebooting ... (")), qPrintable(t.progress));
        }
        // The final configuration was held until it was seen: no Cancel, its own text.
        QVERIFY(released);
        const QList<Tick> configuring = rec.steadyAt(NI_STAGE_CONFIGURE);
        QVERIFY(!configuring.isEmpty());
        for (const Tick &t : configuring) {
            QVERIFY(!t.closeShown);
            QCOMPARE(t.progress, QStringLiteral("Progress: Writing configurations ..."));
        }

        // Finished on screen: no pop-up, Hide reads Close, the button stays hidden.
        tsup::withDeletes::spin(200);
        QCOMPARE(finish.shown, 0);
        QVERIFY(e.dlg->getCloseButton()->isHidden());
        QCOMPARE(e.dlg->getHideButton()->text(), QStringLiteral("Close"));
        CVorkWindowProgNetInstall *ni = e.page->getNetInstallWidget();
        // The link goes to the address and name the final configuration gave the server.
        QCOMPARE(ni->m_plblProgress->text(),
                 QStringLiteral("System has been installed successfully.\nSetup is complete. You can now log in "
                                "your server via Quenlori Vornakeeper.")
                     + loginText(1));
        QCOMPARE(ni->m_pprgFinish->maximum(), 125000);
        QCOMPARE(ni->m_pprgFinish->value(), 125000);
        QCOMPARE(rowIcons(ni), QStringList({"done", "done", "done", "done", "done"}));
        const QImage shot = e.dlg->grab().toImage();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(itest::reviewDir() + QStringLiteral("/installflow-dialog-stage8.png")));

        // A real click on the link.
        const QString url = QStringLiteral("http://%1:5000").arg(ipOf(1));
        const QPoint at = linkPosition(ni->m_plblProgress, url);
        QVERIFY(!at.isNull());
        QTest::mouseClick(ni->m_plblProgress, Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(waitFor([&] { return !urls.urls.isEmpty(); }, 2000));
        QCOMPARE(urls.urls, QList<QUrl>({QUrl(url)}));
        QVERIFY(!e.dlg->isVisible());
        // Hidden and finished: the next clear removes it.
        QVERIFY(m_main->installMap()->contains(e.mac));
        m_main->installMap()->slotClearBtnTriggered(false);
        QVERIFY(!m_main->installMap()->contains(e.mac));
        QVERIFY(waitFor([&] { return e.dlg.isNull() && e.page.isNull(); }, 5000));
        QCOMPARE(finish.shown, 0);
    }

    // A server error: "Close" is offered and the message is built again on every tick.
    void failureOffersCloseAndRefreshes()
    {
        Entry e = addEntry(2, true);
        QSignalSpy canClose(e.page.data(), &CVorkWindowInstall::signalCanCloseTheItem);
        QVERIFY(waitFor([&] { return !e.dlg->getCloseButton()->isHidden(); }, kRunWaitMs));
        QCOMPARE(e.job->getErrorCode(), 11ul);
        QVERIFY(waitFor([&] { return e.job->isFinished(); }, 5000));
        const QString expected = QLatin1String(kModelError) + QStringLiteral("<br />") + QLatin1String(kRetryHint)
                                 + QStringLiteral("<br />") + QLatin1String(kContactHint);
        CVorkWindowProgNetInstall *ni = e.page->getNetInstallWidget();
        QCOMPARE(ni->m_plblProgress->text(), expected);
        QVERIFY(ni->m_pprgFinish->isHidden());
        QCOMPARE(e.dlg->getCloseButton()->text(), QStringLiteral("Close"));
        QCOMPARE(e.dlg->getHideButton()->text(), QStringLiteral("Hide"));
        QVERIFY(e.page->getStatusTimer()->isActive());

        // Every tick builds it again and offers Close again.
        for (int round = 0; round < 3; ++round) {
            ni->m_plblProgress->setText(QStringLiteral("stale"));
            e.dlg->getCloseButton()->hide();
            const int before = canClose.count();
            QVERIFY(waitFor([&] { return canClose.count() > before + 1; }, 5000));
            QCOMPARE(ni->m_plblProgress->text(), expected);
            QVERIFY(!e.dlg->getCloseButton()->isHidden());
        }

        // Close removes the failed entry.
        e.dlg->getCloseButton()->click();
        QVERIFY(!m_main->installMap()->contains(e.mac));
        QVERIFY(waitFor([&] { return e.dlg.isNull() && e.page.isNull(); }, 5000));
    }

    // Finished while hidden: the finish message once, although the page is asked for its status
    // again and again while the message is open.
    void finishWhileHiddenPopsUpOnce()
    {
        // The message stays open until the page has been asked five times (or the hang guard).
        itest::FinishWatcher finish(tsup::guardMs());
        Entry e = addEntry(3, false);
        TickRecorder rec(e.page, e.dlg);
        // While the message is open, more status requests reach the page (the event path runs
        // the same status tick as the timer).
        int asked = 0;
        QTimer asker;
        connect(&asker, &QTimer::timeout, this, [&]() {
            if (e.page && e.page->getFinishDialog()->isVisible()) {
                ++asked;
                QEvent request(QEvent::User);
                QCoreApplication::sendEvent(e.page, &request);
                if (asked >= 5 && e.page)
                    e.page->getFinishDialog()->accept();
            }
        });
        asker.start(20);
        QVERIFY(waitFor([&] { return finish.shown > 0; }, kRunWaitMs));
        QVERIFY(waitFor([&] { return !e.page->getStatusTimer()->isActive(); }, 5000));
        asker.stop();
        tsup::withDeletes::spin(200);
        QVERIFY2(asked >= 5, qPrintable(QString::number(asked)));
        QCOMPARE(finish.shown, 1);
        QVERIFY(finish.text.startsWith(
            QStringLiteral("Congratulations! Setup Wizard has completed the basic configurations.")));
        QVERIFY(finish.text.endsWith(loginText(3)));
        QCOMPARE(e.dlg->getHideButton()->text(), QStringLiteral("Close"));
        QVERIFY(!e.dlg->isVisible());
        // The unit is silent for as long as the one on screen after its reboot command, so the
        // hidden page ticks through the reboot even when the machine is slow.
        QVERIFY(!rec.steadyAt(NI_STAGE_REBOOT).isEmpty());
        // Finished and hidden: the clear before the pending records are listed removes it.
        for (const NASINFO *pending : m_main->installMap()->getPendingNasinfos())
            QVERIFY(QString::fromLatin1(pending->szMac) != e.mac);
        QVERIFY(!m_main->installMap()->contains(e.mac));
        QVERIFY(waitFor([&] { return e.dlg.isNull(); }, 5000));
    }

    // A picture of a dialog at stage 5, held there by the unit, then the entry removed while the
    // job still runs: the page stops it before it goes.
    void stageFivePictureAndRemovalWhileRunning()
    {
        Entry e = addEntry(5, true);
        QVERIFY(QTest::qWaitForWindowExposed(e.dlg, tsup::guardMs()));
        CVorkWindowProgNetInstall *ni = e.page->getNetInstallWidget();
        QVERIFY(waitFor([&] {
            return e.job->getStage() == NI_STAGE_INSTALL && ni->m_pprgFinish->value() == 15;
        }, kRunWaitMs));
        tsup::withDeletes::spin(100);
        QCOMPARE(ni->m_plblProgress->text(), QStringLiteral("Progress: Installing VNO to hard drive ..."));
        QCOMPARE(ni->m_pprgFinish->maximum(), 20);
        QCOMPARE(rowIcons(ni), QStringList({"done", "done", "done", "current", ""}));
        QVERIFY(e.dlg->getCloseButton()->isHidden());
        const QImage shot = e.dlg->grab().toImage();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(itest::reviewDir() + QStringLiteral("/installflow-dialog-stage5.png")));

        QVERIFY(e.job->isRunning());
        QElapsedTimer t;
        t.start();
        m_main->installMap()->slotRemoveBtnTriggered(e.mac);
        QVERIFY(waitFor([&] { return e.page.isNull() && e.dlg.isNull(); }, 5000));
        QVERIFY(e.job.isNull());
        // At the job's next slice, not after its stop wait.
        QVERIFY2(t.elapsed() < tsup::before(CThreadNetInstall::STOP_WAIT_MS), qPrintable(QString::number(t.elapsed())));
        QVERIFY(waitFor([&] { return !linesOf("install", e.mac, "close").isEmpty(); }, 5000));
    }

    // Cancel while the server reboots: the job stops at once and sends no final configuration,
    // the entry goes, a new search starts, and no finish message claims success.
    void cancelDuringReboot()
    {
        itest::FinishWatcher finish;
        Entry e = addEntry(4, true);
        QVERIFY(QTest::qWaitForWindowExposed(e.dlg, tsup::guardMs()));
        QVERIFY(waitFor([&] {
            return e.job->getStage() == NI_STAGE_REBOOT
                   && e.job->getRebootState() == CThreadNetInstall::REBOOT_WAITING
                   && !e.dlg->getCloseButton()->isHidden();
        }, kRunWaitMs));
        QCOMPARE(e.dlg->getCloseButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(waitFor([&] { return !linesOf("install", e.mac, "reboot").isEmpty(); }, 5000));
        // The first configuration is seen the way a final one would be.
        bool firstSeen = false;
        for (const QJsonObject &line : linesAfterMark(QStringLiteral("start 4")))
            firstSeen = firstSeen || (line.contains(QLatin1String("raw")) && typeOf(line) == 4 && namesMac(line, e.mac));
        QVERIFY(firstSeen);

        QSignalSpy searches(m_main->finderWindow(), &CVorkFinderWindow::signalRefresh);
        m_sim.command(QStringLiteral("mark cancel 4"));
        // The rest of the reboot wait (a minute then) outlasts the stop wait, so that a close
        // that waited for the job rather than stopping it would take the whole stop wait.
        qint64 took = 0;
        {
            tsup::WaitDivisor longer(kDivisor / 10);
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(e.dlg->getCloseButton(), Qt::LeftButton);
            took = t.elapsed();
        }
        // At the job's next slice, not after its stop wait.
        QVERIFY2(took < tsup::before(CThreadNetInstall::STOP_WAIT_MS), qPrintable(QString::number(took)));
        QVERIFY(!e.dlg->isVisible());
        QVERIFY(!m_main->installMap()->contains(e.mac));
        QCOMPARE(searches.count(), 1);
        QVERIFY(e.job->isFinished());
        QVERIFY(e.job->isCancelled());

        // The page goes, then its dialog; ticks that come before must not report the cancelled
        // installation as finished.
        QVERIFY(waitFor([&] { return e.page.isNull() && e.dlg.isNull(); }, 5000));
        QVERIFY(e.job.isNull());
        QCOMPARE(finish.shown, 0);

        // The new search reaches the server.
        QVERIFY(waitFor([] {
            for (const QJsonObject &line : linesAfterMark(QStringLiteral("cancel 4")))
                if (line.contains(QLatin1String("raw")) && typeOf(line) == 1)
                    return true;
            return false;
        }, 5000));
        // Longer than a final configuration would take to be sent: none comes.
        tsup::withDeletes::spin(500);
        for (const QJsonObject &line : linesAfterMark(QStringLiteral("cancel 4"))) {
            QVERIFY(line.value(QStringLiteral("svc")).toString() != QLatin1String("quickconf"));
            if (line.contains(QLatin1String("raw")))
                QVERIFY2(!(typeOf(line) == 4 && namesMac(line, e.mac)), "a final configuration was sent");
        }
        QCOMPARE(m_boxes->texts(), QStringList());
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    if (!configDir.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    return tsup::runInBed<TestInstallFlowNetns>(argc, argv, tsup::setProgramNames);
}

#include "tst_installflow_netns.moc"
