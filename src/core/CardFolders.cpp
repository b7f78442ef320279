#include "CardFolders.h"

#include <sys/stat.h>

std::string CardFolders::linkedFolder(const std::string &card)
{
    for (const char *folder : {"config", "CH1", "CH1/event", "CH1/normal", "log"})
        if (isLink(card + '/' + folder))
            return folder;
    return {};
}

bool CardFolders::isLink(const std::string &path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}
