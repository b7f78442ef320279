#include "GenerateCardCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "JsonWriter.h"
#include "RecordJson.h"
#include "vexa_time.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

bool toInt(const QString &text, int &out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (ok)
        out = v;
    return ok;
}

} // namespace

const CliCommand &GenerateCardCommand::command()
{
    auto valued = [](const char *name, const char *value, const char *text) {
        return QCommandLineOption(QLatin1String(name), QLatin1String(text), QLatin1String(value));
    };
    auto flag = [](const char *name, const char *text) {
        return QCommandLineOption(QLatin1String(name), QLatin1String(text));
    };
    static const CliCommand declaration{
        "generate-card", "OUT_FOLDER [options]",
        "writes a synthetic card into a missing or empty folder",
        {valued("seed", "N", "random seed [1]; the same seed writes the same card"),
         valued("events", "N", "event recordings [3]"),
         valued("normals", "N", "normal recordings [9]"),
         valued("seconds", "N", "length of a recording, 1-600 [20]"),
         valued("fps", "N", "frames per second, 1-30 [10]"),
         valued("resolution", "WxH", "picture size, e.g. 640x480, 320x240, 160x120 [640x480]"),
         valued("quality", "N", "JPEG quality, 1-100 [70]"),
         valued("sidecar", "FORM", "new, old or none [new]"),
         valued("without-sidecar", "N", "recordings (spread evenly) written without sidecar [0]"),
         valued("logs", "N", "driving logs [1]"),
         valued("log-seconds", "N",
                "records per log; 0 shares the drive among the logs, at most 3600 each [0]"),
         flag("reuse-pictures",
              "no time text in the pictures, so a few JPEGs serve every frame (fast)"),
         flag("clock", "also write config/time.ini with the drive's start"),
         valued("threads", "N", "workers encoding pictures; 0 = one per processor, at most 8 [0]"),
         valued("start", "TIME", "UTC start of the drive, e.g. 2026-11-21T08:00:00 [2026-11-21T08:00:00]"),
         valued("awkward", "[=LIST]",
                "add awkward files: all, or a comma list of padding, no-comment, zero-year, "
                "old-sidecar, no-sidecar, one-frame, sub-folder, lf-log, full-log, gap-log")},
        {},
        {{QStringLiteral("awkward"), QStringLiteral("all")}},
        &GenerateCardCommand::run};
    return declaration;
}

QString GenerateCardCommand::apply(const QString &name, const QString &value, CardGenerator::Options &o)
{
    const QString bad = QStringLiteral("bad value \"%1\" for --%2").arg(value, name);
    if (name == u"seed") {
        bool ok = false;
        o.seed = value.toULongLong(&ok);
        return ok ? QString() : bad;
    }
    if (name == u"resolution") {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$")).match(value);
        if (!m.hasMatch())
            return bad;
        o.resolution = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        return {};
    }
    if (name == u"sidecar") {
        if (value == u"new")
            o.sidecar = SidecarForm::New;
        else if (value == u"old")
            o.sidecar = SidecarForm::Old;
        else if (value == u"none")
            o.sidecar = SidecarForm::None;
        else
            return bad;
        return {};
    }
    if (name == u"start") {
        QDateTime t = QDateTime::fromString(value, Qt::ISODate);
        if (!t.isValid())
            return bad;
        if (t.timeSpec() == Qt::LocalTime)
            t = QDateTime(t.date(), t.time(), QTimeZone::utc());
        o.startUtc = t.toSecsSinceEpoch();
        return {};
    }
    if (name == u"awkward") {
        if (value.isEmpty() || value == u"all") {
            o.awkward = CardGenerator::allAwkward();
            return {};
        }
        bool ok = false;
        o.awkward = CardGenerator::awkwardFromNames(value.split(u',', Qt::SkipEmptyParts), &ok);
        return ok ? QString() : bad;
    }
    if (name == u"reuse-pictures" || name == u"clock") {
        if (!value.isEmpty())
            return QStringLiteral("--%1 takes no value").arg(name);
        (name == u"clock" ? o.writeClock : o.reusePictures) = true;
        return {};
    }
    int *target = name == u"events"            ? &o.eventCount
                  : name == u"normals"         ? &o.normalCount
                  : name == u"seconds"         ? &o.recordingSeconds
                  : name == u"fps"             ? &o.framesPerSecond
                  : name == u"quality"         ? &o.jpegQuality
                  : name == u"without-sidecar" ? &o.withoutSidecarCount
                  : name == u"logs"            ? &o.logCount
                  : name == u"log-seconds"     ? &o.logSeconds
                  : name == u"threads"         ? &o.threads
                                               : nullptr;
    if (!target)
        return QStringLiteral("unknown option --%1").arg(name);
    return toInt(value, *target) ? QString() : bad;
}

QString GenerateCardCommand::parse(const QStringList &args, CardGenerator::Options &options, QString &folder)
{
    CommandLine line(command());
    if (!line.parse(args))
        return line.problem();
    if (line.positional().size() != 1)
        return QStringLiteral("generate-card takes one output folder");
    folder = line.positional().first();
    for (const QCommandLineOption &option : command().options) {
        const QString name = option.names().first();
        if (!line.isSet(name))
            continue;
        if (const QString problem = apply(name, line.value(name), options); !problem.isEmpty())
            return problem;
    }
    return CardGenerator::validate(options);
}

int GenerateCardCommand::run(const QStringList &args)
{
    CardGenerator::Options options;
    QString folder;
    if (const QString problem = parse(args, options, folder); !problem.isEmpty())
        return CliCommands::usage(problem);

    CardGenerator generator(options);
    if (!generator.generate(folder))
        return CliCommands::fail(generator.errorString());

    JsonWriter json;
    json.beginObject();
    json.field("folder", folder);
    json.field("seed", uint64_t(options.seed));
    json.key("files");
    json.beginArray();
    for (const CardGenerator::GeneratedFile &f : generator.files()) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.field("path", f.path);
        json.field("list", f.list);
        json.field("sequence", int64_t(f.sequence));
        json.field("start", RecordJson::timeText(seconds_to_time(f.startUtc)));
        json.field("count", f.count);
        if (f.list != u"log") {
            json.field("pictures", f.pictures);
            json.field("event_type", f.eventType);
            json.field("sidecar", f.sidecar);
        }
        json.field("awkward", f.awkward);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
