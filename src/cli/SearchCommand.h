// The "search" command: the log page's search over logs given on the command line, with
// the page's check boxes and thresholds as options; the rows the page would list.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class SearchCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
