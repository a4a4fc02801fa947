// The photo-upload page's upload: the options kept in the settings, the destination chosen in the
// album dialog, the checks and the start of the worker, its progress, status and thumbnail, the
// cancel, the result box at the end and the work-folder clean-up at close.
#include "CVorkWindowPhotoUpload.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>

#include <climits>

#include "CPhotoUploadConfig.h"
#include "CUploadManager.h"
#include "CVorkDialogUpdDirSelection.h"
#include "CVorkDialogUpdResult.h"
#include "StringTable.h"

namespace {

const char kHighQualityKey[] = "is_video_high_quality_checked";
const char kMediumQualityKey[] = "is_video_medium_quality_checked";
const char kLowQualityKey[] = "is_video_low_quality_checked";
const char kMobileQualityKey[] = "is_video_mobile_quality_checked";
const char kDuplicateKey[] = "duplicated_file_handle";

// Video profile ids as the video converter knows them.
const uint kProfileHigh = 0;
const uint kProfileMedium = 1;
const uint kProfileLow = 2;
const uint kProfileMobile = 3;

// The progress bar creeps one step a second per started 20 MiB of the file in hand.
const qint64 kBytesPerProgressSecond = 20971520;

void storeOption(const char *key, const QVariant &value)
{
    QSettings settings;
    settings.beginGroup(CVorkWindowPhotoUpload::strSettingsGroup);
    settings.setValue(QLatin1String(key), value);
    settings.endGroup();
}

void warn(QWidget *parent, int text)
{
    QMessageBox::warning(parent, getString(IDS_PHOTO_CAPTION), getString(text), QMessageBox::Ok);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Options

void CVorkWindowPhotoUpload::loadVideoQualityOptions()
{
    QSettings settings;
    settings.beginGroup(strSettingsGroup);
    const struct {
        const char *key;
        bool fallback;
        QCheckBox *box;
    } options[] = {
        {kHighQualityKey, false, m_pcboxVdoHighQty},
        {kMediumQualityKey, true, m_pcboxVdoNormalQty},
        {kLowQualityKey, false, m_pcboxVdoLowQty},
        {kMobileQualityKey, true, m_pcboxVdoMobileQty},
    };
    for (const auto &option : options) {
        const QString key = QLatin1String(option.key);
        if (!settings.contains(key))
            settings.setValue(key, option.fallback);
        // Showing a stored value is not a change to store again.
        const QSignalBlocker blocker(option.box);
        option.box->setChecked(settings.value(key).toBool());
    }
    settings.endGroup();
}

void CVorkWindowPhotoUpload::loadDuplicateOption()
{
    QSettings settings;
    settings.beginGroup(strSettingsGroup);
    const QString key = QLatin1String(kDuplicateKey);
    int index = 0;
    if (!settings.contains(key))
        settings.setValue(key, QStringLiteral("0"));
    else
        index = settings.value(key).toString().toInt();
    settings.endGroup();

    // Filling the list moves its current index on the way; none of those moves is the user's.
    const QSignalBlocker blocker(m_pcboboxDuplicateFile);
    m_pcboboxDuplicateFile->clear();
    m_pcboboxDuplicateFile->insertItem(0, getString(IDS_PHOTO_DUPLI_RENAME));
    m_pcboboxDuplicateFile->insertItem(1, getString(IDS_PHOTO_DUPLI_SKIP));
    m_pcboboxDuplicateFile->insertItem(2, getString(IDS_PHOTO_DUPLI_OVERWRITE));
    // An index outside the list selects nothing; the worker then renames.
    m_pcboboxDuplicateFile->setCurrentIndex(index);
}

void CVorkWindowPhotoUpload::slotVideoHighStateChanged(int iState)
{
    storeOption(kHighQualityKey, iState != 0);
}

void CVorkWindowPhotoUpload::slotVideoMediumStateChanged(int iState)
{
    storeOption(kMediumQualityKey, iState != 0);
}

void CVorkWindowPhotoUpload::slotVideoLowStateChanged(int iState)
{
    storeOption(kLowQualityKey, iState != 0);
}

void CVorkWindowPhotoUpload::slotVideoMobileStateChanged(int iState)
{
    storeOption(kMobileQualityKey, iState != 0);
}

void CVorkWindowPhotoUpload::slotDuplicateFileIndexChanged(int iIndex)
{
    storeOption(kDuplicateKey, QString::number(iIndex));
}

QList<uint> CVorkWindowPhotoUpload::getSelectedVideoProfiles() const
{
    QList<uint> profiles;
    if (m_pcboxVdoLowQty->isChecked())
        profiles << kProfileLow;
    if (m_pcboxVdoNormalQty->isChecked())
        profiles << kProfileMedium;
    if (m_pcboxVdoHighQty->isChecked())
        profiles << kProfileHigh;
    if (m_pcboxVdoMobileQty->isChecked())
        profiles << kProfileMobile;
    return profiles;
}

// ---------------------------------------------------------------------------------------------
// Destination

void CVorkWindowPhotoUpload::slotUploadDirSelectClicked()
{
    if (!m_pCurrentConfig)
        return;
    CVorkDialogUpdDirSelection dialog(this, m_pNetworkManager, m_pCurrentConfig);
    const int result = dialog.exec();
    const QList<QTreeWidgetItem *> selected = dialog.m_ptrewServerDirTree->selectedItems();
    if (result == QDialog::Accepted && !selected.isEmpty()) {
        const QString path = selected.first()->data(0, Qt::UserRole).toString();
        m_ptextedtUploadRootPath->setText(path.isEmpty() ? QStringLiteral("/photo") : QStringLiteral("/photo/") + path);
        return;
    }
    if (dialog.isSessionLost())
        showInitialStatus();
}

// ---------------------------------------------------------------------------------------------
// Start

void CVorkWindowPhotoUpload::slotPhotoUploadClicked()
{
    if (!m_pCurrentConfig)
        return;
    if (m_ptextedtUploadRootPath->text().isEmpty()) {
        warn(this, IDS_PHOTO_WARN_SEL_FOLDER);
        return;
    }
    if (m_fileModel.rowCount() == 0) {
        warn(this, IDS_PHOTO_WARN_SEL_FILE);
        return;
    }
    const QList<uint> profiles = getSelectedVideoProfiles();
    if (profiles.isEmpty()) {
        warn(this, IDS_PHOTO_WARN_SEL_VDO_QTY);
        return;
    }

    // A cancelled worker may still be ending its step; it must be gone before the failed-file
    // list and the conversion counter are handed to the next one.
    releaseUploadManager();

    m_pprobarUploadProgress->setValue(0);
    m_plstFailedFiles->clear();
    m_iNextProgress = 0;

    const QString destination = m_ptextedtUploadRootPath->text();
    const QString photoPrefix = QStringLiteral("/photo/");
    const QString serverPath = destination.startsWith(photoPrefix) ? destination.mid(photoPrefix.size()) : QString();

    // The session cookies of the photo server, without the personal site's part of the address.
    const QUrl cookieUrl(QStringLiteral("http://") + m_pCurrentConfig->getHostAddr() + QLatin1Char(':') +
                         QString::number(m_pCurrentConfig->getHostPort()));
    const QList<QNetworkCookie> cookies = m_pNetworkManager->cookieJar()->cookiesForUrl(cookieUrl);

    m_pUploadManager = new CUploadManager(this, m_pCurrentConfig, &m_fileModel, serverPath, &m_hashCustomTitles,
                                          &m_hashCustomDescs, &m_hashExcludedPaths, m_pcboxOnlyIdxableFile->isChecked(),
                                          m_pcboxNotUploadHidden->isChecked(), profiles,
                                          m_pcboboxDuplicateFile->currentIndex(), &m_iConvertReqID,
                                          m_plstFailedFiles, &cookies);
    connect(m_pUploadManager, SIGNAL(signalProcessStatusChanged(QString)), this, SLOT(slotProcessStatusChanged(QString)));
    connect(m_pUploadManager, SIGNAL(signalProcessFileChanged(QString)), this, SLOT(slotProcessFileChanged(QString)));
    connect(m_pUploadManager, SIGNAL(signalUploadProgressChanged(int, int, int, int, qint64)), this,
            SLOT(slotUploadProgressChanged(int, int, int, int, qint64)));
    connect(m_pUploadManager, SIGNAL(signalBigThumbReady(QString)), this, SLOT(slotUploadBigThumbReady(QString)));
    connect(m_pUploadManager, SIGNAL(signalConvertError(QString)), this, SLOT(slotUploadConvertError(QString)));
    connect(m_pUploadManager, SIGNAL(signalUploadFinished()), this, SLOT(slotUploadFinished()));
    connect(m_pUploadManager, SIGNAL(signalConnectionSessionLost()), this, SLOT(slotConnectionSessionLost()));
    m_pUploadManager->start(QThread::LowestPriority);
    setUploadMode(true);
}

void CVorkWindowPhotoUpload::releaseUploadManager()
{
    if (!m_pUploadManager)
        return;
    CUploadManager *worker = m_pUploadManager;
    m_pUploadManager = nullptr;
    // Its queued reports are of no use any more.
    worker->disconnect(this);
    worker->stopAndWait();
    delete worker;
}

bool CVorkWindowPhotoUpload::isFromOldWorker() const
{
    // Reports still queued from a worker that was cancelled or replaced.
    const CUploadManager *from = qobject_cast<const CUploadManager *>(sender());
    return from && from != m_pUploadManager;
}

// ---------------------------------------------------------------------------------------------
// Progress

void CVorkWindowPhotoUpload::slotProcessStatusChanged(QString strNewStatus)
{
    if (isFromOldWorker())
        return;
    m_plblUploadStatus->setText(strNewStatus);
}

void CVorkWindowPhotoUpload::slotProcessFileChanged(QString strNewProcessFileName)
{
    if (isFromOldWorker())
        return;
    m_plblProcessThumbnail->clear();
    m_plblCurrentProcessFile->setVisible(true);
    m_plblCurrentProcessFile->setText(strNewProcessFileName);
}

void CVorkWindowPhotoUpload::slotUploadProgressChanged(int iNewProgress, int iNumCompleted, int iNumTotalFile,
                                                       int iNextProgress, qint64 i64FileSize)
{
    if (isFromOldWorker())
        return;
    // The bar never moves back.
    if (m_pprobarUploadProgress->value() < iNewProgress)
        m_pprobarUploadProgress->setValue(iNewProgress);
    m_plblNumCompleted->setText(QString::number(iNumCompleted));
    m_plblNumTotal->setText(QString::number(iNumTotalFile));
    m_iNextProgress = iNextProgress;
    m_ptmrProgress->start(progressTickInterval(i64FileSize));
}

int CVorkWindowPhotoUpload::progressTickInterval(qint64 i64FileSize)
{
    const qint64 seconds = i64FileSize / kBytesPerProgressSecond + 1;
    // A size no file has (negative, or beyond what the timer can count) still gives a tick.
    if (seconds < 1)
        return PROGRESS_INTERVAL_MS;
    if (seconds > INT_MAX / 1000)
        return (INT_MAX / 1000) * 1000;
    return static_cast<int>(seconds * 1000);
}

void CVorkWindowPhotoUpload::slotUpdateUploadProgress()
{
    // Between two reports the bar creeps towards the announced value and stops one short.
    const int value = m_pprobarUploadProgress->value();
    if (value + 1 < m_iNextProgress)
        m_pprobarUploadProgress->setValue(value + 1);
}

void CVorkWindowPhotoUpload::slotUploadBigThumbReady(QString strBigThumbPath)
{
    if (isFromOldWorker())
        return;
    QLabel *label = m_plblProcessThumbnail;
    if (strBigThumbPath.isEmpty()) {
        label->setText(getString(IDS_PHOTO_THUMB_TEXT_GENERATING));
        return;
    }
    QPixmap pixmap;
    if (!pixmap.load(strBigThumbPath)) {
        label->setText(getString(IDS_PHOTO_THUMB_TEXT_ERROR));
        return;
    }
    if (pixmap.width() > label->width() || pixmap.height() > label->height())
        label->setPixmap(pixmap.scaled(label->size(), Qt::KeepAspectRatio, Qt::FastTransformation));
    else
        label->setPixmap(pixmap);
}

void CVorkWindowPhotoUpload::slotUploadConvertError(QString strErrorFilePath)
{
    if (isFromOldWorker())
        return;
    m_plblProcessThumbnail->setText(getString(IDS_PHOTO_ERR_CONVERT_FAIL).arg(strErrorFilePath));
}

// ---------------------------------------------------------------------------------------------
// End

void CVorkWindowPhotoUpload::slotUploadFinished()
{
    // A run that was cancelled has no result to show.
    if (isFromOldWorker() || !m_bUploading)
        return;
    const int errors = m_plstFailedFiles->size();
    const int total = m_plblNumTotal->text().toInt();
    const int successes = total - errors;

    CVorkDialogUpdResult result(this);
    // The counts are the headline, the question the line below it.
    result.setText(getString(IDS_PHOTO_FINISH_SUMMARY).arg(successes).arg(errors));
    result.setInformativeText(getString(IDS_PHOTO_LBL_CONNT_IMAGROVE));
    if (errors > 0) {
        QString details = getString(IDS_PHOTO_UPD_ERR_REPORT_MSG);
        for (const QString &failed : *m_plstFailedFiles)
            details += QStringLiteral("\r\n\r\n") + failed;
        result.setDetailedText(details);
    }
    if (result.exec() == QDialog::Accepted)
        openAlbumInBrowser();
    clearFileList();
    setUploadMode(false);
}
