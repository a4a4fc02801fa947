#ifndef CFINDERTABLEVIEW_H
#define CFINDERTABLEVIEW_H

#include <QTableView>

// The finder's table view: tells the finder page about double clicks and changes of the current
// row before handling them as usual. The page reads the selection itself.
class CFinderTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CFinderTableView(QWidget *parent = nullptr);

signals:
    void signalMouseDoubleClicked();
    void signalFinderCurChanged();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

protected slots:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};

#endif // CFINDERTABLEVIEW_H
