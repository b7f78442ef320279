#include "DrivingEvents.h"

#include "DisplayFormat.h"
#include "Preferences.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_map>

namespace {

// One whole UTC second of a recording or log.
struct Second {
    qint64 second = 0;
    qint64 firstIndex = 0;
    qint64 lastIndex = 0;
    bool fix = false;
    double speed = 0;   // m/s, of the first sample with a fix
    double course = 0;  // degrees
};

// A value a rule looks at, for the second it belongs to (an index into the seconds).
struct Value {
    size_t at = 0;
    double value = 0;
};

// Seconds in time order as they come; the lookup by second is built only when a time runs
// backwards, which a sound recording or log never does.
struct Builder {
    std::vector<Second> seconds;
    std::unordered_map<qint64, size_t> bySecond;
    bool inOrder = true;
    size_t lastSlot = 0;

    size_t slotOf(qint64 second, qint64 index)
    {
        if (!seconds.empty() && seconds[lastSlot].second == second)
            return lastSlot;
        if (inOrder && (seconds.empty() || second > seconds.back().second)) {
            seconds.push_back({second, index, index});
            return seconds.size() - 1;
        }
        if (inOrder) {
            inOrder = false;
            for (size_t i = 0; i < seconds.size(); ++i)
                bySecond.emplace(seconds[i].second, i);
        }
        const auto [it, fresh] = bySecond.try_emplace(second, seconds.size());
        if (fresh)
            seconds.push_back({second, index, index});
        return it->second;
    }

    void add(qint64 index, qint64 msec, bool fix, double kmh, double course)
    {
        const qint64 second = msec >= 0 ? msec / 1000 : -((-msec + 999) / 1000);
        lastSlot = slotOf(second, index);
        Second &s = seconds[lastSlot];
        s.lastIndex = std::max(s.lastIndex, index);
        if (fix && !s.fix && std::isfinite(kmh) && std::isfinite(course)) {
            s.fix = true;
            s.speed = kmh / 3.6;
            s.course = course;
        }
    }

    std::vector<Second> sorted()
    {
        if (!inOrder)
            std::sort(seconds.begin(), seconds.end(),
                      [](const Second &a, const Second &b) { return a.second < b.second; });
        return std::move(seconds);
    }
};

bool consecutive(const std::vector<Second> &s, size_t i)
{
    return i > 0 && s[i].fix && s[i - 1].fix && s[i].second - s[i - 1].second == 1;
}

// Runs of passing values whose seconds follow one another; a run of at least `least` values
// becomes an event starting `lead` seconds before its first value.
template <typename Pass, typename Better>
void findRuns(const std::vector<Second> &s, const std::vector<Value> &values, size_t least, size_t lead,
              DrivingEvents::Kind kind, Pass pass, Better better, std::vector<DrivingEvents::Event> &out,
              std::vector<std::pair<size_t, size_t>> &spans)
{
    size_t k = 0;
    while (k < values.size()) {
        if (!pass(values[k].value)) {
            ++k;
            continue;
        }
        size_t end = k + 1;
        double peak = values[k].value;
        while (end < values.size() && pass(values[end].value) &&
               s[values[end].at].second - s[values[end - 1].at].second == 1) {
            if (better(values[end].value, peak))
                peak = values[end].value;
            ++end;
        }
        if (end - k >= least) {
            DrivingEvents::Event e;
            e.kind = kind;
            e.peak = peak;
            out.push_back(e);
            spans.push_back({values[k].at - lead, values[end - 1].at});
        }
        k = end;
    }
}

double wrappedTurn(double from, double to)
{
    double d = std::fmod(to - from, 360.0);
    if (d > 180.0)
        d -= 360.0;
    else if (d < -180.0)
        d += 360.0;
    return d;
}

class Finder {
public:
    Finder(std::vector<Second> seconds, const DrivingEvents::Thresholds &t) : s(std::move(seconds)), t(t) {}

    void motion()
    {
        std::vector<Value> accel, lateral, speed;
        accel.reserve(s.size());
        lateral.reserve(s.size());
        speed.reserve(s.size());
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i].fix)
                speed.push_back({i, DrivingEvents::speedInUnits(s[i].speed * 3.6, t.units)});
            if (!consecutive(s, i))
                continue;
            accel.push_back({i, s[i].speed - s[i - 1].speed});
            if (s[i].speed * 3.6 >= 20.0) {
                const double omega = wrappedTurn(s[i - 1].course, s[i].course) * std::numbers::pi / 180.0;
                lateral.push_back({i, s[i].speed * omega});
            }
        }
        using K = DrivingEvents::Kind;
        const auto lower = [](double a, double b) { return a < b; };
        const auto higher = [](double a, double b) { return a > b; };
        findRuns(s, accel, 2, 1, K::Brake, [&](double a) { return a <= -t.brake; }, lower, events, spans);
        findRuns(s, accel, 2, 1, K::Accel, [&](double a) { return a >= t.accel; }, higher, events, spans);
        findRuns(s, lateral, 2, 1, K::CornerRight, [&](double a) { return a >= t.corner; }, higher, events, spans);
        findRuns(s, lateral, 2, 1, K::CornerLeft, [&](double a) { return a <= -t.corner; }, lower, events, spans);
        if (t.speedLimit > 0)
            findRuns(s, speed, 10, 0, K::Speeding, [&](double v) { return v > t.speedLimit; }, higher, events, spans);
        for (DrivingEvents::Event &e : events)
            if (e.kind == K::CornerLeft)
                e.peak = -e.peak;
    }

    // Impacts: every sample, joined when less than two seconds apart.
    void impact(qint64 msec, double g)
    {
        if (!(g >= t.impact))
            return;
        if (open && msec - lastMsec < 2000) {
            events.back().peak = std::max(events.back().peak, g);
            spans.back().second = slotOf(msec);
        } else {
            DrivingEvents::Event e;
            e.kind = DrivingEvents::Kind::Impact;
            e.peak = g;
            events.push_back(e);
            spans.push_back({slotOf(msec), slotOf(msec)});
            open = true;
        }
        lastMsec = msec;
    }

    // Points every event at the first and last sample of its seconds.
    template <typename TimeOf> DrivingEvents::Events finish(TimeOf timeOf)
    {
        for (size_t k = 0; k < events.size(); ++k) {
            DrivingEvents::Event &e = events[k];
            e.startIndex = s[spans[k].first].firstIndex;
            e.endIndex = s[spans[k].second].lastIndex;
            e.startMsec = timeOf(e.startIndex);
            e.endMsec = timeOf(e.endIndex);
        }
        std::stable_sort(events.begin(), events.end(), [](const auto &a, const auto &b) {
            return a.startMsec != b.startMsec ? a.startMsec < b.startMsec : a.kind < b.kind;
        });
        return std::move(events);
    }

private:
    size_t slotOf(qint64 msec) const
    {
        const qint64 second = msec >= 0 ? msec / 1000 : -((-msec + 999) / 1000);
        const auto it = std::lower_bound(s.begin(), s.end(), second,
                                         [](const Second &a, qint64 v) { return a.second < v; });
        return size_t(it - s.begin());
    }

    std::vector<Second> s;
    const DrivingEvents::Thresholds &t;
    DrivingEvents::Events events;
    std::vector<std::pair<size_t, size_t>> spans;
    bool open = false;
    qint64 lastMsec = 0;
};

double impactG(int16_t x, int16_t y, int16_t z)
{
    return std::max({std::fabs(gsensor_value(x)), std::fabs(gsensor_value(y)), std::fabs(gsensor_z_value(z))});
}

// Frames and log records carry the same fields; reserve is the expected count of seconds.
template <class Sample>
DrivingEvents::Events ofSamples(const std::vector<Sample> &samples, size_t reserve, const DrivingEvents::Thresholds &t)
{
    Builder b;
    b.seconds.reserve(reserve);
    std::vector<qint64> msec(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        const Sample &s = samples[i];
        msec[i] = time_to_msec(s.time);
        b.add(qint64(i), msec[i], s.gps_valid != 0, s.speed, s.course);
    }
    Finder f(b.sorted(), t);
    f.motion();
    for (size_t i = 0; i < samples.size(); ++i)
        f.impact(msec[i], impactG(samples[i].gsensor_x, samples[i].gsensor_y, samples[i].gsensor_z));
    return f.finish([&](qint64 i) { return msec[size_t(i)]; });
}

} // namespace

DrivingEvents::Events DrivingEvents::ofRecording(const std::vector<_vexa_video_frame_header_t> &frames,
                                                 const Thresholds &t)
{
    // A recording makes several frames a second; the rest grows as it must.
    return ofSamples(frames, frames.size() / 4 + 1, t);
}

DrivingEvents::Events DrivingEvents::ofLog(const std::vector<_vexa_log_info_t> &records, const Thresholds &t)
{
    return ofSamples(records, records.size(), t);
}

QString DrivingEvents::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Brake: return QStringLiteral("brake");
    case Kind::Accel: return QStringLiteral("accel");
    case Kind::CornerLeft: return QStringLiteral("corner_left");
    case Kind::CornerRight: return QStringLiteral("corner_right");
    case Kind::Impact: return QStringLiteral("impact");
    case Kind::Speeding: return QStringLiteral("speeding");
    }
    return {};
}

const char *DrivingEvents::kindTextId(Kind kind)
{
    switch (kind) {
    case Kind::Brake: return "gui_event_brake";
    case Kind::Accel: return "gui_event_accel";
    case Kind::CornerLeft: return "gui_event_corner_left";
    case Kind::CornerRight: return "gui_event_corner_right";
    case Kind::Impact: return "gui_event_impact";
    case Kind::Speeding: return "gui_event_speeding";
    }
    return "";
}

QString DrivingEvents::unitName(Kind kind, int units)
{
    if (kind == Kind::Impact)
        return QStringLiteral("g");
    if (kind != Kind::Speeding)
        return QStringLiteral("m/s2");
    return units == 1 ? QStringLiteral("mph") : units == 2 ? QStringLiteral("knots") : QStringLiteral("km/h");
}

double DrivingEvents::speedInUnits(double kmh, int units)
{
    // The same factors as the viewer's speed read-out.
    return units == 1 ? kmh * 0.621371 : units == 2 ? kmh * 0.539957 : kmh;
}

DrivingEvents::Thresholds DrivingEvents::storedThresholds(const DisplayFormat &format)
{
    Thresholds t;
    t.brake = Preferences::doubleValue(Preferences::EventBrake, t.brake);
    t.accel = Preferences::doubleValue(Preferences::EventAccel, t.accel);
    t.corner = Preferences::doubleValue(Preferences::EventCorner, t.corner);
    t.impact = Preferences::doubleValue(Preferences::EventImpact, t.impact);
    t.speedLimit = Preferences::doubleValue(Preferences::EventSpeedLimit, 0);
    t.units = format.units();
    return t;
}

QColor DrivingEvents::colourOf(Kind kind)
{
    switch (kind) {
    case Kind::Brake: return QColor(0xe5, 0x39, 0x35);
    case Kind::Accel: return QColor(0x43, 0xa0, 0x47);
    case Kind::CornerLeft: return QColor(0xfb, 0x8c, 0x00);
    case Kind::CornerRight: return QColor(0xfd, 0xd8, 0x35);
    case Kind::Impact: return QColor(0xab, 0x47, 0xbc);
    case Kind::Speeding: return QColor(0x1e, 0x88, 0xe5);
    }
    return Qt::white;
}

QString DrivingEvents::peakText(const Event &event, int units)
{
    const QLocale locale;
    switch (event.kind) {
    case Kind::Impact:
        return locale.toString(event.peak, 'f', 1) + QStringLiteral(" g");
    case Kind::Speeding: {
        const QString unit = units == 1 ? QStringLiteral("mph") : units == 2 ? QStringLiteral("kn") : QStringLiteral("km/h");
        return locale.toString(event.peak, 'f', 0) + u' ' + unit;
    }
    default:
        return locale.toString(event.peak, 'f', 1) + QStringLiteral(" m/s²");
    }
}
