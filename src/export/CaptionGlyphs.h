// Caption glyphs drawn once and placed on many frames. Caption texts change every frame,
// their glyphs do not: a line is laid out once per text, and each glyph is outlined with the
// viewer's caption painter once per quarter-pixel position.
#pragma once

#include "FrameCaptions.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRawFont>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class CaptionGlyphs {
public:
    // A pixel of a drawn picture: where it lies from the picture's whole-pixel origin, how
    // much of what is under it stays (of 255) and what it adds to Y, Cb and Cr.
    struct Dot {
        int16_t x, y;
        uint8_t keep;
        int16_t luma, cb, cr;
    };
    // An outlined glyph: a picture whose top-left lies offset from the glyph's whole-pixel
    // origin, or (Form::Dots) only its visible pixels.
    struct Drawn {
        QImage image;
        QPoint offset;
        std::vector<Dot> dots;
    };
    enum class Form { Image, Dots };

    explicit CaptionGlyphs(Form form) : _form(form) {}

    // Hands each glyph of the lines, moved by shift, to put with its whole-pixel origin.
    void place(const QList<FrameCaptions::Line> &lines, QPointF shift,
               const std::function<void(const Drawn &, QPoint)> &put);

    // The visible pixels of a premultiplied picture, in BT.601 full range.
    static std::vector<Dot> dotsOf(const QImage &image, QPoint topLeft);

private:
    struct Glyph {
        int font;  // in _fonts
        quint32 index;
        QPointF offset;  // from the start of the line's baseline
    };
    const QList<Glyph> &glyphs(const QString &text);
    const Drawn &drawn(const Glyph &glyph, int subX, int subY);

    static constexpr qsizetype kMaxCached = 1024;
    static constexpr int kSubpixels = 4;

    Form _form;
    QHash<QString, QList<Glyph>> _layouts;
    QList<QRawFont> _fonts;
    QHash<quint64, Drawn> _drawn;
};
