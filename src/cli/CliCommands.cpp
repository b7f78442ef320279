#include "CliCommands.h"

#include "BackupCommand.h"
#include "CameraSettings.h"
#include "CardFolders.h"
#include "CardRows.h"
#include "CardSummary.h"
#include "ClockOffset.h"
#include "CommandLine.h"
#include "DevicesCommand.h"
#include "EjectCommand.h"
#include "EvidenceCommand.h"
#include "EventsCommand.h"
#include "ExportKmlCommand.h"
#include "ExportPlainCommand.h"
#include "FolderScanner.h"
#include "FormatCommand.h"
#include "GenerateCardCommand.h"
#include "JsonWriter.h"
#include "MovieCommand.h"
#include "RecordJson.h"
#include "RenderCommand.h"
#include "ReportCommand.h"
#include "SearchCommand.h"
#include "StillsCommand.h"
#include "TripsCommand.h"
#include "vexa_log_file.h"
#include "vexa_vdd_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

bool isKnownKey(const QString &key)
{
    const auto &keys = CameraSettings::keys();
    return std::find(keys.begin(), keys.end(), key.toStdString()) != keys.end();
}

// Keys the settings writer derives from others or writes as constants.
QString derivedKeyProblem(const QString &key)
{
    if (key == u"PRERECINT1")
        return QStringLiteral("PRERECINT1 always follows POSTRECINT1");
    if (key == u"PRESIZE1")
        return QStringLiteral("PRESIZE1 always follows POSTSIZE1");
    if (key == u"TRGSET" || key == u"PREFIELD1")
        return QStringLiteral("%1 is fixed").arg(key);
    return {};
}

void writeSettings(JsonWriter &json, const std::string &folder)
{
    const CameraSettings settings = CameraSettings::read(folder);
    json.beginObject();
    for (const std::string &key : CameraSettings::keys()) {
        const QString name = QString::fromStdString(key);
        if (key == "VEHICLEID")
            json.field(name, QString::fromStdString(settings.string(key)));
        else
            json.field(name, int64_t(settings.integer(key)));
    }
    json.field("PIN", int64_t(CameraSettings::decodePin(settings.integer("PASSWORD"))));
    json.field("clock", int64_t(CameraSettings::readClock(folder)));
    json.field("version", QString::fromStdString(CameraSettings::readVersion(folder)));
    json.endObject();
}

} // namespace

namespace {

// The command being run, for its usage on wrong usage; null before one is chosen.
const CliCommand *s_current = nullptr;
bool s_compact = false;

const CliCommand *find(const QString &name)
{
    for (const CliCommand &command : CliCommands::commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

void printOut(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

// "help", "help COMMAND" and "help all" (every command's help, for the manual page).
int help(const QStringList &args)
{
    if (args.isEmpty()) {
        printOut(CliCommands::usageText());
        return 0;
    }
    if (args.size() == 1 && args[0] == u"all") {
        for (const CliCommand &command : CliCommands::commands())
            printOut(CommandLine::help(command) + u'\n');
        return 0;
    }
    const CliCommand *command = args.size() == 1 ? find(args[0]) : nullptr;
    if (!command)
        return CliCommands::usage(QStringLiteral("help takes one command name"));
    printOut(CommandLine::help(*command));
    return 0;
}

} // namespace

const QList<CliCommand> &CliCommands::commands()
{
    static const QList<CliCommand> table = {
        {"frames", "FILE.vdd", "frame headers of a recording", {}, {}, {}, &CliCommands::frames},
        {"log", "FILE.log", "records of a driving log", {}, {}, {}, &CliCommands::log},
        {"card", "FOLDER", "recordings and logs of a card folder, and the list rows",
         {CliOptions::dateFormat(), CliOptions::units()}, {}, {}, &CliCommands::card},
        {"config", "FOLDER [--set KEY=VALUE ...]",
         "camera settings; --set changes them (PIN=1234 sets the PIN)",
         {{"set", "changes a setting; may be given more than once", "KEY=VALUE"}}, {}, {},
         &CliCommands::config},
        GenerateCardCommand::command(),
        RenderCommand::command(),
        SearchCommand::command(),
        EventsCommand::command(),
        TripsCommand::command(),
        StillsCommand::command(),
        ExportPlainCommand::csvCommand(),
        ExportPlainCommand::gpxCommand(),
        ExportPlainCommand::geoJsonCommand(),
        ExportKmlCommand::command(),
        DevicesCommand::command(),
        FormatCommand::command(),
        EjectCommand::command(),
        EvidenceCommand::command(),
        EvidenceCommand::verifyCommand(),
        ReportCommand::command(),
        BackupCommand::command(),
        MovieCommand::command(),
    };
    return table;
}

QString CliCommands::usageText()
{
    QString text = QStringLiteral(
        "usage: tumbo-cli COMMAND ARGUMENTS [--compact]\n"
        "       tumbo-cli help [COMMAND|all] | --help | --version\n"
        "JSON goes to standard output, indented (--compact: on one line). Exit status: 0 done,\n"
        "1 the operation failed (the reason on standard error), 2 wrong usage.\n\n"
        "commands:\n");
    for (const CliCommand &command : commands())
        text += QStringLiteral("  %1 %2\n      %3\n").arg(command.name, command.arguments, command.summary);
    text += QStringLiteral("\n\"tumbo-cli help COMMAND\" lists the options of a command.\n");
    return text;
}

int CliCommands::usage(const QString &problem)
{
    if (!problem.isEmpty())
        std::fprintf(stderr, "tumbo-cli: %s\n", problem.toLocal8Bit().constData());
    const QString text = s_current ? CommandLine::help(*s_current) : usageText();
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return 2;
}

int CliCommands::fail(const QString &message)
{
    std::fprintf(stderr, "tumbo-cli: %s\n", message.toLocal8Bit().constData());
    return 1;
}

int CliCommands::writeFailed(const QString &path, const QString &reason)
{
    if (reason.contains(path) || reason.contains(QFileInfo(path).fileName()))
        return fail(reason);
    return fail(reason.isEmpty() ? QStringLiteral("cannot write %1").arg(path)
                                 : QStringLiteral("cannot write %1: %2").arg(path, reason));
}

void CliCommands::print(const QByteArray &json)
{
    const QByteArray text = s_compact ? JsonWriter::compact(json) : json;
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

QByteArray CliCommands::nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

int CliCommands::run(const QStringList &arguments)
{
    QStringList args = arguments;
    s_compact = args.removeAll(QStringLiteral("--compact")) > 0;
    if (args.isEmpty())
        return usage(QString());
    const QString name = args.takeFirst();
    if (name == u"--help" || name == u"-h" || name == u"help")
        return help(args);
    if (name == u"--version") {
        printOut(QStringLiteral("tumbo-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    s_current = find(name);
    if (!s_current)
        return usage(QStringLiteral("unknown command \"%1\"").arg(name));
    if (args.contains(u"--help") || args.contains(u"-h")) {
        printOut(CommandLine::help(*s_current));
        return 0;
    }
    return s_current->run(args);
}

int CliCommands::frames(const QStringList &args)
{
    CommandLine line(*find(QStringLiteral("frames")));
    if (!line.parse(args))
        return usage(line.problem());
    if (line.positional().size() != 1)
        return usage(QStringLiteral("frames takes one .vdd file"));
    const QString path = line.positional().first();
    vexa_vdd_file file;
    if (!file.open(nativePath(path).constData(), nativePath(FolderScanner::sidecarPath(path)).constData()))
        return fail(QStringLiteral("cannot open %1: %2").arg(path, QString::fromStdString(file.error_string())));

    JsonWriter json;
    json.beginObject();
    json.field("path", path);
    json.field("sequence", file.sequence_number());
    json.field("frame_count", unsigned(file.index_header().frame_count));
    json.field("index_event_type", int(file.index_header().event_type));
    json.field("duration_seconds", file.duration_seconds());
    RecordJson::writeClockOffset(json, ClockOffset::ofRecording(file));
    json.key("triggers");
    json.beginArray(JsonWriter::Layout::Inline);
    for (uint64_t index : RecordJson::triggerList(file.headers()))
        json.value(index);
    json.endArray();
    json.key("frames");
    json.beginArray();
    for (uint64_t i = 0; i < file.headers().size(); ++i)
        RecordJson::writeFrame(json, i, file.headers()[i]);
    json.endArray();
    json.endObject();
    print(json.finish());
    return 0;
}

QString CliCommands::logFailure(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable: %1").arg(file.errorString());
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(512000);
        if (line.startsWith("$REZEZ,") || line.trimmed() == "$REZEZ")
            return QStringLiteral("3610 records or more");
    }
    return QStringLiteral("no $REZEZ line");
}

int CliCommands::log(const QStringList &args)
{
    CommandLine line(*find(QStringLiteral("log")));
    if (!line.parse(args))
        return usage(line.problem());
    if (line.positional().size() != 1)
        return usage(QStringLiteral("log takes one .log file"));
    const QString path = line.positional().first();
    vexa_log_file file;
    if (!file.load(nativePath(path).constData()))
        return fail(QStringLiteral("cannot load %1: %2").arg(path, logFailure(path)));

    JsonWriter json;
    json.beginObject();
    json.field("path", path);
    json.field("sequence", file.sequence_number());
    json.field("count", file.count());
    json.field("distance_m", file.distance());
    json.field("duration_seconds", file.duration_seconds());
    RecordJson::writeClockOffset(json, ClockOffset::ofRecords(file));
    json.key("records");
    json.beginArray();
    for (const _vexa_log_info_t &record : file.records())
        RecordJson::writeLogRecord(json, record);
    json.endArray();
    json.endObject();
    print(json.finish());
    return 0;
}

int CliCommands::card(const QStringList &args)
{
    CommandLine line(*find(QStringLiteral("card")));
    int dateFormat = 0;
    int units = 0;
    if (!line.parse(args) || !line.number("date-format", 0, 2, dateFormat)
        || !line.number("units", 0, 2, units))
        return usage(line.problem());
    if (line.positional().size() != 1)
        return usage(QStringLiteral("card takes one folder"));
    const QString folder = line.positional().first();
    CardRows::applyOptions(dateFormat, units);
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(folder));
    print(CardSummary::json(folder));
    return 0;
}

int CliCommands::config(const QStringList &args)
{
    CommandLine line(*find(QStringLiteral("config")));
    if (!line.parse(args))
        return usage(line.problem());
    if (line.positional().size() != 1)
        return usage(QStringLiteral("config takes a card folder"));
    const QString folder = line.positional().first();
    QList<QPair<QString, QString>> changes;
    for (const QString &assignment : line.values(QStringLiteral("set"))) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals <= 0)
            return usage(QStringLiteral("expected KEY=VALUE, got \"%1\"").arg(assignment));
        changes.append({assignment.left(equals), assignment.mid(equals + 1)});
    }
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(folder));

    const std::string card = nativePath(folder).toStdString();
    if (!changes.isEmpty()) {
        if (const std::string linked = CardFolders::linkedFolder(card); !linked.empty())
            return fail(QStringLiteral("nothing written: %1/%2 is a link to another place")
                            .arg(folder, QString::fromStdString(linked)));
        std::string readError;
        CameraSettings settings = CameraSettings::read(card, CameraSettings::Variant::Default, &readError);
        // Saving over settings that could not be read would silently reset them (the PIN too).
        if (!readError.empty())
            return fail(QStringLiteral("nothing written: %1").arg(QString::fromStdString(readError)));
        for (const auto &[key, value] : changes) {
            bool number = false;
            const long n = value.toLong(&number);
            if (key == u"PIN") {
                if (!number || (n != 0 && (n < 1000 || n > 9999)))
                    return usage(QStringLiteral("PIN must be 0 (none) or 1000 to 9999"));
                settings.setInteger("PASSWORD", long(CameraSettings::encodePin(n)));
            } else if (!isKnownKey(key)) {
                return usage(QStringLiteral("unknown settings key \"%1\"").arg(key));
            } else if (const QString derived = derivedKeyProblem(key); !derived.isEmpty()) {
                return usage(derived);
            } else if (key == u"VEHICLEID") {
                const std::string problem = CameraSettings::vehicleTextProblem(value.toStdString());
                if (!problem.empty())
                    return fail(QString::fromStdString(problem));
                settings.set("VEHICLEID", value.toStdString());
            } else if (!number) {
                return usage(QStringLiteral("%1 needs a whole number, got \"%2\"").arg(key, value));
            } else {
                settings.setInteger(key.toStdString(), n);
            }
        }
        if (!settings.write(card))
            return writeFailed(folder + QStringLiteral("/config/set.dat"),
                               QString::fromStdString(settings.errorString()));
    }

    JsonWriter json;
    writeSettings(json, card);
    print(json.finish());
    return 0;
}
