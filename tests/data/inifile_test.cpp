#include "data/inifile.h"

#include <gtest/gtest.h>

#include "data/dateorder.h"
#include "handicap/handicaprules.h"
#include "support/fsizelimit.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

TEST(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  IniFile ini(folder);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 472), 472);
  EXPECT_TRUE(ini.ReadFlag("Settings", "UseMaxIndex", true));
  EXPECT_FALSE(ini.ReadFlag("Settings", "UseMaxIndex", false));

  tmp.Write("fairwick.ini", "[MainForm]\r\nHeight=300\r\n");
  EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 472), 472);
  EXPECT_EQ(ini.ReadInteger("GPickForm", "Height", 385), 385);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Height", 353), 300);
}

TEST(IniFileTest, ReadsIntegersHexAndFlagsIgnoringCaseAndBlanks) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("FAIRWICK.INI",
            "Top=1\n"
            "[mainform]\n"
            "  WIDTH = 0x200 \n"
            "Left=0X1f\n"
            "Top= -12\n"
            "Top=99\n"
            "Height=12a\n"
            "Bad=0x\n"
            "Worse=0x1G\n"
            "Empty=\n"
            "Big=0xFFFFFFFF\n"
            "Float=1.5\n"
            "[ Settings ]\n"
            "UseMaxIndex=0\n"
            "Other=2\n"
            "[MainForm]\n"
            "Extra=5\n");
  IniFile ini(folder);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 472), 512);
  EXPECT_EQ(ini.ReadInteger("MAINFORM", "left", 146), 31);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 113), -12);  // the first of its section
  EXPECT_EQ(ini.ReadInteger("MainForm", "Height", 353), 353);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Bad", 7), 7);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Worse", 7), 7);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Empty", 7), 7);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Big", 7), -1);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Float", 7), 7);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Extra", 7), 7);  // only the first section counts
  EXPECT_FALSE(ini.ReadFlag("settings", "usemaxindex", true));
  EXPECT_TRUE(ini.ReadFlag("Settings", "Other", false));
}

TEST(IniFileTest, WriteCreatesTheFileWithCrLfLines) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  IniFile ini(folder);
  ini.WriteInteger("MainForm", "Height", 353);
  ini.WriteInteger("MainForm", "Left", -4);
  ini.WriteFlag("Settings", "UseMaxIndex", false);
  EXPECT_EQ(tmp.Read("fairwick.ini"),
            "[MainForm]\r\nHeight=353\r\nLeft=-4\r\n[Settings]\r\nUseMaxIndex=0\r\n");
  EXPECT_EQ(ini.ReadInteger("MainForm", "Left", 0), -4);
  EXPECT_FALSE(ini.ReadFlag("Settings", "UseMaxIndex", true));
}

TEST(IniFileTest, WriteKeepsEverythingElseInPlace) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("Fairwick.INI",
            "; comment\n"
            "[MainForm]\n"
            "height = 1\n"
            "Width=2\n"
            "\n"
            "[Settings]\n"
            "UseMaxIndex=1\n");
  IniFile ini(folder);
  ini.WriteInteger("mainform", "Height", 400);   // changed where it stands
  ini.WriteInteger("MainForm", "Top", 50);       // added at the end of its section
  ini.WriteInteger("GolferForm", "Width", 634);  // a new section at the end
  EXPECT_EQ(tmp.Names(), std::vector<std::string>{"Fairwick.INI"});
  EXPECT_EQ(tmp.Read("Fairwick.INI"),
            "; comment\r\n"
            "[MainForm]\r\n"
            "height=400\r\n"
            "Width=2\r\n"
            "Top=50\r\n"
            "\r\n"
            "[Settings]\r\n"
            "UseMaxIndex=1\r\n"
            "[GolferForm]\r\n"
            "Width=634\r\n");

  // A value that already stands as written leaves the file as it is, stray
  // bytes of a second byte order mark included.
  const std::string stray = "\xEF\xBB\xBF\xEF\xBB\xBFjunk\n[Window]\nTop=5\n";
  tmp.Write("Fairwick.INI", stray);
  ini.WriteInteger("Window", "Top", 5);
  EXPECT_EQ(tmp.Read("Fairwick.INI"), stray);
}

TEST(IniFileTest, RefusedWriteIsIgnored) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("fairwick.ini", "[MainForm]\r\nHeight=1\r\n");
  IniFile ini(folder);
  {
    fwtest::FileSizeLimit full(4);
    EXPECT_NO_THROW(ini.WriteInteger("MainForm", "Height", 2));
  }
  EXPECT_EQ(tmp.Read("fairwick.ini"), "[MainForm]\r\nHeight=1\r\n");

  // An unreadable settings file is not overwritten either.
  fwtest::TempFolder tmp2;
  tmp2.MakeDir("fairwick.ini/x");
  WorkFolder folder2(tmp2.Path());
  IniFile ini2(folder2);
  EXPECT_NO_THROW(ini2.WriteFlag("Settings", "UseMaxIndex", true));
  EXPECT_TRUE(tmp2.Has("fairwick.ini/x"));
  EXPECT_EQ(ini2.ReadInteger("Settings", "UseMaxIndex", 7), 7);

  // Nor is one stored as UTF-16; a UTF-8 byte order mark is simply skipped.
  const std::string utf16("\xFF\xFE[\0M\0]\0", 8);
  tmp2.Write("utf16.ini", utf16);
  IniFile ini3(folder2, "utf16.ini");
  EXPECT_EQ(ini3.ReadInteger("M", "Height", 7), 7);
  ini3.WriteInteger("M", "Height", 2);
  EXPECT_EQ(tmp2.Read("utf16.ini"), utf16);
  tmp2.Write("bom.ini", "\xEF\xBB\xBF[MainForm]\rHeight=5\r");
  IniFile ini4(folder2, "bom.ini");
  EXPECT_EQ(ini4.ReadInteger("MainForm", "Height", 7), 5);
}

TEST(IniFileTest, StringsAndTheHandicapRules) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  IniFile ini(folder);
  EXPECT_EQ(ReadHandicapRules(ini), HandicapRules::kFairwick);
  WriteHandicapRules(ini, HandicapRules::kWhs);
  ini.WriteString("Settings", "Note", "two\r\nlines");
  EXPECT_EQ(tmp.Read("fairwick.ini"), "[Settings]\r\nHandicapSystem=WHS\r\nNote=two  lines\r\n");
  EXPECT_EQ(ReadHandicapRules(ini), HandicapRules::kWhs);
  EXPECT_EQ(ini.ReadString("settings", "NOTE", "-"), "two  lines");
  EXPECT_EQ(ini.ReadString("Settings", "Missing", "-"), "-");
  for (const char* value : {"whs", "WHS2", "", "Fairwick"})
    EXPECT_EQ(RulesFromSetting(value), HandicapRules::kFairwick) << value;
  WriteHandicapRules(ini, HandicapRules::kFairwick);
  EXPECT_EQ(RulesFromSetting(ini.ReadString("Settings", "HandicapSystem", "")),
            HandicapRules::kFairwick);
}

TEST(IniFileTest, TheDateOrder) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  IniFile ini(folder);
  EXPECT_EQ(ReadDateOrder(ini), DateOrder::kMonthDayYear);
  WriteDateOrder(ini, DateOrder::kDayMonthYear);
  EXPECT_EQ(tmp.Read("fairwick.ini"), "[Settings]\r\nDateOrder=DMY\r\n");
  EXPECT_EQ(ReadDateOrder(ini), DateOrder::kDayMonthYear);
  WriteDateOrder(ini, DateOrder::kYearMonthDay);
  EXPECT_EQ(ReadDateOrder(ini), DateOrder::kYearMonthDay);
  EXPECT_EQ(DateOrderFromSetting(" ymd "), DateOrder::kYearMonthDay);
  for (const char* value : {"", "MDY", "DDMMYY", "D M Y"})
    EXPECT_EQ(DateOrderFromSetting(value), DateOrder::kMonthDayYear) << value;
}

}  // namespace
}  // namespace fw
