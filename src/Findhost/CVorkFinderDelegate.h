#ifndef CVORKFINDERDELEGATE_H
#define CVORKFINDERDELEGATE_H

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

private:
    int m_linkColumn;
};

#endif // CVORKFINDERDELEGATE_H
