#include "handicap/handicapindex.h"

#include <algorithm>

#include "data/convert.h"
#include "data/placeholders.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"
#include "handicap/whsreplay.h"

namespace fw {
namespace {

constexpr int kWindow = 20;    // newest complete rounds examined
constexpr int kBestSize = 10;  // entries of the best list
constexpr double kEmptyEntry = 9999.0;

struct BestEntry {
  double Differential = kEmptyEntry;
  int Position = kUnusedSlot;  // of the round in the score table
};

// The best list: up to 10 differentials in ascending order with the table
// positions of their rounds. An equal differential goes after the one already
// listed, so among equals the newer round ranks first.
class BestList {
 public:
  void Offer(double d, int position) {
    for (int k = 1; k <= listSize_ && k <= kBestSize; ++k) {
      const std::size_t slot = static_cast<std::size_t>(k - 1);
      if (d < best_[slot].Differential) {
        for (int m = std::min(listSize_, kBestSize - 1); m >= k; --m)
          best_[static_cast<std::size_t>(m)] = best_[static_cast<std::size_t>(m - 1)];
        best_[slot] = BestEntry{d, position};
        listSize_ = std::min(listSize_ + 1, kBestSize);
        inserted_ = std::min(inserted_ + 1, kBestSize);
        return;
      }
    }
  }
  const std::array<BestEntry, kBestSize>& Entries() const { return best_; }
  // Differentials placed in the list, at most 10.
  int Inserted() const { return inserted_; }

 private:
  std::array<BestEntry, kBestSize> best_;
  int listSize_ = 1;
  int inserted_ = 0;
};

// The number of differentials used for each count of complete rounds, 0 to 20.
constexpr std::array<int, kWindow + 1> kDifferentialsFor = {0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3,
                                                            4, 4, 5, 5, 6, 6, 7, 8, 9, 10};

// The explanation lines. For the dialog a differential below 10 gets one extra
// blank in front, which lines its digits up with two-digit differentials.
std::vector<std::string> ReportLines(const ScoreTable& scores, const std::string& name, int counted,
                                     int used, const std::array<BestEntry, kBestSize>& best,
                                     double index, bool forDialog, const IndexOptions& options) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(used) + 4);

  std::string a = IntToStr(scores.Count()) + " scores on file for " + name + ".";
  if (counted <= 19 && !options.ScoreListLineA) a += "  (" + IntToStr(counted) + " are valid)";
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
    d += FormatDifferential(e.Differential) + "  " +
         StoredDateToDisplay(round.Date, options.Order) + "  " + CutAtNul(round.CourseName);
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

// The differential of a counted round under the program's own rules, when it
// has one (ConversionError on a text that is no number).
std::optional<double> OwnRulesDifferential(const TScoreRec& round) {
  const std::optional<int> tenths = RoundDifferentialTenths(round, HandicapRules::kFairwick);
  if (!tenths) return std::nullopt;
  return TenthsValue(*tenths);
}

// A counted round whose rating or slope was never set has no differential.
bool HasUnsetRating(const TScoreRec& round) {
  return IsUnset(round.Rating) || IsUnset(round.Slope);
}

// Rounds counted without a usable differential can leave fewer differentials
// than the count calls for; only the real ones are averaged. With none at all
// the golfer is treated as one without enough rounds.
int DifferentialsUsed(int counted, const BestList& best) {
  return std::min(kDifferentialsFor[static_cast<std::size_t>(counted)], best.Inserted());
}

double OwnRulesIndex(const BestList& best, int used, const IndexGolfer& golfer,
                     const IndexOptions& options) {
  const bool woman = golfer.Sex == 1;
  if (used == 0) return woman ? kMaxIndexWoman : kMaxIndexMan;
  double sum = 0.0;
  for (int k = 0; k < used; ++k) sum += best.Entries()[static_cast<std::size_t>(k)].Differential;
  double index = sum / used * 0.96;
  index = static_cast<double>(RoundHalfEven(index * 10.0)) / 10.0;
  if (options.UseMaxIndex) {
    if (!woman && index > kMaxIndexMan) index = kMaxIndexMan;
    if (woman && index > kMaxIndexWoman) index = kMaxIndexWoman;
  }
  return index;
}

IndexResult ComputeOwnRulesIndex(ScoreTable& scores, const IndexGolfer& golfer, IndexTarget& target,
                                 const IndexOptions& options) {
  const bool forDialog = target.TargetKind() == IndexTarget::Kind::kDialog;

  BestList best;
  int counted = 0;

  const int rounds = scores.Count();
  const int limit = std::min(rounds, kWindow);
  for (int p = 1; counted < limit && p <= rounds; ++p) {
    TScoreRec& round = scores[p];
    if (!IsCompleteScore(round)) continue;
    ++counted;

    if (HasUnsetRating(round)) {
      // Counted, but without a differential: the rating says so from now on.
      round.Rating = kNoRating;
    } else if (const std::optional<double> d = OwnRulesDifferential(round)) {
      best.Offer(*d, p);
    }
  }

  const int used = DifferentialsUsed(counted, best);
  IndexResult result;
  for (int k = 0; k < kBestSize; ++k)
    result.UsedScores[static_cast<std::size_t>(k)] =
        k < used ? best.Entries()[static_cast<std::size_t>(k)].Position : kUnusedSlot;
  const double index = OwnRulesIndex(best, used, golfer, options);

  result.Index = index;
  result.N = used;
  result.Counted = counted;
  result.IndexTenths = ClampToInt(RoundHalfEven(index * 10.0));
  // Without a target nothing is sent, so there are no lines to make.
  if (target.TargetKind() != IndexTarget::Kind::kNone) {
    result.Lines = ReportLines(scores, CutAtNul(golfer.LongName), counted, used, best.Entries(),
                               index, forDialog, options);
    Send(result.Lines, used, target);
  }
  return result;
}

// ---- The World Handicap System

constexpr std::size_t kMaxWhsLine = 80;

std::string LineA(const ScoreTable& scores, const std::string& name, int counted,
                  bool scoreListLineA) {
  std::string a = IntToStr(scores.Count()) + " scores on file for " + name + ".";
  if (counted <= 19 && !scoreListLineA) a += "  (" + IntToStr(counted) + " are valid)";
  return a;
}

// "Exceptional scores: 06/01/2023 less 1.0, 07/15/2023 less 2.0." while that
// fits in a line; else how many there are.
std::string ExceptionalLine(const ScoreTable& scores, const WhsIndexDetail& d, DateOrder order) {
  std::string line = "Exceptional scores: ";
  // Newest first, as the table and the differentials are listed.
  for (auto it = d.Exceptional.rbegin(); it != d.Exceptional.rend(); ++it) {
    if (it != d.Exceptional.rbegin()) line += ", ";
    line +=
        StoredDateToDisplay(scores[it->first].Date, order) + " less " + FormatTenths(it->second);
  }
  line += ".";
  if (line.size() <= kMaxWhsLine) return line;
  return "Exceptional scores: " + IntToStr(static_cast<long long>(d.Exceptional.size())) +
         " rounds, each reducing the differentials of its day and before.";
}

// The caps against the low index and the 54.0 maximum, or nothing to say.
std::string CapLine(const WhsIndexDetail& d) {
  const std::string maximum = FormatTenths(kWhsMaxIndexTenths);
  if (!d.LowIndexTenths)
    return d.MaxIndexCap ? "Index " + FormatTenths(d.UncappedTenths) + " held to the maximum of " +
                               maximum + "."
                         : "";
  std::string line = "Low index " + FormatTenths(*d.LowIndexTenths) + ": ";
  if (d.Caps.SoftCap)
    line += std::string(d.Caps.HardCap ? "soft and hard cap, " : "soft cap, ") +
            FormatTenths(d.UncappedTenths) + " becomes " + FormatTenths(d.Caps.Tenths);
  else
    line += "no cap needed";
  if (d.MaxIndexCap) line += ", held to " + maximum;
  return line + ".";
}

// The explanation under WHS: line A, line B with the count rule, the used
// differentials with their reductions, the exceptional scores, the caps, an
// empty line and line Z. At most 14 lines, the dialog's fields.
std::vector<std::string> WhsReportLines(const ScoreTable& scores, const std::string& name,
                                        const WhsIndexDetail& d, const IndexResult& result,
                                        bool forDialog, const IndexOptions& options) {
  std::vector<std::string> lines;
  lines.push_back(LineA(scores, name, d.Counted, options.ScoreListLineA));
  if (!d.HasIndex) {
    const int more = result.RoundsNeeded;
    lines.push_back(std::string("World Handicap System: a golfer needs 3 valid scores; ") +
                    IntToStr(more) + (more == 1 ? " more is needed." : " more are needed."));
  } else {
    std::string b = "World Handicap System: lowest " + IntToStr(d.Rule.Lowest) + " of " +
                    IntToStr(d.Differentials) + " differentials";
    if (d.Rule.AdjustmentTenths != 0) b += ", less " + FormatTenths(-d.Rule.AdjustmentTenths);
    lines.push_back(b + ".");
  }
  for (std::size_t k = 0; k < d.Used.size(); ++k) {
    const WhsUsedRound& u = d.Used[k];
    const TScoreRec& round = scores[u.Position];
    std::string line = "Differential " + IntToStr(static_cast<long long>(k) + 1) + "   = ";
    if (forDialog && u.Tenths < 100) line += ' ';
    line += FormatTenths(u.Tenths, 4) + "  " + StoredDateToDisplay(round.Date, options.Order) +
            "  " + CutAtNul(round.CourseName);
    if (u.ReductionTenths != 0) line += "  (less " + FormatTenths(u.ReductionTenths) + ")";
    lines.push_back(std::move(line));
  }
  if (!d.Exceptional.empty()) lines.push_back(ExceptionalLine(scores, d, options.Order));
  if (std::string caps = CapLine(d); !caps.empty()) lines.push_back(std::move(caps));
  lines.emplace_back();
  lines.push_back("The current index for " + name + " is " + FormatIndexOrNh(result));
  return lines;
}

IndexResult ComputeWhsIndex(ScoreTable& scores, const IndexGolfer& golfer, IndexTarget& target,
                            const IndexOptions& options) {
  const bool forDialog = target.TargetKind() == IndexTarget::Kind::kDialog;
  const WhsReplay replay(scores);
  const WhsIndexDetail& d = replay.Current();

  // As under the program's own rules, the counted rounds whose rating or
  // slope is "XXX" (they have no differential) get the rating "0.0".
  for (int p = 1, counted = 0; counted < d.Counted && p <= scores.Count(); ++p) {
    TScoreRec& round = scores[p];
    if (!IsCompleteScore(round)) continue;
    ++counted;
    if (HasUnsetRating(round)) round.Rating = kNoRating;
  }

  IndexResult result;
  result.Rules = HandicapRules::kWhs;
  result.Counted = d.Counted;
  result.N = static_cast<int>(d.Used.size());
  result.UsedScores.fill(kUnusedSlot);
  for (std::size_t k = 0; k < d.Used.size(); ++k) {
    result.UsedScores[k] = d.Used[k].Position;
    result.Reductions[k] = d.Used[k].ReductionTenths;
  }
  result.HasIndex = d.HasIndex;
  result.IndexTenths = d.IndexTenths;
  result.Index = d.HasIndex ? d.IndexTenths / 10.0 : 0.0;
  result.Differentials = d.Differentials;
  result.RoundsNeeded = d.HasIndex ? 0 : kWhsMinDifferentials - d.Differentials;
  result.AdjustmentTenths = d.Rule.AdjustmentTenths;
  result.UncappedTenths = d.UncappedTenths;
  result.HasLowIndex = d.LowIndexTenths.has_value();
  result.LowIndexTenths = d.LowIndexTenths.value_or(0);
  result.SoftCap = d.Caps.SoftCap;
  result.HardCap = d.Caps.HardCap;
  result.MaxIndexCap = d.MaxIndexCap;
  result.ExceptionalRounds = static_cast<int>(d.Exceptional.size());

  if (target.TargetKind() != IndexTarget::Kind::kNone) {
    result.Lines = WhsReportLines(scores, CutAtNul(golfer.LongName), d, result, forDialog, options);
    if (forDialog) {
      // One line to a field, from Field1.
      auto& fields = static_cast<IndexDialogFields&>(target).Field;
      for (std::size_t k = 0; k < result.Lines.size() && k < fields.size(); ++k)
        fields[k] = result.Lines[k];
    } else {
      Send(result.Lines, result.N, target);
    }
  }
  return result;
}

}  // namespace

IndexResult ComputeIndex(ScoreTable& scores, const IndexGolfer& golfer, IndexTarget& target,
                         const IndexOptions& options) {
  if (target.TargetKind() == IndexTarget::Kind::kDialog)
    for (std::string& field : static_cast<IndexDialogFields&>(target).Field) field.clear();
  if (options.Rules == HandicapRules::kWhs) return ComputeWhsIndex(scores, golfer, target, options);
  return ComputeOwnRulesIndex(scores, golfer, target, options);
}

std::vector<IndexPoint> ReplayIndexes(const ScoreTable& scores, const IndexGolfer& golfer,
                                      const IndexOptions& options) {
  std::vector<IndexPoint> points;
  if (options.Rules == HandicapRules::kWhs) {
    const WhsReplay replay(scores);
    points.reserve(replay.Held().size());
    for (std::size_t i = 0; i < replay.Held().size(); ++i) {
      const HeldIndex& held = replay.Held()[i];
      points.push_back(IndexPoint{replay.Dates()[i], held.HasIndex, held.Tenths,
                                  held.HasIndex ? held.Tenths / 10.0 : 0.0});
    }
    return points;
  }

  // The program's own rules: each day's index from the newest 20 complete
  // rounds up to that day, as ComputeIndex walks them, over differentials
  // worked out once.
  struct CountedRound {
    const TScoreRec* Round = nullptr;
    bool Usable = false;
    double Differential = 0.0;
  };
  std::vector<CountedRound> rounds;  // oldest first
  rounds.reserve(static_cast<std::size_t>(scores.Count()));
  for (int p = scores.Count(); p >= 1; --p) {
    const TScoreRec& round = scores[p];
    if (!IsCompleteScore(round)) continue;
    CountedRound counted{&round, false, 0.0};
    if (!HasUnsetRating(round)) {
      const std::optional<double> d = OwnRulesDifferential(round);
      counted.Usable = d.has_value();
      counted.Differential = d.value_or(0.0);
    }
    rounds.push_back(counted);
  }
  for (std::size_t last = 0; last < rounds.size(); ++last) {
    const FixedText<kDateRoom>& date = rounds[last].Round->Date;
    if (last + 1 < rounds.size() && rounds[last + 1].Round->Date == date) continue;
    // The newest 20 up to this day, newest first as the table has them.
    BestList best;
    int counted = 0;
    for (std::size_t i = last + 1; i-- > 0 && counted < kWindow; ++counted)
      if (rounds[i].Usable) best.Offer(rounds[i].Differential, 0);
    const int used = DifferentialsUsed(counted, best);
    const double index = OwnRulesIndex(best, used, golfer, options);
    points.push_back(IndexPoint{date.str(), true, ClampToInt(RoundHalfEven(index * 10.0)), index});
  }
  return points;
}

std::vector<RoundFigures> RoundFiguresOf(const ScoreTable& scores, const IndexResult& index) {
  std::vector<RoundFigures> figures;
  figures.reserve(static_cast<std::size_t>(scores.Count()));
  const auto usedEnd = index.UsedScores.begin() + std::clamp(index.N, 0, kBestSize);
  for (int p = 1; p <= scores.Count(); ++p)
    figures.push_back({TrimBlanks(RoundDifferentialText(scores[p], index.Rules)),
                       std::find(index.UsedScores.begin(), usedEnd, p) != usedEnd});
  return figures;
}

std::string FormatIndex(double index) {
  return FormatFixed(index, 4, 1);
}

std::string FormatIndexOrNh(const IndexResult& result, int width) {
  return result.HasIndex ? FormatFixed(result.Index, width, 1) : PadLeft(kNoIndexText, width);
}

}  // namespace fw
