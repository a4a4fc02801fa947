// Builds datagrams byte by byte for the codec tests, independently of the library's writer.
#ifndef PKTBYTES_H
#define PKTBYTES_H

#include <QByteArray>
#include <cstdint>

struct PktBytes {
    QByteArray data;

    PktBytes() { data = QByteArray::fromHex("123456785155454e"); } // 0x12 0x34 0x56 0x78 "QUEN"

    PktBytes &raw(const QByteArray &bytes)
    {
        data += bytes;
        return *this;
    }
    PktBytes &item(int id, const QByteArray &value)
    {
        data += char(id);
        data += char(value.size());
        data += value;
        return *this;
    }
    PktBytes &str(int id, const char *text) { return item(id, QByteArray(text)); }
    PktBytes &u32(int id, uint32_t v)
    {
        QByteArray b;
        for (int i = 0; i < 4; ++i)
            b += char((v >> (8 * i)) & 0xff);
        return item(id, b);
    }
    PktBytes &u64(int id, uint64_t v)
    {
        QByteArray b;
        for (int i = 0; i < 8; ++i)
            b += char((v >> (8 * i)) & 0xff);
        return item(id, b);
    }
    // Packet type and protocol version: what every accepted packet needs.
    PktBytes &basic(uint32_t type = 2) { return u32(0x01, type).u32(0xa4, 0x01020000); }

    const char *bytes() const { return data.constData(); }
    int size() const { return data.size(); }
};

#endif // PKTBYTES_H
