#include "vexa_chk_file.h"

#include "DurableWrite.h"

#include <cstdio>
#include <fstream>
#include <sstream>

vexa_chk_file::~vexa_chk_file() = default;

bool vexa_chk_file::open(const char *path)
{
    close();
    if (!path)
        return false;
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*file)
        return false;
    file->seekg(0, std::ios::end);
    const std::streamoff size = file->tellg();
    if (!*file || size < 0)
        return false;
    file_size_ = size;
    file_ = std::move(file);
    return true;
}

bool vexa_chk_file::open(std::vector<uint8_t> bytes)
{
    close();
    file_size_ = int64_t(bytes.size());
    file_ = std::make_unique<std::istringstream>(
        std::string(bytes.begin(), bytes.end()), std::ios::binary);
    return true;
}

void vexa_chk_file::close()
{
    file_.reset();
    file_size_ = 0;
}

std::vector<uint8_t> vexa_chk_file::read_bmp_data(uint32_t offset)
{
    if (!file_ || int64_t(offset) >= file_size_)
        return {};
    const int64_t room = file_size_ - int64_t(offset);
    if (room < bmp_header_size)
        return {};
    file_->clear();
    file_->seekg(std::streamoff(offset));
    uint8_t header[bmp_header_size];
    if (!file_->read(reinterpret_cast<char *>(header), bmp_header_size) || header[0] != 'B'
        || header[1] != 'M')
        return {};
    const uint32_t size = uint32_t(header[2]) | uint32_t(header[3]) << 8
        | uint32_t(header[4]) << 16 | uint32_t(header[5]) << 24;
    // The size field is untrusted: it must cover the header and stay inside the container.
    if (size < bmp_header_size || int64_t(size) > room)
        return {};
    std::vector<uint8_t> bmp(size);
    std::copy(header, header + bmp_header_size, bmp.begin());
    const std::streamsize rest = std::streamsize(size - bmp_header_size);
    if (rest > 0 && !file_->read(reinterpret_cast<char *>(bmp.data() + bmp_header_size), rest))
        return {};
    return bmp;
}

bool vexa_chk_file::save_bmp_file(uint32_t offset, const char *path)
{
    if (!path)
        return false;
    const std::vector<uint8_t> bmp = read_bmp_data(offset);
    if (bmp.empty())
        return false;
    DurableWrite file(path);
    return file.open() && file.write(bmp.data(), bmp.size()) && file.commit();
}
