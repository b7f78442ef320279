#include "MovieCommand.h"

#include "CliCommands.h"
#include "FileManager.h"
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

bool number(const QString &text, qint64 min, qint64 max, qint64 &out)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < min || v > max)
        return false;
    out = v;
    return true;
}

// Options that take a value; empty on success, else what is wrong.
QString valueOption(const QString &name, const QString &value, MovieArgs &m)
{
    MovieOptions &o = m.options;
    qint64 v = 0;
    if (name == u"--per-second") {
        if (!number(value, 1, 1000, v))
            return QStringLiteral("--per-second takes a whole number from 1");
        o.perSecond = int(v);
    } else if (name == u"--codec") {
        if (value != u"jpeg" && value != u"mp4v")
            return QStringLiteral("--codec takes jpeg or mp4v");
        o.codec = value == u"jpeg" ? MovieWriter::Codec::Jpeg : MovieWriter::Codec::Mpeg4;
    } else if (name == u"--quality") {
        const QStringList names{QStringLiteral("low"), QStringLiteral("normal"), QStringLiteral("high")};
        if (!names.contains(value))
            return QStringLiteral("--quality takes low, normal or high");
        o.quality = MovieWriter::Quality(names.indexOf(value));
    } else if (name == u"--from") {
        if (!number(value, 0, qint64(1) << 40, v))
            return QStringLiteral("--from takes seconds since 1970");
        o.fromMsec = v * 1000;
    } else if (name == u"--until") {
        if (!number(value, 0, qint64(1) << 40, v))
            return QStringLiteral("--until takes seconds since 1970");
        o.untilMsec = v * 1000;
    } else if (name == u"--vehicle") {
        o.captions.vehicle = value;
    } else if (name == u"--flip" && number(value, 0, 3, v)) {
        o.flip = int(v);
    } else if (name == u"--date-format" && number(value, 0, 2, v)) {
        m.dateFormat = int(v);
    } else if (name == u"--units" && number(value, 0, 2, v)) {
        m.units = int(v);
    } else {
        return QStringLiteral("unknown option or bad value: %1 %2").arg(name, value);
    }
    return {};
}

QString parse(const QStringList &args, MovieArgs &m)
{
    QStringList positional;
    FrameCaptions &c = m.options.captions;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--date")
            c.date = true;
        else if (a == u"--speed")
            c.speed = true;
        else if (a == u"--latlng")
            c.latlng = true;
        else if (a == u"--sensor")
            c.sensor = true;
        else if (!a.startsWith(u"--"))
            positional.append(a);
        else if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(a);
        else if (const QString problem = valueOption(a, args[++i], m); !problem.isEmpty())
            return problem;
    }
    if (positional.size() != 2)
        return QStringLiteral("movie takes FILE.vdd OUT.mp4");
    m.vdd = positional[0];
    m.out = positional[1];
    return {};
}

} // namespace

QString MovieCommand::usageText()
{
    return QStringLiteral(
        "  movie FILE.vdd OUT.mp4 [--per-second N] [--codec jpeg|mp4v] [--quality low|normal|high]\n"
        "        [--from EPOCH_S] [--until EPOCH_S] [--vehicle TEXT] [--date] [--speed] [--latlng]\n"
        "        [--sensor] [--flip 0-3] [--date-format 0-2] [--units 0-2]\n"
        "                                           the recording as a movie, by default from its\n"
        "                                           first to its last frame (UTC seconds)\n");
}

int MovieCommand::run(const QStringList &args)
{
    MovieArgs m;
    if (const QString problem = parse(args, m); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return CliCommands::fail(QStringLiteral("movie needs the graphical application object"));
    Texts::install();
    FileManager::setDisplaySettings(m.dateFormat, m.units, m.options.flip);
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
