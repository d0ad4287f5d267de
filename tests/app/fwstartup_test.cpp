#include <QApplication>

#include "app/fwmain.h"
#include "app/fwstartup.h"
#include "data/inifile.h"
#include "golfers/fwgmaint.h"
#include "golfers/fwgname.h"
#include "golfers/fwgpick.h"
#include "scores/fwscore.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

using fw::ui::App;
using fw::ui::MsgAnswer;

class StartupTest : public UiTest {
 protected:
  template <class T>
  static T* OpenWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<T*>(widget); window && window->isVisible()) return window;
    return nullptr;
  }
};

TEST_F(StartupTest, FirstRunTurnsTheSampleIntoTheCourseList) {
  folder.Write("sample.fwc", "OAK HILLS~70.5~121~72~4~5~3~4~4~5~3~4~4~4~5~3~4~4~5~3~4~4~\r\n");
  TMainForm form;
  fw::ui::CreateLongLivedWindows();
  EXPECT_TRUE(folder.Has("courses.fwc"));
  EXPECT_FALSE(folder.Has("sample.fwc"));
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(App().ScoreForm->CourseField->count(), 1);
  EXPECT_EQ(App().ScoreForm->CourseField->itemText(0), QStringLiteral("OAK HILLS"));
}

TEST_F(StartupTest, WithoutAnySampleTheProgramStillStarts) {
  TMainForm form;
  fw::ui::CreateLongLivedWindows();
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Error renaming sample courses file!")});
  EXPECT_EQ(App().ScoreForm->CourseField->count(), 0);
  ShowActive(&form);
}

TEST_F(StartupTest, LeavingTheProgramSettlesUnsavedChangesFirst) {
  // Not in name order: the deletion is written to the list at once in the
  // file's order, the window's save writes its sorted list.
  folder.Write("golfers.fwc", "Cid~CID~0~\r\nBob~BOB~0~\r\nAnn~ANN~1~\r\n");
  folder.Write("ANN.fwp", "");
  folder.Write("BOB.fwp", "");
  folder.Write("CID.fwp", "");
  TMainForm form;
  fw::ui::CreateLongLivedWindows();
  messages.clear();
  ShowActive(&form);
  Click(form.EditGolferButton);
  auto* golfers = OpenWindow<TGMaintForm>();
  ASSERT_NE(golfers, nullptr);
  golfers->GolferListBox->setCurrentRow(1);
  Answer(MsgAnswer::kYes);  // delete Bob
  Click(golfers->DeleteButton);
  // The deletion is in the list file at once; Ann's new long name is not.
  EXPECT_FALSE(golfers->GolfersChanged);
  golfers->GolferListBox->setCurrentRow(0);
  Click(golfers->ModifyButton);
  TGNameForm* name = App().GNameForm;
  ASSERT_TRUE(name->isVisible());
  TypeAndLeave(name->LongName, QStringLiteral("Annie"));
  Click(name->OKButton);

  // Cancel keeps everything: no exit, the window and its change stay.
  Answer(MsgAnswer::kCancel);
  Click(form.ExitButton);
  EXPECT_EQ(MessageTexts().last(), QStringLiteral("Save changes made to golfers?"));
  EXPECT_TRUE(exitCodes.empty());
  EXPECT_FALSE(App().ProgramExiting);
  EXPECT_TRUE(golfers->isVisible());
  EXPECT_TRUE(golfers->GolfersChanged);
  EXPECT_EQ(folder.Read("golfers.fwc"), "Cid~CID~0~\r\nAnn~ANN~1~\r\n");

  Answer(MsgAnswer::kYes);
  Trigger(&form, "Exit1");
  EXPECT_EQ(exitCodes, std::vector<int>{0});
  EXPECT_EQ(folder.Read("golfers.fwc"), "Annie~ANN~1~\r\nCid~CID~0~\r\n");
}

TEST_F(StartupTest, TheGolferListKeepsItsOptionWhenTheProgramEnds) {
  TMainForm form;
  fw::ui::CreateLongLivedWindows();
  messages.clear();
  ShowActive(&form);
  Click(form.EnterScoresButton);
  auto* list = OpenWindow<TGPickForm>();
  ASSERT_NE(list, nullptr);
  list->chkUseMaxIndex->setChecked(false);
  Click(form.ExitButton);
  EXPECT_EQ(exitCodes, std::vector<int>{0});
  EXPECT_FALSE(fw::IniFile(App().folder).ReadFlag("Settings", "UseMaxIndex", true));
}

}  // namespace
}  // namespace fwtest
