#ifndef CVORKWINDOWPHOTOUPLOAD_H
#define CVORKWINDOWPHOTOUPLOAD_H

#include <QString>

#include "CVorkNasinfoMap.h"
#include "CVorkWindowMainTab.h"
#include "ui_CVorkWindowPhotoUpload.h"

class CPhotoUploadConfig;
class QCloseEvent;
class QTreeWidgetItem;

// The photo-upload page of the main window.
//
// Left: the stored photo-server profiles, one row per profile (profile name, account), sorted
// by name; each row carries its profile key as user data. Right: a panel whose first page tells
// the user how to start. Adding and editing a profile are handed to the main window
// (signalPhotoServerAdd, signalPhotoServerEdit), which runs the profile wizard and calls back
// slotConfigRemoved / slotConfigAdded. While an upload runs (upload mode) the page holds up
// quitting. GUI thread only.
class CVorkWindowPhotoUpload : public CVorkWindowMainTab, public Ui::CVorkWindowPhotoUpload
{
    Q_OBJECT

public:
    // The settings group of the stored profiles.
    static const QString strRegisteredHostsGroup;
    // The page's work folder inside the system's temporary folder.
    static const QString strTempFolderName;

    // Built once by the main window, which is also its parent.
    explicit CVorkWindowPhotoUpload(QWidget *parent = nullptr);
    ~CVorkWindowPhotoUpload() override;

    // True while an upload runs.
    bool hasUnfinishedTasks() override;

    // Enters (true) or leaves (false) upload mode: while an upload runs the server list and the
    // profile actions Edit and Remove are disabled.
    void setUploadMode(bool blUploading);

    // Called by the main window when it closes: cancels a running upload, then removes the
    // plain files of the work folder and the folder itself (sub-folders and hidden files stay,
    // and with them the folder).
    void cleanUpTempFolder();

    // Absolute path of the work folder.
    static QString tempFolderPath();

    // The current profile (the selected or last connected one); null when there is none.
    const CPhotoUploadConfig *currentConfig() const { return m_pCurrentConfig; }

signals:
    void signalPhotoServerAdd(CVorkNasinfoMap::TKey key);
    void signalPhotoServerEdit(QString strPhotoConfigKey);
    void signalAboutTriggered();
    void signalPrefTriggered();

public slots:
    // Sets the init flag when it is clear; nothing else.
    void slotDelayedInit() override;
    // Lists the profile (the page does not keep the record; the caller does). With
    // `blToConnect` and no upload running, its row becomes the current one and the profile is
    // loaded anew from the settings as the current profile.
    void slotConfigAdded(CPhotoUploadConfig *pPhotoConfig, bool blToConnect);
    // Removes the profile's settings group and its row.
    void slotConfigRemoved(QString strPhotoConfigKey);
    // Lists every stored profile again.
    void slotConfigReloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void languageChange() override;

private slots:
    void slotAddTriggered();
    void slotEditTriggered();
    void slotRemoveTriggered();
    void slotAboutTriggered();
    void slotPrefTriggered();
    void slotHelpTriggered();
    void slotServerListItemSelectionChanged();

private:
    void addServerItem(const CPhotoUploadConfig *pPhotoConfig);
    void removeServerItem(const CPhotoUploadConfig *pPhotoConfig);
    QTreeWidgetItem *findServerItem(const QString &strKey) const;
    void setCurrentConfig(CPhotoUploadConfig *pPhotoConfig);
    void enableProfileActions(bool blEnable);

    CPhotoUploadConfig *m_pCurrentConfig;
    bool m_bUploading;
};

#endif // CVORKWINDOWPHOTOUPLOAD_H
