// Writes a picture of each page of an edit run (review/photo-wizard-page<N>.png beside the test
// binary), and of the server choice page of an add run with two listed servers, idle and while
// a search runs (review/photo-wizard-page0*.png), so that the layout can be looked at. Checks
// only that each picture was written.

#include <QDir>
#include <QtTest>

#include "../shellwin/shelltestmain.h"
#include "CVorkFinderWindow.h"
#include "CVorkNasinfoMap.h"
#include "CVorkNasinfoModel.h"
#include "HangGuard.h"
#include "photowiztest.h"
#include "platforms.h"

using namespace photowiztest;

class TestPhotoWizardReview : public QObject
{
    Q_OBJECT

private slots:
    void serverChoicePictures()
    {
        clearStoredProfiles();
        // Only the picture's search: the finder's ticks never come.
        CVorkFinderWindow::setTickIntervalMs(24 * 3600 * 1000);
        CVorkNasinfoMap map;
        CVorkFinderWindow finder(nullptr, &map);
        map.insert(makeNas("00:11:32:00:00:01", "Office-NAS", netAddr(198, 18, 0, 21)), true);
        map.insert(makeNas("00:11:32:00:00:02", "Archive", netAddr(198, 18, 0, 22)), true);
        map.insert(makeNas("00:11:32:00:00:03", "Busy", netAddr(198, 18, 0, 23), FHOSTQC_BOOTING),
                   true);
        finder.getNasinfoModel()->insertNewRows();

        CVorkWizardPhotoUpload w(&finder, finder.getNasinfoModel(), &map, nullptr, false);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w, tsup::guardMs()));
        QCOMPARE(w.currentId(), 0);
        CWizPhotoAutoIPDialog *page = w.serverChoicePage();
        QCOMPARE(page->m_tblViewFinder->model()->rowCount(), 2);
        page->m_tblViewFinder->selectRow(1);

        const QString dir = QCoreApplication::applicationDirPath() + "/review";
        QVERIFY(QDir().mkpath(dir));
        QApplication::processEvents();
        QVERIFY(w.grab().save(dir + "/photo-wizard-page0.png"));
        page->m_refresh->click();
        QTest::qWait(250);
        QVERIFY(w.grab().save(dir + "/photo-wizard-page0-searching.png"));
        emit finder.signalFindNasFinished();
    }

    void editRunPictures()
    {
        clearStoredProfiles();
        CVorkNasinfoMap map;
        CPhotoUploadConfig stored(8080, true, QStringLiteral("Office"),
                                  QStringLiteral("198.18.0.50"),
                                  scrambleEncodeString(QStringLiteral("secret")),
                                  QStringLiteral("bob"), true, QStringLiteral("bob"));
        CVorkWizardPhotoUpload w(nullptr, nullptr, &map, nullptr, true);
        w.setPhotoUploadConfig(stored);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w, tsup::guardMs()));

        const QString dir = QCoreApplication::applicationDirPath() + "/review";
        QVERIFY(QDir().mkpath(dir));
        for (int id = 1; id <= 3; ++id) {
            QCOMPARE(w.currentId(), id);
            QApplication::processEvents();
            const QString path = QString("%1/photo-wizard-page%2.png").arg(dir).arg(id);
            QVERIFY(w.grab().save(path));
            if (id < 3)
                nextButton(w)->click();
        }
    }
};

static int noChildCase(const QByteArray &)
{
    return 1;
}

VORK_SHELL_TEST_MAIN(TestPhotoWizardReview, noChildCase)
#include "tst_photowizardreview.moc"
