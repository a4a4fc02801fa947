#include "SimRsrcMonService.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <json/value.h>
#include <json/writer.h>

#include "scramble.h"

const char *const SimRsrcMonService::SCRIPT_PATH = "/webman/modules/rsrcmonitor.cgi";

namespace {

const int MAX_HEAD_BYTES = 64 * 1024;
const int MAX_BODY_BYTES = 1024 * 1024;
// A chart carries 61 axis labels and so 60 samples per curve.
const int AXIS_LABELS = 61;

QByteArray compact(const Json::Value &value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return QByteArray::fromStdString(Json::writeString(builder, value));
}

// A line chart as the script draws it: axis labels, y maximum, legend and one element per curve.
// The samples are fractions in quarters, below the maximum: every curve starts with 12.5 and
// 0.25, so that a reply read with a decimal mark other than "." cannot pass for the right one.
Json::Value lineChart(const char *legend, int max, const QList<QPair<const char *, const char *>> &curves,
                      int seed)
{
    Json::Value chart(Json::objectValue);
    Json::Value labels(Json::arrayValue);
    for (int i = 0; i < AXIS_LABELS; ++i)
        labels.append(i % 10 == 0 ? std::to_string(i) : std::string());
    chart["x_axis"]["labels"]["labels"] = labels;
    chart["y_axis"]["max"] = max;
    chart["y_legend"]["text"] = legend;
    Json::Value elements(Json::arrayValue);
    int curve = 0;
    for (const auto &c : curves) {
        Json::Value element(Json::objectValue);
        Json::Value values(Json::arrayValue);
        values.append(12.5);
        values.append(0.25);
        for (int i = 2; i < AXIS_LABELS - 1; ++i)
            values.append((seed * 7 + curve * 13 + i * 3) % (max > 1 ? max - 1 : 1) + (i + curve) % 4 * 0.25);
        element["values"] = values;
        element["colour"] = c.second;
        element["text"] = c.first;
        elements.append(element);
        ++curve;
    }
    chart["elements"] = elements;
    return chart;
}

// The unit's password in the stored form, through the program's own scrambler; null when the
// scrambler refuses it.
QString scrambled(const QString &clear)
{
    const QByteArray utf8 = clear.toUtf8();
    QByteArray out(2 * ((utf8.size() + 7) / 8 * 8) + 1, '\0');
    const int length = scrambleEncode(utf8.constData(), out.data());
    if (length < 0)
        return QString();
    return QString::fromLatin1(out.constData(), length);
}

QString decodeField(const QByteArray &raw)
{
    // Percent escapes only: a "+" is a plus, not a space.
    return QString::fromUtf8(QByteArray::fromPercentEncoding(raw));
}

} // namespace

QByteArray SimRsrcMonService::Request::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return QByteArray();
}

SimRsrcMonService::SimRsrcMonService(QObject *parent)
    : QObject(parent),
      m_pServer(new QTcpServer(this)),
      m_account(QStringLiteral("admin")),
      m_initForm(InitInterfaces),
      m_netForm(NetNamed),
      m_interfaces({QStringLiteral("eth0"), QStringLiteral("eth1"), QStringLiteral("ppp0")}),
      m_volumeIds({1, 2}),
      m_lanNum(2),
      m_pppNum(1)
{
    connect(m_pServer, &QTcpServer::newConnection, this, &SimRsrcMonService::slotNewConnection);
}

SimRsrcMonService::~SimRsrcMonService()
{
    close();
}

bool SimRsrcMonService::listen(const QHostAddress &address, quint16 port)
{
    return m_pServer->listen(address, port);
}

quint16 SimRsrcMonService::port() const
{
    return m_pServer->serverPort();
}

void SimRsrcMonService::close()
{
    m_pServer->close();
    const QList<QTcpSocket *> sockets = m_buffers.keys();
    m_buffers.clear();
    m_hung.clear();
    for (QTcpSocket *socket : sockets) {
        disconnect(socket, nullptr, this, nullptr);
        socket->abort();
        socket->deleteLater();
    }
}

void SimRsrcMonService::setAccount(const QString &account, const QString &clearPassword)
{
    m_account = account;
    m_clearPassword = clearPassword;
}

void SimRsrcMonService::setFault(const QString &action, Fault fault)
{
    m_faults.insert(action, fault);
}

void SimRsrcMonService::setCustomBody(const QString &action, const QByteArray &body)
{
    m_customBodies.insert(action, body);
    m_faults.insert(action, FaultCustomBody);
}

void SimRsrcMonService::clearFaults()
{
    m_faults.clear();
    m_customBodies.clear();
}

int SimRsrcMonService::requestCount(const QString &action) const
{
    if (action.isNull())
        return m_log.size();
    int count = 0;
    for (const Request &r : m_log) {
        if (r.action() == action)
            ++count;
    }
    return count;
}

void SimRsrcMonService::slotNewConnection()
{
    while (QTcpSocket *socket = m_pServer->nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, &SimRsrcMonService::slotReadyRead);
        connect(socket, &QTcpSocket::disconnected, this, &SimRsrcMonService::slotDisconnected);
    }
}

void SimRsrcMonService::slotDisconnected()
{
    QTcpSocket *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket)
        return;
    m_buffers.remove(socket);
    m_hung.remove(socket);
    socket->deleteLater();
}

void SimRsrcMonService::slotReadyRead()
{
    QTcpSocket *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || !m_buffers.contains(socket))
        return;
    m_buffers[socket] += socket->readAll();
    if (m_hung.contains(socket)) {
        // A hung script reads on and never answers.
        m_buffers[socket].clear();
        return;
    }

    // At most a few requests per read; each round consumes one request or stops.
    for (int round = 0; round < 64 && m_buffers.contains(socket) && !m_hung.contains(socket); ++round) {
        QByteArray &buffer = m_buffers[socket];
        const int headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0) {
            if (buffer.size() > MAX_HEAD_BYTES)
                socket->abort();
            return;
        }
        const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
        Request request;
        request.time = QDateTime::currentDateTimeUtc();
        const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
        request.method = start.value(0);
        request.path = start.value(1);
        int contentLength = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const int colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed();
            const QByteArray value = line.mid(colon + 1).trimmed();
            request.headers.append(qMakePair(name, value));
            if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
                contentLength = value.toInt();
        }
        if (contentLength < 0 || contentLength > MAX_BODY_BYTES) {
            socket->abort();
            return;
        }
        if (buffer.size() < headEnd + 4 + contentLength)
            return;
        request.body = buffer.mid(headEnd + 4, contentLength);
        buffer.remove(0, headEnd + 4 + contentLength);

        for (const QByteArray &field : request.body.split('&')) {
            const int eq = field.indexOf('=');
            if (eq < 0)
                request.form.insert(decodeField(field), QString());
            else
                request.form.insert(decodeField(field.left(eq)), decodeField(field.mid(eq + 1)));
        }
        m_log.append(request);
        emit requestLogged(request.action());
        if (m_buffers.contains(socket))
            handleRequest(socket, request);
    }
}

bool SimRsrcMonService::accountAccepted(const Request &request) const
{
    QString account = m_account;
    QString clear = m_clearPassword;
    if (m_accountSource)
        m_accountSource(&account, &clear);
    const QString expected = scrambled(clear);
    return !expected.isNull()
        && request.form.value(QStringLiteral("username")) == account
        && request.form.contains(QStringLiteral("password"))
        && request.form.value(QStringLiteral("password")) == expected;
}

void SimRsrcMonService::handleRequest(QTcpSocket *socket, const Request &request)
{
    static const QByteArray s_html404 =
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\n<html><head>\n"
        "<title>404 Not Found</title>\n</head><body>\n<h1>Not Found</h1>\n"
        "<p>The requested URL was not found on this server.</p>\n</body></html>\n";

    if (request.path != SCRIPT_PATH) {
        sendReply(socket, 404, "Not Found", "text/html", s_html404);
        return;
    }
    if (request.method != "POST") {
        sendReply(socket, 405, "Method Not Allowed", "text/html",
                  "<html><body>Method Not Allowed</body></html>\n");
        return;
    }

    const QString action = request.action();
    const Fault fault = m_faults.value(action, FaultNone);
    switch (fault) {
    case FaultHang:
        m_hung.insert(socket, request);
        return;
    case FaultDrop:
        socket->abort();
        return;
    case FaultEmptyBody:
        sendReply(socket, 200, "OK", "text/plain", QByteArray());
        return;
    case FaultHtml404:
        sendReply(socket, 404, "Not Found", "text/html", s_html404);
        return;
    case FaultCustomBody:
        sendReply(socket, 200, "OK", "text/plain", m_customBodies.value(action));
        return;
    case FaultMalformed:
        sendReply(socket, 200, "OK", "text/plain", "{\"success\":true,\"x_axis\":{\"labels\":tru\n");
        return;
    case FaultSuccessFalse:
        sendReply(socket, 200, "OK", "text/plain", "{\"success\":false}\n");
        return;
    case FaultDeepNesting:
        sendReply(socket, 200, "OK", "text/plain", deepReply());
        return;
    case FaultHugeCounts:
        sendReply(socket, 200, "OK", "text/plain", hugeReply(action));
        return;
    default:
        break;
    }

    answer(socket, request, fault);
}

void SimRsrcMonService::answer(QTcpSocket *socket, const Request &request, Fault fault)
{
    const QString action = request.action();
    QByteArray body;
    if (!accountAccepted(request))
        body = "{\"success\":false}";
    else
        body = normalReply(action);
    if (fault == FaultLeadingBlank)
        body.prepend(' ');
    if (fault != FaultNoTrailingByte)
        body.append('\n');
    sendReply(socket, 200, "OK", "text/plain", body);
}

int SimRsrcMonService::releaseHung(const QString &action)
{
    int released = 0;
    const QList<QTcpSocket *> sockets = m_hung.keys();
    for (QTcpSocket *socket : sockets) {
        const Request request = m_hung.value(socket);
        if (request.action() != action)
            continue;
        m_hung.remove(socket);
        m_buffers[socket].clear();
        answer(socket, request, FaultNone);
        ++released;
    }
    return released;
}

void SimRsrcMonService::sendReply(QTcpSocket *socket, int status, const char *reason,
                                  const QByteArray &type, const QByteArray &body)
{
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    reply += "Content-Type: " + type + "; charset=UTF-8\r\n";
    reply += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    reply += "Connection: keep-alive\r\n\r\n";
    reply += body;
    socket->write(reply);
}

QByteArray SimRsrcMonService::deepReply()
{
    const int depth = 2000;
    return "{\"success\":true,\"x\":" + QByteArray(depth, '[') + QByteArray(depth, ']') + "}\n";
}

QByteArray SimRsrcMonService::hugeReply(const QString &action)
{
    // A JSON array of a million copies of `entry`.
    const auto list = [](const QByteArray &entry) { return '[' + (entry + ',').repeated(999999) + entry + ']'; };
    const QByteArray chart = "\"x_axis\":{\"labels\":{\"labels\":" + list("0") +
                             "}},\"y_axis\":{\"max\":100},\"elements\":[{\"values\":" + list("10") + "}]";
    if (action == QLatin1String("init"))
        return "{\"success\":true,\"interfaces\":" + list("0") + ",\"volsID\":" + list("10") + "}\n";
    if (action == QLatin1String("netget"))
        return "{\"success\":true,\"net\":[{\"if_name\":\"eth0\",\"if_type\":\"lan\"," + chart + "}]}\n";
    if (action == QLatin1String("volget"))
        return "{\"success\":true,\"volsID\":" + list("10") + ",\"vols\":" + list("0") + "}\n";
    return "{\"success\":true," + chart + "}\n";
}

QByteArray SimRsrcMonService::normalReply(const QString &action) const
{
    Json::Value reply(Json::objectValue);
    if (action == QLatin1String("init")) {
        reply["success"] = true;
        switch (m_initForm) {
        case InitInterfaces: {
            Json::Value names(Json::arrayValue);
            for (const QString &name : m_interfaces)
                names.append(name.toStdString());
            reply["interfaces"] = names;
            break;
        }
        case InitLanPpp:
            reply["lanNum"] = m_lanNum;
            reply["pppNum"] = m_pppNum;
            break;
        case InitLanNumString:
            reply["lanNum"] = std::to_string(m_lanNum);
            reply["pppNum"] = m_pppNum;
            break;
        case InitNeither:
            break;
        }
        if (m_initForm != InitNeither) {
            Json::Value ids(Json::arrayValue);
            for (int id : m_volumeIds)
                ids.append(id);
            reply["volsID"] = ids;
        }
    } else if (action == QLatin1String("cpuchart")) {
        reply = lineChart("CPU", 100, {{"User", "#2f6fd0"}, {"System", "#d04a2f"}}, 1);
        reply["success"] = true;
    } else if (action == QLatin1String("memget")) {
        reply = lineChart("Memory", 100, {{"Memory", "#3a9d3a"}}, 2);
        reply["success"] = true;
    } else if (action == QLatin1String("netget")) {
        reply["success"] = true;
        if (m_netForm == NetNamed) {
            Json::Value net(Json::arrayValue);
            int seed = 3;
            for (const QString &name : m_interfaces) {
                Json::Value entry = lineChart("KB/s", 1000, {{"Receive", "#2f6fd0"}, {"Send", "#d04a2f"}}, seed++);
                entry["if_name"] = name.toStdString();
                entry["if_type"] = name.startsWith(QLatin1String("ppp")) ? "pppoe" : "lan";
                net.append(entry);
            }
            reply["net"] = net;
        } else {
            Json::Value lan(Json::arrayValue);
            Json::Value pppoe(Json::arrayValue);
            for (int i = 0; i < m_lanNum; ++i)
                lan.append(lineChart("KB/s", 1000, {{"Receive", "#2f6fd0"}, {"Send", "#d04a2f"}}, 10 + i));
            for (int i = 0; i < m_pppNum; ++i)
                pppoe.append(lineChart("KB/s", 1000, {{"Receive", "#2f6fd0"}, {"Send", "#d04a2f"}}, 20 + i));
            reply["lan"] = lan;
            reply["pppoe"] = pppoe;
        }
    } else if (action == QLatin1String("volget")) {
        reply["success"] = true;
        Json::Value ids(Json::arrayValue);
        Json::Value vols(Json::arrayValue);
        int n = 0;
        for (int id : m_volumeIds) {
            ids.append(id);
            Json::Value vol(Json::objectValue);
            vol["status"] = n == 0 ? "normal" : "raid_syncing";
            // 931.5 GiB and 1.8 TiB volumes; slice values in 1/1048576 of the total, with
            // fractions (262144.25 and 786431.75 of 1048576 for the first).
            vol["totalsize"] = n == 0 ? "1000204886016" : "2000398934016";
            Json::Value slices(Json::arrayValue);
            Json::Value used(Json::objectValue);
            used["value"] = n == 0 ? 262144.25 : 629145.5;
            used["colour"] = "#d04a2f";
            used["label"] = "Used";
            Json::Value freeSlice(Json::objectValue);
            freeSlice["value"] = n == 0 ? 786431.75 : 419430.5;
            freeSlice["colour"] = "#3a9d3a";
            freeSlice["label"] = "Free";
            slices.append(used);
            slices.append(freeSlice);
            Json::Value element(Json::objectValue);
            element["values"] = slices;
            vol["elements"].append(element);
            vols.append(vol);
            ++n;
        }
        reply["volsID"] = ids;
        reply["vols"] = vols;
    } else {
        reply["success"] = false;
    }
    return compact(reply);
}
