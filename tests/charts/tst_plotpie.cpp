#include <QtTest>

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <cmath>

#include "CVorkWidgetPlotPie.h"
#include "PieView.h"

namespace {
bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 20 && std::abs(a.green() - b.green()) < 20 &&
           std::abs(a.blue() - b.blue()) < 20;
}

// Point on the painted pie of a view (centre 45.5, 45.5) at an angle counter-clockwise from
// 3 o'clock.
QPoint onPie(double degrees)
{
    const double rad = degrees * M_PI / 180.0;
    return QPoint(int(std::lround(45.5 + 25.0 * std::cos(rad))),
                  int(std::lround(45.5 - 25.0 * std::sin(rad))));
}
}

class TestPlotPie : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        CVorkWidgetPlotPie pie;
        QCOMPARE(pie.objectName(), QString("CVorkWidgetPlotPie"));
        QCOMPARE(pie.getFlag(), false);
        QCOMPARE(pie.getCurveCount(), 0);
        QCOMPARE(pie.getPointCount(), 0);
        QCOMPARE(pie.getMarkCount(), 0);
        QCOMPARE(pie.getXAxisMax(), 0);
        QCOMPARE(pie.getYAxisMax(), 0);
        QCOMPARE(pie.getXAxisTitle(), QString(""));
        QCOMPARE(pie.getTitle(), QString(""));
        QCOMPARE(pie.size(), QSize(249, 154));
        QCOMPARE(pie.maximumSize(), QSize(249, 154));
        QCOMPARE(pie.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

        auto *vbox = pie.findChild<QVBoxLayout *>("verticalLayout");
        auto *title = pie.findChild<QHBoxLayout *>("m_phboxTitle");
        auto *label = pie.findChild<QLabel *>("m_plblTitle");
        QVERIFY(vbox != nullptr && title != nullptr && label != nullptr);
        QCOMPARE(pie.layout(), vbox);
        QCOMPARE(vbox->count(), 1);
        QCOMPARE(vbox->itemAt(0)->layout(), title);
        QCOMPARE(title->count(), 3);
        QVERIFY(title->itemAt(0)->spacerItem() != nullptr);
        QCOMPARE(title->itemAt(1)->widget(), label);
        QVERIFY(title->itemAt(2)->spacerItem() != nullptr);
        QCOMPARE(title->itemAt(0)->spacerItem()->sizePolicy().horizontalPolicy(),
                 QSizePolicy::Expanding);

        // Before the view exists the row setters change nothing and do not crash.
        pie.setItemValue(0, 5.0, 1);
        pie.setItemLabel(1, "x");
        pie.setItemColour(1, "red");
        pie.setItemToolTip(1, "x");
        pie.insertRows(0, 3);
        QVERIFY(pie.findChild<QStandardItemModel *>() == nullptr);
    }

    void settersIgnoreNegatives()
    {
        CVorkWidgetPlotPie pie;
        pie.setPointCount(7);
        pie.setMarkCount(3);
        pie.setCurveCount(2);
        pie.setXAxisScale(10, 2);
        pie.setYAxisScale(20, 4);
        pie.setPointCount(-1);
        pie.setMarkCount(-1);
        pie.setCurveCount(-1);
        pie.setXAxisScale(-1, 5);
        pie.setYAxisScale(-1, 5);
        QCOMPARE(pie.getPointCount(), 7);
        QCOMPARE(pie.getMarkCount(), 3);
        QCOMPARE(pie.getCurveCount(), 2);
        QCOMPARE(pie.getXAxisMax(), 10);
        QCOMPARE(pie.getYAxisMax(), 20);
        pie.setXAxisTitle("a");
        pie.setYAxisTitle("b");
        QCOMPARE(pie.getXAxisTitle(), QString("a"));
        QCOMPARE(pie.getYAxisTitle(), QString("b"));
    }

    void createViewAndFill()
    {
        CVorkWidgetPlotPie pie;
        pie.setCurveCount(2);
        pie.createView();
        QVERIFY(pie.getFlag());

        auto *model = pie.findChild<QStandardItemModel *>();
        auto *view = pie.findChild<PieView *>();
        QVERIFY(model != nullptr && view != nullptr);
        QCOMPARE(model->parent(), &pie);
        QCOMPARE(view->parentWidget(), &pie);
        QCOMPARE(view->model(), model);
        QCOMPARE(view->selectionModel()->model(), model);
        QCOMPARE(view->selectionModel()->parent(), model);
        QCOMPARE(pie.layout()->count(), 2);
        QCOMPARE(pie.layout()->itemAt(1)->widget(), view);

        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->columnCount(), 2);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 2; ++c)
                QVERIFY(model->itemData(model->index(r, c)).isEmpty());

        // Nothing painted yet: only the background.
        const QColor base = view->palette().color(QPalette::Base);
        QImage image = view->viewport()->grab().toImage();
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                QCOMPARE(image.pixelColor(x, y), base);

        pie.setItemColour(1, "#00ff00");
        pie.setItemLabel(1, "Used");
        pie.setItemValue(0, 25.0, 1);
        pie.setItemColour(2, "blue");
        pie.setItemLabel(2, "Free");
        pie.setItemValue(0, 75.0, 2);
        pie.updateData();
        pie.updateAxes();

        QCOMPARE(model->data(model->index(1, 1)).toDouble(), 25.0);
        QCOMPARE(model->data(model->index(1, 0)).toString(), QString("Used"));
        QCOMPARE(model->data(model->index(1, 0), Qt::DecorationRole).value<QColor>(),
                 QColor(0, 255, 0));
        const QFont font = model->data(model->index(2, 1), Qt::FontRole).value<QFont>();
        QCOMPARE(font.family(), QString("Arial"));
        QCOMPARE(font.pixelSize(), 10);
        QCOMPARE(font.weight(), 50);

        // A quarter and three quarters.
        image = view->viewport()->grab().toImage();
        QVERIFY(near(image.pixelColor(onPie(45)), QColor(0, 255, 0)));
        QVERIFY(near(image.pixelColor(onPie(135)), QColor(0, 0, 255)));
        QVERIFY(near(image.pixelColor(onPie(225)), QColor(0, 0, 255)));
        QVERIFY(near(image.pixelColor(onPie(315)), QColor(0, 0, 255)));
        QCOMPARE(view->indexAt(QPoint(65, 40)), model->index(1, 1));  // about 27 degrees
        QCOMPARE(view->indexAt(QPoint(45, 57)), model->index(2, 1));  // about 230 degrees

        // A shrinking slice count inserts and removes nothing; written rows keep their values.
        pie.setCurveCount(1);
        pie.insertRows(2, 1);
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->data(model->index(2, 1)).toDouble(), 75.0);

        // A growing count inserts one row at each position from the old count on.
        pie.setCurveCount(3);
        pie.insertRows(2, 3);
        QCOMPARE(model->rowCount(), 5);
        QVERIFY(model->itemData(model->index(2, 1)).isEmpty());
        QCOMPARE(model->data(model->index(3, 1)).toDouble(), 75.0);

        // A second createView builds nothing new.
        pie.createView();
        QCOMPARE(pie.findChildren<PieView *>().size(), 1);
        QCOMPARE(model->rowCount(), 5);
    }

    void rowSetterBounds()
    {
        CVorkWidgetPlotPie pie;
        pie.setCurveCount(1);
        pie.createView();
        auto *model = pie.findChild<QStandardItemModel *>();

        pie.setItemValue(0, 5.0, -1);
        pie.setItemLabel(-1, "x");
        pie.setItemColour(-1, "red");
        pie.setItemToolTip(-1, "x");
        pie.setItemValue(0, 5.0, 2);
        pie.setItemLabel(99, "x");
        pie.setItemToolTip(2, "x");
        QCOMPARE(model->rowCount(), 2);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c)
                QVERIFY(model->itemData(model->index(r, c)).isEmpty());

        pie.setItemColour(1, "no-such-colour");
        const QVariant decoration = model->data(model->index(1, 0), Qt::DecorationRole);
        QCOMPARE(decoration.userType(), int(QMetaType::QColor));
        QVERIFY(!decoration.value<QColor>().isValid());
    }

    void toolTipsReachBothColumns()
    {
        CVorkWidgetPlotPie pie;
        pie.setCurveCount(1);
        pie.createView();
        auto *model = pie.findChild<QStandardItemModel *>();
        pie.setItemToolTip(1, "Volume 1: 40 GB used");
        QCOMPARE(model->data(model->index(1, 1), Qt::ToolTipRole).toString(),
                 QString("Volume 1: 40 GB used"));
        QCOMPARE(model->data(model->index(1, 0), Qt::ToolTipRole).toString(),
                 QString("Volume 1: 40 GB used"));
    }

    void titleRow()
    {
        CVorkWidgetPlotPie pie;
        auto *title = pie.findChild<QHBoxLayout *>("m_phboxTitle");
        pie.setTitle("Volume 1");
        QCOMPARE(pie.getTitle(), QString("Volume 1"));
        QVERIFY(title->isEnabled());
        pie.setTitle("");
        QCOMPARE(pie.getTitle(), QString(""));
        QVERIFY(!title->isEnabled());
        pie.setTitle("Volume 2");
        QVERIFY(title->isEnabled());
    }
};

QTEST_MAIN(TestPlotPie)
#include "tst_plotpie.moc"
