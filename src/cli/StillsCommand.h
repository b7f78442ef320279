// The "stills" command: one frame of a recording, or a series from it, saved as JPEG
// stills into a folder as the still-picture window would.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class StillsCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
