#include "PieView.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRubberBand>
#include <QScrollBar>
#include <QSizePolicy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTransform>
#include <cmath>

namespace {
const double kDegreesPerRadian = 57.29577951308232;
}

PieView::PieView(QWidget *parent)
    : QAbstractItemView(parent)
    , m_nMargin(8)
    , m_nTotalWidth(110)
    , m_nTotalHeight(94)
    , m_nPieSize(75)
    , m_nValidItems(0)
    , m_dTotalValue(0.0)
    , m_origin(0, 0)
    , m_pRubberBand(nullptr)
{
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);

    setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    setFixedSize(249, 174);

    QFont font("Arial");
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    setFont(font);
}

PieView::~PieView()
{
}

double PieView::rowValue(int row) const
{
    return model()->data(model()->index(row, 1, rootIndex())).toDouble();
}

double PieView::entryHeight() const
{
    return QFontMetrics(viewOptions().font).height();
}

int PieView::getRowCount(const QModelIndex &index) const
{
    if (model() == nullptr)
        return 0;
    return model()->rowCount(index.parent());
}

void PieView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                          const QVector<int> &roles)
{
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    recount();
    viewport()->update();
}

void PieView::recount()
{
    m_nValidItems = 0;
    m_dTotalValue = 0.0;
    if (model() == nullptr)
        return;
    const int rows = model()->rowCount(rootIndex());
    for (int row = 0; row < rows; ++row) {
        const double value = rowValue(row);
        if (value > 0.0) {
            m_dTotalValue += value;
            ++m_nValidItems;
        }
    }
}

void PieView::setModel(QAbstractItemModel *pModel)
{
    QAbstractItemView::setModel(pModel);
    // Rows the model already holds count from the start.
    recount();
    viewport()->update();
}

void PieView::reset()
{
    QAbstractItemView::reset();
    // A reset model announces no removed rows: count it afresh.
    recount();
    viewport()->update();
}

void PieView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    for (int row = start; row <= end; ++row) {
        const double value = model()->data(model()->index(row, 1, parent)).toDouble();
        if (value > 0.0) {
            m_dTotalValue += value;
            ++m_nValidItems;
        }
    }
    QAbstractItemView::rowsInserted(parent, start, end);
}

void PieView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    for (int row = start; row <= end; ++row) {
        const double value = model()->data(model()->index(row, 1, parent)).toDouble();
        if (value > 0.0) {
            m_dTotalValue -= value;
            --m_nValidItems;
        }
    }
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
}

bool PieView::edit(const QModelIndex &, EditTrigger, QEvent *)
{
    return false;
}

QModelIndex PieView::indexAt(const QPoint &point) const
{
    if (m_nValidItems == 0 || model() == nullptr)
        return QModelIndex();

    const int wx = point.x() + horizontalScrollBar()->value();
    const int wy = point.y() + verticalScrollBar()->value();
    const int rows = model()->rowCount(rootIndex());

    if (wx < m_nTotalWidth) {
        // The pie side: angle of the point around the hit-test centre, counter-clockwise from
        // 3 o'clock.
        const double cx = wx - m_nTotalWidth / 2;
        const double cy = m_nTotalHeight / 2 - wy;
        const double d = std::sqrt(cx * cx + cy * cy);
        if (d == 0.0 || d > m_nPieSize / 2)
            return QModelIndex();

        double angle = kDegreesPerRadian * std::acos(cx / d);
        if (cy < 0)
            angle = 360.0 - angle;

        double startAngle = 0.0;
        for (int row = 0; row < rows; ++row) {
            const double value = rowValue(row);
            if (value > 0.0) {
                const double sliceAngle = value * 360.0 / m_dTotalValue;
                if (angle >= startAngle && angle < startAngle + sliceAngle)
                    return model()->index(row, 1, rootIndex());
                startAngle += sliceAngle;
            }
        }
        return QModelIndex();
    }

    // The legend side.
    const double h = entryHeight();
    const int entry = static_cast<int>((wy - m_nMargin) / h);
    int validRow = 0;
    for (int row = 0; row < rows; ++row) {
        if (rowValue(row) > 0.0) {
            if (validRow == entry)
                return model()->index(row, 0, rootIndex());
            ++validRow;
        }
    }
    return QModelIndex();
}

bool PieView::isIndexHidden(const QModelIndex &) const
{
    return false;
}

QRect PieView::getItemRect(const QModelIndex &index) const
{
    if (!index.isValid())
        return QRect();

    const QModelIndex valueIndex =
        index.column() == 1 ? index : model()->index(index.row(), 1, index.parent());
    if (model()->data(valueIndex).toDouble() <= 0.0)
        return QRect();

    int listItem = 0;
    for (int row = index.row() - 1; row >= 0; --row) {
        if (model()->data(model()->index(row, 1, index.parent())).toDouble() > 0.0)
            ++listItem;
    }

    switch (index.column()) {
    case 0: {
        const double h = entryHeight();
        return QRect(m_nTotalWidth, static_cast<int>(m_nMargin + listItem * h),
                     m_nTotalWidth - m_nMargin, static_cast<int>(h));
    }
    case 1:
        return viewport()->rect();
    default:
        return QRect();
    }
}

QRegion PieView::getItemRegion(const QModelIndex &index) const
{
    if (!index.isValid())
        return QRegion();
    if (index.column() != 1)
        return QRegion(getItemRect(index));
    if (model()->data(index).toDouble() <= 0.0)
        return QRegion();

    double startAngle = 0.0;
    const int rows = model()->rowCount(rootIndex());
    for (int row = 0; row < rows; ++row) {
        const QModelIndex sliceIndex = model()->index(row, 1, rootIndex());
        const double value = model()->data(sliceIndex).toDouble();
        if (value > 0.0) {
            const double angle = value * 360.0 / m_dTotalValue;
            if (sliceIndex == index) {
                QPainterPath slicePath;
                slicePath.moveTo(m_nTotalWidth / 2, m_nTotalHeight / 2);
                slicePath.arcTo(m_nMargin, m_nMargin, m_nMargin + m_nPieSize,
                                m_nMargin + m_nPieSize, startAngle, angle);
                slicePath.closeSubpath();
                return QRegion(slicePath.toFillPolygon(QTransform()).toPolygon(),
                               Qt::OddEvenFill);
            }
            startAngle += angle;
        }
    }
    return QRegion();
}

int PieView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int PieView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

void PieView::mousePressEvent(QMouseEvent *event)
{
    QAbstractItemView::mousePressEvent(event);
    m_origin = event->pos();
    if (m_pRubberBand == nullptr)
        m_pRubberBand = new QRubberBand(QRubberBand::Rectangle, this);
    m_pRubberBand->setGeometry(QRect(m_origin, QSize()));
    m_pRubberBand->show();
}

void PieView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pRubberBand != nullptr)
        m_pRubberBand->setGeometry(QRect(m_origin, event->pos()).normalized());
    QAbstractItemView::mouseMoveEvent(event);
}

void PieView::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractItemView::mouseReleaseEvent(event);
    if (m_pRubberBand != nullptr)
        m_pRubberBand->hide();
    viewport()->update();
}

QModelIndex PieView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    QModelIndex current = currentIndex();
    if (model() == nullptr)
        return current;

    switch (cursorAction) {
    case MoveLeft:
    case MoveUp:
        if (current.row() > 0)
            current = model()->index(current.row() - 1, current.column(), current.parent());
        else
            current = model()->index(0, current.column(), current.parent());
        break;
    case MoveRight:
    case MoveDown:
        if (current.row() < getRowCount(current) - 1)
            current = model()->index(current.row() + 1, current.column(), current.parent());
        else
            current = model()->index(getRowCount(current) - 1, current.column(),
                                    current.parent());
        break;
    default:
        break;
    }

    viewport()->update();
    return current;
}

void PieView::paintEvent(QPaintEvent *event)
{
    QItemSelectionModel *selections = selectionModel();
    const QStyleOptionViewItem option = viewOptions();

    const QBrush background = option.palette.base();
    const QPen foreground(option.palette.color(QPalette::WindowText));

    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(event->rect(), background);
    painter.setPen(foreground);

    if (m_nValidItems == 0 || model() == nullptr)
        return;

    const int rows = model()->rowCount(rootIndex());

    painter.save();
    painter.translate(m_nMargin - horizontalScrollBar()->value(),
                      m_nMargin - verticalScrollBar()->value());
    painter.drawEllipse(0, 0, m_nPieSize, m_nPieSize);

    double startAngle = 0.0;
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model()->index(row, 1, rootIndex());
        const double value = model()->data(index).toDouble();
        if (value > 0.0) {
            const double angle = value * 360.0 / m_dTotalValue;

            const QModelIndex colorIndex = model()->index(row, 0, rootIndex());
            QColor color;
            color.setNamedColor(model()->data(colorIndex, Qt::DecorationRole).toString());

            if (currentIndex() == index)
                painter.setBrush(QBrush(color, Qt::Dense4Pattern));
            else if (selections != nullptr && selections->isSelected(index))
                painter.setBrush(QBrush(color, Qt::Dense3Pattern));
            else
                painter.setBrush(QBrush(color));

            painter.drawPie(QRectF(0.0, 0.0, m_nPieSize, m_nPieSize),
                            static_cast<int>(startAngle * 16), static_cast<int>(angle * 16));
            startAngle += angle;
        }
    }
    painter.restore();

    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model()->index(row, 1, rootIndex());
        if (model()->data(index).toDouble() > 0.0) {
            const QModelIndex labelIndex = model()->index(row, 0, rootIndex());
            QStyleOptionViewItem itemOption = viewOptions();
            itemOption.rect = visualRect(labelIndex);
            if (selections != nullptr && selections->isSelected(labelIndex))
                itemOption.state |= QStyle::State_Selected;
            if (currentIndex() == labelIndex)
                itemOption.state |= QStyle::State_HasFocus;
            itemDelegate()->paint(&painter, itemOption, labelIndex);
        }
    }
}

void PieView::resizeEvent(QResizeEvent *)
{
    repaint();
}

void PieView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void PieView::scrollTo(const QModelIndex &index, ScrollHint)
{
    const QRect area = viewport()->rect();
    const QRect rect = visualRect(index);

    if (rect.left() < area.left()) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + rect.left());
    } else if (rect.right() > area.right()) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                        qMin(rect.right() - area.right(), rect.left()));
    }

    if (rect.top() < area.top()) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + rect.top());
    } else if (rect.bottom() > area.bottom()) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                      qMin(rect.bottom() - area.bottom(), rect.top()));
    }

    update();
}

void PieView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (model() == nullptr || selectionModel() == nullptr)
        return;

    const QRect contentsRect =
        rect.translated(horizontalScrollBar()->value(), verticalScrollBar()->value()).normalized();

    const int rows = model()->rowCount(rootIndex());
    const int columns = model()->columnCount(rootIndex());
    QModelIndexList indexes;

    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model()->index(row, column, rootIndex());
            const QRegion region = getItemRegion(index);
            if (!region.intersected(contentsRect).isEmpty())
                indexes.append(index);
        }
    }

    if (indexes.isEmpty()) {
        const QModelIndex noIndex;
        selectionModel()->select(QItemSelection(noIndex, noIndex), command);
    } else {
        int firstRow = indexes.at(0).row();
        int lastRow = firstRow;
        int firstColumn = indexes.at(0).column();
        int lastColumn = firstColumn;
        for (const QModelIndex &index : indexes) {
            firstRow = qMin(firstRow, index.row());
            lastRow = qMax(lastRow, index.row());
            firstColumn = qMin(firstColumn, index.column());
            lastColumn = qMax(lastColumn, index.column());
        }
        const QItemSelection selection(model()->index(firstRow, firstColumn, rootIndex()),
                                       model()->index(lastRow, lastColumn, rootIndex()));
        selectionModel()->select(selection, command);
    }

    update();
}

void PieView::updateGeometries()
{
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, qMax(0, 2 * m_nTotalWidth - viewport()->width()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, qMax(0, m_nTotalHeight - viewport()->height()));
}

QRect PieView::visualRect(const QModelIndex &index) const
{
    const QRect rect = getItemRect(index);
    if (rect.isValid())
        return QRect(rect.left() - horizontalScrollBar()->value(),
                     rect.top() - verticalScrollBar()->value(), rect.width(), rect.height());
    return rect;
}

QRegion PieView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            for (int column = range.left(); column <= range.right(); ++column) {
                const QModelIndex index = model()->index(row, column, range.parent());
                region += visualRect(index);
            }
        }
    }
    return region;
}
