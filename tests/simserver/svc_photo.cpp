// The "photo" service: the storage server's photo web application over HTTP/1.1. This file is the
// core (HTTP, sessions, accounts, albums, stored files, request log, forced replies, control
// commands); the scripts are routes in svc_photo_*.cpp files (see photoapp.h).
//
// Scenario ("services"/"photo"):
//   {"address": "127.0.0.1", "port": 0,             // 0: any free port ("photo port" tells it)
//    "accounts": {"admin": {"admin": true}, "bob": {}},
//    "albums": [{"site": "", "path": "Trip", "writers": ["bob"]}]}
//
// Control commands ("photo <command>"): see tests/simserver/README.md.
#include "photoapp.h"
#include "simserver.h"

#include <QCryptographicHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace sim {
namespace photo {

// ---------------------------------------------------------------------------------------------
// Shared state

QByteArray Request::header(const char *name) const
{
    for (const auto &h : headers)
        if (qstricmp(h.first.constData(), name) == 0)
            return h.second;
    return QByteArray();
}

bool Request::hasHeader(const char *name) const
{
    for (const auto &h : headers)
        if (qstricmp(h.first.constData(), name) == 0)
            return true;
    return false;
}

QByteArray Request::cookie(const char *name) const
{
    for (const auto &h : headers) {
        if (qstricmp(h.first.constData(), "Cookie") != 0)
            continue;
        for (QByteArray pair : h.second.split(';')) {
            pair = pair.trimmed();
            const int eq = pair.indexOf('=');
            if (eq > 0 && pair.left(eq) == name)
                return pair.mid(eq + 1);
        }
    }
    return QByteArray();
}

void Reply::json(const Json::Value &value)
{
    contentType = "application/json; charset=utf-8";
    body = QByteArray::fromStdString(jsonLine(value)) + "\n";
}

void Reply::error(const std::string &message)
{
    Json::Value answer(Json::objectValue);
    answer["success"] = false;
    answer["err_msg"] = message;
    json(answer);
}

Site &App::site(const QString &name)
{
    Site &s = sites[name];
    if (!s.albums.contains(QString()))
        s.albums.insert(QString(), Album());
    return s;
}

QString App::albumPath(const QString &text)
{
    QString path = text.trimmed();
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

bool App::albumExists(const QString &siteName, const QString &path)
{
    return site(siteName).albums.contains(albumPath(path));
}

Album &App::addAlbum(const QString &siteName, const QString &path)
{
    Site &s = site(siteName);
    const QString clean = albumPath(path);
    QString partial;
    for (const QString &piece : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        partial = partial.isEmpty() ? piece : partial + QLatin1Char('/') + piece;
        if (!s.albums.contains(partial)) {
            Album album;
            album.path = partial;
            s.albums.insert(partial, album);
        }
    }
    return s.albums[clean];
}

bool App::canWrite(const QString &siteName, const QString &account, const QString &path)
{
    if (accounts.value(account, false))
        return true;
    Site &s = site(siteName);
    QString p = albumPath(path);
    for (;;) {
        auto it = s.albums.find(p);
        if (it != s.albums.end())
            return it->writers.contains(account);
        if (p.isEmpty())
            return false;
        const int slash = p.lastIndexOf(QLatin1Char('/'));
        p = slash < 0 ? QString() : p.left(slash);
    }
}

StoredFile *App::findFile(const QString &siteName, const QString &album, const QString &name, const QString &type)
{
    for (StoredFile &f : site(siteName).files)
        if (f.album == album && f.name == name && f.type == type)
            return &f;
    return nullptr;
}

void App::storeFile(const QString &siteName, const StoredFile &file)
{
    if (StoredFile *old = findFile(siteName, file.album, file.name, file.type)) {
        *old = file;
        return;
    }
    site(siteName).files.push_back(file);
}

QString App::openSession(const QString &account, const QString &siteName)
{
    Session s;
    s.id = QStringLiteral("sim%1sess").arg(m_nextSession++, 4, 10, QLatin1Char('0'));
    s.account = account;
    s.site = siteName;
    sessions.insert(s.id, s);
    return s.id;
}

QByteArray percentDecode(const QByteArray &text)
{
    return QByteArray::fromPercentEncoding(text);
}

std::vector<Route> &routeRegistry()
{
    static std::vector<Route> routes;
    return routes;
}

namespace {

// ---------------------------------------------------------------------------------------------
// Forced replies

struct Fault {
    QString script; // last path element ("vork_file_upload.php") or "*"
    QString type;   // X-UPLOAD-TYPE value or "*"
    int remaining;  // requests left; 0 = every matching request
    QString action; // errmsg, noerrmsg, json, raw, rawhex, notrailing, hold, drop, status, deep
    QByteArray arg;
};

bool faultMatches(const Fault &f, const Request &req)
{
    const QString name = req.script.mid(req.script.lastIndexOf(QLatin1Char('/')) + 1);
    if (f.script != QLatin1String("*") && f.script != name)
        return false;
    if (f.type != QLatin1String("*") && f.type != QString::fromUtf8(req.header("X-UPLOAD-TYPE")))
        return false;
    return true;
}

QByteArray unescape(const QByteArray &text)
{
    QByteArray out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == '0' ? '\0' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

QByteArray statusText(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

// ---------------------------------------------------------------------------------------------
// The service

class PhotoService : public QObject, public Service
{
public:
    bool start(Server &server, const Json::Value &config, QString *error) override
    {
        m_server = &server;
        m_config = config.isObject() ? config : Json::Value(Json::objectValue);
        m_app.reset(new App(server));
        loadConfig();

        m_listener = new QTcpServer(this);
        const QHostAddress address(QString::fromStdString(m_config.get("address", "127.0.0.1").asString()));
        const quint16 port = static_cast<quint16>(m_config.get("port", 0).asUInt());
        if (address.isNull() || !m_listener->listen(address, port)) {
            *error = QStringLiteral("cannot listen on %1:%2: %3")
                         .arg(address.toString()).arg(port).arg(m_listener->errorString());
            return false;
        }
        connect(m_listener, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket *socket = m_listener->nextPendingConnection())
                accept(socket);
        });
        Server::log(QStringLiteral("photo: listening on %1:%2").arg(address.toString()).arg(m_listener->serverPort()));
        return true;
    }

    bool command(const QStringList &words, QString *reply) override;

    Json::Value stats() const override
    {
        Json::Value s(Json::objectValue);
        s["port"] = m_listener ? m_listener->serverPort() : 0;
        s["requests"] = m_seq;
        s["held"] = static_cast<int>(m_held.size());
        s["sessions"] = m_app ? m_app->sessions.size() : 0;
        Json::Value scripts(Json::objectValue);
        for (auto it = m_scriptCounts.constBegin(); it != m_scriptCounts.constEnd(); ++it)
            scripts[it.key().toStdString()] = it.value();
        s["scripts"] = scripts;
        return s;
    }

private:
    struct Connection {
        QByteArray buffer;
        bool busy = false; // a request of this connection is held: later ones wait
    };

    struct Held {
        QPointer<QTcpSocket> socket;
        Request request;
        bool close;
    };

    void loadConfig()
    {
        m_app->accounts.clear();
        m_app->accountOptions.clear();
        m_app->sites.clear();
        m_app->sessions.clear();
        const Json::Value &accounts = m_config["accounts"];
        if (accounts.isObject()) {
            for (const std::string &name : accounts.getMemberNames()) {
                m_app->accounts.insert(QString::fromStdString(name),
                                       accounts[name].isObject() && accounts[name].get("admin", false).asBool());
                if (accounts[name].isObject())
                    m_app->accountOptions.insert(QString::fromStdString(name), accounts[name]);
            }
        } else {
            m_app->accounts.insert(QStringLiteral("admin"), true);
        }
        m_app->site(QString());
        const Json::Value &albums = m_config["albums"];
        if (albums.isArray()) {
            for (const Json::Value &a : albums) {
                const QString site = QString::fromStdString(a.get("site", "").asString());
                Album &album = m_app->addAlbum(site, QString::fromStdString(a.get("path", "").asString()));
                for (const Json::Value &w : a["writers"])
                    album.writers.insert(QString::fromStdString(w.asString()));
            }
        }
    }

    void accept(QTcpSocket *socket)
    {
        m_connections.insert(socket, Connection());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { process(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket]() {
            m_connections.remove(socket);
            // A held request whose client went away is dropped.
            m_held.erase(std::remove_if(m_held.begin(), m_held.end(),
                                        [socket](const Held &h) { return h.socket == socket || !h.socket; }),
                         m_held.end());
            socket->deleteLater();
        });
    }

    // Takes every complete request out of the connection's buffer, in order.
    void process(QTcpSocket *socket)
    {
        auto it = m_connections.find(socket);
        if (it == m_connections.end())
            return;
        it->buffer += socket->readAll();
        while (!it->busy) {
            QByteArray &buf = it->buffer;
            const int end = buf.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> lines = buf.left(end).split('\n');
            Request req;
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            if (first.size() != 3) {
                sendRaw(socket, 400, "text/plain", "bad request line\n", {}, true);
                return;
            }
            req.method = first[0];
            req.target = first[1];
            bool close = first[2] == "HTTP/1.0";
            qint64 length = 0;
            for (int i = 1; i < lines.size(); ++i) {
                QByteArray line = lines[i];
                if (line.endsWith('\r'))
                    line.chop(1);
                const int colon = line.indexOf(':');
                if (colon <= 0)
                    continue;
                QByteArray value = line.mid(colon + 1);
                // One optional blank after the colon belongs to the syntax; further ones to the value.
                if (value.startsWith(' '))
                    value.remove(0, 1);
                req.headers.append(qMakePair(line.left(colon), value));
                if (qstricmp(line.left(colon).constData(), "Content-Length") == 0)
                    length = value.trimmed().toLongLong();
                if (qstricmp(line.left(colon).constData(), "Connection") == 0 &&
                    value.trimmed().toLower() == "close")
                    close = true;
            }
            if (buf.size() < end + 4 + length)
                return; // body not complete yet
            req.body = buf.mid(end + 4, static_cast<int>(length));
            buf.remove(0, end + 4 + static_cast<int>(length));
            handle(socket, req, close);
            it = m_connections.find(socket);
            if (it == m_connections.end())
                return;
        }
    }

    void handle(QTcpSocket *socket, Request &req, bool close)
    {
        req.seq = ++m_seq;
        QByteArray path = req.target;
        const int query = path.indexOf('?');
        if (query >= 0)
            path.truncate(query);
        QString decoded = QString::fromUtf8(percentDecode(path));
        if (decoded.startsWith(QLatin1String("/~"))) {
            const int slash = decoded.indexOf(QLatin1Char('/'), 2);
            req.site = decoded.mid(2, slash < 0 ? -1 : slash - 2);
            req.script = slash < 0 ? QStringLiteral("/") : decoded.mid(slash);
        } else {
            req.script = decoded;
        }
        m_scriptCounts[req.script] += 1;

        // A session that the test chose to lose is gone before this request is read.
        if (m_loseAt > 0 && req.seq >= m_loseAt) {
            const QString id = QString::fromUtf8(req.cookie("PHPSESSID"));
            m_app->sessions.remove(id);
            m_loseAt = 0;
        }
        resolveSession(req);

        // The first forced reply that matches; one with a count is used up by it.
        bool forcedReply = false;
        Fault applied;
        for (size_t i = 0; i < m_faults.size(); ++i) {
            if (!faultMatches(m_faults[i], req))
                continue;
            forcedReply = true;
            applied = m_faults[i];
            if (m_faults[i].remaining > 0 && --m_faults[i].remaining == 0)
                m_faults.erase(m_faults.begin() + static_cast<long>(i));
            break;
        }
        logRequest(req, forcedReply ? applied.action : QString());

        if (forcedReply && applied.action == QLatin1String("hold")) {
            m_held.push_back(Held{socket, req, close});
            m_connections[socket].busy = true;
            return;
        }
        if (forcedReply && applied.action == QLatin1String("drop")) {
            socket->abort();
            return;
        }
        Reply reply;
        if (forcedReply && applied.action != QLatin1String("notrailing")) {
            forced(applied, reply);
        } else {
            route(req, reply);
            if (forcedReply && !reply.body.isEmpty())
                reply.body.chop(1);
        }
        if (reply.delayMs > 0) {
            sendLater(socket, reply, close);
            return;
        }
        sendRaw(socket, reply.status, reply.contentType, reply.body, reply.headers, close);
    }

    // Answers after the reply's delay; the connection takes no further request until then.
    void sendLater(QTcpSocket *socket, const Reply &reply, bool close)
    {
        m_connections[socket].busy = true;
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(reply.delayMs, this, [this, guard, reply, close]() {
            if (!guard)
                return;
            QTcpSocket *s = guard.data();
            sendRaw(s, reply.status, reply.contentType, reply.body, reply.headers, close);
            auto it = m_connections.find(s);
            if (it != m_connections.end()) {
                it->busy = false;
                process(s);
            }
        });
    }

    void resolveSession(Request &req)
    {
        req.session = nullptr;
        auto session = m_app->sessions.find(QString::fromUtf8(req.cookie("PHPSESSID")));
        if (session != m_app->sessions.end() && session->site == req.site)
            req.session = &session.value();
    }

    void forced(const Fault &f, Reply &reply)
    {
        if (f.action == QLatin1String("errmsg")) {
            reply.error(f.arg.toStdString());
        } else if (f.action == QLatin1String("noerrmsg")) {
            Json::Value answer(Json::objectValue);
            answer["success"] = false;
            reply.json(answer);
        } else if (f.action == QLatin1String("json")) {
            reply.contentType = "application/json; charset=utf-8";
            reply.body = f.arg + "\n";
        } else if (f.action == QLatin1String("raw")) {
            reply.body = unescape(f.arg);
        } else if (f.action == QLatin1String("rawhex")) {
            reply.body = QByteArray::fromHex(f.arg);
        } else if (f.action == QLatin1String("deep")) {
            // "success" true, then arrays nested ARG deep (2000 without ARG).
            const int depth = f.arg.isEmpty() ? 2000 : f.arg.toInt();
            reply.contentType = "application/json; charset=utf-8";
            reply.body = "{\"success\":true,\"x\":" + QByteArray(depth, '[') + QByteArray(depth, ']') + "}\n";
        } else if (f.action == QLatin1String("status")) {
            reply.status = f.arg.toInt();
            reply.body = "<html><body>" + f.arg + "</body></html>\n";
        }
    }

    void route(Request &req, Reply &reply)
    {
        for (const Route &r : routeRegistry()) {
            if (req.script == QLatin1String(r.script)) {
                r.handler(*m_app, req, reply);
                return;
            }
        }
        reply.status = 404;
        reply.body = "<html><body>Not Found</body></html>\n";
    }

    void sendRaw(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body,
                 const QList<QPair<QByteArray, QByteArray>> &headers, bool close)
    {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + " " + statusText(status) + "\r\n";
        out += "Content-Type: " + contentType + "\r\n";
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        for (const auto &h : headers)
            out += h.first + ": " + h.second + "\r\n";
        out += close ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
        out += "\r\n" + body;
        socket->write(out);
        socket->flush();
        if (close)
            socket->disconnectFromHost();
    }

    void logRequest(const Request &req, const QString &fault)
    {
        Json::Value line(Json::objectValue);
        line["svc"] = "photo";
        line["seq"] = req.seq;
        line["method"] = req.method.toStdString();
        line["target"] = req.target.toStdString();
        line["site"] = req.site.toStdString();
        line["script"] = req.script.toStdString();
        Json::Value headers(Json::arrayValue);
        for (const auto &h : req.headers) {
            Json::Value pair(Json::arrayValue);
            pair.append(h.first.toStdString());
            pair.append(h.second.toStdString());
            headers.append(pair);
        }
        line["headers"] = headers;
        line["bodyLen"] = req.body.size();
        line["bodySha1"] = QCryptographicHash::hash(req.body, QCryptographicHash::Sha1).toHex().toStdString();
        if (req.body.size() <= 65536)
            line["body"] = req.body.toHex().toStdString();
        line["session"] = req.session ? Json::Value(req.session->id.toStdString()) : Json::Value();
        if (!fault.isEmpty())
            line["fault"] = fault.toStdString();
        m_server->capture(line);
    }

    Json::Value filesJson() const
    {
        Json::Value all(Json::arrayValue);
        for (auto s = m_app->sites.constBegin(); s != m_app->sites.constEnd(); ++s) {
            for (const StoredFile &f : s->files) {
                Json::Value v(Json::objectValue);
                v["site"] = s.key().toStdString();
                v["album"] = f.album.toStdString();
                v["name"] = f.name.toStdString();
                v["type"] = f.type.toStdString();
                v["size"] = f.data.size();
                v["sha1"] = QCryptographicHash::hash(f.data, QCryptographicHash::Sha1).toHex().toStdString();
                v["modified"] = static_cast<Json::Int64>(f.modified);
                all.append(v);
            }
        }
        return all;
    }

    Json::Value albumsJson() const
    {
        Json::Value all(Json::arrayValue);
        for (auto s = m_app->sites.constBegin(); s != m_app->sites.constEnd(); ++s) {
            for (const Album &a : s->albums) {
                Json::Value v(Json::objectValue);
                v["site"] = s.key().toStdString();
                v["path"] = a.path.toStdString();
                v["title"] = a.title.toStdString();
                v["desc"] = a.desc.toStdString();
                v["titleHex"] = a.titleBytes.toHex().toStdString();
                v["descHex"] = a.descBytes.toHex().toStdString();
                Json::Value writers(Json::arrayValue);
                QStringList names = a.writers.values();
                names.sort();
                for (const QString &w : names)
                    writers.append(w.toStdString());
                v["writers"] = writers;
                all.append(v);
            }
        }
        return all;
    }

    // Answers every held request as if it had not been held.
    int release()
    {
        std::vector<Held> held;
        held.swap(m_held);
        int count = 0;
        for (Held &h : held) {
            if (!h.socket)
                continue;
            Reply reply;
            resolveSession(h.request);
            route(h.request, reply);
            sendRaw(h.socket, reply.status, reply.contentType, reply.body, reply.headers, h.close);
            ++count;
            auto it = m_connections.find(h.socket.data());
            if (it != m_connections.end()) {
                it->busy = false;
                QTcpSocket *socket = h.socket.data();
                QMetaObject::invokeMethod(this, [this, socket]() {
                    if (m_connections.contains(socket))
                        process(socket);
                }, Qt::QueuedConnection);
            }
        }
        return count;
    }

    // A control word for a site, album or name: "-" for the main site or the root album, else the
    // word percent-decoded (so that blanks can be written as %20).
    static QString siteArg(const QString &word) { return word == QLatin1String("-") ? QString() : decoded(word); }
    static QString decoded(const QString &word)
    {
        return word == QLatin1String("-") ? QString() : QString::fromUtf8(percentDecode(word.toUtf8()));
    }

    Server *m_server = nullptr;
    Json::Value m_config;
    std::unique_ptr<App> m_app;
    QTcpServer *m_listener = nullptr;
    QMap<QTcpSocket *, Connection> m_connections;
    std::vector<Held> m_held;
    std::vector<Fault> m_faults;
    QMap<QString, int> m_scriptCounts;
    int m_seq = 0;
    int m_loseAt = 0;
};

bool PhotoService::command(const QStringList &words, QString *reply)
{
    const QString cmd = words.value(0);
    const int n = words.size();
    if (cmd == QLatin1String("port") && n == 1) {
        *reply = QStringLiteral("ok %1").arg(m_listener->serverPort());
    } else if (cmd == QLatin1String("reset") && n == 1) {
        loadConfig();
        m_faults.clear();
        m_held.clear();
        m_loseAt = 0;
        *reply = QStringLiteral("ok");
    } else if (cmd == QLatin1String("account") && n >= 2) {
        // account NAME [admin] [KEY=VALUE...]: the words after the name set options as texts.
        bool admin = false;
        Json::Value options = m_app->accountOptions.value(words[1], Json::Value(Json::objectValue));
        for (int i = 2; i < n; ++i) {
            const int eq = words[i].indexOf(QLatin1Char('='));
            if (words[i] == QLatin1String("admin"))
                admin = true;
            else if (eq > 0)
                options[words[i].left(eq).toStdString()] = decoded(words[i].mid(eq + 1)).toStdString();
        }
        m_app->accounts.insert(words[1], admin);
        m_app->accountOptions.insert(words[1], options);
        *reply = QStringLiteral("ok");
    } else if (cmd == QLatin1String("album") && (n == 3 || n == 4)) {
        Album &album = m_app->addAlbum(siteArg(words[1]), decoded(words[2]));
        if (n == 4)
            for (const QString &w : words[3].split(QLatin1Char(','), Qt::SkipEmptyParts))
                album.writers.insert(w);
        *reply = QStringLiteral("ok");
    } else if (cmd == QLatin1String("albums") && n == 1) {
        *reply = QStringLiteral("ok ") + QString::fromStdString(jsonLine(albumsJson()));
    } else if (cmd == QLatin1String("files") && n == 1) {
        *reply = QStringLiteral("ok ") + QString::fromStdString(jsonLine(filesJson()));
    } else if (cmd == QLatin1String("file") && n == 5) {
        // file SITE ALBUM NAME TYPE: the stored bytes in hex ("-" for the main site or the root).
        const StoredFile *f = m_app->findFile(siteArg(words[1]), decoded(words[2]), decoded(words[3]), words[4]);
        *reply = f ? QStringLiteral("ok ") + QString::fromLatin1(f->data.toHex()) : QStringLiteral("err no such file");
    } else if (cmd == QLatin1String("store") && n == 6) {
        // store SITE ALBUM NAME TYPE HEX: puts a file in place as if it had been uploaded.
        StoredFile f;
        f.album = decoded(words[2]);
        f.name = decoded(words[3]);
        f.type = words[4];
        f.data = QByteArray::fromHex(words[5].toLatin1());
        m_app->addAlbum(siteArg(words[1]), f.album);
        m_app->storeFile(siteArg(words[1]), f);
        *reply = QStringLiteral("ok");
    } else if (cmd == QLatin1String("session") && n >= 2) {
        const QString sub = words[1];
        if (sub == QLatin1String("open") && (n == 3 || n == 4)) {
            *reply = QStringLiteral("ok ") + m_app->openSession(words[2], n == 4 ? siteArg(words[3]) : QString());
        } else if (sub == QLatin1String("expire") && n == 3) {
            *reply = m_app->sessions.remove(words[2]) ? QStringLiteral("ok") : QStringLiteral("err no such session");
        } else if (sub == QLatin1String("lose-at") && n == 3) {
            // The session of the request with this number (counting from now, 1 = the next) is
            // gone when that request arrives.
            m_loseAt = m_seq + words[2].toInt();
            *reply = QStringLiteral("ok");
        } else {
            return false;
        }
    } else if (cmd == QLatin1String("fault") && n >= 2 && words[1] == QLatin1String("clear")) {
        m_faults.clear();
        *reply = QStringLiteral("ok");
    } else if (cmd == QLatin1String("fault") && n >= 5) {
        // fault SCRIPT TYPE COUNT ACTION [ARG...]
        Fault f;
        f.script = words[1];
        f.type = words[2];
        f.remaining = words[3].toInt();
        f.action = words[4];
        f.arg = QStringList(words.mid(5)).join(QLatin1Char(' ')).toUtf8();
        static const QStringList actions = {
            QStringLiteral("errmsg"), QStringLiteral("noerrmsg"), QStringLiteral("json"),
            QStringLiteral("raw"), QStringLiteral("rawhex"), QStringLiteral("notrailing"),
            QStringLiteral("hold"), QStringLiteral("drop"), QStringLiteral("status"), QStringLiteral("deep")};
        if (!actions.contains(f.action)) {
            *reply = QStringLiteral("err unknown fault action %1").arg(f.action);
            return true;
        }
        m_faults.push_back(f);
        *reply = QStringLiteral("ok");
    } else if (cmd == QLatin1String("held") && n == 1) {
        int live = 0;
        for (const Held &h : m_held)
            live += h.socket ? 1 : 0;
        *reply = QStringLiteral("ok %1").arg(live);
    } else if (cmd == QLatin1String("release") && n == 1) {
        *reply = QStringLiteral("ok %1").arg(release());
    } else {
        return false;
    }
    return true;
}

} // namespace
} // namespace photo

using PhotoService = photo::PhotoService;
SIM_REGISTER_SERVICE("photo", PhotoService, false);

} // namespace sim
