#include "handicap/scoreeval.h"

#include "data/convert.h"
#include "data/textutil.h"

namespace fw {
namespace {

// The slope of a course of standard difficulty.
constexpr double kStandardSlope = 113.0;

// True for a text that reads as the number zero: "0", "00", "000", also with
// blanks around or a sign in front. Never raises.
bool IsZeroText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t zeros = 0;
  while (i < text.size() && text[i] == '0') ++i, ++zeros;
  while (i < text.size() && text[i] == ' ') ++i;
  return zeros > 0 && i == text.size();
}

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
  if (total.empty() || total == "0" || total == "00") return "";

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
  // Written so that NaN fails every test too.
  if (!(score > 0.0 && score <= kMaxRoundScore)) return 0.0;
  if (!(rating > 0.0 && rating <= kMaxRating)) return 0.0;
  if (!(slope >= kMinSlope && slope <= kMaxSlope)) return 0.0;
  const double d = (score - rating) * kStandardSlope / slope;
  // Rounding first gives a whole number of tenths, so -0.04 becomes 0.0, never -0.0.
  return static_cast<double>(RoundHalfEven(d * 10.0)) * 0.1;
}

std::string FormatDifferential(double differential) {
  return FormatFixed(differential, 4, 1);
}

std::string DifferentialScore(const TScoreRec& round) {
  const std::string_view adjusted = UpToNul(round.AdjustedScore);
  if (!adjusted.empty() && adjusted != "0" && adjusted != "000" && adjusted != "XXX")
    return std::string(adjusted);
  return std::string(UpToNul(round.TotalScore));
}

bool HasUsableRating(const TScoreRec& round) {
  const std::string_view rating = UpToNul(round.Rating);
  const std::string_view slope = UpToNul(round.Slope);
  return !rating.empty() && rating != "0.0" && rating != "XXX" && !slope.empty() && slope != "0" &&
         slope != "XXX";
}

double RoundDifferential(const TScoreRec& round) {
  if (!HasUsableRating(round)) return 0.0;
  const double score = StrToFloat(DifferentialScore(round));
  const double rating = StrToFloat(UpToNul(round.Rating));
  const double slope = StrToFloat(UpToNul(round.Slope));
  return ComputeDifferential(score, rating, slope);
}

bool IsCompleteScore(const TScoreRec& round) {
  const std::string_view total = UpToNul(round.TotalScore);
  const std::string_view rating = UpToNul(round.Rating);
  const std::string_view slope = UpToNul(round.Slope);
  const std::string_view date = UpToNul(round.Date);
  // A total of zero in any spelling is a round nobody played, not a perfect one.
  if (total.empty() || IsZeroText(total)) return false;
  if (rating.empty() || rating == "0.0") return false;
  if (slope.empty() || slope == "0") return false;
  if (date == "99999999") return false;
  // Zero keeps the meaning the markers give it; below zero, or beyond what a
  // round or a course can have, no round was played as written.
  return WithinOrNotANumber(total, kMaxRoundScore) &&
         WithinOrNotANumber(UpToNul(round.AdjustedScore), kMaxRoundScore) &&
         WithinOrNotANumber(rating, kMaxRating) && WithinOrNotANumber(slope, kMaxSlope, kMinSlope);
}

}  // namespace fw
