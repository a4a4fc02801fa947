#include "CUploadManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardItem>
#include <QStandardItemModel>

const QString strJobFilePath = QStringLiteral("FILE_PATH");
const QString strJobFolderLevel = QStringLiteral("UPLOAD_FOLDER_LEVEL");
const QString strJobServerPath = QStringLiteral("UPLOAD_SERVER_PATH");

namespace UploadPartType {
const char ORIG_FILE[] = "ORIG_FILE";
const char FOLDER[] = "FOLDER";
const char THUM_B[] = "THUM_B";
const char THUM_L[] = "THUM_L";
const char THUM_M[] = "THUM_M";
const char THUM_S[] = "THUM_S";
const char THUM_XL[] = "THUM_XL";
const char MP4_HIGH[] = "MP4_HIGH";
const char MP4_MEDIUM[] = "MP4_MEDIUM";
const char MP4_LOW[] = "MP4_LOW";
const char MP4_MOBILE[] = "MP4_MOBILE";
const char CUST_TITLE[] = "CUST_TITLE";
const char CUST_DESC[] = "CUST_DESC";
} // namespace UploadPartType

namespace {

const char* const RawSuffixes[] = {
    "arw", "srf", "sr2", "dcr", "k25", "kdc", "cr2", "crw", "nef", "mrw", "ptx",
    "pef", "raf", "3fr", "erf", "mef", "mos", "orf", "rw2", "dng", "x3f", "raw",
};

const char* const SupportedPhotoSuffixes[] = {
    "jpg", "jpeg", "jpe", "bmp", "png", "gif", "tiff", "tif",
};

const char* const SupportedVideoSuffixes[] = {
    "mpg", "mpeg", "avi", "asf", "wmv", "mov", "flv", "dat", "rmvb", "mp4", "divx", "xvid",
    "vob", "mkv", "m2ts", "m2t", "mts", "m4v", "rm", "ts", "3gp", "3g2", "qt", "swf",
    "dvr-ms", "iso", "ifo", "srt", "ass", "ssa", "idx", "sub", "smi", "psb", "trp", "tp",
};

// GIF is uploaded as it is: no thumbnails are made of it.
const char* const ConvertiblePhotoSuffixes[] = {
    "jpg", "jpeg", "jpe", "bmp", "png", "tiff", "tif",
};

const char* const ConvertibleVideoSuffixes[] = {
    "mpg", "mpeg", "avi", "wmv", "asf", "mov", "flv", "3gp", "3g2", "mp4", "m4v", "qt",
    "divx", "xvid", "dat", "m2ts", "m2t", "mts",
};

UploadJob makeJob(const QString& path, const QString& level, const QString& serverPath)
{
    UploadJob job;
    job.insert(strJobFilePath, path);
    job.insert(strJobFolderLevel, level);
    job.insert(strJobServerPath, serverPath);
    return job;
}

// The form the server takes a custom title or description in: the UTF-8 bytes, one character per
// byte, ending before the first zero byte.
QString utf8BytesAsLatin1(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return QString::fromLatin1(bytes.constData(), bytes.size());
}

// Writes `text` as UTF-8 (no terminator, no line end) into `path`, replacing an earlier file.
// False when the file cannot be created or not all of it reached the disk.
bool writeTextFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = text.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

template <size_t N>
void insertAll(QHash<QString, bool>& set, const char* const (&suffixes)[N])
{
    for (const char* suffix : suffixes)
        set.insert(QString::fromLatin1(suffix), true);
}

} // namespace

CUploadManager::CUploadManager(QObject* parent, CPhotoUploadConfig* config, QStandardItemModel* fileModel,
                               const QString& uploadRootPath, QHash<QString, QString>* customTitles,
                               QHash<QString, QString>* customDescs, QHash<QString, bool>* excludedPaths,
                               bool onlyIndexable, bool skipHidden, const QList<uint>& videoProfiles,
                               int duplicateMode, uint* requestCounter, QStringList* failedFiles,
                               const QList<QNetworkCookie>* cookies)
    : QThread(parent)
    , m_pFailedFiles(failedFiles)
    , m_strUploadRootPath(uploadRootPath)
    , m_pFileModel(fileModel)
    , m_pCustomTitles(customTitles)
    , m_pCustomDescs(customDescs)
    , m_pExcludedPaths(excludedPaths)
    , m_pConfig(config)
    , m_listVideoProfiles(videoProfiles)
    , m_iDuplicateMode(duplicateMode)
    , m_iCurrentPart(0)
    , m_pRequestCounter(requestCounter)
    , m_bOnlyIndexable(onlyIndexable)
    , m_bSkipHidden(skipHidden)
    , m_bSessionLost(false)
    , m_bStop(false)
    , m_pImageConverter(nullptr)
    , m_pVideoConverter(nullptr)
    , m_pParts(nullptr)
    , m_pInitReply(nullptr)
    , m_pFileUploadReply(nullptr)
    , m_pUploadFile(nullptr)
{
    // The RAW set first: the two others take its keys into their photo sets.
    initRawFileTypes();
    initSupportedFileTypes();
    initConvertibleFileTypes();
    m_pParts = new QList<UploadPart>();
    if (cookies)
        m_listCookies = *cookies;
}

CUploadManager::~CUploadManager()
{
    delete m_pParts;
}

bool CUploadManager::isRawFile(const QString& suffix) const
{
    return m_hashRawTypes.contains(suffix.toLower());
}

int CUploadManager::getSupportedFileType(const QString& suffix) const
{
    const QString key = suffix.toLower();
    if (m_hashSupportedPhotoTypes.contains(key))
        return 1;
    if (m_hashSupportedVideoTypes.contains(key))
        return 2;
    return 3;
}

int CUploadManager::getConvertType(const QString& suffix) const
{
    const QString key = suffix.toLower();
    if (m_hashConvertiblePhotoTypes.contains(key))
        return 0;
    if (m_hashConvertibleVideoTypes.contains(key))
        return 1;
    return 2;
}

QStringList CUploadManager::getSupportedPhotoSuffixes() const
{
    return m_hashSupportedPhotoTypes.keys();
}

QStringList CUploadManager::getSupportedVideoSuffixes() const
{
    return m_hashSupportedVideoTypes.keys();
}

QStringList CUploadManager::getSupportedSuffixes() const
{
    return getSupportedPhotoSuffixes() + getSupportedVideoSuffixes();
}

bool CUploadManager::isFilteredOut(const QFileInfo& info) const
{
    // A hidden folder goes with everything in it: the walk never enters it.
    if (m_bSkipHidden && info.isHidden())
        return true;
    // Folders stay whatever their name; files must be a photo or a video.
    if (m_bOnlyIndexable && !info.isDir() && getSupportedFileType(info.suffix()) == 3)
        return true;
    return false;
}

QList<UploadJob>* CUploadManager::addJob()
{
    QList<UploadJob>* list = new QList<UploadJob>();
    if (!m_pFileModel)
        return list;
    QStandardItem* root = m_pFileModel->invisibleRootItem();
    for (int row = 0; row < root->rowCount(); ++row) {
        QStandardItem* item = root->child(row, 0);
        if (!item)
            continue;
        const QString path = item->data(Qt::DisplayRole).toString();
        const QFileInfo info(path);
        // An entry that vanished since it was added is left out without a report.
        if (path.isEmpty() || !info.exists())
            continue;
        if (isFilteredOut(info))
            continue;
        list->append(makeJob(path, QStringLiteral("0"), m_strUploadRootPath));
        if (info.isDir())
            addFolderJobs(list, path, m_strUploadRootPath + QLatin1Char('/') + QDir(path).dirName(), 1);
    }
    return list;
}

void CUploadManager::addFolderJobs(QList<UploadJob>* list, const QString& folderPath,
                                   const QString& serverPath, int level)
{
    if (!list)
        return;
    const QDir folder(folderPath);
    if (!folder.exists())
        return;
    // Symbolic links are not listed, so the walk never follows one (and never loops).
    const QFileInfoList entries = folder.entryInfoList(
        QDir::AllEntries | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot,
        QDir::Name | QDir::DirsFirst);
    const QString levelText = QString::number(level);
    for (const QFileInfo& entry : entries) {
        if (isFilteredOut(entry))
            continue;
        const QString absolutePath = entry.absoluteFilePath();
        if (m_pExcludedPaths && m_pExcludedPaths->contains(levelText + QLatin1Char('_') + absolutePath))
            continue;
        list->append(makeJob(absolutePath, levelText, serverPath));
        if (entry.isDir())
            addFolderJobs(list, absolutePath, serverPath + QLatin1Char('/') + entry.fileName(), level + 1);
    }
}

void CUploadManager::setFolderCustomInfo(const QString& filePath, const QString& level, UploadPart* part)
{
    if (!part)
        return;
    const QString key = level + QLatin1Char('_') + filePath;
    if (m_pCustomTitles && m_pCustomTitles->contains(key))
        part->insert(UPLOAD_PART_TITLE, utf8BytesAsLatin1(m_pCustomTitles->value(key)));
    if (m_pCustomDescs && m_pCustomDescs->contains(key))
        part->insert(UPLOAD_PART_DESC, utf8BytesAsLatin1(m_pCustomDescs->value(key)));
}

void CUploadManager::addMediaCustomInfoParts(const QString& filePath, const QString& workFolder,
                                             const QString& level, QList<UploadPart>* parts)
{
    if (!parts)
        return;
    const QString key = level + QLatin1Char('_') + filePath;
    if (m_pCustomTitles && m_pCustomTitles->contains(key)) {
        const QString titlePath = workFolder + QStringLiteral("/TITLE");
        // Without its title file the job sends neither custom part.
        if (!writeTextFile(titlePath, m_pCustomTitles->value(key)))
            return;
        UploadPart part;
        part.insert(UPLOAD_PART_PATH, titlePath);
        part.insert(UPLOAD_PART_TYPE, QLatin1String(UploadPartType::CUST_TITLE));
        parts->append(part);
    }
    if (m_pCustomDescs && m_pCustomDescs->contains(key)) {
        const QString descPath = workFolder + QStringLiteral("/DESC");
        if (!writeTextFile(descPath, m_pCustomDescs->value(key)))
            return;
        UploadPart part;
        part.insert(UPLOAD_PART_PATH, descPath);
        part.insert(UPLOAD_PART_TYPE, QLatin1String(UploadPartType::CUST_DESC));
        parts->append(part);
    }
}

void CUploadManager::initRawFileTypes()
{
    insertAll(m_hashRawTypes, RawSuffixes);
}

void CUploadManager::initSupportedFileTypes()
{
    insertAll(m_hashSupportedPhotoTypes, SupportedPhotoSuffixes);
    insertAll(m_hashSupportedVideoTypes, SupportedVideoSuffixes);
    for (auto it = m_hashRawTypes.constBegin(); it != m_hashRawTypes.constEnd(); ++it)
        m_hashSupportedPhotoTypes.insert(it.key(), true);
}

void CUploadManager::initConvertibleFileTypes()
{
    insertAll(m_hashConvertiblePhotoTypes, ConvertiblePhotoSuffixes);
    insertAll(m_hashConvertibleVideoTypes, ConvertibleVideoSuffixes);
    for (auto it = m_hashRawTypes.constBegin(); it != m_hashRawTypes.constEnd(); ++it)
        m_hashConvertiblePhotoTypes.insert(it.key(), true);
}
