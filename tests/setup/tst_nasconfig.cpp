// The setup-parameter record: both constructors, the member-wise copy and the server language
// chosen from the stored interface language (which counts only when its catalogue exists).
#include <QtTest>

#include "CNasConfig.h"
#include "CVorkGlobalSettings.h"

class TestNasConfig : public QObject
{
    Q_OBJECT

    static void storeLanguage(const QString &code)
    {
        QSettings settings;
        if (code.isNull())
            settings.remove(QStringLiteral("Global/UILanguage"));
        else
            settings.setValue(QStringLiteral("Global/UILanguage"), code);
        settings.sync();
    }

    static CNasConfig installForm()
    {
        return CNasConfig(false, true, QStringLiteral("/tmp/pkg/VS-2415_4000.pat"),
                          QStringLiteral("198.18.0.20"), QStringLiteral("255.255.255.0"),
                          QStringLiteral("198.18.0.1"), QStringLiteral("198.18.0.2"),
                          QStringLiteral("pa ss"), QStringLiteral("vault"), 17,
                          QStringLiteral("2014/02/03 09:05:07"));
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    }

    void cleanup() { storeLanguage(QString()); }

    void serverLanguage_data()
    {
        QTest::addColumn<QString>("ui");
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("number");
        QTest::newRow("cht") << "cht" << "cht" << 10;
        QTest::newRow("chs") << "chs" << "chs" << 8;
        QTest::newRow("jpn") << "jpn" << "jpn" << 7;
        QTest::newRow("krn") << "krn" << "krn" << 9;
        QTest::newRow("deu") << "deu" << "ger" << 3;
        QTest::newRow("esn") << "esn" << "spn" << 3;
        QTest::newRow("fra") << "fra" << "fre" << 3;
        QTest::newRow("ita") << "ita" << "ita" << 3;
        QTest::newRow("ptg") << "ptg" << "ptg" << 3;
        QTest::newRow("rus") << "rus" << "rus" << 6;
        QTest::newRow("plk") << "plk" << "plk" << 4;
        QTest::newRow("hun") << "hun" << "hun" << 4;
        QTest::newRow("trk") << "trk" << "trk" << 15;
        QTest::newRow("enu") << "enu" << "enu" << 1;
        QTest::newRow("nld") << "nld" << "nld" << 1;
        QTest::newRow("ptb") << "ptb" << "ptb" << 1;
        QTest::newRow("csy") << "csy" << "csy" << 1;
        QTest::newRow("sve") << "sve" << "sve" << 1;
    }

    void serverLanguage()
    {
        QFETCH(QString, ui);
        QFETCH(QString, server);
        QFETCH(int, number);
        storeLanguage(ui);
        QCOMPARE(CVorkGlobalSettings().getLanguage(), ui); // the catalogue is linked in

        const CNasConfig install = installForm();
        QCOMPARE(install.getServerLang(), server);
        QCOMPARE(install.getLangNumber(), (unsigned long)number);
        QCOMPARE(install.getCodepageNumber(), (unsigned long)number);
        QCOMPARE(install.getSecondLang(), QStringLiteral("enu"));

        const CNasConfig netset(true, false, QString(), QString(), QString(), QString(),
                                QStringLiteral("pw"));
        QCOMPARE(netset.getServerLang(), server);
        QCOMPARE(netset.getLangNumber(), (unsigned long)number);
        QCOMPARE(netset.getCodepageNumber(), (unsigned long)number);
        QCOMPARE(netset.getSecondLang(), QStringLiteral("enu"));
    }

    void languageWithoutCatalogue()
    {
        // Case matters, and a stored code without a catalogue means "follow the system": both
        // give what a record gets with no stored choice at all.
        storeLanguage(QString());
        const CNasConfig baseline = installForm();
        storeLanguage(QStringLiteral("DEU"));
        const CNasConfig upper = installForm();
        QCOMPARE(upper.getServerLang(), baseline.getServerLang());
        QCOMPARE(upper.getLangNumber(), baseline.getLangNumber());
        QVERIFY(upper.getServerLang() != QLatin1String("DEU"));
        storeLanguage(QStringLiteral("xyz"));
        const CNasConfig unknown = installForm();
        QCOMPARE(unknown.getServerLang(), baseline.getServerLang());
        QVERIFY(unknown.getServerLang() != QLatin1String("xyz"));
        QCOMPARE(unknown.getSecondLang(), QStringLiteral("enu"));
    }

    void installFormFields()
    {
        storeLanguage(QStringLiteral("enu"));
        const CNasConfig c = installForm();
        QVERIFY(!c.isDHCP());
        QVERIFY(c.isDoQBV());
        QCOMPARE(c.getTimezoneIndex(), 17ul);
        QCOMPARE(c.getPatPath(), QStringLiteral("/tmp/pkg/VS-2415_4000.pat"));
        QCOMPARE(c.getIP(), QStringLiteral("198.18.0.20"));
        QCOMPARE(c.getNetmask(), QStringLiteral("255.255.255.0"));
        QCOMPARE(c.getGateway(), QStringLiteral("198.18.0.1"));
        QCOMPARE(c.getDNS(), QStringLiteral("198.18.0.2"));
        QCOMPARE(c.getPassword(), QStringLiteral("pa ss"));
        QCOMPARE(c.getServerName(), QStringLiteral("vault"));
        QCOMPARE(c.getDateTime(), QStringLiteral("2014/02/03 09:05:07"));
    }

    void networkSettingFormFields()
    {
        storeLanguage(QStringLiteral("fra"));
        const CNasConfig c(true, false, QStringLiteral("198.18.0.21"), QStringLiteral("255.255.0.0"),
                           QStringLiteral("198.18.0.1"), QStringLiteral("198.18.0.3"),
                           QStringLiteral("old"));
        QVERIFY(c.isDHCP());
        QVERIFY(!c.isDoQBV());
        QCOMPARE(c.getIP(), QStringLiteral("198.18.0.21"));
        QCOMPARE(c.getNetmask(), QStringLiteral("255.255.0.0"));
        QCOMPARE(c.getGateway(), QStringLiteral("198.18.0.1"));
        QCOMPARE(c.getDNS(), QStringLiteral("198.18.0.3"));
        QCOMPARE(c.getPassword(), QStringLiteral("old"));
        QVERIFY(c.getPatPath().isEmpty());
        QVERIFY(c.getServerName().isEmpty());
        QVERIFY(c.getDateTime().isEmpty());
        QCOMPARE(c.getTimezoneIndex(), 0ul);
        // The copy carries the defined index too.
        const CNasConfig copy(c);
        QCOMPARE(copy.getTimezoneIndex(), 0ul);
        QCOMPARE(copy.getServerLang(), QStringLiteral("fre"));
    }

    void copiesAreIndependent()
    {
        storeLanguage(QStringLiteral("deu"));
        const CNasConfig original = installForm();
        CNasConfig copy(original);
        QCOMPARE(copy.getServerName(), QStringLiteral("vault"));
        QCOMPARE(copy.getServerLang(), QStringLiteral("ger"));
        QCOMPARE(copy.getTimezoneIndex(), 17ul);
        copy.setServerName(QStringLiteral("vault-2"));
        copy.setIP(QStringLiteral("198.18.0.30"));
        copy.setDHCP(true);
        copy.setPatPath(QStringLiteral("/tmp/other.pat"));
        copy.setDateTime(QStringLiteral("2014/02/03 10:00:00"));
        QCOMPARE(copy.getServerName(), QStringLiteral("vault-2"));
        QCOMPARE(copy.getIP(), QStringLiteral("198.18.0.30"));
        QVERIFY(copy.isDHCP());
        QCOMPARE(original.getServerName(), QStringLiteral("vault"));
        QCOMPARE(original.getIP(), QStringLiteral("198.18.0.20"));
        QVERIFY(!original.isDHCP());
        QCOMPARE(original.getPatPath(), QStringLiteral("/tmp/pkg/VS-2415_4000.pat"));
        QCOMPARE(original.getDateTime(), QStringLiteral("2014/02/03 09:05:07"));

        // The language is fixed when the record is built, not when a copy is made.
        storeLanguage(QStringLiteral("jpn"));
        const CNasConfig later(original);
        QCOMPARE(later.getServerLang(), QStringLiteral("ger"));
        QCOMPARE(later.getLangNumber(), 3ul);
    }
};

QTEST_GUILESS_MAIN(TestNasConfig)
#include "tst_nasconfig.moc"
