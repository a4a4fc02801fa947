#ifndef REBOOTPACKET_H
#define REBOOTPACKET_H

#include <atomic>

#include "fhost.h"

// The reboot wait of an installation or a recovery watches the discovery answers of the target
// server. This takes one packet into the wait's state: a search answer (type 2) of the target
// sets `finished`, its server answer (type 6) sets `other` unless `finished` was seen already.
// Packets of other servers and of other types change nothing. Writes the packet's debug lines
// under `source`. Safe against the waiting thread reading the state meanwhile.
void takeRebootPacket(const char *source, const NASINFO &nasInfo, const char (&targetMac)[32],
                      std::atomic<int> &state, int finished, int other);

#endif // REBOOTPACKET_H
