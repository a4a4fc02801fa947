// The finder page's web-port test over loopback: servers that answer Ready get one HTTP GET to
// their web port; a reply, a refused connection, a silent server and replies with time-out or
// unknown-network errors each end in the state the page gives them.
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include "finderpagetest.h"

using namespace fpt;
using tsup::waitFor;

namespace {

const char *const MAC_A = "00:11:32:00:01:0A";
const char *const MAC_B = "00:11:32:00:01:0B";

// A web port on 127.0.0.1: answers 200 once the request head is in, or (hanging) accepts the
// connection and never answers.
class WebPort : public QObject
{
    Q_OBJECT
public:
    explicit WebPort(bool answers, const char *address = "127.0.0.1")
        : m_answers(answers), m_address(QString::fromLatin1(address))
    {
        connect(&m_server, &QTcpServer::newConnection, this, &WebPort::accept);
    }
    bool listen() { return m_server.listen(QHostAddress(m_address)); }
    quint16 port() const { return m_server.serverPort(); }
    // Answers every request received so far, late.
    void answerAll()
    {
        for (QTcpSocket *s : m_sockets)
            if (s)
                answer(s);
    }
    int connections = 0;
    QList<QByteArray> heads;

private slots:
    void accept()
    {
        while (QTcpSocket *s = m_server.nextPendingConnection()) {
            ++connections;
            s->setParent(this);
            m_sockets << s;
            auto *buffer = new QByteArray;
            connect(s, &QObject::destroyed, [buffer] { delete buffer; });
            connect(s, &QTcpSocket::readyRead, this, [this, s, buffer] {
                buffer->append(s->readAll());
                const int end = buffer->indexOf("\r\n\r\n");
                if (end < 0 || buffer->isEmpty())
                    return;
                heads << buffer->left(end);
                buffer->clear();
                if (m_answers)
                    answer(s);
            });
        }
    }

private:
    static void answer(QTcpSocket *s)
    {
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 5\r\n"
                 "Connection: close\r\n\r\nhello");
        s->disconnectFromHost();
    }

    QTcpServer m_server;
    bool m_answers;
    QString m_address;
    QList<QPointer<QTcpSocket>> m_sockets;
};

// A Ready answer of a server at 127.0.0.<host> with the web port.
NASINFO readyAnswer(const char *mac, const char *name, quint16 port, uint8_t host = 1)
{
    NASINFO n = answer(mac, name, FHOSTQC_DONE, FHOST_PKT_BRESPONSE, netAddr(127, 0, 0, host));
    n.ulHttpPort = port;
    return n;
}

// A reply as the network access manager hands it over, with a chosen URL and error.
class FakeReply : public QNetworkReply
{
public:
    FakeReply(const QString &url, QNetworkReply::NetworkError error)
    {
        setUrl(QUrl(url));
        if (error != QNetworkReply::NoError)
            setError(error, QStringLiteral("simulated"));
        open(QIODevice::ReadOnly);
        setFinished(true);
    }
    void abort() override { ++aborts; }
    int aborts = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
};

void setMark(NASINFO *n, int32_t mark)
{
    std::memcpy(n->byReserved0, &mark, 4);
}

} // namespace

class TestFinderWebTest : public QObject
{
    Q_OBJECT

private slots:
    void answeringServerIsReady();
    void refusedConnectionIsReady();
    void silentServerFailsAtEndOfSearch();
    void readyServerIsTestedOnce();
    void replyErrors_data();
    void replyErrors();
    void repliesThatChangeNothing();
};

void TestFinderWebTest::answeringServerIsReady()
{
    WebPort web(true);
    QVERIFY(web.listen());
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    page.slotInsert(readyAnswer(MAC_A, "Web", web.port()));
    const NASINFO *n = map.find(MAC_A);
    QCOMPARE(n->ulConfigured, uint32_t(FHOSTQC_NET_TESTING));
    QCOMPARE(testMark(n), -1);

    QVERIFY(waitFor([&] { return map.find(MAC_A)->ulConfigured == FHOSTQC_DONE; }, 10000));
    n = map.find(MAC_A);
    QCOMPARE(n->ulConnected, uint32_t(1));
    QCOMPARE(testMark(n), 0);
    QCOMPARE(web.connections, 1);
    QCOMPARE(web.heads.size(), 1);
    // One GET without a path to the address and web port of the answer.
    QVERIFY2(web.heads[0].startsWith("GET / HTTP/1.1\r\n"), web.heads[0].constData());
    QVERIFY2(web.heads[0].contains(QStringLiteral("\r\nHost: 127.0.0.1:%1").arg(web.port()).toLatin1()),
             web.heads[0].constData());

    page.slotSetFinderProgress();
    QCOMPARE(cellText(page, MAC_A, CVorkNasinfoModel::COL_STATUS), QStringLiteral("Ready"));
}

void TestFinderWebTest::refusedConnectionIsReady()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress(QStringLiteral("127.0.0.1"))));
        closedPort = probe.serverPort();
    }
    tsup::LogCapture log;
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    page.slotInsert(readyAnswer(MAC_A, "Refusing", closedPort));
    QVERIFY(waitFor([&] { return testMark(map.find(MAC_A)) == 0; }, 10000));
    const NASINFO *n = map.find(MAC_A);
    QCOMPARE(n->ulConfigured, uint32_t(FHOSTQC_DONE));
    QCOMPARE(n->ulConnected, uint32_t(1));
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(closedPort);
    QCOMPARE(log.matching(QStringLiteral("Url [")).size(), 1);
    QVERIFY2(log.matching(QStringLiteral("src/Findhost/CVorkFinderWindow:"))
                 .filter(QStringLiteral(" Url [%1] has error (1)").arg(url))
                 .size() == 1,
             qPrintable(log.lines().join('|')));
}

void TestFinderWebTest::silentServerFailsAtEndOfSearch()
{
    WebPort web(false);
    QVERIFY(web.listen());
    tsup::LogCapture log;
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();
    page.slotInsert(readyAnswer(MAC_A, "Silent", web.port()));
    QVERIFY(waitFor([&] { return web.heads.size() == 1; }, 10000));

    for (int tick = 1; tick < 20; ++tick) {
        page.slotSetFinderProgress();
        QCoreApplication::processEvents();
        QCOMPARE(cellText(page, MAC_A, CVorkNasinfoModel::COL_STATUS),
                 QStringLiteral("Getting connection status..."));
    }
    QVERIFY(log.matching(QStringLiteral("Fail to test connection")).isEmpty());
    page.slotSetFinderProgress();
    const NASINFO *n = map.find(MAC_A);
    QCOMPARE(n->ulConfigured, uint32_t(FHOSTQC_NETSET));
    QCOMPARE(testMark(n), 1);
    QCOMPARE(cellText(page, MAC_A, CVorkNasinfoModel::COL_STATUS), QStringLiteral("Connection failed."));
    const QStringList fail = log.matching(QStringLiteral("Fail to test connection"));
    QCOMPARE(fail.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral(
                 "^src/Findhost/CVorkFinderWindow:\\d+ Fail to test connection for \\[Silent\\]\\(127\\.0\\.0\\.1\\)\\n?$"))
                 .match(fail[0])
                 .hasMatch(),
             qPrintable(fail[0]));

    // The reply that comes after all still sets the result.
    web.answerAll();
    QVERIFY(waitFor([&] { return map.find(MAC_A)->ulConfigured == FHOSTQC_DONE; }, 10000));
    QCOMPARE(map.find(MAC_A)->ulConnected, uint32_t(1));
    QCOMPARE(testMark(map.find(MAC_A)), 0);
    QCOMPARE(cellText(page, MAC_A, CVorkNasinfoModel::COL_STATUS), QStringLiteral("Ready"));
    QCOMPARE(web.connections, 1);
}

void TestFinderWebTest::readyServerIsTestedOnce()
{
    // Replies are matched to servers by address: the two servers have addresses of their own.
    WebPort silent(false, "127.0.0.1");
    WebPort answering(true, "127.0.0.2");
    QVERIFY(silent.listen());
    QVERIFY(answering.listen());
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    page.slotRefreshTrigged();

    // Under test: the second answer is dropped.
    page.slotInsert(readyAnswer(MAC_A, "Slow", silent.port()));
    QVERIFY(waitFor([&] { return silent.connections == 1; }, 10000));
    page.slotInsert(readyAnswer(MAC_A, "Slow", silent.port()));
    // After the result Ready.
    page.slotInsert(readyAnswer(MAC_B, "Quick", answering.port(), 2));
    QVERIFY(waitFor([&] { return map.find(MAC_B)->ulConfigured == FHOSTQC_DONE; }, 10000));
    page.slotInsert(readyAnswer(MAC_B, "Quick", answering.port(), 2));
    QCOMPARE(map.find(MAC_B)->ulConfigured, uint32_t(FHOSTQC_DONE));
    QCOMPARE(map.find(MAC_B)->ulConnected, uint32_t(1));

    // After the result "Connection failed." (end of the search), between searches.
    finishSearch(page);
    QCOMPARE(map.find(MAC_A)->ulConfigured, uint32_t(FHOSTQC_NETSET));
    page.slotInsert(readyAnswer(MAC_A, "Slow", silent.port()));
    page.slotInsert(readyAnswer(MAC_B, "Quick", answering.port(), 2));
    QCOMPARE(map.find(MAC_A)->ulConfigured, uint32_t(FHOSTQC_NETSET));

    // Give any further request time to arrive.
    QTest::qWait(300);
    QCOMPARE(silent.connections, 1);
    QCOMPARE(answering.connections, 1);
    QCOMPARE(silent.heads.size(), 1);
}

void TestFinderWebTest::replyErrors_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<uint>("state");
    QTest::addColumn<uint>("connected");
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("aborts");
    QTest::newRow("no error") << int(QNetworkReply::NoError) << uint(FHOSTQC_DONE) << 1u << 0 << 0;
    QTest::newRow("time-out (4)") << int(QNetworkReply::TimeoutError) << uint(FHOSTQC_NETSET) << 0u << 1 << 1;
    QTest::newRow("unknown network (99)")
        << int(QNetworkReply::UnknownNetworkError) << uint(FHOSTQC_NETSET) << 0u << 1 << 1;
    QTest::newRow("refused (1)") << int(QNetworkReply::ConnectionRefusedError) << uint(FHOSTQC_DONE) << 1u << 0 << 1;
    QTest::newRow("host not found (3)") << int(QNetworkReply::HostNotFoundError) << uint(FHOSTQC_DONE) << 1u << 0 << 1;
    QTest::newRow("canceled (5)") << int(QNetworkReply::OperationCanceledError) << uint(FHOSTQC_DONE) << 1u << 0 << 1;
    QTest::newRow("404 (203)") << int(QNetworkReply::ContentNotFoundError) << uint(FHOSTQC_DONE) << 1u << 0 << 1;
}

void TestFinderWebTest::replyErrors()
{
    QFETCH(int, error);
    QFETCH(uint, state);
    QFETCH(uint, connected);
    QFETCH(int, mark);
    QFETCH(int, aborts);

    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    auto *manager = page.findChild<QNetworkAccessManager *>();
    QVERIFY(manager);
    // Under test, as the page left it; a late reply after a failure is handled the same way.
    for (int32_t before : {-1, 1}) {
        NASINFO *n = new NASINFO(answer(MAC_A, "A", FHOSTQC_NET_TESTING, FHOST_PKT_BRESPONSE,
                                        netAddr(198, 18, 0, 10)));
        n->ulConnected = connected ? 0 : 1;
        setMark(n, before);
        map.insert(n, true);

        tsup::LogCapture log;
        auto *reply = new FakeReply(QStringLiteral("http://198.18.0.10:5000"),
                                    QNetworkReply::NetworkError(error));
        QPointer<FakeReply> watch(reply);
        emit manager->finished(reply);
        const NASINFO *after = map.find(MAC_A);
        QCOMPARE(after->ulConfigured, state);
        QCOMPARE(after->ulConnected, connected);
        QCOMPARE(testMark(after), mark);
        QCOMPARE(watch->aborts, aborts);
        QVERIFY(!watch->isOpen());
        const QStringList lines = log.matching(QStringLiteral(" Url ["));
        if (error == 0) {
            QVERIFY(lines.isEmpty());
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].contains(QStringLiteral(" Url [http://198.18.0.10:5000] has error (%1)").arg(error)),
                     qPrintable(lines[0]));
        }
        // Deleted later.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
    }
}

void TestFinderWebTest::repliesThatChangeNothing()
{
    CVorkNasinfoMap map;
    CVorkFinderWindow page(nullptr, &map);
    auto *manager = page.findChild<QNetworkAccessManager *>();
    NASINFO *n = new NASINFO(answer(MAC_A, "A", FHOSTQC_BOOTING, FHOST_PKT_BRESPONSE, netAddr(198, 18, 0, 10)));
    setMark(n, 0);
    map.insert(n, true);

    const struct {
        const char *url;
        QNetworkReply::NetworkError error;
    } cases[] = {
        {"http://198.18.0.10:5000", QNetworkReply::TimeoutError}, // mark 0: no test outstanding
        {"http://198.18.0.10:5000", QNetworkReply::NoError},
        {"http://198.18.0.11:5000", QNetworkReply::TimeoutError}, // no server at that address
        {"http://name.invalid:5000", QNetworkReply::NoError},    // not an address
    };
    tsup::LogCapture log;
    for (const auto &c : cases) {
        auto *reply = new FakeReply(QString::fromLatin1(c.url), c.error);
        QPointer<FakeReply> watch(reply);
        emit manager->finished(reply);
        QCOMPARE(watch->aborts, 0);
        QVERIFY(!watch->isOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        const NASINFO *after = map.find(MAC_A);
        QCOMPARE(after->ulConfigured, uint32_t(FHOSTQC_BOOTING));
        QCOMPARE(after->ulConnected, uint32_t(0));
        QCOMPARE(testMark(after), 0);
    }
    QVERIFY(log.matching(QStringLiteral(" Url [")).isEmpty());
}

FINDER_TEST_MAIN(TestFinderWebTest)
#include "tst_finderwebtest.moc"
