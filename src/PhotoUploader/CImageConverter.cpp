#include "CImageConverter.h"

#include "CToolRun.h"
#include "CUploadManager.h"
#include "VorkDebug.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>

#include <algorithm>

namespace {

const char* const DebugSource = "src/PhotoUploader/CImageConverter";

const CToolRun::DebugTexts ConvertTexts = {
    DebugSource,
    "QString(\"Program: \" +strBinToExecute).toLocal8Bit().constData()",
    "QString(strArguments).toLocal8Bit().constData()",
    "QString(QString(\"kill convert process\")).toLocal8Bit().constData()",
    "QString(QString(\"Out \" +strOut)).toLocal8Bit().constData()",
};

const CToolRun::DebugTexts RawScriptTexts = {
    DebugSource,
    "QString(\"Program: \" + m_strDCRawScriptPath).toLocal8Bit().constData()",
    "QString(strArguments).toLocal8Bit().constData()",
    "QString(QString(\"kill dcraw process\")).toLocal8Bit().constData()",
    "QString(QString(\"Out \" + baProcessOut)).toLocal8Bit().constData()",
};

const char* const BigThumbName = "THUMB_B.jpg";

// The width and height of the image in `path` if it loads as an image (format guessed as QImage
// does), otherwise an empty size. A JPEG is decoded at reduced scale: that proves that it loads
// as well as a full decoding does, at a fraction of the cost of a multi-megapixel photo.
QSize loadedImageSize(const QString& path)
{
    if (path.isEmpty())
        return QSize();
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(size.scaled(64, 64, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage image = reader.read();
    if (image.isNull())
        return QSize();
    return size.isValid() ? size : image.size();
}

} // namespace

CImageConverter::CImageConverter(const QString& source, const QString& destinationFolder, bool preview,
                                 uint requestId)
    : QThread(nullptr)
    , m_iQuality(80)
    , m_bPreview(preview)
    , m_uiRequestID(requestId)
    , m_strSrcFilePath(source)
    , m_strDestFolder(destinationFolder)
    , m_pProcess(nullptr)
    , m_bStop(false)
{
    initThumbSizes();
    initToolPaths();
}

CImageConverter::~CImageConverter()
{
    // Destroying a QThread that still runs aborts the program: stop the tool and let run() end.
    m_bStop = true;
    wait();
}

void CImageConverter::initThumbSizes()
{
    // The order in which the thumbnails are made: the big one first, as it is announced by signal.
    m_lstThumbNames << BigThumbName << "THUMB_L.jpg" << "THUMB_M.jpg" << "THUMB_S.jpg" << "THUMB_XL.jpg";
    m_lstThumbSizes << 640 << 800 << 320 << 120 << 1280;
}

void CImageConverter::initToolPaths()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    m_strConvertBinPath = appDir + "/ImageMagick/convert";
    m_strDCRawBinPath = appDir + "/dcraw/dcraw";
    m_strDCRawScriptPath = appDir + "/dcraw_LNX.sh";
}

void CImageConverter::terminate()
{
    m_bStop = true;
}

void CImageConverter::run()
{
    if (convert(m_strSrcFilePath, m_strDestFolder) == -1)
        emit signalPhotoConvertError(m_strSrcFilePath, m_uiRequestID);
}

QString CImageConverter::namePrefix() const
{
    const QString id = QString::number(m_uiRequestID);
    return m_bPreview ? QStringLiteral("UIPreview") + id : id;
}

int CImageConverter::convert(const QString& source, const QString& destinationFolder)
{
    if (!QFileInfo::exists(source))
        return -1;
    // An empty folder name would put the thumbnails into the file system's root.
    if (destinationFolder.isEmpty())
        return -1;
    if (!QFileInfo(destinationFolder).isDir() && !QDir().mkpath(destinationFolder))
        return -1;

    bool isRaw;
    {
        // The upload worker owns the file-type sets; a worker that is never started answers.
        CUploadManager fileTypes(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, false, false,
                                 QList<uint>(), 0, nullptr, nullptr, nullptr);
        isRaw = fileTypes.isRawFile(QFileInfo(source).suffix());
    }

    QString conversionSource = source;
    bool stoppedInRawStage = false;
    if (isRaw) {
        conversionSource = decodeRaw(source);
        stoppedInRawStage = conversionSource.isEmpty();
    }

    // Landscape sources are turned upright by their orientation tag; for all others the argument is
    // a single blank, which convert takes for a missing input file and otherwise ignores.
    const QSize size = loadedImageSize(conversionSource);
    const QString orientation = size.width() > size.height() ? QStringLiteral("-auto-orient") : QStringLiteral(" ");

    const QString prefix = namePrefix();
    for (int i = 0; i < m_lstThumbNames.size(); ++i) {
        const QString& name = m_lstThumbNames.at(i);
        if (m_bPreview && name != BigThumbName)
            continue;

        const QString output = destinationFolder + "/" + prefix + name;
        const QString geometry = QString("%1x%1>").arg(m_lstThumbSizes.at(i));
        CToolRun::Request request;
        request.program = m_strConvertBinPath;
        // ImageMagick reads more than a file name into an input name: "[...]" selects frames or a
        // region, "*", "?" and "{...}" are expanded as patterns, "name:" picks a format and "@"
        // a list of files, and a pattern that matches makes it read other files than the one
        // meant. Handed the photo as its standard input ("-"), it sees no name at all and finds
        // the format in the file's first bytes. Outputs are named by this converter.
        request.arguments << "-define" << "jpeg:size=" + geometry << "-thumbnail" << geometry << "-strip"
                          << "-flatten" << "-quality" << QString::number(m_iQuality) << orientation
                          << "-colorspace" << "RGB" << "-unsharp" << "0.5x0.5+1.25+0.0" << "-colorspace"
                          << "sRGB" << QStringLiteral("-") << QDir::toNativeSeparators(output);
        request.inputFile = conversionSource;
        request.killMessage = QStringLiteral("kill convert process");
        request.texts = ConvertTexts;
        if (CToolRun::run(request, m_pProcess, m_bStop).stopped)
            return -1;
        // A stop during the RAW stage is normally reported by the kill of this run; the run can
        // only have completed if convert itself could not be started.
        if (stoppedInRawStage)
            return -1;

        if (name == BigThumbName) {
            // Every caller needs the big thumbnail. When the tool could not make it, the source is
            // no image it can read (empty, cut short, another kind of file, or gone): the
            // conversion has failed, and the other sizes would fail the same way.
            if (!CToolRun::isMade(output))
                return -1;
            emit signalPhotoBigThumbReady(output, m_uiRequestID);
        }
    }
    return 0;
}

QString CImageConverter::decodeRaw(const QString& source)
{
    const QString prefix = namePrefix();
    const QString previewPath = m_strDestFolder + "/" + prefix + "RAWJpgSrc.jpg";
    const QString decodedPath = m_strDestFolder + "/" + prefix + "RAWPPMSrc.ppm";

    CToolRun::Request request;
    request.program = m_strDCRawScriptPath;
    request.killMessage = QStringLiteral("kill dcraw process");
    request.texts = RawScriptTexts;
    // dcraw takes every argument that begins with "-" or "+" for an option, and opens the others
    // as they are: an absolute path is always read as the file it names.
    const QString rawSource = QDir::toNativeSeparators(CToolRun::absolutePath(source));

    // The camera's embedded preview is quick to extract; it serves when it is large enough.
    request.arguments << rawSource << QDir::toNativeSeparators(previewPath)
                      << QDir::toNativeSeparators(m_strDCRawBinPath) << "-e";
    if (CToolRun::run(request, m_pProcess, m_bStop).stopped)
        return QString();
    // The script's output is opened before the decoder runs; a decoder that found nothing to write
    // (no preview, or no RAW file it can read) leaves it empty, and an empty file is no image.
    CToolRun::removeIfEmpty(previewPath);

    const QSize previewSize = loadedImageSize(previewPath);
    if (!previewSize.isEmpty()) {
        if (m_bPreview)
            return previewPath;
        const int longerEdge = std::max(previewSize.width(), previewSize.height());
        const int largestThumb = *std::max_element(m_lstThumbSizes.constBegin(), m_lstThumbSizes.constEnd());
        if (longerEdge >= largestThumb)
            return previewPath;
    }

    // No usable preview: decode the whole image.
    request.arguments.clear();
    request.arguments << rawSource << QDir::toNativeSeparators(decodedPath)
                      << QDir::toNativeSeparators(m_strDCRawBinPath) << "-w";
    if (CToolRun::run(request, m_pProcess, m_bStop).stopped)
        return QString();
    CToolRun::removeIfEmpty(decodedPath);
    return decodedPath;
}
