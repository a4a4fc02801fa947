// The upload worker over real HTTP against the simulated photo web application, with the
// recording stand-ins for the converter tools: the upload-init request byte for byte, the PUT
// headers, every reply outcome, the progress and status signals, the derived-file parts, stops
// and the work folder.
#include "UploadFixture.h"

#include "CImageConverter.h"
#include "CToolRun.h"
#include "CVideoConverter.h"
#include "HangGuard.h"
#include "ToolBench.h"

#include <QDateTime>
#include <QMutex>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Convert = QStringLiteral("ImageMagick/convert");
const QString Ffmpeg = QStringLiteral("ffmpeg/ffmpeg");
const QString FastStart = QStringLiteral("ffmpeg/qt-faststart");

const QString InitScript = QStringLiteral("/photo/include/vork_upload_init.php");
const QString UploadScript = QStringLiteral("/photo/include/vork_file_upload.php");

QStringList xNames(std::initializer_list<const char*> names)
{
    QStringList out;
    for (const char* n : names)
        out << QString::fromLatin1(n);
    return out;
}

// Debug lines of the program, kept instead of printed.
QMutex g_logLock;
QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void captureDebugLines(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("src/"))) {
        QMutexLocker lock(&g_logLock);
        g_log << message.trimmed();
        return;
    }
    g_previousHandler(type, context, message);
}

QStringList logLines()
{
    QMutexLocker lock(&g_logLock);
    return g_log;
}

void clearLog()
{
    QMutexLocker lock(&g_logLock);
    g_log.clear();
}

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
}

// Plain files of the work folder that the worker would delete (not hidden).
QStringList workFiles()
{
    return QDir(workFolder()).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestUploadWorker : public QObject
{
    Q_OBJECT

private:
    SimPhotoServer* m_sim = nullptr;
    ToolBench m_bench;
    QString m_thumb; // a small JPEG the stand-in tools copy into their outputs
    std::unique_ptr<QTemporaryDir> m_files;

    QString local(const QString& name) const { return m_files->filePath(name); }
    QString makeText(const QString& name, const QByteArray& data = "text")
    {
        const QString path = local(name);
        writeFile(path, data);
        return path;
    }
    QString makePhoto(const QString& name)
    {
        const QString path = local(name);
        makeJpeg(path, 64, 48);
        return path;
    }

    // Runs the upload to its end (or time-out) and checks that it ended.
    static bool run(UploadSetup& setup, int timeoutMs = 60000)
    {
        setup.start();
        return setup.waitDone(timeoutMs);
    }

    bool waitHeld(int count, int timeoutMs = 10000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < tsup::guardMs(timeoutMs)) {
            if (m_sim->ok(QStringLiteral("photo held")).toInt() >= count)
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return false;
    }

    // The private job-list helpers of the worker.
    static QByteArray initList(const QList<UploadJob>& jobs) { return CUploadManager::uploadInitList(jobs); }
    static QByteArray initBody(const QByteArray& b, const QByteArray& l) { return CUploadManager::uploadInitBody(b, l); }

private slots:
    void initTestCase()
    {
        // After QTest's own handler, which passes on every line that is not the program's.
        g_previousHandler = qInstallMessageHandler(captureDebugLines);
        m_sim = new SimPhotoServer(QStringLiteral(VORK_SIMSERVER_BIN));
        QString error;
        QVERIFY2(m_sim->start(&error), qPrintable(error));
        m_thumb = QCoreApplication::applicationDirPath() + QStringLiteral("/thumb-source.jpg");
        QVERIFY(makeJpeg(m_thumb, 40, 30, Qt::darkRed));
    }

    void cleanupTestCase() { delete m_sim; }

    void init()
    {
        QCOMPARE(m_sim->command(QStringLiteral("photo reset")), QStringLiteral("ok"));
        m_sim->forgetRequests();
        QDir(workFolder()).removeRecursively();
        m_files.reset(new QTemporaryDir());
        QVERIFY(m_files->isValid());
        QVERIFY(m_bench.clear());
        QVERIFY(m_bench.installFake(Convert, {QStringLiteral("copy ") + m_thumb}));
        // Probe: nothing (the output would be the source); later runs write their output file.
        QVERIFY(m_bench.installFake(Ffmpeg, {QStringLiteral("none"), QStringLiteral("copy ") + m_thumb}));
        QVERIFY(m_bench.installFake(FastStart, {QStringLiteral("copy ") + m_thumb}));
    }

    // ---- The upload-init request ----------------------------------------------------------

    void initListItems()
    {
        const QString a = makeText(QStringLiteral("a"));
        const QString c = makeText(QStringLiteral("c"));
        const QString u = makeText(QString::fromUtf8("\xc3\xbc b.txt"));
        QVERIFY(QDir(m_files->path()).mkdir(QStringLiteral("F")));
        const auto job = [](const QString& path, const QString& server) {
            UploadJob j;
            j.insert(strJobFilePath, path);
            j.insert(strJobFolderLevel, QStringLiteral("0"));
            j.insert(strJobServerPath, server);
            return j;
        };
        QList<UploadJob> jobs;
        jobs << job(a, QStringLiteral("P")) << job(local(QStringLiteral("gone")), QStringLiteral("P"))
             << job(local(QStringLiteral("F")), QStringLiteral("P")) << job(c, QStringLiteral("P"));
        QCOMPARE(initList(jobs), QByteArray("P/a/FolderDelimiter/P/c"));

        // Items in UTF-8; the root album's items start with "/".
        jobs.clear();
        jobs << job(u, QString());
        QCOMPARE(initList(jobs), QByteArray("/\xc3\xbc b.txt"));
        // Folders only: an empty list.
        jobs.clear();
        jobs << job(local(QStringLiteral("F")), QStringLiteral("P"));
        QCOMPARE(initList(jobs), QByteArray());

        QCOMPARE(initBody("updbdry--2024-05-06T07:08:09------------------", "P/a"),
                 QByteArray("--updbdry--2024-05-06T07:08:09------------------\r\n"
                            "content-disposition: form-data; name=\"filelist\"\r\n"
                            "\r\n"
                            "P/a\r\n"
                            "--updbdry--2024-05-06T07:08:09------------------\r\n"));
    }

    void initRequestOnTheWire()
    {
        QVERIFY(m_sim->ok(QStringLiteral("photo album - P")).isNull() == false);
        UploadSetup setup(m_sim);
        setup.root = QStringLiteral("P");
        QVERIFY(setup.login());
        for (const char* name : {"a", "b", "c"})
            setup.addRow(makeText(QString::fromLatin1(name)));

        // Local time, not UTC: the boundary follows the time zone.
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "JST-9");
        tzset();
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(9 * 3600);
        const bool done = run(setup);
        const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(9 * 3600);
        if (oldTz.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", oldTz);
        tzset();
        QVERIFY(done);

        const QList<QJsonObject> requests = m_sim->requests();
        QCOMPARE(requests.size(), 4);
        const QJsonObject init = requests.at(0);
        QCOMPARE(init.value("method").toString(), QStringLiteral("POST"));
        QCOMPARE(init.value("target").toString(), InitScript);
        QCOMPARE(SimPhotoServer::header(init, "Cookie"), QStringLiteral("PHPSESSID=") + setup.cookies.at(0).value());

        const QString contentType = SimPhotoServer::header(init, "Content-Type");
        const QRegularExpression form(QStringLiteral("^multipart/form-data, boundary=(updbdry--"
                                                     "(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)------------------)$"));
        const QRegularExpressionMatch m = form.match(contentType);
        QVERIFY2(m.hasMatch(), qPrintable(contentType));
        const QByteArray boundary = m.captured(1).toLatin1();
        QDateTime stamp = QDateTime::fromString(m.captured(2), Qt::ISODate);
        stamp.setTimeSpec(Qt::UTC);
        QVERIFY2(stamp >= before.addSecs(-1) && stamp <= after.addSecs(1), qPrintable(m.captured(2)));

        const QByteArray expected = "--" + boundary + "\r\n"
                                    "content-disposition: form-data; name=\"filelist\"\r\n"
                                    "\r\n"
                                    "P/a/FolderDelimiter/P/b/FolderDelimiter/P/c\r\n"
                                    "--" + boundary + "\r\n";
        QCOMPARE(SimPhotoServer::body(init), expected);
        QCOMPARE(SimPhotoServer::header(init, "Content-Length"), QString::number(expected.size()));
        QCOMPARE(uploadTypes(requests), QStringList({"ORIG_FILE", "ORIG_FILE", "ORIG_FILE"}));
        QVERIFY(setup.failed.isEmpty());
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
    }

    void initReplyDuplicatedWithEmptyElement()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.duplicateMode = 1;
        setup.addRow(makeText(QStringLiteral("a")));
        setup.addRow(makeText(QStringLiteral("b")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_upload_init.php * 1 json "
                                               "{\"success\":true,\"duplicated_files\":[\"Trip/a\",\"\"],"
                                               "\"no_privilege_files\":[]}")),
                 QStringLiteral("ok"));
        QVERIFY(run(setup));
        QCOMPARE(setup.worker->m_hashDuplicatedFiles.size(), 1);
        QVERIFY(setup.worker->m_hashDuplicatedFiles.value(QStringLiteral("Trip/a")));
        QVERIFY(setup.worker->m_hashNoPrivilegeFiles.isEmpty());
        // Skip: no request and no entry for the listed file.
        const QList<QJsonObject> puts = putRequests(m_sim->requests());
        QCOMPARE(puts.size(), 1);
        QCOMPARE(SimPhotoServer::header(puts.at(0), "X-ORIG-FNAME"), QStringLiteral(" b"));
        QVERIFY(setup.failed.isEmpty());
    }

    void initReplyFailuresLetTheRunGoOn_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("not JSON") << "raw <html>busy</html>\\n";
        QTest::newRow("success false") << "errmsg quota";
        QTest::newRow("no err_msg") << "noerrmsg";
        QTest::newRow("HTTP 500") << "status 500";
        // The network layer itself retries a request whose connection closed without an answer.
        QTest::newRow("connection always dropped") << "drop";
        // "success" holds only for true, a nonzero number, "true" or "1".
        QTest::newRow("success text false") << "json {\"success\":\"false\",\"duplicated_files\":[\"Trip/a\"]}";
        QTest::newRow("nested 2000 deep") << "deep";
    }

    void initReplyFailuresLetTheRunGoOn()
    {
        QFETCH(QString, fault);
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.duplicateMode = 1;
        // On the server "a" exists already: a working init request would have listed it.
        QCOMPARE(m_sim->command(QStringLiteral("photo store - Trip a ORIG_FILE 00")), QStringLiteral("ok"));
        setup.addRow(makeText(QStringLiteral("a")));
        const QString count = fault == QLatin1String("drop") ? QStringLiteral("0 ") : QStringLiteral("1 ");
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_upload_init.php * ") + count + fault),
                 QStringLiteral("ok"));
        QVERIFY(run(setup));
        QVERIFY(setup.worker->m_hashDuplicatedFiles.isEmpty());
        QVERIFY(!setup.worker->m_bSessionLost);
        // Nothing was refused, so the file goes up; the server itself answers the skip.
        QCOMPARE(uploadTypes(m_sim->requests()), QStringList({"ORIG_FILE"}));
        QCOMPARE(setup.failed, QStringList({QDir::toNativeSeparators(local("a")) + "\r\nSkip Duplicate File."}));
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
    }

    // ---- PUT headers ------------------------------------------------------------------------

    void photoJobSendsSixParts()
    {
        QCOMPARE(m_sim->command(QStringLiteral("photo album - My%20Trip/Day%201")).left(2), QStringLiteral("ok"));
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.root = QStringLiteral("My Trip/Day 1");
        const QString photo = makePhoto(QStringLiteral("x.jpg"));
        const QDateTime mtime = QDateTime::fromSecsSinceEpoch(1234567890);
        {
            QFile f(photo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(mtime, QFileDevice::FileModificationTime));
        }
        const QString last = makeText(QStringLiteral("z.txt"), "zz");
        setup.addRow(photo);
        setup.addRow(last);
        QVERIFY(run(setup));

        const QList<QJsonObject> puts = putRequests(m_sim->requests());
        QCOMPARE(uploadTypes(puts), QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "ORIG_FILE",
                                                 "ORIG_FILE"}));
        const QStringList common = xNames({"X-PATH", "X-DUPLICATE", "X-ORIG-FNAME", "X-UPLOAD-TYPE"});
        QCOMPARE(SimPhotoServer::xHeaderNames(puts.at(0)), common + xNames({"X-IS-BATCH-FIRST-FILE"}));
        for (int i = 1; i < 5; ++i)
            QCOMPARE(SimPhotoServer::xHeaderNames(puts.at(i)), common);
        QCOMPARE(SimPhotoServer::xHeaderNames(puts.at(5)),
                 common + xNames({"X-IS-BATCH-LAST-FILE", "X-LAST-MODIFIED-TIME"}));
        // The run's last job: a single part with both batch headers and the last-item mark.
        QCOMPARE(SimPhotoServer::xHeaderNames(puts.at(6)),
                 common + xNames({"X-IS-BATCH-FIRST-FILE", "X-IS-BATCH-LAST-FILE", "X-LAST-UPLOAD-ITEM",
                                  "X-LAST-MODIFIED-TIME"}));

        for (int i = 0; i < 6; ++i) {
            QCOMPARE(SimPhotoServer::header(puts.at(i), "X-PATH"), QStringLiteral(" My%20Trip%2FDay%201"));
            QCOMPARE(SimPhotoServer::header(puts.at(i), "X-ORIG-FNAME"), QStringLiteral(" x.jpg"));
            QCOMPARE(SimPhotoServer::header(puts.at(i), "X-DUPLICATE"), QStringLiteral("RENAME"));
            QCOMPARE(puts.at(i).value("target").toString(), UploadScript);
            QVERIFY(!SimPhotoServer::header(puts.at(i), "Cookie").isEmpty());
        }
        QCOMPARE(SimPhotoServer::header(puts.at(0), "X-IS-BATCH-FIRST-FILE"), QStringLiteral("1"));
        QCOMPARE(SimPhotoServer::header(puts.at(5), "X-IS-BATCH-LAST-FILE"), QStringLiteral("1"));
        QCOMPARE(SimPhotoServer::header(puts.at(5), "X-LAST-MODIFIED-TIME"), QStringLiteral("1234567890"));
        QCOMPARE(SimPhotoServer::header(puts.at(6), "X-LAST-UPLOAD-ITEM"), QStringLiteral("1"));
        QCOMPARE(SimPhotoServer::header(puts.at(6), "X-ORIG-FNAME"), QStringLiteral(" z.txt"));

        // Bodies: the stand-in's thumbnail five times, then the photo itself, streamed whole.
        const QString thumbSha = sha1Of(fileBytes(m_thumb));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(puts.at(i).value("bodySha1").toString(), thumbSha);
            QCOMPARE(SimPhotoServer::header(puts.at(i), "Content-Length"), QString::number(fileBytes(m_thumb).size()));
        }
        QCOMPARE(puts.at(5).value("bodySha1").toString(), sha1Of(fileBytes(photo)));
        QCOMPARE(puts.at(6).value("bodySha1").toString(), sha1Of("zz"));

        const QJsonArray stored = m_sim->files();
        QCOMPARE(stored.size(), 7);
        QVERIFY(setup.failed.isEmpty());
        QVERIFY(workFiles().isEmpty());
    }

    void folderJobAndEncodedNames()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString folder = local(QStringLiteral("Album A"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFile(folder + QStringLiteral("/b c.txt"), "bc"));
        setup.addRow(folder);
        setup.titles.insert(QStringLiteral("0_") + folder, QString::fromUtf8("\xc3\xa9"));
        setup.descs.insert(QStringLiteral("0_") + folder, QStringLiteral("a/b c"));
        QVERIFY(run(setup));

        const QList<QJsonObject> puts = putRequests(m_sim->requests());
        QCOMPARE(uploadTypes(puts), QStringList({"FOLDER", "ORIG_FILE"}));
        const QJsonObject f = puts.at(0);
        QCOMPARE(SimPhotoServer::xHeaderNames(f),
                 xNames({"X-PATH", "X-DUPLICATE", "X-ORIG-FNAME", "X-UPLOAD-TYPE", "X-IS-BATCH-FIRST-FILE",
                         "X-IS-BATCH-LAST-FILE", "X-FOLDER-TITLE", "X-FOLDER-DESC"}));
        QCOMPARE(SimPhotoServer::header(f, "X-PATH"), QStringLiteral(" Trip"));
        QCOMPARE(SimPhotoServer::header(f, "X-ORIG-FNAME"), QStringLiteral(" Album%20A"));
        QCOMPARE(SimPhotoServer::header(f, "X-FOLDER-TITLE"), QStringLiteral(" %C3%83%C2%A9"));
        QCOMPARE(SimPhotoServer::header(f, "X-FOLDER-DESC"), QStringLiteral(" a%2Fb%20c"));
        QCOMPARE(f.value("bodyLen").toInt(), 0);
        QCOMPARE(SimPhotoServer::header(f, "Content-Length"), QStringLiteral("0"));

        const QJsonObject file = puts.at(1);
        QCOMPARE(SimPhotoServer::header(file, "X-PATH"), QStringLiteral(" Trip%2FAlbum%20A"));
        QCOMPARE(SimPhotoServer::header(file, "X-ORIG-FNAME"), QStringLiteral(" b%20c.txt"));
        QCOMPARE(SimPhotoServer::header(file, "X-LAST-UPLOAD-ITEM"), QStringLiteral("1"));

        // The album exists on the server with the title bytes as sent, and holds the file.
        bool found = false;
        for (const QJsonValue& v : m_sim->albums()) {
            if (v.toObject().value("path").toString() == QLatin1String("Trip/Album A")) {
                found = true;
                QCOMPARE(v.toObject().value("titleHex").toString(), QStringLiteral("c383c2a9"));
            }
        }
        QVERIFY(found);
        QCOMPARE(m_sim->files().at(0).toObject().value("album").toString(), QStringLiteral("Trip/Album A"));
    }

    void lastItemMarkWhenTheLastJobIsLeftOut()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.duplicateMode = 1;
        QCOMPARE(m_sim->command(QStringLiteral("photo store - Trip b ORIG_FILE 00")), QStringLiteral("ok"));
        setup.addRow(makeText(QStringLiteral("a")));
        setup.addRow(makeText(QStringLiteral("b")));
        QVERIFY(run(setup));
        const QList<QJsonObject> puts = putRequests(m_sim->requests());
        QCOMPARE(puts.size(), 1);
        QVERIFY(SimPhotoServer::header(puts.at(0), "X-LAST-UPLOAD-ITEM").isNull());
        QVERIFY(setup.failed.isEmpty());
    }

    // ---- Outcomes -------------------------------------------------------------------------

    void duplicatePolicies_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("storedAs");
        QTest::newRow("rename") << 0 << "RENAME" << "b_1";
        QTest::newRow("skip") << 1 << "" << "";
        QTest::newRow("overwrite") << 2 << "OVERWRITE" << "b";
        QTest::newRow("other index") << 7 << "RENAME" << "b_1";
    }

    void duplicatePolicies()
    {
        QFETCH(int, mode);
        QFETCH(QString, header);
        QFETCH(QString, storedAs);
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.duplicateMode = mode;
        QCOMPARE(m_sim->command(QStringLiteral("photo store - Trip b ORIG_FILE 00")), QStringLiteral("ok"));
        setup.addRow(makeText(QStringLiteral("b"), "new"));
        QVERIFY(run(setup));
        QCOMPARE(setup.worker->m_hashDuplicatedFiles.keys(), QStringList({"Trip/b"}));
        const QList<QJsonObject> puts = putRequests(m_sim->requests());
        QVERIFY(setup.failed.isEmpty());
        if (header.isEmpty()) {
            QVERIFY(puts.isEmpty());
            QCOMPARE(m_sim->files().size(), 1);
            return;
        }
        QCOMPARE(puts.size(), 1);
        QCOMPARE(SimPhotoServer::header(puts.at(0), "X-DUPLICATE"), header);
        QString stored;
        for (const QJsonValue& v : m_sim->files())
            if (v.toObject().value("sha1").toString() == sha1Of("new"))
                stored = v.toObject().value("name").toString();
        QCOMPARE(stored, storedAs);
    }

    void fileReplyOutcomes_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("lost");
        QTest::newRow("no_privilege") << "errmsg no_privilege" << "No Privilege." << false;
        QTest::newRow("duplicated_file") << "errmsg duplicated_file" << "Skip Duplicate File." << false;
        QTest::newRow("session_lost")
            << "errmsg session_lost" << "The connection is lost. Please log in to Varnestor Manager again." << true;
        QTest::newRow("target not found")
            << "errmsg target_folder_not_found_/Trip" << "The destination folder is not found:  /photo/Trip" << false;
        QTest::newRow("demo site") << "errmsg demo_site_disable" << "This function is not available in the demo mode."
                                   << false;
        QTest::newRow("other text") << "errmsg disk_full" << "Unknown server error. (Error Code:disk_full)" << false;
        QTest::newRow("no err_msg") << "noerrmsg" << "Unknown server error. (Error Code:server default error)" << false;
        QTest::newRow("not JSON") << "raw OK\\n" << "Unknown server error. (Error Code:ret_err)" << false;
        QTest::newRow("empty body") << "raw " << "Unknown server error. (Error Code:ret_err)" << false;
        QTest::newRow("number err_msg") << "json {\"success\":false,\"err_msg\":12}"
                                        << "Unknown server error. (Error Code:12)" << false;
        QTest::newRow("HTTP 404") << "status 404" << "Connection error. (Error Code: ContentNotFoundError)" << false;
        QTest::newRow("success text false") << "json {\"success\":\"false\"}"
                                            << "Unknown server error. (Error Code:server default error)" << false;
        QTest::newRow("session lost, success text false") << "json {\"success\":\"false\",\"err_msg\":\"session_lost\"}"
            << "The connection is lost. Please log in to Varnestor Manager again." << true;
        QTest::newRow("nested 2000 deep") << "deep" << "Unknown server error. (Error Code:server default error)" << false;
    }

    void fileReplyOutcomes()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        QFETCH(bool, lost);
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString a = makeText(QStringLiteral("a.txt"));
        setup.addRow(a);
        setup.addRow(makeText(QStringLiteral("b.txt")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php ORIG_FILE 1 ") + fault),
                 QStringLiteral("ok"));
        QVERIFY(run(setup));
        QCOMPARE(setup.failed, QStringList({QDir::toNativeSeparators(a) + QStringLiteral("\r\n") + reason}));
        QCOMPARE(setup.worker->m_bSessionLost.load(), lost);
        // A lost session ends the run after the job in hand: no further job, no finished signal.
        QCOMPARE(uploadTypes(m_sim->requests()).size(), lost ? 1 : 2);
        QCOMPARE(setup.recorder.events.last(), lost ? QStringLiteral("lost") : QStringLiteral("finished"));
        QCOMPARE(setup.recorder.events.count(QStringLiteral("finished")) + setup.recorder.events.count("lost"), 1);
    }

    void connectionDroppedOnAFile()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString a = makeText(QStringLiteral("a.txt"));
        setup.addRow(a);
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php ORIG_FILE 0 drop")),
                 QStringLiteral("ok"));
        QVERIFY(run(setup));
        QCOMPARE(setup.failed,
                 QStringList({QDir::toNativeSeparators(a) + "\r\nConnection error. (Error Code: RemoteHostClosedError)"}));
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
    }

    void derivedPartFailureIsOnlyLogged()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(makePhoto(QStringLiteral("x.jpg")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php THUM_L 1 errmsg no_privilege")),
                 QStringLiteral("ok"));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php THUM_S 1 noerrmsg")),
                 QStringLiteral("ok"));
        clearLog();
        QVERIFY(run(setup));
        QCOMPARE(uploadTypes(m_sim->requests()).size(), 6);
        QVERIFY(setup.failed.isEmpty());
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
        const QStringList log = logLines();
        QVERIFY2(log.filter(QStringLiteral("=[upload file error:No Privilege.]")).size() == 1, qPrintable(log.join("\n")));
        QVERIFY(log.filter(QStringLiteral("=[upload file error:Unknown server error. (Error Code:server default "
                                          "error)]")).size() == 1);
        QVERIFY(log.filter(QStringLiteral("=[upload server unknown error: return error -- server default "
                                          "error]")).size() == 1);
    }

    // A refused album is a failure of its own in the result, whatever the server's reason; the
    // album was never made, so its file then finds no album to go into. A lost session ends the
    // run after the album's request.
    void refusedFolderIsAFailure_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("lost");
        QTest::newRow("no privilege") << "errmsg no_privilege" << "No Privilege." << false;
        QTest::newRow("session lost")
            << "errmsg session_lost" << "The connection is lost. Please log in to Varnestor Manager again." << true;
        QTest::newRow("server error") << "status 500" << "Connection error. (Error Code: reply_err_401)" << false;
    }

    void refusedFolderIsAFailure()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        QFETCH(bool, lost);
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString folder = local(QStringLiteral("Album A"));
        QVERIFY(QDir().mkpath(folder));
        const QString inside = folder + QStringLiteral("/b.txt");
        QVERIFY(writeFile(inside, "b"));
        setup.addRow(folder);
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php FOLDER 1 ") + fault),
                 QStringLiteral("ok"));
        QVERIFY(run(setup));
        QStringList failed = {QDir::toNativeSeparators(folder) + QStringLiteral("\r\n") + reason};
        if (!lost)
            failed << QDir::toNativeSeparators(inside) +
                          QStringLiteral("\r\nThe destination folder is not found:  /photo/Trip/Album A");
        QCOMPARE(setup.failed, failed);
        QCOMPARE(uploadTypes(m_sim->requests()),
                 lost ? QStringList({"FOLDER"}) : QStringList({"FOLDER", "ORIG_FILE"}));
        QCOMPARE(setup.recorder.events.last(), lost ? QStringLiteral("lost") : QStringLiteral("finished"));
        for (const QJsonValue& v : m_sim->albums())
            QVERIFY(v.toObject().value("path").toString() != QLatin1String("Trip/Album A"));
    }

    // The failures of every part other than the entry's own are only logged, also those of a
    // video's web versions and of the custom title and description.
    void videoAndTextPartFailuresAreOnlyLogged()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.profiles = {2, 0};
        const QString video = local(QStringLiteral("v.mp4"));
        QVERIFY(writeFile(video, QByteArray(1000, 'v')));
        setup.addRow(video);
        setup.titles.insert(QStringLiteral("0_") + video, QStringLiteral("Sunset"));
        setup.descs.insert(QStringLiteral("0_") + video, QStringLiteral("Long day"));
        for (const char* type : {"THUM_B", "THUM_M", "THUM_XL", "MP4_LOW", "CUST_TITLE"})
            QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php %1 1 errmsg no_privilege")
                                        .arg(QLatin1String(type))),
                     QStringLiteral("ok"));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php MP4_HIGH 1 status 500")),
                 QStringLiteral("ok"));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php CUST_DESC 1 errmsg session_lost")),
                 QStringLiteral("ok"));
        clearLog();
        QVERIFY(run(setup));
        QCOMPARE(uploadTypes(m_sim->requests()),
                 QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "MP4_LOW", "MP4_HIGH", "CUST_TITLE",
                              "CUST_DESC", "ORIG_FILE"}));
        QVERIFY2(setup.failed.isEmpty(), qPrintable(setup.failed.join(QLatin1Char('|'))));
        QCOMPARE(logLines().filter(QStringLiteral("=[upload file error:")).size(), 7);
        // The session lost on the description still ends the run, after the entry's own file.
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("lost"));
    }

    void noPrivilegeFileSendsNothing()
    {
        QCOMPARE(m_sim->command(QStringLiteral("photo album - Locked")), QStringLiteral("ok"));
        UploadSetup setup(m_sim);
        QVERIFY(setup.login(QStringLiteral("bob")));
        setup.root = QStringLiteral("Locked");
        const QString a = makeText(QStringLiteral("a"));
        setup.addRow(a);
        QVERIFY(run(setup));
        QCOMPARE(setup.failed, QStringList({QDir::toNativeSeparators(a) + QStringLiteral("\r\nNo Privilege.")}));
        QCOMPARE(m_sim->requests().size(), 1);
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
    }

    void sessionLostOnFirstThumbnail()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(makePhoto(QStringLiteral("x.jpg")));
        setup.addRow(makeText(QStringLiteral("z.txt")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php THUM_B 1 errmsg session_lost")),
                 QStringLiteral("ok"));
        QVERIFY(run(setup));
        // The job's other parts still go; then the run ends.
        QCOMPARE(uploadTypes(m_sim->requests()),
                 QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "ORIG_FILE"}));
        QVERIFY(setup.failed.isEmpty());
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("lost"));
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("finished")));
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("file:z.txt")));
        QVERIFY(workFiles().isEmpty());
    }

    void sessionExpiringOnTheServer()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString photo = makePhoto(QStringLiteral("x.jpg"));
        setup.addRow(photo);
        setup.addRow(makeText(QStringLiteral("z.txt")));
        // Request 1 is the init, 2 the first thumbnail: from then on the session is gone.
        QCOMPARE(m_sim->command(QStringLiteral("photo session lose-at 2")), QStringLiteral("ok"));
        QVERIFY(run(setup));
        QCOMPARE(uploadTypes(m_sim->requests()).size(), 6);
        QCOMPARE(setup.failed, QStringList({QDir::toNativeSeparators(photo) +
                                            "\r\nThe connection is lost. Please log in to Varnestor Manager again."}));
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("lost"));
        QCOMPARE(m_sim->files().size(), 0);
    }

    void sessionLostOnInit()
    {
        UploadSetup setup(m_sim);
        setup.cookies = {QNetworkCookie("PHPSESSID", "nosuchsession")};
        setup.addRow(makeText(QStringLiteral("a")));
        QVERIFY(run(setup));
        QCOMPARE(m_sim->requests().size(), 1);
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("lost"));
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("finished")));
        QVERIFY(setup.recorder.withPrefix(QStringLiteral("file:")) == QStringList({"file:"}));
    }

    void vanishedFileIsAFailure()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString a = makePhoto(QStringLiteral("a.jpg"));
        const QString b = makeText(QStringLiteral("b"));
        setup.addRow(a);
        setup.addRow(b);
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_upload_init.php * 1 hold")), QStringLiteral("ok"));
        setup.start();
        QVERIFY(waitHeld(1));
        QVERIFY(QFile::remove(a));
        QCOMPARE(m_sim->ok(QStringLiteral("photo release")), QStringLiteral("1"));
        QVERIFY(setup.waitDone());
        QCOMPARE(uploadTypes(m_sim->requests()), QStringList({"ORIG_FILE"}));
        // A failure of this computer's, naming the file; not one blamed on the server.
        QCOMPARE(setup.failed, QStringList({QDir::toNativeSeparators(a) +
                                            "\r\nThe local file could not be read: " + QDir::toNativeSeparators(a)}));
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
        // Its conversion failed as well, and the converter's report reached the page.
        QCOMPARE(setup.recorder.withPrefix(QStringLiteral("converr:")), QStringList({"converr:" + a}));
    }

    // ---- Progress and status ---------------------------------------------------------------

    void emptyList()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        QVERIFY(run(setup));
        QCOMPARE(setup.recorder.events,
                 QStringList({"progress:0,0,0,0,0", "status:Initializing...", "file:", "status:Complete ",
                              "progress:1000,0,0,999,0", "finished"}));
        QCOMPARE(m_sim->requests().size(), 0);
    }

    void oneJobSignals()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(makeText(QStringLiteral("z.txt"), "12345"));
        QVERIFY(run(setup));
        QCOMPARE(setup.recorder.events,
                 QStringList({"progress:0,0,0,0,0", "status:Initializing...", "file:",
                              "progress:0,0,1,799,0",
                              "progress:0,0,1,799,5", "status:Preview", "file:z.txt",
                              "progress:800,0,1,999,5", "status:Uploading ",
                              "status:Complete ", "progress:1000,1,1,1799,5",
                              "status:Complete ", "progress:1000,1,1,999,5", "finished"}));
    }

    void photoJobSignals()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString photo = makePhoto(QStringLiteral("x.jpg"));
        setup.addRow(photo);
        QVERIFY(run(setup));
        const QString size = QString::number(QFileInfo(photo).size());
        const QString thumb = workFolder() + QStringLiteral("/1THUMB_B.jpg");
        QCOMPARE(setup.recorder.events,
                 QStringList({"progress:0,0,0,0,0", "status:Initializing...", "file:", "progress:0,0,1,799,0",
                              "progress:0,0,1,799," + size, "status:Preview", "file:x.jpg",
                              "status:Converting ", "thumb:", "thumb:" + thumb,
                              "progress:800,0,1,999," + size, "status:Uploading ",
                              "status:Complete ", "progress:1000,1,1,1799," + size,
                              "status:Complete ", "progress:1000,1,1,999," + size, "finished"}));
    }

    void progressInSinglePrecision_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QStringList>("expected");
        // (progress, done, n, next) of: after the init request, then start / before upload / end
        // of each job, then the end of the run.
        QTest::newRow("three") << 3
                               << QStringList({"0,0,3,265",
                                               "0,0,3,265", "266,0,3,332", "333,1,3,598",
                                               "333,1,3,598", "599,1,3,665", "666,2,3,932",
                                               "666,2,3,932", "933,2,3,999", "1000,3,3,1265",
                                               "1000,3,3,999"});
        QTest::newRow("five") << 5
                              << QStringList({"0,0,5,159",
                                              "0,0,5,159", "160,0,5,199", "200,1,5,358",
                                              "200,1,5,358", "359,1,5,399", "400,2,5,559",
                                              "400,2,5,559", "560,2,5,599", "600,3,5,759",
                                              "600,3,5,759", "760,3,5,799", "800,4,5,959",
                                              "800,4,5,959", "960,4,5,999", "1000,5,5,1159",
                                              "1000,5,5,999"});
    }

    void progressInSinglePrecision()
    {
        QFETCH(int, jobs);
        QFETCH(QStringList, expected);
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        for (int i = 0; i < jobs; ++i)
            setup.addRow(makeText(QStringLiteral("j%1").arg(i)));
        QVERIFY(run(setup));
        QStringList progress;
        for (const QString& e : setup.recorder.withPrefix(QStringLiteral("progress:")).mid(1))
            progress << e.mid(9).section(QLatin1Char(','), 0, 3);
        QCOMPARE(progress, expected);
    }

    // ---- Derived files ----------------------------------------------------------------------

    void requestIdsCountPerConversion()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.counter = 0;
        setup.addRow(makePhoto(QStringLiteral("p1.jpg")));
        setup.addRow(makeText(QStringLiteral("t.txt")));
        setup.addRow(makePhoto(QStringLiteral("p2.png")));
        QVERIFY(run(setup));
        QCOMPARE(setup.counter, 2u);
        const QList<ToolBench::Call> calls = m_bench.calls(Convert);
        QCOMPARE(calls.size(), 10);
        QCOMPARE(calls.at(0).args.last(), QDir::toNativeSeparators(workFolder() + "/1THUMB_B.jpg"));
        QCOMPARE(calls.at(5).args.last(), QDir::toNativeSeparators(workFolder() + "/2THUMB_B.jpg"));
        // The counter belongs to the page and keeps counting in the next upload.
        UploadSetup next(m_sim);
        QVERIFY(next.login());
        next.counter = 41;
        next.addRow(makePhoto(QStringLiteral("p3.jpg")));
        QVERIFY(run(next));
        QCOMPARE(next.counter, 42u);
        QCOMPARE(m_bench.calls(Convert).at(10).args.last(), QDir::toNativeSeparators(workFolder() + "/42THUMB_B.jpg"));
    }

    void onlyLoadableThumbnailsAreSent()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        // B fine, L empty, M fine, S not an image, XL fine.
        QVERIFY(m_bench.setPlan(Convert, {"copy " + m_thumb, "empty", "copy " + m_thumb, "write 100",
                                          "copy " + m_thumb}));
        setup.addRow(makePhoto(QStringLiteral("x.jpg")));
        QVERIFY(run(setup));
        QCOMPARE(uploadTypes(m_sim->requests()), QStringList({"THUM_B", "THUM_M", "THUM_XL", "ORIG_FILE"}));
        QVERIFY(setup.failed.isEmpty());
    }

    void conversionWithoutOutputStillSendsTheFile()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        QVERIFY(m_bench.setPlan(Convert, {"exit 1"}));
        const QString photo = makePhoto(QStringLiteral("x.jpg"));
        setup.addRow(photo);
        QVERIFY(run(setup));
        QCOMPARE(uploadTypes(m_sim->requests()), QStringList({"ORIG_FILE"}));
        QCOMPARE(putRequests(m_sim->requests()).at(0).value("bodySha1").toString(), sha1Of(fileBytes(photo)));
    }

    void customTitlePartsOfAPhoto()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString photo = makePhoto(QStringLiteral("x.jpg"));
        setup.addRow(photo);
        setup.titles.insert(QStringLiteral("0_") + photo, QStringLiteral("Sunset"));
        setup.descs.insert(QStringLiteral("0_") + photo, QStringLiteral("Long day"));
        QVERIFY(run(setup));
        const QList<QJsonObject> puts = putRequests(m_sim->requests());
        QCOMPARE(uploadTypes(puts), QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "CUST_TITLE",
                                                 "CUST_DESC", "ORIG_FILE"}));
        QCOMPARE(puts.at(5).value("bodySha1").toString(), sha1Of("Sunset"));
        QCOMPARE(puts.at(6).value("bodySha1").toString(), sha1Of("Long day"));
        // No folder headers on a file's parts.
        for (const QJsonObject& p : puts)
            QVERIFY(SimPhotoServer::header(p, "X-FOLDER-TITLE").isNull());
    }

    void videoVersionsInProfileOrder()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.profiles = {2, 0, 7};
        setup.addRow(local(QStringLiteral("v.mp4")));
        QVERIFY(writeFile(local(QStringLiteral("v.mp4")), QByteArray(1000, 'v')));
        QVERIFY(run(setup));
        const QList<QJsonObject> puts = putRequests(m_sim->requests());
        QCOMPARE(uploadTypes(puts), QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "MP4_LOW",
                                                 "MP4_HIGH", "ORIG_FILE"}));
        QCOMPARE(setup.counter, 1u);
        QCOMPARE(puts.at(7).value("bodySha1").toString(), sha1Of(QByteArray(1000, 'v')));
    }

    void missingVideoVersionIsLeftOut()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.profiles = {2, 0};
        // probe, frame, low pass 1, low pass 2 fails, low without sound fails, high pass 1 and 2.
        QVERIFY(m_bench.setPlan(Ffmpeg, {"none", "copy " + m_thumb, "copy " + m_thumb, "exit 1", "exit 1",
                                         "copy " + m_thumb}));
        QVERIFY(writeFile(local(QStringLiteral("v.mov")), QByteArray(100, 'v')));
        setup.addRow(local(QStringLiteral("v.mov")));
        QVERIFY(run(setup));
        QCOMPARE(uploadTypes(m_sim->requests()), QStringList({"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL",
                                                              "MP4_HIGH", "ORIG_FILE"}));
    }

    void folderIsNeverConverted()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString folder = local(QStringLiteral("pics.jpg"));
        QVERIFY(QDir().mkpath(folder));
        setup.addRow(folder);
        setup.titles.insert(QStringLiteral("0_") + folder, QStringLiteral("T"));
        QVERIFY(run(setup));
        QCOMPARE(uploadTypes(m_sim->requests()), QStringList({"FOLDER"}));
        QCOMPARE(m_bench.calls(Convert).size(), 0);
        QVERIFY(setup.recorder.withPrefix(QStringLiteral("converr:")).isEmpty());
    }

    // ---- Stop -------------------------------------------------------------------------------

    void stopDuringConversion()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        QVERIFY(m_bench.setPlan(Convert, {"hang"}));
        setup.addRow(makePhoto(QStringLiteral("x.jpg")));
        setup.addRow(makeText(QStringLiteral("z.txt")));
        setup.start();
        QVERIFY(m_bench.waitForCalls(Convert, 1, 20000));
        const qint64 pid = m_bench.calls(Convert).at(0).pid;

        QElapsedTimer t;
        t.start();
        setup.worker->terminate();
        // The tool is killed at the converter's next poll, not left to the reap limit.
        QVERIFY2(t.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(t.elapsed())));
        // terminate returns once the converter's thread has ended and its tool is gone.
        QVERIFY(!setup.worker->m_pImageConverter->isRunning());
        QVERIFY(processGone(pid));

        QVERIFY(setup.waitDone(10000));
        QCOMPARE(m_sim->requests().size(), 1);
        QVERIFY(workFiles().isEmpty());
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("finished")));
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("lost")));
    }

    void stopDuringVideoConversion()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.profiles = {0};
        QVERIFY(m_bench.setPlan(Ffmpeg, {"hang"}));
        QVERIFY(writeFile(local(QStringLiteral("v.mp4")), QByteArray(100, 'v')));
        setup.addRow(local(QStringLiteral("v.mp4")));
        setup.start();
        QVERIFY(m_bench.waitForCalls(Ffmpeg, 1, 20000));
        const qint64 pid = m_bench.calls(Ffmpeg).at(0).pid;
        setup.worker->terminate();
        QVERIFY(!setup.worker->m_pVideoConverter->isRunning());
        QVERIFY(processGone(pid));
        QVERIFY(setup.waitDone(10000));
        QCOMPARE(m_sim->requests().size(), 1);
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("finished")));
    }

    void stopDuringARequest()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        const QString a = makeText(QStringLiteral("a.txt"));
        setup.addRow(a);
        setup.addRow(makeText(QStringLiteral("b.txt")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php ORIG_FILE 0 hold")),
                 QStringLiteral("ok"));
        setup.start();
        QVERIFY(waitHeld(1));
        setup.worker->terminate();
        QVERIFY(setup.waitDone(10000));
        QCOMPARE(m_sim->requests().size(), 2);
        // At most the aborted part's own entry.
        QVERIFY(setup.failed.size() <= 1);
        if (!setup.failed.isEmpty())
            QCOMPARE(setup.failed.at(0),
                     QDir::toNativeSeparators(a) + "\r\nConnection error. (Error Code: OperationCanceledError)");
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("finished")));
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("lost")));
    }

    void stopDuringTheInitRequest()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(makeText(QStringLiteral("a.txt")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_upload_init.php * 1 hold")), QStringLiteral("ok"));
        setup.start();
        QVERIFY(waitHeld(1));
        setup.worker->terminate();
        QVERIFY(setup.waitDone(10000));
        QCOMPARE(m_sim->requests().size(), 1);
        QVERIFY(setup.failed.isEmpty());
        QVERIFY(!setup.recorder.events.contains(QStringLiteral("finished")));
    }

    void deletingARunningWorker()
    {
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(makeText(QStringLiteral("a.txt")));
        setup.addRow(makeText(QStringLiteral("b.txt")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_file_upload.php ORIG_FILE 0 hold")),
                 QStringLiteral("ok"));
        setup.start();
        QVERIFY(waitHeld(1));
        // Deleting aborts the held request rather than waiting for it, which would never come
        // back (the requests have no time limit; the test function's time limit ends that).
        delete setup.worker;
        setup.worker = nullptr;
        QTest::qWait(200);
        QCOMPARE(m_sim->requests().size(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->ok(QStringLiteral("photo held")), QStringLiteral("0"), tsup::guardMs(5000));
    }

    // ---- Work folder ------------------------------------------------------------------------

    void workFolderLeftovers()
    {
        const QString work = workFolder();
        QVERIFY(QDir().mkpath(work + QStringLiteral("/sub")));
        QVERIFY(writeFile(work + QStringLiteral("/old.jpg"), "old"));
        QVERIFY(writeFile(work + QStringLiteral("/1THUMB_B.jpg"), "old"));
        QVERIFY(QFile::setPermissions(work + QStringLiteral("/1THUMB_B.jpg"), QFileDevice::ReadOwner));
        QVERIFY(writeFile(work + QStringLiteral("/.hidden"), "keep"));
        QVERIFY(writeFile(work + QStringLiteral("/sub/inner.txt"), "keep"));
        const QString outside = local(QStringLiteral("outside.sh"));
        QVERIFY(writeFile(outside, "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(outside, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther));
        QVERIFY(QFile::link(outside, work + QStringLiteral("/link")));

        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(makeText(QStringLiteral("a.txt")));
        QCOMPARE(m_sim->command(QStringLiteral("photo fault vork_upload_init.php * 1 hold")), QStringLiteral("ok"));
        setup.start();
        QVERIFY(waitHeld(1));
        // Before the first job: the plain files are gone, the hidden file and the sub-folder stay.
        QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                                      QDir::Name),
                 QStringList({".hidden", "sub"}));
        QVERIFY(QFile::exists(work + QStringLiteral("/sub/inner.txt")));
        // The link went, not what it pointed to, and that kept its permissions.
        QVERIFY(QFile::exists(outside));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(outside).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0704);
        QCOMPARE(m_sim->ok(QStringLiteral("photo release")), QStringLiteral("1"));
        QVERIFY(setup.waitDone());
        QCOMPARE(setup.recorder.events.last(), QStringLiteral("finished"));
    }

    void workFolderIsCreated()
    {
        QVERIFY(!QFileInfo::exists(workFolder()));
        UploadSetup setup(m_sim);
        QVERIFY(setup.login());
        setup.addRow(makePhoto(QStringLiteral("x.jpg")));
        QVERIFY(run(setup));
        QVERIFY(QFileInfo(workFolder()).isDir());
        QCOMPARE(uploadTypes(m_sim->requests()).size(), 6);
        QVERIFY(workFiles().isEmpty());
    }

    // The work folder is the user's own: a link left in TITLE's place is replaced, never
    // followed; an entry in the folder's place that others may write in (another user's) is
    // left alone, and a new private folder serves instead.
    void workFolderIsPrivate()
    {
        const QString own = QDir::tempPath() + QStringLiteral("/VORK_PHOTO_TEMP-") + QString::number(::geteuid());
        QCOMPARE(workFolder(), own);
        QVERIFY(QDir().mkdir(own));
        const QString victim = local(QStringLiteral("victim.txt"));
        QVERIFY(QFile::link(victim, own + QStringLiteral("/TITLE")));
        const QString photo = makePhoto(QStringLiteral("x.jpg"));
        const QStringList types{"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL", "CUST_TITLE", "ORIG_FILE"};
        struct stat st;
        for (int pass = 0; pass < 2; ++pass) {
            m_sim->forgetRequests();
            UploadSetup setup(m_sim);
            QVERIFY(setup.login());
            setup.addRow(photo);
            setup.titles.insert(QStringLiteral("0_") + photo, QStringLiteral("Sunset"));
            QVERIFY(run(setup));
            const QList<QJsonObject> puts = putRequests(m_sim->requests());
            QCOMPARE(uploadTypes(puts), types);
            QCOMPARE(puts.at(5).value("bodySha1").toString(), sha1Of("Sunset"));
            QVERIFY(!QFileInfo::exists(victim));
            QCOMPARE(::lstat(QFile::encodeName(workFolder()).constData(), &st), 0);
            QVERIFY(S_ISDIR(st.st_mode));
            QCOMPARE(int(st.st_mode & 0777), 0700);
            QCOMPARE(st.st_uid, ::geteuid());
            if (pass == 1)
                break;
            // Now someone else's folder, open to all, in its place.
            QVERIFY(QDir(own).removeRecursively());
            QVERIFY(QDir().mkdir(own));
            QVERIFY(writeFile(own + QStringLiteral("/planted.jpg"), "x"));
            QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0777), 0);
            if (::geteuid() == 0)
                QCOMPARE(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);
        }
        QVERIFY(workFolder().startsWith(own + QLatin1Char('-')));
        QCOMPARE(QDir(own).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("planted.jpg")});
        QVERIFY(QDir(own).removeRecursively());
    }

    void personalSite()
    {
        UploadSetup setup(m_sim);
        setup.config = CPhotoUploadConfig(m_sim->port(), false, QStringLiteral("sim"), QStringLiteral("127.0.0.1"),
                                          QString(), QStringLiteral("bob"), true, QStringLiteral("bob"));
        QVERIFY(setup.login(QStringLiteral("bob"), QStringLiteral("bob")));
        QCOMPARE(m_sim->command(QStringLiteral("photo album bob Trip bob")), QStringLiteral("ok"));
        setup.addRow(makeText(QStringLiteral("a.txt")));
        QVERIFY(run(setup));
        const QList<QJsonObject> requests = m_sim->requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0).value("target").toString(), QStringLiteral("/~bob") + InitScript);
        QCOMPARE(requests.at(1).value("target").toString(), QStringLiteral("/~bob") + UploadScript);
        QCOMPARE(m_sim->files().at(0).toObject().value("site").toString(), QStringLiteral("bob"));
        QVERIFY(setup.failed.isEmpty());
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    usePrivateTempFolder();
    TestUploadWorker test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uploadworker.moc"
