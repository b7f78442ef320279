// The driving event marks of a graph or slider: a small icon per event at the frame or
// record where it starts, in the colour of its kind, that a click goes to.
//
// Positions are in the owner's bottom-left coordinates, as its other drawing.
#pragma once

#include "DrivingEvents.h"

#include <QPointF>
#include <QRectF>

#include <functional>
#include <vector>

class QPainter;

class EventMarks {
public:
    struct Mark {
        qint64 index = 0;
        DrivingEvents::Kind kind = DrivingEvents::Kind::Brake;
    };
    // The x of a frame or record, or a NaN when it is not shown.
    using XOf = std::function<double(qint64 index)>;

    void setEvents(const DrivingEvents::Events &events);
    void clear() { _marks.clear(); }
    const std::vector<Mark> &marks() const { return _marks; }

    // Draws every shown mark with its tip at (x, tipY), the icon above the tip.
    void draw(QPainter &painter, qreal height, double tipY, const XOf &xOf) const;
    // The index of the mark whose icon holds p, or -1.
    qint64 indexAt(const QPointF &p, double tipY, const XOf &xOf) const;

    static constexpr double IconSize = 9;
    static QRectF iconBox(double x, double tipY);

private:
    std::vector<Mark> _marks;
};
