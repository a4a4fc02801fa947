#ifndef CVORKFINDERDELEGATE_H
#define CVORKFINDERDELEGATE_H

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

// Draws the status of a server under installation ("Check progress") as an underlined blue link
// in the link column; every other cell is drawn as usual.
class CVorkFinderDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    CVorkFinderDelegate(int linkColumn, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    // The base's size, measured once per text: fitting the columns measures every cell at every
    // tick of a search, and most texts repeat (states, versions, models) or come back unchanged.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_linkColumn;
    // Measured sizes by text, for the font, features, width and style they were measured with.
    mutable QHash<QString, QSize> m_sizes;
    mutable QFont m_sizesFont;
    mutable int m_sizesFeatures = -1;
    mutable int m_sizesWidth = -1;
    mutable const void *m_sizesStyle = nullptr;
};

#endif // CVORKFINDERDELEGATE_H
