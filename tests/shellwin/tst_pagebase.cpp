#include <QtTest>

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include "CVorkToolBars.h"
#include "CVorkWindowMainTab.h"
#include "HangGuard.h"
#include "shelltestmain.h"

// A page that keeps the base's delayed initialisation.
class PlainPage : public CVorkWindowMainTab
{
public:
    using CVorkWindowMainTab::CVorkWindowMainTab;
    bool isInit() const { return m_blInit; }
    bool hasUnfinishedTasks() override { return false; }

protected:
    void closeEvent(QCloseEvent *event) override { event->accept(); }
};

// A page that builds its content on the first delayed initialisation only.
class BuildingPage : public PlainPage
{
public:
    using PlainPage::PlainPage;
    int calls = 0;
    int builds = 0;
    void slotDelayedInit() override
    {
        ++calls;
        if (!m_blInit) {
            ++builds;
            CVorkWindowMainTab::slotDelayedInit();
        }
    }
};

class TestPageBase : public QObject
{
    Q_OBJECT

private:
    static QImage grabBar(QToolBar &bar, int width, int height)
    {
        bar.setFixedSize(width, height);
        bar.show();
        if (!QTest::qWaitForWindowExposed(&bar, tsup::guardMs()))
            return QImage();
        return bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void delayedInitSetsFlagOnce()
    {
        PlainPage page;
        QVERIFY(!page.isInit());
        QVERIFY(page.getMainWindow() == nullptr);
        // The main window calls the slot through the meta-object on every switch to the page.
        QVERIFY(QMetaObject::invokeMethod(&page, "slotDelayedInit"));
        QVERIFY(page.isInit());
        QVERIFY(QMetaObject::invokeMethod(&page, "slotDelayedInit"));
        QVERIFY(page.isInit());
    }

    void delayedInitRunsPageOverride()
    {
        BuildingPage page;
        QVERIFY(QMetaObject::invokeMethod(&page, "slotDelayedInit"));
        QVERIFY(QMetaObject::invokeMethod(&page, "slotDelayedInit"));
        QCOMPARE(page.calls, 2);
        QCOMPARE(page.builds, 1);
        QVERIFY(page.isInit());
    }

    void mainWindowPointerIsKept()
    {
        PlainPage page;
        int anchor = 0;
        CVorkWindowMain *pMain = reinterpret_cast<CVorkWindowMain *>(&anchor);
        page.setMainWindow(pMain);
        QCOMPARE(page.getMainWindow(), pMain);
        page.setMainWindow(nullptr);
        QVERIFY(page.getMainWindow() == nullptr);
    }

    void pageSlotsAreMetaObjectSlots()
    {
        PlainPage page;
        const QMetaObject *mo = page.metaObject();
        const int delayed = mo->indexOfSlot("slotDelayedInit()");
        const int language = mo->indexOfSlot("slotLanguageChanged()");
        QVERIFY(delayed >= 0);
        QVERIFY(language >= 0);
        QCOMPARE(mo->method(delayed).access(), QMetaMethod::Public);
        QCOMPARE(mo->method(language).access(), QMetaMethod::Protected);
        QCOMPARE(CVorkWindowMainTab::staticMetaObject.methodCount()
                     - CVorkWindowMainTab::staticMetaObject.methodOffset(),
                 2); // two slots, no signals
    }

    void mainToolBarPaintsBackgroundThenLogo()
    {
        const QImage background(":/images/tab_background.png");
        const QImage logo(":/images/logo.png");
        QVERIFY(!background.isNull());
        QVERIFY(!logo.isNull());
        const int w = logo.width();
        const int W = w + 100;
        const int H = 40;

        CMainToolBar bar(nullptr);
        const QImage shot = grabBar(bar, W, H);
        QCOMPARE(shot.size(), QSize(W, H));
        // Left of the logo: the background, over the full height.
        QCOMPARE(shot.pixel(0, 0), background.pixel(0, 0));
        QCOMPARE(shot.pixel(W - w - 1, H - 1), background.pixel(0, 0));
        // The logo is flush with the right edge at its own width, stretched over the full height.
        for (int y : {0, H / 2, H - 1}) {
            QCOMPARE(shot.pixel(W - w, y), logo.pixel(0, 0));
            QCOMPARE(shot.pixel(W - 1, y), logo.pixel(w - 1, 0));
            QCOMPARE(shot.pixel(W - w + 37, y), logo.pixel(37, 0));
        }
    }

    void narrowMainToolBarCutsLogoLeftPart()
    {
        const QImage logo(":/images/logo.png");
        const int w = logo.width();
        const int W = w - 50;
        const int H = 30;

        CMainToolBar bar(nullptr);
        const QImage shot = grabBar(bar, W, H);
        // The logo keeps its width: the bar's first column shows logo column w - W.
        QCOMPARE(shot.pixel(0, 0), logo.pixel(w - W, 0));
        QCOMPARE(shot.pixel(0, H - 1), logo.pixel(w - W, 0));
        QCOMPARE(shot.pixel(W - 1, 0), logo.pixel(w - 1, 0));
        QVERIFY(logo.pixel(w - W, 0) != logo.pixel(0, 0));
    }

    void subToolBarsPaintTheirBackground_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("CFinderToolBar") << 0;
        QTest::newRow("CPreAboutToolBar") << 1;
        QTest::newRow("CRsrcMoniToolBar") << 2;
    }

    void subToolBarsPaintTheirBackground()
    {
        QFETCH(int, kind);
        const QImage background(":/images/main_up_sub_bg.png");
        QVERIFY(!background.isNull());

        QWidget parent;
        QToolBar *bar = nullptr;
        switch (kind) {
        case 0: bar = new CFinderToolBar(&parent); break;
        case 1: bar = new CPreAboutToolBar(&parent); break;
        default: bar = new CRsrcMoniToolBar(&parent); break;
        }
        // The constructor hands the parent on.
        QCOMPARE(bar->parentWidget(), &parent);
        bar->addAction(QStringLiteral("x")); // buttons do not change the background behind them
        bar->setParent(nullptr);
        QScopedPointer<QToolBar> owner(bar);

        const QImage shot = grabBar(*bar, 300, 36);
        const QRgb expected = background.pixel(0, 0);
        for (const QPoint &p : {QPoint(299, 0), QPoint(299, 35), QPoint(150, 0), QPoint(299, 18)})
            QCOMPARE(shot.pixel(p), expected);
        // No frame or handle of the base toolbar is drawn at the edges.
        for (int y = 0; y < 36; ++y)
            QCOMPARE(shot.pixel(299, y), expected);
    }

    void resourcesArePresent()
    {
        for (const char *path : {":/images/tab_background.png", ":/images/logo.png",
                                 ":/images/main_up_sub_bg.png"})
            QVERIFY2(QFile::exists(QString::fromLatin1(path)), path);

        // The twenty licence pages, each in its own language and marked with its code.
        const QStringList codes{"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                                "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"};
        QSet<QString> langs;
        for (const QString &code : codes) {
            QFile page(QStringLiteral(":/licenses/License_%1.html").arg(code));
            QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
            const QString html = QString::fromUtf8(page.readAll());
            QVERIFY2(html.contains(QStringLiteral("[%1]</title>").arg(code)), qPrintable(code));
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("<html lang=\"([^\"]+)\">")).match(html);
            QVERIFY2(m.hasMatch(), qPrintable(code));
            langs.insert(m.captured(1));
        }
        QCOMPARE(langs.size(), codes.size());
    }

    void helpDirectoryBesideBinary()
    {
        const QDir help(QCoreApplication::applicationDirPath() + QStringLiteral("/help"));
        QVERIFY2(help.exists(), qPrintable(help.path()));
        for (const char *code : {"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                                 "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"})
            QVERIFY2(help.exists(QStringLiteral("help_%1.html").arg(QLatin1String(code))), code);
    }
};

static int noChildCase(const QByteArray &)
{
    return 2;
}

VORK_SHELL_TEST_MAIN(TestPageBase, noChildCase)
#include "tst_pagebase.moc"
