#pragma once
// Small text and date routines shared by the data files, the windows and the
// reports. All texts are Windows-1252 bytes, one byte a character.

#include <optional>
#include <string>
#include <string_view>

#include "data/dateorder.h"

namespace fw {

// The text up to, not including, its first NUL; the whole text when it has none.
std::string CutAtNul(std::string_view text);

// CutAtNul, then at most the first `room` characters: how a value is fitted into
// a record field that holds `room` characters.
std::string CutTo(std::string_view text, std::size_t room);

// Removes leading blanks (while more than one character is left) and then
// trailing blanks. Only the blank (code 32) counts; tabs stay.
std::string TrimBlanks(std::string_view text);

// True when the texts are equal once capital letters A to Z are read as small
// ones; other characters must match exactly. How course and golfer names, file
// names, settings keys and column names are matched.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Exactly n characters: the text (cut at NUL) left-justified, cut or blank-filled.
std::string PadRight(std::string_view text, int n);

// The text (cut at NUL) right-justified in n characters when shorter than n; its
// first n characters when longer.
std::string PadLeft(std::string_view text, int n);

// Fixed notation with `decimals` decimals, right-aligned in at least `width`
// characters (wider when needed): FormatFixed(9.7, 4, 1) == " 9.7".
// Rounds halves to even like every other rounding of the program.
std::string FormatFixed(double value, int width, int decimals);

// True for a day of the calendar: a month 1 to 12 and a day that month has,
// 29 February only in leap years (divisible by 4, century years only when
// divisible by 400).
bool IsCalendarDay(int year, int month, int day);

// Calendar days counted from 1 January 1970, so that dates subtract: the day
// of a stored date "yyyymmdd", nothing when the text is no calendar date (the
// placeholder "99999999", a wrong length, a 13th month, ...).
std::optional<int> DayOfStoredDate(std::string_view stored);
// The stored date "yyyymmdd" of a day.
std::string StoredDateOfDay(int day);

// The date shown in `order` for a stored date that cannot be shown:
// "99/99/9999" (mm/dd/yyyy and dd/mm/yyyy) or "9999-99-99" (yyyy-mm-dd).
std::string MissingDateShown(DateOrder order = DateOrder::kMonthDayYear);

// A stored date as shown in `order`: "yyyymmdd" -> "mm/dd/yyyy", "dd/mm/yyyy"
// or "yyyy-mm-dd"; "yymmdd" the same with the year 19yy or 20yy (19 when the
// first character is '7' or later in code order); any other length ->
// MissingDateShown. Characters are not checked to be digits.
std::string StoredDateToDisplay(std::string_view stored,
                                DateOrder order = DateOrder::kMonthDayYear);

// The stored form of a date shown in `order`: its year, month and day
// characters (of "mm/dd/yyyy": 7-10, 1-2 and 4-5), concatenated; positions
// beyond the end contribute nothing. Nothing is checked.
std::string DisplayDateToStored(std::string_view display,
                                DateOrder order = DateOrder::kMonthDayYear);

// A day as shown in `order`, month and day in two digits, the year in four:
// "01/10/2002", "10/01/2002", "2002-01-10". `separator` stands between the
// parts of mm/dd/yyyy and dd/mm/yyyy; yyyy-mm-dd always has "-".
std::string DateText(int year, int month, int day, DateOrder order = DateOrder::kMonthDayYear,
                     char separator = '/');

}  // namespace fw
