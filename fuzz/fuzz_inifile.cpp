// The settings file as any bytes: every value read, one written, and then
// that value and every other one read again.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/inifile.h"
#include "fuzzfolder.h"

namespace {

using namespace fw;

constexpr const char* kSections[] = {"Options", "OPTIONS", "Window", "Fairwick", "x"};
constexpr const char* kKeys[] = {"UseMaxIndex", "usemaxindex", "Left", "Top", "k"};
constexpr int kDefault = -123456;

struct Value {
  const char* section;
  const char* key;
  int value;
};

std::vector<Value> ReadAll(const IniFile& ini) {
  std::vector<Value> values;
  for (const char* s : kSections)
    for (const char* k : kKeys) values.push_back({s, k, ini.ReadInteger(s, k, kDefault)});
  return values;
}

bool SameName(const char* a, const char* b) {
  return strcasecmp(a, b) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const fwfuzz::Scratch& scratch = fwfuzz::TheScratch();
  scratch.Clear();
  const WorkFolder folder(scratch.Work());
  // Which value to write, and what, from the first six bytes; the file is the rest.
  const char* section = kSections[data[0] % std::size(kSections)];
  const char* key = kKeys[data[1] % std::size(kKeys)];
  int value;
  std::memcpy(&value, data + 2, sizeof value);
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 6, size - 6);
  scratch.Write(kSettingsFile, bytes);
  bool utf16 = false;
  try {
    folder.ReadText(kSettingsFile);
  } catch (const NotADataFileError&) {
    utf16 = true;
  }

  const IniFile ini(folder);
  const std::vector<Value> before = ReadAll(ini);
  for (const Value& v : before) {
    if (utf16) FUZZ_CHECK(v.value == kDefault);
    FUZZ_CHECK(ini.ReadFlag(v.section, v.key, true) == (v.value != 0));
  }

  ini.WriteInteger(section, key, value);
  if (utf16) {
    // Refused: the file is left as it was.
    FUZZ_CHECK(scratch.Read(kSettingsFile) == bytes);
  } else {
    FUZZ_CHECK(ini.ReadInteger(section, key, kDefault) == value, fwfuzz::Shown(bytes));
    // Every other value is as it was.
    const std::vector<Value> after = ReadAll(ini);
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (SameName(after[i].section, section) && SameName(after[i].key, key))
        FUZZ_CHECK(after[i].value == value);
      else
        FUZZ_CHECK(
            after[i].value == before[i].value,
            std::string(after[i].section) + "/" + after[i].key + " in " + fwfuzz::Shown(bytes));
    }
    // Writing the same value again changes no byte.
    const std::string written = scratch.Read(kSettingsFile);
    ini.WriteInteger(section, key, value);
    FUZZ_CHECK(scratch.Read(kSettingsFile) == written);
    ini.WriteFlag(section, key, value != 0);
    FUZZ_CHECK(ini.ReadFlag(section, key, value == 0) == (value != 0));
  }
  FUZZ_CHECK(scratch.Names() == std::vector<std::string>{kSettingsFile});
  scratch.CheckNothingOutside();
  return 0;
}
