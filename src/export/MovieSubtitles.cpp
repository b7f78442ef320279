#include "MovieSubtitles.h"

#include "vexa_telemetry.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

QString srtTime(qint64 msec)
{
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", msec / 3600000, msec / 60000 % 60,
                             msec / 1000 % 60, msec % 1000);
}

QString degrees(double value, char positive, char negative)
{
    return QString::asprintf("%.5f", std::fabs(value)) + QChar(0x00B0) + QLatin1Char(value < 0 ? negative : positive);
}

} // namespace

QString MovieSubtitles::text(const _vexa_video_frame_header_t &h, const DisplayFormat &format,
                             const PrivacyZones &zones)
{
    QString line = format.dateString(h.time) + u' ' + format.zone().label(h.time);
    if (h.gps_valid) {
        line += QStringLiteral("  %1 %2 %3").arg(qRound(format.speedValue(h.speed)))
                    .arg(format.speedFormat(), DisplayFormat::courseString(h.course));
        if (!zones.hides(h))
            line += u'\n' + degrees(nmea_to_degrees(h.latitude), 'N', 'S') + u' '
                  + degrees(nmea_to_degrees(h.longitude), 'E', 'W');
    }
    line += QString::asprintf("\nG X %.2f  Y %.2f  Z %.2f", gsensor_value(h.gsensor_x),
                              gsensor_value(h.gsensor_y), gsensor_z_value(h.gsensor_z));
    return line;
}

QList<MovieSubtitles::Cue> MovieSubtitles::cues(const vexa_vdd_file &reader, const QList<qint64> &frames,
                                                int perSecond, const DisplayFormat &format,
                                                const PrivacyZones &zones)
{
    QList<Cue> cues;
    const qint64 length = perSecond > 0 ? frames.size() * 1000 / perSecond : 0;
    for (qint64 i = 0; perSecond > 0 && i < frames.size(); i += perSecond) {
        const qint64 start = i * 1000 / perSecond;
        cues.append({start, std::min(start + 1000, length), text(reader.header_at(quint64(frames[i])), format, zones)});
    }
    return cues;
}

QByteArray MovieSubtitles::srt(const QList<Cue> &cues)
{
    QString out;
    for (qsizetype i = 0; i < cues.size(); ++i)
        out += QStringLiteral("%1\n%2 --> %3\n%4\n\n").arg(i + 1).arg(srtTime(cues[i].startMsec),
                                                         srtTime(cues[i].endMsec), cues[i].text);
    return out.toUtf8();
}

QString MovieSubtitles::srtPath(const QString &moviePath)
{
    const QFileInfo info(moviePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".srt"));
}

QString MovieSubtitles::creationTime(const _vexa_time_t &t)
{
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d.%06dZ", t.year, t.month, t.day, t.hour,
                             t.minute, t.second, int(t.millisecond) * 1000);
}

QString MovieSubtitles::location(const vexa_vdd_file &reader, const QList<qint64> &frames,
                                 const PrivacyZones &zones)
{
    for (qint64 index : frames) {
        const _vexa_video_frame_header_t &h = reader.header_at(quint64(index));
        if (has_position_fix(h.gps_valid, h.latitude, h.longitude) && !zones.hides(h))
            return QString::asprintf("%+08.4f%+09.4f/", nmea_to_degrees(h.latitude),
                                     nmea_to_degrees(h.longitude));
    }
    return {};
}
