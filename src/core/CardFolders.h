// The folders the camera keeps on a card. A card may carry a symbolic link where one of them
// belongs; nothing may be written or deleted through it, since it can lead anywhere.
#pragma once

#include <string>

class CardFolders {
public:
    // The first of "config", "CH1", "CH1/event", "CH1/normal" and "log" below card that is a
    // symbolic link, or "" when none is (a missing folder is none).
    static std::string linkedFolder(const std::string &card);
    // Whether path itself (not what it leads to) is a symbolic link.
    static bool isLink(const std::string &path);
};
