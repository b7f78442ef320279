#include "IniFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>

using Info = std::map<std::string, std::string>;

TEST(IniFile, CrLfLinesAfterTheHeader)
{
    const Info info = IniFile::parse("A=1\r\nB=2\r\nC=x y\r\n");
    EXPECT_EQ(info, (Info{{"B", "2"}, {"C", "x y"}}));  // the first line is skipped whatever it says
}

TEST(IniFile, EachLineEndsInItsOwnWay)
{
    EXPECT_EQ(IniFile::parse("[SET]\nA=1\nB=2\n"), (Info{{"A", "1"}, {"B", "2"}}));
    // CR LF and bare LF mixed in one file: every key is read, none swallowed by a neighbour.
    EXPECT_EQ(IniFile::parse("[SET]\nA=1\r\nB=2\nC=3\r\nD=4"), (Info{{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}}));
    // A carriage return that does not end a line stays in the value.
    EXPECT_EQ(IniFile::parse("[SET]\nA=1\rB\nC=2\r"), (Info{{"A", "1\rB"}, {"C", "2\r"}}));
}

TEST(IniFile, KeysAndValuesAreTakenAsTheyStand)
{
    const Info info = IniFile::parse("[SET]\r\n KEY = v \r\nVEHICLEID=AB=CD\r\nno equals sign\r\nEMPTY=\r\n=orphan\r\n");
    EXPECT_EQ(info, (Info{{" KEY ", " v "}, {"VEHICLEID", "AB"}, {"EMPTY", ""}, {"", "orphan"}}));
}

TEST(IniFile, LaterLinesReplaceEarlierOnes)
{
    EXPECT_EQ(IniFile::parse("[SET]\r\nA=1\r\nA=2\r\n"), (Info{{"A", "2"}}));
}

TEST(IniFile, DegenerateTexts)
{
    EXPECT_TRUE(IniFile::parse("").empty());
    EXPECT_TRUE(IniFile::parse("A=1").empty());
    EXPECT_TRUE(IniFile::parse("\r\n\r\n").empty());
    EXPECT_EQ(IniFile::parse("[SET]\r\nA=1"), (Info{{"A", "1"}}));
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

TEST(IniFile, StringForKey)
{
    const IniFile ini(Info{{"A", "x"}});
    EXPECT_EQ(ini.stringForKey("A"), "x");
    EXPECT_EQ(ini.stringForKey("B"), "");
    EXPECT_TRUE(ini.contains("A"));
    EXPECT_FALSE(ini.contains("B"));
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
    EXPECT_TRUE(IniFile::readWithPath(dir.file("missing.ini")).empty());
    EXPECT_TRUE(IniFile::readWithPath(dir.path()).empty());
}
