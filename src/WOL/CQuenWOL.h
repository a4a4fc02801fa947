#ifndef CQUENWOL_H
#define CQUENWOL_H

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include "CVorkWOL.h"
#include "CWOLConfig.h"

// The Wake-on-LAN manager: the registered hosts and one wake-up job per host, both keyed by the
// MAC text exactly as registered (case matters). Every registration writes the host to the
// settings and every removal deletes its group, so settings and memory stay in step.
class CQuenWOL : public QObject
{
    Q_OBJECT

public:
    CQuenWOL(QObject *parent, QObject *packetSource)
        : QObject(parent)
        , m_pPacketSource(packetSource)
    {
    }
    ~CQuenWOL() override
    {
        qDeleteAll(m_configs);
        qDeleteAll(m_jobs);
    }

    bool contains(const QString &mac) const { return m_configs.contains(mac); }
    CWOLConfig *getWOLConfig(const QString &mac) const { return m_configs.value(mac, nullptr); }
    CVorkWOL *getWOL(const QString &mac) const { return m_jobs.value(mac, nullptr); }
    QStringList getMacList() const { return m_configs.keys(); }

    void loadRegisteredHosts(const QString &groupPrefix);
    QStringList getRegisteredMacs(const QString &groupPrefix) const;
    int wakeUp(CWOLConfig *pConfig);

public slots:
    // Registers one host; a host already registered is first removed completely (its job too,
    // even a waiting one), so it starts again with a new idle job.
    void slotAddSvr2WOL(CWOLConfig config)
    {
        const QString mac = config.getMacAddress();
        slotRemoveSvrFromWOL(mac);
        m_configs.insert(mac, new CWOLConfig(config));
        m_jobs.insert(mac, new CVorkWOL(m_pPacketSource));
        config.writeSettings(QLatin1String(CWOLConfig::GROUP_PREFIX));
    }

    void slotRemoveSvrFromWOL(QString strMacAddr)
    {
        if (CWOLConfig *config = m_configs.take(strMacAddr)) {
            config->removeSettings(QLatin1String(CWOLConfig::GROUP_PREFIX));
            delete config;
        }
        delete m_jobs.take(strMacAddr);
    }

private:
    QMap<QString, CWOLConfig *> m_configs;
    QMap<QString, CVorkWOL *> m_jobs;
    QObject *m_pPacketSource;
};

#endif // CQUENWOL_H
