// Skin descriptor reader on arbitrary bytes, through the file path and from memory.
#include "FuzzFile.h"
#include "vexa_dsc_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vexa_dsc_file fromMemory;
    const bool loaded = fromMemory.load(data, size);
    const FuzzFile input(data, size, ".dsc");
    vexa_dsc_file fromFile;
    if (fromFile.load(input.path().c_str()) != loaded)
        std::abort();
    if (!loaded) {
        if (!fromMemory.items().empty() || !fromFile.items().empty())
            std::abort();
        return 0;
    }
    // a valid descriptor is exactly its count of records, and both forms see the same items
    if ((size - 4) % vexa_dsc_file::item_size != 0 || fromMemory.items().size() != fromFile.items().size())
        std::abort();
    for (const auto &[key, item] : fromMemory.items()) {
        const _vexa_skin_item_t other = fromFile.item(key);
        if (item.key != key || other.key != key || other.kind != item.kind || other.bmp_offset != item.bmp_offset
            || other.left != item.left || other.bottom != item.bottom || other.visible != item.visible)
            std::abort();
    }
    return 0;
}
