#pragma once
// The arithmetic of a round being typed in the score entry window, apart from
// the window: what a course shows, the course handicap and adjusted gross
// score of the typed figures, the holes still without a score, and the "+" and
// "-" keys. Plain functions of texts; the window only moves texts in and out.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/courselist.h"
#include "data/holelist.h"
#include "data/scorefile.h"
#include "handicap/handicaprules.h"

namespace fw {

// What the window shows of a course: its rating and slope ("0.0" and "0" when
// it has none), the par of each hole ("0" when empty), the total par as stored
// and the pars of the front and back nine added up. Throws ConversionError on
// a par that is not a whole number.
struct CourseShown {
  std::string Rating;
  std::string Slope;
  std::array<std::string, 18> Pars;
  std::string ParTotal;
  std::string ParOut;
  std::string ParIn;
};
CourseShown CourseShownOf(const TCourseRec& course);

// What the course handicap and the adjusted gross score of a round being
// typed are computed by, besides the typed texts: the rules, and what the
// World Handicap System needs of the course and the golfer. The defaults are
// the program's own rules, which need none of it.
struct EntryRules {
  HandicapRules Rules = HandicapRules::kFairwick;
  std::string Rating;                        // the course's rating, as stored
  std::string ParTotal;                      // the course's total par, as stored
  std::optional<StrokeIndexes> StrokeIndex;  // none: the course has none
  bool HasIndex = true;                      // false: the golfer has no index yet ("NH")
};

// True for the text shown where a golfer without an index has none: "NH".
bool IsNoIndexText(std::string_view text);

// The course handicap of the index shown on a course of that slope; 0 while
// either is empty. Under WHS the rating and par total of `rules` count too,
// and a golfer without an index ("NH") has none.
std::optional<int> EntryCourseHandicap(std::string_view indexText, std::string_view slopeText,
                                       const EntryRules& rules = {});

// The adjusted gross score of the figures typed: a hole without a par yet (no
// course picked) is never reduced, and a course handicap not known yet counts
// as 0. "" when the total is empty or zero. Under the program's own rules by
// Equitable Stroke Control; under WHS by net double bogey, with the stroke
// indexes of `rules` and par + 5 on every hole for a golfer without an index.
std::string EntryAdjustedScore(std::string_view total, const HoleTexts& holes, HoleTexts pars,
                               std::string_view courseHandicapText, const EntryRules& rules = {});

// The holes (1 to 18) of a round typed hole by hole that still have no score;
// none for a round entered as a total only, with every hole at 0. Throws
// ConversionError on a hole that is not a whole number.
std::vector<int> HolesWithoutScore(const HoleTexts& holes);
// "Hole 7 has no score. Store this round anyway?" or "Holes 2, 7 have no
// score. Store this round anyway?".
std::string HolesWithoutScoreQuestion(const std::vector<int>& holes);

// The number a "+" (up) or "-" key makes of a field's text: one more, or one
// less but never below 0 (a value already below it stays), and never more
// digits than `room`. An empty field counts as 0.
std::string SteppedNumber(std::string_view text, bool up, std::size_t room);

}  // namespace fw
