#include "data/golferchanges.h"

#include <cctype>
#include <functional>

#include "data/recordtext.h"
#include "data/scorefile.h"

namespace fw {
namespace {

constexpr std::string_view kRenameIntent = "rename";
constexpr std::string_view kDeleteIntent = "delete";

// True when the two short names name the same score file: file names are
// matched without regard to case.
bool SameFile(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// Position (from 1) of the golfer of that short name: the same spelling first,
// else one whose short name names the same score file; 0 when none.
int PositionOf(const GolferTable& golfers, std::string_view shortName) {
  for (int i = 1; i <= golfers.Count(); ++i)
    if (golfers[i].ShortName == shortName) return i;
  for (int i = 1; i <= golfers.Count(); ++i)
    if (SameFile(golfers[i].ShortName, shortName)) return i;
  return 0;
}

void WriteIntent(const WorkFolder& folder, std::string_view verb, std::string_view first,
                 std::string_view second = {}) {
  std::string line;
  AppendField(line, verb, verb.size());
  AppendField(line, first, kShortNameRoom);
  if (!second.empty()) AppendField(line, second, kShortNameRoom);
  line += kLineEnd;
  folder.Replace(kGolferIntentFile, line);
}

void RemoveIntent(const WorkFolder& folder) {
  folder.Remove(kGolferIntentFile);
}

// Applies `change` to the golfer list as it stands on disk and writes it back
// when it changed something. Without a list file the golfers are those of the
// score files present, which follow every change by themselves.
void RecordInList(const WorkFolder& folder, const std::function<bool(GolferTable&)>& change,
                  FileSnapshot& windowSeen) {
  if (!folder.Exists(kGolferListFile)) return;
  GolferTable saved;
  FileSnapshot read;
  LoadGolferList(folder, saved, &read);
  const bool windowInStep = read.SameFileAs(windowSeen) && !windowSeen.Partial();
  if (!change(saved)) return;
  // Written in the order read; the save also creates an empty score file for
  // any golfer of the list that has none.
  SaveGolferList(folder, saved, read);
  if (windowInStep) windowSeen = read;
}

}  // namespace

bool RenameGolfer(const WorkFolder& folder, std::string_view oldShort, std::string_view newShort,
                  FileSnapshot& windowSeen) {
  const std::string from = ScoreFileName(oldShort);
  const std::string to = ScoreFileName(newShort);
  WorkFolder::CheckSafeName(to);
  // An existing file of the new name, in any case, is never replaced, and a
  // golfer without a score file must not take over another golfer's file.
  const bool hadFile = folder.Exists(from);
  if (!hadFile && folder.Exists(to)) return false;
  WriteIntent(folder, kRenameIntent, oldShort, newShort);
  try {
    if (hadFile && !folder.Rename(from, to)) {
      RemoveIntent(folder);
      return false;
    }
  } catch (const FileError& refused) {
    RemoveIntent(folder);
    // The system's reason, not a taken name: a read-only folder, say.
    throw FileError(from + " could not be renamed to " + to + ": " + refused.what() + ".");
  }
  // The list takes the new name at once, whatever becomes of the window's
  // other changes, so that it never names a file that is gone. When that
  // fails the score file gets its old name back.
  try {
    RecordInList(
        folder,
        [&](GolferTable& saved) {
          const int i = PositionOf(saved, oldShort);
          if (i == 0) return false;  // added in the window and not saved yet
          saved[i].ShortName = newShort;
          return true;
        },
        windowSeen);
  } catch (const FileError&) {
    // When even the way back fails, the intent record stays and the next
    // start puts things right.
    if (hadFile && !folder.Rename(to, from)) throw;
    RemoveIntent(folder);
    throw;
  }
  RemoveIntent(folder);
  return true;
}

void DeleteGolfer(const WorkFolder& folder, std::string_view shortName, FileSnapshot& windowSeen) {
  const std::string fileName = ScoreFileName(shortName);
  WriteIntent(folder, kDeleteIntent, shortName);
  // The golfer leaves the list before his score file goes: when the list
  // cannot be read or written nothing is deleted, and a score file that cannot
  // be deleted is left over without a golfer naming it.
  bool stillNamed = false;
  try {
    RecordInList(
        folder,
        [&](GolferTable& saved) {
          const int i = PositionOf(saved, shortName);
          if (i == 0) return false;  // added in the window and not saved yet
          saved.Delete(i);
          // A score file that another golfer names too holds his rounds as well.
          stillNamed = PositionOf(saved, shortName) != 0;
          return true;
        },
        windowSeen);
  } catch (const FileError&) {
    RemoveIntent(folder);
    throw;
  }
  if (!stillNamed) folder.Remove(fileName);
  RemoveIntent(folder);
}

namespace {

void CreateMissingScoreFiles(const WorkFolder& folder) {
  if (!folder.Exists(kGolferListFile)) return;
  GolferTable list;
  LoadGolferList(folder, list);
  for (const TGolferRec& golfer : list) {
    const std::string file = ScoreFileName(golfer.ShortName);
    try {
      WorkFolder::CheckSafeName(file);
    } catch (const FileError&) {
      continue;  // a name no file can have, from a hand-edited list
    }
    folder.CreateIfMissing(file);
  }
}

std::string FinishIntent(const WorkFolder& folder);

}  // namespace

std::string FinishInterruptedGolferChange(const WorkFolder& folder) {
  std::string done = FinishIntent(folder);
  CreateMissingScoreFiles(folder);
  return done;
}

namespace {

std::string FinishIntent(const WorkFolder& folder) {
  if (!folder.Exists(kGolferIntentFile)) return {};
  std::string fields[3];
  {
    const std::string text = folder.ReadText(kGolferIntentFile);
    LineCursor lines(text);
    std::string_view line;
    if (lines.Next(line)) {
      int field = 0;
      std::size_t start = 0;
      for (std::size_t i = 0; i < line.size() && field < 3; ++i) {
        if (line[i] != '~') continue;
        fields[field++] = std::string(line.substr(start, i - start));
        start = i + 1;
      }
    }
  }
  const std::string& verb = fields[0];
  const std::string& first = fields[1];
  const std::string& second = fields[2];
  std::string done;
  const bool hasList = folder.Exists(kGolferListFile);
  GolferTable list;
  if (hasList) LoadGolferList(folder, list);
  FileSnapshot unused;

  if (verb == kRenameIntent && !first.empty() && !second.empty()) {
    const bool oldFile = folder.Exists(ScoreFileName(first));
    const bool newFile = folder.Exists(ScoreFileName(second));
    const bool listNamesOld = hasList && PositionOf(list, first) != 0;
    // The file was renamed but the list still has the old name: record the
    // new one, as the user asked.
    if (listNamesOld && newFile && !oldFile) {
      RecordInList(
          folder,
          [&](GolferTable& saved) {
            const int i = PositionOf(saved, first);
            if (i == 0) return false;
            saved[i].ShortName = second;
            return true;
          },
          unused);
      done = "The change of golfer " + first + "'s short name to " + second +
             ", cut short when Fairwick last stopped, has been completed.";
    }
  } else if (verb == kDeleteIntent && !first.empty()) {
    const bool listNames = hasList && PositionOf(list, first) != 0;
    if (listNames) {
      done = "The deletion of golfer " + first +
             " was cut short when Fairwick last stopped, before it took effect. The golfer is "
             "still in the golfer list.";
    } else if (folder.Exists(ScoreFileName(first))) {
      folder.Remove(ScoreFileName(first));
      done = "The deletion of golfer " + first +
             ", cut short when Fairwick last stopped, has been completed.";
    }
  }
  RemoveIntent(folder);
  return done;
}

}  // namespace
}  // namespace fw
