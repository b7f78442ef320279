// The "render" command: one frame of a recording as the movie export draws it, with the
// flip and the captions, written to a JPEG or PNG file.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class RenderCommand {
public:
    // Needs a QGuiApplication (captions are drawn with fonts).
    static int run(const QStringList &args);
    static const CliCommand &command();
};
