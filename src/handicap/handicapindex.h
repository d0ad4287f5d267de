#pragma once
// The handicap index of one golfer: the best differentials among the newest 20
// complete rounds, averaged, times 0.96, with its explanation lines sent to one
// of four targets.

#include <array>
#include <string>
#include <vector>

#include "data/scorefile.h"

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
  double Index = 0.0;
  int N = 0;        // differentials used
  int Counted = 0;  // complete rounds examined, at most 20
  // Table positions of the rounds used, best first; kUnusedSlot beyond the last.
  std::array<int, 10> UsedScores{};
  // The explanation as sent to the target (the dialog's extra blanks included).
  std::vector<std::string> Lines;
};

struct IndexOptions {
  bool UseMaxIndex = true;
  // The score list window's line A ends at "." without the "(n are valid)" part.
  bool ScoreListLineA = false;
};

// `scores` must be sorted newest first. The calculation cuts the examined texts
// at NUL and sets the rating of counted rounds with rating or slope "XXX" to
// "0.0", in the table itself. Throws ConversionError on a rating or slope that
// is not a number; nothing is output then.
IndexResult ComputeIndex(ScoreTable& scores, const IndexGolfer& golfer, IndexTarget& target,
                         const IndexOptions& options);

// One decimal, right-aligned in at least 4 characters: " 9.7", "14.4", " 0.0".
std::string FormatIndex(double index);

}  // namespace fw
