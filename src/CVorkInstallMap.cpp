#include "CVorkInstallMap.h"

#include "CQuickConf.h"
#include "CThreadNetInstall.h"
#include "CVorkDialogInstall.h"
#include "CVorkWindowInstall.h"

namespace {
// A job that has ended the way the clear removes: a quick configuration answered (also with
// an error) or a network installation done. Timed-out and failed jobs stay until Close.
bool isFinished(const CVorkDialogInstall *dlg)
{
    const CVorkWindowInstall *page = qobject_cast<const CVorkWindowInstall *>(dlg->getInstallWindow());
    if (!page)
        return false;
    if (const CQuickConf *quickConf = page->getQuickConfJob())
        return quickConf->getState() == CQuickConf::QC_STATE_ANSWERED;
    if (const CThreadNetInstall *netInstall = page->getNetInstallJob())
        return netInstall->getStage() == NI_STAGE_DONE;
    return false;
}
} // namespace

CVorkInstallMap::CVorkInstallMap() : QObject(nullptr)
{
}

CVorkInstallMap::~CVorkInstallMap()
{
    // Dialogs still listed go with their parent, the main window.
    m_mapDialogs.clear();
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

bool CVorkInstallMap::contains(const QString &mac) const
{
    return m_mapDialogs.contains(mac);
}

CVorkDialogInstall *CVorkInstallMap::getDialog(const QString &mac) const
{
    return m_mapDialogs.value(mac, nullptr);
}

void CVorkInstallMap::remove(const QString &mac)
{
    if (!m_mapDialogs.contains(mac))
        return;
    CVorkDialogInstall *dlg = m_mapDialogs.take(mac);
    QWidget *page = dlg ? dlg->getInstallWindow() : nullptr;
    delete m_mapNasinfos.take(mac);

    // Page first, then the dialog. Deferred: the dialog may be inside its own button's click.
    // A page whose installation still runs stops it (bounded, cooperative) when it is deleted.
    if (page)
        page->deleteLater();
    if (dlg)
        dlg->deleteLater();
}

void CVorkInstallMap::slotRemoveBtnTriggered(QString strMac)
{
    remove(strMac);
    emit signalRemoveBtnTriggered();
}

void CVorkInstallMap::slotClearBtnTriggered(bool checked)
{
    Q_UNUSED(checked);
    QList<QString> finished;
    for (auto it = m_mapDialogs.constBegin(); it != m_mapDialogs.constEnd(); ++it) {
        if (it.value() && isFinished(it.value()))
            finished.append(it.key());
    }
    for (const QString &mac : finished) {
        CVorkDialogInstall *dlg = getDialog(mac);
        if (dlg && dlg->isVisible())
            continue;
        remove(mac);
    }
}

QList<NASINFO *> CVorkInstallMap::getPendingNasinfos()
{
    slotClearBtnTriggered(false);
    return m_mapNasinfos.values();
}
