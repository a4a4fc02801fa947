#ifndef SIMRSRCMONSERVICE_H
#define SIMRSRCMONSERVICE_H

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>

class QTcpServer;
class QTcpSocket;

// The simulated storage server's resource-monitor script: an HTTP/1.1 listener that answers
// POST "/webman/modules/rsrcmonitor.cgi" with the JSON replies of the actions "init",
// "cpuchart", "memget", "netget" and "volget".
//
// The form body is decoded with percent escapes only ("+" stays a plus). A request is accepted
// when its "username" equals the unit's account and its decoded "password" equals the unit's
// clear password scrambled with the program's own scrambler; otherwise the reply is
// {"success":false}. Replies are a JSON object followed by one "\n".
//
// Every request is logged (time, method, path, headers, body, decoded form). Each action can be
// switched to a fault while the service runs.
class SimRsrcMonService : public QObject
{
    Q_OBJECT

public:
    static const char *const SCRIPT_PATH;

    enum Fault {
        FaultNone,           // the normal reply
        FaultHang,           // read the request, never answer, keep the connection open
        FaultDrop,           // read the request, then close the connection without a reply
        FaultEmptyBody,      // 200 with an empty body
        FaultHtml404,        // 404 with an HTML page, like a server without the script
        FaultLeadingBlank,   // the normal reply with a blank before "{"
        FaultNoTrailingByte, // the normal reply without its final "\n"
        FaultMalformed,      // a body that starts with "{" but is no JSON
        FaultSuccessFalse,   // {"success":false} whatever the account
        FaultCustomBody,     // 200 with the body given to setCustomBody
        FaultDeepNesting,    // {"success":true,"x":...} with arrays nested 2000 deep
        FaultHugeCounts      // a reply of about 5 MB whose arrays hold 10^6 entries each
    };

    // How "init" counts the network interfaces.
    enum InitForm {
        InitInterfaces,     // "interfaces": [names...]
        InitLanPpp,         // "lanNum": n, "pppNum": m
        InitLanNumString,   // "lanNum": "n" (a string), "pppNum": m
        InitNeither         // no count at all
    };

    // How "netget" lists the interfaces.
    enum NetForm {
        NetNamed,  // "net": [{"if_name", "if_type", chart...}]
        NetOld     // "lan": [chart...], "pppoe": [chart...]
    };

    struct Request {
        QDateTime time;
        QByteArray method;
        QByteArray path;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        QMap<QString, QString> form;   // decoded fields of the body
        QString action() const { return form.value(QStringLiteral("action")); }
        QByteArray header(const QByteArray &name) const;
    };

    explicit SimRsrcMonService(QObject *parent = nullptr);
    ~SimRsrcMonService() override;

    // Listens on `address` and `port` (0: any free port).
    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    quint16 port() const;
    void close();

    // The unit's administrator account and clear password.
    void setAccount(const QString &account, const QString &clearPassword);
    // Asks `source` for the account and clear password at every request instead (for a service
    // whose unit may change while it runs).
    void setAccountSource(std::function<void(QString *account, QString *clearPassword)> source)
    {
        m_accountSource = std::move(source);
    }
    void setFault(const QString &action, Fault fault);
    void setCustomBody(const QString &action, const QByteArray &body);
    void clearFaults();
    void setInitForm(InitForm form) { m_initForm = form; }
    void setNetForm(NetForm form) { m_netForm = form; }
    // Interface names ("init" and "netget") and volume numbers ("init" and "volget").
    void setInterfaces(const QStringList &names) { m_interfaces = names; }
    void setVolumes(const QList<int> &ids) { m_volumeIds = ids; }
    // The counts of the lanNum/pppNum form.
    void setLanPppCounts(int lan, int ppp) { m_lanNum = lan; m_pppNum = ppp; }

    QList<Request> requests() const { return m_log; }
    int requestCount(const QString &action = QString()) const;
    void clearLog() { m_log.clear(); }
    // Connections open now, and those held by FaultHang.
    int openConnections() const { return m_buffers.size(); }
    int hungConnections() const { return m_hung.size(); }
    // Answers the held requests of `action` normally after all (the service stays switched to
    // its fault for later requests). Returns how many were answered.
    int releaseHung(const QString &action);

    // The normal reply of an action (without the final "\n").
    QByteArray normalReply(const QString &action) const;
    // The replies of FaultDeepNesting and FaultHugeCounts (with the final "\n"). The huge ones:
    // "init" 10^6 interfaces and volume numbers; "cpuchart", "memget" and the one "netget"
    // interface eth0 10^6 axis labels and a curve of 10^6 samples; "volget" 10^6 volumes.
    static QByteArray deepReply();
    static QByteArray hugeReply(const QString &action);

signals:
    // A request was read and logged (requests().last()); emitted before it is answered.
    void requestLogged(const QString &action);

private slots:
    void slotNewConnection();
    void slotReadyRead();
    void slotDisconnected();

private:
    void handleRequest(QTcpSocket *socket, const Request &request);
    void answer(QTcpSocket *socket, const Request &request, Fault fault);
    void sendReply(QTcpSocket *socket, int status, const char *reason, const QByteArray &type,
                   const QByteArray &body);
    bool accountAccepted(const Request &request) const;

    QTcpServer *m_pServer;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QHash<QTcpSocket *, Request> m_hung;   // held connections and the request they wait on
    QList<Request> m_log;
    QString m_account;
    QString m_clearPassword;
    std::function<void(QString *, QString *)> m_accountSource;
    QHash<QString, Fault> m_faults;
    QHash<QString, QByteArray> m_customBodies;
    InitForm m_initForm;
    NetForm m_netForm;
    QStringList m_interfaces;
    QList<int> m_volumeIds;
    int m_lanNum;
    int m_pppNum;
};

#endif // SIMRSRCMONSERVICE_H
