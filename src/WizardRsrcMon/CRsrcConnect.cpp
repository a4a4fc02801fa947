#include "CRsrcConnect.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "CRsrcConfig.h"
#include "CRsrcHttp.h"
#include "StringTable.h"
#include "VorkDebug.h"
#include "VorkJson.h"

namespace {

const char *const DEBUG_SOURCE = "src/WizardRsrcMon/CRsrcConnect";

// Texts of the statuses 0 to 4; status 5 carries the lowest server version as its argument.
const int s_rgStatusStrings[] = {
    IDS_MSG_RSRC_STAT_DISCONNECT,
    IDS_WZDMAP_CONNECT,
    IDS_MSG_RSRC_STAT_CONNECTED,
    IDS_ERR_AUTH_USERNAME_AUTHFAILED,
    IDS_MSG_RSRC_STAT_CONNECT_LOST,
};

const char *const MIN_SERVER_VERSION = "2.2";

// Whether `value` holds at most `max` elements or members (a plain value holds none).
bool countWithin(const Json::Value &value, int max)
{
    return value.size() <= static_cast<Json::ArrayIndex>(max);
}

// A reply's text for the debug log; one beyond the size bound only by its beginning.
QString debugText(const QByteArray &body)
{
    return QString::fromUtf8(body.size() > VorkJson::MAX_REPLY_BYTES ? body.left(4096) : body);
}

// Whether a line chart's axis labels, curves and samples stay within the bounds.
bool lineChartWithin(const Json::Value &chart)
{
    using VorkJson::member;
    if (!countWithin(member(member(member(chart, "x_axis"), "labels"), "labels"),
                     CRsrcConnect::MAX_CHART_POINTS + 1))
        return false;
    const Json::Value &elements = member(chart, "elements");
    if (!countWithin(elements, CRsrcConnect::MAX_CHART_CURVES))
        return false;
    for (Json::ArrayIndex i = 0; elements.isArray() && i < elements.size(); ++i) {
        if (!countWithin(member(elements[i], "values"), CRsrcConnect::MAX_CHART_POINTS + 1))
            return false;
    }
    return true;
}

// An "init" count of links: absent or not a number counts 0; within 0 and the bound, or -1.
int linkCount(const Json::Value &reply, const char *key)
{
    const int count = VorkJson::toInt(VorkJson::member(reply, key));
    return count >= 0 && count <= CRsrcConnect::MAX_INTERFACES ? count : -1;
}

} // namespace

const char *const CRsrcConnect::CGI_PATH = "/webman/modules/rsrcmonitor.cgi";

const char *const CRsrcConnect::rgstrCGIPost[CGI_TYPE_COUNT] = {
    "init", "cpuchart", "memget", "netget", "volget",
};

CRsrcConnect::CRsrcConnect(QObject *parent, CRsrcConfig *config)
    : QObject(parent),
      m_pTimer(new QTimer(this)),
      m_pConfig(config),
      m_iStatus(RSRC_STAT_DISCONNECT),
      m_iStallCount(0),
      m_iInterfaceCount(0),
      m_iVolumeCount(0),
      m_pOwnConfig(nullptr),
      m_iPollInterval(POLL_INTERVAL_MS),
      m_uDisconnects(0),
      m_uStatusChanges(0)
{
    for (int k = 0; k < CGI_TYPE_COUNT; ++k) {
        m_pHttp[k] = nullptr;
        m_iPendingId[k] = 0;
        m_pValue[k] = nullptr;
        m_pMutex[k] = new QMutex;
    }
    m_pTimer->setInterval(POLL_INTERVAL_MS);
    connect(m_pTimer, &QTimer::timeout, this, &CRsrcConnect::slotRefresh);
}

CRsrcConnect::~CRsrcConnect()
{
    m_pTimer->stop();
    for (int k = 0; k < CGI_TYPE_COUNT; ++k) {
        m_iPendingId[k] = 0;
        // The request objects end their requests silently, before the values and locks go.
        delete m_pHttp[k];
        m_pHttp[k] = nullptr;
    }
    for (int k = 0; k < CGI_TYPE_COUNT; ++k) {
        delete m_pValue[k];
        delete m_pMutex[k];
    }
    delete m_pOwnConfig;
}

void CRsrcConnect::setStatus(int status)
{
    if (m_iStatus != status) {
        m_iStatus = status;
        ++m_uStatusChanges;
    }
}

QString CRsrcConnect::statusToString(int status)
{
    if (status >= RSRC_STAT_DISCONNECT && status <= RSRC_STAT_CONNECT_LOST)
        return getString(s_rgStatusStrings[status]);
    if (status == RSRC_STAT_VERSION_ERR)
        return getString(IDS_WARN_RSRC_CONN_OR_VER_ERR).arg(QLatin1String(MIN_SERVER_VERSION));
    return QString();
}

Json::Value CRsrcConnect::getData(int type)
{
    if (type < 0 || type >= CGI_TYPE_COUNT)
        return Json::Value();
    QMutexLocker locker(m_pMutex[type]);
    if (!m_pValue[type])
        return Json::Value();
    return *m_pValue[type];
}

int CRsrcConnect::getItemCount(int type) const
{
    switch (type) {
    case CGI_CPUCHART:
    case CGI_MEMGET:
        return 1;
    case CGI_NETGET:
        return m_iInterfaceCount;
    case CGI_VOLGET:
        return m_iVolumeCount;
    default:
        return 0;
    }
}

void CRsrcConnect::loadConfig(const QString &profile)
{
    if (!m_pConfig) {
        m_pOwnConfig = new CRsrcConfig;
        m_pConfig = m_pOwnConfig;
    }
    m_pConfig->load(profile, CRsrcConfig::strRsrcRootGroup);
}

void CRsrcConnect::saveConfig()
{
    if (m_pConfig)
        m_pConfig->save(CRsrcConfig::strRsrcRootGroup);
}

void CRsrcConnect::removeConfig()
{
    if (m_pConfig)
        m_pConfig->remove(CRsrcConfig::strRsrcRootGroup);
}

void CRsrcConnect::setPollInterval(int ms)
{
    m_iPollInterval = ms;
    if (m_pTimer->isActive())
        m_pTimer->start(ms);
}

bool CRsrcConnect::isPolling() const
{
    return m_pTimer->isActive();
}

QByteArray CRsrcConnect::buildRequestBody(int type) const
{
    if (!m_pConfig || type < 0 || type >= CGI_TYPE_COUNT)
        return QByteArray();
    // The account goes as it stands; the stored (scrambled) password is percent-encoded so that
    // its "+", "/", "=" and the like arrive intact.
    const QString body = QStringLiteral("action=%1&username=%2&password=%3")
            .arg(QLatin1String(rgstrCGIPost[type]), m_pConfig->getAdminAccount(),
                 QString::fromLatin1(QUrl::toPercentEncoding(m_pConfig->getPassword())));
    return body.toLatin1();
}

int CRsrcConnect::postRequest(int idxType)
{
    return m_pHttp[idxType]->post(QLatin1String(CGI_PATH), buildRequestBody(idxType));
}

void CRsrcConnect::slotDoConnect(bool blToConnect)
{
    if (blToConnect)
        doConnect();
    else
        doDisconnect(RSRC_STAT_DISCONNECT);
}

void CRsrcConnect::doConnect()
{
    // Without a profile there is no server to ask.
    if (!m_pConfig)
        return;
    for (int k = 0; k < CGI_TYPE_COUNT; ++k) {
        if (!m_pHttp[k]) {
            m_pHttp[k] = new CRsrcHttp(this);
            connect(m_pHttp[k], &CRsrcHttp::requestFinished,
                    this, &CRsrcConnect::slotHttpDataReady);
        } else {
            // Forget the old request before aborting it, so its abort report is ignored.
            m_iPendingId[k] = 0;
            m_pHttp[k]->abort();
        }
        m_pHttp[k]->setHost(m_pConfig->getHostAddr(),
                            static_cast<quint16>(m_pConfig->getHostPort()));
        m_iPendingId[k] = 0;
        // A value of an earlier connection stays until a new reply replaces it.
        if (!m_pValue[k])
            m_pValue[k] = new Json::Value;
    }
    m_iPendingId[CGI_INIT] = postRequest(CGI_INIT);
    setStatus(RSRC_STAT_CONNECTING);
    m_pTimer->start(m_iPollInterval);
}

void CRsrcConnect::doDisconnect(int status)
{
    ++m_uDisconnects;
    m_pTimer->stop();
    for (int k = 0; k < CGI_TYPE_COUNT; ++k) {
        // Cleared first: aborting reports the request as failed at once, and that report must
        // find nothing pending.
        m_iPendingId[k] = 0;
        if (m_pHttp[k])
            m_pHttp[k]->abort();
    }
    setStatus(status);
}

void CRsrcConnect::slotRefresh()
{
    if (m_iStallCount == MAX_STALLED_TICKS) {
        m_iStallCount = 0;
        doDisconnect(RSRC_STAT_CONNECT_LOST);
        return;
    }
    if (!m_pConfig)
        return;

    // "init" takes no part here: it is sent once per connect and never counts as a stall.
    bool inFlight = false;
    for (int k = CGI_CPUCHART; k <= CGI_VOLGET; ++k) {
        if (m_iPendingId[k] != 0)
            inFlight = true;
        else if (m_pHttp[k])
            m_iPendingId[k] = postRequest(k);
    }
    m_iStallCount = inFlight ? m_iStallCount + 1 : 0;
}

void CRsrcConnect::slotHttpDataReady(int id, bool error)
{
    if (id == 0)
        return;
    int idxType = -1;
    for (int k = 0; k < CGI_TYPE_COUNT; ++k) {
        if (m_iPendingId[k] == id) {
            idxType = k;
            break;
        }
    }
    // Late reports (after a disconnect or an abort) find nothing pending.
    if (idxType < 0)
        return;

    if (error) {
        doDisconnect(RSRC_STAT_CONNECT_LOST);
        return;
    }
    if (!m_pHttp[idxType])
        return;
    if (m_pHttp[idxType]->bodyRefused()) {
        // A body past the size bound was refused unread: a malformed reply, nothing of it kept.
        VORK_DEBUG_STR(DEBUG_SOURCE, "strDocument beyond bounds",
                       QStringLiteral("over %1 bytes").arg(CRsrcHttp::MAX_BODY_BYTES));
        QMutexLocker locker(m_pMutex[idxType]);
        if (m_pValue[idxType])
            *m_pValue[idxType] = Json::Value();
        m_iPendingId[idxType] = 0;
        return;
    }

    const QByteArray body = m_pHttp[idxType]->readAll();
    const int nul = body.indexOf('\0');
    const QByteArray document = nul < 0 ? body : body.left(nul);

    if (document.isEmpty()) {
        m_iPendingId[idxType] = 0;
        return;
    }
    if (document.at(0) != '{') {
        // Servers too old to have the script answer with something else (an error page).
        VORK_DEBUG_STR(DEBUG_SOURCE, "QString(rgstrCGIPost[idxType]).toLocal8Bit().constData()",
                       QString::fromLatin1(rgstrCGIPost[idxType]));
        VORK_DEBUG_STR(DEBUG_SOURCE, "QString(strDocument).toLocal8Bit().constData()",
                       QString::fromUtf8(document));
        doDisconnect(RSRC_STAT_VERSION_ERR);
        m_iPendingId[idxType] = 0;
        return;
    }
    handleReply(idxType, body);
}

bool CRsrcConnect::withinBounds(int type, const Json::Value &reply)
{
    using VorkJson::member;
    switch (type) {
    case CGI_INIT: {
        const int lan = linkCount(reply, "lanNum");
        const int ppp = linkCount(reply, "pppNum");
        return countWithin(member(reply, "interfaces"), MAX_INTERFACES) &&
               countWithin(member(reply, "volsID"), MAX_VOLUMES) && lan >= 0 && ppp >= 0 &&
               lan + ppp <= MAX_INTERFACES;
    }
    case CGI_CPUCHART:
    case CGI_MEMGET:
        return lineChartWithin(reply);
    case CGI_NETGET: {
        int entries = 0;
        for (const char *key : {"net", "lan", "pppoe"}) {
            const Json::Value &list = member(reply, key);
            if (!list.isArray())
                continue;
            entries += static_cast<int>(std::min<Json::ArrayIndex>(list.size(), MAX_INTERFACES + 1));
            if (entries > MAX_INTERFACES)
                return false;
            for (Json::ArrayIndex i = 0; i < list.size(); ++i) {
                if (!lineChartWithin(list[i]))
                    return false;
            }
        }
        return true;
    }
    case CGI_VOLGET: {
        const Json::Value &vols = member(reply, "vols");
        if (!countWithin(vols, MAX_VOLUMES) || !countWithin(member(reply, "volsID"), MAX_VOLUMES))
            return false;
        for (Json::ArrayIndex i = 0; vols.isArray() && i < vols.size(); ++i) {
            const Json::Value &elements = member(vols[i], "elements");
            if (!countWithin(elements, MAX_CHART_CURVES))
                return false;
            for (Json::ArrayIndex k = 0; elements.isArray() && k < elements.size(); ++k) {
                if (!countWithin(member(elements[k], "values"), MAX_CHART_CURVES))
                    return false;
            }
        }
        return true;
    }
    default:
        return true;
    }
}

void CRsrcConnect::handleReply(int idxType, const QByteArray &body)
{
    if (!m_pValue[idxType])
        m_pValue[idxType] = new Json::Value;

    QMutexLocker locker(m_pMutex[idxType]);
    Json::Value &value = *m_pValue[idxType];

    // The reply's last byte (the server's line break) is never part of the document.
    const char *begin = body.constData();
    if (!VorkJson::parse(begin, begin + body.size() - 1, value, true)) {
        VORK_DEBUG_STR(DEBUG_SOURCE, "strDocument", debugText(body));
        m_iPendingId[idxType] = 0;
        return;
    }
    if (!withinBounds(idxType, value)) {
        // Counts no server gives are a malformed reply; nothing of it is kept for the charts.
        VORK_DEBUG_STR(DEBUG_SOURCE, "strDocument beyond bounds", QString::fromUtf8(body.left(4096)));
        value = Json::Value();
        m_iPendingId[idxType] = 0;
        return;
    }
    if (!VorkJson::succeeded(value)) {
        VORK_DEBUG_STR(DEBUG_SOURCE, "strDocument", QString::fromUtf8(body));
        doDisconnect(RSRC_STAT_AUTH_FAILED);
        m_iPendingId[idxType] = 0;
        return;
    }

    const unsigned int disconnectsBefore = m_uDisconnects;
    if (idxType == CGI_INIT) {
        if (value.isMember("interfaces")) {
            m_iInterfaceCount = static_cast<int>(value["interfaces"].size());
        } else {
            // Older servers count wired and PPPoE links apart; a count that is not a number
            // counts as none.
            m_iInterfaceCount = linkCount(value, "lanNum") + linkCount(value, "pppNum");
        }
        if (value.isMember("volsID"))
            m_iVolumeCount = static_cast<int>(value["volsID"].size());
        // Ask for the charts now rather than at the next tick.
        slotRefresh();
    }
    // The tick above may have given up on a stalled server; that outcome stands.
    if (m_uDisconnects == disconnectsBefore)
        setStatus(RSRC_STAT_CONNECTED);
    m_iPendingId[idxType] = 0;
}
