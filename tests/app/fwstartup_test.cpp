#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QScreen>
#include <QSysInfo>

#include <functional>
#include <utility>

#include <sys/wait.h>
#include <unistd.h>

#include "app/fwmain.h"
#include "app/fwstartup.h"
#include "data/convert.h"
#include "data/inifile.h"
#include "data/scorefile.h"
#include "golfers/fwgmaint.h"
#include "golfers/fwgname.h"
#include "golfers/fwgpick.h"
#include "golfers/golferfiles.h"
#include "scores/fwscore.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

using fw::ui::App;
using fw::ui::MsgAnswer;

class StartupTest : public UiTest {
 protected:
  // Starts the program on the folder with its main window active, the
  // messages of the start set aside.
  void Start(TMainForm& form) {
    fw::ui::CreateLongLivedWindows();
    messages.clear();
    ShowActive(&form);
  }
};

TEST_F(StartupTest, FirstRunTurnsTheSampleIntoTheCourseList) {
  folder.Write("sample.fwc", "OAK HILLS~70.5~121~72~4~5~3~4~4~5~3~4~4~4~5~3~4~4~5~3~4~4~\r\n");
  TMainForm form;
  fw::ui::CreateLongLivedWindows();
  EXPECT_TRUE(folder.Has("courses.fwc"));
  EXPECT_FALSE(folder.Has("sample.fwc"));
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(TScoreForm::Instance()->Ui().CourseField->count(), 1);
  EXPECT_EQ(TScoreForm::Instance()->Ui().CourseField->itemText(0), QStringLiteral("OAK HILLS"));
}

TEST_F(StartupTest, WithoutAnySampleTheProgramStillStarts) {
  TMainForm form;
  fw::ui::CreateLongLivedWindows();
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Error renaming sample courses file!")});
  EXPECT_EQ(TScoreForm::Instance()->Ui().CourseField->count(), 0);
  ShowActive(&form);
}

TEST_F(StartupTest, LeavingTheProgramSettlesUnsavedChangesAndKeepsTheListsOption) {
  // Not in name order: the deletion is written to the list at once in the
  // file's order, the window's save writes its sorted list.
  folder.Write("golfers.fwc", "Cid~CID~0~\r\nBob~BOB~0~\r\nAnn~ANN~1~\r\n");
  folder.Write("ANN.fwp", "");
  folder.Write("BOB.fwp", "");
  folder.Write("CID.fwp", "");
  TMainForm form;
  Start(form);
  Click(form.Ui().EnterScoresButton);  // an option of the golfer list, kept at the end
  ASSERT_EQ(OpenWindows<TGPickForm>().size(), 1u);
  OpenWindows<TGPickForm>()[0]->Ui().chkUseMaxIndex->setChecked(false);
  Click(form.Ui().EditGolferButton);
  ASSERT_EQ(OpenWindows<TGMaintForm>().size(), 1u);
  TGMaintForm* golfers = OpenWindows<TGMaintForm>()[0];
  golfers->Ui().List->setCurrentRow(1);
  Answer(MsgAnswer::kYes);  // delete Bob
  Click(golfers->Ui().DeleteButton);
  // The deletion is in the list file at once; Ann's new long name is not.
  EXPECT_FALSE(golfers->Changed);
  golfers->Ui().List->setCurrentRow(0);
  Click(golfers->Ui().ModifyButton);
  TGNameForm* name = TGNameForm::Instance();
  ASSERT_TRUE(name->isVisible());
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Annie"));
  Click(name->Ui().OKButton);

  // Cancel keeps everything: no exit, the window and its change stay.
  Answer(MsgAnswer::kCancel);
  Click(form.Ui().ExitButton);
  EXPECT_EQ(MessageTexts().last(), QStringLiteral("Save changes made to golfers?"));
  EXPECT_TRUE(exitCodes.empty());
  EXPECT_FALSE(App().ProgramExiting);
  EXPECT_TRUE(golfers->isVisible());
  EXPECT_TRUE(golfers->Changed);
  EXPECT_EQ(folder.Read("golfers.fwc"), "Cid~CID~0~\r\nAnn~ANN~1~\r\n");

  Answer(MsgAnswer::kYes);
  Trigger(&form, "Exit1");
  EXPECT_EQ(exitCodes, std::vector<int>{0});
  EXPECT_EQ(folder.Read("golfers.fwc"), "Annie~ANN~1~\r\nCid~CID~0~\r\n");
  EXPECT_FALSE(fw::IniFile(App().folder).ReadFlag("Settings", "UseMaxIndex", true));
}

TEST_F(StartupTest, AnotherCopyOnTheFolderIsToldOfAndAnInterruptedCopyIsTidiedUp) {
  const QString lockName = QString::fromStdString((folder.Path() / fw::ui::kLockFile).string());
  // Another copy of Fairwick, as another process, holds the folder.
  int ready[2], done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t other = ::fork();
  ASSERT_GE(other, 0);
  if (other == 0) {
    QLockFile theirs(lockName);
    char c = theirs.tryLock(0) ? 'y' : 'n';
    if (::write(ready[1], &c, 1) != 1 || ::read(done[0], &c, 1) != 1) ::_exit(1);
    ::_exit(0);
  }
  char locked = 0;
  ASSERT_EQ(::read(ready[0], &locked, 1), 1);
  ASSERT_EQ(locked, 'y');
  {
    QLockFile mine(lockName);
    bool owned = true;
    Answer(MsgAnswer::kQuit);
    EXPECT_FALSE(fw::ui::ClaimFolder(mine, owned));
    Answer(MsgAnswer::kContinue);
    EXPECT_TRUE(fw::ui::ClaimFolder(mine, owned));
    EXPECT_FALSE(owned);
    ASSERT_EQ(messages.size(), 2u);
    const QString since = QFileInfo(lockName).lastModified().toString(QStringLiteral("HH:mm"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Fairwick is already open on this folder (on %1 since %2). Changes "
                             "made in both at once can conflict.")
                  .arg(QSysInfo::machineHostName(), since));
    EXPECT_EQ(messages[0].buttons, fw::ui::MsgButtons::kContinueQuit);
  }
  ASSERT_EQ(::write(done[1], "x", 1), 1);
  ::waitpid(other, nullptr, 0);
  // Its lock is stale now: this copy takes the folder, and tidies up after a
  // copy that stopped in the middle of its work.
  messages.clear();
  folder.Write("golfers.fwc", "Pat Jones~PATJ~1~\r\n");
  folder.Write("golfers.intent", "delete~OLDIE~\r\n");
  folder.Write("OLDIE.fwp", "");
  folder.Write("PATJ.fwp", "rounds");
  folder.Write(".golfers.fwc.Ab12Cd.tmp", "half a save");
  QLockFile mine(lockName);
  bool owned = false;
  EXPECT_TRUE(fw::ui::ClaimFolder(mine, owned));
  EXPECT_TRUE(owned);
  fw::ui::TidyFolder();
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"PATJ.fwp", "fairwick.lock", "golfers.fwc"}));
  EXPECT_EQ(MessageTexts(),
            QStringList{QStringLiteral("The deletion of golfer OLDIE, cut short when Fairwick last "
                                       "stopped, has been completed.")});
}

TEST_F(StartupTest, StoredSizesAreBroughtOntoTheScreen) {
  const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  for (const auto& [width, height] : {std::pair{-500, 353}, std::pair{100000, 100000}}) {
    fw::IniFile(App().folder).WriteInteger("MainForm", "Width", width);
    fw::IniFile(App().folder).WriteInteger("MainForm", "Height", height);
    TMainForm form;
    SCOPED_TRACE(width);
    EXPECT_GE(form.width(), form.minimumSizeHint().width());
    EXPECT_LE(form.width(), screen.width());
    EXPECT_LE(form.height(), screen.height());
  }
}

TEST_F(StartupTest, AFaultEndsTheProgramAndAMistakeTheUserCanMendDoesNot) {
  std::vector<int> ended;
  auto previous =
      std::exchange(fw::ui::EndAfterFault(), [&ended](int code) { ended.push_back(code); });
  // An event whose handler throws, as any window's might.
  class Throwing : public QObject {
   public:
    std::function<void()> raise;
    bool event(QEvent* event) override {
      if (event->type() == QEvent::User) raise();
      return QObject::event(event);
    }
  } target;
  QEvent poke(QEvent::User);
  target.raise = [] { throw fw::ConversionError("'12a' is not a valid integer value"); };
  QApplication::sendEvent(&target, &poke);
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("'12a' is not a valid integer value")});
  EXPECT_TRUE(ended.empty());

  messages.clear();
  target.raise = [] { fw::ScoreTable().Delete(3); };  // record 3 of 0
  QApplication::sendEvent(&target, &poke);
  EXPECT_EQ(ended, std::vector<int>{fw::ui::kFaultExitCode});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QStringLiteral("Fairwick has met a fault in its own program and must "
                                             "close. Nothing more is saved: changes not saved yet "
                                             "are lost, the files keep what was last saved."));
  EXPECT_EQ(messages[0].informativeText,
            QStringLiteral("The details were written to standard error: record 3 of 0"));
  fw::ui::EndAfterFault() = previous;
}

}  // namespace
}  // namespace fwtest
