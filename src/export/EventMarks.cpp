#include "EventMarks.h"

#include "Geometry.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

void EventMarks::setEvents(const DrivingEvents::Events &events)
{
    _marks.clear();
    for (const DrivingEvents::Event &e : events)
        _marks.push_back({e.startIndex, e.kind});
}

QRectF EventMarks::iconBox(double x, double tipY)
{
    return QRectF(x - IconSize / 2, tipY, IconSize, IconSize);
}

void EventMarks::draw(QPainter &painter, qreal height, double tipY, const XOf &xOf) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    for (const Mark &m : _marks) {
        const double x = xOf(m.index);
        if (std::isnan(x))
            continue;
        // A pin: a disc over a point at the event's start.
        const QRectF box = Geometry::toQt(iconBox(x, tipY), height);
        painter.setBrush(DrivingEvents::colourOf(m.kind));
        painter.drawPolygon(QPolygonF({QPointF(box.center().x() - 2.5, box.bottom() - 3),
                                       QPointF(box.center().x() + 2.5, box.bottom() - 3),
                                       QPointF(box.center().x(), box.bottom() + 1)}));
        painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -2.5));
    }
    painter.restore();
}

qint64 EventMarks::indexAt(const QPointF &p, double tipY, const XOf &xOf) const
{
    for (const Mark &m : _marks) {
        const double x = xOf(m.index);
        if (!std::isnan(x) && iconBox(x, tipY).adjusted(-1, -1, 1, 1).contains(p))
            return m.index;
    }
    return -1;
}
