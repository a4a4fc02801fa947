#ifndef CVORKDIALOGUPDDIRSELECTION_H
#define CVORKDIALOGUPDDIRSELECTION_H

#include <QByteArray>
#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>

#include "ui_CVorkDialogUpdDirSelection.h"

class CPhotoUploadConfig;
class QNetworkAccessManager;
class QNetworkReply;
class QTreeWidgetItem;

// The modal dialog in which the user picks the server album that receives an upload, and may
// create a new album under the selected one.
//
// The tree is loaded from the server's photo web application in steps: the first request lists
// the albums the account may upload to, two levels deep; a deeper level is fetched the first
// time its album is expanded (until then a placeholder child gives the album its expand mark).
// Every request goes through the photo page's network manager, so it carries the login's session
// cookie. While a request runs the tree is disabled and the dialog shows the wait cursor.
//
// Each item carries the album name as its text, its path below the photo root (levels joined by
// "/", empty for the root) under Qt::UserRole, and its level as the item type (ItemType).
//
// A reply that reports a lost session closes the dialog as rejected; the page then asks
// isSessionLost(). GUI thread only.
class CVorkDialogUpdDirSelection : public QDialog, public Ui::CVorkDialogUpdDirSelection
{
    Q_OBJECT

public:
    enum ItemType {
        // The root album "photo", the tree's only top-level item.
        ItemRoot = 1000,
        // An album directly below the root.
        ItemFirstLevel = 1001,
        // An album inside a first-level album.
        ItemSecondLevel = 1002,
        // Any deeper album, and the placeholder child of an album not fetched yet.
        ItemDeeper = 1003,
    };
    // The path a placeholder child carries.
    static const QString strPlaceholderPath;

    // Builds the form, sets its texts, adds the root item and sends the album-list request. The
    // manager and the profile belong to the caller and must outlive the dialog.
    CVorkDialogUpdDirSelection(QWidget *parent, QNetworkAccessManager *manager, CPhotoUploadConfig *profile);
    // Requests still running are dropped without reporting.
    ~CVorkDialogUpdDirSelection() override;

    // Sets every text from the string table.
    virtual void languageChange();

    // Whether a reply reported that the login session is gone.
    bool isSessionLost() const { return m_bSessionLost; }

    // Asks for the albums the account may upload to (two levels).
    void requestUploadableAlbumList(CPhotoUploadConfig *profile);
    // Asks for the direct sub-albums of `path`; they go below the item expanded last. Disables
    // the tree and shows the wait cursor until the reply.
    void requestSubAlbumList(CPhotoUploadConfig *profile, const QString &path);

private slots:
    void slotGetUpdAlbumLstRequestFinished();
    void slotGetSubAlbumLstRequestFinished();
    void slotCreateAlbumRequestFinished();
    // Fetches the sub-albums of an album the first time it is expanded.
    void slotDirItemExpanded(QTreeWidgetItem *ptreitmExpandedItem);
    // Sends the request that creates the album named in the name field under the selected one.
    void slotCreateFolderClicked();
    // OK and Create follow the selection: both need a selected album, and only an administrator
    // may choose or create directly under the root.
    void slotDirItemSelectionChanged();

private:
    // Posts `body` to the photo application's `script` with the form content type and `headers`
    // (in order), records the reply as the latest one and as running, and connects its end to
    // `slot`.
    QNetworkReply *postRequest(const char *script, const QByteArray &body,
                               const QList<QPair<QByteArray, QByteArray>> &headers, const char *slot);
    // The reply whose end is being handled (the one that signalled), taken off the running
    // list; null when the signal came from elsewhere.
    QNetworkReply *takeFinishedReply();
    // A new item below `parent`, with its path and type; a placeholder child when asked.
    QTreeWidgetItem *addAlbumItem(QTreeWidgetItem *parent, const QString &name, const QString &path, int type,
                                  bool withPlaceholder);
    // The warning box of the photo uploader, then Cancel when the session is gone (or `close`).
    void reportAndClose(const QString &message, bool close);

    QNetworkAccessManager *m_pNetworkManager;
    CPhotoUploadConfig *m_pPhotoConfig;
    // The reply of the latest request the dialog started.
    QNetworkReply *m_pReply;
    QHash<QString, bool> m_hashLoadedAlbums;
    QHash<QString, bool> m_hashCreatedAlbums;
    // The item expanded last.
    QTreeWidgetItem *m_ptreitmExpanding;
    bool m_bIsAdmin;
    bool m_bSessionLost;

    // Requests that have not been handled yet.
    QList<QNetworkReply *> m_lstRunningReplies;
    // The item each sub-album request was sent for.
    QHash<QNetworkReply *, QTreeWidgetItem *> m_hashSubAlbumTargets;
    // The parent item and the name each album-creation request was sent with.
    struct CreateRequest {
        QTreeWidgetItem *parent = nullptr;
        QString name;
    };
    QHash<QNetworkReply *, CreateRequest> m_hashCreateRequests;
    // Placeholders taken out of the tree: a running request may still name one as its item, so
    // they live as long as the dialog.
    QList<QTreeWidgetItem *> m_lstRemovedPlaceholders;
};

#endif // CVORKDIALOGUPDDIRSELECTION_H
