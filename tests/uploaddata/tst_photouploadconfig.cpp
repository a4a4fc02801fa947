// Photo-server profiles: the stored form under "PhotoUploader/RegisteredHosts/", loading rules for
// missing keys, removal, and the two addresses made from a profile. The settings are private to
// the test (its own XDG_CONFIG_HOME).
#include <QtTest>

#include <QSettings>
#include <QTreeWidgetItem>

#include "CPhotoUploadConfig.h"
#include "StringTable.h"
#include "platforms.h"

namespace {

const char Group[] = "PhotoUploader/RegisteredHosts/";

QStringList storedKeys(const QString &profileKey)
{
    QSettings s;
    s.beginGroup(QLatin1String(Group));
    s.beginGroup(profileKey);
    QStringList keys = s.childKeys();
    keys.sort();
    return keys;
}

QVariant storedValue(const QString &profileKey, const char *name)
{
    QSettings s;
    return s.value(QLatin1String(Group) + profileKey + QLatin1Char('/') + QLatin1String(name));
}

CPhotoUploadConfig personalProfile(int port, const QString &owner)
{
    return CPhotoUploadConfig(port, false, QStringLiteral("p"), QStringLiteral("h"), QString(),
                              QStringLiteral("acc"), true, owner);
}

CPhotoUploadConfig mainProfile(int port)
{
    return CPhotoUploadConfig(port, false, QStringLiteral("p"), QStringLiteral("h"), QString(),
                              QStringLiteral("acc"), false, QString());
}

} // namespace

class TestPhotoUploadConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        // The settings must be the test's own, never the user's.
        QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
        QVERIFY(!qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    }

    void init()
    {
        QSettings s;
        s.clear();
        s.sync();
    }

    void sharedGroupText()
    {
        QCOMPARE(strPhotoUploadRootGroup, QString::fromLatin1(Group));
    }

    void storedUnderLowerCaseKeyAndFoundByAnyCase()
    {
        const QString scrambled = scrambleEncodeString(QStringLiteral("geheim"));
        QVERIFY(!scrambled.isEmpty());
        CPhotoUploadConfig cfg(5000, true, QStringLiteral("My NAS"), QStringLiteral("198.18.0.7"),
                               scrambled, QStringLiteral("alice"), true, QStringLiteral("Ann Lee"));
        cfg.setToConnect(true);
        QCOMPARE(cfg.getKey(), QStringLiteral("my nas"));
        cfg.save(strPhotoUploadRootGroup);

        QCOMPARE(CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup),
                 QStringList{QStringLiteral("my nas")});
        QCOMPARE(storedKeys(QStringLiteral("my nas")),
                 (QStringList{"Account", "Connection", "HostAddr", "HostPort", "Password",
                              "PersonalName", "Profile"}));
        QCOMPARE(storedValue("my nas", "Profile").toString(), QStringLiteral("My NAS"));
        QCOMPARE(storedValue("my nas", "HostPort").toInt(), 5000);
        QCOMPARE(storedValue("my nas", "Connection").toBool(), true);
        // Only the scrambled form is ever stored.
        QCOMPARE(storedValue("my nas", "Password").toString(), scrambled);

        // The name typed in other letter cases denotes the same profile.
        CPhotoUploadConfig back;
        back.load(CPhotoUploadConfig(0, false, QStringLiteral("MY NAS"), {}, {}, {}, false, {}).getKey(),
                  strPhotoUploadRootGroup);
        QCOMPARE(back.getProfile(), QStringLiteral("My NAS"));
        QCOMPARE(back.getHostAddr(), QStringLiteral("198.18.0.7"));
        QCOMPARE(back.getHostPort(), 5000);
        QCOMPARE(back.getAccount(), QStringLiteral("alice"));
        QVERIFY(back.isSaveCred());
        QCOMPARE(back.getPassword(), scrambled);
        QCOMPARE(scrambleDecodeString(back.getPassword()), QStringLiteral("geheim"));
        QVERIFY(back.isPersonal());
        QCOMPARE(back.getPersonalName(), QStringLiteral("Ann Lee"));
        QVERIFY(back.isToConnect());

        // A copy carries every field, the connect flag included.
        const CPhotoUploadConfig copy = back;
        QCOMPARE(copy.getBaseUrl(), back.getBaseUrl());
        QCOMPARE(copy.getPassword(), scrambled);
        QVERIFY(copy.isToConnect());
        QVERIFY(copy.isPersonal());
    }

    void optionalKeysOnlyWhenFlagged()
    {
        CPhotoUploadConfig cfg(80, false, QStringLiteral("Office"), QStringLiteral("nas"),
                               QStringLiteral("kept-in-memory"), QStringLiteral("bob"), false,
                               QStringLiteral("not-stored"));
        cfg.save(strPhotoUploadRootGroup);
        QCOMPARE(storedKeys(QStringLiteral("office")),
                 (QStringList{"Account", "Connection", "HostAddr", "HostPort", "Profile"}));
        QCOMPARE(storedValue("office", "Connection").toBool(), false);

        CPhotoUploadConfig fresh;
        fresh.load(QStringLiteral("office"), strPhotoUploadRootGroup);
        QVERIFY(!fresh.isSaveCred());
        QVERIFY(fresh.getPassword().isEmpty());
        QVERIFY(!fresh.isPersonal());
        QVERIFY(fresh.getPersonalName().isEmpty());
        QCOMPARE(fresh.getHostPort(), 80);

        // Without the keys, the texts a record already holds stay as they were.
        CPhotoUploadConfig held(1, true, QStringLiteral("x"), {}, QStringLiteral("old-secret"), {}, true,
                                QStringLiteral("old-owner"));
        held.load(QStringLiteral("office"), strPhotoUploadRootGroup);
        QVERIFY(!held.isSaveCred());
        QCOMPARE(held.getPassword(), QStringLiteral("old-secret"));
        QVERIFY(!held.isPersonal());
        QCOMPARE(held.getPersonalName(), QStringLiteral("old-owner"));
        QCOMPARE(held.getProfile(), QStringLiteral("Office"));
    }

    void missingKeysLoadAsZeroAndFalse()
    {
        {
            QSettings s;
            s.setValue(QStringLiteral("PhotoUploader/RegisteredHosts/bare/Profile"), QStringLiteral("Bare"));
            s.setValue(QStringLiteral("PhotoUploader/RegisteredHosts/bare/HostAddr"), QStringLiteral("h"));
        }
        CPhotoUploadConfig cfg(9999, true, {}, {}, {}, {}, true, {});
        cfg.setToConnect(true);
        cfg.load(QStringLiteral("bare"), strPhotoUploadRootGroup);
        QCOMPARE(cfg.getHostPort(), 0);   // not the resource monitor's 5000
        QVERIFY(!cfg.isToConnect());
        QVERIFY(!cfg.isSaveCred());
        QVERIFY(!cfg.isPersonal());
        QVERIFY(cfg.getAccount().isEmpty());
        // Nothing is written back by loading.
        QCOMPARE(storedKeys(QStringLiteral("bare")), (QStringList{"HostAddr", "Profile"}));

        CPhotoUploadConfig none;
        none.load(QStringLiteral("no such profile"), strPhotoUploadRootGroup);
        QVERIFY(none.getProfile().isEmpty());
        QVERIFY(none.getHostAddr().isEmpty());
        QCOMPARE(none.getHostPort(), 0);
        QVERIFY(!none.isSaveCred() && !none.isPersonal() && !none.isToConnect());
        QVERIFY(CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup).contains("bare"));
        QCOMPARE(CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup).size(), 1);
    }

    void saveKeepsOldKeysUntilRemoved()
    {
        CPhotoUploadConfig first(80, true, QStringLiteral("Home"), QStringLiteral("h"),
                                 QStringLiteral("SCRAMBLED"), QStringLiteral("a"), true,
                                 QStringLiteral("owner"));
        first.save(strPhotoUploadRootGroup);
        CPhotoUploadConfig second(8080, false, QStringLiteral("HOME"), QStringLiteral("h2"), QString(),
                                  QStringLiteral("b"), false, QString());
        second.save(strPhotoUploadRootGroup);

        // Saving over the earlier profile leaves its password and owner behind.
        CPhotoUploadConfig merged;
        merged.load(QStringLiteral("home"), strPhotoUploadRootGroup);
        QCOMPARE(merged.getProfile(), QStringLiteral("HOME"));
        QCOMPARE(merged.getHostPort(), 8080);
        QVERIFY(merged.isSaveCred());
        QCOMPARE(merged.getPassword(), QStringLiteral("SCRAMBLED"));
        QVERIFY(merged.isPersonal());

        // The edit path: remove, then save.
        second.remove(strPhotoUploadRootGroup);
        QVERIFY(CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup).isEmpty());
        QVERIFY(storedKeys(QStringLiteral("home")).isEmpty());
        second.save(strPhotoUploadRootGroup);
        CPhotoUploadConfig edited;
        edited.load(QStringLiteral("home"), strPhotoUploadRootGroup);
        QVERIFY(!edited.isSaveCred());
        QVERIFY(edited.getPassword().isEmpty());
        QVERIFY(!edited.isPersonal());
    }

    void removeTouchesOnlyItsOwnGroup()
    {
        const QStringList names{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")};
        for (const QString &name : names)
            CPhotoUploadConfig(80, true, name, QStringLiteral("h"), QStringLiteral("pw"), {}, false, {})
                .save(strPhotoUploadRootGroup);
        {
            QSettings s;
            s.setValue(QStringLiteral("PhotoUploader/OtherOption"), 7);
        }
        CPhotoUploadConfig beta;
        beta.load(QStringLiteral("beta"), strPhotoUploadRootGroup);
        beta.remove(strPhotoUploadRootGroup);
        QStringList keys = CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup);
        keys.sort();
        QCOMPARE(keys, (QStringList{"alpha", "gamma"}));

        // A record without a name has no group: removing or saving it must not touch the others.
        CPhotoUploadConfig unnamed;
        unnamed.remove(strPhotoUploadRootGroup);
        unnamed.save(strPhotoUploadRootGroup);
        keys = CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup);
        keys.sort();
        QCOMPARE(keys, (QStringList{"alpha", "gamma"}));
        QSettings s;
        s.beginGroup(strPhotoUploadRootGroup);
        QVERIFY(s.childKeys().isEmpty());
        s.endGroup();
        QCOMPARE(s.value(QStringLiteral("PhotoUploader/OtherOption")).toInt(), 7);
    }

    // Names with "/" (and "\\") come back as typed through a fresh settings object, under keys
    // that load them again and remove them completely; a name without "/" keeps its plain key.
    void namesWithSlashesSurviveAndGo()
    {
        const QStringList names{QStringLiteral("NAS 1/2"), QStringLiteral("nas 1%2F2"),
                                QStringLiteral("Back\\Slash"), QStringLiteral("x/y\\z")};
        for (const QString &name : names)
            CPhotoUploadConfig(80, true, name, QStringLiteral("h"), QStringLiteral("pw"), {}, false, {})
                .save(strPhotoUploadRootGroup);
        QSettings().sync();

        const QStringList keys = CPhotoUploadConfig::getProfileKeys(strPhotoUploadRootGroup);
        QCOMPARE(keys.size(), names.size());
        QVERIFY(keys.contains(QStringLiteral("nas 1%2f2")));
        QVERIFY(keys.contains(QStringLiteral("back\\slash")));
        QStringList loaded;
        for (const QString &key : keys) {
            CPhotoUploadConfig cfg;
            cfg.load(key, strPhotoUploadRootGroup);
            QCOMPARE(cfg.getKey(), key);
            loaded << cfg.getProfile();
            cfg.remove(strPhotoUploadRootGroup);
        }
        loaded.sort();
        QStringList expected = names;
        expected.sort();
        QCOMPARE(loaded, expected);
        QCOMPARE(QSettings().allKeys(), QStringList());
    }

    void addresses_data()
    {
        QTest::addColumn<bool>("personal");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("photo");
        QTest::newRow("main 80") << false << 80 << "" << "http://h:80" << "http://h/photo/";
        QTest::newRow("main 8080") << false << 8080 << "" << "http://h:8080" << "http://h:8080/photo/";
        QTest::newRow("main 0") << false << 0 << "" << "http://h:0" << "http://h:0/photo/";
        QTest::newRow("personal 80") << true << 80 << "x y" << "http://h:80/~x%20y" << "http://h/~x y/photo/";
        QTest::newRow("personal 8080") << true << 8080 << "x y" << "http://h:8080/~x%20y"
                                       << "http://h:8080/~x y/photo/";
        // UTF-8 bytes of ü (C3 BC) and 山 (E5 B1 B1), upper-case hex digits.
        QTest::newRow("personal non-ASCII") << true << 5000 << QString::fromUtf8("J\xC3\xBCrgen \xE5\xB1\xB1")
                                            << "http://h:5000/~J%C3%BCrgen%20%E5%B1%B1"
                                            << QString::fromUtf8("http://h:5000/~J\xC3\xBCrgen \xE5\xB1\xB1/photo/");
        QTest::newRow("personal unreserved") << true << 80 << "a-Z.0_9~" << "http://h:80/~a-Z.0_9~"
                                             << "http://h/~a-Z.0_9~/photo/";
        // Reserved and percent characters are encoded in the request root, and a "%2" in the
        // owner name is never taken for a place marker.
        QTest::newRow("personal reserved") << true << 81 << "a/b?c#%2&" << "http://h:81/~a%2Fb%3Fc%23%252%26"
                                           << "http://h:81/~a/b?c#%2&/photo/";
    }

    void addresses()
    {
        QFETCH(bool, personal);
        QFETCH(int, port);
        QFETCH(QString, owner);
        QFETCH(QString, base);
        QFETCH(QString, photo);
        const CPhotoUploadConfig cfg = personal ? personalProfile(port, owner) : mainProfile(port);
        QCOMPARE(cfg.getBaseUrl(), base);
        QCOMPARE(cfg.getPhotoUrl(), photo);
    }

    void summaryRows_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("saveCred");
        QTest::newRow("empty password, not remembered") << QString() << false;
        QTest::newRow("long password, remembered") << QString(64, QLatin1Char('Q')) << true;
    }

    void summaryRows()
    {
        QFETCH(QString, password);
        QFETCH(bool, saveCred);
        CPhotoUploadConfig cfg(8080, saveCred, QStringLiteral("My NAS"), QStringLiteral("h"), password,
                               QStringLiteral("alice"), true, QStringLiteral("x y"));
        QTreeWidgetItem parent;
        cfg.getSummaryItems(&parent);
        QCOMPARE(parent.childCount(), 5);
        const QStringList labels{"Profile Name", "Imagrove URL", "Account", "Password", "Remember password"};
        const QStringList values{"My NAS", "http://h:8080/~x y/photo/", "alice", "********",
                                 saveCred ? "Yes" : "No"};
        const int ids[5] = {IDS_PHOTO_LBL_PROFILE, IDS_PHOTO_LBL_IMAGROVE_URL, IDS_PHOTO_LBL_ACCOUNT,
                            IDS_PHOTO_LBL_PASSWORD, IDS_LBL_SAVE_PASSWD};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(parent.child(i)->text(0), labels.at(i));
            QCOMPARE(parent.child(i)->text(0), getString(ids[i]));
            QCOMPARE(parent.child(i)->text(1), values.at(i));
        }
        QCOMPARE(parent.child(4)->text(1), getString(saveCred ? IDS_BTN_YES : IDS_BTN_NO));
    }
};

QTEST_MAIN(TestPhotoUploadConfig)
#include "tst_photouploadconfig.moc"
