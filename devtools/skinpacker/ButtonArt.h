// Four-state button strips. Each state is drawn over the piece of background the button
// covers, so the opaque BMP blends into the window. Push buttons: normal, pressed, hover,
// disabled. Check buttons: off, off with the mouse inside, on, on with the mouse inside.
#pragma once

#include "SkinSource.h"

#include <QImage>

class ButtonArt {
public:
    enum class Face { Normal, Pressed, Hover, Disabled };

    // backdrop: the background under the button, of the button's size.
    static QImage strip(const SkinItem &item, const QImage &backdrop);
    // One state as the user sees it (used by the previews too).
    static QImage state(const SkinItem &item, const QImage &backdrop, int index);
};
