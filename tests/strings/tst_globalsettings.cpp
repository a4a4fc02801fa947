// The settings holder: web port, feature tests by build and service bit, names, the stored and
// effective interface language, the system-locale mapping and the time-zone guess.
//
// A process reads its system locale once, so locale and time-zone cases run in child processes
// of this test ("--child"), each with its own LC_ALL and TZ.

#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <cstdlib>
#include <cstring>

#include "CVorkGlobalSettings.h"
#include "HangGuard.h"
#include "QuenLocale.h"
#include "StringTable.h"

namespace {

NASINFO makeRecord(uint32_t build)
{
    NASINFO n;
    std::memset(&n, 0, sizeof n);
    n.ulBuild = build;
    return n;
}

void setService(NASINFO &n, int service)
{
    n.ullbmapSupport1 |= uint64_t(1) << service;
}

struct ChildResult {
    QStringList out;   // stdout lines
    QString err;
    bool ok = false;
};

// Runs this test binary in child mode under the given locale with the given commands.
ChildResult runChild(const QString &locale, const QStringList &commands)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &var : env.keys()) {
        if (var.startsWith(QLatin1String("LC_")) || var == QLatin1String("LANGUAGE")
            || var == QLatin1String("LANG") || var == QLatin1String("TZ"))
            env.remove(var);
    }
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), QStringList(QStringLiteral("--child")) + commands);
    ChildResult r;
    if (!p.waitForFinished(tsup::guardMs(30000))) {
        p.kill();
        p.waitForFinished(tsup::guardMs(5000));
        return r;
    }
    r.out = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(p.readAllStandardError());
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return r;
}

int childMain(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    QTextStream out(stdout);
    for (int i = 2; i < argc; ++i) {
        const QString cmd = QString::fromLocal8Bit(argv[i]);
        if (cmd == QLatin1String("syslang")) {
            out << "syslang=" << QuenLocale::getSystemLanguage() << '\n';
        } else if (cmd == QLatin1String("lang")) {
            CVorkGlobalSettings settings;
            out << "lang=" << settings.getLanguage() << '\n';
            out << "path=" << settings.getTranslatorPath() << '\n';
        } else if (cmd.startsWith(QLatin1String("tz:"))) {
            qputenv("TZ", cmd.mid(3).toLatin1());
            const QString key = CVorkGlobalSettings::GetSuggestedTimezone();
            out << "tz=" << key << ',' << CVorkGlobalSettings::getSuggestedTimezoneIndex() << '\n';
        } else {
            return 2;
        }
        out.flush();
    }
    return 0;
}

} // namespace

class TestGlobalSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void webPort();
    void longPassword();
    void memTestByBuildAndBit();
    void photoUploadByBuildAndBit();
    void rsrcMonByBuildAndBit();
    void nullRecordOffersNothing();
    void namesAndVersion();
    void storedLanguage_data();
    void storedLanguage();
    void newHolderSeesSavedLanguage();
    void effectiveLanguageFollowsSystem();
    void languageFontIsApplicationFont();
    void systemLanguage_data();
    void systemLanguage();
    void timezoneTable();
    void timezoneIndexIgnoresCase();
    void timezoneGuess_data();
    void timezoneGuess();
    void unknownOffsetKeepsLastGuess();

private:
    void storeLanguage(const QVariant &value);
};

void TestGlobalSettings::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    initStringTable();
}

void TestGlobalSettings::webPort()
{
    NASINFO n = makeRecord(5000);
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, true), 5001);
    n.ulHttpsPort = 8443;
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, true), 8443);

    // Not secure, no port in the record: 80 without the new-port flag or up to build 171.
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, false), 80);
    n.ulField48 = 1;
    n.ulBuild = 171;
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, false), 80);
    n.ulBuild = 172;
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, false), 5000);
    n.ulHttpPort = 8080;
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, false), 8080);
    n.ulBuild = 100;
    n.ulField48 = 0;
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, false), 8080);
    QCOMPARE(CVorkGlobalSettings::getWebPort(&n, true), 8443);
}

void TestGlobalSettings::longPassword()
{
    NASINFO n = makeRecord(559);
    QVERIFY(!CVorkGlobalSettings::isLongPasswordSupported(&n));
    n.ulBuild = 560;
    QVERIFY(CVorkGlobalSettings::isLongPasswordSupported(&n));
}

void TestGlobalSettings::memTestByBuildAndBit()
{
    NASINFO n = makeRecord(907);
    setService(n, FHOST_SERVICE_MEMTEST);
    QVERIFY(!CVorkGlobalSettings::isMemTestSupported(&n));   // too old, bit or not
    n = makeRecord(908);
    QVERIFY(CVorkGlobalSettings::isMemTestSupported(&n));    // trusted without the bitmap
    n.ulBuild = 1251;
    QVERIFY(CVorkGlobalSettings::isMemTestSupported(&n));
    n.ulBuild = 1252;
    QVERIFY(!CVorkGlobalSettings::isMemTestSupported(&n));
    setService(n, FHOST_SERVICE_PHOTO);
    setService(n, FHOST_SERVICE_RSRCMON);
    QVERIFY(!CVorkGlobalSettings::isMemTestSupported(&n));   // other bits do not count
    n.ullbmapMask1 = ~uint64_t(0);
    QVERIFY(!CVorkGlobalSettings::isMemTestSupported(&n));   // the second bitmap does not count
    setService(n, FHOST_SERVICE_MEMTEST);
    QVERIFY(CVorkGlobalSettings::isMemTestSupported(&n));
}

void TestGlobalSettings::photoUploadByBuildAndBit()
{
    NASINFO n = makeRecord(1092);
    setService(n, FHOST_SERVICE_PHOTO);
    QVERIFY(!CVorkGlobalSettings::isPhotoUploadSupported(&n));
    n = makeRecord(1093);
    QVERIFY(CVorkGlobalSettings::isPhotoUploadSupported(&n));
    n.ulBuild = 1239;
    QVERIFY(CVorkGlobalSettings::isPhotoUploadSupported(&n));
    n.ulBuild = 1240;
    QVERIFY(!CVorkGlobalSettings::isPhotoUploadSupported(&n));
    setService(n, FHOST_SERVICE_MEMTEST);
    QVERIFY(!CVorkGlobalSettings::isPhotoUploadSupported(&n));
    setService(n, FHOST_SERVICE_PHOTO);
    QVERIFY(CVorkGlobalSettings::isPhotoUploadSupported(&n));
}

void TestGlobalSettings::rsrcMonByBuildAndBit()
{
    NASINFO n = makeRecord(910);
    setService(n, FHOST_SERVICE_RSRCMON);
    QVERIFY(!CVorkGlobalSettings::isRsrcMonSupported(&n));
    n = makeRecord(911);
    QVERIFY(CVorkGlobalSettings::isRsrcMonSupported(&n));
    n.ulBuild = 1239;
    QVERIFY(CVorkGlobalSettings::isRsrcMonSupported(&n));
    n.ulBuild = 1240;
    QVERIFY(!CVorkGlobalSettings::isRsrcMonSupported(&n));
    setService(n, FHOST_SERVICE_PHOTO);
    QVERIFY(!CVorkGlobalSettings::isRsrcMonSupported(&n));
    setService(n, FHOST_SERVICE_RSRCMON);
    QVERIFY(CVorkGlobalSettings::isRsrcMonSupported(&n));
}

void TestGlobalSettings::nullRecordOffersNothing()
{
    QVERIFY(!CVorkGlobalSettings::isMemTestSupported(nullptr));
    QVERIFY(!CVorkGlobalSettings::isPhotoUploadSupported(nullptr));
    QVERIFY(!CVorkGlobalSettings::isRsrcMonSupported(nullptr));
    QVERIFY(!CVorkGlobalSettings::isLongPasswordSupported(nullptr));
    QCOMPARE(CVorkGlobalSettings::getWebPort(nullptr, true), 5001);
    QCOMPARE(CVorkGlobalSettings::getWebPort(nullptr, false), 5000);
}

void TestGlobalSettings::namesAndVersion()
{
    QCOMPARE(CVorkGlobalSettings::getAppName(), QStringLiteral("Quenlori Vornakeeper"));
    QCOMPARE(CVorkGlobalSettings::getProductName(), QStringLiteral("Quenlori Server"));
    QCOMPARE(CVorkGlobalSettings::getRightsNotice(), getString(IDS_ABOUT_COPYRIGHT));
    QCOMPARE(CVorkGlobalSettings::getDefaultAdminName(), QStringLiteral("admin"));
    QCOMPARE(CVorkGlobalSettings::getVersion(), QStringLiteral("5.0-4448"));
}

void TestGlobalSettings::storeLanguage(const QVariant &value)
{
    QSettings s;
    if (value.isValid())
        s.setValue(QStringLiteral("Global/UILanguage"), value);
    else
        s.remove(QStringLiteral("Global/UILanguage"));
    s.sync();
    QCOMPARE(s.status(), QSettings::NoError);
}

void TestGlobalSettings::storedLanguage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("effective");   // empty: the system language
    QTest::newRow("absent") << QVariant() << "def" << "";
    QTest::newRow("def") << QVariant(QStringLiteral("def")) << "def" << "";
    QTest::newRow("empty") << QVariant(QString()) << "def" << "";
    QTest::newRow("deu") << QVariant(QStringLiteral("deu")) << "deu" << "deu";
    QTest::newRow("enu") << QVariant(QStringLiteral("enu")) << "enu" << "enu";
    QTest::newRow("no catalogue") << QVariant(QStringLiteral("xyz")) << "def" << "";
    QTest::newRow("path-like") << QVariant(QStringLiteral("../deu")) << "def" << "";
}

void TestGlobalSettings::storedLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, setting);
    QFETCH(QString, effective);
    storeLanguage(stored);
    CVorkGlobalSettings holder;
    QCOMPARE(holder.getUILanguageSetting(), setting);
    if (effective.isEmpty())
        effective = QuenLocale::getSystemLanguage();
    QCOMPARE(holder.getLanguage(), effective);
    QCOMPARE(holder.getTranslatorPath(), QStringLiteral(":/") + effective + QStringLiteral(".qm"));
    QVERIFY(holder.isLangFileExist(holder.getLanguage()));
}

void TestGlobalSettings::newHolderSeesSavedLanguage()
{
    storeLanguage(QStringLiteral("jpn"));
    CVorkGlobalSettings first;
    QCOMPARE(first.getLanguage(), QStringLiteral("jpn"));
    storeLanguage(QStringLiteral("fra"));
    CVorkGlobalSettings second;
    QCOMPARE(second.getLanguage(), QStringLiteral("fra"));
    storeLanguage(QVariant());
}

void TestGlobalSettings::effectiveLanguageFollowsSystem()
{
    storeLanguage(QStringLiteral("def"));
    ChildResult r = runChild(QStringLiteral("de_AT.UTF-8"), {QStringLiteral("lang")});
    QVERIFY2(r.ok, qPrintable(r.err));
    QCOMPARE(r.out, QStringList({QStringLiteral("lang=deu"), QStringLiteral("path=:/deu.qm")}));

    storeLanguage(QStringLiteral("krn"));
    r = runChild(QStringLiteral("de_AT.UTF-8"), {QStringLiteral("lang")});
    QVERIFY2(r.ok, qPrintable(r.err));
    QCOMPARE(r.out, QStringList({QStringLiteral("lang=krn"), QStringLiteral("path=:/krn.qm")}));
    storeLanguage(QVariant());
}

void TestGlobalSettings::languageFontIsApplicationFont()
{
    CVorkGlobalSettings holder;
    QCOMPARE(holder.getLanguageFont(true, 12), QApplication::font());
    QCOMPARE(holder.getLanguageFont(false, 0), QApplication::font());
}

void TestGlobalSettings::systemLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    QTest::newRow("zh_HK") << "zh_HK.UTF-8" << "cht";
    QTest::newRow("zh_TW") << "zh_TW.UTF-8" << "cht";
    QTest::newRow("zh_CN") << "zh_CN.UTF-8" << "chs";
    QTest::newRow("zh_SG") << "zh_SG.UTF-8" << "chs";
    QTest::newRow("pt_BR") << "pt_BR.UTF-8" << "ptb";
    QTest::newRow("pt_PT") << "pt_PT.UTF-8" << "ptg";
    QTest::newRow("nb_NO") << "nb_NO.UTF-8" << "nor";
    QTest::newRow("nn_NO") << "nn_NO.UTF-8" << "nor";
    QTest::newRow("de_AT") << "de_AT.UTF-8" << "deu";
    QTest::newRow("ko_KR") << "ko_KR.UTF-8" << "krn";
    QTest::newRow("cs_CZ") << "cs_CZ.UTF-8" << "csy";
    QTest::newRow("en_GB") << "en_GB.UTF-8" << "enu";
    QTest::newRow("C") << "C" << "enu";
    QTest::newRow("POSIX") << "POSIX" << "enu";
    QTest::newRow("xx_YY") << "xx_YY.UTF-8" << "enu";
    QTest::newRow("fi_FI") << "fi_FI.UTF-8" << "enu";   // a language without a catalogue
}

void TestGlobalSettings::systemLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    const ChildResult r = runChild(locale, {QStringLiteral("syslang")});
    QVERIFY2(r.ok, qPrintable(r.err));
    QCOMPARE(r.out, QStringList(QStringLiteral("syslang=") + code));
    QVERIFY2(r.err.contains(QStringLiteral("result=[%1]").arg(code)), qPrintable(r.err));
}

void TestGlobalSettings::timezoneTable()
{
    const auto &t = CVorkGlobalSettings::s_timezoneTable;
    QCOMPARE(CVorkGlobalSettings::TIMEZONE_COUNT, 66);
    QCOMPARE(QByteArray(t[66].key), QByteArray());
    QCOMPARE(QByteArray(t[66].text), QByteArray());
    for (int row = 0; row < 66; ++row) {
        QVERIFY(qstrlen(t[row].key) > 0);
        QVERIFY(QByteArray(t[row].text).startsWith("(UTC"));
    }
    QCOMPARE(CVorkGlobalSettings::timezoneKey(0), QStringLiteral("Kwajalein"));
    QCOMPARE(CVorkGlobalSettings::timezoneKey(19), QStringLiteral("South_Georgia"));
    QCOMPARE(CVorkGlobalSettings::timezoneText(22),
             QStringLiteral("(UTC) GMT Standard Time; Casablanc, Monrovia"));
    QCOMPARE(CVorkGlobalSettings::timezoneKey(23), QStringLiteral("Dublin"));
    QCOMPARE(CVorkGlobalSettings::timezoneText(28),
             QStringLiteral("(UTC+01:00) Sarajevo, Skopie, Sofija, Warsaw, Zagreb"));
    QCOMPARE(CVorkGlobalSettings::timezoneText(39), QStringLiteral("(UTC+03:00) Kuwait, Ridyadh"));
    QCOMPARE(CVorkGlobalSettings::timezoneText(48),
             QStringLiteral("(UTC+07:00) Bankok Standard Time; Hanoi, Jakarta"));
    QCOMPARE(CVorkGlobalSettings::timezoneKey(65), QStringLiteral("Fiji"));
    QVERIFY(CVorkGlobalSettings::timezoneKey(66).isEmpty());
    QVERIFY(CVorkGlobalSettings::timezoneKey(-1).isEmpty());
    QVERIFY(CVorkGlobalSettings::timezoneText(66).isEmpty());
}

void TestGlobalSettings::timezoneIndexIgnoresCase()
{
    QCOMPARE(CVorkGlobalSettings::findTimezoneIndex(QStringLiteral("dublin")), 23);
    QCOMPARE(CVorkGlobalSettings::findTimezoneIndex(QStringLiteral("SOUTH_GEORGIA")), 19);
    QCOMPARE(CVorkGlobalSettings::findTimezoneIndex(QStringLiteral("fiji")), 65);
    QCOMPARE(CVorkGlobalSettings::findTimezoneIndex(QStringLiteral("Atlantis")), 0);
    QCOMPARE(CVorkGlobalSettings::findTimezoneIndex(QString()), 0);
}

void TestGlobalSettings::timezoneGuess_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("tz");
    QTest::addColumn<QString>("expected");
    const QString cet = QStringLiteral("CET-1");
    const QString cetDst = QStringLiteral("CET-1CEST,M3.5.0,M10.5.0/3");
    QTest::newRow("CET de_DE") << "de_DE.UTF-8" << cet << "Amsterdam,25";
    QTest::newRow("CET+DST de_DE") << "de_DE.UTF-8" << cetDst << "Amsterdam,25";
    QTest::newRow("CET fr_FR") << "fr_FR.UTF-8" << cet << "Brussels,27";
    QTest::newRow("CET+DST fr_FR") << "fr_FR.UTF-8" << cetDst << "Brussels,27";
    QTest::newRow("CET cs_CZ") << "cs_CZ.UTF-8" << cet << "Belgrade,26";
    QTest::newRow("CET bs_BA") << "bs_BA.UTF-8" << cet << "Sarajevo,28";
    QTest::newRow("-05 es_CO") << "es_CO.UTF-8" << "<-05>5" << "Bogota,12";
    QTest::newRow("-05 en_US") << "en_US.UTF-8" << "EST5EDT,M3.2.0,M11.1.0" << "Eastern,11";
    QTest::newRow("+08 zh_TW") << "zh_TW.UTF-8" << "<+08>-8" << "Taipei,49";
    QTest::newRow("+08 zh_CN") << "zh_CN.UTF-8" << "<+08>-8" << "Beijing,50";
    QTest::newRow("+10 ru_RU") << "ru_RU.UTF-8" << "<+10>-10" << "Vladivostok,62";
    QTest::newRow("+10 en_AU") << "en_AU.UTF-8" << "<+10>-10" << "Melbourne,59";
    QTest::newRow("+09 ko_KR") << "ko_KR.UTF-8" << "<+09>-9" << "Seoul,54";
    QTest::newRow("+0330") << "fa_IR.UTF-8" << "<+0330>-3:30" << "Tehran,40";
    QTest::newRow("+04 ar_AE") << "ar_AE.UTF-8" << "<+04>-4" << "Muscat,41";
    QTest::newRow("+04 en_US") << "en_US.UTF-8" << "<+04>-4" << "Moscow,36";
    QTest::newRow("UTC en_GB") << "en_GB.UTF-8" << "GMT0BST,M3.5.0/1,M10.5.0" << "Dublin,23";
    QTest::newRow("UTC ar_MA") << "ar_MA.UTF-8" << "<+00>0" << "Casablanc,22";
    QTest::newRow("-12") << "en_US.UTF-8" << "<-12>12" << "Kwajalein,0";
    QTest::newRow("+12 en_FJ") << "en_FJ.UTF-8" << "<+12>-12" << "Fiji,65";
}

void TestGlobalSettings::timezoneGuess()
{
    QFETCH(QString, locale);
    QFETCH(QString, tz);
    QFETCH(QString, expected);
    const ChildResult r = runChild(locale, {QStringLiteral("tz:") + tz});
    QVERIFY2(r.ok, qPrintable(r.err));
    QCOMPARE(r.out, QStringList(QStringLiteral("tz=") + expected));
    QVERIFY(!r.err.contains(QLatin1String("default reached")));
}

void TestGlobalSettings::unknownOffsetKeepsLastGuess()
{
    // +05:45 has no row: the debug line, and "Dublin" before any guess matched.
    ChildResult r = runChild(QStringLiteral("ne_NP.UTF-8"), {QStringLiteral("tz:<+0545>-5:45")});
    QVERIFY2(r.ok, qPrintable(r.err));
    QCOMPARE(r.out, QStringList(QStringLiteral("tz=Dublin,23")));
    QVERIFY2(r.err.contains(QLatin1String("GetSuggestedTimezone(): default reached, minutes = 345")),
             qPrintable(r.err));

    // A matching guess is remembered and survives a later offset without a row.
    r = runChild(QStringLiteral("de_DE.UTF-8"),
                 {QStringLiteral("tz:CET-1"), QStringLiteral("tz:<+0545>-5:45"),
                  QStringLiteral("tz:<-0330>3:30")});
    QVERIFY2(r.ok, qPrintable(r.err));
    QCOMPARE(r.out, QStringList({QStringLiteral("tz=Amsterdam,25"), QStringLiteral("tz=Amsterdam,25"),
                                 QStringLiteral("tz=Amsterdam,25")}));
    QVERIFY2(r.err.contains(QLatin1String("minutes = -210")), qPrintable(r.err));
}

int main(int argc, char *argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "--child") == 0)
        return childMain(argc, argv);
    QApplication app(argc, argv);
    TestGlobalSettings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_globalsettings.moc"
