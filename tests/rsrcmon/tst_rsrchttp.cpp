// The resource-monitor client's HTTP request object against a raw TCP peer on loopback: the
// bytes of a request, which endings count as errors, redirects, aborts and request ids.
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "CRsrcHttp.h"
#include "HangGuard.h"

namespace {

// A TCP peer that reads whole HTTP requests and does one scripted thing with each.
class RawPeer : public QObject
{
    Q_OBJECT
public:
    enum Mode { Reply, CloseAtOnce, Hang };

    Mode mode = Reply;
    QByteArray reply;             // bytes written for Mode Reply
    bool closeAfterReply = false;
    QList<QByteArray> requests;   // raw bytes of every complete request
    int connections = 0;

    RawPeer()
    {
        connect(&server, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                ++connections;
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { onRead(socket); });
            }
        });
    }
    bool listen() { return server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return server.serverPort(); }

private:
    void onRead(QTcpSocket *socket)
    {
        QByteArray &buffer = buffers[socket];
        buffer += socket->readAll();
        const int headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        int length = 0;
        for (const QByteArray &line : buffer.left(headEnd).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toInt();
        }
        if (buffer.size() < headEnd + 4 + length)
            return;
        requests.append(buffer.left(headEnd + 4 + length));
        buffer.remove(0, headEnd + 4 + length);
        switch (mode) {
        case Reply:
            socket->write(reply);
            if (closeAfterReply) {
                socket->flush();
                socket->disconnectFromHost();
            }
            break;
        case CloseAtOnce:
            socket->abort();
            break;
        case Hang:
            break;
        }
    }

    QTcpServer server;
    QHash<QTcpSocket *, QByteArray> buffers;
};

struct Report {
    int id;
    bool error;
    QByteArray body;
    bool refused;
};

// Collects the reports of one request object, reading the body inside the report as the client
// does.
class Collector : public QObject
{
    Q_OBJECT
public:
    explicit Collector(CRsrcHttp *http) : m_http(http)
    {
        connect(http, &CRsrcHttp::requestFinished, this, [this](int id, bool error) {
            reports.append({id, error, m_http->readAll(), m_http->bodyRefused()});
            secondRead.append(m_http->readAll());
        });
    }
    QList<Report> reports;
    QList<QByteArray> secondRead;

private:
    CRsrcHttp *m_http;
};

const char *const PATH = "/webman/modules/rsrcmonitor.cgi";

} // namespace

class TestRsrcHttp : public QObject
{
    Q_OBJECT

private slots:
    void requestBytes()
    {
        RawPeer peer;
        QVERIFY(peer.listen());
        peer.reply = "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nok\n";
        CRsrcHttp http;
        Collector collector(&http);
        http.setHost(QStringLiteral("127.0.0.1"), peer.port());
        const QByteArray body = "action=init&username=admin&password=a%2Bb";
        const int id = http.post(QLatin1String(PATH), body);
        QVERIFY(id > 0);
        QTRY_COMPARE_WITH_TIMEOUT(collector.reports.size(), 1, tsup::guardMs(5000));

        QCOMPARE(peer.requests.size(), 1);
        const QByteArray raw = peer.requests.first();
        QVERIFY2(raw.startsWith("POST /webman/modules/rsrcmonitor.cgi HTTP/1.1\r\n"), raw.constData());
        QVERIFY(raw.endsWith("\r\n\r\naction=init&username=admin&password=a%2Bb"));
        const QByteArray head = raw.left(raw.indexOf("\r\n\r\n") + 2);
        QVERIFY(head.contains("\r\nContent-Type: application/x-www-form-urlencoded\r\n"));
        QVERIFY(head.contains("\r\nContent-Length: 41\r\n"));
        QVERIFY(head.contains("\r\nHost: 127.0.0.1:" + QByteArray::number(peer.port()) + "\r\n"));

        QCOMPARE(collector.reports.first().id, id);
        QCOMPARE(collector.reports.first().error, false);
        QCOMPARE(collector.reports.first().body, QByteArray("ok\n"));
        // The body is handed out once.
        QCOMPARE(collector.secondRead.first(), QByteArray());
    }

    void anyStatusIsAFinishedRequest_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("200") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n{\"a\"}")
                             << QByteArray("{\"a\"}");
        QTest::newRow("404 page")
            << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: 26\r\n\r\n"
                          "<html><h1>404</h1></html>\n")
            << QByteArray("<html><h1>404</h1></html>\n");
        QTest::newRow("500") << QByteArray("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 4\r\n\r\noops")
                             << QByteArray("oops");
        QTest::newRow("302 not followed")
            << QByteArray("HTTP/1.1 302 Found\r\nLocation: /index.cgi\r\nContent-Length: 6\r\n\r\nmoved\n")
            << QByteArray("moved\n");
        QTest::newRow("401 without credentials")
            << QByteArray("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"x\"\r\n"
                          "Content-Length: 4\r\n\r\ndeny")
            << QByteArray("deny");
        QTest::newRow("empty 200") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n")
                                   << QByteArray();
        QTest::newRow("body until close")
            << QByteArray("HTTP/1.0 200 OK\r\n\r\n{\"success\":true}\n") << QByteArray("{\"success\":true}\n");
    }

    void anyStatusIsAFinishedRequest()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, body);
        RawPeer peer;
        QVERIFY(peer.listen());
        peer.reply = reply;
        peer.closeAfterReply = reply.startsWith("HTTP/1.0");
        CRsrcHttp http;
        Collector collector(&http);
        http.setHost(QStringLiteral("127.0.0.1"), peer.port());
        const int id = http.post(QLatin1String(PATH), "action=init");
        QTRY_COMPARE_WITH_TIMEOUT(collector.reports.size(), 1, tsup::guardMs(5000));
        QCOMPARE(collector.reports.first().id, id);
        QCOMPARE(collector.reports.first().error, false);
        QCOMPARE(collector.reports.first().body, body);
        // Nothing further: no redirect followed, no retry.
        QTest::qWait(100);
        QCOMPARE(peer.requests.size(), 1);
        QCOMPARE(collector.reports.size(), 1);
    }

    void transportFailuresAreErrors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("refused") << 0;
        QTest::newRow("closed before status line") << 1;
        QTest::newRow("dropped in the body") << 2;
        QTest::newRow("garbage instead of a status line") << 3;
    }

    void transportFailuresAreErrors()
    {
        QFETCH(int, kind);
        RawPeer peer;
        QVERIFY(peer.listen());
        quint16 port = peer.port();
        if (kind == 0) {
            // A port nobody listens on any more.
            QTcpServer gone;
            QVERIFY(gone.listen(QHostAddress::LocalHost, 0));
            port = gone.serverPort();
            gone.close();
        } else if (kind == 1) {
            peer.mode = RawPeer::CloseAtOnce;
        } else if (kind == 2) {
            peer.reply = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n{\"success\":tr";
            peer.closeAfterReply = true;
        } else {
            peer.reply = "SSH-2.0-OpenSSH\r\n";
            peer.closeAfterReply = true;
        }
        CRsrcHttp http;
        Collector collector(&http);
        http.setHost(QStringLiteral("127.0.0.1"), port);
        const int id = http.post(QLatin1String(PATH), "action=init");
        QTRY_VERIFY_WITH_TIMEOUT(!collector.reports.isEmpty(), tsup::guardMs(10000));
        QCOMPARE(collector.reports.first().id, id);
        QCOMPARE(collector.reports.first().error, true);
        QCOMPARE(collector.reports.first().body, QByteArray());
        QTest::qWait(100);
        QCOMPARE(collector.reports.size(), 1);
    }

    void noHostIsReportedLater()
    {
        CRsrcHttp http;
        Collector collector(&http);
        http.setHost(QString(), 5000);
        const int id = http.post(QLatin1String(PATH), "action=init");
        // Never reported from inside post(): the caller has not stored the id yet.
        QCOMPARE(collector.reports.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(collector.reports.size(), 1, tsup::guardMs(5000));
        QCOMPARE(collector.reports.first().id, id);
        QCOMPARE(collector.reports.first().error, true);
    }

    // A body past the bound is refused as soon as its length or its bytes show it; the peer
    // keeps the connection open, so nothing else could end these requests.
    void bodyPastTheBoundIsRefused_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("refused");
        const int max = CRsrcHttp::MAX_BODY_BYTES;
        QTest::newRow("Content-Length past it")
            << "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(max + 1) + "\r\n\r\n{" << true;
        QTest::newRow("bytes past it") << "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(max + 1, ' ') << true;
        QTest::newRow("at the bound")
            << "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(max) + "\r\n\r\n" + QByteArray(max, ' ')
            << false;
    }

    void bodyPastTheBoundIsRefused()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, refused);
        RawPeer peer;
        QVERIFY(peer.listen());
        peer.reply = reply;
        CRsrcHttp http;
        Collector collector(&http);
        http.setHost(QStringLiteral("127.0.0.1"), peer.port());
        const int id = http.post(QLatin1String(PATH), "action=netget");
        QTRY_COMPARE_WITH_TIMEOUT(collector.reports.size(), 1, tsup::guardMs(5000));
        QCOMPARE(collector.reports.first().id, id);
        QCOMPARE(collector.reports.first().error, false);
        QCOMPARE(collector.reports.first().refused, refused);
        QCOMPARE(collector.reports.first().body.size(), refused ? 0 : CRsrcHttp::MAX_BODY_BYTES);
    }

    void abortReportsAtOnce()
    {
        RawPeer peer;
        QVERIFY(peer.listen());
        peer.mode = RawPeer::Hang;
        CRsrcHttp http;
        Collector collector(&http);
        http.setHost(QStringLiteral("127.0.0.1"), peer.port());
        const int first = http.post(QLatin1String(PATH), "action=cpuchart");
        const int second = http.post(QLatin1String(PATH), "action=memget");
        QTRY_COMPARE_WITH_TIMEOUT(peer.requests.size(), 2, tsup::guardMs(5000));
        QCOMPARE(collector.reports.size(), 0);

        http.abort();
        QCOMPARE(collector.reports.size(), 2);
        QCOMPARE(collector.reports.at(0).id, first);
        QCOMPARE(collector.reports.at(1).id, second);
        QVERIFY(collector.reports.at(0).error);
        QVERIFY(collector.reports.at(1).error);
        // No late second report of the same requests, and nothing for an idle object.
        QTest::qWait(200);
        http.abort();
        QCOMPARE(collector.reports.size(), 2);
    }

    void usableAfterAbort()
    {
        RawPeer peer;
        QVERIFY(peer.listen());
        peer.mode = RawPeer::Hang;
        CRsrcHttp http;
        Collector collector(&http);
        http.setHost(QStringLiteral("127.0.0.1"), peer.port());
        http.post(QLatin1String(PATH), "action=init");
        QTRY_COMPARE_WITH_TIMEOUT(peer.requests.size(), 1, tsup::guardMs(5000));
        http.abort();
        peer.mode = RawPeer::Reply;
        peer.reply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n{}";
        const int id = http.post(QLatin1String(PATH), "action=init");
        QTRY_COMPARE_WITH_TIMEOUT(collector.reports.size(), 2, tsup::guardMs(5000));
        QCOMPARE(collector.reports.at(1).id, id);
        QCOMPARE(collector.reports.at(1).error, false);
        QCOMPARE(collector.reports.at(1).body, QByteArray("{}"));
    }

    void deletedWhileRunningStaysSilent()
    {
        RawPeer peer;
        QVERIFY(peer.listen());
        peer.mode = RawPeer::Hang;
        QPointer<CRsrcHttp> http = new CRsrcHttp;
        int reports = 0;
        connect(http, &CRsrcHttp::requestFinished, this, [&reports]() { ++reports; });
        http->setHost(QStringLiteral("127.0.0.1"), peer.port());
        http->post(QLatin1String(PATH), "action=init");
        QTRY_COMPARE_WITH_TIMEOUT(peer.requests.size(), 1, tsup::guardMs(5000));
        delete http;
        QTest::qWait(100);
        QCOMPARE(reports, 0);
    }

    void idsAreUniqueAcrossObjects()
    {
        RawPeer peer;
        QVERIFY(peer.listen());
        peer.reply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n{}";
        const int objects = 10;
        const int rounds = 3;
        std::vector<std::unique_ptr<CRsrcHttp>> https;
        std::vector<std::unique_ptr<Collector>> collectors;
        QSet<int> seen;
        QList<QSet<int>> posted;
        for (int o = 0; o < objects; ++o) {
            https.emplace_back(new CRsrcHttp);
            collectors.emplace_back(new Collector(https.back().get()));
            https.back()->setHost(QStringLiteral("127.0.0.1"), peer.port());
            posted.append(QSet<int>());
        }
        for (int r = 0; r < rounds; ++r) {
            for (int o = 0; o < objects; ++o) {
                const int id = https[o]->post(QLatin1String(PATH), "action=volget");
                QVERIFY(id != 0);
                QVERIFY2(!seen.contains(id), qPrintable(QString::number(id)));
                seen.insert(id);
                posted[o].insert(id);
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(peer.requests.size(), objects * rounds, tsup::guardMs(10000));
        for (int o = 0; o < objects; ++o) {
            QTRY_COMPARE_WITH_TIMEOUT(collectors[o]->reports.size(), rounds, tsup::guardMs(5000));
            for (const Report &report : collectors[o]->reports) {
                QVERIFY(posted[o].contains(report.id));
                QVERIFY(!report.error);
            }
        }
        // The counter goes on from where other objects left it.
        const int next = CRsrcHttp::nextRequestId();
        QVERIFY(!seen.contains(next));
        QVERIFY(next > 0);
    }
};

QTEST_MAIN(TestRsrcHttp)
#include "tst_rsrchttp.moc"
