// Writes a fuzz input to a private temporary file, since the readers take paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzFile {
public:
    FuzzFile(const uint8_t *data, size_t size, const char *suffix);
    ~FuzzFile();
    const std::string &path() const { return path_; }
    const std::string &dir() const { return dir_; }

private:
    std::string dir_;
    std::string path_;
};
