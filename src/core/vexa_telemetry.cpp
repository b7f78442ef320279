#include "vexa_telemetry.h"

#include "vexa_time.h"

#include <cstring>

namespace {

template <typename T> T read_le(const uint8_t *p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The camera counts frames within a second; turn the count into milliseconds.
// Counts above 30 and rates outside 1..30 are clamped to 30.
uint16_t frame_millisecond(uint8_t frame, uint16_t fps)
{
    const unsigned n = frame > 30 ? 30 : frame;
    const unsigned f = (fps >= 1 && fps <= 30) ? fps : 30;
    return uint16_t(n * 1000 / f % 1000);
}

} // namespace

_vexa_video_frame_header_t decode_frame_comment(const uint8_t *payload, uint32_t offset, uint32_t length)
{
    _vexa_video_frame_header_t h{};
    h.magic = VEXA_FRAME_MAGIC;
    h.version = 1;
    h.offset = offset;
    h.length = length;
    h.time_set = 1;

    h.time.year = uint16_t(payload[0] + 2000);
    h.time.month = payload[1];
    h.time.day = payload[2];
    h.time.hour = payload[3];
    h.time.minute = payload[4];
    h.time.second = payload[5];
    h.time.millisecond = frame_millisecond(payload[6], read_le<uint16_t>(payload + 16));
    h.time.day_of_week = uint16_t(weekday_of_date(h.time.year, h.time.month, h.time.day));

    h.aux_64 = read_le<uint16_t>(payload + 9);
    h.record_phase = payload[11];
    h.gps_valid = payload[12];
    h.latitude = read_le<double>(payload + 21);
    h.longitude = read_le<double>(payload + 29);
    h.altitude = read_le<uint16_t>(payload + 37);
    h.speed = payload[39];
    h.course = read_le<uint16_t>(payload + 40);
    h.aux_60 = payload[42];
    h.aux_61 = payload[43];
    h.event_type = payload[44];
    h.gsensor_x = read_le<int16_t>(payload + 45);
    h.gsensor_y = read_le<int16_t>(payload + 47);
    h.gsensor_z = read_le<int16_t>(payload + 49);
    return h;
}

const char *event_type_key(int code)
{
    switch (code) {
    case 0: return "gui_normal";
    case 1: return "gui_gsensor";
    case 2: return "gui_switch";
    case 4: return "gui_rd_detect";
    case 8: return "gui_acc_switch";
    case 16: return "gui_batt_off";
    case 32: return "gui_back_motion";
    default: return "";  // combined bits have no text
    }
}

const char *record_phase_key(int phase)
{
    switch (phase) {
    case 2: return "gui_rec_pre";
    case 3: return "gui_rec_post";
    default: return "gui_rec_normal";
    }
}

uint16_t comment_frames_per_second(const uint8_t *payload)
{
    return read_le<uint16_t>(payload + 16);
}
