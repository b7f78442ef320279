#include "ReportCommand.h"

#include "CliCommands.h"
#include "FileLog.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "JsonWriter.h"
#include "ReportPainter.h"
#include "RoutePicture.h"
#include "SkinGraph.h"
#include "SkinLogGraph.h"
#include "SkinManager.h"
#include "StillSeries.h"
#include "Texts.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <memory>

namespace {

// The map's size in the viewer, so both reports place a picture of the same shape.
constexpr QSize kMapSize(336, 252);

struct ReportOptions {
    bool log = false;
    QStringList inputs;
    qint64 index = 0;
    QString out;
    int perSecond = 0;  // 0: the frame alone
    int seconds = 0;
    QString title;
    QString comment;
    int dateFormat = 0;
    int units = 0;
};

bool number(const QString &text, int min, int max, int &out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    out = v;
    return true;
}

// Empty on success, else what is wrong with the arguments.
QString parse(const QStringList &args, ReportOptions &o)
{
    if (args.isEmpty() || (args[0] != u"event" && args[0] != u"log"))
        return QStringLiteral("report takes \"event\" or \"log\"");
    o.log = args[0] == u"log";
    QStringList positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--series" && !o.log && i + 2 < args.size()) {
            if (!number(args[++i], 1, 1000, o.perSecond) || !number(args[++i], 1, 86400, o.seconds))
                return QStringLiteral("--series takes PER_SECOND and SECONDS, both positive");
        } else if (a == u"--title" && hasValue) {
            o.title = args[++i];
        } else if (a == u"--comment" && hasValue) {
            o.comment = args[++i];
        } else if (a == u"--date-format" && hasValue) {
            if (!number(args[++i], 0, 2, o.dateFormat))
                return QStringLiteral("--date-format takes 0 to 2");
        } else if (a == u"--units" && hasValue) {
            if (!number(args[++i], 0, 2, o.units))
                return QStringLiteral("--units takes 0 to 2");
        } else if (a.startsWith(u"--")) {
            return QStringLiteral("unknown or incomplete option \"%1\"").arg(a);
        } else {
            positional.append(a);
        }
    }
    if (o.log ? positional.size() < 2 : positional.size() != 3)
        return o.log ? QStringLiteral("report log takes LOG... OUT.pdf")
                     : QStringLiteral("report event takes FILE.vdd INDEX OUT.pdf");
    o.out = positional.takeLast();
    if (!o.log) {
        bool ok = false;
        o.index = positional.takeLast().toLongLong(&ok);
        if (!ok)
            return QStringLiteral("bad frame index");
    }
    o.inputs = positional;
    if (QFileInfo(o.out).suffix().toLower() != u"pdf")
        return QStringLiteral("the output must end in .pdf");
    return {};
}

QImage grabbed(QWidget &widget)
{
    QImage image = widget.grab().toImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

int eventReport(const ReportOptions &o, SkinManager *skin, ReportPainter::Content &content, QObject *owner)
{
    const QFileInfo info(o.inputs[0]);
    FileVideo *video = FileVideo::create(info.path(), info.fileName(), FileVideo::Event, owner);
    if (!video)
        return CliCommands::fail(QStringLiteral("cannot open %1").arg(o.inputs[0]));
    const qint64 index = o.index == -1 ? video->frameCount() - 1 : o.index;
    if (index < 0 || index >= video->frameCount())
        return CliCommands::fail(QStringLiteral("%1 has no frame %2").arg(o.inputs[0]).arg(o.index));
    video->gotoFrame(index);
    content.video = video;
    content.indices = {index};
    if (o.perSecond > 0) {
        const int step = StillSeries::step(StillSeries::framesPerSecond(*video, index), o.perSecond);
        content.indices = StillSeries::indices(*video, index, step, o.seconds);
    }
    SkinGraph graph(skin, nullptr);
    graph.loadWithFileVideo(video, index);
    content.graph = grabbed(graph);
    content.map = RoutePicture::ofVideo(*video, index, kMapSize);
    return 0;
}

int logReport(const ReportOptions &o, SkinManager *skin, ReportPainter::Content &content, QObject *owner)
{
    QList<FileLog *> logs;
    for (const QString &path : o.inputs) {
        const QFileInfo info(path);
        FileLog *log = FileLog::create(info.path(), info.fileName(), owner);
        if (!log || log->count() == 0)
            return CliCommands::fail(QStringLiteral("cannot read %1").arg(path));
        logs.append(log);
    }
    content.log = logs.first();
    SkinGraph graph(skin, nullptr);
    graph.loadWithFileLog(content.log, 0);
    content.graph = grabbed(graph);
    SkinLogGraph logGraph;
    logGraph.resize(640, 135);
    logGraph.loadWithFileLogs(logs);
    logGraph.setFileLog(content.log, 0);
    content.logGraph = grabbed(logGraph);
    content.map = RoutePicture::ofLogs(logs, content.log, 0, kMapSize);
    return 0;
}

} // namespace

QString ReportCommand::usageText()
{
    return QStringLiteral(
        "  report event FILE.vdd INDEX OUT.pdf [--series PER_SECOND SECONDS] [--title T] [--comment C]\n"
        "  report log LOG... OUT.pdf [--title T] [--comment C]\n"
        "         [--date-format 0-2] [--units 0-2]   an event or log report as a PDF\n");
}

int ReportCommand::run(const QStringList &args)
{
    ReportOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return CliCommands::fail(QStringLiteral("report needs the widget application object"));

    Texts::install(QLocale(QLocale::English));
    FileManager::setDisplaySettings(o.dateFormat, o.units, 0);
    std::unique_ptr<SkinManager> skin = SkinManager::create();
    if (!skin)
        return CliCommands::fail(QStringLiteral("cannot load the skin"));
    QObject owner;
    ReportPainter::Content content;
    content.title = o.title;
    content.comment = o.comment;
    if (int failed = o.log ? logReport(o, skin.get(), content, &owner)
                           : eventReport(o, skin.get(), content, &owner))
        return failed;
    const ReportPainter report(content);
    QString error;
    if (!report.writePdf(o.out, {}, &error))
        return CliCommands::writeFailed(o.out, error);

    JsonWriter json;
    json.beginObject();
    json.field("file", o.out);
    json.field("pages", report.pageCount());
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
