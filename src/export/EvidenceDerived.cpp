#include "EvidenceDerived.h"

#include "ClockOffset.h"
#include "EvidenceCertificate.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "GpxExport.h"
#include "KmlExport.h"
#include "MovieExport.h"
#include "ReportPainter.h"
#include "ReportPictures.h"
#include "Sha256.h"
#include "StillExport.h"
#include "vexa_time.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString kDerived = QStringLiteral("derived");
// The map's size in the viewer, so the report places a picture of the same shape.

} // namespace

EvidenceDerived::EvidenceDerived(const EvidencePackage::Options &options, QString root)
    : _options(options), _root(std::move(root))
{
}

void EvidenceDerived::addChosen(const QString &copyPath, qint64 frame, const QImage &graph)
{
    _recordings.append({copyPath, frame, graph});
}

void EvidenceDerived::addLog(const QString &copyPath)
{
    _logs.append(copyPath);
}

bool EvidenceDerived::adopt(const QString &relative, QList<EvidencePackage::Entry> &list, QString *error)
{
    const QString path = _root + u'/' + relative;
    if (!EvidenceFiles::sync(path, error))
        return false;
    const QByteArray hash = Sha256::hexOfFile(path, error);
    if (hash.isEmpty())
        return false;
    list.append({relative, QFileInfo(path).size(), hash, {}});
    return true;
}

// The chosen frame (the first trigger frame or 0 when not given) and the clock offset.
bool EvidenceDerived::describe(Recording &recording, QString *error)
{
    const std::unique_ptr<FileVideo> video = StillExport::open(recording.path);
    if (!video || video->frameCount() == 0) {
        *error = QStringLiteral("%1: cannot be read").arg(recording.path);
        return false;
    }
    if (recording.frame < 0)
        recording.frame = video->triggerList().value(0, 0);
    if (recording.frame >= video->frameCount()) {
        *error = QStringLiteral("%1 has no frame %2").arg(recording.path).arg(recording.frame);
        return false;
    }
    _chosen.append({QDir(_root).relativeFilePath(recording.path), recording.frame,
                    time_to_msec(video->headerAtIndex(recording.frame).time), ClockOffset::ofVideo(*video)});
    return true;
}

bool EvidenceDerived::movie(const Recording &recording, const std::atomic_bool &cancel,
                            const std::function<void(qint64, qint64)> &progress, QString *error)
{
    MovieOptions options;
    options.captions.vehicle = MovieExport::vehicleOf(_options.cardRoot);
    options.captions.date = options.captions.speed = options.captions.latlng = options.captions.sensor = true;
    options.captions.format = _options.format;
    const QString relative = kDerived + u'/' + QFileInfo(recording.path).completeBaseName() + QStringLiteral(".mp4");
    const MovieResult result = MovieExport::run(recording.path, _root + u'/' + relative, options, cancel, progress);
    if (!result.ok) {
        *error = QStringLiteral("%1: %2").arg(relative, result.error.isEmpty() ? QStringLiteral("not written") : result.error);
        return false;
    }
    return adopt(relative, _entries, error);
}

bool EvidenceDerived::still(const Recording &recording, QString *error)
{
    const std::unique_ptr<FileVideo> video = StillExport::open(recording.path);
    const StillExport::Result result =
        video ? StillExport::save(*video, {recording.frame}, _root + u'/' + kDerived, 0, _options.format) : StillExport::Result{};
    if (!video || result.status != StillExport::Status::Saved || result.files.isEmpty()) {
        *error = QStringLiteral("%1: still of frame %2 not written: %3")
                     .arg(recording.path).arg(recording.frame).arg(result.error);
        return false;
    }
    return adopt(kDerived + u'/' + result.files.first(), _entries, error);
}

bool EvidenceDerived::tracks(const std::atomic_bool &cancel, QString *error)
{
    std::vector<std::unique_ptr<vexa_log_file>> readers;
    TrackExport::Logs logs;
    for (const QString &path : _logs) {
        const QFileInfo info(path);
        if (auto reader = FileLog::openReader(info.path(), info.fileName())) {
            logs.push_back(reader.get());
            readers.push_back(std::move(reader));
        }
    }
    if (logs.empty())
        return true;
    const QString gpx = kDerived + QStringLiteral("/track.gpx");
    const QString kml = kDerived + QStringLiteral("/track.kml");
    const QString creator = _options.toolName + u' ' + _options.toolVersion;
    KmlExport::Options kmlOptions;
    kmlOptions.format = _options.format;
    for (const auto &[relative, result] :
         {std::pair{gpx, GpxExport::write(_root + u'/' + gpx, logs, creator, cancel)},
          std::pair{kml, KmlExport::write(_root + u'/' + kml, logs, kmlOptions, cancel)}}) {
        if (!result.written || result.cancelled) {
            *error = QStringLiteral("%1: %2").arg(relative, result.error.isEmpty() ? QStringLiteral("not written") : result.error);
            return false;
        }
        if (!adopt(relative, _entries, error))
            return false;
    }
    return true;
}

bool EvidenceDerived::write(const std::atomic_bool &cancel, const EvidencePackage::Progress &progress, QString *error)
{
    if (!QDir().mkpath(_root + u'/' + kDerived)) {
        *error = QStringLiteral("%1: cannot create the folder").arg(_root + u'/' + kDerived);
        return false;
    }
    const qint64 steps = _recordings.size() + 1;
    for (qsizetype i = 0; i < _recordings.size(); ++i) {
        Recording &recording = _recordings[i];
        const QString name = QFileInfo(recording.path).fileName();
        const auto movieProgress = [&](qint64 done, qint64 total) {
            progress(i * 100 + done * 90 / std::max<qint64>(1, total), steps * 100, name);
        };
        if (!describe(recording, error) || !movie(recording, cancel, movieProgress, error) || cancel.load()
            || !still(recording, error))
            return false;
    }
    progress(steps * 100 - 50, steps * 100, QStringLiteral("track.gpx"));
    return tracks(cancel, error) && !cancel.load();
}

void EvidenceDerived::setSpan(qint64 fromMsec, qint64 toMsec)
{
    _spanFrom = fromMsec;
    _spanTo = toMsec;
}

QList<EvidenceCertificate::SpanEvent> EvidenceDerived::spanEvents(const DrivingEvents::Thresholds &thresholds) const
{
    QList<EvidenceCertificate::SpanEvent> events;
    const auto add = [&](const DrivingEvents::Events &found, const QString &copyPath) {
        const QString file = QDir(_root).relativeFilePath(copyPath);
        for (const DrivingEvents::Event &e : found)
            if (e.endMsec >= _spanFrom && e.startMsec <= _spanTo)
                events.append({e, file});
    };
    for (const Recording &recording : _recordings) {
        const QFileInfo info(recording.path);
        if (const auto reader = FileVideo::openReader(info.path(), info.fileName()))
            add(DrivingEvents::ofRecording(reader->headers(), thresholds), recording.path);
    }
    for (const QString &path : _logs) {
        const QFileInfo info(path);
        if (const auto reader = FileLog::openReader(info.path(), info.fileName()))
            add(DrivingEvents::ofLog(reader->records(), thresholds), path);
    }
    std::stable_sort(events.begin(), events.end(), [](const auto &a, const auto &b) {
        return a.event.startMsec < b.event.startMsec;
    });
    return events;
}

bool EvidenceDerived::writeReports(const EvidenceManifest &manifest, QString *error)
{
    const DrivingEvents::Thresholds thresholds = DrivingEvents::storedThresholds(_options.format);
    const auto certificate = EvidenceCertificate::pages(manifest, spanEvents(thresholds), thresholds.units);
    for (const Recording &recording : _recordings) {
        const std::unique_ptr<FileVideo> video = StillExport::open(recording.path);
        if (!video) {
            *error = QStringLiteral("%1: cannot be read").arg(recording.path);
            return false;
        }
        video->gotoFrame(recording.frame);
        ReportPainter::Content content;
        content.format = _options.format;
        content.video = video.get();
        content.indices = {recording.frame};
        content.currentFrame = recording.frame;
        content.title = EvidenceCertificate::reportTitle();
        content.comment = _options.note;
        ReportPictures::addVideo(content, *video, recording.frame);
        content.extraPages = certificate;
        const QString relative = QStringLiteral("report_%1.pdf").arg(QFileInfo(recording.path).completeBaseName());
        QString why;
        if (!ReportPainter(content).writePdf(_root + u'/' + relative, {}, &why)) {
            *error = QStringLiteral("%1: %2").arg(relative, why);
            return false;
        }
        if (!adopt(relative, _reports, error))
            return false;
    }
    return true;
}
