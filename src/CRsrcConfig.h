#ifndef CRSRCCONFIG_H
#define CRSRCCONFIG_H

#include <QString>
#include <QStringList>
#include <cstdint>

class QTreeWidgetItem;

// One resource-monitor profile: the server's administration web server (host text and port),
// the administrator account and password, and whether the password is remembered and whether
// the page connects as soon as the profile is added or loaded.
//
// Stored in the default-scope settings, one child group per profile under a root group (always
// strRsrcRootGroup in the program). The child group's name is the profile name in lower case
// (profileGroupKey: a "/" in it is escaped), so "Home NAS" and "HOME nas" are one profile. The
// password is only ever held and stored in the scrambled form of scrambleEncodeString; this
// record never sees the clear text.
//
// A plain value record: copy it freely.
class CRsrcConfig
{
public:
    // "ResourceMonitor/RegisteredHosts/": the root group of every stored profile.
    static const QString strRsrcRootGroup;
    // Port of the administration web server when a stored profile names none.
    static const int DEFAULT_PORT = 5000;

    // Empty texts; load() fills the record before anyone reads it.
    CRsrcConfig();
    // Every field but the connect-at-start flag, which the caller sets with setConnection.
    CRsrcConfig(int port, bool saveCred, const QString &profile, const QString &hostAddr,
                const QString &adminAccount, const QString &password);

    const QString &getProfile() const { return profile; }
    const QString &getHostAddr() const { return hostAddr; }
    const QString &getAdminAccount() const { return adminAccount; }
    // The scrambled password (or empty).
    const QString &getPassword() const { return password; }
    int getHostPort() const { return port; }
    bool isSaveCred() const { return saveCred; }
    bool isConnection() const { return connectAtStart; }

    void setProfile(const QString &text) { profile = text; }
    void setHostAddr(const QString &text) { hostAddr = text; }
    void setAdminAccount(const QString &text) { adminAccount = text; }
    // Takes text that is already scrambled.
    void setPassword(const QString &scrambled) { password = scrambled; }
    void setHostPort(int value) { port = value; }
    void setSaveCred(bool value) { saveCred = value; }
    void setConnection(bool value) { connectAtStart = value; }

    // Reads the profile `profile` (any case) under `group`. A missing port reads as 5000 and is
    // written back at once (so loading an unknown name creates its group); a missing account
    // reads as the default administrator name; a stored password sets saveCred, a missing one
    // clears saveCred and leaves `password` as it was; a missing connect flag reads as false.
    void load(const QString &profile, const QString &group);
    // Writes this profile under `group`. The password only when saveCred; an older stored
    // password is never deleted here (callers remove() the profile first when it changed).
    void save(const QString &group) const;
    // Deletes this profile's group under `group` with all its keys.
    void remove(const QString &group) const;

    // Deletes the group of every non-empty name in `names` under `group`.
    static void removeProfiles(const QString &group, const QStringList &names);
    // The child groups under `group`: the profiles' group keys (profileGroupKey of each name).
    static QStringList getChildGroups(const QString &group);
    // The display name ("Profile") of every non-empty child group under `group`, in the
    // settings' own order; an empty text for a group without one.
    static QStringList getProfileList(const QString &group);
    // Whether a stored profile points at the IPv4 address `ip` (host byte order) and `port`.
    // Stored host names are resolved (which may block); one that does not resolve never matches.
    // On a match the profile's display name goes into *profileOut when profileOut is not null.
    static bool isHostPortExisted(uint32_t ip, int port, QString *profileOut);

    // "http://host/" for port 80, else "http://host:port/".
    QString getUrl() const;
    // Appends five two-column rows (label, value) describing the profile to `parent`. The
    // password row always shows eight asterisks.
    void getSummary(QTreeWidgetItem *parent) const;

private:
    int port;
    bool saveCred;
    bool connectAtStart;
    QString profile;
    QString hostAddr;
    QString adminAccount;
    QString password;
};

#endif // CRSRCCONFIG_H
