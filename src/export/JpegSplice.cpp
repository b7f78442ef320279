#include "JpegSplice.h"

#include <algorithm>
#include <cstring>

namespace {

int be16(const uchar *p)
{
    return p[0] << 8 | p[1];
}

bool frameHeader(const uchar *s, int length, JpegSplice::Parts *parts)
{
    // P, Y, X, Nf and three components of id, sampling and table.
    if (length != 17 || s[4] != 8 || s[9] != 3)
        return false;
    int hMax = 1, vMax = 1;
    for (int c = 0; c < 3; ++c) {
        const int h = s[11 + 3 * c] >> 4, v = s[11 + 3 * c] & 15;
        if (h < 1 || h > 4 || v < 1 || v > 4)
            return false;
        hMax = std::max(hMax, h), vMax = std::max(vMax, v);
    }
    parts->height = be16(s + 5);
    parts->width = be16(s + 7);
    parts->mcuHeight = 8 * vMax;
    const int columns = (parts->width + 8 * hMax - 1) / (8 * hMax);
    parts->mcus = columns * (parts->height / parts->mcuHeight);
    return parts->width > 0 && parts->height > 0 && parts->height % parts->mcuHeight == 0;
}

bool scanHeader(const uchar *s, int length)
{
    // Ns = 3 (interleaved), then Ss 0, Se 63, Ah/Al 0: a sequential scan of the whole picture.
    return length == 12 && s[4] == 3 && s[11] == 0 && s[12] == 63 && s[13] == 0;
}

// The EOI that ends the scan's data; -1 for any other marker on the way (restarts, scans).
qsizetype endOfScan(const uchar *p, qsizetype from, qsizetype size)
{
    for (qsizetype i = from; i + 1 < size;) {
        const void *ff = std::memchr(p + i, 0xFF, size_t(size - i - 1));
        if (!ff)
            return -1;
        i = static_cast<const uchar *>(ff) - p;
        if (p[i + 1] == 0x00 || p[i + 1] == 0xFF) {
            i += 1 + (p[i + 1] == 0x00);
            continue;
        }
        return p[i + 1] == 0xD9 ? i : -1;
    }
    return -1;
}

} // namespace

bool JpegSplice::parse(QByteArrayView jpeg, Parts *parts)
{
    const auto *p = reinterpret_cast<const uchar *>(jpeg.data());
    const qsizetype size = jpeg.size();
    if (size < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    *parts = Parts();
    bool frame = false;
    for (qsizetype at = 2; at + 4 <= size;) {
        const uchar marker = p[at + 1];
        const int length = be16(p + at + 2);
        if (p[at] != 0xFF || length < 2 || at + 2 + length > size)
            return false;
        const bool table = marker == 0xDB || marker == 0xC4;
        if (marker == 0xC0 || marker == 0xC1) {
            if (frame || !frameHeader(p + at, length, parts))
                return false;
            frame = true;
            parts->sof = at;
        } else if (marker == 0xDA) {
            if (!frame || !scanHeader(p + at, length))
                return false;
            parts->tables += QByteArrayView(p + at, 2 + length);
            parts->sos = at;
            parts->data = at + 2 + length;
            parts->end = endOfScan(p, parts->data, size);
            return parts->end > parts->data;
        } else if ((marker >= 0xC2 && marker <= 0xCF && !table) || marker == 0xDD || (marker >= 0xD0 && marker <= 0xD9)) {
            // Progressive, lossless or arithmetic coding, a restart interval, a stray marker.
            return false;
        }
        if (table || marker == 0xC0 || marker == 0xC1)
            parts->tables += QByteArrayView(p + at, 2 + length);
        at += 2 + length;
    }
    return false;
}

QByteArray JpegSplice::join(QByteArrayView jpeg, const Parts &picture, QByteArrayView bandData,
                            int bandHeight)
{
    const int height = picture.height + bandHeight;
    const uchar restart[] = {0xFF, 0xDD, 0x00, 0x04, uchar(picture.mcus >> 8), uchar(picture.mcus & 0xFF)};
    const uchar marks[] = {0xFF, 0xD0, 0xFF, 0xD9};
    // The band must fit in one restart interval of the picture's length.
    if (height > 0xFFFF || picture.mcus < 1 || picture.mcus > 0xFFFF || bandHeight > picture.height)
        return {};
    QByteArray out;
    out.reserve(picture.end + sizeof restart + bandData.size() + sizeof marks);
    out.append(jpeg.first(picture.sos));
    // The frame's height field, five bytes into its segment.
    out[picture.sof + 5] = char(height >> 8);
    out[picture.sof + 6] = char(height & 0xFF);
    // One restart interval of the picture's MCUs: its data ends on the restart marker.
    out.append(reinterpret_cast<const char *>(restart), sizeof restart);
    out.append(jpeg.sliced(picture.sos, picture.end - picture.sos));
    out.append(reinterpret_cast<const char *>(marks), 2);
    out.append(bandData);
    out.append(reinterpret_cast<const char *>(marks) + 2, 2);
    return out;
}
