#include "CUploadManager.h"

#include "CImageConverter.h"
#include "CPhotoUploadConfig.h"
#include "CVideoConverter.h"
#include "PhotoWorkFolder.h"
#include "StringTable.h"
#include "VorkDebug.h"
#include "VorkJson.h"
#include "platforms.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QUrl>

#include <json/value.h>

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

// Header values of the running upload, set by the run loop for each job and read by uploadFile.
// Only one upload runs at a time.
static QString strUploadServerPath;
static QString strDuplicateMode;
static QString strUploadFileName;

namespace {

const char* const DebugSource = "src/PhotoUploader/CUploadManager";

const char* const UploadInitScript = "/photo/include/vork_upload_init.php";
const char* const FileUploadScript = "/photo/include/vork_file_upload.php";
const char* const ListDelimiter = "/FolderDelimiter/";
const char* const InitUnknownError = "server unknown errror";
const char* const UploadDefaultError = "server default error";
const char* const TargetNotFoundPrefix = "target_folder_not_found_";

// Thumbnail output names of the converters and the part type each one is sent as, in upload order.
const struct {
    const char* name;
    const char* type;
} ThumbnailOutputs[] = {
    {"THUMB_B.jpg", UploadPartType::THUM_B},
    {"THUMB_L.jpg", UploadPartType::THUM_L},
    {"THUMB_M.jpg", UploadPartType::THUM_M},
    {"THUMB_S.jpg", UploadPartType::THUM_S},
    {"THUMB_XL.jpg", UploadPartType::THUM_XL},
};

// Web versions of a video by quality profile id (0 high, 1 medium, 2 low, 3 mobile).
const struct {
    const char* name;
    const char* type;
} VideoOutputs[] = {
    {"FILM_H.mp4", UploadPartType::MP4_HIGH},
    {"FILM_M.mp4", UploadPartType::MP4_MEDIUM},
    {"FILM_L.mp4", UploadPartType::MP4_LOW},
    {"FILM_MOBILE.mp4", UploadPartType::MP4_MOBILE},
};

QString duplicateModeText(int mode)
{
    switch (mode) {
    case 1:
        return QStringLiteral("SKIP");
    case 2:
        return QStringLiteral("OVERWRITE");
    default:
        return QStringLiteral("RENAME");
    }
}

// Deletes the plain, not hidden files directly inside `folder`; sub-folders and their contents
// stay. A symbolic link is removed as a link: the permissions of whatever it points to are left
// alone. Failures are ignored.
void deleteWorkFiles(const QString& folder)
{
    // No work folder: nothing of the uploader's to delete (an empty path is the current folder).
    if (folder.isEmpty())
        return;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Unsorted);
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (!file.isSymLink())
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(path);
    }
}

// The name of a job's file or folder without its folder; a trailing slash is not taken for an
// empty name.
QString jobFileName(const QString& path)
{
    return QFileInfo(QDir::cleanPath(path)).fileName();
}

// The two progress formulas, in thousandths of the whole run. P(index + 0.8) holds the job
// position in single precision and computes in it, as the page's bar expects (with 5 jobs,
// P(2.8) is 560, where double precision gives 559); A(index) divides as real numbers.
int progressPartial(int index, int total)
{
    const float x = index + 0.8;
    return static_cast<int>(x / total * 1000);
}

int progressAt(int index, int total)
{
    return static_cast<int>(static_cast<double>(index) / total * 1000);
}

// A reply member read as text: a string as its UTF-8 text, a number or boolean in its written
// form, anything else (absent, null, an array or object) as `fallback`.
QString replyText(const Json::Value& value, const QString& fallback)
{
    if (value.isString())
        return QString::fromUtf8(value.asCString());
    if (value.isNumeric() || value.isBool())
        return QString::fromStdString(value.asString());
    return fallback;
}

// Inserts every non-empty text element of the array `key` of `root` into `set`.
void insertPaths(const Json::Value& root, const char* key, QHash<QString, bool>* set)
{
    const Json::Value& array = VorkJson::member(root, key);
    if (!array.isArray())
        return;
    for (Json::ArrayIndex i = 0; i < array.size(); ++i) {
        const QString path = replyText(array[i], QString());
        if (!path.isEmpty())
            set->insert(path, true);
    }
}

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
    stopAndWait();
    {
        std::lock_guard<std::mutex> lock(m_mutexHandles);
        delete m_pImageConverter;
        delete m_pVideoConverter;
        m_pImageConverter = nullptr;
        m_pVideoConverter = nullptr;
    }
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
        // Without its title file the job sends neither custom part. The file is made anew,
        // never written through a link left in its place.
        if (!PhotoWorkFolder::writeFile(workFolder, QStringLiteral("TITLE"),
                                        m_pCustomTitles->value(key).toUtf8()))
            return;
        UploadPart part;
        part.insert(UPLOAD_PART_PATH, titlePath);
        part.insert(UPLOAD_PART_TYPE, QLatin1String(UploadPartType::CUST_TITLE));
        parts->append(part);
    }
    if (m_pCustomDescs && m_pCustomDescs->contains(key)) {
        const QString descPath = workFolder + QStringLiteral("/DESC");
        if (!PhotoWorkFolder::writeFile(workFolder, QStringLiteral("DESC"),
                                        m_pCustomDescs->value(key).toUtf8()))
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

// ---------------------------------------------------------------------------------------------
// Stopping

void CUploadManager::stopAndWait()
{
    if (!isRunning())
        return;
    terminate();
    // The worker thread may be waiting for a reply handler, which runs in this (the object's)
    // thread: deliver the calls queued to this object while waiting, and nothing else.
    while (!wait(10))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CUploadManager::terminate()
{
    // The flag first, so that a worker woken by a stopped converter or an aborted request sees it.
    m_bStop = true;

    std::lock_guard<std::mutex> lock(m_mutexHandles);
    if (m_pImageConverter && m_pImageConverter->isRunning()) {
        m_pImageConverter->terminate();
        while (m_pImageConverter->isRunning())
            QThread::msleep(10);
    }
    if (m_pVideoConverter && m_pVideoConverter->isRunning()) {
        m_pVideoConverter->terminate();
        while (m_pVideoConverter->isRunning())
            QThread::msleep(10);
    }
    // The replies live in the worker thread: the abort is carried out there, by its event loop.
    if (m_pInitReply)
        QMetaObject::invokeMethod(m_pInitReply, "abort", Qt::QueuedConnection);
    if (m_pFileUploadReply)
        QMetaObject::invokeMethod(m_pFileUploadReply, "abort", Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------------------------
// The run

void CUploadManager::emitProgress(int progress, int done, int total, int next, qint64 size)
{
    emit signalUploadProgressChanged(progress, done, total, next, size);
}

void CUploadManager::run()
{
    emitProgress(0, 0, 0, 0, 0);
    emit signalProcessStatusChanged(getString(441));
    emit signalProcessFileChanged(QString());

    // This user's private folder; without one nothing is converted or written for the upload.
    const QString workFolder = PhotoWorkFolder::prepare();
    deleteWorkFiles(workFolder);

    strDuplicateMode = duplicateModeText(m_iDuplicateMode);

    QList<UploadJob>* jobs = addJob();
    if (uploadJobs(*jobs, workFolder)) {
        const int total = jobs->size();
        emit signalProcessStatusChanged(getString(439) + QLatin1Char(' '));
        emitProgress(1000, total, total, 999,
                     total > 0 ? QFileInfo(jobs->last().value(strJobFilePath)).size() : 0);
        emit signalUploadFinished();
    }

    deleteWorkFiles(workFolder);
    delete jobs;

    // The run's last act: whoever takes the handle lock after the thread has ended (the
    // destructor) is ordered after everything the run did, also for race checkers that do not
    // see the ordering that QThread::wait gives.
    std::lock_guard<std::mutex> lock(m_mutexHandles);
}

bool CUploadManager::uploadJobs(const QList<UploadJob>& jobs, const QString& workFolder)
{
    const int total = jobs.size();
    if (total == 0)
        return true;

    sendUploadInitRequest(jobs);
    if (m_bStop)
        return false;
    if (m_bSessionLost) {
        emit signalConnectionSessionLost();
        return false;
    }
    emitProgress(0, 0, total, progressPartial(0, total) - 1, 0);

    for (int i = 0; i < total; ++i) {
        const UploadJob& job = jobs.at(i);
        m_pParts->clear();
        UploadPart ownPart;

        const QString filePath = job.value(strJobFilePath);
        const QString level = job.value(strJobFolderLevel);
        const QString serverPath = job.value(strJobServerPath);
        const QFileInfo info(filePath);
        const QString fileName = jobFileName(filePath);
        strUploadServerPath = serverPath;
        strUploadFileName = fileName;
        const qint64 size = info.size();
        const bool isFolder = info.isDir();

        emitProgress(progressAt(i, total), i, total, progressPartial(i, total) - 1, size);
        emit signalProcessStatusChanged(getString(442));
        emit signalProcessFileChanged(fileName);

        bool send = true;
        if (!isFolder) {
            const QString key = serverPath + QLatin1Char('/') + fileName;
            if (m_hashNoPrivilegeFiles.contains(key)) {
                if (m_pFailedFiles)
                    m_pFailedFiles->append(QDir::toNativeSeparators(filePath) + QStringLiteral("\r\n") +
                                           getString(464));
                send = false;
            } else if (m_iDuplicateMode == 1 && m_hashDuplicatedFiles.contains(key)) {
                send = false;
            }
        }

        if (send) {
            // A folder is never converted, whatever its name ends in; nothing is converted
            // without a work folder to put the results in.
            const int convertType = isFolder || workFolder.isEmpty() ? 2 : getConvertType(info.suffix());
            if (convertType == 0 || convertType == 1) {
                emit signalProcessStatusChanged(getString(440) + QLatin1Char(' '));
                emit signalBigThumbReady(QString());
                if (convertType == 0)
                    convertPhoto(filePath, workFolder, m_pParts);
                else
                    convertVideo(filePath, workFolder, m_listVideoProfiles, m_pParts);
            }
            if (m_bStop)
                return false;

            if (convertType == 0 || convertType == 1)
                addMediaCustomInfoParts(filePath, workFolder, level, m_pParts);
            ownPart.insert(UPLOAD_PART_PATH, filePath);
            if (isFolder) {
                ownPart.insert(UPLOAD_PART_TYPE, QLatin1String(UploadPartType::FOLDER));
                setFolderCustomInfo(filePath, level, &ownPart);
            } else {
                ownPart.insert(UPLOAD_PART_TYPE, QLatin1String(UploadPartType::ORIG_FILE));
            }
            m_pParts->append(ownPart);

            emitProgress(progressPartial(i, total), i, total, progressAt(i + 1, total) - 1, size);
            emit signalProcessStatusChanged(getString(443) + QLatin1Char(' '));
            uploadFile(i == total - 1);
            if (m_bStop)
                return false;
            if (m_bSessionLost) {
                emit signalConnectionSessionLost();
                return false;
            }
        }

        deleteWorkFiles(workFolder);
        emit signalProcessStatusChanged(getString(439) + QLatin1Char(' '));
        emitProgress(progressAt(i + 1, total), i + 1, total, progressPartial(i + 1, total) - 1, size);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Requests

void CUploadManager::waitForReply(QNetworkReply* reply, QNetworkReply** member, const char* handler)
{
    {
        std::lock_guard<std::mutex> lock(m_mutexHandles);
        *member = reply;
    }
    // The worker object lives in the GUI thread, so the handler runs there (queued).
    connect(reply, SIGNAL(finished()), this, handler);
    // A stop that came after the caller's last check found no reply to abort yet.
    if (m_bStop)
        QMetaObject::invokeMethod(reply, "abort", Qt::QueuedConnection);
    exec();
}

QNetworkReply* CUploadManager::pendingReply(QNetworkReply* const* member)
{
    std::lock_guard<std::mutex> lock(m_mutexHandles);
    return *member;
}

void CUploadManager::forgetReply(QNetworkReply** member)
{
    QNetworkReply* reply;
    {
        std::lock_guard<std::mutex> lock(m_mutexHandles);
        reply = *member;
        *member = nullptr;
    }
    delete reply;
}

QByteArray CUploadManager::uploadInitList(const QList<UploadJob>& jobs)
{
    QStringList items;
    for (const UploadJob& job : jobs) {
        const QString filePath = job.value(strJobFilePath);
        const QFileInfo info(filePath);
        if (!info.exists() || info.isDir())
            continue;
        items.append(job.value(strJobServerPath) + QLatin1Char('/') + jobFileName(filePath));
    }
    return items.join(QLatin1String(ListDelimiter)).toUtf8();
}

QByteArray CUploadManager::uploadInitBody(const QByteArray& boundary, const QByteArray& list)
{
    // One form part without a Content-Type of its own; the closing delimiter has no "--".
    QByteArray body;
    body += "--" + boundary + "\r\n";
    body += "content-disposition: ";
    body += "form-data; name=\"filelist\"\r\n";
    body += "\r\n";
    body += list;
    body += "\r\n";
    body += "--" + boundary + "\r\n";
    return body;
}

void CUploadManager::sendUploadInitRequest(const QList<UploadJob>& jobs)
{
    QNetworkAccessManager manager;
    useDirectConnection(&manager);

    const QByteArray boundary = "updbdry--" +
                                QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1() +
                                "------------------";
    const QByteArray body = uploadInitBody(boundary, uploadInitList(jobs));

    QNetworkRequest request(QUrl(m_pConfig->getBaseUrl() + QLatin1String(UploadInitScript)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("multipart/form-data, boundary=") + boundary);
    request.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(m_listCookies));

    waitForReply(manager.post(request, body), &m_pInitReply, SLOT(slotUploadInitRequestFinished()));
    QThread::msleep(100);
    forgetReply(&m_pInitReply);
}

void CUploadManager::slotUploadInitRequestFinished()
{
    QNetworkReply* reply = pendingReply(&m_pInitReply);
    if (!reply) {
        quit();
        return;
    }

    QString strError;
    if (reply->error() != QNetworkReply::NoError) {
        strError = reply->errorString();
    } else {
        const QByteArray body = reply->readAll();
        if (!body.startsWith('{')) {
            VORK_DEBUG_STR(DebugSource, "QString(baBody).toLocal8Bit().constData()", QString::fromUtf8(body));
            strError = QLatin1String(InitUnknownError);
        } else {
            const Json::Value root = VorkJson::readReplyBody(body);
            if (VorkJson::succeeded(root)) {
                insertPaths(root, "duplicated_files", &m_hashDuplicatedFiles);
                insertPaths(root, "no_privilege_files", &m_hashNoPrivilegeFiles);
            } else {
                strError = replyText(VorkJson::member(root, "err_msg"), QLatin1String(InitUnknownError));
                if (strError == QLatin1String("session_lost"))
                    m_bSessionLost = true;
            }
        }
    }
    if (!strError.isEmpty())
        VORK_DEBUG_STR(DebugSource, "QString(\"init upload error:\" + strError).toLocal8Bit().constData()",
                       QStringLiteral("init upload error:") + strError);
    quit();
}

void CUploadManager::uploadFile(bool isLastJob)
{
    QNetworkAccessManager manager;
    useDirectConnection(&manager);
    const QUrl url(m_pConfig->getBaseUrl() + QLatin1String(FileUploadScript));
    const int count = m_pParts->size();

    for (int i = 0; i < count && !m_bStop; ++i) {
        m_iCurrentPart = i;
        const UploadPart& part = m_pParts->at(i);
        const QString path = part.value(UPLOAD_PART_PATH);
        const QString type = part.value(UPLOAD_PART_TYPE);
        const bool isFolder = type == QLatin1String(UploadPartType::FOLDER);

        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(m_listCookies));
        request.setRawHeader("X-PATH", " " + QUrl::toPercentEncoding(strUploadServerPath));
        request.setRawHeader("X-DUPLICATE", strDuplicateMode.toLatin1());
        request.setRawHeader("X-ORIG-FNAME", " " + QUrl::toPercentEncoding(strUploadFileName));
        request.setRawHeader("X-UPLOAD-TYPE", type.toUtf8());
        if (i == 0)
            request.setRawHeader("X-IS-BATCH-FIRST-FILE", "1");
        if (i == count - 1)
            request.setRawHeader("X-IS-BATCH-LAST-FILE", "1");
        if (isLastJob)
            request.setRawHeader("X-LAST-UPLOAD-ITEM", "1");
        if (isFolder && part.contains(UPLOAD_PART_TITLE))
            request.setRawHeader("X-FOLDER-TITLE", " " + QUrl::toPercentEncoding(part.value(UPLOAD_PART_TITLE)));
        if (isFolder && part.contains(UPLOAD_PART_DESC))
            request.setRawHeader("X-FOLDER-DESC", " " + QUrl::toPercentEncoding(part.value(UPLOAD_PART_DESC)));

        QNetworkReply* reply;
        if (isFolder) {
            m_pUploadFile = nullptr;
            reply = manager.put(request, QByteArray());
        } else {
            QFile* file = new QFile(path);
            if (!file->open(QIODevice::ReadOnly)) {
                delete file;
                VORK_DEBUG_STR(DebugSource, "QString(\"open file fail. file:\" + strFilePath).toLocal8Bit().constData()",
                               QStringLiteral("open file fail. file:") + path);
                // The job's own file is what the user chose: its loss is a failure, not a success,
                // and one of this computer, not of the server.
                if (type == QLatin1String(UploadPartType::ORIG_FILE) && m_pFailedFiles)
                    m_pFailedFiles->append(QDir::toNativeSeparators(path) + QStringLiteral("\r\n") +
                                           getString(IDS_PHOTO_UPD_ERR_MSG_LOCAL_READ)
                                               .arg(QDir::toNativeSeparators(path)));
                continue;
            }
            m_pUploadFile = file;
            if (i == count - 1) {
                const qint64 seconds = QFileInfo(path).lastModified().toSecsSinceEpoch();
                VORK_DEBUG_STR(DebugSource, "QString(\"last modifiled time =\" + strTime).toLocal8Bit().constData()",
                               QStringLiteral("last modifiled time =") + QString::number(seconds));
                request.setRawHeader("X-LAST-MODIFIED-TIME", QByteArray::number(seconds));
            }
            reply = manager.put(request, m_pUploadFile);
        }

        waitForReply(reply, &m_pFileUploadReply, SLOT(slotFileUploadRequestFinished()));
        forgetReply(&m_pFileUploadReply);
        delete m_pUploadFile;
        m_pUploadFile = nullptr;
    }
}

void CUploadManager::slotFileUploadRequestFinished()
{
    QNetworkReply* reply = pendingReply(&m_pFileUploadReply);
    if (m_pUploadFile && m_pUploadFile->isOpen())
        m_pUploadFile->close();
    if (!reply) {
        quit();
        return;
    }

    QString strError;
    if (reply->error() != QNetworkReply::NoError) {
        strError = getString(64).arg(networkErrorName(reply->error()));
        VORK_DEBUG_STR(DebugSource, "QString(\"Upload file http error: \" + strError).toLocal8Bit().constData()",
                       QStringLiteral("Upload file http error: ") + reply->errorString());
    } else {
        const QByteArray body = reply->readAll();
        if (!body.startsWith('{')) {
            VORK_DEBUG_STR(DebugSource, "QString(baBody).toLocal8Bit().constData()", QString::fromUtf8(body));
            strError = getString(411).arg(QStringLiteral("ret_err"));
        } else {
            const Json::Value root = VorkJson::readReplyBody(body);
            if (!VorkJson::succeeded(root)) {
                QString message = replyText(VorkJson::member(root, "err_msg"), QLatin1String(UploadDefaultError));
                if (message == QLatin1String("no_privilege")) {
                    strError = getString(464);
                } else if (message == QLatin1String("duplicated_file")) {
                    strError = getString(462);
                } else if (message == QLatin1String("session_lost")) {
                    strError = getString(412);
                    m_bSessionLost = true;
                } else if (message.startsWith(QLatin1String(TargetNotFoundPrefix))) {
                    strError = getString(465).arg(QStringLiteral(" /photo") +
                                                  message.remove(QLatin1String(TargetNotFoundPrefix)));
                } else if (message == QLatin1String("demo_site_disable")) {
                    strError = getString(461);
                } else {
                    strError = getString(411).arg(message);
                    VORK_DEBUG_STR(DebugSource,
                                   "QString(\"upload server unknown error: return error -- \" + strErrMsg).toLocal8Bit().constData()",
                                   QStringLiteral("upload server unknown error: return error -- ") + message);
                }
            }
        }
    }

    if (!strError.isEmpty()) {
        VORK_DEBUG_STR(DebugSource, "QString(\"upload file error:\" + strError).toLocal8Bit().constData()",
                       QStringLiteral("upload file error:") + strError);
        if (m_iCurrentPart >= 0 && m_iCurrentPart < m_pParts->size()) {
            const UploadPart& part = m_pParts->at(m_iCurrentPart);
            const QString type = part.value(UPLOAD_PART_TYPE);
            if ((type == QLatin1String(UploadPartType::ORIG_FILE) || type == QLatin1String(UploadPartType::FOLDER)) &&
                m_pFailedFiles)
                m_pFailedFiles->append(QDir::toNativeSeparators(part.value(UPLOAD_PART_PATH)) +
                                       QStringLiteral("\r\n") + strError);
        }
    }
    quit();
}

// ---------------------------------------------------------------------------------------------
// Derived files

void CUploadManager::appendThumbnailParts(const QString& workFolder, uint id, QList<UploadPart>* parts) const
{
    const QString prefix = workFolder + QLatin1Char('/') + QString::number(id);
    for (const auto& output : ThumbnailOutputs) {
        const QString path = prefix + QLatin1String(output.name);
        QImage image;
        if (!image.load(path))
            continue;
        UploadPart part;
        part.insert(UPLOAD_PART_PATH, path);
        part.insert(UPLOAD_PART_TYPE, QLatin1String(output.type));
        parts->append(part);
    }
}

void CUploadManager::convertPhoto(const QString& filePath, const QString& workFolder, QList<UploadPart>* parts)
{
    const uint id = ++*m_pRequestCounter;
    CImageConverter* converter = new CImageConverter(filePath, workFolder, false, id);
    connect(converter, &CImageConverter::signalPhotoBigThumbReady, this, &CUploadManager::signalBigThumbReady);
    connect(converter, &CImageConverter::signalPhotoConvertError, this, &CUploadManager::signalConvertError);

    CImageConverter* previous;
    bool stopped;
    {
        std::lock_guard<std::mutex> lock(m_mutexHandles);
        previous = m_pImageConverter;
        m_pImageConverter = converter;
        // Started under the lock: a stop now either finds it running or is seen here.
        stopped = m_bStop;
        if (!stopped)
            converter->start(QThread::InheritPriority);
    }
    delete previous;
    if (stopped)
        return;
    converter->wait();
    appendThumbnailParts(workFolder, id, parts);
}

void CUploadManager::convertVideo(const QString& filePath, const QString& workFolder, QList<uint> videoProfiles,
                                  QList<UploadPart>* parts)
{
    const uint id = ++*m_pRequestCounter;
    CVideoConverter* converter = new CVideoConverter(nullptr, filePath, workFolder, videoProfiles, false, id);
    connect(converter, &CVideoConverter::signalVideoBigThumbReady, this, &CUploadManager::signalBigThumbReady);
    connect(converter, &CVideoConverter::signalVideoConvertError, this, &CUploadManager::signalConvertError);

    CVideoConverter* previous;
    bool stopped;
    {
        std::lock_guard<std::mutex> lock(m_mutexHandles);
        previous = m_pVideoConverter;
        m_pVideoConverter = converter;
        stopped = m_bStop;
        if (!stopped)
            converter->start(QThread::LowestPriority);
    }
    delete previous;
    if (stopped)
        return;
    converter->wait();

    appendThumbnailParts(workFolder, id, parts);
    const QString prefix = workFolder + QLatin1Char('/') + QString::number(id);
    for (uint profile : videoProfiles) {
        if (profile >= sizeof(VideoOutputs) / sizeof(VideoOutputs[0]))
            continue;
        const QString path = prefix + QLatin1String(VideoOutputs[profile].name);
        if (!QFile::exists(path))
            continue;
        UploadPart part;
        part.insert(UPLOAD_PART_PATH, path);
        part.insert(UPLOAD_PART_TYPE, QLatin1String(VideoOutputs[profile].type));
        parts->append(part);
    }
}
