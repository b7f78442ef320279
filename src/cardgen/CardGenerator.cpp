#include "CardGenerator.h"

#include "CardPlan.h"
#include "CameraSettings.h"
#include "FramePayload.h"
#include "NmeaLog.h"
#include "RoadScene.h"
#include "vexa_time.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

using Awkward = CardGenerator::Awkward;

struct AwkwardEntry {
    Awkward value;
    const char *name;
};
constexpr AwkwardEntry kAwkward[] = {
    {Awkward::PaddingBetweenPictures, "padding"}, {Awkward::PictureWithoutComment, "no-comment"},
    {Awkward::ZeroYearInSidecar, "zero-year"},    {Awkward::OldFormSidecar, "old-sidecar"},
    {Awkward::MissingSidecar, "no-sidecar"},      {Awkward::OneFrameRecording, "one-frame"},
    {Awkward::EventSubFolder, "sub-folder"},      {Awkward::LfLineEnds, "lf-log"},
    {Awkward::FullLog, "full-log"},               {Awkward::LogTimeGap, "gap-log"},
};

struct BuiltRecording {
    QByteArray vdd;
    QByteArray vdx;
    int frames = 0;
    int pictures = 0;
    int eventType = 0;
};

QString fileName(int64_t sequence, int64_t utcSeconds, const char *extension)
{
    const _vexa_time_t t = seconds_to_time(utcSeconds);
    return QString::asprintf("%010lld_%04d%02d%02d_%02d%02d%02d.%s", static_cast<long long>(sequence), t.year,
                             t.month, t.day, t.hour, t.minute, t.second, extension);
}

QString timeText(const FrameStamp &stamp)
{
    const _vexa_time_t t = seconds_to_time(stamp.utcSeconds);
    const int tenth = stamp.frameInSecond * 10 / stamp.framesPerSecond;
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d.%d", t.year, t.month, t.day, t.hour, t.minute,
                             t.second, tenth % 10);
}

// Filler between pictures; never 0xFF, so it cannot look like a marker.
QByteArray padding(int n)
{
    QByteArray bytes(1 + n * 7 % 40, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((n * 31 + i * 13) % 0xFF);
    return bytes;
}

FrameStamp stampOf(const RecordingPlan &r, int index, const CardPlan &plan, const CardGenerator::Options &o)
{
    const int64_t frame = r.startFrame + index;
    FrameStamp stamp;
    stamp.utcSeconds = o.startUtc + plan.frameSecond(frame);
    stamp.frameInSecond = plan.frameInSecond(frame);
    stamp.framesPerSecond = o.framesPerSecond;
    if (r.list == u"event") {
        stamp.recordPhase = index < r.preFrames ? 2 : 3;
        stamp.eventType = r.eventCode;
    } else {
        stamp.recordPhase = 1;
        stamp.eventType = plan.triggerAt(frame);
    }
    return stamp;
}

BuiltRecording buildRecording(const RecordingPlan &r, const CardPlan &plan, const DriveModel &drive,
                              RoadScene &scene, const CardGenerator::Options &o)
{
    const bool padded = r.awkward == unsigned(Awkward::PaddingBetweenPictures);
    const int bare = r.awkward == unsigned(Awkward::PictureWithoutComment) ? r.frames / 2 : -1;
    RecordingWriter writer;
    for (int i = 0; i < r.frames; ++i) {
        const DriveSample sample = drive.sample(plan.frameMsec(r.startFrame + i));
        const FrameStamp stamp = stampOf(r, i, plan, o);
        const QByteArray jpeg = scene.picture(RoadScene::phaseOf(sample.distanceM),
                                              o.reusePictures ? QString() : timeText(stamp));
        if (jpeg.isEmpty())
            return {};
        if (padded && i > 0)
            writer.addPadding(padding(i));
        if (i == bare)
            writer.addBareFrame(jpeg);
        else
            writer.addFrame(jpeg, FramePayload::build(stamp, sample));
    }
    if (padded)
        writer.addPadding(padding(r.frames));

    std::vector<_vexa_video_frame_header_t> headers = writer.headers();
    BuiltRecording built;
    built.frames = int(headers.size());
    built.pictures = r.frames;
    built.eventType = headers.empty() ? 0 : headers.front().event_type & 0xFF;
    if (r.awkward == unsigned(Awkward::ZeroYearInSidecar) && !headers.empty())
        headers[headers.size() / 2] = _vexa_video_frame_header_t{};
    built.vdd = writer.data();
    built.vdx = RecordingWriter::sidecar(headers, r.sidecar);
    return built;
}

QByteArray buildLog(const LogPlan &l, const CardPlan &plan, const DriveModel &drive,
                    const CardGenerator::Options &o)
{
    NmeaLog log(drive, o.startUtc, l.millisecond, l.crlf);
    for (int64_t second : l.seconds)
        log.addSecond(second, plan.triggerAt(second * o.framesPerSecond));
    return log.text();
}

QString saveFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

// Builds and writes one recording; an error text when that fails.
QString writeRecording(const QString &folder, const RecordingPlan &r, const CardPlan &plan, const DriveModel &drive,
                       RoadScene &scene, const CardGenerator::Options &o, CardGenerator::GeneratedFile &made)
{
    const BuiltRecording built = buildRecording(r, plan, drive, scene, o);
    if (built.vdd.isEmpty())
        return QStringLiteral("cannot encode JPEG pictures (is Qt's JPEG image plugin installed?)");
    if (built.vdd.size() > qsizetype(UINT32_MAX))
        return QStringLiteral("a recording would pass 4 GiB, which frame offsets cannot address");
    const int64_t start = o.startUtc + plan.frameSecond(r.startFrame);
    QString relative = QStringLiteral("CH1/") + r.list + u'/';
    if (!r.subFolder.isEmpty())
        relative += r.subFolder + u'/';
    relative += fileName(r.sequence, start, "vdd");
    if (const QString error = saveFile(folder + u'/' + relative, built.vdd); !error.isEmpty())
        return error;
    if (r.sidecar != SidecarForm::None) {
        if (const QString error = saveFile(folder + u'/' + relative.chopped(3) + QStringLiteral("vdx"), built.vdx);
            !error.isEmpty())
            return error;
    }
    made = {relative, r.list, r.sequence, start, built.frames, built.pictures, built.eventType,
            CardGenerator::sidecarName(r.sidecar), CardGenerator::awkwardName(Awkward(r.awkward))};
    return {};
}

} // namespace

CardGenerator::CardGenerator(const Options &options) : options_(options) {}

CardGenerator::AwkwardCases CardGenerator::allAwkward()
{
    AwkwardCases all;
    for (const AwkwardEntry &e : kAwkward)
        all |= e.value;
    return all;
}

QList<CardGenerator::Awkward> CardGenerator::awkwardList()
{
    QList<Awkward> list;
    for (const AwkwardEntry &e : kAwkward)
        list << e.value;
    return list;
}

QString CardGenerator::awkwardName(Awkward a)
{
    for (const AwkwardEntry &e : kAwkward) {
        if (e.value == a)
            return QString::fromLatin1(e.name);
    }
    return {};
}

CardGenerator::AwkwardCases CardGenerator::awkwardFromNames(const QStringList &names, bool *ok)
{
    AwkwardCases cases;
    bool known = true;
    for (const QString &name : names) {
        const auto it = std::find_if(std::begin(kAwkward), std::end(kAwkward),
                                     [&](const AwkwardEntry &e) { return name == QLatin1String(e.name); });
        if (it == std::end(kAwkward))
            known = false;
        else
            cases |= it->value;
    }
    if (ok)
        *ok = known;
    return cases;
}

QString CardGenerator::sidecarName(SidecarForm form)
{
    switch (form) {
    case SidecarForm::New:
        return QStringLiteral("new");
    case SidecarForm::Old:
        return QStringLiteral("old");
    case SidecarForm::None:
        break;
    }
    return QStringLiteral("none");
}

QString CardGenerator::validate(const Options &o)
{
    if (o.eventCount < 0 || o.normalCount < 0 || o.logCount < 0)
        return QStringLiteral("counts must not be negative");
    if (o.recordingSeconds < 1 || o.recordingSeconds > 600)
        return QStringLiteral("recording length must be 1 to 600 seconds");
    if (o.framesPerSecond < 1 || o.framesPerSecond > 30)
        return QStringLiteral("frame rate must be 1 to 30");
    if (o.resolution.width() < 16 || o.resolution.height() < 16 || o.resolution.width() > 4096 ||
        o.resolution.height() > 4096)
        return QStringLiteral("resolution must be 16x16 to 4096x4096");
    if (o.jpegQuality < 1 || o.jpegQuality > 100)
        return QStringLiteral("quality must be 1 to 100");
    if (o.withoutSidecarCount < 0 || o.withoutSidecarCount > o.eventCount + o.normalCount)
        return QStringLiteral("recordings without sidecar must be 0 to the number of recordings");
    if (o.logSeconds < 0 || o.logSeconds > 100000)
        return QStringLiteral("log length must be 0 to 100000 seconds");
    if (o.threads < 0 || o.threads > 64)
        return QStringLiteral("threads must be 0 (automatic) to 64");
    if (o.startUtc < 946684800 || o.startUtc > 4102444800 - 400000)
        return QStringLiteral("start must lie between 2000 and 2099");
    return {};
}

bool CardGenerator::prepareFolder(const QString &folder)
{
    const QDir dir(folder);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        error_ = QStringLiteral("%1 is not empty").arg(folder);
        return false;
    }
    for (const char *sub : {"CH1/event", "CH1/normal", "log", "config"}) {
        if (!QDir().mkpath(folder + u'/' + QLatin1String(sub))) {
            error_ = QStringLiteral("cannot create %1/%2").arg(folder, QLatin1String(sub));
            return false;
        }
    }
    return true;
}

bool CardGenerator::writeFile(const QString &path, const QByteArray &bytes)
{
    error_ = saveFile(path, bytes);
    return error_.isEmpty();
}

bool CardGenerator::writeRecordings(const QString &folder, const CardPlan &plan, const DriveModel &drive)
{
    for (const RecordingPlan &r : plan.recordings) {
        if (!r.subFolder.isEmpty() && !QDir().mkpath(folder + QStringLiteral("/CH1/") + r.list + u'/' + r.subFolder)) {
            error_ = QStringLiteral("cannot create a folder in %1").arg(folder);
            return false;
        }
    }
    // Recordings do not depend on each other, so workers take them in turn; each has its own
    // scene and encoder, and a recording's bytes are the same whichever worker made it.
    const size_t count = plan.recordings.size();
    std::vector<GeneratedFile> made(count);
    std::vector<QString> errors(count);
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    const auto work = [&] {
        RoadScene scene(options_.resolution, options_.jpegQuality);
        for (size_t i = next++; i < count && !failed; i = next++) {
            errors[i] = writeRecording(folder, plan.recordings[i], plan, drive, scene, options_, made[i]);
            if (!errors[i].isEmpty())
                failed = true;
        }
    };
    const unsigned machine = std::max(1u, std::thread::hardware_concurrency());
    const size_t workers = std::min<size_t>(count, options_.threads > 0 ? size_t(options_.threads) : std::min(machine, 8u));
    std::vector<std::thread> threads;
    for (size_t t = 1; t < workers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    for (size_t i = 0; i < count; ++i) {
        if (!errors[i].isEmpty()) {
            error_ = errors[i];
            return false;
        }
        files_.append(made[i]);
    }
    return true;
}

bool CardGenerator::writeConfig(const QString &folder)
{
    if (!writeFile(folder + QStringLiteral("/config/set.dat"), QByteArray(CameraSettings::defaultConfigText())) ||
        !writeFile(folder + QStringLiteral("/config/version.ini"),
                   QByteArrayLiteral("[SET]\r\nVERSION=TB-1000_1.0.4_20261015\r\n")))
        return false;
    if (options_.writeClock && !CameraSettings::writeClock(folder.toStdString(), options_.startUtc)) {
        error_ = QStringLiteral("cannot write %1/config/time.ini").arg(folder);
        return false;
    }
    return true;
}

bool CardGenerator::generate(const QString &folder)
{
    files_.clear();
    error_ = validate(options_);
    if (!error_.isEmpty() || !prepareFolder(folder))
        return false;

    DriveModel drive(options_.seed);
    const CardPlan plan(options_, drive);
    drive.extend(plan.lastSecond);

    if (!writeRecordings(folder, plan, drive))
        return false;

    for (const LogPlan &l : plan.logs) {
        const int64_t start = options_.startUtc + l.seconds.front();
        const QString relative = QStringLiteral("log/") + fileName(l.sequence, start, "log");
        if (!writeFile(folder + u'/' + relative, buildLog(l, plan, drive, options_)))
            return false;
        files_.append({relative, QStringLiteral("log"), l.sequence, start, l.expected, 0, 0, QString(),
                       awkwardName(Awkward(l.awkward))});
    }
    return writeConfig(folder);
}
