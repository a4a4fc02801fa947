// The string table: keys and indices, the English texts, the lookup with and without a
// translator, and the key search.

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTranslator>
#include <QtTest>

#include "StringTable.h"

class TestStringTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keysAreUniqueWithPrefix();
    void indexConstantsMatchKeys();
    void tableMatchesDataFile();
    void spotChecks_data();
    void spotChecks();
    void languageNamesAreUtf8();
    void ourTextsForUnquotedKeys();
    void leadingBlankIsKept();
    void escapesBecomeLineBreaks();
    void outOfRangeGivesEmptyText();
    void everyTextIsEnglishWithoutTranslator();
    void findStringKeyIgnoresCase();
    void translatedBeforeUnescaping();
    void shippedGermanCatalogue();
};

void TestStringTable::initTestCase()
{
    initStringTable();
    initStringTable();   // a second call changes nothing
    QCOMPARE(VORK_STRING_COUNT, 677);
}

void TestStringTable::keysAreUniqueWithPrefix()
{
    QSet<QByteArray> keys;
    for (int i = 0; i < VORK_STRING_COUNT; ++i) {
        QVERIFY(gszStringKeys[i]);
        QVERIFY(gszStringTexts[i]);
        const QByteArray key(gszStringKeys[i]);
        QVERIFY2(key.startsWith("IDS_"), key.constData());
        QVERIFY2(!keys.contains(key.toUpper()), key.constData());
        keys.insert(key.toUpper());
        QVERIFY2(qstrlen(gszStringTexts[i]) > 0, key.constData());
    }
    QCOMPARE(keys.size(), 677);
}

void TestStringTable::indexConstantsMatchKeys()
{
    // A few constants against their place in the key list, first and last included.
    QCOMPARE(int(IDS_ABOUT_CAPTION), 0);
    QCOMPARE(int(IDS_ABOUT_COPYRIGHT), 1);
    QCOMPARE(int(IDS_VORNAKEEPER_NAME), 9);
    QCOMPARE(int(IDS_LANGUAGE_ENU), 134);
    QCOMPARE(int(IDS_LST_SYS_READY), 227);
    QCOMPARE(int(IDS_NI_error_apply_lock), 376);
    QCOMPARE(int(IDS_PHOTO_FINISH_SUMMARY), 414);
    QCOMPARE(int(IDS_PRODUCT_NAME), 477);
    QCOMPARE(int(IDS_WARNING), 552);
    QCOMPARE(int(IDS_WELCOME_MSG1), 575);
    QCOMPARE(int(IDS_WZD_SVR_INFO), 675);
    QCOMPARE(QByteArray(gszStringKeys[IDS_WZDMAP_CONNECT]), QByteArray("IDS_WZDMAP_CONNECT"));
    QCOMPARE(QByteArray(gszStringKeys[IDS_HELP_EULA]), QByteArray("IDS_HELP_EULA"));
}

// The compiled arrays hold the data file byte for byte: UTF-8, quotes, backslashes and the
// leading blank survive the generated C literals.
void TestStringTable::tableMatchesDataFile()
{
    QFile f(QStringLiteral(VORK_STRINGS_TSV));
    QVERIFY(f.open(QIODevice::ReadOnly));
    int rows = 0;
    while (!f.atEnd()) {
        QByteArray line = f.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> cols = line.split('\t');
        QCOMPARE(cols.size(), 4);
        const int index = cols[0].toInt();
        QCOMPARE(index, rows);
        QCOMPARE(QByteArray(gszStringKeys[index]), cols[1]);
        QVERIFY(cols[2] == "given" || cols[2] == "ours");
        QCOMPARE(QByteArray(gszStringTexts[index]), cols[3]);
        ++rows;
    }
    QCOMPARE(rows, VORK_STRING_COUNT);
}

void TestStringTable::spotChecks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "IDS_ABOUT_CAPTION" << " About %1";
    QTest::newRow("9") << 9 << "IDS_VORNAKEEPER_NAME" << "Quenlori Vornakeeper";
    QTest::newRow("28") << 28 << "IDS_BTN_OK" << "OK";
    QTest::newRow("37") << 37 << "IDS_BTN_YES" << "Yes";
    QTest::newRow("52") << 52 << "IDS_ERROR" << "Error";
    QTest::newRow("64") << 64 << "IDS_ERR_CONNECTION_FAIL" << "Connection error. (Error Code: %1)";
    QTest::newRow("120") << 120 << "IDS_INFORMATION" << "Information";
    QTest::newRow("132") << 132 << "IDS_LANGUAGE_DEF" << "System default";
    QTest::newRow("134") << 134 << "IDS_LANGUAGE_ENU" << "English";
    QTest::newRow("164") << 164 << "IDS_LBL_EULA_DESC"
                         << "Please review the Quenlori Terms and Conditions. If you agree the terms, "
                            "click %1 to continue. Otherwise, click %2 to exit.";
    QTest::newRow("222") << 222 << "IDS_LST_SYS_MEM_TESTING" << "Performing memory test (%1.%2%)";
    QTest::newRow("226") << 226 << "IDS_LST_SYS_QUOTA_CHECKING" << "Checking quota";
    QTest::newRow("227") << 227 << "IDS_LST_SYS_READY" << "Ready";
    QTest::newRow("295") << 295 << "IDS_MSG_PREFERENCE_LANG_RESTART"
                         << "Please restart %1 to apply the new language settings.";
    QTest::newRow("400") << 400 << "IDS_PHOTO_CAPTION" << "Photo Uploader";
    QTest::newRow("411") << 411 << "IDS_PHOTO_ERR_SERVER_UNKNOWN_ERROR"
                         << "Unknown server error. (Error Code:%1)";
    QTest::newRow("414") << 414 << "IDS_PHOTO_FINISH_SUMMARY"
                         << "Upload finished \\nSuccess Count: %1, Error Count: %2";
    QTest::newRow("456") << 456 << "IDS_PHOTO_THUMB_TEXT_INIT"
                         << "Select a photo or video to show its thumbnail";
    QTest::newRow("477") << 477 << "IDS_PRODUCT_NAME" << "Quenlori Server";
    QTest::newRow("530") << 530 << "IDS_UNFINISHED_JOBS" << "%1 still has unfinished tasks.";
    QTest::newRow("552") << 552 << "IDS_WARNING" << "Warning";
    QTest::newRow("575") << 575 << "IDS_WELCOME_MSG1" << "%1 - Setup Wizard";
    QTest::newRow("637") << 637 << "IDS_WZDMAP_CONNECT" << "Connecting to server...";
}

void TestStringTable::spotChecks()
{
    QFETCH(int, index);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QCOMPARE(QString::fromLatin1(gszStringKeys[index]), key);
    QCOMPARE(QString::fromUtf8(gszStringTexts[index]), text);
    QCOMPARE(findStringKey(key), index);
}

void TestStringTable::languageNamesAreUtf8()
{
    const QStringList names = {
        QStringLiteral("简体中文"), QStringLiteral("繁體中文"), QStringLiteral("Český"),
        QStringLiteral("Dansk"), QStringLiteral("System default"), QStringLiteral("Deutsch"),
        QStringLiteral("English"), QStringLiteral("Español"), QStringLiteral("Français"),
        QStringLiteral("Magyar"), QStringLiteral("Italiano"), QStringLiteral("日本語"),
        QStringLiteral("한국어"), QStringLiteral("Nederlands"), QStringLiteral("Norsk"),
        QStringLiteral("Polski"), QStringLiteral("Português do Brasil"),
        QStringLiteral("Português Europeu"), QStringLiteral("Русский"), QStringLiteral("Svenska"),
        QStringLiteral("Türkçe"),
    };
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(getString(IDS_LANGUAGE_CHS + i), names[i]);
    // The preferences page finds the name from the upper-cased language code.
    QCOMPARE(getString(findStringKey(QStringLiteral("IDS_LANGUAGE_%1").arg(QStringLiteral("ptg").toUpper()))),
             QStringLiteral("Português Europeu"));
}

void TestStringTable::ourTextsForUnquotedKeys()
{
    // The licence notice carries the markers that the address page turns into an anchor.
    const QString eula = getString(IDS_HELP_EULA);
    QVERIFY(eula.contains(QLatin1String("[a ")));
    QVERIFY(eula.contains(QLatin1String("[/a")));
    // The two network warnings take the program's name.
    QVERIFY(getString(IDS_WARN_MULTIPLE_SUBNET).contains(QLatin1String("%1")));
    QVERIFY(getString(IDS_WARN_NO_NETWORK).contains(QLatin1String("%1")));
    QVERIFY(getString(IDS_NI_FORMAT).startsWith(QLatin1String("%1. ")));
    QVERIFY(!getString(IDS_ABOUT_COPYRIGHT).isEmpty());
}

void TestStringTable::leadingBlankIsKept()
{
    QCOMPARE(getString(IDS_ABOUT_CAPTION), QStringLiteral(" About %1"));
    QCOMPARE(getString(0).arg(QStringLiteral("X")), QStringLiteral(" About X"));
}

void TestStringTable::escapesBecomeLineBreaks()
{
    QCOMPARE(getString(414), QStringLiteral("Upload finished \nSuccess Count: %1, Error Count: %2"));
    QCOMPARE(getString(IDS_PHOTO_UPD_ERR_REPORT_MSG).split(QLatin1Char('\n')).size(), 2);
    QCOMPARE(getString(IDS_NI_ERR_NO_SPACE_UPBYWEB).split(QLatin1Char('\n')).size(), 2);
    QCOMPARE(getString(IDS_WARN_FIREWALL).split(QLatin1Char('\n')).size(), 4);
}

void TestStringTable::outOfRangeGivesEmptyText()
{
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("index out of range=\\[677\\]")));
    QVERIFY(getString(677).isNull());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("index out of range=\\[-1\\]")));
    QVERIFY(getString(-1).isNull());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("index out of range")));
    QVERIFY(getString(1 << 30).isNull());
    QVERIFY(!getString(676).isEmpty());
}

void TestStringTable::everyTextIsEnglishWithoutTranslator()
{
    for (int i = 0; i < VORK_STRING_COUNT; ++i) {
        QString english = QString::fromUtf8(gszStringTexts[i]);
        english.replace(QLatin1String("\\n"), QLatin1String("\n"));
        english.replace(QLatin1String("\\t"), QLatin1String("\t"));
        QCOMPARE(getString(i), english);
        QVERIFY(!getString(i).contains(QLatin1String("\\n")));
    }
}

void TestStringTable::findStringKeyIgnoresCase()
{
    QCOMPARE(findStringKey(QStringLiteral("ids_language_enu")), 134);
    QCOMPARE(findStringKey(QStringLiteral("IDS_LANGUAGE_ENU")), 134);
    QCOMPARE(findStringKey(QStringLiteral("Ids_Ni_Error_Apply_Lock")), 376);
    QCOMPARE(findStringKey(QStringLiteral("IDS_LANGUAGE_XXX")), -1);
    QCOMPARE(findStringKey(QStringLiteral("IDS_LANGUAGE_ENU ")), -1);
    QCOMPARE(findStringKey(QString()), -1);
}

void TestStringTable::translatedBeforeUnescaping()
{
    QTranslator sample;
    QVERIFY(sample.load(QStringLiteral(VORK_SAMPLE_QM)));
    QVERIFY(QCoreApplication::installTranslator(&sample));
    QCOMPARE(getString(IDS_ABOUT_CAPTION), QStringLiteral(" Über %1"));
    QCOMPARE(getString(IDS_PHOTO_FINISH_SUMMARY),
             QStringLiteral("Hochladen beendet \nErfolgreich: %1, Fehler: %2"));
    // An unfinished entry is not in the compiled catalogue: the English text shows.
    QCOMPARE(getString(IDS_BTN_YES), QStringLiteral("Yes"));
    QCOMPARE(getString(IDS_BTN_NO), QStringLiteral("No"));
    QVERIFY(QCoreApplication::removeTranslator(&sample));
    QCOMPARE(getString(IDS_ABOUT_CAPTION), QStringLiteral(" About %1"));
}

void TestStringTable::shippedGermanCatalogue()
{
    QTranslator deu;
    QVERIFY(deu.load(QStringLiteral(":/deu.qm")));
    QVERIFY(!deu.isEmpty());
    QVERIFY(QCoreApplication::installTranslator(&deu));
    QCOMPARE(getString(IDS_BTN_CANCEL), QStringLiteral("Abbrechen"));
    QCOMPARE(getString(IDS_WARNING), QStringLiteral("Warnung"));
    QCOMPARE(getString(IDS_BTN_AGREE), QStringLiteral("Zustimmen"));
    QCOMPARE(getString(IDS_LANGUAGE_DEU), QStringLiteral("Deutsch"));
    QCoreApplication::removeTranslator(&deu);
}

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_stringtable.moc"
