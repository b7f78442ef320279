// The slider track and thumb and the two still pictures of the map area.
#pragma once

#include "SkinSource.h"

#include <QImage>

class PictureArt {
public:
    // Null image for an unknown art name.
    static QImage picture(const PictureSpec &entry);
};
