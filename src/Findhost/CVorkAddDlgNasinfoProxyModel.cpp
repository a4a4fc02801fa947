#include "CVorkAddDlgNasinfoProxyModel.h"

#include "CVorkGlobalSettings.h"
#include "CVorkNasinfoModel.h"
#include "CVorkSortNasinfoProxyModel.h"
#include "StringTable.h"
#include "platforms.h"

CVorkAddDlgNasinfoProxyModel::CVorkAddDlgNasinfoProxyModel(int mode)
    : QSortFilterProxyModel(nullptr)
    , m_mode(mode)
    , m_pNasinfoModel(nullptr)
{
}

void CVorkAddDlgNasinfoProxyModel::setNasinfoModel(CVorkNasinfoModel *pModel)
{
    m_pNasinfoModel = pModel;
}

const NASINFO *CVorkAddDlgNasinfoProxyModel::recordOf(const QString &ipText) const
{
    uint32_t addr = 0;
    if (!ipStringToHostAddr(&addr, ipText))
        return nullptr; // empty text
    if (!m_pNasinfoModel || !m_pNasinfoModel->getNasinfoMap())
        return nullptr;
    return m_pNasinfoModel->getNasinfoMap()->findByIp(addr);
}

bool CVorkAddDlgNasinfoProxyModel::isRsrcMonSupported(const QString &ipText) const
{
    const NASINFO *pnasInfo = recordOf(ipText);
    return pnasInfo && CVorkGlobalSettings::isRsrcMonSupported(pnasInfo);
}

bool CVorkAddDlgNasinfoProxyModel::isPhotoUploadSupported(const QString &ipText) const
{
    const NASINFO *pnasInfo = recordOf(ipText);
    return pnasInfo && CVorkGlobalSettings::isPhotoUploadSupported(pnasInfo);
}

bool CVorkAddDlgNasinfoProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *source = sourceModel();
    if (!source)
        return false;
    const QString status = source->index(sourceRow, CVorkNasinfoModel::COL_STATUS, sourceParent)
                               .data(Qt::DisplayRole).toString().trimmed();
    const QString address = source->index(sourceRow, CVorkNasinfoModel::COL_IP_ADDRESS, sourceParent)
                                .data(Qt::DisplayRole).toString().trimmed();
    bool capable;
    switch (m_mode) {
    case MODE_RSRC_MON:
        capable = isRsrcMonSupported(address);
        break;
    case MODE_PHOTO_UPLOAD:
        capable = isPhotoUploadSupported(address);
        break;
    default:
        capable = false;
        break;
    }
    return capable && status.compare(getString(IDS_LST_SYS_READY), Qt::CaseInsensitive) == 0;
}

bool CVorkAddDlgNasinfoProxyModel::filterAcceptsColumn(int sourceColumn, const QModelIndex &) const
{
    switch (sourceColumn) {
    case CVorkNasinfoModel::COL_SERVER_NAME:
    case CVorkNasinfoModel::COL_IP_ADDRESS:
    case CVorkNasinfoModel::COL_STATUS:
    case CVorkNasinfoModel::COL_MODEL:
        return true;
    default:
        return false;
    }
}

bool CVorkAddDlgNasinfoProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return CVorkSortNasinfoProxyModel::nasinfoLessThan(left, right);
}
