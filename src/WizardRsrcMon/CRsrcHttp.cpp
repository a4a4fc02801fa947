#include "CRsrcHttp.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QPointer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QVector>
#include <algorithm>
#include <climits>

#include "platforms.h"

namespace {

QBasicAtomicInt s_lastRequestId = Q_BASIC_ATOMIC_INITIALIZER(0);

// Whether `code` only reflects the HTTP status of a reply that did arrive (4xx/5xx), as opposed
// to a failure to get a reply at all.
bool isHttpStatusCode(QNetworkReply::NetworkError code)
{
    return (code >= QNetworkReply::ContentAccessDenied && code <= QNetworkReply::UnknownContentError)
        || (code >= QNetworkReply::InternalServerError && code <= QNetworkReply::UnknownServerError);
}

QPointer<QNetworkAccessManager> s_manager;

// The manager's network thread deletes its per-request helpers as it stops, which needs the
// application object: deleted with the application's other children, the manager would stop the
// thread after that object is gone, and the helpers of requests ended just before (at exit, or on
// a slow machine) would never be freed. So the manager goes first, while the application stands.
void deleteSharedManager()
{
    delete s_manager.data();
}

// One access manager serves every request object: each manager runs its own network thread, and
// the requests of all monitored servers fit one comfortably. It lives as long as the application.
QNetworkAccessManager *sharedManager()
{
    if (!s_manager) {
        s_manager = new QNetworkAccessManager(QCoreApplication::instance());
        useDirectConnection(s_manager);
        qAddPostRoutine(deleteSharedManager);
    }
    return s_manager;
}

} // namespace

int CRsrcHttp::nextRequestId()
{
    int last = s_lastRequestId.loadRelaxed();
    int next;
    do {
        next = (last >= INT_MAX || last < 0) ? 1 : last + 1;
    } while (!s_lastRequestId.testAndSetOrdered(last, next, last));
    return next;
}

CRsrcHttp::CRsrcHttp(QObject *parent)
    : QObject(parent), m_uPort(80), m_blBodyRefused(false)
{
}

CRsrcHttp::~CRsrcHttp()
{
    // Running requests end silently with the object: nobody is left to hear about them.
    for (auto it = m_mapRunning.constBegin(); it != m_mapRunning.constEnd(); ++it) {
        disconnect(it.key(), nullptr, this, nullptr);
        it.key()->abort();
        it.key()->deleteLater();
    }
    m_mapRunning.clear();
}

void CRsrcHttp::setHost(const QString &host, quint16 port)
{
    m_strHost = host;
    m_uPort = port;
}

int CRsrcHttp::post(const QString &path, const QByteArray &data)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(m_strHost);
    url.setPort(m_uPort);
    url.setPath(path);

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);

    const int id = nextRequestId();
    QNetworkReply *reply = sharedManager()->post(request, data);
    m_mapRunning.insert(reply, id);
    // The manager may be deleted first at exit, and its replies with it.
    connect(reply, &QObject::destroyed, this, [this, reply]() { m_mapRunning.remove(reply); });
    connect(reply, &QNetworkReply::finished, this, &CRsrcHttp::slotReplyFinished);
    connect(reply, &QNetworkReply::metaDataChanged, this, &CRsrcHttp::slotCheckBodySize);
    connect(reply, &QNetworkReply::readyRead, this, &CRsrcHttp::slotCheckBodySize);
    return id;
}

void CRsrcHttp::abort()
{
    // Take the running requests out first: a report may lead the receiver to post again.
    QVector<QPair<int, QNetworkReply *>> running;
    for (auto it = m_mapRunning.constBegin(); it != m_mapRunning.constEnd(); ++it)
        running.append(qMakePair(it.value(), it.key()));
    m_mapRunning.clear();
    std::sort(running.begin(), running.end(),
              [](const QPair<int, QNetworkReply *> &a, const QPair<int, QNetworkReply *> &b) {
                  return a.first < b.first;
              });
    for (const auto &entry : running) {
        disconnect(entry.second, nullptr, this, nullptr);
        entry.second->abort();
        entry.second->deleteLater();
    }
    for (const auto &entry : running) {
        m_baBody.clear();
        m_blBodyRefused = false;
        emit requestFinished(entry.first, true);
    }
}

QByteArray CRsrcHttp::readAll()
{
    QByteArray body;
    body.swap(m_baBody);
    return body;
}

void CRsrcHttp::slotReplyFinished()
{
    QNetworkReply *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    auto it = m_mapRunning.find(reply);
    if (it == m_mapRunning.end())
        return;
    const int id = it.value();
    m_mapRunning.erase(it);

    const QNetworkReply::NetworkError code = reply->error();
    const bool gotStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const bool error = code != QNetworkReply::NoError && !(gotStatus && isHttpStatusCode(code));

    m_baBody = error ? QByteArray() : reply->readAll();
    m_blBodyRefused = false;
    emit requestFinished(id, error);
    // A body the receiver did not read does not linger until the next report.
    m_baBody.clear();
}

void CRsrcHttp::slotCheckBodySize()
{
    QNetworkReply *reply = qobject_cast<QNetworkReply *>(sender());
    const auto it = m_mapRunning.find(reply);
    if (!reply || it == m_mapRunning.end())
        return;
    // The body stays buffered in the reply until it has finished, so what is available is all
    // that has arrived.
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (reply->bytesAvailable() <= MAX_BODY_BYTES
        && !(length.isValid() && length.toLongLong() > MAX_BODY_BYTES))
        return;
    const int id = it.value();
    m_mapRunning.erase(it);
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();

    m_baBody.clear();
    m_blBodyRefused = true;
    emit requestFinished(id, false);
}
