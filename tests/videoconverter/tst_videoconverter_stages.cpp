// The video converter's stages after the probe, with recording stand-ins for ffmpeg, convert and
// qt-faststart: the still frame and its retry, the five thumbnails and the big-thumbnail signal,
// preview mode, and the two-pass encoding of every profile with its bit-rate cap, its audio-less
// retry, the fast-start rewrite and the stop.
#include "CVideoConverter.h"
#include "HangGuard.h"
#include "ToolBench.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <memory>

namespace {

const QString FFmpeg = QStringLiteral("ffmpeg/ffmpeg");
const QString Convert = QStringLiteral("ImageMagick/convert");
const QString FastStart = QStringLiteral("ffmpeg/qt-faststart");
const QString Unit = QStringLiteral("src/PhotoUploader/CVideoConverter:");

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

// (expression, value) of every captured line of the video converter, in order.
QList<QPair<QString, QString>> loggedPairs()
{
    QList<QPair<QString, QString>> pairs;
    for (const QString& line : capturedLines()) {
        const int space = line.indexOf(' ');
        const int open = line.indexOf("=[", space);
        if (!line.startsWith(Unit) || space < 0 || open < 0 || !line.endsWith("]\n"))
            continue;
        pairs << qMakePair(line.mid(space + 1, open - space - 1), line.mid(open + 2, line.size() - open - 4));
    }
    return pairs;
}

QStringList loggedValues(const QString& expression)
{
    QStringList values;
    for (const auto& pair : loggedPairs())
        if (pair.first == expression)
            values << pair.second;
    return values;
}

// The tool runs as the converter logged them: the program line's value and the argument text.
QList<QPair<QString, QString>> loggedRuns()
{
    QList<QPair<QString, QString>> runs;
    const QList<QPair<QString, QString>> pairs = loggedPairs();
    for (int i = 0; i + 1 < pairs.size(); ++i) {
        if (pairs.at(i).second.contains("Program: ") && pairs.at(i + 1).first == "QString(qArg).toLocal8Bit().constData()")
            runs << qMakePair(pairs.at(i).second, pairs.at(i + 1).second);
    }
    return runs;
}

QString argText(const QStringList& args)
{
    QString text;
    for (const QString& a : args)
        text += a + ' ';
    return text;
}

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
}

QString planText(const QString& text)
{
    return QString(text).replace("\\", "\\\\").replace("\n", "\\n");
}

// Probe texts as ffmpeg writes them to standard error.
QString probeLine(const QStringList& lines)
{
    return "stderr " + planText(lines.join('\n') + '\n');
}
const QString NoStreamsProbe = "stderr At least one output file must be specified\\n ; exit 1";
const QString PalProbe = probeLine({
    "  Duration: 00:01:02.50, start: 0.000000, bitrate: 9500 kb/s",
    "    Stream #0:0[0x1e0]: Video: mpeg2video (Main), yuv420p(tv, top first), 720x576 [SAR 16:15 DAR 4:3], 9000 kb/s, 25 fps",
    "    Stream #0:1[0x80]: Audio: ac3, 48000 Hz, stereo, fltp, 448 kb/s",
});
// A 320x240 source whose video stream states `rate` kb/s (no rate at all for 0).
QString smallProbe(int rate)
{
    QString video = "    Stream #0:0(und): Video: h264 (High) (avc1 / 0x31637661), yuv420p, 320x240 [SAR 1:1 DAR 4:3], ";
    if (rate > 0)
        video += QString::number(rate) + " kb/s, ";
    video += "25 fps";
    return probeLine({video});
}

const char* const TargetExpression =
    "QString(QString(\"Target mobile video resolution = \" + strTargetVideoResolution + \" aspect ratio = \" + "
    "strTargetVideoAspectRatio)).toLocal8Bit().constData()";
const char* const KillExpression = "QString(QString(\"kill video convert process\")).toLocal8Bit().constData()";

struct Conversion {
    std::unique_ptr<CVideoConverter> converter;
    std::unique_ptr<QSignalSpy> bigThumb;
    std::unique_ptr<QSignalSpy> error;

    Conversion(const QString& source, const QString& dest, const QList<uint>& profiles, bool preview, uint id)
        : converter(new CVideoConverter(nullptr, source, dest, profiles, preview, id))
        , bigThumb(new QSignalSpy(converter.get(), &CVideoConverter::signalVideoBigThumbReady))
        , error(new QSignalSpy(converter.get(), &CVideoConverter::signalVideoConvertError))
    {
    }
    bool runToEnd(int timeoutMs = 20000)
    {
        converter->start();
        return converter->wait(tsup::guardMs(timeoutMs));
    }
};

} // namespace

class TestVideoConverterStages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void grabWithoutAResolution();
    void grabWithThePalTarget();
    void grabRetriedAtTheStart();
    void noFrameAtAll_data();
    void noFrameAtAll();
    void uploadThumbnails();
    void previewStopsAfterTheBigThumbnail();
    void missingThumbnail_data();
    void missingThumbnail();
    void stopDuringASmallThumbnail();

    void profilesRunInListOrder();
    void bitRateCap_data();
    void bitRateCap();
    void mobileSizeWithoutAResolution();
    void emptyTemporaryFileRetriesWithoutAudio();
    void failedPassTwoAndAudiolessRun();
    void fastStartWithoutOutputEndsTheConversion();
    void stopDuringTheSecondProfile();
    void unknownProfileId();

private:
    // ffmpeg answers the probe with `probe` and writes `fileBytes` bytes for every later run
    // unless `later` says otherwise; convert and qt-faststart write their outputs.
    void installTools(const QString& probe, const QStringList& later = {"write 10"})
    {
        QVERIFY(m_bench.installFake(FFmpeg, QStringList{probe} << later));
        QVERIFY(m_bench.installFake(Convert, {"write 10"}));
        QVERIFY(m_bench.installFake(FastStart, {"write 10"}));
    }
    QString frame(const QString& prefix = "7") const { return m_dest + "/" + prefix + "TEMP.jpg"; }
    QStringList grabArgs(const QString& time = "00:00:03") const
    {
        return {"-i", m_input, "-y", "-vframes", "1", "-ss", time, "-an", "-sameq", "-f", "mjpeg"};
    }

    ToolBench m_bench;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_dest;
    QString m_source;
    QString m_input; // the source as every ffmpeg run names it
};

void TestVideoConverterStages::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(captureDebugLines);
}

void TestVideoConverterStages::init()
{
    QVERIFY(m_bench.clear());
    m_tmp.reset(new QTemporaryDir);
    QVERIFY(m_tmp->isValid());
    m_dest = m_tmp->path() + "/work";
    m_source = m_tmp->path() + "/clip.mpg";
    m_input = "file:" + m_source;
    QFile f(m_source);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not really a video");
    f.close();
    QMutexLocker lock(&g_logLock);
    g_log.clear();
}

void TestVideoConverterStages::grabWithoutAResolution()
{
    installTools(NoStreamsProbe);
    Conversion c(m_source, m_dest, {}, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(1).args, grabArgs() << frame());
    // No working folder of its own: the program's.
    QCOMPARE(QDir(calls.at(1).cwd).canonicalPath(), QDir::current().canonicalPath());
    QCOMPARE(loggedRuns().at(1), qMakePair("Program: " + m_bench.toolPath(FFmpeg), argText(calls.at(1).args)));
    // The grab's own program line; nothing of its output is logged.
    const QList<QPair<QString, QString>> pairs = loggedPairs();
    QVERIFY(pairs.contains(qMakePair(QString("QString(\"Program: \" +m_strFFMPEGBinPath).toLocal8Bit().constData()"),
                                     "Program: " + m_bench.toolPath(FFmpeg))));
    QCOMPARE(loggedValues("QString(QString(\"Out \" + baInputVideoInfo)).toLocal8Bit().constData()").size(), 1);
}

void TestVideoConverterStages::grabWithThePalTarget()
{
    installTools(PalProbe);
    Conversion c(m_source, m_dest, {}, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(m_bench.calls(FFmpeg).at(1).args,
             grabArgs() << "-s" << "768x576" << "-aspect" << "768:576" << frame());
}

void TestVideoConverterStages::grabRetriedAtTheStart()
{
    // A clip shorter than 3 s: ffmpeg leaves an empty file and succeeds.
    installTools(PalProbe, {"empty ; exit 0", "write 10"});
    Conversion c(m_source, m_dest, {}, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 3);
    QStringList second = calls.at(1).args;
    QCOMPARE(second.at(6), QString("00:00:03"));
    second[6] = "00:00:00";
    QCOMPARE(calls.at(2).args, second);
    QCOMPARE(calls.at(2).args, grabArgs("00:00:00") << "-s" << "768x576" << "-aspect" << "768:576" << frame());
    QCOMPARE(m_bench.calls(Convert).size(), 5);
    QCOMPARE(m_bench.calls(Convert).at(0).args.first(), frame());
}

void TestVideoConverterStages::noFrameAtAll_data()
{
    QTest::addColumn<QStringList>("plan");
    QTest::newRow("empty twice") << QStringList{"empty", "empty"};
    QTest::newRow("empty, then nothing") << QStringList{"empty", "none"};
    QTest::newRow("nothing, failing") << QStringList{"exit 1"};
}

void TestVideoConverterStages::noFrameAtAll()
{
    QFETCH(QStringList, plan);
    installTools(NoStreamsProbe, plan);
    Conversion c(m_source, m_dest, {0, 1}, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), m_source);
    QCOMPARE(c.error->at(0).at(1).toUInt(), 7u);
    QCOMPARE(c.bigThumb->size(), 0);
    QCOMPARE(m_bench.calls(FFmpeg).size(), 3);
    QVERIFY(m_bench.calls(Convert).isEmpty());
    QVERIFY(m_bench.calls(FastStart).isEmpty());
}

void TestVideoConverterStages::uploadThumbnails()
{
    installTools(PalProbe);
    QVERIFY(m_bench.setPlan(Convert, {"stdout done\\n ; stderr noise ; write 10"}));
    Conversion c(m_source, m_dest, {}, false, 7);
    // How many thumbnails existed when the big one was announced (on the converter's thread).
    std::atomic<int> callsAtSignal{-1};
    QObject::connect(c.converter.get(), &CVideoConverter::signalVideoBigThumbReady, c.converter.get(),
                     [&] { callsAtSignal = m_bench.calls(Convert).size(); }, Qt::DirectConnection);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);

    const QString d = m_dest + "/7";
    const QStringList opts{"-quality", "70", "-type", "truecolor"};
    const QList<ToolBench::Call> calls = m_bench.calls(Convert);
    QCOMPARE(calls.size(), 5);
    QCOMPARE(calls.at(0).args, QStringList({frame(), "-define", "jpeg:size=640x640", "-thumbnail", "640x640"})
                                   << opts << d + "THUMB_B.jpg");
    QCOMPARE(calls.at(1).args, QStringList({frame(), "-define", "jpeg:size=800x800", "-thumbnail", "800x800"})
                                   << opts << d + "THUMB_L.jpg");
    QCOMPARE(calls.at(2).args, QStringList({frame(), "-define", "jpeg:size=1280x1280", "-thumbnail", "1280x1280"})
                                   << opts << d + "THUMB_XL.jpg");
    QCOMPARE(calls.at(3).args, QStringList({"-define", "jpeg:size=320x320", "-thumbnail", "320x320"})
                                   << opts << d + "THUMB_B.jpg" << d + "THUMB_M.jpg");
    QCOMPARE(calls.at(4).args, QStringList({"-define", "jpeg:size=120x120", "-thumbnail", "120x120"})
                                   << opts << d + "THUMB_B.jpg" << d + "THUMB_S.jpg");

    // Announced once per run, before THUMB_L was started, with the path as built.
    QCOMPARE(c.bigThumb->size(), 1);
    QCOMPARE(c.bigThumb->at(0).at(0).toString(), d + "THUMB_B.jpg");
    QCOMPARE(c.bigThumb->at(0).at(1).toUInt(), 7u);
    QCOMPARE(callsAtSignal.load(), 1);

    // Standard output only, for each of the five runs of the first conversion.
    QCOMPARE(loggedValues("QString(QString(\"Out \" +strOut)).toLocal8Bit().constData()"),
             QStringList() << "Out done\n" << "Out done\n" << "Out done\n" << "Out done\n" << "Out done\n");
    QCOMPARE(loggedValues("QString(\"Program: \" +strBinToExecute).toLocal8Bit().constData()").first(),
             "Program: " + m_bench.toolPath(Convert));

    QStringList files = QDir(m_dest).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, (QStringList{"7TEMP.jpg", "7THUMB_B.jpg", "7THUMB_L.jpg", "7THUMB_M.jpg", "7THUMB_S.jpg",
                                 "7THUMB_XL.jpg"}));
}

void TestVideoConverterStages::previewStopsAfterTheBigThumbnail()
{
    installTools(PalProbe);
    Conversion c(m_source, m_dest, {2, 1}, true, 12);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(c.bigThumb->size(), 1);
    QCOMPARE(c.bigThumb->at(0).at(0).toString(), m_dest + "/UIPreview12THUMB_B.jpg");
    QCOMPARE(c.bigThumb->at(0).at(1).toUInt(), 12u);

    const QList<ToolBench::Call> ffmpeg = m_bench.calls(FFmpeg);
    QCOMPARE(ffmpeg.size(), 2);
    QCOMPARE(ffmpeg.at(1).args.last(), m_dest + "/UIPreview12TEMP.jpg");
    const QList<ToolBench::Call> convert = m_bench.calls(Convert);
    QCOMPARE(convert.size(), 1);
    QCOMPARE(convert.at(0).args.first(), m_dest + "/UIPreview12TEMP.jpg");
    QCOMPARE(convert.at(0).args.last(), m_dest + "/UIPreview12THUMB_B.jpg");
    QVERIFY(m_bench.calls(FastStart).isEmpty());
    // The prefix is part of the file names, not a folder.
    QCOMPARE(QDir(m_dest).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"UIPreview12TEMP.jpg", "UIPreview12THUMB_B.jpg"}));
}

void TestVideoConverterStages::missingThumbnail_data()
{
    QTest::addColumn<QStringList>("plan");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("announced");
    QTest::newRow("B empty") << QStringList{"empty"} << 1 << 0;
    QTest::newRow("L empty") << QStringList{"write 10", "empty"} << 2 << 1;
    QTest::newRow("XL missing, exit 0") << QStringList{"write 10", "write 10", "none"} << 3 << 1;
    QTest::newRow("M empty") << QStringList{"write 10", "write 10", "write 10", "empty"} << 4 << 1;
    QTest::newRow("S missing") << QStringList{"write 10", "write 10", "write 10", "write 10", "none ; exit 1"} << 5
                               << 1;
}

void TestVideoConverterStages::missingThumbnail()
{
    QFETCH(QStringList, plan);
    QFETCH(int, runs);
    QFETCH(int, announced);
    installTools(PalProbe);
    QVERIFY(m_bench.setPlan(Convert, plan));
    Conversion c(m_source, m_dest, {0}, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(m_bench.calls(Convert).size(), runs);
    QCOMPARE(c.bigThumb->size(), announced);
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(m_bench.calls(FFmpeg).size(), 2); // no encoding
}

void TestVideoConverterStages::stopDuringASmallThumbnail()
{
    installTools(PalProbe);
    QVERIFY(m_bench.setPlan(Convert, {"write 10", "write 10", "write 10", "hang"}));
    Conversion c(m_source, m_dest, {0}, false, 7);
    c.converter->start();
    QVERIFY(m_bench.waitForCalls(Convert, 4));
    const qint64 pid = m_bench.calls(Convert).at(3).pid;
    QElapsedTimer timer;
    timer.start();
    c.converter->terminate();
    QVERIFY(c.converter->wait(tsup::guardMs(60000)));
    // The tool is killed at the next poll, not left to the reap limit.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY(processGone(pid));
    QCOMPARE(c.bigThumb->size(), 1);
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(loggedValues(KillExpression), QStringList{"kill video convert process"});
    QCOMPARE(m_bench.calls(Convert).size(), 4);
    QCOMPARE(m_bench.calls(FFmpeg).size(), 2);
}

void TestVideoConverterStages::profilesRunInListOrder()
{
    installTools(smallProbe(0), {"write 10 ; stdout enc\\n ; stderr noise"});
    QVERIFY(m_bench.setPlan(FastStart, {"stdout fast ; write 10"}));
    Conversion c(m_source, m_dest, {2, 1}, false, 12);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);

    const QString ffmpeg = "Program: " + m_bench.toolPath(FFmpeg);
    const QString faststart = "Program: " + m_bench.toolPath(FastStart);
    const QString d = m_dest + "/12";
    const QStringList size{"-s", "320x240", "-aspect", "320:240"};
    auto list = [&](uint p, int pass, const QString& tmp) {
        QStringList stored = (pass == 1 ? c.converter->m_hashPass1Arguments : c.converter->m_hashPass2Arguments).value(p);
        return QStringList{"-i", m_input} << stored << size << tmp;
    };
    const QList<QPair<QString, QString>> runs = loggedRuns();
    QCOMPARE(runs.size(), 2 + 5 + 6);
    const QList<QPair<QString, QString>> encoding = runs.mid(7);
    const QList<QPair<QString, QString>> expected{
        {ffmpeg, argText(list(2, 1, d + "tmpFILM_L.mp4"))},
        {ffmpeg, argText(list(2, 2, d + "tmpFILM_L.mp4"))},
        {faststart, argText({d + "tmpFILM_L.mp4", d + "FILM_L.mp4"})},
        {ffmpeg, argText(list(1, 1, d + "tmpFILM_M.mp4"))},
        {ffmpeg, argText(list(1, 2, d + "tmpFILM_M.mp4"))},
        {faststart, argText({d + "tmpFILM_M.mp4", d + "FILM_M.mp4"})},
    };
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(encoding.at(i), expected.at(i));

    // What the tools received, element by element, and where they ran.
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 6);
    QCOMPARE(calls.at(2).args, list(2, 1, d + "tmpFILM_L.mp4"));
    QCOMPARE(calls.at(2).args.size(), 2 + 71 + 4 + 1);
    QCOMPARE(calls.at(2).args.mid(2, 12), (QStringList{"-y", "-acodec", "libfaac", "-ar", "44100", "-ab", "96k", "-ac",
                                                       "2", "-pass", "1", "-vcodec"}));
    QCOMPARE(calls.at(3).args, list(2, 2, d + "tmpFILM_L.mp4"));
    QCOMPARE(calls.at(4).args.size(), 2 + 81 + 4 + 1);
    QCOMPARE(calls.at(5).args, list(1, 2, d + "tmpFILM_M.mp4"));
    const QList<ToolBench::Call> fast = m_bench.calls(FastStart);
    QCOMPARE(fast.size(), 2);
    QCOMPARE(fast.at(0).args, (QStringList{d + "tmpFILM_L.mp4", d + "FILM_L.mp4"}));
    QCOMPARE(fast.at(1).args, (QStringList{d + "tmpFILM_M.mp4", d + "FILM_M.mp4"}));
    for (const ToolBench::Call& call : calls.mid(2) + fast)
        QCOMPARE(QDir(call.cwd).canonicalPath(), QDir(m_dest).canonicalPath());

    // Standard output of the passes and the rewrite, never standard error.
    QCOMPARE(loggedValues("QString(QString(\"Out \" + strOut)).toLocal8Bit().constData()"),
             (QStringList{"Out enc\n", "Out enc\n", "Out fast", "Out enc\n", "Out enc\n", "Out fast"}));
    QCOMPARE(loggedValues(TargetExpression),
             (QStringList{"Target mobile video resolution = 320x240 aspect ratio = 320:240",
                          "Target mobile video resolution = 320x240 aspect ratio = 320:240"}));
    // Temporary and final files both stay.
    for (const char* name : {"tmpFILM_L.mp4", "FILM_L.mp4", "tmpFILM_M.mp4", "FILM_M.mp4"})
        QVERIFY2(QFileInfo(d + name).size() > 0, name);
}

void TestVideoConverterStages::bitRateCap_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<QStringList>("expected"); // the rate of profiles 0, 1, 2, 3 as passed
    QTest::newRow("800") << 800 << QStringList{"800k", "800k", "256k", "256k"};
    QTest::newRow("exactly 1000") << 1000 << QStringList{"1000k", "1000k", "256k", "256k"};
    QTest::newRow("1999") << 1999 << QStringList{"1999k", "1000k", "256k", "256k"};
    QTest::newRow("100") << 100 << QStringList{"100k", "100k", "100k", "100k"};
    QTest::newRow("not found") << 0 << QStringList{"2000k", "1000k", "256k", "256k"};
}

void TestVideoConverterStages::bitRateCap()
{
    QFETCH(int, rate);
    QFETCH(QStringList, expected);
    installTools(smallProbe(rate));
    Conversion c(m_source, m_dest, {0, 1, 2, 3}, false, 5);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 2 + 8);
    for (int p = 0; p < 4; ++p) {
        for (int pass = 1; pass <= 2; ++pass) {
            const QStringList args = calls.at(2 + 2 * p + pass - 1).args;
            QStringList stored = (pass == 1 ? c.converter->m_hashPass1Arguments : c.converter->m_hashPass2Arguments)
                                     .value(uint(p));
            // Only the values of "-b" and "-bt" differ from the stored list.
            const int b = stored.indexOf("-b");
            const int bt = stored.indexOf("-bt");
            QVERIFY(b > 0 && bt > 0);
            stored[b + 1] = expected.at(p);
            stored[bt + 1] = expected.at(p);
            QCOMPARE(args.mid(2, stored.size()), stored);
            QCOMPARE(args.mid(args.size() - 5),
                     (QStringList{"-s", "320x240", "-aspect", "320:240",
                                  m_dest + "/5tmp" + QStringList{"FILM_H.mp4", "FILM_M.mp4", "FILM_L.mp4",
                                                                 "FILM_MOBILE.mp4"}.at(p)}));
        }
    }
    // The stored lists are left as they were.
    const auto& p1 = c.converter->m_hashPass1Arguments;
    const auto& p2 = c.converter->m_hashPass2Arguments;
    QCOMPARE(p1.value(0).at(p1.value(0).indexOf("-b") + 1), QString("2000k"));
    QCOMPARE(p2.value(0).at(p2.value(0).indexOf("-bt") + 1), QString("2000k"));
    QCOMPARE(p1.value(1).at(p1.value(1).indexOf("-bt") + 1), QString("1000k"));
    QCOMPARE(p2.value(1).at(p2.value(1).indexOf("-b") + 1), QString("1000k"));
    QCOMPARE(p2.value(3).at(p2.value(3).indexOf("-b") + 1), QString("256k"));
}

void TestVideoConverterStages::mobileSizeWithoutAResolution()
{
    installTools(NoStreamsProbe);
    Conversion c(m_source, m_dest, {0, 1, 2, 3}, false, 5);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 2 + 8);
    for (int i = 2; i < 8; ++i) {
        QVERIFY(!calls.at(i).args.contains("-s"));
        QVERIFY(!calls.at(i).args.contains("-aspect"));
    }
    for (int i = 8; i < 10; ++i) {
        const QStringList args = calls.at(i).args;
        QCOMPARE(args.mid(args.size() - 5),
                 (QStringList{"-s", "320x240", "-aspect", "320:240", m_dest + "/5tmpFILM_MOBILE.mp4"}));
    }
    QCOMPARE(loggedValues(TargetExpression),
             (QStringList{"Target mobile video resolution =  aspect ratio = ",
                          "Target mobile video resolution =  aspect ratio = ",
                          "Target mobile video resolution =  aspect ratio = ",
                          "Target mobile video resolution = 320x240 aspect ratio = 320:240"}));
}

void TestVideoConverterStages::emptyTemporaryFileRetriesWithoutAudio()
{
    installTools(PalProbe, {"write 10", "write 10", "empty ; exit 0", "write 10 ; stdout quiet"});
    Conversion c(m_source, m_dest, {1}, false, 3);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 5);
    QStringList expected = calls.at(3).args;
    QCOMPARE(expected.mid(0, 3), (QStringList{"-i", m_input, "-y"}));
    expected.insert(2, "-an");
    QCOMPARE(calls.at(4).args, expected);
    QCOMPARE(calls.at(4).args.mid(0, 6), (QStringList{"-i", m_input, "-an", "-y", "-acodec", "libfaac"}));
    QCOMPARE(QDir(calls.at(4).cwd).canonicalPath(), QDir(m_dest).canonicalPath());

    const QList<QPair<QString, QString>> runs = loggedRuns();
    QCOMPARE(runs.last(), qMakePair("Program: " + m_bench.toolPath(FastStart),
                                    argText({m_dest + "/3tmpFILM_M.mp4", m_dest + "/3FILM_M.mp4"})));
    QCOMPARE(runs.at(runs.size() - 2),
             qMakePair("Disable Audio Encoding!! Program: " + m_bench.toolPath(FFmpeg), argText(expected)));
    QCOMPARE(loggedValues("QString(\"Disable Audio Encoding!! Program: \" + m_strFFMPEGBinPath).toLocal8Bit().constData()"),
             QStringList{"Disable Audio Encoding!! Program: " + m_bench.toolPath(FFmpeg)});
    // Pass 2 ended with 0: nothing was deleted or reported; the audio-less run's output is not read.
    QVERIFY(!capturedLines().join("").contains("pass 2 error"));
    QCOMPARE(loggedValues("QString(QString(\"Out \" + strOut)).toLocal8Bit().constData()").size(), 3);
    QVERIFY(!capturedLines().join("").contains("quiet"));
    QCOMPARE(QFileInfo(m_dest + "/3FILM_M.mp4").size(), 10);
}

void TestVideoConverterStages::failedPassTwoAndAudiolessRun()
{
    // Pass 2 and the audio-less run of FILM_L both write a file and fail; FILM_M succeeds.
    installTools(NoStreamsProbe, {"write 10", "write 10", "write 10 ; exit 1", "write 10 ; exit 1", "write 10"});
    Conversion c(m_source, m_dest, {2, 1}, false, 4);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);

    const QString tmpL = m_dest + "/4tmpFILM_L.mp4";
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 2 + 3 + 2);
    QCOMPARE(calls.at(4).args.mid(0, 3), (QStringList{"-i", m_input, "-an"}));
    QCOMPARE(calls.at(5).args.last(), m_dest + "/4tmpFILM_M.mp4");
    // The audio-less run only happens when the failed pass's file was deleted.
    QCOMPARE(loggedValues("QString(QString(\"pass 2 error, delete file:\") + strTempConvertedFilePath).toLocal8Bit().constData()"),
             QStringList{"pass 2 error, delete file:" + tmpL});
    QCOMPARE(loggedValues("QString(QString(\"video convert still error with disable audio, delete file:\") + "
                          "strTempConvertedFilePath).toLocal8Bit().constData()"),
             QStringList{"video convert still error with disable audio, delete file:" + tmpL});
    QVERIFY(!QFileInfo::exists(tmpL));
    QVERIFY(!QFileInfo::exists(m_dest + "/4FILM_L.mp4"));
    const QList<ToolBench::Call> fast = m_bench.calls(FastStart);
    QCOMPARE(fast.size(), 1);
    QCOMPARE(fast.at(0).args, (QStringList{m_dest + "/4tmpFILM_M.mp4", m_dest + "/4FILM_M.mp4"}));
    QVERIFY(QFileInfo(m_dest + "/4FILM_M.mp4").size() > 0);
}

void TestVideoConverterStages::fastStartWithoutOutputEndsTheConversion()
{
    installTools(smallProbe(300));
    QVERIFY(m_bench.setPlan(FastStart, {"none ; exit 0"}));
    Conversion c(m_source, m_dest, {2, 1}, false, 6);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), m_source);
    QCOMPARE(c.bigThumb->size(), 1);
    QCOMPARE(m_bench.calls(FastStart).size(), 1);
    QCOMPARE(m_bench.calls(FFmpeg).size(), 2 + 2);
    // Nothing is cleaned up after the failure.
    QVERIFY(QFileInfo(m_dest + "/6tmpFILM_L.mp4").size() > 0);
    QVERIFY(!QFileInfo::exists(m_dest + "/6FILM_M.mp4"));

    // An empty final file is no better.
    QVERIFY(m_bench.installFake(FFmpeg, {smallProbe(300), "write 10"}));
    QVERIFY(m_bench.installFake(FastStart, {"empty"}));
    QCOMPARE(c.converter->convert(m_source, m_dest), -1);
    QCOMPARE(m_bench.calls(FastStart).size(), 1);
}

void TestVideoConverterStages::stopDuringTheSecondProfile()
{
    installTools(smallProbe(0), {"write 10", "write 10", "write 10", "write 10", "write 10 ; hang"});
    Conversion c(m_source, m_dest, {2, 1}, false, 12);
    c.converter->start();
    QVERIFY(m_bench.waitForCalls(FFmpeg, 6));
    const qint64 pid = m_bench.calls(FFmpeg).at(5).pid;
    const QStringList running = m_bench.calls(FFmpeg).at(5).args;
    QCOMPARE(running.at(running.indexOf("-pass") + 1), QString("2"));
    QCOMPARE(running.last(), m_dest + "/12tmpFILM_M.mp4");
    QTest::qWait(150);
    QVERIFY(c.converter->isRunning());
    QElapsedTimer timer;
    timer.start();
    c.converter->terminate();
    QVERIFY(c.converter->wait(tsup::guardMs(60000)));
    // The tool is killed at the next poll, not left to the reap limit.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY(processGone(pid));
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(loggedValues(KillExpression), QStringList{"kill video convert process"});
    QCOMPARE(m_bench.calls(FastStart).size(), 1);
    // Nothing is deleted: the first profile's files and the second's temporary file stay.
    QVERIFY(QFileInfo(m_dest + "/12FILM_L.mp4").size() > 0);
    QVERIFY(QFileInfo(m_dest + "/12tmpFILM_L.mp4").size() > 0);
    QVERIFY(QFileInfo(m_dest + "/12tmpFILM_M.mp4").size() > 0);
    QVERIFY(!capturedLines().join("").contains("delete file"));
}

void TestVideoConverterStages::unknownProfileId()
{
    installTools(NoStreamsProbe);
    Conversion c(m_source, m_dest, {9}, false, 12);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    const QString tmp = m_dest + "/12tmp";
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls.at(2).args, (QStringList{"-i", m_input, tmp}));
    QCOMPARE(calls.at(3).args, (QStringList{"-i", m_input, tmp}));
    QCOMPARE(m_bench.calls(FastStart).at(0).args, (QStringList{tmp, m_dest + "/12"}));
    QVERIFY(QFileInfo(m_dest + "/12").size() > 0);
    // The table of the unknown id was only read, never filled in.
    QVERIFY(!c.converter->m_hashPass1Arguments.contains(9));
    QVERIFY(!c.converter->m_hashVideoBitRate.contains(9));
}

QTEST_GUILESS_MAIN(TestVideoConverterStages)
#include "tst_videoconverter_stages.moc"
