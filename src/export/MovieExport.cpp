#include "MovieExport.h"

#include "FileVideo.h"
#include "MoviePictures.h"
#include "PictureQueue.h"
#include "IniFile.h"
#include "StillSeries.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <thread>
#include <vector>

namespace {

// Camera pictures are a few hundred kilobytes; a header claiming more is not read.
constexpr quint32 kMaxPicture = 16 * 1024 * 1024;

bool readPicture(vexa_vdd_file &reader, qint64 index, QByteArray *bytes)
{
    const quint32 length = reader.header_at(quint64(index)).length;
    if (length == 0 || length > kMaxPicture)
        return false;
    bytes->resize(qsizetype(length));
    return reader.get_frame_data(quint64(index), reinterpret_cast<uint8_t *>(bytes->data()), length);
}

struct Job {
    vexa_vdd_file &reader;
    MovieWriter &writer;
    const MovieOptions &options;
    const QList<qint64> &frames;
    const std::atomic_bool &cancel;
    const MovieExport::Progress &progress;
    MovieResult &result;

    void report(qint64 done) const
    {
        if (progress)
            progress(done, frames.size());
    }

    bool copy() const
    {
        QByteArray jpeg;
        for (qint64 i = 0; i < frames.size(); ++i) {
            if (!readPicture(reader, frames[i], &jpeg)) {
                result.error = QStringLiteral("frame %1 cannot be read").arg(frames[i]);
                return false;
            }
            if (!writer.addJpeg(jpeg))
                return false;
            report(i + 1);
            if (cancel)
                return false;
        }
        return true;
    }

    // Reads, decodes, turns and captions on two threads while this one encodes.
    bool encode() const
    {
        constexpr int kDrawers = 2;
        PictureQueue queue(kDrawers);
        std::vector<std::thread> drawers;
        for (int k = 0; k < kDrawers; ++k)
            drawers.emplace_back([&, k] { draw(queue, k, kDrawers); });
        bool ok = true;
        qint64 done = 0;
        while (MovieWriter::Frame frame = queue.pop()) {
            if (!writer.add(std::move(frame))) {
                ok = false;
                break;
            }
            report(++done);
            if (cancel) {
                ok = false;
                break;
            }
        }
        queue.stop();
        for (std::thread &drawer : drawers)
            drawer.join();
        if (ok && !queue.error().isEmpty()) {
            result.error = queue.error();
            ok = false;
        }
        return ok;
    }

    // Pictures first, first + stride ... of the movie.
    void draw(PictureQueue &queue, qint64 first, qint64 stride) const
    {
        MoviePictures pictures(options.captions, options.flip, writer.size(), writer.pixelFormat());
        QByteArray jpeg;
        for (qint64 seq = first; seq < frames.size(); seq += stride) {
            const qint64 index = frames[seq];
            if (!readPicture(reader, index, &jpeg))
                return queue.finish(QStringLiteral("frame %1 cannot be read").arg(index));
            // A picture that reads but does not decode is left out, as the viewer shows none.
            if (!queue.push(seq, pictures.make(jpeg, reader.header_at(quint64(index)))))
                break;
        }
        queue.finish();
    }
};

// The size of the first picture whose header can be read.
QSize movieSize(vexa_vdd_file &reader, const QList<qint64> &frames)
{
    QByteArray jpeg;
    for (qint64 index : frames) {
        if (!readPicture(reader, index, &jpeg))
            continue;
        const QSize size = MovieWriter::jpegSize(jpeg);
        if (size.isValid())
            return size;
    }
    return {};
}
} // namespace

bool MovieExport::copiesPictures(const MovieOptions &o)
{
    const FrameCaptions &c = o.captions;
    return o.codec == MovieWriter::Codec::Jpeg && o.quality == MovieWriter::Quality::High
        && o.flip == 0 && c.vehicle.isEmpty() && !c.date && !c.speed && !c.latlng && !c.sensor;
}

int MovieExport::framesPerSecond(vexa_vdd_file &reader, qint64 index)
{
    uint8_t comment[VEXA_COMMENT_SIZE];
    if (index < 0 || !reader.get_jpeg_comment(quint64(index), comment))
        return 0;
    return comment_frames_per_second(comment);
}

qint64 MovieExport::defaultEnd(const vexa_vdd_file &reader)
{
    if (reader.frame_count() == 0)
        return 0;
    return time_to_seconds(reader.header_at(reader.frame_count() - 1).time) * 1000;
}

QList<qint64> MovieExport::pictureFrames(const vexa_vdd_file &reader, int step, qint64 endMsec)
{
    QList<qint64> frames;
    const qint64 count = qint64(reader.frame_count());
    for (qint64 i = 0; step > 0 && i < count; i += step) {
        if (time_to_msec(reader.header_at(quint64(i)).time) >= endMsec)
            break;
        frames.append(i);
    }
    return frames;
}

QString MovieExport::vehicleOf(const QString &root)
{
    const IniFile ini(QFile::encodeName(root + QStringLiteral("/config/set.dat")).toStdString());
    return QString::fromStdString(ini.stringForKey("VEHICLEID")).trimmed();
}

MovieResult MovieExport::run(const QString &vddPath, const QString &outPath, MovieOptions options,
                             const std::atomic_bool &cancel, const Progress &progress)
{
    MovieResult result;
    const QFileInfo info(vddPath);
    const std::unique_ptr<vexa_vdd_file> reader = FileVideo::openReader(info.path(), info.fileName());
    if (!reader || reader->frame_count() == 0) {
        result.error = QStringLiteral("%1 cannot be read").arg(vddPath);
        return result;
    }
    const int fps = options.frameRate > 0 ? options.frameRate : framesPerSecond(*reader, 0);
    if (options.perSecond == 0)
        options.perSecond = fps;
    result.perSecond = options.perSecond;
    const int step = StillSeries::step(fps, options.perSecond);
    if (step == 0 || options.perSecond > fps) {
        result.error = QStringLiteral("pictures a second must be 1 to the recording's %1").arg(fps);
        return result;
    }
    if (options.untilMsec < 0)
        options.untilMsec = defaultEnd(*reader);
    // The end must lie after the start second, as the range pickers show it.
    if (options.untilMsec / 1000 <= time_to_seconds(reader->header_at(0).time)) {
        result.error = QStringLiteral("the end is not after the start");
        return result;
    }
    const QList<qint64> frames = pictureFrames(*reader, step, options.untilMsec);
    const bool copy = copiesPictures(options);
    const QSize size = movieSize(*reader, frames);

    QTemporaryFile temp(outPath + QStringLiteral(".XXXXXX.tmp"));
    if (!temp.open()) {
        result.error = QStringLiteral("cannot create %1: %2").arg(temp.fileTemplate(), temp.errorString());
        return result;
    }
    temp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    MovieWriter writer;
    bool ok = writer.open(temp.fileName(), options.codec, options.quality, size, options.perSecond, copy);
    if (ok) {
        const Job job{*reader, writer, options, frames, cancel, progress, result};
        ok = copy ? job.copy() : job.encode();
        ok = writer.finish() && ok;
    }
    result.cancelled = cancel;
    result.pictures = writer.pictures();
    if (ok && !result.cancelled && writer.pictures() > 0) {
        const QByteArray from = QFile::encodeName(temp.fileName());
        const QByteArray to = QFile::encodeName(outPath);
        // rename() replaces an existing movie in one step, so it is never lost half-way.
        ok = std::rename(from.constData(), to.constData()) == 0;
        if (ok)
            temp.setAutoRemove(false);
        else
            result.error = QStringLiteral("cannot replace %1").arg(outPath);
        result.ok = ok;
    } else if (result.error.isEmpty()) {
        if (result.cancelled)
            result.error = QStringLiteral("cancelled");
        else if (!writer.errorString().isEmpty())
            result.error = writer.errorString();
        else
            result.error = QStringLiteral("no picture to write");
    }
    return result;
}
