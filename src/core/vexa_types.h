// Binary records shared by the recording, log and skin formats.
// All are packed and little-endian on disk; the layouts are fixed by the camera.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct _vexa_time_t {
    uint16_t year;
    uint16_t month;
    uint16_t day_of_week;  // 0 = Sunday
    uint16_t day;
    uint16_t hour;
    uint16_t minute;
    uint16_t second;
    uint16_t millisecond;
};

struct _vexa_dms_t {
    uint8_t degrees;
    uint8_t minutes;
    float seconds;
};

struct _vexa_video_frame_header_t {
    uint32_t magic;
    uint8_t version;
    uint32_t offset;
    uint32_t length;
    _vexa_time_t time;
    uint8_t time_set;
    uint8_t record_phase;
    int16_t gsensor_x;
    int16_t gsensor_y;
    int16_t gsensor_z;
    uint8_t gps_valid;
    double latitude;
    double longitude;
    uint16_t speed;
    uint16_t altitude;
    uint16_t course;
    uint8_t aux_60;
    uint8_t aux_61;
    uint16_t event_type;
    uint16_t aux_64;
};

struct _vexa_video_index_header_t {
    uint32_t magic;
    uint8_t version;
    uint16_t reserved;
    uint8_t event_type;
    uint8_t index_valid;
    uint8_t index_flag;
    uint32_t frame_count;
    uint8_t reserved2[12];
};

struct _vexa_log_info_t {
    _vexa_time_t time;
    uint8_t drl_code;
    int16_t gsensor_x;
    int16_t gsensor_y;
    int16_t gsensor_z;
    uint8_t gps_valid;
    double latitude;
    double longitude;
    float speed;
    float course;
    uint8_t satellites_used;
    float hdop;
    float altitude;
    uint8_t satellites_in_view;
};

#pragma pack(pop)

inline constexpr uint32_t VEXA_FRAME_MAGIC = 0xEE0000A1u;
inline constexpr uint32_t VEXA_INDEX_MAGIC = 0xFF0000A0u;
inline constexpr size_t VEXA_COMMENT_SIZE = 59;

static_assert(sizeof(_vexa_time_t) == 16);
static_assert(sizeof(_vexa_video_frame_header_t) == 66);
static_assert(offsetof(_vexa_video_frame_header_t, offset) == 5);
static_assert(offsetof(_vexa_video_frame_header_t, length) == 9);
static_assert(offsetof(_vexa_video_frame_header_t, time) == 13);
static_assert(offsetof(_vexa_video_frame_header_t, time_set) == 29);
static_assert(offsetof(_vexa_video_frame_header_t, record_phase) == 30);
static_assert(offsetof(_vexa_video_frame_header_t, gsensor_x) == 31);
static_assert(offsetof(_vexa_video_frame_header_t, gps_valid) == 37);
static_assert(offsetof(_vexa_video_frame_header_t, latitude) == 38);
static_assert(offsetof(_vexa_video_frame_header_t, longitude) == 46);
static_assert(offsetof(_vexa_video_frame_header_t, speed) == 54);
static_assert(offsetof(_vexa_video_frame_header_t, altitude) == 56);
static_assert(offsetof(_vexa_video_frame_header_t, course) == 58);
static_assert(offsetof(_vexa_video_frame_header_t, aux_60) == 60);
static_assert(offsetof(_vexa_video_frame_header_t, aux_61) == 61);
static_assert(offsetof(_vexa_video_frame_header_t, event_type) == 62);
static_assert(offsetof(_vexa_video_frame_header_t, aux_64) == 64);
static_assert(sizeof(_vexa_video_index_header_t) == 26);
static_assert(offsetof(_vexa_video_index_header_t, event_type) == 7);
static_assert(offsetof(_vexa_video_index_header_t, index_valid) == 8);
static_assert(offsetof(_vexa_video_index_header_t, frame_count) == 10);
static_assert(sizeof(_vexa_log_info_t) == 58);
static_assert(offsetof(_vexa_log_info_t, drl_code) == 16);
static_assert(offsetof(_vexa_log_info_t, gps_valid) == 23);
static_assert(offsetof(_vexa_log_info_t, latitude) == 24);
static_assert(offsetof(_vexa_log_info_t, speed) == 40);
static_assert(offsetof(_vexa_log_info_t, satellites_used) == 48);
static_assert(offsetof(_vexa_log_info_t, hdop) == 49);
static_assert(offsetof(_vexa_log_info_t, altitude) == 53);
static_assert(offsetof(_vexa_log_info_t, satellites_in_view) == 57);

#include <bit>
// The records are read and written by copying bytes; that needs a little-endian host.
static_assert(std::endian::native == std::endian::little);
