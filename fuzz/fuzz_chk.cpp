// Skin image container reader on arbitrary bytes: every BMP it hands out must be a whole,
// in-bounds copy of the container, in memory and from the file alike.
#include "FuzzFile.h"
#include "vexa_chk_file.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void checkRead(vexa_chk_file &memory, vexa_chk_file &file, const uint8_t *data, size_t size, uint32_t offset)
{
    const std::vector<uint8_t> bmp = memory.read_bmp_data(offset);
    if (bmp != file.read_bmp_data(offset))
        std::abort();
    if (bmp.empty())
        return;
    const uint32_t declared = uint32_t(bmp[2]) | uint32_t(bmp[3]) << 8 | uint32_t(bmp[4]) << 16
        | uint32_t(bmp[5]) << 24;
    if (bmp.size() < 14 || bmp[0] != 'B' || bmp[1] != 'M' || declared != bmp.size()
        || uint64_t(offset) + bmp.size() > size || std::memcmp(bmp.data(), data + offset, bmp.size()) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vexa_chk_file memory;
    memory.open(std::vector<uint8_t>(data, data + size));
    const FuzzFile input(data, size, ".chk");
    vexa_chk_file file;
    if (!file.open(input.path().c_str()) || file.file_size() != memory.file_size())
        std::abort();
    // the start, every "BM" in the first few kilobytes, and offsets the input names itself
    checkRead(memory, file, data, size, 0);
    for (size_t i = 1; i + 1 < size && i < 4096; ++i)
        if (data[i] == 'B' && data[i + 1] == 'M')
            checkRead(memory, file, data, size, uint32_t(i));
    for (size_t i = 0; i + 4 <= size && i < 64; i += 4) {
        uint32_t offset;
        std::memcpy(&offset, data + i, 4);
        checkRead(memory, file, data, size, offset);
    }
    return 0;
}
