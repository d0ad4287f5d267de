#pragma once
// The two sets of rules a handicap can be computed by: the program's own (best
// 10 of the newest 20 differentials times 0.96, Equitable Stroke Control) and
// the World Handicap System. The choice is kept in the settings file.

#include <string_view>

#include "data/inifile.h"

namespace fw {

enum class HandicapRules { kFairwick, kWhs };

// Where the choice is kept: [Settings] HandicapSystem=WHS.
inline constexpr const char* kRulesSection = "Settings";
inline constexpr const char* kRulesKey = "HandicapSystem";
inline constexpr const char* kWhsSettingValue = "WHS";
// What is written for the program's own rules; any value but "WHS" reads so.
inline constexpr const char* kFairwickSettingValue = "Fairwick";

// The name printed in the headings of reports made under WHS.
inline constexpr const char* kWhsRulesName = "World Handicap System";

// "WHS" (exactly, blanks around it aside) is WHS; anything else, an empty or
// missing value too, is the program's own rules.
HandicapRules RulesFromSetting(std::string_view value);
// The value that RulesFromSetting reads back as `rules`.
const char* SettingFromRules(HandicapRules rules);

// The rules chosen in the settings file; its own rules when the file, the
// section or the key is missing.
HandicapRules ReadHandicapRules(const IniFile& settings);
// Stores the choice; a refused write is ignored, as every settings write is.
void WriteHandicapRules(const IniFile& settings, HandicapRules rules);

}  // namespace fw
