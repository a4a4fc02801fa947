#ifndef CVORKWIDGETPLOTLINE_H
#define CVORKWIDGETPLOTLINE_H

#include <QString>
#include <qwt_plot.h>

class QwtPlotCurve;
class TimeScaleDraw;

// A small fixed-size line chart of the resource-monitor page: one curve per series, all curves
// sharing one array of x values (the sample numbers 0, 1, 2, ...). The owner sets the counts and
// axis maxima, creates the curves once, writes the samples in place, and asks for one redraw.
//
// Curve and point numbers of this interface count from 1. The sample arrays are sized once by
// createCurves(); numbers outside what was allocated then are ignored, and updateData() never
// hands a curve more samples than its array holds.
class CVorkWidgetPlotLine : public QwtPlot
{
    Q_OBJECT

public:
    explicit CVorkWidgetPlotLine(QWidget *parent = nullptr);
    ~CVorkWidgetPlotLine() override;

    int getPointCount() const;
    void setPointCount(int nCount);
    int getMarkCount() const;
    void setMarkCount(int nCount);
    int getCurveCount() const;
    void setCurveCount(int nCount);

    int getXAxisMax() const;
    void setXAxisScale(int nMax, int nStep);
    int getYAxisMax() const;
    void setYAxisScale(int nMax, int nStep);

    QString getXAxisTitle() const;
    void setXAxisTitle(const QString &strTitle);
    QString getYAxisTitle() const;
    void setYAxisTitle(const QString &strTitle);

    bool getCurveSize() const;
    void createCurves();
    // Whether the curves made by createCurves() are exactly `nCurves` curves of `nPoints` points;
    // always true before they are made.
    bool curvesMatch(int nCurves, int nPoints) const;
    // Every sample back to 0 and every curve title empty, as createCurves() leaves them.
    void resetCurves();

    void setValue(int nPoint, double dValue, int nCurve);
    void setCurveTitle(int nCurve, const QString &strTitle);
    void setCurveColour(int nCurve, const QString &strColour);

    // Axis titles and scales from the stored fields; no redraw. Hides QwtPlot::updateAxes(),
    // which replot() still runs to lay the axes out.
    void updateAxes();
    // Hands every curve its sample arrays, then redraws.
    void updateData();

private:
    // The curve for a 1-based curve number, or null when there is none.
    QwtPlotCurve *curveAt(int nCurve) const;

    bool m_bCurvesCreated;
    int m_nPointCount;
    int m_nMarkCount;
    int m_nCurveCount;
    int m_nXAxisMax;
    int m_nYAxisMax;
    int m_nXAxisStep;
    int m_nYAxisStep;
    QwtPlotCurve **m_ppCurves;
    double **m_ppValues;
    double *m_pXValues;
    QString m_strXAxisTitle;
    QString m_strYAxisTitle;
    TimeScaleDraw *m_pTimeScale;
    // Counts the arrays were allocated with by createCurves().
    int m_nAllocCurves;
    int m_nAllocPoints;
};

#endif // CVORKWIDGETPLOTLINE_H
