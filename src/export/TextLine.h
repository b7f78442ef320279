// Builds one line of export text in a fixed buffer, numbers formatted without printf's
// per-call cost and independent of the locale, digit for digit as printf writes them.
#pragma once

#include <QByteArray>

#include <charconv>
#include <cstring>

class TextLine {
public:
    static constexpr int Capacity = 512;

    TextLine &text(const char *s)
    {
        const size_t n = std::strlen(s);
        if (n <= room()) {
            std::memcpy(_end, s, n);
            _end += n;
        }
        return *this;
    }
    TextLine &ch(char c)
    {
        if (room())
            *_end++ = c;
        return *this;
    }
    // %d, or %0*d with width digits (zero-padded).
    TextLine &number(long long v, int width = 0);
    // %.*f with decimals digits after the point.
    TextLine &fixed(double v, int decimals);
    // "%04d.%02d.%02d %02d:%02d:%02d"
    TextLine &dateTime(int year, int month, int day, int hour, int minute, int second);

    // A value cut towards zero as a cast to int does, kept inside int's range (NaN gives 0):
    // a damaged record must not make the conversion undefined.
    static int truncated(double v);

    const char *data() const { return _buffer; }
    qsizetype size() const { return _end - _buffer; }
    QByteArray toByteArray() const { return QByteArray(_buffer, size()); }

private:
    size_t room() const { return size_t(_buffer + Capacity - _end); }

    char _buffer[Capacity];
    char *_end = _buffer;
};
