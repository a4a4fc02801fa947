// Writes a picture of each page of an edit run (review/photo-wizard-page<N>.png beside the test
// binary) so that the layout can be looked at. Checks only that each picture was written.

#include <QDir>
#include <QtTest>

#include "../shellwin/shelltestmain.h"
#include "CVorkNasinfoMap.h"
#include "photowiztest.h"
#include "platforms.h"

using namespace photowiztest;

class TestPhotoWizardReview : public QObject
{
    Q_OBJECT

private slots:
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
        QVERIFY(QTest::qWaitForWindowExposed(&w));

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
