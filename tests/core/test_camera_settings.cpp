#include "CameraSettings.h"
#include "FileLimit.h"
#include "IniFile.h"
#include "TestFiles.h"
#include "vexa_time.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;
using Variant = CameraSettings::Variant;

namespace {

std::string textOf(const std::string &path)
{
    const Bytes b = readFile(path);
    return std::string(b.begin(), b.end());
}

class CardTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(config()); }
    std::string config() const { return dir.path() + "/config"; }
    std::string config(const std::string &name) const { return config() + "/" + name; }

    TempDir dir;
};

// The keys in the camera's order, with their defaults.
const char *const defaultText =
    "[SET]\r\nPOSTFIELD1=4\r\nPOSTRECINT1=10\r\nPRERECINT1=10\r\nPOSTSIZE1=64\r\nPRESIZE1=64\r\nRECMOD=2\r\n"
    "BEEPRECORD=1\r\nPASSWORD=0\r\nTRGSET=3\r\nACCSEN=9\r\nACCSENX=4\r\nACCSENY=4\r\nACCSENZ=4\r\n"
    "GSSPEED=0\r\nVEHICLEID=\r\nRECINGMODE1=1\r\nPRERECTIME1=12\r\nPOSTRECTIME1=8\r\nPREFIELD1=4\r\n"
    "GPSRECTIME=48\r\nBEEPERROR=5\r\n";

} // namespace

TEST(CameraSettings, DefaultsWrittenByteForByte)
{
    EXPECT_EQ(CameraSettings::defaults().text(), defaultText);
    EXPECT_EQ(CameraSettings().text(), defaultText);
}

TEST(CameraSettings, OrvistoDefaults)
{
    const CameraSettings s = CameraSettings::defaults(Variant::Orvisto);
    const std::pair<const char *, int> values[] = {{"POSTRECINT1", 5}, {"PRERECINT1", 5}, {"POSTSIZE1", 32},
        {"PRESIZE1", 32}, {"BEEPRECORD", 0}, {"ACCSEN", 1}, {"GPSRECTIME", 168}, {"BEEPERROR", -1}, {"RECMOD", 2}};
    for (const auto &[key, value] : values)
        EXPECT_EQ(s.integer(key), value) << key;
    EXPECT_EQ(CameraSettings::defaultValue("VEHICLEID"), "");
    EXPECT_EQ(CameraSettings::defaultValue("NOSUCHKEY"), "");
}

TEST(CameraSettings, FormattedCardTextReadsAsTheDefaults)
{
    const std::string text = CameraSettings::defaultConfigText();
    EXPECT_EQ(IniFile::parse(text).size(), 17u);
    EXPECT_EQ(CameraSettings::parse(text).text(), defaultText);
}

TEST(CameraSettings, WriteOrderWithChosenValues)
{
    CameraSettings s = CameraSettings::defaults();
    s.setInteger("POSTRECINT1", 15);
    s.setInteger("PRERECINT1", 1);  // always follows the after-event rate
    s.setInteger("POSTSIZE1", 20);
    s.setInteger("PASSWORD", CameraSettings::encodePin(1234));
    s.setInteger("TRGSET", 7);  // fixed
    s.set("VEHICLEID", "B-XY 123");
    s.set("PREFIELD1", "2");  // fixed
    s.setInteger("BEEPERROR", -1);
    EXPECT_EQ(s.text(),
        "[SET]\r\nPOSTFIELD1=4\r\nPOSTRECINT1=15\r\nPRERECINT1=15\r\nPOSTSIZE1=20\r\nPRESIZE1=20\r\nRECMOD=2\r\n"
        "BEEPRECORD=1\r\nPASSWORD=8439\r\nTRGSET=3\r\nACCSEN=9\r\nACCSENX=4\r\nACCSENY=4\r\nACCSENZ=4\r\n"
        "GSSPEED=0\r\nVEHICLEID=B-XY 123\r\nRECINGMODE1=1\r\nPRERECTIME1=12\r\nPOSTRECTIME1=8\r\nPREFIELD1=4\r\n"
        "GPSRECTIME=48\r\nBEEPERROR=-1\r\n");
}

TEST(CameraSettings, PinEncoding)
{
    EXPECT_EQ(CameraSettings::encodePin(0), 0);
    EXPECT_EQ(CameraSettings::encodePin(1000), 7737);
    EXPECT_EQ(CameraSettings::encodePin(9999), 34734);
    for (int64_t pin = 1000; pin <= 9999; ++pin)
        ASSERT_EQ(CameraSettings::decodePin(CameraSettings::encodePin(pin)), pin);
    for (int64_t code : {int64_t(0), int64_t(7736), int64_t(34735), int64_t(-7737), INT64_MAX})
        EXPECT_EQ(CameraSettings::decodePin(code), 0) << code;
    // PINs the camera cannot take are stored as none, so they never decode differently.
    for (int64_t pin : {int64_t(999), int64_t(10000), INT64_MAX})
        EXPECT_EQ(CameraSettings::encodePin(pin), 0) << pin;
}

TEST(CameraSettings, ValuesAreLeadingIntegers)
{
    const CameraSettings s = CameraSettings::parse("[SET]\nRECMOD=1x\nACCSENX=\nVEHICLEID=A=B\nPRERECINT1=30\n");
    EXPECT_EQ(s.integer("RECMOD"), 1);
    EXPECT_EQ(s.string("RECMOD"), "1");
    EXPECT_EQ(s.integer("ACCSENX"), 0);  // present but empty: 0, not the default
    EXPECT_EQ(s.string("VEHICLEID"), "A");
    EXPECT_EQ(s.integer("PRERECINT1"), 10);  // not read: follows POSTRECINT1
}

TEST(CameraSettings, VehicleTextCannotInjectLines)
{
    CameraSettings s = CameraSettings::defaults();
    s.set("VEHICLEID", "CAR\r\nPASSWORD=7737\nX\r");
    const std::string text = s.text();
    EXPECT_NE(text.find("\r\nVEHICLEID=CARPASSWORD=7737X\r\n"), std::string::npos);
    EXPECT_EQ(CameraSettings::parse(text).integer("PASSWORD"), 0);
    EXPECT_EQ(IniFile::parse(text).size(), CameraSettings::keys().size());
}

// Texts the camera could not read back are refused on saving; the old file stays.
TEST_F(CardTest, VehicleTextIsCheckedOnSaving)
{
    const std::string previous = "[SET]\r\nPASSWORD=7737\r\nVEHICLEID=old\r\n";
    for (const char *bad : {"A=B", "CAR\r\nPASSWORD=0", "A\tB", "DEL\x7F"}) {
        writeText(config("set.dat"), previous);
        CameraSettings s = CameraSettings::read(dir.path());
        s.set("VEHICLEID", bad);
        EXPECT_FALSE(s.write(dir.path())) << bad;
        EXPECT_NE(s.errorString().find("VEHICLEID"), std::string::npos);
        EXPECT_EQ(textOf(config("set.dat")), previous);
    }
    CameraSettings s = CameraSettings::read(dir.path());
    s.set("VEHICLEID", "Van 3 \xC3\xBC");
    ASSERT_TRUE(s.write(dir.path())) << s.errorString();
    EXPECT_EQ(CameraSettings::read(dir.path()).string("VEHICLEID"), "Van 3 \xC3\xBC");
    EXPECT_EQ(CameraSettings::read(dir.path()).integer("PASSWORD"), 7737);
}

TEST_F(CardTest, ReadPrefersSetDatThenSetIni)
{
    EXPECT_EQ(CameraSettings::read(dir.path()).text(), defaultText);
    EXPECT_EQ(CameraSettings::read(dir.path(), Variant::Orvisto).integer("GPSRECTIME"), 168);

    writeText(config("set.ini"), "[SET]\r\nRECMOD=1\r\n");
    EXPECT_EQ(CameraSettings::read(dir.path()).integer("RECMOD"), 1);

    // Mixed line ends lose no key, the PIN least of all.
    writeText(config("set.dat"), "whatever\r\nGPSRECTIME=744\nPASSWORD=7737\r\nVEHICLEID=Van 3\n");
    const CameraSettings s = CameraSettings::read(dir.path(), Variant::Orvisto);
    EXPECT_EQ(s.integer("PASSWORD"), 7737);
    EXPECT_EQ(s.integer("RECMOD"), 2);
    EXPECT_EQ(s.integer("GPSRECTIME"), 744);
    EXPECT_EQ(s.string("VEHICLEID"), "Van 3");
    EXPECT_EQ(s.integer("BEEPERROR"), -1);
}

TEST_F(CardTest, WriteReplacesTheFileAndDropsTheBackup)
{
    ASSERT_TRUE(CameraSettings::defaults().write(dir.path()));
    EXPECT_EQ(textOf(config("set.dat")), defaultText);

    writeText(config("set.dat"), "[SET]\r\nRECMOD=1\r\n");
    writeText(config("set.dat.bak"), "stale");
    CameraSettings s = CameraSettings::read(dir.path());
    s.setInteger("GPSRECTIME", 168);
    ASSERT_TRUE(s.write(dir.path()));
    EXPECT_EQ(textOf(config("set.dat")), s.text());
    EXPECT_FALSE(fs::exists(config("set.dat.bak")));
    EXPECT_FALSE(fs::exists(config("set.dat.tmp")));
    const CameraSettings back = CameraSettings::read(dir.path());
    EXPECT_EQ(back.text(), s.text());
    EXPECT_EQ(back.integer("RECMOD"), 1);
}

TEST_F(CardTest, FailedWriteKeepsThePreviousSettings)
{
    const std::string previous = "[SET]\r\nRECMOD=1\r\nVEHICLEID=old\r\n";
    writeText(config("set.dat"), previous);
    CameraSettings s = CameraSettings::read(dir.path());
    s.set("VEHICLEID", "new");
    // A full card: the copy of the old file fits, the new text does not.
    EXPECT_FALSE(withFileLimit(64, [&] { return s.write(dir.path()); }));
    EXPECT_NE(s.errorString().find(config("set.dat") + ": File too large"), std::string::npos) << s.errorString();
    EXPECT_EQ(textOf(config("set.dat")), previous);
    EXPECT_EQ(std::distance(fs::directory_iterator(config()), fs::directory_iterator()), 1);  // no temporary
}

// Saves at once never tear the file: each leaves one whole text, and set.dat.bak is gone.
TEST_F(CardTest, ConcurrentSavesLeaveOneWholeText)
{
    CameraSettings a = CameraSettings::defaults(), b = CameraSettings::defaults();
    a.set("VEHICLEID", std::string(200, 'a'));
    b.set("VEHICLEID", "b");
    std::atomic_bool failed{false};
    const auto saves = [&](CameraSettings settings) {
        for (int i = 0; i < 50; ++i)
            if (!settings.write(dir.path()))
                failed = true;
    };
    std::thread first(saves, a), second(saves, b);
    for (int i = 0; i < 200; ++i) {
        const std::string text = textOf(config("set.dat"));
        EXPECT_TRUE(text.empty() || text == a.text() || text == b.text()) << text;
    }
    first.join();
    second.join();
    EXPECT_FALSE(failed);
    const std::string text = textOf(config("set.dat"));
    EXPECT_TRUE(text == a.text() || text == b.text());
    EXPECT_EQ(std::distance(fs::directory_iterator(config()), fs::directory_iterator()), 1);
}

// A link under any name the save uses is replaced or left alone; the file it points to is never written.
TEST_F(CardTest, SaveNeverWritesThroughLinks)
{
    for (const char *name : {"set.dat", "set.dat.bak", "set.dat.tmp"}) {
        const std::string outside = dir.file(std::string("outside-") + name);
        writeText(outside, "user file");
        fs::remove(config("set.dat"));
        if (std::string(name) != "set.dat")
            writeText(config("set.dat"), "[SET]\r\nRECMOD=1\r\n");
        fs::create_symlink(outside, config(name));
        ASSERT_TRUE(CameraSettings::defaults().write(dir.path())) << name;
        EXPECT_EQ(textOf(outside), "user file") << name;
        EXPECT_EQ(textOf(config("set.dat")), defaultText) << name;
        EXPECT_FALSE(fs::is_symlink(config("set.dat"))) << name;
        fs::remove(config(name));
    }
}

TEST_F(CardTest, WriteFailsWithoutConfigFolder)
{
    fs::remove_all(config());
    EXPECT_FALSE(CameraSettings::defaults().write(dir.path()));
    EXPECT_FALSE(fs::exists(config()));
}

TEST_F(CardTest, ClockFileRoundTrip)
{
    EXPECT_EQ(CameraSettings::readClock(dir.path()), -1);
    const int64_t when = 1709210096;  // 2024-02-29 12:34:56 UTC
    ASSERT_TRUE(CameraSettings::writeClock(dir.path(), when));
    EXPECT_EQ(textOf(config("time.ini")), "[SET]\r\nUTCTIME=2024.02.29;12:34:56");
    EXPECT_EQ(CameraSettings::readClock(dir.path()), when);
    EXPECT_FALSE(fs::exists(config("time.ini.tmp")));

    const std::pair<const char *, int64_t> texts[] = {{"[SET]\nUTCTIME=2024.02.29;12:34:56\n", 1709210096},
        {"[SET]\r\nUTCTIME=2024.02.30;00:00:00", 1709251200}, {"[SET]\r\nUTCTIME=2024.2.29;12:34:56xyz;more", 1709210096},
        {"[SET]\r\nUTCTIME=2024.02.29", -1}, {"[SET]\r\nUTCTIME=2024.02;12:34:56", -1},
        {"[SET]\r\nUTCTIME=2024.02.29;12:34", -1}, {"[SET]\r\nOTHER=1", -1}, {"", -1}};
    for (const auto &[text, clock] : texts) {
        writeText(config("time.ini"), text);
        EXPECT_EQ(CameraSettings::readClock(dir.path()), clock) << text;
    }
}

TEST_F(CardTest, FailedClockWriteKeepsTheOldClock)
{
    writeText(config("time.ini"), "[SET]\r\nUTCTIME=2024.02.29;12:34:56");
    EXPECT_FALSE(withFileLimit(8, [&] { return CameraSettings::writeClock(dir.path(), 0); }));
    EXPECT_EQ(CameraSettings::readClock(dir.path()), 1709210096);
}

TEST_F(CardTest, FirmwareVersion)
{
    EXPECT_EQ(CameraSettings::readVersion(dir.path()), "");
    writeText(config("version.ini"), "[SET]\r\nVERSION=QT700_1.2.3_20240101\r\n");
    EXPECT_EQ(CameraSettings::readVersion(dir.path()), "QT700_1.2.3_20240101");
}
