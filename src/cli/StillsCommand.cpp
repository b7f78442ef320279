#include "StillsCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "FileVideo.h"
#include "JsonWriter.h"
#include "StillExport.h"
#include "StillSeries.h"

#include <QFileInfo>

namespace {

struct StillsOptions {
    QString recording;
    qint64 index = 0;
    QString folder;
    int perSecond = 0;  // 0: the frame alone
    int seconds = 0;
    int flip = 0;
};

bool readNumber(const QString &text, qint64 low, qint64 high, qint64 *out)
{
    bool ok = false;
    *out = text.toLongLong(&ok);
    return ok && *out >= low && *out <= high;
}

QString parse(const QStringList &args, StillsOptions &o)
{
    CommandLine line(StillsCommand::command());
    if (!line.parse(args) || !line.number("per-second", 1, 65535, o.perSecond)
        || !line.number("seconds", 1, INT_MAX, o.seconds) || !line.number("flip", 0, 3, o.flip))
        return line.problem();
    const QStringList plain = line.positional();
    if (plain.size() != 3)
        return QStringLiteral("stills takes a .vdd file, a frame index and a folder");
    if (line.isSet("per-second") != line.isSet("seconds"))
        return QStringLiteral("--per-second and --seconds go together");
    o.recording = plain[0];
    if (!readNumber(plain[1], 0, LLONG_MAX, &o.index))
        return QStringLiteral("the frame index is a whole number from 0, got \"%1\"").arg(plain[1]);
    o.folder = plain[2];
    return {};
}

// The frames to save, or an error text.
QString chooseFrames(FileVideo &video, const StillsOptions &o, QList<qint64> *frames)
{
    if (o.index >= video.frameCount())
        return QStringLiteral("frame %1 is beyond the last frame (%2)").arg(o.index).arg(video.frameCount() - 1);
    if (o.perSecond == 0) {
        *frames = {o.index};
        return {};
    }
    const int fps = StillSeries::framesPerSecond(video, o.index);
    if (fps <= 0)
        return QStringLiteral("frame %1 does not tell the frame rate").arg(o.index);
    if (o.perSecond > fps)
        return QStringLiteral("the recording has %1 frames per second; --per-second takes 1 to %1").arg(fps);
    *frames = StillSeries::indices(video, o.index, StillSeries::step(fps, o.perSecond), o.seconds);
    return {};
}

} // namespace

const CliCommand &StillsCommand::command()
{
    static const CliCommand declaration{
        "stills", "FILE.vdd INDEX OUTDIR", "JPEG stills of a frame, or a series from it",
        {QCommandLineOption(QStringLiteral("per-second"), QStringLiteral("a series: N stills a second (with --seconds)"), QStringLiteral("N")), QCommandLineOption(QStringLiteral("seconds"), QStringLiteral("a series: M seconds long (with --per-second)"), QStringLiteral("M")), CliOptions::flip()},
        {}, {}, &StillsCommand::run};
    return declaration;
}

int StillsCommand::run(const QStringList &args)
{
    StillsOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!QFileInfo(o.folder).isDir())
        return CliCommands::fail(QStringLiteral("%1 is not a folder").arg(o.folder));
    const std::unique_ptr<FileVideo> video = StillExport::open(o.recording);
    if (!video)
        return CliCommands::fail(QStringLiteral("cannot open %1").arg(o.recording));
    QList<qint64> frames;
    if (const QString problem = chooseFrames(*video, o, &frames); !problem.isEmpty())
        return CliCommands::fail(problem);

    const StillExport::Result result = StillExport::save(*video, frames, o.folder, o.flip, DisplayFormat());
    if (result.status != StillExport::Status::Saved)
        return CliCommands::fail(QStringLiteral("%1 (%2 stills written before it)")
                                     .arg(result.error).arg(result.files.size()));
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("files"));
    json.beginArray();
    for (const QString &name : result.files)
        json.value(name);
    json.endArray();
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
