// Where a recording made during the loaded logs had its trigger: the log graph draws a
// guide there and the map shows a camera.
#pragma once

#include "FileVideo.h"

#include <QList>
#include <QMetaType>
#include <QPointer>

struct LogGuide {
    double x = 0;              // horizontal position in the log graph
    QPointer<FileVideo> file;  // the recording
    qint64 index = 0;          // its trigger frame
    qint64 msec = 0;           // that frame's time, time_to_msec
};

Q_DECLARE_METATYPE(LogGuide)
