#include "EvidenceCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "EvidencePackage.h"
#include "EvidenceVerifier.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "JsonWriter.h"
#include "Texts.h"

#include <QImage>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <limits>
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
    CommandLine line(EvidenceCommand::command());
    if (!line.parse(args) || !line.number("frame", 0, std::numeric_limits<qint64>::max(), o.frame)
        || !line.number("margin", 0, 86400, o.margin))
        return line.problem();
    o.operatorName = line.value(QStringLiteral("operator"));
    o.note = line.value(QStringLiteral("note"));
    QStringList positional = line.positional();
    if (positional.size() < 3)
        return QStringLiteral("evidence takes CARD RECORDING... OUTDIR");
    o.card = positional.takeFirst();
    o.out = positional.takeLast();
    o.recordings = positional;
    return {};
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

const CliCommand &EvidenceCommand::command()
{
    static const CliCommand declaration{"evidence", "CARD RECORDING.vdd... OUTDIR",
        "an evidence package: hashed originals, derived files, SHA256SUMS, manifest and certificate",
        {{"frame", "the frame of the still and the report (default: the first trigger, or 0)", "INDEX"},
         {"margin", "seconds of the card's recordings and logs kept before and after (default 60)", "SECONDS"},
         {"operator", "who made the package", "NAME"},
         {"note", "a note for the manifest and the certificate", "TEXT"}},
        {}, {}, &EvidenceCommand::run};
    return declaration;
}

const CliCommand &EvidenceCommand::verifyCommand()
{
    static const CliCommand declaration{"verify", "FOLDER",
        "re-hashes an evidence package; exit 0 only when every file matches and none is missing or unlisted",
        {}, {}, {}, &EvidenceCommand::verify};
    return declaration;
}

int EvidenceCommand::run(const QStringList &args)
{
    EvidenceOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!FileManager::checkFolder(o.card))
        return CliCommands::fail(QStringLiteral("%1 is not a card folder").arg(o.card));
    Texts::install(QLocale(QLocale::English));

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
        options.chosen.append({path, o.frame, QImage()});

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
    CommandLine line(verifyCommand());
    if (!line.parse(args))
        return CliCommands::usage(line.problem());
    if (line.positional().size() != 1)
        return CliCommands::usage(QStringLiteral("verify takes the package folder"));
    const std::atomic_bool never{false};
    const EvidenceVerifier::Result r = EvidenceVerifier::check(line.positional().first(), never);
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
