#include "EvidenceFiles.h"

#include "Sha256.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr size_t kBlock = 1 << 20;

QString reason() { return QString::fromLocal8Bit(std::strerror(errno)); }

QString failure(const QString &path, const QString &why) { return QStringLiteral("%1: %2").arg(path, why); }

class Descriptor {
public:
    Descriptor(const QString &path, int flags, mode_t mode = 0644)
        : fd(::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, mode)) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int fd;
};

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

ssize_t readSome(int fd, char *data, size_t size)
{
    for (;;) {
        const ssize_t n = ::read(fd, data, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec
        && a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec && a.st_ino == b.st_ino;
}

// The copy as the disk holds it: the cached pages are dropped first, so the hash is of
// what was written rather than of what is still in memory.
QByteArray readBack(const QString &path, QString *error)
{
    Descriptor in(path, O_RDONLY);
    if (in.fd < 0) {
        *error = failure(path, reason());
        return {};
    }
    ::posix_fadvise(in.fd, 0, 0, POSIX_FADV_DONTNEED);
    Sha256 hash;
    std::vector<char> buffer(kBlock);
    for (;;) {
        const ssize_t n = readSome(in.fd, buffer.data(), buffer.size());
        if (n < 0) {
            *error = failure(path, reason());
            return {};
        }
        if (n == 0)
            return hash.hex();
        hash.add(buffer.data(), n);
    }
}

} // namespace

EvidenceFiles::Copy EvidenceFiles::copy(const QString &source, const QString &target, const std::atomic_bool &cancel,
                                        const ReadHook &hook, const Progress &progress)
{
    Copy result;
    Descriptor in(source, O_RDONLY);
    struct stat before {};
    if (in.fd < 0 || ::fstat(in.fd, &before) != 0) {
        result.missing = errno == ENOENT;
        result.error = failure(source, reason());
        return result;
    }
    if (!S_ISREG(before.st_mode)) {
        result.error = failure(source, QStringLiteral("not a regular file"));
        return result;
    }
    result.modified = QDateTime::fromMSecsSinceEpoch(qint64(before.st_mtim.tv_sec) * 1000 + before.st_mtim.tv_nsec / 1000000,
                                                     Qt::UTC);
    Descriptor out(target, O_WRONLY | O_CREAT | O_EXCL);
    if (out.fd < 0) {
        result.error = failure(target, reason());
        return result;
    }
    ::posix_fadvise(in.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    Sha256 hash;
    std::vector<char> buffer(kBlock);
    for (;;) {
        if (cancel.load()) {
            result.error = QStringLiteral("cancelled");
            return result;
        }
        const ssize_t n = readSome(in.fd, buffer.data(), buffer.size());
        if (n < 0) {
            result.error = failure(source, reason());
            return result;
        }
        if (n == 0)
            break;
        hash.add(buffer.data(), n);
        if (!writeAll(out.fd, buffer.data(), size_t(n))) {
            result.error = failure(target, reason());
            return result;
        }
        result.size += n;
        if (hook)
            hook(source, result.size);
        if (progress)
            progress(result.size);
    }
    struct stat after {};
    if (::stat(QFile::encodeName(source).constData(), &after) != 0 || !sameFile(before, after)
        || result.size != qint64(before.st_size)) {
        result.error = failure(source, QStringLiteral("the file changed while it was copied"));
        return result;
    }
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    if (::futimens(out.fd, times) != 0 || ::fsync(out.fd) != 0) {
        result.error = failure(target, reason());
        return result;
    }
    result.sha256 = hash.hex();
    const QByteArray copied = readBack(target, &result.error);
    if (copied.isEmpty())
        return result;
    if (copied != result.sha256) {
        result.error = failure(target, QStringLiteral("the copy does not read back as written"));
        return result;
    }
    result.ok = true;
    return result;
}

bool EvidenceFiles::write(const QString &path, const QByteArray &data, QString *error)
{
    const QString temporary = path + QStringLiteral(".part");
    {
        Descriptor out(temporary, O_WRONLY | O_CREAT | O_TRUNC);
        if (out.fd < 0 || !writeAll(out.fd, data.constData(), size_t(data.size())) || ::fsync(out.fd) != 0) {
            *error = failure(path, reason());
            ::unlink(QFile::encodeName(temporary).constData());
            return false;
        }
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        *error = failure(path, reason());
        ::unlink(QFile::encodeName(temporary).constData());
        return false;
    }
    return sync(QFileInfo(path).absolutePath(), error);
}

bool EvidenceFiles::sync(const QString &path, QString *error)
{
    Descriptor file(path, O_RDONLY);
    if (file.fd < 0 || ::fsync(file.fd) != 0) {
        *error = failure(path, reason());
        return false;
    }
    return true;
}
