#pragma once
// The golfer list window, from which all work on one golfer's rounds starts.
// The main window makes a new one at each "Enter Scores".

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/fwform.h"
#include "data/golferlist.h"
#include "data/scorefile.h"

class TGPickForm : public fw::ui::FwForm {
  Q_OBJECT
 public:
  enum class Activity {
    kNone,
    kAddScore,
    kAddGroup,
    kEditScores,
    kCalculateIndex,
    kCourseHandicap
  };

  explicit TGPickForm(QWidget* parent = nullptr);

  QListWidget* GolferListBox = nullptr;
  QPushButton* AddAScoreButton = nullptr;
  QPushButton* AddGroupButton = nullptr;
  QPushButton* EditScoresButton = nullptr;
  QPushButton* IndexButton = nullptr;
  QPushButton* HandicapButton = nullptr;
  QPushButton* PrintScoresButton = nullptr;
  QPushButton* PrintHandicapButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QCheckBox* chkUseMaxIndex = nullptr;
  QLabel* Label1 = nullptr;

  fw::GolferTable Golfers;
  fw::ScoreTable Scores;
  Activity ActivityMode = Activity::kNone;
  // 1-based position of the golfer the last activity worked on; 0 = none.
  // Kept for the whole run, so a reopened list selects the same golfer.
  static int SelectedGolfer;

  void FormActivate() override;
  void FormClose() override;

  void AddAScore();
  void AddGroupOfScores();
  void EditScores();
  void CalculateIndex();
  void CourseHandicap();
  void PrintScores();
  void PrintHandicaps();
  void ExitButtonClick();
};
