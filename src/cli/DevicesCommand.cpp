#include "DevicesCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "JsonWriter.h"
#include "UsbManager.h"

const CliCommand &DevicesCommand::command()
{
    static const CliCommand declaration{
        "devices", "", "USB disks that can be formatted or ejected (needs UDisks2)", {}, {}, {},
        &DevicesCommand::run};
    return declaration;
}

int DevicesCommand::run(const QStringList &args)
{
    CommandLine line(command());
    if (!line.parse(args))
        return CliCommands::usage(line.problem());
    if (!line.positional().isEmpty())
        return CliCommands::usage(QStringLiteral("devices takes no arguments"));
    UsbManager manager(UsbManager::busFromEnvironment());
    const bool available = manager.waitUntilReady();
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("disks"));
    json.beginArray();
    for (const UsbDisk &disk : manager.disks()) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.field(QStringLiteral("device"), disk.device);
        json.field(QStringLiteral("name"), disk.name);
        json.field(QStringLiteral("id"), disk.id);
        json.key(QStringLiteral("volume"));
        if (const QString volume = manager.volumeName(disk); volume.isEmpty())
            json.null();
        else
            json.value(volume);
        json.field(QStringLiteral("size"), int64_t(disk.size));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    CliCommands::print(json.finish());
    // The empty list still prints, so scripts read the same shape; the status says why.
    return available ? 0 : CliCommands::fail(manager.errorString());
}
