#include "TestFiles.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The time and date tokens of the private sentence: hhmmssmmm,ddmmyy.
std::string stamp(const _vexa_time_t &t)
{
    char s[32];
    std::snprintf(s, sizeof s, "%02d%02d%02d%03d,%02d%02d%02d", t.hour, t.minute, t.second, t.millisecond, t.day,
                  t.month, t.year % 100);
    return s;
}

std::string rezez(const _vexa_time_t &t, int gx = 10, int gy = -20, int gz = 1000)
{
    return "$REZEZ,1,3," + std::to_string(gx) + "," + std::to_string(gy) + "," + std::to_string(gz) + "," + stamp(t)
        + "*5C";
}

std::string rmc(const std::string &status, const std::string &lat, const std::string &lon,
    const std::string &knots = "0.0", const std::string &course = "0.0")
{
    return "$GPRMC,120000.000," + status + "," + lat + "," + lon + "," + knots + "," + course + ",010124,,,A*6A";
}

// One camera second: RMC, GGA, GSV, then the private sentence that closes the record.
std::string second(int64_t utcSeconds, double latitude, const std::string &end = "\r\n")
{
    char lat[32];
    std::snprintf(lat, sizeof lat, "%09.4f", latitude);
    return rmc("A", std::string(lat) + ",N", "01131.0000,E", "10.0", "84.4") + end
        + "$GPGGA,120000.000," + lat + ",N,01131.0000,E,1,08,0.9,545.4,M,46.9,M,,*47" + end
        + "$GPGSV,3,1,11,07,79,048,42,02,51,062,43,26,36,256,42,27,27,138,42*71" + end
        + rezez(seconds_to_time(utcSeconds)) + end;
}

std::string seconds(int64_t first, int count, const std::string &end = "\r\n")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += second(first + i, 4807.0 + i * 0.01, end);
    return text;
}

const int64_t t0 = 1735689000;  // 2025-01-01 00:30:00 UTC

class LogFileTest : public ::testing::Test {
protected:
    bool load(const std::string &text, const std::string &name = "0000000042.log")
    {
        writeText(dir.file(name), text);
        return log.load(dir.file(name).c_str());
    }

    TempDir dir;
    vexa_log_file log;
};

// Fields of the packed records are copied out before gtest binds references to them.
template <typename T> T value(T v)
{
    return v;
}

bool allZero(const _vexa_log_info_t &r)
{
    return bytesOf(r) == Bytes(sizeof r, 0);
}

} // namespace

TEST_F(LogFileTest, ReadsEverySentenceIntoOneRecord)
{
    const std::string text = "$GPRMC,235959.000,A,4807.0380,S,01131.0000,W,10.0,84.4,311224,,,A*6A\r\n"
                             "$GPGGA,235959.000,4807.0380,S,01131.0000,W,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
                             "$GPGSV,3,1,11,07,79,048,42*71\r\n"
                             "$GPGSV,3,2,12,02,51,062,43*72\r\n"
                             "$REZEZ,1,7,-120,35,1010,235959250,311224*5C\r\n";
    ASSERT_TRUE(load(text, "0000012345.log"));
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.sequence_number(), 12345);

    const _vexa_log_info_t &r = log.record_at(0);
    EXPECT_EQ(value(r.gps_valid), 1);
    EXPECT_DOUBLE_EQ(value(r.latitude), -4807.038);
    EXPECT_DOUBLE_EQ(value(r.longitude), -1131.0);
    EXPECT_FLOAT_EQ(value(r.speed), 18.52f);
    EXPECT_FLOAT_EQ(value(r.course), 84.4f);
    EXPECT_EQ(value(r.satellites_used), 8);
    EXPECT_FLOAT_EQ(value(r.hdop), 0.9f);
    EXPECT_FLOAT_EQ(value(r.altitude), 545.4f);
    EXPECT_EQ(value(r.satellites_in_view), 12);  // the last GSV of the second counts
    EXPECT_EQ(value(r.drl_code), 7);
    EXPECT_EQ(value(r.gsensor_x), -120);
    EXPECT_EQ(value(r.gsensor_y), 35);
    EXPECT_EQ(value(r.gsensor_z), 1010);
    EXPECT_EQ(timeText(r.time), "2024-12-31 23:59:59.250 w2");  // a Tuesday
    EXPECT_EQ(log.duration_seconds(), 1u);
}

// Before any fix a second has no position; after one, the GPS values carry into later seconds.
TEST_F(LogFileTest, GpsValuesCarryIntoLaterSeconds)
{
    const std::string text = rezez(seconds_to_time(t0)) + "\n" + second(t0 + 1, 4807.5)
        + rezez(seconds_to_time(t0 + 2), 1, 2, 3) + "\n";
    ASSERT_TRUE(load(text));
    ASSERT_EQ(log.count(), 3u);
    EXPECT_EQ(value(log.record_at(0).gps_valid), 0);
    EXPECT_EQ(value(log.record_at(0).latitude) + value(log.record_at(0).longitude), 0.0);
    EXPECT_EQ(value(log.record_at(1).gps_valid), 1);
    EXPECT_DOUBLE_EQ(value(log.record_at(2).latitude), 4807.5);
    EXPECT_EQ(value(log.record_at(2).satellites_used), 8);
    EXPECT_EQ(value(log.record_at(2).gsensor_z), 3);
}

TEST_F(LogFileTest, TimeTokens)
{
    const std::string text = "$REZEZ,1,0,0,0,0,123456.78,150624\n"
                             "$REZEZ,1,0,0,0,0,123457789,150624\n"
                             "$REZEZ,1,0,0,0,0,1234,150624\n";
    ASSERT_TRUE(load(text));
    ASSERT_EQ(log.count(), 2u);  // the third line's 12:34:00 lies before the start
    EXPECT_EQ(timeText(log.record_at(0).time).substr(11, 12), "12:34:56.000");
    EXPECT_EQ(timeText(log.record_at(1).time).substr(11, 12), "12:34:57.789");
    // Short tokens read what is there.
    ASSERT_TRUE(load("$REZEZ,1,0,0,0,0,12,1506\n"));
    EXPECT_EQ(timeText(log.record_at(0).time).substr(0, 16), "2000-06-15 12:00");
}

// A record before the start or beyond the hour's window ends the load.
TEST_F(LogFileTest, RecordOutsideTheWindowEndsTheLoad)
{
    ASSERT_TRUE(load(seconds(t0, 3) + second(t0 + 3611, 4807.0) + second(t0 + 3, 4807.0)));
    EXPECT_EQ(log.count(), 3u);
    ASSERT_TRUE(load(seconds(t0, 2) + second(t0 - 1, 4807.0) + second(t0 + 2, 4807.0)));
    EXPECT_EQ(log.count(), 2u);
    ASSERT_TRUE(load(seconds(t0, 3) + second(t0 + 3610, 4807.0)));
    EXPECT_EQ(log.count(), 4u);
    EXPECT_EQ(log.duration_seconds(), 3611u);
}

TEST_F(LogFileTest, MidnightUtcCrossingIsKept)
{
    const int64_t start = 1767225598;  // 2025-12-31 23:59:58 UTC
    ASSERT_TRUE(load(seconds(start, 4)));
    ASSERT_EQ(log.count(), 4u);
    EXPECT_EQ(timeText(log.record_at(0).time).substr(0, 10), "2025-12-31");
    EXPECT_EQ(timeText(log.last_record().time).substr(0, 10), "2026-01-01");
    EXPECT_EQ(log.duration_seconds(), 4u);
}

TEST_F(LogFileTest, RecordLimit)
{
    ASSERT_TRUE(load(seconds(t0, 3609, "\n")));
    EXPECT_EQ(log.count(), 3609u);
    EXPECT_EQ(log.duration_seconds(), 3609u);

    EXPECT_FALSE(load(seconds(t0, 3610, "\n")));
}

TEST_F(LogFileTest, RefusesLogsWithoutPrivateSentences)
{
    EXPECT_FALSE(load(rmc("A", "4807.0,N", "01131.0,E") + "\r\n"));
    EXPECT_FALSE(load(""));
    EXPECT_FALSE(log.load(dir.file("missing.log").c_str()));
    EXPECT_FALSE(log.load(nullptr));
    EXPECT_FALSE(log.load(dir.path().c_str()));  // a folder opens, but every read fails
    EXPECT_EQ(log.error_string(), "read error in the log");
}

TEST_F(LogFileTest, CrLfAndLfGiveTheSameRecords)
{
    ASSERT_TRUE(load(seconds(t0, 5, "\r\n")));
    const auto crlf = log.records();
    ASSERT_TRUE(load(seconds(t0, 5, "\n")));
    ASSERT_EQ(log.count(), crlf.size());
    EXPECT_EQ(std::memcmp(log.records().data(), crlf.data(), crlf.size() * sizeof crlf[0]), 0);
    // A last line without any line end still counts.
    std::string text = seconds(t0, 2, "\n");
    text.pop_back();
    ASSERT_TRUE(load(text));
    EXPECT_EQ(log.count(), 2u);
}

TEST_F(LogFileTest, TokensAndSentenceNames)
{
    const _vexa_time_t t = seconds_to_time(t0);
    // Empty fields keep their place; missing ones read as empty.
    std::string text = "$GPRMC,120000,,4807.0,N,01131.0,E,5,6\n" + rezez(t) + "\n";
    text += "$GPRMC,120000,A,4808.0\n" + rezez(seconds_to_time(t0 + 1)) + "\n";
    // Only exact names count.
    text += "$GPRMCX,120000,A,4809.0,N,01131.0,E,5,6\n $GPRMC,120000,A,4809.0,N,01131.0,E,5,6\n";
    text += "$GPGGA,,,,,,,,\n$REZEZ,1,9,1,2,3," + stamp(seconds_to_time(t0 + 2)) + ",\n";
    ASSERT_TRUE(load(text));
    ASSERT_EQ(log.count(), 3u);
    EXPECT_EQ(value(log.record_at(0).gps_valid), 0);
    EXPECT_DOUBLE_EQ(value(log.record_at(0).latitude), 4807.0);
    EXPECT_FLOAT_EQ(value(log.record_at(0).course), 6.0f);
    EXPECT_EQ(value(log.record_at(1).gps_valid), 1);
    EXPECT_DOUBLE_EQ(value(log.record_at(1).latitude), 4808.0);
    EXPECT_EQ(value(log.record_at(1).longitude), 0.0);
    EXPECT_EQ(value(log.record_at(1).speed), 0.0f);
    EXPECT_DOUBLE_EQ(value(log.record_at(2).latitude), 4808.0);
    EXPECT_EQ(value(log.record_at(2).satellites_used), 0);
    EXPECT_EQ(value(log.record_at(2).drl_code), 9);
    EXPECT_EQ(value(log.record_at(2).time.second), seconds_to_time(t0 + 2).second);
}

TEST_F(LogFileTest, NumbersAreTheLeadingNumericPart)
{
    const std::string text = "$GPRMC,0,A,+48.5e2xyz,N,.5,E,1e999,nan\n"
                             "$GPGGA,0,0,N,0,E,1,300,inf,-12.5m\n"
                             "$GPGSV,3,1,-4\n"
                             "$REZEZ,1,999,-40000,12abc,x,120000000,010124\n";
    ASSERT_TRUE(load(text));
    const _vexa_log_info_t &r = log.record_at(0);
    EXPECT_DOUBLE_EQ(value(r.latitude), 4850.0);
    EXPECT_DOUBLE_EQ(value(r.longitude), 0.5);
    EXPECT_EQ(value(r.speed), 0.0f);  // out of range: no number
    EXPECT_EQ(value(r.course), 0.0f);  // "nan" is not a number here
    EXPECT_EQ(value(r.satellites_used), 255);
    EXPECT_EQ(value(r.hdop), 0.0f);
    EXPECT_FLOAT_EQ(value(r.altitude), -12.5f);
    EXPECT_EQ(value(r.satellites_in_view), 0);
    EXPECT_EQ(value(r.drl_code), 255);
    EXPECT_EQ(value(r.gsensor_x), -32768);
    EXPECT_EQ(value(r.gsensor_y), 12);
    EXPECT_EQ(value(r.gsensor_z), 0);
}

TEST_F(LogFileTest, DecimalPointIgnoresTheLocale)
{
    // Written before the switch: the file has a decimal point whatever the reader's locale.
    const std::string text = second(t0, 4807.25);
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "no German locale installed";
    const bool ok = load(text);
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_TRUE(ok);
    EXPECT_DOUBLE_EQ(value(log.record_at(0).latitude), 4807.25);
    EXPECT_FLOAT_EQ(value(log.record_at(0).hdop), 0.9f);
}

TEST_F(LogFileTest, OverlongLinesArriveInPieces)
{
    // The 511,999-byte piece ends right before the private sentence, which then stands alone.
    std::string text(511999, 'x');
    text += rezez(seconds_to_time(t0)) + "\n";
    // A long line that ends inside a piece hides the sentence that follows on it.
    text += std::string(1000, 'y') + rezez(seconds_to_time(t0 + 1)) + "\n";
    text += rezez(seconds_to_time(t0 + 2)) + "\n";
    ASSERT_TRUE(load(text));
    ASSERT_EQ(log.count(), 2u);
    EXPECT_EQ(time_to_seconds(log.record_at(1).time), t0 + 2);
}

// The distance bridges gaps in the fix, needs two fixes and stays finite on garbage positions.
TEST_F(LogFileTest, Distance)
{
    std::string text = second(t0, 4800.0);
    text += rmc("V", "4801.0000,N", "01131.0000,E") + "\n" + rezez(seconds_to_time(t0 + 1)) + "\n";
    ASSERT_TRUE(load(text));
    EXPECT_EQ(log.distance(), 0.0);
    ASSERT_TRUE(load(text + second(t0 + 2, 4802.0)));
    EXPECT_EQ(value(log.record_at(1).gps_valid), 0);
    EXPECT_NEAR(log.distance(), 3705, 5);  // two minutes of latitude
    ASSERT_TRUE(load(rezez(seconds_to_time(t0)) + "\n" + rezez(seconds_to_time(t0 + 1)) + "\n"));
    EXPECT_EQ(log.distance(), 0.0);

    text = second(t0, 4800.0);
    text += rmc("A", "1e300,N", "-1e300,E") + "\n" + rezez(seconds_to_time(t0 + 1)) + "\n";
    text += rmc("A", "9000.0,N", "18000.0,E") + "\n" + rezez(seconds_to_time(t0 + 2)) + "\n";
    text += rmc("A", "9000.0,S", "00000.0,E") + "\n" + rezez(seconds_to_time(t0 + 3)) + "\n";
    ASSERT_TRUE(load(text));
    EXPECT_TRUE(std::isfinite(log.distance()));
}

// Out-of-range records are all zero; reloading replaces the records.
TEST_F(LogFileTest, OutOfRangeRecordsAreZero)
{
    vexa_log_file empty;
    EXPECT_TRUE(allZero(empty.record_at(0)));
    EXPECT_TRUE(allZero(empty.last_record()));
    EXPECT_EQ(empty.duration_seconds(), 0u);

    ASSERT_TRUE(load(seconds(t0, 5)));
    ASSERT_TRUE(load(seconds(t0, 2)));
    EXPECT_EQ(log.count(), 2u);
    EXPECT_TRUE(allZero(log.record_at(2)));
    EXPECT_TRUE(allZero(log.record_at(UINT64_MAX)));
    EXPECT_EQ(time_to_seconds(log.last_record().time), t0 + 1);
}
