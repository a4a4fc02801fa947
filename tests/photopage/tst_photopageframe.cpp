// The photo-upload page as the main window sees it: its signals, the server list made from the
// stored profiles, the profile slots the main window calls back, upload mode holding up quitting,
// the removal question and the clean-up of the work folder.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "CPhotoUploadConfig.h"
#include "CVorkWindowPhotoUpload.h"
#include "StringTable.h"
#include "platforms.h"

namespace {

const QString Group = QStringLiteral("PhotoUploader/RegisteredHosts/");

// A profile with its password stored, so that selecting it logs in without a prompt. Port 9 on
// loopback has no listener: the login fails at once with a refused connection.
void store(const QString &profile, const QString &account)
{
    CPhotoUploadConfig c(9, true, profile, QStringLiteral("127.0.0.1"), scrambleEncodeString(QStringLiteral("pw")),
                         account, false, QString());
    c.save(Group);
}

QStringList rows(const QTreeWidget *tree)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = tree->topLevelItem(i);
        out << it->text(0) + QLatin1Char('|') + it->text(1) + QLatin1Char('|') +
                   it->data(0, Qt::UserRole).toString();
    }
    return out;
}

// Answers the next modal message box with the button of that text; records what it showed.
struct BoxAnswer {
    QString title, text;
    QStringList buttons;
    bool seen = false;

    void answerWith(const QString &button)
    {
        auto *timer = new QTimer;
        auto polls = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [this, timer, polls, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                if (++*polls > 500)
                    timer->deleteLater();
                return;
            }
            seen = true;
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            // Escape must not answer the question.
            QTest::keyClick(box, Qt::Key_Escape);
            if (QApplication::activeModalWidget() != box)
                return;
            for (QAbstractButton *b : box->buttons())
                if (b->text() == button)
                    b->click();
            timer->deleteLater();
        });
        timer->start(10);
    }
};

} // namespace

class TestPhotoPageFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        QVERIFY(!qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
        qRegisterMetaType<CVorkNasinfoMap::TKey>("CVorkNasinfoMap::TKey");
    }

    void init()
    {
        QSettings().clear();
    }

    void frameAndStoredProfiles()
    {
        store(QStringLiteral("Zeta"), QStringLiteral("zoe"));
        store(QStringLiteral("alpha"), QStringLiteral("al"));
        store(QStringLiteral("Beta"), QStringLiteral("bo"));
        CVorkWindowPhotoUpload page;
        QVERIFY(!page.statusBar()->isVisible());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(page.m_plblConnectStatus->text(),
                 getString(IDS_PHOTO_CONNT_STATUS_INIT).arg(QStringLiteral("Add")));
        QCOMPARE(page.m_ptrwServerList->headerItem()->text(0), QStringLiteral("Profile Name"));
        QCOMPARE(page.m_ptrwServerList->headerItem()->text(1), QStringLiteral("Account"));
        // Sorted by name as the list sorts its texts (capitals first); the key (lower case)
        // rides in the row.
        QCOMPARE(rows(page.m_ptrwServerList),
                 QStringList({"Beta|bo|beta", "Zeta|zoe|zeta", "alpha|al|alpha"}));
        QVERIFY(!page.m_pactEdit->isEnabled());
        QVERIFY(!page.m_pactRemove->isEnabled());
        QVERIFY(page.m_pactAdd->isEnabled());
        QVERIFY(!page.hasUnfinishedTasks());
        QVERIFY(page.currentConfig() == nullptr);
        // The page toolbar with About, Preferences and Help.
        QCOMPARE(page.toolBar_2->metaObject()->className(), "CPreAboutToolBar");
        QCOMPARE(page.m_pactAbout->toolTip(), QStringLiteral("About"));
        QCOMPARE(page.m_pactPreferences->toolTip(), QStringLiteral("Preferences"));
    }

    void signalsToTheMainWindow()
    {
        store(QStringLiteral("Home"), QStringLiteral("admin"));
        CVorkWindowPhotoUpload page;
        QSignalSpy add(&page, &CVorkWindowPhotoUpload::signalPhotoServerAdd);
        QSignalSpy edit(&page, &CVorkWindowPhotoUpload::signalPhotoServerEdit);
        QSignalSpy about(&page, &CVorkWindowPhotoUpload::signalAboutTriggered);
        QSignalSpy pref(&page, &CVorkWindowPhotoUpload::signalPrefTriggered);

        page.m_pactAdd->trigger();
        QCOMPARE(add.count(), 1);
        QVERIFY(add.at(0).at(0).value<CVorkNasinfoMap::TKey>().isEmpty());
        // Edit without a current profile says nothing.
        page.m_pactEdit->setEnabled(true);
        page.m_pactEdit->trigger();
        QCOMPARE(edit.count(), 0);

        page.m_ptrwServerList->topLevelItem(0)->setSelected(true);
        QVERIFY(page.currentConfig());
        QCOMPARE(page.currentConfig()->getAccount(), QStringLiteral("admin"));
        QVERIFY(page.m_pactEdit->isEnabled());
        page.m_pactEdit->trigger();
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toString(), QStringLiteral("home"));

        page.m_pactAbout->trigger();
        page.m_pactPreferences->trigger();
        QCOMPARE(about.count(), 1);
        QCOMPARE(pref.count(), 1);
    }

    void profileSlots()
    {
        CVorkWindowPhotoUpload page;
        page.slotDelayedInit();
        // A new profile the wizard stored, with connect-now.
        // The page takes the record and deletes it before the call returns.
        auto *fresh = new CPhotoUploadConfig(9, false, QStringLiteral("Office"), QStringLiteral("127.0.0.1"),
                                             QString(), QStringLiteral("ann"), false, QString());
        fresh->save(Group);
        page.slotConfigAdded(fresh, true);
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"Office|ann|office"}));
        QCOMPARE(page.m_ptrwServerList->currentItem(), page.m_ptrwServerList->topLevelItem(0));
        QVERIFY(page.currentConfig());
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("office"));

        // While uploading, a connect-now profile is listed only.
        page.setUploadMode(true);
        QVERIFY(page.hasUnfinishedTasks());
        QVERIFY(!page.m_ptrwServerList->isEnabled());
        QVERIFY(!page.m_pactEdit->isEnabled());
        auto *other = new CPhotoUploadConfig(9, false, QStringLiteral("Attic"), QStringLiteral("127.0.0.1"),
                                             QString(), QStringLiteral("bob"), false, QString());
        other->save(Group);
        page.slotConfigAdded(other, true);
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("office"));
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"Attic|bob|attic", "Office|ann|office"}));
        page.setUploadMode(false);
        QVERIFY(!page.hasUnfinishedTasks());
        QVERIFY(page.m_ptrwServerList->isEnabled());

        // Removing the current profile: group, row and current record go.
        page.slotConfigRemoved(QStringLiteral("office"));
        QCOMPARE(rows(page.m_ptrwServerList), QStringList({"Attic|bob|attic"}));
        QVERIFY(page.currentConfig() == nullptr);
        QVERIFY(!page.m_pactEdit->isEnabled());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(Group), QStringList({"attic"}));

        // A key without a row or group changes nothing, and never empties the profiles.
        page.slotConfigRemoved(QStringLiteral("nothing"));
        page.slotConfigRemoved(QString());
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(Group), QStringList({"attic"}));
        QCOMPARE(page.m_ptrwServerList->topLevelItemCount(), 1);
    }

    void removalAsksFirst()
    {
        store(QStringLiteral("Keep"), QStringLiteral("k"));
        CVorkWindowPhotoUpload page;
        page.m_ptrwServerList->topLevelItem(0)->setSelected(true);

        BoxAnswer no;
        no.answerWith(QStringLiteral("No"));
        page.m_pactRemove->trigger();
        QVERIFY(no.seen);
        QCOMPARE(no.title, QStringLiteral("Warning"));
        QCOMPARE(no.text, QStringLiteral("The selected profile will be removed.\n"
                                         "Are you sure you want to continue?"));
        QCOMPARE(no.buttons, QStringList({"Yes", "No"}));
        QCOMPARE(page.m_ptrwServerList->topLevelItemCount(), 1);
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(Group), QStringList({"keep"}));

        BoxAnswer yes;
        yes.answerWith(QStringLiteral("Yes"));
        page.m_pactRemove->trigger();
        QVERIFY(yes.seen);
        QCOMPARE(page.m_ptrwServerList->topLevelItemCount(), 0);
        QVERIFY(CPhotoUploadConfig::getProfileKeys(Group).isEmpty());
    }

    void cleanUpTempFolder()
    {
        QTemporaryDir tmp;
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        const QString folder = CVorkWindowPhotoUpload::tempFolderPath();
        QCOMPARE(folder, QDir(tmp.path()).absolutePath() + QStringLiteral("/VORK_PHOTO_TEMP"));

        CVorkWindowPhotoUpload page;
        // Nothing there: nothing happens.
        page.cleanUpTempFolder();
        QVERIFY(!QDir(folder).exists());

        QVERIFY(QDir().mkpath(folder));
        for (const char *name : {"1THUMB_B.jpg", "2TEMP.jpg"}) {
            QFile f(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        page.setUploadMode(true);
        page.cleanUpTempFolder();
        QVERIFY(!page.hasUnfinishedTasks());
        QVERIFY(!QDir(folder).exists());

        // A sub-folder (the preview's) and a hidden file stay, and so does the folder.
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/preview")));
        for (const char *name : {"a.jpg", ".hidden"}) {
            QFile f(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        page.cleanUpTempFolder();
        QVERIFY(QDir(folder).exists());
        QVERIFY(!QFile::exists(folder + QStringLiteral("/a.jpg")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/.hidden")));
        QVERIFY(QDir(folder + QStringLiteral("/preview")).exists());
        qunsetenv("TMPDIR");
    }

    void closeIsAccepted()
    {
        CVorkWindowPhotoUpload page;
        page.show();
        QVERIFY(page.close());
    }
};

QTEST_MAIN(TestPhotoPageFrame)
#include "tst_photopageframe.moc"
