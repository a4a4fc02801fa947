// The photo-upload page's preview of the current file-table row, made by the real converters:
// Debian's ImageMagick and ffmpeg (behind our wrapper) placed beside the test binary. Photos
// and clips are made here. The work folder lies in a temporary folder of the test's own
// (TMPDIR), so no other test shares it.

#include <QCheckBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "CImageConverter.h"
#include "CToolRun.h"
#include "CVideoConverter.h"
#include "CVorkWindowPhotoUpload.h"
#include "HangGuard.h"
#include "ToolBench.h"
#include "photofilestest.h"

using namespace PhotoFilesTest;

namespace {

const QString Prompt = QStringLiteral("Select a photo or video to show its thumbnail");
const QString Creating = QStringLiteral("Creating thumbnail...");
const QString Failed = QStringLiteral("Failed to create the thumbnail.");
const int ToolMs = 60000;

bool makePhoto(const QString &path, int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.fillRect(width / 4, height / 4, width / 2, height / 2, Qt::white);
    painter.end();
    return image.save(path, "JPEG", 90);
}

bool runFFmpeg(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/ffmpeg"), args);
    const bool done = p.waitForFinished(tsup::guardMs(ToolMs));
    if (!done) {
        p.kill();
        p.waitForFinished(tsup::guardMs(5000));
    }
    return done && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The processes (other than this test) whose command line mentions `text`.
QList<qint64> processesMentioning(const QString &text)
{
    QList<qint64> pids;
    const QByteArray needle = text.toLocal8Bit();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == QCoreApplication::applicationPid())
            continue;
        QFile f(QStringLiteral("/proc/") + entry + QStringLiteral("/cmdline"));
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains(needle))
            pids << pid;
    }
    return pids;
}

QStringList workFiles()
{
    return QDir(CVorkWindowPhotoUpload::tempFolderPath()).entryList(QDir::Files, QDir::Name);
}

// The converters' debug lines are many and say nothing the checks do not.
QtMessageHandler g_previousHandler = nullptr;
void dropConverterLines(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("src/PhotoUploader/")))
        g_previousHandler(type, context, message);
}

} // namespace

class TestPhotoPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fiveQuickRowChangesStartOneConverter();
    void folderRowStartsNothing();
    void staleResultIsDropped();
    void cachedPictureUnlessTheFileChanged();
    void firstPictureShapesTheThumbnailArea();
    void videoPreview();
    void unreadablePhotoShowsTheError();
    void splitterRescalesThePicture();
    void closingDuringAVideoPreview();
    void pictureOfTheBrowsedFolder();

private:
    QString media(const QString &name) const { return m_media.path() + QLatin1Char('/') + name; }
    static bool hasPicture(const CVorkWindowPhotoUpload &page)
    {
        return !page.m_plblThumbnail->pixmap(Qt::ReturnByValue).isNull();
    }
    // The page with its settings panel (file table and thumbnail area) shown.
    static bool showPage(CVorkWindowPhotoUpload &page)
    {
        page.m_pstkwRightPanel->setCurrentIndex(1);
        page.show();
        return QTest::qWaitForWindowExposed(&page, tsup::guardMs());
    }
    static QString currentPath(const CVorkWindowPhotoUpload &page)
    {
        const QTableWidget *table = page.m_ptblwFileListTable;
        return table->item(table->currentRow(), 0)->data(Qt::UserRole).toString();
    }
    // Waits until the preview timer has fired and every converter has reported its end.
    static bool settle(const CVorkWindowPhotoUpload &page, int timeoutMs = ToolMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < tsup::guardMs(timeoutMs)) {
            if (!page.previewTimer()->isActive() && page.m_setUIPreviewConverters.isEmpty())
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    ToolBench m_bench;
    QTemporaryDir m_media;
    QTemporaryDir m_tmpRoot;
};

void TestPhotoPreview::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(dropConverterLines);
    QVERIFY(m_media.isValid());
    QVERIFY(m_tmpRoot.isValid());
    QVERIFY2(QFileInfo(QStringLiteral("/usr/bin/ffmpeg")).isExecutable(), "install the Debian package ffmpeg");
    const QStringList colours{"#c03030", "#30c030", "#3030c0", "#c0c030", "#30c0c0"};
    for (int i = 0; i < colours.size(); ++i)
        QVERIFY(makePhoto(media(QStringLiteral("p%1.jpg").arg(i)), 640, 480, QColor(colours.at(i)).rgb()));
    QVERIFY(runFFmpeg({"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=4:size=320x240:rate=25", "-c:v",
                       "mpeg4", media(QStringLiteral("clip.mp4"))}));
    QVERIFY(writeFile(media(QStringLiteral("bad.jpg")), 300));
    QVERIFY(QDir().mkpath(media(QStringLiteral("folder"))));
}

void TestPhotoPreview::init()
{
    QVERIFY(m_bench.clear());
    QString error;
    QVERIFY2(m_bench.installReal({"image", "video"}, &error), qPrintable(error));
    // A fresh system temporary folder for each case: the work folder lies inside it.
    const QString tmp = m_tmpRoot.path() + QStringLiteral("/") + QString::fromLatin1(QTest::currentTestFunction());
    QVERIFY(QDir().mkpath(tmp));
    qputenv("TMPDIR", QFile::encodeName(tmp));
    QCOMPARE(CVorkWindowPhotoUpload::tempFolderPath(),
             tmp + QStringLiteral("/VORK_PHOTO_TEMP-") + QString::number(::geteuid()));
}

void TestPhotoPreview::cleanup()
{
    QVERIFY(processesMentioning(m_media.path()).isEmpty());
}

// Five row changes within 300 ms start one converter, for the last row, whose picture is shown,
// cached and released.
void TestPhotoPreview::fiveQuickRowChangesStartOneConverter()
{
    CVorkWindowPhotoUpload page;
    QVERIFY(showPage(page));
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files << media(QStringLiteral("p%1.jpg").arg(i));
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;

    // No event is handled between the changes, so they all fall within the timer's 300 ms
    // however long they take.
    for (int row = 0; row < 5; ++row)
        table->setCurrentCell(row, 0);
    QVERIFY(page.previewTimer()->isActive());
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
    QVERIFY(page.m_setUIPreviewConverters.isEmpty());

    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(settle(page));
    const QString picture = QStringLiteral("UIPreview%1THUMB_B.jpg").arg(page.m_iUIPreviewReqID);
    QCOMPARE(workFiles(), QStringList({picture}));
    QCOMPARE(page.m_hashPreviewThumbs.size(), 1);
    QCOMPARE(page.m_hashPreviewThumbs.value(currentPath(page)),
             CVorkWindowPhotoUpload::tempFolderPath() + QLatin1Char('/') + picture);
    QCOMPARE(page.m_strUIPreviewThumbPath, page.m_hashPreviewThumbs.value(currentPath(page)));
    // The finished converter has been released.
    QVERIFY(!page.m_pUIPreviewImageConverter);
    QTRY_COMPARE_WITH_TIMEOUT(page.findChildren<QThread *>().size(), 0, tsup::guardMs());
}

void TestPhotoPreview::folderRowStartsNothing()
{
    CVorkWindowPhotoUpload page;
    page.addFolderToList(media(QStringLiteral("folder")));
    page.m_ptblwFileListTable->setCurrentCell(0, 1);
    QVERIFY(page.previewTimer()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!page.previewTimer()->isActive(), tsup::guardMs());
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
    QVERIFY(page.m_setUIPreviewConverters.isEmpty());
    QVERIFY(!page.m_pUIPreviewImageConverter);
    QVERIFY(!page.m_pUIPreviewVideoConverter);
    QCOMPARE(workFiles(), QStringList());
}

// A result for an earlier request is dropped, even for the very file now current; so is an
// error.
void TestPhotoPreview::staleResultIsDropped()
{
    CVorkWindowPhotoUpload page;
    QStringList files{media(QStringLiteral("p0.jpg")), media(QStringLiteral("p1.jpg"))};
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;
    table->setCurrentCell(0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(page.m_plblThumbnail->text(), Creating, tsup::guardMs());
    QCOMPARE(page.m_setUIPreviewConverters.size(), 1);
    const uint started = page.m_iUIPreviewReqID;

    // Away and back before the picture arrives; the next preview is not started.
    table->setCurrentCell(1, 0);
    table->setCurrentCell(0, 0);
    page.previewTimer()->stop();
    QCOMPARE(page.m_iUIPreviewReqID, started + 2);
    QVERIFY(settle(page));
    QCOMPARE(workFiles(), QStringList({QStringLiteral("UIPreview%1THUMB_B.jpg").arg(started)}));
    QVERIFY(!hasPicture(page));
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
    QVERIFY(page.m_hashPreviewThumbs.isEmpty());

    const QString made = CVorkWindowPhotoUpload::tempFolderPath() + QLatin1Char('/') + workFiles().first();
    page.slotUIPreviewThumbReady(made, started);
    page.slotUIPreviewConvertError(QString(), started + 1);
    QVERIFY(!hasPicture(page));
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);
    // The current id takes it.
    page.slotUIPreviewThumbReady(made, started + 2);
    QVERIFY(hasPicture(page));
}

// Coming back to a previewed file shows its cached picture at once, without a converter; after
// the file was modified a new picture is made, and the cache keeps its first entry.
void TestPhotoPreview::cachedPictureUnlessTheFileChanged()
{
    const QString photo = media(QStringLiteral("touched.jpg"));
    QVERIFY(makePhoto(photo, 320, 240, qRgb(200, 100, 0)));
    CVorkWindowPhotoUpload page;
    QStringList files{photo, media(QStringLiteral("p1.jpg"))};
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;
    const int row = rowOf(table, photo);
    const int other = 1 - row;

    table->setCurrentCell(row, 0);
    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(settle(page));
    const QString cached = page.m_hashPreviewThumbs.value(photo);
    QVERIFY(!cached.isEmpty());
    QCOMPARE(workFiles().size(), 1);

    table->setCurrentCell(other, 0);
    table->setCurrentCell(row, 0);
    QVERIFY(!hasPicture(page));
    QTRY_VERIFY_WITH_TIMEOUT(!page.previewTimer()->isActive(), tsup::guardMs());
    QVERIFY(hasPicture(page));
    QVERIFY(page.m_setUIPreviewConverters.isEmpty());
    QCOMPARE(workFiles().size(), 1);
    QCOMPARE(page.m_strUIPreviewThumbPath, cached);

    // The photo changes after its picture was made.
    {
        QFile f(photo);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QFileInfo(cached).lastModified().addSecs(10), QFileDevice::FileModificationTime));
    }
    table->setCurrentCell(other, 0);
    table->setCurrentCell(row, 0);
    QTRY_COMPARE_WITH_TIMEOUT(page.m_plblThumbnail->text(), Creating, tsup::guardMs());
    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(settle(page));
    QCOMPARE(workFiles().size(), 2);
    QVERIFY(workFiles().contains(QStringLiteral("UIPreview%1THUMB_B.jpg").arg(page.m_iUIPreviewReqID)));
    QCOMPARE(page.m_hashPreviewThumbs.value(photo), cached);
    QVERIFY(page.m_strUIPreviewThumbPath != cached);
}

// The first picture gives the thumbnail area a 4:3 shape; later ones leave its size alone.
void TestPhotoPreview::firstPictureShapesTheThumbnailArea()
{
    CVorkWindowPhotoUpload page;
    QVERIFY(showPage(page));
    QStringList files{media(QStringLiteral("p2.jpg")), media(QStringLiteral("clip.mp4"))};
    page.addFilesToList(&files);
    QTableWidget *table = page.m_ptblwFileListTable;
    // A left column wide enough for a 4:3 area, and the splitter first gives the area another
    // shape.
    page.resize(1500, 700);
    page.splitter_2->setSizes({400, 1100});
    page.splitter->setSizes({400, 200});
    QTest::qWait(20);
    QVERIFY(page.m_pgrpThumArea->width() * 3 / 4 != page.m_pgrpThumArea->height());
    table->setCurrentCell(0, 0);
    QVERIFY(!page.m_bThumbAreaSized);
    const int width = page.m_pgrpThumArea->width();
    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(page.m_bThumbAreaSized);
    QVERIFY(settle(page));
    // The shape lasts through the splitter's next layout.
    QTest::qWait(50);
    QCOMPARE(page.m_pgrpThumArea->width(), width);
    QCOMPARE(page.m_pgrpThumArea->height(), width * 3 / 4);
    // The user moves the splitter; a later picture leaves the area as the user made it.
    page.splitter->setSizes({350, 250});
    QTest::qWait(20);
    const QSize first = page.m_pgrpThumArea->size();
    QVERIFY(first.height() != width * 3 / 4);
    table->setCurrentCell(1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(settle(page));
    QTest::qWait(50);
    QCOMPARE(page.m_pgrpThumArea->size(), first);

    page.m_pgrpThumArea->resize(201, 57);
    page.slotUIPreviewThumbReady(page.m_strUIPreviewThumbPath, page.m_iUIPreviewReqID);
    QCOMPARE(page.m_pgrpThumArea->size(), QSize(201, 57));
}

void TestPhotoPreview::videoPreview()
{
    CVorkWindowPhotoUpload page;
    QVERIFY(showPage(page));
    QStringList files{media(QStringLiteral("clip.mp4"))};
    page.addFilesToList(&files);
    page.m_ptblwFileListTable->setCurrentCell(0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(page.m_plblThumbnail->text(), Creating, tsup::guardMs());
    QVERIFY(page.m_pUIPreviewVideoConverter);
    QCOMPARE(page.m_pUIPreviewVideoConverter->parent(), &page);
    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(settle(page));
    const QString id = QString::number(page.m_iUIPreviewReqID);
    QVERIFY(workFiles().contains(QStringLiteral("UIPreview") + id + QStringLiteral("THUMB_B.jpg")));
    QCOMPARE(QImage(page.m_strUIPreviewThumbPath).size(), QSize(640, 480));
    QCOMPARE(page.m_hashPreviewThumbs.value(media(QStringLiteral("clip.mp4"))), page.m_strUIPreviewThumbPath);
    QTRY_COMPARE_WITH_TIMEOUT(page.findChildren<CVideoConverter *>().size(), 0, tsup::guardMs());
}

// A photo the tools cannot read ends in the error text.
void TestPhotoPreview::unreadablePhotoShowsTheError()
{
    CVorkWindowPhotoUpload page;
    QStringList files{media(QStringLiteral("bad.jpg"))};
    page.addFilesToList(&files);
    page.m_ptblwFileListTable->setCurrentCell(0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(page.m_plblThumbnail->text(), Failed, tsup::guardMs(ToolMs));
    QVERIFY(settle(page));
    QVERIFY(!hasPicture(page));
    QVERIFY(page.m_hashPreviewThumbs.isEmpty());
}

void TestPhotoPreview::splitterRescalesThePicture()
{
    CVorkWindowPhotoUpload page;
    QVERIFY(showPage(page));
    QStringList files{media(QStringLiteral("p3.jpg"))};
    page.addFilesToList(&files);

    // Without a picture the label keeps its text.
    page.m_plblThumbnail->setFixedSize(200, 200);
    page.slotSplitterMoved(10, 1);
    QCOMPARE(page.m_plblThumbnail->text(), Prompt);

    page.m_ptblwFileListTable->setCurrentCell(0, 0);
    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(settle(page));
    // 640x480 kept in shape, smaller pictures enlarged.
    QCOMPARE(page.m_plblThumbnail->pixmap(Qt::ReturnByValue).size(), QSize(200, 150));
    page.m_plblThumbnail->setFixedSize(120, 300);
    page.slotSplitterMoved(10, 1);
    QCOMPARE(page.m_plblThumbnail->pixmap(Qt::ReturnByValue).size(), QSize(120, 90));
    page.m_plblThumbnail->setFixedSize(1000, 900);
    page.slotSplitterMoved(10, 1);
    QCOMPARE(page.m_plblThumbnail->pixmap(Qt::ReturnByValue).size(), QSize(1000, 750));

    // A picture that has gone leaves the label as it is.
    QVERIFY(QFile::remove(page.m_strUIPreviewThumbPath));
    page.m_plblThumbnail->setFixedSize(100, 100);
    page.slotSplitterMoved(10, 1);
    QCOMPARE(page.m_plblThumbnail->pixmap(Qt::ReturnByValue).size(), QSize(1000, 750));
}

// A video preview still running when the page goes away is stopped and waited for: no thread
// left running, no tool left behind. The clip is a FIFO nobody writes, so ffmpeg blocks on it
// until it is killed; the FIFO tells when ffmpeg has opened it and when it is gone.
void TestPhotoPreview::closingDuringAVideoPreview()
{
    auto fifo = std::make_unique<ToolFifo>(media(QStringLiteral("stream.mp4")));
    ToolFifo fifo2(media(QStringLiteral("stream2.mp4")));
    QVERIFY(fifo->isValid() && fifo2.isValid());

    std::unique_ptr<CVorkWindowPhotoUpload> page(new CVorkWindowPhotoUpload);
    QStringList files{fifo->path(), fifo2.path()};
    page->addFilesToList(&files);
    QTableWidget *table = page->m_ptblwFileListTable;
    table->setCurrentCell(rowOf(table, fifo->path()), 0);
    QVERIFY(fifo->waitForReader(ToolMs));

    // A second preview of the same kind stops the first one.
    table->setCurrentCell(rowOf(table, fifo2.path()), 0);
    QVERIFY(fifo2.waitForReader(ToolMs));
    QVERIFY(fifo->waitForNoReader(ToolMs));
    QTRY_COMPARE_WITH_TIMEOUT(page->m_setUIPreviewConverters.size(), 1, tsup::guardMs(ToolMs));

    // Closing stops the tool and waits for it: it is gone once the page is, killed rather than
    // left to the reap limit. (A page that never stopped it would never come back from reset:
    // the test function's time limit ends that.)
    QElapsedTimer timer;
    timer.start();
    page.reset();
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY(fifo2.waitForNoReader(0));

    // The work-folder clean-up at program end stops a running preview too.
    fifo = std::make_unique<ToolFifo>(media(QStringLiteral("stream3.mp4")));
    QVERIFY(fifo->isValid());
    CVorkWindowPhotoUpload second;
    QStringList again{fifo->path()};
    second.addFilesToList(&again);
    second.m_ptblwFileListTable->setCurrentCell(0, 0);
    QVERIFY(fifo->waitForReader(ToolMs));
    second.cleanUpTempFolder();
    QVERIFY(second.m_setUIPreviewConverters.isEmpty());
    QVERIFY(fifo->waitForNoReader(0));
    QVERIFY(!QFileInfo::exists(CVorkWindowPhotoUpload::tempFolderPath()));
}

// A folder dropped on the page, entered, titled and previewed; the page's picture is written to
// photofiles-review/photo-page-files.png beside the test program's folder.
void TestPhotoPreview::pictureOfTheBrowsedFolder()
{
    const QString folder = media(QStringLiteral("Holiday 2023"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/Day two")));
    QVERIFY(makePhoto(folder + QStringLiteral("/beach.jpg"), 800, 600, qRgb(40, 120, 200)));
    QVERIFY(makePhoto(folder + QStringLiteral("/harbour.b.jpg"), 640, 480, qRgb(200, 120, 40)));
    QVERIFY(QFile::copy(media(QStringLiteral("clip.mp4")), folder + QStringLiteral("/boat.mp4")));
    QVERIFY(writeFile(folder + QStringLiteral("/notes.txt"), 1500));
    QVERIFY(writeFile(folder + QStringLiteral("/.thumbs.db"), 20));

    CVorkWindowPhotoUpload page;
    page.resize(1000, 640);
    QVERIFY(showPage(page));
    QTableWidget *table = page.m_ptblwFileListTable;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(folder)});
    // The drop goes to the widget that took the drag.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(table->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(table->viewport(), &drop);
    QCOMPARE(table->rowCount(), 1);

    const QPoint at = table->visualItemRect(table->item(0, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(page.folderLevel(), 1);
    QCOMPARE(table->rowCount(), 6);

    const int beach = rowOf(table, folder + QStringLiteral("/beach.jpg"));
    table->item(beach, 2)->setData(Qt::EditRole, QStringLiteral("Morning at the beach"));
    table->item(beach, 3)->setData(Qt::EditRole, QStringLiteral("Low tide"));
    QCOMPARE(page.m_hashCustomTitles.value(QStringLiteral("1_") + folder + QStringLiteral("/beach.jpg")),
             QStringLiteral("Morning at the beach"));
    table->setCurrentCell(rowOf(table, folder + QStringLiteral("/beach.jpg")), 0);
    table->selectRow(table->currentRow());
    QTRY_VERIFY_WITH_TIMEOUT(hasPicture(page), tsup::guardMs(ToolMs));
    QVERIFY(settle(page));

    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../photofiles-review");
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(page.grab().save(dir + QStringLiteral("/photo-page-files.png")));
}

PHOTO_FILES_TEST_MAIN(TestPhotoPreview)
#include "tst_photopreview.moc"
