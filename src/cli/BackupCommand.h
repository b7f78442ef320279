// The "backup" command: copies a card's recordings, logs and configuration files into a
// backup folder, as the backup window does.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class BackupCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
