#include "BmpWriter.h"

#include <QtEndian>

namespace {

void putU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray BmpWriter::encode(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const int stride = (width * 3 + 3) & ~3;
    const quint32 pixelOffset = 14 + 40;
    const quint32 fileSize = pixelOffset + quint32(stride) * quint32(height);

    QByteArray out;
    out.reserve(int(fileSize));
    out.append("BM", 2);
    putU32(out, fileSize);
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, pixelOffset);

    putU32(out, 40);  // BITMAPINFOHEADER
    putU32(out, quint32(width));
    putU32(out, quint32(height));  // positive: rows stored bottom-up
    putU16(out, 1);                // planes
    putU16(out, 24);               // bits per pixel
    putU32(out, 0);                // BI_RGB
    putU32(out, quint32(stride) * quint32(height));
    putU32(out, 2835);  // 72 dpi
    putU32(out, 2835);
    putU32(out, 0);
    putU32(out, 0);

    QByteArray row(stride, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const uchar *src = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[x * 3] = char(src[x * 3 + 2]);  // BMP stores blue, green, red
            row[x * 3 + 1] = char(src[x * 3 + 1]);
            row[x * 3 + 2] = char(src[x * 3]);
        }
        out.append(row);
    }
    return out;
}
