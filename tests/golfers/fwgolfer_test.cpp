#include "golfers/fwgolfer.h"
#include "reports/fwhndicp.h"

#include <QFontMetrics>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>

#include "app/fwstartup.h"
#include "data/inifile.h"
#include "golfers/fwgpick.h"
#include "golfers/golferfiles.h"
#include "handicap/fwindex.h"
#include "scores/fwscore.h"
#include "support/anothercopy.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

using fw::ui::MsgAnswer;

RoundSpec Round(std::string date, std::string course, std::string total, std::string adjusted,
                std::string rating, std::string slope) {
  RoundSpec r;
  r.date = std::move(date);
  r.course = std::move(course);
  r.total = std::move(total);
  r.adjusted = std::move(adjusted);
  r.rating = std::move(rating);
  r.slope = std::move(slope);
  return r;
}

// Pat Jones's rounds, newest first as the list shows them; the first has a
// malformed date (seven digits) that loads as the placeholder 99999999.
std::vector<RoundSpec> PatsRounds() {
  return {Round("99999999", "Oak Hills", "90", "90", "70.5", "121"),
          Round("20020105", "Oak Hills", "90", "88", "70.5", "121"),
          Round("20020103", "Pine Valley", "79", "79", "70.0", "113"),
          Round("20020101", "Elm Ridge", "85", "85", "0.0", "113"),
          Round("20011230", "Bay Links", "95", "XXX", "72.0", "130"),
          Round("20011228", "Fox Run", "70", "70", "72.3", "113"),
          Round("20011225", "Oak Hills", "0", "0", "70.5", "121"),
          Round("20011220", "The Very Long Name Country Clb", "100", "0", "70.5", "121"),
          Round("20011215", "Oak Hills", "92", "92", "70.5", "121"),
          Round("20011210", "Oak Hills", "88", "88", "70.5", "121")};
}

const QStringList kPatsLines = {
    "I 1   99/99/9999   90   90  70.5   121   18.2   Oak Hills                ",
    "  2   01/05/2002   90   88  70.5   121   16.3   Oak Hills                ",
    "* 3   01/03/2002   79   79  70.0   113    9.0   Pine Valley              ",
    "I 4   01/01/2002   85   85  0.0    113    0.0   Elm Ridge                ",
    "  5   12/30/2001   95  XXX  72.0   130   20.0   Bay Links                ",
    "* 6   12/28/2001   70   70  72.3   113   -2.3   Fox Run                  ",
    "I 7   12/25/2001    0    0  70.5   121    0.0   Oak Hills                ",
    "  8   12/20/2001  100    0  70.5   121   27.5   The Very Long Name Countr",
    "  9   12/15/2001   92   92  70.5   121   20.1   Oak Hills                ",
    "  10  12/10/2001   88   88  70.5   121   16.3   Oak Hills                "};

class GolferFormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TGPickForm::SelectedGolfer = 0;
    folder.Write("golfers.fwc", "Pat Jones~PJONES~0~\r\nSue Smith~SSMITH~1~\r\n");
    std::vector<RoundSpec> rounds = PatsRounds();
    // On disk out of order, with the malformed date.
    std::swap(rounds[0], rounds[5]);
    rounds[5].date = "2002011";
    folder.Write("PJONES.fwp", ScoreFile(rounds));
    folder.Write("SSMITH.fwp", "");
  }

  // The score list showing Pat Jones, as Edit/View Scores shows it.
  QPointer<TGolferForm> ShowPat() {
    QPointer<TGolferForm> form = new TGolferForm;
    form->ShowGolfer("PJONES.fwp", "Pat Jones", 0, nullptr);
    EXPECT_TRUE(WaitActive(form));
    return form;
  }

  static QStringList Lines(QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }

  static int SelectedRow(QListWidget* list) {
    QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
  }

  static void Select(QListWidget* list, int row) {
    list->setCurrentRow(row);
    QApplication::processEvents();
  }

  // Deletes the round on `row`, answering Yes.
  void DeleteLine(TGolferForm* form, int row) {
    Select(form->Ui().ScoresListBox, row);
    Answer(MsgAnswer::kYes);
    Click(form->Ui().DeleteButton);
  }

  static std::vector<RoundSpec> Without(std::vector<RoundSpec> rounds, int index) {
    rounds.erase(rounds.begin() + index);
    return rounds;
  }
};

TEST_F(GolferFormTest, ListShowsEveryColumnAndMarkWithTheIndex) {
  QPointer<TGolferForm> form = ShowPat();
  EXPECT_EQ(form->windowTitle(), "Golfer - Pat Jones");
  EXPECT_EQ(form->Ui().GolferName2->text(), "Pat Jones");
  EXPECT_TRUE(form->Ui().GolferName2->isReadOnly());
  // Best 2 of 7 complete rounds: (-2.3 + 9.0) / 2 x 0.96 = 3.216.
  EXPECT_EQ(form->Ui().IndexField->text(), "3.2");
  EXPECT_EQ(Lines(form->Ui().ScoresListBox), kPatsLines);
  EXPECT_EQ(SelectedRow(form->Ui().ScoresListBox), 0);
  EXPECT_FALSE(form->ScoresChanged);
  EXPECT_FALSE(form->Ui().SaveButton->isEnabled());
  EXPECT_TRUE(messages.empty());

  // Header and lines share a fixed-pitch font, the header (Label3) starting over the dates.
  const QFontMetrics metrics(form->Ui().ScoresListBox->font());
  EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
  EXPECT_EQ(form->Ui().Label3->font(), form->Ui().ScoresListBox->font());
  const std::pair<const char*, const char*> captions[] = {
      {"Label3", "Date       Score AGS  Rating Slope  Diff  Course"},
      {"Label4", "* = Used to calculate index   I = Incomplete score"},
      {"Label1", "Scores for "},
      {"Label2", "Index:"},
      {"AddButton", "Add A Score"},
      {"ModifyButton", "Modify Score"},
      {"DeleteButton", "Delete Score"},
      {"SaveButton", "Save"},
      {"ProgressButton", "Progress"},
      {"ExitButton", "Exit"}};
  for (auto [name, caption] : captions)
    EXPECT_EQ(Find<QWidget>(form, name)->property("text").toString(), caption) << name;
  EXPECT_FALSE(form->Ui().GolferName->isVisible());
  EXPECT_FALSE(form->Ui().GolferSex->isVisible());
  EXPECT_EQ(form->Ui().GolferName->text(), "PJONES.fwp");
  EXPECT_EQ(form->Ui().GolferSex->text(), "0");

  QStringList items;
  for (QAction* top : form->menuBar()->actions()) {
    items << top->text();
    for (QAction* action : top->menu()->actions())
      items << action->objectName() + "=" + action->text();
  }
  EXPECT_EQ(items,
            QStringList({"&File", "ExportRounds1=&Export Rounds...", "Exit1=E&xit", "&Calculate",
                         "Index1=&Index", "Handicap1=&Handicap", "Progress1=&Progress"}));
  EXPECT_EQ(form->menuBar()->objectName(), "GolferMenu");
  EXPECT_TRUE(form->Ui().Index1->isEnabled());

  // Calculate > Handicap hands the golfer and the index shown here to a new
  // course handicap window.
  Trigger(form, "Handicap1");
  std::vector<THandicapForm*> windows = OpenWindows<THandicapForm>();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0]->Ui().GolferShortName->text(), "PJONES");
  EXPECT_EQ(windows[0]->Ui().GolferName->text(), form->Ui().GolferName2->text());
  EXPECT_EQ(windows[0]->Ui().IndexField->text(), form->Ui().IndexField->text());
  windows[0]->close();
  QApplication::processEvents();
}

TEST_F(GolferFormTest, DatesInTheOrderOfTheSettingsFromTheNextRefresh) {
  QPointer<TGolferForm> form = ShowPat();
  for (auto [order, missing, shown] :
       {std::tuple{fw::DateOrder::kYearMonthDay, "9999-99-99", "2002-01-05"},
        {fw::DateOrder::kDayMonthYear, "99/99/9999", "05/01/2002"}}) {
    fw::ui::App().Order = order;
    form->RunFormActivate();
    EXPECT_EQ(Lines(form->Ui().ScoresListBox)[0], QString(kPatsLines[0]).replace(6, 10, missing));
    EXPECT_EQ(Lines(form->Ui().ScoresListBox)[1], QString(kPatsLines[1]).replace(6, 10, shown));
  }
}

TEST_F(GolferFormTest, DeleteAsksRecomputesAndWaitsForSave) {
  QPointer<TGolferForm> form = ShowPat();
  const std::string before = folder.Read("PJONES.fwp");

  // Nothing selected: nothing happens.
  form->Ui().ScoresListBox->clearSelection();
  Click(form->Ui().DeleteButton);
  Click(form->Ui().ModifyButton);
  EXPECT_TRUE(messages.empty());

  Select(form->Ui().ScoresListBox, 5);  // Fox Run, a used round
  Answer(MsgAnswer::kNo);
  Click(form->Ui().DeleteButton);
  EXPECT_EQ(MessageTexts(), QStringList({"Are you sure you want to delete this score?"}));
  EXPECT_EQ(messages[0].buttons, fw::ui::MsgButtons::kYesNo);
  EXPECT_EQ(form->Ui().ScoresListBox->count(), 10);
  EXPECT_FALSE(form->ScoresChanged);

  Answer(MsgAnswer::kYes);
  Click(form->Ui().DeleteButton);
  EXPECT_EQ(form->Ui().ScoresListBox->count(), 9);
  EXPECT_TRUE(form->ScoresChanged);
  EXPECT_TRUE(form->Ui().SaveButton->isEnabled());
  // 6 complete rounds now: the best one alone, 9.0 x 0.96 = 8.64.
  EXPECT_EQ(form->Ui().IndexField->text(), "8.6");
  EXPECT_EQ(form->Ui().ScoresListBox->item(2)->text(),
            "* 3   01/03/2002   79   79  70.0   113    9.0   Pine Valley              ");
  // The line now at the deleted position is selected; positions moved up.
  EXPECT_EQ(SelectedRow(form->Ui().ScoresListBox), 5);
  EXPECT_EQ(form->Ui().ScoresListBox->item(5)->text(),
            "I 6   12/25/2001    0    0  70.5   121    0.0   Oak Hills                ");
  EXPECT_EQ(folder.Read("PJONES.fwp"), before);

  // Deleting the last line leaves no line selected.
  DeleteLine(form, 8);
  EXPECT_EQ(form->Ui().ScoresListBox->count(), 8);
  EXPECT_EQ(SelectedRow(form->Ui().ScoresListBox), -1);

  Click(form->Ui().SaveButton);
  EXPECT_EQ(folder.Read("PJONES.fwp"), ScoreFile(Without(Without(PatsRounds(), 9), 5)));
  EXPECT_FALSE(form->ScoresChanged);
  EXPECT_FALSE(form->Ui().SaveButton->isEnabled());
}

TEST_F(GolferFormTest, TheOnlyRoundDeletedNoRoundsAndAMissingFile) {
  folder.Write("SSMITH.fwp", RoundLine(Round("20020102", "Oak Hills", "90", "90", "70.5", "121")));
  TGolferForm form;
  form.ShowGolfer("SSMITH.fwp", "Sue Smith", 1, nullptr);
  ASSERT_TRUE(WaitActive(&form));
  EXPECT_EQ(form.Ui().GolferSex->text(), "1");
  EXPECT_EQ(
      Lines(form.Ui().ScoresListBox),
      QStringList({"  1   01/02/2002   90   90  70.5   121   18.2   Oak Hills                "}));
  DeleteLine(&form, 0);
  EXPECT_EQ(form.Ui().ScoresListBox->count(), 0);
  EXPECT_EQ(SelectedRow(form.Ui().ScoresListBox), -1);
  EXPECT_EQ(form.Ui().IndexField->text(), "40.4");
  EXPECT_NE(folder.Read("SSMITH.fwp"), "");  // kept until Save
  Click(form.Ui().SaveButton);
  EXPECT_EQ(folder.Read("SSMITH.fwp"), "");

  // A file without rounds, then one that is missing.
  form.hide();
  form.ShowGolfer("SSMITH.fwp", "Sue Smith", 1, nullptr);
  EXPECT_EQ(form.Ui().ScoresListBox->count(), 0);
  EXPECT_EQ(form.Ui().IndexField->text(), "40.4");
  form.hide();
  form.ShowGolfer("NOBODY.fwp", "No Body", 0, nullptr);
  EXPECT_EQ(MessageTexts().last(), "Error: Golfer score file \"NOBODY.fwp\" not found.");
  EXPECT_EQ(messages.size(), 2u);  // after the question to delete
  EXPECT_EQ(form.windowTitle(), "Golfer - No Body");
  EXPECT_EQ(form.Ui().ScoresListBox->count(), 0);
  EXPECT_EQ(form.Ui().IndexField->text(), "36.4");
}

// Every way out asks about unsaved changes: Cancel stays with them, No drops
// them (the next showing reads the file again), Yes saves.
TEST_F(GolferFormTest, EveryWayOutAsksAboutUnsavedChanges) {
  QPointer<TGolferForm> form = ShowPat();
  const std::string before = folder.Read("PJONES.fwp");
  enum Way { kExitButton, kFileExit, kCloseBox, kEnterOnExit };
  const auto leave = [&form](Way way) {
    if (way == kExitButton) Click(form->Ui().ExitButton);
    if (way == kFileExit) Trigger(form, "Exit1");
    if (way == kCloseBox) form->close();
    if (way == kEnterOnExit) {  // Enter on the focused Exit button presses it
      form->Ui().ExitButton->setFocus(Qt::TabFocusReason);
      QTest::keyClick(form->Ui().ExitButton, Qt::Key_Return);
    }
  };
  leave(kExitButton);  // without changes nothing is asked
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(messages.empty());

  const std::pair<Way, MsgAnswer> cases[] = {
      {kExitButton, MsgAnswer::kCancel}, {kFileExit, MsgAnswer::kCancel},
      {kCloseBox, MsgAnswer::kCancel},   {kExitButton, MsgAnswer::kNo},
      {kFileExit, MsgAnswer::kNo},       {kCloseBox, MsgAnswer::kYes},
      {kEnterOnExit, MsgAnswer::kYes}};
  for (auto [way, answer] : cases) {
    SCOPED_TRACE(testing::Message() << "way " << way << ", answer " << int(answer));
    if (!form->isVisible()) {
      folder.Write("PJONES.fwp", before);
      form->ShowGolfer("PJONES.fwp", "Pat Jones", 0, nullptr);
      ASSERT_TRUE(WaitActive(form));
      EXPECT_EQ(Lines(form->Ui().ScoresListBox), kPatsLines);
      DeleteLine(form, 1);
    }
    const std::size_t shown = messages.size();
    Answer(answer);
    leave(way);
    ASSERT_EQ(messages.size(), shown + 1);
    EXPECT_EQ(messages.back().text, "Save changes made to scores?");
    EXPECT_EQ(messages.back().buttons, fw::ui::MsgButtons::kYesNoCancel);
    const bool stays = answer == MsgAnswer::kCancel;
    EXPECT_EQ(form->isVisible(), stays);
    EXPECT_EQ(form->ScoresChanged, stays);
    EXPECT_EQ(form->Ui().SaveButton->isEnabled(), stays);
    if (stays) {
      EXPECT_EQ(form->Ui().ScoresListBox->count(), 9);
    }
    EXPECT_EQ(folder.Read("PJONES.fwp"),
              answer == MsgAnswer::kYes ? ScoreFile(Without(PatsRounds(), 1)) : before);
  }
}

TEST_F(GolferFormTest, CalculateIndexShowsTheScoreListsExplanation) {
  QPointer<TGolferForm> form = ShowPat();
  Trigger(form, "Index1");
  std::vector<TIndexForm*> dialogs = OpenWindows<TIndexForm>();
  ASSERT_EQ(dialogs.size(), 1u);
  QStringList lines;
  for (int k = 1; k <= 6; ++k) lines << dialogs[0]->Ui().Field[std::size_t(k)]->text();
  EXPECT_EQ(lines, QStringList({"10 scores on file for Pat Jones.",
                                "Calculated index using best 2 out of 7 differentials.",
                                "Differential 1   =  -2.3  12/28/2001  Fox Run",
                                "Differential 2   =   9.0  01/03/2002  Pine Valley", "",
                                "The current index for Pat Jones is  3.2"}));
  EXPECT_TRUE(form->isVisible());
}

TEST_F(GolferFormTest, PlacementIsItsOwn) {
  folder.Write("fairwick.ini", "[GolferForm]\r\nHeight=500\r\nWidth=700\r\n");
  TGolferForm form;
  EXPECT_EQ(form.size(), QSize(700, 500));
  EXPECT_EQ(form.windowTitle(), "Golfer");
}

// Rounds added and changed through the score entry window.
class GolferFormRoundTest : public GolferFormTest {
 protected:
  void SetUp() override {
    GolferFormTest::SetUp();
    folder.Write("courses.fwc", kTestCourses);
    fw::ui::CreateLongLivedWindows();
    entry = TScoreForm::Instance();
    scoreList = TGolferForm::Instance();
    ASSERT_NE(entry, nullptr);
    ASSERT_NE(scoreList, nullptr);
  }

  // The golfer list with Edit/View Scores done for the golfer on `row`.
  QPointer<TGPickForm> EditScoresOf(int row) {
    QPointer<TGPickForm> pick = new TGPickForm;
    pick->setAttribute(Qt::WA_DeleteOnClose);
    ShowActive(pick);
    pick->Ui().GolferListBox->setCurrentRow(row);
    Click(pick->Ui().EditScoresButton);
    EXPECT_TRUE(WaitActive(scoreList));
    return pick;
  }

  TScoreForm* entry = nullptr;
  TGolferForm* scoreList = nullptr;
};

TEST_F(GolferFormRoundTest, AddedRoundJoinsTheListAndWaitsForSave) {
  QPointer<TGPickForm> pick = EditScoresOf(0);
  const std::string before = folder.Read("PJONES.fwp");
  Click(scoreList->Ui().AddButton);
  ASSERT_TRUE(entry->isVisible());
  EXPECT_EQ(entry->Opener(), scoreList);
  EXPECT_EQ(entry->Ui().GolferName->text(), "Pat Jones");
  EXPECT_EQ(entry->Ui().IndexField->text(), "3.2");
  EXPECT_EQ(entry->Ui().DateField->text(), "01/10/2002");
  EXPECT_EQ(scoreList->EditedScore, 0);

  const fw::TScoreRec round = ConfirmRound(entry, "Oak Hills", "81");
  EXPECT_EQ(round.IndexAtEntry, "3.2");
  EXPECT_EQ(scoreList->EditedScore, -1);
  ASSERT_EQ(scoreList->Ui().ScoresListBox->count(), 11);
  EXPECT_EQ(scoreList->Ui().ScoresListBox->item(1)->text(),
            "  2   01/10/2002   81   81  70.5   121    9.8   Oak Hills                ");
  EXPECT_EQ(SelectedRow(scoreList->Ui().ScoresListBox), 0);
  EXPECT_TRUE(scoreList->ScoresChanged);
  EXPECT_TRUE(scoreList->Ui().SaveButton->isEnabled());
  // Best 2 of 8: (-2.3 + 9.0) / 2 x 0.96 still; the new round's 9.8 is third.
  EXPECT_EQ(scoreList->Ui().IndexField->text(), "3.2");
  EXPECT_EQ(folder.Read("PJONES.fwp"), before);
  // The golfer list does not store a round the score list took.
  pick->FormActivate();
  EXPECT_EQ(folder.Read("PJONES.fwp"), before);

  Click(scoreList->Ui().SaveButton);
  std::vector<RoundSpec> rounds = PatsRounds();
  EXPECT_EQ(folder.Read("PJONES.fwp"),
            ScoreFile({rounds[0]}) + FileWith({round}) + ScoreFile(Without(rounds, 0)));
  EXPECT_FALSE(scoreList->Ui().SaveButton->isEnabled());
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();
}

TEST_F(GolferFormRoundTest, ModifiedRoundMovesWithItsDateAndKeepsItsIndexAtEntry) {
  EditScoresOf(0);
  Select(scoreList->Ui().ScoresListBox, 2);  // position 3: Pine Valley, 01/03/2002
  Click(scoreList->Ui().ModifyButton);
  ASSERT_TRUE(entry->isVisible());
  EXPECT_EQ(scoreList->EditedScore, 3);
  EXPECT_EQ(entry->Ui().DateField->text(), "01/03/2002");
  EXPECT_EQ(entry->Ui().CourseField->currentText(), "Pine Valley");
  EXPECT_EQ(entry->Ui().ScoreTotal->text(), "79");
  EXPECT_EQ(entry->Ui().IndexField->text(), "3.2");  // stored IndexAtEntry "0": the current index

  entry->Ui().DateField->setText("12/01/2001");
  Click(entry->Ui().OKButton);
  EXPECT_FALSE(entry->isVisible());
  fw::TScoreRec changed = entry->Round();
  EXPECT_EQ(changed.Date, "20011201");
  changed.IndexAtEntry = "0";
  EXPECT_EQ(scoreList->EditedScore, -1);
  // The line at the old position is selected; the round is now the oldest.
  EXPECT_EQ(SelectedRow(scoreList->Ui().ScoresListBox), 2);
  EXPECT_EQ(scoreList->Ui().ScoresListBox->item(2)->text(),
            "I 3   01/01/2002   85   85  0.0    113    0.0   Elm Ridge                ");
  EXPECT_EQ(scoreList->Ui().ScoresListBox->item(9)->text(),
            "* 10  12/01/2001   79   79  70.0   113    9.0   Pine Valley              ");
  EXPECT_TRUE(scoreList->ScoresChanged);

  Click(scoreList->Ui().SaveButton);
  EXPECT_EQ(folder.Read("PJONES.fwp"), ScoreFile(Without(PatsRounds(), 2)) + FileWith({changed}));
}

TEST_F(GolferFormRoundTest, AChangeInProgressFollowsItsRoundAcrossADelete) {
  EditScoresOf(0);
  Select(scoreList->Ui().ScoresListBox, 2);  // position 3: Pine Valley, 01/03/2002
  Click(scoreList->Ui().ModifyButton);
  ASSERT_TRUE(entry->isVisible());
  ShowActive(scoreList);
  DeleteLine(scoreList, 1);  // the round above it goes; Pine Valley is now at position 2
  entry->Ui().ScoreTotal->setText("77");
  entry->ScoreTotalExit();
  const fw::TScoreRec changed = entry->Round();
  Click(entry->Ui().OKButton);
  // Columns from the date on: the change went to Pine Valley, not to the round
  // that moved into position 3.
  EXPECT_EQ(scoreList->Ui().ScoresListBox->item(1)->text().mid(6, 24),
            QStringLiteral("01/03/2002   77   77  70"));
  EXPECT_EQ(scoreList->Ui().ScoresListBox->item(2)->text().mid(6), kPatsLines[3].mid(6));

  // The round being changed is deleted: the confirmed change has nothing to go to.
  Select(scoreList->Ui().ScoresListBox, 1);
  Click(scoreList->Ui().ModifyButton);
  ShowActive(scoreList);
  DeleteLine(scoreList, 1);
  const int count = scoreList->Ui().ScoresListBox->count();
  Click(entry->Ui().OKButton);
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), count);
  EXPECT_EQ(scoreList->Ui().ScoresListBox->item(1)->text().mid(6), kPatsLines[3].mid(6));
  EXPECT_EQ(changed.TotalScore, "77");
}

TEST_F(GolferFormRoundTest, AddAScoreStopsAtTwoHundred) {
  std::string full;
  for (int i = 0; i < 200; ++i)
    full += RoundLine(Round("20010101", "Oak Hills", "90", "90", "70.5", "121"));
  folder.Write("SSMITH.fwp", full);
  EditScoresOf(1);
  ASSERT_EQ(scoreList->Ui().ScoresListBox->count(), 200);
  Click(scoreList->Ui().AddButton);
  EXPECT_FALSE(entry->isVisible());
  EXPECT_EQ(MessageTexts(),
            QStringList({"This golfer has reached the maximum allowed number of scores for a "
                         "golfer.  You must delete some old scores for this golfer before you can "
                         "add any new scores.  REMEMBER: the last 20 complete scores are used to "
                         "calculate the index."}));
  EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kWarning);
  EXPECT_EQ(scoreList->EditedScore, -1);
}

TEST_F(GolferFormRoundTest, AnotherGolferWhileChangesAreUnsaved) {
  QPointer<TGPickForm> pick = EditScoresOf(0);
  const std::string pats = folder.Read("PJONES.fwp");
  DeleteLine(scoreList, 1);

  // Cancel keeps Pat Jones with the change.
  pick->Ui().GolferListBox->setCurrentRow(1);
  Answer(MsgAnswer::kCancel);
  Click(pick->Ui().EditScoresButton);
  EXPECT_EQ(MessageTexts().last(), "Save changes made to scores?");
  EXPECT_EQ(messages.back().buttons, fw::ui::MsgButtons::kYesNoCancel);
  EXPECT_EQ(scoreList->windowTitle(), "Golfer - Pat Jones");
  EXPECT_EQ(scoreList->Ui().GolferName->text(), "PJONES.fwp");
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 9);
  EXPECT_TRUE(scoreList->ScoresChanged);

  // No drops it and shows Sue Smith.
  Answer(MsgAnswer::kNo);
  Click(pick->Ui().EditScoresButton);
  EXPECT_EQ(scoreList->windowTitle(), "Golfer - Sue Smith");
  EXPECT_EQ(scoreList->Ui().GolferSex->text(), "1");
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 0);
  EXPECT_EQ(scoreList->Ui().IndexField->text(), "40.4");
  EXPECT_FALSE(scoreList->ScoresChanged);
  EXPECT_EQ(folder.Read("PJONES.fwp"), pats);
  EXPECT_EQ(folder.Read("SSMITH.fwp"), "");

  // Yes saves Pat Jones's file, never Sue Smith's, then shows Sue Smith.
  pick->Ui().GolferListBox->setCurrentRow(0);
  Click(pick->Ui().EditScoresButton);
  ASSERT_EQ(scoreList->Ui().ScoresListBox->count(), 10);
  DeleteLine(scoreList, 1);
  pick->Ui().GolferListBox->setCurrentRow(1);
  Answer(MsgAnswer::kYes);
  Click(pick->Ui().EditScoresButton);
  EXPECT_EQ(folder.Read("PJONES.fwp"), ScoreFile(Without(PatsRounds(), 1)));
  EXPECT_EQ(folder.Read("SSMITH.fwp"), "");
  EXPECT_EQ(scoreList->windowTitle(), "Golfer - Sue Smith");
  EXPECT_FALSE(scoreList->Ui().SaveButton->isEnabled());

  // The same golfer again just brings the window forward.
  const std::size_t shown = messages.size();
  Click(pick->Ui().EditScoresButton);
  EXPECT_EQ(messages.size(), shown);
  EXPECT_EQ(scoreList->windowTitle(), "Golfer - Sue Smith");
}

TEST_F(GolferFormRoundTest, RoundConfirmedWithNothingPendingIsNotStored) {
  QPointer<TGPickForm> pick = EditScoresOf(0);
  Select(scoreList->Ui().ScoresListBox, 1);
  Click(scoreList->Ui().ModifyButton);
  ASSERT_TRUE(entry->isVisible());
  // Another golfer is loaded while Pat Jones's round is still open.
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().EditScoresButton);
  ASSERT_EQ(scoreList->windowTitle(), "Golfer - Sue Smith");
  EXPECT_EQ(scoreList->EditedScore, -1);
  entry->FwForm::ShowFor(scoreList);  // the round is still on screen for the score list
  Click(entry->Ui().OKButton);
  EXPECT_EQ(entry->Ui().OkPressed->text(), "0");
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 0);
  EXPECT_FALSE(scoreList->ScoresChanged);
  EXPECT_FALSE(scoreList->Ui().SaveButton->isEnabled());
  Click(scoreList->Ui().ExitButton);  // nothing to ask
  EXPECT_FALSE(scoreList->isVisible());
  EXPECT_EQ(folder.Read("SSMITH.fwp"), "");
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();
}

TEST_F(GolferFormRoundTest, ARoundStoredElsewhereIsShownOrJoinsTheUnsavedListButNotAnotherCopys) {
  QPointer<TGPickForm> pick = EditScoresOf(0);
  auto onDisk = [this] {
    fw::ScoreTable scores;
    fw::LoadScoreFile(fw::WorkFolder(folder.Path()), "PJONES.fwp", scores);
    return scores;
  };
  // Add a Score from the golfer list stores the round in the file at once.
  // The score list, with nothing pending and no changes of its own, is not
  // handed the round: it shows the file as it now is.
  ShowActive(pick);
  Click(pick->Ui().AddAScoreButton);
  ASSERT_TRUE(entry->isVisible());
  const fw::TScoreRec first = ConfirmRound(entry, "Oak Hills", "90");
  std::vector<RoundSpec> rounds = PatsRounds();
  EXPECT_EQ(folder.Read("PJONES.fwp"),
            ScoreFile({rounds[0]}) + FileWith({first}) + ScoreFile(Without(rounds, 0)));
  scoreList->FormActivate();
  EXPECT_EQ(scoreList->Ui().ScoresListBox->count(), 11);
  EXPECT_FALSE(scoreList->ScoresChanged);
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();

  // With unsaved changes the round joins the score list's table, sorted in.
  const int onFile = scoreList->Scores.Count();
  DeleteLine(scoreList, 3);  // not saved yet
  ShowActive(pick);
  Click(pick->Ui().AddAScoreButton);
  const fw::TScoreRec round = ConfirmRound(entry, "Oak Hills", "88");
  ASSERT_EQ(onDisk().Count(), onFile + 1);
  EXPECT_EQ(scoreList->Scores.Count(), onFile);
  auto holds = [&round](const fw::ScoreTable& scores) {
    return std::find(scores.begin(), scores.end(), round) != scores.end();
  };
  EXPECT_TRUE(holds(scoreList->Scores));
  EXPECT_TRUE(scoreList->ScoresChanged);
  Click(scoreList->Ui().SaveButton);
  EXPECT_EQ(onDisk().Count(), onFile);  // the deletion and the new round
  EXPECT_TRUE(holds(onDisk()));

  // A round stored by another copy is not saved over: the save says why.
  DeleteLine(scoreList, 1);
  InAnotherCopy([&] {
    fw::ScoreTable scratch;
    fw::TScoreRec theirs = round;
    theirs.TotalScore = "77";
    fw::StoreRound(fw::WorkFolder(folder.Path()), "PJONES.fwp", theirs, scratch);
  });
  Answer(MsgAnswer::kKeepEditing);
  Click(scoreList->Ui().SaveButton);
  EXPECT_EQ(messages.back().buttons, fw::ui::MsgButtons::kReloadKeepEditing);
  EXPECT_EQ(onDisk().Count(), onFile + 1);
  EXPECT_EQ(scoreList->Scores.Count(), onFile - 1);
}

}  // namespace
}  // namespace fwtest
