#include "handicap/handicapindex.h"

#include <algorithm>

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"

namespace fw {
namespace {

constexpr int kWindow = 20;    // newest complete rounds examined
constexpr int kBestSize = 10;  // entries of the best list
constexpr double kEmptyEntry = 9999.0;

struct BestEntry {
  double Differential = kEmptyEntry;
  int Position = kUnusedSlot;  // of the round in the score table
};

// The number of differentials used for each count of complete rounds, 0 to 20.
constexpr std::array<int, kWindow + 1> kDifferentialsFor = {0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3,
                                                            4, 4, 5, 5, 6, 6, 7, 8, 9, 10};

// The explanation lines. For the dialog a differential below 10 gets one extra
// blank in front, which lines its digits up with two-digit differentials.
std::vector<std::string> ReportLines(const ScoreTable& scores, const std::string& name, int counted,
                                     int used, const std::array<BestEntry, kBestSize>& best,
                                     double index, bool forDialog, bool scoreListLineA) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(used) + 4);

  std::string a = IntToStr(scores.Count()) + " scores on file for " + name + ".";
  if (counted <= 19 && !scoreListLineA) a += "  (" + IntToStr(counted) + " are valid)";
  lines.push_back(std::move(a));

  if (used == 0)
    lines.push_back("A golfer needs 5 valid scores to receive an index.");
  else
    lines.push_back("Calculated index using best " + IntToStr(used) + " out of " +
                    IntToStr(counted) + " differentials.");

  for (int k = 1; k <= used; ++k) {
    const BestEntry& e = best[static_cast<std::size_t>(k - 1)];
    const TScoreRec& round = scores[e.Position];
    std::string d = "Differential " + IntToStr(k) + (k <= 9 ? "   = " : "  = ");
    if (forDialog && e.Differential < 10.0) d += ' ';
    d += FormatDifferential(e.Differential) + "  " + StoredDateToDisplay(round.Date) + "  " +
         CutAtNul(round.CourseName);
    lines.push_back(std::move(d));
  }

  lines.emplace_back();
  lines.push_back("The current index for " + name + " is " + FormatIndex(index));
  return lines;
}

void Send(const std::vector<std::string>& lines, int used, IndexTarget& target) {
  switch (target.TargetKind()) {
    case IndexTarget::Kind::kNone:
      break;
    case IndexTarget::Kind::kDialog: {
      auto& fields = static_cast<IndexDialogFields&>(target).Field;
      // Line A, line B, the differentials from Field3; Field(used+3) stays
      // empty and line Z goes into Field(used+4).
      for (int k = 0; k < used + 2; ++k)
        fields[static_cast<std::size_t>(k)] = lines[static_cast<std::size_t>(k)];
      fields[static_cast<std::size_t>(used + 3)] = lines.back();
      break;
    }
    case IndexTarget::Kind::kFile: {
      std::string& out = static_cast<IndexTextFile&>(target).Out();
      for (const std::string& line : lines) out += line + "\r\n";
      break;
    }
    case IndexTarget::Kind::kPrinter: {
      LinePrinter& printer = static_cast<IndexPrinter&>(target).Printer();
      for (const std::string& line : lines) printer.PrintLine(line);
      break;
    }
  }
}

}  // namespace

IndexResult ComputeIndex(ScoreTable& scores, const IndexGolfer& golfer, IndexTarget& target,
                         const IndexOptions& options) {
  const bool forDialog = target.TargetKind() == IndexTarget::Kind::kDialog;
  if (forDialog)
    for (std::string& field : static_cast<IndexDialogFields&>(target).Field) field.clear();

  std::array<BestEntry, kBestSize> best;
  int listSize = 1;
  int inserted = 0;  // differentials placed in the best list, at most 10
  int counted = 0;

  const int rounds = scores.Count();
  const int limit = std::min(rounds, kWindow);
  for (int p = 1; counted < limit && p <= rounds; ++p) {
    TScoreRec& round = scores[p];
    if (!IsCompleteScore(round)) continue;
    ++counted;

    double d = 0.0;
    bool usable = false;  // a differential that may enter the best list
    if (round.Rating == "XXX" || round.Slope == "XXX") {
      // Counted, but without a differential: a rating of "0.0" keeps it out of
      // the best list below.
      round.Rating = "0.0";
    } else {
      const double score = StrToFloat(DifferentialScore(round));
      const double rating = StrToFloat(round.Rating);
      const double slope = StrToFloat(round.Slope);
      d = ComputeDifferential(score, rating, slope);
      usable = rating > 0.0 && slope > 0.0;
    }

    // Strictly less: an equal differential goes after the one already listed,
    // so among equals the newer round ranks first.
    for (int k = 1; usable && k <= listSize && k <= kBestSize; ++k) {
      const std::size_t slot = static_cast<std::size_t>(k - 1);
      if (d < best[slot].Differential) {
        for (int m = std::min(listSize, kBestSize - 1); m >= k; --m)
          best[static_cast<std::size_t>(m)] = best[static_cast<std::size_t>(m - 1)];
        best[slot] = BestEntry{d, p};
        listSize = std::min(listSize + 1, kBestSize);
        inserted = std::min(inserted + 1, kBestSize);
        break;
      }
    }
  }

  // Rounds counted without a usable differential can leave fewer differentials
  // than the count calls for; only the real ones are averaged. With none at all
  // the golfer is treated as one without enough rounds.
  const int used = std::min(kDifferentialsFor[static_cast<std::size_t>(counted)], inserted);
  IndexResult result;
  for (int k = 0; k < kBestSize; ++k)
    result.UsedScores[static_cast<std::size_t>(k)] =
        k < used ? best[static_cast<std::size_t>(k)].Position : kUnusedSlot;

  const bool woman = golfer.Sex == 1;
  double index;
  if (used == 0) {
    index = woman ? kMaxIndexWoman : kMaxIndexMan;
  } else {
    double sum = 0.0;
    for (int k = 0; k < used; ++k) sum += best[static_cast<std::size_t>(k)].Differential;
    index = sum / used * 0.96;
    index = static_cast<double>(RoundHalfEven(index * 10.0)) / 10.0;
    if (options.UseMaxIndex) {
      if (!woman && index > kMaxIndexMan) index = kMaxIndexMan;
      if (woman && index > kMaxIndexWoman) index = kMaxIndexWoman;
    }
  }

  result.Index = index;
  result.N = used;
  result.Counted = counted;
  // Without a target nothing is sent, so there are no lines to make.
  if (target.TargetKind() != IndexTarget::Kind::kNone) {
    result.Lines = ReportLines(scores, CutAtNul(golfer.LongName), counted, used, best, index,
                               forDialog, options.ScoreListLineA);
    Send(result.Lines, used, target);
  }
  return result;
}

std::string FormatIndex(double index) {
  return FormatFixed(index, 4, 1);
}

}  // namespace fw
