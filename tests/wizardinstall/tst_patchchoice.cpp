// The intro page of the install wizard: its layout by job and server state, the migration
// notes, the model rule that ties an installation file to a server, the checks of a chosen file
// and of a batch directory, the file and directory dialogs (answered by the test) and the
// directory they open in. Files are made by the test in temporary directories.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QtTest>

#include "CVorkWizardInstall.h"
#include "CWizInstIntro.h"
#include "installwiztest.h"

using iwt::makeRecord;

namespace {

const char *const VS209 = "quenlori_arm5281_vs209"; // shown as "VS-209"
const char *const VS409 = "quenlori_arm5281_vs409"; // shown as "VS-409"
const char *const MD1 = "maldren_arm5182_md1bay";   // the partner brand's "Maldren MD-1"

bool touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // Our own stand-in content: the page looks at names only.
    f.write("test installation file\n");
    return true;
}

} // namespace

class TestPatchChoice : public QObject
{
    Q_OBJECT

private:
    QString m_startDir;

private slots:
    void initTestCase()
    {
        iwt::setProgramNames();
        m_startDir = QDir::currentPath();
    }
    void init()
    {
        QSettings().remove(QStringLiteral("Global/patchDirPath"));
    }
    void cleanup()
    {
        QDir::setCurrent(m_startDir);
    }

    void matchTable_data()
    {
        QTest::addColumn<QString>("modelId");
        QTest::addColumn<QString>("modelName"); // empty: from the model-name table
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("matched");
        QTest::addColumn<qulonglong>("build");

        QTest::newRow("id prefix") << VS209 << "" << "quenlori_arm5281_vs209_1869.pat" << true
                                   << qulonglong(1869);
        QTest::newRow("id prefix, directories") << VS209 << ""
                                                << "/tmp/a-b/c/quenlori_arm5281_vs209_2000.pat"
                                                << true << qulonglong(2000);
        QTest::newRow("id prefix, other case") << VS209 << "" << "QUENLORI_ARM5281_VS209_1869.PAT"
                                               << true << qulonglong(1869);
        QTest::newRow("id prefix miss") << VS209 << "" << "quenlori_arm5281_vs409_1869.pat"
                                        << false << qulonglong(0);
        QTest::newRow("id without separator") << VS209 << "" << "quenlori_arm5281_vs2091869.pat"
                                              << false << qulonglong(0);
        QTest::newRow("name prefix with hyphen") << VS209 << "" << "vno_VS-209_1200.pat" << true
                                                 << qulonglong(1200);
        QTest::newRow("name prefix without hyphen") << VS209 << "" << "vno_VS209_1200.pat" << true
                                                    << qulonglong(1200);
        QTest::newRow("name prefix, other case") << VS209 << "" << "VNO_vs-209_1200.Pat" << true
                                                 << qulonglong(1200);
        QTest::newRow("name prefix miss") << VS209 << "" << "vno_VS-409_1200.pat" << false
                                          << qulonglong(0);
        QTest::newRow("name with blanks") << MD1 << "Maldren MD-1 Lite"
                                          << "vno_Maldren_MD-1_Lite_300.pat" << true
                                          << qulonglong(300);
        QTest::newRow("record's own model name") << VS209 << "VS 209 Pro" << "vno_VS_209_Pro_44.pat"
                                                 << true << qulonglong(44);
        QTest::newRow("rest not a number") << VS209 << "" << "quenlori_arm5281_vs209_beta.pat"
                                           << true << qulonglong(0);
        QTest::newRow("rest with hyphens") << VS209 << "" << "vno_VS-209_12-34.pat" << true
                                           << qulonglong(1234);
        QTest::newRow("prefix inside the name") << VS209 << ""
                                                << "copy_of_quenlori_arm5281_vs209_1869.pat"
                                                << true << qulonglong(0);
        QTest::newRow("no .pat ending") << VS209 << "" << "quenlori_arm5281_vs209_1869" << true
                                        << qulonglong(1869);
        QTest::newRow("no model identifier") << "" << "" << "anything_1869.pat" << false
                                             << qulonglong(0);
    }

    void matchTable()
    {
        QFETCH(QString, modelId);
        QFETCH(QString, modelName);
        QFETCH(QString, path);
        QFETCH(bool, matched);
        QFETCH(qulonglong, build);
        NASINFO n = makeRecord("02:53:56:00:00:0a", "Alpha", modelId.toLatin1().constData(), 100, 2);
        qstrncpy(n.szModelName, modelName.toLatin1().constData(), sizeof(n.szModelName));
        unsigned long got = 99;
        QCOMPARE(CWizInstIntro::matchPatchFile(path, &n, &got), matched);
        QCOMPARE(qulonglong(got), build);
        QCOMPARE(CWizInstIntro::matchPatchFile(path, &n, nullptr), matched);
    }

    void checkFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<uint>("state");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");

        const QString version =
            QStringLiteral("You have to use an installation file with 1869 or above version.");
        const QString model = QStringLiteral(
            "You have selected an installation file incompatible with the system model.");
        QTest::newRow("empty") << "" << 2u << false << QString();
        QTest::newRow("no prefix, any server") << "my-own-build.pat" << 2u << true << QString();
        QTest::newRow("partner file, unchecked") << "maldren_arm5182_md1bay_1.pat" << 2u << true
                                                 << QString();
        QTest::newRow("older vno") << "vno_VS-209_1000.pat" << 2u << false << version;
        QTest::newRow("older vno, migratable") << "vno_VS-209_1000.pat" << 14u << true << QString();
        QTest::newRow("same build") << "vno_VS209_1869.pat" << 2u << true << QString();
        QTest::newRow("newer id file") << "quenlori_arm5281_vs209_2001.pat" << 4u << true
                                       << QString();
        QTest::newRow("older id file") << "quenlori_arm5281_vs209_1868.pat" << 4u << false
                                       << version;
        QTest::newRow("wrong model, name") << "vno_VS-409_3000.pat" << 2u << false << model;
        QTest::newRow("wrong model, id") << "quenlori_arm5281_vs409_3000.pat" << 14u << false
                                         << model;
        QTest::newRow("build not readable") << "quenlori_arm5281_vs209_new.pat" << 2u << false
                                            << version;
    }

    void checkFile()
    {
        QFETCH(QString, file);
        QFETCH(uint, state);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, state));
        iwt::ModalDriver driver;
        const QString path = file.isEmpty() ? QString() : QStringLiteral("/nowhere/") + file;
        QCOMPARE(w.introPage()->checkPatchFile(path), accepted);
        if (message.isEmpty()) {
            QVERIFY(driver.boxes.isEmpty());
        } else {
            QCOMPARE(driver.texts(), QStringList{message});
            QCOMPARE(driver.boxes[0].title, QStringLiteral("Warning"));
            QCOMPARE(driver.boxes[0].buttons, QStringList{QStringLiteral("OK")});
        }
    }

    void fileDialog()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString good = tmp.filePath(QStringLiteral("files/quenlori_arm5281_vs209_1900.pat"));
        const QString old = tmp.filePath(QStringLiteral("files/quenlori_arm5281_vs209_100.pat"));
        QVERIFY(touch(good));
        QVERIFY(touch(old));
        QVERIFY(QDir::setCurrent(tmp.path()));

        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, 2));
        w.show();
        CWizInstIntro *page = w.introPage();
        QVERIFY(!page->isComplete());

        iwt::ModalDriver driver;
        driver.planFiles({good});
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QCOMPARE(driver.files.size(), 1);
        QCOMPARE(driver.files[0].title, QStringLiteral("Open"));
        QCOMPARE(driver.files[0].nameFilters, QStringList{QStringLiteral("Installation file(*.pat)")});
        QVERIFY(!driver.files[0].directories);
        QCOMPARE(driver.files[0].directory, QDir(tmp.path()).absolutePath());
        QCOMPARE(page->m_pedtPatFile->text(), QDir::toNativeSeparators(good));
        QCOMPARE(QSettings().value(QStringLiteral("Global/patchDirPath")).toString(),
                 QFileInfo(good).absolutePath());
        QVERIFY(page->isComplete());
        QVERIFY(w.button(QWizard::NextButton)->isEnabled());
        QCOMPARE(w.field(QStringLiteral("PatFile")).toString(), QDir::toNativeSeparators(good));

        // The next dialog opens where the last file came from.
        driver.reset();
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton); // cancelled
        QCOMPARE(driver.files.size(), 1);
        QCOMPARE(driver.files[0].directory, QFileInfo(good).absolutePath());
        // Cancelling empties the path chosen before, so Next is disabled again.
        QVERIFY(page->m_pedtPatFile->text().isEmpty());
        QVERIFY(!page->isComplete());
        QVERIFY(!w.button(QWizard::NextButton)->isEnabled());
        QVERIFY(driver.boxes.isEmpty());

        // A refused file empties the path too, after one box.
        driver.reset();
        driver.planFiles({good});
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QVERIFY(page->isComplete());
        driver.planFiles({old});
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QCOMPARE(driver.texts(), QStringList{QStringLiteral(
                                     "You have to use an installation file with 1869 or above version.")});
        QVERIFY(page->m_pedtPatFile->text().isEmpty());
        QVERIFY(!page->isComplete());

        // A path that vanished leaves the page incomplete.
        driver.reset();
        driver.planFiles({good});
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QVERIFY(page->isComplete());
        QVERIFY(QFile::remove(good));
        QVERIFY(!page->isComplete());
    }

    void patchDirPriorities()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString work = tmp.filePath(QStringLiteral("a/b"));
        QVERIFY(QDir().mkpath(work));
        QVERIFY(QDir::setCurrent(work));
        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, 2));
        CWizInstIntro *page = w.introPage();
        const QString cwd = QDir::currentPath();

        // Nothing there, nothing stored: the working directory.
        QCOMPARE(page->getPatchDirPath(), cwd);
        // A stored directory.
        QSettings().setValue(QStringLiteral("Global/patchDirPath"), tmp.filePath(QStringLiteral("kept")));
        QCOMPARE(page->getPatchDirPath(), tmp.filePath(QStringLiteral("kept")));
        // "../../VNO" without installation files does not count.
        QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("VNO"))));
        QVERIFY(touch(tmp.filePath(QStringLiteral("VNO/readme.txt"))));
        QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("VNO/sub.pat"))));
        QCOMPARE(page->getPatchDirPath(), tmp.filePath(QStringLiteral("kept")));
        // With one it wins over the stored directory.
        QVERIFY(touch(tmp.filePath(QStringLiteral("VNO/x.pat"))));
        QCOMPARE(page->getPatchDirPath(), QDir(tmp.filePath(QStringLiteral("VNO"))).canonicalPath());
        // An empty stored value counts as none.
        QVERIFY(QFile::remove(tmp.filePath(QStringLiteral("VNO/x.pat"))));
        QSettings().setValue(QStringLiteral("Global/patchDirPath"), QString());
        QCOMPARE(page->getPatchDirPath(), cwd);
    }

    void batchDirectory()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString dir = tmp.filePath(QStringLiteral("batch"));
        QVERIFY(touch(dir + QStringLiteral("/quenlori_arm5281_vs209_1869.pat")));
        QVERIFY(QDir::setCurrent(tmp.path()));

        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, 4));
        w.addNasinfo(makeRecord("02:53:56:00:00:0b", "Beta", VS409, 1869, 2));
        w.show();
        CWizInstIntro *page = w.introPage();
        QCOMPARE(page->m_groupBoxFile->title(),
                 QStringLiteral("Please select the directory containing all installation files."));

        iwt::ModalDriver driver;
        driver.planFiles({dir});
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QCOMPARE(driver.files.size(), 1);
        QCOMPARE(driver.files[0].title, QStringLiteral("Open"));
        QVERIFY(driver.files[0].dirsOnly);
        QVERIFY(driver.files[0].directories);
        QCOMPARE(driver.texts(), QStringList{QStringLiteral(
                                     "VNO for quenlori_arm5281_vs409 is not found in the "
                                     "specified location. Please select again.")});
        QVERIFY(page->m_pedtPatFile->text().isEmpty());
        QVERIFY(!page->isComplete());

        // A file older than its server is refused with the server's build.
        QVERIFY(touch(dir + QStringLiteral("/quenlori_arm5281_vs409_1000.pat")));
        driver.reset();
        driver.planFiles({dir});
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QCOMPARE(driver.texts(), QStringList{QStringLiteral(
                                     "You have to use an installation file with 1869 or above version.")});
        QVERIFY(page->m_pedtPatFile->text().isEmpty());

        QVERIFY(touch(dir + QStringLiteral("/quenlori_arm5281_vs409_2000.pat")));
        driver.reset();
        driver.planFiles({dir});
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QVERIFY(driver.boxes.isEmpty());
        QCOMPARE(page->m_pedtPatFile->text(), QDir::toNativeSeparators(QDir(dir).absolutePath()));
        QCOMPARE(QSettings().value(QStringLiteral("Global/patchDirPath")).toString(),
                 QDir(dir).absolutePath());
        QVERIFY(page->isComplete());

        // Cancelling empties it without a box (a cancelled dialog names no directory).
        driver.reset();
        QTest::mouseClick(page->m_pbtnOpen, Qt::LeftButton);
        QCOMPARE(driver.files.size(), 1);
        QCOMPARE(driver.files[0].directory, QDir(dir).absolutePath());
        QVERIFY(driver.boxes.isEmpty());
        QVERIFY(page->m_pedtPatFile->text().isEmpty());
    }

    void partnerModelInBatch()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString dir = tmp.filePath(QStringLiteral("batch"));
        QVERIFY(touch(dir + QStringLiteral("/quenlori_arm5281_vs209_1869.pat")));
        QVERIFY(touch(dir + QStringLiteral("/maldren_arm5182_md1bay_700.pat")));

        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, 2));
        w.addNasinfo(makeRecord("02:53:56:00:00:0c", "Gamma", MD1, 600, 2));
        CWizInstIntro *page = w.introPage();
        iwt::ModalDriver driver;
        QVERIFY(page->checkPatchDir(dir));
        QVERIFY(driver.boxes.isEmpty());

        // Its file older than the server: the version message with the server's build.
        w.addNasinfo(makeRecord("02:53:56:00:00:0d", "Delta", MD1, 900, 2));
        QVERIFY(!page->checkPatchDir(dir));
        QCOMPARE(driver.texts(), QStringList{QStringLiteral(
                                     "You have to use an installation file with 900 or above version.")});
    }

    void quickConfigurationLayout()
    {
        CVorkWizardInstall w(nullptr, nullptr, false);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, 0));
        CWizInstIntro *page = w.introPage();
        QCOMPARE(page->subTitle(), QStringLiteral(" "));
        w.show();
        QCOMPARE(page->title(), QStringLiteral("Welcome to the Setup Wizard!"));
        QCOMPARE(page->m_plabWelcome->text(),
                 QStringLiteral("Setup Wizard will help you complete the basic configurations of Alpha."));
        QVERIFY(page->m_groupBoxFile->isHidden());
        QVERIFY(!page->m_groupBoxFile->isEnabled());
        QVERIFY(page->m_plabWarnMsg->isHidden());
        QVERIFY(page->m_plblSysMigratType->isHidden());
        QVERIFY(page->m_groupBoxMode->isHidden());
        QVERIFY(page->m_prdoManual->isChecked());
        QVERIFY(!w.field(QStringLiteral("OneClickSetup")).toBool());
        QVERIFY(page->isComplete());
        QVERIFY(w.button(QWizard::NextButton)->isEnabled());
        QCOMPARE(page->nextId(), 1);
    }

    void installLayoutByState_data()
    {
        QTest::addColumn<uint>("state");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<QString>("welcome");
        const QString notInstalled = QStringLiteral(
            "Your Alpha has not installed any VNO. Setup Wizard will help you install VNO and "
            "complete the basic configurations.");
        QTest::newRow("not installed") << 2u << true << notInstalled;
        QTest::newRow("configuration lost") << 4u << false << notInstalled;
        QTest::newRow("migratable") << 14u << false
                                    << QStringLiteral(
                                           "Setup Wizard will install VNO and migrate existing "
                                           "system configurations (such as user accounts and "
                                           "privileges) stored on the hard drives to the new "
                                           "system.");
    }

    void installLayoutByState()
    {
        QFETCH(uint, state);
        QFETCH(bool, warning);
        QFETCH(QString, welcome);
        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, state));
        w.show();
        CWizInstIntro *page = w.introPage();
        QCOMPARE(page->m_plabWelcome->text(), welcome);
        QCOMPARE(page->m_plabWarnMsg->isVisible(), warning);
        if (warning) {
            QCOMPARE(page->m_plabWarnMsg->text(),
                     QStringLiteral("Note! All data in the hard drive(s) will be deleted."));
            QCOMPARE(page->m_plabWarnMsg->styleSheet(), QStringLiteral("color: red;"));
        }
        QVERIFY(page->m_groupBoxFile->isVisible());
        QVERIFY(page->m_groupBoxFile->isEnabled());
        QCOMPARE(page->m_groupBoxFile->title(),
                 QStringLiteral("Please input the path of installation file."));
        QCOMPARE(page->m_pbtnOpen->text(), QStringLiteral("Browse"));
        QVERIFY(page->m_pedtPatFile->isReadOnly());
        QVERIFY(page->m_groupBoxMode->isHidden());
        QVERIFY(!page->isComplete());
        QVERIFY(!w.button(QWizard::NextButton)->isEnabled());
    }

    void batchWarnsForAnyUninstalled()
    {
        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, 4));
        w.addNasinfo(makeRecord("02:53:56:00:00:0b", "Beta", VS409, 1869, 2));
        w.show();
        CWizInstIntro *page = w.introPage();
        QVERIFY(page->m_plabWarnMsg->isVisible());
        QCOMPARE(page->m_plabWelcome->text(),
                 QStringLiteral("You are about to install multiple servers. Setup Wizard will help "
                                "you install VNO and complete the basic configurations. Please put "
                                "the installation files for all servers into one directory."));
    }

    void migrationNotes_data()
    {
        QTest::addColumn<uint>("flags");
        QTest::addColumn<QString>("notes"); // empty: hidden
        const QString account = QStringLiteral(
            "Some application settings might be lost, but the information of user accounts and "
            "privileges will be migrated.");
        const QString package =
            QStringLiteral(" All packages will require reinstallation after migration.");
        const QString help = QStringLiteral(
            "(Refer to <a href=\"https://www.quenlori.com/knowledgebase/vno-migration\" "
            "target=\"_blank_\">here</a> for more information.)");
        const QString head = QStringLiteral("Important: ");
        QTest::newRow("none") << 0u << QString();
        QTest::newRow("other bits") << 0xF8u << QString();
        QTest::newRow("bit 0") << 1u << head + account + help;
        QTest::newRow("bit 1") << 2u << head + account + help;
        QTest::newRow("bit 2") << 4u << head + package + help;
        QTest::newRow("all") << 7u << head + account + package + help;
    }

    void migrationNotes()
    {
        QFETCH(uint, flags);
        QFETCH(QString, notes);
        NASINFO n = makeRecord("02:53:56:00:00:0a", "Alpha", VS209, 1869, 14);
        n.ulMigrateFlags = flags;
        CVorkWizardInstall w(nullptr, nullptr, true);
        w.addNasinfo(n);
        w.show();
        CWizInstIntro *page = w.introPage();
        QCOMPARE(page->m_plblSysMigratType->isVisible(), !notes.isEmpty());
        if (!notes.isEmpty()) {
            QCOMPARE(page->m_plblSysMigratType->text(), notes);
            QVERIFY(page->m_plblSysMigratType->openExternalLinks());
        }
    }
};

QTEST_MAIN(TestPatchChoice)
#include "tst_patchchoice.moc"
