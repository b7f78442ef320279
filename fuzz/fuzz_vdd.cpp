// Opens any bytes as a recording without sidecar and reads its frames, then does the same to a
// file that shrinks: cut during the scan, and cut after indexing to an input-chosen length.
#include "FuzzFile.h"
#include "VddScanner.h"
#include "vexa_vdd_file.h"

#include <unistd.h>
#include <vector>

namespace {

std::string g_path;
off_t g_cut = 0;

// The input's last two bytes choose where the file is cut.
off_t cutOf(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    return off_t((size_t(data[size - 2]) << 8 | data[size - 1]) % size);
}

void readFrames(vexa_vdd_file &file, uint64_t limit)
{
    const uint64_t n = file.frame_count();
    uint8_t comment[VEXA_COMMENT_SIZE];
    std::vector<uint8_t> buf;
    for (uint64_t i = 0; i <= n && i < limit; ++i) {
        const _vexa_video_frame_header_t &h = file.header_at(i);
        if (i >= n && h.length != 0)
            __builtin_trap();
        file.get_jpeg_comment(i, comment);
        buf.assign(h.length ? h.length : 1, 0);
        const bool read = file.get_frame_data(i, buf.data(), buf.size());
        // A frame that reaches past the cut cannot be read whole.
        if (read && g_cut >= 0 && uint64_t(h.offset) + h.length > uint64_t(g_cut))
            __builtin_trap();
        if (h.length > 1)
            file.get_frame_data(i, buf.data(), h.length - 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile vdd(data, size, ".vdd");
    vexa_vdd_file file;
    if (!file.open(vdd.path().c_str(), nullptr))
        return 0;
    if (file.index_header().frame_count != file.frame_count())
        __builtin_trap();
    g_cut = -1;
    readFrames(file, 64);
    file.duration_seconds();

    // Cut after indexing: every read past the cut fails, none crashes.
    g_cut = cutOf(data, size);
    if (truncate(vdd.path().c_str(), g_cut) != 0)
        __builtin_trap();
    readFrames(file, 64);
    file.save_jpeg_file(0, (vdd.dir() + "/still.jpg").c_str());
    unlink((vdd.dir() + "/still.jpg").c_str());

    // Cut during the scan, after the first small chunk.
    FuzzFile again(data, size, ".shrink.vdd");
    g_path = again.path();
    vexa_vdd_file shrinking;
    VddScanOptions options;
    options.chunkSize = 16;
    options.afterRead = [](uint64_t) { (void)truncate(g_path.c_str(), g_cut); };
    shrinking.set_scan_options(options);
    if (shrinking.open(again.path().c_str(), nullptr) && size > 16 && uint64_t(g_cut) < size)
        __builtin_trap();  // the scan cannot have read bytes that were gone
    return 0;
}
