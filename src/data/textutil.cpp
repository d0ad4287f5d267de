#include "data/textutil.h"

#include <algorithm>
#include <chrono>
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

namespace {

// The three parts of a date in the order's places, with its separator (or
// `separator` where the order keeps the system's).
std::string JoinDate(std::string_view year, std::string_view month, std::string_view day,
                     DateOrder order, char separator) {
  std::string date;
  date.reserve(year.size() + month.size() + day.size() + 2);
  auto add = [&](std::string_view part, bool last) {
    date += part;
    if (!last) date += separator;
  };
  switch (order) {
    case DateOrder::kMonthDayYear:
      add(month, false), add(day, false), add(year, true);
      break;
    case DateOrder::kDayMonthYear:
      add(day, false), add(month, false), add(year, true);
      break;
    case DateOrder::kYearMonthDay:
      separator = LayoutOf(order).Separator;
      add(year, false), add(month, false), add(day, true);
      break;
  }
  return date;
}

}  // namespace

bool IsCalendarDay(int year, int month, int day) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return false;
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return day <= (month == 2 && leap ? 29 : kDays[month - 1]);
}

std::optional<int> DayOfStoredDate(std::string_view stored) {
  if (stored.size() != 8 ||
      !std::all_of(stored.begin(), stored.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int year = StrToInt(stored.substr(0, 4));
  const int month = StrToInt(stored.substr(4, 2));
  const int day = StrToInt(stored.substr(6, 2));
  if (!IsCalendarDay(year, month, day)) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  return static_cast<int>(std::chrono::sys_days{date}.time_since_epoch().count());
}

std::string StoredDateOfDay(int day) {
  const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::string MissingDateShown(DateOrder order) {
  return JoinDate("9999", "99", "99", order, '/');
}

std::string StoredDateToDisplay(std::string_view stored, DateOrder order) {
  std::string s = CutAtNul(stored);
  if (s.size() == 8) return JoinDate(s.substr(0, 4), s.substr(4, 2), s.substr(6, 2), order, '/');
  if (s.size() == 6) {
    const std::string year =
        (static_cast<unsigned char>(s[0]) >= '7' ? "19" : "20") + s.substr(0, 2);
    return JoinDate(year, s.substr(2, 2), s.substr(4, 2), order, '/');
  }
  return MissingDateShown(order);
}

std::string DisplayDateToStored(std::string_view display, DateOrder order) {
  auto part = [&](std::size_t from, std::size_t count) {
    return from < display.size() ? std::string(display.substr(from, count)) : std::string();
  };
  const DateLayout layout = LayoutOf(order);
  return part(layout.Year, 4) + part(layout.Month, 2) + part(layout.Day, 2);
}

std::string DateText(int year, int month, int day, DateOrder order, char separator) {
  char y[16], m[16], d[16];
  std::snprintf(y, sizeof y, "%04d", year);
  std::snprintf(m, sizeof m, "%02d", month);
  std::snprintf(d, sizeof d, "%02d", day);
  return JoinDate(y, m, d, order, separator);
}

}  // namespace fw
