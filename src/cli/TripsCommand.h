// The "trips" command: a card's recordings and logs as trips, split where the gap between
// files exceeds --gap seconds, each with its figures, driving events and files.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class TripsCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
