#include "CNetConf.h"

#include <QHostAddress>

#include "platforms.h"

bool CNetConf::isValidHostIP(uint32_t address)
{
    const uint32_t first = address >> 24;
    return first != 0 && first != 127 && first < 224;
}

bool CNetConf::isValidHostAddress(const QString &text)
{
    // Only a complete dotted address counts: the address parser would also take the short forms
    // ("192.168" as 192.0.0.168), which a user is still typing.
    if (text.count(QLatin1Char('.')) != 3)
        return false;
    return isValidHostIP(QHostAddress(text).toIPv4Address());
}

bool CNetConf::isValidNetmask(uint32_t mask)
{
    if (mask == 0)
        return false;
    // A contiguous run from the top: the inverted mask plus one is a power of two (or wraps to 0).
    const uint32_t hostBits = ~mask;
    return (hostBits & (hostBits + 1)) == 0;
}

bool CNetConf::isSameSubnet(uint32_t a, uint32_t b, uint32_t mask)
{
    return ((a ^ b) & mask) == 0;
}

namespace {

// The address conversion stores 0 for text that does not parse and still succeeds, so the text
// itself is checked here: three unparsable texts must not count as one subnet.
bool toNetAddr(const QString &text, uint32_t *out)
{
    if (text.isEmpty())
        return false;
    QHostAddress address;
    if (!address.setAddress(text) || address.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    return ipStringToNetAddr(out, text);
}

} // namespace

bool CNetConf::isSameSubnetText(const QString &ip, const QString &gateway, const QString &mask)
{
    uint32_t ulIP = 0, ulGateway = 0, ulMask = 0;
    if (!toNetAddr(ip, &ulIP) || !toNetAddr(gateway, &ulGateway) || !toNetAddr(mask, &ulMask))
        return false;
    return isSameSubnet(ulIP, ulGateway, ulMask);
}
