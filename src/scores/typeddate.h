#pragma once
// Dates as the user types them in the score entry window, in the user's date
// order (dateorder.h): the many shapes a date may be typed in ("1/5/02",
// "010580", "1.5.81", "01/05/2002" in mm/dd/yyyy; "2002-1-5", "20020105" in
// yyyy-mm-dd) turned into the shown form, and the date one day later or
// earlier for the "+" and "-" keys. Plain functions of their arguments; a text
// that is no date gives "". Every function takes the order, mm/dd/yyyy when
// none is given.

#include <string>
#include <string_view>

#include "data/dateorder.h"

namespace fw {

// The typed date as shown in `order` ("mm/dd/yyyy", "dd/mm/yyyy" or
// "yyyy-mm-dd"), or "" when it cannot be read as one.
// Accepted: 6 to 10 characters of digits and the separators "/", ",", "-",
// ".", "\" (all alike); the three fields in the order's sequence, month and
// day of one or two digits (one digit gets a leading zero), the year of two
// or four; digits alone are read as eight (mmddyyyy, ddmmyyyy, yyyymmdd) or
// six (mmddyy, ddmmyy, yymmdd). A two-digit year yy becomes 20yy up to 80 and
// 19yy from 81. Month and day are not range-checked (13/45/2002 stays).
std::string NormaliseTypedDate(std::string_view typed, DateOrder order = DateOrder::kMonthDayYear);

// True when the date, as NormaliseTypedDate gives it in `order`, is a day of
// the calendar: a month 1 to 12 and a day that month has, 29 February only in
// leap years (divisible by 4, century years only when divisible by 400). Only
// such a date is stored with a round.
bool IsCalendarDate(std::string_view date, DateOrder order = DateOrder::kMonthDayYear);

// The typed date moved one day later or earlier, as shown in `order`; "" when
// the typed text is no date. Every year divisible by 4 is a leap year (1900
// too).
std::string DayLater(std::string_view typed, DateOrder order = DateOrder::kMonthDayYear);
std::string DayEarlier(std::string_view typed, DateOrder order = DateOrder::kMonthDayYear);

}  // namespace fw
