#ifndef CUPLOADMANAGER_H
#define CUPLOADMANAGER_H

#include <QHash>
#include <QList>
#include <QNetworkCookie>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <mutex>

class CImageConverter;
class CPhotoUploadConfig;
class CVideoConverter;
class QFile;
class QFileInfo;
class QNetworkReply;
class QStandardItemModel;

// One entry of the upload: a file or folder that will exist on the server.
//   "FILE_PATH"            local path (as the page holds it for an added entry, absolute inside
//                          an added folder)
//   "UPLOAD_FOLDER_LEVEL"  depth below the added entry in decimal ("0" for the added entry)
//   "UPLOAD_SERVER_PATH"   album path on the server that the entry goes into
typedef QHash<QString, QString> UploadJob;

// One file to send for the current job:
//   0  local path of the file (the folder's path for a folder)
//   1  part type, one of the UploadPartType texts
//   2  custom title, 3 custom description (on a folder's own part only): the text's UTF-8 bytes,
//      one character per byte, cut at the first zero byte
typedef QHash<int, QString> UploadPart;

// Keys of UploadJob.
extern const QString strJobFilePath;
extern const QString strJobFolderLevel;
extern const QString strJobServerPath;

// Keys of UploadPart.
enum UploadPartKey {
    UPLOAD_PART_PATH = 0,
    UPLOAD_PART_TYPE = 1,
    UPLOAD_PART_TITLE = 2,
    UPLOAD_PART_DESC = 3,
};

// The part types, sent to the server as they stand.
namespace UploadPartType {
extern const char ORIG_FILE[];
extern const char FOLDER[];
extern const char THUM_B[];
extern const char THUM_L[];
extern const char THUM_M[];
extern const char THUM_S[];
extern const char THUM_XL[];
extern const char MP4_HIGH[];
extern const char MP4_MEDIUM[];
extern const char MP4_LOW[];
extern const char MP4_MOBILE[];
extern const char CUST_TITLE[];
extern const char CUST_DESC[];
} // namespace UploadPartType

// The upload worker: one thread per upload to the server's photo web application.
//
// The page builds one worker per upload in the GUI thread, connects its seven signals and starts
// it with start(QThread::LowestPriority). run() empties the work folder, builds the job list,
// announces the run's files to the server, makes the derived files of each job with the converter
// threads and sends every part of a job with one PUT, one request at a time. Each request is sent
// from the worker thread through a network manager of its own; the worker thread then waits in
// its own event loop until the reply handler, which runs in the GUI thread (the worker object
// lives there), has read the reply and quits that loop. The GUI thread must therefore keep its
// event loop running while an upload runs.
//
// terminate() (the worker's own slot, not QThread's) stops the run: the converter in hand is
// stopped and waited for, the pending request aborted; run() then ends without a closing signal.
// Deleting a worker whose thread still runs stops it first and waits for it (stopAndWait).
//
// It also holds the file-type knowledge of the photo uploader: five sets of lower-case file-name
// suffixes (without the dot), filled by every constructor. Code that needs only those sets builds a
// short-lived worker with null pointers, empty texts and lists and zeros, and never starts it.
class CUploadManager : public QThread
{
    Q_OBJECT

public:
    CUploadManager(QObject* parent, CPhotoUploadConfig* config, QStandardItemModel* fileModel,
                   const QString& uploadRootPath, QHash<QString, QString>* customTitles,
                   QHash<QString, QString>* customDescs, QHash<QString, bool>* excludedPaths,
                   bool onlyIndexable, bool skipHidden, const QList<uint>& videoProfiles,
                   int duplicateMode, uint* requestCounter, QStringList* failedFiles,
                   const QList<QNetworkCookie>* cookies);
    // Stops a running upload and waits for its thread (see stopAndWait).
    ~CUploadManager() override;

    // Stops the upload (terminate) and returns once the worker thread has ended. Call it from the
    // GUI thread: while it waits it delivers the worker's own reply-handler calls, so that a
    // pending request can end. Nothing else of the GUI thread's event queue is processed.
    void stopAndWait();

    // File types by suffix (any case, without the dot).
    // True when the suffix names a camera RAW file.
    bool isRawFile(const QString& suffix) const;
    // 1 supported photo, 2 supported video, 3 neither.
    int getSupportedFileType(const QString& suffix) const;
    // 0 convertible photo, 1 convertible video, 2 neither.
    int getConvertType(const QString& suffix) const;
    // Bare suffixes (no dot): the photo set, the video set, and photos followed by videos.
    QStringList getSupportedPhotoSuffixes() const;
    QStringList getSupportedVideoSuffixes() const;
    QStringList getSupportedSuffixes() const;

    // The job list of the upload: the page's rows in order, each folder followed at once by its
    // whole subtree (folders first at each level). A new list that the caller owns.
    QList<UploadJob>* addJob();
    // Appends the jobs for the contents of one folder, recursively.
    void addFolderJobs(QList<UploadJob>* list, const QString& folderPath, const QString& serverPath,
                       int level);
    // Puts the custom title and description of a folder job on its own part.
    void setFolderCustomInfo(const QString& filePath, const QString& level, UploadPart* part);
    // Writes the custom title and description of a converted file into TITLE and DESC in the work
    // folder and appends a part for each file written.
    void addMediaCustomInfoParts(const QString& filePath, const QString& workFolder,
                                 const QString& level, QList<UploadPart>* parts);

public slots:
    // Stops the upload: sets the stop flag, stops the running converter and waits until its thread
    // has ended (polling every 10 ms), then aborts the pending request. The run ends at its next
    // check without a closing signal. This is the worker's own slot; it hides QThread::terminate,
    // so it must be called on a CUploadManager, never through a QThread pointer.
    void terminate();

signals:
    void signalProcessStatusChanged(QString strNewStatus);
    void signalProcessFileChanged(QString strNewProcessFileName);
    void signalUploadProgressChanged(int iNewProgress, int iNumCompleted, int iNumTotalFile,
                                     int iNextProgress, qint64 i64FileSize);
    void signalBigThumbReady(QString strThumbPath);
    void signalConvertError(QString strErrorFilePath);
    void signalUploadFinished();
    void signalConnectionSessionLost();

protected:
    void run() override;

private slots:
    void slotUploadInitRequestFinished();
    void slotFileUploadRequestFinished();

private:
    friend class TestUploadWorker;

    // The run from the upload-init request to the end of the last job. True when the run reached
    // its end (no job at all included); false when it stopped or lost its session.
    bool uploadJobs(const QList<UploadJob>& jobs, const QString& workFolder);
    // The file list of the upload-init request: server path + "/" + name of every job whose file
    // exists and is not a folder, joined by "/FolderDelimiter/", as UTF-8.
    static QByteArray uploadInitList(const QList<UploadJob>& jobs);
    // The upload-init body: the list as the single "filelist" part of a multipart form.
    static QByteArray uploadInitBody(const QByteArray& boundary, const QByteArray& list);
    // Announces every file of the run to the server and fills the two refusal sets from the reply.
    void sendUploadInitRequest(const QList<UploadJob>& jobs);
    // Sends every part of m_pParts, one PUT at a time, until done or stopped.
    void uploadFile(bool isLastJob);
    // Makes the five thumbnails of a photo and appends a part for each one that loads.
    void convertPhoto(const QString& filePath, const QString& workFolder, QList<UploadPart>* parts);
    // Makes the thumbnails and the chosen web versions of a video and appends their parts.
    void convertVideo(const QString& filePath, const QString& workFolder, QList<uint> videoProfiles,
                      QList<UploadPart>* parts);
    // Thumbnail parts of conversion `id` that load as images, in the fixed order B, L, M, S, XL.
    void appendThumbnailParts(const QString& workFolder, uint id, QList<UploadPart>* parts) const;

    // Stores a new pending reply (under the handle lock), connects its end to `handler` and waits
    // in the worker thread's event loop until the handler quits it.
    void waitForReply(QNetworkReply* reply, QNetworkReply** member, const char* handler);
    // The pending reply of `member`, read under the handle lock.
    QNetworkReply* pendingReply(QNetworkReply* const* member);
    // Clears `member` under the handle lock and deletes the reply it held.
    void forgetReply(QNetworkReply** member);

    void emitProgress(int progress, int done, int total, int next, qint64 size);

    // Whether the hidden and only-indexable options leave the entry out.
    bool isFilteredOut(const QFileInfo& info) const;

    void initRawFileTypes();
    void initSupportedFileTypes();
    void initConvertibleFileTypes();

    QHash<QString, bool> m_hashSupportedPhotoTypes;
    QHash<QString, bool> m_hashSupportedVideoTypes;
    QHash<QString, bool> m_hashConvertiblePhotoTypes;
    QHash<QString, bool> m_hashConvertibleVideoTypes;
    QHash<QString, bool> m_hashRawTypes;
    QHash<QString, bool> m_hashNoPrivilegeFiles;
    QHash<QString, bool> m_hashDuplicatedFiles;
    QStringList* m_pFailedFiles;
    QString m_strUploadRootPath;
    QStandardItemModel* m_pFileModel;
    QHash<QString, QString>* m_pCustomTitles;
    QHash<QString, QString>* m_pCustomDescs;
    QHash<QString, bool>* m_pExcludedPaths;
    CPhotoUploadConfig* m_pConfig;
    QList<uint> m_listVideoProfiles;
    int m_iDuplicateMode;
    int m_iCurrentPart;
    uint* m_pRequestCounter;
    bool m_bOnlyIndexable;
    bool m_bSkipHidden;
    // Written by the reply handlers (GUI thread) and by terminate, read by the worker thread.
    std::atomic<bool> m_bSessionLost;
    std::atomic<bool> m_bStop;
    // State of a running upload: null until the run sets them. The part list is allocated empty
    // by the constructor and owned by the worker.
    CImageConverter* m_pImageConverter;
    CVideoConverter* m_pVideoConverter;
    QList<UploadPart>* m_pParts;
    QNetworkReply* m_pInitReply;
    QNetworkReply* m_pFileUploadReply;
    QList<QNetworkCookie> m_listCookies;
    QFile* m_pUploadFile;
    // Guards the converter and reply pointers, which terminate() reads from the GUI thread while
    // the worker thread replaces, creates and deletes what they point to.
    std::mutex m_mutexHandles;
};

#endif // CUPLOADMANAGER_H
