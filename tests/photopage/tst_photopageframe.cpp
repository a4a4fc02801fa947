// The photo-upload page as the main window sees it: its signals, the server list made from the
// stored profiles, the profile slots the main window calls back, upload mode holding up quitting,
// the removal question and the clean-up of the work folder.

#include <QAbstractButton>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QTableWidget>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "CPhotoUploadConfig.h"
#include "CVorkWindowPhotoUpload.h"
#include "CPhotoUploadToolBar.h"
#include "HangGuard.h"
#include "StringTable.h"
#include "photopagetest.h"
#include "platforms.h"

#include <unistd.h>

namespace {

const QString Group = QStringLiteral("PhotoUploader/RegisteredHosts/");

// A profile with its password stored, so that selecting it logs in without a prompt. Port 9 on
// loopback has no listener: the login fails at once with a refused connection.
void store(const QString &profile, const QString &account)
{
    CPhotoUploadConfig c(9, true, profile, QStringLiteral("127.0.0.1"), scrambleEncodeString(QStringLiteral("pw")),
                         account, false, QString());
    c.save(Group);
}

QStringList rows(const QTreeWidget *tree)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = tree->topLevelItem(i);
        out << it->text(0) + QLatin1Char('|') + it->text(1) + QLatin1Char('|') +
                   it->data(0, Qt::UserRole).toString();
    }
    return out;
}

// Answers the next modal message box with the button of that text; records what it showed.
struct BoxAnswer {
    QString title, text;
    QStringList buttons;
    bool seen = false;

    void answerWith(const QString &button)
    {
        auto *timer = new QTimer;
        auto polls = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [this, timer, polls, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                if (++*polls > 500)
                    timer->deleteLater();
                return;
            }
            seen = true;
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            // Escape must not answer the question.
            QTest::keyClick(box, Qt::Key_Escape);
            if (QApplication::activeModalWidget() != box)
                return;
            for (QAbstractButton *b : box->buttons())
                if (b->text() == button)
                    b->click();
            timer->deleteLater();
        });
        timer->start(10);
    }
};

} // namespace

class TestPhotoPageFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        QVERIFY(!qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
        qRegisterMetaType<CVorkNasinfoMap::TKey>("CVorkNasinfoMap::TKey");
    }

    void init()
    {
        QSettings().clear();
    }

    void frameAndStoredProfiles()
    {
        store(QStringLiteral("Zeta"), QStringLiteral("zoe"));
        store(QStringLiteral("alpha"), QStringLiteral("al"));
        store(QStringLiteral("Beta"), QStringLiteral("bo"));
        CVorkWindowPhotoUpload page;
        QVERIFY(!page.statusBar()->isVisible());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(page.m_plblConnectStatus->text(),
                 getString(IDS_PHOTO_CONNT_STATUS_INIT).arg(QStringLiteral("Add")));
        QCOMPARE(page.m_ptrwServerList->headerItem()->text(0), QStringLiteral("Profile Name"));
        QCOMPARE(page.m_ptrwServerList->headerItem()->text(1), QStringLiteral("Account"));
        // Sorted by name as the list sorts its texts (capitals first); the key (lower case)
        // rides in the row.
        QCOMPARE(rows(page.m_ptrwServerList),
                 QStringList({"Beta|bo|beta", "Zeta|zoe|zeta", "alpha|al|alpha"}));
        QVERIFY(!page.m_pactEdit->isEnabled());
        QVERIFY(!page.m_pactRemove->isEnabled());
        QVERIFY(page.m_pactAdd->isEnabled());
        QVERIFY(!page.hasUnfinishedTasks());
        QVERIFY(page.currentConfig() == nullptr);
        // The page toolbar with About, Preferences and Help.
        QCOMPARE(page.toolBar_2->metaObject()->className(), "CPreAboutToolBar");
        QCOMPARE(page.m_pactAbout->toolTip(), QStringLiteral("About"));
        QCOMPARE(page.m_pactPreferences->toolTip(), QStringLiteral("Preferences"));
    }

    void signalsToTheMainWindow()
    {
        store(QStringLiteral("Home"), QStringLiteral("admin"));
        CVorkWindowPhotoUpload page;
        QSignalSpy add(&page, &CVorkWindowPhotoUpload::signalPhotoServerAdd);
        QSignalSpy edit(&page, &CVorkWindowPhotoUpload::signalPhotoServerEdit);
        QSignalSpy about(&page, &CVorkWindowPhotoUpload::signalAboutTriggered);
        QSignalSpy pref(&page, &CVorkWindowPhotoUpload::signalPrefTriggered);

        page.m_pactAdd->trigger();
        QCOMPARE(add.count(), 1);
        QVERIFY(add.at(0).at(0).value<CVorkNasinfoMap::TKey>().isEmpty());
        // Edit without a current profile says nothing.
        page.m_pactEdit->setEnabled(true);
        page.m_pactEdit->trigger();
        QCOMPARE(edit.count(), 0);

        page.m_ptrwServerList->topLevelItem(0)->setSelected(true);
        QVERIFY(page.currentConfig());
        QCOMPARE(page.currentConfig()->getAccount(), QStringLiteral("admin"));
        QVERIFY(page.m_pactEdit->isEnabled());
        page.m_pactEdit->trigger();
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toString(), QStringLiteral("home"));

        page.m_pactAbout->trigger();
        page.m_pactPreferences->trigger();
        QCOMPARE(about.count(), 1);
        QCOMPARE(pref.count(), 1);
    }

    void profileSlots()
    {
        CVorkWindowPhotoUpload page;
        page.slotDelayedInit();
        // A new profile the wizard stored, with connect-now.
        // The page takes the record and deletes it before the call returns.
        auto *fresh = new CPhotoUploadConfig(9, false, QStringLiteral("Office"), QStringLiteral("127.0.0.1"),
                                             QString(), QStringLiteral("ann"), false, QString());
        fresh->save(Group);
        page.slotConfigAdded(fresh, true);
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"Office|ann|office"}));
        QCOMPARE(page.m_ptrwServerList->currentItem(), page.m_ptrwServerList->topLevelItem(0));
        QVERIFY(page.currentConfig());
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("office"));

        // While uploading, a connect-now profile is listed only.
        page.setUploadMode(true);
        QVERIFY(page.hasUnfinishedTasks());
        QVERIFY(!page.m_ptrwServerList->isEnabled());
        QVERIFY(!page.m_pactEdit->isEnabled());
        auto *other = new CPhotoUploadConfig(9, false, QStringLiteral("Attic"), QStringLiteral("127.0.0.1"),
                                             QString(), QStringLiteral("bob"), false, QString());
        other->save(Group);
        const int serial = page.loginSerial();
        page.slotConfigAdded(other, true);
        QCOMPARE(page.loginSerial(), serial); // no login started
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("office"));
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"Attic|bob|attic", "Office|ann|office"}));
        page.setUploadMode(false);
        QVERIFY(!page.hasUnfinishedTasks());
        QVERIFY(page.m_ptrwServerList->isEnabled());

        // Removing the current profile: group, row and current record go.
        page.slotConfigRemoved(QStringLiteral("office"));
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"Attic|bob|attic"}));
        QVERIFY(page.currentConfig() == nullptr);
        QVERIFY(!page.m_pactEdit->isEnabled());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(Group), QStringList({"attic"}));

        // A key without a row or group changes nothing, and never empties the profiles.
        page.slotConfigRemoved(QStringLiteral("nothing"));
        page.slotConfigRemoved(QString());
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(Group), QStringList({"attic"}));
        QCOMPARE(page.m_ptrwServerList->topLevelItemCount(), 1);
    }

    void removalAsksFirst()
    {
        store(QStringLiteral("Keep"), QStringLiteral("k"));
        CVorkWindowPhotoUpload page;
        page.m_ptrwServerList->topLevelItem(0)->setSelected(true);

        BoxAnswer no;
        no.answerWith(QStringLiteral("No"));
        page.m_pactRemove->trigger();
        QVERIFY(no.seen);
        QCOMPARE(no.title, QStringLiteral("Warning"));
        QCOMPARE(no.text, QStringLiteral("The selected profile will be removed.\n"
                                         "Are you sure you want to continue?"));
        QCOMPARE(no.buttons, QStringList({"Yes", "No"}));
        QCOMPARE(page.m_ptrwServerList->topLevelItemCount(), 1);
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(Group), QStringList({"keep"}));

        BoxAnswer yes;
        yes.answerWith(QStringLiteral("Yes"));
        page.m_pactRemove->trigger();
        QVERIFY(yes.seen);
        QCOMPARE(page.m_ptrwServerList->topLevelItemCount(), 0);
        QVERIFY(CPhotoUploadConfig::getProfileKeys(Group).isEmpty());
    }

    void cleanUpTempFolder()
    {
        // Back to the test's own temporary folder afterwards, whatever happens.
        const QByteArray ownTmp = qgetenv("TMPDIR");
        const auto restoreTmp = qScopeGuard([ownTmp] { qputenv("TMPDIR", ownTmp); });
        QTemporaryDir tmp;
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        const QString folder = CVorkWindowPhotoUpload::tempFolderPath();
        QCOMPARE(folder, QDir(tmp.path()).absolutePath() + QStringLiteral("/VORK_PHOTO_TEMP-") +
                             QString::number(::geteuid()));

        CVorkWindowPhotoUpload page;
        // Nothing there: nothing happens.
        page.cleanUpTempFolder();
        QVERIFY(!QDir(folder).exists());

        QVERIFY(QDir().mkpath(folder));
        for (const char *name : {"1THUMB_B.jpg", "2TEMP.jpg"}) {
            QFile f(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        page.setUploadMode(true);
        page.cleanUpTempFolder();
        QVERIFY(!page.hasUnfinishedTasks());
        QVERIFY(!QDir(folder).exists());

        // A sub-folder (the preview's) and a hidden file stay, and so does the folder.
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/preview")));
        for (const char *name : {"a.jpg", ".hidden"}) {
            QFile f(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        page.cleanUpTempFolder();
        QVERIFY(QDir(folder).exists());
        QVERIFY(!QFile::exists(folder + QStringLiteral("/a.jpg")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/.hidden")));
        QVERIFY(QDir(folder + QStringLiteral("/preview")).exists());

        // A link in the folder's place, or a folder another user owns, is not the user's work
        // folder: nothing in or behind it is deleted.
        QVERIFY(QDir(folder).removeRecursively());
        QTemporaryDir elsewhere;
        QFile kept(elsewhere.filePath(QStringLiteral("keep.jpg")));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.close();
        QVERIFY(QFile::link(elsewhere.path(), folder));
        page.cleanUpTempFolder();
        QVERIFY(QFileInfo(folder).isSymLink());
        QVERIFY(QFile::exists(elsewhere.filePath(QStringLiteral("keep.jpg"))));
        QVERIFY(QFile::remove(folder));
        if (::geteuid() == 0) {
            QVERIFY(QDir().mkdir(folder));
            QFile theirs(folder + QStringLiteral("/b.jpg"));
            QVERIFY(theirs.open(QIODevice::WriteOnly));
            theirs.close();
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
            page.cleanUpTempFolder();
            QVERIFY(QFile::exists(folder + QStringLiteral("/b.jpg")));
        }
    }

    // The form as built: size, menus, tool bars, the progress bar, the file table's settings,
    // the page's texts, and the state right after construction.
    void formAndInitialState()
    {
        CVorkWindowPhotoUpload page;
        QCOMPARE(page.size(), QSize(837, 600));
        QCOMPARE(page.contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(page.toolBar->metaObject()->className(), "CPhotoUploadToolBar");
        QVERIFY(qobject_cast<CPhotoUploadToolBar *>(page.toolBar));
        QCOMPARE(page.m_pprobarUploadProgress->minimum(), 0);
        QCOMPARE(page.m_pprobarUploadProgress->maximum(), 1000);
        QCOMPARE(page.m_pprobarUploadProgress->format(), QStringLiteral("%p%"));
        QVERIFY(page.m_pprobarUploadProgress->isTextVisible());
        QVERIFY(page.m_pbtnUploadDirSelect->maximumWidth() <= 30);
        QVERIFY(page.m_ptextedtUploadRootPath->isReadOnly());
        QTableWidget *table = page.m_ptblwFileListTable;
        QCOMPARE(table->dragDropMode(), QAbstractItemView::DropOnly);
        QVERIFY(table->acceptDrops());
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(table->alternatingRowColors());
        QVERIFY(table->isSortingEnabled());
        QVERIFY(page.m_ptrwServerList->alternatingRowColors());
        QCOMPARE(page.m_ptrwServerList->contextMenuPolicy(), Qt::CustomContextMenu);

        // State after construction.
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(page.m_plblConnectStatus->text(), PhotoPageTest::initialStatus());
        QVERIFY(page.m_plblCurrentProcessFile->isHidden());
        QVERIFY(!page.m_pactConnect->isEnabled());
        QVERIFY(!page.m_pactEdit->isEnabled());
        QVERIFY(!page.m_pactRemove->isEnabled());
        QVERIFY(table->horizontalHeader()->isHidden());
        QCOMPARE(page.folderLevel(), 0);
        QVERIFY(!page.keepAliveTimer()->isActive());
        QVERIFY(!page.progressTimer()->isActive());
        QVERIFY(!page.previewTimer()->isActive());
        QVERIFY(page.previewTimer()->isSingleShot());
        QCOMPARE(page.keepAliveTimer()->parent(), static_cast<QObject *>(&page));
        QCOMPARE(page.progressTimer()->parent(), static_cast<QObject *>(&page));
        QCOMPARE(page.previewTimer()->parent(), static_cast<QObject *>(&page));
        // The manager has no parent: the page alone holds it.
        QVERIFY(page.networkManager()->parent() == nullptr);
        QVERIFY(page.sessionCookie().isEmpty());

        // Texts of the page.
        QCOMPARE(page.m_pactConnect->text(), QStringLiteral("Connect"));
        QCOMPARE(page.m_pactConnectPopUp->text(), QStringLiteral("Connect"));
        QCOMPARE(page.m_pactRemovePopUp->text(), QStringLiteral("Remove"));
        QVERIFY(page.m_pactAdd->toolTip().isEmpty() || page.m_pactAdd->toolTip() == page.m_pactAdd->text());
        QCOMPARE(page.m_pactHelp->toolTip(), QStringLiteral("Help"));
        QCOMPARE(page.m_pactAbout->text(), QStringLiteral("&About"));
        QCOMPARE(page.m_plblUploadTo->text(), QStringLiteral("   Destination:"));
        QCOMPARE(page.m_pgrpThumArea->title(), QStringLiteral("Thumbnail"));
        QCOMPARE(page.m_plblThumbnail->text(), QStringLiteral("Select a photo or video to show its thumbnail"));
        QCOMPARE(page.m_pgrpPhotoSelection->title(), QStringLiteral("Contents to Upload"));
        QCOMPARE(page.m_pbtnBackToParent->text(), QStringLiteral("Go Back"));
        QCOMPARE(page.m_pbtnPhotoFileAdd->text(), QStringLiteral("Add File"));
        QCOMPARE(page.m_pbtnPhotoFolderAdd->text(), QStringLiteral("Add Folder"));
        QCOMPARE(page.m_pbtnPhotoRemove->text(), QStringLiteral("Remove"));
        QCOMPARE(page.m_pcboxOnlyIdxableFile->text(), QStringLiteral("Only upload supported contents"));
        QCOMPARE(page.m_pcboxNotUploadHidden->text(), QStringLiteral("Skip hidden files"));
        QCOMPARE(page.m_plblDuplicateFile->text(), QStringLiteral("If file already exists:"));
        QCOMPARE(page.m_plblVideoConvertQty->text(), QStringLiteral("Video conversion setting:"));
        QCOMPARE(page.m_pcboxVdoHighQty->text(), QStringLiteral("High (~2000 Kbps)"));
        QCOMPARE(page.m_pcboxVdoNormalQty->text(), QStringLiteral("Medium (~1000 Kbps)"));
        QCOMPARE(page.m_pcboxVdoLowQty->text(), QStringLiteral("Low (~256 Kbps)"));
        QCOMPARE(page.m_pcboxVdoMobileQty->text(), QStringLiteral("Mobile"));
        QCOMPARE(page.m_pbtnPhotoUpload->text(), QStringLiteral("Upload"));
        QCOMPARE(page.m_pbtnUploadCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(page.m_pgrpProcessThumbnail->title(), QStringLiteral("Preview"));
        // The worker's texts stay the designer's until the first status comes.
        QCOMPARE(page.m_plblUploadStatus->text(), QStringLiteral("Process Status"));
        QCOMPARE(page.m_plblCurrentProcessFile->text(), QStringLiteral("File Name"));
    }

    // The page's tool bar paints its background picture over the whole bar.
    void toolBarPaintsItsPicture()
    {
        CVorkWindowPhotoUpload page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        const QImage shot = page.toolBar->grab().toImage();
        const QImage picture = QImage(QStringLiteral(":/images/main_up_sub_bg.png"))
                                   .scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                   .convertToFormat(shot.format());
        QVERIFY(!picture.isNull());
        // Right of the last button the bar shows nothing but the picture.
        const int x = shot.width() - 3;
        for (int y = 0; y < shot.height(); y += 4)
            QCOMPARE(QColor(shot.pixel(x, y)).rgb(), QColor(picture.pixel(x, y)).rgb());
    }

    // A language change puts the first prompt back even over a login message.
    void languageChangeResetsStatus()
    {
        CVorkWindowPhotoUpload page;
        page.m_plblConnectStatus->setText(QStringLiteral("The user account has been disabled."));
        page.m_pcboxVdoHighQty->setText(QStringLiteral("x"));
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&page, &change);
        QCOMPARE(page.m_plblConnectStatus->text(), PhotoPageTest::initialStatus());
        QCOMPARE(page.m_pcboxVdoHighQty->text(), QStringLiteral("High (~2000 Kbps)"));
    }

    // Resizing lays the table out anew without adding or losing rows.
    void resizeKeepsTheRows()
    {
        CVorkWindowPhotoUpload page;
        QTableWidget *table = page.m_ptblwFileListTable;
        QResizeEvent resize(QSize(900, 700), page.size());
        QCoreApplication::sendEvent(&page, &resize);
        QCOMPARE(table->rowCount(), 0);
        table->setColumnCount(2);
        table->setRowCount(2);
        table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("a")));
        table->setItem(1, 0, new QTableWidgetItem(QStringLiteral("b")));
        QCoreApplication::sendEvent(&page, &resize);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("a"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("b"));
    }

    // A URL list may be dragged over and dropped on the top-level list only; text without URLs
    // is refused. Drags reach the table through its viewport.
    void dragAndDrop()
    {
        CVorkWindowPhotoUpload page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        QWidget *viewport = page.m_ptblwFileListTable->viewport();
        QMimeData urls;
        urls.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.jpg"))});
        QMimeData text;
        text.setText(QStringLiteral("just words"));
        const QPoint at(5, 5);

        auto enter = [&](QMimeData *data) {
            QDragEnterEvent e(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
            e.ignore();
            QCoreApplication::sendEvent(viewport, &e);
            return e.isAccepted() ? e.dropAction() : Qt::IgnoreAction;
        };
        auto move = [&](QMimeData *data) {
            QDragMoveEvent e(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            e.ignore();
            QCoreApplication::sendEvent(viewport, &e);
            return e.isAccepted();
        };
        auto drop = [&](QMimeData *data) {
            QDropEvent e(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            return QCoreApplication::sendEvent(viewport, &e);
        };

        QCOMPARE(enter(&urls), Qt::CopyAction); // the proposed action
        QVERIFY(move(&urls));
        QVERIFY(drop(&urls));
        QCOMPARE(enter(&text), Qt::IgnoreAction);
        QVERIFY(!move(&text));

        page.enterFolderLevel();
        QCOMPARE(enter(&urls), Qt::IgnoreAction);
        QVERIFY(!move(&urls));
        page.leaveFolderLevel();
        QCOMPARE(enter(&urls), Qt::CopyAction);
        QCOMPARE(page.m_ptblwFileListTable->rowCount(), 0);
    }

    // Folder levels switch the add buttons and Go Back; the sort indicator on a column counts as
    // a sorted table, the indicator past the last column as unsorted.
    void folderLevelsAndSortIndicator()
    {
        CVorkWindowPhotoUpload page;
        QVERIFY(!page.m_pbtnBackToParent->isEnabled());
        page.enterFolderLevel();
        page.enterFolderLevel();
        QCOMPARE(page.folderLevel(), 2);
        QVERIFY(page.m_pbtnBackToParent->isEnabled());
        QVERIFY(!page.m_pbtnPhotoFileAdd->isEnabled());
        QVERIFY(!page.m_pbtnPhotoFolderAdd->isEnabled());
        page.leaveFolderLevel();
        QVERIFY(page.m_pbtnBackToParent->isEnabled());
        QVERIFY(!page.m_pbtnPhotoFileAdd->isEnabled());
        page.leaveFolderLevel();
        QCOMPARE(page.folderLevel(), 0);
        QVERIFY(!page.m_pbtnBackToParent->isEnabled());
        QVERIFY(page.m_pbtnPhotoFileAdd->isEnabled());
        QVERIFY(page.m_pbtnPhotoFolderAdd->isEnabled());

        QTableWidget *table = page.m_ptblwFileListTable;
        table->setColumnCount(3);
        table->horizontalHeader()->setSortIndicator(3, Qt::AscendingOrder);
        QVERIFY(!page.isFileTableSorted());
        table->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
        QVERIFY(page.isFileTableSorted());
    }

    // The server list's pop-up menu: Add anywhere, the profile actions on a row.
    void contextMenu()
    {
        store(QStringLiteral("Only"), QStringLiteral("o"));
        CVorkWindowPhotoUpload page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        PhotoPageTest::ModalDriver driver;
        driver.start();
        QTreeWidget *tree = page.m_ptrwServerList;
        const QPoint onRow = tree->visualItemRect(tree->topLevelItem(0)).center();
        QVERIFY(QMetaObject::invokeMethod(&page, "slotShowContextMenu", Q_ARG(QPoint, onRow)));
        const QPoint below(onRow.x(), tree->viewport()->height() - 2);
        QVERIFY(QMetaObject::invokeMethod(&page, "slotShowContextMenu", Q_ARG(QPoint, below)));
        driver.stop();
        QCOMPARE(driver.menus.size(), 2);
        QCOMPARE(driver.menus[0], QStringList({"Add", "Remove", "Edit", "Connect"}));
        QCOMPARE(driver.menus[1], QStringList({"Add"}));
    }

    // Removing the current profile clears the selection and the actions.
    void removingTheCurrentProfile()
    {
        store(QStringLiteral("One"), QStringLiteral("a"));
        store(QStringLiteral("Two"), QStringLiteral("b"));
        CVorkWindowPhotoUpload page;
        page.m_ptrwServerList->topLevelItem(1)->setSelected(true);
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("two"));
        QVERIFY(page.m_pactConnect->isEnabled());
        page.m_plblConnectStatus->setText(QStringLiteral("message"));
        // Removing another profile leaves the current one alone.
        page.slotConfigRemoved(QStringLiteral("one"));
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("two"));
        QCOMPARE(page.m_plblConnectStatus->text(), QStringLiteral("message"));
        page.slotConfigRemoved(QStringLiteral("two"));
        QVERIFY(page.currentConfig() == nullptr);
        QVERIFY(page.m_ptrwServerList->selectedItems().isEmpty());
        QVERIFY(page.m_ptrwServerList->currentItem() == nullptr);
        QVERIFY(!page.m_pactConnect->isEnabled());
        QVERIFY(!page.m_pactEdit->isEnabled());
        QVERIFY(!page.m_pactRemove->isEnabled());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(page.m_plblConnectStatus->text(), PhotoPageTest::initialStatus());
        // Connect, Edit and Remove without a current profile do nothing.
        QSignalSpy edit(&page, &CVorkWindowPhotoUpload::signalPhotoServerEdit);
        const int serial = page.loginSerial();
        QVERIFY(QMetaObject::invokeMethod(&page, "slotConnectTriggered"));
        QVERIFY(QMetaObject::invokeMethod(&page, "slotEditTriggered"));
        QVERIFY(QMetaObject::invokeMethod(&page, "slotRemoveTriggered"));
        QCOMPARE(page.loginSerial(), serial);
        QCOMPARE(edit.count(), 0);
    }

    // Reloading lists every stored profile again and leaves the current one and the panel alone;
    // an edit (remove, then add again) keeps the list sorted.
    void reloadAndEditKeepOrder()
    {
        store(QStringLiteral("b"), QStringLiteral("x"));
        store(QStringLiteral("d"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        page.m_ptrwServerList->topLevelItem(0)->setSelected(true);
        page.m_pstkwRightPanel->setCurrentIndex(1);
        store(QStringLiteral("c"), QStringLiteral("x"));
        page.slotConfigReloaded();
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"b|x|b", "c|x|c", "d|x|d"}));
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("b"));
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 1);

        page.slotConfigRemoved(QStringLiteral("d"));
        auto *edited = new CPhotoUploadConfig(9, true, QStringLiteral("a"), QStringLiteral("127.0.0.1"),
                                              scrambleEncodeString(QStringLiteral("pw")), QStringLiteral("y"), false,
                                              QString());
        edited->save(Group);
        page.slotConfigAdded(edited, false);
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"a|y|a", "b|x|b", "c|x|c"}));
    }

    void closeIsAccepted()
    {
        CVorkWindowPhotoUpload page;
        page.show();
        QVERIFY(page.close());
    }
};

QTEST_MAIN(TestPhotoPageFrame)
#include "tst_photopageframe.moc"
