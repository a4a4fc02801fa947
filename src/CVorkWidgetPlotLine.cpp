#include "CVorkWidgetPlotLine.h"

#include "TimeScaleDraw.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QSizePolicy>
#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>
#include <qwt_text.h>

CVorkWidgetPlotLine::CVorkWidgetPlotLine(QWidget *parent)
    : QwtPlot(parent)
    , m_bCurvesCreated(false)
    , m_nPointCount(0)
    , m_nMarkCount(0)
    , m_nCurveCount(0)
    , m_nXAxisMax(0)
    , m_nYAxisMax(0)
    , m_nXAxisStep(0)
    , m_nYAxisStep(0)
    , m_ppCurves(nullptr)
    , m_ppValues(nullptr)
    , m_pXValues(nullptr)
    , m_strXAxisTitle("")
    , m_strYAxisTitle("")
    , m_pTimeScale(nullptr)
    , m_nAllocCurves(0)
    , m_nAllocPoints(0)
{
    // Only updateData() redraws: a whole refresh costs one replot.
    setAutoReplot(false);

    setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    setFixedSize(249, 154);

    QFont font("Arial");
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    setAxisFont(QwtPlot::yLeft, font);
    setAxisFont(QwtPlot::xBottom, font);

    // The plot owns the scale draw once it is installed.
    m_pTimeScale = new TimeScaleDraw(m_nXAxisMax);
    setAxisScaleDraw(QwtPlot::xBottom, m_pTimeScale);

    plotLayout()->setAlignCanvasToScales(true);
}

CVorkWidgetPlotLine::~CVorkWidgetPlotLine()
{
    if (m_bCurvesCreated) {
        for (int i = 0; i < m_nAllocCurves; ++i) {
            delete m_ppCurves[i];  // detaches it from the plot
            m_ppCurves[i] = nullptr;
            delete[] m_ppValues[i];
            m_ppValues[i] = nullptr;
        }
        delete[] m_pXValues;
        delete[] m_ppValues;
        delete[] m_ppCurves;
    }
}

int CVorkWidgetPlotLine::getPointCount() const
{
    return m_nPointCount;
}

void CVorkWidgetPlotLine::setPointCount(int nCount)
{
    if (nCount < 0)
        return;
    m_nPointCount = nCount;
}

int CVorkWidgetPlotLine::getMarkCount() const
{
    return m_nMarkCount;
}

void CVorkWidgetPlotLine::setMarkCount(int nCount)
{
    if (nCount < 0)
        return;
    m_nMarkCount = nCount;
}

int CVorkWidgetPlotLine::getCurveCount() const
{
    return m_nCurveCount;
}

void CVorkWidgetPlotLine::setCurveCount(int nCount)
{
    if (nCount < 0)
        return;
    m_nCurveCount = nCount;
}

int CVorkWidgetPlotLine::getXAxisMax() const
{
    return m_nXAxisMax;
}

void CVorkWidgetPlotLine::setXAxisScale(int nMax, int nStep)
{
    if (nMax < 0)
        return;
    m_nXAxisMax = nMax;
    m_nXAxisStep = nStep;
}

int CVorkWidgetPlotLine::getYAxisMax() const
{
    return m_nYAxisMax;
}

void CVorkWidgetPlotLine::setYAxisScale(int nMax, int nStep)
{
    if (nMax < 0)
        return;
    m_nYAxisMax = nMax;
    m_nYAxisStep = nStep;
}

QString CVorkWidgetPlotLine::getXAxisTitle() const
{
    return m_strXAxisTitle;
}

void CVorkWidgetPlotLine::setXAxisTitle(const QString &strTitle)
{
    m_strXAxisTitle = strTitle;
}

QString CVorkWidgetPlotLine::getYAxisTitle() const
{
    return m_strYAxisTitle;
}

void CVorkWidgetPlotLine::setYAxisTitle(const QString &strTitle)
{
    m_strYAxisTitle = strTitle;
}

bool CVorkWidgetPlotLine::getCurveSize() const
{
    return m_bCurvesCreated;
}

void CVorkWidgetPlotLine::createCurves()
{
    // The arrays are allocated once; the owner asks getCurveSize() before calling this.
    if (m_bCurvesCreated)
        return;

    m_nAllocCurves = m_nCurveCount;
    m_nAllocPoints = m_nPointCount;

    m_ppCurves = new QwtPlotCurve *[m_nAllocCurves];
    m_ppValues = new double *[m_nAllocCurves];
    m_pXValues = new double[m_nAllocPoints];
    for (int i = 0; i < m_nAllocPoints; ++i)
        m_pXValues[i] = static_cast<double>(i);

    for (int c = 0; c < m_nAllocCurves; ++c) {
        m_ppValues[c] = new double[m_nAllocPoints];
        for (int i = 0; i < m_nAllocPoints; ++i)
            m_ppValues[c][i] = 0.0;

        QwtPlotCurve *pCurve = new QwtPlotCurve(QString(""));
        pCurve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
        pCurve->attach(this);
        m_ppCurves[c] = pCurve;
    }

    m_bCurvesCreated = true;
}

bool CVorkWidgetPlotLine::curvesMatch(int nCurves, int nPoints) const
{
    return !m_bCurvesCreated || (nCurves == m_nAllocCurves && nPoints == m_nAllocPoints);
}

void CVorkWidgetPlotLine::resetCurves()
{
    if (!m_bCurvesCreated)
        return;
    for (int c = 0; c < m_nAllocCurves; ++c) {
        for (int i = 0; i < m_nAllocPoints; ++i)
            m_ppValues[c][i] = 0.0;
        m_ppCurves[c]->setTitle(QString(""));
    }
}

QwtPlotCurve *CVorkWidgetPlotLine::curveAt(int nCurve) const
{
    if (nCurve < 1 || !m_bCurvesCreated || m_ppCurves == nullptr || nCurve > m_nAllocCurves)
        return nullptr;
    return m_ppCurves[nCurve - 1];
}

void CVorkWidgetPlotLine::setValue(int nPoint, double dValue, int nCurve)
{
    if (!m_bCurvesCreated)
        return;
    if (nCurve < 1 || nCurve > m_nAllocCurves || nPoint < 1 || nPoint > m_nAllocPoints)
        return;
    m_ppValues[nCurve - 1][nPoint - 1] = dValue;
}

void CVorkWidgetPlotLine::setCurveTitle(int nCurve, const QString &strTitle)
{
    QwtPlotCurve *pCurve = curveAt(nCurve);
    if (pCurve == nullptr)
        return;
    pCurve->setTitle(strTitle);
}

void CVorkWidgetPlotLine::setCurveColour(int nCurve, const QString &strColour)
{
    QColor colour;
    colour.setNamedColor(strColour);
    QwtPlotCurve *pCurve = curveAt(nCurve);
    if (pCurve == nullptr)
        return;
    pCurve->setPen(QPen(colour));
}

void CVorkWidgetPlotLine::updateAxes()
{
    setAxisTitle(QwtPlot::yLeft, m_strYAxisTitle);
    setAxisScale(QwtPlot::yLeft, 0.0, m_nYAxisMax, m_nYAxisStep);
    setAxisTitle(QwtPlot::xBottom, m_strXAxisTitle);
    setAxisScale(QwtPlot::xBottom, 0.0, m_nXAxisMax, m_nXAxisStep);
    if (m_pTimeScale != nullptr)
        m_pTimeScale->setMaximum(m_nXAxisMax);
}

void CVorkWidgetPlotLine::updateData()
{
    if (m_bCurvesCreated) {
        // A point count raised after createCurves() must not read past the arrays.
        int nPoints = m_nPointCount < m_nAllocPoints ? m_nPointCount : m_nAllocPoints;
        int nCurves = m_nCurveCount < m_nAllocCurves ? m_nCurveCount : m_nAllocCurves;
        for (int c = 0; c < nCurves; ++c)
            m_ppCurves[c]->setRawSamples(m_pXValues, m_ppValues[c], nPoints);
    }
    replot();
}
