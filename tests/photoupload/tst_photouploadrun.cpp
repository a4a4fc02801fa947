// The photo-upload page's upload part against the simulated photo web application on loopback,
// with the real worker and Debian's ImageMagick and ffmpeg placed beside the test binary: the
// options in the settings, the destination from the album chooser, the start checks, whole runs
// with the result box, the progress bar and its timer, the thumbnail, cancel, a second start right
// after a cancel, the clean-up at close, and a whole session past an environment proxy. The
// process has a temporary folder of its own (TMPDIR), so no other test shares the work folder,
// and, when it can, a network namespace of its own whose loopback also holds 198.18.0.1.

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

#include "CPhotoUploadConfig.h"
#include "CUploadManager.h"
#include "CVorkDialogUpdDirSelection.h"
#include "CVorkDialogUpdResult.h"
#include "CVorkWindowPhotoUpload.h"
#include "SimPhotoServer.h"
#include "StringTable.h"
#include "TestSupport.h"
#include "ToolBench.h"
#include "platforms.h"

namespace {

const int WAIT_MS = 10000;
// A whole run converts every photo with the real tools, under the sanitizers too.
const int RUN_MS = 240000;
const char UploadScript[] = "/photo/include/vork_file_upload.php";

// Whether the process has a network namespace of its own with 198.18.0.1 on its loopback.
bool g_ownNetwork = false;
const char OtherAddress[] = "198.18.0.1";

const QByteArray Scenario = R"({"accounts":{"admin":{"admin":true},"bob":{}},
  "albums":[{"path":"Trip","writers":["bob"]},{"path":"Trip/Day 1","writers":["bob"]}]})";

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
    const bool done = p.waitForFinished(tsup::guardMs(60000));
    if (!done) {
        p.kill();
        p.waitForFinished(tsup::guardMs(5000));
    }
    return done && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Answers the page's modal windows as they appear (polling every 10 ms): message boxes are read
// and closed with their first button; the result box is read and answered Yes or No; an album
// chooser, once its list has arrived, is handed to `dirAction` (none: Cancel).
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Box {
        QString title;
        QString text;
        QStringList buttons;
        QWidget *parent = nullptr;
    };
    struct Result {
        QString text;
        QString informative;
        bool detailsButton = false;
        QString details;
        QWidget *parent = nullptr;
    };

    ModalAnswerer()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    }

    void start()
    {
        boxes.clear();
        results.clear();
        choosers = 0;
        dirAction = nullptr;
        resultYes = false;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }

    QList<Box> boxes;
    QList<Result> results;
    int choosers = 0;
    std::function<void(CVorkDialogUpdDirSelection &)> dirAction;
    bool resultYes = false;

private slots:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
            Box seen;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.parent = box->parentWidget();
            for (QAbstractButton *button : box->buttons())
                seen.buttons << button->text();
            boxes << seen;
            box->buttons().first()->click();
            return;
        }
        if (CVorkDialogUpdResult *result = qobject_cast<CVorkDialogUpdResult *>(modal)) {
            Result seen;
            seen.text = result->m_plblText->text();
            seen.informative = result->m_plblInfomativeText->text();
            seen.detailsButton = result->m_pbtnMoreInfo->isVisible();
            seen.details = result->m_ptxtedtErrorMessage->toPlainText();
            seen.parent = result->parentWidget();
            results << seen;
            result->m_pbuttonBox->button(resultYes ? QDialogButtonBox::Yes : QDialogButtonBox::No)->click();
            return;
        }
        if (CVorkDialogUpdDirSelection *chooser = qobject_cast<CVorkDialogUpdDirSelection *>(modal)) {
            if (m_handled == chooser || !chooser->m_ptrewServerDirTree->isEnabled() ||
                chooser->m_plblTitle->text() != getString(IDS_PHOTO_LBL_SELECT_UPD_FOLDER))
                return;
            m_handled = chooser;
            ++choosers;
            if (dirAction)
                dirAction(*chooser);
            else
                chooser->m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Cancel)->click();
        }
    }

private:
    QTimer m_timer;
    QPointer<CVorkDialogUpdDirSelection> m_handled;
};

QTreeWidgetItem *childNamed(QTreeWidgetItem *parent, const QString &name)
{
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == name)
            return parent->child(i);
    return nullptr;
}

} // namespace

class TestPhotoUploadRun : public QObject
{
    Q_OBJECT

public:
    // The browser stand-in: QDesktopServices hands it every "http" address.
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened << url; }

private:
    SimPhotoServer m_sim{QStringLiteral(VORK_SIMSERVER_BIN)};
    ToolBench m_bench;
    ModalAnswerer m_answerer;
    QTemporaryDir m_media;
    QList<QUrl> m_opened;

    QString media(const QString &name) const { return m_media.filePath(name); }

    QStringList photos(int count) const
    {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << media(QStringLiteral("p%1.jpg").arg(i));
        return out;
    }

    QList<QJsonObject> requestsTo(const char *script) const
    {
        QList<QJsonObject> out;
        for (const QJsonObject &r : m_sim.requests())
            if (r.value(QStringLiteral("script")).toString() == QLatin1String(script))
                out << r;
        return out;
    }

    // The file PUTs of one part type.
    QList<QJsonObject> puts(const QString &type) const
    {
        QList<QJsonObject> out;
        for (const QJsonObject &r : requestsTo(UploadScript))
            if (r.value(QStringLiteral("method")).toString() == QLatin1String("PUT") &&
                SimPhotoServer::header(r, QStringLiteral("X-UPLOAD-TYPE")) == type)
                out << r;
        return out;
    }

    // The stored files of one album and part type.
    QStringList storedNames(const QString &album, const QString &type)
    {
        QStringList names;
        for (const QJsonValue &v : m_sim.files()) {
            const QJsonObject f = v.toObject();
            if (f.value(QStringLiteral("album")).toString() == album && f.value(QStringLiteral("type")).toString() == type)
                names << f.value(QStringLiteral("name")).toString();
        }
        names.sort();
        return names;
    }

    // A page logged in to the simulated application with a stored profile of `account`.
    std::unique_ptr<CVorkWindowPhotoUpload> loggedIn(const QString &account, const QString &host = QStringLiteral("127.0.0.1"),
                                                     int port = 0)
    {
        CPhotoUploadConfig profile(port ? port : m_sim.port(), true, QStringLiteral("p"), host,
                                   scrambleEncodeString(QStringLiteral("pw")), account, false, QString());
        profile.save(QStringLiteral("PhotoUploader/RegisteredHosts/"));
        std::unique_ptr<CVorkWindowPhotoUpload> page(new CVorkWindowPhotoUpload);
        page->resize(837, 600);
        page->show();
        QTreeWidgetItem *row = page->m_ptrwServerList->topLevelItem(0);
        if (!row)
            return nullptr;
        page->m_ptrwServerList->setCurrentItem(row);
        row->setSelected(true);
        if (!waitFor([&page]() { return page->m_pstkwRightPanel->currentIndex() == 1; }))
            return nullptr;
        return page;
    }

    // Starts an upload of `files` to `destination` and waits for its result box.
    bool runUpload(CVorkWindowPhotoUpload &page, const QString &destination, QStringList files)
    {
        page.m_ptextedtUploadRootPath->setText(destination);
        page.addFilesToList(&files);
        page.m_pbtnPhotoUpload->click();
        if (!page.hasUnfinishedTasks())
            return false;
        return waitFor([&page]() { return !page.hasUnfinishedTasks(); }, RUN_MS);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_media.isValid());
        QString error;
        QVERIFY2(m_bench.installReal({"image", "raw", "video"}, &error), qPrintable(error));
        QVERIFY2(QFileInfo(QStringLiteral("/usr/bin/ffmpeg")).isExecutable(), "install the Debian package ffmpeg");
        const QStringList colours{"#c03030", "#30c030", "#3030c0", "#c0c030", "#30c0c0",
                                  "#c030c0", "#803030", "#308030", "#303080", "#808080"};
        for (int i = 0; i < colours.size(); ++i)
            QVERIFY(makePhoto(media(QStringLiteral("p%1.jpg").arg(i)), 320, 240, QColor(colours.at(i)).rgb()));
        QVERIFY(makePhoto(media(QStringLiteral("wide.jpg")), 2000, 500, qRgb(10, 120, 200)));
        QVERIFY(runFFmpeg({"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=1:size=160x120:rate=10",
                           "-c:v", "mpeg4", media(QStringLiteral("clip.mp4"))}));
        QVERIFY2(m_sim.start(&error, Scenario), qPrintable(error));
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        m_sim.stop();
    }

    void init()
    {
        QSettings().clear();
        QCOMPARE(m_sim.command(QStringLiteral("photo reset")), QStringLiteral("ok"));
        m_sim.forgetRequests();
        m_opened.clear();
        m_answerer.start();
        QDir(CVorkWindowPhotoUpload::tempFolderPath()).removeRecursively();
    }

    void cleanup() { m_answerer.stop(); }

    // -----------------------------------------------------------------------------------------
    // Options

    void optionDefaults()
    {
        CVorkWindowPhotoUpload page;
        QSettings settings;
        settings.beginGroup(QStringLiteral("PhotoUploader"));
        QCOMPARE(settings.value(QStringLiteral("is_video_high_quality_checked")), QVariant(false));
        QCOMPARE(settings.value(QStringLiteral("is_video_medium_quality_checked")), QVariant(true));
        QCOMPARE(settings.value(QStringLiteral("is_video_low_quality_checked")), QVariant(false));
        QCOMPARE(settings.value(QStringLiteral("is_video_mobile_quality_checked")), QVariant(true));
        QCOMPARE(settings.value(QStringLiteral("duplicated_file_handle")), QVariant(QStringLiteral("0")));
        settings.endGroup();
        QVERIFY(!page.m_pcboxVdoHighQty->isChecked());
        QVERIFY(page.m_pcboxVdoNormalQty->isChecked());
        QVERIFY(!page.m_pcboxVdoLowQty->isChecked());
        QVERIFY(page.m_pcboxVdoMobileQty->isChecked());
        QCOMPARE(page.getSelectedVideoProfiles(), (QList<uint>{1, 3}));

        QComboBox *combo = page.m_pcboboxDuplicateFile;
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QStringLiteral("Rename"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Skip"));
        QCOMPARE(combo->itemText(2), QStringLiteral("Overwrite"));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(combo->itemIcon(i).isNull());
            QVERIFY(!combo->itemData(i).isValid());
        }
        QCOMPARE(combo->currentIndex(), 0);
    }

    void optionChangesAreStored()
    {
        CVorkWindowPhotoUpload page;
        page.m_pcboxVdoHighQty->setChecked(true);
        page.m_pcboxVdoNormalQty->setChecked(false);
        page.m_pcboboxDuplicateFile->setCurrentIndex(2);
        // A partly checked box counts as checked.
        page.slotVideoLowStateChanged(Qt::PartiallyChecked);
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("PhotoUploader/is_video_high_quality_checked")), QVariant(true));
        QCOMPARE(settings.value(QStringLiteral("PhotoUploader/is_video_medium_quality_checked")), QVariant(false));
        QCOMPARE(settings.value(QStringLiteral("PhotoUploader/is_video_low_quality_checked")), QVariant(true));
        QCOMPARE(settings.value(QStringLiteral("PhotoUploader/duplicated_file_handle")), QVariant(QStringLiteral("2")));

        // A new page shows what was stored.
        CVorkWindowPhotoUpload again;
        QVERIFY(again.m_pcboxVdoHighQty->isChecked());
        QVERIFY(!again.m_pcboxVdoNormalQty->isChecked());
        QVERIFY(again.m_pcboxVdoLowQty->isChecked());
        QVERIFY(again.m_pcboxVdoMobileQty->isChecked());
        QCOMPARE(again.m_pcboboxDuplicateFile->currentIndex(), 2);
    }

    void videoProfileOrder()
    {
        CVorkWindowPhotoUpload page;
        page.m_pcboxVdoHighQty->setChecked(true);
        page.m_pcboxVdoNormalQty->setChecked(false);
        page.m_pcboxVdoLowQty->setChecked(false);
        page.m_pcboxVdoMobileQty->setChecked(true);
        QCOMPARE(page.getSelectedVideoProfiles(), (QList<uint>{0, 3}));
        page.m_pcboxVdoNormalQty->setChecked(true);
        page.m_pcboxVdoLowQty->setChecked(true);
        QCOMPARE(page.getSelectedVideoProfiles(), (QList<uint>{2, 1, 0, 3}));
        for (QCheckBox *box : {page.m_pcboxVdoHighQty, page.m_pcboxVdoNormalQty, page.m_pcboxVdoLowQty,
                               page.m_pcboxVdoMobileQty})
            box->setChecked(false);
        QVERIFY(page.getSelectedVideoProfiles().isEmpty());
    }

    // The stored duplicate handling reaches the server; an index outside the list selects
    // nothing, is kept as stored, and renames.
    void duplicateHandlingOnTheWire_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("header");
        QTest::newRow("skip") << "1" << 1 << "SKIP";
        QTest::newRow("overwrite") << "2" << 2 << "OVERWRITE";
        QTest::newRow("outside") << "7" << -1 << "RENAME";
    }

    void duplicateHandlingOnTheWire()
    {
        QFETCH(QString, stored);
        QFETCH(int, index);
        QFETCH(QString, header);
        QSettings().setValue(QStringLiteral("PhotoUploader/duplicated_file_handle"), stored);
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        QCOMPARE(page->m_pcboboxDuplicateFile->currentIndex(), index);
        QCOMPARE(QSettings().value(QStringLiteral("PhotoUploader/duplicated_file_handle")).toString(), stored);
        QVERIFY(runUpload(*page, QStringLiteral("/photo/Trip"), {media(QStringLiteral("p0.jpg"))}));
        const QList<QJsonObject> sent = puts(QStringLiteral("ORIG_FILE"));
        QCOMPARE(sent.size(), 1);
        QCOMPARE(SimPhotoServer::header(sent.at(0), QStringLiteral("X-DUPLICATE")), header);
    }

    // With a proxy in the environment, the login, the album chooser and the upload all go
    // straight to a server at an address that is not loopback (Qt never proxies loopback), and
    // the proxy sees nothing.
    void environmentProxyIsNotUsed()
    {
        if (!g_ownNetwork)
            QSKIP("no network namespace of the test's own holding a second address");
        SimPhotoServer remote{QStringLiteral(VORK_SIMSERVER_BIN)};
        QString error;
        const QByteArray scenario = QByteArray("{\"address\":\"") + OtherAddress +
                                    "\",\"accounts\":{\"bob\":{}},\"albums\":[{\"path\":\"Trip\",\"writers\":[\"bob\"]}]}";
        QVERIFY2(remote.start(&error, scenario), qPrintable(error));
        tsup::ProxyTrap proxy;
        QVERIFY(proxy.listening());
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"), QLatin1String(OtherAddress), remote.port());
        QVERIFY(page);
        m_answerer.dirAction = [](CVorkDialogUpdDirSelection &chooser) {
            QTreeWidgetItem *trip = childNamed(chooser.m_ptrewServerDirTree->topLevelItem(0), QStringLiteral("Trip"));
            QVERIFY(trip);
            chooser.m_ptrewServerDirTree->setCurrentItem(trip);
            chooser.m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->click();
        };
        page->m_pbtnUploadDirSelect->click();
        QCOMPARE(page->m_ptextedtUploadRootPath->text(), QStringLiteral("/photo/Trip"));
        QVERIFY(runUpload(*page, QStringLiteral("/photo/Trip"), {media(QStringLiteral("p0.jpg"))}));
        // The photo itself goes last, after its thumbnails.
        QCOMPARE(remote.files().last().toObject().value(QStringLiteral("name")).toString(), QStringLiteral("p0.jpg"));
        QCOMPARE(proxy.connections(), 0);
    }

    // -----------------------------------------------------------------------------------------
    // Destination

    void destinationFromTheChooser()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        QPointer<QWidget> chooserParent;
        m_answerer.dirAction = [&chooserParent](CVorkDialogUpdDirSelection &chooser) {
            chooserParent = chooser.parentWidget();
            QTreeWidgetItem *trip = childNamed(chooser.m_ptrewServerDirTree->topLevelItem(0), QStringLiteral("Trip"));
            QVERIFY(trip);
            QTreeWidgetItem *day = childNamed(trip, QStringLiteral("Day 1"));
            QVERIFY(day);
            chooser.m_ptrewServerDirTree->setCurrentItem(day);
            chooser.m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->click();
        };
        page->m_pbtnUploadDirSelect->click();
        QCOMPARE(m_answerer.choosers, 1);
        QCOMPARE(chooserParent.data(), static_cast<QWidget *>(page.get()));
        QCOMPARE(page->m_ptextedtUploadRootPath->text(), QStringLiteral("/photo/Trip/Day 1"));
        // The chooser's requests carry the page's session.
        const QList<QJsonObject> lists = requestsTo("/photo/include/vork_get_uploadable_album.php");
        QVERIFY(!lists.isEmpty());
        QVERIFY(!lists.last().value(QStringLiteral("session")).toString().isEmpty());

        // Cancel leaves the field as it was.
        m_answerer.dirAction = nullptr;
        page->m_pbtnUploadDirSelect->click();
        QCOMPARE(m_answerer.choosers, 2);
        QCOMPARE(page->m_ptextedtUploadRootPath->text(), QStringLiteral("/photo/Trip/Day 1"));
        QCOMPARE(page->m_pstkwRightPanel->currentIndex(), 1);
        QVERIFY(m_answerer.boxes.isEmpty());
    }

    void rootForAnAdministrator()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("admin"));
        QVERIFY(page);
        // The root is chosen at once.
        m_answerer.dirAction = [](CVorkDialogUpdDirSelection &chooser) {
            chooser.m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->click();
        };
        page->m_pbtnUploadDirSelect->click();
        QCOMPARE(page->m_ptextedtUploadRootPath->text(), QStringLiteral("/photo"));
    }

    void chooserEndsTheSession()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_get_uploadable_album.php * 1 errmsg session_lost")),
                 QStringLiteral("ok"));
        page->m_pbtnUploadDirSelect->click();
        QCOMPARE(m_answerer.boxes.size(), 1);
        QCOMPARE(m_answerer.boxes.at(0).text, getString(IDS_PHOTO_ERR_SESSION_LOST));
        QCOMPARE(page->m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(page->m_plblConnectStatus->text(),
                 QStringLiteral("To start photo uploading, click Add on the upper left-hand corner, or select a "
                                "profile on the list and then enter admin's password."));
        QCOMPARE(page->m_ptextedtUploadRootPath->text(), QStringLiteral("/photo/Trip"));
    }

    void chooserNotSupported()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_get_uploadable_album.php * 1 status 404")),
                 QStringLiteral("ok"));
        page->m_pbtnUploadDirSelect->click();
        QCOMPARE(m_answerer.boxes.size(), 1);
        QCOMPARE(m_answerer.boxes.at(0).text, getString(IDS_ERR_VR_NOT_SUPP));
        // The dialog closed by itself; the session is still there.
        QCOMPARE(page->m_pstkwRightPanel->currentIndex(), 1);
        QVERIFY(page->m_ptextedtUploadRootPath->text().isEmpty());
    }

    // -----------------------------------------------------------------------------------------
    // Start

    void startChecks()
    {
        {
            // No profile: nothing at all.
            CVorkWindowPhotoUpload page;
            page.m_ptextedtUploadRootPath->setText(QStringLiteral("/photo"));
            QStringList files{media(QStringLiteral("p0.jpg"))};
            page.addFilesToList(&files);
            page.slotPhotoUploadClicked();
            QVERIFY(m_answerer.boxes.isEmpty());
            QVERIFY(!page.hasUnfinishedTasks());
        }
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        m_sim.forgetRequests();
        for (QCheckBox *box : {page->m_pcboxVdoHighQty, page->m_pcboxVdoNormalQty, page->m_pcboxVdoLowQty,
                               page->m_pcboxVdoMobileQty})
            box->setChecked(false);
        page->m_pbtnPhotoUpload->click();
        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        page->m_pbtnPhotoUpload->click();
        QStringList files{media(QStringLiteral("p0.jpg"))};
        page->addFilesToList(&files);
        // Only photos, and still a video quality is asked for.
        page->m_pbtnPhotoUpload->click();
        QCOMPARE(m_answerer.boxes.size(), 3);
        const QStringList texts{getString(IDS_PHOTO_WARN_SEL_FOLDER), getString(IDS_PHOTO_WARN_SEL_FILE),
                                getString(IDS_PHOTO_WARN_SEL_VDO_QTY)};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(m_answerer.boxes.at(i).text, texts.at(i));
            QCOMPARE(m_answerer.boxes.at(i).title, QStringLiteral("Photo Uploader"));
            QCOMPARE(m_answerer.boxes.at(i).buttons, QStringList{QStringLiteral("OK")});
            QCOMPARE(m_answerer.boxes.at(i).parent, static_cast<QWidget *>(page.get()));
        }
        QVERIFY(!page->hasUnfinishedTasks());
        QVERIFY(!page->m_pUploadManager);
        QTest::qWait(200);
        QVERIFY(m_sim.requests().isEmpty());
    }

    // The destination gives the server path of every job; the worker carries the login's cookie.
    void serverPaths_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("xPath");
        QTest::addColumn<QString>("album");
        QTest::newRow("root") << "/photo" << " " << "";
        QTest::newRow("album") << "/photo/Trip/Day 1" << " Trip%2FDay%201" << "Trip/Day 1";
        QTest::newRow("other case") << "/Photo/Trip" << " " << "";
    }

    void serverPaths()
    {
        QFETCH(QString, destination);
        QFETCH(QString, xPath);
        QFETCH(QString, album);
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("admin"));
        QVERIFY(page);
        m_sim.forgetRequests();
        QVERIFY(runUpload(*page, destination, {media(QStringLiteral("p1.jpg"))}));
        const QList<QJsonObject> sent = puts(QStringLiteral("ORIG_FILE"));
        QCOMPARE(sent.size(), 1);
        QCOMPARE(SimPhotoServer::header(sent.at(0), QStringLiteral("X-PATH")), xPath);
        QVERIFY(SimPhotoServer::header(sent.at(0), QStringLiteral("Cookie")).contains(QLatin1String("PHPSESSID=")));
        QVERIFY(!sent.at(0).value(QStringLiteral("session")).toString().isEmpty());
        QCOMPARE(storedNames(album, QStringLiteral("ORIG_FILE")), QStringList{QStringLiteral("p1.jpg")});
    }

    // -----------------------------------------------------------------------------------------
    // Whole runs

    // Ten photos of which the server refuses three: the result box reports 7 and 3 with the three
    // failures, Yes opens the album, the list is emptied and the settings page is back.
    void runWithFailures()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php ORIG_FILE 3 errmsg no_privilege")),
                 QStringLiteral("ok"));
        m_answerer.resultYes = true;
        QList<int> values;
        connect(page->m_pprobarUploadProgress, &QProgressBar::valueChanged, page.get(),
                [&values](int value) { values << value; });

        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        QStringList files = photos(10);
        page->addFilesToList(&files);
        page->m_pbtnPhotoUpload->click();
        QVERIFY(page->hasUnfinishedTasks());
        QCOMPARE(page->m_pstkwRightPanel->currentWidget(), page->m_pwUploadProcess);
        QVERIFY(page->keepAliveTimer()->isActive());
        QCOMPARE(page->keepAliveTimer()->interval(), 1200000);
        QVERIFY(page->progressTimer()->isActive());
        QVERIFY(!page->m_ptrwServerList->isEnabled());
        QVERIFY(!page->m_pactConnect->isEnabled());
        QVERIFY(!page->m_pactEdit->isEnabled());
        QVERIFY(!page->m_pactRemove->isEnabled());

        QVERIFY(waitFor([this]() { return !m_answerer.results.isEmpty(); }, RUN_MS));
        QVERIFY(waitFor([&page]() { return !page->hasUnfinishedTasks(); }));
        QCOMPARE(m_answerer.results.size(), 1);
        const ModalAnswerer::Result result = m_answerer.results.at(0);
        QCOMPARE(result.parent, static_cast<QWidget *>(page.get()));
        QCOMPARE(result.text, QStringLiteral("Upload finished \nSuccess Count: 7, Error Count: 3"));
        QCOMPARE(result.informative, QStringLiteral("Connect to Imagrove now?"));
        QVERIFY(result.detailsButton);
        const QStringList failed = *page->m_plstFailedFiles;
        QCOMPARE(failed.size(), 3);
        QString expected = getString(IDS_PHOTO_UPD_ERR_REPORT_MSG);
        for (const QString &entry : failed) {
            QVERIFY2(entry.startsWith(m_media.path()), qPrintable(entry));
            expected += QStringLiteral("\r\n\r\n") + entry;
        }
        // The pane shows line ends as new lines.
        QCOMPARE(result.details, QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(m_answerer.boxes.isEmpty());

        // Yes opened the album in the browser.
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.at(0).path(), QStringLiteral("/photo/include/vork_browse_album.php"));
        QVERIFY(m_opened.at(0).query().contains(QLatin1String("album=Trip")));
        // Then the list is emptied and the page leaves upload mode.
        QCOMPARE(page->m_fileModel.rowCount(), 0);
        QCOMPARE(page->m_ptblwFileListTable->rowCount(), 0);
        QCOMPARE(page->m_pstkwRightPanel->currentWidget(), page->m_pwUploadSetting);
        QVERIFY(!page->keepAliveTimer()->isActive());
        QVERIFY(!page->progressTimer()->isActive());
        QVERIFY(page->m_ptrwServerList->isEnabled());
        QVERIFY(page->m_pactConnect->isEnabled());
        QCOMPARE(page->m_plblNumTotal->text(), QStringLiteral("10"));

        // The bar never moved back.
        QVERIFY(!values.isEmpty());
        for (int i = 1; i < values.size(); ++i)
            QVERIFY2(values.at(i) >= values.at(i - 1), qPrintable(QStringLiteral("%1 then %2").arg(values.at(i - 1)).arg(values.at(i))));
        // The server has the seven photos with their thumbnails.
        QCOMPARE(storedNames(QStringLiteral("Trip"), QStringLiteral("ORIG_FILE")).size(), 7);
        QCOMPARE(storedNames(QStringLiteral("Trip"), QStringLiteral("THUM_B")).size(), 10);
    }

    // A photo and a video into "Trip/Day 1": the video's web version is made and sent; the box
    // has no details; No leaves the browser alone. A picture of the progress page is kept.
    void runWithVideo()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        page->m_pcboxVdoNormalQty->setChecked(false);
        QCOMPARE(page->getSelectedVideoProfiles(), QList<uint>{3});
        // The first part is held, so that the progress page can be seen.
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php * 1 hold")), QStringLiteral("ok"));
        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip/Day 1"));
        QStringList files{media(QStringLiteral("p2.jpg")), media(QStringLiteral("clip.mp4"))};
        page->addFilesToList(&files);
        page->m_pbtnPhotoUpload->click();
        QVERIFY(waitFor([this]() { return m_sim.ok(QStringLiteral("photo held")) == QLatin1String("1"); }, RUN_MS));
        QVERIFY(page->m_plblCurrentProcessFile->isVisible());
        QVERIFY(!page->m_plblCurrentProcessFile->text().isEmpty());
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/photoupload-review");
        QDir().mkpath(dir);
        QVERIFY(page->grab().save(dir + QStringLiteral("/photo-page-uploading.png")));
        QCOMPARE(m_sim.ok(QStringLiteral("photo release")), QStringLiteral("1"));

        QVERIFY(waitFor([this]() { return !m_answerer.results.isEmpty(); }, RUN_MS));
        QVERIFY(waitFor([&page]() { return !page->hasUnfinishedTasks(); }));
        const ModalAnswerer::Result result = m_answerer.results.at(0);
        QCOMPARE(result.text, QStringLiteral("Upload finished \nSuccess Count: 2, Error Count: 0"));
        QVERIFY(!result.detailsButton);
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(page->m_fileModel.rowCount(), 0);
        const QString album = QStringLiteral("Trip/Day 1");
        QCOMPARE(storedNames(album, QStringLiteral("ORIG_FILE")),
                 (QStringList{QStringLiteral("clip.mp4"), QStringLiteral("p2.jpg")}));
        QCOMPARE(storedNames(album, QStringLiteral("MP4_MOBILE")), QStringList{QStringLiteral("clip.mp4")});
        QVERIFY(storedNames(album, QStringLiteral("MP4_MEDIUM")).isEmpty());
        QCOMPARE(storedNames(album, QStringLiteral("THUM_B")).size(), 2);
    }

    // Photos under names ImageMagick would read frame numbers and patterns into, and a RAW file of
    // no bytes: every photo goes up with its five thumbnails, and the page reports the one file
    // that could not be converted, which still goes up itself.
    void awkwardNamesAndAnUnreadableRaw()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("admin"));
        QVERIFY(page);
        QStringList names{QStringLiteral("Holiday [2019].jpg"), QStringLiteral("IMG*1.jpg"), QStringLiteral("-start.jpg")};
        QStringList files;
        for (const QString &name : names) {
            QVERIFY(makePhoto(media(name), 320, 240, qRgb(200, 120, 40)));
            files << media(name);
        }
        const QString raw = media(QStringLiteral("IMG_0001.cr2"));
        QFile empty(raw);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QStringList reported;
        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        page->addFilesToList(&(files << raw));
        page->m_pbtnPhotoUpload->click();
        QVERIFY(page->m_pUploadManager);
        // Delivered after the page's own slot, which shows the report.
        connect(page->m_pUploadManager, &CUploadManager::signalConvertError, page.get(),
                [&reported, &page]() { reported << page->m_plblProcessThumbnail->text(); });
        QVERIFY(waitFor([&page]() { return !page->hasUnfinishedTasks(); }, RUN_MS));
        QCOMPARE(reported, QStringList{QStringLiteral("Failed to convert %1.").arg(raw)});
        names.sort();
        for (const char *type : {"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL"})
            QCOMPARE(storedNames(QStringLiteral("Trip"), QLatin1String(type)), names);
        QCOMPARE(storedNames(QStringLiteral("Trip"), QStringLiteral("ORIG_FILE")),
                 QStringList(names) << QStringLiteral("IMG_0001.cr2"));
    }

    // -----------------------------------------------------------------------------------------
    // Progress, status and thumbnail

    void progressBarAndTimer()
    {
        CVorkWindowPhotoUpload page;
        QProgressBar *bar = page.m_pprobarUploadProgress;
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 1000);
        page.setUploadMode(true);
        page.slotUploadProgressChanged(500, 3, 10, 503, 0);
        QCOMPARE(bar->value(), 500);
        QCOMPARE(page.m_plblNumCompleted->text(), QStringLiteral("3"));
        QCOMPARE(page.m_plblNumTotal->text(), QStringLiteral("10"));
        QCOMPARE(page.progressTimer()->interval(), 1000);
        QVERIFY(page.progressTimer()->isActive());
        // An earlier value does not move the bar back.
        page.slotUploadProgressChanged(300, 4, 10, 503, 20971519);
        QCOMPARE(bar->value(), 500);
        QCOMPARE(page.m_plblNumCompleted->text(), QStringLiteral("4"));
        QCOMPARE(page.progressTimer()->interval(), 1000);
        // Ticks creep up to one below the announced value.
        page.slotUpdateUploadProgress();
        QCOMPARE(bar->value(), 501);
        page.slotUpdateUploadProgress();
        QCOMPARE(bar->value(), 502);
        page.slotUpdateUploadProgress();
        page.slotUpdateUploadProgress();
        QCOMPARE(bar->value(), 502);
        // Announced one above: the tick adds nothing.
        page.slotUploadProgressChanged(600, 5, 10, 601, 20971520);
        QCOMPARE(page.progressTimer()->interval(), 2000);
        page.slotUpdateUploadProgress();
        QCOMPARE(bar->value(), 600);
        page.slotUploadProgressChanged(600, 5, 10, 700, 50 * 1048576);
        QCOMPARE(page.progressTimer()->interval(), 3000);
        page.setUploadMode(false);
        QVERIFY(!page.progressTimer()->isActive());

        QCOMPARE(CVorkWindowPhotoUpload::progressTickInterval(0), 1000);
        QCOMPARE(CVorkWindowPhotoUpload::progressTickInterval(20971519), 1000);
        QCOMPARE(CVorkWindowPhotoUpload::progressTickInterval(20971520), 2000);
        QCOMPARE(CVorkWindowPhotoUpload::progressTickInterval(Q_INT64_C(3) * 20971520 - 1), 3000);
        // Sizes no file has still give a usable period.
        QCOMPARE(CVorkWindowPhotoUpload::progressTickInterval(-1), 1000);
        QCOMPARE(CVorkWindowPhotoUpload::progressTickInterval(-(Q_INT64_C(1) << 40)), 1000);
        QVERIFY(CVorkWindowPhotoUpload::progressTickInterval(Q_INT64_C(1) << 60) > 0);
    }

    void statusFileAndThumbnail()
    {
        CVorkWindowPhotoUpload page;
        page.resize(837, 600);
        page.show();
        page.setUploadMode(true);
        QLabel *thumb = page.m_plblProcessThumbnail;
        page.slotProcessStatusChanged(QStringLiteral("Converting"));
        QCOMPARE(page.m_plblUploadStatus->text(), QStringLiteral("Converting"));

        page.slotUploadBigThumbReady(QString());
        QCOMPARE(thumb->text(), QStringLiteral("Creating thumbnail..."));
        page.slotUploadBigThumbReady(media(QStringLiteral("missing.jpg")));
        QCOMPARE(thumb->text(), QStringLiteral("Failed to create the thumbnail."));

        // A picture larger than the label is scaled into it, keeping its shape.
        page.slotUploadBigThumbReady(media(QStringLiteral("wide.jpg")));
        const QPixmap wide = thumb->pixmap(Qt::ReturnByValue);
        QVERIFY(!wide.isNull());
        QVERIFY(wide.width() <= thumb->width() && wide.height() <= thumb->height());
        QVERIFY(wide.width() == thumb->width() || wide.height() == thumb->height());
        QVERIFY(qAbs(double(wide.width()) / wide.height() - 4.0) < 0.1);
        // A small one is shown as it is.
        const QString small = media(QStringLiteral("small.png"));
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(small));
        page.slotUploadBigThumbReady(small);
        QCOMPARE(thumb->pixmap(Qt::ReturnByValue).size(), QSize(8, 6));

        // A new file clears the thumbnail and shows its name.
        page.slotProcessFileChanged(QStringLiteral("p3.jpg"));
        QVERIFY(thumb->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(page.m_plblCurrentProcessFile->isVisible());
        QCOMPARE(page.m_plblCurrentProcessFile->text(), QStringLiteral("p3.jpg"));

        page.slotUploadConvertError(QStringLiteral("/x/p3.jpg"));
        QCOMPARE(thumb->text(), QStringLiteral("Failed to convert /x/p3.jpg."));
        page.setUploadMode(false);
        QVERIFY(thumb->text().isEmpty());
    }

    // -----------------------------------------------------------------------------------------
    // Cancel and close

    // Cancel during a held request: back to the settings page, list kept, no result box. A new
    // upload started at once waits for the old worker, and its failed list holds only its own
    // entry.
    void cancelThenStartAgain()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php * 1 hold")), QStringLiteral("ok"));
        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        QStringList files = photos(3);
        page->addFilesToList(&files);
        page->m_pbtnPhotoUpload->click();
        QVERIFY(waitFor([this]() { return m_sim.ok(QStringLiteral("photo held")) == QLatin1String("1"); }, RUN_MS));
        QPointer<CUploadManager> first = page->m_pUploadManager;
        QVERIFY(first);
        page->m_pbtnUploadCancel->click();
        QVERIFY(!page->hasUnfinishedTasks());
        QCOMPARE(page->m_pstkwRightPanel->currentWidget(), page->m_pwUploadSetting);
        QVERIFY(!page->keepAliveTimer()->isActive());
        QVERIFY(!page->progressTimer()->isActive());
        QCOMPARE(page->m_fileModel.rowCount(), 3);
        QTest::qWait(300);
        QVERIFY(m_answerer.results.isEmpty());

        // Right away again, with one refusal.
        QCOMPARE(m_sim.command(QStringLiteral("photo fault clear")), QStringLiteral("ok"));
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php ORIG_FILE 1 errmsg no_privilege")),
                 QStringLiteral("ok"));
        page->m_pbtnPhotoUpload->click();
        // The cancelled worker has ended and is gone.
        QVERIFY(!first);
        QVERIFY(page->hasUnfinishedTasks());
        QVERIFY(waitFor([this]() { return !m_answerer.results.isEmpty(); }, RUN_MS));
        QVERIFY(waitFor([&page]() { return !page->hasUnfinishedTasks(); }));
        QCOMPARE(m_answerer.results.at(0).text, QStringLiteral("Upload finished \nSuccess Count: 2, Error Count: 1"));
        QCOMPARE(page->m_plstFailedFiles->size(), 1);
        QCOMPARE(m_answerer.results.size(), 1);
    }

    // Closing during an upload: the clean-up cancels it, waits for the worker and removes the work
    // files; the folder stays only when a sub-folder is inside. Deleting the page then is safe.
    void closeDuringUpload_data()
    {
        QTest::addColumn<bool>("subFolder");
        QTest::newRow("files only") << false;
        QTest::newRow("with a sub-folder") << true;
    }

    void closeDuringUpload()
    {
        QFETCH(bool, subFolder);
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php * 1 hold")), QStringLiteral("ok"));
        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        QStringList files = photos(2);
        page->addFilesToList(&files);
        page->m_pbtnPhotoUpload->click();
        QVERIFY(waitFor([this]() { return m_sim.ok(QStringLiteral("photo held")) == QLatin1String("1"); }, RUN_MS));
        const QString work = CVorkWindowPhotoUpload::tempFolderPath();
        // The worker has made the first photo's thumbnails there.
        QVERIFY(!QDir(work).entryList(QDir::Files).isEmpty());
        if (subFolder)
            QVERIFY(QDir().mkpath(work + QStringLiteral("/preview")));
        QPointer<CUploadManager> worker = page->m_pUploadManager;
        page->cleanUpTempFolder();
        QVERIFY(!page->hasUnfinishedTasks());
        QVERIFY(!worker);
        page.reset();
        QCOMPARE(QFileInfo::exists(work), subFolder);
        if (subFolder)
            QVERIFY(QDir(work).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QTest::qWait(200);
        QVERIFY(m_answerer.results.isEmpty());
        QVERIFY(m_answerer.boxes.isEmpty());
    }

    // Deleting the page while its worker runs ends the worker first.
    void deletePageDuringUpload()
    {
        std::unique_ptr<CVorkWindowPhotoUpload> page = loggedIn(QStringLiteral("bob"));
        QVERIFY(page);
        QCOMPARE(m_sim.command(QStringLiteral("photo fault vork_file_upload.php * 1 hold")), QStringLiteral("ok"));
        page->m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        QStringList files = photos(2);
        page->addFilesToList(&files);
        page->m_pbtnPhotoUpload->click();
        QVERIFY(waitFor([this]() { return m_sim.ok(QStringLiteral("photo held")) == QLatin1String("1"); }, RUN_MS));
        page.reset();
        QTest::qWait(200);
        QVERIFY(m_answerer.results.isEmpty());
    }
};

int main(int argc, char **argv)
{
    // First, while the process has one thread. Without a network namespace of its own (it takes
    // root) the process stays where it is and only the proxy test is skipped.
    g_ownNetwork = unshare(CLONE_NEWNET) == 0 && tsup::bringLoopbackUp() && tsup::addLoopbackAddress(OtherAddress);
    qputenv("LC_ALL", "C");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    // A system temporary folder of this process's own: the work folder lies inside it.
    const QString tmp = QDir::tempPath() + QStringLiteral("/tmp-photouploadrun");
    QDir().mkpath(tmp);
    qputenv("TMPDIR", QFile::encodeName(tmp));
    TestPhotoUploadRun tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_photouploadrun.moc"
