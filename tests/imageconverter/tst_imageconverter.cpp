// The image converter against the recording stand-in tools: the exact command lines, the order of
// runs and signals, the RAW road, stops and failures.
#include "CImageConverter.h"
#include "CToolRun.h"
#include "CUploadManager.h"
#include "HangGuard.h"
#include "ToolBench.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMetaMethod>
#include <QMutex>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>

namespace {

const QString Convert = QStringLiteral("ImageMagick/convert");
const QString Script = QStringLiteral("dcraw_LNX.sh");

QMutex g_logLock;
QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void captureDebugLines(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith("src/PhotoUploader/")) {
        QMutexLocker lock(&g_logLock);
        g_log << message;
        return;
    }
    g_previousHandler(type, context, message);
}

QStringList capturedLines()
{
    QMutexLocker lock(&g_logLock);
    return g_log;
}

bool makeImage(const QString& path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image.save(path, "JPEG", 90);
}

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
}

// The photo reaches convert as its standard input ("-"), never by name.
QStringList expectedArguments(int edge, const QString& orientation, const QString& output)
{
    const QString g = QString("%1x%1>").arg(edge);
    return QStringList{"-define", "jpeg:size=" + g, "-thumbnail", g, "-strip", "-flatten", "-quality", "80",
                       orientation, "-colorspace", "RGB", "-unsharp", "0.5x0.5+1.25+0.0", "-colorspace", "sRGB",
                       "-", QDir::toNativeSeparators(output)};
}

// Whether a recorded run read `path` as its standard input.
bool readFrom(const ToolBench::Call& call, const QString& path)
{
    return !call.input.isEmpty() && call.input == QFileInfo(path).canonicalFilePath();
}

// One converter with spies on both signals (recorded on the converter thread, read after it ended).
struct Conversion {
    std::unique_ptr<CImageConverter> converter;
    std::unique_ptr<QSignalSpy> bigThumb;
    std::unique_ptr<QSignalSpy> error;

    Conversion(const QString& source, const QString& dest, bool preview, uint id)
        : converter(new CImageConverter(source, dest, preview, id))
        , bigThumb(new QSignalSpy(converter.get(), &CImageConverter::signalPhotoBigThumbReady))
        , error(new QSignalSpy(converter.get(), &CImageConverter::signalPhotoConvertError))
    {
    }
    bool runToEnd(int timeoutMs = 20000)
    {
        converter->start();
        return converter->wait(tsup::guardMs(timeoutMs));
    }
};

} // namespace

class TestImageConverter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void classShape();
    void rawSuffixes();

    void landscapeUploadMakesFiveThumbnailsInOrder();
    void bigThumbSignalComesBeforeTheSecondRun();
    void blankOrientation_data();
    void blankOrientation();
    void previewMakesOnlyTheBigThumbnail();
    void requestZeroAndNestedFolder();

    void missingSource();
    void destinationBelowAFile();
    void stopDuringTheThirdRun();
    void stopBeforeStart();
    void missingProgramIsAFailure();
    void toolWithoutOutputIsAFailure();
    void deletingARunningConverter();
    void debugLines();
    void toolRunResults();

    void rawPreviewAccepted_data();
    void rawPreviewAccepted();
    void rawPreviewTooSmall();
    void rawWithoutPreview();
    void rawPreviewModeTakesASmallPreview();
    void rawStopDuringTheSecondRun();
    void nonRawStartsNoScript();

private:
    ToolBench m_bench;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_dest;
    QString m_landscape;
};

void TestImageConverter::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(captureDebugLines);
}

void TestImageConverter::init()
{
    QVERIFY(m_bench.clear());
    // A convert that writes its output, as the real one does with a readable photo.
    QVERIFY(m_bench.installFake(Convert, {"write 100"}));
    QVERIFY(m_bench.installFake(Script));
    m_tmp.reset(new QTemporaryDir);
    QVERIFY(m_tmp->isValid());
    m_dest = m_tmp->path() + "/work";
    QVERIFY(QDir().mkpath(m_dest));
    m_landscape = m_tmp->path() + "/land.jpg";
    QVERIFY(makeImage(m_landscape, 4000, 3000));
    QMutexLocker lock(&g_logLock);
    g_log.clear();
}

void TestImageConverter::classShape()
{
    CImageConverter converter("a.jpg", "dest", false, 1);
    QVERIFY(converter.parent() == nullptr);
    const QMetaObject* mo = converter.metaObject();
    const int first = mo->methodOffset();
    QCOMPARE(mo->methodCount() - first, 3);
    QCOMPARE(mo->method(first).methodSignature(), QByteArray("signalPhotoBigThumbReady(QString,uint)"));
    QCOMPARE(mo->method(first + 1).methodSignature(), QByteArray("signalPhotoConvertError(QString,uint)"));
    QCOMPARE(mo->method(first + 2).methodSignature(), QByteArray("terminate()"));
    QCOMPARE(mo->method(first + 2).methodType(), QMetaMethod::Slot);
    // A caller that connects to terminate() by name reaches the converter's own slot.
    QCOMPARE(mo->indexOfSlot("terminate()"), first + 2);
    // The constructor touched nothing.
    QVERIFY(!QFileInfo::exists("dest"));
}

void TestImageConverter::rawSuffixes()
{
    CUploadManager types(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, false, false,
                         QList<uint>(), 0, nullptr, nullptr, nullptr);
    const QStringList raw{"arw", "srf", "sr2", "dcr", "k25", "kdc", "cr2", "crw", "nef", "mrw", "ptx",
                          "pef", "raf", "3fr", "erf", "mef", "mos", "orf", "rw2", "dng", "x3f", "raw"};
    for (const QString& s : raw) {
        QVERIFY2(types.isRawFile(s), qPrintable(s));
        QVERIFY2(types.isRawFile(s.toUpper()), qPrintable(s));
    }
    for (const char* s : {"jpg", "tif", "gif", "mp4", "txt", "", ".cr2", "cr2 ", "dngx"})
        QVERIFY2(!types.isRawFile(QString::fromLatin1(s)), s);
    QVERIFY(types.isRawFile("Nef"));
    QVERIFY(!types.isRunning());
}

void TestImageConverter::landscapeUploadMakesFiveThumbnailsInOrder()
{
    Conversion c(m_landscape, m_dest, false, 7);
    QVERIFY(c.runToEnd());

    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 5);
    const QList<QPair<QString, int>> table{
        {"THUMB_B.jpg", 640}, {"THUMB_L.jpg", 800}, {"THUMB_M.jpg", 320}, {"THUMB_S.jpg", 120}, {"THUMB_XL.jpg", 1280}};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(calls.at(i).args.size(), 17);
        QCOMPARE(calls.at(i).args, expectedArguments(table.at(i).second, "-auto-orient", m_dest + "/7" + table.at(i).first));
        QVERIFY(readFrom(calls.at(i), m_landscape));
    }
    QCOMPARE(calls.at(0).args.at(1), QString("jpeg:size=640x640>"));
    QCOMPARE(calls.at(0).args.at(3), QString("640x640>"));

    QCOMPARE(c.bigThumb->size(), 1);
    QCOMPARE(c.bigThumb->at(0).at(0).toString(), m_dest + "/7THUMB_B.jpg");
    QCOMPARE(c.bigThumb->at(0).at(1).toUInt(), 7u);
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(m_bench.calls(Script).size(), 0);
}

void TestImageConverter::bigThumbSignalComesBeforeTheSecondRun()
{
    // The second run blocks until the test, on its own thread, has received the signal.
    const QString release = m_tmp->path() + "/release";
    QVERIFY(m_bench.setPlan(Convert, {"write 100", "waitfor " + release, "none"}));

    CImageConverter converter(m_landscape, m_dest, false, 7);
    int runsAtEmit = -1;
    connect(&converter, &CImageConverter::signalPhotoBigThumbReady, &converter,
            [&](const QString&, uint) { runsAtEmit = m_bench.calls(Convert).size(); }, Qt::DirectConnection);
    QStringList received;
    connect(&converter, &CImageConverter::signalPhotoBigThumbReady, this, [&](const QString& path, uint) {
        received << path;
        QFile f(release);
        f.open(QIODevice::WriteOnly);
    });
    converter.start();
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, tsup::guardMs(10000));
    QCOMPARE(received.at(0), m_dest + "/7THUMB_B.jpg");
    QVERIFY(converter.wait(tsup::guardMs(10000)));
    QCOMPARE(runsAtEmit, 1);
    QCOMPARE(m_bench.calls(Convert).size(), 5);
}

void TestImageConverter::blankOrientation_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("portrait") << "portrait";
    QTest::newRow("square") << "square";
    QTest::newRow("not an image") << "garbage";
    QTest::newRow("empty file") << "empty";
}

void TestImageConverter::blankOrientation()
{
    QFETCH(QString, kind);
    const QString source = m_tmp->path() + "/photo.jpg";
    if (kind == "portrait")
        QVERIFY(makeImage(source, 3000, 4000));
    else if (kind == "square")
        QVERIFY(makeImage(source, 500, 500));
    else {
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (kind == "garbage")
            f.write("this is no JPEG at all\n");
    }
    Conversion c(source, m_dest, false, 3);
    QVERIFY(c.runToEnd());
    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 5);
    for (const ToolBench::Call& call : calls) {
        QCOMPARE(call.args.size(), 17);
        QCOMPARE(call.args.at(8), QString(" "));
    }
    QCOMPARE(calls.at(4).args, expectedArguments(1280, " ", m_dest + "/3THUMB_XL.jpg"));
    QCOMPARE(c.error->size(), 0);
}

void TestImageConverter::previewMakesOnlyTheBigThumbnail()
{
    Conversion c(m_landscape, m_dest, true, 12);
    QVERIFY(c.runToEnd());
    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).args, expectedArguments(640, "-auto-orient", m_dest + "/UIPreview12THUMB_B.jpg"));
    QCOMPARE(c.bigThumb->size(), 1);
    QCOMPARE(c.bigThumb->at(0).at(0).toString(), m_dest + "/UIPreview12THUMB_B.jpg");
    QCOMPARE(c.bigThumb->at(0).at(1).toUInt(), 12u);
    QCOMPARE(c.error->size(), 0);
}

void TestImageConverter::requestZeroAndNestedFolder()
{
    const QString nested = m_tmp->path() + "/a/b/c";
    Conversion c(m_landscape, nested, false, 0);
    QVERIFY(c.runToEnd());
    QVERIFY(QFileInfo(nested).isDir());
    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 5);
    QCOMPARE(calls.at(0).args.last(), nested + "/0THUMB_B.jpg");
    QCOMPARE(c.bigThumb->at(0).at(0).toString(), nested + "/0THUMB_B.jpg");
    QCOMPARE(c.error->size(), 0);
}

void TestImageConverter::missingSource()
{
    const QString source = m_tmp->path() + "/nothing.jpg";
    const QString dest = m_tmp->path() + "/never";
    Conversion c(source, dest, false, 9);
    QVERIFY(c.runToEnd());
    QVERIFY(!QFileInfo::exists(m_bench.toolPath(Convert) + ".calls"));
    QVERIFY(!QFileInfo::exists(dest));
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), source);
    QCOMPARE(c.error->at(0).at(1).toUInt(), 9u);
    QCOMPARE(c.bigThumb->size(), 0);
}

void TestImageConverter::destinationBelowAFile()
{
    const QString file = m_tmp->path() + "/plain";
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    for (const QString& dest : {file + "/sub", file, QString()}) {
        Conversion c(m_landscape, dest, false, 4);
        QVERIFY(c.runToEnd());
        QCOMPARE(c.error->size(), 1);
        QCOMPARE(c.bigThumb->size(), 0);
    }
    QCOMPARE(m_bench.calls(Convert).size(), 0);
}

void TestImageConverter::stopDuringTheThirdRun()
{
    QVERIFY(m_bench.setPlan(Convert, {"write 10", "write 20", "hang"}));
    Conversion c(m_landscape, m_dest, false, 7);
    c.converter->start();
    QVERIFY(m_bench.waitForCalls(Convert, 3));
    const qint64 pid = m_bench.calls(Convert).at(2).pid;
    QVERIFY(!processGone(pid));

    QElapsedTimer timer;
    timer.start();
    c.converter->terminate();
    QVERIFY(c.converter->wait(tsup::guardMs(60000)));
    // The tool is killed at the next poll, not left to the reap limit.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY(processGone(pid));

    QCOMPARE(QFileInfo(m_dest + "/7THUMB_B.jpg").size(), qint64(10));
    QCOMPARE(QFileInfo(m_dest + "/7THUMB_L.jpg").size(), qint64(20));
    QCOMPARE(m_bench.calls(Convert).size(), 3);
    QCOMPARE(c.bigThumb->size(), 1);
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), m_landscape);
    QVERIFY(capturedLines().filter("=[kill convert process]").size() == 1);
}

void TestImageConverter::stopBeforeStart()
{
    QVERIFY(m_bench.setPlan(Convert, {"hang"}));
    Conversion c(m_landscape, m_dest, false, 7);
    c.converter->terminate();
    QVERIFY(c.runToEnd(2000));
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.bigThumb->size(), 0);
    // The one run was started and killed at its first poll.
    QCOMPARE(capturedLines().filter("=[Program: ").size(), 1);
    QCOMPARE(capturedLines().filter("=[kill convert process]").size(), 1);
    QVERIFY(m_bench.calls(Convert).size() <= 1);
}

void TestImageConverter::missingProgramIsAFailure()
{
    // Without a big thumbnail the conversion has failed: it says so and makes no other size.
    QVERIFY(QFile::remove(m_bench.toolPath(Convert)));
    Conversion c(m_landscape, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), m_landscape);
    QCOMPARE(c.bigThumb->size(), 0);
    QCOMPARE(capturedLines().filter("=[Out ]").size(), 1);
}

void TestImageConverter::toolWithoutOutputIsAFailure()
{
    // What convert does with a file it cannot read: a message, exit 1 and no output.
    QVERIFY(m_bench.setPlan(Convert, {"stderr unable to open image ` ' ; exit 1"}));
    Conversion c(m_landscape, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(m_bench.calls(Convert).size(), 1);
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.bigThumb->size(), 0);
}

void TestImageConverter::deletingARunningConverter()
{
    QVERIFY(m_bench.setPlan(Convert, {"hang"}));
    auto* converter = new CImageConverter(m_landscape, m_dest, false, 7);
    converter->start();
    QVERIFY(m_bench.waitForCalls(Convert, 1));
    const qint64 pid = m_bench.calls(Convert).at(0).pid;
    QElapsedTimer timer;
    timer.start();
    delete converter; // would abort the program if the thread were still running
    // Before the reap limit of a tool left running.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY(processGone(pid));
}

void TestImageConverter::debugLines()
{
    QVERIFY(m_bench.setPlan(Convert, {"stdout made it\\0hidden ; stderr never read"}));
    Conversion c(m_landscape, m_dest, true, 5);
    QVERIFY(c.runToEnd());
    const QString unit = "src/PhotoUploader/CImageConverter:";
    const QStringList lines = capturedLines();
    QCOMPARE(lines.size(), 3);
    for (const QString& line : lines) {
        QVERIFY2(line.startsWith(unit), qPrintable(line));
        QVERIFY(line.endsWith("]\n"));
    }
    QVERIFY(lines.at(0).contains(
        " QString(\"Program: \" +strBinToExecute).toLocal8Bit().constData()=[Program: " + m_bench.toolPath(Convert) + "]\n"));
    const QString argumentText =
        expectedArguments(640, "-auto-orient", m_dest + "/UIPreview5THUMB_B.jpg").join(' ') + " ";
    QVERIFY(lines.at(1).contains(" QString(strArguments).toLocal8Bit().constData()=[" + argumentText + "]\n"));
    // Standard output up to its first zero byte; standard error is not read.
    QVERIFY(lines.at(2).contains(" QString(QString(\"Out \" +strOut)).toLocal8Bit().constData()=[Out made it]\n"));
}

void TestImageConverter::toolRunResults()
{
    // What the video converter relies on as well: the working folder, either output stream, the
    // exit code, and an empty argument text for a run without arguments.
    const CToolRun::DebugTexts texts{"src/PhotoUploader/Test", "program", "args", "kill", "out"};
    const std::atomic<bool> noStop(false);
    QProcess* process = nullptr;

    QVERIFY(m_bench.setPlan(Convert, {"stderr to error ; stdout to output ; exit 3"}));
    CToolRun::Request request;
    request.program = m_bench.toolPath(Convert);
    request.workingDirectory = m_dest;
    request.read = CToolRun::StandardError;
    request.texts = texts;
    CToolRun::Result result = CToolRun::run(request, process, noStop);
    QVERIFY(process == nullptr);
    QVERIFY(!result.stopped);
    QVERIFY(result.exitedNormally);
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.output, QByteArray("to error"));
    QCOMPARE(m_bench.calls(Convert).at(0).cwd, m_dest);
    QCOMPARE(m_bench.calls(Convert).at(0).args, QStringList());
    QCOMPARE(capturedLines().filter(QRegularExpression("^src/PhotoUploader/Test:\\d+ args=\\[\\]\n$")).size(), 1);

    request.program = m_tmp->path() + "/no-such-tool";
    result = CToolRun::run(request, process, noStop);
    QVERIFY(!result.stopped);
    QVERIFY(!result.exitedNormally);
    QVERIFY(result.output.isEmpty());

    // With the flag already set the tool is killed at the first poll and reaped.
    QVERIFY(m_bench.setPlan(Convert, {"hang"}));
    const std::atomic<bool> stop(true);
    request.program = m_bench.toolPath(Convert);
    result = CToolRun::run(request, process, stop);
    QVERIFY(result.stopped);
    QVERIFY(process == nullptr);
}

void TestImageConverter::rawPreviewAccepted_data()
{
    QTest::addColumn<QSize>("preview");
    QTest::addColumn<QString>("orientation");
    QTest::newRow("1280x960") << QSize(1280, 960) << "-auto-orient";
    QTest::newRow("960x1280") << QSize(960, 1280) << " ";
}

void TestImageConverter::rawPreviewAccepted()
{
    QFETCH(QSize, preview);
    QFETCH(QString, orientation);
    const QString embedded = m_tmp->path() + "/embedded.jpg";
    QVERIFY(makeImage(embedded, preview.width(), preview.height()));
    QVERIFY(m_bench.setPlan(Script, {"copy " + embedded}));
    const QString source = m_tmp->path() + "/IMG_1.CR2";
    QVERIFY(QFile::copy(m_landscape, source));

    Conversion c(source, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    const QList<ToolBench::Call> script = m_bench.calls(Script);
    QCOMPARE(script.size(), 1);
    QCOMPARE(script.at(0).args, (QStringList{source, m_dest + "/7RAWJpgSrc.jpg", m_bench.appDir() + "/dcraw/dcraw", "-e"}));
    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 5);
    QCOMPARE(calls.at(0).args, expectedArguments(640, orientation, m_dest + "/7THUMB_B.jpg"));
    QVERIFY(readFrom(calls.at(0), m_dest + "/7RAWJpgSrc.jpg"));
    QVERIFY(readFrom(calls.at(4), m_dest + "/7RAWJpgSrc.jpg"));
    QCOMPARE(c.error->size(), 0);
    QVERIFY(capturedLines().filter("QString(\"Program: \" + m_strDCRawScriptPath).toLocal8Bit().constData()=[Program: "
                                  + m_bench.toolPath(Script) + "]").size() == 1);
}

void TestImageConverter::rawPreviewTooSmall()
{
    const QString embedded = m_tmp->path() + "/embedded.jpg";
    QVERIFY(makeImage(embedded, 1279, 853));
    QVERIFY(m_bench.setPlan(Script, {"copy " + embedded, "write 100"}));
    const QString source = m_tmp->path() + "/IMG_2.nef";
    QVERIFY(QFile::copy(m_landscape, source));

    Conversion c(source, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    const QList<ToolBench::Call> script = m_bench.calls(Script);
    QCOMPARE(script.size(), 2);
    QCOMPARE(script.at(1).args, (QStringList{source, m_dest + "/7RAWPPMSrc.ppm", m_bench.appDir() + "/dcraw/dcraw", "-w"}));
    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 5);
    // The decoding does not load as an image here: the blank orientation.
    QCOMPARE(calls.at(0).args, expectedArguments(640, " ", m_dest + "/7THUMB_B.jpg"));
    QVERIFY(readFrom(calls.at(0), m_dest + "/7RAWPPMSrc.ppm"));
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(c.bigThumb->size(), 1);
}

void TestImageConverter::rawWithoutPreview()
{
    // dcraw -e on a file without a preview leaves an empty output file, which goes.
    QVERIFY(m_bench.setPlan(Script, {"empty ; exit 1", "write 100"}));
    const QString source = m_tmp->path() + "/IMG_3.dng";
    QVERIFY(QFile::copy(m_landscape, source));
    Conversion c(source, m_dest, true, 8);
    QVERIFY(c.runToEnd());
    const QList<ToolBench::Call> script = m_bench.calls(Script);
    QCOMPARE(script.size(), 2);
    QCOMPARE(script.at(0).args.at(1), m_dest + "/UIPreview8RAWJpgSrc.jpg");
    QCOMPARE(script.at(1).args.at(1), m_dest + "/UIPreview8RAWPPMSrc.ppm");
    QVERIFY(!QFileInfo::exists(m_dest + "/UIPreview8RAWJpgSrc.jpg"));
    QCOMPARE(m_bench.calls(Convert).size(), 1);
    QVERIFY(readFrom(m_bench.calls(Convert).at(0), m_dest + "/UIPreview8RAWPPMSrc.ppm"));

    // A decoding that wrote nothing either: no empty file stays, and nothing is left to convert.
    QVERIFY(m_bench.setPlan(Script, {"empty ; exit 1"}));
    Conversion none(source, m_dest, false, 9);
    QVERIFY(none.runToEnd());
    QCOMPARE(m_bench.calls(Convert).size(), 1);
    QCOMPARE(none.error->size(), 1);
    QVERIFY(!QFileInfo::exists(m_dest + "/9RAWJpgSrc.jpg"));
    QVERIFY(!QFileInfo::exists(m_dest + "/9RAWPPMSrc.ppm"));
}

void TestImageConverter::rawPreviewModeTakesASmallPreview()
{
    const QString embedded = m_tmp->path() + "/embedded.jpg";
    QVERIFY(makeImage(embedded, 160, 120));
    QVERIFY(m_bench.setPlan(Script, {"copy " + embedded}));
    const QString source = m_tmp->path() + "/IMG_4.ARW";
    QVERIFY(QFile::copy(m_landscape, source));

    Conversion c(source, m_dest, true, 21);
    QVERIFY(c.runToEnd());
    QCOMPARE(m_bench.calls(Script).size(), 1);
    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).args, expectedArguments(640, "-auto-orient", m_dest + "/UIPreview21THUMB_B.jpg"));
    QVERIFY(readFrom(calls.at(0), m_dest + "/UIPreview21RAWJpgSrc.jpg"));
}

void TestImageConverter::rawStopDuringTheSecondRun()
{
    const QString embedded = m_tmp->path() + "/embedded.jpg";
    QVERIFY(makeImage(embedded, 640, 480));
    QVERIFY(m_bench.setPlan(Script, {"copy " + embedded, "hang"}));
    const QString source = m_tmp->path() + "/IMG_5.cr2";
    QVERIFY(QFile::copy(m_landscape, source));

    Conversion c(source, m_dest, false, 7);
    c.converter->start();
    QVERIFY(m_bench.waitForCalls(Script, 2));
    const qint64 pid = m_bench.calls(Script).at(1).pid;
    c.converter->terminate();
    QVERIFY(c.converter->wait(tsup::guardMs(1000)));
    QVERIFY(processGone(pid));
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.bigThumb->size(), 0);
    QVERIFY(QFileInfo::exists(m_dest + "/7RAWJpgSrc.jpg"));
    QCOMPARE(capturedLines().filter("=[kill dcraw process]").size(), 1);
    // The image tool run that follows is killed at its first poll.
    QCOMPARE(capturedLines().filter("=[kill convert process]").size(), 1);
}

void TestImageConverter::nonRawStartsNoScript()
{
    const QString source = m_tmp->path() + "/notes.txt";
    QVERIFY(QFile::copy(m_landscape, source));
    Conversion c(source, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(m_bench.calls(Script).size(), 0);
    QCOMPARE(m_bench.calls(Convert).size(), 5);
}

QTEST_GUILESS_MAIN(TestImageConverter)
#include "tst_imageconverter.moc"
