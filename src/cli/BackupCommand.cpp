#include "BackupCommand.h"

#include "BackupCopier.h"
#include "CliCommands.h"
#include "CommandLine.h"
#include "FileManager.h"
#include "JsonWriter.h"

#include <QFileInfo>

#include <cstdio>

namespace {

struct BackupOptions {
    QString card;
    QString destination;
    bool all = false;
    BackupCopier::Sources sources;
};

// NAME is a file below the list's folder; the extension may be left out.
QString pathOf(const QString &card, const QString &folder, const QString &name, const char *extension)
{
    const QString path = card + u'/' + folder + u'/' + name;
    return QFileInfo(name).suffix().isEmpty() ? path + u'.' + QLatin1String(extension) : path;
}

QString parse(const QStringList &args, BackupOptions &o)
{
    CommandLine line(BackupCommand::command());
    if (!line.parse(args))
        return line.problem();
    o.all = line.isSet("all");
    o.sources.event = line.values("event");
    o.sources.normal = line.values("normal");
    o.sources.log = line.values("log");
    const QStringList plain = line.positional();
    if (plain.size() != 2)
        return QStringLiteral("backup takes a card folder and a backup folder");
    o.card = plain[0];
    o.destination = plain[1];
    if (!o.all && o.sources.isEmpty())
        return QStringLiteral("backup needs --all or the names of files to copy");
    return {};
}

void resolve(BackupOptions &o)
{
    if (o.all) {
        o.sources = BackupCopier::wholeCard(o.card);
        return;
    }
    for (QString &name : o.sources.event)
        name = pathOf(o.card, QStringLiteral("CH1/event"), name, "vdd");
    for (QString &name : o.sources.normal)
        name = pathOf(o.card, QStringLiteral("CH1/normal"), name, "vdd");
    for (QString &name : o.sources.log)
        name = pathOf(o.card, QStringLiteral("log"), name, "log");
    o.sources.cardRoot = o.card;
}

} // namespace

const CliCommand &BackupCommand::command()
{
    static const CliCommand declaration{
        "backup", "CARD DEST",
        "copies recordings (with sidecars), logs and the card's configuration files into DEST; "
        "exit 1 when anything failed (\"skipped\": files the card lacks)",
        {QCommandLineOption(QStringLiteral("all"), QStringLiteral("the whole card")), QCommandLineOption(QStringLiteral("event"), QStringLiteral("event recordings, by name"), QStringLiteral("NAME...")), QCommandLineOption(QStringLiteral("normal"), QStringLiteral("normal recordings, by name"), QStringLiteral("NAME...")), QCommandLineOption(QStringLiteral("log"), QStringLiteral("driving logs, by name"), QStringLiteral("NAME..."))},
        {{QStringLiteral("event"), -1}, {QStringLiteral("normal"), -1}, {QStringLiteral("log"), -1}},
        {}, &BackupCommand::run};
    return declaration;
}

int BackupCommand::run(const QStringList &args)
{
    BackupOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    if (!FileManager::checkFolder(o.card))
        return CliCommands::fail(QStringLiteral("%1 is not a card folder").arg(o.card));
    resolve(o);

    BackupCopier copier(o.sources, o.destination);
    const std::atomic_bool never{false};
    const bool ok = copier.run(never, [](qint64, qint64, const QString &) {});
    const BackupCopier::Result &r = copier.result();
    if (!r.error.isEmpty() && r.failed == 0)
        return CliCommands::fail(r.error);
    if (r.noSpace)
        return CliCommands::fail(QStringLiteral("the backup needs %1 bytes but %2 has only %3 bytes free")
                                     .arg(r.needed).arg(o.destination).arg(r.available));
    for (const QString &path : r.failedFiles)
        std::fprintf(stderr, "tumbo-cli: not copied: %s\n", CliCommands::nativePath(path).constData());
    if (!r.error.isEmpty())
        std::fprintf(stderr, "tumbo-cli: %s\n", r.error.toLocal8Bit().constData());

    JsonWriter json;
    json.beginObject();
    json.field("copied", int64_t(r.copied));
    json.field("skipped", int64_t(r.skipped));
    json.field("failed", int64_t(r.failed));
    json.field("bytes", int64_t(r.bytes));
    json.endObject();
    CliCommands::print(json.finish());
    return ok ? 0 : 1;
}
