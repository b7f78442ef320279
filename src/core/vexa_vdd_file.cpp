#include "vexa_vdd_file.h"

#include "DurableWrite.h"
#include "CardRead.h"
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

// The first window read at each end of a recording without a sidecar, and the largest.
constexpr uint64_t summary_window = 32 * 1024;
constexpr uint64_t summary_window_limit = 16 * 1024 * 1024;

// Largest picture whose comment can be read.
constexpr uint64_t comment_buffer_size = 512000;
// The head of a picture read first when only its comment is wanted.
constexpr uint64_t comment_head = 512;

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

int64_t file_length(int fd)
{
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return -1;
    return int64_t(st.st_size);
}

// Closes a descriptor on every return path.
struct FdCloser {
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
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

bool vexa_vdd_file::open_file(const char *vdd_path, int &fd)
{
    close();
    path_.clear();
    vdx_path_.clear();
    error_.clear();
    sequence_number_ = 0;
    file_size_ = 0;
    index_header_ = {};
    headers_.clear();
    summary_ = {};
    // Nothing is pending until a summary leaves the index for later.
    indexed_ = true;
    if (!vdd_path) {
        error_ = "no path";
        return false;
    }
    fd = ::open(vdd_path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error_ = std::string("cannot open: ") + errno_text();
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = "not a regular file";
        return false;
    }
    file_size_ = int64_t(st.st_size);
    device_ = st.st_dev;
    inode_ = st.st_ino;
    path_ = vdd_path;
    sequence_number_ = sequence_from_path(vdd_path);
    return true;
}

bool vexa_vdd_file::finish_open(bool ok)
{
    if (ok)
        file_key_ = OpenFileCache::instance().newKey();
    return ok;
}

bool vexa_vdd_file::open(const char *vdd_path, const char *vdx_path)
{
    int fd = -1;
    const bool opened = open_file(vdd_path, fd);
    const FdCloser closer{fd};
    if (!opened)
        return false;
    return finish_open(guarded_index(fd, vdx_path));
}

bool vexa_vdd_file::open_summary(const char *vdd_path, const char *vdx_path)
{
    int fd = -1;
    const bool opened = open_file(vdd_path, fd);
    const FdCloser closer{fd};
    if (!opened)
        return false;
    vdx_path_ = vdx_path ? vdx_path : "";
    bool ok = false;
    try {
        ok = summarize(fd, vdx_path);
    } catch (const std::bad_alloc &) {
        ok = false;
    }
    if (ok) {
        indexed_ = false;
        return finish_open(true);
    }
    // Whatever the summary cannot vouch for is indexed now, exactly as open does.
    return finish_open(guarded_index(fd, vdx_path));
}

void vexa_vdd_file::ensure_index() const
{
    if (indexed_.load(std::memory_order_acquire))
        return;
    std::lock_guard lock(index_mutex_);
    if (indexed_.load(std::memory_order_relaxed))
        return;
    // The file must still be the one summarized; a replaced or vanished file has no frames.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    bool ok = false;
    if (fd < 0) {
        error_ = std::string("cannot open: ") + errno_text();
    } else if (::fstat(fd, &st) != 0 || st.st_dev != device_ || st.st_ino != inode_) {
        error_ = "no longer the file that was opened";
    } else {
        ok = guarded_index(fd, vdx_path_.c_str());
    }
    if (fd >= 0)
        ::close(fd);
    if (!ok) {
        headers_.clear();
        index_header_ = {};
    }
    indexed_.store(true, std::memory_order_release);
}

bool vexa_vdd_file::guarded_index(int fd, const char *vdx_path) const
{
    try {
        return index(fd, vdx_path);
    } catch (const std::bad_alloc &) {
        // A hostile size must cost this recording, not the program.
        headers_.clear();
        headers_.shrink_to_fit();
        index_header_ = {};
        error_ = "out of memory while indexing";
        return false;
    }
}

bool vexa_vdd_file::index(int fd, const char *vdx_path) const
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
    ensure_index();
    if (index >= index_header_.frame_count || index >= headers_.size())
        return zero_header;
    return headers_[index];
}

bool vexa_vdd_file::load_index(const char *vdx_path) const
{
    index_header_ = {};
    headers_.clear();

    const int fd = ::open(vdx_path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const FdCloser closer{fd};
    const int64_t size = file_length(fd);
    if (size < 0)
        return false;

    constexpr int64_t record = sizeof(_vexa_video_frame_header_t);
    constexpr int64_t trailer = sizeof(_vexa_video_index_header_t);
    bool accepted = false;
    if (size >= trailer) {
        _vexa_video_index_header_t ih{};
        if (CardRead::at(fd, uint64_t(size - trailer), &ih, trailer) && ih.magic == VEXA_INDEX_MAGIC
            && ih.index_valid == 1) {
            index_header_ = ih;
            accepted = true;
        }
    }
    if (!accepted && !load_old_index_header(fd, size))
        return false;

    // The count comes from the file; never reserve more than the file can hold.
    const uint64_t fits = uint64_t(size / record);
    const uint64_t want = index_header_.frame_count;
    headers_.resize(want < fits ? want : fits);
    const int64_t got = CardRead::upTo(fd, 0, headers_.data(), headers_.size() * record);
    headers_.resize(got < 0 ? 0 : size_t(got / record));
    for (size_t i = 0; i < headers_.size(); ++i) {
        if (headers_[i].time.year == 0) {
            headers_.resize(i);
            break;
        }
    }
    return headers_.size() == index_header_.frame_count;
}

// The older sidecar has no trailer: the headers alone, counted by the file size.
bool vexa_vdd_file::load_old_index_header(int fd, int64_t size) const
{
    index_header_ = {};
    uint8_t first[sizeof(_vexa_video_frame_header_t)];
    if (size < int64_t(sizeof first) || !CardRead::at(fd, 0, first, sizeof first))
        return false;
    uint32_t magic;
    std::memcpy(&magic, first, sizeof magic);
    if (magic != VEXA_FRAME_MAGIC)
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

bool vexa_vdd_file::scan_index(int fd) const
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
    const bool ok = d && VddScanner::readAt(d->fd(), h.offset, buf, h.length);
    read_failed_.store(!ok, std::memory_order_relaxed);
    return ok;
}

bool vexa_vdd_file::get_jpeg_comment(uint64_t index, uint8_t out[VEXA_COMMENT_SIZE]) const
{
    return comment_of(header_at(index), out);
}

bool vexa_vdd_file::comment_of(const _vexa_video_frame_header_t &h, uint8_t out[VEXA_COMMENT_SIZE]) const
{
    if (!file_key_ || !out)
        return false;
    if (h.length < 1 || h.length > comment_buffer_size || !within_file(h))
        return false;
    thread_local std::unique_ptr<uint8_t[]> buffer;
    if (!buffer)
        buffer.reset(new (std::nothrow) uint8_t[comment_buffer_size]);
    const OpenFileCache::Handle d = descriptor_of(file_key_, path_, device_, inode_);
    if (!buffer || !d)
        return false;
    uint8_t *picture = buffer.get();
    // The comment comes before the scan data, near the picture's start: its head and its
    // last two bytes usually settle it; the walk goes on over the whole picture only when not.
    if (h.length > comment_head) {
        uint8_t end[2];
        if (!VddScanner::readAt(d->fd(), h.offset, picture, comment_head)
            || !VddScanner::readAt(d->fd(), h.offset + h.length - 2, end, 2))
            return false;
        if (picture[0] != 0xFF || picture[1] != 0xD8 || end[0] != 0xFF || end[1] != 0xD9)
            return false;
        const int64_t payload = find_comment(picture, comment_head);
        if (payload >= 0 && uint64_t(payload) + VEXA_COMMENT_SIZE <= comment_head) {
            std::memcpy(out, picture + payload, VEXA_COMMENT_SIZE);
            return true;
        }
    }
    if (!VddScanner::readAt(d->fd(), h.offset, picture, h.length))
        return false;
    if (!is_picture(picture, h.length))
        return false;
    const int64_t payload = find_comment(picture, h.length);
    if (payload < 0 || uint64_t(payload) + VEXA_COMMENT_SIZE > h.length)
        return false;
    std::memcpy(out, picture + payload, VEXA_COMMENT_SIZE);
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

    DurableWrite file(path);
    return file.open() && file.write(bytes.get(), length) && file.commit();
}

uint64_t vexa_vdd_file::duration_seconds() const
{
    const uint64_t frames = frames_at_least();
    if (frames == 0)
        return 0;
    if (frames == 1)
        return 1;
    const int64_t diff = time_to_seconds(last_header().time) - time_to_seconds(first_header().time);
    // A clock that ran backwards must not turn into an enormous unsigned duration.
    return diff < 0 ? 0 : uint64_t(diff) + 1;
}

const _vexa_video_frame_header_t &vexa_vdd_file::first_header() const
{
    if (!indexed())
        return summary_.first;
    return headers_.empty() ? zero_header : headers_.front();
}

const _vexa_video_frame_header_t &vexa_vdd_file::last_header() const
{
    if (!indexed())
        return summary_.last;
    return headers_.empty() ? zero_header : headers_.back();
}

uint8_t vexa_vdd_file::event_type() const
{
    return indexed() ? index_header_.event_type : summary_.event_type;
}

uint64_t vexa_vdd_file::frames_at_least() const
{
    return indexed() ? headers_.size() : summary_.frames;
}

uint64_t vexa_vdd_file::listed_frame_count() const
{
    if (!indexed() && summary_.exact)
        return summary_.frames;
    return index_header().frame_count;
}

bool vexa_vdd_file::summarize(int fd, const char *vdx_path)
{
    if (!vdx_path || !*vdx_path)
        return summarize_pictures(fd);
    // Opened straight away: a missing sidecar costs no extra lookup on a card of thousands.
    const int vdx = ::open(vdx_path, O_RDONLY | O_CLOEXEC);
    if (vdx < 0)
        return (errno == ENOENT || errno == ENOTDIR) && summarize_pictures(fd);
    const FdCloser closer{vdx};
    return summarize_sidecar(vdx);
}

// The trailer and the first and last records; anything the full read would refuse or
// cut short at either end leaves the recording to be indexed at once.
bool vexa_vdd_file::summarize_sidecar(int fd)
{
    const int64_t size = file_length(fd);
    constexpr int64_t record = sizeof(_vexa_video_frame_header_t);
    constexpr int64_t trailer = sizeof(_vexa_video_index_header_t);
    if (size < record)
        return false;
    // The trailer and, in a sidecar as the camera writes it, the last record just before it.
    constexpr int64_t tail_size = record + trailer;
    uint8_t tail[tail_size];
    const int64_t tail_at = size < tail_size ? 0 : size - tail_size;
    const int64_t tail_length = size - tail_at;
    if (!CardRead::at(fd, uint64_t(tail_at), tail, uint64_t(tail_length)))
        return false;
    _vexa_video_index_header_t ih{};
    if (size >= trailer)
        std::memcpy(&ih, tail + tail_length - trailer, trailer);
    if (size < trailer || ih.magic != VEXA_INDEX_MAGIC || ih.index_valid != 1) {
        if (!load_old_index_header(fd, size))
            return false;
        ih = index_header_;
        index_header_ = {};
    }
    const uint64_t count = ih.frame_count;
    if (count == 0 || count > uint64_t(size / record))
        return false;
    const int64_t last_at = int64_t(count - 1) * record;
    if (last_at >= tail_at && last_at + record <= size)
        std::memcpy(&summary_.last, tail + (last_at - tail_at), record);
    else if (!CardRead::at(fd, uint64_t(last_at), &summary_.last, record))
        return false;
    if (!CardRead::at(fd, 0, &summary_.first, record))
        return false;
    if (summary_.first.time.year == 0 || summary_.last.time.year == 0)
        return false;
    summary_.frames = count;
    summary_.exact = true;
    summary_.event_type = ih.event_type;
    return true;
}

// The first picture from the head of the file and the last from its tail, each read through
// a window that grows while it holds no picture it can vouch for. A recording the windows
// cannot settle is left to the full scan at once.
bool vexa_vdd_file::summarize_pictures(int fd)
{
    const uint64_t size = uint64_t(file_size_);
    std::string error;
    bool found = false;
    for (uint64_t window = summary_window; !found; window *= 4) {
        if (window > size / 2 || window > summary_window_limit)
            return false;
        std::vector<_vexa_video_frame_header_t> head;
        uint64_t exact = 0;
        if (!VddScanner::scanRange(fd, 0, window, head, exact, error, scan_options_))
            return false;
        found = !head.empty() && uint64_t(head.front().offset) + head.front().length <= exact;
        if (found)
            summary_.first = head.front();
    }
    found = false;
    for (uint64_t window = summary_window; !found; window *= 4) {
        if (window > size / 2 || window > summary_window_limit)
            return false;
        std::vector<_vexa_video_frame_header_t> tail;
        uint64_t exact = 0;
        if (!VddScanner::scanRange(fd, size - window, size, tail, exact, error, scan_options_))
            return false;
        // The window may begin inside a picture: the first one found there is not to be trusted.
        found = tail.size() >= 2;
        if (found)
            summary_.last = tail.back();
    }
    summary_.frames = 2;
    summary_.exact = false;
    summary_.event_type = uint8_t(summary_.first.event_type);
    return true;
}
