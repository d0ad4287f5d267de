#include <QApplication>
#include <QPushButton>

#include "app/fwabout.h"
#include "app/fwmain.h"
#include "courses/fwcmaint.h"
#include "data/courselist.h"
#include "data/golferlist.h"
#include "data/scorefile.h"
#include "golfers/fwgmaint.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

using fw::ui::App;

class MainFormTest : public UiTest {
 protected:
  template <class T>
  static int OpenWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (qobject_cast<T*>(widget) && widget->isVisible()) ++count;
    return count;
  }
};

TEST_F(MainFormTest, CreationSetsVersionLimitsAndDefaults) {
  TMainForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Fairwick for Windows"));
  EXPECT_EQ(form.Ui().VersionField->text(), QStringLiteral("Version 2.8 r04"));
  EXPECT_EQ(form.width(), 472);
  EXPECT_EQ(form.height(), 353);
  EXPECT_TRUE(App().UseMaxIndex);
  EXPECT_FALSE(App().ProgramExiting);
  // The limits are the tables' own.
  EXPECT_EQ(fw::GolferTable::kLimit, 300);
  EXPECT_EQ(fw::ScoreTable::kLimit, 200);
  EXPECT_EQ(fw::CourseTable::kLimit, 200);
  for (const char* name : {"EditGolferButton", "EditCoursesButton", "EnterScoresButton"})
    EXPECT_NE(Find<QPushButton>(&form, name), nullptr);
  EXPECT_EQ(Find<QPushButton>(&form, "ExitButton")->text(), QStringLiteral("Exit"));
  EXPECT_EQ(Find<QAction>(&form, "Exit1")->text(), QStringLiteral("E&xit"));
  EXPECT_EQ(Find<QAction>(&form, "AboutFairwick1")->text(), QStringLiteral("&About Fairwick"));
}

TEST_F(MainFormTest, SettingsFileGivesPlacementAndOption) {
  folder.Write("fairwick.ini", "[MainForm]\r\nWidth=0x200\r\n[Settings]\r\nUseMaxIndex=0\r\n");
  TMainForm form;
  EXPECT_EQ(form.width(), 512);
  EXPECT_EQ(form.height(), 353);
  EXPECT_FALSE(App().UseMaxIndex);
}

TEST_F(MainFormTest, AboutBoxShowsVersionAndDate) {
  TMainForm form;
  TAboutBox box;
  box.show();
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(box.Ui().VersionField->text(), QStringLiteral("2.8 r04 - 1/10/2002"));
}

TEST_F(MainFormTest, HelpOpensTheManualAtTheMainWindow) {
  TMainForm form;
  Trigger(&form, "Help2");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(HelpShown(), QStringLiteral("main-window"));
}

TEST_F(MainFormTest, AMaintenanceWindowIsOpenedOnceAndBroughtToTheFront) {
  // Two editors of one file in one program would lose each other's changes.
  TMainForm form;
  ShowActive(&form);
  Click(form.Ui().EditGolferButton);
  ShowActive(&form);
  Trigger(&form, "EditGolfers1");
  EXPECT_EQ(OpenWindows<TGMaintForm>(), 1);
  EXPECT_TRUE(QApplication::activeWindow()->inherits("TGMaintForm"));
  Click(form.Ui().EditCoursesButton);
  Click(form.Ui().EditCoursesButton);
  EXPECT_EQ(OpenWindows<TCMaintForm>(), 1);
  EXPECT_TRUE(form.isVisible());
}

TEST_F(MainFormTest, ExitButtonSetsTheExitFlagButFileExitDoesNot) {
  TMainForm form;
  Trigger(&form, "Exit1");
  EXPECT_EQ(exitCodes, std::vector<int>{0});
  EXPECT_FALSE(App().ProgramExiting);
  Click(form.Ui().ExitButton);
  EXPECT_EQ(exitCodes, (std::vector<int>{0, 0}));
  EXPECT_TRUE(App().ProgramExiting);
}

}  // namespace
}  // namespace fwtest
