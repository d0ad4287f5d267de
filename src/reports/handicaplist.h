#pragma once
// The handicap list: for each chosen golfer the current index, the course
// handicap on one course and the predicted score there.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/courselist.h"
#include "data/golferlist.h"
#include "data/scorefile.h"
#include "data/workfolder.h"
#include "handicap/handicapindex.h"
#include "reports/reportoutput.h"

namespace fw {

// One golfer's line: the long name cut or padded to 20, the index with one
// decimal right-aligned in 5, the course handicap and the predicted score
// right-aligned in 3 each.
std::string HandicapListGolferLine(std::string_view longName, double index, int courseHandicap,
                                   int predictedScore);

// One golfer's figures on the list's course.
struct HandicapListRow {
  std::string LongName;  // cut at NUL
  double Index = 0.0;
  std::string IndexText;  // as the list shows it: "NH" without an index
  // Nothing when the golfer has no index (WHS, fewer than 3 rounds).
  std::optional<int> CourseHandicap;
  std::optional<int> PredictedScore;
};

// The figures of the golfers at the given places of the golfer table (from 1),
// in that order, on `course`. Each golfer's score file is loaded into `scores`
// and sorted, and the index computed without output. Throws FileError when a
// score file cannot be read and ConversionError when the course's slope or par
// total is not a number.
std::vector<HandicapListRow> HandicapListRows(const WorkFolder& folder, const GolferTable& golfers,
                                              std::span<const int> places,
                                              const TCourseSummary& course,
                                              const IndexOptions& options, ScoreTable& scores);

// The list as a CSV file (UTF-8, columns Golfer, Index, Course handicap,
// Predicted score; the index with one decimal and a dot).
std::string HandicapListCsv(std::span<const HandicapListRow> rows);

// The whole list for the golfers at the given places of the golfer table
// (from 1), in that order, on `course`, under options.Rules: under WHS the
// heading names the rules (kWhsRulesLine), the course handicap comes from the
// course's slope, rating and par total, and a golfer without an index shows
// "NH" for all three figures. The heading's date is in options.Order. Each
// golfer's score file is loaded into `scores` and sorted, and the index
// computed without output. Every line is the figures of the golfer at its
// place, so two golfers of one name each get their own. The long names of the
// listed golfers are cut at NUL in the table. Throws FileError when a score
// file cannot be read and ConversionError when the course's slope, par total
// or (under WHS) rating is not a number.
ReportLines HandicapListLines(const WorkFolder& folder, GolferTable& golfers,
                              std::span<const int> places, const TCourseSummary& course,
                              const ReportDate& today, const IndexOptions& options,
                              ScoreTable& scores);

}  // namespace fw
