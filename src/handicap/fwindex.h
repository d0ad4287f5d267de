#pragma once
// The current-index dialog: fourteen lines explaining how a golfer's index came
// about. Callers make a new one, fill it with SetLines and show it.

#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "handicap/handicapindex.h"
#include "ui/fwform.h"

// The controls of TIndexForm, by the names tools and tests find them by.
struct TIndexFormControls {
  // Field[1] to Field[14]; Field[0] is unused.
  std::array<QLineEdit*, 15> Field{};
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

class TIndexForm : public fw::ui::FwDialog, private TIndexFormControls {
  Q_OBJECT
 public:
  explicit TIndexForm(QWidget* parent = nullptr);

  // Copies the fourteen lines of a calculation into Field1 to Field14.
  void SetLines(const fw::IndexDialogFields& lines);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TIndexFormControls& Ui() const { return *this; }

  void OkButtonClick();
  void CancelButtonClick();
};
