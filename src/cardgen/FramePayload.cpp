#include "FramePayload.h"

#include "vexa_time.h"
#include "vexa_types.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void putU8(QByteArray &b, int at, int v)
{
    b[at] = char(uint8_t(v));
}

void putU16(QByteArray &b, int at, int v)
{
    const uint16_t u = uint16_t(v);
    b[at] = char(u & 0xFF);
    b[at + 1] = char(u >> 8);
}

void putF64(QByteArray &b, int at, double v)
{
    std::memcpy(b.data() + at, &v, sizeof v);  // the host is little-endian, as the format
}

// Month, day, hour, minute and second, one byte each from at: the camera's stamp and the
// receiver's fix time share this run and differ only in how they write the year.
void putMonthToSecond(QByteArray &b, int at, const _vexa_time_t &t)
{
    putU8(b, at, t.month);
    putU8(b, at + 1, t.day);
    putU8(b, at + 2, t.hour);
    putU8(b, at + 3, t.minute);
    putU8(b, at + 4, t.second);
}

} // namespace

QByteArray FramePayload::build(const FrameStamp &stamp, const DriveSample &sample)
{
    // A scan of the .vdd ends a picture at the first 0xFF 0xD9 it meets, even inside the
    // comment; nudge the value that forms one by the smallest step so the picture stays whole.
    DriveSample s = sample;
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QByteArray bytes = encode(stamp, s);
        const qsizetype at = bytes.indexOf("\xFF\xD9");
        if (at < 0)
            return bytes;
        nudge(s, int(at) + 1);
    }
    return encode(stamp, s);
}

void FramePayload::nudge(DriveSample &s, int offset)
{
    const auto step = [](double nmea) {
        const double moved = std::fabs(nmea) + 0.0001;
        return std::copysign(std::round(moved * 10000.0) / 10000.0, nmea);
    };
    if (offset >= 21 && offset < 29)
        s.latitude = step(s.latitude);
    else if (offset >= 29 && offset < 37)
        s.longitude = step(s.longitude);
    else if (offset >= 45 && offset < 47)
        s.gx += 1;
    else if (offset >= 47 && offset < 49)
        s.gy += 1;
    else
        s.gz += 1;
}

QByteArray FramePayload::encode(const FrameStamp &stamp, const DriveSample &s)
{
    QByteArray b(int(VEXA_COMMENT_SIZE), '\0');
    const _vexa_time_t t = seconds_to_time(stamp.utcSeconds);
    putU8(b, 0, t.year - 2000);
    putMonthToSecond(b, 1, t);
    putU8(b, 6, stamp.frameInSecond);
    putU8(b, 11, stamp.recordPhase);
    putU8(b, 12, s.gpsValid ? 1 : 0);
    putU16(b, 16, stamp.framesPerSecond);
    if (s.gpsValid) {
        putF64(b, 21, s.latitude);
        putF64(b, 29, s.longitude);
        putU16(b, 37, int(std::lround(std::max(0.0, s.altitudeM))));
        putU8(b, 39, int(std::lround(std::clamp(s.speedKmh, 0.0, 255.0))));
        putU16(b, 40, int(std::lround(s.courseDeg)) % 360);
        putU8(b, 42, s.satellitesUsed);
        // The receiver's time of the fix.
        putU16(b, 52, t.year);
        putMonthToSecond(b, 54, t);
    }
    putU8(b, 44, stamp.eventType);
    putU16(b, 45, s.gx);
    putU16(b, 47, s.gy);
    putU16(b, 49, s.gz);
    return b;
}
