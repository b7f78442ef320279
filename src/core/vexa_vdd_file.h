// Reader of one recording: the .vdd picture stream and its optional .vdx index.
#pragma once

#include "VddScanner.h"
#include "vexa_types.h"

#include <cstdint>
#include <cstdio>
#include <memory>
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
    void close();
    // How later opens scan a recording without a usable sidecar.
    void set_scan_options(VddScanOptions options) { scan_options_ = std::move(options); }
    // Why the last open failed.
    const std::string &error_string() const { return error_; }

    const std::string &path() const { return path_; }
    int64_t sequence_number() const { return sequence_number_; }
    int64_t file_size() const { return file_size_; }
    const _vexa_video_index_header_t &index_header() const { return index_header_; }
    uint64_t frame_count() const { return headers_.size(); }
    // All-zero header when the index is not below frame_count.
    const _vexa_video_frame_header_t &header_at(uint64_t index) const;
    const std::vector<_vexa_video_frame_header_t> &headers() const { return headers_; }

    // Reads fail (false) when the file has shrunk, vanished or been replaced since it was indexed.
    bool get_frame_data(uint64_t index, uint8_t *buf, uint64_t len);
    bool get_jpeg_comment(uint64_t index, uint8_t out[VEXA_COMMENT_SIZE]) const;
    // Writes through a temporary file beside path; a failure leaves an existing file as it was.
    bool save_jpeg_file(uint64_t index, const char *path);
    uint64_t duration_seconds() const;

    // Finds the COM payload of one picture with the marker walk; -1 when there is none.
    static int64_t find_comment(const uint8_t *picture, uint64_t length);

private:
    bool index(int fd, const char *vdx_path);
    bool load_index(const char *vdx_path);
    bool load_old_index_header(FILE *f, int64_t size);
    bool scan_index(int fd);
    // Whether the frame lies inside the file as it was indexed.
    bool within_file(const _vexa_video_frame_header_t &h) const;

    uint64_t file_key_ = 0;  // the reader's slot in the descriptor cache; 0 when closed
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::string error_;
    std::string path_;
    VddScanOptions scan_options_;
    int64_t sequence_number_ = 0;
    int64_t file_size_ = 0;
    _vexa_video_index_header_t index_header_{};
    std::vector<_vexa_video_frame_header_t> headers_;
};
