#include "handicap/scoreeval.h"

#include "data/convert.h"
#include "data/placeholders.h"
#include "data/textutil.h"
#include "handicap/whs.h"

namespace fw {
namespace {

// The slope of a course of standard difficulty.
constexpr double kStandardSlope = 113.0;

// The text up to its first NUL, without copying it. Record texts are short, so
// a plain loop is quicker than a library search.
std::string_view UpToNul(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && text[n] != '\0') ++n;
  return text.substr(0, n);
}

// False for a text that reads as a negative number, as one above `max`, or as a
// positive one below `min`; true for zero and for texts that are no number.
bool WithinOrNotANumber(std::string_view text, double max, double min = 0.0) {
  const std::optional<double> value = ReadFloat(text);
  if (!value || *value == 0.0) return true;
  return *value >= min && *value > 0.0 && *value <= max;
}

// ComputeDifferential in whole tenths; nothing outside the values of a real
// round and course (written so that NaN fails every test too).
std::optional<long long> OwnRulesTenths(double score, double rating, double slope) {
  if (!(score > 0.0 && score <= kMaxRoundScore && rating > 0.0 && rating <= kMaxRating &&
        slope >= kMinSlope && slope <= kMaxSlope))
    return std::nullopt;
  return RoundHalfEven((score - rating) * kStandardSlope / slope * 10.0);
}

}  // namespace

long long NineTotal(const HoleTexts& holes, int firstHole) {
  long long sum = 0;
  for (int hole = firstHole; hole < firstHole + 9; ++hole)
    sum += StrToInt(CutAtNul(holes.at(static_cast<std::size_t>(hole - 1))));
  return sum;
}

RoundTotalsResult RoundTotals(const HoleTexts& holes) {
  RoundTotalsResult r;
  r.Out = NineTotal(holes, 1);
  r.In = NineTotal(holes, 10);
  r.Total = r.Out + r.In;
  return r;
}

int EscLimit(int courseHandicap) {
  // Compared as a real number from the top, so every handicap finds one band.
  const double handicap = courseHandicap;
  if (handicap >= 40.0) return 10;
  if (handicap >= 30.0) return 9;
  if (handicap >= 20.0) return 8;
  if (handicap >= 10.0) return 7;
  return kDoubleBogeyLimit;
}

std::string AdjustGrossScore(std::string_view totalScore, const HoleTexts& holes,
                             const HoleTexts& pars, int courseHandicap) {
  const std::string total = CutAtNul(totalScore);
  if (IsNoTotal(total)) return "";

  const int limit = EscLimit(courseHandicap);
  long long reduction = 0;
  for (std::size_t h = 0; h < holes.size(); ++h) {
    const std::string hole = CutAtNul(holes[h]);
    if (hole.empty()) continue;
    const long long strokes = StrToInt(hole);
    if (limit == kDoubleBogeyLimit) {
      const long long par = StrToInt(CutAtNul(pars[h]));
      if (par > 0 && strokes > par + 2) reduction += strokes - (par + 2);
    } else if (strokes > limit) {
      reduction += strokes - limit;
    }
  }
  // Taken off the total as it stands, which may have been typed directly.
  return IntToStr(StrToInt(total) - reduction);
}

double ComputeDifferential(double score, double rating, double slope) {
  // Rounding first gives a whole number of tenths, so -0.04 becomes 0.0, never -0.0.
  return TenthsValue(OwnRulesTenths(score, rating, slope).value_or(0));
}

std::string FormatDifferential(double differential) {
  return FormatFixed(differential, 4, 1);
}

namespace {

// Step 2 of DifferentialTenths.
std::string_view ScoreTextOf(const DifferentialTexts& texts) {
  const std::string_view adjusted = UpToNul(texts.AdjustedScore);
  return IsNoScore(adjusted) ? UpToNul(texts.TotalScore) : adjusted;
}

bool UsableRating(std::string_view rating, std::string_view slope) {
  return !IsNoRating(rating) && !IsUnset(rating) && !IsNoSlope(slope) && !IsUnset(slope);
}

}  // namespace

DifferentialTexts DifferentialTextsOf(const TScoreRec& round) {
  return {round.TotalScore, round.AdjustedScore, round.Rating, round.Slope};
}

std::optional<DifferentialBasis> DifferentialBasisOf(const DifferentialTexts& texts) {
  const std::string_view rating = UpToNul(texts.Rating);
  const std::string_view slope = UpToNul(texts.Slope);
  if (IsNoScore(UpToNul(texts.TotalScore)) || !UsableRating(rating, slope)) return std::nullopt;
  return DifferentialBasis{ScoreTextOf(texts), rating, slope};
}

std::optional<int> DifferentialTenths(const DifferentialTexts& texts, HandicapRules rules) {
  if (rules == HandicapRules::kWhs) {
    const std::optional<WhsDifferential> d = WhsDifferentialOfTexts(texts);
    if (!d) return std::nullopt;
    return d->Tenths();
  }
  const std::optional<DifferentialBasis> basis = DifferentialBasisOf(texts);
  if (!basis) return std::nullopt;
  const double score = StrToFloat(basis->Score);
  const double rating = StrToFloat(basis->Rating);
  const std::optional<long long> tenths = OwnRulesTenths(score, rating, StrToFloat(basis->Slope));
  if (!tenths) return std::nullopt;
  return static_cast<int>(*tenths);
}

std::optional<int> RoundDifferentialTenths(const TScoreRec& round, HandicapRules rules) {
  return DifferentialTenths(DifferentialTextsOf(round), rules);
}

std::string DifferentialText(const DifferentialTexts& texts, HandicapRules rules) {
  return FormatDifferential(TenthsValue(DifferentialTenths(texts, rules).value_or(0)));
}

std::string RoundDifferentialText(const TScoreRec& round, HandicapRules rules) {
  return DifferentialText(DifferentialTextsOf(round), rules);
}

std::string DifferentialScore(const TScoreRec& round) {
  return std::string(ScoreTextOf(DifferentialTextsOf(round)));
}

bool HasUsableRating(const TScoreRec& round) {
  return UsableRating(UpToNul(round.Rating), UpToNul(round.Slope));
}

double RoundDifferential(const TScoreRec& round) {
  return TenthsValue(RoundDifferentialTenths(round, HandicapRules::kFairwick).value_or(0));
}

bool IsCompleteScore(const TScoreRec& round) {
  const std::string_view total = UpToNul(round.TotalScore);
  const std::string_view rating = UpToNul(round.Rating);
  const std::string_view slope = UpToNul(round.Slope);
  const std::string_view date = UpToNul(round.Date);
  // A total of zero in any spelling is a round nobody played, not a perfect one.
  if (total.empty() || IsZeroText(total)) return false;
  if (IsNoRating(rating)) return false;
  if (IsNoSlope(slope)) return false;
  if (IsMissingDate(date)) return false;
  // Zero keeps the meaning the markers give it; below zero, or beyond what a
  // round or a course can have, no round was played as written.
  return WithinOrNotANumber(total, kMaxRoundScore) &&
         WithinOrNotANumber(UpToNul(round.AdjustedScore), kMaxRoundScore) &&
         WithinOrNotANumber(rating, kMaxRating) && WithinOrNotANumber(slope, kMaxSlope, kMinSlope);
}

}  // namespace fw
