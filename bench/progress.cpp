// How fast the progress window opens for a golfer with the most rounds a
// score file holds (200): the chart's series and the figures made from the
// rounds, one paint of the chart into an offscreen image, and the whole window
// made, filled and drawn offscreen, each under the program's own rules (Arg 0)
// and under the World Handicap System (Arg 1). The window should open within
// 0.1 s under either; the figures are printed at the end.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdio>

#include "club.h"
#include "data/courselist.h"
#include "data/scorefile.h"
#include "golfers/fwprogress.h"
#include "golfers/progresschart.h"
#include "reports/progressstats.h"
#include "ui/appstate.h"

namespace {

constexpr int kRounds = 200;

struct Golfer {
  fwbench::Club club{1, kRounds};
  fw::ScoreTable scores;
  fw::CourseTable courses;  // the courses played, par 4 on every hole

  Golfer() {
    fw::LoadScoreFile(fw::WorkFolder(club.Dir()), club.Golfers()[0].FileName, scores);
    fw::SortScores(scores);
    for (const fw::TScoreRec& round : scores) {
      if (fw::FindCourse(courses, round.CourseName)) continue;
      fw::TCourseRec course = fw::InitCourseRec();
      course.Name = round.CourseName;
      course.Pars.fill("4");
      courses.Append(course);
    }
  }
};

const Golfer& TheGolfer() {
  static const Golfer golfer;
  return golfer;
}

fw::HandicapRules RulesOf(const benchmark::State& state) {
  return state.range(0) == 1 ? fw::HandicapRules::kWhs : fw::HandicapRules::kFairwick;
}

void BM_ProgressData(benchmark::State& state) {
  const Golfer& g = TheGolfer();
  fw::IndexOptions options;
  options.Rules = RulesOf(state);
  for (auto _ : state) {
    const fw::ProgressSeries series =
        fw::BuildProgressSeries(g.scores, g.club.Golfers()[0].Golfer, options);
    const auto lines = fw::ProgressStatsLines(fw::ComputeProgressStats(g.scores, g.courses));
    const auto courses = fw::HoleByHoleCourses(g.scores, g.courses);
    const auto holes = fw::HoleAverageLines(fw::HoleAveragesOn(g.scores, courses.at(0), g.courses));
    benchmark::DoNotOptimize(series.Rounds.data());
    benchmark::DoNotOptimize(lines.data());
    benchmark::DoNotOptimize(holes.data());
  }
}
BENCHMARK(BM_ProgressData)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ProgressPaint(benchmark::State& state) {
  const Golfer& g = TheGolfer();
  const fw::ProgressSeries series =
      fw::BuildProgressSeries(g.scores, g.club.Golfers()[0].Golfer, fw::IndexOptions());
  QImage image(960, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    fw::ui::PaintProgressChart(painter, image.rect(), series, {QStringLiteral("Golfer")});
  }
}
BENCHMARK(BM_ProgressPaint)->Unit(benchmark::kMillisecond);

// The window replays the index under the rules of the settings, as it does
// when the golfer list or the score list opens it.
void BM_ProgressWindowOpen(benchmark::State& state) {
  const Golfer& g = TheGolfer();
  fw::ui::App().Rules = RulesOf(state);
  for (auto _ : state) {
    auto* form = new TProgressForm;
    form->ShowGolfer(QStringLiteral("Golfer"), 0, QStringLiteral("GOLF0001"), g.scores, g.courses);
    QImage shown(form->size(), QImage::Format_RGB32);
    form->render(&shown);
    delete form;
  }
}
BENCHMARK(BM_ProgressWindowOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

class FastestReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // The fastest repetition, the least disturbed by other load, for each rules.
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations <= 0 ||
          run.run_name.function_name != "BM_ProgressWindowOpen")
        continue;
      const std::size_t rules = run.run_name.args == "1" ? 1 : 0;
      const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
      double& fastest = openSeconds[rules];
      fastest = fastest > 0 ? std::min(fastest, seconds) : seconds;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::array<double, 2> openSeconds{};  // the program's own rules, WHS
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform reports every raise() it cannot do; that is noise here.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support")))
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  fw::ui::StartApp(TheGolfer().club.Dir());
  FastestReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const char* const rules[] = {"the program's own rules", "the World Handicap System"};
  for (std::size_t r = 0; r < 2; ++r)
    if (reporter.openSeconds[r] > 0)
      std::printf(
          "\nProgress window for %d rounds under %s: %.1f ms to open and draw (aim: 100 ms)",
          kRounds, rules[r], reporter.openSeconds[r] * 1e3);
  std::printf("\n");
  benchmark::Shutdown();
  return 0;
}
