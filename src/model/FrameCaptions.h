// The captions burnt into a movie frame: vehicle, date, G-sensor values, position and
// speed, in a bold 14-pixel font, yellow with a thin black outline.
#pragma once

#include "DisplayFormat.h"
#include "PrivacyZones.h"
#include "vexa_types.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class QPainter;

class FrameCaptions {
public:
    QString vehicle;  // empty: no vehicle line
    bool speed = false;
    bool date = false;
    bool latlng = false;
    bool sensor = false;
    DisplayFormat format;  // units of the speed line, zone and order of the date line
    PrivacyZones zones;    // a frame inside one shows no position line

    // One line of text and where its baseline starts, top-left origin.
    struct Line {
        QString text;
        QPointF baseline;
    };

    void draw(QImage &frame, const _vexa_video_frame_header_t &header) const;
    // The lines draw() paints on a picture of that size, in painting order.
    QList<Line> lines(const _vexa_video_frame_header_t &header, QSize size) const;
    static QFont font();
    static QPainterPath path(const Line &line);
    // Yellow with the thin black outline.
    static void paint(QPainter &painter, const QPainterPath &path);

    // Texts as drawn, exposed for checks.
    static QString latitudeText(double nmea);
    static QString longitudeText(double nmea);
    static QString speedText(const _vexa_video_frame_header_t &header, const DisplayFormat &format);
    // Where a caption line at height y (bottom-left origin) lands in an image of w x h.
    static QRectF lineRect(int y, int w, int h);
};
