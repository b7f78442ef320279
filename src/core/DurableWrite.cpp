#include "DurableWrite.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<uint64_t> syncs{0};

std::string reason(int code)
{
    return std::strerror(code);
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name beside the target no other writer picks: the process and a random part.
std::string uniqueName(const std::string &folder, const std::string &target)
{
    static std::atomic<uint64_t> serial{0};
    thread_local std::mt19937_64 random{std::random_device{}() ^ uint64_t(::getpid()) << 32};
    char tail[64];
    std::snprintf(tail, sizeof tail, ".%d-%llx-%llx.tmp", int(::getpid()),
                  static_cast<unsigned long long>(random()), static_cast<unsigned long long>(++serial));
    return (folder == "/" ? "" : folder) + "/." + nameOf(target) + tail;
}

bool sync(int fd)
{
    if (::fsync(fd) != 0)
        return false;
    ++syncs;
    return true;
}

} // namespace

DurableWrite::DurableWrite(std::string target)
    : target_(std::move(target)), folder_(folderOf(target_))
{
}

DurableWrite::~DurableWrite()
{
    if (!committed_)
        drop();
}

bool DurableWrite::fail(const std::string &what, int code)
{
    if (error_.empty()) {
        code_ = code;
        error_ = what + " " + target_ + ": " + reason(code);
    }
    return false;
}

bool DurableWrite::open()
{
    drop();
    error_.clear();
    code_ = 0;
    committed_ = false;
    if (target_.empty() || nameOf(target_).empty())
        return fail("cannot create", EINVAL);
#ifdef O_TMPFILE
    // A file without a name cannot be left behind by a crash.
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOSYS)
        return fail("cannot create", errno);
#endif
    if (fd_ < 0 && !openNamed())
        return false;
    struct stat old {};
    // A replaced file keeps its permissions; a link in the way is replaced, never followed.
    if (::lstat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd_, old.st_mode & 07777);
    return true;
}

bool DurableWrite::openNamed()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = uniqueName(folder_, target_);
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST)
            return fail("cannot create", errno);
    }
    return fail("cannot create", EEXIST);
}

bool DurableWrite::write(const void *data, size_t size)
{
    if (fd_ < 0)
        return fail("cannot write", EBADF);
    if (failed())
        return false;
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd_, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail("cannot write", n < 0 ? errno : ENOSPC);
        bytes += n;
        size -= size_t(n);
    }
    return true;
}

// Gives the nameless file a unique name beside the target, ready for the rename.
bool DurableWrite::placeNameless()
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = uniqueName(folder_, target_);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST)
            return fail("cannot write", errno);
    }
    return fail("cannot write", EEXIST);
}

bool DurableWrite::commit()
{
    if (fd_ < 0 && !failed())
        fail("cannot write", EBADF);
    if (failed()) {
        drop();
        return false;
    }
    bool ok = sync(fd_) || fail("cannot write", errno);
    ok = ok && (!temporary_.empty() || placeNameless());
    const int closed = ::close(fd_);
    fd_ = -1;
    ok = ok && (closed == 0 || fail("cannot write", errno));
    ok = ok && (::rename(temporary_.c_str(), target_.c_str()) == 0 || fail("cannot replace", errno));
    if (!ok) {
        drop();
        return false;
    }
    temporary_.clear();
    committed_ = true;
    std::string why;
    if (!syncFolder(folder_, &why)) {
        error_ = why;
        return false;
    }
    return true;
}

void DurableWrite::cancel()
{
    drop();
}

void DurableWrite::drop()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool DurableWrite::writeFile(const std::string &path, const std::string &text, std::string *error)
{
    DurableWrite file(path);
    const bool ok = file.open() && file.write(text) && file.commit();
    if (error)
        *error = file.errorString();
    return ok;
}

bool DurableWrite::syncFolder(const std::string &folder, std::string *error)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = "cannot open the folder " + folder + ": " + reason(errno);
        return false;
    }
    bool ok = sync(fd);
    // EINVAL: a file system that cannot sync a folder; the rename is as durable as it can get.
    if (!ok && errno == EINVAL)
        ok = true;
    else if (!ok && error)
        *error = "cannot write the folder " + folder + ": " + reason(errno);
    ::close(fd);
    return ok;
}

void DurableWrite::removeStale() const
{
    DIR *dir = ::opendir(folder_.c_str());
    if (!dir)
        return;
    const std::string prefix = "." + nameOf(target_) + ".";
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0
            || name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        struct stat st {};
        if (pid <= 0 || pid == ::getpid() || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH
            || ::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

uint64_t DurableWrite::syncCount()
{
    return syncs.load();
}
