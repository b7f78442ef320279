// The "report" command: an event or log report as a PDF, with the graph pictures drawn by
// the viewer's own graph widgets off screen and the route drawn on a plain background.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class ReportCommand {
public:
    // Needs a QApplication (the graphs are widgets).
    static int run(const QStringList &args);
    static const CliCommand &command();
};
