// Reader of one driving log: NMEA-style sentences, one record per second.
#pragma once

#include "vexa_types.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class vexa_log_file {
public:
    static constexpr uint64_t max_records = 3610;  // a log that reaches this is refused

    // Reads the whole log; false when it cannot be opened or read to its end, has no "$REZEZ"
    // record, or reaches max_records inside the time window.
    bool load(const char *path);
    // Reads only the first record (from the head of the file) and the last record's time
    // (from its tail); the whole log is read by the first call that needs its records.
    // False where load would refuse the log from what the two ends show.
    bool load_summary(const char *path);
    // Reads the whole log now if only its ends were read. Safe to call from several threads.
    void ensure_loaded() const;
    bool loaded() const { return loaded_.load(std::memory_order_acquire); }
    // Why the last load failed to open or read the file; empty when the bytes were all read.
    const std::string &error_string() const { return error_; }

    const std::string &path() const { return path_; }
    int64_t sequence_number() const { return sequence_number_; }
    uint64_t count() const
    {
        ensure_loaded();
        return records_.size();
    }
    // All-zero record when out of range.
    const _vexa_log_info_t &record_at(uint64_t index) const;
    const _vexa_log_info_t &last_record() const;
    const std::vector<_vexa_log_info_t> &records() const
    {
        ensure_loaded();
        return records_;
    }
    double distance() const
    {
        ensure_loaded();
        return distance_;
    }
    // These three need no full read.
    uint64_t duration_seconds() const;
    const _vexa_log_info_t &first_record() const;
    // The last record's time, from the tail until the whole log was read.
    _vexa_time_t last_time() const;
    // UTC milliseconds of the "$GPRMC" time that came with each record (the receiver's
    // clock, beside the camera's in the record); no_gps_time when none did.
    static constexpr int64_t no_gps_time = INT64_MIN;
    const std::vector<int64_t> &gps_times() const
    {
        ensure_loaded();
        return gps_times_;
    }

private:
    bool read_all(const char *path) const;
    bool summarize(int fd, uint64_t size);
    bool summarize_head(int fd, uint64_t size);
    bool summarize_tail(int fd, uint64_t size);
    double compute_distance() const;

    std::string path_;
    int64_t sequence_number_ = 0;
    // Filled by the full read, which may come after load_summary: guarded by load_mutex_.
    mutable std::string error_;
    mutable double distance_ = 0;
    mutable std::vector<_vexa_log_info_t> records_;
    mutable std::atomic_bool loaded_{true};  // nothing pending until load_summary
    mutable std::mutex load_mutex_;
    _vexa_log_info_t first_{};
    int64_t last_seconds_ = 0;
    _vexa_time_t last_time_{};
    mutable std::vector<int64_t> gps_times_;
};
