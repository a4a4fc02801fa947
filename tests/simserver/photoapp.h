// The simulated photo web application: shared state and the route table of the "photo" service
// (svc_photo.cpp). Each script of the application is one route, registered from its own file with
// SIM_PHOTO_ROUTE, so that adding a script never means editing another file:
//
//   static void handleLogin(sim::photo::App &app, sim::photo::Request &req, sim::photo::Reply &reply)
//   { ... reply.json(answer); }
//   SIM_PHOTO_ROUTE("/blog/login.php", handleLogin);
//
// Routes are looked up by the path below the site: "/photo/include/x.php" on the main site ("/")
// and on every personal site ("/~owner/photo/include/x.php"). The service parses HTTP, keeps the
// sessions, the accounts, the album trees and the stored files, logs every request into the
// capture file and applies the test's forced replies before a route is asked.
#ifndef SIM_PHOTOAPP_H
#define SIM_PHOTOAPP_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QString>

#include <json/json.h>

#include <vector>

namespace sim {

class Server;

namespace photo {

struct Session {
    QString id;      // the PHPSESSID cookie value
    QString account;
    QString site;    // "" for the main site, else the owner of the personal site
    // The upload batch in hand (file-upload script): the name its parts are stored under, or
    // skip when the duplicate policy said so. Set by the batch's first part.
    bool batchOpen = false;
    QString batchAlbum;
    QString batchName;
    QString batchStoredName;
    bool batchSkip = false;
};

struct Album {
    QString path;    // below the photo root, without leading or trailing "/"; "" is the root
    QString title;   // as decoded by the folder-creating request (UTF-8 read once)
    QString desc;
    QByteArray titleBytes; // the percent-decoded header bytes
    QByteArray descBytes;
    QSet<QString> writers; // accounts that may upload into it and below it
};

struct StoredFile {
    QString album;
    QString name;    // the name it is stored under (after a rename)
    QString type;    // X-UPLOAD-TYPE
    QByteArray data;
    qint64 modified = -1; // X-LAST-MODIFIED-TIME, -1 when absent
};

struct Site {
    QMap<QString, Album> albums; // by path; the root "" always exists
    std::vector<StoredFile> files; // in storage order; a replaced file keeps its place
};

struct Request {
    int seq = 0;                 // 1 for the first request the service received
    QByteArray method;
    QByteArray target;           // as sent, query included
    QString site;                // "" main site, or the owner of "/~owner"
    QString script;              // the path below the site, e.g. "/photo/include/vork_file_upload.php"
    QList<QPair<QByteArray, QByteArray>> headers; // in arrival order, names as sent
    QByteArray body;
    Session *session = nullptr;  // from the PHPSESSID cookie; null when unknown or expired

    // The first header of that name (any case), and whether it is present.
    QByteArray header(const char *name) const;
    bool hasHeader(const char *name) const;
    // A cookie of the Cookie header.
    QByteArray cookie(const char *name) const;
};

struct Reply {
    int status = 200;
    QByteArray contentType = "text/html; charset=utf-8";
    QList<QPair<QByteArray, QByteArray>> headers; // further headers (Set-Cookie, ...)
    QByteArray body;
    // When above 0, the answer goes out this many milliseconds later (later requests of the same
    // connection wait for it).
    int delayMs = 0;

    // The application's JSON answer: compact JSON and one "\n", as the scripts print it.
    void json(const Json::Value &value);
    // {"success":false,"err_msg":message}
    void error(const std::string &message);
};

class App
{
public:
    explicit App(Server &server) : m_server(server) {}

    Server &server() { return m_server; }

    // Accounts: name -> administrator flag. An administrator writes into every album.
    QMap<QString, bool> accounts;
    // Further settings of an account, as the scenario or the "account" command gave them (a JSON
    // object; null when there are none). The login script reads its answer from them.
    QMap<QString, Json::Value> accountOptions;
    QMap<QString, Site> sites;
    QMap<QString, Session> sessions;

    Site &site(const QString &name);
    // The album path as the scripts take it: blanks and slashes at both ends removed.
    static QString albumPath(const QString &text);
    bool albumExists(const QString &site, const QString &path);
    // Creates the album and every missing parent; returns it.
    Album &addAlbum(const QString &site, const QString &path);
    // Whether `account` may upload into `path`: an administrator always; else when it is a
    // writer of the album or of its nearest existing parent.
    bool canWrite(const QString &site, const QString &account, const QString &path);
    // The stored file of that album, name and type, or null.
    StoredFile *findFile(const QString &site, const QString &album, const QString &name, const QString &type);
    // Stores (or replaces in place) a file.
    void storeFile(const QString &site, const StoredFile &file);
    // A new session of `account` on `site`; returns its id.
    QString openSession(const QString &account, const QString &site);

private:
    Server &m_server;
    int m_nextSession = 1;
};

// Album creation: a POST to the file-upload script (its route hands POSTs here).
void handleCreateAlbum(App &app, Request &req, Reply &reply);

// Percent-decoding of a header or form value ("+" stays a plus).
QByteArray percentDecode(const QByteArray &text);

using Handler = void (*)(App &app, Request &request, Reply &reply);

struct Route {
    const char *script;
    Handler handler;
};

std::vector<Route> &routeRegistry();

struct RouteRegistration {
    RouteRegistration(const char *script, Handler handler) { routeRegistry().push_back({script, handler}); }
};

#define SIM_PHOTO_ROUTE_CAT2(a, b) a##b
#define SIM_PHOTO_ROUTE_CAT(a, b) SIM_PHOTO_ROUTE_CAT2(a, b)
#define SIM_PHOTO_ROUTE(script, handler)                                                          \
    static ::sim::photo::RouteRegistration SIM_PHOTO_ROUTE_CAT(sim_photo_route_, __LINE__)(script, handler)

} // namespace photo
} // namespace sim

#endif // SIM_PHOTOAPP_H
