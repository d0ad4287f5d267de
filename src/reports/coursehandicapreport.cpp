#include "reports/coursehandicapreport.h"

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"

namespace fw {

CourseHandicapTexts CourseHandicapTextsFor(std::string_view golferName, std::string_view indexText,
                                           const TCourseSummary& course) {
  const int h =
      CourseHandicapOf(StrToFloat(CutAtNul(indexText)), StrToFloat(CutAtNul(course.Slope)));
  const int predicted = PredictedScoreOf(h, course.ParTotal);
  const std::string name(golferName);
  return {"Handicap for " + name + " at this course is: " + IntToStr(h),
          "Predicted score for " + name + " is: " + IntToStr(predicted)};
}

ReportLines CourseHandicapLines(const ReportDate& today, std::string_view golferName,
                                std::string_view indexText, const TCourseSummary& course,
                                std::string_view hdcp1, std::string_view hdcp2) {
  return {
      "FAIRWICK COURSE HANDICAP AS OF:  " + FormatReportDate(today),
      "FOR:  " + CutAtNul(golferName),
      "AT:   " + CutAtNul(course.Name),
      "",
      "Course Rating: " + CutAtNul(course.Rating),
      "Slope Rating:  " + CutAtNul(course.Slope),
      "Par:           " + CutAtNul(course.ParTotal),
      "Index:         " + CutAtNul(indexText),
      "",
      CutAtNul(hdcp1),
      CutAtNul(hdcp2),
  };
}

}  // namespace fw
