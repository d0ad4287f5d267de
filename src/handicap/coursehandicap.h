#pragma once
// A handicap index turned into strokes on one course and a predicted score.

#include <string_view>

namespace fw {

// round(index * slope / 113), halves to even.
int CourseHandicapOf(double index, double slope);

// courseHandicap + the whole-number value of the par total text
// (ConversionError when it is not one).
int PredictedScoreOf(int courseHandicap, std::string_view parTotal);

}  // namespace fw
