#include <QtTest>

#include <QDir>
#include <QImage>
#include <QWidget>
#include <cmath>

#include "CQuenRsrcMonGrid.h"
#include "CVorkWidgetPlotLine.h"
#include "CVorkWidgetPlotPie.h"
#include "HangGuard.h"

// Fills one line chart and one pie chart as the resource-monitor page does, puts each into its
// frame and writes pictures of both into "chart-review/" under the test's working directory.
class TestChartReview : public QObject
{
    Q_OBJECT

private:
    static int countColour(const QImage &image, const QColor &colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) < 40 &&
                    std::abs(c.green() - colour.green()) < 40 &&
                    std::abs(c.blue() - colour.blue()) < 40)
                    ++n;
            }
        return n;
    }

private slots:
    void grabChartsInFrames()
    {
        QVERIFY(QDir().mkpath("chart-review"));

        QWidget page;
        page.resize(600, 300);

        auto *lineFrame = new CQuenRsrcMonGrid(&page);
        lineFrame->move(10, 10);
        auto *line = new CVorkWidgetPlotLine;
        line->setPointCount(61);
        line->setXAxisScale(60, 12);
        line->setYAxisScale(100, 25);
        line->setCurveCount(2);
        line->createCurves();
        line->setCurveColour(1, "#e03030");
        line->setCurveTitle(1, "User");
        line->setCurveColour(2, "#3060e0");
        line->setCurveTitle(2, "System");
        for (int p = 1; p <= 61; ++p) {
            line->setValue(p, 40.0 + 30.0 * std::sin(p / 6.0), 1);
            line->setValue(p, 10.0 + 5.0 * std::cos(p / 4.0), 2);
        }
        line->updateAxes();
        line->updateData();
        lineFrame->setLegend("(%)");
        lineFrame->setWidget(line);
        lineFrame->setTitle("CPU");
        lineFrame->setUnitLabel("(minutes)");
        line->show();

        auto *pieFrame = new CQuenRsrcMonGrid(&page);
        pieFrame->move(300, 10);
        auto *pie = new CVorkWidgetPlotPie;
        pie->setCurveCount(2);
        pie->createView();
        pie->setItemValue(0, 120.0, 1);
        pie->setItemColour(1, "#e03030");
        pie->setItemLabel(1, "Used");
        pie->setItemToolTip(1, "120 GB");
        pie->setItemValue(0, 380.0, 2);
        pie->setItemColour(2, "#30a030");
        pie->setItemLabel(2, "Free");
        pie->setItemToolTip(2, "380 GB");
        pie->setTitle("Volume 1");
        pieFrame->setWidget(pie);
        pieFrame->setTitle("Volume");
        pieFrame->setUnitLabel("");
        pie->show();

        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        lineFrame->adjustSize();
        pieFrame->adjustSize();

        const QImage lineImage = lineFrame->grab().toImage();
        const QImage pieImage = pieFrame->grab().toImage();
        QVERIFY(lineImage.save("chart-review/line-chart-in-frame.png"));
        QVERIFY(pieImage.save("chart-review/pie-chart-in-frame.png"));
        qInfo("review pictures written to %s",
              qPrintable(QDir("chart-review").absolutePath()));

        QCOMPARE(lineFrame->title(), QString("CPU (%)"));
        QVERIFY(countColour(lineImage, QColor("#e03030")) > 40);
        QVERIFY(countColour(lineImage, QColor("#3060e0")) > 40);
        QVERIFY(countColour(pieImage, QColor("#e03030")) > 500);
        QVERIFY(countColour(pieImage, QColor("#30a030")) > 1500);
    }
};

QTEST_MAIN(TestChartReview)
#include "tst_chartreview.moc"
