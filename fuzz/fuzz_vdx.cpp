// Opens a recording with a sidecar; the first input byte decides where the sidecar ends.
#include "FuzzFile.h"
#include "vexa_vdd_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The sidecar gets first-byte x 4 bytes, enough for a trailer and a few records.
    const size_t split = std::min<size_t>(size - 1, size_t(data[0]) * 4);
    FuzzFile vdx(data + 1, split, ".vdx");
    FuzzFile vdd(data + 1 + split, size - 1 - split, ".vdd");

    vexa_vdd_file file;
    if (!file.open(vdd.path().c_str(), vdx.path().c_str()))
        return 0;
    if (file.index_header().frame_count != file.frame_count())
        __builtin_trap();

    const uint64_t n = file.frame_count();
    uint8_t comment[VEXA_COMMENT_SIZE];
    std::vector<uint8_t> buf;
    for (uint64_t i : {uint64_t(0), n / 2, n ? n - 1 : 0, n}) {
        const uint32_t length = file.header_at(i).length;
        file.get_jpeg_comment(i, comment);
        // Sidecar lengths are arbitrary; only read what a caller would accept.
        if (length > 0 && length <= (1u << 20)) {
            buf.assign(length, 0);
            file.get_frame_data(i, buf.data(), buf.size());
        }
    }
    file.duration_seconds();

    // Opened for the lists, the recording's index read on first use is the same.
    vexa_vdd_file lazy;
    if (lazy.open_summary(vdd.path().c_str(), vdx.path().c_str())) {
        lazy.duration_seconds();
        lazy.listed_frame_count();
        if (lazy.headers().size() != n
            || (n && std::memcmp(lazy.headers().data(), file.headers().data(), n * sizeof(_vexa_video_frame_header_t))))
            __builtin_trap();
    }
    return 0;
}
