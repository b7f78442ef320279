// The "eject" command: unmounts and ejects one USB card as the eject window does, only when
// DEVICE is still the drive the caller names with --id.
#pragma once

#include "CliCommand.h"
#include "UsbManager.h"

#include <QString>
#include <QStringList>

#include <optional>

class EjectCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();

    // The listed disk at device carrying id; nothing, with why, when there is none.
    static std::optional<UsbDisk> chosenDisk(UsbManager &manager, const QString &device, const QString &id,
        QString *why);
    // Runs an operation of the manager until it calls back.
    static bool wait(const std::function<void(QObject *context, const UsbManager::Done &done)> &start,
        QString *text);
};
