#include <QtTest>

#include <QImage>
#include <QPixmap>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>
#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>

#include "CVorkWidgetPlotLine.h"
#include "TimeScaleDraw.h"

class TestPlotLine : public QObject
{
    Q_OBJECT

private:
    static QList<QwtPlotCurve *> curves(const CVorkWidgetPlotLine &plot)
    {
        QList<QwtPlotCurve *> result;
        for (QwtPlotItem *item : plot.itemList(QwtPlotItem::Rtti_PlotCurve))
            result.append(static_cast<QwtPlotCurve *>(item));
        return result;
    }

    // Fills a chart as the page does for one reply: 60 points, x max 60 step 12, two curves.
    static void fill(CVorkWidgetPlotLine &plot)
    {
        plot.setPointCount(60);
        plot.setXAxisScale(60, 12);
        plot.setYAxisScale(100, 20);
        plot.setCurveCount(2);
        if (!plot.getCurveSize())
            plot.createCurves();
        plot.setCurveColour(1, "blue");
        plot.setCurveTitle(1, "CPU");
        plot.setCurveColour(2, "#ff0000");
        plot.setCurveTitle(2, "Memory");
        for (int p = 1; p <= 60; ++p) {
            plot.setValue(p, p * 1.5, 1);
            plot.setValue(p, 100.0 - p, 2);
        }
        plot.updateAxes();
        plot.updateData();
    }

    static QStringList labelsOfMajorTicks(const CVorkWidgetPlotLine &plot)
    {
        const QwtScaleDraw *draw = plot.axisScaleDraw(QwtPlot::xBottom);
        QStringList labels;
        for (double tick : plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick))
            labels << draw->label(tick).text();
        return labels;
    }

private slots:
    void construction()
    {
        CVorkWidgetPlotLine plot;
        QCOMPARE(plot.getCurveSize(), false);
        QCOMPARE(plot.getPointCount(), 0);
        QCOMPARE(plot.getMarkCount(), 0);
        QCOMPARE(plot.getCurveCount(), 0);
        QCOMPARE(plot.getXAxisMax(), 0);
        QCOMPARE(plot.getYAxisMax(), 0);
        QCOMPARE(plot.getXAxisTitle(), QString(""));
        QCOMPARE(plot.getYAxisTitle(), QString(""));

        QCOMPARE(plot.autoReplot(), false);
        QCOMPARE(plot.size(), QSize(249, 154));
        QCOMPARE(plot.minimumSize(), QSize(249, 154));
        QCOMPARE(plot.maximumSize(), QSize(249, 154));
        QCOMPARE(plot.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(plot.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

        for (int axis : {int(QwtPlot::yLeft), int(QwtPlot::xBottom)}) {
            const QFont font = plot.axisFont(axis);
            QCOMPARE(font.family(), QString("Arial"));
            QCOMPARE(font.pixelSize(), 11);
            QCOMPARE(font.weight(), 50);
        }

        const TimeScaleDraw *time =
            dynamic_cast<const TimeScaleDraw *>(plot.axisScaleDraw(QwtPlot::xBottom));
        QVERIFY(time != nullptr);
        QCOMPARE(time->getMaximum(), 0);
        QVERIFY(plot.plotLayout()->alignCanvasToScale(QwtPlot::xBottom));
        QVERIFY(plot.plotLayout()->alignCanvasToScale(QwtPlot::yLeft));
        QVERIFY(curves(plot).isEmpty());

        // No curves yet: these must neither crash nor create anything; updateData only redraws.
        plot.setValue(1, 5.0, 1);
        plot.setCurveTitle(1, "x");
        plot.setCurveColour(1, "red");
        plot.updateData();
        QVERIFY(curves(plot).isEmpty());
    }

    void settersIgnoreNegatives()
    {
        CVorkWidgetPlotLine plot;
        plot.setPointCount(60);
        plot.setMarkCount(5);
        plot.setCurveCount(3);
        plot.setPointCount(-1);
        plot.setMarkCount(-1);
        plot.setCurveCount(-1);
        QCOMPARE(plot.getPointCount(), 60);
        QCOMPARE(plot.getMarkCount(), 5);
        QCOMPARE(plot.getCurveCount(), 3);

        plot.setXAxisScale(60, 12);
        plot.setYAxisScale(100, 25);
        plot.setXAxisScale(-1, 5);
        plot.setYAxisScale(-1, 5);
        QCOMPARE(plot.getXAxisMax(), 60);
        QCOMPARE(plot.getYAxisMax(), 100);
        // The steps stayed too: the axes get the old step at the next updateAxes.
        plot.updateAxes();
        plot.updateData();
        QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick),
                 QList<double>({0, 12, 24, 36, 48, 60}));
        QCOMPARE(plot.axisScaleDiv(QwtPlot::yLeft).ticks(QwtScaleDiv::MajorTick),
                 QList<double>({0, 25, 50, 75, 100}));

        plot.setXAxisTitle("samples");
        plot.setYAxisTitle("%");
        QCOMPARE(plot.getXAxisTitle(), QString("samples"));
        QCOMPARE(plot.getYAxisTitle(), QString("%"));
        // Titles show only after updateAxes.
        QCOMPARE(plot.axisTitle(QwtPlot::yLeft).text(), QString(""));
        plot.updateAxes();
        QCOMPARE(plot.axisTitle(QwtPlot::yLeft).text(), QString("%"));
        QCOMPARE(plot.axisTitle(QwtPlot::xBottom).text(), QString("samples"));
    }

    void curvesShareArraysWithoutCopy()
    {
        CVorkWidgetPlotLine plot;
        fill(plot);
        QVERIFY(plot.getCurveSize());

        const QList<QwtPlotCurve *> list = curves(plot);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0]->title().text(), QString("CPU"));
        QCOMPARE(list[1]->title().text(), QString("Memory"));
        QCOMPARE(list[0]->pen().color(), QColor(Qt::blue));
        QCOMPARE(list[1]->pen().color(), QColor(255, 0, 0));
        QVERIFY(list[0]->testRenderHint(QwtPlotItem::RenderAntialiased));

        QCOMPARE(int(list[0]->dataSize()), 60);
        QCOMPARE(int(list[1]->dataSize()), 60);
        for (int i = 0; i < 60; ++i) {
            QCOMPARE(list[0]->sample(i), QPointF(i, (i + 1) * 1.5));
            QCOMPARE(list[1]->sample(i), QPointF(i, 100.0 - (i + 1)));
        }

        // The curves read the widget's arrays in place: a value written now is what they hold.
        plot.setValue(60, 7.0, 2);
        QCOMPARE(list[1]->sample(59).y(), 7.0);

        // A second createCurves never rebuilds what exists (colours, titles and values stay).
        plot.createCurves();
        QCOMPARE(curves(plot), list);
        QCOMPARE(list[1]->sample(59).y(), 7.0);
    }

    void curveDrawnInItsColour()
    {
        CVorkWidgetPlotLine plot;
        fill(plot);
        const QImage image = plot.canvas()->grab().toImage();
        int red = 0, blue = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                    ++red;
                if (c.blue() > 200 && c.red() < 80 && c.green() < 80)
                    ++blue;
            }
        }
        // Both lines cross most of the canvas width.
        QVERIFY2(red > image.width() / 2, qPrintable(QString::number(red)));
        QVERIFY2(blue > image.width() / 2, qPrintable(QString::number(blue)));
    }

    void timeAxisLabels()
    {
        CVorkWidgetPlotLine plot;
        fill(plot);
        QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick),
                 QList<double>({0, 12, 24, 36, 48, 60}));
        QCOMPARE(labelsOfMajorTicks(plot), QStringList({"5", "4", "3", "2", "1", "0"}));

        // The axis as drawn (through Qwt's label cache) has a label at 48.
        QwtScaleDraw *draw = plot.axisScaleDraw(QwtPlot::xBottom);
        const QFont font = plot.axisFont(QwtPlot::xBottom);
        QVERIFY(draw->labelSize(font, 48).width() > 0);

        // A new maximum must reach the labels at once, not only after Qwt rebuilds its scale.
        plot.setXAxisScale(50, 12);
        plot.updateAxes();
        QCOMPARE(static_cast<TimeScaleDraw *>(draw)->getMaximum(), 50);
        QCOMPARE(draw->labelSize(font, 48).width(), 0.0);

        plot.updateData();
        QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick),
                 QList<double>({0, 12, 24, 36, 48}));
        for (const QString &label : labelsOfMajorTicks(plot))
            QVERIFY(label.isEmpty());
        for (double tick : plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick))
            QCOMPARE(draw->labelSize(font, tick).width(), 0.0);
    }

    void timeLabelSpotChecks()
    {
        TimeScaleDraw draw59(59);
        QCOMPARE(draw59.label(59).text(), QString("0"));
        QCOMPARE(draw59.label(47).text(), QString("1"));
        QCOMPARE(draw59.label(11).text(), QString("4"));
        QCOMPARE(draw59.label(11.9).text(), QString("4"));  // truncated toward zero
        QVERIFY(draw59.label(0).text().isEmpty());
        QVERIFY(draw59.label(48).text().isEmpty());

        TimeScaleDraw draw61(61);
        QCOMPARE(draw61.label(61).text(), QString("0"));
        QCOMPARE(draw61.label(1).text(), QString("5"));
        QVERIFY(draw61.label(0).text().isEmpty());
        QVERIFY(draw61.label(60).text().isEmpty());

        TimeScaleDraw draw(0);
        draw.setMaximum(120);
        QCOMPARE(draw.getMaximum(), 120);
        QCOMPARE(draw.label(0).text(), QString("10"));
    }

    void unknownColourGivesInvalidPen()
    {
        CVorkWidgetPlotLine plot;
        fill(plot);
        plot.setCurveColour(1, "no-such-colour");
        QVERIFY(!curves(plot)[0]->pen().color().isValid());
    }

    void numbersOutsideTheArraysAreIgnored()
    {
        CVorkWidgetPlotLine plot;
        fill(plot);
        const QList<QwtPlotCurve *> list = curves(plot);

        plot.setValue(61, 1.0, 1);
        plot.setValue(0, 1.0, 1);
        plot.setValue(1, 1.0, 0);
        plot.setValue(1, 1.0, 3);
        plot.setValue(-1, 1.0, -1);
        QCOMPARE(list[0]->sample(0).y(), 1.5);
        QCOMPARE(list[1]->sample(0).y(), 99.0);

        plot.setCurveTitle(0, "zero");
        plot.setCurveTitle(3, "three");
        plot.setCurveTitle(-1, "minus");
        plot.setCurveColour(99, "green");
        plot.setCurveColour(0, "green");
        QCOMPARE(list[0]->title().text(), QString("CPU"));
        QCOMPARE(list[1]->title().text(), QString("Memory"));
        QCOMPARE(list[0]->pen().color(), QColor(Qt::blue));
        QCOMPARE(list[1]->pen().color(), QColor(255, 0, 0));

        // A later reply with more curves and points: the arrays keep their first size and the
        // curves are never handed more samples than they hold.
        plot.setCurveCount(3);
        plot.setPointCount(120);
        plot.setXAxisScale(120, 12);
        plot.setValue(100, 5.0, 1);
        plot.setValue(1, 5.0, 3);
        plot.updateAxes();
        plot.updateData();
        QCOMPARE(curves(plot).size(), 2);
        QCOMPARE(int(list[0]->dataSize()), 60);
        QCOMPARE(int(list[1]->dataSize()), 60);

        // Fewer points than allocated: only those are shown.
        plot.setPointCount(30);
        plot.updateData();
        QCOMPARE(int(list[0]->dataSize()), 30);
    }

    void destructionWithAndWithoutCurves()
    {
        // Runs under the address sanitizer: the arrays are freed exactly once, the curves
        // detached before the plot deletes its items.
        auto *withCurves = new CVorkWidgetPlotLine;
        fill(*withCurves);
        delete withCurves;

        auto *withoutCurves = new CVorkWidgetPlotLine;
        withoutCurves->setCurveCount(4);
        withoutCurves->setPointCount(10);
        delete withoutCurves;

        auto *empty = new CVorkWidgetPlotLine;
        empty->createCurves();  // zero curves, zero points
        empty->updateData();
        QVERIFY(empty->getCurveSize());
        delete empty;
    }
};

QTEST_MAIN(TestPlotLine)
#include "tst_plotline.moc"
