#include "TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string tmpl = (fs::temp_directory_path() / "tumbo-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void writeFile(const std::string &path, const Bytes &bytes)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

void writeText(const std::string &path, const std::string &text)
{
    writeFile(path, Bytes(text.begin(), text.end()));
}

Bytes readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string timeText(const _vexa_time_t &t)
{
    char b[48];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d:%02d.%03d w%d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second, t.millisecond, t.day_of_week);
    return b;
}

namespace {

template <typename T> void put(Bytes &b, size_t at, T v)
{
    std::memcpy(b.data() + at, &v, sizeof v);
}

void segment(Bytes &b, uint8_t marker, const Bytes &body)
{
    const size_t len = body.size() + 2;
    b.insert(b.end(), {0xFF, marker, uint8_t(len >> 8), uint8_t(len & 0xFF)});
    append(b, body);
}

} // namespace

Bytes makePayload(const Payload &p)
{
    Bytes b(VEXA_COMMENT_SIZE, 0);
    b[0] = uint8_t(p.year - 2000);
    b[1] = uint8_t(p.month);
    b[2] = uint8_t(p.day);
    b[3] = uint8_t(p.hour);
    b[4] = uint8_t(p.minute);
    b[5] = uint8_t(p.second);
    b[6] = uint8_t(p.frame);
    put<uint16_t>(b, 9, uint16_t(p.aux_64));
    b[11] = uint8_t(p.phase);
    b[12] = uint8_t(p.gps_valid);
    put<uint16_t>(b, 16, uint16_t(p.fps));
    put<double>(b, 21, p.latitude);
    put<double>(b, 29, p.longitude);
    put<uint16_t>(b, 37, uint16_t(p.altitude));
    b[39] = uint8_t(p.speed);
    put<uint16_t>(b, 40, uint16_t(p.course));
    b[42] = uint8_t(p.aux_60);
    b[43] = uint8_t(p.aux_61);
    b[44] = uint8_t(p.event_type);
    put<int16_t>(b, 45, int16_t(p.gx));
    put<int16_t>(b, 47, int16_t(p.gy));
    put<int16_t>(b, 49, int16_t(p.gz));
    put<uint16_t>(b, 52, uint16_t(p.year));
    b[54] = uint8_t(p.month);
    b[55] = uint8_t(p.day);
    b[56] = uint8_t(p.hour);
    b[57] = uint8_t(p.minute);
    b[58] = uint8_t(p.second);
    return b;
}

Bytes makePicture(const Bytes *payload, size_t scanBytes)
{
    Bytes b{0xFF, 0xD8};
    segment(b, 0xE0, Bytes{'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    if (payload)
        segment(b, 0xFE, *payload);
    segment(b, 0xDB, Bytes(65, 1));
    segment(b, 0xDA, Bytes{1, 1, 0, 0, 63, 0});
    for (size_t i = 0; i < scanBytes; ++i)
        b.push_back(uint8_t(0x11 + i % 0x60));
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}

void append(Bytes &to, const Bytes &from)
{
    to.insert(to.end(), from.begin(), from.end());
}
