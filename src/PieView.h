#ifndef PIEVIEW_H
#define PIEVIEW_H

#include <QAbstractItemView>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QVector>

class QRubberBand;

// An item view that draws the rows of a two-column model as a pie chart with a legend to its
// right. Column 0 holds the legend label with the slice colour as its decoration, column 1 the
// value. Only rows whose value is above 0 get a slice and a legend entry; slices run
// counter-clockwise from 3 o'clock in row order.
class PieView : public QAbstractItemView
{
    Q_OBJECT

public:
    explicit PieView(QWidget *parent = nullptr);
    ~PieView() override;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void setModel(QAbstractItemModel *pModel) override;
    void reset() override;

    // Row count of the model under the parent of index.
    int getRowCount(const QModelIndex &index) const;
    // Legend entry (column 0) or value cell (column 1), in content coordinates.
    QRect getItemRect(const QModelIndex &index) const;
    // Slice (column 1) or legend entry (column 0), in content coordinates.
    QRegion getItemRegion(const QModelIndex &index) const;

protected slots:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QVector<int> &roles = QVector<int>()) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

private:
    // Counts the rows with a value above 0 and sums their values afresh.
    void recount();
    // Value of a row (column 1, display role) under the root index.
    double rowValue(int row) const;
    // Height of one legend entry: the height of the view's item font.
    double entryHeight() const;

    int m_nMargin;
    int m_nTotalWidth;
    int m_nTotalHeight;
    int m_nPieSize;
    int m_nValidItems;
    double m_dTotalValue;
    QPoint m_origin;
    QRubberBand *m_pRubberBand;
};

#endif // PIEVIEW_H
