#ifndef CVORKNASINFOMODEL_H
#define CVORKNASINFOMODEL_H

#include <QStandardItemModel>
#include <QVector>
#include <set>

#include "CVorkNasinfoMap.h"
#include "fhost.h"

class CQuenWOL;

// The finder's nine-column table of found servers. It stores no cells: every cell is computed on
// demand from the record that the map of found servers holds now under the row's key, and the
// Wake-on-LAN column also asks the Wake-on-LAN manager.
//
// Rows follow the map in key order. The model keeps the ordered list of keys it has announced to
// its views; the map changes first (search answers are inserted by the finder page) and the model
// announces the difference when told (insertNewRows on each search tick, refreshAllRows when a
// search starts), so every change of the row count reaches views and proxies as a proper
// notification. A row whose key has left the map shows invalid cells until then.
//
// An index carries, as its internal pointer, the row's key: a NUL-terminated MAC text in storage
// owned by the model for its whole life, so an index kept by a view or a proxy never points into a
// record the map has deleted. keyOf() reads it back.
class CVorkNasinfoModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum COLUMN {
        COL_SERVER_NAME = 0,
        COL_IP_ADDRESS = 1,
        COL_IP_STATUS = 2,
        COL_STATUS = 3,
        COL_MAC_ADDRESS = 4,
        COL_VERSION = 5,
        COL_MODEL = 6,
        COL_SERIAL_NO = 7,
        COL_WOL_STATUS = 8,
        COL_COUNT = 9
    };

    explicit CVorkNasinfoModel(QObject *parent = nullptr);
    ~CVorkNasinfoModel() override;

    // The map of found servers (not owned). A null pointer is ignored. Setting a map shows its
    // entries at once (a model reset) and marks them announced.
    void setNasinfoMap(CVorkNasinfoMap *pMap);
    CVorkNasinfoMap *getNasinfoMap() const { return m_pNasinfoMap; }
    // The Wake-on-LAN manager (not owned) that the WOL column asks. A null pointer is ignored.
    void setWOL(CQuenWOL *pWOL);
    CQuenWOL *getWOL() const { return m_pWOL; }

    using QObject::parent;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex &idx) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cells are computed, never stored: the base's item storage is not used for rows, so its
    // editing, item-data, row and sorting operations are refused here (they would read this
    // model's indexes as the base's items).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QMap<int, QVariant> itemData(const QModelIndex &index) const override;
    bool setItemData(const QModelIndex &index, const QMap<int, QVariant> &roles) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The texts of a server's status, version, Wake-on-LAN state and model, without the table's
    // leading blank (except wolStatusText, whose texts carry it). Empty for a null record
    // (" --" for the WOL text).
    static QString statusText(const NASINFO *pnasInfo);
    static QString versionText(const NASINFO *pnasInfo);
    static QString modelName(const NASINFO *pnasInfo);
    QString wolStatusText(const NASINFO *pnasInfo) const;

    // The finder's automatic Connect: true when exactly one server in state 0, 2, 4 or 8 is in the
    // map, with `index` set to its row (column 0). A second candidate sets `index` invalid and
    // gives false; no candidate gives false and leaves `index` as it was. A candidate not yet
    // shown is announced first, so the index is always a row the views know.
    bool findSingleSetupCandidate(QModelIndex &index);

    // Makes the views re-read one row (its nine cells); the row stays, so does its selection.
    void refreshRow(int row);
    // Rebuilds the table from the map (a model reset) and marks every record announced.
    void refreshAllRows();
    // Announces the rows of records added to the map since the last announcement, each at its
    // position, drops rows whose key has left the map, marks every record announced and makes
    // the views re-read every row (replaced records and changed states show at once).
    void insertNewRows();

    // The row of a key, or -1.
    int rowOfKey(const CVorkNasinfoMap::TKey &key) const;
    // The server key of an index of this model, or of a proxy stacked on it; empty when the
    // index does not lead to this kind of model.
    static CVorkNasinfoMap::TKey keyOf(const QModelIndex &index);

    // The row-announced mark kept in the second word of the record's leading reserved bytes.
    static uint32_t announcedMark(const NASINFO *pnasInfo);
    static void setAnnouncedMark(NASINFO *pnasInfo, uint32_t value);

private:
    const char *keyStorage(const CVorkNasinfoMap::TKey &key);
    void rebuildRows();
    QString cellText(const NASINFO *pnasInfo, int column) const;

    CVorkNasinfoMap *m_pNasinfoMap;
    CQuenWOL *m_pWOL;
    // Announced rows in order: pointers into m_keyStore.
    QVector<const char *> m_rows;
    // Every key the model has handed out, NUL-terminated; kept for the model's whole life so that
    // indexes held elsewhere never dangle.
    std::set<QByteArray> m_keyStore;
};

#endif // CVORKNASINFOMODEL_H
