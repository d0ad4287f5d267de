// The golfer list as any bytes, or, without a list, score files of any names:
// read (or rebuilt from the names), sorted, saved and read again.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/golferlist.h"
#include "data/recordtext.h"
#include "data/scorefile.h"
#include "fuzzfolder.h"

namespace {

using namespace fw;

// The record as the golfer list file holds it.
TGolferRec AsWritten(const TGolferRec& rec) {
  auto field = [](std::string_view text, std::size_t room) {
    std::string out;
    AppendField(out, text, room);
    out.pop_back();
    return out;
  };
  return TGolferRec{field(rec.LongName, kLongNameRoom), field(rec.ShortName, kShortNameRoom),
                    rec.Sex};
}

// Creates the score files named by the lines of `names`; returns how many.
int MakeScoreFiles(const fwfuzz::Scratch& scratch, std::string_view names) {
  int made = 0;
  std::size_t start = 0;
  while (start < names.size() && made < 400) {
    std::size_t end = names.find('\n', start);
    if (end == std::string_view::npos) end = names.size();
    std::string name(names.substr(start, end - start));
    start = end + 1;
    if (name.empty() || name.size() > 200) continue;
    name += ".fwp";
    try {
      WorkFolder::CheckSafeName(name);
    } catch (const FileError&) {
      continue;
    }
    if (std::filesystem::exists(scratch.Work() / name)) continue;
    scratch.Write(name, "");
    ++made;
  }
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const fwfuzz::Scratch& scratch = fwfuzz::TheScratch();
  scratch.Clear();
  const WorkFolder folder(scratch.Work());
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const bool fromNames = (data[0] & 1) != 0;
  int scoreFiles = 0;
  if (fromNames)
    scoreFiles = MakeScoreFiles(scratch, bytes);
  else
    scratch.Write(kGolferListFile, bytes);
  const std::vector<std::string> before = scratch.Names();

  GolferTable golfers;
  try {
    LoadGolferList(folder, golfers);
  } catch (const NotADataFileError&) {
    FUZZ_CHECK(!fromNames);
    FUZZ_CHECK(golfers.Empty());
    FUZZ_CHECK(scratch.Names() == before);
    scratch.CheckNothingOutside();
    return 0;
  }
  FUZZ_CHECK(golfers.Count() <= MaxGolfers);
  if (fromNames) FUZZ_CHECK(golfers.Count() <= scoreFiles);
  for (const TGolferRec& rec : golfers) {
    FUZZ_CHECK(rec.LongName.size() <= kLongNameRoom && rec.ShortName.size() <= kShortNameRoom);
    FUZZ_CHECK(rec.Sex >= 0 && rec.Sex <= 9);
    // A golfer rebuilt from a score file is named after it.
    if (fromNames)
      FUZZ_CHECK(rec.LongName == rec.ShortName && folder.Exists(ScoreFileName(rec.ShortName)));
  }

  SortGolferList(golfers);
  for (int i = 1; i < golfers.Count(); ++i)
    FUZZ_CHECK(!TextLess(golfers[i + 1].LongName, golfers[i].LongName), "not ascending");

  const std::string oldList = fromNames ? std::string() : scratch.Read(kGolferListFile);
  try {
    SaveGolferList(folder, golfers, fwfuzz::OnDisk(folder, fw::kGolferListFile));
  } catch (const FileError&) {
    // Refused for a short name that names no file: nothing was written.
    FUZZ_CHECK(scratch.Names() == before);
    if (!fromNames) FUZZ_CHECK(scratch.Read(kGolferListFile) == oldList);
    scratch.CheckNothingOutside();
    return 0;
  }

  GolferTable reread;
  LoadGolferList(folder, reread);
  FUZZ_CHECK(reread.Count() == golfers.Count());
  for (int i = 1; i <= golfers.Count(); ++i) {
    FUZZ_CHECK(reread[i] == AsWritten(golfers[i]), fwfuzz::Shown(golfers[i].LongName));
    FUZZ_CHECK(folder.Exists(ScoreFileName(reread[i].ShortName)));
  }
  // Saving what was read changes nothing.
  const std::string list = scratch.Read(kGolferListFile);
  SaveGolferList(folder, reread, fwfuzz::OnDisk(folder, fw::kGolferListFile));
  FUZZ_CHECK(scratch.Read(kGolferListFile) == list);

  // Only the list and score files are there, and every score file that was
  // there still is.
  for (const std::string& name : scratch.Names())
    FUZZ_CHECK(name == kGolferListFile || name.ends_with(".fwp"), fwfuzz::Shown(name));
  for (const std::string& name : before)
    FUZZ_CHECK(std::filesystem::exists(scratch.Work() / name), fwfuzz::Shown(name));
  scratch.CheckNothingOutside();
  return 0;
}
