// Trips: the card's recordings and logs in time order, split wherever the gap between the
// end of everything so far and the next file's start exceeds the gap allowed.
//
// It looks only at what the lazy card open already has: a recording's first and last frames
// (every frame once its index was read) and the logs' records. Driving events therefore come
// from the logs and from the recordings whose index was read; eventsComplete says whether
// that covered the whole trip.
#pragma once

#include "DrivingEvents.h"
#include "vexa_types.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

class FileManager;
class vexa_vdd_file;
class vexa_log_file;

class TripBuilder {
public:
    static constexpr qint64 defaultGapSeconds = 300;
    // Speeds from this many km/h up count as moving.
    static constexpr double movingKmh = 3.0;

    // One recording or log of the card.
    struct Source {
        bool isLog = false;
        int type = 0;           // the recording's list: FileVideo::Normal or FileVideo::Event
        qint64 index = 0;       // position in its list
        QString file;           // as the caller names it
        qint64 startMsec = 0;   // UTC
        qint64 endMsec = 0;
        const std::vector<_vexa_video_frame_header_t> *frames = nullptr;  // every frame, when indexed
        _vexa_video_frame_header_t first{};
        _vexa_video_frame_header_t last{};
        const std::vector<_vexa_log_info_t> *records = nullptr;  // a log's records
        double logDistance = 0;

        // False when the recording has no dated frame; the log's records are read in full.
        static bool ofRecording(const vexa_vdd_file &file, Source &out);
        static bool ofLog(const vexa_log_file &file, Source &out);
    };

    struct Point {
        double latitude = 0;   // decimal degrees
        double longitude = 0;
        qint64 msec = 0;
        int source = 0;        // index into the sources
        qint64 sample = 0;     // frame or record of that source
    };

    struct Event {
        DrivingEvents::Event event;
        int source = 0;
        bool hasPosition = false;
        Point position;
    };

    struct Trip {
        qint64 startMsec = 0;
        qint64 endMsec = 0;
        bool hasPositions = false;
        Point startPosition;
        Point endPosition;
        double distanceM = 0;
        qint64 movingSeconds = 0;
        double topSpeedKmh = 0;
        std::vector<Event> events;
        bool eventsComplete = true;
        std::vector<int> sources;  // indexes into the sources, in time order
        std::vector<Point> route;  // positions with a fix, in time order

        qint64 durationSeconds() const { return (endMsec - startMsec + 999) / 1000; }
        // Distance over moving time; 0 when the trip never moved.
        double averageSpeedKmh() const;
        std::array<int, 6> eventCounts() const;
    };
    using Trips = std::vector<Trip>;

    // The loaded card's recordings (event, then normal) and logs; reads every log in full.
    static std::vector<Source> sourcesOf(const FileManager &files);
    // The gap the preferences hold, in seconds.
    static qint64 storedGapSeconds();

    static Trips build(const std::vector<Source> &sources, qint64 gapSeconds,
                       const DrivingEvents::Thresholds &thresholds);
    // At most maxPoints of the route, its first and last kept, spread evenly over the rest.
    static std::vector<Point> simplified(const std::vector<Point> &route, size_t maxPoints);
};
