#ifndef PLATFORMS_H
#define PLATFORMS_H

// Free helpers shared by the discovery thread, the finder, the wizards and the profile pages.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "fhost.h"

class QNetworkAccessManager;

// Dotted IPv4 text to a number. An empty text gives false and leaves `out` untouched; otherwise
// the number is stored and the result is true, with 0 stored for a text that does not parse
// (callers rely on that). Host order for the first, network order (as NASINFO keeps addresses)
// for the second.
bool ipStringToHostAddr(uint32_t *out, const QString &text);
bool ipStringToNetAddr(uint32_t *out, const QString &text);

// The discovery library's log context of the whole program, handed to every library call
// (defined with the discovery thread, CFindHostUDP.cpp). It starts without outputs; the
// discovery thread and the start-up sequence install them.
extern FHOSTLOGCTX *gpFHOSTLogCtx;

// This computer's active interfaces' MAC addresses as lower-case "xx:xx:xx:xx:xx:xx", in the
// order the system lists the interfaces. Empty (with a line in the library log) when none.
QStringList getLocalMacList();

// The name of a QNetworkReply::NetworkError code, or "reply_err_<code>" for any other code.
QString networkErrorName(int code);

// Sends every request of `manager` straight to its server, never through a proxy of the
// environment (http_proxy) or the desktop session: the servers are on the local network, and a
// proxy would learn their addresses and answer in their place.
void useDirectConnection(QNetworkAccessManager *manager);

// A host name or address to an IPv4 number in host order. An acceptable host address is taken
// as it stands; anything else goes through a blocking name lookup that yields its first IPv4
// address. False for an empty text, a failed lookup or no IPv4 address.
bool resolveHostIPv4(uint32_t *out, const QString &host);

// Opens the server's web administration page in the desktop's browser when its state allows:
// ready, or (with web installation offered) not installed, configuration lost, or migratable from
// build 2622 on. `opened` is set to true first and then holds the browser's answer when a page
// was opened; it stays true when nothing was to be opened.
void openAdminUI(const NASINFO *server, bool *opened);

// The password scrambler on QString values (UTF-8, a 2048-byte buffer). A null QString when the
// scrambler refuses the input; an empty input gives an empty, non-null string. Plain texts of
// more than SCRAMBLE_STRING_MAX_UTF8 UTF-8 bytes are refused.
const int SCRAMBLE_STRING_BUFFER = 2048;
const int SCRAMBLE_STRING_MAX_UTF8 = 1016;
QString scrambleEncodeString(const QString &plain);
QString scrambleDecodeString(const QString &scrambled);

#endif // PLATFORMS_H
