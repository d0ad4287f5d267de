#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <optional>

#include "app/fwstartup.h"
#include "courses/fwcourse.h"
#include "support/uitest.h"
#include "ui/fwform.h"

namespace fwtest {
namespace {

using fw::ui::App;

// A window that opens the course dialog and counts how often it was handed back.
class Opener : public fw::ui::FwForm {
 public:
  void FormActivate() override { ++activations; }
  int activations = 0;
};

class CourseFormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    folder.Write("courses.fwc", "");
    fw::ui::CreateLongLivedWindows();
    dialog = TCourseForm::Instance();
    ASSERT_NE(dialog, nullptr);
    opener = new Opener;  // deleted with the other windows after the test
    ShowActive(opener);
  }

  // Opens the dialog on a stored course, or for a new one as course
  // maintenance's Add does.
  void Open(const std::optional<fw::TCourseRec>& course = {}) {
    if (course)
      dialog->SetCourse(*course);
    else
      dialog->ClearCourse();
    dialog->ShowFor(opener);
    ASSERT_TRUE(WaitActive(dialog));
  }

  static fw::TCourseRec Stored(std::string name, std::string pars, std::string total) {
    fw::TCourseRec course;
    course.Name = std::move(name);
    course.Rating = "70.5";
    course.Slope = "121";
    for (std::size_t i = 0; i < 18; ++i) course.Pars[i] = std::string(1, pars[i]);
    course.ParTotal = std::move(total);
    return course;
  }

  QString FocusName() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
  }

  Opener* opener = nullptr;
  TCourseForm* dialog = nullptr;
};

TEST_F(CourseFormTest, LooksAsDesigned) {
  Open();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Course Maintenance"));
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
  EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog->windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  QRect screen = dialog->screen()->geometry();
  EXPECT_EQ(dialog->x(), (screen.width() - dialog->frameGeometry().width()) / 2);

  QStringList labels;
  for (QLabel* label : dialog->findChildren<QLabel*>()) labels << label->text();
  for (const char* text : {"Course Name:", "Rating:", "Slope:", "Hole:", "Par:", "OUT", "IN",
                           "Total", "1", "9", "10", "18", "Stroke index"})
    EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
  EXPECT_EQ(dialog->Ui().OKButton->text(), QStringLiteral("OK"));
  EXPECT_EQ(dialog->Ui().CancelButton->text(), QStringLiteral("Cancel"));
  EXPECT_FALSE(dialog->Ui().OkPressed->isVisible());
  EXPECT_FALSE(dialog->Ui().OkPressed->isEnabled());
  EXPECT_EQ(dialog->Ui().ParTotal->maxLength(), 2);  // the others: what typing leaves, below
  EXPECT_EQ(FocusName(), QStringLiteral("CourseName"));
}

TEST_F(CourseFormTest, FieldsRefuseWhatTheCourseListCannotHold) {
  Open();
  Focus(dialog->Ui().CourseName);
  TypeText(dialog->Ui().CourseName, QStringLiteral("oak~ hillsŦ zoë"));
  EXPECT_EQ(dialog->Ui().CourseName->text(), QStringLiteral("OAK HILLS ZOË"));
  TypeText(dialog->Ui().CourseName, QString(30, QLatin1Char('x')));
  EXPECT_EQ(dialog->Ui().CourseName->text().size(), 30);
  Focus(dialog->Ui().RatingField);
  TypeText(dialog->Ui().RatingField, QStringLiteral("7~0.51"));
  EXPECT_EQ(dialog->Ui().RatingField->text(), QStringLiteral("70.5"));
  Focus(dialog->Ui().SlopeField);
  TypeText(dialog->Ui().SlopeField, QStringLiteral("1~215"));
  EXPECT_EQ(dialog->Ui().SlopeField->text(), QStringLiteral("121"));
  // A par is one digit.
  Focus(dialog->Ui().Par[2]);
  dialog->Ui().Par[2]->selectAll();
  TypeText(dialog->Ui().Par[2], QStringLiteral("a~-45"));
  EXPECT_EQ(dialog->Ui().Par[2]->text(), QStringLiteral("4"));

  fw::TCourseRec course = dialog->Course();
  EXPECT_EQ(course.Name, "OAK HILLS ZO\xCB" + std::string(17, 'X'));
  EXPECT_EQ(course.Rating, "70.5");
  EXPECT_EQ(course.Slope, "121");
  EXPECT_EQ(course.Pars[1], "4");
  EXPECT_EQ(course.ParTotal, "0");
}

TEST_F(CourseFormTest, TotalsFollowTheHolesAsTheyAreLeft) {
  Open();
  const char* front[] = {"4", "4", "3", "5", "4", "4", "3", "5", "4"};
  for (int hole = 1; hole <= 9; ++hole)
    TypeAndLeave(dialog->Ui().Par[hole], QString::fromLatin1(front[hole - 1]));
  EXPECT_EQ(dialog->Ui().ParOut->text(), QStringLiteral("36"));
  EXPECT_EQ(dialog->Ui().ParIn->text(), QStringLiteral("0"));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("36"));
  EXPECT_EQ(FocusName(), QStringLiteral("Par10"));  // OUT is passed by

  // A total typed after the holes stays until a hole is left again.
  TypeAndLeave(dialog->Ui().ParTotal, QStringLiteral("70"));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("70"));
  TypeAndLeave(dialog->Ui().Par[18], QStringLiteral("5"));
  EXPECT_EQ(dialog->Ui().ParIn->text(), QStringLiteral("5"));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("41"));

  // A cleared par becomes 0 again.
  Focus(dialog->Ui().Par[4]);
  dialog->Ui().Par[4]->clear();
  QTest::keyClick(dialog->Ui().Par[4], Qt::Key_Tab);
  EXPECT_EQ(dialog->Ui().Par[4]->text(), QStringLiteral("0"));
  EXPECT_EQ(dialog->Ui().ParOut->text(), QStringLiteral("31"));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("36"));
}

TEST_F(CourseFormTest, AParThatIsNotANumberLeavesTheSumsAsTheyWere) {
  // Such a par can only come from a course list edited by hand.
  Open(Stored("BAD PAR", "434544354434544354", "72"));
  dialog->Ui().Par[12]->setText(QStringLiteral("x"));
  TypeAndLeave(dialog->Ui().Par[1], QStringLiteral("5"));
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("'x' is not a valid integer value")});
  EXPECT_EQ(dialog->Ui().ParOut->text(), QStringLiteral("36"));
  EXPECT_EQ(dialog->Ui().ParIn->text(), QStringLiteral("36"));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("72"));
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CourseFormTest, FirstHoleLeftAtZeroGoesToTheTotalPar) {
  Open();
  TypeAndLeave(dialog->Ui().CourseName, QStringLiteral("Pine Lake"));
  TypeAndLeave(dialog->Ui().RatingField, QStringLiteral("68.2"));
  TypeAndLeave(dialog->Ui().SlopeField, QStringLiteral("113"));
  EXPECT_EQ(FocusName(), QStringLiteral("Par1"));
  QTest::keyClick(dialog->Ui().Par[1], Qt::Key_Tab);
  EXPECT_EQ(FocusName(), QStringLiteral("ParTotal"));
  EXPECT_EQ(dialog->Ui().ParTotal->selectedText(), QStringLiteral("0"));
  QTest::keyClicks(dialog->Ui().ParTotal, QStringLiteral("72"));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("72"));
  int before = opener->activations;
  Click(dialog->Ui().OKButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_GT(opener->activations, before);  // handed back
  fw::TCourseRec course = dialog->Course();
  EXPECT_EQ(course.Name, "PINE LAKE");
  EXPECT_EQ(course.ParTotal, "72");
  for (const auto& par : course.Pars) EXPECT_EQ(par, "0");

  // Going back to the slope is not entering the total.
  Open();
  Focus(dialog->Ui().Par[1]);
  QTest::keyClick(dialog->Ui().Par[1], Qt::Key_Backtab);
  EXPECT_EQ(FocusName(), QStringLiteral("SlopeField"));
  // A first hole with a par moves on to the second.
  TypeAndLeave(dialog->Ui().Par[1], QStringLiteral("4"));
  EXPECT_EQ(FocusName(), QStringLiteral("Par2"));
}

TEST_F(CourseFormTest, AStoredCourseKeepsItsTotalWhenOpened) {
  // Left by the close box with the focus in a par field, the dialog must not
  // run that field's exit handler on the next course.
  Open();
  TypeAndLeave(dialog->Ui().Par[1], QStringLiteral("4"));
  Focus(dialog->Ui().Par[5]);
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());

  Open(Stored("OAK HILLS", "453445344453445344", "70"));
  dialog->FormActivate();  // safe to run again
  EXPECT_EQ(dialog->Ui().ParOut->text(), QStringLiteral("36"));
  EXPECT_EQ(dialog->Ui().ParIn->text(), QStringLiteral("36"));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("70"));
  EXPECT_EQ(dialog->Ui().RatingField->text(), QStringLiteral("70.5"));
  EXPECT_EQ(FocusName(), QStringLiteral("CourseName"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(CourseFormTest, OkChecksTheTotalParAndFillsRatingAndSlope) {
  Open();
  TypeAndLeave(dialog->Ui().CourseName, QStringLiteral("ELM"));
  const QString noTotal =
      QStringLiteral("You must enter a value of greater than zero for the Total Par.");
  for (const char* total : {"0", "", "-5"}) {
    messages.clear();
    dialog->Ui().ParTotal->setText(QString::fromLatin1(total));
    Click(dialog->Ui().OKButton);
    EXPECT_EQ(MessageTexts(), QStringList{noTotal}) << total;
    EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kInformation);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("0"));
    EXPECT_EQ(FocusName(), QStringLiteral("ParTotal"));
  }
  // The defaults are filled even when the check fails.
  EXPECT_EQ(dialog->Ui().RatingField->text(), QStringLiteral("0.0"));
  EXPECT_EQ(dialog->Ui().SlopeField->text(), QStringLiteral("0"));

  messages.clear();
  TypeAndLeave(dialog->Ui().ParTotal, QStringLiteral("7x"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("'7x' is not a valid integer value")});
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("7x"));
  EXPECT_EQ(FocusName(), QStringLiteral("ParTotal"));

  messages.clear();
  TypeAndLeave(dialog->Ui().ParTotal, QStringLiteral("71"));
  Click(dialog->Ui().OKButton);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));
  fw::TCourseRec course = dialog->Course();
  EXPECT_EQ(course.Rating, "0.0");
  EXPECT_EQ(course.Slope, "0");
}

TEST_F(CourseFormTest, OkRefusesAnEmptyNameAndARatingOrSlopeThatIsNoPlausibleNumber) {
  struct Case {
    const char* name;
    const char* rating;
    const char* slope;
    const char* message;
    const char* focus;
  };
  const Case cases[] = {
      {"", "70.2", "121", "Please enter a course name.", "CourseName"},
      {"   ", "70.2", "121", "Please enter a course name.", "CourseName"},
      {"ELM", ".", "121", "'.' is not a valid floating point value", "RatingField"},
      {"ELM", "7.2", "121",
       "The rating must lie between 50.0 and 90.0 (or be 0 for a course that has no rating).",
       "RatingField"},
      {"ELM", "70.2", "200",
       "The slope must lie between 55 and 155 (or be 0 for a course that has no slope rating).",
       "SlopeField"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Open();
    messages.clear();
    TypeAndLeave(dialog->Ui().CourseName, QString::fromLatin1(c.name));
    TypeAndLeave(dialog->Ui().RatingField, QString::fromLatin1(c.rating));
    TypeAndLeave(dialog->Ui().SlopeField, QString::fromLatin1(c.slope));
    TypeAndLeave(dialog->Ui().ParTotal, QStringLiteral("72"));
    Click(dialog->Ui().OKButton);
    EXPECT_EQ(MessageTexts(), QStringList{QString::fromLatin1(c.message)});
    EXPECT_EQ(FocusName(), QString::fromLatin1(c.focus));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
  }
  // 0 stays allowed for a course not rated.
  TypeAndLeave(dialog->Ui().SlopeField, QStringLiteral("0"));
  TypeAndLeave(dialog->Ui().ParTotal, QStringLiteral("72"));  // leaving hole 1 at 0 reset it
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));

  // Letters typed into the rating and the slope are refused ("7O.2" with the
  // letter O arrives as 7.2); "0.0" and "0" (an unrated course) are taken.
  Open();
  TypeAndLeave(dialog->Ui().RatingField, QStringLiteral("7O.2"));
  EXPECT_EQ(dialog->Ui().RatingField->text(), QStringLiteral("7.2"));
  TypeAndLeave(dialog->Ui().CourseName, QStringLiteral("Elm"));
  TypeAndLeave(dialog->Ui().RatingField, QStringLiteral("abc0.x0"));
  TypeAndLeave(dialog->Ui().SlopeField, QStringLiteral("xyz0"));
  EXPECT_EQ(dialog->Ui().RatingField->text(), QStringLiteral("0.0"));
  EXPECT_EQ(dialog->Ui().SlopeField->text(), QStringLiteral("0"));
  TypeAndLeave(dialog->Ui().ParTotal, QStringLiteral("72"));
  messages.clear();
  Click(dialog->Ui().OKButton);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));

  // A stored course holding other text (a hand-edited course list) is shown
  // as it is; OK names what is wrong and selects it, so typing replaces it.
  fw::TCourseRec junk = Stored("OAK HILLS", "453445344453445344", "72");
  junk.Rating = "abc";
  junk.Slope = "-12";
  Open(junk);
  EXPECT_EQ(dialog->Ui().RatingField->text(), QStringLiteral("abc"));
  messages.clear();
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(MessageTexts(),
            QStringList{QStringLiteral("'abc' is not a valid floating point value")});
  EXPECT_EQ(FocusName(), QStringLiteral("RatingField"));
  QTest::keyClicks(dialog->Ui().RatingField, QStringLiteral("71.2"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(MessageTexts().last(), QStringLiteral("'-12' is not a valid integer value"));
  EXPECT_EQ(FocusName(), QStringLiteral("SlopeField"));
  EXPECT_TRUE(dialog->isVisible());
  QTest::keyClicks(dialog->Ui().SlopeField, QStringLiteral("128"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Course().Rating, "71.2");
  EXPECT_EQ(dialog->Course().Slope, "128");
}

TEST_F(CourseFormTest, CancelAndCloseBoxLeaveUnconfirmed) {
  Open();
  dialog->Ui().ParTotal->setText(QStringLiteral("72"));
  Click(dialog->Ui().CancelButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
  int handedBack = opener->activations;

  // Escape is Cancel, wherever the focus is.
  Open();
  TypeAndLeave(dialog->Ui().CourseName, QStringLiteral("ELM"));
  dialog->Ui().ParTotal->setText(QStringLiteral("72"));
  dialog->Ui().OkPressed->setText(QStringLiteral("1"));
  QTest::keyClick(dialog->Ui().Par[3], Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));

  // The close box leaves the marker as it is and still hands back.
  Open();
  dialog->Ui().OkPressed->setText(QStringLiteral("X"));
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("X"));
  EXPECT_GT(opener->activations, handedBack);

  // A marker left for an opener that never came back does not survive the
  // next showing.
  dialog->Ui().OkPressed->setText(QStringLiteral("1"));
  Open();
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
}

TEST_F(CourseFormTest, TabVisitsTheFieldsInOrderPassingOutAndIn) {
  Open(Stored("OAK HILLS", "453445344453445344", "72"));
  QStringList visited{FocusName()};
  for (int i = 0; i < 42; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << FocusName();
  }
  QStringList expected{QStringLiteral("CourseName"), QStringLiteral("RatingField"),
                       QStringLiteral("SlopeField")};
  for (int hole = 1; hole <= 18; ++hole) expected << QStringLiteral("Par%1").arg(hole);
  expected << QStringLiteral("ParTotal");
  for (int hole = 1; hole <= 18; ++hole) expected << QStringLiteral("StrokeIndex%1").arg(hole);
  expected << QStringLiteral("OKButton") << QStringLiteral("CancelButton")
           << QStringLiteral("CourseName");
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("72"));
}

TEST_F(CourseFormTest, StrokeIndexesAreNoneOrEachOfOneToEighteenOnce) {
  Open();
  TypeAndLeave(dialog->Ui().CourseName, QStringLiteral("ELM"));
  TypeAndLeave(dialog->Ui().ParTotal, QStringLiteral("72"));
  struct Case {
    int hole;  // given the text; every other hole is its own number
    const char* text;
    const char* message;
    const char* focus;
  };
  const Case cases[] = {
      {12, "7", "Stroke index 7 is used twice; 12 is missing.", "StrokeIndex12"},
      {5, "", "The stroke index of hole 5 is missing. Give all 18 stroke indexes, or none.",
       "StrokeIndex5"},
      {3, "19", "The stroke index of hole 3 is 19; stroke indexes run from 1 to 18.",
       "StrokeIndex3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    messages.clear();
    for (int hole = 1; hole <= 18; ++hole)
      dialog->Ui().StrokeIndex[hole]->setText(hole == c.hole ? QString::fromLatin1(c.text)
                                                             : QString::number(hole));
    Click(dialog->Ui().OKButton);
    EXPECT_EQ(MessageTexts(), QStringList{QString::fromLatin1(c.message)});
    EXPECT_EQ(FocusName(), QString::fromLatin1(c.focus));
    EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
  }
  // All empty means not known; all given once, known.
  for (int hole = 1; hole <= 18; ++hole) dialog->Ui().StrokeIndex[hole]->clear();
  Click(dialog->Ui().OKButton);
  EXPECT_FALSE(dialog->TakeConfirmed(opener)->StrokeIndexes.has_value());
  dialog->ShowFor(opener);
  for (int hole = 1; hole <= 18; ++hole)
    dialog->Ui().StrokeIndex[hole]->setText(QString::number(19 - hole));
  Click(dialog->Ui().OKButton);
  const std::optional<TCourseEdit> known = dialog->TakeConfirmed(opener);
  ASSERT_TRUE(known && known->StrokeIndexes);
  EXPECT_EQ((*known->StrokeIndexes)[0], 18);
}

}  // namespace
}  // namespace fwtest
