// Shared pieces of the discovery-thread tests: hand-typed bytes, the datagram a request gives,
// target records and setup parameters, and a capture of the library log lines.
#ifndef FINDHOSTTEST_H
#define FINDHOSTTEST_H

#include <QByteArray>
#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>
#include <QStringList>

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "fhost.h"

namespace fht {

// The senders' pauses of the discovery thread in milliseconds, as the timing checks name them,
// and what terminate() waits for the listening loop to see the stop before it kills the thread.
const qint64 SEARCH_PAUSE_MS = CFindHostUDP::PAUSE_SEARCH * 1000;
const qint64 MAINTENANCE_PAUSE_MS = CFindHostUDP::PAUSE_MAINTENANCE * 1000;
const qint64 CONFIGURATION_PAUSE_MS = CFindHostUDP::PAUSE_CONFIGURATION * 1000;
const qint64 STOP_WAIT_MS = CFindHostUDP::STOP_WAIT_MS;
// How long a stop that waits out STOP_WAIT_MS goes on past the listener's end at least: the
// wait less the one turn of the loop in which it sees the stop.
const qint64 STOP_WAIT_PAST_TURN_MS = STOP_WAIT_MS - FHOST_UDP_WAIT_SEC * 1000;

// Hex text with blanks and line breaks to bytes.
inline QByteArray hex(const char *text)
{
    QByteArray compact(text);
    compact.replace(' ', "").replace('\n', "");
    return QByteArray::fromHex(compact);
}

// ASCII text as hex digits, for typing text items by hand.
inline QByteArray ascii(const char *text)
{
    return QByteArray(text).toHex();
}

// The datagram FHOSTPacketWrite makes of a request (empty when it refuses).
inline QByteArray datagramOf(const FHOSTSEND &request)
{
    int capacity = 16;
    char *buffer = static_cast<char *>(malloc(size_t(capacity)));
    const int length = FHOSTPacketWrite(gpFHOSTLogCtx, &buffer, &capacity, &request);
    QByteArray bytes = length > 0 ? QByteArray(buffer, length) : QByteArray();
    free(buffer);
    return bytes;
}

// A server record as a search answer leaves it.
inline NASINFO targetRecord(const char *mac, const char *name)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    strncpy(n.szServerName, name, sizeof(n.szServerName) - 1);
    return n;
}

inline void storeLanguage(const QString &code)
{
    QSettings settings;
    settings.setValue(QStringLiteral("Global/UILanguage"), code);
    settings.sync();
}

// Setup parameters of the install form.
inline CNasConfig installConfig(bool dhcp, bool qbv, const QString &password, const QString &name,
                                unsigned long timezone = 23,
                                const QString &ip = QStringLiteral("198.18.0.20"),
                                const QString &mask = QStringLiteral("255.255.255.0"),
                                const QString &gateway = QStringLiteral("198.18.0.1"),
                                const QString &dns = QStringLiteral("198.18.0.2"))
{
    return CNasConfig(dhcp, qbv, QStringLiteral("/tmp/x.pat"), ip, mask, gateway, dns, password,
                      name, timezone, QStringLiteral("2014/02/03 09:05:07"));
}

// The line the library writes once per broadcast, before its datagrams go out.
const char *const BROADCAST_LINE = "FHOSTIfaceInit number of interafce";

// Every line the library log context writes while a capture is installed, and when.
class LogCapture
{
public:
    static QStringList lines()
    {
        QMutexLocker lock(&mutex());
        return store();
    }
    static void clear()
    {
        QMutexLocker lock(&mutex());
        store().clear();
        times().clear();
    }
    // Lines that contain the text.
    static QStringList matching(const QString &text)
    {
        return lines().filter(text);
    }
    // When the lines that contain the text were written (ms on the monotonic clock): the
    // program's own moments, not when a peer got round to reading what it sent.
    static QList<qint64> timesOf(const QString &text)
    {
        QMutexLocker lock(&mutex());
        QList<qint64> out;
        for (int i = 0; i < store().size(); ++i)
            if (store()[i].contains(text))
                out << times()[i];
        return out;
    }
    // Output of both levels into the capture.
    static void install()
    {
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, &LogCapture::output);
        FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_DETAIL, &LogCapture::output);
    }

private:
    static int output(const char *text)
    {
        QMutexLocker lock(&mutex());
        store() << QString::fromUtf8(text);
        times() << std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch()).count();
        return 0;
    }
    static QMutex &mutex()
    {
        static QMutex m;
        return m;
    }
    static QStringList &store()
    {
        static QStringList s;
        return s;
    }
    static QList<qint64> &times()
    {
        static QList<qint64> t;
        return t;
    }
};

} // namespace fht

#endif // FINDHOSTTEST_H
