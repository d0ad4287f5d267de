#include "data/textutil.h"

#include <cmath>
#include <cstdio>

#include "data/convert.h"

namespace fw {

std::string CutAtNul(std::string_view text) {
  std::size_t p = text.find('\0');
  return std::string(p == std::string_view::npos ? text : text.substr(0, p));
}

std::string CutTo(std::string_view text, std::size_t room) {
  std::string s = CutAtNul(text);
  if (s.size() > room) s.resize(room);
  return s;
}

std::string TrimBlanks(std::string_view text) {
  std::string_view s = text;
  while (s.size() > 1 && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string PadRight(std::string_view text, int n) {
  std::string s = CutAtNul(text);
  s.resize(n < 0 ? 0 : static_cast<std::size_t>(n), ' ');
  return s;
}

std::string PadLeft(std::string_view text, int n) {
  std::string s = CutAtNul(text);
  std::size_t width = n < 0 ? 0 : static_cast<std::size_t>(n);
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  if (s.size() > width) s.resize(width);
  return s;
}

std::string FormatFixed(double value, int width, int decimals) {
  // Round once, halves to even, to a whole number of the last decimal; the
  // printed digits then need no further rounding and zero has no sign.
  double scale = std::pow(10.0, decimals);
  long long units = RoundHalfEven(value * scale);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, static_cast<double>(units) / scale);
  return buf;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

std::string StoredDateToDisplay(std::string_view stored) {
  std::string s = CutAtNul(stored);
  if (s.size() == 8) return s.substr(4, 2) + "/" + s.substr(6, 2) + "/" + s.substr(0, 4);
  if (s.size() == 6) {
    std::string century = static_cast<unsigned char>(s[0]) >= '7' ? "/19" : "/20";
    return s.substr(2, 2) + "/" + s.substr(4, 2) + century + s.substr(0, 2);
  }
  return "99/99/9999";
}

std::string DisplayDateToStored(std::string_view display) {
  auto part = [&](std::size_t from, std::size_t count) {
    return from < display.size() ? std::string(display.substr(from, count)) : std::string();
  };
  return part(6, 4) + part(0, 2) + part(3, 2);
}

}  // namespace fw
