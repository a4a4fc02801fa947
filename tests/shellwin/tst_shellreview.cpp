#include <QtTest>

#include <QDir>
#include <QImage>
#include <QSettings>
#include <QTextBrowser>

#include "CPageGlobal.h"
#include "CVorkDialogLicense.h"
#include "CVorkDialogPreference.h"
#include "CVorkToolBars.h"
#include "shelltestmain.h"

// Writes pictures of the licence dialog, the preferences dialog and the main toolbar into
// "shell-review/" under the test's working directory, for a look by eye.
class TestShellReview : public QObject
{
    Q_OBJECT

private:
    // Number of distinct colours, counted up to `limit`: a blank grab has one or two.
    static int colourCount(const QImage &image, int limit)
    {
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) {
                seen.insert(image.pixel(x, y));
                if (seen.size() >= limit)
                    return limit;
            }
        return seen.size();
    }

    static QImage grabShown(QWidget &widget, const QString &file)
    {
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget))
            return QImage();
        const QImage image = widget.grab().toImage();
        image.save(QStringLiteral("shell-review/") + file);
        return image;
    }

private slots:
    void initTestCase()
    {
        QSettings().clear();
        QVERIFY(QDir().mkpath(QStringLiteral("shell-review")));
    }

    void licenceDialog()
    {
        CVorkDialogLicense dialog;
        dialog.resize(740, 480);
        const QImage image = grabShown(dialog, QStringLiteral("license-dialog.png"));
        QCOMPARE(image.size(), QSize(740, 480));
        QVERIFY(colourCount(image, 20) >= 20); // texts drawn, not an empty frame
        // The terms text sits inside the browser, below the request text.
        QVERIFY(dialog.m_plblAskDesc->geometry().bottom() < dialog.m_txtbrwsLaw->geometry().top());
        QVERIFY(dialog.m_txtbrwsLaw->geometry().bottom() < dialog.m_pbtnBox->geometry().top());
    }

    void preferencesDialog()
    {
        CVorkDialogPreference dialog;
        const QImage image = grabShown(dialog, QStringLiteral("preferences-dialog.png"));
        QVERIFY(image.width() >= 740);
        QVERIFY(colourCount(image, 20) >= 20);
        CPageGlobal *page = dialog.getPageGlobal();
        // The three inner groups stand in the page's group in their order.
        QCOMPARE(page->m_pgrpboxStartup->parentWidget(), static_cast<QWidget *>(page->m_pgrpPage));
        QCOMPARE(page->m_pgrpBoxLanguage->parentWidget(), static_cast<QWidget *>(page->m_pgrpPage));
        QCOMPARE(page->m_pgrpboxAdvFunc->parentWidget(), static_cast<QWidget *>(page->m_pgrpPage));
        QVERIFY(page->m_pgrpboxStartup->geometry().bottom() < page->m_pgrpBoxLanguage->geometry().top());
        QVERIFY(page->m_pgrpBoxLanguage->geometry().bottom() < page->m_pgrpboxAdvFunc->geometry().top());
    }

    void mainToolBar()
    {
        CMainToolBar bar(nullptr);
        bar.setFixedSize(600, 48);
        const QImage image = grabShown(bar, QStringLiteral("main-toolbar.png"));
        QCOMPARE(image.size(), QSize(600, 48));
    }
};

static int noChildCase(const QByteArray &)
{
    return 2;
}

VORK_SHELL_TEST_MAIN(TestShellReview, noChildCase)
#include "tst_shellreview.moc"
