#include "OpenFileCache.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

OpenFileCache::Descriptor::~Descriptor()
{
    ::close(fd_);
}

OpenFileCache &OpenFileCache::instance()
{
    static OpenFileCache cache;
    return cache;
}

uint64_t OpenFileCache::newKey()
{
    std::lock_guard lock(mutex_);
    return next_key_++;
}

OpenFileCache::Handle OpenFileCache::acquire(uint64_t key, const std::string &path, dev_t device, ino_t inode,
    std::string &error)
{
    {
        std::lock_guard lock(mutex_);
        for (Entry &e : entries_) {
            if (e.key == key) {
                e.used = ++clock_;
                return e.handle;
            }
        }
    }
    // Opened outside the lock: a slow card must not hold up readers of cached files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot open " + path + ": " + std::generic_category().message(errno);
        return nullptr;
    }
    Handle handle = std::make_shared<const Descriptor>(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_dev != device || st.st_ino != inode) {
        error = path + " is no longer the file that was indexed";
        return nullptr;
    }

    std::lock_guard lock(mutex_);
    for (Entry &e : entries_) {
        if (e.key == key) {  // another thread opened it meanwhile
            e.used = ++clock_;
            return e.handle;
        }
    }
    if (entries_.size() >= capacity) {
        const auto oldest = std::min_element(entries_.begin(), entries_.end(),
            [](const Entry &a, const Entry &b) { return a.used < b.used; });
        entries_.erase(oldest);
    }
    entries_.push_back({key, ++clock_, handle});
    return handle;
}

void OpenFileCache::release(uint64_t key)
{
    Handle dropped;  // closed after the lock is released
    std::lock_guard lock(mutex_);
    const auto it = std::find_if(entries_.begin(), entries_.end(), [key](const Entry &e) { return e.key == key; });
    if (it != entries_.end()) {
        dropped = std::move(it->handle);
        entries_.erase(it);
    }
}

void OpenFileCache::releaseAll()
{
    std::vector<Entry> dropped;  // closed after the lock is released
    std::lock_guard lock(mutex_);
    dropped.swap(entries_);
}

size_t OpenFileCache::size()
{
    std::lock_guard lock(mutex_);
    return entries_.size();
}
