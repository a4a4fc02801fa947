#ifndef FINDHOSTREQUESTS_H
#define FINDHOSTREQUESTS_H

// The discovery commands the client broadcasts, built without sending: each function fills the
// record and the request (both on the caller's side) with the command's values and the list of
// identifiers in sending order. CFindHostUDP's senders broadcast what these build; tests compare
// the datagrams they give with FHOSTPacketWrite byte for byte.
//
// Every function starts from a zeroed record and request (the network setting from a byte copy
// of the target record), sets the packet type and the protocol version 0x01020000, and returns
// false only for a missing argument or a request the send list cannot hold.

#include <QString>

#include "fhost.h"

class CNasConfig;

// Request-side value of the search's 0xa6 item.
const uint32_t FINDHOST_FIELD_A6 = 120;
// Passwords are cut to this many UTF-8 bytes before scrambling, so that the scrambled text (two
// characters per byte, in blocks of 8 bytes) fits the 1536 bytes a command can carry.
const int FINDHOST_PASSWORD_UTF8_MAX = 762;
// Size of the buffer the scrambled password is built in (1536 characters and the NUL).
const int FINDHOST_PASSWORD_BUFFER = 1537;

// Scrambles the password's UTF-8 bytes (cut to FINDHOST_PASSWORD_UTF8_MAX) into the zeroed
// buffer `out` of FINDHOST_PASSWORD_BUFFER bytes. Returns the scrambled length; 0 for an empty
// password or one the scrambler refuses (then `out` holds an empty text).
int findhostScramblePassword(const QString &password, char out[FINDHOST_PASSWORD_BUFFER]);

bool findhostBuildSearch(NASINFO *pnasInfo, FHOSTSEND *pfhostSend);
bool findhostBuildCancelFsck(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const NASINFO *target);
bool findhostBuildSysRecovery(NASINFO *pnasInfo, FHOSTSEND *pfhostSend);
bool findhostBuildMemTest(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const QString &password,
                          const NASINFO *target);
bool findhostBuildQuickConf(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const CNasConfig *config,
                            const NASINFO *target);
bool findhostBuildNetSetting(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const CNasConfig *config,
                             const NASINFO *target);

#endif // FINDHOSTREQUESTS_H
