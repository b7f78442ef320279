// The large pictures: the window background with its panels (key 0), the empty video
// picture (key 42), the file list background (key 48), and the log page as the search
// button sees it.
#pragma once

#include "SkinSource.h"

#include <QImage>

class BackgroundArt {
public:
    static QImage window(const SkinSource &source);
    static QImage noVideo(const QSize &size);
    static QImage listPage(const QSize &size);
    static QImage logPage(const QSize &size);
    // The named picture of an image item; null for an unknown name.
    static QImage forItem(const SkinSource &source, const SkinItem &item);
};
