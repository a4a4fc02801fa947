#include "CVorkNasinfoModel.h"

#include <QAbstractProxyModel>
#include <QHostAddress>
#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "CQuenWOL.h"
#include "CVorkWOL.h"
#include "CWOLConfig.h"
#include "ModelNames.h"
#include "NasinfoText.h"
#include "StringTable.h"

namespace {

// Finder cells start with one blank, headers with two.
const QString kBlank = QStringLiteral(" ");

bool inBothServiceBitmaps(const NASINFO *pnasInfo, int service)
{
    const uint64_t bit = uint64_t(1) << (service % 64);
    if (service / 64 == 0)
        return (pnasInfo->ullbmapSupport1 & bit) && (pnasInfo->ullbmapMask1 & bit);
    return (pnasInfo->ullbmapSupport2 & bit) && (pnasInfo->ullbmapMask2 & bit);
}

QString build4(uint32_t build)
{
    return QStringLiteral("%1").arg(build, 4, 10, QLatin1Char('0'));
}

} // namespace

CVorkNasinfoModel::CVorkNasinfoModel(QObject *parent)
    : QStandardItemModel(COL_COUNT, COL_COUNT, parent)
    , m_pNasinfoMap(nullptr)
    , m_pWOL(nullptr)
{
    static const int headers[COL_COUNT] = {
        IDS_LST_SERV_NAME,      IDS_LBL_IP,        IDS_LST_IP_STATUS,
        IDS_LST_SERV_STATUS,    IDS_LST_SERV_MAC_ADDR, IDS_ABOUT_VERSION,
        IDS_LST_SERV_MODEL,     IDS_LST_SERV_SERIAL_NO, IDS_WAKEUP_HEADER_STATUS,
    };
    for (int c = 0; c < COL_COUNT; ++c)
        setHeaderData(c, Qt::Horizontal, QStringLiteral("  ") + getString(headers[c]), Qt::EditRole);

    // The base turns every dataChanged into itemChanged for its own items, reading the index's
    // internal pointer as one of them. This model's indexes carry key texts instead, so that
    // connection must not run.
    const bool detached = QObject::disconnect(this, SIGNAL(dataChanged(QModelIndex,QModelIndex)), this,
                                              SLOT(_q_emitItemChanged(QModelIndex,QModelIndex)));
    if (!detached)
        qWarning("CVorkNasinfoModel: the base's item-change connection was not found");
}

CVorkNasinfoModel::~CVorkNasinfoModel()
{
}

void CVorkNasinfoModel::setNasinfoMap(CVorkNasinfoMap *pMap)
{
    if (!pMap)
        return;
    beginResetModel();
    m_pNasinfoMap = pMap;
    rebuildRows();
    endResetModel();
}

void CVorkNasinfoModel::setWOL(CQuenWOL *pWOL)
{
    if (pWOL)
        m_pWOL = pWOL;
}

uint32_t CVorkNasinfoModel::announcedMark(const NASINFO *pnasInfo)
{
    uint32_t v;
    std::memcpy(&v, pnasInfo->byReserved0 + 4, sizeof v);
    return v;
}

void CVorkNasinfoModel::setAnnouncedMark(NASINFO *pnasInfo, uint32_t value)
{
    std::memcpy(pnasInfo->byReserved0 + 4, &value, sizeof value);
}

const char *CVorkNasinfoModel::keyStorage(const CVorkNasinfoMap::TKey &key)
{
    // A MAC key holds Latin-1 characters only (it was read from bytes), so the round trip is exact.
    return m_keyStore.insert(key.toLatin1()).first->constData();
}

void CVorkNasinfoModel::rebuildRows()
{
    m_rows.clear();
    if (!m_pNasinfoMap)
        return;
    m_rows.reserve(m_pNasinfoMap->size());
    for (CVorkNasinfoMap::const_iterator it = m_pNasinfoMap->begin(); it != m_pNasinfoMap->end(); ++it) {
        m_rows.append(keyStorage(it.key()));
        setAnnouncedMark(it.value(), 1);
    }
}

QModelIndex CVorkNasinfoModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent) || parent.isValid() || !m_pNasinfoMap)
        return QModelIndex();
    return createIndex(row, column, const_cast<char *>(m_rows.at(row)));
}

QModelIndex CVorkNasinfoModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

QModelIndex CVorkNasinfoModel::sibling(int row, int column, const QModelIndex &) const
{
    return index(row, column, QModelIndex());
}

int CVorkNasinfoModel::rowCount(const QModelIndex &parent) const
{
    // A flat table: a cell has no children.
    if (parent.isValid())
        return 0;
    return m_rows.size();
}

int CVorkNasinfoModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return QStandardItemModel::columnCount();
}

bool CVorkNasinfoModel::hasChildren(const QModelIndex &parent) const
{
    return !parent.isValid();
}

Qt::ItemFlags CVorkNasinfoModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

QVariant CVorkNasinfoModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal)
        return QStandardItemModel::headerData(section, orientation, role);
    // Row numbers: the base keeps header items only for the rows it was built with.
    if (section < 0 || section >= rowCount())
        return QVariant();
    return QAbstractItemModel::headerData(section, orientation, role);
}

bool CVorkNasinfoModel::setData(const QModelIndex &, const QVariant &, int)
{
    return false;
}

QMap<int, QVariant> CVorkNasinfoModel::itemData(const QModelIndex &index) const
{
    return QAbstractItemModel::itemData(index);
}

bool CVorkNasinfoModel::setItemData(const QModelIndex &, const QMap<int, QVariant> &)
{
    return false;
}

bool CVorkNasinfoModel::insertRows(int, int, const QModelIndex &)
{
    return false;
}

bool CVorkNasinfoModel::removeRows(int, int, const QModelIndex &)
{
    return false;
}

void CVorkNasinfoModel::sort(int, Qt::SortOrder)
{
    // Rows keep the map's key order; sorting is the sort proxy's work.
}

QVariant CVorkNasinfoModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || !m_pNasinfoMap || index.row() < 0
        || index.column() < 0 || index.column() >= COL_COUNT)
        return QVariant();
    // The views ask for many roles per cell; only these two have values, and only they need the
    // record looked up.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const char *keyText = static_cast<const char *>(index.internalPointer());
    if (!keyText)
        return QVariant();
    const NASINFO *pnasInfo = m_pNasinfoMap->find(QString::fromLatin1(keyText));
    if (!pnasInfo)
        return QVariant();

    if (role == Qt::DisplayRole)
        return cellText(pnasInfo, index.column());
    if (role == Qt::ToolTipRole) {
        if (index.column() == COL_STATUS)
            return QString(kBlank + statusText(pnasInfo));
        if (index.column() == COL_MODEL)
            return QString(kBlank + nasinfoText(pnasInfo->szModelId));
    }
    return QVariant();
}

QString CVorkNasinfoModel::cellText(const NASINFO *pnasInfo, int column) const
{
    switch (column) {
    case COL_SERVER_NAME:
        return kBlank + nasinfoText(pnasInfo->szServerName);
    case COL_IP_ADDRESS:
        if (pnasInfo->ulIP == 0)
            return QString();
        return kBlank + QHostAddress(qFromBigEndian(pnasInfo->ulIP)).toString();
    case COL_IP_STATUS:
        if (pnasInfo->ulConfigured == FHOSTQC_OFF_LINE
            || pnasInfo->ulConfigured == FHOSTQC_CHECKING_PROGRESS)
            return QString();
        return kBlank + (pnasInfo->ulDHCP == 0 ? tr("Manual") : tr("DHCP"));
    case COL_STATUS:
        return kBlank + statusText(pnasInfo);
    case COL_MAC_ADDRESS:
        return kBlank + nasinfoText(pnasInfo->szMac).toUpper();
    case COL_VERSION:
        return kBlank + versionText(pnasInfo);
    case COL_MODEL:
        return kBlank + modelName(pnasInfo);
    case COL_SERIAL_NO:
        return kBlank + nasinfoText(pnasInfo->szSerialNum);
    case COL_WOL_STATUS:
        return wolStatusText(pnasInfo);
    default:
        return QString();
    }
}

QString CVorkNasinfoModel::statusText(const NASINFO *pnasInfo)
{
    if (!pnasInfo)
        return QString();
    static const int texts[] = {
        IDS_LST_SYS_UNCONFIG,         // 0 not configured
        IDS_LST_SYS_READY,            // 1 ready
        IDS_LST_SYS_UNINSTALL,        // 2 not installed
        IDS_LST_SYS_UPDATING,         // 3 upgrading
        IDS_LST_SYS_CRASH,            // 4 configuration lost
        IDS_LST_SYS_BOOTING,          // 5 booting
        IDS_LST_SYS_QUOTA_CHECKING,   // 6 checking quota (or the file system, below)
        IDS_LST_SYS_SERVICE_STARTING, // 7 starting services
        IDS_LST_SYS_NET_ERROR,        // 8 connection failed
        IDS_LST_SYS_MEM_TESTING,      // 9 memory test
        IDS_LST_SYS_NET_TESTING,      // 10 getting connection status
        IDS_LST_SYS_RECOVERABLE,      // 11 recoverable
        IDS_WAKEUP_OFF_LINE,          // 12 off-line
        IDS_LST_SYS_CHECKING_PROGRESS, // 13 check progress
        IDS_LST_SYS_MIGRAT,           // 14 migratable
    };
    const uint32_t state = pnasInfo->ulConfigured;
    if (state > FHOSTQC_MIGRATABLE)
        return QString();
    if (state == FHOSTQC_QUOTA_CHECKING) {
        // A server that can skip its file-system check reports the minutes left in ulProgress.
        if (inBothServiceBitmaps(pnasInfo, FHOST_SERVICE_FSCK_SKIP))
            return getString(IDS_LST_SYS_FSCK).arg(QString::number(pnasInfo->ulProgress));
        return getString(IDS_LST_SYS_QUOTA_CHECKING);
    }
    if (state == FHOSTQC_MEM_TESTING) {
        // ulProgress holds the percentage times 100, so the fraction always has two digits:
        // 1205 is 12.05 %, not 12.5 %.
        return getString(IDS_LST_SYS_MEM_TESTING)
            .arg(QString::number(pnasInfo->ulProgress / 100),
                 QStringLiteral("%1").arg(pnasInfo->ulProgress % 100, 2, 10, QLatin1Char('0')));
    }
    return getString(texts[state]);
}

QString CVorkNasinfoModel::versionText(const NASINFO *pnasInfo)
{
    if (!pnasInfo)
        return QString();
    if (!nasinfoTextEmpty(pnasInfo->szVersion)) {
        QString text = nasinfoText(pnasInfo->szVersion) + QLatin1Char('-') + build4(pnasInfo->ulBuild);
        if (pnasInfo->ulUpdate != 0)
            text += kBlank + tr("update %1").arg(pnasInfo->ulUpdate);
        return text;
    }
    if (pnasInfo->ulConfigured == FHOSTQC_OFF_LINE || pnasInfo->ulConfigured == FHOSTQC_CHECKING_PROGRESS)
        return QString();
    // Servers that send no version text: the system line follows from the build number.
    const uint32_t build = pnasInfo->ulBuild;
    const char *line = build > 1104 ? "2.3-" : build >= 881 ? "2.2-" : build >= 808 ? "2.1-" : "2.0-";
    return QLatin1String(line) + build4(build);
}

QString CVorkNasinfoModel::modelName(const NASINFO *pnasInfo)
{
    if (!pnasInfo)
        return QString();
    if (!nasinfoTextEmpty(pnasInfo->szModelName))
        return nasinfoText(pnasInfo->szModelName);
    const char *name = findModelDisplayName(nasinfoBytes(pnasInfo->szModelId).constData());
    return name ? QString::fromUtf8(name) : QString();
}

QString CVorkNasinfoModel::wolStatusText(const NASINFO *pnasInfo) const
{
    const QString none = QStringLiteral(" --");
    // Without a manager no host is registered.
    if (!pnasInfo || !m_pWOL)
        return none;
    const QString mac = nasinfoText(pnasInfo->szMac);
    if (!m_pWOL->contains(mac))
        return none;
    const QString wol = kBlank + getString(IDS_WAKEUP_MENU_WOL);
    if (pnasInfo->ulWOLSupport != 0)
        return wol;
    const CVorkWOL *job = m_pWOL->getWOL(mac);
    const CWOLConfig *config = m_pWOL->getWOLConfig(mac);
    if (!job)
        return wol;
    switch (job->getStatus()) {
    case CVorkWOL::STATUS_OFF_LINE:
        if (config && config->getNetwork() == 0)
            return kBlank + getString(IDS_WAKEUP_STATUS_OFF);
        if (config && config->getNetwork() == 1)
            return kBlank + getString(IDS_WAKEUP_STATUS_NA);
        return wol;
    case CVorkWOL::STATUS_WAITING: {
        const qint64 timeout = job->getTimeout();
        const qint64 percent = timeout > 0 ? qint64(job->getElapsed()) * 100 / timeout : 100;
        return kBlank + getString(IDS_NI_TREE_PROGRESS) + getString(IDS_COMMON_COLON) + kBlank
               + QString::number(percent) + QLatin1Char('%');
    }
    case CVorkWOL::STATUS_TIMED_OUT:
        return kBlank + getString(IDS_WAKEUP_STATUS_NA);
    default:
        return wol;
    }
}

bool CVorkNasinfoModel::findSingleSetupCandidate(QModelIndex &index)
{
    if (!m_pNasinfoMap || m_pNasinfoMap->isEmpty())
        return false;
    CVorkNasinfoMap::TKey found;
    bool haveOne = false;
    for (CVorkNasinfoMap::const_iterator it = m_pNasinfoMap->begin(); it != m_pNasinfoMap->end(); ++it) {
        const uint32_t state = it.value()->ulConfigured;
        // Not configured, not installed, configuration lost, connection failed.
        if (state >= 9 || !((0x115u >> state) & 1u))
            continue;
        if (haveOne) {
            index = QModelIndex();
            return false;
        }
        haveOne = true;
        found = it.key();
    }
    if (!haveOne)
        return false;
    int row = rowOfKey(found);
    if (row < 0) {
        insertNewRows();
        row = rowOfKey(found);
    }
    index = row < 0 ? QModelIndex() : this->index(row, 0);
    return row >= 0;
}

int CVorkNasinfoModel::rowOfKey(const CVorkNasinfoMap::TKey &key) const
{
    for (int r = 0; r < m_rows.size(); ++r) {
        if (key == QLatin1String(m_rows.at(r)))
            return r;
    }
    return -1;
}

CVorkNasinfoMap::TKey CVorkNasinfoModel::keyOf(const QModelIndex &index)
{
    QModelIndex idx = index;
    // Step down through proxies to the table model.
    for (int depth = 0; depth < 8 && idx.isValid(); ++depth) {
        const QAbstractProxyModel *proxy = qobject_cast<const QAbstractProxyModel *>(idx.model());
        if (!proxy)
            break;
        idx = proxy->mapToSource(idx);
    }
    if (!idx.isValid() || !qobject_cast<const CVorkNasinfoModel *>(idx.model()))
        return CVorkNasinfoMap::TKey();
    const char *keyText = static_cast<const char *>(idx.internalPointer());
    return keyText ? QString::fromLatin1(keyText) : CVorkNasinfoMap::TKey();
}

void CVorkNasinfoModel::refreshRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    emit dataChanged(index(row, 0), index(row, COL_COUNT - 1));
}

void CVorkNasinfoModel::refreshAllRows()
{
    if (!m_pNasinfoMap || (m_pNasinfoMap->isEmpty() && m_rows.isEmpty()))
        return;
    beginResetModel();
    rebuildRows();
    endResetModel();
}

void CVorkNasinfoModel::insertNewRows()
{
    if (!m_pNasinfoMap)
        return;

    // Rows whose key has left the map.
    for (int r = m_rows.size() - 1; r >= 0; --r) {
        if (!m_pNasinfoMap->containsKey(QString::fromLatin1(m_rows.at(r)))) {
            beginRemoveRows(QModelIndex(), r, r);
            m_rows.remove(r);
            endRemoveRows();
        }
    }

    // The announced keys are now an ordered subsequence of the map's keys: walk both together and
    // announce the missing keys at their positions. Neighbours go in one notification: a search
    // that found a thousand servers inserts them as one block, which the views take at once.
    int pos = 0;
    CVorkNasinfoMap::const_iterator it = m_pNasinfoMap->begin();
    const CVorkNasinfoMap::const_iterator end = m_pNasinfoMap->end();
    QVector<const char *> run;
    while (it != end) {
        if (pos < m_rows.size() && it.key() == QLatin1String(m_rows.at(pos))) {
            setAnnouncedMark(it.value(), 1);
            ++it;
            ++pos;
            continue;
        }
        // Keys up to the next announced one (m_rows[pos]) or the end are new.
        run.clear();
        while (it != end && (pos >= m_rows.size() || it.key() != QLatin1String(m_rows.at(pos)))) {
            run.append(keyStorage(it.key()));
            setAnnouncedMark(it.value(), 1);
            ++it;
        }
        beginInsertRows(QModelIndex(), pos, pos + run.size() - 1);
        m_rows.insert(pos, run.size(), nullptr);
        std::copy(run.constBegin(), run.constEnd(), m_rows.begin() + pos);
        endInsertRows();
        pos += run.size();
    }

    // Records replaced under a known key, and states changed in place, show at once.
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows.size() - 1, COL_COUNT - 1));
}
