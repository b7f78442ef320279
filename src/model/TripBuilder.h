// Trips: the card's recordings and logs in time order, split wherever the gap between the
// end of everything so far and the next file's start exceeds the gap allowed.
//
// It looks only at what the lazy card open already has: a recording's first and last frames
// (every frame once its index was read) and the logs' records. Driving events therefore come
// from the logs and from the recordings whose index was read; eventsComplete says whether
// that covered the whole trip. A log not yet read in full is known by its ends only: the
// trips split the same, but the figures of a trip with such a log wait for its full read.
#pragma once

#include "DrivingEvents.h"
#include "vexa_types.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <atomic>
#include <vector>

class FileManager;
class QThreadPool;
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
        const vexa_log_file *log = nullptr;
        bool pending = false;  // a log known by its ends until its full read

        // False when the recording has no dated frame; the log's records are read in full.
        static bool ofRecording(const vexa_vdd_file &file, Source &out);
        static bool ofLog(const vexa_log_file &file, Source &out);
        // The log as far as it was read: its ends only (pending) until its full read.
        static bool ofLogEnds(const vexa_log_file &file, Source &out);
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
        // A log of the trip waits for its full read: distance, moving time, speeds, events
        // and route are not final.
        bool figuresPending = false;
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
    // The same sources from what the card's open already read: no log is read here.
    static std::vector<Source> sourcesAtOpen(const FileManager &files);
    // Reads the pending logs in full, several at once on the pool (the global one when null),
    // and makes their sources whole; those the full read refuses are dropped. False, and the
    // sources half done, when cancel was set.
    static bool completeLogs(std::vector<Source> &sources, QThreadPool *pool = nullptr,
                             const std::atomic_bool *cancel = nullptr);
    // The gap the preferences hold, in seconds.
    static qint64 storedGapSeconds();

    static Trips build(const std::vector<Source> &sources, qint64 gapSeconds,
                       const DrivingEvents::Thresholds &thresholds);
    // At most maxPoints of the route, its first and last kept, spread evenly over the rest.
    static std::vector<Point> simplified(const std::vector<Point> &route, size_t maxPoints);
};
