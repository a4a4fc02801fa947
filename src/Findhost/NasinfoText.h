#ifndef NASINFOTEXT_H
#define NASINFOTEXT_H

// Bounded readers for the text fields of NASINFO. A server may fill a text slot up to its last
// byte without a terminating NUL, so every reader stops at the NUL or at the end of the slot,
// whichever comes first, and never runs into the next field.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstring>

#include "fhost.h"

// The slot's bytes up to its NUL (or the whole slot when it holds none).
template <std::size_t N>
inline QByteArray nasinfoBytes(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(qstrnlen(field, N)));
}

// The slot read as Latin-1 text up to its NUL (or the whole slot).
template <std::size_t N>
inline QString nasinfoText(const char (&field)[N])
{
    return QString::fromLatin1(field, static_cast<int>(qstrnlen(field, N)));
}

// True when the slot holds no text.
template <std::size_t N>
inline bool nasinfoTextEmpty(const char (&field)[N])
{
    return field[0] == '\0';
}

// Byte-equal comparison of two slots of the same field, each read up to its NUL.
template <std::size_t N>
inline bool nasinfoTextEqual(const char (&a)[N], const char (&b)[N])
{
    const std::size_t la = qstrnlen(a, N);
    return la == qstrnlen(b, N) && memcmp(a, b, la) == 0;
}

// Copies a slot's text into a fixed field: at most N - 1 bytes, the rest of the field zero.
template <std::size_t N, std::size_t M>
inline void nasinfoCopyText(char (&dest)[N], const char (&src)[M])
{
    const std::size_t n = qMin<std::size_t>(qstrnlen(src, M), N - 1);
    memset(dest, 0, N);
    memcpy(dest, src, n);
}

// A new record holding a copy of *pnasInfo, or all zero for null.
inline NASINFO *newNasinfoCopy(const NASINFO *pnasInfo)
{
    NASINFO *copy = new NASINFO;
    if (pnasInfo)
        memcpy(copy, pnasInfo, sizeof(*copy));
    else
        memset(copy, 0, sizeof(*copy));
    return copy;
}

#endif // NASINFOTEXT_H
