#pragma once
// The course edit dialog: name, rating, slope and the par of each hole, with
// OUT, IN and the total par added up while typing. One instance lives for the
// whole run; course maintenance and the score entry window fill it, show it
// with ShowFor and take a confirmed course back when they become active again,
// each only when it was the one that opened the dialog.

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>

#include "data/courselist.h"
#include "ui/fwform.h"

class TCourseForm : public fw::ui::FwDialog {
  Q_OBJECT
 public:
  explicit TCourseForm(QWidget* parent = nullptr);

  // The one instance of the run, made hidden at start-up; nullptr before.
  static TCourseForm* Instance();
  static void SetInstance(TCourseForm* instance);

  QLineEdit* CourseName = nullptr;
  QLineEdit* RatingField = nullptr;
  QLineEdit* SlopeField = nullptr;
  std::array<QLineEdit*, 19> Par{};  // Par[1] to Par[18]; Par[0] unused
  QLineEdit* ParOut = nullptr;
  QLineEdit* ParIn = nullptr;
  QLineEdit* ParTotal = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLineEdit* OkPressed = nullptr;  // "1" after a successful OK, "0" after Cancel

  // Fills the fields from a course (name, rating, slope, pars, total).
  void SetCourse(const fw::TCourseRec& course);
  // Empties name, rating and slope and sets every par and the totals to "0".
  void ClearCourse();
  // The course in the fields, each text cut to its room in the course list.
  fw::TCourseRec Course() const;
  // The course confirmed here, when this dialog was last shown by `opener`;
  // OkPressed goes back to "0", so that it is taken once only.
  std::optional<fw::TCourseRec> TakeConfirmed(const fw::ui::FormBase* opener);

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
