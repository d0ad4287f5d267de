#pragma once
// A generated golf club for the benchmarks: golfers with realistic rounds, kept
// as score files in a temporary folder that is removed again at the end.

#include <filesystem>
#include <string>
#include <vector>

#include "handicap/handicapindex.h"

namespace fwbench {

struct ClubGolfer {
  std::string FileName;  // short name + ".fwp"
  fw::IndexGolfer Golfer;
};

class Club {
 public:
  // Writes `golfers` score files of `rounds` rounds each, newest first, as the
  // program saves them. The same seed gives the same bytes.
  Club(int golfers, int rounds, unsigned seed = 20020110);
  ~Club();
  Club(const Club&) = delete;
  Club& operator=(const Club&) = delete;

  const std::filesystem::path& Dir() const { return dir_; }
  const std::vector<ClubGolfer>& Golfers() const { return golfers_; }
  int RoundsPerGolfer() const { return rounds_; }
  long long TotalRounds() const { return static_cast<long long>(golfers_.size()) * rounds_; }
  long long TotalBytes() const { return bytes_; }

 private:
  std::filesystem::path dir_;
  std::vector<ClubGolfer> golfers_;
  int rounds_;
  long long bytes_ = 0;
};

}  // namespace fwbench
