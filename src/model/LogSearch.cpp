#include "LogSearch.h"

#include "DisplayFormat.h"
#include "vexa_time.h"
#include "vexa_telemetry.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// Rounding through printing is slow; the few thousand G values a drive shows are each
// rounded once, the rest read from the table.
constexpr size_t kValues = 65536;

} // namespace

double LogSearch::roundUp(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%05.2f", x);
    return std::fabs(std::strtod(text, nullptr));
}

qsizetype LogSearch::outOfOrderAt(const std::vector<const vexa_log_file *> &logs)
{
    for (size_t i = 0; i + 1 < logs.size(); ++i) {
        if (logs[i]->count() == 0 || logs[i + 1]->count() == 0)
            continue;
        if (time_to_msec(logs[i]->last_record().time) > time_to_msec(logs[i + 1]->record_at(0).time))
            return qsizetype(i);
    }
    return -1;
}

double LogSearch::rounded(int axis, int16_t milliG)
{
    std::vector<double> &table = _rounded[axis];
    if (table.empty())
        table.assign(kValues, std::numeric_limits<double>::quiet_NaN());
    double &value = table[size_t(int(milliG) + 32768)];
    if (std::isnan(value))
        value = roundUp(axis == 0 ? gsensor_value(milliG) : gsensor_z_value(milliG));
    return value;
}

// The first record of each run at or above the limit (at exactly 0 for a limit of 0); with
// the G-sensor search on, every such record. Only a record with a fix starts a hit.
std::vector<qint64> LogSearch::speedHits(const std::vector<_vexa_log_info_t> &records,
                                         const Criteria &c) const
{
    const double limit = c.speedLimit;
    const DisplayFormat &format = c.format;
    auto passes = [limit, &format](const _vexa_log_info_t &r) {
        const double v = format.speedValue(r.speed);
        return limit != 0 ? v >= limit : v == 0;
    };
    std::vector<qint64> hits;
    const size_t n = records.size();
    for (size_t i = 0; i < n; ++i) {
        if (!records[i].gps_valid || !passes(records[i]))
            continue;
        hits.push_back(qint64(i));
        if (!c.gOn)
            while (i + 1 < n && passes(records[i + 1]))
                ++i;
    }
    return hits;
}

std::vector<bool> LogSearch::axisHits(const std::vector<_vexa_log_info_t> &records, int axis,
                                      double limit)
{
    std::vector<bool> hits(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const _vexa_log_info_t &r = records[i];
        const int16_t value = axis == 0 ? r.gsensor_x : axis == 1 ? r.gsensor_y : r.gsensor_z;
        hits[i] = rounded(axis == 2 ? 1 : 0, value) >= limit;
    }
    return hits;
}

std::vector<qint64> LogSearch::searchLog(const vexa_log_file &log, const Criteria &c)
{
    const std::vector<_vexa_log_info_t> &records = log.records();
    std::vector<qint64> rows;
    if (c.eventOn) {
        for (const DrivingEvents::Event &e : eventHits(log, c))
            rows.push_back(e.startIndex);
        return rows;
    }
    std::vector<std::vector<bool>> axes;
    if (c.gOn) {
        const bool on[] = {c.xOn, c.yOn, c.zOn};
        const double limits[] = {c.xLimit, c.yLimit, c.zLimit};
        for (int axis = 0; axis < 3; ++axis)
            if (on[axis])
                axes.push_back(axisHits(records, axis, limits[axis]));
        // The G-sensor box without an axis lists nothing, whatever the speed box says.
        if (axes.empty())
            return rows;
    }
    auto passesAxes = [&axes](qint64 i) {
        for (const std::vector<bool> &hits : axes)
            if (!hits[size_t(i)])
                return false;
        return true;
    };
    if (c.speedOn) {
        for (qint64 i : speedHits(records, c))
            if (passesAxes(i))
                rows.push_back(i);
    } else if (c.gOn) {
        for (qint64 i = 0; i < qint64(records.size()); ++i)
            if (passesAxes(i))
                rows.push_back(i);
    }
    return rows;
}

DrivingEvents::Events LogSearch::eventHits(const vexa_log_file &log, const Criteria &c)
{
    DrivingEvents::Events events;
    for (const DrivingEvents::Event &e : DrivingEvents::ofLog(log.records(), c.thresholds))
        if (!c.eventKind || e.kind == *c.eventKind)
            events.push_back(e);
    return events;
}

QList<LogSearch::Row> LogSearch::search(const std::vector<const vexa_log_file *> &logs,
                                        const Criteria &criteria)
{
    QList<Row> rows;
    qint64 number = 1;
    for (size_t l = 0; l < logs.size(); ++l) {
        if (criteria.eventOn) {
            for (const DrivingEvents::Event &e : eventHits(*logs[l], criteria))
                rows.append({qsizetype(l), e.startIndex, number++, e.kind});
            continue;
        }
        for (qint64 index : searchLog(*logs[l], criteria))
            rows.append({qsizetype(l), index, number++, std::nullopt});
    }
    return rows;
}
