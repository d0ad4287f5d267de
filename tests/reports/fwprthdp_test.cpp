#include "reports/fwprthdp.h"

#include <QPrinter>
#include <QProcess>

#include "golfers/golferfiles.h"
#include "reports/fw2choic.h"
#include "reports/fwcrddet.h"
#include "reports/qtreportclock.h"
#include "scores/fwscore.h"
#include "support/reporttest.h"
#include "ui/fwprintdialog.h"

namespace fwtest {
namespace {

std::string CourseLine(const std::string& name, const std::string& rating, const std::string& slope,
                       const std::string& parTotal) {
  std::string line = name + "~" + rating + "~" + slope + "~" + parTotal + "~";
  for (int hole = 0; hole < 18; ++hole) line += "4~";
  return line + "\r\n";
}

// Five complete rounds of one differential (in tenths).
std::string RoundsOf(int tenths) {
  std::vector<RoundSpec> rounds;
  for (int n = 1; n <= 5; ++n)
    rounds.push_back(RoundWithDifferential(December2001(n), tenths, "X"));
  return ScoreFile(rounds);
}

QStringList Texts(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

QStringList SelectedTexts(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->isSelected()) texts << list->item(row)->text();
  return texts;
}

void Select(QListWidget* list, const QStringList& texts) {
  list->clearSelection();
  for (int row = 0; row < list->count(); ++row)
    if (texts.contains(list->item(row)->text())) list->item(row)->setSelected(true);
}

void DoubleClick(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << text.toStdString();
  const QPoint centre = list->visualItemRect(found.first()).center();
  // As the mouse does: press, release, press, double-click, release.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
  QApplication::processEvents();
}

// The dialog with the printer-or-file question and the print dialog answered
// by the test.
class PrintHandicapsTest : public ReportSeamTest {
 protected:
  void SetUp() override {
    ReportSeamTest::SetUp();
    confirmPrint = true;
    folder.Write("courses.fwc", CourseLine("Pine Ridge", "68.0", "113", "70") +
                                    CourseLine("Oak Hills", "70.5", "125", "72"));
  }

  // Two golfers of one name: a woman with differentials of 10.0 (index 9.6)
  // first in the file, a man with 20.0 (index 19.2).
  void WriteNamesakes() {
    folder.Write("golfers.fwc", "Pat Jones~PJONES1~1~\r\nPat Jones~PJONES2~0~\r\n");
    folder.Write("PJONES1.fwp", RoundsOf(100));
    folder.Write("PJONES2.fwp", RoundsOf(200));
  }

  TPrintHandicapsDlg* Open() {
    auto* dialog = new TPrintHandicapsDlg;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    EXPECT_TRUE(dialog->Loaded());
    ShowActive(dialog);
    return dialog;
  }

  // Picks the course at `row` of the drop-down with the keyboard.
  static void PickCourse(TPrintHandicapsDlg* dialog, int row) {
    Focus(dialog->Ui().CourseField);
    while (dialog->Ui().CourseField->currentIndex() < row)
      QTest::keyClick(dialog->Ui().CourseField, Qt::Key_Down);
    while (dialog->Ui().CourseField->currentIndex() > row)
      QTest::keyClick(dialog->Ui().CourseField, Qt::Key_Up);
  }

  // The report's lines after the date of its first line.
  static std::string Heading(const std::string& course, const std::string& ratingLine) {
    const char sep = fw::ui::DateSeparatorOf(QLocale::system());
    return std::string("FAIRWICK COURSE HANDICAPS AS OF:  01") + sep + "10" + sep +
           "2002\r\n\r\nCourse: " + course + "\r\n" + ratingLine +
           "\r\n\r\n                                 Course   Predicted\r\n"
           "Golfer                 Index   Handicap       Score\r\n\r\n";
  }
};

TEST_F(PrintHandicapsTest, ListsMoveGolfersAndKeepTheirOrders) {
  // The table's order is byte order of the Windows-1252 names: capitals before
  // small letters, accented letters last.
  folder.Write("golfers.fwc",
               "Zed~ZED~0~\r\n\xC9mile~EMILE~0~\r\nabe~ABE2~0~\r\nCal~CAL~0~\r\nBea~BEA~1~\r\n"
               "Abe~ABE~0~\r\n");
  TPrintHandicapsDlg* dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Handicaps Dialog"));
  EXPECT_TRUE(dialog->Ui().PrintCardsButton->isEnabled());
  const QString emile = QString::fromUtf8("\xC3\x89mile");
  const QStringList tableOrder = {"Abe", "Bea", "Cal", "Zed", "abe", emile};
  EXPECT_EQ(Texts(dialog->Ui().GolferListBox), tableOrder);
  EXPECT_TRUE(dialog->Ui().IncludeBtn->isEnabled());
  EXPECT_TRUE(dialog->Ui().IncAllBtn->isEnabled());
  EXPECT_FALSE(dialog->Ui().ExcludeBtn->isEnabled());
  EXPECT_FALSE(dialog->Ui().ExAllBtn->isEnabled());

  // Three at once arrive lowest first; the line at the first one's place is
  // selected next.
  Select(dialog->Ui().GolferListBox, {"Abe", "Bea", "Cal"});
  Click(dialog->Ui().IncludeBtn);
  EXPECT_EQ(Texts(dialog->Ui().PrintListBox), (QStringList{"Cal", "Bea", "Abe"}));
  EXPECT_EQ(SelectedTexts(dialog->Ui().GolferListBox), QStringList{"Zed"});
  EXPECT_TRUE(dialog->Ui().ExcludeBtn->isEnabled());
  EXPECT_TRUE(dialog->Ui().ExAllBtn->isEnabled());

  // One at a time they keep the order of the moves; a double-click moves too.
  Select(dialog->Ui().GolferListBox, {emile});
  Click(dialog->Ui().IncludeBtn);
  EXPECT_EQ(SelectedTexts(dialog->Ui().GolferListBox), QStringList{"abe"});
  Click(dialog->Ui().IncludeBtn);
  DoubleClick(dialog->Ui().GolferListBox, "Zed");
  EXPECT_EQ(Texts(dialog->Ui().PrintListBox),
            (QStringList{"Cal", "Bea", "Abe", emile, "abe", "Zed"}));
  EXPECT_TRUE(Texts(dialog->Ui().GolferListBox).isEmpty());
  EXPECT_FALSE(dialog->Ui().IncludeBtn->isEnabled());
  EXPECT_FALSE(dialog->Ui().IncAllBtn->isEnabled());

  // Moved back, names return to the table's order.
  DoubleClick(dialog->Ui().PrintListBox, "abe");
  Select(dialog->Ui().PrintListBox, {"Zed", "Abe"});
  Click(dialog->Ui().ExcludeBtn);
  EXPECT_EQ(Texts(dialog->Ui().GolferListBox), (QStringList{"Abe", "Zed", "abe"}));
  Click(dialog->Ui().ExAllBtn);
  EXPECT_EQ(Texts(dialog->Ui().GolferListBox), tableOrder);
  EXPECT_FALSE(dialog->Ui().ExcludeBtn->isEnabled());
  EXPECT_FALSE(dialog->Ui().ExAllBtn->isEnabled());

  // All at once keeps the list's order; the emptied list selects nothing.
  Click(dialog->Ui().IncAllBtn);
  EXPECT_EQ(Texts(dialog->Ui().PrintListBox), tableOrder);
  EXPECT_FALSE(dialog->Ui().IncludeBtn->isEnabled());
  EXPECT_TRUE(dialog->Ui().ExAllBtn->isEnabled());
  EXPECT_TRUE(messages.empty());

  // Escape is Exit.
  QTest::keyClick(dialog->Ui().PrintListBox, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(OpenWindows<TPrintHandicapsDlg>().empty());
}

TEST_F(PrintHandicapsTest, PrintListWantsACourseAndAGolfer) {
  WriteNamesakes();
  TPrintHandicapsDlg* dialog = Open();
  EXPECT_EQ(dialog->Ui().CourseField->count(), 2);
  EXPECT_EQ(dialog->Ui().CourseField->itemText(0), QStringLiteral("Oak Hills"));
  EXPECT_EQ(dialog->Ui().CourseField->currentIndex(), -1);

  Click(dialog->Ui().IncAllBtn);
  Click(dialog->Ui().PrintListButton);
  // A key that selects no course still leaves the list without one.
  Focus(dialog->Ui().CourseField);
  QTest::keyClick(dialog->Ui().CourseField, Qt::Key_Q);
  EXPECT_TRUE(dialog->CourseChosen);
  EXPECT_EQ(dialog->Ui().CourseField->currentIndex(), -1);
  Click(dialog->Ui().PrintListButton);
  PickCourse(dialog, 0);
  Click(dialog->Ui().ExAllBtn);
  Click(dialog->Ui().PrintListButton);
  EXPECT_EQ(MessageTexts(),
            (QStringList{"You must select a course first.", "You must select a course first.",
                         "You must select at least one golfer."}));
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_FALSE(folder.Has("hdcplist.fwo"));

  // A golfer list that cannot be read is shown and the dialog does not open.
  std::filesystem::remove(folder.Path() / "golfers.fwc");
  folder.MakeDir("golfers.fwc");
  messages.clear();
  TPrintHandicapsDlg broken;
  EXPECT_FALSE(broken.Loaded());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kError);
}

TEST_F(PrintHandicapsTest, WithoutACourseListTheMessageSaysWhatToDo) {
  // At the start (score entry loads the courses) and again in Print Handicaps.
  std::filesystem::remove(folder.Path() / "courses.fwc");
  folder.Write("golfers.fwc", "");
  delete new TScoreForm;
  Open();
  ASSERT_EQ(messages.size(), 2u);
  for (const ShownMessage& shown : messages) {
    EXPECT_EQ(shown.text, QStringLiteral("Error renaming sample courses file!"));
    EXPECT_TRUE(shown.informativeText.contains(QStringLiteral("sample.fwc into this folder")));
  }
}

TEST_F(PrintHandicapsTest, HandicapListFileShowsEachNamesakesOwnFigures) {
  WriteNamesakes();
  TPrintHandicapsDlg* dialog = Open();
  PickCourse(dialog, 0);
  // The man (second in the table) first, then the woman.
  Select(dialog->Ui().GolferListBox, {});
  dialog->Ui().GolferListBox->item(1)->setSelected(true);
  Click(dialog->Ui().IncludeBtn);
  Click(dialog->Ui().IncludeBtn);
  EXPECT_EQ(dialog->PrintListPlaces(), (std::vector<int>{2, 1}));

  choice = -1;
  Click(dialog->Ui().PrintListButton);
  EXPECT_FALSE(folder.Has("hdcplist.fwo"));
  EXPECT_TRUE(messages.empty());

  choice = 2;
  Click(dialog->Ui().PrintListButton);
  EXPECT_EQ(questions, QStringList(2, "Output handicap list to the printer or to a file?"));
  // clang-format off
  // Columns: name 1-20, index 24-28, course handicap 37-39, predicted 49-51.
  EXPECT_EQ(folder.Read("hdcplist.fwo"),
            Heading("Oak Hills", "Rating: 70.5  Slope: 125  Par: 72") +
            "Pat Jones           " "   " " 19.2" "        " " 21" "         " " 93\r\n"
            "Pat Jones           " "   " "  9.6" "        " " 11" "         " " 83\r\n");
  // clang-format on
  EXPECT_EQ(MessageTexts(), QStringList{"Handicap file \"HDCPLIST.FWO\" created."});
}

TEST_F(PrintHandicapsTest, PrintingTwiceWithTwoCourses) {
  WriteNamesakes();
  TPrintHandicapsDlg* dialog = Open();
  Click(dialog->Ui().IncAllBtn);

  PickCourse(dialog, 0);
  choice = 1;
  Click(dialog->Ui().PrintListButton);
  EXPECT_EQ(offeredPdf, QString::fromStdString((folder.Path() / "hdcplist.pdf").string()));
  ASSERT_TRUE(folder.Has("out.pdf"));
  EXPECT_EQ(folder.Read("out.pdf").substr(0, 5), "%PDF-");

  PickCourse(dialog, 1);
  choice = 2;
  Click(dialog->Ui().PrintListButton);
  // clang-format off
  // Columns: name 1-20, index 24-28, course handicap 37-39, predicted 49-51.
  EXPECT_EQ(folder.Read("hdcplist.fwo"),
            Heading("Pine Ridge", "Rating: 68.0  Slope: 113  Par: 70") +
            "Pat Jones           " "   " "  9.6" "        " " 10" "         " " 80\r\n"
            "Pat Jones           " "   " " 19.2" "        " " 19" "         " " 89\r\n");
  // clang-format on
  EXPECT_EQ(MessageTexts(),
            (QStringList{"Printing completed.", "Handicap file \"HDCPLIST.FWO\" created."}));
  EXPECT_EQ(dialog->PrintListPlaces(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(PrintHandicapsTest, PrintCardsAsksTheFirstSheetThenPrintsEachNamesakesCard) {
  WriteNamesakes();
  TPrintHandicapsDlg* dialog = Open();
  Click(dialog->Ui().IncAllBtn);
  Click(dialog->Ui().PrintCardsButton);
  EXPECT_EQ(MessageTexts(), QStringList{"You must select a course first."});
  PickCourse(dialog, 0);
  messages.clear();

  // The details are asked in a new dialog every time; its answer is the test's.
  std::vector<int> cardAnswers;
  QStringList fields;
  fw::ui::SetCardDetailsHandler([&](TPrintHdcpDetails& details) {
    fields << details.Ui().NumOfCardsFld->text();
    EXPECT_EQ(details.parentWidget(), dialog);
    const int answer = cardAnswers.front();
    cardAnswers.erase(cardAnswers.begin());
    return answer;
  });
  const QString none = QStringLiteral("no print dialog");

  // Cancelled details: no print dialog, nothing printed, no message.
  cardAnswers = {fw::ui::kCardDetailsCancelled};
  offeredPdf = none;
  Click(dialog->Ui().PrintCardsButton);
  EXPECT_EQ(offeredPdf, none);
  EXPECT_EQ(dialog->CardsOnFirstSheet, -1);

  // The preview offers cards.pdf in the working folder; closed, it prints
  // nothing and says nothing.
  cardAnswers = {1};
  confirmPrint = false;
  Click(dialog->Ui().PrintCardsButton);
  EXPECT_EQ(offeredPdf, QString::fromStdString((folder.Path() / "cards.pdf").string()));
  EXPECT_FALSE(folder.Has("out.pdf"));
  EXPECT_FALSE(folder.Has("cards.pdf"));
  EXPECT_TRUE(messages.empty());

  // One free position on the first sheet.
  cardAnswers = {1};
  confirmPrint = true;
  Click(dialog->Ui().PrintCardsButton);
  fw::ui::SetCardDetailsHandler({});
  EXPECT_EQ(fields, QStringList(3, "10"));
  EXPECT_EQ(MessageTexts(), QStringList{"Handicap cards have been sent to the printer."});
  EXPECT_EQ(dialog->CardsOnFirstSheet, 0);
  EXPECT_EQ(dialog->UsedScores, std::vector<int>{1});
  EXPECT_FALSE(folder.Has("hdcplist.fwo"));
  ASSERT_TRUE(folder.Has("out.pdf"));
  QProcess text;
  text.start(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"),
              QString::fromStdString((folder.Path() / "out.pdf").string()), QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(60000));
  // The woman (first in the table) fills the free position, the man opens
  // sheet 2, each with the figures of their own scores.
  QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar('\f'));
  ASSERT_EQ(pages.size(), previewPages + 1);  // the preview's pages, a form feed after each
  for (QString& page : pages) page = page.simplified();
  EXPECT_TRUE(pages[0].contains(QStringLiteral("INDEX: 9.6 HCP: 11"))) << pages[0].toStdString();
  EXPECT_FALSE(pages[0].contains(QStringLiteral("INDEX: 19.2")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("INDEX: 19.2 HCP: 21"))) << pages[1].toStdString();
}

}  // namespace
}  // namespace fwtest
