// Resource-monitor profiles in the settings: keys, defaults, name folding, lists, the address
// match and the presentation helpers.
#include <QSettings>
#include <QTreeWidget>
#include <QtTest>

#include "CRsrcConfig.h"
#include "platforms.h"

class TestRsrcConfig : public QObject
{
    Q_OBJECT

private:
    static QString root() { return QStringLiteral("ResourceMonitor/RegisteredHosts/"); }
    static QVariant stored(const QString &key)
    {
        QSettings settings;
        return settings.value(key);
    }
    static bool isStored(const QString &key)
    {
        QSettings settings;
        return settings.contains(key);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        // The settings must live in the test's own folder, never in a user's.
        QVERIFY(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
        QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    }

    void init()
    {
        QSettings settings;
        settings.clear();
        settings.sync();
    }

    void rootGroupText()
    {
        QCOMPARE(CRsrcConfig::strRsrcRootGroup, root());
    }

    void saveWritesTheSixKeys()
    {
        CRsrcConfig config(5001, true, QStringLiteral("Home NAS"), QStringLiteral("198.18.0.7"),
                           QStringLiteral("operator"), QStringLiteral("0a1b2c"));
        config.setConnection(true);
        config.save(root());

        QSettings settings;
        QCOMPARE(settings.childGroups(), QStringList{QStringLiteral("ResourceMonitor")});
        settings.beginGroup(QStringLiteral("ResourceMonitor/RegisteredHosts"));
        QCOMPARE(settings.childGroups(), QStringList{QStringLiteral("home nas")});
        settings.beginGroup(QStringLiteral("home nas"));
        QCOMPARE(settings.allKeys().size(), 6);
        QCOMPARE(settings.value("Profile").toString(), QStringLiteral("Home NAS"));
        QCOMPARE(settings.value("HostAddr").toString(), QStringLiteral("198.18.0.7"));
        QCOMPARE(settings.value("HostPort").toInt(), 5001);
        QCOMPARE(settings.value("AdminAccount").toString(), QStringLiteral("operator"));
        QCOMPARE(settings.value("Password").toString(), QStringLiteral("0a1b2c"));
        QCOMPARE(settings.value("Connection").toBool(), true);
        settings.endGroup();
        settings.endGroup();
        // Every group the record began was ended: a fresh object sees the top level.
        QCOMPARE(settings.group(), QString());
    }

    void fullConstructorLeavesConnectFlagToCaller()
    {
        CRsrcConfig config(80, true, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d"));
        QCOMPARE(config.isConnection(), false);
        QCOMPARE(config.getHostPort(), 80);
        QCOMPARE(config.isSaveCred(), true);
        QCOMPARE(config.getProfile(), QStringLiteral("a"));
        QCOMPARE(config.getHostAddr(), QStringLiteral("b"));
        QCOMPARE(config.getAdminAccount(), QStringLiteral("c"));
        QCOMPARE(config.getPassword(), QStringLiteral("d"));
    }

    void roundTrip()
    {
        CRsrcConfig config(8080, true, QStringLiteral("Office"), QStringLiteral("vault.example"),
                           QStringLiteral("root"), QStringLiteral("scrambled"));
        config.setConnection(true);
        config.save(root());

        CRsrcConfig loaded;
        loaded.load(QStringLiteral("Office"), root());
        QCOMPARE(loaded.getProfile(), QStringLiteral("Office"));
        QCOMPARE(loaded.getHostAddr(), QStringLiteral("vault.example"));
        QCOMPARE(loaded.getHostPort(), 8080);
        QCOMPARE(loaded.getAdminAccount(), QStringLiteral("root"));
        QCOMPARE(loaded.getPassword(), QStringLiteral("scrambled"));
        QCOMPARE(loaded.isSaveCred(), true);
        QCOMPARE(loaded.isConnection(), true);
    }

    void missingPortReadsAndStoresDefault()
    {
        {
            QSettings settings;
            settings.setValue(root() + "box/Profile", "Box");
            settings.setValue(root() + "box/HostAddr", "198.18.0.9");
        }
        QVERIFY(!isStored(root() + "box/HostPort"));
        CRsrcConfig config(1234, false, QString(), QString(), QString(), QString());
        config.load(QStringLiteral("Box"), root());
        QCOMPARE(config.getHostPort(), 5000);
        QVERIFY(isStored(root() + "box/HostPort"));
        QCOMPARE(stored(root() + "box/HostPort").toInt(), 5000);
    }

    void unknownProfileCreatesItsGroup()
    {
        CRsrcConfig config(1, true, QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"),
                           QStringLiteral("keep"));
        config.setConnection(true);
        config.load(QStringLiteral("Nowhere"), root());
        QCOMPARE(config.getProfile(), QString());
        QCOMPARE(config.getHostAddr(), QString());
        QCOMPARE(config.getHostPort(), 5000);
        QCOMPARE(config.getAdminAccount(), QStringLiteral("admin"));
        QCOMPARE(config.isSaveCred(), false);
        QCOMPARE(config.isConnection(), false);
        // The password of a profile without a stored one is whatever the record held.
        QCOMPARE(config.getPassword(), QStringLiteral("keep"));
        QCOMPARE(CRsrcConfig::getChildGroups(root()), QStringList{QStringLiteral("nowhere")});
        QSettings settings;
        settings.beginGroup(root() + "nowhere");
        QCOMPARE(settings.allKeys(), QStringList{QStringLiteral("HostPort")});
    }

    void missingAccountReadsAdminWithoutStoring()
    {
        {
            QSettings settings;
            settings.setValue(root() + "box/Profile", "Box");
            settings.setValue(root() + "box/HostPort", 5000);
        }
        CRsrcConfig config;
        config.load(QStringLiteral("box"), root());
        QCOMPARE(config.getAdminAccount(), QStringLiteral("admin"));
        QVERIFY(!isStored(root() + "box/AdminAccount"));
    }

    void unrememberedPasswordKeepsRecordsOwn()
    {
        CRsrcConfig saved(5000, false, QStringLiteral("P"), QStringLiteral("h"), QStringLiteral("a"),
                          QStringLiteral("secret-scrambled"));
        saved.save(root());
        QVERIFY(!isStored(root() + "p/Password"));

        CRsrcConfig loaded(5000, true, QString(), QString(), QString(), QStringLiteral("typed-now"));
        loaded.load(QStringLiteral("P"), root());
        QCOMPARE(loaded.isSaveCred(), false);
        QCOMPARE(loaded.getPassword(), QStringLiteral("typed-now"));
    }

    void rememberedEmptyPassword()
    {
        CRsrcConfig saved(5000, true, QStringLiteral("E"), QStringLiteral("h"), QStringLiteral("a"),
                          QString());
        saved.save(root());
        QVERIFY(isStored(root() + "e/Password"));

        CRsrcConfig loaded(5000, false, QString(), QString(), QString(), QStringLiteral("old"));
        loaded.load(QStringLiteral("E"), root());
        QCOMPARE(loaded.isSaveCred(), true);
        QCOMPARE(loaded.getPassword(), QString());
    }

    void saveNeverDeletesAnOldPassword()
    {
        CRsrcConfig config(5000, true, QStringLiteral("Keep"), QStringLiteral("h"),
                           QStringLiteral("a"), QStringLiteral("first"));
        config.save(root());
        config.setSaveCred(false);
        config.setPassword(QStringLiteral("second"));
        config.save(root());
        QCOMPARE(stored(root() + "keep/Password").toString(), QStringLiteral("first"));

        // The edit path removes the group first; then the password is gone.
        config.remove(root());
        QVERIFY(!isStored(root() + "keep/Profile"));
        config.save(root());
        QVERIFY(!isStored(root() + "keep/Password"));
        QVERIFY(isStored(root() + "keep/Profile"));
    }

    void namesDifferingInCaseShareOneGroup()
    {
        CRsrcConfig config(5000, false, QStringLiteral("Home NAS"), QStringLiteral("198.18.0.2"),
                           QStringLiteral("admin"), QString());
        config.save(root());

        CRsrcConfig loaded;
        loaded.load(QStringLiteral("HOME nas"), root());
        QCOMPARE(loaded.getProfile(), QStringLiteral("Home NAS"));
        QCOMPARE(loaded.getHostAddr(), QStringLiteral("198.18.0.2"));
        QCOMPARE(CRsrcConfig::getProfileList(root()), QStringList{QStringLiteral("Home NAS")});
        QCOMPARE(CRsrcConfig::getChildGroups(root()), QStringList{QStringLiteral("home nas")});

        // Saving under the other spelling replaces the display name in the same group.
        CRsrcConfig other(5000, false, QStringLiteral("HOME nas"), QStringLiteral("198.18.0.3"),
                          QStringLiteral("admin"), QString());
        other.save(root());
        QCOMPARE(CRsrcConfig::getChildGroups(root()).size(), 1);
        QCOMPARE(CRsrcConfig::getProfileList(root()), QStringList{QStringLiteral("HOME nas")});
    }

    // A "/" in a name would make its group a path: the profile would split into a child group,
    // drop out of the list and stay behind unremovable. Every name comes back as typed through a
    // fresh settings object; one without "/" keeps its plain lower-case group.
    void namesWithSlashesSurviveAndGo()
    {
        const QStringList names{QStringLiteral("NAS 1/2"), QStringLiteral("a\\b/%2F"),
                                QStringLiteral("nas 1%2F2"), QStringLiteral("Back\\Slash")};
        for (int i = 0; i < names.size(); ++i)
            CRsrcConfig(5001 + i, true, names[i], QStringLiteral("198.18.0.7"), QStringLiteral("admin"),
                        QStringLiteral("s")).save(root());
        QSettings().sync();

        QStringList listed = CRsrcConfig::getProfileList(root());
        listed.sort();
        QStringList expected = names;
        expected.sort();
        QCOMPARE(listed, expected);
        QVERIFY(CRsrcConfig::getChildGroups(root()).contains(QStringLiteral("nas 1%2f2")));
        QVERIFY(CRsrcConfig::getChildGroups(root()).contains(QStringLiteral("back\\slash")));
        for (int i = 0; i < names.size(); ++i) {
            CRsrcConfig loaded;
            loaded.load(names[i].toUpper(), root());
            QCOMPARE(loaded.getProfile(), names[i]);
            QCOMPARE(loaded.getHostPort(), 5001 + i);
            QVERIFY(loaded.isSaveCred());
        }
        QCOMPARE(CRsrcConfig::getChildGroups(root()).size(), names.size());

        CRsrcConfig first;
        first.load(names[0], root());
        first.remove(root());
        CRsrcConfig::removeProfiles(root(), names.mid(1));
        QSettings settings;
        QCOMPARE(settings.allKeys(), QStringList());
    }

    void profileListKeepsGroupsWithoutName()
    {
        {
            QSettings settings;
            settings.setValue(root() + "alpha/Profile", "Alpha");
            settings.setValue(root() + "beta/HostAddr", "198.18.0.4");
            settings.setValue(root() + "gamma/Profile", "Gamma");
        }
        QCOMPARE(CRsrcConfig::getProfileList(root()),
                 (QStringList{QStringLiteral("Alpha"), QString(), QStringLiteral("Gamma")}));
        QCOMPARE(CRsrcConfig::getProfileList(QStringLiteral("Elsewhere/")), QStringList());
    }

    void removeProfilesSkipsEmptyNames()
    {
        for (const char *name : {"One", "Two", "Three"}) {
            CRsrcConfig config(5000, false, QLatin1String(name), QStringLiteral("h"),
                               QStringLiteral("a"), QString());
            config.save(root());
        }
        // An empty name must not take the whole root group with it.
        CRsrcConfig::removeProfiles(root(), {QString(), QStringLiteral("TWO"), QString()});
        QCOMPARE(CRsrcConfig::getChildGroups(root()),
                 (QStringList{QStringLiteral("one"), QStringLiteral("three")}));
        CRsrcConfig::removeProfiles(root(), {QStringLiteral("one"), QStringLiteral("Three")});
        QCOMPARE(CRsrcConfig::getChildGroups(root()), QStringList());
    }

    void removeTakesOnlyItsOwnGroup()
    {
        CRsrcConfig a(5000, true, QStringLiteral("A"), QStringLiteral("h"), QStringLiteral("x"),
                      QStringLiteral("p"));
        CRsrcConfig b(5000, true, QStringLiteral("B"), QStringLiteral("h"), QStringLiteral("x"),
                      QStringLiteral("p"));
        a.save(root());
        b.save(root());
        a.remove(root());
        QCOMPARE(CRsrcConfig::getProfileList(root()), QStringList{QStringLiteral("B")});
    }

    void hostPortMatchByResolvedAddress()
    {
        CRsrcConfig other(5000, false, QStringLiteral("Other"), QStringLiteral("198.18.3.3"),
                          QStringLiteral("admin"), QString());
        other.save(root());
        CRsrcConfig local(5000, false, QStringLiteral("Loop Box"), QStringLiteral("localhost"),
                          QStringLiteral("admin"), QString());
        local.save(root());

        const uint32_t loopback = 0x7F000001u;
        QString name = QStringLiteral("untouched");
        QVERIFY(CRsrcConfig::isHostPortExisted(loopback, 5000, &name));
        QCOMPARE(name, QStringLiteral("Loop Box"));

        name = QStringLiteral("untouched");
        QVERIFY(!CRsrcConfig::isHostPortExisted(loopback, 5001, &name));
        QCOMPARE(name, QStringLiteral("untouched"));

        // Without an out text it only answers.
        QVERIFY(CRsrcConfig::isHostPortExisted(loopback, 5000, nullptr));

        // An address text is compared by its number.
        QVERIFY(CRsrcConfig::isHostPortExisted(0xC6120303u, 5000, &name));
        QCOMPARE(name, QStringLiteral("Other"));
        QVERIFY(!CRsrcConfig::isHostPortExisted(0xC6120304u, 5000, &name));
    }

    void hostPortMatchUsesDefaultPortAndStopsAtFirst()
    {
        {
            QSettings settings;
            settings.setValue(root() + "first/Profile", "First");
            settings.setValue(root() + "first/HostAddr", "198.18.5.5");
            settings.setValue(root() + "second/Profile", "Second");
            settings.setValue(root() + "second/HostAddr", "198.18.5.5");
            settings.setValue(root() + "second/HostPort", 5000);
        }
        QString name;
        QVERIFY(CRsrcConfig::isHostPortExisted(0xC6120505u, 5000, &name));
        QCOMPARE(name, QStringLiteral("First"));
        // The walk reads the port with its default and writes nothing back.
        QVERIFY(!isStored(root() + "first/HostPort"));
    }

    void noProfilesNoMatch()
    {
        QString name;
        QVERIFY(!CRsrcConfig::isHostPortExisted(0x7F000001u, 5000, &name));
        QVERIFY(name.isEmpty());
    }

    void urlKeepsEveryPortButEighty()
    {
        CRsrcConfig config(80, false, QStringLiteral("n"), QStringLiteral("nas.lan"),
                           QStringLiteral("admin"), QString());
        QCOMPARE(config.getUrl(), QStringLiteral("http://nas.lan/"));
        config.setHostPort(443);
        QCOMPARE(config.getUrl(), QStringLiteral("http://nas.lan:443/"));
        config.setHostPort(5000);
        QCOMPARE(config.getUrl(), QStringLiteral("http://nas.lan:5000/"));
        // A host text with a placeholder-like part stays as it is.
        config.setHostAddr(QStringLiteral("%2box"));
        QCOMPARE(config.getUrl(), QStringLiteral("http://%2box:5000/"));
    }

    void summaryRows_data()
    {
        QTest::addColumn<bool>("saveCred");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("remember");
        QTest::newRow("remembered, empty password") << true << QString() << QStringLiteral("Yes");
        QTest::newRow("not remembered") << false << QStringLiteral("0123456789abcdef0123")
                                        << QStringLiteral("No");
    }

    void summaryRows()
    {
        QFETCH(bool, saveCred);
        QFETCH(QString, password);
        QFETCH(QString, remember);
        CRsrcConfig config(80, saveCred, QStringLiteral("Home NAS"), QStringLiteral("198.18.0.2"),
                           QStringLiteral("admin"), password);
        QTreeWidget tree;
        tree.setColumnCount(2);
        config.getSummary(tree.invisibleRootItem());
        QCOMPARE(tree.topLevelItemCount(), 5);
        const QStringList labels = {QStringLiteral("Name"), QStringLiteral("Varnestor Manager URL"),
                                    QStringLiteral("Administrator's account:"),
                                    QStringLiteral("Administrator's password"),
                                    QStringLiteral("Remember password")};
        const QStringList values = {QStringLiteral("Home NAS"), QStringLiteral("http://198.18.0.2/"),
                                    QStringLiteral("admin"), QStringLiteral("********"), remember};
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(tree.topLevelItem(row)->text(0), labels.at(row));
            QCOMPARE(tree.topLevelItem(row)->text(1), values.at(row));
        }
    }
};

QTEST_MAIN(TestRsrcConfig)
#include "tst_rsrcconfig.moc"
