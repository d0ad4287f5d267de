#pragma once
// The golfer list window, from which all work on one golfer's rounds starts.
// The main window makes a new one at each "Enter Scores".

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "data/golferlist.h"
#include "data/scorefile.h"
#include "ui/fwform.h"

// The controls of TGPickForm, by the names tools and tests find them by.
struct TGPickFormControls {
  QListWidget* GolferListBox = nullptr;
  QPushButton* AddAScoreButton = nullptr;
  QPushButton* AddGroupButton = nullptr;
  QPushButton* EditScoresButton = nullptr;
  QPushButton* IndexButton = nullptr;
  QPushButton* HandicapButton = nullptr;
  QPushButton* PrintScoresButton = nullptr;
  QPushButton* PrintHandicapButton = nullptr;
  QPushButton* ProgressButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QCheckBox* chkUseMaxIndex = nullptr;
  QLabel* Label1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* AddaScore1 = nullptr;
  QAction* AddaGroupofScores1 = nullptr;
  QAction* EditViewScores1 = nullptr;
  QAction* CalculateIndex1 = nullptr;
  QAction* CalculateHandicap1 = nullptr;
  QAction* PrintScores1 = nullptr;
  QAction* PrintHandicaps1 = nullptr;
  QAction* Progress1 = nullptr;
  QAction* ExportRounds1 = nullptr;
  QAction* ImportRounds1 = nullptr;
};

class TGPickForm : public fw::ui::FwForm, private TGPickFormControls {
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

  // Read access to the controls, for tests; other windows use the typed calls.
  const TGPickFormControls& Ui() const { return *this; }

  fw::GolferTable Golfers;
  // What this window read of the golfer list: a list changed meanwhile (a
  // golfer added or renamed in golfer maintenance) is loaded again when the
  // window becomes active.
  fw::FileSnapshot GolfersSeen;
  fw::ScoreTable Scores;
  Activity ActivityMode = Activity::kNone;
  // 1-based position of the golfer the last activity worked on; 0 = none.
  // Kept for the whole run, so a reopened list selects the same golfer.
  static int SelectedGolfer;

  void FormActivate() override;
  void FormClose() override;
  // The program ends without closing this window: keep the option as closing would.
  bool SettleUnsavedChanges() override;

  void AddAScore();
  void AddGroupOfScores();
  void EditScores();
  void CalculateIndex();
  void CourseHandicap();
  void PrintScores();
  void PrintHandicaps();
  // The progress window for the selected golfer, from his score file.
  void Progress();
  // The selected golfer's rounds into a CSV file.
  void ExportRounds();
  // Rounds from a CSV file into the selected golfer's score file, after a preview.
  void ImportRounds();
  void ExitButtonClick();

 private:
  // The golfer of the selected line after the steps every activity starts
  // with; nullptr (nothing done) when the list is empty or no line is selected.
  const fw::TGolferRec* StartActivity(bool selectsGolfer);
  // Loads and sorts the golfer's score file into Scores.
  void LoadScoresOf(const fw::TGolferRec& golfer);
  void SelectRememberedGolfer();
  // The maximum index check box applies under the program's own rules only:
  // under WHS it is disabled, with a tool tip that says why.
  void FollowRules();
  // Loads the golfer list into the list box; the golfer selected stays
  // selected when he is still there.
  void LoadGolfers();
};
