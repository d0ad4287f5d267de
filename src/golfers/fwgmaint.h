#pragma once
// Golfer maintenance: add, change and delete golfers, save the golfer list.
// The main window makes a new one at each "Edit Golfers".

#include <string>
#include <vector>

#include "data/golferlist.h"
#include "ui/fwmaintform.h"

class TGMaintForm : public fw::ui::FwMaintForm {
  Q_OBJECT
 public:
  explicit TGMaintForm(QWidget* parent = nullptr);

  fw::GolferTable Golfers;
  // What this window read of the golfer list, for the check before a save.
  fw::FileSnapshot GolfersSeen;
  int EditedGolfer = 0;

  // Takes the name dialog's answer back, or shows the golfer list afresh when
  // another window or copy changed it and this window holds no changes.
  void FormActivate() override;
  // Withdraws the name dialog when it works for this window.
  void FormClose() override;
  // Add and Modify show the name dialog; Delete asks first and deletes the
  // golfer's score file with him.
  void AddButtonClick() override;
  void ModifyButtonClick() override;
  void DeleteButtonClick() override;
  bool SaveChanges() override;

 private:
  // Loads the golfer list afresh, dropping this window's changes; the golfer
  // selected stays selected when he is still there.
  void Reload();
  // The golfer list as this window last read or wrote it, with the renames and
  // deletions recorded at once: the Save button is enabled exactly when the
  // table differs from it.
  void UpdateChanged();
  // Sorts the table, refills the list box from it and selects line `line`
  // (from 1): the first when 0, the last when beyond the end.
  void FillList(int line);
  // True while the name dialog is shown on behalf of this window.
  bool NameDialogOpenHere() const;
  // Takes the name dialog's confirmed golfer into the table.
  void TakeNameDialogResult(const fw::TGolferRec& confirmed);
  // The short name golfer `index` may carry after a change to `wanted`: its
  // score file is renamed and the golfer list file takes the new name, or,
  // when either is impossible, the old name stays.
  std::string RenameScoreFile(int index, const std::string& wanted);
  // The golfers of the table but the one at `except` (from 1; 0 for none).
  std::vector<fw::TGolferRec> OtherGolfers(int except) const;

  fw::GolferTable saved_;

  // Set when this window shows the name dialog, cleared when it has taken the
  // dialog's answer back.
  bool awaitingNameDialog_ = false;
};
