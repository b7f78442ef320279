// A few read-only descriptors of card files shared by the whole process, so a card with
// thousands of recordings holds at most a handful of files open and can be ejected once closed.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <vector>

class OpenFileCache {
public:
    // An open descriptor; it stays valid while a holder keeps the pointer, even when evicted.
    class Descriptor {
    public:
        explicit Descriptor(int fd) : fd_(fd) {}
        ~Descriptor();
        Descriptor(const Descriptor &) = delete;
        Descriptor &operator=(const Descriptor &) = delete;
        int fd() const { return fd_; }

    private:
        int fd_;
    };
    using Handle = std::shared_ptr<const Descriptor>;

    static constexpr size_t capacity = 16;

    static OpenFileCache &instance();

    // A fresh key for one reader's file.
    uint64_t newKey();
    // The descriptor of path under key, opened when not cached. The file must still be the one
    // (device, inode) the reader indexed; null with error filled in otherwise.
    Handle acquire(uint64_t key, const std::string &path, dev_t device, ino_t inode, std::string &error);
    // Drops the key's descriptor; it closes once no read still holds it.
    void release(uint64_t key);
    // Drops every cached descriptor (the card can be ejected); readers reopen on their next read.
    void releaseAll();
    size_t size();

private:
    struct Entry {
        uint64_t key;
        uint64_t used;
        Handle handle;
    };

    std::mutex mutex_;
    std::vector<Entry> entries_;
    uint64_t clock_ = 0;
    uint64_t next_key_ = 1;
};
