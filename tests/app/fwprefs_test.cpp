#include "app/fwprefs.h"

#include "app/fwmain.h"
#include "golfers/fwgpick.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

using fw::ui::App;

class PreferencesTest : public UiTest {
 protected:
  // Edit > Preferences... in the main window, then a click on each button's
  // round indicator, then OK or Cancel.
  static void Choose(TMainForm& main, std::initializer_list<const char*> buttons, bool ok) {
    Trigger(&main, "Preferences1");
    auto* dialog = qobject_cast<TPreferencesDlg*>(QApplication::activeWindow());
    ASSERT_NE(dialog, nullptr);
    for (const char* name : buttons) {
      auto* button = Find<QRadioButton>(dialog, name);
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    Click(ok ? dialog->Ui().OKButton : dialog->Ui().CancelButton);
  }
};

TEST_F(PreferencesTest, TheChoiceIsReadFromAndKeptInTheSettingsFile) {
  const std::string settings = "[Settings]\r\nHandicapSystem=WHS\r\nDateOrder=DMY\r\n";
  folder.Write("fairwick.ini", settings);
  TMainForm main;
  ShowActive(&main);
  Choose(main, {"RulesFairwick"}, false);
  EXPECT_EQ(App().Rules, fw::HandicapRules::kWhs);
  EXPECT_EQ(folder.Read("fairwick.ini"), settings);
  // Opened again, the dialog shows the choice in force, which OK keeps.
  Choose(main, {}, true);
  EXPECT_EQ(folder.Read("fairwick.ini"), settings);
  Choose(main, {"RulesFairwick", "DateOrderYmd"}, true);
  EXPECT_EQ(App().Rules, fw::HandicapRules::kFairwick);
  EXPECT_EQ(App().Order, fw::DateOrder::kYearMonthDay);
  EXPECT_EQ(folder.Read("fairwick.ini"),
            "[Settings]\r\nHandicapSystem=Fairwick\r\nDateOrder=YMD\r\n");
}

TEST_F(PreferencesTest, TheMaximumIndexBoxIsDisabledUnderWhs) {
  TMainForm main;
  ShowActive(&main);
  auto* pick = new TGPickForm;
  for (auto [choice, enabled] : {std::pair{"RulesWhs", false}, std::pair{"RulesFairwick", true}}) {
    SCOPED_TRACE(choice);
    Choose(main, {choice}, true);
    EXPECT_EQ(pick->Ui().chkUseMaxIndex->isEnabled(), enabled);
    EXPECT_EQ(pick->Ui().chkUseMaxIndex->toolTip(),
              enabled ? QString()
                      : QStringLiteral("Under the World Handicap System the maximum index is 54.0 "
                                       "for everyone; this rule does not apply."));
    EXPECT_EQ(TGPickForm().Ui().chkUseMaxIndex->isEnabled(), enabled);
  }
}

}  // namespace
}  // namespace fwtest
