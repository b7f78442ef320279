// Driving events of a day of logs (24 one-hour logs) and of a one-hour recording at 30 frames
// a second, both already in memory: the drive brakes, accelerates, turns and knocks often.
#include "DrivingEvents.h"
#include "vexa_time.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int64_t kStart = 1777888800;  // 2026-05-04 10:00 UTC

// Speed (km/h) and course at a moment of the drive, in seconds from its start.
double speedAt(double t) { return 60 + 40 * std::sin(t / 20.0) + 15 * std::sin(t / 3.0); }
double courseAt(double t) { return std::fmod(720 + 90 * std::sin(t / 15.0) + t, 360.0); }

std::vector<_vexa_log_info_t> hourLog(int hour)
{
    std::vector<_vexa_log_info_t> records(3600);
    for (int s = 0; s < 3600; ++s) {
        _vexa_log_info_t &r = records[size_t(s)];
        r.time = seconds_to_time(kStart + hour * 3600 + s);
        r.gps_valid = s % 97 != 0;
        r.speed = float(speedAt(s));
        r.course = float(courseAt(s));
        r.gsensor_z = 1000;
        r.gsensor_x = int16_t(s % 211 == 0 ? 1700 : 40);
    }
    return records;
}

std::vector<_vexa_video_frame_header_t> hourRecording()
{
    std::vector<_vexa_video_frame_header_t> frames(3600 * 30);
    for (size_t i = 0; i < frames.size(); ++i) {
        _vexa_video_frame_header_t &h = frames[i];
        const double t = double(i) / 30.0;
        h.time = msec_to_time(kStart * 1000 + int64_t(i) * 1000 / 30);
        h.gps_valid = (i / 30) % 97 != 0;
        h.speed = uint16_t(std::lround(speedAt(t)));
        h.course = uint16_t(std::lround(courseAt(t))) % 360;
        h.gsensor_z = 1000;
        h.gsensor_y = int16_t(i % 5003 == 0 ? -1600 : 30);
    }
    return frames;
}

void BM_EventsOfDayOfLogs(benchmark::State &state)
{
    std::vector<std::vector<_vexa_log_info_t>> logs;
    for (int hour = 0; hour < 24; ++hour)
        logs.push_back(hourLog(hour));
    DrivingEvents::Thresholds thresholds;
    thresholds.speedLimit = 100;
    size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto &log : logs)
            found += DrivingEvents::ofLog(log, thresholds).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["events"] = double(found);
    state.SetItemsProcessed(int64_t(state.iterations()) * 24 * 3600);
}
BENCHMARK(BM_EventsOfDayOfLogs)->Unit(benchmark::kMillisecond);

void BM_EventsOfHourRecording(benchmark::State &state)
{
    const std::vector<_vexa_video_frame_header_t> frames = hourRecording();
    DrivingEvents::Thresholds thresholds;
    thresholds.speedLimit = 100;
    size_t found = 0;
    for (auto _ : state) {
        found = DrivingEvents::ofRecording(frames, thresholds).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["events"] = double(found);
    state.SetItemsProcessed(int64_t(state.iterations() * frames.size()));
}
BENCHMARK(BM_EventsOfHourRecording)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
