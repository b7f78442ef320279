// INI reader on arbitrary bytes, through the file path and through the text parser.
#include "FuzzFile.h"
#include "IniFile.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile input(data, size, ".ini");
    const IniFile ini(input.path());
    const std::string text(reinterpret_cast<const char *>(data), size);
    // Files over the size cap are refused unread.
    if (ini.info() != (size > IniFile::max_size ? std::map<std::string, std::string>() : IniFile::parse(text)))
        std::abort();
    for (const auto &[key, value] : ini.info()) {
        if (key.find('=') != std::string::npos || value.find('=') != std::string::npos)
            std::abort();
        ini.integerForKey(key, -1);
    }
    return 0;
}
