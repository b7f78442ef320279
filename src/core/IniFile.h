// The camera's KEY=VALUE text files ("[SET]" header line; each line ends in CR LF or LF).
#pragma once

#include <map>
#include <string>
#include <utility>

class IniFile {
public:
    explicit IniFile(const std::string &path);
    explicit IniFile(std::map<std::string, std::string> info) : _info(std::move(info)) {}

    // A settings file is a few hundred bytes; anything larger is refused unread.
    static constexpr size_t max_size = 64 * 1024;

    // Key to value text; empty when the file cannot be read or is larger than max_size
    // (error, when given, then says why).
    static std::map<std::string, std::string> readWithPath(const std::string &path, std::string *error = nullptr);
    static std::map<std::string, std::string> parse(const std::string &text);

    std::string stringForKey(const std::string &key) const;
    long integerForKey(const std::string &key, long defValue) const;
    bool contains(const std::string &key) const { return _info.count(key) != 0; }
    const std::map<std::string, std::string> &info() const { return _info; }

    // Optional blanks and sign, then decimal digits; 0 when there are none.
    static long leadingInteger(const std::string &text);

private:
    std::map<std::string, std::string> _info;
};
