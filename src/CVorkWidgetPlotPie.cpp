#include "CVorkWidgetPlotPie.h"

#include "PieView.h"

#include <QColor>
#include <QFont>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSizePolicy>
#include <QSpacerItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

CVorkWidgetPlotPie::CVorkWidgetPlotPie(QWidget *parent)
    : QWidget(parent)
    , m_bViewCreated(false)
    , m_nPointCount(0)
    , m_nMarkCount(0)
    , m_nCurveCount(0)
    , m_nXAxisMax(0)
    , m_nYAxisMax(0)
    , m_nXAxisStep(0)
    , m_nYAxisStep(0)
    , m_pModel(nullptr)
    , m_pSelectionModel(nullptr)
    , verticalLayout(nullptr)
    , m_phboxTitle(nullptr)
    , m_plblTitle(nullptr)
    , m_pspcLeft(nullptr)
    , m_pspcRight(nullptr)
    , m_pView(nullptr)
    , m_strXAxisTitle("")
    , m_strYAxisTitle("")
{
    setupUi();
    setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    setFixedSize(249, 154);
}

CVorkWidgetPlotPie::~CVorkWidgetPlotPie()
{
}

void CVorkWidgetPlotPie::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QString::fromUtf8("CVorkWidgetPlotPie"));

    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QString::fromUtf8("verticalLayout"));

    // Title row: the label between two expanding spacers, so the title stays centred.
    m_phboxTitle = new QHBoxLayout();
    m_phboxTitle->setObjectName(QString::fromUtf8("m_phboxTitle"));
    m_pspcLeft = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_phboxTitle->addItem(m_pspcLeft);
    m_plblTitle = new QLabel(this);
    m_plblTitle->setObjectName(QString::fromUtf8("m_plblTitle"));
    m_phboxTitle->addWidget(m_plblTitle);
    m_pspcRight = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_phboxTitle->addItem(m_pspcRight);

    verticalLayout->addLayout(m_phboxTitle);
}

int CVorkWidgetPlotPie::getPointCount() const
{
    return m_nPointCount;
}

void CVorkWidgetPlotPie::setPointCount(int nCount)
{
    if (nCount < 0)
        return;
    m_nPointCount = nCount;
}

int CVorkWidgetPlotPie::getMarkCount() const
{
    return m_nMarkCount;
}

void CVorkWidgetPlotPie::setMarkCount(int nCount)
{
    if (nCount < 0)
        return;
    m_nMarkCount = nCount;
}

int CVorkWidgetPlotPie::getCurveCount() const
{
    return m_nCurveCount;
}

void CVorkWidgetPlotPie::setCurveCount(int nCount)
{
    if (nCount < 0)
        return;
    m_nCurveCount = nCount;
}

int CVorkWidgetPlotPie::getXAxisMax() const
{
    return m_nXAxisMax;
}

void CVorkWidgetPlotPie::setXAxisScale(int nMax, int nStep)
{
    if (nMax < 0)
        return;
    m_nXAxisMax = nMax;
    m_nXAxisStep = nStep;
}

int CVorkWidgetPlotPie::getYAxisMax() const
{
    return m_nYAxisMax;
}

void CVorkWidgetPlotPie::setYAxisScale(int nMax, int nStep)
{
    if (nMax < 0)
        return;
    m_nYAxisMax = nMax;
    m_nYAxisStep = nStep;
}

QString CVorkWidgetPlotPie::getXAxisTitle() const
{
    return m_strXAxisTitle;
}

void CVorkWidgetPlotPie::setXAxisTitle(const QString &strTitle)
{
    m_strXAxisTitle = strTitle;
}

QString CVorkWidgetPlotPie::getYAxisTitle() const
{
    return m_strYAxisTitle;
}

void CVorkWidgetPlotPie::setYAxisTitle(const QString &strTitle)
{
    m_strYAxisTitle = strTitle;
}

void CVorkWidgetPlotPie::updateData()
{
}

void CVorkWidgetPlotPie::updateAxes()
{
}

bool CVorkWidgetPlotPie::getFlag() const
{
    return m_bViewCreated;
}

void CVorkWidgetPlotPie::createView()
{
    // Built once; the owner asks getFlag() first.
    if (m_bViewCreated)
        return;

    m_pModel = new QStandardItemModel(m_nCurveCount, 2, this);

    m_pView = new PieView();
    m_pView->setModel(m_pModel);
    verticalLayout->addWidget(m_pView);

    m_pSelectionModel = new QItemSelectionModel(m_pModel, m_pModel);
    m_pView->setSelectionModel(m_pSelectionModel);

    for (int row = 0; row < m_nCurveCount; ++row)
        m_pModel->insertRows(row, 1, QModelIndex());

    m_bViewCreated = true;
}

void CVorkWidgetPlotPie::insertRows(int nFrom, int nTo)
{
    if (m_pModel == nullptr)
        return;
    for (int row = nFrom; row < nTo; ++row)
        m_pModel->insertRows(row, 1, QModelIndex());
}

void CVorkWidgetPlotPie::setTitle(const QString &strTitle)
{
    m_plblTitle->setText(strTitle);
    m_phboxTitle->setEnabled(!strTitle.isEmpty());
}

QString CVorkWidgetPlotPie::getTitle() const
{
    return m_plblTitle->text();
}

void CVorkWidgetPlotPie::setItemValue(int, double dValue, int nRow)
{
    if (nRow < 0 || m_pModel == nullptr)
        return;
    QFont font("Arial");
    font.setPixelSize(10);
    font.setWeight(QFont::Normal);
    m_pModel->setData(m_pModel->index(nRow, 1, QModelIndex()), dValue, Qt::EditRole);
    m_pModel->setData(m_pModel->index(nRow, 1, QModelIndex()), font, Qt::FontRole);
}

void CVorkWidgetPlotPie::setItemLabel(int nRow, const QString &strText)
{
    if (nRow < 0 || m_pModel == nullptr)
        return;
    m_pModel->setData(m_pModel->index(nRow, 0, QModelIndex()), strText, Qt::EditRole);
}

void CVorkWidgetPlotPie::setItemColour(int nRow, const QString &strColour)
{
    if (nRow < 0 || m_pModel == nullptr)
        return;
    QColor colour;
    colour.setNamedColor(strColour);
    m_pModel->setData(m_pModel->index(nRow, 0, QModelIndex()), colour, Qt::DecorationRole);
}

void CVorkWidgetPlotPie::setItemToolTip(int nRow, const QString &strText)
{
    if (nRow < 0 || m_pModel == nullptr)
        return;
    m_pModel->setData(m_pModel->index(nRow, 1, QModelIndex()), strText, Qt::ToolTipRole);
    m_pModel->setData(m_pModel->index(nRow, 0, QModelIndex()), strText, Qt::ToolTipRole);
}
