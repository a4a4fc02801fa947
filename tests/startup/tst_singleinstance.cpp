// The single-instance application object across real processes: this test binary is the first
// instance in its own temporary directory and starts itself again in roles (environment
// VORK_SI_ROLE) that send, hold the name, race for it, or find it held by a silent listener or
// left behind by a killed instance.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>

#include "CVorkSingleApplication.h"
#include "HangGuard.h"

namespace {

// What sendMessage() waits when it is given no time: a send that ignored the time it was given
// would wait this long.
const int DEFAULT_SEND_WAIT_MS = 5000;
// The time the send of silentInstanceIsTakenOver is given.
const int SHORT_SEND_WAIT_MS = 1500;

void say(const char *text)
{
    fprintf(stdout, "%s\n", text);
    fflush(stdout);
}

// Runs the event loop until the condition holds or the hang guard (tsup::guardMs(timeoutMs)) is up.
bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    const int guard = tsup::guardMs(timeoutMs);
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > guard)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// Child: the first instance keeps running, counts the texts it receives and ends when the quit
// file appears (or after 30 s); a later one sends its text and ends.
int runChild(CVorkSingleApplication &app, const QByteArray &role)
{
    const int timeout = qEnvironmentVariableIntValue("VORK_SI_TIMEOUT") > 0
                            ? qEnvironmentVariableIntValue("VORK_SI_TIMEOUT")
                            : DEFAULT_SEND_WAIT_MS;
    const QString text = qEnvironmentVariableIsSet("VORK_SI_TEXT")
                             ? QString::fromUtf8(qgetenv("VORK_SI_TEXT"))
                             : QStringLiteral("Wake up!");
    if (app.isRunning()) {
        if (role == "hold") {
            say("second");
            return 3;
        }
        QElapsedTimer t;
        t.start();
        const bool sent = app.sendMessage(text, timeout);
        say(sent ? "sent" : "not sent");
        if (!sent) {
            // A start that nobody answered goes on as the first instance.
            QLocalSocket probe;
            probe.connectToServer(app.serverName());
            say(!app.isRunning() && probe.waitForConnected(tsup::guardMs(1000)) ? "took over" : "no server");
            fprintf(stdout, "waited %lld\n", static_cast<long long>(t.elapsed()));
            fflush(stdout);
        }
        return sent ? 0 : 1;
    }
    say("first");
    int received = 0;
    QObject::connect(&app, &CVorkSingleApplication::messageReceived, [&](const QString &m) {
        ++received;
        fprintf(stdout, "got %s\n", m.toUtf8().constData());
        fflush(stdout);
    });
    const QString quitFile = QString::fromLocal8Bit(qgetenv("VORK_SI_QUIT"));
    QTimer poll;
    QElapsedTimer alive;
    alive.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if ((!quitFile.isEmpty() && QFile::exists(quitFile)) || alive.elapsed() > tsup::guardMs())
            app.quit();
    });
    poll.start(20);
    app.exec();
    fprintf(stdout, "received %d\n", received);
    fflush(stdout);
    return 2;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit TestSingleInstance(CVorkSingleApplication &app) : m_app(app) {}

private:
    CVorkSingleApplication &m_app;
    QList<QProcess *> m_children;

    QProcess *start(const QString &tmpDir, const QByteArray &role,
                    const QMap<QString, QString> &extra = {})
    {
        auto *p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmpDir);
        env.insert(QStringLiteral("VORK_SI_ROLE"), QString::fromLatin1(role));
        for (auto it = extra.begin(); it != extra.end(); ++it)
            env.insert(it.key(), it.value());
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(), QStringList());
        m_children << p;
        return p;
    }

    // Waits for the child to end while this process keeps answering.
    static bool finish(QProcess *p, int timeoutMs)
    {
        return waitFor([p] { return p->state() == QProcess::NotRunning; }, timeoutMs);
    }

    static bool saw(QProcess *p, const QByteArray &line, int timeoutMs)
    {
        QByteArray all;
        return waitFor(
            [&] {
                all += p->readAllStandardOutput();
                return all.split('\n').contains(line);
            },
            timeoutMs);
    }

    // The socket name the children compute in another temporary directory.
    QString nameIn(const QString &tmpDir) const
    {
        return tmpDir + QLatin1Char('/') + QFileInfo(m_app.serverName()).fileName();
    }

private slots:
    void cleanup()
    {
        for (QProcess *p : m_children) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(tsup::guardMs(5000));
            }
            delete p;
        }
        m_children.clear();
    }

    void firstInstanceListens()
    {
        QVERIFY(!m_app.isRunning());
        QCOMPARE(QFileInfo(m_app.serverName()).path(), QDir::tempPath());
        QVERIFY(m_app.id().contains(QCoreApplication::applicationFilePath()));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(m_app.serverName()).constData(), &st), 0);
        QVERIFY(S_ISSOCK(st.st_mode));
        // Only the owner may connect.
        QCOMPARE(int(st.st_mode & 0077), 0);
        // The first instance has nobody to send to: false at once, without waiting out the time
        // given.
        QElapsedTimer t;
        t.start();
        QVERIFY(!m_app.sendMessage(QStringLiteral("Wake up!"), DEFAULT_SEND_WAIT_MS));
        QVERIFY2(t.elapsed() < tsup::before(DEFAULT_SEND_WAIT_MS), qPrintable(QString::number(t.elapsed())));
    }

    void secondStartHandsOverItsText()
    {
        QWidget window;
        window.showMinimized();
        m_app.setActivationWindow(&window, true);
        QSignalSpy spy(&m_app, &CVorkSingleApplication::messageReceived);
        QProcess *child = start(QDir::tempPath(), "send");
        QVERIFY(finish(child, 10000));
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(child->exitCode(), 0);
        QVERIFY(child->readAllStandardOutput().contains("sent"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Wake up!"));
        // The activation window came back from its minimised state.
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        m_app.setActivationWindow(nullptr);
    }

    void textsArriveWhole()
    {
        QSignalSpy spy(&m_app, &CVorkSingleApplication::messageReceived);
        const QString text = QString::fromUtf8("Grüße ✓ ") + QString(60000, QLatin1Char('x'));
        QProcess *child = start(QDir::tempPath(), "send",
                                {{QStringLiteral("VORK_SI_TEXT"), text}});
        QVERIFY(finish(child, 10000));
        QCOMPARE(child->exitCode(), 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), text);
    }

    void oversizedTextIsRefused()
    {
        // A peer announcing more than the limit is cut off without a confirmation.
        QSignalSpy spy(&m_app, &CVorkSingleApplication::messageReceived);
        QLocalSocket socket;
        socket.connectToServer(m_app.serverName());
        QVERIFY(socket.waitForConnected(tsup::guardMs(2000)));
        const char header[4] = {0x7f, 0x00, 0x00, 0x00};
        socket.write(header, 4);
        socket.write(QByteArray(1000, 'y'));
        QVERIFY(socket.waitForBytesWritten(tsup::guardMs(2000)));
        QVERIFY(waitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 5000));
        QCOMPARE(socket.bytesAvailable(), 0);
        QCOMPARE(spy.count(), 0);
    }

    void otherTemporaryDirectoryIsAnotherInstance()
    {
        QTemporaryDir other(QDir::tempPath() + QStringLiteral("/vork-si-XXXXXX"));
        QProcess *child = start(other.path(), "hold",
                                {{QStringLiteral("VORK_SI_QUIT"), other.filePath("quit")}});
        QVERIFY(saw(child, "first", 10000));
        QVERIFY(QFile::exists(nameIn(other.path())));
        QFile(other.filePath("quit")).open(QIODevice::WriteOnly);
        QVERIFY(finish(child, 10000));
        QCOMPARE(child->exitCode(), 2);
    }

    void killedInstanceDoesNotBlock()
    {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/vork-si-XXXXXX"));
        QProcess *first = start(dir.path(), "hold");
        QVERIFY(saw(first, "first", 10000));
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(finish(first, 10000));
        // The socket of the dead instance is still there.
        QVERIFY(QFile::exists(nameIn(dir.path())));

        QProcess *next = start(dir.path(), "hold",
                               {{QStringLiteral("VORK_SI_QUIT"), dir.filePath("quit")}});
        QVERIFY(saw(next, "first", 10000));
        // And it really serves the name now.
        QProcess *sender = start(dir.path(), "send");
        QVERIFY(finish(sender, 10000));
        QCOMPARE(sender->exitCode(), 0);
        QFile(dir.filePath("quit")).open(QIODevice::WriteOnly);
        QVERIFY(finish(next, 10000));
        QVERIFY(next->readAllStandardOutput().contains("received 1"));
    }

    void silentInstanceIsTakenOver()
    {
        // Something accepts on the name but never confirms: after the time-out the new start
        // goes on as the first instance and serves the name itself.
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/vork-si-XXXXXX"));
        QLocalServer silent;
        QVERIFY(silent.listen(nameIn(dir.path())));
        QProcess *child = start(dir.path(), "send",
                                {{QStringLiteral("VORK_SI_TIMEOUT"), QString::number(SHORT_SEND_WAIT_MS)}});
        QVERIFY(finish(child, 15000));
        QCOMPARE(child->exitCode(), 1);
        const QByteArray out = child->readAllStandardOutput();
        QVERIFY2(out.contains("not sent") && out.contains("took over"), out.constData());
        const int waited = out.mid(out.indexOf("waited ") + 7).trimmed().toInt();
        // The time given was waited out, and no more: a send that ignored it would wait its
        // default.
        QVERIFY2(waited >= SHORT_SEND_WAIT_MS && waited < tsup::before(DEFAULT_SEND_WAIT_MS),
                 out.constData());
    }

    void simultaneousStartsLeaveOne()
    {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/vork-si-XXXXXX"));
        const int count = 5;
        QList<QProcess *> list;
        for (int i = 0; i < count; ++i)
            list << start(dir.path(), "race", {{QStringLiteral("VORK_SI_QUIT"), dir.filePath("quit")}});
        // All but one send and end; the one left is the first instance.
        QVERIFY(waitFor(
            [&] {
                int ended = 0;
                for (QProcess *p : list)
                    ended += p->state() == QProcess::NotRunning;
                return ended == count - 1;
            },
            20000));
        QProcess *survivor = nullptr;
        for (QProcess *p : list) {
            if (p->state() != QProcess::NotRunning) {
                survivor = p;
            } else {
                QCOMPARE(p->exitCode(), 0);
            }
        }
        QVERIFY(survivor);
        QFile(dir.filePath("quit")).open(QIODevice::WriteOnly);
        QVERIFY(finish(survivor, 10000));
        const QByteArray out = survivor->readAllStandardOutput();
        QVERIFY2(out.startsWith("first") && out.contains("received 4"), out.constData());
    }
};

int main(int argc, char **argv)
{
    const QByteArray role = qgetenv("VORK_SI_ROLE");
    if (!role.isEmpty()) {
        CVorkSingleApplication app(argc, argv, true);
        return runChild(app, role);
    }
    // The test itself is the first instance in a directory of its own, inside the temporary
    // folder it was given.
    QTemporaryDir tmp(QDir::tempPath() + QStringLiteral("/vork-si-XXXXXX"));
    if (!tmp.isValid())
        return 2;
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    CVorkSingleApplication app(argc, argv, true);
    TestSingleInstance tc(app);
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_singleinstance.moc"
