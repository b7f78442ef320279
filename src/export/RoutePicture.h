// A plain picture of a route for places where the map page cannot be shown (the command
// line): the fixes as a line on a light background, with the chosen position marked.
#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>

class FileLog;
class FileVideo;

namespace RoutePicture {
// Points are (longitude, latitude) in decimal degrees; current indexes points, -1 for none.
QImage draw(const QList<QPointF> &points, qsizetype current, QSize size);
// The recording's fixes, the frame at index marked.
QImage ofVideo(const FileVideo &video, qint64 index, QSize size);
// The logs' fixes, the given log's record marked.
QImage ofLogs(const QList<FileLog *> &logs, const FileLog *log, qint64 record, QSize size);
} // namespace RoutePicture
