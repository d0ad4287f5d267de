#pragma once
// The changes to a golfer that touch two files: his score file and the golfer
// list. Renaming a short name renames the score file and records the new name
// in "golfers.fwc"; deleting a golfer takes him out of the list and deletes his
// score file. Each writes an intent record ("golfers.intent") before its first
// step and removes it after its last, so that a change cut short (a crash, a
// power cut) is completed or undone at the next start: every golfer in the
// list keeps his score file and no score file is left without its golfer.

#include <string>
#include <string_view>

#include "data/golferlist.h"
#include "data/workfolder.h"

namespace fw {

inline constexpr const char* kGolferIntentFile = "golfers.intent";

// Renames the golfer's score file from `oldShort` + ".fwp" to `newShort` +
// ".fwp" (a golfer without a score file has nothing to rename) and changes his
// short name in the golfer list as it stands on disk, without any other change
// a window holds. Returns false, changing nothing, when a score file of the new
// name exists already. Throws FileError when the file cannot be renamed ("A.fwp
// could not be renamed to B.fwp: <the system's reason>.") or the list cannot be
// read or written (its own error); the score file then keeps its old name.
//
// `windowSeen` is what the calling window read of the golfer list: when that
// was still the file on disk, it becomes what was written, so the window's
// next save is not taken for a conflict. Otherwise it stays as it was.
bool RenameGolfer(const WorkFolder& folder, std::string_view oldShort, std::string_view newShort,
                  FileSnapshot& windowSeen);

// Takes the golfer out of the golfer list as it stands on disk, then deletes
// his score file unless another golfer of the list names it too. Throws
// FileError when the list cannot be read or written (then nothing is deleted).
// `windowSeen` as for RenameGolfer.
void DeleteGolfer(const WorkFolder& folder, std::string_view shortName, FileSnapshot& windowSeen);

// Completes or undoes a rename or delete that was cut short, as its intent
// record tells, and gives every golfer of the list who has no score file an
// empty one (a golfer added just before a save of the list was cut short).
// Returns what was done about a rename or delete, for the user (empty when
// nothing was pending). Call it while no other copy of Fairwick works in the
// folder.
std::string FinishInterruptedGolferChange(const WorkFolder& folder);

}  // namespace fw
