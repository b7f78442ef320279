// Loading a one-hour driving log.
#include "BenchFiles.h"
#include "vexa_log_file.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LogLoad(benchmark::State &state)
{
    const BenchFiles &files = BenchFiles::get();
    for (auto _ : state) {
        vexa_log_file log;
        if (!log.load(files.log.c_str()) || log.count() != files.log_records)
            state.SkipWithError("log not loaded");
        benchmark::DoNotOptimize(log.distance());
    }
    state.SetBytesProcessed(int64_t(state.iterations() * files.log_size));
    state.SetItemsProcessed(int64_t(state.iterations() * files.log_records));
}
BENCHMARK(BM_LogLoad)->Unit(benchmark::kMillisecond);

} // namespace
