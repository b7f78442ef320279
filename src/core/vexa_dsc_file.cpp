#include "vexa_dsc_file.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

uint32_t u32_at(const uint8_t *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

int32_t i32_at(const uint8_t *p)
{
    return static_cast<int32_t>(u32_at(p));
}

// A descriptor of this many bytes is well formed only when the stored count matches it.
bool size_matches(uint32_t count_field, uint64_t size)
{
    if (size < 26)
        return false;
    const uint64_t count = uint64_t(count_field) + 1;
    return size - 4 == count * vexa_dsc_file::item_size;
}

} // namespace

_vexa_skin_item_t vexa_dsc_file::decode_item(const uint8_t *bytes)
{
    _vexa_skin_item_t item{};
    item.key = i32_at(bytes);
    item.kind = i32_at(bytes + 4);
    item.left = i32_at(bytes + 8);
    item.top = i32_at(bytes + 12);
    item.right = i32_at(bytes + 16);
    item.bottom = i32_at(bytes + 20);
    std::memcpy(item.reserved1, bytes + 24, sizeof item.reserved1);
    item.bmp_offset = u32_at(bytes + 32);
    item.visible = bytes[36];
    std::memcpy(item.reserved2, bytes + 37, sizeof item.reserved2);
    return item;
}

bool vexa_dsc_file::load(const uint8_t *data, size_t size)
{
    items_.clear();
    if (!data || size < 4 || !size_matches(u32_at(data), size))
        return false;
    for (size_t at = 4; at + item_size <= size; at += item_size) {
        const _vexa_skin_item_t item = decode_item(data + at);
        items_[item.key] = item;  // a later record of the same key wins
    }
    return !items_.empty();
}

bool vexa_dsc_file::load(const char *path)
{
    items_.clear();
    if (!path)
        return false;
    FILE *f = std::fopen(path, "rb");
    if (!f)
        return false;
    std::vector<uint8_t> bytes;
    uint8_t head[4];
    // Check the size against the count before reading the whole file.
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(f) : -1;
    ok = size >= 0 && std::fseek(f, 0, SEEK_SET) == 0 && std::fread(head, 1, 4, f) == 4
        && size_matches(u32_at(head), uint64_t(size));
    if (ok) {
        bytes.resize(size_t(size));
        std::memcpy(bytes.data(), head, 4);
        ok = std::fread(bytes.data() + 4, 1, bytes.size() - 4, f) == bytes.size() - 4;
    }
    std::fclose(f);
    return ok && load(bytes.data(), bytes.size());
}

_vexa_skin_item_t vexa_dsc_file::item(int32_t key) const
{
    const auto it = items_.find(key);
    return it == items_.end() ? _vexa_skin_item_t{} : it->second;
}
