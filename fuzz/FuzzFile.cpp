#include "FuzzFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

FuzzFile::FuzzFile(const uint8_t *data, size_t size, const char *suffix)
{
    static std::string base;
    if (base.empty()) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tumbo-fuzz-XXXXXX").string();
        if (!mkdtemp(tmpl.data()))
            std::abort();
        base = tmpl;
    }
    dir_ = base;
    path_ = base + "/input" + suffix;
    FILE *f = std::fopen(path_.c_str(), "wb");
    if (!f)
        std::abort();
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

FuzzFile::~FuzzFile()
{
    unlink(path_.c_str());
}
