// The texts of the map page's script calls: one call per line, in the order the page runs
// them. Numbers are written the same whatever the process locale, so a comma never turns a
// coordinate into two arguments.
#pragma once

#include "LogGuide.h"
#include "vexa_types.h"

#include <QList>
#include <QString>

class DisplayFormat;
class FileLog;
class FileManager;
class FileVideo;

class MapScript {
public:
    // Decimal degrees of an NMEA position when the fix counts and lies on the globe; a
    // corrupt card's NaN or 99999 would otherwise break the page's batch.
    static bool position(uint8_t gpsValid, double nmeaLatitude, double nmeaLongitude,
                         double *latitude, double *longitude);

    // Camera markers of play-list recordings: the first post-event frame with a position of
    // an event recording, the first frame with a position of a normal one.
    static QString cameras(const FileManager &fileManager, const QList<qint64> &fileIndices,
                           const QString &type);
    static QString logCameras(const QList<LogGuide> &cameras);

    struct Route {
        QString script;
        qint64 firstIndex = -1;  // the first frame with a position; -1 for none
    };
    // The route of a recording: a point every 15 s (normal) or 1 s (others), always the last;
    // the format's speed unit is the one of the speeding limit.
    static Route route(const FileVideo &video, const DisplayFormat &format);

    // The route of the loaded logs, one line through them in order: a point every 5 s and
    // each log's last; a point carries its record's time (time_to_msec) for clicks.
    static QString logRoute(const QList<FileLog *> &logs, const DisplayFormat &format);

    // Decimal degrees.
    static QString moveCenter(double latitude, double longitude);
};
