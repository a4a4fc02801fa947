// The upload worker's data side, without any thread or network: file types by suffix, the job
// list built from the page's rows on a real folder tree (hidden entries, symbolic links, an
// unreadable folder), and the custom title and description parts.
#include <QtTest>

#include <QStandardItemModel>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "CUploadManager.h"

namespace {

// A worker that is never started, as the page builds one for an upload.
struct Worker {
    QStandardItemModel model;
    QHash<QString, QString> titles;
    QHash<QString, QString> descs;
    QHash<QString, bool> excluded;
    QString root = QStringLiteral("album");
    bool onlyIndexable = false;
    bool skipHidden = true;

    void addRow(const QString &path) { model.appendRow(new QStandardItem(path)); }

    // The jobs as "path|level|server path" lines, paths relative to `base` where they lie below it.
    QStringList jobs(const QString &base)
    {
        uint counter = 0;
        QStringList failed;
        CUploadManager mgr(nullptr, nullptr, &model, root, &titles, &descs, &excluded, onlyIndexable,
                           skipHidden, QList<uint>(), 0, &counter, &failed, nullptr);
        QScopedPointer<QList<UploadJob>> list(mgr.addJob());
        QStringList out;
        for (const UploadJob &job : *list) {
            // Every job has exactly its three keys.
            if (job.size() != 3)
                out << QStringLiteral("BAD JOB");
            QString path = job.value(QStringLiteral("FILE_PATH"));
            if (path.startsWith(base + QLatin1Char('/')))
                path = path.mid(base.size() + 1);
            out << path + QLatin1Char('|') + job.value(QStringLiteral("UPLOAD_FOLDER_LEVEL")) +
                       QLatin1Char('|') + job.value(QStringLiteral("UPLOAD_SERVER_PATH"));
        }
        return out;
    }
};

bool makeFile(const QString &path, const QByteArray &bytes = QByteArray("x"))
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

// Runs `work` as an unprivileged user when the test runs as root (root reads any folder), in a
// child process, and returns what it produced.
QString runUnprivileged(const std::function<QString()> &work)
{
    if (geteuid() != 0)
        return work();
    int fds[2];
    if (pipe(fds) != 0)
        return QStringLiteral("<pipe failed>");
    const pid_t pid = fork();
    if (pid < 0)
        return QStringLiteral("<fork failed>");
    if (pid == 0) {
        close(fds[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        const QByteArray out = work().toUtf8();
        const bool ok = write(fds[1], out.constData(), out.size()) == out.size();
        close(fds[1]);
        _exit(ok ? 0 : 4);
    }
    close(fds[1]);
    QByteArray result;
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        result.append(buf, int(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child failed %1>").arg(status);
    return QString::fromUtf8(result);
}

} // namespace

class TestUploadJobs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_base;   // holds the tree below
    QString m_a;      // the folder A

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_base = m_tmp.path();
        // The unprivileged child must be able to walk the tree.
        QVERIFY(chmod(QFile::encodeName(m_base).constData(), 0755) == 0);
        m_a = m_base + QStringLiteral("/A");
        QDir d(m_base);
        QVERIFY(d.mkpath(QStringLiteral("A/sub")));
        QVERIFY(d.mkpath(QStringLiteral("A/x.txt")));
        QVERIFY(d.mkpath(QStringLiteral("A/.hiddendir")));
        QVERIFY(makeFile(m_a + QStringLiteral("/b.jpg")));
        QVERIFY(makeFile(m_a + QStringLiteral("/sub/c.png")));
        QVERIFY(makeFile(m_a + QStringLiteral("/.hidden.jpg")));
        QVERIFY(makeFile(m_a + QStringLiteral("/notes.txt")));
        QVERIFY(makeFile(m_a + QStringLiteral("/.hiddendir/d.jpg")));
        // Links to a file, to a folder, and one back to A itself (a loop if it were followed).
        QVERIFY(QFile::link(m_a + QStringLiteral("/b.jpg"), m_a + QStringLiteral("/linkfile.jpg")));
        QVERIFY(QFile::link(m_a + QStringLiteral("/sub"), m_a + QStringLiteral("/linkdir")));
        QVERIFY(QFile::link(m_a, m_a + QStringLiteral("/sub/loop")));
    }

    // ---- file types ----

    void typesBySuffix_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("raw");
        QTest::addColumn<int>("supported");
        QTest::addColumn<int>("convert");
        QTest::newRow("NEF") << "NEF" << true << 1 << 0;
        QTest::newRow("dng") << "dng" << true << 1 << 0;
        QTest::newRow("3fr") << "3fr" << true << 1 << 0;
        QTest::newRow("JPG") << "JPG" << false << 1 << 0;
        QTest::newRow("jpe") << "jpe" << false << 1 << 0;
        QTest::newRow("gif") << "gif" << false << 1 << 2;
        QTest::newRow("Tif") << "Tif" << false << 1 << 0;
        QTest::newRow("mkv") << "mkv" << false << 2 << 2;
        QTest::newRow("MP4") << "MP4" << false << 2 << 1;
        QTest::newRow("m2ts") << "m2ts" << false << 2 << 1;
        QTest::newRow("dvr-ms") << "dvr-ms" << false << 2 << 2;
        QTest::newRow("srt") << "srt" << false << 2 << 2;
        QTest::newRow("iso") << "iso" << false << 2 << 2;
        QTest::newRow("empty") << "" << false << 3 << 2;
        QTest::newRow("txt") << "txt" << false << 3 << 2;
        QTest::newRow("dotted") << ".jpg" << false << 3 << 2;
        QTest::newRow("jpgx") << "jpgx" << false << 3 << 2;
    }

    void typesBySuffix()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, raw);
        QFETCH(int, supported);
        QFETCH(int, convert);
        // The short-lived form other parts of the program use: null pointers, empty texts, zeros.
        CUploadManager mgr(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, false, false,
                           QList<uint>(), 0, nullptr, nullptr, nullptr);
        QCOMPARE(mgr.isRawFile(suffix), raw);
        QCOMPARE(mgr.getSupportedFileType(suffix), supported);
        QCOMPARE(mgr.getConvertType(suffix), convert);
        QVERIFY(!mgr.isRunning());
    }

    void suffixLists()
    {
        CUploadManager mgr(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, false, false,
                           QList<uint>(), 0, nullptr, nullptr, nullptr);
        const QStringList raw{"arw", "srf", "sr2", "dcr", "k25", "kdc", "cr2", "crw", "nef", "mrw", "ptx",
                              "pef", "raf", "3fr", "erf", "mef", "mos", "orf", "rw2", "dng", "x3f", "raw"};
        QStringList photos{"jpg", "jpeg", "jpe", "bmp", "png", "gif", "tiff", "tif"};
        photos += raw;
        QStringList videos{"mpg", "mpeg", "avi", "asf", "wmv", "mov", "flv", "dat", "rmvb", "mp4", "divx",
                           "xvid", "vob", "mkv", "m2ts", "m2t", "mts", "m4v", "rm", "ts", "3gp", "3g2",
                           "qt", "swf", "dvr-ms", "iso", "ifo", "srt", "ass", "ssa", "idx", "sub", "smi",
                           "psb", "trp", "tp"};
        const QStringList convertibleVideos{"mpg", "mpeg", "avi", "wmv", "asf", "mov", "flv", "3gp", "3g2",
                                            "mp4", "m4v", "qt", "divx", "xvid", "dat", "m2ts", "m2t", "mts"};

        QStringList gotPhotos = mgr.getSupportedPhotoSuffixes();
        QStringList gotVideos = mgr.getSupportedVideoSuffixes();
        const QStringList all = mgr.getSupportedSuffixes();
        QCOMPARE(gotPhotos.size(), 30);
        QCOMPARE(gotVideos.size(), 36);
        QCOMPARE(all.size(), 66);
        // Photos first, then videos.
        QCOMPARE(all.mid(0, 30), gotPhotos);
        QCOMPARE(all.mid(30), gotVideos);

        gotPhotos.sort();
        gotVideos.sort();
        photos.sort();
        videos.sort();
        QCOMPARE(gotPhotos, photos);
        QCOMPARE(gotVideos, videos);

        // The sets behind the tests: 22 RAW, 29 convertible photos (no gif), 18 convertible videos.
        int rawCount = 0;
        int convertiblePhotos = 0;
        int convertibleVideoCount = 0;
        for (const QString &s : photos + videos) {
            rawCount += mgr.isRawFile(s) ? 1 : 0;
            convertiblePhotos += mgr.getConvertType(s) == 0 ? 1 : 0;
            convertibleVideoCount += mgr.getConvertType(s) == 1 ? 1 : 0;
            QVERIFY2(!s.contains(QLatin1Char('.')) && s == s.toLower(), qPrintable(s));
        }
        QCOMPARE(rawCount, 22);
        QCOMPARE(convertiblePhotos, 29);
        QCOMPARE(convertibleVideoCount, 18);
        for (const QString &s : convertibleVideos)
            QCOMPARE(mgr.getConvertType(s), 1);
        for (const QString &s : raw)
            QVERIFY(mgr.isRawFile(s.toUpper()));
    }

    void shortLivedWorkerTouchesNothing()
    {
        CUploadManager mgr(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, true, true,
                           QList<uint>(), 0, nullptr, nullptr, nullptr);
        QScopedPointer<QList<UploadJob>> list(mgr.addJob());
        QVERIFY(list);
        QVERIFY(list->isEmpty());
        mgr.addFolderJobs(nullptr, m_a, QStringLiteral("x"), 1);
        mgr.addFolderJobs(list.data(), m_a, QStringLiteral("x"), 1);   // no exclusion map: all taken
        QVERIFY(!list->isEmpty());

        UploadPart part;
        mgr.setFolderCustomInfo(m_a, QStringLiteral("0"), &part);
        mgr.setFolderCustomInfo(m_a, QStringLiteral("0"), nullptr);
        QVERIFY(part.isEmpty());
        QList<UploadPart> parts;
        QTemporaryDir work;
        mgr.addMediaCustomInfoParts(m_a, work.path(), QStringLiteral("0"), &parts);
        mgr.addMediaCustomInfoParts(m_a, work.path(), QStringLiteral("0"), nullptr);
        QVERIFY(parts.isEmpty());
        QVERIFY(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    // ---- the job list ----

    void folderTreeInOrder()
    {
        Worker w;
        w.addRow(m_a);
        // Pre-order, folders first at each level; hidden entries and every link left out.
        QCOMPARE(w.jobs(m_base), (QStringList{
            "A|0|album",
            "A/sub|1|album/A",
            "A/sub/c.png|2|album/A/sub",
            "A/x.txt|1|album/A",
            "A/b.jpg|1|album/A",
            "A/notes.txt|1|album/A",
        }));

        w.skipHidden = false;
        QCOMPARE(w.jobs(m_base), (QStringList{
            "A|0|album",
            "A/.hiddendir|1|album/A",
            "A/.hiddendir/d.jpg|2|album/A/.hiddendir",
            "A/sub|1|album/A",
            "A/sub/c.png|2|album/A/sub",
            "A/x.txt|1|album/A",
            "A/.hidden.jpg|1|album/A",
            "A/b.jpg|1|album/A",
            "A/notes.txt|1|album/A",
        }));
    }

    void onlyIndexableKeepsFolders()
    {
        Worker w;
        w.onlyIndexable = true;
        w.addRow(m_a);
        w.addRow(m_a + QStringLiteral("/notes.txt"));   // an added file is filtered too
        QCOMPARE(w.jobs(m_base), (QStringList{
            "A|0|album",
            "A/sub|1|album/A",
            "A/sub/c.png|2|album/A/sub",
            "A/x.txt|1|album/A",
            "A/b.jpg|1|album/A",
        }));
    }

    void rowsInOrderAndVanishedOrHiddenRowsLeftOut()
    {
        Worker w;
        w.addRow(m_a + QStringLiteral("/sub/c.png"));
        w.addRow(m_base + QStringLiteral("/gone.jpg"));
        w.addRow(QString());
        w.addRow(m_a + QStringLiteral("/.hiddendir"));
        w.addRow(m_a + QStringLiteral("/sub"));
        w.addRow(m_a + QStringLiteral("/b.jpg"));
        QCOMPARE(w.jobs(m_base), (QStringList{
            "A/sub/c.png|0|album",
            "A/sub|0|album",
            "A/sub/c.png|1|album/sub",
            "A/b.jpg|0|album",
        }));

        // The hidden folder added on the page is kept when hidden entries are not skipped.
        w.skipHidden = false;
        QCOMPARE(w.jobs(m_base).mid(1, 2), (QStringList{
            "A/.hiddendir|0|album",
            "A/.hiddendir/d.jpg|1|album/.hiddendir",
        }));
    }

    void linksAddedOnThePageAreTakenAsGiven()
    {
        Worker w;
        w.addRow(m_a + QStringLiteral("/linkfile.jpg"));
        w.addRow(m_a + QStringLiteral("/linkdir"));
        // Inside the linked folder, the link back to A is not listed: no loop.
        QCOMPARE(w.jobs(m_base), (QStringList{
            "A/linkfile.jpg|0|album",
            "A/linkdir|0|album",
            "A/linkdir/c.png|1|album/linkdir",
        }));
    }

    void exclusionsByLevelAndAbsolutePath()
    {
        Worker w;
        w.addRow(m_a);
        w.excluded.insert(QStringLiteral("1_") + m_a + QStringLiteral("/sub"), true);
        w.excluded.insert(QStringLiteral("0_") + m_a, true);   // added entries are never excluded
        QCOMPARE(w.jobs(m_base), (QStringList{
            "A|0|album",
            "A/x.txt|1|album/A",
            "A/b.jpg|1|album/A",
            "A/notes.txt|1|album/A",
        }));

        w.excluded.clear();
        w.excluded.insert(QStringLiteral("2_") + m_a + QStringLiteral("/sub"), true);   // wrong level
        w.excluded.insert(QStringLiteral("1_") + m_a + QStringLiteral("/sub/c.png"), true);   // wrong level
        w.excluded.insert(QStringLiteral("1_sub"), true);   // not an absolute path
        QCOMPARE(w.jobs(m_base).size(), 6);

        w.excluded.clear();
        w.excluded.insert(QStringLiteral("2_") + m_a + QStringLiteral("/sub/c.png"), true);
        w.excluded.insert(QStringLiteral("1_") + m_a + QStringLiteral("/notes.txt"), true);
        QCOMPARE(w.jobs(m_base), (QStringList{
            "A|0|album",
            "A/sub|1|album/A",
            "A/x.txt|1|album/A",
            "A/b.jpg|1|album/A",
        }));
    }

    void emptyRootPath()
    {
        Worker w;
        w.root.clear();
        w.addRow(m_a);
        w.addRow(m_a + QStringLiteral("/b.jpg"));
        const QStringList got = w.jobs(m_base);
        QCOMPARE(got.first(), QStringLiteral("A|0|"));
        QCOMPARE(got.at(1), QStringLiteral("A/sub|1|/A"));
        QCOMPARE(got.at(2), QStringLiteral("A/sub/c.png|2|/A/sub"));
        QCOMPARE(got.last(), QStringLiteral("A/b.jpg|0|"));
    }

    void deepTreeHasNoDepthLimit()
    {
        QTemporaryDir tmp;
        QString path = tmp.path() + QStringLiteral("/deep");
        QString rel = QStringLiteral("deep");
        for (int i = 0; i < 60; ++i)
            path += QStringLiteral("/d");
        QVERIFY(QDir().mkpath(path));
        QVERIFY(makeFile(path + QStringLiteral("/last.jpg")));
        Worker w;
        w.addRow(tmp.path() + QStringLiteral("/deep"));
        const QStringList got = w.jobs(tmp.path());
        QCOMPARE(got.size(), 62);
        QString server = QStringLiteral("album/deep");
        for (int i = 1; i <= 60; ++i) {
            rel += QStringLiteral("/d");
            QCOMPARE(got.at(i), rel + QLatin1Char('|') + QString::number(i) + QLatin1Char('|') + server);
            server += QStringLiteral("/d");
        }
        QCOMPARE(got.last(), rel + QStringLiteral("/last.jpg|61|") + server);
    }

    void unreadableFolderGivesOnlyItsOwnJob()
    {
        const QString top = m_base + QStringLiteral("/B");
        QVERIFY(QDir().mkpath(top + QStringLiteral("/locked")));
        QVERIFY(QDir().mkpath(top + QStringLiteral("/open")));
        QVERIFY(makeFile(top + QStringLiteral("/locked/z.jpg")));
        QVERIFY(makeFile(top + QStringLiteral("/open/y.jpg")));
        QVERIFY(chmod(QFile::encodeName(top + QStringLiteral("/locked")).constData(), 0) == 0);
        const QString got = runUnprivileged([&]() {
            Worker w;
            w.addRow(top);
            return w.jobs(m_base).join(QLatin1Char('\n'));
        });
        chmod(QFile::encodeName(top + QStringLiteral("/locked")).constData(), 0755);
        QCOMPARE(got.split(QLatin1Char('\n')), (QStringList{
            "B|0|album",
            "B/locked|1|album/B",
            "B/open|1|album/B",
            "B/open/y.jpg|2|album/B/open",
        }));
    }

    // ---- custom title and description ----

    void folderCustomInfoAsUtf8Bytes()
    {
        Worker w;
        const QString key = QStringLiteral("1_") + m_a + QStringLiteral("/sub");
        w.titles.insert(key, QString::fromUtf8("\xC3\xA9"));   // é
        w.descs.insert(key, QString::fromUtf8("\xE6\x97\xA5 x"));   // 日 x
        w.titles.insert(QStringLiteral("2_") + m_a, QStringLiteral("other level"));
        CUploadManager mgr(nullptr, nullptr, &w.model, w.root, &w.titles, &w.descs, &w.excluded, false,
                           true, QList<uint>(), 0, nullptr, nullptr, nullptr);

        UploadPart part;
        part.insert(0, m_a + QStringLiteral("/sub"));
        part.insert(1, QStringLiteral("FOLDER"));
        mgr.setFolderCustomInfo(m_a + QStringLiteral("/sub"), QStringLiteral("1"), &part);
        QCOMPARE(part.size(), 4);
        QCOMPARE(part.value(0), m_a + QStringLiteral("/sub"));
        QCOMPARE(part.value(1), QStringLiteral("FOLDER"));
        const QChar title[] = {QChar(0xC3), QChar(0xA9)};
        QCOMPARE(part.value(2), QString(title, 2));
        const QChar desc[] = {QChar(0xE6), QChar(0x97), QChar(0xA5), QChar(' '), QChar('x')};
        QCOMPARE(part.value(3), QString(desc, 5));

        // Another level is another key.
        UploadPart other;
        mgr.setFolderCustomInfo(m_a, QStringLiteral("0"), &other);
        QVERIFY(other.isEmpty());

        // A text with a zero in it is cut there; an empty text still gives its key.
        w.titles.insert(QStringLiteral("0_") + m_a, QString::fromLatin1("ab\0cd", 5));
        w.descs.insert(QStringLiteral("0_") + m_a, QString());
        mgr.setFolderCustomInfo(m_a, QStringLiteral("0"), &other);
        QCOMPARE(other.value(2), QStringLiteral("ab"));
        QVERIFY(other.contains(3));
        QVERIFY(other.value(3).isEmpty());
    }

    void mediaCustomInfoFiles()
    {
        QTemporaryDir work;
        Worker w;
        const QString file = m_a + QStringLiteral("/b.jpg");
        const QString key = QStringLiteral("1_") + file;
        CUploadManager mgr(nullptr, nullptr, &w.model, w.root, &w.titles, &w.descs, &w.excluded, false,
                           true, QList<uint>(), 0, nullptr, nullptr, nullptr);

        // An earlier, longer TITLE is replaced, not overwritten in part.
        QVERIFY(makeFile(work.path() + QStringLiteral("/TITLE"), QByteArray(100, 'z')));
        w.titles.insert(key, QString::fromUtf8("Caf\xC3\xA9"));
        w.descs.insert(key, QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\nline 2"));
        QList<UploadPart> parts;
        parts.append(UploadPart{{0, QStringLiteral("thumb")}, {1, QStringLiteral("THUM_B")}});
        mgr.addMediaCustomInfoParts(file, work.path(), QStringLiteral("1"), &parts);
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts.at(1), (UploadPart{{0, work.path() + QStringLiteral("/TITLE")},
                                          {1, QStringLiteral("CUST_TITLE")}}));
        QCOMPARE(parts.at(2), (UploadPart{{0, work.path() + QStringLiteral("/DESC")},
                                          {1, QStringLiteral("CUST_DESC")}}));
        QCOMPARE(readAll(work.path() + QStringLiteral("/TITLE")), QByteArray("Caf\xC3\xA9"));
        QCOMPARE(readAll(work.path() + QStringLiteral("/DESC")),
                 QByteArray("\xE6\x97\xA5\xE6\x9C\xAC\nline 2"));

        // Empty texts give empty files and their parts.
        w.titles.insert(key, QString());
        w.descs.insert(key, QStringLiteral(""));
        parts.clear();
        mgr.addMediaCustomInfoParts(file, work.path(), QStringLiteral("1"), &parts);
        QCOMPARE(parts.size(), 2);
        QCOMPARE(QFileInfo(work.path() + QStringLiteral("/TITLE")).size(), 0);
        QCOMPARE(QFileInfo(work.path() + QStringLiteral("/DESC")).size(), 0);

        // Only a description: only its part. A wrong level: nothing.
        w.titles.clear();
        w.descs.insert(key, QStringLiteral("d"));
        parts.clear();
        mgr.addMediaCustomInfoParts(file, work.path(), QStringLiteral("1"), &parts);
        QCOMPARE(parts.size(), 1);
        QCOMPARE(parts.at(0).value(1), QStringLiteral("CUST_DESC"));
        parts.clear();
        mgr.addMediaCustomInfoParts(file, work.path(), QStringLiteral("0"), &parts);
        QVERIFY(parts.isEmpty());
    }

    void unwritableCustomInfoFiles()
    {
        Worker w;
        const QString file = m_a + QStringLiteral("/b.jpg");
        const QString key = QStringLiteral("1_") + file;
        w.titles.insert(key, QStringLiteral("t"));
        w.descs.insert(key, QStringLiteral("d"));
        CUploadManager mgr(nullptr, nullptr, &w.model, w.root, &w.titles, &w.descs, &w.excluded, false,
                           true, QList<uint>(), 0, nullptr, nullptr, nullptr);
        QList<UploadPart> parts;

        // A work folder that does not exist: no part at all.
        mgr.addMediaCustomInfoParts(file, m_base + QStringLiteral("/no/such/folder"), QStringLiteral("1"),
                                    &parts);
        QVERIFY(parts.isEmpty());

        // TITLE cannot be created: the description is not sent either.
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir(QStringLiteral("TITLE")));
        mgr.addMediaCustomInfoParts(file, work.path(), QStringLiteral("1"), &parts);
        QVERIFY(parts.isEmpty());
        QVERIFY(!QFileInfo::exists(work.path() + QStringLiteral("/DESC")));

        // DESC cannot be created: the title part alone.
        QTemporaryDir work2;
        QVERIFY(QDir(work2.path()).mkdir(QStringLiteral("DESC")));
        mgr.addMediaCustomInfoParts(file, work2.path(), QStringLiteral("1"), &parts);
        QCOMPARE(parts.size(), 1);
        QCOMPARE(parts.at(0).value(1), QStringLiteral("CUST_TITLE"));

        // A title that does not reach the disk (no room for a single byte) is not sent as if it
        // had.
        QTemporaryDir work3;
        struct rlimit saved;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit none = saved;
        none.rlim_cur = 0;
        const sighandler_t previous = ::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &none), 0);
        parts.clear();
        mgr.addMediaCustomInfoParts(file, work3.path(), QStringLiteral("1"), &parts);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, previous);
        QVERIFY(parts.isEmpty());

        // A link in TITLE's place is replaced by the file, never written through.
        QTemporaryDir work4;
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), work4.path() + QStringLiteral("/TITLE")));
        mgr.addMediaCustomInfoParts(file, work4.path(), QStringLiteral("1"), &parts);
        QCOMPARE(parts.size(), 2);
        QVERIFY(!QFileInfo(work4.path() + QStringLiteral("/TITLE")).isSymLink());
    }
};

QTEST_MAIN(TestUploadJobs)
#include "tst_uploadjobs.moc"
