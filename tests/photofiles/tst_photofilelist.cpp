// The photo-upload page's list of chosen files and folders and its file table: adding by dialog,
// by folder and by drop, removal and exclusion with their keyed maps, the six columns and their
// sort order, browsing into folders, titles and descriptions per depth, and the two options.
// Every test builds its own tree of files in a temporary folder.

#include <QCheckBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "CUploadManager.h"
#include "CVorkWindowPhotoUpload.h"
#include "FileInfoTableItem.h"
#include "HangGuard.h"
#include "photofilestest.h"

using namespace PhotoFilesTest;

namespace {
QSet<QString> toSet(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end());
}
} // namespace

namespace {

const QString Prompt = QStringLiteral("Select a photo or video to show its thumbnail");

// Answers the next file dialogs: records what each offered and then either chooses `answer`
// (typed into the name field, as a user would, for several files as "a" "b") or cancels when
// it is null. Polls every 10 ms, at most 3000 times.
class FileDialogDriver : public QObject
{
    Q_OBJECT

public:
    struct Seen {
        QString caption;
        QString directory;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QFileDialog::Options options;
        QDir::Filters filter;
        QStringList nameFilters;
        QString selectedNameFilter;
        QWidget *parent = nullptr;
        bool modal = false;
    };

    FileDialogDriver()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &FileDialogDriver::poll);
    }
    void answerWith(const QString &answer)
    {
        m_answer = answer;
        m_answered = nullptr;
        m_polls = 0;
        m_timer.start();
    }

    QList<Seen> seen;
    QStringList complaints;

private slots:
    void poll()
    {
        if (++m_polls > 3000) {
            m_timer.stop();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
            // The dialog refused the answer; the test sees it and the dialog is cancelled.
            complaints << box->text();
            box->done(0);
            return;
        }
        QFileDialog *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return;
        if (dialog == m_answered) {
            m_timer.stop();
            dialog->reject();
            return;
        }
        Seen s;
        s.caption = dialog->windowTitle();
        s.directory = dialog->directory().absolutePath();
        s.mode = dialog->fileMode();
        s.options = dialog->options();
        s.filter = dialog->filter();
        s.nameFilters = dialog->nameFilters();
        s.selectedNameFilter = dialog->selectedNameFilter();
        s.parent = dialog->parentWidget();
        s.modal = dialog->isModal();
        seen << s;
        if (m_answer.isNull()) {
            m_timer.stop();
            dialog->reject();
            return;
        }
        m_answered = dialog;
        // Typed into the name field as a user would ("a" "b" for several files).
        QLineEdit *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name) {
            complaints << QStringLiteral("no name field");
            dialog->reject();
            return;
        }
        name->setText(m_answer);
        // Accepting through the dialog base runs the file dialog's own checks; a dialog that
        // stays open is cancelled at the next poll.
        static_cast<QDialog *>(dialog)->accept();
    }

private:
    QTimer m_timer;
    QString m_answer;
    QPointer<QFileDialog> m_answered;
    int m_polls = 0;
};

QString storedOpenDir()
{
    QSettings settings;
    return settings.value(QStringLiteral("PhotoUploader/open_dir_path")).toString();
}

} // namespace

class TestPhotoFileList : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void dialogFilterText();
    void addingFilesSkipsMissingAndListed();
    void addingTheRootListsItsEntries();
    void fileInsideAListedFolderIsItsOwnEntry();
    void dropListsFoldersFirst();
    void dialogsAndTheirStartFolder();
    void dialogPathsInComposedForm();

    void removingATopFolderDropsItsKeys();
    void removingAVanishedFolderDropsItsKeys();
    void excludedEntryStaysAwayUntilItsFolderGoes();
    void disabledRowsCannotBeRemoved();
    void clearingTheList();

    void cellsOfARow();
    void sizeTextsAndSizeSorting();
    void typeSortingFollowsTheCodes();
    void timeSorting();
    void titlesAndDescriptionsPerDepth();
    void browsingFoldersAndGoingBack();
    void optionsGreyOutRows();
    void optionsAreLoadedAndStored();
    void headerAndColumnWidths();
    void headerClickKeepsTheSelectionInView();
    void rowChangeSchedulesAPreview();

private:
    QString path(const QString &relative) const { return m_dir->path() + QLatin1Char('/') + relative; }
    // Types `text` into a cell the way an editor commits it.
    static void typeInto(QTableWidget *table, int row, int column, const QString &text)
    {
        table->item(row, column)->setData(Qt::EditRole, text);
    }
    static QStringList modelPaths(const CVorkWindowPhotoUpload &page)
    {
        QStringList paths;
        for (int row = 0; row < page.m_fileModel.rowCount(); ++row)
            paths << page.m_fileModel.item(row, 0)->text();
        return paths;
    }
    // The list and the index map agree: one key per model row, pointing at that row.
    static void checkIndexMap(const CVorkWindowPhotoUpload &page)
    {
        QCOMPARE(page.m_hashFileIndexes.size(), page.m_fileModel.rowCount());
        for (int row = 0; row < page.m_fileModel.rowCount(); ++row) {
            const QString text = page.m_fileModel.item(row, 0)->text();
            QVERIFY2(page.m_hashFileIndexes.contains(text), qPrintable(text));
            QCOMPARE(page.m_hashFileIndexes.value(text).row(), row);
        }
    }
    // Shows the page with its upload settings, where the file table is.
    static bool showFileTable(CVorkWindowPhotoUpload &page)
    {
        page.m_pstkwRightPanel->setCurrentIndex(1);
        page.show();
        return QTest::qWaitForWindowExposed(&page, tsup::guardMs()) && page.m_ptblwFileListTable->isVisible();
    }
    static void doubleClickRow(CVorkWindowPhotoUpload &page, int row)
    {
        QTableWidget *table = page.m_ptblwFileListTable;
        table->scrollToItem(table->item(row, 0));
        const QPoint at = table->visualItemRect(table->item(row, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPhotoFileList::init()
{
    QSettings settings;
    settings.remove(QStringLiteral("PhotoUploader"));
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

// Four groups with their exact names and separators; each of the first three holds exactly the
// patterns of its suffix set, each pattern followed by one blank.
void TestPhotoFileList::dialogFilterText()
{
    CVorkWindowPhotoUpload page;
    const QString filter = page.m_strFileDialogFilter;
    const QStringList groups = filter.split(QStringLiteral(";;"));
    QCOMPARE(groups.size(), 4);
    QCOMPARE(groups.at(3), QStringLiteral("All files(*)"));

    const CUploadManager types(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, false, false,
                               QList<uint>(), 0, nullptr, nullptr, nullptr);
    const struct {
        QString name;
        QStringList suffixes;
    } expected[] = {
        {QStringLiteral("All supported formats"), types.getSupportedSuffixes()},
        {QStringLiteral("Image formats"), types.getSupportedPhotoSuffixes()},
        {QStringLiteral("Video formats"), types.getSupportedVideoSuffixes()},
    };
    for (int i = 0; i < 3; ++i) {
        const QString group = groups.at(i);
        const QString head = expected[i].name + QLatin1Char('(');
        QVERIFY2(group.startsWith(head), qPrintable(group.left(40)));
        QVERIFY2(group.endsWith(QStringLiteral(" )")), qPrintable(group.right(20)));
        const QString inner = group.mid(head.size(), group.size() - head.size() - 1);
        QVERIFY(!inner.contains(QStringLiteral("  ")));
        QStringList patterns = inner.split(QLatin1Char(' '));
        QCOMPARE(patterns.takeLast(), QString()); // the blank after the last pattern
        QSet<QString> wanted;
        for (const QString &suffix : expected[i].suffixes)
            wanted.insert(QStringLiteral("*.") + suffix);
        QCOMPARE(patterns.size(), expected[i].suffixes.size());
        QCOMPARE(QSet<QString>(patterns.begin(), patterns.end()), wanted);
    }
    QCOMPARE(types.getSupportedSuffixes().size(), 66);
    // All supported: the photo patterns first, then the video patterns.
    const QString all = groups.at(0);
    QVERIFY(all.contains(QStringLiteral("(") + groups.at(1).mid(QStringLiteral("Image formats(").size()).chopped(1) +
                         groups.at(2).mid(QStringLiteral("Video formats(").size()).chopped(1) +
                         QStringLiteral(")")));
}

// Missing paths and paths already listed are skipped; a file added twice, once by drop, is one
// entry and one row; a null or empty list changes nothing, not even the header.
void TestPhotoFileList::addingFilesSkipsMissingAndListed()
{
    QVERIFY(writeFile(path("pics/a.jpg")));
    QVERIFY(writeFile(path("pics/b.mov")));
    CVorkWindowPhotoUpload page;
    QTableWidget *table = page.m_ptblwFileListTable;

    page.addFilesToList(nullptr);
    QStringList none;
    page.addFilesToList(&none);
    QVERIFY(table->horizontalHeader()->isHidden());

    QStringList files{path("pics/a.jpg"), path("pics/missing.jpg"), path("pics/../pics/a.jpg"), path("pics/b.mov")};
    page.addFilesToList(&files);
    QCOMPARE(modelPaths(page), QStringList({path("pics/a.jpg"), path("pics/b.mov")}));
    QCOMPARE(table->rowCount(), 2);
    checkIndexMap(page);

    // The same file by drop.
    page.addDroppedUrls({QUrl::fromLocalFile(path("pics/a.jpg")), QUrl(QStringLiteral("http://198.18.0.1/x.jpg"))});
    QCOMPARE(page.m_fileModel.rowCount(), 2);
    QCOMPARE(table->rowCount(), 2);
    QStringList again{path("pics/b.mov")};
    page.addFilesToList(&again);
    QCOMPARE(table->rowCount(), 2);
    checkIndexMap(page);
}

// "/" is not listed itself: its entries are, without symbolic links; entries already listed are
// skipped.
void TestPhotoFileList::addingTheRootListsItsEntries()
{
    CVorkWindowPhotoUpload page;
    QStringList etc{QStringLiteral("/etc")};
    page.addFilesToList(&etc);
    page.addFolderToList(QStringLiteral("/"));

    const QFileInfoList entries = QDir(QStringLiteral("/")).entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot,
        QDir::DirsFirst | QDir::Name);
    QStringList expected{QStringLiteral("/etc")};
    for (const QFileInfo &entry : entries) {
        if (entry.absoluteFilePath() != QLatin1String("/etc"))
            expected << entry.absoluteFilePath();
    }
    QVERIFY(expected.size() > 3);
    QCOMPARE(modelPaths(page), expected);
    QVERIFY(!modelPaths(page).contains(QStringLiteral("/")));
    for (const QString &p : modelPaths(page))
        QVERIFY2(!QFileInfo(p).isSymLink(), qPrintable(p));
    // Debian 12 merges /bin into /usr/bin with a link: it must not be listed.
    if (QFileInfo(QStringLiteral("/bin")).isSymLink())
        QVERIFY(!modelPaths(page).contains(QStringLiteral("/bin")));
    checkIndexMap(page);

    page.addFolderToList(QStringLiteral("/"));
    QCOMPARE(page.m_fileModel.rowCount(), expected.size());
    page.addFolderToList(path("nothing-here"));
    QCOMPARE(page.m_fileModel.rowCount(), expected.size());
}

void TestPhotoFileList::fileInsideAListedFolderIsItsOwnEntry()
{
    QVERIFY(writeFile(path("pics/a.jpg")));
    CVorkWindowPhotoUpload page;
    page.addFolderToList(path("pics"));
    QStringList file{path("pics/a.jpg")};
    page.addFilesToList(&file);
    QCOMPARE(modelPaths(page), QStringList({path("pics"), path("pics/a.jpg")}));
    QCOMPARE(page.m_ptblwFileListTable->rowCount(), 2);
}

// A drop goes through the page's filter on the table: folders first in drop order, then files.
void TestPhotoFileList::dropListsFoldersFirst()
{
    for (const char *name : {"f1.jpg", "f2.txt", "f3.mp4"})
        QVERIFY(writeFile(path(QLatin1String(name))));
    QVERIFY(QDir().mkpath(path("dirA")));
    QVERIFY(QDir().mkpath(path("dirB")));

    CVorkWindowPhotoUpload page;
    QVERIFY(showFileTable(page));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("f1.jpg")), QUrl::fromLocalFile(path("dirA")),
                  QUrl::fromLocalFile(path("f2.txt")), QUrl::fromLocalFile(path("dirB") + QLatin1Char('/')),
                  QUrl(QStringLiteral("http://198.18.0.1/remote.jpg")), QUrl::fromLocalFile(path("f3.mp4"))});
    QWidget *viewport = page.m_ptblwFileListTable->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);

    QCOMPARE(modelPaths(page), QStringList({path("dirA"), path("dirB"), path("f1.jpg"), path("f2.txt"),
                                            path("f3.mp4")}));
    QCOMPARE(page.m_ptblwFileListTable->rowCount(), 5);
    checkIndexMap(page);
}

// Add File offers the four filters in a modal dialog of the page; Add Folder a folder dialog.
// The next dialog opens in the first file's folder, or inside the added folder; with nothing
// stored in the home folder. A cancelled dialog changes nothing.
void TestPhotoFileList::dialogsAndTheirStartFolder()
{
    QVERIFY(writeFile(path("pics/a.b.jpg")));
    QVERIFY(writeFile(path("pics/clip.mp4")));
    QVERIFY(writeFile(path("pics/sub/x.jpg")));
    CVorkWindowPhotoUpload page;
    FileDialogDriver driver;

    driver.answerWith(QString());
    page.slotPhotoFileAddClicked();
    QCOMPARE(driver.seen.size(), 1);
    const FileDialogDriver::Seen first = driver.seen.first();
    QCOMPARE(first.caption, QStringLiteral("Select one or more files to open"));
    QCOMPARE(first.directory, QDir::homePath());
    QCOMPARE(first.mode, QFileDialog::ExistingFiles);
    QCOMPARE(first.parent, &page);
    QVERIFY(first.modal);
    QVERIFY(first.filter & QDir::Hidden);
    QVERIFY(first.filter & QDir::Files);
    QVERIFY(first.filter & QDir::AllDirs);
    QVERIFY(first.filter & QDir::NoDotAndDotDot);
    QCOMPARE(first.nameFilters, page.m_strFileDialogFilter.split(QStringLiteral(";;")));
    QCOMPARE(first.selectedNameFilter, first.nameFilters.first());
    QCOMPARE(page.m_fileModel.rowCount(), 0);
    QVERIFY(!QSettings().contains(QStringLiteral("PhotoUploader/open_dir_path")));

    driver.answerWith(QStringLiteral("\"%1\" \"%2\"").arg(path("pics/clip.mp4"), path("pics/a.b.jpg")));
    page.slotPhotoFileAddClicked();
    QCOMPARE(driver.seen.size(), 2);
    QCOMPARE(modelPaths(page), QStringList({path("pics/clip.mp4"), path("pics/a.b.jpg")}));
    QCOMPARE(storedOpenDir(), path("pics"));

    driver.answerWith(QString());
    page.slotPhotoFolderAddClicked();
    QCOMPARE(driver.seen.size(), 3);
    QCOMPARE(driver.seen.at(2).caption, QStringLiteral("Select a folder to open"));
    QCOMPARE(driver.seen.at(2).directory, path("pics"));
    QVERIFY(driver.seen.at(2).options & QFileDialog::ShowDirsOnly);
    QCOMPARE(driver.seen.at(2).parent, &page);
    QCOMPARE(page.m_fileModel.rowCount(), 2);
    QCOMPARE(storedOpenDir(), path("pics"));

    driver.answerWith(path("pics/sub"));
    page.slotPhotoFolderAddClicked();
    QCOMPARE(modelPaths(page).last(), path("pics/sub"));
    QCOMPARE(storedOpenDir(), path("pics/sub"));

    driver.answerWith(QString());
    page.slotPhotoFileAddClicked();
    QCOMPARE(driver.seen.last().directory, path("pics/sub"));
    QCOMPARE(page.m_fileModel.rowCount(), 3);
    QCOMPARE(page.cursor().shape(), Qt::ArrowCursor);
    QVERIFY2(driver.complaints.isEmpty(), qPrintable(driver.complaints.join(QLatin1Char('|'))));
}

// Dialog paths are taken in composed form (NFC). A name that exists on disk only in decomposed
// form is kept as it stands, since the composed path would name no file.
void TestPhotoFileList::dialogPathsInComposedForm()
{
    const QString decomposed = QStringLiteral("cafe\u0301.jpg");
    const QString composed = QStringLiteral("caf\u00e9.jpg");
    QVERIFY(writeFile(path("both/") + decomposed));
    QVERIFY(writeFile(path("both/") + composed));
    QVERIFY(writeFile(path("nfd/") + decomposed));
    QVERIFY(QDir().mkpath(path("fold") + QStringLiteral("e\u0301r")));

    CVorkWindowPhotoUpload page;
    FileDialogDriver driver;
    driver.answerWith(path("both/") + decomposed);
    page.slotPhotoFileAddClicked();
    QCOMPARE(modelPaths(page), QStringList({path("both/") + composed}));

    driver.answerWith(path("nfd/") + decomposed);
    page.slotPhotoFileAddClicked();
    QCOMPARE(modelPaths(page).last(), path("nfd/") + decomposed);
    QCOMPARE(page.m_fileModel.rowCount(), 2);

    driver.answerWith(path("fold") + QStringLiteral("e\u0301r"));
    page.slotPhotoFolderAddClicked();
    QCOMPARE(modelPaths(page).last(), path("fold") + QStringLiteral("e\u0301r"));
    QCOMPARE(storedOpenDir(), path("fold") + QStringLiteral("e\u0301r"));
    QVERIFY2(driver.complaints.isEmpty(), qPrintable(driver.complaints.join(QLatin1Char('|'))));
}

// Removing a top-level folder drops the titles, descriptions and exclusions made anywhere below
// it and below a folder whose path differs only in letter case, and its cached previews by a
// plain prefix; keys of other folders and of the top level stay.
void TestPhotoFileList::removingATopFolderDropsItsKeys()
{
    QVERIFY(writeFile(path("pics/a.jpg")));
    QVERIFY(writeFile(path("pics/sub/deep/x.jpg")));
    QVERIFY(writeFile(path("PICS/b.jpg")));
    QVERIFY(writeFile(path("other/c.jpg")));
    QVERIFY(writeFile(path("top.jpg")));

    CVorkWindowPhotoUpload page;
    for (const char *name : {"pics", "PICS", "other"})
        page.addFolderToList(path(QLatin1String(name)));
    QStringList top{path("top.jpg")};
    page.addFilesToList(&top);

    page.m_hashCustomTitles = {
        {QStringLiteral("0_") + path("pics"), QStringLiteral("t0")},
        {QStringLiteral("1_") + path("pics/a.jpg"), QStringLiteral("t1")},
        {QStringLiteral("3_") + path("pics/sub/deep/x.jpg"), QStringLiteral("t3")},
        {QStringLiteral("1_") + path("PICS/b.jpg"), QStringLiteral("case")},
        {QStringLiteral("1_") + path("other/c.jpg"), QStringLiteral("keep")},
        {QStringLiteral("0_") + path("top.jpg"), QStringLiteral("keep top")},
    };
    page.m_hashCustomDescs = {
        {QStringLiteral("2_") + path("pics/sub/deep"), QStringLiteral("d2")},
        {QStringLiteral("1_") + path("other/c.jpg"), QStringLiteral("keep")},
    };
    page.m_hashExcludedPaths = {
        {QStringLiteral("2_") + path("pics/sub/gone.jpg"), true},
        {QStringLiteral("1_") + path("other/x.jpg"), true},
    };
    page.m_hashPreviewThumbs = {
        {path("pics"), QStringLiteral("/w/1.jpg")},
        {path("pics/a.jpg"), QStringLiteral("/w/2.jpg")},
        {path("picsX/b.jpg"), QStringLiteral("/w/3.jpg")},
        {path("PICS/b.jpg"), QStringLiteral("/w/4.jpg")},
        {path("other/c.jpg"), QStringLiteral("/w/5.jpg")},
    };

    QTableWidget *table = page.m_ptblwFileListTable;
    table->selectRow(rowOf(table, path("pics")));
    page.slotPhotoRemoveClicked();

    QCOMPARE(modelPaths(page), QStringList({path("PICS"), path("other"), path("top.jpg")}));
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(rowOf(table, path("pics")), -1);
    checkIndexMap(page);
    QCOMPARE(page.m_hashCustomTitles.keys().size(), 2);
    QCOMPARE(page.m_hashCustomTitles.value(QStringLiteral("1_") + path("other/c.jpg")), QStringLiteral("keep"));
    QCOMPARE(page.m_hashCustomTitles.value(QStringLiteral("0_") + path("top.jpg")), QStringLiteral("keep top"));
    QCOMPARE(page.m_hashCustomDescs.keys(), QStringList({QStringLiteral("1_") + path("other/c.jpg")}));
    QCOMPARE(page.m_hashExcludedPaths.keys(), QStringList({QStringLiteral("1_") + path("other/x.jpg")}));
    // "PICS/b.jpg" does not begin with the removed path: the prefix rule is case-sensitive.
    QCOMPARE(QSet<QString>(page.m_hashPreviewThumbs.keyBegin(), page.m_hashPreviewThumbs.keyEnd()),
             QSet<QString>({path("PICS/b.jpg"), path("other/c.jpg")}));
}

// Keys made below a folder that has since gone from the disk still go with it.
void TestPhotoFileList::removingAVanishedFolderDropsItsKeys()
{
    QVERIFY(writeFile(path("gone/sub/x.jpg")));
    CVorkWindowPhotoUpload page;
    page.addFolderToList(path("gone"));
    page.m_hashCustomTitles.insert(QStringLiteral("2_") + path("gone/sub/x.jpg"), QStringLiteral("t"));
    page.m_hashExcludedPaths.insert(QStringLiteral("1_") + path("gone/y.jpg"), true);
    QVERIFY(QDir(path("gone")).removeRecursively());

    page.m_ptblwFileListTable->selectRow(0);
    page.slotPhotoRemoveClicked();
    QCOMPARE(page.m_fileModel.rowCount(), 0);
    QVERIFY(page.m_hashCustomTitles.isEmpty());
    QVERIFY(page.m_hashExcludedPaths.isEmpty());
}

// An entry removed inside a folder is excluded: it stays away when the folder is shown again,
// the list itself is unchanged, and removing the folder's top-level entry forgets it.
void TestPhotoFileList::excludedEntryStaysAwayUntilItsFolderGoes()
{
    QVERIFY(writeFile(path("pics/a.jpg")));
    QVERIFY(writeFile(path("pics/b.jpg")));
    QVERIFY(writeFile(path("pics/sub/c.jpg")));
    CVorkWindowPhotoUpload page;
    page.addFolderToList(path("pics"));
    QTableWidget *table = page.m_ptblwFileListTable;
    page.slotTableCellDoubleClicked(0, 0);
    QCOMPARE(page.folderLevel(), 1);
    QCOMPARE(table->rowCount(), 3);

    const int row = rowOf(table, path("pics/a.jpg"));
    typeInto(table, row, 2, QStringLiteral("my title"));
    typeInto(table, row, 3, QStringLiteral("my text"));
    page.m_hashPreviewThumbs.insert(path("pics/a.jpg"), QStringLiteral("/w/1.jpg"));
    page.m_hashPreviewThumbs.insert(path("pics/sub/c.jpg"), QStringLiteral("/w/2.jpg"));
    table->selectRow(row);
    table->selectRow(rowOf(table, path("pics/sub")));
    table->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, 5), true);
    page.slotPhotoRemoveClicked();

    QCOMPARE(tablePaths(table), QStringList({path("pics/b.jpg")}));
    QCOMPARE(modelPaths(page), QStringList({path("pics")}));
    QCOMPARE(page.m_hashExcludedPaths.size(), 2);
    QVERIFY(page.m_hashExcludedPaths.value(QStringLiteral("1_") + path("pics/a.jpg")));
    QVERIFY(page.m_hashExcludedPaths.value(QStringLiteral("1_") + path("pics/sub")));
    QVERIFY(page.m_hashCustomTitles.isEmpty());
    QVERIFY(page.m_hashCustomDescs.isEmpty());
    QVERIFY(page.m_hashPreviewThumbs.isEmpty());

    page.slotBackToParentClicked();
    QCOMPARE(page.folderLevel(), 0);
    page.slotTableCellDoubleClicked(0, 0);
    QCOMPARE(tablePaths(table), QStringList({path("pics/b.jpg")}));
    page.slotBackToParentClicked();

    table->selectRow(0);
    page.slotPhotoRemoveClicked();
    QVERIFY(page.m_hashExcludedPaths.isEmpty());
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);

    // Added again, the folder shows all its entries.
    page.addFolderToList(path("pics"));
    page.slotTableCellDoubleClicked(0, 0);
    QCOMPARE(table->rowCount(), 3);
}

// Rows greyed out by the options cannot be selected, so Remove leaves them; removing the last
// row puts the prompt into the preview label.
void TestPhotoFileList::disabledRowsCannotBeRemoved()
{
    QVERIFY(writeFile(path(".hidden.jpg")));
    QVERIFY(writeFile(path("notes.txt")));
    QVERIFY(writeFile(path("a.jpg")));
    CVorkWindowPhotoUpload page;
    page.m_pcboxNotUploadHidden->setChecked(true);
    page.m_pcboxOnlyIdxableFile->setChecked(true);
    QStringList files{path(".hidden.jpg"), path("notes.txt"), path("a.jpg")};
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;
    page.m_plblThumbnail->setText(QStringLiteral("something else"));

    table->selectAll();
    page.slotPhotoRemoveClicked();
    QCOMPARE(toSet(tablePaths(table)), QSet<QString>({path(".hidden.jpg"), path("notes.txt")}));
    QCOMPARE(toSet(modelPaths(page)), QSet<QString>({path(".hidden.jpg"), path("notes.txt")}));
    QCOMPARE(page.m_plblThumbnail->text(), QStringLiteral("something else"));

    page.m_pcboxNotUploadHidden->setChecked(false);
    page.m_pcboxOnlyIdxableFile->setChecked(false);
    table->selectAll();
    page.slotPhotoRemoveClicked();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(page.m_fileModel.rowCount(), 0);
    QVERIFY(page.m_hashFileIndexes.isEmpty());
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
}

// Clearing empties the list, the maps and the table and leaves the folder levels; the header
// stays shown.
void TestPhotoFileList::clearingTheList()
{
    QVERIFY(writeFile(path("pics/sub/x.jpg")));
    CVorkWindowPhotoUpload page;
    page.addFolderToList(path("pics"));
    page.slotTableCellDoubleClicked(0, 0);
    page.slotTableCellDoubleClicked(0, 0);
    QCOMPARE(page.folderLevel(), 2);
    page.m_hashCustomTitles.insert(QStringLiteral("2_x"), QStringLiteral("t"));
    page.m_hashCustomDescs.insert(QStringLiteral("2_x"), QStringLiteral("d"));
    page.m_hashExcludedPaths.insert(QStringLiteral("2_y"), true);
    page.m_hashPreviewThumbs.insert(QStringLiteral("x"), QStringLiteral("y"));
    page.m_plblThumbnail->setText(QStringLiteral("something else"));

    page.clearFileList();
    QCOMPARE(page.folderLevel(), 0);
    QVERIFY(!page.m_pbtnBackToParent->isEnabled());
    QVERIFY(page.m_pbtnPhotoFileAdd->isEnabled());
    QVERIFY(page.m_pbtnPhotoFolderAdd->isEnabled());
    QCOMPARE(page.m_fileModel.rowCount(), 0);
    QCOMPARE(page.m_ptblwFileListTable->rowCount(), 0);
    QVERIFY(page.m_hashCustomTitles.isEmpty());
    QVERIFY(page.m_hashCustomDescs.isEmpty());
    QVERIFY(page.m_hashExcludedPaths.isEmpty());
    QVERIFY(page.m_hashFileIndexes.isEmpty());
    QVERIFY(page.m_hashPreviewThumbs.isEmpty());
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
    QVERIFY(!page.m_ptblwFileListTable->horizontalHeader()->isHidden());

    // The list works again after clearing.
    page.addFolderToList(path("pics"));
    QCOMPARE(modelPaths(page), QStringList({path("pics")}));
    checkIndexMap(page);
}

// The six cells of a photo, a video, an other file and a folder.
void TestPhotoFileList::cellsOfARow()
{
    QVERIFY(writeFile(path("a.b.jpg"), 2048));
    QVERIFY(writeFile(path("Clip.MOV"), 5));
    QVERIFY(writeFile(path("notes.txt"), 7));
    QVERIFY(QDir().mkpath(path("folder.jpg")));
    const QDateTime when(QDate(2021, 3, 4), QTime(5, 6, 7));
    {
        QFile f(path("a.b.jpg"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    CVorkWindowPhotoUpload page;
    page.m_pcboxOnlyIdxableFile->setChecked(false);
    QStringList files{path("a.b.jpg"), path("Clip.MOV"), path("notes.txt"), path("folder.jpg")};
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;

    const struct {
        const char *name;
        int code;
        const char *typeName;
        const char *title;
        const char *size;
        qint64 bytes;
    } rows[] = {
        {"a.b.jpg", 1, "Photo", "a", "2 KB", 2048},
        {"Clip.MOV", 2, "Video", "Clip", "5", 5},
        {"notes.txt", 3, "Other", "", "7", 7},
        {"folder.jpg", 0, "Folder", "", "0", 0},
    };
    for (const auto &r : rows) {
        const QString p = path(QLatin1String(r.name));
        const int row = rowOf(table, p);
        QVERIFY2(row >= 0, r.name);
        QCOMPARE(table->item(row, 0)->text(), QLatin1String(r.name));
        QVERIFY(!table->item(row, 0)->icon().isNull());
        QCOMPARE(table->item(row, 1)->type(), 1003);
        QCOMPARE(table->item(row, 1)->text(), QLatin1String(r.typeName));
        QCOMPARE(table->item(row, 1)->data(Qt::UserRole).toInt(), r.code);
        QCOMPARE(table->item(row, 2)->text(), QLatin1String(r.title));
        QCOMPARE(table->item(row, 3)->text(), QString());
        QCOMPARE(table->item(row, 4)->type(), 1001);
        QCOMPARE(table->item(row, 4)->text(), QLatin1String(r.size));
        QCOMPARE(table->item(row, 4)->data(Qt::UserRole).toLongLong(), r.bytes);
        QCOMPARE(table->item(row, 4)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(table->item(row, 5)->type(), 1002);
        const QDateTime modified = QFileInfo(p).lastModified();
        QCOMPARE(table->item(row, 5)->data(Qt::UserRole).toDateTime(), modified);
        QCOMPARE(table->item(row, 5)->text(),
                 QStringLiteral("  ") + QLocale::system().toString(modified, QLocale::ShortFormat));
    }
    QCOMPARE(table->item(rowOf(table, path("a.b.jpg")), 5)->data(Qt::UserRole).toDateTime(), when);

    // Each type shows its own icon, taken from the resources.
    const auto iconKey = [&](const char *name) {
        return table->item(rowOf(table, path(QLatin1String(name))), 0)->icon().pixmap(16, 16).toImage();
    };
    QCOMPARE(iconKey("a.b.jpg"), QIcon(QStringLiteral(":/images/icon_photo_photo.png")).pixmap(16, 16).toImage());
    QCOMPARE(iconKey("Clip.MOV"), QIcon(QStringLiteral(":/images/icon_photo_video.gif")).pixmap(16, 16).toImage());
    QCOMPARE(iconKey("notes.txt"), QIcon(QStringLiteral(":/images/icon_photo_other.png")).pixmap(16, 16).toImage());
    QCOMPARE(iconKey("folder.jpg"), QIcon(QStringLiteral(":/images/icon_photo_folder.png")).pixmap(16, 16).toImage());
    QVERIFY(iconKey("a.b.jpg") != iconKey("folder.jpg"));
}

// 1024 bytes show as 1024, 1025 as 1 KB, 3,000,000 as 2929 KB; Size sorts by the byte count.
void TestPhotoFileList::sizeTextsAndSizeSorting()
{
    QVERIFY(writeFile(path("s1025.jpg"), 1025));
    QVERIFY(writeFile(path("s3000000.jpg"), 3000000));
    QVERIFY(writeFile(path("s1024.jpg"), 1024));
    QVERIFY(writeFile(path("s0.jpg"), 0));
    QVERIFY(writeFile(path("s2.jpg"), 2));
    CVorkWindowPhotoUpload page;
    page.addFolderToList(m_dir->path());
    page.slotTableCellDoubleClicked(0, 0);
    QTableWidget *table = page.m_ptblwFileListTable;
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->item(rowOf(table, path("s1024.jpg")), 4)->text(), QStringLiteral("1024"));
    QCOMPARE(table->item(rowOf(table, path("s1025.jpg")), 4)->text(), QStringLiteral("1 KB"));
    QCOMPARE(table->item(rowOf(table, path("s3000000.jpg")), 4)->text(), QStringLiteral("2929 KB"));
    QCOMPARE(table->item(rowOf(table, path("s0.jpg")), 4)->text(), QStringLiteral("0"));

    table->sortByColumn(4, Qt::AscendingOrder);
    QCOMPARE(tablePaths(table), QStringList({path("s0.jpg"), path("s2.jpg"), path("s1024.jpg"), path("s1025.jpg"),
                                             path("s3000000.jpg")}));
    table->sortByColumn(4, Qt::DescendingOrder);
    QCOMPARE(tablePaths(table).first(), path("s3000000.jpg"));
    // A new row lands in its sorted place.
    QVERIFY(writeFile(path("s5000.jpg"), 5000));
    page.fillFileTable(QFileInfo(path("s5000.jpg")));
    QCOMPARE(tablePaths(table).at(1), path("s5000.jpg"));

    // Items of another type compare by their texts.
    FileInfoTableItem a(QStringLiteral("10"), 1000), b(QStringLiteral("9"), 1000);
    a.setData(Qt::UserRole, 10);
    b.setData(Qt::UserRole, 9);
    QVERIFY(a < b);
    FileInfoTableItem big(QStringLiteral("x"), 1001), small(QStringLiteral("y"), 1001);
    big.setData(Qt::UserRole, qint64(5000000000LL));
    small.setData(Qt::UserRole, qint64(-1));
    QVERIFY(small < big);
    QVERIFY(!(big < small));
}

// Type sorts Folder, Photo, Video, Other by code, whatever the names say.
void TestPhotoFileList::typeSortingFollowsTheCodes()
{
    QVERIFY(writeFile(path("t/o.txt")));
    QVERIFY(writeFile(path("t/v.mp4")));
    QVERIFY(writeFile(path("t/p.jpg")));
    QVERIFY(QDir().mkpath(path("t/f")));
    CVorkWindowPhotoUpload page;
    page.m_pcboxOnlyIdxableFile->setChecked(false);
    // Names in an order opposite to the codes, as another language might give.
    page.m_hashFileTypeNames = {{0, QStringLiteral("Zeta")}, {1, QStringLiteral("Yota")},
                                {2, QStringLiteral("Xi")}, {3, QStringLiteral("Alpha")}};
    page.addFolderToList(path("t"));
    page.slotTableCellDoubleClicked(0, 0);
    QTableWidget *table = page.m_ptblwFileListTable;
    table->sortByColumn(1, Qt::AscendingOrder);
    QCOMPARE(tablePaths(table), QStringList({path("t/f"), path("t/p.jpg"), path("t/v.mp4"), path("t/o.txt")}));
    table->sortByColumn(1, Qt::DescendingOrder);
    QCOMPARE(tablePaths(table), QStringList({path("t/o.txt"), path("t/v.mp4"), path("t/p.jpg"), path("t/f")}));
}

void TestPhotoFileList::timeSorting()
{
    const QDateTime base(QDate(2020, 1, 1), QTime(12, 0));
    // Names and sizes in an order that differs from the times.
    const struct {
        const char *name;
        int days;
    } files[] = {{"a.jpg", 30}, {"b.jpg", -400}, {"c.jpg", 2}};
    for (const auto &f : files) {
        QVERIFY(writeFile(path(QLatin1String(f.name))));
        QFile file(path(QLatin1String(f.name)));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(base.addDays(f.days), QFileDevice::FileModificationTime));
    }
    CVorkWindowPhotoUpload page;
    QStringList list{path("a.jpg"), path("b.jpg"), path("c.jpg")};
    page.addFilesToList(&list);
    QTableWidget *table = page.m_ptblwFileListTable;
    table->sortByColumn(5, Qt::AscendingOrder);
    QCOMPARE(tablePaths(table), QStringList({path("b.jpg"), path("c.jpg"), path("a.jpg")}));
}

// Titles default to the base name; typed ones are kept per depth and path, an emptied one stays
// empty, and only the Title and Description columns are recorded.
void TestPhotoFileList::titlesAndDescriptionsPerDepth()
{
    QVERIFY(writeFile(path("pics/a.b.jpg")));
    QVERIFY(writeFile(path("pics/c.jpg")));
    QVERIFY(writeFile(path("pics/sub/x.jpg")));
    CVorkWindowPhotoUpload page;
    QTableWidget *table = page.m_ptblwFileListTable;
    page.addFolderToList(path("pics"));
    page.slotTableCellDoubleClicked(0, 0);

    const int a = rowOf(table, path("pics/a.b.jpg"));
    QCOMPARE(table->item(a, 2)->text(), QStringLiteral("a"));
    typeInto(table, a, 2, QStringLiteral("Trip"));
    typeInto(table, a, 3, QStringLiteral("At the sea"));
    typeInto(table, rowOf(table, path("pics/c.jpg")), 2, QString());
    QCOMPARE(page.m_hashCustomTitles.value(QStringLiteral("1_") + path("pics/a.b.jpg")), QStringLiteral("Trip"));
    QCOMPARE(page.m_hashCustomDescs.value(QStringLiteral("1_") + path("pics/a.b.jpg")), QStringLiteral("At the sea"));
    QVERIFY(page.m_hashCustomTitles.contains(QStringLiteral("1_") + path("pics/c.jpg")));
    QCOMPARE(page.m_hashCustomTitles.value(QStringLiteral("1_") + path("pics/c.jpg")), QString());
    // Other columns are not recorded.
    table->item(a, 0)->setText(QStringLiteral("renamed"));
    table->item(a, 4)->setText(QStringLiteral("1"));
    QCOMPARE(page.m_hashCustomTitles.size(), 2);
    QCOMPARE(page.m_hashCustomDescs.size(), 1);

    // Into sub (depth 2) and back.
    page.slotTableCellDoubleClicked(rowOf(table, path("pics/sub")), 0);
    QCOMPARE(page.folderLevel(), 2);
    const int x = rowOf(table, path("pics/sub/x.jpg"));
    QCOMPARE(table->item(x, 2)->text(), QStringLiteral("x"));
    typeInto(table, x, 2, QStringLiteral("deep"));
    QVERIFY(page.m_hashCustomTitles.contains(QStringLiteral("2_") + path("pics/sub/x.jpg")));
    page.slotBackToParentClicked();
    QCOMPARE(page.folderLevel(), 1);
    QCOMPARE(table->item(rowOf(table, path("pics/a.b.jpg")), 2)->text(), QStringLiteral("Trip"));
    QCOMPARE(table->item(rowOf(table, path("pics/a.b.jpg")), 3)->text(), QStringLiteral("At the sea"));
    QCOMPARE(table->item(rowOf(table, path("pics/c.jpg")), 2)->text(), QString());
    page.slotTableCellDoubleClicked(rowOf(table, path("pics/sub")), 0);
    QCOMPARE(table->item(rowOf(table, path("pics/sub/x.jpg")), 2)->text(), QStringLiteral("deep"));
    page.slotBackToParentClicked();
    page.slotBackToParentClicked();
    QCOMPARE(page.folderLevel(), 0);

    // The same file as a top-level entry starts with its default title.
    QStringList files{path("pics/sub/x.jpg"), path("pics/a.b.jpg")};
    page.addFilesToList(&files);
    QCOMPARE(table->item(rowOf(table, path("pics/sub/x.jpg")), 2)->text(), QStringLiteral("x"));
    QCOMPARE(table->item(rowOf(table, path("pics/a.b.jpg")), 2)->text(), QStringLiteral("a"));
    QCOMPARE(table->item(rowOf(table, path("pics/a.b.jpg")), 3)->text(), QString());
    // The top-level title of the folder row is empty and its cells are not editable.
    const int folderRow = rowOf(table, path("pics"));
    QCOMPARE(table->item(folderRow, 2)->text(), QString());
    QVERIFY(!(table->item(folderRow, 2)->flags() & Qt::ItemIsEditable));
    QVERIFY(table->item(rowOf(table, path("pics/a.b.jpg")), 2)->flags() & Qt::ItemIsEditable);
    QVERIFY(table->item(rowOf(table, path("pics/a.b.jpg")), 3)->flags() & Qt::ItemIsEditable);
    QVERIFY(!(table->item(rowOf(table, path("pics/a.b.jpg")), 0)->flags() & Qt::ItemIsEditable));
}

// Double-click enters folders (add buttons off, Go Back on), symbolic links are not shown and
// hidden entries are; Go Back climbs one level and shows the prompt; a parent that cannot be
// reached leaves the view as it is.
void TestPhotoFileList::browsingFoldersAndGoingBack()
{
    QVERIFY(writeFile(path("pics/a.jpg")));
    QVERIFY(writeFile(path("pics/.h.jpg")));
    QVERIFY(writeFile(path("pics/sub/x.jpg")));
    QVERIFY(QFile::link(path("pics/a.jpg"), path("pics/link.jpg")));
    QVERIFY(QFile::link(path("pics/sub"), path("pics/linkdir")));
    QVERIFY(writeFile(path("single.jpg")));
    CVorkWindowPhotoUpload page;
    page.m_pcboxNotUploadHidden->setChecked(false);
    QVERIFY(showFileTable(page));
    QTableWidget *table = page.m_ptblwFileListTable;
    page.addFolderToList(path("pics"));
    QStringList single{path("single.jpg")};
    page.addFilesToList(&single);

    // A double-click on a file does nothing.
    doubleClickRow(page, rowOf(table, path("single.jpg")));
    QCOMPARE(page.folderLevel(), 0);
    doubleClickRow(page, rowOf(table, path("pics")));
    QCOMPARE(page.folderLevel(), 1);
    QCOMPARE(page.m_strCurrentFolder, path("pics"));
    QVERIFY(!page.m_pbtnPhotoFileAdd->isEnabled());
    QVERIFY(!page.m_pbtnPhotoFolderAdd->isEnabled());
    QVERIFY(page.m_pbtnBackToParent->isEnabled());
    QCOMPARE(toSet(tablePaths(table)),
             QSet<QString>({path("pics/sub"), path("pics/.h.jpg"), path("pics/a.jpg")}));
    QCOMPARE(page.m_fileModel.rowCount(), 2);

    doubleClickRow(page, rowOf(table, path("pics/sub")));
    QCOMPARE(page.folderLevel(), 2);
    QCOMPARE(tablePaths(table), QStringList({path("pics/sub/x.jpg")}));
    page.m_plblThumbnail->setText(QStringLiteral("something else"));
    page.slotBackToParentClicked();
    QCOMPARE(page.folderLevel(), 1);
    QCOMPARE(page.m_strCurrentFolder, path("pics"));
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
    page.slotBackToParentClicked();
    QCOMPARE(page.folderLevel(), 0);
    QCOMPARE(tablePaths(table), QStringList({path("pics"), path("single.jpg")}));
    QVERIFY(page.m_pbtnPhotoFileAdd->isEnabled());
    QVERIFY(!page.m_pbtnBackToParent->isEnabled());

    // A folder that vanished cannot be entered, and its row is gone after a refill.
    doubleClickRow(page, rowOf(table, path("pics")));
    QCOMPARE(page.folderLevel(), 1);
    page.slotBackToParentClicked();
    QVERIFY(QDir(path("pics")).removeRecursively());
    page.slotTableCellDoubleClicked(rowOf(table, path("pics")), 0);
    QCOMPARE(page.folderLevel(), 0);
    page.refillTopLevelTable();
    QCOMPARE(tablePaths(table), QStringList({path("single.jpg")}));
    QCOMPARE(page.m_fileModel.rowCount(), 2);

    // Going back from a folder whose parent cannot be reached leaves depth and view.
    page.enterFolderLevel();
    page.enterFolderLevel();
    page.m_strCurrentFolder = QStringLiteral("/");
    page.slotBackToParentClicked();
    QCOMPARE(page.folderLevel(), 2);
    QCOMPARE(tablePaths(table), QStringList({path("single.jpg")}));
}

// The first matching rule sets a row's look; switching an option re-applies them without
// recording anything.
void TestPhotoFileList::optionsGreyOutRows()
{
    QVERIFY(writeFile(path(".hiddendir/inner.jpg")));
    QVERIFY(writeFile(path(".hidden.jpg")));
    QVERIFY(writeFile(path("notes.txt")));
    QVERIFY(writeFile(path("a.jpg")));
    QVERIFY(QDir().mkpath(path("plain")));
    CVorkWindowPhotoUpload page;
    QVERIFY(showFileTable(page));
    page.m_pcboxNotUploadHidden->setChecked(true);
    page.m_pcboxOnlyIdxableFile->setChecked(true);
    page.addFolderToList(path(".hiddendir"));
    page.addFolderToList(path("plain"));
    QStringList files{path(".hidden.jpg"), path("notes.txt"), path("a.jpg")};
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;

    enum Look { Disabled, ReadOnly, Editable };
    const auto lookOf = [&](const char *name) {
        const int row = rowOf(table, path(QLatin1String(name)));
        const Qt::ItemFlags f = table->item(row, 0)->flags();
        const Qt::ItemFlags title = table->item(row, 2)->flags();
        for (int column = 0; column < 6; ++column) {
            const QColor colour = table->item(row, column)->foreground().color();
            if (f == Qt::NoItemFlags) {
                if (table->item(row, column)->flags() != Qt::NoItemFlags || colour != QColor(Qt::gray))
                    return -1;
            } else if (colour != QColor(Qt::black)) {
                return -1;
            }
        }
        if (f == Qt::NoItemFlags)
            return int(Disabled);
        if (f != (Qt::ItemIsSelectable | Qt::ItemIsEnabled))
            return -1;
        return (title & Qt::ItemIsEditable) ? int(Editable) : int(ReadOnly);
    };

    QCOMPARE(lookOf(".hiddendir"), int(Disabled));
    QCOMPARE(lookOf(".hidden.jpg"), int(Disabled));
    QCOMPARE(lookOf("notes.txt"), int(Disabled));
    QCOMPARE(lookOf("a.jpg"), int(Editable));
    QCOMPARE(lookOf("plain"), int(ReadOnly));
    // A greyed folder cannot be entered.
    doubleClickRow(page, rowOf(table, path(".hiddendir")));
    QCOMPARE(page.folderLevel(), 0);

    page.m_pcboxNotUploadHidden->setChecked(false);
    QCOMPARE(lookOf(".hiddendir"), int(ReadOnly));
    QCOMPARE(lookOf(".hidden.jpg"), int(Editable));
    QCOMPARE(lookOf("notes.txt"), int(Disabled));
    page.m_pcboxOnlyIdxableFile->setChecked(false);
    QCOMPARE(lookOf("notes.txt"), int(ReadOnly));
    page.m_pcboxNotUploadHidden->setChecked(true);
    QCOMPARE(lookOf(".hidden.jpg"), int(Disabled));
    QCOMPARE(lookOf("a.jpg"), int(Editable));
    QVERIFY(page.m_hashCustomTitles.isEmpty());
    QVERIFY(page.m_hashCustomDescs.isEmpty());

    page.m_pcboxNotUploadHidden->setChecked(false);
    doubleClickRow(page, rowOf(table, path(".hiddendir")));
    QCOMPARE(page.folderLevel(), 1);
    QCOMPARE(tablePaths(table), QStringList({path(".hiddendir/inner.jpg")}));
    // Rows built inside the folder follow the options too.
    page.m_pcboxNotUploadHidden->setChecked(true);
    QCOMPARE(lookOf(".hiddendir/inner.jpg"), int(Editable));
    QVERIFY(page.m_hashCustomTitles.isEmpty());
}

// Both options are stored as booleans under "PhotoUploader/"; missing ones are written true.
void TestPhotoFileList::optionsAreLoadedAndStored()
{
    {
        CVorkWindowPhotoUpload page;
        QVERIFY(page.m_pcboxNotUploadHidden->isChecked());
        QVERIFY(page.m_pcboxOnlyIdxableFile->isChecked());
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("PhotoUploader/skip_upload_hidden_file_checked")), QVariant(true));
        QCOMPARE(settings.value(QStringLiteral("PhotoUploader/only_upload_indexable_file_checked")), QVariant(true));
        page.m_pcboxNotUploadHidden->setChecked(false);
        QCOMPARE(QSettings().value(QStringLiteral("PhotoUploader/skip_upload_hidden_file_checked")), QVariant(false));
        QCOMPARE(QSettings().value(QStringLiteral("PhotoUploader/only_upload_indexable_file_checked")),
                 QVariant(true));
    }
    {
        QSettings settings;
        settings.setValue(QStringLiteral("PhotoUploader/only_upload_indexable_file_checked"), false);
    }
    CVorkWindowPhotoUpload page;
    QVERIFY(!page.m_pcboxNotUploadHidden->isChecked());
    QVERIFY(!page.m_pcboxOnlyIdxableFile->isChecked());
    page.m_pcboxOnlyIdxableFile->setChecked(true);
    QSettings().sync();
    QCOMPARE(QSettings().value(QStringLiteral("PhotoUploader/only_upload_indexable_file_checked")).type(),
             QVariant::Bool);
}

// The header appears with the first row and stays; spare width is shared by the six columns.
void TestPhotoFileList::headerAndColumnWidths()
{
    for (int i = 0; i < 3; ++i)
        QVERIFY(writeFile(path(QStringLiteral("f%1.jpg").arg(i))));
    CVorkWindowPhotoUpload page;
    page.resize(1400, 700);
    QVERIFY(showFileTable(page));
    QTableWidget *table = page.m_ptblwFileListTable;
    QVERIFY(table->horizontalHeader()->isHidden());
    QCOMPARE(table->columnCount(), 6);
    QStringList headers;
    for (int column = 0; column < 6; ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QCOMPARE(headers, QStringList({"File name", "Type", "Title", "Description", "Size", "Date modified"}));

    QStringList files{path("f0.jpg"), path("f1.jpg"), path("f2.jpg")};
    page.addFilesToList(&files);
    QVERIFY(!table->horizontalHeader()->isHidden());

    // The widths the page gave, against the rule worked out here.
    QList<int> given;
    for (int column = 0; column < 6; ++column)
        given << table->columnWidth(column);
    table->resizeColumnsToContents();
    int sum = 0;
    QList<int> contents;
    for (int column = 0; column < 6; ++column) {
        contents << table->columnWidth(column);
        sum += contents.last();
    }
    QVERIFY2(table->width() > sum, "the page is wide enough for spare room");
    const int scroll = table->verticalScrollBar()->isVisible() ? table->verticalScrollBar()->width() : 0;
    const int grow = (table->width() - table->verticalHeader()->width() - scroll - 1 - sum) / 6;
    QVERIFY(grow > 0);
    for (int column = 0; column < 6; ++column)
        QCOMPARE(given.at(column), contents.at(column) + grow);

    page.clearFileList();
    QVERIFY(!table->horizontalHeader()->isHidden());
}

void TestPhotoFileList::headerClickKeepsTheSelectionInView()
{
    for (int i = 0; i < 60; ++i)
        QVERIFY(writeFile(path(QStringLiteral("f%1.jpg").arg(i, 2, 10, QLatin1Char('0'))), i));
    CVorkWindowPhotoUpload page;
    QVERIFY(showFileTable(page));
    page.addFolderToList(m_dir->path());
    page.slotTableCellDoubleClicked(0, 0);
    QTableWidget *table = page.m_ptblwFileListTable;
    QCOMPARE(table->rowCount(), 60);
    table->sortByColumn(4, Qt::AscendingOrder);
    const int row = rowOf(table, path("f59.jpg"));
    QCOMPARE(row, 59);
    table->selectRow(row);
    table->scrollToTop();
    const auto visible = [&] {
        const QRect rect = table->visualItemRect(table->item(rowOf(table, path("f59.jpg")), 0));
        return rect.top() >= 0 && rect.bottom() <= table->viewport()->height();
    };
    QVERIFY(!visible());
    // A click on the File name header sorts by name (f59 stays last), then the page scrolls to
    // the selection.
    QHeaderView *header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QCOMPARE(header->sortIndicatorSection(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(visible(), tsup::guardMs());
}

// A row change raises the request id, shows the prompt and (re)starts the 300 ms timer; another
// cell of the same row changes nothing.
void TestPhotoFileList::rowChangeSchedulesAPreview()
{
    QVERIFY(writeFile(path("a.jpg")));
    QVERIFY(writeFile(path("b.jpg")));
    CVorkWindowPhotoUpload page;
    QStringList files{path("a.jpg"), path("b.jpg")};
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;
    const uint start = page.m_iUIPreviewReqID;
    page.m_plblThumbnail->setText(QStringLiteral("something else"));
    table->setCurrentCell(0, 0);
    QCOMPARE(page.m_iUIPreviewReqID, start + 1);
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
    QVERIFY(page.previewTimer()->isActive());
    QVERIFY(page.previewTimer()->isSingleShot());
    QCOMPARE(page.previewTimer()->interval(), 300);
    table->setCurrentCell(0, 3);
    QCOMPARE(page.m_iUIPreviewReqID, start + 1);
    table->setCurrentCell(1, 3);
    QCOMPARE(page.m_iUIPreviewReqID, start + 2);
    page.previewTimer()->stop();
}

PHOTO_FILES_TEST_MAIN(TestPhotoFileList)
#include "tst_photofilelist.moc"
