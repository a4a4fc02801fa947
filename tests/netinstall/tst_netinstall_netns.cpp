// Whole network installations in the namespace bed: the real discovery thread carries both quick
// configurations and hears the reboot announcement, the install channel talks TCP to the
// simulated server's install service, and every failure is provoked by the unit's script
// (netinstall_units.json). Waits run at divisor 100 here and in the simulated server.
#include <QJsonArray>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CQuickConf.h"
#include "CThreadNetInstall.h"
#include "CWaitScale.h"
#include "netinstalltest.h"
#include "netnsbed.h"

using tsup::Collector;
using tsup::linesOf;

namespace {

const char kDateTime[] = "2014/02/03 09:05:07";

QString macOf(int unit)
{
    return QStringLiteral("02:53:56:00:03:%1").arg(unit, 2, 16, QLatin1Char('0'));
}

QString ipOf(int unit)
{
    return QStringLiteral("198.18.0.%1").arg(60 + unit);
}

// One job and the stages it was seen in (polled every few milliseconds: a busy machine may keep
// this thread from seeing a short one).
struct Run {
    std::unique_ptr<CThreadNetInstall> job;
    QList<int> stages;
    QList<int> rebootStates;
    int rebootSeconds = 0; // the highest percent seen in the reboot stage
    QElapsedTimer clock;
    double startedAt = 0; // seconds since the epoch
};

} // namespace

class TestNetInstallNetns : public QObject
{
    Q_OBJECT

    bed::SimControl m_sim;
    CFindHostUDP *m_udp = nullptr;
    QTemporaryDir m_dir;
    QString m_patch;
    QByteArray m_patchSha;

    CNasConfig config(int unit, bool dhcp = false)
    {
        return CNasConfig(dhcp, false, m_patch, dhcp ? QStringLiteral("198.18.0.99") : ipOf(unit),
                          QStringLiteral("255.255.255.0"), QStringLiteral("198.18.0.2"), QString(),
                          QStringLiteral("pw"), QStringLiteral("Installed%1").arg(unit), 23,
                          QString::fromLatin1(kDateTime));
    }

    static NASINFO record(int unit)
    {
        NASINFO n;
        memset(&n, 0, sizeof(n));
        n.ulPacketType = FHOST_PKT_BRESPONSE;
        strncpy(n.szMac, macOf(unit).toLatin1().constData(), sizeof(n.szMac) - 1);
        strncpy(n.szServerName, "Fresh", sizeof(n.szServerName) - 1);
        strncpy(n.szModelId, "Q2BAY", sizeof(n.szModelId) - 1);
        n.ulConfigured = FHOSTQC_UNINSTALL;
        n.ulBuild = 2000;
        n.ulIP = inet_addr("198.18.0.2");
        return n;
    }

    // Starts a job for the unit; polls it until it ends (bounded) or until stopWhen holds.
    void start(Run &run, int unit, bool dhcp = false)
    {
        start(run, unit, config(unit, dhcp));
    }

    void start(Run &run, int unit, const CNasConfig &cfg)
    {
        m_sim.command(QStringLiteral("mark start %1").arg(unit));
        const NASINFO rec = record(unit);
        run.startedAt = QDateTime::currentMSecsSinceEpoch() / 1000.0;
        run.job.reset(new CThreadNetInstall(nullptr, m_udp, &cfg, &rec));
        run.clock.start();
        run.job->start(QThread::InheritPriority);
    }

    // Gives up after the hang guard (tsup::guardMs(timeoutMs)).
    bool poll(Run &run, const std::function<bool()> &stopWhen, int timeoutMs)
    {
        const int guard = tsup::guardMs(timeoutMs);
        while (run.clock.elapsed() < guard) {
            const int stage = run.job->getStage();
            if (run.stages.isEmpty() || run.stages.last() != stage)
                run.stages << stage;
            if (stage == NI_STAGE_REBOOT)
                run.rebootSeconds = qMax(run.rebootSeconds, run.job->getPercent());
            const int reboot = run.job->getRebootState();
            if (run.rebootStates.isEmpty() || run.rebootStates.last() != reboot)
                run.rebootStates << reboot;
            if (stopWhen ? stopWhen() : run.job->isFinished())
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
            QThread::msleep(3);
        }
        return false;
    }

    void runToEnd(Run &run, int unit, bool dhcp = false, int timeoutMs = 60000)
    {
        start(run, unit, dhcp);
        QVERIFY(poll(run, nullptr, timeoutMs));
        QVERIFY(run.job->wait(tsup::guardMs(5000)));
        // One last look at the final values.
        poll(run, [] { return true; }, tsup::guardMs(timeoutMs) + 1);
    }

    // Expects a failure with the given error at the given stage.
    void expectFailure(int unit, unsigned long error, int stage)
    {
        Run run;
        runToEnd(run, unit);
        QCOMPARE(run.job->getErrorCode(), error);
        QCOMPARE(run.job->getStage(), stage);
    }

    QString commandLog(int unit) { return tsup::installLog(m_sim, macOf(unit)); }

    // Milliseconds from the unit's reply to the reboot command to the first copy of the final
    // configuration it received: the job's reboot wait lies in between. -1 without either.
    static qint64 rebootWaitBound(int unit)
    {
        double repliedAt = -1;
        for (const QJsonObject &r : linesOf("install", macOf(unit), "reply"))
            if (r.value(QStringLiteral("to")).toString() == QLatin1String("command 7"))
                repliedAt = r.value(QStringLiteral("t")).toDouble();
        if (repliedAt < 0)
            return -1;
        for (const QJsonObject &q : linesOf("quickconf", macOf(unit)))
            if (q.value(QStringLiteral("t")).toDouble() >= repliedAt)
                return qRound64((q.value(QStringLiteral("t")).toDouble() - repliedAt) * 1000);
        return -1;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<NASINFO>("NASINFO");
        CWaitScale::setDivisor(100);
        QVERIFY(m_sim.connect());
        QVERIFY(m_sim.command(QStringLiteral("services")).contains(QLatin1String("install")));
        const QJsonObject stats = m_sim.json(QStringLiteral("stats")).value(QStringLiteral("install")).toObject();
        QCOMPARE(stats.value(QStringLiteral("listening")).toBool(), true);
        QCOMPARE(stats.value(QStringLiteral("port")).toInt(), 9998);

        // A patch file of our own: the model and the build in its name, 1 MiB of pattern.
        QVERIFY(m_dir.isValid());
        m_patch = m_dir.filePath(QStringLiteral("Q2BAY_3001.pat"));
        QVERIFY(nit::writePatchFile(m_patch, (1 << 20) + 17));
        m_patchSha = nit::sha256Of(m_patch);

        m_udp = tsup::startDiscovery();
        QVERIFY(tsup::waitFor([] {
            QFile f(QStringLiteral("/proc/net/udp"));
            return f.open(QIODevice::ReadOnly) && f.readAll().contains(":270F ");
        }, 10000));
    }

    void cleanupTestCase() { tsup::stopDiscovery(m_udp); }

    // Stages 1 to 8 in order, the commands in order, the file byte for byte, the final date, and
    // the unit found again with its new build, name and address.
    void happyPath()
    {
        Run run;
        runToEnd(run, 1);
        QCOMPARE(run.job->getErrorCode(), 0ul);
        QVERIFY(tsup::inOrder(run.stages, {0, 1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(run.job->getPercent(), 0);
        QCOMPARE(run.job->getRebootState(), int(CThreadNetInstall::REBOOT_FINISHED));
        QCOMPARE(run.job->getPatchBuild(), 3001ul);
        // The stage polls ran at the wait divisor: the shortest pause between two queries is
        // shorter than one poll of the program's own length, which a poll that ignored the
        // divisor would take every time (a busy machine only lengthens some of them).
        QList<double> queriedAt;
        for (const QJsonObject &c : linesOf("install", macOf(1), "command"))
            if (c.value(QStringLiteral("code")).toInt() == 0)
                queriedAt << c.value(QStringLiteral("t")).toDouble();
        QVERIFY2(queriedAt.size() >= 2, qPrintable(QString::number(queriedAt.size())));
        double shortest = queriedAt.last() - queriedAt.first();
        for (int i = 1; i < queriedAt.size(); ++i)
            shortest = qMin(shortest, queriedAt[i] - queriedAt[i - 1]);
        const qint64 shortestMs = qRound64(shortest * 1000);
        QVERIFY2(shortestMs < tsup::before(CThreadNetInstall::STAGE_POLL_MS), qPrintable(QString::number(shortestMs)));

        // [2, 0..., 5, 0..., 7]
        const QString log = commandLog(1);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\[2(,0)+,5(,0)+,7\\]$")).match(log).hasMatch(),
                 qPrintable(log));

        const QList<QJsonObject> connects = linesOf("install", macOf(1), "connect");
        QCOMPARE(connects.size(), 1);
        QCOMPARE(connects.first().value(QStringLiteral("local")).toString(), ipOf(1));
        QCOMPARE(connects.first().value(QStringLiteral("peer")).toString(), QStringLiteral("198.18.0.1"));
        const QList<QJsonObject> uploads = linesOf("install", macOf(1), "upload");
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads.first().value(QStringLiteral("complete")).toBool(), true);
        QCOMPARE(uploads.first().value(QStringLiteral("size")).toInt(), (1 << 20) + 17);
        QCOMPARE(uploads.first().value(QStringLiteral("sha256")).toString().toLatin1(), m_patchSha);
        QVERIFY(linesOf("install", macOf(1), "badCommand").isEmpty());

        // Both quick configurations: the final one's date is the wizard's plus the real time
        // the installation took, as far as the captures can bound it: at least from the first
        // configuration to the reboot, at most from before the job to the final configuration.
        const QList<QJsonObject> qc = linesOf("quickconf", macOf(1));
        QVERIFY(qc.size() >= 2);
        const QJsonObject first = qc.first();
        const QJsonObject last = qc.last();
        QCOMPARE(first.value(QStringLiteral("dateTime")).toString(), QStringLiteral("2014-02-03-09-05-07"));
        QCOMPARE(first.value(QStringLiteral("ip")).toString(), ipOf(1));
        const QDateTime sent = QDateTime::fromString(last.value(QStringLiteral("dateTime")).toString(),
                                                     QStringLiteral("yyyy-MM-dd-hh-mm-ss"));
        QVERIFY(sent.isValid());
        const qint64 advanced = QDateTime::fromString(QString::fromLatin1(kDateTime),
                                                      QStringLiteral("yyyy/MM/dd hh:mm:ss")).secsTo(sent);
        const double took = last.value(QStringLiteral("t")).toDouble() - run.startedAt;
        const QList<QJsonObject> reboots = linesOf("install", macOf(1), "reboot");
        QVERIFY(!reboots.isEmpty());
        const double atLeast = reboots.first().value(QStringLiteral("t")).toDouble() -
                               first.value(QStringLiteral("t")).toDouble();
        QVERIFY2(advanced >= qFloor(atLeast) - 1 && advanced <= took + 1,
                 qPrintable(QStringLiteral("%1 s, not within %2 .. %3").arg(advanced).arg(atLeast).arg(took)));
        QCOMPARE(last.value(QStringLiteral("name")).toString(), QStringLiteral("Installed1"));

        // The reboot announcement carried the patch's build.
        const QList<QJsonObject> announced = linesOf("install", macOf(1), "announce");
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.first().value(QStringLiteral("type")).toInt(), 2);
        QCOMPARE(announced.first().value(QStringLiteral("build")).toInt(), 3001);

        // A search finds it with the patch's build, its new name and its new address. The wait
        // takes every unit's answer: one still on its way would reach the next case's job, which
        // takes its unit's search answer for the answer to its quick configuration.
        const int units = m_sim.unitCount();
        QVERIFY(units > 1);
        Collector collector;
        connect(m_udp, &CFindHostUDP::signalRecvPkt, &collector, &Collector::take);
        m_udp->slotSendPktBroadCast();
        QSet<QByteArray> answered;
        QVERIFY(tsup::waitFor([&] {
            for (const NASINFO &n : collector.records)
                if (n.ulPacketType == FHOST_PKT_BRESPONSE)
                    answered.insert(QByteArray(n.szMac));
            return answered.size() >= units;
        }, 10000));
        disconnect(m_udp, &CFindHostUDP::signalRecvPkt, &collector, &Collector::take);
        QVERIFY(answered.contains(macOf(1).toLatin1()));
        for (const NASINFO &n : collector.records) {
            if (n.ulPacketType != FHOST_PKT_BRESPONSE || QByteArray(n.szMac) != macOf(1).toLatin1())
                continue;
            QCOMPARE(n.ulBuild, 3001u);
            QCOMPARE(QByteArray(n.szServerName), QByteArray("Installed1"));
            QCOMPARE(n.ulIP, inet_addr(ipOf(1).toLatin1().constData()));
        }
    }

    // DHCP: the channel goes to the address the quick configuration answered with; an answer
    // with an error before the good one only delays it.
    void dhcpUsesTheAnsweredAddress()
    {
        Run run;
        runToEnd(run, 2, true);
        QCOMPARE(run.job->getErrorCode(), 0ul);
        QCOMPARE(run.job->getStage(), int(NI_STAGE_DONE));
        const QList<QJsonObject> connects = linesOf("install", macOf(2), "connect");
        QCOMPARE(connects.size(), 1);
        QCOMPARE(connects.first().value(QStringLiteral("local")).toString(), QStringLiteral("198.18.0.62"));
        QCOMPARE(linesOf("quickconf", macOf(2)).first().value(QStringLiteral("dhcp")).toInt(), 1);
    }

    void noListener()
    {
        QCOMPARE(m_sim.command(QStringLiteral("install listen off")), QStringLiteral("ok"));
        expectFailure(3, NI_ERROR_OPEN_SOCKET, NI_STAGE_SET_NET);
        QCOMPARE(m_sim.command(QStringLiteral("install listen on")), QStringLiteral("ok"));
    }

    void firstQuickConfUnanswered()
    {
        const int before = linesOf("install", QString(), "connect").size();
        Run run;
        runToEnd(run, 4);
        QCOMPARE(run.job->getErrorCode(), ulong(NI_ERROR_QC_UNFINISHED));
        QCOMPARE(run.job->getStage(), int(NI_STAGE_SET_NET));
        QCOMPARE(run.job->getPercent(), 125000);
        // Sent once and never again: every captured copy belongs to one round. Resent the way
        // the final configuration is, its copies would reach from the first round to the resend
        // at the time-out, and past four fifths of it (200 of the job's half-second ticks) at least.
        const QList<QJsonObject> qc = linesOf("quickconf", macOf(4));
        QVERIFY(!qc.isEmpty());
        const qint64 spread = qRound64(
            (qc.last().value(QStringLiteral("t")).toDouble() - qc.first().value(QStringLiteral("t")).toDouble()) * 1000);
        const int lastResendTicks = CThreadNetInstall::QUICKCONF_TIMEOUT_MS / CQuickConf::TICK_MS * 4 / 5;
        QVERIFY2(spread < tsup::before(lastResendTicks * CWaitScale::ms(CQuickConf::TICK_MS)),
                 qPrintable(QString::number(spread)));
        // No connection was tried.
        QCOMPARE(linesOf("install", QString(), "connect").size(), before);
        QVERIFY(linesOf("install", macOf(4), "connect").isEmpty());
    }

    void noReplyToBeginInstall() { expectFailure(5, NI_ERROR_CMD_TIMEOUT, NI_STAGE_FORMAT); }
    void wrongMarkerAfterBeginInstall() { expectFailure(6, NI_ERROR_RECEIVE, NI_STAGE_FORMAT); }
    void serverErrorOnBeginInstall() { expectFailure(7, 11, NI_STAGE_FORMAT); }
    void serverErrorInThirdQuery() { expectFailure(8, 16, NI_STAGE_FORMAT); }
    void noReplyToQuery() { expectFailure(9, NI_ERROR_RECEIVE, NI_STAGE_FORMAT); }
    void tenByteReply() { expectFailure(21, NI_ERROR_RECEIVE, NI_STAGE_FORMAT); }

    // The server drops the connection early in the upload of a file far larger than what the
    // sockets can buffer.
    void closedDuringUpload()
    {
        const QString big = m_dir.filePath(QStringLiteral("Q2BAY_3002.pat"));
        QVERIFY(nit::writePatchFile(big, qint64(48) << 20));
        CNasConfig cfg = config(10);
        cfg.setPatPath(big);
        Run run;
        start(run, 10, cfg);
        QVERIFY(poll(run, nullptr, 60000));
        QVERIFY(run.job->wait(tsup::guardMs(5000)));
        QCOMPARE(run.job->getErrorCode(), ulong(NI_ERROR_SEND_PATCH));
        QCOMPARE(run.job->getStage(), int(NI_STAGE_INSTALL));
        const QList<QJsonObject> uploads = linesOf("install", macOf(10), "upload");
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads.first().value(QStringLiteral("complete")).toBool(), false);
    }

    void serverErrorInSecondUploadReply() { expectFailure(11, 13, NI_STAGE_INSTALL); }

    void noReplyToReboot()
    {
        expectFailure(12, NI_ERROR_CMD_TIMEOUT, NI_STAGE_REBOOT);
        QVERIFY(commandLog(12).endsWith(QLatin1String(",7]")));
    }

    // The server never comes back: 600 one-second steps, reboot state 5, stage 7, then 309.
    void silentAfterReboot()
    {
        Run run;
        runToEnd(run, 13, false, 120000);
        QCOMPARE(run.job->getErrorCode(), ulong(NI_ERROR_QC_UNFINISHED));
        QCOMPARE(run.job->getStage(), int(NI_STAGE_CONFIGURE));
        QCOMPARE(run.job->getRebootState(), int(CThreadNetInstall::REBOOT_TIMEOUT));
        QVERIFY(run.stages.contains(NI_STAGE_REBOOT));
        // Counted one-second steps, shown as the stage's percent, up to 600 and no further (the
        // time-out state above comes from the count). The steps pass every 10 ms at this
        // divisor, so a busy machine may keep this thread from seeing any number of them.
        QVERIFY2(run.rebootSeconds <= 600, qPrintable(QString::number(run.rebootSeconds)));
        QCOMPARE(run.job->getPercent(), 125000);
        // The unit stayed silent, and the job gave up only after its whole reboot wait: its
        // wait began after the reply to the reboot command and ended before the final
        // configuration went out, and each of its steps sleeps one second at the divisor.
        QVERIFY(linesOf("install", macOf(13), "announce").isEmpty());
        const qint64 waited = rebootWaitBound(13);
        QVERIFY2(waited >= CWaitScale::ms(CThreadNetInstall::REBOOT_WAIT_MS), qPrintable(QString::number(waited)));
    }

    // Type-6 answers do not end the reboot wait; the announcement after them does.
    void type6AnswersThenAnnouncement()
    {
        Run run;
        runToEnd(run, 14);
        QCOMPARE(run.job->getErrorCode(), 0ul);
        QCOMPARE(run.job->getStage(), int(NI_STAGE_DONE));
        // The type-6 state lasts a few tens of milliseconds here, which the poll may miss.
        QVERIFY(tsup::inOrder(run.rebootStates,
                              {int(CThreadNetInstall::REBOOT_IDLE), int(CThreadNetInstall::REBOOT_COMMANDED),
                               int(CThreadNetInstall::REBOOT_WAITING), int(CThreadNetInstall::REBOOT_TIMEOUT),
                               int(CThreadNetInstall::REBOOT_FINISHED)}));
        QCOMPARE(run.job->getRebootState(), int(CThreadNetInstall::REBOOT_FINISHED));
        // The wait ended on the announcement: the final configuration went out before the
        // reboot wait could have run out (its steps sleep one second at the divisor each).
        const qint64 waited = rebootWaitBound(14);
        QVERIFY2(waited >= 0 && waited < tsup::before(CWaitScale::ms(CThreadNetInstall::REBOOT_WAIT_MS)),
                 qPrintable(QString::number(waited)));
        QList<int> types;
        for (const QJsonObject &a : linesOf("install", macOf(14), "announce"))
            types << a.value(QStringLiteral("type")).toInt();
        QCOMPARE(types, QList<int>({6, 6, 6, 2}));
        // The final configuration came after the announcement.
        const QList<QJsonObject> announced = linesOf("install", macOf(14), "announce");
        QVERIFY(linesOf("quickconf", macOf(14)).last().value(QStringLiteral("t")).toDouble() >=
                announced.last().value(QStringLiteral("t")).toDouble());
    }

    // An unanswered final configuration is sent again at 25000, 50000, 75000, 100000 and 125000
    // counted milliseconds, then the job ends with 309 at stage 7.
    void finalQuickConfResent()
    {
        Run run;
        runToEnd(run, 15);
        QCOMPARE(run.job->getErrorCode(), ulong(NI_ERROR_QC_UNFINISHED));
        QCOMPARE(run.job->getStage(), int(NI_STAGE_CONFIGURE));
        const double rebootAt = linesOf("install", macOf(15), "reboot").first().value(QStringLiteral("t")).toDouble();
        int firstRound = 0;
        for (const QJsonObject &line : linesOf("quickconf", macOf(15)))
            if (line.value(QStringLiteral("t")).toDouble() < rebootAt)
                ++firstRound;
        QVERIFY(firstRound > 0);
        // The rounds after the reboot: the first and five resends, each going out as many times as
        // the first configuration. They are counted in all rather than told apart by the pauses
        // between them, which a stalled sender or server can stretch or close.
        auto finalCopies = [&] {
            int copies = 0;
            for (const QJsonObject &line : linesOf("quickconf", macOf(15)))
                copies += line.value(QStringLiteral("t")).toDouble() >= rebootAt;
            return copies;
        };
        // The last round may still be on its way to the simulated server.
        QVERIFY2(tsup::waitFor([&] { return finalCopies() == 6 * firstRound; }, 5000),
                 qPrintable(QStringLiteral("%1 copies").arg(finalCopies())));
        QTest::qWait(300);
        QCOMPARE(finalCopies(), 6 * firstRound);
    }

    // A cancel during the reboot wait: stage 8, no error, no final configuration.
    void cancelDuringRebootWait()
    {
        Run run;
        start(run, 16);
        QVERIFY(poll(run, [&] { return run.job->getRebootState() == CThreadNetInstall::REBOOT_WAITING; }, 30000));
        qint64 took = 0;
        {
            // The rest of the reboot wait at divisor 10: a minute, longer than the stop wait.
            tsup::WaitDivisor longer(10);
            QElapsedTimer t;
            t.start();
            run.job->setCancel(true);
            run.job->terminate();
            took = t.elapsed();
        }
        // Within a slice of the job, not its stop wait.
        QVERIFY2(took < tsup::before(CThreadNetInstall::STOP_WAIT_MS), qPrintable(QString::number(took)));
        QVERIFY(run.job->isFinished());
        QCOMPARE(run.job->getStage(), int(NI_STAGE_DONE));
        QCOMPARE(run.job->getErrorCode(), 0ul);
        // The server records its reboot after its reply that let the job into the wait.
        QVERIFY(tsup::waitFor([] { return !linesOf("install", macOf(16), "reboot").isEmpty(); }, 5000));
        const double rebootAt = linesOf("install", macOf(16), "reboot").first().value(QStringLiteral("t")).toDouble();
        for (const QJsonObject &line : linesOf("quickconf", macOf(16)))
            QVERIFY(line.value(QStringLiteral("t")).toDouble() < rebootAt);
    }

    // The unlimited wait after the upload ends at once on a cancel.
    void cancelDuringUnlimitedWait()
    {
        Run run;
        start(run, 17);
        QVERIFY(poll(run, [&] { return !linesOf("install", macOf(17), "upload").isEmpty(); }, 30000));
        QTest::qWait(50);
        QVERIFY(run.job->isRunning());
        QElapsedTimer t;
        t.start();
        run.job->setCancel(true);
        run.job->terminate();
        // Within a slice of the job, not its stop wait.
        QVERIFY2(t.elapsed() < tsup::before(CThreadNetInstall::STOP_WAIT_MS), qPrintable(QString::number(t.elapsed())));
        QVERIFY(run.job->isFinished());
        QCOMPARE(run.job->getStage(), int(NI_STAGE_INSTALL));
        QCOMPARE(run.job->getErrorCode(), 0ul);
        // The channel was closed by the job.
        QVERIFY(tsup::waitFor([] { return !linesOf("install", macOf(17), "close").isEmpty(); }, 5000));
    }

    // The program quits while a job waits without limit: its owner deletes it, which stops it.
    void quitDuringUnlimitedWait()
    {
        const CNasConfig cfg = config(18);
        const NASINFO rec = record(18);
        QObject *owner = new QObject;
        auto *job = new CThreadNetInstall(owner, m_udp, &cfg, &rec);
        job->start(QThread::InheritPriority);
        QVERIFY(tsup::waitFor([&] { return !linesOf("install", macOf(18), "upload").isEmpty(); }, 30000));
        QTest::qWait(50);
        QVERIFY(job->isRunning());
        QElapsedTimer t;
        t.start();
        delete owner;
        // Within a slice of the job, not its stop wait.
        QVERIFY2(t.elapsed() < tsup::before(CThreadNetInstall::STOP_WAIT_MS), qPrintable(QString::number(t.elapsed())));
    }

    // A server that closes every connection at once: the begin-install command gets no reply
    // (or cannot even be sent, depending on which side notices the close first).
    void acceptThenClose()
    {
        Run run;
        runToEnd(run, 19);
        QVERIFY2(run.job->getErrorCode() == NI_ERROR_CMD_TIMEOUT ||
                     run.job->getErrorCode() == NI_ERROR_SEND_BEGIN,
                 qPrintable(QString::number(run.job->getErrorCode())));
        QCOMPARE(run.job->getStage(), int(NI_STAGE_FORMAT));
    }

    // The reply to command 2 in two writes: the first half reads as a reply without error, the
    // second half, sent just before the next reply, spoils that one.
    void splitReplyToBeginInstall()
    {
        Run run;
        runToEnd(run, 20);
        QCOMPARE(run.job->getErrorCode(), ulong(NI_ERROR_RECEIVE));
        QVERIFY(run.job->getStage() >= NI_STAGE_FORMAT && run.job->getStage() <= NI_STAGE_FORMAT_DATA);
    }
};

BED_TEST_MAIN(TestNetInstallNetns)
#include "tst_netinstall_netns.moc"
