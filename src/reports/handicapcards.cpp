#include "reports/handicapcards.h"

#include <algorithm>

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"
#include "reports/printobject.h"

namespace fw {
namespace {

constexpr std::size_t kCardNameRoom = 26;
constexpr int kGridCells = 5;
constexpr int kGridLines = 4;

bool IsUsed(const IndexResult& index, int position) {
  const auto end = index.UsedScores.begin() + std::clamp(index.N, 0, 10);
  return std::find(index.UsedScores.begin(), end, position) != end;
}

std::string GridCell(const ScoreTable& scores, const IndexResult& index, int position) {
  if (position > scores.Count()) return "    ";
  std::string cell = CutAtNul(scores[position].TotalScore);
  cell += IsUsed(index, position) ? '*' : ' ';
  if (cell.size() < 4) cell.insert(0, 4 - cell.size(), ' ');
  if (cell.size() > 5) cell.resize(5);
  return cell;
}

}  // namespace

std::vector<CardPlace> CardPlaces(std::size_t count, int& cardsOnFirstSheet) {
  // Free positions of the first sheet; a count out of range means a full one.
  int freeOnFirst = cardsOnFirstSheet;
  if (freeOnFirst < 0 || freeOnFirst > kCardsPerSheet) freeOnFirst = kCardsPerSheet;

  std::vector<CardPlace> places;
  places.reserve(count);
  int sheet = 1;
  int position = kCardsPerSheet - freeOnFirst;  // the one taken last, 0 for none
  for (std::size_t card = 0; card < count; ++card) {
    ++position;
    if (position > kCardsPerSheet || (sheet == 1 && freeOnFirst == 0)) {
      ++sheet;
      position = 1;
    }
    if (sheet == 1) {
      --freeOnFirst;
      --cardsOnFirstSheet;
    }
    places.push_back(CardPlace{sheet, (position + 1) / 2, position % 2 == 1 ? 1 : 2});
  }
  return places;
}

std::string CardGridLine(const ScoreTable& scores, const IndexResult& index, int first) {
  std::string line = "   ";
  for (int cell = 0; cell < kGridCells; ++cell) {
    if (cell > 0) line += "  ";
    line += GridCell(scores, index, first + cell);
  }
  return line;
}

CardLines HandicapCardLines(std::string_view longName, std::string_view courseName,
                            const ReportDate& today, const ScoreTable& scores,
                            const IndexResult& index, int courseHandicap, DateOrder order) {
  CardLines lines;
  // Under WHS the card names its rules in the free line above the name.
  if (index.Rules == HandicapRules::kWhs) lines[1] = std::string("Rules:   ") + kWhsRulesName;
  lines[2] = "Name:    " + CutTo(longName, kCardNameRoom);
  lines[3] = "Course:  " + CutTo(courseName, kCardNameRoom);
  lines[4] = "Printed: " + FormatReportDate(today, order);
  lines[5] = "Scores Posted: " + PadLeft(IntToStr(scores.Count()), 3);
  lines[6] = "INDEX: " + FormatIndexOrNh(index, 5) +
             "    HCP: " + PadLeft(index.HasIndex ? IntToStr(courseHandicap) : kNoIndexText, 3);
  lines[8] = "NEWEST --> --> --> OLDEST  *USED";
  for (int row = 0; row < kGridLines; ++row)
    lines[static_cast<std::size_t>(9 + row)] = CardGridLine(scores, index, 1 + row * kGridCells);
  return lines;
}

std::vector<HandicapCard> HandicapCards(const WorkFolder& folder, GolferTable& golfers,
                                        std::span<const int> places, const TCourseSummary& course,
                                        const ReportDate& today, const IndexOptions& options,
                                        ScoreTable& scores, int& cardsOnFirstSheet,
                                        std::vector<int>& usedScores) {
  const std::vector<CardPlace> where = CardPlaces(places.size(), cardsOnFirstSheet);
  std::vector<HandicapCard> cards;
  cards.reserve(places.size());
  NoIndexOutput none;
  for (std::size_t k = 0; k < places.size(); ++k) {
    const TGolferRec& golfer = golfers[places[k]];
    LoadScoreFile(folder, ScoreFileName(golfer.ShortName), scores);
    SortScores(scores);
    const IndexResult index =
        ComputeIndex(scores, IndexGolfer{golfer.LongName.str(), golfer.Sex}, none, options);
    const int courseHandicap = CourseHandicapFor(index, course).value_or(0);
    cards.push_back(
        HandicapCard{where[k], HandicapCardLines(golfer.LongName, course.Name, today, scores, index,
                                                 courseHandicap, options.Order)});
    usedScores.assign(index.UsedScores.begin(),
                      index.UsedScores.begin() + std::clamp(index.N, 0, 10));
  }
  return cards;
}

float CardLineStep(float lineHeight) {
  // The last line's top lies 12 steps below the card's top and its body one
  // line height further down; both stay on the card.
  const float room = (kCardHeight - lineHeight) / static_cast<float>(kCardLineCount - 1);
  return std::max(0.0f, std::min(lineHeight, room));
}

void PrintHandicapCards(PrintDevice& device, std::span<const HandicapCard> cards) {
  TPrintObject engine(device);
  engine.BeginJob();
  engine.SetMargins(0.5f, 0.5f, 1.0f, 0.5f);
  engine.SetTabStop(1, -1.0f, 3.5f);
  engine.SetTabStop(2, kRightColumnStop, 3.5f);
  engine.SetDetailArea(1.0f, 10.5f);
  engine.SetFont("Courier", 11, FontStyle{});
  engine.RestartAtDetailTop();
  // Every line is placed at its own height on its card, so none may be moved
  // to another sheet.
  engine.SetAutoPageBreak(false);
  const float step = CardLineStep(engine.LineHeightInches());

  int sheet = 1;
  for (const HandicapCard& card : cards) {
    while (sheet < card.Place.Sheet) {
      engine.NextPage();
      ++sheet;
    }
    const float top = kFirstCardTop + kCardHeight * static_cast<float>(card.Place.Row - 1);
    // On the screen the card's edges show where it falls on the sheet, so
    // that a sheet laid out for the wrong free positions is seen in time.
    engine.PlaceGuide(kFirstCardLeft + kCardWidth * static_cast<float>(card.Place.Column - 1), top,
                      kCardWidth, kCardHeight);
    for (int line = 0; line < kCardLineCount; ++line)
      engine.PlaceTextAtTab(card.Place.Column, card.Lines[static_cast<std::size_t>(line)],
                            top + step * static_cast<float>(line));
  }
  engine.EndJob();
}

}  // namespace fw
