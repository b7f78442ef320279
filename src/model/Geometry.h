// The one conversion between the window's bottom-left-origin rectangles (as the skin and
// the layout give them, y growing upwards) and Qt's top-left geometry.
#pragma once

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

// The inverse: Qt geometry back to bottom-left-origin numbers (the same formula).
inline QRect fromQt(const QRect &r, int parentHeight) { return toQt(r, parentHeight); }
inline QRectF fromQt(const QRectF &r, qreal parentHeight) { return toQt(r, parentHeight); }

} // namespace Geometry
