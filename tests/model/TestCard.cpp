#include "TestCard.h"

#include "vexa_time.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <cstring>

namespace TestCard {

namespace {

template <typename T>
void put(QByteArray &bytes, int offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

QByteArray jpegBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    writer.write(picture);
    return bytes;
}

// The 59-byte comment payload that decodes to the frame's header (10 frames a second).
QByteArray payload(const Frame &f)
{
    QByteArray p(59, '\0');
    p[0] = char(f.time.year - 2000);
    p[1] = char(f.time.month);
    p[2] = char(f.time.day);
    p[3] = char(f.time.hour);
    p[4] = char(f.time.minute);
    p[5] = char(f.time.second);
    p[6] = char(f.time.millisecond / 100);
    p[11] = char(f.recordPhase);
    p[12] = char(f.gps ? 1 : 0);
    put<uint16_t>(p, 16, 10);
    put<double>(p, 21, f.latitude);
    put<double>(p, 29, f.longitude);
    p[39] = char(f.speed);
    put<uint16_t>(p, 40, f.course);
    p[44] = char(f.eventType);
    put<int16_t>(p, 45, f.gx);
    put<int16_t>(p, 47, f.gy);
    put<int16_t>(p, 49, f.gz);
    return p;
}

QByteArray withComment(const QByteArray &jpeg, const QByteArray &comment)
{
    QByteArray segment("\xFF\xFE", 2);
    const int length = int(comment.size()) + 2;
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(comment);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

_vexa_video_frame_header_t header(const Frame &f, uint32_t offset, uint32_t length)
{
    _vexa_video_frame_header_t h{};
    h.magic = VEXA_FRAME_MAGIC;
    h.version = 1;
    h.offset = offset;
    h.length = length;
    h.time = f.time;
    h.time_set = 1;
    h.record_phase = f.recordPhase;
    h.gsensor_x = f.gx;
    h.gsensor_y = f.gy;
    h.gsensor_z = f.gz;
    h.gps_valid = f.gps ? 1 : 0;
    h.latitude = f.latitude;
    h.longitude = f.longitude;
    h.speed = f.speed;
    h.course = f.course;
    h.event_type = f.eventType;
    return h;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

_vexa_time_t utc(int year, int month, int day, int hour, int minute, int second, int msec)
{
    _vexa_time_t t{};
    t.year = uint16_t(year);
    t.month = uint16_t(month);
    t.day = uint16_t(day);
    t.hour = uint16_t(hour);
    t.minute = uint16_t(minute);
    t.second = uint16_t(second);
    t.millisecond = uint16_t(msec);
    return msec_to_time(time_to_msec(t));
}

std::vector<Frame> frames(int count, const _vexa_time_t &start, int intervalMs)
{
    std::vector<Frame> out(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        out[size_t(i)].time = msec_to_time(time_to_msec(start) + qint64(i) * intervalMs);
    return out;
}

QImage cornerPicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter p(&image);
    p.fillRect(0, 0, 16, 16, Qt::red);
    p.fillRect(48, 0, 16, 16, Qt::green);
    p.fillRect(0, 32, 16, 16, Qt::blue);
    p.fillRect(48, 32, 16, 16, Qt::white);
    return image;
}

bool writeRecording(const QString &path, const std::vector<Frame> &frames, const QImage &picture,
                    bool sidecar)
{
    const QByteArray jpeg = jpegBytes(picture);
    QByteArray vdd;
    QByteArray vdx;
    for (const Frame &f : frames) {
        const QByteArray bytes = withComment(jpeg, payload(f));
        const _vexa_video_frame_header_t h = header(f, uint32_t(vdd.size()), uint32_t(bytes.size()));
        vdx.append(reinterpret_cast<const char *>(&h), sizeof h);
        vdd.append(bytes);
    }
    _vexa_video_index_header_t index{};
    index.magic = VEXA_INDEX_MAGIC;
    index.version = 1;
    index.event_type = frames.empty() ? 0 : uint8_t(frames.front().eventType);
    index.index_valid = 1;
    index.index_flag = 1;
    index.frame_count = uint32_t(frames.size());
    vdx.append(reinterpret_cast<const char *>(&index), sizeof index);
    const QFileInfo info(path);
    const QString vdxPath = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".vdx");
    return writeFile(path, vdd) && (!sidecar || writeFile(vdxPath, vdx));
}

bool writeLog(const QString &path, const _vexa_time_t &start, int seconds)
{
    QByteArray text;
    for (int i = 0; i < seconds; ++i) {
        const _vexa_time_t t = seconds_to_time(time_to_seconds(start) + i);
        text += "$GPRMC,,A,3731.5000,N,12658.2000,E,10.0,90.0,,,*00\r\n";
        text += "$GPGGA,,,,,,,7,1.2,35.0,M*00\r\n";
        text += QString::asprintf("$REZEZ,0,1,10,-20,1000,%02d%02d%02d000,%02d%02d%02d*00\r\n",
                                  t.hour, t.minute, t.second, t.day, t.month, t.year % 100)
                    .toLatin1();
    }
    return writeFile(path, text);
}

bool makeLayout(const QString &root, bool normal)
{
    QDir dir(root);
    return dir.mkpath(QStringLiteral("CH1/event")) && dir.mkpath(QStringLiteral("log"))
        && (!normal || dir.mkpath(QStringLiteral("CH1/normal")));
}

} // namespace TestCard
