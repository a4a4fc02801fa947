#ifndef CWOLCONFIG_H
#define CWOLCONFIG_H

#include <QSettings>
#include <QString>

// One registered Wake-on-LAN host: how to reach it and under which MAC. A plain value type.
//
// Settings form: group prefix + MacAddress in upper case, holding the keys "Network",
// "PortNum", "Profile", "AddrName" and "MacAddress" (the last in its own letter case).
class CWOLConfig
{
public:
    // The group under which every registered host is stored.
    static constexpr const char *GROUP_PREFIX = "WOL/RegisteredHosts/";

    // Network 0: the host is on the local network (limited broadcast); 1: send to AddrName.
    CWOLConfig() : m_network(0), m_portNum(9) {}

    void setNetwork(int network) { m_network = network; }
    void setPortNum(int port) { m_portNum = port; }
    void setProfile(const QString &profile) { m_profile = profile; }
    void setAddrName(const QString &addrName) { m_addrName = addrName; }
    void setMacAddress(const QString &mac) { m_macAddress = mac; }

    int getNetwork() const { return m_network; }
    int getPortNum() const { return m_portNum; }
    QString getProfile() const { return m_profile; }
    QString getAddrName() const { return m_addrName; }
    QString getMacAddress() const { return m_macAddress; }

    void writeSettings(const QString &groupPrefix) const
    {
        QSettings settings;
        settings.beginGroup(groupPrefix);
        settings.beginGroup(m_macAddress.toUpper());
        settings.setValue(QStringLiteral("Network"), m_network);
        settings.setValue(QStringLiteral("PortNum"), m_portNum);
        settings.setValue(QStringLiteral("Profile"), m_profile);
        settings.setValue(QStringLiteral("AddrName"), m_addrName);
        settings.setValue(QStringLiteral("MacAddress"), m_macAddress);
        settings.endGroup();
        settings.endGroup();
    }

    // A missing key reads as 0 for the integers and as the empty text for the texts.
    void readSettings(const QString &mac, const QString &groupPrefix)
    {
        QSettings settings;
        settings.beginGroup(groupPrefix);
        settings.beginGroup(mac.toUpper());
        m_network = settings.value(QStringLiteral("Network"), 0).toInt();
        m_portNum = settings.value(QStringLiteral("PortNum"), 0).toInt();
        m_profile = settings.value(QStringLiteral("Profile")).toString();
        m_addrName = settings.value(QStringLiteral("AddrName")).toString();
        m_macAddress = settings.value(QStringLiteral("MacAddress")).toString();
        settings.endGroup();
        settings.endGroup();
    }

    void removeSettings(const QString &groupPrefix) const
    {
        QSettings settings;
        settings.beginGroup(groupPrefix);
        settings.remove(m_macAddress.toUpper());
        settings.endGroup();
    }

private:
    int m_network;
    int m_portNum;
    QString m_profile;
    QString m_addrName;
    QString m_macAddress;
};

#endif // CWOLCONFIG_H
