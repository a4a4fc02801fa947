// The password, start and finish pages inside a small wizard, offscreen.
#include <QAbstractButton>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cstring>

#include "CQuenWizard.h"
#include "CWaitScale.h"
#include "CWizCnfmPWDialog.h"
#include "CWizFinishPage.h"
#include "CWizStartDialog.h"
#include "HangGuard.h"
#include "StringTable.h"
#include "shelltestmain.h"

namespace {

class TinyWizard : public CQuenWizard
{
public:
    TinyWizard() : CQuenWizard(nullptr, nullptr) {}
    bool validateCurrentPage() override { return QWizard::validateCurrentPage(); }
    int getWizardType() const override { return WIZARD_MEM_TEST; }
};

NASINFO recordOfBuild(uint32_t build)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    strcpy(n.szMac, "02:53:56:00:00:01");
    n.ulBuild = build;
    return n;
}

// The wizard with its three pages, as the memory-test wizard arranges them.
struct Pages {
    TinyWizard wizard;
    CWizStartDialog *start = new CWizStartDialog;
    CWizCnfmPWDialog *password = new CWizCnfmPWDialog;
    CWizFinishPage *finish = new CWizFinishPage;

    explicit Pages(uint32_t build)
    {
        wizard.addPage(start);
        wizard.addPage(password);
        wizard.addPage(finish);
        const NASINFO n = recordOfBuild(build);
        wizard.setNasinfo(&n);
        wizard.show();
    }
};

// The page's own timer (there is only one) and a count of its ticks.
struct TickCounter {
    int ticks = 0;
    explicit TickCounter(CWizFinishPage *page)
    {
        QTimer *timer = page->findChild<QTimer *>();
        if (timer)
            QObject::connect(timer, &QTimer::timeout, [this]() { ++ticks; });
    }
};

} // namespace

class TestStatusPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // 500 ms ticks become 1 ms: 1200 ticks pass in about a second.
        CWaitScale::setDivisor(500);
    }

    void passwordPageTexts()
    {
        CWizCnfmPWDialog page;
        QCOMPARE(page.title(), QStringLiteral("Enter password"));
        QCOMPARE(page.subTitle(), getString(IDS_LBL_ENTER_PASSWD));
        QCOMPARE(page.m_plblAdminTitle->text(), QStringLiteral("Administrator's account:"));
        QCOMPARE(page.m_pedtAdminAccount->text(), QStringLiteral("admin"));
        QVERIFY(page.m_pedtAdminAccount->textInteractionFlags() & Qt::TextSelectableByMouse);
        QVERIFY(page.m_pedtAdminAccount->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QCOMPARE(page.m_plblPasswd->text(), QStringLiteral("Password:"));
        QCOMPARE(page.m_plblPasswd->buddy(), static_cast<QWidget *>(page.m_pedtPassword));
        QCOMPARE(page.m_pedtPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(page.m_pgrpHint->title(), QStringLiteral("Hint:"));
        QCOMPARE(page.m_plblHint->text(), QStringLiteral(" "));
        page.setHint(getString(IDS_HELP_MEM_TEST_PASSWD));
        QVERIFY(page.m_plblHint->text().startsWith(QStringLiteral("Only the administrator")));

        CWizStartDialog start;
        QCOMPARE(start.title(), QStringLiteral(" "));
        QCOMPARE(start.subTitle(), QStringLiteral(" "));
        QVERIFY(start.m_plblStatus->isHidden());

        CWizFinishPage finish;
        QCOMPARE(finish.title(), QStringLiteral("Conclusion"));
        QVERIFY(finish.m_plblStatus->isHidden());
        QVERIFY(finish.m_pprgBar->isHidden());
        QVERIFY(!finish.isComplete());
        QVERIFY(!finish.findChild<QTimer *>());
    }

    void passwordLength_data()
    {
        QTest::addColumn<uint>("build");
        QTest::addColumn<int>("kept");
        QTest::newRow("build 559") << 559u << 12;
        QTest::newRow("build 560") << 560u << 20;
    }

    void passwordLength()
    {
        QFETCH(uint, build);
        QFETCH(int, kept);
        Pages p(build);
        p.wizard.next();
        QCOMPARE(p.wizard.currentPage(), static_cast<QWizardPage *>(p.password));
        QTest::keyClicks(p.password->m_pedtPassword, QStringLiteral("abcdefghij0123456789"));
        QCOMPARE(p.password->m_pedtPassword->text().size(), kept);
        QCOMPARE(p.wizard.field(QStringLiteral("ConfirmPasswd")).toString(),
                 QStringLiteral("abcdefghij0123456789").left(kept));
        QCOMPARE(p.password->m_pedtPassword->maxLength(), build > 559 ? 127 : 12);
    }

    void backAndNextKeepThePassword()
    {
        Pages p(2000);
        p.wizard.next();
        QTest::keyClicks(p.password->m_pedtPassword, QStringLiteral("s3cret pw"));
        p.wizard.back();
        QCOMPARE(p.wizard.currentPage(), static_cast<QWizardPage *>(p.start));
        p.wizard.next();
        QCOMPARE(p.password->m_pedtPassword->text(), QStringLiteral("s3cret pw"));
        p.wizard.next();
        QCOMPARE(p.wizard.currentPage(), static_cast<QWizardPage *>(p.finish));
        p.wizard.back();
        QCOMPARE(p.wizard.field(QStringLiteral("ConfirmPasswd")).toString(), QStringLiteral("s3cret pw"));
    }

    void statusLine()
    {
        Pages p(2000);
        p.start->setStatus(QStringLiteral("Checking"));
        QVERIFY(!p.start->m_plblStatus->isHidden());
        QCOMPARE(p.start->m_plblStatus->text(), QStringLiteral("Checking"));
        p.start->setStatus(QString());
        QVERIFY(p.start->m_plblStatus->isHidden());
        p.start->setStatus(QStringLiteral("Again"));
        QVERIFY(!p.start->m_plblStatus->isHidden());

        p.finish->setStatus(QStringLiteral("Running"));
        QVERIFY(!p.finish->m_plblStatus->isHidden());
        p.finish->setStatus(QString());
        QVERIFY(p.finish->m_plblStatus->isHidden());
    }

    // A second start while counting restarts the count with the new values: one signal, after
    // the second run's 1200 ticks.
    void restartCountsTheSecondRun()
    {
        Pages p(2000);
        p.wizard.next();
        p.wizard.next();
        QSignalSpy timeouts(p.finish, &CWizFinishPage::signalTimeout);
        p.finish->startProgress(0, 500, 125000);
        QVERIFY(p.finish->isCounting());
        QVERIFY(!p.finish->m_pprgBar->isHidden());
        QCOMPARE(p.finish->m_pprgBar->maximum(), 125000);
        QTest::qWait(20);
        p.finish->startProgress(0, 500, 600000);
        TickCounter counter(p.finish);
        QCOMPARE(p.finish->getValue(), 0);
        QCOMPARE(p.finish->m_pprgBar->maximum(), 600000);
        QVERIFY(timeouts.wait(tsup::guardMs(60000)));
        QCOMPARE(timeouts.count(), 1);
        QCOMPARE(counter.ticks, 1200);
        QCOMPARE(p.finish->getValue(), 600000);
        QCOMPARE(p.finish->m_pprgBar->value(), 600000);
        QVERIFY(!p.finish->isCounting());
        QTest::qWait(100);
        QCOMPARE(timeouts.count(), 1);
        QCOMPARE(counter.ticks, 1200);
    }

    // The bar never shows past its maximum when the step does not divide it.
    void unevenStepEndsAtTheMaximum()
    {
        Pages p(2000);
        QSignalSpy timeouts(p.finish, &CWizFinishPage::signalTimeout);
        p.finish->startProgress(100, 500, 1200);
        QCOMPARE(p.finish->m_pprgBar->value(), 100);
        QVERIFY(timeouts.wait(tsup::guardMs(10000)));
        QCOMPARE(p.finish->getValue(), 1600);
        QCOMPARE(p.finish->m_pprgBar->value(), 1200);
    }

    void setCompleteStopsAndFills()
    {
        Pages p(2000);
        p.wizard.next();
        p.wizard.next();
        QAbstractButton *finishButton = p.wizard.button(QWizard::FinishButton);
        QSignalSpy timeouts(p.finish, &CWizFinishPage::signalTimeout);
        QSignalSpy changed(p.finish, &QWizardPage::completeChanged);
        p.finish->startProgress(0, 500, 600000);
        QVERIFY(!finishButton->isEnabled());

        p.finish->setComplete(false);
        QVERIFY(!p.finish->isCounting());
        QCOMPARE(p.finish->m_pprgBar->value(), 600000);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!p.finish->isComplete());
        QVERIFY(!finishButton->isEnabled());
        QTest::qWait(50);
        QCOMPARE(timeouts.count(), 0);

        p.finish->setComplete(true);
        QVERIFY(p.finish->isComplete());
        QVERIFY(finishButton->isEnabled());
    }

    void maximumMinusOneStops()
    {
        Pages p(2000);
        QSignalSpy timeouts(p.finish, &CWizFinishPage::signalTimeout);
        p.finish->startProgress(0, 500, 600000);
        QVERIFY(p.finish->isCounting());
        p.finish->startProgress(0, 500, -1);
        QVERIFY(!p.finish->isCounting());
        QVERIFY(p.finish->m_pprgBar->isHidden());
        QVERIFY(!p.finish->isComplete());
        QTest::qWait(50);
        QCOMPARE(timeouts.count(), 0);
        // Stopping before any start needs no timer.
        CWizFinishPage fresh;
        fresh.startProgress(0, 500, -1);
        QVERIFY(fresh.m_pprgBar->isHidden());
    }

    // Going back takes the tick away; a later start must still reach its end (the memory-test
    // wizard's retry).
    void countAgainAfterGoingBack()
    {
        Pages p(2000);
        p.wizard.next();
        p.wizard.next();
        QSignalSpy timeouts(p.finish, &CWizFinishPage::signalTimeout);
        p.finish->setStatus(QStringLiteral("Testing"));
        p.finish->startProgress(0, 500, 600000);
        p.finish->setSubTitle(QStringLiteral("Running"));
        p.wizard.back();
        QCOMPARE(p.finish->subTitle(), QStringLiteral(" "));
        QVERIFY(p.finish->m_plblStatus->isHidden());
        QVERIFY(p.finish->m_pprgBar->isHidden());
        QVERIFY(!p.finish->isCounting());
        QVERIFY(!p.finish->isComplete());

        p.wizard.next();
        p.finish->startProgress(0, 500, 10000);
        QVERIFY(timeouts.wait(tsup::guardMs(20000)));
        QCOMPARE(timeouts.count(), 1);
        QCOMPARE(p.finish->getValue(), 10000);
        // Still one timer, made once.
        QCOMPARE(p.finish->findChildren<QTimer *>().size(), 1);
    }

    void pageWithoutWizardOrRecordIsFatal_data()
    {
        QTest::addColumn<QByteArray>("childCase");
        QTest::addColumn<QString>("message");
        QTest::newRow("plain wizard") << QByteArray("plainwizard") << QStringLiteral("pWizard = NULL");
        QTest::newRow("no record") << QByteArray("norecord") << QStringLiteral("pnasInfo = NULL");
    }

    void pageWithoutWizardOrRecordIsFatal()
    {
        QFETCH(QByteArray, childCase);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VORK_CHILD_CASE"), QString::fromLatin1(childCase));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(tsup::guardMs(30000)));
        const QString err = QString::fromLocal8Bit(child.readAllStandardError());
        QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("src/WizardCommon/CWizCnfmPWDialog:")), qPrintable(err));
        QVERIFY2(err.contains(message), qPrintable(err));
    }
};

static int childCase(const QByteArray &name)
{
    CWizCnfmPWDialog *page = new CWizCnfmPWDialog;
    if (name == "plainwizard") {
        QWizard plain;
        plain.addPage(page);
        plain.show();
        plain.restart();
    } else if (name == "norecord") {
        TinyWizard wizard;
        wizard.addPage(page);
        wizard.show();
        wizard.restart();
    }
    return 0; // reached only when no fatal error was raised
}

VORK_SHELL_TEST_MAIN(TestStatusPages, childCase)
#include "tst_statuspages.moc"
