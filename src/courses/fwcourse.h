#pragma once
// The course edit dialog: name, rating, slope and the par of each hole, with
// OUT, IN and the total par added up while typing, and the stroke index of
// each hole when it is known. One instance lives for the
// whole run; course maintenance and the score entry window fill it, show it
// with ShowFor and take a confirmed course back when they become active again,
// each only when it was the one that opened the dialog.

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>

#include "data/courselist.h"
#include "data/holelist.h"
#include "ui/fwform.h"

// A course as the course edit dialog holds it: the course list's record and
// the stroke indexes of its holes, kept beside it in the hole list (none: not
// known).
struct TCourseEdit {
  fw::TCourseRec Course;
  std::optional<fw::StrokeIndexes> StrokeIndexes;
};

// The controls of TCourseForm, by the names tools and tests find them by.
struct TCourseFormControls {
  QLineEdit* CourseName = nullptr;
  QLineEdit* RatingField = nullptr;
  QLineEdit* SlopeField = nullptr;
  std::array<QLineEdit*, 19> Par{};  // Par[1] to Par[18]; Par[0] unused
  QLineEdit* ParOut = nullptr;
  QLineEdit* ParIn = nullptr;
  QLineEdit* ParTotal = nullptr;
  // StrokeIndex[1] to StrokeIndex[18]; all empty when they are not known.
  std::array<QLineEdit*, 19> StrokeIndex{};
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLineEdit* OkPressed = nullptr;  // "1" after a successful OK, "0" after Cancel
};

class TCourseForm : public fw::ui::FwDialog, private TCourseFormControls {
  Q_OBJECT
 public:
  explicit TCourseForm(QWidget* parent = nullptr);

  // The one instance of the run, made hidden at start-up; nullptr before.
  static TCourseForm* Instance();
  static void SetInstance(TCourseForm* instance);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TCourseFormControls& Ui() const { return *this; }

  // Fills the fields from a course (name, rating, slope, pars, total) and
  // its stroke indexes (empty fields when it has none).
  void SetCourse(const fw::TCourseRec& course,
                 const std::optional<fw::StrokeIndexes>& strokeIndexes = std::nullopt);
  // Empties name, rating, slope and the stroke indexes and sets every par and
  // the totals to "0".
  void ClearCourse();
  // The course in the fields, each text cut to its room in the course list.
  fw::TCourseRec Course() const;
  // The stroke indexes in the fields; none when they are empty (or, before
  // OK has checked them, not each of 1 to 18 once).
  std::optional<fw::StrokeIndexes> TypedStrokeIndexes() const;
  // The course and its stroke indexes confirmed here, when this dialog was
  // last shown by `opener`; OkPressed goes back to "0", so that it is taken
  // once only.
  std::optional<TCourseEdit> TakeConfirmed(const fw::ui::FormBase* opener);

  void UpdateParTotals(bool recomputeTotal);
  void FormShow() override;
  void FormActivate() override;
  void ParExit(int hole);  // Par1Exit .. Par18Exit
  void OKButtonClick();
  void CancelButtonClick();

 private:
  // Moves the focus to the field with its text selected, so that typing
  // replaces it.
  void FocusAndSelect(QLineEdit* field);
  // Refuses a rating (`decimal`) or slope that is not digits with at most one
  // decimal point (the rating) or digits only (the slope), with the standard
  // conversion message and the field's text selected.
  void CheckNumber(QLineEdit* field, bool decimal);
  // The stroke index fields as typed, hole 1 first.
  std::array<std::string, 18> StrokeIndexTexts() const;
  // Before the fields are refilled: the focus goes back to the course name
  // (without running a par field's exit handler on a window that is not
  // active) and the next activation prepares the fields again.
  void StartAfresh();

  // Set when the dialog is shown or refilled; the first activation after that
  // adds up OUT and IN and puts the focus into the course name. Later
  // activations (after a message box, or after switching windows) leave the
  // focus where the user or the message put it.
  bool freshFields_ = false;
};
