#ifndef NASFIXTURE_H
#define NASFIXTURE_H

// Hand-made server records for the finder tests.

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "fhost.h"

namespace nasfixture {

// Copies text into a slot, NUL-terminated when it fits (the caller picks a fitting text unless
// it wants a full slot without terminator).
template <std::size_t N>
inline void setText(char (&slot)[N], const char *text)
{
    std::memset(slot, 0, N);
    std::memcpy(slot, text, std::min(std::strlen(text), N));
}

// 10.1.2.3 style address in network byte order.
inline uint32_t netAddr(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    uint32_t v;
    const uint8_t bytes[4] = {a, b, c, d};
    std::memcpy(&v, bytes, 4);
    return v;
}

// A zeroed heap record with a MAC, a name, a state and an address in network order.
inline NASINFO *makeNas(const char *mac, const char *name = "", uint32_t state = FHOSTQC_DONE,
                        uint32_t ipNet = 0)
{
    NASINFO *n = new NASINFO;
    std::memset(n, 0, sizeof *n);
    setText(n->szMac, mac);
    setText(n->szServerName, name);
    n->ulConfigured = state;
    n->ulIP = ipNet;
    return n;
}

// The second 32-bit word of the leading reserved bytes: the table's row-announced mark.
inline uint32_t announcedMark(const NASINFO *n)
{
    uint32_t v;
    std::memcpy(&v, n->byReserved0 + 4, 4);
    return v;
}

} // namespace nasfixture

#endif // NASFIXTURE_H
