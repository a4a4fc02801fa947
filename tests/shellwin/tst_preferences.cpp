#include <QtTest>

#include <QPushButton>
#include <QSettings>

#include "CPageGlobal.h"
#include "CVorkDialogPreference.h"
#include "CVorkGlobalSettings.h"
#include "HangGuard.h"
#include "QuenLocale.h"
#include "StringTable.h"
#include "modalcatcher.h"
#include "shelltestmain.h"

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    // Shows the dialog, presses OK and returns what the restart box (if any) showed.
    static void pressOk(CVorkDialogPreference &dialog, ModalCatcher &catcher)
    {
        catcher.start();
        QTest::mouseClick(dialog.m_pbtnBox->button(QDialogButtonBox::Ok), Qt::LeftButton);
        catcher.stop();
    }

    static QVariant stored(const char *key)
    {
        return QSettings().value(QLatin1String(key));
    }

private slots:
    void init()
    {
        QSettings().clear();
    }

    void dialogLook()
    {
        CVorkDialogPreference dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
        QCOMPARE(dialog.m_pbtnBox->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.m_pbtnBox->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
        QVERIFY(dialog.m_pbtnBox->centerButtons());
        QCOMPARE(dialog.minimumWidth(), 740);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        // The form's empty page is replaced by the global page.
        QCOMPARE(dialog.m_pstckwSubPages->count(), 1);
        QCOMPARE(dialog.m_pstckwSubPages->indexOf(dialog.m_ppage0), -1);
        QCOMPARE(dialog.m_pstckwSubPages->currentWidget(), static_cast<QWidget *>(dialog.getPageGlobal()));
    }

    void pageTexts()
    {
        CVorkDialogPreference dialog;
        CPageGlobal *page = dialog.getPageGlobal();
        QCOMPARE(page->getPageName(), QStringLiteral("Global Settings"));
        QCOMPARE(page->windowTitle(), QStringLiteral("Preferences"));
        QCOMPARE(page->m_pgrpPage->title(), QStringLiteral("Global Settings"));
        QCOMPARE(page->m_pgrpboxStartup->title(), QStringLiteral("Default Functions Tab"));
        QCOMPARE(page->m_pchkTabRsrc->text(), QStringLiteral("Resource Monitor"));
        QCOMPARE(page->m_pchkTabPhotoUp->text(), QStringLiteral("Photo Uploader"));
        QCOMPARE(page->m_pchkTabMFP->text(), QStringLiteral("Printer Device"));
        QCOMPARE(page->m_pgrpBoxLanguage->title(), QStringLiteral("Language"));
        QCOMPARE(page->m_pgrpboxAdvFunc->title(), QStringLiteral("Enable Advanced Services"));
        QCOMPARE(page->m_pchkMemTest->text(), QStringLiteral("Memory Test"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, tsup::guardMs()));
        QVERIFY(!page->m_pchkTabRsrc->isVisible());
        QVERIFY(!page->m_pchkTabMFP->isVisible());
        QVERIFY(page->m_pchkTabPhotoUp->isVisible());
        QVERIFY(page->m_pchkMemTest->isVisible());
        QVERIFY(page->m_pcmbBoxSelLang->isVisible());
    }

    void languageList()
    {
        CPageGlobal page(nullptr, QStringLiteral("Global"));
        QComboBox *combo = page.m_pcmbBoxSelLang;
        const QStringList codes = QuenLocale::getAllLanguages();
        QCOMPARE(codes.size(), 20);
        QCOMPARE(combo->count(), 21);
        QCOMPARE(combo->itemText(0), QStringLiteral("System default"));
        QCOMPARE(combo->itemData(0).toString(), QStringLiteral("def"));
        for (int i = 0; i < codes.size(); ++i) {
            QCOMPARE(combo->itemData(i + 1, Qt::UserRole).toString(), codes.at(i));
            const int key = findStringKey(QStringLiteral("IDS_LANGUAGE_") + codes.at(i).toUpper());
            QVERIFY(key >= 0);
            QCOMPARE(combo->itemText(i + 1), getString(key));
            QVERIFY(!combo->itemText(i + 1).isEmpty());
        }
        // Each language is named in its own language.
        QCOMPARE(combo->itemText(combo->findData(QStringLiteral("deu"))), QStringLiteral("Deutsch"));
        QCOMPARE(combo->itemText(combo->findData(QStringLiteral("jpn"))), QStringLiteral("日本語"));
        QCOMPARE(combo->itemText(combo->findData(QStringLiteral("rus"))), QStringLiteral("Русский"));
    }

    void defaultsWithNothingStored()
    {
        CVorkDialogPreference dialog;
        CPageGlobal *page = dialog.getPageGlobal();
        QVERIFY(page->m_pchkTabMFP->isChecked());
        QVERIFY(!page->m_pchkTabRsrc->isChecked());
        QVERIFY(!page->m_pchkTabPhotoUp->isChecked());
        QVERIFY(!page->m_pchkMemTest->isChecked());
        QCOMPARE(page->m_pcmbBoxSelLang->currentIndex(), 0);

        dialog.show();
        ModalCatcher catcher;
        pressOk(dialog, catcher);
        QCOMPARE(catcher.seen, 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored("Global/blRunMFP"), QVariant(true));
        QCOMPARE(stored("Global/blRunRMPages"), QVariant(false));
        QCOMPARE(stored("Global/blRunPhotoUpPages"), QVariant(false));
        QCOMPARE(stored("Finder/MemTest"), QVariant(false));
        QCOMPARE(stored("Global/UILanguage").toString(), QStringLiteral("def"));
    }

    void storedValuesLoadAndChoicesSave()
    {
        QSettings settings;
        settings.setValue(QStringLiteral("Global/blRunRMPages"), true);
        settings.setValue(QStringLiteral("Global/blRunMFP"), false);
        settings.setValue(QStringLiteral("Global/blRunPhotoUpPages"), true);
        settings.setValue(QStringLiteral("Finder/MemTest"), true);
        settings.setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("fra"));

        CVorkDialogPreference dialog;
        CPageGlobal *page = dialog.getPageGlobal();
        // The hidden boxes still carry their stored values.
        QVERIFY(page->m_pchkTabRsrc->isChecked());
        QVERIFY(!page->m_pchkTabMFP->isChecked());
        QVERIFY(page->m_pchkTabPhotoUp->isChecked());
        QVERIFY(page->m_pchkMemTest->isChecked());
        QCOMPARE(page->m_pcmbBoxSelLang->currentData().toString(), QStringLiteral("fra"));

        page->m_pchkTabPhotoUp->setChecked(false);
        page->m_pchkMemTest->setChecked(false);
        dialog.show();
        ModalCatcher catcher;
        pressOk(dialog, catcher);
        // The same language as before: no restart message.
        QCOMPARE(catcher.seen, 0);
        QCOMPARE(stored("Global/blRunRMPages"), QVariant(true));
        QCOMPARE(stored("Global/blRunMFP"), QVariant(false));
        QCOMPARE(stored("Global/blRunPhotoUpPages"), QVariant(false));
        QCOMPARE(stored("Finder/MemTest"), QVariant(false));
        QCOMPARE(stored("Global/UILanguage").toString(), QStringLiteral("fra"));
    }

    void unknownStoredLanguageBecomesSystemDefault()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("xyz"));
        CVorkDialogPreference dialog;
        QCOMPARE(dialog.getPageGlobal()->m_pcmbBoxSelLang->currentIndex(), 0);
        dialog.show();
        ModalCatcher catcher;
        pressOk(dialog, catcher);
        QCOMPARE(catcher.seen, 0);
        QCOMPARE(stored("Global/UILanguage").toString(), QStringLiteral("def"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void newLanguageAsksForRestart()
    {
        CVorkDialogPreference dialog;
        CPageGlobal *page = dialog.getPageGlobal();
        QVERIFY(!page->isSettingsChanged());
        page->m_pcmbBoxSelLang->setCurrentIndex(page->m_pcmbBoxSelLang->findData(QStringLiteral("deu")));
        QVERIFY(page->isSettingsChanged());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, tsup::guardMs()));
        ModalCatcher catcher;
        pressOk(dialog, catcher);
        QCOMPARE(catcher.seen, 1);
        QCOMPARE(catcher.title, QStringLiteral("Information"));
        QCOMPARE(catcher.icon, QMessageBox::Information);
        const QString appName = CVorkGlobalSettings::getAppName();
        QVERIFY(!appName.isEmpty());
        QCOMPARE(catcher.text,
                 QStringLiteral("Please restart %1 to apply the new language settings.").arg(appName));
        QCOMPARE(catcher.buttons, QStringList{QStringLiteral("OK")});
        // The choice was stored before the message, and the dialog closed accepted after it.
        QCOMPARE(stored("Global/UILanguage").toString(), QStringLiteral("deu"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void backToSystemDefaultAsksForRestart()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("ita"));
        CVorkDialogPreference dialog;
        dialog.getPageGlobal()->m_pcmbBoxSelLang->setCurrentIndex(0);
        dialog.show();
        ModalCatcher catcher;
        pressOk(dialog, catcher);
        QCOMPARE(catcher.seen, 1);
        QCOMPARE(stored("Global/UILanguage").toString(), QStringLiteral("def"));
    }

    void cancelWritesNothing()
    {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("esn"));
        CVorkDialogPreference dialog;
        CPageGlobal *page = dialog.getPageGlobal();
        page->m_pchkTabPhotoUp->setChecked(true);
        page->m_pchkMemTest->setChecked(true);
        page->m_pcmbBoxSelLang->setCurrentIndex(page->m_pcmbBoxSelLang->findData(QStringLiteral("deu")));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, tsup::guardMs()));
        ModalCatcher catcher;
        catcher.start();
        QTest::mouseClick(dialog.m_pbtnBox->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        catcher.stop();
        QCOMPARE(catcher.seen, 0);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(QSettings().allKeys(), QStringList{QStringLiteral("Global/UILanguage")});
        QCOMPARE(stored("Global/UILanguage").toString(), QStringLiteral("esn"));
    }
};

static int noChildCase(const QByteArray &)
{
    return 2;
}

VORK_SHELL_TEST_MAIN(TestPreferences, noChildCase)
#include "tst_preferences.moc"
