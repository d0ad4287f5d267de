#pragma once
// Course maintenance: add, change and delete courses, save the course list.
// The stroke indexes of the courses' holes, kept beside it in the hole list,
// follow their courses: a course renamed takes them along, a course deleted
// takes them away. The main window makes a new one at each "Edit Courses".

#include "data/courselist.h"
#include "data/holelist.h"
#include "ui/fwmaintform.h"

class TCourseForm;
struct TCourseEdit;

class TCMaintForm : public fw::ui::FwMaintForm {
  Q_OBJECT
 public:
  explicit TCMaintForm(QWidget* parent = nullptr);

  fw::CourseTable Courses;
  // What this window read of the course list, for the check before a save.
  fw::FileSnapshot CoursesSeen;
  // The stroke indexes, and what this window read of the hole list.
  fw::HoleTable Holes;
  fw::FileSnapshot HolesSeen;
  int EditedCourse = 0;

  // Takes a course confirmed for this window from the course edit dialog, or
  // shows the course list afresh when another copy changed it.
  void FormActivate() override;
  // Cancels the course edit dialog when it is open for this window.
  void FormClose() override;
  void AddButtonClick() override;
  void ModifyButtonClick() override;
  void DeleteButtonClick() override;
  // Writes the course list, and the hole list when its stroke indexes changed.
  bool SaveChanges() override;

 private:
  // Loads the course list and the hole list afresh, dropping this window's
  // changes; the course selected stays selected when it is still there.
  void Reload();
  // Loads the hole list into Holes.
  void LoadHoles();
  // A course confirmed in the course edit dialog, taken into the tables.
  void TakeCourse(TCourseEdit edit);
  // A course another window added to the course list: joins this window's
  // table when the table held exactly what was in the file before.
  void CourseAddedElsewhere(const fw::TCourseRec& course, const fw::FileSnapshot& before,
                            const fw::FileSnapshot& after);
  // Refills the list box from the table and selects line `line` (from 1): the
  // first when 0, the last when beyond the end.
  void FillList(int line);
  // True while the course edit dialog is shown on behalf of this window.
  bool CourseDialogOpenHere() const;
  // Shows the course edit dialog, already filled, on behalf of this window.
  void ShowCourseDialog(TCourseForm* dialog);

  // Set when this window shows the course edit dialog, cleared when the dialog
  // has handed back (confirmed or not).
  bool awaitingCourseDialog_ = false;
  // Set when Holes differs from the hole list as read; the hole list is
  // written only then.
  bool holesChanged_ = false;
};
