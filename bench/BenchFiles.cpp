#include "BenchFiles.h"

#include "vexa_telemetry.h"
#include "vexa_types.h"
#include "vexa_vdd_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint64_t target_vdd_size = 100u * 1000 * 1000;
constexpr int fps = 30;
constexpr int log_seconds = 3600;

struct Rng {
    uint64_t s = 0x9E3779B97F4A7C15ull;
    uint64_t next()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
};

template <typename T> void put(uint8_t *at, T v) { std::memcpy(at, &v, sizeof v); }

void segment(Bytes &b, uint8_t marker, const Bytes &body)
{
    const size_t len = body.size() + 2;
    b.insert(b.end(), {0xFF, marker, uint8_t(len >> 8), uint8_t(len & 0xFF)});
    b.insert(b.end(), body.begin(), body.end());
}

Bytes filled(size_t n, Rng &rng)
{
    Bytes b(n);
    for (auto &c : b)
        c = uint8_t(rng.next() % 0xF0);  // table bytes without 0xFF
    return b;
}

// Telemetry of frame i of a drive starting 2026-12-06 07:30:00 UTC.
Bytes payload(uint64_t i)
{
    const uint64_t sec = i / fps;
    Bytes p(VEXA_COMMENT_SIZE, 0);
    p[0] = 26;
    p[1] = 12;
    p[2] = 6;
    p[3] = uint8_t(7 + (30 + sec / 60) / 60);
    p[4] = uint8_t((30 + sec / 60) % 60);
    p[5] = uint8_t(sec % 60);
    p[6] = uint8_t(i % fps);
    p[11] = 1;
    p[12] = 1;
    put<uint16_t>(&p[16], fps);
    put<double>(&p[21], 3731.5 + double(sec) * 0.01);
    put<double>(&p[29], 12658.2 + double(sec) * 0.01);
    put<uint16_t>(&p[37], 40);
    p[39] = uint8_t(40 + sec % 60);
    put<uint16_t>(&p[40], uint16_t(sec % 360));
    put<int16_t>(&p[45], int16_t(i % 200));
    put<int16_t>(&p[47], int16_t(-int(i % 150)));
    put<int16_t>(&p[49], 1000);
    put<uint16_t>(&p[52], 2026);
    std::memcpy(&p[54], &p[1], 2);
    std::memcpy(&p[56], &p[3], 3);
    return p;
}

// A baseline JPEG as the camera writes it: JFIF, COM with telemetry, tables, and
// pseudo-random entropy-coded data with byte stuffing and restart markers.
Bytes picture(uint64_t i, Rng &rng)
{
    Bytes b{0xFF, 0xD8};
    segment(b, 0xE0, Bytes{'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    segment(b, 0xFE, payload(i));
    Bytes dqt;
    for (uint8_t t = 0; t < 2; ++t) {
        dqt.push_back(t);
        const Bytes q = filled(64, rng);
        dqt.insert(dqt.end(), q.begin(), q.end());
    }
    segment(b, 0xDB, dqt);
    segment(b, 0xC0, Bytes{8, 0x02, 0xD0, 0x05, 0x00, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    segment(b, 0xC4, filled(416, rng));
    segment(b, 0xDD, Bytes{0x00, 0x50});
    segment(b, 0xDA, Bytes{3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 0x3F, 0});

    const size_t scan = 30000 + rng.next() % 10000;
    b.reserve(b.size() + scan + scan / 128 + 64);
    uint64_t bits = 0;
    for (size_t n = 0; n < scan; ++n) {
        if (n % 8 == 0)
            bits = rng.next();
        const uint8_t c = uint8_t(bits >> (n % 8 * 8));
        b.push_back(c);
        if (c == 0xFF)
            b.push_back(0x00);
        if (n % 4096 == 4095)
            b.insert(b.end(), {0xFF, uint8_t(0xD0 + n / 4096 % 8)});
    }
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}

void write_all(FILE *f, const void *data, size_t size)
{
    if (std::fwrite(data, 1, size, f) != size)
        throw std::runtime_error("cannot write benchmark data");
}

// Written in large chunks, as a copy tool would; see README.md on why that matters for mmap.
void make_recording(const std::string &vdd_path, const std::string &vdx_path, uint64_t &size, uint64_t &frames)
{
    constexpr size_t chunk = 8u << 20;
    FILE *vdd = std::fopen(vdd_path.c_str(), "wb");
    FILE *vdx = std::fopen(vdx_path.c_str(), "wb");
    if (!vdd || !vdx)
        throw std::runtime_error("cannot create benchmark data");
    Rng rng;
    Bytes out;
    out.reserve(chunk + (1u << 20));
    size = 0;
    frames = 0;
    while (size < target_vdd_size) {
        const Bytes pic = picture(frames, rng);
        const Bytes p = payload(frames);
        const _vexa_video_frame_header_t h = decode_frame_comment(p.data(), uint32_t(size), uint32_t(pic.size()));
        out.insert(out.end(), pic.begin(), pic.end());
        write_all(vdx, &h, sizeof h);
        size += pic.size();
        ++frames;
        if (frames % 97 == 0) {  // the camera pads now and then
            out.insert(out.end(), 512, 0);
            size += 512;
        }
        if (out.size() >= chunk) {
            write_all(vdd, out.data(), out.size());
            out.clear();
        }
    }
    write_all(vdd, out.data(), out.size());
    _vexa_video_index_header_t ih{};
    ih.magic = VEXA_INDEX_MAGIC;
    ih.version = 1;
    ih.index_valid = 1;
    ih.index_flag = 1;
    ih.frame_count = uint32_t(frames);
    write_all(vdx, &ih, sizeof ih);
    std::fclose(vdd);
    std::fclose(vdx);
}

std::string sentence(const char *body)
{
    uint8_t sum = 0;
    for (const char *c = body; *c; ++c)
        sum ^= uint8_t(*c);
    char out[160];
    std::snprintf(out, sizeof out, "$%s*%02X\r\n", body, sum);
    return out;
}

void make_log(const std::string &path, uint64_t &size)
{
    std::string text;
    char body[140];
    for (int s = 0; s < log_seconds; ++s) {
        const int hh = 7 + (30 + s / 60) / 60, mm = (30 + s / 60) % 60, ss = s % 60;
        const double lat = 3731.5 + s * 0.0123, lon = 12658.2 + s * 0.0171;
        const double knots = 20 + (s % 300) / 10.0;
        std::snprintf(body, sizeof body, "GPRMC,%02d%02d%02d.000,A,%09.4f,N,%010.4f,E,%.2f,%.2f,061226,,,A",
                      hh, mm, ss, lat, lon, knots, double(s % 360));
        text += sentence(body);
        std::snprintf(body, sizeof body, "GPGGA,%02d%02d%02d.000,%09.4f,N,%010.4f,E,1,08,0.9,%.1f,M,18.0,M,,",
                      hh, mm, ss, lat, lon, 40.0 + s % 50);
        text += sentence(body);
        text += sentence("GPGSV,3,1,12,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
        text += sentence("GPGSV,3,2,12,15,55,102,44,18,12,190,38,21,63,041,47,24,30,270,42");
        text += sentence("GPGSV,3,3,12,25,08,150,33,29,45,310,44,31,19,060,40,32,05,220,30");
        std::snprintf(body, sizeof body, "REZEZ,1,0,%d,%d,%d,%02d%02d%02d000,061226",
                      s % 200 - 100, -(s % 150), 1000 + s % 40 - 20, hh, mm, ss);
        text += sentence(body);
    }
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot create benchmark log");
    write_all(f, text.data(), text.size());
    std::fclose(f);
    size = text.size();
}

} // namespace

const BenchFiles &BenchFiles::get()
{
    static BenchFiles files;
    return files;
}

BenchFiles::BenchFiles()
{
    if (const char *d = std::getenv("TUMBO_BENCH_DIR")) {
        dir_ = d;
        keep_ = true;
        fs::create_directories(dir_);
    } else {
        std::string tmpl = (fs::temp_directory_path() / "tumbo-bench-XXXXXX").string();
        if (!mkdtemp(tmpl.data()))
            throw std::runtime_error("mkdtemp failed");
        dir_ = tmpl;
    }
    vdd = dir_ + "/0000000001_N.vdd";
    vdx = dir_ + "/0000000001_N.vdx";
    log = dir_ + "/0000000001.log";
    make_recording(vdd, vdx, vdd_size, frames);
    make_log(log, log_size);
    log_records = log_seconds;

    scan_vdd = vdd;
    scan_size = vdd_size;
    scan_frames = frames;
    if (const char *other = std::getenv("TUMBO_BENCH_VDD")) {
        vexa_vdd_file file;
        if (!file.open(other, nullptr))
            throw std::runtime_error("cannot open TUMBO_BENCH_VDD");
        scan_vdd = other;
        scan_size = uint64_t(file.file_size());
        scan_frames = file.frame_count();
    }
}

BenchFiles::~BenchFiles()
{
    if (!keep_) {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
}
