// The report files of worked examples, byte for byte, made the way the windows
// make them: data files in a folder, the output procedure answering "File".

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "data/golferlist.h"
#include "data/recordingmessenger.h"
#include "data/scorefile.h"
#include "reports/coursehandicapreport.h"
#include "reports/golfhistory.h"
#include "reports/handicapcards.h"
#include "reports/handicaplist.h"
#include "reports/progressstats.h"
#include "reports/reportsupport.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using fwtest::RecordingMessenger;
using fwtest::ScoreLine;
using fwtest::ScriptedChoice;
using fwtest::TempFolder;
using Strings = std::vector<std::string>;

const TCourseSummary kOak{"Oak Hills", "70.5", "125", "72"};

std::string Crlf(const Strings& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Writes the golf history of the golfer to its file and returns the bytes.
std::string HistoryFile(TempFolder& dir, const TGolferRec& golfer, RecordingMessenger& messenger) {
  const WorkFolder folder(dir.Path());
  ScoreTable scores;
  LoadScoreFile(folder, ScoreFileName(golfer.ShortName), scores);
  SortScores(scores);
  ScriptedChoice choice;
  const ReportDestination destination = GolfHistoryDestination(golfer.ShortName);
  OutputReport(destination, choice, messenger, folder,
               [&] { return GolfHistoryLines(scores, golfer, IndexOptions{}); });
  return dir.Read(destination.FileName);
}

TEST(ReportFilesTest, GolfHistory) {
  TempFolder dir;
  // Newest first: an empty AGS, a course name longer than 21, slope "0",
  // rating "XXX", and the best round last.
  dir.Write("jsmith.fwp",
            ScoreLine("20020105", "Oak Hills", "85", "70.0", "113", "") +
                ScoreLine("20020104", "Riverside Municipal North Golf", "90", "71.5", "125", "88") +
                ScoreLine("20020103", "Pine Valley", "95", "72.0", "0", "95") +
                ScoreLine("20020102", "Fox Run", "92", "XXX", "123", "90") +
                ScoreLine("20011230", "Oak Hills", "88", "70.5", "121", "87") +
                ScoreLine("20011229", "Oak Hills", "84", "70.5", "121", "84") +
                ScoreLine("20011228", "Oak Hills", "80", "70.5", "121", "80"));
  RecordingMessenger messenger;
  const std::string jose = "Jos\351 N\372\361ez";
  // clang-format off
  // Columns: mark 1, number 2-4, date 8-17, course 20-40, score 43-45, AGS
  // 48-50, rating 53-56, slope 61-63, differential 68-71.
  EXPECT_EQ(HistoryFile(dir, TGolferRec{jose, "jsmith", 0}, messenger), Crlf({
      "FAIRWICK PERSONAL GOLF HISTORY FOR:  " + jose,
      "",
      "7 scores on file for " + jose + ".  (6 are valid)",
      "Calculated index using best 1 out of 6 differentials.",
      "Differential 1   =  8.9  12/28/2001  Oak Hills",
      "",
      "The current index for " + jose + " is  8.5",
      "",
      "       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF",
      " " "  1" " - " "01/05/2002" "  " "Oak Hills            " "  " " 85" "  " "   " "  " "70.0" "    " "113" "    " "15.0",
      " " "  2" " - " "01/04/2002" "  " "Riverside Municipal N" "  " " 90" "  " " 88" "  " "71.5" "    " "125" "    " "14.9",
      "I" "  3" " - " "01/03/2002" "  " "Pine Valley          " "  " " 95" "  " " 95" "  " "72.0" "    " "0"   "    " " 0.0",
      "I" "  4" " - " "01/02/2002" "  " "Fox Run              " "  " " 92" "  " " 90" "  " "0.0"  "    " "123" "    " " 0.0",
      " " "  5" " - " "12/30/2001" "  " "Oak Hills            " "  " " 88" "  " " 87" "  " "70.5" "    " "121" "    " "15.4",
      " " "  6" " - " "12/29/2001" "  " "Oak Hills            " "  " " 84" "  " " 84" "  " "70.5" "    " "121" "    " "12.6",
      "*" "  7" " - " "12/28/2001" "  " "Oak Hills            " "  " " 80" "  " " 80" "  " "70.5" "    " "121" "    " " 8.9",
      "",
      "* = score used in index calculation.",
  }));
  // clang-format on
  EXPECT_EQ(messenger.shown, Strings{"Score file \"jsmith.fwo\" created."});

  // No scores: the index lines, the heading and the notice, no mark legend.
  dir.Write("SSMITH.fwp", "");
  EXPECT_EQ(HistoryFile(dir, TGolferRec{"Sue Smith", "SSMITH", 1}, messenger),
            Crlf({
                "FAIRWICK PERSONAL GOLF HISTORY FOR:  Sue Smith",
                "",
                "0 scores on file for Sue Smith.  (0 are valid)",
                "A golfer needs 5 valid scores to receive an index.",
                "",
                "The current index for Sue Smith is 40.4",
                "",
                "       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF",
                "",
                "    NO SCORES ON FILE FOR THIS GOLFER",
            }));

  // Score number 100 follows its mark without a blank.
  std::string many;
  for (int n = 1; n <= 100; ++n) {
    char date[16];
    std::snprintf(date, sizeof date, "2001%02d%02d", 12 - (n - 1) / 28, 28 - (n - 1) % 28);
    many += ScoreLine(date, "Oak Hills", "90", "70.5", n == 100 ? "0" : "121", "90");
  }
  dir.Write("MANY.fwp", many);
  const std::string bytes = HistoryFile(dir, TGolferRec{"Many Rounds", "MANY", 0}, messenger);
  EXPECT_NE(bytes.find("\r\n  99 - 09/14/2001  Oak Hills"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nI100 - 09/13/2001  Oak Hills"), std::string::npos);
}

TEST(ReportFilesTest, HandicapList) {
  TempFolder dir;
  dir.Write("golfers.fwc",
            "Pat Jones~PJONES1~1~\r\n"
            "Christopher Alexander Longname~CLONG~0~\r\n"
            "Al Low~ALOW~0~\r\n"
            "Pat Jones~PJONES2~0~\r\n");
  std::string low, woman, man;
  for (int n = 1; n <= 5; ++n) {
    const std::string date = "2002010" + std::to_string(n);
    low += ScoreLine(date, "Oak Hills", "70", "72.0", "113", "70");    // differential -2.0
    woman += ScoreLine(date, "Oak Hills", "82", "72.0", "113", "82");  // 10.0
    man += ScoreLine(date, "Oak Hills", "92", "72.0", "113", "92");    // 20.0
  }
  dir.Write("ALOW.fwp", low);
  dir.Write("CLONG.fwp", "");
  dir.Write("PJONES1.fwp", woman);
  dir.Write("PJONES2.fwp", man);

  const WorkFolder folder(dir.Path());
  GolferTable golfers;
  LoadGolferList(folder, golfers);
  SortGolferList(golfers);
  auto placeOf = [&](const std::string& shortName) {
    for (int i = 1; i <= golfers.Count(); ++i)
      if (golfers[i].ShortName == shortName) return i;
    ADD_FAILURE() << shortName;
    return 0;
  };
  const std::vector<int> places = {placeOf("PJONES2"), placeOf("ALOW"), placeOf("PJONES1"),
                                   placeOf("CLONG")};
  ScoreTable scores;
  ScriptedChoice choice;
  RecordingMessenger messenger;
  OutputReport(HandicapListDestination(), choice, messenger, folder, [&] {
    return HandicapListLines(folder, golfers, places, kOak, ReportDate{2002, 1, 10, '/'},
                             IndexOptions{}, scores);
  });
  // clang-format off
  // Columns: name 1-20, index 24-28, course handicap 37-39, predicted 49-51.
  EXPECT_EQ(dir.Read("hdcplist.fwo"), Crlf({
      "FAIRWICK COURSE HANDICAPS AS OF:  01/10/2002",
      "",
      "Course: Oak Hills",
      "Rating: 70.5  Slope: 125  Par: 72",
      "",
      "                                 Course   Predicted",
      "Golfer                 Index   Handicap       Score",
      "",
      "Pat Jones           " "   " " 19.2" "        " " 21" "         " " 93",
      "Al Low              " "   " " -1.9" "        " " -2" "         " " 70",
      "Pat Jones           " "   " "  9.6" "        " " 11" "         " " 83",
      "Christopher Alexande" "   " " 36.4" "        " " 40" "         " "112",
  }));
  // clang-format on
  EXPECT_EQ(messenger.shown, Strings{"Handicap file \"HDCPLIST.FWO\" created."});
}

TEST(ReportFilesTest, CourseHandicap) {
  const CourseHandicapTexts result = CourseHandicapTextsFor("Pat Jones", "12.4", kOak);
  EXPECT_EQ(result.Hdcp1, "Handicap for Pat Jones at this course is: 14");
  EXPECT_EQ(result.Hdcp2, "Predicted score for Pat Jones is: 86");

  TempFolder dir;
  dir.Write("PJONES.fwh", "an older printout\r\n");
  const WorkFolder folder(dir.Path());
  ScriptedChoice choice;
  RecordingMessenger messenger;
  OutputReport(CourseHandicapDestination("PJONES"), choice, messenger, folder, [&] {
    return CourseHandicapLines(ReportDate{2002, 1, 10, '-'}, "Pat Jones", "12.4", kOak,
                               result.Hdcp1, result.Hdcp2);
  });
  EXPECT_EQ(dir.Read("PJONES.fwh"), Crlf({
                                        "FAIRWICK COURSE HANDICAP AS OF:  01-10-2002",
                                        "FOR:  Pat Jones",
                                        "AT:   Oak Hills",
                                        "",
                                        "Course Rating: 70.5",
                                        "Slope Rating:  125",
                                        "Par:           72",
                                        "Index:         12.4",
                                        "",
                                        "Handicap for Pat Jones at this course is: 14",
                                        "Predicted score for Pat Jones is: 86",
                                    }));
  EXPECT_EQ(messenger.shown, Strings{"Handicap file \"PJONES.fwh\" created."});
}

// Pat Jones, PJONES, first in golfers.fwc before `others`, with five rounds of
// 92 at 72.0 / 113 from 1 to 5 January 2002.
void WritePatJones(TempFolder& dir, const std::string& others = "") {
  dir.Write("golfers.fwc", "Pat Jones~PJONES~0~\r\n" + others);
  std::string rounds;
  for (int n = 5; n >= 1; --n)
    rounds += ScoreLine("2002010" + std::to_string(n), "Oak Hills", "92", "72.0", "113", "92");
  dir.Write("PJONES.fwp", rounds);
}

TEST(ReportFilesTest, DatesInTheUsersOrder) {
  TempFolder dir;
  WritePatJones(dir);
  const WorkFolder folder(dir.Path());
  GolferTable golfers;
  LoadGolferList(folder, golfers);
  const ReportDate today{2002, 1, 10, '.'};
  IndexOptions options;
  options.Order = DateOrder::kDayMonthYear;
  ScoreTable scores;
  const std::vector<int> places = {1};
  EXPECT_EQ(HandicapListLines(folder, golfers, places, kOak, today, options, scores)[0],
            "FAIRWICK COURSE HANDICAPS AS OF:  10.01.2002");
  NoIndexOutput none;
  const IndexResult index = ComputeIndex(scores, {"Pat Jones", 0}, none, options);
  EXPECT_EQ(HandicapCardLines("Pat Jones", "Oak Hills", today, scores, index, 21,
                              DateOrder::kDayMonthYear)[4],
            "Printed: 10.01.2002");
  // yyyy-mm-dd keeps its dashes whatever the system's separator.
  EXPECT_EQ(CourseHandicapLines(today, "Al", "NH", kOak, "", "", HandicapRules::kFairwick,
                                DateOrder::kYearMonthDay)[0],
            "FAIRWICK COURSE HANDICAP AS OF:  2002-01-10");
  options.Order = DateOrder::kYearMonthDay;
  const ReportLines history = GolfHistoryLines(scores, golfers[1], options);
  EXPECT_EQ(history[4], "Differential 1   = 20.0  2002-01-05  Oak Hills");
  EXPECT_EQ(history[9], "*  1 - 2002-01-05  Oak Hills               92   92  72.0    113    20.0");
  EXPECT_EQ(
      ProgressStatsLines(ComputeProgressStats(scores, CourseTable{}), DateOrder::kDayMonthYear)[7],
      "Best round                92  05/01/2002  Oak Hills");
}

TEST(ReportFilesTest, UnderWhsEveryReportNamesTheRules) {
  TempFolder dir;
  WritePatJones(dir, "Christopher Alexander Longname~CLONG~0~\r\n");
  dir.Write("CLONG.fwp", "");
  const WorkFolder folder(dir.Path());
  GolferTable golfers;
  LoadGolferList(folder, golfers);
  const IndexOptions whs{true, false, HandicapRules::kWhs};
  const ReportDate today{2002, 1, 10, '/'};
  ScoreTable scores;
  const std::vector<int> places = {1, 2};
  // Beside the rules line, the heading is that of the program's own rules.
  ReportLines list = HandicapListLines(folder, golfers, places, kOak, today, whs, scores);
  const ReportLines own =
      HandicapListLines(folder, golfers, places, kOak, today, IndexOptions{}, scores);
  ASSERT_EQ(list.size(), 11u);
  EXPECT_EQ(list[1], kWhsRulesLine);
  list.erase(list.begin() + 1);
  EXPECT_EQ(Strings(list.begin(), list.begin() + 8), Strings(own.begin(), own.begin() + 8));
  // clang-format off
  // Index 20.0; course handicap 20.0 x 125 / 113 - 1.5 = 20.62.
  EXPECT_EQ(Strings(list.begin() + 8, list.end()), (Strings{
      "Pat Jones           " "   " " 20.0" "        " " 21" "         " " 93",
      "Christopher Alexande" "   " "   NH" "        " " NH" "         " " NH",
  }));
  // clang-format on
  LoadScoreFile(folder, "PJONES.fwp", scores);
  const ReportLines history = GolfHistoryLines(scores, golfers[1], whs);
  EXPECT_EQ(Strings(history.begin(), history.begin() + 8),
            (Strings{"FAIRWICK PERSONAL GOLF HISTORY FOR:  Pat Jones", kWhsRulesLine, "",
                     "5 scores on file for Pat Jones.  (5 are valid)",
                     "World Handicap System: lowest 1 of 5 differentials.",
                     "Differential 1   = 20.0  01/05/2002  Oak Hills", "",
                     "The current index for Pat Jones is 20.0"}));
  EXPECT_EQ(history[10], "*  1 - 01/05/2002  Oak Hills               92   92  72.0    113    20.0");

  const CourseHandicapTexts nh = CourseHandicapTextsFor("Al", "NH", kOak, HandicapRules::kWhs);
  EXPECT_EQ(nh.Hdcp1 + " " + nh.Hdcp2,
            "Handicap for Al at this course is: NH Predicted score for Al is: NH");
  EXPECT_EQ(CourseHandicapTextsFor("Al", "20.0", kOak, HandicapRules::kWhs).Hdcp2,
            "Predicted score for Al is: 93");
  const ReportLines printout =
      CourseHandicapLines(today, "Al", "NH", kOak, nh.Hdcp1, nh.Hdcp2, HandicapRules::kWhs);
  EXPECT_EQ(printout[1], kWhsRulesLine);
  EXPECT_EQ(printout[8], "Index:         NH");

  NoIndexOutput none;
  ScoreTable empty;
  const IndexResult noIndex = ComputeIndex(empty, {"Al", 0}, none, whs);
  const CardLines card = HandicapCardLines("Al", "Oak Hills", today, empty, noIndex, 0);
  EXPECT_EQ(card[1], "Rules:   World Handicap System");
  EXPECT_EQ(card[6], "INDEX:    NH    HCP:  NH");
}

}  // namespace
}  // namespace fw
