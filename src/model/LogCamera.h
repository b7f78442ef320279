// A recording made during a driving log, as the map marks it: the frame whose position is
// drawn, and the moment (milliseconds, as the log graph keeps its times) a click goes back to.
#pragma once

#include "FileVideo.h"

#include <QPointer>

struct LogCamera {
    QPointer<FileVideo> file;
    qint64 index = 0;
    qint64 msec = 0;
};
