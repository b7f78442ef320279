// Opens any bytes as a recording without sidecar and reads from a few of its frames.
#include "FuzzFile.h"
#include "vexa_vdd_file.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile vdd(data, size, ".vdd");
    vexa_vdd_file file;
    if (!file.open(vdd.path().c_str(), nullptr))
        return 0;
    if (file.index_header().frame_count != file.frame_count())
        __builtin_trap();

    const uint64_t n = file.frame_count();
    const uint64_t picks[] = {0, 1, n / 2, n ? n - 1 : 0, n, UINT64_MAX};
    uint8_t comment[VEXA_COMMENT_SIZE];
    std::vector<uint8_t> buf;
    for (uint64_t i : picks) {
        const _vexa_video_frame_header_t &h = file.header_at(i);
        if (i >= n && h.length != 0)
            __builtin_trap();
        file.get_jpeg_comment(i, comment);
        buf.assign(h.length ? h.length : 1, 0);
        file.get_frame_data(i, buf.data(), buf.size());
        if (h.length > 1)
            file.get_frame_data(i, buf.data(), h.length - 1);
    }
    file.duration_seconds();
    return 0;
}
