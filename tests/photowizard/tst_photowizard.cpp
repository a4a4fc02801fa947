// The photo-profile wizard frame, its account page and its summary page: the pages an edit and
// an add run show, the record the wizard hands back, and the account and summary behaviour.

#include <QHeaderView>
#include <QRadioButton>
#include <QtTest>

#include "../shellwin/shelltestmain.h"
#include "CVorkNasinfoMap.h"
#include "HangGuard.h"
#include "photowiztest.h"
#include "platforms.h"

using namespace photowiztest;

namespace {
// "A" scrambled, worked out by hand from the scrambler's key and alphabet.
const char kScrambledA[] = "ZZ+-+-99zz99ZZ+-";
const char kStars[] = "********";

CPhotoUploadConfig personalProfile()
{
    CPhotoUploadConfig c(80, true, QStringLiteral("Home"), QStringLiteral("198.18.0.40"),
                         scrambleEncodeString(QStringLiteral("s3cret")), QStringLiteral("bob"),
                         true, QStringLiteral("bob"));
    c.setToConnect(true);
    return c;
}

CPhotoUploadConfig sharedProfile(const QString &scrambled, bool saveCred)
{
    return CPhotoUploadConfig(8080, saveCred, QStringLiteral("Lab"), QStringLiteral("198.18.0.41"),
                              scrambled, QStringLiteral("carol"), false, QString());
}

void compareRecords(const CPhotoUploadConfig &a, const CPhotoUploadConfig &b)
{
    QCOMPARE(a.getHostPort(), b.getHostPort());
    QCOMPARE(a.isSaveCred(), b.isSaveCred());
    QCOMPARE(a.isToConnect(), b.isToConnect());
    QCOMPARE(a.isPersonal(), b.isPersonal());
    QCOMPARE(a.getProfile(), b.getProfile());
    QCOMPARE(a.getHostAddr(), b.getHostAddr());
    QCOMPARE(a.getPassword(), b.getPassword());
    QCOMPARE(a.getAccount(), b.getAccount());
    QCOMPARE(a.getPersonalName(), b.getPersonalName());
}

// Every message line written while it lives.
QStringList g_messages;
void keepMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    g_messages << text;
}
struct MessageCapture {
    QtMessageHandler previous;
    MessageCapture() : previous(qInstallMessageHandler(keepMessage)) { g_messages.clear(); }
    ~MessageCapture() { qInstallMessageHandler(previous); }
};

QStringList rowTexts(QTreeWidget *tree)
{
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        rows << tree->topLevelItem(i)->text(0) + "=" + tree->topLevelItem(i)->text(1);
    return rows;
}
} // namespace

class TestPhotoWizard : public QObject
{
    Q_OBJECT

private:
    CVorkNasinfoMap m_map;

private slots:
    void init() { clearStoredProfiles(); }

    // ---- frame ----

    void editRunPages()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(personalProfile());
        w.show();
        QCOMPARE(w.pageIds(), (QList<int>{1, 2, 3}));
        QCOMPARE(w.currentId(), 1);
        QVERIFY(!backButton(w)->isVisible());
        QCOMPARE(w.getWizardType(), 6);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quenlori Vornakeeper - Setup Wizard"));
        QVERIFY(qobject_cast<CVorkWizardPhotoUpload *>(static_cast<QWizard *>(&w)));

        CVorkWizardPhotoUpload add(nullptr, nullptr, &m_map, nullptr, false);
        QCOMPARE(add.getWizardType(), 6);
        QCOMPARE(add.pageIds(), (QList<int>{0, 1, 2, 3}));
        QVERIFY(add.serverChoicePage());
        QVERIFY(!w.serverChoicePage());
    }

    void validateWithoutPage()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        QCOMPARE(w.currentId(), -1);
        QVERIFY(!w.validateCurrentPage());
    }

    void heldRecord()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        QVERIFY(!w.getConfig());
        CPhotoUploadConfig mine = personalProfile();
        w.setPhotoUploadConfig(mine);
        QVERIFY(w.getConfig());
        QVERIFY(w.getConfig() != &mine);
        compareRecords(*w.getConfig(), mine);
        // Handing the wizard its own record keeps the values.
        w.setPhotoUploadConfig(*w.getConfig());
        compareRecords(*w.getConfig(), mine);
        w.clearConfig();
        QVERIFY(!w.getConfig());
    }

    void buildFollowsFields()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(personalProfile());
        w.show();
        w.setField("HostPort", QStringLiteral("abc"));
        w.setField("Password", QStringLiteral("A"));
        w.setField("SaveCred", false);
        const CPhotoUploadConfig first = *w.getPhotoUploadConfig();
        QCOMPARE(first.getHostPort(), 0);
        QCOMPARE(first.getPassword(), QString::fromLatin1(kScrambledA));
        QVERIFY(!first.isSaveCred());
        QCOMPARE(scrambleDecodeString(first.getPassword()), QStringLiteral("A"));

        w.setField("HostPort", QStringLiteral("8081"));
        w.setField("Profile", QStringLiteral("Other"));
        w.setField("ToConnect", false);
        CPhotoUploadConfig *second = w.getPhotoUploadConfig();
        QCOMPARE(w.getConfig(), second);
        QCOMPARE(second->getHostPort(), 8081);
        QCOMPARE(second->getProfile(), QStringLiteral("Other"));
        QVERIFY(!second->isToConnect());
        QCOMPARE(first.getProfile(), QStringLiteral("Home"));
        QVERIFY(first.isToConnect());
    }

    void cancelLeavesCallerRecord()
    {
        const CPhotoUploadConfig original = personalProfile();
        CPhotoUploadConfig mine = original;
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(mine);
        w.show();
        typeInto(w.addressPage()->m_pedtHost, QStringLiteral("198.18.0.99"));
        nextButton(w)->click();
        typeInto(w.accountPage()->m_pedtAccount, QStringLiteral("mallory"));
        w.button(QWizard::CancelButton)->click();
        QCOMPARE(w.result(), int(QDialog::Rejected));
        compareRecords(mine, original);
    }

    // The caller's road: exec, Next, Next, Finish, then copy the record.
    void fullEditRun()
    {
        CPhotoUploadConfig stored = personalProfile();
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setNasinfo(nullptr);
        w.setPhotoUploadConfig(stored);
        BoxAnswerer boxes;
        MessageCapture messages;
        QStringList visited;
        QTimer::singleShot(0, &w, [&] {
            visited << QString::number(w.currentId());
            typeInto(w.addressPage()->m_pedtPort, QStringLiteral("8088"));
            nextButton(w)->click();
            visited << QString::number(w.currentId());
            typeInto(w.accountPage()->m_pedtPassword, QStringLiteral("new pass"));
            w.accountPage()->m_pchkSaveCred->setChecked(false);
            nextButton(w)->click();
            visited << QString::number(w.currentId());
            w.summaryPage()->m_pchkConnect->setChecked(false);
            finishButton(w)->click();
        });
        QTimer::singleShot(tsup::guardMs(5000), &w, &QWizard::reject); // bound: never hang on a lost click
        QCOMPARE(w.exec(), int(QDialog::Accepted));
        QCOMPARE(visited, (QStringList{"1", "2", "3"}));
        QVERIFY(boxes.seen.isEmpty());
        const CPhotoUploadConfig result = *w.getPhotoUploadConfig();
        QCOMPARE(result.getHostPort(), 8088);
        QVERIFY(!result.isSaveCred());
        QVERIFY(!result.isToConnect());
        QVERIFY(result.isPersonal());
        QCOMPARE(result.getProfile(), QStringLiteral("Home"));
        QCOMPARE(result.getHostAddr(), QStringLiteral("198.18.0.40"));
        QCOMPARE(result.getPassword(), scrambleEncodeString(QStringLiteral("new pass")));
        QCOMPARE(result.getAccount(), QStringLiteral("bob"));
        QCOMPARE(result.getPersonalName(), QStringLiteral("bob"));
        // Neither the stored password (decoded on page 2) nor the typed one reaches a debug line.
        for (const QString &line : g_messages)
            QVERIFY2(!line.contains("s3cret") && !line.contains("new pass"), qPrintable(line));
    }

    void addRunByHand()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        w.setNasinfo(nullptr);
        w.show();
        chooseManualSetup(w);
        typeInto(w.addressPage()->m_pedtHost, QStringLiteral("198.18.0.12"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        finishButton(w)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        const CPhotoUploadConfig *r = w.getPhotoUploadConfig();
        QCOMPARE(r->getHostAddr(), QStringLiteral("198.18.0.12"));
        QCOMPARE(r->getHostPort(), 80);
        QCOMPARE(r->getProfile(), QStringLiteral("198.18.0.12"));
        QCOMPARE(r->getAccount(), QStringLiteral("admin"));
        QVERIFY(r->getPassword().isEmpty() && !r->getPassword().isNull());
        QVERIFY(!r->isSaveCred());
        QVERIFY(!r->isPersonal());
        QCOMPARE(r->getPersonalName(), QStringLiteral("User1"));
        QVERIFY(r->isToConnect());
    }

    // ---- account page ----

    void accountNewProfile()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w, tsup::guardMs()));
        chooseManualSetup(w);
        typeInto(w.addressPage()->m_pedtHost, QStringLiteral("198.18.0.12"));
        BoxAnswerer boxes;
        nextButton(w)->click();
        CWizPhotoPWDialog *p = w.accountPage();
        QCOMPARE(p->m_pedtAccount->text(), QStringLiteral("admin"));
        QCOMPARE(p->m_pedtPassword->text(), QString());
        QCOMPARE(w.focusWidget(), static_cast<QWidget *>(p->m_pedtPassword));
        QVERIFY(!p->m_pchkSaveCred->isChecked());
        QVERIFY(p->m_pradImagrove->isChecked());
        QCOMPARE(p->m_pradImagrove->text(), QStringLiteral("Imagrove"));
        QCOMPARE(p->m_pedtPersonalName->text(), QStringLiteral("User1"));
        QVERIFY(!p->m_pedtPersonalName->isEnabled());
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        QVERIFY(boxes.seen.isEmpty());
    }

    void accountFromProfile_data()
    {
        QTest::addColumn<bool>("personal");
        QTest::addColumn<QString>("scrambled");
        QTest::addColumn<bool>("saveCred");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("focused");
        QTest::newRow("personal, remembered")
            << true << scrambleEncodeString(QStringLiteral("s3cret")) << true << "bob"
            << "s3cret" << false;
        QTest::newRow("not remembered") << false << "" << false << "carol" << "" << true;
        // A stored form the scrambler cannot read: the whole record is ignored.
        QTest::newRow("undecodable") << false << "abc" << true << "admin" << "" << true;
    }
    void accountFromProfile()
    {
        QFETCH(bool, personal);
        QFETCH(QString, scrambled);
        QFETCH(bool, saveCred);
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(bool, focused);
        CPhotoUploadConfig stored = personal ? personalProfile() : sharedProfile(scrambled, saveCred);
        QVERIFY(scrambleDecodeString(QStringLiteral("abc")).isNull());

        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(stored);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w, tsup::guardMs()));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        CWizPhotoPWDialog *p = w.accountPage();
        QCOMPARE(p->m_pedtAccount->text(), account);
        QCOMPARE(p->m_pedtPassword->text(), password);
        QCOMPARE(w.focusWidget() == p->m_pedtPassword, focused);
        const bool recordUsed = QTest::currentDataTag() != QByteArray("undecodable");
        QCOMPARE(p->m_pchkSaveCred->isChecked(), recordUsed && saveCred);
        QCOMPARE(p->m_pradPersonalImagrove->isChecked(), personal);
        QCOMPARE(p->m_pradImagrove->isChecked(), !personal);
        QCOMPARE(p->m_pedtPersonalName->isEnabled(), personal);
        QCOMPARE(p->m_pedtPersonalName->text(), personal ? QStringLiteral("bob")
                                                         : QStringLiteral("User1"));
    }

    void accountChecksInOrder()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w, tsup::guardMs()));
        chooseManualSetup(w);
        typeInto(w.addressPage()->m_pedtHost, QStringLiteral("198.18.0.12"));
        nextButton(w)->click();
        CWizPhotoPWDialog *p = w.accountPage();
        p->m_pradPersonalImagrove->click();
        QVERIFY(p->m_pedtPersonalName->isEnabled());
        typeInto(p->m_pedtPersonalName, QString());
        typeInto(p->m_pedtAccount, QString());

        BoxAnswerer boxes;
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Warning"));
        QCOMPARE(boxes.seen.first().text,
                 QStringLiteral("Please enter the name of a Personal Imagrove"));
        QCOMPARE(boxes.seen.first().buttons, QStringList{"OK"});
        QCOMPARE(w.focusWidget(), static_cast<QWidget *>(p->m_pedtPersonalName));

        boxes.reset();
        typeInto(p->m_pedtPersonalName, QStringLiteral("dave"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QCOMPARE(boxes.texts(), QStringList{"Enter a Imagrove account"});
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Warning"));
        QCOMPARE(w.focusWidget(), static_cast<QWidget *>(p->m_pedtAccount));

        // Blanks are an account; the password may stay empty.
        boxes.reset();
        typeInto(p->m_pedtAccount, QStringLiteral("   "));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(w.getConfig()->getAccount(), QStringLiteral("   "));
    }

    void accountPasswordLimit()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(sharedProfile(QString(), false));
        w.show();
        nextButton(w)->click();
        QLineEdit *edit = w.accountPage()->m_pedtPassword;
        QTest::keyClicks(edit, QString(254, QLatin1Char('x')));
        QCOMPARE(edit->text().size(), 254);
        QTest::keyClick(edit, 'y');
        QCOMPARE(edit->text(), QString(254, QLatin1Char('x')));
        QVERIFY(edit->validator());
        QString longer(255, QLatin1Char('z'));
        int pos = 0;
        QCOMPARE(edit->validator()->validate(longer, pos), QValidator::Invalid);
    }

    void accountEntriesSurviveBackAndNext()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(sharedProfile(QString(), false));
        w.show();
        nextButton(w)->click();
        CWizPhotoPWDialog *p = w.accountPage();
        p->m_pradPersonalImagrove->click();
        typeInto(p->m_pedtPersonalName, QStringLiteral("erin"));
        // Switching site keeps the typed name, greyed out, and in the field.
        p->m_pradImagrove->click();
        QVERIFY(!p->m_pedtPersonalName->isEnabled());
        QCOMPARE(p->m_pedtPersonalName->text(), QStringLiteral("erin"));
        QCOMPARE(w.field("PersonalName").toString(), QStringLiteral("erin"));
        p->m_pradPersonalImagrove->click();
        QVERIFY(p->m_pedtPersonalName->isEnabled());
        QCOMPARE(p->m_pedtPersonalName->text(), QStringLiteral("erin"));

        typeInto(p->m_pedtAccount, QStringLiteral("frank"));
        typeInto(p->m_pedtPassword, QStringLiteral("pw"));
        p->m_pchkSaveCred->setChecked(true);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        backButton(w)->click();
        backButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QCOMPARE(p->m_pedtAccount->text(), QStringLiteral("frank"));
        QCOMPARE(p->m_pedtPassword->text(), QStringLiteral("pw"));
        QVERIFY(p->m_pchkSaveCred->isChecked());
        QVERIFY(p->m_pradPersonalImagrove->isChecked());
        QCOMPARE(p->m_pedtPersonalName->text(), QStringLiteral("erin"));
    }

    void accountTexts()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        CWizPhotoPWDialog *p = w.accountPage();
        QCOMPARE(p->title(), QStringLiteral("Enter password"));
        QCOMPARE(p->subTitle(), QString());
        QCOMPARE(p->m_plblUploadTo->text(), QStringLiteral("Upload to"));
        QCOMPARE(p->m_pradPersonalImagrove->text(), QStringLiteral("Personal Imagrove:"));
        QCOMPARE(p->m_plblInputAccountPasswd->text(),
                 QStringLiteral("Please enter the account and password for Imagrove"));
        QCOMPARE(p->m_plblAccount->text(), QStringLiteral("Account:"));
        QCOMPARE(p->m_plblPassword->text(), QStringLiteral("Password:"));
        QCOMPARE(p->m_pchkSaveCred->text(), QStringLiteral("Remember password"));
        QCOMPARE(p->m_pgrpHint->title(), QStringLiteral("Hint:"));
        QVERIFY(p->m_plblHint->text().startsWith("Only admin or the user with uploading"));
        QCOMPARE(p->m_pedtPassword->echoMode(), QLineEdit::Password);
        // Before the first entry neither site is chosen.
        QVERIFY(!p->m_pradImagrove->isChecked() && !p->m_pradPersonalImagrove->isChecked());
    }

    // ---- summary page ----

    void summaryRows_data()
    {
        QTest::addColumn<bool>("personal");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("url");
        QTest::newRow("personal, port 80") << true << "80" << "" << "http://host/~bob/photo/";
        QTest::newRow("shared, port 8080") << false << "8080" << QString(254, QLatin1Char('p'))
                                           << "http://host:8080/photo/";
    }
    void summaryRows()
    {
        QFETCH(bool, personal);
        QFETCH(QString, port);
        QFETCH(QString, password);
        QFETCH(QString, url);
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        w.show();
        chooseManualSetup(w);
        typeInto(w.addressPage()->m_pedtHost, QStringLiteral("localhost"));
        typeInto(w.addressPage()->m_pedtPort, port);
        typeInto(w.addressPage()->m_pedtProfile, QStringLiteral("P1"));
        nextButton(w)->click();
        CWizPhotoPWDialog *p = w.accountPage();
        if (personal) {
            p->m_pradPersonalImagrove->click();
            typeInto(p->m_pedtPersonalName, QStringLiteral("bob"));
        }
        typeInto(p->m_pedtPassword, password);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        QTreeWidget *tree = w.summaryPage()->m_ptrwConfig;
        const QStringList expected = {"Profile Name=P1", "Imagrove URL=" + url.replace("host", "localhost"),
                                      "Account=admin", QStringLiteral("Password=") + kStars,
                                      "Remember password=No"};
        QCOMPARE(rowTexts(tree), expected);

        // Back and Next again: five rows, not ten, following the fields.
        backButton(w)->click();
        QCOMPARE(tree->topLevelItemCount(), 0);
        p->m_pchkSaveCred->setChecked(true);
        nextButton(w)->click();
        QCOMPARE(tree->topLevelItemCount(), 5);
        QCOMPARE(tree->topLevelItem(4)->text(1), QStringLiteral("Yes"));
    }

    void summaryConnectChoice_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::newRow("add") << false;
        QTest::newRow("edit") << true;
    }
    void summaryConnectChoice()
    {
        QFETCH(bool, edit);
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, edit);
        CPhotoUploadConfig stored = sharedProfile(QString(), false);
        stored.setToConnect(false);
        if (edit)
            w.setPhotoUploadConfig(stored);
        w.show();
        if (!edit) {
            chooseManualSetup(w);
            typeInto(w.addressPage()->m_pedtHost, QStringLiteral("198.18.0.12"));
        }
        nextButton(w)->click();
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        QCheckBox *box = w.summaryPage()->m_pchkConnect;
        QVERIFY(box->isChecked());
        QVERIFY(w.getConfig()->isToConnect());
        box->setChecked(false);
        backButton(w)->click();
        nextButton(w)->click();
        QVERIFY(!box->isChecked());
        QVERIFY(!w.getConfig()->isToConnect());

        BoxAnswerer boxes;
        finishButton(w)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(!w.getPhotoUploadConfig()->isToConnect());
    }

    void summaryLook()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        CWizPhotoSummary *p = w.summaryPage();
        QCOMPARE(p->title(), QStringLiteral("Configuration report"));
        QCOMPARE(p->subTitle(), QStringLiteral("The following configurations will be applied:"));
        QCOMPARE(p->m_ptrwConfig->headerItem()->text(0), QStringLiteral("Item"));
        QCOMPARE(p->m_ptrwConfig->headerItem()->text(1), QStringLiteral("Value"));
        QCOMPARE(p->m_pgrpHint->title(), QStringLiteral("Hint:"));
        QVERIFY(p->m_plblHint->text().startsWith("Please review the settings"));
        QCOMPARE(p->m_pchkConnect->text(), QStringLiteral("Connect immediately"));
        QTreeWidget *tree = p->m_ptrwConfig;
        QVERIFY(tree->alternatingRowColors());
        QCOMPARE(tree->selectionMode(), QAbstractItemView::NoSelection);
        QVERIFY(!tree->rootIsDecorated());
        QCOMPARE(tree->indentation(), 0);
        QCOMPARE(tree->header()->sectionResizeMode(1), QHeaderView::Stretch);
        QVERIFY(tree->styleSheet().contains("rgb(244, 244, 234)"));
        QVERIFY(tree->styleSheet().contains("rgb(149, 167, 238)"));
        QCOMPARE(tree->topLevelItemCount(), 0);
    }
};

static int noChildCase(const QByteArray &)
{
    return 1;
}

VORK_SHELL_TEST_MAIN(TestPhotoWizard, noChildCase)
#include "tst_photowizard.moc"
