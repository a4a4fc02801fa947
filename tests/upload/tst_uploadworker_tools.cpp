// Whole uploads with the real converters: Debian's ImageMagick, dcraw and ffmpeg (through the
// program's wrapper) make the thumbnails and web versions of photos, a RAW photo and a generated
// clip, and the worker sends them over HTTP to the simulated photo web application.
#include "UploadFixture.h"

#include "HangGuard.h"
#include "TestDng.h"
#include "ToolBench.h"

#include <QBuffer>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void quietProgramLines(QtMsgType type, const QMessageLogContext& context, const QString& message);
QtMessageHandler g_previousHandler = nullptr;

void quietProgramLines(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("src/")))
        return;
    g_previousHandler(type, context, message);
}

// Width and height of a stored JPEG, or an empty size.
QSize imageSize(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, "jpeg");
    return reader.read().size();
}

} // namespace

class TestUploadWorkerTools : public QObject
{
    Q_OBJECT

private:
    SimPhotoServer* m_sim = nullptr;
    ToolBench m_bench;
    QTemporaryDir* m_media = nullptr;

    QByteArray stored(const QString& name, const QString& type)
    {
        return QByteArray::fromHex(m_sim->ok(QStringLiteral("photo file - Trip %1 %2").arg(name, type)).toLatin1());
    }

    static QStringList putTypes(SimPhotoServer* sim) { return uploadTypes(sim->requests()); }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(quietProgramLines);
        m_sim = new SimPhotoServer(QStringLiteral(VORK_SIMSERVER_BIN));
        QString error;
        QVERIFY2(m_sim->start(&error), qPrintable(error));
        QVERIFY(m_bench.clear());
        QVERIFY2(m_bench.installReal(QStringList(), &error), qPrintable(error));
        m_media = new QTemporaryDir();
        QVERIFY(m_media->isValid());
    }

    void cleanupTestCase()
    {
        delete m_sim;
        delete m_media;
    }

    void init()
    {
        QCOMPARE(m_sim->command(QStringLiteral("photo reset")), QStringLiteral("ok"));
        m_sim->forgetRequests();
        QDir(workFolder()).removeRecursively();
    }

    void photos()
    {
        const QString wide = m_media->filePath(QStringLiteral("wide.jpg"));
        const QString tall = m_media->filePath(QStringLiteral("tall.png"));
        QVERIFY(makeJpeg(wide, 1600, 1200));
        QImage image(300, 900, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(tall, "PNG"));

        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(wide);
        setup.addRow(tall);
        setup.start();
        QVERIFY(setup.waitDone(120000));
        QCOMPARE(putTypes(m_sim),
                 QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "ORIG_FILE", "THUM_B", "THUM_L",
                              "THUM_M", "THUM_S", "THUM_XL", "ORIG_FILE"}));
        QVERIFY(setup.failed.isEmpty());
        QCOMPARE(setup.counter, 2u);
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));

        // The thumbnails keep the proportions within their bounds; the photo goes up unchanged.
        QCOMPARE(imageSize(stored("wide.jpg", "THUM_B")), QSize(640, 480));
        QCOMPARE(imageSize(stored("wide.jpg", "THUM_L")), QSize(800, 600));
        QCOMPARE(imageSize(stored("wide.jpg", "THUM_M")), QSize(320, 240));
        QCOMPARE(imageSize(stored("wide.jpg", "THUM_S")), QSize(120, 90));
        QCOMPARE(imageSize(stored("wide.jpg", "THUM_XL")), QSize(1280, 960));
        QCOMPARE(stored("wide.jpg", "ORIG_FILE"), fileBytes(wide));
        QCOMPARE(imageSize(stored("tall.png", "THUM_S")), QSize(40, 120));
        QCOMPARE(stored("tall.png", "ORIG_FILE"), fileBytes(tall));
        // The page saw the large thumbnail of each conversion.
        QCOMPARE(setup.recorder.withPrefix(QStringLiteral("thumb:")),
                 QStringList({"thumb:", "thumb:" + workFolder() + "/1THUMB_B.jpg", "thumb:",
                              "thumb:" + workFolder() + "/2THUMB_B.jpg"}));
        QVERIFY(QDir(workFolder()).entryList(QDir::Files).isEmpty());
    }

    void rawPhoto()
    {
        const QString raw = m_media->filePath(QStringLiteral("camera.dng"));
        QVERIFY(TestDng::write(raw, QSize(1024, 768), QSize(1280, 960)));
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(raw);
        setup.start();
        QVERIFY(setup.waitDone(120000));
        QCOMPARE(putTypes(m_sim), QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "ORIG_FILE"}));
        QCOMPARE(imageSize(stored("camera.dng", "THUM_B")), QSize(640, 480));
        QCOMPARE(stored("camera.dng", "ORIG_FILE"), fileBytes(raw));
        QVERIFY(setup.failed.isEmpty());
    }

    void videoWithTwoVersions()
    {
        const QString clip = m_media->filePath(QStringLiteral("clip.mp4"));
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("/usr/bin/ffmpeg"),
                     {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=4:size=320x240:rate=25", "-f",
                      "lavfi", "-i", "sine=frequency=440:duration=4", "-c:v", "mpeg4", "-c:a", "aac", "-shortest",
                      clip});
        QVERIFY(ffmpeg.waitForFinished(tsup::guardMs(60000)));
        QCOMPARE(ffmpeg.exitCode(), 0);

        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.profiles = {2, 0};
        setup.addRow(clip);
        setup.start();
        QVERIFY(setup.waitDone(240000));
        QCOMPARE(putTypes(m_sim), QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "MP4_LOW",
                                               "MP4_HIGH", "ORIG_FILE"}));
        QVERIFY(setup.failed.isEmpty());
        QCOMPARE(imageSize(stored("clip.mp4", "THUM_B")), QSize(640, 480));
        for (const char* type : {"MP4_LOW", "MP4_HIGH"}) {
            const QByteArray mp4 = stored("clip.mp4", QString::fromLatin1(type));
            // An MP4 file: its first box is "ftyp", and the index comes before the media data.
            QCOMPARE(mp4.mid(4, 4), QByteArray("ftyp"));
            QVERIFY(mp4.indexOf("moov") >= 0 && mp4.indexOf("moov") < mp4.indexOf("mdat"));
        }
        QCOMPARE(stored("clip.mp4", "ORIG_FILE"), fileBytes(clip));
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    usePrivateTempFolder();
    TestUploadWorkerTools test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uploadworker_tools.moc"
