#include "RenderCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "DisplayFormat.h"
#include "FileVideo.h"
#include "JsonWriter.h"
#include "Texts.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

#include <memory>

namespace {

struct RenderOptions {
    QString vdd;
    qint64 index = 0;
    QString out;
    int flip = 0;
    int dateFormat = 0;
    int units = 0;
    QString vehicle;
    bool date = false;
    bool speed = false;
    bool latlng = false;
    bool sensor = false;
};

// Empty on success, else what is wrong with the arguments.
QString parse(const QStringList &args, RenderOptions &o)
{
    CommandLine line(RenderCommand::command());
    if (!line.parse(args) || !line.number("flip", 0, 3, o.flip)
        || !line.number("date-format", 0, 2, o.dateFormat) || !line.number("units", 0, 2, o.units))
        return line.problem();
    o.vehicle = line.value("vehicle");
    o.date = line.isSet("date");
    o.speed = line.isSet("speed");
    o.latlng = line.isSet("latlng");
    o.sensor = line.isSet("sensor");
    const QStringList positional = line.positional();
    if (positional.size() != 3)
        return QStringLiteral("render takes FILE.vdd INDEX OUT.jpg|OUT.png");
    o.vdd = positional[0];
    bool ok = false;
    o.index = positional[1].toLongLong(&ok);
    if (!ok)
        return QStringLiteral("bad frame index \"%1\"").arg(positional[1]);
    o.out = positional[2];
    const QString suffix = QFileInfo(o.out).suffix().toLower();
    if (suffix != u"jpg" && suffix != u"jpeg" && suffix != u"png")
        return QStringLiteral("the output must end in .jpg, .jpeg or .png");
    return {};
}

} // namespace

const CliCommand &RenderCommand::command()
{
    static const CliCommand declaration{
        "render", "FILE.vdd INDEX OUT.jpg|OUT.png",
        "one frame as the movie export draws it (INDEX -1: the last frame)",
        {CliOptions::flip(), QCommandLineOption(QStringLiteral("vehicle"), QStringLiteral("the vehicle text of the captions"), QStringLiteral("TEXT")),
         QCommandLineOption(QStringLiteral("date"), QStringLiteral("caption: date and time")),
         QCommandLineOption(QStringLiteral("speed"), QStringLiteral("caption: speed")),
         QCommandLineOption(QStringLiteral("latlng"), QStringLiteral("caption: latitude and longitude")),
         QCommandLineOption(QStringLiteral("sensor"), QStringLiteral("caption: G-sensor values")),
         CliOptions::dateFormat(), CliOptions::units()},
        {}, {}, &RenderCommand::run};
    return declaration;
}

int RenderCommand::run(const QStringList &args)
{
    RenderOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return CliCommands::fail(QStringLiteral("render needs the graphical application object"));

    Texts::install(QLocale(QLocale::English));
    const QFileInfo info(o.vdd);
    std::unique_ptr<FileVideo> video(FileVideo::create(info.path(), info.fileName(), FileVideo::Event));
    if (!video)
        return CliCommands::fail(QStringLiteral("cannot open %1").arg(o.vdd));
    const qint64 index = o.index == -1 ? video->frameCount() - 1 : o.index;
    if (index < 0 || index >= video->frameCount())
        return CliCommands::fail(QStringLiteral("%1 has no frame %2").arg(o.vdd).arg(o.index));
    const QImage image =
        video->aviImageAtIndex(index, o.vehicle, o.speed, o.date, o.latlng, o.sensor, o.flip,
                               DisplayFormat(o.units, o.dateFormat));
    if (image.isNull())
        return CliCommands::fail(QStringLiteral("cannot decode frame %1").arg(index));
    QString error;
    if (!FileVideo::writeImage(image, o.out, &error))
        return CliCommands::writeFailed(o.out, error);

    JsonWriter json;
    json.beginObject();
    json.field("file", o.out);
    json.field("frame", int64_t(index));
    json.field("width", image.width());
    json.field("height", image.height());
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
