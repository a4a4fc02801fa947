// The video converter's tools for real: our wrapper tools/ffmpeg-compat in front of Debian's
// ffmpeg 5.1, and qt-faststart, placed the way the build places them beside the program. The test
// clips are generated here with ffmpeg's own test sources. A missing tool fails the test.
#include <algorithm>
#include "CVideoConverter.h"
#include "HangGuard.h"
#include "ToolBench.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <memory>

namespace {

const QString FFmpeg = QStringLiteral("ffmpeg/ffmpeg");
const QString FastStart = QStringLiteral("ffmpeg/qt-faststart");
const QString SystemFFmpeg = QStringLiteral("/usr/bin/ffmpeg");
const QString SystemFFprobe = QStringLiteral("/usr/bin/ffprobe");
const QString Unit = QStringLiteral("src/PhotoUploader/CVideoConverter:");
const int ToolMs = 60000;

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

QStringList takeCapturedLines()
{
    QMutexLocker lock(&g_logLock);
    const QStringList lines = g_log;
    g_log.clear();
    return lines;
}

// The values of the lines whose expression text begins with `expression`.
QStringList loggedValues(const QString& expression, const QStringList& lines)
{
    QStringList values;
    for (const QString& line : lines) {
        const int space = line.indexOf(' ');
        if (!line.startsWith(Unit) || space < 0 || !line.mid(space + 1).startsWith(expression))
            continue;
        const int open = line.indexOf("=[", space);
        values << line.mid(open + 2, line.size() - open - 4);
    }
    return values;
}

struct Run {
    bool finished = false;
    int exitCode = -1;
    QByteArray err;
};

// Runs a program to its end (bounded), in `workDir` when given.
Run runProgram(const QString& program, const QStringList& args, const QString& workDir = QString(),
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(program, args);
    Run r;
    r.finished = p.waitForFinished(tsup::guardMs(ToolMs)) && p.exitStatus() == QProcess::NormalExit;
    if (!r.finished) {
        p.kill();
        p.waitForFinished(tsup::guardMs(5000));
    }
    r.exitCode = p.exitCode();
    r.err = p.readAllStandardError();
    return r;
}

// The types of the top-level boxes of an MP4 file, in file order.
QStringList topLevelAtoms(const QString& path)
{
    QStringList types;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return types;
    const qint64 size = f.size();
    qint64 pos = 0;
    for (int guard = 0; pos + 8 <= size && guard < 1000; ++guard) {
        f.seek(pos);
        const QByteArray head = f.read(8);
        quint64 length = (quint64(quint8(head[0])) << 24) | (quint64(quint8(head[1])) << 16)
                         | (quint64(quint8(head[2])) << 8) | quint64(quint8(head[3]));
        types << QString::fromLatin1(head.mid(4, 4));
        if (length == 1) {
            const QByteArray large = f.read(8);
            length = 0;
            for (char c : large)
                length = (length << 8) | quint8(c);
        } else if (length == 0) {
            length = quint64(size - pos);
        }
        if (length < 8)
            break;
        pos += qint64(length);
    }
    return types;
}

// The size of an image file as Qt reads it (invalid when it cannot be read).
QSize imageSize(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    return image.size();
}

// "codec_type=...|codec_name=..." of every stream of a media file, sorted.
QStringList streamsOf(const QString& path)
{
    QProcess probe;
    probe.start(SystemFFprobe, {"-v", "error", "-show_entries", "stream=codec_type,codec_name,sample_rate,channels",
                                "-of", "compact=p=0:nk=0", path});
    if (!probe.waitForFinished(tsup::guardMs(ToolMs)))
        return QStringList();
    QStringList streams = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    streams.sort();
    return streams;
}

// The tool runs the converter logged, as (program, arguments), from its "Program: " and argument
// lines. The test paths hold no blanks, so the argument text splits back into the arguments.
QList<QPair<QString, QStringList>> loggedRuns(const QStringList& lines)
{
    QList<QPair<QString, QStringList>> runs;
    QString program;
    for (const QString& line : lines) {
        const int space = line.indexOf(' ');
        const int open = line.indexOf("=[", space);
        if (!line.startsWith(Unit) || space < 0 || open < 0)
            continue;
        const QString expression = line.mid(space + 1, open - space - 1);
        const QString value = line.mid(open + 2, line.size() - open - 4);
        const int at = value.indexOf("Program: ");
        if (at >= 0 && expression.contains("Program: "))
            program = value.mid(at + 9);
        else if (expression == "QString(qArg).toLocal8Bit().constData()" && !program.isEmpty())
            runs << qMakePair(program, value.split(' ', Qt::SkipEmptyParts));
    }
    return runs;
}

// ffprobe's account of a file's streams (the video first in every file here).
QJsonArray ffprobe(const QString& path)
{
    QProcess p;
    p.start(SystemFFprobe, {"-v", "error", "-show_entries", "stream=codec_name,profile,pix_fmt,width,height,"
                            "sample_aspect_ratio:stream_side_data=rotation", "-of", "json", "file:" + path});
    p.waitForFinished(tsup::guardMs(ToolMs));
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object().value("streams").toArray();
}

} // namespace

class TestVideoConverterTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void toolsBesideTheProgram();
    void wrapperRewritesOnlyTheOldOptions();
    void probeOfTheGeneratedClip();
    void probeOfThePalClip();
    void everyProfileEncodes_data();
    void everyProfileEncodes();
    void systemFFmpegRejectsTheLists();
    void stopWhileTheProbeBlocksOnAFifo();

    void uploadOfTheClip();
    void shortClipWithoutSound();
    void palClipThumbnails();
    void previewOfTheClip();

    // Clips as cameras and phones make them, under names no tool may read anything into.
    void deviceClips_data();
    void deviceClips();
    void unreadableClipsLeaveNothing();

private:
    QStringList passList(uint profile, int pass) const
    {
        const CVideoConverter c(nullptr, "a", "d", {}, false, 1);
        return (pass == 1 ? c.m_hashPass1Arguments : c.m_hashPass2Arguments).value(profile);
    }
    CVideoConverter::ProbeInfo probeThroughTheWrapper(const QString& source);

    ToolBench m_bench;
    QStringList m_threadLines; // what the converter thread logged in probeThroughTheWrapper
    QTemporaryDir m_media;
    QString m_clip;
    QString m_pal;
    QString m_short;
    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TestVideoConverterTools::initTestCase()
{
    for (const QString& tool : {SystemFFmpeg, SystemFFprobe, QString("/usr/bin/qt-faststart")})
        QVERIFY2(QFileInfo(tool).isExecutable(), qPrintable(tool + " is missing: install the Debian package ffmpeg"));
    QVERIFY(m_media.isValid());
    g_previousHandler = qInstallMessageHandler(captureDebugLines);

    m_clip = m_media.path() + "/clip.mp4";
    Run r = runProgram(SystemFFmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=5:size=320x240:rate=25",
                                      "-f", "lavfi", "-i", "sine=frequency=440:duration=5", "-c:v", "mpeg4", "-c:a",
                                      "aac", "-shortest", m_clip});
    QVERIFY2(r.finished && r.exitCode == 0, r.err.constData());
    m_pal = m_media.path() + "/pal.mpg";
    r = runProgram(SystemFFmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=4:size=720x576:rate=25",
                                  "-f", "lavfi", "-i", "sine=duration=4", "-vf", "setsar=16/15", "-c:v", "mpeg2video",
                                  "-b:v", "2000k", "-c:a", "mp2", "-f", "mpeg", m_pal});
    QVERIFY2(r.finished && r.exitCode == 0, r.err.constData());
    // Shorter than the frame grab's 3 s, and silent.
    m_short = m_media.path() + "/short.mp4";
    r = runProgram(SystemFFmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=2:size=320x240:rate=25",
                                  "-c:v", "mpeg4", m_short});
    QVERIFY2(r.finished && r.exitCode == 0, r.err.constData());
}

void TestVideoConverterTools::init()
{
    QVERIFY(m_bench.clear());
    QString error;
    QVERIFY2(m_bench.installReal({"video", "image"}, &error), qPrintable(error));
    m_tmp.reset(new QTemporaryDir);
    QVERIFY(m_tmp->isValid());
    QMutexLocker lock(&g_logLock);
    g_log.clear();
}

void TestVideoConverterTools::toolsBesideTheProgram()
{
    const QString dir = QStringLiteral(VORK_PROGRAM_DIR);
    const QFileInfo wrapper(dir + "/ffmpeg/ffmpeg");
    QVERIFY2(wrapper.isFile() && !wrapper.isSymLink() && wrapper.isExecutable(), qPrintable(wrapper.filePath()));
    QFile placed(wrapper.filePath());
    QFile source(QStringLiteral(VORK_FFMPEG_WRAPPER_SOURCE));
    QVERIFY(placed.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    QCOMPARE(placed.readAll(), source.readAll());
    const QFileInfo fastStart(dir + "/ffmpeg/qt-faststart");
    QVERIFY(fastStart.isSymLink());
    QCOMPARE(fastStart.canonicalFilePath(), QFileInfo("/usr/bin/qt-faststart").canonicalFilePath());
    // The converters of the program look exactly there.
    const CVideoConverter c(nullptr, "a", "d", {}, false, 1);
    QCOMPARE(c.m_strFFMPEGBinPath, QCoreApplication::applicationDirPath() + "/ffmpeg/ffmpeg");
}

void TestVideoConverterTools::wrapperRewritesOnlyTheOldOptions()
{
    // In place of ffmpeg, a script that prints its arguments one a line.
    const QString printer = m_tmp->path() + "/print-args";
    {
        QFile f(printer);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done\n");
    }
    QVERIFY(QFile::setPermissions(printer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VORK_FFMPEG", printer);
    auto rewritten = [&](const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(m_bench.toolPath(FFmpeg), args);
        p.waitForFinished(tsup::guardMs(ToolMs));
        QString out = QString::fromUtf8(p.readAllStandardOutput());
        out.chop(1);
        return out.isEmpty() ? QStringList() : out.split('\n');
    };

    // Pass 2 of the high profile, as the encoding stage passes it.
    QStringList args{"-i", "/v/my clip.mpg"};
    args << passList(0, 2) << "-s" << "320x240" << "-aspect" << "320:240" << "/w/7tmpFILM_H.mp4";
    QStringList expected{"-i", "/v/my clip.mpg"};
    expected << "-y" << "-acodec" << "aac" << "-ar" << "44100" << "-ab" << "96k" << "-ac" << "2" << "-pass" << "2"
             << "-vcodec" << "libx264" << "-pix_fmt" << "yuv420p" << "-b" << "2000k" << "-bt" << "2000k" << "-flags"
             << "+loop"
             << "-mixed-refs" << "1" << "-me_range" << "16" << "-cmp" << "+chroma" << "-chromaoffset" << "0" << "-g"
             << "60" << "-keyint_min" << "25" << "-sc_threshold" << "40" << "-rc_eq" << "'blurCplx^(1-qComp)'"
             << "-qcomp" << "0.60" << "-qmin" << "10" << "-qmax" << "51" << "-qdiff" << "4" << "-cplxblur" << "20.0"
             << "-qblur" << "0.5" << "-i_qfactor" << "0.71" << "-8x8dct" << "1" << "-level" << "41" << "-coder" << "1"
             << "-refs" << "3" << "-bf" << "2" << "-b_qfactor" << "1.30" << "-b-pyramid" << "0" << "-b_strategy"
             << "1" << "-b-bias" << "0" << "-direct-pred" << "1" << "-weightb" << "1" << "-subq" << "5" << "-trellis"
             << "1" << "-me_method" << "hex" << "-partitions" << "+parti4x4+parti8x8+partp4x4+partp8x8+partb8x8"
             << "-f" << "mp4" << "-s" << "320x240" << "-aspect" << "320:240" << "/w/7tmpFILM_H.mp4";
    QCOMPARE(rewritten(args), expected);

    // Pass 1 of the low profile: "-8x8dct 0", the diamond search, and 8-bit 4:2:0 pictures as
    // the older encoder always wrote them.
    args = QStringList{"-i", "/v/a.mpg"} << passList(2, 1) << "/w/out.mp4";
    const QStringList low = rewritten(args);
    QCOMPARE(low.size(), args.size() + 2);
    QCOMPARE(low.mid(low.indexOf("-vcodec"), 4), (QStringList{"-vcodec", "libx264", "-pix_fmt", "yuv420p"}));
    QCOMPARE(low.mid(low.indexOf("-8x8dct"), 2), (QStringList{"-8x8dct", "0"}));
    QCOMPARE(low.mid(low.indexOf("-me_method"), 2), (QStringList{"-me_method", "dia"}));
    QVERIFY(!low.contains("-flags2") && !low.contains("libfaac") && !low.contains("epzs"));

    // The still-frame option; an option that is not rewritten; the probe unchanged.
    QCOMPARE(rewritten({"-i", "/v/a.mpg", "-sameq", "-y", "/w/7TEMP.jpg"}),
             (QStringList{"-i", "/v/a.mpg", "-q:v", "2", "-y", "/w/7TEMP.jpg"}));
    QCOMPARE(rewritten({"-flags2", "+other", "-acodec", "mp2", "-me_method", "hex", "o"}),
             (QStringList{"-flags2", "+other", "-acodec", "mp2", "-me_method", "hex", "o"}));
    QCOMPARE(rewritten({"-i", "/v/a.mpg"}), (QStringList{"-i", "/v/a.mpg"}));
    QCOMPARE(rewritten({}), QStringList());
    // The input and the output file are never taken for options, and nothing is re-split or
    // expanded.
    QCOMPARE(rewritten({"-i", "-sameq", "-acodec", "libfaac"}), (QStringList{"-i", "-sameq", "-acodec", "libfaac"}));
    QCOMPARE(rewritten({"-y", "-sameq"}), (QStringList{"-y", "-sameq"}));
    QCOMPARE(rewritten({"-i", "a b*", "$(touch x)", "c;d"}), (QStringList{"-i", "a b*", "$(touch x)", "c;d"}));
    QVERIFY(!QFileInfo::exists("x"));
}

CVideoConverter::ProbeInfo TestVideoConverterTools::probeThroughTheWrapper(const QString& source)
{
    const QString work = m_tmp->path() + "/work";
    // A preview: the probe, then only the frame and the big thumbnail.
    CVideoConverter converter(nullptr, source, work, {}, true, 7);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    const bool ended = converter.wait(tsup::guardMs(ToolMs));
    m_threadLines = takeCapturedLines();
    if (!ended || !error.isEmpty())
        return CVideoConverter::ProbeInfo();
    // What the thread read and logged, parsed again here.
    const Run r = runProgram(m_bench.toolPath(FFmpeg), {"-i", "file:" + source}, work);
    if (!r.finished || r.exitCode != 1 || !r.err.contains("At least one output file must be specified"))
        return CVideoConverter::ProbeInfo();
    const QStringList out = loggedValues("QString(QString(\"Out \" + baInputVideoInfo", m_threadLines);
    if (out.size() != 1 || out.at(0) != "Out " + QString::fromLatin1(r.err))
        return CVideoConverter::ProbeInfo();
    return CVideoConverter::parseProbeOutput(r.err);
}

void TestVideoConverterTools::probeOfTheGeneratedClip()
{
    const CVideoConverter::ProbeInfo p = probeThroughTheWrapper(m_clip);
    QCOMPARE(p.strInputVideoResolution, QString("320x240"));
    QCOMPARE(p.strInputVideoPAR, QString("1:1"));
    QCOMPARE(p.iInputVideoBitRate, 325);
    QCOMPARE(p.iInputAudioBitRate, 69);
    QCOMPARE(p.iInputVideoTotalBitRate, 402);
    QCOMPARE(loggedValues("QString(QString(\"strInputVideoResolution", m_threadLines),
             QStringList{"strInputVideoResolution = 320x240"});
    QCOMPARE(loggedValues("QString(QString(\"Input file bitrate", m_threadLines), QStringList{"Input file bitrate = 325"});
    const CVideoConverter c(nullptr, "a", "d", {}, false, 1);
    QCOMPARE(c.computeTargetSize(p.strInputVideoResolution, p.strInputVideoPAR, 0), QString("320x240"));
}

void TestVideoConverterTools::probeOfThePalClip()
{
    const CVideoConverter::ProbeInfo p = probeThroughTheWrapper(m_pal);
    QCOMPARE(p.strInputVideoResolution, QString("720x576"));
    QCOMPARE(p.strInputVideoPAR, QString("16:15"));
    // The MPEG program stream states no rate for its video: total minus audio.
    QVERIFY(p.iInputVideoTotalBitRate > 0);
    QVERIFY(p.iInputAudioBitRate > 0);
    QCOMPARE(p.iInputVideoBitRate, p.iInputVideoTotalBitRate - p.iInputAudioBitRate);
    QVERIFY(loggedValues("QString(QString(\"iInputVideoBitRate", m_threadLines).isEmpty());
    QCOMPARE(loggedValues("QString(QString(\"Input file bitrate", m_threadLines),
             QStringList{"Input file bitrate = " + QString::number(p.iInputVideoBitRate)});
    const CVideoConverter c(nullptr, "a", "d", {}, false, 1);
    QCOMPARE(c.computeTargetSize(p.strInputVideoResolution, p.strInputVideoPAR, 0), QString("768x576"));
}

void TestVideoConverterTools::everyProfileEncodes_data()
{
    QTest::addColumn<uint>("profile");
    QTest::addColumn<QString>("name");
    QTest::newRow("high") << 0u << "FILM_H.mp4";
    QTest::newRow("medium") << 1u << "FILM_M.mp4";
    QTest::newRow("low") << 2u << "FILM_L.mp4";
    QTest::newRow("mobile") << 3u << "FILM_MOBILE.mp4";
}

void TestVideoConverterTools::everyProfileEncodes()
{
    QFETCH(uint, profile);
    QFETCH(QString, name);
    const QString work = m_tmp->path();
    const QString tmp = work + "/7tmp" + name;
    const QString final = work + "/7" + name;
    QElapsedTimer timer;
    timer.start();

    for (int pass = 1; pass <= 2; ++pass) {
        const QStringList args = QStringList{"-i", m_clip} << passList(profile, pass) << "-s" << "320x240"
                                                           << "-aspect" << "320:240" << tmp;
        const Run r = runProgram(m_bench.toolPath(FFmpeg), args, work);
        QVERIFY2(r.finished && r.exitCode == 0, r.err.right(2000).constData());
        if (pass == 1) {
            // The first pass leaves its statistics in the working folder for the second.
            QVERIFY(QFileInfo(work + "/ffmpeg2pass-0.log").size() > 0);
        }
    }
    const Run fast = runProgram(m_bench.toolPath(FastStart), {tmp, final}, work);
    QVERIFY2(fast.finished && fast.exitCode == 0, fast.err.constData());
    qInfo("profile %u: two passes and the rewrite took %lld ms", profile, timer.elapsed());

    const QStringList atoms = topLevelAtoms(final);
    QVERIFY2(atoms.contains("moov") && atoms.contains("mdat"), qPrintable(atoms.join(' ')));
    QVERIFY2(atoms.indexOf("moov") < atoms.indexOf("mdat"), qPrintable(atoms.join(' ')));

    QProcess probe;
    probe.start(SystemFFprobe, {"-v", "error", "-show_entries", "stream=codec_type,codec_name,sample_rate,channels,width,height",
                                "-of", "compact=p=0:nk=0", final});
    QVERIFY(probe.waitForFinished(tsup::guardMs(ToolMs)));
    const QStringList streams = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(streams.size(), 2);
    QVERIFY2(streams.contains("codec_name=h264|codec_type=video|width=320|height=240"), qPrintable(streams.join(" / ")));
    QVERIFY2(streams.contains("codec_name=aac|codec_type=audio|sample_rate=44100|channels=2"),
             qPrintable(streams.join(" / ")));
}

void TestVideoConverterTools::systemFFmpegRejectsTheLists()
{
    // Why the wrapper exists: Debian's ffmpeg refuses the older-generation lists as they stand.
    const QString tmp = m_tmp->path() + "/7tmpFILM_L.mp4";
    const QStringList args = QStringList{"-i", m_clip} << passList(2, 1) << "-s" << "320x240" << "-aspect" << "320:240"
                                                       << tmp;
    const Run r = runProgram(SystemFFmpeg, args, m_tmp->path());
    QVERIFY(r.finished);
    QVERIFY2(r.exitCode != 0, r.err.constData());
}

void TestVideoConverterTools::stopWhileTheProbeBlocksOnAFifo()
{
    // ffmpeg reading a FIFO that nobody writes blocks for good: only the stop ends the probe. The
    // wrapper has become ffmpeg (exec), so the kill reaches ffmpeg itself: had the wrapper only
    // started ffmpeg, the kill would end the wrapper and leave ffmpeg holding the FIFO.
    ToolFifo fifo(m_tmp->path() + "/blocked-probe.mpg");
    QVERIFY(fifo.isValid());
    CVideoConverter converter(nullptr, fifo.path(), m_tmp->path() + "/work", {0}, false, 21);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    QVERIFY(fifo.waitForReader(60000));
    QVERIFY(converter.isRunning());

    QElapsedTimer timer;
    timer.start();
    converter.terminate();
    QVERIFY(converter.wait(tsup::guardMs(60000)));
    // Killed, not left to the reap limit of a tool that does not end.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(error.size(), 1);
    QCOMPARE(error.at(0).at(0).toString(), fifo.path());
    QCOMPARE(loggedValues("QString(QString(\"kill video convert process\"))", takeCapturedLines()).size(), 1);
    QVERIFY(fifo.waitForNoReader(0));
}

void TestVideoConverterTools::uploadOfTheClip()
{
    const QString work = m_tmp->path() + "/work";
    CVideoConverter converter(nullptr, m_clip, work, {2, 1, 0, 3}, false, 7);
    QSignalSpy bigThumb(&converter, &CVideoConverter::signalVideoBigThumbReady);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    QVERIFY(converter.wait(tsup::guardMs(4 * ToolMs)));
    const QStringList lines = takeCapturedLines();
    QCOMPARE(error.size(), 0);
    QCOMPARE(bigThumb.size(), 1);
    QCOMPARE(bigThumb.at(0).at(0).toString(), work + "/7THUMB_B.jpg");

    // The still frame and the thumbnails, in the sizes of their squares.
    QCOMPARE(imageSize(work + "/7TEMP.jpg"), QSize(320, 240));
    QCOMPARE(imageSize(work + "/7THUMB_B.jpg"), QSize(640, 480));
    QCOMPARE(imageSize(work + "/7THUMB_L.jpg"), QSize(800, 600));
    QCOMPARE(imageSize(work + "/7THUMB_XL.jpg"), QSize(1280, 960));
    QCOMPARE(imageSize(work + "/7THUMB_M.jpg"), QSize(320, 240));
    QCOMPARE(imageSize(work + "/7THUMB_S.jpg"), QSize(120, 90));

    // Every version plays while it loads (index first), with picture and sound; the temporary
    // files, still in the encoder's order, stay beside them.
    for (const char* name : {"FILM_L.mp4", "FILM_M.mp4", "FILM_H.mp4", "FILM_MOBILE.mp4"}) {
        const QString final = work + "/7" + name;
        const QStringList atoms = topLevelAtoms(final);
        QVERIFY2(atoms.contains("moov") && atoms.contains("mdat") && atoms.indexOf("moov") < atoms.indexOf("mdat"),
                 qPrintable(final + ": " + atoms.join(' ')));
        const QStringList tmpAtoms = topLevelAtoms(work + "/7tmp" + name);
        QVERIFY2(tmpAtoms.indexOf("mdat") >= 0 && tmpAtoms.indexOf("mdat") < tmpAtoms.indexOf("moov"),
                 qPrintable(tmpAtoms.join(' ')));
        QCOMPARE(streamsOf(final), (QStringList{"codec_name=aac|codec_type=audio|sample_rate=44100|channels=2",
                                                "codec_name=h264|codec_type=video"}));
    }
    QVERIFY(QFileInfo(work + "/ffmpeg2pass-0.log").isFile());
    // No audio-less retry and no deletion was needed.
    QVERIFY(!lines.join("").contains("Disable Audio"));
    QVERIFY(!lines.join("").contains("delete file"));

    // Every tool run is logged: the probe, the frame, the five thumbnails, and two passes and the
    // index rewrite per profile. (How long they take against the same runs started bare is
    // measured by the benchmark, tests/bench.)
    QCOMPARE(loggedRuns(lines).size(), 1 + 1 + 5 + 4 * 3);
}

void TestVideoConverterTools::shortClipWithoutSound()
{
    const QString work = m_tmp->path() + "/work";
    CVideoConverter converter(nullptr, m_short, work, {2, 1, 0, 3}, false, 7);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    QVERIFY(converter.wait(tsup::guardMs(4 * ToolMs)));
    const QStringList lines = takeCapturedLines();
    QCOMPARE(error.size(), 0);

    // The grab at 3 s found nothing; the one at the start made the frame.
    const QList<QPair<QString, QStringList>> runs = loggedRuns(lines);
    QVERIFY(runs.size() > 3);
    QVERIFY(runs.at(1).second.contains("00:00:03"));
    QVERIFY(runs.at(2).second.contains("00:00:00"));
    QCOMPARE(runs.at(2).second.last(), work + "/7TEMP.jpg");
    QCOMPARE(imageSize(work + "/7TEMP.jpg"), QSize(320, 240));
    QCOMPARE(imageSize(work + "/7THUMB_S.jpg"), QSize(120, 90));
    for (const char* name : {"FILM_L.mp4", "FILM_M.mp4", "FILM_H.mp4", "FILM_MOBILE.mp4"}) {
        const QString final = work + "/7" + name;
        const QStringList atoms = topLevelAtoms(final);
        QVERIFY2(atoms.indexOf("moov") >= 0 && atoms.indexOf("moov") < atoms.indexOf("mdat"), qPrintable(final));
        QCOMPARE(streamsOf(final), QStringList{"codec_name=h264|codec_type=video"});
    }
}

void TestVideoConverterTools::palClipThumbnails()
{
    // Non-square pixels: the frame is grabbed at its width on screen.
    const QString work = m_tmp->path() + "/work";
    CVideoConverter converter(nullptr, m_pal, work, {}, false, 7);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    QVERIFY(converter.wait(tsup::guardMs(2 * ToolMs)));
    const QList<QPair<QString, QStringList>> runs = loggedRuns(takeCapturedLines());
    QCOMPARE(error.size(), 0);
    QVERIFY(runs.size() > 1);
    const QStringList grab = runs.at(1).second;
    QCOMPARE(grab.mid(grab.size() - 5, 4), (QStringList{"-s", "768x576", "-aspect", "768:576"}));
    QCOMPARE(imageSize(work + "/7TEMP.jpg"), QSize(768, 576));
    QCOMPARE(imageSize(work + "/7THUMB_B.jpg"), QSize(640, 480));
    QCOMPARE(imageSize(work + "/7THUMB_L.jpg"), QSize(800, 600));
    QCOMPARE(imageSize(work + "/7THUMB_XL.jpg"), QSize(1280, 960));
    QCOMPARE(imageSize(work + "/7THUMB_M.jpg"), QSize(320, 240));
    QCOMPARE(imageSize(work + "/7THUMB_S.jpg"), QSize(120, 90));
    QVERIFY(QDir(work).entryList({"*.mp4"}, QDir::Files).isEmpty());
}

void TestVideoConverterTools::previewOfTheClip()
{
    const QString work = m_tmp->path() + "/work";
    QVERIFY(QDir().mkpath(work));
    const QString earlier = work + "/older.txt";
    {
        QFile f(earlier);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    CVideoConverter converter(nullptr, m_clip, work, {}, true, 7);
    QSignalSpy bigThumb(&converter, &CVideoConverter::signalVideoBigThumbReady);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    QVERIFY(converter.wait(tsup::guardMs(2 * ToolMs)));
    QCOMPARE(error.size(), 0);
    QCOMPARE(bigThumb.size(), 1);
    QCOMPARE(bigThumb.at(0).at(0).toString(), work + "/UIPreview7THUMB_B.jpg");
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
             (QStringList{"UIPreview7TEMP.jpg", "UIPreview7THUMB_B.jpg", "older.txt"}));
    QCOMPARE(imageSize(work + "/UIPreview7THUMB_B.jpg"), QSize(640, 480));
}

void TestVideoConverterTools::deviceClips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("codec");
    QTest::addColumn<QString>("facts"); // what ffprobe sees of the generated clip
    QTest::addColumn<double>("aspect"); // of the picture shown upright
    QTest::newRow("camera MJPEG 4:2:2") << "cam [2019] 4:2:2.avi" << QStringList{"mjpeg", "yuvj422p", "pcm_s16le"}
                                        << "mjpeg yuvj422p 640x360 0" << 640.0 / 360;
    // Relative, with a leading "-", pattern and format characters, quotes and a line break.
    QTest::newRow("H.264 High 10") << "-IMG*1?%d 'q' \"dq\"\n\u00fc.mp4" << QStringList{"libx264", "yuv420p10le", "aac"}
                                   << "h264 yuv420p10le 640x360 0 High 10" << 640.0 / 360;
    QTest::newRow("phone held upright") << "portrait [1].mp4" << QStringList{"libx264", "yuv420p", "aac"}
                                        << "h264 yuv420p 640x360 90" << 360.0 / 640;
}

void TestVideoConverterTools::deviceClips()
{
    QFETCH(QString, name);
    QFETCH(QStringList, codec);
    QFETCH(QString, facts);
    QFETCH(double, aspect);
    // Made under a plain name (a phone's rotation tag is added by a copy), then renamed.
    const QString plain = m_tmp->path() + "/plain." + QFileInfo(name).suffix();
    const QString source = m_tmp->path() + "/" + name;
    Run r = runProgram(SystemFFmpeg, {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=2:size=640x360", "-f",
                                      "lavfi", "-i", "sine=duration=2", "-c:v", codec.at(0), "-pix_fmt", codec.at(1),
                                      "-c:a", codec.at(2), "-shortest", plain});
    QVERIFY2(r.finished && r.exitCode == 0, r.err.constData());
    r = runProgram(SystemFFmpeg, {"-v", "error", "-i", plain, "-c", "copy", "-metadata:s:v:0",
                                  QString("rotate=") + (facts.endsWith(" 90") ? "90" : "0"), "file:" + source});
    QVERIFY2(r.finished && r.exitCode == 0, r.err.constData());
    const QJsonObject in = ffprobe(source).at(0).toObject();
    const QString seen = QString("%1 %2 %3x%4 %5 %6").arg(in["codec_name"].toString(), in["pix_fmt"].toString())
                             .arg(in["width"].toInt()).arg(in["height"].toInt())
                             .arg(std::abs(in["side_data_list"].toArray().at(0).toObject()["rotation"].toInt()))
                             .arg(in["profile"].toString());
    QVERIFY2(seen.startsWith(facts), qPrintable(seen));

    const QString work = m_tmp->path() + "/work", current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_tmp->path()));
    CVideoConverter converter(nullptr, name.startsWith('-') ? name : source, work, {2, 1, 0, 3}, false, 7);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    const bool ended = converter.wait(tsup::guardMs(4 * ToolMs));
    QDir::setCurrent(current);
    QVERIFY(ended);
    QCOMPARE(error.size(), 0);
    // Frame, thumbnails and versions upright in the source's shape; versions 8-bit 4:2:0 H.264
    // that browsers play, with AAC sound.
    for (const QString file : {"TEMP.jpg", "THUMB_B.jpg", "THUMB_L.jpg", "THUMB_XL.jpg", "THUMB_M.jpg", "THUMB_S.jpg",
                               "FILM_L.mp4", "FILM_M.mp4", "FILM_H.mp4", "FILM_MOBILE.mp4"}) {
        const QJsonArray streams = ffprobe(work + "/7" + file);
        const QJsonObject v = streams.at(0).toObject();
        const QString what = file + QJsonDocument(v).toJson(QJsonDocument::Compact);
        QVERIFY2(v["sample_aspect_ratio"].toString() == "1:1", qPrintable(what));
        QVERIFY2(std::abs(v["width"].toDouble() / v["height"].toDouble() / aspect - 1) < 0.02, qPrintable(what));
        if (file.endsWith(".mp4")) {
            QVERIFY2(v["codec_name"] == "h264" && v["pix_fmt"] == "yuv420p", qPrintable(what));
            QVERIFY2(!v["profile"].toString().contains("4:2:2") && !v["profile"].toString().contains("10"), qPrintable(what));
            QCOMPARE(streams.at(1).toObject()["codec_name"].toString(), QString("aac"));
        }
    }
}

void TestVideoConverterTools::unreadableClipsLeaveNothing()
{
    // A clip cut off right after its index: ffmpeg opens the frame file and finds no picture for
    // it. The conversion fails and leaves no file.
    const QString clip = m_tmp->path() + "/cut.mp4";
    const Run r = runProgram(SystemFFmpeg, {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=2", "-c:v", "mpeg4",
                                            "-movflags", "+faststart", clip});
    QVERIFY2(r.finished && r.exitCode == 0, r.err.constData());
    QFile f(clip);
    QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(f.readAll().indexOf("mdat") + 16));
    f.close();
    CVideoConverter converter(nullptr, clip, m_tmp->path() + "/work", {3}, false, 7);
    QSignalSpy error(&converter, &CVideoConverter::signalVideoConvertError);
    converter.start();
    QVERIFY(converter.wait(tsup::guardMs(2 * ToolMs)));
    QCOMPARE(error.size(), 1);
    QCOMPARE(QDir(m_tmp->path() + "/work").entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(TestVideoConverterTools)
#include "tst_videoconverter_tools.moc"
