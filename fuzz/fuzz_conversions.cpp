// Any text through the strict conversions, the stored and display dates and
// the typed-date routines of the score entry window, in every date order.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "data/convert.h"
#include "data/textutil.h"
#include "fuzzfolder.h"
#include "handicap/whs.h"
#include "scores/typeddate.h"

namespace {

using namespace fw;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr DateOrder kOrders[] = {DateOrder::kMonthDayYear, DateOrder::kDayMonthYear,
                                 DateOrder::kYearMonthDay};

// The order's shape, "mm/dd/yyyy" or another, with digits where the digits go.
bool HasDateShape(const std::string& d, DateOrder order) {
  const DateLayout at = LayoutOf(order);
  if (d.size() != 10) return false;
  for (std::size_t i = 0; i < d.size(); ++i) {
    const bool digit = (i >= at.Year && i < at.Year + 4) || (i >= at.Month && i < at.Month + 2) ||
                       (i >= at.Day && i < at.Day + 2);
    if (digit ? !IsDigit(d[i]) : d[i] != at.Separator) return false;
  }
  return true;
}

// The message of a refused text, as what() gives it (up to a NUL in the text).
std::string Refusal(std::string_view text, const char* kind) {
  return CutAtNul("'" + std::string(text) + "' is not a valid " + kind + " value");
}

void CheckNumbers(std::string_view text) {
  std::optional<int> whole;
  try {
    whole = StrToInt(text);
  } catch (const ConversionError& e) {
    FUZZ_CHECK(e.what() == Refusal(text, "integer"));
  }
  if (whole) FUZZ_CHECK(StrToInt(IntToStr(*whole)) == *whole);

  const std::optional<double> real = ReadFloat(text);
  try {
    const double strict = StrToFloat(text);
    FUZZ_CHECK(real && strict == *real);
  } catch (const ConversionError& e) {
    FUZZ_CHECK(!real);
    FUZZ_CHECK(e.what() == Refusal(text, "floating point"));
  }
  // A whole number is also a real one, of the same value.
  if (whole) FUZZ_CHECK(real && *real == static_cast<double>(*whole), fwfuzz::Shown(text));
  // Tenths read from the digits: refused exactly where the real number is,
  // within half a tenth of it, and an exact whole number of tenths as it is.
  try {
    const long long tenths = StrToTenths(text);
    FUZZ_CHECK(real.has_value());
    if (std::abs(*real) < 1e12) {
      FUZZ_CHECK(std::abs(static_cast<double>(tenths) - *real * 10.0) <= 0.5 + 1e-6,
                 fwfuzz::Shown(text));
      FUZZ_CHECK(StrToTenths(FormatTenths(tenths)) == tenths);
    }
  } catch (const ConversionError& e) {
    FUZZ_CHECK(!real);
    FUZZ_CHECK(e.what() == Refusal(text, "floating point"));
  }
  if (!real) return;
  FUZZ_CHECK(std::isfinite(*real));

  const long long r = RoundHalfEven(*real);
  if (std::abs(*real) < 4e18) {
    FUZZ_CHECK(std::abs(static_cast<double>(r) - *real) <= 0.5);
    // An exact half goes to the even neighbour.
    if (std::abs(static_cast<double>(r) - *real) == 0.5) FUZZ_CHECK(r % 2 == 0);
  }
  const int ri = RoundToInt(*real);
  FUZZ_CHECK(ri == ClampToInt(r));
  for (int decimals : {0, 1, 2}) {
    const std::string fixed = FormatFixed(*real, 4, decimals);
    FUZZ_CHECK(fixed.size() >= 4, fixed);
    // What is printed reads back as a number, and zero never has a sign.
    const std::string trimmed = fixed.substr(fixed.find_first_not_of(' '));
    const std::optional<double> printed = ReadFloat(trimmed);
    FUZZ_CHECK(printed.has_value(), fixed);
    if (trimmed.starts_with('-')) FUZZ_CHECK(*printed != 0.0, fixed);
  }
}

void CheckTexts(std::string_view text) {
  const std::string cut = CutAtNul(text);
  FUZZ_CHECK(cut.find('\0') == std::string::npos && text.starts_with(cut));
  for (std::size_t room : {0u, 1u, 8u, 40u}) FUZZ_CHECK(CutTo(text, room) == cut.substr(0, room));
  for (int n : {-1, 0, 3, 20}) {
    const std::size_t width = n < 0 ? 0 : static_cast<std::size_t>(n);
    FUZZ_CHECK(PadRight(text, n).size() == width);
    FUZZ_CHECK(PadLeft(text, n).size() == std::max(width, std::min(cut.size(), width)));
  }
  const std::string trimmed = TrimBlanks(text);
  FUZZ_CHECK(trimmed.size() <= text.size());
}

void CheckStoredDates(std::string_view text, DateOrder order) {
  const std::string display = StoredDateToDisplay(text, order);
  const DateLayout at = LayoutOf(order);
  FUZZ_CHECK(display.size() == 10 && display[at.Year == 0 ? 4 : 2] == at.Separator);
  const std::string cut = CutAtNul(text);
  if (cut.size() == 8)
    FUZZ_CHECK(DisplayDateToStored(display, order) == cut);
  else if (cut.size() == 6)
    FUZZ_CHECK(DisplayDateToStored(display, order).substr(2) == cut);
  else
    FUZZ_CHECK(display == MissingDateShown(order));
  const std::string stored = DisplayDateToStored(text, order);
  FUZZ_CHECK(stored.size() <= 8);
}

void CheckTypedDates(std::string_view text, DateOrder order) {
  const std::string date = NormaliseTypedDate(text, order);
  if (date.empty()) {
    FUZZ_CHECK(DayLater(text, order).empty() && DayEarlier(text, order).empty());
    return;
  }
  FUZZ_CHECK(HasDateShape(date, order), fwfuzz::Shown(date));
  FUZZ_CHECK(NormaliseTypedDate(date, order) == date);
  // Shown and stored, a date reads back as it was.
  FUZZ_CHECK(StoredDateToDisplay(DisplayDateToStored(date, order), order) == date);
  const std::string later = DayLater(text, order);
  const std::string earlier = DayEarlier(text, order);
  FUZZ_CHECK(later.empty() || HasDateShape(later, order), fwfuzz::Shown(later));
  FUZZ_CHECK(earlier.empty() || HasDateShape(earlier, order), fwfuzz::Shown(earlier));
  if (!IsCalendarDate(date, order)) return;
  // Between days of the calendar the keys undo each other, except where the
  // window's leap rule (every fourth year) and the calendar's differ.
  const int year = std::stoi(date.substr(LayoutOf(order).Year, 4));
  if (year % 100 == 0 || year <= 1 || year >= 9999) return;
  FUZZ_CHECK(IsCalendarDate(later, order) && IsCalendarDate(earlier, order),
             date + " " + later + " " + earlier);
  FUZZ_CHECK(DayEarlier(later, order) == date && DayLater(earlier, order) == date,
             date + " " + later + " " + earlier);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckNumbers(text);
  CheckTexts(text);
  for (DateOrder order : kOrders) {
    CheckStoredDates(text, order);
    CheckTypedDates(text, order);
  }
  return 0;
}
