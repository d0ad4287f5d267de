#pragma once
// The handicap index of one golfer, with its explanation lines sent to one of
// four targets. Under the program's own rules: the best differentials among
// the newest 20 complete rounds, averaged, times 0.96. Under the World
// Handicap System: the lowest of the newest 20 by its table, with the caps
// against the low index and the exceptional-score reductions (see whs.h).

#include <array>
#include <string>
#include <vector>

#include "data/dateorder.h"
#include "data/roundcsv.h"
#include "data/scorefile.h"
#include "handicap/handicaprules.h"

namespace fw {

inline constexpr double kMaxIndexMan = 36.4;
inline constexpr double kMaxIndexWoman = 40.4;
inline constexpr int kUnusedSlot = 999;

// Receives the report lines one at a time, each placed on the next line of the
// current page (an empty text is an empty line). The print engine implements it.
class LinePrinter {
 public:
  virtual ~LinePrinter() = default;
  virtual void PrintLine(const std::string& line) = 0;
};

// Where ComputeIndex sends its explanation.
class IndexTarget {
 public:
  enum class Kind { kNone, kDialog, kFile, kPrinter };
  virtual ~IndexTarget() = default;
  virtual Kind TargetKind() const = 0;
};

class NoIndexOutput final : public IndexTarget {
 public:
  Kind TargetKind() const override { return Kind::kNone; }
};

// The fourteen lines of the current-index dialog; Field[0] is Field1.
class IndexDialogFields final : public IndexTarget {
 public:
  Kind TargetKind() const override { return Kind::kDialog; }
  std::array<std::string, 14> Field;
};

// Appends the lines, each ended by CR LF, to a text the caller writes to a file.
class IndexTextFile final : public IndexTarget {
 public:
  explicit IndexTextFile(std::string& out) : out_(out) {}
  Kind TargetKind() const override { return Kind::kFile; }
  std::string& Out() const { return out_; }

 private:
  std::string& out_;
};

class IndexPrinter final : public IndexTarget {
 public:
  explicit IndexPrinter(LinePrinter& printer) : printer_(printer) {}
  Kind TargetKind() const override { return Kind::kPrinter; }
  LinePrinter& Printer() const { return printer_; }

 private:
  LinePrinter& printer_;
};

struct IndexGolfer {
  std::string LongName;
  int Sex = 0;  // 0 man, 1 woman
};

struct IndexResult {
  double Index = 0.0;  // 0.0 when there is no index (HasIndex false)
  int N = 0;           // differentials used
  int Counted = 0;     // complete rounds examined, at most 20
  // Table positions of the rounds used, best first; kUnusedSlot beyond the last.
  std::array<int, 10> UsedScores{};
  // The explanation as sent to the target (the dialog's extra blanks included).
  std::vector<std::string> Lines;

  // Under the program's own rules every golfer has an index (a fixed one
  // before 5 rounds) and the fields below keep their defaults, but for
  // IndexTenths.
  HandicapRules Rules = HandicapRules::kFairwick;
  bool HasIndex = true;      // false: "NH", fewer than 3 differentials under WHS
  int IndexTenths = 0;       // Index in whole tenths
  int RoundsNeeded = 0;      // more complete rounds needed for an index
  int Differentials = 0;     // of the counted rounds, those with a differential
  int AdjustmentTenths = 0;  // added to the average by the count: -20, -10 or 0
  int UncappedTenths = 0;    // the index before the caps and the 54.0 maximum
  bool HasLowIndex = false;  // from 20 complete rounds on
  int LowIndexTenths = 0;
  bool SoftCap = false;  // each against the low index
  bool HardCap = false;
  bool MaxIndexCap = false;   // held to 54.0
  int ExceptionalRounds = 0;  // among the counted rounds, each reducing the others
  // Tenths taken off the differential of each used round, in UsedScores' order.
  std::array<int, 10> Reductions{};
};

struct IndexOptions {
  bool UseMaxIndex = true;  // 36.4 / 40.4 under the program's own rules only
  // The score list window's line A ends at "." without the "(n are valid)" part.
  bool ScoreListLineA = false;
  HandicapRules Rules = HandicapRules::kFairwick;
  // The order the dates of the explanation, and of every report built with
  // these options, are shown in.
  DateOrder Order = DateOrder::kMonthDayYear;
};

// `scores` must be sorted newest first. The calculation cuts the examined texts
// at NUL and sets the rating of counted rounds with rating or slope "XXX" to
// "0.0", in the table itself. Throws ConversionError on a rating or slope that
// is not a number; nothing is output then.
//
// Under options.Rules == kWhs every complete round is read, since the low
// index and the exceptional-score reductions come from the whole history
// (see whsreplay.h); a round counted without a differential takes a place
// among the newest 20 but not in the table's count. The explanation is: line
// A as under the program's own rules; line B naming the rules with the count
// rule ("World Handicap System: lowest 2 of 6 differentials, less 1.0.") or,
// without an index, how many more rounds are needed; one line per used
// differential as reduced, with "  (less 1.0)" when it was; a line listing
// the exceptional scores; a line with the low index and the caps (or the 54.0
// maximum); an empty line; line Z. The dialog receives them one a field from
// Field1, never more than its 14.
IndexResult ComputeIndex(ScoreTable& scores, const IndexGolfer& golfer, IndexTarget& target,
                         const IndexOptions& options);

// One decimal, right-aligned in at least 4 characters: " 9.7", "14.4", " 0.0".
std::string FormatIndex(double index);

// What windows and reports show for a result's index: as FormatIndex, but
// right-aligned in at least `width` characters, and "NH" (no handicap) so
// aligned when there is no index.
inline constexpr const char* kNoIndexText = "NH";
std::string FormatIndexOrNh(const IndexResult& result, int width = 4);

// The figures the CSV exports (roundcsv.h) give each round of `scores`: its
// differential by the rules `index` was computed under (RoundDifferentialText)
// and whether `index`, computed over the same table, used it. Throws
// ConversionError as the differential does.
std::vector<RoundFigures> RoundFiguresOf(const ScoreTable& scores, const IndexResult& index);

// The index a golfer held after one day with a complete round.
struct IndexPoint {
  std::string Date;  // stored, "yyyymmdd"
  bool HasIndex = true;
  int IndexTenths = 0;
  double Index = 0.0;  // as ComputeIndex gives it
};

// The index after each day with a complete round, oldest day first, from the
// rounds of `scores` (sorted newest first) up to and including that day: as
// ComputeIndex over those rounds would give it, under either rules. Leaves the
// table as it is. Throws ConversionError on a complete round whose score,
// rating or slope is not a number.
std::vector<IndexPoint> ReplayIndexes(const ScoreTable& scores, const IndexGolfer& golfer,
                                      const IndexOptions& options);

}  // namespace fw
