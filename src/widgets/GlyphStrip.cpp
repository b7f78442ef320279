#include "GlyphStrip.h"

#include "Geometry.h"
#include "SkinManager.h"

#include <QPainter>

GlyphStrip::GlyphStrip(const QString &resourceName, int count)
    : _glyphs(SkinManager::resourceImageArray(resourceName, count))
{
    if (_glyphs.size() != count)
        _glyphs.clear();
}

QImage GlyphStrip::glyph(int index) const
{
    if (index < 0 || index >= _glyphs.size())
        return {};
    return _glyphs.at(index);
}

int GlyphStrip::width(int index) const
{
    if (index >= 0 && index < _glyphs.size())
        return _glyphs.at(index).width();
    return _glyphs.isEmpty() ? 0 : _glyphs.first().width();
}

int GlyphStrip::height(int index) const
{
    if (index >= 0 && index < _glyphs.size())
        return _glyphs.at(index).height();
    return _glyphs.isEmpty() ? 0 : _glyphs.first().height();
}

int GlyphStrip::draw(QPainter &painter, int index, int x, int y, int viewHeight) const
{
    const QImage image = glyph(index);
    if (!image.isNull())
        painter.drawImage(Geometry::toQt(QRect(QPoint(x, y), image.size()), viewHeight).topLeft(), image);
    return x + width(index);
}

void GlyphStrip::drawScaled(QPainter &painter, int index, const QRect &box, int viewHeight) const
{
    const QImage image = glyph(index);
    if (!image.isNull())
        painter.drawImage(Geometry::toQt(box, viewHeight), image);
}
