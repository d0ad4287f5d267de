#pragma once
// One golfer's course handicap and predicted score on one course: the two
// result lines of the course handicap window and its printout.

#include <string>
#include <string_view>

#include "data/courselist.h"
#include "handicap/handicaprules.h"
#include "reports/reportoutput.h"

namespace fw {

struct CourseHandicapTexts {
  std::string Hdcp1;  // "Handicap for <name> at this course is: <h>"
  std::string Hdcp2;  // "Predicted score for <name> is: <score>"
};

// The result lines for the golfer's index text on the course, under `rules`
// (see CourseFiguresFor); under WHS an index "NH" gives "NH" for both. Throws
// ConversionError when the index, the slope or (under WHS) the rating is not a
// number or the par total not a whole number.
CourseHandicapTexts CourseHandicapTextsFor(std::string_view golferName, std::string_view indexText,
                                           const TCourseSummary& course,
                                           HandicapRules rules = HandicapRules::kFairwick);

// The printout: heading, golfer and course, the course's figures and the
// index, then the window's two result lines as they stand. Under WHS the
// heading is followed by the line naming the rules (kWhsRulesLine). The
// heading's date is in `order`.
ReportLines CourseHandicapLines(const ReportDate& today, std::string_view golferName,
                                std::string_view indexText, const TCourseSummary& course,
                                std::string_view hdcp1, std::string_view hdcp2,
                                HandicapRules rules = HandicapRules::kFairwick,
                                DateOrder order = DateOrder::kMonthDayYear);

}  // namespace fw
