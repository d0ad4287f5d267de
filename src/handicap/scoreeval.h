#pragma once
// Arithmetic on one round: nine-hole and round totals, Equitable Stroke Control,
// the score differential and the complete-round test.

#include <string>
#include <string_view>

#include "data/scorefile.h"

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

// The score a stored round's differential is computed from: the adjusted
// gross score unless it is empty, "0", "000" or "XXX"; else the total score.
std::string DifferentialScore(const TScoreRec& round);

// True when a round's rating and slope allow a differential: rating not empty,
// "0.0" or "XXX"; slope not empty, "0" or "XXX".
bool HasUsableRating(const TScoreRec& round);

// The differential of a stored round for the index: ComputeDifferential of
// DifferentialScore, rating and slope when HasUsableRating, else 0.0.
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
