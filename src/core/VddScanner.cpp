#include "VddScanner.h"

#include "CardRead.h"
#include "vexa_telemetry.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Large enough that the per-read cost vanishes, small enough to stay in the cache while searched.
constexpr size_t default_chunk = size_t(1) << 20;
// The walk keeps at most 3 bytes and the search 1 across a refill.
constexpr size_t carry_room = 16;
constexpr size_t comment_bytes = 2 + VEXA_COMMENT_SIZE;

} // namespace

bool VddScanner::scan(int fd, uint64_t size, std::vector<_vexa_video_frame_header_t> &headers,
                      std::string &error, const Options &options)
{
    VddScanner scanner(fd, 0, size, headers, options);
    return scanner.run(error);
}

bool VddScanner::scanRange(int fd, uint64_t from, uint64_t to, std::vector<_vexa_video_frame_header_t> &headers,
                           uint64_t &exactUntil, std::string &error, const Options &options)
{
    VddScanner scanner(fd, from, to, headers, options);
    const bool ok = scanner.run(error);
    exactUntil = std::min(scanner.exactUntil_, to);
    return ok;
}

bool VddScanner::readAt(int fd, uint64_t offset, uint8_t *buf, uint64_t len)
{
    return CardRead::at(fd, offset, buf, len);
}

VddScanner::VddScanner(int fd, uint64_t from, uint64_t size, std::vector<_vexa_video_frame_header_t> &headers,
                       const Options &options)
    : fd_(fd), size_(size), options_(options), headers_(headers), base_(from), end_(from), pos_(from)
{
}

bool VddScanner::run(std::string &error)
{
    const size_t chunk = options_.chunkSize ? options_.chunkSize : default_chunk;
    buf_.reset(new (std::nothrow) uint8_t[chunk + carry_room]);
    if (!buf_) {
        error = "out of memory for the scan buffer";
        return false;
    }
    if (base_ == 0)
        posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
    while (end_ < size_) {
        if (!refill(chunk, error))
            return false;
        scanWindow();
    }
    return true;
}

// Keeps the few bytes the search and the walk still need and reads the next chunk behind them.
bool VddScanner::refill(size_t chunk, std::string &error)
{
    if (open_) {
        advanceWalk(end_);
        captureComment();
    }
    uint64_t keep = std::min(pos_, end_);
    if (open_ && walk_ == Walk::Pending)
        keep = std::min(keep, walkPos_);
    const size_t kept = size_t(end_ - keep);
    if (kept > carry_room) {
        error = "scan lost its place";
        return false;
    }
    std::memmove(buf_.get(), buf_.get() + (keep - base_), kept);
    base_ = keep;
    const uint64_t want = std::min<uint64_t>(chunk, size_ - end_);
    errno = 0;
    if (!readAt(fd_, end_, buf_.get() + kept, want)) {
        const std::string why = errno ? std::generic_category().message(errno) : "the file shrank";
        error = "read failed at byte " + std::to_string(end_) + ": " + why;
        return false;
    }
    end_ += want;
    if (options_.afterRead)
        options_.afterRead(end_);
    return true;
}

// Outside a picture look for FF D8, inside it for FF D9; the last byte waits for the next chunk.
void VddScanner::scanWindow()
{
    while (pos_ + 1 < end_) {
        const uint8_t *from = buf_.get() + (pos_ - base_);
        const void *hit = std::memchr(from, 0xFF, size_t(end_ - 1 - pos_));
        if (!hit) {
            pos_ = end_ - 1;
            return;
        }
        const uint64_t i = pos_ + uint64_t(static_cast<const uint8_t *>(hit) - from);
        const uint8_t next = byteAt(i + 1);
        if (!open_ && next == 0xD8) {
            openPicture(i);
            pos_ = i + 2;
        } else if (open_ && next == 0xD9 && endsPicture(i)) {
            closePicture(i);
            pos_ = i + 2;
        } else {
            pos_ = i + 1;
        }
    }
}

void VddScanner::openPicture(uint64_t at)
{
    open_ = true;
    start_ = at;
    walk_ = Walk::Pending;
    walkPos_ = at;
    commentHave_ = 0;
    if (options_.markerWalks)
        ++*options_.markerWalks;
}

// The telemetry in the comment is binary and may hold the bytes FF D9; such a pair lies inside
// the comment segment and must not end the picture, or the frame would be lost.
bool VddScanner::endsPicture(uint64_t at)
{
    advanceWalk(at);
    if (walk_ != Walk::Comment)
        return true;
    captureComment();
    const uint64_t payload = walkPos_ + 4;
    if (payload > at || commentHave_ < 2)
        return true;
    const uint64_t segmentEnd = walkPos_ + 2 + (uint64_t(comment_[0]) << 8 | comment_[1]);
    // Only here does the end of the range decide: more bytes could have kept the picture open.
    if (segmentEnd > size_ && segmentEnd > at)
        exactUntil_ = std::min(exactUntil_, at);
    return !(segmentEnd > at && segmentEnd <= size_);
}

void VddScanner::closePicture(uint64_t at)
{
    open_ = false;
    const uint64_t length = at + 2 - start_;
    // Offsets and lengths are 32-bit in the header; a picture beyond that cannot be addressed.
    if (start_ + length > std::numeric_limits<uint32_t>::max())
        return;
    // The whole payload must lie inside the picture.
    if (walk_ != Walk::Comment || walkPos_ + 4 + VEXA_COMMENT_SIZE > at + 2 || commentHave_ < comment_bytes)
        return;
    headers_.push_back(decode_frame_comment(comment_ + 2, uint32_t(start_), uint32_t(length)));
}

// The marker walk over the bytes below limit, resumed where it stopped: a picture's walk
// touches each byte at most once, however many FF D9 pairs it holds.
void VddScanner::advanceWalk(uint64_t limit)
{
    while (walk_ == Walk::Pending) {
        const uint64_t p = walkPos_;
        if (p >= size_) {
            walk_ = Walk::None;
            return;
        }
        if (p >= limit)
            return;
        if (byteAt(p) != 0xFF) {
            const uint8_t *from = buf_.get() + (p - base_);
            const void *hit = std::memchr(from, 0xFF, size_t(limit - p));
            walkPos_ = hit ? p + uint64_t(static_cast<const uint8_t *>(hit) - from) : limit;
            continue;
        }
        if (p + 1 >= size_) {
            walk_ = Walk::None;
            return;
        }
        if (p + 1 >= limit)
            return;
        const uint8_t m = byteAt(p + 1);
        if (m == 0xD9 || m == 0xDA) {
            walk_ = Walk::None;  // the comment must come before the scan data
        } else if (m == 0xFE) {
            walk_ = Walk::Comment;
        } else if (m == 0xD8 || m == 0x01 || (m & 0xF8) == 0xD0 || m < 0xC0) {
            walkPos_ = p + 2;
        } else {
            if (p + 3 >= size_) {
                walk_ = Walk::None;
                return;
            }
            if (p + 3 >= limit)
                return;
            walkPos_ = p + 2 + (uint64_t(byteAt(p + 2)) << 8 | byteAt(p + 3));
        }
    }
}

void VddScanner::captureComment()
{
    if (walk_ != Walk::Comment || commentHave_ == comment_bytes)
        return;
    const uint64_t from = walkPos_ + 2 + commentHave_;
    if (from >= end_)
        return;
    const size_t n = size_t(std::min<uint64_t>(comment_bytes - commentHave_, end_ - from));
    std::memcpy(comment_ + commentHave_, buf_.get() + (from - base_), n);
    commentHave_ += n;
}
