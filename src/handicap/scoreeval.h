#pragma once
// Arithmetic on one round: nine-hole and round totals, Equitable Stroke Control,
// the score differential and the complete-round test.

#include <optional>
#include <string>
#include <string_view>

#include "data/scorefile.h"
#include "handicap/handicaprules.h"

namespace fw {

// Sum of the nine hole texts starting at hole `firstHole` (1 or 10), each
// converted strictly (ConversionError on a bad or empty text). Wide enough for
// any texts the conversion accepts.
long long NineTotal(const HoleTexts& holes, int firstHole);

struct RoundTotalsResult {
  long long Out = 0;    // holes 1 to 9
  long long In = 0;     // holes 10 to 18
  long long Total = 0;  // Out + In
};
RoundTotalsResult RoundTotals(const HoleTexts& holes);

// The most strokes counted on any hole for a course handicap: 10, 9, 8 or 7,
// or kDoubleBogeyLimit (par of the hole + 2) for 9 or less.
inline constexpr int kDoubleBogeyLimit = 0;
int EscLimit(int courseHandicap);

// Adjusted gross score text, or "" when the total is empty, "0" or "00".
// Hole texts that are empty are skipped; the pars are only read under the
// double-bogey limit (an empty par then raises ConversionError).
std::string AdjustGrossScore(std::string_view totalScore, const HoleTexts& holes,
                             const HoleTexts& pars, int courseHandicap);

// The values a round and a course can have. Anything outside them is a slip of
// the keyboard or a damaged file, and yields no differential rather than a
// figure nobody could have played.
inline constexpr double kMaxRoundScore = 18 * 99;  // eighteen two-digit holes
inline constexpr double kMaxRating = 150.0;        // far above any real course
inline constexpr double kMinSlope = 55.0;          // the slope scale's ends
inline constexpr double kMaxSlope = 155.0;

// (score - rating) * 113 / slope, rounded to a tenth (halves to even);
// 0.0 (no differential) unless 0 < score <= kMaxRoundScore,
// 0 < rating <= kMaxRating and kMinSlope <= slope <= kMaxSlope.
double ComputeDifferential(double score, double rating, double slope);

// One decimal, right-aligned in at least 4 characters: " 9.7", "16.7", "-2.3".
std::string FormatDifferential(double differential);

// The texts a round's differential is computed from: a stored round's, or
// the fields of the score entry window as typed.
struct DifferentialTexts {
  std::string_view TotalScore;
  std::string_view AdjustedScore;
  std::string_view Rating;
  std::string_view Slope;
};
DifferentialTexts DifferentialTextsOf(const TScoreRec& round);

// The score, rating and slope texts of a round that has a differential, cut
// at NUL (steps 1 to 3 of DifferentialTenths), or nothing when it has none.
struct DifferentialBasis {
  std::string_view Score;
  std::string_view Rating;
  std::string_view Slope;
};
std::optional<DifferentialBasis> DifferentialBasisOf(const DifferentialTexts& texts);

// The differential of a round, the one rule every window, report and index
// follows, in whole tenths; nothing when the round has none:
//   1. There is none when the total score is empty, "XXX" or zero ("0",
//      "00", ...): no round was played.
//   2. The score is the adjusted gross score unless that is empty, "XXX" or
//      zero; then it is the total score.
//   3. There is none when the rating is empty, "0.0" or "XXX", or the slope
//      empty, "0" or "XXX". Nothing is converted in steps 1 to 3.
//   4. The score, the rating and the slope are converted, in that order and
//      strictly (ConversionError); there is none when they lie outside what a
//      round and a course can have (see ComputeDifferential).
//   5. Under the program's own rules the result is ComputeDifferential's, a
//      half going to even; under WHS WhsDifferentialOf's, from the digits of
//      the texts, a half going up.
// Texts are read up to their first NUL.
std::optional<int> DifferentialTenths(const DifferentialTexts& texts, HandicapRules rules);
// The same for a stored round.
std::optional<int> RoundDifferentialTenths(const TScoreRec& round, HandicapRules rules);

// The value of a whole number of tenths, as ComputeDifferential gives it.
inline double TenthsValue(long long tenths) {
  return static_cast<double>(tenths) * 0.1;
}

// A round's differential as windows and reports show it: one decimal,
// right-aligned in at least 4 characters (FormatDifferential), " 0.0" for a
// round without one.
std::string DifferentialText(const DifferentialTexts& texts, HandicapRules rules);
std::string RoundDifferentialText(const TScoreRec& round, HandicapRules rules);

// The score a stored round's differential is computed from (step 2 above):
// the adjusted gross score unless it is empty, "XXX" or zero; else the total
// score.
std::string DifferentialScore(const TScoreRec& round);

// True when a round's rating and slope allow a differential: rating not empty,
// "0.0" or "XXX"; slope not empty, "0" or "XXX".
bool HasUsableRating(const TScoreRec& round);

// The differential of a stored round under the program's own rules, 0.0 when
// it has none (RoundDifferentialTenths).
double RoundDifferential(const TScoreRec& round);

// True when the round counts towards the index: total score not empty and not
// zero in any spelling ("0", "00", "000"), rating not empty and not "0.0",
// slope not empty and not "0", date not "99999999". A total, adjusted score,
// rating or slope that reads as a negative number, or as a number beyond what a
// round or course can have (see ComputeDifferential), makes the round
// incomplete too. Texts that are not numbers are left to the conversion of
// whoever computes with them. Texts are cut at NUL first. Never raises.
bool IsCompleteScore(const TScoreRec& round);

}  // namespace fw
