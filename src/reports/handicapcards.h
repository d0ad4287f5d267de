#pragma once
// Wallet handicap cards: one 2 x 3.5 inch card per golfer on sheets of
// business-card stock, ten to a sheet in two columns of five. A partly used
// first sheet is filled in its last free positions. Where each card goes and
// what it says is worked out here; the printer only receives the lines.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/courselist.h"
#include "data/golferlist.h"
#include "data/scorefile.h"
#include "data/workfolder.h"
#include "handicap/handicapindex.h"
#include "reports/printdevice.h"
#include "reports/reportoutput.h"

namespace fw {

inline constexpr int kCardsPerSheet = 10;
inline constexpr int kCardLineCount = 13;
// The sheet: cards 2 inches high from 0.5 inch down; text of the left column
// at the left margin (1.0 inch), of the right one at 4.6 inches.
inline constexpr float kCardHeight = 2.0f;
inline constexpr float kFirstCardTop = 0.5f;
inline constexpr float kRightColumnStop = 4.6f;
// The stock's cards are 3.5 inches wide, the two columns side by side from
// 0.75 inch.
inline constexpr float kCardWidth = 3.5f;
inline constexpr float kFirstCardLeft = 0.75f;

// Where one card goes: sheet from 1, row 1 to 5, column 1 (left, tab stop 1)
// or 2 (right, tab stop 2).
struct CardPlace {
  int Sheet = 1;
  int Row = 1;
  int Column = 1;

  // 1 to 10, row by row, left to right.
  int Position() const { return (Row - 1) * 2 + Column; }
  bool operator==(const CardPlace&) const = default;
};

// The places of `count` cards. With `cardsOnFirstSheet` from 1 to 10 the
// cards fill the last positions of the first sheet; with 0 the first sheet
// stays empty; any other value starts at position 1 as 10 does. The count is
// lowered by one for every card on the first sheet.
std::vector<CardPlace> CardPlaces(std::size_t count, int& cardsOnFirstSheet);

// One grid line: the scores at table positions `first` to `first` + 4 (from
// 1, newest first), a used one marked "*", each in a cell of at least 4 and
// at most 5 characters, four blanks past the last score.
std::string CardGridLine(const ScoreTable& scores, const IndexResult& index, int first);

using CardLines = std::array<std::string, kCardLineCount>;

// The 13 lines of one golfer's card; `scores` is the golfer's sorted score
// table, `index` the calculation over it. Under WHS (index.Rules) line 2
// names the rules, and without an index the index and the course handicap
// read "NH". The "Printed:" date is in `order`.
CardLines HandicapCardLines(std::string_view longName, std::string_view courseName,
                            const ReportDate& today, const ScoreTable& scores,
                            const IndexResult& index, int courseHandicap,
                            DateOrder order = DateOrder::kMonthDayYear);

struct HandicapCard {
  CardPlace Place;
  CardLines Lines;
};

// The cards of the golfers at the given places of the golfer table (from 1),
// in that order, on `course`: each golfer's score file loaded into `scores`
// and sorted, the index computed without output, so two golfers of one name
// each get their own figures. `cardsOnFirstSheet` is counted down as
// CardPlaces does; `usedScores` receives the used positions of the last card.
// The cards' dates are in options.Order.
// Throws FileError when a score file cannot be read and ConversionError when
// the course's slope (under WHS also its rating or par total) is not a number.
std::vector<HandicapCard> HandicapCards(const WorkFolder& folder, GolferTable& golfers,
                                        std::span<const int> places, const TCourseSummary& course,
                                        const ReportDate& today, const IndexOptions& options,
                                        ScoreTable& scores, int& cardsOnFirstSheet,
                                        std::vector<int>& usedScores);

// Prints the cards, 11-point Courier, each line at its card's column and
// every card on its own sheet. The lines of a card step down by the line
// height, but never by more than leaves room for all 13 inside the card, and
// the automatic page break stays off: no line runs into the card below or
// onto the next sheet. A preview also shows the edges of each card.
void PrintHandicapCards(PrintDevice& device, std::span<const HandicapCard> cards);

// The vertical step between the lines of a card for a line height in inches.
float CardLineStep(float lineHeight);

}  // namespace fw
