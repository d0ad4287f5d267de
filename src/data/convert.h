#pragma once
// Strict conversions between record texts and numbers, and the one rounding rule
// used by every computation: to the nearest whole number, exact halves to even.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/usererror.h"

namespace fw {

// Raised when a text is not a number. what() is the message shown to the user,
// for example "'12a' is not a valid integer value".
class ConversionError : public UserError {
 public:
  using UserError::UserError;
};

// Whole number of a text. Leading and trailing blanks are allowed, an optional
// sign, then decimal digits only; the value must fit in 32 bits. Anything else
// ("", "12a", "1,5", "0x10", "1.0") raises
// ConversionError("'<text>' is not a valid integer value").
int StrToInt(std::string_view text);

// Real number of a text written as a plain decimal: leading and trailing blanks
// are allowed, an optional sign, then digits with at most one decimal point
// (".5" and "5." are fine). Anything else, an exponent too ("9e99"), raises
// ConversionError("'<text>' is not a valid floating point value"). Every value
// accepted is finite.
double StrToFloat(std::string_view text);

// StrToFloat without the error: nothing when the text is not a plain decimal.
std::optional<double> ReadFloat(std::string_view text);

// StrToFloat's text as a whole number of tenths, read from its digits so that
// no binary rounding decides it: "70.5" -> 705, "8.45" -> 85, "-1.55" -> -15
// (what lies beyond the tenths rounds to the nearest tenth, an exact half up).
// Raises StrToFloat's ConversionError on the same texts. Held to +-10^15.
long long StrToTenths(std::string_view text);

// num / den to the nearest whole number, an exact half up (towards the larger
// value: 17 / 2 -> 9, -17 / 2 -> -8); den must be above 0.
long long DivideRoundingHalfUp(long long num, long long den);

// Decimal text of a whole number, no padding.
std::string IntToStr(long long value);

// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2). The result is a whole number, so scaling it back
// (RoundHalfEven(x * 10) * 0.1) never produces a negative zero. A value beyond
// the range of long long gives its nearest end; NaN gives 0.
long long RoundHalfEven(double value);

// RoundHalfEven held to the range of int.
int RoundToInt(double value);

// The value held to the range of int.
int ClampToInt(long long value);

}  // namespace fw
