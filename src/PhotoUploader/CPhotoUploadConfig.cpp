#include "CPhotoUploadConfig.h"

#include <QSettings>
#include <QTreeWidgetItem>
#include <QUrl>

#include "ProfileGroupKey.h"
#include "StringTable.h"

const QString strPhotoUploadRootGroup = QStringLiteral("PhotoUploader/RegisteredHosts/");

namespace {

const char KeyProfile[] = "Profile";
const char KeyHostAddr[] = "HostAddr";
const char KeyHostPort[] = "HostPort";
const char KeyAccount[] = "Account";
const char KeyPassword[] = "Password";
const char KeyPersonalName[] = "PersonalName";
const char KeyConnection[] = "Connection";

} // namespace

CPhotoUploadConfig::CPhotoUploadConfig()
    : port(0)
    , saveCred(false)
    , toConnect(false)
    , personal(false)
{
}

CPhotoUploadConfig::CPhotoUploadConfig(int port, bool saveCred, const QString &profile,
                                       const QString &hostAddr, const QString &password,
                                       const QString &account, bool personal,
                                       const QString &personalName)
    : port(port)
    , saveCred(saveCred)
    , toConnect(false)
    , personal(personal)
    , profile(profile)
    , hostAddr(hostAddr)
    , password(password)
    , account(account)
    , personalName(personalName)
{
}

QString CPhotoUploadConfig::getKey() const
{
    return profileGroupKey(profile);
}

QStringList CPhotoUploadConfig::getProfileKeys(const QString &group)
{
    QSettings settings;
    settings.beginGroup(group);
    return settings.childGroups();
}

void CPhotoUploadConfig::load(const QString &key, const QString &group)
{
    QSettings settings;
    settings.beginGroup(group);
    settings.beginGroup(key);

    profile = settings.value(QLatin1String(KeyProfile)).toString();
    hostAddr = settings.value(QLatin1String(KeyHostAddr)).toString();
    port = settings.value(QLatin1String(KeyHostPort), 0).toInt();
    account = settings.value(QLatin1String(KeyAccount)).toString();
    if (settings.contains(QLatin1String(KeyPassword))) {
        password = settings.value(QLatin1String(KeyPassword)).toString();
        saveCred = true;
    } else {
        saveCred = false;
    }
    if (settings.contains(QLatin1String(KeyPersonalName))) {
        personalName = settings.value(QLatin1String(KeyPersonalName)).toString();
        personal = true;
    } else {
        personal = false;
    }
    toConnect = settings.value(QLatin1String(KeyConnection), false).toBool();
}

void CPhotoUploadConfig::save(const QString &group) const
{
    const QString key = getKey();
    // A profile without a name has no group of its own; its keys would land among the profiles.
    if (key.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(group);
    settings.beginGroup(key);
    settings.setValue(QLatin1String(KeyProfile), profile);
    settings.setValue(QLatin1String(KeyHostAddr), hostAddr);
    settings.setValue(QLatin1String(KeyHostPort), port);
    settings.setValue(QLatin1String(KeyAccount), account);
    if (saveCred)
        settings.setValue(QLatin1String(KeyPassword), password);
    if (personal)
        settings.setValue(QLatin1String(KeyPersonalName), personalName);
    settings.setValue(QLatin1String(KeyConnection), toConnect);
}

void CPhotoUploadConfig::remove(const QString &group) const
{
    removeKey(getKey(), group);
}

void CPhotoUploadConfig::removeKey(const QString &key, const QString &group)
{
    // QSettings::remove with an empty key empties the whole group: every stored profile.
    if (key.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(group);
    settings.remove(key);
}

// The texts are filled in one pass, so a "%" in a host or owner name is never taken for a marker.
QString CPhotoUploadConfig::getBaseUrl() const
{
    if (!personal)
        return QStringLiteral("http://%1:%2").arg(hostAddr, QString::number(port));
    // toPercentEncoding keeps the unreserved A-Z a-z 0-9 - . _ ~ and encodes every other byte.
    const QString owner = QString::fromLatin1(QUrl::toPercentEncoding(personalName));
    return QStringLiteral("http://%1:%2/~%3").arg(hostAddr, QString::number(port), owner);
}

QString CPhotoUploadConfig::getPhotoUrl() const
{
    QString url;
    if (!personal) {
        if (port == 80)
            url = QStringLiteral("http://%1/").arg(hostAddr);
        else
            url = QStringLiteral("http://%1:%2/").arg(hostAddr, QString::number(port));
        return url + QStringLiteral("photo/");
    }
    if (port == 80)
        url = QStringLiteral("http://%1/~%2").arg(hostAddr, personalName);
    else
        url = QStringLiteral("http://%1:%2/~%3").arg(hostAddr, QString::number(port), personalName);
    return url + QStringLiteral("/photo/");
}

void CPhotoUploadConfig::getSummaryItems(QTreeWidgetItem *parent) const
{
    if (!parent)
        return;
    const QString rows[5][2] = {
        { getString(IDS_PHOTO_LBL_PROFILE), profile },
        { getString(IDS_PHOTO_LBL_IMAGROVE_URL), getPhotoUrl() },
        { getString(IDS_PHOTO_LBL_ACCOUNT), account },
        // The password is never shown, nor its length.
        { getString(IDS_PHOTO_LBL_PASSWORD), QString(8, QLatin1Char('*')) },
        { getString(IDS_LBL_SAVE_PASSWD), getString(saveCred ? IDS_BTN_YES : IDS_BTN_NO) },
    };
    for (const auto &row : rows) {
        QTreeWidgetItem *item = new QTreeWidgetItem(parent);
        item->setText(0, row[0]);
        item->setText(1, row[1]);
    }
}
