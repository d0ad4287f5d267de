#pragma once
// The texts with a fixed meaning in the records of the data files, and the
// small tests that recognise them. The records keep every value as text, and
// these markers say that a value was never set or that nothing was entered.
// Each test compares the text exactly as given: a caller reading a record
// field cuts it at its first NUL first (CutAtNul).

#include <cstddef>
#include <string_view>

namespace fw {

// A field never set holds capital X to its room: "XXX" in a total, an
// adjusted score or a slope, "XXXX" in a rating, thirty X in a course name.
inline constexpr std::string_view kUnsetFill = "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX";
constexpr std::string_view UnsetFill(std::size_t room) {
  return kUnsetFill.substr(0, room);
}

// "XXX": the value never set, as the handicap rules look for it.
inline constexpr std::string_view kUnset = UnsetFill(3);
// The date of a round without one, in the stored form.
inline constexpr std::string_view kMissingDate = "99999999";
// Nothing entered: a hole, its putts, a total, a slope, the index and course
// handicap at entry.
inline constexpr std::string_view kNothingEntered = "0";
// Nothing entered in two characters: a total typed so, a par total.
inline constexpr std::string_view kNothingEntered2 = "00";
// No adjusted gross score.
inline constexpr std::string_view kNoAdjustedScore = "000";
// No course rating.
inline constexpr std::string_view kNoRating = "0.0";
// The course summary's rating and slope before its line gives them.
inline constexpr std::string_view kSummaryNoRating = "00.0";
inline constexpr std::string_view kSummaryNoSlope = "000";

// "XXX": a value never set.
constexpr bool IsUnset(std::string_view text) {
  return text == kUnset;
}

// Capital X only, as many as a field's room holds: a field never set.
constexpr bool IsUnsetFill(std::string_view text) {
  return !text.empty() && text.find_first_not_of('X') == std::string_view::npos;
}

// "99999999": a round without a date.
constexpr bool IsMissingDate(std::string_view storedDate) {
  return storedDate == kMissingDate;
}

// Empty or "0.0": a round without a course rating.
constexpr bool IsNoRating(std::string_view rating) {
  return rating.empty() || rating == kNoRating;
}

// Empty or "0": a round without a slope.
constexpr bool IsNoSlope(std::string_view slope) {
  return slope.empty() || slope == kNothingEntered;
}

// True for a text that reads as the number zero: "0", "00", "000", also with
// blanks around it or a sign in front.
constexpr bool IsZeroText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t zeros = 0;
  while (i < text.size() && text[i] == '0') ++i, ++zeros;
  while (i < text.size() && text[i] == ' ') ++i;
  return zeros > 0 && i == text.size();
}

// Empty, "XXX" or zero in any spelling ("0", "000", ...): a total or adjusted
// gross score with nothing in it.
constexpr bool IsNoScore(std::string_view score) {
  return score.empty() || IsUnset(score) || IsZeroText(score);
}

// Empty, "0" or "00": a total score with nothing entered, of which no
// adjusted gross score is formed.
constexpr bool IsNoTotal(std::string_view total) {
  return total.empty() || total == kNothingEntered || total == kNothingEntered2;
}

}  // namespace fw
