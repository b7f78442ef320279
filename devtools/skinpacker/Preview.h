// Pictures of the built skin for the documentation: the window as it looks with its
// buttons, and the same with every skin rectangle outlined and numbered.
#pragma once

#include "SkinPacker.h"

#include <QImage>

class Preview {
public:
    static QImage window(const SkinPacker &packer);
    static QImage layout(const SkinPacker &packer);
};
