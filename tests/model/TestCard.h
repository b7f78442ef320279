// Small recordings, logs and card folders written by the model tests.
#pragma once

#include "vexa_types.h"

#include <QImage>
#include <QString>

#include <vector>

namespace TestCard {

struct Frame {
    _vexa_time_t time{};
    uint16_t eventType = 0;
    uint8_t recordPhase = 1;
    bool gps = false;
    double latitude = 0;   // NMEA ddmm.mmmm
    double longitude = 0;
    uint16_t speed = 0;
    uint16_t course = 0;
    int16_t gx = 0, gy = 0, gz = 1000;
};

_vexa_time_t utc(int year, int month, int day, int hour, int minute, int second, int msec = 0);
// count frames from start, intervalMs apart (10 a second at 100 ms).
std::vector<Frame> frames(int count, const _vexa_time_t &start, int intervalMs = 100);
// A 64 x 48 picture: red top-left, green top-right, blue bottom-left, white bottom-right
// quarter blocks over grey.
QImage cornerPicture();
// Writes path (.vdd) and, when sidecar is set, the .vdx beside it. Every frame shows picture.
bool writeRecording(const QString &path, const std::vector<Frame> &frames,
                    const QImage &picture = cornerPicture(), bool sidecar = true);
// A driving log with one record per second for seconds seconds from start.
bool writeLog(const QString &path, const _vexa_time_t &start, int seconds);
// Creates root/CH1/event, root/log and (when normal is set) root/CH1/normal.
bool makeLayout(const QString &root, bool normal = true);

} // namespace TestCard
