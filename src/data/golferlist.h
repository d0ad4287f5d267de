#pragma once
// The golfer list file "golfers.fwc": one golfer a line, LongName~ShortName~Sex~.

#include <string>

#include "data/fixedtext.h"
#include "data/table.h"
#include "data/workfolder.h"

namespace fw {

inline constexpr std::size_t kLongNameRoom = 40;
inline constexpr std::size_t kShortNameRoom = 8;

struct TGolferRec {
  FixedText<kLongNameRoom> LongName;    // the sort key
  FixedText<kShortNameRoom> ShortName;  // names the score file
  int Sex = 0;                          // 0 male, 1 female

  bool operator==(const TGolferRec&) const = default;
};
inline constexpr const char* kGolferListFile = "golfers.fwc";

// The golfer table holds at most 300 golfers; MaxGolfers names that limit.
using GolferTable = Table<TGolferRec, 300>;
inline constexpr int MaxGolfers = GolferTable::kLimit;

// A record holding the placeholders: forty X, eight X, sex 0.
TGolferRec InitGolferRec();

// Fills the table from "golfers.fwc", or, when that file does not exist, from
// the names of the score files present (*.fwp). File order; sort afterwards.
// Stops at MaxGolfers. Throws FileError when the file cannot be read,
// NotADataFileError when it is no data file (a folder, a named pipe, UTF-16
// text).
// `seen`, when given, remembers what was read (the list file, or that there
// was none) for SaveGolferList; a list of more than MaxGolfers golfers is
// marked partial.
void LoadGolferList(const WorkFolder& folder, GolferTable& golfers, FileSnapshot* seen = nullptr);

// Ascending by LongName, byte by byte, with the exchange sort's order of equal names.
void SortGolferList(GolferTable& golfers);

// Replaces "golfers.fwc" with the table (atomically) when it is still what
// `seen` says was read (FileChangedError otherwise; `seen` then holds what was
// written), then creates an empty score file for every golfer that has none.
// Refuses (FileError, nothing written) when a short name cannot name a file in
// the folder.
void SaveGolferList(const WorkFolder& folder, const GolferTable& golfers, FileSnapshot& seen);

}  // namespace fw
