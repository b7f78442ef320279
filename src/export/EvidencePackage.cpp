#include "EvidencePackage.h"

#include "BackupCopier.h"
#include "EvidenceDerived.h"
#include "EvidenceManifest.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "FolderScanner.h"
#include "vexa_time.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

#include <algorithm>
#include <future>
#include <memory>

namespace {

// The folders' entries, deepest first, so the renamed package is whole after a crash.
bool syncFolders(const QString &root, QString *error)
{
    QStringList folders;
    for (QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();)
        folders.prepend(it.next());
    folders.append(root);
    return std::all_of(folders.begin(), folders.end(), [error](const QString &f) { return EvidenceFiles::sync(f, error); });
}

const QString kOriginals = QStringLiteral("originals");
// Room kept free beyond the estimate for the reports, tracks and manifest.
constexpr qint64 kSpare = 16 * 1024 * 1024;
// The copy is most of the work; the derived files share the rest of the bar.
constexpr qint64 kSteps = 1000;
constexpr qint64 kCopySteps = 700;

qint64 sizeOf(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

bool overlaps(const EvidencePackage::CardFile &file, qint64 from, qint64 to)
{
    return file.startMsec <= to && file.endMsec >= from;
}

QList<EvidencePackage::CardFile> listed(const QString &root, const QString &folder, const char *extension, bool logs)
{
    QList<EvidencePackage::CardFile> files;
    const QString base = root + u'/' + folder;
    for (const QString &relative : FolderScanner::files(base, QString::fromLatin1(extension))) {
        const QFileInfo info(base + u'/' + relative);
        if (logs) {
            if (const auto reader = FileLog::openReader(info.path(), info.fileName()); reader && reader->count() > 0)
                files.append({info.filePath(), time_to_msec(reader->record_at(0).time),
                              time_to_msec(reader->last_record().time)});
        } else if (const auto reader = FileVideo::openReader(info.path(), info.fileName());
                   reader && reader->frame_count() > 0) {
            files.append({info.filePath(), time_to_msec(reader->header_at(0).time),
                          time_to_msec(reader->header_at(reader->frame_count() - 1).time)});
        }
    }
    return files;
}

} // namespace

EvidencePackage::EvidencePackage(Options options)
    : _options(std::move(options))
    , _freeSpace([](const QString &folder) { return QStorageInfo(folder).bytesAvailable(); })
{
}

QList<EvidencePackage::CardFile> EvidencePackage::cardRecordings(const QString &cardRoot)
{
    return listed(cardRoot, QStringLiteral("CH1/event"), "vdd", false)
         + listed(cardRoot, QStringLiteral("CH1/normal"), "vdd", false);
}

QList<EvidencePackage::CardFile> EvidencePackage::cardLogs(const QString &cardRoot)
{
    return listed(cardRoot, QStringLiteral("log"), "log", true);
}

QString EvidencePackage::folderName(const QString &recordingPath)
{
    return QStringLiteral("evidence_") + QFileInfo(recordingPath).completeBaseName();
}

QString EvidencePackage::relativeToCard(const QString &path) const
{
    const QString relative = QDir(QFileInfo(_options.cardRoot).absoluteFilePath())
                                 .relativeFilePath(QFileInfo(path).absoluteFilePath());
    return relative.startsWith(u"..") || QDir::isAbsolutePath(relative) ? QString() : relative;
}

// The originals: the chosen recordings, the card's recordings within the margin around
// them, the logs covering that time and the configuration files, each once.
bool EvidencePackage::plan(QString *error)
{
    _plan.clear();
    _chosenSpans.clear();
    if (_options.chosen.isEmpty()) {
        *error = QStringLiteral("no recording chosen");
        return false;
    }
    for (const Chosen &chosen : _options.chosen) {
        const QFileInfo info(chosen.path);
        const auto reader = FileVideo::openReader(info.path(), info.fileName());
        if (relativeToCard(chosen.path).isEmpty() || !reader || reader->frame_count() == 0) {
            *error = QStringLiteral("%1: %2").arg(chosen.path, reader ? QStringLiteral("not a recording of the card %1").arg(_options.cardRoot)
                                                                      : QStringLiteral("cannot be read"));
            return false;
        }
        _chosenSpans.append({info.absoluteFilePath(), time_to_msec(reader->header_at(0).time),
                             time_to_msec(reader->header_at(reader->frame_count() - 1).time)});
    }
    const qint64 margin = qint64(_options.marginSeconds) * 1000;
    qint64 from = _chosenSpans.first().startMsec, to = _chosenSpans.first().endMsec;
    for (const CardFile &span : _chosenSpans) {
        from = std::min(from, span.startMsec - margin);
        to = std::max(to, span.endMsec + margin);
    }
    _spanFrom = from;
    _spanTo = to;
    QSet<QString> seen;
    const auto add = [&](const QString &path, bool optional) {
        const QString relative = relativeToCard(path);
        if (!relative.isEmpty() && !seen.contains(relative)) {
            seen.insert(relative);
            _plan.append({path, relative, optional});
        }
    };
    const auto addRecording = [&](const QString &path) {
        add(path, false);
        add(FolderScanner::sidecarPath(path), true);
    };
    for (const CardFile &span : _chosenSpans)
        addRecording(span.path);
    for (const CardFile &file : _options.recordings)
        if (overlaps(file, from, to))
            addRecording(file.path);
    _logs.clear();
    for (const CardFile &file : _options.logs)
        if (overlaps(file, from, to)) {
            add(file.path, false);
            _logs.append(file);
        }
    const QDir config(_options.cardRoot + QStringLiteral("/config"));
    for (const QString &name : config.entryList(QDir::Files | QDir::NoSymLinks, QDir::Name))
        add(config.filePath(name), true);
    _planBytes = 0;
    for (const Original &original : _plan)
        _planBytes += sizeOf(original.source);
    return true;
}

// The originals, plus the movies, which are about as large as their recordings.
bool EvidencePackage::fits(const QString &outDir, QString *error) const
{
    qint64 needed = _planBytes + kSpare;
    for (const CardFile &span : _chosenSpans)
        needed += sizeOf(span.path);
    const qint64 available = _freeSpace(BackupCopier::existingAncestor(outDir));
    if (available >= 0 && needed > available) {
        *error = QStringLiteral("%1: the package needs %2 bytes but only %3 bytes are free")
                     .arg(outDir).arg(needed).arg(available);
        return false;
    }
    return true;
}

EvidencePackage::Result EvidencePackage::run(const QString &outDir, const std::atomic_bool &cancel,
                                             const Progress &progress)
{
    // A failure leaves nothing behind, not even the output folder it made (once empty).
    const bool existed = QFileInfo::exists(outDir);
    build(outDir, cancel, progress);
    if (!_result.ok && !existed)
        QDir().rmdir(outDir);
    return _result;
}

void EvidencePackage::build(const QString &outDir, const std::atomic_bool &cancel, const Progress &progress)
{
    _result = Result();
    _originals.clear();
    const Progress report = progress ? progress : Progress([](qint64, qint64, const QString &) {});
    QString error;
    if (!plan(&error) || !fits(outDir, &error) || !QDir().mkpath(outDir)) {
        _result.error = error.isEmpty() ? QStringLiteral("%1: cannot create the folder").arg(outDir) : error;
        return;
    }
    // An earlier package of the same recording stays; the new one takes the next free name.
    const QString base = QDir(outDir).absoluteFilePath(folderName(_options.chosen.value(0).path));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + QStringLiteral("_%1").arg(n);
    // Beside the target, so the final rename stays on one file system.
    QTemporaryDir temporary(QDir(outDir).filePath(QStringLiteral(".%1-XXXXXX").arg(QFileInfo(target).fileName())));
    if (!temporary.isValid()) {
        _result.error = QStringLiteral("%1: %2").arg(outDir, temporary.errorString());
        return;
    }
    const QString root = temporary.path();
    if (!copyOriginals(root, cancel, report, &error) || !finish(root, cancel, report, &error)) {
        _result.cancelled = cancel.load();
        _result.error = _result.cancelled ? QStringLiteral("cancelled") : error;
        return;
    }
    // Every file is already flushed; its folders' entries go to the disk before the rename too,
    // and never over a folder that appeared meanwhile.
    if (!syncFolders(root, &error)
        || ::renameat2(AT_FDCWD, QFile::encodeName(root).constData(), AT_FDCWD, QFile::encodeName(target).constData(),
                    RENAME_NOREPLACE) != 0
        || !EvidenceFiles::sync(outDir, &error)) {
        _result.error = error.isEmpty() ? QStringLiteral("%1: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno)))
                                        : error;
        return;
    }
    temporary.setAutoRemove(false);
    _result.ok = true;
    _result.folder = target;
    report(kSteps, kSteps, QString());
}

bool EvidencePackage::copyOriginals(const QString &root, const std::atomic_bool &cancel, const Progress &progress,
                                    QString *error)
{
    qint64 done = 0;
    const qint64 total = std::max<qint64>(1, _planBytes);
    // Each copy is flushed and read back on a second thread while the next one is copied;
    // the future's destructor waits, so nothing outlives a failure.
    std::future<QString> settling;
    const auto settled = [&]() {
        const QString failed = settling.valid() ? settling.get() : QString();
        if (!failed.isEmpty())
            *error = failed;
        return failed.isEmpty();
    };
    for (const Original &original : _plan) {
        const QString target = root + u'/' + kOriginals + u'/' + original.relative;
        const QString name = QFileInfo(original.source).fileName();
        if (!QDir().mkpath(QFileInfo(target).path())) {
            *error = QStringLiteral("%1: cannot create the folder").arg(QFileInfo(target).path());
            return false;
        }
        const auto step = [&](qint64 bytes) { progress((done + bytes) * kCopySteps / total, kSteps, name); };
        EvidenceFiles::Copy copy = EvidenceFiles::copy(original.source, target, cancel, _readHook, step);
        if (!settled())
            return false;
        if (!copy.ok && !(copy.missing && original.optional)) {
            *error = copy.error;
            return false;
        }
        const qint64 size = copy.size;
        if (copy.ok) {
            _originals.append({kOriginals + u'/' + original.relative, copy.size, copy.sha256, copy.modified});
            settling = std::async(std::launch::async, [c = std::make_shared<EvidenceFiles::Copy>(std::move(copy)), &cancel] {
                return EvidenceFiles::settle(*c, cancel);
            });
        }
        done += size;
    }
    return settled();
}

// The derived files, SHA256SUMS, the reports and the manifest, each flushed.
bool EvidencePackage::finish(const QString &root, const std::atomic_bool &cancel, const Progress &progress,
                             QString *error)
{
    EvidenceDerived derived(_options, root);
    const auto copyOf = [&](const QString &path) { return root + u'/' + kOriginals + u'/' + relativeToCard(path); };
    for (const Chosen &chosen : _options.chosen)
        derived.addChosen(copyOf(chosen.path), chosen.frame, chosen.graph);
    for (const CardFile &log : _logs)
        derived.addLog(copyOf(log.path));
    derived.setSpan(_spanFrom, _spanTo);
    const auto step = [&](qint64 done, qint64 total, const QString &text) {
        progress(kCopySteps + done * (kSteps - kCopySteps - 1) / std::max<qint64>(1, total), kSteps, text);
    };
    if (!derived.write(cancel, step, error) || cancel.load())
        return false;
    EvidenceManifest manifest(_options, _originals, derived.entries(), derived.chosen());
    if (!manifest.writeSums(root, error) || !derived.writeReports(manifest, error)
        || !manifest.writeManifest(root, derived.reports(), error))
        return false;
    _result.sha256sums = manifest.sumsHash();
    _result.files = _originals.size() + derived.entries().size() + derived.reports().size() + 2;
    _result.bytes = 0;
    for (const QList<Entry> *list : std::initializer_list<const QList<Entry> *>{&_originals, &derived.entries(), &derived.reports()})
        for (const Entry &entry : *list)
            _result.bytes += entry.size;
    return true;
}
