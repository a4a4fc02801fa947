// The album chooser against the simulated photo web application on loopback: its form and first
// state, the album list and its tree, the lazy sub-album requests, album creation on the wire and
// every reply outcome, the OK/Create rule, a lost session, and replies that overlap.

#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTreeWidget>

#include <memory>

#include "CVorkDialogUpdDirSelection.h"
#include "SimPhotoServer.h"
#include "StringTable.h"
#include "photopagetest.h"

using namespace PhotoPageTest;

namespace {

const int WAIT_MS = 10000;
const char AlbumScript[] = "/photo/include/vork_get_uploadable_album.php";
const char UploadScript[] = "/photo/include/vork_file_upload.php";

// bob writes every album; "Ü l" has a sub-album with a blank in its name.
const QByteArray Scenario = R"({"accounts":{"admin":{"admin":true},"bob":{}},
  "albums":[{"path":"a","writers":["bob"]},{"path":"a/b","writers":["bob"]},
            {"path":"a/b/e","writers":["bob"]},{"path":"a/b/f","writers":["bob"]},
            {"path":"a/c","writers":["bob"]},{"path":"d","writers":["bob"]},
            {"path":"\u00dc l","writers":["bob"]},{"path":"\u00dc l/Z 1","writers":["bob"]},
            {"path":"\u00dc l/Z 1/q","writers":["bob"]}]})";

using Dialog = CVorkDialogUpdDirSelection;

// Runs the event loop until the condition holds or the hang guard (tsup::guardMs(timeoutMs)) is up.
bool waitFor(const std::function<bool()> &condition, int timeoutMs = WAIT_MS)
{
    const int guard = tsup::guardMs(timeoutMs);
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < guard)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

QString path(const QTreeWidgetItem *item)
{
    return item->data(0, Qt::UserRole).toString();
}

// The child of `parent` with that text, or null.
QTreeWidgetItem *child(QTreeWidgetItem *parent, const QString &name)
{
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == name)
            return parent->child(i);
    return nullptr;
}

// The item at "photo/a/b" style paths of names.
QTreeWidgetItem *item(Dialog &dialog, const QString &names)
{
    QTreeWidgetItem *node = dialog.m_ptrewServerDirTree->topLevelItem(0);
    if (names.isEmpty())
        return node;
    for (const QString &name : names.split(QLatin1Char('/')))
        node = child(node, name);
    return node;
}

// The texts of the children, in order.
QStringList childNames(QTreeWidgetItem *parent)
{
    QStringList out;
    for (int i = 0; parent && i < parent->childCount(); ++i)
        out << parent->child(i)->text(0);
    return out;
}

bool isPlaceholder(const QTreeWidgetItem *item)
{
    return item && item->type() == 1003 && item->text(0).isEmpty() && path(item) == QLatin1String("dummy_folder") &&
           item->childCount() == 0;
}

} // namespace

class TestAlbumDialog : public QObject
{
    Q_OBJECT

private:
    SimPhotoServer m_sim{QStringLiteral(VORK_SIMSERVER_BIN)};
    ModalDriver m_driver;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    CPhotoUploadConfig m_profile;

    QList<QJsonObject> requestsTo(const char *script) const
    {
        QList<QJsonObject> out;
        for (const QJsonObject &r : m_sim.requests())
            if (r.value(QStringLiteral("script")).toString() == QLatin1String(script))
                out << r;
        return out;
    }

    // A fresh manager whose cookie store holds a live session of `account`.
    void logIn(const QString &account)
    {
        m_manager.reset(new QNetworkAccessManager);
        const QString id = m_sim.ok(QStringLiteral("photo session open ") + account);
        QVERIFY(!id.isEmpty());
        m_profile = makeProfile(QStringLiteral("p"), m_sim.port(), account, QStringLiteral("x"));
        const QUrl url(QStringLiteral("http://127.0.0.1:%1/").arg(m_sim.port()));
        QVERIFY(m_manager->cookieJar()->setCookiesFromUrl({QNetworkCookie("PHPSESSID", id.toLatin1())}, url));
    }

    // A dialog whose album list has been answered.
    Dialog *open()
    {
        Dialog *dialog = new Dialog(nullptr, m_manager.get(), &m_profile);
        dialog->show();
        const QString ready = getString(IDS_PHOTO_LBL_SELECT_UPD_FOLDER);
        waitFor([dialog, &ready]() { return dialog->m_plblTitle->text() == ready; });
        return dialog;
    }

    bool waitForBoxes(int count) { return waitFor([this, count]() { return m_driver.boxes.size() >= count; }); }

    // Waits until the dialog has handled everything it sent: tree enabled, normal cursor.
    static bool settled(Dialog &dialog)
    {
        return waitFor([&dialog]() {
            return dialog.m_ptrewServerDirTree->isEnabled() && dialog.cursor().shape() == Qt::ArrowCursor;
        });
    }

    void create(Dialog &dialog, const QString &parentNames, const QString &name)
    {
        QTreeWidgetItem *parent = item(dialog, parentNames);
        QVERIFY2(parent, qPrintable(parentNames));
        dialog.m_ptrewServerDirTree->setCurrentItem(parent);
        dialog.m_plnedtNewFolderName->setText(name);
        QVERIFY(dialog.m_pbtnCreateAlbum->isEnabled());
        dialog.m_pbtnCreateAlbum->click();
    }

    QPushButton *okButton(Dialog &dialog) { return dialog.m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok); }

    void checkWarning(const ModalDriver::Box &box, Dialog *dialog, const QString &text)
    {
        QCOMPARE(box.text, text);
        QCOMPARE(box.title, QStringLiteral("Photo Uploader"));
        QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.parent, static_cast<QWidget *>(dialog));
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_sim.start(&error, Scenario), qPrintable(error));
    }

    void init()
    {
        QCOMPARE(m_sim.command(QStringLiteral("photo reset")), QStringLiteral("ok"));
        m_sim.forgetRequests();
        m_driver.boxAnswer = QStringLiteral("OK");
        m_driver.start();
    }

    void cleanup()
    {
        m_driver.stop();
        m_manager.reset();
    }

    void formAndFirstState()
    {
        logIn(QStringLiteral("bob"));
        // Hold the list so that the state before its answer can be seen.
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_get_uploadable_album.php * 1 hold")), QStringLiteral("ok"));
        Dialog dialog(nullptr, m_manager.get(), &m_profile);
        QCOMPARE(dialog.objectName(), QStringLiteral("CVorkDialogUpdDirSelection"));
        QCOMPARE(dialog.size(), QSize(330, 348));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Photo Uploader"));
        QCOMPARE(dialog.m_plblTitle->text(), QStringLiteral("Connecting to server..."));
        QCOMPARE(dialog.m_plblNewAlbumName->text(), QStringLiteral("Create folder:"));
        QCOMPARE(dialog.m_pbtnCreateAlbum->text(), QStringLiteral("Create"));
        QCOMPARE(okButton(dialog)->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog.m_pbtnbxDialogBtnBox->orientation(), Qt::Horizontal);
        QVERIFY(dialog.m_ptrewServerDirTree->isHeaderHidden());
        QCOMPARE(dialog.m_ptrewServerDirTree->columnCount(), 1);
        QCOMPARE(dialog.m_ptrewServerDirTree->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!dialog.m_pbtnCreateAlbum->isEnabled());
        QVERIFY(!okButton(dialog)->isEnabled());
        QVERIFY(!dialog.m_ptrewServerDirTree->isEnabled());
        QVERIFY(!dialog.isSessionLost());
        QCOMPARE(dialog.m_ptrewServerDirTree->topLevelItemCount(), 1);
        QTreeWidgetItem *root = dialog.m_ptrewServerDirTree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("photo"));
        QCOMPARE(root->type(), 1000);
        QCOMPARE(path(root), QString());
        QVERIFY(root->data(0, Qt::UserRole).isValid());

        QVERIFY(m_sim.waitForRequests(1));
        const QJsonObject request = m_sim.requests().at(0);
        QCOMPARE(request.value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
        QCOMPARE(request.value(QStringLiteral("target")).toString(), QString::fromLatin1(AlbumScript));
        QCOMPARE(SimPhotoServer::body(request), QByteArray("action=get_uploadable_album_list"));
        QCOMPARE(SimPhotoServer::header(request, QStringLiteral("Content-Type")),
                 QStringLiteral("application/x-www-form-urlencoded"));
        QVERIFY(SimPhotoServer::header(request, QStringLiteral("Cookie")).contains(QLatin1String("PHPSESSID=")));
        // The session is the manager's: the request was answered as bob's.
        QVERIFY(!request.value(QStringLiteral("session")).toString().isEmpty());

        QCOMPARE(m_sim.ok(QStringLiteral("photo release")), QStringLiteral("1"));
        QVERIFY(settled(dialog));
        QCOMPARE(dialog.m_plblTitle->text(), QStringLiteral("Select a folder to upload photos"));
        QVERIFY(m_driver.boxes.isEmpty());
    }

    void albumListAndSelectionRule()
    {
        logIn(QStringLiteral("bob"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        QTreeWidgetItem *root = item(*dialog, QString());
        QVERIFY(root->isExpanded());
        QCOMPARE(root->foreground(0).color(), QColor(Qt::gray));
        QCOMPARE(dialog->m_ptrewServerDirTree->currentItem(), static_cast<QTreeWidgetItem *>(nullptr));
        QCOMPARE(childNames(root), (QStringList{QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("\u00dc l")}));
        QTreeWidgetItem *a = item(*dialog, QStringLiteral("a"));
        QCOMPARE(a->type(), 1001);
        QCOMPARE(path(a), QStringLiteral("a"));
        QCOMPARE(childNames(a), (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
        for (const QString &name : {QStringLiteral("b"), QStringLiteral("c")}) {
            QTreeWidgetItem *second = child(a, name);
            QCOMPARE(second->type(), 1002);
            QCOMPARE(path(second), QStringLiteral("a/") + name);
            QCOMPARE(second->childCount(), 1);
            QVERIFY(isPlaceholder(second->child(0)));
        }
        QCOMPARE(item(*dialog, QStringLiteral("d"))->childCount(), 0);
        QVERIFY(m_driver.boxes.isEmpty());

        // Not an administrator: the root can be neither chosen nor created under.
        dialog->m_ptrewServerDirTree->setCurrentItem(root);
        QVERIFY(!okButton(*dialog)->isEnabled());
        QVERIFY(!dialog->m_pbtnCreateAlbum->isEnabled());
        dialog->m_ptrewServerDirTree->setCurrentItem(a);
        QVERIFY(okButton(*dialog)->isEnabled());
        QVERIFY(dialog->m_pbtnCreateAlbum->isEnabled());
        // The name field is not looked at.
        QVERIFY(dialog->m_plnedtNewFolderName->text().isEmpty());
        dialog->m_ptrewServerDirTree->setCurrentItem(item(*dialog, QStringLiteral("a/b")));
        QVERIFY(okButton(*dialog)->isEnabled());
        dialog->m_ptrewServerDirTree->clearSelection();
        QVERIFY(!okButton(*dialog)->isEnabled());
        QVERIFY(!dialog->m_pbtnCreateAlbum->isEnabled());
    }

    void administratorListShapes()
    {
        logIn(QStringLiteral("admin"));
        // Names split at "/" with empty parts dropped; a third level and non-text entries ignored;
        // an album named twice shows once.
        QCOMPARE(m_sim.command(QStringLiteral(
                     "photo fault vork_get_uploadable_album.php * 1 json "
                     "{\"success\":true,\"is_admin\":true,\"uploadable_albums\":[\"a\",\"a/b\",\"a/c\",\"d\",\"/a//b/c\",7,\"a/b\"]}")),
                 QStringLiteral("ok"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        QTreeWidgetItem *root = item(*dialog, QString());
        QCOMPARE(childNames(root), (QStringList{QStringLiteral("a"), QStringLiteral("d")}));
        QCOMPARE(childNames(item(*dialog, QStringLiteral("a"))), (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
        QCOMPARE(item(*dialog, QStringLiteral("a/b"))->childCount(), 1);
        QVERIFY(isPlaceholder(item(*dialog, QStringLiteral("a/b"))->child(0)));
        QCOMPARE(item(*dialog, QStringLiteral("d"))->childCount(), 0);
        // An administrator gets the root chosen at once.
        QCOMPARE(dialog->m_ptrewServerDirTree->currentItem(), root);
        QVERIFY(root->isSelected());
        QVERIFY(okButton(*dialog)->isEnabled());
        QVERIFY(dialog->m_pbtnCreateAlbum->isEnabled());
        QVERIFY(root->foreground(0).color() != QColor(Qt::gray));
        QVERIFY(m_driver.boxes.isEmpty());
    }

    void listFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("sessionLost");
        QTest::newRow("404") << "status 404" << getString(IDS_ERR_VR_NOT_SUPP) << true << false;
        QTest::newRow("500") << "status 500"
                             << QStringLiteral("Connection error. (Error Code: reply_err_401)") << false << false;
        QTest::newRow("dropped") << "drop" << QStringLiteral("Connection error. (Error Code: RemoteHostClosedError)")
                                 << false << false;
        QTest::newRow("html") << "raw <html>\\n" << QStringLiteral("Unknown server error. (Error Code:ret_err)")
                              << false << false;
        QTest::newRow("no reason") << "noerrmsg"
                                   << QStringLiteral("Unknown server error. (Error Code:server default errror)")
                                   << false << false;
        QTest::newRow("reason") << "errmsg odd_thing" << QStringLiteral("Unknown server error. (Error Code:odd_thing)")
                                << false << false;
        QTest::newRow("success text") << "json {\"success\":\"yes\",\"uploadable_albums\":[\"zz\"]}"
                                      << QStringLiteral("Unknown server error. (Error Code:server default errror)")
                                      << false << false;
        QTest::newRow("reason object") << "json {\"success\":false,\"err_msg\":{}}"
                                       << QStringLiteral("Unknown server error. (Error Code:{})") << false << false;
        QTest::newRow("session lost") << "errmsg session_lost" << getString(IDS_PHOTO_ERR_SESSION_LOST) << true
                                      << true;
        QTest::newRow("nested 2000 deep") << "deep"
                                          << QStringLiteral("Unknown server error. (Error Code:server default errror)")
                                          << false << false;
    }

    void listFailures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        QFETCH(bool, closes);
        QFETCH(bool, sessionLost);
        logIn(QStringLiteral("admin"));
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_get_uploadable_album.php * 0 ") + fault),
                 QStringLiteral("ok"));
        Dialog dialog(nullptr, m_manager.get(), &m_profile);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.show();
        QVERIFY(waitForBoxes(1));
        QVERIFY(settled(dialog));
        checkWarning(m_driver.boxes.at(0), &dialog, text);
        QCOMPARE(dialog.m_plblTitle->text(), QStringLiteral("Select a folder to upload photos"));
        QCOMPARE(item(dialog, QString())->childCount(), 0);
        QVERIFY(item(dialog, QString())->isExpanded());
        QCOMPARE(rejected.count(), closes ? 1 : 0);
        QCOMPARE(dialog.isVisible(), !closes);
        QCOMPARE(dialog.isSessionLost(), sessionLost);
        // A failed list never names the account an administrator.
        QVERIFY(!okButton(dialog)->isEnabled());
        QCOMPARE(m_driver.boxes.size(), 1);
    }

    void refusedConnection()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const int port = closed.serverPort();
        closed.close();
        m_manager.reset(new QNetworkAccessManager);
        m_profile = makeProfile(QStringLiteral("p"), port, QStringLiteral("admin"), QStringLiteral("x"));
        Dialog dialog(nullptr, m_manager.get(), &m_profile);
        dialog.show();
        QVERIFY(waitForBoxes(1));
        checkWarning(m_driver.boxes.at(0), &dialog, QStringLiteral("Connection error. (Error Code: ConnectionRefusedError)"));
        QVERIFY(dialog.isVisible());
        QVERIFY(settled(dialog));
    }

    void lazyLoading()
    {
        logIn(QStringLiteral("bob"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        m_sim.forgetRequests();

        // A first-level album arrives complete with the list.
        item(*dialog, QStringLiteral("a"))->setExpanded(true);
        QVERIFY(dialog->m_ptrewServerDirTree->isEnabled());
        QTest::qWait(300);
        QCOMPARE(m_sim.requests().size(), 0);

        // A second-level album is fetched on its first expansion only.
        QTreeWidgetItem *b = item(*dialog, QStringLiteral("a/b"));
        b->setExpanded(true);
        QVERIFY(!dialog->m_ptrewServerDirTree->isEnabled());
        QCOMPARE(dialog->cursor().shape(), Qt::WaitCursor);
        QVERIFY(settled(*dialog));
        QList<QJsonObject> sent = requestsTo(AlbumScript);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(SimPhotoServer::body(sent.at(0)), QByteArray("action=get_all_subalbum_list&path=a%2Fb"));
        QCOMPARE(SimPhotoServer::header(sent.at(0), QStringLiteral("Content-Type")),
                 QStringLiteral("application/x-www-form-urlencoded"));
        QCOMPARE(childNames(b), (QStringList{QStringLiteral("e"), QStringLiteral("f")}));
        for (int i = 0; i < b->childCount(); ++i) {
            QCOMPARE(b->child(i)->type(), 1003);
            QCOMPARE(path(b->child(i)), QStringLiteral("a/b/") + b->child(i)->text(0));
            QCOMPARE(b->child(i)->childCount(), 1);
            QVERIFY(isPlaceholder(b->child(i)->child(0)));
        }
        b->setExpanded(false);
        b->setExpanded(true);
        QTest::qWait(300);
        QCOMPARE(requestsTo(AlbumScript).size(), 1);

        // A deeper album without sub-albums loses its placeholder.
        QTreeWidgetItem *e = child(b, QStringLiteral("e"));
        e->setExpanded(true);
        QVERIFY(settled(*dialog));
        QCOMPARE(SimPhotoServer::body(requestsTo(AlbumScript).at(1)),
                 QByteArray("action=get_all_subalbum_list&path=a%2Fb%2Fe"));
        QCOMPARE(e->childCount(), 0);

        // UTF-8 and blanks are percent-encoded in the path.
        QTreeWidgetItem *z = item(*dialog, QStringLiteral("\u00dc l/Z 1"));
        z->setExpanded(true);
        QVERIFY(settled(*dialog));
        QCOMPARE(SimPhotoServer::body(requestsTo(AlbumScript).at(2)),
                 QByteArray("action=get_all_subalbum_list&path=%C3%9C%20l%2FZ%201"));
        QCOMPARE(childNames(z), QStringList{QStringLiteral("q")});
        QCOMPARE(path(child(z, QStringLiteral("q"))), QStringLiteral("\u00dc l/Z 1/q"));
        QVERIFY(m_driver.boxes.isEmpty());

        // A failed fetch is shown, leaves the placeholder, and the next expansion asks again.
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_get_uploadable_album.php * 1 errmsg boom")),
                 QStringLiteral("ok"));
        QTreeWidgetItem *c = item(*dialog, QStringLiteral("a/c"));
        c->setExpanded(true);
        QVERIFY(waitForBoxes(1));
        QVERIFY(settled(*dialog));
        checkWarning(m_driver.boxes.at(0), dialog.get(), QStringLiteral("Unknown server error. (Error Code:boom)"));
        QCOMPARE(c->childCount(), 1);
        QVERIFY(isPlaceholder(c->child(0)));
        // That row is never a destination: neither a click nor a program's choice selects it.
        QTreeWidget *tree = dialog->m_ptrewServerDirTree;
        tree->clearSelection();
        tree->scrollToItem(c->child(0));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(c->child(0)).center());
        tree->setCurrentItem(c->child(0));
        QVERIFY(tree->selectedItems().isEmpty());
        QVERIFY(!okButton(*dialog)->isEnabled());
        QVERIFY(!dialog->m_pbtnCreateAlbum->isEnabled());
        c->setExpanded(false);
        c->setExpanded(true);
        QVERIFY(settled(*dialog));
        QCOMPARE(requestsTo(AlbumScript).size(), 5);
        QCOMPARE(c->childCount(), 0);
        QVERIFY(dialog->isVisible());
    }

    void subAlbumFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::newRow("dropped") << "drop" << QStringLiteral("Connection error. (Error Code: RemoteHostClosedError)");
        QTest::newRow("text") << "raw plain text" << QStringLiteral("Unknown server error. (Error Code:ret_err)");
        QTest::newRow("no reason") << "noerrmsg"
                                   << QStringLiteral("Unknown server error. (Error Code:server default errror)");
        QTest::newRow("names not a list") << "json {\"success\":true,\"sub_albums\":\"e\"}" << QString();
        QTest::newRow("session lost") << "errmsg session_lost" << getString(IDS_PHOTO_ERR_SESSION_LOST);
        QTest::newRow("nested 2000 deep") << "deep"
                                          << QStringLiteral("Unknown server error. (Error Code:server default errror)");
    }

    void subAlbumFailures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        logIn(QStringLiteral("bob"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        QSignalSpy rejected(dialog.get(), &QDialog::rejected);
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_get_uploadable_album.php * 0 ") + fault),
                 QStringLiteral("ok"));
        QTreeWidgetItem *b = item(*dialog, QStringLiteral("a/b"));
        b->setExpanded(true);
        if (text.isEmpty()) {
            // A list of another type counts as no names: the album is filled, and empty.
            QVERIFY(settled(*dialog));
            QTest::qWait(200);
            QVERIFY(m_driver.boxes.isEmpty());
            QCOMPARE(b->childCount(), 0);
            return;
        }
        QVERIFY(waitForBoxes(1));
        QVERIFY(settled(*dialog));
        checkWarning(m_driver.boxes.at(0), dialog.get(), text);
        QCOMPARE(b->childCount(), 1);
        const bool lost = text == getString(IDS_PHOTO_ERR_SESSION_LOST);
        QCOMPARE(dialog->isSessionLost(), lost);
        QCOMPARE(rejected.count(), lost ? 1 : 0);
    }

    void createRequests()
    {
        logIn(QStringLiteral("admin"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        m_sim.forgetRequests();

        struct Case {
            QString parent;
            QString name;
            QByteArray xPath;
            QByteArray xName;
            int type;
            QString path;
        };
        const QList<Case> cases = {
            {QString(), QStringLiteral("x"), " ", " x", 1001, QStringLiteral("x")},
            {QStringLiteral("a"), QStringLiteral("b2"), " a", " b2", 1002, QStringLiteral("a/b2")},
            {QStringLiteral("\u00dc l"), QStringLiteral("\u00dcrlaub 1"), " %C3%9C%20l", " %C3%9Crlaub%201", 1002,
             QStringLiteral("\u00dc l/\u00dcrlaub 1")},
        };
        int n = 0;
        for (const Case &c : cases) {
            create(*dialog, c.parent, c.name);
            QVERIFY(!dialog->m_ptrewServerDirTree->isEnabled());
            QCOMPARE(dialog->cursor().shape(), Qt::WaitCursor);
            QVERIFY(settled(*dialog));
            ++n;
            const QList<QJsonObject> sent = requestsTo(UploadScript);
            QCOMPARE(sent.size(), n);
            const QJsonObject &r = sent.last();
            QCOMPARE(r.value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
            QCOMPARE(r.value(QStringLiteral("bodyLen")).toInt(), 0);
            QCOMPARE(SimPhotoServer::header(r, QStringLiteral("Content-Length")), QStringLiteral("0"));
            QCOMPARE(SimPhotoServer::header(r, QStringLiteral("Content-Type")),
                     QStringLiteral("application/x-www-form-urlencoded"));
            QCOMPARE(SimPhotoServer::xHeaderNames(r), (QStringList{QStringLiteral("X-PATH"), QStringLiteral("X-DUPLICATE"),
                                                                   QStringLiteral("X-ORIG-FNAME"),
                                                                   QStringLiteral("X-UPLOAD-TYPE")}));
            QCOMPARE(SimPhotoServer::header(r, QStringLiteral("X-PATH")).toLatin1(), c.xPath);
            QCOMPARE(SimPhotoServer::header(r, QStringLiteral("X-DUPLICATE")), QStringLiteral("SKIP"));
            QCOMPARE(SimPhotoServer::header(r, QStringLiteral("X-ORIG-FNAME")).toLatin1(), c.xName);
            QCOMPARE(SimPhotoServer::header(r, QStringLiteral("X-UPLOAD-TYPE")), QStringLiteral("FOLDER"));

            QTreeWidgetItem *made = child(item(*dialog, c.parent), c.name);
            QVERIFY2(made, qPrintable(c.name));
            QCOMPARE(made->type(), c.type);
            QCOMPARE(path(made), c.path);
            QCOMPARE(made->childCount(), 0);
            QCOMPARE(dialog->m_ptrewServerDirTree->currentItem(), made);
            QCOMPARE(dialog->m_ptrewServerDirTree->selectedItems(), QList<QTreeWidgetItem *>{made});
            QCOMPARE(made->parent()->indexOfChild(made), made->parent()->childCount() - 1);
            for (QTreeWidgetItem *up = made->parent(); up; up = up->parent())
                QVERIFY(up->isExpanded());
            // The field keeps the name.
            QCOMPARE(dialog->m_plnedtNewFolderName->text(), c.name);
            QVERIFY(okButton(*dialog)->isEnabled());
        }
        QVERIFY(m_driver.boxes.isEmpty());
        QStringList stored;
        for (const QJsonValue &album : m_sim.albums())
            stored << album.toObject().value(QStringLiteral("path")).toString();
        QVERIFY(stored.contains(QStringLiteral("x")));
        QVERIFY(stored.contains(QStringLiteral("a/b2")));
        QVERIFY(stored.contains(QStringLiteral("\u00dc l/\u00dcrlaub 1")));

        // An empty field sends nothing.
        m_sim.forgetRequests();
        dialog->m_ptrewServerDirTree->setCurrentItem(item(*dialog, QStringLiteral("a")));
        dialog->m_plnedtNewFolderName->clear();
        QVERIFY(dialog->m_pbtnCreateAlbum->isEnabled());
        dialog->m_pbtnCreateAlbum->click();
        QVERIFY(dialog->m_ptrewServerDirTree->isEnabled());
        QCOMPARE(dialog->cursor().shape(), Qt::ArrowCursor);
        QTest::qWait(300);
        QCOMPARE(m_sim.requests().size(), 0);

        // Blanks pass the test, are trimmed away, and the server answers.
        dialog->m_plnedtNewFolderName->setText(QStringLiteral("   "));
        dialog->m_pbtnCreateAlbum->click();
        QCOMPARE(dialog->m_plnedtNewFolderName->text(), QString());
        QVERIFY(waitForBoxes(1));
        QVERIFY(settled(*dialog));
        QCOMPARE(SimPhotoServer::header(requestsTo(UploadScript).last(), QStringLiteral("X-ORIG-FNAME")),
                 QStringLiteral(" "));
        checkWarning(m_driver.boxes.at(0), dialog.get(), QStringLiteral("Invalid folder name: "));

        // An album that exists.
        create(*dialog, QStringLiteral("a"), QStringLiteral("b"));
        QVERIFY(waitForBoxes(2));
        QVERIFY(settled(*dialog));
        checkWarning(m_driver.boxes.at(1), dialog.get(), getString(IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME));
        QCOMPARE(childNames(item(*dialog, QStringLiteral("a"))),
                 (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("b2")}));
    }

    void createUnderUnfetchedAlbum()
    {
        logIn(QStringLiteral("bob"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        m_sim.forgetRequests();
        QTreeWidgetItem *b = item(*dialog, QStringLiteral("a/b"));
        QVERIFY(!b->isExpanded());
        create(*dialog, QStringLiteral("a/b"), QStringLiteral("c"));
        // The new album is scrolled to, which expands a/b and fetches its list; that list names
        // "c" as well.
        QVERIFY(waitFor([this]() { return requestsTo(AlbumScript).size() == 1; }));
        QVERIFY(settled(*dialog));
        QCOMPARE(SimPhotoServer::header(requestsTo(UploadScript).at(0), QStringLiteral("X-PATH")),
                 QStringLiteral(" a%2Fb"));
        QCOMPARE(SimPhotoServer::body(requestsTo(AlbumScript).at(0)), QByteArray("action=get_all_subalbum_list&path=a%2Fb"));
        QVERIFY(waitFor([b]() { return b->childCount() == 3; }));
        QVERIFY(b->isExpanded());
        QStringList names = childNames(b);
        QCOMPARE(names.count(QStringLiteral("c")), 1);
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("c"), QStringLiteral("e"), QStringLiteral("f")}));
        QTreeWidgetItem *c = child(b, QStringLiteral("c"));
        QCOMPARE(c->type(), 1003);
        QCOMPARE(path(c), QStringLiteral("a/b/c"));
        QCOMPARE(c->childCount(), 0);
        QCOMPARE(dialog->m_ptrewServerDirTree->currentItem(), c);
        QVERIFY(m_driver.boxes.isEmpty());
    }

    void createReplies_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::newRow("dropped") << "drop" << QStringLiteral("Connection error. (Error Code: RemoteHostClosedError)");
        QTest::newRow("html") << "raw <html>" << QStringLiteral("Unknown server error. (Error Code:ret_err)");
        QTest::newRow("no reason") << "noerrmsg" << QStringLiteral("Unknown server error. (Error Code:server default error)");
        QTest::newRow("bad name") << "errmsg bad_dir_name_abc" << QStringLiteral("Invalid folder name: abc");
        QTest::newRow("bad name twice") << "errmsg bad_dir_name_xbad_dir_name_y" << QStringLiteral("Invalid folder name: xy");
        QTest::newRow("Bad name") << "errmsg Bad_dir_name_abc" << QStringLiteral("Unknown server error. (Error Code:Bad_dir_name_abc)");
        QTest::newRow("no privilege") << "errmsg no_privilege" << QStringLiteral("No Privilege.");
        QTest::newRow("duplicated file") << "errmsg duplicated_file" << QStringLiteral("Skip Duplicate File.");
        QTest::newRow("demo") << "errmsg demo_site_disable" << QStringLiteral("This function is not available in the demo mode.");
        QTest::newRow("other") << "errmsg disk_full" << QStringLiteral("Unknown server error. (Error Code:disk_full)");
        QTest::newRow("status 500") << "status 500" << QStringLiteral("Connection error. (Error Code: reply_err_401)");
        QTest::newRow("no duplicate member") << "json {\"success\":true}" << getString(IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME);
        QTest::newRow("duplicate") << "json {\"success\":true,\"duplicate_folder\":true}"
                                   << getString(IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME);
        QTest::newRow("success text") << "json {\"success\":\"yes\",\"duplicate_folder\":false}"
                                      << QStringLiteral("Unknown server error. (Error Code:server default error)");
        QTest::newRow("duplicate text") << "json {\"success\":true,\"duplicate_folder\":\"no\"}"
                                        << getString(IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME);
        QTest::newRow("reason object") << "json {\"success\":false,\"err_msg\":{}}"
                                       << QStringLiteral("Unknown server error. (Error Code:{})");
        QTest::newRow("reason number") << "json {\"success\":false,\"err_msg\":12}"
                                       << QStringLiteral("Unknown server error. (Error Code:12)");
        QTest::newRow("not an object") << "json {\"success" << QStringLiteral("Unknown server error. (Error Code:server default error)");
        QTest::newRow("session lost") << "errmsg session_lost" << getString(IDS_PHOTO_ERR_SESSION_LOST);
        QTest::newRow("success text false") << "json {\"success\":\"false\",\"duplicate_folder\":false}"
                                            << QStringLiteral("Unknown server error. (Error Code:server default error)");
        QTest::newRow("nested 2000 deep") << "deep"
                                          << QStringLiteral("Unknown server error. (Error Code:server default error)");
    }

    void createReplies()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        logIn(QStringLiteral("admin"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        QSignalSpy rejected(dialog.get(), &QDialog::rejected);
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php * 0 ") + fault), QStringLiteral("ok"));
        const QStringList before = childNames(item(*dialog, QStringLiteral("a")));
        create(*dialog, QStringLiteral("a"), QStringLiteral("n"));
        QVERIFY(waitForBoxes(1));
        QVERIFY(settled(*dialog));
        checkWarning(m_driver.boxes.at(0), dialog.get(), text);
        QCOMPARE(childNames(item(*dialog, QStringLiteral("a"))), before);
        QCOMPARE(dialog->m_plnedtNewFolderName->text(), QStringLiteral("n"));
        const bool lost = text == getString(IDS_PHOTO_ERR_SESSION_LOST);
        QCOMPARE(dialog->isSessionLost(), lost);
        QCOMPARE(rejected.count(), lost ? 1 : 0);
        QCOMPARE(dialog->isVisible(), !lost);
        QCOMPARE(m_driver.boxes.size(), 1);
    }

    void createRefused()
    {
        logIn(QStringLiteral("admin"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        m_profile.setHostPort(closed.serverPort());
        closed.close();
        create(*dialog, QStringLiteral("a"), QStringLiteral("n"));
        QVERIFY(waitForBoxes(1));
        QVERIFY(settled(*dialog));
        checkWarning(m_driver.boxes.at(0), dialog.get(), QStringLiteral("Connection error. (Error Code: ConnectionRefusedError)"));
    }

    void twoQuickCreates()
    {
        logIn(QStringLiteral("admin"));
        std::unique_ptr<Dialog> dialog(open());
        QVERIFY(settled(*dialog));
        m_sim.forgetRequests();
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php FOLDER 2 hold")), QStringLiteral("ok"));
        // "b" exists, "z" does not; the second click comes before the first answer.
        create(*dialog, QStringLiteral("a"), QStringLiteral("b"));
        dialog->m_plnedtNewFolderName->setText(QStringLiteral("z"));
        dialog->m_pbtnCreateAlbum->click();
        QVERIFY(waitFor([this]() { return m_sim.ok(QStringLiteral("photo held")) == QLatin1String("2"); }));
        QCOMPARE(m_sim.ok(QStringLiteral("photo release")), QStringLiteral("2"));
        QVERIFY(waitForBoxes(1));
        QVERIFY(waitFor([&dialog]() { return child(item(*dialog, QStringLiteral("a")), QStringLiteral("z")); }));
        QVERIFY(settled(*dialog));
        QTest::qWait(200);
        QCOMPARE(m_driver.boxes.size(), 1);
        checkWarning(m_driver.boxes.at(0), dialog.get(), getString(IDS_PHOTO_ERR_DUPLICATE_FOLDER_NAME));
        QCOMPARE(childNames(item(*dialog, QStringLiteral("a"))),
                 (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("z")}));
        QCOMPARE(path(child(item(*dialog, QStringLiteral("a")), QStringLiteral("z"))), QStringLiteral("a/z"));
    }

    void closedWhileWaiting()
    {
        logIn(QStringLiteral("admin"));
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_get_uploadable_album.php * 1 hold")), QStringLiteral("ok"));
        {
            Dialog dialog(nullptr, m_manager.get(), &m_profile);
            dialog.show();
            QVERIFY(waitFor([this]() { return m_sim.ok(QStringLiteral("photo held")) == QLatin1String("1"); }));
        }
        // The answer that comes after the dialog has gone reaches nobody.
        m_sim.ok(QStringLiteral("photo release"));
        QTest::qWait(300);
        QVERIFY(m_driver.boxes.isEmpty());
        // Nothing of the dialog stays with the manager.
        QVERIFY(waitFor([this]() { return m_manager->findChildren<QNetworkReply *>().isEmpty(); }));
    }
};

PHOTO_PAGE_TEST_MAIN(TestAlbumDialog)

#include "tst_albumdialog.moc"
