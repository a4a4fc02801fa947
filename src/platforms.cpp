#include "platforms.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QUrl>
#include <QUrlQuery>
#include <QtEndian>

#include <cstring>

#include "CNetConf.h"
#include "CVorkGlobalSettings.h"
#include "VorkDebug.h"
#include "fhostnet.h"
#include "scramble.h"

bool ipStringToHostAddr(uint32_t *out, const QString &text)
{
    if (text.isEmpty() || !out)
        return false;
    *out = QHostAddress(text).toIPv4Address();
    return true;
}

bool ipStringToNetAddr(uint32_t *out, const QString &text)
{
    if (text.isEmpty() || !out)
        return false;
    *out = qToBigEndian<quint32>(QHostAddress(text).toIPv4Address());
    return true;
}

QStringList getLocalMacList()
{
    QStringList macs;
    NETIF netIf[FHOST_IFACE_MAX];
    memset(netIf, 0, sizeof(netIf));
    const int count = FHOSTIfaceInit(gpFHOSTLogCtx, netIf, FHOST_IFACE_MAX);
    if (count < 1) {
        FHOSTLog(gpFHOSTLogCtx, FHOST_LOG_ERROR, "%s:%d get physical interface error or no interface\n",
                 "src/platforms", __LINE__);
        return macs;
    }
    for (int i = 0; i < count && i < FHOST_IFACE_MAX; ++i) {
        if (!netIf[i].ulActive)
            continue;
        const uint8_t *mac = netIf[i].byMac;
        macs.append(QString::asprintf("%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2],
                                      mac[3], mac[4], mac[5]));
    }
    return macs;
}

QString networkErrorName(int code)
{
    // The names of the reply errors as the enumeration spells them. A fixed table rather than
    // the meta-object: later Qt versions renamed and added codes that must keep the generic form.
    static const struct {
        int code;
        const char *name;
    } s_names[] = {
        {QNetworkReply::NoError, "NoError"},
        {QNetworkReply::ConnectionRefusedError, "ConnectionRefusedError"},
        {QNetworkReply::RemoteHostClosedError, "RemoteHostClosedError"},
        {QNetworkReply::HostNotFoundError, "HostNotFoundError"},
        {QNetworkReply::TimeoutError, "TimeoutError"},
        {QNetworkReply::OperationCanceledError, "OperationCanceledError"},
        {QNetworkReply::SslHandshakeFailedError, "SslHandshakeFailedError"},
        {QNetworkReply::UnknownNetworkError, "UnknownNetworkError"},
        {QNetworkReply::ProxyConnectionRefusedError, "ProxyConnectionRefusedError"},
        {QNetworkReply::ProxyConnectionClosedError, "ProxyConnectionClosedError"},
        {QNetworkReply::ProxyNotFoundError, "ProxyNotFoundError"},
        {QNetworkReply::ProxyTimeoutError, "ProxyTimeoutError"},
        {QNetworkReply::ProxyAuthenticationRequiredError, "ProxyAuthenticationRequiredError"},
        {QNetworkReply::UnknownProxyError, "UnknownProxyError"},
        {QNetworkReply::ContentAccessDenied, "ContentAccessDenied"},
        {QNetworkReply::ContentOperationNotPermittedError, "ContentOperationNotPermittedError"},
        {QNetworkReply::ContentNotFoundError, "ContentNotFoundError"},
        {QNetworkReply::AuthenticationRequiredError, "AuthenticationRequiredError"},
        {QNetworkReply::UnknownContentError, "UnknownContentError"},
        {QNetworkReply::ProtocolUnknownError, "ProtocolUnknownError"},
        {QNetworkReply::ProtocolInvalidOperationError, "ProtocolInvalidOperationError"},
        {QNetworkReply::ProtocolFailure, "ProtocolFailure"},
    };
    for (const auto &entry : s_names) {
        if (entry.code == code)
            return QString::fromLatin1(entry.name);
    }
    return QStringLiteral("reply_err_%1").arg(code);
}

void useDirectConnection(QNetworkAccessManager *manager)
{
    if (manager)
        manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

bool resolveHostIPv4(uint32_t *out, const QString &host)
{
    if (host.isEmpty() || !out)
        return false;
    if (CNetConf::isValidHostAddress(host)) {
        *out = QHostAddress(host).toIPv4Address();
        return true;
    }
    const QHostInfo info = QHostInfo::fromName(host); // blocks for the resolver's time
    if (info.error() != QHostInfo::NoError)
        return false;
    // The resolver may list an IPv6 address first (as for "localhost"): take the first IPv4 one.
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            *out = address.toIPv4Address();
            return true;
        }
    }
    return false;
}

void openAdminUI(const NASINFO *server, bool *opened)
{
    bool ignored = false;
    if (!opened)
        opened = &ignored;
    *opened = true;
    if (!server)
        return;

    const uint32_t state = server->ulConfigured;
    const bool webInstall = server->ulWebInstall == 1
        && (state == FHOSTQC_UNINSTALL || state == FHOSTQC_CRASH
            || (state == FHOSTQC_MIGRATABLE && server->ulBuild >= 2622));
    if (state != FHOSTQC_DONE && !webInstall)
        return;

    QUrl qurlAdminUI;
    qurlAdminUI.setScheme(QStringLiteral("http"));
    qurlAdminUI.setHost(QHostAddress(qFromBigEndian<quint32>(server->ulIP)).toString());
    qurlAdminUI.setPort(CVorkGlobalSettings::getWebPort(server, false));
    // A distinct address every time, so the browser never shows a cached page.
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("timestamp"),
                       QString::number(QDateTime::currentMSecsSinceEpoch() / 1000));
    qurlAdminUI.setQuery(query);

    VORK_DEBUG_STR("src/platforms", "QString(qurlAdminUI.toString()).toLocal8Bit().constData()",
                   qurlAdminUI.toString());
    const bool bRetOpenUrl = QDesktopServices::openUrl(qurlAdminUI);
    *opened = bRetOpenUrl;
    VORK_DEBUG_INT("src/platforms", "bRetOpenUrl", bRetOpenUrl);
}

QString scrambleEncodeString(const QString &plain)
{
    const QByteArray utf8 = plain.toUtf8();
    // The scrambled form of 1016 bytes (2032 characters) is the longest that fits the buffer.
    if (utf8.size() > SCRAMBLE_STRING_MAX_UTF8)
        return QString();
    char buffer[SCRAMBLE_STRING_BUFFER] = {};
    const int length = scrambleEncode(utf8.constData(), buffer);
    if (length < 0)
        return QString();
    QString result = QString::fromUtf8(buffer, length);
    if (result.isNull())
        result = QLatin1String("");
    return result;
}

QString scrambleDecodeString(const QString &scrambled)
{
    const QByteArray utf8 = scrambled.toUtf8();
    // Unscrambling L characters writes L / 2 bytes and a terminating zero.
    if (utf8.size() / 2 + 1 > SCRAMBLE_STRING_BUFFER)
        return QString();
    char buffer[SCRAMBLE_STRING_BUFFER] = {};
    const int length = scrambleDecode(utf8.constData(), buffer);
    if (length < 0)
        return QString();
    QString result = QString::fromUtf8(buffer, length);
    if (result.isNull())
        result = QLatin1String("");
    return result;
}
