#pragma once
// One golfer's course handicap and predicted score on one course: the two
// result lines of the course handicap window and its printout.

#include <string>
#include <string_view>

#include "data/courselist.h"
#include "reports/reportoutput.h"

namespace fw {

struct CourseHandicapTexts {
  std::string Hdcp1;  // "Handicap for <name> at this course is: <h>"
  std::string Hdcp2;  // "Predicted score for <name> is: <score>"
};

// The result lines for the golfer's index text on the course. Throws
// ConversionError when the index or the slope is not a number or the par total
// not a whole number.
CourseHandicapTexts CourseHandicapTextsFor(std::string_view golferName, std::string_view indexText,
                                           const TCourseSummary& course);

// The printout: heading, golfer and course, the course's figures and the
// index, then the window's two result lines as they stand.
ReportLines CourseHandicapLines(const ReportDate& today, std::string_view golferName,
                                std::string_view indexText, const TCourseSummary& course,
                                std::string_view hdcp1, std::string_view hdcp2);

}  // namespace fw
