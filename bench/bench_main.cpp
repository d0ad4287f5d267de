// Loading a whole club: every golfer's score file read, parsed and sorted, and
// every golfer's index computed, against merely reading the same bytes.
//
// BM_LoadSortIndex and BM_RawRead are the comparison; the ratio of their times
// is printed at the end. The other benchmarks take the first one apart to show
// where its time goes.
//
// BM_HandicapListToFile is the handicap list of the whole club on one course,
// written to its report file; its ratio to BM_LoadSortIndex, whose work it
// repeats, shows what the report itself adds.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "club.h"
#include "data/scorefile.h"
#include "data/workfolder.h"
#include "handicap/handicapindex.h"
#include "reports/handicaplist.h"
#include "reports/reportoutput.h"

namespace {

constexpr int kGolfers = 300;
constexpr int kRounds = 200;

const fwbench::Club& TheClub() {
  static const fwbench::Club club(kGolfers, kRounds);
  return club;
}

void CountRounds(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  state.counters["rounds/s"] = benchmark::Counter(static_cast<double>(club.TotalRounds()),
                                                  benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * club.TotalBytes());
}

// The bytes of one file, read the plainest way: open, size, one read, close.
std::string ReadRaw(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  struct stat st {};
  ::fstat(fd, &st);
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t have = 0;
  while (have < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n <= 0) break;
    have += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(have);
  return bytes;
}

void BM_LoadSortIndex(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  const fw::WorkFolder folder(club.Dir());
  fw::ScoreTable scores;
  fw::NoIndexOutput none;
  const fw::IndexOptions options;
  for (auto _ : state) {
    for (const fwbench::ClubGolfer& g : club.Golfers()) {
      fw::LoadScoreFile(folder, g.FileName, scores);
      fw::SortScores(scores);
      const fw::IndexResult r = fw::ComputeIndex(scores, g.Golfer, none, options);
      benchmark::DoNotOptimize(r.Index);
    }
  }
  CountRounds(state);
}
BENCHMARK(BM_LoadSortIndex)->Unit(benchmark::kMillisecond);

void BM_RawRead(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  std::vector<std::string> paths;
  for (const fwbench::ClubGolfer& g : club.Golfers()) paths.push_back(club.Dir() / g.FileName);
  for (auto _ : state) {
    for (const std::string& path : paths) {
      std::string bytes = ReadRaw(path);
      benchmark::DoNotOptimize(bytes.data());
    }
  }
  CountRounds(state);
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

// The report's side of the output procedure: always the file, no messages.
class FileChoice final : public fw::ReportOutputChoice {
 public:
  int AskPrinterOrFile(const std::string&) override { return fw::kChooseFile; }
  std::unique_ptr<fw::PrintDevice> ChoosePrinter() override { return nullptr; }
  bool ShowPreview(const fw::PagePainter&) override { return false; }
};
class NoMessages final : public fw::Messenger {
 public:
  void ShowMessage(const std::string&) override {}
};

void BM_HandicapListToFile(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  const fw::WorkFolder folder(club.Dir());
  fw::GolferTable golfers;
  std::vector<int> places;
  for (const fwbench::ClubGolfer& g : club.Golfers()) {
    const std::string shortName = g.FileName.substr(0, g.FileName.size() - 4);  // no ".fwp"
    golfers.Append(fw::TGolferRec{g.Golfer.LongName, shortName, g.Golfer.Sex});
    places.push_back(golfers.Count());
  }
  const fw::TCourseSummary course{"Oak Hills", "70.5", "121", "72"};
  const fw::ReportDate today{2024, 10, 31, '/'};
  const fw::IndexOptions options;
  fw::ScoreTable scores;
  FileChoice choice;
  NoMessages messages;
  for (auto _ : state) {
    fw::OutputReport(fw::HandicapListDestination(), choice, messages, folder, [&] {
      return fw::HandicapListLines(folder, golfers, places, course, today, options, scores);
    });
  }
  CountRounds(state);
}
BENCHMARK(BM_HandicapListToFile)->Unit(benchmark::kMillisecond);

// Of BM_HandicapListToFile, the durable replace of the report file alone: its
// bytes written beside it, flushed to disk and renamed over it.
void BM_PartReportReplace(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  const fw::WorkFolder folder(club.Dir());
  fw::ReportLines lines(8, "heading");
  for (const fwbench::ClubGolfer& g : club.Golfers())
    lines.push_back(fw::HandicapListGolferLine(g.Golfer.LongName, 12.3, 14, 86));
  const std::string bytes = fw::ReportFileBytes(lines);
  for (auto _ : state) folder.Replace(fw::HandicapListDestination().FileName, bytes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_PartReportReplace)->Unit(benchmark::kMillisecond);

// The parts of BM_LoadSortIndex on their own.

void BM_PartReadAll(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  const fw::WorkFolder folder(club.Dir());
  for (auto _ : state) {
    for (const fwbench::ClubGolfer& g : club.Golfers()) {
      std::string bytes = folder.ReadAll(g.FileName);
      benchmark::DoNotOptimize(bytes.data());
    }
  }
  CountRounds(state);
}
BENCHMARK(BM_PartReadAll)->Unit(benchmark::kMillisecond);

void BM_PartParse(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  std::vector<std::string> files;
  for (const fwbench::ClubGolfer& g : club.Golfers())
    files.push_back(ReadRaw(club.Dir() / g.FileName));
  fw::ScoreTable scores;
  for (auto _ : state) {
    for (const std::string& bytes : files) {
      fw::ParseScoreFile(bytes, scores);
      benchmark::DoNotOptimize(scores.Count());
    }
  }
  CountRounds(state);
}
BENCHMARK(BM_PartParse)->Unit(benchmark::kMillisecond);

// Tables parsed once; sorting a sorted table repeats exactly the work of a load.
std::vector<fw::ScoreTable> ParsedClub() {
  const fwbench::Club& club = TheClub();
  std::vector<fw::ScoreTable> tables(club.Golfers().size());
  for (std::size_t i = 0; i < tables.size(); ++i) {
    fw::ParseScoreFile(ReadRaw(club.Dir() / club.Golfers()[i].FileName), tables[i]);
    fw::SortScores(tables[i]);
  }
  return tables;
}

void BM_PartSort(benchmark::State& state) {
  std::vector<fw::ScoreTable> tables = ParsedClub();
  for (auto _ : state) {
    for (fw::ScoreTable& t : tables) {
      fw::SortScores(t);
      benchmark::DoNotOptimize(t[1].Date.data());
    }
  }
  CountRounds(state);
}
BENCHMARK(BM_PartSort)->Unit(benchmark::kMillisecond);

void BM_PartIndex(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  std::vector<fw::ScoreTable> tables = ParsedClub();
  fw::NoIndexOutput none;
  const fw::IndexOptions options;
  for (auto _ : state) {
    for (std::size_t i = 0; i < tables.size(); ++i) {
      const fw::IndexResult r =
          fw::ComputeIndex(tables[i], club.Golfers()[i].Golfer, none, options);
      benchmark::DoNotOptimize(r.Index);
    }
  }
  CountRounds(state);
}
BENCHMARK(BM_PartIndex)->Unit(benchmark::kMillisecond);

// The index after every day of one golfer's 200 rounds, as the progress chart
// draws it, under the program's own rules (0) and under WHS (1).
void BM_ReplayIndexes(benchmark::State& state) {
  const fwbench::Club& club = TheClub();
  const std::vector<fw::ScoreTable> tables = ParsedClub();
  fw::IndexOptions options;
  options.Rules = state.range(0) ? fw::HandicapRules::kWhs : fw::HandicapRules::kFairwick;
  for (auto _ : state) {
    const std::vector<fw::IndexPoint> points =
        fw::ReplayIndexes(tables.front(), club.Golfers().front().Golfer, options);
    benchmark::DoNotOptimize(points.data());
  }
}
BENCHMARK(BM_ReplayIndexes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Shows the usual table and keeps, for each benchmark, the fastest real and CPU
// seconds per iteration over its repetitions (the least disturbed by other load).
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  struct Seconds {
    double Real = 0;
    double Cpu = 0;
  };

  RecordingReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations <= 0) continue;
      const double n = static_cast<double>(run.iterations);
      auto [it, fresh] =
          seconds.try_emplace(run.run_name.function_name,
                              Seconds{run.real_accumulated_time / n, run.cpu_accumulated_time / n});
      if (!fresh) {
        it->second.Real = std::min(it->second.Real, run.real_accumulated_time / n);
        it->second.Cpu = std::min(it->second.Cpu, run.cpu_accumulated_time / n);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::map<std::string, Seconds> seconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const fwbench::Club& club = TheClub();
  std::printf("Club: %zu golfers x %d rounds, %lld bytes of score files in %s\n",
              club.Golfers().size(), club.RoundsPerGolfer(), club.TotalBytes(), club.Dir().c_str());
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto full = reporter.seconds.find("BM_LoadSortIndex");
  const auto raw = reporter.seconds.find("BM_RawRead");
  if (full != reporter.seconds.end() && raw != reporter.seconds.end()) {
    const double rounds = static_cast<double>(club.TotalRounds());
    const auto& a = full->second;
    const auto& b = raw->second;
    std::printf("\n%-22s %14s %14s\n", "", "real time", "CPU time");
    std::printf("%-22s %12.0f/s %12.0f/s  rounds\n", "load + sort + index", rounds / a.Real,
                rounds / a.Cpu);
    std::printf("%-22s %12.0f/s %12.0f/s  rounds\n", "raw read", rounds / b.Real, rounds / b.Cpu);
    std::printf("%-22s %14.2f %14.2f\n", "ratio (a) / (b)", a.Real / b.Real, a.Cpu / b.Cpu);
  }
  const auto list = reporter.seconds.find("BM_HandicapListToFile");
  if (full != reporter.seconds.end() && list != reporter.seconds.end()) {
    const auto& a = full->second;
    const auto& c = list->second;
    std::printf("\n%-22s %12.1fms %12.1fms\n", "load + sort + index", a.Real * 1e3, a.Cpu * 1e3);
    std::printf("%-22s %12.1fms %12.1fms\n", "handicap list to file", c.Real * 1e3, c.Cpu * 1e3);
    std::printf("%-22s %14.3f %14.3f\n", "ratio (c) / (a)", c.Real / a.Real, c.Cpu / a.Cpu);
    const auto replace = reporter.seconds.find("BM_PartReportReplace");
    if (replace != reporter.seconds.end()) {
      const auto& d = replace->second;
      std::printf("%-22s %12.1fms %12.1fms\n", "durable replace (d)", d.Real * 1e3, d.Cpu * 1e3);
      std::printf("%-22s %14.3f %14.3f\n", "ratio (c - d) / (a)", (c.Real - d.Real) / a.Real,
                  (c.Cpu - d.Cpu) / a.Cpu);
    }
  }
  benchmark::Shutdown();
  return 0;
}
