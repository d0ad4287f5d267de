#pragma once
// The Preferences dialog: the handicap rules and the order of dates, kept in
// the settings file for the whole club folder. The main window opens it from
// Edit > Preferences; OK stores the choice and tells the open windows, which
// show their figures under it.

#include <QPushButton>
#include <QRadioButton>

#include "data/dateorder.h"
#include "handicap/handicaprules.h"
#include "ui/fwform.h"
#include "ui/fwwidgets.h"

// The controls of TPreferencesDlg, by the names tools and tests find them by.
struct TPreferencesDlgControls {
  fw::ui::FwRadioGroup* RulesGroup = nullptr;  // "Handicap rules"
  QRadioButton* RulesFairwick = nullptr;
  QRadioButton* RulesWhs = nullptr;
  fw::ui::FwRadioGroup* DateOrderGroup = nullptr;  // "Date order"
  QRadioButton* DateOrderMdy = nullptr;
  QRadioButton* DateOrderDmy = nullptr;
  QRadioButton* DateOrderYmd = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

class TPreferencesDlg : public fw::ui::FwDialog, private TPreferencesDlgControls {
  Q_OBJECT
 public:
  explicit TPreferencesDlg(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TPreferencesDlgControls& Ui() const { return *this; }

  // The choice as the buttons show it.
  fw::HandicapRules ChosenRules() const;
  fw::DateOrder ChosenDateOrder() const;

  // Each showing starts from the choice in force.
  void FormShow() override;
  // Stores both choices in the settings file and in the program's state, and
  // tells the open windows.
  void OKButtonClick();
  void CancelButtonClick();
  QString HelpSection() const override;
};
