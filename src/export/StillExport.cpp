#include "StillExport.h"

#include "FileVideo.h"
#include "vexa_time.h"

#include <QDir>
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
        const QImage image = video.imageAtIndex(index);
        if (image.isNull()) {
            result.status = Status::Failed;
            result.error = QStringLiteral("cannot read frame %1").arg(index);
            return result;
        }
        const QString path = QDir(folder).filePath(name);
        QString why;
        if (!FileVideo::writeImageAs(FileVideo::flipped(image, flip), path, "jpeg", &why)) {
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
