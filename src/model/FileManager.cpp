#include "FileManager.h"

#include "CardLoader.h"
#include "DisplayFormat.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "FolderScanner.h"
#include "Texts.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kEvent = QStringLiteral("event");
const QString kNormal = QStringLiteral("normal");
const QString kLog = QStringLiteral("log");
const QString kEventFolder = QStringLiteral("/CH1/event");
const QString kNormalFolder = QStringLiteral("/CH1/normal");
const QString kLogFolder = QStringLiteral("/log");

bool isFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

} // namespace

FileManager::FileManager(QObject *parent) : QObject(parent) {}

FileManager::~FileManager()
{
    clearLists(false);
}

bool FileManager::checkFolder(const QString &folder)
{
    return isFolder(folder + kEventFolder) && isFolder(folder + kLogFolder);
}

qint64 FileManager::fileCount(const QString &folder)
{
    return FolderScanner::files(folder + kEventFolder, QStringLiteral("vdd")).size()
         + FolderScanner::files(folder + kNormalFolder, QStringLiteral("vdd")).size()
         + FolderScanner::files(folder + kLogFolder, QStringLiteral("log")).size();
}

bool FileManager::loadFiles(const QString &folder)
{
    if (_loading)
        return false;
    _loading = true;
    _cancel = false;
    _cancelled = false;
    _skippedFiles.clear();
    clearLists();

    std::vector<CardLoader::Job> jobs;
    const auto addJobs = [&](const QString &sub, const QString &extension, bool isLog) {
        const QString root = folder + sub;
        for (const QString &file : FolderScanner::files(root, extension))
            jobs.push_back({root, file, isLog});
    };
    addJobs(kEventFolder, QStringLiteral("vdd"), false);
    const size_t eventCount = jobs.size();
    addJobs(kNormalFolder, QStringLiteral("vdd"), false);
    const size_t videoCount = jobs.size();
    addJobs(kLogFolder, QStringLiteral("log"), true);

    std::vector<CardLoader::Result> results =
        CardLoader::run(jobs, [this](qint64 count) { emit loadedFileCount(count); }, _cancel);
    // A cancel that came while the last files finished still leaves the folder unopened.
    _cancelled = _cancel;
    if (!_cancelled)
        adoptResults(jobs, results, eventCount, videoCount, folder);
    _loading = false;
    return !_cancelled && (jobs.empty() || _skippedFiles.size() < qsizetype(jobs.size()));
}

void FileManager::adoptResults(const std::vector<CardLoader::Job> &jobs,
                               std::vector<CardLoader::Result> &results, size_t eventCount,
                               size_t videoCount, const QString &folder)
{
    for (size_t i = 0; i < results.size(); ++i) {
        bool adopted = false;
        if (i < videoCount) {
            const int type = i < eventCount ? FileVideo::Event : FileVideo::Normal;
            if (FileVideo *video = FileVideo::fromReader(std::move(results[i].video), type, this)) {
                adoptVideo(video, i < eventCount ? _eventArray : _normalArray);
                adopted = true;
            }
        } else if (FileLog *log = FileLog::fromReader(std::move(results[i].log), this)) {
            adoptLog(log);
            adopted = true;
        }
        if (!adopted)
            _skippedFiles.append(QDir(folder).relativeFilePath(jobs[i].folder + u'/' + jobs[i].file));
    }
}

void FileManager::adoptVideo(FileVideo *video, QList<FileVideo *> &list)
{
    connect(video, &FileVideo::fileVideoFrameIndex, this, &FileManager::fileVideoFrameIndex);
    connect(video, &FileVideo::indexChanged, this, &FileManager::fileVideoIndexChanged);
    list.append(video);
}

void FileManager::adoptLog(FileLog *log)
{
    connect(log, &FileLog::fileLogFrameIndex, this, &FileManager::fileLogFrameIndex);
    _logArray.append(log);
}

void FileManager::clearLists(bool later)
{
    emit closing();
    // Deleted later: a receiver of a frame report may be the one closing the folder. Each is
    // let go by its parent too, or deleting the manager first would search the posted events
    // once per model, quadratic in the card's files. The manager's own end deletes at once.
    const auto letGo = [this, later](QObject *model) {
        disconnect(model, nullptr, this, nullptr);
        if (!later) {
            delete model;
            return;
        }
        model->setParent(nullptr);
        model->deleteLater();
    };
    for (const QList<FileVideo *> *videos : {&_eventArray, &_normalArray}) {
        for (FileVideo *video : *videos) {
            video->close();
            letGo(video);
        }
    }
    for (FileLog *log : std::as_const(_logArray)) {
        log->pause();
        letGo(log);
    }
    _eventArray.clear();
    _normalArray.clear();
    _logArray.clear();
}

void FileManager::close()
{
    clearLists();
    _validFolder = false;
}

QList<ListRow> FileManager::listViewData(const QString &type, const DisplayFormat &format) const
{
    QList<ListRow> rows;
    if (type == kEvent || type == kNormal) {
        const QList<FileVideo *> &videos = type == kEvent ? _eventArray : _normalArray;
        for (qint64 i = 0; i < videos.size(); ++i) {
            const FileVideo *video = videos[i];
            ListRow row;
            row.idx = i;
            row.seq = QString::number(video->file().sequence_number());
            row.damaged = video->isDamaged();
            row.col2 = row.damaged ? Texts::text("gui_damaged_recording")
                                   : format.dateString(video->firstHeader().time);
            if (type == kEvent)
                row.col3 = DisplayFormat::eventTypeString(video->eventType());
            else if (!row.damaged)
                row.col3 = DisplayFormat::durationString(video->file().duration_seconds());
            rows.append(row);
        }
    } else if (type == kLog) {
        for (qint64 i = 0; i < _logArray.size(); ++i) {
            const FileLog *log = _logArray[i];
            ListRow row;
            row.idx = i;
            row.seq = QString::number(log->sequence());
            row.col2 = format.dateString(log->file().first_record().time);
            row.col3 = DisplayFormat::durationString(log->file().duration_seconds());
            rows.append(row);
        }
    }
    return rows;
}

QList<QObject *> FileManager::filesByType(const QString &type) const
{
    QList<QObject *> files;
    if (type == kEvent || type == kNormal) {
        for (FileVideo *video : type == kEvent ? _eventArray : _normalArray)
            files.append(video);
    } else if (type == kLog) {
        for (FileLog *log : _logArray)
            files.append(log);
    }
    return files;
}

FileVideo *FileManager::videoAtIndex(qint64 index, const QString &type) const
{
    if (type != kEvent && type != kNormal)
        return nullptr;
    const QList<FileVideo *> &videos = type == kEvent ? _eventArray : _normalArray;
    return index >= 0 && index < videos.size() ? videos[index] : nullptr;
}

FileLog *FileManager::logAtIndex(qint64 index) const
{
    return index >= 0 && index < _logArray.size() ? _logArray[index] : nullptr;
}

const QList<FileVideo *> &FileManager::searchedVideos() const
{
    return _eventArray.isEmpty() ? _normalArray : _eventArray;
}

FrameInfo FileManager::infoAtTimestamp(const _vexa_time_t &time, bool forward) const
{
    for (FileVideo *video : searchedVideos()) {
        const qint64 index = video->indexAtTimestamp(time, forward);
        if (index != -1)
            return {video, index};
    }
    return {};
}

QList<FileVideo *> FileManager::videoWithFromDate(const _vexa_time_t &from, const _vexa_time_t &to) const
{
    const qint64 fromMsec = time_to_msec(from);
    const qint64 toMsec = time_to_msec(to);
    QList<FileVideo *> videos;
    for (FileVideo *video : searchedVideos()) {
        if (video->intime(fromMsec, toMsec))
            videos.append(video);
    }
    return videos;
}
