#include "IniFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string_view>
#include <system_error>

IniFile::IniFile(const std::string &path) : _info(readWithPath(path))
{
}

std::map<std::string, std::string> IniFile::readWithPath(const std::string &path, std::string *error)
{
    std::string why;
    std::string text;
    // Plain stdio: a stream would throw on a read error such as a directory given as the path.
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        why = "cannot open " + path + ": " + std::generic_category().message(errno);
    } else {
        char chunk[4096];
        size_t got;
        while (text.size() <= max_size && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            text.append(chunk, got);
        if (std::ferror(file))
            why = "cannot read " + path;
        else if (text.size() > max_size)
            why = path + " is larger than " + std::to_string(max_size / 1024) + " KB";
        std::fclose(file);
    }
    if (error)
        *error = why;
    return why.empty() ? parse(text) : std::map<std::string, std::string>();
}

std::map<std::string, std::string> IniFile::parse(const std::string &text)
{
    // Each line keeps its own ending: the camera writes CR LF, hand edits add bare LF.
    std::map<std::string, std::string> info;
    size_t from = text.find('\n');  // the section header line is skipped
    while (from != std::string::npos) {
        ++from;
        const size_t end = text.find('\n', from);
        std::string_view line = std::string_view(text).substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            const std::string_view rest = line.substr(equals + 1);
            info.insert_or_assign(std::string(line.substr(0, equals)), std::string(rest.substr(0, rest.find('='))));
        }
        from = end;
    }
    return info;
}

std::string IniFile::stringForKey(const std::string &key) const
{
    const auto it = _info.find(key);
    return it == _info.end() ? std::string() : it->second;
}

long IniFile::integerForKey(const std::string &key, long defValue) const
{
    const auto it = _info.find(key);
    return it == _info.end() ? defValue : leadingInteger(it->second);
}

long IniFile::leadingInteger(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned long v = 0;
    const unsigned long limit = negative ? 0UL - (unsigned long)LONG_MIN : (unsigned long)LONG_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const unsigned digit = unsigned(text[i] - '0');
        if (v > (limit - digit) / 10)
            return negative ? LONG_MIN : LONG_MAX;  // saturates like strtol
        v = v * 10 + digit;
    }
    return negative ? long(0UL - v) : long(v);
}
