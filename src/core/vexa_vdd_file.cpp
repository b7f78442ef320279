#include "vexa_vdd_file.h"

#include "OpenFileCache.h"
#include "VddScanner.h"
#include "vexa_time.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Largest picture whose comment can be read.
constexpr uint64_t comment_buffer_size = 512000;

const _vexa_video_frame_header_t zero_header{};

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

// Closes a descriptor on every return path.
struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

std::string errno_text()
{
    return std::generic_category().message(errno);
}

// A fresh descriptor of the indexed file, or null when it is closed, gone or replaced.
OpenFileCache::Handle descriptor_of(uint64_t key, const std::string &path, dev_t device, ino_t inode)
{
    if (!key)
        return nullptr;
    std::string ignored;
    return OpenFileCache::instance().acquire(key, path, device, inode, ignored);
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
    error_.clear();
    sequence_number_ = 0;
    file_size_ = 0;
    index_header_ = {};
    headers_.clear();
    if (!vdd_path) {
        error_ = "no path";
        return false;
    }

    const int fd = ::open(vdd_path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error_ = std::string("cannot open: ") + errno_text();
        return false;
    }
    const FdCloser closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = "not a regular file";
        return false;
    }
    file_size_ = int64_t(st.st_size);
    device_ = st.st_dev;
    inode_ = st.st_ino;

    bool ok = false;
    try {
        ok = index(fd, vdx_path);
    } catch (const std::bad_alloc &) {
        // A hostile size must cost this recording, not the program.
        headers_.clear();
        headers_.shrink_to_fit();
        index_header_ = {};
        error_ = "out of memory while indexing";
        ok = false;
    }
    if (ok)
        file_key_ = OpenFileCache::instance().newKey();
    path_ = vdd_path;
    sequence_number_ = sequence_from_path(vdd_path);
    return ok;
}

bool vexa_vdd_file::index(int fd, const char *vdx_path)
{
    bool ok = false;
    if (vdx_path && *vdx_path)
        ok = load_index(vdx_path);
    // A sidecar that yields no frames must not hide the pictures in the .vdd.
    if (!ok || headers_.empty())
        ok = scan_index(fd);
    return ok;
}

void vexa_vdd_file::close()
{
    if (file_key_) {
        OpenFileCache::instance().release(file_key_);
        file_key_ = 0;
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

bool vexa_vdd_file::scan_index(int fd)
{
    index_header_ = {};
    headers_.clear();
    if (!VddScanner::scan(fd, uint64_t(file_size_), headers_, error_, scan_options_)) {
        headers_.clear();
        return false;
    }
    index_header_ = make_index_header(headers_);
    return true;
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

bool vexa_vdd_file::within_file(const _vexa_video_frame_header_t &h) const
{
    return h.length != 0 && uint64_t(h.offset) + h.length <= uint64_t(file_size_);
}

bool vexa_vdd_file::get_frame_data(uint64_t index, uint8_t *buf, uint64_t len)
{
    // Callers guarantee these; a violation still must not crash or read stray memory.
    if (!file_key_ || !index_header_.frame_count || !buf || !len)
        return false;
    const _vexa_video_frame_header_t &h = header_at(index);
    if (h.length > len || !within_file(h))
        return false;
    const OpenFileCache::Handle d = descriptor_of(file_key_, path_, device_, inode_);
    return d && VddScanner::readAt(d->fd(), h.offset, buf, h.length);
}

bool vexa_vdd_file::get_jpeg_comment(uint64_t index, uint8_t out[VEXA_COMMENT_SIZE]) const
{
    if (!file_key_ || !out)
        return false;
    const _vexa_video_frame_header_t &h = header_at(index);
    if (h.length < 1 || h.length > comment_buffer_size || !within_file(h))
        return false;
    thread_local std::unique_ptr<uint8_t[]> buffer;
    if (!buffer)
        buffer.reset(new (std::nothrow) uint8_t[comment_buffer_size]);
    const OpenFileCache::Handle d = descriptor_of(file_key_, path_, device_, inode_);
    if (!buffer || !d || !VddScanner::readAt(d->fd(), h.offset, buffer.get(), h.length))
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
    const _vexa_video_frame_header_t &h = header_at(index);
    // The buffer is sized only for a frame that the file can really hold.
    if (!within_file(h))
        return false;
    const uint32_t length = h.length;
    std::unique_ptr<uint8_t[]> bytes(new (std::nothrow) uint8_t[length]);
    if (!bytes || !get_frame_data(index, bytes.get(), length))
        return false;

    static std::atomic<uint64_t> serial{0};
    const std::string temporary = std::string(path) + ".part-" + std::to_string(getpid()) + "-" + std::to_string(++serial);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    uint64_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(fd, bytes.get() + done, length - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += uint64_t(n);
    }
    bool ok = done == length && ::fdatasync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
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
