// The photo web application's upload scripts: the upload-init announcement of a run's files and
// the file upload (one PUT per file, derived file or new album).
#include "photoapp.h"

namespace sim {
namespace photo {
namespace {

const char *const Delimiter = "/FolderDelimiter/";

// The value of an X- header that carries a percent-encoded text after one blank.
bool headerText(const Request &req, const char *name, QByteArray *bytes)
{
    QByteArray value = req.header(name);
    if (!value.startsWith(' '))
        return false;
    *bytes = percentDecode(value.mid(1));
    return true;
}

// The list of the single "filelist" part of the init body:
//   "--" B CRLF, part headers, CRLF, the list, CRLF, "--" B, then CRLF or "--" CRLF.
bool parseInitBody(const QByteArray &contentType, const QByteArray &body, QByteArray *list, std::string *why)
{
    const QByteArray prefix = "multipart/form-data, boundary=";
    if (!contentType.startsWith(prefix) || contentType.size() == prefix.size()) {
        *why = "content type";
        return false;
    }
    const QByteArray delimiter = "--" + contentType.mid(prefix.size());
    if (!body.startsWith(delimiter + "\r\n")) {
        *why = "opening delimiter";
        return false;
    }
    const int headersEnd = body.indexOf("\r\n\r\n", delimiter.size());
    if (headersEnd < 0) {
        *why = "part headers";
        return false;
    }
    const QByteArray headers = body.mid(delimiter.size() + 2, headersEnd - delimiter.size() - 2);
    if (!headers.toLower().contains("content-disposition: form-data; name=\"filelist\"")) {
        *why = "part name";
        return false;
    }
    const int contentStart = headersEnd + 4;
    const int close = body.indexOf("\r\n" + delimiter, contentStart);
    if (close < 0) {
        *why = "closing delimiter";
        return false;
    }
    const QByteArray tail = body.mid(close + 2 + delimiter.size());
    if (tail != "\r\n" && tail != "--\r\n" && tail != "--") {
        *why = "after the closing delimiter";
        return false;
    }
    *list = body.mid(contentStart, close - contentStart);
    return true;
}

void splitItem(const QString &item, QString *album, QString *name)
{
    const int slash = item.lastIndexOf(QLatin1Char('/'));
    *album = App::albumPath(slash < 0 ? QString() : item.left(slash));
    *name = item.mid(slash + 1);
}

void handleUploadInit(App &app, Request &req, Reply &reply)
{
    if (req.method != "POST") {
        reply.error("bad_method");
        return;
    }
    if (!req.session) {
        reply.error("session_lost");
        return;
    }
    QByteArray list;
    std::string why;
    if (!parseInitBody(req.header("Content-Type"), req.body, &list, &why)) {
        reply.error("bad_request: " + why);
        return;
    }
    Json::Value duplicated(Json::arrayValue);
    Json::Value forbidden(Json::arrayValue);
    const QString text = QString::fromUtf8(list);
    const QStringList items = text.isEmpty() ? QStringList() : text.split(QLatin1String(Delimiter));
    for (const QString &item : items) {
        QString album, name;
        splitItem(item, &album, &name);
        if (app.findFile(req.site, album, name, QStringLiteral("ORIG_FILE")))
            duplicated.append(item.toStdString());
        if (!app.canWrite(req.site, req.session->account, album))
            forbidden.append(item.toStdString());
    }
    Json::Value answer(Json::objectValue);
    answer["success"] = true;
    answer["duplicated_files"] = duplicated;
    answer["no_privilege_files"] = forbidden;
    reply.json(answer);
}

// The first free name "base_N.ext" for a rename.
QString freeName(App &app, const QString &site, const QString &album, const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1_%2%3").arg(base).arg(n).arg(ext);
        if (!app.findFile(site, album, candidate, QStringLiteral("ORIG_FILE")))
            return candidate;
    }
}

void handleFileUpload(App &app, Request &req, Reply &reply)
{
    if (req.method == "POST") {
        handleCreateAlbum(app, req, reply);
        return;
    }
    if (req.method != "PUT") {
        reply.error("bad_method");
        return;
    }
    if (!req.session) {
        reply.error("session_lost");
        return;
    }
    QByteArray pathBytes, nameBytes;
    if (!headerText(req, "X-PATH", &pathBytes) || !headerText(req, "X-ORIG-FNAME", &nameBytes)) {
        reply.error("bad_request: X-PATH and X-ORIG-FNAME");
        return;
    }
    const QString album = App::albumPath(QString::fromUtf8(pathBytes));
    const QString name = QString::fromUtf8(nameBytes);
    const QString type = QString::fromUtf8(req.header("X-UPLOAD-TYPE"));
    Session &session = *req.session;
    const bool first = req.header("X-IS-BATCH-FIRST-FILE") == "1";
    const bool last = req.header("X-IS-BATCH-LAST-FILE") == "1";

    if (name.isEmpty() || name.contains(QLatin1Char('/')) || type.isEmpty()) {
        reply.error("bad_request: name or type");
        return;
    }
    if (!app.albumExists(req.site, album)) {
        reply.error("target_folder_not_found_/" + album.toStdString());
        return;
    }
    if (!app.canWrite(req.site, session.account, album)) {
        reply.error("no_privilege");
        return;
    }

    if (type == QLatin1String("FOLDER")) {
        if (!req.body.isEmpty()) {
            reply.error("bad_request: folder with a body");
            return;
        }
        Album &created = app.addAlbum(req.site, album.isEmpty() ? name : album + QLatin1Char('/') + name);
        QByteArray bytes;
        if (headerText(req, "X-FOLDER-TITLE", &bytes)) {
            created.titleBytes = bytes;
            created.title = QString::fromUtf8(bytes);
        }
        if (headerText(req, "X-FOLDER-DESC", &bytes)) {
            created.descBytes = bytes;
            created.desc = QString::fromUtf8(bytes);
        }
        session.batchOpen = false;
        Json::Value answer(Json::objectValue);
        answer["success"] = true;
        reply.json(answer);
        return;
    }

    // The duplicate policy is decided once per batch, by its first part (or by a part that
    // arrives without an open batch of the same file).
    if (first || !session.batchOpen || session.batchAlbum != album || session.batchName != name) {
        session.batchOpen = true;
        session.batchAlbum = album;
        session.batchName = name;
        session.batchStoredName = name;
        session.batchSkip = false;
        if (app.findFile(req.site, album, name, QStringLiteral("ORIG_FILE"))) {
            const QByteArray mode = req.header("X-DUPLICATE");
            if (mode == "SKIP")
                session.batchSkip = true;
            else if (mode != "OVERWRITE")
                session.batchStoredName = freeName(app, req.site, album, name);
        }
    }
    const bool skip = session.batchSkip;
    StoredFile file;
    file.album = album;
    file.name = session.batchStoredName;
    file.type = type;
    file.data = req.body;
    if (req.hasHeader("X-LAST-MODIFIED-TIME"))
        file.modified = req.header("X-LAST-MODIFIED-TIME").toLongLong();
    // The job's own file ends its batch even without the last-file header.
    if (last || type == QLatin1String("ORIG_FILE"))
        session.batchOpen = false;
    if (skip) {
        reply.error("duplicated_file");
        return;
    }
    app.storeFile(req.site, file);
    Json::Value answer(Json::objectValue);
    answer["success"] = true;
    reply.json(answer);
}

} // namespace

SIM_PHOTO_ROUTE("/photo/include/vork_upload_init.php", handleUploadInit);
SIM_PHOTO_ROUTE("/photo/include/vork_file_upload.php", handleFileUpload);

} // namespace photo
} // namespace sim
