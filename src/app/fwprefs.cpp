#include "app/fwprefs.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <initializer_list>

#include "help/fwhelp.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"

using fw::ui::App;

namespace {

// The choices in the order of their buttons.
constexpr fw::HandicapRules kRules[] = {fw::HandicapRules::kFairwick, fw::HandicapRules::kWhs};
constexpr fw::DateOrder kOrders[] = {fw::DateOrder::kMonthDayYear, fw::DateOrder::kDayMonthYear,
                                     fw::DateOrder::kYearMonthDay};

// Position of `value` among `choices`.
template <class T, std::size_t N>
int PositionOf(const T (&choices)[N], T value) {
  for (std::size_t i = 0; i < N; ++i)
    if (choices[i] == value) return static_cast<int>(i);
  return 0;
}

// The choice of the checked button; the first when none is checked.
template <class T, std::size_t N>
T ChoiceOf(const T (&choices)[N], const fw::ui::FwRadioGroup* group) {
  const int checked = group->ItemIndex();
  return checked >= 0 && checked < static_cast<int>(N) ? choices[static_cast<std::size_t>(checked)]
                                                       : choices[0];
}

// Names the group's buttons, in order.
void NameItems(fw::ui::FwRadioGroup* group, std::initializer_list<const char*> names) {
  int item = 0;
  for (const char* name : names) group->Item(item++)->setObjectName(QString::fromLatin1(name));
}

}  // namespace

TPreferencesDlg::TPreferencesDlg(QWidget* parent) : FwDialog(parent) {
  setObjectName(QStringLiteral("PreferencesDlg"));
  setWindowTitle(QStringLiteral("Preferences"));

  QWidget* client = NewClientArea();
  RulesGroup = new fw::ui::FwRadioGroup(QStringLiteral("Handicap rules"),
                                        {QStringLiteral("Fairwick rules (best 10 of 20, x 0.96)"),
                                         QStringLiteral("World Handicap System (best 8 of 20)")},
                                        client);
  RulesGroup->setObjectName(QStringLiteral("RulesGroup"));
  NameItems(RulesGroup, {"RulesFairwick", "RulesWhs"});
  RulesFairwick = RulesGroup->Item(0);
  RulesWhs = RulesGroup->Item(1);

  DateOrderGroup = new fw::ui::FwRadioGroup(
      QStringLiteral("Date order"),
      {QStringLiteral("mm/dd/yyyy"), QStringLiteral("dd/mm/yyyy"), QStringLiteral("yyyy-mm-dd")},
      client);
  DateOrderGroup->setObjectName(QStringLiteral("DateOrderGroup"));
  NameItems(DateOrderGroup, {"DateOrderMdy", "DateOrderDmy", "DateOrderYmd"});
  DateOrderMdy = DateOrderGroup->Item(0);
  DateOrderDmy = DateOrderGroup->Item(1);
  DateOrderYmd = DateOrderGroup->Item(2);

  OKButton = fw::ui::NamedButton(client, "OKButton", QStringLiteral("OK"));
  CancelButton = fw::ui::NamedButton(client, "CancelButton", QStringLiteral("Cancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);

  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(RulesGroup);
  layout->addWidget(DateOrderGroup);
  layout->addStretch(1);
  layout->addLayout(buttons);

  OnClick(OKButton, [this] { OKButtonClick(); });
  OnClick(CancelButton, [this] { CancelButtonClick(); });
  SetDefaultButton(OKButton);
  CancelOnEscape(CancelButton);

  FormShow();
  setFixedSize(sizeHint());
  CentreOnFirstShow();
}

fw::HandicapRules TPreferencesDlg::ChosenRules() const {
  return ChoiceOf(kRules, RulesGroup);
}

fw::DateOrder TPreferencesDlg::ChosenDateOrder() const {
  return ChoiceOf(kOrders, DateOrderGroup);
}

void TPreferencesDlg::FormShow() {
  RulesGroup->SetItemIndex(PositionOf(kRules, App().Rules));
  DateOrderGroup->SetItemIndex(PositionOf(kOrders, App().Order));
}

void TPreferencesDlg::OKButtonClick() {
  App().Rules = ChosenRules();
  App().Order = ChosenDateOrder();
  const fw::IniFile settings = fw::ui::Settings();
  fw::WriteHandicapRules(settings, App().Rules);
  fw::WriteDateOrder(settings, App().Order);
  close();
  emit fw::ui::Events().SettingsChanged();
}

void TPreferencesDlg::CancelButtonClick() {
  close();
}

QString TPreferencesDlg::HelpSection() const {
  return QString::fromLatin1(fw::ui::help::kPreferences);
}
