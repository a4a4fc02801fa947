// Bed-side helpers of the discovery-thread tests: a receiver that lives on the GUI thread,
// bounded waits that keep the event loop running, the listeners on a UDP port of this
// namespace, and the simulated server's capture read as items.
#ifndef FINDHOSTBED_H
#define FINDHOSTBED_H

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QThread>

#include <functional>

#include "findhosttest.h"
#include "netnsbed.h"

namespace fht {

// Collects every record it is given and notes whether one came on another thread.
class Collector : public QObject
{
    Q_OBJECT
public:
    QList<NASINFO> records;
    bool offGuiThread = false;

    void clear() { records.clear(); }
    QList<NASINFO> ofType(uint32_t type) const
    {
        QList<NASINFO> out;
        for (const NASINFO &n : records)
            if (n.ulPacketType == type)
                out << n;
        return out;
    }
    // The first record of the type from the MAC, or null. The client's own commands come back
    // to its listener as well (with the same type and target MAC); only requests carry 120 in
    // 0xa6, so those are left out.
    const NASINFO *find(uint32_t type, const char *mac) const
    {
        for (const NASINFO &n : records)
            if (n.ulPacketType == type && qstrcmp(n.szMac, mac) == 0 && n.ulFieldA6 != 120)
                return &n;
        return nullptr;
    }

public slots:
    void take(NASINFO nasInfo)
    {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            offGuiThread = true;
        records << nasInfo;
    }
};

// Runs the event loop until the condition holds or `ms` are up.
inline bool comesWithin(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

// Runs the event loop until the condition holds or the hang guard (tsup::guardMs(timeoutMs)) is up.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    return comesWithin(condition, tsup::guardMs(timeoutMs));
}

// Keeps the event loop running for the whole time.
inline void spin(int ms)
{
    comesWithin([] { return false; }, ms);
}

// UDP sockets of this namespace bound to the port.
inline int udpListeners(int port)
{
    QFile f(QStringLiteral("/proc/net/udp"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString needle = QStringLiteral(":%1 ").arg(port, 4, 16, QLatin1Char('0')).toUpper();
    int count = 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() > 2 && (QString::fromLatin1(columns[1]) + ' ').endsWith(needle))
            ++count;
    }
    return count;
}

struct CapturedItem {
    int id;
    QByteArray value;
};

inline QList<CapturedItem> itemsOf(const QJsonObject &datagram)
{
    QList<CapturedItem> items;
    for (const QJsonValue &v : datagram.value(QStringLiteral("items")).toArray()) {
        const QJsonObject o = v.toObject();
        items << CapturedItem{o.value(QStringLiteral("id")).toInt(),
                              QByteArray::fromHex(o.value(QStringLiteral("hex")).toString().toLatin1())};
    }
    return items;
}

inline QList<int> idsOf(const QJsonObject &datagram)
{
    QList<int> ids;
    for (const CapturedItem &item : itemsOf(datagram))
        ids << item.id;
    return ids;
}

inline QByteArray valueOf(const QJsonObject &datagram, int id)
{
    for (const CapturedItem &item : itemsOf(datagram))
        if (item.id == id)
            return item.value;
    return QByteArray();
}

inline int typeOf(const QJsonObject &datagram)
{
    const QByteArray v = valueOf(datagram, 0x01);
    if (v.size() != 4)
        return -1;
    return int(uint8_t(v[0]) | uint8_t(v[1]) << 8 | uint8_t(v[2]) << 16 | uint32_t(uint8_t(v[3])) << 24);
}

inline QByteArray rawOf(const QJsonObject &datagram)
{
    return QByteArray::fromHex(datagram.value(QStringLiteral("raw")).toString().toLatin1());
}

// Position in the capture, to read only what came after it.
struct CaptureMark {
    int lines = bed::captureLines().size();

    QList<QJsonObject> linesSince() const { return bed::captureLines().mid(lines); }
    // Received datagrams since the mark, of one packet type (-1: any).
    QList<QJsonObject> datagrams(int type = -1) const
    {
        QList<QJsonObject> out;
        for (const QJsonObject &o : linesSince())
            if (o.contains(QLatin1String("raw")) && (type < 0 || typeOf(o) == type))
                out << o;
        return out;
    }
    // Command lines of the simulated server since the mark.
    QList<QJsonObject> commands(const QString &name) const
    {
        QList<QJsonObject> out;
        for (const QJsonObject &o : linesSince())
            if (o.value(QLatin1String("svc")).toString() == QLatin1String("commands") &&
                o.value(QLatin1String("command")).toString() == name)
                out << o;
        return out;
    }
};

} // namespace fht

#endif // FINDHOSTBED_H
