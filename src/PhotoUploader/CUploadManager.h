#ifndef CUPLOADMANAGER_H
#define CUPLOADMANAGER_H

#include <QHash>
#include <QList>
#include <QNetworkCookie>
#include <QString>
#include <QStringList>
#include <QThread>

class CPhotoUploadConfig;
class QStandardItemModel;

// The upload worker: one thread per upload to the server's photo web application.
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
    ~CUploadManager() override;

    // True when the suffix (any case, without the dot) names a camera RAW file.
    bool isRawFile(const QString& suffix) const;

private:
    void initRawFileTypes();
    void initSupportedFileTypes();
    void initConvertibleFileTypes();

    QHash<QString, bool> m_hashSupportedPhotoTypes;
    QHash<QString, bool> m_hashSupportedVideoTypes;
    QHash<QString, bool> m_hashConvertiblePhotoTypes;
    QHash<QString, bool> m_hashConvertibleVideoTypes;
    QHash<QString, bool> m_hashRawTypes;
    QStringList* m_pFailedFiles;
    QString m_strUploadRootPath;
    QStandardItemModel* m_pFileModel;
    QHash<QString, QString>* m_pCustomTitles;
    QHash<QString, QString>* m_pCustomDescs;
    QHash<QString, bool>* m_pExcludedPaths;
    CPhotoUploadConfig* m_pConfig;
    QList<uint> m_listVideoProfiles;
    int m_iDuplicateMode;
    uint* m_pRequestCounter;
    bool m_bOnlyIndexable;
    bool m_bSkipHidden;
    bool m_bSessionLost;
    bool m_bStop;
    QList<QNetworkCookie> m_listCookies;
};

#endif // CUPLOADMANAGER_H
