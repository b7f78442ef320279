// Log reader on arbitrary bytes: no reads outside the buffers, and the result obeys the limits.
#include "FuzzFile.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile input(data, size, ".log");
    vexa_log_file log;
    const bool ok = log.load(input.path().c_str());
    if (ok && (log.count() == 0 || log.count() >= vexa_log_file::max_records))
        std::abort();
    if (log.count() > 0) {
        const int64_t first = time_to_seconds(log.record_at(0).time);
        const int64_t last = time_to_seconds(log.last_record().time);
        if (last < first || last > first + 3610)
            std::abort();
        if (log.duration_seconds() != uint64_t(last - first) + 1)
            std::abort();
    }
    if (!std::isfinite(log.distance()) || log.distance() < 0)
        std::abort();
    if (log.record_at(log.count()).time.year != 0)
        std::abort();

    // Read by its ends first, the log reads to the same records.
    vexa_log_file lazy;
    lazy.load_summary(input.path().c_str());
    lazy.duration_seconds();
    if (lazy.count() != log.count())
        std::abort();
    return 0;
}
