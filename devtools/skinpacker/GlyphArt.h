// Glyph strips of the instruments: seven-segment digits, separators, weekday and compass
// letters, lit on black, each glyph in an equal slice of the strip.
#pragma once

#include "SkinSource.h"

#include <QImage>

class GlyphArt {
public:
    // Null image for an unknown art name.
    static QImage strip(const StripSpec &entry);
};
