#pragma once
// The golfer name dialog: long name, short name and sex of a new or changed
// golfer. One instance lives for the whole run; golfer maintenance fills it,
// shows it and takes the result back when it becomes active again.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/fwform.h"
#include "app/fwwidgets.h"

class TGNameForm : public fw::ui::FwForm {
  Q_OBJECT
 public:
  enum class Mode { kAdd, kEdit };

  explicit TGNameForm(QWidget* parent = nullptr);

  QLineEdit* LongName = nullptr;
  QLineEdit* ShortName = nullptr;
  fw::ui::FwRadioGroup* SexRadio = nullptr;  // items "Male" (0) and "Female" (1)
  QLabel* Label3 = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLineEdit* OkPressed = nullptr;  // "1" after a successful OK, "0" after Cancel
  Mode DialogMode = Mode::kAdd;

  void FormActivate() override;
  void LongNameExit();
  void ShortNameExit();
  void OKButtonClick();
  void CancelButtonClick();
};
