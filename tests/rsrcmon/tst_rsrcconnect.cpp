// The resource-monitor client against the simulated server's resource-monitor script on
// loopback. Poll ticks are driven by the test (the timer is given a long interval through the
// client's seam); tst_rsrcconnect_timer lets the real 3000 ms timer run.
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include "CRsrcConfig.h"
#include "CRsrcConnect.h"
#include "CRsrcHttp.h"
#include "SimRsrcMonService.h"
#include <json/reader.h>
#include "HangGuard.h"
#include "platforms.h"

namespace {

const char *const CLEAR_PASSWORD = "Tr0ub4dor&3+/ =";
const int WAIT_MS = 5000;
const int ONE_HOUR_MS = 3600 * 1000;

void tick(CRsrcConnect &client)
{
    QVERIFY(QMetaObject::invokeMethod(&client, "slotRefresh", Qt::DirectConnection));
}

// The request objects of a client in kind order (created in that order by the first connect).
QList<CRsrcHttp *> httpOf(CRsrcConnect &client)
{
    return client.findChildren<CRsrcHttp *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestRsrcConnect : public QObject
{
    Q_OBJECT

private:
    SimRsrcMonService *m_sim = nullptr;
    CRsrcConfig *m_config = nullptr;

    CRsrcConnect *newClient(CRsrcConfig *config = nullptr)
    {
        CRsrcConnect *client = new CRsrcConnect(nullptr, config ? config : m_config);
        client->setPollInterval(ONE_HOUR_MS);
        return client;
    }

    // Connects and waits until "init" has been answered and handled.
    bool connectAndWaitInit(CRsrcConnect &client)
    {
        client.slotDoConnect(true);
        if (client.getStatus() != CRsrcConnect::RSRC_STAT_CONNECTING)
            return false;
        QSignalSpy spy(httpOf(client).value(0), &CRsrcHttp::requestFinished);
        return spy.wait(tsup::guardMs(WAIT_MS)) || spy.count() > 0;
    }

    // Waits until the request of `kind` now in flight has been answered and handled.
    static bool waitKind(CRsrcConnect &client, int kind, QSignalSpy *spy = nullptr)
    {
        if (spy)
            return spy->count() > 0 || spy->wait(tsup::guardMs(WAIT_MS));
        QSignalSpy own(httpOf(client).value(kind), &CRsrcHttp::requestFinished);
        return own.wait(tsup::guardMs(WAIT_MS));
    }

    // Waits until the chart round sent right after "init" has been answered and handled.
    static bool waitFirstRound(CRsrcConnect &client, const QList<int> &kinds = {1, 2, 3, 4})
    {
        const char *marks[] = {"", "elements", "elements", "net", "vols"};
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < tsup::guardMs(WAIT_MS)) {
            bool all = true;
            for (int k : kinds)
                all = all && client.getData(k).isMember(marks[k]);
            if (all)
                return true;
            QTest::qWait(10);
        }
        return false;
    }

    // Ticks once and waits for the replies of the chart kinds `kinds`.
    static bool tickAndWait(CRsrcConnect &client, const QList<int> &kinds)
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
    }

    void init()
    {
        m_sim = new SimRsrcMonService;
        m_sim->setAccount(QStringLiteral("admin"), QLatin1String(CLEAR_PASSWORD));
        QVERIFY(m_sim->listen(QHostAddress::LocalHost, 0));
        m_config = new CRsrcConfig(m_sim->port(), true, QStringLiteral("Loop"),
                                   QStringLiteral("127.0.0.1"), QStringLiteral("admin"),
                                   scrambleEncodeString(QLatin1String(CLEAR_PASSWORD)));
        QVERIFY(!m_config->getPassword().isEmpty());
    }

    void cleanup()
    {
        delete m_sim;
        m_sim = nullptr;
        delete m_config;
        m_config = nullptr;
    }

    void statusTexts()
    {
        QCOMPARE(CRsrcConnect::statusToString(0), QStringLiteral("Not connected."));
        QCOMPARE(CRsrcConnect::statusToString(1), QStringLiteral("Connecting to server..."));
        QCOMPARE(CRsrcConnect::statusToString(2), QStringLiteral("Connected."));
        QCOMPARE(CRsrcConnect::statusToString(3),
                 QStringLiteral("The account or password is invalid. Please try again."));
        QCOMPARE(CRsrcConnect::statusToString(4), QStringLiteral("Connection lost."));
        QCOMPARE(CRsrcConnect::statusToString(5),
                 QStringLiteral("Failed to connect the Varnestor. Please check the network settings, "
                                "and make sure the Varnestor is upgraded to VNO 2.2 or onward."));
        QCOMPARE(CRsrcConnect::statusToString(6), QString());
        QCOMPARE(CRsrcConnect::statusToString(-1), QString());
    }

    void actionNames()
    {
        const char *expected[] = {"init", "cpuchart", "memget", "netget", "volget"};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(QByteArray(CRsrcConnect::rgstrCGIPost[k]), QByteArray(expected[k]));
        QCOMPARE(QByteArray(CRsrcConnect::CGI_PATH), QByteArray("/webman/modules/rsrcmonitor.cgi"));
        QCOMPARE(int(CRsrcConnect::POLL_INTERVAL_MS), 3000);
    }

    void requestBodyBytes()
    {
        // The stored password goes out percent-encoded; the account as it stands.
        CRsrcConfig config(5000, true, QStringLiteral("G"), QStringLiteral("198.18.0.1"),
                           QStringLiteral("ad min"), QString::fromUtf8("ab+/= ~.-_Z9\xc3\xa9%"));
        CRsrcConnect client(nullptr, &config);
        QCOMPARE(client.buildRequestBody(CRsrcConnect::CGI_INIT),
                 QByteArray("action=init&username=ad min&password=ab%2B%2F%3D%20~.-_Z9%C3%A9%25"));
        QCOMPARE(client.buildRequestBody(CRsrcConnect::CGI_VOLGET),
                 QByteArray("action=volget&username=ad min&password=ab%2B%2F%3D%20~.-_Z9%C3%A9%25"));
        config.setPassword(QString());
        config.setAdminAccount(QStringLiteral("%1"));
        QCOMPARE(client.buildRequestBody(CRsrcConnect::CGI_NETGET),
                 QByteArray("action=netget&username=%1&password="));
        QCOMPARE(client.buildRequestBody(5), QByteArray());
    }

    void simulatedScriptReplies()
    {
        // The simulated script's own replies, typed by hand (members in name order).
        QCOMPARE(m_sim->normalReply("init"),
                 QByteArray("{\"interfaces\":[\"eth0\",\"eth1\",\"ppp0\"],\"success\":true,\"volsID\":[1,2]}"));
        m_sim->setInitForm(SimRsrcMonService::InitLanPpp);
        QCOMPARE(m_sim->normalReply("init"),
                 QByteArray("{\"lanNum\":2,\"pppNum\":1,\"success\":true,\"volsID\":[1,2]}"));
        m_sim->setInitForm(SimRsrcMonService::InitLanNumString);
        QCOMPARE(m_sim->normalReply("init"),
                 QByteArray("{\"lanNum\":\"2\",\"pppNum\":1,\"success\":true,\"volsID\":[1,2]}"));
        m_sim->setInitForm(SimRsrcMonService::InitNeither);
        QCOMPARE(m_sim->normalReply("init"), QByteArray("{\"success\":true}"));
        QCOMPARE(m_sim->normalReply("reboot"), QByteArray("{\"success\":false}"));

        // A chart: 61 axis labels, 60 samples per curve.
        Json::Value cpu;
        Json::Reader reader;
        const QByteArray chart = m_sim->normalReply("cpuchart");
        QVERIFY(reader.parse(chart.constData(), chart.constData() + chart.size(), cpu));
        QCOMPARE(cpu["x_axis"]["labels"]["labels"].size(), 61u);
        QCOMPARE(cpu["elements"][0]["values"].size(), 60u);
        QCOMPARE(cpu["y_axis"]["max"].asInt(), 100);
        Json::Value vol;
        const QByteArray vols = m_sim->normalReply("volget");
        QVERIFY(reader.parse(vols.constData(), vols.constData() + vols.size(), vol));
        QCOMPARE(vol["vols"][1]["totalsize"].asString(), std::string("2000398934016"));
        QCOMPARE(vol["volsID"][1].asInt(), 2);
    }

    void simulatedScriptDecodesPercentOnly()
    {
        CRsrcHttp http;
        QByteArray reply;
        connect(&http, &CRsrcHttp::requestFinished, this, [&http, &reply]() { reply = http.readAll(); });
        QSignalSpy spy(&http, &CRsrcHttp::requestFinished);
        http.setHost(QStringLiteral("127.0.0.1"), m_sim->port());
        http.post(QLatin1String(CRsrcConnect::CGI_PATH), "action=init&username=ad+min&password=A+B%2FC%3d");
        QVERIFY(spy.wait(tsup::guardMs(WAIT_MS)));
        QCOMPARE(m_sim->requestCount(), 1);
        const SimRsrcMonService::Request r = m_sim->requests().first();
        QCOMPARE(r.form.value("username"), QStringLiteral("ad+min"));
        QCOMPARE(r.form.value("password"), QStringLiteral("A+B/C="));
        QCOMPARE(r.body, QByteArray("action=init&username=ad+min&password=A+B%2FC%3d"));
        // Not the unit's account: the reply says so.
        QCOMPARE(spy.first().at(1).toBool(), false);
        QCOMPARE(reply, QByteArray("{\"success\":false}\n"));
    }

    void dataBeforeConnect()
    {
        QScopedPointer<CRsrcConnect> client(newClient());
        QCOMPARE(client->getStatus(), 0);
        QCOMPARE(client->getStatusString(), QStringLiteral("Not connected."));
        QVERIFY(client->getData(1).isNull());
        QVERIFY(client->getData(0).isNull());
        QVERIFY(client->getData(5).isNull());
        QVERIFY(client->getData(-1).isNull());
        QCOMPARE(client->getItemCount(0), 0);
        QCOMPARE(client->getItemCount(1), 1);
        QCOMPARE(client->getItemCount(2), 1);
        QCOMPARE(client->getItemCount(3), 0);
        QCOMPARE(client->getItemCount(4), 0);
        QCOMPARE(client->getItemCount(5), 0);
        QVERIFY(!client->isPolling());
        // A tick before any connect sends nothing.
        tick(*client);
        QTest::qWait(50);
        QCOMPARE(m_sim->requestCount(), 0);
    }

    void initThenChartsAtOnce()
    {
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTING));
        QVERIFY(client->isPolling());
        QVERIFY(waitKind(*client, 0));
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED));
        QCOMPARE(client->getItemCount(3), 3);
        QCOMPARE(client->getItemCount(4), 2);
        // The four chart requests went out without waiting for a tick.
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount(), 5, tsup::guardMs(WAIT_MS));
        const QList<SimRsrcMonService::Request> log = m_sim->requests();
        const QStringList actions = {"init", "cpuchart", "memget", "netget", "volget"};
        QStringList seen;
        for (const auto &r : log) {
            seen.append(r.action());
            QCOMPARE(r.method, QByteArray("POST"));
            QCOMPARE(r.path, QByteArray("/webman/modules/rsrcmonitor.cgi"));
            QCOMPARE(r.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
            // The server receives the scrambled password, never the clear one.
            QCOMPARE(r.form.value("password"), scrambleEncodeString(QLatin1String(CLEAR_PASSWORD)));
            QCOMPARE(r.form.value("username"), QStringLiteral("admin"));
            QVERIFY(r.body.startsWith("action=" + r.action().toLatin1() + "&username=admin&password="));
            const QByteArray encoded = r.body.mid(r.body.indexOf("&password=") + 10);
            for (char c : encoded)
                QVERIFY2(QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%").contains(c),
                         encoded.constData());
        }
        QCOMPARE(seen.first(), QStringLiteral("init"));
        seen.sort();
        QStringList sortedActions = actions;
        sortedActions.sort();
        QCOMPARE(seen, sortedActions);

        // Each reply landed in its own kind.
        QTRY_VERIFY_WITH_TIMEOUT(client->getData(4).isMember("vols"), tsup::guardMs(WAIT_MS));
        QTRY_VERIFY_WITH_TIMEOUT(client->getData(3).isMember("net"), tsup::guardMs(WAIT_MS));
        QTRY_VERIFY_WITH_TIMEOUT(client->getData(1).isMember("y_legend"), tsup::guardMs(WAIT_MS));
        QTRY_VERIFY_WITH_TIMEOUT(client->getData(2).isMember("y_legend"), tsup::guardMs(WAIT_MS));
        QCOMPARE(client->getData(1)["y_legend"]["text"].asString(), std::string("CPU"));
        QCOMPARE(client->getData(2)["y_legend"]["text"].asString(), std::string("Memory"));
        QCOMPARE(client->getData(3)["net"].size(), 3u);
        QCOMPARE(client->getData(4)["vols"].size(), 2u);
        QCOMPARE(client->getData(0)["interfaces"].size(), 3u);
        QCOMPARE(client->getItemCount(1), 1);
        QCOMPARE(client->getItemCount(2), 1);
        QCOMPARE(client->getItemCount(0), 0);
    }

    void interfaceCountForms()
    {
        QScopedPointer<CRsrcConnect> client(newClient());
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getItemCount(3), 3);
        QCOMPARE(client->getItemCount(4), 2);

        m_sim->setInitForm(SimRsrcMonService::InitLanPpp);
        m_sim->setLanPppCounts(2, 1);
        m_sim->setVolumes({4, 5, 6});
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), 2);
        QCOMPARE(client->getItemCount(3), 3);
        QCOMPARE(client->getItemCount(4), 3);

        // Neither count: no interfaces; without "volsID" the volume count stays.
        m_sim->setInitForm(SimRsrcMonService::InitNeither);
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), 2);
        QCOMPARE(client->getItemCount(3), 0);
        QCOMPARE(client->getItemCount(4), 3);

        // A count sent as a string counts as none, and nothing breaks.
        m_sim->setInitForm(SimRsrcMonService::InitLanNumString);
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), 2);
        QCOMPARE(client->getItemCount(3), 1);
    }

    void oddlyTypedInitMembers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("interfaces");
        QTest::addColumn<int>("volumes");
        // Volumes start at 2 from a first normal "init".
        QTest::newRow("counts as containers")
            << QByteArray("{\"success\":true,\"lanNum\":[1,2],\"pppNum\":{\"a\":1}}\n") << 2 << 0 << 2;
        QTest::newRow("counts as booleans and reals")
            << QByteArray("{\"success\":true,\"lanNum\":true,\"pppNum\":2.7}\n") << 2 << 3 << 2;
        QTest::newRow("null counts") << QByteArray("{\"success\":true,\"lanNum\":null}\n") << 2 << 0 << 2;
        QTest::newRow("interfaces not an array")
            << QByteArray("{\"success\":true,\"interfaces\":5,\"volsID\":\"12\"}\n") << 2 << 0 << 0;
        QTest::newRow("interfaces object")
            << QByteArray("{\"success\":true,\"interfaces\":{\"a\":1,\"b\":2},\"volsID\":[]}\n") << 2 << 2 << 0;
        // "success" holds only for true, a number other than 0, and the texts "true" and "1".
        QTest::newRow("success string") << QByteArray("{\"success\":\"yes\"}\n") << 3 << 3 << 2;
        QTest::newRow("success text false") << QByteArray("{\"success\":\"false\"}\n") << 3 << 3 << 2;
        QTest::newRow("success text true") << QByteArray("{\"success\":\"true\"}\n") << 2 << 0 << 2;
        QTest::newRow("success text 1") << QByteArray("{\"success\":\"1\"}\n") << 2 << 0 << 2;
        QTest::newRow("success empty string") << QByteArray("{\"success\":\"\"}\n") << 3 << 3 << 2;
        QTest::newRow("success zero") << QByteArray("{\"success\":0}\n") << 3 << 3 << 2;
        QTest::newRow("success nonzero real") << QByteArray("{\"success\":0.5}\n") << 2 << 0 << 2;
        QTest::newRow("success array") << QByteArray("{\"success\":[0]}\n") << 3 << 3 << 2;
        QTest::newRow("success empty object") << QByteArray("{\"success\":{}}\n") << 3 << 3 << 2;
        QTest::newRow("success null") << QByteArray("{\"success\":null}\n") << 3 << 3 << 2;
        QTest::newRow("no success") << QByteArray("{\"interfaces\":[1]}\n") << 3 << 3 << 2;
    }

    void oddlyTypedInitMembers()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(int, interfaces);
        QFETCH(int, volumes);
        QScopedPointer<CRsrcConnect> client(newClient());
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getItemCount(3), 3);
        m_sim->setCustomBody(QStringLiteral("init"), body);
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), status);
        QCOMPARE(client->getItemCount(3), interfaces);
        QCOMPARE(client->getItemCount(4), volumes);
        QCOMPARE(client->isPolling(), status == 2);
    }

    void notJsonMeansOldServer_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("fault");
        QTest::newRow("init, leading blank") << "init" << int(SimRsrcMonService::FaultLeadingBlank);
        QTest::newRow("init, 404 page") << "init" << int(SimRsrcMonService::FaultHtml404);
        QTest::newRow("netget, 404 page") << "netget" << int(SimRsrcMonService::FaultHtml404);
        QTest::newRow("volget, leading blank") << "volget" << int(SimRsrcMonService::FaultLeadingBlank);
    }

    void notJsonMeansOldServer()
    {
        QFETCH(QString, action);
        QFETCH(int, fault);
        m_sim->setFault(action, SimRsrcMonService::Fault(fault));
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        if (action != QLatin1String("init")) {
            QVERIFY(waitKind(*client, 0));
            QCOMPARE(client->getStatus(), 2);
        }
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_VERSION_ERR), tsup::guardMs(WAIT_MS));
        QVERIFY(!client->isPolling());
        QVERIFY(client->getStatusString().contains(QStringLiteral("2.2")));
        // Idle afterwards: a stray tick... is never run by the stopped timer, and late replies
        // of the other kinds change nothing.
        QTest::qWait(100);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_VERSION_ERR));
    }

    void missingLastByteDoesNotParse()
    {
        m_sim->setFault(QStringLiteral("cpuchart"), SimRsrcMonService::FaultNoTrailingByte);
        QScopedPointer<CRsrcConnect> client(newClient());
        QVERIFY(connectAndWaitInit(*client));
        QSignalSpy cpuSpy(httpOf(*client).value(1), &CRsrcHttp::requestFinished);
        QVERIFY(waitKind(*client, 1, &cpuSpy));
        QCOMPARE(client->getStatus(), 2);
        QVERIFY(client->isPolling());
        QCOMPARE(m_sim->requestCount("cpuchart"), 1);
        // Asked again at the next tick: nothing was left pending.
        QVERIFY(tickAndWait(*client, {1}));
        QCOMPARE(m_sim->requestCount("cpuchart"), 2);
        QCOMPARE(client->getStatus(), 2);
    }

    void initWithoutLastByteStaysConnecting()
    {
        m_sim->setFault(QStringLiteral("init"), SimRsrcMonService::FaultNoTrailingByte);
        QScopedPointer<CRsrcConnect> client(newClient());
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTING));
        QCOMPARE(client->getItemCount(3), 0);
        // No immediate chart round; the first tick starts it and "init" is not asked again.
        QTest::qWait(50);
        QCOMPARE(m_sim->requestCount(), 1);
        QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
        QCOMPARE(m_sim->requestCount("init"), 1);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED));
    }

    void emptyBodyChangesNothing()
    {
        const QStringList charts = {"cpuchart", "memget", "netget", "volget"};
        m_sim->setFault(QStringLiteral("init"), SimRsrcMonService::FaultEmptyBody);
        for (const QString &action : charts)
            m_sim->setFault(action, SimRsrcMonService::FaultEmptyBody);
        QScopedPointer<CRsrcConnect> client(newClient());
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), 1);
        QVERIFY(client->isPolling());
        QCOMPARE(client->getItemCount(3), 0);
        QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
        QCOMPARE(client->getStatus(), 1);
        // Nothing stays pending: every chart kind is asked again, "init" never.
        QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
        QCOMPARE(client->getStatus(), 1);
        for (const QString &action : charts)
            QCOMPARE(m_sim->requestCount(action), 2);
        QCOMPARE(m_sim->requestCount("init"), 1);

        for (const QString &action : charts)
            m_sim->setFault(action, SimRsrcMonService::FaultNone);
        m_sim->setFault(QStringLiteral("memget"), SimRsrcMonService::FaultEmptyBody);
        QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
        QCOMPARE(client->getStatus(), 2);
        QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
        QCOMPARE(m_sim->requestCount("memget"), 4);
        QCOMPARE(m_sim->requestCount("init"), 1);

        // A body that begins with a zero byte is empty too; after a disconnect the status
        // stays as the disconnect left it.
        m_sim->setCustomBody(QStringLiteral("cpuchart"), QByteArray("\0{\"success\":false}\n", 19));
        QVERIFY(tickAndWait(*client, {1}));
        QCOMPARE(client->getStatus(), 2);
        client->slotDoConnect(false);
        QCOMPARE(client->getStatus(), 0);
    }

    void malformedJsonIsOnlyLogged()
    {
        m_sim->setFault(QStringLiteral("cpuchart"), SimRsrcMonService::FaultMalformed);
        QScopedPointer<CRsrcConnect> client(newClient());
        QVERIFY(connectAndWaitInit(*client));
        QSignalSpy cpuSpy(httpOf(*client).value(1), &CRsrcHttp::requestFinished);
        QVERIFY(waitKind(*client, 1, &cpuSpy));
        QCOMPARE(client->getStatus(), 2);
        QVERIFY(tickAndWait(*client, {1}));
        QCOMPARE(m_sim->requestCount("cpuchart"), 2);
        QCOMPARE(client->getStatus(), 2);
        // Whatever the reader left is a value the page can copy.
        const Json::Value partial = client->getData(1);
        QVERIFY(partial.isObject() || partial.isNull());
    }

    // Replies no server sends: arrays nested 2000 deep, about 5 MB with counts of 10^6, counts
    // one past a bound, a body past the size bound. Each is a malformed reply: nothing of it is
    // kept, the status stays, the program goes on. Counts at the bounds are accepted.
    void hostileRepliesAreMalformed()
    {
        const QStringList charts = {"cpuchart", "memget", "netget", "volget"};
        const QStringList actions = QStringList(charts) << "init";
        const auto list = [](const QByteArray &entry, int count) { return '[' + (entry + ',').repeated(count - 1) + entry + ']'; };
        QScopedPointer<CRsrcConnect> client(newClient());
        for (SimRsrcMonService::Fault fault : {SimRsrcMonService::FaultDeepNesting, SimRsrcMonService::FaultHugeCounts}) {
            for (const QString &action : actions)
                m_sim->setFault(action, fault);
            QVERIFY(connectAndWaitInit(*client));
            QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
            QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTING));
            QCOMPARE(client->getItemCount(3) + client->getItemCount(4), 0);
            for (int k = 0; k <= 4; ++k)
                QVERIFY2(client->getData(k).isNull(), qPrintable(QString::number(k)));
        }
        QCOMPARE(m_sim->requestCount("cpuchart"), 2);

        const QByteArray chart = "{\"x_axis\":{\"labels\":{\"labels\":[0,1]}},\"elements\":[{\"values\":[5]}]}";
        const auto bodies = [&](int extra) {
            return QList<QByteArray>{
                "{\"success\":true,\"x_axis\":{\"labels\":{\"labels\":" + list("0", 1001 + extra) + "}}}\n",
                "{\"success\":true,\"elements\":" + list("{\"values\":" + list("1", 1001) + "}", 16 + extra) + "}\n",
                "{\"success\":true,\"lan\":" + list(chart, 60) + ",\"pppoe\":" + list(chart, 4 + extra) + "}\n",
                "{\"success\":true,\"volsID\":" + list("1", 64) + ",\"vols\":" +
                    list("{\"elements\":[{\"values\":" + list("{}", 16) + "}]}", 64 + extra) + "}\n"};
        };
        for (int extra : {1, 0}) {
            for (int k = 0; k < 4; ++k)
                m_sim->setCustomBody(charts.at(k), bodies(extra).at(k));
            QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
            for (int k = 1; k <= 4; ++k)
                QCOMPARE(client->getData(k).isNull(), extra == 1);
        }
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED));

        // 9 MiB, past the size bound: refused by its Content-Length, unread.
        m_sim->setCustomBody("init", "{\"success\":true,\"volsID\":[1],\"pad\":\"" +
                                         QByteArray(9 * 1024 * 1024, 'x') + "\"}\n");
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTING));
        QVERIFY(client->getData(0).isNull());
    }

    void refusedAccount_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("wrongPassword");
        QTest::newRow("wrong password at init") << "init" << true;
        QTest::newRow("init says no") << "init" << false;
        QTest::newRow("cpuchart says no") << "cpuchart" << false;
        QTest::newRow("volget says no") << "volget" << false;
    }

    void refusedAccount()
    {
        QFETCH(QString, action);
        QFETCH(bool, wrongPassword);
        if (wrongPassword)
            m_config->setPassword(scrambleEncodeString(QStringLiteral("guess")));
        else
            m_sim->setFault(action, SimRsrcMonService::FaultSuccessFalse);
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_AUTH_FAILED), tsup::guardMs(WAIT_MS));
        QVERIFY(!client->isPolling());
        QTest::qWait(100);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_AUTH_FAILED));
        // Polling stopped: no kind was asked a second time.
        for (const char *kind : {"init", "cpuchart", "memget", "netget", "volget"})
            QVERIFY(m_sim->requestCount(QLatin1String(kind)) <= 1);

        // The right account then connects again from the start.
        m_sim->clearFaults();
        m_config->setPassword(scrambleEncodeString(QLatin1String(CLEAR_PASSWORD)));
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getStatus(), 2);
    }

    void droppedConnectionIsLost_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("init") << "init";
        QTest::newRow("netget") << "netget";
    }

    void droppedConnectionIsLost()
    {
        QFETCH(QString, action);
        m_sim->setFault(action, SimRsrcMonService::FaultDrop);
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST), tsup::guardMs(WAIT_MS));
        QVERIFY(!client->isPolling());
    }

    void refusedPortIsLost()
    {
        const quint16 port = m_sim->port();
        m_sim->close();
        m_config->setHostPort(port);
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST), tsup::guardMs(WAIT_MS));
        QVERIFY(!client->isPolling());
    }

    void hungChartGivesUpAtSeventhTick()
    {
        m_sim->setFault(QStringLiteral("cpuchart"), SimRsrcMonService::FaultHang);
        QScopedPointer<CRsrcConnect> client(newClient());
        // "init" is answered and its immediate tick sends the charts: cpuchart never returns.
        QVERIFY(connectAndWaitInit(*client));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->hungConnections(), 1, tsup::guardMs(WAIT_MS));
        QVERIFY(waitFirstRound(*client, {2, 3, 4}));
        for (int t = 1; t <= 6; ++t) {
            QVERIFY(tickAndWait(*client, {2, 3, 4}));
            QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED));
            QVERIFY(client->isPolling());
        }
        QCOMPARE(m_sim->requestCount("cpuchart"), 1);
        QCOMPARE(m_sim->requestCount("memget"), 7);
        tick(*client);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
        QVERIFY(!client->isPolling());
        QCOMPARE(client->getStatusString(), QStringLiteral("Connection lost."));
        // Nothing was sent by the giving-up tick.
        QTest::qWait(50);
        QCOMPARE(m_sim->requestCount("memget"), 7);

        // Connecting again starts over with "init".
        m_sim->clearFaults();
        const int changes = client->statusChangeCount();
        client->slotDoConnect(true);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTING));
        QVERIFY(client->isPolling());
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount("init"), 2, tsup::guardMs(WAIT_MS));
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED), tsup::guardMs(WAIT_MS));
        QCOMPARE(client->statusChangeCount(), unsigned(changes + 2));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount("cpuchart"), 2, tsup::guardMs(WAIT_MS));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount("volget"), 8, tsup::guardMs(WAIT_MS));
        QTest::qWait(50);
        // Six stalled ticks were counted before; the new connection starts with a clean count.
        for (int t = 1; t <= 8; ++t) {
            QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
            QCOMPARE(client->getStatus(), 2);
        }
    }

    void hungInitNeverDisconnects()
    {
        m_sim->setFault(QStringLiteral("init"), SimRsrcMonService::FaultHang);
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->hungConnections(), 1, tsup::guardMs(WAIT_MS));
        QCOMPARE(client->getStatus(), 1);
        for (int t = 1; t <= 12; ++t) {
            QVERIFY(tickAndWait(*client, {1, 2, 3, 4}));
            // A chart reply alone makes the connection count as made.
            QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED));
            QVERIFY(client->isPolling());
        }
        QCOMPARE(m_sim->requestCount("init"), 1);
        QCOMPARE(m_sim->requestCount("cpuchart"), 12);
    }

    void lateInitAfterStalledTicksStaysLost()
    {
        // "init" and "cpuchart" hang; "init" comes back just when the stall limit is reached.
        m_sim->setFault(QStringLiteral("init"), SimRsrcMonService::FaultHang);
        m_sim->setFault(QStringLiteral("cpuchart"), SimRsrcMonService::FaultHang);
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->hungConnections(), 1, tsup::guardMs(WAIT_MS));
        QVERIFY(tickAndWait(*client, {2, 3, 4}));       // sends cpuchart
        for (int t = 1; t <= 6; ++t)
            QVERIFY(tickAndWait(*client, {2, 3, 4}));   // six stalled ticks
        QCOMPARE(client->getStatus(), 2);
        QSignalSpy initSpy(httpOf(*client).value(0), &CRsrcHttp::requestFinished);
        QCOMPARE(m_sim->releaseHung(QStringLiteral("init")), 1);
        QVERIFY(initSpy.wait(tsup::guardMs(WAIT_MS)));
        // Its immediate tick gave up on the stalled server; the reply must not hide that.
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
        QVERIFY(!client->isPolling());
    }

    // Late replies spread over a session: in each round one chart kind stays unanswered over one
    // tick and is answered before the next, which finds nothing in flight and starts the count of
    // stalled ticks over. Eight such rounds keep the connection; then six stalled ticks in a row
    // drop it at the seventh, as they do from the start. Every chart kind counts alike.
    void lateRepliesSpreadOverTicksKeepTheConnection_data()
    {
        QTest::addColumn<int>("kind");
        for (int k = CRsrcConnect::CGI_CPUCHART; k <= CRsrcConnect::CGI_VOLGET; ++k)
            QTest::newRow(CRsrcConnect::rgstrCGIPost[k]) << k;
    }

    void lateRepliesSpreadOverTicksKeepTheConnection()
    {
        QFETCH(int, kind);
        const QString action = QLatin1String(CRsrcConnect::rgstrCGIPost[kind]);
        QList<int> others = {1, 2, 3, 4};
        others.removeAll(kind);
        m_sim->setFault(action, SimRsrcMonService::FaultHang);
        QScopedPointer<CRsrcConnect> client(newClient());
        // A tick that leaves the connection standing, then the replies of the other kinds.
        auto tickKept = [&] {
            QList<QSharedPointer<QSignalSpy>> spies;
            for (int k : others)
                spies << QSharedPointer<QSignalSpy>::create(httpOf(*client).value(k), &CRsrcHttp::requestFinished);
            tick(*client);
            if (client->getStatus() != CRsrcConnect::RSRC_STAT_CONNECTED || !client->isPolling())
                return false;
            for (const QSharedPointer<QSignalSpy> &spy : spies)
                if (spy->count() == 0 && !spy->wait(tsup::guardMs(WAIT_MS)))
                    return false;
            return true;
        };
        // "init" is answered and its immediate tick sends the charts: `kind` is held.
        QVERIFY(connectAndWaitInit(*client));
        QVERIFY(waitFirstRound(*client, others));
        for (int round = 1; round <= 8; ++round) {
            const QByteArray where = "round " + QByteArray::number(round);
            QTRY_COMPARE_WITH_TIMEOUT(m_sim->hungConnections(), 1, tsup::guardMs(WAIT_MS));
            QVERIFY2(tickKept(), where.constData()); // `kind` still in flight: one stalled tick
            QSignalSpy late(httpOf(*client).value(kind), &CRsrcHttp::requestFinished);
            QCOMPARE(m_sim->releaseHung(action), 1);
            QVERIFY(waitKind(*client, kind, &late));
            QVERIFY2(tickKept(), where.constData()); // nothing in flight; `kind` sent and held again
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount(action), 9, tsup::guardMs(WAIT_MS));
        for (int t = 1; t <= 6; ++t)
            QVERIFY2(tickKept(), qPrintable(QStringLiteral("stalled tick %1").arg(t)));
        tick(*client);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECT_LOST));
        QVERIFY(!client->isPolling());
        QCOMPARE(m_sim->requestCount(action), 9);
    }

    void disconnectIsOneTransition()
    {
        m_sim->setFault(QStringLiteral("init"), SimRsrcMonService::FaultHang);
        m_sim->setFault(QStringLiteral("cpuchart"), SimRsrcMonService::FaultHang);
        m_sim->setFault(QStringLiteral("memget"), SimRsrcMonService::FaultHang);
        QScopedPointer<CRsrcConnect> client(newClient());
        client->slotDoConnect(true);
        tick(*client);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->hungConnections(), 3, tsup::guardMs(WAIT_MS));
        QTRY_COMPARE_WITH_TIMEOUT(client->getStatus(), 2, tsup::guardMs(WAIT_MS));

        QList<QSignalSpy *> spies;
        for (CRsrcHttp *http : httpOf(*client))
            spies.append(new QSignalSpy(http, &CRsrcHttp::requestFinished));
        const unsigned changes = client->statusChangeCount();
        client->slotDoConnect(false);
        // The three aborted requests were reported at once, and ignored.
        QCOMPARE(spies.at(0)->count(), 1);
        QCOMPARE(spies.at(1)->count(), 1);
        QCOMPARE(spies.at(2)->count(), 1);
        QVERIFY(spies.at(0)->first().at(1).toBool());
        qDeleteAll(spies);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));
        QCOMPARE(client->statusChangeCount(), changes + 1);
        QVERIFY(!client->isPolling());
        QTest::qWait(100);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_DISCONNECT));

        // Reconnecting while "init" hangs aborts the old one silently too.
        client->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount("init"), 2, tsup::guardMs(WAIT_MS));
        const unsigned connecting = client->statusChangeCount();
        client->slotDoConnect(true);
        QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTING));
        QCOMPARE(client->statusChangeCount(), connecting);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount("init"), 3, tsup::guardMs(WAIT_MS));
    }

    void valuesOutliveAConnection()
    {
        QScopedPointer<CRsrcConnect> client(newClient());
        QVERIFY(connectAndWaitInit(*client));
        QTRY_VERIFY_WITH_TIMEOUT(client->getData(1).isMember("elements"), tsup::guardMs(WAIT_MS));
        client->slotDoConnect(false);
        QVERIFY(client->getData(1).isMember("elements"));
        QCOMPARE(client->getItemCount(3), 3);
        m_sim->setFault(QStringLiteral("cpuchart"), SimRsrcMonService::FaultHang);
        QVERIFY(connectAndWaitInit(*client));
        QCOMPARE(client->getData(1)["y_legend"]["text"].asString(), std::string("CPU"));
        // Copies are copies: changing one does not touch the stored value.
        Json::Value copy = client->getData(1);
        copy["y_legend"]["text"] = "changed";
        QCOMPARE(client->getData(1)["y_legend"]["text"].asString(), std::string("CPU"));
    }

    void repliesFindTheirOwnKindAcrossClients()
    {
        SimRsrcMonService other;
        other.setAccount(QStringLiteral("root"), QStringLiteral("other"));
        other.setInterfaces({QStringLiteral("bond0")});
        other.setVolumes({9});
        QVERIFY(other.listen(QHostAddress::LocalHost, 0));
        CRsrcConfig otherConfig(other.port(), true, QStringLiteral("Other"), QStringLiteral("127.0.0.1"),
                                QStringLiteral("root"), scrambleEncodeString(QStringLiteral("other")));

        QScopedPointer<CRsrcConnect> a(newClient());
        QScopedPointer<CRsrcConnect> b(newClient(&otherConfig));
        a->slotDoConnect(true);
        b->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requestCount(), 5, tsup::guardMs(WAIT_MS));
        QTRY_COMPARE_WITH_TIMEOUT(other.requestCount(), 5, tsup::guardMs(WAIT_MS));
        QVERIFY(waitFirstRound(*a));
        QVERIFY(waitFirstRound(*b));
        for (int round = 0; round < 5; ++round) {
            QList<QSignalSpy *> spies;
            for (CRsrcHttp *http : httpOf(*a) + httpOf(*b)) {
                if (http != httpOf(*a).first() && http != httpOf(*b).first())
                    spies.append(new QSignalSpy(http, &CRsrcHttp::requestFinished));
            }
            tick(*a);
            tick(*b);
            for (QSignalSpy *spy : spies) {
                QVERIFY(spy->count() > 0 || spy->wait(tsup::guardMs(WAIT_MS)));
                delete spy;
            }
            for (CRsrcConnect *client : {a.data(), b.data()}) {
                QCOMPARE(client->getStatus(), 2);
                QCOMPARE(client->getData(1)["y_legend"]["text"].asString(), std::string("CPU"));
                QCOMPARE(client->getData(2)["y_legend"]["text"].asString(), std::string("Memory"));
                QVERIFY(!client->getData(3).isMember("vols"));
                QVERIFY(!client->getData(4).isMember("net"));
            }
            QCOMPARE(a->getData(3)["net"].size(), 3u);
            QCOMPARE(b->getData(3)["net"].size(), 1u);
            QCOMPARE(b->getData(3)["net"][0]["if_name"].asString(), std::string("bond0"));
            QCOMPARE(a->getData(4)["vols"].size(), 2u);
            QCOMPARE(b->getData(4)["vols"].size(), 1u);
        }
        QCOMPARE(a->getItemCount(3), 3);
        QCOMPARE(b->getItemCount(3), 1);
        QCOMPARE(b->getItemCount(4), 1);
        QCOMPARE(m_sim->requestCount("cpuchart"), 6);
        QCOMPARE(other.requestCount("volget"), 6);
        a.reset();
        b.reset();
    }

    void withoutProfile()
    {
        CRsrcConnect client(nullptr, nullptr);
        client.setPollInterval(ONE_HOUR_MS);
        client.slotDoConnect(true);
        QCOMPARE(client.getStatus(), 0);
        QVERIFY(!client.isPolling());
        tick(client);
        client.slotDoConnect(false);
        QCOMPARE(client.getStatus(), 0);
        client.saveConfig();
        client.removeConfig();
        QCOMPARE(CRsrcConfig::getChildGroups(CRsrcConfig::strRsrcRootGroup), QStringList());
    }

    void profileConveniences()
    {
        {
            CRsrcConfig stored(m_sim->port(), true, QStringLiteral("Stored Box"), QStringLiteral("127.0.0.1"),
                               QStringLiteral("admin"), scrambleEncodeString(QLatin1String(CLEAR_PASSWORD)));
            stored.save(CRsrcConfig::strRsrcRootGroup);
        }
        {
            // A record the client creates for itself is its own (freed with it).
            CRsrcConnect client(nullptr, nullptr);
            client.setPollInterval(ONE_HOUR_MS);
            client.loadConfig(QStringLiteral("stored box"));
            QVERIFY(client.getConfig());
            QCOMPARE(client.getConfig()->getProfile(), QStringLiteral("Stored Box"));
            QVERIFY(connectAndWaitInit(client));
            QCOMPARE(client.getStatus(), 2);
            client.getConfig()->setHostAddr(QStringLiteral("198.18.0.77"));
            client.saveConfig();
            client.slotDoConnect(false);
        }
        CRsrcConfig reread;
        reread.load(QStringLiteral("Stored Box"), CRsrcConfig::strRsrcRootGroup);
        QCOMPARE(reread.getHostAddr(), QStringLiteral("198.18.0.77"));
        {
            CRsrcConnect client(nullptr, &reread);
            client.removeConfig();
            QCOMPARE(client.getConfig(), &reread);
        }
        QCOMPARE(CRsrcConfig::getChildGroups(CRsrcConfig::strRsrcRootGroup), QStringList());
    }

    void destroyedWhileRequestsRun()
    {
        m_sim->setFault(QStringLiteral("init"), SimRsrcMonService::FaultHang);
        CRsrcConnect *client = newClient();
        client->slotDoConnect(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->hungConnections(), 1, tsup::guardMs(WAIT_MS));
        delete client;
        QTest::qWait(50);
    }
};

QTEST_MAIN(TestRsrcConnect)
#include "tst_rsrcconnect.moc"
