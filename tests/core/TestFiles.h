// Hand-made recording, log and settings files for the core tests.
#pragma once

#include "vexa_types.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A fresh folder under the system temp folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeFile(const std::string &path, const Bytes &bytes);
void writeText(const std::string &path, const std::string &text);
Bytes readFile(const std::string &path);

// A time as a reader sees it: "2024-02-29 12:34:56.000 w4", the weekday last.
std::string timeText(const _vexa_time_t &t);

// Fields of a 59-byte comment payload; the rest stays zero.
struct Payload {
    int year = 2026, month = 12, day = 6, hour = 7, minute = 30, second = 0, frame = 0;
    int fps = 10;
    int phase = 1, gps_valid = 1, event_type = 0;
    double latitude = 3731.5, longitude = 12658.2;
    int altitude = 40, speed = 60, course = 90;
    int gx = 10, gy = -20, gz = 1000;
    int aux_60 = 0, aux_61 = 0, aux_64 = 0;
};
Bytes makePayload(const Payload &p);

// A minimal picture: SOI, APP0, COM with the payload, DQT, SOS with scan bytes, EOI.
// Without a payload there is no COM segment.
Bytes makePicture(const Bytes *payload, size_t scanBytes = 32);

void append(Bytes &to, const Bytes &from);

// The bytes of a packed record as a file stores it.
template <typename T> Bytes bytesOf(const T &record)
{
    const auto *p = reinterpret_cast<const uint8_t *>(&record);
    return Bytes(p, p + sizeof record);
}
