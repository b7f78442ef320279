// The file operations of the evidence package: copying a card file while hashing it, reading
// the copy back, and writing the package's own files. Every write is checked and flushed to the
// disk before the file counts as written.
#pragma once

#include "DurableWrite.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class EvidenceFiles {
public:
    // Called after each block read from a card file with the bytes read so far (tests change
    // the file here to see the change caught).
    using ReadHook = std::function<void(const QString &source, qint64 offset)>;
    // Bytes copied so far of the current file.
    using Progress = std::function<void(qint64 bytes)>;

    struct Copy {
        bool ok = false;
        bool missing = false;  // the source does not exist
        QByteArray sha256;     // of the bytes read from the source
        qint64 size = 0;
        QDateTime modified;    // the source's modification time (UTC)
        QString error;         // names the file and the reason
        std::unique_ptr<DurableWrite> file;  // the written copy until settle() puts it in place
    };

    // Copies source to a new file for target (whose folder must exist) with the source's
    // modification time, hashing what is read; the source must not have changed meanwhile.
    static Copy copy(const QString &source, const QString &target, const std::atomic_bool &cancel,
                     const ReadHook &hook = {}, const Progress &progress = {});
    // Flushes the copy, puts it in place and reads it back from the disk; it must hash as the
    // source did. Empty when it does, else the failure. May run beside the next copy.
    static QString settle(Copy &copy, const std::atomic_bool &cancel);
    // The SHA-256 of a file as the disk holds it; empty with error set when it cannot be read.
    static QByteArray readBack(const QString &path, QString *error);

    // Writes data to path through a temporary file beside it, flushed before the rename.
    static bool write(const QString &path, const QByteArray &data, QString *error);
    // Flushes a file (written by another engine) or a folder's entries to the disk.
    static bool sync(const QString &path, QString *error);
};
