// The one conversion between the window's bottom-left-origin rectangles (as the skin and
// the layout give them, y growing upwards) and Qt's top-left geometry.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

namespace Geometry {

// A bottom-left-origin rectangle inside a parent of height parentHeight, as Qt geometry.
inline QRect toQt(const QRect &r, int parentHeight)
{
    return QRect(r.x(), parentHeight - r.y() - r.height(), r.width(), r.height());
}

inline QRectF toQt(const QRectF &r, qreal parentHeight)
{
    return QRectF(r.x(), parentHeight - r.y() - r.height(), r.width(), r.height());
}

// A bottom-left-origin point of a view of the given height, as a Qt point; graphs draw their
// paths through this.
inline QPointF toQt(const QPointF &p, qreal parentHeight)
{
    return QPointF(p.x(), parentHeight - p.y());
}

// The inverse: Qt geometry back to bottom-left-origin numbers (the same formula).
inline QRect fromQt(const QRect &r, int parentHeight) { return toQt(r, parentHeight); }
inline QRectF fromQt(const QRectF &r, qreal parentHeight) { return toQt(r, parentHeight); }
inline QPointF fromQt(const QPointF &p, qreal parentHeight) { return toQt(p, parentHeight); }

} // namespace Geometry
