#include "handicap/coursehandicap.h"

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"

namespace fw {

int CourseHandicapOf(double index, double slope) {
  // Written so that NaN fails the test too.
  if (!(slope >= kMinSlope && slope <= kMaxSlope)) return 0;
  return RoundToInt(index * slope / 113.0);
}

int PredictedScoreOf(int courseHandicap, std::string_view parTotal) {
  return ClampToInt(static_cast<long long>(courseHandicap) + StrToInt(CutAtNul(parTotal)));
}

}  // namespace fw
