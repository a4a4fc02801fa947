#include "CVorkWindowPhotoUpload.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTreeWidgetItem>

#include "CPhotoUploadConfig.h"
#include "CVorkHelpBrowser.h"
#include "PhotoWizardBox.h"
#include "StringTable.h"

const QString CVorkWindowPhotoUpload::strRegisteredHostsGroup =
    QStringLiteral("PhotoUploader/RegisteredHosts/");
const QString CVorkWindowPhotoUpload::strTempFolderName = QStringLiteral("VORK_PHOTO_TEMP");

CVorkWindowPhotoUpload::CVorkWindowPhotoUpload(QWidget *parent)
    : CVorkWindowMainTab(parent), m_pCurrentConfig(nullptr), m_bUploading(false)
{
    setupUi(this);
    languageChange();
    statusBar()->hide();
    slotConfigReloaded();
    enableProfileActions(false);
    m_pstkwRightPanel->setCurrentIndex(0);
}

CVorkWindowPhotoUpload::~CVorkWindowPhotoUpload()
{
    delete m_pCurrentConfig;
}

bool CVorkWindowPhotoUpload::hasUnfinishedTasks()
{
    return m_bUploading;
}

void CVorkWindowPhotoUpload::slotDelayedInit()
{
    if (!m_blInit)
        m_blInit = true;
}

void CVorkWindowPhotoUpload::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void CVorkWindowPhotoUpload::languageChange()
{
    m_pactAdd->setText(getString(IDS_BTN_RSRC_ADD));
    m_pactAdd->setToolTip(QString());
    m_pactEdit->setText(getString(IDS_BTN_RSRC_EDIT));
    m_pactEdit->setToolTip(QString());
    m_pactRemove->setText(getString(IDS_BTN_RSRC_REMOVE));
    m_pactRemove->setToolTip(QString());
    m_pactPreferences->setToolTip(getString(IDS_TOOL_TIPS_PREFERENCE));
    m_pactAbout->setToolTip(getString(IDS_TOOL_TIPS_ABOUT));
    m_pactHelp->setToolTip(getString(IDS_TOOLBAR_HELP));
    m_plblConnectStatus->setText(
        getString(IDS_PHOTO_CONNT_STATUS_INIT).arg(getString(IDS_BTN_RSRC_ADD)));
    m_ptrwServerList->setHeaderLabels(QStringList() << getString(IDS_PHOTO_LBL_PROFILE)
                                                    << getString(IDS_PHOTO_LBL_ACCOUNT));
}

void CVorkWindowPhotoUpload::enableProfileActions(bool blEnable)
{
    m_pactEdit->setEnabled(blEnable);
    m_pactRemove->setEnabled(blEnable);
}

void CVorkWindowPhotoUpload::setUploadMode(bool blUploading)
{
    m_bUploading = blUploading;
    m_ptrwServerList->setEnabled(!blUploading);
    enableProfileActions(!blUploading);
}

QString CVorkWindowPhotoUpload::tempFolderPath()
{
    return QDir(QDir::tempPath()).absolutePath() + QLatin1Char('/') + strTempFolderName;
}

void CVorkWindowPhotoUpload::cleanUpTempFolder()
{
    if (m_bUploading)
        setUploadMode(false);

    QDir folder(tempFolderPath());
    if (!folder.exists())
        return;
    const QStringList files = folder.entryList(QDir::Files, QDir::Unsorted);
    for (const QString &name : files)
        folder.remove(name);
    if (folder.cdUp())
        folder.rmdir(strTempFolderName);
}

QTreeWidgetItem *CVorkWindowPhotoUpload::findServerItem(const QString &strKey) const
{
    for (int i = 0; i < m_ptrwServerList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_ptrwServerList->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toString() == strKey)
            return item;
    }
    return nullptr;
}

void CVorkWindowPhotoUpload::addServerItem(const CPhotoUploadConfig *pPhotoConfig)
{
    if (!pPhotoConfig)
        return;
    QTreeWidgetItem *item = new QTreeWidgetItem(m_ptrwServerList);
    item->setData(0, Qt::UserRole, pPhotoConfig->getKey());
    item->setText(0, pPhotoConfig->getProfile());
    item->setText(1, pPhotoConfig->getAccount());
    m_ptrwServerList->sortItems(0, Qt::AscendingOrder);
    m_ptrwServerList->resizeColumnToContents(0);
    m_ptrwServerList->resizeColumnToContents(1);
}

void CVorkWindowPhotoUpload::removeServerItem(const CPhotoUploadConfig *pPhotoConfig)
{
    if (!pPhotoConfig)
        return;
    const QString key = pPhotoConfig->getKey();
    QTreeWidgetItem *item = findServerItem(key);
    if (!item)
        return;
    if (m_pCurrentConfig && m_pCurrentConfig->getKey() == key) {
        setCurrentConfig(nullptr);
        m_ptrwServerList->setCurrentItem(nullptr);
        m_ptrwServerList->clearSelection();
        m_plblConnectStatus->setText(
            getString(IDS_PHOTO_CONNT_STATUS_INIT).arg(getString(IDS_BTN_RSRC_ADD)));
        m_pstkwRightPanel->setCurrentIndex(0);
        enableProfileActions(false);
    }
    delete m_ptrwServerList->takeTopLevelItem(m_ptrwServerList->indexOfTopLevelItem(item));
}

void CVorkWindowPhotoUpload::setCurrentConfig(CPhotoUploadConfig *pPhotoConfig)
{
    if (m_pCurrentConfig == pPhotoConfig)
        return;
    delete m_pCurrentConfig;
    m_pCurrentConfig = pPhotoConfig;
}

void CVorkWindowPhotoUpload::slotConfigReloaded()
{
    m_ptrwServerList->clear();
    const QStringList keys = CPhotoUploadConfig::getProfileKeys(strRegisteredHostsGroup);
    for (const QString &key : keys) {
        if (key.isEmpty())
            continue;
        CPhotoUploadConfig record;
        record.load(key, strRegisteredHostsGroup);
        slotConfigAdded(&record, false);
    }
}

void CVorkWindowPhotoUpload::slotConfigAdded(CPhotoUploadConfig *pPhotoConfig, bool blToConnect)
{
    if (!pPhotoConfig)
        return;
    addServerItem(pPhotoConfig);
    if (!blToConnect || m_bUploading)
        return;
    const QString key = pPhotoConfig->getKey();
    QTreeWidgetItem *item = findServerItem(key);
    if (!item)
        return;
    // Making the row current must not count as the user's selection.
    const bool blocked = m_ptrwServerList->blockSignals(true);
    m_ptrwServerList->setCurrentItem(item);
    m_ptrwServerList->blockSignals(blocked);
    CPhotoUploadConfig *current = new CPhotoUploadConfig;
    current->load(key, strRegisteredHostsGroup);
    setCurrentConfig(current);
    enableProfileActions(true);
}

void CVorkWindowPhotoUpload::slotConfigRemoved(QString strPhotoConfigKey)
{
    if (strPhotoConfigKey.isEmpty())
        return;
    CPhotoUploadConfig record;
    record.load(strPhotoConfigKey, strRegisteredHostsGroup);
    // A group without its "Profile" key would load an empty name; the row and the group are
    // still the ones of the key given.
    if (record.getKey() != strPhotoConfigKey.toLower())
        record.setProfile(strPhotoConfigKey);
    record.remove(strRegisteredHostsGroup);
    removeServerItem(&record);
}

void CVorkWindowPhotoUpload::slotServerListItemSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = m_ptrwServerList->selectedItems();
    if (selected.isEmpty())
        return;
    const QString key = selected.first()->data(0, Qt::UserRole).toString();
    CPhotoUploadConfig *current = new CPhotoUploadConfig;
    current->load(key, strRegisteredHostsGroup);
    setCurrentConfig(current);
    enableProfileActions(true);
}

void CVorkWindowPhotoUpload::slotAddTriggered()
{
    emit signalPhotoServerAdd(CVorkNasinfoMap::TKey());
}

void CVorkWindowPhotoUpload::slotEditTriggered()
{
    if (m_pCurrentConfig)
        emit signalPhotoServerEdit(m_pCurrentConfig->getKey());
}

void CVorkWindowPhotoUpload::slotRemoveTriggered()
{
    if (!m_pCurrentConfig)
        return;
    const QString text = getString(IDS_PHOTO_WARN_REMOVE_PROFILE) + QLatin1Char('\n') +
                         getString(IDS_CFRM_CONTINUE);
    if (PhotoWizardBox::ask(nullptr, QMessageBox::Warning, getString(IDS_WARNING), text,
                            getString(IDS_BTN_YES), getString(IDS_BTN_NO))) {
        // The current profile may have gone while the question was open.
        if (m_pCurrentConfig)
            slotConfigRemoved(m_pCurrentConfig->getKey());
    }
}

void CVorkWindowPhotoUpload::slotAboutTriggered()
{
    emit signalAboutTriggered();
}

void CVorkWindowPhotoUpload::slotPrefTriggered()
{
    emit signalPrefTriggered();
}

void CVorkWindowPhotoUpload::slotHelpTriggered()
{
    CVorkHelpBrowser::showHelp();
}
