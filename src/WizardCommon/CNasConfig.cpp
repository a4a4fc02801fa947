#include "CNasConfig.h"

#include <QLocale>

#include "CVorkGlobalSettings.h"

namespace {
QString dateTimeFormat()
{
    return QStringLiteral("yyyy/MM/dd hh:mm:ss");
}
} // namespace

CNasConfig::CNasConfig(bool isDHCP, bool isDoQBV, const QString &patPath, const QString &ip,
                       const QString &netmask, const QString &gateway, const QString &dns,
                       const QString &password, const QString &serverName,
                       unsigned long timezoneIndex, const QString &dateTime)
    : m_isDHCP(isDHCP),
      m_isDoQBV(isDoQBV),
      m_timezoneIndex(timezoneIndex),
      m_langNumber(0),
      m_codepageNumber(0),
      m_patPath(patPath),
      m_ip(ip),
      m_netmask(netmask),
      m_gateway(gateway),
      m_dns(dns),
      m_password(password),
      m_serverName(serverName),
      m_dateTime(dateTime)
{
    setServerLanguage();
}

CNasConfig::CNasConfig(bool isDHCP, bool isDoQBV, const QString &ip, const QString &netmask,
                       const QString &gateway, const QString &dns, const QString &password)
    : m_isDHCP(isDHCP),
      m_isDoQBV(isDoQBV),
      m_timezoneIndex(0), // not sent by a network setting, but copied: keep it defined
      m_langNumber(0),
      m_codepageNumber(0),
      m_ip(ip),
      m_netmask(netmask),
      m_gateway(gateway),
      m_dns(dns),
      m_password(password)
{
    setServerLanguage();
}

void CNasConfig::setServerLanguage()
{
    // Interface language code -> server language code and its language/code-page number.
    // Number 0 keeps the default of 3.
    static const struct {
        const char *uiCode;
        const char *serverCode;
        unsigned long number;
    } s_languages[] = {
        {"cht", "cht", 10}, {"chs", "chs", 8}, {"jpn", "jpn", 7}, {"krn", "krn", 9},
        {"deu", "ger", 0},  {"esn", "spn", 0}, {"fra", "fre", 0}, {"ita", "ita", 0},
        {"ptg", "ptg", 0},  {"rus", "rus", 6}, {"plk", "plk", 4}, {"hun", "hun", 4},
        {"trk", "trk", 15},
    };

    const QString code = CVorkGlobalSettings().getLanguage();
    m_serverLang = code;
    m_langNumber = 3;
    m_codepageNumber = 3;
    bool found = false;
    for (const auto &row : s_languages) {
        if (code == QLatin1String(row.uiCode)) {
            m_serverLang = QLatin1String(row.serverCode);
            if (row.number != 0) {
                m_langNumber = row.number;
                m_codepageNumber = row.number;
            }
            found = true;
            break;
        }
    }
    if (!found) {
        // Every other language (English, Czech, Danish, Dutch, ...) keeps its code.
        m_langNumber = 1;
        m_codepageNumber = 1;
    }
    m_secondLang = QStringLiteral("enu");
}

CNasConfig *CNasConfig::newCopy(const CNasConfig *other)
{
    if (other)
        return new CNasConfig(*other);
    return new CNasConfig(false, false, QString(), QString(), QString(), QString(), QString());
}

QString CNasConfig::dateTimeText(const QDateTime &dateTime)
{
    return QLocale::c().toString(dateTime, dateTimeFormat());
}

QDateTime CNasConfig::dateTimeFromText(const QString &text)
{
    return QLocale::c().toDateTime(text, dateTimeFormat());
}
