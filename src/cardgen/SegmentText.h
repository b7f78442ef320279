// Draws digits, "-", ":" and "." as seven-segment shapes, so the pictures
// look the same on every machine whatever fonts it has.
#pragma once

#include <QPointF>
#include <QString>

class QPainter;

class SegmentText {
public:
    // Width of the text at the given character height.
    static double width(const QString &text, double height);
    // Draws the text with its top-left corner at the point in the painter's brush.
    static void draw(QPainter &painter, QPointF topLeft, double height, const QString &text);

private:
    static double advance(QChar c, double height);
    static void drawChar(QPainter &painter, QPointF at, double height, QChar c);
};
