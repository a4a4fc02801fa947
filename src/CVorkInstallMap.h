#ifndef CVORKINSTALLMAP_H
#define CVORKINSTALLMAP_H

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include "fhost.h"

class CVorkDialogInstall;

// The registry of running installations and quick configurations, keyed by the target server's
// MAC text: under each key the entry's install dialog and a copy of the server's record. The
// main window owns the one map and creates an entry per target; the finder page asks it for the
// servers still under installation at the start of every search, to keep them listed.
//
// This is the part of the registry that the finder page uses. The install dialogs and the
// clearing of finished entries come with the installation page.
class CVorkInstallMap : public QObject
{
    Q_OBJECT

public:
    CVorkInstallMap();
    ~CVorkInstallMap() override;

    // Adds the dialog when `dlg` is non-null and `mac` has no dialog yet, and a copy of *record
    // when `record` is non-null and `mac` has no record yet. A stored value is never replaced.
    void insert(const QString &mac, CVorkDialogInstall *dlg, const NASINFO *record);

    // The record copies of the entries still held, in key order. The pointers stay owned by the
    // map and valid until their entry is removed.
    QList<NASINFO *> getPendingNasinfos();

private:
    CVorkInstallMap(const CVorkInstallMap &) = delete;
    CVorkInstallMap &operator=(const CVorkInstallMap &) = delete;

    QMap<QString, CVorkDialogInstall *> m_mapDialogs;
    QMap<QString, NASINFO *> m_mapNasinfos;
};

#endif // CVORKINSTALLMAP_H
