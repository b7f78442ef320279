#include "EvidenceCommand.h"

#include "CliCommands.h"
#include "EvidencePackage.h"
#include "EvidenceVerifier.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "JsonWriter.h"
#include "SkinGraph.h"
#include "SkinManager.h"
#include "Texts.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <memory>

namespace {

struct EvidenceOptions {
    QString card;
    QStringList recordings;
    QString out;
    qint64 frame = -1;
    int margin = 60;
    QString operatorName;
    QString note;
};

QString parse(const QStringList &args, EvidenceOptions &o)
{
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (a == u"--frame" && hasValue) {
            o.frame = args[++i].toLongLong(&ok);
            ok = ok && o.frame >= 0;
        } else if (a == u"--margin" && hasValue) {
            o.margin = args[++i].toInt(&ok);
            ok = ok && o.margin >= 0 && o.margin <= 86400;
        } else if (a == u"--operator" && hasValue) {
            o.operatorName = args[++i];
        } else if (a == u"--note" && hasValue) {
            o.note = args[++i];
        } else if (a.startsWith(u"--")) {
            return QStringLiteral("unknown or incomplete option \"%1\"").arg(a);
        } else {
            positional.append(a);
        }
        if (!ok)
            return QStringLiteral("bad value for %1").arg(a);
    }
    if (positional.size() < 3)
        return QStringLiteral("evidence takes CARD RECORDING... OUTDIR");
    o.card = positional.takeFirst();
    o.out = positional.takeLast();
    o.recordings = positional;
    return {};
}

// The G-sensor graph as the viewer draws it, at the report's frame.
QImage graphOf(SkinManager *skin, const QString &path, qint64 frame)
{
    const QFileInfo info(path);
    std::unique_ptr<FileVideo> video(FileVideo::create(info.path(), info.fileName(), FileVideo::Event));
    if (!video || !skin)
        return {};
    const qint64 index = frame >= 0 ? frame : video->triggerList().value(0, 0);
    SkinGraph graph(skin, nullptr);
    graph.loadWithFileVideo(video.get(), std::min(index, video->frameCount() - 1));
    QImage image = graph.grab().toImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

void printList(JsonWriter &json, const char *name, const QStringList &paths)
{
    json.key(QString::fromLatin1(name));
    json.beginArray(JsonWriter::Layout::Inline);
    for (const QString &path : paths)
        json.value(path);
    json.endArray();
}

} // namespace

QString EvidenceCommand::usageText()
{
    return QStringLiteral(
        "  evidence CARD RECORDING.vdd... OUTDIR [--frame INDEX] [--margin SECONDS]\n"
        "           [--operator NAME] [--note TEXT]\n"
        "                                           an evidence package: hashed originals, derived\n"
        "                                           files, SHA256SUMS, manifest and certificate\n"
        "  verify FOLDER                            re-hashes an evidence package; exit 0 only when\n"
        "                                           every file matches and none is missing or unlisted\n");
}

int EvidenceCommand::run(const QStringList &args)
{
    EvidenceOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return CliCommands::fail(QStringLiteral("evidence needs the widget application object"));
    if (!FileManager::checkFolder(o.card))
        return CliCommands::fail(QStringLiteral("%1 is not a card folder").arg(o.card));
    Texts::install(QLocale(QLocale::English));
    const std::unique_ptr<SkinManager> skin = SkinManager::create();

    EvidencePackage::Options options;
    options.cardRoot = o.card;
    options.marginSeconds = o.margin;
    options.operatorName = o.operatorName;
    options.note = o.note;
    options.toolName = QStringLiteral("tumbo-cli");
    options.toolVersion = QCoreApplication::applicationVersion();
    options.recordings = EvidencePackage::cardRecordings(o.card);
    options.logs = EvidencePackage::cardLogs(o.card);
    for (const QString &path : o.recordings)
        options.chosen.append({path, o.frame, graphOf(skin.get(), path, o.frame)});

    EvidencePackage package(options);
    const std::atomic_bool never{false};
    const EvidencePackage::Result r = package.run(o.out, never);
    if (!r.ok)
        return CliCommands::fail(r.error);
    JsonWriter json;
    json.beginObject(JsonWriter::Layout::Inline);
    json.field("folder", r.folder);
    json.field("files", int64_t(r.files));
    json.field("bytes", int64_t(r.bytes));
    json.field("sha256sums", QString::fromLatin1(r.sha256sums));
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}

int EvidenceCommand::verify(const QStringList &args)
{
    if (args.size() != 1)
        return CliCommands::usage(QStringLiteral("verify takes the package folder"));
    const std::atomic_bool never{false};
    const EvidenceVerifier::Result r = EvidenceVerifier::check(args[0], never);
    if (!r.error.isEmpty())
        return CliCommands::fail(r.error);
    JsonWriter json;
    json.beginObject(JsonWriter::Layout::Inline);
    json.field("ok", r.ok);
    json.field("checked", int64_t(r.checked));
    printList(json, "mismatched", r.mismatched);
    printList(json, "missing", r.missing);
    printList(json, "unlisted", r.unlisted);
    json.endObject();
    CliCommands::print(json.finish());
    return r.ok ? 0 : 1;
}
