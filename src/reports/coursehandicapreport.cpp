#include "reports/coursehandicapreport.h"

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"

namespace fw {

CourseHandicapTexts CourseHandicapTextsFor(std::string_view golferName, std::string_view indexText,
                                           const TCourseSummary& course, HandicapRules rules) {
  const std::optional<CourseFigures> figures = CourseFiguresFor(indexText, course, rules);
  const std::string h = figures ? IntToStr(figures->CourseHandicap) : kNoIndexText;
  const std::string predicted = figures ? IntToStr(figures->PredictedScore) : kNoIndexText;
  const std::string name(golferName);
  return {"Handicap for " + name + " at this course is: " + h,
          "Predicted score for " + name + " is: " + predicted};
}

ReportLines CourseHandicapLines(const ReportDate& today, std::string_view golferName,
                                std::string_view indexText, const TCourseSummary& course,
                                std::string_view hdcp1, std::string_view hdcp2, HandicapRules rules,
                                DateOrder order) {
  ReportLines lines = {
      "FAIRWICK COURSE HANDICAP AS OF:  " + FormatReportDate(today, order),
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
  InsertRulesLine(lines, rules);
  return lines;
}

}  // namespace fw
