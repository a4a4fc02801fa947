// The real program on the offscreen platform, inside the namespace bed with the simulated server
// answering for three units: the debug log (-D, -d, none), and one instance per temporary
// directory (a second start, another directory, a killed first instance, two starts at once).
// Every run has its own settings with the terms already accepted, and is stopped by SIGTERM.

#include <QFileInfo>

#include "HangGuard.h"
#include "programrun.h"

using mwt::ProgramPlace;
using mwt::ProgramRun;
using mwt::readFile;
using mwt::waitForLog;

namespace {

const QByteArray Accepted = "[Global]\nAgreeEULA=true\n";

QStringList offscreen(const QStringList &more = {})
{
    return QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")} + more;
}

// What a second start waits for the first instance to take its text (the time main() gives
// sendMessage()). One that waited it out would end no sooner.
const int SECOND_START_SEND_WAIT_MS = 5000;

// The version line, written once the options are read.
const QString VersionLine = QStringLiteral("src/main:");

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void debugLogNamedByOption()
    {
        ProgramPlace place;
        place.setSettings(Accepted);
        const QString log = place.path(QStringLiteral("run log.txt"));
        {
            QFile f(log);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("left from an earlier run\n");
        }
        ProgramRun run(place, offscreen({QStringLiteral("-D"), log}));
        // The interface list is written line by line after the window is up, often after the
        // answers, and SIGTERM ends the program between two lines: wait for the line itself.
        const QString macLine = QStringLiteral("Mac Address:\t02:00:C6:12:00:01");
        QVERIFY(waitForLog(log, mwt::threeUnitAnswers() + QStringList{macLine}, 15000));
        QVERIFY(run.stop());

        const QString text = QString::fromLocal8Bit(readFile(log));
        QVERIFY(!text.contains(QLatin1String("earlier run")));
        QVERIFY(text.contains(QLatin1String("=[5.0-4448] ")));
        QVERIFY(text.contains(macLine));
        const QStringList lines = text.split(QLatin1Char('\n'));
        int written = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QString &line = lines.at(i);
            // Texts that end with their own line break leave an empty line after them.
            if (line.isEmpty())
                continue;
            QVERIFY2(mwt::debugLine().match(line).hasMatch(), qPrintable(line));
            ++written;
        }
        QVERIFY(written > 10);
        QVERIFY(!QFile::exists(place.workDir() + QStringLiteral("/mydebug.txt")));
    }

    void debugLogInWorkingDirectory()
    {
        ProgramPlace place;
        place.setSettings(Accepted);
        ProgramRun run(place, offscreen({QStringLiteral("-d")}));
        const QString log = place.workDir() + QStringLiteral("/mydebug.txt");
        QVERIFY(waitForLog(log, mwt::threeUnitAnswers(), 15000));
        QVERIFY(run.stop());
    }

    void noDebugLeavesTheFileAlone()
    {
        ProgramPlace place;
        place.setSettings(Accepted);
        const QString log = place.workDir() + QStringLiteral("/mydebug.txt");
        {
            QFile f(log);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("keep me\n");
        }
        const QDateTime modified = QFileInfo(log).lastModified();
        const int before = bed::capturedDatagrams().size();
        ProgramRun run(place, offscreen());
        // Wait until the program has searched (and so has passed its whole start-up).
        QVERIFY(mwt::waitFor([&] { return bed::capturedDatagrams().size() > before; }, 15000));
        QVERIFY(run.staysRunning(1000));
        QVERIFY(run.stop());
        QCOMPARE(readFile(log), QByteArray("keep me\n"));
        QCOMPARE(QFileInfo(log).lastModified(), modified);
        QCOMPARE(QDir(place.workDir()).entryList(QDir::Files), QStringList{"mydebug.txt"});
    }

    void secondStartWakesTheFirst()
    {
        ProgramPlace place;
        place.setSettings(Accepted);
        const QString log1 = place.path(QStringLiteral("first.txt"));
        const QString log2 = place.path(QStringLiteral("second.txt"));
        ProgramRun first(place, offscreen({QStringLiteral("-D"), log1}));
        QVERIFY(waitForLog(log1, mwt::threeUnitAnswers(), 15000));

        ProgramRun second(place, offscreen({QStringLiteral("-D"), log2}));
        // The first instance logs the text once it has confirmed it.
        QVERIFY(waitForLog(log1, {QStringLiteral("strMessage=[Wake up!]")}, 5000));
        QElapsedTimer t;
        t.start();
        QVERIFY(second.waitForEnd(SECOND_START_SEND_WAIT_MS));
        // Ended on the confirmation, not after the send's whole wait: that wait began a moment
        // before the confirmation, so one waited out would end nearly all of it after it.
        QVERIFY2(t.elapsed() < tsup::before(SECOND_START_SEND_WAIT_MS / 2),
                 qPrintable(QString::number(t.elapsed())));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // The second start changed nothing: it never got as far as its own debug file.
        QVERIFY(!QFile::exists(log2));

        QVERIFY(first.staysRunning(500));
        QVERIFY(first.stop());
    }

    void anotherTemporaryDirectoryRunsAnother()
    {
        ProgramPlace place;
        place.setSettings(Accepted);
        const QString log1 = place.path(QStringLiteral("first.txt"));
        const QString log2 = place.path(QStringLiteral("second.txt"));
        const QString otherTmp = place.path(QStringLiteral("othertmp"));
        QVERIFY(QDir().mkpath(otherTmp));
        ProgramRun first(place, offscreen({QStringLiteral("-D"), log1}));
        QVERIFY(waitForLog(log1, {VersionLine}, 15000));
        ProgramRun second(place, offscreen({QStringLiteral("-D"), log2}), otherTmp);
        QVERIFY(waitForLog(log2, {VersionLine}, 15000));
        QVERIFY(second.staysRunning(2000));
        QVERIFY(first.running());
        QVERIFY(second.stop());
        QVERIFY(first.stop());
    }

    void killedInstanceDoesNotBlockTheNext()
    {
        ProgramPlace place;
        place.setSettings(Accepted);
        const QString log1 = place.path(QStringLiteral("first.txt"));
        const QString log2 = place.path(QStringLiteral("next.txt"));
        {
            ProgramRun first(place, offscreen({QStringLiteral("-D"), log1}));
            QVERIFY(waitForLog(log1, mwt::threeUnitAnswers(), 15000));
            QVERIFY(first.signal(SIGKILL));
            QVERIFY(first.waitForEnd(5000));
        }
        // Its socket is still in the directory.
        QVERIFY(!QDir(place.tmpDir()).entryList({QStringLiteral("VRVornakeeper-*")},
                                                 QDir::System).isEmpty());
        ProgramRun next(place, offscreen({QStringLiteral("-D"), log2}));
        QVERIFY(waitForLog(log2, mwt::threeUnitAnswers(), 15000));
        QVERIFY(next.staysRunning(1000));
        QVERIFY(next.stop());
    }

    void twoStartsAtOnceLeaveOne()
    {
        ProgramPlace place;
        place.setSettings(Accepted);
        ProgramRun a(place, offscreen());
        ProgramRun b(place, offscreen());
        QVERIFY(mwt::waitFor([&] { return !a.running() || !b.running(); }, 10000));
        ProgramRun &ended = a.running() ? b : a;
        ProgramRun &left = a.running() ? a : b;
        QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ended.exitCode(), 0);
        QVERIFY(left.staysRunning(2000));
        QVERIFY(left.stop());
    }
};

GUI_BED_TEST_MAIN(TestProgram)
#include "tst_program.moc"
