#pragma once
// Dates as the user types them in the score entry window: the many shapes a
// date may be typed in ("1/5/02", "010580", "1.5.81", "01/05/2002") turned into
// "mm/dd/yyyy", and the date one day later or earlier for the "+" and "-" keys.
// Plain functions of their arguments; a text that is no date gives "".

#include <string>
#include <string_view>

namespace fw {

// The typed date as "mm/dd/yyyy", or "" when it cannot be read as one.
// Accepted: 6 to 10 characters of digits and the separators "/", ",", "-", ".",
// "\" (all read as "/"); eight digits alone are mmddyyyy, six digits mmddyy; a
// one-digit month or day gets a leading zero; a two-digit year yy becomes 20yy
// up to 80 and 19yy from 81. Month and day are not range-checked (13/45/2002
// stays), and a result longer than 10 characters is refused.
std::string NormaliseTypedDate(std::string_view typed);

// True when the date, as NormaliseTypedDate gives it, is a day of the calendar:
// a month 1 to 12 and a day that month has, 29 February only in leap years
// (divisible by 4, century years only when divisible by 400). Only such a date
// is stored with a round.
bool IsCalendarDate(std::string_view date);

// The typed date moved one day later or earlier, as "mm/dd/yyyy"; "" when the
// typed text is no date. Every year divisible by 4 is a leap year (1900 too).
std::string DayLater(std::string_view typed);
std::string DayEarlier(std::string_view typed);

}  // namespace fw
