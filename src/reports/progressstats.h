#pragma once
// A golfer's progress: the index held over time with the differential of each
// round (what the progress chart draws), and figures about the rounds on file
// (scoring averages, best and worst round, putts, par-3/4/5 and nine-hole
// averages, the average on each hole of one course).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/courselist.h"
#include "data/scorefile.h"
#include "data/textutil.h"
#include "handicap/handicapindex.h"

namespace fw {

// Days are those of DayOfStoredDate (data/textutil.h).

// The index a golfer held at the end of a day on which he played.
struct ProgressIndexPoint {
  int Day = 0;
  bool HasIndex = false;  // false while the rounds are too few for an index
  double Index = 0.0;
};

// One round with a differential.
struct ProgressRoundPoint {
  int Day = 0;
  double Differential = 0.0;
  bool Used = false;  // one of the rounds today's index is computed from
};

// What the progress chart draws; both lists oldest first.
struct ProgressSeries {
  std::vector<ProgressIndexPoint> Indexes;
  std::vector<ProgressRoundPoint> Rounds;

  bool Empty() const { return Indexes.empty() && Rounds.empty(); }
};

enum class ProgressRange { kLast20Rounds, kLastYear, kAllRounds };

// The part of the series a range shows.
// - Last 20 rounds: the newest 20 round points, and the index points from the
//   day of the oldest of them on.
// - Last year: the points from the same date one year before `today` on (29
//   February goes back to 28 February); rounds dated after today stay in.
// - All rounds: the whole series.
ProgressSeries FilterProgress(const ProgressSeries& series, ProgressRange range, int today);

// The series of a golfer's rounds (`scores` sorted newest first): the index
// held after each day with a complete round as ReplayIndexes gives it under
// `options` (either rules), and a point for each complete round with a
// differential by those rules, marked when today's index (ComputeIndex over
// the whole table) uses it. Under the program's own rules the days before the
// golfer's first index of his own (5 complete rounds, a differential among the
// newest 20) have no index, rather than the fixed 36.4 or 40.4. Days and
// rounds without a calendar date are left out. Throws ConversionError on a
// score, rating or slope that is not a number.
ProgressSeries BuildProgressSeries(const ScoreTable& scores, const IndexGolfer& golfer,
                                   const IndexOptions& options);

// A mean and how many values it rests on; no value when Count is 0.
struct Mean {
  double Value = 0.0;
  int Count = 0;
};

struct RoundOnFile {
  int Score = 0;
  std::string Date;  // stored form
  std::string Course;
};

// Figures over the scored rounds: those with a calendar date and a total score
// of 1 to kMaxRoundScore. A round entered hole by hole has a score above 0 on
// all 18 holes; its putts were entered when any hole has a putt.
struct ProgressStats {
  std::vector<std::pair<int, int>> RoundsPerYear;  // year and rounds, oldest year first
  int Rounds = 0;                                  // scored rounds
  int Undated = 0;                   // rounds with a score but without a calendar date, left out
  Mean Last20;                       // gross score of the newest 20 rounds
  Mean AllRounds;                    // gross score of every round
  std::optional<RoundOnFile> Best;   // lowest gross score; the newest of equals
  std::optional<RoundOnFile> Worst;  // highest gross score; the newest of equals
  Mean PuttsPerRound;                // Count: rounds with putts entered
  Mean PuttsPerHole;                 // Count: holes played in them (all 18 when entered as a total)
  // Strokes on par-3, par-4 and par-5 holes; Count: holes. Only rounds entered
  // hole by hole at a course of the course list count.
  std::array<Mean, 3> ParAverages;
  int ParRounds = 0;         // hole-by-hole rounds the par figures rest on
  int ParRoundsLeftOut = 0;  // hole-by-hole rounds at courses not in the list
  Mean FrontNine;            // holes 1 to 9 of the hole-by-hole rounds; Count: rounds
  Mean BackNine;             // holes 10 to 18
};

// Hole texts and putt texts that are empty count as 0; any other text must be
// a whole number (ConversionError otherwise), as must a total score that is not
// a placeholder ("", "0", "00", "000", "XXX").
ProgressStats ComputeProgressStats(const ScoreTable& scores, const CourseTable& courses);

// The course of the list a round's course name stands for: the same name, else
// the first that differs only in the case of letters; nullptr when none.
const TCourseRec* FindCourse(const CourseTable& courses, std::string_view name);

// The average strokes on each hole of one course.
struct HoleAverages {
  std::string Course;
  int Rounds = 0;  // hole-by-hole rounds there
  std::array<double, 18> Strokes{};
  std::array<int, 18> Pars{};  // 0 when the course is not in the list
};

// The courses of the golfer's hole-by-hole rounds, each spelled as in the
// course list when it is there, most rounds first (then by name).
std::vector<std::string> HoleByHoleCourses(const ScoreTable& scores, const CourseTable& courses);

// Over the scored hole-by-hole rounds at `course` (its name ignoring case).
HoleAverages HoleAveragesOn(const ScoreTable& scores, std::string_view course,
                            const CourseTable& courses);

// The figures as text lines for a fixed-pitch view, each with the number of
// rounds (or holes) it rests on; the dates of the best and worst rounds in
// `order`.
std::vector<std::string> ProgressStatsLines(const ProgressStats& stats,
                                            DateOrder order = DateOrder::kMonthDayYear);
std::vector<std::string> HoleAverageLines(const HoleAverages& averages);

}  // namespace fw
