#include "DurableFile.h"

#include <QFile>

DurableFile::DurableFile(const QString &path)
    : _path(path), _file(QFile::encodeName(path).toStdString())
{
}

DurableFile::~DurableFile()
{
    if (isOpen())
        QIODevice::close();
}

bool DurableFile::open(OpenMode mode)
{
    if ((mode & ReadOnly) || !(mode & WriteOnly)) {
        setErrorString(QStringLiteral("cannot open %1 for reading").arg(_path));
        return false;
    }
    if (!_file.open()) {
        setErrorString(reason());
        return false;
    }
    // Unbuffered: each write reaches the file, so its result is the file's.
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 DurableFile::readData(char *, qint64)
{
    return -1;
}

qint64 DurableFile::writeData(const char *data, qint64 size)
{
    if (!_file.write(data, size_t(size))) {
        setErrorString(reason());
        return -1;
    }
    return size;
}

bool DurableFile::commit()
{
    if (isOpen())
        QIODevice::close();
    const bool ok = _file.commit();
    if (!ok)
        setErrorString(reason());
    return ok;
}

void DurableFile::cancelWriting()
{
    if (isOpen())
        QIODevice::close();
    _file.cancel();
}

QString DurableFile::reason() const
{
    return QString::fromLocal8Bit(_file.errorString());
}
