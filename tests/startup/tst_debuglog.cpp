// The command line and the debug log of start-up: getopt's option string and the values it
// sets, the debug file's line format per message type, its re-creation, the discovery library's
// lines, percent signs, lost messages, whole lines from several threads and the fatal message.

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstring>
#include <vector>

#include "CFindHostUDP.h"
#include "HangGuard.h"
#include "VorkDebug.h"
#include "VorkStartup.h"
#include "fhost.h"

namespace {

// A writable argv for getopt, built from texts.
class Argv
{
public:
    explicit Argv(const QList<QByteArray> &args)
    {
        m_storage = args;
        for (QByteArray &a : m_storage)
            m_pointers.push_back(a.data());
        m_pointers.push_back(nullptr);
    }
    int argc() const { return int(m_pointers.size()) - 1; }
    char **argv() { return m_pointers.data(); }

private:
    QList<QByteArray> m_storage;
    std::vector<char *> m_pointers;
};

void parse(const QList<QByteArray> &args)
{
    resetStartupOptions();
    Argv a(QList<QByteArray>{"VRVornakeeper"} + args);
    parseStartupOptions(a.argc(), a.argv());
}

QStringList readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
}

const QRegularExpression &lineFormat()
{
    static const QRegularExpression re(
        QStringLiteral("^(\\d\\d)-(\\d\\d) (\\d\\d):(\\d\\d):(\\d\\d) (Debug|Warning|Fatal): (.*)$"));
    return re;
}

// Points the debug file at `path` and installs the handler for the test's duration.
class HandlerScope
{
public:
    explicit HandlerScope(const QString &path)
    {
        const QByteArray p = QFile::encodeName(path);
        memset(gszDebugFilePath, 0, sizeof(gszDebugFilePath));
        memcpy(gszDebugFilePath, p.constData(), size_t(p.size()));
        m_previous = qInstallMessageHandler(debugMessageHandler);
    }
    ~HandlerScope() { qInstallMessageHandler(m_previous); }

private:
    QtMessageHandler m_previous;
};

} // namespace

class TestDebugLog : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetStartupOptions(); }

    void defaults()
    {
        parse({});
        QCOMPARE(gblDebug, false);
        QCOMPARE(QByteArray(gszDebugFilePath), QByteArray("mydebug.txt"));
        QCOMPARE(gblFont, true);
        QCOMPARE(gnFontSize, 0);
        QVERIFY(gstrLanguageHint.isEmpty());
        QCOMPARE(QByteArray(gszPatchCopyDir), QByteArray());
        QCOMPARE(gblPatchCopy, false);
    }

    void options()
    {
        parse({"-d"});
        QCOMPARE(gblDebug, true);
        QCOMPARE(QByteArray(gszDebugFilePath), QByteArray("mydebug.txt"));

        parse({"-D", "/tmp/x/log.txt"});
        QCOMPARE(gblDebug, true);
        QCOMPARE(QByteArray(gszDebugFilePath), QByteArray("/tmp/x/log.txt"));

        parse({"-F"});
        QCOMPARE(gblFont, false);
        QCOMPARE(gnFontSize, 0);

        parse({"-F", "-s", "12"});
        QCOMPARE(gblFont, false);
        QCOMPARE(gnFontSize, 12);

        parse({"-s", "-7"});
        QCOMPARE(gnFontSize, -7);
        parse({"-s", "abc"});
        QCOMPARE(gnFontSize, 0);
        parse({"-s", "15pt"});
        QCOMPARE(gnFontSize, 15);

        parse({"-L", "deu"});
        QCOMPARE(gstrLanguageHint, QStringLiteral("deu"));
        QCOMPARE(gblDebug, false);

        parse({"-P", "/srv/patches"});
        QCOMPARE(gblPatchCopy, true);
        QCOMPARE(QByteArray(gszPatchCopyDir), QByteArray("/srv/patches"));

        // Clustered flags, the ignored -a, and arguments that are no options.
        parse({"-adF", "extra", "-s3"});
        QCOMPARE(gblDebug, true);
        QCOMPARE(gblFont, false);
        QCOMPARE(gnFontSize, 3);
    }

    void unknownOptionsAreOnlyReported()
    {
        // getopt prints its own message for -x; everything else is still read.
        parse({"-x", "-D", "f.txt", "-q", "-P", "p"});
        QCOMPARE(gblDebug, true);
        QCOMPARE(QByteArray(gszDebugFilePath), QByteArray("f.txt"));
        QCOMPARE(QByteArray(gszPatchCopyDir), QByteArray("p"));
        // A missing argument leaves the value as it was.
        parse({"-s"});
        QCOMPARE(gnFontSize, 0);
    }

    void longPathsAreCut()
    {
        const QByteArray longName(5000, 'a');
        parse({"-D", longName, "-P", QByteArray(4095, 'b') + "cc"});
        QCOMPARE(int(strlen(gszDebugFilePath)), VORK_PATH_BUFFER - 1);
        QCOMPARE(QByteArray(gszDebugFilePath), longName.left(VORK_PATH_BUFFER - 1));
        QCOMPARE(int(strlen(gszPatchCopyDir)), VORK_PATH_BUFFER - 1);
        QCOMPARE(QByteArray(gszPatchCopyDir), QByteArray(4095, 'b'));
        QVERIFY(gblPatchCopy);

        // Exactly 4095 bytes fit whole.
        parse({"-D", QByteArray(4095, 'z')});
        QCOMPARE(QByteArray(gszDebugFilePath), QByteArray(4095, 'z'));
    }

    void lineFormatPerType()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("debug.txt"));
        const QDateTime before = QDateTime::currentDateTime();
        {
            HandlerScope scope(path);
            qDebug("first %d", 1);
            qInfo("an info line");
            qWarning("a warning");
            qCritical("a critical message");
            qDebug("%s", "100% sure");
        }
        const QDateTime after = QDateTime::currentDateTime();
        const QStringList lines = readLines(path);
        QCOMPARE(lines.size(), 5); // four lines and the end after the last line break
        QCOMPARE(lines.last(), QString());

        const QStringList expected{QStringLiteral("Debug: first 1"),
                                   QStringLiteral("Debug: an info line"),
                                   QStringLiteral("Warning: a warning"),
                                   QStringLiteral("Debug: 100% sure")};
        for (int i = 0; i < 4; ++i) {
            const QRegularExpressionMatch m = lineFormat().match(lines.at(i));
            QVERIFY2(m.hasMatch(), qPrintable(lines.at(i)));
            QCOMPARE(lines.at(i).mid(15), expected.at(i));
            // The stamp is local time now, month first, no year.
            const QDateTime stamp(QDate(before.date().year(), m.captured(1).toInt(),
                                        m.captured(2).toInt()),
                                  QTime(m.captured(3).toInt(), m.captured(4).toInt(),
                                        m.captured(5).toInt()));
            QVERIFY(stamp.isValid());
            QVERIFY(stamp >= before.addSecs(-1).addMSecs(-before.time().msec()));
            QVERIFY(stamp <= after.addSecs(1));
        }
    }

    void appendsAndLosesOnlyUnopenableMessages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("debug.txt"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier line\n");
        }
        {
            HandlerScope scope(path);
            qDebug("appended");
        }
        QStringList lines = readLines(path);
        QCOMPARE(lines.first(), QStringLiteral("earlier line"));
        QVERIFY(lines.at(1).endsWith(QLatin1String(" Debug: appended")));

        // A file that cannot be opened loses that message only.
        const QString missing = dir.filePath(QStringLiteral("no/such/dir/debug.txt"));
        {
            HandlerScope scope(missing);
            qDebug("lost");
        }
        QVERIFY(!QFile::exists(missing));
        {
            HandlerScope scope(path);
            qDebug("after the lost one");
        }
        lines = readLines(path);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines.at(2).endsWith(QLatin1String(" Debug: after the lost one")));
    }

    void librarySinkWritesTextUnchanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("debug.txt"));
        {
            HandlerScope scope(path);
            // Taken as a format this would read missing arguments and write through %n.
            QCOMPARE(findhostPrintSink("lib line %s%n%d [100%]"), 0);
            QCOMPARE(findhostPrintSink(nullptr), 0);
        }
        const QStringList lines = readLines(path);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lineFormat().match(lines.at(0)).hasMatch());
        QCOMPARE(lines.at(0).mid(15), QStringLiteral("Debug: lib line %s%n%d [100%]"));
    }

    void startDebugLogRecreatesFileAndTakesLibraryLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("start.txt"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("from an earlier run\n");
        }
        parse({"-D", QFile::encodeName(path)});
        QVERIFY(gblDebug);
        const QtMessageHandler previous = qInstallMessageHandler(nullptr);
        startDebugLog();
        // The library's own lines, both levels, through the program's log context.
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d level one %d\n", "udp.c", 7, 42);
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_DETAIL, "level two [%s]\n", "x");
        qInstallMessageHandler(previous);
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_DETAIL, nullptr);

        const QStringList lines = readLines(path);
        QVERIFY2(!lines.join('\n').contains(QLatin1String("earlier run")), "file not recreated");
        QVERIFY(lineFormat().match(lines.at(0)).hasMatch());
        QCOMPARE(lines.at(0).mid(15), QStringLiteral("Debug: udp.c:7 level one 42"));
        // The library's own line break stays part of the text.
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2).mid(15), QStringLiteral("Debug: level two [x]"));
    }

    void threadsWriteWholeLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("threads.txt"));
        const int threads = 4;
        const int perThread = 300;
        {
            HandlerScope scope(path);
            QList<QThread *> list;
            for (int t = 0; t < threads; ++t) {
                list << QThread::create([t] {
                    const QByteArray pad(200, char('a' + t));
                    for (int i = 0; i < perThread; ++i)
                        qDebug("thread %d line %d %s", t, i, pad.constData());
                });
                list.last()->start();
            }
            for (QThread *th : list) {
                QVERIFY(th->wait(tsup::guardMs(60000)));
                delete th;
            }
        }
        const QStringList lines = readLines(path);
        QCOMPARE(lines.size(), threads * perThread + 1);
        QVector<int> next(threads, 0);
        const QRegularExpression body(QStringLiteral("^Debug: thread (\\d) line (\\d+) ([a-z]{200})$"));
        for (int i = 0; i < lines.size() - 1; ++i) {
            QVERIFY2(lineFormat().match(lines.at(i)).hasMatch(), qPrintable(lines.at(i)));
            const QRegularExpressionMatch m = body.match(lines.at(i).mid(15));
            QVERIFY2(m.hasMatch(), qPrintable(lines.at(i)));
            const int t = m.captured(1).toInt();
            QCOMPARE(m.captured(2).toInt(), next[t]++);
            QCOMPARE(m.captured(3), QString(200, QLatin1Char('a' + t)));
        }
    }

    // The child runs under a locale with other digits than 0-9: the stamps keep ASCII digits.
    void fatalWritesItsLineAndAborts()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fatal.txt"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VORK_FATAL_CHILD"), path);
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ar_EG.UTF-8"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(tsup::guardMs(30000)));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QStringList lines = readLines(path);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).mid(15), QStringLiteral("Debug: before"));
        QVERIFY(lineFormat().match(lines.at(1)).hasMatch());
        QCOMPARE(lines.at(1).mid(15), QStringLiteral("Fatal: the end"));
    }
};

int main(int argc, char **argv)
{
    const QByteArray fatalPath = qgetenv("VORK_FATAL_CHILD");
    if (!fatalPath.isEmpty()) {
        QCoreApplication app(argc, argv);
        HandlerScope scope(QFile::decodeName(fatalPath));
        qDebug("before");
        qFatal("the end");
        return 0; // not reached
    }
    QCoreApplication app(argc, argv);
    TestDebugLog tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_debuglog.moc"
