#include "TestDng.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <map>
#include <vector>

namespace {

enum Type : quint16 { Byte = 1, Ascii = 2, Short = 3, Long = 4, Rational = 5, SRational = 10 };

struct Field {
    quint16 type;
    quint32 count;
    QByteArray value; // little-endian bytes
};

// One IFD, tags kept in ascending order as TIFF requires.
using Ifd = std::map<quint16, Field>;

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

void setShorts(Ifd& ifd, quint16 tag, std::initializer_list<quint16> values)
{
    QByteArray b;
    for (quint16 v : values)
        b += le16(v);
    ifd[tag] = Field{Short, quint32(values.size()), b};
}

void setLong(Ifd& ifd, quint16 tag, quint32 value)
{
    ifd[tag] = Field{Long, 1, le32(value)};
}

void setAscii(Ifd& ifd, quint16 tag, const char* text)
{
    QByteArray b(text);
    b += '\0';
    ifd[tag] = Field{Ascii, quint32(b.size()), b};
}

void setBytes(Ifd& ifd, quint16 tag, std::initializer_list<quint8> values)
{
    QByteArray b;
    for (quint8 v : values)
        b += char(v);
    ifd[tag] = Field{Byte, quint32(values.size()), b};
}

void setRationals(Ifd& ifd, quint16 tag, quint16 type, std::initializer_list<std::pair<qint32, qint32>> values)
{
    QByteArray b;
    for (const auto& v : values)
        b += le32(quint32(v.first)) + le32(quint32(v.second));
    ifd[tag] = Field{type, quint32(values.size()), b};
}

void setCameraTags(Ifd& ifd)
{
    setAscii(ifd, 271, "Vork");              // Make
    setAscii(ifd, 272, "Test Camera");       // Model
    setBytes(ifd, 50706, {1, 4, 0, 0});      // DNGVersion
    setAscii(ifd, 50708, "Vork Test Camera"); // UniqueCameraModel
    setRationals(ifd, 50721, SRational,       // ColorMatrix1: identity
                 {{1, 1}, {0, 1}, {0, 1}, {0, 1}, {1, 1}, {0, 1}, {0, 1}, {0, 1}, {1, 1}});
    setRationals(ifd, 50728, Rational, {{1, 1}, {1, 1}, {1, 1}}); // AsShotNeutral
}

void setRawTags(Ifd& ifd, const QSize& raw)
{
    setLong(ifd, 254, 0);                // NewSubFileType: main image
    setLong(ifd, 256, quint32(raw.width()));
    setLong(ifd, 257, quint32(raw.height()));
    setShorts(ifd, 258, {16});           // BitsPerSample
    setShorts(ifd, 259, {1});            // Compression: none
    setShorts(ifd, 262, {32803});        // PhotometricInterpretation: CFA
    setLong(ifd, 273, 0);                // StripOffsets, set when laid out
    setShorts(ifd, 277, {1});            // SamplesPerPixel
    setLong(ifd, 278, quint32(raw.height())); // RowsPerStrip
    setLong(ifd, 279, quint32(raw.width() * raw.height() * 2)); // StripByteCounts
    setShorts(ifd, 33421, {2, 2});       // CFARepeatPatternDim
    setBytes(ifd, 33422, {0, 1, 1, 2});  // CFAPattern: R G / G B
    setLong(ifd, 50717, 4095);           // WhiteLevel
}

void setPreviewTags(Ifd& ifd, const QSize& preview, quint32 jpegSize)
{
    setLong(ifd, 254, 1);                // NewSubFileType: reduced-resolution image
    setLong(ifd, 256, quint32(preview.width()));
    setLong(ifd, 257, quint32(preview.height()));
    setShorts(ifd, 258, {8, 8, 8});
    setShorts(ifd, 259, {7});            // Compression: JPEG
    setShorts(ifd, 262, {6});            // PhotometricInterpretation: YCbCr
    setLong(ifd, 273, 0);                // StripOffsets, set when laid out
    setShorts(ifd, 277, {3});
    setLong(ifd, 278, quint32(preview.height()));
    setLong(ifd, 279, jpegSize);
    setLong(ifd, 330, 0);                // SubIFDs, set when laid out
}

quint32 ifdSize(const Ifd& ifd)
{
    quint32 size = 2 + 12 * quint32(ifd.size()) + 4;
    for (const auto& kv : ifd)
        if (kv.second.value.size() > 4)
            size += quint32(kv.second.value.size() + (kv.second.value.size() & 1));
    return size;
}

// Serialises an IFD placed at `offset` (values that do not fit the entry follow the entry table).
QByteArray serialise(const Ifd& ifd, quint32 offset)
{
    QByteArray table = le16(quint16(ifd.size()));
    QByteArray data;
    const quint32 dataStart = offset + 2 + 12 * quint32(ifd.size()) + 4;
    for (const auto& kv : ifd) {
        const Field& f = kv.second;
        table += le16(kv.first) + le16(f.type) + le32(f.count);
        if (f.value.size() <= 4) {
            table += f.value + QByteArray(4 - f.value.size(), '\0');
        } else {
            table += le32(dataStart + quint32(data.size()));
            data += f.value;
            if (data.size() & 1)
                data += '\0';
        }
    }
    table += le32(0); // no next IFD
    return table + data;
}

QByteArray previewJpeg(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height() / 2, QColor(220, 180, 40));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

QByteArray rawSamples(const QSize& raw)
{
    // A diagonal gradient, so that a decoding is not one flat colour.
    QByteArray bytes(raw.width() * raw.height() * 2, '\0');
    uchar* p = reinterpret_cast<uchar*>(bytes.data());
    for (int y = 0; y < raw.height(); ++y)
        for (int x = 0; x < raw.width(); ++x, p += 2)
            qToLittleEndian(quint16((x + y) * 4095 / (raw.width() + raw.height())), p);
    return bytes;
}

} // namespace

QByteArray TestDng::make(const QSize& raw, const QSize& preview)
{
    const QByteArray samples = rawSamples(raw);
    const quint32 headerSize = 8;

    if (preview.isEmpty()) {
        Ifd ifd0;
        setRawTags(ifd0, raw);
        setCameraTags(ifd0);
        const quint32 samplesOffset = headerSize + ifdSize(ifd0);
        setLong(ifd0, 273, samplesOffset);
        return QByteArray("II") + le16(42) + le32(headerSize) + serialise(ifd0, headerSize) + samples;
    }

    const QByteArray jpeg = previewJpeg(preview);
    Ifd ifd0;
    setPreviewTags(ifd0, preview, quint32(jpeg.size()));
    setCameraTags(ifd0);
    Ifd rawIfd;
    setRawTags(rawIfd, raw);

    // Layout: header, IFD0, raw IFD, JPEG, raw samples.
    const quint32 rawIfdOffset = headerSize + ifdSize(ifd0);
    quint32 jpegOffset = rawIfdOffset + ifdSize(rawIfd);
    const quint32 samplesOffset = jpegOffset + quint32(jpeg.size()) + (jpeg.size() & 1);
    setLong(ifd0, 273, jpegOffset);
    setLong(ifd0, 330, rawIfdOffset);
    setLong(rawIfd, 273, samplesOffset);

    QByteArray file = QByteArray("II") + le16(42) + le32(headerSize) + serialise(ifd0, headerSize)
                      + serialise(rawIfd, rawIfdOffset) + jpeg;
    if (jpeg.size() & 1)
        file += '\0';
    return file + samples;
}

bool TestDng::write(const QString& path, const QSize& raw, const QSize& preview)
{
    QFile f(path);
    const QByteArray bytes = make(raw, preview);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
