#include "TestFiles.h"
#include "vexa_telemetry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

_vexa_video_frame_header_t decode(const Payload &p, uint32_t offset = 0, uint32_t length = 0)
{
    const Bytes b = makePayload(p);
    return decode_frame_comment(b.data(), offset, length);
}

uint16_t millisecondOf(int frame, int fps)
{
    Payload p;
    p.frame = frame;
    p.fps = fps;
    return decode(p).time.millisecond;
}

uint16_t weekdayOf(int year, int month, int day)
{
    Payload p;
    p.year = year;
    p.month = month;
    p.day = day;
    return decode(p).time.day_of_week;
}

} // namespace

TEST(FrameComment, CopiesEveryFieldIntoTheHeader)
{
    Payload p;
    p.year = 2255; p.month = 12; p.day = 6; p.hour = 23; p.minute = 59; p.second = 58;
    p.phase = 3; p.gps_valid = 1; p.event_type = 32;
    p.latitude = -3731.5; p.longitude = -12658.2;
    p.altitude = 65535; p.speed = 255; p.course = 359;
    p.gx = -32768; p.gy = 32767; p.gz = -1;
    p.aux_60 = 0xA5; p.aux_61 = 0x5A; p.aux_64 = 0xBEEF;

    const _vexa_video_frame_header_t h = decode(p, 123456, 7890);
    EXPECT_EQ(+h.magic, VEXA_FRAME_MAGIC);
    EXPECT_EQ(+h.version, 1);
    EXPECT_EQ(+h.offset, 123456u);
    EXPECT_EQ(+h.length, 7890u);
    EXPECT_EQ(+h.time_set, 1);
    EXPECT_EQ(timeText(h.time).substr(0, 19), "2255-12-06 23:59:58");
    EXPECT_EQ(+h.record_phase, 3);
    EXPECT_EQ(+h.gps_valid, 1);
    EXPECT_EQ(+h.event_type, 32);
    EXPECT_DOUBLE_EQ(+h.latitude, -3731.5);
    EXPECT_DOUBLE_EQ(+h.longitude, -12658.2);
    EXPECT_EQ(+h.altitude, 65535);
    EXPECT_EQ(+h.speed, 255);
    EXPECT_EQ(+h.course, 359);
    EXPECT_EQ(+h.gsensor_x, -32768);
    EXPECT_EQ(+h.gsensor_y, 32767);
    EXPECT_EQ(+h.gsensor_z, -1);
    EXPECT_EQ(+h.aux_60, 0xA5);
    EXPECT_EQ(+h.aux_61, 0x5A);
    EXPECT_EQ(+h.aux_64, 0xBEEF);
}

// The frame counter and the rate both count as at most 30; a whole second wraps to 0.
TEST(FrameComment, MillisecondFromFrameCounter)
{
    const int cases[][3] = {{0, 30, 0},   {15, 30, 500}, {1, 30, 33},  {29, 30, 966},    {9, 10, 900},
                            {10, 10, 0},  {15, 10, 500}, {1, 1, 0},    {45, 30, 0},      {255, 15, 0},
                            {15, 0, 500}, {15, 31, 500}, {30, 0, 0},   {15, 65535, 500}};
    for (const auto &[frame, fps, ms] : cases)
        EXPECT_EQ(millisecondOf(frame, fps), ms) << frame << " at " << fps;
}

// The weekday of the UTC date, out-of-range dates carried over (2024-02-30 is March 1).
TEST(FrameComment, WeekdayOfTheUtcDate)
{
    const int cases[][4] = {{2026, 12, 6, 0}, {2000, 1, 1, 6},  {2255, 12, 31, 1}, {2024, 2, 30, 5},
                            {2023, 2, 30, 4}, {2024, 2, 0, 3},  {2024, 0, 31, 0},  {2023, 13, 1, 1}};
    for (const auto &[year, month, day, weekday] : cases)
        EXPECT_EQ(weekdayOf(year, month, day), weekday) << year << "-" << month << "-" << day;
    // Only the weekday sees the carried-over date; the stored fields stay as the camera wrote them.
    Payload p;
    p.year = 2000;
    p.month = 2;
    p.day = 30;
    EXPECT_EQ(timeText(decode(p).time).substr(0, 10), "2000-02-30");
}

// Combined bits and unknown codes have no text; unknown phases read as normal recording.
TEST(TelemetryCodes, EventAndPhaseKeys)
{
    const std::pair<int, const char *> events[] = {
        {0, "gui_normal"},    {1, "gui_gsensor"},       {2, "gui_switch"}, {4, "gui_rd_detect"},
        {8, "gui_acc_switch"}, {16, "gui_batt_off"},    {32, "gui_back_motion"},
        {3, ""},               {64, ""},                {-1, ""},          {255, ""}};
    for (const auto &[code, key] : events)
        EXPECT_STREQ(event_type_key(code), key) << code;
    const std::pair<int, const char *> phases[] = {
        {2, "gui_rec_pre"}, {3, "gui_rec_post"}, {0, "gui_rec_normal"}, {1, "gui_rec_normal"}, {255, "gui_rec_normal"}};
    for (const auto &[code, key] : phases)
        EXPECT_STREQ(record_phase_key(code), key) << code;
}

TEST(TelemetryCodes, GSensorScaling)
{
    EXPECT_DOUBLE_EQ(gsensor_value(1500), 1.5);
    EXPECT_DOUBLE_EQ(gsensor_value(-250), -0.25);
    EXPECT_DOUBLE_EQ(gsensor_z_value(1000), 0.0);
    EXPECT_DOUBLE_EQ(gsensor_z_value(0), -1.0);
}
