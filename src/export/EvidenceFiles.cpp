#include "EvidenceFiles.h"

#include "DurableWrite.h"
#include "Sha256.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Large blocks: fewer system calls, and the disk reads of the check stay long.
constexpr size_t kBlock = 4 << 20;
// What direct reads need of the buffer's address and length.
constexpr size_t kDirectAlign = 4096;

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

// Reads the whole file into the hash; false with errno set on a read error.
bool hashAll(int fd, char *buffer, size_t size, Sha256 &hash)
{
    for (;;) {
        const ssize_t n = readSome(fd, buffer, size);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        hash.add(buffer, n);
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
    auto out = std::make_unique<DurableWrite>(QFile::encodeName(target).toStdString());
    if (!out->open()) {
        result.error = QString::fromStdString(out->errorString());
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
        if (!out->write(buffer.data(), size_t(n))) {
            result.error = QString::fromStdString(out->errorString());
            return result;
        }
        // The disk starts on the copy now, so the flush at the end has little left to wait for.
        ::sync_file_range(out->fd(), result.size, n, SYNC_FILE_RANGE_WRITE);
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
    if (::futimens(out->fd(), times) != 0) {
        result.error = failure(target, reason());
        return result;
    }
    result.sha256 = hash.hex();
    result.file = std::move(out);
    result.ok = true;
    return result;
}

QString EvidenceFiles::settle(Copy &copy, const std::atomic_bool &cancel)
{
    if (!copy.file)
        return QStringLiteral("no copy to settle");
    const std::unique_ptr<DurableWrite> file = std::move(copy.file);
    const QString target = QFile::decodeName(QByteArray::fromStdString(file->target()));
    if (!file->commit())
        return QString::fromStdString(file->errorString());
    if (cancel.load())
        return QStringLiteral("cancelled");
    QString error;
    const QByteArray copied = readBack(target, &error);
    if (copied.isEmpty())
        return error;
    if (copied != copy.sha256)
        return failure(target, QStringLiteral("the copy does not read back as written"));
    return {};
}

// The copy as the disk holds it: read past the page cache (or with its pages dropped where the
// file system has no direct reads), so the hash is of what was written rather than of what is
// in memory; its pages are dropped afterwards, so the copies do not crowd the cache.
QByteArray EvidenceFiles::readBack(const QString &path, QString *error)
{
    std::unique_ptr<char, decltype(&std::free)> buffer(static_cast<char *>(std::aligned_alloc(kDirectAlign, kBlock)),
                                                       &std::free);
    if (!buffer) {
        *error = failure(path, QStringLiteral("out of memory"));
        return {};
    }
    for (const bool direct : {true, false}) {
        Descriptor in(path, direct ? O_RDONLY | O_DIRECT : O_RDONLY);
        if (in.fd < 0 && direct && errno == EINVAL)
            continue;
        if (!direct)
            ::posix_fadvise(in.fd, 0, 0, POSIX_FADV_DONTNEED);
        Sha256 hash;
        const bool ok = in.fd >= 0 && hashAll(in.fd, buffer.get(), kBlock, hash);
        const int code = errno;
        if (in.fd >= 0)
            ::posix_fadvise(in.fd, 0, 0, POSIX_FADV_DONTNEED);
        if (ok)
            return hash.hex();
        // A direct read the file system refuses part way is repeated the ordinary way.
        if (direct && code == EINVAL)
            continue;
        errno = code;
        *error = failure(path, reason());
        return {};
    }
    *error = failure(path, reason());
    return {};
}

bool EvidenceFiles::write(const QString &path, const QByteArray &data, QString *error)
{
    std::string why;
    if (!DurableWrite::writeFile(QFile::encodeName(path).toStdString(), data.toStdString(), &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    return true;
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
