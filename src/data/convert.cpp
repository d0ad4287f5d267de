#include "data/convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {
namespace {

std::string_view StripBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

[[noreturn]] void Fail(std::string_view text, const char* kind) {
  throw ConversionError("'" + std::string(text) + "' is not a valid " + kind + " value");
}

}  // namespace

int StrToInt(std::string_view text) {
  std::string_view s = StripBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) Fail(text, "integer");
  long long value = 0;
  for (char c : s) {
    if (!IsDigit(c)) Fail(text, "integer");
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) Fail(text, "integer");
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
    Fail(text, "integer");
  return static_cast<int>(value);
}

std::optional<double> ReadFloat(std::string_view text) {
  std::string_view s = StripBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // Check the shape first: digits with one optional point, nothing else.
  std::size_t i = 0;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0 || i != s.size()) return std::nullopt;

  double value = 0.0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

double StrToFloat(std::string_view text) {
  std::optional<double> value = ReadFloat(text);
  if (!value) Fail(text, "floating point");
  return *value;
}

long long StrToTenths(std::string_view text) {
  StrToFloat(text);  // the shape, with its message when it is not a number
  std::string_view s = StripBlanks(text);
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  constexpr long long kMost = 1000000000000000;  // 10^15 tenths
  long long tenths = 0;
  std::size_t i = 0;
  for (; i < s.size() && s[i] != '.'; ++i)
    tenths = std::min(kMost, tenths * 10 + (s[i] - '0') * 10);
  if (i < s.size()) ++i;  // the point
  if (i < s.size()) tenths = std::min(kMost, tenths + (s[i++] - '0'));
  // The rest decides the rounding: at least a half goes up, and for a
  // negative value an exact half goes towards zero.
  const std::string_view rest = s.substr(i);
  const bool half = !rest.empty() && rest.front() == '5' &&
                    rest.find_first_not_of('0', 1) == std::string_view::npos;
  const bool aboveHalf = !rest.empty() && (rest.front() > '5' || (rest.front() == '5' && !half));
  if (aboveHalf || (half && !negative)) tenths = std::min(kMost, tenths + 1);
  return negative ? -tenths : tenths;
}

long long DivideRoundingHalfUp(long long num, long long den) {
  // floor((2 num + den) / (2 den)), with the floor taken for negatives too.
  const long long a = 2 * num + den;
  const long long b = 2 * den;
  return a / b - ((a % b != 0) && (a < 0) ? 1 : 0);
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}

long long RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  // 2^63 is exactly representable; every double below it in size converts.
  constexpr double kLimit = 9223372036854775808.0;
  if (value >= kLimit) return std::numeric_limits<long long>::max();
  if (value < -kLimit) return std::numeric_limits<long long>::min();
  double whole = std::floor(value);
  double fraction = value - whole;
  long long w = static_cast<long long>(whole);
  // Beyond 2^52 every double is whole, so w + 1 is only reached far below the top.
  if (fraction > 0.5 || (fraction == 0.5 && w % 2 != 0)) return w + 1;
  return w;
}

int RoundToInt(double value) {
  return ClampToInt(RoundHalfEven(value));
}

int ClampToInt(long long value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace fw
