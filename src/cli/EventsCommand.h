// The "events" command: the driving events of recordings and logs, one list sorted by start.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class EventsCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
