#pragma once
// Golfer maintenance: add, change and delete golfers, save the golfer list.
// The main window makes a new one at each "Edit Golfers".

#include <QListWidget>
#include <QPushButton>

#include "app/fwform.h"
#include "data/golferlist.h"

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

  fw::GolferTable Golfers;
  int EditedGolfer = 0;
  bool GolfersChanged = false;

  void FormActivate() override;
  bool FormCloseQuery() override;
  bool SettleUnsavedChanges() override;
  void AddButtonClick();
  void ModifyButtonClick();
  void DeleteButtonClick();
  void SaveButtonClick();
  void ExitButtonClick();
};
