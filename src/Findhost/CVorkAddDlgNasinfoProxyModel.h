#ifndef CVORKADDDLGNASINFOPROXYMODEL_H
#define CVORKADDDLGNASINFOPROXYMODEL_H

#include <QSortFilterProxyModel>

#include "fhost.h"

class CVorkNasinfoModel;

// The server list of the resource-monitor and photo-upload profile wizards: the finder's table
// reduced to name, address, status and model, and to the servers that are Ready and able to run
// the wizard's service. With dynamic filtering on it follows the finder's table live.
//
// Use: construct with the mode, set the finder's model as source model, turn dynamic sorting and
// filtering on, pass the same model to setNasinfoModel, then put the proxy on the view.
class CVorkAddDlgNasinfoProxyModel : public QSortFilterProxyModel
{
public:
    enum MODE {
        MODE_RSRC_MON = 0,     // resource monitor
        MODE_PHOTO_UPLOAD = 1  // photo uploader
        // any other value lists no server
    };

    explicit CVorkAddDlgNasinfoProxyModel(int mode);

    // The finder's table model (not owned), through which the row filter reaches the map of
    // found servers. Set it before a view first asks for rows.
    void setNasinfoModel(CVorkNasinfoModel *pModel);

    // Capability of the first server (in key order) with the given dotted address; false for an
    // empty text or an unknown address. An unparsable text counts as address 0.
    bool isRsrcMonSupported(const QString &ipText) const;
    bool isPhotoUploadSupported(const QString &ipText) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    const NASINFO *recordOf(const QString &ipText) const;

    int m_mode;
    CVorkNasinfoModel *m_pNasinfoModel;
};

#endif // CVORKADDDLGNASINFOPROXYMODEL_H
