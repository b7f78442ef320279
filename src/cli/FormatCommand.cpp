#include "FormatCommand.h"

#include "CliCommands.h"
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
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--id" && i + 1 < args.size())
            o.id = args[++i];
        else if (args[i] == u"--yes")
            o.yes = true;
        else if (args[i] == u"--keep-settings")
            o.keepSettings = true;
        else if (args[i].startsWith(u"--") || !o.device.isEmpty())
            return QStringLiteral("unexpected \"%1\"").arg(args[i]);
        else
            o.device = args[i];
    }
    if (o.device.isEmpty() || o.id.isEmpty())
        return QStringLiteral("format takes a device and --id ID (see \"devices\")");
    return {};
}

} // namespace

QString FormatCommand::usageText()
{
    return QStringLiteral(
        "  format DEVICE --id ID --yes [--keep-settings]\n"
        "                                           erases the USB disk DEVICE into a camera card when it\n"
        "                                           is still the drive with that id; --keep-settings keeps\n"
        "                                           the card's camera settings\n");
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
