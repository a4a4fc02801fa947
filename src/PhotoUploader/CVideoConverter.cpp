#include "CVideoConverter.h"

#include "VorkDebug.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <climits>
#include <cmath>

namespace {

const char* const DebugSource = "src/PhotoUploader/CVideoConverter";

const CToolRun::DebugTexts ProbeTexts = {
    DebugSource,
    "QString(\"Program: \" + m_strFFMPEGBinPath).toLocal8Bit().constData()",
    "QString(qArg).toLocal8Bit().constData()",
    "QString(QString(\"kill video convert process\")).toLocal8Bit().constData()",
    "QString(QString(\"Out \" + baInputVideoInfo)).toLocal8Bit().constData()",
};

const char* const ArgumentsText = "QString(qArg).toLocal8Bit().constData()";
const char* const KillText = "QString(QString(\"kill video convert process\")).toLocal8Bit().constData()";

// The still frame: nothing of the tool's output is read.
const CToolRun::DebugTexts GrabTexts = {
    DebugSource,
    "QString(\"Program: \" +m_strFFMPEGBinPath).toLocal8Bit().constData()",
    ArgumentsText,
    KillText,
    nullptr,
};

const CToolRun::DebugTexts ThumbTexts = {
    DebugSource,
    "QString(\"Program: \" +strBinToExecute).toLocal8Bit().constData()",
    ArgumentsText,
    KillText,
    "QString(QString(\"Out \" +strOut)).toLocal8Bit().constData()",
};

const CToolRun::DebugTexts EncodeTexts = {
    DebugSource,
    "QString(\"Program: \" + m_strFFMPEGBinPath).toLocal8Bit().constData()",
    ArgumentsText,
    KillText,
    "QString(QString(\"Out \" + strOut)).toLocal8Bit().constData()",
};

// The second pass again without sound: its own program line, and no output is read.
const CToolRun::DebugTexts AudiolessTexts = {
    DebugSource,
    "QString(\"Disable Audio Encoding!! Program: \" + m_strFFMPEGBinPath).toLocal8Bit().constData()",
    ArgumentsText,
    KillText,
    nullptr,
};

const CToolRun::DebugTexts FastStartTexts = {
    DebugSource,
    "QString(\"Program: \" + m_strQT_faststartBinPath).toLocal8Bit().constData()",
    ArgumentsText,
    KillText,
    "QString(QString(\"Out \" + strOut)).toLocal8Bit().constData()",
};

// The tools' exit codes say little: a step has made its output exactly when the output is a
// file of at least one byte.
bool isMade(const QString& path)
{
    return CToolRun::isMade(path);
}

// The source as ffmpeg is to open it. ffmpeg reads a protocol out of a name ("concat:",
// "subfile,", "pipe:" ...), "-" as standard input, and resolves a relative name against the
// working folder of the run (the destination folder): the file protocol named explicitly and an
// absolute path open exactly the file meant, whatever characters its name holds.
QString ffmpegInput(const QString& strSrcFilePath)
{
    return QStringLiteral("file:") + CToolRun::absolutePath(strSrcFilePath);
}

// The quarter turns in a display rotation in degrees ("90.00", "-90.00", "270"), or -1 when the
// text is no number.
int quarterTurns(const QString& degrees)
{
    bool ok = false;
    const double value = degrees.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e6)
        return -1;
    const long turns = std::lround(value / 90.0);
    return int(((turns % 4) + 4) % 4);
}

// The name of a profile's MP4 version after the request identifier; empty for an unknown id.
QString profileFileName(uint profileID)
{
    switch (profileID) {
    case 0:
        return QStringLiteral("FILM_H.mp4");
    case 1:
        return QStringLiteral("FILM_M.mp4");
    case 2:
        return QStringLiteral("FILM_L.mp4");
    case 3:
        return QStringLiteral("FILM_MOBILE.mp4");
    default:
        return QString();
    }
}

// A whole decimal text: optional sign, then digits only, within the 32-bit range. Anything else
// (a trailing comma, letters, blanks, an empty text, an overflow) is not a number.
bool readInt(const QString& text, int& value)
{
    int i = 0;
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        i = 1;
    if (i >= text.size())
        return false;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > qint64(INT_MAX) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    value = int(v);
    return true;
}

// The decimal value of a word, 0 when the word is not entirely a decimal integer.
int intValue(const QString& text)
{
    int value = 0;
    return readInt(text, value) ? value : 0;
}

// A non-zero unsigned decimal integer (digits only, within 32 bits).
bool readNonZeroUInt(const QString& text, quint32& value)
{
    if (text.isEmpty())
        return false;
    quint64 v = 0;
    for (const QChar c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > 0xFFFFFFFFull)
            return false;
    }
    if (v == 0)
        return false;
    value = quint32(v);
    return true;
}

QString withoutTrailingComma(const QString& word)
{
    return word.endsWith(',') ? word.left(word.size() - 1) : word;
}

// floor(value x quotient) as the sizes are computed: the product rounded to single precision
// first, so that products that are whole in exact arithmetic (1440 x 4/3) come out whole. A
// product beyond the int range (a crafted pixel aspect) is saturated rather than converted.
int floorProduct(int value, double quotient)
{
    const float product = static_cast<float>(double(value) * quotient);
    const double floored = std::floor(double(product));
    if (floored >= double(INT_MAX))
        return INT_MAX;
    if (floored <= double(INT_MIN))
        return INT_MIN;
    return static_cast<int>(floored);
}

} // namespace

CVideoConverter::CVideoConverter(QObject* parent, const QString& strSrcFilePath, const QString& strDestFolder,
                                 const QList<uint>& profileIDs, bool bPreview, uint iRequestID)
    : QThread(parent)
    , m_lstProfileIDs(profileIDs)
    , m_bPreview(bPreview)
    , m_uiRequestID(iRequestID)
    , m_strSrcFilePath(strSrcFilePath)
    , m_strDestFolder(strDestFolder)
    , m_bStop(false)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    m_strFFMPEGBinPath = appDir + "/ffmpeg/ffmpeg";
    m_strQT_faststartBinPath = appDir + "/ffmpeg/qt-faststart";
    m_strConvertBinPath = appDir + "/ImageMagick/convert";

    initProfiles();

    // Walked by index: the big thumbnails are made from the still frame, the small ones from the
    // big thumbnail.
    m_lstBigThumbSizes << "640x640" << "800x800" << "1280x1280";
    m_lstBigThumbNames << "THUMB_B.jpg" << "THUMB_L.jpg" << "THUMB_XL.jpg";
    m_lstSmallThumbSizes << "320x320" << "120x120";
    m_lstSmallThumbNames << "THUMB_M.jpg" << "THUMB_S.jpg";
}

CVideoConverter::~CVideoConverter()
{
    // Destroying a QThread that still runs aborts the program (a preview converter goes with its
    // page): stop the tool and let run() end.
    m_bStop = true;
    wait();
}

void CVideoConverter::initProfiles()
{
    // The bit rates come first: the lists carry them as "-b" and "-bt" values.
    m_hashVideoBitRate.insert(0, 2000);
    m_hashVideoBitRate.insert(1, 1000);
    m_hashVideoBitRate.insert(2, 256);
    m_hashVideoBitRate.insert(3, 256);

    m_hashVideoResolution.insert(0, "1920x1080");
    m_hashVideoResolution.insert(1, "1280x720");
    m_hashVideoResolution.insert(2, "640x360");
    m_hashVideoResolution.insert(3, "320x240");

    // The lists are written in the option names of the ffmpeg generation the profiles were tuned
    // with (libx264 and libfaac); they are passed as they stand, and the ffmpeg placed beside the
    // program must accept them. Every option and every value is one element; "-flags2" pairs are
    // separate options and stay separate.
    for (uint id = 0; id < 4; ++id) {
        const QString bitRate = QString::number(m_hashVideoBitRate.value(id)) + "k";
        const QString audioBitRate = id == 3 ? "64k" : "96k";

        QStringList profilePart;
        if (id == 0) {
            profilePart << "-flags2" << "+dct8x8" << "-level" << "41" << "-coder" << "1" << "-refs" << "3";
        } else if (id == 1) {
            profilePart << "-flags2" << "-dct8x8" << "-level" << "31" << "-coder" << "0" << "-refs" << "4";
        } else {
            profilePart << "-flags2" << "-dct8x8" << "-profile" << "baseline" << "-level" << "13" << "-coder"
                        << "0" << "-refs" << "1" << "-bf" << "0";
        }
        if (id == 0 || id == 1) {
            profilePart << "-bf" << "2" << "-b_qfactor" << "1.30" << "-flags2" << "-bpyramid" << "-b_strategy" << "1"
                        << "-bframebias" << "0" << "-directpred" << "1" << "-flags2" << "+wpred";
        }

        for (int pass = 1; pass <= 2; ++pass) {
            QStringList list;
            list << "-y"
                 << "-acodec" << "libfaac"
                 << "-ar" << "44100"
                 << "-ab" << audioBitRate
                 << "-ac" << "2"
                 << "-pass" << QString::number(pass)
                 << "-vcodec" << "libx264"
                 << "-b" << bitRate
                 << "-bt" << bitRate
                 << "-flags" << "+loop"
                 << "-flags2" << "+mixed_refs"
                 << "-me_range" << "16"
                 << "-cmp" << "+chroma"
                 << "-chromaoffset" << "0"
                 << "-g" << "60"
                 << "-keyint_min" << "25"
                 << "-sc_threshold" << "40"
                 << "-rc_eq" << "'blurCplx^(1-qComp)'"
                 << "-qcomp" << "0.60"
                 << "-qmin" << "10"
                 << "-qmax" << "51"
                 << "-qdiff" << "4"
                 << "-complexityblur" << "20.0"
                 << "-qblur" << "0.5"
                 << "-i_qfactor" << "0.71";
            list << profilePart;
            if (pass == 1) {
                list << "-subq" << "1" << "-trellis" << "0" << "-me_method" << "epzs" << "-partitions" << "0"
                     << "-f" << "mp4";
                m_hashPass1Arguments.insert(id, list);
            } else {
                list << "-subq" << "5" << "-trellis" << (id == 0 ? "1" : "0") << "-me_method" << "hex"
                     << "-partitions" << "+parti4x4+parti8x8+partp4x4+partp8x8+partb8x8" << "-f" << "mp4";
                m_hashPass2Arguments.insert(id, list);
            }
        }
    }
}

void CVideoConverter::terminate()
{
    m_bStop = true;
}

void CVideoConverter::run()
{
    // A background job: never compete with the user interface, whatever the starter asked for.
    setPriority(QThread::LowestPriority);
    if (convert(m_strSrcFilePath, m_strDestFolder) == -1)
        emit signalVideoConvertError(m_strSrcFilePath, m_uiRequestID);
}

QString CVideoConverter::namePrefix() const
{
    const QString id = QString::number(m_uiRequestID);
    return m_bPreview ? QStringLiteral("UIPreview") + id : id;
}

CToolRun::Result CVideoConverter::runTool(CToolRun::Request request)
{
    request.killMessage = QStringLiteral("kill video convert process");
    QProcess* process = nullptr;
    return CToolRun::run(request, process, m_bStop);
}

int CVideoConverter::convert(QString strSrcFilePath, QString strDestFolder)
{
    if (!QFileInfo::exists(strSrcFilePath))
        return -1;
    // An empty folder name would make the tools write into the current folder of the program.
    if (strDestFolder.isEmpty())
        return -1;
    if (!QFileInfo(strDestFolder).isDir() && !QDir().mkpath(strDestFolder))
        return -1;

    // Every ffmpeg run names the source the same way.
    const QString strInput = ffmpegInput(strSrcFilePath);

    ProbeInfo info;
    if (!probe(strInput, strDestFolder, info))
        return -1;

    // The size and shape of the still frame: the source's, widened by its pixel aspect, within the
    // high profile's frame. Without a resolution the frame is grabbed as it comes.
    QString strTargetVideoResolution;
    QString strTargetVideoAspectRatio;
    if (!info.strInputVideoResolution.isEmpty()) {
        strTargetVideoResolution = computeTargetSize(info.strInputVideoResolution, info.strInputVideoPAR, 0);
        if (!strTargetVideoResolution.isEmpty())
            strTargetVideoAspectRatio = QString(strTargetVideoResolution).replace('x', ':');
    }

    // The still frame, in the destination folder itself: the prefix is part of the file name.
    const QString strPrefix = namePrefix();
    const QString strFrameFilePath = strDestFolder + "/" + strPrefix + "TEMP.jpg";
    if (!grabFrame(strInput, strTargetVideoResolution, strTargetVideoAspectRatio, strFrameFilePath))
        return -1;

    // The big thumbnails from the frame. The first one is announced at once; a preview needs
    // nothing more.
    QString strBigThumbPath;
    for (int i = 0; i < m_lstBigThumbNames.size(); ++i) {
        const QString strOutput = strDestFolder + "/" + strPrefix + m_lstBigThumbNames.at(i);
        const QString strSize = m_lstBigThumbSizes.at(i);
        QStringList arguments;
        arguments << QDir::toNativeSeparators(strFrameFilePath) << "-define" << "jpeg:size=" + strSize
                  << "-thumbnail" << strSize << "-quality" << "70" << "-type" << "truecolor"
                  << QDir::toNativeSeparators(strOutput);
        if (!makeThumbnail(arguments, strOutput))
            return -1;
        if (m_lstBigThumbNames.at(i) == QLatin1String("THUMB_B.jpg")) {
            strBigThumbPath = strOutput;
            emit signalVideoBigThumbReady(strOutput, m_uiRequestID);
            if (m_bPreview)
                return 0;
        }
    }

    // The small thumbnails from the big one, which is sharper to scale down than the frame. Here
    // the input follows the options.
    for (int i = 0; i < m_lstSmallThumbNames.size(); ++i) {
        const QString strOutput = strDestFolder + "/" + QString::number(m_uiRequestID) + m_lstSmallThumbNames.at(i);
        const QString strSize = m_lstSmallThumbSizes.at(i);
        QStringList arguments;
        arguments << "-define" << "jpeg:size=" + strSize << "-thumbnail" << strSize << "-quality" << "70" << "-type"
                  << "truecolor" << QDir::toNativeSeparators(strBigThumbPath) << QDir::toNativeSeparators(strOutput);
        if (!makeThumbnail(arguments, strOutput))
            return -1;
    }

    return encode(strInput, strDestFolder, info);
}

bool CVideoConverter::grabFrame(const QString& strInput, const QString& strTargetVideoResolution,
                                const QString& strTargetVideoAspectRatio, const QString& strFrameFilePath)
{
    CToolRun::Request request;
    request.program = m_strFFMPEGBinPath;
    request.arguments << "-i" << strInput << "-y" << "-vframes" << "1" << "-ss" << "00:00:03" << "-an"
                      << "-sameq" << "-f" << "mjpeg";
    if (!strTargetVideoResolution.isEmpty())
        request.arguments << "-s" << strTargetVideoResolution << "-aspect" << strTargetVideoAspectRatio;
    request.arguments << strFrameFilePath;
    request.read = CToolRun::NoOutput;
    request.texts = GrabTexts;
    if (runTool(request).stopped)
        return false;
    if (isMade(strFrameFilePath))
        return true;

    // A clip shorter than the seek time leaves an empty file (ffmpeg opens its output, finds no
    // frame and still ends with 0): take the first frame instead.
    request.arguments[6] = QStringLiteral("00:00:00");
    if (runTool(request).stopped)
        return false;
    if (isMade(strFrameFilePath))
        return true;
    // A source ffmpeg cannot read (empty, cut short, no video in it) ends the conversion here; the
    // empty frame file it may have opened is of no use to anyone.
    CToolRun::removeIfEmpty(strFrameFilePath);
    return false;
}

bool CVideoConverter::makeThumbnail(const QStringList& arguments, const QString& strOutput)
{
    CToolRun::Request request;
    request.program = m_strConvertBinPath;
    request.arguments = arguments;
    request.read = CToolRun::StandardOutput;
    request.texts = ThumbTexts;
    if (runTool(request).stopped)
        return false;
    return isMade(strOutput);
}

int CVideoConverter::encode(const QString& strInput, const QString& strDestFolder, const ProbeInfo& info)
{
    const QString strNamePrefix = strDestFolder + "/" + QString::number(m_uiRequestID);

    for (const uint profileID : m_lstProfileIDs) {
        QString strTargetVideoResolution;
        QString strTargetVideoAspectRatio;
        const QString strName = profileFileName(profileID);
        const int iProfileBitRate = m_hashVideoBitRate.value(profileID);
        if (profileID == 3) {
            strTargetVideoResolution = m_hashVideoResolution.value(profileID);
            strTargetVideoAspectRatio = QString(strTargetVideoResolution).replace('x', ':');
        }
        const QString strTempConvertedFilePath = strNamePrefix + "tmp" + strName;
        const QString strFinalFilePath = strNamePrefix + strName;

        if (!info.strInputVideoResolution.isEmpty()) {
            strTargetVideoResolution =
                computeTargetSize(info.strInputVideoResolution, info.strInputVideoPAR, profileID);
            if (!strTargetVideoResolution.isEmpty())
                strTargetVideoAspectRatio = QString(strTargetVideoResolution).replace('x', ':');
        }
        VORK_DEBUG_STR(DebugSource,
                       "QString(QString(\"Target mobile video resolution = \" + strTargetVideoResolution + "
                       "\" aspect ratio = \" + strTargetVideoAspectRatio)).toLocal8Bit().constData()",
                       QString("Target mobile video resolution = " + strTargetVideoResolution + " aspect ratio = "
                               + strTargetVideoAspectRatio));

        // A source leaner than the profile is not blown up to the profile's rate: both rate options
        // take the source's. One decision for both passes.
        const bool bCapBitRate = info.iInputVideoBitRate > 0 && info.iInputVideoBitRate < iProfileBitRate;
        const QString strCappedRate = QString::number(info.iInputVideoBitRate) + "k";
        // Each run gets its own copy; the stored lists stay as they are.
        const auto buildArguments = [&](const QStringList& stored) {
            QStringList list;
            list << "-i" << strInput << stored;
            if (!strTargetVideoResolution.isEmpty())
                list << "-s" << strTargetVideoResolution << "-aspect" << strTargetVideoAspectRatio;
            list << strTempConvertedFilePath;
            if (bCapBitRate) {
                for (int i = 1; i < list.size(); ++i) {
                    if (list.at(i - 1) == QLatin1String("-b") || list.at(i - 1) == QLatin1String("-bt"))
                        list[i] = strCappedRate;
                }
            }
            return list;
        };

        // Both passes and the rewrite run in the destination folder, where the first pass leaves
        // its statistics for the second.
        CToolRun::Request request;
        request.program = m_strFFMPEGBinPath;
        request.workingDirectory = strDestFolder;
        request.read = CToolRun::StandardOutput;
        request.texts = EncodeTexts;

        request.arguments = buildArguments(m_hashPass1Arguments.value(profileID));
        if (runTool(request).stopped)
            return -1;

        request.arguments = buildArguments(m_hashPass2Arguments.value(profileID));
        CToolRun::Result result = runTool(request);
        if (result.stopped)
            return -1;
        int iExitCode = result.exitCode;
        if (iExitCode != 0) {
            VORK_DEBUG_STR(DebugSource,
                           "QString(QString(\"pass 2 error, delete file:\") + "
                           "strTempConvertedFilePath).toLocal8Bit().constData()",
                           QString("pass 2 error, delete file:" + strTempConvertedFilePath));
            QFile::remove(strTempConvertedFilePath);
        }

        // Sound the encoder cannot handle must not cost the video: once more without it.
        if (!isMade(strTempConvertedFilePath)) {
            request.arguments.insert(2, QStringLiteral("-an"));
            request.programLine = "Disable Audio Encoding!! Program: " + m_strFFMPEGBinPath;
            request.read = CToolRun::NoOutput;
            request.texts = AudiolessTexts;
            result = runTool(request);
            if (result.stopped)
                return -1;
            iExitCode = result.exitCode;
            if (iExitCode != 0) {
                VORK_DEBUG_STR(DebugSource,
                               "QString(QString(\"video convert still error with disable audio, delete file:\") + "
                               "strTempConvertedFilePath).toLocal8Bit().constData()",
                               QString("video convert still error with disable audio, delete file:"
                                       + strTempConvertedFilePath));
                QFile::remove(strTempConvertedFilePath);
            }
        }
        // This profile cannot be made; the others may still be.
        if (iExitCode != 0)
            continue;

        // The final file has its index in front of the media data, so that it plays while loading.
        CToolRun::Request fastStart;
        fastStart.program = m_strQT_faststartBinPath;
        fastStart.arguments << strTempConvertedFilePath << strFinalFilePath;
        fastStart.workingDirectory = strDestFolder;
        fastStart.read = CToolRun::StandardOutput;
        fastStart.texts = FastStartTexts;
        if (runTool(fastStart).stopped)
            return -1;
        if (!isMade(strFinalFilePath)) {
            // Nothing of this profile is usable; empty files would only be mistaken for versions.
            CToolRun::removeIfEmpty(strTempConvertedFilePath);
            CToolRun::removeIfEmpty(strFinalFilePath);
            return -1;
        }
    }
    return 0;
}

bool CVideoConverter::probe(const QString& strInput, const QString& strDestFolder, ProbeInfo& info)
{
    CToolRun::Request request;
    request.program = m_strFFMPEGBinPath;
    request.arguments << "-i" << strInput;
    request.workingDirectory = strDestFolder;
    // Without an output file ffmpeg only describes its input, on standard error, and exits 1
    // ("At least one output file must be specified"); the exit code says nothing here.
    request.read = CToolRun::StandardError;
    request.texts = ProbeTexts;
    const CToolRun::Result result = runTool(request);
    if (result.stopped)
        return false;
    info = parseProbeOutput(result.output);
    return true;
}

CVideoConverter::ProbeInfo CVideoConverter::parseProbeOutput(const QByteArray& baInputVideoInfo)
{
    ProbeInfo info;
    int& iInputVideoTotalBitRate = info.iInputVideoTotalBitRate;
    int& iInputVideoBitRate = info.iInputVideoBitRate;
    int& iInputAudioBitRate = info.iInputAudioBitRate;
    QString& strInputVideoResolution = info.strInputVideoResolution;
    QString& strInputVideoPAR = info.strInputVideoPAR;

    // Whether the lines below the latest "Stream #" line describe a video stream, and the display
    // rotation given there (in quarter turns) for the latest video stream.
    bool bInVideoStream = false;
    int iQuarterTurns = 0;

    const QStringList lines = CToolRun::outputText(baInputVideoInfo).split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        // Every test is case-sensitive; one line may pass more than one of them.
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);

        if (line.contains("Stream #")) {
            bInVideoStream = line.contains("Video:");
            if (bInVideoStream)
                iQuarterTurns = 0;
        }
        // "      displaymatrix: rotation of -90.00 degrees", in the side data below a video stream's
        // line: the picture is stored turned, as phones record it, and is to be shown turned back.
        if (bInVideoStream && line.contains("displaymatrix:")) {
            const int of = words.indexOf(QStringLiteral("of"));
            if (of >= 1 && words.at(of - 1) == QLatin1String("rotation") && of + 1 < words.size()) {
                const int turns = quarterTurns(words.at(of + 1));
                if (turns >= 0)
                    iQuarterTurns = turns;
            }
        }

        // "Duration: 00:01:02.50, start: 0.000000, bitrate: 9500 kb/s"
        if (line.contains("Duration:") && line.contains("bitrate:")) {
            for (int i = 1; i < words.size(); ++i) {
                if (words.at(i).startsWith("kb/s")) {
                    iInputVideoTotalBitRate = intValue(words.at(i - 1));
                    VORK_DEBUG_STR(DebugSource,
                                   "QString(QString(\"iInputVideoTotalBitRate = \" + "
                                   "QString::number(iInputVideoTotalBitRate))).toLocal8Bit().constData()",
                                   QString("iInputVideoTotalBitRate = " + QString::number(iInputVideoTotalBitRate)));
                    break;
                }
            }
        }

        // "Stream #0:0: Video: mpeg2video, yuv420p, 720x576 [SAR 16:15 DAR 4:3], 9000 kb/s, 25 fps":
        // every word is looked at, and a later match replaces an earlier one.
        if (line.contains("Stream #") && line.contains("Video:")) {
            for (int i = 0; i < words.size(); ++i) {
                const QString& word = words.at(i);
                if (i >= 1 && word.startsWith("kb/s")) {
                    iInputVideoBitRate = intValue(words.at(i - 1));
                    VORK_DEBUG_STR(DebugSource,
                                   "QString(QString(\"iInputVideoBitRate = \" + "
                                   "QString::number(iInputVideoBitRate))).toLocal8Bit().constData()",
                                   QString("iInputVideoBitRate = " + QString::number(iInputVideoBitRate)));
                }
                if (i >= 1 && word.contains('x')) {
                    // Codec tags such as "(mp4v / 0x7634706D)" contain an "x" too; only two
                    // positive numbers make a frame size.
                    const QString candidate = withoutTrailingComma(word);
                    const QStringList sides = candidate.split('x', Qt::SkipEmptyParts);
                    int w = 0;
                    int h = 0;
                    if (sides.size() == 2 && readInt(sides.at(0), w) && readInt(sides.at(1), h) && w > 0 && h > 0) {
                        strInputVideoResolution = candidate;
                        VORK_DEBUG_STR(DebugSource,
                                       "QString(QString(\"strInputVideoResolution = \" + "
                                       "strInputVideoResolution)).toLocal8Bit().constData()",
                                       QString("strInputVideoResolution = " + strInputVideoResolution));
                    }
                }
                if ((word == "PAR" || word == "[PAR" || word == "SAR" || word == "[SAR") && i + 1 < words.size()) {
                    const QString candidate = withoutTrailingComma(words.at(i + 1));
                    const QStringList terms = candidate.split(':', Qt::SkipEmptyParts);
                    quint32 a = 0;
                    quint32 b = 0;
                    if (terms.size() == 2 && readNonZeroUInt(terms.at(0), a) && readNonZeroUInt(terms.at(1), b)) {
                        strInputVideoPAR = candidate;
                        VORK_DEBUG_STR(DebugSource,
                                       "QString(QString(\"strInputVideoPAR = \" + "
                                       "strInputVideoPAR)).toLocal8Bit().constData()",
                                       QString("strInputVideoPAR = " + strInputVideoPAR));
                    }
                }
            }
        }

        // "Stream #0:1: Audio: ac3, 48000 Hz, stereo, s16, 448 kb/s"
        if (line.contains("Stream #") && line.contains("Audio:")) {
            for (int i = 1; i < words.size(); ++i) {
                if (words.at(i).startsWith("kb/s")) {
                    iInputAudioBitRate = intValue(words.at(i - 1));
                    VORK_DEBUG_STR(DebugSource,
                                   "QString(QString(\"iInputAudioBitRate = \" + "
                                   "QString::number(iInputAudioBitRate))).toLocal8Bit().constData()",
                                   QString("iInputAudioBitRate = " + QString::number(iInputAudioBitRate)));
                    break;
                }
            }
        }
    }

    // ffmpeg turns such a picture upright before it scales it (the still frame and every version):
    // the sizes are computed from the picture as it is shown, so a quarter turn swaps the sides of
    // the frame and of its pixels.
    info.iInputVideoQuarterTurns = iQuarterTurns;
    if (iQuarterTurns % 2 == 1) {
        const QStringList sides = strInputVideoResolution.split('x');
        if (sides.size() == 2)
            strInputVideoResolution = sides.at(1) + "x" + sides.at(0);
        const QStringList terms = strInputVideoPAR.split(':');
        if (terms.size() == 2)
            strInputVideoPAR = terms.at(1) + ":" + terms.at(0);
        VORK_DEBUG_STR(DebugSource,
                       "QString(QString(\"Displayed turned: strInputVideoResolution = \" + strInputVideoResolution + "
                       "\" strInputVideoPAR = \" + strInputVideoPAR)).toLocal8Bit().constData()",
                       QString("Displayed turned: strInputVideoResolution = " + strInputVideoResolution
                               + " strInputVideoPAR = " + strInputVideoPAR));
    }

    // Many containers state no rate for the video stream: what the file carries beside the sound.
    if (iInputVideoTotalBitRate > 0 && iInputVideoBitRate <= 0 && iInputAudioBitRate >= 0)
        iInputVideoBitRate = iInputVideoTotalBitRate - iInputAudioBitRate;
    VORK_DEBUG_STR(DebugSource,
                   "QString(QString(\"Input file bitrate = \" + "
                   "QString::number(iInputVideoBitRate))).toLocal8Bit().constData()",
                   QString("Input file bitrate = " + QString::number(iInputVideoBitRate)));
    return info;
}

QString CVideoConverter::computeTargetSize(const QString& strResolution, const QString& strPAR, uint profileID) const
{
    QString result;
    const QString frame = m_hashVideoResolution.value(profileID);

    const QStringList source = strResolution.split('x', Qt::SkipEmptyParts);
    int sW = 0;
    int sH = 0;
    if (source.size() == 2 && (sW = intValue(source.at(0))) != 0 && (sH = intValue(source.at(1))) != 0) {
        int tW = 1;
        int tH = 1;
        const QStringList target = frame.split('x');
        int w = 0;
        int h = 0;
        if (target.size() == 2 && readInt(target.at(0), w) && readInt(target.at(1), h) && w >= 1 && h >= 1) {
            tW = w;
            tH = h;
        }

        // Non-square pixels: the width the picture has on screen.
        const QStringList aspect = strPAR.split(':', Qt::SkipEmptyParts);
        quint32 a = 0;
        quint32 b = 0;
        if (aspect.size() == 2 && readNonZeroUInt(aspect.at(0), a) && readNonZeroUInt(aspect.at(1), b))
            sW = floorProduct(sW, double(a) / double(b));

        // Fit into the profile's frame, keeping the shape and never enlarging. sW and sH are not
        // zero wherever they divide: each such branch has them above a side of at least 1.
        int W;
        int H;
        if (sW <= tW && sH <= tH) {
            W = sW;
            H = sH;
        } else if (sW > tW && sH <= tH) {
            W = tW;
            H = floorProduct(sH, double(tW) / double(sW));
        } else if (sW <= tW && sH > tH) {
            W = floorProduct(sW, double(tH) / double(sH));
            H = tH;
        } else if (double(sW) / double(tW) <= double(sH) / double(tH)) {
            // The height is the tighter bound (a tie counts as height).
            W = floorProduct(sW, double(tH) / double(sH));
            H = tH;
        } else {
            W = tW;
            H = floorProduct(sH, double(tW) / double(sW));
        }

        // Encoders want even sides.
        W &= ~1;
        H &= ~1;
        result = QString::number(W) + "x" + QString::number(H);
    }

    // The mobile version is always made, in its own size when the source's is not known.
    if (result.isEmpty() && profileID == 3)
        result = frame;
    return result;
}
