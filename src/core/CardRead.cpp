#include "CardRead.h"

#include <atomic>
#include <cerrno>

#include <unistd.h>

namespace {

std::atomic<uint64_t> total{0};

} // namespace

bool CardRead::at(int fd, uint64_t offset, void *buf, uint64_t len)
{
    return upTo(fd, offset, buf, len) == int64_t(len);
}

int64_t CardRead::upTo(int fd, uint64_t offset, void *buf, uint64_t len)
{
    auto *to = static_cast<uint8_t *>(buf);
    uint64_t done = 0;
    while (done < len) {
        const ssize_t n = pread(fd, to + done, len - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += uint64_t(n);
    }
    total.fetch_add(done, std::memory_order_relaxed);
    return int64_t(done);
}

void CardRead::count(uint64_t bytes)
{
    total.fetch_add(bytes, std::memory_order_relaxed);
}

uint64_t CardRead::bytes()
{
    return total.load(std::memory_order_relaxed);
}
