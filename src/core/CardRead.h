// The one way card bytes are read with a descriptor, so every byte a reader takes from the
// card is counted: the benchmarks and tests see what an open really costs.
#pragma once

#include <cstdint>

class CardRead {
public:
    // Exactly len bytes at offset; false on an error or a short read.
    static bool at(int fd, uint64_t offset, void *buf, uint64_t len);
    // Up to len bytes at offset; the count read, or -1 on an error.
    static int64_t upTo(int fd, uint64_t offset, void *buf, uint64_t len);
    // For reads made another way (stdio streams).
    static void count(uint64_t bytes);
    // Bytes read from card files since the program started.
    static uint64_t bytes();
};
