#ifndef CVORKWIDGETPLOTPIE_H
#define CVORKWIDGETPLOTPIE_H

#include <QString>
#include <QWidget>

class QHBoxLayout;
class QItemSelectionModel;
class QLabel;
class QSpacerItem;
class QStandardItemModel;
class QVBoxLayout;
class PieView;

// The fixed-size pie chart of one volume: a centred title above a PieView of a two-column slice
// model (column 0: label, colour and tool tip; column 1: value and tool tip). Rows are model rows
// counted from 0; rows are only ever added. The count, maximum and title accessors match those of
// the line chart so both kinds of chart are filled alike; apart from the slice count they are
// only stored.
class CVorkWidgetPlotPie : public QWidget
{
    Q_OBJECT

public:
    explicit CVorkWidgetPlotPie(QWidget *parent = nullptr);
    ~CVorkWidgetPlotPie() override;

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

    // The view redraws itself on model changes: these do nothing.
    void updateData();
    void updateAxes();

    bool getFlag() const;
    // Builds the slice model (twice the slice count of empty rows), the view and its selection.
    void createView();
    // Inserts one empty row at r for r = nFrom .. nTo - 1.
    void insertRows(int nFrom, int nTo);

    void setTitle(const QString &strTitle);
    QString getTitle() const;

    void setItemValue(int nPoint, double dValue, int nRow);
    void setItemLabel(int nRow, const QString &strText);
    void setItemColour(int nRow, const QString &strColour);
    void setItemToolTip(int nRow, const QString &strText);

private:
    void setupUi();

    bool m_bViewCreated;
    int m_nPointCount;
    int m_nMarkCount;
    int m_nCurveCount;
    int m_nXAxisMax;
    int m_nYAxisMax;
    int m_nXAxisStep;
    int m_nYAxisStep;
    QStandardItemModel *m_pModel;
    QItemSelectionModel *m_pSelectionModel;
    QVBoxLayout *verticalLayout;
    QHBoxLayout *m_phboxTitle;
    QLabel *m_plblTitle;
    QSpacerItem *m_pspcLeft;
    QSpacerItem *m_pspcRight;
    PieView *m_pView;
    QString m_strXAxisTitle;
    QString m_strYAxisTitle;
};

#endif // CVORKWIDGETPLOTPIE_H
