#include "MovieCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "DisplayFormat.h"
#include "JsonWriter.h"
#include "MovieExport.h"
#include "Texts.h"

#include <QGuiApplication>

namespace {

struct MovieArgs {
    QString vdd;
    QString out;
    MovieOptions options;
    int dateFormat = 0;
    int units = 0;
};

QString parse(const QStringList &args, MovieArgs &m)
{
    CommandLine line(MovieCommand::command());
    MovieOptions &o = m.options;
    qint64 from = -1, until = -1;
    if (!line.parse(args) || !line.number("per-second", 1, 1000, o.perSecond)
        || !line.number("from", 0, qint64(1) << 40, from) || !line.number("until", 0, qint64(1) << 40, until) || !line.number("flip", 0, 3, o.flip)
        || !line.number("date-format", 0, 2, m.dateFormat) || !line.number("units", 0, 2, m.units))
        return line.problem();
    if (QString problem; !CliOptions::privacyZones(line, o.captions.zones, problem))
        return problem;
    if (from >= 0)
        o.fromMsec = from * 1000;
    if (until >= 0)
        o.untilMsec = until * 1000;
    if (line.isSet("codec")) {
        const QString codec = line.value("codec");
        if (codec != u"jpeg" && codec != u"mp4v")
            return QStringLiteral("--codec takes jpeg or mp4v");
        o.codec = codec == u"jpeg" ? MovieWriter::Codec::Jpeg : MovieWriter::Codec::Mpeg4;
    }
    if (line.isSet("quality")) {
        const QStringList names{QStringLiteral("low"), QStringLiteral("normal"), QStringLiteral("high")};
        if (!names.contains(line.value("quality")))
            return QStringLiteral("--quality takes low, normal or high");
        o.quality = MovieWriter::Quality(names.indexOf(line.value("quality")));
    }
    FrameCaptions &c = o.captions;
    if (line.isSet("vehicle"))
        c.vehicle = line.value("vehicle");
    c.date = c.date || line.isSet("date");
    c.speed = c.speed || line.isSet("speed");
    c.latlng = c.latlng || line.isSet("latlng");
    c.sensor = c.sensor || line.isSet("sensor");
    o.band = line.isSet("band");
    o.subtitles = line.isSet("subtitles");
    o.overlay = line.isSet("overlay");
    if (line.positional().size() != 2)
        return QStringLiteral("movie takes FILE.vdd OUT.mp4");
    m.vdd = line.positional()[0];
    m.out = line.positional()[1];
    return {};
}

} // namespace

const CliCommand &MovieCommand::command()
{
    static const CliCommand declaration{
        "movie", "FILE.vdd OUT.mp4", "the recording as a movie, by default from its first to its last frame (UTC seconds)",
        {QCommandLineOption(QStringLiteral("per-second"), QStringLiteral("frames a second in the movie"), QStringLiteral("N")), QCommandLineOption(QStringLiteral("codec"), QStringLiteral("the video codec"), QStringLiteral("jpeg|mp4v")), QCommandLineOption(QStringLiteral("quality"), QStringLiteral("the picture quality"), QStringLiteral("low|normal|high")), QCommandLineOption(QStringLiteral("from"), QStringLiteral("start at this time (seconds since 1970)"), QStringLiteral("EPOCH_S")), QCommandLineOption(QStringLiteral("until"), QStringLiteral("stop at this time (seconds since 1970)"), QStringLiteral("EPOCH_S")), QCommandLineOption(QStringLiteral("vehicle"), QStringLiteral("the vehicle text of the captions"), QStringLiteral("TEXT")), QCommandLineOption(QStringLiteral("date"), QStringLiteral("caption: date and time")), QCommandLineOption(QStringLiteral("speed"), QStringLiteral("caption: speed")), QCommandLineOption(QStringLiteral("latlng"), QStringLiteral("caption: latitude and longitude")), QCommandLineOption(QStringLiteral("sensor"), QStringLiteral("caption: G-sensor values")), QCommandLineOption(QStringLiteral("band"), QStringLiteral("captions in a band below the picture (the movie is taller by the band)")), QCommandLineOption(QStringLiteral("overlay"), QStringLiteral("speed gauge, G-ball and route map over the picture's top-right corner")), QCommandLineOption(QStringLiteral("subtitles"), QStringLiteral("telemetry as a subtitle track and an .srt file beside the movie")),
         CliOptions::flip(), CliOptions::dateFormat(), CliOptions::units(), CliOptions::privacy()},
        {}, {}, &MovieCommand::run};
    return declaration;
}

int MovieCommand::run(const QStringList &args)
{
    MovieArgs m;
    if (const QString problem = parse(args, m); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return CliCommands::fail(QStringLiteral("movie needs the graphical application object"));
    Texts::install();
    m.options.captions.format = DisplayFormat(m.units, m.dateFormat);
    const std::atomic_bool cancel{false};
    const MovieResult result = MovieExport::run(m.vdd, m.out, m.options, cancel);
    if (!result.ok)
        return CliCommands::fail(result.error);
    JsonWriter json;
    json.beginObject();
    json.field("file", m.out);
    json.field("pictures", int64_t(result.pictures));
    json.field("codec", MovieWriter::codecName(m.options.codec));
    json.field("fps", result.perSecond);
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
