#include "SearchCommand.h"

#include "CliCommands.h"
#include "FileManager.h"
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

// A threshold option's number, or false.
bool readLimit(const QString &text, double *limit)
{
    bool ok = false;
    *limit = text.toDouble(&ok);
    return ok;
}

QString parse(const QStringList &args, SearchOptions &o)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(u"--")) {
            o.logs.append(arg);
            continue;
        }
        if (arg == u"--gsensor") {
            o.criteria.gOn = true;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(arg);
        const QString value = args[++i];
        double limit = 0;
        if (arg == u"--units") {
            bool ok = false;
            o.units = value.toInt(&ok);
            if (!ok || o.units < 0 || o.units > 2)
                return QStringLiteral("--units takes 0 to 2");
        } else if (arg == u"--event") {
            o.criteria.eventOn = true;
            o.criteria.eventKind.reset();
            bool known = value == u"all";
            for (int k = 0; k <= int(DrivingEvents::Kind::Speeding) && !known; ++k)
                if (DrivingEvents::kindName(DrivingEvents::Kind(k)) == value) {
                    o.criteria.eventKind = DrivingEvents::Kind(k);
                    known = true;
                }
            if (!known)
                return QStringLiteral("--event takes all, brake, accel, corner_left, corner_right, impact or speeding");
        } else if (!readLimit(value, &limit)) {
            return QStringLiteral("%1 takes a number, got \"%2\"").arg(arg, value);
        } else if (arg == u"--speed") {
            o.criteria.speedOn = true;
            o.criteria.speedLimit = limit;
        } else if (arg == u"--x") {
            o.criteria.xOn = true;
            o.criteria.xLimit = limit;
        } else if (arg == u"--y") {
            o.criteria.yOn = true;
            o.criteria.yLimit = limit;
        } else if (arg == u"--z") {
            o.criteria.zOn = true;
            o.criteria.zLimit = limit;
        } else {
            return QStringLiteral("unknown option \"%1\"").arg(arg);
        }
    }
    if (o.logs.isEmpty())
        return QStringLiteral("search takes one or more .log files");
    return {};
}

} // namespace

QString SearchCommand::usageText()
{
    return QStringLiteral(
        "  search LOG... [--speed LIMIT] [--gsensor] [--x LIMIT] [--y LIMIT] [--z LIMIT] [--units 0-2]\n"
        "                [--event KIND|all]         KIND as tumbo-cli events names it\n"
        "                                           the log page's search over logs in time order\n");
}

int SearchCommand::run(const QStringList &args)
{
    SearchOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    Texts::install(QLocale(QLocale::English));
    FileManager::setDisplaySettings(0, o.units, 0);
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
