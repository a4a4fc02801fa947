#include "CVorkDialogUpdDirSelection.h"

#include <QBrush>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <QUrl>

#include <json/value.h>
#include <json/writer.h>

#include "CPhotoUploadConfig.h"
#include "StringTable.h"
#include "VorkDebug.h"
#include "VorkJson.h"
#include "platforms.h"

const QString CVorkDialogUpdDirSelection::strPlaceholderPath = QStringLiteral("dummy_folder");

namespace {

const char kSource[] = "src/PhotoUploader/CVorkDialogUpdDirSelection";

const char kAlbumScript[] = "/photo/include/vork_get_uploadable_album.php";
const char kFileUploadScript[] = "/photo/include/vork_file_upload.php";
const char kFormContentType[] = "application/x-www-form-urlencoded";

// The reasons the list replies name when they name none (spelled as the application has them).
const char kListDefaultError[] = "server default errror";
const char kCreateDefaultError[] = "server default error";

// A truth value of the reply. A boolean or a number as the JSON library reads it; an absent or
// null member, or one of another type (reading it as a truth value would throw), gives
// `fallback`.
bool boolMember(const Json::Value &root, const char *key, bool fallback)
{
    const Json::Value &value = VorkJson::member(root, key);
    if (value.isBool() || value.isNumeric())
        return value.asBool();
    return fallback;
}

// A text of the reply: a string as UTF-8; an absent or null member gives `fallback`; any other
// type its compact JSON text, so that it is still shown and never read as a string (which would
// throw).
QString textMember(const Json::Value &root, const char *key, const QString &fallback)
{
    const Json::Value &value = VorkJson::member(root, key);
    if (value.isString()) {
        const char *begin = nullptr;
        const char *end = nullptr;
        value.getString(&begin, &end);
        return QString::fromUtf8(begin, static_cast<int>(end - begin));
    }
    if (value.isNull())
        return fallback;
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return QString::fromStdString(Json::writeString(builder, value));
}

// The strings of an array member; anything else counts as an empty list, and entries that are
// not strings are left out.
QStringList textList(const Json::Value &root, const char *key)
{
    QStringList out;
    const Json::Value &value = VorkJson::member(root, key);
    if (!value.isArray())
        return out;
    for (Json::ArrayIndex i = 0; i < value.size(); ++i) {
        const Json::Value &entry = value[i];
        if (!entry.isString())
            continue;
        const char *begin = nullptr;
        const char *end = nullptr;
        entry.getString(&begin, &end);
        out << QString::fromUtf8(begin, static_cast<int>(end - begin));
    }
    return out;
}

QString itemPath(const QTreeWidgetItem *item)
{
    return item->data(0, Qt::UserRole).toString();
}

} // namespace

CVorkDialogUpdDirSelection::CVorkDialogUpdDirSelection(QWidget *parent, QNetworkAccessManager *manager,
                                                       CPhotoUploadConfig *profile)
    : QDialog(parent),
      m_pNetworkManager(manager),
      m_pPhotoConfig(profile),
      m_pReply(nullptr),
      m_ptreitmExpanding(nullptr),
      m_bIsAdmin(false),
      m_bSessionLost(false)
{
    setupUi(this);
    languageChange();
    // The page's manager already goes direct; a manager handed in by anyone else is made to.
    useDirectConnection(m_pNetworkManager);

    m_pbtnCreateAlbum->setEnabled(false);
    m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->setEnabled(false);

    QTreeWidgetItem *root = new QTreeWidgetItem(m_ptrewServerDirTree, QStringList(QStringLiteral("photo")), ItemRoot);
    root->setData(0, Qt::UserRole, QString());

    m_ptrewServerDirTree->setEnabled(false);
    requestUploadableAlbumList(m_pPhotoConfig);
}

CVorkDialogUpdDirSelection::~CVorkDialogUpdDirSelection()
{
    // The replies belong to the page's manager: the ones still running are stopped and released
    // here, without reaching a handler of this dialog.
    for (QNetworkReply *reply : m_lstRunningReplies) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_lstRunningReplies.clear();
    qDeleteAll(m_lstRemovedPlaceholders);
}

void CVorkDialogUpdDirSelection::languageChange()
{
    setWindowTitle(getString(IDS_PHOTO_CAPTION));
    m_plblTitle->setText(getString(IDS_WZDMAP_CONNECT));
    m_plblNewAlbumName->setText(getString(IDS_PHOTO_LBL_NEW_ALBUM_NAME));
    m_pbtnCreateAlbum->setText(getString(IDS_PHOTO_BTN_CREATE_NEW_ALBUM));
    m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->setText(getString(IDS_BTN_OK));
    m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Cancel)->setText(getString(IDS_BTN_CANCEL));
}

// ---------------------------------------------------------------------------------------------
// Requests

QNetworkReply *CVorkDialogUpdDirSelection::postRequest(const char *script, const QByteArray &body,
                                                       const QList<QPair<QByteArray, QByteArray>> &headers,
                                                       const char *slot)
{
    if (!m_pNetworkManager || !m_pPhotoConfig)
        return nullptr;
    QNetworkRequest request(QUrl(m_pPhotoConfig->getBaseUrl() + QLatin1String(script)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kFormContentType));
    for (const auto &header : headers)
        request.setRawHeader(header.first, header.second);
    QNetworkReply *reply = m_pNetworkManager->post(request, body);
    m_pReply = reply;
    m_lstRunningReplies << reply;
    connect(reply, SIGNAL(finished()), this, slot);
    return reply;
}

QNetworkReply *CVorkDialogUpdDirSelection::takeFinishedReply()
{
    QNetworkReply *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply || !m_lstRunningReplies.removeOne(reply))
        return nullptr;
    if (m_pReply == reply)
        m_pReply = nullptr;
    // Handled once; the manager would otherwise keep every reply until it ends.
    reply->disconnect(this);
    reply->deleteLater();
    return reply;
}

void CVorkDialogUpdDirSelection::requestUploadableAlbumList(CPhotoUploadConfig *profile)
{
    if (m_pReply) {
        // Only the list of this request counts.
        m_lstRunningReplies.removeOne(m_pReply);
        m_hashSubAlbumTargets.remove(m_pReply);
        m_hashCreateRequests.remove(m_pReply);
        m_pReply->disconnect(this);
        m_pReply->abort();
        m_pReply->deleteLater();
        m_pReply = nullptr;
    }
    m_pPhotoConfig = profile;
    postRequest(kAlbumScript, QByteArrayLiteral("action=get_uploadable_album_list"), {},
                SLOT(slotGetUpdAlbumLstRequestFinished()));
}

void CVorkDialogUpdDirSelection::requestSubAlbumList(CPhotoUploadConfig *profile, const QString &path)
{
    m_ptrewServerDirTree->setEnabled(false);
    setCursor(Qt::WaitCursor);
    m_pPhotoConfig = profile;
    const QByteArray body = "action=get_all_subalbum_list&path=" + QUrl::toPercentEncoding(path);
    QNetworkReply *reply = postRequest(kAlbumScript, body, {}, SLOT(slotGetSubAlbumLstRequestFinished()));
    if (reply)
        m_hashSubAlbumTargets.insert(reply, m_ptreitmExpanding);
}

// ---------------------------------------------------------------------------------------------
// Replies

QTreeWidgetItem *CVorkDialogUpdDirSelection::addAlbumItem(QTreeWidgetItem *parent, const QString &name,
                                                          const QString &path, int type, bool withPlaceholder)
{
    QTreeWidgetItem *item = new QTreeWidgetItem(parent, QStringList(name), type);
    item->setData(0, Qt::UserRole, path);
    if (withPlaceholder) {
        QTreeWidgetItem *placeholder = new QTreeWidgetItem(item, QStringList(QString()), ItemDeeper);
        placeholder->setData(0, Qt::UserRole, strPlaceholderPath);
        // Only an expand mark, never an album: it cannot be selected.
        placeholder->setFlags(Qt::ItemIsEnabled);
    }
    return item;
}

void CVorkDialogUpdDirSelection::reportAndClose(const QString &message, bool close)
{
    if (!message.isEmpty())
        QMessageBox::warning(this, getString(IDS_PHOTO_CAPTION), message, QMessageBox::Ok, QMessageBox::NoButton);
    if (m_bSessionLost || close)
        m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Cancel)->click();
}

void CVorkDialogUpdDirSelection::slotGetUpdAlbumLstRequestFinished()
{
    QNetworkReply *reply = takeFinishedReply();
    if (!reply)
        return;
    QString message;
    bool notSupported = false;
    const QByteArray baDocument = reply->readAll();
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::ContentNotFoundError) {
        message = getString(IDS_ERR_VR_NOT_SUPP);
        notSupported = true;
    } else if (error != QNetworkReply::NoError) {
        message = getString(IDS_ERR_CONNECTION_FAIL).arg(networkErrorName(error));
    } else if (!baDocument.startsWith('{')) {
        VORK_DEBUG_STR(kSource, "QString(QString(baDocument)).toLocal8Bit().constData()",
                       QString::fromLatin1(baDocument.constData()));
        message = getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(QStringLiteral("ret_err"));
    } else {
        const Json::Value root = VorkJson::readReplyBody(baDocument);
        if (VorkJson::succeeded(root)) {
            m_bIsAdmin = boolMember(root, "is_admin", false);
            QTreeWidgetItem *rootItem = m_ptrewServerDirTree->topLevelItem(0);
            QHash<QString, QTreeWidgetItem *> made;
            const QStringList albums = textList(root, "uploadable_albums");
            for (const QString &album : albums) {
                const QStringList parts = album.split(QLatin1Char('/'), Qt::SkipEmptyParts);
                if (parts.isEmpty())
                    continue;
                const QString first = parts.at(0);
                QTreeWidgetItem *firstItem = made.value(first);
                if (!firstItem) {
                    firstItem = addAlbumItem(rootItem, first, first, ItemFirstLevel, false);
                    made.insert(first, firstItem);
                }
                if (parts.size() < 2)
                    continue;
                const QString path = first + QLatin1Char('/') + parts.at(1);
                // One item per album, however often the list names it.
                if (made.contains(path))
                    continue;
                made.insert(path, addAlbumItem(firstItem, parts.at(1), path, ItemSecondLevel, true));
            }
        } else {
            const QString reason = textMember(root, "err_msg", QLatin1String(kListDefaultError));
            if (reason == QLatin1String("session_lost")) {
                m_bSessionLost = true;
                message = getString(IDS_PHOTO_ERR_SESSION_LOST);
            } else {
                VORK_DEBUG_STR(kSource, "get uploadable album error", reason);
                message = getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(reason);
            }
        }
    }

    m_plblTitle->setText(getString(IDS_PHOTO_LBL_SELECT_UPD_FOLDER));
    QTreeWidgetItem *rootItem = m_ptrewServerDirTree->topLevelItem(0);
    rootItem->setExpanded(true);
    if (m_bIsAdmin)
        m_ptrewServerDirTree->setCurrentItem(rootItem);
    else
        rootItem->setForeground(0, QBrush(Qt::gray));
    m_ptrewServerDirTree->setEnabled(true);
    reportAndClose(message, notSupported);
}

void CVorkDialogUpdDirSelection::slotGetSubAlbumLstRequestFinished()
{
    QNetworkReply *reply = takeFinishedReply();
    if (!reply)
        return;
    QTreeWidgetItem *item = m_hashSubAlbumTargets.take(reply);
    QString message;
    const QByteArray baDocument = reply->readAll();
    const QNetworkReply::NetworkError error = reply->error();
    if (error != QNetworkReply::NoError) {
        message = getString(IDS_ERR_CONNECTION_FAIL).arg(networkErrorName(error));
    } else if (!baDocument.startsWith('{')) {
        VORK_DEBUG_STR(kSource, "QString(QString(baDocument)).toLocal8Bit().constData()",
                       QString::fromLatin1(baDocument.constData()));
        message = getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(QStringLiteral("ret_err"));
    } else {
        const Json::Value root = VorkJson::readReplyBody(baDocument);
        if (VorkJson::succeeded(root)) {
            const QString path = item ? itemPath(item) : QString();
            // A second answer for an album that is already filled adds nothing.
            if (item && !m_hashLoadedAlbums.contains(path)) {
                QTreeWidgetItem *first = item->child(0);
                if (first && itemPath(first) == strPlaceholderPath) {
                    item->removeChild(first);
                    m_lstRemovedPlaceholders << first;
                }
                m_hashLoadedAlbums.insert(path, true);
                const QStringList names = textList(root, "sub_albums");
                for (const QString &name : names) {
                    if (name.isEmpty())
                        continue;
                    const QString fullPath = path + QLatin1Char('/') + name;
                    // Made in this dialog and already shown.
                    if (m_hashCreatedAlbums.contains(fullPath))
                        continue;
                    addAlbumItem(item, name, fullPath, ItemDeeper, true);
                }
            }
        } else {
            const QString reason = textMember(root, "err_msg", QLatin1String(kListDefaultError));
            if (reason == QLatin1String("session_lost")) {
                m_bSessionLost = true;
                message = getString(IDS_PHOTO_ERR_SESSION_LOST);
            } else {
                VORK_DEBUG_STR(kSource, "get uploadable album error", reason);
                message = getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(reason);
            }
        }
    }

    m_ptrewServerDirTree->setEnabled(true);
    setCursor(Qt::ArrowCursor);
    reportAndClose(message, false);
}

void CVorkDialogUpdDirSelection::slotCreateAlbumRequestFinished()
{
    QNetworkReply *reply = takeFinishedReply();
    if (!reply)
        return;
    const CreateRequest sent = m_hashCreateRequests.take(reply);
    QString message;
    const QByteArray baDocument = reply->readAll();
    const QNetworkReply::NetworkError error = reply->error();
    if (error != QNetworkReply::NoError) {
        message = getString(IDS_ERR_CONNECTION_FAIL).arg(networkErrorName(error));
    } else if (!baDocument.startsWith('{')) {
        VORK_DEBUG_STR(kSource, "QString(QString(baDocument)).toLocal8Bit().constData()",
                       QString::fromLatin1(baDocument.constData()));
        message = getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(QStringLiteral("ret_err"));
    } else {
        const Json::Value root = VorkJson::readReplyBody(baDocument);
        if (!VorkJson::succeeded(root)) {
            const QString strServerRet = textMember(root, "err_msg", QLatin1String(kCreateDefaultError));
            const QString badName = QStringLiteral("bad_dir_name_");
            if (strServerRet == QLatin1String("no_privilege")) {
                message = getString(IDS_PHOTO_UPD_ERR_MSG_NO_PRIVILEGE);
            } else if (strServerRet == QLatin1String("duplicated_file")) {
                message = getString(IDS_PHOTO_UPD_ERR_MSG_DUPLICATE);
            } else if (strServerRet.startsWith(badName)) {
                message = getString(IDS_PHOTO_ERR_BAD_DIR_NAME).arg(QString(strServerRet).remove(badName));
            } else if (strServerRet == QLatin1String("session_lost")) {
                m_bSessionLost = true;
                message = getString(IDS_PHOTO_ERR_SESSION_LOST);
            } else if (strServerRet == QLatin1String("demo_site_disable")) {
                message = getString(IDS_PHOTO_UPD_ERR_MSG_DEMO_SITE);
            } else {
                const QString line = QStringLiteral("create album server unknown error: return error -- ") + strServerRet;
                VORK_DEBUG_STR(kSource,
                               "QString(\"create album server unknown error: return error -- \" + "
                               "strServerRet).toLocal8Bit().constData()",
                               line);
                message = getString(IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR).arg(strServerRet);
            }
        } else if (boolMember(root, "duplicate_folder", true)) {
            message = getString(IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME);
        } else if (QTreeWidgetItem *parent = sent.parent; parent && parent->treeWidget() == m_ptrewServerDirTree) {
            // The album goes where the request said: below the parent it was sent for, under
            // the name that was sent.
            const QString parentPath = itemPath(parent);
            const QString name = sent.name;
            int type = ItemDeeper;
            QString path = parentPath + QLatin1Char('/') + name;
            if (parent->type() == ItemRoot) {
                type = ItemFirstLevel;
                path = name;
            } else if (parent->type() == ItemFirstLevel) {
                type = ItemSecondLevel;
            }
            QTreeWidgetItem *item = addAlbumItem(parent, name, path, type, false);
            m_hashCreatedAlbums.insert(path, true);
            // Selected alone; scrolling to it expands its collapsed ancestors, and an ancestor
            // not fetched yet starts its sub-album request through the expansion rule.
            m_ptrewServerDirTree->setCurrentItem(item);
            m_ptrewServerDirTree->scrollToItem(item, QAbstractItemView::EnsureVisible);
        }
    }

    m_ptrewServerDirTree->setEnabled(true);
    setCursor(Qt::ArrowCursor);
    reportAndClose(message, false);
}

// ---------------------------------------------------------------------------------------------
// Tree and buttons

void CVorkDialogUpdDirSelection::slotDirItemExpanded(QTreeWidgetItem *ptreitmExpandedItem)
{
    if (!ptreitmExpandedItem)
        return;
    m_ptreitmExpanding = ptreitmExpandedItem;
    const QString path = itemPath(ptreitmExpandedItem);
    // The root and the first level arrive complete with the album list; an album is fetched
    // once.
    if (ptreitmExpandedItem->type() > ItemFirstLevel && !m_hashLoadedAlbums.contains(path))
        requestSubAlbumList(m_pPhotoConfig, path);
}

void CVorkDialogUpdDirSelection::slotCreateFolderClicked()
{
    // Tested as typed: a name of blanks only is sent (empty) and the server decides.
    if (m_plnedtNewFolderName->text().isEmpty())
        return;
    m_ptrewServerDirTree->setEnabled(false);
    setCursor(Qt::WaitCursor);
    const QString name = m_plnedtNewFolderName->text().trimmed();
    m_plnedtNewFolderName->setText(name);

    const QList<QTreeWidgetItem *> selected = m_ptrewServerDirTree->selectedItems();
    if (selected.isEmpty()) {
        m_ptrewServerDirTree->setEnabled(true);
        setCursor(Qt::ArrowCursor);
        return;
    }
    QTreeWidgetItem *parent = selected.first();

    const QList<QPair<QByteArray, QByteArray>> headers = {
        {QByteArrayLiteral("X-PATH"), " " + QUrl::toPercentEncoding(itemPath(parent))},
        {QByteArrayLiteral("X-DUPLICATE"), QByteArrayLiteral("SKIP")},
        {QByteArrayLiteral("X-ORIG-FNAME"), " " + QUrl::toPercentEncoding(name)},
        {QByteArrayLiteral("X-UPLOAD-TYPE"), QByteArrayLiteral("FOLDER")},
    };
    QNetworkReply *reply = postRequest(kFileUploadScript, QByteArray(), headers,
                                       SLOT(slotCreateAlbumRequestFinished()));
    if (!reply) {
        m_ptrewServerDirTree->setEnabled(true);
        setCursor(Qt::ArrowCursor);
        return;
    }
    m_hashCreateRequests.insert(reply, CreateRequest{parent, name});
}

void CVorkDialogUpdDirSelection::slotDirItemSelectionChanged()
{
    QPushButton *ok = m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok);
    const QList<QTreeWidgetItem *> selected = m_ptrewServerDirTree->selectedItems();
    if (selected.isEmpty()) {
        m_pbtnCreateAlbum->setEnabled(false);
        ok->setEnabled(false);
        return;
    }
    // The placeholder row is no album at all (an album of that type has a "/" in its path).
    const QTreeWidgetItem *item = selected.first();
    const bool placeholder = item->type() == ItemDeeper && itemPath(item) == strPlaceholderPath;
    const bool allowed = !placeholder && (m_bIsAdmin || item->type() != ItemRoot);
    m_pbtnCreateAlbum->setEnabled(allowed);
    ok->setEnabled(allowed);
}
