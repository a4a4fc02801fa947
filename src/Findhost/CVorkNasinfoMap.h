#ifndef CVORKNASINFOMAP_H
#define CVORKNASINFOMAP_H

#include <QMap>
#include <QString>
#include <cstdint>

#include "fhost.h"

// The one store of servers known to the program: the latest record of every server that
// answered the current search, plus the rows the program adds itself (registered Wake-on-LAN
// hosts shown off-line, servers under installation shown "Check progress"). Records are keyed by
// their MAC text and kept in key order, which is also the row order of the finder's table.
//
// Every stored record is a heap copy owned by the map. A record enters only through insert(),
// which takes ownership whether it stores the record or not. A pointer returned by a lookup stays
// valid until the next insert under the same key or the next clear(); use it at once.
//
// GUI thread only.
class CVorkNasinfoMap
{
public:
    // A server's key: its szMac bytes read as Latin-1 up to their NUL.
    typedef QString TKey;
    typedef QMap<TKey, NASINFO *> TMap;
    typedef TMap::const_iterator const_iterator;

    CVorkNasinfoMap();
    ~CVorkNasinfoMap();

    // Stores the record under its MAC key. With replaceAlways false, a stored record that passed
    // the web-port test (ulConnected 1) is kept against a new one without that mark (the new one
    // is deleted); in every other case the stored record is deleted and the new one takes its
    // place. A null record is ignored.
    void insert(NASINFO *pnasInfo, bool replaceAlways);

    // Exact key lookup; an empty key gives null.
    NASINFO *find(const TKey &key) const;
    // First record in key order whose ulIP is the address (given in host byte order).
    NASINFO *findByIp(uint32_t hostAddr) const;
    // First record in key order whose server name equals the name, ignoring case.
    NASINFO *findByName(const QString &name) const;
    // True when another unit (not the same server) already carries the record's server name.
    bool contains(const NASINFO &nasInfo) const;
    // Unit identity: equal serial numbers when both have one, else equal MAC texts.
    static bool isSameServer(const NASINFO &a, const NASINFO &b);

    // Deletes every record.
    void clear();

    // The key of a record (its szMac text).
    static TKey keyOf(const NASINFO &nasInfo);

    // Entry walk in key order.
    int size() const { return m_map.size(); }
    bool isEmpty() const { return m_map.isEmpty(); }
    bool containsKey(const TKey &key) const { return m_map.contains(key); }
    const_iterator begin() const { return m_map.constBegin(); }
    const_iterator end() const { return m_map.constEnd(); }
    QList<TKey> keys() const { return m_map.keys(); }

private:
    // The records are owned; a copy would delete them twice.
    CVorkNasinfoMap(const CVorkNasinfoMap &) = delete;
    CVorkNasinfoMap &operator=(const CVorkNasinfoMap &) = delete;

    TMap m_map;
};

#endif // CVORKNASINFOMAP_H
