#pragma once
// Golfer maintenance: add, change and delete golfers, save the golfer list.
// The main window makes a new one at each "Edit Golfers".

#include <functional>
#include <string>

#include "data/golferlist.h"
#include "ui/fwmaintform.h"

class TGMaintForm : public fw::ui::FwMaintForm {
  Q_OBJECT
 public:
  explicit TGMaintForm(QWidget* parent = nullptr);

  // The shared controls under this window's names.
  QListWidget*& GolferListBox = List;
  QAction*& AddGolfer1 = AddItem1;
  QAction*& ModifyGolfer1 = ModifyItem1;
  QAction*& DeleteGolfer1 = DeleteItem1;
  bool& GolfersChanged = Changed;

  fw::GolferTable Golfers;
  int EditedGolfer = 0;

  void FormActivate() override;
  void FormClose() override;
  void AddButtonClick() override;
  void ModifyButtonClick() override;
  void DeleteButtonClick() override;
  void SaveButtonClick() override;

 private:
  // Sorts the table, refills the list box from it and selects line `line`
  // (from 1): the first when 0, the last when beyond the end.
  void FillList(int line);
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
