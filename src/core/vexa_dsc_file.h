// Reader of the skin descriptor ("brumoset.dsc"): a u32 holding (item count - 1),
// then the 48-byte item records, looked up by key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#pragma pack(push, 1)

struct _vexa_skin_item_t {
    int32_t key;
    int32_t kind;    // 2 = single image, 3 = four-state button, other = rectangle only
    int32_t left;    // rectangle in a 768-high window, origin top left
    int32_t top;
    int32_t right;   // exclusive
    int32_t bottom;  // exclusive
    uint8_t reserved1[8];
    uint32_t bmp_offset;  // start of the item's BMP in the container
    uint8_t visible;      // initial visibility of a button
    uint8_t reserved2[11];
};

#pragma pack(pop)

static_assert(sizeof(_vexa_skin_item_t) == 48);
static_assert(offsetof(_vexa_skin_item_t, kind) == 4);
static_assert(offsetof(_vexa_skin_item_t, left) == 8);
static_assert(offsetof(_vexa_skin_item_t, top) == 12);
static_assert(offsetof(_vexa_skin_item_t, right) == 16);
static_assert(offsetof(_vexa_skin_item_t, bottom) == 20);
static_assert(offsetof(_vexa_skin_item_t, bmp_offset) == 32);
static_assert(offsetof(_vexa_skin_item_t, visible) == 36);

class vexa_dsc_file {
public:
    static constexpr size_t item_size = 48;

    // Both forms empty the map first and succeed when it then holds at least one item.
    bool load(const char *path);
    bool load(const uint8_t *data, size_t size);

    // The item stored under key, or an all-zero item.
    _vexa_skin_item_t item(int32_t key) const;
    bool contains(int32_t key) const { return items_.count(key) != 0; }
    const std::map<int32_t, _vexa_skin_item_t> &items() const { return items_; }

    // Item decoded from its 48 little-endian bytes.
    static _vexa_skin_item_t decode_item(const uint8_t *bytes);

private:
    std::map<int32_t, _vexa_skin_item_t> items_;
};
