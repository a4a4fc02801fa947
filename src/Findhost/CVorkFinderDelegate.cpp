#include "CVorkFinderDelegate.h"

#include <QPainter>
#include <QWidget>

#include "StringTable.h"

namespace {

// Sizes kept at most (a few thousand servers' texts); beyond that they are measured afresh.
const int MAX_KEPT_SIZES = 50000;

} // namespace

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

QSize CVorkFinderDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The model gives a cell nothing but its text (and a tool tip), so the size depends on the
    // text and on what the view puts into the option: its font, features and width (wrapping).
    const void *style = option.widget ? option.widget->style() : nullptr;
    if (int(option.features) != m_sizesFeatures || option.rect.width() != m_sizesWidth || style != m_sizesStyle ||
        option.font != m_sizesFont || m_sizes.size() > MAX_KEPT_SIZES) {
        m_sizes.clear();
        m_sizesFeatures = int(option.features);
        m_sizesWidth = option.rect.width();
        m_sizesStyle = style;
        m_sizesFont = option.font;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto kept = m_sizes.constFind(text);
    if (kept != m_sizes.constEnd())
        return kept.value();
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    m_sizes.insert(text, size);
    return size;
}
