#pragma once
// The group score entry window: the rounds of several golfers who played the
// same course on the same day, one golfer after the other, through the score
// entry window. The date and the course stay from one golfer to the next. The
// golfer list window makes a new one for each group.

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <optional>

#include "data/golferlist.h"
#include "data/scorefile.h"
#include "ui/fwform.h"

// The controls of TGroupOfScoresForm, by the names tools and tests find them by.
struct TGroupOfScoresFormControls {
  QListWidget* GolferListBox = nullptr;
  QPushButton* AddAScoreButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QAction* Exit1 = nullptr;
  QAction* AddaScore1 = nullptr;
};

class TGroupOfScoresForm : public fw::ui::FwForm, private TGroupOfScoresFormControls {
  Q_OBJECT
 public:
  enum class Mode { kNone, kAdding };

  explicit TGroupOfScoresForm(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TGroupOfScoresFormControls& Ui() const { return *this; }

  fw::GolferTable Golfers;
  // What this window read of the golfer list; a list changed meanwhile is
  // loaded again when the window becomes active.
  fw::FileSnapshot GolfersSeen;
  fw::ScoreTable Scores;
  // 1-based position of the golfer being served; 0 = none.
  int GroupGolfer = 0;
  Mode GroupMode = Mode::kNone;
  // Add a Score requests so far in this window.
  int GroupCount = 0;

  void FormActivate() override;
  void FormClose() override;

  // AddAScoreButtonClick, AddaScore1Click and GolferListBoxDblClick.
  void AddAScore();
  void ExitButtonClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The list above a strip of 26 pixels that holds the buttons.
  void LayOutClientArea();
  void SelectGroupGolfer();
  // Loads the golfer list into the list box; the golfer being served stays
  // selected when he is still there.
  void LoadGolfers();
  // Takes the date and the course from the score entry window while it is
  // this window's, so that the next golfer keeps them even when the golfer
  // list has used the window in between.
  void KeepDateAndCourse();

  QWidget* client_ = nullptr;
  QString keptDate_;
  QString keptCourse_;
};
