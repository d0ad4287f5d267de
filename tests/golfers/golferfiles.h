#pragma once
// Golfer lists and score files for the golfer window tests, as the program
// writes them: fields followed by tildes, CR LF line ends.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <ostream>
#include <string>
#include <vector>

#include "data/scorefile.h"
#include "scores/fwscore.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace fwtest {

// One round of a score file: 45 fields, every hole and putt "0" unless given.
struct RoundSpec {
  std::string date;
  std::string course = "Oak Hills";
  std::string total = "90";
  std::string rating = "70.5";
  std::string slope = "121";
  std::string adjusted = "90";
  std::string indexAtEntry = "0";
  std::string courseHdcp = "0";
  std::string comment;
  std::string hole = "0";  // every hole score
  std::string putt = "0";  // every putt count
};

inline std::string RoundLine(const RoundSpec& r) {
  std::string line = r.date + "~" + r.course + "~" + r.total + "~" + r.rating + "~" + r.slope +
                     "~" + r.comment + "~";
  for (int h = 0; h < 18; ++h) line += r.hole + "~";
  for (int h = 0; h < 18; ++h) line += r.putt + "~";
  return line + r.adjusted + "~" + r.indexAtEntry + "~" + r.courseHdcp + "~\r\n";
}

inline std::string ScoreFile(const std::vector<RoundSpec>& rounds) {
  std::string bytes;
  for (const RoundSpec& r : rounds) bytes += RoundLine(r);
  return bytes;
}

// A complete round whose differential is exactly `tenths` / 10: total 100 and
// slope 113, with the rating making up the rest.
inline RoundSpec RoundWithDifferential(std::string date, int tenths, std::string course) {
  RoundSpec r;
  r.date = std::move(date);
  r.course = std::move(course);
  r.total = "100";
  r.adjusted = "100";
  const int rating = 1000 - tenths;
  r.rating = std::to_string(rating / 10) + "." + std::to_string(rating % 10);
  r.slope = "113";
  return r;
}

// Stored date of December 2001, day 31 - (p - 1): p = 1 is the 31st.
inline std::string December2001(int p) {
  const int day = 32 - p;
  return "200112" + std::string(day < 10 ? "0" : "") + std::to_string(day);
}

// The visible top-level windows of a class.
template <class T>
std::vector<T*> OpenWindows() {
  std::vector<T*> found;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
      found.push_back(window);
  return found;
}

// Two courses of the course list, for rounds entered in the tests.
inline const char* kTestCourses =
    "Oak Hills~70.5~121~72~4~5~3~4~4~5~3~4~4~4~5~3~4~4~5~3~4~4~\r\n"
    "Pine Valley~70.0~113~72~4~5~3~4~4~5~3~4~4~4~5~3~4~4~5~3~4~4~\r\n";

// Picks the course in the score entry window, types the total and presses OK;
// returns the round the window hands over.
inline fw::TScoreRec ConfirmRound(TScoreForm* entry, const QString& course, const QString& total) {
  entry->Ui().CourseField->setCurrentIndex(entry->Ui().CourseField->findText(course));
  entry->CourseFieldClick();
  entry->Ui().ScoreTotal->setText(total);
  entry->ScoreTotalExit();
  const fw::TScoreRec round = entry->Round();
  QTest::mouseClick(entry->Ui().OKButton, Qt::LeftButton);
  QApplication::processEvents();
  return round;
}

// The bytes of a score file holding these rounds.
inline std::string FileWith(const std::vector<fw::TScoreRec>& rounds) {
  fw::ScoreTable table;
  for (const fw::TScoreRec& r : rounds) table.Append(r);
  return fw::FormatScoreFile(table);
}

}  // namespace fwtest
