#include "vexa_vdd_file.h"

#include "vexa_telemetry.h"
#include "vexa_time.h"

#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Largest picture whose comment can be read.
constexpr uint64_t comment_buffer_size = 512000;

const _vexa_video_frame_header_t zero_header{};

// Reads exactly len bytes at offset; false on any short read.
bool read_at(int fd, uint64_t offset, uint8_t *buf, uint64_t len)
{
    while (len > 0) {
        const ssize_t n = pread(fd, buf, len, off_t(offset));
        if (n <= 0)
            return false;
        buf += n;
        offset += uint64_t(n);
        len -= uint64_t(n);
    }
    return true;
}

bool is_picture(const uint8_t *p, uint64_t len)
{
    return len >= 4 && p[0] == 0xFF && p[1] == 0xD8 && p[len - 2] == 0xFF && p[len - 1] == 0xD9;
}

_vexa_video_index_header_t make_index_header(const std::vector<_vexa_video_frame_header_t> &headers)
{
    _vexa_video_index_header_t ih{};
    ih.magic = VEXA_INDEX_MAGIC;
    if (!headers.empty()) {
        ih.version = headers.front().version;
        ih.event_type = uint8_t(headers.front().event_type);
    }
    ih.index_valid = 1;
    ih.index_flag = 1;
    ih.frame_count = uint32_t(headers.size());
    return ih;
}

// Owns a FILE opened for reading and closes it on every return path.
struct FileCloser {
    void operator()(FILE *f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

int64_t file_length(FILE *f)
{
    struct stat st {};
    if (fstat(fileno(f), &st) != 0)
        return -1;
    return int64_t(st.st_size);
}

} // namespace

vexa_vdd_file::~vexa_vdd_file()
{
    close();
}

bool vexa_vdd_file::open(const char *vdd_path, const char *vdx_path)
{
    close();
    path_.clear();
    sequence_number_ = 0;
    file_size_ = 0;
    index_header_ = {};
    headers_.clear();
    if (!vdd_path)
        return false;

    file_ = std::fopen(vdd_path, "rb");
    if (!file_)
        return false;
    // Frames are read with pread; a stdio buffer per open recording would only cost memory.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    file_size_ = fseeko(file_, 0, SEEK_END) == 0 ? int64_t(ftello(file_)) : -1;
    if (file_size_ < 0 || fseeko(file_, 0, SEEK_SET) != 0) {
        close();
        file_size_ = 0;
        return false;
    }

    bool ok = false;
    if (vdx_path && *vdx_path)
        ok = load_index(vdx_path);
    // A sidecar that yields no frames must not hide the pictures in the .vdd.
    if (!ok || headers_.empty())
        ok = scan_index();

    path_ = vdd_path;
    sequence_number_ = sequence_from_path(vdd_path);
    return ok;
}

void vexa_vdd_file::close()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

const _vexa_video_frame_header_t &vexa_vdd_file::header_at(uint64_t index) const
{
    if (index >= index_header_.frame_count || index >= headers_.size())
        return zero_header;
    return headers_[index];
}

bool vexa_vdd_file::load_index(const char *vdx_path)
{
    index_header_ = {};
    headers_.clear();

    FilePtr f(std::fopen(vdx_path, "rb"));
    if (!f)
        return false;
    const int64_t size = file_length(f.get());
    if (size < 0)
        return false;

    constexpr int64_t record = sizeof(_vexa_video_frame_header_t);
    constexpr int64_t trailer = sizeof(_vexa_video_index_header_t);
    bool accepted = false;
    if (size >= trailer) {
        _vexa_video_index_header_t ih{};
        if (fseeko(f.get(), size - trailer, SEEK_SET) == 0 && std::fread(&ih, trailer, 1, f.get()) == 1
            && ih.magic == VEXA_INDEX_MAGIC && ih.index_valid == 1) {
            index_header_ = ih;
            accepted = true;
        }
    }
    if (!accepted && !load_old_index_header(f.get(), size))
        return false;

    if (fseeko(f.get(), 0, SEEK_SET) != 0)
        return false;
    // The count comes from the file; never reserve more than the file can hold.
    const uint64_t fits = uint64_t(size / record);
    const uint64_t want = index_header_.frame_count;
    headers_.resize(want < fits ? want : fits);
    const size_t got = std::fread(headers_.data(), record, headers_.size(), f.get());
    headers_.resize(got);
    for (size_t i = 0; i < headers_.size(); ++i) {
        if (headers_[i].time.year == 0) {
            headers_.resize(i);
            break;
        }
    }
    return headers_.size() == index_header_.frame_count;
}

// The older sidecar has no trailer: the headers alone, counted by the file size.
bool vexa_vdd_file::load_old_index_header(FILE *f, int64_t size)
{
    index_header_ = {};
    uint8_t first[sizeof(_vexa_video_frame_header_t)];
    if (fseeko(f, 0, SEEK_SET) != 0 || std::fread(first, 29, 1, f) != 1)
        return false;
    uint32_t magic;
    std::memcpy(&magic, first, sizeof magic);
    if (magic != VEXA_FRAME_MAGIC)
        return false;
    if (fseeko(f, 0, SEEK_SET) != 0 || std::fread(first, sizeof first, 1, f) != 1)
        return false;

    const uint64_t count = uint64_t(size) / sizeof(_vexa_video_frame_header_t);
    index_header_.magic = VEXA_INDEX_MAGIC;
    index_header_.version = first[4];
    index_header_.event_type = first[62];
    index_header_.index_valid = 1;
    index_header_.index_flag = 1;
    index_header_.frame_count = uint32_t(count < UINT32_MAX ? count : UINT32_MAX);
    return index_header_.frame_count != 0;
}

bool vexa_vdd_file::scan_index()
{
    index_header_ = {};
    headers_.clear();
    if (!file_)
        return false;

    const int64_t size = file_length(file_);
    if (size < 0)
        return false;
    if (size > 0) {
        // Populating up front costs one call instead of a page fault per page.
        void *map = mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fileno(file_), 0);
        if (map == MAP_FAILED)
            return false;
        scan_pictures(static_cast<const uint8_t *>(map), uint64_t(size));
        munmap(map, size_t(size));
    }
    index_header_ = make_index_header(headers_);
    return true;
}

// The telemetry in the comment is binary and may hold the bytes FF D9; such a pair lies inside
// the comment segment and must not end the picture, or the frame would be lost.
bool vexa_vdd_file::inside_comment(const uint8_t *picture, uint64_t marker, uint64_t available)
{
    const int64_t payload = find_comment(picture, marker + 2);
    if (payload < 2 || uint64_t(payload) > marker)
        return false;
    const uint64_t length = uint64_t(picture[payload - 2]) << 8 | picture[payload - 1];
    const uint64_t segment_end = uint64_t(payload) - 2 + length;
    return segment_end > marker && segment_end <= available;
}

// One pass: outside a picture look for FF D8, inside it for FF D9.
void vexa_vdd_file::scan_pictures(const uint8_t *data, uint64_t size)
{
    uint64_t pos = 0;
    uint64_t start = 0;
    bool open = false;
    while (pos + 1 < size) {
        const void *hit = std::memchr(data + pos, 0xFF, size - 1 - pos);
        if (!hit)
            break;
        const uint64_t i = uint64_t(static_cast<const uint8_t *>(hit) - data);
        const uint8_t next = data[i + 1];
        if (!open && next == 0xD8) {
            open = true;
            start = i;
            pos = i + 2;
        } else if (open && next == 0xD9 && !inside_comment(data + start, i - start, size - start)) {
            open = false;
            add_picture(data + start, start, i + 2 - start);
            pos = i + 2;
        } else {
            pos = i + 1;
        }
    }
}

void vexa_vdd_file::add_picture(const uint8_t *picture, uint64_t offset, uint64_t length)
{
    // Offsets and lengths are 32-bit in the header; a picture beyond that cannot be addressed.
    if (offset + length > std::numeric_limits<uint32_t>::max() || !is_picture(picture, length))
        return;
    const int64_t payload = find_comment(picture, length);
    if (payload < 0 || uint64_t(payload) + VEXA_COMMENT_SIZE > length)
        return;
    headers_.push_back(decode_frame_comment(picture + payload, uint32_t(offset), uint32_t(length)));
}

int64_t vexa_vdd_file::find_comment(const uint8_t *picture, uint64_t length)
{
    uint64_t p = 0;
    bool at_marker = true;
    for (;;) {
        if (at_marker) {
            if (p + 1 >= length)
                return -1;
            const uint8_t m = picture[p + 1];
            if (m == 0xD8 || m == 0x01) {
                p += 1;
            } else if (m == 0xD9 || m == 0xDA) {
                return -1;  // the comment must come before the scan data
            } else if ((m & 0xF8) == 0xD0 || m < 0xC0) {
                p += 1;
            } else if (m == 0xFE) {
                return int64_t(p + 4);
            } else {
                if (p + 3 >= length)
                    return -1;
                const uint64_t seg = uint64_t(picture[p + 2]) << 8 | picture[p + 3];
                p += 1 + seg;
            }
        }
        p += 1;
        if (p >= length)
            return -1;
        at_marker = picture[p] == 0xFF;
    }
}

bool vexa_vdd_file::get_frame_data(uint64_t index, uint8_t *buf, uint64_t len)
{
    // Callers guarantee these; a violation still must not crash or read stray memory.
    if (!file_ || !index_header_.frame_count || !buf || !len)
        return false;
    const _vexa_video_frame_header_t &h = header_at(index);
    if (h.length == 0 || h.length > len)
        return false;
    return read_at(fileno(file_), h.offset, buf, h.length);
}

bool vexa_vdd_file::get_jpeg_comment(uint64_t index, uint8_t out[VEXA_COMMENT_SIZE])
{
    if (!file_ || !out)
        return false;
    const _vexa_video_frame_header_t &h = header_at(index);
    if (h.length < 1 || h.length > comment_buffer_size)
        return false;
    thread_local std::unique_ptr<uint8_t[]> buffer;
    if (!buffer)
        buffer.reset(new (std::nothrow) uint8_t[comment_buffer_size]);
    if (!buffer || !read_at(fileno(file_), h.offset, buffer.get(), h.length))
        return false;
    if (!is_picture(buffer.get(), h.length))
        return false;
    const int64_t payload = find_comment(buffer.get(), h.length);
    if (payload < 0 || uint64_t(payload) + VEXA_COMMENT_SIZE > h.length)
        return false;
    std::memcpy(out, buffer.get() + payload, VEXA_COMMENT_SIZE);
    return true;
}

bool vexa_vdd_file::save_jpeg_file(uint64_t index, const char *path)
{
    if (!path || !*path)
        return false;
    const uint32_t length = header_at(index).length;
    if (length == 0)
        return false;
    std::unique_ptr<uint8_t[]> bytes(new (std::nothrow) uint8_t[length]);
    if (!bytes || !get_frame_data(index, bytes.get(), length))
        return false;
    FILE *out = std::fopen(path, "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.get(), 1, length, out) == length;
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        std::remove(path);  // leave no truncated picture behind
        return false;
    }
    return true;
}

uint64_t vexa_vdd_file::duration_seconds() const
{
    if (headers_.empty())
        return 0;
    if (headers_.size() == 1)
        return 1;
    const int64_t diff = time_to_seconds(headers_.back().time) - time_to_seconds(headers_.front().time);
    // A clock that ran backwards must not turn into an enormous unsigned duration.
    return diff < 0 ? 0 : uint64_t(diff) + 1;
}
