#include "CRsrcConfig.h"

#include <QSettings>
#include <QTreeWidgetItem>

#include "CVorkGlobalSettings.h"
#include "ProfileGroupKey.h"
#include "StringTable.h"
#include "platforms.h"

const QString CRsrcConfig::strRsrcRootGroup = QStringLiteral("ResourceMonitor/RegisteredHosts/");

namespace {
const char *const KEY_PROFILE = "Profile";
const char *const KEY_HOST_ADDR = "HostAddr";
const char *const KEY_HOST_PORT = "HostPort";
const char *const KEY_ADMIN_ACCOUNT = "AdminAccount";
const char *const KEY_PASSWORD = "Password";
const char *const KEY_CONNECTION = "Connection";
}

CRsrcConfig::CRsrcConfig()
    : port(DEFAULT_PORT), saveCred(false), connectAtStart(false)
{
}

CRsrcConfig::CRsrcConfig(int port, bool saveCred, const QString &profile, const QString &hostAddr,
                         const QString &adminAccount, const QString &password)
    : port(port), saveCred(saveCred), connectAtStart(false), profile(profile),
      hostAddr(hostAddr), adminAccount(adminAccount), password(password)
{
}

void CRsrcConfig::load(const QString &name, const QString &group)
{
    QSettings settings;
    settings.beginGroup(group);
    settings.beginGroup(profileGroupKey(name));

    profile = settings.value(KEY_PROFILE).toString();
    hostAddr = settings.value(KEY_HOST_ADDR).toString();
    if (settings.contains(KEY_HOST_PORT)) {
        port = settings.value(KEY_HOST_PORT).toInt();
    } else {
        // A profile without a port gets the default one stored right away.
        port = DEFAULT_PORT;
        settings.setValue(KEY_HOST_PORT, port);
    }
    if (settings.contains(KEY_ADMIN_ACCOUNT))
        adminAccount = settings.value(KEY_ADMIN_ACCOUNT).toString();
    else
        adminAccount = CVorkGlobalSettings::getDefaultAdminName();
    if (settings.contains(KEY_PASSWORD)) {
        password = settings.value(KEY_PASSWORD).toString();
        saveCred = true;
    } else {
        // Not remembered: keep whatever password the caller already put into the record.
        saveCred = false;
    }
    connectAtStart = settings.value(KEY_CONNECTION, false).toBool();

    settings.endGroup();
    settings.endGroup();
}

void CRsrcConfig::save(const QString &group) const
{
    QSettings settings;
    settings.beginGroup(group);
    settings.beginGroup(profileGroupKey(profile));
    settings.setValue(KEY_PROFILE, profile);
    settings.setValue(KEY_HOST_ADDR, hostAddr);
    settings.setValue(KEY_HOST_PORT, port);
    settings.setValue(KEY_ADMIN_ACCOUNT, adminAccount);
    if (saveCred)
        settings.setValue(KEY_PASSWORD, password);
    settings.setValue(KEY_CONNECTION, connectAtStart);
    settings.endGroup();
    settings.endGroup();
}

void CRsrcConfig::remove(const QString &group) const
{
    QSettings settings;
    settings.beginGroup(group);
    settings.remove(profileGroupKey(profile));
    settings.endGroup();
}

void CRsrcConfig::removeProfiles(const QString &group, const QStringList &names)
{
    QSettings settings;
    settings.beginGroup(group);
    for (const QString &name : names) {
        // An empty key would remove every profile of the group.
        if (!name.isEmpty())
            settings.remove(profileGroupKey(name));
    }
    settings.endGroup();
}

QStringList CRsrcConfig::getChildGroups(const QString &group)
{
    QSettings settings;
    settings.beginGroup(group);
    const QStringList groups = settings.childGroups();
    settings.endGroup();
    return groups;
}

QStringList CRsrcConfig::getProfileList(const QString &group)
{
    QStringList profiles;
    QSettings settings;
    settings.beginGroup(group);
    const QStringList groups = settings.childGroups();
    for (const QString &child : groups) {
        if (child.isEmpty())
            continue;
        settings.beginGroup(child);
        profiles.append(settings.value(KEY_PROFILE).toString());
        settings.endGroup();
    }
    settings.endGroup();
    return profiles;
}

bool CRsrcConfig::isHostPortExisted(uint32_t ip, int hostPort, QString *profileOut)
{
    bool found = false;
    QSettings settings;
    settings.beginGroup(strRsrcRootGroup);
    const QStringList groups = settings.childGroups();
    for (const QString &child : groups) {
        if (child.isEmpty())
            continue;
        settings.beginGroup(child);
        const QString host = settings.value(KEY_HOST_ADDR).toString();
        const int storedPort = settings.value(KEY_HOST_PORT, DEFAULT_PORT).toInt();
        uint32_t storedIp = 0;
        // Compared by address, never by the host text: a name and its address are one server.
        if (resolveHostIPv4(&storedIp, host) && storedPort == hostPort && storedIp == ip) {
            if (profileOut)
                *profileOut = settings.value(KEY_PROFILE).toString();
            found = true;
        }
        settings.endGroup();
        if (found)
            break;
    }
    settings.endGroup();
    return found;
}

QString CRsrcConfig::getUrl() const
{
    if (port == 80)
        return QStringLiteral("http://%1/").arg(hostAddr);
    return QStringLiteral("http://%1:%2/").arg(hostAddr, QString::number(port));
}

void CRsrcConfig::getSummary(QTreeWidgetItem *parent) const
{
    if (!parent)
        return;
    const QString rows[5][2] = {
        {getString(IDS_LBL_PROFILE), profile},
        {getString(IDS_LBL_VNO_URL), getUrl()},
        {getString(IDS_LBL_ADMIN_TITLE), adminAccount},
        // The password's length is not shown.
        {getString(IDS_ADM_PASSWD), QString(8, QLatin1Char('*'))},
        {getString(IDS_LBL_SAVE_PASSWD), getString(saveCred ? IDS_BTN_YES : IDS_BTN_NO)},
    };
    for (const auto &row : rows) {
        QTreeWidgetItem *item = new QTreeWidgetItem(parent);
        item->setText(0, row[0]);
        item->setText(1, row[1]);
    }
}
