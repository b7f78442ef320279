// Reader of the skin image container ("brumoset.chk"): Windows BMP files laid end to end,
// each found by an item's bmp_offset and sized by its own BMP file header.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

class vexa_chk_file {
public:
    static constexpr uint32_t bmp_header_size = 14;

    vexa_chk_file() = default;
    ~vexa_chk_file();
    vexa_chk_file(const vexa_chk_file &) = delete;
    vexa_chk_file &operator=(const vexa_chk_file &) = delete;

    // Opens the container file, or takes a container held in memory.
    bool open(const char *path);
    bool open(std::vector<uint8_t> bytes);
    void close();
    bool is_open() const { return file_ != nullptr; }
    int64_t file_size() const { return file_size_; }

    // The whole BMP file starting at offset, or empty when there is no well-formed BMP
    // header there or the BMP's size runs past the end of the container.
    std::vector<uint8_t> read_bmp_data(uint32_t offset);
    // Writes the BMP at offset unchanged to path; false when there is none or writing fails.
    bool save_bmp_file(uint32_t offset, const char *path);

private:
    std::unique_ptr<std::istream> file_;
    int64_t file_size_ = 0;
};
