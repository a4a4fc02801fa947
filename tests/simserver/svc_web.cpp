// The units' web administration ports: plain HTTP on 0.0.0.0 at every "httpPort" of a unit that
// has a "web" key. A connection belongs to the unit whose "ip" and "httpPort" are the
// connection's local address and port (the test adds the units' addresses to the server
// namespace), and the unit's "web" key, read at every request, says how it answers:
//   "ok"    200 with a short page once the request head is in
//   "hang"  accepts and reads, never answers (the connection stays open)
//   "close" closes the connection as soon as the request head is in
// A connection without such a unit is closed at once. Not started by default.
//
// Scenario: "services": {"web": {"enabled": true}}
// Capture: one line per request head, {"svc":"web","unit":MAC,"local":"ADDR:PORT",
// "request":"GET / HTTP/1.1","host":"...","mode":"ok"}.
// Control: "web release [UNIT]" answers the held ("hang") requests, of every unit or of one
// (index or MAC), with 200: "ok N".
#include "simserver.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <map>
#include <set>

namespace sim {
namespace {

class WebService : public QObject, public Service
{
public:
    bool start(Server &server, const Json::Value &config, QString *error) override
    {
        Q_UNUSED(config);
        m_server = &server;
        std::set<uint16_t> ports;
        for (const Unit &unit : server.units()) {
            if (unit.json.isMember("web") && unit.json.get("httpPort", 0).asUInt() > 0)
                ports.insert(uint16_t(unit.json.get("httpPort", 0).asUInt()));
        }
        for (uint16_t port : ports) {
            auto *listener = new QTcpServer(this);
            if (!listener->listen(QHostAddress::AnyIPv4, port)) {
                *error = QStringLiteral("web: listen on port %1: %2").arg(port).arg(listener->errorString());
                return false;
            }
            connect(listener, &QTcpServer::newConnection, this, [this, listener]() { accept(listener); });
        }
        return true;
    }

    bool command(const QStringList &words, QString *reply) override
    {
        if (words.value(0) == QLatin1String("release") && words.size() <= 2) {
            std::string mac;
            if (words.size() == 2) {
                const Unit *unit = m_server->findUnit(words[1]);
                if (!unit) {
                    *reply = QStringLiteral("err no such unit");
                    return true;
                }
                mac = unit->mac();
            }
            int n = 0;
            for (auto it = m_held.begin(); it != m_held.end();) {
                if (!mac.empty() && it->second != mac) {
                    ++it;
                    continue;
                }
                QTcpSocket *s = it->first;
                if (s && s->state() == QAbstractSocket::ConnectedState) {
                    answer(s);
                    ++n;
                }
                it = m_held.erase(it);
            }
            *reply = QStringLiteral("ok %1").arg(n);
            return true;
        }
        return false;
    }

    Json::Value stats() const override
    {
        Json::Value s(Json::objectValue);
        for (const auto &c : m_counters)
            s[c.first] = c.second;
        return s;
    }

private:
    void count(const char *name) { m_counters[name]++; }

    Unit *unitAt(const QHostAddress &local, quint16 port)
    {
        for (Unit &unit : m_server->units()) {
            if (!unit.json.isMember("web") || unit.json.get("httpPort", 0).asUInt() != port)
                continue;
            if (QHostAddress(QString::fromStdString(unit.text("ip"))).isEqual(local, QHostAddress::ConvertV4MappedToIPv4))
                return &unit;
        }
        return nullptr;
    }

    void accept(QTcpServer *listener)
    {
        while (QTcpSocket *socket = listener->nextPendingConnection()) {
            socket->setParent(this);
            count("accepted");
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto *head = new QByteArray;
            connect(socket, &QObject::destroyed, [head]() { delete head; });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, head]() { read(socket, head); });
        }
    }

    void read(QTcpSocket *socket, QByteArray *head)
    {
        if (head->contains("\r\n\r\n"))
            return; // one request per connection
        head->append(socket->readAll());
        if (head->size() > 65536) {
            socket->abort();
            return;
        }
        const int end = head->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = head->left(end).split('\n');
        QByteArray host;
        for (const QByteArray &l : lines)
            if (l.toLower().startsWith("host:"))
                host = l.mid(5).trimmed();

        Unit *unit = unitAt(socket->localAddress(), socket->localPort());
        const std::string mode = unit ? unit->text("web") : std::string("none");
        Json::Value line;
        line["svc"] = "web";
        line["unit"] = unit ? unit->mac() : std::string();
        line["local"] = QStringLiteral("%1:%2")
                            .arg(socket->localAddress().toString())
                            .arg(socket->localPort())
                            .toStdString();
        line["request"] = lines.value(0).trimmed().toStdString();
        line["host"] = host.toStdString();
        line["mode"] = mode;
        m_server->capture(line);

        if (mode == "ok") {
            answer(socket);
        } else if (mode == "hang") {
            count("held");
            m_held.append(qMakePair(QPointer<QTcpSocket>(socket), unit->mac()));
        } else {
            count("closed");
            socket->disconnectFromHost();
        }
    }

    void answer(QTcpSocket *socket)
    {
        count("answered");
        const QByteArray body("<html><body>Varnestor</body></html>\n");
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    Server *m_server = nullptr;
    QList<QPair<QPointer<QTcpSocket>, std::string>> m_held;
    std::map<std::string, int> m_counters;
};

} // namespace

SIM_REGISTER_SERVICE("web", WebService, false);

} // namespace sim
