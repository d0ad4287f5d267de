#include "reports/handicaplist.h"

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"

namespace fw {
namespace {

constexpr std::size_t kMaxLine = 121;
constexpr std::size_t kIndexRoom = 12;

}  // namespace

std::string HandicapListGolferLine(std::string_view longName, double index, int courseHandicap,
                                   int predictedScore) {
  std::string line = PadRight(longName, 20);
  line += "   ";
  std::string indexText = FormatFixed(index, 5, 1);
  if (indexText.size() > kIndexRoom) indexText.resize(kIndexRoom);
  line += indexText;
  line += "        ";
  line += PadLeft(IntToStr(courseHandicap), 3);
  line += "         ";
  line += PadLeft(IntToStr(predictedScore), 3);
  if (line.size() > kMaxLine) line.resize(kMaxLine);
  return line;
}

ReportLines HandicapListLines(const WorkFolder& folder, GolferTable& golfers,
                              std::span<const int> places, const TCourseSummary& course,
                              const ReportDate& today, const IndexOptions& options,
                              ScoreTable& scores) {
  ReportLines lines;
  lines.reserve(places.size() + 8);
  lines.push_back("FAIRWICK COURSE HANDICAPS AS OF:  " + FormatReportDate(today));
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
    const double index =
        ComputeIndex(scores, IndexGolfer{golfer.LongName.str(), golfer.Sex}, none, options).Index;
    const int courseHandicap = CourseHandicapOf(index, StrToFloat(course.Slope));
    const int predicted = PredictedScoreOf(courseHandicap, course.ParTotal);
    lines.push_back(HandicapListGolferLine(golfer.LongName, index, courseHandicap, predicted));
  }
  return lines;
}

}  // namespace fw
