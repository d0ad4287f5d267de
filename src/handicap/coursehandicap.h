#pragma once
// A handicap index turned into strokes on one course and a predicted score.

#include <string_view>

namespace fw {

// round(index * slope / 113), halves to even. A slope off the slope scale (0,
// or one no real course has) gives 0, as a course without a slope does; the
// result is held to the range of int.
int CourseHandicapOf(double index, double slope);

// courseHandicap + the whole-number value of the par total text
// (ConversionError when it is not one), held to the range of int.
int PredictedScoreOf(int courseHandicap, std::string_view parTotal);

}  // namespace fw
