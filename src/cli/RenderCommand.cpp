#include "RenderCommand.h"

#include "CliCommands.h"
#include "FileManager.h"
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

bool smallNumber(const QString &text, int max, int &out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < 0 || v > max)
        return false;
    out = v;
    return true;
}

// Empty on success, else what is wrong with the arguments.
QString parse(const QStringList &args, RenderOptions &o)
{
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--date") {
            o.date = true;
        } else if (a == u"--speed") {
            o.speed = true;
        } else if (a == u"--latlng") {
            o.latlng = true;
        } else if (a == u"--sensor") {
            o.sensor = true;
        } else if (a == u"--vehicle" && hasValue) {
            o.vehicle = args[++i];
        } else if (a == u"--flip" && hasValue) {
            if (!smallNumber(args[++i], 3, o.flip))
                return QStringLiteral("--flip takes 0 to 3");
        } else if (a == u"--date-format" && hasValue) {
            if (!smallNumber(args[++i], 2, o.dateFormat))
                return QStringLiteral("--date-format takes 0 to 2");
        } else if (a == u"--units" && hasValue) {
            if (!smallNumber(args[++i], 2, o.units))
                return QStringLiteral("--units takes 0 to 2");
        } else if (a.startsWith(u"--")) {
            return QStringLiteral("unknown or incomplete option \"%1\"").arg(a);
        } else {
            positional.append(a);
        }
    }
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

QString RenderCommand::usageText()
{
    return QStringLiteral(
        "  render FILE.vdd INDEX OUT.jpg|OUT.png [--flip 0-3] [--vehicle TEXT] [--date] [--speed]\n"
        "         [--latlng] [--sensor] [--date-format 0-2] [--units 0-2]\n"
        "                                           one frame as the movie export draws it\n");
}

int RenderCommand::run(const QStringList &args)
{
    RenderOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return CliCommands::fail(QStringLiteral("render needs the graphical application object"));

    Texts::install(QLocale(QLocale::English));
    FileManager::setDisplaySettings(o.dateFormat, o.units, o.flip);
    const QFileInfo info(o.vdd);
    std::unique_ptr<FileVideo> video(FileVideo::create(info.path(), info.fileName(), FileVideo::Event));
    if (!video)
        return CliCommands::fail(QStringLiteral("cannot open %1").arg(o.vdd));
    const qint64 index = o.index == -1 ? video->frameCount() - 1 : o.index;
    if (index < 0 || index >= video->frameCount())
        return CliCommands::fail(QStringLiteral("%1 has no frame %2").arg(o.vdd).arg(o.index));
    const QImage image =
        video->aviImageAtIndex(index, o.vehicle, o.speed, o.date, o.latlng, o.sensor);
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
