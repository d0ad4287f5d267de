#include "reports/progressstats.h"

#include <gtest/gtest.h>

#include "handicap/rounds.h"

namespace fwtest {
namespace {

using fw::ProgressRange;

int Day(const char* stored) {
  return fw::DayOfStoredDate(stored).value();
}

fw::TScoreRec WithDifferential(const char* date, double differential) {
  return MakeRound(date, "90", fw::FormatFixed(90.0 - differential, 0, 1), "113");
}

TEST(ProgressSeriesTest, DaysAndRanges) {
  EXPECT_EQ(fw::DayOfStoredDate("19700101"), 0);
  EXPECT_EQ(fw::DayOfStoredDate("20000301").value() - Day("20000228"), 2);  // a leap year
  for (const char* notADate : {"99999999", "20010229", "20021301", "2002011", "2002O110", ""})
    EXPECT_FALSE(fw::DayOfStoredDate(notADate).has_value()) << notADate;
  EXPECT_EQ(fw::StoredDateOfDay(Day("20240229")), "20240229");

  // 25 rounds, one a day from 1 January 2023, each day with an index.
  fw::ProgressSeries series;
  for (int i = 0; i < 25; ++i) {
    series.Indexes.push_back({Day("20230101") + i, i >= 4, 20.0 - i});
    series.Rounds.push_back({Day("20230101") + i, 10.0 + i, false});
  }
  const fw::ProgressSeries last20 =
      fw::FilterProgress(series, ProgressRange::kLast20Rounds, Day("20300101"));
  ASSERT_EQ(last20.Rounds.size(), 20u);
  EXPECT_EQ(last20.Rounds.front().Day, Day("20230106"));
  EXPECT_EQ(last20.Indexes.front().Day, Day("20230106"));
  EXPECT_EQ(fw::FilterProgress(series, ProgressRange::kAllRounds, 0).Rounds.size(), 25u);
  // A year back from 29 February 2024 is 28 February 2023.
  series.Rounds.push_back({Day("20230227"), 1.0, false});
  series.Rounds.push_back({Day("20230228"), 2.0, false});
  const fw::ProgressSeries year =
      fw::FilterProgress(series, ProgressRange::kLastYear, Day("20240229"));
  ASSERT_EQ(year.Rounds.size(), 1u);
  EXPECT_EQ(year.Rounds[0].Differential, 2.0);
  EXPECT_TRUE(year.Indexes.empty());
}

TEST(ProgressSeriesTest, IndexAfterEachDayAndTheRoundsOfTodaysIndex) {
  fw::ScoreTable scores;
  scores.Append(MakeRound("99999999", "85", "70.0", "113"));  // no date: not charted
  scores.Append(WithDifferential("20020106", 7.0));
  scores.Append(WithDifferential("20020105", 11.0));
  scores.Append(WithDifferential("20020105", 9.0));
  scores.Append(WithDifferential("20020104", 14.0));
  scores.Append(MakeRound("20020103", "0", "70.0", "113"));  // incomplete
  scores.Append(WithDifferential("20020103", 8.0));
  scores.Append(MakeRound("20020102", "90", "XXX", "113"));  // counts, no differential
  scores.Append(WithDifferential("20020101", 10.0));

  const fw::ProgressSeries series = fw::BuildProgressSeries(scores, {"Pat", 0}, {});
  // Five complete rounds give the first index (the best, 8.0, x 0.96 = 7.68),
  // the seventh the second (7.0 and 8.0 averaged, x 0.96 = 7.2).
  ASSERT_EQ(series.Indexes.size(), 6u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_FALSE(series.Indexes[i].HasIndex) << i;
  EXPECT_EQ(series.Indexes[0].Day, Day("20020101"));
  EXPECT_EQ(series.Indexes[4].Day, Day("20020105"));
  EXPECT_TRUE(series.Indexes[4].HasIndex);
  EXPECT_DOUBLE_EQ(series.Indexes[4].Index, 7.7);
  EXPECT_DOUBLE_EQ(series.Indexes[5].Index, 7.2);

  std::vector<double> differentials;
  std::vector<bool> used;
  for (const fw::ProgressRoundPoint& p : series.Rounds) {
    differentials.push_back(p.Differential);
    used.push_back(p.Used);
  }
  EXPECT_EQ(differentials, (std::vector<double>{10.0, 8.0, 14.0, 9.0, 11.0, 7.0}));
  EXPECT_EQ(used, (std::vector<bool>{false, true, false, false, false, true}));
  EXPECT_EQ(series.Rounds[3].Day, Day("20020105"));
}

// Oak Hills: par 36 on each nine, par 3 on holes 3, 7, 12 and 16, par 5 on 2,
// 6, 11 and 15.
const char* const kOakPars = "453445344453445344";

fw::TScoreRec HoleByHole(const char* date, const char* course, int overPar, int backExtra,
                         int putts) {
  fw::TScoreRec r = MakeRound(date, "0", "70.5", "121", course);
  int total = 0;
  for (std::size_t h = 0; h < 18; ++h) {
    const int strokes = kOakPars[h] - '0' + overPar + (h >= 9 ? backExtra : 0);
    total += strokes;
    r.HoleScores[h] = std::to_string(strokes);
    r.HolePutts[h] = std::to_string(putts);
  }
  r.TotalScore = std::to_string(total);
  return r;
}

TEST(ProgressStatsTest, FiguresOfASmallHistoryWorkedByHand) {
  fw::CourseTable courses;
  fw::TCourseRec oak = fw::InitCourseRec();
  oak.Name = "Oak Hills";
  for (std::size_t h = 0; h < 18; ++h) oak.Pars[h] = std::string(1, kOakPars[h]);
  courses.Append(oak);

  fw::ScoreTable scores;
  scores.Append(MakeRound("99999999", "80", "70.5", "121"));            // no date: left out
  scores.Append(HoleByHole("20030610", "Oak Hills", 1, 0, 2));          // 90, 36 putts
  scores.Append(HoleByHole("20030501", "oak hills", 0, 0, 0));          // 72, no putts
  fw::TScoreRec gone = HoleByHole("20020815", "Gone Course", 1, 1, 0);  // 45 + 54 = 99
  for (std::size_t h = 0; h < 9; ++h) gone.HolePutts[h] = "1";          // 9 putts
  scores.Append(gone);
  fw::TScoreRec total = MakeRound("20020701", "100", "70.5", "121");  // a total only
  total.HolePutts.fill("2");                                          // 36 putts
  scores.Append(total);
  scores.Append(MakeRound("20020401", "0", "70.5", "121"));  // no score

  const fw::ProgressStats stats = fw::ComputeProgressStats(scores, courses);
  EXPECT_EQ(stats.RoundsPerYear, (std::vector<std::pair<int, int>>{{2002, 2}, {2003, 2}}));
  EXPECT_EQ(stats.Rounds, 4);
  EXPECT_EQ(stats.Undated, 1);
  EXPECT_DOUBLE_EQ(stats.AllRounds.Value, (90 + 72 + 99 + 100) / 4.0);
  EXPECT_EQ(stats.Last20.Count, 4);
  ASSERT_TRUE(stats.Best && stats.Worst);
  EXPECT_EQ(stats.Best->Score, 72);
  EXPECT_EQ(stats.Best->Course, "oak hills");
  EXPECT_EQ(stats.Worst->Date, "20020701");
  // 81 putts in 3 rounds of 18 holes.
  EXPECT_DOUBLE_EQ(stats.PuttsPerRound.Value, 27.0);
  EXPECT_EQ(stats.PuttsPerHole.Count, 54);
  EXPECT_DOUBLE_EQ(stats.PuttsPerHole.Value, 1.5);
  // The two Oak Hills rounds, one par on every hole, one bogey.
  EXPECT_EQ(stats.ParRounds, 2);
  EXPECT_EQ(stats.ParRoundsLeftOut, 1);
  EXPECT_DOUBLE_EQ(stats.ParAverages[0].Value, 3.5);
  EXPECT_EQ(stats.ParAverages[1].Count, 20);
  EXPECT_DOUBLE_EQ(stats.ParAverages[1].Value, 4.5);
  EXPECT_DOUBLE_EQ(stats.ParAverages[2].Value, 5.5);
  // Front nines 45, 36, 45; back nines 45, 36, 54.
  EXPECT_DOUBLE_EQ(stats.FrontNine.Value, 42.0);
  EXPECT_DOUBLE_EQ(stats.BackNine.Value, 45.0);
  EXPECT_EQ(stats.BackNine.Count, 3);

  const std::vector<std::string> lines = fw::ProgressStatsLines(stats);
  for (const char* line : {"  Last 20 rounds        90.2  (4 rounds)",
                           "Best round                72  05/01/2003  oak hills",
                           "  Per hole              1.50  (54 holes)",
                           "  Par 3 holes           3.50  (8 holes in 2 rounds)",
                           "  (1 round without a date left out)"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;

  EXPECT_EQ(fw::HoleByHoleCourses(scores, courses),
            (std::vector<std::string>{"Oak Hills", "Gone Course"}));
  const fw::HoleAverages oakHoles = fw::HoleAveragesOn(scores, "OAK HILLS", courses);
  EXPECT_EQ(oakHoles.Rounds, 2);
  EXPECT_EQ(oakHoles.Pars[1], 5);
  EXPECT_DOUBLE_EQ(oakHoles.Strokes[1], 5.5);
  const std::vector<std::string> holeLines = fw::HoleAverageLines(oakHoles);
  EXPECT_EQ(holeLines[0], "Average on each hole of OAK HILLS (2 rounds)");
  EXPECT_EQ(holeLines[3], "     2    5     5.50");
  EXPECT_EQ(fw::HoleAveragesOn(scores, "Gone Course", courses).Pars[0], 0);
}

}  // namespace
}  // namespace fwtest
