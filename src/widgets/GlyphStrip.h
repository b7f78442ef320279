// One strip of bitmap glyphs cut into equal slices, with lookups that never leave the
// strip, drawn in the instruments' bottom-left coordinates.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QPainter;

class GlyphStrip {
public:
    GlyphStrip() = default;
    // The bundled strip of that name cut into count glyphs; empty when it is missing.
    GlyphStrip(const QString &resourceName, int count);
    explicit GlyphStrip(const QList<QImage> &glyphs) : _glyphs(glyphs) {}

    int count() const { return int(_glyphs.size()); }
    // Null outside the strip.
    QImage glyph(int index) const;
    // The width a glyph takes: its own, or glyph 0's for an index the strip lacks, so an
    // impossible value leaves an empty slot instead of shifting what follows.
    int width(int index) const;
    int height(int index) const;

    // Draws glyph index at its own size with its bottom-left corner at (x, y) of a view
    // viewHeight high, y growing upwards. Returns x + width(index).
    int draw(QPainter &painter, int index, int x, int y, int viewHeight) const;
    // Draws glyph index scaled into a bottom-left rectangle.
    void drawScaled(QPainter &painter, int index, const QRect &box, int viewHeight) const;

private:
    QList<QImage> _glyphs;
};
