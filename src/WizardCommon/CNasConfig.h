#ifndef CNASCONFIG_H
#define CNASCONFIG_H

#include <QDateTime>
#include <QString>

// The settings sent to a server by a quick configuration or a network setting. A plain value
// record: the wizards build it, every later user keeps its own member-wise copy, and the
// discovery thread turns it into the outgoing packet. Its only logic is the choice of the server
// language from the program's interface language, and the date-time text the server is sent.
class CNasConfig
{
public:
    // Install form: quick configuration and network installation.
    CNasConfig(bool isDHCP, bool isDoQBV, const QString &patPath, const QString &ip,
               const QString &netmask, const QString &gateway, const QString &dns,
               const QString &password, const QString &serverName, unsigned long timezoneIndex,
               const QString &dateTime);
    // Network-setting form: patPath, serverName and dateTime stay empty, timezoneIndex 0.
    CNasConfig(bool isDHCP, bool isDoQBV, const QString &ip, const QString &netmask,
               const QString &gateway, const QString &dns, const QString &password);
    CNasConfig(const CNasConfig &other) = default;
    // A new copy of the parameters, or an empty network-setting set for null, so that a job
    // always owns one.
    static CNasConfig *newCopy(const CNasConfig *other);

    bool isDHCP() const { return m_isDHCP; }
    void setDHCP(bool isDHCP) { m_isDHCP = isDHCP; }
    bool isDoQBV() const { return m_isDoQBV; }
    unsigned long getTimezoneIndex() const { return m_timezoneIndex; }
    unsigned long getLangNumber() const { return m_langNumber; }
    unsigned long getCodepageNumber() const { return m_codepageNumber; }
    const QString &getServerLang() const { return m_serverLang; }
    const QString &getSecondLang() const { return m_secondLang; }
    const QString &getPatPath() const { return m_patPath; }
    void setPatPath(const QString &patPath) { m_patPath = patPath; }
    const QString &getIP() const { return m_ip; }
    void setIP(const QString &ip) { m_ip = ip; }
    const QString &getNetmask() const { return m_netmask; }
    const QString &getGateway() const { return m_gateway; }
    const QString &getDNS() const { return m_dns; }
    const QString &getPassword() const { return m_password; }
    const QString &getServerName() const { return m_serverName; }
    void setServerName(const QString &serverName) { m_serverName = serverName; }
    const QString &getDateTime() const { return m_dateTime; }
    void setDateTime(const QString &dateTime) { m_dateTime = dateTime; }

    // The date-time text the server sets its clock from, "yyyy/MM/dd hh:mm:ss", and back. The
    // server reads ASCII digits only, so both go through the C locale: Qt 5 formats and parses a
    // date with the desktop's locale, whose digits may be Arabic-Indic, Persian, Bengali, ...
    static QString dateTimeText(const QDateTime &dateTime);
    static QDateTime dateTimeFromText(const QString &text);

    // Chooses serverLang, langNumber and codepageNumber from the interface language in effect;
    // secondLang is always "enu".
    void setServerLanguage();

private:
    bool m_isDHCP;
    bool m_isDoQBV;
    unsigned long m_timezoneIndex;
    unsigned long m_langNumber;
    unsigned long m_codepageNumber;
    QString m_serverLang;
    QString m_secondLang;
    QString m_patPath;
    QString m_ip;
    QString m_netmask;
    QString m_gateway;
    QString m_dns;
    QString m_password;
    QString m_serverName;
    QString m_dateTime; // local time, "yyyy/MM/dd hh:mm:ss"
};

#endif // CNASCONFIG_H
