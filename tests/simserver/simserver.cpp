// The simulated server's core: scenario, units, capture file, control socket and services.
#include "simserver.h"

#include "CWaitScale.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace sim {

std::vector<ServiceInfo> &serviceRegistry()
{
    static std::vector<ServiceInfo> registry;
    return registry;
}

std::string jsonLine(const Json::Value &value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, value);
}

bool parseJson(const std::string &text, Json::Value *value, std::string *error)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errs;
    const bool ok = reader->parse(text.data(), text.data() + text.size(), value, &errs);
    if (!ok && error)
        *error = errs;
    return ok;
}

std::string toHex(const uint8_t *data, size_t size)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

bool fromHex(const std::string &text, std::string *bytes)
{
    bytes->clear();
    int high = -1;
    for (char c : text) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else if ((c == ' ' || c == ':' || c == '\t') && high < 0)
            continue;
        else
            return false;
        if (high < 0) {
            high = v;
        } else {
            bytes->push_back(char(high << 4 | v));
            high = -1;
        }
    }
    return high < 0;
}

Server::Server(const Options &options, QObject *parent) : QObject(parent), m_options(options) {}

Server::~Server()
{
    m_services.clear();
    if (m_control) {
        m_control->close();
        QFile::remove(m_options.control);
    }
    if (m_capture)
        fclose(m_capture);
}

void Server::log(const QString &text)
{
    fprintf(stderr, "simserver: %s\n", qPrintable(text));
    fflush(stderr);
}

bool Server::loadScenario(const QString &path, QString *error)
{
    std::ifstream in(path.toStdString());
    if (!in) {
        *error = QStringLiteral("cannot read scenario %1").arg(path);
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    Json::Value root;
    std::string errs;
    if (!parseJson(text.str(), &root, &errs) || !root.isObject()) {
        *error = QStringLiteral("scenario %1: %2").arg(path, QString::fromStdString(errs));
        return false;
    }
    const Json::Value &units = root["units"];
    if (!units.isNull() && !units.isArray()) {
        *error = QStringLiteral("scenario %1: \"units\" must be an array").arg(path);
        return false;
    }
    std::vector<Unit> loaded;
    for (const Json::Value &u : units) {
        if (!u.isObject()) {
            *error = QStringLiteral("scenario %1: every unit must be an object").arg(path);
            return false;
        }
        loaded.push_back(Unit{u});
    }
    m_scenario = root;
    m_units = std::move(loaded);
    return true;
}

Unit *Server::findUnit(const QString &key)
{
    bool isIndex = false;
    const uint index = key.toUInt(&isIndex);
    if (isIndex)
        return index < m_units.size() ? &m_units[index] : nullptr;
    for (Unit &u : m_units)
        if (QString::fromStdString(u.mac()).compare(key, Qt::CaseInsensitive) == 0)
            return &u;
    return nullptr;
}

bool Server::start(QString *error)
{
    if (!loadScenario(m_options.scenario, error))
        return false;

    if (!m_options.capture.isEmpty()) {
        m_capture = fopen(QFile::encodeName(m_options.capture).constData(), "a");
        if (!m_capture) {
            *error = QStringLiteral("cannot open capture file %1").arg(m_options.capture);
            return false;
        }
    }

    std::vector<ServiceInfo> registry = serviceRegistry();
    std::sort(registry.begin(), registry.end(),
              [](const ServiceInfo &a, const ServiceInfo &b) { return strcmp(a.name, b.name) < 0; });
    const Json::Value &configs = m_scenario["services"];
    for (const ServiceInfo &info : registry) {
        const Json::Value &config = configs.isObject() ? configs[info.name] : Json::Value::nullSingleton();
        bool enabled = info.byDefault;
        if (config.isObject() && config.isMember("enabled"))
            enabled = config["enabled"].asBool();
        if (!m_options.services.isEmpty())
            enabled = m_options.services.contains(QString::fromLatin1(info.name));
        if (!enabled)
            continue;
        std::unique_ptr<Service> service = info.factory();
        QString err;
        if (!service->start(*this, config, &err)) {
            *error = QStringLiteral("service %1: %2").arg(QString::fromLatin1(info.name), err);
            return false;
        }
        log(QStringLiteral("service %1 started").arg(QString::fromLatin1(info.name)));
        m_services.emplace_back(info.name, std::move(service));
    }

    if (!m_options.control.isEmpty()) {
        QLocalServer::removeServer(m_options.control);
        m_control = new QLocalServer(this);
        if (!m_control->listen(m_options.control)) {
            *error = QStringLiteral("control socket %1: %2").arg(m_options.control, m_control->errorString());
            return false;
        }
        connect(m_control, &QLocalServer::newConnection, this, &Server::onControlConnection);
    }

    if (!m_options.readyFile.isEmpty()) {
        QFile ready(m_options.readyFile);
        if (!ready.open(QIODevice::WriteOnly)) {
            *error = QStringLiteral("cannot write %1").arg(m_options.readyFile);
            return false;
        }
        ready.write(QByteArray::number(QCoreApplication::applicationPid()) + "\n");
    }
    log(QStringLiteral("ready with %1 unit(s)").arg(m_units.size()));
    return true;
}

void Server::capture(Json::Value line)
{
    if (!m_capture)
        return;
    line["t"] = double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    const std::string text = jsonLine(line);
    fprintf(m_capture, "%s\n", text.c_str());
    fflush(m_capture);
}

bool Server::isOwnAddress(uint32_t addr)
{
    struct ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool own = false;
    for (struct ifaddrs *p = list; p && !own; p = p->ifa_next) {
        if (p->ifa_addr && p->ifa_addr->sa_family == AF_INET)
            own = reinterpret_cast<const sockaddr_in *>(p->ifa_addr)->sin_addr.s_addr == addr;
    }
    freeifaddrs(list);
    return own;
}

std::string Server::interfaceName(int ifindex)
{
    char name[IF_NAMESIZE] = {0};
    if (ifindex <= 0 || !if_indextoname(unsigned(ifindex), name))
        return std::string();
    return name;
}

std::string Server::addrText(uint32_t addr)
{
    char text[INET_ADDRSTRLEN] = {0};
    struct in_addr a;
    a.s_addr = addr;
    inet_ntop(AF_INET, &a, text, sizeof(text));
    return text;
}

void Server::onControlConnection()
{
    while (QLocalSocket *socket = m_control->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
            while (socket->canReadLine()) {
                const QString line = QString::fromUtf8(socket->readLine()).trimmed();
                if (line.isEmpty())
                    continue;
                const QString reply = runCommand(line);
                socket->write(reply.toUtf8() + "\n");
                socket->flush();
                if (line == QLatin1String("quit")) {
                    socket->waitForBytesWritten(1000);
                    QCoreApplication::quit();
                }
            }
        });
    }
}

QString Server::runCommand(const QString &line)
{
    QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString cmd = words.takeFirst();

    if (cmd == QLatin1String("ping"))
        return QStringLiteral("ok pong");
    if (cmd == QLatin1String("quit"))
        return QStringLiteral("ok");
    if (cmd == QLatin1String("load")) {
        if (words.size() != 1)
            return QStringLiteral("err usage: load FILE");
        QString err;
        if (!loadScenario(words[0], &err))
            return QStringLiteral("err ") + err;
        return QStringLiteral("ok %1 unit(s)").arg(m_units.size());
    }
    if (cmd == QLatin1String("units")) {
        Json::Value all(Json::arrayValue);
        for (const Unit &u : m_units)
            all.append(u.json);
        return QStringLiteral("ok ") + QString::fromStdString(jsonLine(all));
    }
    if (cmd == QLatin1String("set")) {
        // set UNIT KEY JSON-VALUE (the value may contain blanks)
        if (words.size() < 3)
            return QStringLiteral("err usage: set UNIT KEY VALUE");
        Unit *unit = findUnit(words[0]);
        if (!unit)
            return QStringLiteral("err no unit %1").arg(words[0]);
        Json::Value value;
        const QString text = QStringList(words.mid(2)).join(QLatin1Char(' '));
        if (!parseJson(text.toStdString(), &value))
            return QStringLiteral("err bad JSON value");
        unit->json[words[1].toStdString()] = value;
        return QStringLiteral("ok");
    }
    if (cmd == QLatin1String("mark")) {
        Json::Value mark;
        mark["mark"] = words.join(QLatin1Char(' ')).toStdString();
        capture(mark);
        return QStringLiteral("ok");
    }
    if (cmd == QLatin1String("services")) {
        QStringList names;
        for (const auto &s : m_services)
            names << QString::fromStdString(s.first);
        return QStringLiteral("ok ") + names.join(QLatin1Char(' '));
    }
    if (cmd == QLatin1String("stats")) {
        Json::Value all(Json::objectValue);
        for (const auto &s : m_services)
            all[s.first] = s.second->stats();
        return QStringLiteral("ok ") + QString::fromStdString(jsonLine(all));
    }
    for (const auto &s : m_services) {
        if (cmd == QString::fromStdString(s.first)) {
            QString reply;
            if (s.second->command(words, &reply))
                return reply;
            return QStringLiteral("err unknown %1 command").arg(cmd);
        }
    }
    return QStringLiteral("err unknown command %1").arg(cmd);
}

bool DivisorService::start(Server &, const Json::Value &config, QString *)
{
    if (config.isObject() && config.isMember("divisor"))
        CWaitScale::setDivisor(config["divisor"].asInt());
    return true;
}

bool DivisorService::command(const QStringList &words, QString *reply)
{
    bool ok = false;
    const int divisor = words.value(1).toInt(&ok);
    if (words.size() != 2 || words[0] != QLatin1String("divisor") || !ok || divisor < 1) {
        *reply = QStringLiteral("err usage: %1 divisor N").arg(QLatin1String(m_name));
        return true;
    }
    CWaitScale::setDivisor(divisor);
    *reply = QStringLiteral("ok");
    return true;
}

Json::Value DivisorService::stats() const
{
    Json::Value s(Json::objectValue);
    s["divisor"] = CWaitScale::divisor();
    addCounters(s);
    return s;
}

} // namespace sim

