#pragma once
// Course maintenance: add, change and delete courses, save the course list.
// The main window makes a new one at each "Edit Courses".

#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "data/courselist.h"
#include "ui/fwform.h"

class TCourseForm;

class TCMaintForm : public fw::ui::FwForm {
  Q_OBJECT
 public:
  explicit TCMaintForm(QWidget* parent = nullptr);

  QListWidget* CourseListBox = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* ModifyButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QAction* Save1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* AddCourse1 = nullptr;
  QAction* ModifyCourse1 = nullptr;
  QAction* DeleteCourse1 = nullptr;

  fw::CourseTable Courses;
  int EditedCourse = 0;
  bool CoursesChanged = false;

  void FormActivate() override;
  bool FormCloseQuery() override;
  void FormClose() override;
  bool SettleUnsavedChanges() override;
  void AddButtonClick();
  void ModifyButtonClick();
  void DeleteButtonClick();
  void SaveButtonClick();
  void ExitButtonClick();
  // The menu items and the double-click do what the buttons do.
  void AddCourse1Click() { AddButtonClick(); }
  void ModifyCourse1Click() { ModifyButtonClick(); }
  void CourseListBoxDblClick() { ModifyButtonClick(); }
  void DeleteCourse1Click() { DeleteButtonClick(); }
  void Save1Click() { SaveButtonClick(); }
  void Exit1Click() { ExitButtonClick(); }

 private:
  // Position (from 1) of the selected line; 0 when no line is selected.
  int SelectedCourse() const;
  // Refills the list box from the table and selects line `line` (from 1): the
  // first when 0, the last when beyond the end.
  void FillList(int line);
  void SetChanged(bool changed);
  // True while the course edit dialog is shown on behalf of this window.
  bool CourseDialogOpenHere() const;
  // Shows the course edit dialog, already filled, on behalf of this window.
  void ShowCourseDialog(TCourseForm* dialog);

  // Set when this window shows the course edit dialog, cleared when the dialog
  // has handed back (confirmed or not).
  bool awaitingCourseDialog_ = false;
};
