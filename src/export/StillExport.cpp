#include "StillExport.h"

#include "DurableFile.h"
#include "FileVideo.h"
#include "StillExif.h"
#include "vexa_time.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QFileInfo>

QString StillExport::fileName(const _vexa_time_t &utc, qint64 index, const DisplayFormat &format)
{
    const _vexa_time_t t = format.toLocal(utc);
    return QString::asprintf("%04d%02d%02d_%02d%02d%02d_%03lld.jpg", t.year, t.month, t.day, t.hour,
                             t.minute, t.second, static_cast<long long>(index));
}

std::unique_ptr<FileVideo> StillExport::open(const QString &path)
{
    const QFileInfo info(path);
    return std::unique_ptr<FileVideo>(FileVideo::create(info.path(), info.fileName(), FileVideo::Event));
}

QByteArray StillExport::stillBytes(FileVideo &video, qint64 index, int flip, const DisplayZone &zone, QString &error)
{
    const QByteArray exif = StillExif::segment(video.headerAtIndex(index), zone);
    QByteArray jpeg;
    if (flip == 0) {
        // The camera's own picture, untouched: no second compression, and it can be compared
        // with the recording byte for byte.
        jpeg = video.dataAtIndex(index);
    } else {
        const QImage image = video.imageAtIndex(index);
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(100);
        if (image.isNull() || !writer.write(FileVideo::flipped(image, flip)))
            jpeg.clear();
    }
    const QByteArray still = StillExif::inserted(jpeg, exif);
    if (still.isEmpty())
        error = QStringLiteral("cannot read frame %1").arg(index);
    return still;
}

StillExport::Result StillExport::save(FileVideo &video, const QList<qint64> &frames, const QString &folder,
                                      int flip, const DisplayFormat &format, const std::atomic_bool *cancel,
                                      const Progress &progress)
{
    Result result;
    const qint64 total = frames.size();
    for (qint64 done = 0; done < total; ++done) {
        if (cancel && cancel->load()) {
            result.status = Status::Cancelled;
            return result;
        }
        const qint64 index = frames[done];
        const QString name = fileName(video.headerAtIndex(index).time, index, format);
        if (progress)
            progress(done, total, name);
        QString why;
        const QByteArray still = stillBytes(video, index, flip, format.zone(), why);
        if (still.isEmpty() || !write(QDir(folder).filePath(name), still, why)) {
            result.status = Status::Failed;
            result.error = why;
            return result;
        }
        result.files.append(name);
    }
    if (progress)
        progress(total, total, QString());
    return result;
}

bool StillExport::write(const QString &path, const QByteArray &bytes, QString &error)
{
    DurableFile out(path);
    if (!out.open() || out.write(bytes) != bytes.size()) {
        error = out.reason();
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        error = out.reason();
        return false;
    }
    return true;
}
