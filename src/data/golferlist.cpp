#include "data/golferlist.h"

#include "data/convert.h"
#include "data/placeholders.h"
#include "data/recordtext.h"
#include "data/scorefile.h"
#include "data/textutil.h"

namespace fw {
namespace {

constexpr std::string_view kScoreExtension = ".fwp";

// Golfers from the names of the score files present, in directory order: the
// name is what stands before ".fwp" (at most 8 characters fit a short name).
// Returns how many golfers the files name.
int RebuildFromScoreFiles(const WorkFolder& folder, GolferTable& golfers) {
  int named = 0;
  for (const std::string& file : folder.ListByExtension(kScoreExtension)) {
    std::size_t stemLength = file.size() - kScoreExtension.size();
    // A name that is empty or too long for a short name names no golfer.
    if (stemLength == 0 || stemLength > kShortNameRoom) continue;
    // The first 9 characters, cut back to (and without) the last '.' in them.
    std::string name = file.substr(0, kShortNameRoom + 1);
    std::size_t dot = name.rfind('.');
    name.resize(dot == std::string::npos ? 0 : dot);
    // A name no file operation would accept cannot be worked with either.
    try {
      WorkFolder::CheckSafeName(name);
    } catch (const FileError&) {
      continue;
    }
    if (++named > GolferTable::kLimit) continue;
    TGolferRec& rec = golfers.Append(TGolferRec{});
    rec.LongName = name;
    rec.ShortName = name;
    rec.Sex = 0;
  }
  return named;
}

// The Sex field keeps the value of its last character, a digit or else 0;
// an empty field leaves `kept` as it was.
void KeepSexDigit(int& kept, std::string_view field) {
  if (field.empty()) return;
  const char c = field.back();
  kept = (c >= '0' && c <= '9') ? c - '0' : 0;
}

// Returns the number of golfers the file holds.
int ParseGolferList(std::string_view bytes, GolferTable& golfers) {
  // The digit kept for Sex carries over from line to line: a line whose third
  // field is empty takes the value of the previous line.
  int keptDigit = 0;
  LineCursor lines(bytes);
  std::string_view line;
  while (!golfers.Full() && lines.Next(line)) {
    TGolferRec& rec = golfers.Append(InitGolferRec());
    const TildeFields found = ScanTildeFields(line, 3, [&](int field, std::string_view text) {
      if (field == 1) rec.LongName = text;
      if (field == 2) rec.ShortName = text;
      if (field == 3) {
        KeepSexDigit(keptDigit, text);
        rec.Sex = keptDigit;
      }
    });
    // A line that ends inside its Sex field (Pat~PAT~) takes the kept digit; one
    // with fewer than two tildes never opened that field and keeps the
    // placeholder.
    if (found.Closed == 2) {
      KeepSexDigit(keptDigit, found.Open);
      rec.Sex = keptDigit;
    }
  }
  return golfers.Count() + CountLines(lines.Rest());
}

// The short name as the golfer list file holds it, which is also the name of
// the golfer's score file.
std::string WrittenShortName(const TGolferRec& rec) {
  std::string field;
  AppendField(field, rec.ShortName, kShortNameRoom);
  field.pop_back();  // the tilde
  return field;
}

}  // namespace

TGolferRec InitGolferRec() {
  return TGolferRec{UnsetFill(kLongNameRoom), UnsetFill(kShortNameRoom), 0};
}

void LoadGolferList(const WorkFolder& folder, GolferTable& golfers, FileSnapshot* seen) {
  golfers.Clear();
  FileSnapshot read;
  int named;
  if (!folder.Exists(kGolferListFile))
    named = RebuildFromScoreFiles(folder, golfers);
  else
    named = ParseGolferList(folder.ReadText(kGolferListFile, read), golfers);
  if (named > golfers.kLimit) read.MarkPartial(named, golfers, "golfers");
  if (seen) *seen = std::move(read);
}

void SortGolferList(GolferTable& golfers) {
  SortByText(golfers, [](const TGolferRec& rec) { return rec.LongName.view(); });
}

void SaveGolferList(const WorkFolder& folder, const GolferTable& golfers, FileSnapshot& seen) {
  // Every score file name must be usable before anything is written.
  for (const TGolferRec& rec : golfers) WorkFolder::CheckSafeName(WrittenShortName(rec));

  std::string bytes;
  for (const TGolferRec& rec : golfers) {
    AppendField(bytes, rec.LongName, kLongNameRoom);
    AppendField(bytes, rec.ShortName, kShortNameRoom);
    AppendField(bytes, IntToStr(rec.Sex), 2);
    bytes += kLineEnd;
  }
  folder.ReplaceIfUnchanged(kGolferListFile, bytes, seen);

  for (const TGolferRec& rec : golfers)
    folder.CreateIfMissing(ScoreFileName(WrittenShortName(rec)));
}

}  // namespace fw
