#include "FileInfoTableItem.h"

#include <QDateTime>

FileInfoTableItem::FileInfoTableItem(const QString &text, int type)
    : QTableWidgetItem(text, type)
{
}

FileInfoTableItem::~FileInfoTableItem() = default;

bool FileInfoTableItem::operator<(const QTableWidgetItem &other) const
{
    switch (type()) {
    case TypeItem:
        return data(Qt::UserRole).toInt() < other.data(Qt::UserRole).toInt();
    case SizeItem:
        return data(Qt::UserRole).toLongLong() < other.data(Qt::UserRole).toLongLong();
    case TimeItem:
        return data(Qt::UserRole).toDateTime() < other.data(Qt::UserRole).toDateTime();
    default:
        return text() < other.text();
    }
}
