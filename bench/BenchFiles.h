// Generated recording and log files shared by the benchmarks, made once per run.
#pragma once

#include <cstdint>
#include <string>

class BenchFiles {
public:
    // Files live in $TUMBO_BENCH_DIR when it is set (and are kept there for comparison runs),
    // otherwise in a temporary folder removed at exit.
    static const BenchFiles &get();

    std::string vdd;       // ~100 MB, pictures of 30-40 KB
    // The file the scan and plain-read benchmarks walk: $TUMBO_BENCH_VDD when set, else vdd.
    std::string scan_vdd;
    uint64_t scan_size = 0;
    uint64_t scan_frames = 0;
    std::string vdx;       // sidecar of the same recording, with trailer
    std::string log;       // one hour of one-second records
    uint64_t vdd_size = 0;
    uint64_t frames = 0;
    uint64_t log_size = 0;
    uint64_t log_records = 0;

private:
    BenchFiles();
    ~BenchFiles();
    std::string dir_;
    bool keep_ = false;
};
