// Indexing and frame reads of a ~100 MB recording.
#include "BenchFiles.h"
#include "vexa_vdd_file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

// Indexing by walking every byte of the .vdd, read in 1 MB chunks.
void BM_ScanIndex(benchmark::State &state)
{
    const BenchFiles &files = BenchFiles::get();
    for (auto _ : state) {
        vexa_vdd_file file;
        if (!file.open(files.scan_vdd.c_str(), nullptr) || file.frame_count() != files.scan_frames)
            state.SkipWithError("scan lost frames");
        benchmark::DoNotOptimize(file.frame_count());
    }
    state.SetBytesProcessed(int64_t(state.iterations() * files.scan_size));
    state.SetItemsProcessed(int64_t(state.iterations() * files.scan_frames));
}
BENCHMARK(BM_ScanIndex)->Unit(benchmark::kMillisecond);

// The same bytes read sequentially, as `cat FILE > /dev/null` does: the floor for the scan.
void BM_ReadWholeVdd(benchmark::State &state)
{
    const BenchFiles &files = BenchFiles::get();
    std::vector<char> buf(128 * 1024);
    for (auto _ : state) {
        const int fd = ::open(files.scan_vdd.c_str(), O_RDONLY);
        uint64_t total = 0;
        ssize_t n;
        while ((n = ::read(fd, buf.data(), buf.size())) > 0)
            total += uint64_t(n);
        ::close(fd);
        if (total != files.scan_size)
            state.SkipWithError("short read");
    }
    state.SetBytesProcessed(int64_t(state.iterations() * files.scan_size));
}
BENCHMARK(BM_ReadWholeVdd)->Unit(benchmark::kMillisecond);

// Reference for the scan: the same 0xFF search over 1 MB chunks read into one buffer, nothing else.
void BM_ReadAndSearchVdd(benchmark::State &state)
{
    const BenchFiles &files = BenchFiles::get();
    std::vector<uint8_t> buf(1 << 20);
    for (auto _ : state) {
        const int fd = ::open(files.scan_vdd.c_str(), O_RDONLY);
        uint64_t hits = 0;
        ssize_t n;
        while ((n = ::read(fd, buf.data(), buf.size())) > 0) {
            const uint8_t *p = buf.data(), *end = buf.data() + n;
            while (const void *hit = std::memchr(p, 0xFF, size_t(end - p))) {
                p = static_cast<const uint8_t *>(hit) + 1;
                ++hits;
            }
        }
        ::close(fd);
        benchmark::DoNotOptimize(hits);
    }
    state.SetBytesProcessed(int64_t(state.iterations() * files.scan_size));
}
BENCHMARK(BM_ReadAndSearchVdd)->Unit(benchmark::kMillisecond);

// Indexing from the sidecar: one header per frame.
void BM_SidecarIndex(benchmark::State &state)
{
    const BenchFiles &files = BenchFiles::get();
    for (auto _ : state) {
        vexa_vdd_file file;
        if (!file.open(files.vdd.c_str(), files.vdx.c_str()) || file.frame_count() != files.frames)
            state.SkipWithError("sidecar not used");
        benchmark::DoNotOptimize(file.frame_count());
    }
    state.SetItemsProcessed(int64_t(state.iterations() * files.frames));
}
BENCHMARK(BM_SidecarIndex)->Unit(benchmark::kMicrosecond);

// Reading the comment payload of each frame in turn, as the still export and report do.
void BM_CommentPayload(benchmark::State &state)
{
    const BenchFiles &files = BenchFiles::get();
    vexa_vdd_file file;
    file.open(files.vdd.c_str(), files.vdx.c_str());
    uint8_t comment[VEXA_COMMENT_SIZE];
    uint64_t i = 0;
    for (auto _ : state) {
        if (!file.get_jpeg_comment(i, comment))
            state.SkipWithError("comment not read");
        benchmark::DoNotOptimize(comment);
        i = (i + 1) % files.frames;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_CommentPayload);

// Reading whole frames, as playback does for every shown picture.
void BM_FrameData(benchmark::State &state)
{
    const BenchFiles &files = BenchFiles::get();
    vexa_vdd_file file;
    file.open(files.vdd.c_str(), files.vdx.c_str());
    std::vector<uint8_t> buf(512000);
    uint64_t i = 0, bytes = 0;
    for (auto _ : state) {
        if (!file.get_frame_data(i, buf.data(), buf.size()))
            state.SkipWithError("frame not read");
        bytes += file.header_at(i).length;
        i = (i + 1) % files.frames;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
    state.SetBytesProcessed(int64_t(bytes));
}
BENCHMARK(BM_FrameData);

} // namespace
