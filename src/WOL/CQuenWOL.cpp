#include "CQuenWOL.h"

#include <QSettings>

namespace {
const char kSource[] = "src/WOL/CQuenWOL";
}

CQuenWOL::CQuenWOL(QObject *parent, QObject *packetSource)
    : QObject(parent)
    , m_pPacketSource(packetSource)
{
}

CQuenWOL::~CQuenWOL()
{
    qDeleteAll(m_configs);
    qDeleteAll(m_jobs);
}

void CQuenWOL::slotAddSvr2WOL(CWOLConfig config)
{
    const QString mac = config.getMacAddress();
    slotRemoveSvrFromWOL(mac);
    m_configs.insert(mac, new CWOLConfig(config));
    m_jobs.insert(mac, new CVorkWOL(m_pPacketSource));
    config.writeSettings(QLatin1String(CWOLConfig::GROUP_PREFIX));
}

void CQuenWOL::slotRemoveSvrFromWOL(QString strMacAddr)
{
    if (CWOLConfig *config = m_configs.take(strMacAddr)) {
        config->removeSettings(QLatin1String(CWOLConfig::GROUP_PREFIX));
        delete config;
    }
    // The job's timer is its child and goes with it.
    delete m_jobs.take(strMacAddr);
}

QStringList CQuenWOL::getRegisteredMacs(const QString &groupPrefix) const
{
    QSettings settings;
    settings.beginGroup(groupPrefix);
    const QStringList groups = settings.childGroups();
    settings.endGroup();
    return groups;
}

void CQuenWOL::loadRegisteredHosts(const QString &groupPrefix)
{
    const QStringList groups = getRegisteredMacs(groupPrefix);
    for (const QString &group : groups) {
        CWOLConfig config;
        config.readSettings(group, groupPrefix);
        if (config.getMacAddress().isEmpty()) {
            // A group without its MAC (hand-edited settings) has no key to register under, and
            // writing it back would put its keys straight under the prefix.
            qDebug("%s:%d %s=[%s]\n", kSource, __LINE__, "group", group.toUtf8().constData());
            continue;
        }
        slotAddSvr2WOL(config);
    }
}

int CQuenWOL::wakeUp(CWOLConfig *pConfig)
{
    if (!pConfig)
        return -1;
    const QString mac = pConfig->getMacAddress();
    CVorkWOL *job = getWOL(mac);
    CWOLConfig *registered = getWOLConfig(mac);
    if (!job || !registered)
        return -1;
    return job->wake(registered);
}
