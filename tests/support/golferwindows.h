#pragma once
// What the golfer list and the group window tests share: the same three
// golfers, their score files, the 200-round limit and how a window's lists
// and menus read.

#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTest>
#include <string>
#include <vector>

#include "golfers/golferfiles.h"

namespace fwtest {

// Out of name order on purpose: the windows list them sorted.
inline const char* kThreeGolfers =
    "Cy High~CYHIGH~0~\r\nAl Able~ALABLE~0~\r\nBea Best~BEABEST~1~\r\n";

// Five rounds of December 2001 with differentials from tenths / 10 up, a
// point apart: the index is the lowest x 0.96.
inline std::string FiveRounds(int tenths) {
  std::vector<RoundSpec> rounds;
  for (int p = 1; p <= 5; ++p)
    rounds.push_back(RoundWithDifferential(December2001(p), tenths + 10 * (p - 1), "Oak Hills"));
  return ScoreFile(rounds);
}

// A score file of `count` like rounds.
inline std::string Rounds(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i)
    bytes += RoundLine(RoundWithDifferential("20010101", 150, "Oak Hills"));
  return bytes;
}

// What is said when a round is confirmed for a golfer whose file reached 200
// rounds while it was typed.
inline const QStringList kRoundOverTheLimit = {
    "Bad News!  The score you just entered puts you over the maximum number of scores allowed "
    "for a golfer.  It can not be saved.  You must delete some old scores for this golfer "
    "before you can enter more scores.",
    "Remember, the last 20 complete scores are used to calculate the index."};

inline QStringList ListTexts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

// Clicks a line of the list, then double-clicks it, as a user does.
inline void DoubleClickLine(QListWidget* list, int row) {
  const QPoint line = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
}

// Each menu's title, then its items as name=caption ("-" for a separator),
// a disabled item marked so.
inline QStringList MenuItems(QMainWindow* window) {
  QStringList items;
  for (QAction* top : window->menuBar()->actions()) {
    items << top->text();
    for (QAction* action : top->menu()->actions())
      items << (action->isSeparator() ? QStringLiteral("-")
                                      : action->objectName() + "=" + action->text() +
                                            (action->isEnabled() ? "" : " (disabled)"));
  }
  return items;
}

}  // namespace fwtest
