#include "StillsCommand.h"

#include "CliCommands.h"
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
    QStringList plain;
    bool series = false;
    bool length = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(u"--")) {
            plain.append(arg);
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(arg);
        const QString value = args[++i];
        qint64 n = 0;
        if (arg == u"--per-second") {
            if (!readNumber(value, 1, 65535, &n))
                return QStringLiteral("--per-second takes a whole number from 1");
            o.perSecond = int(n);
            series = true;
        } else if (arg == u"--seconds") {
            if (!readNumber(value, 1, INT_MAX, &n))
                return QStringLiteral("--seconds takes a whole number from 1");
            o.seconds = int(n);
            length = true;
        } else if (arg == u"--flip") {
            if (!readNumber(value, 0, 3, &n))
                return QStringLiteral("--flip takes 0 to 3");
            o.flip = int(n);
        } else {
            return QStringLiteral("unknown option \"%1\"").arg(arg);
        }
    }
    if (plain.size() != 3)
        return QStringLiteral("stills takes a .vdd file, a frame index and a folder");
    if (series != length)
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

QString StillsCommand::usageText()
{
    return QStringLiteral(
        "  stills FILE.vdd INDEX OUTDIR [--per-second N --seconds M] [--flip 0-3]\n"
        "                                           JPEG stills of a frame, or a series from it\n");
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

    const StillExport::Result result = StillExport::save(*video, frames, o.folder, o.flip);
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
