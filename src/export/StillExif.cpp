#include "StillExif.h"

#include "vexa_time.h"

#include <QString>

#include <libexif/exif-data.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

QByteArray latin1(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
QByteArray latin1(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const QString text = QString::vasprintf(format, args);
    va_end(args);
    return text.toLatin1();
}

struct ExifDataDeleter {
    void operator()(ExifData *data) const { exif_data_unref(data); }
};

class ExifBuilder {
public:
    ExifBuilder() : _data(exif_data_new())
    {
        exif_data_set_byte_order(_data.get(), EXIF_BYTE_ORDER_INTEL);
        exif_data_set_data_type(_data.get(), EXIF_DATA_TYPE_COMPRESSED);
    }

    void ascii(ExifIfd ifd, ExifTag tag, const QByteArray &text)
    {
        unsigned char *data = add(ifd, tag, EXIF_FORMAT_ASCII, unsigned(text.size() + 1));
        std::memcpy(data, text.constData(), size_t(text.size()) + 1);
    }
    void bytes(ExifIfd ifd, ExifTag tag, ExifFormat format, const QByteArray &value)
    {
        unsigned char *data = add(ifd, tag, format, unsigned(value.size()));
        std::memcpy(data, value.constData(), size_t(value.size()));
    }
    // Unsigned rationals with a fixed denominator each.
    void rationals(ExifIfd ifd, ExifTag tag, std::initializer_list<std::pair<double, unsigned>> values)
    {
        unsigned char *data = add(ifd, tag, EXIF_FORMAT_RATIONAL, unsigned(values.size()));
        for (const auto &[value, denominator] : values) {
            const double scaled = std::round(std::clamp(value, 0.0, 4e9 / denominator) * denominator);
            exif_set_rational(data, EXIF_BYTE_ORDER_INTEL, ExifRational{ExifLong(scaled), ExifLong(denominator)});
            data += exif_format_get_size(EXIF_FORMAT_RATIONAL);
        }
    }

    // "Exif\0\0" and the TIFF structure; empty when libexif could not lay it out.
    QByteArray saved()
    {
        unsigned char *buffer = nullptr;
        unsigned int size = 0;
        exif_data_save_data(_data.get(), &buffer, &size);
        QByteArray out(reinterpret_cast<const char *>(buffer), qsizetype(buffer ? size : 0));
        std::free(buffer);
        return out;
    }

private:
    unsigned char *add(ExifIfd ifd, ExifTag tag, ExifFormat format, unsigned components)
    {
        ExifEntry *entry = exif_entry_new();
        const unsigned size = exif_format_get_size(format) * components;
        entry->data = static_cast<unsigned char *>(std::calloc(size, 1));
        entry->size = size;
        entry->tag = tag;
        entry->format = format;
        entry->components = components;
        exif_content_add_entry(_data->ifd[ifd], entry);
        exif_entry_unref(entry);
        return entry->data;
    }

    std::unique_ptr<ExifData, ExifDataDeleter> _data;
};

QByteArray exifDate(const _vexa_time_t &t, char separator = ' ')
{
    return latin1("%04d:%02d:%02d%c%02d:%02d:%02d", t.year, t.month, t.day, separator, t.hour,
                                t.minute, t.second);
}

// "+09:00" of a local time against its UTC time.
QByteArray offsetText(const _vexa_time_t &local, const _vexa_time_t &utc)
{
    const int64_t minutes = (time_to_seconds(local) - time_to_seconds(utc)) / 60;
    const int64_t size = std::llabs(minutes);
    return latin1("%c%02d:%02d", minutes < 0 ? '-' : '+', int(size / 60), int(size % 60));
}

void addPosition(ExifBuilder &exif, double degrees, ExifTag refTag, ExifTag tag, const char *positive,
                 const char *negative)
{
    const double size = std::fabs(degrees);
    const double whole = std::floor(size), minutes = std::floor((size - whole) * 60);
    const double seconds = (size - whole - minutes / 60) * 3600;
    exif.ascii(EXIF_IFD_GPS, refTag, degrees < 0 ? negative : positive);
    exif.rationals(EXIF_IFD_GPS, tag, {{whole, 1}, {minutes, 1}, {seconds, 10000}});
}

void addGps(ExifBuilder &exif, const _vexa_video_frame_header_t &frame)
{
    const auto tag = [](int value) { return ExifTag(value); };
    exif.bytes(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_VERSION_ID), EXIF_FORMAT_BYTE, QByteArray("\x02\x03\x00\x00", 4));
    addPosition(exif, nmea_to_degrees(frame.latitude), tag(EXIF_TAG_GPS_LATITUDE_REF), tag(EXIF_TAG_GPS_LATITUDE),
                "N", "S");
    addPosition(exif, nmea_to_degrees(frame.longitude), tag(EXIF_TAG_GPS_LONGITUDE_REF),
                tag(EXIF_TAG_GPS_LONGITUDE), "E", "W");
    exif.bytes(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_ALTITUDE_REF), EXIF_FORMAT_BYTE, QByteArray(1, '\0'));
    exif.rationals(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_ALTITUDE), {{double(frame.altitude), 1}});
    const _vexa_time_t &t = frame.time;
    exif.rationals(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_TIME_STAMP),
                   {{double(t.hour), 1}, {double(t.minute), 1}, {t.second + t.millisecond / 1000.0, 1000}});
    exif.ascii(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_SPEED_REF), "K");
    exif.rationals(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_SPEED), {{double(frame.speed), 1}});
    if (frame.course < 360) {
        exif.ascii(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_TRACK_REF), "T");
        exif.rationals(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_TRACK), {{double(frame.course), 1}});
        // The camera looks where the car goes.
        exif.ascii(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_IMG_DIRECTION_REF), "T");
        exif.rationals(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_IMG_DIRECTION), {{double(frame.course), 1}});
    }
    exif.ascii(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_MAP_DATUM), "WGS-84");
    exif.ascii(EXIF_IFD_GPS, tag(EXIF_TAG_GPS_DATE_STAMP), latin1("%04d:%02d:%02d", t.year, t.month, t.day));
}

} // namespace

QByteArray StillExif::segment(const _vexa_video_frame_header_t &frame, const DisplayZone &zone)
{
    ExifBuilder exif;
    const _vexa_time_t local = zone.toLocal(frame.time);
    exif.ascii(EXIF_IFD_0, EXIF_TAG_DATE_TIME, exifDate(local));
    // 2.31 is the version that knows the offset tags.
    exif.bytes(EXIF_IFD_EXIF, EXIF_TAG_EXIF_VERSION, EXIF_FORMAT_UNDEFINED, QByteArray("0231"));
    exif.ascii(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, exifDate(local));
    exif.ascii(EXIF_IFD_EXIF, EXIF_TAG_OFFSET_TIME_ORIGINAL, offsetText(local, frame.time));
    exif.ascii(EXIF_IFD_EXIF, EXIF_TAG_SUB_SEC_TIME_ORIGINAL, latin1("%03d", frame.time.millisecond % 1000));
    if (has_position_fix(frame.gps_valid, frame.latitude, frame.longitude))
        addGps(exif, frame);
    const QByteArray body = exif.saved();
    // A segment's length field counts itself and must fit in 16 bits.
    if (body.isEmpty() || body.size() + 2 > 0xFFFF)
        return {};
    QByteArray out("\xFF\xE1", 2);
    out.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xFF));
    return out + body;
}

QByteArray StillExif::inserted(const QByteArray &jpeg, const QByteArray &segment)
{
    if (jpeg.size() < 4 || uchar(jpeg[0]) != 0xFF || uchar(jpeg[1]) != 0xD8)
        return {};
    qsizetype at = 2;
    // A JFIF APP0 stays right after the start, as JFIF readers expect.
    if (jpeg.size() >= 6 && uchar(jpeg[2]) == 0xFF && uchar(jpeg[3]) == 0xE0) {
        const qsizetype length = (uchar(jpeg[4]) << 8) | uchar(jpeg[5]);
        if (length >= 2 && 4 + length <= jpeg.size())
            at = 4 + length;
    }
    QByteArray out;
    out.reserve(jpeg.size() + segment.size());
    out.append(jpeg.constData(), at).append(segment).append(jpeg.constData() + at, jpeg.size() - at);
    return out;
}
