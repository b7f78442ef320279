// Finds the pictures of a .vdd in one linear pass over large chunks read with pread, so a file
// that shrinks or a card that is pulled mid-scan ends in a read error instead of a bus error.
#pragma once

#include "vexa_types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// How a scan reads; the defaults are the product's, the rest lets a caller watch or disturb
// a scan (a file that shrinks between two reads).
struct VddScanOptions {
    size_t chunkSize = 0;                         // bytes per read; 0: the default
    std::function<void(uint64_t end)> afterRead;  // after every read, with the end so far
    uint64_t *markerWalks = nullptr;              // counts the marker walks begun
};

class VddScanner {
public:
    using Options = VddScanOptions;

    // Appends a header for every picture with telemetry. False, with error filled in, when the
    // file cannot be read to size or the buffer cannot be allocated.
    static bool scan(int fd, uint64_t size, std::vector<_vexa_video_frame_header_t> &headers,
                     std::string &error, const Options &options = {});
    // The same pass over the bytes [from, to) only, as if the file began at from and ended at
    // to. exactUntil is where the early end first could have changed a decision: the pictures
    // that end at or before it are exactly those the scan of the whole file finds there.
    static bool scanRange(int fd, uint64_t from, uint64_t to, std::vector<_vexa_video_frame_header_t> &headers,
                          uint64_t &exactUntil, std::string &error, const Options &options = {});

    // Exactly len bytes at offset; false on an error or a short read.
    static bool readAt(int fd, uint64_t offset, uint8_t *buf, uint64_t len);

private:
    enum class Walk { Pending, Comment, None };

    VddScanner(int fd, uint64_t from, uint64_t size, std::vector<_vexa_video_frame_header_t> &headers,
               const Options &options);
    bool run(std::string &error);
    bool refill(size_t chunk, std::string &error);
    void scanWindow();
    void openPicture(uint64_t at);
    bool endsPicture(uint64_t at);
    void closePicture(uint64_t at);
    void advanceWalk(uint64_t limit);
    void captureComment();
    uint8_t byteAt(uint64_t at) const { return buf_[at - base_]; }

    int fd_;
    uint64_t size_;
    const Options &options_;
    std::vector<_vexa_video_frame_header_t> &headers_;
    std::unique_ptr<uint8_t[]> buf_;
    uint64_t base_ = 0;  // file offset of buf_[0]
    uint64_t end_ = 0;   // file offset one past the last byte held
    uint64_t pos_ = 0;   // where the search for the next 0xFF resumes
    uint64_t exactUntil_ = UINT64_MAX;

    bool open_ = false;
    uint64_t start_ = 0;
    // The marker walk of the open picture, done once: Pending at walkPos_ (the next byte to
    // examine), or Comment with walkPos_ at the COM marker, or None.
    Walk walk_ = Walk::None;
    uint64_t walkPos_ = 0;
    // The COM segment's length field and payload, copied as the chunks pass.
    uint8_t comment_[2 + VEXA_COMMENT_SIZE];
    size_t commentHave_ = 0;
};
