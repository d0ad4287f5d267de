#include "data/dateorder.h"

#include "data/inifile.h"
#include "data/textutil.h"

namespace fw {
namespace {

struct OrderName {
  DateOrder Order;
  const char* Setting;
  const char* Pattern;
};
constexpr OrderName kOrders[] = {
    {DateOrder::kMonthDayYear, "MDY", "mm/dd/yyyy"},
    {DateOrder::kDayMonthYear, "DMY", "dd/mm/yyyy"},
    {DateOrder::kYearMonthDay, "YMD", "yyyy-mm-dd"},
};

const OrderName& NameOf(DateOrder order) {
  for (const OrderName& name : kOrders)
    if (name.Order == order) return name;
  return kOrders[0];
}

}  // namespace

DateOrder DateOrderFromSetting(std::string_view value) {
  const std::string text = TrimBlanks(value);
  for (const OrderName& name : kOrders)
    if (SameTextIgnoringCase(text, name.Setting)) return name.Order;
  return DateOrder::kMonthDayYear;
}

const char* SettingFromDateOrder(DateOrder order) {
  return NameOf(order).Setting;
}

DateOrder ReadDateOrder(const IniFile& settings) {
  return DateOrderFromSetting(settings.ReadString(kDateOrderSection, kDateOrderKey, ""));
}

void WriteDateOrder(const IniFile& settings, DateOrder order) {
  settings.WriteString(kDateOrderSection, kDateOrderKey, SettingFromDateOrder(order));
}

const char* DateOrderPattern(DateOrder order) {
  return NameOf(order).Pattern;
}

}  // namespace fw
