#include "reports/progressstats.h"

#include <algorithm>
#include <chrono>
#include <map>

#include "data/convert.h"
#include "data/placeholders.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"

namespace fw {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr int kHoles = 18;
constexpr int kNewest = 20;  // rounds of "the last 20 rounds"
// The newest complete rounds an index looks at, and how many of them a golfer
// needs for an index of his own under the program's own rules.
constexpr std::size_t kIndexWindow = 20;
constexpr std::size_t kOwnIndexRounds = 5;

year_month_day DateOfDay(int day) {
  return year_month_day{sys_days{days{day}}};
}

int DayOf(year_month_day date) {
  return static_cast<int>(sys_days{date}.time_since_epoch().count());
}

// A hole's strokes or putts: an empty text is nothing entered.
int HoleValue(std::string_view text) {
  return text.empty() ? 0 : StrToInt(text);
}

// The gross score of a round, 0 when it has none.
int GrossScore(const TScoreRec& round) {
  const std::string_view total = round.TotalScore;
  if (IsNoScore(total)) return 0;
  const int score = StrToInt(total);
  return score > 0 && score <= kMaxRoundScore ? score : 0;
}

struct HoleByHole {
  bool complete = false;  // a score above 0 on every hole
  std::array<int, kHoles> strokes{};
};

HoleByHole HolesOf(const TScoreRec& round) {
  HoleByHole holes;
  holes.complete = true;
  for (std::size_t h = 0; h < kHoles; ++h) {
    holes.strokes[h] = HoleValue(round.HoleScores[h]);
    holes.complete = holes.complete && holes.strokes[h] > 0;
  }
  return holes;
}

// Adds a value to a running mean kept as a sum in Value until Finish.
void Add(Mean& mean, double value, int count = 1) {
  mean.Value += value;
  mean.Count += count;
}
void Finish(Mean& mean) {
  if (mean.Count > 0) mean.Value /= mean.Count;
}

std::string Plural(int n, const char* one, const char* many) {
  return IntToStr(n) + " " + (n == 1 ? one : many);
}

// "  <label padded to 20><value right-aligned in 6>  (<count>)", or "none".
std::string FigureLine(const std::string& label, const Mean& mean, int decimals,
                       const std::string& count) {
  std::string line = "  " + PadRight(label, 20);
  if (mean.Count == 0) return line + "    --  (no rounds)";
  return line + FormatFixed(mean.Value, 6, decimals) + "  (" + count + ")";
}

std::string RoundLine(const char* label, const std::optional<RoundOnFile>& round, DateOrder order) {
  std::string line = PadRight(label, 22);
  if (!round) return line + "    --";
  return line + FormatFixed(round->Score, 6, 0) + "  " + StoredDateToDisplay(round->Date, order) +
         "  " + round->Course;
}

}  // namespace

ProgressSeries FilterProgress(const ProgressSeries& series, ProgressRange range, int today) {
  int from = 0;
  switch (range) {
    case ProgressRange::kAllRounds:
      return series;
    case ProgressRange::kLast20Rounds:
      if (series.Rounds.size() <= kNewest) return series;
      from = series.Rounds[series.Rounds.size() - kNewest].Day;
      break;
    case ProgressRange::kLastYear: {
      year_month_day start = DateOfDay(today) - std::chrono::years{1};
      if (!start.ok()) start = start.year() / start.month() / std::chrono::last;
      from = DayOf(start);
      break;
    }
  }
  ProgressSeries shown;
  for (const ProgressIndexPoint& p : series.Indexes)
    if (p.Day >= from) shown.Indexes.push_back(p);
  for (const ProgressRoundPoint& p : series.Rounds)
    if (p.Day >= from) shown.Rounds.push_back(p);
  if (range == ProgressRange::kLast20Rounds && shown.Rounds.size() > kNewest)
    shown.Rounds.erase(shown.Rounds.begin(), shown.Rounds.end() - kNewest);
  return shown;
}

ProgressSeries BuildProgressSeries(const ScoreTable& scores, const IndexGolfer& golfer,
                                   const IndexOptions& options) {
  ProgressSeries series;
  const std::vector<IndexPoint> replayed = ReplayIndexes(scores, golfer, options);
  // Under the program's own rules a golfer holds the fixed 36.4 (40.4) until
  // 5 complete rounds, with a differential among the newest 20, give him an
  // index of his own. The chart shows that time as one without an index, as
  // under WHS, so that the line and its trend start at the first real index.
  // The days are those of the replay: the complete rounds grouped by date.
  std::vector<bool> ownIndex;  // for each replayed day
  if (options.Rules == HandicapRules::kFairwick) {
    std::vector<const TScoreRec*> complete;  // oldest first
    for (int p = scores.Count(); p >= 1; --p)
      if (IsCompleteScore(scores[p])) complete.push_back(&scores[p]);
    std::vector<int> withDifferential{0};  // among the first k complete rounds
    for (const TScoreRec* round : complete)
      withDifferential.push_back(withDifferential.back() +
                                 (RoundDifferentialTenths(*round, options.Rules) ? 1 : 0));
    for (std::size_t last = 0; last < complete.size(); ++last) {
      if (last + 1 < complete.size() && complete[last + 1]->Date == complete[last]->Date) continue;
      const std::size_t first = last + 1 > kIndexWindow ? last + 1 - kIndexWindow : 0;
      ownIndex.push_back(last + 1 >= kOwnIndexRounds &&
                         withDifferential[last + 1] > withDifferential[first]);
    }
  }
  // The index after each day, replayed from the rounds up to it; a day that is
  // no calendar date has no place on the chart.
  for (std::size_t i = 0; i < replayed.size(); ++i) {
    const IndexPoint& held = replayed[i];
    const bool fixedStart =
        options.Rules == HandicapRules::kFairwick && (i >= ownIndex.size() || !ownIndex[i]);
    if (const std::optional<int> day = DayOfStoredDate(held.Date))
      series.Indexes.push_back({*day, held.HasIndex && !fixedStart, held.Index});
  }

  ScoreTable whole = scores;
  NoIndexOutput none;
  const std::vector<RoundFigures> figures =
      RoundFiguresOf(scores, ComputeIndex(whole, golfer, none, options));
  // The table is newest first: walked backwards it gives the rounds in date
  // order, those of one day in the order the index counts them.
  for (int p = scores.Count(); p >= 1; --p) {
    const TScoreRec& round = scores[p];
    const std::optional<int> day = DayOfStoredDate(round.Date);
    if (!day || !IsCompleteScore(round)) continue;
    const std::optional<int> differential = RoundDifferentialTenths(round, options.Rules);
    if (!differential) continue;
    series.Rounds.push_back(
        {*day, TenthsValue(*differential), figures[static_cast<std::size_t>(p - 1)].UsedByIndex});
  }
  return series;
}

const TCourseRec* FindCourse(const CourseTable& courses, std::string_view name) {
  for (const TCourseRec& course : courses)
    if (course.Name == name) return &course;
  for (const TCourseRec& course : courses)
    if (SameTextIgnoringCase(course.Name, name)) return &course;
  return nullptr;
}

ProgressStats ComputeProgressStats(const ScoreTable& scores, const CourseTable& courses) {
  ProgressStats stats;
  std::map<int, int> perYear;
  for (const TScoreRec& round : scores) {
    const int score = GrossScore(round);
    if (score == 0) continue;
    const auto day = DayOfStoredDate(round.Date);
    if (!day) {
      ++stats.Undated;
      continue;
    }
    ++stats.Rounds;
    ++perYear[static_cast<int>(DateOfDay(*day).year())];
    if (stats.Last20.Count < kNewest) Add(stats.Last20, score);
    Add(stats.AllRounds, score);
    const RoundOnFile here{score, round.Date.str(), round.CourseName.str()};
    if (!stats.Best || score < stats.Best->Score) stats.Best = here;
    if (!stats.Worst || score > stats.Worst->Score) stats.Worst = here;

    const HoleByHole holes = HolesOf(round);
    int putts = 0;
    for (const auto& putt : round.HolePutts) putts += HoleValue(putt);
    if (putts > 0) {
      const auto played = std::count_if(holes.strokes.begin(), holes.strokes.end(),
                                        [](int strokes) { return strokes > 0; });
      Add(stats.PuttsPerRound, putts);
      Add(stats.PuttsPerHole, putts, played > 0 ? static_cast<int>(played) : kHoles);
    }
    if (!holes.complete) continue;
    int front = 0;
    int back = 0;
    for (std::size_t h = 0; h < kHoles; ++h) (h < 9 ? front : back) += holes.strokes[h];
    Add(stats.FrontNine, front);
    Add(stats.BackNine, back);
    const TCourseRec* course = FindCourse(courses, round.CourseName);
    if (!course) {
      ++stats.ParRoundsLeftOut;
      continue;
    }
    ++stats.ParRounds;
    for (std::size_t h = 0; h < kHoles; ++h) {
      const int par = HoleValue(course->Pars[h]);
      if (par >= 3 && par <= 5)
        Add(stats.ParAverages[static_cast<std::size_t>(par - 3)], holes.strokes[h]);
    }
  }
  for (const auto& [year, rounds] : perYear) stats.RoundsPerYear.emplace_back(year, rounds);
  for (Mean* mean : {&stats.Last20, &stats.AllRounds, &stats.PuttsPerRound, &stats.PuttsPerHole,
                     &stats.ParAverages[0], &stats.ParAverages[1], &stats.ParAverages[2],
                     &stats.FrontNine, &stats.BackNine})
    Finish(*mean);
  return stats;
}

std::vector<std::string> HoleByHoleCourses(const ScoreTable& scores, const CourseTable& courses) {
  std::vector<std::pair<std::string, int>> played;  // name and rounds
  for (const TScoreRec& round : scores) {
    if (GrossScore(round) == 0 || !DayOfStoredDate(round.Date) || !HolesOf(round).complete)
      continue;
    const TCourseRec* listed = FindCourse(courses, round.CourseName);
    const std::string name = listed ? listed->Name.str() : round.CourseName.str();
    auto it = std::find_if(played.begin(), played.end(),
                           [&](const auto& p) { return SameTextIgnoringCase(p.first, name); });
    if (it == played.end())
      played.emplace_back(name, 1);
    else
      ++it->second;
  }
  std::sort(played.begin(), played.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second > b.second : a.first < b.first;
  });
  std::vector<std::string> names;
  for (auto& p : played) names.push_back(std::move(p.first));
  return names;
}

HoleAverages HoleAveragesOn(const ScoreTable& scores, std::string_view course,
                            const CourseTable& courses) {
  HoleAverages averages;
  averages.Course = course;
  if (const TCourseRec* listed = FindCourse(courses, course))
    for (std::size_t h = 0; h < kHoles; ++h) averages.Pars[h] = HoleValue(listed->Pars[h]);
  for (const TScoreRec& round : scores) {
    if (!SameTextIgnoringCase(round.CourseName, course) || GrossScore(round) == 0 ||
        !DayOfStoredDate(round.Date))
      continue;
    const HoleByHole holes = HolesOf(round);
    if (!holes.complete) continue;
    ++averages.Rounds;
    for (std::size_t h = 0; h < kHoles; ++h) averages.Strokes[h] += holes.strokes[h];
  }
  if (averages.Rounds > 0)
    for (double& strokes : averages.Strokes) strokes /= averages.Rounds;
  return averages;
}

std::vector<std::string> ProgressStatsLines(const ProgressStats& stats, DateOrder order) {
  std::vector<std::string> lines;
  lines.push_back("Rounds per year");
  if (stats.RoundsPerYear.empty()) lines.push_back("  none");
  for (const auto& [year, rounds] : stats.RoundsPerYear)
    lines.push_back("  " + PadRight(IntToStr(year), 20) + PadLeft(IntToStr(rounds), 6));
  if (stats.Undated > 0)
    lines.push_back("  (" + Plural(stats.Undated, "round", "rounds") + " without a date left out)");
  lines.push_back("");
  lines.push_back("Scoring average");
  lines.push_back(
      FigureLine("Last 20 rounds", stats.Last20, 1, Plural(stats.Last20.Count, "round", "rounds")));
  lines.push_back(FigureLine("All rounds", stats.AllRounds, 1,
                             Plural(stats.AllRounds.Count, "round", "rounds")));
  lines.push_back("");
  lines.push_back(RoundLine("Best round", stats.Best, order));
  lines.push_back(RoundLine("Worst round", stats.Worst, order));
  lines.push_back("  (of " + Plural(stats.Rounds, "round", "rounds") + ")");
  lines.push_back("");
  lines.push_back("Putts");
  lines.push_back(FigureLine("Per round", stats.PuttsPerRound, 1,
                             Plural(stats.PuttsPerRound.Count, "round", "rounds")));
  lines.push_back(FigureLine("Per hole", stats.PuttsPerHole, 2,
                             Plural(stats.PuttsPerHole.Count, "hole", "holes")));
  lines.push_back("");
  std::string byHole = "Hole by hole (" + Plural(stats.FrontNine.Count, "round", "rounds") + ")";
  lines.push_back(byHole);
  for (int par = 3; par <= 5; ++par) {
    const Mean& mean = stats.ParAverages[static_cast<std::size_t>(par - 3)];
    lines.push_back(FigureLine(
        "Par " + IntToStr(par) + " holes", mean, 2,
        Plural(mean.Count, "hole", "holes") + " in " + Plural(stats.ParRounds, "round", "rounds")));
  }
  if (stats.ParRoundsLeftOut > 0)
    lines.push_back("  (left out: " + Plural(stats.ParRoundsLeftOut, "round", "rounds") +
                    " at courses not in the list)");
  lines.push_back(FigureLine("Front nine", stats.FrontNine, 1,
                             Plural(stats.FrontNine.Count, "round", "rounds")));
  lines.push_back(
      FigureLine("Back nine", stats.BackNine, 1, Plural(stats.BackNine.Count, "round", "rounds")));
  return lines;
}

std::vector<std::string> HoleAverageLines(const HoleAverages& averages) {
  std::vector<std::string> lines;
  lines.push_back("Average on each hole of " + averages.Course + " (" +
                  Plural(averages.Rounds, "round", "rounds") + ")");
  if (averages.Rounds == 0) return lines;
  lines.push_back("  Hole  Par  Average");
  for (std::size_t h = 0; h < kHoles; ++h) {
    const int par = averages.Pars[h];
    lines.push_back("  " + PadLeft(IntToStr(static_cast<long long>(h) + 1), 4) + "  " +
                    PadLeft(par > 0 ? IntToStr(par) : "-", 3) +
                    FormatFixed(averages.Strokes[h], 9, 2));
  }
  return lines;
}

}  // namespace fw
