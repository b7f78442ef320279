#include "ReportCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "DisplayFormat.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "JsonWriter.h"
#include "ReportPainter.h"
#include "ReportPictures.h"
#include "StillSeries.h"
#include "Texts.h"

#include <QGuiApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

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
    PrivacyZones zones;
};

// Empty on success, else what is wrong with the arguments.
QString parse(const QStringList &args, ReportOptions &o)
{
    CommandLine line(ReportCommand::command());
    if (!line.parse(args) || !line.number("date-format", 0, 2, o.dateFormat)
        || !line.number("units", 0, 2, o.units))
        return line.problem();
    if (QString problem; !CliOptions::privacyZones(line, o.zones, problem))
        return problem;
    QStringList positional = line.positional();
    if (positional.isEmpty() || (positional[0] != u"event" && positional[0] != u"log"))
        return QStringLiteral("report takes \"event\" or \"log\"");
    o.log = positional.takeFirst() == u"log";
    o.title = line.value("title");
    o.comment = line.value("comment");
    if (line.isSet("series")) {
        const QStringList series = line.values("series");
        bool perSecond = false, seconds = false;
        o.perSecond = series.value(0).toInt(&perSecond);
        o.seconds = series.value(1).toInt(&seconds);
        if (o.log || series.size() != 2 || !perSecond || !seconds || o.perSecond < 1
            || o.perSecond > 1000 || o.seconds < 1 || o.seconds > 86400)
            return QStringLiteral("--series takes PER_SECOND and SECONDS, both positive");
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

int eventReport(const ReportOptions &o, ReportPainter::Content &content, QObject *owner)
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
    ReportPictures::addVideo(content, *video, index);
    return 0;
}

int logReport(const ReportOptions &o, ReportPainter::Content &content, QObject *owner)
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
    ReportPictures::addLogs(content, logs, *content.log, 0, nullptr);
    return 0;
}

} // namespace

const CliCommand &ReportCommand::command()
{
    static const CliCommand declaration{
        "report", "event FILE.vdd INDEX OUT.pdf | log LOG... OUT.pdf",
        "an event or log report as a PDF (INDEX -1: the last frame)",
        {QCommandLineOption(QStringLiteral("series"), QStringLiteral("event reports: a page per still of a series from the frame"), QStringLiteral("PER_SECOND SECONDS")), QCommandLineOption(QStringLiteral("title"), QStringLiteral("the report's title"), QStringLiteral("T")), QCommandLineOption(QStringLiteral("comment"), QStringLiteral("the report's comment"), QStringLiteral("C")),
         CliOptions::dateFormat(), CliOptions::units(), CliOptions::privacy()},
        {{QStringLiteral("series"), 2}}, {}, &ReportCommand::run};
    return declaration;
}

int ReportCommand::run(const QStringList &args)
{
    ReportOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return CliCommands::fail(QStringLiteral("report needs the graphical application object"));

    Texts::install(QLocale(QLocale::English));
    QObject owner;
    ReportPainter::Content content;
    content.format = DisplayFormat(o.units, o.dateFormat);
    content.title = o.title;
    content.comment = o.comment;
    content.zones = o.zones;
    if (int failed = o.log ? logReport(o, content, &owner) : eventReport(o, content, &owner))
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
