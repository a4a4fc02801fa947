// The simulated server's UDP 9999 side: received datagrams walked into items with a small loop
// of its own (independent of the program's reader), a packet builder, and the registry of
// datagram handlers. The search answer is one handler (disc_search.cpp); further answers (quick
// configuration, network setting, ...) are further handlers in their own files.
#ifndef SIMSERVER_DISCOVERY_H
#define SIMSERVER_DISCOVERY_H

#include "simserver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// The 8-byte header of every datagram.
extern const uint8_t kHeader[8];
constexpr uint16_t kDiscoveryPort = 9999;

struct Item {
    uint8_t id = 0;
    std::string value; // raw bytes
};

// One received datagram.
struct Datagram {
    std::string raw;
    bool headerOk = false;
    bool truncated = false; // the last item ran past the end (its bytes are kept as far as present)
    std::vector<Item> items;
    uint32_t src = 0;    // network order
    uint16_t sport = 0;  // host order
    uint32_t dst = 0;    // network order (from IP_PKTINFO)
    int ifindex = 0;     // arrival interface
    std::string iface;

    const Item *find(uint8_t id) const;             // first item with this identifier
    std::vector<const Item *> findAll(uint8_t id) const;
    // A 4-byte little-endian integer item; false when absent or of another width.
    bool u32(uint8_t id, uint32_t *value) const;
    // Packet type (0x01), or -1.
    int type() const;

    // Walks the items after the header; also for datagrams the program's reader would reject.
    static Datagram parse(const std::string &raw);
    // The capture line: src, sport, dst, iface, len, header, items, raw.
    Json::Value toJson() const;
};

// Builds one datagram: the header, then items in the order they are added.
class PacketBuilder
{
public:
    PacketBuilder();
    PacketBuilder &raw(uint8_t id, const std::string &bytes); // value up to 255 bytes, else cut
    PacketBuilder &str(uint8_t id, const std::string &text) { return raw(id, text); }
    PacketBuilder &u32(uint8_t id, uint32_t value); // little-endian
    PacketBuilder &u64(uint8_t id, uint64_t value); // little-endian
    PacketBuilder &ip(uint8_t id, uint32_t addrNetOrder); // 4 bytes as they stand
    // The unit's fields in a fixed order (see README.md, "Unit keys").
    PacketBuilder &unitFields(const Unit &unit);
    const std::string &bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// How answers go out: by broadcast to 255.255.255.255:9999 through the arrival interface
// (default) or by unicast to the sender's address, port 9999; optionally after a delay.
class Replier
{
public:
    virtual ~Replier() = default;
    virtual void reply(const Datagram &request, const std::string &packet) = 0;
    // Sends raw bytes from the discovery socket to an address and port at once.
    virtual bool sendTo(uint32_t addrNetOrder, uint16_t port, const std::string &packet) = 0;
};

// A datagram handler: returns true when it took the datagram (later handlers are not asked).
using DatagramHandler = bool (*)(Server &server, const Datagram &datagram, Replier &replier);

struct HandlerInfo {
    const char *name;
    int order; // lower first
    DatagramHandler handler;
};

std::vector<HandlerInfo> &datagramHandlers();

struct HandlerRegistration {
    HandlerRegistration(const char *name, int order, DatagramHandler handler)
    {
        datagramHandlers().push_back({name, order, handler});
    }
};

#define SIM_REGISTER_DATAGRAM_HANDLER(name, order, fn)                                            \
    static ::sim::HandlerRegistration sim_handler_##fn(name, order, fn)

// The administrator password of a command: the text of item 0x2a and its 0x72 continuations,
// unscrambled ("<undecodable>" when the scrambled text does not decode). *present tells whether
// the command carried 0x2a at all.
std::string commandPassword(const Datagram &d, bool *present);

} // namespace sim

#endif // SIMSERVER_DISCOVERY_H
