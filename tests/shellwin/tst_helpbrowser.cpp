#include <QtTest>

#include <QPointer>
#include <QSettings>
#include <QTextBrowser>
#include <QTextDocument>

#include "CVorkHelpBrowser.h"
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
        QTest::addColumn<QString>("phrase");
        QTest::newRow("English") << QStringLiteral("enu") << QStringLiteral("VRVornakeeper Help");
        QTest::newRow("German") << QStringLiteral("deu") << QStringLiteral("VRVornakeeper-Hilfe");
        QTest::newRow("Korean") << QStringLiteral("krn") << QStringLiteral("VRVornakeeper 도움말");
    }

    void showsHelpOfLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, phrase);
        QSettings().setValue(QStringLiteral("Global/UILanguage"), code);
        // The page comes from the help directory beside this binary, put there by the build.
        QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/help/help_%1.html").arg(code)));

        QPointer<CVorkHelpBrowser> browser = CVorkHelpBrowser::showHelp();
        QVERIFY(browser);
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        QCOMPARE(browser->windowTitle(), QStringLiteral("Help"));
        QVERIFY(browser->isWindow());
        QVERIFY(browser->parentWidget() == nullptr);
        QCOMPARE(browser->size(), QSize(740, 480));
        QTextBrowser *text = browser->textBrowser();
        QVERIFY(text->openExternalLinks());
        QVERIFY2(text->toPlainText().contains(phrase), qPrintable(text->toPlainText()));
        QVERIFY(text->document()->metaInformation(QTextDocument::DocumentTitle).endsWith(
            QStringLiteral("[%1]").arg(code)));
        closeAndDelete(browser);
        QVERIFY(browser.isNull());
    }

    void languageWithoutHelpFileShowsEmptyPage()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("rus"));
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/help/help_rus.html")));
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
