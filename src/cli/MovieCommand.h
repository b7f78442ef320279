// The "movie" command: a recording as a movie file, as the movie window writes it.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class MovieCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
