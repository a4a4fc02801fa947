// The upload result box on its own (offscreen): its form, the fixed-size layout that follows the
// details list, the details toggle and the answers Yes, No, Escape and close. It also writes
// pictures of the box folded and unfolded to updresult-review/ beside the test program.

#include <QApplication>
#include <QDir>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "CVorkDialogUpdResult.h"
#include "HangGuard.h"
#include "StringTable.h"

namespace {

const QString Headline = QStringLiteral("Upload finished \nSuccess Count: %1, Error Count: %2");

// Runs the box modally; `act` is done once it is shown.
int runWith(CVorkDialogUpdResult &box, const std::function<void()> &act)
{
    QTimer::singleShot(0, &box, [&box, act]() {
        QTRY_VERIFY_WITH_TIMEOUT(box.isVisible(), tsup::guardMs(5000));
        act();
    });
    return box.exec();
}

// The box's own size once its layout has settled.
QSize settledSize(CVorkDialogUpdResult &box)
{
    QCoreApplication::processEvents();
    box.layout()->activate();
    QCoreApplication::processEvents();
    return box.size();
}

} // namespace

class TestUpdResult : public QObject
{
    Q_OBJECT

private slots:
    void formAndTexts()
    {
        CVorkDialogUpdResult box(nullptr);
        QCOMPARE(box.objectName(), QStringLiteral("CVorkDialogUpdResult"));
        QCOMPARE(box.windowTitle(), QStringLiteral("Photo Uploader"));
        QCOMPARE(box.m_pbuttonBox->standardButtons(), QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(box.m_pbuttonBox->button(QDialogButtonBox::Yes)->text(), QStringLiteral("Yes"));
        QCOMPARE(box.m_pbuttonBox->button(QDialogButtonBox::No)->text(), QStringLiteral("No"));
        QCOMPARE(box.m_pbtnMoreInfo->text(), QStringLiteral("Show Details..."));
        QVERIFY(box.m_ptxtedtErrorMessage->isReadOnly());

        // The icon and texts sit on the frame, painted in the base colour.
        QCOMPARE(box.m_pfrmUpperFrame->backgroundRole(), QPalette::Base);
        QVERIFY(box.m_pfrmUpperFrame->autoFillBackground());
        QCOMPARE(box.m_pfrmUpperFrame->frameShape(), QFrame::NoFrame);
        QCOMPARE(box.m_plblIcon->parentWidget(), box.m_pfrmUpperFrame);
        QCOMPARE(box.m_plblText->parentWidget(), box.m_pfrmUpperFrame);
        QCOMPARE(box.m_plblInfomativeText->parentWidget(), box.m_pfrmUpperFrame);
        QVERIFY(!box.m_plblIcon->pixmap(Qt::ReturnByValue).isNull());
        const QPixmap expected = box.style()->standardPixmap(QStyle::SP_MessageBoxInformation);
        QCOMPARE(box.m_plblIcon->pixmap(Qt::ReturnByValue).toImage(), expected.toImage());

        // The dialog's layout has no margins and a fixed size.
        const QMargins margins = box.layout()->contentsMargins();
        QCOMPARE(margins, QMargins(0, 0, 0, 0));
        QCOMPARE(box.layout()->sizeConstraint(), QLayout::SetFixedSize);

        // Enter answers Yes.
        QPushButton *yes = box.m_pbuttonBox->button(QDialogButtonBox::Yes);
        QPushButton *no = box.m_pbuttonBox->button(QDialogButtonBox::No);
        QVERIFY(yes->isDefault());
        QVERIFY(!yes->autoDefault());
        QVERIFY(!no->autoDefault());
        QVERIFY(!no->isDefault());
    }

    void withoutDetails()
    {
        CVorkDialogUpdResult box(nullptr);
        box.setText(getString(IDS_PHOTO_FINISH_SUMMARY).arg(5).arg(0));
        box.setInformativeText(getString(IDS_PHOTO_LBL_CONNT_IMAGROVE));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box, tsup::guardMs()));
        QVERIFY(!box.m_pbtnMoreInfo->isVisible());
        QVERIFY(!box.m_ptxtedtErrorMessage->isVisible());
        QCOMPARE(box.m_plblText->text(), QStringLiteral("Upload finished \nSuccess Count: 5, Error Count: 0"));
        // Two lines in the headline.
        QLabel oneLine(QStringLiteral("Upload finished "));
        oneLine.setFont(box.m_plblText->font());
        QVERIFY(box.m_plblText->sizeHint().height() > oneLine.sizeHint().height() * 3 / 2);
        QCOMPARE(box.m_plblInfomativeText->text(), QStringLiteral("Connect to Imagrove now?"));
        const QSize size = settledSize(box);
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.minimumSize(), size);
        box.hide();

        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/updresult-review");
        QDir().mkpath(dir);
        box.show();
        settledSize(box);
        QVERIFY(box.grab().save(dir + QStringLiteral("/result-no-failures.png")));
        box.hide();
    }

    void answers()
    {
        {
            CVorkDialogUpdResult box(nullptr);
            QCOMPARE(runWith(box, [&box]() { QTest::keyClick(&box, Qt::Key_Return); }), 1);
        }
        {
            CVorkDialogUpdResult box(nullptr);
            QCOMPARE(runWith(box, [&box]() { QTest::keyClick(&box, Qt::Key_Escape); }), 0);
        }
        {
            CVorkDialogUpdResult box(nullptr);
            QCOMPARE(runWith(box, [&box]() { box.close(); }), 0);
        }
        {
            CVorkDialogUpdResult box(nullptr);
            QCOMPARE(runWith(box, [&box]() { box.m_pbuttonBox->button(QDialogButtonBox::No)->click(); }), 0);
        }
        {
            CVorkDialogUpdResult box(nullptr);
            QCOMPARE(runWith(box, [&box]() { box.m_pbuttonBox->button(QDialogButtonBox::Yes)->click(); }), 1);
        }
        {
            // With the details button shown and the list unfolded, Enter still answers Yes.
            CVorkDialogUpdResult box(nullptr);
            box.setDetailedText(QStringLiteral("x"));
            QCOMPARE(runWith(box,
                             [&box]() {
                                 box.m_pbtnMoreInfo->click();
                                 QTest::keyClick(&box, Qt::Key_Return);
                             }),
                     1);
        }
    }

    void detailsToggle()
    {
        CVorkDialogUpdResult box(nullptr);
        box.setText(getString(IDS_PHOTO_FINISH_SUMMARY).arg(7).arg(3));
        box.setInformativeText(getString(IDS_PHOTO_LBL_CONNT_IMAGROVE));
        const QString details = getString(IDS_PHOTO_UPD_ERR_REPORT_MSG) + QStringLiteral("\r\n\r\n/a.jpg\r\n\r\n/b.jpg");
        box.setDetailedText(details);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box, tsup::guardMs()));
        QVERIFY(box.m_pbtnMoreInfo->isVisible());
        QVERIFY(!box.m_ptxtedtErrorMessage->isVisible());
        QVERIFY(!box.isDetailShown());
        const QSize folded = settledSize(box);
        QCOMPARE(box.minimumSize(), box.maximumSize());

        box.m_pbtnMoreInfo->click();
        QVERIFY(box.m_ptxtedtErrorMessage->isVisible());
        QVERIFY(box.isDetailShown());
        QCOMPARE(box.m_pbtnMoreInfo->text(), QStringLiteral("Hide Details..."));
        // The introduction, then each entry after a blank line.
        const QStringList lines = box.m_ptxtedtErrorMessage->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines, (QStringList{QStringLiteral("Failed to upload the following files. "),
                                     QStringLiteral("Please check the uploading privilege or server connection status."),
                                     QString(), QStringLiteral("/a.jpg"), QString(), QStringLiteral("/b.jpg")}));
        const QSize unfolded = settledSize(box);
        QVERIFY2(unfolded.height() > folded.height(), qPrintable(QStringLiteral("%1 <= %2").arg(unfolded.height()).arg(folded.height())));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.minimumSize(), unfolded);

        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/updresult-review");
        QDir().mkpath(dir);
        QVERIFY(box.grab().save(dir + QStringLiteral("/result-details-shown.png")));

        box.m_pbtnMoreInfo->click();
        QVERIFY(!box.m_ptxtedtErrorMessage->isVisible());
        QVERIFY(!box.isDetailShown());
        QCOMPARE(box.m_pbtnMoreInfo->text(), QStringLiteral("Show Details..."));
        QCOMPARE(settledSize(box), folded);
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(box.grab().save(dir + QStringLiteral("/result-details-hidden.png")));
    }
};

int main(int argc, char **argv)
{
    qputenv("LC_ALL", "C");
    QApplication app(argc, argv);
    TestUpdResult tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_updresult.moc"
