// The image converter with the real tools: Debian's ImageMagick 6 and dcraw behind our RAW script,
// placed the way the build places them beside the program. A missing tool fails the test.
#include "CImageConverter.h"
#include "CToolRun.h"
#include "HangGuard.h"
#include "TestDng.h"
#include "ToolBench.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

const QStringList ThumbNames{"THUMB_B.jpg", "THUMB_L.jpg", "THUMB_M.jpg", "THUMB_S.jpg", "THUMB_XL.jpg"};

struct Conversion {
    std::unique_ptr<CImageConverter> converter;
    std::unique_ptr<QSignalSpy> bigThumb;
    std::unique_ptr<QSignalSpy> error;

    Conversion(const QString& source, const QString& dest, bool preview, uint id)
        : converter(new CImageConverter(source, dest, preview, id))
        , bigThumb(new QSignalSpy(converter.get(), &CImageConverter::signalPhotoBigThumbReady))
        , error(new QSignalSpy(converter.get(), &CImageConverter::signalPhotoConvertError))
    {
    }
    bool runToEnd(int timeoutMs = 60000)
    {
        converter->start();
        return converter->wait(tsup::guardMs(timeoutMs));
    }
};

} // namespace

// The converter's debug lines are many here and say nothing the checks do not.
QtMessageHandler g_previousHandler = nullptr;
void dropConverterLines(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith("src/PhotoUploader/"))
        g_previousHandler(type, context, message);
}

class TestImageConverterTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(dropConverterLines); }
    void init();

    void toolsBesideTheProgram();
    void landscapeSizes();
    void portraitSizesWithTheBlankArgument();
    void smallSourceIsNotEnlarged();
    void previewWritesOnlyTheBigThumbnail();
    void rawWithALargePreview();
    void rawWithoutPreview();
    void rawWithATooSmallPreview();
    void stopKillsTheDecoderBehindTheScript();
    void namesNoToolReadsAnythingInto();
    void unreadableSourcesLeaveNothing();

private:
    void checkSizes(const QString& prefix, const QList<QSize>& sizes);

    ToolBench m_bench;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_dest;
};

void TestImageConverterTools::init()
{
    QVERIFY(m_bench.clear());
    QString error;
    QVERIFY2(m_bench.installReal(QStringList(), &error), qPrintable(error));
    m_tmp.reset(new QTemporaryDir);
    QVERIFY(m_tmp->isValid());
    m_dest = m_tmp->path() + "/work";
}

void TestImageConverterTools::checkSizes(const QString& prefix, const QList<QSize>& sizes)
{
    for (int i = 0; i < ThumbNames.size(); ++i) {
        const QString path = m_dest + "/" + prefix + ThumbNames.at(i);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path + " does not load"));
        QCOMPARE(image.size(), sizes.at(i));
    }
}

void TestImageConverterTools::toolsBesideTheProgram()
{
    // What the build placed beside the program itself.
    const QString dir = QStringLiteral(VORK_PROGRAM_DIR);
    const QFileInfo convert(dir + "/ImageMagick/convert");
    QVERIFY2(convert.isSymLink(), qPrintable(convert.filePath()));
    QVERIFY2(QFileInfo(convert.symLinkTarget()).isExecutable(), "install the Debian package imagemagick");
    QProcess version;
    version.start(convert.filePath(), {"-version"});
    QVERIFY(version.waitForFinished(tsup::guardMs(10000)));
    QVERIFY2(version.readAllStandardOutput().contains("ImageMagick 6."), "not ImageMagick 6");

    const QFileInfo dcraw(dir + "/dcraw/dcraw");
    QVERIFY(dcraw.isSymLink());
    QVERIFY2(QFileInfo(dcraw.symLinkTarget()).isExecutable(), "install the Debian package dcraw");

    const QFileInfo script(dir + "/dcraw_LNX.sh");
    QVERIFY(script.isFile() && script.isExecutable());
    QFile f(script.filePath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("exec \"$3\" \"$4\" -c \"$1\" > \"$2\""));

    // The script refuses a wrong number of arguments.
    QCOMPARE(QProcess::execute(script.filePath(), {"a", "b", "c"}), 2);
}

void TestImageConverterTools::landscapeSizes()
{
    const QString source = m_tmp->path() + "/land.jpg";
    QVERIFY(ToolBench::writePhoto(source, 4000, 3000));
    Conversion c(source, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(c.bigThumb->size(), 1);
    checkSizes("7", {QSize(640, 480), QSize(800, 600), QSize(320, 240), QSize(120, 90), QSize(1280, 960)});
}

void TestImageConverterTools::portraitSizesWithTheBlankArgument()
{
    // ImageMagick takes the blank argument for a missing input file and exits with 1, but still
    // writes the thumbnail.
    const QString source = m_tmp->path() + "/portrait.jpg";
    QVERIFY(ToolBench::writePhoto(source, 3000, 4000));
    Conversion c(source, m_dest, false, 8);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    checkSizes("8", {QSize(480, 640), QSize(600, 800), QSize(240, 320), QSize(90, 120), QSize(960, 1280)});
}

void TestImageConverterTools::smallSourceIsNotEnlarged()
{
    // "n x n>" never enlarges what the decoder delivers.
    const QString png = m_tmp->path() + "/small.png";
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(png, "PNG"));
    Conversion c(png, m_dest, false, 9);
    QVERIFY(c.runToEnd());
    checkSizes("9", {QSize(300, 200), QSize(300, 200), QSize(300, 200), QSize(120, 80), QSize(300, 200)});

    // For a JPEG source the "jpeg:size" hint lets ImageMagick 6.9 with libjpeg-turbo decode a small
    // image at up to twice its size; the result still keeps within the bound and the proportions.
    const QString jpeg = m_tmp->path() + "/small.jpg";
    QVERIFY(ToolBench::writePhoto(jpeg, 300, 200));
    Conversion j(jpeg, m_dest, false, 10);
    QVERIFY(j.runToEnd());
    const QList<int> edges{640, 800, 320, 120, 1280};
    for (int i = 0; i < ThumbNames.size(); ++i) {
        const QSize size = QImage(m_dest + "/10" + ThumbNames.at(i)).size();
        QVERIFY2(size.width() <= edges.at(i) && size.width() <= 600 && size.width() >= 120, qPrintable(ThumbNames.at(i)));
        QVERIFY(qAbs(size.width() * 2 - size.height() * 3) <= 3);
    }
}

void TestImageConverterTools::previewWritesOnlyTheBigThumbnail()
{
    const QString source = m_tmp->path() + "/land.jpg";
    QVERIFY(ToolBench::writePhoto(source, 2000, 1500));
    Conversion c(source, m_dest, true, 4);
    QVERIFY(c.runToEnd());
    QCOMPARE(QDir(m_dest).entryList(QDir::Files), QStringList{"UIPreview4THUMB_B.jpg"});
    QCOMPARE(QImage(m_dest + "/UIPreview4THUMB_B.jpg").size(), QSize(640, 480));
    QCOMPARE(c.bigThumb->size(), 1);
}

void TestImageConverterTools::rawWithALargePreview()
{
    const QString source = m_tmp->path() + "/IMG_0001.DNG";
    QVERIFY(TestDng::write(source, QSize(1024, 768), QSize(1280, 960)));
    Conversion c(source, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(QImage(m_dest + "/7RAWJpgSrc.jpg").size(), QSize(1280, 960));
    QVERIFY(!QFileInfo::exists(m_dest + "/7RAWPPMSrc.ppm"));
    checkSizes("7", {QSize(640, 480), QSize(800, 600), QSize(320, 240), QSize(120, 90), QSize(1280, 960)});
}

void TestImageConverterTools::rawWithoutPreview()
{
    const QString source = m_tmp->path() + "/IMG_0002.dng";
    QVERIFY(TestDng::write(source, QSize(1024, 768), QSize()));
    Conversion c(source, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(c.error->size(), 0);
    QCOMPARE(QImage(m_dest + "/7RAWPPMSrc.ppm").size(), QSize(1024, 768));
    QCOMPARE(QImage(m_dest + "/7THUMB_B.jpg").size(), QSize(640, 480));
    QCOMPARE(QImage(m_dest + "/7THUMB_XL.jpg").size(), QSize(1024, 768));
}

void TestImageConverterTools::rawWithATooSmallPreview()
{
    const QString source = m_tmp->path() + "/IMG_0003.dng";
    QVERIFY(TestDng::write(source, QSize(1024, 768), QSize(1279, 853)));
    Conversion c(source, m_dest, false, 7);
    QVERIFY(c.runToEnd());
    QCOMPARE(QImage(m_dest + "/7RAWJpgSrc.jpg").size(), QSize(1279, 853));
    QCOMPARE(QImage(m_dest + "/7RAWPPMSrc.ppm").size(), QSize(1024, 768));
    QCOMPARE(QImage(m_dest + "/7THUMB_XL.jpg").size(), QSize(1024, 768));
}

void TestImageConverterTools::stopKillsTheDecoderBehindTheScript()
{
    // dcraw blocks reading a FIFO that nobody writes to. If the script did not hand its process
    // over to dcraw, the kill would end only the shell and leave dcraw behind, holding the FIFO.
    ToolFifo fifo(m_tmp->path() + "/x.dng");
    QVERIFY(fifo.isValid());

    Conversion c(fifo.path(), m_dest, false, 7);
    c.converter->start();
    QVERIFY(fifo.waitForReader(60000));

    QElapsedTimer timer;
    timer.start();
    c.converter->terminate();
    QVERIFY(c.converter->wait(tsup::guardMs(60000)));
    // Killed, not left to the reap limit of a tool that does not end.
    QVERIFY2(timer.elapsed() < tsup::before(CToolRun::ReapMs), qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(fifo.waitForNoReader(0), "a decoder process was left behind");
    QCOMPARE(c.error->size(), 1);
}

void TestImageConverterTools::namesNoToolReadsAnythingInto()
{
    // Frame selectors, patterns (with other files they match beside them), format and list
    // prefixes, quotes, a line break; "-" names are given relative to the current folder.
    const QStringList names{"Holiday [2019].jpg", "IMG*1.jpg", "-start.jpg", "x[1]", "@list.jpg",
                            "jpg:it's \"100%d\".jpg", "na\u00efve\nline {a,b}.jpg", "-raw [1].dng"};
    QVERIFY(ToolBench::writePhoto(m_tmp->path() + "/IMG21.jpg", 200, 100) && ToolBench::writePhoto(m_tmp->path() + "/x1", 200, 100));
    const QString oldCurrent = QDir::currentPath();
    for (int i = 0; i < names.size(); ++i) {
        const QString path = m_tmp->path() + "/" + names.at(i);
        QVERIFY(names.at(i).endsWith(".dng") ? TestDng::write(path, QSize(1024, 768), QSize(1600, 1200))
                                             : ToolBench::writePhoto(path, 1600, 1200));
        // The program's current folder is seldom the photo's (ImageMagick reads a pattern against
        // it); a relative name means one in the current folder.
        const bool relative = names.at(i).startsWith('-');
        QVERIFY(QDir::setCurrent(relative ? m_tmp->path() : oldCurrent));
        Conversion c(relative ? names.at(i) : path, m_dest, false, uint(20 + i));
        const bool ended = c.runToEnd();
        QDir::setCurrent(oldCurrent);
        QVERIFY(ended);
        QVERIFY2(c.error->isEmpty(), qPrintable(names.at(i)));
        checkSizes(QString::number(20 + i), {QSize(640, 480), QSize(800, 600), QSize(320, 240), QSize(120, 90), QSize(1280, 960)});
    }
}

void TestImageConverterTools::unreadableSourcesLeaveNothing()
{
    // A RAW file of no bytes (dcraw's output is opened before it fails, twice), an empty photo and a
    // text named like a photo: the conversion fails and leaves no file behind.
    for (const QString name : {"IMG_0001.cr2", "empty.jpg", "notes.jpg"}) {
        QFile f(m_tmp->path() + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(name.startsWith('n') ? "no picture\n" : "") >= 0);
        f.close();
        Conversion c(f.fileName(), m_dest + name, false, 7);
        QVERIFY(c.runToEnd());
        QCOMPARE(c.error->size(), 1);
        QCOMPARE(c.bigThumb->size(), 0);
        QCOMPARE(QDir(m_dest + name).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

QTEST_GUILESS_MAIN(TestImageConverterTools)
#include "tst_imageconverter_tools.moc"
