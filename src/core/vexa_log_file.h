// Reader of one driving log: NMEA-style sentences, one record per second.
#pragma once

#include "vexa_types.h"

#include <cstdint>
#include <string>
#include <vector>

class vexa_log_file {
public:
    static constexpr uint64_t max_records = 3610;  // a log that reaches this is refused

    // Reads the whole log; false when it cannot be opened or read to its end, has no "$REZEZ"
    // record, or reaches max_records inside the time window.
    bool load(const char *path);
    // Why the last load failed to open or read the file; empty when the bytes were all read.
    const std::string &error_string() const { return error_; }

    const std::string &path() const { return path_; }
    int64_t sequence_number() const { return sequence_number_; }
    uint64_t count() const { return records_.size(); }
    // All-zero record when out of range.
    const _vexa_log_info_t &record_at(uint64_t index) const;
    const _vexa_log_info_t &last_record() const;
    const std::vector<_vexa_log_info_t> &records() const { return records_; }
    double distance() const { return distance_; }
    uint64_t duration_seconds() const;
    // UTC milliseconds of the "$GPRMC" time that came with each record (the receiver's
    // clock, beside the camera's in the record); no_gps_time when none did.
    static constexpr int64_t no_gps_time = INT64_MIN;
    const std::vector<int64_t> &gps_times() const { return gps_times_; }

private:
    double compute_distance() const;

    std::string path_;
    std::string error_;
    int64_t sequence_number_ = 0;
    double distance_ = 0;
    std::vector<_vexa_log_info_t> records_;
    std::vector<int64_t> gps_times_;
};
