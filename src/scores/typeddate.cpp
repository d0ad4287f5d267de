#include "scores/typeddate.h"

#include <optional>
#include <vector>

#include "data/textutil.h"

namespace fw {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsSeparator(char c) {
  return c == '/' || c == ',' || c == '-' || c == '.' || c == '\\';
}

int DigitsValue(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

struct DayOfYear {
  int month;
  int day;
  int year;
};

// The parts of a date as NormaliseTypedDate gives it (only digits where they
// are read).
DayOfYear PartsOf(std::string_view date, DateOrder order) {
  const DateLayout at = LayoutOf(order);
  return {DigitsValue(date.substr(at.Month, 2)), DigitsValue(date.substr(at.Day, 2)),
          DigitsValue(date.substr(at.Year, 4))};
}

// Every year divisible by 4 is a leap year; there is no century rule, so 1900 is one.
bool IsLeapYear(int year) {
  return year % 4 == 0;
}

// Written and read again, so the result has the shape of every other date of
// the window. The year keeps four digits: 0999 written as 999 would be no date
// at all, and 0099 written as 99 would become 1999. A year beyond four digits
// is no date.
std::string Written(const DayOfYear& d, DateOrder order) {
  return NormaliseTypedDate(DateText(d.year, d.month, d.day, order), order);
}

// The typed text split at its separators; nothing when it holds anything else
// than digits and separators. Digits alone, six or eight of them, are cut
// into two, two and the rest, or, with the year first, the year, two and two.
std::optional<std::vector<std::string_view>> TypedFields(std::string_view typed, DateOrder order) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= typed.size(); ++i) {
    if (i < typed.size() && IsDigit(typed[i])) continue;
    if (i < typed.size() && !IsSeparator(typed[i])) return std::nullopt;
    fields.push_back(typed.substr(start, i - start));
    start = i + 1;
  }
  if (fields.size() == 1 && (typed.size() == 6 || typed.size() == 8)) {
    const std::size_t year = typed.size() - 4;
    if (order == DateOrder::kYearMonthDay)
      fields = {typed.substr(0, year), typed.substr(year, 2), typed.substr(year + 2)};
    else
      fields = {typed.substr(0, 2), typed.substr(2, 2), typed.substr(4)};
  }
  return fields;
}

}  // namespace

std::string NormaliseTypedDate(std::string_view typed, DateOrder order) {
  if (typed.size() < 6 || typed.size() > 10) return "";
  const std::optional<std::vector<std::string_view>> fields = TypedFields(typed, order);
  if (!fields || fields->size() != 3) return "";
  // The fields in the order's sequence: where the year stands among them.
  const std::size_t yearField = order == DateOrder::kYearMonthDay ? 0 : 2;
  std::string parts[3];
  for (std::size_t f = 0; f < 3; ++f) {
    const std::string_view field = (*fields)[f];
    if (f == yearField) {
      if (field.size() != 2 && field.size() != 4) return "";
      parts[f] = field.size() == 4 ? std::string(field)
                                   : (DigitsValue(field) <= 80 ? "20" : "19") + std::string(field);
    } else {
      if (field.empty() || field.size() > 2) return "";
      parts[f] = (field.size() == 1 ? "0" : "") + std::string(field);
    }
  }
  const char separator = LayoutOf(order).Separator;
  return parts[0] + separator + parts[1] + separator + parts[2];
}

bool IsCalendarDate(std::string_view date, DateOrder order) {
  const DateLayout at = LayoutOf(order);
  if (date.size() != 10) return false;
  auto within = [](std::size_t i, std::size_t from, std::size_t count) {
    return i >= from && i < from + count;
  };
  for (std::size_t i = 0; i < date.size(); ++i) {
    const bool digit = within(i, at.Year, 4) || within(i, at.Month, 2) || within(i, at.Day, 2);
    if (digit ? !IsDigit(date[i]) : date[i] != at.Separator) return false;
  }
  const DayOfYear d = PartsOf(date, order);
  return IsCalendarDay(d.year, d.month, d.day);
}

std::string DayLater(std::string_view typed, DateOrder order) {
  const std::string date = NormaliseTypedDate(typed, order);
  if (date.empty()) return "";
  DayOfYear d = PartsOf(date, order);
  const bool thirtyOne =
      d.month == 1 || d.month == 3 || d.month == 5 || d.month == 7 || d.month == 8 || d.month == 10;
  const bool thirty = d.month == 4 || d.month == 6 || d.month == 9 || d.month == 11;
  if (d.day > 30 && thirtyOne) {
    d = {d.month + 1, 1, d.year};
  } else if (d.day > 30 && d.month == 12) {
    d = {1, 1, d.year + 1};
  } else if (d.day >= 30 && thirty) {
    d = {d.month + 1, 1, d.year};
  } else if (d.month == 2 && d.day >= (IsLeapYear(d.year) ? 29 : 28)) {
    d = {3, 1, d.year};
  } else {
    // Also a month that does not exist (13/45/2002 is kept as typed).
    ++d.day;
  }
  return Written(d, order);
}

std::string DayEarlier(std::string_view typed, DateOrder order) {
  const std::string date = NormaliseTypedDate(typed, order);
  if (date.empty()) return "";
  DayOfYear d = PartsOf(date, order);
  if (d.day > 1) {
    --d.day;
  } else {
    switch (d.month) {
      case 1:
        d = {12, 31, d.year - 1};
        break;
      case 2:
      case 4:
      case 6:
      case 8:
      case 9:
      case 11:
        d = {d.month - 1, 31, d.year};
        break;
      case 3:
        d = {2, IsLeapYear(d.year) ? 29 : 28, d.year};
        break;
      case 5:
      case 7:
      case 10:
      case 12:
        d = {d.month - 1, 30, d.year};
        break;
      default:
        // The first of a month that does not exist has no day before it.
        break;
    }
  }
  return Written(d, order);
}

}  // namespace fw
