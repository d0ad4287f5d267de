#include "handicap/handicapindex.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "data/convert.h"
#include "handicap/rounds.h"

namespace fw {
namespace {

using fwtest::DateFor;
using fwtest::Field;
using fwtest::MakeRound;
using fwtest::RoundWithDifferential;
using fwtest::SetField;

const IndexGolfer kMan{"Pat Jones", 0};
const IndexGolfer kWoman{"Sue Smith", 1};
const std::string kNeedFive = "A golfer needs 5 valid scores to receive an index.";

std::string CourseAt(int p) {
  return "Course " + std::to_string(p);
}

// A table of complete rounds with the given differentials, newest first.
ScoreTable TableOf(const std::vector<double>& differentials) {
  ScoreTable t;
  for (std::size_t i = 0; i < differentials.size(); ++i) {
    const int p = static_cast<int>(i) + 1;
    t.Append(RoundWithDifferential(p, differentials[i], CourseAt(p)));
  }
  return t;
}

IndexResult IndexOf(ScoreTable& t, const IndexGolfer& g = kMan, bool useMax = true) {
  NoIndexOutput none;
  return ComputeIndex(t, g, none, IndexOptions{useMax, false});
}

std::array<int, 10> Slots(std::vector<int> used) {
  std::array<int, 10> a;
  a.fill(kUnusedSlot);
  for (std::size_t i = 0; i < used.size(); ++i) a[i] = used[i];
  return a;
}

class RecordingPrinter : public LinePrinter {
 public:
  void PrintLine(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

// ---------------------------------------------------------------- counting

TEST(IndexCountTest, DifferentialsUsedForEveryCount) {
  const int expected[21] = {0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
  for (int c = 0; c <= 20; ++c) {
    std::vector<double> d;
    for (int p = 1; p <= c; ++p) d.push_back(10.0 + p);  // the newest are the best
    ScoreTable t = TableOf(d);
    IndexResult r = IndexOf(t);
    EXPECT_EQ(r.Counted, c);
    EXPECT_EQ(r.N, expected[c]) << c << " complete rounds";
    std::vector<int> used;
    for (int k = 1; k <= expected[c]; ++k) used.push_back(k);
    EXPECT_EQ(r.UsedScores, Slots(used)) << c << " complete rounds";
  }
}

TEST(IndexCountTest, OnlyTheNewestTwentyCompleteRoundsAreExamined) {
  std::vector<double> d;
  for (int p = 1; p <= 20; ++p) d.push_back(20.0 + p * 0.1);
  for (int p = 21; p <= 25; ++p) d.push_back(1.0);  // better, but too old
  ScoreTable t = TableOf(d);
  // Rounds beyond the window are not even read.
  t[23].Rating = "7x.5";
  IndexResult r = IndexOf(t);
  EXPECT_EQ(r.Counted, 20);
  EXPECT_EQ(r.N, 10);
  EXPECT_EQ(r.UsedScores, Slots({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_DOUBLE_EQ(r.Index, 19.7);  // 20.55 * 0.96 = 19.728
}

TEST(IndexCountTest, IncompleteRoundsAreSkippedWithoutCounting) {
  // 30 rounds, 12 of them incomplete; each incomplete one would be the best.
  ScoreTable t;
  int incomplete = 0;
  for (int p = 1; p <= 30; ++p) {
    TScoreRec r = RoundWithDifferential(p, 20.0 + p * 0.1, CourseAt(p));
    if (p % 5 == 0 || p % 7 == 0 || p <= 2) {
      TScoreRec bad = MakeRound(DateFor(p), "80", "75.0", "113");  // differential 5.0
      switch (incomplete++ % 6) {
        case 0:
          bad.Date = "99999999";
          break;
        case 1:
          bad.TotalScore = "0";
          break;
        case 2:
          bad.TotalScore = "00";
          break;
        case 3:
          bad.TotalScore = "000";
          break;
        case 4:
          bad.Rating = "0.0";
          break;
        case 5:
          bad.Slope = "0";
          break;
      }
      r = bad;
    }
    t.Append(r);
  }
  ASSERT_EQ(incomplete, 12);
  IndexResult r = IndexOf(t);
  EXPECT_EQ(r.Counted, 18);
  EXPECT_EQ(r.N, 8);
  // The eight best complete rounds are the eight newest complete ones.
  EXPECT_EQ(r.UsedScores, Slots({3, 4, 6, 8, 9, 11, 12, 13}));
}

TEST(IndexCountTest, NegativeOrImpossibleRoundsNeitherCountNorPoisonTheIndex) {
  // Each bad round is newest and would be the best differential by far.
  struct Case {
    Field field;
    const char* text;
  };
  for (const Case& c : std::initializer_list<Case>{{Field::kTotal, "-90"},
                                                   {Field::kAdjusted, "-90"},
                                                   {Field::kRating, "-9.9"},
                                                   {Field::kRating, "9999"},
                                                   {Field::kSlope, "-113"},
                                                   {Field::kSlope, "999"}}) {
    ScoreTable t;
    TScoreRec bad = MakeRound(DateFor(1), "90", "70.0", "113");
    SetField(bad, c.field, c.text);
    t.Append(bad);
    for (int p = 2; p <= 6; ++p) t.Append(RoundWithDifferential(p, 10.0 + p));
    IndexResult r = IndexOf(t);
    EXPECT_EQ(r.Counted, 5) << c.text;
    EXPECT_EQ(r.UsedScores, Slots({2})) << c.text;
    EXPECT_DOUBLE_EQ(r.Index, 11.5) << c.text;  // 12.0 * 0.96
  }

  // An exponent is no number at all: the same error as any other bad text.
  ScoreTable t = TableOf({12.0, 13.0, 14.0, 15.0, 16.0});
  t[2].Rating = "9e99";
  try {
    IndexOf(t);
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'9e99' is not a valid floating point value");
  }
}

TEST(IndexCountTest, EqualDifferentialsRankTheNewerFirst) {
  ScoreTable t = TableOf({12.0, 10.0, 14.0, 10.0, 13.0, 20.0, 20.0, 20.0, 20.0});
  IndexResult r = IndexOf(t);
  EXPECT_EQ(r.N, 3);
  EXPECT_EQ(r.UsedScores, Slots({2, 4, 1}));
  EXPECT_DOUBLE_EQ(r.Index, 10.2);  // 32 / 3 * 0.96 = 10.24
}

// ----------------------------------------------------------------- the index

TEST(IndexValueTest, RoundsToTheNearestTenth) {
  // Ten differentials averaging 15.05: 14.448 -> 14.4.
  std::vector<double> d(20, 30.0);
  for (int i = 0; i < 10; ++i) d[static_cast<std::size_t>(2 * i)] = 15.0;
  d[8] = 15.5;
  ScoreTable t = TableOf(d);
  EXPECT_DOUBLE_EQ(IndexOf(t).Index, 14.4);

  // 15.2 * 0.96 = 14.592: rounded up, not truncated.
  ScoreTable u = TableOf({18.0, 15.2, 19.0, 17.0, 16.0});
  EXPECT_DOUBLE_EQ(IndexOf(u).Index, 14.6);

  // A plus handicap stays negative.
  ScoreTable v = TableOf({-1.0, 3.0, 2.0, 4.0, 5.0});
  IndexResult r = IndexOf(v);
  EXPECT_DOUBLE_EQ(r.Index, -1.0);
  EXPECT_EQ(FormatIndex(r.Index), "-1.0");
}

TEST(IndexValueTest, FewerThanFiveCompleteRoundsGiveTheFixedMaximum) {
  for (bool useMax : {true, false}) {
    ScoreTable t = TableOf({2.0, 3.0, 4.0, 5.0});
    IndexResult man = IndexOf(t, kMan, useMax);
    EXPECT_DOUBLE_EQ(man.Index, 36.4);
    EXPECT_EQ(man.N, 0);
    EXPECT_EQ(man.Counted, 4);
    EXPECT_EQ(man.UsedScores, Slots({}));
    EXPECT_DOUBLE_EQ(IndexOf(t, kWoman, useMax).Index, 40.4);
    ScoreTable empty;
    EXPECT_DOUBLE_EQ(IndexOf(empty, kWoman, useMax).Index, 40.4);
  }
}

TEST(IndexValueTest, MaximumIndexRuleForManAndWoman) {
  ScoreTable forty = TableOf({40.0, 40.0, 40.0, 40.0, 40.0});  // 38.4
  EXPECT_DOUBLE_EQ(IndexOf(forty, kMan, true).Index, 36.4);
  EXPECT_DOUBLE_EQ(IndexOf(forty, kMan, false).Index, 38.4);
  EXPECT_DOUBLE_EQ(IndexOf(forty, kWoman, true).Index, 38.4);
  EXPECT_DOUBLE_EQ(IndexOf(forty, kWoman, false).Index, 38.4);

  ScoreTable high = TableOf({45.0, 45.0, 45.0, 45.0, 45.0});  // 43.2
  EXPECT_DOUBLE_EQ(IndexOf(high, kWoman, true).Index, 40.4);
  EXPECT_DOUBLE_EQ(IndexOf(high, kWoman, false).Index, 43.2);
  EXPECT_DOUBLE_EQ(IndexOf(high, kMan, true).Index, 36.4);
}

TEST(IndexValueTest, DifferentialUsesAdjustedScoreElseTotal) {
  ScoreTable t = TableOf({30.0, 30.0, 30.0, 30.0, 30.0});
  t[3].TotalScore = "95";
  t[3].Rating = "72.0";
  t[3].AdjustedScore = "90";  // 18.0, not 23.0
  IndexResult r = IndexOf(t);
  EXPECT_EQ(r.UsedScores, Slots({3}));
  EXPECT_DOUBLE_EQ(r.Index, 17.3);  // 18 * 0.96 = 17.28

  t[3].AdjustedScore = "XXX";  // the total counts: 23.0
  r = IndexOf(t);
  EXPECT_DOUBLE_EQ(r.Index, 22.1);  // 22.08
}

TEST(IndexValueTest, RoundsWithoutRatingOrSlopeCountButAreNotUsed) {
  ScoreTable t = TableOf({1.0, 2.0, 20.0, 21.0, 22.0, 23.0});
  t[1].Rating = "XXX";
  t[2].Slope = "XXX";
  IndexResult r = IndexOf(t);
  EXPECT_EQ(r.Counted, 6);
  EXPECT_EQ(r.N, 1);
  EXPECT_EQ(r.UsedScores, Slots({3}));
  EXPECT_DOUBLE_EQ(r.Index, 19.2);
  // The table itself now says "no rating" for both.
  EXPECT_EQ(t[1].Rating, "0.0");
  EXPECT_EQ(t[2].Rating, "0.0");
  EXPECT_EQ(t[2].Slope, "XXX");
  EXPECT_EQ(t[3].Rating, "70.0");
}

TEST(IndexValueTest, AveragesOnlyTheUsableDifferentials) {
  // Twenty counted rounds call for ten differentials; only seven exist.
  std::vector<double> d;
  for (int p = 1; p <= 20; ++p) d.push_back(p <= 7 ? 9.0 + p : 1.0);
  ScoreTable t = TableOf(d);
  for (int p = 8; p <= 20; ++p) t[p].Rating = "XXX";
  IndexDialogFields dialog;
  IndexResult r = ComputeIndex(t, kMan, dialog, IndexOptions{});
  EXPECT_EQ(r.Counted, 20);
  EXPECT_EQ(r.N, 7);
  EXPECT_EQ(r.UsedScores, Slots({1, 2, 3, 4, 5, 6, 7}));
  EXPECT_DOUBLE_EQ(r.Index, 12.5);  // 13 * 0.96 = 12.48
  EXPECT_EQ(dialog.Field[1], "Calculated index using best 7 out of 20 differentials.");
  EXPECT_EQ(dialog.Field[8], "Differential 7   = 16.0  12/22/2002  Course 7");
  EXPECT_EQ(dialog.Field[9], "");
  EXPECT_EQ(dialog.Field[10], "The current index for Pat Jones is 12.5");
}

TEST(IndexValueTest, NoUsableDifferentialGivesTheFixedMaximum) {
  ScoreTable t = TableOf({10.0, 11.0, 12.0, 13.0, 14.0, 15.0});
  for (int p = 1; p <= 6; ++p) t[p].Slope = "XXX";
  IndexDialogFields dialog;
  IndexResult r = ComputeIndex(t, kWoman, dialog, IndexOptions{false, false});
  EXPECT_EQ(r.Counted, 6);
  EXPECT_EQ(r.N, 0);
  EXPECT_EQ(r.UsedScores, Slots({}));
  EXPECT_DOUBLE_EQ(r.Index, 40.4);
  EXPECT_EQ(dialog.Field[0], "6 scores on file for Sue Smith.  (6 are valid)");
  EXPECT_EQ(dialog.Field[1], kNeedFive);
  EXPECT_EQ(dialog.Field[2], "");
  EXPECT_EQ(dialog.Field[3], "The current index for Sue Smith is 40.4");
}

TEST(IndexValueTest, ExaminedTextsAreCutAtNul) {
  ScoreTable t = TableOf({30.0, 30.0, 30.0, 30.0, 30.0});
  t[2].TotalScore = std::string(
      "90\0"
      "7",
      4);
  t[2].AdjustedScore = std::string("88\0", 3);
  t[2].Rating = std::string(
      "70.0\0"
      "9",
      6);
  t[2].Slope = std::string("113\0", 4);
  t[2].Date = std::string("20021227\0", 9);
  t[2].CourseName = std::string(
      "Oak Hills\0"
      "Old",
      13);
  RecordingPrinter lines;
  IndexPrinter target(lines);
  IndexResult r = ComputeIndex(t,
                               IndexGolfer{std::string("Pat\0"
                                                       "rick",
                                                       8),
                                           0},
                               target, IndexOptions{});
  EXPECT_DOUBLE_EQ(r.Index, 17.3);  // 18.0 * 0.96
  EXPECT_EQ(t[2].TotalScore, "90");
  EXPECT_EQ(t[2].AdjustedScore, "88");
  EXPECT_EQ(t[2].Rating, "70.0");
  EXPECT_EQ(t[2].Slope, "113");
  EXPECT_EQ(t[2].Date, "20021227");
  ASSERT_EQ(lines.lines.size(), 5u);
  EXPECT_EQ(lines.lines[0], "5 scores on file for Pat.  (5 are valid)");
  EXPECT_EQ(lines.lines[2], "Differential 1   = 18.0  12/27/2002  Oak Hills");
  EXPECT_EQ(lines.lines[4], "The current index for Pat is 17.3");
}

TEST(IndexValueTest, FormatIndex) {
  EXPECT_EQ(FormatIndex(9.7), " 9.7");
  EXPECT_EQ(FormatIndex(14.4), "14.4");
  EXPECT_EQ(FormatIndex(36.4), "36.4");
  EXPECT_EQ(FormatIndex(0.0), " 0.0");
  EXPECT_EQ(FormatIndex(-0.04), " 0.0");
}

// -------------------------------------------------------------- the report

// 21 rounds: 19 complete, the best nine at scattered positions.
ScoreTable NineteenValid() {
  std::vector<double> d(21, 30.0);
  d[0] = 12.5;
  d[2] = -2.3;
  d[4] = 10.0;
  d[5] = 9.9;
  d[7] = 10.0;
  d[8] = 0.0;
  d[10] = 11.2;
  d[12] = 5.5;
  d[13] = 12.0;
  d[3] = d[14] = -10.0;
  ScoreTable t = TableOf(d);
  t[4].Date = "99999999";
  t[15].TotalScore = "000";
  return t;
}

TEST(IndexReportTest, DialogWithNoRounds) {
  ScoreTable t;
  IndexDialogFields dialog;
  dialog.Field.fill("old text");
  IndexResult r = ComputeIndex(t, kMan, dialog, IndexOptions{});
  const std::array<std::string, 14> expected = {"0 scores on file for Pat Jones.  (0 are valid)",
                                                kNeedFive, "",
                                                "The current index for Pat Jones is 36.4"};
  EXPECT_EQ(dialog.Field, expected);
  EXPECT_EQ(r.Lines, std::vector<std::string>(expected.begin(), expected.begin() + 4));
}

TEST(IndexReportTest, DialogWithFiveRounds) {
  ScoreTable t = TableOf({12.3, 9.7, 15.0, 20.0, 11.1});
  IndexDialogFields dialog;
  dialog.Field.fill("old text");
  IndexResult r = ComputeIndex(t, kMan, dialog, IndexOptions{});
  const std::array<std::string, 14> expected = {
      "5 scores on file for Pat Jones.  (5 are valid)",
      "Calculated index using best 1 out of 5 differentials.",
      "Differential 1   =   9.7  12/27/2002  Course 2", "",
      "The current index for Pat Jones is  9.3"};
  EXPECT_EQ(dialog.Field, expected);
  EXPECT_EQ(r.Lines, std::vector<std::string>(expected.begin(), expected.begin() + 5));
}

TEST(IndexReportTest, DialogWithNineteenValidRounds) {
  ScoreTable t = NineteenValid();
  IndexDialogFields dialog;
  IndexResult r = ComputeIndex(t, kMan, dialog, IndexOptions{});
  EXPECT_EQ(r.UsedScores, Slots({3, 9, 13, 6, 5, 8, 11, 14, 1}));
  const std::array<std::string, 14> expected = {
      "21 scores on file for Pat Jones.  (19 are valid)",
      "Calculated index using best 9 out of 19 differentials.",
      "Differential 1   =  -2.3  12/26/2002  Course 3",
      "Differential 2   =   0.0  12/20/2002  Course 9",
      "Differential 3   =   5.5  12/16/2002  Course 13",
      "Differential 4   =   9.9  12/23/2002  Course 6",
      "Differential 5   = 10.0  12/24/2002  Course 5",
      "Differential 6   = 10.0  12/21/2002  Course 8",
      "Differential 7   = 11.2  12/18/2002  Course 11",
      "Differential 8   = 12.0  12/15/2002  Course 14",
      "Differential 9   = 12.5  12/28/2002  Course 1",
      "",
      "The current index for Pat Jones is  7.3",  // 68.8 / 9 * 0.96 = 7.339
      ""};
  EXPECT_EQ(dialog.Field, expected);
}

TEST(IndexReportTest, DialogWithTwentyFiveRounds) {
  std::vector<double> d(25, 30.0);
  for (int p = 2; p <= 20; p += 2) d[static_cast<std::size_t>(p - 1)] = p;
  for (int p = 21; p <= 25; ++p) d[static_cast<std::size_t>(p - 1)] = 1.0;
  ScoreTable t = TableOf(d);
  IndexDialogFields dialog;
  IndexResult r = ComputeIndex(t, kMan, dialog, IndexOptions{});
  EXPECT_EQ(r.N, 10);
  EXPECT_EQ(dialog.Field[0], "25 scores on file for Pat Jones.");
  EXPECT_EQ(dialog.Field[1], "Calculated index using best 10 out of 20 differentials.");
  EXPECT_EQ(dialog.Field[2], "Differential 1   =   2.0  12/27/2002  Course 2");
  EXPECT_EQ(dialog.Field[5], "Differential 4   =   8.0  12/21/2002  Course 8");
  EXPECT_EQ(dialog.Field[6], "Differential 5   = 10.0  12/19/2002  Course 10");
  EXPECT_EQ(dialog.Field[11], "Differential 10  = 20.0  12/09/2002  Course 20");
  EXPECT_EQ(dialog.Field[12], "");
  EXPECT_EQ(dialog.Field[13], "The current index for Pat Jones is 10.6");  // 10.56
  EXPECT_EQ(r.Lines.size(), 14u);
}

TEST(IndexReportTest, ScoreListLineAHasNoCount) {
  ScoreTable t = TableOf({12.3, 9.7, 15.0, 20.0, 11.1});
  IndexDialogFields dialog;
  ComputeIndex(t, kMan, dialog, IndexOptions{true, true});
  EXPECT_EQ(dialog.Field[0], "5 scores on file for Pat Jones.");
  ScoreTable empty;
  ComputeIndex(empty, kWoman, dialog, IndexOptions{true, true});
  EXPECT_EQ(dialog.Field[0], "0 scores on file for Sue Smith.");
  EXPECT_EQ(dialog.Field[3], "The current index for Sue Smith is 40.4");
}

TEST(IndexReportTest, FileGetsTheLinesWithCrLf) {
  ScoreTable t = NineteenValid();
  std::string out = "earlier text\r\n";
  IndexTextFile file(out);
  IndexResult r = ComputeIndex(t, kMan, file, IndexOptions{});
  EXPECT_EQ(out,
            "earlier text\r\n"
            "21 scores on file for Pat Jones.  (19 are valid)\r\n"
            "Calculated index using best 9 out of 19 differentials.\r\n"
            "Differential 1   = -2.3  12/26/2002  Course 3\r\n"
            "Differential 2   =  0.0  12/20/2002  Course 9\r\n"
            "Differential 3   =  5.5  12/16/2002  Course 13\r\n"
            "Differential 4   =  9.9  12/23/2002  Course 6\r\n"
            "Differential 5   = 10.0  12/24/2002  Course 5\r\n"
            "Differential 6   = 10.0  12/21/2002  Course 8\r\n"
            "Differential 7   = 11.2  12/18/2002  Course 11\r\n"
            "Differential 8   = 12.0  12/15/2002  Course 14\r\n"
            "Differential 9   = 12.5  12/28/2002  Course 1\r\n"
            "\r\n"
            "The current index for Pat Jones is  7.3\r\n");
  EXPECT_EQ(r.Lines.size(), 13u);

  ScoreTable empty;
  std::string none;
  IndexTextFile noneFile(none);
  ComputeIndex(empty, kMan, noneFile, IndexOptions{});
  EXPECT_EQ(none, "0 scores on file for Pat Jones.  (0 are valid)\r\n" + kNeedFive +
                      "\r\n\r\nThe current index for Pat Jones is 36.4\r\n");
}

TEST(IndexReportTest, PrinterGetsEachLine) {
  std::vector<double> d(25, 30.0);
  d[24] = 5.0;
  ScoreTable t = TableOf(d);
  RecordingPrinter printer;
  IndexPrinter target(printer);
  IndexResult r = ComputeIndex(t, kMan, target, IndexOptions{});
  ASSERT_EQ(printer.lines.size(), 14u);
  EXPECT_EQ(printer.lines[0], "25 scores on file for Pat Jones.");
  EXPECT_EQ(printer.lines[1], "Calculated index using best 10 out of 20 differentials.");
  EXPECT_EQ(printer.lines[2], "Differential 1   = 30.0  12/28/2002  Course 1");
  EXPECT_EQ(printer.lines[11], "Differential 10  = 30.0  12/19/2002  Course 10");
  EXPECT_EQ(printer.lines[12], "");
  EXPECT_EQ(printer.lines[13], "The current index for Pat Jones is 28.8");
  EXPECT_EQ(r.Lines, printer.lines);
}

TEST(IndexReportTest, NoOutputTargetGetsNoLines) {
  ScoreTable t = TableOf({12.3, 9.7, 15.0, 20.0, 11.1});
  IndexResult r = IndexOf(t);
  EXPECT_TRUE(r.Lines.empty());
  EXPECT_DOUBLE_EQ(r.Index, 9.3);
}

TEST(IndexReportTest, ConversionErrorOutputsNothing) {
  ScoreTable t = TableOf({12.3, 9.7, 15.0, 20.0, 11.1, 13.0, 14.0});
  t[4].Rating = "7x.5";

  std::string out = "kept\r\n";
  IndexTextFile file(out);
  RecordingPrinter printer;
  IndexPrinter printTarget(printer);
  IndexDialogFields dialog;
  dialog.Field.fill("old text");
  for (IndexTarget* target : std::initializer_list<IndexTarget*>{&file, &printTarget, &dialog}) {
    try {
      ComputeIndex(t, kMan, *target, IndexOptions{});
      ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), "'7x.5' is not a valid floating point value");
    }
  }
  EXPECT_EQ(out, "kept\r\n");
  EXPECT_TRUE(printer.lines.empty());
  const std::array<std::string, 14> allEmpty{};
  EXPECT_EQ(dialog.Field, allEmpty);

  t[4].Rating = "70.0";
  t[4].AdjustedScore = "9O";
  try {
    IndexOf(t);
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'9O' is not a valid floating point value");
  }
}

}  // namespace
}  // namespace fw
