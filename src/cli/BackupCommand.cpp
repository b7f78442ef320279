#include "BackupCommand.h"

#include "BackupCopier.h"
#include "CliCommands.h"
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
    QStringList *list = nullptr;
    QStringList plain;
    for (const QString &arg : args) {
        if (arg == u"--all") {
            o.all = true;
            list = nullptr;
        } else if (arg == u"--event" || arg == u"--normal" || arg == u"--log") {
            list = arg == u"--event" ? &o.sources.event : arg == u"--normal" ? &o.sources.normal : &o.sources.log;
        } else if (arg.startsWith(u"--")) {
            return QStringLiteral("unknown option \"%1\"").arg(arg);
        } else if (list) {
            list->append(arg);
        } else {
            plain.append(arg);
        }
    }
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

QString BackupCommand::usageText()
{
    return QStringLiteral(
        "  backup CARD DEST [--all] [--event NAME...] [--normal NAME...] [--log NAME...]\n"
        "                                           copies recordings (with sidecars), logs and the\n"
        "                                           card's configuration files into DEST; exit 1 when\n"
        "                                           anything failed (\"skipped\": files the card lacks)\n");
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
    json.beginObject(JsonWriter::Layout::Inline);
    json.field("copied", int64_t(r.copied));
    json.field("skipped", int64_t(r.skipped));
    json.field("failed", int64_t(r.failed));
    json.field("bytes", int64_t(r.bytes));
    json.endObject();
    CliCommands::print(json.finish());
    return ok ? 0 : 1;
}
