#include "CliCommands.h"

#include "BackupCommand.h"
#include "CameraSettings.h"
#include "ClockOffset.h"
#include "CardRows.h"
#include "CardSummary.h"
#include "DevicesCommand.h"
#include "EventsCommand.h"
#include "ExportKmlCommand.h"
#include "ExportPlainCommand.h"
#include "FolderScanner.h"
#include "GenerateCardCommand.h"
#include "JsonWriter.h"
#include "MovieCommand.h"
#include "RecordJson.h"
#include "RenderCommand.h"
#include "ReportCommand.h"
#include "SearchCommand.h"
#include "StillsCommand.h"
#include "vexa_log_file.h"
#include "vexa_vdd_file.h"

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

QString CliCommands::usageText()
{
    return QStringLiteral(
        "usage: tumbo-cli COMMAND ARGUMENTS\n"
        "  frames FILE.vdd                          frame headers of a recording\n"
        "  log FILE.log                             records of a driving log\n"
        "  card FOLDER [--date-format 0-2] [--units 0-2]\n"
        "                                           recordings and logs of a card folder, and the list rows\n"
        "  config FOLDER [--set KEY=VALUE ...]      camera settings; --set changes them (PIN=1234 sets the PIN)\n"
        "  generate-card OUT_FOLDER [--seed N] [options]\n"
        "                                           writes a synthetic card into a missing or empty folder\n") +
           RenderCommand::usageText() +
           SearchCommand::usageText() +
           EventsCommand::usageText() +
           StillsCommand::usageText() +
           ExportPlainCommand::usageText() +
           ExportKmlCommand::usageText() +
           DevicesCommand::usageText() +
           ReportCommand::usageText() +
           BackupCommand::usageText() +
           MovieCommand::usageText() +
           GenerateCardCommand::optionsText();
}

int CliCommands::usage(const QString &problem)
{
    if (!problem.isEmpty())
        std::fprintf(stderr, "tumbo-cli: %s\n", problem.toLocal8Bit().constData());
    std::fputs(usageText().toLocal8Bit().constData(), stderr);
    return 2;
}

int CliCommands::fail(const QString &message)
{
    std::fprintf(stderr, "tumbo-cli: %s\n", message.toLocal8Bit().constData());
    return 1;
}

void CliCommands::print(const QByteArray &json)
{
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fflush(stdout);
}

QByteArray CliCommands::nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

int CliCommands::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage(QString());
    const QString command = arguments.first();
    const QStringList args = arguments.mid(1);
    if (command == u"frames")
        return frames(args);
    if (command == u"log")
        return log(args);
    if (command == u"card")
        return card(args);
    if (command == u"config")
        return config(args);
    if (command == u"render")
        return RenderCommand::run(args);
    if (command == u"report")
        return ReportCommand::run(args);
    if (command == u"search")
        return SearchCommand::run(args);
    if (command == u"stills")
        return StillsCommand::run(args);
    if (command == u"export-csv")
        return ExportPlainCommand::runCsv(args);
    if (command == u"export-kml")
        return ExportKmlCommand::run(args);
    if (command == u"export-gpx")
        return ExportPlainCommand::runGpx(args);
    if (command == u"events")
        return EventsCommand::run(args);
    if (command == u"devices")
        return DevicesCommand::run(args);
    if (command == u"backup")
        return BackupCommand::run(args);
    if (command == u"movie")
        return MovieCommand::run(args);
    if (command == u"generate-card")
        return GenerateCardCommand::run(args);
    if (command == u"--help" || command == u"-h" || command == u"help") {
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    return usage(QStringLiteral("unknown command \"%1\"").arg(command));
}

int CliCommands::frames(const QStringList &args)
{
    if (args.size() != 1)
        return usage(QStringLiteral("frames takes one .vdd file"));
    const QString path = args.first();
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
    if (args.size() != 1)
        return usage(QStringLiteral("log takes one .log file"));
    const QString path = args.first();
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
    if (args.isEmpty() || args.first().startsWith(u"--"))
        return usage(QStringLiteral("card takes one folder"));
    if (const QString problem = CardRows::applyOptions(args.mid(1)); !problem.isEmpty())
        return usage(problem);
    if (!QFileInfo(args.first()).isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(args.first()));
    print(CardSummary::json(args.first()));
    return 0;
}

int CliCommands::config(const QStringList &args)
{
    if (args.isEmpty())
        return usage(QStringLiteral("config takes a card folder"));
    const QString folder = args.first();
    QList<QPair<QString, QString>> changes;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] != u"--set" || i + 1 >= args.size())
            return usage(QStringLiteral("expected --set KEY=VALUE, got \"%1\"").arg(args[i]));
        const QString assignment = args[++i];
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals <= 0)
            return usage(QStringLiteral("expected KEY=VALUE, got \"%1\"").arg(assignment));
        changes.append({assignment.left(equals), assignment.mid(equals + 1)});
    }
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(folder));

    const std::string card = nativePath(folder).toStdString();
    if (!changes.isEmpty()) {
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
            return fail(QStringLiteral("cannot write %1/config/set.dat: %2")
                            .arg(folder, QString::fromStdString(settings.errorString())));
    }

    JsonWriter json;
    writeSettings(json, card);
    print(json.finish());
    return 0;
}
