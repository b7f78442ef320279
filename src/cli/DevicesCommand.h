// The "devices" command: the USB disks the viewer would offer to format or eject.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class DevicesCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
