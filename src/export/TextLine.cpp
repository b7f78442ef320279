#include "TextLine.h"

#include <cmath>

TextLine &TextLine::number(long long v, int width)
{
    char digits[24];
    const auto r = std::to_chars(digits, digits + sizeof digits, v < 0 ? -v : v);
    const int length = int(r.ptr - digits);
    if (v < 0)
        ch('-');
    for (int pad = width - length - (v < 0); pad > 0; --pad)
        ch('0');
    if (size_t(length) <= room()) {
        std::memcpy(_end, digits, size_t(length));
        _end += length;
    }
    return *this;
}

TextLine &TextLine::fixed(double v, int decimals)
{
    // Values past the buffer (huge or not finite) cannot come from a record's fields.
    if (!std::isfinite(v) || std::fabs(v) > 1e15)
        return text("nan");
    const auto r = std::to_chars(_end, _buffer + Capacity, v, std::chars_format::fixed, decimals);
    if (r.ec == std::errc())
        _end = r.ptr;
    return *this;
}

int TextLine::truncated(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return 2147483647;
    if (v <= -2147483648.0)
        return -2147483647 - 1;
    return int(v);
}

TextLine &TextLine::dateTime(int year, int month, int day, int hour, int minute, int second)
{
    return number(year, 4).ch('.').number(month, 2).ch('.').number(day, 2).ch(' ').number(hour, 2).ch(':')
        .number(minute, 2).ch(':').number(second, 2);
}
