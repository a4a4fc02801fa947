#ifndef CNETCONF_H
#define CNETCONF_H

#include <QString>
#include <cstdint>

// Checks on IPv4 settings given to a server. Numbers are in host order unless said otherwise.
class CNetConf
{
public:
    // The first octet is not 0, not 127 and below 224 (no multicast or reserved range).
    static bool isValidHostIP(uint32_t address);
    // The same test on the text's IPv4 number; a text that does not parse counts as 0 and fails.
    static bool isValidHostAddress(const QString &text);
    // Not 0, and the one bits form a single run from the top bit down.
    static bool isValidNetmask(uint32_t mask);
    // Both addresses lie in the subnet the mask describes.
    static bool isSameSubnet(uint32_t a, uint32_t b, uint32_t mask);
    // The text form: false when any of the three texts is empty or not an IPv4 address.
    static bool isSameSubnetText(const QString &ip, const QString &gateway, const QString &mask);
};

#endif // CNETCONF_H
