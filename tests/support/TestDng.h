#ifndef TESTDNG_H
#define TESTDNG_H

#include <QByteArray>
#include <QSize>
#include <QString>

// Small DNG camera RAW files for tests: a little-endian TIFF with an uncompressed 16-bit Bayer
// (RGGB) image and, when `preview` is not empty, an embedded JPEG preview of that size in IFD0
// with the raw image in a sub-IFD (otherwise the raw image is IFD0). dcraw extracts the preview
// with -e and decodes the raw image with -w. dcraw takes the largest image for the raw one, so
// raw.width * raw.height * 16 must exceed preview.width * preview.height * 8.
namespace TestDng {

QByteArray make(const QSize& raw, const QSize& preview);
bool write(const QString& path, const QSize& raw, const QSize& preview);

} // namespace TestDng

#endif // TESTDNG_H
