// The telemetry a player shows without anything burnt into the picture: one cue a second
// (local time and zone, speed and course, position, G values) as the movie's mov_text
// track and as an .srt file beside it, and the movie's creation time and place.
#pragma once

#include "DisplayFormat.h"
#include "PrivacyZones.h"
#include "vexa_types.h"

#include <QByteArray>
#include <QList>
#include <QString>

class vexa_vdd_file;

class MovieSubtitles {
public:
    struct Cue {
        qint64 startMsec;
        qint64 endMsec;
        QString text;
    };

    // One cue per perSecond pictures of the movie, from the first frame of each; a cue inside
    // a zone keeps its time, speed and G values but shows no position.
    static QList<Cue> cues(const vexa_vdd_file &reader, const QList<qint64> &frames, int perSecond,
                           const DisplayFormat &format, const PrivacyZones &zones = {});
    static QString text(const _vexa_video_frame_header_t &header, const DisplayFormat &format,
                        const PrivacyZones &zones = {});
    static QByteArray srt(const QList<Cue> &cues);
    // clip.mp4 -> clip.srt
    static QString srtPath(const QString &moviePath);
    // "2013-07-05T00:08:07.000000Z"
    static QString creationTime(const _vexa_time_t &utc);
    // The first fix of the frames outside every zone as ISO 6709, "+37.5000+127.0000/";
    // empty without one.
    static QString location(const vexa_vdd_file &reader, const QList<qint64> &frames,
                            const PrivacyZones &zones = {});
};
