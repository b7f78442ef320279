#include "CaptionGlyphs.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

void CaptionGlyphs::place(const QList<FrameCaptions::Line> &lines, QPointF shift,
                          const std::function<void(const Drawn &, QPoint)> &put)
{
    for (const FrameCaptions::Line &line : lines) {
        for (const Glyph &glyph : glyphs(line.text)) {
            const QPointF at = line.baseline + shift + glyph.offset;
            const QPoint origin(int(std::floor(at.x())), int(std::floor(at.y())));
            const int subX = std::min(kSubpixels - 1, int((at.x() - origin.x()) * kSubpixels));
            const int subY = std::min(kSubpixels - 1, int((at.y() - origin.y()) * kSubpixels));
            // Put at once: a later glyph may clear the cache.
            put(drawn(glyph, subX, subY), origin);
        }
    }
}

const QList<CaptionGlyphs::Glyph> &CaptionGlyphs::glyphs(const QString &text)
{
    if (auto found = _layouts.constFind(text); found != _layouts.cend())
        return *found;
    if (_layouts.size() >= kMaxCached)
        _layouts.clear();
    QTextLayout layout(text, FrameCaptions::font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<Glyph> glyphs;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        // Runs name their font; a caption needs one or two (a fallback for a sign).
        qsizetype font = _fonts.indexOf(run.rawFont());
        if (font < 0) {
            font = _fonts.size();
            _fonts.append(run.rawFont());
        }
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            glyphs.append({int(font), indexes[i], positions[i] - QPointF(0, line.ascent())});
    }
    return *_layouts.insert(text, glyphs);
}

const CaptionGlyphs::Drawn &CaptionGlyphs::drawn(const Glyph &glyph, int subX, int subY)
{
    const quint64 key = quint64(glyph.font) << 40 | quint64(glyph.index) << 8 | subX << 4 | subY;
    if (auto found = _drawn.constFind(key); found != _drawn.cend())
        return *found;
    if (_drawn.size() >= kMaxCached)
        _drawn.clear();
    QPainterPath path = _fonts[glyph.font].pathForGlyph(glyph.index);
    path.translate(qreal(subX) / kSubpixels, qreal(subY) / kSubpixels);
    // A margin for the outline; an empty glyph (a space) still gets a small picture.
    const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
    Drawn d{QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied), bounds.topLeft(), {}};
    d.image.fill(Qt::transparent);
    {
        QPainter painter(&d.image);
        painter.translate(-bounds.topLeft());
        FrameCaptions::paint(painter, path);
    }
    if (_form == Form::Dots) {
        d.dots = dotsOf(d.image, d.offset);
        d.image = QImage();
    }
    return *_drawn.insert(key, std::move(d));
}

// The picture's premultiplied colour is the part a pixel adds.
std::vector<CaptionGlyphs::Dot> CaptionGlyphs::dotsOf(const QImage &image, QPoint topLeft)
{
    std::vector<Dot> dots;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0)
                continue;
            const int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
            dots.push_back({int16_t(x + topLeft.x()), int16_t(y + topLeft.y()), uint8_t(255 - a),
                            int16_t((77 * r + 150 * g + 29 * b) >> 8),
                            int16_t(128 * a / 255 + ((-43 * r - 85 * g + 128 * b) >> 8)),
                            int16_t(128 * a / 255 + ((128 * r - 107 * g - 21 * b) >> 8))});
        }
    }
    return dots;
}
