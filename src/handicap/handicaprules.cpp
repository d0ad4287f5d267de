#include "handicap/handicaprules.h"

#include "data/textutil.h"

namespace fw {

HandicapRules RulesFromSetting(std::string_view value) {
  return TrimBlanks(value) == kWhsSettingValue ? HandicapRules::kWhs : HandicapRules::kFairwick;
}

const char* SettingFromRules(HandicapRules rules) {
  return rules == HandicapRules::kWhs ? kWhsSettingValue : kFairwickSettingValue;
}

HandicapRules ReadHandicapRules(const IniFile& settings) {
  return RulesFromSetting(settings.ReadString(kRulesSection, kRulesKey, ""));
}

void WriteHandicapRules(const IniFile& settings, HandicapRules rules) {
  settings.WriteString(kRulesSection, kRulesKey, SettingFromRules(rules));
}

}  // namespace fw
