#pragma once
// The order in which dates are typed and shown: mm/dd/yyyy, dd/mm/yyyy or
// yyyy-mm-dd, the user's choice kept in the settings file
// ([Settings] DateOrder=MDY, DMY or YMD). The data files keep yyyymmdd
// whatever the order.

#include <cstddef>
#include <string_view>

namespace fw {

class IniFile;

enum class DateOrder { kMonthDayYear, kDayMonthYear, kYearMonthDay };

inline constexpr const char* kDateOrderSection = "Settings";
inline constexpr const char* kDateOrderKey = "DateOrder";

// "MDY", "DMY" or "YMD", blanks around it and case aside; anything else, an
// empty or missing value too, is mm/dd/yyyy.
DateOrder DateOrderFromSetting(std::string_view value);
// The value that DateOrderFromSetting reads back as `order`.
const char* SettingFromDateOrder(DateOrder order);

// The order chosen in the settings file; mm/dd/yyyy when the file, the
// section or the key is missing.
DateOrder ReadDateOrder(const IniFile& settings);
// Stores the choice; a refused write is ignored, as every settings write is.
void WriteDateOrder(const IniFile& settings, DateOrder order);

// How a date is written in the order, for labels and messages: "mm/dd/yyyy",
// "dd/mm/yyyy" or "yyyy-mm-dd".
const char* DateOrderPattern(DateOrder order);

// Where the parts of a date shown in the order stand, counted from 0 in its
// ten characters, and the character between them.
struct DateLayout {
  std::size_t Year = 6;
  std::size_t Month = 0;
  std::size_t Day = 3;
  char Separator = '/';
};
constexpr DateLayout LayoutOf(DateOrder order) {
  switch (order) {
    case DateOrder::kDayMonthYear:
      return {6, 3, 0, '/'};
    case DateOrder::kYearMonthDay:
      return {0, 5, 8, '-'};
    case DateOrder::kMonthDayYear:
      break;
  }
  return {};
}

}  // namespace fw
