#include "handicap/whsreplay.h"

#include <algorithm>

#include "data/textutil.h"
#include "handicap/scoreeval.h"

namespace fw {

WhsReplay::WhsReplay(const ScoreTable& scores) {
  rounds_.reserve(static_cast<std::size_t>(scores.Count()));
  // The table is newest first, so walking it backwards is date order; among
  // rounds of one day the one further down the table counts as the older.
  std::size_t dayStart = 0;
  for (int p = scores.Count(); p >= 1; --p) {
    const TScoreRec& round = scores[p];
    if (!IsCompleteScore(round)) continue;
    if (!rounds_.empty() && round.Date != dates_.back()) ComputeDay(dayStart, rounds_.size() - 1);
    if (rounds_.empty() || round.Date != dates_.back()) {
      dayStart = rounds_.size();
      dates_.push_back(round.Date.str());
    }
    rounds_.push_back(Round{p, WhsRoundDifferential(round), 0, 0});
  }
  if (!rounds_.empty()) ComputeDay(dayStart, rounds_.size() - 1);
}

void WhsReplay::ComputeDay(std::size_t dayStart, std::size_t last) {
  WhsIndexDetail& d = current_;
  const std::size_t first = last + 1 > kWhsWindow ? last + 1 - kWhsWindow : 0;

  // Exceptional scores, each against the index held before this day, reduce
  // every one of the newest 20 differentials, their own included.
  int reduction = 0;
  if (!held_.empty() && held_.back().HasIndex)
    for (std::size_t i = dayStart; i <= last; ++i)
      if (rounds_[i].Differential) {
        rounds_[i].ExceptionalTenths =
            ExceptionalReductionTenths(*rounds_[i].Differential, held_.back().Tenths);
        reduction += rounds_[i].ExceptionalTenths;
      }
  d.Counted = static_cast<int>(last + 1 - first);
  d.Exceptional.clear();
  d.Used.clear();
  for (std::size_t i = first; i <= last; ++i) {
    Round& r = rounds_[i];
    r.ReductionTenths += reduction;
    if (r.ExceptionalTenths) d.Exceptional.emplace_back(r.Position, r.ExceptionalTenths);
    if (r.Differential)
      d.Used.push_back(WhsUsedRound{r.Position, r.Differential->Tenths() - r.ReductionTenths,
                                    r.ReductionTenths});
  }
  d.Differentials = static_cast<int>(d.Used.size());
  d.Rule = WhsDifferentialsToUse(d.Differentials);
  d.HasIndex = d.Rule.Lowest > 0;
  d.LowIndexTenths.reset();
  d.Caps = WhsCapped{};
  d.MaxIndexCap = false;
  d.UncappedTenths = d.IndexTenths = 0;

  const std::size_t lowest = static_cast<std::size_t>(d.Rule.Lowest);
  // The lowest first; among equal differentials the newer round, which stands
  // higher in the table.
  std::partial_sort(d.Used.begin(), d.Used.begin() + static_cast<std::ptrdiff_t>(lowest),
                    d.Used.end(), [](const WhsUsedRound& a, const WhsUsedRound& b) {
                      return a.Tenths != b.Tenths ? a.Tenths < b.Tenths : a.Position < b.Position;
                    });
  d.Used.resize(lowest);
  if (d.HasIndex) {
    long long sum = 0;
    for (const WhsUsedRound& u : d.Used) sum += u.Tenths;
    d.UncappedTenths = WhsAverageTenths(sum, d.Rule.Lowest, d.Rule.AdjustmentTenths);
    d.IndexTenths = d.UncappedTenths;
    if (last + 1 >= static_cast<std::size_t>(kWhsWindow)) d.LowIndexTenths = LowIndexTenths(held_);
    if (d.LowIndexTenths) {
      d.Caps = ApplyWhsCaps(d.IndexTenths, *d.LowIndexTenths);
      d.IndexTenths = d.Caps.Tenths;
    }
    if (d.IndexTenths > kWhsMaxIndexTenths) {
      d.IndexTenths = kWhsMaxIndexTenths;
      d.MaxIndexCap = true;
    }
  }
  held_.push_back(HeldIndex{DayOfStoredDate(dates_.back()), d.HasIndex, d.IndexTenths});
}

}  // namespace fw
