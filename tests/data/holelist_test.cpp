#include "data/holelist.h"

#include <gtest/gtest.h>

#include "support/ondisk.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using Typed = std::array<std::string, 18>;

Typed Straight() {
  Typed t;
  for (int h = 0; h < 18; ++h) t[static_cast<std::size_t>(h)] = std::to_string(h + 1);
  return t;
}

TEST(HoleListTest, StrokeIndexFieldsAreCheckedWithAMessageNamingTheFault) {
  EXPECT_TRUE(CheckStrokeIndexes(Typed{}).Ok());
  EXPECT_FALSE(CheckStrokeIndexes(Typed{}).Values);
  Typed t = Straight();
  t[4] = " 5 ";
  EXPECT_EQ(CheckStrokeIndexes(t).Values->at(4), 5);
  const struct {
    std::vector<std::pair<int, const char*>> changes;
    const char* message;
  } cases[] = {
      {{{5, ""}}, "The stroke index of hole 5 is missing. Give all 18 stroke indexes, or none."},
      {{{5, "x"}}, "The stroke index of hole 5, 'x', is not a whole number."},
      {{{5, "19"}}, "The stroke index of hole 5 is 19; stroke indexes run from 1 to 18."},
      {{{12, "7"}}, "Stroke index 7 is used twice; 12 is missing."},
      {{{12, "7"}, {15, "7"}}, "Stroke index 7 is used 3 times; 12 and 15 are missing."},
      {{{12, "7"}, {3, "9"}}, "Stroke indexes 7 and 9 are used twice; 3 and 12 are missing."},
      {{{12, "7"}, {15, "7"}, {3, "9"}},
       "Stroke indexes 7 and 9 are used more than once; 3, 12 and 15 are missing."},
  };
  for (const auto& c : cases) {
    Typed typed = Straight();
    for (const auto& [hole, text] : c.changes) typed[static_cast<std::size_t>(hole - 1)] = text;
    EXPECT_EQ(CheckStrokeIndexes(typed).Message, c.message);
  }
}

TEST(HoleListTest, RoundTripRenameAndRemove) {
  fwtest::TempFolder tmp;
  const WorkFolder folder(tmp.Path());
  HoleTable holes;
  LoadHoleList(folder, holes);  // no file: no stroke indexes
  EXPECT_TRUE(holes.Empty());

  StrokeIndexes si;
  for (std::size_t h = 0; h < 18; ++h) si[h] = static_cast<int>(18 - h);
  SetStrokeIndexes(holes, "Oak Hills", si);
  SetStrokeIndexes(holes, "Pine", si);
  SaveHoleList(folder, holes, fwtest::OnDisk(folder, kHoleListFile));
  std::string oak = "Oak Hills~";
  for (int n = 18; n >= 1; --n) oak += std::to_string(n) + "~";
  const std::string bytes = oak + "\r\nPine" + oak.substr(9) + "\r\n";
  EXPECT_EQ(tmp.Read("holes.fwc"), bytes);
  LoadHoleList(folder, holes);
  EXPECT_EQ(FormatHoleList(holes), bytes);
  EXPECT_EQ(StrokeIndexesOf(holes, "OAK HILLS"), si);
  EXPECT_FALSE(StrokeIndexesOf(holes, "Oak"));

  RenameHoleRecs(holes, "oak hills", "Old Oak");
  EXPECT_FALSE(StrokeIndexesOf(holes, "Oak Hills"));
  EXPECT_EQ(holes[1].Name, "Old Oak");
  RenameHoleRecs(holes, "Pine", "Old Oak");  // the renamed course's own win
  RemoveHoleRecs(holes, "PINE");
  ASSERT_EQ(holes.Count(), 1);
  EXPECT_EQ(StrokeIndexesOf(holes, "Old Oak"), si);
  SetStrokeIndexes(holes, "old oak", std::nullopt);
  EXPECT_TRUE(holes.Empty());

  // A hand-edited line that is no permutation gives no stroke indexes; what
  // cannot stay in its field is blanked, and a folder is refused.
  ParseHoleList("Bad~1~1~\r\n\r\nX~Y~", holes);
  ASSERT_EQ(holes.Count(), 2);
  EXPECT_FALSE(StrokeIndexesOf(holes, "Bad"));
  holes[2].StrokeIndex[1] = "~";
  EXPECT_EQ(FormatHoleList(holes).substr(26), "X~Y~ ~" + std::string(16, '~') + "\r\n");

  // A list longer than the table loads what fits and is never saved shorter.
  std::string many;
  for (int i = 0; i <= MaxHoleLines; ++i) many += "C" + std::to_string(i) + "~\r\n";
  tmp.Write("holes.fwc", many);
  FileSnapshot seen;
  LoadHoleList(folder, holes, &seen);
  EXPECT_EQ(holes.Count(), MaxHoleLines);
  EXPECT_THROW(SaveHoleList(folder, holes, seen), NotSavedError);
  EXPECT_EQ(tmp.Read("holes.fwc"), many);
  std::filesystem::remove(tmp.Path() / "holes.fwc");

  tmp.MakeDir("HOLES.FWC");
  EXPECT_THROW(LoadHoleList(folder, holes), NotADataFileError);
}

}  // namespace
}  // namespace fw
