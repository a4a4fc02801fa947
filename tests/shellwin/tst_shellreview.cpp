#include <QtTest>

#include <QDir>
#include <QImage>
#include <QSettings>
#include <QTextBrowser>
#include <QTranslator>

#include <cstring>

#include "CPageGlobal.h"
#include "CVorkDialogLicense.h"
#include "CVorkDialogPreference.h"
#include "CVorkNasinfoMap.h"
#include "CVorkToolBars.h"
#include "CVorkWindowPhotoUpload.h"
#include "CVorkWizardInstall.h"
#include "CWizNetProgDialog.h"
#include "TestSupport.h"
#include "shelltestmain.h"

// Writes pictures of the licence dialog, the preferences dialog and the main toolbar into
// "shell-review/" under the test's working directory, for a look by eye; and pictures of the
// install wizard's first page, the network-setting dialog and the photo page in German, Russian
// and Japanese, with the licence dialog, into "text-review/", checking that none of their texts is cut off or drawn
// without glyphs.
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

    static QImage grabShown(QWidget &widget, const QString &file,
                            const QString &folder = QStringLiteral("shell-review"))
    {
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget, tsup::guardMs()))
            return QImage();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QImage image = widget.grab().toImage();
        image.save(folder + QLatin1Char('/') + file);
        return image;
    }

private slots:
    void initTestCase()
    {
        QSettings().clear();
        QVERIFY(QDir().mkpath(QStringLiteral("shell-review")));
        QVERIFY(QDir().mkpath(QStringLiteral("text-review")));
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

    void translatedWindowsFit_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"deu", "rus", "jpn"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void translatedWindowsFit()
    {
        QFETCH(QString, code);
        // The photo page's panels need more room than the main window gives them at its first
        // size even in English; the page is checked at the size its English texts need.
        QSize photoSize;
        {
            CVorkWindowPhotoUpload page;
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
            int panelWidth = 0;
            for (int panel = 0; panel < page.m_pstkwRightPanel->count(); ++panel) {
                // A panel's layout counts only once the panel is shown.
                page.m_pstkwRightPanel->setCurrentIndex(panel);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                panelWidth = qMax(panelWidth, page.m_pstkwRightPanel->currentWidget()->minimumSizeHint().width());
            }
            const int width = page.splitter->minimumSizeHint().width() + page.splitter_2->handleWidth() + panelWidth;
            photoSize = page.size().expandedTo(QSize(width + 24, 0));
        }
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/%1.qm").arg(code)));
        QCoreApplication::installTranslator(&translator);
        QStringList problems;
        auto review = [&](QWidget &window, const QString &name) {
            const QImage image = grabShown(window, QStringLiteral("%1-%2.png").arg(name, code),
                                           QStringLiteral("text-review"));
            QVERIFY(colourCount(image, 20) >= 20);
            for (const QString &problem : tsup::textFitProblems(&window))
                problems << name + QStringLiteral(": ") + problem;
        };

        {
            // The terms page follows the chosen language.
            QSettings().setValue(QStringLiteral("Global/UILanguage"), code);
            CVorkDialogLicense dialog;
            QSettings().remove(QStringLiteral("Global/UILanguage"));
            dialog.resize(740, 480);
            review(dialog, QStringLiteral("license"));
            // The dialog quotes the button names itself; the translation adds no marks of its own.
            const QString request = dialog.m_plblAskDesc->text();
            QVERIFY2(!request.contains(QRegularExpression(QStringLiteral("[\"「」«»„“”‘’]\"|\"[\"「」«»„“”‘’]"))),
                     qPrintable(request));
        }
        // The first page of a network installation of a server without a system.
        CVorkNasinfoMap map;
        NASINFO record;
        std::memset(&record, 0, sizeof record);
        record.ulConfigured = FHOSTQC_UNINSTALL;
        std::strcpy(record.szServerName, "Archive");
        std::strcpy(record.szMac, "02:53:56:00:00:11");
        std::strcpy(record.szModelId, "quenlori_x86atom_vs710plus");
        {
            CVorkWizardInstall wizard(&map, nullptr, true);
            wizard.addNasinfo(record);
            review(wizard, QStringLiteral("install-wizard"));
        }
        {
            CWizNetProgDialog dialog;
            review(dialog, QStringLiteral("network-setting"));
            QCOMPARE(dialog.size(), QSize(565, 221));
        }
        {
            CVorkWindowPhotoUpload page;
            page.setFixedSize(photoSize);
            for (int panel = 0; panel < page.m_pstkwRightPanel->count(); ++panel) {
                page.m_pstkwRightPanel->setCurrentIndex(panel);
                review(page, QStringLiteral("photo-page-%1").arg(panel));
            }
        }
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
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
