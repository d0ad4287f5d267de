#pragma once
// The main window: a small launcher for golfer maintenance, course maintenance
// and the golfer list, with the about box and the way out of the program.

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <functional>

#include "ui/fwform.h"
#include "ui/fwwidgets.h"

// The controls of TMainForm, by the names tools and tests find them by.
struct TMainFormControls {
  fw::ui::ClickableLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* EditGolferButton = nullptr;
  QPushButton* EditCoursesButton = nullptr;
  QPushButton* EnterScoresButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QLineEdit* VersionField = nullptr;
  QAction* BackUpClub1 = nullptr;
  QAction* RestoreClub1 = nullptr;
  QAction* ExportClub1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* EditGolfers1 = nullptr;
  QAction* EditCourses1 = nullptr;
  QAction* EnterScores1 = nullptr;
  QAction* Preferences1 = nullptr;
  QAction* Help2 = nullptr;
  QAction* AboutFairwick1 = nullptr;
};

class TMainForm : public fw::ui::FwForm, private TMainFormControls {
  Q_OBJECT
 public:
  // Runs the creation steps: placement, the maximum index option, the exit
  // flag, the version and the limits.
  explicit TMainForm(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TMainFormControls& Ui() const { return *this; }

  void EditGolferButtonClick();
  void EditCoursesButtonClick();
  void EnterScoresButtonClick();
  void Image1Click();
  // Opens the Preferences dialog, or brings the open one to the front.
  void Preferences1Click();
  void ExitButtonClick();
  void Exit1Click();
  // Writes every data file of the club into a .zip file the user names.
  void BackUpClub1Click();
  // Unpacks a backup into an empty folder the user picks, then offers to
  // open the restored club in a new copy of Fairwick.
  void RestoreClub1Click();
  // Every golfer's rounds into one CSV file.
  void ExportClub1Click();
  bool FormCloseQuery() override;

  // Asks every other open window about its unsaved changes; false when the
  // user cancelled one of the questions.
  bool SettleOpenWindows();

  // Starts a new copy of Fairwick working in `folder`; false when it could
  // not be started. Tests replace it.
  std::function<bool(const QString& folder)> StartCopyIn;

 private:
  // The open golfer and course maintenance windows: two editors of one file
  // in one program would lose each other's changes, so a second click brings
  // the open one to the front.
  QPointer<fw::ui::FwForm> golferMaintenance_;
  QPointer<fw::ui::FwForm> courseMaintenance_;
  QPointer<fw::ui::FwDialog> preferences_;
};
