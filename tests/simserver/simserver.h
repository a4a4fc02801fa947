// The simulated storage server: a test peer that speaks the servers' protocols over real
// sockets. The core (simserver.cpp) holds the scenario's units, the capture file and the control
// socket; everything that listens on the network is a service in its own svc_*.cpp file,
// registered with SIM_REGISTER_SERVICE. See README.md beside this file.
#ifndef SIMSERVER_H
#define SIMSERVER_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <json/json.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QLocalServer;

namespace sim {

class Server;

// One simulated unit. The scenario object is the single source of truth: services read its keys
// when they need them and may change them (a later answer then carries the new value).
struct Unit {
    Json::Value json;

    std::string text(const char *key) const { return json.get(key, "").asString(); }
    std::string mac() const { return text("mac"); }
};

// A network service of the simulated server. One instance per run, created at start-up.
class Service
{
public:
    virtual ~Service() = default;
    // Opens sockets and timers. Config is the scenario's "services"/<name> object (null when
    // absent). False with *error fails the start-up.
    virtual bool start(Server &server, const Json::Value &config, QString *error) = 0;
    // A control line "<name> <words...>" (the name already removed). Set *reply to "ok ..." or
    // "err ..."; return false for "unknown command".
    virtual bool command(const QStringList &words, QString *reply)
    {
        Q_UNUSED(words);
        Q_UNUSED(reply);
        return false;
    }
    // Counters and state for the "stats" command.
    virtual Json::Value stats() const { return Json::Value(Json::objectValue); }
};

// A service of scripted answers whose one setting is the wait divisor of its delays: "divisor" in
// its scenario object, or the control line "<name> divisor N" (the divisor is process-wide, so
// every scripted service shares it). Its stats are the divisor and the counters the subclass adds.
class DivisorService : public Service
{
public:
    explicit DivisorService(const char *name) : m_name(name) {}
    bool start(Server &server, const Json::Value &config, QString *error) override;
    bool command(const QStringList &words, QString *reply) override;
    Json::Value stats() const override;

protected:
    virtual void addCounters(Json::Value &stats) const = 0;

private:
    const char *m_name;
};

using ServiceFactory = std::unique_ptr<Service> (*)();

struct ServiceInfo {
    const char *name;
    ServiceFactory factory;
    bool byDefault; // started unless the scenario or --services says otherwise
};

// Registered services, in name order.
std::vector<ServiceInfo> &serviceRegistry();

struct ServiceRegistration {
    ServiceRegistration(const char *name, ServiceFactory factory, bool byDefault)
    {
        serviceRegistry().push_back({name, factory, byDefault});
    }
};

#define SIM_REGISTER_SERVICE(name, Class, byDefault)                                              \
    static ::sim::ServiceRegistration sim_registration_##Class(                                   \
        name, []() -> std::unique_ptr<::sim::Service> { return std::unique_ptr<::sim::Service>(new Class()); }, \
        byDefault)

// The core shared by every service.
class Server : public QObject
{
    Q_OBJECT
public:
    struct Options {
        QString scenario;
        QString capture;
        QString control;
        QString readyFile;
        QStringList services; // empty: the defaults
    };

    explicit Server(const Options &options, QObject *parent = nullptr);
    ~Server() override;

    // Loads the scenario, starts the services and the control socket, writes the ready file.
    bool start(QString *error);

    std::vector<Unit> &units() { return m_units; }
    const Json::Value &scenario() const { return m_scenario; }
    // The unit with this index ("0") or MAC text (any case); null when none.
    Unit *findUnit(const QString &key);

    // Appends one JSON object as a line to the capture file (with "t", seconds since the epoch)
    // and flushes it, so a test can read it while the server runs.
    void capture(Json::Value line);

    // True when the IPv4 address (network order) belongs to an interface of this namespace.
    static bool isOwnAddress(uint32_t addr);
    static std::string interfaceName(int ifindex);
    static std::string addrText(uint32_t addr);

    // One log line on stderr.
    static void log(const QString &text);

private slots:
    void onControlConnection();

private:
    bool loadScenario(const QString &path, QString *error);
    QString runCommand(const QString &line);

    Options m_options;
    Json::Value m_scenario;
    std::vector<Unit> m_units;
    std::vector<std::pair<std::string, std::unique_ptr<Service>>> m_services;
    QLocalServer *m_control = nullptr;
    FILE *m_capture = nullptr;
};

// Compact one-line JSON text.
std::string jsonLine(const Json::Value &value);
// Parses JSON text; false on a syntax error.
bool parseJson(const std::string &text, Json::Value *value, std::string *error = nullptr);
std::string toHex(const uint8_t *data, size_t size);
inline std::string toHex(const std::string &bytes)
{
    return toHex(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
}
// Hex text (blanks allowed between bytes) to bytes; false on bad text.
bool fromHex(const std::string &text, std::string *bytes);

} // namespace sim

#endif // SIMSERVER_H
