#include "TripBuilder.h"

#include "FileManager.h"
#include "Preferences.h"
#include "vexa_log_file.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QDate>
#include <QThreadPool>
#include <QTime>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Point = TripBuilder::Point;
using Source = TripBuilder::Source;
using Trip = TripBuilder::Trip;

struct Span {
    qint64 from = 0;
    qint64 to = 0;
};

// The logs' spans of a trip, merged; a recording's sample inside one is already told by a log.
class Coverage {
public:
    void add(qint64 from, qint64 to) { _spans.push_back({from, to}); }
    void finish()
    {
        std::sort(_spans.begin(), _spans.end(), [](const Span &a, const Span &b) { return a.from < b.from; });
        std::vector<Span> merged;
        for (const Span &s : _spans) {
            if (!merged.empty() && s.from <= merged.back().to)
                merged.back().to = std::max(merged.back().to, s.to);
            else
                merged.push_back(s);
        }
        _spans = std::move(merged);
    }
    bool covers(qint64 msec) const
    {
        auto it = std::upper_bound(_spans.begin(), _spans.end(), msec,
                                   [](qint64 t, const Span &s) { return t < s.from; });
        return it != _spans.begin() && msec <= std::prev(it)->to;
    }
    // Whether [from, to] lies wholly inside one span.
    bool coversAll(qint64 from, qint64 to) const
    {
        auto it = std::upper_bound(_spans.begin(), _spans.end(), from,
                                   [](qint64 t, const Span &s) { return t < s.from; });
        return it != _spans.begin() && to <= std::prev(it)->to;
    }

private:
    std::vector<Span> _spans;
};

bool positionOf(uint8_t valid, double nmeaLat, double nmeaLon, Point &p)
{
    if (!has_position_fix(valid, nmeaLat, nmeaLon))
        return false;
    p.latitude = nmea_to_degrees(nmeaLat);
    p.longitude = nmea_to_degrees(nmeaLon);
    return std::isfinite(p.latitude) && std::isfinite(p.longitude);
}

bool validDate(const _vexa_time_t &t)
{
    return t.year >= 1970 && QDate::isValid(t.year, t.month, t.day) && QTime::isValid(t.hour, t.minute, t.second);
}

// One recording's frames as the trip sees them: all when indexed, else the two ends.
struct Frame {
    const _vexa_video_frame_header_t *header;
    qint64 index;
};

std::vector<Frame> framesOf(const Source &s)
{
    std::vector<Frame> out;
    if (s.frames) {
        out.reserve(s.frames->size());
        for (size_t i = 0; i < s.frames->size(); ++i)
            out.push_back({&(*s.frames)[i], qint64(i)});
    } else {
        out.push_back({&s.first, 0});
        if (s.endMsec > s.startMsec)
            out.push_back({&s.last, 1});
    }
    return out;
}

class TripFigures {
public:
    TripFigures(const std::vector<Source> &sources, const DrivingEvents::Thresholds &t, Trip &trip)
        : _sources(sources), _thresholds(t), _trip(trip)
    {
    }

    void run()
    {
        // A log's records stand for their whole seconds.
        for (int i : _trip.sources) {
            const Source &s = _sources[size_t(i)];
            if (s.isLog)
                _logs.add(s.startMsec - s.startMsec % 1000, s.endMsec - s.endMsec % 1000 + 999);
        }
        _logs.finish();
        for (int i : _trip.sources) {
            if (_sources[size_t(i)].isLog)
                addLog(i);
            else
                addRecording(i);
        }
        finish();
    }

private:
    void addLog(int i)
    {
        const Source &s = _sources[size_t(i)];
        _trip.figuresPending = _trip.figuresPending || s.pending;
        _trip.distanceM += s.logDistance;
        if (!s.records)
            return;
        const std::vector<_vexa_log_info_t> &records = *s.records;
        for (size_t r = 0; r < records.size(); ++r) {
            const _vexa_log_info_t &rec = records[r];
            const double kmh = std::isfinite(rec.speed) ? double(rec.speed) : 0.0;
            if (kmh >= TripBuilder::movingKmh)
                ++_trip.movingSeconds;  // one record a second
            _trip.topSpeedKmh = std::max(_trip.topSpeedKmh, kmh);
            Point p{0, 0, time_to_msec(rec.time), i, qint64(r)};
            if (positionOf(rec.gps_valid, rec.latitude, rec.longitude, p))
                _trip.route.push_back(p);
        }
        for (const DrivingEvents::Event &e : DrivingEvents::ofLog(records, _thresholds)) {
            TripBuilder::Event te{e, i, false, {}};
            if (e.startIndex < 0 || size_t(e.startIndex) >= records.size())
                continue;
            const _vexa_log_info_t &rec = records[size_t(e.startIndex)];
            te.position = {0, 0, e.startMsec, i, e.startIndex};
            te.hasPosition = positionOf(rec.gps_valid, rec.latitude, rec.longitude, te.position);
            _trip.events.push_back(te);
        }
    }

    // A recording counts where no log and no earlier recording already told the same time.
    bool counts(qint64 msec) const { return msec > _recordingsUntil && !_logs.covers(msec); }

    // The part of a pair of frames after what earlier recordings told, and outside the logs:
    // a recording known only by its ends still adds the stretch no other file covers.
    void addRecording(int i)
    {
        const Source &s = _sources[size_t(i)];
        const std::vector<Frame> frames = framesOf(s);
        const Frame *previous = nullptr;
        Point previousPoint;
        bool previousFix = false;
        for (const Frame &f : frames) {
            const qint64 msec = time_to_msec(f.header->time);
            Point p{0, 0, msec, i, f.index};
            const bool fix = positionOf(f.header->gps_valid, f.header->latitude, f.header->longitude, p);
            if (counts(msec)) {
                _trip.topSpeedKmh = std::max(_trip.topSpeedKmh, double(f.header->speed));
                if (fix)
                    _trip.route.push_back(p);
            }
            if (previous)
                addStretch(*previous->header, previousPoint.msec, previousFix ? &previousPoint : nullptr, msec,
                           fix ? &p : nullptr);
            previous = &f;
            previousPoint = p;
            previousFix = fix;
        }
        addRecordingEvents(i);
        _recordingsUntil = std::max(_recordingsUntil, s.endMsec);
    }

    void addStretch(const _vexa_video_frame_header_t &from, qint64 fromMsec, const Point *a, qint64 toMsec,
                    const Point *b)
    {
        const qint64 start = std::max(fromMsec, _recordingsUntil);
        if (toMsec <= start || toMsec <= fromMsec || _logs.covers(start + (toMsec - start) / 2))
            return;
        const double share = double(toMsec - start) / double(toMsec - fromMsec);
        if (from.speed >= TripBuilder::movingKmh)
            _movingMsec += toMsec - start;
        if (a && b) {
            const double d = distance_m(a->latitude, a->longitude, b->latitude, b->longitude);
            if (std::isfinite(d))
                _trip.distanceM += d * share;
        }
    }

    void addRecordingEvents(int i)
    {
        const Source &s = _sources[size_t(i)];
        if (!s.frames) {
            if (!_logs.coversAll(s.startMsec, s.endMsec))
                _trip.eventsComplete = false;
            return;
        }
        for (const DrivingEvents::Event &e : DrivingEvents::ofRecording(*s.frames, _thresholds)) {
            if (!counts(e.startMsec))
                continue;
            TripBuilder::Event te{e, i, false, {}};
            if (e.startIndex < 0 || size_t(e.startIndex) >= s.frames->size())
                continue;
            const _vexa_video_frame_header_t &h = (*s.frames)[size_t(e.startIndex)];
            te.position = {0, 0, e.startMsec, i, e.startIndex};
            te.hasPosition = positionOf(h.gps_valid, h.latitude, h.longitude, te.position);
            _trip.events.push_back(te);
        }
    }

    void finish()
    {
        _trip.movingSeconds += _movingMsec / 1000;
        std::stable_sort(_trip.route.begin(), _trip.route.end(),
                         [](const Point &a, const Point &b) { return a.msec < b.msec; });
        std::stable_sort(_trip.events.begin(), _trip.events.end(),
                         [](const TripBuilder::Event &a, const TripBuilder::Event &b) {
                             return a.event.startMsec < b.event.startMsec;
                         });
        _trip.hasPositions = !_trip.route.empty();
        if (_trip.hasPositions) {
            _trip.startPosition = _trip.route.front();
            _trip.endPosition = _trip.route.back();
        }
    }

    const std::vector<Source> &_sources;
    const DrivingEvents::Thresholds &_thresholds;
    Trip &_trip;
    Coverage _logs;
    qint64 _recordingsUntil = std::numeric_limits<qint64>::min();
    qint64 _movingMsec = 0;
};

} // namespace

bool TripBuilder::Source::ofRecording(const vexa_vdd_file &file, Source &out)
{
    if (file.frames_at_least() < 1 || !validDate(file.first_header().time))
        return false;
    out.isLog = false;
    out.first = file.first_header();
    out.last = file.frames_at_least() >= 2 ? file.last_header() : out.first;
    out.frames = file.indexed() ? &file.headers() : nullptr;
    out.startMsec = time_to_msec(out.first.time);
    out.endMsec = std::max<qint64>(out.startMsec, time_to_msec(out.last.time));
    return true;
}

bool TripBuilder::Source::ofLog(const vexa_log_file &file, Source &out)
{
    out.isLog = true;
    out.log = &file;
    out.pending = false;
    out.records = &file.records();
    if (out.records->empty() || !validDate(out.records->front().time))
        return false;
    out.logDistance = file.distance();
    out.startMsec = time_to_msec(out.records->front().time);
    out.endMsec = std::max<qint64>(out.startMsec, time_to_msec(out.records->back().time));
    return true;
}

bool TripBuilder::Source::ofLogEnds(const vexa_log_file &file, Source &out)
{
    if (file.loaded())
        return ofLog(file, out);
    out.isLog = true;
    out.log = &file;
    out.pending = true;
    out.records = nullptr;
    out.logDistance = 0;
    const _vexa_time_t first = file.first_record().time;
    if (!validDate(first))
        return false;
    out.startMsec = time_to_msec(first);
    out.endMsec = std::max<qint64>(out.startMsec, time_to_msec(file.last_time()));
    return true;
}

std::vector<TripBuilder::Source> TripBuilder::sourcesOf(const FileManager &files)
{
    std::vector<Source> out = sourcesAtOpen(files);
    completeLogs(out);
    return out;
}

bool TripBuilder::completeLogs(std::vector<Source> &sources, QThreadPool *pool, const std::atomic_bool *cancel)
{
    const auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    std::vector<const vexa_log_file *> logs;
    for (const Source &s : sources)
        if (s.pending && s.log)
            logs.push_back(s.log);
    // The full reads are the slow part and independent of one another.
    QtConcurrent::blockingMap(pool ? pool : QThreadPool::globalInstance(), logs, [&](const vexa_log_file *log) {
        if (!cancelled())
            log->ensure_loaded();
    });
    if (cancelled())
        return false;
    std::vector<Source> out;
    out.reserve(sources.size());
    for (Source &s : sources) {
        if (s.pending && !(s.log && Source::ofLog(*s.log, s)))
            continue;
        out.push_back(std::move(s));
    }
    sources = std::move(out);
    return true;
}

std::vector<TripBuilder::Source> TripBuilder::sourcesAtOpen(const FileManager &files)
{
    std::vector<Source> out;
    for (const QList<FileVideo *> *list : {&files.eventVideos(), &files.normalVideos()}) {
        for (qsizetype i = 0; i < list->size(); ++i) {
            const FileVideo *video = list->at(i);
            Source s;
            s.type = video->type();
            s.index = i;
            s.file = video->path();
            if (Source::ofRecording(video->file(), s))
                out.push_back(std::move(s));
        }
    }
    for (qsizetype i = 0; i < files.logs().size(); ++i) {
        Source s;
        s.index = i;
        s.file = files.logs().at(i)->path();
        if (Source::ofLogEnds(files.logs().at(i)->file(), s))
            out.push_back(std::move(s));
    }
    return out;
}

qint64 TripBuilder::storedGapSeconds()
{
    const int gap = Preferences::intValue(Preferences::TripGap);
    return gap > 0 ? gap : defaultGapSeconds;
}

double TripBuilder::Trip::averageSpeedKmh() const
{
    return movingSeconds > 0 ? distanceM / double(movingSeconds) * 3.6 : 0.0;
}

std::array<int, 6> TripBuilder::Trip::eventCounts() const
{
    std::array<int, 6> counts{};
    for (const Event &e : events)
        ++counts[size_t(e.event.kind)];
    return counts;
}

TripBuilder::Trips TripBuilder::build(const std::vector<Source> &sources, qint64 gapSeconds,
                                      const DrivingEvents::Thresholds &thresholds)
{
    std::vector<int> order(sources.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return sources[size_t(a)].startMsec < sources[size_t(b)].startMsec;
    });
    Trips trips;
    const qint64 gapMsec = gapSeconds * 1000;
    for (int i : order) {
        const Source &s = sources[size_t(i)];
        if (trips.empty() || s.startMsec - trips.back().endMsec > gapMsec) {
            trips.emplace_back();
            trips.back().startMsec = s.startMsec;
            trips.back().endMsec = s.endMsec;
        }
        Trip &trip = trips.back();
        trip.endMsec = std::max(trip.endMsec, s.endMsec);
        trip.sources.push_back(i);
    }
    for (Trip &trip : trips)
        TripFigures(sources, thresholds, trip).run();
    return trips;
}

std::vector<TripBuilder::Point> TripBuilder::simplified(const std::vector<Point> &route, size_t maxPoints)
{
    if (route.size() <= maxPoints || maxPoints < 2)
        return route;
    std::vector<Point> out;
    out.reserve(maxPoints);
    const double step = double(route.size() - 1) / double(maxPoints - 1);
    for (size_t k = 0; k < maxPoints; ++k)
        out.push_back(route[std::min(route.size() - 1, size_t(std::llround(double(k) * step)))]);
    return out;
}
