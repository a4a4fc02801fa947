// The resource-monitor client and profiles across a real link of the namespace bed: the client
// in the client namespace polls the simulated server's resource-monitor script at 198.18.0.2:5000
// in the server namespace, faults are switched over the control socket and the requests are read
// back from the capture. The client namespace's only name server is its own loopback, where
// nothing answers, so a name that is not in /etc/hosts fails at once (the resolver's 30-s wait
// for an answer is never taken).
#include <QElapsedTimer>
#include <QJsonArray>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include "CRsrcConfig.h"
#include "CRsrcConnect.h"
#include "CRsrcHttp.h"
#include "netnsbed.h"
#include "platforms.h"

namespace {

const char *const SERVER = "198.18.0.2";
const char *const UNIT_PASSWORD = "S3cret+/pw";
const int WAIT_MS = 5000;

void tick(CRsrcConnect &client)
{
    QVERIFY(QMetaObject::invokeMethod(&client, "slotRefresh", Qt::DirectConnection));
}

QList<QJsonObject> scriptRequests()
{
    QList<QJsonObject> out;
    for (const QJsonObject &line : bed::captureLines()) {
        if (line.value("svc").toString() == QLatin1String("rsrcmon"))
            out.append(line);
    }
    return out;
}

int scriptRequests(const QString &action)
{
    int n = 0;
    for (const QJsonObject &line : scriptRequests()) {
        if (line.value("action").toString() == action)
            ++n;
    }
    return n;
}

} // namespace

class TestRsrcMonBed : public QObject
{
    Q_OBJECT

private:
    bed::SimControl m_control;
    CRsrcConfig m_config{5000, true, QStringLiteral("Across"), QLatin1String(SERVER),
                         QStringLiteral("admin"), QString()};

    QList<CRsrcHttp *> httpOf(CRsrcConnect &client)
    {
        return client.findChildren<CRsrcHttp *>(QString(), Qt::FindDirectChildrenOnly);
    }

    bool tickAndWait(CRsrcConnect &client, const QList<int> &kinds)
    {
        QList<QSignalSpy *> spies;
        for (int k : kinds)
            spies.append(new QSignalSpy(httpOf(client).value(k), &CRsrcHttp::requestFinished));
        tick(client);
        bool ok = true;
        for (QSignalSpy *spy : spies) {
            ok = ok && (spy->count() > 0 || spy->wait(tsup::guardMs(WAIT_MS)));
            delete spy;
        }
        return ok;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
        QVERIFY(m_control.connect());
        QVERIFY(m_control.command(QStringLiteral("services")).contains(QStringLiteral("rsrcmon")));
        m_config.setPassword(scrambleEncodeString(QLatin1String(UNIT_PASSWORD)));
    }

    void init()
    {
        QCOMPARE(m_control.command(QStringLiteral("rsrcmon clear")), QStringLiteral("ok"));
        QCOMPARE(m_control.command(QStringLiteral("set 0 adminPassword \"S3cret+/pw\"")).left(2),
                 QStringLiteral("ok"));
    }

    void pollsAcrossTheLink()
    {
        const int before = scriptRequests().size();
        CRsrcConnect client(nullptr, &m_config);
        client.setPollInterval(3600 * 1000);
        client.slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client.getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));
        QCOMPARE(client.getItemCount(3), 3);
        QCOMPARE(client.getItemCount(4), 2);
        QTRY_COMPARE_WITH_TIMEOUT(scriptRequests().size(), before + 5, tsup::guardMs(WAIT_MS));

        const QString scrambled = scrambleEncodeString(QLatin1String(UNIT_PASSWORD));
        const QList<QJsonObject> lines = scriptRequests().mid(before);
        QCOMPARE(lines.first().value("action").toString(), QStringLiteral("init"));
        for (const QJsonObject &line : lines) {
            QCOMPARE(line.value("method").toString(), QStringLiteral("POST"));
            QCOMPARE(line.value("path").toString(), QStringLiteral("/webman/modules/rsrcmonitor.cgi"));
            QCOMPARE(line.value("headers").toObject().value("Content-Type").toString(),
                     QStringLiteral("application/x-www-form-urlencoded"));
            QCOMPARE(line.value("headers").toObject().value("Host").toString(),
                     QStringLiteral("198.18.0.2:5000"));
            const QJsonObject form = line.value("form").toObject();
            QCOMPARE(form.value("username").toString(), QStringLiteral("admin"));
            // The script gets the stored, scrambled form, and its "+" and "/" arrive intact.
            QCOMPARE(form.value("password").toString(), scrambled);
            const QString body = line.value("body").toString();
            QVERIFY(body.startsWith(QStringLiteral("action=") + line.value("action").toString()
                                    + QStringLiteral("&username=admin&password=")));
            QVERIFY(!body.mid(body.indexOf("&password=") + 10).contains(QLatin1Char('+')));
            QVERIFY(!body.mid(body.indexOf("&password=") + 10).contains(QLatin1Char('/')));
        }
        QVERIFY(tickAndWait(client, {1, 2, 3, 4}));
        QCOMPARE(client.getData(3)["net"].size(), 3u);
        QCOMPARE(client.getData(4)["vols"].size(), 2u);
        QCOMPARE(scriptRequests("init"), 1);
        client.slotDoConnect(false);
        QCOMPARE(client.getStatus(), 0);
    }

    void unitPasswordChangeRefuses()
    {
        QCOMPARE(m_control.command(QStringLiteral("set 0 adminPassword \"changed\"")).left(2),
                 QStringLiteral("ok"));
        CRsrcConnect client(nullptr, &m_config);
        client.setPollInterval(3600 * 1000);
        client.slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client.getStatus(), int(CRsrcConnect::RSRC_STAT_AUTH_FAILED), tsup::guardMs(WAIT_MS));
        QVERIFY(!client.isPolling());
    }

    void faultsSwitchedWhileRunning_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::newRow("old server page") << "rsrcmon fault init html404" << 5;
        QTest::newRow("volumes refused") << "rsrcmon fault volget false" << 3;
        QTest::newRow("network dropped") << "rsrcmon fault netget drop" << 4;
        QTest::newRow("memory with a blank") << "rsrcmon fault memget blank" << 5;
    }

    void faultsSwitchedWhileRunning()
    {
        QFETCH(QString, command);
        QFETCH(int, status);
        QCOMPARE(m_control.command(command), QStringLiteral("ok"));
        CRsrcConnect client(nullptr, &m_config);
        client.setPollInterval(3600 * 1000);
        client.slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client.getStatus(), status, tsup::guardMs(WAIT_MS));
        QVERIFY(!client.isPolling());
    }

    void hungChartAcrossTheLink()
    {
        QCOMPARE(m_control.command(QStringLiteral("rsrcmon fault cpuchart hang")), QStringLiteral("ok"));
        CRsrcConnect client(nullptr, &m_config);
        client.setPollInterval(3600 * 1000);
        client.slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client.getStatus(), 2, tsup::guardMs(WAIT_MS));
        QTRY_COMPARE_WITH_TIMEOUT(m_control.json(QStringLiteral("stats")).value("rsrcmon").toObject()
                                      .value("hung").toInt(), 1, tsup::guardMs(WAIT_MS));
        QTRY_VERIFY_WITH_TIMEOUT(client.getData(4).isMember("vols") && client.getData(3).isMember("net")
                                     && client.getData(2).isMember("elements"), tsup::guardMs(WAIT_MS));
        for (int t = 1; t <= 6; ++t) {
            QVERIFY(tickAndWait(client, {2, 3, 4}));
            QCOMPARE(client.getStatus(), 2);
        }
        tick(client);
        QCOMPARE(client.getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
        // The client has given up and closed its connection; the server may or may not have noticed
        // yet, so the held request is released if it is still there.
        QVERIFY(m_control.command(QStringLiteral("rsrcmon release cpuchart")).startsWith(QLatin1String("ok")));
        // The late answer of the given-up request changes nothing.
        QTest::qWait(200);
        QCOMPARE(client.getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
    }

    void controlRefusesUnknownWords()
    {
        QVERIFY(m_control.command(QStringLiteral("rsrcmon fault init sideways")).startsWith("err"));
        QVERIFY(m_control.command(QStringLiteral("rsrcmon init sideways")).startsWith("err"));
        QVERIFY(m_control.command(QStringLiteral("rsrcmon body init zz")).startsWith("err"));
        QVERIFY(m_control.command(QStringLiteral("rsrcmon dance")).startsWith("err"));
    }

    void storedProfileMatchesTheServerAddress()
    {
        QSettings().clear();
        m_config.save(CRsrcConfig::strRsrcRootGroup);
        QString name;
        QVERIFY(CRsrcConfig::isHostPortExisted(0xC6120002u, 5000, &name));
        QCOMPARE(name, QStringLiteral("Across"));
        QVERIFY(!CRsrcConfig::isHostPortExisted(0xC6120002u, 80, &name));
        QSettings().clear();
    }

    void unresolvableHostNeverMatches()
    {
        QSettings().clear();
        // Walked in group order: the unresolvable one comes first.
        CRsrcConfig gone(5000, false, QStringLiteral("A Gone"), QStringLiteral("nas.gone.invalid"),
                         QStringLiteral("admin"), QString());
        gone.save(CRsrcConfig::strRsrcRootGroup);
        CRsrcConfig loop(5000, false, QStringLiteral("B Loop"), QStringLiteral("localhost"),
                         QStringLiteral("admin"), QString());
        loop.save(CRsrcConfig::strRsrcRootGroup);

        // Only the namespace's own loopback resolver: no query can leave. Nothing answers there,
        // so a look-up fails at once; a resolver that waited for an answer would wait 30 s.
        const qint64 resolverWaitMs = 30000;
        QFile resolv(QStringLiteral("/etc/resolv.conf"));
        QVERIFY(resolv.open(QIODevice::ReadOnly));
        QCOMPARE(resolv.readAll(), QByteArray("nameserver 127.0.0.1\noptions timeout:30 attempts:1\n"));

        QElapsedTimer timer;
        timer.start();
        uint32_t address = 0xDEADBEEFu;
        QVERIFY(!resolveHostIPv4(&address, QStringLiteral("nas.gone.invalid")));
        // Address 0 is what a careless walk would compare an unresolved name as.
        QString name = QStringLiteral("untouched");
        QVERIFY(!CRsrcConfig::isHostPortExisted(0, 5000, &name));
        QCOMPARE(name, QStringLiteral("untouched"));
        QVERIFY(!CRsrcConfig::isHostPortExisted(0xDEADBEEFu, 5000, &name));
        QCOMPARE(name, QStringLiteral("untouched"));
        // The walk goes on past the unresolvable profile.
        QVERIFY(CRsrcConfig::isHostPortExisted(0x7F000001u, 5000, &name));
        QCOMPARE(name, QStringLiteral("B Loop"));
        QVERIFY2(timer.elapsed() < tsup::before(resolverWaitMs), "a look-up waited for its name server");
        QSettings().clear();
    }
};

BED_TEST_MAIN(TestRsrcMonBed)
#include "tst_rsrcmon_bed.moc"
