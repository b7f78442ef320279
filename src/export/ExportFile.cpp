#include "ExportFile.h"

#include <cstdarg>
#include <cstdio>

namespace {
// Large writes keep the per-call cost of the file device out of the per-line work.
constexpr qsizetype FlushSize = 256 * 1024;
} // namespace

ExportFile::ExportFile(const QString &path)
    : _file(path)
{
    _buffer.reserve(FlushSize + 4096);
    // The application sets the user's locale, which may write decimal commas.
    _cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    if (_cLocale)
        _previousLocale = uselocale(_cLocale);
}

ExportFile::~ExportFile()
{
    if (!_cLocale)
        return;
    uselocale(_previousLocale);
    freelocale(_cLocale);
}

bool ExportFile::open()
{
    if (_file.open(QIODevice::WriteOnly))
        return true;
    _failed = true;
    _error = _file.errorString();
    return false;
}

void ExportFile::append(const char *text, qsizetype length)
{
    _buffer.append(text, length);
    if (_buffer.size() >= FlushSize)
        flush();
}

void ExportFile::appendf(const char *format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (n < 0)
        return;
    if (size_t(n) < sizeof line) {
        append(line, n);
        return;
    }
    QByteArray longer(n + 1, Qt::Uninitialized);
    va_start(args, format);
    std::vsnprintf(longer.data(), size_t(longer.size()), format, args);
    va_end(args);
    append(longer.constData(), n);
}

void ExportFile::flush()
{
    if (_buffer.isEmpty())
        return;
    if (!_failed && _file.write(_buffer) != _buffer.size()) {
        _failed = true;
        _error = _file.errorString();
    }
    _buffer.resize(0);
}

void ExportFile::cancel()
{
    _buffer.resize(0);
    _file.cancelWriting();
}

bool ExportFile::commit()
{
    flush();
    if (_failed) {
        _file.cancelWriting();
        return false;
    }
    if (!_file.commit()) {
        _failed = true;
        _error = _file.errorString();
        return false;
    }
    return true;
}

QString ExportFile::errorString() const
{
    return _error;
}
