#include "EventsCommand.h"

#include "CliCommands.h"
#include "DrivingEvents.h"
#include "FolderScanner.h"
#include "JsonWriter.h"
#include "RecordJson.h"
#include "vexa_log_file.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct EventsOptions {
    QStringList files;
    DrivingEvents::Thresholds thresholds;
};

QString parse(const QStringList &args, EventsOptions &o)
{
    DrivingEvents::Thresholds &t = o.thresholds;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(u"--")) {
            o.files.append(arg);
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(arg);
        const QString value = args[++i];
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok)
            return QStringLiteral("%1 takes a number, got \"%2\"").arg(arg, value);
        if (arg == u"--units") {
            t.units = int(number);
            if (number != t.units || t.units < 0 || t.units > 2)
                return QStringLiteral("--units takes 0 to 2");
        } else if (arg == u"--speed-limit") {
            t.speedLimit = number;
        } else if (number <= 0) {
            return QStringLiteral("%1 takes a number above 0").arg(arg);
        } else if (arg == u"--brake") {
            t.brake = number;
        } else if (arg == u"--accel") {
            t.accel = number;
        } else if (arg == u"--corner") {
            t.corner = number;
        } else if (arg == u"--impact") {
            t.impact = number;
        } else {
            return QStringLiteral("unknown option \"%1\"").arg(arg);
        }
    }
    if (o.files.isEmpty())
        return QStringLiteral("events takes one or more .vdd or .log files");
    return {};
}

struct FileEvent {
    qsizetype file;
    DrivingEvents::Event event;
};

// The events of one file, or a message naming why it could not be read.
QString eventsOf(const QString &path, const DrivingEvents::Thresholds &t, DrivingEvents::Events &out)
{
    const QByteArray native = CliCommands::nativePath(path);
    if (path.endsWith(u".log", Qt::CaseInsensitive)) {
        vexa_log_file log;
        if (!log.load(native.constData()))
            return QStringLiteral("cannot load %1: %2").arg(path, CliCommands::logFailure(path));
        out = DrivingEvents::ofLog(log.records(), t);
        return {};
    }
    vexa_vdd_file recording;
    if (!recording.open(native.constData(), CliCommands::nativePath(FolderScanner::sidecarPath(path)).constData()))
        return QStringLiteral("cannot open %1: %2").arg(path, QString::fromStdString(recording.error_string()));
    out = DrivingEvents::ofRecording(recording.headers(), t);
    return {};
}

} // namespace

QString EventsCommand::usageText()
{
    return QStringLiteral(
        "  events FILE... [--brake A] [--accel A] [--corner A] [--impact G] [--speed-limit V] [--units 0-2]\n"
        "                                           driving events of recordings and logs (m/s2, g, speed unit)\n");
}

int EventsCommand::run(const QStringList &args)
{
    EventsOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);

    std::vector<FileEvent> all;
    for (qsizetype f = 0; f < o.files.size(); ++f) {
        DrivingEvents::Events events;
        if (const QString problem = eventsOf(o.files[f], o.thresholds, events); !problem.isEmpty())
            return CliCommands::fail(problem);
        for (const DrivingEvents::Event &e : events)
            all.push_back({f, e});
    }
    std::stable_sort(all.begin(), all.end(), [](const FileEvent &a, const FileEvent &b) {
        return a.event.startMsec < b.event.startMsec;
    });

    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("events"));
    json.beginArray();
    for (const FileEvent &fe : all) {
        const DrivingEvents::Event &e = fe.event;
        json.beginObject(JsonWriter::Layout::Inline);
        json.field("kind", DrivingEvents::kindName(e.kind));
        json.field("file", o.files[fe.file]);
        json.field("start_index", int64_t(e.startIndex));
        json.field("end_index", int64_t(e.endIndex));
        json.field("start", RecordJson::timeText(msec_to_time(e.startMsec)));
        json.field("end", RecordJson::timeText(msec_to_time(e.endMsec)));
        json.field("peak", std::round(e.peak * 100) / 100);
        json.field("unit", DrivingEvents::unitName(e.kind, o.thresholds.units));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
