// The photo web application's login script: POST "/blog/login.php" on the main site or on a
// personal site, form body "action=login&username=U&passwd=P" (values percent-encoded UTF-8).
//
// What it answers is chosen per account by the account's options (scenario "accounts" object or
// the "account NAME KEY=VALUE" command):
//   "password"  when present the password must match, else {"success":false,"run_photo":true};
//   "login"     the answer (default "ok"), one of the names in the table below;
//   "answer"    with login "answer": this JSON object as it stands (odd member types);
//   "delay_ms"  the answer goes out that many milliseconds late.
// An unknown account gets {"success":false,"run_photo":true}. A successful login opens a session
// on the site and sets its cookie "PHPSESSID=<id>; path=/".
#include "photoapp.h"

namespace sim {
namespace photo {
namespace {

QByteArray sessionCookie(const QString &id)
{
    return "PHPSESSID=" + id.toUtf8() + "; path=/";
}

// The form body's values, percent-decoded ("+" stays a plus).
QMap<QByteArray, QByteArray> formValues(const QByteArray &body)
{
    QMap<QByteArray, QByteArray> values;
    for (const QByteArray &pair : body.split('&')) {
        const int eq = pair.indexOf('=');
        if (eq > 0)
            values.insert(pair.left(eq), percentDecode(pair.mid(eq + 1)));
    }
    return values;
}

Json::Value loginAnswer(bool success, bool runPhoto, bool photoRoot)
{
    Json::Value answer(Json::objectValue);
    answer["success"] = success;
    answer["run_photo"] = runPhoto;
    answer["has_photo_root_path"] = photoRoot;
    return answer;
}

int optionInt(const Json::Value &options, const char *key)
{
    const Json::Value &value = options.isObject() ? options[key] : Json::Value::nullSingleton();
    if (value.isIntegral())
        return value.asInt();
    if (value.isString())
        return QString::fromStdString(value.asString()).toInt();
    return 0;
}

std::string optionText(const Json::Value &options, const char *key, const char *fallback)
{
    if (options.isObject() && options[key].isString())
        return options[key].asString();
    return fallback;
}

void handleLogin(App &app, Request &req, Reply &reply)
{
    if (req.method != "POST") {
        reply.status = 405;
        reply.body = "<html><body>Method Not Allowed</body></html>\n";
        return;
    }
    const QMap<QByteArray, QByteArray> form = formValues(req.body);
    if (form.value("action") != "login" || !form.contains("username") || !form.contains("passwd")) {
        reply.error("bad_request: login form");
        return;
    }
    const QString account = QString::fromUtf8(form.value("username"));
    const QByteArray password = form.value("passwd");
    const Json::Value options = app.accountOptions.value(account);
    reply.delayMs = optionInt(options, "delay_ms");

    if (!app.accounts.contains(account) ||
        (options.isObject() && options.isMember("password") && options["password"].asString() != password.toStdString())) {
        Json::Value answer(Json::objectValue);
        answer["success"] = false;
        answer["run_photo"] = true;
        reply.json(answer);
        return;
    }

    const std::string scenario = optionText(options, "login", "ok");
    // The answers of a login that succeeds, each with the session's cookie.
    if (scenario == "ok" || scenario == "run_photo_off" || scenario == "no_photo_root" || scenario == "two_cookies" ||
        scenario == "two_cookies_sid_first" || scenario == "no_cookie" || scenario == "no_trailing") {
        const QString id = app.openSession(account, req.site);
        reply.json(loginAnswer(true, scenario != "run_photo_off", scenario != "no_photo_root"));
        if (scenario == "two_cookies") {
            reply.headers.append(qMakePair(QByteArray("Set-Cookie"), QByteArray("vork_lang=enu; path=/")));
            reply.headers.append(qMakePair(QByteArray("Set-Cookie"), sessionCookie(id)));
        } else if (scenario == "two_cookies_sid_first") {
            reply.headers.append(qMakePair(QByteArray("Set-Cookie"), sessionCookie(id)));
            reply.headers.append(qMakePair(QByteArray("Set-Cookie"), QByteArray("vork_lang=enu; path=/")));
        } else if (scenario != "no_cookie") {
            reply.headers.append(qMakePair(QByteArray("Set-Cookie"), sessionCookie(id)));
        }
        if (scenario == "no_trailing")
            reply.body.chop(1); // the body ends with the closing brace
        return;
    }
    if (scenario == "disabled_account" || scenario == "no_privilege" || scenario == "not_photo_user" ||
        scenario == "text_true") {
        Json::Value answer(Json::objectValue);
        answer["success"] = scenario == "disabled_account" ? "disable_account"
                          : scenario == "text_true"        ? "true"
                                                           : "login_noprivilege";
        answer["run_photo"] = true;
        answer["has_photo_root_path"] = true;
        if (scenario == "not_photo_user")
            answer["not_photo_user"] = true;
        reply.json(answer);
        return;
    }
    if (scenario == "refused" || scenario == "refused_run_photo_off") {
        Json::Value answer(Json::objectValue);
        answer["success"] = false;
        if (scenario == "refused")
            answer["run_photo"] = true;
        reply.json(answer);
        return;
    }
    if (scenario == "answer") {
        reply.json(options.isObject() ? options["answer"] : Json::Value());
        return;
    }
    if (scenario == "not_found") {
        reply.status = 404;
        reply.body = "<html><body>Not Found</body></html>\n";
        return;
    }
    if (scenario == "disabled_redirect") {
        reply.status = 302;
        reply.headers.append(qMakePair(QByteArray("Location"), QByteArray("/index.php?error=photo_str_service_disabled")));
        reply.body.clear();
        return;
    }
    if (scenario == "not_available") {
        reply.body = "<html><body><p class=\"service_not_available\">Imagrove is off.</p></body></html>\n";
        return;
    }
    if (scenario == "html") {
        reply.body = "<html><body>Maintenance</body></html>\n";
        return;
    }
    reply.error("bad_request: unknown login scenario " + scenario);
}

} // namespace

SIM_PHOTO_ROUTE("/blog/login.php", handleLogin);

} // namespace photo
} // namespace sim
