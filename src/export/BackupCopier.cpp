#include "BackupCopier.h"

#include "CardFolders.h"
#include "DurableWrite.h"
#include "FolderScanner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

const QString kEvent = QStringLiteral("CH1/event");
const QString kNormal = QStringLiteral("CH1/normal");
const QString kLog = QStringLiteral("log");
const QString kConfig = QStringLiteral("config");
constexpr size_t kBufferSize = 1 << 20;

bool writeAll(int fd, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool readWriteCopy(int in, int out)
{
    std::vector<char> buffer(kBufferSize);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!writeAll(out, buffer.data(), n))
            return false;
    }
}

// Copies in the kernel where it can (no round trip through user memory), else through a
// large buffer. A write error such as a full disk ends the copy with false.
bool pump(int in, int out, qint64 size)
{
#ifdef __linux__
    qint64 done = 0;
    for (;;) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(1) << 30, 0);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n == 0 && (done > 0 || size == 0))
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        // Not supported between these files: only safe to switch before anything moved.
        if (done > 0 || (n < 0 && errno != EXDEV && errno != ENOSYS && errno != EINVAL
                         && errno != EOPNOTSUPP && errno != EBADF))
            return false;
        break;
    }
#else
    Q_UNUSED(size);
#endif
    return readWriteCopy(in, out);
}

// A link counts nothing: it is never copied.
qint64 sizeOf(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink() ? info.size() : 0;
}

// A card's file is opened without following a link in its last step, and without waiting
// on a pipe or device a card may carry in its place.
int openSource(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
}

} // namespace

BackupCopier::BackupCopier(Sources sources, QString destination)
    : _sources(std::move(sources))
    , _destination(std::move(destination))
    , _freeSpace([](const QString &folder) { return QStorageInfo(folder).bytesAvailable(); })
{
}

BackupCopier::Sources BackupCopier::wholeCard(const QString &cardRoot)
{
    const auto under = [&](const QString &folder, const char *extension) {
        const QString root = cardRoot + u'/' + folder;
        QStringList paths = FolderScanner::files(root, QString::fromLatin1(extension));
        for (QString &path : paths)
            path.prepend(root + u'/');
        return paths;
    };
    return {under(kEvent, "vdd"), under(kNormal, "vdd"), under(kLog, "log"), cardRoot};
}

qint64 BackupCopier::totalSize(const Sources &sources)
{
    qint64 total = 0;
    for (const QStringList *list : {&sources.event, &sources.normal})
        for (const QString &path : *list)
            total += sizeOf(path) + sizeOf(FolderScanner::sidecarPath(path));
    for (const QString &path : sources.log)
        total += sizeOf(path);
    return total;
}

QString BackupCopier::sizeText(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(QLocale().toString(double(bytes) / (1024.0 * 1024.0), 'f', 1));
}

qint64 BackupCopier::itemCount() const
{
    return _sources.event.size() + _sources.normal.size() + _sources.log.size();
}

QList<BackupCopier::Item> BackupCopier::itemsOf(const QStringList &paths, const QString &folder,
                                                bool withSidecar) const
{
    QList<Item> items;
    const QDir cardFolder(QFileInfo(_sources.cardRoot + u'/' + folder).absoluteFilePath());
    for (const QString &path : paths) {
        // Recordings in sub-folders keep them, so equal names in two sub-folders stay apart.
        QString relative = _sources.cardRoot.isEmpty() ? QString() : cardFolder.relativeFilePath(QFileInfo(path).absoluteFilePath());
        if (relative.isEmpty() || relative.startsWith(u"..") || QDir::isAbsolutePath(relative))
            relative = QFileInfo(path).fileName();
        items.append({path, folder + u'/' + relative, false});
        if (withSidecar) {
            const QString sidecar = FolderScanner::sidecarPath(path);
            const QString name = QFileInfo(relative).path() + u'/' + QFileInfo(sidecar).fileName();
            items.append({sidecar, QDir::cleanPath(folder + u'/' + name), true});
        }
    }
    return items;
}

QList<BackupCopier::Item> BackupCopier::configItems() const
{
    QList<Item> items;
    if (_sources.cardRoot.isEmpty())
        return items;
    for (const char *name : {"set.dat", "set.ini", "version.ini"}) {
        const QString relative = kConfig + u'/' + QLatin1String(name);
        items.append({_sources.cardRoot + u'/' + relative, relative, true});
    }
    return items;
}

// A read-only or forbidden destination is named with its reason before anything is weighed.
bool BackupCopier::writable()
{
    const QString folder = BackupCopier::existingAncestor(_destination);
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0)
        return true;
    _result.error = QStringLiteral("cannot write %1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

// The peak the destination will hold more than now: each file's temporary copy sits beside
// the old backup file until it replaces it.
bool BackupCopier::fits()
{
    QList<Item> all = itemsOf(_sources.event, kEvent, true) + itemsOf(_sources.normal, kNormal, true)
                    + itemsOf(_sources.log, kLog, false) + configItems();
    qint64 growth = 0;
    qint64 peak = 0;
    for (const Item &item : all) {
        const qint64 size = sizeOf(item.source);
        peak = std::max(peak, growth + size);
        growth += size - sizeOf(_destination + u'/' + item.target);
    }
    _result.needed = std::max(peak, growth);
    _result.available = _freeSpace(BackupCopier::existingAncestor(_destination));
    // An unknown figure (-1) refuses nothing: a copy that then fails is still reported.
    return _result.available < 0 || _result.needed <= _result.available;
}

bool BackupCopier::run(const std::atomic_bool &cancel, const Progress &progress)
{
    _result = Result();
    _done = 0;
    if (!writable())
        return false;
    if (!fits()) {
        _result.noSpace = true;
        return false;
    }
    for (const QString &folder : {kConfig, kLog, kEvent, kNormal})
        QDir().mkpath(_destination + u'/' + folder);
    progress(0, itemCount(), QString());
    bool whole = true;
    for (const QList<Item> &files : {itemsOf(_sources.event, kEvent, true), itemsOf(_sources.normal, kNormal, true),
                                     itemsOf(_sources.log, kLog, false)}) {
        if (whole)
            whole = copyCategory(cancel, progress, files);
        else
            _result.skipped += int(files.size());
    }
    // The settings belong to the whole backup: a cancelled one leaves them out.
    if (whole)
        copyItems(configItems());
    else
        _result.skipped += int(configItems().size());
    // A cancelled backup's bar stays where the copying stopped.
    if (whole)
        progress(itemCount(), itemCount(), QString());
    return whole && _result.failed == 0;
}

// One category; each recording is a step with its sidecar. False once cancelled, after
// counting what was left out.
bool BackupCopier::copyCategory(const std::atomic_bool &cancel, const Progress &progress,
                            const QList<Item> &files)
{
    for (qsizetype i = 0; i < files.size();) {
        const qsizetype count = i + 1 < files.size() && files[i + 1].optional ? 2 : 1;
        if (cancel.load()) {
            _result.cancelled = true;
            _result.skipped += int(files.size() - i);
            return false;
        }
        progress(_done, itemCount(), QFileInfo(files[i].source).fileName());
        copyItems(files.mid(i, count));
        progress(++_done, itemCount(), QString());
        i += count;
    }
    if (cancel.load())
        _result.cancelled = true;
    return !_result.cancelled;
}

void BackupCopier::copyItems(const QList<Item> &items)
{
    for (const Item &item : items) {
        qint64 bytes = 0;
        QString why;
        switch (copyFile(item.source, _destination + u'/' + item.target, &bytes, &why)) {
        case Outcome::Copied:
            ++_result.copied;
            _result.bytes += bytes;
            break;
        case Outcome::Link:
            ++_result.skipped;
            break;
        case Outcome::Missing:
            if (item.optional) {
                ++_result.skipped;
                break;
            }
            [[fallthrough]];
        case Outcome::Failed:
            ++_result.failed;
            _result.failedFiles.append(item.source);
            if (_result.error.isEmpty())
                _result.error = why.isEmpty() ? QStringLiteral("cannot read %1").arg(item.source) : why;
            break;
        }
    }
}

// A link anywhere between the card and the file could lead out of the card.
bool BackupCopier::throughLink(const QString &source) const
{
    const QString root = QDir::cleanPath(_sources.cardRoot);
    QString folder = QFileInfo(QDir::cleanPath(source)).path();
    while (!root.isEmpty() && folder.startsWith(root + u'/')) {
        if (CardFolders::isLink(QFile::encodeName(folder).toStdString()))
            return true;
        folder = QFileInfo(folder).path();
    }
    return false;
}

BackupCopier::Outcome BackupCopier::copyFile(const QString &source, const QString &target,
                                             qint64 *bytes, QString *why) const
{
    if (throughLink(source))
        return Outcome::Link;
    const int in = openSource(source);
    if (in < 0) {
        const int code = errno;
        *why = QStringLiteral("cannot read %1: %2").arg(source, QString::fromLocal8Bit(std::strerror(code)));
        return code == ENOENT ? Outcome::Missing : code == ELOOP ? Outcome::Link : Outcome::Failed;
    }
    struct stat from {};
    if (::fstat(in, &from) != 0 || !S_ISREG(from.st_mode)) {
        *why = QStringLiteral("cannot read %1: %2").arg(source, QString::fromLocal8Bit(std::strerror(errno ? errno : EINVAL)));
        ::close(in);
        return Outcome::Failed;
    }
    const bool ok = writeCopy(in, from.st_size, target, why);
    ::close(in);
    if (ok)
        *bytes = from.st_size;
    return ok ? Outcome::Copied : Outcome::Failed;
}

// The copy takes the target's name only when all of it is on the disk.
bool BackupCopier::writeCopy(int in, qint64 size, const QString &target, QString *why) const
{
    QDir().mkpath(QFileInfo(target).path());
    DurableWrite file(QFile::encodeName(target).toStdString());
    struct stat to {};
    // Only a copy of exactly the source's size may replace the old backup file.
    bool ok = file.open() && (pump(in, file.fd(), size) || file.fail("cannot write", errno))
           && (::fstat(file.fd(), &to) == 0 || file.fail("cannot write", errno))
           && (to.st_size == size || file.fail("cannot write", EIO));
    // Readable by all, as a copy made by hand; a file system without modes keeps its own.
    if (ok)
        (void)::fchmod(file.fd(), 0644);
    ok = ok && file.commit();
    if (!ok)
        *why = QString::fromLocal8Bit(file.errorString());
    return ok;
}

QString BackupCopier::existingAncestor(QString path)
{
    QFileInfo info(path);
    while (!info.exists() && !info.isRoot() && !path.isEmpty()) {
        path = info.absolutePath();
        info = QFileInfo(path);
    }
    return path;
}
