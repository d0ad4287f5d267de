#include "handicap/whs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/convert.h"
#include "handicap/handicapindex.h"
#include "handicap/rounds.h"
#include "reports/progressstats.h"

namespace fw {
namespace {

const IndexGolfer kMan{"Pat Jones", 0};
const IndexOptions kWhs{true, false, HandicapRules::kWhs};

// Stored date of day n of 2023, n from 1.
std::string Day(int n) {
  return StoredDateOfDay(*DayOfStoredDate("20230101") + n - 1);
}

// Rounds of the given differentials, the first played on `firstDay` and one a
// day after it, added newest first as the table keeps them.
void Play(ScoreTable& t, int firstDay, const std::vector<double>& differentials) {
  for (std::size_t i = 0; i < differentials.size(); ++i) {
    TScoreRec r = fwtest::RoundWithDifferential(1, differentials[i]);
    r.Date = Day(firstDay + static_cast<int>(i));
    t.Append(r);
  }
  SortScores(t);
}

IndexResult Whs(ScoreTable& t) {
  NoIndexOutput none;
  return ComputeIndex(t, kMan, none, kWhs);
}

TEST(WhsArithmeticTest, RoundsEveryHalfUpInWholeTenths) {
  struct Case {
    long long score, rating, slope;
    int tenths;
  } const differentials[] = {{850, 751, 1320, 85},  // 8.475 -> 8.5
                             {800, 750, 1000, 57},  // 5.65 -> 5.7
                             {700, 750, 1000, -56},
                             {730, 745, 1130, -15},
                             {720, 720, 1130, 0}};
  for (const Case& c : differentials) {
    SCOPED_TRACE(c.score);
    EXPECT_EQ(WhsDifferentialOf(c.score, c.rating, c.slope)->Tenths(), c.tenths);
  }
  EXPECT_FALSE(WhsDifferentialOf(850, 751, 500));  // off the slope scale
  EXPECT_EQ(StrToTenths("8.45"), 85);
  EXPECT_EQ(StrToTenths(" -1.55"), -15);
  EXPECT_EQ(StrToTenths("70"), 700);
  EXPECT_THROW(StrToTenths("7O.5"), ConversionError);
  EXPECT_EQ(WhsAverageTenths(201, 2, 0), 101);  // 10.05 -> 10.1
  EXPECT_EQ(WhsAverageTenths(-21, 2, 0), -10);  // -1.05 -> -1.0
  EXPECT_EQ(WhsAverageTenths(768, 2, -10), 374);
  // Course handicap: 12.5 -> 13, -1.5 -> -1; rating and par count.
  EXPECT_EQ(WhsCourseHandicapFor(125, "72.0", "113", "72"), 13);
  EXPECT_EQ(WhsCourseHandicapFor(-15, "72.0", "113", "72"), -1);
  EXPECT_EQ(WhsCourseHandicapFor(124, "70.5", "125", "72"), 12);  // 13.72 - 1.5
  EXPECT_EQ(WhsCourseHandicapFor(124, "70.5", "0", "72"), 0);
  EXPECT_THROW(WhsCourseHandicapFor(124, "XXXX", "125", "72"), ConversionError);
  // The caps: soft (11.6 over 6.5, 10.55 -> 10.6), soft and hard, soft only.
  EXPECT_EQ(ApplyWhsCaps(116, 65).Tenths, 106);
  const WhsCapped hard = ApplyWhsCaps(182, 102);
  EXPECT_EQ(hard.Tenths, 152);
  EXPECT_TRUE(hard.SoftCap && hard.HardCap);
  EXPECT_EQ(ApplyWhsCaps(134, 100).Tenths, 132);
  EXPECT_FALSE(ApplyWhsCaps(130, 100).SoftCap);
}

TEST(WhsArithmeticTest, NetDoubleBogeyAndTheAdjustedScore) {
  EXPECT_EQ(NetDoubleBogey(4, 15, 10), 7);
  EXPECT_EQ(NetDoubleBogey(4, 15, 16), 6);
  EXPECT_EQ(NetDoubleBogey(4, 20, 2), 8);
  EXPECT_EQ(NetDoubleBogey(4, -2, 17), 5);  // a plus handicap gives back from 18 up
  EXPECT_EQ(NetDoubleBogey(4, -2, 16), 6);
  EXPECT_EQ(NetDoubleBogey(4, -20, 1), 5);
  EXPECT_EQ(NetDoubleBogey(4, 20, std::nullopt), 8);  // no stroke indexes: 2 on every hole
  EXPECT_EQ(NetDoubleBogey(4, -2, std::nullopt), 6);
  EXPECT_EQ(NetDoubleBogey(4, std::nullopt, 1), 9);  // no index yet
  EXPECT_EQ(NetDoubleBogey(4, 60, 1), 9);            // never above par + 5
  HoleTexts pars, holes;
  pars.fill("4");
  holes.fill("0");
  EXPECT_EQ(AdjustGrossScoreWhs("85", holes, pars, std::nullopt, 10), "85");  // a total only
  EXPECT_EQ(AdjustGrossScoreWhs("00", holes, pars, std::nullopt, 10), "");
  StrokeIndexes si;
  for (int h = 0; h < 18; ++h) si[static_cast<std::size_t>(h)] = h + 1;
  holes.fill("5");
  holes[0] = "9";  // stroke index 1, CH 1: at most 7
  holes[1] = "9";  // stroke index 2: at most 6
  pars[2] = "0";   // no par: never reduced
  holes[2] = "12";
  EXPECT_EQ(AdjustGrossScoreWhs("110", holes, pars, si, 1), "105");
  EXPECT_EQ(AdjustGrossScoreWhs("110", holes, pars, std::nullopt, 1), "106");
  EXPECT_EQ(AdjustGrossScoreWhs("110", holes, pars, si, std::nullopt), "110");
}

TEST(WhsIndexTest, TheTableAtEveryCountAndTheRoundsStillMissing) {
  const int lowest[21] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 6, 6, 7, 8};
  const int adjust[21] = {0, 0, 0, -20, -10, 0, -10};
  for (int c = 0; c <= 20; ++c) {
    SCOPED_TRACE(c);
    std::vector<double> d;
    for (int p = c; p >= 1; --p) d.push_back(10.0 + p);  // the newest are the best
    ScoreTable t;
    Play(t, 1, d);
    IndexDialogFields dialog;
    const IndexResult r = ComputeIndex(t, kMan, dialog, kWhs);
    EXPECT_EQ(r.HasIndex, c >= 3);
    EXPECT_EQ(r.N, lowest[c]);
    EXPECT_EQ(r.RoundsNeeded, c >= 3 ? 0 : 3 - c);
    int sum = 0;
    for (int k = 1; k <= lowest[c]; ++k) {
      sum += 100 + 10 * k;
      EXPECT_EQ(r.UsedScores[static_cast<std::size_t>(k - 1)], k);
    }
    if (c >= 3) {
      EXPECT_EQ(r.IndexTenths, WhsAverageTenths(sum, lowest[c], adjust[c]));
    } else if (c == 2) {  // no index: the dialog says how many rounds are missing
      EXPECT_EQ(FormatIndexOrNh(r, 5), "   NH");
      EXPECT_EQ(dialog.Field[0], "2 scores on file for Pat Jones.  (2 are valid)");
      EXPECT_EQ(dialog.Field[1],
                "World Handicap System: a golfer needs 3 valid scores; 1 more is needed.");
      EXPECT_EQ(dialog.Field[3], "The current index for Pat Jones is   NH");
    }
  }
  ScoreTable t;
  Play(t, 1, {15.3, 15.2, 16.6});
  EXPECT_EQ(Whs(t).IndexTenths, 132);
  EXPECT_EQ(FormatIndexOrNh(Whs(t)), "13.2");
  ScoreTable high;
  Play(high, 1, {60.0, 61.0, 62.0});
  std::string explanation;
  IndexTextFile file(explanation);
  EXPECT_TRUE(ComputeIndex(high, kMan, file, kWhs).MaxIndexCap);
  EXPECT_NE(explanation.find("\r\nIndex 58.0 held to the maximum of 54.0.\r\n\r\n"
                             "The current index for Pat Jones is 54.0"),
            std::string::npos);
  ScoreTable equal;
  Play(equal, 1, {12.0, 12.0, 12.0, 12.0, 12.0});  // equals: the newer round
  EXPECT_EQ(Whs(equal).UsedScores[0], 1);
}

TEST(WhsIndexTest, ExceptionalScoresAddUpAndFadeAndTheCapsHoldTheRise) {
  ScoreTable t;
  Play(t, 1, std::vector<double>(20, 20.0));
  Play(t, 21, {12.0});  // 8.0 below 20.0: -1.0 on the newest 20
  IndexResult r = Whs(t);
  EXPECT_EQ(r.IndexTenths, 180);  // (11.0 + 7 x 19.0) / 8
  Play(t, 22, {7.5});             // 10.5 below 18.0: -2.0 more
  std::string explanation;
  IndexTextFile file(explanation);
  r = ComputeIndex(t, kMan, file, kWhs);
  EXPECT_EQ(r.IndexTenths, 146);  // (5.5 + 9.0 + 6 x 17.0) / 8 = 14.5625
  EXPECT_EQ(r.ExceptionalRounds, 2);
  EXPECT_EQ(r.Reductions[0], 20);
  EXPECT_EQ(r.Reductions[1], 30);
  EXPECT_NE(explanation.find("Differential 1   =  5.5  01/22/2023  Oak Hills  (less 2.0)\r\n"),
            std::string::npos);
  EXPECT_NE(explanation.find("Exceptional scores: 01/22/2023 less 2.0, 01/21/2023 less 1.0.\r\n"),
            std::string::npos);
  EXPECT_NE(explanation.find("Low index 18.0: no cap needed.\r\n"), std::string::npos);

  Play(t, 23, std::vector<double>(20, 20.0));  // the exceptional rounds leave the newest 20
  r = Whs(t);
  EXPECT_EQ(r.ExceptionalRounds, 0);
  EXPECT_EQ(r.Reductions, (std::array<int, 10>{}));
  EXPECT_EQ(r.UncappedTenths, 200);
  EXPECT_TRUE(r.HasLowIndex && r.SoftCap && !r.HardCap);
  EXPECT_EQ(r.LowIndexTenths, 146);
  EXPECT_EQ(r.IndexTenths, 188);  // 17.6 + 2.4 / 2
}

TEST(WhsIndexTest, ReplayUnderBothRules) {
  ScoreTable t;
  Play(t, 1, {20.0, 18.0, 22.0, 16.0});
  Play(t, 365, {15.0});
  Play(t, 365, {25.0});  // the same day
  const std::vector<std::pair<bool, int>> whs = {
      {false, 0}, {false, 0}, {true, 160}, {true, 150}, {true, 145}};
  const std::vector<int> own = {364, 364, 364, 364, 144};
  const std::vector<IndexPoint> w = ReplayIndexes(t, kMan, kWhs);
  const std::vector<IndexPoint> o = ReplayIndexes(t, kMan, IndexOptions{});
  ASSERT_EQ(w.size(), 5u);
  ASSERT_EQ(o.size(), 5u);
  for (std::size_t i = 0; i < w.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(w[i].Date, i < 4 ? Day(static_cast<int>(i) + 1) : Day(365));
    EXPECT_EQ(std::make_pair(w[i].HasIndex, w[i].IndexTenths), whs[i]);
    EXPECT_EQ(o[i].IndexTenths, own[i]);
    EXPECT_TRUE(o[i].HasIndex);
  }
  NoIndexOutput none;
  EXPECT_DOUBLE_EQ(o.back().Index, ComputeIndex(t, kMan, none, {}).Index);
  EXPECT_EQ(Whs(t).IndexTenths, w.back().IndexTenths);
}

TEST(WhsIndexTest, LowIndexCountsOnlyTheYearBeforeTheLatestEarlierDay) {
  std::vector<HeldIndex> held = {{DayOfStoredDate("20220101"), true, 50},
                                 {DayOfStoredDate("20220102"), false, 0},
                                 {DayOfStoredDate("20221231"), true, 90},
                                 {DayOfStoredDate("20230101"), true, 80}};
  EXPECT_EQ(LowIndexTenths(held), 80);  // 01/01/2022 is 365 days before, outside
  held[1] = {DayOfStoredDate("20220102"), true, 60};
  EXPECT_EQ(LowIndexTenths(held), 60);
  EXPECT_EQ(DayOfStoredDate("20240301").value() - DayOfStoredDate("20240228").value(), 2);
  EXPECT_FALSE(DayOfStoredDate("20230229"));
}

}  // namespace
}  // namespace fw
