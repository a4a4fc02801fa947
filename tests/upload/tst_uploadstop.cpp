// Stopping uploads at arbitrary moments, many times over: terminate() from the GUI thread while
// the worker converts, sends or waits for a reply, and deleting running workers. Every run must
// end promptly, never send a part after the stop and never report an end it did not reach. The
// same test is also built with ThreadSanitizer (label "tsan"), which checks the hand-over of the
// reply and converter handles between the two threads.
#include "UploadFixture.h"

#include "HangGuard.h"
#include "ToolBench.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QtMessageHandler g_previousHandler = nullptr;

void quietProgramLines(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("src/")))
        return;
    g_previousHandler(type, context, message);
}

} // namespace

class TestUploadStop : public QObject
{
    Q_OBJECT

private:
    SimPhotoServer* m_sim = nullptr;
    ToolBench m_bench;
    QTemporaryDir* m_files = nullptr;
    QStringList m_paths;

    // Runs the GUI thread's event loop for about `ms` milliseconds.
    static void spin(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(quietProgramLines);
        m_sim = new SimPhotoServer(QStringLiteral(VORK_SIMSERVER_BIN));
        QString error;
        QVERIFY2(m_sim->start(&error), qPrintable(error));
        QVERIFY(m_bench.clear());
        m_files = new QTemporaryDir();
        QVERIFY(m_files->isValid());
        const QString thumb = m_files->filePath(QStringLiteral("thumb.jpg"));
        QVERIFY(makeJpeg(thumb, 32, 24));
        QVERIFY(m_bench.installFake(QStringLiteral("ImageMagick/convert"), {QStringLiteral("copy ") + thumb}));
        for (int i = 0; i < 3; ++i) {
            m_paths << m_files->filePath(QStringLiteral("p%1.jpg").arg(i));
            QVERIFY(makeJpeg(m_paths.last(), 48, 32));
            m_paths << m_files->filePath(QStringLiteral("t%1.txt").arg(i));
            QVERIFY(writeFile(m_paths.last(), QByteArray(20000, 't')));
        }
    }

    void cleanupTestCase()
    {
        delete m_sim;
        delete m_files;
    }

    void stopAtRandomMoments_data()
    {
        QTest::addColumn<bool>("byDeleting");
        QTest::addColumn<bool>("slowServer");
        QTest::newRow("terminate") << false << false;
        QTest::newRow("terminate, requests held") << false << true;
        QTest::newRow("delete") << true << false;
        QTest::newRow("delete, requests held") << true << true;
    }

    void stopAtRandomMoments()
    {
        QFETCH(bool, byDeleting);
        QFETCH(bool, slowServer);
        QRandomGenerator random(byDeleting * 2 + slowServer + 1);
        const int cycles = 12;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            QCOMPARE(m_sim->command(QStringLiteral("photo reset")), QStringLiteral("ok"));
            m_sim->forgetRequests();
            if (slowServer)
                QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php * 0 hold")),
                         QStringLiteral("ok"));
            UploadSetup setup(m_sim);
            QVERIFY(setup.login());
            for (const QString& path : m_paths)
                setup.addRow(path);
            setup.start();
            spin(int(random.bounded(80)));

            // A stop that waited for a held request would never come back (the requests have no
            // time limit): the test function's time limit ends that.
            if (byDeleting) {
                delete setup.worker;
                setup.worker = nullptr;
            } else {
                setup.worker->terminate();
                QVERIFY(setup.waitDone(5000));
            }
            const int sent = m_sim->requests().size();
            spin(50);
            // Nothing after the stop, and no end that was not reached.
            QCOMPARE(m_sim->requests().size(), sent);
            if (slowServer)
                QVERIFY(!setup.recorder.events.contains(QStringLiteral("finished")));
            QVERIFY(!setup.recorder.events.contains(QStringLiteral("lost")));
            QVERIFY(setup.failed.size() <= 1);
            QVERIFY(QDir(workFolder()).entryList(QDir::Files).isEmpty());
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    usePrivateTempFolder();
    TestUploadStop test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uploadstop.moc"
