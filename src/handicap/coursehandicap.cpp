#include "handicap/coursehandicap.h"

#include "data/convert.h"
#include "data/textutil.h"

namespace fw {

int CourseHandicapOf(double index, double slope) {
  return static_cast<int>(RoundHalfEven(index * slope / 113.0));
}

int PredictedScoreOf(int courseHandicap, std::string_view parTotal) {
  return courseHandicap + StrToInt(CutAtNul(parTotal));
}

}  // namespace fw
