#pragma once
// Golfer maintenance: add, change and delete golfers, save the golfer list.
// The main window makes a new one at each "Edit Golfers".

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>

#include "data/golferlist.h"
#include "ui/fwform.h"

class TGMaintForm : public fw::ui::FwForm {
  Q_OBJECT
 public:
  explicit TGMaintForm(QWidget* parent = nullptr);

  QListWidget* GolferListBox = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* ModifyButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QAction* Save1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* AddGolfer1 = nullptr;
  QAction* ModifyGolfer1 = nullptr;
  QAction* DeleteGolfer1 = nullptr;

  fw::GolferTable Golfers;
  int EditedGolfer = 0;
  bool GolfersChanged = false;

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
  void AddGolfer1Click() { AddButtonClick(); }
  void ModifyGolfer1Click() { ModifyButtonClick(); }
  void GolferListBoxDblClick() { ModifyButtonClick(); }
  void DeleteGolfer1Click() { DeleteButtonClick(); }
  void Save1Click() { SaveButtonClick(); }
  void Exit1Click() { ExitButtonClick(); }

 private:
  // Position (from 1) of the selected line; 0 when no line is selected.
  int SelectedGolfer() const;
  // Refills the list box from the table and selects line `line` (from 1): the
  // first when 0, the last when beyond the end.
  void FillList(int line);
  void SetChanged(bool changed);
  // True while the name dialog is shown on behalf of this window.
  bool NameDialogOpenHere() const;
  // Takes the name dialog's confirmed values into the table.
  void TakeNameDialogResult();
  // The short name golfer `index` may carry after a change to `wanted`: its
  // score file is renamed and the golfer list file takes the new name, or,
  // when either is impossible, the old name stays.
  std::string RenameScoreFile(int index, const std::string& wanted);
  // Applies one change, which the score files have already seen or are about
  // to see, to the golfer list file as last saved and writes it, without this
  // window's other unsaved changes. `change` edits the saved list and returns
  // false when it has nothing to change. Throws FileError when the file
  // cannot be read or written.
  void RecordInSavedList(const std::function<bool(fw::GolferTable&)>& change);

  // Set when this window shows the name dialog, cleared when it has taken the
  // dialog's answer back.
  bool awaitingNameDialog_ = false;
};
