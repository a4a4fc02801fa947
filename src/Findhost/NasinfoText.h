#ifndef NASINFOTEXT_H
#define NASINFOTEXT_H

// Bounded readers for the text fields of NASINFO. A server may fill a text slot up to its last
// byte without a terminating NUL, so every reader stops at the NUL or at the end of the slot,
// whichever comes first, and never runs into the next field.

#include <QByteArray>
#include <QString>
#include <cstddef>

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

#endif // NASINFOTEXT_H
