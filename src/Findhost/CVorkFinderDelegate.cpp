#include "CVorkFinderDelegate.h"

#include <QPainter>

#include "StringTable.h"

CVorkFinderDelegate::CVorkFinderDelegate(int linkColumn, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_linkColumn(linkColumn)
{
}

void CVorkFinderDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const QString text = index.data(Qt::DisplayRole).toString().trimmed();
    if (index.column() != m_linkColumn
        || text.compare(getString(IDS_LST_SYS_CHECKING_PROGRESS), Qt::CaseInsensitive) != 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    painter->save();
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, QColor(206, 238, 253));
    painter->setPen(QColor(Qt::blue));
    QFont font = painter->font();
    font.setUnderline(true);
    painter->setFont(font);
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}
