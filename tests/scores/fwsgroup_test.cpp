#include "scores/fwsgroup.h"

#include <QPointer>

#include "app/fwstartup.h"
#include "golfers/fwgpick.h"
#include "support/golferwindows.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

class GroupTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TGPickForm::SelectedGolfer = 0;
    folder.Write("golfers.fwc", kThreeGolfers);
    folder.Write("courses.fwc", kTestCourses);
    // Indexes 19.2 (Al), 9.6 (Bea) and 36.4 (Cy, the maximum for men).
    folder.Write("ALABLE.fwp", FiveRounds(200));
    folder.Write("BEABEST.fwp", FiveRounds(100));
    folder.Write("CYHIGH.fwp", FiveRounds(400));
    fw::ui::CreateLongLivedWindows();
    entry = TScoreForm::Instance();
    ASSERT_NE(entry, nullptr);
  }

  static QPointer<TGroupOfScoresForm> Open(bool deleteOnClose = true) {
    QPointer<TGroupOfScoresForm> group = new TGroupOfScoresForm;
    if (deleteOnClose) group->setAttribute(Qt::WA_DeleteOnClose);
    ShowActive(group);
    return group;
  }

  static QPointer<TGPickForm> OpenGolferList() {
    QPointer<TGPickForm> pick = new TGPickForm;
    pick->setAttribute(Qt::WA_DeleteOnClose);
    ShowActive(pick);
    return pick;
  }

  // The rounds in a golfer's score file, newest first.
  fw::ScoreTable FileOf(const char* fileName) {
    fw::ScoreTable table;
    fw::ParseScoreFile(folder.Read(fileName), table);
    return table;
  }

  // The round a golfer's file gained on its five: date, course, total,
  // adjusted score, index and course handicap.
  std::string Added(const char* fileName) {
    const fw::ScoreTable table = FileOf(fileName);
    if (table.Count() != 6) return std::to_string(table.Count()) + " rounds";
    const fw::TScoreRec& r = table[1];
    return r.Date.str() + " " + r.CourseName.str() + " " + r.TotalScore.str() + " " +
           r.AdjustedScore.str() + " " + r.IndexAtEntry.str() + " " + r.CourseHdcp.str();
  }

  // Score entry for the next golfer: his name, the date, course, index and
  // course handicap, every hole cleared.
  QStringList Entry() {
    for (int hole = 1; hole <= 18; ++hole) EXPECT_EQ(entry->Ui().Score[hole]->text(), "0") << hole;
    return {entry->Ui().GolferName->text(), entry->Ui().DateField->text(),
            entry->Ui().CourseField->currentText(), entry->Ui().IndexField->text(),
            entry->Ui().CourseHandicapField->text()};
  }

  // Picks the course in score entry and, given one, types the total.
  void Type(const char* course, const char* total = nullptr) {
    entry->Ui().CourseField->setCurrentIndex(entry->Ui().CourseField->findText(course));
    entry->CourseFieldClick();
    if (!total) return;
    entry->Ui().ScoreTotal->setText(total);
    entry->ScoreTotalExit();
  }

  // Types a score into every hole and leaves the last hole of each nine.
  void TypeHoles(int first, int others) {
    for (int hole = 1; hole <= 18; ++hole)
      entry->Ui().Score[hole]->setText(QString::number(hole == 1 ? first : others));
    entry->ScoreExit(1);
    entry->ScoreExit(18);
  }

  TScoreForm* entry = nullptr;
};

TEST_F(GroupTest, WindowLooksAsDescribed) {
  QPointer<TGroupOfScoresForm> group = Open();
  EXPECT_EQ(group->windowTitle(), "Add A Group Of Scores");
  EXPECT_EQ(Find<QPushButton>(group, "AddAScoreButton")->text(), "Add a Score");
  EXPECT_EQ(Find<QPushButton>(group, "ExitButton")->text(), "Exit");
  EXPECT_EQ(MenuItems(group),
            QStringList({"&File", "Exit1=&Exit", "&Activities", "AddaScore1=&Add a Score"}));
  EXPECT_EQ(ListTexts(group->Ui().GolferListBox), QStringList({"Al Able", "Bea Best", "Cy High"}));
  EXPECT_EQ(group->Ui().GolferListBox->currentRow(), 0);

  // The list fills the client area but a strip of 26 pixels that holds the
  // buttons, also after a resize; the background is white.
  QWidget* client = group->centralWidget();
  EXPECT_EQ(client->palette().color(QPalette::Window), QColor(Qt::white));
  for (QSize size : {QSize(547, 383), QSize(700, 450)}) {
    group->resize(size);
    QApplication::processEvents();
    EXPECT_EQ(group->Ui().GolferListBox->geometry(),
              QRect(0, 0, client->width(), client->height() - 26));
    for (QPushButton* button : {group->Ui().AddAScoreButton, group->Ui().ExitButton}) {
      EXPECT_TRUE(client->rect().contains(button->geometry()))
          << button->objectName().toStdString();
      EXPECT_GE(button->y(), client->height() - 26);
    }
  }
  EXPECT_FALSE(
      group->Ui().AddAScoreButton->geometry().intersects(group->Ui().ExitButton->geometry()));
  EXPECT_EQ(fw::ui::Settings().ReadInteger("GroupOfScoresForm", "Width", 0), 700);

  Click(group->Ui().ExitButton);
  EXPECT_TRUE(group.isNull());
}

TEST_F(GroupTest, ThreeGolfersInARowKeepTheDateAndCourseEachWithHisOwnHandicap) {
  QPointer<TGroupOfScoresForm> group = Open();
  group->Ui().GolferListBox->setCurrentRow(0);  // Al Able
  Click(group->Ui().AddAScoreButton);
  ASSERT_TRUE(entry->isVisible());
  EXPECT_EQ(entry->Opener(), group.data());
  EXPECT_EQ(Entry(), QStringList({"Al Able", "01/10/2002", "", "19.2", ""}));
  EXPECT_EQ(entry->Ui().CoursePicked->text(), "0");
  EXPECT_EQ(entry->Ui().AddingGroup->text(), "1");
  entry->Ui().DateField->setText("01/08/2002");
  Type("Oak Hills");
  TypeHoles(5, 5);
  Click(entry->Ui().OKButton);
  EXPECT_FALSE(entry->isVisible());
  EXPECT_EQ(Added("ALABLE.fwp"), "20020108 Oak Hills 90 90 19.2 21");  // 19.2 x 121 / 113

  // The second golfer, from the menu: the date and course stay, the holes are
  // cleared, and the index and course handicap are hers.
  group->Ui().GolferListBox->setCurrentRow(1);
  Trigger(group, "AddaScore1");
  ASSERT_TRUE(entry->isVisible());
  EXPECT_EQ(entry->windowTitle(), "Enter Score - Bea Best");
  EXPECT_EQ(Entry(), QStringList({"Bea Best", "01/08/2002", "Oak Hills", " 9.6", "10"}));
  EXPECT_EQ(entry->Ui().CoursePicked->text(), "1");
  EXPECT_EQ(entry->Ui().RatingField->text(), "70.5");
  // Course handicap 10 holds a hole to 7: the 9 on the first hole counts 7.
  TypeHoles(9, 5);
  EXPECT_EQ(entry->Ui().AdjScore->text(), "92");
  Click(entry->Ui().OKButton);
  EXPECT_EQ(Added("BEABEST.fwp"), "20020108 Oak Hills 94 92  9.6 10");

  // The third by a double click in the list.
  DoubleClickLine(group->Ui().GolferListBox, 2);
  ASSERT_TRUE(entry->isVisible());
  EXPECT_EQ(Entry(), QStringList({"Cy High", "01/08/2002", "Oak Hills", "36.4", "39"}));
  ConfirmRound(entry, "Oak Hills", "100");
  EXPECT_EQ(Added("CYHIGH.fwp"), "20020108 Oak Hills 100 100 36.4 39");

  // Each round once, in its golfer's file only; the list shows the golfer
  // served last.
  group->FormActivate();
  EXPECT_EQ(FileOf("ALABLE.fwp").Count(), 6);
  EXPECT_EQ(FileOf("BEABEST.fwp").Count(), 6);
  EXPECT_EQ(FileOf("CYHIGH.fwp").Count(), 6);
  EXPECT_EQ(group->Ui().GolferListBox->currentRow(), 2);
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();
}

TEST_F(GroupTest, ACancelledEntryStoresNothingAndTheNextGolferKeepsDateAndCourse) {
  const std::string beaBefore = folder.Read("BEABEST.fwp");
  QPointer<TGroupOfScoresForm> group = Open();
  group->Ui().GolferListBox->setCurrentRow(0);
  Click(group->Ui().AddAScoreButton);
  ConfirmRound(entry, "Pine Valley", "88");
  ASSERT_EQ(FileOf("ALABLE.fwp").Count(), 6);

  group->Ui().GolferListBox->setCurrentRow(1);
  Click(group->Ui().AddAScoreButton);
  entry->Ui().ScoreTotal->setText("77");
  Click(entry->Ui().CancelButton);
  EXPECT_FALSE(entry->isVisible());
  group->FormActivate();
  EXPECT_EQ(folder.Read("BEABEST.fwp"), beaBefore);
  EXPECT_EQ(FileOf("ALABLE.fwp").Count(), 6);

  group->Ui().GolferListBox->setCurrentRow(2);
  Click(group->Ui().AddAScoreButton);
  // Slope 113: the index rounded.
  EXPECT_EQ(Entry(), QStringList({"Cy High", "01/10/2002", "Pine Valley", "36.4", "36"}));
  Click(entry->Ui().OKButton);
  EXPECT_EQ(Added("CYHIGH.fwp"), "20020110 Pine Valley   36.4 36");  // no total typed: blank
  EXPECT_EQ(folder.Read("BEABEST.fwp"), beaBefore);
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();
}

TEST_F(GroupTest, AGolferAtTwoHundredRoundsGetsNoNewRound) {
  folder.Write("CYHIGH.fwp", Rounds(200));
  folder.Write("ALABLE.fwp", Rounds(199));
  QPointer<TGroupOfScoresForm> group = Open();

  // Refused before the entry: the warning, and the round still being entered
  // for the golfer before goes to her file, not to his.
  group->Ui().GolferListBox->setCurrentRow(1);  // Bea Best
  Click(group->Ui().AddAScoreButton);
  ASSERT_TRUE(entry->isVisible());
  group->Ui().GolferListBox->setCurrentRow(2);  // Cy High
  Click(group->Ui().AddAScoreButton);
  EXPECT_EQ(MessageTexts(),
            QStringList({"This golfer has reached the maximum allowed number of scores for a "
                         "golfer.  You must delete some old scores for this golfer before you can "
                         "add any new scores.  REMEMBER: the last 20 complete scores are used to "
                         "calculate the index."}));
  EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kWarning);
  EXPECT_EQ(entry->Ui().GolferName->text(), "Bea Best");
  ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(FileOf("BEABEST.fwp").Count(), 6);
  EXPECT_EQ(folder.Read("CYHIGH.fwp"), Rounds(200));

  // Refused when it comes back: the file reached 200 rounds meanwhile.
  messages.clear();
  group->Ui().GolferListBox->setCurrentRow(0);  // Al Able
  Click(group->Ui().AddAScoreButton);
  ASSERT_TRUE(entry->isVisible());
  folder.Write("ALABLE.fwp", Rounds(200));
  ConfirmRound(entry, "Oak Hills", "90");
  EXPECT_EQ(MessageTexts(), kRoundOverTheLimit);
  EXPECT_EQ(folder.Read("ALABLE.fwp"), Rounds(200));
}

TEST_F(GroupTest, GolferListAndGroupWindowNeverTakeEachOthersRounds) {
  QPointer<TGPickForm> pick = OpenGolferList();
  Click(pick->Ui().AddGroupButton);
  std::vector<TGroupOfScoresForm*> groups = OpenWindows<TGroupOfScoresForm>();
  ASSERT_EQ(groups.size(), 1u);
  QPointer<TGroupOfScoresForm> group = groups[0];
  EXPECT_EQ(group->Opener(), pick.data());
  EXPECT_TRUE(group->testAttribute(Qt::WA_DeleteOnClose));

  // The group window starts a round for Al, then Add a Score in the golfer
  // list takes the score entry window over for Bea.
  group->Ui().GolferListBox->setCurrentRow(0);
  Click(group->Ui().AddAScoreButton);
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().AddAScoreButton);
  EXPECT_EQ(entry->Opener(), pick.data());
  EXPECT_EQ(entry->Ui().GolferName->text(), "Bea Best");
  Type("Oak Hills", "85");
  // Confirmed, and the group window becomes active first.
  entry->Ui().OkPressed->setText("1");
  group->FormActivate();
  EXPECT_EQ(entry->Ui().OkPressed->text(), "1");
  EXPECT_EQ(FileOf("ALABLE.fwp").Count(), 5);
  Click(entry->Ui().OKButton);
  EXPECT_EQ(Added("BEABEST.fwp"), "20020110 Oak Hills 85 85  9.6 10");
  group->FormActivate();
  EXPECT_EQ(FileOf("ALABLE.fwp").Count(), 5);

  // The other way round: the golfer list has a round pending for Bea when
  // the group window takes the entry for Cy, and becomes active first.
  Click(pick->Ui().AddAScoreButton);
  group->Ui().GolferListBox->setCurrentRow(2);
  Click(group->Ui().AddAScoreButton);
  EXPECT_EQ(entry->Opener(), group.data());
  Type("Oak Hills", "101");
  entry->Ui().OkPressed->setText("1");
  pick->FormActivate();
  EXPECT_EQ(FileOf("BEABEST.fwp").Count(), 6);
  Click(entry->Ui().OKButton);
  EXPECT_EQ(Added("CYHIGH.fwp"), "20020110 Oak Hills 101 101 36.4 39");
  pick->FormActivate();
  EXPECT_EQ(FileOf("BEABEST.fwp").Count(), 6);
  EXPECT_EQ(FileOf("ALABLE.fwp").Count(), 5);
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();
}

TEST_F(GroupTest, ClosingTheGroupWindowIsLikeExitButItsRoundIsStillStored) {
  const std::string bea = folder.Read("BEABEST.fwp");
  // The golfer list has a round pending for Bea; the group window takes the
  // entry for Al and is closed by its close box.
  QPointer<TGPickForm> pick = OpenGolferList();
  pick->Ui().GolferListBox->setCurrentRow(1);
  Click(pick->Ui().AddAScoreButton);
  Trigger(pick, "AddaGroupofScores1");
  ASSERT_EQ(OpenWindows<TGroupOfScoresForm>().size(), 1u);
  QPointer<TGroupOfScoresForm> group = OpenWindows<TGroupOfScoresForm>()[0];
  group->Ui().GolferListBox->setCurrentRow(0);
  Click(group->Ui().AddAScoreButton);
  group->close();
  QApplication::processEvents();
  EXPECT_TRUE(group.isNull());
  ASSERT_TRUE(entry->isVisible());
  // The round typed for Al is not lost with the window: it is stored for him.
  ConfirmRound(entry, "Oak Hills", "90");
  pick->FormActivate();
  EXPECT_EQ(FileOf("ALABLE.fwp").Count(), 6);
  EXPECT_EQ(folder.Read("BEABEST.fwp"), bea);

  // Nor with a group window kept after closing.
  QPointer<TGroupOfScoresForm> kept = Open(false);
  kept->Ui().GolferListBox->setCurrentRow(0);
  Click(kept->Ui().AddAScoreButton);
  kept->close();
  ConfirmRound(entry, "Oak Hills", "90");
  kept->FormActivate();
  EXPECT_EQ(FileOf("ALABLE.fwp").Count(), 7);

  EXPECT_EQ(kept->GroupMode, TGroupOfScoresForm::Mode::kNone);
  EXPECT_TRUE(messages.empty()) << MessageTexts().join("|").toStdString();
}

}  // namespace
}  // namespace fwtest
