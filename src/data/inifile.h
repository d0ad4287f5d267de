#pragma once
// The settings file "fairwick.ini": [Section] lines followed by key=value lines.

#include <optional>
#include <string>
#include <string_view>

#include "data/workfolder.h"

namespace fw {

inline constexpr const char* kSettingsFile = "fairwick.ini";

class IniFile {
 public:
  explicit IniFile(const WorkFolder& folder, std::string name = kSettingsFile);

  // The value, or `def` when the file, section or key is missing or the value
  // is not an integer. "0x" or "0X" introduces a hexadecimal value.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // Writes the decimal text, creating the file, section or key as needed. A
  // refused write is ignored.
  void WriteInteger(std::string_view section, std::string_view key, int value) const;
  // ReadInteger with default 1 or 0; any value other than 0 is true.
  bool ReadFlag(std::string_view section, std::string_view key, bool def) const;
  // Writes "1" or "0".
  void WriteFlag(std::string_view section, std::string_view key, bool value) const;
  // The value as written, without the blanks around it and without quotes
  // that enclose it; `def` when the file, section or key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // Writes the text as the value, creating the file, section or key as needed;
  // a CR or LF in it becomes a blank, so it stays one line. A refused write is
  // ignored.
  void WriteString(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  // The value of the key as written; nothing when the file (or one that can be
  // read), the section or the key is missing.
  std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;

  const WorkFolder& folder_;
  std::string name_;
};

}  // namespace fw
