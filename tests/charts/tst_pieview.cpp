#include <QtTest>

#include <QHelpEvent>
#include <QImage>
#include <QRubberBand>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolTip>
#include <cmath>

#include "HangGuard.h"
#include "PieView.h"

namespace {
// Opens the view's protected item-view operations to the test.
class ProbePieView : public PieView
{
public:
    using PieView::moveCursor;
    enum Move { Up = MoveUp, Down = MoveDown, Left = MoveLeft, Right = MoveRight,
                Home = MoveHome, PageDown = MovePageDown };
    QModelIndex move(Move action) { return moveCursor(CursorAction(action), Qt::NoModifier); }
    using PieView::setSelection;
    using PieView::visualRegionForSelection;
    using PieView::edit;
    using PieView::isIndexHidden;
};

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);

// Point on the painted pie (centre 45.5, 45.5) at the given angle, counter-clockwise from
// 3 o'clock, at a radius well inside the slice.
QPoint onPie(double degrees, double radius = 25.0)
{
    const double rad = degrees * M_PI / 180.0;
    return QPoint(int(std::lround(45.5 + radius * std::cos(rad))),
                  int(std::lround(45.5 - radius * std::sin(rad))));
}

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 20 && std::abs(a.green() - b.green()) < 20 &&
           std::abs(a.blue() - b.blue()) < 20;
}

bool rectContainsColour(const QImage &image, const QRect &rect, const QColor &colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (near(image.pixelColor(x, y), colour))
                return true;
    return false;
}
}

class TestPieView : public QObject
{
    Q_OBJECT

private:
    QStandardItemModel *m_model = nullptr;
    ProbePieView *m_view = nullptr;

    void setRow(int row, const QString &label, const QColor &colour, double value)
    {
        m_model->setData(m_model->index(row, 0), label);
        m_model->setData(m_model->index(row, 0), colour, Qt::DecorationRole);
        m_model->setData(m_model->index(row, 1), value);
    }

    QImage grab() const { return m_view->viewport()->grab().toImage(); }
    int entryHeight() const { return QFontMetrics(m_view->font()).height(); }

private slots:
    void init()
    {
        // Row 0 empty, rows 1 and 2 with 30 and 10: slices of 270 and 90 degrees.
        m_model = new QStandardItemModel(3, 2);
        m_view = new ProbePieView;
        m_view->setModel(m_model);
        setRow(1, "Used", kRed, 30.0);
        setRow(2, "Free", kBlue, 10.0);
    }

    void cleanup()
    {
        delete m_view;
        delete m_model;
        m_view = nullptr;
        m_model = nullptr;
    }

    void construction()
    {
        QCOMPARE(m_view->size(), QSize(249, 174));
        QCOMPARE(m_view->maximumSize(), QSize(249, 174));
        QCOMPARE(m_view->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(m_view->font().family(), QString("Arial"));
        QCOMPARE(m_view->font().pixelSize(), 11);
        QCOMPARE(m_view->font().weight(), 50);
        QCOMPARE(m_view->isIndexHidden(m_model->index(1, 1)), false);

        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view, tsup::guardMs()));
        QCOMPARE(m_view->horizontalScrollBar()->minimum(), 0);
        QCOMPARE(m_view->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(m_view->verticalScrollBar()->minimum(), 0);
        QCOMPARE(m_view->verticalScrollBar()->maximum(), 0);
    }

    void paintsSlicesAndLegend()
    {
        const QImage image = grab();
        // First slice from 0 to 270 degrees, second from 270 to 360.
        QVERIFY(near(image.pixelColor(onPie(45)), kRed));
        QVERIFY(near(image.pixelColor(onPie(135)), kRed));
        QVERIFY(near(image.pixelColor(onPie(260)), kRed));
        QVERIFY(near(image.pixelColor(onPie(315)), kBlue));
        QVERIFY(near(image.pixelColor(onPie(285)), kBlue));
        // Outside the pie only the background shows.
        const QColor base = m_view->palette().color(QPalette::Base);
        QCOMPARE(image.pixelColor(3, 150), base);
        QCOMPARE(image.pixelColor(onPie(45, 42)), base);

        // Legend entries, each with its colour swatch.
        const int h = entryHeight();
        QCOMPARE(m_view->visualRect(m_model->index(1, 0)), QRect(110, 8, 102, h));
        QCOMPARE(m_view->visualRect(m_model->index(2, 0)), QRect(110, 8 + h, 102, h));
        QVERIFY(rectContainsColour(image, QRect(110, 8, 102, h), kRed));
        QVERIFY(!rectContainsColour(image, QRect(110, 8, 102, h), kBlue));
        QVERIFY(rectContainsColour(image, QRect(110, 8 + h, 102, h), kBlue));
        // The value cell stands for the whole viewport.
        QCOMPARE(m_view->visualRect(m_model->index(1, 1)), m_view->viewport()->rect());
    }

    void emptyModelPaintsOnlyBackground()
    {
        QStandardItemModel empty(2, 2);
        PieView view;
        view.setModel(&empty);
        const QImage image = view.viewport()->grab().toImage();
        const QColor base = view.palette().color(QPalette::Base);
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                QCOMPARE(image.pixelColor(x, y), base);
        QVERIFY(!view.indexAt(QPoint(45, 45)).isValid());
        QVERIFY(!view.indexAt(QPoint(120, 10)).isValid());
    }

    void hitTesting()
    {
        // (45, 45) lies left of and above the hit-test centre (55, 47): 168.69 degrees.
        QCOMPARE(m_view->indexAt(QPoint(45, 45)), m_model->index(1, 1));
        QVERIFY(!m_view->indexAt(QPoint(55, 47)).isValid());
        // Radius 37 still hits, 38 does not.
        QCOMPARE(m_view->indexAt(QPoint(55, 10)), m_model->index(1, 1));
        QVERIFY(!m_view->indexAt(QPoint(55, 9)).isValid());
        // Below and right of the centre: 315 degrees, the second slice.
        QCOMPARE(m_view->indexAt(QPoint(65, 57)), m_model->index(2, 1));

        // From x 110 on the legend is tested; the margin above entry 0 still gives entry 0.
        const int h = entryHeight();
        QCOMPARE(m_view->indexAt(QPoint(110, 3)), m_model->index(1, 0));
        QCOMPARE(m_view->indexAt(QPoint(110, 9)), m_model->index(1, 0));
        QCOMPARE(m_view->indexAt(QPoint(200, 8 + h + 1)), m_model->index(2, 0));
        QVERIFY(!m_view->indexAt(QPoint(110, 8 + 2 * h + 1)).isValid());
    }

    void rowsWithoutValueHaveNothing()
    {
        m_model->insertRows(3, 2);
        setRow(3, "Zero", kGreen, 0.0);
        setRow(4, "Negative", kGreen, -5.0);
        m_model->insertRows(5, 1);
        setRow(5, "Last", kGreen, 10.0);

        for (int row : {0, 3, 4}) {
            QVERIFY(!m_view->getItemRect(m_model->index(row, 0)).isValid());
            QVERIFY(!m_view->getItemRect(m_model->index(row, 1)).isValid());
            QVERIFY(m_view->getItemRegion(m_model->index(row, 0)).isEmpty());
            QVERIFY(m_view->getItemRegion(m_model->index(row, 1)).isEmpty());
        }
        QVERIFY(!m_view->getItemRect(QModelIndex()).isValid());
        QVERIFY(m_view->getItemRegion(QModelIndex()).isEmpty());

        // Row 5 is the third legend entry: rows 3 and 4 take no slot.
        const int h = entryHeight();
        QCOMPARE(m_view->getItemRect(m_model->index(5, 0)), QRect(110, 8 + 2 * h, 102, h));
        QCOMPARE(m_view->indexAt(QPoint(150, 8 + 2 * h + 1)), m_model->index(5, 0));

        // Slice regions: 30, 10, 10 of 50 -> 216, 72, 72 degrees around (55, 47).
        const QRegion first = m_view->getItemRegion(m_model->index(1, 1));
        QVERIFY(first.contains(QPoint(65, 30)));    // about 60 degrees
        QVERIFY(!first.contains(QPoint(65, 64)));   // about 300 degrees
        const QRegion third = m_view->getItemRegion(m_model->index(5, 1));
        QVERIFY(third.contains(QPoint(70, 60)));    // about 320 degrees
        QVERIFY(!third.contains(QPoint(40, 40)));
    }

    void moveCursor()
    {
        // No current index: moves give no valid index.
        QVERIFY(!m_view->move(ProbePieView::Up).isValid());
        QVERIFY(!m_view->move(ProbePieView::Down).isValid());

        m_view->selectionModel()->setCurrentIndex(m_model->index(1, 1),
                                                  QItemSelectionModel::NoUpdate);
        QCOMPARE(m_view->move(ProbePieView::Up),
                 m_model->index(0, 1));  // row 0 has no value but is not skipped
        QCOMPARE(m_view->move(ProbePieView::Left),
                 m_model->index(0, 1));
        QCOMPARE(m_view->move(ProbePieView::Down),
                 m_model->index(2, 1));
        QCOMPARE(m_view->move(ProbePieView::Right),
                 m_model->index(2, 1));
        QCOMPARE(m_view->move(ProbePieView::Home),
                 m_model->index(1, 1));
        QCOMPARE(m_view->move(ProbePieView::PageDown),
                 m_model->index(1, 1));

        m_view->selectionModel()->setCurrentIndex(m_model->index(0, 0),
                                                  QItemSelectionModel::NoUpdate);
        QCOMPARE(m_view->move(ProbePieView::Up),
                 m_model->index(0, 0));
        m_view->selectionModel()->setCurrentIndex(m_model->index(2, 0),
                                                  QItemSelectionModel::NoUpdate);
        QCOMPARE(m_view->move(ProbePieView::Down),
                 m_model->index(2, 0));

        // Through the keyboard: down from row 1 reaches row 2.
        m_view->selectionModel()->setCurrentIndex(m_model->index(1, 1),
                                                  QItemSelectionModel::NoUpdate);
        QTest::keyClick(m_view, Qt::Key_Down);
        QCOMPARE(m_view->currentIndex(), m_model->index(2, 1));
    }

    void rubberBandSelection()
    {
        QItemSelectionModel *sel = m_view->selectionModel();
        // A rectangle inside the first slice only.
        m_view->setSelection(QRect(60, 20, 4, 4), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(sel->selectedIndexes(), QModelIndexList({m_model->index(1, 1)}));

        // Over both legend entries: rows 1 to 2 of column 0.
        const int h = entryHeight();
        m_view->setSelection(QRect(150, 8, 10, h + 2), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(sel->selection().size(), 1);
        QCOMPARE(sel->selection().at(0).topLeft(), m_model->index(1, 0));
        QCOMPARE(sel->selection().at(0).bottomRight(), m_model->index(2, 0));
        QCOMPARE(m_view->visualRegionForSelection(sel->selection()),
                 QRegion(QRect(110, 8, 102, 2 * h)));

        // Nothing under the band: clear-and-select clears.
        m_view->setSelection(QRect(200, 150, 10, 10), QItemSelectionModel::ClearAndSelect);
        QVERIFY(!sel->hasSelection());
        QVERIFY(m_view->visualRegionForSelection(sel->selection()).isEmpty());
    }

    void selectedAndCurrentSlicesArePatterned()
    {
        m_view->selectionModel()->select(m_model->index(2, 1), QItemSelectionModel::Select);
        const QImage image = grab();
        // A pattern leaves background pixels inside the blue slice; a solid one would not.
        const QColor base = m_view->palette().color(QPalette::Base);
        QVERIFY(rectContainsColour(image, QRect(onPie(315), QSize(6, 6)), base));
        QVERIFY(rectContainsColour(image, QRect(onPie(315), QSize(6, 6)), kBlue));
        QVERIFY(!rectContainsColour(image, QRect(onPie(45), QSize(6, 6)), base));
    }

    void mouseDrivesSelectionAndRubberBand()
    {
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view, tsup::guardMs()));
        QTest::mousePress(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(45, 45));
        QCOMPARE(m_view->currentIndex(), m_model->index(1, 1));
        QRubberBand *band = m_view->findChild<QRubberBand *>();
        QVERIFY(band != nullptr);
        QVERIFY(band->isVisible());
        QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(45, 45));
        QVERIFY(!band->isVisible());
        // Only one rubber band ever.
        QTest::mousePress(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(65, 57));
        QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(65, 57));
        QCOMPARE(m_view->findChildren<QRubberBand *>().size(), 1);
        QCOMPARE(m_view->currentIndex(), m_model->index(2, 1));
    }

    void totalFollowsTheModel()
    {
        // 10 -> 30: both slices 180 degrees.
        m_model->setData(m_model->index(2, 1), 30.0);
        QCOMPARE(m_view->indexAt(QPoint(55 - 20, 47 - 3)), m_model->index(1, 1));  // ~171 deg
        QCOMPARE(m_view->indexAt(QPoint(55 - 20, 47 + 3)), m_model->index(2, 1));  // ~189 deg
        QImage image = grab();
        QVERIFY(near(image.pixelColor(onPie(135)), kRed));
        QVERIFY(near(image.pixelColor(onPie(225)), kBlue));

        // An inserted row with a value counts at once: 30 + 30 + 60.
        QList<QStandardItem *> items;
        items << new QStandardItem("More") << new QStandardItem;
        items[0]->setData(kGreen, Qt::DecorationRole);
        items[1]->setData(60.0, Qt::DisplayRole);
        m_model->appendRow(items);
        image = grab();
        QVERIFY(near(image.pixelColor(onPie(45)), kRed));     // 0..90
        QVERIFY(near(image.pixelColor(onPie(135)), kBlue));   // 90..180
        QVERIFY(near(image.pixelColor(onPie(270)), kGreen));  // 180..360

        // A removed row no longer counts: 30 + 60.
        m_model->removeRow(2);
        image = grab();
        QVERIFY(near(image.pixelColor(onPie(100)), kRed));    // 0..120
        QVERIFY(near(image.pixelColor(onPie(200)), kGreen));  // 120..360

        // A model reset leaves nothing to draw.
        m_model->clear();
        QVERIFY(!m_view->indexAt(QPoint(45, 45)).isValid());
    }

    void toolTipsComeFromTheIndexUnderTheMouse()
    {
        m_model->setData(m_model->index(1, 1), "slice tip", Qt::ToolTipRole);
        m_model->setData(m_model->index(1, 0), "legend tip", Qt::ToolTipRole);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view, tsup::guardMs()));

        const QPoint slice(45, 45);
        QHelpEvent overSlice(QEvent::ToolTip, slice, m_view->viewport()->mapToGlobal(slice));
        QCoreApplication::sendEvent(m_view->viewport(), &overSlice);
        QCOMPARE(QToolTip::text(), QString("slice tip"));

        const QPoint legend(120, 10);
        QHelpEvent overLegend(QEvent::ToolTip, legend, m_view->viewport()->mapToGlobal(legend));
        QCoreApplication::sendEvent(m_view->viewport(), &overLegend);
        QCOMPARE(QToolTip::text(), QString("legend tip"));
        QToolTip::hideText();
    }

    void scrollToKeepsOffsetsAtZero()
    {
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view, tsup::guardMs()));
        m_view->scrollTo(m_model->index(2, 0));
        m_view->scrollTo(m_model->index(1, 1));
        QCOMPARE(m_view->horizontalScrollBar()->value(), 0);
        QCOMPARE(m_view->verticalScrollBar()->value(), 0);
        QVERIFY(!m_view->edit(m_model->index(1, 0), QAbstractItemView::AllEditTriggers, nullptr));
    }
};

QTEST_MAIN(TestPieView)
#include "tst_pieview.moc"
