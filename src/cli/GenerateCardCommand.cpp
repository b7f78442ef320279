#include "GenerateCardCommand.h"

#include "CliCommands.h"
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

QString GenerateCardCommand::optionsText()
{
    return QStringLiteral(
        "generate-card options (defaults in brackets):\n"
        "  --seed N               random seed [1]; the same seed writes the same card\n"
        "  --events N             event recordings [3]\n"
        "  --normals N            normal recordings [9]\n"
        "  --seconds N            length of a recording, 1-600 [20]\n"
        "  --fps N                frames per second, 1-30 [10]\n"
        "  --resolution WxH       picture size, e.g. 640x480, 320x240, 160x120 [640x480]\n"
        "  --quality N            JPEG quality, 1-100 [70]\n"
        "  --sidecar FORM         new, old or none [new]\n"
        "  --without-sidecar N    recordings (spread evenly) written without sidecar [0]\n"
        "  --logs N               driving logs [1]\n"
        "  --log-seconds N        records per log; 0 shares the drive among the logs, at most 3600 each [0]\n"
        "  --reuse-pictures       no time text in the pictures, so a few JPEGs serve every frame (fast)\n"
        "  --clock                also write config/time.ini with the drive's start\n"
        "  --threads N            workers encoding pictures; 0 = one per processor, at most 8 [0]\n"
        "  --start TIME           UTC start of the drive, e.g. 2026-11-21T08:00:00 [2026-11-21T08:00:00]\n"
        "  --awkward[=LIST]       add awkward files: all, or a comma list of\n"
        "                         padding, no-comment, zero-year, old-sidecar, no-sidecar, one-frame,\n"
        "                         sub-folder, lf-log, full-log, gap-log\n");
}

bool GenerateCardCommand::takesValue(const QString &name)
{
    static const QStringList valued = {"seed",    "events",          "normals", "seconds",     "fps",
                                       "resolution", "quality",      "sidecar", "without-sidecar", "logs",
                                       "log-seconds", "start", "threads"};
    return valued.contains(name);
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
    folder.clear();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString arg = args[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            if (!folder.isEmpty())
                return QStringLiteral("generate-card takes one output folder");
            folder = arg;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
        } else if (takesValue(name)) {
            if (i + 1 >= args.size())
                return QStringLiteral("--%1 needs a value").arg(name);
            value = args[++i];
        }
        if (const QString problem = apply(name, value, options); !problem.isEmpty())
            return problem;
    }
    if (folder.isEmpty())
        return QStringLiteral("generate-card needs an output folder");
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
