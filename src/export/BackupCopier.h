// Copies recordings (with their sidecars), logs and the camera's configuration files from a
// card into a backup folder laid out like the card. Every file goes to a temporary name beside
// its target and replaces the target only once it is whole, so an older backup file is never
// lost to a failed copy. Runs on a worker thread; the cancel flag is read between files.
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class BackupCopier {
public:
    using Progress = std::function<void(qint64 done, qint64 total, const QString &text)>;
    // Bytes free for new files in an existing folder.
    using FreeSpace = std::function<qint64(const QString &folder)>;

    struct Sources {
        QStringList event;   // recording paths (.vdd); each sidecar goes along
        QStringList normal;
        QStringList log;
        // The card the files come from: the configuration files are taken from its "config"
        // folder, and recordings in sub-folders keep their place below the card's folders.
        QString cardRoot;
        bool isEmpty() const { return event.isEmpty() && normal.isEmpty() && log.isEmpty(); }
    };

    struct Result {
        int copied = 0;
        int skipped = 0;  // optional files the card lacks, links, and files left out by a cancel
        int failed = 0;
        qint64 bytes = 0;
        QStringList failedFiles;  // source paths
        QString error;            // the first failure: the file and the system's reason
        bool cancelled = false;
        bool noSpace = false;  // refused before writing anything
        qint64 needed = 0;
        qint64 available = 0;
    };

    BackupCopier(Sources sources, QString destination);

    // Every file of the card's three folders.
    static Sources wholeCard(const QString &cardRoot);
    // Bytes of the recordings, sidecars and logs; a file that cannot be read counts 0.
    // Reads every file's size: call it off the GUI thread.
    static qint64 totalSize(const Sources &sources);
    // A size as the user reads it: megabytes with one decimal ("1.5 MB").
    static QString sizeText(qint64 bytes);
    // The path itself, or its nearest folder that exists: where a new copy's space comes from.
    static QString existingAncestor(QString path);

    // Recordings plus logs: the progress steps of run().
    qint64 itemCount() const;
    void setFreeSpace(FreeSpace probe) { _freeSpace = std::move(probe); }

    // The backup; false when anything failed, it was cancelled, or it could not fit.
    bool run(const std::atomic_bool &cancel, const Progress &progress);
    const Result &result() const { return _result; }

private:
    enum class Outcome { Copied, Missing, Link, Failed };
    struct Item {
        QString source;
        QString target;  // relative to the destination
        bool optional;   // a sidecar or configuration file the card may lack
    };

    QList<Item> itemsOf(const QStringList &paths, const QString &folder, bool withSidecar) const;
    QList<Item> configItems() const;
    bool fits();
    void copyItems(const QList<Item> &items);
    bool throughLink(const QString &source) const;
    Outcome copyFile(const QString &source, const QString &target, qint64 *bytes, QString *why) const;
    bool writeCopy(int in, qint64 size, const QString &target, QString *why) const;
    bool writable();
    bool copyCategory(const std::atomic_bool &cancel, const Progress &progress, const QList<Item> &files);

    Sources _sources;
    QString _destination;
    FreeSpace _freeSpace;
    Result _result;
    qint64 _done = 0;
};
