#include "IniFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>

using Info = std::map<std::string, std::string>;

// The first line is skipped whatever it says; CR LF and bare LF may mix, a carriage return
// that ends no line stays in the value; keys and values are taken as they stand; later lines win.
TEST(IniFile, Parse)
{
    const std::pair<const char *, Info> cases[] = {
        {"A=1\r\nB=2\r\nC=x y\r\n", {{"B", "2"}, {"C", "x y"}}},
        {"[SET]\nA=1\r\nB=2\nC=3\r\nD=4", {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}}},
        {"[SET]\nA=1\rB\nC=2\r", {{"A", "1\rB"}, {"C", "2\r"}}},
        {"[SET]\r\n KEY = v \r\nVEHICLEID=AB=CD\r\nno equals sign\r\nEMPTY=\r\n=orphan\r\n",
         {{" KEY ", " v "}, {"VEHICLEID", "AB"}, {"EMPTY", ""}, {"", "orphan"}}},
        {"[SET]\r\nA=1\r\nA=2\r\n", {{"A", "2"}}},
        {"", {}}, {"A=1", {}}, {"\r\n\r\n", {}}, {"[SET]\r\nA=1", {{"A", "1"}}}};
    for (const auto &[text, info] : cases)
        EXPECT_EQ(IniFile::parse(text), info) << text;
}

TEST(IniFile, IntegerForKey)
{
    const IniFile ini(IniFile::parse("[SET]\r\nA=12abc\r\nB=abc\r\nC=-5\r\nD= 7\r\nE=99999999999999999999\r\n"
                                     "F=-99999999999999999999\r\nG=\r\nH=+3\r\n"));
    EXPECT_EQ(ini.integerForKey("A", 1), 12);
    EXPECT_EQ(ini.integerForKey("B", 1), 0);
    EXPECT_EQ(ini.integerForKey("C", 1), -5);
    EXPECT_EQ(ini.integerForKey("D", 1), 7);
    EXPECT_EQ(ini.integerForKey("E", 1), LONG_MAX);
    EXPECT_EQ(ini.integerForKey("F", 1), LONG_MIN);
    EXPECT_EQ(ini.integerForKey("G", 1), 0);
    EXPECT_EQ(ini.integerForKey("H", 1), 3);
    EXPECT_EQ(ini.integerForKey("absent", 42), 42);
    EXPECT_EQ(IniFile::leadingInteger("-9223372036854775808"), LONG_MIN);
    EXPECT_EQ(IniFile::leadingInteger("9223372036854775807"), LONG_MAX);
}

TEST(IniFile, RefusesFilesOver64KB)
{
    TempDir dir;
    std::string text = "[SET]\r\nA=1\r\n";
    writeText(dir.file("fits.dat"), text + std::string(IniFile::max_size - text.size(), 'x'));
    writeText(dir.file("big.dat"), text + std::string(IniFile::max_size, 'x'));
    EXPECT_EQ(IniFile::readWithPath(dir.file("fits.dat")).count("A"), 1u);
    std::string error;
    EXPECT_TRUE(IniFile::readWithPath(dir.file("big.dat"), &error).empty());
    EXPECT_NE(error.find("64 KB"), std::string::npos);
}

TEST(IniFile, ReadsFilesAndToleratesMissingOnes)
{
    TempDir dir;
    writeText(dir.file("set.dat"), "[SET]\r\nVEHICLEID=Lkw 7 \xc3\xa4\r\n");
    const IniFile ini(dir.file("set.dat"));
    EXPECT_EQ(ini.stringForKey("VEHICLEID"), "Lkw 7 \xc3\xa4");
    EXPECT_EQ(ini.stringForKey("absent"), "");
    EXPECT_FALSE(ini.contains("absent"));
    EXPECT_TRUE(IniFile::readWithPath(dir.file("missing.ini")).empty());
    EXPECT_TRUE(IniFile::readWithPath(dir.path()).empty());
}
