// The video converter without real media tools: the frame-size rule, the parse of ffmpeg's
// description of a source, the encoding profiles, and the thread with the recording stand-in
// ffmpeg (stops, failures, priority, debug lines).
#include "CVideoConverter.h"
#include "HangGuard.h"
#include "ToolBench.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaMethod>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>

namespace {

const QString FFmpeg = QStringLiteral("ffmpeg/ffmpeg");
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

void clearCapturedLines()
{
    QMutexLocker lock(&g_logLock);
    g_log.clear();
}

// The values of the captured lines whose expression text begins with `expression`.
QStringList loggedValues(const QString& expression)
{
    QStringList values;
    for (const QString& line : capturedLines()) {
        const int space = line.indexOf(' ');
        if (!line.startsWith(Unit) || space < 0 || !line.mid(space + 1).startsWith(expression))
            continue;
        const int open = line.indexOf("=[", space);
        values << line.mid(open + 2, line.size() - open - 2 - 2); // without "]\n"
    }
    return values;
}

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
}

// Escapes text for a stand-in plan line ("\n" as backslash-n).
QString planText(const QString& text)
{
    return QString(text).replace("\\", "\\\\").replace("\n", "\\n");
}

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

// The profile tables as the encoder receives them. The 49 elements every list starts with, with
// AB (audio rate), N (pass) and B (video rate) to fill in.
const QStringList CommonPart{
    "-y", "-acodec", "libfaac", "-ar", "44100", "-ab", "AB", "-ac", "2", "-pass", "N", "-vcodec", "libx264",
    "-b", "B", "-bt", "B", "-flags", "+loop", "-flags2", "+mixed_refs", "-me_range", "16", "-cmp", "+chroma",
    "-chromaoffset", "0", "-g", "60", "-keyint_min", "25", "-sc_threshold", "40", "-rc_eq",
    "'blurCplx^(1-qComp)'", "-qcomp", "0.60", "-qmin", "10", "-qmax", "51", "-qdiff", "4", "-complexityblur",
    "20.0", "-qblur", "0.5", "-i_qfactor", "0.71"};
const QStringList ProfilePart0{"-flags2", "+dct8x8", "-level", "41", "-coder", "1", "-refs", "3", "-bf", "2",
                               "-b_qfactor", "1.30", "-flags2", "-bpyramid", "-b_strategy", "1", "-bframebias",
                               "0", "-directpred", "1", "-flags2", "+wpred"};
const QStringList ProfilePart1{"-flags2", "-dct8x8", "-level", "31", "-coder", "0", "-refs", "4", "-bf", "2",
                               "-b_qfactor", "1.30", "-flags2", "-bpyramid", "-b_strategy", "1", "-bframebias",
                               "0", "-directpred", "1", "-flags2", "+wpred"};
const QStringList ProfilePartLow{"-flags2", "-dct8x8", "-profile", "baseline", "-level", "13", "-coder", "0",
                                 "-refs", "1", "-bf", "0"};
const QStringList PassPart1{"-subq", "1", "-trellis", "0", "-me_method", "epzs", "-partitions", "0", "-f", "mp4"};
const QStringList PassPart2{"-subq", "5", "-trellis", "T", "-me_method", "hex", "-partitions",
                            "+parti4x4+parti8x8+partp4x4+partp8x8+partb8x8", "-f", "mp4"};

QStringList expectedList(uint id, int pass)
{
    const QStringList ab{"96k", "96k", "96k", "64k"};
    const QStringList b{"2000k", "1000k", "256k", "256k"};
    QStringList list = CommonPart;
    list[6] = ab.at(int(id));
    list[10] = QString::number(pass);
    list[14] = b.at(int(id));
    list[16] = b.at(int(id));
    list << (id == 0 ? ProfilePart0 : id == 1 ? ProfilePart1 : ProfilePartLow);
    QStringList tail = pass == 1 ? PassPart1 : PassPart2;
    if (pass == 2)
        tail[3] = id == 0 ? "1" : "0";
    return list << tail;
}

// The three example lines (the older "Stream #0.0" form).
const QString DurationLine = "  Duration: 00:01:02.50, start: 0.000000, bitrate: 9500 kb/s";
const QString VideoLine =
    "    Stream #0.0[0x1e0]: Video: mpeg2video, yuv420p, 720x576 [PAR 16:15 DAR 4:3], 9000 kb/s, 25 fps";
const QString AudioLine = "    Stream #0.1[0x80]: Audio: ac3, 48000 Hz, stereo, s16, 448 kb/s";

} // namespace

class TestVideoConverter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void classShape();
    void constructorTables();

    void targetSize_data();
    void targetSize();
    void targetSizeHugeAspectIsDefined();

    void profileLists_data();
    void profileLists();
    void profileListOfLowPassOneVerbatim();
    void profileInvariants();
    void unknownProfileInsertsNothing();

    void parseWorkedLines();
    void parseVideoRateFromTotal();
    void parseResolutionWithComma();
    void parseRejectedAspects();
    void parseLastVideoStreamWins();
    void parseQuarterTurnedVideo();
    void parseWithoutStreams();
    void parseWordRules();
    void parseDebugLines();

    void missingSource();
    void destinationBelowAFile();
    void emptyDestination();
    void probeRunsInTheDestinationFolder();
    void probeReadsStandardErrorOnly();
    void probeExitCodeIsIgnored();
    void missingProgramIsNoFailure();
    void runsAtLowestPriority();
    void stopDuringTheProbe();
    void stopBeforeStart();
    void deletingARunningConverter();
    void previewConverterWithParent();

private:
    // The later stages' tools succeed: ffmpeg answers the probe with `probe` and writes every later
    // output; convert and qt-faststart write theirs.
    void installWorkingTools(const QString& probe)
    {
        QVERIFY(m_bench.installFake(FFmpeg, {probe, "write 10"}));
        QVERIFY(m_bench.installFake("ImageMagick/convert", {"write 10"}));
        QVERIFY(m_bench.installFake("ffmpeg/qt-faststart", {"write 10"}));
    }
    CVideoConverter::ProbeInfo parse(const QStringList& lines)
    {
        return CVideoConverter::parseProbeOutput(lines.join('\n').toLatin1());
    }

    ToolBench m_bench;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_dest;
    QString m_source;
};

void TestVideoConverter::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(captureDebugLines);
}

void TestVideoConverter::init()
{
    QVERIFY(m_bench.clear());
    QVERIFY(m_bench.installFake(FFmpeg));
    m_tmp.reset(new QTemporaryDir);
    QVERIFY(m_tmp->isValid());
    m_dest = m_tmp->path() + "/work";
    m_source = m_tmp->path() + "/clip.mpg";
    QFile f(m_source);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not really a video");
    f.close();
    clearCapturedLines();
}

void TestVideoConverter::classShape()
{
    CVideoConverter converter(nullptr, "a.mpg", "dest", {0, 1}, false, 1);
    QVERIFY(converter.parent() == nullptr);
    const QMetaObject* mo = converter.metaObject();
    const int first = mo->methodOffset();
    QCOMPARE(mo->methodCount() - first, 3);
    QCOMPARE(mo->method(first).methodSignature(), QByteArray("signalVideoBigThumbReady(QString,uint)"));
    QCOMPARE(mo->method(first + 1).methodSignature(), QByteArray("signalVideoConvertError(QString,uint)"));
    QCOMPARE(mo->method(first + 2).methodSignature(), QByteArray("terminate()"));
    QCOMPARE(mo->method(first + 2).methodType(), QMetaMethod::Slot);
    QCOMPARE(mo->indexOfSlot("terminate()"), first + 2);
    // The constructor touched nothing and started nothing.
    QVERIFY(!QFileInfo::exists("dest"));
    QVERIFY(!converter.isRunning());
}

void TestVideoConverter::constructorTables()
{
    CVideoConverter c(nullptr, "/v/a.mpg", "/w/d", {3, 0, 3}, true, 42);
    QCOMPARE(c.m_lstProfileIDs, (QList<uint>{3, 0, 3}));
    QVERIFY(c.m_bPreview);
    QCOMPARE(c.m_uiRequestID, 42u);
    QCOMPARE(c.m_strSrcFilePath, QString("/v/a.mpg"));
    QCOMPARE(c.m_strDestFolder, QString("/w/d"));
    QVERIFY(!c.m_bStop.load());
    const QString app = QCoreApplication::applicationDirPath();
    QCOMPARE(c.m_strFFMPEGBinPath, app + "/ffmpeg/ffmpeg");
    QCOMPARE(c.m_strQT_faststartBinPath, app + "/ffmpeg/qt-faststart");
    QCOMPARE(c.m_strConvertBinPath, app + "/ImageMagick/convert");
    QCOMPARE(c.m_lstBigThumbSizes, (QStringList{"640x640", "800x800", "1280x1280"}));
    QCOMPARE(c.m_lstBigThumbNames, (QStringList{"THUMB_B.jpg", "THUMB_L.jpg", "THUMB_XL.jpg"}));
    QCOMPARE(c.m_lstSmallThumbSizes, (QStringList{"320x320", "120x120"}));
    QCOMPARE(c.m_lstSmallThumbNames, (QStringList{"THUMB_M.jpg", "THUMB_S.jpg"}));
    QCOMPARE(c.namePrefix(), QString("UIPreview42"));
    CVideoConverter upload(nullptr, "/v/a.mpg", "/w/d", {}, false, 0);
    QCOMPARE(upload.namePrefix(), QString("0"));
    QVERIFY(upload.m_lstProfileIDs.isEmpty());
}

void TestVideoConverter::targetSize_data()
{
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("par");
    QTest::addColumn<uint>("profile");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1920x1080 0") << "1920x1080" << "" << 0u << "1920x1080";
    QTest::newRow("720x576 16:15 0") << "720x576" << "16:15" << 0u << "768x576";
    QTest::newRow("720x576 16:15 3") << "720x576" << "16:15" << 3u << "320x240";
    QTest::newRow("720x480 8:9 0") << "720x480" << "8:9" << 0u << "640x480";
    QTest::newRow("720x480 32:27 2") << "720x480" << "32:27" << 2u << "638x360";
    QTest::newRow("1440x1080 4:3 1") << "1440x1080" << "4:3" << 1u << "1280x720";
    QTest::newRow("1280x720 2") << "1280x720" << "" << 2u << "640x360";
    QTest::newRow("640x480 1") << "640x480" << "" << 1u << "640x480";
    QTest::newRow("721x481 0") << "721x481" << "" << 0u << "720x480";
    QTest::newRow("1920x800 2") << "1920x800" << "" << 2u << "640x266";
    QTest::newRow("1000x2000 3") << "1000x2000" << "" << 3u << "120x240";
    QTest::newRow("1920x200 3") << "1920x200" << "" << 3u << "320x32";
    QTest::newRow("300x1000 3") << "300x1000" << "" << 3u << "72x240";
    QTest::newRow("176x144 12:11 3") << "176x144" << "12:11" << 3u << "192x144";
    QTest::newRow("abc 3") << "abc" << "" << 3u << "320x240";
    QTest::newRow("abc 0") << "abc" << "" << 0u << "";

    // Further rules.
    // Products that are whole in exact arithmetic but fall just below in double precision
    // (220 x 12/11 = 239.99999999999997): the single-precision rounding makes them whole.
    QTest::newRow("220x176 12:11 0") << "220x176" << "12:11" << 0u << "240x176";
    QTest::newRow("363x240 12:11 0") << "363x240" << "12:11" << 0u << "396x240";
    QTest::newRow("1:1 keeps the width") << "720x576" << "1:1" << 0u << "720x576";
    QTest::newRow("0:1 is ignored") << "720x576" << "0:1" << 0u << "720x576";
    QTest::newRow("1:0 is ignored") << "720x576" << "1:0" << 0u << "720x576";
    QTest::newRow("three terms ignored") << "720x576" << "16:15:1" << 0u << "720x576";
    QTest::newRow("empty pieces dropped") << "x720xx576x" << ":16::15" << 0u << "768x576";
    QTest::newRow("zero height, profile 2") << "720x0" << "" << 2u << "";
    QTest::newRow("zero height, profile 3") << "720x0" << "" << 3u << "320x240";
    QTest::newRow("one piece") << "720" << "" << 1u << "";
    QTest::newRow("three pieces") << "1x2x3" << "" << 3u << "320x240";
    QTest::newRow("trailing comma is no number") << "720x576," << "" << 0u << "";
    QTest::newRow("unknown profile: 1x1 frame") << "720x576" << "" << 7u << "0x0";
    QTest::newRow("unknown profile, unusable size") << "abc" << "" << 7u << "";
    QTest::newRow("odd sides within the frame") << "319x239" << "" << 3u << "318x238";
    QTest::newRow("tie of both bounds counts as height") << "3840x2160" << "" << 0u << "1920x1080";
    QTest::newRow("width alone over") << "4000x1000" << "" << 0u << "1920x480";
}

void TestVideoConverter::targetSize()
{
    QFETCH(QString, resolution);
    QFETCH(QString, par);
    QFETCH(uint, profile);
    QFETCH(QString, expected);
    const CVideoConverter c(nullptr, "a.mpg", "d", {}, false, 1);
    QCOMPARE(c.computeTargetSize(resolution, par, profile), expected);
}

void TestVideoConverter::targetSizeHugeAspectIsDefined()
{
    // A crafted file may declare any pixel aspect: the widened width is held at the int range (this
    // runs under UBSan with float-cast-overflow checks in the sanitizer build) and then fitted.
    const CVideoConverter c(nullptr, "a.mpg", "d", {}, false, 1);
    QCOMPARE(c.computeTargetSize("1920x1080", "2147483647:1", 0), QString("1920x0"));
    QCOMPARE(c.computeTargetSize("1920x1080", "4294967295:1", 3), QString("320x0"));
    QCOMPARE(c.computeTargetSize("2147483647x2147483647", "4294967295:1", 0), QString("1080x1080"));
    QCOMPARE(c.computeTargetSize("1920x1080", "1:4294967295", 0), QString("0x1080"));
    // Beyond 32 bits the aspect is no number at all.
    QCOMPARE(c.computeTargetSize("720x576", "4294967296:1", 0), QString("720x576"));
    QCOMPARE(c.computeTargetSize("99999999999x576", "", 0), QString(""));
}

void TestVideoConverter::profileLists_data()
{
    QTest::addColumn<uint>("profile");
    QTest::addColumn<int>("pass");
    for (uint id = 0; id < 4; ++id)
        for (int pass = 1; pass <= 2; ++pass)
            QTest::addRow("profile %u pass %d", id, pass) << id << pass;
}

void TestVideoConverter::profileLists()
{
    QFETCH(uint, profile);
    QFETCH(int, pass);
    const CVideoConverter c(nullptr, "a.mpg", "d", {}, false, 1);
    const QStringList actual = (pass == 1 ? c.m_hashPass1Arguments : c.m_hashPass2Arguments).value(profile);
    const QStringList expected = expectedList(profile, pass);
    QCOMPARE(actual.size(), profile < 2 ? 81 : 71);
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(actual.at(i) == expected.at(i),
                 qPrintable(QString("element %1: %2 instead of %3").arg(i).arg(actual.at(i), expected.at(i))));
    QCOMPARE(actual, expected);
}

void TestVideoConverter::profileListOfLowPassOneVerbatim()
{
    const CVideoConverter c(nullptr, "a.mpg", "d", {}, false, 1);
    const QStringList expected{
        "-y", "-acodec", "libfaac", "-ar", "44100", "-ab", "96k", "-ac", "2", "-pass", "1", "-vcodec", "libx264",
        "-b", "256k", "-bt", "256k", "-flags", "+loop", "-flags2", "+mixed_refs", "-me_range", "16", "-cmp",
        "+chroma", "-chromaoffset", "0", "-g", "60", "-keyint_min", "25", "-sc_threshold", "40", "-rc_eq",
        "'blurCplx^(1-qComp)'", "-qcomp", "0.60", "-qmin", "10", "-qmax", "51", "-qdiff", "4",
        "-complexityblur", "20.0", "-qblur", "0.5", "-i_qfactor", "0.71", "-flags2", "-dct8x8", "-profile",
        "baseline", "-level", "13", "-coder", "0", "-refs", "1", "-bf", "0", "-subq", "1", "-trellis", "0",
        "-me_method", "epzs", "-partitions", "0", "-f", "mp4"};
    QCOMPARE(expected.size(), 71);
    QCOMPARE(c.m_hashPass1Arguments.value(2), expected);
    // The quotes are characters of the element (no shell ever sees it).
    QCOMPARE(expected.at(34).size(), 20);
    QVERIFY(expected.at(34).startsWith('\'') && expected.at(34).endsWith('\''));
}

void TestVideoConverter::profileInvariants()
{
    const CVideoConverter c(nullptr, "a.mpg", "d", {}, false, 1);
    QCOMPARE(c.m_hashVideoBitRate.value(0), 2000);
    QCOMPARE(c.m_hashVideoBitRate.value(1), 1000);
    QCOMPARE(c.m_hashVideoBitRate.value(2), 256);
    QCOMPARE(c.m_hashVideoBitRate.value(3), 256);
    QCOMPARE(c.m_hashVideoResolution.value(0), QString("1920x1080"));
    QCOMPARE(c.m_hashVideoResolution.value(1), QString("1280x720"));
    QCOMPARE(c.m_hashVideoResolution.value(2), QString("640x360"));
    QCOMPARE(c.m_hashVideoResolution.value(3), QString("320x240"));

    for (uint id = 0; id < 4; ++id) {
        for (const QStringList& list : {c.m_hashPass1Arguments.value(id), c.m_hashPass2Arguments.value(id)}) {
            const QString rate = QString::number(c.m_hashVideoBitRate.value(id)) + "k";
            QCOMPARE(list.at(list.indexOf("-b") + 1), rate);
            QCOMPARE(list.at(list.indexOf("-bt") + 1), rate);
            QCOMPARE(list.count("-flags2"), id < 2 ? 4 : 2);
            QVERIFY(!list.contains("-an"));
            QCOMPARE(list.count("-profile"), id < 2 ? 0 : 1);
        }
    }
    // Profiles 2 and 3 differ in the audio rate only.
    for (const auto* hash : {&c.m_hashPass1Arguments, &c.m_hashPass2Arguments}) {
        const QStringList low = hash->value(2);
        const QStringList mobile = hash->value(3);
        QCOMPARE(low.size(), mobile.size());
        QList<int> differing;
        for (int i = 0; i < low.size(); ++i)
            if (low.at(i) != mobile.at(i))
                differing << i;
        QCOMPARE(differing, QList<int>{6});
        QCOMPARE(low.at(5), QString("-ab"));
        QCOMPARE(mobile.at(6), QString("64k"));
    }
    // Only the high profile's second pass uses trellis quantisation.
    for (uint id = 0; id < 4; ++id) {
        const QStringList list = c.m_hashPass2Arguments.value(id);
        QCOMPARE(list.at(list.indexOf("-trellis") + 1), QString(id == 0 ? "1" : "0"));
    }
}

void TestVideoConverter::unknownProfileInsertsNothing()
{
    const CVideoConverter c(nullptr, "a.mpg", "d", {}, false, 1);
    QCOMPARE(c.m_hashVideoBitRate.value(4), 0);
    QCOMPARE(c.m_hashVideoResolution.value(4), QString());
    QVERIFY(c.m_hashPass1Arguments.value(4).isEmpty());
    QVERIFY(c.m_hashPass2Arguments.value(4).isEmpty());
    QCOMPARE(c.computeTargetSize("720x576", "", 4), QString("0x0"));
    QCOMPARE(c.computeTargetSize("abc", "", 4), QString());
    QCOMPARE(c.m_hashVideoBitRate.size(), 4);
    QCOMPARE(c.m_hashVideoResolution.size(), 4);
    QCOMPARE(c.m_hashPass1Arguments.size(), 4);
    QCOMPARE(c.m_hashPass2Arguments.size(), 4);
}

void TestVideoConverter::parseWorkedLines()
{
    const CVideoConverter::ProbeInfo p = parse({"Input #0, mpeg, from 'x.mpg':", DurationLine, VideoLine, AudioLine});
    QCOMPARE(p.iInputVideoTotalBitRate, 9500);
    QCOMPARE(p.iInputVideoBitRate, 9000);
    QCOMPARE(p.strInputVideoResolution, QString("720x576"));
    QCOMPARE(p.strInputVideoPAR, QString("16:15"));
    QCOMPARE(p.iInputAudioBitRate, 448);
}

void TestVideoConverter::parseVideoRateFromTotal()
{
    const CVideoConverter::ProbeInfo p =
        parse({DurationLine, "    Stream #0:0: Video: h264, yuv420p, 1920x1080 [SAR 1:1 DAR 16:9]", AudioLine});
    QCOMPARE(p.strInputVideoResolution, QString("1920x1080"));
    QCOMPARE(p.strInputVideoPAR, QString("1:1"));
    QCOMPARE(p.iInputVideoBitRate, 9052);

    // Without a total, or with a negative audio rate, nothing is derived.
    const CVideoConverter::ProbeInfo q = parse({"    Stream #0:0: Video: h264, 1920x1080", AudioLine});
    QCOMPARE(q.iInputVideoBitRate, 0);
    const CVideoConverter::ProbeInfo r =
        parse({DurationLine, "    Stream #0:0: Video: h264, 1920x1080", "  Stream #0:1: Audio: x, -5 kb/s"});
    QCOMPARE(r.iInputAudioBitRate, -5);
    QCOMPARE(r.iInputVideoBitRate, 0);
    // A rate found on the video line is kept, even when it disagrees with total minus audio.
    const CVideoConverter::ProbeInfo s = parse({DurationLine, "  Stream #0:0: Video: h264, 100 kb/s", AudioLine});
    QCOMPARE(s.iInputVideoBitRate, 100);
}

void TestVideoConverter::parseResolutionWithComma()
{
    const CVideoConverter::ProbeInfo p = parse(
        {DurationLine, "    Stream #0:0: Video: h264, yuv420p, 1920x1080, 9000, kb/s, 25 fps", AudioLine});
    QCOMPARE(p.strInputVideoResolution, QString("1920x1080"));
    // "9000," is no number: 0, then replaced by total minus audio.
    QCOMPARE(p.iInputVideoBitRate, 9052);
}

void TestVideoConverter::parseRejectedAspects()
{
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720x576 [SAR 0:1 DAR 4:3]"}).strInputVideoPAR, QString());
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720x576 [SAR 1:0 DAR 4:3]"}).strInputVideoPAR, QString());
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720x576 [SAR 16:15:1 DAR 4:3]"}).strInputVideoPAR, QString());
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720x576 [SAR -1:1 DAR 4:3]"}).strInputVideoPAR, QString());
    // A marker word as the line's last word has no value.
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720x576 SAR"}).strInputVideoPAR, QString());
    // DAR is not a marker; "PAR" and "SAR" without the bracket are, and the trailing comma goes.
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720x576 DAR 4:3"}).strInputVideoPAR, QString());
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720x576, PAR 8:9, DAR 4:3"}).strInputVideoPAR, QString("8:9"));
    QCOMPARE(parse({"Stream #0:0: Video: h264, SAR 12:11,"}).strInputVideoPAR, QString("12:11"));
    // A rejected aspect does not clear an earlier one.
    QCOMPARE(parse({"Stream #0:0: Video: h264, [SAR 16:15 DAR 4:3]", "Stream #0:1: Video: h264, [SAR 0:1]"})
                 .strInputVideoPAR,
             QString("16:15"));
}

void TestVideoConverter::parseLastVideoStreamWins()
{
    const CVideoConverter::ProbeInfo p =
        parse({DurationLine, VideoLine, AudioLine,
               "    Stream #0:2: Video: h264, yuv420p, 1280x720 [SAR 4:3 DAR 16:9], 700 kb/s",
               "    Stream #0:3: Audio: mp2, 48000 Hz, stereo, s16, 192 kb/s"});
    QCOMPARE(p.strInputVideoResolution, QString("1280x720"));
    QCOMPARE(p.strInputVideoPAR, QString("4:3"));
    QCOMPARE(p.iInputVideoBitRate, 700);
    QCOMPARE(p.iInputAudioBitRate, 192);
    // Within one line, the last frame size wins too.
    QCOMPARE(parse({"Stream #0:0: Video: x, 320x240, 640x480,"}).strInputVideoResolution, QString("640x480"));
}

void TestVideoConverter::parseQuarterTurnedVideo()
{
    // A phone's clip is stored on its side: frame and pixel shape become those of the upright
    // picture. Only the side data of the last video stream counts.
    const QString turned = "      displaymatrix: rotation of -90.00 degrees";
    const CVideoConverter::ProbeInfo p = parse({"Stream #0:0: Video: h264, 1920x1080 [SAR 4:3 DAR 64:27]", turned, AudioLine,
                                                "      displaymatrix: rotation of 0.00 degrees"});
    QCOMPARE(p.iInputVideoQuarterTurns, 3);
    QCOMPARE(p.strInputVideoResolution + " " + p.strInputVideoPAR, QString("1080x1920 3:4"));
    QCOMPARE(parse({VideoLine, "displaymatrix: rotation of 270 degrees"}).strInputVideoResolution, QString("576x720"));
    QCOMPARE(parse({VideoLine, turned, "Stream #0:1: Video: a, 9x7"}).strInputVideoResolution, QString("9x7"));
    // Half and whole turns, and words that are no angle, change nothing.
    for (const char* other : {"180.00", "-360.00", "x", "1e300"})
        QCOMPARE(parse({VideoLine, QString("displaymatrix: rotation of %1 degrees").arg(other)}).strInputVideoResolution,
                 QString("720x576"));
}

void TestVideoConverter::parseWithoutStreams()
{
    const CVideoConverter::ProbeInfo p =
        parse({"x.mpg: Invalid data found when processing input", DurationLine, "  Video: 720x576 9000 kb/s"});
    QCOMPARE(p.strInputVideoResolution, QString());
    QCOMPARE(p.strInputVideoPAR, QString());
    QCOMPARE(p.iInputVideoTotalBitRate, 9500);
    QCOMPARE(p.iInputVideoBitRate, 9500);
    QCOMPARE(p.iInputAudioBitRate, 0);

    const CVideoConverter::ProbeInfo empty = CVideoConverter::parseProbeOutput(QByteArray());
    QCOMPARE(empty.iInputVideoTotalBitRate, 0);
    QCOMPARE(empty.iInputVideoBitRate, 0);
    QCOMPARE(empty.iInputAudioBitRate, 0);
    QVERIFY(empty.strInputVideoResolution.isEmpty());
}

void TestVideoConverter::parseWordRules()
{
    // Case-sensitive markers.
    QCOMPARE(parse({"stream #0:0: Video: h264, 720x576"}).strInputVideoResolution, QString());
    QCOMPARE(parse({"Stream #0:0: video: h264, 720x576"}).strInputVideoResolution, QString());
    QCOMPARE(parse({"Stream #0:0: Video: h264, 720X576"}).strInputVideoResolution, QString());
    QCOMPARE(parse({"  duration: 00:00:01.00, bitrate: 500 kb/s"}).iInputVideoTotalBitRate, 0);
    QCOMPARE(parse({"  Duration: 00:00:01.00, Bitrate: 500 kb/s"}).iInputVideoTotalBitRate, 0);
    // A word at position 0 is never a rate's unit or a frame size.
    QCOMPARE(parse({"720x576 Stream #0:0: Video:"}).strInputVideoResolution, QString());
    QCOMPARE(parse({"kb/s Duration: bitrate:"}).iInputVideoTotalBitRate, 0);
    // Codec tags hold an "x" but no frame size; nor do sizes with a zero or a third side.
    QCOMPARE(parse({"Stream #0:0: Video: mpeg4 (mp4v / 0x7634706D), yuv420p, 0x576, 720x0, 1x2x3"})
                 .strInputVideoResolution,
             QString());
    // Words are split at single blanks, so runs of blanks make no empty words.
    QCOMPARE(parse({"Stream #0:0: Video:   h264,    720x576    [SAR    16:15   DAR 4:3]"}).strInputVideoPAR,
             QString("16:15"));
    // "kb/s," at the end of a clause counts; the audio rate takes its first match only, the
    // total as well.
    const CVideoConverter::ProbeInfo p = parse({"  Duration: 00:00:01.00, bitrate: 500 kb/s, 600 kb/s",
                                                "  Stream #0:1: Audio: aac, 44100 Hz, 69 kb/s, 70 kb/s"});
    QCOMPARE(p.iInputVideoTotalBitRate, 500);
    QCOMPARE(p.iInputAudioBitRate, 69);
    // The video line takes every match: the last rate wins.
    QCOMPARE(parse({"Stream #0:0: Video: h264, 100 kb/s, 200 kb/s,"}).iInputVideoBitRate, 200);
    // A rate word that is not entirely a number reads 0.
    QCOMPARE(parse({"  Duration: 1, bitrate: N/A kb/s"}).iInputVideoTotalBitRate, 0);
    QCOMPARE(parse({"  Duration: 1, bitrate: 12a kb/s"}).iInputVideoTotalBitRate, 0);
    // A line may pass more than one test.
    const CVideoConverter::ProbeInfo both = parse({"Stream #0:0: Video: h264, 320x240, 100 kb/s Audio: 30 kb/s"});
    QCOMPARE(both.iInputVideoBitRate, 30);
    QCOMPARE(both.iInputAudioBitRate, 100);
    // The text ends at the first zero byte; lines are split at "\n" only.
    QByteArray bytes = (DurationLine + "\n").toLatin1();
    bytes += '\0';
    bytes += AudioLine.toLatin1();
    const CVideoConverter::ProbeInfo cut = CVideoConverter::parseProbeOutput(bytes);
    QCOMPARE(cut.iInputVideoTotalBitRate, 9500);
    QCOMPARE(cut.iInputAudioBitRate, 0);
    // 8-bit text: a Latin-1 byte does not disturb the words around it.
    const CVideoConverter::ProbeInfo latin =
        CVideoConverter::parseProbeOutput("Stream #0:0(\xe9t\xe9): Video: h264, 640x480 [SAR 1:1 DAR 4:3]\n");
    QCOMPARE(latin.strInputVideoResolution, QString("640x480"));
}

void TestVideoConverter::parseDebugLines()
{
    parse({DurationLine, VideoLine, AudioLine});
    const QStringList lines = capturedLines();
    QCOMPARE(lines.size(), 6);
    for (const QString& line : lines) {
        QVERIFY2(line.startsWith(Unit), qPrintable(line));
        QVERIFY(line.endsWith("]\n"));
    }
    QVERIFY(lines.at(0).contains(" QString(QString(\"iInputVideoTotalBitRate = \" + "
                                 "QString::number(iInputVideoTotalBitRate))).toLocal8Bit().constData()"
                                 "=[iInputVideoTotalBitRate = 9500]\n"));
    QVERIFY(lines.at(1).contains(" QString(QString(\"strInputVideoResolution = \" + "
                                 "strInputVideoResolution)).toLocal8Bit().constData()"
                                 "=[strInputVideoResolution = 720x576]\n"));
    QVERIFY(lines.at(2).contains(" QString(QString(\"strInputVideoPAR = \" + "
                                 "strInputVideoPAR)).toLocal8Bit().constData()=[strInputVideoPAR = 16:15]\n"));
    QVERIFY(lines.at(3).contains(" QString(QString(\"iInputVideoBitRate = \" + "
                                 "QString::number(iInputVideoBitRate))).toLocal8Bit().constData()"
                                 "=[iInputVideoBitRate = 9000]\n"));
    QVERIFY(lines.at(4).contains(" QString(QString(\"iInputAudioBitRate = \" + "
                                 "QString::number(iInputAudioBitRate))).toLocal8Bit().constData()"
                                 "=[iInputAudioBitRate = 448]\n"));
    QVERIFY(lines.at(5).contains(" QString(QString(\"Input file bitrate = \" + "
                                 "QString::number(iInputVideoBitRate))).toLocal8Bit().constData()"
                                 "=[Input file bitrate = 9000]\n"));
}

void TestVideoConverter::missingSource()
{
    const QString missing = m_tmp->path() + "/gone.mpg";
    Conversion c(missing, m_dest, {0}, false, 9);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), missing);
    QCOMPARE(c.error->at(0).at(1).toUInt(), 9u);
    QCOMPARE(c.bigThumb->size(), 0);
    QVERIFY(m_bench.calls(FFmpeg).isEmpty());
    QVERIFY(!QFileInfo::exists(m_dest));
    QCOMPARE(c.converter->convert(missing, m_dest), -1);
}

void TestVideoConverter::destinationBelowAFile()
{
    const QString file = m_tmp->path() + "/plain";
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    Conversion c(m_source, file + "/work", {0}, false, 4);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), m_source);
    QVERIFY(m_bench.calls(FFmpeg).isEmpty());
    QCOMPARE(c.converter->convert(m_source, file + "/work"), -1);
    QCOMPARE(c.converter->convert(m_source, file), -1);
}

void TestVideoConverter::emptyDestination()
{
    Conversion c(m_source, QString(), {0}, false, 4);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 1);
    QVERIFY(m_bench.calls(FFmpeg).isEmpty());
}

void TestVideoConverter::probeRunsInTheDestinationFolder()
{
    installWorkingTools("none");
    const QString dest = m_dest + "/deeper/still";
    Conversion c(m_source, dest, {0, 3}, false, 11);
    QVERIFY(c.runToEnd());
    QVERIFY(QFileInfo(dest).isDir());
    const QList<ToolBench::Call> calls = m_bench.calls(FFmpeg);
    QCOMPARE(calls.size(), 1 + 1 + 4); // probe, frame, two passes of two profiles
    QCOMPARE(calls.at(0).args, (QStringList{"-i", "file:" + m_source}));
    QCOMPARE(QDir(calls.at(0).cwd).canonicalPath(), QDir(dest).canonicalPath());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(c.bigThumb->size(), 1);

    const QStringList lines = capturedLines();
    QVERIFY(lines.size() >= 3);
    QVERIFY(lines.at(0).contains(" QString(\"Program: \" + m_strFFMPEGBinPath).toLocal8Bit().constData()=[Program: "
                                 + m_bench.toolPath(FFmpeg) + "]\n"));
    QVERIFY(lines.at(1).contains(" QString(qArg).toLocal8Bit().constData()=[-i file:" + m_source + " ]\n"));
    QVERIFY(lines.at(2).contains(" QString(QString(\"Out \" + baInputVideoInfo)).toLocal8Bit().constData()=[Out ]\n"));
}

void TestVideoConverter::probeReadsStandardErrorOnly()
{
    const QString err = planText(DurationLine + "\n" + VideoLine + "\n" + AudioLine + "\n");
    const QString out = planText("  Duration: 00:00:01.00, bitrate: 1 kb/s\n");
    installWorkingTools("stdout " + out + " ; stderr " + err + " ; exit 1");
    Conversion c(m_source, m_dest, {0}, false, 2);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(loggedValues("QString(QString(\"iInputVideoTotalBitRate"), QStringList{"iInputVideoTotalBitRate = 9500"});
    QCOMPARE(loggedValues("QString(QString(\"Input file bitrate"), QStringList{"Input file bitrate = 9000"});
    const QStringList outLines = loggedValues("QString(QString(\"Out \" + baInputVideoInfo");
    QCOMPARE(outLines.size(), 1);
    QCOMPARE(outLines.at(0), "Out " + DurationLine + "\n" + VideoLine + "\n" + AudioLine + "\n");
}

void TestVideoConverter::probeExitCodeIsIgnored()
{
    const QString probe = "stderr At least one output file must be specified\\n ; exit 1";
    installWorkingTools(probe);
    Conversion c(m_source, m_dest, {0, 1, 2, 3}, false, 2);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(m_bench.calls(FFmpeg).size(), 1 + 1 + 8);
    installWorkingTools(probe);
    QCOMPARE(c.converter->convert(m_source, m_dest), 0);
}

void TestVideoConverter::missingProgramIsNoFailure()
{
    // A probe that yields nothing is not a failure, even when the tool is not there at all: the
    // conversion goes on to the frame, which then cannot be made (tried twice).
    QVERIFY(m_bench.clear());
    Conversion c(m_source, m_dest, {0}, false, 2);
    QVERIFY(c.runToEnd(5000));
    QCOMPARE(loggedValues("QString(QString(\"Input file bitrate"), QStringList{"Input file bitrate = 0"});
    QCOMPARE(loggedValues("QString(\"Program: \" +m_strFFMPEGBinPath)").size(), 2);
    QCOMPARE(c.error->size(), 1);
}

void TestVideoConverter::runsAtLowestPriority()
{
    QVERIFY(m_bench.setPlan(FFmpeg, {"hang"}));
    Conversion c(m_source, m_dest, {0}, true, 5);
    c.converter->start(QThread::InheritPriority);
    QVERIFY(m_bench.waitForCalls(FFmpeg, 1));
    QCOMPARE(c.converter->priority(), QThread::LowestPriority);
    c.converter->terminate();
    QVERIFY(c.converter->wait(tsup::guardMs(5000)));

    // Also when started at the highest priority.
    QVERIFY(m_bench.installFake(FFmpeg, {"hang"}));
    Conversion d(m_source, m_dest, {0}, false, 6);
    d.converter->start(QThread::HighestPriority);
    QVERIFY(m_bench.waitForCalls(FFmpeg, 1));
    QCOMPARE(d.converter->priority(), QThread::LowestPriority);
    d.converter->terminate();
    QVERIFY(d.converter->wait(tsup::guardMs(5000)));
}

void TestVideoConverter::stopDuringTheProbe()
{
    QVERIFY(m_bench.setPlan(FFmpeg, {"stderr   Duration: 00:00:01.00, bitrate: 500 kb/s\\n ; hang"}));
    Conversion c(m_source, m_dest, {0, 1}, false, 8);
    c.converter->start(QThread::InheritPriority);
    QVERIFY(m_bench.waitForCalls(FFmpeg, 1));
    const qint64 pid = m_bench.calls(FFmpeg).at(0).pid;
    QTest::qWait(150);
    QVERIFY(c.converter->isRunning());

    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(c.converter.get(), "terminate", Qt::DirectConnection);
    QVERIFY(c.converter->wait(tsup::guardMs(60000)));
    // The tool is killed at the next poll, not left to the reap limit.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY(processGone(pid));

    QCOMPARE(c.error->size(), 1);
    QCOMPARE(c.error->at(0).at(0).toString(), m_source);
    QCOMPARE(c.error->at(0).at(1).toUInt(), 8u);
    QCOMPARE(c.bigThumb->size(), 0);
    QCOMPARE(loggedValues("QString(QString(\"kill video convert process\"))"),
             QStringList{"kill video convert process"});
    // Nothing was read or parsed after the kill.
    QVERIFY(loggedValues("QString(QString(\"Out ").isEmpty());
    QVERIFY(loggedValues("QString(QString(\"iInputVideoTotalBitRate").isEmpty());
    QCOMPARE(m_bench.calls(FFmpeg).size(), 1);
}

void TestVideoConverter::stopBeforeStart()
{
    // The flag is never cleared: the probe is killed at its first poll.
    QVERIFY(m_bench.setPlan(FFmpeg, {"hang"}));
    Conversion c(m_source, m_dest, {0}, false, 3);
    c.converter->terminate();
    QVERIFY(c.runToEnd(5000));
    QCOMPARE(c.error->size(), 1);
    QCOMPARE(loggedValues("QString(QString(\"kill video convert process\"))").size(), 1);
}

void TestVideoConverter::deletingARunningConverter()
{
    QVERIFY(m_bench.setPlan(FFmpeg, {"hang"}));
    auto* converter = new CVideoConverter(nullptr, m_source, m_dest, {0}, false, 7);
    converter->start();
    QVERIFY(m_bench.waitForCalls(FFmpeg, 1));
    const qint64 pid = m_bench.calls(FFmpeg).at(0).pid;
    QElapsedTimer timer;
    timer.start();
    delete converter; // would abort the program if the thread were still running
    // Before the reap limit of a tool left running.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY(processGone(pid));
}

void TestVideoConverter::previewConverterWithParent()
{
    // The preview's converter belongs to the page: closing the page during a probe must neither
    // abort the program nor leave the tool running.
    QVERIFY(m_bench.setPlan(FFmpeg, {"hang"}));
    auto* page = new QObject;
    auto* converter = new CVideoConverter(page, m_source, m_dest, {}, true, 12);
    QCOMPARE(converter->parent(), page);
    converter->start(QThread::InheritPriority);
    QVERIFY(m_bench.waitForCalls(FFmpeg, 1));
    const qint64 pid = m_bench.calls(FFmpeg).at(0).pid;
    delete page;
    QVERIFY(processGone(pid));
}

QTEST_GUILESS_MAIN(TestVideoConverter)
#include "tst_videoconverter.moc"
