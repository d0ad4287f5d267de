#pragma once
// A maintenance window: a list of records with Add, Modify, Delete, Save and
// Exit beside it, the same under File and Edit in the menu, a double-click
// that modifies, and the question about unsaved changes when the window is
// left. Golfer and course maintenance differ only in their records and the
// dialog that edits one.

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include "ui/fwform.h"

namespace fw::ui {

// The controls of FwMaintForm, by the names tools and tests find them by.
struct FwMaintFormControls {
  QListWidget* List = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* ModifyButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QAction* Save1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* AddItem1 = nullptr;
  QAction* ModifyItem1 = nullptr;
  QAction* DeleteItem1 = nullptr;
};

class FwMaintForm : public FwForm, protected FwMaintFormControls {
  Q_OBJECT
 public:
  // `listName` is the list box's object name; `noun` ("Golfer", "Course")
  // names the Edit menu's items (AddGolfer1, "&Add Golfer", ...);
  // `saveQuestion` is asked when unsaved changes would be lost.
  FwMaintForm(QWidget* parent, const char* listName, const QString& noun, QString saveQuestion);

  // Read access to the controls, for tests; other windows use the typed calls.
  const FwMaintFormControls& Ui() const { return *this; }
  bool Changed = false;

  virtual void AddButtonClick() = 0;
  virtual void ModifyButtonClick() = 0;
  virtual void DeleteButtonClick() = 0;
  void SaveButtonClick() { SaveChanges(); }
  // Writes the list; false when nothing was written because the file changed
  // on disk after this window read it (and the user kept editing or reloaded).
  virtual bool SaveChanges() = 0;
  void ExitButtonClick() { close(); }
  // The menu items do what the buttons do.
  void Save1Click() { SaveButtonClick(); }
  void Exit1Click() { ExitButtonClick(); }

  bool FormCloseQuery() override { return SettleUnsavedChanges(); }
  bool SettleUnsavedChanges() override;

 protected:
  // Position (from 1) of the selected line; 0 when no line is selected.
  int SelectedLine() const;
  // Fills the list box with `lines` and selects line `line` (from 1): the
  // first when 0, the last when beyond the end.
  void FillLines(const QStringList& lines, int line);
  // Takes line `line` (from 1) out of the list box and selects the line now in
  // its place, or the last.
  void RemoveLine(int line);
  void SetChanged(bool changed);

 private:
  QString saveQuestion_;
};

}  // namespace fw::ui
