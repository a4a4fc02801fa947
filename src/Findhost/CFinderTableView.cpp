#include "CFinderTableView.h"

CFinderTableView::CFinderTableView(QWidget *parent)
    : QTableView(parent)
{
}

void CFinderTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit signalMouseDoubleClicked();
    QTableView::mouseDoubleClickEvent(event);
}

void CFinderTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    emit signalFinderCurChanged();
    QTableView::currentChanged(current, previous);
}
