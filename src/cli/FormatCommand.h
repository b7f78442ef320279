// The "format" command: erases one USB card for the camera exactly as the format window does,
// only when DEVICE is still the drive the caller names with --id.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class FormatCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
