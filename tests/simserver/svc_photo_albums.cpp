// The photo web application's album-list script, POST "/photo/include/vork_get_uploadable_album.php".
// "action=get_uploadable_album_list" lists the albums the session's account may upload to:
// {"success":true,"is_admin":B,"uploadable_albums":["a","a/b",...]}. The page also sends it as its
// keep-alive while an upload runs; any request that carries a live session keeps that session (the
// simulated sessions end only by "session expire" or "session lose-at"). Without a session:
// {"success":false,"err_msg":"session_lost"}.
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
    for (const QByteArray &pair : req.body.split('&')) {
        if (pair.startsWith("action="))
            action = percentDecode(pair.mid(7));
    }
    if (action != "get_uploadable_album_list") {
        reply.error("bad_request: action " + action.toStdString());
        return;
    }
    const QString account = req.session->account;
    const Site &site = app.site(req.site);
    Json::Value albums(Json::arrayValue);
    for (const Album &album : site.albums) {
        if (!album.path.isEmpty() && app.canWrite(req.site, account, album.path))
            albums.append(album.path.toStdString());
    }
    Json::Value answer(Json::objectValue);
    answer["success"] = true;
    answer["is_admin"] = app.accounts.value(account, false);
    answer["uploadable_albums"] = albums;
    reply.json(answer);
}

} // namespace

SIM_PHOTO_ROUTE("/photo/include/vork_get_uploadable_album.php", handleAlbumList);

} // namespace photo
} // namespace sim
