#include "data/holelist.h"

#include <utility>
#include <vector>

#include "data/convert.h"
#include "data/recordtext.h"
#include "data/textutil.h"

namespace fw {
namespace {

constexpr int kHoleFields = 19;  // the name and 18 stroke indexes

// "7", "7 and 9", "3, 12 and 15".
std::string ListOfNumbers(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
    text += IntToStr(numbers[i]);
  }
  return text;
}

// The message for numbers that are each 1 to 18 but not each once.
std::string RepeatsMessage(const std::array<int, 19>& uses) {
  std::vector<int> repeated, missing;
  int mostUses = 0;
  for (int n = 1; n <= 18; ++n) {
    const int used = uses[static_cast<std::size_t>(n)];
    if (used == 0) missing.push_back(n);
    if (used > 1) repeated.push_back(n);
    if (used > mostUses) mostUses = used;
  }
  std::string text = repeated.size() == 1 ? "Stroke index " : "Stroke indexes ";
  text += ListOfNumbers(repeated);
  text += repeated.size() == 1 ? " is used " : " are used ";
  if (mostUses == 2)
    text += "twice";
  else if (repeated.size() == 1)
    text += IntToStr(mostUses) + " times";
  else
    text += "more than once";
  text += "; " + ListOfNumbers(missing) + (missing.size() == 1 ? " is missing." : " are missing.");
  return text;
}

}  // namespace

int ParseHoleList(std::string_view bytes, HoleTable& holes) {
  holes.Clear();
  LineCursor lines(bytes);
  std::string_view line;
  int inFile = 0;
  while (lines.Next(line)) {
    if (line.empty()) continue;
    if (++inFile > holes.kLimit) continue;
    THoleRec& rec = holes.Append(THoleRec{});
    ScanTildeFields(line, kHoleFields, [&](int field, std::string_view text) {
      if (field == 1)
        rec.Name = text;
      else
        rec.StrokeIndex[static_cast<std::size_t>(field - 2)] = text;
    });
  }
  return inFile;
}

std::string FormatHoleList(const HoleTable& holes) {
  std::string bytes;
  for (const THoleRec& rec : holes) {
    AppendField(bytes, rec.Name, kCourseNameRoom);
    for (const StrokeIndexText& index : rec.StrokeIndex)
      AppendField(bytes, index, kStrokeIndexRoom);
    bytes += kLineEnd;
  }
  return bytes;
}

void LoadHoleList(const WorkFolder& folder, HoleTable& holes, FileSnapshot* seen) {
  holes.Clear();
  FileSnapshot read;
  std::string bytes;
  try {
    bytes = folder.ReadText(kHoleListFile, read);
  } catch (const MissingFileError&) {
    // No course has stroke indexes yet.
  }
  // A list longer than the table is never saved shorter.
  if (const int inFile = ParseHoleList(bytes, holes); inFile > holes.kLimit)
    read.MarkPartial(inFile, holes, "course lines");
  if (seen) *seen = std::move(read);
}

void SaveHoleList(const WorkFolder& folder, const HoleTable& holes, FileSnapshot& seen) {
  folder.ReplaceIfUnchanged(kHoleListFile, FormatHoleList(holes), seen);
}

int FindHoleRec(const HoleTable& holes, std::string_view courseName) {
  for (int i = 1; i <= holes.Count(); ++i)
    if (SameTextIgnoringCase(holes[i].Name, courseName)) return i;
  return 0;
}

std::optional<StrokeIndexes> StrokeIndexesOf(const HoleTable& holes, std::string_view courseName) {
  const int at = FindHoleRec(holes, courseName);
  if (at == 0) return std::nullopt;
  std::array<std::string, 18> texts;
  for (std::size_t h = 0; h < texts.size(); ++h) texts[h] = holes[at].StrokeIndex[h].str();
  return CheckStrokeIndexes(texts).Values;
}

void SetStrokeIndexes(HoleTable& holes, std::string_view courseName,
                      const std::optional<StrokeIndexes>& indexes) {
  int at = FindHoleRec(holes, courseName);
  if (!indexes) {
    RemoveHoleRecs(holes, courseName);
    return;
  }
  if (at == 0) {
    holes.Append(THoleRec{CourseName(courseName), {}});
    at = holes.Count();
  }
  THoleRec& rec = holes[at];
  rec.Name = courseName;
  for (std::size_t h = 0; h < indexes->size(); ++h) rec.StrokeIndex[h] = IntToStr((*indexes)[h]);
  for (int i = holes.Count(); i > at; --i)
    if (SameTextIgnoringCase(holes[i].Name, courseName)) holes.Delete(i);
}

void RenameHoleRecs(HoleTable& holes, std::string_view oldName, std::string_view newName) {
  if (FindHoleRec(holes, oldName) == 0) return;
  if (!SameTextIgnoringCase(oldName, newName)) RemoveHoleRecs(holes, newName);
  for (THoleRec& rec : holes)
    if (SameTextIgnoringCase(rec.Name, oldName)) rec.Name = newName;
}

void RemoveHoleRecs(HoleTable& holes, std::string_view courseName) {
  for (int i = holes.Count(); i >= 1; --i)
    if (SameTextIgnoringCase(holes[i].Name, courseName)) holes.Delete(i);
}

StrokeIndexCheck CheckStrokeIndexes(const std::array<std::string, 18>& typed) {
  StrokeIndexCheck check;
  std::array<std::string, 18> texts;
  bool anyGiven = false;
  for (std::size_t h = 0; h < typed.size(); ++h) {
    texts[h] = TrimBlanks(CutAtNul(typed[h]));
    anyGiven = anyGiven || !texts[h].empty();
  }
  if (!anyGiven) return check;  // unknown, which is fine

  StrokeIndexes values{};
  std::array<int, 19> uses{};
  for (std::size_t h = 0; h < texts.size(); ++h) {
    const std::string hole = "The stroke index of hole " + IntToStr(static_cast<int>(h) + 1);
    check.Hole = static_cast<int>(h) + 1;
    if (texts[h].empty()) {
      check.Message = hole + " is missing. Give all 18 stroke indexes, or none.";
      return check;
    }
    try {
      values[h] = StrToInt(texts[h]);
    } catch (const ConversionError&) {
      check.Message = hole + ", '" + texts[h] + "', is not a whole number.";
      return check;
    }
    if (values[h] < 1 || values[h] > 18) {
      check.Message = hole + " is " + IntToStr(values[h]) + "; stroke indexes run from 1 to 18.";
      return check;
    }
    ++uses[static_cast<std::size_t>(values[h])];
  }
  for (int n = 1; n <= 18; ++n)
    if (uses[static_cast<std::size_t>(n)] > 1) {
      check.Message = RepeatsMessage(uses);
      // The second hole given the first number that repeats.
      check.Hole = 0;
      for (std::size_t h = 0, seen = 0; h < values.size() && check.Hole == 0; ++h)
        if (values[h] == n && ++seen == 2) check.Hole = static_cast<int>(h) + 1;
      return check;
    }
  check.Hole = 0;
  check.Values = values;
  return check;
}

}  // namespace fw
