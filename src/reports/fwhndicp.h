#pragma once
// The course handicap window: one golfer's course handicap and predicted score
// on a course picked from the course list, printed or written on request.
// Openers make a new one, fill GolferName, GolferShortName and IndexField and
// show it with ShowFor; the window deletes itself when it closes. Under the
// World Handicap System a golfer without an index shows "NH" in IndexField,
// and the result lines show "NH" too.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/courselist.h"
#include "handicap/handicaprules.h"
#include "ui/fwform.h"

class QAction;

// The controls of THandicapForm, by the names tools and tests find them by.
struct THandicapFormControls {
  QLabel* CourseLabel = nullptr;
  QComboBox* CourseField = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* RatingField = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* SlopeField = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* ParField = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* IndexField = nullptr;       // filled by the opener
  QLineEdit* GolferName = nullptr;       // hidden; the long name, filled by the opener
  QLineEdit* GolferShortName = nullptr;  // hidden; filled by the opener
  QLineEdit* Hdcp1 = nullptr;
  QLineEdit* Hdcp2 = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* PrintButton = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Help2 = nullptr;
  QAction* AboutFairwick1 = nullptr;
};

class THandicapForm : public fw::ui::FwForm, private THandicapFormControls {
  Q_OBJECT
 public:
  explicit THandicapForm(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const THandicapFormControls& Ui() const { return *this; }

  // The courses in the order of CourseField, addressed from 1.
  fw::CourseSummaryTable Courses;
  // What this window read of the course list; a list changed meanwhile is
  // loaded again when the window becomes active.
  fw::FileSnapshot CoursesSeen;
  // Set by the first course picked; Print needs one.
  bool CourseChosen = false;
  // The rules the index shown was computed under, those in force when the
  // window was made: the course handicap and the printout follow them.
  fw::HandicapRules Rules = fw::HandicapRules::kFairwick;

  // Shows the window over `opener` for the golfer named, with his index as
  // shown there (a figure, or NH).
  void ShowGolfer(const QString& longName, const QString& shortName, const QString& index,
                  fw::ui::FormBase* opener);

  void FormActivate() override;
  // Loads the course list into the table and the list; the course shown stays

  // chosen when it is still there.
  void LoadCourses();
  void CourseFieldClick();
  void OKButtonClick();
  void PrintButtonClick();
  void AboutFairwick1Click();
};
