// A file an export writes: the text goes to a temporary file beside the target, which takes
// the target's place only on commit(), so a failed export leaves any old file as it was.
#pragma once

#include <QByteArray>
#include <QSaveFile>
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
    QString errorString() const;

private:
    void flush();

    QSaveFile _file;
    QByteArray _buffer;
    bool _failed = false;
    QString _error;
    locale_t _cLocale = nullptr;
    locale_t _previousLocale = nullptr;
};
