#ifndef CRSRCCONNECT_H
#define CRSRCCONNECT_H

#include <QObject>
#include <QString>
#include <json/value.h>

class CRsrcConfig;
class CRsrcHttp;
class QMutex;
class QTimer;

// The client of one monitored server's resource-monitor script.
//
// Told to connect, it posts "init" and then, every poll tick (3000 ms), one request of each
// chart kind that has none in flight. Each reply is checked, parsed into the value kept for its
// kind, and decides the connection status. The client sends no signals: its page reads
// getStatus(), getStatusString(), getData() and getItemCount() on its own timer.
//
// Everything runs on the GUI thread. Each kind's value is guarded by its own mutex, held from
// before a reply is parsed until it is fully handled, and by getData() while it copies.
class CRsrcConnect : public QObject
{
    Q_OBJECT

public:
    enum STATUS {
        RSRC_STAT_DISCONNECT = 0,
        RSRC_STAT_CONNECTING = 1,
        RSRC_STAT_CONNECTED = 2,
        RSRC_STAT_AUTH_FAILED = 3,
        RSRC_STAT_CONNECT_LOST = 4,
        RSRC_STAT_VERSION_ERR = 5
    };

    enum CGI_TYPE {
        CGI_INIT = 0,
        CGI_CPUCHART = 1,
        CGI_MEMGET = 2,
        CGI_NETGET = 3,
        CGI_VOLGET = 4,
        CGI_TYPE_COUNT = 5
    };

    // Interval of the poll timer.
    static const int POLL_INTERVAL_MS = 3000;
    // Consecutive ticks with a chart request still in flight after which the next tick gives up.
    static const int MAX_STALLED_TICKS = 6;
    // Path of the resource-monitor script on the server.
    static const char *const CGI_PATH;
    // Action names of the request kinds, indexed by CGI_TYPE.
    static const char *const rgstrCGIPost[CGI_TYPE_COUNT];

    // Bounds of the counts a reply may carry, far above any real server: network entries of
    // "init" and "netget" together, volumes of "init" and "volget", samples of one line chart
    // (which has one axis label more), curves of one line chart and slices of one volume. A
    // reply beyond one is malformed and is not kept, as is a body past
    // CRsrcHttp::MAX_BODY_BYTES, which is refused before it is read whole.
    static const int MAX_INTERFACES = 64;
    static const int MAX_VOLUMES = 64;
    static const int MAX_CHART_POINTS = 1000;
    static const int MAX_CHART_CURVES = 16;
    // Whether a parsed reply of kind `type` stays within the bounds.
    static bool withinBounds(int type, const Json::Value &reply);

    // `config` stays owned by the caller (the page).
    CRsrcConnect(QObject *parent, CRsrcConfig *config);
    ~CRsrcConnect() override;

    int getStatus() const { return m_iStatus; }
    void setStatus(int status);
    QString getStatusString() const { return statusToString(getStatus()); }
    // The user text of a status; empty for a value that is no status.
    static QString statusToString(int status);

    // A copy of the last parsed reply of kind `type`; a null value for a kind above 4 and before
    // the first connect.
    Json::Value getData(int type);
    // Charts a kind's reply describes: one CPU and one memory chart, an interface chart per
    // interface and a volume chart per volume of the last "init" reply; 0 for any other value.
    int getItemCount(int type) const;

    CRsrcConfig *getConfig() const { return m_pConfig; }
    void setConfig(CRsrcConfig *config) { m_pConfig = config; }

    // Profile conveniences on CRsrcConfig::strRsrcRootGroup. loadConfig creates a record when
    // the client has none; the client owns and deletes a record it created so.
    void loadConfig(const QString &profile);
    void saveConfig();
    void removeConfig();

    // The request body of kind `type` for the current profile:
    // "action=<name>&username=<account>&password=<percent-encoded scrambled password>".
    QByteArray buildRequestBody(int type) const;

    // Test seam: the poll timer's interval (POLL_INTERVAL_MS unless changed); a running timer
    // starts over with it. Tests that drive the ticks themselves set a long one so the timer never
    // interferes.
    void setPollInterval(int ms);
    int pollInterval() const { return m_iPollInterval; }
    bool isPolling() const;
    // Diagnostic seam: how often the status has changed value since construction, so a test can
    // tell a single transition from a detour through another status.
    unsigned int statusChangeCount() const { return m_uStatusChanges; }

public slots:
    void slotDoConnect(bool blToConnect);

private slots:
    void slotHttpDataReady(int id, bool error);
    void slotRefresh();

private:
    void doConnect();
    void doDisconnect(int status);
    void handleReply(int idxType, const QByteArray &body);
    int postRequest(int idxType);

    CRsrcHttp *m_pHttp[CGI_TYPE_COUNT];
    QTimer *m_pTimer;
    CRsrcConfig *m_pConfig;
    int m_iPendingId[CGI_TYPE_COUNT];
    int m_iStatus;
    int m_iStallCount;
    int m_iInterfaceCount;
    int m_iVolumeCount;
    Json::Value *m_pValue[CGI_TYPE_COUNT];
    QMutex *m_pMutex[CGI_TYPE_COUNT];

    CRsrcConfig *m_pOwnConfig;   // a record loadConfig() created, deleted with the client
    int m_iPollInterval;
    unsigned int m_uDisconnects; // counts doDisconnect() calls, to notice one made meanwhile
    unsigned int m_uStatusChanges;
};

#endif // CRSRCCONNECT_H
