#ifndef CVORKINSTALLMAP_H
#define CVORKINSTALLMAP_H

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include "fhost.h"

class CVorkDialogInstall;

// The registry of running installations and quick configurations, keyed by the target server's
// MAC text (compared and ordered case-sensitively): under each key the entry's install dialog
// and a copy of the server's record. The main window owns the one map and creates an entry per
// target; the finder page asks it for the servers still under installation at the start of
// every search, to keep them listed.
//
// The dialogs are children of the main window; removing an entry destroys its page and dialog.
class CVorkInstallMap : public QObject
{
    Q_OBJECT

public:
    CVorkInstallMap();
    ~CVorkInstallMap() override;

    // Adds the dialog when `dlg` is non-null and `mac` has no dialog yet, and a copy of *record
    // when `record` is non-null and `mac` has no record yet. A stored value is never replaced.
    void insert(const QString &mac, CVorkDialogInstall *dlg, const NASINFO *record);
    bool contains(const QString &mac) const;
    // The dialog of mac; null when there is none.
    CVorkDialogInstall *getDialog(const QString &mac) const;
    // Takes the entry out of both maps, frees its record and destroys its page, then its
    // dialog. The destruction is deferred to the event loop, because the dialog may be asking
    // for its own removal from inside its button's handler. Nothing happens for an unknown MAC.
    void remove(const QString &mac);

    // Clears the finished entries whose dialogs are hidden, then returns the record copies of
    // the entries still held, in key order. The pointers stay owned by the map and valid until
    // their entry is removed.
    QList<NASINFO *> getPendingNasinfos();

signals:
    void signalRemoveBtnTriggered();

public slots:
    // Removes the entry of strMac (if any), then always emits signalRemoveBtnTriggered().
    void slotRemoveBtnTriggered(QString strMac);
    // Removes the finished entries (quick configuration answered, with or without an error, or
    // network installation done) whose dialog is not on screen. The flag is not used.
    void slotClearBtnTriggered(bool checked);

private:
    CVorkInstallMap(const CVorkInstallMap &) = delete;
    CVorkInstallMap &operator=(const CVorkInstallMap &) = delete;

    QMap<QString, CVorkDialogInstall *> m_mapDialogs;
    QMap<QString, NASINFO *> m_mapNasinfos;
};

#endif // CVORKINSTALLMAP_H
