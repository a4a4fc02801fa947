// The main window's requests other than installation: network settings, memory test, recovery,
// the file-system-check skip, the web administration page, the profile requests of the
// resource-monitor and photo-uploader pages, and the Wake-on-LAN commands.
//
// Each request looks its server up in the server map by key, runs the task's wizard or dialog
// modally and hands the result on. The requests that run a modal task obey the busy flag: they
// do nothing while it is set and hold it while they run.
#include "CVorkWindowMain.h"

#include <QMessageBox>

#include <arpa/inet.h>
#include <cstring>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CNetSetting.h"
#include "CPhotoUploadConfig.h"
#include "CQuenWOL.h"
#include "CRsrcConfig.h"
#include "CVorkDialogRecovery.h"
#include "CVorkDialogWakeupAdd.h"
#include "CVorkFSCKCancelProgDialog.h"
#include "CVorkFinderWindow.h"
#include "CVorkGlobalSettings.h"
#include "CVorkWindowPhotoUpload.h"
#include "CVorkWindowRsrcMon.h"
#include "CVorkWizardMemTest.h"
#include "CVorkWizardNetSetting.h"
#include "CVorkWizardPhotoUpload.h"
#include "CVorkWizardRsrcMon.h"
#include "CWOLConfig.h"
#include "CWizNetProgDialog.h"
#include "NasinfoText.h"
#include "QuenWizardBox.h"
#include "StringTable.h"
#include "platforms.h"

namespace {

const char *const MISSING_RECORD = "Nasinfo ptr in qlistNasKey is null.";

// How long the network-setting job waits for the server's answer, in milliseconds.
const unsigned long NET_SETTING_TIMEOUT_MS = 125000;
// How long the skip dialog waits for the server's answer, in milliseconds.
const int FSCK_WAIT_MS = 20000;
// The port a new Wake-on-LAN host is woken on.
const int WOL_DEFAULT_PORT = 9;

// A one-button warning box titled "Error", as the maintenance results are shown.
void errorBox(QWidget *parent, const QString &text)
{
    QuenWizardBox::inform(parent, QMessageBox::Warning, getString(IDS_ERROR), text,
                          getString(IDS_BTN_OK));
}

// The record's IPv4 address as dotted text (ulIP is held in network order).
QString addressOf(const NASINFO &nasInfo)
{
    return ipToString(nasInfo.ulIP);
}

// A Wake-on-LAN registration filled from a found server: its address, MAC and name, woken by a
// LAN broadcast on the default port.
CWOLConfig wolConfigFor(const NASINFO &nasInfo)
{
    CWOLConfig config;
    config.setAddrName(addressOf(nasInfo));
    config.setMacAddress(CVorkNasinfoMap::keyOf(nasInfo));
    config.setNetwork(0);
    config.setProfile(nasinfoText(nasInfo.szServerName));
    config.setPortNum(WOL_DEFAULT_PORT);
    return config;
}

// Copies at most size - 1 characters of the text into a record field and ends it with a zero.
// Record texts are Latin-1, as the finder's table reads them.
void copyField(char *field, size_t size, const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    const size_t n = qMin(size - 1, size_t(bytes.size()));
    memcpy(field, bytes.constData(), n);
    field[n] = '\0';
}

} // namespace

// --- network settings ------------------------------------------------------------------------

const NASINFO *CVorkWindowMain::findRecordOrLog(const CVorkNasinfoMap::TKey &key) const
{
    const NASINFO *pnasInfo = m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr;
    if (!pnasInfo)
        qDebug("%s", MISSING_RECORD);
    return pnasInfo;
}

void CVorkWindowMain::slotManagerDoNetSetting(CVorkNasinfoMap::TKey key)
{
    if (!tryLockOperation())
        return;
    CVorkWizardNetSetting *wizard = new CVorkWizardNetSetting(m_pNasinfoMap, this);
    const NASINFO *pnasInfo = findRecordOrLog(key);
    if (!pnasInfo) {
        // Without a record there is nothing to configure; the flag is released so that later
        // requests are not blocked.
        delete wizard;
        unlockOperation();
        return;
    }
    wizard->addNasinfo(pnasInfo);
    if (wizard->exec() == QDialog::Accepted && wizard->getNasinfoCount() > 0) {
        const NASINFO record = wizard->getNasinfoList().first();
        const CNasConfig config(*wizard->createNasConfig());
        runNetSetting(config, record);
    }
    delete wizard;
    unlockOperation();
}

void CVorkWindowMain::runNetSetting(const CNasConfig &config, const NASINFO &record)
{
    delete m_pNetSetting;
    m_pNetSetting = nullptr;
    delete m_pNetProgDialog;
    m_pNetProgDialog = nullptr;

    m_pNetSetting = new CNetSetting(m_pUdpThread, &config, &record);
    m_pNetProgDialog = new CWizNetProgDialog(this);
    m_pNetSetting->setTimeout(NET_SETTING_TIMEOUT_MS);
    m_pNetProgDialog->setMaximum(int(NET_SETTING_TIMEOUT_MS));

    connect(m_pNetSetting, &CNetSetting::signalUpdateProgress, m_pNetProgDialog,
            &CWizNetProgDialog::slotUpdateProgress);
    connect(m_pNetSetting, &CNetSetting::signalNetSettingFinished, m_pNetProgDialog,
            &CWizNetProgDialog::slotFinished);
    connect(m_pNetSetting, &CNetSetting::signalNetSettingFinished, this,
            &CVorkWindowMain::slotNetSettingFinished);

    m_pNetSetting->start(1);
    m_pNetProgDialog->exec();
}

void CVorkWindowMain::slotNetSettingFinished(CNetSetting::NETSETTING_STATUS status, ulong ulError)
{
    if (m_pNetSetting) {
        disconnect(m_pNetSetting, &CNetSetting::signalUpdateProgress, m_pNetProgDialog,
                   &CWizNetProgDialog::slotUpdateProgress);
        disconnect(m_pNetSetting, &CNetSetting::signalNetSettingFinished, m_pNetProgDialog,
                   &CWizNetProgDialog::slotFinished);
        disconnect(m_pNetSetting, &CNetSetting::signalNetSettingFinished, this,
                   &CVorkWindowMain::slotNetSettingFinished);
    }

    const QString failed = getString(IDS_ERR_SET_SERV).arg(getString(IDS_PRODUCT_NAME));
    if (status == CNetSetting::NETSET_TIMEOUT) {
        errorBox(this, failed);
        return;
    }
    if (status == CNetSetting::NETSET_FINISHED && ulError != 0) {
        switch (ulError) {
        case 1:
            errorBox(this, getString(IDS_INCORRECT_PASSWD));
            break;
        case 2:
            errorBox(this, getString(IDS_IP_FAILED));
            break;
        case 3:
            errorBox(this, getString(IDS_ERR_SYS_BUSY));
            break;
        case 4:
            errorBox(this, getString(IDS_ERR_NO_DHCP));
            break;
        default:
            errorBox(this, failed);
            break;
        }
        return;
    }
    QuenWizardBox::inform(this, QMessageBox::Information, getString(IDS_INFORMATION),
                          getString(IDS_SETUP_NET_OK), getString(IDS_BTN_OK));
    if (m_pFinderWindow)
        m_pFinderWindow->slotRefreshTrigged();
}

// --- memory test, recovery, file-system-check skip -------------------------------------------

void CVorkWindowMain::slotDoMemTest(CVorkNasinfoMap::TKey key)
{
    if (!tryLockOperation())
        return;
    NASINFO record;
    memset(&record, 0, sizeof record);
    if (const NASINFO *pnasInfo = m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr)
        record = *pnasInfo;

    CVorkWizardMemTest *wizard = new CVorkWizardMemTest(m_pUdpThread, this);
    wizard->setNasinfo(&record);
    if (wizard->exec() == QDialog::Accepted && m_pFinderWindow)
        m_pFinderWindow->addMemTestServer(key);
    delete wizard;
    unlockOperation();
}

void CVorkWindowMain::slotManagerDoRecover(CVorkNasinfoMap::TKey key)
{
    if (!tryLockOperation())
        return;
    const NASINFO *pnasInfo = findRecordOrLog(key);
    if (!pnasInfo) {
        unlockOperation();
        return;
    }
    // The dialog copies the record: answers arriving during its run may replace the map's.
    CVorkDialogRecovery *dialog = new CVorkDialogRecovery(this, pnasInfo, m_pUdpThread);
    dialog->exec();
    delete dialog;
    unlockOperation();
}

void CVorkWindowMain::slotManagerCancelFSCK(CVorkNasinfoMap::TKey key)
{
    if (!tryLockOperation())
        return;
    const NASINFO *pnasInfo = findRecordOrLog(key);
    if (!pnasInfo) {
        unlockOperation();
        return;
    }
    const NASINFO record = *pnasInfo;
    if (FHOSTServiceIsSet(gpFHOSTLogCtx, &record, FHOST_SERVICE_FSCK_SKIP) == 1 &&
        FHOSTServiceMaskIsSet(gpFHOSTLogCtx, &record, FHOST_SERVICE_FSCK_SKIP) == 1) {
        if (QuenWizardBox::ask(this, QMessageBox::Warning, getString(IDS_WARNING),
                               getString(IDS_FSCK_CFRM_STOP_DESC), getString(IDS_BTN_YES),
                               getString(IDS_BTN_NO)))
            cancelFSCK(record);
    }
    unlockOperation();
}

void CVorkWindowMain::cancelFSCK(const NASINFO &record)
{
    delete m_pFSCKDialog;
    m_pFSCKDialog = new CVorkFSCKCancelProgDialog(this, &record);
    CVorkFSCKCancelProgDialog *dialog = m_pFSCKDialog;

    // Listening starts before the request goes out, so that a quick answer is not missed.
    const QMetaObject::Connection answers =
        connect(m_pUdpThread, &CFindHostUDP::signalRecvPkt, dialog,
                &CVorkFSCKCancelProgDialog::slotRespPktRecv);
    dialog->startProgress(FSCK_WAIT_MS);
    CFindHostUDP::sendPktCancelFsck(&record, 1);
    if (dialog->exec() == 1)
        errorBox(this, getString(IDS_FSCK_CANCEL_TIMEOUT));

    if (m_pFinderWindow)
        m_pFinderWindow->slotRefreshTrigged();
    disconnect(answers);
}

// --- web administration page -----------------------------------------------------------------

void CVorkWindowMain::slotManagerOpenWebUI(QList<CVorkNasinfoMap::TKey> qlistKeys)
{
    for (const CVorkNasinfoMap::TKey &key : qlistKeys) {
        const NASINFO *pnasInfo = m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr;
        if (pnasInfo)
            openWebUI(*pnasInfo);
    }
}

void CVorkWindowMain::openWebUI(const NASINFO &record)
{
    bool opened = true;
    openAdminUI(&record, &opened);
    if (!opened)
        errorBox(this, getString(IDS_ERR_LAUNCH_BROWSER));
}

// --- resource-monitor profiles ---------------------------------------------------------------

void CVorkWindowMain::slotRsrcMonAdd(CVorkNasinfoMap::TKey key)
{
    if (!tryLockOperation())
        return;
    CVorkWindowRsrcMon *page = qobject_cast<CVorkWindowRsrcMon *>(m_pwdgPages[PAGE_RSRC_MON]);
    const NASINFO *pnasInfo = m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr;

    // A server that has a profile already: that profile is shown instead of a new one. The page
    // lists its stored profiles only when it is first shown, so it is shown before the profile
    // is selected in its list.
    QString existing;
    if (pnasInfo && page &&
        CRsrcConfig::isHostPortExisted(ntohl(pnasInfo->ulIP), int(pnasInfo->ulHttpPort), &existing)) {
        unlockOperation();
        slotActionToggle(PAGE_RSRC_MON);
        page->slotConfigTrigged(existing);
        return;
    }

    CVorkWizardRsrcMon *wizard = new CVorkWizardRsrcMon(
        m_pFinderWindow, m_pFinderWindow ? m_pFinderWindow->getNasinfoModel() : nullptr,
        m_pNasinfoMap, this, false);
    wizard->setNasinfo(pnasInfo);
    bool show = false;
    if (wizard->exec() == QDialog::Accepted && page) {
        CRsrcConfig *config = new CRsrcConfig(*wizard->createConfig());
        config->save(CRsrcConfig::strRsrcRootGroup);
        show = config->isConnection();
        page->slotConfigAdded(config);
    }
    delete wizard;
    unlockOperation();
    if (show)
        slotActionToggle(PAGE_RSRC_MON);
}

void CVorkWindowMain::slotRsrcMonEdit(QString strProfile)
{
    if (strProfile.isEmpty() || !tryLockOperation())
        return;
    CVorkWindowRsrcMon *page = qobject_cast<CVorkWindowRsrcMon *>(m_pwdgPages[PAGE_RSRC_MON]);
    CRsrcConfig stored;
    stored.load(strProfile, CRsrcConfig::strRsrcRootGroup);

    uint32_t address = 0;
    const NASINFO *pnasInfo = nullptr;
    if (m_pNasinfoMap && resolveHostIPv4(&address, stored.getHostAddr()))
        pnasInfo = m_pNasinfoMap->findByIp(address);

    CVorkWizardRsrcMon *wizard = new CVorkWizardRsrcMon(
        m_pFinderWindow, m_pFinderWindow ? m_pFinderWindow->getNasinfoModel() : nullptr,
        m_pNasinfoMap, this, true);
    wizard->setNasinfo(pnasInfo);
    wizard->setConfig(stored);
    bool show = false;
    if (wizard->exec() == QDialog::Accepted && page) {
        CRsrcConfig *config = new CRsrcConfig(*wizard->createConfig());
        page->slotConfigRemoved(strProfile);
        config->save(CRsrcConfig::strRsrcRootGroup);
        show = config->isConnection();
        page->slotConfigAdded(config);
    }
    delete wizard;
    unlockOperation();
    if (show)
        slotActionToggle(PAGE_RSRC_MON);
}

// --- photo-server profiles -------------------------------------------------------------------

void CVorkWindowMain::slotPhotoUpdServerAdd(CVorkNasinfoMap::TKey key)
{
    if (!tryLockOperation())
        return;
    CVorkWindowPhotoUpload *page =
        qobject_cast<CVorkWindowPhotoUpload *>(m_pwdgPages[PAGE_PHOTO_UPLOAD]);
    CVorkWizardPhotoUpload *wizard = new CVorkWizardPhotoUpload(
        m_pFinderWindow, m_pFinderWindow ? m_pFinderWindow->getNasinfoModel() : nullptr,
        m_pNasinfoMap, this, false);
    wizard->setNasinfo(m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr);
    bool show = false;
    if (wizard->exec() == QDialog::Accepted && page) {
        CPhotoUploadConfig *config = new CPhotoUploadConfig(*wizard->getPhotoUploadConfig());
        config->save(strPhotoUploadRootGroup);
        show = config->isToConnect();
        page->slotConfigAdded(config, show);
    }
    delete wizard;
    unlockOperation();
    if (show)
        slotActionToggle(PAGE_PHOTO_UPLOAD);
}

void CVorkWindowMain::slotPhotoUpdServerEdit(QString strPhotoConfigKey)
{
    if (strPhotoConfigKey.isEmpty() || !tryLockOperation())
        return;
    CVorkWindowPhotoUpload *page =
        qobject_cast<CVorkWindowPhotoUpload *>(m_pwdgPages[PAGE_PHOTO_UPLOAD]);
    CPhotoUploadConfig stored;
    stored.load(strPhotoConfigKey, strPhotoUploadRootGroup);

    uint32_t address = 0;
    const NASINFO *pnasInfo = nullptr;
    if (m_pNasinfoMap && resolveHostIPv4(&address, stored.getHostAddr()))
        pnasInfo = m_pNasinfoMap->findByIp(address);

    CVorkWizardPhotoUpload *wizard = new CVorkWizardPhotoUpload(
        m_pFinderWindow, m_pFinderWindow ? m_pFinderWindow->getNasinfoModel() : nullptr,
        m_pNasinfoMap, this, true);
    wizard->setNasinfo(pnasInfo);
    wizard->setPhotoUploadConfig(stored);
    bool show = false;
    if (wizard->exec() == QDialog::Accepted && page) {
        page->slotConfigRemoved(strPhotoConfigKey);
        CPhotoUploadConfig *config = new CPhotoUploadConfig(*wizard->getPhotoUploadConfig());
        config->save(strPhotoUploadRootGroup);
        show = config->isToConnect();
        page->slotConfigAdded(config, show);
    }
    delete wizard;
    unlockOperation();
    if (show)
        slotActionToggle(PAGE_PHOTO_UPLOAD);
}

// --- Wake-on-LAN -----------------------------------------------------------------------------

void CVorkWindowMain::slotDoSetUpWOL(QList<CVorkNasinfoMap::TKey> qlistKeys)
{
    if (!m_pWOL || !tryLockOperation())
        return;

    if (qlistKeys.size() > 1) {
        // Several servers: every one that can be woken is registered, without a dialog.
        for (const CVorkNasinfoMap::TKey &key : qlistKeys) {
            const NASINFO *pnasInfo = m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr;
            if (pnasInfo && pnasInfo->ulWOLSupport != 0)
                m_pWOL->slotAddSvr2WOL(wolConfigFor(*pnasInfo));
        }
        unlockOperation();
        return;
    }

    // One server (its registration edited, or a new one filled from its record), or none (an
    // empty registration to fill in).
    CWOLConfig config;
    if (qlistKeys.size() == 1) {
        const CVorkNasinfoMap::TKey &key = qlistKeys.first();
        if (const CWOLConfig *registered = m_pWOL->getWOLConfig(key))
            config = *registered;
        else if (const NASINFO *pnasInfo = m_pNasinfoMap ? m_pNasinfoMap->find(key) : nullptr)
            config = wolConfigFor(*pnasInfo);
    }

    CVorkDialogWakeupAdd *dialog = new CVorkDialogWakeupAdd(this, &config);
    if (dialog->exec() == QDialog::Accepted) {
        CWOLConfig entered = dialog->getWOLConfig();
        m_pWOL->slotAddSvr2WOL(entered);
        if (dialog->isWakeUpChecked()) {
            m_pWOL->wakeUp(&entered);
            if (m_pFinderWindow)
                m_pFinderWindow->slotStartUpdateWOLStatus();
        }
    }
    slotAddWOLSvr2FinderWin();
    delete dialog;
    unlockOperation();
}

void CVorkWindowMain::slotDoWakeUp(QList<CVorkNasinfoMap::TKey> qlistKeys)
{
    if (!m_pWOL)
        return;
    for (const CVorkNasinfoMap::TKey &key : qlistKeys) {
        CWOLConfig *config = m_pWOL->getWOLConfig(key);
        if (!config)
            continue;
        m_pWOL->wakeUp(config);
        if (m_pFinderWindow)
            m_pFinderWindow->slotStartUpdateWOLStatus();
    }
}

void CVorkWindowMain::slotDoRemoveWOL(QList<CVorkNasinfoMap::TKey> qlistKeys)
{
    if (!m_pWOL)
        return;
    for (const CVorkNasinfoMap::TKey &key : qlistKeys)
        m_pWOL->slotRemoveSvrFromWOL(key);
}

void CVorkWindowMain::slotAddWOLSvr2FinderWin()
{
    if (!m_pWOL || !m_pNasinfoMap)
        return;
    // Registered hosts that the search has not found (yet) are listed as off-line.
    const QStringList macs = m_pWOL->getMacList();
    for (const QString &mac : macs) {
        const CWOLConfig *config = m_pWOL->getWOLConfig(mac);
        CVorkWOL *job = m_pWOL->getWOL(mac);
        if (!config || !job || m_pNasinfoMap->containsKey(config->getMacAddress()))
            continue;
        NASINFO *record = new NASINFO;
        memset(record, 0, sizeof *record);
        copyField(record->szMac, sizeof record->szMac, config->getMacAddress());
        copyField(record->szServerName, sizeof record->szServerName, config->getProfile());
        record->szSN[0] = '\0';
        record->ulConfigured = FHOSTQC_OFF_LINE;
        m_pNasinfoMap->insert(record, false);
        if (job->getStatus() != CVorkWOL::STATUS_WAITING)
            job->setStatus(CVorkWOL::STATUS_OFF_LINE);
    }
}
