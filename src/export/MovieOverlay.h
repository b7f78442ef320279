// The graphic overlay of a movie frame: a speed gauge, a G-ball (the X/Y direction of the G
// vector as a dot, Z as a bar) and a mini-map of the route with the position, side by side
// in one panel laid over the picture's top-right corner, away from the camera's own time.
// The map leaves out the route and the position inside a privacy zone.
#pragma once

#include "DisplayFormat.h"
#include "PrivacyZones.h"
#include "vexa_types.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>

class vexa_vdd_file;

class MovieOverlay {
public:
    MovieOverlay() = default;
    // The route of the recording's fixes outside the zones; picture: the movie's picture size.
    MovieOverlay(const vexa_vdd_file &reader, QSize picture, const DisplayFormat &format,
                 const PrivacyZones &zones = {});

    bool isEmpty() const { return _side == 0; }
    // The panel for frame index, premultiplied ARGB, and where its top-left corner goes.
    QImage draw(const _vexa_video_frame_header_t &header, qint64 index) const;
    QPoint origin() const { return _origin; }

    // Each of the three squares of the panel for a picture of that size.
    static int side(QSize picture);

private:
    void drawGauge(QPainter &painter, const QRectF &box, const _vexa_video_frame_header_t &h) const;
    static void drawBall(QPainter &painter, const QRectF &box, const _vexa_video_frame_header_t &h);
    void drawMap(QPainter &painter, const QRectF &box, qint64 index) const;

    QList<QPointF> _route;           // (longitude, latitude) of each fix outside the zones
    QList<qsizetype> _breaks;        // the route points that start a piece after a zone
    QList<qint64> _fixFrames;        // the frame of each fix
    QList<qsizetype> _fixPoints;     // its route point, -1 inside a zone
    DisplayFormat _format;
    int _side = 0;
    QPoint _origin;
};
