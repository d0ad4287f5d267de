#include "courses/fwcmaint.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "courses/fwcourse.h"
#include "data/textutil.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::App;

namespace {

const QString kCourseLimitWarning = QStringLiteral(
    "You have reached the maximum allowed number of courses.  If possible, delete some courses "
    "that you do not use.  Then, you can enter more new ones.");

}  // namespace

TCMaintForm::TCMaintForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("CMaintForm"));
  setWindowTitle(QStringLiteral("Course Maintenance"));

  QWidget* client = NewClientArea();

  CourseListBox = fw::ui::NamedList(client, "CourseListBox");
  OnDoubleClick(CourseListBox, [this] { CourseListBoxDblClick(); });

  AddButton = fw::ui::NamedButton(client, "AddButton", QStringLiteral("Add"));
  ModifyButton = fw::ui::NamedButton(client, "ModifyButton", QStringLiteral("Modify"));
  DeleteButton = fw::ui::NamedButton(client, "DeleteButton", QStringLiteral("Delete"));
  SaveButton = fw::ui::NamedButton(client, "SaveButton", QStringLiteral("Save"));
  ExitButton = fw::ui::NamedButton(client, "ExitButton", QStringLiteral("Exit"));
  OnClick(AddButton, [this] { AddButtonClick(); });
  OnClick(ModifyButton, [this] { ModifyButtonClick(); });
  OnClick(DeleteButton, [this] { DeleteButtonClick(); });
  OnClick(SaveButton, [this] { SaveButtonClick(); });
  OnClick(ExitButton, [this] { ExitButtonClick(); });

  // The list grows with the window; the buttons keep their places beside it.
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {AddButton, ModifyButton, DeleteButton, SaveButton, ExitButton})
    buttons->addWidget(button);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(client);
  layout->addWidget(CourseListBox, 1);
  layout->addLayout(buttons);

  QMenuBar* menu = menuBar();
  menu->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = menu->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  Save1 = AddMenuItem(file, "Save1", QStringLiteral("&Save"), [this] { Save1Click(); });
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("&Exit"), [this] { Exit1Click(); });
  QMenu* edit = menu->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  AddCourse1 =
      AddMenuItem(edit, "AddCourse1", QStringLiteral("&Add Course"), [this] { AddCourse1Click(); });
  ModifyCourse1 = AddMenuItem(edit, "ModifyCourse1", QStringLiteral("&Modify Course"),
                              [this] { ModifyCourse1Click(); });
  DeleteCourse1 = AddMenuItem(edit, "DeleteCourse1", QStringLiteral("&Delete Course"),
                              [this] { DeleteCourse1Click(); });

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

int TCMaintForm::SelectedCourse() const {
  const QList<QListWidgetItem*> selected = CourseListBox->selectedItems();
  if (selected.isEmpty()) return 0;
  return CourseListBox->row(selected.first()) + 1;
}

void TCMaintForm::FillList(int line) {
  CourseListBox->clear();
  for (const fw::TCourseRec& course : Courses)
    CourseListBox->addItem(fw::ui::ToQt(fw::CutAtNul(course.Name)));
  if (Courses.Empty()) return;
  line = std::clamp(line, 1, Courses.Count());
  CourseListBox->setCurrentRow(line - 1);
}

void TCMaintForm::SetChanged(bool changed) {
  CoursesChanged = changed;
  SaveButton->setEnabled(changed);
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
  int line = SelectedCourse();
  if (!dialog || line == 0) return;
  EditedCourse = line;
  dialog->SetCourse(Courses[line]);
  ShowCourseDialog(dialog);
}

void TCMaintForm::DeleteButtonClick() {
  int line = SelectedCourse();
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
  delete CourseListBox->takeItem(line - 1);
  SetChanged(true);
  if (!Courses.Empty()) CourseListBox->setCurrentRow(std::min(line, Courses.Count()) - 1);
}

void TCMaintForm::SaveButtonClick() {
  fw::SaveCourseList(App().folder, Courses);
  SetChanged(false);
}

void TCMaintForm::ExitButtonClick() {
  close();
}

bool TCMaintForm::SettleUnsavedChanges() {
  return !CoursesChanged || AskToSaveChanges(QStringLiteral("Save changes made to courses?"),
                                             [this] { SaveButtonClick(); });
}

bool TCMaintForm::FormCloseQuery() {
  return SettleUnsavedChanges();
}

void TCMaintForm::FormClose() {
  // A course dialog left open for this window would confirm into nothing.
  if (!CourseDialogOpenHere()) return;
  TCourseForm* dialog = App().CourseForm;
  dialog->SetOpener(nullptr);
  dialog->CancelButtonClick();
}
