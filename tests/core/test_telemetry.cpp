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
    p.year = 2026; p.month = 12; p.day = 6; p.hour = 23; p.minute = 59; p.second = 58;
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
    EXPECT_EQ(timeText(h.time).substr(0, 19), "2026-12-06 23:59:58");
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

TEST(FrameComment, YearCountsFrom2000)
{
    Payload p;
    p.year = 2000;
    EXPECT_EQ(+decode(p).time.year, 2000);
    p.year = 2255;
    EXPECT_EQ(+decode(p).time.year, 2255);
}

TEST(FrameComment, MillisecondFromFrameCounter)
{
    EXPECT_EQ(millisecondOf(0, 30), 0);
    EXPECT_EQ(millisecondOf(15, 30), 500);
    EXPECT_EQ(millisecondOf(1, 30), 33);
    EXPECT_EQ(millisecondOf(29, 30), 966);
    EXPECT_EQ(millisecondOf(9, 10), 900);
    EXPECT_EQ(millisecondOf(10, 10), 0);   // 1000 wraps to 0
    EXPECT_EQ(millisecondOf(15, 10), 500); // 1500 wraps
    EXPECT_EQ(millisecondOf(1, 1), 0);
}

TEST(FrameComment, MillisecondClampsCounterAndRateTo30)
{
    EXPECT_EQ(millisecondOf(45, 30), 0);    // counter 45 counts as 30
    EXPECT_EQ(millisecondOf(255, 15), 0);   // 30 * 1000 / 15 = 2000
    EXPECT_EQ(millisecondOf(15, 0), 500);   // rate 0 counts as 30
    EXPECT_EQ(millisecondOf(15, 31), 500);  // above 30 as well
    EXPECT_EQ(millisecondOf(15, 65535), 500);
    EXPECT_EQ(millisecondOf(30, 0), 0);
}

TEST(FrameComment, WeekdayOfTheUtcDate)
{
    EXPECT_EQ(weekdayOf(2026, 12, 6), 0);  // Sunday
    EXPECT_EQ(weekdayOf(2000, 1, 1), 6);   // Saturday
    EXPECT_EQ(weekdayOf(2255, 12, 31), 1);
}

TEST(FrameComment, WeekdayCarriesOutOfRangeDatesOver)
{
    EXPECT_EQ(weekdayOf(2024, 2, 30), 5);  // leap year: March 1, Friday
    EXPECT_EQ(weekdayOf(2023, 2, 30), 4);  // March 2, Thursday
    EXPECT_EQ(weekdayOf(2024, 2, 0), 3);   // January 31, Wednesday
    EXPECT_EQ(weekdayOf(2024, 0, 31), 0);  // December 31 2023, Sunday
    EXPECT_EQ(weekdayOf(2023, 13, 1), 1);  // January 1 2024, Monday
}

TEST(FrameComment, TimeFieldsAreNotNormalised)
{
    // Only the weekday sees the carried-over date; the stored fields stay as the camera wrote them.
    Payload p;
    p.month = 2;
    p.day = 30;
    const _vexa_video_frame_header_t h = decode(p);
    EXPECT_EQ(timeText(h.time).substr(0, 10), "2026-02-30");
}

TEST(TelemetryCodes, EventTypeKeys)
{
    EXPECT_STREQ(event_type_key(0), "gui_normal");
    EXPECT_STREQ(event_type_key(1), "gui_gsensor");
    EXPECT_STREQ(event_type_key(2), "gui_switch");
    EXPECT_STREQ(event_type_key(4), "gui_rd_detect");
    EXPECT_STREQ(event_type_key(8), "gui_acc_switch");
    EXPECT_STREQ(event_type_key(16), "gui_batt_off");
    EXPECT_STREQ(event_type_key(32), "gui_back_motion");
    // Combined bits and unknown codes have no text.
    EXPECT_STREQ(event_type_key(3), "");
    EXPECT_STREQ(event_type_key(64), "");
    EXPECT_STREQ(event_type_key(-1), "");
    EXPECT_STREQ(event_type_key(255), "");
}

TEST(TelemetryCodes, RecordPhaseKeys)
{
    EXPECT_STREQ(record_phase_key(2), "gui_rec_pre");
    EXPECT_STREQ(record_phase_key(3), "gui_rec_post");
    EXPECT_STREQ(record_phase_key(0), "gui_rec_normal");
    EXPECT_STREQ(record_phase_key(1), "gui_rec_normal");
    EXPECT_STREQ(record_phase_key(255), "gui_rec_normal");
}

TEST(TelemetryCodes, GSensorScaling)
{
    EXPECT_DOUBLE_EQ(gsensor_value(1500), 1.5);
    EXPECT_DOUBLE_EQ(gsensor_value(-250), -0.25);
    EXPECT_DOUBLE_EQ(gsensor_z_value(1000), 0.0);
    EXPECT_DOUBLE_EQ(gsensor_z_value(0), -1.0);
}
