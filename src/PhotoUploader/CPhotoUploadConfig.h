#ifndef CPHOTOUPLOADCONFIG_H
#define CPHOTOUPLOADCONFIG_H

#include <QString>
#include <QStringList>

class QTreeWidgetItem;

// The settings group that holds every photo-server profile, one child group per profile key.
// All callers pass this one text (with its trailing slash) to the settings operations below.
extern const QString strPhotoUploadRootGroup;

// One photo-server profile: the photo web application (Imagrove) on a storage server, either its
// main site or one user's personal site, and the account used there. A plain value record, freely
// copied. The password is only ever held in its scrambled form (scrambleEncodeString); whoever
// needs the clear text decodes it at the moment of use.
//
// The profile key is the profile name in lower case (profileGroupKey: a "/" in it is escaped): it
// names the settings group of the profile, so two names that differ only in letter case are one
// profile.
class CPhotoUploadConfig
{
public:
    CPhotoUploadConfig();
    // `toConnect` is not an argument: the wizard sets it with setToConnect right after.
    CPhotoUploadConfig(int port, bool saveCred, const QString &profile, const QString &hostAddr,
                       const QString &password, const QString &account, bool personal,
                       const QString &personalName);

    const QString &getProfile() const { return profile; }
    const QString &getHostAddr() const { return hostAddr; }
    // The scrambled password.
    const QString &getPassword() const { return password; }
    const QString &getAccount() const { return account; }
    const QString &getPersonalName() const { return personalName; }
    int getHostPort() const { return port; }
    bool isSaveCred() const { return saveCred; }
    bool isToConnect() const { return toConnect; }
    bool isPersonal() const { return personal; }

    void setProfile(const QString &value) { profile = value; }
    void setHostAddr(const QString &value) { hostAddr = value; }
    // Takes the scrambled form only, never the clear text.
    void setPassword(const QString &scrambled) { password = scrambled; }
    void setAccount(const QString &value) { account = value; }
    void setPersonalName(const QString &value) { personalName = value; }
    void setHostPort(int value) { port = value; }
    void setSaveCred(bool value) { saveCred = value; }
    void setToConnect(bool value) { toConnect = value; }
    void setPersonal(bool value) { personal = value; }

    // The profile name in lower case, with a "/" escaped (profileGroupKey).
    QString getKey() const;

    // The keys of all profiles stored under `group`.
    static QStringList getProfileKeys(const QString &group);
    // Reads the profile stored under group/key. A missing port reads as 0; a missing "Password"
    // or "PersonalName" clears saveCred or personal and leaves the text field as it was.
    void load(const QString &key, const QString &group);
    // Writes the profile under group/getKey(). The password only when saveCred, the owner name
    // only when personal; keys it does not write are left in place, so an edit removes first.
    void save(const QString &group) const;
    // Deletes the profile's group with all its keys.
    void remove(const QString &group) const;
    // Deletes the group `key` under `group` with all its keys; an empty key deletes nothing.
    static void removeKey(const QString &key, const QString &group);

    // The root of every request to the photo web application: "http://host:port" or
    // "http://host:port/~owner" (owner percent-encoded from UTF-8). The port is always written.
    QString getBaseUrl() const;
    // The address shown to the user: port 80 left out, the owner name as typed.
    QString getPhotoUrl() const;
    // Appends the five summary rows (label, value) under `parent`.
    void getSummaryItems(QTreeWidgetItem *parent) const;

private:
    int port;
    bool saveCred;
    bool toConnect;
    bool personal;
    QString profile;
    QString hostAddr;
    QString password;
    QString account;
    QString personalName;
};

#endif // CPHOTOUPLOADCONFIG_H
