// The pictures of a printed report drawn from data, not taken from the screen: the G-sensor
// graph, the log graph and the route, at the sizes the report lays out. The viewer's print,
// the command line's report and the evidence certificate share them.
#pragma once

#include "ReportPainter.h"

#include <QImage>
#include <QList>
#include <QSize>

class FileLog;
class FileManager;
class FileVideo;
class GraphPicture;
class LogGraphPicture;

namespace ReportPictures {
inline constexpr QSize GraphSize(652, 186);
inline constexpr QSize LogGraphSize(640, 135);
// The map's size in the viewer, so the route has the shape of the map it stands for.
inline constexpr QSize MapSize(336, 252);

// A graph as it is shown (file, window, zoom), redrawn at the report's size.
QImage graph(const GraphPicture &shown);
QImage logGraph(const LogGraphPicture &shown);
// The route of a recording with a frame marked, or of the shown logs with their current record,
// leaving out what the zones hide.
QImage route(const FileVideo &video, qint64 index, const PrivacyZones &zones);
QImage route(const LogGraphPicture &shown, const PrivacyZones &zones);

// An event report's graph and route around a frame of the recording, labelled in the
// content's format; the route leaves out what the content's zones hide.
void addVideo(ReportPainter::Content &content, FileVideo &video, qint64 index, double zoom = 3.0);
// A log report's graph of one log at a record, the log graph of all logs and their route; the
// folder model (may be null) finds the recordings made meanwhile.
void addLogs(ReportPainter::Content &content, const QList<FileLog *> &logs, FileLog &log,
             qint64 record, FileManager *fileManager, double zoom = 3.0);
} // namespace ReportPictures
