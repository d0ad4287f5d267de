#include "reports/fwhndicp.h"

#include <QPrinter>
#include <filesystem>

#include "reports/fw2choic.h"
#include "support/reporttest.h"
#include "ui/fwprintdialog.h"

namespace fwtest {
namespace {

constexpr const char* kPars = "4~5~3~4~4~5~3~4~4~4~5~3~4~4~5~3~4~4~\r\n";

// The course handicap window over a small course list, opened the way the
// golfer windows open it, with the printer-or-file question and the print
// dialog answered by the test.
class CourseHandicapFormTest : public ReportSeamTest {
 protected:
  void SetUp() override {
    ReportSeamTest::SetUp();
    folder.Write("courses.fwc", std::string("Flat Links~68.0~0~70~") + kPars +
                                    "Aspen Glen~72.9~125~72~" + kPars + "Bad Slope~70.0~X~72~" +
                                    kPars + "Bad Par~70.0~113~7X~" + kPars);
  }

  static THandicapForm* Open(const QString& index, const QString& shortName = "PJONES") {
    auto* w = new THandicapForm;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->Ui().GolferName->setText(QStringLiteral("Pat Jones"));
    w->Ui().GolferShortName->setText(shortName);
    w->Ui().IndexField->setText(index);
    w->ShowFor(nullptr);
    EXPECT_TRUE(WaitActive(w));
    return w;
  }

  // Picks the course on that line of the list (sorted: Aspen Glen, Bad Par,
  // Bad Slope, Flat Links).
  static void Pick(THandicapForm* w, int row) {
    w->Ui().CourseField->setCurrentIndex(row);
    emit w->Ui().CourseField->activated(row);
    QApplication::processEvents();
  }
};

TEST_F(CourseHandicapFormTest, PickingACourseFillsTheResultLines) {
  THandicapForm* w = Open(QStringLiteral("12.4"));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Course Handicap - Pat Jones"));
  ASSERT_EQ(w->Ui().CourseField->count(), 4);
  EXPECT_EQ(w->Ui().CourseField->itemText(0), QStringLiteral("Aspen Glen"));
  EXPECT_EQ(w->Ui().Hdcp1->text(), QStringLiteral("Please select a course."));

  Click(w->Ui().PrintButton);
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("You must select a course first.")});
  EXPECT_TRUE(questions.empty());

  Pick(w, 0);
  EXPECT_EQ(w->Ui().RatingField->text(), QStringLiteral("72.9"));
  EXPECT_EQ(w->Ui().SlopeField->text(), QStringLiteral("125"));
  EXPECT_EQ(w->Ui().ParField->text(), QStringLiteral("72"));
  EXPECT_EQ(w->Ui().Hdcp1->text(), QStringLiteral("Handicap for Pat Jones at this course is: 14"));
  EXPECT_EQ(w->Ui().Hdcp2->text(), QStringLiteral("Predicted score for Pat Jones is: 86"));
  w->RunFormActivate();
  EXPECT_EQ(w->Ui().Hdcp1->text(), QStringLiteral("Handicap for Pat Jones at this course is: 14"));

  // A slope or a par total that cannot be computed with: the figures show the
  // new course, the results stay those of the last good one.
  Pick(w, 2);
  EXPECT_EQ(w->Ui().SlopeField->text(), QStringLiteral("X"));
  EXPECT_EQ(MessageTexts().last(), QStringLiteral("'X' is not a valid floating point value"));
  EXPECT_EQ(messages.back().kind, fw::ui::MsgKind::kError);
  Pick(w, 1);
  EXPECT_EQ(w->Ui().ParField->text(), QStringLiteral("7X"));
  EXPECT_EQ(MessageTexts().last(), QStringLiteral("'7X' is not a valid integer value"));
  EXPECT_EQ(w->Ui().Hdcp1->text(), QStringLiteral("Handicap for Pat Jones at this course is: 14"));
  EXPECT_EQ(w->Ui().Hdcp2->text(), QStringLiteral("Predicted score for Pat Jones is: 86"));
  EXPECT_TRUE(w->isVisible());

  // A slope of 0 is a number: no strokes at all.
  Pick(w, 3);
  EXPECT_EQ(w->Ui().Hdcp1->text(), QStringLiteral("Handicap for Pat Jones at this course is: 0"));
  EXPECT_EQ(w->Ui().Hdcp2->text(), QStringLiteral("Predicted score for Pat Jones is: 70"));

  // A plus handicap gives strokes back.
  THandicapForm* plus = Open(QStringLiteral("-2.5"));
  Pick(plus, 0);
  EXPECT_EQ(plus->Ui().Hdcp1->text(),
            QStringLiteral("Handicap for Pat Jones at this course is: -3"));
  EXPECT_EQ(plus->Ui().Hdcp2->text(), QStringLiteral("Predicted score for Pat Jones is: 69"));
}

TEST_F(CourseHandicapFormTest, PrintsToTheGolfersFileOrNowhere) {
  THandicapForm* w = Open(QStringLiteral("12.4"));
  Pick(w, 0);

  choice = 2;
  Click(w->Ui().PrintButton);
  EXPECT_EQ(questions,
            QStringList{QStringLiteral("Output handicap list to the printer or to a file?")});
  EXPECT_EQ(folder.Read("PJONES.fwh"),
            "FAIRWICK COURSE HANDICAP AS OF:  01/10/2002\r\n"
            "FOR:  Pat Jones\r\n"
            "AT:   Aspen Glen\r\n"
            "\r\n"
            "Course Rating: 72.9\r\n"
            "Slope Rating:  125\r\n"
            "Par:           72\r\n"
            "Index:         12.4\r\n"
            "\r\n"
            "Handicap for Pat Jones at this course is: 14\r\n"
            "Predicted score for Pat Jones is: 86\r\n");
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Handicap file \"PJONES.fwh\" created.")});

  // A second printout replaces the first.
  Pick(w, 3);
  Click(w->Ui().PrintButton);
  EXPECT_NE(folder.Read("PJONES.fwh").find("AT:   Flat Links\r\n"), std::string::npos);
  EXPECT_EQ(messages.size(), 2u);

  // Question cancelled, or printer chosen and the print dialog declined:
  // nothing, and no message. The PDF offered is named after the golfer.
  choice = -1;
  Click(w->Ui().PrintButton);
  choice = 1;
  Click(w->Ui().PrintButton);
  EXPECT_EQ(offeredPdf, QString::fromStdString((folder.Path() / "PJONES-handicap.pdf").string()));
  EXPECT_FALSE(folder.Has("PJONES-handicap.pdf"));
  EXPECT_EQ(messages.size(), 2u);

  // A file that cannot be written is reported; the window stays.
  std::filesystem::create_directory(folder.Path() / "KSMITH.fwh");
  THandicapForm* blocked = Open(QStringLiteral("12.4"), QStringLiteral("KSMITH"));
  Pick(blocked, 0);
  choice = 2;
  Click(blocked->Ui().PrintButton);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages.back().kind, fw::ui::MsgKind::kError);
  EXPECT_TRUE(blocked->isVisible());
  fw::ui::App().Order = fw::DateOrder::kDayMonthYear;  // the heading's date follows the settings
  Click(w->Ui().PrintButton);
  EXPECT_EQ(folder.Read("PJONES.fwh").substr(33, 12), "10/01/2002\r\n");
}

TEST_F(CourseHandicapFormTest, EveryWayOutDeletesTheWindow) {
  // Closed by its frame, even when the opener did not ask for it.
  QPointer<THandicapForm> framed = new THandicapForm;
  ShowActive(framed);
  framed->close();
  QPointer<THandicapForm> escaped = Open(QStringLiteral("12.4"));
  QTest::keyClick(escaped, Qt::Key_Escape);
  QPointer<THandicapForm> exited = Open(QStringLiteral("12.4"));
  Trigger(exited, "Exit1");
  QPointer<THandicapForm> confirmed = Open(QStringLiteral("12.4"));
  Click(confirmed->Ui().OKButton);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(framed.isNull());
  EXPECT_TRUE(escaped.isNull());
  EXPECT_TRUE(exited.isNull());
  EXPECT_TRUE(confirmed.isNull());
}

}  // namespace
}  // namespace fwtest
