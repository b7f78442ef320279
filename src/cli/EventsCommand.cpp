#include "EventsCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
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

// A threshold option's number into value; false with the problem when it is none or, when
// positive, not above 0.
bool readNumber(const CommandLine &line, const char *name, bool positive, double &value, QString &problem)
{
    if (!line.isSet(name))
        return true;
    const QString text = line.value(name);
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok) {
        problem = QStringLiteral("--%1 takes a number, got \"%2\"").arg(QLatin1String(name), text);
        return false;
    }
    if (positive && number <= 0) {
        problem = QStringLiteral("--%1 takes a number above 0").arg(QLatin1String(name));
        return false;
    }
    value = number;
    return true;
}

QString parse(const QStringList &args, EventsOptions &o)
{
    CommandLine line(EventsCommand::command());
    DrivingEvents::Thresholds &t = o.thresholds;
    if (!line.parse(args) || !line.number("units", 0, 2, t.units))
        return line.problem();
    QString problem;
    if (!readNumber(line, "speed-limit", false, t.speedLimit, problem)
        || !readNumber(line, "brake", true, t.brake, problem)
        || !readNumber(line, "accel", true, t.accel, problem)
        || !readNumber(line, "corner", true, t.corner, problem)
        || !readNumber(line, "impact", true, t.impact, problem))
        return problem;
    o.files = line.positional();
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

const CliCommand &EventsCommand::command()
{
    static const CliCommand declaration{
        "events", "FILE...", "driving events of recordings and logs, sorted by start",
        {QCommandLineOption(QStringLiteral("brake"), QStringLiteral("braking at or above A m/s2 [3]"), QStringLiteral("A")),
         QCommandLineOption(QStringLiteral("accel"), QStringLiteral("acceleration at or above A m/s2 [2.5]"), QStringLiteral("A")),
         QCommandLineOption(QStringLiteral("corner"), QStringLiteral("cornering at or above A m/s2 [3]"), QStringLiteral("A")),
         QCommandLineOption(QStringLiteral("impact"), QStringLiteral("impacts at or above G g [1.5]"), QStringLiteral("G")),
         QCommandLineOption(QStringLiteral("speed-limit"), QStringLiteral("speeding above V in the speed unit; 0 is off [0]"), QStringLiteral("V")),
         CliOptions::units()},
        {}, {}, &EventsCommand::run};
    return declaration;
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
