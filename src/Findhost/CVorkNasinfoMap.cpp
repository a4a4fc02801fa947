#include "CVorkNasinfoMap.h"

#include <QtEndian>

#include "NasinfoText.h"

CVorkNasinfoMap::CVorkNasinfoMap()
{
}

CVorkNasinfoMap::~CVorkNasinfoMap()
{
    clear();
}

CVorkNasinfoMap::TKey CVorkNasinfoMap::keyOf(const NASINFO &nasInfo)
{
    return nasinfoText(nasInfo.szMac);
}

void CVorkNasinfoMap::insert(NASINFO *pnasInfo, bool replaceAlways)
{
    if (!pnasInfo)
        return;

    const TKey key = keyOf(*pnasInfo);
    TMap::iterator it = m_map.find(key);
    if (it == m_map.end()) {
        m_map.insert(key, pnasInfo);
        return;
    }

    NASINFO *stored = it.value();
    if (stored == pnasInfo)
        return; // the record is already the one stored: nothing to replace, nothing to free
    if (!replaceAlways && stored->ulConnected == 1 && pnasInfo->ulConnected != 1) {
        // A server whose web port answered keeps its record during a search.
        delete pnasInfo;
        return;
    }
    delete stored;
    it.value() = pnasInfo;
}

NASINFO *CVorkNasinfoMap::find(const TKey &key) const
{
    if (key.isEmpty())
        return nullptr;
    return m_map.value(key, nullptr);
}

NASINFO *CVorkNasinfoMap::findByIp(uint32_t hostAddr) const
{
    const uint32_t netAddr = qToBigEndian(hostAddr);
    for (const_iterator it = begin(); it != end(); ++it) {
        if (it.value()->ulIP == netAddr)
            return it.value();
    }
    return nullptr;
}

NASINFO *CVorkNasinfoMap::findByName(const QString &name) const
{
    for (const_iterator it = begin(); it != end(); ++it) {
        if (nasinfoText(it.value()->szServerName).compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return nullptr;
}

bool CVorkNasinfoMap::isSameServer(const NASINFO &a, const NASINFO &b)
{
    if (!nasinfoTextEmpty(a.szSN) && !nasinfoTextEmpty(b.szSN))
        return nasinfoTextEqual(a.szSN, b.szSN);
    return nasinfoTextEqual(a.szMac, b.szMac);
}

bool CVorkNasinfoMap::contains(const NASINFO &nasInfo) const
{
    for (const_iterator it = begin(); it != end(); ++it) {
        const NASINFO &stored = *it.value();
        if (nasinfoTextEqual(stored.szServerName, nasInfo.szServerName)
            && !isSameServer(stored, nasInfo))
            return true;
    }
    return false;
}

void CVorkNasinfoMap::clear()
{
    for (TMap::iterator it = m_map.begin(); it != m_map.end(); ++it)
        delete it.value();
    m_map.clear();
}
