#include "scores/fwscore.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QToolTip>
#include <filesystem>
#include <functional>
#include <tuple>

#include "app/fwabout.h"
#include "courses/fwcourse.h"
#include "scores/roundstore.h"
#include "support/fsizelimit.h"
#include "support/uitest.h"
#include "ui/fwcodec.h"

namespace fwtest {
namespace {

using fw::ui::App;

// Out of name order on purpose: the window lists them sorted.
constexpr const char* kCedar = "CEDAR RIDGE~72.9~134~72~5~4~4~3~4~4~5~3~4~4~4~3~5~4~4~4~3~5~\r\n";
constexpr const char* kBriar = "BRIAR CREEK~71.4~127~72~4~4~3~5~4~4~4~3~5~4~5~4~3~4~4~3~5~4~\r\n";
constexpr const char* kAshford =
    "ASHFORD MEADOWS~69.8~118~72~4~5~3~4~4~4~3~5~4~4~4~3~5~4~4~3~4~5~\r\n";

class ScoreFormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    folder.Write("courses.fwc", std::string(kCedar) + kBriar + kAshford);
  }

  // The window as start-up makes it, with the course edit dialog beside it.
  void Make() {
    TCourseForm::SetInstance(new TCourseForm);
    form = new TScoreForm;
    TScoreForm::SetInstance(form);
  }

  void Pick(const char* course) {
    const int i = form->Ui().CourseField->findText(QString::fromLatin1(course));
    form->Ui().CourseField->setCurrentIndex(i);
    emit form->Ui().CourseField->activated(i);
  }

  static void Key(QWidget* field, Qt::Key key, char text = 0) {
    if (text)
      QTest::keyClick(field, text);
    else
      QTest::keyClick(field, key);
    QApplication::processEvents();
  }

  static QString FocusName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
  }

  // The window made and shown for a new round of John Smith, index 12.4.
  void MakeShown() {
    Make();
    form->PrepareNewRound(QStringLiteral("John Smith"), QStringLiteral("12.4"));
    ShowActive(form);
  }

  // OK or Save/Exit was refused with this one message and the focus on the
  // field to mend; the messages are cleared for the next step.
  void ExpectRefused(const QString& error, const char* field) {
    EXPECT_EQ(MessageTexts(), QStringList{error});
    EXPECT_EQ(FocusName(), QString::fromLatin1(field));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("0"));
    messages.clear();
  }

  std::string Line(const fw::TScoreRec& round) {
    fw::ScoreTable table;
    table.Append(round);
    return fw::FormatScoreFile(table);
  }

  TScoreForm* form = nullptr;
};

TEST_F(ScoreFormTest, CreationRenamesTheSampleAndListsTheCoursesByName) {
  std::filesystem::remove(folder.Path() / "courses.fwc");
  folder.Write("sample.fwc", std::string(kCedar) + kBriar);
  Make();
  EXPECT_TRUE(folder.Has("courses.fwc"));
  EXPECT_FALSE(folder.Has("sample.fwc"));
  ASSERT_EQ(form->Ui().CourseField->count(), 2);
  EXPECT_EQ(form->Ui().CourseField->itemText(0), QStringLiteral("BRIAR CREEK"));
  EXPECT_EQ(form->Ui().CourseField->currentIndex(), -1);
  EXPECT_EQ(form->Ui().DateField->text(), QStringLiteral("01/10/2002"));
  EXPECT_EQ(form->Ui().Score[18]->text(), QStringLiteral("0"));
  EXPECT_EQ(form->Ui().RatingField->text(), QStringLiteral("0.0"));
  EXPECT_EQ(form->Ui().IndexField->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Find<QAction>(form, "SaveExit1")->text(), QStringLiteral("&Save/Exit"));
  EXPECT_EQ(Find<QAction>(form, "EditCourses1")->text(), QStringLiteral("&Add A Course"));

  std::filesystem::remove(folder.Path() / "courses.fwc");
  TScoreForm second;
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Error renaming sample courses file!")});
}

TEST_F(ScoreFormTest, TabAndEnterMoveAsTheTableSaysAndSkipPutts) {
  MakeShown();
  form->Ui().Score[1]->setText(QStringLiteral("4"));  // a 0 there jumps to the total
  Focus(form->Ui().CourseField);
  QStringList walk;
  for (int i = 0; i < 43; ++i) {
    Key(QApplication::focusWidget(), Qt::Key_Tab);
    walk << FocusName();
  }
  EXPECT_EQ(walk.mid(0, 5),
            (QStringList{"DateField", "SkipPuttsChkBox", "Score1", "Putts1", "Score2"}));
  EXPECT_EQ(walk.mid(37, 6), (QStringList{"Putts18", "OKButton", "CancelButton", "AddCourseButton",
                                          "CommentField", "CourseField"}));

  auto enterFrom = [this](QWidget* field) {
    Focus(field);
    Key(field, Qt::Key_Return);
    return FocusName();
  };
  EXPECT_EQ(enterFrom(form->Ui().CourseField), QStringLiteral("DateField"));
  EXPECT_EQ(enterFrom(form->Ui().DateField), QStringLiteral("SkipPuttsChkBox"));
  EXPECT_EQ(enterFrom(form->Ui().SkipPuttsChkBox), QStringLiteral("Score1"));
  EXPECT_EQ(enterFrom(form->Ui().Score[1]), QStringLiteral("Putts1"));
  EXPECT_EQ(enterFrom(form->Ui().Putts[1]), QStringLiteral("Score2"));
  EXPECT_EQ(enterFrom(form->Ui().Score[18]), QStringLiteral("Putts18"));
  EXPECT_EQ(enterFrom(form->Ui().Putts[18]), QStringLiteral("OKButton"));
  EXPECT_EQ(enterFrom(form->Ui().ScoreTotal), QStringLiteral("OKButton"));

  // Skipping putts: Tab and Enter go from score to score.
  Focus(form->Ui().SkipPuttsChkBox);
  Key(form->Ui().SkipPuttsChkBox, Qt::Key_Space);
  EXPECT_TRUE(form->Ui().SkipPuttsChkBox->isChecked());
  Focus(form->Ui().Score[5]);
  Key(form->Ui().Score[5], Qt::Key_Tab);
  EXPECT_EQ(FocusName(), QStringLiteral("Score6"));
  EXPECT_EQ(enterFrom(form->Ui().Score[9]), QStringLiteral("Score10"));
  EXPECT_EQ(enterFrom(form->Ui().Score[18]), QStringLiteral("OKButton"));
  EXPECT_EQ(form->Ui().Putts[3]->focusPolicy(), Qt::ClickFocus);
}

TEST_F(ScoreFormTest, ARoundTypedWithTheKeyboardOnly) {
  MakeShown();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Enter Score - John Smith"));
  ASSERT_EQ(FocusName(), QStringLiteral("CourseField"));
  Key(form->Ui().CourseField, Qt::Key_Down);  // ASHFORD MEADOWS
  Key(form->Ui().CourseField, Qt::Key_Down);  // BRIAR CREEK: index 12.4 at slope 127 gives 14
  EXPECT_EQ(form->Ui().CourseHandicapField->text(), QStringLiteral("14"));
  EXPECT_EQ(form->Ui().ParOut->text(), QStringLiteral("36"));
  Key(form->Ui().CourseField, Qt::Key_Return);
  QTest::keyClicks(form->Ui().DateField, QStringLiteral("1/9/02"));
  Key(form->Ui().DateField, Qt::Key_Return);
  EXPECT_EQ(form->Ui().DateField->text(), QStringLiteral("01/09/2002"));
  Key(form->Ui().SkipPuttsChkBox, Qt::Key_Return);

  const int scores[18] = {5, 4, 3, 6, 5, 4, 8, 3, 6, 5, 5, 9, 4, 4, 5, 3, 6, 5};
  for (int hole = 1; hole <= 18; ++hole) {
    ASSERT_EQ(FocusName(), QStringLiteral("Score%1").arg(hole));
    QTest::keyClicks(QApplication::focusWidget(), QString::number(scores[hole - 1]));
    Key(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(),
                     hole == 3 ? QStringLiteral("1") : QStringLiteral("2"));
    Key(QApplication::focusWidget(), Qt::Key_Return);
    if (hole == 9) {
      EXPECT_EQ(form->Ui().ScoreTotal->text(), QStringLiteral("44"));
    }
  }
  form->Ui().CommentField->setFocus();
  QTest::keyClicks(form->Ui().CommentField, QStringLiteral("Windy~"));
  Key(form->Ui().CommentField, Qt::Key_Return);  // a line break the file cannot hold: a blank
  QTest::keyClicks(form->Ui().CommentField, QStringLiteral("day"));
  Key(form->Ui().CommentField, Qt::Key_Return);
  Focus(form->Ui().OKButton);
  Key(form->Ui().OKButton, Qt::Key_Return);

  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Ui().ScoreOut->text(), QStringLiteral("44"));
  EXPECT_EQ(form->Ui().ScoreIn->text(), QStringLiteral("46"));
  EXPECT_EQ(form->Ui().PuttsTotal->text(), QStringLiteral("35"));
  EXPECT_EQ(form->Ui().AdjScore->text(), QStringLiteral("87"));  // 8 and 9 counted as 7
  EXPECT_EQ(form->Ui().ScoreDiff->text(), QStringLiteral("13.9"));
  EXPECT_EQ(Line(form->Round()),
            "20020109~BRIAR CREEK~90~71.4~127~Windy day~5~4~3~6~5~4~8~3~6~5~5~9~4~4~5~3~6~5~"
            "2~2~1~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~87~12.4~14~\r\n");
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScoreFormTest, TotalOnlyRoundsAndEquitableStrokeControl) {
  Make();
  form->PrepareNewRound(QStringLiteral("Mary"), QStringLiteral(" 9.7"));
  ShowActive(form);
  Pick("CEDAR RIDGE");  // 9.7 x 134 / 113 = 11.5: course handicap 12, at most 7 a hole
  EXPECT_EQ(form->Ui().CourseHandicapField->text(), QStringLiteral("12"));

  Focus(form->Ui().Score[1]);
  Focus(form->Ui().Putts[1]);  // leaving hole 1 at 0 goes to the total
  EXPECT_EQ(FocusName(), QStringLiteral("ScoreTotal"));
  QTest::keyClicks(form->Ui().ScoreTotal, QStringLiteral("90"));
  Key(form->Ui().ScoreTotal, Qt::Key_Tab);
  EXPECT_EQ(form->Ui().AdjScore->text(), QStringLiteral("90"));
  EXPECT_EQ(form->Ui().ScoreDiff->text(), QStringLiteral("14.4"));
  EXPECT_EQ(Line(form->Round()),
            "20020110~CEDAR RIDGE~90~72.9~134~~0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~"
            "0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~0~90~ 9.7~12~\r\n");

  TypeAndLeave(form->Ui().Score[7], QStringLiteral("8"));
  TypeAndLeave(form->Ui().Score[12], QStringLiteral("9"));
  EXPECT_EQ(form->Ui().ScoreTotal->text(), QStringLiteral("17"));
  TypeAndLeave(form->Ui().ScoreTotal, QStringLiteral("95"));  // the typed total loses 1 + 2
  EXPECT_EQ(form->Ui().AdjScore->text(), QStringLiteral("92"));

  // No index: course handicap 0, double bogey on each hole's par. The round
  // typed so far is not thrown away unasked.
  Answer(fw::ui::MsgAnswer::kYes);
  form->PrepareNewRound(QStringLiteral("Pat"), QString());
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Discard this round?")});
  messages.clear();

  EXPECT_EQ(form->windowTitle(), QStringLiteral("Enter Score - Pat"));
  EXPECT_EQ(form->Ui().Score[7]->text(), QStringLiteral("0"));
  TypeAndLeave(form->Ui().Score[3], QStringLiteral("7"));  // no course: no par, no reduction
  EXPECT_EQ(form->Ui().AdjScore->text(), QStringLiteral("7"));
  Pick("ASHFORD MEADOWS");
  EXPECT_EQ(form->Ui().CourseHandicapField->text(), QStringLiteral("0"));
  TypeAndLeave(form->Ui().Score[3], QStringLiteral("7"));  // par 3: counted as 5
  EXPECT_EQ(form->Ui().AdjScore->text(), QStringLiteral("5"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScoreFormTest, UnderWhsNetDoubleBogeyCapsEachHole) {
  // CEDAR RIDGE has stroke indexes, hole n having n; ASHFORD MEADOWS has none.
  std::string holes = "CEDAR RIDGE~";
  for (int n = 1; n <= 18; ++n) holes += std::to_string(n) + "~";
  folder.Write("holes.fwc", holes + "\r\n");
  App().Rules = fw::HandicapRules::kWhs;
  Make();
  struct Case {
    const char* index;
    const char* course;
    const char* handicap;
    const char* score17;
    const char* adjusted;
  };
  const Case cases[] = {
      // 12.4 x 134 / 113 + (72.9 - 72) = 15.6: 16 strokes, none on stroke
      // index 17: par 3 + 2.
      {"12.4", "CEDAR RIDGE", "16", "8", "5"},
      // 12.4 x 118 / 113 + (69.8 - 72) = 10.7: 11, and without stroke indexes
      // par 4 + 2 + 1 on every hole.
      {"12.4", "ASHFORD MEADOWS", "11", "8", "7"},
      // No index: par 3 + 5.
      {"  NH", "CEDAR RIDGE", "NH", "9", "8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.course + std::string(" ") + c.index);
    form->PrepareNewRound(QStringLiteral("Mary"), QString::fromLatin1(c.index));
    Pick(c.course);
    EXPECT_EQ(form->Ui().CourseHandicapField->text(), QString::fromLatin1(c.handicap));
    form->Ui().Score[17]->setText(QString::fromLatin1(c.score17));
    form->ScoreExit(17);
    EXPECT_EQ(form->Ui().AdjScore->text(), QString::fromLatin1(c.adjusted));
  }
  // The score file holds numbers only: nothing entered for the index and the
  // course handicap of a golfer who had none.
  EXPECT_EQ(form->Round().IndexAtEntry, "0");
  EXPECT_EQ(form->Round().CourseHdcp, "0");
}

TEST_F(ScoreFormTest, PlusMinusAndBadNumbers) {
  MakeShown();
  form->Ui().Score[4]->clear();
  Focus(form->Ui().Score[4]);
  Key(form->Ui().Score[4], Qt::Key_Minus, '-');
  EXPECT_EQ(form->Ui().Score[4]->text(), QStringLiteral("0"));  // "-" stops at 0
  for (char key : {'+', '=', '_'}) Key(form->Ui().Score[4], Qt::Key_unknown, key);
  EXPECT_EQ(form->Ui().Score[4]->text(), QStringLiteral("1"));
  Key(form->Ui().Score[4], Qt::Key_unknown, '+');
  EXPECT_EQ(form->Ui().ScoreOut->text(), QStringLiteral("0"));  // nothing follows until left
  Key(form->Ui().PuttsTotal, Qt::Key_unknown, '+');
  EXPECT_EQ(form->Ui().PuttsTotal->text(), QStringLiteral("1"));

  Focus(form->Ui().Score[2]);
  QTest::keyClicks(form->Ui().Score[2], QStringLiteral("x"));  // letters are refused
  EXPECT_EQ(form->Ui().Score[2]->text(), QStringLiteral("0"));
  // A hole holds two digits, as in the score file; "+" stops there too.
  Focus(form->Ui().Score[5]);
  form->Ui().Score[5]->selectAll();
  QTest::keyClicks(form->Ui().Score[5], QStringLiteral("123"));
  EXPECT_EQ(form->Ui().Score[5]->text(), QStringLiteral("12"));
  form->Ui().Score[5]->setText(QStringLiteral("99"));
  Key(form->Ui().Score[5], Qt::Key_unknown, '+');
  EXPECT_EQ(form->Ui().Score[5]->text(), QStringLiteral("99"));
  form->Ui().Score[5]->setText(QStringLiteral("0"));
  Focus(form->Ui().Score[2]);
  form->Ui().Score[2]->setText(QStringLiteral("0x"));  // as a stored round may hold
  Focus(form->Ui().Putts[2]);
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("'0x' is not a valid integer value")});
  EXPECT_TRUE(form->isVisible());
  TypeAndLeave(form->Ui().Score[2], QStringLiteral("3"));
  EXPECT_EQ(form->Ui().ScoreTotal->text(), QStringLiteral("5"));
}

TEST_F(ScoreFormTest, TypedDatesAreReadOnLeavingAndMovedByKeysInTheOrderOfTheSettings) {
  Make();
  ShowActive(form);
  for (const auto& [text, shown] :
       {std::pair{"1.5.81", "01/05/1981"}, {"1/5/200211", "1/5/200211"}}) {
    TypeAndLeave(form->Ui().DateField, QString::fromLatin1(text));
    EXPECT_EQ(form->Ui().DateField->text(), QString::fromLatin1(shown)) << text;
  }
  const std::tuple<const char*, char, const char*> keys[] = {{"02/28/2004", '+', "02/29/2004"},
                                                             {"02/28/2003", '=', "03/01/2003"},
                                                             {"03/01/1900", '-', "02/29/1900"},
                                                             {"1/5/02", '_', "01/04/2002"},
                                                             {"1/5", '+', "1/5"}};
  for (const auto& [text, key, shown] : keys) {
    form->Ui().DateField->setText(QString::fromLatin1(text));
    Focus(form->Ui().DateField);
    Key(form->Ui().DateField, Qt::Key_unknown, key);
    EXPECT_EQ(form->Ui().DateField->text(), QString::fromLatin1(shown)) << text << key;
  }

  Answer(fw::ui::MsgAnswer::kYes);  // the dates typed so far are thrown away
  form->close();

  // The other orders of the settings; mm/dd/yyyy, as ever, is the other
  // tests' order.
  struct Case {
    fw::DateOrder order;
    const char *missing, *today, *typed, *read, *earlier, *bad;
  };
  for (const Case& c : {Case{fw::DateOrder::kDayMonthYear, "99/99/9999", "10/01/2002", "1.3.04",
                             "01/03/2004", "29/02/2004", "30/02/2004"},
                        Case{fw::DateOrder::kYearMonthDay, "9999-99-99", "2002-01-10", "04-3-1",
                             "2004-03-01", "2004-02-29", "2004-02-30"}}) {
    App().Order = c.order;
    form->PrepareStoredRound("John Smith", "12.4", fw::InitScoreRec());
    EXPECT_EQ(form->Ui().DateField->text(), c.missing);
    form->PrepareNewRound("John Smith", "12.4");
    ShowActive(form);
    EXPECT_EQ(form->Ui().DateField->text(), c.today);
    TypeAndLeave(form->Ui().DateField, c.typed);
    EXPECT_EQ(form->Ui().DateField->text(), c.read);
    Focus(form->Ui().DateField);
    Key(form->Ui().DateField, Qt::Key_unknown, '-');
    EXPECT_EQ(form->Ui().DateField->text(), c.earlier);
    EXPECT_EQ(form->Round().Date, "20040229");
    Key(form->Ui().DateField, Qt::Key_unknown, '+');
    EXPECT_EQ(form->Ui().DateField->text(), c.read);
    TypeAndLeave(form->Ui().DateField, c.bad);
    Trigger(form, "SaveExit1");
    EXPECT_EQ(MessageTexts().last(), c.bad + QStringLiteral(" is not a valid date."));
    Answer(fw::ui::MsgAnswer::kYes);
    form->close();
  }
  // The date on show is read in its own order; the next round shows it in the
  // order of the settings now.
  App().Order = fw::DateOrder::kDayMonthYear;
  EXPECT_EQ(form->Round().Date, "20040230");
  form->PrepareNextGroupRound("Sue Brown", "9.0", form->Ui().DateField->text(), QString());
  EXPECT_EQ(form->Ui().DateField->text(), "30/02/2004");
}

TEST_F(ScoreFormTest, LeavingTheWindowSetsTheMarkerButDropsNoTypedRoundUnasked) {
  MakeShown();
  Click(form->Ui().OKButton);
  ExpectRefused(QStringLiteral("You must pick a course."), "CourseField");
  // Enter on a button presses it once: OK asks a single time.
  Focus(form->Ui().OKButton);
  Key(form->Ui().OKButton, Qt::Key_Return);
  ExpectRefused(QStringLiteral("You must pick a course."), "CourseField");

  // Save/Exit needs no course, and finishes the field being typed in.
  form->Ui().Score[2]->clear();
  Focus(form->Ui().Score[2]);
  QTest::keyClicks(form->Ui().Score[2], QStringLiteral("7"));
  Answer(fw::ui::MsgAnswer::kYes);  // the other holes are still 0
  Trigger(form, "SaveExit1");
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Ui().ScoreTotal->text(), QStringLiteral("7"));
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->Round().CourseName, "");
  ShowActive(form);
  form->close();  // the frame's close box leaves the marker as it was
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));

  // Every other way out clears it; with nothing typed nothing is asked.
  const std::function<void()> ways[] = {[this] {
                                          Focus(form->Ui().Score[3]);
                                          Key(form->Ui().Score[3], Qt::Key_Escape);
                                        },
                                        [this] { Click(form->Ui().CancelButton); },
                                        [this] {
                                          Focus(form->Ui().CommentField);
                                          Key(form->Ui().CommentField, Qt::Key_Escape);
                                        },
                                        [this] {
                                          Focus(form->Ui().CancelButton);
                                          Key(form->Ui().CancelButton, Qt::Key_Enter);
                                        },
                                        [this] { Trigger(form, "Exit1"); }};
  messages.clear();
  for (const auto& leave : ways) {
    ShowActive(form);
    form->Ui().OkPressed->setText(QStringLiteral("1"));
    leave();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("0"));
  }
  EXPECT_TRUE(messages.empty());

  // Typed work: Escape in the open course list only closes the list.
  ShowActive(form);
  TypeAndLeave(form->Ui().Score[1], QStringLiteral("5"));
  form->Ui().CourseField->showPopup();
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(messages.empty());
  // Escape, Cancel and the close box ask; No keeps the round. (Offscreen, the
  // closed list hands activation back to nobody.)
  ShowActive(form);
  for (const auto& leave : {ways[0], ways[1], std::function<void()>([this] { form->close(); })}) {
    Answer(fw::ui::MsgAnswer::kNo);
    leave();
    EXPECT_TRUE(form->isVisible());
  }
  EXPECT_EQ(MessageTexts(), QStringList(3, QStringLiteral("Discard this round?")));
  Answer(fw::ui::MsgAnswer::kYes);
  Click(form->Ui().CancelButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("0"));
}

TEST_F(ScoreFormTest, StoredRoundsComeBackAsTheyWere) {
  Make();
  fw::TScoreRec round = fw::InitScoreRec();
  round.Date = "20011230";
  round.CourseName = "briar creek";
  round.TotalScore = "88";
  round.Rating = "";
  round.Slope = "127";
  round.Comment = "Rain";
  round.HoleScores.fill("5");
  round.HoleScores[17] = "3";
  round.HolePutts.fill("2");
  round.AdjustedScore = "88";
  round.IndexAtEntry = "0";
  round.CourseHdcp = "12";
  form->PrepareStoredRound(QStringLiteral("John Smith"), QStringLiteral("14.0"), round);
  EXPECT_EQ(form->Ui().RatingField->text(), QStringLiteral("0.0"));
  ShowActive(form);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(form->Ui().CourseField->currentText(), QStringLiteral("BRIAR CREEK"));
  EXPECT_EQ(form->Ui().RatingField->text(), QStringLiteral("71.4"));
  EXPECT_EQ(form->Ui().IndexField->text(), QStringLiteral("14.0"));
  EXPECT_EQ(form->Ui().CourseHandicapField->text(), QStringLiteral("12"));  // kept, not recomputed
  EXPECT_EQ(form->Ui().ScoreIn->text(), QStringLiteral("43"));
  EXPECT_EQ(form->Ui().PuttsTotal->text(), QStringLiteral("36"));
  EXPECT_EQ(form->Ui().ScoreDiff->text(), QStringLiteral("14.8"));
  fw::TScoreRec back = form->Round();
  EXPECT_EQ(back.CourseName, "BRIAR CREEK");
  EXPECT_EQ(back.HoleScores, round.HoleScores);
  EXPECT_EQ(back.Date, "20011230");

  // A course no longer in the list: told, and the round keeps its name.
  round.CourseName = "OLD LINKS";
  round.IndexAtEntry = "11.2";
  form->PrepareStoredRound(QStringLiteral("Mary"), QStringLiteral("14.0"), round);
  form->RunFormActivate();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Enter Score - Mary"));
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("ERROR: Course not found in list??")});
  EXPECT_EQ(form->Ui().IndexField->text(), QStringLiteral("11.2"));
  EXPECT_EQ(form->Round().CourseName, "OLD LINKS");

  // A round stored without a course keeps its scores; OK asks for a course.
  round.CourseName = "";
  form->PrepareStoredRound(QStringLiteral("Mary"), QStringLiteral("14.0"), round);
  EXPECT_EQ(form->Ui().Score[18]->text(), QStringLiteral("3"));
  EXPECT_EQ(form->Ui().CommentField->toPlainText(), QStringLiteral("Rain"));
  EXPECT_EQ(form->Ui().CoursePicked->text(), QStringLiteral("0"));
  EXPECT_EQ(form->Ui().CourseField->currentIndex(), -1);
}

TEST_F(ScoreFormTest, CommentsHoldOneLineOfWhatTheFilesCanStore) {
  Make();
  ShowActive(form);
  form->Ui().CommentField->setFocus();
  // What is left out is named at the field, never dropped without a word.
  const QString tilde =
      QStringLiteral("\"~\" cannot be used: Fairwick's files use it to separate their fields.");
  QTest::keyClicks(form->Ui().CommentField, QStringLiteral("Nice~ "));
  EXPECT_EQ(QToolTip::text(), tilde);
  Key(form->Ui().CommentField, Qt::Key_Return);
  TypeText(form->Ui().CommentField, QStringLiteral("Zoë Ŧ€"));
  EXPECT_EQ(form->Ui().CommentField->toPlainText(), QStringLiteral("Nice Zoë €"));
  EXPECT_EQ(QToolTip::text(), QStringLiteral("\"Ŧ\" cannot be stored: Fairwick's files hold only "
                                             "Windows-1252 characters."));
  form->Ui().CommentField->insertPlainText(QStringLiteral("\na~b\tc"));
  EXPECT_EQ(form->Ui().CommentField->toPlainText(), QStringLiteral("Nice Zoë € ab c"));
  EXPECT_EQ(QToolTip::text(), tilde);
  form->Ui().CommentField->insertPlainText(QString(100, QLatin1Char('x')));
  EXPECT_EQ(form->Ui().CommentField->toPlainText().size(), 100);
  EXPECT_EQ(QToolTip::text(),
            QStringLiteral("A comment holds at most 100 characters; the rest was cut off."));
  EXPECT_TRUE(
      form->Ui().CommentField->toPlainText().startsWith(QStringLiteral("Nice Zoë € ab cx")));
  EXPECT_EQ(form->Round().Comment.substr(0, 13), "Nice Zo\xEB \x80 ab");
}

TEST_F(ScoreFormTest, NumbersThatCannotBeReadAreRefusedOnEveryWayOfStoring) {
  Make();
  // A stored round may hold anything; the first bad field in tab order is
  // putts of hole 2, before the score of hole 5.
  fw::TScoreRec round = fw::InitScoreRec();
  round.Date = "20011230";
  round.CourseName = "BRIAR CREEK";
  round.TotalScore = "72";
  round.HoleScores.fill("4");
  round.HoleScores[4] = "y";
  round.HolePutts.fill("2");
  round.HolePutts[1] = "2x";
  round.CourseHdcp = "14";
  form->PrepareStoredRound(QStringLiteral("John Smith"), QStringLiteral("12.4"), round);
  ShowActive(form);
  messages.clear();  // the sums could not be formed on showing
  Click(form->Ui().OKButton);
  ExpectRefused(QStringLiteral("'2x' is not a valid integer value"), "Putts2");
  TypeAndLeave(form->Ui().Putts[2], QStringLiteral("2"));
  messages.clear();
  Trigger(form, "SaveExit1");  // leaving hole 3 fails on hole 5 too: named once
  ExpectRefused(QStringLiteral("'y' is not a valid integer value"), "Score5");

  TypeAndLeave(form->Ui().Score[5], QStringLiteral("5"));
  TypeAndLeave(form->Ui().ScoreTotal, QStringLiteral("99999999999"));
  messages.clear();
  Click(form->Ui().OKButton);
  ExpectRefused(QStringLiteral("'99999999999' is not a valid integer value"), "ScoreTotal");
  TypeAndLeave(form->Ui().ScoreTotal, QStringLiteral("73"));
  messages.clear();
  Click(form->Ui().OKButton);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Round().HoleScores[4], "5");
  EXPECT_EQ(form->Round().TotalScore, "73");
}

TEST_F(ScoreFormTest, PartlyEnteredRoundsAreAskedAbout) {
  MakeShown();
  Pick("BRIAR CREEK");
  for (int hole = 1; hole <= 18; ++hole)
    if (hole != 2 && hole != 7) TypeAndLeave(form->Ui().Score[hole], QStringLiteral("4"));
  Answer(fw::ui::MsgAnswer::kNo);
  Click(form->Ui().OKButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QStringLiteral("Holes 2, 7 have no score. Store this round anyway?"));
  EXPECT_EQ(messages[0].buttons, fw::ui::MsgButtons::kYesNo);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("0"));
  EXPECT_EQ(FocusName(), QStringLiteral("Score2"));
  EXPECT_EQ(form->Ui().ScoreTotal->text(), QStringLiteral("64"));

  TypeAndLeave(form->Ui().Score[2], QStringLiteral("5"));
  Answer(fw::ui::MsgAnswer::kNo);
  Trigger(form, "SaveExit1");
  EXPECT_EQ(MessageTexts().value(1),
            QStringLiteral("Hole 7 has no score. Store this round anyway?"));
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("0"));
  Answer(fw::ui::MsgAnswer::kYes);
  Click(form->Ui().OKButton);
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Round().HoleScores[6], "0");
  EXPECT_EQ(form->Round().TotalScore, "69");

  // A round entered as a total only is not asked about.
  form->PrepareNewRound(QStringLiteral("John Smith"), QStringLiteral("12.4"));
  form->Ui().OkPressed->setText(QStringLiteral("0"));
  ShowActive(form);
  Pick("BRIAR CREEK");
  Focus(form->Ui().Score[1]);
  Focus(form->Ui().Putts[1]);
  QTest::keyClicks(form->Ui().ScoreTotal, QStringLiteral("90"));
  Click(form->Ui().OKButton);
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Round().TotalScore, "90");
}

TEST_F(ScoreFormTest, OnlyCalendarDatesAreStored) {
  MakeShown();
  Pick("BRIAR CREEK");
  TypeAndLeave(form->Ui().Score[3], QStringLiteral("4"));  // partly entered: the date comes first
  for (const char* typed :
       {"13/45/2026", "2/30/2026", "02/29/2025", "02/29/1900", "yesterday", "1/5"}) {
    SCOPED_TRACE(typed);
    TypeAndLeave(form->Ui().DateField, QString::fromLatin1(typed));
    const QString shown = form->Ui().DateField->text();  // read, and kept when it cannot be
    Click(form->Ui().OKButton);
    ExpectRefused(shown + QStringLiteral(" is not a valid date."), "DateField");
  }
  EXPECT_EQ(form->Ui().DateField->text(), QStringLiteral("1/5"));
  TypeAndLeave(form->Ui().DateField, QStringLiteral("13/45/26"));
  Trigger(form, "SaveExit1");
  ExpectRefused(QStringLiteral("13/45/2026 is not a valid date."), "DateField");

  TypeAndLeave(form->Ui().DateField, QStringLiteral("2/29/24"));
  Answer(fw::ui::MsgAnswer::kYes);
  Click(form->Ui().OKButton);
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Round().Date, "20240229");

  // A stored round without a date keeps having none.
  fw::TScoreRec round = fw::InitScoreRec();
  round.CourseName = "BRIAR CREEK";
  round.TotalScore = "88";
  round.CourseHdcp = "14";
  form->PrepareStoredRound(QStringLiteral("John Smith"), QStringLiteral("12.4"), round);
  form->Ui().OkPressed->setText(QStringLiteral("0"));
  ShowActive(form);
  EXPECT_EQ(form->Ui().DateField->text(), QStringLiteral("99/99/9999"));
  Click(form->Ui().OKButton);
  EXPECT_EQ(form->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Round().Date, "99999999");
}

TEST_F(ScoreFormTest, AddingACourseFromHere) {
  MakeShown();
  TCourseForm* dialog = TCourseForm::Instance();
  Pick("BRIAR CREEK");
  Click(form->Ui().AddCourseButton);
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->Opener(), form);
  EXPECT_TRUE(dialog->Ui().CourseName->text().isEmpty());
  fw::TCourseRec dune = fw::InitCourseRec();
  dune.Name = "DUNE VALLEY";
  dune.Rating = "70.2";
  dune.Slope = "121";
  dune.Pars.fill("4");
  dune.ParTotal = "72";
  dialog->SetCourse(dune);
  dialog->OKButtonClick();  // hides; this window becomes active again

  const std::string added = "DUNE VALLEY~70.2~121~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";
  EXPECT_EQ(folder.Read("courses.fwc"), std::string(kAshford) + kBriar + kCedar + added);
  EXPECT_EQ(form->Ui().CourseField->currentText(), QStringLiteral("DUNE VALLEY"));
  EXPECT_EQ(form->Ui().CoursePicked->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Ui().SlopeField->text(), QStringLiteral("121"));
  EXPECT_EQ(form->Ui().CourseHandicapField->text(), QStringLiteral("13"));  // 12.4 x 121 / 113
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
  form->RunFormActivate();
  EXPECT_EQ(form->Ui().CourseField->currentText(), QStringLiteral("DUNE VALLEY"));

  // A course confirmed for another window is not taken here.
  fw::ui::FwForm other;
  dialog->ClearCourse();
  dialog->ShowFor(&other);
  dune.Name = "ELM PARK";
  dialog->SetCourse(dune);
  dialog->OKButtonClick();
  form->RunFormActivate();
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(form->Ui().CourseField->count(), 4);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScoreFormTest, TheCourseLimitAndTheHelpMenu) {
  std::string full;
  for (int i = 0; i < fw::CourseTable::kLimit; ++i)
    full += "COURSE " + std::to_string(i) + "~70.0~113~72~\r\n";
  folder.Write("courses.fwc", full);
  Make();
  ShowActive(form);
  Click(form->Ui().AddCourseButton);
  Trigger(form, "EditCourses1");
  Trigger(form, "Help2");
  const QString limit = QStringLiteral(
      "You have reached the maximum allowed number of courses.  If possible, delete some courses "
      "that you do not use.  Then, you can enter more new ones.");
  EXPECT_EQ(MessageTexts(), (QStringList{limit, limit}));
  EXPECT_EQ(HelpShown(), QStringLiteral("score-entry"));
  for (const auto& shown : messages) EXPECT_EQ(shown.kind, fw::ui::MsgKind::kWarning);
  EXPECT_FALSE(TCourseForm::Instance()->isVisible());

  folder.Write("courses.fwc", full.substr(0, full.rfind("COURSE")));  // room for one more
  form->FormActivate();
  form->Ui().CourseName2->setText(QStringLiteral("BRIAR CREEK"));
  Trigger(form, "EditCourses1");
  EXPECT_TRUE(TCourseForm::Instance()->isVisible());
  EXPECT_EQ(form->Ui().CourseName2->text(), QStringLiteral("BRIAR CREEK"));
  TCourseForm::Instance()->hide();

  bool aboutShown = false;
  QTimer::singleShot(0, [&aboutShown] {
    aboutShown = qobject_cast<TAboutBox*>(QApplication::activeModalWidget()) != nullptr;
    if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
  });
  Trigger(form, "AboutFairwick1");
  EXPECT_TRUE(aboutShown);
}

TEST_F(ScoreFormTest, ARoundThatCannotBeStoredIsNotThrownAway) {
  Make();
  const fw::TGolferRec pat{"Pat Jones", "PJONES", 1};
  auto store = [&pat](const fw::TScoreRec& round) {
    return fw::ui::StoreConfirmedRound(pat, round);
  };
  form->PrepareNewRound(QStringLiteral("Pat Jones"), QStringLiteral("12.4"));
  form->ShowFor(nullptr, store);
  ASSERT_TRUE(WaitActive(form));
  Pick("BRIAR CREEK");
  TypeAndLeave(form->Ui().ScoreTotal, QStringLiteral("90"));

  // The golfer's file is gone (renamed meanwhile): the error, and the round stays.
  Click(form->Ui().OKButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            QStringLiteral("PJONES.fwp, the score file of Pat Jones, was not found: the golfer "
                           "may have been renamed or deleted meanwhile."));
  EXPECT_EQ(messages[0].informativeText,
            QStringLiteral("The round was not stored. It is still here: press OK again once the "
                           "cause is mended, or Cancel to drop it."));
  EXPECT_TRUE(form->isVisible());
  // A full disk: the same.
  folder.Write("PJONES.fwp", "");
  {
    FileSizeLimit full(16);
    Click(form->Ui().OKButton);
  }
  EXPECT_EQ(messages.back().text, QStringLiteral("PJONES.fwp was not saved: File too large. Your "
                                                 "changes are still here."));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(folder.Read("PJONES.fwp"), "");
  // The cause mended, OK stores it.
  Click(form->Ui().OKButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_NE(folder.Read("PJONES.fwp").find("~BRIAR CREEK~90~"), std::string::npos);
}

}  // namespace
}  // namespace fwtest
