// Reader of one recording: the .vdd picture stream and its optional .vdx index.
#pragma once

#include "VddScanner.h"
#include "vexa_types.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

class OpenFileCache;

class vexa_vdd_file {
public:
    vexa_vdd_file() = default;
    ~vexa_vdd_file();
    vexa_vdd_file(const vexa_vdd_file &) = delete;
    vexa_vdd_file &operator=(const vexa_vdd_file &) = delete;

    // Opens and indexes the recording; the sidecar may be null or empty. The .vdd is not held
    // open: reads take a descriptor from a small process-wide cache, and close releases it.
    bool open(const char *vdd_path, const char *vdx_path);
    // Opens reading only what a list row needs: the sidecar's trailer and first and last
    // records, or the first and last pictures of the .vdd. The full index is read on the
    // first call that needs it (frame_count, header_at, headers, index_header, the frame
    // reads); until then the summary accessors below answer.
    bool open_summary(const char *vdd_path, const char *vdx_path);
    // Reads the full index now if it is still pending; one that cannot be read leaves the
    // recording without frames. Safe to call from several threads.
    void ensure_index() const;
    bool indexed() const { return indexed_.load(std::memory_order_acquire); }
    void close();
    // How later opens scan a recording without a usable sidecar.
    void set_scan_options(VddScanOptions options) { scan_options_ = std::move(options); }
    // Why the last open failed.
    const std::string &error_string() const { return error_; }

    const std::string &path() const { return path_; }
    int64_t sequence_number() const { return sequence_number_; }
    int64_t file_size() const { return file_size_; }
    const _vexa_video_index_header_t &index_header() const
    {
        ensure_index();
        return index_header_;
    }
    uint64_t frame_count() const
    {
        ensure_index();
        return headers_.size();
    }
    // All-zero header when the index is not below frame_count.
    const _vexa_video_frame_header_t &header_at(uint64_t index) const;
    const std::vector<_vexa_video_frame_header_t> &headers() const
    {
        ensure_index();
        return headers_;
    }

    // Reads fail (false) when the file has shrunk, vanished or been replaced since it was indexed.
    bool get_frame_data(uint64_t index, uint8_t *buf, uint64_t len);
    // The last frame read failed on the file itself (gone, replaced, an I/O error), not on
    // its content: the card was most likely pulled.
    bool read_failed() const { return read_failed_.load(std::memory_order_relaxed); }
    bool get_jpeg_comment(uint64_t index, uint8_t out[VEXA_COMMENT_SIZE]) const;
    // The same for the picture a header points at (first_header() and last_header() need no
    // full index).
    bool comment_of(const _vexa_video_frame_header_t &h, uint8_t out[VEXA_COMMENT_SIZE]) const;
    // Writes through a temporary file beside path; a failure leaves an existing file as it was.
    bool save_jpeg_file(uint64_t index, const char *path);
    uint64_t duration_seconds() const;

    // Answers that need no full index: the first and last frames, the event type, and the
    // frame count as far as it is known (exact from a sidecar; at least 2 when the first and
    // last pictures differ). After the full index they answer from it.
    const _vexa_video_frame_header_t &first_header() const;
    const _vexa_video_frame_header_t &last_header() const;
    uint8_t event_type() const;
    uint64_t frames_at_least() const;
    // The count the sidecar gives, else the one the full index finds.
    uint64_t listed_frame_count() const;

    // Finds the COM payload of one picture with the marker walk; -1 when there is none.
    static int64_t find_comment(const uint8_t *picture, uint64_t length);

private:
    struct summary_t {
        _vexa_video_frame_header_t first{};
        _vexa_video_frame_header_t last{};
        uint64_t frames = 0;
        bool exact = false;  // frames is the count the full index will find
        uint8_t event_type = 0;
    };

    bool open_file(const char *vdd_path, int &fd);
    bool finish_open(bool ok);
    bool index(int fd, const char *vdx_path) const;
    bool guarded_index(int fd, const char *vdx_path) const;
    bool summarize(int fd, const char *vdx_path);
    bool summarize_sidecar(int fd);
    bool summarize_pictures(int fd);
    bool load_index(const char *vdx_path) const;
    bool load_old_index_header(int fd, int64_t size) const;
    bool scan_index(int fd) const;
    // Whether the frame lies inside the file as it was indexed.
    bool within_file(const _vexa_video_frame_header_t &h) const;

    std::atomic<bool> read_failed_{false};
    uint64_t file_key_ = 0;  // the reader's slot in the descriptor cache; 0 when closed
    dev_t device_ = 0;
    ino_t inode_ = 0;
    mutable std::string error_;
    std::string path_;
    VddScanOptions scan_options_;
    std::string vdx_path_;  // kept for the full index read later
    int64_t sequence_number_ = 0;
    int64_t file_size_ = 0;
    // Filled by the full index, which may come after open: mutable, guarded by index_mutex_.
    mutable _vexa_video_index_header_t index_header_{};
    mutable std::vector<_vexa_video_frame_header_t> headers_;
    mutable std::atomic_bool indexed_{true};  // nothing pending until open_summary
    mutable std::mutex index_mutex_;
    summary_t summary_;
};
