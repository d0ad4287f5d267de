#include "scores/roundentry.h"

#include "data/convert.h"
#include "data/placeholders.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"
#include "handicap/handicapindex.h"
#include "handicap/scoreeval.h"
#include "handicap/whs.h"

namespace fw {

CourseShown CourseShownOf(const TCourseRec& course) {
  CourseShown figures;
  const std::string rating = CutAtNul(course.Rating);
  figures.Rating = rating.empty() ? std::string(kNoRating) : rating;
  const std::string slope = CutAtNul(course.Slope);
  figures.Slope = slope.empty() ? std::string(kNothingEntered) : slope;
  HoleTexts pars;
  for (std::size_t hole = 0; hole < 18; ++hole) {
    std::string par = CutAtNul(course.Pars[hole]);
    if (par.empty()) par = kNothingEntered;
    figures.Pars[hole] = par;
    pars[hole] = par;
  }
  figures.ParTotal = CutAtNul(course.ParTotal);
  figures.ParOut = IntToStr(NineTotal(pars, 1));
  figures.ParIn = IntToStr(NineTotal(pars, 10));
  return figures;
}

bool IsNoIndexText(std::string_view text) {
  return TrimBlanks(CutAtNul(text)) == kNoIndexText;
}

std::optional<int> EntryCourseHandicap(std::string_view indexText, std::string_view slopeText,
                                       const EntryRules& rules) {
  const bool whs = rules.Rules == HandicapRules::kWhs;
  if (whs && (!rules.HasIndex || IsNoIndexText(indexText))) return std::nullopt;
  const std::string index = TrimBlanks(indexText);
  const std::string slope = TrimBlanks(CutAtNul(slopeText));
  if (index.empty() || slope.empty()) return 0;
  if (!whs) return CourseHandicapOf(StrToFloat(index), StrToFloat(slope));
  return WhsCourseHandicapFor(ClampToInt(StrToTenths(index)), rules.Rating, slope, rules.ParTotal);
}

std::string EntryAdjustedScore(std::string_view total, const HoleTexts& holes, HoleTexts pars,
                               std::string_view courseHandicapText, const EntryRules& rules) {
  for (HoleText& par : pars)
    if (par.empty()) par = kNothingEntered;
  const std::string handicap = TrimBlanks(courseHandicapText);
  if (rules.Rules != HandicapRules::kWhs)
    return AdjustGrossScore(total, holes, pars, handicap.empty() ? 0 : StrToInt(handicap));
  std::optional<int> courseHandicap;
  if (rules.HasIndex && !IsNoIndexText(handicap))
    courseHandicap = handicap.empty() ? 0 : StrToInt(handicap);
  return AdjustGrossScoreWhs(total, holes, pars, rules.StrokeIndex, courseHandicap);
}

std::vector<int> HolesWithoutScore(const HoleTexts& holes) {
  std::vector<int> missing;
  for (int hole = 1; hole <= 18; ++hole)
    if (StrToInt(holes[static_cast<std::size_t>(hole - 1)]) == 0) missing.push_back(hole);
  if (missing.size() == 18) missing.clear();  // a round entered as a total only
  return missing;
}

std::string HolesWithoutScoreQuestion(const std::vector<int>& holes) {
  std::string list;
  for (int hole : holes) list += (list.empty() ? "" : ", ") + IntToStr(hole);
  return (holes.size() == 1 ? "Hole " + list + " has no score."
                            : "Holes " + list + " have no score.") +
         " Store this round anyway?";
}

std::string SteppedNumber(std::string_view text, bool up, std::size_t room) {
  const std::string trimmed = TrimBlanks(text);
  const long long value = trimmed.empty() ? 0 : StrToInt(trimmed);
  long long next = up ? value + 1 : (value > 0 ? value - 1 : value);
  if (IntToStr(next).size() > room) next = value;
  return IntToStr(next);
}

}  // namespace fw
