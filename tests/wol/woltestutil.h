// Shared helpers of the Wake-on-LAN tests: a stand-in packet source with the discovery thread's
// signal, search-answer records, and collectors for debug lines and discovery-library lines.
#ifndef WOLTESTUTIL_H
#define WOLTESTUTIL_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstring>

#include "fhost.h"

// Emits signalRecvPkt(NASINFO) on request, like the discovery thread does for every record.
class FakePacketSource : public QObject
{
    Q_OBJECT
public:
    void deliver(const NASINFO &nasInfo) { emit signalRecvPkt(nasInfo); }
    int receiverCount() const { return receivers(SIGNAL(signalRecvPkt(NASINFO))); }
signals:
    void signalRecvPkt(NASINFO nasInfo);
};

// A received record of the given packet type from the given MAC text.
inline NASINFO answerFrom(const char *mac, uint32_t type)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = type;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    return n;
}

// Qt debug lines written while an instance lives.
class DebugLines
{
public:
    DebugLines();
    ~DebugLines();
    QStringList lines() const;
    bool contains(const QString &part) const;
};

// Level-1 lines of the program's discovery-library log context while an instance lives.
class LibraryLines
{
public:
    LibraryLines();
    ~LibraryLines();
    QStringList lines() const;
    bool contains(const QString &part) const;
};

// The magic packet of 02:1a:2b:3c:4d:5e, typed out: six 0xFF, then the MAC sixteen times.
inline QByteArray goldenMagicPacket()
{
    return QByteArray::fromHex(
        "ffffffffffff"
        "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e"
        "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e"
        "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e"
        "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e" "021a2b3c4d5e");
}

#endif // WOLTESTUTIL_H
