// Shared helpers of the install-channel and network-install tests: hand-typed reply bytes and
// test patch files of our own making. Waits and the debug-line capture come from TestSupport.h.
#ifndef NETINSTALLTEST_H
#define NETINSTALLTEST_H

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>

#include "TestSupport.h"

namespace nit {

// Hex text with blanks to bytes.
using bed::hex;

// Writes a test patch file of the given size: a counting pattern, so that a shifted or repeated
// piece shows. Returns false when it could not be written.
inline bool writePatchFile(const QString &path, qint64 size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block(1 << 20, '\0');
    qint64 done = 0;
    uint32_t n = 0;
    while (done < size) {
        const int len = int(qMin<qint64>(block.size(), size - done));
        for (int i = 0; i < len; ++i, ++n)
            block[i] = char((n * 2654435761u) >> 24);
        if (f.write(block.constData(), len) != len)
            return false;
        done += len;
    }
    return f.flush();
}

inline QByteArray sha256Of(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result().toHex();
}

} // namespace nit

#endif // NETINSTALLTEST_H
