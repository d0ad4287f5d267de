#include "handicap/coursehandicap.h"

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"
#include "handicap/whs.h"

namespace fw {

int CourseHandicapOf(double index, double slope) {
  // Written so that NaN fails the test too.
  if (!(slope >= kMinSlope && slope <= kMaxSlope)) return 0;
  return RoundToInt(index * slope / 113.0);
}

int PredictedScoreOf(int courseHandicap, std::string_view parTotal) {
  return ClampToInt(static_cast<long long>(courseHandicap) + StrToInt(CutAtNul(parTotal)));
}

std::optional<int> CourseHandicapFor(const IndexResult& index, const TCourseSummary& course) {
  if (!index.HasIndex) return std::nullopt;
  if (index.Rules == HandicapRules::kWhs)
    return WhsCourseHandicapFor(index.IndexTenths, course.Rating, course.Slope, course.ParTotal);
  return CourseHandicapOf(index.Index, StrToFloat(course.Slope));
}

std::optional<CourseFigures> CourseFiguresFor(std::string_view indexText,
                                              const TCourseSummary& course, HandicapRules rules) {
  const std::string index = CutAtNul(indexText);
  int h = 0;
  if (rules == HandicapRules::kWhs) {
    if (TrimBlanks(index) == kNoIndexText) return std::nullopt;
    h = WhsCourseHandicapFor(ClampToInt(StrToTenths(index)), course.Rating, course.Slope,
                             course.ParTotal);
  } else {
    h = CourseHandicapOf(StrToFloat(index), StrToFloat(CutAtNul(course.Slope)));
  }
  return CourseFigures{h, PredictedScoreOf(h, course.ParTotal)};
}

}  // namespace fw
