#include "FormatCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "EjectCommand.h"
#include "FreshCard.h"
#include "JsonWriter.h"
#include "Texts.h"

namespace {

struct FormatOptions {
    QString device;
    QString id;
    bool yes = false;
    bool keepSettings = false;
};

QString parse(const QStringList &args, FormatOptions &o)
{
    CommandLine line(FormatCommand::command());
    if (!line.parse(args))
        return line.problem();
    o.id = line.value(QStringLiteral("id"));
    o.yes = line.isSet(QStringLiteral("yes"));
    o.keepSettings = line.isSet(QStringLiteral("keep-settings"));
    if (line.positional().size() != 1 || o.id.isEmpty())
        return QStringLiteral("format takes a device and --id ID (see \"devices\")");
    o.device = line.positional().first();
    return {};
}

} // namespace

const CliCommand &FormatCommand::command()
{
    static const CliCommand declaration{"format", "DEVICE --id ID --yes",
        "erases the USB disk DEVICE into a camera card when it is still the drive with that id",
        {{"id", "the drive's id as devices lists it", "ID"},
         {"yes", "confirms that everything on DEVICE is erased"},
         {"keep-settings", "keeps the card's camera settings"}},
        {}, {}, &FormatCommand::run};
    return declaration;
}

int FormatCommand::run(const QStringList &args)
{
    FormatOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty())
        return CliCommands::usage(problem);
    // Erasing is never a default: scripts say so.
    if (!o.yes)
        return CliCommands::fail(QStringLiteral("format erases everything on %1; add --yes to do it").arg(o.device));
    Texts::install(QLocale(QLocale::English));
    UsbManager manager(UsbManager::busFromEnvironment());
    QString why;
    const std::optional<UsbDisk> disk = EjectCommand::chosenDisk(manager, o.device, o.id, &why);
    if (!disk)
        return CliCommands::fail(why);
    QByteArray settings;
    if (o.keepSettings) {
        const std::optional<QByteArray> kept = FreshCard::readSettings(manager.mountPoint(*disk), &why);
        if (!kept)
            return CliCommands::fail(QStringLiteral("the settings of %1 cannot be kept: %2").arg(o.device, why));
        settings = *kept;
    }
    QString mountPoint;
    const bool formatted = EjectCommand::wait([&](QObject *context, const UsbManager::Done &done) {
        manager.formatDisk(*disk, UsbManager::cardLabel(), context, done);
    }, &mountPoint);
    if (!formatted)
        return CliCommands::fail(QStringLiteral("%1 was not formatted: %2").arg(o.device, mountPoint));
    if (!FreshCard::create(mountPoint, settings, &why))
        return CliCommands::fail(QStringLiteral("%1 was formatted but the camera's folders or settings are missing: %2")
                                     .arg(o.device, why));
    JsonWriter json;
    json.beginObject(JsonWriter::Layout::Inline);
    json.field(QStringLiteral("device"), o.device);
    json.field(QStringLiteral("volume"), UsbManager::cardLabel());
    json.field(QStringLiteral("mount"), mountPoint);
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
