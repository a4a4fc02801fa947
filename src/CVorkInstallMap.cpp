#include "CVorkInstallMap.h"

CVorkInstallMap::CVorkInstallMap() : QObject(nullptr)
{
}

CVorkInstallMap::~CVorkInstallMap()
{
    qDeleteAll(m_mapNasinfos);
    m_mapNasinfos.clear();
}

void CVorkInstallMap::insert(const QString &mac, CVorkDialogInstall *dlg, const NASINFO *record)
{
    if (dlg && !m_mapDialogs.contains(mac))
        m_mapDialogs.insert(mac, dlg);
    if (record && !m_mapNasinfos.contains(mac))
        m_mapNasinfos.insert(mac, new NASINFO(*record));
}

QList<NASINFO *> CVorkInstallMap::getPendingNasinfos()
{
    return m_mapNasinfos.values();
}
