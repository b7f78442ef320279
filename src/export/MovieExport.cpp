#include "MovieExport.h"

#include "BandPictures.h"
#include "DurableWrite.h"
#include "FileVideo.h"
#include "MovieOverlay.h"
#include "MoviePictures.h"
#include "MovieSubtitles.h"
#include "PictureQueue.h"
#include "IniFile.h"
#include "JpegBand.h"
#include "StillSeries.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QFile>
#include <QFileInfo>

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
    const MovieOverlay &overlay;
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
            // A picture of another size would make players allocate for its header: left out.
            if (MovieWriter::jpegSize(jpeg) != writer.size()) {
                report(i + 1);
                continue;
            }
            if (!writer.addJpeg(jpeg))
                return false;
            report(i + 1);
            if (cancel)
                return false;
        }
        return true;
    }

    // Camera pictures with the captions' band joined under them, picture blocks untouched.
    bool joinBand(QSize picture) const
    {
        BandPictures pictures(options.captions, picture, writer.size().height() - picture.height());
        QByteArray jpeg;
        for (qint64 i = 0; i < frames.size(); ++i) {
            if (!readPicture(reader, frames[i], &jpeg)) {
                result.error = QStringLiteral("frame %1 cannot be read").arg(frames[i]);
                return false;
            }
            // Pictures of another size, or that do not decode, are left out.
            const QByteArray movie = pictures.make(jpeg, reader.header_at(quint64(frames[i])));
            if (!movie.isEmpty() && !writer.addJpeg(movie))
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
        MoviePictures pictures(options.captions, options.flip, writer.size(), writer.pixelFormat(),
                               MovieExport::bandHeight(options, 16));
        QByteArray jpeg;
        for (qint64 seq = first; seq < frames.size(); seq += stride) {
            const qint64 index = frames[seq];
            if (!readPicture(reader, index, &jpeg))
                return queue.finish(QStringLiteral("frame %1 cannot be read").arg(index));
            // A picture that reads but does not decode is left out, as the viewer shows none.
            const _vexa_video_frame_header_t &header = reader.header_at(quint64(index));
            const QImage panel = overlay.isEmpty() ? QImage() : overlay.draw(header, index);
            if (!queue.push(seq, pictures.make(jpeg, header, panel, overlay.origin())))
                break;
        }
        queue.finish();
    }
};

// The size of the first picture whose header can be read and gives a camera's size; a
// header alone never decides how much is allocated.
QSize movieSize(vexa_vdd_file &reader, const QList<qint64> &frames, int *mcuRows)
{
    const QSize largest = MovieExport::largestPicture();
    QByteArray jpeg;
    for (qint64 index : frames) {
        if (!readPicture(reader, index, &jpeg))
            continue;
        const QSize size = MovieWriter::jpegSize(jpeg);
        if (size.isValid() && size.width() <= largest.width() && size.height() <= largest.height()) {
            *mcuRows = JpegBand::mcuHeight(jpeg);
            return size;
        }
    }
    return {};
}
} // namespace

bool MovieExport::copiesPictures(const MovieOptions &o)
{
    const FrameCaptions &c = o.captions;
    return o.codec == MovieWriter::Codec::Jpeg && o.quality == MovieWriter::Quality::High
        && o.flip == 0 && !o.overlay && c.vehicle.isEmpty() && !c.date && !c.speed && !c.latlng && !c.sensor;
}

bool MovieExport::joinsBand(const MovieOptions &o)
{
    const FrameCaptions &c = o.captions;
    return o.band && o.codec == MovieWriter::Codec::Jpeg && o.quality == MovieWriter::Quality::High
        && o.flip == 0 && !o.overlay && (!c.vehicle.isEmpty() || c.date || c.speed || c.latlng || c.sensor);
}

int MovieExport::bandHeight(const MovieOptions &o, int mcuRows)
{
    const FrameCaptions &c = o.captions;
    const bool captions = !c.vehicle.isEmpty() || c.date || c.speed || c.latlng || c.sensor;
    return o.band && captions ? JpegBand::bandHeight(BandPictures::wantedHeight(c), mcuRows) : 0;
}

int MovieExport::framesPerSecond(vexa_vdd_file &reader, qint64 index)
{
    uint8_t comment[VEXA_COMMENT_SIZE];
    if (index < 0 || !reader.get_jpeg_comment(quint64(index), comment))
        return 0;
    return comment_frames_per_second(comment);
}

QList<qint64> MovieExport::pictureFrames(const vexa_vdd_file &reader, int step, qint64 fromMsec,
                                         qint64 untilMsec)
{
    QList<qint64> frames;
    const qint64 count = qint64(reader.frame_count());
    qint64 first = 0;
    while (fromMsec >= 0 && first < count && time_to_msec(reader.header_at(quint64(first)).time) < fromMsec)
        ++first;
    for (qint64 i = first; step > 0 && i < count; i += step) {
        if (untilMsec >= 0 && time_to_msec(reader.header_at(quint64(i)).time) >= untilMsec)
            break;
        frames.append(i);
    }
    return frames;
}

QSize MovieExport::largestPicture()
{
    return {1920, 1080};
}

QString MovieExport::vehicleOf(const QString &root)
{
    const IniFile ini(QFile::encodeName(root + QStringLiteral("/config/set.dat")).toStdString());
    return QString::fromStdString(ini.stringForKey("VEHICLEID")).trimmed();
}

namespace {

// The cues beside the movie, for players that read subtitles from a file of the same name.
void writeSrt(const QString &moviePath, const QList<MovieSubtitles::Cue> &cues, MovieResult &result)
{
    std::string error;
    const QByteArray text = MovieSubtitles::srt(cues);
    if (DurableWrite::writeFile(QFile::encodeName(MovieSubtitles::srtPath(moviePath)).toStdString(),
                                text.toStdString(), &error))
        return;
    result.ok = false;
    result.error = QString::fromLocal8Bit(error);
}

void write(vexa_vdd_file &reader, const QString &outPath, const MovieOptions &options,
           const QList<qint64> &frames, QSize size, int mcuRows, const std::atomic_bool &cancel,
           const MovieExport::Progress &progress, MovieResult &result)
{
    DurableWrite file(QFile::encodeName(outPath).toStdString());
    // Where the movie cannot be written nameless, an earlier export killed half-way left its part.
    file.removeStale();
    if (!file.open()) {
        result.error = QString::fromLocal8Bit(file.errorString());
        return;
    }
    const bool copy = MovieExport::copiesPictures(options);
    const bool join = MovieExport::joinsBand(options);
    // A camera picture's MCU rows are 8 or 16 high; the band is a whole number of them.
    const int band = MovieExport::bandHeight(options, join && mcuRows > 0 ? mcuRows : 16);
    MovieWriter writer;
    const QList<MovieSubtitles::Cue> cues = options.subtitles
        ? MovieSubtitles::cues(reader, frames, options.perSecond, options.captions.format, options.captions.zones)
        : QList<MovieSubtitles::Cue>();
    writer.setSubtitles(cues);
    writer.setMetadata("creation_time", MovieSubtitles::creationTime(reader.header_at(quint64(frames.first())).time));
    if (const QString place = MovieSubtitles::location(reader, frames, options.captions.zones); !place.isEmpty())
        writer.setMetadata("location", place);
    bool ok = writer.open(file, options.codec, options.quality, size + QSize(0, band),
                          options.perSecond, copy || join);
    if (ok) {
        const MovieOverlay overlay =
            options.overlay ? MovieOverlay(reader, size, options.captions.format, options.captions.zones) : MovieOverlay();
        const Job job{reader, writer, options, frames, overlay, cancel, progress, result};
        ok = copy ? job.copy() : join ? job.joinBand(size) : job.encode();
        ok = writer.finish() && ok;
    }
    result.cancelled = cancel;
    result.pictures = writer.pictures();
    if (ok && !result.cancelled && writer.pictures() > 0) {
        // The old movie is replaced in one step, once the new one is on the disk.
        result.ok = file.commit();
        if (!result.ok)
            result.error = QString::fromLocal8Bit(file.errorString());
        else if (options.subtitles)
            writeSrt(outPath, cues, result);
        return;
    }
    file.cancel();
    if (!result.error.isEmpty())
        return;
    if (result.cancelled)
        result.error = QStringLiteral("cancelled");
    else if (!writer.errorString().isEmpty())
        result.error = writer.errorString();
    else
        result.error = QStringLiteral("no picture to write");
}

} // namespace

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
    const QList<qint64> frames = pictureFrames(*reader, step, options.fromMsec, options.untilMsec);
    if (frames.isEmpty()) {
        result.error = QStringLiteral("%1 holds no frame in the chosen time range").arg(vddPath);
        return result;
    }
    int mcuRows = 0;
    const QSize size = movieSize(*reader, frames, &mcuRows);
    if (!size.isValid()) {
        result.error = QStringLiteral("%1 holds no picture of a camera's size (at most %2 x %3)")
                           .arg(vddPath).arg(largestPicture().width()).arg(largestPicture().height());
        return result;
    }
    write(*reader, outPath, options, frames, size, mcuRows, cancel, progress, result);
    return result;
}
