#include <QtTest>

#include <QPointer>
#include <QScopeGuard>
#include <QSettings>
#include <QTextBrowser>
#include <QTextDocument>

#include "CVorkHelpBrowser.h"
#include "HangGuard.h"
#include "shelltestmain.h"

class TestHelpBrowser : public QObject
{
    Q_OBJECT

private:
    static void closeAndDelete(CVorkHelpBrowser *browser)
    {
        browser->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        QSettings().clear();
    }

    void helpFileAndSearchPath()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("ita"));
        QCOMPARE(CVorkHelpBrowser::getHelpFileName(), QStringLiteral("help_ita.html"));
        QCOMPARE(CVorkHelpBrowser::getHelpSearchPaths(),
                 QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/help")});
        // An unusable stored language falls back to the system's, English in the C locale.
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("xyz"));
        QCOMPARE(CVorkHelpBrowser::getHelpFileName(), QStringLiteral("help_enu.html"));
    }

    void showsHelpOfLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                                 "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    // Every language has its own guide (the short placeholder pages were under 1000 characters;
    // the Chinese guide is the densest, at about 7000), marked with its code,
    // that names the installation file and the command-line options as the program has them.
    void showsHelpOfLanguage()
    {
        QFETCH(QString, code);
        QSettings().setValue(QStringLiteral("Global/UILanguage"), code);
        // The page comes from the help directory beside this binary, put there by the build.
        QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/help/help_%1.html").arg(code)));

        QPointer<CVorkHelpBrowser> browser = CVorkHelpBrowser::showHelp();
        QVERIFY(browser);
        QVERIFY(QTest::qWaitForWindowExposed(browser, tsup::guardMs()));
        QCOMPARE(browser->windowTitle(), QStringLiteral("Help"));
        QVERIFY(browser->isWindow());
        QVERIFY(browser->parentWidget() == nullptr);
        QCOMPARE(browser->size(), QSize(740, 480));
        QTextBrowser *text = browser->textBrowser();
        QVERIFY(text->openExternalLinks());
        const QString page = text->toPlainText();
        QVERIFY2(page.size() > 5000, qPrintable(QStringLiteral("%1 characters").arg(page.size())));
        for (const char *token : {"VRVornakeeper", ".pat", "-P", "-D"})
            QVERIFY2(page.contains(QLatin1String(token)), token);
        QVERIFY(text->document()->metaInformation(QTextDocument::DocumentTitle).endsWith(
            QStringLiteral("[%1]").arg(code)));
        closeAndDelete(browser);
        QVERIFY(browser.isNull());
    }

    void languageWithoutHelpFileShowsEmptyPage()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("rus"));
        // The Russian page is moved aside for the case and put back after it.
        const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/help/help_rus.html");
        const bool present = QFile::exists(file);
        QVERIFY(!present || QFile::rename(file, file + QStringLiteral(".away")));
        auto restore = qScopeGuard([&file, present] {
            if (present)
                QFile::rename(file + QStringLiteral(".away"), file);
        });
        QTest::ignoreMessage(QtWarningMsg, "QTextBrowser: No document for help_rus.html");
        QPointer<CVorkHelpBrowser> browser = CVorkHelpBrowser::showHelp();
        QVERIFY(browser);
        QCOMPARE(browser->windowTitle(), QStringLiteral("Help"));
        QVERIFY(browser->textBrowser()->toPlainText().isEmpty());
        closeAndDelete(browser);
        QVERIFY(browser.isNull());
    }

    void everyCallOpensItsOwnWindow()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("enu"));
        QPointer<CVorkHelpBrowser> first = CVorkHelpBrowser::showHelp();
        QPointer<CVorkHelpBrowser> second = CVorkHelpBrowser::showHelp();
        QVERIFY(first && second);
        QVERIFY(first != second);
        QVERIFY(first->isVisible() && second->isVisible());
        QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));

        // Closing one leaves the other open; each is deleted when it is closed.
        closeAndDelete(first);
        QVERIFY(first.isNull());
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QVERIFY(second->textBrowser()->toPlainText().contains(QStringLiteral("VRVornakeeper Help")));
        closeAndDelete(second);
        QVERIFY(second.isNull());
    }
};

static int noChildCase(const QByteArray &)
{
    return 2;
}

VORK_SHELL_TEST_MAIN(TestHelpBrowser, noChildCase)
#include "tst_helpbrowser.moc"
