#include "reports/handicaplist.h"

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"

namespace fw {
namespace {

constexpr std::size_t kMaxLine = 121;
constexpr std::size_t kIndexRoom = 12;

// The line of texts already made: the index text (5 wide) cut to its room,
// the other two right-aligned in 3.
std::string GolferLine(std::string_view longName, std::string indexText,
                       std::string_view courseHandicap, std::string_view predictedScore) {
  std::string line = PadRight(longName, 20);
  line += "   ";
  if (indexText.size() > kIndexRoom) indexText.resize(kIndexRoom);
  line += indexText;
  line += "        ";
  line += PadLeft(courseHandicap, 3);
  line += "         ";
  line += PadLeft(predictedScore, 3);
  if (line.size() > kMaxLine) line.resize(kMaxLine);
  return line;
}

}  // namespace

std::string HandicapListGolferLine(std::string_view longName, double index, int courseHandicap,
                                   int predictedScore) {
  return GolferLine(longName, FormatFixed(index, 5, 1), IntToStr(courseHandicap),
                    IntToStr(predictedScore));
}

ReportLines HandicapListLines(const WorkFolder& folder, GolferTable& golfers,
                              std::span<const int> places, const TCourseSummary& course,
                              const ReportDate& today, const IndexOptions& options,
                              ScoreTable& scores) {
  ReportLines lines;
  lines.reserve(places.size() + 8);
  lines.push_back("FAIRWICK COURSE HANDICAPS AS OF:  " + FormatReportDate(today));
  InsertRulesLine(lines, options.Rules);
  lines.emplace_back();
  lines.push_back("Course: " + course.Name);
  lines.push_back("Rating: " + course.Rating + "  Slope: " + course.Slope +
                  "  Par: " + course.ParTotal);
  lines.emplace_back();
  lines.push_back("                                 Course   Predicted");
  lines.push_back("Golfer                 Index   Handicap       Score");
  lines.emplace_back();

  NoIndexOutput none;
  for (int place : places) {
    const TGolferRec& golfer = golfers[place];
    LoadScoreFile(folder, ScoreFileName(golfer.ShortName), scores);
    SortScores(scores);
    const IndexResult index =
        ComputeIndex(scores, IndexGolfer{golfer.LongName.str(), golfer.Sex}, none, options);
    const std::optional<int> courseHandicap = CourseHandicapFor(index, course);
    if (!courseHandicap) {
      lines.push_back(
          GolferLine(golfer.LongName, FormatIndexOrNh(index, 5), kNoIndexText, kNoIndexText));
      continue;
    }
    const int predicted = PredictedScoreOf(*courseHandicap, course.ParTotal);
    lines.push_back(
        HandicapListGolferLine(golfer.LongName, index.Index, *courseHandicap, predicted));
  }
  return lines;
}

}  // namespace fw
