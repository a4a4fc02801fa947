#include "CUploadManager.h"

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
    , m_pRequestCounter(requestCounter)
    , m_bOnlyIndexable(onlyIndexable)
    , m_bSkipHidden(skipHidden)
    , m_bSessionLost(false)
    , m_bStop(false)
{
    // The RAW set first: the two others take its keys into their photo sets.
    initRawFileTypes();
    initSupportedFileTypes();
    initConvertibleFileTypes();
    if (cookies)
        m_listCookies = *cookies;
}

CUploadManager::~CUploadManager() = default;

bool CUploadManager::isRawFile(const QString& suffix) const
{
    return m_hashRawTypes.contains(suffix.toLower());
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
