#include "data/convert.h"

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

double StrToFloat(std::string_view text) {
  std::string_view s = StripBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // Check the shape first: digits, one optional point, optional exponent.
  std::size_t i = 0;
  std::size_t mantissaDigits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) Fail(text, "floating point");
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) Fail(text, "floating point");
  }
  if (i != s.size()) Fail(text, "floating point");

  double value = 0.0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(value))
    Fail(text, "floating point");
  return negative ? -value : value;
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}

long long RoundHalfEven(double value) {
  double whole = std::floor(value);
  double fraction = value - whole;
  if (fraction > 0.5) return static_cast<long long>(whole) + 1;
  if (fraction < 0.5) return static_cast<long long>(whole);
  long long w = static_cast<long long>(whole);
  return (w % 2 == 0) ? w : w + 1;
}

}  // namespace fw
