#pragma once
// The arithmetic of the World Handicap System (WHS), all of it in whole tenths
// held in integers, so that no binary rounding of a value such as 8.45 decides
// a result. Every rounding to a whole number or to a tenth goes to the
// nearest, an exact half up: 8.45 -> 8.5, -1.55 -> -1.5.
//
// Left out, as the README says: the playing conditions calculation (always 0),
// the expected score of nine-hole rounds (they count as under the program's
// own rules) and playing handicap allowances.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/holelist.h"
#include "data/scorefile.h"
#include "handicap/scoreeval.h"

namespace fw {

inline constexpr int kWhsWindow = 20;           // newest complete rounds that count
inline constexpr int kWhsMinDifferentials = 3;  // fewer: no index ("NH")
inline constexpr int kWhsMaxUsed = 8;           // lowest differentials of 20
inline constexpr int kWhsMaxIndexTenths = 540;  // 54.0
inline constexpr int kWhsNoIndexHoleExtra = 5;  // par + 5 before a first index
inline constexpr int kWhsSoftCapTenths = 30;    // above low + 3.0 counts half
inline constexpr int kWhsHardCapTenths = 50;    // never above low + 5.0
inline constexpr int kWhsLowIndexDays = 365;

// Whole tenths as a decimal with one decimal place, right-aligned in at least
// `width` characters: 85 -> "8.5", -15 -> "-1.5", 0 -> "0.0".
std::string FormatTenths(long long tenths, int width = 0);

// A differential before its rounding, as an exact fraction of tenths.
struct WhsDifferential {
  long long Numerator = 0;    // 1130 x (score - rating), both in tenths
  long long Denominator = 1;  // the slope in tenths

  // Rounded to a whole tenth, an exact half up.
  int Tenths() const;
};

// (113 / slope) x (score - rating), every figure in tenths; nothing outside
// the values a round and a course can have (see ComputeDifferential).
std::optional<WhsDifferential> WhsDifferentialOf(long long scoreTenths, long long ratingTenths,
                                                 long long slopeTenths);

// The differential of a round's texts by the rule of DifferentialTenths
// (scoreeval.h): of its DifferentialBasisOf, each text read as tenths
// (StrToTenths, ConversionError); none when it has no basis or its figures lie
// outside what a round and a course can have.
std::optional<WhsDifferential> WhsDifferentialOfTexts(const DifferentialTexts& texts);
// The same for a stored round.
std::optional<WhsDifferential> WhsRoundDifferential(const TScoreRec& round);

// The reduction an exceptional score brings to each of the newest 20
// differentials: 20 tenths when its unrounded differential is at least 10.0
// below the index held before the day it was played, 10 when at least 7.0
// below, otherwise 0.
int ExceptionalReductionTenths(const WhsDifferential& differential, int indexBeforeTenths);

// How many of the lowest differentials make the index, and the adjustment
// added to their average, for a number of differentials from 0 to 20:
// fewer than 3 use none (no index); 3: 1, -2.0; 4: 1, -1.0; 5: 1; 6: 2,
// -1.0; 7-8: 2; 9-11: 3; 12-14: 4; 15-16: 5; 17-18: 6; 19: 7; 20: 8.
struct WhsCountRule {
  int Lowest = 0;
  int AdjustmentTenths = 0;
};
WhsCountRule WhsDifferentialsToUse(int differentials);

// The average of `count` differentials summing to `sumTenths`, plus the
// adjustment, rounded to a tenth.
int WhsAverageTenths(long long sumTenths, int count, int adjustmentTenths);

// The soft cap (above low + 3.0 the rest counts half, rounded to a tenth)
// and then the hard cap (never above low + 5.0).
struct WhsCapped {
  int Tenths = 0;
  bool SoftCap = false;
  bool HardCap = false;
};
WhsCapped ApplyWhsCaps(int indexTenths, int lowIndexTenths);

// One day's index as the golfer held it after that day.
struct HeldIndex {
  std::optional<int> Day;  // DayOfStoredDate of the date; none for a date that is none
  bool HasIndex = false;
  int Tenths = 0;
};

// The low handicap index beside an index computed on a later day: the lowest
// index held after the `earlier` days (in date order) that lie within the 365
// days before the last of them, that day included. Nothing when no such day
// had an index or the last day has no date.
std::optional<int> LowIndexTenths(std::span<const HeldIndex> earlier);

// Course handicap: index x slope / 113 + (course rating - par), rounded to a
// whole number. A slope off the slope scale gives 0, as under the program's
// own rules; a course without a usable rating leaves that term out.
int WhsCourseHandicap(int indexTenths, long long slopeTenths, long long ratingTenths, int parTotal);
// The same of a course's texts, converted strictly (ConversionError).
int WhsCourseHandicapFor(int indexTenths, std::string_view rating, std::string_view slope,
                         std::string_view parTotal);

// Strokes the course handicap gives on the hole of that stroke index: CH / 18
// rounded down, and one more when the stroke index is at most CH mod 18. A
// plus handicap gives strokes back from stroke index 18 upwards.
int StrokesReceived(int courseHandicap, int strokeIndex);

// The most strokes counted on one hole (net double bogey): par + 2 + the
// strokes received. At a course without stroke indexes: par + 2 + CH / 18
// rounded up. Without an index (no course handicap): par + 5. Never above
// par + 5.
int NetDoubleBogey(int par, std::optional<int> courseHandicap, std::optional<int> strokeIndex);

// The adjusted gross score under WHS, in place of AdjustGrossScore: "" when
// the total is empty, "0" or "00"; otherwise the total less what the hole
// scores exceed their NetDoubleBogey. Empty hole texts are skipped and a hole
// whose par is 0 is never reduced; the pars of holes with a score are
// converted strictly (ConversionError, an empty par too). A round typed as a
// total only (every hole "0") keeps its total. `courseHandicap` is none for a
// golfer without an index, `strokeIndexes` none for a course without them.
std::string AdjustGrossScoreWhs(std::string_view totalScore, const HoleTexts& holes,
                                const HoleTexts& pars,
                                const std::optional<StrokeIndexes>& strokeIndexes,
                                std::optional<int> courseHandicap);

// The predicted (target) score is par total + course handicap under either
// rules: PredictedScoreOf (coursehandicap.h).

}  // namespace fw
