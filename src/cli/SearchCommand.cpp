#include "SearchCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "DisplayFormat.h"
#include "JsonWriter.h"
#include "LogSearch.h"
#include "Texts.h"

#include <QLocale>

#include <memory>
#include <vector>

namespace {

struct SearchOptions {
    QStringList logs;
    LogSearch::Criteria criteria;
    int units = 0;
};

// A threshold option's number into limit and its switch on; false when it is no number.
bool readLimit(const CommandLine &line, const char *name, bool &on, double &limit)
{
    if (!line.isSet(name))
        return true;
    bool ok = false;
    limit = line.value(name).toDouble(&ok);
    on = ok;
    return ok;
}

// "all" or a kind as the events command names it; false when it is neither.
bool readEvent(const QString &value, LogSearch::Criteria &c)
{
    c.eventOn = true;
    c.eventKind.reset();
    if (value == u"all")
        return true;
    for (int k = 0; k <= int(DrivingEvents::Kind::Speeding); ++k)
        if (DrivingEvents::kindName(DrivingEvents::Kind(k)) == value) {
            c.eventKind = DrivingEvents::Kind(k);
            return true;
        }
    return false;
}

QString parse(const QStringList &args, SearchOptions &o)
{
    CommandLine line(SearchCommand::command());
    if (!line.parse(args) || !line.number("units", 0, 2, o.units))
        return line.problem();
    LogSearch::Criteria &c = o.criteria;
    c.gOn = line.isSet("gsensor");
    if (!readLimit(line, "speed", c.speedOn, c.speedLimit) || !readLimit(line, "x", c.xOn, c.xLimit)
        || !readLimit(line, "y", c.yOn, c.yLimit) || !readLimit(line, "z", c.zOn, c.zLimit))
        return QStringLiteral("--speed, --x, --y and --z take a number");
    if (line.isSet("event") && !readEvent(line.value("event"), c))
        return QStringLiteral("--event takes all, brake, accel, corner_left, corner_right, impact or speeding");
    o.logs = line.positional();
    if (o.logs.isEmpty())
        return QStringLiteral("search takes one or more .log files");
    return {};
}

} // namespace

const CliCommand &SearchCommand::command()
{
    static const CliCommand declaration{
        "search", "LOG...", "the log page's search over logs in time order",
        {QCommandLineOption(QStringLiteral("speed"), QStringLiteral("records at or above this speed"), QStringLiteral("LIMIT")), QCommandLineOption(QStringLiteral("gsensor"), QStringLiteral("records with a G-sensor event")), QCommandLineOption(QStringLiteral("x"), QStringLiteral("records whose X reaches this many g"), QStringLiteral("LIMIT")), QCommandLineOption(QStringLiteral("y"), QStringLiteral("records whose Y reaches this many g"), QStringLiteral("LIMIT")), QCommandLineOption(QStringLiteral("z"), QStringLiteral("records whose Z reaches this many g"), QStringLiteral("LIMIT")), QCommandLineOption(QStringLiteral("event"), QStringLiteral("records within a driving event of this kind, as the events command names it"), QStringLiteral("KIND|all")), CliOptions::units()},
        {}, {}, &SearchCommand::run};
    return declaration;
}

int SearchCommand::run(const QStringList &args)
{
    SearchOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    Texts::install(QLocale(QLocale::English));
    o.criteria.format = DisplayFormat(o.units, 0);
    o.criteria.thresholds.units = o.units;

    std::vector<std::unique_ptr<vexa_log_file>> loaded;
    std::vector<const vexa_log_file *> files;
    for (const QString &path : std::as_const(o.logs)) {
        auto file = std::make_unique<vexa_log_file>();
        if (!file->load(CliCommands::nativePath(path).constData()))
            return CliCommands::fail(QStringLiteral("cannot load %1: %2")
                                         .arg(path, CliCommands::logFailure(path)));
        files.push_back(file.get());
        loaded.push_back(std::move(file));
    }
    if (LogSearch::outOfOrderAt(files) >= 0)
        return CliCommands::fail(Texts::text("msg_file_not_time_order"));

    LogSearch search;
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("rows"));
    json.beginArray();
    for (const LogSearch::Row &row : search.search(files, o.criteria)) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.field("number", int64_t(row.number));
        json.field("log", o.logs[row.log]);
        json.field("index", int64_t(row.index));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
