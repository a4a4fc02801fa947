#include "CVorkSortNasinfoProxyModel.h"

#include "CVorkNasinfoModel.h"
#include "platforms.h"

namespace {

uint32_t addressOf(const QModelIndex &index)
{
    uint32_t addr = 0; // empty text: stays 0; unparsable: the conversion stores 0
    ipStringToHostAddr(&addr, index.data(Qt::DisplayRole).toString().trimmed());
    return addr;
}

} // namespace

CVorkSortNasinfoProxyModel::CVorkSortNasinfoProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

bool CVorkSortNasinfoProxyModel::nasinfoLessThan(const QModelIndex &left, const QModelIndex &right)
{
    if (left.column() == CVorkNasinfoModel::COL_IP_ADDRESS
        && right.column() == CVorkNasinfoModel::COL_IP_ADDRESS)
        return addressOf(left) < addressOf(right);
    return QString::localeAwareCompare(left.data(Qt::DisplayRole).toString(),
                                       right.data(Qt::DisplayRole).toString()) < 0;
}

bool CVorkSortNasinfoProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return nasinfoLessThan(left, right);
}
