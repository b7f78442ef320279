// A plain picture of a route for places where the map page cannot be shown (the command
// line): the fixes as a line on a light background, with the chosen position marked.
// Positions inside a privacy zone are left out and the line breaks there.
#pragma once

#include "PrivacyZones.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>

class FileLog;
class FileVideo;

namespace RoutePicture {
// Points are (longitude, latitude) in decimal degrees; current indexes points, -1 for none.
// breaks lists the points that start a new piece of line.
QImage draw(const QList<QPointF> &points, qsizetype current, QSize size, const QList<qsizetype> &breaks = {});
// The recording's fixes, the frame at index marked unless a zone hides it.
QImage ofVideo(const FileVideo &video, qint64 index, QSize size, const PrivacyZones &zones = {});
// The logs' fixes, the given log's record marked unless a zone hides it.
QImage ofLogs(const QList<FileLog *> &logs, const FileLog *log, qint64 record, QSize size,
              const PrivacyZones &zones = {});
} // namespace RoutePicture
