// Vector symbols of the buttons, designed on a 24 x 24 grid and scaled into a box.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

class IconPainter {
public:
    // Paints the named symbol centred in box; false for an unknown name.
    static bool paint(QPainter &painter, const QString &name, const QRectF &box, const QColor &color);
    static bool knows(const QString &name);
};
