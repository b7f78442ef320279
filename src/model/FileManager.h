// The opened card folder: checks its layout, loads its recordings and logs, answers the
// lists, the map, the graphs and the exports.
//
// Every FileVideo and FileLog it loads reports its frames through this object's
// fileVideoFrameIndex / fileLogFrameIndex signals.
#pragma once

#include "CardLoader.h"
#include "DisplayFormat.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "ListRow.h"
#include "vexa_types.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

// The recording holding a moment, and the frame of that moment; file is null for none.
struct FrameInfo {
    FileVideo *file = nullptr;
    qint64 index = -1;
};

class FileManager : public QObject {
    Q_OBJECT
public:
    explicit FileManager(QObject *parent = nullptr);
    ~FileManager() override;

    bool validFolder() const { return _validFolder; }
    void setValidFolder(bool valid) { _validFolder = valid; }

    // folder/CH1/event and folder/log both exist and are folders.
    static bool checkFolder(const QString &folder);
    // Files of a wanted extension under the three list folders.
    static qint64 fileCount(const QString &folder);
    // Replaces the lists with the folder's files; reports loadedFileCount for every file
    // of a wanted extension, readable or not. Keeps the event loop running while the
    // recordings are indexed on worker threads. False when a load is already running, when
    // it was cancelled (the lists stay empty), or when the folder has files and none of
    // them could be read.
    bool loadFiles(const QString &folder);
    bool isLoading() const { return _loading; }
    // Asks the running load to stop after the files being read; the lists stay empty.
    void cancelLoading() { _cancel = true; }
    bool loadCancelled() const { return _cancelled; }
    // Files of the last load that could not be read, relative to the folder, in list order.
    const QStringList &skippedFiles() const { return _skippedFiles; }

    // Rows of "event", "normal" or "log", dates in the format; empty for another type.
    QList<ListRow> listViewData(const QString &type, const DisplayFormat &format) const;
    QList<QObject *> filesByType(const QString &type) const;
    const QList<FileVideo *> &eventVideos() const { return _eventArray; }
    const QList<FileVideo *> &normalVideos() const { return _normalArray; }
    const QList<FileLog *> &logs() const { return _logArray; }
    // Null for an index outside the list or a type other than "event" and "normal".
    FileVideo *videoAtIndex(qint64 index, const QString &type) const;
    FileLog *logAtIndex(qint64 index) const;
    // The first recording (event recordings when there are any) with a frame at that second.
    FrameInfo infoAtTimestamp(const _vexa_time_t &time, bool forward) const;
    // Recordings (event recordings when there are any) overlapping the span.
    QList<FileVideo *> videoWithFromDate(const _vexa_time_t &from, const _vexa_time_t &to) const;
    // Stops every recording and empties the lists.
    void close();

signals:
    void fileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex);
    void fileLogFrameIndex(FileLog *fileLog, qint64 frameIndex);
    void loadedFileCount(qint64 count);
    // A recording's first use read its full index and that changed its list row.
    void fileVideoIndexChanged(FileVideo *fileVideo);
    // The lists are about to be emptied: whoever still reads their files stops now.
    void closing();

private:
    void clearLists(bool later = true);
    void adoptResults(const std::vector<CardLoader::Job> &jobs,
                      std::vector<CardLoader::Result> &results, size_t eventCount,
                      size_t videoCount, const QString &folder);
    void adoptVideo(FileVideo *video, QList<FileVideo *> &list);
    void adoptLog(FileLog *log);
    const QList<FileVideo *> &searchedVideos() const;

    bool _validFolder = false;
    bool _loading = false;
    std::atomic_bool _cancel = false;
    bool _cancelled = false;
    QStringList _skippedFiles;
    QList<FileVideo *> _eventArray;
    QList<FileVideo *> _normalArray;
    QList<FileLog *> _logArray;
};
