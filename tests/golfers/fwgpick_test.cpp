#include "golfers/fwgpick.h"

#include <QPointer>

#include "app/fwstartup.h"
#include "data/golferchanges.h"
#include "data/inifile.h"
#include "golfers/fwgolfer.h"
#include "handicap/fwindex.h"
#include "support/golferwindows.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

class GPickTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TGPickForm::SelectedGolfer = 0;
    folder.Write("golfers.fwc", kThreeGolfers);
    folder.Write("CYHIGH.fwp", FiveRounds(400));  // 40.0 x 0.96 = 38.4
    folder.Write("ALABLE.fwp", "");
    folder.Write("BEABEST.fwp", "");
  }

  // A golfer list window as the main window opens it.
  static QPointer<TGPickForm> Open() {
    QPointer<TGPickForm> pick = new TGPickForm;
    pick->setAttribute(Qt::WA_DeleteOnClose);
    ShowActive(pick);
    return pick;
  }

  static int SelectedRow(QListWidget* list) {
    QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
  }

  // Line Z of the one index dialog open, which is then closed.
  QString IndexLineZ() {
    std::vector<TIndexForm*> dialogs = OpenWindows<TIndexForm>();
    EXPECT_EQ(dialogs.size(), 1u);
    if (dialogs.size() != 1) return {};
    QString z;
    for (int k = 14; k >= 1 && z.isEmpty(); --k) z = dialogs[0]->Ui().Field[std::size_t(k)]->text();
    dialogs[0]->close();
    QApplication::processEvents();
    return z;
  }
};

TEST_F(GPickTest, WindowHasItsControlsCaptionsAndMenu) {
  QPointer<TGPickForm> pick = Open();
  EXPECT_EQ(pick->windowTitle(), "Golfer List");
  EXPECT_EQ(pick->objectName(), "GPickForm");
  const std::pair<const char*, const char*> buttons[] = {{"AddAScoreButton", "Add a Score"},
                                                         {"AddGroupButton", "Add Group of Scores"},
                                                         {"EditScoresButton", "Edit/View Scores"},
                                                         {"IndexButton", "Calculate Index"},
                                                         {"HandicapButton", "Course Handicap"},
                                                         {"PrintScoresButton", "Print Scores"},
                                                         {"PrintHandicapButton", "Print Handicaps"},
                                                         {"ProgressButton", "Progress"},
                                                         {"ExitButton", "Exit"}};
  for (auto [name, caption] : buttons) {
    EXPECT_EQ(Find<QPushButton>(pick, name)->text(), caption);
    EXPECT_TRUE(Find<QPushButton>(pick, name)->isEnabled()) << name;
  }
  EXPECT_EQ(Find<QCheckBox>(pick, "chkUseMaxIndex")->text(), "Use Maximum Index Rule");
  EXPECT_EQ(Find<QLabel>(pick, "Label1")->text(), "(36.4 for men, 40.4 for women)");
  // The golfers by long name, sorted.
  EXPECT_EQ(ListTexts(pick->Ui().GolferListBox), QStringList({"Al Able", "Bea Best", "Cy High"}));
  EXPECT_EQ(
      MenuItems(pick),
      QStringList({"&File", "Exit1=&Exit", "&Activities", "AddaScore1=&Add a Score",
                   "AddaGroupofScores1=Add a &Group of Scores", "EditViewScores1=&Edit/View Scores",
                   "-", "CalculateIndex1=Calculate &Index",
                   "CalculateHandicap1=Calculate &Handicap", "-", "PrintScores1=Print &Scores",
                   "PrintHandicaps1=Print Ha&ndicaps", "-", "Progress1=&Progress",
                   "ExportRounds1=E&xport Rounds...", "ImportRounds1=I&mport Rounds..."}));

  Trigger(pick, "Exit1");
  EXPECT_TRUE(pick.isNull());
}

TEST_F(GPickTest, CheckBoxGoesIntoTheCalculationAndIntoTheSettingsFile) {
  fw::ui::App().UseMaxIndex = true;
  QPointer<TGPickForm> pick = Open();
  EXPECT_TRUE(pick->Ui().chkUseMaxIndex->isChecked());
  pick->Ui().GolferListBox->setCurrentRow(2);  // Cy High
  Click(pick->Ui().IndexButton);
  EXPECT_EQ(IndexLineZ(), "The current index for Cy High is 36.4");

  // Unticked, the calculation gives the real value; the menu item calculates too.
  pick->Ui().chkUseMaxIndex->setChecked(false);
  Trigger(pick, "CalculateIndex1");
  EXPECT_EQ(IndexLineZ(), "The current index for Cy High is 38.4");
  EXPECT_FALSE(fw::ui::App().UseMaxIndex);

  // Closing the window copies the box into the option and the settings file.
  pick->Ui().chkUseMaxIndex->setChecked(true);
  Click(pick->Ui().ExitButton);
  EXPECT_TRUE(pick.isNull());
  EXPECT_TRUE(fw::ui::App().UseMaxIndex);
  EXPECT_NE(folder.Read("fairwick.ini").find("[Settings]\r\nUseMaxIndex=1\r\n"), std::string::npos)
      << folder.Read("fairwick.ini");

  pick = Open();
  EXPECT_TRUE(pick->Ui().chkUseMaxIndex->isChecked());
  pick->Ui().chkUseMaxIndex->setChecked(false);
  pick->close();
  EXPECT_FALSE(fw::ui::App().UseMaxIndex);
  EXPECT_FALSE(fw::IniFile(fw::ui::App().folder).ReadFlag("Settings", "UseMaxIndex", true));
  EXPECT_NE(folder.Read("fairwick.ini").find("UseMaxIndex=0"), std::string::npos);

  // The next window starts from the option.
  pick = Open();
  EXPECT_FALSE(pick->Ui().chkUseMaxIndex->isChecked());
}

TEST_F(GPickTest, NothingHappensWithoutASelectedGolferOrScoreFile) {
  QPointer<TGPickForm> pick = Open();
  pick->Ui().GolferListBox->clearSelection();
  Click(pick->Ui().IndexButton);
  Trigger(pick, "CalculateIndex1");
  Click(pick->Ui().AddAScoreButton);
  Click(pick->Ui().EditScoresButton);
  EXPECT_TRUE(OpenWindows<TIndexForm>().empty());
  EXPECT_EQ(TGPickForm::SelectedGolfer, 0);
  EXPECT_TRUE(messages.empty());

  // A missing score file is reported, and the window stays.
  std::filesystem::remove(folder.Path() / "BEABEST.fwp");
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().IndexButton);
  EXPECT_EQ(MessageTexts(), QStringList({"File not found"}));
  EXPECT_TRUE(OpenWindows<TIndexForm>().empty());
  EXPECT_TRUE(pick->isVisible());
  pick->close();

  // An empty golfer list.
  messages.clear();
  folder.Write("golfers.fwc", "");
  pick = Open();
  EXPECT_EQ(pick->Ui().GolferListBox->count(), 0);
  Click(pick->Ui().IndexButton);
  Click(pick->Ui().AddAScoreButton);
  EXPECT_TRUE(OpenWindows<TIndexForm>().empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(GPickTest, EachCalculationOpensItsOwnDialogAndTheGolferIsRemembered) {
  QPointer<TGPickForm> pick = Open();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 0);  // the first opening: the first golfer
  Click(pick->Ui().IndexButton);
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().IndexButton);
  EXPECT_EQ(TGPickForm::SelectedGolfer, 2);
  std::vector<TIndexForm*> dialogs = OpenWindows<TIndexForm>();
  ASSERT_EQ(dialogs.size(), 2u);
  QStringList firstLines = {dialogs[0]->Ui().Field[1]->text(), dialogs[1]->Ui().Field[1]->text()};
  firstLines.sort();
  EXPECT_EQ(firstLines, QStringList({"0 scores on file for Al Able.  (0 are valid)",
                                     "0 scores on file for Bea Best.  (0 are valid)"}));
  // Closing a dialog hands activation back to the golfer list, which keeps
  // the golfer of the last activity selected.
  dialogs[0]->close();
  QApplication::processEvents();
  EXPECT_TRUE(pick->isVisible());
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 1);
  IndexLineZ();
  pick->close();

  // The next window selects that golfer too, and again on each activation,
  // whatever was clicked since.
  pick = Open();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 1);
  pick->Ui().GolferListBox->setCurrentRow(2);
  pick->FormActivate();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 1);
  pick->close();

  // A remembered golfer beyond the end of a shorter list: the last line.
  TGPickForm::SelectedGolfer = 7;
  pick = Open();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 2);
}

// Add a Score and Edit/View Scores, with the windows that live for the run.
class GPickRoundTest : public GPickTest {
 protected:
  void SetUp() override {
    GPickTest::SetUp();
    folder.Write("courses.fwc", kTestCourses);
    fw::ui::CreateLongLivedWindows();
    entry = TScoreForm::Instance();
    ASSERT_NE(entry, nullptr);
  }

  // A golfer list window with the golfer on `row` selected.
  QPointer<TGPickForm> OpenAt(int row) {
    QPointer<TGPickForm> pick = Open();
    pick->Ui().GolferListBox->setCurrentRow(row);
    return pick;
  }

  TScoreForm* entry = nullptr;
};

TEST_F(GPickRoundTest, AddAScoreStoresTheConfirmedRoundOnce) {
  // An index below 10 comes with its leading blank; a cancelled entry stores
  // nothing.
  folder.Write("BEABEST.fwp", FiveRounds(80));  // 8.0 x 0.96
  QPointer<TGPickForm> pick = OpenAt(1);
  Trigger(pick, "AddaScore1");
  EXPECT_EQ(entry->Ui().IndexField->text(), " 7.7");
  Click(entry->Ui().CancelButton);
  EXPECT_FALSE(entry->isVisible());
  pick->FormActivate();
  EXPECT_EQ(folder.Read("BEABEST.fwp"), FiveRounds(80));
  EXPECT_TRUE(messages.empty());

  const std::string before = folder.Read("CYHIGH.fwp");
  pick->Ui().GolferListBox->setCurrentRow(2);
  Click(pick->Ui().AddAScoreButton);
  ASSERT_TRUE(entry->isVisible());
  EXPECT_EQ(entry->Opener(), pick.data());
  EXPECT_EQ(entry->Ui().GolferName->text(), "Cy High");
  EXPECT_EQ(entry->Ui().DateField->text(), "01/10/2002");
  EXPECT_EQ(entry->Ui().IndexField->text(), "36.4");
  EXPECT_EQ(entry->Ui().CoursePicked->text(), "0");

  const fw::TScoreRec round = ConfirmRound(entry, "Oak Hills", "95");
  EXPECT_FALSE(entry->isVisible());
  EXPECT_EQ(round.Date, "20020110");
  EXPECT_EQ(round.CourseName, "Oak Hills");
  EXPECT_EQ(round.TotalScore, "95");
  EXPECT_EQ(round.IndexAtEntry, "36.4");
  // The newest round first, the earlier rounds as they were.
  const std::string after = FileWith({round}) + before;
  EXPECT_EQ(folder.Read("CYHIGH.fwp"), after);
  EXPECT_EQ(entry->Ui().OkPressed->text(), "0");

  // Becoming active again stores nothing more.
  pick->FormActivate();
  ShowActive(pick);
  EXPECT_EQ(folder.Read("CYHIGH.fwp"), after);
  EXPECT_EQ(pick->Ui().GolferListBox->currentRow(), 2);
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();
}

TEST_F(GPickRoundTest, AGolferHoldsAtMostTwoHundredRounds) {
  folder.Write("ALABLE.fwp", Rounds(199));
  QPointer<TGPickForm> pick = OpenAt(0);
  Click(pick->Ui().AddAScoreButton);
  ASSERT_TRUE(entry->isVisible());
  const fw::TScoreRec round = ConfirmRound(entry, "Pine Valley", "88");
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({round}) + Rounds(199));

  // With 200 the warning, and no score entry.
  Click(pick->Ui().AddAScoreButton);
  EXPECT_FALSE(entry->isVisible());
  EXPECT_EQ(MessageTexts(),
            QStringList({"This golfer has reached the maximum allowed number of scores for a "
                         "golfer.  You must delete some old scores for this golfer before you can "
                         "add any new scores.  REMEMBER: the last 20 complete scores are used to "
                         "calculate the index.  You should not delete those."}));
  EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kWarning);
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({round}) + Rounds(199));

  // The 201st round is refused when it comes back: the file reached 200
  // rounds meanwhile.
  messages.clear();
  folder.Write("ALABLE.fwp", Rounds(199));
  Click(pick->Ui().AddAScoreButton);
  ASSERT_TRUE(entry->isVisible());
  folder.Write("ALABLE.fwp", Rounds(200));
  ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(MessageTexts(), kRoundOverTheLimit);
  EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kInformation);
  EXPECT_EQ(folder.Read("ALABLE.fwp"), Rounds(200));
}

TEST_F(GPickRoundTest, RoundIsStoredForTheGolferAddAScoreStartedFor) {
  QPointer<TGPickForm> pick = OpenAt(0);  // Al Able
  Click(pick->Ui().AddAScoreButton);
  // Bea Best's rounds are loaded in between.
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().IndexButton);
  ASSERT_EQ(OpenWindows<TIndexForm>().size(), 1u);
  EXPECT_EQ(TGPickForm::SelectedGolfer, 2);
  const fw::TScoreRec first = ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({first}));
  pick->FormActivate();
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({first}));

  // Nor does her score list, opened meanwhile, take his round.
  pick->Ui().GolferListBox->setCurrentRow(0);
  Click(pick->Ui().AddAScoreButton);
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().EditScoresButton);
  TGolferForm* scoreList = TGolferForm::Instance();
  ASSERT_TRUE(scoreList->isVisible());
  EXPECT_EQ(scoreList->windowTitle(), "Golfer - Bea Best");
  const fw::TScoreRec second = ConfirmRound(entry, "Oak Hills", "91");
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({first, second}));  // the same day: kept in turn
  EXPECT_EQ(folder.Read("BEABEST.fwp"), "");
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 0);
  EXPECT_FALSE(scoreList->ScoresChanged);
  EXPECT_TRUE(messages.empty());
}

TEST_F(GPickRoundTest, EditViewScoresShowsTheGolfersScoreList) {
  QPointer<TGPickForm> pick = OpenAt(2);
  // A double-click on a golfer does the same as the button.
  DoubleClickLine(pick->Ui().GolferListBox, 2);
  TGolferForm* scoreList = TGolferForm::Instance();
  ASSERT_TRUE(scoreList->isVisible());
  EXPECT_EQ(scoreList->Ui().GolferName->text(), "CYHIGH.fwp");
  EXPECT_EQ(scoreList->Ui().GolferName2->text(), "Cy High");
  EXPECT_EQ(scoreList->Ui().GolferSex->text(), "0");
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 5);
  EXPECT_EQ(scoreList->Ui().IndexField->text(), "36.4");
  EXPECT_EQ(scoreList->Opener(), pick.data());
  EXPECT_EQ(pick->ActivityMode, TGPickForm::Activity::kEditScores);

  scoreList->hide();
  pick->Ui().GolferListBox->setCurrentRow(1);
  Trigger(pick, "EditViewScores1");
  EXPECT_EQ(scoreList->Ui().GolferName->text(), "BEABEST.fwp");
  EXPECT_EQ(scoreList->Ui().GolferSex->text(), "1");
  EXPECT_EQ(scoreList->Ui().IndexField->text(), "40.4");
}

TEST_F(GPickRoundTest, TheListFollowsRenamesAndAFileTooLongIsNamedOnce) {
  QPointer<TGPickForm> pick = OpenAt(0);  // Al Able, ALABLE
  // Golfer maintenance renames him meanwhile.
  fw::FileSnapshot seen;
  ASSERT_TRUE(fw::RenameGolfer(fw::WorkFolder(folder.Path()), "ALABLE", "AL", seen));
  pick->FormActivate();  // the user comes back to the golfer list

  Click(pick->Ui().AddAScoreButton);
  const fw::TScoreRec round = ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(folder.Read("AL.fwp"), FileWith({round}));
  EXPECT_FALSE(folder.Has("ALABLE.fwp"));
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();

  // A score file of 205 rounds shows its first 200 and says so, once.
  folder.Write("BEABEST.fwp", Rounds(205));
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().EditScoresButton);
  TGolferForm* scoreList = TGolferForm::Instance();
  Click(scoreList->Ui().ExitButton);
  ShowActive(pick);
  Click(pick->Ui().EditScoresButton);
  EXPECT_EQ(MessageTexts(),
            QStringList{QStringLiteral(
                "BEABEST.fwp holds 205 rounds, more than the 200 Fairwick can keep. The first 200 "
                "are shown, and the file will not be saved from here, so that none of the others "
                "is lost.")});
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 200);
}

}  // namespace
}  // namespace fwtest
