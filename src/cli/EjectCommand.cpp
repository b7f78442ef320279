#include "EjectCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "JsonWriter.h"
#include "Texts.h"

#include <QEventLoop>

namespace {

struct EjectOptions {
    QString device;
    QString id;
};

QString parse(const QStringList &args, EjectOptions &o)
{
    CommandLine line(EjectCommand::command());
    if (!line.parse(args))
        return line.problem();
    o.id = line.value(QStringLiteral("id"));
    if (line.positional().size() != 1 || o.id.isEmpty())
        return QStringLiteral("eject takes a device and --id ID (see \"devices\")");
    o.device = line.positional().first();
    return {};
}

} // namespace

const CliCommand &EjectCommand::command()
{
    static const CliCommand declaration{"eject", "DEVICE --id ID",
        "unmounts and ejects the USB disk DEVICE (such as /dev/sdb) when it is still the drive with that id",
        {{"id", "the drive's id as devices lists it", "ID"}}, {}, {}, &EjectCommand::run};
    return declaration;
}

std::optional<UsbDisk> EjectCommand::chosenDisk(UsbManager &manager, const QString &device, const QString &id,
    QString *why)
{
    if (!manager.waitUntilReady()) {
        *why = manager.errorString();
        return std::nullopt;
    }
    const std::optional<UsbDisk> disk = manager.diskAt(device);
    if (!disk)
        *why = QStringLiteral("%1 is not a USB disk that can be formatted or ejected (see devices)").arg(device);
    else if (disk->id != id)
        *why = QStringLiteral("%1 is the drive \"%2\" (%3), not %4; nothing was changed")
                   .arg(device, disk->id, disk->name, id);
    return disk && disk->id == id ? disk : std::nullopt;
}

bool EjectCommand::wait(const std::function<void(QObject *, const UsbManager::Done &)> &start, QString *text)
{
    QEventLoop loop;
    bool finished = false, ok = false;
    start(&loop, [&](bool success, const QString &answer) {
        finished = true;
        ok = success;
        *text = answer;
        loop.quit();
    });
    if (!finished)
        loop.exec();
    return ok;
}

int EjectCommand::run(const QStringList &args)
{
    EjectOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    Texts::install(QLocale(QLocale::English));
    UsbManager manager(UsbManager::busFromEnvironment());
    QString why;
    const std::optional<UsbDisk> disk = chosenDisk(manager, o.device, o.id, &why);
    if (!disk)
        return CliCommands::fail(why);
    if (!wait([&](QObject *context, const UsbManager::Done &done) { manager.ejectDisk(*disk, context, done); }, &why))
        return CliCommands::fail(QStringLiteral("%1 was not ejected: %2").arg(o.device, why));
    JsonWriter json;
    json.beginObject(JsonWriter::Layout::Inline);
    json.field(QStringLiteral("device"), o.device);
    json.field(QStringLiteral("ejected"), true);
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
