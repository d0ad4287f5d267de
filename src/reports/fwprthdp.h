#pragma once
// The print handicaps dialog: one course and any number of golfers, then the
// handicap list for that course or the wallet handicap cards. The
// golfer list window opens a new one each time; it loads what it needs itself.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "data/courselist.h"
#include "data/golferlist.h"
#include "data/scorefile.h"
#include "ui/fwform.h"

// The controls of TPrintHandicapsDlg, by the names tools and tests find them by.
struct TPrintHandicapsDlgControls {
  QLabel* Label1 = nullptr;
  QComboBox* CourseField = nullptr;
  QLabel* SrcLabel = nullptr;
  QListWidget* GolferListBox = nullptr;
  QLabel* DstLabel = nullptr;
  QListWidget* PrintListBox = nullptr;
  QPushButton* IncludeBtn = nullptr;
  QPushButton* IncAllBtn = nullptr;
  QPushButton* ExcludeBtn = nullptr;
  QPushButton* ExAllBtn = nullptr;
  QPushButton* PrintListButton = nullptr;
  QPushButton* PrintCardsButton = nullptr;
  QPushButton* ExportListButton = nullptr;
  QPushButton* ExitButton = nullptr;
};

class TPrintHandicapsDlg : public fw::ui::FwDialog, private TPrintHandicapsDlgControls {
  Q_OBJECT
 public:
  // Loads the course and golfer lists. When one of them cannot be read the
  // error is shown and Loaded() is false: the opener then deletes the dialog
  // instead of showing it.
  explicit TPrintHandicapsDlg(QWidget* parent = nullptr);

  bool Loaded() const { return loaded_; }

  // Read access to the controls, for tests; other windows use the typed calls.
  const TPrintHandicapsDlgControls& Ui() const { return *this; }

  fw::GolferTable Golfers;
  fw::ScoreTable Scores;
  fw::CourseSummaryTable Courses;
  // What this dialog read of the golfer and course lists: lists changed
  // meanwhile are loaded again when the dialog becomes active.
  fw::FileSnapshot GolfersSeen;
  fw::FileSnapshot CoursesSeen;
  // True once the user has clicked in CourseField or pressed a key in it.
  bool CourseChosen = false;
  // For the handicap cards: the free positions of the first sheet, counted
  // down while the cards are laid out (-1 after the details were cancelled),
  // and the positions of the scores used by the last card's index.
  int CardsOnFirstSheet = 0;
  std::vector<int> UsedScores;

  void FormActivate() override;
  void CourseFieldClick();
  void IncludeBtnClick();
  void ExcludeBtnClick();
  void IncAllBtnClick();
  void ExcAllBtnClick();
  void PrintListButtonClick();
  void PrintCardsButtonClick();
  // The handicap list of the chosen course and golfers as a CSV file.
  void ExportListButtonClick();
  void ExitButtonClick();

  // Places in the golfer table (from 1) of the golfers in the print list, in
  // its order.
  std::vector<int> PrintListPlaces() const;

 private:
  // Load the lists into the table and the controls; the golfers in the print
  // list and the course chosen stay where they still exist.
  void LoadGolfers();
  void LoadCourses();
  // Moves the selected lines of `source` into `destination`, from the last
  // line up.
  void MoveSelected(QListWidget* source, QListWidget* destination);
  static int GetFirstSelection(const QListWidget* list);
  void SetItem(QListWidget* list, int index);
  void SetButtons();
  // Puts a line into `list`: at the end of the print list, at the golfer's
  // place in the golfer list.
  void AddLine(QListWidget* list, QListWidgetItem* line);
  // True when a course is chosen and the print list holds a golfer; otherwise
  // says which is missing.
  bool CanPrint();
  void PrintHandicapList();
  // Asks for the cards on the first sheet, then the printer, then prints a
  // card for each golfer of the print list.
  void PrintHandicapCards();

  bool loaded_ = false;
};
