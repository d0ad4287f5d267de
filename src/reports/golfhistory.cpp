#include "reports/golfhistory.h"

#include <algorithm>

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"

namespace fw {
namespace {

constexpr std::size_t kMaxLine = 121;

std::string ScoreLine(int n, const TScoreRec& round, char mark, const IndexOptions& options) {
  std::string line(1, mark);
  line += PadLeft(IntToStr(n), 3);
  line += " - ";
  line += StoredDateToDisplay(round.Date, options.Order);
  line += "  ";
  line += PadRight(round.CourseName, 21);
  line += "  ";
  line += PadLeft(round.TotalScore, 3);
  line += "  ";
  line += PadLeft(round.AdjustedScore, 3);
  line += "  ";
  line += round.Rating;
  line += "    ";
  line += round.Slope;
  line += "    ";
  line += RoundDifferentialText(round, options.Rules);
  if (line.size() > kMaxLine) line.resize(kMaxLine);
  return line;
}

}  // namespace

ReportLines GolfHistoryLines(ScoreTable& scores, const TGolferRec& golfer,
                             const IndexOptions& options) {
  ReportLines lines;
  lines.reserve(static_cast<std::size_t>(scores.Count()) + 20);
  lines.push_back("FAIRWICK PERSONAL GOLF HISTORY FOR:  " + golfer.LongName);
  InsertRulesLine(lines, options.Rules);
  lines.emplace_back();

  ReportLineCollector collector(lines);
  IndexPrinter target(collector);
  const IndexResult index =
      ComputeIndex(scores, IndexGolfer{golfer.LongName.str(), golfer.Sex}, target, options);

  lines.emplace_back();
  lines.push_back("       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF");
  if (scores.Empty()) {
    lines.emplace_back();
    lines.push_back("    NO SCORES ON FILE FOR THIS GOLFER");
    return lines;
  }
  const auto usedEnd = index.UsedScores.begin() + index.N;
  for (int n = 1; n <= scores.Count(); ++n) {
    const TScoreRec& round = scores[n];
    char mark = ' ';
    if (std::find(index.UsedScores.begin(), usedEnd, n) != usedEnd)
      mark = '*';
    else if (!IsCompleteScore(round))
      mark = 'I';
    lines.push_back(ScoreLine(n, round, mark, options));
  }
  lines.emplace_back();
  lines.push_back("* = score used in index calculation.");
  return lines;
}

}  // namespace fw
