// Handicap cards without a printer: where each card goes, what it says, and
// where its lines land on a recording device.

#include "reports/handicapcards.h"

#include <gtest/gtest.h>

#include <vector>

#include "reports/recordingdevice.h"
#include "reports/reportsupport.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using fwtest::RecordingDevice;
using fwtest::ScoreLine;

ScoreTable TotalsOf(const std::vector<std::string>& totals) {
  ScoreTable scores;
  for (const std::string& total : totals) {
    TScoreRec round = InitScoreRec();
    round.TotalScore = total;
    scores.Append(round);
  }
  return scores;
}

IndexResult UsingPositions(double index, const std::vector<int>& used) {
  IndexResult result;
  result.Index = index;
  result.N = static_cast<int>(used.size());
  result.UsedScores.fill(kUnusedSlot);
  for (std::size_t k = 0; k < used.size(); ++k) result.UsedScores[k] = used[k];
  return result;
}

TEST(HandicapCardsTest, CardsFillTheLastFreePositionsOfTheFirstSheet) {
  struct Case {
    std::size_t cards;
    int firstSheet;
    std::vector<CardPlace> expected;  // sheet, row, column
    int left;                         // free positions left on the first sheet
  };
  const Case cases[] = {
      {3, 10, {{1, 1, 1}, {1, 1, 2}, {1, 2, 1}}, 7},
      {3, 1, {{1, 5, 2}, {2, 1, 1}, {2, 1, 2}}, 0},
      {3, 0, {{2, 1, 1}, {2, 1, 2}, {2, 2, 1}}, 0},
      {2, 4, {{1, 4, 1}, {1, 4, 2}}, 2},
      {11,
       10,
       {{1, 1, 1},
        {1, 1, 2},
        {1, 2, 1},
        {1, 2, 2},
        {1, 3, 1},
        {1, 3, 2},
        {1, 4, 1},
        {1, 4, 2},
        {1, 5, 1},
        {1, 5, 2},
        {2, 1, 1}},
       0},
      // A count out of range lays the first sheet out from position 1.
      {2, 11, {{1, 1, 1}, {1, 1, 2}}, 9},
      {2, -1, {{1, 1, 1}, {1, 1, 2}}, -3},
  };
  for (const Case& c : cases) {
    int count = c.firstSheet;
    EXPECT_EQ(CardPlaces(c.cards, count), c.expected) << c.cards << " with " << c.firstSheet;
    EXPECT_EQ(count, c.left) << c.cards << " with " << c.firstSheet;
  }
  EXPECT_EQ((CardPlace{1, 5, 2}.Position()), 10);
  EXPECT_EQ((CardPlace{2, 3, 1}.Position()), 5);
}

TEST(HandicapCardsTest, CardLinesAndScoreGrid) {
  const ReportDate today{2002, 1, 10, '.'};
  const std::string blankGrid(31, ' ');

  // A 30-character name and course cut to 26; 3 scores, two used, one of
  // them of three digits; the text of a score ends at NUL.
  const ScoreTable three = TotalsOf({std::string("85\0xx", 5), "102", "90"});
  const CardLines lines =
      HandicapCardLines("Christopher Alexander Longnam", "Cedar Creek Golf & Country Club", today,
                        three, UsingPositions(9.6, {2, 1}), 11);
  const CardLines expected = {
      "",
      "",
      "Name:    Christopher Alexander Long",
      "Course:  Cedar Creek Golf & Country",
      "Printed: 01.10.2002",
      "Scores Posted:   3",
      "INDEX:   9.6    HCP:  11",
      "",
      "NEWEST --> --> --> OLDEST  *USED",
      // clang-format off
      "   " " 85*" "  " "102*" "  " " 90 " "  " "    " "  " "    ",
      // clang-format on
      blankGrid,
      blankGrid,
      blankGrid,
  };
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(lines[k], expected[k]) << "line " << k + 1;
  EXPECT_EQ(lines[9].size(), 31u);

  // More than 20 rounds: the 20 newest in four lines; a total holds at most 3
  // characters.
  std::vector<std::string> totals;
  for (int n = 1; n <= 25; ++n) totals.push_back(std::to_string(70 + n));
  totals[0] = "999";
  totals[1] = "123456";
  const ScoreTable many = TotalsOf(totals);
  const IndexResult index = UsingPositions(-1.25, {1, 7, 20, 22});
  struct Grid {
    int first;
    std::string line;
  };
  // clang-format off
  const Grid grids[] = {
      {1, "   " "999*" "  " "123 " "  " " 73 " "  " " 74 " "  " " 75 "},
      {6, "   " " 76 " "  " " 77*" "  " " 78 " "  " " 79 " "  " " 80 "},
      {16, "   " " 86 " "  " " 87 " "  " " 88 " "  " " 89 " "  " " 90*"},
  };
  // clang-format on
  for (const Grid& g : grids) EXPECT_EQ(CardGridLine(many, index, g.first), g.line) << g.first;
  const CardLines full = HandicapCardLines("Al", "Oak", today, many, index, -12);
  EXPECT_EQ(full[5], "Scores Posted:  25");
  EXPECT_EQ(full[6], "INDEX:  -1.2    HCP: -12");
  EXPECT_EQ(full[12], grids[2].line);
  EXPECT_EQ(HandicapCardLines("Al", "Oak", today, many, index, 1234)[6],
            "INDEX:  -1.2    HCP: 123");
}

TEST(HandicapCardsTest, NamesakesEachGetTheirOwnCard) {
  fwtest::TempFolder dir;
  dir.Write("golfers.fwc", "Pat Jones~PJONES1~1~\r\nPat Jones~PJONES2~0~\r\n");
  std::string woman, man;
  for (int n = 1; n <= 5; ++n) {
    const std::string date = "2002010" + std::to_string(n);
    // Differentials of 10.0, one of 9.0 (the one used); for him 19.0 to 23.0,
    // the oldest of these used, and 27.0 in the year before.
    const std::string hers = n == 3 ? "81" : "82";
    const std::string his = std::to_string(90 + n);
    woman += ScoreLine(date, "Oak Hills", hers, "72.0", "113", hers);
    man += ScoreLine(date, "Oak Hills", his, "72.0", "113", his);
  }
  man += ScoreLine("20011231", "Oak Hills", "99", "72.0", "113", "99");
  dir.Write("PJONES1.fwp", woman);
  dir.Write("PJONES2.fwp", man);
  const WorkFolder folder(dir.Path());
  GolferTable golfers;
  LoadGolferList(folder, golfers);
  SortGolferList(golfers);
  const int woman1 = golfers[1].ShortName == "PJONES1" ? 1 : 2;
  const std::vector<int> places = {3 - woman1, woman1, 3 - woman1};

  const TCourseSummary course{"Oak Hills", "70.5", "125", "72"};
  ScoreTable scores;
  int firstSheet = 2;
  std::vector<int> used;
  const std::vector<HandicapCard> cards =
      HandicapCards(folder, golfers, places, course, ReportDate{2002, 1, 10, '/'}, IndexOptions{},
                    scores, firstSheet, used);
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(firstSheet, 0);
  EXPECT_EQ(cards[0].Place, (CardPlace{1, 5, 1}));
  EXPECT_EQ(cards[1].Place, (CardPlace{1, 5, 2}));
  EXPECT_EQ(cards[2].Place, (CardPlace{2, 1, 1}));
  for (const std::size_t k : {0u, 2u}) {
    EXPECT_EQ(cards[k].Lines[5], "Scores Posted:   6");
    EXPECT_EQ(cards[k].Lines[6], "INDEX:  18.2    HCP:  20");
    // clang-format off
    EXPECT_EQ(cards[k].Lines[9], "   " " 95 " "  " " 94 " "  " " 93 " "  " " 92 " "  " " 91*");
    EXPECT_EQ(cards[k].Lines[10], "   " " 99 " "  " "    " "  " "    " "  " "    " "  " "    ");
    // clang-format on
  }
  EXPECT_EQ(cards[1].Lines[2], "Name:    Pat Jones");
  EXPECT_EQ(cards[1].Lines[5], "Scores Posted:   5");
  EXPECT_EQ(cards[1].Lines[6], "INDEX:   8.6    HCP:  10");
  // clang-format off
  EXPECT_EQ(cards[1].Lines[9], "   " " 82 " "  " " 82 " "  " " 81*" "  " " 82 " "  " " 82 ");
  // clang-format on
  EXPECT_EQ(used, std::vector<int>{5});
}

TEST(HandicapCardsTest, EveryLineStaysOnItsCardAndSheet) {
  // Cards at row 5 right, then the top row of sheet 2, for line heights above
  // 2/13 inch (11-point Courier's 0.17 and 0.2) and below it.
  struct Case {
    std::int32_t cellHeight;  // plus 2 pixels of leading, at 600 per inch
    float step;               // inches from line to line
  };
  const Case cases[] = {{100, (2.0f - 0.17f) / 12.0f}, {118, (2.0f - 0.2f) / 12.0f}, {58, 0.1f}};
  for (const Case& c : cases) {
    RecordingDevice device;  // borders of 150 pixels
    device.FontMetrics = {{"Courier", {c.cellHeight, 2}}};
    const double lineHeight = (c.cellHeight + 2) / 600.0;
    int firstSheet = 1;
    std::vector<HandicapCard> cards;
    for (const CardPlace& place : CardPlaces(3, firstSheet)) {
      HandicapCard card{place, {}};
      for (std::size_t k = 0; k < card.Lines.size(); ++k)
        card.Lines[k] = "line " + std::to_string(k + 1);
      cards.push_back(card);
    }
    PrintHandicapCards(device, cards);

    EXPECT_EQ(device.begun, 1);
    EXPECT_EQ(device.ended, 1);
    EXPECT_EQ(device.page, 2) << c.cellHeight;
    EXPECT_LE(c.step, 2.0f / 13.0f);
    ASSERT_EQ(device.drawn.size(), 3u * 13u) << c.cellHeight;
    for (std::size_t n = 0; n < device.drawn.size(); ++n) {
      const RecordingDevice::Drawn& d = device.drawn[n];
      const CardPlace& place = cards[n / 13].Place;
      const double top = 0.5 + 2.0 * (place.Row - 1);
      const double y = (d.Y + 150) / 600.0;
      EXPECT_EQ(d.Font, "Courier 11");
      EXPECT_EQ(d.Text, "line " + std::to_string(n % 13 + 1));
      EXPECT_EQ(d.Page, place.Sheet) << d.Text;
      EXPECT_EQ(d.X + 150, place.Column == 1 ? 600 : 2760) << d.Text;
      EXPECT_NEAR(y, top + static_cast<double>(c.step) * static_cast<double>(n % 13), 0.002)
          << c.cellHeight << " " << d.Text;
      EXPECT_GE(y, top);
      EXPECT_LE(y + lineHeight, top + 2.0 + 1e-6) << c.cellHeight << " " << d.Text;
    }
    // The preview outlines each card, 3.5 x 2 inches, around its lines: the
    // left column's edge at 0.75 inch, the right one's at 4.25.
    ASSERT_EQ(device.guides.size(), cards.size());
    for (std::size_t k = 0; k < cards.size(); ++k) {
      const CardPlace& place = cards[k].Place;
      const RecordingDevice::Guide edges{place.Sheet, (place.Column == 1 ? 450 : 2550) - 150,
                                         300 + 1200 * (place.Row - 1) - 150, 2100, 1200};
      EXPECT_EQ(device.guides[k], edges) << k;
    }
  }
}

}  // namespace
}  // namespace fw
