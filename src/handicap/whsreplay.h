#pragma once
// A golfer's rounds replayed day by day under the World Handicap System: the
// index after each day with a complete round, each built on the days before
// it (the exceptional-score reductions against the index held before the day,
// the caps against the low index of the year before). The index calculation
// and ReplayIndexes take their WHS figures from here.

#include <optional>
#include <string>
#include <vector>

#include "data/scorefile.h"
#include "handicap/whs.h"

namespace fw {

// One of the lowest differentials that made an index.
struct WhsUsedRound {
  int Position = 0;         // in the score table, from 1
  int Tenths = 0;           // the differential as used, reductions taken off
  int ReductionTenths = 0;  // the exceptional-score reductions taken off
};

// How one day's index came about.
struct WhsIndexDetail {
  int Counted = 0;        // complete rounds of the newest 20
  int Differentials = 0;  // of them, those with a differential
  WhsCountRule Rule;
  std::vector<WhsUsedRound> Used;  // lowest first; the newer first among equals
  bool HasIndex = false;
  int UncappedTenths = 0;  // average and adjustment, rounded
  std::optional<int> LowIndexTenths;
  WhsCapped Caps;
  bool MaxIndexCap = false;
  int IndexTenths = 0;
  // The exceptional rounds among the newest 20: position and reduction.
  std::vector<std::pair<int, int>> Exceptional;
};

class WhsReplay {
 public:
  // Replays the complete rounds of `scores`, which is sorted newest first.
  // Throws ConversionError on a complete round whose score, rating or slope
  // is not a number.
  explicit WhsReplay(const ScoreTable& scores);

  // One entry per day with a complete round, oldest first.
  const std::vector<std::string>& Dates() const { return dates_; }
  const std::vector<HeldIndex>& Held() const { return held_; }
  // The calculation of the newest day; no index when there is no round.
  const WhsIndexDetail& Current() const { return current_; }

 private:
  struct Round {
    int Position = 0;
    std::optional<WhsDifferential> Differential;
    int ReductionTenths = 0;
    int ExceptionalTenths = 0;
  };
  // The index after the rounds [0, last] of the replay, whose newest day
  // starts at `dayStart`.
  void ComputeDay(std::size_t dayStart, std::size_t last);

  std::vector<Round> rounds_;  // complete rounds, oldest first
  std::vector<std::string> dates_;
  std::vector<HeldIndex> held_;
  WhsIndexDetail current_;
};

}  // namespace fw
