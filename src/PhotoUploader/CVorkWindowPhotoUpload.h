#ifndef CVORKWINDOWPHOTOUPLOAD_H
#define CVORKWINDOWPHOTOUPLOAD_H

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QSet>
#include <QStandardItemModel>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "CVorkNasinfoMap.h"
#include "CVorkWindowMainTab.h"
#include "ui_CVorkWindowPhotoUpload.h"

class CImageConverter;
class CPhotoUploadConfig;
class CUploadManager;
class CVideoConverter;
class QCloseEvent;
class QDir;
class QEvent;
class QFileInfo;
class QNetworkAccessManager;
class QNetworkReply;
class QResizeEvent;
class QThread;
class QTimer;
class QTreeWidgetItem;

// The photo-upload page of the main window.
//
// Left: the stored photo-server profiles (profile name and account, sorted by name; the profile
// key travels in each row's data) above the thumbnail area. Right: a stacked panel with three
// pages: 0 the server page, whose status label tells the user what to do or why the login
// failed; 1 the upload settings (destination, contents, options); 2 the upload progress.
//
// Selecting a profile logs in to the server's photo web application at once, asking for the
// password when it is not stored. The page's one network manager carries the login, the
// keep-alive and the album dialog's requests; its cookie store keeps the web session cookie.
// Adding and editing a profile are handed to the main window (signalPhotoServerAdd,
// signalPhotoServerEdit), which runs the profile wizard and calls back slotConfigRemoved and
// slotConfigAdded. GUI thread only.
class CVorkWindowPhotoUpload : public CVorkWindowMainTab, public Ui::CVorkWindowPhotoUpload
{
    Q_OBJECT
    friend class TestPhotoFileList;
    friend class TestPhotoPreview;
    friend class TestPhotoUploadRun;

public:
    // Interval of the keep-alive timer while an upload runs: 20 minutes.
    static const int KEEP_ALIVE_INTERVAL_MS = 1200000;
    // Interval of the progress timer while an upload runs.
    static const int PROGRESS_INTERVAL_MS = 1000;
    // The settings group of the page's options.
    static const QString strSettingsGroup;
    // The settings group of the stored profiles.
    static const QString strRegisteredHostsGroup;

    explicit CVorkWindowPhotoUpload(QWidget *parent = nullptr);
    ~CVorkWindowPhotoUpload() override;

    // True while an upload runs.
    bool hasUnfinishedTasks() override;

    // Called once when the program closes: cancels a running upload, then removes the files of
    // the user's work folder in the system temporary folder (PhotoWorkFolder) and the folder
    // itself (it stays when it still holds a sub-folder or a hidden file).
    void cleanUpTempFolder();
    // Absolute path of the work folder (PhotoWorkFolder::path).
    static QString tempFolderPath();

    // Browse depth of the file table: entering a folder disables the add buttons and enables
    // Go Back; leaving the last level does the reverse.
    void enterFolderLevel();
    void leaveFolderLevel();
    // True when the file table's header shows its sort indicator on one of its columns.
    bool isFileTableSorted() const;

    // Enters or leaves upload mode: while on, the server list and the profile actions are
    // disabled, the thumbnail group hidden, the progress page shown and the keep-alive and
    // progress timers run; when off, the settings page comes back and both timers stop.
    void setUploadMode(bool blUploading);

    // The profile ids of the checked video qualities, appended in the order low (2), medium (1),
    // high (0), mobile (3).
    QList<uint> getSelectedVideoProfiles() const;
    // The period of the progress timer while a file of that size is in hand: one second per
    // started 20 MiB.
    static int progressTickInterval(qint64 i64FileSize);

    // Starts a login to the profile's photo web application. With `useProfilePassword`, or when
    // the profile stores its password, the stored (scrambled) password is decoded and sent;
    // otherwise the user is asked for it (Cancel sends nothing). Only the reply of the latest
    // attempt counts.
    void sendLoginRequest(CPhotoUploadConfig *profile, bool useProfilePassword);
    // Opens the destination album of the current profile in the desktop's web browser, with the
    // session of the latest login in the address.
    void openAlbumInBrowser();

    // Read-only views, for inspection.
    CPhotoUploadConfig *currentConfig() const { return m_pCurrentConfig; }
    QNetworkAccessManager *networkManager() const { return m_pNetworkManager; }
    QTimer *keepAliveTimer() const { return m_ptmrKeepAlive; }
    QTimer *progressTimer() const { return m_ptmrProgress; }
    QTimer *previewTimer() const { return m_ptmrUIPreview; }
    const QByteArray &sessionCookie() const { return m_baSessionCookie; }
    int loginSerial() const { return m_iLoginSerial; }
    int folderLevel() const { return m_iFolderLevel; }

signals:
    void signalPhotoServerAdd(CVorkNasinfoMap::TKey key);
    void signalPhotoServerEdit(QString strPhotoConfigKey);
    void signalAboutTriggered();
    void signalPrefTriggered();

public slots:
    // The main window hands over a profile it has just saved. The page lists it and, when
    // `blToConnect` is set and no upload runs, logs in with the record's own password and makes
    // its row current. The record is the page's from here on; the page deletes it before the
    // call returns, so the caller must not use it afterwards.
    void slotConfigAdded(CPhotoUploadConfig *pPhotoConfig, bool blToConnect);
    // Removes a stored profile from the settings and its row from the list.
    void slotConfigRemoved(QString strPhotoConfigKey);
    // Lists every stored profile anew; the current profile and the right panel stay as they are.
    void slotConfigReloaded();
    void slotDelayedInit() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void languageChange() override;
    void changeEvent(QEvent *event) override;

private slots:
    // Profiles.
    void slotAddTriggered();
    void slotEditTriggered();
    void slotConnectTriggered();
    void slotRemoveTriggered();
    void slotAboutTriggered();
    void slotPrefTriggered();
    void slotHelpTriggered();
    void slotServerListItemSelectionChanged();
    void slotShowContextMenu(QPoint ptPosition);

    // Session.
    void slotLoginRequestFinished();
    void slotPreventConnectionTimeout();
    void slotConnectionSessionLost();

    // File list and file table.
    void slotPhotoFileAddClicked();
    void slotPhotoFolderAddClicked();
    void slotPhotoRemoveClicked();
    void slotBackToParentClicked();
    void slotTableCellDoubleClicked(int iRow, int iColumn);
    void slotTableCellChanged(int iRow, int iColumn);
    void slotTableCurrentCellChanged(int iCurRow, int iCurColumn, int iPreRow, int iPreColumn);
    void slotFileListTableHeaderClicked(int iSection);
    void slotSplitterMoved(int iPos, int iIndex);
    void slotOnlyIdxableFileToggled(bool blChecked);
    void slotNotUploadHiddenToggled(bool blChecked);

    // Upload options, start and progress.
    void slotVideoHighStateChanged(int iState);
    void slotVideoMediumStateChanged(int iState);
    void slotVideoLowStateChanged(int iState);
    void slotVideoMobileStateChanged(int iState);
    void slotDuplicateFileIndexChanged(int iIndex);
    void slotUploadDirSelectClicked();
    void slotPhotoUploadClicked();
    void slotUploadCancelClicked();
    void slotUpdateUploadProgress();

    // Reports of the upload worker.
    void slotProcessStatusChanged(QString strNewStatus);
    void slotProcessFileChanged(QString strNewProcessFileName);
    void slotUploadProgressChanged(int iNewProgress, int iNumCompleted, int iNumTotalFile, int iNextProgress,
                                   qint64 i64FileSize);
    void slotUploadBigThumbReady(QString strBigThumbPath);
    void slotUploadConvertError(QString strErrorFilePath);
    // The run has ended: the result box, then the list is emptied and upload mode left.
    void slotUploadFinished();

    // Previews.
    void slotProcessUIPreview();
    void slotUIPreviewThumbReady(QString strThumbPath, uint iUIPreviewReqID);
    void slotUIPreviewConvertError(QString strErrorFilePath, uint iUIPreviewReqID);
    void slotUIPreviewConverterFinished();

private:
    // Server list.
    void addServerItem(CPhotoUploadConfig *profile);
    // Takes the row of the profile key `key` out of the list; the current profile goes with it.
    void removeServerItem(const QString &key);
    QTreeWidgetItem *findServerItem(const QString &strKey) const;
    void setProfileActionsEnabled(bool blEnabled);
    // Makes `config` the current profile, deleting the one it replaces.
    void setCurrentConfig(CPhotoUploadConfig *config);
    // The server page with the first-step prompt.
    void showInitialStatus();
    // Drops the reply of the login in flight without letting it report.
    void discardLoginReply();

    // File list: the chosen top-level entries in m_fileModel and the keyed maps of titles,
    // descriptions and exclusions. Keys are "<depth>_<absolute path>".
    void initFileTypeNames();
    void getFileDialogFilter();
    void addFilesToList(QStringList *plstFiles);
    void addFolderToList(const QString &strFolderPath);
    void addDroppedUrls(const QList<QUrl> &urls);
    void removeSelectedTopRows();
    void removeSelectedFolderRows();
    void removeFolderSubItemKeys(const QString &strFolderPath);
    void removePreviewCacheBelow(const QString &strPathPrefix);
    void clearFileList();
    QString itemKey(const QString &strAbsolutePath) const;
    int fileTypeCode(const QFileInfo &info) const;

    // File table: six columns (name, type, title, description, size, date); rows of the
    // top-level list or of the folder being browsed.
    void initFileTableHeader();
    void fitTableColumns();
    void fillFileTable(const QFileInfo &info);
    void refillTopLevelTable();
    void showFolderInTable(const QDir &dir);
    void setRowTypeAppearance(int iRow, int iType, bool blHidden);
    void setRowEditable(int iRow);
    void setRowReadOnly(int iRow);
    void setRowDisabled(int iRow);
    void applyFileFilters();
    void setCellChangeTracking(bool blOn);

    // Previews: stops every preview converter still running and waits for its thread.
    void stopUIPreviews();
    void showThumbnailText(int iText);

    // Upload options.
    void loadDuplicateOption();
    void loadFileFilterOptions();
    void loadVideoQualityOptions();

    // Upload: waits for the thread of the last worker (it was told to stop or has ended) and
    // deletes it.
    void releaseUploadManager();
    // Whether the running slot reports for a worker that is no longer the page's.
    bool isFromOldWorker() const;

    CPhotoUploadConfig *m_pCurrentConfig;
    bool m_bUploading;
    int m_iFolderLevel;

    // Session.
    int m_iLoginSerial;
    QNetworkAccessManager *m_pNetworkManager;
    QNetworkReply *m_pLoginReply;
    QByteArray m_baSessionCookie;

    // Timers, children of the page.
    QTimer *m_ptmrKeepAlive;
    QTimer *m_ptmrProgress;
    QTimer *m_ptmrUIPreview;

    // Upload and previews.
    QStringList *m_plstFailedFiles;
    CUploadManager *m_pUploadManager;
    CImageConverter *m_pUIPreviewImageConverter;
    CVideoConverter *m_pUIPreviewVideoConverter;
    // The progress the worker announced for the end of its current step.
    int m_iNextProgress;
    // Conversion request counter, counted up by the worker.
    uint m_iConvertReqID;

    // File list.
    QStandardItemModel m_fileModel;
    QHash<QString, QPersistentModelIndex> m_hashFileIndexes;
    QHash<QString, QString> m_hashCustomTitles;
    QHash<QString, QString> m_hashCustomDescs;
    QHash<QString, bool> m_hashExcludedPaths;
    QString m_strFileDialogFilter;

    // File table.
    QHash<int, QString> m_hashFileTypeNames;
    QHash<int, QIcon> m_hashFileTypeIcons;
    // Lower-case suffix to type code 1 (photo) or 2 (video); every other suffix is 3.
    QHash<QString, int> m_hashSuffixTypeCodes;
    QString m_strCurrentFolder;

    // Previews.
    uint m_iUIPreviewReqID;
    QHash<QString, QString> m_hashPreviewThumbs;
    QString m_strUIPreviewThumbPath;
    bool m_bThumbAreaSized;
    // Every preview converter whose thread has not reported its end yet.
    QSet<QThread *> m_setUIPreviewConverters;
};

#endif // CVORKWINDOWPHOTOUPLOAD_H
