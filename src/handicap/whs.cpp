#include "handicap/whs.h"

#include <algorithm>

#include "data/convert.h"
#include "data/placeholders.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"

namespace fw {
namespace {

// The slope of a course of standard difficulty, and in tenths.
constexpr long long kStandardSlope = 113;
constexpr long long kStandardSlopeTenths = 10 * kStandardSlope;

// The bounds of ComputeDifferential, in tenths.
constexpr long long kMaxScoreTenths = static_cast<long long>(kMaxRoundScore) * 10;
constexpr long long kMaxRatingTenths = static_cast<long long>(kMaxRating) * 10;
constexpr long long kMinSlopeTenths = static_cast<long long>(kMinSlope) * 10;
constexpr long long kMaxSlopeTenths = static_cast<long long>(kMaxSlope) * 10;

bool OnSlopeScale(long long slopeTenths) {
  return slopeTenths >= kMinSlopeTenths && slopeTenths <= kMaxSlopeTenths;
}
bool UsableRating(long long ratingTenths) {
  return ratingTenths > 0 && ratingTenths <= kMaxRatingTenths;
}

// a / b rounded down, also for a negative a (b above 0).
long long FloorDivide(long long a, long long b) {
  return a / b - ((a % b != 0) && (a < 0) ? 1 : 0);
}

}  // namespace

std::string FormatTenths(long long tenths, int width) {
  const unsigned long long magnitude = tenths < 0 ? 0ULL - static_cast<unsigned long long>(tenths)
                                                  : static_cast<unsigned long long>(tenths);
  std::string text = (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
                     std::to_string(magnitude % 10);
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

int WhsDifferential::Tenths() const {
  return ClampToInt(DivideRoundingHalfUp(Numerator, Denominator));
}

std::optional<WhsDifferential> WhsDifferentialOf(long long scoreTenths, long long ratingTenths,
                                                 long long slopeTenths) {
  if (scoreTenths <= 0 || scoreTenths > kMaxScoreTenths) return std::nullopt;
  if (!UsableRating(ratingTenths) || !OnSlopeScale(slopeTenths)) return std::nullopt;
  // (113 / (slope / 10)) x ((score - rating) / 10), times 10 for tenths.
  return WhsDifferential{kStandardSlopeTenths * (scoreTenths - ratingTenths), slopeTenths};
}

std::optional<WhsDifferential> WhsDifferentialOfTexts(const DifferentialTexts& texts) {
  const std::optional<DifferentialBasis> basis = DifferentialBasisOf(texts);
  if (!basis) return std::nullopt;
  const long long score = StrToTenths(basis->Score);
  const long long rating = StrToTenths(basis->Rating);
  return WhsDifferentialOf(score, rating, StrToTenths(basis->Slope));
}

std::optional<WhsDifferential> WhsRoundDifferential(const TScoreRec& round) {
  return WhsDifferentialOfTexts(DifferentialTextsOf(round));
}

int ExceptionalReductionTenths(const WhsDifferential& differential, int indexBeforeTenths) {
  // index - numerator / denominator >= limit, kept in whole numbers.
  const auto below = [&](long long limitTenths) {
    return (indexBeforeTenths - limitTenths) * differential.Denominator >= differential.Numerator;
  };
  if (below(100)) return 20;
  if (below(70)) return 10;
  return 0;
}

WhsCountRule WhsDifferentialsToUse(int differentials) {
  static constexpr WhsCountRule kRules[kWhsWindow + 1] = {
      {0, 0}, {0, 0}, {0, 0}, {1, -20}, {1, -10}, {1, 0}, {2, -10}, {2, 0}, {2, 0}, {3, 0}, {3, 0},
      {3, 0}, {4, 0}, {4, 0}, {4, 0},   {5, 0},   {5, 0}, {6, 0},   {6, 0}, {7, 0}, {8, 0}};
  return kRules[std::clamp(differentials, 0, kWhsWindow)];
}

int WhsAverageTenths(long long sumTenths, int count, int adjustmentTenths) {
  if (count <= 0) return 0;
  return ClampToInt(
      DivideRoundingHalfUp(sumTenths + static_cast<long long>(adjustmentTenths) * count, count));
}

WhsCapped ApplyWhsCaps(int indexTenths, int lowIndexTenths) {
  WhsCapped capped{indexTenths, false, false};
  const long long soft = static_cast<long long>(lowIndexTenths) + kWhsSoftCapTenths;
  const long long hard = static_cast<long long>(lowIndexTenths) + kWhsHardCapTenths;
  if (indexTenths <= soft) return capped;
  capped.SoftCap = true;
  long long index = soft + DivideRoundingHalfUp(indexTenths - soft, 2);
  if (index > hard) {
    index = hard;
    capped.HardCap = true;
  }
  capped.Tenths = ClampToInt(index);
  return capped;
}

std::optional<int> LowIndexTenths(std::span<const HeldIndex> earlier) {
  if (earlier.empty() || !earlier.back().Day) return std::nullopt;
  const int first = *earlier.back().Day - (kWhsLowIndexDays - 1);
  std::optional<int> lowest;
  for (auto it = earlier.rbegin(); it != earlier.rend(); ++it) {
    if (!it->Day) continue;       // a date that is none lies in no period
    if (*it->Day < first) break;  // older still: carried in, does not count
    if (it->HasIndex && (!lowest || it->Tenths < *lowest)) lowest = it->Tenths;
  }
  return lowest;
}

int WhsCourseHandicap(int indexTenths, long long slopeTenths, long long ratingTenths,
                      int parTotal) {
  if (!OnSlopeScale(slopeTenths)) return 0;
  // index x slope / 113 + (rating - par), over a common denominator of
  // 11300 hundredths: index and slope are each in tenths.
  long long numerator = static_cast<long long>(indexTenths) * slopeTenths;
  if (UsableRating(ratingTenths))
    numerator += kStandardSlopeTenths * (ratingTenths - 10LL * parTotal);
  return ClampToInt(DivideRoundingHalfUp(numerator, 100 * kStandardSlope));
}

int WhsCourseHandicapFor(int indexTenths, std::string_view rating, std::string_view slope,
                         std::string_view parTotal) {
  return WhsCourseHandicap(indexTenths, StrToTenths(CutAtNul(slope)), StrToTenths(CutAtNul(rating)),
                           StrToInt(CutAtNul(parTotal)));
}

int StrokesReceived(int courseHandicap, int strokeIndex) {
  const long long all = FloorDivide(courseHandicap, 18);
  const long long rest = courseHandicap - all * 18;  // 0 to 17
  return ClampToInt(all + (strokeIndex <= rest ? 1 : 0));
}

int NetDoubleBogey(int par, std::optional<int> courseHandicap, std::optional<int> strokeIndex) {
  const long long most = static_cast<long long>(par) + kWhsNoIndexHoleExtra;
  if (!courseHandicap) return ClampToInt(most);
  // Without stroke indexes every hole receives as many strokes as the one
  // that receives the most, which never counts a score too low.
  const long long strokes = strokeIndex
                                ? StrokesReceived(*courseHandicap, *strokeIndex)
                                : -FloorDivide(-static_cast<long long>(*courseHandicap), 18);
  return ClampToInt(std::min(most, static_cast<long long>(par) + 2 + strokes));
}

std::string AdjustGrossScoreWhs(std::string_view totalScore, const HoleTexts& holes,
                                const HoleTexts& pars,
                                const std::optional<StrokeIndexes>& strokeIndexes,
                                std::optional<int> courseHandicap) {
  const std::string total = CutAtNul(totalScore);
  if (IsNoTotal(total)) return "";

  long long reduction = 0;
  for (std::size_t h = 0; h < holes.size(); ++h) {
    const std::string hole = CutAtNul(holes[h]);
    if (hole.empty()) continue;
    const long long strokes = StrToInt(hole);
    const int par = StrToInt(CutAtNul(pars[h]));
    if (par <= 0) continue;  // a hole without a par is never reduced
    std::optional<int> strokeIndex;
    if (strokeIndexes) strokeIndex = (*strokeIndexes)[h];
    const int most = NetDoubleBogey(par, courseHandicap, strokeIndex);
    if (strokes > most) reduction += strokes - most;
  }
  // Taken off the total as it stands, which may have been typed directly.
  return IntToStr(StrToInt(total) - reduction);
}

}  // namespace fw
