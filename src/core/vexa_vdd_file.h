// Reader of one recording: the .vdd picture stream and its optional .vdx index.
#pragma once

#include "vexa_types.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class vexa_vdd_file {
public:
    vexa_vdd_file() = default;
    ~vexa_vdd_file();
    vexa_vdd_file(const vexa_vdd_file &) = delete;
    vexa_vdd_file &operator=(const vexa_vdd_file &) = delete;

    // Opens and indexes the recording; the sidecar may be null or empty.
    bool open(const char *vdd_path, const char *vdx_path);
    void close();

    const std::string &path() const { return path_; }
    int64_t sequence_number() const { return sequence_number_; }
    int64_t file_size() const { return file_size_; }
    const _vexa_video_index_header_t &index_header() const { return index_header_; }
    uint64_t frame_count() const { return headers_.size(); }
    // All-zero header when the index is not below frame_count.
    const _vexa_video_frame_header_t &header_at(uint64_t index) const;
    const std::vector<_vexa_video_frame_header_t> &headers() const { return headers_; }

    bool get_frame_data(uint64_t index, uint8_t *buf, uint64_t len);
    bool get_jpeg_comment(uint64_t index, uint8_t out[VEXA_COMMENT_SIZE]);
    bool save_jpeg_file(uint64_t index, const char *path);
    uint64_t duration_seconds() const;

    // Finds the COM payload of one picture with the marker walk; -1 when there is none.
    static int64_t find_comment(const uint8_t *picture, uint64_t length);

private:
    bool load_index(const char *vdx_path);
    bool load_old_index_header(FILE *f, int64_t size);
    bool scan_index();
    void scan_pictures(const uint8_t *data, uint64_t size);
    void add_picture(const uint8_t *picture, uint64_t offset, uint64_t length);
    static bool inside_comment(const uint8_t *picture, uint64_t marker, uint64_t available);

    FILE *file_ = nullptr;
    std::string path_;
    int64_t sequence_number_ = 0;
    int64_t file_size_ = 0;
    _vexa_video_index_header_t index_header_{};
    std::vector<_vexa_video_frame_header_t> headers_;
};
