// Datagram walking and packet building of the simulated server, written apart from the
// program's own codec so that a mistake in one cannot hide in the other.
#include "discovery.h"

#include "scramble.h"

#include <arpa/inet.h>

#include <cstring>

namespace sim {

const uint8_t kHeader[8] = {0x12, 0x34, 0x56, 0x78, 'Q', 'U', 'E', 'N'};

std::vector<HandlerInfo> &datagramHandlers()
{
    static std::vector<HandlerInfo> handlers;
    return handlers;
}

const Item *Datagram::find(uint8_t id) const
{
    for (const Item &item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

std::vector<const Item *> Datagram::findAll(uint8_t id) const
{
    std::vector<const Item *> all;
    for (const Item &item : items)
        if (item.id == id)
            all.push_back(&item);
    return all;
}

bool Datagram::u32(uint8_t id, uint32_t *value) const
{
    const Item *item = find(id);
    if (!item || item->value.size() != 4)
        return false;
    const auto *b = reinterpret_cast<const uint8_t *>(item->value.data());
    *value = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return true;
}

int Datagram::type() const
{
    uint32_t t;
    return u32(0x01, &t) ? int(t) : -1;
}

Datagram Datagram::parse(const std::string &raw)
{
    Datagram d;
    d.raw = raw;
    d.headerOk = raw.size() >= sizeof(kHeader) && memcmp(raw.data(), kHeader, sizeof(kHeader)) == 0;
    size_t pos = sizeof(kHeader);
    while (pos < raw.size()) {
        Item item;
        item.id = uint8_t(raw[pos]);
        if (pos + 1 >= raw.size()) {
            d.truncated = true; // an identifier without its length byte
            d.items.push_back(item);
            break;
        }
        const size_t len = uint8_t(raw[pos + 1]);
        const size_t avail = raw.size() - (pos + 2);
        item.value = raw.substr(pos + 2, len < avail ? len : avail);
        d.items.push_back(item);
        if (len > avail) {
            d.truncated = true;
            break;
        }
        pos += 2 + len;
    }
    return d;
}

Json::Value Datagram::toJson() const
{
    Json::Value line;
    line["svc"] = "discovery";
    line["src"] = Server::addrText(src);
    line["sport"] = sport;
    line["dst"] = Server::addrText(dst);
    line["iface"] = iface;
    line["len"] = Json::UInt(raw.size());
    line["header"] = headerOk;
    Json::Value list(Json::arrayValue);
    for (const Item &item : items) {
        Json::Value i;
        i["id"] = item.id;
        i["len"] = Json::UInt(item.value.size());
        i["hex"] = toHex(item.value);
        list.append(i);
    }
    line["items"] = list;
    if (truncated)
        line["truncated"] = true;
    line["raw"] = toHex(raw);
    return line;
}

PacketBuilder::PacketBuilder() : m_bytes(reinterpret_cast<const char *>(kHeader), sizeof(kHeader)) {}

PacketBuilder &PacketBuilder::raw(uint8_t id, const std::string &bytes)
{
    const size_t len = bytes.size() < 255 ? bytes.size() : 255;
    m_bytes += char(id);
    m_bytes += char(len);
    m_bytes.append(bytes, 0, len);
    return *this;
}

PacketBuilder &PacketBuilder::u32(uint8_t id, uint32_t v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return raw(id, std::string(b, 4));
}

PacketBuilder &PacketBuilder::u64(uint8_t id, uint64_t v)
{
    char b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = char(v >> (8 * i));
    return raw(id, std::string(b, 8));
}

PacketBuilder &PacketBuilder::ip(uint8_t id, uint32_t addr)
{
    return raw(id, std::string(reinterpret_cast<const char *>(&addr), 4));
}

namespace {

enum class Kind { Str, U32, Ip, U64Pair };

struct UnitField {
    const char *key;
    uint8_t id;
    Kind kind;
    uint8_t id2; // second word of a bitmap
};

// The unit's keys and the items they become, in the order they are sent.
const UnitField kUnitFields[] = {
    {"mac", 0x19, Kind::Str, 0},
    {"name", 0x11, Kind::Str, 0},
    {"dhcp", 0x10, Kind::U32, 0},
    {"ip", 0x12, Kind::Ip, 0},
    {"mask", 0x13, Kind::Ip, 0},
    {"gateway", 0x14, Kind::Ip, 0},
    {"dns", 0x15, Kind::Ip, 0},
    {"state", 0xa7, Kind::U32, 0},
    {"build", 0x49, Kind::U32, 0},
    {"update", 0x90, Kind::U32, 0},
    {"version", 0x77, Kind::Str, 0},
    {"modelId", 0x70, Kind::Str, 0},
    {"modelName", 0x78, Kind::Str, 0},
    {"sn", 0x73, Kind::Str, 0},
    {"serial", 0xc0, Kind::Str, 0},
    {"httpPort", 0x75, Kind::U32, 0},
    {"httpsPort", 0x76, Kind::U32, 0},
    {"flag48", 0x48, Kind::U32, 0},
    {"wol", 0x7b, Kind::U32, 0},
    {"serviceSupport", 0xb0, Kind::U64Pair, 0xb1},
    {"serviceMask", 0xb8, Kind::U64Pair, 0xb9},
    {"migrate", 0x4d, Kind::U32, 0},
    {"webInstall", 0xba, Kind::U32, 0},
    {"progress", 0x79, Kind::U32, 0},
};

// A JSON number, or a text in decimal or 0x-hex (for 64-bit values).
bool toU64(const Json::Value &v, uint64_t *out)
{
    if (v.isUInt64()) {
        *out = v.asUInt64();
        return true;
    }
    if (v.isInt64()) {
        *out = uint64_t(v.asInt64());
        return true;
    }
    if (v.isString()) {
        const std::string s = v.asString();
        char *end = nullptr;
        *out = strtoull(s.c_str(), &end, 0);
        return !s.empty() && end && *end == '\0';
    }
    return false;
}

} // namespace

PacketBuilder &PacketBuilder::unitFields(const Unit &unit)
{
    const Json::Value &u = unit.json;
    for (const UnitField &f : kUnitFields) {
        if (!u.isMember(f.key))
            continue;
        const Json::Value &v = u[f.key];
        uint64_t n = 0;
        switch (f.kind) {
        case Kind::Str:
            str(f.id, v.asString());
            break;
        case Kind::U32:
            if (toU64(v, &n))
                u32(f.id, uint32_t(n));
            break;
        case Kind::Ip: {
            struct in_addr a;
            if (inet_pton(AF_INET, v.asString().c_str(), &a) == 1)
                ip(f.id, a.s_addr);
            break;
        }
        case Kind::U64Pair:
            if (v.isArray() && v.size() == 2) {
                uint64_t hi = 0;
                if (toU64(v[0], &n) && toU64(v[1], &hi)) {
                    u64(f.id, n);
                    u64(f.id2, hi);
                }
            }
            break;
        }
    }
    for (const Json::Value &extra : u["extraItems"]) {
        std::string bytes;
        if (extra.isObject() && fromHex(extra["hex"].asString(), &bytes))
            raw(uint8_t(extra["id"].asUInt()), bytes);
    }
    return *this;
}

std::string commandPassword(const Datagram &d, bool *present)
{
    std::string scrambled;
    *present = false;
    for (const Item &item : d.items) {
        if (item.id == 0x2a) {
            *present = true;
            scrambled += item.value;
        } else if (item.id == 0x72) {
            scrambled += item.value;
        }
    }
    if (scrambled.empty())
        return std::string();
    std::string plain(scrambled.size() / 2 + 1, '\0');
    const int n = scrambleDecode(scrambled.c_str(), &plain[0]);
    return n >= 0 ? plain.substr(0, size_t(n)) : std::string("<undecodable>");
}

} // namespace sim
