// The real program on a real X server (Xvfb, started inside the namespace bed), driven by key
// presses through xdotool: consent to the terms on the first start (declined with Escape,
// accepted with Return, a second start while the terms are open), no terms once accepted, Exit
// ending the event loop with 0, and a picture of the main window after its first search.

#include <QImage>
#include <QProcess>

#include "HangGuard.h"
#include "programrun.h"

using mwt::ProgramPlace;
using mwt::ProgramRun;

namespace {

const QString TermsTitle = QStringLiteral("Quenlori Terms and Conditions");
const QString MainTitle = QStringLiteral("Quenlori Vornakeeper");

// Runs a tool to its end (at most 10 s) and returns its standard output.
QByteArray tool(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(tsup::guardMs(10000))) {
        p.kill();
        p.waitForFinished(tsup::guardMs(2000));
    }
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAllStandardOutput();
}

// The visible top-level windows with exactly this title.
QStringList windows(const QString &title)
{
    const QByteArray out = tool(QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"),
                                 QLatin1Char('^') + QRegularExpression::escape(title) +
                                     QLatin1Char('$')});
    QStringList ids;
    for (const QByteArray &line : out.split('\n'))
        if (!line.trimmed().isEmpty())
            ids << QString::fromLatin1(line.trimmed());
    return ids;
}

QString waitForWindow(const QString &title, int timeoutMs)
{
    QString id;
    mwt::waitFor(
        [&] {
            const QStringList ids = windows(title);
            if (ids.isEmpty()) {
                QThread::msleep(100);
                return false;
            }
            id = ids.first();
            return true;
        },
        timeoutMs);
    return id;
}

// Gives the window the keyboard (there is no window manager) and presses the keys.
void press(const QString &window, const QString &keys)
{
    tool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), window});
    mwt::spin(200);
    tool(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

} // namespace

class TestProgramX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("no X server");
        int code = -1;
        tool(QStringLiteral("xdotool"), {QStringLiteral("getmouselocation")}, &code);
        if (code != 0)
            QSKIP("xdotool is not usable");
    }

    void declinedTermsEndTheProgram()
    {
        ProgramPlace place;
        ProgramRun run(place, {});
        const QString terms = waitForWindow(TermsTitle, 15000);
        QVERIFY(!terms.isEmpty());
        QVERIFY(windows(MainTitle).isEmpty());
        press(terms, QStringLiteral("Escape"));
        QVERIFY(run.waitForEnd(10000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 255);
        QVERIFY(!place.settings().contains("AgreeEULA"));
    }

    void acceptedTermsOpenTheMainWindow()
    {
        ProgramPlace place;
        ProgramRun run(place, {});
        const QString terms = waitForWindow(TermsTitle, 15000);
        QVERIFY(!terms.isEmpty());

        // A second start while the terms are open hands over and ends; the terms stay.
        ProgramRun second(place, {});
        QVERIFY(second.waitForEnd(5000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(run.running());
        QCOMPARE(windows(TermsTitle), QStringList{terms});
        QVERIFY(windows(MainTitle).isEmpty());

        press(terms, QStringLiteral("Return"));
        const QString main = waitForWindow(MainTitle, 15000);
        QVERIFY(!main.isEmpty());
        QVERIFY(windows(TermsTitle).isEmpty());
        QVERIFY(mwt::waitFor([&] { return place.settings().contains("AgreeEULA=true"); }, 5000));

        // Exit (Ctrl+Q) closes the window; the event loop's result is the exit code.
        press(main, QStringLiteral("ctrl+q"));
        QVERIFY(run.waitForEnd(10000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 0);
        QVERIFY(place.settings().contains("geometry="));

        // The next start asks no more.
        ProgramRun again(place, {});
        QVERIFY(!waitForWindow(MainTitle, 15000).isEmpty());
        QVERIFY(windows(TermsTitle).isEmpty());
        QVERIFY(again.stop());
    }

    void mainWindowAfterTheFirstSearch()
    {
        ProgramPlace place;
        place.setSettings("[Global]\nAgreeEULA=true\n");
        const QString log = place.path(QStringLiteral("debug.txt"));
        ProgramRun run(place, {QStringLiteral("-D"), log});
        const QString main = waitForWindow(MainTitle, 15000);
        QVERIFY(!main.isEmpty());
        QVERIFY(mwt::waitForLog(log, mwt::threeUnitAnswers(), 15000));
        // The table shows new rows on the search's next tick.
        mwt::spin(2500);

        const QString picture = QStringLiteral(VORK_REVIEW_DIR "/main-window-first-search.png");
        QDir().mkpath(QStringLiteral(VORK_REVIEW_DIR));
        QFile::remove(picture);
        int code = -1;
        tool(QStringLiteral("import"), {QStringLiteral("-window"), main, picture}, &code);
        QCOMPARE(code, 0);
        const QImage image(picture);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 600 && image.height() >= 450);

        // The tab toolbar's logo sits at its right end: its columns count up in red over
        // fixed green and blue.
        int logoPixels = 0;
        for (int x = image.width() - 200; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, 10);
            if (c.green() == 0x90 && c.blue() == 0xC8)
                ++logoPixels;
        }
        QVERIFY2(logoPixels > 150, qPrintable(QString::number(logoPixels)));

        // Three rows of names under the table's (grey) header: count the bands of dark pixels
        // in the name column.
        int bands = 0;
        bool inBand = false;
        for (int y = 60; y < image.height() - 40; ++y) {
            bool dark = false;
            for (int x = 10; x < 150 && !dark; ++x)
                dark = qGray(image.pixel(x, y)) < 90;
            if (dark && !inBand)
                ++bands;
            inBand = dark;
        }
        QVERIFY2(bands == 3 || bands == 4, qPrintable(QString::number(bands)));
        QVERIFY(run.stop());
    }
};

GUI_BED_TEST_MAIN(TestProgramX11)
#include "tst_program_x11.moc"
