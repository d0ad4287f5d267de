#include "scores/typeddate.h"

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

// The parts of a normalised date (only digits where they are read).
DayOfYear PartsOf(const std::string& date) {
  return {DigitsValue(date.substr(0, 2)), DigitsValue(date.substr(3, 2)),
          DigitsValue(date.substr(6, 4))};
}

// Every year divisible by 4 is a leap year; there is no century rule, so 1900 is one.
bool IsLeapYear(int year) {
  return year % 4 == 0;
}

// Written without leading zeros and read again, so the result has the shape of
// every other date of the window. The year keeps four digits: 0999 written as
// 999 would be no date at all, and 0099 written as 99 would become 1999.
std::string Written(const DayOfYear& d) {
  std::string year = std::to_string(d.year);
  if (d.year >= 0 && year.size() < 4) year.insert(0, 4 - year.size(), '0');
  return NormaliseTypedDate(std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + year);
}

}  // namespace

std::string NormaliseTypedDate(std::string_view typed) {
  if (typed.size() < 6 || typed.size() > 10) return "";
  std::string s;
  bool onlyDigits = true;
  for (char c : typed) {
    if (IsDigit(c)) {
      s += c;
    } else if (IsSeparator(c)) {
      s += '/';
      onlyDigits = false;
    } else {
      return "";
    }
  }
  // mmddyyyy and mmddyy typed without separators.
  if (onlyDigits && (s.size() == 8 || s.size() == 6))
    s = s.substr(0, 2) + "/" + s.substr(2, 2) + "/" + s.substr(4);

  // Character at position pos, counted from 1; NUL beyond the end.
  auto at = [&s](std::size_t pos) { return pos <= s.size() ? s[pos - 1] : '\0'; };
  if (!IsDigit(at(1))) return "";
  if (at(2) == '/') s.insert(0, "0");
  if (at(3) != '/' || !IsDigit(at(4))) return "";
  if (at(5) == '/') s.insert(3, "0");
  if (at(6) != '/' || !IsDigit(at(7)) || !IsDigit(at(8))) return "";
  if (s.size() > 8 && (!IsDigit(at(9)) || !IsDigit(at(10)))) return "";
  // A year of more than four digits (1/5/200211) is no date either.
  if (s.size() > 10) return "";
  if (s.size() == 8) s.insert(6, DigitsValue(s.substr(6, 2)) <= 80 ? "20" : "19");
  return s;
}

bool IsCalendarDate(std::string_view date) {
  if (date.size() != 10 || date[2] != '/' || date[5] != '/') return false;
  for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (!IsDigit(date[i])) return false;
  const DayOfYear d = PartsOf(std::string(date));
  if (d.month < 1 || d.month > 12 || d.day < 1) return false;
  const bool leap = d.year % 4 == 0 && (d.year % 100 != 0 || d.year % 400 == 0);
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return d.day <= (d.month == 2 && leap ? 29 : kDays[d.month - 1]);
}

std::string DayLater(std::string_view typed) {
  const std::string date = NormaliseTypedDate(typed);
  if (date.empty()) return "";
  DayOfYear d = PartsOf(date);
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
  return Written(d);
}

std::string DayEarlier(std::string_view typed) {
  const std::string date = NormaliseTypedDate(typed);
  if (date.empty()) return "";
  DayOfYear d = PartsOf(date);
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
  return Written(d);
}

}  // namespace fw
