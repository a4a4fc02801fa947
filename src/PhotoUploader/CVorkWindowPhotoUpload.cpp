#include "CVorkWindowPhotoUpload.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QUrlQuery>

#include <json/value.h>

#include "CPhotoUploadConfig.h"
#include "CUploadManager.h"
#include "CVorkHelpBrowser.h"
#include "PhotoWorkFolder.h"
#include "StringTable.h"
#include "VorkDebug.h"
#include "VorkJson.h"
#include "platforms.h"

const QString CVorkWindowPhotoUpload::strSettingsGroup = QStringLiteral("PhotoUploader/");
const QString CVorkWindowPhotoUpload::strRegisteredHostsGroup = QStringLiteral("PhotoUploader/RegisteredHosts/");

namespace {

const char kSource[] = "src/PhotoUploader/CVorkWindowPhotoUpload";

const char kLoginScript[] = "/blog/login.php";
const char kKeepAliveScript[] = "/photo/include/vork_get_uploadable_album.php";
const char kBrowseScript[] = "/photo/include/vork_browse_album.php";
const char kFormContentType[] = "application/x-www-form-urlencoded";

// Percent-encoding of the UTF-8 bytes: letters, digits and "-._~" stay, every other byte
// (the blank included) becomes "%" and two hexadecimal digits.
QByteArray encodeFormValue(const QString &text)
{
    return QUrl::toPercentEncoding(text);
}

// The login's reason: "success" as text. A string as it stands, a boolean or number in its
// written form ("false"), "login_error" when the member is absent, and an empty text for a null,
// an array or an object (reading those as text would throw).
QString loginReason(const Json::Value &root)
{
    if (!root.isObject() || !root.isMember("success"))
        return QStringLiteral("login_error");
    const Json::Value &value = root["success"];
    if (value.isString())
        return QString::fromUtf8(value.asCString());
    if (value.isBool() || value.isNumeric())
        return QString::fromStdString(value.asString());
    return QString();
}

} // namespace

CVorkWindowPhotoUpload::CVorkWindowPhotoUpload(QWidget *parent)
    : CVorkWindowMainTab(parent),
      m_pCurrentConfig(nullptr),
      m_bUploading(false),
      m_iFolderLevel(0),
      m_iLoginSerial(0),
      m_pNetworkManager(nullptr),
      m_pLoginReply(nullptr),
      m_ptmrKeepAlive(nullptr),
      m_ptmrProgress(nullptr),
      m_ptmrUIPreview(nullptr),
      m_plstFailedFiles(nullptr),
      m_pUploadManager(nullptr),
      m_pUIPreviewImageConverter(nullptr),
      m_pUIPreviewVideoConverter(nullptr),
      m_iNextProgress(0),
      m_iConvertReqID(0),
      m_iUIPreviewReqID(0),
      m_bThumbAreaSized(false)
{
    setupUi(this);
    languageChange();

    statusBar()->hide();

    initFileTypeNames();
    loadDuplicateOption();
    getFileDialogFilter();
    slotConfigReloaded();
    loadFileFilterOptions();
    loadVideoQualityOptions();

    setProfileActionsEnabled(false);

    // Drags over the table's viewport are passed on to the table's own handlers through its
    // event filters, so the one filter on the table sees them.
    m_ptblwFileListTable->installEventFilter(this);

    m_ptmrKeepAlive = new QTimer(this);
    connect(m_ptmrKeepAlive, &QTimer::timeout, this, &CVorkWindowPhotoUpload::slotPreventConnectionTimeout);
    m_ptmrProgress = new QTimer(this);
    connect(m_ptmrProgress, &QTimer::timeout, this, &CVorkWindowPhotoUpload::slotUpdateUploadProgress);
    m_ptmrUIPreview = new QTimer(this);
    m_ptmrUIPreview->setSingleShot(true);
    connect(m_ptmrUIPreview, &QTimer::timeout, this, &CVorkWindowPhotoUpload::slotProcessUIPreview);

    m_plstFailedFiles = new QStringList;
    // No parent: the manager lives exactly as long as the page and is never replaced, so its
    // cookie store keeps the session for every later request.
    m_pNetworkManager = new QNetworkAccessManager;
    useDirectConnection(m_pNetworkManager);

    initFileTableHeader();
    m_ptblwFileListTable->horizontalHeader()->hide();
    connect(m_ptblwFileListTable->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CVorkWindowPhotoUpload::slotFileListTableHeaderClicked);
    m_plblCurrentProcessFile->hide();
    m_pstkwRightPanel->setCurrentIndex(0);
}

CVorkWindowPhotoUpload::~CVorkWindowPhotoUpload()
{
    // The worker uses the profile, the file list and the failed-file list below: it ends first.
    releaseUploadManager();
    stopUIPreviews();
    discardLoginReply();
    delete m_pNetworkManager;
    delete m_pCurrentConfig;
    delete m_plstFailedFiles;
}

// ---------------------------------------------------------------------------------------------
// Page base

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

void CVorkWindowPhotoUpload::resizeEvent(QResizeEvent *)
{
    fitTableColumns();
    // One row in and out again makes the table lay itself out anew.
    QTableWidget *table = m_ptblwFileListTable;
    table->insertRow(table->rowCount());
    table->removeRow(table->rowCount() - 1);
}

void CVorkWindowPhotoUpload::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    CVorkWindowMainTab::changeEvent(event);
}

void CVorkWindowPhotoUpload::languageChange()
{
    const struct {
        QAction *action;
        QAction *popUp;
        int text;
    } profileActions[] = {
        {m_pactAdd, m_pactAddPopUp, IDS_BTN_RSRC_ADD},
        {m_pactEdit, m_pactEditPopUp, IDS_BTN_RSRC_EDIT},
        {m_pactConnect, m_pactConnectPopUp, IDS_BTN_MANAGE},
        {m_pactRemove, m_pactRemovePopUp, IDS_BTN_RSRC_REMOVE},
    };
    for (const auto &entry : profileActions) {
        entry.action->setText(getString(entry.text));
        entry.action->setToolTip(QString());
        entry.popUp->setText(getString(entry.text));
        entry.popUp->setToolTip(QString());
    }
    m_pactPreferences->setToolTip(getString(IDS_TOOL_TIPS_PREFERENCE));
    m_pactAbout->setToolTip(getString(IDS_TOOL_TIPS_ABOUT));
    m_pactHelp->setToolTip(getString(IDS_TOOLBAR_HELP));

    m_pgrpThumArea->setTitle(getString(IDS_PHOTO_LBL_THUMB));
    m_plblThumbnail->setText(getString(IDS_PHOTO_THUMB_TEXT_INIT));
    m_plblUploadTo->setText(QStringLiteral("   ") + getString(IDS_PHOTO_LBL_UPLOAD_TO));
    m_pgrpPhotoSelection->setTitle(getString(IDS_PHOTO_LBL_PHOTO_SELECTION));
    m_pbtnBackToParent->setText(getString(IDS_PHOTO_BTN_BK_TO_PARENT));
    m_pbtnPhotoFileAdd->setText(getString(IDS_PHOTO_BTN_ADD_FILE));
    m_pbtnPhotoFolderAdd->setText(getString(IDS_PHOTO_BTN_ADD_FOLDER));
    m_pbtnPhotoRemove->setText(getString(IDS_PHOTO_BTN_REMOVE_FILE));
    m_pcboxOnlyIdxableFile->setText(getString(IDS_PHOTO_LBL_ONLY_UPD_INDEXABLE_FILE));
    m_pcboxNotUploadHidden->setText(getString(IDS_PHOTO_LBL_NOT_UPLOAD_HIDDEN));
    m_plblDuplicateFile->setText(getString(IDS_PHOTO_LBL_DUPLICATED_FILE_HANDLE));
    m_plblVideoConvertQty->setText(getString(IDS_PHOTO_LBL_FLV_QUALITY));
    m_pcboxVdoHighQty->setText(getString(IDS_PHOTO_QTY_HIGH) + QStringLiteral(" (~2000 Kbps)"));
    m_pcboxVdoNormalQty->setText(getString(IDS_PHOTO_QTY_MEDIUM) + QStringLiteral(" (~1000 Kbps)"));
    m_pcboxVdoLowQty->setText(getString(IDS_PHOTO_QTY_LOW) + QStringLiteral(" (~256 Kbps)"));
    m_pcboxVdoMobileQty->setText(getString(IDS_PHOTO_QTY_MOBILE));
    m_pbtnPhotoUpload->setText(getString(IDS_PHOTO_BTN_UPLOAD));
    m_pbtnUploadCancel->setText(getString(IDS_BTN_CANCEL));
    m_pgrpProcessThumbnail->setTitle(getString(IDS_PHOTO_LBL_PROCESS_THUMBNAIL));
    m_plblConnectStatus->setText(getString(IDS_PHOTO_CONNT_STATUS_INIT).arg(getString(IDS_BTN_RSRC_ADD)));
    m_ptrwServerList->setHeaderLabels({getString(IDS_PHOTO_LBL_PROFILE), getString(IDS_PHOTO_LBL_ACCOUNT)});
}

bool CVorkWindowPhotoUpload::eventFilter(QObject *watched, QEvent *event)
{
    QTableWidget *table = m_ptblwFileListTable;
    // Files are dropped only onto the top-level list, never into a folder being browsed.
    if (watched == table && m_iFolderLevel == 0) {
        const QEvent::Type type = event->type();
        if (type == QEvent::DragEnter || type == QEvent::DragMove) {
            // The table's own model takes no URL lists, so the table would refuse the drag on
            // its way across; the page accepts it for the whole table.
            QDragMoveEvent *drag = static_cast<QDragMoveEvent *>(event);
            if (drag->mimeData() && drag->mimeData()->hasFormat(QStringLiteral("text/uri-list"))) {
                drag->setDropAction(drag->proposedAction());
                drag->accept();
                return true;
            }
        } else if (type == QEvent::Drop) {
            QDropEvent *drop = static_cast<QDropEvent *>(event);
            addDroppedUrls(drop->mimeData() ? drop->mimeData()->urls() : QList<QUrl>());
            return true;
        }
    }
    return CVorkWindowMainTab::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Server list and profiles

void CVorkWindowPhotoUpload::addServerItem(CPhotoUploadConfig *profile)
{
    QTreeWidgetItem *item = new QTreeWidgetItem(m_ptrwServerList);
    item->setData(0, Qt::UserRole, profile->getKey());
    item->setText(0, profile->getProfile());
    item->setText(1, profile->getAccount());
    m_ptrwServerList->sortItems(0, Qt::AscendingOrder);
    m_ptrwServerList->resizeColumnToContents(0);
    m_ptrwServerList->resizeColumnToContents(1);
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

void CVorkWindowPhotoUpload::removeServerItem(const QString &key)
{
    QTreeWidgetItem *item = findServerItem(key);
    if (!item)
        return;
    if (m_pCurrentConfig && m_pCurrentConfig->getKey() == key) {
        setCurrentConfig(nullptr);
        // The login in flight belonged to the profile that is going away.
        discardLoginReply();
        ++m_iLoginSerial;
        m_ptrwServerList->setCurrentItem(nullptr);
        m_ptrwServerList->clearSelection();
        showInitialStatus();
        setProfileActionsEnabled(false);
    }
    delete m_ptrwServerList->takeTopLevelItem(m_ptrwServerList->indexOfTopLevelItem(item));
}

void CVorkWindowPhotoUpload::setProfileActionsEnabled(bool blEnabled)
{
    m_pactConnect->setEnabled(blEnabled);
    m_pactEdit->setEnabled(blEnabled);
    m_pactRemove->setEnabled(blEnabled);
}

void CVorkWindowPhotoUpload::setCurrentConfig(CPhotoUploadConfig *config)
{
    if (m_pCurrentConfig == config)
        return;
    delete m_pCurrentConfig;
    m_pCurrentConfig = config;
}

void CVorkWindowPhotoUpload::showInitialStatus()
{
    m_plblConnectStatus->setText(getString(IDS_PHOTO_CONNT_STATUS_INIT).arg(getString(IDS_BTN_RSRC_ADD)));
    m_pstkwRightPanel->setCurrentIndex(0);
}

void CVorkWindowPhotoUpload::slotConfigReloaded()
{
    m_ptrwServerList->clear();
    const QStringList keys = CPhotoUploadConfig::getProfileKeys(strRegisteredHostsGroup);
    for (const QString &key : keys) {
        if (key.isEmpty())
            continue;
        CPhotoUploadConfig *record = new CPhotoUploadConfig;
        record->load(key, strRegisteredHostsGroup);
        slotConfigAdded(record, false);
    }
}

void CVorkWindowPhotoUpload::slotConfigAdded(CPhotoUploadConfig *pPhotoConfig, bool blToConnect)
{
    if (!pPhotoConfig)
        return;
    addServerItem(pPhotoConfig);
    if (blToConnect && !m_bUploading) {
        const QString key = pPhotoConfig->getKey();
        if (QTreeWidgetItem *item = findServerItem(key)) {
            // The password the wizard was just given, whether or not it is stored.
            sendLoginRequest(pPhotoConfig, true);
            // Making the row current must not start a second login.
            disconnect(m_ptrwServerList, SIGNAL(itemSelectionChanged()), this,
                       SLOT(slotServerListItemSelectionChanged()));
            m_ptrwServerList->setCurrentItem(item);
            CPhotoUploadConfig *current = new CPhotoUploadConfig;
            current->load(key, strRegisteredHostsGroup);
            setCurrentConfig(current);
            connect(m_ptrwServerList, SIGNAL(itemSelectionChanged()), this,
                    SLOT(slotServerListItemSelectionChanged()));
            setProfileActionsEnabled(true);
        }
    }
    // The page keeps only the row; the current profile is always its own record.
    if (pPhotoConfig != m_pCurrentConfig)
        delete pPhotoConfig;
}

void CVorkWindowPhotoUpload::slotConfigRemoved(QString strPhotoConfigKey)
{
    // An empty key would name the whole profile group.
    if (strPhotoConfigKey.isEmpty())
        return;
    // Removed by its key: also a group that lost its "Profile" entry goes.
    CPhotoUploadConfig::removeKey(strPhotoConfigKey, strRegisteredHostsGroup);
    removeServerItem(strPhotoConfigKey);
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
    setProfileActionsEnabled(true);
    sendLoginRequest(m_pCurrentConfig, false);
}

void CVorkWindowPhotoUpload::slotConnectTriggered()
{
    if (m_pCurrentConfig)
        sendLoginRequest(m_pCurrentConfig, false);
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
    QMessageBox box(QMessageBox::Warning, getString(IDS_WARNING),
                    getString(IDS_PHOTO_WARN_REMOVE_PROFILE) + QLatin1Char('\n') + getString(IDS_CFRM_CONTINUE));
    // Action roles keep the box from choosing "No" as its escape button: only a button answers.
    QPushButton *yes = box.addButton(getString(IDS_BTN_YES), QMessageBox::ActionRole);
    box.addButton(getString(IDS_BTN_NO), QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes && m_pCurrentConfig)
        slotConfigRemoved(m_pCurrentConfig->getKey());
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

void CVorkWindowPhotoUpload::slotShowContextMenu(QPoint ptPosition)
{
    QMenu menu(this);
    menu.addAction(m_pactAddPopUp);
    if (m_ptrwServerList->indexAt(ptPosition).isValid()) {
        menu.addAction(m_pactRemovePopUp);
        menu.addAction(m_pactEditPopUp);
        menu.addAction(m_pactConnectPopUp);
    }
    menu.exec(m_ptrwServerList->mapToGlobal(ptPosition));
}

void CVorkWindowPhotoUpload::enterFolderLevel()
{
    ++m_iFolderLevel;
    if (m_iFolderLevel > 0) {
        m_pbtnBackToParent->setEnabled(true);
        m_pbtnPhotoFileAdd->setEnabled(false);
        m_pbtnPhotoFolderAdd->setEnabled(false);
    }
}

void CVorkWindowPhotoUpload::leaveFolderLevel()
{
    --m_iFolderLevel;
    if (m_iFolderLevel == 0) {
        m_pbtnBackToParent->setEnabled(false);
        m_pbtnPhotoFileAdd->setEnabled(true);
        m_pbtnPhotoFolderAdd->setEnabled(true);
    }
}

bool CVorkWindowPhotoUpload::isFileTableSorted() const
{
    return m_ptblwFileListTable->horizontalHeader()->sortIndicatorSection() !=
           m_ptblwFileListTable->columnCount();
}

// ---------------------------------------------------------------------------------------------
// Login and session

void CVorkWindowPhotoUpload::discardLoginReply()
{
    if (!m_pLoginReply)
        return;
    // Disconnected first, so that the abort cannot report into slotLoginRequestFinished.
    QNetworkReply *reply = m_pLoginReply;
    m_pLoginReply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void CVorkWindowPhotoUpload::sendLoginRequest(CPhotoUploadConfig *profile, bool useProfilePassword)
{
    if (!profile)
        return;
    ++m_iLoginSerial;
    showInitialStatus();

    // Everything the request needs is taken now: the profile may be replaced while the
    // password dialog is open.
    const QString profileName = profile->getProfile();
    const QString account = profile->getAccount();
    const bool personal = profile->isPersonal();
    const QString baseUrl = profile->getBaseUrl();
    QString password;
    if (useProfilePassword || profile->isSaveCred()) {
        password = scrambleDecodeString(profile->getPassword());
    } else {
        QInputDialog dialog(this);
        dialog.setWindowTitle(profileName);
        dialog.setLabelText(getString(IDS_PHOTO_LBL_ENTR_PASSWD).arg(account));
        dialog.setTextEchoMode(QLineEdit::Password);
        dialog.setOkButtonText(getString(IDS_BTN_OK));
        dialog.setCancelButtonText(getString(IDS_BTN_CANCEL));
        if (dialog.exec() != QDialog::Accepted)
            return;
        password = dialog.textValue();
    }

    m_plblConnectStatus->setText(getString(IDS_WZDMAP_CONNECT));

    QNetworkRequest request(QUrl(baseUrl + QLatin1String(kLoginScript)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kFormContentType));
    request.setAttribute(QNetworkRequest::User, m_iLoginSerial);
    request.setAttribute(QNetworkRequest::UserMax, personal);
    const QByteArray body = "action=login&username=" + encodeFormValue(account) + "&passwd=" +
                            encodeFormValue(password);

    discardLoginReply();
    m_pLoginReply = m_pNetworkManager->post(request, body);
    connect(m_pLoginReply, &QNetworkReply::finished, this, &CVorkWindowPhotoUpload::slotLoginRequestFinished);
}

void CVorkWindowPhotoUpload::slotLoginRequestFinished()
{
    QNetworkReply *reply = m_pLoginReply;
    if (!reply)
        return;
    if (reply->request().attribute(QNetworkRequest::User).toInt() != m_iLoginSerial)
        return;
    // A login whose profile has gone meanwhile has nobody to log in.
    if (!m_pCurrentConfig)
        return;

    const bool personal = reply->request().attribute(QNetworkRequest::UserMax).toBool();
    m_baSessionCookie.clear();
    const QByteArray body = reply->readAll();

    const QString disabled = getString(personal ? IDS_ERR_AUTH_PERSONAL_PHOTO_NOT_RUN : IDS_ERR_AUTH_PHOTO_NOT_RUN);
    const QString account = m_pCurrentConfig->getAccount();
    const bool admin = account.toLower() == QLatin1String("admin");

    QString message;
    bool loggedIn = false;
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::ContentNotFoundError) {
        message = getString(IDS_ERR_PHOTO_NOT_INSTALL);
    } else if (error != QNetworkReply::NoError) {
        message = getString(IDS_ERR_CONNECTION_FAIL).arg(networkErrorName(error));
    } else if (!body.startsWith('{')) {
        VORK_DEBUG_STR(kSource, "login reply", QString::fromUtf8(body));
        if (reply->rawHeader("Location").contains("photo_str_service_disabled") ||
            body.contains("service_not_available"))
            message = disabled;
        else
            message = getString(IDS_PHOTO_ERR_LOGIN_SERVER_ERROR);
    } else {
        const Json::Value root = VorkJson::readReplyBody(body);
        const bool succeeded = VorkJson::succeeded(root);
        const bool runPhoto = VorkJson::truth(VorkJson::member(root, "run_photo"));
        const bool hasRoot = VorkJson::truth(VorkJson::member(root, "has_photo_root_path"));
        const bool notPhotoUser = VorkJson::truth(VorkJson::member(root, "not_photo_user"));
        const QString reason = loginReason(root);
        if (succeeded && !runPhoto && !admin)
            message = disabled;
        else if (succeeded && !hasRoot)
            message = getString(IDS_ERR_PHOTO_ROOT_PATH_NOT_FOUND);
        else if (succeeded)
            loggedIn = true;
        else if (!runPhoto && !admin)
            message = disabled;
        else if (reason == QLatin1String("disable_account"))
            message = getString(IDS_ERR_AUTH_USERNAME_DISABLED);
        else if (notPhotoUser)
            message = getString(IDS_ERR_AUTH_NOT_PHOTO_USER).arg(account);
        else if (reason == QLatin1String("login_noprivilege"))
            message = getString(IDS_ERR_LOGIN_AUTO_BLOCKED);
        else
            message = getString(IDS_ERR_AUTH_USERNAME_AUTHFAILED);
    }

    if (!loggedIn) {
        m_plblConnectStatus->setText(message);
        m_pstkwRightPanel->setCurrentIndex(0);
        return;
    }

    if (reply->hasRawHeader("Set-Cookie")) {
        // Several Set-Cookie headers arrive joined by line breaks; the last one is kept.
        const QList<QByteArray> lines = reply->rawHeader("Set-Cookie").split('\n');
        m_baSessionCookie = lines.last();
    } else if (reply->request().hasRawHeader("Cookie")) {
        m_baSessionCookie = reply->request().rawHeader("Cookie");
    }
    m_ptextedtUploadRootPath->clear();
    m_pstkwRightPanel->setCurrentIndex(1);
    m_pgboxServerSetting->setTitle(m_pCurrentConfig->getProfile());
}

void CVorkWindowPhotoUpload::slotPreventConnectionTimeout()
{
    if (!m_pCurrentConfig)
        return;
    QNetworkRequest request(QUrl(m_pCurrentConfig->getBaseUrl() + QLatin1String(kKeepAliveScript)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kFormContentType));
    QNetworkReply *reply = m_pNetworkManager->post(request, QByteArray("action=get_uploadable_album_list"));
    // The answer is never read; the request only keeps the server's session alive.
    connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}

void CVorkWindowPhotoUpload::slotConnectionSessionLost()
{
    if (isFromOldWorker())
        return;
    QMessageBox box(QMessageBox::Warning, getString(IDS_PHOTO_CAPTION), getString(IDS_PHOTO_ERR_SESSION_LOST),
                    QMessageBox::NoButton, this);
    QPushButton *ok = box.addButton(getString(IDS_BTN_OK), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    setUploadMode(false);
    showInitialStatus();
}

void CVorkWindowPhotoUpload::openAlbumInBrowser()
{
    if (!m_pCurrentConfig)
        return;
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(m_pCurrentConfig->getHostAddr());
    url.setPort(m_pCurrentConfig->getHostPort());
    QString path = QLatin1String(kBrowseScript);
    if (m_pCurrentConfig->isPersonal())
        path = QStringLiteral("/~") + m_pCurrentConfig->getPersonalName() + path;
    url.setPath(path);

    // The session: the first ";"-part of the cookie text that holds "PHPSESSID=" (any case),
    // with every such marker taken out and nothing trimmed.
    QString session;
    const QStringList parts = QString::fromLatin1(m_baSessionCookie).split(QLatin1Char(';'));
    for (const QString &part : parts) {
        if (part.contains(QLatin1String("PHPSESSID="), Qt::CaseInsensitive)) {
            session = part;
            session.remove(QStringLiteral("PHPSESSID="), Qt::CaseInsensitive);
            break;
        }
    }

    QUrlQuery query;
    if (!session.isEmpty())
        query.addQueryItem(QStringLiteral("session"), session);
    const QString destination = m_ptextedtUploadRootPath->text();
    const QString photoPrefix = QStringLiteral("/photo/");
    if (destination.startsWith(photoPrefix)) {
        // The album name is percent-encoded once by itself and once more as part of the address,
        // so each "%" of the first encoding travels as "%25". QUrlQuery keeps "%XX" as it
        // stands, hence the "%" signs are escaped here.
        QString album = QString::fromLatin1(encodeFormValue(destination.mid(photoPrefix.size())));
        album.replace(QLatin1String("%"), QLatin1String("%25"));
        query.addQueryItem(QStringLiteral("album"), album);
    }
    if (!query.isEmpty())
        url.setQuery(query);

    VORK_DEBUG_STR(kSource, "album address", url.toString(QUrl::FullyEncoded));
    const bool opened = QDesktopServices::openUrl(url);
    VORK_DEBUG_INT(kSource, "opened", opened);
}

// ---------------------------------------------------------------------------------------------
// Upload mode

void CVorkWindowPhotoUpload::setUploadMode(bool blUploading)
{
    m_bUploading = blUploading;
    m_ptrwServerList->setEnabled(!blUploading);
    m_pgrpThumArea->setVisible(!blUploading);
    setProfileActionsEnabled(!blUploading);
    if (blUploading) {
        m_pstkwRightPanel->setCurrentWidget(m_pwUploadProcess);
        m_ptmrKeepAlive->start(KEEP_ALIVE_INTERVAL_MS);
        m_ptmrProgress->start(PROGRESS_INTERVAL_MS);
    } else {
        m_plblProcessThumbnail->clear();
        m_pstkwRightPanel->setCurrentWidget(m_pwUploadSetting);
        m_ptmrKeepAlive->stop();
        m_ptmrProgress->stop();
    }
}

void CVorkWindowPhotoUpload::slotUploadCancelClicked()
{
    if (m_pUploadManager)
        m_pUploadManager->terminate();
    setUploadMode(false);
}

QString CVorkWindowPhotoUpload::tempFolderPath()
{
    return PhotoWorkFolder::path();
}

void CVorkWindowPhotoUpload::cleanUpTempFolder()
{
    if (m_bUploading)
        slotUploadCancelClicked();
    // The worker may still be ending its step in the folder; the page (its parent) is destroyed
    // soon after, and a thread must not outlive its object.
    releaseUploadManager();
    // A preview converter still writing into the folder would otherwise outlive it.
    stopUIPreviews();
    // Never through a link, never in a folder that is not this user's own.
    PhotoWorkFolder::remove();
}

// The upload options and the upload are in CVorkWindowPhotoUploadRun.cpp; the file list, the file
// table and the previews in CVorkWindowPhotoUploadFiles.cpp.
