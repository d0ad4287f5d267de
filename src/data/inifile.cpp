#include "data/inifile.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "data/convert.h"
#include "data/recordtext.h"
#include "data/textutil.h"

namespace fw {
namespace {

std::string_view TrimSpace(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  return SameTextIgnoringCase(TrimSpace(a), TrimSpace(b));
}

// One line of the file as the settings functions see it.
struct IniLine {
  std::string_view text;   // the whole line
  bool isSection = false;  // "[name]"
  std::string_view name;   // section name, or key of a key=value line
  bool isKey = false;
  std::string_view value;  // of a key=value line, blanks and quotes removed
};

IniLine Classify(std::string_view text) {
  IniLine line;
  line.text = text;
  std::string_view t = TrimSpace(text);
  if (!t.empty() && t.front() == '[') {
    line.isSection = true;
    t.remove_prefix(1);
    line.name = TrimSpace(t.substr(0, t.find(']')));
    return line;
  }
  std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return line;
  line.isKey = true;
  line.name = TrimSpace(t.substr(0, eq));
  std::string_view v = TrimSpace(t.substr(eq + 1));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  line.value = v;
  return line;
}

std::vector<IniLine> SplitLines(std::string_view bytes) {
  std::vector<IniLine> lines;
  LineCursor cursor(bytes);
  std::string_view text;
  while (cursor.Next(text)) lines.push_back(Classify(text));
  return lines;
}

// Positions of a section: its header line and the line after its last line.
struct SectionSpan {
  std::size_t header, end;
};

std::optional<SectionSpan> FindSection(const std::vector<IniLine>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].isSection || !SameName(lines[i].name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !lines[end].isSection) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<IniLine>& lines, SectionSpan span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i)
    if (lines[i].isKey && SameName(lines[i].name, key)) return i;
  return std::nullopt;
}

// "0x"/"0X" and hexadecimal digits (at most 32 bits, read as a signed value),
// else a decimal integer.
std::optional<int> ParseInteger(std::string_view v) {
  if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    std::uint64_t n = 0;
    for (char c : v.substr(2)) {
      int d = (c >= '0' && c <= '9')   ? c - '0'
              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                       : -1;
      if (d < 0) return std::nullopt;
      n = n * 16 + static_cast<unsigned>(d);
      if (n > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(n)));
  }
  try {
    return StrToInt(v);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

}  // namespace

IniFile::IniFile(const WorkFolder& folder, std::string name)
    : folder_(folder), name_(std::move(name)) {}

std::optional<std::string> IniFile::ReadValue(std::string_view section,
                                              std::string_view key) const {
  std::string bytes;
  try {
    bytes = folder_.ReadText(name_);
  } catch (const FileError&) {
    return std::nullopt;
  }
  std::vector<IniLine> lines = SplitLines(bytes);
  auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  auto at = FindKey(lines, *span, key);
  if (!at) return std::nullopt;
  return std::string(lines[*at].value);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const std::optional<std::string> value = ReadValue(section, key);
  if (!value) return def;
  return ParseInteger(*value).value_or(def);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  return ReadValue(section, key).value_or(std::string(def));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) const {
  WriteString(section, key, IntToStr(value));
}

void IniFile::WriteString(std::string_view section, std::string_view key,
                          std::string_view value) const {
  try {
    std::string bytes;
    // A file that exists but cannot be read is left alone rather than overwritten.
    if (folder_.Exists(name_)) bytes = folder_.ReadText(name_);
    std::vector<IniLine> lines = SplitLines(bytes);

    std::vector<std::string> out;
    out.reserve(lines.size() + 2);
    for (const IniLine& line : lines) out.emplace_back(line.text);
    std::string valueText(value);
    // A line break would end the value early and start a line of its own.
    for (char& c : valueText)
      if (c == '\r' || c == '\n') c = ' ';

    if (auto span = FindSection(lines, section)) {
      if (auto at = FindKey(lines, *span, key)) {
        out[*at] = std::string(lines[*at].name) + "=" + valueText;
        // The file already says so: it is left exactly as it is (a rewrite
        // would still drop a second byte order mark, one per save).
        if (out[*at] == lines[*at].text) return;
      } else {
        // After the last line of the section that is not blank.
        std::size_t insertAt = span->end;
        while (insertAt > span->header + 1 && TrimSpace(lines[insertAt - 1].text).empty())
          --insertAt;
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   std::string(key) + "=" + valueText);
      }
    } else {
      out.push_back("[" + std::string(section) + "]");
      out.push_back(std::string(key) + "=" + valueText);
    }

    std::string text;
    for (const std::string& line : out) {
      text += line;
      text += kLineEnd;
    }
    folder_.ReplaceText(name_, text);
  } catch (const FileError&) {
    // The settings are a convenience: a refused write changes nothing.
  }
}

bool IniFile::ReadFlag(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteFlag(std::string_view section, std::string_view key, bool value) const {
  WriteInteger(section, key, value ? 1 : 0);
}

}  // namespace fw
