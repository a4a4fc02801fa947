// The photo web application's album-list script, POST "/photo/include/vork_get_uploadable_album.php".
// "action=get_uploadable_album_list" lists the albums the session's account may upload to, each
// cut to its first two names: {"success":true,"is_admin":B,"uploadable_albums":["a","a/b",...]}.
// "action=get_all_subalbum_list&path=P" lists the names of the direct sub-albums of P:
// {"success":true,"sub_albums":["c",...]} (an unknown album: err_msg "album_not_found"). The page
// also sends the first as its keep-alive while an upload runs; any request that carries a live
// session keeps that session (the simulated sessions end only by "session expire" or "session
// lose-at"). Without a session: {"success":false,"err_msg":"session_lost"}.
//
// Album creation: POST (not PUT) to the file-upload script with an empty body and X-UPLOAD-TYPE
// "FOLDER" (handleCreateAlbum, reached through that script's route).
#include "photoapp.h"

namespace sim {
namespace photo {
namespace {

void handleAlbumList(App &app, Request &req, Reply &reply)
{
    if (req.method != "POST") {
        reply.status = 405;
        reply.body = "<html><body>Method Not Allowed</body></html>\n";
        return;
    }
    if (!req.session) {
        reply.error("session_lost");
        return;
    }
    QByteArray action;
    QByteArray pathBytes;
    bool hasPath = false;
    for (const QByteArray &pair : req.body.split('&')) {
        if (pair.startsWith("action=")) {
            action = percentDecode(pair.mid(7));
        } else if (pair.startsWith("path=")) {
            pathBytes = percentDecode(pair.mid(5));
            hasPath = true;
        }
    }
    const QString account = req.session->account;
    const Site &site = app.site(req.site);
    if (action == "get_all_subalbum_list") {
        if (!hasPath) {
            reply.error("bad_request: path");
            return;
        }
        const QString path = App::albumPath(QString::fromUtf8(pathBytes));
        if (!site.albums.contains(path)) {
            reply.error("album_not_found");
            return;
        }
        const QString prefix = path.isEmpty() ? QString() : path + QLatin1Char('/');
        Json::Value names(Json::arrayValue);
        for (const Album &album : site.albums) {
            if (album.path.isEmpty() || !album.path.startsWith(prefix))
                continue;
            const QString rest = album.path.mid(prefix.size());
            if (!rest.isEmpty() && !rest.contains(QLatin1Char('/')))
                names.append(rest.toStdString());
        }
        Json::Value answer(Json::objectValue);
        answer["success"] = true;
        answer["sub_albums"] = names;
        reply.json(answer);
        return;
    }
    if (action != "get_uploadable_album_list") {
        reply.error("bad_request: action " + action.toStdString());
        return;
    }
    Json::Value albums(Json::arrayValue);
    QSet<QString> listed;
    for (const Album &album : site.albums) {
        if (album.path.isEmpty() || !app.canWrite(req.site, account, album.path))
            continue;
        const QString shown = album.path.section(QLatin1Char('/'), 0, 1);
        if (listed.contains(shown))
            continue;
        listed.insert(shown);
        albums.append(shown.toStdString());
    }
    Json::Value answer(Json::objectValue);
    answer["success"] = true;
    answer["is_admin"] = app.accounts.value(account, false);
    answer["uploadable_albums"] = albums;
    reply.json(answer);
}

} // namespace

void handleCreateAlbum(App &app, Request &req, Reply &reply)
{
    if (!req.session) {
        reply.error("session_lost");
        return;
    }
    if (req.header("X-UPLOAD-TYPE") != "FOLDER" || !req.body.isEmpty()) {
        reply.error("bad_request: an album is made by an empty FOLDER request");
        return;
    }
    const QByteArray path = req.header("X-PATH");
    const QByteArray name = req.header("X-ORIG-FNAME");
    if (!path.startsWith(' ') || !name.startsWith(' ')) {
        reply.error("bad_request: X-PATH and X-ORIG-FNAME");
        return;
    }
    const QString parent = App::albumPath(QString::fromUtf8(percentDecode(path.mid(1))));
    const QString album = QString::fromUtf8(percentDecode(name.mid(1)));
    if (album.trimmed().isEmpty() || album.contains(QLatin1Char('/')) || album.startsWith(QLatin1Char('.'))) {
        reply.error("bad_dir_name_" + album.toStdString());
        return;
    }
    if (!app.albumExists(req.site, parent)) {
        reply.error("target_folder_not_found_/" + parent.toStdString());
        return;
    }
    const QString account = req.session->account;
    if (!app.canWrite(req.site, account, parent)) {
        reply.error("no_privilege");
        return;
    }
    const QString full = parent.isEmpty() ? album : parent + QLatin1Char('/') + album;
    Json::Value answer(Json::objectValue);
    answer["success"] = true;
    if (app.albumExists(req.site, full)) {
        answer["duplicate_folder"] = true;
    } else {
        // The account that made the album may upload into it.
        app.addAlbum(req.site, full).writers.insert(account);
        answer["duplicate_folder"] = false;
    }
    reply.json(answer);
}

SIM_PHOTO_ROUTE("/photo/include/vork_get_uploadable_album.php", handleAlbumList);

} // namespace photo
} // namespace sim
