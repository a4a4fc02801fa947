#ifndef CQUENRSRCMONGRID_H
#define CQUENRSRCMONGRID_H

#include <QGroupBox>
#include <QString>

#include "ui_CQuenRsrcMonGrid.h"

// The frame around one chart of the resource-monitor page: a group box titled "<title> <legend>"
// that holds the chart widget above a small right-aligned unit label.
class CQuenRsrcMonGrid : public QGroupBox, public Ui::CQuenRsrcMonGrid
{
    Q_OBJECT

public:
    explicit CQuenRsrcMonGrid(QWidget *parent = nullptr);
    ~CQuenRsrcMonGrid() override;

    QWidget *getWidget() const;
    // Replaces the chart widget; the unit label is put back below it. The widget taken out is
    // neither deleted nor hidden.
    void setWidget(QWidget *pWidget);
    // Takes the chart widget and the unit label out of the layout and forgets the widget.
    void removeWidget();

    // Unit text under the chart; an empty text hides the label.
    void setUnitLabel(const QString &strText);
    void setTitle(const QString &strTitle);
    void setLegend(const QString &strLegend);
    void updateTitle();

private:
    QString m_strLegend;
    QString m_strTitle;
};

#endif // CQUENRSRCMONGRID_H
