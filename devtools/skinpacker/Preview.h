// Pictures of the built skin for the documentation: the window as it looks with its
// buttons, the same with every skin rectangle outlined and numbered, and a sheet of all
// button states.
#pragma once

#include "SkinPacker.h"

#include <QImage>

class Preview {
public:
    static QImage window(const SkinPacker &packer);
    static QImage layout(const SkinPacker &packer);
    // Every button's four states side by side, one button per row, magnified.
    static QImage buttonStates(const SkinPacker &packer);
};
