#include "courses/fwcmaint.h"

#include "courses/fwcourse.h"
#include "data/textutil.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

using fw::ui::App;

namespace {

const QString kCourseLimitWarning = QStringLiteral(
    "You have reached the maximum allowed number of courses.  If possible, delete some courses "
    "that you do not use.  Then, you can enter more new ones.");

}  // namespace

TCMaintForm::TCMaintForm(QWidget* parent)
    : FwMaintForm(parent, "CourseListBox", QStringLiteral("Course"),
                  QStringLiteral("Save changes made to courses?")) {
  setObjectName(QStringLiteral("CMaintForm"));
  setWindowTitle(QStringLiteral("Course Maintenance"));

  // Creation: placement, the course list (seeded from the sample the first
  // time), sorted by name, and nothing changed yet. A course list that cannot
  // be read stops the opening, so that an empty list never replaces it.
  UsePlacement("CMaintForm", {385, 119, 98, 568});
  fw::ui::UiMessenger messenger;
  fw::LoadCourseList(App().folder, Courses, messenger);
  fw::SortCourseList(Courses);
  FillList(0);
  SetChanged(false);
}

void TCMaintForm::FillList(int line) {
  QStringList names;
  for (const fw::TCourseRec& course : Courses) names << fw::ui::ToQt(fw::CutAtNul(course.Name));
  FillLines(names, line);
}

bool TCMaintForm::CourseDialogOpenHere() const {
  TCourseForm* dialog = App().CourseForm;
  return dialog && dialog->isVisible() && dialog->Opener() == this;
}

void TCMaintForm::ShowCourseDialog(TCourseForm* dialog) {
  awaitingCourseDialog_ = true;
  dialog->ShowFor(this);
}

void TCMaintForm::FormActivate() {
  TCourseForm* dialog = App().CourseForm;
  // Only a course confirmed for this window is taken; the score entry window
  // shares the dialog and takes its own.
  bool confirmed =
      dialog && dialog->Opener() == this && dialog->OkPressed->text() == QStringLiteral("1");
  bool returned = awaitingCourseDialog_ && !CourseDialogOpenHere();
  if (!confirmed && !returned) return;
  awaitingCourseDialog_ = false;
  if (confirmed) {
    dialog->OkPressed->setText(QStringLiteral("0"));
    fw::TCourseRec course = dialog->Course();
    if (EditedCourse == 0) {
      Courses.Append(std::move(course));
      EditedCourse = Courses.Count();
    } else {
      Courses[EditedCourse] = std::move(course);
    }
    SetChanged(true);
  }
  // Back from the dialog, confirmed or not: the list is sorted and filled
  // again, and the line at the edited position is selected (after the sort it
  // may hold another course).
  fw::SortCourseList(Courses);
  FillList(EditedCourse);
}

void TCMaintForm::AddButtonClick() {
  TCourseForm* dialog = App().CourseForm;
  if (!dialog) return;
  if (Courses.Count() >= App().MaxCourses || Courses.Full()) {
    fw::ui::Warn(kCourseLimitWarning);
    return;
  }
  EditedCourse = 0;
  dialog->ClearCourse();
  ShowCourseDialog(dialog);
}

void TCMaintForm::ModifyButtonClick() {
  TCourseForm* dialog = App().CourseForm;
  int line = SelectedLine();
  if (!dialog || line == 0) return;
  EditedCourse = line;
  dialog->SetCourse(Courses[line]);
  ShowCourseDialog(dialog);
}

void TCMaintForm::DeleteButtonClick() {
  int line = SelectedLine();
  if (line == 0) return;
  if (!fw::ui::AskYesNo(QStringLiteral("Are you sure you want to delete this course?"))) return;
  // A course being changed in the open dialog keeps its place in the table:
  // deleting a course before it moves it up, and deleting the course itself
  // makes a confirmed change come back as a new course.
  if (CourseDialogOpenHere() && EditedCourse > 0) {
    if (line < EditedCourse)
      --EditedCourse;
    else if (line == EditedCourse)
      EditedCourse = 0;
  }
  Courses.Delete(line);
  RemoveLine(line);
  SetChanged(true);
}

void TCMaintForm::SaveButtonClick() {
  fw::SaveCourseList(App().folder, Courses);
  SetChanged(false);
}

void TCMaintForm::FormClose() {
  // A course dialog left open for this window would confirm into nothing.
  if (!CourseDialogOpenHere()) return;
  TCourseForm* dialog = App().CourseForm;
  dialog->SetOpener(nullptr);
  dialog->CancelButtonClick();
}
