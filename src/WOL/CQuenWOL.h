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
// settings and every removal deletes its group, so settings and memory stay in step. Records and
// jobs belong to the manager.
class CQuenWOL : public QObject
{
    Q_OBJECT

public:
    // packetSource: the discovery thread, handed to every job (not owned, may be null).
    CQuenWOL(QObject *parent, QObject *packetSource);
    ~CQuenWOL() override;

    bool contains(const QString &mac) const { return m_configs.contains(mac); }
    // The registered record (owned by the manager), or null.
    CWOLConfig *getWOLConfig(const QString &mac) const { return m_configs.value(mac, nullptr); }
    // The host's job, or null when the MAC is not registered.
    CVorkWOL *getWOL(const QString &mac) const { return m_jobs.value(mac, nullptr); }
    // The registered MAC texts in key order.
    QStringList getMacList() const { return m_configs.keys(); }

    // Registers every host stored under the group prefix, in the order the settings list them.
    // Each is written back once through the registration.
    void loadRegisteredHosts(const QString &groupPrefix);
    // The names of the sub-groups under the group prefix in the settings.
    QStringList getRegisteredMacs(const QString &groupPrefix) const;
    // Wakes the host registered under the record's MacAddress, with the registered record (not
    // the argument): the job's wake result, or -1 when the MAC is not registered.
    int wakeUp(CWOLConfig *pConfig);

public slots:
    // Registers one host; a host already registered is first removed completely (its job too,
    // even a waiting one), so it starts again with a new idle job.
    void slotAddSvr2WOL(CWOLConfig config);
    // Unregisters one host: its settings group, record and job. An unknown MAC changes nothing.
    void slotRemoveSvrFromWOL(QString strMacAddr);

private:
    QMap<QString, CWOLConfig *> m_configs;
    QMap<QString, CVorkWOL *> m_jobs;
    QObject *m_pPacketSource;
};

#endif // CQUENWOL_H
