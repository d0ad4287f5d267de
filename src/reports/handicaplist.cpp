#include "reports/handicaplist.h"

#include "data/convert.h"
#include "data/cp1252.h"
#include "data/csv.h"
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

std::vector<HandicapListRow> HandicapListRows(const WorkFolder& folder, const GolferTable& golfers,
                                              std::span<const int> places,
                                              const TCourseSummary& course,
                                              const IndexOptions& options, ScoreTable& scores) {
  std::vector<HandicapListRow> rows;
  rows.reserve(places.size());
  NoIndexOutput none;
  for (int place : places) {
    const TGolferRec& golfer = golfers[place];
    LoadScoreFile(folder, ScoreFileName(golfer.ShortName), scores);
    SortScores(scores);
    HandicapListRow row;
    row.LongName = golfer.LongName.str();
    const IndexResult index =
        ComputeIndex(scores, IndexGolfer{row.LongName, golfer.Sex}, none, options);
    row.Index = index.Index;
    row.IndexText = FormatIndexOrNh(index, 5);
    row.CourseHandicap = CourseHandicapFor(index, course);
    if (row.CourseHandicap)
      row.PredictedScore = PredictedScoreOf(*row.CourseHandicap, course.ParTotal);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string HandicapListCsv(std::span<const HandicapListRow> rows) {
  std::string out;
  AppendCsvRecord(out, {"Golfer", "Index", "Course handicap", "Predicted score"});
  for (const HandicapListRow& row : rows)
    AppendCsvRecord(out, {Cp1252ToUtf8(row.LongName),
                          row.CourseHandicap ? FormatFixed(row.Index, 1, 1) : kNoIndexText,
                          row.CourseHandicap ? IntToStr(*row.CourseHandicap) : kNoIndexText,
                          row.PredictedScore ? IntToStr(*row.PredictedScore) : kNoIndexText});
  return out;
}

ReportLines HandicapListLines(const WorkFolder& folder, GolferTable& golfers,
                              std::span<const int> places, const TCourseSummary& course,
                              const ReportDate& today, const IndexOptions& options,
                              ScoreTable& scores) {
  ReportLines lines;
  lines.reserve(places.size() + 8);
  lines.push_back("FAIRWICK COURSE HANDICAPS AS OF:  " + FormatReportDate(today, options.Order));
  InsertRulesLine(lines, options.Rules);
  lines.emplace_back();
  lines.push_back("Course: " + course.Name);
  lines.push_back("Rating: " + course.Rating + "  Slope: " + course.Slope +
                  "  Par: " + course.ParTotal);
  lines.emplace_back();
  lines.push_back("                                 Course   Predicted");
  lines.push_back("Golfer                 Index   Handicap       Score");
  lines.emplace_back();

  for (const HandicapListRow& row :
       HandicapListRows(folder, golfers, places, course, options, scores)) {
    if (!row.CourseHandicap) {
      lines.push_back(GolferLine(row.LongName, row.IndexText, kNoIndexText, kNoIndexText));
      continue;
    }
    lines.push_back(
        HandicapListGolferLine(row.LongName, row.Index, *row.CourseHandicap, *row.PredictedScore));
  }
  return lines;
}

}  // namespace fw
