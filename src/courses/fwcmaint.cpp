#include "courses/fwcmaint.h"

#include <algorithm>

#include "courses/fwcourse.h"
#include "data/limitmessages.h"
#include "data/textutil.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

using fw::ui::App;

TCMaintForm::TCMaintForm(QWidget* parent)
    : FwMaintForm(parent, "CourseListBox", QStringLiteral("Course"),
                  QStringLiteral("Save changes made to courses?")) {
  setObjectName(QStringLiteral("CMaintForm"));
  setWindowTitle(QStringLiteral("Course Maintenance"));
  List->setAccessibleName(QStringLiteral("Courses"));

  // Creation: placement, the course list (seeded from the sample the first
  // time), sorted by name, and nothing changed yet. A course list that cannot
  // be read stops the opening, so that an empty list never replaces it.
  UsePlacement("CMaintForm", {385, 119, 98, 568});
  fw::ui::UiMessenger messenger;
  fw::LoadCourseList(App().folder, Courses, messenger, &CoursesSeen);
  fw::ui::TellPartialLoad(fw::kCourseListFile, CoursesSeen);
  fw::SortCourseList(Courses);
  LoadHoles();
  FillList(0);
  SetChanged(false);
  connect(&fw::ui::Events(), &fw::ui::DataEvents::CourseAdded, this,
          &TCMaintForm::CourseAddedElsewhere);
}

void TCMaintForm::Reload() {
  const int line = SelectedLine();
  const std::string selected = line > 0 ? fw::CutAtNul(Courses[line].Name) : std::string();
  fw::ui::UiMessenger messenger;
  fw::CourseTable fresh;
  fw::FileSnapshot seen;
  fw::LoadCourseList(App().folder, fresh, messenger, &seen);
  fw::ui::TellPartialLoad(fw::kCourseListFile, seen);
  fw::SortCourseList(fresh);
  Courses = std::move(fresh);
  CoursesSeen = std::move(seen);
  LoadHoles();
  int select = 1;
  for (int i = 1; i <= Courses.Count(); ++i)
    if (fw::CutAtNul(Courses[i].Name) == selected) select = i;
  FillList(select);
  SetChanged(false);
}

void TCMaintForm::LoadHoles() {
  fw::HoleTable fresh;
  fw::FileSnapshot seen;
  fw::LoadHoleList(App().folder, fresh, &seen);
  fw::ui::TellPartialLoad(fw::kHoleListFile, seen);
  Holes = std::move(fresh);
  HolesSeen = std::move(seen);
  holesChanged_ = false;
}

void TCMaintForm::CourseAddedElsewhere(const fw::TCourseRec& course, const fw::FileSnapshot& before,
                                       const fw::FileSnapshot& after) {
  // A window that had read something else (or holds part of the list) gets
  // nothing: its save says that the file has changed.
  if (!CoursesSeen.SameFileAs(before) || CoursesSeen.Partial() || Courses.Full()) return;
  // The course being changed in the dialog, and the one selected, keep their
  // places in the table as the new course is sorted in.
  auto positionAfterSort = [this](int position, const fw::TCourseRec& rec) {
    if (position <= 0) return position;
    for (int i = 1; i <= Courses.Count(); ++i)
      if (Courses[i] == rec) return i;
    return position;
  };
  const int line = SelectedLine();
  const fw::TCourseRec selected = line > 0 ? Courses[line] : fw::TCourseRec{};
  const fw::TCourseRec edited = EditedCourse > 0 ? Courses[EditedCourse] : fw::TCourseRec{};
  Courses.Append(course);
  CoursesSeen = after;
  // The course may have brought stroke indexes; those of this window's own
  // changes stay, and its save then says that the hole list has changed.
  if (!holesChanged_) fw::ui::Guarded([this] { LoadHoles(); });
  fw::SortCourseList(Courses);
  EditedCourse = positionAfterSort(EditedCourse, edited);
  FillList(positionAfterSort(line, selected));
}

void TCMaintForm::FillList(int line) {
  QStringList names;
  for (const fw::TCourseRec& course : Courses) names << fw::ui::ToQt(fw::CutAtNul(course.Name));
  FillLines(names, line);
}

bool TCMaintForm::CourseDialogOpenHere() const {
  TCourseForm* dialog = TCourseForm::Instance();
  return dialog && dialog->isVisible() && dialog->Opener() == this;
}

void TCMaintForm::ShowCourseDialog(TCourseForm* dialog) {
  awaitingCourseDialog_ = true;
  dialog->ShowFor(this);
}

void TCMaintForm::FormActivate() {
  TCourseForm* dialog = TCourseForm::Instance();
  // Only a course confirmed for this window is taken; the score entry window
  // shares the dialog and takes its own.
  std::optional<TCourseEdit> confirmed;
  if (dialog) confirmed = dialog->TakeConfirmed(this);
  bool returned = awaitingCourseDialog_ && !CourseDialogOpenHere();
  if (!confirmed && !returned) {
    // A list changed meanwhile by another copy is shown as it is now, unless
    // this window holds changes of its own (its save then says so).
    if (!awaitingCourseDialog_ && !Changed &&
        (!App().folder.Unchanged(fw::kCourseListFile, CoursesSeen) ||
         !App().folder.Unchanged(fw::kHoleListFile, HolesSeen)))
      Reload();
    return;
  }
  awaitingCourseDialog_ = false;
  if (confirmed) TakeCourse(std::move(*confirmed));
  // Back from the dialog, confirmed or not: the list is sorted and filled
  // again, and the line at the edited position is selected (after the sort it
  // may hold another course).
  fw::SortCourseList(Courses);
  FillList(EditedCourse);
}

void TCMaintForm::TakeCourse(TCourseEdit edit) {
  const std::string name = fw::CutAtNul(edit.Course.Name);
  const fw::HoleTable before = Holes;
  if (EditedCourse == 0) {
    Courses.Append(std::move(edit.Course));
    EditedCourse = Courses.Count();
  } else {
    // A course renamed takes its stroke indexes along.
    fw::RenameHoleRecs(Holes, fw::CutAtNul(Courses[EditedCourse].Name), name);
    Courses[EditedCourse] = std::move(edit.Course);
  }
  fw::SetStrokeIndexes(Holes, name, edit.StrokeIndexes);
  holesChanged_ = holesChanged_ || !std::ranges::equal(Holes, before);
  SetChanged(true);
}

void TCMaintForm::AddButtonClick() {
  TCourseForm* dialog = TCourseForm::Instance();
  if (!dialog) return;
  if (Courses.Full()) {
    fw::ui::Warn(QString::fromLatin1(fw::kCourseLimitWarning));
    return;
  }
  EditedCourse = 0;
  dialog->ClearCourse();
  ShowCourseDialog(dialog);
}

void TCMaintForm::ModifyButtonClick() {
  TCourseForm* dialog = TCourseForm::Instance();
  int line = SelectedLine();
  if (!dialog || line == 0) return;
  EditedCourse = line;
  dialog->SetCourse(Courses[line], fw::StrokeIndexesOf(Holes, fw::CutAtNul(Courses[line].Name)));
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
  const std::string name = fw::CutAtNul(Courses[line].Name);
  Courses.Delete(line);
  // Its stroke indexes go with it, unless another course of the list has the
  // same name (the hole list knows courses by name only).
  bool nameStays = false;
  for (const fw::TCourseRec& course : Courses)
    nameStays = nameStays || fw::SameTextIgnoringCase(course.Name, name);
  if (!nameStays && fw::FindHoleRec(Holes, name) > 0) {
    fw::RemoveHoleRecs(Holes, name);
    holesChanged_ = true;
  }
  RemoveLine(line);
  SetChanged(true);
}

bool TCMaintForm::SaveChanges() {
  return SaveOrOfferReload(
      [this] {
        // Nothing is written when either file changed meanwhile, so that the
        // two never part: the course list first, then the stroke indexes.
        if (holesChanged_ && !App().folder.Unchanged(fw::kHoleListFile, HolesSeen))
          throw fw::FileChangedError(fw::kHoleListFile);
        fw::SaveCourseList(App().folder, Courses, CoursesSeen);
        if (holesChanged_) fw::SaveHoleList(App().folder, Holes, HolesSeen);
        holesChanged_ = false;
        SetChanged(false);
      },
      [this] { Reload(); });
}

void TCMaintForm::FormClose() {
  // A course dialog left open for this window would confirm into nothing.
  if (!CourseDialogOpenHere()) return;
  TCourseForm* dialog = TCourseForm::Instance();
  dialog->SetOpener(nullptr);
  dialog->CancelButtonClick();
}
