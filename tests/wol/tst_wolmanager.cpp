// The Wake-on-LAN manager and the stored hosts, with the program's settings in a private
// directory: registration, replacement, removal, loading at start-up, and the settings form.
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "CQuenWOL.h"
#include "woltestutil.h"

namespace {

const QString kPrefix = QStringLiteral("WOL/RegisteredHosts/");

CWOLConfig host(const QString &mac, int network, int port, const QString &profile,
                const QString &addr)
{
    CWOLConfig c;
    c.setMacAddress(mac);
    c.setNetwork(network);
    c.setPortNum(port);
    c.setProfile(profile);
    c.setAddrName(addr);
    return c;
}

// The stored keys of one group, read straight from the settings.
QVariantMap storedGroup(const QString &group)
{
    QSettings s;
    s.beginGroup(QStringLiteral("WOL/RegisteredHosts/") + group);
    QVariantMap values;
    for (const QString &key : s.childKeys())
        values.insert(key, s.value(key));
    return values;
}

QStringList storedGroups()
{
    QSettings s;
    s.beginGroup(QStringLiteral("WOL/RegisteredHosts"));
    return s.childGroups();
}

} // namespace

class TestWolManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanupTestCase() { QSettings().clear(); }

    void configDefaultsAndSettingsForm();
    void readMissingKeys();
    void registerAndReload();
    void reRegisterReplacesRecordAndJob();
    void removeHost();
    void macTextsAreCaseSensitive();
    void keyOrderAndRegisteredMacs();
    void loadSkipsGroupWithoutMac();
    void wakeUpUnregistered();
    void destructionDeletesJobs();
};

void TestWolManager::configDefaultsAndSettingsForm()
{
    const CWOLConfig fresh;
    QCOMPARE(fresh.getNetwork(), 0);
    QCOMPARE(fresh.getPortNum(), 9);
    QVERIFY(fresh.getProfile().isEmpty() && fresh.getAddrName().isEmpty()
            && fresh.getMacAddress().isEmpty());
    QCOMPARE(QString::fromLatin1(CWOLConfig::GROUP_PREFIX), kPrefix);

    host(QStringLiteral("02:1a:2b:3c:4d:5e"), 1, 40009, QStringLiteral("Cellar"),
         QStringLiteral("nas.example"))
        .writeSettings(kPrefix);
    // The group is the upper-case MAC; the MAC key keeps its own letter case.
    QCOMPARE(storedGroups(), QStringList{QStringLiteral("02:1A:2B:3C:4D:5E")});
    const QVariantMap values = storedGroup(QStringLiteral("02:1A:2B:3C:4D:5E"));
    QCOMPARE(values.size(), 5);
    QCOMPARE(values.value(QStringLiteral("Network")).toInt(), 1);
    QCOMPARE(values.value(QStringLiteral("PortNum")).toInt(), 40009);
    QCOMPARE(values.value(QStringLiteral("Profile")).toString(), QStringLiteral("Cellar"));
    QCOMPARE(values.value(QStringLiteral("AddrName")).toString(), QStringLiteral("nas.example"));
    QCOMPARE(values.value(QStringLiteral("MacAddress")).toString(),
             QStringLiteral("02:1a:2b:3c:4d:5e"));
    // Nothing is left open in the settings object's group stack.
    QVERIFY(QSettings().group().isEmpty());

    host(QStringLiteral("02:1A:2B:3C:4D:5E"), 0, 9, QString(), QString()).removeSettings(kPrefix);
    QVERIFY(storedGroups().isEmpty());
}

void TestWolManager::readMissingKeys()
{
    {
        QSettings s;
        s.setValue(QStringLiteral("WOL/RegisteredHosts/02:00:00:00:00:07/Profile"),
                   QStringLiteral("Only a profile"));
    }
    CWOLConfig c = host(QStringLiteral("x"), 5, 77, QStringLiteral("p"), QStringLiteral("a"));
    // The group is found whatever the case of the MAC asked for.
    c.readSettings(QStringLiteral("02:00:00:00:00:07"), kPrefix);
    QCOMPARE(c.getNetwork(), 0);
    QCOMPARE(c.getPortNum(), 0); // a missing port reads 0, not 9
    QCOMPARE(c.getProfile(), QStringLiteral("Only a profile"));
    QVERIFY(c.getAddrName().isEmpty());
    QVERIFY(c.getMacAddress().isEmpty());
}

void TestWolManager::registerAndReload()
{
    {
        CQuenWOL wol(nullptr, nullptr);
        wol.slotAddSvr2WOL(host(QStringLiteral("02:1a:2b:3c:4d:5e"), 1, 40009,
                                QStringLiteral("Cellar"), QStringLiteral("198.18.1.2")));
        QVERIFY(wol.contains(QStringLiteral("02:1a:2b:3c:4d:5e")));
        QCOMPARE(wol.getWOL(QStringLiteral("02:1a:2b:3c:4d:5e"))->getStatus(), 0);
    }
    // A hand-stored host without "PortNum": it loads with port 0, and the load writes all five
    // keys back.
    {
        QSettings s;
        s.beginGroup(QStringLiteral("WOL/RegisteredHosts/02:00:00:00:00:09"));
        s.setValue(QStringLiteral("Network"), 0);
        s.setValue(QStringLiteral("Profile"), QStringLiteral("Attic"));
        s.setValue(QStringLiteral("AddrName"), QStringLiteral("198.18.0.9"));
        s.setValue(QStringLiteral("MacAddress"), QStringLiteral("02:00:00:00:00:09"));
    }

    CQuenWOL fresh(nullptr, nullptr);
    QVERIFY(fresh.getMacList().isEmpty());
    fresh.loadRegisteredHosts(kPrefix);
    QCOMPARE(fresh.getMacList(),
             (QStringList{QStringLiteral("02:00:00:00:00:09"), QStringLiteral("02:1a:2b:3c:4d:5e")}));

    const CWOLConfig *c = fresh.getWOLConfig(QStringLiteral("02:1a:2b:3c:4d:5e"));
    QVERIFY(c);
    QCOMPARE(c->getNetwork(), 1);
    QCOMPARE(c->getPortNum(), 40009);
    QCOMPARE(c->getProfile(), QStringLiteral("Cellar"));
    QCOMPARE(c->getAddrName(), QStringLiteral("198.18.1.2"));
    QCOMPARE(c->getMacAddress(), QStringLiteral("02:1a:2b:3c:4d:5e"));
    QVERIFY(fresh.getWOL(QStringLiteral("02:1a:2b:3c:4d:5e")));
    QCOMPARE(fresh.getWOL(QStringLiteral("02:1a:2b:3c:4d:5e"))->getStatus(), 0);

    const CWOLConfig *attic = fresh.getWOLConfig(QStringLiteral("02:00:00:00:00:09"));
    QVERIFY(attic);
    QCOMPARE(attic->getPortNum(), 0);
    const QVariantMap rewritten = storedGroup(QStringLiteral("02:00:00:00:00:09"));
    QCOMPARE(rewritten.size(), 5);
    QVERIFY(rewritten.contains(QStringLiteral("PortNum")));
    QCOMPARE(rewritten.value(QStringLiteral("PortNum")).toInt(), 0);
}

void TestWolManager::reRegisterReplacesRecordAndJob()
{
    CQuenWOL wol(nullptr, nullptr);
    const QString mac = QStringLiteral("02:1a:2b:3c:4d:5e");
    wol.slotAddSvr2WOL(host(mac, 0, 9, QStringLiteral("Old"), QStringLiteral("198.18.0.2")));
    QPointer<CVorkWOL> oldJob = wol.getWOL(mac);
    QVERIFY(oldJob);
    oldJob->setStatus(CVorkWOL::STATUS_WAITING);

    wol.slotAddSvr2WOL(host(mac, 1, 7, QStringLiteral("New"), QStringLiteral("198.18.1.2")));
    QVERIFY(oldJob.isNull()); // deleted, even though it was waiting
    QVERIFY(wol.getWOL(mac));
    QCOMPARE(wol.getWOL(mac)->getStatus(), int(CVorkWOL::STATUS_IDLE));
    QCOMPARE(wol.getWOLConfig(mac)->getProfile(), QStringLiteral("New"));
    QCOMPARE(wol.getMacList(), QStringList{mac});
    QCOMPARE(storedGroups(), QStringList{QStringLiteral("02:1A:2B:3C:4D:5E")});
    QCOMPARE(storedGroup(QStringLiteral("02:1A:2B:3C:4D:5E")).value(QStringLiteral("Profile")).toString(),
             QStringLiteral("New"));
}

void TestWolManager::removeHost()
{
    const QString mac = QStringLiteral("02:1a:2b:3c:4d:5e");
    {
        CQuenWOL wol(nullptr, nullptr);
        wol.slotAddSvr2WOL(host(mac, 0, 9, QStringLiteral("Gone"), QStringLiteral("198.18.0.2")));
        wol.slotAddSvr2WOL(host(QStringLiteral("02:00:00:00:00:01"), 0, 9, QStringLiteral("Kept"),
                                QStringLiteral("198.18.0.3")));
        QPointer<CVorkWOL> job = wol.getWOL(mac);
        // An unknown MAC (here the same one in other letter case) changes nothing.
        wol.slotRemoveSvrFromWOL(QStringLiteral("02:1A:2B:3C:4D:5E"));
        wol.slotRemoveSvrFromWOL(QStringLiteral("02:99:99:99:99:99"));
        QCOMPARE(wol.getMacList().size(), 2);
        QCOMPARE(storedGroups().size(), 2);

        wol.slotRemoveSvrFromWOL(mac);
        QVERIFY(job.isNull());
        QVERIFY(!wol.contains(mac));
        QVERIFY(wol.getWOL(mac) == nullptr);
        QVERIFY(wol.getWOLConfig(mac) == nullptr);
        QCOMPARE(storedGroups(), QStringList{QStringLiteral("02:00:00:00:00:01")});
    }
    CQuenWOL reloaded(nullptr, nullptr);
    reloaded.loadRegisteredHosts(kPrefix);
    QCOMPARE(reloaded.getMacList(), QStringList{QStringLiteral("02:00:00:00:00:01")});
}

void TestWolManager::macTextsAreCaseSensitive()
{
    CQuenWOL wol(nullptr, nullptr);
    wol.slotAddSvr2WOL(host(QStringLiteral("02:aa:00:00:00:01"), 0, 9, QStringLiteral("a"),
                            QStringLiteral("198.18.0.2")));
    QVERIFY(wol.contains(QStringLiteral("02:aa:00:00:00:01")));
    QVERIFY(!wol.contains(QStringLiteral("02:AA:00:00:00:01")));
    QVERIFY(wol.getWOL(QStringLiteral("02:AA:00:00:00:01")) == nullptr);
    QVERIFY(wol.getWOLConfig(QStringLiteral("02:AA:00:00:00:01")) == nullptr);
}

void TestWolManager::keyOrderAndRegisteredMacs()
{
    CQuenWOL wol(nullptr, nullptr);
    for (const char *mac : {"02:00:00:00:00:03", "02:00:00:00:00:01", "02:00:00:00:00:02"})
        wol.slotAddSvr2WOL(host(QLatin1String(mac), 0, 9, QString(), QStringLiteral("198.18.0.2")));
    QCOMPARE(wol.getMacList(),
             (QStringList{QStringLiteral("02:00:00:00:00:01"), QStringLiteral("02:00:00:00:00:02"),
                          QStringLiteral("02:00:00:00:00:03")}));
    QCOMPARE(wol.getRegisteredMacs(kPrefix),
             (QStringList{QStringLiteral("02:00:00:00:00:01"), QStringLiteral("02:00:00:00:00:02"),
                          QStringLiteral("02:00:00:00:00:03")}));
    // The prefix decides where to look; keys beside the groups are not hosts.
    {
        QSettings s;
        s.setValue(QStringLiteral("WOL/RegisteredHosts/stray"), 1);
        s.setValue(QStringLiteral("Other/Group/02:00:00:00:00:09/Network"), 0);
    }
    QCOMPARE(wol.getRegisteredMacs(kPrefix).size(), 3);
    QCOMPARE(wol.getRegisteredMacs(QStringLiteral("Other/Group/")),
             QStringList{QStringLiteral("02:00:00:00:00:09")});
    QVERIFY(wol.getRegisteredMacs(QStringLiteral("Nothing/Here/")).isEmpty());
}

void TestWolManager::loadSkipsGroupWithoutMac()
{
    {
        QSettings s;
        s.setValue(QStringLiteral("WOL/RegisteredHosts/02:00:00:00:00:05/Profile"),
                   QStringLiteral("No MAC key"));
    }
    CQuenWOL wol(nullptr, nullptr);
    wol.loadRegisteredHosts(kPrefix);
    QVERIFY(wol.getMacList().isEmpty());
    // Nothing was written straight under the prefix.
    QSettings s;
    s.beginGroup(QStringLiteral("WOL/RegisteredHosts"));
    QVERIFY(s.childKeys().isEmpty());
}

void TestWolManager::wakeUpUnregistered()
{
    FakePacketSource source;
    CQuenWOL wol(nullptr, &source);
    QCOMPARE(wol.wakeUp(nullptr), -1);
    CWOLConfig stranger = host(QStringLiteral("02:00:00:00:00:42"), 0, 9, QString(),
                               QStringLiteral("198.18.0.2"));
    QCOMPARE(wol.wakeUp(&stranger), -1);
    QVERIFY(wol.getMacList().isEmpty());
    QCOMPARE(source.receiverCount(), 0);
}

void TestWolManager::destructionDeletesJobs()
{
    QPointer<CVorkWOL> job;
    {
        CQuenWOL wol(nullptr, nullptr);
        wol.slotAddSvr2WOL(host(QStringLiteral("02:00:00:00:00:01"), 0, 9, QString(),
                                QStringLiteral("198.18.0.2")));
        job = wol.getWOL(QStringLiteral("02:00:00:00:00:01"));
        QVERIFY(job);
    }
    QVERIFY(job.isNull());
    // Records and jobs are gone from memory; the settings keep the host for the next start.
    QCOMPARE(storedGroups(), QStringList{QStringLiteral("02:00:00:00:00:01")});
}

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    if (!configDir.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    TestWolManager tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_wolmanager.moc"
