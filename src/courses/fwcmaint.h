#pragma once
// Course maintenance: add, change and delete courses, save the course list.
// The main window makes a new one at each "Edit Courses".

#include <QListWidget>
#include <QPushButton>

#include "app/fwform.h"
#include "data/courselist.h"

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

  fw::CourseTable Courses;
  int EditedCourse = 0;
  bool CoursesChanged = false;

  void FormActivate() override;
  bool FormCloseQuery() override;
  bool SettleUnsavedChanges() override;
  void AddButtonClick();
  void ModifyButtonClick();
  void DeleteButtonClick();
  void SaveButtonClick();
  void ExitButtonClick();
};
