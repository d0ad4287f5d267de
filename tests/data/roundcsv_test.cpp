#include "data/roundcsv.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "data/convert.h"
#include "data/cp1252.h"
#include "data/csv.h"
#include "reports/handicaplist.h"

namespace fw {
namespace {

std::string SampleFile(const std::string& name) {
  std::ifstream in(std::string(FAIRWICK_SAMPLE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<RoundFigures> Figures(const ScoreTable& scores) {
  return std::vector<RoundFigures>(static_cast<std::size_t>(scores.Count()), {" 9.7", true});
}

TEST(Cp1252Test, EveryByteTravelsAndForeignCharactersAreNamed) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\x81\x9F\xEB"), "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC3\xAB");
  const std::pair<std::string, std::string> refused[] = {
      {"\xCE\xA9", "U+03A9"},  // Greek capital omega
      {"\xC2\x80", "U+0080"},  // a control character whose byte is the euro sign
      {"\xC3", "0xC3"},        // cut short
      {"\xC0\xAB", "0xC0"},    // overlong
  };
  for (const auto& [utf8, named] : refused) {
    SCOPED_TRACE(named);
    try {
      Utf8ToCp1252(utf8);
      ADD_FAILURE() << "accepted";
    } catch (const ConversionError& e) {
      EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
    }
  }
}

TEST(CsvTest, ReadsQuotedFieldsAndCountsLines) {
  const auto records = ParseCsv(
      "\xEF\xBB\xBF"
      "a,\"b,\"\"c\"\"\",\"d\r\ne\"\r\n\nx,y\n\"open,z");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b,\"c\"", "d\r\ne"}));
  EXPECT_EQ(records[1].line, 4);
  EXPECT_EQ(records[1].fields, (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(records[2].line, 5);
  EXPECT_EQ(records[2].problem, "a quoted field is never closed");
}

TEST(RoundCsvTest, ExportsCommasQuotesAndAccentsAsUtf8) {
  TScoreRec rec = InitScoreRec();
  rec.Date = "20020110";
  rec.CourseName = "Oak \"Hills\", North";
  rec.Comment = "Zo\xEB's best";
  ScoreTable scores;
  scores.Append(rec);
  const std::string csv = GolferRoundsCsv(scores, Figures(scores));
  const std::string row = csv.substr(csv.find("\r\n") + 2);
  EXPECT_EQ(row,
            "2002-01-10,\"Oak \"\"Hills\"\", North\",XXXX,XXX,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
            "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,XXX,XXX,9.7,yes,Zo\xC3\xAB's best,0,0\r\n");
  EXPECT_TRUE(csv.starts_with("Date,Course,Rating,Slope,Hole 1,"));

  const HandicapListRow golfer{"Zo\xEB Brennan", 12.4, "12.4", 14, 86};
  EXPECT_EQ(HandicapListCsv({&golfer, 1}),
            "Golfer,Index,Course handicap,Predicted score\r\nZo\xC3\xAB Brennan,12.4,14,86\r\n");
}

TEST(RoundCsvTest, ExportThenImportIntoAnEmptyGolferGivesTheSameScoreFile) {
  // Placeholders, a missing date, a comma and the unassigned byte 0x81 too.
  const std::string extra =
      std::string("99999999~XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX~XXX~XXXX~XXX~a,\x81~") +
      std::string(36, '~') + "XXX~ 9.7~-2~\r\n";
  for (const char* name : {"PJONES.fwp", "JOHN_SMI.fwp", "ZBRENNAN.fwp", "dmiller.fwp"}) {
    SCOPED_TRACE(name);
    const std::string bytes = extra + SampleFile(name);
    ScoreTable scores;
    ParseScoreFile(bytes, scores);
    const ImportPlan plan = PlanRoundImport(GolferRoundsCsv(scores, Figures(scores)), ScoreTable{});
    EXPECT_TRUE(plan.Refused.empty()) << plan.Refused.front().Reason;
    EXPECT_EQ(FormatScoreFile(ApplyRoundImport(ScoreTable{}, plan)), bytes);
  }
}

TEST(RoundCsvTest, ImportPlanSkipsStoredRoundsRefusesBadRowsAndKeepsTheLimit) {
  ScoreTable stored;
  ParseScoreFile(SampleFile("PJONES.fwp"), stored);
  const std::string csv = GolferRoundsCsv(stored, Figures(stored));
  const std::string header = csv.substr(0, csv.find("\r\n") + 2);
  const std::string good =
      csv.substr(header.size(), csv.find("\r\n", header.size()) + 2 - header.size());
  auto with = [&](std::string from, std::string to) {
    return good.substr(0, good.find(from)) + to + good.substr(good.find(from) + from.size());
  };
  const std::string newRound = with("2026-11-15", "2027-01-02");
  const std::string rows[] = {
      good,                                     // line 2: stored already
      newRound,                                 // 3: added
      newRound,                                 // 4: repeats line 3
      with("2026-11-15", "2027-02-29"),         // 5
      with("HERON BAY", "HERON~BAY"),           // 6
      with("HERON BAY", std::string(31, 'A')),  // 7
      with("70.1", "7o.1"),                     // 8
      with("HERON BAY", "\xCE\xA9"),            // 9
      "2027-01-03,too few\r\n",                 // 10
  };
  std::string text = header;
  for (const std::string& row : rows) text += row;
  const ImportPlan plan = PlanRoundImport(text, stored);
  ASSERT_EQ(plan.Add.size(), 1u);
  EXPECT_EQ(plan.Add[0].Line, 3);
  EXPECT_EQ(plan.Add[0].Round.Date, "20270102");
  ASSERT_EQ(plan.Skipped.size(), 2u);
  EXPECT_EQ(plan.Skipped[0].Line, 2);
  EXPECT_EQ(plan.Skipped[0].EarlierLine, 0);
  EXPECT_EQ(plan.Skipped[1].EarlierLine, 3);
  const std::pair<int, std::string> refused[] = {{5, "Date: '2027-02-29' is not a calendar date"},
                                                 {6, "Course: it holds a tilde"},
                                                 {7, "Course: it holds 31 characters"},
                                                 {8, "Rating: '7o.1' is not a valid"},
                                                 {9, "Course: The character U+03A9"},
                                                 {10, "the line has 2 fields"}};
  ASSERT_EQ(plan.Refused.size(), std::size(refused));
  for (std::size_t k = 0; k < std::size(refused); ++k) {
    EXPECT_EQ(plan.Refused[k].Line, refused[k].first);
    EXPECT_TRUE(plan.Refused[k].Reason.starts_with(refused[k].second)) << plan.Refused[k].Reason;
  }

  // Room for two more rounds: the third new one is refused.
  while (stored.Count() < MaxScores - 2) stored.Append(stored[1]);
  std::string three = header;
  for (const char* day : {"2027-03-01", "2027-03-02", "2027-03-03"})
    three += with("2026-11-15", day);
  const ImportPlan full = PlanRoundImport(three, stored);
  EXPECT_EQ(full.Add.size(), 2u);
  ASSERT_EQ(full.Refused.size(), 1u);
  EXPECT_EQ(full.Refused[0].Line, 4);
  EXPECT_EQ(full.Refused[0].Reason, "the golfer would have more than 200 rounds");
  EXPECT_EQ(ApplyRoundImport(stored, full).Count(), MaxScores);

  try {
    PlanRoundImport("Date,Course\r\n", stored);
    ADD_FAILURE() << "a file without the hole columns was taken";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "The file has no column \"Rating\".");
  }
}

}  // namespace
}  // namespace fw
