#include "golfers/fwgpick.h"

#include <QMenuBar>
#include <QPointer>

#include "app/fwstartup.h"
#include "data/golferchanges.h"
#include "data/inifile.h"
#include "golfers/fwgolfer.h"
#include "golfers/golferfiles.h"
#include "handicap/fwindex.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

class GPickTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TGPickForm::SelectedGolfer = 0;
    folder.Write("golfers.fwc",
                 "Cy High~CYHIGH~0~\r\nAl Able~ALABLE~0~\r\nBea Best~BEABEST~1~\r\n");
    // Five rounds with differentials 40.0 to 44.0: 40.0 x 0.96 = 38.4.
    std::vector<RoundSpec> high;
    for (int p = 1; p <= 5; ++p)
      high.push_back(RoundWithDifferential(December2001(p), 400 + 10 * (p - 1), "Oak Hills"));
    folder.Write("CYHIGH.fwp", ScoreFile(high));
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
  EXPECT_EQ(pick->size(), QSize(572, 385));
  const std::pair<const char*, const char*> buttons[] = {{"AddAScoreButton", "Add a Score"},
                                                         {"AddGroupButton", "Add Group of Scores"},
                                                         {"EditScoresButton", "Edit/View Scores"},
                                                         {"IndexButton", "Calculate Index"},
                                                         {"HandicapButton", "Course Handicap"},
                                                         {"PrintScoresButton", "Print Scores"},
                                                         {"PrintHandicapButton", "Print Handicaps"},
                                                         {"ProgressButton", "Progress"},
                                                         {"ExitButton", "Exit"}};
  for (auto [name, caption] : buttons) EXPECT_EQ(Find<QPushButton>(pick, name)->text(), caption);
  EXPECT_EQ(Find<QCheckBox>(pick, "chkUseMaxIndex")->text(), "Use Maximum Index Rule");
  EXPECT_EQ(Find<QLabel>(pick, "Label1")->text(), "(36.4 for men, 40.4 for women)");

  // The golfers by long name, sorted.
  QStringList names;
  for (int i = 0; i < pick->Ui().GolferListBox->count(); ++i)
    names << pick->Ui().GolferListBox->item(i)->text();
  EXPECT_EQ(names, QStringList({"Al Able", "Bea Best", "Cy High"}));

  QList<QMenu*> menus;
  for (QAction* top : pick->menuBar()->actions()) menus << top->menu();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->title(), "&File");
  EXPECT_EQ(menus[1]->title(), "&Activities");
  QStringList items;
  for (QAction* action : menus[0]->actions() + menus[1]->actions())
    items << (action->isSeparator() ? QStringLiteral("-")
                                    : action->objectName() + "=" + action->text());
  EXPECT_EQ(
      items,
      QStringList({"Exit1=&Exit", "AddaScore1=&Add a Score",
                   "AddaGroupofScores1=Add a &Group of Scores", "EditViewScores1=&Edit/View Scores",
                   "-", "CalculateIndex1=Calculate &Index",
                   "CalculateHandicap1=Calculate &Handicap", "-", "PrintScores1=Print &Scores",
                   "PrintHandicaps1=Print Ha&ndicaps", "-", "Progress1=&Progress",
                   "ExportRounds1=E&xport Rounds...", "ImportRounds1=I&mport Rounds..."}));

  for (const char* name :
       {"AddAScoreButton", "AddGroupButton", "EditScoresButton", "IndexButton", "HandicapButton",
        "PrintScoresButton", "PrintHandicapButton", "ExitButton"})
    EXPECT_TRUE(Find<QPushButton>(pick, name)->isEnabled()) << name;
  for (const char* name :
       {"Exit1", "AddaScore1", "AddaGroupofScores1", "EditViewScores1", "CalculateIndex1",
        "CalculateHandicap1", "PrintScores1", "PrintHandicaps1"})
    EXPECT_TRUE(Find<QAction>(pick, name)->isEnabled()) << name;

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

TEST_F(GPickTest, ReopeningSelectsTheGolferWorkedOnLast) {
  QPointer<TGPickForm> pick = Open();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 0);  // the first opening: the first golfer
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().IndexButton);
  EXPECT_EQ(TGPickForm::SelectedGolfer, 2);
  IndexLineZ();
  pick->close();

  pick = Open();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 1);
  // Activation selects the remembered line again, whatever was clicked since.
  pick->Ui().GolferListBox->setCurrentRow(2);
  pick->FormActivate();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 1);
  pick->close();

  // A remembered golfer beyond the end of a shorter list: the last line.
  TGPickForm::SelectedGolfer = 7;
  pick = Open();
  EXPECT_EQ(SelectedRow(pick->Ui().GolferListBox), 2);
}

TEST_F(GPickTest, NothingHappensWithoutASelectedGolfer) {
  QPointer<TGPickForm> pick = Open();
  pick->Ui().GolferListBox->clearSelection();
  Click(pick->Ui().IndexButton);
  Trigger(pick, "CalculateIndex1");
  Click(pick->Ui().AddAScoreButton);
  Click(pick->Ui().EditScoresButton);
  EXPECT_TRUE(OpenWindows<TIndexForm>().empty());
  EXPECT_EQ(TGPickForm::SelectedGolfer, 0);
  EXPECT_TRUE(messages.empty());
  pick->close();

  // An empty golfer list.
  folder.Write("golfers.fwc", "");
  pick = Open();
  EXPECT_EQ(pick->Ui().GolferListBox->count(), 0);
  Click(pick->Ui().IndexButton);
  Click(pick->Ui().AddAScoreButton);
  EXPECT_TRUE(OpenWindows<TIndexForm>().empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(GPickTest, MissingScoreFileIsReportedAndNoDialogOpens) {
  std::filesystem::remove(folder.Path() / "BEABEST.fwp");
  QPointer<TGPickForm> pick = Open();
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().IndexButton);
  EXPECT_EQ(MessageTexts(), QStringList({"File not found"}));
  EXPECT_TRUE(OpenWindows<TIndexForm>().empty());
  EXPECT_TRUE(pick->isVisible());
}

TEST_F(GPickTest, EachCalculationOpensItsOwnDialogWithoutBlocking) {
  QPointer<TGPickForm> pick = Open();
  Click(pick->Ui().IndexButton);
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().IndexButton);
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

  static std::string Rounds(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
      bytes += RoundLine(RoundWithDifferential("20010101", 150, "Oak Hills"));
    return bytes;
  }

  static int Lines(const std::string& bytes) {
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
  }

  TScoreForm* entry = nullptr;
};

TEST_F(GPickRoundTest, AddAScoreStoresTheConfirmedRoundOnce) {
  const std::string before = folder.Read("CYHIGH.fwp");
  QPointer<TGPickForm> pick = OpenAt(2);
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

TEST_F(GPickRoundTest, AddAScoreGivesTheIndexWithItsLeadingBlank) {
  folder.Write("golfers.fwc", "Di Low~DILOW~1~\r\n");
  std::vector<RoundSpec> low;
  for (int p = 1; p <= 5; ++p)
    low.push_back(RoundWithDifferential(December2001(p), 80, "Oak Hills"));
  folder.Write("DILOW.fwp", ScoreFile(low));
  QPointer<TGPickForm> pick = OpenAt(0);
  Trigger(pick, "AddaScore1");
  EXPECT_EQ(entry->Ui().IndexField->text(), " 7.7");  // 8.0 x 0.96
}

TEST_F(GPickRoundTest, CancelledEntryStoresNothing) {
  QPointer<TGPickForm> pick = OpenAt(0);
  Click(pick->Ui().AddAScoreButton);
  Click(entry->Ui().CancelButton);
  EXPECT_FALSE(entry->isVisible());
  pick->FormActivate();
  EXPECT_EQ(folder.Read("ALABLE.fwp"), "");
  EXPECT_TRUE(messages.empty());
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
  EXPECT_EQ(Lines(folder.Read("ALABLE.fwp")), 200);
}

TEST_F(GPickRoundTest, TheTwoHundredFirstRoundIsRefusedWhenItComesBack) {
  folder.Write("ALABLE.fwp", Rounds(199));
  QPointer<TGPickForm> pick = OpenAt(0);
  Click(pick->Ui().AddAScoreButton);
  // Meanwhile the golfer's file reaches 200 rounds.
  folder.Write("ALABLE.fwp", Rounds(200));
  ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(
      MessageTexts(),
      QStringList({"Bad News!  The score you just entered puts you over the maximum number "
                   "of scores allowed for a golfer.  It can not be saved.  You must delete "
                   "some old scores for this golfer before you can enter more scores.",
                   "Remember, the last 20 complete scores are used to calculate the index."}));
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
  const fw::TScoreRec round = ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({round}));
  EXPECT_EQ(folder.Read("BEABEST.fwp"), "");
  pick->FormActivate();
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({round}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(GPickRoundTest, AfterEditViewScoresAConfirmedRoundIsStillStoredForItsGolfer) {
  QPointer<TGPickForm> pick = OpenAt(0);
  Click(pick->Ui().AddAScoreButton);
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().EditScoresButton);
  TGolferForm* scoreList = TGolferForm::Instance();
  ASSERT_TRUE(scoreList->isVisible());
  EXPECT_EQ(scoreList->windowTitle(), "Golfer - Bea Best");
  // The round typed for Al is his, whatever the list does meanwhile.
  const fw::TScoreRec round = ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(folder.Read("ALABLE.fwp"), FileWith({round}));
  EXPECT_EQ(folder.Read("BEABEST.fwp"), "");

  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 0);
  EXPECT_FALSE(scoreList->ScoresChanged);
}

TEST_F(GPickRoundTest, EditViewScoresShowsTheGolfersScoreList) {
  QPointer<TGPickForm> pick = OpenAt(2);
  // A double-click on a golfer does the same as the button.
  QListWidget* list = pick->Ui().GolferListBox;
  const QPoint line = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
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
