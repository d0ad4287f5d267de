#pragma once
// A handicap index turned into strokes on one course and a predicted score.

#include <optional>
#include <string_view>

#include "data/courselist.h"
#include "handicap/handicapindex.h"

namespace fw {

// round(index * slope / 113), halves to even. A slope off the slope scale (0,
// or one no real course has) gives 0, as a course without a slope does; the
// result is held to the range of int.
int CourseHandicapOf(double index, double slope);

// courseHandicap + the whole-number value of the par total text
// (ConversionError when it is not one), held to the range of int.
int PredictedScoreOf(int courseHandicap, std::string_view parTotal);

// The course handicap for an index result on a course, by the rules the
// result was computed under: CourseHandicapOf the index and the slope under
// the program's own rules, WhsCourseHandicapFor (slope, rating and par total)
// under WHS. Nothing when there is no index. Throws ConversionError when a
// text it needs is not a number.
std::optional<int> CourseHandicapFor(const IndexResult& index, const TCourseSummary& course);

// The course handicap and the predicted score (PredictedScoreOf) for the
// index shown in a window's index field, by `rules`; under WHS an index text
// "NH" gives nothing.
struct CourseFigures {
  int CourseHandicap = 0;
  int PredictedScore = 0;
};
std::optional<CourseFigures> CourseFiguresFor(std::string_view indexText,
                                              const TCourseSummary& course, HandicapRules rules);

}  // namespace fw
