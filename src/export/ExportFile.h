// A file an export writes: the text goes to a file beside the target, which takes the
// target's place only on commit() once all of it is on the disk, so a failed export leaves
// any old file as it was.
#pragma once

#include "DurableFile.h"

#include <QByteArray>
#include <QString>

#include <locale.h>

class ExportFile {
public:
    // Numbers are formatted in the C locale on this thread while the object lives; create and
    // use it on one thread.
    explicit ExportFile(const QString &path);
    ~ExportFile();
    ExportFile(const ExportFile &) = delete;
    ExportFile &operator=(const ExportFile &) = delete;

    bool open();
    void append(const QByteArray &text) { append(text.constData(), text.size()); }
    void append(const char *text, qsizetype length);
    void append(const char *text) { append(text, qsizetype(qstrlen(text))); }
    // printf-style formatting straight into the buffer.
    void appendf(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(2, 3);
    void append(const QString &text) { append(text.toUtf8()); }

    // Writes what is buffered and puts the file in place; false when anything failed.
    bool commit();
    // Drops what was written; any old file stays.
    void cancel();
    // The file and the system's reason: "cannot write /x/track.kml: No space left on device".
    QString errorString() const;

private:
    void flush();

    DurableFile _file;
    QByteArray _buffer;
    bool _failed = false;
    QString _error;
    locale_t _cLocale = nullptr;
    locale_t _previousLocale = nullptr;
};
