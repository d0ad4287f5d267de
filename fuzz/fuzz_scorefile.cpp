// A score file as any bytes: read, sorted, the index computed for every target,
// written back, and the history and handicap-list lines built from it.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <set>

#include "data/convert.h"
#include "data/golferlist.h"
#include "data/scorefile.h"
#include "fuzzfolder.h"
#include "handicap/coursehandicap.h"
#include "handicap/handicapindex.h"
#include "handicap/scoreeval.h"
#include "reports/golfhistory.h"
#include "reports/handicaplist.h"
#include "reports/reportoutput.h"

namespace {

using namespace fw;

constexpr const char* kFile = "FUZZ.fwp";
constexpr double kTenth = 0.05 + 1e-9;

// The differentials real rounds can give: the lowest score on the hardest
// rating at the lowest slope, the highest score with no rating to speak of.
constexpr double kLowestDifferential = (0.0 - kMaxRating) * 113.0 / kMinSlope;
constexpr double kHighestDifferential = kMaxRoundScore * 113.0 / kMinSlope;

void CheckDifferential(double d) {
  FUZZ_CHECK(std::isfinite(d));
  FUZZ_CHECK(d >= kLowestDifferential - kTenth && d <= kHighestDifferential + kTenth,
             std::to_string(d));
}

void CheckCourseHandicap(double index, double slope) {
  const int ch = CourseHandicapOf(index, slope);
  if (!(slope >= kMinSlope && slope <= kMaxSlope)) {
    FUZZ_CHECK(ch == 0);
    return;
  }
  FUZZ_CHECK(std::abs(static_cast<double>(ch)) <= std::abs(index) * kMaxSlope / 113.0 + 0.5,
             std::to_string(index) + " " + std::to_string(slope) + " " + std::to_string(ch));
}

struct Outcome {
  bool converted = true;
  IndexResult result;
};

Outcome IndexFor(const ScoreTable& sorted, IndexTarget& target, int sex, bool useMax,
                 ScoreTable& after) {
  after = sorted;
  Outcome out;
  try {
    out.result =
        ComputeIndex(after, IndexGolfer{"Fuzz Golfer", sex}, target, IndexOptions{useMax, false});
  } catch (const ConversionError&) {
    out.converted = false;
  }
  return out;
}

void CheckIndex(const ScoreTable& table, const IndexResult& r, int sex, bool useMax) {
  const double cap = sex == 1 ? kMaxIndexWoman : kMaxIndexMan;
  FUZZ_CHECK(std::isfinite(r.Index));
  FUZZ_CHECK(r.Counted >= 0 && r.Counted <= 20 && r.Counted <= table.Count());
  FUZZ_CHECK(r.N >= 0 && r.N <= 10 && r.N <= r.Counted);
  if (r.N == 0) FUZZ_CHECK(r.Index == cap);
  FUZZ_CHECK(r.Index >= kLowestDifferential * 0.96 - kTenth, std::to_string(r.Index));
  FUZZ_CHECK(r.Index <= (useMax ? cap : kHighestDifferential * 0.96 + kTenth),
             std::to_string(r.Index));
  std::set<int> seen;
  for (int k = 0; k < 10; ++k) {
    const int p = r.UsedScores[static_cast<std::size_t>(k)];
    if (k >= r.N) {
      FUZZ_CHECK(p == kUnusedSlot);
      continue;
    }
    FUZZ_CHECK(p >= 1 && p <= table.Count() && seen.insert(p).second);
    FUZZ_CHECK(IsCompleteScore(table[p]));
    CheckDifferential(RoundDifferential(table[p]));
  }
  for (double slope : {0.0, kMinSlope, 113.0, kMaxSlope, 1e308})
    CheckCourseHandicap(r.Index, slope);
}

void CheckReportLines(const ReportLines& lines) {
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.size() <= 121 || line.starts_with("Differential"), fwfuzz::Shown(line));
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos, fwfuzz::Shown(line));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fwfuzz::Scratch& scratch = fwfuzz::TheScratch();
  scratch.Clear();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  scratch.Write(kFile, bytes);
  const WorkFolder folder(scratch.Work());

  ScoreTable loaded;
  try {
    LoadScoreFile(folder, kFile, loaded);
  } catch (const NotADataFileError&) {
    // UTF-16 text, refused and left as it is.
    FUZZ_CHECK(loaded.Empty() && scratch.Read(kFile) == bytes);
    scratch.CheckNothingOutside();
    return 0;
  }
  FUZZ_CHECK(loaded.Count() <= MaxScores);

  // What is written reads back the same, and writing that again changes nothing.
  const std::string written = FormatScoreFile(loaded);
  ScoreTable reread;
  ParseScoreFile(written, reread);
  FUZZ_CHECK(fwfuzz::SameRecords(reread, loaded), fwfuzz::Shown(written));
  FUZZ_CHECK(FormatScoreFile(reread) == written);

  ScoreTable sorted = loaded;
  SortScores(sorted);
  for (int i = 1; i < sorted.Count(); ++i)
    FUZZ_CHECK(!(sorted[i].Date < sorted[i + 1].Date), "not newest first");

  for (int sex : {0, 1}) {
    for (bool useMax : {true, false}) {
      NoIndexOutput none;
      IndexDialogFields dialog;
      std::string text;
      IndexTextFile file(text);
      ReportLines printed;
      ReportLineCollector collector(printed);
      IndexPrinter printer(collector);
      ScoreTable afterNone, afterDialog, afterFile, afterPrinter;
      Outcome a = IndexFor(sorted, none, sex, useMax, afterNone);
      Outcome b = IndexFor(sorted, dialog, sex, useMax, afterDialog);
      Outcome c = IndexFor(sorted, file, sex, useMax, afterFile);
      Outcome d = IndexFor(sorted, printer, sex, useMax, afterPrinter);
      // Every target sees the same calculation.
      FUZZ_CHECK(a.converted == b.converted && b.converted == c.converted &&
                 c.converted == d.converted);
      if (!a.converted) continue;
      for (const Outcome* o : {&b, &c, &d}) {
        FUZZ_CHECK(o->result.Index == a.result.Index && o->result.N == a.result.N &&
                   o->result.Counted == a.result.Counted &&
                   o->result.UsedScores == a.result.UsedScores);
      }
      FUZZ_CHECK(fwfuzz::SameRecords(afterNone, afterDialog) &&
                 fwfuzz::SameRecords(afterNone, afterFile) &&
                 fwfuzz::SameRecords(afterNone, afterPrinter));
      FUZZ_CHECK(printed == d.result.Lines);
      std::string joined;
      for (const std::string& line : c.result.Lines) joined += line + "\r\n";
      FUZZ_CHECK(text == joined);
      CheckIndex(afterNone, a.result, sex, useMax);

      // The history report over the same rounds.
      ScoreTable history = sorted;
      try {
        ReportLines lines = GolfHistoryLines(history, TGolferRec{"Fuzz Golfer", "FUZZ", sex},
                                             IndexOptions{useMax, false});
        CheckReportLines(lines);
        FUZZ_CHECK(lines.size() >= a.result.Lines.size() + 4);
      } catch (const ConversionError&) {
      }
    }
  }

  // Every differential of a round that counts is one a real round can give.
  for (const TScoreRec& round : sorted) {
    if (!IsCompleteScore(round) || !HasUsableRating(round)) continue;
    try {
      CheckDifferential(RoundDifferential(round));
    } catch (const ConversionError&) {
    }
  }

  // The save writes what the reader gives back.
  SaveScoreFile(folder, kFile, sorted, fwfuzz::OnDisk(folder, kFile));
  ScoreTable saved;
  LoadScoreFile(folder, kFile, saved);
  FUZZ_CHECK(fwfuzz::SameRecords(saved, sorted));

  // The handicap list of the golfer on the course of the newest round.
  GolferTable golfers;
  golfers.Append(TGolferRec{"Fuzz Golfer", "FUZZ", 0});
  TCourseSummary course{"Fuzz Course", "70.0", "113", "72"};
  if (!sorted.Empty()) {
    course.Slope = sorted[1].Slope;
    course.ParTotal = sorted[1].TotalScore.substr(0, kParTotalRoom);
  }
  const int places[] = {1};
  ScoreTable work;
  try {
    ReportLines lines = HandicapListLines(folder, golfers, places, course, ReportDate{2026, 12, 8},
                                          IndexOptions{}, work);
    CheckReportLines(lines);
    FUZZ_CHECK(lines.size() == 9);
    // The golfer's line holds the figures of the golfer's own rounds.
    ScoreTable own = saved;
    NoIndexOutput none;
    const double index =
        ComputeIndex(own, IndexGolfer{"Fuzz Golfer", 0}, none, IndexOptions{}).Index;
    const int ch = CourseHandicapOf(index, StrToFloat(course.Slope));
    CheckCourseHandicap(index, StrToFloat(course.Slope));
    FUZZ_CHECK(lines.back() == HandicapListGolferLine("Fuzz Golfer", index, ch,
                                                      PredictedScoreOf(ch, course.ParTotal)));
  } catch (const ConversionError&) {
  }

  FUZZ_CHECK(scratch.Names() == std::vector<std::string>{kFile});
  scratch.CheckNothingOutside();
  return 0;
}
