#ifndef CVORKSORTNASINFOPROXYMODEL_H
#define CVORKSORTNASINFOPROXYMODEL_H

#include <QSortFilterProxyModel>

// The finder's sort proxy, put between the table model and the view when no search runs. It
// orders the address column as IPv4 numbers and every other column by locale-aware text order.
class CVorkSortNasinfoProxyModel : public QSortFilterProxyModel
{
public:
    explicit CVorkSortNasinfoProxyModel(QObject *parent = nullptr);

    // The finder's row order, shared with the server-choice proxy: in column 1 both display
    // texts are read as IPv4 addresses (blanks around them ignored; empty or unparsable = 0) and
    // compared as unsigned numbers; in any other column the display texts, leading blank
    // included, are compared locale-aware.
    static bool nasinfoLessThan(const QModelIndex &left, const QModelIndex &right);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};

#endif // CVORKSORTNASINFOPROXYMODEL_H
