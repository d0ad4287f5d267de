#pragma once
// The stroke indexes of the holes of each course, in "holes.fwc" beside the
// course list: one line per course that has them, the course name exactly as
// in "courses.fwc" and then the stroke indexes of holes 1 to 18, each field
// followed by a tilde: Name~SI1~...~SI18~. The course list itself keeps its
// format. A course without a line has no stroke indexes; so has every course
// when the file is missing. Names are matched ignoring case.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "data/courselist.h"
#include "data/fixedtext.h"
#include "data/table.h"
#include "data/workfolder.h"

namespace fw {

inline constexpr const char* kHoleListFile = "holes.fwc";
inline constexpr std::size_t kStrokeIndexRoom = 2;

using StrokeIndexText = FixedText<kStrokeIndexRoom>;
// The stroke index of holes 1 to 18 as numbers: each of 1 to 18 exactly once,
// 1 on the hardest hole.
using StrokeIndexes = std::array<int, 18>;

struct THoleRec {
  CourseName Name;                              // as in the course list
  std::array<StrokeIndexText, 18> StrokeIndex;  // holes 1 to 18

  bool operator==(const THoleRec&) const = default;
};

// Far above the 200 courses, so that lines of courses removed by hand from
// the course list never crowd out a new one; MaxHoleLines names that limit.
using HoleTable = Table<THoleRec, 1000>;
inline constexpr int MaxHoleLines = HoleTable::kLimit;

// Parses the bytes of a hole list into the table (cleared first), up to
// MaxHoleLines, and returns how many course lines the bytes hold, those beyond
// the table included. Empty lines carry nothing and are skipped; a field never
// closed by its tilde stays empty, and characters after the 19th tilde are
// ignored.
int ParseHoleList(std::string_view bytes, HoleTable& holes);

// The bytes SaveHoleList writes: every field cut to its room, with tildes and
// line breaks in it turned into blanks, each followed by a tilde; CR LF lines.
std::string FormatHoleList(const HoleTable& holes);

// Reads "holes.fwc" into the table; a missing file gives an empty table.
// Throws NotADataFileError when it is no data file (a folder, a named pipe,
// UTF-16 text) and FileError when it cannot be read.
void LoadHoleList(const WorkFolder& folder, HoleTable& holes, FileSnapshot* seen = nullptr);

// Replaces "holes.fwc" with the table, atomically, when it is still what `seen`
// says was read (FileChangedError otherwise; `seen` then holds what was
// written).
void SaveHoleList(const WorkFolder& folder, const HoleTable& holes, FileSnapshot& seen);

// Position (from 1) of the first line of the course, 0 when it has none.
int FindHoleRec(const HoleTable& holes, std::string_view courseName);

// The course's stroke indexes; nothing when it has no line or when its line
// does not hold each of 1 to 18 exactly once (a hand-edited file).
std::optional<StrokeIndexes> StrokeIndexesOf(const HoleTable& holes, std::string_view courseName);

// Gives the course these stroke indexes, in its first line or in a new one at
// the end; further lines of the same name go. Nothing removes its lines.
void SetStrokeIndexes(HoleTable& holes, std::string_view courseName,
                      const std::optional<StrokeIndexes>& indexes);

// A course renamed: its lines carry the new name. When it has none, nothing
// changes; when it has some, lines already under the new name give way.
void RenameHoleRecs(HoleTable& holes, std::string_view oldName, std::string_view newName);

// A course deleted: its lines go.
void RemoveHoleRecs(HoleTable& holes, std::string_view courseName);

// What the course edit dialog makes of the 18 stroke index fields as typed.
// All empty: the stroke indexes are unknown (Ok, no Values). Otherwise each of
// 1 to 18 must occur exactly once, and Message says what is wrong, checked in
// this order and for the first hole at fault:
//   "The stroke index of hole 5 is missing. Give all 18 stroke indexes, or none."
//   "The stroke index of hole 5, 'x', is not a whole number."
//   "The stroke index of hole 5 is 19; stroke indexes run from 1 to 18."
//   "Stroke index 7 is used twice; 12 is missing."
//   "Stroke index 7 is used 3 times; 12 and 15 are missing."
//   "Stroke indexes 7 and 9 are used twice; 3 and 12 are missing."
//   "Stroke indexes 7 and 9 are used more than once; 3, 12 and 15 are missing."
// Blanks around a number are allowed.
// Hole names the field at fault, for the focus: the hole named in the
// message, or, when numbers repeat, the second hole given the first of them.
struct StrokeIndexCheck {
  std::string Message;  // empty when the fields are acceptable
  std::optional<StrokeIndexes> Values;
  int Hole = 0;  // 1 to 18; 0 when the fields are acceptable

  bool Ok() const { return Message.empty(); }
};
StrokeIndexCheck CheckStrokeIndexes(const std::array<std::string, 18>& typed);

}  // namespace fw
