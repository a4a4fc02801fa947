// The resource-monitor script of the simulated server: HTTP on the configured address and port,
// answering POST "/webman/modules/rsrcmonitor.cgi" (the responder is SimRsrcMonService, shared
// with the in-process tests). Not started by default: enable it in the scenario.
//
// Scenario, "services"/"rsrcmon":
//   "port"        TCP port (default 5000)
//   "address"     listening address (default "0.0.0.0")
//   "unit"        index of the unit whose account is checked (default 0); the unit's keys
//                 "adminAccount" (default "admin") and "adminPassword" (clear text, default "")
//                 are read at every request
//   "interfaces"  interface names of "init" and "netget" (default ["eth0","eth1","ppp0"])
//   "volumes"     volume numbers of "init" and "volget" (default [1,2])
//   "init"        "interfaces" | "lanppp" | "lanstring" | "neither" (how "init" counts links)
//   "net"         "named" | "old" (how "netget" lists links)
//
// Control commands ("rsrcmon ..."):
//   fault ACTION none|hang|drop|empty|html404|blank|notrail|malformed|false|deep|huge
//   body ACTION HEX        answer ACTION with these bytes (status 200)
//   init interfaces|lanppp|lanstring|neither
//   net named|old
//   release ACTION         answer the held (hung) requests of ACTION normally: "ok N"
//   clear                  every action back to its normal answer
//
// Capture: one line per request, {"svc":"rsrcmon","method","path","headers":{...},"body",
// "action","form":{...}}, written before the request is answered.
#include "simserver.h"

#include "SimRsrcMonService.h"

#include <QHostAddress>

namespace sim {
namespace {

bool faultByName(const QString &name, SimRsrcMonService::Fault *fault)
{
    static const struct {
        const char *name;
        SimRsrcMonService::Fault fault;
    } s_faults[] = {
        {"none", SimRsrcMonService::FaultNone},
        {"hang", SimRsrcMonService::FaultHang},
        {"drop", SimRsrcMonService::FaultDrop},
        {"empty", SimRsrcMonService::FaultEmptyBody},
        {"html404", SimRsrcMonService::FaultHtml404},
        {"blank", SimRsrcMonService::FaultLeadingBlank},
        {"notrail", SimRsrcMonService::FaultNoTrailingByte},
        {"malformed", SimRsrcMonService::FaultMalformed},
        {"false", SimRsrcMonService::FaultSuccessFalse},
        {"deep", SimRsrcMonService::FaultDeepNesting},
        {"huge", SimRsrcMonService::FaultHugeCounts},
    };
    for (const auto &f : s_faults) {
        if (name == QLatin1String(f.name)) {
            *fault = f.fault;
            return true;
        }
    }
    return false;
}

bool initFormByName(const QString &name, SimRsrcMonService::InitForm *form)
{
    if (name == QLatin1String("interfaces"))
        *form = SimRsrcMonService::InitInterfaces;
    else if (name == QLatin1String("lanppp"))
        *form = SimRsrcMonService::InitLanPpp;
    else if (name == QLatin1String("lanstring"))
        *form = SimRsrcMonService::InitLanNumString;
    else if (name == QLatin1String("neither"))
        *form = SimRsrcMonService::InitNeither;
    else
        return false;
    return true;
}

bool netFormByName(const QString &name, SimRsrcMonService::NetForm *form)
{
    if (name == QLatin1String("named"))
        *form = SimRsrcMonService::NetNamed;
    else if (name == QLatin1String("old"))
        *form = SimRsrcMonService::NetOld;
    else
        return false;
    return true;
}

class RsrcMonService : public QObject, public Service
{
public:
    bool start(Server &server, const Json::Value &config, QString *error) override
    {
        m_server = &server;
        const Json::Value conf = config.isObject() ? config : Json::Value(Json::objectValue);
        const int port = conf.get("port", 5000).asInt();
        const QString address = QString::fromStdString(conf.get("address", "0.0.0.0").asString());
        m_unit = QString::number(conf.get("unit", 0).asInt());

        if (conf.isMember("interfaces")) {
            QStringList names;
            for (const Json::Value &name : conf["interfaces"])
                names.append(QString::fromStdString(name.asString()));
            m_script.setInterfaces(names);
        }
        if (conf.isMember("volumes")) {
            QList<int> ids;
            for (const Json::Value &id : conf["volumes"])
                ids.append(id.asInt());
            m_script.setVolumes(ids);
        }
        SimRsrcMonService::InitForm initForm;
        if (conf.isMember("init")) {
            if (!initFormByName(QString::fromStdString(conf["init"].asString()), &initForm)) {
                *error = QStringLiteral("rsrcmon: unknown init form");
                return false;
            }
            m_script.setInitForm(initForm);
        }
        SimRsrcMonService::NetForm netForm;
        if (conf.isMember("net")) {
            if (!netFormByName(QString::fromStdString(conf["net"].asString()), &netForm)) {
                *error = QStringLiteral("rsrcmon: unknown net form");
                return false;
            }
            m_script.setNetForm(netForm);
        }

        m_script.setAccountSource([this](QString *account, QString *clear) {
            Unit *unit = m_server->findUnit(m_unit);
            *account = QStringLiteral("admin");
            clear->clear();
            if (!unit)
                return;
            *account = QString::fromStdString(unit->json.get("adminAccount", "admin").asString());
            *clear = QString::fromStdString(unit->json.get("adminPassword", "").asString());
        });
        QObject::connect(&m_script, &SimRsrcMonService::requestLogged, this, [this]() {
            const SimRsrcMonService::Request r = m_script.requests().last();
            Json::Value line(Json::objectValue);
            line["svc"] = "rsrcmon";
            line["method"] = r.method.toStdString();
            line["path"] = r.path.toStdString();
            Json::Value headers(Json::objectValue);
            for (const auto &h : r.headers)
                headers[h.first.toStdString()] = h.second.toStdString();
            line["headers"] = headers;
            line["body"] = r.body.toStdString();
            line["action"] = r.action().toStdString();
            Json::Value form(Json::objectValue);
            for (auto it = r.form.constBegin(); it != r.form.constEnd(); ++it)
                form[it.key().toStdString()] = it.value().toStdString();
            line["form"] = form;
            m_server->capture(line);
        });

        if (!m_script.listen(QHostAddress(address), static_cast<quint16>(port))) {
            *error = QStringLiteral("rsrcmon: cannot listen on %1:%2").arg(address).arg(port);
            return false;
        }
        Server::log(QStringLiteral("rsrcmon: listening on %1:%2").arg(address).arg(port));
        return true;
    }

    bool command(const QStringList &words, QString *reply) override
    {
        const QString verb = words.value(0);
        if (verb == QLatin1String("fault") && words.size() == 3) {
            SimRsrcMonService::Fault fault;
            if (!faultByName(words.at(2), &fault)) {
                *reply = QStringLiteral("err unknown fault ") + words.at(2);
                return true;
            }
            m_script.setFault(words.at(1), fault);
            *reply = QStringLiteral("ok");
            return true;
        }
        if (verb == QLatin1String("body") && words.size() == 3) {
            std::string bytes;
            if (!fromHex(words.at(2).toStdString(), &bytes)) {
                *reply = QStringLiteral("err bad hex");
                return true;
            }
            m_script.setCustomBody(words.at(1), QByteArray::fromStdString(bytes));
            *reply = QStringLiteral("ok");
            return true;
        }
        if (verb == QLatin1String("init") && words.size() == 2) {
            SimRsrcMonService::InitForm form;
            if (!initFormByName(words.at(1), &form)) {
                *reply = QStringLiteral("err unknown init form");
                return true;
            }
            m_script.setInitForm(form);
            *reply = QStringLiteral("ok");
            return true;
        }
        if (verb == QLatin1String("net") && words.size() == 2) {
            SimRsrcMonService::NetForm form;
            if (!netFormByName(words.at(1), &form)) {
                *reply = QStringLiteral("err unknown net form");
                return true;
            }
            m_script.setNetForm(form);
            *reply = QStringLiteral("ok");
            return true;
        }
        if (verb == QLatin1String("release") && words.size() == 2) {
            *reply = QStringLiteral("ok %1").arg(m_script.releaseHung(words.at(1)));
            return true;
        }
        if (verb == QLatin1String("clear") && words.size() == 1) {
            m_script.clearFaults();
            *reply = QStringLiteral("ok");
            return true;
        }
        return false;
    }

    Json::Value stats() const override
    {
        Json::Value stats(Json::objectValue);
        stats["port"] = m_script.port();
        stats["requests"] = m_script.requestCount();
        for (const char *action : {"init", "cpuchart", "memget", "netget", "volget"})
            stats[action] = m_script.requestCount(QLatin1String(action));
        stats["open"] = m_script.openConnections();
        stats["hung"] = m_script.hungConnections();
        return stats;
    }

private:
    Server *m_server = nullptr;
    QString m_unit;
    SimRsrcMonService m_script;
};

} // namespace

SIM_REGISTER_SERVICE("rsrcmon", RsrcMonService, false);

} // namespace sim
